#pragma once

#include <QImage>

namespace cardphoto {

// Draws the component side of the digital-I/O card as a 600x241 RGB32 image
// that should pass for a photograph. Fully deterministic.
// Needs a QGuiApplication (text is drawn with system fonts).
QImage renderCardPhoto();

}  // namespace cardphoto
