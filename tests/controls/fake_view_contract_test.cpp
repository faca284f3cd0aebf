// The fake view the form tests drive keeps the promises of the real views,
// so that a form that passes with it behaves the same in a real window.

#include <string>
#include <vector>

#include "support/fake_view.h"
#include "support/form_view_contract.h"

namespace quelmo {
namespace {

// Counts what reaches the logic; the fake's setters must never get here.
class CountingLogic final : public FormLogic {
 public:
  void Open() override {}
  Next Clicked(ControlId) override { return Count(); }
  Next SelectionChanged(ControlId) override { return Count(); }
  Next TextEdited(ControlId) override { return Count(); }
  int events = 0;

 private:
  Next Count() {
    ++events;
    return Next::kStay;
  }
};

class FakeViewHarness {
 public:
  FakeViewHarness() { view_.Bind(logic_); }

  FormView& View() { return view_; }
  std::vector<std::string> Items(ControlId list) { return view_.Items(list); }
  bool IsEnabled(ControlId id) { return view_.IsEnabled(id); }
  bool IsReadOnly(ControlId id) { return view_.IsReadOnly(id); }
  CaretPlace Caret(ControlId edit) { return view_.Caret(edit); }
  void PlaceCaret(ControlId edit, CaretPlace place) { view_.PlaceCaret(edit, place); }
  int ChangeEvents() { return logic_.events; }
  std::optional<std::string> ProgressText() { return view_.Progress(); }
  void PressProgressCancel() { view_.CancelProgress(); }
  void AnswerQuestion(bool yes) { view_.AnswerQuestion(yes); }

 private:
  CountingLogic logic_;
  FakeView view_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, FormViewContract, FakeViewHarness);

}  // namespace
}  // namespace quelmo
