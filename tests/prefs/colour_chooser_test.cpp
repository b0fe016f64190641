// The colour window as a user meets it: sliders, number boxes, palette, the category
// default, and the three ways out.
#include <gtest/gtest.h>

#include "model/colour_palette.h"
#include "platform/headless/window.h"
#include "prefs/colour_chooser.h"
#include "scenarios/editor_fixture.h"

namespace editor {
namespace {

using namespace chooser;

class ColourChooser : public EditorTest {
 protected:
  // Runs the window on this colour with the user's actions, and what it returned.
  std::optional<ui::Colour> Choose(std::string colourText, std::function<void(ui::Window&)> user) {
    driver_.WhenWindowOpens(std::string(kCaption), std::move(user));
    return ChooseColour(editor_, {std::move(colourText), "Key word colour", ui::Rgb(0, 0, 255)});
  }

  static std::vector<std::string> Boxes(ui::Window& w) {
    return {w.GetText(kRedBox), w.GetText(kGreenBox), w.GetText(kBlueBox)};
  }
  static ui::Colour SampleColour(ui::Window& w) {
    return dynamic_cast<headless::Window&>(w).Find(kSample)->colours->second;
  }
  void Save(ui::Window& w) { EXPECT_TRUE(driver_.Click(w, kSaveButton)); }
};

TEST_F(ColourChooser, OpensOnTheIncomingColourWithTheTitleLineOnDarkBlue) {
  const auto chosen = Choose("255,128,000", [&](ui::Window& w) {
    EXPECT_EQ(Boxes(w), (std::vector<std::string>{"255", "128", "0"}));
    EXPECT_EQ(w.ScrollPos(kRedSlider), 0);  // the top of a slider is 255
    EXPECT_EQ(w.ScrollPos(kGreenSlider), 127);
    EXPECT_EQ(w.ScrollPos(kBlueSlider), 255);
    EXPECT_EQ(SampleColour(w), ui::Rgb(255, 128, 0));
    EXPECT_EQ(w.GetText(kTitleLine), "Key word colour");
    EXPECT_EQ(dynamic_cast<headless::Window&>(w).Find(kTitleLine)->colours->second, ui::Rgb(0, 0, 50));
    EXPECT_EQ(w.GetRect().width, 640);
    EXPECT_EQ(w.GetRect().height, 440);
    Save(w);
  });
  EXPECT_EQ(chosen, ui::Rgb(255, 128, 0));
}

TEST_F(ColourChooser, AFocusedBoxIsEmptiedAndANumberAbove255Becomes255) {
  const auto chosen = Choose("000,000,000", [&](ui::Window& w) {
    w.SetText(kRedBox, "40");
    driver_.Click(w, kRedBox);
    EXPECT_EQ(w.GetText(kRedBox), "");
    driver_.TypeText(w, kRedBox, "300");
    EXPECT_EQ(w.GetText(kRedBox), "255");
    EXPECT_EQ(w.ScrollPos(kRedSlider), 0);
    EXPECT_EQ(SampleColour(w), ui::Rgb(255, 0, 0));
    Save(w);
  });
  EXPECT_EQ(chosen, ui::Rgb(255, 0, 0));
}

TEST_F(ColourChooser, MovingASliderSetsItsBox) {
  const auto chosen = Choose("000,000,000", [&](ui::Window& w) {
    driver_.Scroll(w, kRedSlider, ui::scroll::kThumbTrack, 55);
    EXPECT_EQ(w.GetText(kRedBox), "200");
    driver_.Scroll(w, kRedSlider, ui::scroll::kLineUp);
    EXPECT_EQ(w.GetText(kRedBox), "201");
    driver_.Scroll(w, kBlueSlider, ui::scroll::kLineDown);  // already at the bottom
    EXPECT_EQ(w.GetText(kBlueBox), "0");
    driver_.Scroll(w, kGreenSlider, ui::scroll::kPageUp);
    EXPECT_EQ(w.GetText(kGreenBox), "16");
    Save(w);
  });
  EXPECT_EQ(chosen, ui::Rgb(201, 16, 0));
}

TEST_F(ColourChooser, APaletteButtonSetsTheBoxesAndDefaultGivesTheCategoryDefault) {
  const ui::Colour thirteenth = PaletteColours()[13];
  EXPECT_EQ(thirteenth, ui::Rgb(6, 127, 180));
  const auto chosen = Choose("000,000,000", [&](ui::Window& w) {
    EXPECT_TRUE(driver_.Click(w, kFirstPaletteButton + 13));
    EXPECT_EQ(Boxes(w), (std::vector<std::string>{"6", "127", "180"}));
    EXPECT_EQ(SampleColour(w), thirteenth);
    EXPECT_EQ(w.ControlRect(kFirstPaletteButton + 13).x - w.ControlRect(kFirstPaletteButton + 12).x, 40);
    EXPECT_EQ(w.ControlRect(kFirstPaletteButton + 8).y - w.ControlRect(kFirstPaletteButton).y, 40);
    EXPECT_EQ(w.ControlRect(kFirstPaletteButton).width, 25);
    driver_.Click(w, kDefaultButton);
    EXPECT_EQ(Boxes(w), (std::vector<std::string>{"0", "0", "255"}));
    Save(w);
  });
  EXPECT_EQ(chosen, ui::Rgb(0, 0, 255));
}

TEST_F(ColourChooser, CancelAndTheCloseBoxReturnNone) {
  EXPECT_EQ(Choose("010,020,030", [&](ui::Window& w) {
              driver_.Click(w, kFirstPaletteButton);
              driver_.Click(w, kCancelButton);
            }),
            std::nullopt);
  EXPECT_EQ(Choose("010,020,030", [&](ui::Window& w) { driver_.ClickCloseBox(w); }), std::nullopt);
  EXPECT_TRUE(driver_.UnansweredWindows().empty());
}

}  // namespace
}  // namespace editor
