// Composes the card photograph: board, copper and print, the parts with their shadows, the bracket, the finish.
//
// The board is drawn with QPainter at kSuper times the final size, in picture
// coordinates (the painter is scaled), then shrunk: that gives the soft,
// slightly out-of-focus edges of a real photo. Lighting, sensor noise and a
// faint large-scale unevenness are applied per pixel afterwards.
//
// Drawing order mirrors how a board is built up: bare board and copper,
// silkscreen, then the parts (each casting a soft shadow), then the bracket.

#include "card.h"

#include "board.h"
#include "bracket.h"
#include "chips.h"
#include "colours.h"
#include "copper.h"
#include "gradient.h"
#include "io_connector.h"
#include "jumpers.h"
#include "layout.h"
#include "part.h"
#include "passives.h"
#include "raster.h"
#include "silkscreen.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace cardphoto {
namespace {

constexpr int kSuper = 3;
constexpr std::uint64_t kSeed = 0x24F7;

// Parts are grouped by height; each group is rendered as a silhouette,
// offset away from the lamp (upper left), blurred and laid on the board.
void drawShadows(QImage& canvas, const std::vector<Part>& parts)
{
    const double bands[][2] = {{0.0, 2.5}, {2.5, 5.0}, {5.0, 100.0}};
    for (const auto& band : bands) {
        QImage layer(canvas.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        double height = 0;
        {
            QPainter lp(&layer);
            lp.setRenderHint(QPainter::Antialiasing);
            lp.scale(kSuper, kSuper);
            lp.setPen(Qt::NoPen);
            lp.setBrush(Qt::black);
            for (const Part& part : parts) {
                if (part.height < band[0] || part.height >= band[1])
                    continue;
                height = std::max(height, part.height);
                lp.drawPath(part.footprint.translated(part.height * 0.30, part.height * 0.42));
            }
        }
        if (height == 0)
            continue;
        blur(layer, (0.6 + height * 0.28) * kSuper);
        QPainter p(&canvas);
        p.setOpacity(0.62);
        p.drawImage(0, 0, layer);
    }
}

// The photographic finish: lamp fall-off, unevenness, sheen, sensor grain, white balance.
void finishPhoto(QImage& img, Rng& rng)
{
    const double w = img.width(), h = img.height();
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            // Key light from the upper left, falling off across the frame,
            // plus a gentle lens vignette.
            const double dx = (x - w * 0.32) / w, dy = (y - h * 0.1) / h;
            double light = 1.10 - 0.20 * std::sqrt(dx * dx + dy * dy * 0.6);
            const double vx = (x - w / 2) / (w / 2), vy = (y - h / 2) / (h / 2);
            light *= 1.0 - 0.07 * (vx * vx * 0.6 + vy * vy);
            // Large soft unevenness in the mask and the light.
            light *= 1.0 + 0.05 * valueNoise(x, y, 70.0, 11) + 0.025 * valueNoise(x, y, 17.0, 12) + 0.02 * valueNoise(x, y, 2.5, 13);
            // Broad sheen of the glossy solder mask under the softbox.
            const double sx = (x - 400.0) / 150.0, sy = (y - 60.0) / 80.0;
            const double sheen = 20.0 * std::exp(-(sx * sx + sy * sy));

            const double grain = rng.gauss() * 2.6;
            const QRgb c = line[x];
            auto channel = [&](int v, double tint) {
                const double out = v * light + sheen + grain + rng.gauss() * 1.1 + tint;
                return std::clamp(int(std::lround(out)), 0, 255);
            };
            // Slightly warm white balance, as under tungsten-balanced lamps.
            line[x] = qRgb(channel(qRed(c), 2.0), channel(qGreen(c), 0.5), channel(qBlue(c), -2.0));
        }
    }
}

}  // namespace

QImage renderCardPhoto()
{
    Rng rng(kSeed);
    QImage canvas(kPhotoWidth * kSuper, kPhotoHeight * kSuper, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(kBackground);

    const QPainterPath outline = boardOutline();
    std::vector<Part> parts;
    addInterruptJumpers(parts);
    addCounterJumpers(parts);
    addChips(parts);
    addPassives(parts);
    addIoConnector(parts);

    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSuper, kSuper);
        // Mat texture, and the board's own shadow on it.
        for (int i = 0; i < 400; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, int(rng.uniform(5, 18))));
            p.drawEllipse(QPointF(rng.uniform(0, kPhotoWidth), rng.uniform(kBoardBottom, kPhotoHeight)),
                          rng.uniform(0.5, 2.0), rng.uniform(0.5, 2.0));
        }
        p.setBrush(withStops(QLinearGradient(QPointF(0, kBoardBottom), QPointF(0, kBoardBottom + 7)),
                             {{0, QColor(0, 0, 0, 110)}, {1, QColor(0, 0, 0, 0)}}));
        p.drawRect(QRectF(QPointF(kBoardLeft, kBoardBottom), QPointF(kPhotoWidth, kBoardBottom + 7)));

        drawBoard(p, outline);
        drawFingers(p);
        drawCopper(p, outline, rng);
        drawSilkscreen(p, outline);
        drawSticker(p, rng);
    }
    drawShadows(canvas, parts);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kSuper, kSuper);
        for (const Part& part : parts)
            part.draw(p);
        drawBracket(p, rng);
    }

    QImage photo = canvas.scaled(kPhotoWidth, kPhotoHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    finishPhoto(photo, rng);
    return photo;
}

}  // namespace cardphoto
