#pragma once
// ThumbnailList: the list of listed windows as the user sees it. It owns the
// window catalogue, the renderer, the window entries behind the items and the
// work bitmaps, and keeps ListView1 and ImageList1 (both owned by the main
// window) in step with them: the full rebuild, the grid, single pictures
// drawn anew.
//
// Everything here runs in the user-interface thread; the rebuild processes
// messages while it waits, so they run inside one of the
// main window's commands, which holds every other rebuild back meanwhile.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalogue/ListFilter.h"
#include "catalogue/ListHold.h"
#include "catalogue/ListPlace.h"
#include "catalogue/ProgramIcons.h"
#include "catalogue/ThumbnailRenderer.h"
#include "catalogue/WindowCatalogue.h"
#include "catalogue/WindowEntry.h"
#include "platform/Locale.h"
#include "toolkit/Bitmap.h"

namespace vistrel {

class CarryOverSnapshot;
class ExclusionList;
namespace tk {
class ImageList;
class ListView;
}  // namespace tk
namespace platform {
struct PrintWindowApi;
struct ProcessPathApi;
}  // namespace platform

class ThumbnailList {
public:
    // The options are read anew for every picture: the check boxes may
    // change between two of them.
    ThumbnailList(tk::ListView& listView, tk::ImageList& pictures, const tk::ImageList& glyphs,
                  const platform::PrintWindowApi& printWindow,
                  const platform::ProcessPathApi& processPaths, const ExclusionList& exclusion,
                  std::function<RenderOptions()> options);
    ~ThumbnailList();
    ThumbnailList(const ThumbnailList&) = delete;
    ThumbnailList& operator=(const ThumbnailList&) = delete;

    const WindowCatalogue& Catalogue() const { return catalogue_; }
    bool Pictures() const;  // windows can be printed
    bool OpenOnlyInForce() const;

    // The entry behind an item; null for an item whose entry was released.
    WindowEntry* EntryOf(int item) const;
    int Count() const;

    // Picture size of every thumbnail, and of the work bitmap.
    void SetThumbnailSize(int width, int height);

    // Rebuilds the list from the windows there are now: marks, clipping and
    // order carried over by window handle, new windows after them by title,
    // one picture each, laid out in `columns` columns.
    void Rebuild(const ListHold& held, int columns);
    void LayOutGrid(int columns);
    // Empties the list; the entries go.
    void Clear();
    void ReleaseEntries();

    // Stores both marks in the entry and draws the item's picture anew (in
    // Open Only mode only the marks change).
    void RerenderEntry(const ListHold& held, int item, bool minimised, bool parked);
    // Captures the item's window anew into its thumbnail; `window` is the
    // entry's.
    void RefreshThumbnail(HWND window, int item) { Refresh(window, item, nullptr); }
    // The same for an automatic pass, which calls it for each item in list
    // order. While the clipping list window is open the passes alone feed it,
    // and the thumbnails stay as they are.
    void RefreshForPass(HWND window, int item) { Refresh(window, item, regionSink_); }
    // The item's caption, and its entry's title with it.
    void SetTitle(int item, const std::u16string& title);
    // The window's picture at its real size (see ThumbnailRenderer).
    bool CaptureFullSize(const ListHold& held, HWND window, tk::Bitmap& picture);

    // What the commands ask of the listed windows. Placement targets come
    // from a fresh look at the desktop, as owned windows come and go.
    // The windows behind the items in list order (null for an item whose
    // entry was released).
    std::vector<HWND> Windows() const;
    std::vector<HWND> PlacementTargets(const std::vector<HWND>& windows);
    HWND PlacementTargetOf(HWND window);
    std::u16string ExecutablePath(HWND window) const { return catalogue_.ExecutablePath(window); }
    // The same, asked once while the window stays listed.
    const std::u16string& ProgramPath(HWND window);
    // The item's picture with its window's icon drawn anew.
    void RedrawIcon(HWND window, int item);
    // Listed windows whose own icon came since the last call.
    std::vector<HWND> TakeArrivedIcons() { return icons_.TakeArrived(); }
    bool IconsArrived() const { return icons_.Arrived(); }
    // How many windows qualify for the list now; what each of them looked
    // like then is read by ListedNow (null for one that does not qualify).
    int CountQualifying();
    const EnumeratedWindow* ListedNow(HWND window) const { return catalogue_.FindListed(window); }
    // While the clipping list window is open the passes' pictures of clipped
    // windows go there; rebuilds and re-renders still draw thumbnails.
    void SetRegionSink(RegionSink* sink) { regionSink_ = sink; }

    // Type to find: only the items whose window's title or program file
    // name holds the filter's text are shown. Everything else (the change
    // tick, the passes, sorting, moving, clipping) works on the whole list.
    ListFilter& Filter() { return filter_; }
    // The items shown and hidden by the filter as it stands (after it
    // changed, after a rebuild or a new title), and laid out; returns how
    // many are shown.
    int ApplyFilter();
    int FirstShown() const;  // -1 when none is
    // Whether any of the item's thumbnail is in view (scrolled into the
    // list's client area, and shown). The view is read at the first
    // question after LookAtViewAgain, or after the items were placed, and
    // kept for the questions that follow, so a pass can ask for every item.
    // Each pass looks again: the list scrolls by itself too (a rubber band
    // dragged past its edge, the focus moving to an item), and what it
    // shows then is pictured by the next pass.
    bool InView(int item);
    void LookAtViewAgain() { seen_.known = false; }
    // At the close, after the record of changes has been given back: the
    // listed windows that the position alone shows parked (by a run of an
    // earlier version, say) come home too.
    void UnparkListed(const ListHold& held);

private:
    void Refresh(HWND window, int item, RegionSink* regionSink);
    // Returns the items' windows in list order. `lastPictures` tells where
    // each window's picture was before the rebuild.
    std::vector<WindowHandle> BuildItems(CarryOverSnapshot& snapshot,
                                         const std::unordered_map<WindowHandle, int>& lastPictures);
    // Draws the picture of a new item at `image`, from `previous` (the
    // window's picture before the rebuild) where the window does not answer;
    // returns the window pictured.
    HWND RenderNewItem(WindowEntry& entry, int image, const LastPicture& previous);
    // The item's picture as ImageList1 holds it now.
    LastPicture PictureOf(int item) const;
    // The user's place (selection, focus, scroll), noted by window before a
    // rebuild and found again after it among the items' windows.
    std::vector<int> ShownItems() const;
    ListGrid Grid(int firstShown) const;
    int ViewTop(int firstShown) const;
    ListPlace NotePlace() const;
    void ReturnTo(const ListPlace& place, const std::vector<WindowHandle>& windows);
    // The shown items placed one after another (all of them, or only those
    // whose cell changed).
    void PlaceShown(bool all);
    // Which items the filter hides, when that differs from what is hidden now.
    std::optional<std::vector<bool>> HiddenByFilter();

    tk::ListView& listView_;
    tk::ImageList& pictures_;
    const platform::PrintWindowApi& printWindow_;
    std::function<RenderOptions()> options_;
    WindowCatalogue catalogue_;
    ProgramIcons icons_;  // before the renderer, which draws them
    ThumbnailRenderer renderer_;
    RegionSink* regionSink_ = nullptr;
    int columns_ = 1;  // of the grid the items were last laid out in
    // The cell each item was last placed in (its rank among the shown ones),
    // -1 for a hidden one or one not placed since it came back.
    std::vector<int> placedRank_;
    ListFilter filter_;
    // The view as InView last saw it.
    struct SeenView {
        bool known = false;
        int top = 0;
        int height = 0;
        ListGrid grid;
    } seen_;
    std::unordered_map<HWND, std::u16string> programPaths_;
    // DIB sections: the image list takes their pixels several times faster
    // than a device bitmap's, and they are scaled into as fast.
    tk::Bitmap workBitmap_{tk::PixelFormat::Bgra32};   // single refreshes and icon cards
    tk::Bitmap buildBitmap_{tk::PixelFormat::Bgra32};  // the pictures of a rebuild
    std::vector<std::unique_ptr<WindowEntry>> entries_;  // owners of the items' data
};

}  // namespace vistrel
