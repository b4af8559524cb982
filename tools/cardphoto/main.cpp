// cardphoto: draws the picture of the digital-I/O card that the application
// shows (with rings over its jumpers), plus the application icon.
//
// Usage:  cardphoto CARD.jpg ICON.png
//   e.g.  cardphoto app/assets/card.jpg app/assets/icon.png
//
// CARD.jpg is a 600x241 progressive colour JPEG of about 50 KB; ICON.png a
// 32x32 indexed PNG with 16 colours. Output is identical on every run: all
// "randomness" comes from a fixed seed.

#include "card.h"
#include "icon.h"
#include "jpeg_out.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

constexpr std::size_t kTargetBytes = 50 * 1024;
constexpr std::size_t kMinBytes = 40 * 1024;
constexpr std::size_t kMaxBytes = 60 * 1024;

bool writeFile(const char* path, const std::vector<unsigned char>& bytes)
{
    QFile f(QString::fromLocal8Bit(path));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) == qint64(bytes.size());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s CARD.jpg ICON.png\n", argv[0]);
        return 2;
    }
    // Text needs the font database, which needs a GUI application; no
    // display is needed for drawing into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QImage photo = cardphoto::renderCardPhoto();
    int quality = 0;
    const std::vector<unsigned char> jpeg = cardphoto::encodeNearSize(photo, kTargetBytes, 60, 98, quality);
    if (!writeFile(argv[1], jpeg)) {
        std::fprintf(stderr, "cardphoto: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%s: %dx%d progressive JPEG, quality %d, %zu bytes\n", argv[1], photo.width(), photo.height(),
                quality, jpeg.size());
    if (jpeg.size() < kMinBytes || jpeg.size() > kMaxBytes) {
        std::fprintf(stderr, "cardphoto: %zu bytes is outside %zu..%zu\n", jpeg.size(), kMinBytes, kMaxBytes);
        return 1;
    }

    const QImage icon = cardphoto::renderIcon();
    if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cardphoto: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%s: %dx%d, %d colours\n", argv[2], icon.width(), icon.height(), int(icon.colorCount()));
    return 0;
}
