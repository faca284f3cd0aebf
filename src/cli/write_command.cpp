#include "cli/write_command.h"

#include "camera/camera_file.h"
#include "cli/camera_json.h"
#include "cli/exit_codes.h"
#include "cli/gprs_json.h"
#include "cli/mms_json.h"
#include "cli/out_folder.h"
#include "cli/sms_json.h"
#include "mms/mms_checks.h"
#include "mms/mms_file.h"
#include "mms/mms_presets.h"
#include "record/file_batch.h"
#include "record/staged_write.h"
#include "sms/sms_checks.h"
#include "sms/sms_file.h"
#include "smtp/gprs_checks.h"
#include "smtp/gprs_file.h"

namespace quelmo {
namespace {

constexpr const char* kPrefix = "quelmo-cli write: ";

class WritePreparation {
 public:
  WritePreparation(const WriteOptions& options, const SettingsDocument& document,
                   const LocalClock& clock)
      : options_(options), document_(document), clock_(clock) {}

  PreparedWrite Run() {
    switch (options_.kind) {
      case FileKind::kCamera: return WriteCamera();
      case FileKind::kMms: return WriteMms();
      case FileKind::kGprs: return WriteGprs();
      case FileKind::kSms: return WriteSms();
    }
    return BadInput("unknown KIND");
  }

 private:
  PreparedWrite WriteCamera() {
    if (options_.writeDefault || document_.isDefaultCamera) {
      return Ready(CameraFileBytes(BuildDefaultCameraRecord()), {});
    }
    CameraSettings initial;
    SetCameraClock(initial, TakeLocalClock(clock_));
    auto input = CameraSettingsFromJson(document_.settings, initial);
    if (!input.ok()) return BadInput(input.message());
    const auto language = Resolve(input->language);
    const SettingRecord record =
        BuildCameraRecord(input->settings, language.cameraLanguage, language.tvMode);
    return Ready(CameraFileBytes(record), {});
  }

  PreparedWrite WriteMms() {
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
    return Ready(MmsFileBytes(input->settings, language.cameraLanguage, language.tvMode),
                 StagingFileBytes(
                     BuildMmsRecords(input->settings, language.cameraLanguage, language.tvMode)));
  }

  PreparedWrite WriteGprs() {
    auto input = GprsSettingsFromJson(document_.settings, GprsSettings{});
    if (!input.ok()) return BadInput(input.message());
    if (auto status = CheckGprsAutoMode(document_.settings, input->settings); !status.ok()) {
      return BadInput(status.message());
    }
    if (const auto failed = FirstFailedGprsSave(input->settings)) {
      return CheckFailed(GprsCheckMessage(*failed, options_.language));
    }
    const auto language = Resolve(input->language);
    return Ready(GprsFileBytes(input->settings, language.cameraLanguage),
                 StagingFileBytes(BuildGprsRecords(input->settings, language.cameraLanguage)));
  }

  PreparedWrite WriteSms() {
    auto input = SmsSettingsFromJson(document_.settings, SmsSettings{});
    if (!input.ok()) return BadInput(input.message());
    if (const auto failed = FirstFailedSmsCheck(input->settings)) {
      return CheckFailed(SmsCheckMessage(*failed, options_.language));
    }
    const auto language = Resolve(input->language);
    return Ready(SmsFileBytes(input->settings, language.cameraLanguage),
                 StagingFileBytes(BuildSmsRecords(input->settings, language.cameraLanguage)));
  }

  ResolvedLanguage Resolve(const FileLanguage& from_settings) const {
    return ResolveFileLanguage(options_.overrides, from_settings);
  }

  PreparedWrite BadInput(std::string message) const {
    return PreparedWrite{kExitBadInput, std::move(message), {}, {}};
  }

  PreparedWrite CheckFailed(std::string form_message) const {
    return PreparedWrite{kExitCheckFailed, std::move(form_message), {}, {}};
  }

  static PreparedWrite Ready(std::vector<std::uint8_t> bytes, std::vector<std::uint8_t> staging) {
    return PreparedWrite{kExitOk, {}, std::move(bytes), std::move(staging)};
  }

  const WriteOptions& options_;
  const SettingsDocument& document_;
  const LocalClock& clock_;
};

int BadUsage(std::ostream& err, const std::string& message) {
  err << kPrefix << message << "\n";
  return kExitBadInput;
}

}  // namespace

PreparedWrite PrepareWrite(const WriteOptions& options, const SettingsDocument& document,
                           const LocalClock& clock) {
  return WritePreparation(options, document, clock).Run();
}

int RunWrite(const WriteOptions& options, const CliEnvironment& environment, std::ostream& out,
             std::ostream& err) {
  if (options.writeDefault && options.kind != FileKind::kCamera) {
    return BadUsage(err, "--default writes the default camera file; it needs KIND camera");
  }
  if (options.writeDefault && options.settingsPath) {
    return BadUsage(err, "--default and --settings exclude each other: the default file carries "
                         "no settings");
  }
  SettingsDocument document;
  if (options.settingsPath) {
    auto loaded = LoadSettingsDocument(PathFromUtf8(*options.settingsPath), options.kind);
    if (!loaded.ok()) return BadUsage(err, loaded.message());
    document = std::move(loaded).value();
  }
  const std::string file_name(FileKindFileName(options.kind));
  PreparedWrite prepared = PrepareWrite(options, document, environment.clock);
  if (prepared.refusal == kExitCheckFailed) {
    // The form's own message stays the last line, for scripts to pick up.
    err << kPrefix << file_name << " was not written; the form's save check says:\n"
        << prepared.message << "\n";
    return kExitCheckFailed;
  }
  if (prepared.refusal != kExitOk) return BadUsage(err, prepared.message);

  auto folder = ResolveOutFolder(options.outFolder, environment.volumes);
  if (!folder.ok()) return BadUsage(err, folder.message());
  const FileToWrite file{file_name, prepared.bytes, prepared.staging};
  const BatchOutcome outcome = WriteFilesTogether(environment.files, *folder, {&file, 1});
  if (Status written = BatchStatus(outcome, *folder); !written.ok()) {
    err << kPrefix << file_name << " could not be written: " << written.message() << "\n";
    return kExitWriteFailed;
  }
  out << "Wrote " << PathToUtf8(*folder / file_name) << "\n";
  return kExitOk;
}

}  // namespace quelmo
