// Gradient brushes written as one expression: the geometry, then its colour stops.
//
// Nearly every surface on the card is shaded this way; listing the stops next
// to the geometry keeps each shading readable at a glance and in one place.
#pragma once

#include <QColor>
#include <QGradient>

#include <initializer_list>

namespace cardphoto {

struct ColourStop {
    double at;  // 0 at the gradient's start, 1 at its end
    QColor colour;
};

// Works for QLinearGradient and QRadialGradient alike.
template <typename Gradient>
Gradient withStops(Gradient gradient, std::initializer_list<ColourStop> stops)
{
    for (const ColourStop& stop : stops)
        gradient.setColorAt(stop.at, stop.colour);
    return gradient;
}

}  // namespace cardphoto
