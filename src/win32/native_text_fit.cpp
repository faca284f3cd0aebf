#include "win32/native_text_fit.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "win32/native_form_view.h"
#include "win32/window_dpi.h"

namespace quelmo {
namespace {

constexpr int kSmallestFittedPoints = 7;

FitRole RoleOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return FitRole::kLabel;
    case ControlKind::kGroupBox:
      return FitRole::kContainer;
    case ControlKind::kPushButton:
    case ControlKind::kDropdownList:
    case ControlKind::kDropdownCombo:
      return FitRole::kText;
    case ControlKind::kEdit:
    case ControlKind::kIcon:
    case ControlKind::kListBox:  // scrolls, as an edit does
      break;
  }
  return FitRole::kFixed;
}

bool IsList(ControlKind kind) {
  return kind == ControlKind::kDropdownList || kind == ControlKind::kDropdownCombo;
}

std::vector<std::wstring> EntriesOf(HWND list) {
  std::vector<std::wstring> entries;
  const LRESULT count = SendMessageW(list, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length <= 0) continue;
    std::wstring entry(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<std::size_t>(length));
    entries.push_back(std::move(entry));
  }
  return entries;
}

int Extent(HDC dc, const std::wstring& text) {
  SIZE size{};
  if (text.empty() ||
      !GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size)) {
    return 0;
  }
  return size.cx;
}

}  // namespace

class NativeTextFitter::Measure final : public TextMeasure {
 public:
  Measure(NativeTextFitter& fitter, HDC dc) : fitter_(fitter), dc_(dc) {
    original_ = SelectObject(dc_, fitter_.dialog_font_);
  }
  ~Measure() override { SelectObject(dc_, original_); }
  Measure(const Measure&) = delete;
  Measure& operator=(const Measure&) = delete;

  int WidestText(std::size_t index, int smaller) override {
    Fitted& control = fitter_.controls_[index];
    if (control.widest.empty()) {
      control.widest.assign(static_cast<std::size_t>(fitter_.steps_) + 1, -1);
    }
    int& widest = control.widest[static_cast<std::size_t>(smaller)];
    if (widest < 0) {
      Use(smaller);
      widest = 0;
      if (IsList(control.kind)) {
        for (const std::wstring& entry : EntriesOf(control.window)) {
          widest = std::max(widest, Extent(dc_, entry));
        }
      } else {
        widest = Extent(dc_, WindowText(control.window));
      }
    }
    return widest;
  }

  int TextRoom(std::size_t index, int width, int smaller) override {
    const Fitted& control = fitter_.controls_[index];
    const int edge = GetSystemMetrics(SM_CXEDGE);
    switch (control.kind) {
      case ControlKind::kPushButton:
        // The raised edge, and the focus rectangle a pixel inside it.
        return width - 2 * (edge + GetSystemMetrics(SM_CXFOCUSBORDER) + 1);
      case ControlKind::kDropdownList:
      case ControlKind::kDropdownCombo:
        // The sunken edge, the arrow as wide as a scroll bar, and the
        // selection's margin around the entry.
        return width - GetSystemMetrics(SM_CXVSCROLL) - 2 * (edge + 2);
      case ControlKind::kGroupBox: {
        // The title sits about one average character in, with space around.
        Use(smaller);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        return width - 3 * metrics.tmAveCharWidth;
      }
      default:
        return width;
    }
  }

  std::optional<RowExtent> Ink(std::size_t index, const FitRect& place, int smaller) override {
    const Fitted& control = fitter_.controls_[index];
    const std::wstring text = WindowText(control.window);
    if (text.empty()) return std::nullopt;
    Use(smaller);
    const int extent = Extent(dc_, text);
    const int left = control.centred ? place.left + (place.width - extent) / 2 : place.left;
    return RowExtent{left, left + extent};
  }

 private:
  void Use(int smaller) { SelectObject(dc_, fitter_.FontOf(smaller)); }

  NativeTextFitter& fitter_;
  HDC dc_;
  HGDIOBJ original_ = nullptr;
};

NativeTextFitter::NativeTextFitter(HWND dialog, const DialogTemplate& layout) : dialog_(dialog) {
  dialog_font_ = reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0));
  if (dialog_font_ == nullptr || GetObjectW(dialog_font_, sizeof logical_, &logical_) == 0) return;
  // The dialog's font is made for its monitor's DPI; the floor is too.
  const int floor = MulDiv(kSmallestFittedPoints, WindowDpi(dialog_), 72);
  steps_ = std::max(0, std::abs(static_cast<int>(logical_.lfHeight)) - floor);
  RECT unit{0, 0, 1, 1};
  MapDialogRect(dialog_, &unit);
  gap_ = std::max<int>(1, unit.right);

  // The dialog made its controls in template order, each after the one
  // before; a control that is not where it should be leaves all unfitted.
  HWND child = GetWindow(dialog_, GW_CHILD);
  for (const ControlTemplate& control : layout.controls) {
    const int id = control.id > 0 ? control.id : 0xFFFF;
    if (child == nullptr || GetDlgCtrlID(child) != id) {
      controls_.clear();
      roles_.clear();
      return;
    }
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
    Fitted fitted;
    fitted.window = child;
    fitted.kind = control.kind;
    fitted.centred = control.style.centred;
    fitted.home = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    fitted.place = fitted.home;
    if (IsList(control.kind)) {
      RECT dropped{};
      SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
      fitted.listHeight = std::max<int>(fitted.home.height, dropped.bottom - dropped.top);
    }
    controls_.push_back(std::move(fitted));
    roles_.push_back({controls_.back().home, RoleOf(control.kind)});
    child = GetWindow(child, GW_HWNDNEXT);
  }
}

NativeTextFitter::~NativeTextFitter() {
  for (const auto& [step, font] : smaller_) DeleteObject(font);
}

HFONT NativeTextFitter::FontOf(int smaller) {
  if (smaller <= 0) return dialog_font_;
  HFONT& font = smaller_[smaller];
  if (font == nullptr) {
    LOGFONTW logical = logical_;
    const int height = std::abs(static_cast<int>(logical.lfHeight)) - smaller;
    logical.lfHeight = logical.lfHeight < 0 ? -height : height;
    logical.lfWidth = 0;
    font = CreateFontIndirectW(&logical);
    if (font == nullptr) return dialog_font_;
  }
  return font;
}

void NativeTextFitter::TextsChanged(HWND control) {
  for (Fitted& fitted : controls_) {
    if (fitted.window == control) fitted.widest.clear();
  }
}

void NativeTextFitter::Fit() {
  if (controls_.empty()) return;
  RECT client{};
  GetClientRect(dialog_, &client);
  TextFit fit;
  HDC dc = GetDC(dialog_);
  {
    Measure measure(*this, dc);
    fit = FitTexts(roles_, measure,
                   {{0, 0, client.right - client.left, client.bottom - client.top}, gap_, steps_});
  }
  ReleaseDC(dialog_, dc);
  bool moved = false;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    Fitted& control = controls_[i];
    const FitRect& place = fit.places[i];
    if (!(place == control.place)) {
      // A list's window is as high as it drops down.
      const int height = IsList(control.kind) ? control.listHeight : place.height;
      SetWindowPos(control.window, nullptr, place.left, place.top, place.width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      control.place = place;
      moved = true;
    }
    if (fit.smaller[i] != control.smaller) {
      control.smaller = fit.smaller[i];
      SendMessageW(control.window, WM_SETFONT,
                   reinterpret_cast<WPARAM>(FontOf(control.smaller)), TRUE);
    }
  }
  // What a control left behind is the dialog's background again.
  if (moved) InvalidateRect(dialog_, nullptr, TRUE);
}

}  // namespace quelmo
