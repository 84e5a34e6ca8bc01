#include "images/JpegReader.h"

#include <csetjmp>
#include <cstdio>
#include <string>

// jpeglib.h needs size_t and FILE declared first.
#include <jerror.h>
#include <jpeglib.h>

#include "base/Exception.h"
#include "render/PixelMath.h"

namespace taramel {

namespace {

// libjpeg reports errors by calling error_exit, which must not return. It
// jumps back into Decode below; no object with a destructor lives between
// the setjmp and the jump, so nothing is skipped.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings are ignored, except the one for data that ends before the
// picture does: a picture cut short is an error, not a grey lower half.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

// A progressive file may hold any number of scans, each of them a pass over
// the whole picture; a few hundred bytes of them can keep the decoder busy
// for minutes. Real pictures use about ten.
constexpr int kMaxScans = 500;

void ProgressMonitor(j_common_ptr info)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) {
        auto* manager = reinterpret_cast<ErrorManager*>(info->err);
        std::snprintf(manager->message, sizeof manager->message, "JPEG file has more than %d scans", kMaxScans);
        std::longjmp(manager->jump, 1);
    }
}

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager error;
    jpeg_progress_mgr progress;
};

// Returns false when libjpeg reported an error (its text is in the decoder).
bool Decode(Decoder& d, const std::uint8_t* data, std::size_t size, TBitmap& target, std::string& limitError)
{
    if (setjmp(d.error.jump))
        return false;
    jpeg_mem_src(&d.info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&d.info, TRUE);
    const std::int64_t width = d.info.image_width;
    const std::int64_t height = d.info.image_height;
    if (width <= 0 || height <= 0 || width > kJpegMaxSide || height > kJpegMaxSide ||
        width * height > kJpegMaxPixels ||
        width * height > static_cast<std::int64_t>(size) * kJpegPixelsPerByte + kJpegPixelAllowance) {
        limitError = "JPEG size " + std::to_string(width) + " x " + std::to_string(height) + " is out of range";
        return true;
    }
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&d.info);
    const int components = d.info.output_components;
    if ((cmyk && components != 4) || (!cmyk && components != 3))
        ERREXIT(&d.info, JERR_CONVERSION_NOTIMPL);
    target.SetSize(0, 0);
    target.SetPixelFormat(TPixelFormat::pf24bit);
    target.SetSize(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height));
    JSAMPARRAY row = (*d.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d.info), JPOOL_IMAGE,
                                                 d.info.output_width * components, 1);
    // Adobe writes CMYK inverted (0 is full ink); others write it plain.
    const bool inverted = d.info.saw_Adobe_marker;
    while (d.info.output_scanline < d.info.output_height) {
        const int y = static_cast<int>(d.info.output_scanline);
        if (jpeg_read_scanlines(&d.info, row, 1) != 1)
            ERREXIT(&d.info, JERR_INPUT_EMPTY);
        std::uint8_t* dst = target.ScanLine(y);
        const JSAMPLE* src = row[0];
        for (JDIMENSION x = 0; x < d.info.output_width; ++x) {
            if (cmyk) {
                unsigned c = src[4 * x], m = src[4 * x + 1], yl = src[4 * x + 2], k = src[4 * x + 3];
                if (!inverted) {
                    c = 255 - c; m = 255 - m; yl = 255 - yl; k = 255 - k;
                }
                dst[3 * x] = MulByte(yl, k);
                dst[3 * x + 1] = MulByte(m, k);
                dst[3 * x + 2] = MulByte(c, k);
            } else {
                dst[3 * x] = src[3 * x + 2];
                dst[3 * x + 1] = src[3 * x + 1];
                dst[3 * x + 2] = src[3 * x];
            }
        }
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

}  // namespace

void LoadJpegFromMemory(const std::uint8_t* data, std::size_t size, TBitmap& target)
{
    if (data == nullptr || size == 0)
        throw Exception("JPEG data is empty");
    if (size > 0x7FFFFFFF)
        throw Exception("JPEG data is too large");
    Decoder d{};
    d.info.err = jpeg_std_error(&d.error.pub);
    d.error.pub.error_exit = ErrorExit;
    d.error.pub.emit_message = EmitMessage;
    d.error.pub.output_message = OutputMessage;
    jpeg_create_decompress(&d.info);
    d.progress.progress_monitor = ProgressMonitor;
    d.info.progress = &d.progress;
    std::string limitError;
    bool decoded = false;
    try {
        decoded = Decode(d, data, size, target, limitError);
    } catch (...) {
        jpeg_destroy_decompress(&d.info);
        target.SetSize(0, 0);
        throw;
    }
    jpeg_destroy_decompress(&d.info);
    if (!decoded) {
        target.SetSize(0, 0);
        throw Exception(d.error.message);
    }
    if (!limitError.empty())
        throw Exception(limitError);
}

}  // namespace taramel
