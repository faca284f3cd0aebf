// The expat backend of ParseXml (Linux and other POSIX systems).

#include <expat.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "operators/expat_library.h"
#include "operators/xml_events.h"

namespace quelmo {
namespace {

struct ParserDeleter {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

struct ParseState {
  XML_Parser parser = nullptr;
  XmlEventHandler* handler = nullptr;
  Status stopped;  // why a handler or a guard stopped the parse
  std::vector<XmlAttribute> attributes;
};

void Stop(ParseState& state, Status why) {
  if (!state.stopped.ok()) return;
  state.stopped = std::move(why);
  XML_StopParser(state.parser, XML_FALSE);
}

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
  auto& state = *static_cast<ParseState*>(data);
  if (!state.stopped.ok()) return;
  state.attributes.clear();
  for (const XML_Char** pair = attributes; pair[0] != nullptr; pair += 2) {
    state.attributes.push_back(XmlAttribute{pair[0], pair[1]});
  }
  if (auto status = state.handler->StartElement(name, state.attributes); !status.ok()) {
    Stop(state, std::move(status));
  }
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
  auto& state = *static_cast<ParseState*>(data);
  if (!state.stopped.ok()) return;
  if (auto status = state.handler->EndElement(name); !status.ok()) Stop(state, std::move(status));
}

void XMLCALL OnText(void* data, const XML_Char* text, int length) {
  auto& state = *static_cast<ParseState*>(data);
  if (!state.stopped.ok()) return;
  if (auto status = state.handler->Text(std::string_view(text, static_cast<std::size_t>(length)));
      !status.ok()) {
    Stop(state, std::move(status));
  }
}

// CheckXmlDocument refuses internal subsets before expat runs; these guards
// hold the same line should a document reach the parser some other way.
void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*,
                       int hasInternalSubset) {
  if (hasInternalSubset) {
    Stop(*static_cast<ParseState*>(data),
         Error{ErrorCode::kCorrupt, "the document type declares its own entities or elements "
                                    "(an internal subset), which is refused"});
  }
}

void XMLCALL OnEntityDeclaration(void* data, const XML_Char* name, int, const XML_Char*, int,
                                 const XML_Char*, const XML_Char*, const XML_Char*,
                                 const XML_Char*) {
  Stop(*static_cast<ParseState*>(data),
       Error{ErrorCode::kCorrupt, std::string("declares the entity \"") + name + "\", which is refused"});
}

// With an external DTD named but never read, expat passes over references to
// entities it does not know; they are refused rather than dropped.
void XMLCALL OnSkippedEntity(void* data, const XML_Char* name, int) {
  Stop(*static_cast<ParseState*>(data),
       Error{ErrorCode::kCorrupt, std::string("refers to the entity &") + name + "; which is not defined"});
}

}  // namespace

Status ParseXml(std::span<const std::uint8_t> document, XmlEventHandler& handler) {
  if (const Status ready = ExpatReady(); !ready.ok()) {
    return Error{ErrorCode::kUnavailable, "this system has no XML reader (" + ready.message() + ")"};
  }
  // The encoding given here overrides whatever the document declares.
  std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate("UTF-8"));
  if (!parser) return Error{ErrorCode::kIoError, "no memory for the XML parser"};

  ParseState state;
  state.parser = parser.get();
  state.handler = &handler;
  XML_SetUserData(parser.get(), &state);
  XML_SetElementHandler(parser.get(), OnStart, OnEnd);
  XML_SetCharacterDataHandler(parser.get(), OnText);
  XML_SetStartDoctypeDeclHandler(parser.get(), OnDoctype);
  XML_SetEntityDeclHandler(parser.get(), OnEntityDeclaration);
  XML_SetSkippedEntityHandler(parser.get(), OnSkippedEntity);
  // No external DTD or entity is ever fetched.
  XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);

  if (document.size() > static_cast<std::size_t>(INT_MAX)) {
    return Error{ErrorCode::kCorrupt, "too large for the XML parser"};
  }
  const auto outcome = XML_Parse(parser.get(), reinterpret_cast<const char*>(document.data()),
                                 static_cast<int>(document.size()), XML_TRUE);
  const auto line = "line " + std::to_string(XML_GetCurrentLineNumber(parser.get())) + ": ";
  if (!state.stopped.ok()) {
    Error error = state.stopped.error();
    error.message = line + error.message;
    return error;
  }
  if (outcome != XML_STATUS_OK) {
    return Error{ErrorCode::kCorrupt,
                 line + XML_ErrorString(XML_GetErrorCode(parser.get()))};
  }
  return Status::Ok();
}

}  // namespace quelmo
