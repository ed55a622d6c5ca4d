#include "app/unit_set_win.h"

#include "app/unit_set.h"
#include "app/window_skin_win.h"
#include "search/locations.h"
#include "search/text_list.h"

namespace vl {
namespace {

constexpr std::string_view kSaved = "Successfully saved\xEF\xBC\x81";
constexpr std::string_view kShownCut =
    "Parts of the root list are not shown: it has lines longer than 1024 characters or more "
    "than 32767 characters in all. Save writes what is shown.";

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

void TFrmSet::FormShow() {
  // A root list that cannot be read is reported, and the window still opens on the editor's
  // previous text.
  try {
    LoadEditor();
  } catch (const std::exception& error) {
    Application().HandleException(error);
  }
}

void TFrmSet::LoadEditor() {
  const std::string file = RootListFileName(app_dir_);
  if (!FileExists(file)) {
    FillWithLogicalDrives();
    return;
  }
  const EditorText shown =
      EditorTextFromFile(SystemFileSystem().ReadWholeFile(file), SystemLeadBytes());
  mmoList->SetText(shown.text);
  if (shown.cut) dialogs_.Inform(kShownCut);
}

void TFrmSet::FillWithLogicalDrives() {
  mmoList->SetText(DrivesText(GetLogicalDrives()));
}

void TFrmSet::btnSaveClick() {
  SystemFileSystem().ReplaceWholeFile(RootListFileName(app_dir_), mmoList->Text());
  dialogs_.Inform(kSaved);
}

}  // namespace vl
