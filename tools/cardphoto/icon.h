#pragma once

#include <QImage>

namespace cardphoto {

// 32x32 application icon: a tiny green card with one fitted jumper.
// Indexed, 16-entry colour table: the classic VGA colours with light magenta
// swapped for transparency.
QImage renderIcon();

}  // namespace cardphoto
