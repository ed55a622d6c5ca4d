#include "framework/menu_caption.h"

#include <cwctype>

namespace vl {

wchar_t AcceleratorOf(std::wstring_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return wchar_t(std::towlower(caption[i + 1]));
  }
  return 0;
}

std::wstring StripAccelerator(std::wstring_view caption) {
  std::wstring shown;
  shown.reserve(caption.size());
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != L'&') {
      shown += caption[i];
      continue;
    }
    if (i + 1 < caption.size() && caption[i + 1] == L'&') {
      shown += L'&';
      ++i;
    }
  }
  return shown;
}

bool IsAcceleratorOf(wchar_t key, std::wstring_view caption) {
  const wchar_t accelerator = AcceleratorOf(caption);
  return accelerator != 0 && accelerator == wchar_t(std::towlower(key));
}

namespace {

// Virtual-key codes of the keys a menu names; the values are the platform's.
std::wstring KeyName(unsigned key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::wstring(1, wchar_t(key));
  if (key >= 0x70 && key <= 0x87) return L"F" + std::to_wstring(key - 0x70 + 1);
  switch (key) {
    case 0x08:
      return L"BkSp";
    case 0x09:
      return L"Tab";
    case 0x0D:
      return L"Enter";
    case 0x1B:
      return L"Esc";
    case 0x20:
      return L"Space";
    case 0x21:
      return L"PgUp";
    case 0x22:
      return L"PgDn";
    case 0x23:
      return L"End";
    case 0x24:
      return L"Home";
    case 0x25:
      return L"Left";
    case 0x26:
      return L"Up";
    case 0x27:
      return L"Right";
    case 0x28:
      return L"Down";
    case 0x2D:
      return L"Ins";
    case 0x2E:
      return L"Del";
    default:
      return L"";
  }
}

}  // namespace

std::wstring ShortCutToText(const TShortCut& shortcut) {
  if (shortcut.Empty()) return L"";
  const std::wstring name = KeyName(shortcut.key);
  if (name.empty()) return L"";
  std::wstring text;
  if (shortcut.shift) text += L"Shift+";
  if (shortcut.ctrl) text += L"Ctrl+";
  if (shortcut.alt) text += L"Alt+";
  return text + name;
}

}  // namespace vl
