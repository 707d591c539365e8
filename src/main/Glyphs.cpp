#include "main/Glyphs.h"

#include <string_view>

#include "common/PixelArt.h"

namespace vistrel {
namespace {

// One small palette for the whole set, so the toolbar reads as one family:
// dark outlines, flat fills, a highlight colour or two. Colours are ARGB.
constexpr Ink kInks[] = {
    {'.', 0x00000000},  // transparent
    {'k', 0xFF000000},  // black outline
    {'g', 0xFF808080},  // grey
    {'G', 0xFFC0C0C0},  // silver
    {'w', 0xFFFFFFFF},  // white
    {'B', 0xFF0A246A},  // navy: outline of blue shapes
    {'b', 0xFF2A62D8},  // blue: title bars, arrows
    {'c', 0xFFA8CCF4},  // light blue: sky, see-through
    {'R', 0xFF901010},  // dark red: outline of red shapes
    {'r', 0xFFE02828},  // red
    {'Y', 0xFFA07000},  // ochre: outline of yellow shapes
    {'y', 0xFFFFD840},  // yellow
    {'N', 0xFF106010},  // dark green: outline of green shapes
    {'n', 0xFF38B038},  // green
};

using Art = std::array<std::string_view, kGlyphSize>;

// Indexes are fixed by the menus and buttons that name them; keep the order.
constexpr std::array<Art, kGlyphCount> kArt = {{
    // 0: show window (restore); also the backdrop of an icon card.
    {
        "................",
        "kkkkkkkkkkkkkkkk",
        "kbbbbbbbbbbbbbbk",
        "kbwwwwwbbbbwbwbk",
        "kbbbbbbbbbbbbbbk",
        "kkkkkkkkkkkkkkkk",
        "kwwwwwwwwwwwwwwk",
        "kwGGGGGGGGGwwwwk",
        "kwwwwwwwwwwwwwwk",
        "kwGGGGGGGGGGGwwk",
        "kwwwwwwwwwwwwwwk",
        "kwGGGGGGwwwwwwwk",
        "kwwwwwwwwwwwwwwk",
        "kwwwwwwwwwwwwwwk",
        "kkkkkkkkkkkkkkkk",
        "................",
    },
    // 1: minimise (iconise): down into a bare title bar.
    {
        "................",
        "......NNNN......",
        "......NnnN......",
        "......NnnN......",
        "......NnnN......",
        "...NNNNnnNNNN...",
        "....NnnnnnnN....",
        ".....NnnnnN.....",
        "......NnnN......",
        ".......NN.......",
        "................",
        "kkkkkkkkkkkkkkkk",
        "kbbbbbbbbbbbbbbk",
        "kbwwwwwbbbbwbwbk",
        "kbbbbbbbbbbbbbbk",
        "kkkkkkkkkkkkkkkk",
    },
    // 2: close.
    {
        "................",
        ".RRR........RRR.",
        ".RrrR......RrrR.",
        ".RrrrR....RrrrR.",
        "..RrrrR..RrrrR..",
        "...RrrrRRrrrR...",
        "....RrrrrrrR....",
        ".....RrrrrR.....",
        ".....RrrrrR.....",
        "....RrrrrrrR....",
        "...RrrrRRrrrR...",
        "..RrrrR..RrrrR..",
        ".RrrrR....RrrrR.",
        ".RrrR......RrrR.",
        ".RRR........RRR.",
        "................",
    },
    // 3: refresh.
    {
        "................",
        "....NNNNNN......",
        "..NNnnnnnnNN....",
        ".NnnnnnnnnnnN...",
        ".NnnnNNNNnnnN...",
        "NnnnN....NnnnN..",
        "NnnN......NnnN..",
        "NnnN......NnnN..",
        "NnnN......NnnN..",
        "NnnN....NNNnnNNN",
        "NnnnN...NnnnnnnN",
        ".NnnnNN..NnnnnN.",
        ".NnnnnN...NnnN..",
        "..NNnnN....NN...",
        "....NNN.........",
        "................",
    },
    // 4: select all.
    {
        "kk.kk.kk.kk.kk.k",
        "k..............k",
        "..BBBBB..BBBBB..",
        "k.BbbbB..BbbbB.k",
        "k.BbbbB..BbbbB.k",
        "..BbbbB..BbbbB..",
        "k.BBBBB..BBBBB.k",
        "k..............k",
        "................",
        "k.BBBBB..BBBBB.k",
        "k.BbbbB..BbbbB.k",
        "..BbbbB..BbbbB..",
        "k.BbbbB..BbbbB.k",
        "k.BBBBB..BBBBB.k",
        "................",
        "kk.kk.kk.kk.kk.k",
    },
    // 5: minimised windows; also the backdrop of a minimised icon card.
    {
        "................",
        "kkkkkkkkkkk.....",
        "kbbbbbbbbbk.....",
        "kbccccbbwbk.....",
        "kkkkkkkkkkk.....",
        "................",
        "..kkkkkkkkkkk...",
        "..kbbbbbbbbbk...",
        "..kbccccbbwbk...",
        "..kkkkkkkkkkk...",
        "................",
        ".....kkkkkkkkkkk",
        ".....kbbbbbbbbbk",
        ".....kbccccbbwbk",
        ".....kkkkkkkkkkk",
        "................",
    },
    // 6: parked (moved off the screen): a parking sign.
    {
        ".BBBBBBBBBBBBBB.",
        "BbbbbbbbbbbbbbbB",
        "BbbbwwwwwwbbbbbB",
        "BbbbwwwwwwwbbbbB",
        "BbbbwwbbbwwwbbbB",
        "BbbbwwbbbbwwbbbB",
        "BbbbwwbbbwwwbbbB",
        "BbbbwwwwwwwbbbbB",
        "BbbbwwwwwwbbbbbB",
        "BbbbwwbbbbbbbbbB",
        "BbbbwwbbbbbbbbbB",
        "BbbbwwbbbbbbbbbB",
        "BbbbwwbbbbbbbbbB",
        "BbbbwwbbbbbbbbbB",
        "BbbbbbbbbbbbbbbB",
        ".BBBBBBBBBBBBBB.",
    },
    // 7: bring to front.
    {
        "kkkkkkkkkk......",
        "kggggggggk......",
        "kggggggggk......",
        "kkkkkkkkkk......",
        "kGGGGGGGGk......",
        "kGGGGkkkkkkkkkkk",
        "kGGGGkbbbbbbbbbk",
        "kGGGGkbwwwwbbbbk",
        "kGGGGkkkkkkkkkkk",
        "kkkkkkwwwwwwwwwk",
        ".....kwwwwwwwwwk",
        ".....kwwwwwwwwwk",
        ".....kwwwwwwwwwk",
        ".....kwwwwwwwwwk",
        ".....kwwwwwwwwwk",
        ".....kkkkkkkkkkk",
    },
    // 8: make translucent.
    {
        "................",
        "kkkkkkkkkkkkkkkk",
        "kbbbbbbbbbbbbbbk",
        "kbwwwwwbbbbwbwbk",
        "kbbbbbbbbbbbbbbk",
        "kkkkkkkkkkkkkkkk",
        "k.c.c.c.c.c.c.ck",
        "kc.c.c.c.c.c.c.k",
        "k.c.c.c.c.c.c.ck",
        "kc.c.c.c.c.c.c.k",
        "k.c.c.c.c.c.c.ck",
        "kc.c.c.c.c.c.c.k",
        "k.c.c.c.c.c.c.ck",
        "kc.c.c.c.c.c.c.k",
        "kkkkkkkkkkkkkkkk",
        "................",
    },
    // 9: translucency level.
    {
        "................",
        "kkkkkkkkkkkkkkkk",
        "kBBbbbcccc.c.c.k",
        "kBBbbbccc.c.c..k",
        "kBBbbbcccc.c.c.k",
        "kBBbbbccc.c.c..k",
        "kkkkkkkkkkkkkkkk",
        "................",
        ".........kkkkk..",
        ".........kwwwk..",
        "gggggggggkwwwkgg",
        "gggggggggkwwwkgg",
        ".........kwwwk..",
        "..........kwk...",
        "...........k....",
        "................",
    },
    // 10: remove translucency.
    {
        "kkkkkkkkkkkk....",
        "kbbbbbbbbbbk....",
        "kbwwwbbbbbbk....",
        "kkkkkkkkkkkk....",
        "k.c.c.c.c.ck....",
        "kc.c.c.c.c.k....",
        "k.c.c.c.c.ck....",
        "kc.c.c.c.c.k....",
        "k.c.c.c.RRck..RR",
        "kc.c.c.cRrRk.RrR",
        "k.c.c.c.cRrRRrR.",
        "kkkkkkkkkkRrrR..",
        "..........RrrR..",
        ".........RrRRrR.",
        "........RrR..RrR",
        "........RR....RR",
    },
    // 11: version (about).
    {
        "................",
        ".....BBBBBB.....",
        "...BBbbbbbbBB...",
        "..BbbbbwwbbbbB..",
        "..BbbbbwwbbbbB..",
        ".BbbbbbbbbbbbbB.",
        ".BbbbbwwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        ".BbbbbbwwbbbbbB.",
        "..BbbbbwwbbbbB..",
        "..BbbbwwwwbbbB..",
        "...BBbbbbbbBB...",
        ".....BBBBBB.....",
        "................",
    },
    // 12: help.
    {
        "................",
        ".....YYYYYY.....",
        "...YYyyyyyyYY...",
        "..YyyyBBBByyyY..",
        "..YyyBByyBByyY..",
        ".YyyyyyyyBByyyY.",
        ".YyyyyyyBByyyyY.",
        ".YyyyyyBByyyyyY.",
        ".YyyyyyBByyyyyY.",
        ".YyyyyyyyyyyyyY.",
        ".YyyyyyBByyyyyY.",
        "..YyyyyBByyyyY..",
        "..YyyyyyyyyyyY..",
        "...YYyyyyyyYY...",
        ".....YYYYYY.....",
        "................",
    },
    // 13: clipping (region): crop marks round a picture.
    {
        "..kk............",
        "..kk............",
        "kkkkkkkkkkkkkk..",
        "kkkkkkkkkkkkkk..",
        "..kkcccccccckk..",
        "..kkcccccccckk..",
        "..kkccccccnnkk..",
        "..kkcccccnnnkk..",
        "..kkcnnnnnnnkk..",
        "..kknnnnnnnnkk..",
        "..kknnnnnnnnkk..",
        "..kknnnnnnnnkk..",
        "..kkkkkkkkkkkkkk",
        "..kkkkkkkkkkkkkk",
        "............kk..",
        "............kk..",
    },
    // 14: on.
    {
        "................",
        "................",
        "................",
        "................",
        "..kkkkkkkkkkkk..",
        ".knnnnnnnkwwwwk.",
        "knnnnnnnkwwwwwwk",
        "knnnnnnnkwwwwwwk",
        "knnnnnnnkwwwwwwk",
        "knnnnnnnkwwwwwwk",
        ".knnnnnnnkwwwwk.",
        "..kkkkkkkkkkkk..",
        "................",
        "................",
        "................",
        "................",
    },
    // 15: off.
    {
        "................",
        "................",
        "................",
        "................",
        "..kkkkkkkkkkkk..",
        ".kwwwwkGGGGGGGk.",
        "kwwwwwwkGGGGGGGk",
        "kwwwwwwkGGGGGGGk",
        "kwwwwwwkGGGGGGGk",
        "kwwwwwwkGGGGGGGk",
        ".kwwwwkGGGGGGGk.",
        "..kkkkkkkkkkkk..",
        "................",
        "................",
        "................",
        "................",
    },
    // 16: automatic clipping display, unchecked.
    {
        "................",
        ".BBBBBBBBBBBBBB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BBBBBBBBBBBBBB.",
        "................",
    },
    // 17: automatic clipping display, checked.
    {
        "................",
        ".BBBBBBBBBBBBBB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BwwwwwwwwwwNwB.",
        ".BwwwwwwwwwNNwB.",
        ".BwwwwwwwwNNNwB.",
        ".BwNwwwwwNNNwwB.",
        ".BwNNwwwNNNwwwB.",
        ".BwNNNwNNNwwwwB.",
        ".BwwNNNNNwwwwwB.",
        ".BwwwNNNwwwwwwB.",
        ".BwwwwNwwwwwwwB.",
        ".BwwwwwwwwwwwwB.",
        ".BBBBBBBBBBBBBB.",
        "................",
    },
    // 18: automatic update; also drawn on thumbnails.
    {
        "................",
        ".....kkkkkk.....",
        "...kkwwwwwwkk...",
        "..kwwwwggwwwwk..",
        "..kwwwwkwwwwwk..",
        ".kwwwwwkwwwwwwk.",
        ".kwwwwwkwwwwwwk.",
        ".kggwwwkkkkwggk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        "..kwwwwwwwwwwk..",
        "..kwwwwggwwwwk..",
        "...kkwwwwwwkk...",
        ".....kkkkkk.....",
        "................",
    },
    // 19: sort.
    {
        "................",
        "..kkk......bb...",
        ".k...k.....bb...",
        ".k...k.....bb...",
        ".kkkkk.....bb...",
        ".k...k.....bb...",
        ".k...k.....bb...",
        "...........bb...",
        ".kkkkk.....bb...",
        ".....k.....bb...",
        "....k...bbbbbbbb",
        "...k.....bbbbbb.",
        "..k.......bbbb..",
        ".kkkkk.....bb...",
        "................",
        "................",
    },
    // 20: move forward (left).
    {
        "................",
        "................",
        "......B.........",
        ".....BB.........",
        "....BbB.........",
        "...BbbBBBBBBBBB.",
        "..BbbbbbbbbbbbB.",
        ".BbbbbbbbbbbbbB.",
        ".BbbbbbbbbbbbbB.",
        "..BbbbbbbbbbbbB.",
        "...BbbBBBBBBBBB.",
        "....BbB.........",
        ".....BB.........",
        "......B.........",
        "................",
        "................",
    },
    // 21: move back (right).
    {
        "................",
        "................",
        ".........B......",
        ".........BB.....",
        ".........BbB....",
        ".BBBBBBBBBbbB...",
        ".BbbbbbbbbbbbB..",
        ".BbbbbbbbbbbbbB.",
        ".BbbbbbbbbbbbbB.",
        ".BbbbbbbbbbbbB..",
        ".BBBBBBBBBbbB...",
        ".........BbB....",
        ".........BB.....",
        ".........B......",
        "................",
        "................",
    },
    // 22: spare: a grid of windows.
    {
        "kkkkkkk..kkkkkkk",
        "kbbbbbk..kbbbbbk",
        "kkkkkkk..kkkkkkk",
        "kwwwwwk..kwwwwwk",
        "kwwwwwk..kwwwwwk",
        "kwwwwwk..kwwwwwk",
        "kkkkkkk..kkkkkkk",
        "................",
        "................",
        "kkkkkkk..kkkkkkk",
        "kbbbbbk..kbbbbbk",
        "kkkkkkk..kkkkkkk",
        "kwwwwwk..kwwwwwk",
        "kwwwwwk..kwwwwwk",
        "kwwwwwk..kwwwwwk",
        "kkkkkkk..kkkkkkk",
    },
    // 23: exclude / exclusion list.
    {
        "kkkkkkkkkkkk....",
        "kbbbbbbbbbbk....",
        "kbwwwbbbbbbk....",
        "kkkkkkkkkkkk....",
        "kwwwwwwwwwwk....",
        "kwwwwwwwRRRRR...",
        "kwwwwwwRrrrrrR..",
        "kwwwwwRrrwwwrrR.",
        "kwwwwRrrrrwwwrrR",
        "kwwwwRrwrrrwwwrR",
        "kkkkkRrwwrrrwwrR",
        ".....RrwwwrrrwrR",
        ".....RrrwwwrrrrR",
        "......RrrwwwrrR.",
        ".......RrrrrrR..",
        "........RRRRR...",
    },
    // 24: delete.
    {
        "................",
        "......kkkkk.....",
        "..kkkkkkkkkkkkk.",
        "..kGGGGGGGGGGGk.",
        "..kkkkkkkkkkkkk.",
        "...kGGgGgGgGGk..",
        "...kGGgGgGgGGk..",
        "...kGGgGgGgGGk..",
        "...kGGgGgGgGGk..",
        "...kGGgGgGgGGk..",
        "...kGGgGgGgGGk..",
        "...kGGgGgGgGGk..",
        "...kGGgGgGgGGk..",
        "...kGGgGgGgGGk..",
        "...kGGGGGGGGGk..",
        "....kkkkkkkkk...",
    },
    // 25: save (a diskette).
    {
        "BBBBBBBBBBBBBBB.",
        "BbBwwwwwwwwwwBbB",
        "BbBwwwwwwwwwwBbB",
        "BbBwggggggggwBbB",
        "BbBwwwwwwwwwwBbB",
        "BbBwggggggggwBbB",
        "BbBwwwwwwwwwwBbB",
        "BbBBBBBBBBBBBBbB",
        "BbbbbbbbbbbbbbbB",
        "BbbbbbbbbbbbbbbB",
        "BbbbGGGGGGGGbbbB",
        "BbbbGGBBGGGGbbbB",
        "BbbbGGBBGGGGbbbB",
        "BbbbGGBBGGGGbbbB",
        "BbbbGGGGGGGGbbbB",
        "BBBBBBBBBBBBBBBB",
    },
    // 26: clipping list: a grid of regions.
    {
        "kkkkkkkkkkkkkkkk",
        "kcccckcccckcccck",
        "kcccckccnnkcccck",
        "kccnnknnnnkcnnnk",
        "knnnnknnnnknnnnk",
        "kkkkkkkkkkkkkkkk",
        "kcccckcccckcccck",
        "kcnnnkcccckccnnk",
        "knnnnkcnnnknnnnk",
        "knnnnknnnnknnnnk",
        "kkkkkkkkkkkkkkkk",
        "kcccckcccckcccck",
        "kccnnkcccckcccck",
        "knnnnkcnnnkcccck",
        "knnnnknnnnknnnnk",
        "kkkkkkkkkkkkkkkk",
    },
    // 27: copy.
    {
        "kkkkkkkkkk......",
        "kwwwwwwwwk......",
        "kwggggggwk......",
        "kwwwwwwwwk......",
        "kwggggkkkkkkkkkk",
        "kwwwwwkwwwwwwwwk",
        "kwggggkwggggggwk",
        "kwwwwwkwwwwwwwwk",
        "kwggggkwggggggwk",
        "kwwwwwkwwwwwwwwk",
        "kwggggkwggggggwk",
        "kkkkkkkwwwwwwwwk",
        "......kwggggggwk",
        "......kwwwwwwwwk",
        "......kwwwwwwwwk",
        "......kkkkkkkkkk",
    },
}};

// A mistyped row is a build error rather than a stray pixel on the toolbar.
static_assert(WellFormedArt(kArt, kGlyphSize, kInks), "every glyph is 16 rows of 16 palette characters");

}  // namespace

std::array<uint32_t, kGlyphSize * kGlyphSize> GlyphPixels(int index) {
    std::array<uint32_t, kGlyphSize * kGlyphSize> pixels{};
    if (index < 0 || index >= kGlyphCount) return pixels;
    const Art& art = kArt[index];
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            pixels[y * kGlyphSize + x] = FindInk(kInks, art[y][x])->colour;
        }
    }
    return pixels;
}

std::vector<uint32_t> GlyphPixels(int index, int scale) {
    if (scale < 1) scale = 1;
    const auto art = GlyphPixels(index);
    const int side = kGlyphSize * scale;
    std::vector<uint32_t> pixels(static_cast<size_t>(side) * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) pixels[y * side + x] = art[(y / scale) * kGlyphSize + x / scale];
    return pixels;
}

}  // namespace vistrel
