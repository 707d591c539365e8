#include "controls/VersionSprite.h"

#include <array>
#include <string_view>

#include "common/PixelArt.h"

namespace vistrel {
namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

// None of them may be the transparent blue, or that part of the chick would
// show the panel through it.
constexpr Ink kInks[] = {
    {'.', kSpriteTransparent},
    {'k', Rgb(70, 45, 20)},     // outline
    {'y', Rgb(255, 214, 64)},   // body
    {'h', Rgb(255, 240, 160)},  // light on the head
    {'s', Rgb(232, 172, 40)},   // belly and wing shade
    {'S', Rgb(200, 140, 30)},   // wing edge
    {'o', Rgb(240, 128, 32)},   // beak and feet
    {'e', Rgb(40, 30, 30)},     // eyes
    {'w', Rgb(255, 255, 255)},  // the glint in an eye
    {'p', Rgb(255, 150, 150)},  // cheeks
    {'g', Rgb(60, 170, 90)},    // the quill
};

// Drawn at half size; every art pixel becomes a 2 x 2 block.
constexpr int kArtScale = 2;
constexpr int kArtSize = kSpriteFrameSize / kArtScale;
using Art = std::array<std::string_view, kArtSize>;

constexpr Art kFrames[2] = {
    {
        "................................",
        "................................",
        "...................kkk..........",
        "..................kgggk.........",
        ".................kggkk..........",
        ".................kggk...........",
        "................kggk............",
        "................kggk............",
        "...........kkkkkggkkk...........",
        "..........kyyyyyyyyyyk..........",
        "........kkyyyyyyyyyyyykk........",
        ".......kyyhhhhhhyyyyyyyyk.......",
        "......kyyhhhhhhhhyyyyyyyyk......",
        "......kyyhhhhhhhhyyyyyyyyk......",
        ".....kyyyyhhhhhhyyyyyyyyyyk.....",
        ".....kyyyyyweyyyyyyyweyyyyk.....",
        ".....kyyyyyeeyyyyyyyeeyyyyk.....",
        ".....kyyyyyeeyyyyyyyeeyyyyk.....",
        ".....kyyyyyyyyyyyyyyyyyyyyk.....",
        ".....kSSSppyyyyoooyyyyppSSk.....",
        ".....kSssSyyyyyyoyyyyySssSk.....",
        ".....kSssSyyyyyyyyyyyySssSk.....",
        "......kSsSyyyyyyyyyyyySsSk......",
        "......kSsSyssssssssssySsSk......",
        ".......kSSssssssssssssSSk.......",
        "........kksssssssssssskk........",
        "..........kssssssssssk..........",
        "...........kkkkkkkkkk...........",
        "............kok...kok...........",
        "...........koook.koook..........",
        "............kkk...kkk...........",
        "................................",
    },
    {
        "................................",
        "..........kgggk.................",
        "...........kkggk................",
        ".............kggk...............",
        ".............kggk...............",
        "..............kggk..............",
        "...........kkkkggkkkk...........",
        "...kkk....kyyyyyyyyyyk....kkk...",
        "..kSSSk.kkyyyyyyyyyyyykk.kSSSk..",
        "..kSsSkkyyhhhhhhyyyyyyyykkSsSk..",
        ".kSsssSyyhhhhhhhhyyyyyyyySsssSk.",
        ".kSsssSyyhhhhhhhhyyyyyyyySsssSk.",
        ".kSsssSyyyhhhhhhyyyyyyyyySsssSk.",
        ".kSsssSyyyyyeyyyyyyyyeyyySsssSk.",
        "..kSsSyyyyyeyeyyyyyyeyeyyySsSk..",
        "..kSSSyyyyyyyyyyyyyyyyyyyySSSk..",
        "...kkkyyyyyyyyyyyyyyyyyyyykkk...",
        ".....kyyyppyyyyoooyyyyppyyk.....",
        ".....kyyyyyyyyyyoyyyyyyyyyk.....",
        ".....kyyyyyyyyyyyyyyyyyyyyk.....",
        "......kyyyyyyyyyyyyyyyyyyk......",
        "......kyyyyssssssssssyyyyk......",
        ".......kyssssssssssssssyk.......",
        "........kksssssssssssskk........",
        "..........kssssssssssk..........",
        "...........kkkkkkkkkk...........",
        "............kook.kook...........",
        "............kok...kok...........",
        ".............k.....k............",
        "................................",
        "................................",
        "................................",
    },
};

constexpr bool OnlyTheBackgroundIsSeeThrough() {
    for (const Ink& ink : kInks) {
        if (ink.key != '.' && ink.colour == kSpriteTransparent) return false;
    }
    return true;
}

// A mistyped row or a stray key is a build error rather than a hole in the chick.
static_assert(WellFormedArt(kFrames, kArtSize, kInks), "each frame is 32 rows of 32 palette keys");
static_assert(OnlyTheBackgroundIsSeeThrough(), "no ink of the chick is the transparent blue");

}  // namespace

std::vector<uint32_t> VersionSpriteStrip() {
    std::vector<uint32_t> pixels(static_cast<size_t>(kSpriteStripWidth) * kSpriteStripHeight);
    for (int y = 0; y < kSpriteStripHeight; ++y) {
        for (int x = 0; x < kSpriteStripWidth; ++x) {
            const Art& art = kFrames[x / kSpriteFrameSize];
            const char key = art[y / kArtScale][(x % kSpriteFrameSize) / kArtScale];
            pixels[static_cast<size_t>(y) * kSpriteStripWidth + x] = FindInk(kInks, key)->colour;
        }
    }
    return pixels;
}

}  // namespace vistrel
