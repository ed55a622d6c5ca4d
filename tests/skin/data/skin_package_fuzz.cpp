// A package file from outside: the outer header, the zlib stream, the pictures and the text.
#include <cstddef>
#include <cstdint>

#include "framework/errors.h"
#include "skin/data/skin_data.h"

namespace {

class Quiet : public vl::TskFormNotifier {
 public:
  void NotifyForms(vl::TskSkinData&, unsigned) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Quiet quiet;
  vl::TskSkinData skin(nullptr, quiet);
  vl::TskCompressedStoredSkin stored;
  try {
    stored.ReadPackageStream(vl::ByteView(data, size));
    skin.LoadPackage(stored);
  } catch (const vl::Error&) {
  }
  return 0;
}
