#include "stdctrls/StatusBar.h"

#include "core/ClassInfo.h"
#include "graphics/Font.h"
#include "graphics/internal/FontMapping.h"
#include "stdctrls/StatusPanel.h"
#include "stdctrls/StatusPanels.h"

#include <QLabel>
#include <QSizeGrip>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {
constexpr int kDefaultWidth = 200;
constexpr int kDefaultHeight = 19;
// Room above the panels, between them, and before a panel's text.
constexpr int kTopMargin = 2;
constexpr int kPanelGap = 2;
constexpr int kTextIndent = 2;

void ApplyBevel(QLabel& label, TStatusPanelBevel bevel)
{
    switch (bevel) {
    case pbNone: label.setFrameStyle(QFrame::NoFrame); break;
    case pbLowered: label.setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    case pbRaised: label.setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    }
    label.setLineWidth(1);
}
}  // namespace

const TClassInfo& TStatusBar::StaticClass()
{
    static const TClassInfo info = TClassBuilder<TStatusBar, TWinControl>("TStatusBar")
        .Publish({"Anchors", "Font", "Visible"})
        .Publish({"Align"}).Default(std::int64_t(alBottom))
        .Boolean("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel, false)
        .String("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText, std::string())
        .Boolean("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip, true)
        .Build();
    return info;
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner, new QWidget), FPanels(std::make_unique<TStatusPanels>())
{
    Handle()->setAutoFillBackground(true);
    ApplyColor(*Handle(), QPalette::Window, Color());
    Handle()->setFont(ToQFont(*Font()));
    FSimpleLabel = NewLabel();
    FSimpleLabel->hide();
    FGrip = new QSizeGrip(Handle());
    FPanels->OnChange = Method(&TStatusBar::PanelsChanged, this);
    SetAlign(alBottom);
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
    ArrangePanels();
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::SetSimplePanel(bool value)
{
    if (value == FSimplePanel)
        return;
    FSimplePanel = value;
    ArrangePanels();
}

void TStatusBar::SetSimpleText(const std::string& value)
{
    FSimpleText = value;
    FSimpleLabel->setText(QString::fromStdString(value));
}

void TStatusBar::SetSizeGrip(bool value)
{
    if (value == FSizeGrip)
        return;
    FSizeGrip = value;
    ArrangePanels();
}

void TStatusBar::PanelsChanged(TObject*) { UpdatePanels(); }

QLabel* TStatusBar::NewLabel()
{
    auto* label = new QLabel(Handle());
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setIndent(kTextIndent);
    return label;
}

void TStatusBar::UpdatePanels()
{
    const auto count = std::size_t(FPanels->Count());
    while (FPanelLabels.size() > count) {
        delete FPanelLabels.back();
        FPanelLabels.pop_back();
    }
    while (FPanelLabels.size() < count)
        FPanelLabels.push_back(NewLabel());
    for (std::size_t i = 0; i < count; ++i) {
        const TStatusPanel* panel = FPanels->Items(int(i));
        FPanelLabels[i]->setText(QString::fromStdString(panel->Text()));
        ApplyBevel(*FPanelLabels[i], panel->Bevel());
    }
    ArrangePanels();
}

void TStatusBar::ArrangePanels()
{
    const int width = std::max(ClientWidth(), 0), height = std::max(ClientHeight(), 0);
    const QSize grip = FGrip->sizeHint();
    FGrip->setGeometry(width - grip.width(), height - grip.height(), grip.width(), grip.height());
    FGrip->setVisible(FSizeGrip);
    // The grip sits in the last panel's corner; the panel's text stops short of it.
    const int right = FSizeGrip ? width - grip.width() : width;
    const int panelHeight = std::max(height - kTopMargin, 0);
    FSimpleLabel->setGeometry(0, kTopMargin, std::max(right, 0), panelHeight);
    FSimpleLabel->setVisible(FSimplePanel);
    int x = 0;
    for (std::size_t i = 0; i < FPanelLabels.size(); ++i) {
        const bool last = i + 1 == FPanelLabels.size();
        const int w = last ? right - x : FPanels->Items(int(i))->Width();
        FPanelLabels[i]->setGeometry(x, kTopMargin, std::max(w, 0), panelHeight);
        FPanelLabels[i]->setVisible(!FSimplePanel);
        x += w + kPanelGap;
    }
    FGrip->raise();
}

void TStatusBar::Resized()
{
    TWinControl::Resized();
    ArrangePanels();
}

void TStatusBar::FontChanged()
{
    // The panel labels take the bar's font as Qt passes it down to children.
    ApplyFont(*Handle(), *Font(), QPalette::WindowText);
}

void TStatusBar::ColorChanged() { ApplyColor(*Handle(), QPalette::Window, Color()); }

}  // namespace platform
