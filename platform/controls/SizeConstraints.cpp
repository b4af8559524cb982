#include "controls/SizeConstraints.h"

#include "core/ClassInfo.h"

#include <algorithm>

namespace platform {

const TClassInfo& TSizeConstraints::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TSizeConstraints, TPersistent>("TSizeConstraints")
        .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0)
        .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0)
        .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0)
        .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0)
        .Build();
    return info;
}

void TSizeConstraints::Apply(int& width, int& height, int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    if (maxWidth > 0)
        width = std::min(width, maxWidth);
    if (maxHeight > 0)
        height = std::min(height, maxHeight);
    width = std::max(width, minWidth);
    height = std::max(height, minHeight);
}

void TSizeConstraints::Assign(const TPersistent& source)
{
    if (auto* c = dynamic_cast<const TSizeConstraints*>(&source)) {
        FMinWidth = c->FMinWidth;
        FMinHeight = c->FMinHeight;
        FMaxWidth = c->FMaxWidth;
        FMaxHeight = c->FMaxHeight;
        OnChange(this);
        return;
    }
    TPersistent::Assign(source);
}

void TSizeConstraints::Set(int& field, int value)
{
    if (field == value)
        return;
    field = value;
    OnChange(this);
}

}  // namespace platform
