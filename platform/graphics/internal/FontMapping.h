#pragma once
// From the class library's fonts and colours to Qt's. Internal to the platform layer: the
// standard controls and forms use it when they hand a font or colour to their widgets.

#include "graphics/Color.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace platform {

class TFont;

// The layouts name faces of the system they were designed on; a face this system lacks becomes
// a metric-compatible substitute, else the default sans-serif. Height follows TFont's rule.
QFont ToQFont(const TFont& font);

// A colour as Qt draws it, system colours resolved against the current palette.
QColor ToQColor(TColor color);

// Gives the widget the font, and the font's colour in the palette role the widget writes its
// text with.
void ApplyFont(QWidget& widget, const TFont& font, QPalette::ColorRole textRole);

// Sets one palette role of the widget to a colour of ours.
void ApplyColor(QWidget& widget, QPalette::ColorRole role, TColor color);

}  // namespace platform
