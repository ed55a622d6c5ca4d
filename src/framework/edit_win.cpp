#include "framework/edit_win.h"

#include <string>

#include "framework/text_win.h"

namespace vl {

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomEdit::~TCustomEdit() {
  if (brush_) DeleteObject(brush_);
}

void TCustomEdit::HandleCreated() {
  if (pending_text_.empty()) return;
  SetWindowTextA(Handle(), pending_text_.c_str());
  pending_text_.clear();
}

std::string TCustomEdit::Text() const {
  if (!HandleAllocated()) return pending_text_;
  int length = GetWindowTextLengthA(Handle());
  std::string text(std::size_t(length) + 1, '\0');
  int got = GetWindowTextA(Handle(), text.data(), length + 1);
  text.resize(std::size_t(got));
  return text;
}

void TCustomEdit::SetText(std::string_view ansi) {
  std::string text(ansi);
  if (!HandleAllocated()) {
    pending_text_ = text;
    return;
  }
  SetWindowTextA(Handle(), text.c_str());
}

void TCustomEdit::Command(WORD code) {
  if (code == EN_CHANGE && OnChange) OnChange();
}

HBRUSH TCustomEdit::CtlColor(HDC dc) {
  COLORREF back = ColorToRGB(BackgroundColor());
  if (!brush_ || brush_color_ != back) {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(back);
    brush_color_ = back;
  }
  SetBkColor(dc, back);
  SetTextColor(dc, Font().Color());
  return brush_;
}

bool TCustomEdit::KeyPress(WPARAM character) {
  if (!OnKeyPress) return true;
  const wchar_t wide = wchar_t(character);
  if (wide < 0x80) {
    char key = char(wide);
    OnKeyPress(key);
    return key != 0;
  }
  // A character outside ASCII reaches the handler as its ANSI bytes; it cannot be replaced.
  for (char byte : WideToAnsi(std::wstring_view(&wide, 1))) OnKeyPress(byte);
  return true;
}

LRESULT TCustomEdit::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_CHAR && !KeyPress(wparam)) return 0;
  // The text outlives the window, so whatever reads it later reads what was last on screen
  // (and a new window shows it again) instead of nothing.
  if (msg == WM_DESTROY) pending_text_ = Text();
  return TWinControl::WndProc(msg, wparam, lparam);
}

void TEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.class_name = L"EDIT";
  params.style |= ES_AUTOHSCROLL | ES_LEFT;
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.class_name = L"EDIT";
  params.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | ES_LEFT;
  if (!word_wrap_) params.style |= ES_AUTOHSCROLL;
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TMemo::HandleCreated() {
  SendMessageW(Handle(), EM_LIMITTEXT, 0, 0);
  TCustomEdit::HandleCreated();
}

void TMemo::SetWordWrap(bool wrap) {
  if (wrap == word_wrap_) return;
  word_wrap_ = wrap;
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
}

int TMemo::LineCount() const {
  return int(SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0));
}

int TMemo::FirstVisibleLine() const {
  return int(SendMessageW(Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

}  // namespace vl
