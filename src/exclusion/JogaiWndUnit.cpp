#include "exclusion/JogaiWndUnit.h"

#include "common/DpiScale.h"
#include "common/Utf16.h"
#include "common/PixelTint.h"
#include "platform/Shell.h"
#include "platform/VersionInfo.h"

namespace vistrel {

namespace {

using tk::Bounds;

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kClientWidth = 377;
constexpr int kClientHeight = 286;
constexpr int kItemHeight = 35;
constexpr int kIconSize = 32;
constexpr int kDeleteGlyph = 24;

}  // namespace

TJogaiDlg::TJogaiDlg(ExclusionList& list, tk::Form& owner, tk::ImageList& glyphs, bool highColour)
    : list_(list), draft_(list.Lines()), highColour_(highColour) {
    CreateForm("TJogaiDlg", "除外リスト",
               tk::CentredClientPlace(kClientWidth, kClientHeight, kStyle, kExStyle, owner.Handle()),
               kStyle, kExStyle, owner.Handle());
    SetFont(ScaledFont("ＭＳ Ｐゴシック", -12));

    Edit1.SetReadOnly(true);  // shows the clicked path; nothing reads it back
    Edit1.Create(this, ids::JogaiEdit1, Scaled(2, 0, 374, 20));
    ListBox1.Create(this, ids::JogaiListBox1, Scaled(1, 24, 375, 217), Scale(kItemHeight),
                    tk::ListBoxStyle::OwnerDrawFixed, true);
    ListBox1.SetFontColor(kEntryFontColour);
    ListBox1.OnClick = [this](tk::Component&) { ListBox1Click(); };
    ListBox1.OnDrawItem = [this](tk::ListBox&, int index, const RECT& rect, bool selected) {
        ListBox1DrawItem(index, rect, selected);
    };
    ListBox1.ContextMenu = &PopupMenu1;
    OKBtn.Create(this, IDOK, Scaled(111, 255, 75, 25), "OK", true);
    OKBtn.ModalResult = tk::mrOk;
    OKBtn.OnClick = [this](tk::Component&) { OKBtnClick(); };
    CancelBtn.Create(this, IDCANCEL, Scaled(191, 255, 75, 25), "キャンセル", false, true);
    CancelBtn.ModalResult = tk::mrCancel;

    Delete1.Caption = "削除";
    Delete1.Hint = "除外リストから削除する";
    Delete1.ImageIndex = kDeleteGlyph;
    Delete1.OnClick = [this](tk::Component&) { Delete1Click(); };
    PopupMenu1.Images = &glyphs;
    PopupMenu1.Items = {&Delete1};
    PopupMenu1.OnPopup = [this](tk::Component&) { PopupMenu1Popup(); };

    const platform::VersionInfoApi versions = platform::VersionInfoApi::Load();
    for (const std::u16string& line : draft_.Lines()) {
        // An empty line names no file: asked about "", the shell answers with
        // the icon of a folder.
        if (line.empty())
            programs_.emplace_back();
        else
            programs_.push_back({versions.ProductName(line), std::u16string(FileNamePart(line)),
                                 platform::GetFileIcon(line, false)});
        ListBox1.Add(line);
    }
    iconPicture_.SetSize(Scale(kIconSize), Scale(kIconSize));
    OnShow = [this](tk::Component&) { ListBox1.SetFocus(); };
}

void TJogaiDlg::OKBtnClick() { list_.Replace(draft_.Lines()); }

void TJogaiDlg::PopupMenu1Popup() {
    // Offered while there are lines, whether or not one is selected.
    Delete1.Enabled = ListBox1.Count() > 0;
}

void TJogaiDlg::Delete1Click() {
    for (const int index : draft_.DeleteSelected(ListBox1.Selection())) {
        ListBox1.Delete(index);
        programs_.erase(programs_.begin() + index);
    }
    Edit1.SetText(std::string());
}

void TJogaiDlg::ListBox1Click() {
    const int index = ListBox1.ItemIndex();
    Edit1.SetText(index >= 0 && index < draft_.Count() ? draft_.Lines()[static_cast<size_t>(index)]
                                                       : std::u16string());
}

void TJogaiDlg::ListBox1DrawItem(int index, const RECT& rect, bool selected) {
    if (index < 0 || index >= static_cast<int>(programs_.size())) return;
    const Program& program = programs_[static_cast<size_t>(index)];
    const EntryLook look = LookOfEntry(selected, highColour_);
    tk::Canvas& canvas = ListBox1.GetCanvas();
    if (look.pen) canvas.SetPenColor(*look.pen);
    canvas.Rectangle(rect);

    // The icon on the entry's background, tinted with it when selected.
    tk::Canvas& icon = iconPicture_.GetCanvas();
    icon.SetBrushColor(canvas.BrushColor());
    const int iconSize = Scale(kIconSize);
    icon.FillRect({0, 0, iconSize, iconSize});
    icon.DrawIcon(0, 0, program.icon.get(), iconSize, iconSize);
    if (look.tinted)
        TintPixels(iconPicture_.Bits(), iconSize, iconSize, iconPicture_.Stride(), kNavyTint, kEntryTintWeight);
    canvas.Draw(rect.left + Scale(2), rect.top + Scale(2), iconPicture_);

    if (look.nameColour) canvas.SetFontColor(*look.nameColour);
    canvas.TextOut(rect.left + Scale(38), rect.top + Scale(5), program.productName);
    if (look.fileColour) canvas.SetFontColor(*look.fileColour);
    canvas.TextOut(rect.left + Scale(38), rect.top + Scale(20), program.fileName);
}

}  // namespace vistrel
