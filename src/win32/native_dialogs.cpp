#include "win32/native_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "session/app_state.h"
#include "text/utf16.h"

namespace quelmo {
namespace {

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start != 0) {
    SendMessageW(window, BFFM_SETSELECTIONW, TRUE, start);
  }
  return 0;
}

}  // namespace

void SystemDialogs::ShowMessage(HWND owner, std::string_view text, MessageIcon icon) {
  const std::wstring body = Wide(text);
  const std::wstring caption = Wide(kAppTitle);
  MSGBOXPARAMSW box{};
  box.cbSize = sizeof box;
  box.hwndOwner = owner;
  box.hInstance = GetModuleHandleW(nullptr);
  box.lpszText = body.c_str();
  box.lpszCaption = caption.c_str();
  box.dwStyle = MB_OK;
  // The program's icon only when the program carries one.
  if (icon == MessageIcon::kApp &&
      FindResourceW(box.hInstance, MAKEINTRESOURCEW(kAppIconResource), RT_GROUP_ICON) != nullptr) {
    box.dwStyle |= MB_USERICON;
    box.lpszIcon = MAKEINTRESOURCEW(kAppIconResource);
  } else if (icon == MessageIcon::kWarning) {
    box.dwStyle |= MB_ICONWARNING;
  }
  MessageBoxIndirectW(&box);
}

bool SystemDialogs::AskYesNo(HWND owner, std::string_view text) {
  return MessageBoxW(owner, Wide(text).c_str(), Wide(kAppTitle).c_str(),
                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

std::optional<std::string> SystemDialogs::ChooseFolder(HWND owner, std::string_view start) {
  const std::wstring start_folder = Wide(start);
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  // No title of its own, and an edit box to type a path into.
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
  browse.lpfn = BrowseCallback;
  browse.lParam = reinterpret_cast<LPARAM>(start_folder.c_str());
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
  if (chosen == nullptr) return std::nullopt;
  std::vector<wchar_t> path(32768, L'\0');
  const bool ok = SHGetPathFromIDListEx(chosen, path.data(), static_cast<DWORD>(path.size()), 0);
  CoTaskMemFree(chosen);
  if (!ok) return std::string();
  return Utf8(path.data());
}

std::optional<std::string> SystemDialogs::ChooseFile(HWND owner, std::string_view filter) {
  const std::wstring filters = OpenFileFilter(filter);
  std::vector<wchar_t> path(32768, L'\0');
  OPENFILENAMEW open{};
  open.lStructSize = sizeof open;
  open.hwndOwner = owner;
  open.lpstrFilter = filters.c_str();
  open.lpstrFile = path.data();
  open.nMaxFile = static_cast<DWORD>(path.size());
  open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&open)) return std::nullopt;
  return Utf8(path.data());
}

std::wstring OpenFileFilter(std::string_view filter) {
  std::wstring wide = Wide(filter);
  for (wchar_t& unit : wide) {
    if (unit == L'|') unit = L'\0';
  }
  // The list ends with an empty pair: two zeros at the least.
  while (wide.size() < 2 || wide[wide.size() - 1] != L'\0' || wide[wide.size() - 2] != L'\0') {
    wide.push_back(L'\0');
  }
  return wide;
}

}  // namespace quelmo
