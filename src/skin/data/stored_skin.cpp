#include "skin/data/stored_skin.h"

#include <string>
#include <utility>

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

// Loads the pictures a definition names while they stay within what a package may hold
// together: however many entries name one picture, each is held whole, so the running total, not
// the files on disk, is what bounds the memory of a build.
class PictureLoader {
 public:
  PictureLoader(std::string folder, std::string definition)
      : folder_(std::move(folder)), definition_(std::move(definition)) {}

  SkinPicture Named(const std::string& name) { return name.empty() ? SkinPicture{} : Load(name); }

  SkinPicture Load(const std::string& name) {
    SkinPicture picture = DecodeBmp(ReadFileBytes(folder_ + name));
    pixels_left_ -= std::int64_t(picture.bitmap.Width()) * picture.bitmap.Height();
    if (pixels_left_ < 0) {
      throw FormatError("The pictures \"" + definition_ + "\" names hold more than " +
                        std::to_string(kMaxPackagePixels) +
                        " pixels together, more than a package may hold (the limit was passed "
                        "at \"" +
                        name + "\")");
    }
    return picture;
  }

 private:
  std::string folder_;
  std::string definition_;
  std::int64_t pixels_left_ = kMaxPackagePixels;
};

std::int32_t ActivePictureCount(const TIniText& ini, const std::string& definition) {
  std::int32_t count = ini.ReadInteger("PICTURES", "activepicturescount", 0);
  if (count > kMaxActivePictures) {
    throw FormatError("\"" + definition + "\" lists " + std::to_string(count) +
                      " active pictures; a package holds at most " +
                      std::to_string(kMaxActivePictures));
  }
  return count;
}

}  // namespace

bool TskCompressedStoredSkin::BuildFromDefinitionFile(const std::string& path) {
  Bytes file = ReadFileBytes(path);
  std::vector<std::string> lines = SplitTextLines(AsText(file));
  TIniText ini(lines);
  for (const char* section : kRequiredSections) {
    if (!ini.SectionExists(section)) return false;
  }
  compressed_.clear();

  PictureLoader pictures(ExtractFilePath(path), path);
  SkinPackageContents contents;
  contents.picture = pictures.Named(ini.ReadString("PICTURES", "picture", ""));
  contents.inactive_picture = pictures.Named(ini.ReadString("PICTURES", "inactivepicture", ""));
  contents.mask = pictures.Named(ini.ReadString("PICTURES", "mask", ""));
  std::int32_t count = ActivePictureCount(ini, path);
  for (std::int32_t i = 0; i < count; ++i) {
    contents.active_pictures.push_back(
        pictures.Load(ini.ReadString("PICTURES", std::to_string(i), "")));
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
