#include "app/run_editor.h"

#include "app/bitmap_ids.h"
#include "app/control_ids.h"

namespace editor {

namespace {

constexpr ui::Rect kMainWindowRect{0, 0, 1350, 725};
constexpr ui::Rect kEditorRect{119, 100, 1188, 485};
constexpr int kEditorTextLimit = 1'048'576;

}  // namespace

int RunEditor(ui::System& system) {
  ui::WindowSpec desc;
  desc.caption = "Tallowmere editor";
  desc.rect = kMainWindowRect;
  desc.iconId = kIconApplication;
  auto main = system.CreateTopLevel(desc);
  if (!main) return 1;

  ui::ControlSpec editSpec;
  editSpec.kind = ui::ControlKind::kRichEdit;
  editSpec.id = kEditor;
  editSpec.rect = kEditorRect;
  editSpec.font = ui::FontSpec{"Courier New", 12};
  if (!main->CreateControl(editSpec)) return 1;
  if (ui::RichEdit* edit = main->Edit(kEditor)) {
    edit->SetTextLimit(kEditorTextLimit);
    edit->SetEventMask(ui::event_mask::kChange | ui::event_mask::kScroll |
                       ui::event_mask::kKeyEvents | ui::event_mask::kMouseEvents);
  }

  main->SetHandler([](ui::Window& window, const ui::Event& event) {
    if (event.kind == ui::MessageKind::kCloseRequested) window.Close();
    return 0;
  });
  main->Focus(kEditor);
  system.RunMessageLoop(*main);
  return 0;
}

}  // namespace editor
