#pragma once
// A font description with a lazily created GDI font. Height follows the platform's logical
// height: negative values are the character height in pixels (without internal leading),
// positive values the cell height.

#include <windows.h>

#include <functional>
#include <string>

namespace vl {

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont {
 public:
  TFont() = default;
  TFont(std::string name, int height, unsigned style = 0, COLORREF color = RGB(0, 0, 0));
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);
  ~TFont();

  const std::string& Name() const { return name_; }
  int Height() const { return height_; }
  unsigned Style() const { return style_; }
  COLORREF Color() const { return color_; }
  BYTE Charset() const { return charset_; }

  void SetName(std::string name);
  void SetHeight(int height);
  void SetStyle(unsigned style);
  void SetColor(COLORREF color);
  void SetCharset(BYTE charset);
  // Copies the description (not the change handler).
  void Assign(const TFont& other);

  // The GDI font for the description; owned by this object, valid until the next change.
  HFONT Handle() const;

  // Called after every change of the description.
  std::function<void()> OnChange;

 private:
  void Changed();
  void FreeHandle() const;

  std::string name_ = "Tahoma";
  int height_ = -11;
  unsigned style_ = 0;
  COLORREF color_ = RGB(0, 0, 0);
  BYTE charset_ = DEFAULT_CHARSET;
  mutable HFONT handle_ = nullptr;
};

}  // namespace vl
