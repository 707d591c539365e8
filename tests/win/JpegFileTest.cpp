#include "platform/JpegFile.h"
#include "platform/Text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "TempFolder.h"

namespace {

using vistrel::platform::WriteJpegFile;

std::vector<unsigned char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Rows of B, G, R with DIB padding: blue grows to the right, green downwards,
// red is fixed, so a swapped channel order or a wrong stride shows.
struct Picture {
    int width;
    int height;
    int stride;
    std::vector<uint8_t> pixels;
};

Picture Gradient(int width, int height, uint8_t red) {
    Picture picture{width, height, (width * 3 + 3) & ~3, {}};
    picture.pixels.assign(static_cast<size_t>(picture.stride) * height, 0xEE);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &picture.pixels[static_cast<size_t>(y) * picture.stride + x * 3];
            p[0] = static_cast<uint8_t>(width > 1 ? x * 255 / (width - 1) : 0);
            p[1] = static_cast<uint8_t>(height > 1 ? y * 255 / (height - 1) : 0);
            p[2] = red;
        }
    }
    return picture;
}

struct Decoded {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

struct DecodeErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<DecodeErrors*>(info->err)->jump, 1);
}

// Fills `result`, which the caller owns: longjmp must not skip a destructor.
void Decode(const std::vector<unsigned char>& bytes, Decoded& result) {
    jpeg_decompress_struct info{};
    DecodeErrors errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        result.ok = false;
        return;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    result.width = static_cast<int>(info.output_width);
    result.height = static_cast<int>(info.output_height);
    result.rgb.resize(static_cast<size_t>(result.width) * result.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &result.rgb[static_cast<size_t>(info.output_scanline) * result.width * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    result.ok = true;
}

TEST(JpegFileTest, WritesWholeFilesThatDecodeToThePicture) {
    struct Case {
        int width, height;
        uint8_t red;
        int quality;
    };
    const Case cases[] = {
        {1, 1, 200, 90},    // smallest picture
        {37, 19, 30, 90},   // odd width: rows are padded to four bytes
        {160, 120, 128, 95},
        {160, 120, 128, 10},  // low quality still makes a valid file
    };
    vistrel::test::TempFolder folder("VistrelJpegTest");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " q" +
                     std::to_string(c.quality));
        const Picture picture = Gradient(c.width, c.height, c.red);
        const std::string path = folder.File("picture.jpg");
        ASSERT_TRUE(WriteJpegFile(vistrel::platform::Widen(path), c.width, c.height, picture.pixels.data(),
                                  picture.stride, c.quality));
        EXPECT_EQ(folder.Files(), std::set<std::string>{"picture.jpg"});

        const std::vector<unsigned char> bytes = ReadAll(path);
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(bytes[0], 0xFF);
        EXPECT_EQ(bytes[1], 0xD8);
        EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
        EXPECT_EQ(bytes[bytes.size() - 1], 0xD9);
        // Headers and tables alone take a few hundred bytes; a gradient
        // compresses well below its raw size.
        EXPECT_GT(bytes.size(), 300u);
        EXPECT_LT(bytes.size(), static_cast<size_t>(c.width) * c.height * 3 + 1000);

        if (c.quality < 50) continue;
        Decoded decoded;
        Decode(bytes, decoded);
        ASSERT_TRUE(decoded.ok);
        ASSERT_EQ(decoded.width, c.width);
        ASSERT_EQ(decoded.height, c.height);
        // Corners, in R, G, B order after decoding.
        const int corners[][2] = {{0, 0}, {c.width - 1, 0}, {0, c.height - 1},
                                  {c.width - 1, c.height - 1}};
        for (const auto& corner : corners) {
            const int x = corner[0], y = corner[1];
            const uint8_t* source = &picture.pixels[static_cast<size_t>(y) * picture.stride + x * 3];
            const uint8_t* got = &decoded.rgb[(static_cast<size_t>(y) * c.width + x) * 3];
            EXPECT_NEAR(got[0], source[2], 24) << "red at " << x << "," << y;
            EXPECT_NEAR(got[1], source[1], 24) << "green at " << x << "," << y;
            EXPECT_NEAR(got[2], source[0], 24) << "blue at " << x << "," << y;
        }
    }
}

TEST(JpegFileTest, ReplacesAnExistingFile) {
    vistrel::test::TempFolder folder("VistrelJpegTest");
    const std::string path = folder.File("old.jpg");
    {
        std::ofstream old(path, std::ios::binary);
        old << "not a picture";
    }
    const Picture picture = Gradient(16, 16, 0);
    ASSERT_TRUE(WriteJpegFile(vistrel::platform::Widen(path), 16, 16, picture.pixels.data(), picture.stride, 90));
    const std::vector<unsigned char> bytes = ReadAll(path);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    EXPECT_EQ(folder.Files(), std::set<std::string>{"old.jpg"});
}

// A file that merely has the name a fixed temporary name would take is the
// user's own: saving beside it leaves it alone.
TEST(JpegFileTest, LeavesAFileOfTheTemporaryNameAlone) {
    vistrel::test::TempFolder folder("VistrelJpegTest");
    const std::string path = folder.File("shot.jpg");
    const std::string neighbour = path + ".tmp";
    {
        std::ofstream out(neighbour, std::ios::binary);
        out << "the user's notes";
    }
    const Picture picture = Gradient(16, 16, 0);
    ASSERT_TRUE(WriteJpegFile(vistrel::platform::Widen(path), 16, 16, picture.pixels.data(), picture.stride, 90));
    const std::vector<unsigned char> kept = ReadAll(neighbour);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "the user's notes");
    EXPECT_EQ(folder.Files(), (std::set<std::string>{"shot.jpg", "shot.jpg.tmp"}));
}

TEST(JpegFileTest, FailsWithoutLeavingAnything) {
    vistrel::test::TempFolder folder("VistrelJpegTest");
    const Picture picture = Gradient(8, 8, 0);
    const std::vector<uint8_t> wideRow(70000 * 3);
    struct Case {
        const char* what;
        std::string path;
        int width, height, stride;
        const uint8_t* pixels;
    };
    const Case cases[] = {
        {"missing folder", folder.File("no such folder\\x.jpg"), 8, 8, picture.stride,
         picture.pixels.data()},
        {"zero width", folder.File("zero.jpg"), 0, 8, picture.stride, picture.pixels.data()},
        {"stride shorter than a row", folder.File("stride.jpg"), 8, 8, 8 * 3 - 1,
         picture.pixels.data()},
        {"no pixels", folder.File("null.jpg"), 8, 8, picture.stride, nullptr},
        // Beyond libjpeg's largest dimension: fails inside the compressor.
        {"too wide for JPEG", folder.File("wide.jpg"), 70000, 1, 70000 * 3,
         wideRow.data()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(WriteJpegFile(vistrel::platform::Widen(c.path), c.width, c.height, c.pixels, c.stride, 90));
        EXPECT_FALSE(Exists(c.path));
        EXPECT_TRUE(folder.Files().empty());
    }
}

}  // namespace
