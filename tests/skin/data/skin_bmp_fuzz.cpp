// Bitmap files back to back, as the package stores its active pictures.
#include <cstddef>
#include <cstdint>

#include "framework/errors.h"
#include "skin/data/bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vl::ByteReader reader(vl::ByteView(data, size));
  try {
    while (!reader.AtEnd()) {
      // Writing back is exact from the second round on (an index past the colour table reads
      // as black, which the table may not hold).
      vl::Bytes once = vl::EncodeBmp(vl::ReadBmp(reader));
      vl::SkinPicture decoded = vl::DecodeBmp(once);
      if (vl::EncodeBmp(decoded) != once) __builtin_trap();
    }
  } catch (const vl::Error&) {
  }
  return 0;
}
