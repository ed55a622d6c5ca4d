#pragma once
// The package's compressed data is one zlib stream (RFC 1950).

#include <cstddef>

#include "skin/data/byte_stream.h"

namespace vl {

inline constexpr std::size_t kInflateBufferSize = 4096;
// No skin comes near this; a stream that inflates beyond it is treated as damaged rather than
// allowed to take the machine's memory.
inline constexpr std::size_t kInflateLimit = std::size_t(64) << 20;

// Appends the inflated bytes of a zlib stream to out, kInflateBufferSize bytes at a time.
// A damaged or truncated stream, or one that grows past limit, fails with "compression error".
void InflateZlib(ByteView compressed, Bytes& out, std::size_t limit = kInflateLimit);

// Compresses at level 9 (best compression); fails with "error".
Bytes DeflateZlib(ByteView plain);

}  // namespace vl
