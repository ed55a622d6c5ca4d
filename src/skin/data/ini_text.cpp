#include "skin/data/ini_text.h"

#include <algorithm>
#include <array>

#include "framework/errors.h"

namespace vl {

namespace {

// Calls visit with each line of text: CR LF, CR or LF end a line, a NUL ends the text, and a final
// break adds no line.
template <class Visit>
void ForEachLine(std::string_view text, Visit visit) {
  text = text.substr(0, text.find('\0'));
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      visit(text.substr(start));
      return;
    }
    visit(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

}  // namespace

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && std::uint8_t(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && std::uint8_t(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return out;
}

namespace {

int DigitValue(char c, int base) {
  int v = -1;
  if (c >= '0' && c <= '9') v = c - '0';
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < base ? v : -1;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with('$')) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return std::nullopt;
  // Decimal keeps to the signed range; hexadecimal may use all 32 bits.
  std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (char c : text) {
    int digit = DigitValue(c, base);
    if (digit < 0) return std::nullopt;
    value = value * std::uint64_t(base) + std::uint64_t(digit);
    if (value > limit) return std::nullopt;
  }
  std::uint32_t bits = std::uint32_t(value);
  if (negative) bits = 0u - bits;
  return std::int32_t(bits);
}

TIniText::TIniText(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) AddLine(line);
}

TIniText TIniText::FromText(std::string_view text) {
  TIniText ini;
  ForEachLine(text, [&](std::string_view line) { ini.AddLine(line); });
  return ini;
}

void TIniText::AddLine(std::string_view raw) {
  std::string_view line = TrimBlanks(raw);
  if (line.empty() || line.front() == ';') return;
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    StartSection(TrimBlanks(line.substr(1, line.size() - 2)));
    return;
  }
  std::size_t eq = line.find('=');
  if (current_ == kNoSection || eq == std::string_view::npos) return;
  AddKey(TrimBlanks(line.substr(0, eq)), TrimBlanks(line.substr(eq + 1)));
}

// Only the last of sections named alike is ever read, so a repeated one starts afresh in the
// place of the earlier.
void TIniText::StartSection(std::string_view name) {
  auto [found, added] = section_index_.try_emplace(AsciiLower(name), sections_.size());
  current_ = found->second;
  if (added) sections_.emplace_back();
  sections_[current_] = {std::string(name), {}, {}};
}

void TIniText::AddKey(std::string_view key, std::string_view value) {
  Section& section = sections_[current_];
  auto [found, added] = section.entry_index.try_emplace(AsciiLower(key), section.entries.size());
  if (added) section.entries.emplace_back();
  section.entries[found->second] = {std::string(key), std::string(value)};
}

const TIniText::Section* TIniText::Find(std::string_view section) const {
  auto found = section_index_.find(AsciiLower(section));
  return found == section_index_.end() ? nullptr : &sections_[found->second];
}

bool TIniText::SectionExists(std::string_view section) const {
  return Find(section) != nullptr;
}

std::optional<std::string> TIniText::Value(std::string_view section, std::string_view key) const {
  const Section* s = Find(section);
  if (s == nullptr) return std::nullopt;
  auto found = s->entry_index.find(AsciiLower(key));
  if (found == s->entry_index.end()) return std::nullopt;
  return s->entries[found->second].second;
}

std::vector<std::string> TIniText::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  const Section* s = Find(section);
  if (s == nullptr) return keys;
  for (const auto& entry : s->entries) keys.push_back(entry.first);
  return keys;
}

std::vector<std::string> TIniText::Sections() const {
  std::vector<std::string> names;
  for (const Section& section : sections_) names.push_back(section.name);
  return names;
}

std::string TIniText::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
  return Value(section, key).value_or(std::string(fallback));
}

std::int32_t TIniText::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t fallback) const {
  auto value = Value(section, key);
  if (!value) return fallback;
  return ParseInteger(*value).value_or(fallback);
}

bool TIniText::ReadBool(std::string_view section, std::string_view key) const {
  return ReadInteger(section, key, 0) == 1;
}

namespace {

[[noreturn]] void NotAnInteger(std::string_view text) {
  throw FormatError("'" + std::string(text) + "' is not a valid integer value");
}

// Reads the first count numbers of a digits-and-commas value.
template <std::size_t N>
std::array<int, N> ReadNumbers(std::string_view value) {
  std::array<int, N> numbers{};
  std::size_t n = 0;
  std::string digits;
  auto finish = [&] {
    if (n < N) {
      auto number = ParseInteger(digits);
      if (!number) NotAnInteger(digits);
      numbers[n++] = *number;
    }
    digits.clear();
  };
  for (char c : value) {
    if (c == ',') {
      finish();
    } else if (c >= '0' && c <= '9') {
      digits += c;
    }
  }
  finish();
  if (n < N) NotAnInteger("");
  return numbers;
}

template <std::size_t N>
int EnumIndex(const std::optional<std::string>& value, const std::string_view (&names)[N],
              int missing, int unknown) {
  if (!value) return missing;
  for (std::size_t i = 0; i < N; ++i) {
    if (*value == names[i]) return int(i);
  }
  return unknown;
}

}  // namespace

TRect TIniText::ReadRect(std::string_view section, std::string_view key) const {
  auto value = Value(section, key);
  if (!value) return {};
  auto n = ReadNumbers<4>(*value);
  return {n[0], n[1], n[2], n[3]};
}

TPoint TIniText::ReadPoint(std::string_view section, std::string_view key) const {
  auto value = Value(section, key);
  if (!value) return {};
  auto n = ReadNumbers<2>(*value);
  return {n[0], n[1]};
}

TFontStyles TIniText::ReadFontStyle(std::string_view section, std::string_view key) const {
  std::string value = ReadString(section, key, "");
  auto has = [&](std::string_view name) { return value.find(name) != std::string::npos; };
  return {has("fsbold"), has("fsitalic"), has("fsunderline"), has("fsstrikeout")};
}

TAlignment TIniText::ReadAlignment(std::string_view section, std::string_view key) const {
  return TAlignment(EnumIndex(Value(section, key), kAlignmentNames, int(TAlignment::taCenter),
                              int(TAlignment::taRightJustify)));
}

TStretchType TIniText::ReadStretchType(std::string_view section, std::string_view key) const {
  return TStretchType(EnumIndex(Value(section, key), kStretchTypeNames, int(TStretchType::stFull),
                                int(TStretchType::stHorz)));
}

TMorphKind TIniText::ReadMorphKind(std::string_view section, std::string_view key) const {
  return TMorphKind(EnumIndex(Value(section, key), kMorphKindNames, int(TMorphKind::mkDefault),
                              int(TMorphKind::mkDefault)));
}

TInactiveEffect TIniText::ReadInactiveEffect(std::string_view section, std::string_view key) const {
  return TInactiveEffect(EnumIndex(Value(section, key), kInactiveEffectNames,
                                   int(TInactiveEffect::ieBrightness),
                                   int(TInactiveEffect::ieGrayScale)));
}

TStdCommand TIniText::ReadCommand(std::string_view section, std::string_view key) const {
  return TStdCommand(EnumIndex(Value(section, key), kStdCommandNames, int(TStdCommand::cmDefault),
                               int(TStdCommand::cmMinimizeToTray)));
}

std::string FormatRect(const TRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

std::string FormatPoint(const TPoint& p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string FormatFontStyle(const TFontStyles& style) {
  std::string out;
  auto add = [&](bool on, const char* name) {
    if (!on) return;
    if (!out.empty()) out += ',';
    out += name;
  };
  add(style.bold, "fsbold");
  add(style.italic, "fsitalic");
  add(style.underline, "fsunderline");
  add(style.strikeout, "fsstrikeout");
  return out;
}

}  // namespace vl
