#pragma once
// The one error type of the program. Its message is exactly the text the user reads in the
// error box, so it is built where the failure is known and never reworded on the way up.

#include <stdexcept>
#include <string>

namespace vl {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// A file that cannot be opened for reading or created; the message names the file.
class FileError : public Error {
 public:
  using Error::Error;
};

// Bytes from outside (a skin package, a picture, a definition text) that cannot be understood.
class FormatError : public Error {
 public:
  using Error::Error;
};

}  // namespace vl
