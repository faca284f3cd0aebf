#pragma once
// The program's command-line arguments as UTF-8, like every other text in the
// core. Windows hands main() its arguments in the ANSI code page, where a
// folder name such as "相机" or "Müller" on a system with another code page is
// lost or garbled; there they are taken from the UTF-16 command line instead.

#include <string>
#include <vector>

namespace quelmo {

// The arguments after the program's name.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

}  // namespace quelmo
