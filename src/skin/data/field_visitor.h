#pragma once
// Every definition class lists its keys once, in reading order, to a visitor; the same list then
// reads the keys from a definition text and writes them back in the same syntax.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/geometry.h"
#include "skin/data/ini_text.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskFieldVisitor {
 public:
  virtual ~TskFieldVisitor() = default;
  // Integers, colours and picture indexes: one kind with a default each.
  virtual void Integer(std::string_view key, std::int32_t& value, std::int32_t fallback) = 0;
  virtual void Boolean(std::string_view key, bool& value) = 0;
  virtual void Text(std::string_view key, std::string& value, std::string_view fallback) = 0;
  virtual void Rect(std::string_view key, TRect& value) = 0;
  virtual void Point(std::string_view key, TPoint& value) = 0;
  virtual void FontStyle(std::string_view key, TFontStyles& value) = 0;
  virtual void Alignment(std::string_view key, TAlignment& value) = 0;
  virtual void StretchType(std::string_view key, TStretchType& value) = 0;
  virtual void MorphKind(std::string_view key, TMorphKind& value) = 0;
  virtual void InactiveEffect(std::string_view key, TInactiveEffect& value) = 0;
  virtual void Command(std::string_view key, TStdCommand& value) = 0;
  // A colour is written as the signed integer it is read as (system colours are negative).
  virtual void Color(std::string_view key, TColor& value, TColor fallback = 0) = 0;

  void PictureIndex(std::string_view key, std::int32_t& value, std::int32_t fallback = -1) {
    Integer(key, value, fallback);
  }
  // The four font keys that most sections carry, with their defaults.
  void Font(std::string& name, std::int32_t& height, TFontStyles& style, TColor& color) {
    Text("fontname", name, "Arial");
    Integer("fontheight", height, 14);
    FontStyle("fontstyle", style);
    Color("fontcolor", color);
  }
};

// Reads each key of one section; a missing key gives its default.
class TskIniFieldReader : public TskFieldVisitor {
 public:
  TskIniFieldReader(const TIniText& ini, std::string_view section) : ini_(ini), section_(section) {}
  void Integer(std::string_view key, std::int32_t& value, std::int32_t fallback) override;
  void Boolean(std::string_view key, bool& value) override;
  void Text(std::string_view key, std::string& value, std::string_view fallback) override;
  void Rect(std::string_view key, TRect& value) override;
  void Point(std::string_view key, TPoint& value) override;
  void FontStyle(std::string_view key, TFontStyles& value) override;
  void Alignment(std::string_view key, TAlignment& value) override;
  void StretchType(std::string_view key, TStretchType& value) override;
  void MorphKind(std::string_view key, TMorphKind& value) override;
  void InactiveEffect(std::string_view key, TInactiveEffect& value) override;
  void Command(std::string_view key, TStdCommand& value) override;
  void Color(std::string_view key, TColor& value, TColor fallback) override;

 private:
  const TIniText& ini_;
  std::string section_;
};

// Appends "key=value" lines, CR LF after each.
class TskIniFieldWriter : public TskFieldVisitor {
 public:
  explicit TskIniFieldWriter(std::string& out) : out_(out) {}
  void Integer(std::string_view key, std::int32_t& value, std::int32_t fallback) override;
  void Boolean(std::string_view key, bool& value) override;
  void Text(std::string_view key, std::string& value, std::string_view fallback) override;
  void Rect(std::string_view key, TRect& value) override;
  void Point(std::string_view key, TPoint& value) override;
  void FontStyle(std::string_view key, TFontStyles& value) override;
  void Alignment(std::string_view key, TAlignment& value) override;
  void StretchType(std::string_view key, TStretchType& value) override;
  void MorphKind(std::string_view key, TMorphKind& value) override;
  void InactiveEffect(std::string_view key, TInactiveEffect& value) override;
  void Command(std::string_view key, TStdCommand& value) override;
  void Color(std::string_view key, TColor& value, TColor fallback) override;

 private:
  void Line(std::string_view key, std::string_view value);
  std::string& out_;
};

}  // namespace vl
