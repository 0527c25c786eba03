#include "reports/verificationreport.h"

#include "app/language.h"
#include "reports/reportformat.h"
#include "reports/reportpainter.h"

#include <QVector>

namespace {

using Style = ReportPainter::Style;

constexpr double gap = 2.0; // mm below a paragraph

struct Block {
    bool heading = false;
    Style style = Style::Body;
    QString text;
    QColor color = ReportPainter::ink;
    int page = 0;
    double y = 0;
};

QVector<Block> blocks(const VerificationSummary &s)
{
    QVector<Block> b;
    b.append({true, Style::Heading, VerificationReport::tr("Result")});
    b.append({false, Style::Result, s.headline, s.intact ? ReportPainter::pass : ReportPainter::fail});
    b.append({false, Style::Body, s.explanation});
    b.append({true, Style::Heading, VerificationReport::tr("What was checked")});
    for (const QString &line : s.checked)
        b.append({false, Style::Body, line});
    b.append({true, Style::Heading, VerificationReport::tr("Findings")});
    if (s.findings.isEmpty())
        b.append({false, Style::Body, VerificationReport::tr("None."), ReportPainter::muted});
    for (const QString &line : s.findings)
        b.append({false, Style::Body, line});
    return b;
}

} // namespace

bool VerificationReport::writePdf(const QString &fileName, const VerificationSummary &summary,
                                  const QString &clinicName, QString *error)
{
    const QString when = ReportFormat::instant(summary.verifiedAt, true, Language::locale());
    return ReportPainter::writePdf(
        fileName, {tr("Register verification %1").arg(when), clinicName, QString(), QString()},
        QPageLayout::Portrait,
        [&](QPagedPaintDevice &device) {
            ReportPainter page(device);
            QVector<Block> laidOut = blocks(summary);
            // Laid out before painting: the footer counts the pages.
            int pages = 1;
            double y = page.pageHeaderHeight() + 4;
            for (Block &block : laidOut) {
                const double h = block.heading ? page.sectionHeadingHeight() + 1
                                               : page.wrappedHeight(block.style, block.text, page.width()) + gap;
                if (y + h > page.height()) {
                    ++pages;
                    y = 0;
                }
                block.page = pages;
                block.y = y;
                y += h;
            }
            if (!page.begin(pages, tr("Register verification %1").arg(when) + ReportFormat::separator()
                                       + summary.registerName))
                return false;
            page.pageHeader(clinicName, tr("Cycle register: verification"), summary.registerName,
                            tr("Verified %1").arg(when));
            for (const Block &block : laidOut) {
                while (page.page() < block.page)
                    page.newPage();
                if (block.heading)
                    page.sectionHeading(block.y, block.text);
                else
                    page.wrapped(QPointF(0, block.y), page.width(), block.style, block.text, block.color);
            }
            return page.end();
        },
        error);
}
