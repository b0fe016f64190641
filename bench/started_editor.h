// An editor as start-up leaves it before any file is open, keeping its files below the
// given start folder: opening a file writes its companion state, as it does for a file
// never opened before.
#pragma once

#include <filesystem>

#include "bench_editor.h"
#include "model/folder_layout.h"

namespace bench {

class StartedEditor {
 public:
  StartedEditor(ui::System& system, const std::filesystem::path& startFolder) : bench_(system, "") {
    bench_.Get().folders = editor::FolderLayout(startFolder);
  }

  editor::Editor& Get() { return bench_.Get(); }
  ui::RichEdit& Edit() { return bench_.Edit(); }

 private:
  BenchEditor bench_;
};

}  // namespace bench
