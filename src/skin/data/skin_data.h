#pragma once
// The loaded skin of a window: its pictures and the definition objects read from the package's
// definition text. Every skinned part of the window names it, looks its definitions up by
// section name and treats an Empty skin data like none at all.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/component.h"
#include "skin/data/bmp_codec.h"
#include "skin/data/ini_text.h"
#include "skin/data/skin_controls.h"
#include "skin/data/skin_messages.h"
#include "skin/data/skin_objects.h"
#include "skin/data/stored_skin.h"
#include "skin/data/window_sections.h"

namespace vl {

class TskResourceStrData;
class TskSkinData;

// Delivers a skin message to the windows of the process: the skin data's owner window first,
// then every other top-level window, synchronously, with the skin data as wParam and
// kSkinMessageTag as lParam.
class TskFormNotifier {
 public:
  virtual ~TskFormNotifier() = default;
  virtual void NotifyForms(TskSkinData& data, unsigned message) = 0;
};

// The real one, over the windows of the process; defined in the Windows build only.
TskFormNotifier& TopLevelFormNotifier();

// No package lists this many pictures, objects or controls; a count beyond it is read as this
// many. Each listed object or control is a definition of its own, so the bound also keeps a short
// text from asking for millions of them.
inline constexpr std::int32_t kMaxListEntries = 4096;

class TskSkinData : public TComponent {
 public:
  TskSkinData(TComponent* owner, TskFormNotifier& notifier);
  ~TskSkinData() override;

  bool SkinnableForm() const { return skinnable_form_; }
  void SetSkinnableForm(bool value);
  bool EnableSkinEffects = true;
  bool ShowButtonGlowFrames = true;
  bool ShowCaptionButtonGlowFrames = true;

  TskCompressedStoredSkin* CompressedStoredSkin() const { return compressed_stored_skin_; }
  void SetCompressedStoredSkin(TskCompressedStoredSkin* value);
  TskResourceStrData* ResourceStrData() const { return resource_str_data_; }
  void SetResourceStrData(TskResourceStrData* value);
  TskCompressedSkinList* SkinList() const { return skin_list_; }
  void SetSkinList(TskCompressedSkinList* value);
  int SkinIndex() const { return skin_index_; }
  void SetSkinIndex(int value);

  // While the owning window's description is being read the setters only store; EndRead then
  // loads the package the properties name.
  void BeginRead() { reading_ = true; }
  void EndRead();

  // Unpacks a stored skin and announces it; an empty stored skin changes nothing. Errors leave
  // the skin data Empty and pass on to the caller.
  void LoadPackage(const TskCompressedStoredSkin& stored_skin);
  void ClearDefinitions();
  void ClearSkin();
  void NotifyForms(unsigned message) { notifier_.NotifyForms(*this, message); }

  bool Empty() const { return empty_; }
  bool SkinChanging() const { return skin_changing_; }

  const SkinPicture& Picture() const { return picture_; }
  const SkinPicture& InActivePicture() const { return inactive_picture_; }
  const SkinPicture& Mask() const { return mask_; }
  const std::vector<SkinPicture>& ActivePictures() const { return active_pictures_; }
  // The picture a picture index of the definition names; null for -1 or past the list.
  const PixelBitmap* ActivePicture(std::int32_t index) const;

  const std::string& PictureName() const { return picture_name_; }
  const std::string& InActivePictureName() const { return inactive_picture_name_; }
  const std::string& MaskName() const { return mask_name_; }
  const std::vector<std::string>& ActivePictureNames() const { return active_picture_names_; }
  const std::string& SkinName() const { return skin_name_; }
  const std::string& SkinAuthor() const { return skin_author_; }
  const std::string& AuthorEmail() const { return author_email_; }
  const std::string& AuthorURL() const { return author_url_; }
  const std::string& SkinComments() const { return skin_comments_; }

  const TskFormInfo& FormInfo() const { return form_info_; }
  const TskDataSkinPopupWindow& PopupWindow() const { return popup_window_; }
  const TskDataSkinHintWindow& HintWindow() const { return hint_window_; }
  const TskSkinColors& SkinColors() const { return skin_colors_; }
  const std::vector<std::unique_ptr<TskDataSkinObject>>& SkinObjects() const {
    return skin_objects_;
  }
  const std::vector<std::unique_ptr<TskDataSkinControl>>& SkinControls() const {
    return skin_controls_;
  }

  // The first object or control whose section name equals name exactly; -1 when none does.
  int FindObjectIndex(std::string_view name) const;
  int FindControlIndex(std::string_view name) const;

  // The object or control at index when it is of class T (a consumer's class check); null for
  // -1, an index past the list, or another class.
  template <class T>
  const T* ObjectAs(int index) const {
    return At<T>(skin_objects_, index);
  }
  template <class T>
  const T* ControlAs(int index) const {
    return At<T>(skin_controls_, index);
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  template <class T, class List>
  static const T* At(const List& list, int index) {
    if (index < 0 || std::size_t(index) >= list.size()) return nullptr;
    return dynamic_cast<const T*>(list[std::size_t(index)].get());
  }
  void LoadListedPackage();
  void ReadPackage(const TskCompressedStoredSkin& stored_skin);
  void ReadDefinitions(const TIniText& ini);
  void ReadNames(const TIniText& ini);

  TskFormNotifier& notifier_;
  bool skinnable_form_ = true;
  TskCompressedStoredSkin* compressed_stored_skin_ = nullptr;
  TskResourceStrData* resource_str_data_ = nullptr;
  TskCompressedSkinList* skin_list_ = nullptr;
  int skin_index_ = 0;
  bool reading_ = false;

  bool empty_ = true;
  bool skin_changing_ = false;
  SkinPicture picture_;
  SkinPicture inactive_picture_;
  SkinPicture mask_;
  std::vector<SkinPicture> active_pictures_;
  std::string picture_name_;
  std::string inactive_picture_name_;
  std::string mask_name_;
  std::vector<std::string> active_picture_names_;
  std::string skin_name_;
  std::string skin_author_;
  std::string author_email_;
  std::string author_url_;
  std::string skin_comments_;
  TskFormInfo form_info_;
  TskDataSkinPopupWindow popup_window_;
  TskDataSkinHintWindow hint_window_;
  TskSkinColors skin_colors_;
  std::vector<std::unique_ptr<TskDataSkinObject>> skin_objects_;
  std::vector<std::unique_ptr<TskDataSkinControl>> skin_controls_;
};

}  // namespace vl
