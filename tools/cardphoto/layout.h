// Where everything sits on the drawn card.
//
// The application shows this picture stretched from 600x241 to 662x266 and
// rings the jumpers at fixed rectangles given in that stretched space. The
// jumpers here are therefore placed *from* those rectangles (converted back to
// picture space), never the other way round, so a ring and its jumper cannot
// drift apart. Everything else on the board is arranged around them.
#pragma once

#include <QPointF>
#include <QRectF>

#include <array>

namespace cardphoto {

inline constexpr int kPhotoWidth = 600;
inline constexpr int kPhotoHeight = 241;
inline constexpr int kShownWidth = 662;   // size the application stretches to
inline constexpr int kShownHeight = 266;

// A rectangle in the application's 662x266 space.
struct ShownRect {
    double left, top, width, height;
};

// Picture-space equivalent of a rectangle the application rings.
inline QRectF toPhoto(const ShownRect& r)
{
    const double sx = double(kPhotoWidth) / kShownWidth;
    const double sy = double(kPhotoHeight) / kShownHeight;
    return {r.left * sx, r.top * sy, r.width * sx, r.height * sy};
}

// The rings, exactly as the application draws them.
inline constexpr ShownRect kRingIen456{81, 4, 48, 25};   // IEN4..IEN6 together
inline constexpr std::array<ShownRect, 4> kRingIen{{
    {348, 21, 17, 25},  // IEN0
    {449, 17, 17, 25},  // IEN1
    {549, 18, 17, 25},  // IEN2
    {640, 17, 17, 25},  // IEN3
}};
inline constexpr std::array<ShownRect, 3> kRingCounter{{
    {115, 47, 17, 49},   // counter 0: CLK0 / GATE0
    {115, 97, 17, 50},   // counter 1
    {115, 148, 17, 50},  // counter 2
}};

// ---- physical scale -------------------------------------------------------
// One 0.1" pin step. Chosen so a 2-pin header fills the rings comfortably
// (ring is ~15x23 px, header ~6x12 px) while still leaving the DIP chips their
// true proportions next to it.
inline constexpr double kPitch = 6.0;

// ---- board outline --------------------------------------------------------
inline constexpr double kBracketLeft = 3.0;
inline constexpr double kBracketRight = 37.0;   // keep narrow: the counter
                                                // jumpers start at x~104
inline constexpr double kBoardLeft = 34.0;      // tucked under the bracket
inline constexpr double kBoardBottom = 219.0;   // edge outside the bus tab
inline constexpr double kTabLeft = 150.0;       // PCI edge-connector tab
inline constexpr double kTabRight = 352.0;
inline constexpr double kFingerTop = 222.0;
inline constexpr double kFingerStep = 3.0;      // 1.27 mm contacts
inline constexpr int kFingerPositions = 62;     // 32-bit PCI, one side
inline constexpr int kKeyAfter = 11;            // 5 V key: short segment sits
                                                // toward the bracket
inline constexpr int kKeyPositions = 2;

// ---- chips ----------------------------------------------------------------
// 8255 PPIs: DIP-40 standing upright, each just left of and below its IEN
// jumper so the jumper marks "its" chip.
inline constexpr double kPpiTop = 50.0;
inline constexpr double kPpiOffsetFromJumper = -19.0;  // chip centre vs jumper x
// 8254 counters: DIP-24 lying down, one to the right of each counter jumper
// group, vertically centred on it.
inline constexpr double kPitLeft = 138.0;
// Oscillator can and bus-interface chip share the gap between the counters
// and the first PPI.
inline constexpr QPointF kOscCentre{249.0, 68.0};
inline constexpr QPointF kBusChipCentre{250.0, 134.0};
// The D-sub body behind the bracket.
inline constexpr double kConnTop = 38.0;
inline constexpr double kConnBottom = 203.0;

}  // namespace cardphoto
