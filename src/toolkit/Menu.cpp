#include "toolkit/Menu.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "platform/WindowDc.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Dpi.h"
#include "toolkit/ImageList.h"

namespace vistrel::tk {

namespace {

// Items in existence. Item data of an HMENU is only trusted when it names one
// of them: a menu may outlive an item that was deleted meanwhile.
std::unordered_set<const MenuItem*>& LiveItems() {
    static std::unordered_set<const MenuItem*> items;
    return items;
}

// The upper-case access key of a caption ("インポート(&L)" gives 'L'), or 0.
// A trail byte of Shift-JIS is never '&', so a byte walk is safe here.
char AccessKey(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // "&&" is a literal ampersand
            continue;
        }
        const char key = caption[i + 1];
        return (key >= 'a' && key <= 'z') ? static_cast<char>(key - 'a' + 'A') : key;
    }
    return 0;
}

// A menu shows hbmpItem with its alpha channel, so the picture must carry
// one: a 32-bit image list gives it by itself; for a list with a mask (or
// none) the mask decides which pixels are opaque.
BitmapOwner MakePicture(HIMAGELIST list, int index) {
    int width = 16;
    int height = 16;
    ImageList_GetIconSize(list, &width, &height);
    const BITMAPINFO info = TopDownDibInfo(width, height, 32);
    MemoryDcOwner dc(CreateCompatibleDC(nullptr));
    void* colourBits = nullptr;
    BitmapOwner colour(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &colourBits, nullptr, 0));
    if (!colour || !colourBits) return BitmapOwner();
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    {
        Selection selected(dc.get(), colour.get());
        ImageList_Draw(list, index, dc.get(), 0, 0, ILD_NORMAL);
    }
    GdiFlush();
    auto* pixels = static_cast<std::uint32_t*>(colourBits);
    const bool hasAlpha =
        std::any_of(pixels, pixels + count, [](std::uint32_t p) { return (p >> 24) != 0; });
    if (hasAlpha) return colour;

    void* maskBits = nullptr;
    BitmapOwner mask(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &maskBits, nullptr, 0));
    if (!mask || !maskBits) return BitmapOwner();
    // The mask may be combined with what is there (SRCAND): start from white.
    std::fill_n(static_cast<std::uint32_t*>(maskBits), count, 0xFFFFFFFFu);
    {
        Selection selected(dc.get(), mask.get());
        ImageList_Draw(list, index, dc.get(), 0, 0, ILD_MASK);  // black where opaque
    }
    GdiFlush();
    const auto* maskPixels = static_cast<const std::uint32_t*>(maskBits);
    for (size_t i = 0; i < count; ++i)
        pixels[i] = (maskPixels[i] & 0xFFFFFFu) == 0 ? (pixels[i] | 0xFF000000u) : 0;
    return colour;
}

}  // namespace

FontOwner MenuFont(int dpi, bool bold) {
    LOGFONTW font{};
    if (!MenuLogFontAt(dpi, font)) return FontOwner(nullptr);
    if (bold) font.lfWeight = FW_BOLD;
    return FontOwner(CreateFontIndirectW(&font));
}

// ---------------------------------------------------------------- MenuItem

MenuItem::MenuItem() { LiveItems().insert(this); }

MenuItem::MenuItem(int fixedId) : CommandTarget(fixedId) { LiveItems().insert(this); }

MenuItem::~MenuItem() { LiveItems().erase(this); }

MenuItem& MenuItem::AddChild() {
    owned_.push_back(std::make_unique<MenuItem>());
    Items.push_back(owned_.back().get());
    return *owned_.back();
}

MenuItem& MenuItem::AddChild(int fixedId) {
    owned_.push_back(std::make_unique<MenuItem>(fixedId));
    Items.push_back(owned_.back().get());
    return *owned_.back();
}

void MenuItem::Click() {
    if (OnClick) OnClick(*this);
}

MenuItem* MenuItem::FromItemData(ULONG_PTR data) {
    auto* item = reinterpret_cast<const MenuItem*>(data);
    if (!item || !LiveItems().count(item)) return nullptr;
    return const_cast<MenuItem*>(item);
}

// ---------------------------------------------------------------- PopupMenu

PopupMenu::~PopupMenu() = default;

void PopupMenu::Popup(HWND owner, int screenX, int screenY, MenuItem* root) {
    if (OnPopup) OnPopup(*this);
    HMENU menu = Rebuild(root);
    if (!menu || GetMenuItemCount(menu) <= 0) return;
    // Not TPM_RETURNCMD: the choice is posted to the owner as WM_COMMAND(id),
    // after the menu has closed, and reaches the item by its id.
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenX, screenY, 0, owner,
                   nullptr);
}

HMENU PopupMenu::Rebuild(MenuItem* root) {
    // The old menu goes first: it may show pictures that are about to be remade.
    handle_.reset();
    handle_.reset(CreatePopupMenu());
    if (!handle_) return nullptr;
    for (MenuItem* item : root ? root->Items : Items)
        if (item) Append(handle_.get(), *item);
    return handle_.get();
}

void PopupMenu::Append(HMENU menu, MenuItem& item) {
    item.menu_ = this;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.wID = static_cast<UINT>(item.CommandId());
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    info.fType = item.OwnerDrawn() ? MFT_OWNERDRAW : 0;
    if (item.IsSeparator()) {
        info.fType |= MFT_SEPARATOR;
    } else {
        // The caption is stored also for owner-drawn items: it keeps the
        // menu readable to accessibility tools and to our tests.
        info.fMask |= MIIM_STRING;
        info.dwTypeData = const_cast<char*>(item.Caption.c_str());
        info.fState = (item.Checked ? MFS_CHECKED : 0u) | (item.Enabled ? 0u : MFS_DISABLED) |
                      (item.Default ? MFS_DEFAULT : 0u);
        if (!item.Items.empty()) {
            HMENU submenu = CreatePopupMenu();
            for (MenuItem* child : item.Items)
                if (child) Append(submenu, *child);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = submenu;  // destroyed with its parent menu
        }
        if (!item.OwnerDrawn()) {
            if (HBITMAP picture = Picture(item)) {
                info.fMask |= MIIM_BITMAP;
                info.hbmpItem = picture;
            }
        }
    }
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

HBITMAP PopupMenu::Picture(MenuItem& item) {
    HIMAGELIST list = Images ? Images->Handle() : nullptr;
    if (!list || item.ImageIndex < 0 || item.ImageIndex >= ImageList_GetImageCount(list))
        return nullptr;
    if (!item.picture_ || item.pictureSource_ != list || item.pictureIndex_ != item.ImageIndex) {
        item.picture_ = MakePicture(list, item.ImageIndex);
        item.pictureSource_ = list;
        item.pictureIndex_ = item.ImageIndex;
    }
    return item.picture_.get();
}

SIZE PopupMenu::DefaultItemSize(const MenuItem& item, HDC dc) {
    int imageWidth = 16;
    int imageHeight = 16;
    if (item.menu_ && item.menu_->Images && item.menu_->Images->Handle())
        ImageList_GetIconSize(item.menu_->Images->Handle(), &imageWidth, &imageHeight);
    if (item.IsSeparator()) return SIZE{imageWidth, 9};
    RECT text{};
    DrawTextA(dc, item.Caption.c_str(), static_cast<int>(item.Caption.size()), &text,
              DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    // Picture column (picture and a gap), caption, right margin.
    const int width = imageWidth + 15 + static_cast<int>(text.right - text.left) + 7;
    const int height = std::max(imageHeight + 3, static_cast<int>(text.bottom - text.top) + 4);
    return SIZE{width, height};
}

bool PopupMenu::HandleOwnerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                                   std::string* hintOut, int dpi) {
    switch (message) {
    case WM_MENUSELECT: {
        // wParam: item id, or the item's position when it opens a submenu;
        // flags 0xFFFF with no menu: the menu has closed.
        const UINT flags = HIWORD(wParam);
        auto menu = reinterpret_cast<HMENU>(lParam);
        MenuItem* item = nullptr;
        if (menu && flags != 0xFFFF) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_DATA;
            const BOOL byPosition = (flags & MF_POPUP) ? TRUE : FALSE;
            if (GetMenuItemInfoA(menu, LOWORD(wParam), byPosition, &info))
                item = MenuItem::FromItemData(info.dwItemData);
        }
        if (hintOut) *hintOut = item ? item->Hint : std::string();
        result = 0;
        return true;
    }
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (!measure || measure->CtlType != ODT_MENU) return false;
        MenuItem* item = MenuItem::FromItemData(measure->itemData);
        if (!item) return false;
        platform::WindowDc screen(nullptr);
        FontOwner font = MenuFont(dpi);
        Selection selected(screen.get(), font ? static_cast<HGDIOBJ>(font.get())
                                              : GetStockObject(DEFAULT_GUI_FONT));
        const SIZE size = DefaultItemSize(*item, screen.get());
        int width = size.cx;
        int height = size.cy;
        if (item->OnMeasureItem) item->OnMeasureItem(*item, screen.get(), width, height);
        measure->itemWidth = static_cast<UINT>(std::max(width, 0));
        measure->itemHeight = static_cast<UINT>(std::max(height, 0));
        result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (!draw || draw->CtlType != ODT_MENU) return false;
        MenuItem* item = MenuItem::FromItemData(draw->itemData);
        if (!item || !item->OnDrawItem) return false;
        // The DC is the menu's: whatever the handler selects is put back.
        const int saved = SaveDC(draw->hDC);
        item->OnDrawItem(*item, draw->hDC, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
        RestoreDC(draw->hDC, saved);
        result = TRUE;
        return true;
    }
    case WM_MENUCHAR: {
        // Windows matches access keys of owner-drawn items only through us.
        // The owner is a Unicode window: the key comes as a UTF-16 unit, and
        // our access keys are ASCII letters and digits.
        auto menu = reinterpret_cast<HMENU>(lParam);
        const WORD unit = LOWORD(wParam);
        if (!menu || unit >= 0x80) return false;
        const char typed = AccessKey(std::string("&") + static_cast<char>(unit));
        if (!typed) return false;
        const int count = GetMenuItemCount(menu);
        for (int position = 0; position < count; ++position) {
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_DATA;
            if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) continue;
            const MenuItem* item = MenuItem::FromItemData(info.dwItemData);
            if (item && item->Enabled && !item->IsSeparator() &&
                AccessKey(item->Caption) == typed) {
                result = MAKELRESULT(position, MNC_EXECUTE);
                return true;
            }
        }
        return false;
    }
    default:
        return false;
    }
}

}  // namespace vistrel::tk
