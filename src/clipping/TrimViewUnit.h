#pragma once
// TTrimViewDlg: "クリッピングの一覧". Every clipped region of every listed
// window as a grid of live pictures, while the main window stays hidden.
// The main window's capture passes render the pictures into ImageList1
// (this form is their RegionSink); the grid repaints on this form's own
// timer. The rows and what they mean are RegionTable's and TrimViewLayout's.

#include <windows.h>

#include <vector>

#include "catalogue/ThumbnailRenderer.h"
#include "clipping/TrimViewHost.h"
#include "clipping/TrimViewIds.h"
#include "clipping/TrimViewLayout.h"
#include "controls/ColorProgressBar.h"
#include "controls/NewTrackBar.h"
#include "controls/NumberEdit.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/PictureList.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/StringGrid.h"
#include "toolkit/Timer.h"
#include "toolkit/UpDown.h"

namespace vistrel {

class TTrimViewDlg : public tk::Form, public RegionSink {
public:
    // Opens on the monitor of `mainWindow`, which it stands in for.
    TTrimViewDlg(TrimViewHost& host, HWND mainWindow);
    ~TTrimViewDlg() override;

    // A region was removed from the view since the form opened.
    bool Deleted() const { return deleted_; }
    // The capture interval before the form opened, which its closing restores.
    int SavedInterval() const { return savedInterval_; }

    // RegionSink: the pictures the capture passes render.
    int Count() const override { return ImageList1.Count(); }
    int RegionTotal() const override { return host_.RegionTotal(); }
    void Append(tk::Bitmap& picture) override;
    void Overwrite(int index, tk::Bitmap& picture) override;
    void Rearrange(const std::vector<int>& from) override;
    int& Cursor() override { return host_.RegionCursor(); }

    tk::StringGrid StringGrid1;
    tk::Panel Panel1;
    tk::CheckBox SpeedButton1;
    tk::Label Label1;
    TNumberEdit NumberEdit1;
    tk::UpDown UpDown1;
    tk::Label Label2;
    TNewTrackBar SizeSetTrackBar;
    tk::Label Label3;
    TNewTrackBar NewTrackBar1;
    tk::Label Label4;
    tk::Label Label5;
    TColorProgressBar ColorProgressBar1;
    tk::CheckBox StopSpBtn;
    tk::Button Button1;
    tk::PictureList ImageList1;  // the region pictures, thumbnail size
    tk::Timer Timer1;
    tk::PopupMenu PopupMenu1;
    tk::MenuItem Copy1{ids::TrimViewCopy1};
    tk::MenuItem Save1{ids::TrimViewSave1};
    tk::MenuItem N1;
    tk::MenuItem DeleteMenu{ids::TrimViewDeleteMenu};
    tk::SaveDialog SaveDialog1;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void CreateMenu();

    void FormShow();
    void FormClose();
    void FormResize();
    void NumberEdit1Change();
    void SizeSetTrackBarChange();
    void SizeSetTrackBarMouseUp();
    void NewTrackBar1Change();
    void Timer1Timer();
    void StringGrid1DrawCell(int col, int row, const RECT& rect, tk::GridDrawState state);
    void StringGrid1MouseDown(const tk::MouseInfo& mouse);
    void StringGrid1DragOver(tk::Component& source, int x, int y, bool& accept);
    void StringGrid1DragDrop(int x, int y);
    void StringGrid1DblClick();
    void PopupMenu1Popup();
    void Copy1Click();
    void Save1Click();
    void DeleteMenuClick();
    void StopSpBtnClick();

    // The grid for `columns` columns, and the cells at the zoom of the bar.
    void LayOut(int columns);
    void ApplyCellSize();
    // The last row holds no picture when the count fills the rows: a sliver.
    void ShortenEmptyLastRow();
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The row under a client point of the grid, or -1.
    int RowAtPoint(int x, int y) const;
    // The row of the current cell, or -1.
    int CurrentRow() const;
    // Row `row`'s picture in ImageList1; null while it has none.
    const tk::Bitmap* PictureOfRow(int row) const;

    TrimViewHost& host_;
    std::vector<RegionRow>& rows_;
    POINT pressPoint_{};
    int savedInterval_ = 0;
    bool deleted_ = false;
    tk::Bitmap cellPicture_{tk::PixelFormat::Bgra32};
    tk::IconOwner speedButtonGlyph_;
};

}  // namespace vistrel
