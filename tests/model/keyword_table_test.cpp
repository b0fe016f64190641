#include "model/keyword_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "model/keyword_case.h"
#include "platform/headless/rich_edit.h"
#include "platform/headless/system.h"

namespace editor {
namespace {

// Five colours that differ from each other, so a colour tells its category.
constexpr KeywordColours kColours{ui::Rgb(1, 0, 0), ui::Rgb(2, 0, 0), ui::Rgb(3, 0, 0), ui::Rgb(4, 0, 0),
                                  ui::Rgb(5, 0, 0)};
constexpr KeywordColours kOtherColours{ui::Rgb(0, 1, 0), ui::Rgb(0, 2, 0), ui::Rgb(0, 3, 0), ui::Rgb(0, 4, 0),
                                       ui::Rgb(0, 5, 0)};
constexpr ui::Colour kPlain = ui::Rgb(9, 9, 9);

const KeywordTable& Table() {
  static const KeywordTable table(kColours);
  return table;
}

TEST(KeywordTable, EveryWordIsFoundAtItsOwnSlotInAnyCase) {
  const KeywordTable& table = Table();
  ASSERT_EQ(table.WordCount(), 1661);
  for (int slot = 1; slot <= table.WordCount(); ++slot) {
    const std::string word(table.WordAt(slot));
    EXPECT_EQ(table.Find(word).slot, slot) << word;
    EXPECT_EQ(table.Find(ApplyKeywordCase(word, KeywordCase::kLowercase)).slot, slot) << word;
  }
  EXPECT_EQ(table.Words().size(), 1661u);
  EXPECT_EQ(table.Words().front(), "@ALPHA");
  EXPECT_EQ(table.Words().back(), "_WSTRAPPEND");
}

TEST(KeywordTable, NoBucketHoldsMoreThan34AndListsKeepTableOrder) {
  const KeywordTable& table = Table();
  EXPECT_LE(table.ConstantIndex().FullestCount(), KeywordBucketIndex::kPerKey);
  EXPECT_LE(table.WordIndex().FullestCount(), KeywordBucketIndex::kPerKey);
  for (const KeywordBucketIndex* index : {&table.ConstantIndex(), &table.WordIndex()}) {
    for (int length = 0; length < KeywordBucketIndex::kLengths; ++length) {
      for (int bucket = 0; bucket < KeywordBucketIndex::kBuckets; ++bucket) {
        const auto slots = index->Slots(length, bucket);
        EXPECT_TRUE(std::is_sorted(slots.begin(), slots.end()));
      }
    }
  }
}

TEST(KeywordTable, ConstantsAreKeyedByLengthLessOneAndSecondCharacter) {
  const KeywordTable& table = Table();
  const int idok = table.Find("@IDOK").slot;
  ASSERT_NE(idok, 0);
  const auto bucket = table.ConstantIndex().Slots(4, BucketOf('I'));
  EXPECT_NE(std::find(bucket.begin(), bucket.end(), idok), bucket.end());
  EXPECT_EQ(table.Find("@idok").slot, idok);
  EXPECT_FALSE(table.Find("@").Found());
  EXPECT_FALSE(table.Find("@ID").Found());
  EXPECT_FALSE(table.Find("@IDOKAY").Found());
}

TEST(KeywordTable, RejectionsAndNearMissesAreNotDialectWords) {
  const KeywordTable& table = Table();
  for (const char* word : {"", "X", "Y2", "Zorder", "QUIT", "quit", "x1", "1ST", "9", "0XFF", ":LABEL", ":", "P",
                           "counter", "PRINTER", "PRIN", "@MYCONST", "$INCLUDES", "__ASMX", "CASE&&"}) {
    EXPECT_FALSE(table.Find(word).Found()) << word;
  }
  EXPECT_FALSE(table.Find(std::string(400, 'A')).Found());
  EXPECT_FALSE(table.Find("PRINT" + std::string(200, 'S')).Found());
  // The first-letter rejection looks at the first character only: these constants pass it.
  EXPECT_TRUE(table.Find("@XAXIS").Found());
  EXPECT_TRUE(table.Find("@QUAL").Found());
}

TEST(KeywordTable, WordsTakeTheirCategoryAndItsColour) {
  const KeywordTable& table = Table();
  struct Case {
    const char* word;
    KeywordCategory category;
    ui::Colour colour;
  };
  for (const Case& c : {Case{"INT", KeywordCategory::kDefinition, kColours.definition},
                        Case{"WINDOW", KeywordCategory::kDefinition, kColours.definition},
                        Case{"PRINT", KeywordCategory::kKeyword, kColours.keyword},
                        Case{"CASE&", KeywordCategory::kKeyword, kColours.keyword},
                        Case{"$INCLUDE", KeywordCategory::kPreprocessor, kColours.preprocessor},
                        Case{"_ASM", KeywordCategory::kAssembly, kColours.assembly},
                        Case{"__WRITEMEM", KeywordCategory::kAssembly, kColours.assembly},
                        Case{"@CAPTION", KeywordCategory::kConstant, kColours.constants}}) {
    const KeywordMatch match = table.Find(c.word);
    EXPECT_EQ(match.category, c.category) << c.word;
    EXPECT_EQ(match.colour, c.colour) << c.word;
  }
  int definitions = 0;
  for (int slot = 1; slot <= table.WordCount(); ++slot) definitions += table.CategoryAt(slot) == KeywordCategory::kDefinition;
  EXPECT_EQ(definitions, 28);
  EXPECT_EQ(table.CategoryAt(805), KeywordCategory::kConstant);
  EXPECT_EQ(table.CategoryAt(806), KeywordCategory::kPreprocessor);
  EXPECT_EQ(table.CategoryAt(1646), KeywordCategory::kKeyword);
  EXPECT_EQ(table.CategoryAt(1647), KeywordCategory::kAssembly);
}

TEST(KeywordTable, NewColoursApplyWithoutRebuildingWordsOrIndexes) {
  KeywordTable table(kColours);
  const KeywordBucketIndex constantsBefore = table.ConstantIndex();
  const KeywordBucketIndex wordsBefore = table.WordIndex();
  const std::string_view* storageBefore = table.Words().data();

  table.AssignColours(kOtherColours);

  EXPECT_EQ(table.Find("PRINT").colour, kOtherColours.keyword);
  EXPECT_EQ(table.Find("INT").colour, kOtherColours.definition);
  EXPECT_EQ(table.Find("@CAPTION").colour, kOtherColours.constants);
  EXPECT_EQ(table.Find("$INCLUDE").colour, kOtherColours.preprocessor);
  EXPECT_EQ(table.Find("_ASM").colour, kOtherColours.assembly);
  EXPECT_TRUE(table.ConstantIndex() == constantsBefore);
  EXPECT_TRUE(table.WordIndex() == wordsBefore);
  EXPECT_EQ(table.Words().data(), storageBefore);
  EXPECT_EQ(table.Find("INT").category, KeywordCategory::kDefinition);
}

TEST(KeywordTable, TextFormRecasesDialectWordsOnly) {
  const KeywordTable& table = Table();
  for (const char* typed : {"print", "Print", "PRINT"}) {
    EXPECT_EQ(table.LookUpWord(typed, KeywordCase::kUppercase).text, "PRINT");
    EXPECT_EQ(table.LookUpWord(typed, KeywordCase::kLowercase).text, "print");
    const KeywordLookup asTyped = table.LookUpWord(typed, KeywordCase::kAsTyped);
    EXPECT_EQ(asTyped.text, typed);
    EXPECT_TRUE(asTyped.match.Found());
  }
  const KeywordLookup user = table.LookUpWord("Counter", KeywordCase::kUppercase);
  EXPECT_EQ(user.text, "Counter");
  EXPECT_EQ(user.match.slot, 0);
}

// A rich edit on the headless layer, its text painted in one plain colour.
class KeywordEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = system_.CreateTopLevel({"t", {0, 0, 800, 600}});
    ui::ControlSpec desc;
    desc.kind = ui::ControlKind::kRichEdit;
    desc.id = 1;
    desc.rect = {0, 0, 780, 560};
    window_->CreateControl(desc);
    edit_ = dynamic_cast<headless::RichEdit*>(window_->Edit(1));
    ASSERT_NE(edit_, nullptr);
  }

  void Load(std::string_view text) {
    edit_->SetText(text);
    edit_->SetSelection(0, -1);
    edit_->SetSelectionColour(kPlain);
    edit_->ResetCounts();
  }

  // The word as the colouring collected it from the text, starting at this position.
  KeywordLookup LookUp(std::string_view word, int start, KeywordCase wordCase) {
    return Table().LookUpWord(*edit_, word, start, start + static_cast<int>(word.size()), wordCase);
  }

  headless::System system_{std::filesystem::temp_directory_path()};
  std::unique_ptr<ui::Window> window_;
  headless::RichEdit* edit_ = nullptr;
};

TEST_F(KeywordEditTest, EachPreferenceRecasesInPlaceAndColours) {
  struct Case {
    KeywordCase wordCase;
    const char* after;
  };
  for (const Case& c : {Case{KeywordCase::kUppercase, "PRINT PRINT PRINT x"},
                        Case{KeywordCase::kLowercase, "print print print x"},
                        Case{KeywordCase::kAsTyped, "print Print PRINT x"}}) {
    Load("print Print PRINT x");
    EXPECT_TRUE(LookUp("print", 0, c.wordCase).match.Found());
    const KeywordLookup second = LookUp("Print", 6, c.wordCase);
    EXPECT_TRUE(LookUp("PRINT", 12, c.wordCase).match.Found());
    EXPECT_EQ(edit_->Text(), c.after);
    EXPECT_EQ(second.text, std::string_view(c.after).substr(6, 5));
    for (int pos : {0, 4, 6, 10, 12, 16}) EXPECT_EQ(edit_->ColourAt(pos), kColours.keyword) << pos;
    for (int pos : {5, 11, 17, 18}) EXPECT_EQ(edit_->ColourAt(pos), kPlain) << pos;
  }
}

TEST_F(KeywordEditTest, RecasingKeepsTheTextAroundTheWordInPlace) {
  Load("a = @idok + len(s$)\rnext");
  LookUp("@idok", 4, KeywordCase::kUppercase);
  LookUp("len", 12, KeywordCase::kUppercase);
  EXPECT_EQ(edit_->Text(), "a = @IDOK + LEN(s$)\r\nnext");
  EXPECT_EQ(edit_->ColourAt(4), kColours.constants);
  EXPECT_EQ(edit_->ColourAt(12), kColours.keyword);
  EXPECT_EQ(edit_->ColourAt(15), kPlain);
  EXPECT_EQ(edit_->ColourAt(20), kPlain);
}

TEST_F(KeywordEditTest, AnUnknownWordLeavesTheControlUntouched) {
  Load("counter = 1");
  const KeywordLookup result = LookUp("counter", 0, KeywordCase::kUppercase);
  EXPECT_EQ(result.match.slot, 0);
  EXPECT_EQ(result.text, "counter");
  EXPECT_EQ(edit_->Counts().Total(), 0);
  EXPECT_EQ(edit_->ColourAt(0), kPlain);
}

TEST_F(KeywordEditTest, AWordAlreadyInCaseIsColouredWithoutAReplacement) {
  Load("PRINT x");
  LookUp("PRINT", 0, KeywordCase::kUppercase);
  EXPECT_EQ(edit_->Count(headless::Request::kReplaceSelection), 0);
  EXPECT_EQ(edit_->ColourAt(0), kColours.keyword);
}

}  // namespace
}  // namespace editor
