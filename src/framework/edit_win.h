#pragma once
// The native single-line and multi-line edit controls. Their text is data: ANSI bytes in and
// out, exactly as shown (the multi-line edit separates lines with CR LF).

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "framework/control_win.h"

namespace vl {

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  std::string Text() const;
  void SetText(std::string_view ansi);

  // Every change of the text, typed, deleted, pasted or set.
  std::function<void()> OnChange;
  // Every character typed, before the control sees it; setting the key to 0 swallows it.
  std::function<void(char& key)> OnKeyPress;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void Command(WORD code) override;
  HBRUSH CtlColor(HDC dc) override;
  void HandleCreated() override;
  // The colour the box paints its background in now; boxes with state colours override it.
  virtual TColor BackgroundColor() const { return Color(); }

 private:
  bool KeyPress(WPARAM character);

  std::string pending_text_;
  HBRUSH brush_ = nullptr;
  COLORREF brush_color_ = 0;
};

class TEdit : public TCustomEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}

 protected:
  void CreateParams(TCreateParams& params) override;
};

class TMemo : public TCustomEdit {
 public:
  explicit TMemo(TComponent* owner) : TCustomEdit(owner) {}

  int LineCount() const;
  int FirstVisibleLine() const;

  // Long lines wrap at the right edge (on), or the text scrolls sideways with the caret (off).
  // Changing it re-creates the window, which keeps the text.
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool wrap);

 protected:
  void CreateParams(TCreateParams& params) override;
  // The memo holds as much text as the platform allows: a text cut at a typing limit would be
  // saved cut.
  void HandleCreated() override;

 private:
  bool word_wrap_ = true;
};

}  // namespace vl
