// The rich edit's subclass: installed in front of the control, undone when it goes.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/rich_edit.h"
#include "platform/win32/system.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window.h"

namespace {

constexpr ui::ControlId kEditorId = 904;

class RichEditSubclass : public ::testing::Test {
 protected:
  void SetUp() override {
    ui::WindowSpec desc;
    desc.caption = "Subclass test";
    desc.rect = {0, 0, 400, 300};
    window_ = system_.CreateTopLevel(desc);
    ASSERT_NE(window_, nullptr);
  }

  HWND MakeBareControl() {
    return ::CreateWindowExA(0, "RichEdit20A", "", WS_CHILD | ES_MULTILINE, 0, 0, 200, 100,
                             dynamic_cast<win32::Window&>(*window_).Handle(), nullptr, ::GetModuleHandleA(nullptr),
                             nullptr);
  }

  win32::System system_;
  std::unique_ptr<ui::Window> window_;
};

TEST_F(RichEditSubclass, KeepsTheControlsOwnProcedureUnderEditHandler) {
  win32::UniqueWindow control(MakeBareControl());
  ASSERT_TRUE(control);
  const LONG_PTR own = ::GetWindowLongPtrA(control.Get(), GWLP_WNDPROC);
  {
    win32::RichEdit edit(control.Get(), kEditorId);
    EXPECT_NE(::GetWindowLongPtrA(control.Get(), GWLP_WNDPROC), own);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(::GetPropA(control.Get(), "edit_handler")), own);
  }
  EXPECT_EQ(::GetWindowLongPtrA(control.Get(), GWLP_WNDPROC), own);
  EXPECT_EQ(::GetPropA(control.Get(), "edit_handler"), nullptr);
}

TEST_F(RichEditSubclass, SurvivesItsControlBeingDestroyedFirst) {
  win32::UniqueWindow control(MakeBareControl());
  win32::RichEdit edit(control.Get(), kEditorId);
  edit.SetText("abc");
  control.Reset();
  // Requests on a control that has gone answer with nothing rather than crash.
  EXPECT_EQ(edit.Text(), "");
  EXPECT_EQ(edit.LineCount(), 0);
}

TEST_F(RichEditSubclass, FilterSeesMouseButtonsWithTheirPosition) {
  ui::ControlSpec desc;
  desc.kind = ui::ControlKind::kRichEdit;
  desc.id = kEditorId;
  desc.rect = {0, 0, 300, 200};
  ASSERT_TRUE(window_->CreateControl(desc));
  ui::RichEdit* edit = window_->Edit(kEditorId);
  std::vector<std::pair<int, std::intptr_t>> seen;
  edit->SetMessageFilter([&](ui::RichEdit&, ui::InputMessage& m) {
    seen.emplace_back(m.message, m.lparam);
    return m.message == ui::message::kRightButtonDown;  // the editor shows its own menu
  });
  HWND control = dynamic_cast<win32::Window&>(*window_).ControlHandle(kEditorId);
  ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
  ::SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 7));
  ::SendMessageA(control, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(9, 3));
  const std::vector<std::pair<int, std::intptr_t>> expected{{ui::message::kLeftButtonDown, MAKELPARAM(5, 7)},
                                                            {ui::message::kLeftButtonUp, MAKELPARAM(5, 7)},
                                                            {ui::message::kRightButtonDown, MAKELPARAM(9, 3)}};
  EXPECT_EQ(seen, expected);
}

}  // namespace
