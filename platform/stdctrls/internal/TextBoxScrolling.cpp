#include "stdctrls/internal/TextBoxScrolling.h"

#include <QAbstractScrollArea>

namespace platform {

bool ApplyScrollBars(QAbstractScrollArea& area, TScrollStyle style, bool wordWrap)
{
    const bool horizontal = style == ssHorizontal || style == ssBoth;
    const bool vertical = style == ssVertical || style == ssBoth;
    // A text box's scroll bars stay in place, greyed out while there is nothing to scroll.
    area.setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    return wordWrap && !horizontal;
}

}  // namespace platform
