#pragma once
// The window styles TNewTrackBar and TNumberEdit choose for the standard
// controls under them; neither draws anything itself.

#include <cstdint>

namespace vistrel {

// styBox: the channel is the wide selection-range box; styLine: a plain thin channel.
enum TBarStyle { styBox = 0, styLine = 1 };
// The ordinals are the edit styles ES_LEFT, ES_CENTER and ES_RIGHT.
enum ALIGNMENT { etLeftJustify = 0, etCenter = 1, etRightJustify = 2 };

// TBS_ENABLESELRANGE and ES_NUMBER, as the common controls and user32 define them.
constexpr uint32_t kTrackBarSelRange = 0x20;
constexpr uint32_t kEditNumber = 0x2000;
constexpr uint32_t kEditAlignmentBits = 0x3;

// A track bar's style with the selection range switched on for styBox, off for styLine.
uint32_t TrackBarStyle(uint32_t style, TBarStyle barStyle);
// An edit's creation style: the base style with its alignment replaced and
// digits-only added when asked for.
uint32_t NumberEditStyle(uint32_t baseStyle, ALIGNMENT alignment, bool numberOnly);

}  // namespace vistrel
