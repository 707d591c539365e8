#pragma once
// Control ids of TJogaiDlg, the exclusion list dialog, for the program and
// for whoever drives it from outside.

namespace vistrel::ids {

// OK and cancel are IDOK and IDCANCEL.
constexpr int JogaiEdit1 = 4201;
constexpr int JogaiListBox1 = 4202;
// PopupMenu1's item (WM_COMMAND to the dialog).
constexpr int JogaiDelete1 = 4211;

}  // namespace vistrel::ids
