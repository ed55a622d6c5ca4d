// The inflated inner level of a package, deflated here before the reader sees it, so that the
// pictures and the definition text are reached through the whole package path: the stored
// skin, inflation, the inner reader, the definitions and the controls written back. Stored
// blocks (no compression) keep each run as cheap as the reading itself.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/errors.h"
#include "skin/data/skin_data.h"

namespace {

class Quiet : public vl::TskFormNotifier {
 public:
  void NotifyForms(vl::TskSkinData&, unsigned) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  uLongf length = compressBound(uLong(size));
  vl::Bytes compressed(length);
  if (compress2(compressed.data(), &length, data, uLong(size), Z_NO_COMPRESSION) != Z_OK) return 0;
  compressed.resize(length);
  vl::TskCompressedStoredSkin stored;
  stored.SetCompressedData(std::move(compressed));
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
