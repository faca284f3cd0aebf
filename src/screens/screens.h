#pragma once
// The windows of the program, by what comes next: which dialog template each
// one uses and which logic drives it. The host knows nothing more of them.

#include <memory>

#include "app/app_context.h"
#include "app/form_logic.h"
#include "controls/form_view.h"

namespace quelmo {

// The dialog resource of a window: 102 launcher, 100 About, 129 camera,
// 130 MMS, 147 SMTP/GPRS, 155 SMS. 0 for kStay and kQuit.
int DialogResourceOf(Next window);

// The logic of a window, driving `view`.
std::unique_ptr<FormLogic> MakeScreen(Next window, FormView& view, AppContext& context);

}  // namespace quelmo
