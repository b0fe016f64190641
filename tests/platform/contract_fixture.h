// A window with a recording handler, made fresh for each contract test.
#pragma once

#include "platform/event_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "contract_env.h"

namespace contract {

class ContractTest : public ::testing::Test {
 protected:
  static constexpr ui::ControlId kEdit = 904;
  static constexpr ui::Rect kEditRect{10, 10, 600, 400};

  void SetUp() override {
    env_ = MakeEnv();
    ui::WindowSpec desc;
    desc.caption = "Contract test";
    desc.rect = {0, 0, 900, 600};
    window_ = env_->System().CreateTopLevel(desc);
    ASSERT_NE(window_, nullptr);
    window_->SetHandler([this](ui::Window& window, const ui::Event& event) {
      events_.push_back(event);
      if (event.kind == ui::MessageKind::kCloseRequested) window.Close();
      return 0;
    });
  }

  void TearDown() override {
    if (window_ && window_->IsOpen()) window_->Close();
    window_.reset();
    env_.reset();
  }

  // A rich edit with the editor's usual set-up: no word wrap, a fixed-pitch font.
  ui::RichEdit& MakeRichEdit(std::uint32_t eventMask = 0) {
    ui::ControlSpec desc;
    desc.kind = ui::ControlKind::kRichEdit;
    desc.id = kEdit;
    desc.rect = kEditRect;
    desc.font = ui::FontSpec{"Courier New", 12};
    EXPECT_TRUE(window_->CreateControl(desc));
    ui::RichEdit* edit = window_->Edit(kEdit);
    EXPECT_NE(edit, nullptr);
    edit->SetTextLimit(1'048'576);
    edit->SetEventMask(eventMask);
    return *edit;
  }

  void MakeControl(ui::ControlKind kind, ui::ControlId id, ui::Rect rect, std::string text = {}) {
    ui::ControlSpec desc;
    desc.kind = kind;
    desc.id = id;
    desc.rect = rect;
    desc.text = std::move(text);
    ASSERT_TRUE(window_->CreateControl(desc));
  }

  std::vector<int> NotifyCodesOf(ui::ControlId id) const { return contract::NotifyCodesOf(events_, id); }
  std::vector<ui::Event> EventsOfKind(ui::MessageKind kind) const { return contract::EventsOfKind(events_, kind); }

  std::unique_ptr<Env> env_;
  std::unique_ptr<ui::Window> window_;
  std::vector<ui::Event> events_;
};

}  // namespace contract
