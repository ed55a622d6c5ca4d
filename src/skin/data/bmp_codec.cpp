#include "skin/data/bmp_codec.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unordered_map>

#include "framework/errors.h"

namespace vl {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRgbCompression = 0;

[[noreturn]] void NotValid() {
  throw FormatError(std::string(kBitmapNotValid));
}

// Bitmap data that ends early is a damaged picture, not a short stream.
void Need(const ByteReader& reader, std::uint64_t count) {
  if (count > reader.Remaining()) NotValid();
}

struct InfoHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;
  int bit_count = 0;
  std::uint32_t compression = 0;
  std::uint32_t size_image = 0;
  std::uint32_t colors_used = 0;
};

InfoHeader ReadHeaders(ByteReader& reader) {
  Need(reader, kFileHeaderSize + kInfoHeaderSize);
  if (reader.ReadU8() != 'B' || reader.ReadU8() != 'M') NotValid();
  reader.ReadBytes(kFileHeaderSize -
                   2);  // file size, reserved, pixel offset: the extent rule decides
  std::uint32_t info_size = reader.ReadU32();
  if (info_size < kInfoHeaderSize) NotValid();
  InfoHeader h;
  h.width = reader.ReadI32();
  h.height = reader.ReadI32();
  reader.ReadU16();  // planes
  h.bit_count = reader.ReadU16();
  h.compression = reader.ReadU32();
  h.size_image = reader.ReadU32();
  reader.ReadU32();  // pixels per metre, x
  reader.ReadU32();  // and y
  h.colors_used = reader.ReadU32();
  reader.ReadU32();  // important colours
  Need(reader, info_size - kInfoHeaderSize);
  reader.ReadBytes(info_size - kInfoHeaderSize);
  return h;
}

bool IsPaletted(int bit_count) {
  return bit_count == 1 || bit_count == 4 || bit_count == 8;
}

void CheckGeometry(const InfoHeader& h, std::int64_t max_pixels) {
  bool depth_ok = IsPaletted(h.bit_count) || h.bit_count == 24 || h.bit_count == 32;
  if (!depth_ok || h.compression != kRgbCompression) NotValid();
  std::int64_t height = std::llabs(std::int64_t(h.height));
  if (h.width <= 0 || height == 0 || h.width > kMaxBitmapSide || height > kMaxBitmapSide) {
    NotValid();
  }
  if (std::int64_t(h.width) * height > std::min(max_pixels, kMaxBitmapPixels)) NotValid();
}

std::uint64_t ColorTableEntries(const InfoHeader& h) {
  if (h.colors_used != 0) return h.colors_used;
  return IsPaletted(h.bit_count) ? (std::uint64_t(1) << h.bit_count) : 0;
}

std::uint64_t RowBytes(std::int64_t width, int bit_count) {
  return (std::uint64_t(width) * std::uint64_t(bit_count) + 31) / 32 * 4;
}

std::vector<Pixel> ReadPalette(ByteReader& reader, std::uint64_t entries) {
  Need(reader, entries * 4);
  std::vector<Pixel> palette;
  palette.reserve(std::size_t(entries));
  for (std::uint64_t i = 0; i < entries; ++i) {
    std::uint8_t b = reader.ReadU8(), g = reader.ReadU8(), r = reader.ReadU8();
    reader.ReadU8();
    palette.push_back(MakePixel(r, g, b));
  }
  return palette;
}

Pixel DecodePixel(const std::uint8_t* row, int x, int bit_count,
                  const std::vector<Pixel>& palette) {
  if (bit_count == 24 || bit_count == 32) {
    const std::uint8_t* p = row + std::size_t(x) * std::size_t(bit_count / 8);
    return MakePixel(p[2], p[1], p[0]);
  }
  int per_byte = 8 / bit_count;
  int shift = (per_byte - 1 - x % per_byte) * bit_count;
  std::size_t index = (row[x / per_byte] >> shift) & ((1u << bit_count) - 1);
  // Windows shows an index past the table as black; so do we.
  return index < palette.size() ? palette[index] : 0;
}

}  // namespace

SkinPicture ReadBmp(ByteReader& reader, std::int64_t max_pixels) {
  InfoHeader h = ReadHeaders(reader);
  CheckGeometry(h, max_pixels);
  std::uint64_t entries = ColorTableEntries(h);
  if (IsPaletted(h.bit_count) && entries > (std::uint64_t(1) << h.bit_count)) NotValid();
  Need(reader, entries * 4);
  SkinPicture picture;
  picture.bit_count = IsPaletted(h.bit_count) ? h.bit_count : 24;
  if (IsPaletted(h.bit_count)) {
    picture.palette = ReadPalette(reader, entries);
  } else {
    reader.ReadBytes(std::size_t(entries * 4));
  }

  int height = int(std::llabs(std::int64_t(h.height)));
  std::uint64_t row_bytes = RowBytes(h.width, h.bit_count);
  std::uint64_t pixel_bytes = h.size_image != 0 ? h.size_image : row_bytes * std::uint64_t(height);
  if (pixel_bytes < row_bytes * std::uint64_t(height)) NotValid();
  Need(reader, pixel_bytes);
  ByteView pixels = reader.ReadBytes(std::size_t(pixel_bytes));

  picture.bitmap = PixelBitmap(h.width, height);
  bool bottom_up = h.height > 0;
  for (int y = 0; y < height; ++y) {
    int stored_row = bottom_up ? height - 1 - y : y;
    const std::uint8_t* row = pixels.data() + std::uint64_t(stored_row) * row_bytes;
    Pixel* out = picture.bitmap.Row(y);
    for (int x = 0; x < h.width; ++x) out[x] = DecodePixel(row, x, h.bit_count, picture.palette);
  }
  return picture;
}

SkinPicture DecodeBmp(ByteView file) {
  ByteReader reader(file);
  return ReadBmp(reader);
}

namespace {

int SquaredDistance(Pixel a, Pixel b) {
  int dr = PixelRed(a) - PixelRed(b), dg = PixelGreen(a) - PixelGreen(b);
  int db = PixelBlue(a) - PixelBlue(b);
  return dr * dr + dg * dg + db * db;
}

class PaletteIndexer {
 public:
  explicit PaletteIndexer(const std::vector<Pixel>& palette) : palette_(palette) {}
  unsigned IndexOf(Pixel pixel) {
    auto found = cache_.find(pixel);
    if (found != cache_.end()) return found->second;
    unsigned best = 0;
    for (unsigned i = 1; i < palette_.size(); ++i) {
      if (SquaredDistance(palette_[i], pixel) < SquaredDistance(palette_[best], pixel)) best = i;
    }
    cache_.emplace(pixel, best);
    return best;
  }

 private:
  const std::vector<Pixel>& palette_;
  std::unordered_map<Pixel, unsigned> cache_;
};

void WriteRow(const Pixel* row, int width, int bit_count, PaletteIndexer& indexer,
              std::uint8_t* out) {
  if (bit_count == 24) {
    for (int x = 0; x < width; ++x) {
      out[3 * x] = PixelBlue(row[x]);
      out[3 * x + 1] = PixelGreen(row[x]);
      out[3 * x + 2] = PixelRed(row[x]);
    }
    return;
  }
  int per_byte = 8 / bit_count;
  for (int x = 0; x < width; ++x) {
    int shift = (per_byte - 1 - x % per_byte) * bit_count;
    out[x / per_byte] = std::uint8_t(out[x / per_byte] | (indexer.IndexOf(row[x]) << shift));
  }
}

}  // namespace

void WriteBmp(const SkinPicture& picture, ByteWriter& writer) {
  const PixelBitmap& bitmap = picture.bitmap;
  bool paletted = IsPaletted(picture.bit_count) && !picture.palette.empty();
  int bit_count = paletted ? picture.bit_count : 24;
  std::size_t max_entries = std::size_t(1) << (paletted ? bit_count : 0);
  std::size_t entries = paletted ? std::min(picture.palette.size(), max_entries) : 0;
  std::vector<Pixel> palette(picture.palette.begin(), picture.palette.begin() + entries);
  std::uint32_t row_bytes = std::uint32_t(RowBytes(bitmap.Width(), bit_count));
  std::uint32_t image_size = row_bytes * std::uint32_t(bitmap.Height());
  std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + std::uint32_t(entries) * 4;

  writer.WriteU8('B');
  writer.WriteU8('M');
  writer.WriteU32(offset + image_size);
  writer.WriteU32(0);
  writer.WriteU32(offset);
  writer.WriteU32(kInfoHeaderSize);
  writer.WriteI32(bitmap.Width());
  writer.WriteI32(bitmap.Height());
  writer.WriteU16(1);
  writer.WriteU16(std::uint16_t(bit_count));
  writer.WriteU32(kRgbCompression);
  writer.WriteU32(image_size);
  writer.WriteU32(0);
  writer.WriteU32(0);
  writer.WriteU32(entries == max_entries ? 0 : std::uint32_t(entries));
  writer.WriteU32(0);
  for (Pixel p : palette) {
    writer.WriteU8(PixelBlue(p));
    writer.WriteU8(PixelGreen(p));
    writer.WriteU8(PixelRed(p));
    writer.WriteU8(0);
  }
  PaletteIndexer indexer(palette);
  std::vector<std::uint8_t> row(row_bytes);
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    WriteRow(bitmap.Row(y), bitmap.Width(), bit_count, indexer, row.data());
    writer.WriteBytes(row);
  }
}

Bytes EncodeBmp(const SkinPicture& picture) {
  ByteWriter writer;
  WriteBmp(picture, writer);
  return writer.Take();
}

}  // namespace vl
