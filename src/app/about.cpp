#include "app/about.h"

namespace quelmo {

void AboutLogic::Open() { view_.SetTitle(kAboutTitle); }

Next AboutLogic::Clicked(ControlId id) {
  return id == kIdOk || id == kIdCancel ? Next::kClose : Next::kStay;
}

}  // namespace quelmo
