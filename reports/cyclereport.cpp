#include "reports/cyclereport.h"

#include "app/language.h"
#include "register/storedtext.h"
#include "reports/cyclecurve.h"
#include "reports/reportformat.h"
#include "reports/reportpainter.h"
#include "reports/verdicttext.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QStringList>

#include <cmath>

namespace {

using Style = ReportPainter::Style;
using ReportFormat::orUnknown;

// Heights and widths in millimetres.
constexpr double sectionGap = 5.0;
constexpr double cellHeight = 9.5;
constexpr double verdictPadding = 2.5;
constexpr double curveHeight = 72.0;
constexpr double integrityHeight = 28.0;
constexpr double releaseGap = 2.0;
constexpr double sampleGroupWidth = 25.0;

QString cycleNumberText(const Cycle &c)
{
    return c.cycleNumber < 0 ? orUnknown(QString(), Language::locale()) : QString::number(c.cycleNumber);
}

QString controllerText(const Cycle &c)
{
    return orUnknown(c.controllerSerial, Language::locale());
}

QString programText(const Cycle &c)
{
    const QString name = orUnknown(c.programName, Language::locale());
    return c.programNumber > 0 ? CycleReport::tr("%1 (no. %2)").arg(name, QString::number(c.programNumber)) : name;
}

QString originText(const Cycle &c)
{
    QString text;
    switch (c.origin) {
    case Cycle::Origin::Recorded:
        text = CycleReport::tr("recorded by the station");
        break;
    case Cycle::Origin::Recovered:
        text = CycleReport::tr("recovered from the journal");
        break;
    case Cycle::Origin::Imported:
        text = CycleReport::tr("imported from a run log");
        break;
    }
    return c.adopted ? CycleReport::tr("%1, adopted run").arg(text) : text;
}

QString durationText(const Cycle &c)
{
    if (!c.started.isValid() || !c.finished.isValid())
        return orUnknown(QString(), Language::locale());
    return ReportFormat::duration(c.started.msecsTo(c.finished));
}

// Draws the report; every height is measured before the first page is
// drawn, so that the page count is known for the footers.
class Writer
{
    Q_DECLARE_TR_FUNCTIONS(CycleReport)

public:
    Writer(QPagedPaintDevice &device, const CycleReportData &data)
        : page(device), data(data), c(data.cycle), v(data.verdict), reason(VerdictText::reason(v.reason))
    {
        stepsHeight = page.wrappedHeight(Style::Body, ReportFormat::steps(c.steps, locale), page.width());
        // Room for the longest result, so that every verdict lays out alike.
        for (const CycleVerdict::Result result :
             {CycleVerdict::Result::Pass, CycleVerdict::Result::Fail, CycleVerdict::Result::NotEvaluated})
            verdictLabelWidth = qMax(verdictLabelWidth, page.textWidth(Style::Result, VerdictText::result(result)) + 9);
        // A word longer still takes two lines rather than the reason's room.
        verdictLabelWidth = qMin(verdictLabelWidth, page.width() * 0.4);
        reasonWidth = page.width() - verdictLabelWidth - 2 * verdictPadding;
        verdictHeight = page.wrappedHeight(Style::Body, reason, reasonWidth) + 1
            + page.wrappedHeight(Style::Small, ReportFormat::verdictFigures(v, locale), reasonWidth)
            + 2 * verdictPadding;
        verdictHeight = qMax(verdictHeight, resultHeight() + 2 * verdictPadding);
        for (int i = 0; i < data.releases.size(); ++i)
            releaseHeights << qMin(releaseHeight(i), page.height() - 2 * headingHeight());

        // Release entries that do not fit on page 1 continue on pages of
        // their own, in their order.
        double room = releaseBottom() - releaseTop() - headingHeight() - page.lineHeight(Style::Small);
        for (int i = 0; i < releaseHeights.size(); ++i) {
            if (releaseHeights[i] > room) {
                releasePageStarts << i;
                room = page.height() - headingHeight() - page.lineHeight(Style::Small);
            }
            room -= releaseHeights[i] + releaseGap;
        }

        rowHeight = page.lineHeight(Style::Small) * 1.15;
        groups = qMax(1, int(page.width() / sampleGroupWidth));
        rowsPerPage = qMax(1, int((page.height() - sampleTableTop()) / rowHeight));
        const int perPage = rowsPerPage * groups;
        samplePages = (c.samples.size() + perPage - 1) / perPage;
    }

    bool write()
    {
        const QDateTime generated = data.generatedAt.isValid() ? data.generatedAt : QDateTime::currentDateTime();
        const QString footer = QStringList{tr("Controller %1").arg(controllerText(c)),
                                           tr("cycle %1").arg(cycleNumberText(c)),
                                           tr("report generated %1").arg(instant(generated))}
                                   .join(ReportFormat::separator());
        if (!page.begin(1 + releasePageStarts.size() + samplePages, footer))
            return false;
        drawFirstPage();
        for (int i = 0; i < releasePageStarts.size(); ++i) {
            page.newPage();
            const int end = i + 1 < releasePageStarts.size() ? releasePageStarts[i + 1] : data.releases.size();
            drawReleases(0, tr("Release history (continued)"), releasePageStarts[i], end);
        }
        for (int i = 0; i < samplePages; ++i) {
            page.newPage();
            drawSamples(i);
        }
        return page.end();
    }

private:
    QString instant(const QDateTime &time) const { return ReportFormat::instant(time, true, locale); }
    double resultHeight() const
    {
        return page.wrappedHeight(Style::Result, VerdictText::result(v.result), verdictLabelWidth - 4);
    }
    double headingHeight() const { return page.sectionHeadingHeight(); }
    double heading(double y, const QString &title, const QString &aside = QString())
    {
        return page.sectionHeading(y, title, aside);
    }
    double identificationTop() const { return page.pageHeaderHeight() + sectionGap; }
    double verdictTop() const
    {
        return identificationTop() + headingHeight() + cellsHeight() + page.lineHeight(Style::Label) + stepsHeight
            + sectionGap;
    }
    double curveTop() const { return verdictTop() + headingHeight() + verdictHeight + sectionGap; }
    double releaseTop() const { return curveTop() + headingHeight() + curveHeight + sectionGap; }
    double releaseBottom() const { return page.height() - integrityHeight - sectionGap; }
    double sampleTableTop() const { return headingHeight() + page.lineHeight(Style::Small) + 2 + rowHeight * 1.3; }

    // The decision and who made it, beside its time.
    QString releaseHeadline(int i) const
    {
        const QString headline = ReportFormat::releaseHeadline(data.releases[i], locale);
        return i == data.releases.size() - 1 ? tr("%1  (current)").arg(headline) : headline;
    }
    double releaseHeadlineWidth(const Release &r) const
    {
        return page.width() - 4 - page.textWidth(Style::Small, instant(r.at)) - 4;
    }

    double releaseHeight(int i) const
    {
        const Release &r = data.releases[i];
        const double width = page.width() - 4;
        double h = page.wrappedHeight(Style::Bold, releaseHeadline(i), releaseHeadlineWidth(r))
            + page.wrappedHeight(Style::Small, ReportFormat::releaseDetails(r, locale), width);
        if (!r.comment.isEmpty())
            h += page.wrappedHeight(Style::Small, commentText(r), width);
        return h + 1.5;
    }

    static QString commentText(const Release &r) { return tr("Comment: %1").arg(r.comment); }

    // The cycle's fields, three to a row.
    struct Cell {
        QString label;
        QString value;
        Style style = Style::Body;
    };
    QVector<Cell> cells() const
    {
        return {
            {tr("Controller serial number"), controllerText(c)},
            {tr("Program"), programText(c)},
            {tr("Cycle number"), cycleNumberText(c)},
            {tr("Started"), instant(c.started)},
            {tr("Finished"), instant(c.finished)},
            {tr("Duration"), durationText(c)},
            {tr("Status"), c.status.isEmpty() ? orUnknown(c.status, locale) : StoredText::shown(c.status), Style::Bold},
            {tr("Entry"), originText(c)},
            {tr("Station"), orUnknown(c.station, locale)},
        };
    }
    double cellWidth() const { return page.width() / 3 - 2; }
    // A value longer than its cell (the longer words of some languages)
    // wraps in the small print.
    bool cellWraps(const Cell &cell) const { return page.textWidth(cell.style, cell.value) > cellWidth(); }
    double cellsHeight() const
    {
        const QVector<Cell> all = cells();
        double h = 0;
        for (int row = 0; row < all.size(); row += 3) {
            double extra = 0;
            for (int i = row; i < row + 3; ++i)
                if (cellWraps(all[i]))
                    extra = qMax(extra, page.wrappedHeight(Style::Small, all[i].value, cellWidth())
                                            - page.lineHeight(all[i].style));
            h += cellHeight + extra;
        }
        return h;
    }

    void drawCells(double y)
    {
        const QVector<Cell> all = cells();
        const double labelHeight = page.lineHeight(Style::Label);
        for (int row = 0; row < all.size(); row += 3) {
            double extra = 0;
            for (int i = row; i < row + 3; ++i) {
                const Cell &cell = all[i];
                const double x = (i - row) * page.width() / 3;
                page.text(QRectF(x, y, cellWidth(), labelHeight), Style::Label, locale.toUpper(cell.label),
                          Qt::AlignLeft | Qt::AlignTop, ReportPainter::muted);
                if (cellWraps(cell))
                    extra = qMax(extra, page.wrapped({x, y + labelHeight}, cellWidth(), Style::Small, cell.value)
                                            - page.lineHeight(cell.style));
                else
                    page.text(QRectF(x, y + labelHeight, cellWidth(), page.lineHeight(cell.style)), cell.style,
                              cell.value);
            }
            y += cellHeight + extra;
        }
    }

    void drawFirstPage()
    {
        const double w = page.width();
        page.pageHeader(data.clinicName, tr("Sterilisation cycle record"), tr("Cycle %1").arg(cycleNumberText(c)),
                        tr("Controller %1").arg(controllerText(c)));

        double y = heading(identificationTop(), tr("Cycle"));
        drawCells(y);
        y += cellsHeight();
        page.text(QRectF(0, y, w, page.lineHeight(Style::Label)), Style::Label, tr("PROGRAM STEPS"),
                  Qt::AlignLeft | Qt::AlignTop, ReportPainter::muted);
        page.wrapped({0, y + page.lineHeight(Style::Label)}, w, Style::Body, ReportFormat::steps(c.steps, locale));

        drawVerdict(heading(verdictTop(), tr("Verdict")));

        const QString samplesText = tr("%1 samples").arg(locale.toString(c.samples.size()));
        y = heading(curveTop(), tr("Temperature curve"),
                    v.holdKnown ? tr("%1; the band shaded over the hold, its longest stretch marked at the bottom")
                                      .arg(samplesText)
                                : samplesText);
        // The whole run beside the hold in detail, where a dip of a tenth shows.
        const QRectF curveBox(0, y + 1, w, curveHeight - 1);
        const std::optional<CycleCurve::View> detail = CycleCurve::holdDetail(v);
        const double split = detail ? w * 0.58 : w;
        CycleCurve::draw(page, curveBox.adjusted(0, 0, split - w, 0), c.samples, v, CycleCurve::wholeRun(c.samples, v));
        if (detail)
            CycleCurve::draw(page, curveBox.adjusted(split + 2, 0, 0, 0), c.samples, v, *detail);

        const int onFirst = releasePageStarts.isEmpty() ? data.releases.size() : releasePageStarts.first();
        drawReleases(releaseTop(), tr("Release"), 0, onFirst);
        drawIntegrity(page.height() - integrityHeight);
    }

    void drawVerdict(double y)
    {
        const QColor color = ReportPainter::verdictColor(v.result);
        const QRectF box(0, y + 0.5, page.width(), verdictHeight);
        page.fill(box, ReportPainter::shade);
        page.fill(QRectF(box.topLeft(), QSizeF(1.5, box.height())), color);
        const QString result = VerdictText::result(v.result);
        const QRectF resultBox(box.left() + 4, box.top() + verdictPadding, verdictLabelWidth - 4,
                               page.lineHeight(Style::Result));
        if (page.textWidth(Style::Result, result) <= resultBox.width())
            page.text(resultBox, Style::Result, result, Qt::AlignLeft | Qt::AlignTop, color);
        else
            page.wrapped(resultBox.topLeft(), resultBox.width(), Style::Result, result, color);
        const double x = box.left() + verdictLabelWidth;
        const double h = page.wrapped({x, box.top() + verdictPadding}, reasonWidth, Style::Body, reason);
        page.wrapped({x, box.top() + verdictPadding + h + 1}, reasonWidth, Style::Small,
                     ReportFormat::verdictFigures(v, locale), ReportPainter::muted);
    }

    void drawReleases(double y, const QString &title, int from, int to)
    {
        y = heading(y, title,
                    data.releases.isEmpty()      ? QString()
                    : data.releases.size() == 1 ? tr("1 entry")
                                                : tr("%n entries, oldest first", nullptr, data.releases.size()));
        if (data.releases.isEmpty()) {
            page.text(QRectF(0, y + 1, page.width(), page.lineHeight(Style::Bold)), Style::Bold, tr("not released"),
                      Qt::AlignLeft | Qt::AlignTop, ReportPainter::notEvaluated);
            return;
        }
        const double w = page.width() - 4;
        for (int i = from; i < to; ++i) {
            const Release &r = data.releases[i];
            const double top = y + 1;
            const bool latest = i == data.releases.size() - 1;
            page.fill(QRectF(0, top, 0.8, releaseHeights[i] - 1.5),
                      latest ? ReportPainter::accent : ReportPainter::rule);
            page.text(QRectF(3, top, w, page.lineHeight(Style::Bold)), Style::Small, instant(r.at),
                      Qt::AlignRight | Qt::AlignTop, ReportPainter::muted);
            // An entry longer than a page (a comment of many lines) is cut
            // off at the height it was given.
            const double bottom = top + releaseHeights[i] - 1.5;
            double line = top;
            line += page.wrapped({3, line}, releaseHeadlineWidth(r), Style::Bold, releaseHeadline(i), ReportPainter::ink,
                                 bottom - line);
            line += page.wrapped({3, line}, w, Style::Small, ReportFormat::releaseDetails(r, locale),
                                 ReportPainter::muted, bottom - line);
            if (!r.comment.isEmpty())
                page.wrapped({3, line}, w, Style::Small, commentText(r), ReportPainter::ink, bottom - line);
            y += releaseHeights[i] + releaseGap;
        }
        if (to < data.releases.size())
            page.text(QRectF(0, y, page.width(), page.lineHeight(Style::Small)), Style::Small,
                      tr("Continued on page %1").arg(page.page() + 1), Qt::AlignLeft | Qt::AlignTop,
                      ReportPainter::muted);
    }

    void drawIntegrity(double y)
    {
        y = heading(y, tr("Integrity"));
        const QString labels[] = {tr("Versions"), tr("Run log"), tr("Run log SHA-256"), tr("Register entry hash"),
                                  tr("Register position")};
        double labelWidth = 38;
        for (const QString &label : labels)
            labelWidth = qMax(labelWidth, page.textWidth(Style::Small, label) + 2);
        const auto row = [&](const QString &label, const QString &value, Style style) {
            page.text(QRectF(0, y, labelWidth, page.lineHeight(style)), Style::Small, label,
                      Qt::AlignLeft | Qt::AlignVCenter, ReportPainter::muted);
            page.text(QRectF(labelWidth, y, page.width() - labelWidth, page.lineHeight(style)), style, value,
                      Qt::AlignLeft | Qt::AlignVCenter);
            y += page.lineHeight(style) + 0.4;
        };
        row(labels[0],
            tr("station software %1, controller firmware %2")
                .arg(orUnknown(c.softwareVersion, locale), orUnknown(c.firmwareVersion, locale)),
            Style::Small);
        row(labels[1], c.logPath.isEmpty() ? tr("none") : c.logPath, Style::Small);
        row(labels[2], c.logSha256.isEmpty() ? tr("none") : c.logSha256, Style::Mono);
        row(labels[3], c.entryHash.isEmpty() ? tr("not entered in the register") : c.entryHash, Style::Mono);
        row(labels[4],
            data.position ? tr("%1  (when printed; vaporin-records verify --witness)").arg(data.position->text())
                          : tr("not known"),
            Style::Mono);
    }

    void drawSamples(int pageIndex)
    {
        const double w = page.width();
        heading(0, tr("Samples"), tr("Cycle %1, controller %2").arg(cycleNumberText(c), controllerText(c)));
        page.text(QRectF(0, headingHeight() + 0.5, w, page.lineHeight(Style::Small)), Style::Small,
                  tr("All %1 samples: time since the recording began (h:mm:ss) and chamber temperature (°C), "
                     "down each column")
                      .arg(locale.toString(c.samples.size())),
                  Qt::AlignLeft | Qt::AlignTop, ReportPainter::muted);

        const int first = pageIndex * rowsPerPage * groups;
        const int count = qMin(rowsPerPage * groups, c.samples.size() - first);
        const int rows = qMin(rowsPerPage, count);
        const double groupWidth = w / groups;
        const double top = sampleTableTop();
        const double headTop = top - rowHeight * 1.3;

        // Every other band of five rows shaded, to guide the eye across.
        for (int band = 5; band < rows; band += 10)
            page.fill(QRectF(0, top + band * rowHeight, w, qMin(5, rows - band) * rowHeight), ReportPainter::shade);
        for (int g = 0; g < groups && g * rows < count; ++g) {
            const double x = g * groupWidth;
            page.text(QRectF(x, headTop, groupWidth * 0.55, rowHeight), Style::SmallBold, tr("Time"),
                      Qt::AlignRight | Qt::AlignVCenter, ReportPainter::accent);
            page.text(QRectF(x + groupWidth * 0.55, headTop, groupWidth * 0.4, rowHeight), Style::SmallBold,
                      QStringLiteral("\u00b0C"), Qt::AlignRight | Qt::AlignVCenter, ReportPainter::accent);
            if (g > 0)
                page.line({x, headTop}, {x, top + rows * rowHeight}, 0.1, ReportPainter::rule);
        }
        page.line({0, top - 0.3}, {w, top - 0.3}, 0.2, ReportPainter::muted);

        for (int i = 0; i < count; ++i) {
            const CycleSample &s = c.samples[first + i];
            const double x = (i / rows) * groupWidth;
            const double y = top + (i % rows) * rowHeight;
            page.text(QRectF(x, y, groupWidth * 0.55, rowHeight), Style::Small, ReportFormat::elapsed(s.elapsedMs),
                      Qt::AlignRight | Qt::AlignVCenter);
            page.text(QRectF(x + groupWidth * 0.55, y, groupWidth * 0.4, rowHeight), Style::Small,
                      ReportFormat::number(s.celsius, 2, locale), Qt::AlignRight | Qt::AlignVCenter);
        }
    }

    const QLocale locale = Language::locale();
    ReportPainter page;
    const CycleReportData &data;
    const Cycle &c;
    const CycleVerdict &v;
    const QString reason; // in the report's language
    double stepsHeight = 0;
    double verdictLabelWidth = 0;
    double reasonWidth = 0;
    double verdictHeight = 0;
    QList<double> releaseHeights;
    QList<int> releasePageStarts; // the first release of each continuation page
    double rowHeight = 0;
    int groups = 1;
    int rowsPerPage = 1;
    int samplePages = 0;
};

} // namespace

bool CycleReport::write(QPagedPaintDevice &device, const CycleReportData &data)
{
    return Writer(device, data).write();
}

bool CycleReport::writePdf(const QString &fileName, const CycleReportData &data, QString *error)
{
    const QString cycle = cycleNumberText(data.cycle);
    const QString controller = controllerText(data.cycle);
    const ReportMetadata metadata{CycleReport::tr("Cycle %1, controller %2").arg(cycle, controller), data.clinicName,
                                  controller, cycle};
    return ReportPainter::writePdf(
        fileName, metadata, QPageLayout::Portrait,
        [&](QPagedPaintDevice &device) { return write(device, data); }, error);
}
