// The I/O connector's body and pin tails on the board, behind the bracket.

#include "io_connector.h"

#include "gradient.h"
#include "layout.h"
#include "primitives.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace cardphoto {

// Right-angle D-sub seen from behind the bracket: plastic body, then the two
// rows of bent pin tails going down into the board.
void addIoConnector(std::vector<Part>& parts)
{
    const QRectF body(QPointF(kBracketRight - 1, kConnTop), QPointF(52.0, kConnBottom));
    QPainterPath fp;
    fp.addRect(body);
    parts.push_back({fp, 7.0, [body](QPainter& p) {
                         const double span = body.height() - 16;
                         for (int row = 0; row < 2; ++row) {
                             const int n = row == 0 ? 19 : 18;
                             const double step = span / 18.0;
                             const double x = row == 0 ? 59.0 : 55.0;
                             for (int i = 0; i < n; ++i) {
                                 const double y = body.top() + 8 + i * step + (row == 0 ? 0.0 : step / 2);
                                 drawPad(p, QPointF(x, y), 1.6);
                                 p.setPen(Qt::NoPen);
                                 p.setBrush(withStops(
                                     QLinearGradient(QPointF(body.right(), y - 0.8), QPointF(body.right(), y + 0.8)),
                                     {{0, QColor(236, 237, 232)}, {1, QColor(130, 131, 126)}}));
                                 p.drawRect(QRectF(QPointF(body.right(), y - 0.6), QPointF(x + 0.3, y + 0.6)));
                             }
                         }
                         p.setPen(Qt::NoPen);
                         p.setBrush(withStops(QLinearGradient(body.topLeft(), body.topRight()),
                                              {{0, QColor(30, 31, 36)},
                                               {0.6, QColor(52, 53, 60)},
                                               {1, QColor(34, 35, 40)}}));
                         p.drawRect(body);
                         // Board-lock rivets at each end of the shell.
                         for (double y : {body.top() - 3.5, body.bottom() + 3.5}) {
                             p.setBrush(withStops(QRadialGradient(QPointF(44, y) - QPointF(0.8, 0.8), 3.5),
                                                  {{0, QColor(235, 236, 238)}, {1, QColor(120, 122, 126)}}));
                             p.drawEllipse(QPointF(44, y), 3.0, 3.0);
                             p.setBrush(QColor(40, 40, 44));
                             p.drawEllipse(QPointF(44, y), 1.1, 1.1);
                         }
                     }});
}

}  // namespace cardphoto
