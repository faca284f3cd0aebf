#include "app/launcher.h"

#include <span>

#include "app/launcher_texts.h"
#include "text/languages.h"
#include "text/translate.h"

namespace quelmo {

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
  if (id == kLauncherLanguageList) LanguagePicked(position);
  if (id == kLauncherModelList) ModelPicked(position);
  return Next::kStay;
}

std::string LauncherLogic::SystemMenuEntry() const {
  return std::string(Translate(context_.state.languageIndex, "CopyRight"));
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
  view_.SetItems(kLauncherLanguageList, LanguageListEntries());
  view_.SetSelection(kLauncherLanguageList, selection);
}

int LauncherLogic::LanguageSelectionAtOpening() const {
  // A stored code no row has leaves the list without a selection.
  const std::span<const LanguageRow> rows = LanguageRows();
  for (std::size_t position = 0; position < rows.size(); ++position) {
    if (rows[position].code == context_.state.languageIndex) return static_cast<int>(position);
  }
  return -1;
}

void LauncherLogic::LanguagePicked(int position) {
  const std::span<const LanguageRow> rows = LanguageRows();
  if (position >= static_cast<int>(rows.size())) return;
  context_.state.languageIndex = rows[static_cast<std::size_t>(position)].code;
  FillLanguageList(position);
  ApplyTexts();
  // Store failures are not reported: the choice then holds for this run only.
  (void)context_.preferences.StoreLanguage(
      static_cast<std::uint16_t>(context_.state.languageIndex));
}

void LauncherLogic::ModelPicked(int position) {
  context_.state.modelIndex = position + 1;
  (void)context_.preferences.StoreModel(static_cast<std::uint16_t>(context_.state.modelIndex));
}

}  // namespace quelmo
