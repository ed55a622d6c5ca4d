#include "skin/data/skin_package.h"

namespace vl {
namespace {

constexpr std::int32_t kVersionWithObsoletePictures = 2;

SkinPicture ReadPictureBlock(ByteReader& reader) {
  if (reader.ReadU8() != 0) return {};
  return ReadBmp(reader);
}

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
  SkinPackageContents contents;
  contents.version = reader.ReadI32();
  if (contents.version > kPackageVersion) return std::nullopt;
  contents.picture = ReadPictureBlock(reader);
  contents.inactive_picture = ReadPictureBlock(reader);
  contents.mask = ReadPictureBlock(reader);
  if (contents.version == kVersionWithObsoletePictures) {
    ReadPictureBlock(reader);
    ReadPictureBlock(reader);
  }
  // The count is not trusted for anything but a loop bound: each picture must be present.
  std::int32_t count = reader.ReadI32();
  for (std::int32_t i = 0; i < count; ++i) contents.active_pictures.push_back(ReadBmp(reader));
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
