#pragma once

#include <QImage>

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace platform {

// Raised for any image libjpeg refuses; what() carries libjpeg's own message
// (or ours, for the size and scan limits we impose on top of libjpeg).
class EJPEGError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Limits that keep a hostile file from costing unbounded memory or time. A
// file that claims more than this is refused before any pixel memory is
// allocated.
inline constexpr int kMaxJpegSide = 16384;
inline constexpr std::uint64_t kMaxJpegPixels = 64ull * 1024 * 1024;
// Real encoders emit around ten scans; a few thousand legal but tiny scans
// over a large image make progressive decoding take minutes.
inline constexpr int kMaxJpegScans = 1000;

// Decodes a baseline or progressive JPEG (colour or greyscale) into a QImage
// of Format_RGB32 (bytes in memory blue, green, red, 0xFF).
//
// Damaged data is an error, not a grey-padded picture: a truncated stream or
// corrupt entropy-coded data raises EJPEGError. Harmless oddities (an unknown
// JFIF revision, junk bytes between segments, a bad ICC marker) are ignored.
// CMYK/YCCK files are refused.
QImage DecodeJpeg(const std::uint8_t* data, std::size_t size);

} // namespace platform
