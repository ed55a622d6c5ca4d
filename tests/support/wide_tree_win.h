#pragma once
// A tree of folders and files made through the wide calls with the long-path prefix, so that a
// test can hold names that no code page but UTF-8 spells and paths far past MAX_PATH. It keeps
// the entries a walk of its root must record: every folder and file, and the "." and ".."
// entries of every folder the root included.

#include <windows.h>

#include <string>
#include <vector>

namespace vl::testing {

class WideTree {
 public:
  // `root` exists and ends with its separator.
  explicit WideTree(std::wstring root) : root_(std::move(root)) {
    entries_ = {root_ + L".", root_ + L".."};
  }

  const std::wstring& Root() const { return root_; }
  const std::vector<std::wstring>& Entries() const { return entries_; }

  // Makes a folder below the root (its parent exists) and returns its full path.
  std::wstring Folder(const std::wstring& relative) {
    std::wstring path = root_ + relative;
    CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr);
    entries_.insert(entries_.end(), {path, path + L"\\.", path + L"\\.."});
    return path;
  }

  // Makes a file of `size` bytes below the root and returns its full path.
  std::wstring File(const std::wstring& relative, std::size_t size = 0) {
    std::wstring path = root_ + relative;
    HANDLE file = CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes(size, 'x');
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    entries_.push_back(path);
    return path;
  }

  // Makes folders `stem`1, `stem`2, ... of `component` characters each inside `relative` (a
  // folder that exists, or empty for the root) and in them a file named `name` padded with
  // "_" before its extension, so that the file's full path has exactly `length` characters.
  std::wstring DeepFile(std::wstring relative, const std::wstring& stem, std::size_t component,
                        const std::wstring& name, const std::wstring& extension,
                        std::size_t length) {
    // What is left for the file's name after the folders made so far and a separator.
    auto room = [&] { return length - root_.size() - relative.size() - 1; };
    for (int i = 1; room() > component + 1 + name.size() + extension.size(); ++i) {
      std::wstring part = stem + std::to_wstring(i);
      part.resize(component, L'_');
      relative += (relative.empty() ? L"" : L"\\") + part;
      Folder(relative);
    }
    std::wstring file = name;
    file.resize(room() - extension.size(), L'_');
    return File(relative + L"\\" + file + extension, 1536);
  }

 private:
  std::wstring root_;
  std::vector<std::wstring> entries_;
};

}  // namespace vl::testing
