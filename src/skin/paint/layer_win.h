#pragma once
// Glow layers: a picture with per-pixel alpha shown in a borderless top-level window of its
// own above an element, faded in over ten steps and removed again when the pointer leaves.

#include <windows.h>

#include <memory>
#include <optional>

#include "framework/pixel_bitmap.h"
#include "framework/timer_win.h"
#include "skin/paint/glow.h"

namespace vl {

// A layered pop-up tool window that a click never activates.
class TskLayerWindow {
 public:
  TskLayerWindow(int x, int y, int width, int height);
  ~TskLayerWindow();
  TskLayerWindow(const TskLayerWindow&) = delete;
  TskLayerWindow& operator=(const TskLayerWindow&) = delete;

  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  HWND handle_ = nullptr;
};

// One per owning element: holds the shown layer, its 32-bit picture and its fade.
class TskLayerManager {
 public:
  TskLayerManager();
  ~TskLayerManager();
  TskLayerManager(const TskLayerManager&) = delete;
  TskLayerManager& operator=(const TskLayerManager&) = delete;

  // Whether this platform can show layers at all (version 5.0 or later, with the layered
  // window functions present). Without it ShowLayer and HideLayer do nothing.
  static bool Available();

  // Replaces any shown layer by `glow` at screen position (x, y), its alpha taken from `mask`,
  // fading in to `opacity` (0..255).
  void ShowLayer(int x, int y, int opacity, const PixelBitmap& glow, const PixelBitmap& mask);
  void HideLayer();

  bool TopMost() const { return top_most_; }
  void SetTopMost(bool top_most) { top_most_ = top_most; }

  HWND LayerHandle() const { return window_ ? window_->Handle() : nullptr; }
  int CurrentOpacity() const { return fade_ ? fade_->Current() : 0; }
  bool Fading() const { return fade_timer_.Enabled(); }

 private:
  void OnFadeTimer();
  void PushPicture();

  std::unique_ptr<TskLayerWindow> window_;
  PixelBitmap picture_;  // premultiplied colour with the mask's alpha in the top byte
  std::optional<TskGlowFade> fade_;
  bool top_most_ = true;
  TTimer fade_timer_;
};

}  // namespace vl
