#include "operators/xml_document_checks.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "text/terminal_text.h"
#include "text/utf8.h"

namespace quelmo {
namespace {

std::string LineOf(std::string_view text, std::size_t position) {
  return "line " + std::to_string(1 + std::count(text.begin(), text.begin() + position, '\n'));
}

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// The value of the encoding pseudo-attribute in an XML declaration, empty
// when it names none.
std::string_view DeclaredEncoding(std::string_view declaration) {
  const auto key = declaration.find("encoding");
  if (key == std::string_view::npos) return {};
  auto position = key + 8;
  while (position < declaration.size() &&
         (IsXmlSpace(declaration[position]) || declaration[position] == '=')) {
    ++position;
  }
  if (position >= declaration.size()) return {};
  const char quote = declaration[position];
  if (quote != '"' && quote != '\'') return {};
  const auto end = declaration.find(quote, position + 1);
  if (end == std::string_view::npos) return {};
  return declaration.substr(position + 1, end - position - 1);
}

Status CheckEncodingAndDoctype(std::string_view text) {
  if (text.starts_with("\xFE\xFF") || text.starts_with("\xFF\xFE")) {
    return Error{ErrorCode::kCorrupt, "written in UTF-16; only UTF-8 is read"};
  }
  // Without a byte-order mark UTF-16 (and UTF-32) is still valid UTF-8 byte
  // for byte: its zero bytes give it away. No XML text holds U+0000.
  if (const auto zero = text.find('\0'); zero != std::string_view::npos) {
    if (text.size() >= 2 && (text[0] == '\0') != (text[1] == '\0')) {
      return Error{ErrorCode::kCorrupt,
                   "written in UTF-16 without a byte-order mark; only UTF-8 is read"};
    }
    return Error{ErrorCode::kCorrupt, LineOf(text, zero) + ": a zero byte (" +
                                          DescribeByte(text, zero) +
                                          "), which no UTF-8 XML text holds; only UTF-8 is read"};
  }
  if (const auto bad = FindInvalidUtf8(text)) {
    return Error{ErrorCode::kCorrupt, LineOf(text, *bad) + ": not UTF-8 text (" +
                                          DescribeByte(text, *bad) + ")"};
  }

  std::size_t position = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  while (true) {
    while (position < text.size() && IsXmlSpace(text[position])) ++position;
    const auto rest = text.substr(position);
    if (rest.starts_with("<?")) {
      const auto end = rest.find("?>");
      if (end == std::string_view::npos) return Status::Ok();  // the parser names the cut
      const auto instruction = rest.substr(0, end);
      if (instruction.starts_with("<?xml") && instruction.size() > 5 && IsXmlSpace(instruction[5])) {
        const auto encoding = DeclaredEncoding(instruction);
        if (!encoding.empty() && Lower(encoding) != "utf-8") {
          return Error{ErrorCode::kCorrupt, LineOf(text, position) + ": declares the encoding " +
                                                QuotedForTerminal(encoding.substr(0, 40)) +
                                                "; only UTF-8 is read"};
        }
      }
      position += end + 2;
    } else if (rest.starts_with("<!--")) {
      const auto end = rest.find("-->");
      if (end == std::string_view::npos) return Status::Ok();
      position += end + 3;
    } else if (rest.starts_with("<!DOCTYPE")) {
      // A quoted system or public identifier may hold '[' and '>'.
      char quote = 0;
      std::size_t i = 9;
      for (; i < rest.size(); ++i) {
        const char c = rest[i];
        if (quote != 0) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '[') {
          return Error{ErrorCode::kCorrupt,
                       LineOf(text, position + i) +
                           ": the document type declares its own entities or elements "
                           "(an internal subset), which is refused"};
        } else if (c == '>') {
          break;
        }
      }
      if (i >= rest.size()) return Status::Ok();
      position += i + 1;
    } else {
      return Status::Ok();  // the root element, or something the parser will name
    }
  }
}

bool IsPredefinedEntity(std::string_view name) {
  return name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos";
}

// Comments, CDATA sections and instructions hold '&' as plain text.
Status CheckEntityReferences(std::string_view text) {
  std::size_t position = 0;
  while ((position = text.find_first_of("<&", position)) != std::string_view::npos) {
    const auto rest = text.substr(position);
    std::string_view end;
    if (rest.starts_with("<!--")) {
      end = "-->";
    } else if (rest.starts_with("<![CDATA[")) {
      end = "]]>";
    } else if (rest.starts_with("<?")) {
      end = "?>";
    }
    if (!end.empty()) {
      const auto close = text.find(end, position + 2);
      if (close == std::string_view::npos) return Status::Ok();  // cut short: the parser says so
      position = close + end.size();
      continue;
    }
    if (rest.starts_with("&") && !rest.starts_with("&#")) {
      const auto stop = rest.find_first_of(";<& \t\r\n", 1);
      const auto name = rest.substr(1, stop == std::string_view::npos ? stop : stop - 1);
      if (!IsPredefinedEntity(name)) {
        return Error{ErrorCode::kCorrupt, LineOf(text, position) + ": refers to the entity &" +
                                              EscapeForTerminal(name.substr(0, 40)) +
                                              "; which is not defined"};
      }
    }
    ++position;
  }
  return Status::Ok();
}

}  // namespace

Status CheckXmlDocument(std::span<const std::uint8_t> document) {
  const std::string_view text(reinterpret_cast<const char*>(document.data()), document.size());
  if (auto status = CheckEncodingAndDoctype(text); !status.ok()) return status;
  return CheckEntityReferences(text);
}

}  // namespace quelmo
