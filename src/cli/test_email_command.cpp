#include "cli/test_email_command.h"

#include "cli/decoded_file.h"
#include "cli/exit_codes.h"
#include "cli/kind_registry.h"
#include "cli/settings_document.h"
#include "cli/terminal_json.h"
#include "mail_check/mail_check.h"
#include "mail_check/mail_check_texts.h"
#include "session/app_state.h"
#include "smtp/gprs_json.h"
#include "smtp/mail_account.h"
#include "text/terminal_text.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli test-email: ";

int BadInput(std::ostream& err, const std::string& message) {
  err << kPrefix << EscapeForTerminal(message) << "\n";
  return kExitBadInput;
}

FileKind GprsKind() { return FindFileKind("gprs"); }

// The settings of a sound gprs.dat, the sender password included.
Result<GprsSettings> SettingsOfFile(const std::string& path, FileSystem& files) {
  const auto native = PathFromUtf8(path);
  auto bytes = files.ReadRegularFile(native, kSettingFileReadLimit);
  if (!bytes.ok()) return bytes.error();
  auto kind = RecogniseFileKind(native, *bytes);
  if (!kind.ok()) return Error{ErrorCode::kCorrupt, path + ": " + kind.message()};
  if (kind->kind != GprsKind()) {
    return Error{ErrorCode::kInvalidArgument,
                 path + ": this is no gprs.dat (it reads as " + std::string(kind->kind->name) + ")"};
  }
  GprsFileContents contents = ReadGprsFile(*bytes);
  if (!contents.integrity.intact()) {
    std::string problems;
    for (const auto& problem : IntegrityProblems(contents.integrity)) {
      problems += (problems.empty() ? "" : "; ") + problem;
    }
    return Error{ErrorCode::kCorrupt, path + ": damaged: " + problems};
  }
  return contents.settings;
}

Result<GprsSettings> SettingsOfJson(const std::string& path) {
  auto document = LoadSettingsDocument(PathFromUtf8(path), GprsKind());
  if (!document.ok()) return document.error();
  auto input = GprsSettingsFromJson(document->settings, GprsSettings{});
  if (!input.ok()) return input.error();
  return input->settings;
}

Json StepJson(const MailStepResult& step, int language) {
  Json json = {{"step", MailStepKey(step.step)},
               {"name", MailStepName(step.step, language)},
               {"passed", step.passed()},
               {"verdict", MailVerdictKey(step.verdict)},
               {"text", MailVerdictText(step, language)}};
  if (!step.detail.empty()) json["detail"] = step.detail;
  return json;
}

int ExitStatusOf(const MailCheckReport& report) {
  if (report.passed()) return kExitOk;
  switch (report.outcome()) {
    case MailVerdict::kBadSettings:
    case MailVerdict::kBadCaFile: return kExitBadInput;
    case MailVerdict::kPasswordNotChecked: return kExitMailPasswordNotChecked;
    case MailVerdict::kUnavailable: return kExitUnavailable;
    default: return kExitMailCheckFailed;
  }
}

}  // namespace

int RunTestEmail(const TestEmailOptions& options, const CliEnvironment& environment,
                 std::ostream& out, std::ostream& err) {
  if (options.path.has_value() == options.settingsPath.has_value()) {
    return BadInput(err, "give either a gprs.dat (FILE) or --settings JSON");
  }
  auto settings = options.path ? SettingsOfFile(*options.path, environment.files)
                               : SettingsOfJson(*options.settingsPath);
  if (!settings.ok()) return BadInput(err, settings.message());
  auto account = MailAccountFromSettings(*settings);
  if (!account.ok()) return BadInput(err, account.message());

  MailCheckOptions check;
  check.send = options.send;
  check.allowPlain = options.allowPlain;
  check.security = options.implicitTls ? MailSecurity::kImplicitTls : MailSecurity::kByPort;
  check.caFile = options.caFile;
  check.timeoutMs = options.timeoutSeconds * 1000;
  check.language = options.language;
  check.modelName = kModelName;

  CancelToken cancel;
  const int language = options.language;
  MailProgress progress;
  if (!options.json) {
    // From a card file: any byte may stand there.
    out << "Checking " << EscapeForTerminal(account->server) << ":" << account->port << " for "
        << EscapeForTerminal(account->senderEmail) << " -> "
        << EscapeForTerminal(account->recipientEmail)
        << (options.send ? " (sending a test message)" : " (dry run: nothing is sent)") << "\n";
    progress = [&out, language](const MailStepResult& step) {
      out << "  " << MailStepName(step.step, language) << ": "
          << MailVerdictText(step, language) << std::endl;
    };
  }
  const MailCheckReport report = RunMailCheck(*account, check, cancel, progress);

  if (options.json) {
    Json steps = Json::array();
    for (const auto& step : report.steps) steps.push_back(StepJson(step, language));
    const Json json = {{"server", account->server},
                       {"port", account->port},
                       {"send", options.send},
                       {"passed", report.passed()},
                       {"outcome", MailVerdictKey(report.outcome())},
                       {"steps", steps}};
    out << JsonForTerminal(json) << "\n";
  }
  return ExitStatusOf(report);
}

}  // namespace quelmo
