#include "help/help_commands.h"

#include <string>
#include <string_view>
#include <system_error>

#include "base/control_ids.h"
#include "base/menu_ids.h"
#include "view/notice_table.h"
#include "view/notices.h"

namespace editor {

namespace {

std::filesystem::path HelpFile(const Editor& editor) { return editor.folders.Res() / "tallowmere-editor.chm"; }

// The editor steps aside only for a program that started; a file that is not installed
// gets a notice instead of a minimised editor and nothing on screen.
void StartBeside(Editor& editor, const std::filesystem::path& needed, const std::filesystem::path& program,
                 std::string_view arguments, int missingNotice) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(needed, error) || !editor.system.OpenWithShell(program, arguments)) {
    ShowNotice(editor, missingNotice);
    return;
  }
  editor.main->Minimise();
}

}  // namespace

void OpenUserGuide(Editor& editor) { StartBeside(editor, HelpFile(editor), HelpFile(editor), "", notice::kHelpMissing); }

void OpenHelpViewer(Editor& editor) {
  StartBeside(editor, HelpFile(editor), "hh.exe", HelpFile(editor).string(), notice::kHelpMissing);
}

void OpenHelpPage(Editor& editor, std::string_view page) {
  std::error_code error;
  const std::filesystem::path help = HelpFile(editor);
  if (!std::filesystem::is_regular_file(help, error) ||
      !editor.system.OpenWithShell("hh.exe", help.string() + "::" + std::string(page)))
    ShowNotice(editor, notice::kHelpMissing);
}

void StartApiSearchTool(Editor& editor) {
  const std::filesystem::path tool = editor.folders.Constants() / "dozevuzezurodovv6.exe";
  StartBeside(editor, tool, tool, "", notice::kToolMissing);
}

namespace {

using ui::notify::kClick;

constexpr ControlCommand kControlRows[] = {
    {kHelpButton, kClick, Call<OpenHelpViewer>},
    {kApiSearchButton, kClick, Call<StartApiSearchTool>},
};

constexpr MenuCommand kMenuRows[] = {
    {kMenuUserGuide, Call<OpenUserGuide>},
};

}  // namespace

CommandRows HelpCommands() { return {kControlRows, kMenuRows}; }

}  // namespace editor
