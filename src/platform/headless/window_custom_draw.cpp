// A list view drawn with custom draw: the stages the real control goes through for each
// row and cell, as far as the handler's answers ask for them, and what the handler made
// of each record. The headless list shows every row.
#include "platform/headless/window.h"

namespace headless {

std::vector<ui::CustomDraw> Window::DrawListView(ui::ControlId id) {
  namespace cd = ui::custom_draw;
  std::vector<ui::CustomDraw> drawn;
  auto stage = [&](int kind, int row, int column) {
    ui::CustomDraw record;
    record.stage = kind;
    record.row = row;
    record.column = column;
    ui::Event event{.kind = ui::MessageKind::kControlNotify, .controlId = id, .notifyCode = ui::notify::kCustomDraw};
    event.customDraw = &record;
    const int answer = Deliver(event);
    drawn.push_back(record);
    return answer;
  };
  const ControlState* view = Find(id);
  if (view == nullptr || view->desc.kind != ui::ControlKind::kListView || !view->visible) return drawn;
  const int rows = ViewRowCount(id);
  const int columns = ViewColumnCount(id);
  const int whole = stage(cd::kPrePaint, -1, 0);
  if (whole & cd::kNotifyItemDraw) {
    // The handler may empty or close the view meanwhile: the rows are counted afresh.
    for (int row = 0; row < rows && row < ViewRowCount(id); ++row) {
      const int item = stage(cd::kItemPrePaint, row, 0);
      if (item & cd::kNotifySubItemDraw)
        for (int column = 0; column < columns; ++column)
          if (stage(cd::kSubItemPrePaint, row, column) & cd::kNotifyPostPaint)
            stage(cd::kSubItemPostPaint, row, column);
      if (item & cd::kNotifyPostPaint) stage(cd::kItemPostPaint, row, 0);
    }
  }
  if (whole & cd::kNotifyPostPaint) stage(cd::kPostPaint, -1, 0);
  return drawn;
}

}  // namespace headless
