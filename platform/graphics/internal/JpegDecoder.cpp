#include "graphics/internal/JpegDecoder.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio> // jpeglib.h uses FILE and size_t without including anything itself
#include <cstring>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

namespace platform {

namespace {

// libjpeg reports fatal errors by calling error_exit, whose default prints and
// calls exit(). We longjmp back to DecodeIntoBuffer instead. Everything the
// longjmp has to survive lives in this struct, which belongs to the caller's
// frame: locals of the function that calls setjmp would be indeterminate after
// the jump, and C++ objects with destructors would be skipped.
struct DecoderErrorManager {
    jpeg_error_mgr pub; // must stay first: libjpeg hands us a jpeg_error_mgr*
    std::jmp_buf jumpBuffer;
    char message[JMSG_LENGTH_MAX];
};

// Called once the picture's size is known and within limits. Returns the first
// byte of height rows of bytesPerLine bytes each, or nullptr when the memory
// could not be had. Must not throw: an exception would skip libjpeg's cleanup.
using AllocateRowsFn = std::uint8_t* (*)(void* context, int width, int height,
                                         std::size_t* bytesPerLine) noexcept;

struct DecodeJob {
    const std::uint8_t* data;
    std::size_t size;
    AllocateRowsFn allocateRows;
    void* allocateContext;

    jpeg_decompress_struct cinfo;
    DecoderErrorManager errors;
    jpeg_progress_mgr progress;
};

DecoderErrorManager* ErrorsOf(j_common_ptr cinfo)
{
    return reinterpret_cast<DecoderErrorManager*>(cinfo->err);
}

[[noreturn]] void JumpOut(j_common_ptr cinfo)
{
    std::longjmp(ErrorsOf(cinfo)->jumpBuffer, 1);
}

// For failures we detect ourselves; the message ends up in EJPEGError::what()
// exactly like one of libjpeg's.
[[noreturn]] void FailWith(j_common_ptr cinfo, const char* format, long a, long b)
{
    std::snprintf(ErrorsOf(cinfo)->message, sizeof ErrorsOf(cinfo)->message, format, a, b);
    JumpOut(cinfo);
}

[[noreturn]] void OnFatalError(j_common_ptr cinfo)
{
    cinfo->err->format_message(cinfo, ErrorsOf(cinfo)->message);
    JumpOut(cinfo);
}

// We report through exceptions, never on stderr.
void DiscardOutputMessage(j_common_ptr) {}

// Warnings that say nothing about the pixels. Everything else libjpeg warns
// about means the entropy-coded data is damaged or missing (truncated file,
// bad Huffman code, lost restart marker, inconsistent progression), and
// libjpeg would carry on and hand back a picture padded with grey. We would
// rather refuse the file than show a silently broken image.
bool IsHarmlessWarning(int messageCode)
{
    switch (messageCode) {
    case JWRN_JFIF_MAJOR:      // newer JFIF revision than libjpeg knows
    case JWRN_ADOBE_XFORM:     // unknown Adobe transform; libjpeg guesses sensibly
    case JWRN_EXTRANEOUS_DATA: // junk between segments, common from sloppy writers
    case JWRN_BOGUS_ICC:       // we do not use the embedded colour profile
        return true;
    default:
        return false;
    }
}

void OnMessage(j_common_ptr cinfo, int msgLevel)
{
    // Non-negative levels are trace output, which we never want.
    if (msgLevel >= 0)
        return;
    cinfo->err->num_warnings++;
    if (!IsHarmlessWarning(cinfo->err->msg_code))
        OnFatalError(cinfo);
}

// libjpeg calls this between chunks of work, including once per scan while
// jpeg_start_decompress swallows a progressive file, which is where a file
// made of thousands of tiny scans would otherwise spend minutes.
void LimitScans(j_common_ptr cinfo)
{
    const auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > kMaxJpegScans)
        FailWith(cinfo, "JPEG file has more than %ld scans (found %ld so far)", kMaxJpegScans,
                 dinfo->input_scan_number);
}

// The only function that calls setjmp: it must hold no object with a
// destructor, and it keeps all state that outlives a longjmp in *job.
// Returns true on success; otherwise job->errors.message says why.
bool DecodeIntoBuffer(DecodeJob* job)
{
    std::memset(&job->cinfo, 0, sizeof job->cinfo);
    job->cinfo.err = jpeg_std_error(&job->errors.pub);
    job->errors.pub.error_exit = OnFatalError;
    job->errors.pub.output_message = DiscardOutputMessage;
    job->errors.pub.emit_message = OnMessage;
    job->errors.message[0] = '\0';

    if (setjmp(job->errors.jumpBuffer)) {
        // Safe on a half-built decompressor too: it only frees what exists.
        jpeg_destroy_decompress(&job->cinfo);
        if (job->errors.message[0] == '\0')
            std::snprintf(job->errors.message, sizeof job->errors.message, "%s",
                          "JPEG decoding failed");
        return false;
    }

    j_decompress_ptr cinfo = &job->cinfo;
    const auto common = reinterpret_cast<j_common_ptr>(cinfo);
    jpeg_create_decompress(cinfo);

    job->progress = {};
    job->progress.progress_monitor = LimitScans;
    cinfo->progress = &job->progress;

    // jpeg_mem_src's length is an unsigned long, which is 32 bits on Windows.
    if (job->size > ULONG_MAX)
        FailWith(common, "JPEG data too large (%ld MiB)", static_cast<long>(job->size >> 20), 0);
    // Raises libjpeg's "Empty input buffer" for a null pointer or zero size.
    jpeg_mem_src(cinfo, job->data, static_cast<unsigned long>(job->size));

    jpeg_read_header(cinfo, TRUE);

    // Checked before jpeg_start_decompress, which is where libjpeg allocates
    // the whole-image coefficient buffer of a progressive file.
    const JDIMENSION width = cinfo->image_width;
    const JDIMENSION height = cinfo->image_height;
    if (width > static_cast<JDIMENSION>(kMaxJpegSide) ||
        height > static_cast<JDIMENSION>(kMaxJpegSide) ||
        static_cast<std::uint64_t>(width) * height > kMaxJpegPixels)
        FailWith(common, "JPEG image too large (%ldx%ld pixels)", static_cast<long>(width),
                 static_cast<long>(height));

    // BGRA rather than BGRX: both put the bytes in QImage::Format_RGB32 order,
    // but only the alpha variants promise the fourth byte is 0xFF; with BGRX
    // libjpeg-turbo may leave whatever is fastest there. Greyscale input is
    // expanded to grey RGB by the same conversion. CMYK/YCCK input is refused
    // here by libjpeg ("Unsupported color conversion request").
    cinfo->out_color_space = JCS_EXT_BGRA;

    jpeg_start_decompress(cinfo);
    if (cinfo->output_components != 4)
        FailWith(common, "JPEG output has %ld components instead of 4", cinfo->output_components, 0);

    std::size_t bytesPerLine = 0;
    std::uint8_t* const firstRow =
        job->allocateRows(job->allocateContext, static_cast<int>(cinfo->output_width),
                          static_cast<int>(cinfo->output_height), &bytesPerLine);
    if (firstRow == nullptr)
        FailWith(common, "Out of memory for a %ldx%ld JPEG image", static_cast<long>(cinfo->output_width),
                 static_cast<long>(cinfo->output_height));

    // Handing libjpeg several rows per call spares it staging subsampled
    // chroma through its own one-row buffer.
    constexpr int kRowsPerCall = 16;
    JSAMPROW rows[kRowsPerCall];
    while (cinfo->output_scanline < cinfo->output_height) {
        const JDIMENSION first = cinfo->output_scanline;
        const JDIMENSION count =
            std::min<JDIMENSION>(kRowsPerCall, cinfo->output_height - first);
        for (JDIMENSION i = 0; i < count; ++i)
            rows[i] = firstRow + (first + i) * bytesPerLine;
        jpeg_read_scanlines(cinfo, rows, count);
    }

    // Reads up to EOI, so damage after the last row of a baseline file is
    // still noticed.
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return true;
}

} // namespace

QImage DecodeJpeg(const std::uint8_t* data, std::size_t size)
{
    QImage image;
    DecodeJob job{};
    job.data = data;
    job.size = size;
    job.allocateContext = &image;
    job.allocateRows = [](void* context, int width, int height,
                          std::size_t* bytesPerLine) noexcept -> std::uint8_t* {
        auto* target = static_cast<QImage*>(context);
        try {
            *target = QImage(width, height, QImage::Format_RGB32);
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
        if (target->isNull())
            return nullptr;
        *bytesPerLine = static_cast<std::size_t>(target->bytesPerLine());
        return target->bits();
    };

    if (!DecodeIntoBuffer(&job))
        throw EJPEGError(job.errors.message);
    return image;
}

} // namespace platform
