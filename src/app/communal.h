#pragma once
// Routines the two windows share: handing a folder to the file manager and a text to the
// clipboard. Both go through the shell seam of the application.

#include <optional>
#include <string>
#include <string_view>

#include "framework/shell.h"

namespace vl {

// The file manager opened on `folder` (explorer.exe with the folder as its parameters).
void OpenFolderInExplorer(Shell& shell, std::string_view folder);

// The whole text (see Shell::CopyText), replacing the clipboard's contents. Throws when the
// clipboard cannot be opened.
void CopyTextToClipboard(Shell& shell, NativeWindow owner, std::string_view text);

// The file manager on the entry's folder, its tree shown and the entry selected. The path is
// not quoted: the file manager takes everything after "/select," as the path.
void SelectInExplorer(Shell& shell, std::string_view path);

// The file opened with its associated program; false when the shell cannot open it.
bool OpenWithShell(Shell& shell, std::string_view path);

// The path in a form the shell and the file manager can open: the path itself when it is
// shorter than MAX_PATH, otherwise its short (8.3) form when that is; nothing when neither is,
// since they open no longer path (Windows build only).
std::optional<std::string> ShellPathOf(const std::string& path);

}  // namespace vl
