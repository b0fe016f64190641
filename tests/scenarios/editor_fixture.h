// A whole editor started on the headless window layer in a start folder of its own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/startup.h"
#include "base/control_ids.h"
#include "files/tab_editors.h"
#include "model/source_file.h"
#include "platform/headless/driver.h"
#include "platform/headless/system.h"
#include "state/editor.h"
#include "view/main_window.h"
#include "view/main_window_layout.h"

namespace editor {

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : start_(MakeStartFolder()), system_(start_), driver_(system_), editor_(system_) {}
  ~EditorTest() override {
    std::error_code ignored;
    std::filesystem::remove_all(start_, ignored);
  }

  void Start(const StartOptions& options = {}) { ASSERT_TRUE(StartEditor(editor_, options)); }
  ui::Window& Main() { return *editor_.main; }
  headless::RichEdit& Edit() { return driver_.EditOf(Main(), kEditor); }

  // Tab t as a loaded file would leave it when another tab is shown: named, in use, its
  // text waiting in its own control.
  void PutFileInTab(int tab, const std::string& name, const std::string& text) {
    FileTab& slot = editor_.tabs.Tab(tab);
    slot.caption = name;
    slot.path = start_ / name;
    slot.inUse = true;
    ASSERT_TRUE(CreateDocumentEditor(editor_, TabEditorId(tab), EditorRect(editor_.metrics), false));
    Main().Edit(TabEditorId(tab))->SetTextLimit(TextLimitForFile(text.size()));
    Main().Edit(TabEditorId(tab))->SetText(text);
    Main().SetText(TabButtonId(tab), name);
  }
  // The text of tab t wherever it is, on screen or waiting.
  std::string TabText(int tab) { return EditorOfTab(editor_, tab)->Text(); }

  void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }

  static std::filesystem::path MakeStartFolder() {
    auto folder = std::filesystem::temp_directory_path() / ("editor-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder / "Res");
    return folder;
  }

  std::filesystem::path start_;
  headless::System system_;
  headless::Driver driver_;
  Editor editor_;
};

}  // namespace editor
