#include "app/launcher.h"

#include "app/launcher_texts.h"

namespace quelmo {
namespace {

constexpr int kChineseEntry = 0;
constexpr int kLanguageEntries = 3;

}  // namespace

LauncherLogic::LauncherLogic(FormView& view, AppContext& context) : view_(view), context_(context) {}

void LauncherLogic::Open() {
  view_.SetTitle(kAppTitle);
  ApplyTexts();
  FillLanguageList(LanguageSelectionAtOpening());
  view_.SetItems(kLauncherModelList, {kModelName});
  // A stored model other than 1 leaves the list without a selection.
  const int model_position = context_.state.modelIndex - 1;
  view_.SetSelection(kLauncherModelList, model_position == 0 ? model_position : -1);
}

Next LauncherLogic::Clicked(ControlId id) {
  switch (id) {
    case kLauncherCameraButton:
      return Next::kCameraForm;
    case kLauncherMmsButton:
      return Next::kMmsForm;
    case kLauncherSmtpButton:
      return Next::kSmtpForm;
    case kLauncherSmsButton:
      return Next::kSmsForm;
    case kIdOk:
    case kIdCancel:
      return Next::kQuit;
    default:
      return Next::kStay;
  }
}

Next LauncherLogic::SelectionChanged(ControlId id) {
  const int position = view_.Selection(id);
  if (position < 0) return Next::kStay;
  if (id == kLauncherLanguageList && position < kLanguageEntries) LanguagePicked(position);
  if (id == kLauncherModelList) ModelPicked(position);
  return Next::kStay;
}

Next LauncherLogic::SystemCommand(int id) const {
  return id == kCopyRightCommand ? Next::kAbout : Next::kStay;
}

void LauncherLogic::ApplyTexts() {
  const LauncherTexts texts = LauncherTextsFor(context_.state.languageIndex);
  view_.SetText(kLauncherVersionLabel, texts.versionLabel);
  view_.SetText(kLauncherCameraButton, texts.cameraButton);
  view_.SetText(kLauncherMmsButton, texts.mmsButton);
  view_.SetText(kLauncherSmtpButton, texts.gprsButton);
  view_.SetText(kLauncherSmsButton, texts.smsButton);
  view_.SetText(kLauncherLanguageLabel, texts.languageLabel);
  view_.SetText(kLauncherModelLabel, texts.modelLabel);
}

void LauncherLogic::FillLanguageList(int selection) {
  view_.SetItems(kLauncherLanguageList, LanguageListEntries(context_.state.languageIndex));
  view_.SetSelection(kLauncherLanguageList, selection);
}

int LauncherLogic::LanguageSelectionAtOpening() const {
  const AppState& state = context_.state;
  if (state.languageIndex == kChinese) return kChineseEntry;
  if (state.languageIndex == kEnglish) return state.chineseChosen ? kChineseEntry : 1;
  // Codes 4..11 (and any stored code outside 1..11) have no entry.
  const int position = state.languageIndex - 1;
  return position >= 0 && position < kLanguageEntries ? position : -1;
}

void LauncherLogic::LanguagePicked(int position) {
  AppState& state = context_.state;
  if (position == kChineseEntry) {
    // Chinese texts need a Chinese (PRC) system; elsewhere the windows stay
    // English while the files tell the camera to speak Chinese.
    state.languageIndex = state.systemIsChinese ? kChinese : kEnglish;
    state.chineseChosen = true;
  } else {
    state.languageIndex = position + 1;
    state.chineseChosen = false;
  }
  FillLanguageList(position);
  ApplyTexts();
  // Store failures are not reported: the choice then holds for this run only.
  (void)context_.preferences.StoreLanguage(
      static_cast<std::uint16_t>(state.chineseChosen ? kChinese : state.languageIndex));
}

void LauncherLogic::ModelPicked(int position) {
  context_.state.modelIndex = position + 1;
  (void)context_.preferences.StoreModel(static_cast<std::uint16_t>(context_.state.modelIndex));
}

}  // namespace quelmo
