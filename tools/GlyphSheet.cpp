// Writes every glyph as a PAM file (NN.pam) into the folder given, for
// glyph-sheet.sh to lay out. A host program: it links the portable glyph art only.
#include <cstdio>
#include <string>

#include "main/Glyphs.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    for (int i = 0; i < vistrel::kGlyphCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "/%02d.pam", i);
        const std::string path = std::string(argv[1]) + name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) {
            std::perror(path.c_str());
            return 1;
        }
        std::fprintf(f, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n",
                     vistrel::kGlyphSize, vistrel::kGlyphSize);
        for (uint32_t p : vistrel::GlyphPixels(i)) {
            const unsigned char rgba[4] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                           static_cast<unsigned char>(p), static_cast<unsigned char>(p >> 24)};
            std::fwrite(rgba, 1, 4, f);
        }
        std::fclose(f);
    }
    return 0;
}
