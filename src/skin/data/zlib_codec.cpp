#include "skin/data/zlib_codec.h"

#include <zlib.h>

#include <climits>
#include <string>

#include "framework/errors.h"

namespace vl {
namespace {

[[noreturn]] void CompressionError() {
  throw FormatError("compression error");
}

class Inflater {
 public:
  Inflater() {
    if (inflateInit(&stream_) != Z_OK) CompressionError();
  }
  ~Inflater() { inflateEnd(&stream_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
  z_stream* operator->() { return &stream_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
};

}  // namespace

void InflateZlib(ByteView compressed, Bytes& out, std::size_t limit) {
  // zlib counts input in 32-bit units; no package can be that large anyway.
  if (compressed.size() > UINT_MAX) CompressionError();
  Inflater z;
  z->next_in = const_cast<Bytef*>(compressed.data());
  z->avail_in = uInt(compressed.size());
  std::size_t produced = 0;
  std::uint8_t buffer[kInflateBufferSize];
  for (;;) {
    z->next_out = buffer;
    z->avail_out = sizeof buffer;
    int rc = inflate(z.get(), Z_NO_FLUSH);
    if (rc != Z_OK && rc != Z_STREAM_END) CompressionError();
    std::size_t got = sizeof buffer - z->avail_out;
    produced += got;
    if (produced > limit) CompressionError();
    out.insert(out.end(), buffer, buffer + got);
    // A stream cut short ends in Z_BUF_ERROR on the next round, which fails above.
    if (rc == Z_STREAM_END) return;
  }
}

Bytes DeflateZlib(ByteView plain) {
  if (plain.size() > UINT_MAX / 2) throw Error("error");
  uLongf size = compressBound(uLong(plain.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, plain.data(), uLong(plain.size()), Z_BEST_COMPRESSION) != Z_OK) {
    throw Error("error");
  }
  out.resize(size);
  return out;
}

}  // namespace vl
