// The colours of the card and what it lies on, shared by everything drawn on it.
#pragma once

#include <QColor>

namespace cardphoto {

inline const QColor kBackground{54, 57, 62};       // grey anti-static mat under the card
inline const QColor kMask{24, 92, 54};             // green solder mask over bare laminate
inline const QColor kMaskCopper{60, 146, 80};      // the same mask over copper
inline const QColor kSilk{226, 230, 220};
inline const QColor kTin{178, 180, 172};           // hot-air-levelled pads
inline const QColor kEpoxy{27, 27, 29};            // chip bodies
inline const QColor kChipInk{150, 150, 146};       // laser marking on the epoxy
inline const QColor kHousing{20, 20, 22};          // header plastic
inline const QColor kGold{205, 166, 78};

}  // namespace cardphoto
