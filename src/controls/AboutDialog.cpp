#include "controls/AboutDialog.h"

#include "controls/VersionUnit.h"
#include "platform/DisplayInfo.h"

namespace vistrel {

namespace {

// Clears the running flag however Execute ends, an exception included.
class RunningScope {
public:
    explicit RunningScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningScope() { flag_ = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

void TAboutDialog::Execute() {
    // The box's modal loop serves messages, so a second request (a command
    // sent to the disabled main window) can arrive while it is open.
    if (running_) return;
    const RunningScope running(running_);

    TVersionBox box(owner_ ? owner_->Handle() : nullptr);
    box.StaticText1.SetCaption(ApplicationTitle + "  " + VerNo);
    box.StaticText1.SetFontColor(TitleFontColor);
    box.Label2.SetCaption("Programming by " + ProgramerName);
    box.StaticText2.SetCaption(VerNoMain);
    box.StaticText2.SetFontColor(VerFontColor);
    box.Label3.SetCaption(Year);
    box.Label3.SetFontColor(DateColor);
    box.Label4.SetCaption(Corp);
    box.SetJumpXY(JumpXY);
    box.SetStretchMax(StretchMax);
    box.SetPanelColour(VersionPanelColour(platform::BitsPerPixel(box.Handle()), BackColor));
    box.ShowModal();
}

}  // namespace vistrel
