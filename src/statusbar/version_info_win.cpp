#include "statusbar/version_info_win.h"

#include <windows.h>

#include <vector>

namespace vl {
namespace {

std::string ModuleFileName() {
  std::string name(MAX_PATH, '\0');
  DWORD length = GetModuleFileNameA(nullptr, name.data(), DWORD(name.size()));
  if (length == 0 || length >= name.size()) return {};
  name.resize(length);
  return name;
}

std::vector<char> ReadVersionBlock(const std::string& file) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return {};
  return block;
}

struct Translation {
  WORD language;
  WORD code_page;
};

bool FirstTranslation(std::vector<char>& block, Translation& out) {
  void* data = nullptr;
  UINT size = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &data, &size)) return false;
  if (size < sizeof(Translation)) return false;
  out = *static_cast<const Translation*>(data);
  return true;
}

std::string QueryString(std::vector<char>& block, const std::string& query) {
  void* data = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), query.c_str(), &data, &length) || length == 0) return {};
  // The length counts characters and, in most blocks, the terminating zero.
  std::string value(static_cast<const char*>(data), length);
  return value.substr(0, value.find('\0'));
}

}  // namespace

TFlVersionInfo::TFlVersionInfo(TComponent* owner) : TComponent(owner) {
  Read();
}

const std::string& TFlVersionInfo::Value(TVersionInfoField field) const {
  return values_[int(field)];
}

void TFlVersionInfo::Read() {
  std::vector<char> block = ReadVersionBlock(ModuleFileName());
  Translation translation{};
  if (block.empty() || !FirstTranslation(block, translation)) return;
  for (int i = 0; i < 10; ++i) {
    auto field = TVersionInfoField(i);
    values_[i] =
        QueryString(block, VersionFieldQuery(translation.language, translation.code_page, field));
  }
}

}  // namespace vl
