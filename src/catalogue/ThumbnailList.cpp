#include "catalogue/ThumbnailList.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "catalogue/CarryOver.h"
#include "catalogue/GridLayout.h"
#include "catalogue/ListFilter.h"
#include "catalogue/ListPlace.h"
#include "catalogue/Parking.h"
#include "catalogue/WindowStates.h"
#include "platform/Locale.h"
#include "platform/OptionalApis.h"
#include "platform/WindowFacts.h"
#include "toolkit/Application.h"
#include "toolkit/Colours.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"

namespace vistrel {

ThumbnailList::ThumbnailList(tk::ListView& listView, tk::ImageList& pictures,
                             const tk::ImageList& glyphs,
                             const platform::PrintWindowApi& printWindow,
                             const platform::ProcessPathApi& processPaths,
                             const ExclusionList& exclusion, std::function<RenderOptions()> options)
    : listView_(listView),
      pictures_(pictures),
      printWindow_(printWindow),
      options_(std::move(options)),
      catalogue_(processPaths, exclusion),
      icons_(catalogue_),
      renderer_(printWindow, catalogue_, glyphs) {
    renderer_.SetIcons(&icons_);
}

ThumbnailList::~ThumbnailList() { ReleaseEntries(); }

bool ThumbnailList::Pictures() const { return printWindow_.Available(); }

bool ThumbnailList::OpenOnlyInForce() const { return options_().openOnly && Pictures(); }

WindowEntry* ThumbnailList::EntryOf(int item) const {
    return reinterpret_cast<WindowEntry*>(listView_.Data(item));
}

int ThumbnailList::Count() const { return listView_.Count(); }

void ThumbnailList::SetThumbnailSize(int width, int height) {
    workBitmap_.SetSize(width, height);
    pictures_.SetSize(width, height);
    // The list view measures its cells when it is given the list.
    listView_.SetLargeImages(pictures_);
}

void ThumbnailList::Rebuild(const ListHold&, int columns) {
    // 1. What each listed window carries over: marks, clipping, position.
    // Item counts are asked once per loop: each question is a message to the
    // list view, and none of these loops adds or removes items.
    // The pictures stay at hand too: a window the screen shows only in part
    // keeps the rest of its last picture.
    CarryOverSnapshot snapshot;
    std::unordered_map<WindowHandle, int> lastPictures;
    const ListPlace place = NotePlace();
    const int previousCount = listView_.Count();
    for (int i = 0; i < previousCount; ++i) {
        if (WindowEntry* entry = EntryOf(i)) {
            snapshot.Add(*entry, i);
            lastPictures[entry->handle] = listView_.ImageIndex(i);
        }
    }

    // 2.-4. An empty list, a fresh enumeration (restoring minimised windows in
    // Open Only mode), and one round of our own messages. The items go before
    // their entries, so that none points at a freed one; nothing is painted
    // or measured until every item has its place.
    listView_.BeginUpdate();
    listView_.Clear();
    entries_.clear();
    catalogue_.EnumerateListed(OpenOnlyInForce());
    tk::Application::Instance().ProcessMessages();

    // 5.-8. Items in their order, and their places.
    const std::vector<WindowHandle> windows = BuildItems(snapshot, lastPictures);
    if (const auto hidden = HiddenByFilter()) listView_.SetHidden(*hidden);
    LayOutGrid(columns);
    // Scrolling back needs the control's scroll range, which it works out
    // only while it may paint.
    listView_.EndUpdate();
    ReturnTo(place, windows);
    // Program files of windows that are gone are forgotten: a handle may be
    // given to another window later.
    std::erase_if(programPaths_, [&](const auto& known) {
        return std::find(windows.begin(), windows.end(), known.first) == windows.end();
    });
    icons_.KeepOnly(windows);
    // Icons that came while the items were made are on their pictures already.
    icons_.TakeArrived();
    // 9. Clipping of windows that are gone goes with the snapshot.
}

std::vector<int> ThumbnailList::ShownItems() const {
    std::vector<int> shown;
    const int count = listView_.Count();
    shown.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        if (!listView_.Hidden(i)) shown.push_back(i);
    return shown;
}

ListGrid ThumbnailList::Grid(int firstShown) const {
    // By the grid the items were laid out in: asking the control for every
    // item's rectangle costs a layout pass each under Wine.
    const RECT cell = listView_.ItemBounds(firstShown);
    const int height = cell.bottom - cell.top;
    return {columns_, height, height + listView_.Scale(kGridGap)};
}

int ThumbnailList::ViewTop(int firstShown) const {
    // Where the first item went: the control's own origin is not told alike
    // by every version.
    return firstShown >= 0 ? -listView_.ItemBounds(firstShown).top : 0;
}

ListPlace ThumbnailList::NotePlace() const {
    ListPlace place;
    const std::vector<int> shown = ShownItems();
    if (shown.empty()) return place;
    const auto windowOf = [this](int item) {
        const WindowEntry* entry = item >= 0 ? EntryOf(item) : nullptr;
        return entry ? entry->handle : nullptr;
    };
    for (int i = listView_.FirstSelected(); i >= 0; i = listView_.NextSelected(i))
        place.selected.push_back(windowOf(i));
    place.focused = windowOf(listView_.FocusedItem());
    place.viewTop = ViewTop(shown.front());
    if (place.viewTop != 0) {
        // Heights and places among the shown items.
        const ListGrid grid = Grid(shown.front());
        const int first = std::min(grid.FirstShown(place.viewTop), static_cast<int>(shown.size()) - 1);
        place.first = windowOf(shown[static_cast<size_t>(first)]);
        place.firstOffset = grid.TopOf(first) - place.viewTop;
    }
    return place;
}

void ThumbnailList::ReturnTo(const ListPlace& place, const std::vector<WindowHandle>& windows) {
    if (place.Empty()) return;
    const std::vector<int> shown = ShownItems();
    if (shown.empty()) return;
    std::vector<WindowHandle> shownWindows;
    for (const int item : shown)
        shownWindows.push_back(static_cast<size_t>(item) < windows.size() ? windows[static_cast<size_t>(item)] : nullptr);
    const PlaceAfter after = FindPlace(place, shownWindows, Grid(shown.front()));
    for (const int rank : after.select) listView_.SetSelected(shown[static_cast<size_t>(rank)], true);
    if (after.focus >= 0) listView_.SetFocusedItem(shown[static_cast<size_t>(after.focus)]);
    listView_.ScrollBy(0, after.viewTop - ViewTop(shown.front()));
}

int ThumbnailList::ApplyFilter() {
    // Repainted only when something came or went: typing usually changes
    // nothing but the text.
    if (const auto hidden = HiddenByFilter()) {
        listView_.BeginUpdate();
        listView_.SetHidden(*hidden);
        PlaceShown(false);
        listView_.EndUpdate();
    }
    return listView_.ShownCount();
}

std::optional<std::vector<bool>> ThumbnailList::HiddenByFilter() {
    const int count = listView_.Count();
    std::vector<bool> hidden(static_cast<size_t>(count), false);
    if (!filter_.Empty()) {
        for (int i = 0; i < count; ++i) {
            // The title from the entry: no question to the list per item.
            const WindowEntry* entry = EntryOf(i);
            hidden[static_cast<size_t>(i)] =
                !entry || !filter_.Matches(entry->title, ProgramPath(WindowOf(*entry)));
        }
    }
    // Typing narrows a list that is mostly unchanged by one character: what
    // stays as it was is left alone.
    bool same = true;
    for (int i = 0; i < count && same; ++i) same = hidden[static_cast<size_t>(i)] == listView_.Hidden(i);
    if (same) return std::nullopt;
    return hidden;
}

bool ThumbnailList::InView(int item) {
    if (item < 0 || static_cast<size_t>(item) >= placedRank_.size()) return false;
    const int rank = placedRank_[static_cast<size_t>(item)];
    if (rank < 0) return false;  // hidden, or not placed yet
    if (!seen_.known) {
        const int first = FirstShown();
        seen_ = {true, ViewTop(first), listView_.ClientHeight(), Grid(first)};
    }
    return seen_.grid.InView(rank, seen_.top, seen_.height);
}

int ThumbnailList::FirstShown() const {
    const int count = listView_.Count();
    for (int i = 0; i < count; ++i)
        if (!listView_.Hidden(i)) return i;
    return -1;
}

const std::u16string& ThumbnailList::ProgramPath(HWND window) {
    // Asked once per window: opening its process for every key typed would
    // make filtering a long list slow.
    const auto known = programPaths_.find(window);
    if (known != programPaths_.end()) return known->second;
    return programPaths_.emplace(window, catalogue_.ExecutablePath(window)).first->second;
}

std::vector<WindowHandle> ThumbnailList::BuildItems(CarryOverSnapshot& snapshot,
                                                    const std::unordered_map<WindowHandle, int>& lastPictures) {
    catalogue_.EnumerateVisible();
    const bool pictures = Pictures();
    const bool openOnly = OpenOnlyInForce();
    const int count = catalogue_.ListedCount();

    // Entries and position keys first. The order of the list follows from
    // them alone (by title, then by previous position), so the items are
    // added in that order rather than sorted inside the list view afterwards.
    std::vector<SortItem> keys;
    keys.reserve(static_cast<size_t>(count));
    entries_.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const EnumeratedWindow& listed = catalogue_.Listed(i);
        auto entry = std::make_unique<WindowEntry>();
        entry->handle = listed.handle;
        entry->minimized = listed.minimized;
        std::string positionKey = kNewPositionKey;
        // Without pictures there is no clipping to carry.
        snapshot.TakeOver(listed.handle, *entry, positionKey, pictures);
        keys.push_back({std::u16string(listed.Title()), std::move(positionKey)});
        entries_.push_back(std::move(entry));
    }
    const std::vector<size_t> order = RefreshOrder(keys, platform::CompareLstr);

    // One picture per item, in list order. Where every window keeps its
    // place, the new pictures are written over the last ones (the usual
    // refresh, which then needs no memory of its own); otherwise the last
    // ones are set aside and a list with room for all is begun.
    std::vector<int> lastPicture(static_cast<size_t>(count), -1);
    for (int position = 0; position < count; ++position) {
        const auto known = lastPictures.find(entries_[order[static_cast<size_t>(position)]]->handle);
        if (known != lastPictures.end()) lastPicture[static_cast<size_t>(position)] = known->second;
    }
    const bool inPlace = PicturesStayInPlace(lastPicture, pictures_.Count());
    tk::ImageList setAside;
    if (!inPlace) {
        setAside = pictures_.TakePictures();
        pictures_.SetImageCount(count);
        // The list view measures its cells when it is given the list.
        listView_.SetLargeImages(pictures_);
    }
    const tk::ImageList& last = inPlace ? pictures_ : setAside;

    std::vector<WindowHandle> windows;  // the items' windows, in list order
    windows.reserve(static_cast<size_t>(count));
    for (int position = 0; position < count; ++position) {
        // A capture's question may meet the end of the session: the list is
        // not built any further then.
        if (tk::Application::Instance().Terminated()) break;
        const size_t index = order[static_cast<size_t>(position)];
        WindowEntry& entry = *entries_[index];
        // Open Only brought it back from the task bar to be parked: it has
        // not painted itself since.
        const bool restored = entry.minimized && openOnly;
        const int lastImage = lastPicture[static_cast<size_t>(position)];
        const HWND pictured = RenderNewItem(entry, position, [&](tk::Bitmap& target) {
            return lastImage >= 0 && last.CopyImage(lastImage, target.Dc());
        });
        entry.title = keys[index].caption;
        const int item =
            listView_.AddItem(keys[index].caption, reinterpret_cast<LPARAM>(&entry), position);
        listView_.SetSubItem(item, 0, keys[index].positionKey);
        windows.push_back(entry.handle);
        if (restored) platform::RedrawNow(pictured);
    }
    return windows;
}

void ThumbnailList::LayOutGrid(int columns) {
    columns_ = columns;
    PlaceShown(true);
}

void ThumbnailList::PlaceShown(bool all) {
    seen_.known = false;  // the cells move
    // The shown items only, one after another: hidden ones take no cell.
    // Unless told to place all, an item that keeps its cell is not moved:
    // only those after one that came or went are.
    const std::vector<int> shown = ShownItems();
    const int count = listView_.Count();
    if (all || static_cast<int>(placedRank_.size()) != count) placedRank_.assign(static_cast<size_t>(count), -1);
    if (shown.empty()) return;
    const RECT cell = listView_.ItemBounds(shown.front());
    const auto positions = GridPositions(static_cast<int>(shown.size()), columns_, cell.right - cell.left,
                                         cell.bottom - cell.top, listView_.Scale(kGridGap));
    std::vector<int> rank(static_cast<size_t>(count), -1);
    for (size_t r = 0; r < shown.size(); ++r) {
        const int item = shown[r];
        rank[static_cast<size_t>(item)] = static_cast<int>(r);
        // One that was hidden came back without a place.
        if (placedRank_[static_cast<size_t>(item)] == static_cast<int>(r)) continue;
        listView_.SetPosition(item, {positions[r].x, positions[r].y});
    }
    placedRank_ = std::move(rank);
}

void ThumbnailList::Clear() {
    listView_.Clear();
    entries_.clear();
    pictures_.Clear();
}

void ThumbnailList::ReleaseEntries() {
    const int count = listView_.Count();
    for (int i = 0; i < count; ++i) listView_.SetData(i, 0);
    entries_.clear();
}

HWND ThumbnailList::RenderNewItem(WindowEntry& entry, int image, const LastPicture& previous) {
    const RenderOptions options = options_();
    if (!Pictures()) {
        renderer_.DrawIconCard(WindowOf(entry), entry.minimized && !options.openOnly,
                               options.stretch, workBitmap_);
        pictures_.Replace(image, workBitmap_);
        return WindowOf(entry);
    }
    buildBitmap_.SetSize(pictures_.Width(), pictures_.Height());
    // A thumbnail also while the clipping list window is open: only the
    // passes feed that window, in their order (see RefreshThumbnail).
    const RenderResult result = renderer_.RenderThumbnail(entry, buildBitmap_, options, nullptr, previous);
    if (!result.captured && !previous(buildBitmap_)) {
        // A window that does not answer keeps its picture from before the
        // rebuild; one new to the list gets a blank picture for now (the
        // bitmap still holds the previous item's).
        buildBitmap_.GetCanvas().SetBrushColor(tk::clWhite);
        buildBitmap_.GetCanvas().FillRect({0, 0, buildBitmap_.Width(), buildBitmap_.Height()});
    }
    if (options.openOnly) {
        if (platform::HasArea(result.pictured) && IsWindowParked(WindowOf(entry), result.pictured)) {
            entry.minimized = false;
            entry.parked = true;
        }
        renderer_.DrawStateMarks(buildBitmap_, entry.parked, entry.autoUpdate);
    }
    pictures_.Replace(image, buildBitmap_);
    return result.pictured;
}

void ThumbnailList::RerenderEntry(const ListHold&, int item, bool minimised, bool parked) {
    WindowEntry* entry = EntryOf(item);
    if (!entry) return;
    entry->minimized = minimised;
    const int image = listView_.ImageIndex(item);
    const RenderOptions options = options_();
    if (!Pictures()) {
        if (options.openOnly) return;
        renderer_.DrawIconCard(WindowOf(*entry), minimised, options.stretch, workBitmap_);
        pictures_.Replace(image, workBitmap_);
        listView_.RedrawItem(item);
        return;
    }
    tk::Bitmap picture(pictures_.Width(), pictures_.Height());
    entry->parked = parked;
    if (options.openOnly) {
        // The marks change, the picture does not: no new capture.
        pictures_.CopyImage(image, picture.Dc());
        renderer_.DrawStateMarks(picture, parked, entry->autoUpdate);
    } else {
        // A window without area is pictured by the window it owns, which the
        // command that called may just have shown or hidden.
        if (!platform::HasArea(WindowOf(*entry))) catalogue_.EnumerateVisible();
        if (!renderer_.RenderThumbnail(*entry, picture, options, nullptr, PictureOf(item)).captured)
            return;  // keeps its last picture
    }
    pictures_.Replace(image, picture);
    listView_.RedrawItem(item);
}

void ThumbnailList::Refresh(HWND window, int item, RegionSink* regionSink) {
    const WindowEntry* entry = EntryOf(item);
    if (!entry) return;
    const RenderOptions options = options_();
    if (!renderer_.RenderThumbnail(*entry, workBitmap_, options, regionSink, PictureOf(item)).captured)
        return;  // keeps its last picture
    if (regionSink) return;  // the pictures went to the clipping list window
    if (options.openOnly)
        renderer_.DrawStateMarks(workBitmap_, IsWindowParked(window, catalogue_.PlacementTarget(window)),
                                 entry->autoUpdate);
    pictures_.Replace(listView_.ImageIndex(item), workBitmap_);
    listView_.RedrawItem(item);
}

void ThumbnailList::RedrawIcon(HWND window, int item) {
    // The picture as it is, with the icon that came: no capture, so a
    // thumbnail that is not updated automatically keeps its picture.
    const int image = listView_.ImageIndex(item);
    if (image < 0 || !pictures_.CopyImage(image, workBitmap_.Dc())) return;
    renderer_.DrawProgramIcon(window, workBitmap_);
    pictures_.Replace(image, workBitmap_);
    listView_.RedrawItem(item);
}

bool ThumbnailList::CaptureFullSize(const ListHold&, HWND window, tk::Bitmap& picture) {
    // A window without area is pictured by the window it owns.
    catalogue_.EnumerateVisible();
    return renderer_.CaptureFullSize(window, picture);
}

void ThumbnailList::SetTitle(int item, const std::u16string& title) {
    if (WindowEntry* entry = EntryOf(item)) entry->title = title;
    listView_.SetCaption(item, title);
}

std::vector<HWND> ThumbnailList::Windows() const {
    std::vector<HWND> windows;
    for (int i = 0; i < listView_.Count(); ++i) {
        const WindowEntry* entry = EntryOf(i);
        windows.push_back(entry ? WindowOf(*entry) : nullptr);
    }
    return windows;
}

std::vector<HWND> ThumbnailList::PlacementTargets(const std::vector<HWND>& windows) {
    catalogue_.EnumerateVisible();
    std::vector<HWND> targets;
    for (const HWND window : windows) targets.push_back(window ? catalogue_.PlacementTarget(window) : nullptr);
    return targets;
}

HWND ThumbnailList::PlacementTargetOf(HWND window) {
    catalogue_.EnumerateVisible();
    return catalogue_.PlacementTarget(window);
}

int ThumbnailList::CountQualifying() {
    catalogue_.EnumerateListed(false);
    return catalogue_.ListedCount();
}

void ThumbnailList::UnparkListed(const ListHold& held) {
    const std::vector<HWND> windows = Windows();
    const std::vector<HWND> targets = PlacementTargets(windows);
    for (size_t i = 0; i < windows.size(); ++i)
        if (windows[i]) UnparkWindow(held, windows[i], targets[i]);
}

LastPicture ThumbnailList::PictureOf(int item) const {
    return [this, item](tk::Bitmap& target) {
        return pictures_.CopyImage(listView_.ImageIndex(item), target.Dc());
    };
}

}  // namespace vistrel
