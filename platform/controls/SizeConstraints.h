#pragma once
// Size limits of a control; 0 means no limit.

#include "core/Event.h"
#include "core/Object.h"

namespace platform {

class TSizeConstraints : public TPersistent {
    PLATFORM_CLASS(TSizeConstraints)
public:
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value) { Set(FMinWidth, value); }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int value) { Set(FMinHeight, value); }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int value) { Set(FMaxWidth, value); }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int value) { Set(FMaxHeight, value); }

    // The size limited to the constraints.
    void Apply(int& width, int& height) const { Apply(width, height, FMinWidth, FMinHeight, FMaxWidth, FMaxHeight); }
    // The same with limits given for one resize (a control's OnConstrainedResize may change them).
    static void Apply(int& width, int& height, int minWidth, int minHeight, int maxWidth, int maxHeight);
    void Assign(const TPersistent& source) override;

    TNotifyEvent OnChange;

private:
    void Set(int& field, int value);

    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};

}  // namespace platform
