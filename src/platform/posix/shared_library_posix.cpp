#include "platform/shared_library.h"

#include <dlfcn.h>

namespace quelmo {

Result<SharedLibrary> SharedLibrary::Open(const std::string& file_name) {
  // RTLD_LOCAL: its names serve only what is looked up here; RTLD_LAZY: of a
  // large library only the functions called are bound.
  void* handle = dlopen(file_name.c_str(), RTLD_LAZY | RTLD_LOCAL);
  if (handle == nullptr) {
    // The loader's own words name the file and why ("...: cannot open shared
    // object file: No such file or directory").
    const char* why = dlerror();
    return Error{ErrorCode::kUnavailable, why != nullptr ? why : file_name + " cannot be loaded"};
  }
  return SharedLibrary(handle, file_name);
}

Status SharedLibrary::FindAddress(const char* name, void*& address) const {
  dlerror();
  address = dlsym(handle_, name);
  if (address == nullptr) {
    return Error{ErrorCode::kUnavailable, file_name_ + " has no " + name + " (a version too old?)"};
  }
  return Status::Ok();
}

}  // namespace quelmo
