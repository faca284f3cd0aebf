#include "camera/camera_texts.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <iterator>

#include "text/language_code.h"

namespace quelmo {
namespace {

// One text per language code, code 1 first:
//   Chinese, English, German, Finnish, Italian, French,
//   Hungarian, Slovenian, Czech, Japanese, Lithuanian.
using LanguageRow = std::array<const char*, kLanguageCount>;

// The control keeps the text of the window template in that language.
constexpr const char* kKept = nullptr;

struct ControlTexts {
  ControlId id;
  LanguageRow texts;
};

// ---- Labels and buttons, one row per control ------------------------------

constexpr ControlTexts kLabelSet[] = {
    {kCameraModeLabel,
     {"模式", "Mode", "Modus", "kuvaustila", "Modo", "Mode", "Mod", "Nacin", "Rezim", "モード",
      "Rezimas"}},
    {kImageSizeLabel,
     {"图象尺寸", "Image Size", "Fotoaufl.", "kuvan koko", "Dim. foto", "Taille photo", "Fenykepmer.",
      "Velikost slike", "Rozlis.foto", "静止画解像度", "Nuotraukos dyd."}},
    {kVideoSizeLabel,
     {"录像尺寸", "Video Size", "Videoaufl.", "videon koko", "Dim. video", "Taille video",
      "Video meret", "Velikost videa", "Rozlis.video", "動画解像度", "Video dydis"}},
    {kPictureCountLabel,
     {"拍摄张数", "Picture No.", "Bildanzahl", "kuvien lkm", "Foto no.", "Numero photo",
      "Fenykepsz.", "St. slik", "Poc. Zaznamu", "連続撮影", "Nuotr.numeris"}},
    {kTimeStampLabel,
     {"时间戳", "Time Stamp", "Zeitstempel", "aikaleima", "Data/ora", "Tampon temps", "Idobelyeg.",
      "Prikaz datuma", "Otisk dat/cas", "タイムスタンプ", "Datos zyme"}},
    {kSenseLevelLabel,
     {"灵敏度", "Sense Level", "Sensor empf.", "herkkyystaso", "Sensore sens.", "Sensib capteur",
      "Erzekelo erz.", "Obcutljivost", "Citlivost PIR", "センサー感度", "Jautrumas"}},
    {kBeepLabel,
     {"声音", "Beep Sound", "Summer", "Beep Sound", "Beep Sound", "Beep Sound", "Beep Sound", "Zvok",
      "Beep Sound", "Beep Sound", "Beep Sound"}},
    {kVideoLengthLabel,
     {"录像长度", "Video Length", "Videolaufzeit", "videon pituus", "Lungh. video",
      "Long. de video", "Video hossz", "Dolzina slike", "Delka video", "動画撮影時間",
      "Iraso trukme"}},
    {kPirIntervalLabel,
     {"间隔时间", "PIR Interval", "PIR Intervall", "PIR ottoviive", "PIR Intervallo",
      "PIR Intervalle", "PIR Interval", "PIR Interval", "PIR Prodleva", "インターバル",
      "PIR Intervalas"}},
    {kClockLabel,
     {"设置时间", "Set Clock", "Zeit einst", "aseta kello", "Imposta ora", "Regler horloge",
      "Uraollitos", "Nastavi uro", "Datum a cas", "日時設定", "Laiko nustat."}},
    {kTimer1Label,
     {"定时设置1", "Timer1", "Zeitschaltuhr1", "ajastinkytkin1", "Timer1", "Minuterie1",
      "Idokapcs. ora1", "Casovnik1", "Casovac1", "タイマー", "Laikmatis1"}},
    {kTimer2Label,
     {"定时设置2", "Timer2", "Zeitschaltuhr2", "ajastinkytkin2", "Timer2", "Minuterie2",
      "Idokapcs. ora2", "Casovnik2", "Casovac2", "タイマー2", "Laikmatis2"}},
    {kSerialLabel,
     {"序列号", "Serial No.", "Seriennr.", "aseta srj.n:o", "No. di serie", "No de ssrie", "Sorsz.",
      "Serijska st.", "Por.cislo", "任意文字挿入", "Serijinis Nr"}},
    {kTimeLapseLabel,
     {"定时拍摄", "Time Lapse", "Zeitraffer", "ajastin kuvaus", "Eff. accel.", "Accelere",
      "Idolass.", "Time Lapse", "Casosber", "タイムラプス", "Laikmacio tarp"}},
    {kTimer1StartLabel,
     {"开始:", "Start:", "Start:", "Start:", "Avvio:", "Start:", "Start:", "Zacetek:", "Start:",
      "開始:", "Pradeti:"}},
    {kTimer1StopLabel,
     {"停止:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Konec:", "Stop:", "終了:",
      "Stabdyti:"}},
    {kTimer2StartLabel,
     {"开始:", "Start:", "Start:", "Start:", "Avvio:", "Start:", "Start:", "Zacetek:", "Start:",
      "開始:", kKept}},
    {kTimer2StopLabel,
     {"停止:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Konec:", "Stop:", "終了:",
      kKept}},
    {kSaveButton,
     {"保存设置", "Save", "Sparen", "Save", "Save", "Save", "Save", "Save", "Save", "ファイル作成",
      " Save"}},  // the Lithuanian leading blank is part of the text
    {kDefaultButton,
     {"出厂设置", "Default", "Werkseinstell.", "oletusasetus.", "Imp. fabbrica.", "Reglage usine",
      "Gyari beall.", "Privzeto", "Reset", "初期設定", "Gamykl.nustat."}},
    {kExitButton,
     {"退出", "Exit", "Exit", "poistu", "Indiet", "Retour", "Vissz.", "Izhod", "Vystup", "終了",
      "Iseiti"}},
    {kSyncTimeButton,
     {"同步系统时间", "Sync Time", "Uhrzeit anfragen", "Hae aika", "Prel. Ora", "Obtenir heure",
      "Idot szerez", "Pridobi uro", "Nastavit cas", "PC時間反映", "Nuskait.laika"}},
};

constexpr ControlTexts kSelectButtonText = {
    kSelectFolderButton,
    {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi",
     "Vybrat", "フォルダ選択", "Pasirinkti"}};

// ---- Group boxes and the labels that share one table for all languages ----

constexpr LanguageRow kWorkHourTexts = {"工作时间段", "Work Hour",  "Arbeitszeit", "Work Hour",
                                        "Work Hour",  "Work Hour",  "Work Hour",   "Work Hour",
                                        "Work Hour",  "Work Hour",  "Work Hour"};

constexpr ControlTexts kSharedTexts[] = {
    {kClockGroup,
     {"系统时间", "System Clock", "System Clock", "System Clock", "System Clock", "System Clock",
      "System Clock", "System Clock", "System Clock", "System Clock", "System Clock"}},
    {kWorkHour1Group, kWorkHourTexts},
    {kWorkHour2Group, kWorkHourTexts},
    {kSendModeLabel,
     {"发送模式", "MMS Status", "MMS Status", "MMS Status", "MMS Status", "MMS Status",
      "MMS Status", "MMS Status", "MMS Status", "MMS Status", "MMS Status"}},
    {kIrLightLabel,
     {"LED 亮度", "IR Light", "IR-Licht", "IR Light", "IR Light", "IR Light", "IR Light",
      "IR Light", "IR Light", "IR Light", "IR Light"}},
    {kSdCycleLabel,
     {"循环存储", "Cyclic Store", "SD Zyklus", "Cyclic Store", "Cyclic Store", "Cyclic Store",
      "Cyclic Store", "SD cikel", "Cyclic Store", "Cyclic Store", "Cyclic Store"}},
};

// ---- Unit labels above the time fields ------------------------------------
// Chinese and Japanese have their own; the others show the template's words.

constexpr LanguageRow kHourUnit = {"时",   "Hour", "Hour", "Hour", "Hour", "Hour",
                                   "Hour", "Hour", "Hour", "時",   "Hour"};
constexpr LanguageRow kMinuteUnit = {"分",  "Min", "Min", "Min", "Min", "Min",
                                     "Min", "Min", "Min", "分",  "Min"};
constexpr LanguageRow kSecondUnit = {"秒",  "Sec", "Sec", "Sec", "Sec", "Sec",
                                     "Sec", "Sec", "Sec", "秒",  "Sec"};

constexpr ControlTexts kUnitTexts[] = {
    {kTimer1StartHourUnit, kHourUnit},     {kTimer2StartHourUnit, kHourUnit},
    {kTimer1StopHourUnit, kHourUnit},      {kTimer2StopHourUnit, kHourUnit},
    {kTimeLapseHoursUnit, kHourUnit},      {kTimer1StartMinuteUnit, kMinuteUnit},
    {kTimer1StopMinuteUnit, kMinuteUnit},  {kTimer2StartMinuteUnit, kMinuteUnit},
    {kTimer2StopMinuteUnit, kMinuteUnit},  {kTimeLapseMinutesUnit, kMinuteUnit},
    {kTimeLapseSecondsUnit, kSecondUnit},
};

// ---- List entries, one row per entry --------------------------------------

constexpr LanguageRow kCameraModeTexts[] = {
    {"拍照", "Camera", "Foto-Kamera", "Kamera", "Foto", "Photo", "Camera", "Slika", "Foto", "静止画",
     "Foto"},
    {"录像", "Video", "Video-Kamera", "Video", "Video", "Video", "Video", "Video", "Video", "動画",
     "Video"},
    {"拍照+录像", "Camera+Video", "Foto+Video", "kam+Video", "Foto e video", "Photo+Video",
     "Camera+Video", "Slika+Video", "Foto+Video", "静止画+動画", "Foto+Video"},
};

// Entry 0; entries 1 and 2 replace its leading "01" with "02" and "03".
constexpr LanguageRow kPictureCountFirst = {"01 张",     "01 Photo", "01 Foto", "01 kuvaa",
                                            "01 Foto",   "01 Photo", "01 Fenykep", "01 slika",
                                            "01 Foto",   "01 Photo", "01 Foto"};

constexpr LanguageRow kOnWords = {"开", "On", "Ein", "paalla", "ON", "Marche",
                                  "Be", "Vklop", "Zapnuto", "オン", "TAIP"};
constexpr LanguageRow kOffWords = {"关", "Off", "Aus", "pois", "OFF", "Arret",
                                   "Ki", "Izklop", "Vypnuto", "オフ", "NE"};

// The Hungarian time-stamp list says "Off" where its other lists say "Ki".
constexpr LanguageRow kTimeStampOffWords = {"关", "Off", "Aus", "pois", "OFF", "Arret",
                                            "Off", "Izklop", "Vypnuto", "オフ", "NE"};

constexpr LanguageRow kSenseLevelTexts[] = {
    {"正常", "Normal", "Normal", "normaali", "Normale", "Normal", "Normul", "Normalna", "Normalni",
     "中", "Normalus"},
    {"高", "High", "Hoch", "korkea", "Alta", "Eleve", "Magas", "Visoka", "Vsoka", "高", "Aukstas"},
    {"低", "Low", "Niedring", "matala", "Bassa", "Bas", "Alacsony", "Nizka", "Nizka", "低", "Zemas"},
    // The off word, but for Chinese, which says "关闭" here.
    {"关闭", "Off", "Aus", "pois", "OFF", "Arret", "Ki", "Izklop", "Vypnuto", "オフ", "NE"},
};

constexpr LanguageRow kSendModeOff = {"关闭", "Off", "Aus", "pois", "OFF", "Arret",
                                      "Off", "Izklop", "Vypnuto", "オフ", "NE"};

constexpr LanguageRow kIrLightTexts[] = {
    {"高", "High", "High", "High", "High", "High", "High", "High", "High", "High", "High"},
    {"低", "Low", "Low", "Low", "Low", "Low", "Low", "Low", "Low", "Low", "Low"},
};

constexpr LanguageRow kSdCycleTexts[] = {
    {"关闭", "Off", "Aus", "pois", "OFF", "Arret", "Off", "Izklop", "Vypnuto", "オフ", "NE"},
    {"打开", "On", "Ein", "paalla", "ON", "Marche", "Be", "paalla", "Zapnuto", "オン", "TAIP"},
};

// ---- Guards: a forgotten cell shows up here, not on someone's screen ------

template <std::size_t N>
constexpr int CountKept(const ControlTexts (&table)[N]) {
  int kept = 0;
  for (const ControlTexts& row : table) {
    for (const char* text : row.texts) kept += text == kKept ? 1 : 0;
  }
  return kept;
}
static_assert(CountKept(kLabelSet) == 2, "only Lithuanian keeps two template texts");
static_assert(CountKept(kSharedTexts) == 0);
static_assert(CountKept(kUnitTexts) == 0);
static_assert(std::size(kLabelSet) == 22);

// ---- Lookups ---------------------------------------------------------------

constexpr ControlId kTextControls[] = {
    kClockGroup,       kWorkHour1Group,       kWorkHour2Group,       kSelectFolderButton,
    kCameraModeLabel,  kImageSizeLabel,       kVideoSizeLabel,       kPictureCountLabel,
    kTimeStampLabel,   kSenseLevelLabel,      kBeepLabel,            kVideoLengthLabel,
    kPirIntervalLabel, kClockLabel,           kTimer1Label,          kTimer2Label,
    kSerialLabel,      kTimeLapseLabel,       kTimer1StartLabel,     kTimer1StopLabel,
    kTimer2StartLabel, kTimer2StopLabel,      kSaveButton,           kDefaultButton,
    kExitButton,       kSyncTimeButton,       kSendModeLabel,        kIrLightLabel,
    kSdCycleLabel,     kTimer1StartHourUnit,  kTimer2StartHourUnit,  kTimer1StopHourUnit,
    kTimer2StopHourUnit, kTimeLapseHoursUnit, kTimer1StartMinuteUnit, kTimer1StopMinuteUnit,
    kTimer2StartMinuteUnit, kTimer2StopMinuteUnit, kTimeLapseMinutesUnit, kTimeLapseSecondsUnit,
};

// Time lists first, then the language's list set, then the shared lists: the
// order in which the form fills them.
constexpr ControlId kListControls[] = {
    kVideoLengthList, kPirIntervalList, kCameraModeList,  kImageSizeList,   kVideoSizeList,
    kPictureCountList, kTimeStampList,  kSenseLevelList,  kBeepList,        kTimer1List,
    kTimer2List,      kSerialList,      kSerialChar1List, kSerialChar2List, kSerialChar3List,
    kSerialChar4List, kTimeLapseList,   kSendModeList,    kIrLightList,     kSdCycleList,
};
static_assert(std::size(kListControls) == 20);

const char* Cell(const LanguageRow& row, int language) { return row[language - 1]; }

template <std::size_t N>
const ControlTexts* FindRow(const ControlTexts (&table)[N], ControlId id) {
  const auto* found =
      std::find_if(std::begin(table), std::end(table), [id](const ControlTexts& row) { return row.id == id; });
  return found == std::end(table) ? nullptr : found;
}

std::vector<std::string> Entries(std::initializer_list<const char*> texts) {
  return {texts.begin(), texts.end()};
}

template <std::size_t N>
std::vector<std::string> Column(const LanguageRow (&rows)[N], int language) {
  std::vector<std::string> entries;
  for (const LanguageRow& row : rows) entries.emplace_back(Cell(row, language));
  return entries;
}

std::vector<std::string> PictureCountEntries(int language) {
  const std::string first = Cell(kPictureCountFirst, language);
  const std::string rest = first.substr(2);  // after the leading "01"
  return {first, "02" + rest, "03" + rest};
}

// "1 Sec" ... "60 Sec" (Chinese "1 秒" ...): the number without leading zero,
// one blank, the unit.
std::vector<std::string> CountedEntries(int from, int to, const char* unit) {
  std::vector<std::string> entries;
  for (int n = from; n <= to; ++n) entries.push_back(std::to_string(n) + " " + unit);
  return entries;
}

std::vector<std::string> VideoLengthEntries(int language) {
  return CountedEntries(1, 60, language == kChinese ? "秒" : "Sec");
}

std::vector<std::string> PirIntervalEntries(int language) {
  const bool chinese = language == kChinese;
  std::vector<std::string> entries = CountedEntries(0, 59, chinese ? "秒" : "Sec");
  std::vector<std::string> minutes = CountedEntries(1, 60, chinese ? "分" : "Min");
  entries.insert(entries.end(), minutes.begin(), minutes.end());
  return entries;
}

std::vector<std::string> SerialCharEntries() {
  std::vector<std::string> entries;
  for (char c = '0'; c <= '9'; ++c) entries.emplace_back(1, c);
  for (char c = 'A'; c <= 'Z'; ++c) entries.emplace_back(1, c);
  return entries;
}

}  // namespace

std::string CameraClockText(const LocalTime& clock, int language_index) {
  const char* order = language_index == kChinese ? "月/日/年" : "MM/DD/YY";
  char text[96];  // room for six full-width ints
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d ", clock.month, clock.day,
                clock.year, clock.hour, clock.minute, clock.second);
  return std::string(text) + order;
}

std::string CameraSavedMessage(int language_index) {
  return language_index == kChinese ? "相机菜单设置文件已经保存"
                                    : "Save All Parameters To Camera Setting File";
}

std::string CameraDefaultSavedMessage(int language_index) {
  return language_index == kChinese ? "相机初始化设置文件已经保存"
                                    : "Save All Default Parameters To Camera Setting File";
}

std::span<const ControlId> CameraTextControls() { return kTextControls; }

std::span<const ControlId> CameraLists() { return kListControls; }

std::optional<std::string_view> CameraControlText(ControlId id, int language_index) {
  const int language = ShownLanguage(language_index);
  const ControlTexts* row = FindRow(kLabelSet, id);
  if (row == nullptr) row = FindRow(kSharedTexts, id);
  if (row == nullptr) row = FindRow(kUnitTexts, id);
  if (row == nullptr && id == kSelectButtonText.id) row = &kSelectButtonText;
  if (row == nullptr) return std::nullopt;
  const char* text = Cell(row->texts, language);
  if (text == kKept) return std::nullopt;
  return std::string_view(text);
}

std::vector<std::string> CameraListEntries(ControlId list, int language_index) {
  const int language = ShownLanguage(language_index);
  const char* on = Cell(kOnWords, language);
  const char* off = Cell(kOffWords, language);
  switch (list) {
    case kCameraModeList:
      return Column(kCameraModeTexts, language);
    case kImageSizeList:
      return Entries({"12MP", "5MP", "1.3MP"});
    case kVideoSizeList:
      return Entries({"1280x720", "640x480", "320x240"});
    case kPictureCountList:
      return PictureCountEntries(language);
    case kVideoLengthList:
      return VideoLengthEntries(language);
    case kTimeStampList:
      return Entries({on, Cell(kTimeStampOffWords, language)});
    case kPirIntervalList:
      return PirIntervalEntries(language);
    case kSenseLevelList:
      return Column(kSenseLevelTexts, language);
    case kBeepList:
    case kTimer1List:
    case kTimer2List:
    case kSerialList:
      return Entries({off, on});
    case kTimeLapseList:
      return Entries({on, off});  // on first, unlike the other switches
    case kSerialChar1List:
    case kSerialChar2List:
    case kSerialChar3List:
    case kSerialChar4List:
      return SerialCharEntries();
    case kSdCycleList:
      return Column(kSdCycleTexts, language);
    case kIrLightList:
      return Column(kIrLightTexts, language);
    case kSendModeList:
      return Entries({Cell(kSendModeOff, language), "MMS", "GPRS", "SMS"});
    default:
      return {};
  }
}

}  // namespace quelmo
