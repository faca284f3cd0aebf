#pragma once
// Errors are values. A function that can fail returns Status (nothing on
// success) or Result<T> (a value on success); either way a failure carries a
// code and a message written for the person who will read it.

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace quelmo {

enum class ErrorCode {
  kInvalidArgument,  // a value outside its list, range or byte limit
  kNotEncodable,     // a character the stored code page cannot hold
  kNotFound,         // a file or folder that is not there
  kIoError,          // the system refused a read, write, sync, rename or remove
  kCorrupt,          // bytes that do not make a valid file
  kUnavailable,      // a feature this build or platform does not offer
  kBusy,             // another save holds the folder, or took a file this save made
};

struct Error {
  ErrorCode code = ErrorCode::kIoError;
  std::string message;
};

class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Error error) : error_(std::move(error)), ok_(false) {}  // NOLINT: implicit by design

  static Status Ok() { return {}; }

  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const Error& error() const { return error_; }
  const std::string& message() const { return error_.message; }

 private:
  Error error_;
  bool ok_ = true;
};

template <typename T>
class [[nodiscard]] Result {
  static_assert(!std::is_same_v<T, Error>);

 public:
  Result(T value) : state_(std::move(value)) {}  // NOLINT: implicit by design
  Result(Error error) : state_(std::move(error)) {}  // NOLINT: implicit by design

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  const T& value() const& { return std::get<0>(state_); }
  T& value() & { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  const T* operator->() const { return &value(); }
  T* operator->() { return &value(); }

  const Error& error() const { return std::get<1>(state_); }
  const std::string& message() const { return error().message; }
  Status status() const { return ok() ? Status() : Status(error()); }

 private:
  std::variant<T, Error> state_;
};

}  // namespace quelmo
