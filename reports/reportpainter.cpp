#include "reports/reportpainter.h"

#include "records/nofollowfile.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QBuffer>
#include <QTextLayout>

namespace {

constexpr double footerHeight = 8.0; // mm, below the body

// Lays the text out in lines of the width in device units: at word
// boundaries, and within a word only where it is longer than a line, so that
// a name or a comment without blanks wraps instead of running off the page.
// Returns its height.
qreal layOut(QTextLayout &layout, qreal width)
{
    QString text = layout.text();
    layout.setText(text.replace(QLatin1Char('\n'), QChar::LineSeparator));
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

} // namespace

const QColor ReportPainter::ink(0x1a, 0x1a, 0x1a);
const QColor ReportPainter::muted(0x5f, 0x63, 0x68);
const QColor ReportPainter::rule(0xc4, 0xc9, 0xcf);
const QColor ReportPainter::accent(0x1f, 0x3a, 0x5f);
const QColor ReportPainter::shade(0xf1, 0xf3, 0xf5);
const QColor ReportPainter::pass(0x1b, 0x7a, 0x3a);
const QColor ReportPainter::fail(0xb0, 0x1e, 0x1e);
const QColor ReportPainter::notEvaluated(0x8a, 0x5a, 0x00);

QColor ReportPainter::verdictColor(CycleVerdict::Result result)
{
    switch (result) {
    case CycleVerdict::Result::Pass:
        return pass;
    case CycleVerdict::Result::Fail:
        return fail;
    case CycleVerdict::Result::NotEvaluated:
        break;
    }
    return notEvaluated;
}

namespace {

QFont styledFont(ReportPainter::Style style)
{
    using Style = ReportPainter::Style;
    QFont f = QFontDatabase::systemFont(style == Style::Mono ? QFontDatabase::FixedFont
                                                             : QFontDatabase::GeneralFont);
    // Text is laid out in device units: no hinting, so that measures and
    // drawing agree at every resolution. No ligatures either: a hash or a
    // name copied out of the PDF must read as it was written.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferNoShaping);
    switch (style) {
    case Style::Title:
        f.setPointSizeF(16);
        f.setBold(true);
        break;
    case Style::Subtitle:
        f.setPointSizeF(10.5);
        break;
    case Style::Heading:
        f.setPointSizeF(10);
        f.setBold(true);
        break;
    case Style::Body:
        f.setPointSizeF(9);
        break;
    case Style::Bold:
        f.setPointSizeF(9);
        f.setBold(true);
        break;
    case Style::Label:
        f.setPointSizeF(7);
        break;
    case Style::Small:
        f.setPointSizeF(7.5);
        break;
    case Style::SmallBold:
        f.setPointSizeF(7.5);
        f.setBold(true);
        break;
    case Style::Mono:
        f.setPointSizeF(7.5);
        break;
    case Style::Result:
        f.setPointSizeF(16);
        f.setBold(true);
        break;
    }
    return f;
}

} // namespace

ReportPainter::ReportPainter(QPagedPaintDevice &device)
    : device(device), unitsPerMm(device.logicalDpiX() / 25.4)
{
    for (int style = 0; style <= int(Style::Result); ++style) {
        fonts << styledFont(Style(style));
        fontMetrics << QFontMetricsF(fonts.last(), &device);
    }
}

bool ReportPainter::writePdf(const QString &fileName, const ReportMetadata &metadata, QPageLayout::Orientation orientation,
                             const std::function<bool(QPagedPaintDevice &)> &draw, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = tr("Cannot write %1: %2").arg(fileName, why);
        return false;
    };
    // Drawn in memory, then written whole and never through a link at its
    // name.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        // The archival form: fonts embedded, no transparency, its
        // metadata in XMP that names the clinic, controller and cycle.
        const QString creator = QStringLiteral("Vaporin Regulon");
        pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        pdf.setTitle(metadata.title);
        pdf.setCreator(creator);
        pdf.setDocumentXmpMetadata(metadata.xmp(creator, QStringLiteral("Qt ") + QLatin1String(qVersion()),
                                                QDateTime::currentDateTime()));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 12, 15, 10),
                                      QPageLayout::Millimeter));
        if (!draw(pdf))
            return fail(tr("the report could not be drawn"));
    }
    QString why;
    if (!NoFollowFile::write(fileName, buffer.data(), NoFollowFile::Access::Shared, &why))
        return fail(why);
    return true;
}

double ReportPainter::width() const
{
    return device.width() / unitsPerMm;
}

double ReportPainter::height() const
{
    return device.height() / unitsPerMm - footerHeight;
}

const QFont &ReportPainter::font(Style style) const
{
    return fonts.at(int(style));
}

const QFontMetricsF &ReportPainter::metrics(Style style) const
{
    return fontMetrics.at(int(style));
}

double ReportPainter::lineHeight(Style style) const
{
    return metrics(style).height() / unitsPerMm;
}

double ReportPainter::textWidth(Style style, const QString &text) const
{
    return metrics(style).horizontalAdvance(text) / unitsPerMm;
}

double ReportPainter::wrappedHeight(Style style, const QString &text, double width) const
{
    QTextLayout layout(text, font(style), &device);
    return qMax(layOut(layout, units(width)) / unitsPerMm, lineHeight(style));
}

QRectF ReportPainter::units(const QRectF &mm) const
{
    return {mm.x() * unitsPerMm, mm.y() * unitsPerMm, mm.width() * unitsPerMm, mm.height() * unitsPerMm};
}

bool ReportPainter::begin(int pageCount, const QString &footer)
{
    pages = pageCount;
    footerText = footer;
    pageNumber = 1;
    if (!qp.begin(&device))
        return false;
    qp.setRenderHint(QPainter::Antialiasing);
    drawFooter();
    return true;
}

void ReportPainter::newPage()
{
    device.newPage();
    ++pageNumber;
    drawFooter();
}

bool ReportPainter::end()
{
    return qp.end();
}

void ReportPainter::drawFooter()
{
    const double top = height() + footerHeight / 2;
    line({0, top}, {width(), top}, 0.2, rule);
    const QRectF box(0, top + 1, width(), footerHeight / 2);
    const QString pageText = tr("Page %1 of %2").arg(pageNumber).arg(pages);
    text(box, Style::SmallBold, pageText, Qt::AlignRight | Qt::AlignTop, accent);
    text(box.adjusted(0, 0, -textWidth(Style::SmallBold, pageText) - 6, 0), Style::Small, footerText,
         Qt::AlignLeft | Qt::AlignTop, muted);
}

void ReportPainter::text(const QRectF &box, Style style, const QString &text, int flags, const QColor &color)
{
    qp.setFont(font(style));
    qp.setPen(color);
    const QRectF target = units(box);
    if (metrics(style).horizontalAdvance(text) <= target.width())
        qp.drawText(target, flags, text);
    else
        qp.drawText(target, flags, metrics(style).elidedText(text, Qt::ElideRight, target.width()));
}

double ReportPainter::wrapped(const QPointF &topLeft, double width, Style style, const QString &text,
                              const QColor &color, double maxHeight)
{
    QTextLayout layout(text, font(style), &device);
    layOut(layout, units(width));
    qp.setPen(color);
    // Only whole lines: a line cut in half would still be in the PDF's text.
    // A hundredth of a millimetre spares a line that the sums of heights
    // measured beforehand round below its own.
    const double limit = units(maxHeight + 0.01);
    double h = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (line.y() + line.height() > limit)
            break;
        line.draw(&qp, units(topLeft));
        h = (line.y() + line.height()) / unitsPerMm;
    }
    return qMin(qMax(h, lineHeight(style)), maxHeight);
}

void ReportPainter::line(const QPointF &from, const QPointF &to, double penWidth, const QColor &color,
                         Qt::PenStyle style)
{
    QPen pen(color, units(penWidth), style, Qt::FlatCap);
    qp.setPen(pen);
    qp.drawLine(units(from), units(to));
}

void ReportPainter::fill(const QRectF &box, const QColor &color)
{
    qp.fillRect(units(box), color);
}

double ReportPainter::pageHeader(const QString &clinic, const QString &kind, const QString &subject,
                                 const QString &detail)
{
    const double w = width();
    const bool named = !clinic.trimmed().isEmpty();
    const double title = lineHeight(Style::Title);
    const double sub = lineHeight(Style::Subtitle);
    // The subject is short and must show whole; the clinic's name takes
    // the rest of the line.
    const double right = qMin(textWidth(Style::Title, subject) + 1, w / 2);
    text(QRectF(0, 0, w - right - 5, title), Style::Title, named ? clinic : tr("Clinic name not set"),
         Qt::AlignLeft | Qt::AlignTop, named ? ink : muted);
    text(QRectF(0, title, w / 2, sub), Style::Subtitle, kind, Qt::AlignLeft | Qt::AlignTop, muted);
    text(QRectF(w - right, 0, right, title), Style::Title, subject, Qt::AlignRight | Qt::AlignTop);
    text(QRectF(w / 2, title, w / 2, sub), Style::Subtitle, detail, Qt::AlignRight | Qt::AlignTop, muted);
    const double y = title + sub + 2;
    line({0, y}, {w, y}, 0.6, accent);
    return pageHeaderHeight();
}

double ReportPainter::pageHeaderHeight() const
{
    return lineHeight(Style::Title) + lineHeight(Style::Subtitle) + 2.6;
}

double ReportPainter::sectionHeadingHeight() const
{
    return lineHeight(Style::Heading) + 1.5;
}

double ReportPainter::sectionHeading(double y, const QString &title, const QString &aside)
{
    const QRectF box(0, y, width(), sectionHeadingHeight());
    text(box, Style::Heading, title, Qt::AlignLeft | Qt::AlignTop, accent);
    if (!aside.isEmpty())
        text(box.adjusted(textWidth(Style::Heading, title) + 5, 0, 0, 0), Style::Small, aside,
             Qt::AlignRight | Qt::AlignTop, muted);
    const double below = y + sectionHeadingHeight() - 0.6;
    line({0, below}, {width(), below}, 0.15, rule);
    return y + sectionHeadingHeight();
}
