#pragma once
// Owners of the platform's handles and of the changes made to a device context: each gives its
// handle back, or undoes its change, the one way its kind requires when the owner goes out of
// scope, however the scope is left.

#include <windows.h>

namespace vl {

// A kernel handle that is INVALID_HANDLE_VALUE when there is none (a file, a directory search),
// given back with `Free` when the owner goes.
template <BOOL(WINAPI* Free)(HANDLE)>
class TOwnedHandle {
 public:
  explicit TOwnedHandle(HANDLE h) : h_(h) {}
  ~TOwnedHandle() { Close(); }
  TOwnedHandle(const TOwnedHandle&) = delete;
  TOwnedHandle& operator=(const TOwnedHandle&) = delete;

  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }
  // Gives the handle back now; false when that failed (for a file written through the handle,
  // the last of its data may fail only here).
  bool Close() {
    if (!Valid()) return true;
    const bool ok = Free(h_) != 0;
    h_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE h_;
};

using TFileHandle = TOwnedHandle<CloseHandle>;
using TFindHandle = TOwnedHandle<FindClose>;

// The clipboard, open for the owner's lifetime; Open() is false when another program holds it.
class TClipboardLock {
 public:
  explicit TClipboardLock(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~TClipboardLock() {
    if (open_) CloseClipboard();
  }
  TClipboardLock(const TClipboardLock&) = delete;
  TClipboardLock& operator=(const TClipboardLock&) = delete;
  bool Open() const { return open_; }

 private:
  bool open_;
};

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

// The device context of a window's client area, given back when the owner goes.
class TClientDC {
 public:
  explicit TClientDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~TClientDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  TClientDC(const TClientDC&) = delete;
  TClientDC& operator=(const TClientDC&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
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
