#pragma once
// The windows of the program, by what comes next: which dialog template each
// one uses and which logic drives it. The host knows nothing more of them.
//
// Turn-taking: kLauncher always means a fresh launcher made from the shared
// state at that moment. kAbout is the one window shown over another: the host
// runs it modally above the launcher, which stays open; when the About logic
// answers kClose the host closes it and goes back to that same launcher.

#include <memory>

#include "controls/form_view.h"
#include "session/app_context.h"
#include "session/form_logic.h"

namespace quelmo {

// The dialog resource of a window: 102 launcher, 100 About, 129 camera,
// 130 MMS, 147 SMTP/GPRS, 155 SMS, 1200 the operator finder. 0 for kStay, kClose and kQuit.
int DialogResourceOf(Next window);

// The logic of a window, driving `view`; nullptr for kStay, kClose and kQuit,
// and for a window that only the window beneath it can make.
std::unique_ptr<FormLogic> MakeScreen(Next window, FormView& view, AppContext& context);

// The logic of a window opened over `beneath`: the one `beneath` makes for
// it (the finder over a form), else as MakeScreen.
std::unique_ptr<FormLogic> MakeScreenOver(Next window, FormView& view, AppContext& context,
                                          FormLogic& beneath);

}  // namespace quelmo
