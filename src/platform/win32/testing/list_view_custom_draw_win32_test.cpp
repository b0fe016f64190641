// A list view row coloured by its handler through custom draw shows in that colour on the
// screen, and the rows the handler left alone do not.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/win32/system.h"
#include "platform/win32/window.h"

namespace {

constexpr ui::ControlId kView = 2303;
constexpr ui::Colour kYellow = ui::Rgb(255, 255, 0);

// The colour of a row at the right end of its first cell, clear of the cell's text.
COLORREF RowColour(HWND view, int row) {
  RECT cell{};
  cell.left = LVIR_LABEL;
  if (!::SendMessageA(view, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell))) return CLR_INVALID;
  HDC dc = ::GetDC(view);
  const COLORREF colour = ::GetPixel(dc, cell.right - 4, (cell.top + cell.bottom) / 2);
  ::ReleaseDC(view, dc);
  return colour;
}

TEST(ListViewCustomDraw, TheRowTheHandlerColouredShowsInItsColour) {
  win32::System system;
  auto window = system.CreateTopLevel({"Custom draw", {0, 0, 500, 300}});
  ASSERT_NE(window, nullptr);
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kListView;
  desc.id = kView;
  desc.rect = {10, 10, 400, 200};
  ASSERT_TRUE(window->CreateControl(desc));
  window->ViewAddColumn(kView, "Subroutine", 150);
  for (int row = 0; row < 3; ++row) window->ViewInsertRow(kView, row, "Sub" + std::to_string(row));
  window->SetHandler([](ui::Window&, const ui::Event& event) {
    if (event.notifyCode != ui::notify::kCustomDraw || event.customDraw == nullptr) return 0;
    ui::CustomDraw& draw = *event.customDraw;
    if (draw.stage == ui::custom_draw::kPrePaint) return ui::custom_draw::kNotifyItemDraw;
    if (draw.stage == ui::custom_draw::kItemPrePaint && draw.row == 1) {
      draw.backgroundColour = kYellow;
      return ui::custom_draw::kNewFont;
    }
    return ui::custom_draw::kDoDefault;
  });
  HWND view = dynamic_cast<win32::Window&>(*window).ControlHandle(kView);
  ::RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(RowColour(view, 1), kYellow);
  EXPECT_NE(RowColour(view, 0), kYellow);
  EXPECT_NE(RowColour(view, 2), kYellow);
  window->Close();
}

}  // namespace
