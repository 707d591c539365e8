#include "toolkit/ScrollBox.h"

#include "common/Scrolling.h"

namespace vistrel::tk {

namespace {

constexpr int kLineStep = 16;

ScrollRequest RequestOf(WORD code) {
    switch (code) {
    case SB_LINEUP: return ScrollRequest::LineBack;
    case SB_LINEDOWN: return ScrollRequest::LineForward;
    case SB_PAGEUP: return ScrollRequest::PageBack;
    case SB_PAGEDOWN: return ScrollRequest::PageForward;
    case SB_TOP: return ScrollRequest::ToStart;
    case SB_BOTTOM: return ScrollRequest::ToEnd;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return ScrollRequest::Track;
    default: return ScrollRequest::None;
    }
}

}  // namespace

void ScrollBox::Create(Window* parent, int id, const RECT& bounds, COLORREF color) {
    brush_.reset(CreateSolidBrush(color));
    CreateOwn("TScrollBox", parent, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, bounds, id, "",
              CS_DBLCLKS, brush_.get());
    if (parent && parent->Font()) SetFont(parent->Font());
}

void ScrollBox::SetContentSize(int width, int height) {
    content_ = {width, height};
    UpdateBars();
}

void ScrollBox::UpdateBars() {
    if (!Handle()) return;
    // Showing one bar narrows the view for the other: settle the client
    // size first, then give both bars their ranges.
    for (int pass = 0; pass < 2; ++pass) {
        RECT client{};
        GetClientRect(Handle(), &client);
        const int views[] = {client.right, client.bottom};
        const int contents[] = {static_cast<int>(content_.cx), static_cast<int>(content_.cy)};
        const int bars[] = {SB_HORZ, SB_VERT};
        for (int i = 0; i < 2; ++i) {
            SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
            info.nMax = contents[i] > views[i] ? contents[i] - 1 : 0;
            info.nPage = contents[i] > views[i] ? static_cast<UINT>(views[i]) : 0;
            SetScrollInfo(Handle(), bars[i], &info, TRUE);
        }
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    ScrollTo(ScrollTarget(ScrollRequest::None, offset_.x, 0, 0, content_.cx, client.right),
             ScrollTarget(ScrollRequest::None, offset_.y, 0, 0, content_.cy, client.bottom));
}

void ScrollBox::Scroll(int bar, WORD code) {
    RECT client{};
    GetClientRect(Handle(), &client);
    SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), bar, &info);
    const bool horizontal = bar == SB_HORZ;
    const int target = ScrollTarget(RequestOf(code), horizontal ? offset_.x : offset_.y, info.nTrackPos, kLineStep,
                                    horizontal ? content_.cx : content_.cy, horizontal ? client.right : client.bottom);
    if (horizontal)
        ScrollTo(target, offset_.y);
    else
        ScrollTo(offset_.x, target);
}

void ScrollBox::ScrollTo(int x, int y) {
    const int dx = offset_.x - x;
    const int dy = offset_.y - y;
    offset_ = {x, y};
    SetScrollPos(Handle(), SB_HORZ, x, TRUE);
    SetScrollPos(Handle(), SB_VERT, y, TRUE);
    if (dx != 0 || dy != 0)
        ScrollWindowEx(Handle(), dx, dy, nullptr, nullptr, nullptr, nullptr,
                       SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
}

LRESULT ScrollBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (lParam != 0) break;  // a child control's own bar: reflected to it as usual
        Scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        for (int i = 0; i < (notches < 0 ? -notches : notches); ++i)
            Scroll(SB_VERT, notches < 0 ? SB_LINEDOWN : SB_LINEUP);
        return 0;
    }
    default: break;
    }
    return Window::WndProc(message, wParam, lParam);
}

}  // namespace vistrel::tk
