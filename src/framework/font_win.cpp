#include "framework/font_win.h"

#include "framework/text_win.h"

namespace vl {

TFont::TFont(std::string name, int height, unsigned style, COLORREF color)
    : name_(std::move(name)), height_(height), style_(style), color_(color) {}

TFont::TFont(const TFont& other) {
  Assign(other);
}

TFont& TFont::operator=(const TFont& other) {
  if (this != &other) Assign(other);
  return *this;
}

TFont::~TFont() {
  FreeHandle();
}

void TFont::SetName(std::string name) {
  name_ = std::move(name);
  Changed();
}

void TFont::SetHeight(int height) {
  height_ = height;
  Changed();
}

void TFont::SetStyle(unsigned style) {
  style_ = style;
  Changed();
}

void TFont::SetColor(COLORREF color) {
  color_ = color;
  Changed();
}

void TFont::SetCharset(BYTE charset) {
  charset_ = charset;
  Changed();
}

void TFont::Assign(const TFont& other) {
  name_ = other.name_;
  height_ = other.height_;
  style_ = other.style_;
  color_ = other.color_;
  charset_ = other.charset_;
  Changed();
}

HFONT TFont::Handle() const {
  if (handle_) return handle_;
  LOGFONTW lf{};
  lf.lfHeight = height_;
  lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = charset_;
  lf.lfQuality = DEFAULT_QUALITY;
  std::wstring face = Utf8ToWide(name_);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  handle_ = CreateFontIndirectW(&lf);
  return handle_;
}

void TFont::Changed() {
  FreeHandle();
  if (OnChange) OnChange();
}

void TFont::FreeHandle() const {
  if (!handle_) return;
  DeleteObject(handle_);
  handle_ = nullptr;
}

}  // namespace vl
