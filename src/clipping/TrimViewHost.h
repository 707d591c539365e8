#pragma once
// What the clipping list window needs of the main window, which stays hidden
// behind it: the rows it builds, the capture timer and "Auto" that drive the
// pictures, the windows behind the regions, and the processor meter's value.

#include <windows.h>

#include <vector>

#include "clipping/RegionTable.h"

namespace vistrel {

namespace tk {
class ImageList;
}

class TrimViewHost {
public:
    virtual ~TrimViewHost() = default;

    // The rows, rebuilt by the main window when windows leave its list.
    virtual std::vector<RegionRow>& RegionRows() = 0;
    // True once after such a rebuild: the grid is laid out anew.
    virtual bool TakeRegionsChanged() = 0;
    virtual int RegionTotal() const = 0;
    // The position of the next picture within one capture cycle.
    virtual int& RegionCursor() = 0;

    virtual int CaptureInterval() const = 0;
    virtual void SetCaptureInterval(int milliseconds) = 0;
    virtual bool AutoUpdating() const = 0;
    // Checks or clears "Auto" and runs what its click runs.
    virtual void SetAutoUpdating(bool on) = 0;

    // Brings the row's window back if parked and to the front.
    virtual void ActivateRegionWindow(const RegionRow& row) = 0;
    // Leaves the row's region out of the pictures until the list window closes.
    virtual void HideRegion(const RegionRow& row) = 0;

    virtual int CpuValue() const = 0;
    virtual COLORREF CpuColour() const = 0;

    virtual const tk::ImageList& Glyphs() const = 0;
    // The size of the main window's thumbnails, which the region pictures share.
    virtual SIZE PictureSize() const = 0;
};

}  // namespace vistrel
