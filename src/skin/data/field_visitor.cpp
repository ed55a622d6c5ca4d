#include "skin/data/field_visitor.h"

namespace vl {

void TskIniFieldReader::Integer(std::string_view key, std::int32_t& value, std::int32_t fallback) {
  value = ini_.ReadInteger(section_, key, fallback);
}
void TskIniFieldReader::Boolean(std::string_view key, bool& value) {
  value = ini_.ReadBool(section_, key);
}
void TskIniFieldReader::Text(std::string_view key, std::string& value, std::string_view fallback) {
  value = ini_.ReadString(section_, key, fallback);
}
void TskIniFieldReader::Rect(std::string_view key, TRect& value) {
  value = ini_.ReadRect(section_, key);
}
void TskIniFieldReader::Point(std::string_view key, TPoint& value) {
  value = ini_.ReadPoint(section_, key);
}
void TskIniFieldReader::FontStyle(std::string_view key, TFontStyles& value) {
  value = ini_.ReadFontStyle(section_, key);
}
void TskIniFieldReader::Alignment(std::string_view key, TAlignment& value) {
  value = ini_.ReadAlignment(section_, key);
}
void TskIniFieldReader::StretchType(std::string_view key, TStretchType& value) {
  value = ini_.ReadStretchType(section_, key);
}
void TskIniFieldReader::MorphKind(std::string_view key, TMorphKind& value) {
  value = ini_.ReadMorphKind(section_, key);
}
void TskIniFieldReader::InactiveEffect(std::string_view key, TInactiveEffect& value) {
  value = ini_.ReadInactiveEffect(section_, key);
}
void TskIniFieldReader::Command(std::string_view key, TStdCommand& value) {
  value = ini_.ReadCommand(section_, key);
}

void TskIniFieldReader::Color(std::string_view key, TColor& value, TColor fallback) {
  value = ColorFromDefinition(ini_.ReadInteger(section_, key, ColorToDefinition(fallback)));
}

void TskIniFieldWriter::Color(std::string_view key, TColor& value, TColor) {
  Line(key, std::to_string(ColorToDefinition(value)));
}

void TskIniFieldWriter::Line(std::string_view key, std::string_view value) {
  out_.append(key).append("=").append(value).append("\r\n");
}
void TskIniFieldWriter::Integer(std::string_view key, std::int32_t& value, std::int32_t) {
  Line(key, std::to_string(value));
}
void TskIniFieldWriter::Boolean(std::string_view key, bool& value) {
  Line(key, value ? "1" : "0");
}
void TskIniFieldWriter::Text(std::string_view key, std::string& value, std::string_view) {
  Line(key, value);
}
void TskIniFieldWriter::Rect(std::string_view key, TRect& value) {
  Line(key, FormatRect(value));
}
void TskIniFieldWriter::Point(std::string_view key, TPoint& value) {
  Line(key, FormatPoint(value));
}
void TskIniFieldWriter::FontStyle(std::string_view key, TFontStyles& value) {
  Line(key, FormatFontStyle(value));
}
void TskIniFieldWriter::Alignment(std::string_view key, TAlignment& value) {
  Line(key, kAlignmentNames[int(value)]);
}
void TskIniFieldWriter::StretchType(std::string_view key, TStretchType& value) {
  Line(key, kStretchTypeNames[int(value)]);
}
void TskIniFieldWriter::MorphKind(std::string_view key, TMorphKind& value) {
  Line(key, kMorphKindNames[int(value)]);
}
void TskIniFieldWriter::InactiveEffect(std::string_view key, TInactiveEffect& value) {
  Line(key, kInactiveEffectNames[int(value)]);
}
void TskIniFieldWriter::Command(std::string_view key, TStdCommand& value) {
  Line(key, kStdCommandNames[int(value)]);
}

}  // namespace vl
