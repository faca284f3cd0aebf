#include "platform/shared_library.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace quelmo {
namespace {

TEST(SharedLibrary, OpensByNameAndFindsItsFunctions) {
  auto library = SharedLibrary::Open("libc.so.6");
  ASSERT_TRUE(library.ok()) << library.message();
  decltype(std::strlen)* length = nullptr;
  ASSERT_TRUE(library->Find("strlen", length).ok());
  EXPECT_EQ(length("quelmo"), 6u) << "the function found is the one called";
}

TEST(SharedLibrary, WhatIsMissingIsNamed) {
  struct Case {
    const char* file;
    const char* function;  // looked up when the file opens
    const char* named;     // in the error
  };
  const Case cases[] = {
      {"libquelmo-no-such-library.so.0", nullptr, "libquelmo-no-such-library.so.0"},
      {"/nonexistent/libcurl.so.4", nullptr, "/nonexistent/libcurl.so.4"},
      {"libc.so.6", "curl_easy_init", "curl_easy_init"},
  };
  for (const Case& c : cases) {
    auto library = SharedLibrary::Open(c.file);
    Status status = library.status();
    if (library.ok() && c.function != nullptr) {
      void (*function)() = nullptr;
      status = library->Find(c.function, function);
      EXPECT_EQ(function, nullptr) << c.file;
    }
    ASSERT_FALSE(status.ok()) << c.file;
    EXPECT_EQ(status.error().code, ErrorCode::kUnavailable) << c.file;
    EXPECT_NE(status.message().find(c.named), std::string::npos) << status.message();
  }
}

}  // namespace
}  // namespace quelmo
