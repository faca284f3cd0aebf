// The SMS form and `quelmo-cli write sms` share one file builder and one set
// of save checks: given the same settings they write the same bytes.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "app/preference_store.h"
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "sms/sms_form.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;

TEST(SmsFormParityTest, FormAndCliWriteTheSameBytes) {
  const struct {
    int language;         // the form's language code
    bool chinese_chosen;  // Chinese stored on a non-Chinese system
    const char *one, *two, *three, *limit;
    int schedule;
    std::string json;
    const char* camera_language;
  } cases[] = {
      {2, false, "+4915112345678", "", "", "7", 4,
       R"({"phone1": "+4915112345678", "picturesPerDay": 7, "smsControl": "2 Hour"})", "2"},
      {1, false, "13800138000", "13900139000", "+8613700137000", "99", 0,
       R"({"phone1": "13800138000", "phone2": "13900139000", "phone3": "+8613700137000",
           "picturesPerDay": 99, "smsControl": "On"})",
       "1"},
      {3, true, "12345", "67890", "", "0", 5, R"({"phone1": "12345", "phone2": "67890"})", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    TempFolder by_form;
    TempFolder by_cli;

    AppState state;
    state.languageIndex = c.language;
    state.chineseChosen = c.chinese_chosen;
    FakePreferenceBackend backend;
    PreferenceStore preferences{backend, 0x0409};
    AppContext context{state, preferences, SystemFileSystem(), SystemLocalClock(),
                       PathToUtf8(by_form.path())};
    FakeView view;
    SmsForm form(view, context);
    view.Bind(form);
    form.Open();
    view.Type(kSmsPhone1Edit, c.one);
    view.Type(kSmsPhone2Edit, c.two);
    view.Type(kSmsPhone3Edit, c.three);
    view.Type(kSmsDailyLimitEdit, c.limit);
    view.Pick(kSmsControlList, c.schedule);
    view.Click(kSmsSaveButton);
    ASSERT_EQ(view.Messages().size(), 1u);

    WriteTextFile(by_cli / "sms.json", c.json);
    const testing::CliRun run =
        RunQuelmoCli({"write", "sms", "--out", by_cli.path().string(), "--settings",
                      by_cli / "sms.json", "--camera-language", c.camera_language});
    ASSERT_EQ(run.exitCode, kExitOk) << run.err;

    const std::vector<std::uint8_t> form_bytes = ReadBytes(by_form / "sms.dat");
    EXPECT_EQ(form_bytes.size(), 300u);
    EXPECT_EQ(form_bytes, ReadBytes(by_cli / "sms.dat"));
  }
}

}  // namespace
}  // namespace quelmo
