#include "main/WndCloseUnit.h"

#include <utility>

#include "catalogue/ThumbnailGeometry.h"
#include "clipping/TrimViewUnit.h"
#include "common/AppIdentity.h"
#include "platform/DisplayInfo.h"
#include "platform/Locale.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"
#include "toolkit/HintText.h"
#include "toolkit/Messages.h"

namespace vistrel {

namespace {

constexpr int kDesignHeight = 478;
constexpr UINT kImageListGrowth = 16;

}  // namespace

TPrintWndDlg::TPrintWndDlg() : exclusion_(platform::EqualIgnoreCaseUser) {
    // The form as designed: system menu and maximise box, no minimise box;
    // it opens on the monitor of the mouse pointer, where the user started it.
    CreateForm("TPrintWndDlg", kAppTitle, tk::CentredPlace(kDesignWidth, kDesignHeight, nullptr),
               WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX);
    SetMinSize(200, 200);
    CreateControls();
    // As wide as the toolbar needs, centred anew on the same monitor.
    const RECT first = tk::CentredBounds(FirstWidth(), Height(), Handle());
    SetWindowPos(Handle(), nullptr, first.left, first.top, first.right - first.left, first.bottom - first.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    OnShow = [this](tk::Component&) { FormShow(); };
    OnCloseQuery = [this](tk::Form&, bool& canClose) { FormCloseQuery(canClose); };
    OnClose = [this](tk::Component&) { FormClose(); };
    OnDestroy = [this](tk::Component&) { FormDestroy(); };

    // Construction proper, in its fixed order.
    colourDepth_ = platform::BitsPerPixel(Handle());
    colours_ = ChooseColourScheme(colourDepth_);
    if (colours_.label1Colour) Label1.SetColor(*colours_.label1Colour);
    ChooseDataFolder();
    baseCell_ = BaseCell(platform::ScreenWidth(), platform::ScreenHeight());
    printWindow_ = platform::PrintWindowApi::Load();
    processPaths_ = platform::ProcessPathApi::Load();
    ApplyPrintWindowStates();
    SetRunTimeHints();
    tk::Application::Instance().OnHint = [this](const std::string& hint) {
        ShowHintInStatusLine(hint);
    };
    ReadSettings();

    FormCreate();
}

TPrintWndDlg::~TPrintWndDlg() {
    // However the window goes (an exception out of the message loop
    // included), no worker may call into it once its members start to go,
    // and windows come home, translucency goes and list.dat is kept.
    closing_.Finish();
    RemoveCrashRescue();
    tk::Application::Instance().OnHint = nullptr;
}

void TPrintWndDlg::ApplyPrintWindowStates() {
    const bool available = PrintWindowAvailable();
    AutoChkBox.SetEnabled(available);
    HighQualityChkBox.SetEnabled(available);
    N8.Enabled = available;
    ON2.Enabled = available;
    ToolButton18.SetEnabled(available);
    Label1.SetVisible(available);
    SwitchButton2.SetVisible(available);
}

void TPrintWndDlg::SetRunTimeHints() {
    const char* runOnSelection = "|選択したアイテムに実行";
    for (tk::ToolButton* button : {&ToolButton3, &ToolButton4, &ToolButton5})
        button->Hint += runOnSelection;
    ToolButton7.Hint = "透明|選択ウィンドウを透明にする";
    ToolButton9.Hint = "透過設定|選択ウィンドウの透過レベルを設定する";
    ToolButton10.Hint = "解除|透過の設定を解除する";
    const std::string move = "移動|選択したウィンドウを";
    ToolButton16.Hint = move + "前";
    ToolButton17.Hint = move + "後";
    ON2.Hint = N8.Hint;
}

void TPrintWndDlg::ShowHintInStatusLine(const std::string& hint) {
    StatusBar1.SetSimpleText(tk::LongHint(hint, platform::IsLeadByte));
}

void TPrintWndDlg::FormCreate() {
    // Common controls are initialised by the application before any form.
    ImageList1.Create(120, 100, ILC_COLOR24, 0, kImageListGrowth);
    ListView1.SetLargeImages(ImageList1);
    list_ = std::make_unique<ThumbnailList>(ListView1, ImageList1, ImageList2, printWindow_,
                                            processPaths_, exclusion_,
                                            [this] { return CurrentRenderOptions(); });
    CreateBackgroundWork();  // the update thread suspended until the end of FormCreate
    CreateCpuThread();       // suspended too
    CreateClipChoiceItems();
    // What a run that did not end as it should left out of sight or
    // translucent is given back before the list is made.
    {
        const auto once = changes_.SaveOnce();
        changes_.GiveBackFromLastRun();
        layered_.GiveBack();
    }
    InstallCrashRescue();
    ApplyThumbnailSize(true);
    LoadExclusionList();
    if (const auto held = gate_.TryBegin()) RefreshList(*held);
    Timer1.SetEnabled(true);
    RegisterGlobalHotKey();
    background_->Start();
    cpuThread_->Resume();
}

void TPrintWndDlg::FormShow() {
    AnimateWindow(Handle(), kFadeMs, AW_ACTIVATE | AW_BLEND);
    Panel2.Repaint();
    Panel3.Repaint();
    Label1.Repaint();
    SwitchButton2.Repaint();
}

void TPrintWndDlg::FormCloseQuery(bool& canClose) {
    canClose = true;  // closing is never refused
    closing_.Query();
}

void TPrintWndDlg::FormClose() { closing_.Close(); }

void TPrintWndDlg::FormDestroy() {
    closing_.Destroy();
    hotKeyHeld_ = {};
}

ClosingSteps TPrintWndDlg::MakeClosingSteps() {
    ClosingSteps steps;
    steps.markEnding = [] { tk::Application::Instance().Terminate(); };
    // Its pause ends at once; a value it still hands over is dropped.
    steps.tellCpuToEnd = [this] {
        if (cpuThread_) cpuThread_->Terminate();
    };
    steps.stopBackground = [this] { StopBackground(); };
    // From the record of changes, not the list: also windows that left
    // the list while parked (hidden, excluded, their owner changed).
    steps.giveWindowsBack = [this] {
        const auto held = gate_.HoldForClose();
        changes_.GiveBackParks();
        if (list_) list_->UnparkListed(held);
        layered_.GiveBack();
        if (list_) list_->ReleaseEntries();
    };
    steps.giveWindowsBackNow = [this] { EmergencyRestore(); };
    // Nothing of the pass or the tick runs below a close (it waits until
    // they are over), so the functions they use may go.
    steps.freeSystemFunctions = [this] {
        printWindow_.Free();
        processPaths_.Free();
    };
    steps.saveList = [this](bool reportFailure) { SaveExclusionList(reportFailure); };
    steps.writeSettings = [this] { WriteSettings(); };
    steps.fadeOut = [this] { AnimateWindow(Handle(), kFadeMs, AW_HIDE | AW_BLEND); };
    steps.joinWorkers = [this] {
        StopCpuThread();
        StopBackground();
    };
    // The list object itself stays until the window object goes: the list
    // view still reports on its items while it is being destroyed.
    steps.releaseEntries = [this] {
        if (list_) list_->ReleaseEntries();
    };
    return steps;
}

void TPrintWndDlg::StopBackground() {
    // The timer off, the change tick and a running pass stopped (the pass
    // after its current item) and joined: nothing walks the list any more.
    // One whose call runs below us is only told to end; a later stop joins it.
    if (background_) background_->Stop();
    gate_.ReleaseSize();
}

void TPrintWndDlg::StopCpuThread() {
    constexpr DWORD kCpuStopBoundMs = 1000;
    if (!cpuThread_ || cpuThread_->StopWithin(kCpuStopBoundMs)) return;
    // Stuck in a counter call at the program's end: it is let go, its object
    // kept for it, and whatever it still hands over is never run.
    cpuThread_->Abandon();
    static_cast<void>(cpuThread_.release());
}

LRESULT TPrintWndDlg::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // A close never runs inside another close, nor inside a command that
        // waits for a window: it follows when the command is over.
        if (closing_.Closing()) return 0;
        if (trimView_) {
            // The clipping list window ends first and gives this window its
            // timer back; the close follows when it has gone.
            closing_.NoteCloseAsked();
            trimView_->SetModalResult(tk::mrCancel);
            return 0;
        }
        if (!gate_.MayCloseNow()) return 0;
        break;
    case WM_QUERYENDSESSION:
        // We never hold up the end of the session. The parked windows go
        // home at once, before their programs note their places for the
        // next session; they go out again if the session goes on.
        changes_.SendHomeForNow();
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            closing_.EndSession();
        else
            changes_.ParkAgain();
        return 0;
    case WM_HOTKEY:
        HotKeyPressed();
        return 0;
    case tk::WM_VT_RUN_DEFERRED:
        if (std::exchange(runDeferredPosted_, false)) gate_.RunDeferred();
        return 0;
    default:
        break;
    }
    if (message == WM_ACTIVATE) {
        // Float above everything while the user works here; drop behind every
        // window as soon as another one is activated. The message is consumed.
        // SWP_NOACTIVATE: without it, moving to the bottom would activate us
        // again and take the focus back from the window the user chose.
        const HWND order = LOWORD(wParam) != WA_INACTIVE ? HWND_TOPMOST : HWND_BOTTOM;
        SetWindowPos(Handle(), order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return 0;
    }
    return tk::Form::WndProc(message, wParam, lParam);
}

}  // namespace vistrel
