#include "app/launcher_texts.h"

#include <array>

#include "text/language_code.h"

namespace quelmo {
namespace {

// Per language, the texts that differ from English; nullptr keeps English.
struct Overrides {
  const char* camera = nullptr;
  const char* mms = nullptr;
  const char* gprs = nullptr;
  const char* sms = nullptr;
  const char* languageLabel = nullptr;
  const char* modelLabel = nullptr;
};

constexpr LauncherTexts kEnglishTexts = {
    "Camera Setting", "MMS Setting", "GPRS Setting",   "SMS Setting",
    "Select Language", "Camera Model", "Version:1.0.005",
};

constexpr const char* kChineseVersion = "程序版本:1.0.005";

// Indexed by language code; 0 and 2 have nothing of their own.
const std::array<Overrides, 12> kOverrides = {{
    {},
    {"相机设置", "彩信设置", "GPRS设置", "短信设置", "选择语言", "机器型号"},
    {},
    {"Kamera Einstellungen", "MMS Einstellungen", "GPRS Einstellungen", "SMS Einstellungen"},
    {"kamera-asetukset", "MMS valikot"},
    {"Setup camera", "impost. MMS"},
    {"Reglage camera", "Reglage MMS"},
    {"Kamera beallita", "MMS beol."},
    {"Nast. kamere", "Nastavi MMS", "GPRS nastavitve", "SMS nastavitve", nullptr, "Model Kamera"},
    {"Nastaveni", "Nastaveni MMS", "Nastaveni GPRS", nullptr, "Zvolit Jazyk", "Fotopast Model"},
    {"本体設定", "MMS設定", "GPRS 設定"},
    {" Kameros nustat.", "MMS nustat.", "GPRS nustat."},
}};

const char* Either(const char* own, const char* english) { return own != nullptr ? own : english; }

}  // namespace

LauncherTexts LauncherTextsFor(int language_index) {
  LauncherTexts texts = kEnglishTexts;
  if (language_index < 1 || language_index > kLithuanian) return texts;
  const Overrides& own = kOverrides[static_cast<std::size_t>(language_index)];
  texts.cameraButton = Either(own.camera, texts.cameraButton);
  texts.mmsButton = Either(own.mms, texts.mmsButton);
  texts.gprsButton = Either(own.gprs, texts.gprsButton);
  texts.smsButton = Either(own.sms, texts.smsButton);
  texts.languageLabel = Either(own.languageLabel, texts.languageLabel);
  texts.modelLabel = Either(own.modelLabel, texts.modelLabel);
  if (language_index == kChinese) texts.versionLabel = kChineseVersion;
  return texts;
}

std::vector<std::string> LanguageListEntries(int language_index) {
  return {language_index == kChinese ? "中文" : "Chinese", "English", "Deutsch"};
}

}  // namespace quelmo
