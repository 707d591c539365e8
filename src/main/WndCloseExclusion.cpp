// TPrintWndDlg: the exclusion list button and the dialog it opens.

#include "common/ColourDepth.h"
#include "exclusion/JogaiWndUnit.h"
#include "main/WndCloseUnit.h"

namespace vistrel {

namespace {

constexpr int kExclusionGlyph = 23;

}  // namespace

void TPrintWndDlg::ToolButton14Click(tk::Component&) {
    const auto running = gate_.TryBegin();
    if (!running) return;
    // A command for as long as the dialog runs: a close waits for its end,
    // so that list.dat gets what OK left. The list is not rebuilt here; the
    // next change tick sees the windows that came back.
    TJogaiDlg dialog(exclusion_, *this, ImageList2, IsHighColour(colourDepth_));
    dialog.SetIcon(ImageList2.GetIcon(kExclusionGlyph));
    dialog.ShowModal();
}

}  // namespace vistrel
