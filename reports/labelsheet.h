#pragma once

#include "register/pack.h"

#include <QSizeF>
#include <QString>
#include <QVector>

class QPagedPaintDevice;

// Pack labels laid out for a label printer's roll (one label a page) or an
// A4 sheet of labels, starting at the sheet's first free position so that a
// half-used sheet is used up.
namespace LabelSheet {

struct Format {
    QString name;        // as the command line takes it: "62x29"
    QString description; // as a form shows it
    QSizeF label;        // millimetres
    // A sheet's grid; a roll has one label a page.
    bool sheet = false;
    int columns = 1;
    int rows = 1;
    double left = 0.0; // the first label's top left on the page, mm
    double top = 0.0;
    double pitchX = 0.0; // from one label's left edge to the next's, mm
    double pitchY = 0.0;

    int perPage() const { return columns * rows; }
};

const QVector<Format> &formats();
// The format of the name; nothing for another.
const Format *format(const QString &name);

// Sets the device's page for the format and draws the packs' labels from
// position `first` (1 = top left, row by row; rolls ignore it) on as many
// pages as they need; false when a pack's code cannot be drawn.
bool draw(QPagedPaintDevice &device, const Format &format, const QVector<Pack> &packs, int first = 1);

// The same into a PDF file, replaced only once it is complete; false with
// *error.
bool writePdf(const QString &fileName, const Format &format, const QVector<Pack> &packs, int first,
              QString *error);

} // namespace LabelSheet
