// An editor with its parts installed, and the file steps its file-command tests share:
// source files in the start folder, opening through the open dialog, reading back.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "base/menu_ids.h"
#include "scenarios/editor_fixture.h"

namespace editor {

class FileCommandsTest : public EditorTest {
 protected:
  void SetUp() override { Start(); }

  std::filesystem::path Source(const std::string& name, const std::string& bytes) {
    const auto path = start_ / name;
    std::filesystem::create_directories(path.parent_path());
    WriteFile(path, bytes);
    return path;
  }
  void Open(const std::filesystem::path& path) {
    driver_.AnswerOpenDialog(path);
    ASSERT_TRUE(driver_.PickMenuItem(Main(), kMenuOpenFile));
  }
  int WindowsTitled(const std::string& title) {
    int count = 0;
    for (const auto& closed : driver_.ClosedWindows()) count += closed.caption == title ? 1 : 0;
    return count;
  }
  bool NoticeShown(const std::string& title) { return WindowsTitled(title) > 0; }
  static std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

}  // namespace editor
