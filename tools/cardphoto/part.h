// A part standing on the board: how to draw it and the shadow it casts.
#pragma once

#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace cardphoto {

// A part that stands up from the board. Its footprint drops a shadow whose
// offset and softness grow with its height.
struct Part {
    QPainterPath footprint;
    double height;
    std::function<void(QPainter&)> draw;
};

}  // namespace cardphoto
