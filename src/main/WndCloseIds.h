#pragma once
// Control and command identifiers of the main window. The end-to-end driver
// addresses the running program through them, so they never change meaning.

namespace vistrel::ids {

// Child controls (GetDlgItem on their parents).
constexpr int Panel1 = 1001;
constexpr int ToolBar1 = 1002;
constexpr int Panel2 = 1003;
constexpr int Panel3 = 1004;
constexpr int Panel4 = 1005;
constexpr int Panel5 = 1006;
constexpr int CheckBox1 = 1010;          // "Open Only"
constexpr int CheckBox2 = 1011;          // "Stretch"
constexpr int AutoChkBox = 1012;         // "Auto"
constexpr int HighQualityChkBox = 1013;
constexpr int SizeSetTrackBar = 1020;
constexpr int Label2 = 1021;
constexpr int Label1 = 1022;
constexpr int SwitchButton2 = 1023;
constexpr int ListView1 = 1030;
constexpr int StatusBar1 = 1031;

// Toolbar buttons: their command ids (WM_COMMAND to the main window, or
// TB_ISBUTTONENABLED on ToolBar1).
constexpr int ToolButton1 = 2001;   // refresh
constexpr int ToolButton2 = 2002;   // select all (drop-down N1)
constexpr int ToolButton3 = 2003;   // show
constexpr int ToolButton4 = 2004;   // minimise
constexpr int ToolButton5 = 2005;   // close
constexpr int ToolButton7 = 2007;   // translucent
constexpr int ToolButton9 = 2009;   // translucency level
constexpr int ToolButton10 = 2010;  // remove translucency
constexpr int SortToolBtn = 2011;   // sort (drop-down SortMenu)
constexpr int ToolButton16 = 2016;  // move forward
constexpr int ToolButton17 = 2017;  // move back
constexpr int ToolButton18 = 2018;  // update interval
constexpr int ToolButton14 = 2014;  // exclusion list
constexpr int ToolButton12 = 2012;  // version
constexpr int ToolButton13 = 2013;  // help

// Menu items of PopupMenu1 and PopupMenu2 (WM_COMMAND to the main window).
constexpr int Window1 = 3001;
constexpr int N3 = 3002;
constexpr int N8 = 3003;
constexpr int ON2 = 3004;
constexpr int ProgramSortMenu = 3005;  // sorts by program file name
constexpr int TopWndMenu = 3010;
constexpr int Close1 = 3011;
constexpr int Clip1 = 3012;
constexpr int N5 = 3013;
constexpr int ClipChoice0 = 3020;   // the ten "Clip (&n)" items: ClipChoice0 + n
constexpr int TrimSaveMenu = 3030;
constexpr int TrmInpotMenu = 3031;
constexpr int TrimingOnMenu = 3032;
constexpr int ON1 = 3033;
constexpr int OFF1 = 3034;
constexpr int N9 = 3035;
constexpr int N6 = 3036;
constexpr int N13 = 3037;
constexpr int N12 = 3038;
constexpr int N14 = 3039;
constexpr int ClipMenu = 3040;
constexpr int HotKeyMenu = 3041;

}  // namespace vistrel::ids
