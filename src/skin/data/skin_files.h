#pragma once
// The few file operations the package needs, on byte-string paths as the program spells them.

#include <cstdio>
#include <string>
#include <string_view>

#include "skin/data/byte_stream.h"

namespace vl {

// The whole file; fails with "Cannot open file "<path>". <reason>".
Bytes ReadFileBytes(const std::string& path);

// A file read from its start piece by piece, so that a reader can judge a header before it
// takes any more of the file. Failures as ReadFileBytes.
class FileByteReader {
 public:
  explicit FileByteReader(const std::string& path);
  ~FileByteReader();
  FileByteReader(const FileByteReader&) = delete;
  FileByteReader& operator=(const FileByteReader&) = delete;
  // The next count bytes, or fewer where the file ends.
  Bytes Read(std::size_t count);

 private:
  std::string path_;
  std::FILE* file_;
};

// Replaces the file whole: the bytes go to a temporary file beside it, which then takes its
// name, so a failure never leaves half a file behind.
void WriteFileBytes(const std::string& path, ByteView bytes);

// The folder part of a path with its trailing separator ("\" or "/"), empty when there is none.
std::string ExtractFilePath(std::string_view path);
// The name after the last separator.
std::string ExtractFileName(std::string_view path);

}  // namespace vl
