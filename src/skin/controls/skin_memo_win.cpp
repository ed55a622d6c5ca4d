#include "skin/controls/skin_memo_win.h"

#include <algorithm>
#include <string>

#include "framework/canvas_win.h"
#include "framework/handles_win.h"
#include "framework/text_win.h"
#include "framework/menu_win.h"
#include "skin/controls/menu_host.h"
#include "skin/controls/menu_session_win.h"
#include "skin/controls/skin_popup_menu_win.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"

namespace vl {
namespace {

bool SameFont(const TFont& a, const TFont& b) {
  return a.Name() == b.Name() && a.Height() == b.Height() && a.Style() == b.Style() &&
         a.Color() == b.Color() && a.Charset() == b.Charset();
}

Pixel SystemPixel(TColor color) {
  return ColorToPixel(ColorToRGB(color));
}

// Line `line` of the editor as laid out (a wrapped line is the part on that row), in ANSI bytes.
std::string LineText(HWND edit, int line) {
  const LRESULT start = SendMessageA(edit, EM_LINEINDEX, WPARAM(line), 0);
  if (start < 0) return {};
  const int length = int(SendMessageA(edit, EM_LINELENGTH, WPARAM(start), 0));
  if (length <= 0) return {};
  // EM_GETLINE reads the buffer size from the buffer's first word.
  std::string text(std::size_t(std::max(length, 2)), '\0');
  *reinterpret_cast<WORD*>(text.data()) = WORD(std::min(length, 0xFFFF));
  const int got =
      int(SendMessageA(edit, EM_GETLINE, WPARAM(line), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::size_t(std::clamp(got, 0, length)));
  return text;
}

// Messages after which the native editor may have scrolled its pixels or changed its text.
bool MayTearPicture(UINT msg) {
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case WM_SETTEXT:
    case EM_REPLACESEL:
    case EM_SETSEL:
    case EM_SCROLL:
    case EM_LINESCROLL:
    case EM_SCROLLCARET:
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

}  // namespace

TskSkinMemo::TskSkinMemo(TComponent* owner) : TMemo(owner), TskSkinnable(*this, "memo") {
  Font().Assign(default_font_);
  default_font_.OnChange = [this] { ApplyLook(); };
}

void TskSkinMemo::Notification(TComponent* component, TOperation operation) {
  TMemo::Notification(component, operation);
  if (operation == TOperation::opRemove && component == context_menu_) context_menu_ = nullptr;
  if (operation != TOperation::opRemove || !SkinData()) return;
  if (component != static_cast<TComponent*>(SkinData())) return;
  SkinDataRemoved(component);
  ApplySkinData();
}

void TskSkinMemo::ReadSkinDefinition() {
  skin_.reset();
  const int index = LookUpDefinition();
  if (index == -1) return;
  const auto* definition = SkinData()->ControlAs<TskDataSkinMemoControl>(index);
  // A section of another kind under the memo's name is no memo section.
  if (!definition) {
    TskSkinnable::BeforeApplySkinData();
    return;
  }
  skin_ = CopyMemoSkin(*SkinData(), *definition);
}

void TskSkinMemo::BeforeApplySkinData() {
  TskSkinnable::BeforeApplySkinData();
  skin_.reset();
  // Should the new skin fail to load, no change follows; the default look shows then.
  RedrawWhole();
}

void TskSkinMemo::ApplySkinData() {
  ReadSkinDefinition();
  ApplyLook();
}

void TskSkinMemo::FollowSkinData() {
  ReadSkinDefinition();
  if (SkinData() != applied_data_ || skin_.has_value() != applied_skinned_) ApplyLook();
}

void TskSkinMemo::ApplyLook() {
  applied_data_ = SkinData();
  applied_skinned_ = skin_.has_value();
  TFont font(default_font_);
  if (skin_ && use_skin_font_) {
    font.SetName(skin_->font_name);
    font.SetHeight(skin_->font_height);
    font.SetStyle(FontStyleBits(skin_->font_style));
  }
  const TskResourceStrData* strings = SkinData() ? SkinData()->ResourceStrData() : nullptr;
  font.SetCharset(strings ? BYTE(strings->CharSet) : default_font_.Charset());
  if (!SameFont(font, Font())) Font().Assign(font);
  ApplyTextColor();
  UpdateTextRect(true);
  RedrawWhole();
}

void TskSkinMemo::ApplyTextColor() {
  COLORREF text = default_font_.Color();
  if (!Enabled()) {
    text = ColorToRGB(clGrayText);
  } else if (skin_ && use_skin_font_color_) {
    text = ColorToRGB(skin_->FontColor(Active()));
  }
  if (text != Font().Color()) Font().SetColor(text);
  // The control colour is the native editor's background when no picture lies behind the text.
  SetColor(!skin_ ? clWindow : skin_->BgColor(!bitmap_bg_ && Active()));
}

void TskSkinMemo::SetUseSkinFont(bool use) {
  use_skin_font_ = use;
  ApplyLook();
}

void TskSkinMemo::SetUseSkinFontColor(bool use) {
  use_skin_font_color_ = use;
  ApplyLook();
}

void TskSkinMemo::SetBitMapBG(bool on) {
  bitmap_bg_ = on;
  ApplyLook();
}

void TskSkinMemo::CreateParams(TCreateParams& params) {
  TMemo::CreateParams(params);
  params.style &= ~(WS_BORDER | WS_HSCROLL | WS_VSCROLL);
  params.ex_style &= ~(WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT);
}

void TskSkinMemo::HandleCreated() {
  TMemo::HandleCreated();
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateTextRect(true);
}

TRect TskSkinMemo::TextRect() const {
  const TRect client = ClientRect();
  return MemoTextRect(Skin(), bitmap_bg_, client.Width(), client.Height());
}

void TskSkinMemo::UpdateTextRect(bool force) {
  if (!HandleAllocated()) return;
  const TRect r = TextRect();
  if (!force && given_text_rect_ == r) return;
  given_text_rect_ = r;
  RECT rc = ToRECT(r);
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rc));
}

void TskSkinMemo::Resized() {
  UpdateTextRect(false);
  RedrawWhole();
}

void TskSkinMemo::RedrawWhole() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void TskSkinMemo::Command(WORD code) {
  TMemo::Command(code);
  if (code == EN_CHANGE && bitmap_bg_) RedrawWhole();
}

void TskSkinMemo::EnabledChanged() {
  Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
  ApplyTextColor();
  RedrawWhole();
}

void TskSkinMemo::MouseEnter() {
  pointer_.Hover(0);
}

void TskSkinMemo::MouseLeave() {
  pointer_.Hover(-1);
}

void TskSkinMemo::ObjectEnter(int) {
  if (!focused_) ActiveChanged();
}

void TskSkinMemo::ObjectLeave(int) {
  if (!focused_) ActiveChanged();
}

void TskSkinMemo::ActiveChanged() {
  ApplyTextColor();
  RedrawWhole();
}

HBRUSH TskSkinMemo::CtlColor(HDC dc) {
  if (!bitmap_bg_) return TMemo::CtlColor(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Font().Color());
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool TskSkinMemo::Refused(UINT msg, WPARAM wparam) const {
  switch (msg) {
    case WM_CHAR:
      return wparam != 3;  // Ctrl+C copies
    case WM_KEYDOWN:
      // Delete and Shift+Delete remove text, Shift+Insert pastes.
      return wparam == VK_DELETE || (wparam == VK_INSERT && GetKeyState(VK_SHIFT) < 0);
    case WM_SYSKEYDOWN:
      return wparam == VK_BACK;  // Alt+Backspace undoes
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_CHAR:
      return true;
    default:
      return false;
  }
}

LRESULT TskSkinMemo::ContextMenu(WPARAM wparam, LPARAM lparam) {
  if (!PopupMenu() && ShowSkinnedContextMenu(lparam)) return 0;
  return NativeContextMenu(wparam, lparam);
}

void TskSkinMemo::FreeContextMenu() {
  TskSkinPopupMenu* menu = context_menu_;
  context_menu_ = nullptr;
  if (!menu) return;
  // An open chain shows the menu's items; it goes before they do.
  if (menu->Showing()) {
    if (TskMenuHost* host = TskMenuHost::Find(this)) host->MenuSession().End();
  }
  delete menu;
}

bool TskSkinMemo::ShowSkinnedContextMenu(LPARAM lparam) {
  TskMenuHost* host = TskMenuHost::Find(this);
  if (!host || !host->MenusSkinData() || !HandleAllocated()) return false;
  FreeContextMenu();
  auto* menu = new TskSkinPopupMenu(this);
  context_menu_ = menu;

  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  const bool selection = end > start;
  const auto length = DWORD(GetWindowTextLengthW(Handle()));
  const bool can_undo = SendMessageW(Handle(), EM_CANUNDO, 0, 0) != 0;
  const bool clipboard_text = IsClipboardFormatAvailable(CF_TEXT) != FALSE;
  const bool everything_selected = start == 0 && end >= length;
  const TskSkinData* skin = host->MenusSkinData();
  const HWND edit = Handle();
  struct Entry {
    const char* name;
    bool enabled;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
  };
  const Entry entries[] = {
      {"EDIT_UNDO", can_undo, WM_UNDO, 0, 0},
      {nullptr, true, 0, 0, 0},
      {"EDIT_CUT", selection && !read_only_, WM_CUT, 0, 0},
      {"EDIT_COPY", selection, WM_COPY, 0, 0},
      {"EDIT_PASTE", clipboard_text && !read_only_, WM_PASTE, 0, 0},
      {"EDIT_DELETE", selection && !read_only_, WM_CLEAR, 0, 0},
      {nullptr, true, 0, 0, 0},
      {"EDIT_SELECTALL", !everything_selected, EM_SETSEL, 0, -1},
  };
  for (const Entry& entry : entries) {
    if (!entry.name) {
      new TMenuItem(menu, menu, "-");
      continue;
    }
    auto* item = new TMenuItem(menu, menu, "");
    item->SetName(entry.name);
    item->SetCaption(AnsiToWide(SkinResourceText(skin, entry.name)));
    item->SetEnabled(entry.enabled);
    const Entry action = entry;
    // The handle, not the memo: the command runs after the menu has closed, by which time the
    // memo may be gone.
    item->OnClick = [edit, action] {
      if (IsWindow(edit)) SendMessageW(edit, action.message, action.wparam, action.lparam);
    };
  }

  int x = int(short(LOWORD(lparam)));
  int y = int(short(HIWORD(lparam)));
  // Only -1 comes from the keyboard; other negative points lie on a monitor left of or above
  // the primary one.
  if (lparam == -1) {
    RECT r;
    GetWindowRect(Handle(), &r);
    x = (r.left + r.right) / 2;
    y = (r.top + r.bottom) / 2;
  }
  menu->PopupForControl(*this, x, y);
  return true;
}

LRESULT TskSkinMemo::NativeContextMenu(WPARAM wparam, LPARAM lparam) {
  if (!read_only_ || PopupMenu()) return TMemo::WndProc(WM_CONTEXTMENU, wparam, lparam);
  // The native menu edits the text directly, past the messages that read-only mode refuses; in
  // the native read-only state it offers only what changes nothing.
  SendMessageW(Handle(), EM_SETREADONLY, TRUE, 0);
  const LRESULT result = TMemo::WndProc(WM_CONTEXTMENU, wparam, lparam);
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, FALSE, 0);
  return result;
}

LRESULT TskSkinMemo::PaintMessage(WPARAM wparam) {
  // A skin data object named through the base class, or one that emptied itself without a word,
  // is taken up here, before the update region is claimed.
  FollowSkinData();
  if (wparam) {
    Compose(reinterpret_cast<HDC>(wparam));
    return 0;
  }
  PAINTSTRUCT ps;
  painting_ = true;
  HDC dc = BeginPaint(Handle(), &ps);
  painting_ = false;
  if (dc) Compose(dc);
  EndPaint(Handle(), &ps);
  return 0;
}

PixelBitmap TskSkinMemo::Background(int width, int height) const {
  if (const TskMemoSkin* skin = Skin()) {
    PixelBitmap picture =
        DrawMemoSkin(*skin, Active(), bitmap_bg_, SystemPixel(Color()), width, height);
    if (!picture.Empty()) return picture;
  }
  return DrawMemoDefault(width, height,
                         {SystemPixel(bitmap_bg_ ? clWindow : Color()), SystemPixel(clBtnShadow),
                          SystemPixel(clBtnFace)});
}

void TskSkinMemo::Compose(HDC dc) {
  ReadSkinDefinition();
  const TRect client = ClientRect();
  if (client.Width() < 1 || client.Height() < 1) return;
  TBitmap bitmap(client.Width(), client.Height());
  bitmap.Canvas().DrawPixels(0, 0, Background(client.Width(), client.Height()));
  if (Enabled()) {
    // The native editor fills what it paints with its background brush: the null brush over the
    // picture, the control colour inside the frame otherwise.
    const TRect field =
        bitmap_bg_ ? client : MemoFieldRect(Skin(), client.Width(), client.Height());
    TSavedDC saved(bitmap.DC());
    IntersectClipRect(bitmap.DC(), field.left, field.top, field.right, field.bottom);
    DefaultHandler(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.DC()), 0);
  } else {
    DrawDisabledText(bitmap);
  }
  // The caret is drawn by inverting pixels on the screen; it must not be copied over.
  HideCaret(Handle());
  bitmap.Draw(dc, 0, 0);
  ShowCaret(Handle());
}

void TskSkinMemo::DrawDisabledText(TBitmap& bitmap) {
  COLORREF color = ColorToRGB(clGrayText);
  if (skin_ && SkinData()) {
    const int index = SkinData()->FindControlIndex("edit");
    if (const auto* edit = SkinData()->ControlAs<TskDataSkinEditControl>(index)) {
      color = ColorToRGB(edit->disabledfontcolor);
    }
  }
  TFont font(Font());
  font.SetColor(color);
  TCanvas& canvas = bitmap.Canvas();
  canvas.SetFont(font);
  const int line_height = canvas.TextHeight(L"Wq");
  if (line_height < 1) return;
  const TRect r = TextRect();
  const int first = FirstVisibleLine();
  // The rows that fit, but never past the last line of the text.
  const int last = std::min(first + ClientHeight() / line_height - 1, LineCount());
  TSavedDC saved(bitmap.DC());
  IntersectClipRect(bitmap.DC(), r.left, r.top, r.right, r.bottom);
  for (int i = first; i < last; ++i) {
    const int top = r.top + (i - first) * line_height;
    canvas.DrawText(AnsiToWide(LineText(Handle(), i)), {r.left, top, r.right, top + line_height},
                    DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
  }
}

LRESULT TskSkinMemo::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (read_only_ && Refused(msg, wparam)) return 0;
  switch (msg) {
    case WM_NCCALCSIZE: {
      LONG style = GetWindowLongW(Handle(), GWL_STYLE);
      if (style & (WS_HSCROLL | WS_VSCROLL | WS_BORDER)) {
        SetWindowLongW(Handle(), GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL | WS_BORDER));
      }
      // No non-client area: the client rectangle is the whole control.
      return 0;
    }
    case WM_NCPAINT:
      if (bitmap_bg_) InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      // Inside WM_PAINT the paint draws everything; an erase of its own draws the whole memo.
      if (!painting_) Compose(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_PAINT:
      return PaintMessage(wparam);
    case WM_PRINTCLIENT:
      Compose(reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_MOUSEWHEEL:
      SendMessageW(Handle(), EM_SCROLL,
                   GET_WHEEL_DELTA_WPARAM(wparam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = TMemo::WndProc(msg, wparam, lparam);
      focused_ = msg == WM_SETFOCUS;
      if (pointer_.Hovered() < 0) ActiveChanged();
      return result;
    }
    case WM_SETFONT: {
      // The native editor lays its text out in the whole client area again after a new font.
      const LRESULT result = TMemo::WndProc(msg, wparam, lparam);
      UpdateTextRect(true);
      return result;
    }
    case WM_CONTEXTMENU:
      return ContextMenu(wparam, lparam);
    case SKN_POPUPCOMMAND:
      // The command has returned; the menu goes unless a new opening is showing it again.
      if (context_menu_ && !context_menu_->Showing()) FreeContextMenu();
      return 0;
    case SKN_CLOSEMENUS:
      return 0;
    case WM_LBUTTONDOWN:
      selecting_ = true;
      break;
    case WM_LBUTTONUP:
      selecting_ = false;
      break;
    case WM_CAPTURECHANGED: {
      selecting_ = false;
      const LRESULT result = TMemo::WndProc(msg, wparam, lparam);
      // A press held past the edge ends without a leave message.
      POINT at;
      if (pointer_.Hovered() >= 0 && GetCursorPos(&at) && WindowFromPoint(at) != Handle()) {
        MouseLeave();
      }
      return result;
    }
    default:
      break;
  }
  const LRESULT result = TMemo::WndProc(msg, wparam, lparam);
  const bool dragging = selecting_ && (msg == WM_MOUSEMOVE || msg == WM_TIMER);
  if (bitmap_bg_ && (dragging || MayTearPicture(msg))) RedrawWhole();
  return result;
}

}  // namespace vl
