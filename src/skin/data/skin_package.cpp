#include "skin/data/skin_package.h"

#include <string>

#include "framework/errors.h"

namespace vl {
namespace {

[[noreturn]] void StreamReadError() {
  throw FormatError(std::string(kStreamReadError));
}

constexpr std::int32_t kVersionWithObsoletePictures = 2;

// Reads the package's pictures while they stay within kMaxPackagePixels together.
class PictureReader {
 public:
  explicit PictureReader(ByteReader& reader) : reader_(reader) {}

  SkinPicture Bmp() {
    SkinPicture picture = ReadBmp(reader_, pixels_left_);
    pixels_left_ -= std::int64_t(picture.bitmap.Width()) * picture.bitmap.Height();
    return picture;
  }
  SkinPicture Block() {
    if (reader_.ReadU8() != 0) return {};
    return Bmp();
  }

 private:
  ByteReader& reader_;
  std::int64_t pixels_left_ = kMaxPackagePixels;
};

void WritePictureBlock(const SkinPicture& picture, ByteWriter& writer) {
  if (picture.Empty()) {
    writer.WriteU8(1);
    return;
  }
  writer.WriteU8(0);
  WriteBmp(picture, writer);
}

}  // namespace

std::optional<SkinPackageContents> ReadInnerPackage(ByteView inflated) {
  ByteReader reader(inflated);
  PictureReader pictures(reader);
  SkinPackageContents contents;
  contents.version = reader.ReadI32();
  if (contents.version > kPackageVersion) return std::nullopt;
  contents.picture = pictures.Block();
  contents.inactive_picture = pictures.Block();
  contents.mask = pictures.Block();
  if (contents.version == kVersionWithObsoletePictures) {
    pictures.Block();
    pictures.Block();
  }
  // The count is not trusted for anything but a loop bound: each picture must be present.
  std::int32_t count = reader.ReadI32();
  if (count > kMaxActivePictures) StreamReadError();
  for (std::int32_t i = 0; i < count; ++i) contents.active_pictures.push_back(pictures.Bmp());
  if (reader.Remaining() > kMaxDefinitionText) StreamReadError();
  contents.text = std::string(AsText(reader.ReadRest()));
  return contents;
}

Bytes WriteInnerPackage(const SkinPackageContents& contents) {
  ByteWriter writer;
  writer.WriteI32(kPackageVersion);
  WritePictureBlock(contents.picture, writer);
  WritePictureBlock(contents.inactive_picture, writer);
  WritePictureBlock(contents.mask, writer);
  writer.WriteI32(std::int32_t(contents.active_pictures.size()));
  for (const SkinPicture& picture : contents.active_pictures) WriteBmp(picture, writer);
  writer.WriteText(contents.text);
  return writer.Take();
}

}  // namespace vl
