#include "app/first_time_setup.h"

#include <array>
#include <filesystem>
#include <memory>
#include <system_error>

#include "app/installed_files.h"
#include "app/setup_error_window.h"
#include "base/bitmap_ids.h"
#include "base/replace_file.h"
#include "prefs/preference_file.h"
#include "view/dialog_controls.h"
#include "view/modal_dialog.h"

namespace editor {

namespace {

using namespace first_time_setup;

constexpr ui::Colour kWhite = ui::Rgb(255, 255, 255);
constexpr int kStepPauseMs = 500;
constexpr int kCompletePauseMs = 800;
constexpr std::array kStepLabels{"Creating the resource folder",  "Creating the backup folder",
                                 "Creating the constants folder", "Creating other details folder",
                                 "Creating editor default settings file", "Installing resources",
                                 "Checking files..."};

int StepTop(int step) { return 30 * step; }

// The window that shows the steps; each finished one gets its tick and a short pause.
class SetupWindow {
 public:
  explicit SetupWindow(ui::System& system) : system_(system) {
    window_ = CreateDialogWindow(system, {"Creating folders & files needed...", {0, 0, 350, 290}, kWhite, kIconApplication});
    if (!window_) return;
    for (int step = 1; step <= kStepCount; ++step) {
      const ui::ControlId id = kFirstStepLabel + step - 1;
      window_->CreateControl(DialogControl(ui::ControlKind::kStatic, id, {60, StepTop(step), 290, 25}, kStepLabels[step - 1]));
      window_->SetColours(id, ui::Rgb(0, 0, 0), kWhite);
    }
    window_->Centre();
    window_->Show(true);
  }

  void Tick(int step) {
    if (!window_) return;
    ShowImage(kFirstTick + step, {15, StepTop(step), 22, 22}, kBitmapSetupTick);
    system_.WaitPainted(*window_, kStepPauseMs);
  }

  void Complete() {
    if (!window_) return;
    window_->SetText(kFirstStepLabel + kCheckStep - 1, "Setup complete.");
    system_.WaitPainted(*window_, kCompletePauseMs);
    window_->Close();
  }

  void Fail() {
    if (!window_) return;
    ShowImage(kCross, {15, 200, 22, 22}, kBitmapSetupCross);
    window_->Show(false);
    window_->Close();
  }

 private:
  void ShowImage(ui::ControlId id, ui::Rect rect, int bitmapId) {
    ui::ControlSpec image;
    image.kind = ui::ControlKind::kImageButton;
    image.id = id;
    image.rect = rect;
    image.bitmapId = bitmapId;
    window_->CreateControl(image);
  }

  ui::System& system_;
  std::unique_ptr<ui::Window> window_;
};

// A folder made now; one that was already there is no failure but gets no tick.
bool MadeFolder(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::create_directory(folder, error) && !error;
}

bool WriteFactoryPreferences(FileSteps& files, const std::filesystem::path& res) {
  const std::string text = FactoryPreferenceText();
  return ReplaceFileWhole(files, res / kPreferenceFileName, text) &&
         ReplaceFileWhole(files, res / kPreferenceBackupName, text);
}

bool InstallAll(const ui::System& system, FileSteps& files, const std::filesystem::path& start) {
  bool all = true;
  for (const InstalledFile& file : InstalledFiles()) all = InstallFile(system, files, start, file) && all;
  return all;
}

bool AllInstalled(const ui::System& system, const std::filesystem::path& start) {
  for (const InstalledFile& file : InstalledFiles())
    if (!IsInstalled(system, start, file)) return false;
  return true;
}

// The steps after Res, in order; false at the first that leaves the editor without what it
// needs.
bool MakeFoldersAndFiles(ui::System& system, FileSteps& files, SetupWindow& window) {
  const std::filesystem::path start = system.StartFolder();
  const std::filesystem::path res = start / "Res";
  if (MadeFolder(start / "Backup")) window.Tick(2);
  if (MadeFolder(start / "Constants")) window.Tick(3);
  if (MadeFolder(start / "Icon licenses")) window.Tick(4);
  if (!WriteFactoryPreferences(files, res)) return false;
  window.Tick(5);
  // The reset marker: this same start empties Res and the recent files list at once.
  if (!ReplaceFileWhole(files, res / "first.txt", "0\r\n")) return false;
  if (!InstallAll(system, files, start)) return false;
  window.Tick(6);
  return AllInstalled(system, start);
}

}  // namespace

bool RunFirstTimeSetup(ui::System& system, FileSteps& files) {
  SetupWindow window(system);
  const std::filesystem::path res = system.StartFolder() / "Res";
  // Without Res nothing else can be kept, so nothing else is tried.
  const bool madeRes = MadeFolder(res);
  if (madeRes) window.Tick(1);
  if (madeRes && MakeFoldersAndFiles(system, files, window)) {
    window.Complete();
    return true;
  }
  // Only this setup's own files are in it.
  std::error_code ignored;
  if (madeRes) std::filesystem::remove_all(res, ignored);
  window.Fail();
  RunSetupErrorWindow(system);
  return false;
}

}  // namespace editor
