// The preset component on its own, in a made-up form of two countries: the
// order in which it tells its form of a change, what it leaves alone, and
// the edges the two real forms never reach (tests/presets/preset_forms_test
// drives those).

#include "presets/preset_chooser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "finder/operator_finder_controls.h"
#include "operators/operator_finding.h"
#include "platform/file_system.h"
#include "support/form_fixture.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

enum : ControlId {
  kModeList = 10,
  kCountryList,
  kOperatorList,
  kLoadPath,
  kFirstEdit,
  kSecondEdit,
  kFirstLabel,
  kOwnEdit,
  kLoadButton,
};

constexpr std::string_view kCountries[] = {"Atlantis", "Utopia"};
constexpr OperatorPreset kRows[] = {
    {0, 0, "Poseidon", {.apn = "sea", .account = "trident"}},
    {0, 1, "Mute", {}},
    {1, 0, "More", {.apn = "isle", .account = "book"}},
};
// The first parameter is captioned by a label of its own, the second by the
// template's text.
const std::vector<PresetEdit> kParameters = {
    {"apn", {.control = kFirstEdit, .label = kFirstLabel, .caption = "Access point",
             .operatorValue = OperatorValue::kApn}},
    {"account", {.control = kSecondEdit, .caption = "Account",
                 .operatorValue = OperatorValue::kAccount}},
};

// The finder's values: the provider's name for the first, the second left
// out and named by a finding when the provider has no access point.
PresetOperatorFill Fill(const OperatorProvider& provider) {
  if (!provider.accessPoints.empty()) return {{provider.name, "user"}, {}};
  OperatorFinding finding{"account", "account: none", "{field}: none", {}};
  return {{provider.name}, {finding}};
}

const PresetKind kKind{kModeList, kCountryList, kOperatorList, kLoadPath, kParameters,
                       kCountries, kRows, 1, false, Fill};

struct MadeUpSettings {
  int mode = kPresetAuto;
  int country = 0;
  int operatorIndex = 0;
  std::string own;
};
enum class MadeUpField { kOwn };

LoadOutcome<MadeUpSettings, MadeUpField> LoadMadeUp(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != 4) return LoadRefusal{LoadRefusalKind::kWrongSize, bytes.size()};
  MadeUpSettings settings{bytes[0], bytes[1], bytes[2], std::string(1, static_cast<char>(bytes[3]))};
  LoadedSettings<MadeUpSettings, MadeUpField> loaded{settings, {}};
  if (bytes[3] == '?') loaded.findings.push_back({FindingKind::kTextCut, MadeUpField::kOwn});
  return loaded;
}

const PresetFile<MadeUpSettings, MadeUpField> kFile{
    "made-up file", 4, kGprsFileWords, LoadMadeUp,
    [](const MadeUpSettings& s) { return PresetChoice{s.mode, s.country, s.operatorIndex}; },
    [](MadeUpField, int) { return std::string_view("Own"); }};

// A form around the component that writes down what it was told, with the
// parameters as it saw them then.
class MadeUpForm final : public FormLogic, private PresetForm {
 public:
  MadeUpForm(FormView& view, AppContext& context) : view_(view), presets(view, context, kKind, *this) {}

  void Open() override { presets.Open(); }
  Next Clicked(ControlId id) override {
    if (id == kLoadButton) {
      presets.Load<MadeUpSettings, MadeUpField>(kFile, [this](const MadeUpSettings& s) {
        heard.push_back("loaded " + s.own + " " + std::to_string(view_.Selection(kCountryList)) +
                        "/" + std::to_string(view_.Selection(kOperatorList)));
      });
    }
    return PresetChooser::Clicked(id);
  }
  Next SelectionChanged(ControlId id) override {
    if (!presets.SelectionChanged(id)) heard.push_back("not mine");
    return Next::kStay;
  }

  std::vector<std::string> heard;
  FormView& view_;
  PresetChooser presets;

 private:
  std::string Seen() const { return view_.Text(kFirstEdit) + "|" + view_.Text(kSecondEdit); }
  void ClearForModeSwitch() override { heard.push_back("clear " + Seen()); }
  void BeforeOperatorFill() override { heard.push_back("before fill " + Seen()); }
  void PresetChanged(PresetChange change) override {
    const char* names[] = {"opened", "switched", "chosen", "filled"};
    heard.push_back(std::string(names[static_cast<int>(change)]) + " " + Seen());
  }
};

class PresetChooserTest : public FormFixture<MadeUpForm> {
 protected:
  std::vector<std::string> Heard() {
    std::vector<std::string> heard = std::move(form->heard);
    form->heard.clear();
    return heard;
  }

  void LoadBytes(const std::vector<std::uint8_t>& bytes) {
    WriteBytes(card.path() / "made-up.dat", bytes);
    view.ClearMessages();
    view.AnswerFile(PathToUtf8(card.path() / "made-up.dat"));
    view.Click(kLoadButton);
  }
};

TEST_F(PresetChooserTest, TheFormHearsOfEachChangeOnceItIsShown) {
  OpenForm();
  EXPECT_THAT(Heard(), ElementsAre("opened isle|book"));
  EXPECT_EQ(view.SelectedText(kModeList), "Auto");
  EXPECT_EQ(view.SelectedText(kCountryList), "Utopia");
  EXPECT_EQ(view.SelectedText(kOperatorList), "More");
  EXPECT_TRUE(view.IsReadOnly(kFirstEdit));
  EXPECT_EQ(view.Text(kFindOperatorButton), "Find operator…");
  EXPECT_EQ(view.Click(kFindOperatorButton), Next::kOperatorFinder);

  view.Pick(kCountryList, 0);
  EXPECT_THAT(view.Items(kOperatorList), ElementsAre("Poseidon", "Mute"));
  view.Pick(kOperatorList, 1);
  view.Pick(kOperatorList, 0);
  EXPECT_THAT(Heard(), ElementsAre("chosen sea|trident", "chosen |", "chosen sea|trident"));

  // The form empties its own fields while the old parameters still show.
  view.Pick(kModeList, kPresetCustomer);
  EXPECT_THAT(Heard(), ElementsAre("clear sea|trident", "switched |"));
  EXPECT_FALSE(view.IsReadOnly(kFirstEdit));
  // Lists that are disabled choose nothing; other controls are the form's.
  view.Pick(kCountryList, 0);
  view.Pick(kOperatorList, 0);
  view.Pick(kOwnEdit, 0);
  EXPECT_THAT(Heard(), ElementsAre("not mine"));

  view.Type(kFirstEdit, "typed");
  view.Pick(kModeList, kPresetAuto);
  EXPECT_THAT(Heard(), ElementsAre("clear typed|", "switched isle|book"));
  EXPECT_EQ(view.SelectedText(kCountryList), "Utopia");
  EXPECT_THAT(view.Messages(), IsEmpty());
}

TEST_F(PresetChooserTest, TheChoiceIsTheListsInAutoModeAndNoneInCustomer) {
  OpenForm();
  view.Pick(kCountryList, 0);
  view.Pick(kOperatorList, 1);
  EXPECT_EQ(form->presets.Choice(), (PresetChoice{kPresetAuto, 0, 1}));
  // A choice without a row shows nothing (a save refuses it).
  view.SetSelection(kCountryList, -1);
  EXPECT_EQ(form->presets.Choice(), (PresetChoice{kPresetAuto, -1, 1}));
  form->presets.ShowChosenPreset();
  EXPECT_EQ(view.Text(kFirstEdit), "");
  view.Pick(kModeList, kPresetCustomer);
  EXPECT_FALSE(form->presets.Auto());
  EXPECT_EQ(form->presets.Choice(), (PresetChoice{kPresetCustomer, 0, 0}));
}

TEST_F(PresetChooserTest, TheFinderFillsCustomerModeAndNamesWhatItLeftOut) {
  OpenForm();
  view.Type(kOwnEdit, "mine");
  Heard();
  OperatorProvider provider{"Gulls", {}, {}, {{"gulls.net", "internet", "", "", "", ""}}};
  const OperatorPreview preview = form->presets.PreviewOperator(provider);
  ASSERT_EQ(preview.rows.size(), 2u);
  EXPECT_EQ(preview.rows[0].label, "Access point");
  EXPECT_EQ(preview.rows[0].value, "Gulls");
  EXPECT_EQ(preview.rows[1].label, "Account");
  EXPECT_EQ(preview.rows[1].value, "user");
  EXPECT_EQ(preview.findings, "");

  form->presets.ApplyOperator(provider);
  EXPECT_THAT(Heard(), ElementsAre("before fill isle|book", "filled Gulls|user"));
  EXPECT_EQ(view.Selection(kModeList), kPresetCustomer);
  EXPECT_THAT(view.Items(kCountryList), ElementsAre("Customer"));
  EXPECT_FALSE(view.IsEnabled(kOperatorList));
  EXPECT_FALSE(view.IsReadOnly(kSecondEdit));
  EXPECT_EQ(view.Text(kOwnEdit), "mine");
  EXPECT_THAT(view.Messages(), IsEmpty());

  // A value the finder leaves out is emptied, named by its label and focused.
  const OperatorProvider bare{"Bare", {}, {}, {}};
  EXPECT_EQ(form->presets.PreviewOperator(bare).findings, "Account: none");
  form->presets.ApplyOperator(bare);
  EXPECT_THAT(Heard(), ElementsAre("before fill Gulls|user", "filled Bare|"));
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_NE(view.Messages()[0].text.find("Account: none"), std::string::npos)
      << view.Messages()[0].text;
  EXPECT_EQ(view.Focused(), kSecondEdit);
}

// The file's lists are shown before the form takes its values; what was odd
// is said after.
TEST_F(PresetChooserTest, LoadShowsTheFilesChoiceBeforeTheFormTakesItAndSaysWhatWasOdd) {
  OpenForm();
  Heard();
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* heard;  // nullptr: refused, nothing heard
    int mode;
    const char* country;
    const char* message;  // nullptr: none
  } cases[] = {
      {"Auto", {kPresetAuto, 0, 1, 'x'}, "loaded x 0/1", kPresetAuto, "Atlantis", nullptr},
      {"Customer", {kPresetCustomer, 9, 9, 'y'}, "loaded y 0/0", kPresetCustomer, "Customer",
       nullptr},
      // Anything but Auto is taken for Customer, whose file keeps its own values.
      {"mode 7", {7, 0, 0, 'z'}, "loaded z 0/0", kPresetCustomer, "Customer", nullptr},
      {"odd", {kPresetAuto, 1, 0, '?'}, "loaded ? 1/0", kPresetAuto, "Utopia",
       "Own: longer than the field, cut"},
      {"too long", {kPresetAuto, 1, 0, 'x', 'x'}, nullptr, kPresetAuto, "Utopia",
       "The file is 5 bytes long"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    view.SetText(kLoadPath, "");
    LoadBytes(c.bytes);
    if (c.heard != nullptr) {
      EXPECT_THAT(Heard(), ElementsAre(c.heard));
      EXPECT_EQ(view.Text(kLoadPath), PathToUtf8(card.path() / "made-up.dat"));
    } else {
      EXPECT_THAT(Heard(), IsEmpty());
      EXPECT_EQ(view.Text(kLoadPath), "");
    }
    EXPECT_EQ(view.Selection(kModeList), c.mode);
    EXPECT_EQ(form->presets.Auto(), c.mode == kPresetAuto);
    EXPECT_EQ(view.SelectedText(kCountryList), c.country);
    if (c.message == nullptr) {
      EXPECT_THAT(view.Messages(), IsEmpty());
    } else {
      ASSERT_EQ(view.Messages().size(), 1u);
      EXPECT_NE(view.Messages()[0].text.find(c.message), std::string::npos)
          << view.Messages()[0].text;
      EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
    }
  }
}

}  // namespace
}  // namespace quelmo
