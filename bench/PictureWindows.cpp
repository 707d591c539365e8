#include "PictureWindows.h"

#include <algorithm>
#include <cstdio>

#include "platform/WindowDc.h"
#include "toolkit/GdiOwners.h"

namespace vistrel::bench {

namespace {

constexpr char kClassName[] = "VistrelBenchPicture";

// Four quadrants of plain colours: cheap to paint, so that the figures are
// about capturing and scaling rather than about this window's drawing.
void PaintPicture(HDC dc, int width, int height) {
    const COLORREF colours[] = {RGB(200, 40, 40), RGB(40, 160, 60), RGB(40, 60, 200),
                                RGB(230, 200, 40)};
    const int midX = width / 2;
    const int midY = height / 2;
    const RECT quadrants[] = {{0, 0, midX, midY}, {midX, 0, width, midY}, {0, midY, midX, height},
                              {midX, midY, width, height}};
    const HGDIOBJ previous = SelectObject(dc, GetStockObject(DC_BRUSH));  // stock: nothing to free
    for (int i = 0; i < 4; ++i) {
        SetDCBrushColor(dc, colours[i]);
        FillRect(dc, &quadrants[i], static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }
    SelectObject(dc, previous);
}

void PaintClient(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    PaintPicture(dc, client.right, client.bottom);
}

LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT covers the whole client area
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintClient(window, dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintClient(window, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PRINT: {
        // Wine's default WM_PRINT draws no frame: the window paints all of it.
        RECT r;
        GetWindowRect(window, &r);
        PaintPicture(reinterpret_cast<HDC>(wParam), r.right - r.left, r.bottom - r.top);
        return 0;
    }
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = PictureProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = kClassName;
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

HWND PictureWindows::Add(const std::string& title, int x, int y, int width, int height) {
    RegisterOnce();
    HWND window = CreateWindowExA(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, x, y, width,
                                  height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return nullptr;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    windows_.push_back(window);
    return window;
}

void PictureWindows::AddMany(int count, const std::string& stem, int width, int height) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int stepX = 40;
    const int stepY = 30;
    const int perRow = std::max(1, (screenWidth - width) / stepX + 1);
    const int rows = std::max(1, (screenHeight - height) / stepY + 1);
    const int first = Count();
    for (int i = first; i < first + count; ++i) {
        char title[64];
        std::snprintf(title, sizeof title, "%s %03d", stem.c_str(), i + 1);
        const int slot = i % (perRow * rows);
        Add(title, (slot % perRow) * stepX, (slot / perRow) * stepY, width, height);
    }
}

void PictureWindows::KeepFirst(int count) {
    while (Count() > std::max(0, count)) {
        DestroyWindow(windows_.back());
        windows_.pop_back();
    }
}

void PictureWindows::CloseAll() {
    for (HWND window : windows_) DestroyWindow(window);
    windows_.clear();
}

void BareCapture(HWND window, HDC thumbnail, int width, int height) {
    RECT r;
    GetWindowRect(window, &r);
    const int windowWidth = r.right - r.left;
    const int windowHeight = r.bottom - r.top;
    platform::WindowDc windowDc(window, platform::WindowDc::Whole);
    tk::MemoryDcOwner captureDc(CreateCompatibleDC(windowDc.get()));
    tk::BitmapOwner capture(CreateCompatibleBitmap(windowDc.get(), windowWidth, windowHeight));
    tk::Selection selected(captureDc.get(), capture.get());
    PrintWindow(window, captureDc.get(), 0);
    SetStretchBltMode(thumbnail, COLORONCOLOR);
    StretchBlt(thumbnail, 0, 0, width, height, captureDc.get(), 0, 0, windowWidth, windowHeight,
               SRCCOPY);
}

}  // namespace vistrel::bench
