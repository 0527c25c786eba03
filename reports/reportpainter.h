#pragma once

#include "reports/cycleverdict.h"
#include "reports/reportmetadata.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;

// Draws the pages of a printed report on any paged device (a PDF writer or
// a printer) in millimetres and points, whatever the device's resolution.
// Measuring works before painting begins, so that a report can lay out all
// its pages, and so know their count, before it draws the first.
class ReportPainter
{
    Q_DECLARE_TR_FUNCTIONS(ReportPainter)

public:
    enum class Style {
        Title,      // the clinic's name, the cycle's number
        Subtitle,   // the kind of record
        Heading,    // a section
        Body,
        Bold,
        Label,      // the name above a value
        Small,
        SmallBold,
        Mono,       // hashes
        Result,     // the verdict
    };

    // Colours of the record: ink, secondary text, rules, the house accent,
    // light fills, and the verdicts'.
    static const QColor ink;
    static const QColor muted;
    static const QColor rule;
    static const QColor accent;
    static const QColor shade;
    static const QColor pass;
    static const QColor fail;
    static const QColor notEvaluated;
    static QColor verdictColor(CycleVerdict::Result result);

    explicit ReportPainter(QPagedPaintDevice &device);

    // Writes an A4 PDF/A-1b (every font embedded, the metadata in its XMP)
    // with what `draw` paints. The file is replaced only when it was
    // written completely; on failure `error` says why.
    static bool writePdf(const QString &fileName, const ReportMetadata &metadata, QPageLayout::Orientation orientation,
                         const std::function<bool(QPagedPaintDevice &)> &draw, QString *error);

    // The printable area less the footer, in millimetres from its top left.
    double width() const;
    double height() const;

    const QFont &font(Style style) const;
    // Height of one line of a style, in millimetres.
    double lineHeight(Style style) const;
    double textWidth(Style style, const QString &text) const;
    // Height of a text wrapped to a width as wrapped() wraps it, in
    // millimetres.
    double wrappedHeight(Style style, const QString &text, double width) const;

    // Begins painting; every page gets the footer with "Page N of M".
    bool begin(int pageCount, const QString &footer);
    void newPage();
    bool end();
    int page() const { return pageNumber; }

    // A text of one line in a box; elided at its right end when it is too
    // long for the box (texts that may be long are wrapped() instead).
    void text(const QRectF &box, Style style, const QString &text, int flags = Qt::AlignLeft | Qt::AlignTop,
              const QColor &color = ink);
    // A text wrapped to a width from a point (breaking a word only when it
    // is longer than the width); lines below maxHeight are left out. Returns
    // the height it took.
    double wrapped(const QPointF &topLeft, double width, Style style, const QString &text,
                   const QColor &color = ink, double maxHeight = 1e6);
    void line(const QPointF &from, const QPointF &to, double penWidth, const QColor &color,
              Qt::PenStyle style = Qt::SolidLine);
    void fill(const QRectF &box, const QColor &color);

    // The top of a first page: the clinic (or that it is not set) and the
    // kind of record on the left, what the record is about on the right,
    // and a rule; returns the y below it.
    double pageHeader(const QString &clinic, const QString &kind, const QString &subject, const QString &detail);
    double pageHeaderHeight() const;
    // A section's title with a rule under it and a remark on the right;
    // returns the y below it.
    double sectionHeading(double y, const QString &title, const QString &aside = QString());
    double sectionHeadingHeight() const;

    // For drawings of their own: the painter in device units, and the
    // conversion of lengths and boxes into them.
    QPainter &painter() { return qp; }
    double units(double mm) const { return mm * unitsPerMm; }
    QPointF units(const QPointF &mm) const { return mm * unitsPerMm; }
    QRectF units(const QRectF &mm) const;

private:
    void drawFooter();
    const QFontMetricsF &metrics(Style style) const;

    QPagedPaintDevice &device;
    QPainter qp;
    double unitsPerMm;
    int pageNumber = 0;
    int pages = 0;
    QString footerText;
    // Made once: a report draws thousands of texts.
    QVector<QFont> fonts;
    QVector<QFontMetricsF> fontMetrics;
};
