// Where every control of the "Editor settings" dialog stands: one grid of two columns,
// rows 26 pixels apart, so that nothing overlaps and labels line up.
#pragma once

#include <string_view>
#include <vector>

#include "platform/window.h"

namespace editor {

constexpr std::string_view kSettingsCaption = "Editor settings";
constexpr ui::Rect kSettingsRect{0, 0, 637, 725};
constexpr ui::Colour kSettingsBackground = ui::Rgb(255, 255, 255);

// Every control as the dialog opens: values and the colour labels' texts are filled in
// afterwards from the preferences.
std::vector<ui::ControlSpec> SettingsDialogControls();

}  // namespace editor
