#include "app/unit_set_win.h"

#include "app/unit_set.h"
#include "app/window_skin_win.h"
#include "framework/errors.h"
#include "search/file_errors.h"
#include "search/locations.h"
#include "search/text_list.h"

namespace vl {
namespace {

constexpr std::string_view kSaved = "Successfully saved\xEF\xBC\x81";
constexpr std::string_view kTooLarge =
    "It is too large for this editor (more than 2 MB, or a line longer than any folder path). "
    "It is left as it is; edit it in a text editor";

TskSkinButton* MakeButton(TFrmSet* form, const char* name, const char* caption, int top) {
  auto* button = new TskSkinButton(form);
  button->SetName(name);
  button->SetCaption(caption);
  button->SetSpacing(1);
  button->SetBounds(272, top, 75, 25);
  button->SetParent(form);
  return button;
}

}  // namespace

TFrmSet::TFrmSet(TComponent* owner, std::string app_directory)
    : TForm(owner), app_dir_(std::move(app_directory)) {
  SetName("FrmSet");
  SetCaption("Settings");
  Font().Assign(TFont("Tahoma", -11));
  SetPosition(TPosition::poMainFormCenter);
  SetClientSize(420, 305);

  pnl1 = new TskSkinPanel(this);
  pnl1->SetName("pnl1");
  pnl1->SetCaption("pnl1");
  pnl1->SetBounds(0, 0, 185, 305);
  pnl1->SetAlign(TAlign::alLeft);
  pnl1->SetParent(this);

  lbl1 = new TskSkinLabel(this);
  lbl1->SetName("lbl1");
  lbl1->SetCaption("Search Path");
  lbl1->SetAlignment(TAlignment::taCenter);
  lbl1->SetBounds(0, 0, 183, 39);
  lbl1->SetAlign(TAlign::alTop);
  lbl1->SetAutoSize(true);
  lbl1->SetParent(pnl1);

  mmoList = new TskSkinMemo(this);
  mmoList->SetName("mmoList");
  mmoList->SetBounds(0, 0, 183, 264);
  mmoList->SetAlign(TAlign::alBottom);
  mmoList->SetParent(pnl1);

  btnSave = MakeButton(this, "btnSave", "Save", 32);
  btnclose = MakeButton(this, "btnclose", "Close", 112);
  btnSave->OnClick = [this] { btnSaveClick(); };
  btnclose->OnClick = [this] { btncloseClick(); };
  LoadCarriedSkin(*this, skCompressedSkinList1, skSkinData1);
  AttachSkinData(skSkinData1, {lbl1, mmoList, btnSave, btnclose});
  // The frame hands the skin's changes to the controls from now on.
  skSkinForm1 = new TskSkinForm(this);
  skSkinForm1->SetName("skSkinForm1");
  skSkinForm1->SetBorderIcons({true, true, true, false, false});
  skSkinForm1->SetSkinData(skSkinData1);
  DoCreate();
}

void TFrmSet::ShowRestored() {
  if (skSkinForm1->WindowState() == TskWindowState::wsMinimized) {
    skSkinForm1->SetWindowState(TskWindowState::wsNormal);
  }
  Show();
}

void TFrmSet::FormShow() {
  // A root list that cannot be read is reported, and the window still opens on the editor's
  // previous text. One too large for the editor keeps the window closed: a Save of anything
  // shown instead would replace it.
  std::optional<EditorText> shown;
  try {
    shown = ReadRootList();
  } catch (const std::exception& error) {
    Application().HandleException(error);
    return;
  }
  if (!shown) {
    FillWithLogicalDrives();
    return;
  }
  const EditorFit fit = FitOf(*shown);
  if (fit == EditorFit::kTooLarge) {
    throw FileError(CannotOpenFileText(RootListFileName(app_dir_), kTooLarge));
  }
  ShowInEditor(shown->text, fit == EditorFit::kWrapped);
}

void TFrmSet::ShowInEditor(const std::string& text, bool wrapped) {
  // A change of wrapping re-creates the editor with its text: the old one goes first.
  mmoList->SetText("");
  mmoList->SetWordWrap(wrapped);
  mmoList->SetText(text);
}

std::optional<EditorText> TFrmSet::ReadRootList() const {
  const std::string file = RootListFileName(app_dir_);
  if (!FileExists(file)) return std::nullopt;
  FileSystem& files = SystemFileSystem();
  return EditorTextFromFile(ReadableText(files.ReadWholeFile(file), files), SystemLeadBytes());
}

void TFrmSet::FillWithLogicalDrives() {
  ShowInEditor(DrivesText(GetLogicalDrives()), true);
}

void TFrmSet::btnSaveClick() {
  SystemFileSystem().ReplaceWholeFile(RootListFileName(app_dir_), mmoList->Text());
  dialogs_.Inform(kSaved);
}

}  // namespace vl
