// TPrintWndDlg: the toolbar's drop-down menus (PopupMenu1) and the list's
// context menu (PopupMenu2).

#include "main/WndCloseUnit.h"

namespace vistrel {

namespace {

struct ItemSpec {
    tk::MenuItem& item;
    const char* caption;
    const char* hint;
    int image;
    int tag;
};

void Describe(const ItemSpec& spec) {
    spec.item.Caption = spec.caption;
    spec.item.Hint = spec.hint;
    spec.item.ImageIndex = spec.image;
    spec.item.Tag = spec.tag;
}

constexpr int kNone = -1;

}  // namespace

void TPrintWndDlg::CreateMenus() {
    const ItemSpec first[] = {
        {N1, "", "全て選択", 4, 3},
        {Window1, "ウィンドウ", "", 0, 1},
        {N3, "アイコン", "最小化したウィンドウを選択", 5, 2},
        {SortMenu, "", "Sort|ウィンドウの名前でソート", 19, 0},
        {N8, "クリッピング", "設定の有無でソート", 13, 1},
        {ON2, "自動更新", "", 18, 2},
        {ProgramSortMenu, "プログラム", "プログラムのファイル名でソート", kNone, 3},
    };
    for (const ItemSpec& spec : first) Describe(spec);
    N1.Items = {&Window1, &N3};
    SortMenu.Items = {&N8, &ON2, &ProgramSortMenu};
    PopupMenu1.Images = &ImageList2;
    PopupMenu1.Items = {&N1, &SortMenu};

    const ItemSpec second[] = {
        {TopWndMenu, "最前面", "", 7, 0},
        {Close1, "閉じる", "選択したアプリケーションを終了する", 2, 2},
        {N2, "-", "", kNone, 0},
        {N4, "クリッピング", "更新表示する領域の指定と解除", 13, 0},
        {Clip1, "設定", "", kNone, 0},
        {N5, "解除", "", kNone, 0},
        {N10, "-", "", kNone, 0},
        {TrimDataMenu, "クリッピングデータ", "", 25, 0},
        {TrimSaveMenu, "エクスポート(&S)", "save", kNone, 0},
        {TrmInpotMenu, "インポート(&L)", "read", kNone, 1},
        {TrimingOnMenu, "クリッピングの一覧", "", 26, 0},
        {N11, "-", "", kNone, 0},
        {AutoUpdateMenu, "自動更新", "", 18, 0},
        {ON1, "オン", "", 14, 0},
        {OFF1, "オフ", "", 15, 0},
        {N9, "ウィンドウを除外する", "", 23, 0},
        {N7, "-", "", kNone, 0},
        {Copy1, "コピー", "クリップボードに送る", 27, 0},
        {N6, "表示サイズ", "", 27, 0},
        {N13, "実寸サイズ", "", 27, 0},
        {GrpSaveMenu, "画像の保存", "ファイルに保存する", 25, 0},
        {N12, "表示サイズ", "", 25, 0},
        {N14, "実寸サイズ", "", 25, 0},
        {N15, "-", "", kNone, 0},
        {ClipMenu, "自動でクリッピング表示", "", 17, 0},
        {N16, "-", "", kNone, 0},
        {HotKeyMenu, "ホットキー...", "ホットキー|どこからでも Vistrel を呼び出すキーを設定する", kNone, 0},
    };
    for (const ItemSpec& spec : second) Describe(spec);
    ClipMenu.Checked = true;
    N4.Items = {&Clip1, &N5, &N10};  // the ten clipping choices follow at FormCreate
    TrimDataMenu.Items = {&TrimSaveMenu, &TrmInpotMenu};
    AutoUpdateMenu.Items = {&ON1, &OFF1};
    Copy1.Items = {&N6, &N13};
    GrpSaveMenu.Items = {&N12, &N14};
    PopupMenu2.Images = &ImageList2;
    PopupMenu2.Items = {&TopWndMenu, &Close1, &N2, &N4, &TrimDataMenu, &TrimingOnMenu, &N11,
                        &AutoUpdateMenu, &N9, &N7, &Copy1, &GrpSaveMenu, &N15, &ClipMenu,
                        &N16, &HotKeyMenu};
    for (tk::PopupMenu* menu : {&PopupMenu1, &PopupMenu2})
        for (tk::MenuItem* item : menu->Items) OwnerDrawMenuItem(*item);

    N9.OnClick = [this](tk::Component& sender) { N9Click(sender); };
    Close1.OnClick = [this](tk::Component& sender) { ToolButton3Click(sender); };
    for (tk::MenuItem* item : {&Window1, &N3})
        item->OnClick = [this](tk::Component& sender) { ToolButton2Click(sender); };
    TopWndMenu.OnClick = [this](tk::Component& sender) { TopWndMenuClick(sender); };
    PopupMenu2.OnPopup = [this](tk::Component&) { PopupMenu2Popup(); };
    N6.OnClick = [this](tk::Component&) { N6Click(PictureScale::Shown); };
    N13.OnClick = [this](tk::Component&) { N6Click(PictureScale::Actual); };
    N12.OnClick = [this](tk::Component&) { N12Click(PictureScale::Shown); };
    N14.OnClick = [this](tk::Component&) { N12Click(PictureScale::Actual); };
    Clip1.OnClick = [this](tk::Component& sender) { Clip1Click(sender); };
    TrimingOnMenu.OnClick = [this](tk::Component& sender) { TrimingOnMenuClick(sender); };
    N5.OnClick = [this](tk::Component& sender) { N5Click(sender); };
    ClipMenu.OnClick = [this](tk::Component& sender) { ClipMenuClick(sender); };
    HotKeyMenu.OnClick = [this](tk::Component&) { HotKeyMenuClick(); };
    for (tk::MenuItem* item : {&TrimSaveMenu, &TrmInpotMenu})
        item->OnClick = [this](tk::Component& sender) { TrimSaveMenuClick(sender); };
    SaveDialog1.Filter = "ビットマップ|*.bmp|JPEG|*.jpg;*jpeg";
    SaveDialog1.FilterIndex = 1;
}

void TPrintWndDlg::CreateClipChoiceItems() {
    for (int n = 0; n < clipSlotCount_; ++n) {
        tk::MenuItem& item = N4.AddChild(ids::ClipChoice0 + n);
        item.Caption = "Clip (&" + std::to_string(n) + ")";
        item.Tag = n;
        item.OnClick = [this](tk::Component& sender) { ClipChoiceClick(sender); };
        OwnerDrawMenuItem(item);
    }
}

}  // namespace vistrel
