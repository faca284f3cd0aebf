// expat opened when the operator database is first read. The reader calls
// expat's functions by their own names, as it would with expat linked; here
// each of those names is a small forwarder to the function found in the
// library opened. The forwarders are hidden: they serve this program's own
// calls only, and nothing loaded later binds to them. An expat function the
// reader starts to use needs a row in the list and a forwarder below; until
// then the link fails naming it.

#include <expat.h>

#include "operators/expat_library.h"
#include "platform/shared_library.h"

#define QUELMO_EXPAT_FUNCTIONS(X)                                                       \
  X(XML_ParserCreate) X(XML_ParserFree) X(XML_SetUserData) X(XML_SetElementHandler)     \
  X(XML_SetCharacterDataHandler) X(XML_SetStartDoctypeDeclHandler)                      \
  X(XML_SetEntityDeclHandler) X(XML_SetSkippedEntityHandler) X(XML_SetParamEntityParsing) \
  X(XML_Parse) X(XML_StopParser) X(XML_GetErrorCode) X(XML_ErrorString)                 \
  X(XML_GetCurrentLineNumber)

namespace quelmo {
namespace {

// expat 2's soname (Debian's libexpat1).
constexpr char kExpatFileName[] = "libexpat.so.1";

struct ExpatFunctions {
#define QUELMO_EXPAT_SLOT(name) decltype(::name)* name = nullptr;
  QUELMO_EXPAT_FUNCTIONS(QUELMO_EXPAT_SLOT)
#undef QUELMO_EXPAT_SLOT
};

Result<ExpatFunctions> OpenExpatFunctions(const std::string& file_name) {
  auto library = SharedLibrary::Open(file_name);
  if (!library.ok()) return library.error();
  ExpatFunctions functions;
  Status found;
#define QUELMO_EXPAT_FIND(name) \
  if (found.ok()) found = library->Find(#name, functions.name);
  QUELMO_EXPAT_FUNCTIONS(QUELMO_EXPAT_FIND)
#undef QUELMO_EXPAT_FIND
  if (!found.ok()) return found.error();
  return functions;
}

const Result<ExpatFunctions>& Loaded() {
  static const Result<ExpatFunctions> loaded = OpenExpatFunctions(kExpatFileName);
  return loaded;
}

// The process's expat, or null when it could not be opened; the reader asks
// ExpatReady() first, so the forwarders' answers without it only keep a
// stray call harmless.
const ExpatFunctions* Expat() {
  const auto& loaded = Loaded();
  return loaded.ok() ? &loaded.value() : nullptr;
}

}  // namespace

Status ExpatReady() { return Loaded().status(); }

Status ProbeExpatLibrary(const std::string& file_name) {
  return OpenExpatFunctions(file_name).status();
}

}  // namespace quelmo

using quelmo::Expat;

#define QUELMO_FORWARDER extern "C" __attribute__((visibility("hidden")))

QUELMO_FORWARDER XML_Parser XMLCALL XML_ParserCreate(const XML_Char* encoding) {
  return Expat() ? Expat()->XML_ParserCreate(encoding) : nullptr;
}

QUELMO_FORWARDER void XMLCALL XML_ParserFree(XML_Parser parser) {
  if (Expat()) Expat()->XML_ParserFree(parser);
}

QUELMO_FORWARDER void XMLCALL XML_SetUserData(XML_Parser parser, void* data) {
  if (Expat()) Expat()->XML_SetUserData(parser, data);
}

QUELMO_FORWARDER void XMLCALL XML_SetElementHandler(XML_Parser parser,
                                                    XML_StartElementHandler start,
                                                    XML_EndElementHandler end) {
  if (Expat()) Expat()->XML_SetElementHandler(parser, start, end);
}

QUELMO_FORWARDER void XMLCALL XML_SetCharacterDataHandler(XML_Parser parser,
                                                          XML_CharacterDataHandler handler) {
  if (Expat()) Expat()->XML_SetCharacterDataHandler(parser, handler);
}

QUELMO_FORWARDER void XMLCALL XML_SetStartDoctypeDeclHandler(
    XML_Parser parser, XML_StartDoctypeDeclHandler handler) {
  if (Expat()) Expat()->XML_SetStartDoctypeDeclHandler(parser, handler);
}

QUELMO_FORWARDER void XMLCALL XML_SetEntityDeclHandler(XML_Parser parser,
                                                       XML_EntityDeclHandler handler) {
  if (Expat()) Expat()->XML_SetEntityDeclHandler(parser, handler);
}

QUELMO_FORWARDER void XMLCALL XML_SetSkippedEntityHandler(XML_Parser parser,
                                                          XML_SkippedEntityHandler handler) {
  if (Expat()) Expat()->XML_SetSkippedEntityHandler(parser, handler);
}

QUELMO_FORWARDER int XMLCALL XML_SetParamEntityParsing(XML_Parser parser,
                                                       XML_ParamEntityParsing parsing) {
  return Expat() ? Expat()->XML_SetParamEntityParsing(parser, parsing) : 0;
}

QUELMO_FORWARDER XML_Status XMLCALL XML_Parse(XML_Parser parser, const char* text, int length,
                                              int final) {
  return Expat() ? Expat()->XML_Parse(parser, text, length, final) : XML_STATUS_ERROR;
}

QUELMO_FORWARDER XML_Status XMLCALL XML_StopParser(XML_Parser parser, XML_Bool resumable) {
  return Expat() ? Expat()->XML_StopParser(parser, resumable) : XML_STATUS_ERROR;
}

QUELMO_FORWARDER XML_Error XMLCALL XML_GetErrorCode(XML_Parser parser) {
  return Expat() ? Expat()->XML_GetErrorCode(parser) : XML_ERROR_NO_MEMORY;
}

QUELMO_FORWARDER const XML_LChar* XMLCALL XML_ErrorString(XML_Error code) {
  return Expat() ? Expat()->XML_ErrorString(code) : "expat is not loaded";
}

QUELMO_FORWARDER XML_Size XMLCALL XML_GetCurrentLineNumber(XML_Parser parser) {
  return Expat() ? Expat()->XML_GetCurrentLineNumber(parser) : 0;
}
