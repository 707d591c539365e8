#include "clipping/TrimViewUnit.h"

#include <algorithm>
#include <string>

#include "clipping/TrimViewIds.h"
#include "common/SaveNaming.h"
#include "platform/Text.h"
#include "toolkit/Application.h"
#include "toolkit/Clipboard.h"
#include "toolkit/Colours.h"
#include "toolkit/PictureFiles.h"

namespace vistrel {

namespace {

constexpr int kFormWidth = 542;
constexpr int kFormHeight = 453;
constexpr int kMinimumSize = 200;
constexpr int kPanelWidth = 81;
constexpr int kDragThreshold = 16;
constexpr int kDefaultColumns = 3;
constexpr int kMaxColumns = 16;
constexpr int kDefaultZoom = 100;
constexpr int kMinimumInterval = 100;
constexpr int kMaximumInterval = 1500;
constexpr int kOnTopGlyph = 7;
constexpr COLORREF kEmptyCell = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kCellBackground = RGB(230, 242, 255);
constexpr COLORREF kCellBorder = RGB(0x80, 0x80, 0x80);
constexpr const char* kSaveFilter = "ビットマップ|*.bmp|JPEG|*.jpg;*jpeg";

using tk::Bounds;

}  // namespace

TTrimViewDlg::TTrimViewDlg(TrimViewHost& host, HWND mainWindow) : host_(host), rows_(host.RegionRows()) {
    // No owner: the desktop is the parent, so the form has no taskbar button
    // and floats above the windows whose regions it shows. It takes the place
    // of the main window, on the main window's monitor.
    CreateForm("TTrimViewDlg", "クリッピングの一覧", tk::CentredPlace(kFormWidth, kFormHeight, mainWindow),
               WS_OVERLAPPEDWINDOW, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    SetMinSize(kMinimumSize, kMinimumSize);
    SetFont(ScaledFont("ＭＳ Ｐゴシック", -12));

    const SIZE pictureSize = host_.PictureSize();
    ImageList1.SetSize(pictureSize.cx, pictureSize.cy);
    CreateControls();
    CreateMenu();

    savedInterval_ = host_.CaptureInterval();
    Timer1.SetEnabled(false);
    Timer1.SetInterval(savedInterval_);
    Timer1.OnTimer = [this](tk::Component&) { Timer1Timer(); };
    NewTrackBar1.SetPosition(std::clamp(savedInterval_, kMinimumInterval, kMaximumInterval));
    NewTrackBar1Change();

    OnShow = [this](tk::Component&) { FormShow(); };
    OnClose = [this](tk::Component&) { FormClose(); };
    OnResize = [this](tk::Component&) { FormResize(); };
    Realign();
    FormResize();
    NumberEdit1Change();
}

TTrimViewDlg::~TTrimViewDlg() { Timer1.SetEnabled(false); }

void TTrimViewDlg::CreateControls() {
    Panel1.Create(this, ids::TrimViewPanel1, Bounds(0, 0, Scale(kPanelWidth), ClientHeight()),
                  GetSysColor(COLOR_BTNFACE));
    Panel1.SetAlign(tk::Align::Right);
    StringGrid1.Create(this, ids::TrimViewGrid, Bounds(0, 0, ClientWidth() - Scale(kPanelWidth), ClientHeight()));
    StringGrid1.SetAlign(tk::Align::Client);
    StringGrid1.SetOptions(tk::goFixedVertLine | tk::goFixedHorzLine | tk::goRangeSelect);
    StringGrid1.SetGridLineWidth(0);
    StringGrid1.SetColCount(3);
    StringGrid1.SetRowCount(3);
    StringGrid1.OnDrawCell = [this](tk::Component&, int col, int row, const RECT& rect, tk::GridDrawState state) {
        StringGrid1DrawCell(col, row, rect, state);
    };
    StringGrid1.OnMouseDown = [this](tk::Component&, const tk::MouseInfo& m) { StringGrid1MouseDown(m); };
    StringGrid1.OnDragOver = [this](tk::Component&, tk::Component& source, int x, int y, bool& accept) {
        StringGrid1DragOver(source, x, y, accept);
    };
    StringGrid1.OnDragDrop = [this](tk::Component&, tk::Component&, int x, int y) { StringGrid1DragDrop(x, y); };
    StringGrid1.OnDblClick = [this](tk::Component&) { StringGrid1DblClick(); };

    SpeedButton1.Create(&Panel1, ids::TrimViewSpeedButton1, Scaled(8, 8, 25, 25), "", true);
    speedButtonGlyph_ = host_.Glyphs().GetIcon(kOnTopGlyph);
    SpeedButton1.SetGlyph(speedButtonGlyph_.get());
    SpeedButton1.Hint = "最前面表示";
    AddTooltip(SpeedButton1);

    Label1.Create(&Panel1, ids::TrimViewLabel1, Scaled(8, 42, 65, 16), "列の個数");
    Label1.SetParentColor(true);
    NumberEdit1.SetReadOnly(true);
    NumberEdit1.Create(&Panel1, ids::TrimViewNumberEdit1, Scaled(8, 60, 48, 21), std::to_string(kDefaultColumns));
    UpDown1.Create(&Panel1, ids::TrimViewUpDown1, Scaled(56, 60, 16, 21));
    UpDown1.SetAssociate(&NumberEdit1);
    UpDown1.SetMin(1);
    UpDown1.SetMax(kMaxColumns);
    UpDown1.SetWrap(false);
    UpDown1.SetPosition(kDefaultColumns);
    UpDown1.OnChange = [this](tk::Component&) { NumberEdit1Change(); };

    Label2.Create(&Panel1, ids::TrimViewLabel2, Scaled(8, 90, 65, 16), "拡大縮小");
    Label2.SetParentColor(true);
    SizeSetTrackBar.Create(&Panel1, ids::TrimViewSizeSetTrackBar, Scaled(0, 106, kPanelWidth, 28));
    SizeSetTrackBar.SetBarStyle(styLine);
    SizeSetTrackBar.SetMin(20);
    SizeSetTrackBar.SetMax(300);
    SizeSetTrackBar.SetPosition(kDefaultZoom);
    SizeSetTrackBar.SetFrequency(30);
    SizeSetTrackBar.OnChange = [this](tk::Component&) { SizeSetTrackBarChange(); };
    SizeSetTrackBar.OnMouseUp = [this](tk::Component&, const tk::MouseInfo&) { SizeSetTrackBarMouseUp(); };

    Label3.Create(&Panel1, ids::TrimViewLabel3, Scaled(8, 140, 65, 16), "更新間隔");
    Label3.SetParentColor(true);
    NewTrackBar1.Create(&Panel1, ids::TrimViewNewTrackBar1, Scaled(0, 156, kPanelWidth, 28));
    NewTrackBar1.SetBarStyle(styLine);
    NewTrackBar1.SetMin(kMinimumInterval);
    NewTrackBar1.SetMax(kMaximumInterval);
    NewTrackBar1.SetPosition(1000);
    NewTrackBar1.SetFrequency(200);
    NewTrackBar1.OnChange = [this](tk::Component&) { NewTrackBar1Change(); };
    Label4.Create(&Panel1, ids::TrimViewLabel4, Scaled(0, 186, kPanelWidth, 16), "0", tk::TextAlign::Center);
    Label4.SetParentColor(true);

    Label5.Create(&Panel1, ids::TrimViewLabel5, Scaled(8, 208, 65, 16), "CPU");
    Label5.SetParentColor(true);
    ColorProgressBar1.Create(&Panel1, ids::TrimViewColorProgressBar1, Scaled(8, 226, 63, 33));
    ColorProgressBar1.SetMax(100);
    ColorProgressBar1.SetLineColor(tk::clGray);
    ColorProgressBar1.SetTextSwitch(true);
    ColorProgressBar1.SetFlat(true);

    StopSpBtn.Create(&Panel1, ids::TrimViewStopSpBtn, Scaled(8, 268, 63, 25), "Stop", true);
    StopSpBtn.Hint = "一時停止";
    AddTooltip(StopSpBtn);
    StopSpBtn.OnClick = [this](tk::Component&) { StopSpBtnClick(); };

    Button1.Create(&Panel1, ids::TrimViewButton1, Scaled(8, 400, 63, 25), "閉じる");
    Button1.ModalResult = tk::mrOk;
}

void TTrimViewDlg::CreateMenu() {
    auto item = [](tk::MenuItem& menuItem, const char* caption, int image, std::function<void()> click) {
        menuItem.Caption = caption;
        menuItem.ImageIndex = image;
        if (click) menuItem.OnClick = [click](tk::Component&) { click(); };
    };
    item(Copy1, "コピー", 27, [this] { Copy1Click(); });
    item(Save1, "保存", 25, [this] { Save1Click(); });
    item(N1, "-", -1, nullptr);
    item(DeleteMenu, "削除", 24, [this] { DeleteMenuClick(); });
    PopupMenu1.Images = const_cast<tk::ImageList*>(&host_.Glyphs());
    PopupMenu1.Items = {&Copy1, &Save1, &N1, &DeleteMenu};
    PopupMenu1.OnPopup = [this](tk::Component&) { PopupMenu1Popup(); };
    SaveDialog1.Filter = kSaveFilter;
}

// --- The pictures -------------------------------------------------------------

void TTrimViewDlg::Append(tk::Bitmap& picture) { ImageList1.Add(picture); }

void TTrimViewDlg::Overwrite(int index, tk::Bitmap& picture) { ImageList1.Replace(index, picture); }

void TTrimViewDlg::Rearrange(const std::vector<int>& from) {
    ImageList1.Rearrange(from);
    StringGrid1.Repaint();
}

const tk::Bitmap* TTrimViewDlg::PictureOfRow(int row) const {
    // Before the first capture cycle, or after the rows were built anew, a
    // row's picture may not exist yet.
    if (row < 0 || row >= RowCount()) return nullptr;
    return ImageList1.Picture(rows_[row].pictureIndex);
}

// --- Form events ---------------------------------------------------------------

void TTrimViewDlg::FormShow() {
    ApplyCellSize();
    Timer1.SetEnabled(true);
}

void TTrimViewDlg::FormClose() {
    Timer1.SetEnabled(false);
    host_.SetCaptureInterval(savedInterval_);
    if (StopSpBtn.Checked()) host_.SetAutoUpdating(true);
}

void TTrimViewDlg::FormResize() {
    Button1.SetBounds(Button1.Left(), Panel1.Height() - Button1.Height() - Scale(10), Button1.Width(),
                      Button1.Height());
}

LRESULT TTrimViewDlg::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ACTIVATE) {
        // On top while in use; behind everything once another window is
        // chosen, unless pinned. SWP_NOACTIVATE: moving to the bottom must
        // not take the activation back from the window the user chose.
        if (LOWORD(wParam) != WA_INACTIVE)
            SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        else if (!SpeedButton1.Checked())
            SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return 0;
    }
    return tk::Form::WndProc(message, wParam, lParam);
}

// --- Layout --------------------------------------------------------------------

void TTrimViewDlg::NumberEdit1Change() {
    LayOut(UpDown1.Position());
    StringGrid1.Repaint();
}

void TTrimViewDlg::LayOut(int columns) {
    const GridShape shape = LayOutRegions(RowCount(), columns);
    if (shape.columns == 0) return;
    StringGrid1.SetColCount(shape.columns);
    StringGrid1.SetRowCount(shape.rows);
    ApplyCellSize();
    ShortenEmptyLastRow();
}

void TTrimViewDlg::ApplyCellSize() {
    const CellSize cell = ZoomedCell(ImageList1.Width(), ImageList1.Height(), SizeSetTrackBar.Position());
    StringGrid1.SetDefaultColWidth(cell.width);
    StringGrid1.SetDefaultRowHeight(cell.height);
    cellPicture_.SetSize(cell.width, cell.height);
    StringGrid1.Repaint();
}

void TTrimViewDlg::ShortenEmptyLastRow() {
    if (LayOutRegions(RowCount(), StringGrid1.ColCount()).lastRowEmpty)
        StringGrid1.SetRowHeight(StringGrid1.RowCount() - 1, Scale(kEmptyLastRowHeight));
}

void TTrimViewDlg::SizeSetTrackBarChange() { ApplyCellSize(); }

void TTrimViewDlg::SizeSetTrackBarMouseUp() { ShortenEmptyLastRow(); }

void TTrimViewDlg::NewTrackBar1Change() {
    const int interval = NewTrackBar1.Position();
    Timer1.SetInterval(interval);
    host_.SetCaptureInterval(interval);
    Label4.SetCaption(std::to_string(interval) + "ms");
}

void TTrimViewDlg::Timer1Timer() {
    StringGrid1.Repaint();
    ColorProgressBar1.SetPosition(host_.CpuValue());
    ColorProgressBar1.SetBarColor(host_.CpuColour());
    if (host_.TakeRegionsChanged()) LayOut(UpDown1.Position());
}

// --- The grid ------------------------------------------------------------------

int TTrimViewDlg::RowAtPoint(int x, int y) const {
    int col = -1, row = -1;
    StringGrid1.MouseToCell(x, y, col, row);
    return RegionAt(col, row, StringGrid1.ColCount(), RowCount());
}

int TTrimViewDlg::CurrentRow() const {
    return RegionAt(StringGrid1.Col(), StringGrid1.Row(), StringGrid1.ColCount(), RowCount());
}

void TTrimViewDlg::StringGrid1DrawCell(int col, int row, const RECT& rect, tk::GridDrawState state) {
    tk::Canvas& grid = StringGrid1.GetCanvas();
    const int index = RegionAt(col, row, StringGrid1.ColCount(), RowCount());
    if (index < 0) {
        grid.SetBrushColor(kEmptyCell);
        grid.FillRect(rect);
        return;
    }
    const int width = cellPicture_.Width();
    const int height = cellPicture_.Height();
    tk::Canvas& cell = cellPicture_.GetCanvas();
    cell.SetBrushColor(kCellBackground);
    cell.SetPenColor(kCellBorder);
    cell.Rectangle({0, 0, width, height});
    if (const tk::Bitmap* picture = PictureOfRow(index)) {
        cell.SetStretchMode(COLORONCOLOR);
        cell.StretchBltFrom(picture->Dc(), {0, 0, picture->Width(), picture->Height()}, {1, 1, width - 1, height - 1});
    }
    if (state.selected)
        TintPixels(cellPicture_.Bits(), width, height, cellPicture_.Stride(), kSelectedTint, kSelectedTintWeight);
    grid.CopyFrom(cellPicture_.Dc(), {rect.left, rect.top, rect.left + width, rect.top + height}, {0, 0});
}

void TTrimViewDlg::StringGrid1MouseDown(const tk::MouseInfo& mouse) {
    pressPoint_ = {mouse.x, mouse.y};
    if (mouse.button == tk::MouseButton::Right) {
        POINT screen = pressPoint_;
        ClientToScreen(StringGrid1.Handle(), &screen);
        PopupMenu1.Popup(Handle(), screen.x, screen.y);
    } else {
        StringGrid1.BeginDrag(false, Scale(kDragThreshold));
    }
    if (RowAtPoint(pressPoint_.x, pressPoint_.y) < 0) {
        // The bottom-right cell never holds a region: nothing looks selected.
        const int lastCol = StringGrid1.ColCount() - 1;
        const int lastRow = StringGrid1.RowCount() - 1;
        StringGrid1.SetSelection({lastCol, lastRow, lastCol, lastRow});
    }
}

void TTrimViewDlg::StringGrid1DragOver(tk::Component& source, int x, int y, bool& accept) {
    accept = &source == &StringGrid1 &&
             DropAllowed(RowAtPoint(pressPoint_.x, pressPoint_.y), RowAtPoint(x, y));
}

void TTrimViewDlg::StringGrid1DragDrop(int x, int y) {
    // Asked again now: a rebuild during the drag may have shortened the rows.
    const int from = RowAtPoint(pressPoint_.x, pressPoint_.y);
    const int to = RowAtPoint(x, y);
    if (!DropAllowed(from, to)) return;
    if (MoveRow(rows_, from, to)) StringGrid1.Repaint();
}

void TTrimViewDlg::StringGrid1DblClick() {
    StringGrid1.CancelDrag();
    const int row = CurrentRow();
    if (row >= 0) host_.ActivateRegionWindow(rows_[row]);
}

void TTrimViewDlg::PopupMenu1Popup() { DeleteMenu.Enabled = RowCount() > 0; }

void TTrimViewDlg::Copy1Click() {
    if (const tk::Bitmap* picture = PictureOfRow(CurrentRow())) tk::CopyBitmapToClipboard(Handle(), *picture);
}

void TTrimViewDlg::Save1Click() {
    if (CurrentRow() < 0) return;
    if (!SaveDialog1.Execute(Handle())) return;
    const std::u16string name = ForceExtension(SaveDialog1.FileName, SaveExtension(SaveDialog1.FilterIndex));
    // The rows may have changed while the dialog was open: the current row
    // is asked for again.
    const tk::Bitmap* shown = PictureOfRow(CurrentRow());
    if (!shown) return;
    tk::Bitmap picture(shown->Width(), shown->Height());
    picture.GetCanvas().Draw(0, 0, *shown);
    if (!tk::SavePictureFile(name, SaveDialog1.FilterIndex == 1, picture))
        throw tk::WideError(CannotWriteMessage(name));
}

void TTrimViewDlg::DeleteMenuClick() {
    const int row = CurrentRow();
    if (row < 0) return;
    Timer1.SetEnabled(false);
    const int removed = rows_[row].pictureIndex;
    host_.HideRegion(rows_[row]);
    DeleteRow(rows_, row);
    // Its picture goes with it at once, the later ones one place down with
    // their rows: the passes may be stopped.
    std::vector<int> from;
    for (int k = 0; k < ImageList1.Count(); ++k)
        if (k != removed) from.push_back(k);
    ImageList1.Rearrange(from);
    LayOut(UpDown1.Position());
    StringGrid1.Repaint();
    Timer1.SetEnabled(true);
    deleted_ = true;
}

void TTrimViewDlg::StopSpBtnClick() { host_.SetAutoUpdating(!StopSpBtn.Checked()); }

}  // namespace vistrel
