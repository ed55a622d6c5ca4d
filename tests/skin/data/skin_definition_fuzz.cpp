// A definition text: every section of the window and every object and control it lists.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/errors.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"

namespace {

class Quiet : public vl::TskFormNotifier {
 public:
  void NotifyForms(vl::TskSkinData&, unsigned) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vl::SkinPackageContents contents;
  contents.text.assign(reinterpret_cast<const char*>(data), size);
  vl::TskCompressedStoredSkin stored;
  stored.SetCompressedData(vl::DeflateZlib(vl::WriteInnerPackage(contents)));
  Quiet quiet;
  vl::TskSkinData skin(nullptr, quiet);
  try {
    skin.LoadPackage(stored);
    for (const auto& control : skin.SkinControls()) {
      std::string text;
      control->Write(text);
    }
  } catch (const vl::Error&) {
  }
  return 0;
}
