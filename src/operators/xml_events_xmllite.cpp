// The XmlLite backend of ParseXml (Windows). XmlLite is part of every
// Windows since XP SP3 (and of Wine), but mingw ships no import library for
// it, so xmllite.dll is loaded here by name.
//
// DtdProcessing_Prohibit would refuse the real file's <!DOCTYPE ... SYSTEM
// "serviceproviders.2.dtd">; DtdProcessing_Parse with no resolver accepts it
// without fetching anything, and internal subsets never get this far
// (CheckXmlDocument refuses them first). Entity expansion is capped as well.

#include <windows.h>
#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <string>
#include <vector>

#include "operators/xml_events.h"
#include "text/utf16.h"

namespace quelmo {
namespace {

using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// Owns one COM reference.
template <typename T>
class Owned {
 public:
  Owned() = default;
  ~Owned() {
    if (object_ != nullptr) object_->Release();
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T** out() { return &object_; }

 private:
  T* object_ = nullptr;
};

CreateXmlReaderFunction LoadCreateXmlReader() {
  // Loaded once and kept: the library stays for the life of the program.
  static const CreateXmlReaderFunction create = [] {
    HMODULE library = LoadLibraryW(L"xmllite.dll");
    if (library == nullptr) return CreateXmlReaderFunction{};
    return reinterpret_cast<CreateXmlReaderFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "CreateXmlReader")));
  }();
  return create;
}

const char* ProblemOf(HRESULT result) {
  switch (static_cast<unsigned long>(result)) {
    case MX_E_INPUTEND: return "the document ends too soon";
    case MX_E_ENCODING:
    case MX_E_ENCODINGSWITCH:
    case MX_E_ENCODINGSIGNATURE: return "not in the encoding it declares";
    case WC_E_ELEMENTMATCH: return "mismatched tag";
    case WC_E_ROOTELEMENT: return "no single root element";
    case WC_E_UNDECLAREDENTITY: return "refers to an entity which is not defined";
    case WC_E_DTDPROHIBITED: return "a document type declaration, which is refused";
    case WC_E_XMLCHARACTER: return "a character XML does not allow";
    case WC_E_SYNTAX: return "not well-formed (syntax error)";
    default: break;
  }
  if (result == E_OUTOFMEMORY) return "no memory to read it";
  return nullptr;
}

std::string HresultText(HRESULT result) {
  if (const char* problem = ProblemOf(result)) return problem;
  char hex[32];
  std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(result));
  return std::string("not well-formed XML (XmlLite error ") + hex + ")";
}

std::string Utf8Of(const wchar_t* text, UINT length) {
  return Utf8(std::wstring_view(text, length));
}

std::string CurrentName(IXmlReader& reader) {
  const wchar_t* name = nullptr;
  UINT length = 0;
  if (FAILED(reader.GetQualifiedName(&name, &length))) return {};
  return Utf8Of(name, length);
}

std::string CurrentValue(IXmlReader& reader) {
  const wchar_t* value = nullptr;
  UINT length = 0;
  if (FAILED(reader.GetValue(&value, &length))) return {};
  return Utf8Of(value, length);
}

Status ReadElement(IXmlReader& reader, XmlEventHandler& handler) {
  const std::string name = CurrentName(reader);
  const bool empty = reader.IsEmptyElement() != FALSE;  // asked before moving to the attributes

  std::vector<std::string> texts;  // name, value, name, value...
  for (HRESULT more = reader.MoveToFirstAttribute(); more == S_OK; more = reader.MoveToNextAttribute()) {
    if (reader.IsDefault()) continue;
    texts.push_back(CurrentName(reader));
    texts.push_back(CurrentValue(reader));
  }
  reader.MoveToElement();

  std::vector<XmlAttribute> attributes;
  for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
    // Namespace declarations are attributes to XmlLite, as to expat here.
    attributes.push_back(XmlAttribute{texts[i], texts[i + 1]});
  }
  if (auto status = handler.StartElement(name, attributes); !status.ok()) return status;
  if (empty) return handler.EndElement(name);
  return Status::Ok();
}

Status WithLine(IXmlReader& reader, Status status) {
  if (status.ok()) return status;
  UINT line = 0;
  reader.GetLineNumber(&line);
  Error error = status.error();
  error.message = "line " + std::to_string(line == 0 ? 1 : line) + ": " + error.message;
  return error;
}

// Whether the reader stands beyond the document's last character, in the
// tail. Lines and positions are counted as XmlLite counts them: '\n' ends a
// line, and a position counts UTF-16 units from 1.
bool IsPastTheEnd(IXmlReader& reader, std::span<const std::uint8_t> document) {
  UINT line = 0;
  UINT position = 0;
  if (FAILED(reader.GetLineNumber(&line)) || FAILED(reader.GetLinePosition(&position))) return false;
  UINT lastLine = 1;
  UINT lastLineUnits = 0;
  for (const std::uint8_t byte : document) {
    if (byte == '\n') {
      ++lastLine;
      lastLineUnits = 0;
    } else if ((byte & 0xC0) != 0x80) {
      lastLineUnits += byte >= 0xF0 ? 2 : 1;  // four bytes make a surrogate pair
    }
  }
  // Just after the last character is still the document's: a parser may
  // stand there when it finds a fault in the last tag.
  return line > lastLine || (line == lastLine && position > lastLineUnits + 1);
}

}  // namespace

Status ParseXml(std::span<const std::uint8_t> document, XmlEventHandler& handler) {
  const auto create = LoadCreateXmlReader();
  if (create == nullptr) {
    return Error{ErrorCode::kUnavailable, "this system has no XML reader (xmllite.dll)"};
  }
  if (document.size() > 0x7FFFFFFF) return Error{ErrorCode::kCorrupt, "too large for the XML reader"};

  // Wine's XmlLite asserts when a document ends inside a construct rather
  // than reporting the cut. The reader is never let run dry: a tail that
  // closes any comment, CDATA section, instruction or quoted value and then
  // holds characters XML forbids everywhere follows the document, and
  // reading stops as soon as the root element ends, before the tail.
  static constexpr char kTail[] = "-->]]>?>\"'><\x01\x01\x01\x01";
  std::vector<std::uint8_t> padded(document.begin(), document.end());
  for (int i = 0; i < 64; ++i) padded.insert(padded.end(), kTail, kTail + sizeof kTail - 1);
  Owned<IStream> stream;
  *stream.out() = SHCreateMemStream(padded.data(), static_cast<UINT>(padded.size()));
  Owned<IXmlReader> reader;
  if (stream.get() == nullptr ||
      FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(reader.out()), nullptr))) {
    return Error{ErrorCode::kIoError, "no memory for the XML reader"};
  }
  reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Parse);
  reader->SetProperty(XmlReaderProperty_XmlResolver, 0);
  reader->SetProperty(XmlReaderProperty_MaxEntityExpansion, 1000);
  reader->SetProperty(XmlReaderProperty_MaxElementDepth, 256);
  if (FAILED(reader->SetInput(stream.get()))) {
    return Error{ErrorCode::kIoError, "the XML reader refused its input"};
  }

  bool sawElement = false;
  std::size_t open = 0;  // elements started and not yet ended
  XmlNodeType type = XmlNodeType_None;
  HRESULT result = S_OK;
  while ((result = reader->Read(&type)) == S_OK) {
    Status status;
    switch (type) {
      case XmlNodeType_Element:
        sawElement = true;
        if (reader->IsEmptyElement() == FALSE) ++open;
        status = ReadElement(*reader.get(), handler);
        if (status.ok() && open == 0) return Status::Ok();  // an empty root
        break;
      case XmlNodeType_EndElement:
        if (open > 0) --open;
        status = handler.EndElement(CurrentName(*reader.get()));
        if (status.ok() && open == 0) return Status::Ok();  // the root is complete
        break;
      case XmlNodeType_Text:
      case XmlNodeType_CDATA:
      case XmlNodeType_Whitespace:
        status = handler.Text(CurrentValue(*reader.get()));
        break;
      default:
        break;
    }
    if (!status.ok()) return WithLine(*reader.get(), status);
  }
  // The tail is there to fail on: an error within it, or reaching its end,
  // means the document itself was cut short or had no root element.
  if (FAILED(result) && !IsPastTheEnd(*reader.get(), document)) {
    return WithLine(*reader.get(), Error{ErrorCode::kCorrupt, HresultText(result)});
  }
  const std::string_view text(reinterpret_cast<const char*>(document.data()), document.size());
  const std::size_t lines = 1 + std::count(text.begin(), text.end(), '\n');
  return Error{ErrorCode::kCorrupt, "line " + std::to_string(lines) + ": " +
                                        (sawElement ? "the document ends too soon" : "no element found")};
}

}  // namespace quelmo
