// Each form and `quelmo-cli write KIND` share one file builder and one set of
// save checks: given the same settings they write the same bytes.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "camera/camera_controls.h"
#include "camera/camera_form.h"
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "mms/mms_controls.h"
#include "mms/mms_form.h"
#include "session/app_context.h"
#include "session/form_logic.h"
#include "session/preference_store.h"
#include "sms/sms_controls.h"
#include "sms/sms_form.h"
#include "smtp/smtp_controls.h"
#include "smtp/smtp_form.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;

// A form of one kind, opened as the host opens it.
using OpenedForm = std::function<std::unique_ptr<FormLogic>(FormView&, AppContext&)>;

template <class Form>
OpenedForm Opens() {
  return [](FormView& view, AppContext& context) -> std::unique_ptr<FormLogic> {
    return std::make_unique<Form>(view, context);
  };
}

// The bytes a form saves into `folder` after `fill`, on the CLI's fixed clock.
std::vector<std::uint8_t> SavedByForm(const OpenedForm& open, const AppState& state,
                                      const std::function<void(FakeView&)>& fill, ControlId save,
                                      const TempFolder& folder, const std::string& file_name) {
  FakePreferenceBackend backend;
  PreferenceStore preferences{backend, 0x0409};
  const testing::FixedClock clock(testing::TestClockTime());
  AppState shared = state;
  AppContext context{shared, preferences, SystemFileSystem(), clock, PathToUtf8(folder.path())};
  FakeView view;
  const std::unique_ptr<FormLogic> form = open(view, context);
  view.Bind(*form);
  form->Open();
  fill(view);
  view.ClearMessages();
  view.Click(save);
  EXPECT_EQ(view.Messages().size(), 1u) << "the confirmation only";
  return ReadBytes(folder / file_name);
}

// From the opening state, with only what the save checks need typed: the same
// bytes as the CLI writes from the same values and nothing else.
TEST(FormParityTest, EveryFormAtItsOpeningStateWritesWhatTheCliWrites) {
  const struct {
    const char* kind;
    OpenedForm open;
    ControlId save;
    std::size_t size;
    std::function<void(FakeView&)> fill;
    std::string json;
  } cases[] = {
      {"camera", Opens<CameraForm>(), kSaveButton, 180, [](FakeView&) {}, "{}"},
      {"mms", Opens<MmsForm>(), kMmsSaveButton, 780,
       [](FakeView& view) { view.Type(kMmsPhoneEdit, "13800138000"); },
       R"({"phone": "13800138000"})"},
      {"gprs", Opens<SmtpForm>(), kSmtpSaveButton, 780,
       [](FakeView& view) {
         view.Type(kSmtpServerEdit, "smtp.example.com");
         view.Type(kSmtpPortEdit, "465");
         view.Type(kSenderEmailEdit, "abcd@example.com");
         view.Type(kSenderPasswordEdit, "secret");
         view.Type(kRecipientEdit, "me@example.org");
       },
       R"({"smtpServer": "smtp.example.com", "smtpPort": "465", "senderEmail": "abcd@example.com",
           "senderPassword": "secret", "recipientEmail": "me@example.org"})"},
      {"sms", Opens<SmsForm>(), kSmsSaveButton, 300,
       [](FakeView& view) { view.Type(kSmsPhone1Edit, "12345"); }, R"({"phone1": "12345"})"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    const std::string file_name = std::string(c.kind) + ".dat";
    TempFolder by_form;
    const std::vector<std::uint8_t> form_bytes =
        SavedByForm(c.open, AppState{}, c.fill, c.save, by_form, file_name);
    EXPECT_EQ(form_bytes.size(), c.size);

    TempFolder by_cli;
    WriteTextFile(by_cli / "settings.json", c.json);
    const testing::CliRun run = RunQuelmoCli({"write", c.kind, "--out", by_cli.path().string(),
                                              "--settings", by_cli / "settings.json",
                                              "--camera-language", "2"});
    ASSERT_EQ(run.exitCode, kExitOk) << run.err;
    EXPECT_EQ(form_bytes, ReadBytes(by_cli / file_name));
  }
}

TEST(FormParityTest, SmsFormWritesWhatTheCliWritesForTheSameSettings) {
  const struct {
    int language;  // the form's language code
    const char *one, *two, *three, *limit;
    int schedule;
    std::string json;
    const char* camera_language;
  } cases[] = {
      {2, "+4915112345678", "", "", "7", 4,
       R"({"phone1": "+4915112345678", "picturesPerDay": 7, "smsControl": "2 Hour"})", "2"},
      {1, "13800138000", "13900139000", "+8613700137000", "99", 0,
       R"({"phone1": "13800138000", "phone2": "13900139000", "phone3": "+8613700137000",
           "picturesPerDay": 99, "smsControl": "On"})",
       "1"},
      {1, "12345", "67890", "", "0", 5, R"({"phone1": "12345", "phone2": "67890"})", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    AppState state;
    state.languageIndex = c.language;
    TempFolder by_form;
    const std::vector<std::uint8_t> form_bytes = SavedByForm(
        Opens<SmsForm>(), state,
        [&c](FakeView& view) {
          view.Type(kSmsPhone1Edit, c.one);
          view.Type(kSmsPhone2Edit, c.two);
          view.Type(kSmsPhone3Edit, c.three);
          view.Type(kSmsDailyLimitEdit, c.limit);
          view.Pick(kSmsControlList, c.schedule);
        },
        kSmsSaveButton, by_form, "sms.dat");
    EXPECT_EQ(form_bytes.size(), 300u);

    TempFolder by_cli;
    WriteTextFile(by_cli / "sms.json", c.json);
    const testing::CliRun run =
        RunQuelmoCli({"write", "sms", "--out", by_cli.path().string(), "--settings",
                      by_cli / "sms.json", "--camera-language", c.camera_language});
    ASSERT_EQ(run.exitCode, kExitOk) << run.err;
    EXPECT_EQ(form_bytes, ReadBytes(by_cli / "sms.dat"));
  }
}

}  // namespace
}  // namespace quelmo
