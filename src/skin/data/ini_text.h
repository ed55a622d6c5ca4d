#pragma once
// The definition text of a skin: lines of an ini file, read the one way every skin is read.
//
// Each line is trimmed of blanks and control characters. Empty lines and lines beginning with
// ";" are ignored, and so is everything before the first section. "[name]" starts a section;
// a line holding "=" gives a key (before the first "=") and its value (after it), both trimmed.
// Section and key names match without regard to ASCII letter case; of a section given twice the
// last is read, of a key given twice in a section its last value counts. A repeated section or key
// takes the place of the earlier one instead of being kept beside it, so a text that repeats one
// line millions of times (it compresses to almost nothing) costs no more than the line once.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/geometry.h"
#include "skin/data/skin_values.h"

namespace vl {

// Splits text at CR LF, CR or LF; a NUL byte ends the text and a final break adds no line.
std::vector<std::string> SplitTextLines(std::string_view text);

// Bytes 0x00 to 0x20 removed at both ends.
std::string_view TrimBlanks(std::string_view text);

std::string AsciiLower(std::string_view text);

// An integer as the definition text writes it: decimal with an optional sign, or hexadecimal
// after "$", "0x" or "0X" (up to 32 bits, read as two's complement). Nothing else is a number.
std::optional<std::int32_t> ParseInteger(std::string_view text);

class TIniText {
 public:
  TIniText() = default;
  explicit TIniText(const std::vector<std::string>& lines);
  // Reads the lines one at a time, without a list of them.
  static TIniText FromText(std::string_view text);

  bool SectionExists(std::string_view section) const;
  // The value of a key, or nothing when the key or its section is missing.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // The keys of a section in the order of the text (a repeated key once, at its first place, in
  // its last spelling).
  std::vector<std::string> Keys(std::string_view section) const;
  // The sections in the order of the text (a repeated section once, at its first place, in its
  // last spelling).
  std::vector<std::string> Sections() const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;
  // Exactly 1 is true; anything else, and a missing key, is false.
  bool ReadBool(std::string_view section, std::string_view key) const;
  // Digits only: "," ends a number and every other non-digit is dropped. Fewer numbers than
  // four (two for a point), or an empty one, fails with "'' is not a valid integer value";
  // numbers past the fourth (second) are ignored. A missing key gives zeros.
  TRect ReadRect(std::string_view section, std::string_view key) const;
  TPoint ReadPoint(std::string_view section, std::string_view key) const;
  // Each style name is looked for as a substring, letter case significant.
  TFontStyles ReadFontStyle(std::string_view section, std::string_view key) const;
  TAlignment ReadAlignment(std::string_view section, std::string_view key) const;
  TStretchType ReadStretchType(std::string_view section, std::string_view key) const;
  TMorphKind ReadMorphKind(std::string_view section, std::string_view key) const;
  TInactiveEffect ReadInactiveEffect(std::string_view section, std::string_view key) const;
  TStdCommand ReadCommand(std::string_view section, std::string_view key) const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;  // key, value in text order
    std::unordered_map<std::string, std::size_t> entry_index;  // lower-case key -> entry
  };
  const Section* Find(std::string_view section) const;
  void AddLine(std::string_view raw);
  void StartSection(std::string_view name);
  void AddKey(std::string_view key, std::string_view value);

  std::vector<Section> sections_;
  std::unordered_map<std::string, std::size_t> section_index_;  // lower-case name -> section
  std::size_t current_ = kNoSection;
  static constexpr std::size_t kNoSection = std::size_t(-1);
};

// The text of each value kind as the definition text writes it.
std::string FormatRect(const TRect& rect);
std::string FormatPoint(const TPoint& point);
std::string FormatFontStyle(const TFontStyles& style);

}  // namespace vl
