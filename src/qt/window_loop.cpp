#include "qt/window_loop.h"

namespace quelmo {

WindowLoop::WindowLoop(AppContext& context, DialogAdapter& dialogs, ScreenMaker maker)
    : host_(dialogs),
      stack_(host_, maker ? std::move(maker) : ProgramScreens(context),
             [&context] { return context.state.languageIndex; }) {
  stack_.SetOnFinished([this] { emit finished(); });
}

WindowLoop::~WindowLoop() = default;

}  // namespace quelmo
