#include "mms/mms_texts.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "mms/mms_file.h"
#include "mms/mms_presets.h"
#include "remote_control/remote_control_texts.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

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

constexpr ControlTexts kOwnControlTexts[] = {
    {kMmsModeLabel,
     {"彩信设置", "MMS Setting", "MMS Einstellungen", "MMS Setting", "MMS Setting", "MMS Setting",
      "MMS Setting", "MMS Setting", "MMS Setting", "MMSステータス", "MMS Setting"}},
    {kMmsCountryLabel,
     {"选择国家", "Select Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava", " Zeme",
      "国名", "Salis"}},
    {kMmsOperatorLabel,
     {"选择运营商", "Select Operator", "Anbieter", "operaattorit", "Operatori", "Operateurs",
      "Kezelok", "Operater", "Operater", "通信会社", "Operatorius"}},
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
    {kMmsLoadButton,
     {"载入配置文件", "Load configure", "Einstellungen laden", "Load configure", "Load configure",
      "Load configure", "Load configure", "Load configure", "Load configure", "Load configure",
      "Load configure"}},
};

// The captions the SMTP/GPRS and SMS forms show too, each from its shared table.
struct SharedCaption {
  ControlId id;
  std::string_view (*text)(int language_index);
};

constexpr SharedCaption kSharedCaptions[] = {
    {kMmsPicturesLabel, DailyLimitCaption},
    {kMmsPicturesNote, DailyLimitNote},
    {kMmsSmsControlLabel, SmsControlCaption},
    {kMmsFolderButton, SelectFolderCaption},
    {kMmsSaveButton, SaveCaption},
    {kMmsExitButton, ExitCaption},
};
static_assert(std::size(kOwnControlTexts) + std::size(kSharedCaptions) == 20);

// ---- Texts in two forms: Chinese, and one for every other code ------------

constexpr const char* kParametersGroup[2] = {"彩信参数", "MMS Parameters"};
constexpr const char* kPhoneHint[2] = {
    "注意：该手机号码可以作为短信控制号码(ex:13800013800)",
    "Note：The phone number can be used as a sms control number"};  // full-width colon
constexpr const char* kEmailHint[2] = {"例: name@example.com", "Ex: name@example.com"};

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

std::span<const ControlId> MmsTextControls() { return kTextControls; }

std::optional<std::string_view> MmsControlText(ControlId id, int language_index) {
  if (id == kMmsParametersGroup) return kParametersGroup[TwoForm(language_index)];
  for (const SharedCaption& row : kSharedCaptions) {
    if (row.id == id) return row.text(language_index);
  }
  const auto* row = std::find_if(std::begin(kOwnControlTexts), std::end(kOwnControlTexts),
                                 [id](const ControlTexts& entry) { return entry.id == id; });
  if (row == std::end(kOwnControlTexts)) return std::nullopt;
  return row->texts[static_cast<std::size_t>(ShownLanguage(language_index) - 1)];
}

std::vector<std::string> MmsModeEntries(int language_index) {
  const auto& entries = kModeEntries[ShownLanguage(language_index) - 1];
  return {entries.begin(), entries.end()};
}

std::string_view MmsCustomerPlaceholder(int language_index) {
  return language_index == kChinese ? "自定义" : "Customer";
}

std::string_view MmsPhoneHint(int language_index) { return kPhoneHint[TwoForm(language_index)]; }
std::string_view MmsEmailHint(int language_index) { return kEmailHint[TwoForm(language_index)]; }

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
