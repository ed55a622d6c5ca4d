#include "skin/paint/layer_win.h"

#include "skin/paint/proc_address_win.h"

namespace vl {
namespace {

constexpr UINT_PTR kFadeTimer = 1;
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

// A memory device context holding a copy of the picture as a 32-bit top-down section.
class PictureDC {
 public:
  explicit PictureDC(const PixelBitmap& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dc_ || !bitmap_) return;
    CopyMemory(bits, picture.Pixels().data(), picture.Pixels().size() * sizeof(Pixel));
    old_ = SelectObject(dc_, bitmap_);
  }
  ~PictureDC() {
    if (old_) SelectObject(dc_, old_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }
  PictureDC(const PictureDC&) = delete;
  PictureDC& operator=(const PictureDC&) = delete;
  HDC Handle() const { return old_ ? dc_ : nullptr; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

TskLayerWindow::TskLayerWindow(TskLayerManager& manager, int x, int y, int width, int height)
    : manager_(manager) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterLayerClass(instance, &TskLayerWindow::WindowProc);
  handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kLayerClass, "", WS_POPUP, x, y, width, height,
                            nullptr, nullptr, instance, nullptr);
  if (!handle_) return;
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongA(handle_, GWL_EXSTYLE, GetWindowLongA(handle_, GWL_EXSTYLE) | WS_EX_LAYERED);
}

TskLayerWindow::~TskLayerWindow() {
  if (!handle_) return;
  SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
}

LRESULT CALLBACK TskLayerWindow::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  if (message == WM_TIMER && wparam == kFadeTimer) {
    auto* self = reinterpret_cast<TskLayerWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self) self->manager_.OnFadeTimer();
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

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
  window_ = std::make_unique<TskLayerWindow>(*this, x, y, glow.Width(), glow.Height());
  if (!window_->Handle()) {
    window_.reset();
    return;
  }
  picture_ = BuildGlowPicture(glow, mask);
  fade_.emplace(opacity);
  PushPicture();
  SetWindowPos(window_->Handle(), top_most_ ? HWND_TOPMOST : HWND_NOTOPMOST, x, y, glow.Width(),
               glow.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  if (fade_->Running()) {
    timer_running_ = SetTimer(window_->Handle(), kFadeTimer, kGlowFadeMilliseconds, nullptr) != 0;
  }
}

void TskLayerManager::HideLayer() {
  if (!window_) return;
  StopTimer();
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
  if (!more) StopTimer();
}

void TskLayerManager::StopTimer() {
  if (!timer_running_) return;
  KillTimer(window_->Handle(), kFadeTimer);
  timer_running_ = false;
}

void TskLayerManager::PushPicture() {
  PictureDC source(picture_);
  if (!source.Handle()) return;
  RECT r{};
  GetWindowRect(window_->Handle(), &r);
  POINT position{r.left, r.top};
  SIZE size{picture_.Width(), picture_.Height()};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(fade_->Current()), AC_SRC_ALPHA};
  Layers().update_layered_window(window_->Handle(), nullptr, &position, &size, source.Handle(),
                                 &origin, 0, &blend, ULW_ALPHA);
}

}  // namespace vl
