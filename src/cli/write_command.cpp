#include "cli/write_command.h"

#include "camera/camera_file.h"
#include "cli/camera_json.h"
#include "cli/exit_codes.h"
#include "cli/gprs_json.h"
#include "cli/mms_json.h"
#include "cli/settings_document.h"
#include "cli/sms_json.h"
#include "mms/mms_checks.h"
#include "mms/mms_file.h"
#include "mms/mms_presets.h"
#include "sms/sms_checks.h"
#include "sms/sms_file.h"
#include "smtp/gprs_checks.h"
#include "smtp/gprs_file.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli write: ";

class WriteRun {
 public:
  WriteRun(const WriteOptions& options, const CliEnvironment& environment, std::ostream& out,
           std::ostream& err)
      : options_(options), environment_(environment), out_(out), err_(err),
        folder_(PathFromUtf8(options.outFolder)) {}

  int Run() {
    if (options_.writeDefault && options_.kind != FileKind::kCamera) {
      return BadInput("--default writes the default camera file; it needs KIND camera");
    }
    if (options_.writeDefault && options_.settingsPath) {
      return BadInput("--default and --settings exclude each other: the default file carries no "
                      "settings");
    }
    if (options_.settingsPath) {
      auto document = LoadSettingsDocument(PathFromUtf8(*options_.settingsPath), options_.kind);
      if (!document.ok()) return BadInput(document.message());
      document_ = std::move(document).value();
    }
    switch (options_.kind) {
      case FileKind::kCamera: return WriteCamera();
      case FileKind::kMms: return WriteMms();
      case FileKind::kGprs: return WriteGprs();
      case FileKind::kSms: return WriteSms();
    }
    return BadInput("unknown KIND");
  }

 private:
  int WriteCamera() {
    if (options_.writeDefault || document_.isDefaultCamera) {
      return Finish(WriteCameraFile(environment_.files, folder_, BuildDefaultCameraRecord()));
    }
    CameraSettings initial;
    SetCameraClock(initial, TakeLocalClock(environment_.clock));
    auto input = CameraSettingsFromJson(document_.settings, initial);
    if (!input.ok()) return BadInput(input.message());
    const auto language = Resolve(input->language);
    return Finish(WriteCameraFile(
        environment_.files, folder_,
        BuildCameraRecord(input->settings, language.cameraLanguage, language.tvMode)));
  }

  int WriteMms() {
    // A freshly opened form shows China and its first operator.
    MmsSettings initial;
    initial.countryIndex = kMmsChina;
    auto input = MmsSettingsFromJson(document_.settings, initial);
    if (!input.ok()) return BadInput(input.message());
    if (input->settings.mode == kMmsAuto) {
      if (auto taken = TakeMmsPreset(document_.settings, input->settings); !taken.ok()) {
        return BadInput(taken.message());
      }
    }
    if (const auto failed = FirstFailedMmsCheck(input->settings)) {
      return CheckFailed(MmsCheckMessage(*failed, options_.language));
    }
    const auto language = Resolve(input->language);
    return Finish(WriteMmsFile(environment_.files, folder_, input->settings,
                               language.cameraLanguage, language.tvMode));
  }

  int WriteGprs() {
    auto input = GprsSettingsFromJson(document_.settings, GprsSettings{});
    if (!input.ok()) return BadInput(input.message());
    if (auto status = CheckGprsAutoMode(document_.settings, input->settings); !status.ok()) {
      return BadInput(status.message());
    }
    if (const auto failed = FirstFailedGprsSave(input->settings)) {
      return CheckFailed(GprsCheckMessage(*failed, options_.language));
    }
    const auto language = Resolve(input->language);
    return Finish(
        WriteGprsFile(environment_.files, folder_, input->settings, language.cameraLanguage));
  }

  int WriteSms() {
    auto input = SmsSettingsFromJson(document_.settings, SmsSettings{});
    if (!input.ok()) return BadInput(input.message());
    if (const auto failed = FirstFailedSmsCheck(input->settings)) {
      return CheckFailed(SmsCheckMessage(*failed, options_.language));
    }
    const auto language = Resolve(input->language);
    return Finish(
        WriteSmsFile(environment_.files, folder_, input->settings, language.cameraLanguage));
  }

  ResolvedLanguage Resolve(const FileLanguage& from_settings) const {
    return ResolveFileLanguage(options_.overrides, from_settings);
  }

  std::string FileName() const { return std::string(FileKindFileName(options_.kind)); }

  int BadInput(const std::string& message) {
    err_ << kPrefix << message << "\n";
    return kExitBadInput;
  }

  // The form's own message stays the last line, for scripts to pick up.
  int CheckFailed(const std::string& form_message) {
    err_ << kPrefix << FileName() << " was not written; the form's save check says:\n"
         << form_message << "\n";
    return kExitCheckFailed;
  }

  int Finish(const Status& written) {
    if (!written.ok()) {
      err_ << kPrefix << FileName() << " could not be written: " << written.message() << "\n";
      return kExitWriteFailed;
    }
    out_ << "Wrote " << PathToUtf8(folder_ / FileName()) << "\n";
    return kExitOk;
  }

  const WriteOptions& options_;
  const CliEnvironment& environment_;
  std::ostream& out_;
  std::ostream& err_;
  std::filesystem::path folder_;
  SettingsDocument document_;
};

}  // namespace

int RunWrite(const WriteOptions& options, const CliEnvironment& environment, std::ostream& out,
             std::ostream& err) {
  return WriteRun(options, environment, out, err).Run();
}

}  // namespace quelmo
