#pragma once
// Where the program keeps its two data files, and the file tests that callers use before they
// read one. The locations are built from the folder of the running executable.

#include <string>
#include <string_view>

namespace vl {

// The folder of the running executable with its trailing "\" (Windows build only).
std::string AppDirectory();

// Below an application folder that ends with its separator: the data folder ("data" and a
// separator), the index file ("vl.vl", beside the executable) and the root list file
// ("list.txt" in the data folder).
std::string DataDir(std::string_view app_directory);
std::string IndexFileName(std::string_view app_directory);
std::string RootListFileName(std::string_view app_directory);

// File tests (Windows build only). FileExists: an existing entry that is not a folder.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Creates the folder and every missing parent. A trailing "\" is ignored; a path shorter than
// three bytes, or one that exists, counts as done. Never throws (Windows build only).
bool ForceDirectories(const std::string& path);

}  // namespace vl
