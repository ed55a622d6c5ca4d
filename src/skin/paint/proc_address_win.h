#pragma once
// Functions of the platform that may be missing on older versions are looked up by name.

#include <windows.h>

namespace vl {

template <typename Fn>
Fn LookUpFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // A cast through void (*)() is how a looked-up address takes its real signature.
  return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace vl
