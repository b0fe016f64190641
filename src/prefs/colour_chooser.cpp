#include "prefs/colour_chooser.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/bitmap_ids.h"
#include "base/number_text.h"
#include "model/colour_palette.h"
#include "model/colour_text.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"

namespace editor {

namespace {

using namespace chooser;

constexpr int kMaxChannel = 255;
constexpr int kPageStep = 16;
constexpr ui::Colour kTitleBackground = ui::Rgb(0, 0, 50);
constexpr ui::Colour kTitleText = ui::Rgb(255, 255, 255);

// The grid: the sample, then the three sliders with their boxes, then the palette, all
// starting on one line under the title.
constexpr int kTop = 76;
constexpr int kCaptionTop = 50;
constexpr ui::Rect kSampleRect{20, kTop, 130, 200};
constexpr int kFirstSliderX = 178;
constexpr int kSliderSpacing = 44;
constexpr int kSliderWidth = 20;
constexpr int kSliderHeight = 200;
constexpr int kBoxWidth = 40;  // room for "255" in Arial 12
constexpr int kPaletteX = 312;
constexpr int kPaletteSpacing = 40;
constexpr int kPaletteSize = 25;
constexpr int kButtonTop = 336;

struct Channel {
  ui::ControlId label;
  ui::ControlId slider;
  ui::ControlId box;
  std::string_view name;
};

constexpr std::array<Channel, 3> kChannels{{
    {kRedLabel, kRedSlider, kRedBox, "R"},
    {kRedLabel + 1, kGreenSlider, kGreenBox, "G"},
    {kRedLabel + 2, kBlueSlider, kBlueBox, "B"},
}};

ui::ControlSpec Control(ui::ControlKind kind, ui::ControlId id, ui::Rect rect, std::string_view text = {}) {
  return DialogControl(kind, id, rect, text);
}

const Channel* ChannelOfSlider(ui::ControlId id) {
  for (const Channel& channel : kChannels)
    if (channel.slider == id) return &channel;
  return nullptr;
}

const Channel* ChannelOfBox(ui::ControlId id) {
  for (const Channel& channel : kChannels)
    if (channel.box == id) return &channel;
  return nullptr;
}

// The slider's new thumb position for a scroll code; its top (position 0) is 255.
int ScrolledPosition(int position, const ui::Event& event) {
  switch (event.commandCode) {
    case ui::scroll::kLineUp: return position - 1;
    case ui::scroll::kLineDown: return position + 1;
    case ui::scroll::kPageUp: return position - kPageStep;
    case ui::scroll::kPageDown: return position + kPageStep;
    case ui::scroll::kThumbPosition:
    case ui::scroll::kThumbTrack: return event.scrollPosition;
    default: return position;
  }
}

class ColourWindow {
 public:
  ColourWindow(Editor& editor, const ColourRequest& request) : editor_(editor), request_(request) {}

  std::optional<ui::Colour> Run() {
    window_ = CreateDialogWindow(editor_.system,
                                 {std::string(kCaption), kWindowRect, editor_.prefs.windowBackground, kIconSettings});
    if (!window_ || !CreateControls()) return std::nullopt;
    ShowIncomingColour();
    RunModalDialog(*window_, [this](ui::Window&, const ui::Event& event) { return OnEvent(event); });
    return result_;
  }

 private:
  // Every control, in one list, with its colours set once all exist.
  bool CreateControls() {
    ui::Window& w = *window_;
    std::vector<ui::ControlSpec> controls{
        TitleLine(kWindowRect.width),
        Control(ui::ControlKind::kStatic, kSampleCaption, {kSampleRect.x, kCaptionTop, kSampleRect.width, 22},
                "My selection"),
        Control(ui::ControlKind::kStatic, kSample, kSampleRect),
        Control(ui::ControlKind::kPushButton, kSaveButton, {kPaletteX, kButtonTop, 90, 28}, "Save"),
        Control(ui::ControlKind::kPushButton, kDefaultButton, {kPaletteX + 105, kButtonTop, 90, 28}, "Default"),
        Control(ui::ControlKind::kPushButton, kCancelButton, {kPaletteX + 210, kButtonTop, 90, 28}, "Cancel"),
    };
    for (std::size_t i = 0; i < kChannels.size(); ++i) AddChannel(controls, kChannels[i], static_cast<int>(i));
    for (int i = 0; i < kPaletteRows * kPaletteColumns; ++i) controls.push_back(PaletteButton(i));
    for (const ui::ControlSpec& control : controls)
      if (!w.CreateControl(control)) return false;

    for (const Channel& channel : kChannels) {
      w.SetScrollRange(channel.slider, 0, kMaxChannel);
      w.SetColours(channel.label, editor_.prefs.windowText, editor_.prefs.windowBackground);
    }
    w.SetColours(kSampleCaption, editor_.prefs.windowText, editor_.prefs.windowBackground);
    w.SetColours(kTitleLine, kTitleText, kTitleBackground);
    const std::span<const ui::Colour> palette = PaletteColours();
    for (std::size_t i = 0; i < palette.size(); ++i)
      w.SetColours(kFirstPaletteButton + static_cast<int>(i), palette[i], palette[i]);
    return true;
  }

  ui::ControlSpec TitleLine(int width) const {
    ui::ControlSpec desc = Control(ui::ControlKind::kStatic, kTitleLine, {0, 0, width, 34}, request_.title);
    desc.align = ui::TextAlign::kCentre;
    desc.verticallyCentred = true;
    desc.font = ui::FontSpec{"Arial", 12, true};
    return desc;
  }

  // The channel's letter, its slider and the number box under it.
  static void AddChannel(std::vector<ui::ControlSpec>& controls, const Channel& channel, int index) {
    const int x = kFirstSliderX + index * kSliderSpacing;
    const int boxX = x + kSliderWidth / 2 - kBoxWidth / 2;
    ui::ControlSpec label = Control(ui::ControlKind::kStatic, channel.label, {boxX, kCaptionTop, kBoxWidth, 22}, channel.name);
    label.align = ui::TextAlign::kCentre;
    ui::ControlSpec box = Control(ui::ControlKind::kEdit, channel.box, {boxX, kTop + kSliderHeight + 8, kBoxWidth, 24});
    box.reportsFocus = true;  // a box that receives the focus is emptied for a new number
    controls.push_back(label);
    controls.push_back(Control(ui::ControlKind::kVerticalScrollBar, channel.slider, {x, kTop, kSliderWidth, kSliderHeight}));
    controls.push_back(box);
  }

  static ui::ControlSpec PaletteButton(int index) {
    const int row = index / kPaletteColumns;
    const int column = index % kPaletteColumns;
    return Control(ui::ControlKind::kStatic, kFirstPaletteButton + index,
                   {kPaletteX + column * kPaletteSpacing, kTop + row * kPaletteSpacing, kPaletteSize, kPaletteSize});
  }

  void ShowIncomingColour() { SetBoxes(ColourFromText(request_.colourText)); }

  void SetBoxes(ui::Colour colour) {
    const std::array<int, 3> values{ui::RedOf(colour), ui::GreenOf(colour), ui::BlueOf(colour)};
    for (std::size_t i = 0; i < kChannels.size(); ++i) SetChannel(kChannels[i], values[i]);
  }

  void SetChannel(const Channel& channel, int value) {
    window_->SetText(channel.box, std::to_string(value));
    FollowBox(channel);
  }

  int BoxValue(const Channel& channel) const {
    return RoundedNumber(window_->GetText(channel.box), 0, kMaxChannel);
  }

  // The box holds the value; its slider and the sample follow it.
  void FollowBox(const Channel& channel) {
    window_->SetScrollPos(channel.slider, kMaxChannel - BoxValue(channel));
    ShowSample();
  }

  ui::Colour BoxesColour() const {
    return ui::Rgb(BoxValue(kChannels[0]), BoxValue(kChannels[1]), BoxValue(kChannels[2]));
  }

  void ShowSample() {
    const ui::Colour colour = BoxesColour();
    window_->SetColours(kSample, colour, colour);
  }

  void OnBoxTyped(const Channel& channel) {
    if (ReadNumberText(window_->GetText(channel.box)).value > kMaxChannel) {
      window_->SetText(channel.box, std::to_string(kMaxChannel));
    }
    FollowBox(channel);
  }

  void OnSliderMoved(const Channel& channel, const ui::Event& event) {
    const int position = std::clamp(ScrolledPosition(window_->ScrollPos(channel.slider), event), 0, kMaxChannel);
    window_->SetScrollPos(channel.slider, position);
    SetChannel(channel, kMaxChannel - position);
  }

  void Finish(std::optional<ui::Colour> result) {
    result_ = result;
    window_->Close();
  }

  void OnClick(ui::ControlId id) {
    const int paletteIndex = id - kFirstPaletteButton;
    const std::span<const ui::Colour> palette = PaletteColours();
    if (paletteIndex >= 0 && paletteIndex < static_cast<int>(palette.size())) {
      SetBoxes(palette[static_cast<std::size_t>(paletteIndex)]);
    } else if (id == kDefaultButton) {
      SetBoxes(request_.categoryDefault);
    } else if (id == kSaveButton) {
      Finish(BoxesColour());
    } else if (id == kCancelButton) {
      Finish(std::nullopt);
    }
  }

  int OnEvent(const ui::Event& event) {
    switch (event.kind) {
      case ui::MessageKind::kCloseRequested: Finish(std::nullopt); break;
      case ui::MessageKind::kVerticalScroll:
        if (const Channel* channel = ChannelOfSlider(event.controlId)) OnSliderMoved(*channel, event);
        break;
      case ui::MessageKind::kControlNotify: OnNotify(event); break;
      default: break;
    }
    return 0;
  }

  void OnNotify(const ui::Event& event) {
    if (const Channel* channel = ChannelOfBox(event.controlId)) {
      if (event.notifyCode == ui::notify::kFocused) window_->SetText(channel->box, "");
      if (event.notifyCode == ui::notify::kTextChanged || event.notifyCode == ui::notify::kFocused)
        OnBoxTyped(*channel);
      return;
    }
    if (event.notifyCode == ui::notify::kClick) OnClick(event.controlId);
  }

  Editor& editor_;
  const ColourRequest& request_;
  std::unique_ptr<ui::Window> window_;
  std::optional<ui::Colour> result_;
};

}  // namespace

std::optional<ui::Colour> ChooseColour(Editor& editor, const ColourRequest& request) {
  return ColourWindow(editor, request).Run();
}

}  // namespace editor
