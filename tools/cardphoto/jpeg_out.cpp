#include "jpeg_out.h"

#include <cstdio>  // jpeglib.h needs FILE declared first
#include <cstdlib>
#include <jpeglib.h>

#include <cstdint>
#include <stdexcept>

namespace cardphoto {

std::vector<unsigned char> encodeProgressiveJpeg(const QImage& source, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);  // default handler exits on error: fine for a build tool
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // The application loads this once at start-up; progressive lets a slow
    // disk show a coarse card immediately.
    jpeg_simple_progression(&cinfo);
    cinfo.optimize_coding = TRUE;
    cinfo.density_unit = 1;  // dots per inch
    cinfo.X_density = 72;
    cinfo.Y_density = 72;

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    std::vector<unsigned char> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

std::vector<unsigned char> encodeNearSize(const QImage& image, std::size_t targetBytes, int lowest, int highest,
                                          int& chosenQuality)
{
    if (lowest > highest)
        throw std::invalid_argument("empty quality range");
    std::vector<unsigned char> best;
    std::size_t bestError = SIZE_MAX;
    for (int q = lowest; q <= highest; ++q) {
        std::vector<unsigned char> bytes = encodeProgressiveJpeg(image, q);
        const std::size_t error = bytes.size() > targetBytes ? bytes.size() - targetBytes : targetBytes - bytes.size();
        if (error < bestError) {
            bestError = error;
            best = std::move(bytes);
            chosenQuality = q;
        }
    }
    return best;
}

}  // namespace cardphoto
