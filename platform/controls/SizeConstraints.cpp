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

void TSizeConstraints::Apply(int& width, int& height) const
{
    if (FMaxWidth > 0)
        width = std::min(width, FMaxWidth);
    if (FMaxHeight > 0)
        height = std::min(height, FMaxHeight);
    width = std::max(width, FMinWidth);
    height = std::max(height, FMinHeight);
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
