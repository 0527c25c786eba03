#include "app/language.h"
#include "records/runrecordformat.h"
#include "register/release.h"
#include "reports/cyclecurve.h"
#include "reports/cyclereport.h"
#include "reports/reportformat.h"
#include "reports/labelsheet.h"
#include "reports/periodreport.h"
#include "reports/verdicttext.h"
#include "reports/verificationsummary.h"
#include "tests/isolateduser.h"
#include "tests/registertestdata.h"
#include "tests/reportdata.h"

#include <QApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(CycleReportData)
Q_DECLARE_METATYPE(Language::Choice)

namespace {

using namespace ReportData;

QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        qWarning() << program << arguments << p.readAllStandardError();
    return p.readAllStandardOutput();
}

// The text of pages as poppler reads it.
QString pdfText(const QString &file, int first, int last, bool layout = false)
{
    QStringList args{QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"), QString::number(last)};
    if (layout)
        args << QStringLiteral("-layout");
    return QString::fromUtf8(run(QStringLiteral("pdftotext"), args << file << QStringLiteral("-")));
}

int pdfPages(const QString &file)
{
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(QString::fromUtf8(run(QStringLiteral("pdfinfo"), {file}))).captured(1).toInt();
}

// Every page says which it is, of how many.
bool numbersEveryPage(const QString &file)
{
    const int pages = pdfPages(file);
    for (int p = 1; p <= pages; ++p)
        if (!pdfText(file, p, p).contains(QStringLiteral("Page %1 of %2").arg(p).arg(pages)))
            return false;
    return pages > 0;
}

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const QString &tool : {QStringLiteral("pdftotext"), QStringLiteral("pdftoppm"), QStringLiteral("pdfinfo")})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     qPrintable(tool + QStringLiteral(" is missing: scripts/install-packages brings poppler-utils")));
        QVERIFY(dir.isValid());
    }
    // Every test but the language tests' rows reads English.
    void cleanup() { Language::install(Language::English); }

    void cycleReportFirstPage_data()
    {
        QTest::addColumn<CycleReportData>("data");
        QTest::addColumn<QStringList>("shown");

        const Cycle passed = cycle(1800);
        const CycleReportData released = report(
            passed, {release(QStringLiteral("A. Meier"), Release::Decision::Quarantined,
                             Release::BiologicalIndicator::Pending, QStringLiteral("Waiting for the spore test.")),
                     release(QStringLiteral("B. Huber"), Release::Decision::Released,
                             Release::BiologicalIndicator::Negative)});
        QTest::newRow("passed, released twice") << released << QStringList{
            "Dental Surgery Example", "Sterilisation cycle record", "Cycle 1234", "Controller RG-00042",
            "Instruments 121 (no. 3)", "20 min at 121.0 \u00b0C, 5 min at 60.0 \u00b0C",
            "2024-03-05 14:07:09 UTC+01:00", "2024-03-05 16:07:09 UTC+01:00", "2 h 00 min 00 s",
            "Successfully completed", "PASS", released.verdict.reason,
            "Quarantined by A. Meier", "biological indicator: Pending", "Waiting for the spore test.",
            "Released by B. Huber (current)", "biological indicator: Negative", "lot: RG-00042-1234",
            logSha, entryHash, "Page 1 of "};

        Cycle cancelled = cycle(700);
        cancelled.status = QStringLiteral("Program cancelled by user");
        cancelled.started = QDateTime(QDate(2024, 11, 2), QTime(8, 0), Qt::OffsetFromUTC, -5 * 3600);
        cancelled.finished = cancelled.started.addSecs(1402);
        const CycleReportData failed = report(cancelled);
        QTest::newRow("failed, not released") << failed << QStringList{
            "2024-11-02 08:00:00 UTC-05:00", "23 min 22 s", "FAIL", failed.verdict.reason, "not released",
            "Page 1 of "};

        Cycle imported = cycle(300);
        imported.steps.clear();
        imported.origin = Cycle::Origin::Imported;
        imported.cycleNumber = -1;
        imported.entryHash.clear();
        CycleReportData unnamed = report(imported);
        unnamed.clinicName.clear();
        QTest::newRow("imported, steps unknown") << unnamed << QStringList{
            "Clinic name not set", "Cycle unknown", "PROGRAM STEPS unknown", "imported from a run log",
            "NOT EVALUATED", "the program's steps are unknown", "not entered in the register"};

        QList<Release> many;
        for (int i = 1; i <= 12; ++i)
            many << release(QStringLiteral("Operator %1").arg(i), Release::Decision::Quarantined,
                            Release::BiologicalIndicator::Pending, QStringLiteral("Entry %1 of the history.").arg(i));
        QTest::newRow("history beyond the first page") << report(cycle(10), many) << QStringList{
            "Quarantined by Operator 1", "Continued on page 2", "Page 1 of 3"};
        const QString endless = QStringLiteral("A comment that goes on. ").repeated(2000);
        QTest::newRow("a comment longer than a page")
            << report(cycle(10), {release(QStringLiteral("A. Meier"), Release::Decision::Rejected,
                                          Release::BiologicalIndicator::Positive, endless)})
            << QStringList{"Release 1 entry Continued on page 2", "Page 1 of 3"};
    }
    // A tolerance of none has no sign: never "−0.0 K".
    void toleranceFigures_data()
    {
        QTest::addColumn<bool>("holdKnown");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::addColumn<QString>("shown");
        QTest::newRow("no lower tolerance") << true << 0.0 << 3.0 << "band 121.0 to 124.0 °C (0.0 K, +3.0 K)";
        QTest::newRow("both") << true << 0.5 << 2.0 << "band 120.5 to 123.0 °C (−0.5 K, +2.0 K)";
        QTest::newRow("no upper band") << true << 1.0 << 0.0 << "(−1.0 K, 0.0 K)";
        QTest::newRow("less than shows") << true << 0.004 << 3.0 << "(0.0 K, +3.0 K)";
        QTest::newRow("hold unknown") << false << 0.0 << 3.0 << "tolerances 0.0 K, +3.0 K";
    }
    void toleranceFigures()
    {
        QFETCH(bool, holdKnown);
        QFETCH(double, lower);
        QFETCH(double, upper);
        QFETCH(QString, shown);
        CycleVerdict v;
        v.holdKnown = holdKnown;
        v.hold = {121.0, 15};
        v.band = {lower, upper};
        const QString figures = ReportFormat::verdictFigures(v);
        QVERIFY2(figures.contains(shown), qPrintable(figures));
    }

    void cycleReportFirstPage()
    {
        QFETCH(CycleReportData, data);
        QFETCH(QStringList, shown);
        const QString file = dir.filePath(QStringLiteral("cycle.pdf"));
        QString error;
        QVERIFY2(CycleReport::writePdf(file, data, &error), qPrintable(error));

        const QString page1 = pdfText(file, 1, 1).simplified();
        for (const QString &text : shown)
            QVERIFY2(page1.contains(text.simplified()), qPrintable(text + QStringLiteral(" missing in: ") + page1));
        QVERIFY(numbersEveryPage(file));
        // A long history continues after page 1, every entry of it.
        const QString all = pdfText(file, 1, pdfPages(file)).simplified();
        for (const Release &r : data.releases)
            QVERIFY2(all.contains(r.operatorName), qPrintable(r.operatorName));
    }

    void longTextIsWrappedWhole_data()
    {
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<QString>("comment");

        QString words;
        for (int i = 0; words.size() < 320; ++i)
            words += QStringLiteral("Name%1 ").arg(i);
        QString unbroken;
        for (int i = 0; unbroken.size() < 800; ++i)
            unbroken += QString::number(i % 10) + QLatin1Char("abcdefghij"[i % 10]);
        QTest::newRow("operator of 320 characters") << words.left(320).trimmed() << QStringLiteral("short");
        QTest::newRow("unbroken operator name") << unbroken.left(320) << QStringLiteral("short");
        QTest::newRow("unbroken comment of 800 characters") << QStringLiteral("A. Meier") << unbroken.left(800);
    }

    // Every character of a long name or comment is on the page, and the
    // release's time beside it stays readable.
    void longTextIsWrappedWhole()
    {
        QFETCH(QString, operatorName);
        QFETCH(QString, comment);
        const CycleReportData data = report(
            cycle(1800), {release(operatorName, Release::Decision::Quarantined, Release::BiologicalIndicator::Pending,
                                  comment)});
        const QString file = dir.filePath(QStringLiteral("long.pdf"));
        QString error;
        QVERIFY2(CycleReport::writePdf(file, data, &error), qPrintable(error));

        const QString text = pdfText(file, 1, 1);
        const auto joined = [](QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s"))); };
        QVERIFY2(joined(text).contains(joined(operatorName)), qPrintable(text));
        QVERIFY2(joined(text).contains(joined(comment)), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("2024-03-05 16:20:29 UTC+01:00")), qPrintable(text));

        // The period report's row grows to hold the operator in the
        // release's column.
        PeriodReportData listed = period(3);
        listed.cycles[1].latestRelease = data.releases.first();
        QVERIFY2(PeriodReport::writePdf(file, listed, &error), qPrintable(error));
        const QString rows = joined(pdfText(file, 1, pdfPages(file)));
        QVERIFY2(rows.contains(joined(operatorName)), qPrintable(rows));
        QVERIFY2(rows.contains(QStringLiteral("reason1")) && rows.contains(QStringLiteral("Operator2")), qPrintable(rows));
    }

    // The curve is vectors in its own colour inside the plots, which sit in
    // the page's middle; without samples there is none of that colour.
    void curveInThePlot()
    {
        // The pixels of the curve's colour on page 1, and their bounds in thousandths of the page.
        const auto curvePixels = [&](const CycleReportData &data, QRect *bounds) {
            const QString file = dir.filePath(QStringLiteral("curve.pdf"));
            CycleReport::writePdf(file, data);
            run("pdftoppm", {"-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile", file, dir.filePath("curve")});
            const QImage page(dir.filePath(QStringLiteral("curve.png")));
            int count = 0;
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x) {
                    const QColor c = page.pixelColor(x, y);
                    if (std::abs(c.red() - CycleCurve::color.red()) < 50
                        && std::abs(c.green() - CycleCurve::color.green()) < 50
                        && std::abs(c.blue() - CycleCurve::color.blue()) < 50) {
                        ++count;
                        *bounds |= QRect(x * 1000 / page.width(), y * 1000 / page.height(), 1, 1);
                    }
                }
            return count;
        };
        QRect bounds;
        QVERIFY(curvePixels(report(cycle(3600)), &bounds) > 300);
        // Between the verdict and the release.
        QVERIFY2(bounds.top() > 330 && bounds.bottom() < 700 && bounds.left() > 60 && bounds.right() < 940,
                 qPrintable(QStringLiteral("%1,%2 %3,%4").arg(bounds.left()).arg(bounds.top()).arg(bounds.right()).arg(bounds.bottom())));
        QRect none;
        QCOMPARE(curvePixels(report(cycle(0)), &none), 0);
    }

    void sampleTableHoldsEverySample()
    {
        Cycle c = cycle(1500);
        c.samples[700].celsius = 121.35;
        c.samples[701] = {c.samples[700].elapsedMs + 500, -0.5}; // within the same second, below zero
        const QString file = dir.filePath(QStringLiteral("samples.pdf"));
        QVERIFY(CycleReport::writePdf(file, report(c)));

        QStringList expected;
        for (const CycleSample &s : c.samples)
            expected << QStringLiteral("%1 %2").arg(RunRecordFormat::elapsedKey(s.elapsedMs / 1000))
                            .arg(s.celsius, 0, 'f', 2);
        static const QRegularExpression row(QStringLiteral("(\\d+:\\d\\d:\\d\\d)\\s+(-?\\d+\\.\\d\\d)"));
        QStringList found;
        auto it = row.globalMatch(pdfText(file, 2, pdfPages(file), true));
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            found << m.captured(1) + QLatin1Char(' ') + m.captured(2);
        }
        QCOMPARE(found.size(), c.samples.size());
        expected.sort();
        found.sort();
        QCOMPARE(found, expected);
    }

    // Reports for the archive: PDF/A-1b with every font embedded, and the
    // clinic, controller and cycle in the XMP, escaped as the data they are.
    void reportsAreArchivalPdf_data()
    {
        QTest::addColumn<bool>("cycleReport");
        QTest::addColumn<QString>("clinic");
        QTest::addColumn<QStringList>("metadata");
        QTest::newRow("cycle report") << true << "Dental Surgery Example"
                                      << QStringList{"Clinic: Dental Surgery Example", "Controller: RG-00042",
                                                     "Cycle: 1234"};
        QTest::newRow("period report") << false << "Dental Surgery Example"
                                       << QStringList{"Clinic: Dental Surgery Example", "Cycle: 2024-03-"};
        QTest::newRow("a clinic's name with markup") << true << "Smith & Sons <Dental>"
                                                     << QStringList{"Clinic: Smith &amp; Sons &lt;Dental&gt;"};
    }
    void reportsAreArchivalPdf()
    {
        QFETCH(bool, cycleReport);
        QFETCH(QString, clinic);
        QFETCH(QStringList, metadata);
        const QString file = dir.filePath(QStringLiteral("archive.pdf"));
        QString error;
        if (cycleReport) {
            CycleReportData data = report(cycle(600));
            data.clinicName = clinic;
            QVERIFY2(CycleReport::writePdf(file, data, &error), qPrintable(error));
        } else {
            PeriodReportData data = period(5);
            data.clinicName = clinic;
            QVERIFY2(PeriodReport::writePdf(file, data, &error), qPrintable(error));
        }
        // name type encoding emb sub uni object ID: each font's "emb" is yes.
        const QStringList fonts =
            QString::fromUtf8(run(QStringLiteral("pdffonts"), {file})).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(fonts.size() > 2, qPrintable(fonts.join('\n')));
        static const QRegularExpression embedded(QStringLiteral("\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"));
        for (const QString &font : fonts.mid(2)) {
            const QRegularExpressionMatch m = embedded.match(font);
            QVERIFY2(m.hasMatch() && m.captured(1) == QLatin1String("yes"), qPrintable(font));
        }
        const QString xmp = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), file}));
        QVERIFY2(xmp.contains(QLatin1String("<pdfaid:part>1</pdfaid:part>"))
                     && xmp.contains(QLatin1String("<pdfaid:conformance>B</pdfaid:conformance>")),
                 qPrintable(xmp));
        for (const QString &item : metadata)
            QVERIFY2(xmp.contains(item), qPrintable(item + QStringLiteral(" missing in: ") + xmp));
        QVERIFY(!xmp.contains(clinic.contains('<') ? clinic : QStringLiteral("<Dental>")));
    }

    void periodReportListsEachCycle()
    {
        const PeriodReportData data = period(70);
        const QString file = dir.filePath(QStringLiteral("period.pdf"));
        QString error;
        QVERIFY2(PeriodReport::writePdf(file, data, &error), qPrintable(error));
        QVERIFY(pdfPages(file) > 1);
        QVERIFY(numbersEveryPage(file));

        // One row per cycle, in order, with its verdict and release.
        static const QRegularExpression rowPattern(QStringLiteral(
            "^\\s*(\\d+)\\s+2024-03-\\d\\d \\d\\d:\\d\\d UTC\\+01:00\\s+RG-00042\\s+(\\d+)\\s+Instruments 121\\s+"
            "Successfully completed\\s+(PASS|FAIL|NOT EVALUATED)\\s+(.*)$"));
        const QStringList lines = pdfText(file, 1, pdfPages(file), true).split(QLatin1Char('\n'));
        int rows = 0;
        for (const QString &line : lines) {
            const QRegularExpressionMatch m = rowPattern.match(line);
            if (!m.hasMatch())
                continue;
            const PeriodReportEntry &e = data.cycles.value(rows);
            QCOMPARE(m.captured(1).toInt(), rows + 1);
            QCOMPARE(m.captured(2).toInt(), e.cycle.cycleNumber);
            QCOMPARE(m.captured(3), CycleVerdict::resultText(e.verdict.result));
            const QString release = e.latestRelease
                ? QStringLiteral("Released \u00b7 ") + e.latestRelease->operatorName
                : QStringLiteral("not released");
            QVERIFY2(m.captured(4).startsWith(release),
                     qPrintable(line));
            ++rows;
        }
        QCOMPARE(rows, data.cycles.size());
        const QString text = pdfText(file, 1, pdfPages(file)).simplified();
        QVERIFY(text.contains(QStringLiteral("reason 1 ")));
        QVERIFY(!text.contains(QStringLiteral("reason 0 ")));
        QVERIFY2(text.contains(QStringLiteral("CYCLES PASS FAIL NOT EVALUATED RELEASED REJECTED QUARANTINED "
                                              "RECALLED NOT RELEASED 70 24 23 23 52 0 0 0 18")),
                 qPrintable(text.left(600)));
    }

    // Every controller's printed position is whole on the page, however
    // many there are: one cut short witnesses nothing.
    void periodReportPrintsEveryPositionWhole()
    {
        PeriodReportData data = period(3);
        for (int i = 0; i < 12; ++i)
            data.positions.append({QStringLiteral("RG10000%1").arg(i), 20000 + i, QString(64, QLatin1Char('a' + i % 6))});
        const QString file = dir.filePath(QStringLiteral("positions.pdf"));
        QString error;
        QVERIFY2(PeriodReport::writePdf(file, data, &error), qPrintable(error));
        const QString text = pdfText(file, 1, 1).simplified();
        for (const ChainPosition &position : data.positions)
            QVERIFY2(text.contains(position.text()), qPrintable(position.text()));
    }

    // A cycle report in the clinic's language: its headings, the verdict's
    // word and reason, the release's words, day-first dates and decimal
    // commas; no English heading left. English reads as it always has.
    void cycleReportInLanguage_data()
    {
        QTest::addColumn<Language::Choice>("language");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("absent");
        const QStringList englishHeadings{"Sterilisation cycle record", "Temperature curve", "Integrity",
                                          "Release history", "PROGRAM STEPS", "Controller serial number",
                                          "Page 1 of", "Released by", "chemical indicator", "held "};
        QTest::newRow("German, passed")
            << Language::German << false
            << QStringList{"Chargenprotokoll der Sterilisation", "Charge 1234", "Freigabe", "Bewertung",
                           "Temperaturverlauf", "BESTANDEN", "05.03.2024 14:07:09 UTC+01:00",
                           "Haltezeit 20 min bei 121,0 \u00b0C", "20 min bei 121,0 \u00b0C, 5 min bei 60,0 \u00b0C",
                           "121,0 bis 124,0 \u00b0C gehalten", "Freigegeben von B. Huber", "Bioindikator: Negativ",
                           "Seite 1 von"}
            << englishHeadings + QStringList{"PASS", "Verdict"};
        QTest::newRow("French, passed")
            << Language::French << false
            << QStringList{"Rapport de cycle de stérilisation", "Cycle 1234", "Libération", "Courbe de température",
                           "CONFORME", "05/03/2024 14:07:09 UTC+01:00", "plateau 121,0 \u00b0C pendant 20 min",
                           "maintenu à 121,0 à 124,0 \u00b0C", "Libéré par B. Huber", "Page 1 sur"}
            << englishHeadings + QStringList{"PASS", "NON CONFORME"};
        QTest::newRow("German, failed and cancelled")
            << Language::German << true
            << QStringList{"NICHT BESTANDEN", "längste Strecke bei 121,0 bis 124,0 \u00b0C dauerte",
                           "der Lauf endete \u201e", "02.11.2024 08:00:00 UTC-05:00", "nicht freigegeben"}
            << englishHeadings + QStringList{"FAIL", "longest stretch", "not released"};
        QTest::newRow("English, passed")
            << Language::English << false
            << QStringList{"Sterilisation cycle record", "PASS", "2024-03-05 14:07:09 UTC+01:00",
                           "hold 121.0 \u00b0C for 20 min", "Released by B. Huber", "Page 1 of"}
            << QStringList{"Chargenprotokoll", "BESTANDEN", "121,0", "05.03.2024"};
    }
    void cycleReportInLanguage()
    {
        QFETCH(Language::Choice, language);
        QFETCH(bool, failed);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        Cycle c = cycle(failed ? 700 : 1800);
        if (failed) {
            c.status = QStringLiteral("Program cancelled by user");
            c.started = QDateTime(QDate(2024, 11, 2), QTime(8, 0), Qt::OffsetFromUTC, -5 * 3600);
        }
        const CycleReportData data = report(
            c, failed ? QList<Release>{}
                      : QList<Release>{release(QStringLiteral("B. Huber"), Release::Decision::Released,
                                               Release::BiologicalIndicator::Negative)});
        // Made in English, as the register stores it.
        const QString storedReason = data.verdict.reason;
        QVERIFY(Language::install(language));
        const QString file = dir.filePath(QStringLiteral("language.pdf"));
        QString error;
        QVERIFY2(CycleReport::writePdf(file, data, &error), qPrintable(error));
        const QString page1 = pdfText(file, 1, 1).simplified();
        for (const QString &text : shown)
            QVERIFY2(page1.contains(text), qPrintable(text + QStringLiteral(" missing in: ") + page1));
        for (const QString &text : absent)
            QVERIFY2(!page1.contains(text), qPrintable(text + QStringLiteral(" left in: ") + page1));
        QCOMPARE(data.verdict.reason, storedReason);
        // The archive's metadata names the language chosen, and only then.
        const QString xmp = QString::fromUtf8(run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), file}));
        const QString tag = language == Language::German ? QStringLiteral("<rdf:li>de</rdf:li>")
                                                         : QStringLiteral("<rdf:li>fr</rdf:li>");
        QCOMPARE(xmp.contains(QLatin1String("<dc:language>")), language != Language::English);
        QVERIFY2(language == Language::English || xmp.contains(tag), qPrintable(xmp));
    }

    // Every reason the verdict gives is stored in English and shown whole in
    // the language chosen; one it does not know stays as stored.
    void verdictReasonShown_data()
    {
        QTest::addColumn<Language::Choice>("language");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("held") << Language::German
                              << "held 121.0 to 124.0 \u00b0C for 20 min 00 s from 00:10:00 to 00:30:00 (20 min required)"
                              << "121,0 bis 124,0 \u00b0C gehalten f\u00fcr 20 min 00 s von 00:10:00 bis 00:30:00 "
                                 "(20 min gefordert)";
        QTest::newRow("never reached") << Language::French << "never reached 121.0 \u00b0C (highest 120.75 \u00b0C at 00:12:02)"
                                       << "121,0 \u00b0C jamais atteint (maximum 120,75 \u00b0C \u00e0 00:12:02)";
        QTest::newRow("short, with a gap and a status")
            << Language::German
            << "longest stretch at 120.5 to 124.0 \u00b0C lasted 5 min 00 s of the 20 min required; lowest 119.5 \u00b0C "
               "at 00:15:00; no sample for 1 h 02 min 00 s from 00:16:00; the run ended \"Something new\""
            << "l\u00e4ngste Strecke bei 120,5 bis 124,0 \u00b0C dauerte 5 min 00 s der geforderten 20 min; niedrigste "
               "119,5 \u00b0C bei 00:15:00; kein Messwert f\u00fcr 1 h 02 min 00 s ab 00:16:00; der Lauf endete "
               "\u201eSomething new\u201c";
        QTest::newRow("below zero") << Language::French << "the hold at -5.0 \u00b0C has no holding time"
                                    << "le plateau \u00e0 -5,0 \u00b0C n'a pas de dur\u00e9e";
        QTest::newRow("a clause it does not know")
            << Language::German << "the samples cannot be read: 3 of 9; no samples recorded"
            << "the samples cannot be read: 3 of 9; no samples recorded";
        QTest::newRow("English") << Language::English << "never reached 121.0 \u00b0C (highest 120.75 \u00b0C at 00:12:02)"
                                 << "never reached 121.0 \u00b0C (highest 120.75 \u00b0C at 00:12:02)";
    }
    void verdictReasonShown()
    {
        QFETCH(Language::Choice, language);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Language::install(language);
        QCOMPARE(VerdictText::reason(stored), shown);
    }

    // Whatever the verdict says of a cycle, German shows all of it: the
    // clauses the verdict writes and those the reports read are the same.
    void everyVerdictReasonTranslates_data()
    {
        QTest::addColumn<Cycle>("cycle");
        const Cycle passed = cycle(1800);
        QTest::newRow("passed") << passed;
        Cycle cancelled = passed;
        cancelled.status = QStringLiteral("Program cancelled by user");
        QTest::newRow("passed, cancelled") << cancelled;
        QTest::newRow("too short") << cycle(700);
        Cycle cold = cycle(200);
        QTest::newRow("never reached") << cold;
        Cycle gap = passed;
        gap.samples.remove(500, 100);
        gap.samples[450].celsius = 119.0;
        gap.samples[460].celsius = 130.0;
        QTest::newRow("gap, lowest and highest") << gap;
        Cycle empty = passed;
        empty.samples.clear();
        QTest::newRow("no samples") << empty;
        Cycle adopted = passed;
        adopted.adopted = true;
        QTest::newRow("adopted") << adopted;
        Cycle unknown = passed;
        unknown.steps.clear();
        QTest::newRow("steps unknown") << unknown;
        Cycle noHold = passed;
        noHold.steps = {{0, 0, 121.0}};
        QTest::newRow("no step holds") << noHold;
    }
    void everyVerdictReasonTranslates()
    {
        QFETCH(Cycle, cycle);
        const QString stored = CycleVerdict::evaluate(cycle, CycleVerdict::Band()).reason;
        QVERIFY(Language::install(Language::German));
        const QString shown = VerdictText::reason(stored);
        QVERIFY2(shown != stored, qPrintable(stored));
        QVERIFY2(!shown.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))), qPrintable(shown));
        const QString holdless = CycleVerdict::evaluate(cycle, CycleVerdict::Hold{121.0, 0}, CycleVerdict::Band()).reason;
        QVERIFY2(VerdictText::reason(holdless) != holdless, qPrintable(holdless));
    }

    // The forms of values in each language: day first, decimal commas,
    // never a group separator; the C locale's are the stored English ones.
    void formatsInLanguage_data()
    {
        QTest::addColumn<Language::Choice>("language");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("English") << Language::English
                                 << QStringList{"2024-03-05 14:07:09 UTC+01:00", "2024-03-05", "1234.5 \u00b0C",
                                                "20 min at 121.0 \u00b0C", "unknown", "Released by A. Meier"};
        QTest::newRow("German") << Language::German
                                << QStringList{"05.03.2024 14:07:09 UTC+01:00", "05.03.2024", "1234,5 \u00b0C",
                                               "20 min bei 121,0 \u00b0C", "unbekannt", "Freigegeben von A. Meier"};
        QTest::newRow("French") << Language::French
                                << QStringList{"05/03/2024 14:07:09 UTC+01:00", "05/03/2024", "1234,5 \u00b0C",
                                               "20 min \u00e0 121,0 \u00b0C", "inconnu", "Lib\u00e9r\u00e9 par A. Meier"};
    }
    void formatsInLanguage()
    {
        QFETCH(Language::Choice, language);
        QFETCH(QStringList, shown);
        QVERIFY(Language::install(language));
        const QLocale locale = Language::locale();
        const QStringList forms{
            ReportFormat::instant(started, true, locale),
            ReportFormat::day(started.date(), locale),
            ReportFormat::celsius(1234.5, locale),
            ReportFormat::steps({{0, 20, 121.0}}, locale),
            ReportFormat::orUnknown(QString(), locale),
            ReportFormat::releaseHeadline(release(QStringLiteral("A. Meier"), Release::Decision::Released,
                                                  Release::BiologicalIndicator::Negative),
                                          locale),
        };
        QCOMPARE(forms, shown);
        // What is stored and scripted stays English in every language.
        QCOMPARE(ReportFormat::instant(started), QStringLiteral("2024-03-05 14:07:09 UTC+01:00"));
        QCOMPARE(CycleVerdict::resultText(CycleVerdict::Result::Fail), QStringLiteral("FAIL"));
    }

    // The period report's headings, verdict words and dates in the language.
    void periodReportInLanguage_data()
    {
        QTest::addColumn<Language::Choice>("language");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("German") << Language::German
                                << QStringList{"Chargenregister: Zeitraumbericht", "\u00dcbersicht", "NICHT BEWERTET",
                                               "BESTANDEN", "Freigegeben \u00b7 Operator 2 \u00b7 05.03.2024",
                                               "nicht freigegeben", "Letzte Freigabe", "Seite 1 von"}
                                << QStringList{"Summary", "Latest release", "NOT EVALUATED", "Page 1 of"};
        QTest::newRow("French") << Language::French
                                << QStringList{"Registre des cycles : rapport de p\u00e9riode", "Synth\u00e8se",
                                               "NON \u00c9VALU\u00c9", "NON CONFORME", "Derni\u00e8re lib\u00e9ration",
                                               "non lib\u00e9r\u00e9", "Page 1 sur"}
                                << QStringList{"Summary", "Latest release", "NOT EVALUATED", "Page 1 of"};
    }
    void periodReportInLanguage()
    {
        QFETCH(Language::Choice, language);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        QVERIFY(Language::install(language));
        const QString file = dir.filePath(QStringLiteral("period-language.pdf"));
        QString error;
        QVERIFY2(PeriodReport::writePdf(file, period(12), &error), qPrintable(error));
        const QString text = pdfText(file, 1, pdfPages(file)).simplified();
        for (const QString &item : shown)
            QVERIFY2(text.contains(item), qPrintable(item + QStringLiteral(" missing in: ") + text));
        for (const QString &item : absent)
            QVERIFY2(!text.contains(item), qPrintable(item + QStringLiteral(" left in: ") + text));
    }

    // A verification's summary counts in the language's plural forms and
    // leads every finding, of whatever kind, with what it is.
    void verificationSummaryInLanguage_data()
    {
        QTest::addColumn<Language::Choice>("language");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("English") << Language::English
                                 << QStringList{"The register is NOT intact: 2 problems found.",
                                                "Checked 1 entry of 3 controllers, 0 releases and 2 log files.",
                                                "Record not in the ledger: link 4", "Entry changed: cycle 7"};
        QTest::newRow("German") << Language::German
                                << QStringList{"Das Register ist NICHT unversehrt: 2 Probleme gefunden.",
                                               "Gepr\u00fcft: 1 Eintrag von 3 Reglern, 0 Freigaben und 2 Protokolldateien.",
                                               "Datensatz nicht in der Kette: link 4", "Eintrag ver\u00e4ndert: cycle 7"};
        QTest::newRow("French") << Language::French
                                << QStringList{"Le registre n'est PAS intact : 2 probl\u00e8mes constat\u00e9(s).",
                                               "V\u00e9rifi\u00e9 : 1 entr\u00e9e de 3 r\u00e9gulateurs, 0 "
                                               "lib\u00e9ration et 2 fichiers journaux.",
                                               "Enregistrement hors de la cha\u00eene : link 4",
                                               "Entr\u00e9e modifi\u00e9e : cycle 7"};
    }
    void verificationSummaryInLanguage()
    {
        QFETCH(Language::Choice, language);
        QFETCH(QStringList, shown);
        QVERIFY(Language::install(language));
        RegisterVerification::Result result;
        result.report.entries = 1;
        result.report.chains = 3;
        result.report.logs = 2;
        result.report.problems = {{CycleVerifier::Problem::RecordUnlinked, 0, QString(), QStringLiteral("link 4")},
                                  {CycleVerifier::Problem::EntryAltered, 7, QString(), QStringLiteral("cycle 7")}};
        const VerificationSummary summary = VerificationSummary::of(result, QStringLiteral("register.sqlite"), started);
        const QString text = QStringList{summary.headline, summary.checked.join(' '), summary.findings.join(' ')}.join(' ');
        for (const QString &item : shown)
            QVERIFY2(text.contains(item), qPrintable(item + QStringLiteral(" missing in: ") + text));
        // Every kind of finding has its name.
        for (int kind = CycleVerifier::Problem::EntryAltered; kind <= CycleVerifier::Problem::TimeStampInvalid; ++kind) {
            result.report.problems = {{CycleVerifier::Problem::Kind(kind), 0, QString(), QStringLiteral("x")}};
            const QString finding = VerificationSummary::of(result, QString(), started).findings.value(0);
            QVERIFY2(!finding.startsWith(QLatin1Char(':')), qPrintable(QString::number(kind)));
        }
    }

    // German labels: the translated words fit the smallest labels, and each
    // pack's code reads back from its bars as it is.
    void germanLabelsReadBack_data()
    {
        QTest::addColumn<QString>("formatName");
        QTest::newRow("A4 sheet") << "a4-65";
        QTest::newRow("smallest roll") << "50x25";
    }
    void germanLabelsReadBack()
    {
        QFETCH(QString, formatName);
        QVERIFY(Language::install(Language::German));
        QVector<Pack> packs;
        for (int i = 1; i <= 3; ++i) {
            Pack p;
            p.code = QStringLiteral("RG100001-0042-%1").arg(i, 2, 10, QLatin1Char('0'));
            p.type = QStringLiteral("Tray");
            p.operatorInitials = QStringLiteral("AM");
            p.sterilisedAt = started;
            p.expiresOn = started.date().addDays(180);
            p.controllerSerial = QStringLiteral("RG100001");
            p.programName = QStringLiteral("Instruments 121");
            p.verdict = CycleVerdict::resultText(i == 2 ? CycleVerdict::Result::Fail : CycleVerdict::Result::Pass);
            packs << p;
        }
        const QString pdf = dir.filePath(QStringLiteral("labels.pdf"));
        QString error;
        QVERIFY2(LabelSheet::writePdf(pdf, *LabelSheet::format(formatName), packs, 1, &error), qPrintable(error));
        const QString text = pdfText(pdf, 1, pdfPages(pdf));
        for (const QString &shown : {QStringLiteral("NICHT BESTANDEN"), QStringLiteral("Verf. 01.09.2024"),
                                     QStringLiteral("Ster. 05.03.2024")})
            QVERIFY2(text.contains(shown), qPrintable(shown + QStringLiteral(" not in ") + text));
        QCOMPARE(text.count(QStringLiteral("BESTANDEN")), packs.size());
        QTemporaryDir pages;
        QStringList codes = RegisterTestData::pdfBarcodes(pdf, pages.path());
        std::sort(codes.begin(), codes.end());
        QCOMPARE(codes, (QStringList{packs[0].code, packs[1].code, packs[2].code}));
    }

private:
    QTemporaryDir dir;
};

STATION_GUI_TEST_MAIN(TestReports)
#include "tst_reports.moc"
