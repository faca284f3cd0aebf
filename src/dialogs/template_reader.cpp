#include "dialogs/template_reader.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/template_names.h"

namespace quelmo {
namespace {

using Json = nlohmann::json;

// Where in the template the reader is: each open object or array is one
// level. kSkipped: a value the template does not use, read past whole.
enum class Level { kRoot, kFont, kControls, kControl, kStyles, kSkipped };

// The fields a level takes, by key; each may come once.
enum Field : std::uint32_t {
  kNone = 0,
  kId = 1u << 0,
  kWidth = 1u << 1,
  kHeight = 1u << 2,
  kTitle = 1u << 3,
  kFontField = 1u << 4,
  kMenuCommand = 1u << 5,
  kTopmost = 1u << 6,
  kControlsField = 1u << 7,
  kX = 1u << 8,
  kY = 1u << 9,
  kKind = 1u << 10,
  kStyle = 1u << 11,
  kText = 1u << 12,
  kFamily = 1u << 13,
  kPointSize = 1u << 14,
  kUnknown = 1u << 31,
};

Field FieldNamed(Level level, const std::string& key) {
  struct Named {
    const char* key;
    Field field;
  };
  static constexpr Named kRootFields[] = {
      {"id", kId},          {"width", kWidth},         {"height", kHeight},
      {"title", kTitle},    {"font", kFontField},      {"systemMenuCommand", kMenuCommand},
      {"topmost", kTopmost}, {"controls", kControlsField}};
  static constexpr Named kControlFields[] = {{"id", kId},     {"x", kX},         {"y", kY},
                                            {"w", kWidth},   {"h", kHeight},    {"kind", kKind},
                                            {"style", kStyle}, {"text", kText}};
  static constexpr Named kFontFields[] = {{"family", kFamily}, {"pointSize", kPointSize}};
  auto find = [&key](const auto& fields) {
    for (const Named& named : fields) {
      if (key == named.key) return named.field;
    }
    return kUnknown;
  };
  switch (level) {
    case Level::kRoot:
      return find(kRootFields);
    case Level::kControl:
      return find(kControlFields);
    case Level::kFont:
      return find(kFontFields);
    default:
      return kUnknown;
  }
}

// Gives up (returns false) on anything a sound template does not hold; the
// caller then reads the document for the reason.
class Reader final : public nlohmann::json_sax<Json> {
 public:
  DialogTemplate dialog;
  bool whole = false;  // the root object was read to its end

  bool null() override { return Other(); }
  bool boolean(bool value) override {
    if (Top() == Level::kRoot && field_ == kTopmost) dialog.topmost = value;
    return Other();
  }
  bool number_integer(number_integer_t value) override {
    return Number(static_cast<double>(value));
  }
  bool number_unsigned(number_unsigned_t value) override {
    return Number(static_cast<double>(value));
  }
  bool number_float(number_float_t value, const string_t& /*text*/) override {
    return Number(value);
  }
  bool string(string_t& value) override {
    if (NeedsNumber()) return false;
    switch (Top()) {
      case Level::kRoot:
        if (field_ == kTitle) dialog.title = std::move(value);
        break;
      case Level::kFont:
        if (field_ == kFamily) font_family_ = std::move(value);
        break;
      case Level::kControl:
        if (field_ == kKind) {
          const std::optional<ControlKind> kind = KindNamed(value);
          if (!kind) return false;
          control_.kind = *kind;
        } else if (field_ == kText) {
          control_.text = std::move(value);
        }
        break;
      case Level::kStyles:
        return ApplyStyle(value, control_.style);
      case Level::kControls:
        return false;
      case Level::kSkipped:
        break;
    }
    return Scalar();
  }
  bool binary(binary_t& /*value*/) override { return false; }

  bool start_object(std::size_t /*elements*/) override {
    if (levels_.empty()) return Open(Level::kRoot);
    if (NeedsNumberOrText()) return false;
    switch (Top()) {
      case Level::kRoot:
        return Open(field_ == kFontField ? Level::kFont : Level::kSkipped);
      case Level::kControls:
        control_ = ControlTemplate{};
        return Open(Level::kControl);
      case Level::kControl:
      case Level::kFont:
        return Open(Level::kSkipped);
      case Level::kStyles:
        return false;
      case Level::kSkipped:
        return Open(Level::kSkipped);
    }
    return false;
  }

  bool key(string_t& name) override {
    if (Top() == Level::kSkipped) return true;
    field_ = FieldNamed(Top(), name);
    if (field_ == kUnknown) return true;
    if ((seen_.back() & field_) != 0) return false;  // a repeated key: the document decides
    seen_.back() |= field_;
    return true;
  }

  bool end_object() override {
    const Level closed = Top();
    const std::uint32_t seen = seen_.back();
    Close();
    switch (closed) {
      case Level::kRoot:
        if ((seen & (kId | kWidth | kHeight)) != (kId | kWidth | kHeight)) return false;
        if (dialog.width <= 0 || dialog.height <= 0) return false;
        whole = true;
        return true;
      case Level::kFont:
        dialog.fontFamily = std::move(font_family_);
        if ((seen & kPointSize) != 0) dialog.pointSize = point_size_;
        return Scalar();
      case Level::kControl: {
        constexpr std::uint32_t kPlaces = kId | kX | kY | kWidth | kHeight;
        if ((seen & kPlaces) != kPlaces || (seen & kKind) == 0) return false;
        if (control_.width < 0 || control_.height < 0) return false;
        if (control_.id > 0 && dialog.Find(control_.id) != nullptr) return false;
        dialog.controls.push_back(std::move(control_));
        return true;
      }
      default:
        return Scalar();
    }
  }

  bool start_array(std::size_t /*elements*/) override {
    if (levels_.empty() || NeedsNumberOrText()) return false;
    switch (Top()) {
      case Level::kRoot:
        return Open(field_ == kControlsField ? Level::kControls : Level::kSkipped);
      case Level::kControl:
        return Open(field_ == kStyle ? Level::kStyles : Level::kSkipped);
      case Level::kFont:
        return Open(Level::kSkipped);
      case Level::kControls:
      case Level::kStyles:
        return false;
      case Level::kSkipped:
        return Open(Level::kSkipped);
    }
    return false;
  }

  bool end_array() override {
    Close();
    return Scalar();
  }

  bool parse_error(std::size_t /*position*/, const std::string& /*last_token*/,
                   const nlohmann::detail::exception& /*error*/) override {
    return false;
  }

 private:
  static bool IsPlace(Field field) {
    return field == kId || field == kX || field == kY || field == kWidth || field == kHeight;
  }

  // The field pending must be a number: a place, a size, the font's size.
  bool NeedsNumber() const {
    switch (Top()) {
      case Level::kRoot:
        return field_ == kId || field_ == kWidth || field_ == kHeight;
      case Level::kControl:
        return IsPlace(field_);
      case Level::kFont:
        return field_ == kPointSize;
      default:
        return false;
    }
  }

  // The value pending must be a number or a string: a style name, a list
  // of controls holds objects only, and a kind is a name.
  bool NeedsNumberOrText() const {
    return NeedsNumber() || Top() == Level::kStyles || (Top() == Level::kControl && field_ == kKind);
  }

  // null, true or false.
  bool Other() {
    if (NeedsNumberOrText() || Top() == Level::kControls) return false;
    return Scalar();
  }

  Level Top() const { return levels_.empty() ? Level::kSkipped : levels_.back(); }

  bool Open(Level level) {
    levels_.push_back(level);
    seen_.push_back(kNone);
    field_ = kNone;
    return true;
  }

  void Close() {
    levels_.pop_back();
    seen_.pop_back();
    field_ = kNone;
  }

  // A value of the level above ended: no field is pending.
  bool Scalar() {
    field_ = kNone;
    return true;
  }

  bool Number(double value) {
    const Level level = Top();
    if (level == Level::kStyles || level == Level::kControls) return false;
    if (level == Level::kSkipped) return Scalar();
    if (level == Level::kRoot && field_ == kMenuCommand) {
      dialog.systemMenuCommand = WholeInt(value).value_or(0);
      return Scalar();
    }
    if (level == Level::kControl && (field_ == kKind)) return false;
    int* place = nullptr;
    if (level == Level::kRoot) {
      place = field_ == kId ? &dialog.id
              : field_ == kWidth ? &dialog.width
              : field_ == kHeight ? &dialog.height
                                  : nullptr;
    } else if (level == Level::kControl) {
      place = field_ == kId ? &control_.id
              : field_ == kX ? &control_.x
              : field_ == kY ? &control_.y
              : field_ == kWidth ? &control_.width
              : field_ == kHeight ? &control_.height
                                  : nullptr;
    } else if (level == Level::kFont && field_ == kPointSize) {
      const std::optional<int> points = WholeInt(value);
      if (!points || *points <= 0) return false;
      point_size_ = *points;
      return Scalar();
    }
    if (place != nullptr) {
      const std::optional<int> number = WholeInt(value);
      if (!number) return false;
      *place = *number;
    }
    return Scalar();
  }

  std::vector<Level> levels_;
  std::vector<std::uint32_t> seen_;  // per level: the fields read so far
  Field field_ = kNone;              // the field whose value comes next
  ControlTemplate control_;
  std::string font_family_;
  int point_size_ = 9;
};

}  // namespace

std::optional<DialogTemplate> ReadSoundTemplate(std::string_view json) {
  Reader reader;
  const bool read = Json::sax_parse(json.begin(), json.end(), &reader, nlohmann::json::input_format_t::json,
                                    /*strict=*/true);
  if (!read || !reader.whole) return std::nullopt;
  return std::move(reader.dialog);
}

}  // namespace quelmo
