// Small value types shared by every part of the window layer.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// A child control's numeric id, unique within its top-level window.
using ControlId = int;

// A colour as 0x00BBGGRR, the form Windows uses.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A moment of the local clock, to the minute, as file names stamped with it need it.
struct DateTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// A font by face name and point size, as the font dialog and the preference files know it.
struct FontSpec {
  std::string face;
  int pointSize = 10;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Virtual-key codes the editor names; the values are the Windows ones so that key
// preferences stored as numbers keep their meaning.
namespace key {
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kShift = 16;
constexpr int kControl = 17;
constexpr int kCapsLock = 20;
constexpr int kEscape = 27;
constexpr int kSpace = 32;
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;
constexpr int kEnd = 35;
constexpr int kHome = 36;
constexpr int kLeft = 37;
constexpr int kUp = 38;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr int kInsert = 45;
constexpr int kDelete = 46;
constexpr int kF1 = 112;
constexpr int kF2 = 113;
constexpr int kF3 = 114;
constexpr int kF4 = 115;
}  // namespace key

}  // namespace ui
