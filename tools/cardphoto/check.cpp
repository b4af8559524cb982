// cardphoto-check: sanity check for a generated card photo.
//
// Usage:  cardphoto-check CARD.jpg [RINGED.png]
//
// Fails (exit 1) unless the file is a 600x241 progressive colour JPEG in
// which every jumper's dark plastic is centred inside its ring rectangle and
// stays clear of the ring's edge. With RINGED.png, also writes the picture
// the way the application shows it: stretched to 662x266 with the rings
// drawn, enlarged 2x for inspection.

#include "layout.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <jpeglib.h>

#include <cmath>
#include <vector>

using namespace cardphoto;

namespace {

struct Decoded {
    QImage image;
    bool progressive = false;
};

bool decode(const char* path, Decoded& out)
{
    FILE* f = std::fopen(path, "rb");
    if (!f)
        return false;
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    jpeg_read_header(&cinfo, TRUE);
    out.progressive = cinfo.progressive_mode;
    cinfo.out_color_space = JCS_RGB;
    const bool colour = cinfo.num_components == 3;
    jpeg_start_decompress(&cinfo);
    out.image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(f);
    return colour;
}

// Near-black, unsaturated pixels: header plastic and shunts (the green board,
// gold posts and white silkscreen all fail this).
bool isPlastic(QRgb c)
{
    const int hi = std::max({qRed(c), qGreen(c), qBlue(c)});
    const int lo = std::min({qRed(c), qGreen(c), qBlue(c)});
    return hi < 62 && hi - lo < 22;
}

bool checkRing(const QImage& img, const char* name, const ShownRect& ring)
{
    const QRectF r = toPhoto(ring);
    int n = 0;
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
    for (int y = int(std::floor(r.top())); y < int(std::ceil(r.bottom())); ++y)
        for (int x = int(std::floor(r.left())); x < int(std::ceil(r.right())); ++x) {
            if (!isPlastic(img.pixel(x, y)))
                continue;
            ++n;
            x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
        }
    if (n < 20) {
        std::printf("FAIL %-8s no jumper found in ring\n", name);
        return false;
    }
    // The extent of the plastic, not its centroid: a bare post beside a shunt
    // makes the centroid lopsided though the header itself is centred.
    const double dx = (x0 + x1 + 1) / 2.0 - r.center().x(), dy = (y0 + y1 + 1) / 2.0 - r.center().y();
    // Edge clearance in pixels; the ring is drawn on this edge.
    const double clear = std::min({x0 - r.left(), r.right() - (x1 + 1), y0 - r.top(), r.bottom() - (y1 + 1)});
    const bool ok = std::abs(dx) <= 1.0 && std::abs(dy) <= 1.0 && clear >= 0.5;
    std::printf("%s %-8s off-centre (%+.2f, %+.2f) px, edge clearance %.1f px\n", ok ? "ok  " : "FAIL", name, dx, dy,
                clear);
    return ok;
}

void writeRinged(const QImage& photo, const char* path)
{
    QImage shown = photo.convertToFormat(QImage::Format_RGB32)
                       .scaled(kShownWidth, kShownHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPainter p(&shown);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 230, 0, 200), 1.5));
    auto ring = [&](const ShownRect& r) { p.drawEllipse(QRectF(r.left, r.top, r.width, r.height)); };
    ring(kRingIen456);
    for (const auto& r : kRingIen)
        ring(r);
    for (const auto& r : kRingCounter)
        ring(r);
    p.end();
    shown.scaled(shown.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(QString::fromLocal8Bit(path));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s CARD.jpg [RINGED.png]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Decoded d;
    if (!decode(argv[1], d)) {
        std::printf("FAIL cannot decode %s as a colour JPEG\n", argv[1]);
        return 1;
    }
    bool ok = true;
    if (d.image.width() != kPhotoWidth || d.image.height() != kPhotoHeight) {
        std::printf("FAIL size %dx%d, expected %dx%d\n", d.image.width(), d.image.height(), kPhotoWidth, kPhotoHeight);
        return 1;
    }
    if (!d.progressive) {
        std::printf("FAIL not a progressive JPEG\n");
        ok = false;
    }
    ok &= checkRing(d.image, "IEN4-6", kRingIen456);
    const char* const ien[] = {"IEN0", "IEN1", "IEN2", "IEN3"};
    for (std::size_t i = 0; i < kRingIen.size(); ++i)
        ok &= checkRing(d.image, ien[i], kRingIen[i]);
    const char* const cnt[] = {"CNT0", "CNT1", "CNT2"};
    for (std::size_t i = 0; i < kRingCounter.size(); ++i)
        ok &= checkRing(d.image, cnt[i], kRingCounter[i]);

    if (argc == 3)
        writeRinged(d.image, argv[2]);
    std::printf(ok ? "card photo OK\n" : "card photo FAILED\n");
    return ok ? 0 : 1;
}
