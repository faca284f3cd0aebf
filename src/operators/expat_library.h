#pragma once
// expat, the XML parser the operator database is read with on Linux, opened
// when the database is first read rather than linked: the commands and the
// windows that never read it do not load it, and a system without it still
// runs everything but the operator database.

#include <string>

#include "base/result.h"

namespace quelmo {

// Ok when the parser can be used. The first call opens the system's
// libexpat.so.1 and finds the functions the reader uses; later calls give the
// same answer at once. The error says what is missing.
Status ExpatReady();

// Opens `file_name` as expat and finds those functions in it, without
// making it the reader's parser: whether a library would serve.
Status ProbeExpatLibrary(const std::string& file_name);

}  // namespace quelmo
