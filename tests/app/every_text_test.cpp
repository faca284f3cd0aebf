// Every text the windows and messages ask for is in the catalogues: each
// window opened and each message made in every language, no lookup may miss
// (a miss would show English in a translated window).

#include <gtest/gtest.h>

#include "controls/form_messages.h"
#include "controls/framework_messages.h"
#include "controls/integer_range.h"
#include "finder/operator_finder_texts.h"
#include "mail_check/mail_check_texts.h"
#include "mail_check/test_message.h"
#include "mms/mms_checks.h"
#include "mms/mms_operator_fill.h"
#include "mms/mms_texts.h"
#include "presets/settings_load.h"
#include "screens/screens.h"
#include "session/turns.h"
#include "sms/sms_checks.h"
#include "smtp/gprs_checks.h"
#include "smtp/smtp_texts.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"
#include "text/languages.h"
#include "text/translate.h"

namespace quelmo {
namespace {

class EveryTextTest : public testing::Test {
 protected:
  FakePreferenceBackend backend_;
  PreferenceStore store_{backend_, 0x0409};
  AppState state_;
  AppContext context_{state_, store_, SystemFileSystem(), SystemLocalClock(), "/"};
};

TEST_F(EveryTextTest, EveryWindowFindsItsTextsInEveryLanguage) {
  for (const LanguageRow& row : LanguageRows()) {
    SCOPED_TRACE(row.nativeName);
    state_.languageIndex = row.code;
    const std::size_t before = MissedLookups();
    for (const Next window : {Next::kLauncher, Next::kAbout, Next::kCameraForm, Next::kMmsForm,
                              Next::kSmtpForm, Next::kSmsForm}) {
      FakeView view;
      const std::unique_ptr<FormLogic> logic = MakeScreen(window, view, context_);
      ASSERT_NE(logic, nullptr);
      view.Bind(*logic);
      logic->Open();
      EXPECT_FALSE(view.Title().empty());
      FakeView finder_view;
      const std::unique_ptr<FormLogic> finder =
          MakeScreenOver(Next::kOperatorFinder, finder_view, context_, *logic);
      if (finder != nullptr) finder->Open();
    }
    EXPECT_EQ(MissedLookups(), before);
  }
}

TEST_F(EveryTextTest, EveryMessageFindsItsTextsInEveryLanguage) {
  for (const LanguageRow& row : LanguageRows()) {
    SCOPED_TRACE(row.nativeName);
    const int language = row.code;
    const std::size_t before = MissedLookups();
    for (int check = 0; check <= static_cast<int>(MmsCheck::kSmsControlNeedsPhone); ++check) {
      EXPECT_FALSE(MmsCheckMessage(static_cast<MmsCheck>(check), language).empty()) << check;
    }
    for (int check = 0; check <= static_cast<int>(GprsCheck::kSmsControlNeedsPhone); ++check) {
      EXPECT_FALSE(GprsCheckMessage(static_cast<GprsCheck>(check), language).empty()) << check;
    }
    for (int check = 1; check <= static_cast<int>(SmsCheck::kPhone3Digits); ++check) {
      EXPECT_FALSE(SmsCheckMessage(static_cast<SmsCheck>(check), language).empty()) << check;
    }
    for (int kind = 0; kind <= static_cast<int>(FindingKind::kUnusualCameraLanguage); ++kind) {
      EXPECT_FALSE(FindingKindText(static_cast<FindingKind>(kind), language).empty()) << kind;
    }
    for (int field = 0; field <= static_cast<int>(MmsField::kReservedRecords); ++field) {
      EXPECT_FALSE(MmsFieldName(static_cast<MmsField>(field), language).empty()) << field;
    }
    for (int field = 0; field <= static_cast<int>(GprsField::kReservedRecords); ++field) {
      EXPECT_FALSE(GprsFieldName(static_cast<GprsField>(field), language).empty()) << field;
    }
    for (const auto kind : {LoadRefusalKind::kWrongSize, LoadRefusalKind::kOtherKind,
                            LoadRefusalKind::kDamaged}) {
      for (const SettingFileWords* words : {&kMmsFileWords, &kGprsFileWords}) {
        EXPECT_FALSE(LoadRefusalReason({kind, 12}, 780, *words, language).empty());
      }
    }
    for (int step = 0; step <= static_cast<int>(MailStep::kMessage); ++step) {
      for (int verdict = 0; verdict <= static_cast<int>(MailVerdict::kFailed); ++verdict) {
        const MailStepResult result{static_cast<MailStep>(step),
                                    static_cast<MailVerdict>(verdict), {}};
        EXPECT_FALSE(MailVerdictText(result, language).empty());
      }
      EXPECT_FALSE(MailStepName(static_cast<MailStep>(step), language).empty());
    }
    for (ErrorCode code : {ErrorCode::kNotFound, ErrorCode::kInvalidArgument,
                           ErrorCode::kNotEncodable, ErrorCode::kCorrupt, ErrorCode::kBusy,
                           ErrorCode::kIoError}) {
      const std::string message = SaveFailedMessage("mms.dat", "/card", Error{code, "detail"}, language);
      EXPECT_NE(message.find("mms.dat"), std::string::npos);
      EXPECT_NE(message.find("detail"), std::string::npos);
    }
    EXPECT_FALSE(LoadFailedMessage("/card/mms.dat", "why", language).empty());
    EXPECT_FALSE(LoadedWithFindingsMessage("/card/mms.dat", {"a", "b"}, language).empty());
    EXPECT_FALSE(LoadFileFilter(language).empty());
    EXPECT_FALSE(NotAnIntegerMessage(language).empty());
    EXPECT_FALSE(FrameworkRangeMessage(0, 9, language).empty());
    EXPECT_FALSE(FrameworkLengthMessage(9, language).empty());
    EXPECT_FALSE(IntegerRangeMessage(0, 59, language).empty());
    EXPECT_FALSE(MmsPhoneTooLongMessage(language).empty());
    EXPECT_FALSE(MmsTextNotStorableMessage("x", language).empty());
    EXPECT_FALSE(OperatorMatchCount(1, language).empty());
    EXPECT_FALSE(OperatorMatchCount(7, language).empty());
    EXPECT_FALSE(OperatorDatabaseUnavailable("why", language).empty());
    EXPECT_FALSE(OperatorValuesNotTaken("a: b", language).empty());
    EXPECT_FALSE(NoOperatorChosen(language).empty());
    EXPECT_FALSE(SmtpPortRangeMessage(language).empty());
    EXPECT_FALSE(TestMessageFor(language, "Quelmo K300X").body.empty());
    const MmsOperatorFill fill =
        FillMmsFromOperator({"Far", {}, {}, {{"mms", "mms", "", "", "", "1.2.3.4:99999"}}});
    EXPECT_FALSE(FindingLines(fill.findings, language, [](std::string_view key) {
                   return std::string(key);
                 }).empty());
    EXPECT_EQ(MissedLookups(), before);
  }
}

}  // namespace
}  // namespace quelmo
