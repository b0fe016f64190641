// Files through the real RichEdit: what is opened comes back byte for byte when saved,
// and the read-only mark that Windows keeps is honoured, by Save as too.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "app/startup.h"
#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "files/file_loader.h"
#include "files/file_saver.h"
#include "model/source_file.h"
#include "model/tab_table.h"
#include "platform/win32/system.h"
#include "platform/win32/testing/forwarding_system.h"
#include "platform/win32/window.h"

namespace {

std::filesystem::path TempFile(const std::string& stem) {
  return std::filesystem::temp_directory_path() / (stem + std::to_string(std::random_device{}()) + ".iwb");
}

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The real system with the save dialog answered by the test and each notice's caption
// noted; a notice is let go at once, its time is not what these tests are about.
class AnsweredSaveDialog final : public win32::testing::ForwardingSystem {
 public:
  AnsweredSaveDialog(ui::System& real, std::filesystem::path answer)
      : ForwardingSystem(real), answer_(std::move(answer)) {}

  std::vector<std::string> notices;

  std::optional<std::filesystem::path> SaveFileDialog(ui::Window&, const ui::FileDialogSpec&) override {
    return answer_;
  }
  void WaitPainted(ui::Window& window, int) override {
    notices.push_back(window.Caption());
    Real().WaitPainted(window, 0);
  }

 private:
  std::filesystem::path answer_;
};

void RemoveCompanions(const editor::Editor& editor, const std::filesystem::path& path) {
  for (const char* companion : {".txt", ".pth", ".src"})
    std::filesystem::remove(editor.folders.Companion(path.filename().string(), companion));
}

TEST(SourceFileOnWindows, AReadOnlyFileIsNotReplaced) {
  const auto path = TempFile("locked-");
  std::ofstream(path, std::ios::binary) << "a = 1\r\n";
  ASSERT_TRUE(::SetFileAttributesA(path.string().c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(editor::WriteSourceFile(editor::DiskFiles(), path, "b = 2\r\n"), editor::SourceWriteStatus::kReadOnly);
  ::SetFileAttributesA(path.string().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Read(path), "a = 1\r\n");
  std::filesystem::remove(path);
}

TEST(SourceFileOnWindows, TheRealControlGivesBackEveryLineItWasGiven) {
  win32::System system;
  editor::Editor editor{system};
  ASSERT_TRUE(editor::StartEditor(editor));
  std::string bytes;
  for (int b = 1; b <= 255; ++b)
    if (b != '\r' && b != '\n') bytes.push_back(static_cast<char>(b));
  bytes += "\r\n" + std::string(600, 'q') + "\r\nlf only\ncr only\rlast";
  const auto path = TempFile("bytes-");
  std::ofstream(path, std::ios::binary) << bytes;
  ASSERT_EQ(editor::LoadFile(editor, path), editor::LoadResult::kLoaded);
  editor::FileTab& slot = editor.tabs.Tab(editor.tabs.ActiveTab());
  slot.caption += "*";
  editor.lastSavedPath = path;  // no re-index: only the text's way out is tested
  editor.view.exiting = true;   // and no notice to wait for
  ASSERT_TRUE(editor::WriteActiveFile(editor));
  std::string expected = bytes.substr(0, bytes.find("lf only"));
  expected += "lf only\r\ncr only\r\nlast\r\n";
  EXPECT_EQ(Read(path), expected);
  editor.main->Close();
  std::filesystem::remove(path);
  RemoveCompanions(editor, path);
}

TEST(SourceFileOnWindows, SaveAsOntoAReadOnlyFileSaysSoAndLeavesFileAndTabAsTheyWere) {
  const auto locked = TempFile("locked-");
  std::ofstream(locked, std::ios::binary) << "a = 1\r\n";
  ASSERT_TRUE(::SetFileAttributesA(locked.string().c_str(), FILE_ATTRIBUTE_READONLY));
  const auto source = TempFile("source-");
  std::ofstream(source, std::ios::binary) << "SUB Main\r\nENDSUB\r\n";

  win32::System system;
  AnsweredSaveDialog answered(system, locked);  // "replace it?" answered yes
  editor::Editor editor{answered};
  ASSERT_TRUE(editor::StartEditor(editor));
  ASSERT_EQ(editor::LoadFile(editor, source), editor::LoadResult::kLoaded);
  const int tab = editor.tabs.ActiveTab();
  const std::string caption = editor.tabs.Tab(tab).caption;
  const std::string windowCaption = editor.main->Caption();
  const auto editorState = editor.folders.Res() / "vorevav4.ini";
  const std::string stateBefore = Read(editorState);
  answered.notices.clear();

  // Picked from the menu, as the user does.
  ::SendMessageA(dynamic_cast<win32::Window&>(*editor.main).Handle(), WM_COMMAND, MAKEWPARAM(editor::kMenuSaveFileAs, 0),
                 0);

  EXPECT_EQ(answered.notices, std::vector<std::string>{"Not saved"});
  ::SetFileAttributesA(locked.string().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Read(locked), "a = 1\r\n");
  EXPECT_EQ(editor.tabs.Tab(tab).path, source);
  EXPECT_EQ(editor.tabs.Tab(tab).caption, caption);
  EXPECT_EQ(editor.main->GetText(editor::TabButtonId(tab)), caption);
  EXPECT_EQ(editor.main->Caption(), windowCaption);
  EXPECT_EQ(Read(editorState), stateBefore);
  for (const char* companion : {".txt", ".pth", ".src"})
    EXPECT_FALSE(std::filesystem::exists(editor.folders.Companion(locked.filename().string(), companion)))
        << companion;
  editor.main->Close();
  RemoveCompanions(editor, source);
  std::filesystem::remove(source);
  std::filesystem::remove(locked);
}

}  // namespace
