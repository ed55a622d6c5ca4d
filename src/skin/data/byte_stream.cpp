#include "skin/data/byte_stream.h"

#include <string>

#include "framework/errors.h"

namespace vl {

void ByteReader::Require(std::size_t count) const {
  if (count > Remaining()) throw FormatError(std::string(kStreamReadError));
}

std::uint8_t ByteReader::ReadU8() {
  Require(1);
  return bytes_[position_++];
}

std::uint16_t ByteReader::ReadU16() {
  Require(2);
  std::uint16_t value = std::uint16_t(bytes_[position_] | (bytes_[position_ + 1] << 8));
  position_ += 2;
  return value;
}

std::uint32_t ByteReader::ReadU32() {
  Require(4);
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | bytes_[position_ + std::size_t(i)];
  position_ += 4;
  return value;
}

ByteView ByteReader::ReadBytes(std::size_t count) {
  Require(count);
  ByteView view = bytes_.subspan(position_, count);
  position_ += count;
  return view;
}

ByteView ByteReader::ReadRest() {
  return ReadBytes(Remaining());
}

ByteView ByteReader::Peek(std::size_t count) const {
  if (count > Remaining()) return {};
  return bytes_.subspan(position_, count);
}

void ByteWriter::WriteU16(std::uint16_t value) {
  WriteU8(std::uint8_t(value));
  WriteU8(std::uint8_t(value >> 8));
}

void ByteWriter::WriteU32(std::uint32_t value) {
  for (int i = 0; i < 4; ++i) WriteU8(std::uint8_t(value >> (8 * i)));
}

void ByteWriter::WriteText(std::string_view text) {
  WriteBytes(AsBytes(text));
}

}  // namespace vl
