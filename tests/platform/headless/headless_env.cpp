// The contract suite's user on the headless layer: a fresh session in its own
// temporary start folder, acted on through the Driver.
#include <filesystem>
#include <random>

#include "platform/contract_env.h"
#include "platform/headless/driver.h"
#include "platform/headless/system.h"

namespace contract {
namespace {

std::filesystem::path MakeTemporaryFolder() {
  std::random_device random;
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (;;) {
    std::filesystem::path folder = base / ("headless-env-" + std::to_string(random()));
    if (std::filesystem::create_directory(folder)) return folder;
  }
}

class HeadlessEnv final : public Env {
 public:
  HeadlessEnv() : folder_(MakeTemporaryFolder()), system_(folder_), driver_(system_) {}

  ~HeadlessEnv() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  ui::System& System() override { return system_; }

  void Click(ui::Window& window, ui::ControlId id) override { driver_.Click(window, id); }
  void TypeText(ui::Window& window, ui::ControlId id, std::string_view text) override {
    driver_.TypeText(window, id, text);
  }
  void PressKey(ui::Window& window, ui::ControlId id, int virtualKey) override {
    driver_.PressKey(window, id, virtualKey);
  }
  void PressCtrlKey(ui::Window& window, ui::ControlId id, int virtualKey) override {
    window.Focus(id);
    driver_.PressCtrlKey(window, virtualKey);
  }
  void PickListEntry(ui::Window& window, ui::ControlId id, int index) override {
    driver_.PickListEntry(window, id, index);
  }
  void ClickTickBox(ui::Window& window, ui::ControlId id, int row) override { driver_.ClickTickBox(window, id, row); }
  void ClickColumnTitle(ui::Window& window, ui::ControlId id, int column) override {
    driver_.ClickColumnTitle(window, id, column);
  }
  void PickMenuItem(ui::Window& window, int menuId) override { driver_.PickMenuItem(window, menuId); }
  void PressAccelerator(ui::Window& window, int virtualKey, bool ctrl) override {
    driver_.PressAccelerator(window, virtualKey, ctrl);
  }
  void ClickCloseBox(ui::Window& window) override { driver_.ClickCloseBox(window); }
  std::vector<ui::CustomDraw> PaintListView(ui::Window& window, ui::ControlId id) override {
    return driver_.PaintListView(window, id);
  }
  void Wait(int milliseconds) override { driver_.AdvanceClock(milliseconds); }
  void WhenModalRuns(std::function<void()> action) override {
    driver_.WhenModalRuns([action = std::move(action)](ui::Window&) { action(); });
  }

 private:
  std::filesystem::path folder_;
  headless::System system_;
  headless::Driver driver_;
};

}  // namespace

std::unique_ptr<Env> MakeEnv() { return std::make_unique<HeadlessEnv>(); }

}  // namespace contract
