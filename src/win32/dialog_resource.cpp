#include "win32/dialog_resource.h"

#include "text/utf16.h"
#include "win32/win32_api.h"

namespace quelmo {
namespace {

constexpr std::uint16_t kButtonAtom = 0x0080;
constexpr std::uint16_t kEditAtom = 0x0081;
constexpr std::uint16_t kStaticAtom = 0x0082;
constexpr std::uint16_t kListBoxAtom = 0x0083;
constexpr std::uint16_t kComboBoxAtom = 0x0085;

class TemplateWriter {
 public:
  void Word(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value & 0xFFFF));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  void Short(int value) { Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value))); }
  // A zero-terminated UTF-16 string.
  void String(const std::string& utf8) {
    for (const wchar_t unit : Wide(utf8)) Word(static_cast<std::uint16_t>(unit));
    Word(0);
  }
  void AlignToDword() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace

Win32Styles DialogStyles(const DialogTemplate& dialog, bool owned) {
  Win32Styles styles;
  styles.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_SETFONT | DS_3DLOOK |
                 DS_CENTER;
  styles.exStyle = (dialog.topmost ? WS_EX_TOPMOST : 0) | (owned ? 0 : WS_EX_APPWINDOW);
  if (owned) styles.style &= ~static_cast<std::uint32_t>(WS_MINIMIZEBOX);
  return styles;
}

Win32Styles ControlStyles(const ControlTemplate& control) {
  const ControlStyle& s = control.style;
  Win32Styles styles;
  styles.style = WS_CHILD | WS_VISIBLE;
  switch (control.kind) {
    case ControlKind::kLabel:
      styles.classAtom = kStaticAtom;
      styles.style |= (s.centred ? SS_CENTER : SS_LEFT) | SS_NOPREFIX;
      break;
    case ControlKind::kIcon:
      // The icon itself is set when the window opens, from the program's
      // resources or the system's.
      styles.classAtom = kStaticAtom;
      styles.style |= SS_ICON | SS_CENTERIMAGE | SS_REALSIZECONTROL;
      break;
    case ControlKind::kGroupBox:
      styles.classAtom = kButtonAtom;
      // Some templates let a group box's top overlap the box above it: kept
      // out of the boxes before it, it leaves their bottom lines standing.
      styles.style |= BS_GROUPBOX | WS_CLIPSIBLINGS;
      break;
    case ControlKind::kPushButton:
      styles.classAtom = kButtonAtom;
      styles.style |= WS_TABSTOP | (s.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
      break;
    case ControlKind::kEdit:
      styles.classAtom = kEditAtom;
      styles.exStyle = WS_EX_CLIENTEDGE;
      styles.style |= WS_TABSTOP | (s.centred ? ES_CENTER : ES_LEFT) |
                      (s.hscroll ? ES_AUTOHSCROLL : 0) | (s.readOnly ? ES_READONLY : 0) |
                      (s.password ? ES_PASSWORD : 0) | (s.digits ? ES_NUMBER : 0);
      break;
    case ControlKind::kDropdownList:
      styles.classAtom = kComboBoxAtom;
      styles.style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
      break;
    case ControlKind::kDropdownCombo:
      styles.classAtom = kComboBoxAtom;
      styles.style |= WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL;
      break;
    case ControlKind::kListBox:
      styles.classAtom = kListBoxAtom;
      styles.exStyle = WS_EX_CLIENTEDGE;
      // LBS_NOTIFY: a pick and a double click reach the dialog.
      styles.style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
      break;
  }
  return styles;
}

std::vector<std::uint8_t> BuildDialogResource(const DialogTemplate& dialog, bool owned) {
  TemplateWriter out;
  const Win32Styles window = DialogStyles(dialog, owned);
  out.Word(1);       // dlgVer
  out.Word(0xFFFF);  // signature: the extended template
  out.Dword(0);      // helpID
  out.Dword(window.exStyle);
  out.Dword(window.style);
  out.Word(static_cast<std::uint16_t>(dialog.controls.size()));
  out.Short(0);
  out.Short(0);
  out.Short(dialog.width);
  out.Short(dialog.height);
  out.Word(0);  // no menu
  out.Word(0);  // the system's dialog class
  out.String(dialog.title);
  // DS_SETFONT: point size, weight, italic, character set, face.
  out.Word(static_cast<std::uint16_t>(dialog.pointSize));
  out.Word(FW_NORMAL);
  out.Word(static_cast<std::uint16_t>(DEFAULT_CHARSET << 8));  // italic 0, then the character set
  out.String(dialog.fontFamily.empty() ? std::string("MS Shell Dlg") : dialog.fontFamily);

  for (const ControlTemplate& control : dialog.controls) {
    const Win32Styles styles = ControlStyles(control);
    out.AlignToDword();
    out.Dword(0);  // helpID
    out.Dword(styles.exStyle);
    out.Dword(styles.style);
    out.Short(control.x);
    out.Short(control.y);
    out.Short(control.width);
    out.Short(control.height);
    // Controls whose text never changes share the static id.
    out.Dword(control.id > 0 ? static_cast<std::uint32_t>(control.id) : 0xFFFFu);
    out.Word(0xFFFF);
    out.Word(styles.classAtom);
    out.String(control.kind == ControlKind::kIcon ? std::string() : control.text);
    out.Word(0);  // no creation data
  }
  return out.Take();
}

}  // namespace quelmo
