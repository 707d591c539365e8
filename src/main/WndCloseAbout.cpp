// TPrintWndDlg: the "Version" button and the version box it opens.

#include "common/AppIdentity.h"
#include "main/WndCloseUnit.h"

namespace vistrel {

void TPrintWndDlg::ToolButton12Click(tk::Component&) {
    // The panel tint and the black title are the dialog's own defaults.
    AboutDialog1.ApplicationTitle = kAppTitle;
    AboutDialog1.VerNoMain = kVersionText;
    AboutDialog1.ProgramerName = kProgrammerName;
    AboutDialog1.Year = kCopyrightLine;
    AboutDialog1.Corp = kMakerName;
    AboutDialog1.Execute();
}

}  // namespace vistrel
