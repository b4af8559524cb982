#include "forms/Screen.h"

#include "forms/Form.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace platform {

namespace {
TScreen gScreen;
}
TScreen* Screen = &gScreen;

int TScreen::Width() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

TRect TScreen::WorkAreaRect() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return {};
    QRect r = s->availableGeometry();
    return Bounds(r.x(), r.y(), r.width(), r.height());
}

void TScreen::FormActivated(TForm* form)
{
    if (form == FActiveForm)
        return;
    TForm* old = FActiveForm;
    FActiveForm = form;
    if (old)
        old->OnDeactivate(old);
    if (form && form == FActiveForm)
        form->OnActivate(form);
}

void TScreen::AddForm(TForm* form) { FForms.push_back(form); }

void TScreen::RemoveForm(TForm* form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
    if (FActiveForm == form)
        FActiveForm = nullptr;
}

}  // namespace platform
