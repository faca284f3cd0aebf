#pragma once
// What one kind of setting file is, as the command-line tool needs to know
// it: its name and file, how its bytes are recognised, how its settings are
// read from JSON, checked and written, how a file of it is shown, and the
// presets of its Auto mode. Each kind's folder owns its description; the
// tool goes through them and knows no kind's rules itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "controls/local_clock.h"
#include "kind/file_language.h"
#include "kind/settings_fields.h"
#include "operators/operator_database.h"
#include "record/file_integrity.h"
#include "record/setting_record.h"

namespace quelmo {

// A file as read back for show, check and export.
struct ReadBackFile {
  bool isDefault = false;  // the default camera file: no settings of its own
  ShownSettings settings;
  FileIntegrity integrity;
};

// What write and import ask of a kind.
struct WriteRequest {
  const Json& settings;        // the JSON object of settings
  bool writeDefault = false;   // the default file (kinds that have one)
  int messageLanguage = 2;     // language of the save checks' messages
  FileLanguage overrides;      // --camera-language, --tv-mode
  const LocalClock& clock;     // the time now, for kinds that store a clock
};

// A file made ready from settings: read and checked, so that nothing is left
// to refuse but the disk.
struct PreparedFile {
  enum class Refusal { kNone, kBadSettings, kCheckFailed };
  Refusal refusal = Refusal::kNone;
  std::string message;  // why not; for a failed save check, the form's own message
  // The file as it is to be on disk, and for a scrambled file the scratch
  // file's bytes on the way (record/file_batch.h); set when not refused.
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint8_t> staging;

  static PreparedFile BadSettings(std::string why) {
    return {Refusal::kBadSettings, std::move(why), {}, {}};
  }
  static PreparedFile CheckFailed(std::string form_message) {
    return {Refusal::kCheckFailed, std::move(form_message), {}, {}};
  }
};

// The presets of a kind's Auto mode as the tool lists them.
struct PresetValue {
  std::string_view key;  // the kind's settings key for it, else the preset's column
  std::string_view value;
};
struct ListedOperator {
  int index = 0;
  std::string_view name;
  bool hasData = false;  // false: no built-in parameters, Customer mode only
  std::vector<PresetValue> values;
};
struct PresetListing {
  int countryCount = 0;
  std::string (*countryName)(int country);  // English
  std::vector<ListedOperator> (*operatorsOf)(int country);
};

struct KindDescription {
  std::string_view name;      // "gprs": KIND on the command line, "file" in show's JSON
  std::string_view fileName;  // "gprs.dat"
  std::size_t fileSize = 0;
  // How much the bytes look like this kind's layout, weighed against the
  // other kinds of the same size; 0 when nothing speaks for it.
  int (*layoutScore)(std::span<const std::uint8_t> bytes) = nullptr;
  ReadBackFile (*readBack)(std::span<const std::uint8_t> bytes, bool reveal) = nullptr;
  PreparedFile (*prepare)(const WriteRequest& request) = nullptr;
  // The keys whose values show hides unless revealed.
  std::span<const std::string_view> secretKeys;
  // The text records of its layout and the key each is shown as; where
  // another kind of the same size keeps a password in a record, a file whose
  // content may be of that kind hides this kind's value of it too.
  std::vector<NamedTextRecord> (*textRecords)() = nullptr;
  const PresetListing* presets = nullptr;  // kinds without an Auto mode have none
  // write --operator: Customer mode with a provider's values from the
  // operator database, set as the kind's JSON keys into `settings`. A value
  // the file cannot hold is an error naming each such value. nullptr for a
  // kind without operator parameters.
  Status (*applyOperator)(const OperatorProvider& provider, Json& settings) = nullptr;
  bool hasDefaultFile = false;             // a default file, written by --default
  // The key of a clock the file stores, which import --clock-now sets to now.
  std::string_view clockKey = {};
};

}  // namespace quelmo

namespace quelmo {

// No save of a form writes settings that fail its own checks, so a file that
// does was made or changed by something else, and write would refuse its
// settings. Under a sound frame that is an unusual value, not damage.
inline void WarnOfFailedSaveCheck(const std::optional<std::string>& failed_check_message,
                                  FileIntegrity& integrity) {
  if (!failed_check_message) return;
  integrity.warnings.push_back("the settings fail the form's save check: " +
                               *failed_check_message);
}

}  // namespace quelmo
