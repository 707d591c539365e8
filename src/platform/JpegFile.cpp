#include "platform/JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <string>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>
#include <jerror.h>

#include "platform/Files.h"

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

// libjpeg writes into memory, and the file is then written whole by the
// program's one safe replacement of a file's contents. A file of our own
// next to the target (say `path` + ".tmp") could overwrite a user's file.
struct MemoryDestination {
    jpeg_destination_mgr base;
    std::string* bytes;
    JOCTET buffer[64 * 1024];

    // No exception may cross libjpeg's C frames; a failure goes through its
    // error handler instead.
    bool Append(size_t count) noexcept {
        try {
            bytes->append(reinterpret_cast<const char*>(buffer), count);
            return true;
        } catch (...) {
            return false;
        }
    }
};

MemoryDestination& DestinationOf(j_compress_ptr info) {
    return *reinterpret_cast<MemoryDestination*>(info->dest);
}

void StartBuffer(j_compress_ptr info) {
    MemoryDestination& destination = DestinationOf(info);
    destination.base.next_output_byte = destination.buffer;
    destination.base.free_in_buffer = sizeof destination.buffer;
}

boolean FlushFullBuffer(j_compress_ptr info) {
    MemoryDestination& destination = DestinationOf(info);
    // libjpeg hands over the whole buffer here, whatever free_in_buffer says.
    if (!destination.Append(sizeof destination.buffer)) ERREXIT(info, JERR_OUT_OF_MEMORY);
    StartBuffer(info);
    return TRUE;
}

void FlushLastBuffer(j_compress_ptr info) {
    MemoryDestination& destination = DestinationOf(info);
    if (!destination.Append(sizeof destination.buffer - destination.base.free_in_buffer))
        ERREXIT(info, JERR_OUT_OF_MEMORY);
}

// longjmp skips destructors, so nothing in this frame may own anything beyond
// libjpeg's own structures; the destination belongs to the caller.
bool Compress(MemoryDestination& destination, int width, int height, const uint8_t* rows, int stride,
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
    destination.base.init_destination = StartBuffer;
    destination.base.empty_output_buffer = FlushFullBuffer;
    destination.base.term_destination = FlushLastBuffer;
    info.dest = &destination.base;
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
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

bool WriteJpegFile(const std::u16string& path, int width, int height,
                   const uint8_t* bgrTopDownRows, int stride, int quality) {
    if (width <= 0 || height <= 0 || bgrTopDownRows == nullptr ||
        static_cast<long long>(stride) < 3LL * width) {
        return false;
    }
    std::string bytes;
    MemoryDestination destination{};
    destination.bytes = &bytes;
    if (!Compress(destination, width, height, bgrTopDownRows, stride, quality)) return false;
    return ReplaceFileContents(path, bytes);
}

}  // namespace vistrel::platform
