#pragma once
// libcurl for the check. On Linux it is opened at the check's first use
// (curl_library_posix.cpp) rather than linked: the other commands and the
// windows then never load it and the dozens of libraries it brings, and a
// system without it still runs everything but the check. quelmo.exe links
// its own libcurl in.

#include <string>

#include "base/result.h"

namespace quelmo {

#ifdef _WIN32
inline Status CurlReady() { return Status::Ok(); }
#else
// Ok when the check can call libcurl. The first call opens the system's
// libcurl.so.4 and finds every function the check uses; later calls give
// the same answer at once. The error says what is missing.
Status CurlReady();

// Opens `file_name` as libcurl and finds those functions in it, without
// making it the check's libcurl: whether a library would serve.
Status ProbeCurlLibrary(const std::string& file_name);
#endif

}  // namespace quelmo
