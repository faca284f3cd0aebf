// Sends one short message through the Windows libcurl (Schannel), for
// curl_smtp_smoke_test.py, which runs it under Wine against an SMTP server of
// its own on 127.0.0.1.
//
//   curl_smtp_smoke --url smtp://127.0.0.1:PORT --from A --to B
//                   [--user NAME --password WORD] [--tls none|starttls]
//                   [--cainfo FILE | --cainfo-blob FILE] [--no-revoke]
//                   [--no-verify] [--resolve HOST:PORT:ADDRESS]
//                   [--subject TEXT] [--verbose]
//
// --tls starttls insists on STARTTLS (CURLUSESSL_ALL); smtps:// URLs speak
// TLS from the start. --cainfo names a PEM file of trusted CAs
// (CURLOPT_CAINFO), --cainfo-blob hands the same file's bytes over
// (CURLOPT_CAINFO_BLOB); without either, Schannel checks the server against
// the system's store. --resolve gives a host name its address without any
// lookup (CURLOPT_RESOLVE): the server's certificate names a host, and
// Schannel's checks in this libcurl match host names, not IP addresses.
//
// It prints "backend: ..." and "result: CODE TEXT" and exits with curl's
// result code (0: the message was accepted).
#include <curl/curl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

struct Options {
  std::string url, from, to, user, password, tls = "none", cainfo, cainfoBlob, resolve,
      subject = "Quelmo libcurl smoke test";
  bool noRevoke = false, noVerify = false, verbose = false;
};

struct Body {
  std::string text;
  std::size_t sent = 0;
};

std::size_t readBody(char* buffer, std::size_t size, std::size_t count, void* user) {
  auto* body = static_cast<Body*>(user);
  const std::size_t room = size * count;
  const std::size_t left = body->text.size() - body->sent;
  const std::size_t n = left < room ? left : room;
  std::memcpy(buffer, body->text.data() + body->sent, n);
  body->sent += n;
  return n;
}

bool parse(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    bool ok = true;
    if (arg == "--url") ok = value(options.url);
    else if (arg == "--from") ok = value(options.from);
    else if (arg == "--to") ok = value(options.to);
    else if (arg == "--user") ok = value(options.user);
    else if (arg == "--password") ok = value(options.password);
    else if (arg == "--tls") ok = value(options.tls);
    else if (arg == "--cainfo") ok = value(options.cainfo);
    else if (arg == "--cainfo-blob") ok = value(options.cainfoBlob);
    else if (arg == "--resolve") ok = value(options.resolve);
    else if (arg == "--subject") ok = value(options.subject);
    else if (arg == "--no-revoke") options.noRevoke = true;
    else if (arg == "--no-verify") options.noVerify = true;
    else if (arg == "--verbose") options.verbose = true;
    else ok = false;
    if (!ok) {
      std::fprintf(stderr, "curl_smtp_smoke: bad argument %s\n", argv[i]);
      return false;
    }
  }
  return !options.url.empty() && !options.from.empty() && !options.to.empty() &&
         (options.tls == "none" || options.tls == "starttls");
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parse(argc, argv, options)) {
    std::fprintf(stderr, "usage: curl_smtp_smoke --url URL --from A --to B [options]\n");
    return 2;
  }
  if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) return 3;
  const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
  std::printf("backend: libcurl %s, %s\n", info->version, info->ssl_version ? info->ssl_version : "no TLS");

  std::string blob;
  if (!options.cainfoBlob.empty()) {
    std::ifstream in(options.cainfoBlob, std::ios::binary);
    blob.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (blob.empty()) {
      std::fprintf(stderr, "curl_smtp_smoke: cannot read %s\n", options.cainfoBlob.c_str());
      return 2;
    }
  }

  Body body;
  body.text = "From: <" + options.from + ">\r\nTo: <" + options.to + ">\r\nSubject: " + options.subject +
              "\r\n\r\nSent through libcurl " + info->version + " with " +
              (info->ssl_version ? info->ssl_version : "no TLS") + ".\r\n";

  CURL* curl = curl_easy_init();
  if (!curl) return 3;
  char error[CURL_ERROR_SIZE] = {};
  curl_slist* recipients = curl_slist_append(nullptr, ("<" + options.to + ">").c_str());
  curl_slist* resolve = options.resolve.empty() ? nullptr : curl_slist_append(nullptr, options.resolve.c_str());
  if (resolve) curl_easy_setopt(curl, CURLOPT_RESOLVE, resolve);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(curl, CURLOPT_URL, options.url.c_str());
  curl_easy_setopt(curl, CURLOPT_MAIL_FROM, ("<" + options.from + ">").c_str());
  curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, readBody);
  curl_easy_setopt(curl, CURLOPT_READDATA, &body);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, 30L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, 60L);
  curl_easy_setopt(curl, CURLOPT_VERBOSE, options.verbose ? 1L : 0L);
  if (!options.user.empty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, options.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, options.password.c_str());
  }
  if (options.tls == "starttls") curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
  if (!options.cainfo.empty()) curl_easy_setopt(curl, CURLOPT_CAINFO, options.cainfo.c_str());
  if (!blob.empty()) {
    curl_blob caBlob{blob.data(), blob.size(), CURL_BLOB_COPY};
    curl_easy_setopt(curl, CURLOPT_CAINFO_BLOB, &caBlob);
  }
  if (options.noRevoke) curl_easy_setopt(curl, CURLOPT_SSL_OPTIONS, static_cast<long>(CURLSSLOPT_NO_REVOKE));
  if (options.noVerify) {
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  }

  const CURLcode result = curl_easy_perform(curl);
  std::printf("result: %d %s%s%s\n", static_cast<int>(result), curl_easy_strerror(result),
              error[0] ? ": " : "", error);
  std::fflush(stdout);
  curl_slist_free_all(recipients);
  curl_slist_free_all(resolve);
  curl_easy_cleanup(curl);
  curl_global_cleanup();
  return static_cast<int>(result);
}
