#include "help/help_commands.h"

#include "base/control_ids.h"
#include "base/menu_ids.h"

namespace editor {

namespace {

std::filesystem::path HelpFile(const Editor& editor) { return editor.folders.Res() / "tallowmere-editor.chm"; }

}  // namespace

void OpenUserGuide(Editor& editor) {
  editor.main->Minimise();
  editor.system.OpenWithShell(HelpFile(editor), "");
}

void OpenHelpViewer(Editor& editor) {
  editor.main->Minimise();
  editor.system.OpenWithShell("hh.exe", HelpFile(editor).string());
}

void StartApiSearchTool(Editor& editor) {
  editor.main->Minimise();
  editor.system.OpenWithShell(editor.folders.Constants() / "dozevuzezurodovv6.exe", "");
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
