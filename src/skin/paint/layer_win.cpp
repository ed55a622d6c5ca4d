#include "skin/paint/layer_win.h"

#include "framework/canvas_win.h"
#include "skin/paint/paint_win.h"
#include "skin/paint/proc_address_win.h"

namespace vl {
namespace {

constexpr char kLayerClass[] = "VlSkinLayerWindow";

using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                            BLENDFUNCTION*, DWORD);

// Looked up once: a platform without layered windows simply shows no glow.
struct LayerFunctions {
  UpdateLayeredWindowFn update_layered_window = nullptr;
  bool version_ok = false;
  LayerFunctions() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (GetVersionExA(&version)) {
      version_ok = SupportsLayeredWindows(int(version.dwMajorVersion), int(version.dwMinorVersion));
    }
    update_layered_window = LookUpFunction<UpdateLayeredWindowFn>(GetModuleHandleA("user32.dll"),
                                                                  "UpdateLayeredWindow");
  }
};

const LayerFunctions& Layers() {
  static const LayerFunctions functions;
  return functions;
}

void RegisterLayerClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXA wc{};
  if (GetClassInfoExA(instance, kLayerClass, &wc)) return;
  wc.cbSize = sizeof(wc);
  wc.style = CS_SAVEBITS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kLayerClass;
  RegisterClassExA(&wc);
}

}  // namespace

TskLayerWindow::TskLayerWindow(int x, int y, int width, int height) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterLayerClass(instance, &TskLayerWindow::WindowProc);
  handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kLayerClass, "", WS_POPUP, x, y, width, height,
                            nullptr, nullptr, instance, nullptr);
  if (!handle_) return;
  SetWindowLongA(handle_, GWL_EXSTYLE, GetWindowLongA(handle_, GWL_EXSTYLE) | WS_EX_LAYERED);
}

TskLayerWindow::~TskLayerWindow() {
  if (!handle_) return;
  DestroyWindow(handle_);
}

LRESULT CALLBACK TskLayerWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

TskLayerManager::TskLayerManager()
    : fade_timer_(nullptr, kGlowFadeMilliseconds, [this] { OnFadeTimer(); }) {}

TskLayerManager::~TskLayerManager() {
  HideLayer();
}

bool TskLayerManager::Available() {
  return Layers().version_ok && Layers().update_layered_window != nullptr;
}

void TskLayerManager::ShowLayer(int x, int y, int opacity, const PixelBitmap& glow,
                                const PixelBitmap& mask) {
  if (!Available()) return;
  HideLayer();
  if (glow.Empty()) return;
  window_ = std::make_unique<TskLayerWindow>(x, y, glow.Width(), glow.Height());
  if (!window_->Handle()) {
    window_.reset();
    return;
  }
  picture_ = BuildGlowPicture(glow, mask);
  fade_.emplace(opacity);
  PushPicture();
  SetWindowPos(window_->Handle(), top_most_ ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, glow.Width(),
               glow.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  if (fade_->Running()) fade_timer_.SetEnabled(true);
}

void TskLayerManager::HideLayer() {
  if (!window_) return;
  fade_timer_.SetEnabled(false);
  picture_ = PixelBitmap();
  fade_.reset();
  SetWindowPos(window_->Handle(), nullptr, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  window_.reset();
}

void TskLayerManager::OnFadeTimer() {
  if (!fade_) return;
  bool more = fade_->Tick();
  PushPicture();
  if (!more) fade_timer_.SetEnabled(false);
}

void TskLayerManager::PushPicture() {
  if (picture_.Empty()) return;
  TBitmap source(picture_.Width(), picture_.Height());
  if (!source.Bits()) return;
  PutPixels(source, picture_);
  RECT r{};
  GetWindowRect(window_->Handle(), &r);
  POINT position{r.left, r.top};
  SIZE size{picture_.Width(), picture_.Height()};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(fade_->Current()), AC_SRC_ALPHA};
  Layers().update_layered_window(window_->Handle(), nullptr, &position, &size, source.DC(), &origin,
                                 0, &blend, ULW_ALPHA);
}

}  // namespace vl
