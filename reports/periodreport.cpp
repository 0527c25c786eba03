#include "reports/periodreport.h"

#include "app/language.h"
#include "register/storedtext.h"
#include "reports/reportformat.h"
#include "reports/reportpainter.h"
#include "reports/verdicttext.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QStringList>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

using Style = ReportPainter::Style;
using Result = CycleVerdict::Result;

constexpr double sectionGap = 5.0;
constexpr double tileGap = 2.0;

// The table's columns: title, share of the width, alignment.
struct Column {
    const char *title;
    double share;
    Qt::Alignment align;
};
constexpr std::array<Column, 8> columns{{
    {QT_TRANSLATE_NOOP("PeriodReport", "No."), 0.035, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("PeriodReport", "Started"), 0.165, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("PeriodReport", "Controller"), 0.09, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("PeriodReport", "Cycle"), 0.05, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("PeriodReport", "Program"), 0.135, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("PeriodReport", "Status"), 0.155, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("PeriodReport", "Verdict"), 0.105, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("PeriodReport", "Latest release"), 0.265, Qt::AlignLeft},
}};
constexpr int programColumn = 4;
constexpr int verdictColumn = 6;
// Columns of names and texts that may be long: they wrap, and their row grows.
constexpr int wrappedColumns[] = {2, programColumn, 5, 7};

QString periodText(const PeriodReportData &data)
{
    const auto day = [](const QDate &d) {
        return d.isValid() ? ReportFormat::day(d, Language::locale()) : QStringLiteral("\u2026");
    };
    return PeriodReport::tr("%1 to %2").arg(day(data.from), day(data.to));
}

QString releaseText(const std::optional<Release> &r)
{
    if (!r)
        return PeriodReport::tr("not released");
    const QLocale locale = Language::locale();
    QStringList parts{ReportFormat::releaseWord(Release::text(r->decision), locale)};
    if (!r->operatorName.isEmpty())
        parts << r->operatorName;
    if (r->at.isValid())
        parts << ReportFormat::day(r->at.date(), locale);
    return parts.join(ReportFormat::separator());
}

class Writer
{
    Q_DECLARE_TR_FUNCTIONS(PeriodReport)

public:
    Writer(QPagedPaintDevice &device, const PeriodReportData &data) : page(device), data(data)
    {
        // A tile's label that is longer than its tile takes a second line,
        // and every tile grows by it.
        tileHeight = 13.0;
        for (const QString &label : tileLabels())
            if (page.textWidth(Style::Label, label) > tileLabelWidth())
                tileHeight = 13.0 + page.lineHeight(Style::Label);
        for (const PeriodReportEntry &e : data.cycles)
            reasons << VerdictText::reason(e.verdict.reason);
        rowHeight = page.lineHeight(Style::Small) * 1.45;
        // Rows flow onto as many pages as they need; the first page also
        // carries the summary.
        double y = firstTableTop() + rowHeight;
        for (int i = 0; i < data.cycles.size(); ++i) {
            const double h = height(i);
            if (y + h > page.height() && y > tableTop(pageStarts.size() + 1) + rowHeight) {
                pageStarts << i;
                y = tableTop(pageStarts.size() + 1) + rowHeight;
            }
            y += h;
        }
    }

    bool write()
    {
        const QDateTime generated = data.generatedAt.isValid() ? data.generatedAt : QDateTime::currentDateTime();
        const QString footer = QStringList{tr("Period report %1").arg(periodText(data)),
                                           tr("%n cycles", nullptr, data.cycles.size()),
                                           tr("generated %1").arg(ReportFormat::instant(generated, true, locale))}
                                   .join(ReportFormat::separator());
        if (!page.begin(1 + pageStarts.size(), footer))
            return false;
        page.pageHeader(data.clinicName, tr("Cycle register: period report"), periodText(data),
                        tr("Report generated %1").arg(ReportFormat::instant(generated, true, locale)));
        drawSummary(page.pageHeaderHeight() + sectionGap);
        // Under the summary and wrapped, never cut short: each position is a
        // witness only when it can be typed back whole.
        if (!positionsText().isEmpty())
            page.wrapped(QPointF(0, positionsTop()), page.width(), Style::Small, positionsText());
        const int firstEnd = pageStarts.isEmpty() ? data.cycles.size() : pageStarts.first();
        drawTable(firstTableTop(), 0, firstEnd);
        if (data.cycles.isEmpty())
            page.text(QRectF(0, firstTableTop() + rowHeight + 2, page.width(), rowHeight), Style::Body,
                      tr("No cycles in this period."), Qt::AlignLeft | Qt::AlignTop, ReportPainter::muted);
        for (int p = 0; p < pageStarts.size(); ++p) {
            page.newPage();
            const int end = p + 1 < pageStarts.size() ? pageStarts[p + 1] : data.cycles.size();
            const double top = page.sectionHeading(0, tr("Cycles %1 (continued)").arg(periodText(data)));
            drawTable(top, pageStarts[p], end);
        }
        return page.end();
    }

private:
    // The chains' heads when printed, for `verify --witness`; empty without.
    QString positionsText() const
    {
        QStringList positions;
        for (const ChainPosition &position : data.positions)
            positions << position.text();
        return positions.isEmpty() ? QString()
                                   : tr("Register positions when printed: %1")
                                         .arg(positions.join(QLatin1String(", ")));
    }
    double positionsTop() const
    {
        return page.pageHeaderHeight() + sectionGap + page.sectionHeadingHeight() + tileHeight + 1;
    }
    double positionsHeight() const
    {
        const QString text = positionsText();
        return text.isEmpty() ? 0.0 : 1 + page.wrappedHeight(Style::Small, text, page.width());
    }
    double firstTableTop() const
    {
        return page.pageHeaderHeight() + sectionGap + page.sectionHeadingHeight() + tileHeight + positionsHeight()
            + sectionGap + page.sectionHeadingHeight();
    }
    double tableTop(int pageNumber) const
    {
        return pageNumber == 1 ? firstTableTop() : page.sectionHeadingHeight();
    }

    double cellWidth(int column) const { return columns[column].share * page.width() - 1.6; }
    // The space above and below a line of a row.
    double cellPadding() const { return (rowHeight - page.lineHeight(Style::Small)) / 2; }

    QStringList cells(int i) const
    {
        const PeriodReportEntry &e = data.cycles[i];
        const Cycle &c = e.cycle;
        return {
            QString::number(i + 1),
            ReportFormat::instant(c.started, false, locale),
            c.controllerSerial,
            c.cycleNumber < 0 ? QStringLiteral("\u2013") : QString::number(c.cycleNumber),
            c.programName,
            StoredText::shown(c.status),
            VerdictText::result(e.verdict.result),
            releaseText(e.latestRelease),
        };
    }

    double reasonWidth() const
    {
        double w = 0;
        for (int c = programColumn; c < int(columns.size()); ++c)
            w += cellWidth(c) + 1.6;
        return w - 1.6;
    }

    // The cells' height: a line, or the lines of the longest wrapped text.
    double cellsHeight(int i) const
    {
        const QStringList texts = cells(i);
        double h = rowHeight;
        for (const int col : wrappedColumns)
            h = qMax(h, page.wrappedHeight(Style::Small, texts[col], cellWidth(col)) + 2 * cellPadding());
        // A verdict's word longer than its column in some languages takes two lines.
        return qMax(h, page.wrappedHeight(Style::SmallBold, texts[verdictColumn], cellWidth(verdictColumn))
                           + 2 * cellPadding());
    }

    double height(int i) const
    {
        const PeriodReportEntry &e = data.cycles[i];
        return cellsHeight(i)
            + (e.verdict.result == Result::Pass ? 0
                                                : page.wrappedHeight(Style::Small, reasons[i], reasonWidth()));
    }

    static constexpr int tileCount = 9;
    double tileWidth() const { return (page.width() - tileGap * (tileCount - 1)) / tileCount; }
    double tileLabelWidth() const { return tileWidth() - 4.5; }
    std::array<QString, tileCount> tileLabels() const
    {
        std::array<QString, tileCount> labels{
            tr("Cycles"),
            VerdictText::result(Result::Pass),
            VerdictText::result(Result::Fail),
            VerdictText::result(Result::NotEvaluated),
            decision(Release::Decision::Released),
            decision(Release::Decision::Rejected),
            decision(Release::Decision::Quarantined),
            decision(Release::Decision::Recalled),
            tr("Not released"),
        };
        for (QString &label : labels)
            label = locale.toUpper(label);
        return labels;
    }

    void drawSummary(double y)
    {
        int counts[3] = {0, 0, 0};
        int released = 0, rejected = 0, quarantined = 0, recalled = 0, open = 0;
        for (const PeriodReportEntry &e : data.cycles) {
            ++counts[int(e.verdict.result)];
            if (!e.latestRelease)
                ++open;
            else if (e.latestRelease->decision == Release::Decision::Released)
                ++released;
            else if (e.latestRelease->decision == Release::Decision::Rejected)
                ++rejected;
            else if (e.latestRelease->decision == Release::Decision::Recalled)
                ++recalled;
            else
                ++quarantined;
        }
        y = page.sectionHeading(y, tr("Summary"));
        const std::array<QString, tileCount> labels = tileLabels();
        const std::array<std::pair<int, QColor>, tileCount> tiles{{
            {int(data.cycles.size()), ReportPainter::ink},
            {counts[int(Result::Pass)], ReportPainter::pass},
            {counts[int(Result::Fail)], ReportPainter::fail},
            {counts[int(Result::NotEvaluated)], ReportPainter::notEvaluated},
            {released, ReportPainter::ink},
            {rejected, ReportPainter::ink},
            {quarantined, ReportPainter::ink},
            {recalled, ReportPainter::fail},
            {open, ReportPainter::notEvaluated},
        }};
        const double w = tileWidth();
        for (int i = 0; i < tileCount; ++i) {
            const QRectF tile(i * (w + tileGap), y + 1.5, w, tileHeight - 2);
            page.fill(tile, ReportPainter::shade);
            const QRectF labelBox(tile.left() + 2.5, tile.top() + 1, tileLabelWidth(), tileHeight);
            if (page.textWidth(Style::Label, labels[i]) <= labelBox.width())
                page.text(labelBox, Style::Label, labels[i], Qt::AlignLeft | Qt::AlignTop, ReportPainter::muted);
            else
                page.wrapped(labelBox.topLeft(), labelBox.width(), Style::Label, labels[i], ReportPainter::muted,
                             2 * page.lineHeight(Style::Label));
            page.text(tile.adjusted(2.5, 0, -2, -1), Style::Heading, locale.toString(tiles[i].first),
                      Qt::AlignLeft | Qt::AlignBottom, tiles[i].second);
        }
        page.sectionHeading(y + tileHeight + sectionGap, tr("Cycles"),
                            tr("newest release per cycle; reasons under every verdict but %1")
                                .arg(VerdictText::result(Result::Pass)));
    }

    void drawTable(double y, int from, int to)
    {
        const double w = page.width();
        const auto cellBox = [&](int column, double top, double height) {
            double x = 0;
            for (int c = 0; c < column; ++c)
                x += columns[c].share * w;
            return QRectF(x + 0.8, top, columns[column].share * w - 1.6, height);
        };
        for (int c = 0; c < int(columns.size()); ++c)
            page.text(cellBox(c, y, rowHeight), Style::SmallBold, tr(columns[c].title),
                      columns[c].align | Qt::AlignVCenter, ReportPainter::accent);
        y += rowHeight;
        page.line({0, y - 0.2}, {w, y - 0.2}, 0.2, ReportPainter::muted);

        for (int i = from; i < to; ++i) {
            const PeriodReportEntry &e = data.cycles[i];
            const double h = height(i);
            const double cellsBottom = y + cellsHeight(i);
            if (i % 2 == 1)
                page.fill(QRectF(0, y, w, h), ReportPainter::shade);
            const QStringList texts = cells(i);
            for (int col = 0; col < int(columns.size()); ++col) {
                const bool verdict = col == verdictColumn;
                const bool open = col == int(columns.size()) - 1 && !e.latestRelease;
                const QColor color = verdict ? ReportPainter::verdictColor(e.verdict.result)
                                     : open  ? ReportPainter::notEvaluated
                                             : ReportPainter::ink;
                const QRectF box = cellBox(col, y, rowHeight);
                if (std::find(std::begin(wrappedColumns), std::end(wrappedColumns), col) != std::end(wrappedColumns))
                    page.wrapped({box.left(), y + cellPadding()}, box.width(), Style::Small, texts[col], color);
                else if (verdict && page.textWidth(Style::SmallBold, texts[col]) > box.width())
                    page.wrapped({box.left(), y + cellPadding()}, box.width(), Style::SmallBold, texts[col], color);
                else
                    page.text(box, verdict ? Style::SmallBold : Style::Small, texts[col],
                              columns[col].align | Qt::AlignVCenter, color);
            }
            if (e.verdict.result != Result::Pass)
                page.wrapped({cellBox(programColumn, 0, 0).left(), cellsBottom - 0.8}, reasonWidth(), Style::Small,
                             reasons[i], ReportPainter::muted);
            y += h;
        }
    }

    static QString decision(Release::Decision d)
    {
        return ReportFormat::releaseWord(Release::text(d), Language::locale());
    }

    const QLocale locale = Language::locale();
    ReportPainter page;
    const PeriodReportData &data;
    QStringList reasons; // each cycle's, in the report's language
    double rowHeight = 0;
    double tileHeight = 0;
    QList<int> pageStarts; // the first cycle of each page after the first
};

} // namespace

bool PeriodReport::write(QPagedPaintDevice &device, const PeriodReportData &data)
{
    return Writer(device, data).write();
}

bool PeriodReport::writePdf(const QString &fileName, const PeriodReportData &data, QString *error)
{
    const QString period = periodText(data);
    return ReportPainter::writePdf(
        fileName, {tr("Period report %1").arg(period), data.clinicName, QString(), period},
        QPageLayout::Landscape,
        [&](QPagedPaintDevice &device) { return write(device, data); }, error);
}
