#include "stdctrls/Label.h"

#include "core/ClassInfo.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"

#include <QLabel>

namespace platform {

namespace {
constexpr int kDefaultWidth = 65;
constexpr int kDefaultHeight = 17;

// Captions mark an accelerator letter with "&" and write a literal one as "&&"; a label has
// no accelerator of its own, so it shows the text without the marks.
QString DisplayText(const std::string& caption)
{
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                ++i;
            else
                continue;
        }
        text += caption[i];
    }
    return QString::fromStdString(text);
}
}  // namespace

template <>
const TEnumInfo& EnumInfoOf<TAlignment>()
{
    static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
    return info;
}

template <>
const TEnumInfo& EnumInfoOf<TTextLayout>()
{
    static const TEnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
    return info;
}

const TClassInfo& TLabel::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TLabel, TWinControl>("TLabel")
        .Publish({"Anchors", "Caption", "Color", "Enabled", "Font", "ParentShowHint", "ShowHint",
                  "Visible", "OnClick"})
        .Publish({"AutoSize"}).Default(true)
        .Enum("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, taLeftJustify)
        .Enum("Layout", &TLabel::Layout, &TLabel::SetLayout, tlTop)
        .Boolean("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false)
        .Boolean("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false)
        .Boolean("ParentColor", &TLabel::ParentColor, &TLabel::SetParentColor, true)
        .Boolean("ParentFont", &TLabel::ParentFont, &TLabel::SetParentFont, true)
        .Build();
    return info;
}

TLabel::TLabel(TComponent* owner) : TLabel(owner, new QLabel) {}

TLabel::TLabel(TComponent* owner, QLabel* label) : TWinControl(owner, label), FLabel(label)
{
    // Captions are plain text: a "<" in one is a character, not the start of markup.
    FLabel->setTextFormat(Qt::PlainText);
    FLabel->setFont(ToQFont(*Font()));
    UpdateAlignment();
    UpdateBackground();
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    SetAutoSize(true);
}

void TLabel::SetAlignment(TAlignment value)
{
    if (value == FAlignment)
        return;
    FAlignment = value;
    UpdateAlignment();
}

void TLabel::SetLayout(TTextLayout value)
{
    if (value == FLayout)
        return;
    FLayout = value;
    UpdateAlignment();
}

void TLabel::SetWordWrap(bool value)
{
    if (value == FWordWrap)
        return;
    FWordWrap = value;
    FLabel->setWordWrap(value);
    AdjustSize();
}

void TLabel::SetTransparent(bool value)
{
    if (value == FTransparent)
        return;
    FTransparent = value;
    UpdateBackground();
}

void TLabel::SetParentColor(bool value)
{
    FParentColor = value;
    FollowParent();
}

void TLabel::SetParentFont(bool value)
{
    FParentFont = value;
    FollowParent();
}

void TLabel::SetParent(TWinControl* parent)
{
    TWinControl::SetParent(parent);
    FollowParent();
}

void TLabel::Loaded()
{
    TWinControl::Loaded();
    // Sizing waited while the layout was read; the text and font are final now.
    AdjustSize();
}

void TLabel::FollowParent()
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    if (FParentColor) {
        SetColor(parent->Color());
        // SetColor counts as choosing a colour of one's own; following the parent is not that.
        FParentColor = true;
    }
    if (FParentFont) {
        FTakingParentFont = true;
        Font()->Assign(*parent->Font());
        FTakingParentFont = false;
    }
}

bool TLabel::ProposeAutoSize(int& newWidth, int& newHeight)
{
    // A wrapping label keeps its width and grows downwards; any other takes its text's size.
    if (FWordWrap) {
        newHeight = FLabel->heightForWidth(newWidth);
    } else {
        const QSize size = FLabel->sizeHint();
        newWidth = size.width();
        newHeight = size.height();
    }
    return true;
}

void TLabel::TextChanged()
{
    FLabel->setText(DisplayText(Caption()));
    AdjustSize();
}

void TLabel::FontChanged()
{
    // A font set on the label itself is its own, no longer the parent's.
    if (!FTakingParentFont)
        FParentFont = false;
    ApplyFont(*FLabel, *Font(), QPalette::WindowText);
    AdjustSize();
}

void TLabel::ColorChanged()
{
    FParentColor = false;
    UpdateBackground();
}

void TLabel::UpdateAlignment()
{
    static constexpr Qt::Alignment kHorizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    static constexpr Qt::Alignment kVertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    FLabel->setAlignment(kHorizontal[FAlignment] | kVertical[FLayout]);
}

void TLabel::UpdateBackground()
{
    FLabel->setAutoFillBackground(!FTransparent);
    ApplyColor(*FLabel, QPalette::Window, Color());
}

}  // namespace platform
