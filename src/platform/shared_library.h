#pragma once
// A system library opened while the program runs instead of linked into it.
// What only a rarely used command needs (the mail library and the dozens of
// libraries it pulls in, the XML parser) then costs the other commands and
// the windows nothing when they start, and a system without it still runs
// everything else. POSIX only: quelmo.exe links or loads its own.

#include <string>

#include "base/result.h"

namespace quelmo {

class SharedLibrary {
 public:
  // Opens the library the system's loader finds by `file_name` (a soname
  // such as "libcurl.so.4"). It stays loaded for the life of the program:
  // what was found in it is used to the end. The error names the file and
  // says why it could not be opened.
  static Result<SharedLibrary> Open(const std::string& file_name);

  // Points `function` at the library's function `name`; an error names the
  // function when the library has none of that name (a version too old).
  template <typename Function>
  Status Find(const char* name, Function*& function) const {
    void* address = nullptr;
    if (Status found = FindAddress(name, address); !found.ok()) return found;
    function = reinterpret_cast<Function*>(address);
    return Status::Ok();
  }

  const std::string& fileName() const { return file_name_; }

 private:
  SharedLibrary(void* handle, std::string file_name)
      : handle_(handle), file_name_(std::move(file_name)) {}
  Status FindAddress(const char* name, void*& address) const;

  void* handle_;
  std::string file_name_;
};

}  // namespace quelmo
