// The icon is drawn straight at 32x32 with antialiasing off, in palette
// colours only: at this size and depth, hand-placed pixels stay crisp where a
// shrunken photo would turn to mush.

#include "icon.h"

#include <QColor>
#include <QPainter>
#include <QVector>

#include <cstdlib>
#include <limits>

namespace cardphoto {
namespace {

// Classic 16-colour VGA palette, except that index 0 is transparent: light
// magenta, never needed for a green card, gives up its slot so the icon can
// sit on any title bar.
const QVector<QRgb>& palette()
{
    static const QVector<QRgb> colours{
        qRgba(0, 0, 0, 0),   qRgb(0, 0, 170),    qRgb(0, 170, 0),     qRgb(0, 170, 170),
        qRgb(170, 0, 0),     qRgb(170, 0, 170),  qRgb(170, 85, 0),    qRgb(170, 170, 170),
        qRgb(85, 85, 85),    qRgb(85, 85, 255),  qRgb(85, 255, 85),   qRgb(85, 255, 255),
        qRgb(255, 85, 85),   qRgb(255, 255, 85), qRgb(255, 255, 255), qRgb(0, 0, 0),
    };
    return colours;
}

const QColor kBlack(0, 0, 0), kDarkGrey(85, 85, 85), kLightGrey(170, 170, 170), kWhite(255, 255, 255);
const QColor kGreen(0, 170, 0), kLightGreen(85, 255, 85), kBrown(170, 85, 0), kYellow(255, 255, 85);

void fill(QPainter& p, int x, int y, int w, int h, const QColor& c) { p.fillRect(x, y, w, h, c); }

void drawCard(QPainter& p)
{
    // Bracket on the left, its fold highlighted.
    fill(p, 1, 3, 3, 26, kLightGrey);
    fill(p, 2, 3, 1, 26, kWhite);
    fill(p, 0, 3, 1, 26, kDarkGrey);       // outline, so it shows on white
    fill(p, 1, 28, 3, 1, kDarkGrey);
    fill(p, 2, 10, 1, 10, kDarkGrey);      // connector opening
    // Board with a dark rim, and the bus tab with gold fingers.
    fill(p, 4, 6, 27, 18, kBlack);
    fill(p, 4, 7, 26, 16, kGreen);
    fill(p, 11, 24, 15, 4, kBlack);
    fill(p, 11, 23, 14, 4, kGreen);
    for (int x = 12; x < 25; x += 2)
        if (x != 14)                          // the key notch
            fill(p, x, 24, 1, 3, kYellow);
    // Two chips.
    fill(p, 6, 9, 8, 5, kBlack);
    fill(p, 6, 16, 8, 5, kBlack);
    fill(p, 7, 10, 1, 1, kDarkGrey);
    fill(p, 7, 17, 1, 1, kDarkGrey);
    for (int x = 6; x < 14; x += 2) {
        fill(p, x, 8, 1, 1, kLightGrey);
        fill(p, x, 14, 1, 1, kLightGrey);
        fill(p, x, 15, 1, 1, kLightGrey);
        fill(p, x, 21, 1, 1, kLightGrey);
    }
    // A trace or two.
    fill(p, 15, 12, 3, 1, kLightGreen);
    fill(p, 15, 19, 4, 1, kLightGreen);
}

// The jumper the application is about: a 2-pin header with gold posts inside
// a yellow highlight ring.
void drawJumper(QPainter& p)
{
    fill(p, 21, 9, 5, 10, kBlack);
    fill(p, 22, 10, 3, 3, kBrown);
    fill(p, 23, 11, 1, 1, kYellow);
    fill(p, 22, 15, 3, 3, kBrown);
    fill(p, 23, 16, 1, 1, kYellow);
    p.setPen(QPen(kYellow, 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(17, 5, 12, 17);
}

unsigned char nearestIndex(QRgb c)
{
    if (qAlpha(c) < 128)
        return 0;
    int best = 1, bestDistance = std::numeric_limits<int>::max();
    for (int i = 1; i < palette().size(); ++i) {
        const QRgb q = palette()[i];
        const int d = std::abs(qRed(c) - qRed(q)) + std::abs(qGreen(c) - qGreen(q)) + std::abs(qBlue(c) - qBlue(q));
        if (d < bestDistance)
            bestDistance = d, best = i;
    }
    return static_cast<unsigned char>(best);
}

}  // namespace

QImage renderIcon()
{
    QImage art(32, 32, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    {
        QPainter p(&art);
        p.setRenderHint(QPainter::Antialiasing, false);
        drawCard(p);
        drawJumper(p);
    }
    QImage icon(32, 32, QImage::Format_Indexed8);
    icon.setColorTable(palette());
    for (int y = 0; y < 32; ++y) {
        uchar* line = icon.scanLine(y);
        for (int x = 0; x < 32; ++x)
            line[x] = nearestIndex(art.pixel(x, y));
    }
    return icon;
}

}  // namespace cardphoto
