#include "app/communal.h"

namespace vl {

void OpenFolderInExplorer(Shell& shell, std::string_view folder) {
  shell.Execute(nullptr, "open", "explorer.exe", folder, sw::kShow);
}

void CopyTextToClipboard(Shell& shell, NativeWindow owner, std::string_view text) {
  shell.CopyText(owner, text);
}

void SelectInExplorer(Shell& shell, std::string_view path) {
  shell.Execute(nullptr, "", "explorer.exe", "/e, /select," + std::string(path), sw::kShowNormal);
}

bool OpenWithShell(Shell& shell, std::string_view path) {
  return shell.Execute(nullptr, "Open", path, "", sw::kShow);
}

}  // namespace vl
