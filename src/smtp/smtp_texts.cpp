#include "smtp/smtp_texts.h"

#include <array>
#include <cstddef>

#include "remote_control/remote_control_texts.h"
#include "smtp/smtp_controls.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

// One text per language code, code 1 first:
//   Chinese, English, German, Finnish, Italian, French,
//   Hungarian, Slovenian, Czech, Japanese, Lithuanian.
using LanguageRow = std::array<std::string_view, kLanguageCount>;

struct ControlTexts {
  ControlId id;
  LanguageRow texts;
};

// ---- Captions of this form alone, one row per control ---------------------
// Leading blanks (Czech " Zeme", several Lithuanian texts) are part of the text.

constexpr ControlTexts kCaptions[] = {
    {kApnModeLabel,
     {"GPRS 设置", "GPRS Setting", "GPRS Einstellungen", "GPRS Setting", "GPRS Setting",
      "GPRS Setting", "GPRS Setting", "GPRS Setting", "GPRS Setting", "GPRSモード",
      " GPRS Setting"}},
    {kCountryLabel,
     {"选择国家", "Select Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava", " Zeme",
      "国名", "Salis"}},
    {kOperatorLabel,
     {"选择运营商", "Select Operator", "Anbieter", "operaattorit", "Operatori", "Operateurs",
      "Kezelok", "Operater", "Operater", "通信会社", "Operatorius"}},
    {kAccessPointGroup,
     {"Gprs运营商设置信息", "GPRS Operator Setting", "GPRS Anbieter Einstellungen",
      "GPRS Operator Setting", "GPRS Operator Setting", "GPRS Operator Setting",
      "GPRS Operator Setting", "GPRS Operator Setting", "GPRS Operator Setting", "GPRSステータス",
      "GPRS Operator Setting"}},
    {kGprsAccountLabel,
     {"GPRS 帐号", "GPRS Account", "GPRS Benutzername", "GPRS tili", "GPRS Account",
      "GPRS Compte", "Upor. Ime", "Racun", "Ucet", "アカウント", "Account"}},
    {kGprsPasswordLabel,
     {"GPRS 密码", "GPRS Password", "GPRS Passwort", "GPRS salasana", "GPRS Password",
      "Mot de passe", "Jelszo", "Geslo", "Heslo", "パスワード", "Slaptazodis"}},
    {kSenderGroup,
     {"用户信息", "User Information", "Absender Email Einstellung", "User Information",
      "User Information", "User Information", "User Information", "User Information",
      "User Information", "User Information", "User Information"}},
    {kSmtpServerLabel,
     {"Smtp 服务器", "Email Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server",
      "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp serveris"}},
    {kSmtpPortLabel,
     {"端口", "Port", "Port", "Port", "Port", "Port", "Port", "VRATA", "Port", "ポート", "Port"}},
    {kSenderEmailLabel,
     {"发送人邮件地址", "Sender Email", "Sender Email", "Sender Email", "Sender Email",
      "Sender Email", "Sender Email", "Email naslov", "Sender Email", "Sender Email",
      "Siuntejo email"}},
    {kSenderPasswordLabel,
     {"发送人密码", "Sender Password", "Sender Passwort", "salasana", "Sender Password",
      "Mot de passe", "Jelszo", "Geslo", "Heslo", "パスワード", "Slaptazodis"}},
    {kRecipientGroup,
     {"接收方信息", "Recipients", "Empfanger", "Recipients", "Recipients", "Recipients",
      "Recipients", "Recipients", "Recipients", "Recipients", "Recipients"}},
    {kRecipientLabel,
     {"接收人邮件地址", "Receive Email", "Receive Email", "Sahkoposti", "Receive Email",
      "Receive Email", "Receive Email", "Email naslov", "Receive Email", "Eメール01",
      "Receive Email"}},
    {kSmtpSmsControlGroup,
     {"短信控制信息", "SMS Control Information", "SMS Uberwachung Einstellungen", "SMS Control",
      "SMS Control", "SMS Control", "SMS Control", "SMS upravljanje", "SMS Control",
      "SMS Control", " SMS nuotol.valdymas"}},
    {kSmsPhoneLabel,
     {"手机号码", "Phone Number", "Telefonnummer", "puhelinnumero", "No. Telefono",
      "No telephone", "Telefonsz.", "Telefonska st.", "Tel. Cislo", "電話", "Telefono Nr."}},
    {kSmtpLoadButton,
     {"载入配置文件", "Load configure", "Einstellungen laden", "Load configure", "Load configure",
      "Load configure", "Load configure", "Load configure", "Load configure", "Load configure",
      "Load configure"}},
};

// The same in every language.
constexpr std::string_view kApnCaption = "GPRS APN";

// ---- The access-point mode list: Auto, Customer ---------------------------

constexpr LanguageRow kAutoEntry = {"厂家设置", "Auto", "Auto",      "Autom",       "Auto", "Auto",
                                    "Auto",     "Samodejno", "Automaticky", "オート", "Auto"};
constexpr LanguageRow kCustomerEntry = {"自定义", "Customer", "Manuell", "Manuaali",
                                        "Manuale", "Manuale", "Kezi",    "Rocno",
                                        "Rucne",   "マニュアル", "Manual"};

// ---- Hints and messages: Chinese for code 1, English otherwise -----------
// "：" is the full-width colon, in the English hints as well.

constexpr std::string_view kExampleSmtpHost = "smtp.example.com";
constexpr std::string_view kExampleSender = "camera@example.com";
constexpr std::string_view kExampleRecipient = "me@example.org";

struct HintRow {
  ControlId id;
  std::string_view chinese;
  std::string_view english;
  std::string_view example;  // appended, then the closing text
  std::string_view chineseEnd;
  std::string_view englishEnd;
};

constexpr HintRow kHints[] = {
    {kSmtpServerEdit, "提示：邮件SMTP服务器地址(例: ", "Note：Sender Smtp Server(ex: ",
     kExampleSmtpHost, ")", ")"},
    {kSmtpPortEdit, "提示：邮件SMTP服务器端口(例: 465) ", "Note：Smtp Server Port(ex: 465)", "", "",
     ""},
    {kRecipientEdit, "例: ", "Ex: ", kExampleRecipient, "", ""},
    {kSmsPhoneEdit, "注意：号码可以作为短信控制号码(ex:13800013800)",
     "Note：The phone number can be used as a sms control number", "", "", ""},
    {kSmtpSmsControlList, kSmsControlHintChinese, kSmsControlHintEnglish, "", "", ""},
    {kSenderEmailEdit, "例: ", "Ex: ", kExampleSender, "", ""},
};

std::string_view Pick(const LanguageRow& row, int language_index) {
  return row[static_cast<std::size_t>(ShownLanguage(language_index) - 1)];
}

}  // namespace

std::vector<ControlCaption> SmtpCaptions(int language_index) {
  std::vector<ControlCaption> captions;
  for (const ControlTexts& row : kCaptions) {
    captions.push_back({row.id, Pick(row.texts, language_index)});
  }
  captions.push_back({kApnLabel, kApnCaption});
  captions.push_back({kSmtpDailyLimitLabel, DailyLimitCaption(language_index)});
  captions.push_back({kSmtpDailyLimitNote, DailyLimitNote(language_index)});
  captions.push_back({kSmtpSmsControlLabel, SmsControlCaption(language_index)});
  captions.push_back({kSmtpSelectFolderButton, SelectFolderCaption(language_index)});
  captions.push_back({kSmtpSaveButton, SaveCaption(language_index)});
  captions.push_back({kSmtpExitButton, ExitCaption(language_index)});
  captions.push_back(
      {kSmtpTestEmailButton, language_index == kChinese ? "测试电子邮件" : "Test e-mail"});
  return captions;
}

std::vector<std::string> ApnModeEntries(int language_index) {
  return {std::string(Pick(kAutoEntry, language_index)),
          std::string(Pick(kCustomerEntry, language_index))};
}

std::string_view CustomerListEntry(int language_index) {
  return language_index == kChinese ? "自定义" : "Customer";
}

std::vector<ControlHint> SmtpHints(int language_index) {
  const bool chinese = language_index == kChinese;
  std::vector<ControlHint> hints;
  for (const HintRow& row : kHints) {
    std::string text(chinese ? row.chinese : row.english);
    text.append(row.example).append(chinese ? row.chineseEnd : row.englishEnd);
    hints.push_back({row.id, std::move(text)});
  }
  return hints;
}

std::string_view GprsSavedConfirmation(int language_index) {
  return language_index == kChinese ? "GPRS配置文件已保存"
                                    : "Save All Parameters To GPRS Setting File";
}

std::string_view GprsFieldName(GprsField field, int language_index) {
  struct Name {
    GprsField field;
    std::string_view chinese;
    std::string_view english;
  };
  static constexpr Name kNames[] = {
      {GprsField::kMode, "APN模式", "APN mode"},
      {GprsField::kCountry, "国家", "Country"},
      {GprsField::kOperator, "运营商", "Operator"},
      {GprsField::kPicturesPerDay, "每天发送张数", "Pictures per day"},
      {GprsField::kSmsControl, "短信控制", "SMS control"},
      {GprsField::kCameraLanguage, "相机语言", "Camera language"},
      {GprsField::kHeader, "文件头", "Header"},
      {GprsField::kApn, "GPRS APN", "GPRS APN"},
      {GprsField::kGprsAccount, "GPRS账号", "GPRS Account"},
      {GprsField::kGprsPassword, "GPRS密码", "GPRS Password"},
      {GprsField::kSmtpServer, "邮件服务器", "Email Server"},
      {GprsField::kSmtpPort, "端口", "Port"},
      {GprsField::kSenderEmail, "发送者邮箱", "Sender Email"},
      {GprsField::kSenderPassword, "发送者邮箱密码", "Sender Password"},
      {GprsField::kSmsControlPhone, "手机号码", "Phone Number"},
      {GprsField::kUserName, "用户名", "User name"},
      {GprsField::kRecipientEmail, "接收人邮箱", "Receive Email"},
      {GprsField::kReservedRecords, "保留记录", "Reserved records"},
  };
  for (const Name& name : kNames) {
    if (name.field == field) return language_index == kChinese ? name.chinese : name.english;
  }
  return {};
}

}  // namespace quelmo
