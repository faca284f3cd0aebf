#include "remote_control/remote_control_texts.h"

#include <array>

#include "remote_control/sms_control_mode.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

// One text per language code, code 1 first:
//   Chinese, English, German, Finnish, Italian, French,
//   Hungarian, Slovenian, Czech, Japanese, Lithuanian.
using LanguageRow = std::array<std::string_view, kLanguageCount>;

constexpr LanguageRow kSmsControlCaption = {
    "短信控制", "SMS Control", "SMS Uberwachung", "SMS Control", "SMS Control", "SMS Control",
    "SMS Control", "SMS upravljanje", "SMS Control", "SMS Control", " SMS nuotol.valdymas"};

constexpr LanguageRow kOffEntry = {"关闭", "Off", "Aus", "pois", "OFF", "Arret",
                                   "Off", "Izklop", "Vypnuto", "オフ", "NE"};

constexpr LanguageRow kDailyLimitCaption = {
    "每天发送张数",   "Max Image No./ day", "Max Anzahl Bilder/Tag", "kuvien maara / paiva",
    "N. immagine/data", "Image No/jour",      "Kepsz./ nap",           "St. slik/dan",
    "Snimku za den",  "撮影数/1日",          "Siusti per diena"};

constexpr LanguageRow kDailyLimitNote = {"提示： 0 = 不限制发送张数",
                                         "Note: 0 = Unlimited Image no.",
                                         "Anmerkung:0 = Keine Begrenzung",
                                         "huom! 0 = rajaton",
                                         "Nota: -0- = illimitato",
                                         "Remarque -0- = illimite",
                                         "Megj. -0- = korlutlan",
                                         "Opomba: 0 pomeni neomejeno st. MMS",
                                         "Pozor:0=neomezene",
                                         "注意：0=制限なし",
                                         "Past: Pasir. -00- Neribota"};

constexpr LanguageRow kSelectFolderCaption = {"选择目录",  "Select",    "Auswahl", "valitse",
                                              "Seleziona", "Choix",     "Kivalaszt", "Izberi",
                                              "Vybrat",    "フォルダ選択", "Pasirinkti"};

constexpr LanguageRow kSaveCaption = {"保存设置", "Save", "Save", "luo",          "Save", "Save",
                                      "Save",     "Save", "Save", "ファイル作成", " Save"};

constexpr LanguageRow kExitCaption = {"退出",  "Exit",   "Exit",   "poistu", "Indiet", "Retour",
                                      "Vissz.", "Nazaj", "Vystup", "終了",   "Iseiti"};

// The intervals before "Off": Chinese, German, and the same for every other code.
constexpr std::array<std::string_view, 5> kChineseIntervals = {"打开", "5 分钟", "30 分钟",
                                                               "1 小时", "2 小时"};
constexpr std::array<std::string_view, 5> kGermanIntervals = {"Ein", "5 Min", "30 Min",
                                                              "1 Hour", "2 Hour"};
constexpr std::array<std::string_view, 5> kOtherIntervals = {"On", "5 Min", "30 Min", "1 Hour",
                                                             "2 Hour"};
// "Off" follows the intervals, so its index is what the files store for it.
static_assert(kOtherIntervals.size() == kSmsControlOff);

std::string_view Cell(const LanguageRow& row, int language_index) {
  return row[static_cast<std::size_t>(ShownLanguage(language_index) - 1)];
}

}  // namespace

std::vector<std::string> SmsControlEntries(int language_index) {
  const int language = ShownLanguage(language_index);
  const auto& intervals = language == kChinese  ? kChineseIntervals
                          : language == kGerman ? kGermanIntervals
                                                : kOtherIntervals;
  std::vector<std::string> entries(intervals.begin(), intervals.end());
  entries.emplace_back(Cell(kOffEntry, language));
  return entries;
}

std::string_view SmsControlHint(int language_index) {
  return language_index == kChinese ? kSmsControlHintChinese : kSmsControlHintEnglish;
}

std::string_view SmsControlCaption(int language_index) {
  return Cell(kSmsControlCaption, language_index);
}
std::string_view DailyLimitCaption(int language_index) {
  return Cell(kDailyLimitCaption, language_index);
}
std::string_view DailyLimitNote(int language_index) {
  return Cell(kDailyLimitNote, language_index);
}
std::string_view SelectFolderCaption(int language_index) {
  return Cell(kSelectFolderCaption, language_index);
}
std::string_view SaveCaption(int language_index) { return Cell(kSaveCaption, language_index); }
std::string_view ExitCaption(int language_index) { return Cell(kExitCaption, language_index); }

}  // namespace quelmo
