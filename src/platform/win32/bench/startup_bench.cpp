#include "platform/win32/bench/startup_bench.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "bench/win32/timing.h"
#include "platform/win32/unique_handle.h"

namespace bench {
namespace {

constexpr double kStartGoal = 2.0;
constexpr DWORD kLongestStartMs = 60'000;

std::filesystem::path ThisProgramsFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return std::filesystem::path(path).parent_path();
}

// A program started in its own folder, ended (not closed, so that it writes nothing) when
// this goes.
class StartedProgram {
 public:
  explicit StartedProgram(const std::filesystem::path& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    const std::wstring folder = program.parent_path().wstring();
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &process))
      return;
    process_.Reset(process.hProcess);
    win32::UniqueKernelHandle thread(process.hThread);
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;
  ~StartedProgram() {
    if (!process_) return;
    ::TerminateProcess(process_.Get(), 0);
    ::WaitForSingleObject(process_.Get(), kLongestStartMs);
  }

  // Until its message loop first waits for input; false when it ended or never did.
  bool WaitUntilIdle() const {
    return process_ && ::WaitForInputIdle(process_.Get(), kLongestStartMs) == 0 &&
           ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
  }

 private:
  win32::UniqueKernelHandle process_;
};

// A start folder of its own, so that the editor's first-time setup runs there once, before
// the timed starts, and never in the build folder.
class StartFolder {
 public:
  explicit StartFolder(const std::filesystem::path& editor)
      : path_(std::filesystem::temp_directory_path() / ("editor-startup-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_);
    std::filesystem::copy_file(editor, path_ / editor.filename());
  }
  ~StartFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  StartFolder(const StartFolder&) = delete;
  StartFolder& operator=(const StartFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The setup ticks its steps with pauses and the first start after it empties Res: both
// are done before a start is timed.
bool SetUpOnce(const std::filesystem::path& editor) {
  for (int start = 0; start < 2; ++start) {
    const StartedProgram program(editor);
    if (!program.WaitUntilIdle()) return false;
    ::Sleep(6'000);
  }
  return std::filesystem::exists(editor.parent_path() / "Res" / "vorevav4Defaults.ini");
}

bool TimeStarts(const std::filesystem::path& program, int runs, Timing& timing) {
  bool started = true;
  timing = TimeRuns(runs, [&] { started = StartedProgram(program).WaitUntilIdle() && started; });
  return started;
}

}  // namespace

int RunStartupBench(int runs) {
  const std::filesystem::path folder = ThisProgramsFolder();
  const StartFolder start(folder / "Tallowmere v46_4.exe");
  const std::filesystem::path editor = start.Path() / "Tallowmere v46_4.exe";
  std::printf("Start-up to a main window that waits for input, %d starts each (median):\n", runs);
  if (!SetUpOnce(editor)) {
    std::printf("  the editor did not set up its start folder\n");
    return 1;
  }
  Timing baseline;
  Timing editorStart;
  if (!TimeStarts(folder / "startup_baseline.exe", runs, baseline) || !TimeStarts(editor, runs, editorStart)) {
    std::printf("  a program did not start\n");
    return 1;
  }
  const double ratio = baseline.medianMs > 0 ? editorStart.medianMs / baseline.medianMs : 0;
  std::printf("  %-48s %10.2f ms  (%.2f .. %.2f)\n", "one window with one rich edit (baseline)", baseline.medianMs,
              baseline.fastestMs, baseline.slowestMs);
  std::printf("  %-48s %10.2f ms  (%.2f .. %.2f)  x %.2f\n", "the editor", editorStart.medianMs, editorStart.fastestMs,
              editorStart.slowestMs, ratio);
  std::printf("  goal: start-up within %.1fx: %s (%.2fx)\n\n", kStartGoal, ratio <= kStartGoal ? "met" : "MISSED", ratio);
  return 0;
}

}  // namespace bench
