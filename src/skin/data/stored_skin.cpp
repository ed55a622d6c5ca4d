#include "skin/data/stored_skin.h"

#include <string>

#include "framework/errors.h"
#include "skin/data/bmp_codec.h"
#include "skin/data/ini_text.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"

namespace vl {

void TskCompressedStoredSkin::InflateTo(Bytes& out) const {
  InflateZlib(compressed_, out);
}

void TskCompressedStoredSkin::ReadPackageStream(ByteView stream) {
  compressed_.clear();
  ByteReader reader(stream);
  if (reader.ReadI32() > kPackageVersion) return;
  std::int32_t length = reader.ReadI32();
  if (length < 0) throw FormatError(std::string(kStreamReadError));
  ByteView data = reader.ReadBytes(std::size_t(length));
  compressed_.assign(data.begin(), data.end());
}

void TskCompressedStoredSkin::WritePackageStream(ByteWriter& writer) const {
  writer.WriteI32(kPackageVersion);
  writer.WriteI32(std::int32_t(compressed_.size()));
  writer.WriteBytes(compressed_);
}

Bytes TskCompressedStoredSkin::PackageStream() const {
  ByteWriter writer;
  WritePackageStream(writer);
  return writer.Take();
}

void TskCompressedStoredSkin::ReadCompressedFile(const std::string& path) {
  // The header says how many bytes follow; only those are read, and a length that no package
  // can have (its data would inflate past the limit) is refused before anything more is read.
  compressed_.clear();
  FileByteReader file(path);
  const Bytes header = file.Read(8);
  ByteReader reader(header);
  if (reader.ReadI32() > kPackageVersion) return;
  const std::int32_t length = reader.ReadI32();
  if (length < 0 || std::size_t(length) > kInflateLimit) {
    throw FormatError(std::string(kStreamReadError));
  }
  compressed_ = file.Read(std::size_t(length));
  if (compressed_.size() != std::size_t(length)) {
    compressed_.clear();
    throw FormatError(std::string(kStreamReadError));
  }
}

namespace {

constexpr const char* kRequiredSections[] = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                             "SKINCONTROLS"};

SkinPicture LoadPictureFile(const std::string& path) {
  return DecodeBmp(ReadFileBytes(path));
}

SkinPicture LoadNamedPicture(const std::string& folder, const std::string& name) {
  return name.empty() ? SkinPicture{} : LoadPictureFile(folder + name);
}

}  // namespace

bool TskCompressedStoredSkin::BuildFromDefinitionFile(const std::string& path) {
  Bytes file = ReadFileBytes(path);
  std::vector<std::string> lines = SplitTextLines(AsText(file));
  TIniText ini(lines);
  for (const char* section : kRequiredSections) {
    if (!ini.SectionExists(section)) return false;
  }
  std::string folder = ExtractFilePath(path);
  compressed_.clear();

  SkinPackageContents contents;
  contents.picture = LoadNamedPicture(folder, ini.ReadString("PICTURES", "picture", ""));
  contents.inactive_picture =
      LoadNamedPicture(folder, ini.ReadString("PICTURES", "inactivepicture", ""));
  contents.mask = LoadNamedPicture(folder, ini.ReadString("PICTURES", "mask", ""));
  std::int32_t count = ini.ReadInteger("PICTURES", "activepicturescount", 0);
  for (std::int32_t i = 0; i < count; ++i) {
    std::string name = ini.ReadString("PICTURES", std::to_string(i), "");
    contents.active_pictures.push_back(LoadPictureFile(folder + name));
  }
  for (const std::string& line : lines) contents.text.append(line).append("\r\n");
  compressed_ = DeflateZlib(WriteInnerPackage(contents));
  return true;
}

TskSkinListItem::TskSkinListItem(int index)
    : Name("skSkin" + std::to_string(index)),
      stored_skin_(std::make_unique<TskCompressedStoredSkin>()) {}

TskSkinListItem& TskSkinListItems::Add() {
  items_.push_back(std::make_unique<TskSkinListItem>(Count()));
  return *items_.back();
}

void TskSkinListItems::Assign(const TskSkinListItems& other) {
  if (&other == this) return;
  items_.clear();
  for (const auto& source : other.items_) {
    TskSkinListItem& item = Add();
    item.Name = source->Name;
    item.Description = source->Description;
    item.FileName = source->FileName;
    item.CompressedFileName = source->CompressedFileName;
    item.StoredSkin().SetCompressedData(source->StoredSkin().CompressedData());
    item.StoredSkin().Description = source->StoredSkin().Description;
    item.StoredSkin().FileName = source->StoredSkin().FileName;
    item.StoredSkin().CompressedFileName = source->StoredSkin().CompressedFileName;
  }
}

}  // namespace vl
