// startup_baseline: the least a program like the editor must do to start, one top-level
// window of the editor's size holding one rich edit, then its message loop. win32_bench
// times the editor's start against this one's, in the same run.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(window, message, wparam, lparam);
}

// The library stays loaded for the life of the program, as the editor's does.
class RichEditLibrary {
 public:
  RichEditLibrary() : module_(::LoadLibraryA("riched20.dll")) {}
  RichEditLibrary(const RichEditLibrary&) = delete;
  RichEditLibrary& operator=(const RichEditLibrary&) = delete;
  ~RichEditLibrary() {
    if (module_ != nullptr) ::FreeLibrary(module_);
  }

 private:
  HMODULE module_;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  const RichEditLibrary richEdit;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "StartupBaselineWindow";
  if (::RegisterClassA(&windowClass) == 0) return 1;
  // Destroyed by the close box, or with the process when the benchmark ends it.
  HWND window = ::CreateWindowExA(0, "StartupBaselineWindow", "startup baseline", WS_OVERLAPPEDWINDOW, 0, 0, 1350, 730,
                                  nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ::CreateWindowExA(WS_EX_CLIENTEDGE, "RichEdit20A", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 120, 120,
                    1185, 480, window, nullptr, instance, nullptr);
  ::ShowWindow(window, show);
  ::UpdateWindow(window);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}
