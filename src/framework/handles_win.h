#pragma once
// Owners of the platform's handles and of the changes made to a device context: each gives its
// handle back, or undoes its change, the one way its kind requires when the owner goes out of
// scope, however the scope is left.

#include <windows.h>

namespace vl {

// An object selected into a device context for the owner's lifetime; the one it replaced goes
// back in afterwards.
class TSelectObject {
 public:
  TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~TSelectObject() {
    if (old_) SelectObject(dc_, old_);
  }
  TSelectObject(const TSelectObject&) = delete;
  TSelectObject& operator=(const TSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// The state of a device context (clipping, origin, selected objects) saved now and restored when
// the owner goes.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~TSavedDC() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// The device context of a whole window, frame included, given back when the owner goes. Empty
// (false) when the window has none to give.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~TWindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace vl
