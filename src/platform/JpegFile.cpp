#include "platform/JpegFile.h"

#include <windows.h>

#include <csetjmp>
#include <cstdio>
#include <memory>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#ifndef JCS_EXTENSIONS
#error "libjpeg-turbo is needed: pixels are handed over in B, G, R order (JCS_EXT_BGR)"
#endif

namespace vistrel::platform {

namespace {

// libjpeg's default error handler ends the process; ours jumps back to the
// compressor's caller instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// A GUI program has no console for libjpeg's warnings.
void DropMessage(j_common_ptr) {}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// longjmp skips destructors, so nothing in this frame may own anything beyond
// libjpeg's own structures.
bool Compress(std::FILE* file, int width, int height, const uint8_t* rows, int stride,
              int quality) {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.output_message = DropMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg's row type is not const but it only reads input rows.
        JSAMPROW row = const_cast<JSAMPROW>(rows + static_cast<size_t>(info.next_scanline) * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    // Flushes the last buffer; a full disk ends here through the error handler.
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

bool WriteJpegFile(const std::string& path, int width, int height,
                   const uint8_t* bgrTopDownRows, int stride, int quality) {
    if (width <= 0 || height <= 0 || bgrTopDownRows == nullptr ||
        static_cast<long long>(stride) < 3LL * width) {
        return false;
    }
    const std::string temp = path + ".tmp";
    UniqueFile file(std::fopen(temp.c_str(), "wb"));
    if (!file) return false;

    bool ok = Compress(file.get(), width, height, bgrTopDownRows, stride, quality);
    // fclose reports a write that failed only when the buffer is flushed.
    ok = std::fclose(file.release()) == 0 && ok;
    ok = ok && MoveFileExA(temp.c_str(), path.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) DeleteFileA(temp.c_str());
    return ok;
}

}  // namespace vistrel::platform
