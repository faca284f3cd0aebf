#include "app/about.h"

#include "text/translate.h"

namespace quelmo {

void AboutLogic::Open() {
  view_.SetTitle(Translate(language_, "About Setup"));
  view_.SetText(kIdOk, Translate(language_, "OK"));
}

Next AboutLogic::Clicked(ControlId id) {
  return id == kIdOk || id == kIdCancel ? Next::kClose : Next::kStay;
}

}  // namespace quelmo
