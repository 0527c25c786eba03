#pragma once

#include "register/pack.h"

#include <QRectF>
#include <QString>
#include <QVector>

#include <optional>

class QPainter;

// One pack's label: its code in Code 128 bars (drawn by the zint library as
// vectors, sharp on any printer) and as text, the pack type, the
// sterilisation and expiry dates, the operator's initials, the controller
// and program, and the cycle's verdict. Never a patient's reference.
namespace PackLabel {

// The bars of a Code 128 symbol of the text, in modules from the symbol's
// left edge (quiet zones not included); nothing, with *error, when the text
// cannot be encoded.
struct Bars {
    QVector<std::pair<double, double>> bars; // left edge and width, in modules
    int modules = 0;                         // the symbol's width
};
std::optional<Bars> code128(const QString &text, QString *error);

// Draws the label into the box, given in the painter's device pixels, at
// the device's resolution `dotsPerMm`; false when its code cannot be
// encoded.
bool paint(QPainter &painter, const QRectF &box, double dotsPerMm, const Pack &pack);

} // namespace PackLabel
