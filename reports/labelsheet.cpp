#include "reports/labelsheet.h"

#include "records/nofollowfile.h"
#include "reports/packlabel.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace LabelSheet {

namespace {

Format roll(const char *name, double width, double height)
{
    Format f;
    f.name = QString::fromLatin1(name);
    f.description = QCoreApplication::translate("LabelSheet", "Roll, %1 x %2 mm").arg(width).arg(height);
    f.label = {width, height};
    return f;
}

} // namespace

const QVector<Format> &formats()
{
    static const QVector<Format> all = [] {
        // A4 with 5 x 13 labels of 38.1 x 21.2 mm: 4.65 mm beside the
        // columns, 2.54 mm between them, 10.7 mm above and below.
        Format a4;
        a4.name = QStringLiteral("a4-65");
        a4.description = QCoreApplication::translate("LabelSheet", "A4 sheet, 65 labels of 38.1 x 21.2 mm");
        a4.label = {38.1, 21.2};
        a4.sheet = true;
        a4.columns = 5;
        a4.rows = 13;
        a4.left = 4.65;
        a4.top = 10.7;
        a4.pitchX = 40.64;
        a4.pitchY = 21.2;
        return QVector<Format>{roll("62x29", 62, 29), roll("57x32", 57, 32), roll("50x25", 50, 25), a4};
    }();
    return all;
}

const Format *format(const QString &name)
{
    for (const Format &f : formats())
        if (f.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

bool draw(QPagedPaintDevice &device, const Format &format, const QVector<Pack> &packs, int first)
{
    const QPageSize page = format.sheet ? QPageSize(QPageSize::A4)
                                        : QPageSize(format.label, QPageSize::Millimeter, QString(),
                                                    QPageSize::ExactMatch);
    // A roll's page is the label as given, wider than tall: "portrait" keeps
    // its width and height as they are.
    device.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double dotsPerMm = device.logicalDpiX() / 25.4;
    const int perPage = format.perPage();
    int position = format.sheet ? std::clamp(first, 1, perPage) - 1 : 0;
    bool ok = true;
    for (int i = 0; i < packs.size() && ok; ++i, ++position) {
        if (position == perPage) {
            device.newPage();
            position = 0;
        }
        const int column = position % format.columns;
        const int row = position / format.columns;
        const QRectF box((format.left + column * format.pitchX) * dotsPerMm, (format.top + row * format.pitchY) * dotsPerMm,
                         format.label.width() * dotsPerMm, format.label.height() * dotsPerMm);
        ok = PackLabel::paint(painter, box, dotsPerMm, packs[i]);
    }
    painter.end();
    return ok;
}

bool writePdf(const QString &fileName, const Format &format, const QVector<Pack> &packs, int first, QString *error)
{
    // Drawn in memory, then written whole and never through a link at its
    // name.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QCoreApplication::translate("LabelSheet", "Pack labels"));
        pdf.setCreator(QStringLiteral("Vaporin Regulon"));
        pdf.setResolution(1200);
        if (!draw(pdf, format, packs, first)) {
            *error = QCoreApplication::translate("LabelSheet", "the labels could not be drawn");
            return false;
        }
    }
    return NoFollowFile::write(fileName, buffer.data(), NoFollowFile::Access::Shared, error);
}

} // namespace LabelSheet
