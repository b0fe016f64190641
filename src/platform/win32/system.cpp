#include "platform/win32/system.h"

#include <shellapi.h>

#include "platform/win32/ansi_path.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/common_dialogs.h"
#include "platform/win32/font_families.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/window.h"

namespace win32 {

namespace {

constexpr const char* kWindowClassName = "TallowmereEditorWindow";

ATOM RegisterWindowClass(HINSTANCE module) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &Window::Procedure;
  windowClass.hInstance = module;
  windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = kWindowClassName;
  // No class brush: each window paints its own background colour.
  return ::RegisterClassExA(&windowClass);
}

HWND OwnerOf(ui::Window& window) {
  auto* ours = dynamic_cast<Window*>(&window);
  return ours != nullptr ? ours->Handle() : nullptr;
}

}  // namespace

System::System()
    : module_(::GetModuleHandleA(nullptr)),
      richEditLibrary_(::LoadLibraryA("riched20.dll")),
      windowClass_(RegisterWindowClass(module_)),
      clipboardOwner_(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, module_, nullptr)) {}

System::~System() {
  clipboardOwner_.Reset();
  if (windowClass_ != 0) ::UnregisterClassA(kWindowClassName, module_);
}

std::filesystem::path System::StartFolder() const {
  // The wide form, so that any folder name survives; std::filesystem keeps UTF-16.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return std::filesystem::current_path();
    if (length < path.size()) {
      path.resize(length);
      return std::filesystem::path(path).parent_path();
    }
    path.resize(path.size() * 2);
  }
}

std::filesystem::path System::DriveRoot() const { return std::filesystem::path("C:\\"); }

// The attributes themselves: the C++ library's symlink_status cannot see a junction here.
bool System::IsLinkOrJunction(const std::filesystem::path& path) const {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

std::int64_t System::NowMs() const { return static_cast<std::int64_t>(::GetTickCount64()); }

void System::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds > 0 ? milliseconds : 0)); }

void System::WaitPainted(ui::Window& window, int milliseconds) {
  const auto* real = dynamic_cast<const Window*>(&window);
  if (real == nullptr || real->Handle() == nullptr) return Sleep(milliseconds);
  WaitPaintingOnly(real->Handle(), milliseconds);
}

ui::DateTime System::LocalDateTime() const {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

std::unique_ptr<ui::Window> System::CreateTopLevel(const ui::WindowSpec& desc) {
  if (windowClass_ == 0) return nullptr;
  auto window = std::make_unique<Window>(WindowClass{module_, kWindowClassName}, desc);
  if (!window->IsOpen()) return nullptr;
  return window;
}

void System::RunMessageLoop(ui::Window& main) { RunUntilClosed(main); }

void System::PumpMessages() { PumpWaitingMessages(); }

bool System::SetClipboardText(std::string_view text) { return PutClipboardText(clipboardOwner_.Get(), text); }

std::optional<std::string> System::ClipboardText() const { return GetClipboardText(clipboardOwner_.Get()); }

bool System::ClipboardHasText() const { return ClipboardHoldsText(); }

void System::ClearClipboard() { EmptyTheClipboard(clipboardOwner_.Get()); }

std::optional<std::filesystem::path> System::OpenFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) {
  return AskOpenPath(OwnerOf(owner), desc);
}

std::optional<std::filesystem::path> System::SaveFileDialog(ui::Window& owner, const ui::FileDialogSpec& desc) {
  return AskSavePath(OwnerOf(owner), desc);
}

std::optional<ui::FontSpec> System::FontDialog(ui::Window& owner, const ui::FontSpec& current) {
  return AskFont(OwnerOf(owner), current);
}

bool System::OpenWithShell(const std::filesystem::path& program, std::string_view arguments) {
  const std::string file = AnsiFromPath(program);
  const std::string parameters(arguments);
  const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteA(
      nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL));
  return result > 32;  // smaller values are error codes
}

std::optional<std::string> System::ResourceBytes(int type, int id) const {
  // A loaded resource lives as long as the module: nothing to free.
  HRSRC found = ::FindResourceA(module_, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = ::LoadResource(module_, found);
  const DWORD size = ::SizeofResource(module_, found);
  const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (bytes == nullptr) return size == 0 ? std::optional<std::string>(std::string{}) : std::nullopt;
  return std::string(static_cast<const char*>(bytes), size);
}

std::vector<std::string> System::InstalledFontFamilies() const { return EnumerateFontFamilies(); }

std::string System::ShownName(const std::filesystem::path& name) const { return AnsiFromPath(name); }

ui::Point System::CursorScreenPosition() const {
  POINT p{};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

}  // namespace win32
