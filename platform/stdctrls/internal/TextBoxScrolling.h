#pragma once
// How the multi-line text boxes (the memo, the rich-text box) show their scroll bars. Internal to
// the platform layer.

#include "stdctrls/Memo.h"

class QAbstractScrollArea;

namespace platform {

// Sets the scroll bars of the box's widget; returns whether its lines wrap at the right edge,
// which a horizontal scroll bar turns off.
bool ApplyScrollBars(QAbstractScrollArea& area, TScrollStyle style, bool wordWrap);

}  // namespace platform
