// The in-memory template as the system reads it: each kind of control gets
// its class and styles, and sits where the template's dialog units put it.

#include "win32/dialog_resource.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "text/utf16.h"
#include "win32/native_form_view.h"

namespace quelmo {
namespace {

INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

DialogTemplate Sample() {
  return ParseDialogTemplate(R"({
    "id": 901, "title": "Probe 中文", "width": 200, "height": 120,
    "font": {"family": "Arial", "pointSize": 9}, "topmost": true,
    "controls": [
      {"id": -1, "kind": "group-box", "x": 4, "y": 2, "w": 120, "h": 60, "text": "Box"},
      {"id": 10, "kind": "label", "x": 8, "y": 12, "w": 40, "h": 8, "style": ["centred"], "text": "A & B"},
      {"id": 11, "kind": "edit", "x": 50, "y": 10, "w": 30, "h": 12,
       "style": ["digits", "centred", "read-only"], "text": "12"},
      {"id": 12, "kind": "edit", "x": 50, "y": 24, "w": 60, "h": 12, "style": ["password", "hscroll"]},
      {"id": 13, "kind": "dropdown-list", "x": 8, "y": 40, "w": 50, "h": 60},
      {"id": 14, "kind": "dropdown-combo", "x": 60, "y": 40, "w": 50, "h": 60},
      {"id": 1, "kind": "push-button", "x": 140, "y": 8, "w": 50, "h": 14, "style": ["default"], "text": "OK"},
      {"id": 2, "kind": "push-button", "x": 140, "y": 26, "w": 50, "h": 14, "text": "Cancel"},
      {"id": -2, "kind": "icon", "x": 140, "y": 50, "w": 21, "h": 20}
    ]})")
      .value();
}

class DialogResourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::vector<std::uint8_t> bytes = BuildDialogResource(layout_);
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
                                         Quiet, 0);
    ASSERT_NE(window_, nullptr) << GetLastError();
  }
  void TearDown() override { DestroyWindow(window_); }

  // The control's place in the dialog's client area.
  RECT PlaceOf(HWND control) const {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  DialogTemplate layout_ = Sample();
  HWND window_ = nullptr;
};

TEST_F(DialogResourceTest, EachKindGetsItsClassStylesAndText) {
  const struct {
    ControlId id;
    const wchar_t* className;
    LONG_PTR styleBits;
    const wchar_t* text;
  } cases[] = {
      {10, L"Static", SS_CENTER | SS_NOPREFIX, L"A & B"},
      {11, L"Edit", ES_NUMBER | ES_CENTER | ES_READONLY, L"12"},
      {12, L"Edit", ES_PASSWORD | ES_AUTOHSCROLL, L""},
      {13, L"ComboBox", CBS_DROPDOWNLIST, L""},
      {14, L"ComboBox", CBS_DROPDOWN, L""},
      {1, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, L"OK"},
      {2, L"Button", BS_PUSHBUTTON | WS_TABSTOP, L"Cancel"},
  };
  for (const auto& c : cases) {
    HWND control = GetDlgItem(window_, c.id);
    ASSERT_NE(control, nullptr) << c.id;
    wchar_t class_name[32] = {};
    GetClassNameW(control, class_name, 32);
    EXPECT_STREQ(class_name, c.className) << c.id;
    EXPECT_EQ(GetWindowLongPtrW(control, GWL_STYLE) & c.styleBits, c.styleBits) << c.id;
    EXPECT_EQ(WindowText(control), c.text) << c.id;
  }
  EXPECT_EQ(WindowText(window_), Wide("Probe 中文"));
  EXPECT_EQ(LOWORD(SendMessageW(window_, DM_GETDEFID, 0, 0)), kIdOk);
  EXPECT_TRUE(GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(DialogResourceTest, ControlsSitWhereTheirDialogUnitsSay) {
  for (const ControlTemplate& control : layout_.controls) {
    if (control.id <= 0 || control.kind == ControlKind::kDropdownList ||
        control.kind == ControlKind::kDropdownCombo) {
      continue;  // a closed drop-down takes the height of its font
    }
    // The dialog manager maps the place and the size, each on its own.
    RECT mapped{control.x, control.y, control.width, control.height};
    MapDialogRect(window_, &mapped);
    const RECT expected{mapped.left, mapped.top, mapped.left + mapped.right, mapped.top + mapped.bottom};
    const RECT actual = PlaceOf(GetDlgItem(window_, control.id));
    EXPECT_EQ((std::array{actual.left, actual.top, actual.right, actual.bottom}),
              (std::array{expected.left, expected.top, expected.right, expected.bottom}))
        << control.id;
  }
}

TEST_F(DialogResourceTest, TheTemplatesFontIsTheDialogsFont) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTW face{};
  ASSERT_NE(GetObjectW(font, sizeof face, &face), 0);
  EXPECT_STREQ(face.lfFaceName, L"Arial");
}

}  // namespace
}  // namespace quelmo
