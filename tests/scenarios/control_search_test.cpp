// Finding a file's controls in the "Search controls" window: filtered by name, window and
// type, a chosen one shown at its statement or its CASE, its details copied.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "model/control_index.h"
#include "scenarios/file_commands_fixture.h"
#include "search/control_groups_window.h"
#include "search/control_search_layout.h"
#include "search/create_code_layout.h"
#include "search/results_window_layout.h"
#include "search/subroutine_search_window.h"

namespace editor {
namespace {

using namespace control_search;
using Cells = std::vector<std::string>;

constexpr const char* kProgram =
    "OPENWINDOW w1, 0, 0, 300, 200, @SIZE, 0, \"Main\", &Handler1\r\n"         // 1
    "CONTROL w1, @BUTTON, \"OK, go\", 20, 20, 80, 24, 0x50000000, BUTTON1\r\n"  // 2
    "CONTROL w1, @BUTTON, \"Cancel\", 20, 50, 80, 24, 0, OKBUTTON ' the other\r\n"
    "CONTROL w1, @STATIC, \"Name:\", 10, 10, 80, 20, 0x5000010B, LABEL1\r\n"    // 4
    "CREATEDIALOG d1, 0, 0, 300, 200, 0x80C80080, w1, \"Settings\", &NoSuchSub\r\n"
    "CONTROL d1, @EDIT, \"\", 20, 20, 300, 24, 0x50800000, EDIT1\r\n"           // 6
    "WAITUNTIL w1 = 0\r\n"                                                        // 7
    "SUB Handler1(), INT\r\n"                                                     // 8
    "  SELECT @CONTROLID\r\n"                                                     // 9
    "    CASE button1\r\n"                                                        // 10
    "      CLOSEWINDOW w1\r\n"                                                    // 11
    "  ENDSELECT\r\n"
    "ENDSUB\r\n";

TEST(ControlIndex, ReadsEachStatementWithTheCaseOfItsWindowsHandler) {
  const std::vector<ControlEntry> controls = IndexControls(kProgram);
  ASSERT_EQ(controls.size(), 4u);
  EXPECT_EQ(controls[0], (ControlEntry{"BUTTON1", "w1", "BUTTON", LineNumber(2), LineNumber(10)}));
  EXPECT_EQ(controls[1].name, "OKBUTTON");  // the comment after it is no argument
  EXPECT_EQ(controls[1].caseLine, kNoLine);
  EXPECT_EQ(controls[3], (ControlEntry{"EDIT1", "d1", "EDIT", LineNumber(6), kNoLine}));
}

TEST(ControlIndex, ACaseInNestedSelectsOrNamingSeveralControlsIsFound) {
  const std::vector<ControlEntry> controls = IndexControls(
      "CREATEDIALOG d1, 0, 0, 300, 200, 0, 0, \"Ask\", &Asked\n"
      "CONTROL d1, @BUTTON, \"OK\", 1, 1, 1, 1, 0, BTN_OK\n"
      "CONTROL d1, @BUTTON, \"Cancel\", 1, 1, 1, 1, 0, BTN_CANCEL\n"
      "CONTROL d1, @BUTTON\n"  // too short to name a control
      "SUB Asked(), INT\n"
      "  SELECT @MESSAGE\n"
      "    CASE @IDCONTROL\n"
      "      SELECT @CONTROLID\n"
      "        CASE BTN_OK, BTN_CANCEL\n"
      "      ENDSELECT\n"
      "  ENDSELECT\n"
      "ENDSUB\n");
  ASSERT_EQ(controls.size(), 2u);
  EXPECT_EQ(controls[0].caseLine, LineNumber(9));
  EXPECT_EQ(controls[1].caseLine, LineNumber(9));
}

class ControlSearch : public FileCommandsTest {
 protected:
  void SetUp() override {
    FileCommandsTest::SetUp();
    Open(Source("prog.iwb", kProgram));
  }

  void Search(const std::function<void(ui::Window&)>& inWindow) {
    driver_.WhenModalRuns([&](ui::Window& w) {
      inWindow(w);
      if (w.IsOpen()) driver_.Click(w, kCloseButton);
    });
    ASSERT_TRUE(driver_.Click(Main(), kSearchControlsButton));
  }

  static Cells Names(const ui::Window& w) {
    Cells names;
    for (int r = 0; r < w.ViewRowCount(kList); ++r) names.push_back(w.ViewCell(kList, r, 0));
    return names;
  }
};

TEST_F(ControlSearch, ControlNamesAreColouredOnceIndexedOrTyped) {
  const int button1 = Edit().LineIndex(1) + static_cast<int>(std::string(kProgram).find("BUTTON1\r") -
                                                                std::string(kProgram).find("CONTROL w1"));
  EXPECT_EQ(Edit().ColourAt(button1), editor_.prefs.control);
  // The companion state written on closing lists the controls of then; re-indexing a file
  // changed since lists them from its text, and the state read after it keeps them.
  Open(Source("other.iwb", "x = 1\r\n"));
  ASSERT_TRUE(driver_.Click(Main(), TabButtonId(1)));
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuCloseFile));
  Open(Source("prog.iwb", std::string(kProgram) + "CONTROL w1, @EDIT, \"\", 1, 1, 1, 1, 0, ADDED\r\n"));
  EXPECT_EQ(Edit().ColourAt(button1), editor_.prefs.control);
  ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuReindexFile));
  EXPECT_GE(Main().ViewFindExact(kControlList, "ADDED"), 0);
  Main().Focus(kEditor);
  const int end = Edit().TextLength();
  Edit().SetSelection(end, end);
  driver_.TypeText(Main(), kEditor, "CONTROL w1, @EDIT, \"\", 1, 1, 1, 1, 0, NEWEDIT");
  EXPECT_GE(Main().ViewFindExact(kControlList, "NEWEDIT"), 0);
  EXPECT_LT(Main().ViewFindExact(kControlList, "NEWEDI"), 0);  // the row of the line took each name in turn
}

TEST_F(ControlSearch, FiltersByNameTypeAndWindow) {
  Search([&](ui::Window& w) {
    EXPECT_EQ(w.GetText(kWindowFilterLabel), "Windows");  // two windows: all of them
    EXPECT_EQ(Names(w), (Cells{"BUTTON1", "EDIT1", "OKBUTTON"}));  // no statics, by name
    driver_.TypeText(w, kNameBox, "BUT");
    EXPECT_EQ(Names(w), (Cells{"BUTTON1"}));
    driver_.Click(w, kInNameBox);
    EXPECT_EQ(Names(w), (Cells{"BUTTON1", "OKBUTTON"}));
    w.SetText(kNameBox, "");
    driver_.PickListEntry(w, kTypeFilter, w.ListFindExact(kTypeFilter, "STATIC"));
    EXPECT_FALSE(w.IsChecked(kExcludeStaticsBox));
    EXPECT_EQ(Names(w), (Cells{"LABEL1"}));
    driver_.PickListEntry(w, kTypeFilter, 0);
    driver_.PickListEntry(w, kWindowFilter, w.ListFindExact(kWindowFilter, "d1"));
    EXPECT_EQ(w.GetText(kWindowFilterLabel), "Window");
    EXPECT_EQ(Names(w), (Cells{"EDIT1"}));
  });
}

TEST_F(ControlSearch, FindThisControlLooksForTheSelectedName) {
  const int at = Edit().LineIndex(2) + static_cast<int>(std::string(kProgram).find("OKBUTTON") -
                                                         std::string(kProgram).find("CONTROL w1, @BUTTON, \"Cancel"));
  Edit().SetSelection(at, at + 8);
  Cells listed;
  driver_.WhenModalRuns([&](ui::Window& w) {
    listed = Names(w);
    driver_.Click(w, kCloseButton);
  });
  Main().Focus(kEditor);
  driver_.RightClickAt(Main(), kEditor, at);
  ASSERT_TRUE(driver_.PickContextMenuItem(Main(), kContextFindThisControl));
  EXPECT_EQ(listed, (Cells{"OKBUTTON"}));
}

TEST_F(ControlSearch, GoToCaseShowsTheHandlersCaseOrSaysThereIsNone) {
  Search([&](ui::Window& w) {
    driver_.Click(w, kGoToCaseBox);
    EXPECT_FALSE(w.IsChecked(kGoToControlBox));
    driver_.PickListEntry(w, kList, 2);  // OKBUTTON
    EXPECT_EQ(w.GetText(kStatus), "No case statement exists");
    EXPECT_TRUE(w.IsOpen());
    driver_.PickListEntry(w, kList, 0);  // BUTTON1
    EXPECT_EQ(Edit().GetSelection().first, Edit().LineIndex(9));
    // Hidden for later, it comes back with its choices as they were.
    EXPECT_FALSE(w.IsVisible());
    driver_.Click(Main(), kSearchControlsButton);
    EXPECT_TRUE(w.IsVisible());
    EXPECT_TRUE(w.IsChecked(kGoToCaseBox));
  });
}

TEST_F(ControlSearch, TheHelpButtonOpensItsPageOrSaysTheHelpFileIsMissing) {
  Search([&](ui::Window& w) {
    driver_.Click(w, kPageHelpButton);
    EXPECT_TRUE(NoticeShown("Please check"));
    WriteFile(start_ / "Res" / "tallowmere-editor.chm", "help");
    driver_.Click(w, kPageHelpButton);
  });
  ASSERT_EQ(driver_.Launches().size(), 1u);
  EXPECT_EQ(driver_.Launches()[0].program, "hh.exe");
  EXPECT_EQ(driver_.Launches()[0].arguments,
            (start_ / "Res" / "tallowmere-editor.chm").string() + "::searching-controls.html");
}

TEST_F(ControlSearch, AFileWithOneWindowHasItChosenAndAControlIsFoundWithWords) {
  Open(Source("one.iwb",
              "OPENWINDOW w1, 0, 0, 300, 200, 0, 0, \"Main\", &Handler1\r\n"
              "CONTROL w1, @BUTTON, \"OK\", 1, 1, 1, 1, 0, IDOK\r\n"
              "IF x THEN SETSTATE w1, IDOK, 1\r\n"
              "SETSTATE w1, IDOK, 0\r\n"));
  std::vector<std::string> found;
  driver_.WhenWindowOpens("Search controls", [&](ui::Window& w) {
    EXPECT_EQ(w.GetText(kWindowFilterLabel), "Window");
    EXPECT_EQ(w.ListText(kWindowFilter, w.ListSelected(kWindowFilter)), "w1");
    driver_.PickListEntry(w, kList, 0);  // puts IDOK in the words box and hides the window
    w.SetText(kExtraWordsBox, "IDOK THEN");
    driver_.Click(w, kFindWithWordsBox);
  });
  driver_.WhenModalRuns([&](ui::Window& results) {
    for (int r = 0; r < results.ViewRowCount(results_window::kList); ++r)
      found.push_back(results.ViewCell(results_window::kList, r, 0));
    results.Close();
  });
  ASSERT_TRUE(driver_.Click(Main(), kSearchControlsButton));
  EXPECT_EQ(Main().GetText(kFindBox), "IDOK THEN ");
  EXPECT_EQ(found, (std::vector<std::string>{"3"}));
}

TEST_F(ControlSearch, SendsTheListedControlsDetailsWindowByWindow) {
  const ui::DateTime now = system_.LocalDateTime();
  Search([&](ui::Window& w) { driver_.Click(w, kSendButton); });
  char date[40];
  std::snprintf(date, sizeof date, "%02d-%02d-%d @ %02d:%02d", now.day, now.month, now.year, now.hour, now.minute);
  const std::string heading = std::string("Ctrl name   List created ") + date + "  Wnd ";
  EXPECT_EQ(driver_.Clipboard(), "\r\nName prog.iwb\r\nPath " + editor_.currentPath.string() + "\r\n\r\n" + heading +
                                     "w1\r\n\r\n"
                                     "BUTTON1    Created at 2\t\t\tStatement 10\t\tBUTTON\r\n"
                                     "OKBUTTON   Created at 3\t\t\tStatement N/A\t\tBUTTON\r\n\r\n" +
                                     heading +
                                     "d1\r\n\r\n"
                                     "EDIT1      Created at 6\t\t\tStatement N/A\t\tEDIT\r\n");
}

TEST_F(ControlSearch, CreateCodeWritesStatementsForTheTickedControls) {
  driver_.WhenWindowOpens("Create code", [&](ui::Window& w) {
    EXPECT_EQ(w.ViewRowCount(create_code::kList), 3);  // as the search lists them
    EXPECT_FALSE(w.IsControlVisible(create_code::kStateOnBox));  // no tick box controls
    EXPECT_FALSE(w.IsControlEnabled(create_code::kSendButton));
    driver_.PickListEntry(w, create_code::kList, 2);  // OKBUTTON
    driver_.Click(w, create_code::kSendMessageBox);
    EXPECT_TRUE(w.IsControlVisible(create_code::kMessageBox));
    driver_.Click(w, create_code::kSendButton);
    EXPECT_FALSE(w.IsOpen());
  });
  Search([&](ui::Window& w) {
    driver_.Click(w, kCreateCodeButton);
    EXPECT_TRUE(w.IsControlVisible(kList));  // back once the code window has closed
  });
  EXPECT_EQ(driver_.Clipboard(), "SENDMESSAGE(GETCONTROLHANDLE(w1,OKBUTTON),MESSAGE,0,0)\r");
}

TEST_F(ControlSearch, AGroupIsNamedFilledKeptInItsFileAndGivesItsCode) {
  namespace g = control_groups;
  const std::filesystem::path file = editor_.folders.Companion("prog.iwb", ".grp");
  driver_.WhenWindowOpens("My controls groups - here you can group controls together.", [&](ui::Window& w) {
    EXPECT_EQ(Read(file), "\r\n");  // made on first opening
    driver_.PickListEntry(w, g::kFileControlList, 0);  // BUTTON1
    driver_.PickListEntry(w, g::kFileControlList, 2);  // OKBUTTON
    driver_.Click(w, g::kAddToGroupButton);             // no group yet: it is named first
    driver_.TypeText(w, g::kGroupNameBox, " Buttons ");
    driver_.Click(w, g::kAddGroupNameButton);
    EXPECT_EQ(w.ViewRowCount(g::kMemberList), 2);
    driver_.PickListEntry(w, g::kFileControlList, 0);
    driver_.Click(w, g::kAddToGroupButton);  // a member already: nothing more
    EXPECT_EQ(Read(file), "Buttons:BUTTON1,w1!BUTTON\r\nButtons:OKBUTTON,w1!BUTTON\r\n");
    driver_.PickListEntry(w, g::kMemberList, 0);
    driver_.Click(w, g::kRemoveMembersButton);
    EXPECT_EQ(Read(file), "Buttons:OKBUTTON,w1!BUTTON\r\n");
    driver_.WhenWindowOpens("Create code", [&](ui::Window& code) {
      EXPECT_EQ(code.GetText(create_code::kTitle), "Create code for the controls in group : Buttons");
      driver_.Click(code, create_code::kSelectAllButton);
      driver_.Click(code, create_code::kDisableBox);
      driver_.Click(code, create_code::kSendButton);
    });
    driver_.Click(w, g::kCreateCodeButton);
    EXPECT_EQ(driver_.Clipboard(), "ENABLECONTROL w1,OKBUTTON,0\r");
    driver_.Click(w, g::kCloseButton);
  });
  Search([&](ui::Window& w) { driver_.Click(w, kGroupsButton); });
}

TEST_F(ControlSearch, TheCodeAndGroupsWindowsHandOverToEachOther) {
  namespace g = control_groups;
  WriteFile(editor_.folders.Companion("prog.iwb", ".grp"), "Pair:EDIT1,d1!EDIT\r\nPair:BUTTON1,w1!BUTTON\r\n");
  std::vector<std::string> titles;
  const auto title = [&](ui::Window& code) { titles.push_back(code.GetText(create_code::kTitle)); };
  driver_.WhenWindowOpens("Create code", [&](ui::Window& code) {
    title(code);
    EXPECT_FALSE(code.IsControlVisible(create_code::kChangeGroupButton));
    driver_.Click(code, create_code::kByGroupButton);
  });
  driver_.WhenWindowOpens("My controls groups - here you can group controls together.",
                          [&](ui::Window& groups) { driver_.Click(groups, g::kCreateCodeButton); });
  driver_.WhenWindowOpens("Create code", [&](ui::Window& code) {
    title(code);
    EXPECT_TRUE(code.IsControlVisible(create_code::kStateOnBox));  // a group may gain tick box controls
    driver_.Click(code, create_code::kByWindowButton);
  });
  driver_.WhenWindowOpens("Create code", [&](ui::Window& code) {
    title(code);
    driver_.Click(code, create_code::kCloseButton);
  });
  Search([&](ui::Window& w) { driver_.Click(w, kCreateCodeButton); });
  EXPECT_EQ(titles, (std::vector<std::string>{"Create code for the controls in window ALL",
                                              "Create code for the controls in group : Pair",
                                              "Create code for the controls in window ALL"}));
}

TEST_F(ControlSearch, TheSubroutineSearchGoesToTheNameClicked) {
  Open(Source("subs.iwb", "x = 1\r\nSUB Draw\r\nENDSUB\r\nSUB Quit\r\nENDSUB\r\nSUB redraw\r\nENDSUB\r\n"));
  std::vector<Cells> listed;
  driver_.WhenModalRuns([&](ui::Window& w) {
    const auto names = [&w] {
      Cells cells;
      for (int r = 0; r < w.ViewRowCount(subroutine_search::kList); ++r) cells.push_back(w.ViewCell(subroutine_search::kList, r, 0));
      return cells;
    };
    listed.push_back(names());
    driver_.TypeText(w, subroutine_search::kNameBox, "dr");
    listed.push_back(names());
    driver_.Click(w, subroutine_search::kInNameBox);
    listed.push_back(names());
    driver_.PickListEntry(w, subroutine_search::kList, 1);
    EXPECT_FALSE(w.IsOpen());
  });
  ASSERT_TRUE(driver_.Click(Main(), kSearchSubsButton));
  ASSERT_EQ(listed.size(), 3u);
  EXPECT_EQ(listed[0].size(), 3u);
  EXPECT_EQ(listed[1], (Cells{"Draw"}));
  EXPECT_EQ(listed[2], (Cells{"Draw", "redraw"}));
  EXPECT_EQ(Edit().GetSelection().first, Edit().LineIndex(5));  // SUB redraw
}

}  // namespace
}  // namespace editor
