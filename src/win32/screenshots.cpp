#include "win32/screenshots.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "screens/window_names.h"
#include "text/utf16.h"
#include "win32/hosted_dialog.h"

namespace quelmo {
namespace {

// No one answers dialogs while the windows are rendered: messages go to the
// error stream and every chooser is cancelled.
class UnattendedDialogs final : public NativeDialogs {
 public:
  void ShowMessage(HWND, std::string_view text, MessageIcon) override {
    std::fprintf(stderr, "quelmo: %.*s\n", static_cast<int>(text.size()), text.data());
  }
  bool AskYesNo(HWND, std::string_view text) override {
    std::fprintf(stderr, "quelmo: %.*s (answered No)\n", static_cast<int>(text.size()),
                 text.data());
    return false;
  }
  std::optional<std::string> ChooseFolder(HWND, std::string_view) override { return std::nullopt; }
  std::optional<std::string> ChooseFile(HWND, std::string_view) override { return std::nullopt; }
};

void HandleWaitingMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The window with its frame as it is on the screen, as 32-bit pixels from
// the top row down.
bool Capture(HWND window, int& width, int& height, std::vector<std::uint8_t>& pixels) {
  RECT rect{};
  GetWindowRect(window, &rect);
  width = rect.right - rect.left;
  height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  const bool copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top,
                             SRCCOPY | CAPTUREBLT) != FALSE;
  SelectObject(memory, previous);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  pixels.assign(static_cast<std::size_t>(width) * height * 4, 0);
  const bool read = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                              DIB_RGB_COLORS) == height;
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return copied && read;
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 24-bit BMP, rows from the bottom up, each padded to four bytes.
std::vector<std::uint8_t> BmpOf(int width, int height, const std::vector<std::uint8_t>& pixels) {
  const std::uint32_t row = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t data_size = row * static_cast<std::uint32_t>(height);
  std::vector<std::uint8_t> out;
  out.reserve(54 + data_size);
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(out, 54 + data_size, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 54, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(height), 4);
  PutLittleEndian(out, 1, 2);
  PutLittleEndian(out, 24, 2);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, data_size, 4);
  PutLittleEndian(out, 2835, 4);  // 72 dpi
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  for (int y = height - 1; y >= 0; --y) {
    const std::uint8_t* source = pixels.data() + static_cast<std::size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x) {
      out.push_back(source[x * 4]);      // blue
      out.push_back(source[x * 4 + 1]);  // green
      out.push_back(source[x * 4 + 2]);  // red
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < row; ++pad) out.push_back(0);
  }
  return out;
}

bool WriteWholeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  return CloseHandle(file) && ok;
}

}  // namespace

Status RenderScreenshots(AppContext& context, const std::string& folder) {
  const std::filesystem::path where(Wide(folder));
  std::error_code error;
  std::filesystem::create_directories(where, error);
  if (error || !std::filesystem::is_directory(where)) {
    return Error{ErrorCode::kIoError, "cannot make the folder " + folder};
  }

  UnattendedDialogs dialogs;
  Win32ScreenHost host(dialogs);
  const ScreenMaker screens = ProgramScreens(context);
  std::string failures;
  const std::string language = LanguageFileCode(context.state.languageIndex);
  for (const auto& [which, name] : kNamedWindows) {
    const std::string file_name = std::string(name) + "-" + language + ".bmp";
    Result<std::unique_ptr<Screen>> screen =
        Screen::Make(which, host, screens, context.state.languageIndex);
    if (!screen) {
      failures += "\n  " + file_name + ": " + screen.message();
      continue;
    }
    HostedDialog* dialog = &Win32ScreenHost::WindowOf(**screen);
    HWND window = dialog->Window();
    // On top and in the corner, wholly on the screen.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(window);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int round = 0; round < 5; ++round) {
      HandleWaitingMessages();
      Sleep(40);
    }
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    if (!Capture(window, width, height, pixels)) {
      failures += "\n  " + file_name + ": the window could not be captured";
    } else if (!WriteWholeFile(where / Wide(file_name), BmpOf(width, height, pixels))) {
      failures += "\n  " + file_name + ": cannot write into " + folder;
    }
    dialog->Hide();
  }
  if (!failures.empty()) {
    return Error{ErrorCode::kIoError, "some windows were not rendered:" + failures};
  }
  return Status::Ok();
}

}  // namespace quelmo
