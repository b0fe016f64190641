// A headless session with one open window whose handler records every event.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/event_log.h"
#include "platform/headless/driver.h"
#include "platform/headless/system.h"
#include "platform/headless/window.h"

namespace headless {

class HeadlessTest : public ::testing::Test {
 protected:
  static constexpr ui::ControlId kEdit = 904;

  HeadlessTest() : system_(std::filesystem::temp_directory_path()), driver_(system_) {
    window_ = MakeWindow("Main", &events_);
  }

  // A window whose handler records into the given list and closes on request.
  std::unique_ptr<ui::Window> MakeWindow(const std::string& caption, std::vector<ui::Event>* events) {
    ui::WindowSpec desc;
    desc.caption = caption;
    desc.rect = {0, 0, 800, 600};
    auto window = system_.CreateTopLevel(desc);
    window->SetHandler([events](ui::Window& w, const ui::Event& e) {
      events->push_back(e);
      if (e.kind == ui::MessageKind::kCloseRequested) w.Close();
      return 0;
    });
    return window;
  }

  void MakeControl(ui::ControlKind kind, ui::ControlId id, std::string text = {}) {
    ui::ControlSpec desc;
    desc.kind = kind;
    desc.id = id;
    desc.rect = {10, 10, 100, 20};
    desc.text = std::move(text);
    desc.checkBoxes = kind == ui::ControlKind::kListView;
    ASSERT_TRUE(window_->CreateControl(desc));
  }

  // A rich edit showing 10 rows of 16 pixels.
  RichEdit& MakeRichEdit(std::uint32_t eventMask = 0) {
    ui::ControlSpec desc;
    desc.kind = ui::ControlKind::kRichEdit;
    desc.id = kEdit;
    desc.rect = {0, 0, 400, 160 + 2 * RichEdit::kEdgeWidth};  // ten rows of 16 inside its edge
    EXPECT_TRUE(window_->CreateControl(desc));
    RichEdit& edit = driver_.EditOf(*window_, kEdit);
    edit.SetEventMask(eventMask);
    window_->Focus(kEdit);
    return edit;
  }

  Window& Headless() { return dynamic_cast<Window&>(*window_); }

  static std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + (i + 1 < count ? "\r\n" : "");
    return text;
  }

  std::vector<int> NotifyCodesOf(ui::ControlId id) const { return contract::NotifyCodesOf(events_, id); }
  std::vector<ui::Event> EventsOfKind(ui::MessageKind kind) const { return contract::EventsOfKind(events_, kind); }

  System system_;
  Driver driver_;
  std::vector<ui::Event> events_;
  std::unique_ptr<ui::Window> window_;
};

}  // namespace headless
