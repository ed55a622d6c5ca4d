#pragma once
// Glow layers: a picture with per-pixel alpha shown in a borderless top-level window of its
// own above an element, faded in over ten steps and removed again when the pointer leaves.

#include <windows.h>

#include <memory>
#include <optional>

#include "framework/pixel_bitmap.h"
#include "skin/paint/glow.h"

namespace vl {

class TskLayerManager;

// A layered pop-up tool window that a click never activates. It forwards its fade timer to
// the manager that made it.
class TskLayerWindow {
 public:
  TskLayerWindow(TskLayerManager& manager, int x, int y, int width, int height);
  ~TskLayerWindow();
  TskLayerWindow(const TskLayerWindow&) = delete;
  TskLayerWindow& operator=(const TskLayerWindow&) = delete;

  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  TskLayerManager& manager_;
  HWND handle_ = nullptr;
};

// One per owning element: holds the shown layer, its 32-bit picture and its fade.
class TskLayerManager {
 public:
  TskLayerManager() = default;
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
  bool Fading() const { return timer_running_; }

 private:
  friend class TskLayerWindow;
  void OnFadeTimer();
  void PushPicture();
  void StopTimer();

  std::unique_ptr<TskLayerWindow> window_;
  PixelBitmap picture_;  // premultiplied colour with the mask's alpha in the top byte
  std::optional<TskGlowFade> fade_;
  bool top_most_ = true;
  bool timer_running_ = false;
};

}  // namespace vl
