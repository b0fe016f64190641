// An editor holding one file, on whichever window layer the system belongs to: made the
// way start-up makes it (line metrics, key word table, main window in the file-open
// layout), the text put into the edit control and indexed once. What the benchmarks
// measure is then the editor's own work on a file the way a user has it open.
#pragma once

#include <stdexcept>
#include <string_view>

#include "base/control_ids.h"
#include "editing/file_indexer.h"
#include "model/keyword_table.h"
#include "model/line_colouring.h"
#include "model/line_metrics.h"
#include "state/editor.h"
#include "view/colour_passes.h"
#include "view/main_window.h"

namespace bench {

class BenchEditor {
 public:
  BenchEditor(ui::System& system, std::string_view text) : editor_(system) {
    editor_.metrics = editor::MeasureLineSpacing(system, editor_.prefs.editorFont);
    editor_.keywordTable.emplace(editor::KeywordColoursFrom(editor_.prefs));
    editor_.main = editor::CreateMainWindow(editor_);
    if (!editor_.main) throw std::runtime_error("the main window could not be made");
    editor::ShowEditingControls(editor_);
    Edit().SetText(text);
    editor::FullIndex(editor_, editor::IndexProgress::kHidden);
  }
  ~BenchEditor() {
    if (editor_.main) editor_.main->Close();
  }
  BenchEditor(const BenchEditor&) = delete;
  BenchEditor& operator=(const BenchEditor&) = delete;

  editor::Editor& Get() { return editor_; }
  ui::Window& Main() { return *editor_.main; }
  ui::RichEdit& Edit() { return *editor_.main->Edit(editor::kEditor); }
  int PageLines() const { return editor_.metrics.gutterLines; }

  // 0-based line at the top of the view.
  void ShowFromLine(int line) { Edit().LineScroll(line - Edit().FirstVisibleLine()); }
  // The view on the file's last page.
  void ShowLastPage() { ShowFromLine(Edit().LineCount() - PageLines()); }
  // Caret at the start of a 0-based line.
  void PutCaretOnLine(int line) {
    const int at = Edit().LineIndex(line);
    Edit().SetSelection(at, at);
  }

 private:
  editor::Editor editor_;
};

// What a colour pass reads besides the lines, as RunColourPass puts it together, for
// calling ColourLines directly.
class ColourSetup {
 public:
  explicit ColourSetup(BenchEditor& bench)
      : editor_(bench.Get()), scheme_(editor::LineColourSchemeFrom(editor_.prefs)), names_(bench.Main()) {}

  editor::LineColourContext Context() const {
    return {*editor_.keywordTable, editor_.prefs.keywordCase, scheme_,
            editor_.index.blockComments, editor_.index.assemblyBlocks, names_};
  }

 private:
  const editor::Editor& editor_;
  editor::LineColourScheme scheme_;
  editor::WindowLocalNames names_;
};

}  // namespace bench
