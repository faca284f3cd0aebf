#pragma once
// A minimal streaming view of an XML document: start element with its
// attributes, end element, text. Each platform parses with a library it
// already has (expat on Linux, XmlLite on Windows) and reports through this
// interface, so what is built from the events is the same code everywhere.
//
// Neither backend loads anything from outside the bytes it is given: an
// external DTD named in <!DOCTYPE> is accepted and ignored, and a document
// that declares entities or an internal DTD subset is refused.

#include <cstdint>
#include <span>
#include <string_view>

#include "base/result.h"

namespace quelmo {

struct XmlAttribute {
  std::string_view name;   // qualified, as written ("xml:lang")
  std::string_view value;  // UTF-8, entity references resolved
};

class XmlEventHandler {
 public:
  virtual ~XmlEventHandler() = default;
  // A failing Status stops the parse; ParseXml returns it with the line.
  virtual Status StartElement(std::string_view name, std::span<const XmlAttribute> attributes) = 0;
  virtual Status EndElement(std::string_view name) = 0;
  // Character data, possibly in several pieces for one run of text.
  virtual Status Text(std::string_view text) = 0;
};

// Parses a whole UTF-8 document held in memory. Errors carry "line N: ..."
// where the parser knows the line.
Status ParseXml(std::span<const std::uint8_t> document, XmlEventHandler& handler);

}  // namespace quelmo
