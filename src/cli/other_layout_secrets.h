#pragma once
// mms.dat and gprs.dat have the same size, so either may hold the other's
// settings (a renamed file, or --kind naming the wrong one). Shown by the
// wrong layout, a password lands in a field that layout does not hide: the
// GPRS passwords read as the MMS gateway and account, the MMS password as the
// GPRS SMS control phone. When the content does not clearly belong to
// the layout shown, those fields are hidden too.

#include "cli/kind_registry.h"
#include "kind/settings_fields.h"

namespace quelmo {

// `other` is the same bytes shown by `other_kind`'s layout with its passwords
// hidden; every value of `shown` (by `kind`'s layout) read from a record that
// `other` hides is hidden as well.
void HideOtherLayoutSecrets(FileKind kind, ShownSettings& shown, FileKind other_kind,
                            const ShownSettings& other);

}  // namespace quelmo
