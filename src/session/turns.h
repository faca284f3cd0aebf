#pragma once
// How the launcher and the forms take turns, decided once for every host: a
// host only carries out the turn that a window's answer calls for.

#include "session/form_logic.h"

namespace quelmo {

enum class Turn {
  kStay,      // the window goes on
  kOpenOver,  // a window opens over the present one, which stays beneath
  kReplace,   // the present window ends and the named one opens in its place
  kFinish,    // nothing lies beneath a launcher or a form: the program is over
};

// The turn for an answer of the window in front (launcher or form).
constexpr Turn TurnAfter(Next next) {
  switch (next) {
    case Next::kStay:
      return Turn::kStay;
    case Next::kAbout:
    case Next::kOperatorFinder:
      return Turn::kOpenOver;
    case Next::kLauncher:
    case Next::kCameraForm:
    case Next::kMmsForm:
    case Next::kSmtpForm:
    case Next::kSmsForm:
      return Turn::kReplace;
    case Next::kClose:
    case Next::kQuit:
      break;
  }
  return Turn::kFinish;
}

// Whatever ends a window shown over another leaves the one beneath as it was.
constexpr bool EndsWindowOver(Next next) { return next != Next::kStay; }

}  // namespace quelmo
