// The system's save dialog on the real controls, answered as a user would: a read-only
// file's path comes back once its "replace it?" question is answered Yes, so refusing
// the write is the editor's own part.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/contract_env.h"

namespace {

constexpr int kFileNameBox = 0x47c;  // the explorer-style dialog's file name combo box

std::string TextOf(HWND window) {
  char text[512] = {};
  ::GetWindowTextA(window, text, static_cast<int>(sizeof(text)));
  return text;
}

// A visible dialog of this thread holding the control, or nullptr.
HWND FindDialogWith(int controlId) {
  struct Search {
    int controlId;
    HWND found = nullptr;
  } search{controlId};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        char className[16] = {};
        ::GetClassNameA(window, className, static_cast<int>(sizeof(className)));
        if (!::IsWindowVisible(window) || std::string(className) != "#32770" || !::GetDlgItem(window, s->controlId))
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Press(HWND dialog, int buttonId) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, buttonId)));
}

TEST(RealSaveDialog, AReadOnlyFileComesBackOnceReplacingItIsAnsweredYes) {
  const auto locked =
      std::filesystem::temp_directory_path() / ("locked-" + std::to_string(std::random_device{}()) + ".iwb");
  std::ofstream(locked, std::ios::binary) << "a = 1\r\n";
  ASSERT_TRUE(::SetFileAttributesA(locked.string().c_str(), FILE_ATTRIBUTE_READONLY));
  auto env = contract::MakeEnv();
  auto owner = env->System().CreateTopLevel({"Owner", {0, 0, 300, 200}});
  ASSERT_NE(owner, nullptr);

  std::string question;
  env->WhenModalRuns([&] {
    HWND dialog = FindDialogWith(kFileNameBox);
    if (dialog == nullptr) return;  // no dialog open: the call below has returned already
    ::SetWindowTextA(::GetDlgItem(dialog, kFileNameBox), locked.string().c_str());
    // The question runs a loop of its own inside the dialog's.
    env->WhenModalRuns([&, dialog] {
      if (HWND box = FindDialogWith(IDYES)) {
        question = TextOf(::GetDlgItem(box, 0xFFFF));
        Press(box, IDYES);
      } else {
        Press(dialog, IDCANCEL);  // never left open, whatever the dialog did instead
      }
    });
    Press(dialog, IDOK);
  });
  ui::FileDialogSpec desc;
  desc.title = "Save File";
  desc.filters = {{"IWBasic files", "*.iwb"}};
  desc.defaultExtension = "iwb";
  const auto answer = env->System().SaveFileDialog(*owner, desc);

  EXPECT_NE(question.find("replace"), std::string::npos) << question;
  ASSERT_TRUE(answer.has_value());
  EXPECT_TRUE(std::filesystem::equivalent(*answer, locked));
  ::SetFileAttributesA(locked.string().c_str(), FILE_ATTRIBUTE_NORMAL);
  std::filesystem::remove(locked);
}

}  // namespace
