#pragma once
// TPrintWndDlg: the main window. It owns everything for the program's whole
// run: the window catalogue and its list items, the thumbnail image list, the
// exclusion list, the settings and the worker threads. Three objects of its
// own carry the rules every handler follows:
//   CommandGate       one command at a time; a close, a refresh or a resize
//                     that arrives during one waits for its end
//   ClosingSequence   the state of closing and the one order of its steps
//   LayeredWindows    the translucency given to other windows, and given back
// Decisions are made in portable code (ItemChange, ThumbnailGeometry,
// WindowActions, ...); the handlers gather the facts and carry out the plan.
//
// The class is split by concern into companion files:
//   WndCloseUnit.cpp      construction, FormCreate, showing, closing, WndProc
//   WndCloseLayout.cpp    the controls and their placement
//   WndCloseMenus.cpp     both popup menus
//   WndCloseMenuDraw.cpp  their owner drawing
//   WndCloseSettings.cpp  registry settings and the data folder
//   WndCloseCatalogue.cpp refresh list and the commands on list items
//   WndCloseRefresh.cpp   the refresh command, the change tick, the passes
//   WndCloseThumbnails.cpp thumbnail pictures and their size
//   WndCloseCommands.cpp  what the command gate carries out later
//   WndCloseActions.cpp   the commands on the selected windows
//   WndClosePictures.cpp  copying and saving the windows' pictures
//   WndCloseClipping.cpp  the clipping commands and trm.ini
//   WndCloseAbout.cpp     the version box
//   WndCloseCpu.cpp       the CPU usage label and its sampling thread
//   WndCloseExclusion.cpp the exclusion list dialog
//   WndCloseTrimView.cpp  the clipping list window and what it asks of this one
//   WndCloseTranslucency.cpp the translucency commands, the interval dialog
//   WndCloseSort.cpp      sorting and the automatic-update marks
//   WndCloseRescue.cpp    the record of changes to other windows, a crash's rescue
//   WndCloseHotKey.cpp    the global hot key and its dialog

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/BackgroundWork.h"
#include "catalogue/ChangeJournal.h"
#include "catalogue/ChangeCheck.h"
#include "catalogue/ThumbnailList.h"
#include "catalogue/WindowEntry.h"
#include "clipping/CpuLevel.h"
#include "clipping/CpuThreadUnit.h"
#include "clipping/RegionTable.h"
#include "clipping/TrimViewHost.h"
#include "common/HotKeySetting.h"
#include "controls/AboutDialog.h"
#include "controls/NewTrackBar.h"
#include "controls/SwitchButton.h"
#include "exclusion/ExclusionList.h"
#include "exclusion/ListDat.h"
#include "main/ClosingSequence.h"
#include "main/ColourScheme.h"
#include "main/CommandGate.h"
#include "main/LayeredWindows.h"
#include "main/WindowActions.h"
#include "main/WndCloseIds.h"
#include "platform/Keyboard.h"
#include "platform/OptionalApis.h"
#include "platform/Text.h"
#include "toolkit/Bitmap.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/SaveDialog.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Timer.h"
#include "toolkit/ToolBar.h"

namespace vistrel {

class TTrimViewDlg;

// A picture as the list shows it, or the window at its real size.
enum class PictureScale { Shown, Actual };

// The clipping list window's rows, kept here while it is open.
struct RegionRowsState {
    std::vector<RegionRow> rows;
    int total = 0;
    int cursor = 0;   // the place of the next region in a pass
    bool changed = false;
};

class TPrintWndDlg : public tk::Form, private TrimViewHost {
public:
    TPrintWndDlg();
    ~TPrintWndDlg() override;

    // --- What the benchmarks reach -------------------------------------------
    tk::ListView& List() { return ListView1; }
    const tk::ListView& List() const { return ListView1; }
    tk::ImageList& Thumbnails() { return ImageList1; }
    WindowEntry* EntryOf(int item) const { return list_ ? list_->EntryOf(item) : nullptr; }
    SIZE PictureSize() const override;
    const tk::ImageList& Glyphs() const override { return ImageList2; }
    RenderOptions CurrentRenderOptions() const;
    // The operations the worker threads hand over.
    void RefreshList(const ListHold& held);
    // Refresh list as the change tick runs it, when the list is free.
    void RefreshListNow() {
        if (const auto held = gate_.Admit(CommandGate::Request::Refresh)) RefreshList(*held);
    }
    void ChangeTick();
    void RefreshThumbnail(HWND window, int item);
    void RedrawArrivedIcons(const ListHold& held);
    // One item of an automatic pass; whether it was captured.
    bool PassStep(int tick, int index);

    // In a crash: parked windows sent home, translucent ones made visible,
    // without waiting for anyone.
    void EmergencyRestore() noexcept;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // --- Controls, top to bottom -------------------------------------------
    tk::Panel Panel1;
    tk::ToolBar ToolBar1;
    tk::Panel Panel3;  // "Quillon", the first item of the toolbar
    tk::ToolButton ToolButton1{ids::ToolButton1};
    tk::ToolButton ToolButton2{ids::ToolButton2};
    tk::ToolButton ToolButton6;
    tk::ToolButton ToolButton3{ids::ToolButton3};
    tk::ToolButton ToolButton4{ids::ToolButton4};
    tk::ToolButton ToolButton5{ids::ToolButton5};
    tk::ToolButton ToolButton8;
    tk::ToolButton ToolButton7{ids::ToolButton7};
    tk::ToolButton ToolButton9{ids::ToolButton9};
    tk::ToolButton ToolButton10{ids::ToolButton10};
    tk::ToolButton ToolButton11;
    tk::ToolButton SortToolBtn{ids::SortToolBtn};
    tk::ToolButton ToolButton16{ids::ToolButton16};
    tk::ToolButton ToolButton17{ids::ToolButton17};
    tk::ToolButton ToolButton15;
    tk::ToolButton ToolButton18{ids::ToolButton18};
    tk::ToolButton ToolButton14{ids::ToolButton14};
    tk::ToolButton ToolButton12{ids::ToolButton12};
    tk::ToolButton ToolButton13{ids::ToolButton13};
    tk::Panel Panel2;
    tk::CheckBox CheckBox1;
    tk::CheckBox CheckBox2;
    tk::CheckBox AutoChkBox;
    tk::CheckBox HighQualityChkBox;
    tk::Panel Panel4;
    TNewTrackBar SizeSetTrackBar;
    tk::Label Label2;
    tk::Label Label1;
    TSwitchButton SwitchButton2;
    tk::Panel Panel5;
    tk::ListView ListView1;
    tk::StatusBar StatusBar1;

    // --- Non-visual components --------------------------------------------
    tk::ImageList ImageList1;  // thumbnails
    tk::ImageList ImageList2;  // 16 x 16 glyphs of the toolbar and menus
    tk::Timer Timer1;
    tk::SaveDialog SaveDialog1;
    TAboutDialog AboutDialog1{this};

    tk::PopupMenu PopupMenu1;
    tk::MenuItem N1;
    tk::MenuItem Window1{ids::Window1};
    tk::MenuItem N3{ids::N3};
    tk::MenuItem SortMenu;
    tk::MenuItem N8{ids::N8};
    tk::MenuItem ON2{ids::ON2};
    tk::MenuItem ProgramSortMenu{ids::ProgramSortMenu};

    tk::PopupMenu PopupMenu2;
    tk::MenuItem TopWndMenu{ids::TopWndMenu};
    tk::MenuItem Close1{ids::Close1};
    tk::MenuItem N2;
    tk::MenuItem N4;
    tk::MenuItem Clip1{ids::Clip1};
    tk::MenuItem N5{ids::N5};
    tk::MenuItem N10;
    tk::MenuItem TrimDataMenu;
    tk::MenuItem TrimSaveMenu{ids::TrimSaveMenu};
    tk::MenuItem TrmInpotMenu{ids::TrmInpotMenu};
    tk::MenuItem TrimingOnMenu{ids::TrimingOnMenu};
    tk::MenuItem N11;
    tk::MenuItem AutoUpdateMenu;
    tk::MenuItem ON1{ids::ON1};
    tk::MenuItem OFF1{ids::OFF1};
    tk::MenuItem N9{ids::N9};
    tk::MenuItem N7;
    tk::MenuItem Copy1;
    tk::MenuItem N6{ids::N6};
    tk::MenuItem N13{ids::N13};
    tk::MenuItem GrpSaveMenu;
    tk::MenuItem N12{ids::N12};
    tk::MenuItem N14{ids::N14};
    tk::MenuItem N15;
    tk::MenuItem ClipMenu{ids::ClipMenu};
    tk::MenuItem N16;
    tk::MenuItem HotKeyMenu{ids::HotKeyMenu};

    // --- Queries ---------------------------------------------------------------
    bool PrintWindowAvailable() const { return printWindow_.Available(); }
    // Open Only mode is in force only where windows can be pictured.
    bool OpenOnlyInForce() const { return CheckBox1.Checked() && PrintWindowAvailable(); }

    // Construction and lifecycle (WndCloseUnit.cpp)
    void FormCreate();
    void FormShow();
    void FormCloseQuery(bool& canClose);
    void FormClose();
    void FormDestroy();
    // The steps the closing sequence runs, in its order (ClosingSequence.h).
    ClosingSteps MakeClosingSteps();
    // The CPU thread told to end and joined, but waited for no longer than
    // a moment: its counter calls cannot be interrupted.
    void StopCpuThread();
    void StopBackground();
    void SetRunTimeHints();
    void ApplyPrintWindowStates();
    void ShowHintInStatusLine(const std::string& hint);

    // Layout and menus (WndCloseLayout.cpp, WndCloseMenus.cpp)
    void CreateControls();
    void CreateToolBar();
    void CreatePanels();
    void CreateGlyphs();
    void SizeTopPanel();
    int FirstWidth() const;
    void RedoDpiLayout();
    // The form's outer width as designed, at 96 DPI; it opens wider when the
    // toolbar needs it.
    static constexpr int kDesignWidth = 638;
    void CreateMenus();
    void CreateClipChoiceItems();
    // Owner drawing of the menus (WndCloseMenuDraw.cpp): every item of both
    // popup menus, the ones made at run time included, is drawn by N1DrawItem.
    void N1DrawItem(tk::MenuItem& item, HDC dc, const RECT& rect, bool selected);
    void OwnerDrawMenuItem(tk::MenuItem& item);  // the item and its submenu

    // Settings and files (WndCloseSettings.cpp)
    void ChooseDataFolder();
    void ReadSettings();
    void WriteSettings();
    void WriteHotKey();  // at once, when the user has chosen it
    void LoadExclusionList();
    // At the end; a file that cannot be written is reported when asked
    // (not at the end of the session, where nobody could answer a box).
    void SaveExclusionList(bool reportFailure);

    // The list and the commands on it (WndCloseCatalogue.cpp)
    void ClearList();
    void RerenderEntry(const ListHold& held, int item, bool minimised, bool parked);
    int ApplyThumbnailSize(bool apply);

    // The deferred close, resize and refresh (CommandGate::Deferred), run
    // from a message posted to this window.
    CommandGate::Deferred MakeDeferredRequests();
    void PostRunDeferred();
    bool runDeferredPosted_ = false;

    // Keeping the list current (WndCloseRefresh.cpp)
    void CreateBackgroundWork();
    void UpdateToolbarStates();
    int ChangeCheck();
    void ApplyChange(const ListHold& held, int kind);
    void ApplyItemChanges(const ListHold& held);

    void Timer1Timer();
    void AutoChkBoxClick();

    // The CPU usage label (WndCloseCpu.cpp)
    void CreateCpuThread();
    void SetCpuUsage(int percent);

    // Pictures (WndCloseThumbnails.cpp)
    void ResizeThumbnails();
    void SizeLetGo();  // the size bar let go: the list takes the new size
    void CheckBox2Click();
    void ConnectThumbnailHandlers();

    // Commands on the selected windows (WndCloseActions.cpp)
    void ToolButton3Click(tk::Component& sender);
    // Show, minimise or close the selected windows; shown ones brought to
    // the front (the keyboard's Enter) or the focus kept here.
    void RunWindowCommand(WindowCommand command, bool bringToFront);
    // The same on the windows of these items, the list held.
    void RunWindowCommandOn(const ListHold& held, WindowCommand command, bool bringToFront,
                            const std::vector<int>& items);
    // A middle click on a thumbnail: that window asked to close.
    void CloseOneWindow(HWND window);
    // The list's keys beyond its own (arrows, Home, End, the page keys).
    bool ListView1KeyDown(WORD key);
    // Type to find: a character typed into the list, the filter applied
    // anew (true: the key was used), and the filter in the status line.
    bool ListView1Char(char16_t unit);
    // The tooltip of a thumbnail: whole title, program, states.
    std::u16string ListView1HoverText(int item);
    bool FindChanged();
    void ShowFindStatus(int shown);
    void ListView1DblClick(tk::Component& sender);
    void ToolButton2Click(tk::Component& sender);
    void TopWndMenuClick(tk::Component& sender);
    void ToolButton16Click(bool forward);
    void ToolButton13Click(tk::Component& sender);
    void PopupMenu2Popup();

    // Clipping commands (WndCloseClipping.cpp)
    void Clip1Click(tk::Component& sender);
    void N5Click(tk::Component& sender);
    void ClipChoiceClick(tk::Component& sender);
    void SwitchButton2Click(tk::Component& sender);
    void ClipMenuClick(tk::Component& sender);
    void TrimSaveMenuClick(tk::Component& sender);
    // The trm.ini section of the item's caption, and whether it holds "trim".
    std::string ClipSection(int item) const;
    bool ClippingStored(int item) const;

    // The clipping list window (WndCloseTrimView.cpp). While it is open this
    // window is hidden and the passes render region pictures into it.
    void TrimingOnMenuClick(tk::Component& sender);
    std::vector<RegionSource> RegionSources() const;
    // After the list was built anew: the rows follow when their regions changed.
    void RegionsAfterRebuild();
    std::vector<RegionRow>& RegionRows() override { return regions_.rows; }
    bool TakeRegionsChanged() override { return std::exchange(regions_.changed, false); }
    int RegionTotal() const override { return regions_.total; }
    int& RegionCursor() override { return regions_.cursor; }
    int CaptureInterval() const override;
    void SetCaptureInterval(int milliseconds) override;
    bool AutoUpdating() const override;
    void SetAutoUpdating(bool on) override;
    void ActivateRegionWindow(const RegionRow& row) override;
    void HideRegion(const RegionRow& row) override;
    int CpuValue() const override { return cpuMeter_.value(); }
    COLORREF CpuColour() const override { return cpuMeter_.colour(); }

    // Translucency and the interval dialog (WndCloseTranslucency.cpp)
    void ToolButton7Click(tk::Component& sender);
    void ToolButton18Click(tk::Component& sender);

    // Windows never lost (WndCloseRescue.cpp)
    void OpenChangeRecord(const std::string& dataFolder);
    // The item of a listed window, found again after a wait; -1 for none.
    int ItemOfWindow(HWND window) const;
    void InstallCrashRescue();
    void RemoveCrashRescue();

    // The global hot key (WndCloseHotKey.cpp)
    void RegisterGlobalHotKey();
    // hotKey_ becomes it once it is held; false when another program holds
    // it, and then nothing is held.
    bool TakeHotKey(HotKey hotKey);
    void HotKeyPressed();
    void HotKeyMenuClick();

    // Sorting and the automatic-update marks (WndCloseSort.cpp)
    void ConnectSortAndTranslucency();
    void SortToolBtnClick(tk::Component& sender);
    void ON1Click(bool on);

    // Pictures for use elsewhere (WndClosePictures.cpp)
    void N6Click(PictureScale scale);
    void N12Click(PictureScale scale);
    // The item's thumbnail as shown, or its window at its real size; false
    // when there is nothing to show.
    bool PictureOf(const ListHold& held, int item, PictureScale scale, tk::Bitmap& picture);

    // Event handlers
    // The refresh, or "Open Only" switched; both wait for a running command.
    void ToolButton1Click(RefreshKind kind);
    void BringParkedWindowsHome(const ListHold& held);
    void ToolButton12Click(tk::Component& sender);
    void N9Click(tk::Component& sender);
    void ToolButton14Click(tk::Component& sender);
    void ListView1Click(tk::Component& sender);
    void ListView1SelectItem(int item, bool selected);

    // --- State ---------------------------------------------------------------
    std::string executableFolder_;
    std::string exclusionFile_;
    std::string clippingFile_;
    int colourDepth_ = 0;
    ColourScheme colours_;
    Size baseCell_;
    int clipSlotCount_ = 10;
    platform::PrintWindowApi printWindow_;
    platform::ProcessPathApi processPaths_;
    // What the program changed on other windows, kept on disk until given back.
    ChangeJournal changes_;
    LayeredWindows layered_{changes_};  // the translucency given to other windows

    ExclusionList exclusion_;
    StoredLines exclusionStored_;  // list.dat's lines as the file held them
    bool exclusionUnreadable_ = false;
    // The listed windows, their entries and pictures (made in FormCreate).
    std::unique_ptr<ThumbnailList> list_;

    // The update thread and the passes; joined before anything they call into
    // is destroyed.
    std::unique_ptr<BackgroundWork> background_;
    int tickCounter_ = 0;
    // Samples the CPU usage for Label2; joined before anything it calls into
    // is destroyed.
    std::unique_ptr<TCpuThread> cpuThread_;
    CpuMeter cpuMeter_;
    HotKey hotKey_ = kDefaultHotKey;
    platform::HotKeyRegistration hotKeyHeld_;
    ClosingSequence closing_{MakeClosingSteps()};
    CommandGate gate_{closing_, [this] { PostRunDeferred(); }, MakeDeferredRequests()};
    TTrimViewDlg* trimView_ = nullptr;  // the clipping list window while it is open
    RegionRowsState regions_;           // its rows while it is open
    std::vector<ItemMarks> selectedMarks_;  // reused by every change tick
    // The main window as the pass under way found it at its start.
    struct {
        bool mainHidden = false;  // the clipping list window shows instead
        bool minimised = false;
    } passSees_;
    int columnCount_ = 0;
    static constexpr DWORD kFadeMs = 500;  // the main window's fade in and out
};

}  // namespace vistrel
