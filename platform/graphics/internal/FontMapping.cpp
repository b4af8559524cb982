#include "graphics/internal/FontMapping.h"

#include "graphics/Font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace platform {

namespace {
// The bitmap face the layouts were designed with, and the scalable face whose metrics come
// closest to it among the fonts this program installs.
constexpr const char* kDesignFace = "MS Sans Serif";
constexpr const char* kSubstituteFace = "Liberation Sans";
// A positive height is the cell height, leading included; the character height is about this
// share of it.
constexpr double kCharacterShareOfCell = 0.8;

// TFont's style bits.
constexpr std::uint8_t kBold = 1, kItalic = 2, kUnderline = 4, kStrikeOut = 8;

// The family to ask Qt for; empty means the default sans-serif. Looked up once per name: the
// font database is slow to query and does not change while the program runs.
QString FamilyFor(const std::string& name)
{
    static std::map<std::string, QString, std::less<>> cache;
    if (auto it = cache.find(name); it != cache.end())
        return it->second;
    QString family = QString::fromStdString(name);
    if (name == kDesignFace || !QFontDatabase::hasFamily(family))
        family = QFontDatabase::hasFamily(kSubstituteFace) ? QString(kSubstituteFace) : QString();
    cache.emplace(name, family);
    return family;
}
}  // namespace

QFont ToQFont(const TFont& font)
{
    QFont result;
    const QString family = FamilyFor(font.Name());
    if (family.isEmpty())
        result.setStyleHint(QFont::SansSerif);
    else
        result.setFamily(family);
    const int height = font.Height();
    if (height < 0)
        result.setPixelSize(-height);
    else if (height > 0)
        result.setPixelSize(std::max(1, int(std::lround(height * kCharacterShareOfCell))));
    const std::uint8_t style = font.Style();
    result.setBold((style & kBold) != 0);
    result.setItalic((style & kItalic) != 0);
    result.setUnderline((style & kUnderline) != 0);
    result.setStrikeOut((style & kStrikeOut) != 0);
    return result;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

void ApplyFont(QWidget& widget, const TFont& font, QPalette::ColorRole textRole)
{
    widget.setFont(ToQFont(font));
    // The default text colour is whatever the widget's kind writes with in the application's
    // palette (button text for a button), not the window-text colour as such.
    if (font.Color() == clWindowText) {
        QPalette palette = widget.palette();
        palette.setColor(textRole, QApplication::palette(&widget).color(textRole));
        widget.setPalette(palette);
    } else {
        ApplyColor(widget, textRole, font.Color());
    }
}

void ApplyColor(QWidget& widget, QPalette::ColorRole role, TColor color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, ToQColor(color));
    widget.setPalette(palette);
}

}  // namespace platform
