#include "reports/recallreport.h"

#include "app/language.h"
#include "register/cyclecsv.h"
#include "reports/reportformat.h"
#include "reports/reportpainter.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPagedPaintDevice>

#include <array>

namespace {

using Style = ReportPainter::Style;

// An erased reference reads "(erased)": in the report's language on paper,
// in English in the CSV that programs read.
constexpr char erased[] = QT_TRANSLATE_NOOP("RecallReport", "(erased)");

QString reference(const PackUse &use, bool shown)
{
    if (!use.erased)
        return use.reference;
    return shown ? RecallReport::tr(erased) : QString::fromLatin1(erased);
}

// One line of the report: a section's title or a table row.
struct Line {
    bool heading = false;
    QStringList cells;
};

constexpr std::array<double, 5> shares{0.21, 0.17, 0.28, 0.17, 0.17};

QVector<Line> lines(const RecallReportData &data)
{
    const QLocale locale = Language::locale();
    QVector<Line> used{{true, {RecallReport::tr("Used: the patients treated with a pack of this load")}},
                       {false, {RecallReport::tr("Pack"), RecallReport::tr("Type"), RecallReport::tr("Used"), RecallReport::tr("Reference"), RecallReport::tr("Operator")}}};
    QVector<Line> shelf{{true, {RecallReport::tr("Not used: take these packs from the shelves")}},
                        {false, {RecallReport::tr("Pack"), RecallReport::tr("Type"), RecallReport::tr("Expires"), QString(), QString()}}};
    for (const PackUses::RecallRow &row : data.packs) {
        if (row.uses.isEmpty())
            shelf.append({false, {row.pack.code, row.pack.type, ReportFormat::day(row.pack.expiresOn, locale), QString(), QString()}});
        for (const PackUse &use : row.uses)
            used.append({false, {row.pack.code, row.pack.type, ReportFormat::instant(use.at, false, locale),
                                 reference(use, true),
                                 use.operatorName}});
    }
    return used + shelf;
}

} // namespace

bool RecallReport::write(QPagedPaintDevice &device, const RecallReportData &data)
{
    const QLocale locale = Language::locale();
    ReportPainter page(device);
    const QVector<Line> all = lines(data);
    const double row = page.lineHeight(Style::Body) * 1.3;
    const double top = page.pageHeaderHeight() + 4.0;
    // Lay out first: "Page N of M" needs M.
    QVector<int> pageStarts{0};
    double y = top;
    for (int i = 0; i < all.size(); ++i) {
        const double height = all[i].heading ? page.sectionHeadingHeight() + 2.0 : row;
        if (y + height > page.height()) {
            pageStarts << i;
            y = 0;
        }
        y += height;
    }
    const QDateTime generated = data.generatedAt.isValid() ? data.generatedAt : QDateTime::currentDateTime();
    if (!page.begin(pageStarts.size(), tr("Recall report, generated %1").arg(ReportFormat::instant(generated, true, locale))))
        return false;
    const Cycle &c = data.cycle;
    page.pageHeader(data.clinicName, tr("Cycle register: recall report"),
                    tr("Cycle %1").arg(c.cycleNumber >= 0 ? QString::number(c.cycleNumber)
                                                         : ReportFormat::orUnknown(QString(), locale)),
                    tr("controller %1").arg(ReportFormat::orUnknown(c.controllerSerial, locale))
                        + (c.latestRelease
                               ? ReportFormat::separator() + ReportFormat::releaseHeadline(*c.latestRelease, locale)
                               : QString()));
    y = top;
    int next = 1;
    for (int i = 0; i < all.size(); ++i) {
        if (next < pageStarts.size() && i == pageStarts[next]) {
            page.newPage();
            y = 0;
            ++next;
        }
        if (all[i].heading) {
            y = page.sectionHeading(y, all[i].cells[0]) + 2.0;
            continue;
        }
        double x = 0;
        for (int col = 0; col < all[i].cells.size(); ++col) {
            const double width = page.width() * shares[size_t(col)];
            page.text(QRectF(x, y, width - 2, row), Style::Body, all[i].cells[col]);
            x += width;
        }
        y += row;
    }
    return page.end();
}

bool RecallReport::writePdf(const QString &fileName, const RecallReportData &data, QString *error)
{
    const QString cycle = QString::number(data.cycle.cycleNumber);
    const QString controller = ReportFormat::orUnknown(data.cycle.controllerSerial);
    const ReportMetadata metadata{tr("Recall of cycle %1").arg(cycle), data.clinicName, controller, cycle};
    return ReportPainter::writePdf(
        fileName, metadata, QPageLayout::Portrait,
        [&](QPagedPaintDevice &device) { return write(device, data); }, error);
}

QByteArray RecallReport::csv(const RecallReportData &data)
{
    // CycleCsv keeps a reference typed as "=..." from running as a formula.
    QByteArray out = CycleCsv::row({QStringLiteral("code"), QStringLiteral("type"), QStringLiteral("expires"),
                                    QStringLiteral("used_at"), QStringLiteral("reference"), QStringLiteral("operator")});
    for (const PackUses::RecallRow &row : data.packs) {
        const QStringList pack{row.pack.code, row.pack.type, ReportFormat::day(row.pack.expiresOn)};
        if (row.uses.isEmpty())
            out += CycleCsv::row(pack + QStringList{QString(), QString(), QString()});
        for (const PackUse &use : row.uses)
            out += CycleCsv::row(pack + QStringList{use.at.toString(Qt::ISODate), reference(use, false),
                                                    use.operatorName});
    }
    return out;
}
