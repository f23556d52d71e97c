#pragma once
// What a reader of bytes returns: the value read, or why the bytes could not be read.

#include <optional>
#include <string>
#include <utility>

namespace tsl {

struct parseerror {
    std::string why;
};

template <class T> class Parsed {
  public:
    Parsed(T value) : value_(std::move(value)) {}
    Parsed(parseerror error) : error_(std::move(error.why)) {}

    explicit operator bool() const { return value_.has_value(); }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    // Empty when the bytes were read.
    const std::string& error() const { return error_; }

  private:
    std::optional<T> value_;
    std::string error_;
};

} // namespace tsl
