#include "mms/mms_texts.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "app/app_state.h"
#include "mms/mms_file.h"
#include "mms/mms_presets.h"

namespace quelmo {
namespace {

constexpr int kLanguageCount = 11;

// One text per language code, code 1 first:
//   Chinese, English, German, Finnish, Italian, French,
//   Hungarian, Slovenian, Czech, Japanese, Lithuanian.
using LanguageRow = std::array<const char*, kLanguageCount>;

struct ControlTexts {
  ControlId id;
  LanguageRow texts;
};

// ---- Labels, group boxes and buttons, one row per control -----------------
// Leading blanks are part of the texts.

constexpr ControlTexts kControlTexts[] = {
    {kMmsModeLabel,
     {"彩信设置", "MMS Setting", "MMS Einstellungen", "MMS Setting", "MMS Setting", "MMS Setting",
      "MMS Setting", "MMS Setting", "MMS Setting", "MMSステータス", "MMS Setting"}},
    {kMmsCountryLabel,
     {"选择国家", "Select Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava", " Zeme",
      "国名", "Salis"}},
    {kMmsOperatorLabel,
     {"选择运营商", "Select Operator", "Anbieter", "operaattorit", "Operatori", "Operateurs",
      "Kezelok", "Operater", "Operater", "通信会社", "Operatorius"}},
    {kMmsPicturesLabel,
     {"每天发送张数", "Max Image No./ day", "Max Anzahl Bilder/Tag", "kuvien maara / paiva",
      "N. immagine/data", "Image No/jour", "Kepsz./ nap", "St. slik/dan", "Snimku za den",
      "撮影数/1日", "Siusti per diena"}},
    {kMmsPicturesNote,
     {"提示： 0 = 不限制发送张数", "Note: 0 = Unlimited Image no.", "Anmerkung:0 = Keine Begrenzung",
      "huom! 0 = rajaton", "Nota: -0- = illimitato", "Remarque -0- = illimite",
      "Megj. -0- = korlutlan", "Opomba: 0 pomeni neomejeno st. MMS", "Pozor:0=neomezene",
      "注意：0=制限なし", "Past: Pasir. -00- Neribota"}},
    {kMmsSmsControlLabel,
     {"短信控制", "SMS Control", "SMS Uberwachung", "SMS Control", "SMS Control", "SMS Control",
      "SMS Control", "SMS upravljanje", "SMS Control", "SMS Control", " SMS nuotol.valdymas"}},
    {kMmsUrlLabel,
     {"彩信网址", "MMS URL", "MMS URL", "MMS URL", "MMS URL", "MMS URL", "MMS URL", "URL naslov",
      "MMS URL", "MMS URL", "MMS URL"}},
    {kMmsGatewayLabel,
     {"彩信网关", "MMS IP", "MMS IP", "MMS IP", "MMS IP", "MMS IP", "MMS IP", "MMS IP", "MMS IP",
      "ゲートウェイ", "MMS IP"}},
    {kMmsPortLabel,
     {"彩信端口", "Port", "Port", "port", "PORTA", "Port", "Port", "VRATA", "Port", "ポート",
      "Portas"}},
    {kMmsAccountLabel,
     {"彩信帐号", "MMS Account", "MMS Konto", "tili", "MMS Account", "Compte", "Upor. Ime", "Racun",
      "Ucet", "アカウント", "Account"}},
    {kMmsPasswordLabel,
     {"彩信密码", "MMS Password", "MMS Passwort", "salasana", "MMS Password", "Mot de passe",
      "Jelszo", "Geslo", "Heslo", "パスワード", "Slaptazodis"}},
    {kMmsPhoneLabel,
     {"手机号码", "Phone Number", "Telefonnummer", "puhelinnumero", "No. Telefono", "No telephone",
      "Telefonsz.", "Telefonska st.", "Tel. Cislo", "電話", "Telefono Nr."}},
    {kMmsEmailLabel,
     {"接收人邮件地址", "Recieve Email", "Receive Email", "Sahkoposti", "Receive Email",
      "Receive Email", "Receive Email", "Receive Email", "Receive Email", "Eメール",
      "Receive Email"}},
    {kMmsSecondLabel,
     {"手机号码或邮件", "Phone or Email", "Tel. oder Email", "gsm / sahkoposti", "Tel. o mail",
      "Tel. ou e-mail", "Tel.vagy e-level", "Tel. st. ali Email", "Telefon / Email",
      "電話orEメール", "Telefono/Email"}},
    {kMmsGroup,
     {"彩信设置", "MMS Setting", "MMS Einstellungen", "MMS Setting", "MMS Setting", "MMS Setting",
      "MMS Setting", "MMS Setting", "MMS Setting", "MMS Setting", "MMS Setting"}},
    {kMmsRecipientsGroup,
     {"用户信息", "User Information", "Absender Email Einstellung", "User Information",
      "User Information", "User Information", "User Information", "User Information",
      "User Information", "User Information", "User Information"}},
    {kMmsFolderButton,
     {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi",
      "Vybrat", "フォルダ選択", "Pasirinkti"}},
    {kMmsLoadButton,
     {"载入配置文件", "Load configure", "Einstellungen laden", "Load configure", "Load configure",
      "Load configure", "Load configure", "Load configure", "Load configure", "Load configure",
      "Load configure"}},
    {kMmsSaveButton,
     {"保存设置", "Save", "Save", "luo", "Save", "Save", "Save", "Save", "Save", "ファイル作成",
      " Save"}},
    {kMmsExitButton,
     {"退出", "Exit", "Exit", "poistu", "Indiet", "Retour", "Vissz.", "Nazaj", "Vystup", "終了",
      "Iseiti"}},
};
static_assert(std::size(kControlTexts) == 20);

// The sixth entry of the SMS-control list.
constexpr LanguageRow kSmsControlOff = {"关闭", "Off", "Aus", "pois", "OFF", "Arret",
                                        "Off", "Izklop", "Vypnuto", "オフ", "NE"};

// ---- Texts in two forms: Chinese, and one for every other code ------------
// (German differs only in the first SMS-control entry.)

constexpr const char* kSmsControlFirstFive[3][5] = {
    {"打开", "5 分钟", "30 分钟", "1 小时", "2 小时"},
    {"Ein", "5 Min", "30 Min", "1 Hour", "2 Hour"},  // German
    {"On", "5 Min", "30 Min", "1 Hour", "2 Hour"},
};

constexpr const char* kParametersGroup[2] = {"彩信参数", "MMS Parameters"};
constexpr const char* kPhoneHint[2] = {
    "注意：该手机号码可以作为短信控制号码(ex:13800013800)",
    "Note：The phone number can be used as a sms control number"};  // full-width colon
constexpr const char* kEmailHint[2] = {"例: name@example.com", "Ex: name@example.com"};
constexpr const char* kSmsControlHint[2] = {
    "注意：推荐设置为2小时，可以获取更长电池使用寿命",
    "Note: the recommended settings for 2 hours, you can get a longer battery life"};

// The MMS Mode entries per language; 11 and any other code use the English.
constexpr std::array<const char*, 2> kModeEntries[kLanguageCount] = {
    {"厂家设置", "客户自定义"}, {"Auto", "Customer"}, {"Auto", "Manuell"},
    {"autom", "manuaali"},     {"Auto", "Manuale"},   {"Auto", "Manuel"},
    {"Auto", "Kezi"},          {"Samodejno", "Rocno"}, {"Automaticky", "Rucne"},
    {"オート", "マニュアル"},  {"Auto", "Customer"},
};

constexpr ControlId kTextControls[] = {
    kMmsModeLabel,    kMmsCountryLabel,  kMmsOperatorLabel,   kMmsPicturesLabel,
    kMmsPicturesNote, kMmsSmsControlLabel, kMmsUrlLabel,      kMmsGatewayLabel,
    kMmsPortLabel,    kMmsAccountLabel,  kMmsPasswordLabel,   kMmsPhoneLabel,
    kMmsEmailLabel,   kMmsSecondLabel,   kMmsGroup,           kMmsRecipientsGroup,
    kMmsFolderButton, kMmsLoadButton,    kMmsSaveButton,      kMmsExitButton,
    kMmsParametersGroup,
};

// 0 for Chinese, 1 for every other code.
int TwoForm(int language_index) { return language_index == kChinese ? 0 : 1; }

}  // namespace

int MmsTextLanguage(int language_index) {
  return language_index >= 1 && language_index <= kLanguageCount ? language_index : kEnglish;
}

std::span<const ControlId> MmsTextControls() { return kTextControls; }

std::optional<std::string_view> MmsControlText(ControlId id, int language_index) {
  if (id == kMmsParametersGroup) return kParametersGroup[TwoForm(language_index)];
  const auto* row = std::find_if(std::begin(kControlTexts), std::end(kControlTexts),
                                 [id](const ControlTexts& entry) { return entry.id == id; });
  if (row == std::end(kControlTexts)) return std::nullopt;
  return row->texts[static_cast<std::size_t>(MmsTextLanguage(language_index) - 1)];
}

std::vector<std::string> MmsSmsControlEntries(int language_index) {
  const int language = MmsTextLanguage(language_index);
  const int form = language == kChinese ? 0 : language == kGerman ? 1 : 2;
  std::vector<std::string> entries(std::begin(kSmsControlFirstFive[form]),
                                   std::end(kSmsControlFirstFive[form]));
  entries.emplace_back(kSmsControlOff[static_cast<std::size_t>(language - 1)]);
  return entries;
}

std::vector<std::string> MmsModeEntries(int language_index) {
  const auto& entries = kModeEntries[MmsTextLanguage(language_index) - 1];
  return {entries.begin(), entries.end()};
}

std::string_view MmsCustomerPlaceholder(int language_index) {
  return language_index == kChinese ? "自定义" : "Customer";
}

std::string_view MmsPhoneHint(int language_index) { return kPhoneHint[TwoForm(language_index)]; }
std::string_view MmsEmailHint(int language_index) { return kEmailHint[TwoForm(language_index)]; }
std::string_view MmsSmsControlHint(int language_index) {
  return kSmsControlHint[TwoForm(language_index)];
}

std::string_view MmsSavedConfirmation(int language_index) {
  return language_index == kChinese ? "彩信设置文件已保存"
                                    : "Save All Parameters To MMS Setting File";
}

std::string MmsPhoneTooLongMessage(int language_index) {
  const std::string limit = std::to_string(MmsLimits::kPhone);
  return language_index == kChinese ? "支持最大手机号码位数 " + limit + "!"
                                    : "The max number of phone " + limit + "!";
}

std::string_view MmsFieldName(MmsField field, int language_index) {
  struct Name {
    MmsField field;
    std::string_view chinese;
    std::string_view english;
  };
  static constexpr Name kNames[] = {
      {MmsField::kMode, "彩信设置", "MMS Mode"},
      {MmsField::kCountry, "国家", "Country"},
      {MmsField::kOperator, "运营商", "Operator"},
      {MmsField::kPicturesPerDay, "每天发送张数", "Pictures per day"},
      {MmsField::kSmsControl, "短信控制", "SMS control"},
      {MmsField::kCameraLanguage, "相机语言", "Camera language"},
      {MmsField::kHeader, "文件头", "Header"},
      {MmsField::kUrl, "彩信网址", "URL"},
      {MmsField::kApn, "APN", "APN"},
      {MmsField::kGateway, "网关", "Gateway"},
      {MmsField::kPort, "端口", "Port"},
      {MmsField::kPhone, "手机号码", "Phone number"},
      {MmsField::kReceiveEmail, "接收人邮箱", "Receive email"},
      {MmsField::kAccount, "账号", "Account"},
      {MmsField::kPassword, "密码", "Password"},
      {MmsField::kPhoneOrEmail2, "第二接收人", "Second recipient"},
      {MmsField::kReservedRecords, "保留记录", "Reserved records"},
  };
  for (const Name& name : kNames) {
    if (name.field == field) return language_index == kChinese ? name.chinese : name.english;
  }
  return {};
}

std::string MmsTextNotStorableMessage(std::string_view detail, int language_index) {
  if (language_index == kChinese) {
    return "该字段含有无法保存的字符：" + std::string(detail);
  }
  return "This field holds a character the camera cannot store: " + std::string(detail);
}

}  // namespace quelmo
