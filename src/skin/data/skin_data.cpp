#include "skin/data/skin_data.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "skin/data/resource_strings.h"
#include "skin/data/skin_package.h"

namespace vl {

TskSkinData::TskSkinData(TComponent* owner, TskFormNotifier& notifier)
    : TComponent(owner), notifier_(notifier) {}

// Going away is not a skin change: nothing is announced.
TskSkinData::~TskSkinData() {
  empty_ = true;
}

void TskSkinData::SetSkinnableForm(bool value) {
  if (value == skinnable_form_) return;
  skinnable_form_ = value;
  if (!reading_) NotifyForms(SKN_SKINNABLECHANGED);
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* value) {
  compressed_stored_skin_ = value;
  FreeNotification(value);
  if (!reading_ && value != nullptr) LoadPackage(*value);
}

void TskSkinData::SetResourceStrData(TskResourceStrData* value) {
  resource_str_data_ = value;
  FreeNotification(value);
  if (!reading_) NotifyForms(SKN_STRINGSCHANGED);
}

void TskSkinData::SetSkinList(TskCompressedSkinList* value) {
  skin_list_ = value;
  FreeNotification(value);
  if (!reading_) LoadListedPackage();
}

void TskSkinData::SetSkinIndex(int value) {
  if (value == skin_index_) return;
  if (skin_list_ != nullptr && (value < 0 || value >= skin_list_->Skins().Count())) return;
  skin_index_ = value;
  if (!reading_) LoadListedPackage();
}

void TskSkinData::EndRead() {
  reading_ = false;
  if (skin_list_ != nullptr) {
    LoadListedPackage();
  } else if (compressed_stored_skin_ != nullptr) {
    LoadPackage(*compressed_stored_skin_);
  }
}

void TskSkinData::LoadListedPackage() {
  if (skin_list_ == nullptr) return;
  TskSkinListItems& items = skin_list_->Skins();
  if (skin_index_ < 0 || skin_index_ >= items.Count()) return;
  LoadPackage(items.Item(skin_index_).StoredSkin());
}

void TskSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == compressed_stored_skin_) compressed_stored_skin_ = nullptr;
  if (component == resource_str_data_) resource_str_data_ = nullptr;
  if (component == skin_list_) skin_list_ = nullptr;
}

void TskSkinData::LoadPackage(const TskCompressedStoredSkin& stored_skin) {
  if (stored_skin.IsEmpty()) return;
  empty_ = true;
  skin_changing_ = true;
  NotifyForms(SKN_BEFORECHANGE);
  try {
    ClearSkin();
    ReadPackage(stored_skin);
  } catch (...) {
    skin_changing_ = false;
    throw;
  }
  if (empty_) {
    skin_changing_ = false;
    return;
  }
  NotifyForms(SKN_CHANGE);
  skin_changing_ = false;
  NotifyForms(SKN_AFTERCHANGE);
}

// Leaves empty_ set when the package is of a later version than this program reads.
void TskSkinData::ReadPackage(const TskCompressedStoredSkin& stored_skin) {
  std::optional<SkinPackageContents> contents;
  {
    // The inflated bytes go before the text is parsed, so the two never take memory at once.
    Bytes inflated;
    stored_skin.InflateTo(inflated);
    contents = ReadInnerPackage(inflated);
  }
  if (!contents) return;
  picture_ = std::move(contents->picture);
  inactive_picture_ = std::move(contents->inactive_picture);
  mask_ = std::move(contents->mask);
  active_pictures_ = std::move(contents->active_pictures);
  ReadDefinitions(TIniText::FromText(contents->text));
  empty_ = false;
}

namespace {

// The entries "0" to count - 1 of a list section (count at most kMaxListEntries), as present in
// the text, in index order. Only the keys the text holds are visited.
std::vector<std::pair<std::int32_t, std::string>> ListedEntries(const TIniText& ini,
                                                                std::string_view section,
                                                                std::string_view count_key) {
  std::int32_t count = std::min(ini.ReadInteger(section, count_key, 0), kMaxListEntries);
  std::vector<std::pair<std::int32_t, std::string>> entries;
  for (const std::string& key : ini.Keys(section)) {
    std::int32_t index = -1;
    auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), index);
    bool canonical = error == std::errc() && end == key.data() + key.size() &&
                     (key.size() == 1 || key[0] != '0') && index >= 0;
    if (canonical && index < count) entries.emplace_back(index, *ini.Value(section, key));
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

template <class Definition, class Create>
void ReadListedDefinitions(const TIniText& ini, std::string_view section, Create create,
                           std::vector<std::unique_ptr<Definition>>& out) {
  for (auto& [index, entry] : ListedEntries(ini, section, "count")) {
    std::size_t colon = entry.find(':');
    if (colon == std::string::npos) continue;
    std::unique_ptr<Definition> definition =
        create(entry.substr(colon + 1), entry.substr(0, colon));
    if (!definition) continue;
    out.push_back(std::move(definition));
    out.back()->Read(ini);
  }
}

}  // namespace

void TskSkinData::ReadNames(const TIniText& ini) {
  skin_name_ = ini.ReadString("VERSION", "skinname", "");
  skin_author_ = ini.ReadString("VERSION", "skinauthor", "");
  author_email_ = ini.ReadString("VERSION", "authoremail", "");
  author_url_ = ini.ReadString("VERSION", "authorurl", "");
  skin_comments_ = ini.ReadString("VERSION", "skincomments", "");
  picture_name_ = ini.ReadString("PICTURES", "picture", "");
  inactive_picture_name_ = ini.ReadString("PICTURES", "inactivepicture", "");
  mask_name_ = ini.ReadString("PICTURES", "mask", "");
  std::int32_t count =
      std::clamp(ini.ReadInteger("PICTURES", "activepicturescount", 0), 0, kMaxListEntries);
  active_picture_names_.assign(std::size_t(count), "");
  for (auto& [index, name] : ListedEntries(ini, "PICTURES", "activepicturescount")) {
    active_picture_names_[std::size_t(index)] = std::move(name);
  }
}

void TskSkinData::ReadDefinitions(const TIniText& ini) {
  ReadNames(ini);
  form_info_.masked = !mask_name_.empty();
  form_info_.Read(ini);
  popup_window_.Read(ini);
  hint_window_.Read(ini);
  skin_colors_.Read(ini);
  ReadListedDefinitions(ini, "SKINOBJECTS", CreateSkinObject, skin_objects_);
  ReadListedDefinitions(ini, "SKINCONTROLS", CreateSkinControl, skin_controls_);
}

void TskSkinData::ClearDefinitions() {
  skin_objects_.clear();
  skin_controls_.clear();
  active_pictures_.clear();
  popup_window_.windowpictureindex = -1;
  hint_window_.windowpictureindex = -1;
  active_picture_names_.clear();
  skin_colors_.Reset();
}

void TskSkinData::ClearSkin() {
  ClearDefinitions();
  picture_ = {};
  inactive_picture_ = {};
  mask_ = {};
  picture_name_.clear();
  mask_name_.clear();
  empty_ = true;
}

const PixelBitmap* TskSkinData::ActivePicture(std::int32_t index) const {
  if (index < 0 || std::size_t(index) >= active_pictures_.size()) return nullptr;
  return &active_pictures_[std::size_t(index)].bitmap;
}

namespace {

template <class List>
int FindSection(const List& list, std::string_view name) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i]->SectionName == name) return int(i);
  }
  return -1;
}

}  // namespace

int TskSkinData::FindObjectIndex(std::string_view name) const {
  return FindSection(skin_objects_, name);
}

int TskSkinData::FindControlIndex(std::string_view name) const {
  return FindSection(skin_controls_, name);
}

}  // namespace vl
