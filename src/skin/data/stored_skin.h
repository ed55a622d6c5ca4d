#pragma once
// Where a window keeps its skin package: a stored skin holds the compressed bytes of one
// package, a list item holds one stored skin, and a skin list holds the items a skin data
// object loads from.

#include <memory>
#include <string>
#include <vector>

#include "framework/component.h"
#include "skin/data/byte_stream.h"

namespace vl {

class TskCompressedStoredSkin : public TComponent {
 public:
  explicit TskCompressedStoredSkin(TComponent* owner = nullptr) : TComponent(owner) {}

  bool IsEmpty() const { return compressed_.empty(); }

  // The compressed data alone, without the outer header ("CompressedData").
  const Bytes& CompressedData() const { return compressed_; }
  void SetCompressedData(Bytes data) { compressed_ = std::move(data); }

  // Appends the inflated package to out; damaged data fails with "compression error".
  void InflateTo(Bytes& out) const;

  // Reads the outer level from the start of stream: a format version above 3 leaves the stored
  // skin empty; a length of 0 gives an empty one; a length past the end fails with "Stream read
  // error". The stored skin is emptied first, whatever happens after.
  void ReadPackageStream(ByteView stream);
  // Appends version 3, the length and the compressed bytes.
  void WritePackageStream(ByteWriter& writer) const;
  Bytes PackageStream() const;

  // ReadPackageStream on a compressed package file, reading no more of it than its header
  // declares, and nothing past the header when the declared length exceeds kInflateLimit
  // (zlib_codec.h): that fails with "Stream read error".
  void ReadCompressedFile(const std::string& path);

  // Builds a package from a definition file and the bitmap files beside it. A definition
  // without the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS changes
  // nothing and returns false; a missing picture file fails with the file's error, and pictures
  // past what a package may hold (kMaxPackagePixels together, kMaxActivePictures active ones)
  // fail with a message that says so, before more of them are read.
  bool BuildFromDefinitionFile(const std::string& path);

  std::string Description;
  // Only the file name is kept: the program never rebuilds or rereads a package at run time.
  std::string FileName;
  std::string CompressedFileName;

 private:
  Bytes compressed_;
};

class TskCompressedSkinList;

class TskSkinListItem {
 public:
  explicit TskSkinListItem(int index);

  TskCompressedStoredSkin& StoredSkin() { return *stored_skin_; }
  const TskCompressedStoredSkin& StoredSkin() const { return *stored_skin_; }

  // The "Skin" data: the outer level with its header.
  void ReadSkin(ByteView stream) { stored_skin_->ReadPackageStream(stream); }
  Bytes WriteSkin() const { return stored_skin_->PackageStream(); }

  std::string Name;  // "skSkin" and the item's index at creation
  std::string Description;
  std::string FileName;
  std::string CompressedFileName;

 private:
  std::unique_ptr<TskCompressedStoredSkin> stored_skin_;
};

class TskSkinListItems {
 public:
  explicit TskSkinListItems(TskCompressedSkinList* owner) : owner_(owner) {}
  TskSkinListItems(const TskSkinListItems&) = delete;
  TskSkinListItems& operator=(const TskSkinListItems&) = delete;

  TskCompressedSkinList* Owner() const { return owner_; }
  int Count() const { return int(items_.size()); }
  TskSkinListItem& Item(int index) { return *items_.at(std::size_t(index)); }
  const TskSkinListItem& Item(int index) const { return *items_.at(std::size_t(index)); }
  TskSkinListItem& Add();
  void Clear() { items_.clear(); }
  // Makes this collection a copy of other, item by item.
  void Assign(const TskSkinListItems& other);

 private:
  TskCompressedSkinList* owner_;
  std::vector<std::unique_ptr<TskSkinListItem>> items_;
};

class TskCompressedSkinList : public TComponent {
 public:
  explicit TskCompressedSkinList(TComponent* owner = nullptr) : TComponent(owner), skins_(this) {}

  TskSkinListItems& Skins() { return skins_; }
  const TskSkinListItems& Skins() const { return skins_; }
  void SetSkins(const TskSkinListItems& skins) { skins_.Assign(skins); }

 private:
  TskSkinListItems skins_;
};

}  // namespace vl
