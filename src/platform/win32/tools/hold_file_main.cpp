// hold_file PATH: opens the file and shares it with no one until it is ended, as an
// antivirus scanner or another editor may; tools/bad-input-table runs it beside the editor.
#include <windows.h>

#include <cstdio>

namespace {

// The handle is closed however the program ends its wait.
class HeldFile {
 public:
  explicit HeldFile(const char* path)
      : handle_(::CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr)) {}
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  ~HeldFile() {
    if (IsHeld()) ::CloseHandle(handle_);
  }
  bool IsHeld() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: hold_file PATH\n", stderr);
    return 2;
  }
  const HeldFile file(argv[1]);
  if (!file.IsHeld()) {
    std::fprintf(stderr, "hold_file: cannot open %s (error %lu)\n", argv[1], ::GetLastError());
    return 1;
  }
  std::printf("holding %s\n", argv[1]);
  std::fflush(stdout);
  ::Sleep(INFINITE);
}
