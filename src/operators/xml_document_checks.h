#pragma once
// Checks made on a document's bytes before any parser sees them, so that
// both parser backends (expat, XmlLite) refuse the same documents:
//  - the text is UTF-8, and a declared encoding says so;
//  - a <!DOCTYPE> may name an external DTD (never read) but must not carry
//    an internal subset, where entities, and with them exponential
//    expansion, would be declared;
//  - hence no entity is ever defined, and a reference to one other than the
//    five XML predefines (&amp; &lt; &gt; &quot; &apos;) is refused rather
//    than dropped or kept as it stands, as parsers differ there.

#include <cstdint>
#include <span>

#include "base/result.h"

namespace quelmo {

Status CheckXmlDocument(std::span<const std::uint8_t> document);

}  // namespace quelmo
