// The bare board: outline with the bus tab, solder mask, ground pour and the gold edge fingers.
#pragma once

#include <QPainter>
#include <QPainterPath>

namespace cardphoto {

// Centre x of edge-connector contact `position`, counted from the bracket end.
double fingerX(int position);
// Whether `position` lies in the key slot, where there is no contact.
bool isKey(int position);

QPainterPath boardOutline();
// The areas round the application's rings, kept clear of copper.
QPainterPath ringKeepOut();

void drawBoard(QPainter& p, const QPainterPath& outline);
void drawFingers(QPainter& p);

}  // namespace cardphoto
