// Thumbnails of real windows of this process: frame, margins, fit, the mark
// strip, the clipping choice, regions for the clipping list, windows that do
// not answer, and icon cards. Test windows paint their own picture for
// WM_PRINT, since Wine's default WM_PRINT draws no frame.

#include "catalogue/ThumbnailRenderer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <future>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "OwnedWindow.h"
#include "platform/Handles.h"
#include "catalogue/WindowCatalogue.h"
#include "exclusion/ExclusionList.h"
#include "main/Glyphs.h"
#include "platform/OptionalApis.h"
#include "platform/Shell.h"

namespace vistrel {
namespace {

constexpr char kClassName[] = "VistrelThumbnailTestWindow";
// Posted to a picture window: its thread stays away until `release` is set,
// for at most lParam milliseconds.
constexpr UINT kHangMessage = WM_APP + 1;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kLeft = RGB(200, 120, 0);
constexpr COLORREF kRight = RGB(0, 160, 64);
constexpr COLORREF kUntouched = RGB(255, 0, 255);

struct Picture {
    COLORREF left;
    COLORREF right;  // the right half, from width / 2 on
    bool checkered = false;  // instead: black and white pixels in turn
    // For kHangMessage: set by the test to end the hang, and by the window
    // when it enters and when it leaves it.
    HANDLE release = nullptr;
    HANDLE hangEntered = nullptr;
    HANDLE hangLeft = nullptr;
};

// Black where x + y is even, white where it is odd.
void PaintCheckered(HDC dc, int width, int height) {
    const WORD rows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    tk::BitmapOwner pattern(CreateBitmap(8, 8, 1, 1, rows));
    tk::BrushOwner brush(CreatePatternBrush(pattern.get()));
    // A monochrome pattern takes the text colour for 0 and the background for 1.
    SetTextColor(dc, kBlack);
    SetBkColor(dc, kWhite);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush.get());
}

void PaintPicture(HWND window, HDC dc, int width, int height) {
    const auto* picture = reinterpret_cast<const Picture*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!picture) return;
    if (picture->checkered) {
        PaintCheckered(dc, width, height);
        return;
    }
    const COLORREF colours[] = {picture->left, picture->right};
    const RECT halves[] = {{0, 0, width / 2, height}, {width / 2, 0, width, height}};
    for (int i = 0; i < 2; ++i) {
        tk::BrushOwner brush(CreateSolidBrush(colours[i]));
        FillRect(dc, &halves[i], brush.get());
    }
}

LRESULT CALLBACK PictureWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        PaintPicture(window, dc, client.right, client.bottom);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_PRINT: {  // the whole window, frame included
        RECT r;
        GetWindowRect(window, &r);
        PaintPicture(window, reinterpret_cast<HDC>(wParam), r.right - r.left, r.bottom - r.top);
        return 0;
    }
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(window, &client);
        PaintPicture(window, reinterpret_cast<HDC>(wParam), client.right, client.bottom);
        return 0;
    }
    case kHangMessage: {
        const auto* picture = reinterpret_cast<const Picture*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        SetEvent(picture->hangEntered);
        WaitForSingleObject(picture->release, static_cast<DWORD>(lParam));
        SetEvent(picture->hangLeft);
        return 0;
    }
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A frameless pop-up is all picture, so window and client coordinates agree.
test::WindowOwner MakeWindow(Picture& picture, int width, int height, DWORD style = WS_POPUP,
                             HWND owner = nullptr) {
    return test::MakeWindow(kClassName, PictureWindowProc, "Thumbnail test", style | WS_VISIBLE,
                            {40, 40, 40 + width, 40 + height}, owner, 0, &picture);
}

COLORREF OverWhite(uint32_t argb) {
    if ((argb >> 24) == 0) return kWhite;
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// Every pixel of `area` has `colour`; the first one that does not is reported.
::testing::AssertionResult AreaIs(const tk::Bitmap& bitmap, const RECT& area, COLORREF colour) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (bitmap.PixelAt(x, y) != colour)
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << bitmap.PixelAt(x, y)
                       << ", expected " << colour;
    return ::testing::AssertionSuccess();
}

// The four 1-pixel edges of `area`.
::testing::AssertionResult RingIs(const tk::Bitmap& bitmap, const RECT& r, COLORREF colour) {
    for (const RECT& edge : {RECT{r.left, r.top, r.right, r.top + 1},
                             RECT{r.left, r.bottom - 1, r.right, r.bottom},
                             RECT{r.left, r.top, r.left + 1, r.bottom},
                             RECT{r.right - 1, r.top, r.right, r.bottom}}) {
        auto result = AreaIs(bitmap, edge, colour);
        if (!result) return result;
    }
    return ::testing::AssertionSuccess();
}

std::unique_ptr<ClipSet> Clips(std::initializer_list<ClipRect> rects) {
    auto clips = std::make_unique<ClipSet>();
    int slot = 0;
    for (const ClipRect& r : rects) (*clips)[slot++] = r;
    return clips;
}

// Keeps copies of the pictures it receives and follows the clipping list's contract.
class RecordingSink : public RegionSink {
public:
    explicit RecordingSink(int total) : total_(total) {}
    int Count() const override { return static_cast<int>(pictures.size()); }
    int RegionTotal() const override { return total_; }
    void Append(tk::Bitmap& picture) override { pictures.push_back(Copy(picture)); }
    void Overwrite(int index, tk::Bitmap& picture) override {
        pictures[index] = Copy(picture);
        overwritten.push_back(index);
    }
    int& Cursor() override { return cursor; }
    void Rearrange(const std::vector<int>&) override {}

    std::vector<tk::Bitmap> pictures;
    std::vector<int> overwritten;
    int cursor = 0;

private:
    static tk::Bitmap Copy(tk::Bitmap& picture) {
        tk::Bitmap copy(picture.Width(), picture.Height(), tk::PixelFormat::Bgr24);
        copy.GetCanvas().Draw(0, 0, picture);
        return copy;
    }
    int total_;
};

class ThumbnailRendererTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 100;
    static constexpr int kHeight = 80;

    ThumbnailRendererTest() { UseGlyphs(1); }

    // The main window's glyph list as a display of this whole scale has it.
    void UseGlyphs(int scale) {
        const int side = kGlyphSize * scale;
        glyphs_.Create(side, side, ILC_COLOR32 | ILC_MASK, kGlyphCount, 4);
        for (int i = 0; i < kGlyphCount; ++i) glyphs_.AddPixels(GlyphPixels(i, scale).data(), side, side);
    }

    RenderResult Render(HWND window, tk::Bitmap& target, const RenderOptions& options,
                        WindowEntry entry = {}, RegionSink* clipList = nullptr) {
        entry.handle = window;
        return renderer_.RenderThumbnail(entry, target, options, clipList);
    }

    tk::Bitmap Target() { return tk::Bitmap(kWidth, kHeight, tk::PixelFormat::Bgr24); }

    platform::PrintWindowApi print_ = platform::PrintWindowApi::Load();
    platform::ProcessPathApi paths_ = platform::ProcessPathApi::Load();
    ExclusionList exclusion_{[](const std::u16string& a, const std::u16string& b) { return a == b; }};
    WindowCatalogue catalogue_{paths_, exclusion_};
    tk::ImageList glyphs_;
    ThumbnailRenderer renderer_{print_, catalogue_, glyphs_};
};

TEST_F(ThumbnailRendererTest, FrameTellsClipsAndAutoUpdateAroundAWhiteRing) {
    struct Case {
        bool clips;
        bool autoUpdate;
        COLORREF frame;
    };
    const Case cases[] = {
        {false, true, kGrey}, {true, true, kBlue}, {false, false, kRed}, {true, false, kRed}};
    Picture picture{kLeft, kLeft};
    test::WindowOwner window = MakeWindow(picture, 200, 160);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "clips " << c.clips << " autoUpdate " << c.autoUpdate);
        WindowEntry entry;
        entry.autoUpdate = c.autoUpdate;
        if (c.clips) entry.clips = Clips({{0, 0, 50, 50}});  // not shown: "Auto" is off
        tk::Bitmap target = Target();
        const RenderResult result = Render(window.get(), target, {.stretch = true}, std::move(entry));
        EXPECT_TRUE(result.captured);
        EXPECT_EQ(window.get(), result.pictured);
        EXPECT_TRUE(RingIs(target, {0, 0, kWidth, kHeight}, c.frame));
        EXPECT_TRUE(RingIs(target, {1, 1, kWidth - 1, kHeight - 1}, kWhite));
        EXPECT_TRUE(AreaIs(target, {2, 2, kWidth - 2, kHeight - 2}, kLeft));
    }
}

TEST_F(ThumbnailRendererTest, PictureIsFittedUnlessStretchedOrTheClipListIsOpen) {
    struct Case {
        const char* name;
        int winWidth, winHeight;
        bool stretch;
        bool clipListOpen;
        RECT picture;  // the rest inside the frame is white
    };
    const Case cases[] = {
        // FitToBox(100, 80, 300, 100): 99 x 33 at (0, 23); bands above and below.
        {"wide", 300, 100, false, false, {2, 25, 97, 54}},
        // FitToBox(100, 80, 100, 300): 26 x 78 at (37, 1); bands left and right.
        {"tall", 100, 300, false, false, {39, 3, 61, 77}},
        {"stretched", 300, 100, true, false, {2, 2, 98, 78}},
        // No fit and no mark strip while the clipping list is open, even for
        // Open Only (set in every case here).
        {"clip list open", 300, 100, false, true, {2, 2, 98, 78}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture{kRight, kRight};
        test::WindowOwner window = MakeWindow(picture, c.winWidth, c.winHeight);
        tk::Bitmap target = Target();
        RecordingSink sink(0);
        RenderOptions options{.stretch = c.stretch};
        if (c.clipListOpen) options.openOnly = true;
        Render(window.get(), target, options, {}, c.clipListOpen ? &sink : nullptr);
        EXPECT_TRUE(AreaIs(target, c.picture, kRight));
        int coloured = 0;
        for (int y = 1; y < kHeight - 1; ++y)
            for (int x = 1; x < kWidth - 1; ++x) coloured += target.PixelAt(x, y) != kWhite;
        const RECT& p = c.picture;
        EXPECT_EQ((p.right - p.left) * (p.bottom - p.top), coloured);
        EXPECT_TRUE(sink.pictures.empty());
    }
}

// The marks are whole glyphs at the glyphs' size: 16 pixels at 96 DPI, 32
// at 144, in a strip as high as they need.
TEST_F(ThumbnailRendererTest, OpenOnlyLeavesTheBottomStripToTheStateMarks) {
    Picture picture{kLeft, kLeft};
    test::WindowOwner window = MakeWindow(picture, 200, 160);
    struct Case {
        int scale;
        bool parked;
        bool autoUpdate;
    };
    for (const Case c : {Case{1, true, true}, Case{1, false, false}, Case{1, true, false}, Case{2, true, true},
                         Case{2, false, true}}) {
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << " parked " << c.parked << " autoUpdate "
                                        << c.autoUpdate);
        UseGlyphs(c.scale);
        const int side = kGlyphSize * c.scale;
        const int stripTop = kHeight - side - 2;
        tk::Bitmap target = Target();
        Render(window.get(), target, {.stretch = true, .openOnly = true});
        EXPECT_TRUE(AreaIs(target, {2, 2, kWidth - 2, stripTop}, kLeft));
        EXPECT_TRUE(AreaIs(target, {1, stripTop, kWidth - 1, kHeight - 1}, kWhite));

        renderer_.DrawStateMarks(target, c.parked, c.autoUpdate);
        struct Cell {
            int left;
            bool shown;
            int glyph;
        };
        for (const Cell cell : {Cell{kWidth - 8 - 2 * side, c.autoUpdate, 18}, Cell{kWidth - 4 - side, c.parked, 6}}) {
            const auto pixels = GlyphPixels(cell.glyph, c.scale);
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    const COLORREF expected = cell.shown ? OverWhite(pixels[y * side + x]) : kWhite;
                    ASSERT_EQ(expected, target.PixelAt(cell.left + x, stripTop + y))
                        << "glyph " << cell.glyph << " at " << x << ", " << y;
                }
        }
        // The picture above and the frame are left alone.
        EXPECT_TRUE(AreaIs(target, {2, 2, kWidth - 2, stripTop}, kLeft));
        EXPECT_TRUE(RingIs(target, {0, 0, kWidth, kHeight}, kGrey));
    }
}

TEST_F(ThumbnailRendererTest, ClippingIsShownUnderTheAutoAndClipMenuRule) {
    struct Case {
        bool autoChecked;
        bool clipMenu;
        bool minimized;
        int clipIndex;
        COLORREF leftEdge;  // of the picture
        COLORREF rightEdge;
    };
    const Case cases[] = {
        {false, true, false, 0, kLeft, kRight},   // clipping shown only in automatic mode
        {true, true, false, 0, kRight, kRight},
        {false, false, false, 0, kRight, kRight},  // shown always
        {true, false, false, 0, kRight, kRight},
        {true, true, true, 0, kLeft, kRight},     // a minimised window is pictured whole
        {true, true, false, 1, kLeft, kLeft},     // the chosen slot
    };
    Picture picture{kLeft, kRight};
    test::WindowOwner window = MakeWindow(picture, 200, 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "auto " << c.autoChecked << " clipMenu " << c.clipMenu
                                        << " minimized " << c.minimized << " slot " << c.clipIndex);
        WindowEntry entry;
        entry.clips = Clips({{100, 0, 100, 100}, {0, 0, 60, 100}});
        entry.clipIndex = c.clipIndex;
        entry.minimized = c.minimized;
        tk::Bitmap target = Target();
        Render(window.get(), target,
               {.stretch = true, .autoChecked = c.autoChecked, .clipMenu = c.clipMenu},
               std::move(entry));
        EXPECT_EQ(c.leftEdge, target.PixelAt(3, kHeight / 2));
        EXPECT_EQ(c.rightEdge, target.PixelAt(kWidth - 4, kHeight / 2));
        EXPECT_TRUE(RingIs(target, {0, 0, kWidth, kHeight}, kBlue));
    }
}

// A window of fine detail shrunk to a thumbnail: the plain picture keeps
// some of its pixels as they are, the high-quality one blends them.
TEST_F(ThumbnailRendererTest, HighQualityBlendsFineDetailThePlainPictureDoesNot) {
    Picture picture{kWhite, kWhite};
    picture.checkered = true;
    test::WindowOwner window = MakeWindow(picture, 200, 160);
    for (const bool highQuality : {false, true}) {
        SCOPED_TRACE(highQuality ? "high quality" : "plain");
        tk::Bitmap target = Target();
        ASSERT_TRUE(Render(window.get(), target, {.stretch = true, .highQuality = highQuality}).captured);
        int blended = 0;
        for (int y = 2; y < kHeight - 2; ++y)
            for (int x = 2; x < kWidth - 2; ++x) {
                const COLORREF pixel = target.PixelAt(x, y);
                blended += pixel != kBlack && pixel != kWhite;
            }
        if (highQuality)
            EXPECT_GT(blended, (kWidth - 4) * (kHeight - 4) / 4);
        else
            EXPECT_EQ(0, blended);
    }
}

TEST_F(ThumbnailRendererTest, AWindowWithoutAreaIsPicturedThroughTheWindowItOwns) {
    Picture none{kWhite, kWhite};
    Picture framed{kRight, kRight};
    test::WindowOwner application = MakeWindow(none, 0, 0);
    test::WindowOwner lonely = MakeWindow(none, 0, 0);
    // Overlapped, not pop-up: an owned pop-up has a parent as far as GetParent
    // tells, and the visible window list leaves such windows out.
    test::WindowOwner frame = MakeWindow(framed, 240, 180, WS_OVERLAPPEDWINDOW, application.get());
    catalogue_.EnumerateVisible();

    tk::Bitmap target = Target();
    RenderResult result = Render(application.get(), target, {.stretch = true});
    EXPECT_EQ(frame.get(), result.pictured);
    EXPECT_TRUE(AreaIs(target, {2, 2, kWidth - 2, kHeight - 2}, kRight));

    // Nothing owned: a 1 x 1 source, so the picture area is one colour.
    result = Render(lonely.get(), target, {.stretch = true});
    EXPECT_EQ(lonely.get(), result.pictured);
    EXPECT_TRUE(AreaIs(target, {2, 2, kWidth - 2, kHeight - 2}, target.PixelAt(2, 2)));
    EXPECT_TRUE(RingIs(target, {0, 0, kWidth, kHeight}, kGrey));
}

// A window whose thread is busy must not freeze the caller: the capture is
// skipped and the thumbnail keeps its last picture. The window stays away
// until the test lets it go, so a render that waited for it would only come
// back once the hang's generous bound had run out, and the window would then
// have left its hang.
TEST_F(ThumbnailRendererTest, AWindowThatDoesNotAnswerKeepsItsLastPicture) {
    constexpr DWORD kHangBoundMs = 20000;
    Picture picture{kRight, kRight};
    platform::UniqueHandle release(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    platform::UniqueHandle entered(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    platform::UniqueHandle left(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    picture.release = release.get();
    picture.hangEntered = entered.get();
    picture.hangLeft = left.get();
    std::promise<DWORD> started;
    // The window lives and dies on a thread of its own, which the guard ends
    // however the test ends.
    struct Owner {
        std::thread thread;
        DWORD id = 0;
        HANDLE release = nullptr;
        ~Owner() {
            SetEvent(release);
            PostThreadMessageA(id, WM_QUIT, 0, 0);
            thread.join();
        }
    } owner;
    owner.release = release.get();
    HWND window = nullptr;
    owner.thread = std::thread([&] {
        test::WindowOwner own = MakeWindow(picture, 200, 160);
        window = own.get();
        started.set_value(GetCurrentThreadId());
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    });
    owner.id = started.get_future().get();
    ASSERT_TRUE(window);

    // Answering, another thread's window is captured as any other.
    tk::Bitmap target = Target();
    RenderResult result = Render(window, target, {.stretch = true});
    EXPECT_TRUE(result.captured);
    EXPECT_TRUE(AreaIs(target, {2, 2, kWidth - 2, kHeight - 2}, kRight));

    target.GetCanvas().SetBrushColor(kUntouched);
    target.GetCanvas().FillRect({0, 0, kWidth, kHeight});
    PostMessageA(window, kHangMessage, 0, kHangBoundMs);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(entered.get(), kHangBoundMs));
    result = Render(window, target, {.stretch = true});
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(left.get(), 0)) << "the render waited for the window";
    EXPECT_FALSE(result.captured);
    EXPECT_EQ(window, result.pictured);
    EXPECT_TRUE(AreaIs(target, {0, 0, kWidth, kHeight}, kUntouched));
    SetEvent(release.get());
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(left.get(), kHangBoundMs));
}

TEST_F(ThumbnailRendererTest, OpenClipListReceivesOnePicturePerRegion) {
    Picture picture{kLeft, kRight};
    test::WindowOwner window = MakeWindow(picture, 200, 100);
    auto entryWithRegions = [] {
        WindowEntry entry;
        // Slot 2 is hidden; slot 4 ends the set, so slot 5 is never a region.
        entry.clips = Clips({{100, 0, 100, 100}, {0, 0, 100, 100}, {0, 0, 200, 100},
                             {0, 0, 100, 50}, {0, 0, 0, 0}, {100, 0, 50, 50}});
        entry.hiddenClips = 1u << 2;
        return entry;
    };
    RecordingSink sink(3);
    tk::Bitmap target = Target();
    EXPECT_TRUE(Render(window.get(), target, {}, entryWithRegions(), &sink).captured);

    // First pass: appended in slot order, each fitted into the whole bitmap
    // anew and without a frame; the cursor counts every region.
    ASSERT_EQ(3u, sink.pictures.size());
    EXPECT_EQ(3, sink.cursor);
    // A square region: FitToBox(100, 80, 100, 100) gives 80 x 80 at (10, 0).
    EXPECT_TRUE(AreaIs(sink.pictures[0], {12, 2, 88, 78}, kRight));
    EXPECT_TRUE(AreaIs(sink.pictures[0], {0, 0, 12, kHeight}, kWhite));
    EXPECT_TRUE(AreaIs(sink.pictures[1], {12, 2, 88, 78}, kLeft));
    // 100 x 50: 100 x 50 at (0, 15).
    EXPECT_TRUE(AreaIs(sink.pictures[2], {2, 17, 98, 63}, kLeft));
    EXPECT_TRUE(AreaIs(sink.pictures[2], {0, 0, kWidth, 17}, kWhite));
    EXPECT_TRUE(AreaIs(target, {0, 0, kWidth, 17}, kWhite));  // the last region, no frame

    // Full list: pictures are overwritten from the cursor on, and the cursor
    // keeps counting past the end.
    sink.cursor = 1;
    Render(window.get(), target, {.stretch = true}, entryWithRegions(), &sink);
    EXPECT_EQ((std::vector<int>{1, 2}), sink.overwritten);
    EXPECT_EQ(4, sink.cursor);
    EXPECT_TRUE(AreaIs(sink.pictures[1], {2, 2, 98, 78}, kRight));  // stretched now

    // A minimised window keeps its old pictures but still takes its places.
    sink.overwritten.clear();
    sink.cursor = 0;
    ShowWindow(window.get(), SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window.get()));
    WindowEntry minimised = entryWithRegions();
    minimised.minimized = true;
    Render(window.get(), target, {}, std::move(minimised), &sink);
    EXPECT_TRUE(sink.overwritten.empty());
    EXPECT_EQ(3, sink.cursor);
}

TEST_F(ThumbnailRendererTest, IconCardIsTheGlyphEnlargedWithTheExecutablesIconCentred) {
    constexpr int kCardWidth = 160, kCardHeight = 128;  // 10 x 8 pixels per glyph pixel
    constexpr RECT kCentre{kCardWidth / 2 - 16, kCardHeight / 2 - 16, kCardWidth / 2 + 16,
                           kCardHeight / 2 + 16};
    Picture picture{kLeft, kLeft};
    test::WindowOwner window = MakeWindow(picture, 200, 100);
    const tk::IconOwner icon = platform::GetFileIcon(catalogue_.ExecutablePath(window.get()), false);
    ASSERT_TRUE(icon) << "the shell gives this executable no icon";

    // The glyph list of a display at 144 DPI holds the same art doubled,
    // which the card enlarges to the same picture.
    for (const auto& [scale, minimised] : {std::pair{1, false}, std::pair{1, true}, std::pair{2, false}}) {
        SCOPED_TRACE(testing::Message() << "scale " << scale << (minimised ? " minimised" : " shown"));
        UseGlyphs(scale);
        const auto glyph = GlyphPixels(minimised ? 5 : 0);
        auto glyphAt = [&](int x, int y) { return OverWhite(glyph[(y / 8) * kGlyphSize + x / 10]); };
        // The centre as it should be: the enlarged glyph with the icon on top.
        tk::Bitmap centre(32, 32, tk::PixelFormat::Bgr24);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                centre.GetCanvas().SetPixel(x, y, glyphAt(kCentre.left + x, kCentre.top + y));
        DrawIconEx(centre.Dc(), 0, 0, icon.get(), 0, 0, 0, nullptr, DI_NORMAL);

        tk::Bitmap card(kCardWidth, kCardHeight, tk::PixelFormat::Bgr24);
        renderer_.DrawIconCard(window.get(), minimised, false, card);
        int iconPixels = 0;
        for (int y = 0; y < kCardHeight; ++y)
            for (int x = 0; x < kCardWidth; ++x) {
                const bool inCentre = x >= kCentre.left && x < kCentre.right && y >= kCentre.top &&
                                      y < kCentre.bottom;
                const COLORREF expected =
                    inCentre ? centre.PixelAt(x - kCentre.left, y - kCentre.top) : glyphAt(x, y);
                ASSERT_EQ(expected, card.PixelAt(x, y)) << "at " << x << ", " << y;
                iconPixels += inCentre && expected != glyphAt(x, y);
            }
        EXPECT_GT(iconPixels, 0);  // the icon is not invisible on this glyph
    }

    // Stretched, the icon covers the card: more than the centre changes.
    tk::Bitmap plain(kCardWidth, kCardHeight, tk::PixelFormat::Bgr24);
    tk::Bitmap stretched(kCardWidth, kCardHeight, tk::PixelFormat::Bgr24);
    renderer_.DrawIconCard(window.get(), false, false, plain);
    renderer_.DrawIconCard(window.get(), false, true, stretched);
    int changedOutside = 0;
    for (int y = 0; y < kCardHeight; ++y)
        for (int x = 0; x < kCardWidth; ++x)
            if (x < kCentre.left || x >= kCentre.right || y < kCentre.top || y >= kCentre.bottom)
                changedOutside += plain.PixelAt(x, y) != stretched.PixelAt(x, y);
    EXPECT_GT(changedOutside, 0);
}

}  // namespace
}  // namespace vistrel
