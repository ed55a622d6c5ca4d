#include "skin/controls/skin_draw.h"

#include <charconv>
#include <optional>

#include "framework/errors.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/control_skin.h"
#include "skin/controls/memo_skin.h"
#include "skin/data/bmp_codec.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_files.h"
#include "skin/data/stored_skin.h"

namespace vl {
namespace {

constexpr const char* kUsage =
    "usage: skin draw [--package FILE] SECTION WIDTH HEIGHT [normal|hot|pressed|focused|disabled] "
    "OUT.bmp\n";
constexpr int kMaxSide = 8192;

class SilentNotifier : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

// The rectangle a control of the section's kind draws in the state, with the substitutes the
// button takes for a state the section has no rectangle for.
TRect StateRect(const TskSkinData& data, const TskDataSkinCustomControl& d, TskDrawState state) {
  if (const auto* b = dynamic_cast<const TskDataSkinButtonControl*>(&d)) {
    const TskButtonSkin skin = CopyButtonSkin(data, *b);
    switch (state) {
      case TskDrawState::kNormal:
        return skin.skinrect;
      case TskDrawState::kHot:
        return skin.activeskinrect;
      case TskDrawState::kPressed:
        return skin.downskinrect;
      case TskDrawState::kFocused:
        return skin.focusedskinrect.IsEmpty() ? skin.activeskinrect : skin.focusedskinrect;
      case TskDrawState::kDisabled:
        return skin.disabledskinrect.IsEmpty() ? skin.skinrect : skin.disabledskinrect;
    }
  }
  return d.skinrect;
}

std::optional<TskDrawState> StateNamed(std::string_view name) {
  constexpr std::pair<std::string_view, TskDrawState> kNames[] = {
      {"normal", TskDrawState::kNormal},
      {"hot", TskDrawState::kHot},
      {"pressed", TskDrawState::kPressed},
      {"focused", TskDrawState::kFocused},
      {"disabled", TskDrawState::kDisabled}};
  for (const auto& [n, s] : kNames) {
    if (n == name) return s;
  }
  return std::nullopt;
}

std::optional<int> SideNamed(const std::string& text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxSide) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

PixelBitmap DrawSkinSection(const TskSkinData& data, std::string_view section, int width,
                            int height, TskDrawState state) {
  const int index = data.FindControlIndex(section);
  if (index == -1) throw FormatError("The skin has no section \"" + std::string(section) + "\"");
  const auto* d = data.ControlAs<TskDataSkinCustomControl>(index);
  if (!d) {
    throw FormatError("The section \"" + std::string(section) +
                      "\" is of a kind that is not drawn from a picture");
  }
  const TskControlSkin skin = CopyControlSkin(data, *d);
  const TskSizedSkin sized = CalcSize(skin, width, height);
  const TRect rect = StateRect(data, *d, state);
  PixelBitmap picture;
  if (const auto* m = dynamic_cast<const TskDataSkinMemoControl*>(d)) {
    const bool active = state == TskDrawState::kHot || state == TskDrawState::kFocused;
    picture = DrawMemoSkin(CopyMemoSkin(data, *m), active, true, 0, width, height);
  } else if (dynamic_cast<const TskDataSkinPanelControl*>(d) && skin.rule == TskSizeRule::srFree) {
    // A panel is drawn as frame pieces around its client texture.
    picture = DrawPiecewise(skin, rect, sized);
  } else {
    picture = DrawBySizeRule(skin, rect, sized);
  }
  if (picture.Empty()) {
    throw FormatError("The section \"" + std::string(section) + "\" has no picture to draw");
  }
  return picture;
}

int RunSkinDrawCommand(const std::vector<std::string>& all, const TskCompressedStoredSkin* carried,
                       std::ostream& out, std::ostream& err) {
  std::vector<std::string> args = all;
  std::string package;
  if (args.size() >= 2 && args[0] == "--package") {
    package = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() != 4 && args.size() != 5) {
    err << kUsage;
    return 2;
  }
  const std::optional<int> width = SideNamed(args[1]);
  const std::optional<int> height = SideNamed(args[2]);
  const std::optional<TskDrawState> state =
      args.size() == 5 ? StateNamed(args[3]) : TskDrawState::kNormal;
  if (!width || !height || !state) {
    err << kUsage;
    return 2;
  }
  try {
    TskCompressedStoredSkin from_file;
    const TskCompressedStoredSkin* stored = carried;
    if (!package.empty()) {
      from_file.ReadCompressedFile(package);
      stored = &from_file;
    }
    if (!stored || stored->IsEmpty()) throw FormatError("There is no skin package to draw from");
    SilentNotifier notifier;
    TskSkinData data(nullptr, notifier);
    data.LoadPackage(*stored);
    if (data.Empty()) throw FormatError("The skin package is of a later format version");
    const PixelBitmap picture = DrawSkinSection(data, args[0], *width, *height, *state);
    WriteFileBytes(args.back(), EncodeBmp({picture, 24, {}}));
    out << "wrote " << args.back() << ": " << picture.Width() << " x " << picture.Height() << "\n";
    return 0;
  } catch (const Error& e) {
    err << "skin draw: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace vl
