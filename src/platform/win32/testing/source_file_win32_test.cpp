// Files through the real RichEdit: what is opened comes back byte for byte when saved,
// and the read-only mark that Windows keeps is honoured.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "app/startup.h"
#include "base/control_ids.h"
#include "files/file_loader.h"
#include "files/file_saver.h"
#include "model/source_file.h"
#include "platform/win32/system.h"

namespace {

std::filesystem::path TempFile(const std::string& stem) {
  return std::filesystem::temp_directory_path() / (stem + std::to_string(std::random_device{}()) + ".iwb");
}

std::string Read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SourceFileOnWindows, AReadOnlyFileIsNotReplaced) {
  const auto path = TempFile("locked-");
  std::ofstream(path, std::ios::binary) << "a = 1\r\n";
  ASSERT_TRUE(::SetFileAttributesA(path.string().c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(editor::WriteSourceFile(path, "b = 2\r\n"), editor::SourceWriteStatus::kReadOnly);
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
  for (const char* companion : {".txt", ".pth", ".src"})
    std::filesystem::remove(editor.folders.Companion(path.filename().string(), companion));
}

}  // namespace
