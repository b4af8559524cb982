#include "graphics/Color.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <utility>

namespace platform {

TColor ColorToRGB(TColor color)
{
    if ((color & kSystemColorBit) == 0)
        return color;
    QPalette palette = QGuiApplication::palette();
    QColor c;
    switch (color) {
    case clWindowText: c = palette.color(QPalette::WindowText); break;
    case clWindow: c = palette.color(QPalette::Base); break;
    case clBtnShadow: c = palette.color(QPalette::Dark); break;
    case clBtnHighlight: c = palette.color(QPalette::Light); break;
    case clBtnFace:
    default: c = palette.color(QPalette::Button); break;
    }
    return RGB(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

std::optional<TColor> IdentToColor(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, TColor>, 15> kNames{{
        {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clNavy", clNavy},
        {"clGray", clGray}, {"clSilver", clSilver}, {"clRed", clRed}, {"clYellow", clYellow},
        {"clBlue", clBlue}, {"clWhite", clWhite}, {"clWindowText", clWindowText},
        {"clWindow", clWindow}, {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow},
        {"clBtnHighlight", clBtnHighlight},
    }};
    for (auto& [n, c] : kNames)
        if (n == name)
            return c;
    return std::nullopt;
}

}  // namespace platform
