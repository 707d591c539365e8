#pragma once
// Control ids of TOKBottomDlg, the clipping setting dialog, for the program
// and for whoever drives it from outside.

namespace vistrel::ids {

// The clipping setting dialog's controls (OK and cancel are IDOK, IDCANCEL).
constexpr int ClipDialogImage1 = 4001;
constexpr int ClipDialogPanel1 = 4002;
constexpr int ClipDialogPanel2 = 4003;
constexpr int ClipDialogLabel2 = 4004;
constexpr int ClipDialogListBox1 = 4005;
constexpr int ClipDialogButton1 = 4006;
constexpr int ClipDialogButton2 = 4007;
constexpr int ClipDialogLabel1 = 4008;
constexpr int ClipDialogScrollBox1 = 4009;

}  // namespace vistrel::ids
