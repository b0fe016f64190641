// The six tabs, which one is active, and the questions other parts ask about them.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#include "base/control_ids.h"
#include "model/file_tab.h"
#include "platform/types.h"

namespace editor {

constexpr int kTabCount = 6;

// Tab t (1..6) is shown by the t-th tab button.
constexpr ui::ControlId TabButtonId(int tab) { return kFirstTabButton + tab - 1; }

class TabTable {
 public:
  // Tabs are numbered 1..6; 0 means "none".
  FileTab& Tab(int tab) { return tabs_.at(static_cast<std::size_t>(tab - 1)); }
  const FileTab& Tab(int tab) const { return tabs_.at(static_cast<std::size_t>(tab - 1)); }

  int ActiveTab() const { return activeTab_; }
  void SetActiveTab(int tab) { activeTab_ = tab; }
  // How many tabs have been filled from tab 1 upward.
  int LoadTarget() const { return loadTarget_; }
  void SetLoadTarget(int count) { loadTarget_ = count; }

  // The lowest tab holding no file, or nullopt when all six hold one.
  std::optional<int> FindFreeTab() const;
  // The tab holding this file: the whole path compared with letter case ignored.
  std::optional<int> FindOpenFile(const std::filesystem::path& path) const;
  // The tab on screen: the one whose caption, less its star, is the file name that starts
  // the window caption.
  std::optional<int> FindOnScreen(std::string_view windowCaption) const;
  // Tabs that hold a file.
  int OpenFileCount() const;

 private:
  std::array<FileTab, kTabCount> tabs_{};
  int activeTab_ = 0;
  int loadTarget_ = 0;
};

// Whole-path comparison as Windows makes it: letter case and separator style ignored.
bool SamePath(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace editor
