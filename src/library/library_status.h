// SPDX-License-Identifier: GPL-3.0-or-later
// How the birth library answers: a Status (a fault and the one message for
// the user) or a value together with an OK status. Nothing in src/library
// throws; every SQLite error is turned into one of these faults.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace tarvelin::library {

enum class Fault {
  kNone,
  kLocked,       // another program holds the database longer than we wait
  kReadOnly,     // the file (or its folder) cannot be written
  kCorrupt,      // not an SQLite database, or a damaged one
  kNewerSchema,  // written by a newer Tarvelin
  kNotALibrary,  // an SQLite database of something else
  kCannotOpen,   // missing folder, no SQLite driver, other I/O trouble
  kNotFound,     // no saved birth answers the request
  kAmbiguous,    // several saved births answer a name
  kDuplicate,    // a birth of the same name, date, time and place is saved
  kInvalid,      // a birth the form would refuse, or a value out of range
  kFile,         // an import or export file that cannot be read or written
};

struct Status {
  Fault fault = Fault::kNone;
  std::string message;  // empty when OK; otherwise one line for the user

  bool ok() const { return fault == Fault::kNone; }
  static Status Ok() { return {}; }
};

// A value or the status that says why there is none.
template <typename T>
class Expected {
 public:
  Expected(T value)
      : value_(std::move(value)) {}  // NOLINT: implicit on purpose
  Expected(Status status) : status_(std::move(status)) {}  // NOLINT

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  const Status& status() const { return status_; }
  T& value() { return *value_; }
  const T& value() const { return *value_; }
  T* operator->() { return &*value_; }
  const T* operator->() const { return &*value_; }
  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace tarvelin::library
