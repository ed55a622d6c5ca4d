#include "skin/data/skin_command.h"

#include <filesystem>
#include <map>
#include <optional>

#include "framework/errors.h"
#include "skin/data/bmp_codec.h"
#include "skin/data/ini_text.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_files.h"
#include "skin/data/skin_package.h"
#include "skin/data/stored_skin.h"

namespace vl {
namespace {

constexpr const char* kUsage =
    "usage: skin unpack <package file> <folder>\n"
    "       skin build <definition file> <package file>\n";

class SilentNotifier : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

// A name from a package is outside input: it may name a file in the target folder, nothing
// else.
bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (std::uint8_t(c) < ' ' || c == '/' || c == '\\' || c == ':') return false;
  }
  return true;
}

std::string PictureFileName(const std::string& listed, const std::string& fallback) {
  if (listed.empty()) return fallback;
  if (!IsPlainFileName(listed)) {
    throw FormatError("The package names a picture \"" + listed +
                      "\", which is not a plain file name");
  }
  return listed;
}

class UnpackedFiles {
 public:
  void Add(const std::string& name, Bytes bytes) {
    auto [it, added] = files_.emplace(AsciiLower(name), std::pair{name, bytes});
    if (!added && it->second.second != bytes) {
      throw FormatError("The package names two different pictures \"" + name + "\"");
    }
  }
  void WriteTo(const std::string& folder, std::ostream& out) const {
    for (const auto& [key, file] : files_) {
      WriteFileBytes(folder + file.first, file.second);
      out << "  " << file.first << " (" << file.second.size() << " bytes)\n";
    }
  }

 private:
  std::map<std::string, std::pair<std::string, Bytes>> files_;
};

void AddPicture(UnpackedFiles& files, const SkinPicture& picture, const std::string& name) {
  if (!picture.Empty()) files.Add(name, EncodeBmp(picture));
}

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder;
}

void Unpack(const std::string& package, const std::string& folder_arg, std::ostream& out) {
  TskCompressedStoredSkin stored;
  stored.ReadCompressedFile(package);
  if (stored.IsEmpty()) {
    throw FormatError("\"" + package + "\" holds no skin, or one of a later format version");
  }
  Bytes inflated;
  stored.InflateTo(inflated);
  std::optional<SkinPackageContents> contents = ReadInnerPackage(inflated);
  if (!contents) throw FormatError("\"" + package + "\" holds a skin of a later format version");

  TIniText ini = TIniText::FromText(contents->text);
  UnpackedFiles files;
  AddPicture(files, contents->picture,
             PictureFileName(ini.ReadString("PICTURES", "picture", ""), "main.bmp"));
  AddPicture(files, contents->inactive_picture,
             PictureFileName(ini.ReadString("PICTURES", "inactivepicture", ""), "inactive.bmp"));
  AddPicture(files, contents->mask,
             PictureFileName(ini.ReadString("PICTURES", "mask", ""), "mask.bmp"));
  for (std::size_t i = 0; i < contents->active_pictures.size(); ++i) {
    std::string listed = ini.ReadString("PICTURES", std::to_string(i), "");
    std::string fallback = "active" + std::to_string(i) + ".bmp";
    AddPicture(files, contents->active_pictures[i], PictureFileName(listed, fallback));
  }
  std::string text = contents->text.substr(0, contents->text.find('\0'));
  files.Add(kUnpackedDefinitionName, Bytes(text.begin(), text.end()));

  std::string folder = WithSeparator(folder_arg);
  std::error_code ec;
  std::filesystem::create_directories(folder_arg, ec);
  out << "inner version " << contents->version << ", " << contents->active_pictures.size()
      << " active pictures, " << ini.Sections().size() << " sections\n";
  files.WriteTo(folder, out);
}

void Build(const std::string& definition, const std::string& package, std::ostream& out) {
  TskCompressedStoredSkin stored;
  if (!stored.BuildFromDefinitionFile(definition)) {
    throw FormatError("\"" + definition +
                      "\" lacks one of the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS "
                      "and SKINCONTROLS");
  }
  SilentNotifier notifier;
  TskSkinData check(nullptr, notifier);
  check.LoadPackage(stored);
  Bytes bytes = stored.PackageStream();
  WriteFileBytes(package, bytes);
  out << "wrote " << package << ": " << bytes.size() << " bytes, " << check.ActivePictures().size()
      << " active pictures, " << check.SkinObjects().size() << " objects, "
      << check.SkinControls().size() << " controls\n";
}

}  // namespace

int RunSkinCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 3 || (args[0] != "unpack" && args[0] != "build")) {
    err << kUsage;
    return 2;
  }
  try {
    if (args[0] == "unpack") {
      Unpack(args[1], args[2], out);
    } else {
      Build(args[1], args[2], out);
    }
    return 0;
  } catch (const Error& e) {
    err << "skin " << args[0] << ": " << e.what() << "\n";
    return 1;
  }
}

}  // namespace vl
