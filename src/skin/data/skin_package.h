#pragma once
// The skin package, at its two levels. All integers are 32-bit signed little-endian.
//
// Outer level (a list item's "Skin" data, and a compressed package file on disk):
//   int32 format version   written as 3; a reader takes any value up to 3 and ignores the data
//                          that follows a higher one
//   int32 length N         the number of compressed bytes that follow
//   N bytes                one zlib stream, deflated at level 9
//
// Inner level (what the zlib stream inflates to):
//   int32 inner version    written as 3; a reader stops at a higher one
//   picture block          the main picture
//   picture block          the inactive picture
//   picture block          the mask
//   2 picture blocks       only when the inner version is exactly 2; read and dropped
//   int32 count C          then C bitmap files back to back, without flag bytes: the active
//                          pictures that every picture index of the definition points into
//   definition text        every remaining byte: ANSI lines, CR LF after each
//
// A picture block is a flag byte, followed by a bitmap file when the flag is 0; any other flag
// means an empty picture (a writer writes 1). Bitmap files are read by the extent rule of
// bmp_codec.h.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/bmp_codec.h"
#include "skin/data/byte_stream.h"

namespace vl {

inline constexpr std::int32_t kPackageVersion = 3;

// Decoded, a 1-bit picture takes 32 times the bytes it is stored in. All pictures of one package
// together may hold no more pixels than one picture at its largest, so that a package of a few
// kilobytes, inflated, cannot ask for gigabytes.
inline constexpr std::int64_t kMaxPackagePixels = kMaxBitmapPixels;

// What else a package may hold. Our own definition text is about 50 KB; a text of 1 MiB made
// only of distinct short sections or keys already parses into some 30 MB (4 MiB would take 130),
// so a longer one is refused. A package lists at most as many active pictures as a definition list
// may hold. Both fail with "Stream read error" before anything is allocated for them.
//
// Together with kMaxPackagePixels and the inflate limit (zlib_codec.h), no package, however
// crafted, makes the reader hold more than kMaxPackageReadBytes at once (the inflated bytes,
// the pictures, the text and its parsed sections and keys; zlib's own state, some 40 KB, and
// the compressed bytes the caller holds aside). A test measures the worst cases.
inline constexpr std::size_t kMaxDefinitionText = std::size_t(1) << 20;
inline constexpr std::int32_t kMaxActivePictures = 4096;
inline constexpr std::size_t kMaxPackageReadBytes = std::size_t(256) << 20;

struct SkinPackageContents {
  std::int32_t version = kPackageVersion;
  SkinPicture picture;
  SkinPicture inactive_picture;
  SkinPicture mask;
  std::vector<SkinPicture> active_pictures;
  std::string text;  // the definition text as stored, up to the end of the data
};

// Reads the inflated inner level; nothing when its version is above 3. Damage, or contents past
// the limits above, fail with "Stream read error" or "Bitmap image is not valid".
std::optional<SkinPackageContents> ReadInnerPackage(ByteView inflated);

// Writes the inner level with version 3 (the contents' version is not used).
Bytes WriteInnerPackage(const SkinPackageContents& contents);

}  // namespace vl
