#pragma once
// What comes before a document's root element, checked before any parser
// sees it: the declared encoding must be UTF-8, and a <!DOCTYPE> may name an
// external DTD but must not carry an internal subset, where entities (and
// with them exponential expansion) would be declared. Both parser backends
// rely on this, so the rule is the same on every platform.

#include <cstdint>
#include <span>

#include "base/result.h"

namespace quelmo {

Status CheckXmlProlog(std::span<const std::uint8_t> document);

}  // namespace quelmo
