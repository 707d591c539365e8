#pragma once
// Control ids of TTrimViewDlg, the clipping list window, for the program and
// for whoever drives it from outside.

namespace vistrel::ids {

constexpr int TrimViewGrid = 4101;  // StringGrid1
constexpr int TrimViewPanel1 = 4102;
constexpr int TrimViewSpeedButton1 = 4103;
constexpr int TrimViewLabel1 = 4104;
constexpr int TrimViewNumberEdit1 = 4105;
constexpr int TrimViewUpDown1 = 4106;
constexpr int TrimViewLabel2 = 4107;
constexpr int TrimViewSizeSetTrackBar = 4108;
constexpr int TrimViewLabel3 = 4109;
constexpr int TrimViewNewTrackBar1 = 4110;
constexpr int TrimViewLabel4 = 4111;
constexpr int TrimViewLabel5 = 4112;
constexpr int TrimViewColorProgressBar1 = 4113;
constexpr int TrimViewStopSpBtn = 4114;
constexpr int TrimViewButton1 = 4115;
// PopupMenu1's items.
constexpr int TrimViewCopy1 = 4121;
constexpr int TrimViewSave1 = 4122;
constexpr int TrimViewDeleteMenu = 4124;

}  // namespace vistrel::ids
