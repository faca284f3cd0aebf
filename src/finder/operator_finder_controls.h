#pragma once
// The controls of the "Find operator…" window (dialog resource 1200), by
// resource id, and the button that opens it in the MMS and SMTP/GPRS forms.

#include "controls/form_view.h"

namespace quelmo {

inline constexpr int kOperatorFinderDialogResource = 1200;

// The button in the forms that opens the finder.
inline constexpr ControlId kFindOperatorButton = 1220;

enum OperatorFinderControl : ControlId {
  // Apply is the default button (Enter), Cancel the cancel button (Esc).
  kFinderApplyButton = kIdOk,
  kFinderCancelButton = kIdCancel,
  kFinderCountryLabel = 1201,
  kFinderCountryList = 1202,
  kFinderSearchLabel = 1203,
  kFinderSearchEdit = 1204,
  kFinderMatchList = 1205,  // a list box of the providers found
  // What the chosen provider gives: a label and a read-only edit per value.
  kFinderValueLabel1 = 1206,
  kFinderValueEdit1 = 1212,
  kFinderStatusLabel = 1218,
  // The chosen provider's 2G status, in words; empty when there is nothing
  // to warn of.
  kFinderNetworkLabel = 1219,
};

// As many values as the MMS form takes, the most of either form.
inline constexpr int kFinderValueRows = 6;

constexpr ControlId FinderValueLabel(int row) { return kFinderValueLabel1 + row; }
constexpr ControlId FinderValueEdit(int row) { return kFinderValueEdit1 + row; }

}  // namespace quelmo
