#pragma once
// Little-endian reading and writing of the skin package's bytes. The reader checks every length
// against what remains before it hands anything out, so a damaged package can only ever fail
// with "Stream read error", never read past its end.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vl {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

inline constexpr std::string_view kStreamReadError = "Stream read error";

class ByteReader {
 public:
  explicit ByteReader(ByteView bytes) : bytes_(bytes) {}

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return bytes_.size() - position_; }
  bool AtEnd() const { return position_ == bytes_.size(); }

  std::uint8_t ReadU8();
  std::uint16_t ReadU16();
  std::uint32_t ReadU32();
  std::int32_t ReadI32() { return std::int32_t(ReadU32()); }
  // The next count bytes; fails when fewer remain.
  ByteView ReadBytes(std::size_t count);
  // Everything from the current position to the end.
  ByteView ReadRest();
  // A view of the next count bytes without consuming them; empty when fewer remain.
  ByteView Peek(std::size_t count) const;

 private:
  void Require(std::size_t count) const;

  ByteView bytes_;
  std::size_t position_ = 0;
};

class ByteWriter {
 public:
  void WriteU8(std::uint8_t value) { bytes_.push_back(value); }
  void WriteU16(std::uint16_t value);
  void WriteU32(std::uint32_t value);
  void WriteI32(std::int32_t value) { WriteU32(std::uint32_t(value)); }
  void WriteBytes(ByteView bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }
  void WriteText(std::string_view text);

  const Bytes& Data() const { return bytes_; }
  Bytes Take() { return std::move(bytes_); }

 private:
  Bytes bytes_;
};

inline ByteView AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}
inline std::string_view AsText(ByteView bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace vl
