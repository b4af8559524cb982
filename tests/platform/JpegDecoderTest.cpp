#include "graphics/internal/JpegDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio> // before jpeglib.h, which needs FILE and size_t
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using platform::DecodeJpeg;
using platform::EJPEGError;
using Bytes = std::vector<std::uint8_t>;

// ---------------------------------------------------------------------------
// Fixture images, encoded here with libjpeg so the tests need no binary files.
// ---------------------------------------------------------------------------

struct Rgb {
    int r, g, b;
};

// Smooth ramps survive JPEG compression with small errors, and giving each
// channel its own direction makes a swapped channel order obvious.
Rgb ColourPattern(int x, int y, int width, int height)
{
    return {x * 255 / (width - 1), y * 255 / (height - 1), 64};
}

int GreyPattern(int x, int y) { return std::min(255, 2 * x + y); }

struct EncodeOptions {
    int width = 600;
    int height = 241;
    J_COLOR_SPACE colourSpace = JCS_RGB; // JCS_RGB, JCS_GRAYSCALE or JCS_CMYK
    bool progressive = false;
    std::vector<jpeg_scan_info> scanScript; // overrides `progressive` when set
};

// Encoder failures only ever come from a broken test; libjpeg's default
// handler (print and exit) is good enough for that.
Bytes Encode(const EncodeOptions& options)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    const int components = options.colourSpace == JCS_GRAYSCALE ? 1
                           : options.colourSpace == JCS_CMYK    ? 4
                                                                : 3;
    cinfo.image_width = static_cast<JDIMENSION>(options.width);
    cinfo.image_height = static_cast<JDIMENSION>(options.height);
    cinfo.input_components = components;
    cinfo.in_color_space = options.colourSpace;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    if (!options.scanScript.empty()) {
        cinfo.scan_info = options.scanScript.data();
        cinfo.num_scans = static_cast<int>(options.scanScript.size());
    } else if (options.progressive) {
        jpeg_simple_progression(&cinfo);
    }
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<JSAMPLE> row(static_cast<std::size_t>(options.width * components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < options.width; ++x) {
            JSAMPLE* pixel = &row[static_cast<std::size_t>(x * components)];
            if (components == 1) {
                pixel[0] = static_cast<JSAMPLE>(GreyPattern(x, y));
            } else {
                const Rgb c = ColourPattern(x, y, options.width, options.height);
                pixel[0] = static_cast<JSAMPLE>(c.r);
                pixel[1] = static_cast<JSAMPLE>(c.g);
                pixel[2] = static_cast<JSAMPLE>(c.b);
                if (components == 4)
                    pixel[3] = 0;
            }
        }
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    Bytes result(buffer, buffer + size);
    std::free(buffer);
    return result;
}

// The longest legal progression libjpeg will write: every coefficient of every
// component in its own scan, sent one bit at a time (ten refinement steps).
std::vector<jpeg_scan_info> OneBitPerScanScript(int components)
{
    constexpr int kTopBit = 10;
    std::vector<jpeg_scan_info> script;
    auto addScans = [&](int componentCount, int firstComponent, int ss, int se) {
        for (int al = kTopBit; al >= 0; --al) {
            jpeg_scan_info scan{};
            scan.comps_in_scan = componentCount;
            for (int i = 0; i < componentCount; ++i)
                scan.component_index[i] = firstComponent + i;
            scan.Ss = ss;
            scan.Se = se;
            scan.Ah = al == kTopBit ? 0 : al + 1;
            scan.Al = al;
            script.push_back(scan);
        }
    };
    addScans(components, 0, 0, 0); // DC of all components together
    for (int c = 0; c < components; ++c)
        for (int k = 1; k < DCTSIZE2; ++k)
            addScans(1, c, k, k);
    return script;
}

const Bytes& BaselineColour()
{
    static const Bytes bytes = Encode({});
    return bytes;
}

const Bytes& ProgressiveColour()
{
    static const Bytes bytes = [] {
        EncodeOptions options;
        options.progressive = true;
        return Encode(options);
    }();
    return bytes;
}

const Bytes& BaselineGrey()
{
    static const Bytes bytes = [] {
        EncodeOptions options;
        options.width = 123;
        options.height = 77;
        options.colourSpace = JCS_GRAYSCALE;
        return Encode(options);
    }();
    return bytes;
}

QImage Decode(const Bytes& bytes) { return DecodeJpeg(bytes.data(), bytes.size()); }

// Offset of the first occurrence of a two-byte marker, searched from the start
// of the file (markers in our fixtures are never preceded by an equal pair).
std::size_t FindMarker(const Bytes& bytes, std::uint8_t code)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == code)
            return i;
    ADD_FAILURE() << "marker 0xFF" << std::hex << int(code) << " not found";
    return 0;
}

std::size_t FindFrameHeader(const Bytes& bytes)
{
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2))
            return i;
    ADD_FAILURE() << "no SOF0/SOF2 marker";
    return 0;
}

Bytes WithDimensions(Bytes bytes, int width, int height)
{
    const std::size_t sof = FindFrameHeader(bytes);
    // FF Cn, length(2), precision(1), height(2), width(2)
    bytes[sof + 5] = static_cast<std::uint8_t>(height >> 8);
    bytes[sof + 6] = static_cast<std::uint8_t>(height);
    bytes[sof + 7] = static_cast<std::uint8_t>(width >> 8);
    bytes[sof + 8] = static_cast<std::uint8_t>(width);
    return bytes;
}

Bytes Truncated(const Bytes& bytes, double fraction)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() * fraction));
}

Bytes Overwritten(Bytes bytes, std::size_t offset, const Bytes& replacement)
{
    std::copy(replacement.begin(), replacement.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return bytes;
}

Bytes Inserted(Bytes bytes, std::size_t offset, const Bytes& extra)
{
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(offset), extra.begin(), extra.end());
    return bytes;
}

// Middle of the entropy-coded data of the first scan.
std::size_t MiddleOfScanData(const Bytes& bytes)
{
    const std::size_t sos = FindMarker(bytes, 0xDA);
    return sos + (bytes.size() - sos) / 2;
}

// ---------------------------------------------------------------------------
// Good images
// ---------------------------------------------------------------------------

void ExpectNear(int actual, int expected, const char* channel, int x, int y)
{
    // Quality 92 with 4:2:0 chroma keeps ramp errors well under this.
    constexpr int kTolerance = 10;
    EXPECT_NEAR(actual, expected, kTolerance) << channel << " at (" << x << ", " << y << ")";
}

// Checks the raw bytes, not QImage's accessors: the promise is a memory layout
// of blue, green, red, 0xFF.
void ExpectPixels(const QImage& image, const std::function<Rgb(int, int)>& expected)
{
    ASSERT_EQ(image.format(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const std::uint8_t* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const std::uint8_t* pixel = line + 4 * x;
            ASSERT_EQ(pixel[3], 0xFF) << "fourth byte at (" << x << ", " << y << ")";
        }
    }
    // Every 7th pixel plus the last row and column, where partial MCUs live.
    auto check = [&](int x, int y) {
        const std::uint8_t* pixel = image.constScanLine(y) + 4 * x;
        const Rgb want = expected(x, y);
        ExpectNear(pixel[0], want.b, "blue", x, y);
        ExpectNear(pixel[1], want.g, "green", x, y);
        ExpectNear(pixel[2], want.r, "red", x, y);
    };
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            check(x, y);
    for (int x = 0; x < image.width(); ++x)
        check(x, image.height() - 1);
    for (int y = 0; y < image.height(); ++y)
        check(image.width() - 1, y);
}

TEST(JpegDecoderTest, FixturesAreWhatTheyClaim)
{
    EXPECT_EQ(BaselineColour()[FindFrameHeader(BaselineColour()) + 1], 0xC0);
    EXPECT_EQ(ProgressiveColour()[FindFrameHeader(ProgressiveColour()) + 1], 0xC2);
    EXPECT_EQ(BaselineGrey()[FindFrameHeader(BaselineGrey()) + 9], 1) << "component count";
}

TEST(JpegDecoderTest, DecodesColourImagesToSizeAndColours)
{
    struct Case {
        const char* name;
        const Bytes& bytes;
    };
    const Case cases[] = {
        {"baseline", BaselineColour()},
        {"progressive", ProgressiveColour()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = Decode(c.bytes);
        ASSERT_EQ(image.width(), 600);
        ASSERT_EQ(image.height(), 241);
        ExpectPixels(image, [](int x, int y) { return ColourPattern(x, y, 600, 241); });
    }
}

TEST(JpegDecoderTest, DecodesGreyscaleAsEqualChannels)
{
    const QImage image = Decode(BaselineGrey());
    ASSERT_EQ(image.width(), 123);
    ASSERT_EQ(image.height(), 77);
    ExpectPixels(image, [](int x, int y) {
        const int v = GreyPattern(x, y);
        return Rgb{v, v, v};
    });
}

// Oddities that do not affect the pixels must not cost the user the picture.
TEST(JpegDecoderTest, ToleratesHarmlessOddities)
{
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Bytes& good = BaselineColour();
    const Case cases[] = {
        {"junk after EOI", Inserted(good, good.size(), {0x00, 0x12, 0x34, 0xFF})},
        {"junk bytes between segments", Inserted(good, FindMarker(good, 0xDB), {0x00, 0x00, 0x00})},
        {"progressive junk before SOS",
         Inserted(ProgressiveColour(), FindMarker(ProgressiveColour(), 0xDA), {0x55, 0xAA})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage image;
        ASSERT_NO_THROW(image = Decode(c.bytes));
        EXPECT_EQ(image.size(), QSize(600, 241));
    }
}

// Upper end of the progression limit: a greyscale image sent one coefficient
// bit per scan is legal and stays under the cap, so it must decode.
TEST(JpegDecoderTest, DecodesLongButLegalProgression)
{
    EncodeOptions options;
    options.width = 64;
    options.height = 40;
    options.colourSpace = JCS_GRAYSCALE;
    options.scanScript = OneBitPerScanScript(1);
    ASSERT_LE(options.scanScript.size(), static_cast<std::size_t>(platform::kMaxJpegScans));

    const QImage image = Decode(Encode(options));
    ASSERT_EQ(image.size(), QSize(64, 40));
    ExpectPixels(image, [](int x, int y) {
        const int v = GreyPattern(x, y);
        return Rgb{v, v, v};
    });
}

// ---------------------------------------------------------------------------
// Bad images
// ---------------------------------------------------------------------------

struct BadCase {
    std::string name;
    Bytes bytes;
    const char* messagePart; // expected inside what(); nullptr to only require non-empty
    bool nullData = false;
};

std::vector<BadCase> BadInputs()
{
    const Bytes& base = BaselineColour();
    const Bytes& prog = ProgressiveColour();

    EncodeOptions cmyk;
    cmyk.width = 32;
    cmyk.height = 16;
    cmyk.colourSpace = JCS_CMYK;

    // Legal, but over the scan cap: colour sent one coefficient bit per scan.
    EncodeOptions tooManyScans;
    tooManyScans.width = 64;
    tooManyScans.height = 40;
    tooManyScans.scanScript = OneBitPerScanScript(3);

    std::vector<BadCase> cases = {
        {"empty", {}, "Empty input"},
        {"one byte", {0xFF}, nullptr},
        {"SOI only", {0xFF, 0xD8}, nullptr},
        {"PNG signature", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13}, "Not a JPEG"},
        {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, "Not a JPEG"},
        {"missing only EOI", Bytes(base.begin(), base.end() - 2), "Premature end"},
        {"EOI in the middle of baseline scan data",
         Overwritten(base, MiddleOfScanData(base), {0xFF, 0xD9}), nullptr},
        {"EOI in the middle of progressive scan data",
         Overwritten(prog, MiddleOfScanData(prog), {0xFF, 0xD9}), nullptr},
        {"SOS marker destroyed", Overwritten(base, FindMarker(base, 0xDA), {0x00, 0x00}), nullptr},
        {"frame header destroyed", Overwritten(base, FindFrameHeader(base), {0x00, 0x00}), nullptr},
        {"65535x65535", WithDimensions(base, 65535, 65535), nullptr},
        {"zero height", WithDimensions(base, 600, 0), nullptr},
        {"width over side limit", WithDimensions(base, platform::kMaxJpegSide + 1, 1), "too large"},
        {"height over side limit", WithDimensions(base, 1, platform::kMaxJpegSide + 1), "too large"},
        {"sides fine, area over limit", WithDimensions(base, 8193, 8193), "too large"},
        {"CMYK", Encode(cmyk), "color conversion"},
        {"too many scans", Encode(tooManyScans), "scans"},
    };
    for (double fraction : {0.1, 0.5, 0.99}) {
        const std::string percent = std::to_string(static_cast<int>(fraction * 100)) + "%";
        cases.push_back({"baseline truncated to " + percent, Truncated(base, fraction), "Premature end"});
        cases.push_back({"progressive truncated to " + percent, Truncated(prog, fraction), "Premature end"});
    }
    cases.push_back({"null data with a size", {}, "Empty input", true});
    return cases;
}

TEST(JpegDecoderTest, RefusesBadInputWithMessage)
{
    for (const BadCase& c : BadInputs()) {
        SCOPED_TRACE(c.name);
        try {
            const QImage image = c.nullData ? DecodeJpeg(nullptr, 1000) : Decode(c.bytes);
            ADD_FAILURE() << "decoded to a " << image.width() << "x" << image.height() << " image";
        } catch (const EJPEGError& e) {
            const std::string message = e.what();
            EXPECT_FALSE(message.empty());
            if (c.messagePart != nullptr) {
                EXPECT_NE(message.find(c.messagePart), std::string::npos) << "message: " << message;
            }
        }
    }
}

// Cheap fuzzing: whatever the damage, the decoder returns a whole image or
// raises EJPEGError. A crash, exit() or other exception fails the run.
// (A flipped size byte can legitimately yield a smaller, valid picture, so the
// size is only checked against the limits.)
void ExpectImageOrEJPEGError(const Bytes& bytes, bool mustFail)
{
    try {
        const QImage image = Decode(bytes);
        EXPECT_FALSE(mustFail) << "damaged data decoded without complaint";
        EXPECT_FALSE(image.isNull());
        EXPECT_LE(image.width(), platform::kMaxJpegSide);
        EXPECT_LE(image.height(), platform::kMaxJpegSide);
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
    } catch (const EJPEGError& e) {
        EXPECT_STRNE(e.what(), "");
    }
}

TEST(JpegDecoderTest, EveryTruncationIsRefused)
{
    const Bytes& prog = ProgressiveColour();
    for (std::size_t length = 0; length < prog.size(); length += 97) {
        SCOPED_TRACE("length " + std::to_string(length));
        ExpectImageOrEJPEGError(Bytes(prog.begin(), prog.begin() + static_cast<std::ptrdiff_t>(length)),
                                /*mustFail=*/true);
    }
}

TEST(JpegDecoderTest, FlippedBytesNeverEscapeAsAnythingButEJPEGError)
{
    struct Case {
        const char* name;
        const Bytes& bytes;
    };
    const Case cases[] = {{"baseline", BaselineColour()}, {"progressive", ProgressiveColour()}};
    for (const Case& c : cases) {
        for (std::size_t offset = 0; offset < c.bytes.size(); offset += 41) {
            SCOPED_TRACE(std::string(c.name) + " byte " + std::to_string(offset));
            Bytes damaged = c.bytes;
            damaged[offset] ^= 0xFF;
            // A flip in the scan data may well decode to a blemished picture.
            ExpectImageOrEJPEGError(damaged, /*mustFail=*/false);
        }
    }
}

} // namespace
