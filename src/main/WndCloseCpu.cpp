// TPrintWndDlg: the CPU usage label. The sampling thread hands each value
// over in the user-interface thread; Label2 shows it in the colour of its
// level.

#include "common/ColourDepth.h"
#include "main/WndCloseUnit.h"

namespace vistrel {

void TPrintWndDlg::CreateCpuThread() {
    // Created suspended; FormCreate lets it run as its very last step. A
    // value that arrives once the close has begun is dropped: the label and
    // the list may already be on their way out.
    cpuThread_ = std::make_unique<TCpuThread>([this](int percent) {
        if (!gate_.ClosingStarted()) SetCpuUsage(percent);
    });
}

void TPrintWndDlg::SetCpuUsage(int percent) {
    // The display's depth as it was at creation: a palette display would
    // dither the level colours, so the label keeps its design yellow there.
    if (const auto colour = cpuMeter_.Apply(percent, IsHighColour(colourDepth_)))
        Label2.SetColor(*colour);
    Label2.SetCaption(CpuCaption(cpuMeter_.value()));
}

}  // namespace vistrel
