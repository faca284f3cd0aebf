// libcurl opened at the check's first use. The check calls libcurl's
// functions by their own names, as it would with libcurl linked; here each
// of those names is a small forwarder to the function found in the library
// opened. The forwarders are hidden: they serve this program's own calls
// only, and nothing loaded later binds to them. A libcurl function the check
// starts to use needs a row in the list and a forwarder below; until then
// the link fails naming it.

// The forwarders take their arguments as curl.h declares them.
#define CURL_DISABLE_TYPECHECK
#include <curl/curl.h>

#include <cstdarg>

#include "mail_check/curl_library.h"
#include "platform/shared_library.h"

#define QUELMO_CURL_FUNCTIONS(X)                                                                \
  X(curl_global_init) X(curl_easy_init) X(curl_easy_cleanup) X(curl_easy_setopt)               \
  X(curl_easy_getinfo) X(curl_easy_strerror) X(curl_easy_send) X(curl_easy_recv)                \
  X(curl_multi_init) X(curl_multi_cleanup) X(curl_multi_add_handle) X(curl_multi_remove_handle) \
  X(curl_multi_perform) X(curl_multi_poll) X(curl_multi_wakeup) X(curl_multi_info_read)         \
  X(curl_slist_append) X(curl_slist_free_all) X(curl_mime_init) X(curl_mime_free)               \
  X(curl_mime_addpart) X(curl_mime_data) X(curl_mime_type) X(curl_mime_filename)                \
  X(curl_mime_encoder)

namespace quelmo {
namespace {

// libcurl 4's soname: the OpenSSL flavour Debian's libcurl4 ships, whose
// certificate results the verdicts read.
constexpr char kCurlFileName[] = "libcurl.so.4";

struct CurlFunctions {
#define QUELMO_CURL_SLOT(name) decltype(::name)* name = nullptr;
  QUELMO_CURL_FUNCTIONS(QUELMO_CURL_SLOT)
#undef QUELMO_CURL_SLOT
};

Result<CurlFunctions> OpenCurlFunctions(const std::string& file_name) {
  auto library = SharedLibrary::Open(file_name);
  if (!library.ok()) return library.error();
  CurlFunctions functions;
  Status found;
#define QUELMO_CURL_FIND(name) \
  if (found.ok()) found = library->Find(#name, functions.name);
  QUELMO_CURL_FUNCTIONS(QUELMO_CURL_FIND)
#undef QUELMO_CURL_FIND
  if (!found.ok()) return found.error();
  return functions;
}

const Result<CurlFunctions>& Loaded() {
  static const Result<CurlFunctions> loaded = OpenCurlFunctions(kCurlFileName);
  return loaded;
}

// The process's libcurl, or null when it could not be opened; the check
// asks CurlReady() first, so the forwarders' answers without it only keep
// a stray call harmless.
const CurlFunctions* Curl() {
  const auto& loaded = Loaded();
  return loaded.ok() ? &loaded.value() : nullptr;
}

}  // namespace

Status CurlReady() { return Loaded().status(); }

Status ProbeCurlLibrary(const std::string& file_name) {
  return OpenCurlFunctions(file_name).status();
}

}  // namespace quelmo

using quelmo::Curl;

#define QUELMO_FORWARDER extern "C" __attribute__((visibility("hidden")))

QUELMO_FORWARDER CURLcode curl_global_init(long flags) {
  return Curl() ? Curl()->curl_global_init(flags) : CURLE_FAILED_INIT;
}

QUELMO_FORWARDER CURL* curl_easy_init() { return Curl() ? Curl()->curl_easy_init() : nullptr; }

QUELMO_FORWARDER void curl_easy_cleanup(CURL* easy) {
  if (Curl()) Curl()->curl_easy_cleanup(easy);
}

// Every option takes one argument, of the type its number's range says.
QUELMO_FORWARDER CURLcode curl_easy_setopt(CURL* easy, CURLoption option, ...) {
  if (!Curl()) return CURLE_FAILED_INIT;
  const auto setopt = Curl()->curl_easy_setopt;
  std::va_list arguments;
  va_start(arguments, option);
  CURLcode code;
  if (option < CURLOPTTYPE_OBJECTPOINT) {
    code = setopt(easy, option, va_arg(arguments, long));
  } else if (option < CURLOPTTYPE_FUNCTIONPOINT) {
    code = setopt(easy, option, va_arg(arguments, void*));
  } else if (option < CURLOPTTYPE_OFF_T) {
    code = setopt(easy, option, va_arg(arguments, void (*)()));
  } else if (option < CURLOPTTYPE_BLOB) {
    code = setopt(easy, option, va_arg(arguments, curl_off_t));
  } else {
    code = setopt(easy, option, va_arg(arguments, curl_blob*));
  }
  va_end(arguments);
  return code;
}

// Every item is written through one pointer.
QUELMO_FORWARDER CURLcode curl_easy_getinfo(CURL* easy, CURLINFO info, ...) {
  if (!Curl()) return CURLE_FAILED_INIT;
  std::va_list arguments;
  va_start(arguments, info);
  void* out = va_arg(arguments, void*);
  va_end(arguments);
  return Curl()->curl_easy_getinfo(easy, info, out);
}

QUELMO_FORWARDER const char* curl_easy_strerror(CURLcode code) {
  return Curl() ? Curl()->curl_easy_strerror(code) : "libcurl is not loaded";
}

QUELMO_FORWARDER CURLcode curl_easy_send(CURL* easy, const void* buffer, size_t length,
                                         size_t* sent) {
  return Curl() ? Curl()->curl_easy_send(easy, buffer, length, sent) : CURLE_FAILED_INIT;
}

QUELMO_FORWARDER CURLcode curl_easy_recv(CURL* easy, void* buffer, size_t length,
                                         size_t* received) {
  return Curl() ? Curl()->curl_easy_recv(easy, buffer, length, received) : CURLE_FAILED_INIT;
}

QUELMO_FORWARDER CURLM* curl_multi_init() { return Curl() ? Curl()->curl_multi_init() : nullptr; }

QUELMO_FORWARDER CURLMcode curl_multi_cleanup(CURLM* multi) {
  return Curl() ? Curl()->curl_multi_cleanup(multi) : CURLM_INTERNAL_ERROR;
}

QUELMO_FORWARDER CURLMcode curl_multi_add_handle(CURLM* multi, CURL* easy) {
  return Curl() ? Curl()->curl_multi_add_handle(multi, easy) : CURLM_INTERNAL_ERROR;
}

QUELMO_FORWARDER CURLMcode curl_multi_remove_handle(CURLM* multi, CURL* easy) {
  return Curl() ? Curl()->curl_multi_remove_handle(multi, easy) : CURLM_INTERNAL_ERROR;
}

QUELMO_FORWARDER CURLMcode curl_multi_perform(CURLM* multi, int* running) {
  return Curl() ? Curl()->curl_multi_perform(multi, running) : CURLM_INTERNAL_ERROR;
}

QUELMO_FORWARDER CURLMcode curl_multi_poll(CURLM* multi, curl_waitfd extra[], unsigned count,
                                           int timeout_ms, int* ready) {
  return Curl() ? Curl()->curl_multi_poll(multi, extra, count, timeout_ms, ready)
                : CURLM_INTERNAL_ERROR;
}

QUELMO_FORWARDER CURLMcode curl_multi_wakeup(CURLM* multi) {
  return Curl() ? Curl()->curl_multi_wakeup(multi) : CURLM_INTERNAL_ERROR;
}

QUELMO_FORWARDER CURLMsg* curl_multi_info_read(CURLM* multi, int* left) {
  return Curl() ? Curl()->curl_multi_info_read(multi, left) : nullptr;
}

QUELMO_FORWARDER curl_slist* curl_slist_append(curl_slist* list, const char* text) {
  return Curl() ? Curl()->curl_slist_append(list, text) : nullptr;
}

QUELMO_FORWARDER void curl_slist_free_all(curl_slist* list) {
  if (Curl()) Curl()->curl_slist_free_all(list);
}

QUELMO_FORWARDER curl_mime* curl_mime_init(CURL* easy) {
  return Curl() ? Curl()->curl_mime_init(easy) : nullptr;
}

QUELMO_FORWARDER void curl_mime_free(curl_mime* mime) {
  if (Curl()) Curl()->curl_mime_free(mime);
}

QUELMO_FORWARDER curl_mimepart* curl_mime_addpart(curl_mime* mime) {
  return Curl() ? Curl()->curl_mime_addpart(mime) : nullptr;
}

QUELMO_FORWARDER CURLcode curl_mime_data(curl_mimepart* part, const char* data, size_t size) {
  return Curl() ? Curl()->curl_mime_data(part, data, size) : CURLE_FAILED_INIT;
}

QUELMO_FORWARDER CURLcode curl_mime_type(curl_mimepart* part, const char* type) {
  return Curl() ? Curl()->curl_mime_type(part, type) : CURLE_FAILED_INIT;
}

QUELMO_FORWARDER CURLcode curl_mime_filename(curl_mimepart* part, const char* name) {
  return Curl() ? Curl()->curl_mime_filename(part, name) : CURLE_FAILED_INIT;
}

QUELMO_FORWARDER CURLcode curl_mime_encoder(curl_mimepart* part, const char* encoding) {
  return Curl() ? Curl()->curl_mime_encoder(part, encoding) : CURLE_FAILED_INIT;
}
