#include "app/language.h"
#include "register/cyclecsv.h"
#include "register/cyclehash.h"
#include "register/releasepolicy.h"
#include "register/runlogparser.h"
#include "register/samplecodec.h"
#include "register/showntime.h"
#include "tests/registertestdata.h"

#include <QTest>
#include <QTextCodec>

#include <limits>

namespace {

QByteArray header(const QByteArray &name = "Program 1", const QByteArray &cycleNumber = "17")
{
    return "Model: Vaporin Regulon 2\nFirmware Version: 2.1\nSoftware Version: 3.0.1\n"
           "Serial Number: RG-00042\nProgram Name: " + name + "\n"
           "Time Started: 2024-03-05T14:07:09.042Z\nTime Finished: 2024-03-05T15:07:10.001Z\n"
           "Cycle Number: " + cycleNumber + "\nStatus: Successfully completed\nData Points\n"
           "TimeStamp [hh:mm:ss]\tChamber temp. [\xC2\xB0" "C]\n";
}

QByteArray varint(quint64 v)
{
    QByteArray out;
    for (; v >= 0x80; v >>= 7)
        out += char((v & 0x7F) | 0x80);
    return out + char(v);
}

} // namespace

class TestRegisterFormats : public QObject
{
    Q_OBJECT

private slots:
    void samplesRoundTrip_data()
    {
        QTest::addColumn<QVector<CycleSample>>("samples");
        QTest::newRow("none") << QVector<CycleSample>();
        QTest::newRow("one") << QVector<CycleSample>{{0, 25.0}};
        QTest::newRow("two hours") << RegisterTestData::run(120, 1);
        QTest::newRow("hundredths, negative, unordered")
            << QVector<CycleSample>{{5000, -40.25}, {1000, 0.01}, {-3000, 121.37}, {1000, 121.37}};
        const qint64 big = std::numeric_limits<qint64>::max();
        QTest::newRow("extremes") << QVector<CycleSample>{{-big - 1, SampleCodec::maxCelsius},
                                                          {big, -SampleCodec::maxCelsius}, {0, 0.0}};
    }
    void samplesRoundTrip()
    {
        QFETCH(QVector<CycleSample>, samples);
        QString error;
        const auto decoded = SampleCodec::decode(SampleCodec::encode(samples), &error);
        QVERIFY2(decoded, qPrintable(error));
        QCOMPARE(decoded->size(), samples.size());
        for (int i = 0; i < samples.size(); ++i)
            QCOMPARE((*decoded)[i], SampleCodec::rounded(samples[i]));
    }

    void temperaturesAreKeptToHundredths()
    {
        QCOMPARE(SampleCodec::rounded({0, 121.304}).celsius, 121.3);
        QCOMPARE(SampleCodec::rounded({0, 0.005}).celsius, 0.01);
        QCOMPARE(SampleCodec::rounded({0, -0.005}).celsius, -0.01);
        QVERIFY(!SampleCodec::encodable({{0, std::nan("")}}));
        QVERIFY(!SampleCodec::encodable({{0, std::numeric_limits<double>::infinity()}}));
        QVERIFY(!SampleCodec::encodable({{0, 2 * SampleCodec::maxCelsius}}));
    }

    void damagedSamplesAreRejected_data()
    {
        QTest::addColumn<QByteArray>("blob");
        const QByteArray plain = SampleCodec::encode({{0, 25.0}, {2000, 25.1}});
        const QByteArray packed = SampleCodec::encode(RegisterTestData::run(30, 3));
        QCOMPARE(packed[1], char(1));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("unknown version") << QByteArray(plain).replace(0, 1, "\x02");
        QTest::newRow("unknown packing") << QByteArray(plain).replace(1, 1, "\x07");
        QTest::newRow("more samples than bytes") << QByteArray("\x01\x00", 2) + varint(3) + varint(4) + plain.mid(4);
        QTest::newRow("stray byte") << QByteArray("\x01\x00", 2) + varint(1) + varint(3) + "\x00\x00\x00";
        QTest::newRow("varint cut short") << QByteArray("\x01\x00", 2) + varint(1) + varint(2) + "\x80\x80";
        QTest::newRow("varint beyond 64 bits")
            << QByteArray("\x01\x00", 2) + varint(1) + varint(11) + QByteArray(9, '\xFF') + "\x7F\x00";
        QTest::newRow("huge length claimed") << QByteArray("\x01\x01", 2) + varint(1000) + varint(quint64(1) << 40) + "x";
        QByteArray flipped = packed;
        flipped[packed.size() / 2] = char(flipped[packed.size() / 2] ^ 0x10);
        QTest::newRow("compressed body altered") << flipped;
        QTest::newRow("temperature out of range")
            << QByteArray("\x01\x00", 2) + varint(1) + varint(10) + varint(0) + varint(quint64(1) << 60);
        for (const QByteArray &blob : {plain, packed}) {
            for (int n = 0; n < blob.size(); ++n)
                QTest::addRow("%s cut to %d bytes", blob[1] ? "packed" : "plain", n) << blob.left(n);
        }
    }
    void damagedSamplesAreRejected()
    {
        QFETCH(QByteArray, blob);
        QString error;
        QVERIFY(!SampleCodec::decode(blob, &error));
        QVERIFY(!error.isEmpty());
    }

    void runLogIsReadBack_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cycleNumber");
        QTest::addColumn<QVector<CycleSample>>("samples");
        QTest::newRow("rows every second one")
            << header() + "00:00:00\t25\t\n00:00:02\t26\t\n00:00:04\t121.5\t\n" << "Program 1" << 17
            << QVector<CycleSample>{{0, 25}, {2000, 26}, {4000, 121.5}};
        QTest::newRow("no samples") << header() << "Program 1" << 17 << QVector<CycleSample>();
        QTest::newRow("beyond 99 hours, rows in text order")
            << header() + "09:00:00\t1\t\n100:00:00\t4\t\n11:00:00\t2\t\n99:59:59\t3\t\n" << "Program 1" << 17
            << QVector<CycleSample>{{32400000, 1}, {39600000, 2}, {359999000, 3}, {360000000, 4}};
        QTest::newRow("Latin-1 name") << header("Pr\xFC" "fung 121\xB0") << QStringLiteral("Prüfung 121°") << 17
                                      << QVector<CycleSample>();
        QTest::newRow("UTF-8 name") << header("Pr\xC3\xBC" "fung") << QStringLiteral("Prüfung") << 17
                                    << QVector<CycleSample>();
        QTest::newRow("no identity: empty cycle number") << header("P", "") << "P" << -1 << QVector<CycleSample>();
        QTest::newRow("CRLF line ends") << QByteArray(header() + "00:00:00\t25\t\n").replace("\n", "\r\n")
                                        << "Program 1" << 17 << QVector<CycleSample>{{0, 25}};
    }
    void runLogIsReadBack()
    {
        QFETCH(QByteArray, log);
        QFETCH(QVector<CycleSample>, samples);
        QString reason;
        const std::optional<Cycle> cycle = RunLogParser::parse(log, &reason);
        QVERIFY2(cycle, qPrintable(reason));
        QTEST(cycle->programName, "name");
        QTEST(cycle->cycleNumber, "cycleNumber");
        QCOMPARE(cycle->samples, samples);
        QCOMPARE(cycle->controllerSerial, QString("RG-00042"));
        QCOMPARE(cycle->status, QString("Successfully completed"));
        QCOMPARE(cycle->origin, Cycle::Origin::Imported);
        // The literal Z stands on local time.
        QCOMPARE(cycle->started, QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9, 42), Qt::LocalTime));
        QCOMPARE(cycle->started.offsetFromUtc(), cycle->started.toLocalTime().offsetFromUtc());
        QCOMPARE(cycle->finished, QDateTime(QDate(2024, 3, 5), QTime(15, 7, 10, 1), Qt::LocalTime));
    }

    void brokenLogsAreNamedWithTheirReason_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("other text") << QByteArray("Model: Something else\n") << "no run log";
        QTest::newRow("no column titles") << header().left(header().indexOf("TimeStamp")) << "column titles";
        QTest::newRow("field out of order") << QByteArray(header()).replace("Status:", "Staus:") << "Line 9";
        QTest::newRow("row without temperature") << header() + "00:00:00\t\t\n" << "Line 12";
        QTest::newRow("row with seconds 60") << header() + "00:00:60\t25\t\n" << "Line 12";
        QTest::newRow("row of text") << header() + "00:00:00\t25\t\nabc\n" << "Line 13";
        QTest::newRow("not a number") << header() + "00:00:00\tnan\t\n" << "Line 12";
        QTest::newRow("start time") << QByteArray(header()).replace("2024-03-05T14", "2024-13-05T14") << "start time";
        QTest::newRow("cycle number") << header("P", "x7") << "cycle number";
        QTest::newRow("zero byte") << header(QByteArray("P\0Q", 3)) << "zero byte";
    }
    void brokenLogsAreNamedWithTheirReason()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QString why;
        QVERIFY(!RunLogParser::parse(bytes, &why));
        QVERIFY2(why.contains(reason, Qt::CaseInsensitive), qPrintable(why));
    }

    // Records made by earlier versions must keep verifying: the canonical
    // forms behind these hashes never change.
    void hashFormsAreStable_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("hash");
        QTest::newRow("entry, scheme 1") << "entry 1" << "0fb0876b8c5614cc67d9bfcc312b69cc984ca336459353c3ecdcd3b04229e06d";
        QTest::newRow("entry, scheme 2") << "entry 2" << "8c5292649db9e6cf81f1504d3b6eb84b173a17f997f57895870047f2e240958c";
        QTest::newRow("scheme 1 entry's record") << "record 1" << "5f2aa4b2ebfcbc1f2dc44efab0db464ddda4520e7fd4ac88abd100be2388cdac";
        QTest::newRow("audit event") << "event" << "e2c0fecaf3e6b4dc0d5c2184414be54376f6fbc300cb6495d6153374a420920b";
        QTest::newRow("ledger link") << "link" << "4ef7de100bf424b09c5eefc513cf66d0f2141373fc3ad883ed1d0a24b1517b56";
    }
    void hashFormsAreStable()
    {
        QFETCH(QString, form);
        QFETCH(QString, hash);
        Cycle c = RegisterTestData::cycle(QStringLiteral("RG-00042"), 17,
                                          QDateTime::fromString("2024-03-05T14:07:09.042+01:00", Qt::ISODateWithMs),
                                          {{0, 25.0}, {2000, 25.1}, {4000, 121.35}});
        c.enteredAt = QDateTime::fromString("2024-03-05T15:07:11.000+01:00", Qt::ISODateWithMs);
        c.logPath = QStringLiteral("/logs/Program_1.txt");
        c.logName = QStringLiteral("Program_1.txt");
        c.logSha256 = QString(64, QLatin1Char('a'));
        c.chainSequence = 2;
        c.previousHash = QString(64, QLatin1Char('b'));
        c.hashScheme = form.endsWith('1') ? 1 : 2;
        c.entryHash = QString(64, QLatin1Char('c'));
        c.verdict = CycleVerdict::evaluate(c, {0.5, 3.0});
        const AuditEvent event{7, c.enteredAt, "nurse", "station-1", "program write", "RG-00042", 0, "{\"program\":1}", {}};
        const QString computed = form.startsWith("entry")    ? CycleHash::entryHash(c)
                                 : form.startsWith("record") ? CycleHash::entryRecordHash(c)
                                 : form == "event"          ? CycleHash::eventHash(event)
                                                            : CycleHash::linkHash("RG-00042", 3, "entry", 12, c.entryHash,
                                                                                  QString(64, QLatin1Char('d')));
        QCOMPARE(computed, hash);
    }

    void releaseRules_data()
    {
        using CI = Release::ChemicalIndicator;
        using BI = Release::BiologicalIndicator;
        using D = Release::Decision;
        QTest::addColumn<int>("verdict"); // CycleVerdict::Result
        QTest::addColumn<int>("chemical");
        QTest::addColumn<int>("biological");
        QTest::addColumn<int>("decision");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<bool>("carried"); // from another register, with its hash
        QTest::addColumn<QString>("problem"); // a part of it; "" when none

        const int pass = int(CycleVerdict::Result::Pass);
        QTest::newRow("released on good indicators") << pass << int(CI::Passed) << int(BI::Negative) << int(D::Released)
                                                     << "" << false << "";
        QTest::newRow("chemical indicator failed")
            << pass << int(CI::Failed) << int(BI::NotUsed) << int(D::Released) << "looked fine" << false
            << "The chemical indicator failed: the load is not sterile";
        QTest::newRow("biological indicator positive, FAIL with a comment")
            << int(CycleVerdict::Result::Fail) << int(CI::Passed) << int(BI::Positive) << int(D::Released)
            << "released anyway" << false << "The biological indicator is positive";
        QTest::newRow("rejected on a positive indicator")
            << pass << int(CI::Failed) << int(BI::Positive) << int(D::Rejected) << "" << false << "";
        QTest::newRow("carried as it was decided") << pass << int(CI::Passed) << int(BI::Positive) << int(D::Released)
                                                   << "" << true << "";
        QTest::newRow("NOT EVALUATED without a comment")
            << int(CycleVerdict::Result::NotEvaluated) << int(CI::Passed) << int(BI::Negative) << int(D::Released)
            << "" << false << "The verdict is NOT EVALUATED";
    }
    void releaseRules()
    {
        QFETCH(int, verdict);
        QFETCH(int, chemical);
        QFETCH(int, biological);
        QFETCH(int, decision);
        QFETCH(QString, comment);
        QFETCH(bool, carried);
        QFETCH(QString, problem);
        Release r;
        r.operatorName = QStringLiteral("A. Meier");
        r.chemicalIndicator = Release::ChemicalIndicator(chemical);
        r.biologicalIndicator = Release::BiologicalIndicator(biological);
        r.decision = Release::Decision(decision);
        r.comment = comment;
        if (carried)
            r.hash = QString(64, QLatin1Char('c'));
        const QString found = ReleasePolicy::problem(r, CycleVerdict::Result(verdict));
        QVERIFY2(problem.isEmpty() ? found.isEmpty() : found.startsWith(problem), qPrintable(found));
    }

    void csvFieldsAreQuoted_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("plain") << "Program 1" << QByteArray("Program 1");
        QTest::newRow("empty") << "" << QByteArray("");
        QTest::newRow("carriage return") << "a\rb" << QByteArray("\"a\rb\"");
        QTest::newRow("blanks kept") << "  a  " << QByteArray("  a  ");
        QTest::newRow("non-ASCII as UTF-8") << QStringLiteral("Prüfung 121°") << QByteArray("Pr\xC3\xBC" "fung 121\xC2\xB0");

        // A spreadsheet would run these; the apostrophe makes them text.
        QTest::newRow("formula") << "=1+2" << QByteArray("\"'=1+2\"");
        QTest::newRow("formula with quotes and a comma")
            << "=HYPERLINK(\"http://x\",\"y\")" << QByteArray("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"");
        QTest::newRow("plus") << "+SUM(A1:A9)" << QByteArray("\"'+SUM(A1:A9)\"");
        QTest::newRow("minus") << "-2+3" << QByteArray("\"'-2+3\"");
        QTest::newRow("at") << "@cmd" << QByteArray("\"'@cmd\"");
        QTest::newRow("tab") << "\t=1" << QByteArray("\"'\t=1\"");
        QTest::newRow("carriage return first") << "\r=1" << QByteArray("\"'\r=1\"");
        QTest::newRow("negative number stays a number") << "-1.50" << QByteArray("-1.50");
        QTest::newRow("minus inside") << "Tray 3-4" << QByteArray("Tray 3-4");
        QTest::newRow("minus, then no number") << "-1.5e3" << QByteArray("\"'-1.5e3\"");
    }
    void csvFieldsAreQuoted()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, csv);
        QCOMPARE(CycleCsv::row({text, QStringLiteral("x")}), csv + ",x\r\n");
    }

    // The origin and the release are words; a cycle without a verdict or a
    // release has empty fields.
    void csvOfCycles()
    {
        Cycle c = RegisterTestData::cycle(QStringLiteral("RG,1"), 4,
                                          QDateTime::fromString("2024-03-05T14:07:09.042+01:00", Qt::ISODateWithMs),
                                          {{0, 25.0}, {2500, 121.35}}, QStringLiteral("Say \"A\""));
        c.id = 9;
        c.sampleCount = 2;
        c.logPath = QStringLiteral("/logs/a.txt");
        Cycle imported = c;
        imported.origin = Cycle::Origin::Imported;
        c.verdict = CycleVerdict::evaluate(c, {});
        // The current release's fields, each in its column.
        Release released;
        released.operatorName = QStringLiteral("A. Meier");
        released.at = QDateTime::fromString("2024-03-06T09:30:00.000+01:00", Qt::ISODateWithMs);
        released.lot = QStringLiteral("LOT-4711");
        released.load = QStringLiteral("Tray 3, forceps");
        released.chemicalIndicator = Release::ChemicalIndicator::Passed;
        released.biologicalIndicator = Release::BiologicalIndicator::Pending;
        imported.latestRelease = released;
        QCOMPARE(CycleCsv::cycles({c, imported}),
                 QByteArray("ID,Started,Finished,Program number,Program,Cycle number,Controller serial,Status,Origin,"
                            "Samples,Log file,Log SHA-256,Station,Verdict,Release,Release operator,Release time,Lot,"
                            "Load,Chemical indicator,Biological indicator\r\n"
                            "9,2024-03-05T14:07:09.042+01:00,2024-03-05T14:07:12.542+01:00,1,\"Say \"\"A\"\"\",4,"
                            "\"RG,1\",Successfully completed,recorded,2,/logs/a.txt,,station-1,FAIL,waiting,,,,,,\r\n"
                            "9,2024-03-05T14:07:09.042+01:00,2024-03-05T14:07:12.542+01:00,1,\"Say \"\"A\"\"\",4,"
                            "\"RG,1\",Successfully completed,imported,2,/logs/a.txt,,station-1,,Quarantined,A. Meier,"
                            "2024-03-06T09:30:00.000+01:00,LOT-4711,\"Tray 3, forceps\",Passed,Pending\r\n"));
    }

    void shownInTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("instant");
        QTest::addColumn<QString>("decision"); // Released, shown
        QTest::addColumn<QString>("standing"); // a cycle that waits, shown

        QTest::newRow("English") << int(Language::English) << "2026-12-07" << "2026-12-07 14:05:09 UTC+01:00"
                                 << "Released" << "waiting";
        QTest::newRow("German") << int(Language::German) << "07.12.2026" << "07.12.2026 14:05:09 UTC+01:00"
                                << "Freigegeben" << "wartend";
        QTest::newRow("French") << int(Language::French) << "07/12/2026" << "07/12/2026 14:05:09 UTC+01:00"
                                << "Libéré" << "en attente";
    }

    // Days and release texts as people read them follow the language;
    // what the register and CSV store stays English.
    void shownInTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, day);
        QFETCH(QString, instant);
        QFETCH(QString, decision);
        QFETCH(QString, standing);
        QVERIFY(Language::install(Language::Choice(language)));
        const QDateTime at(QDate(2026, 12, 7), QTime(14, 5, 9), Qt::OffsetFromUTC, 3600);
        Cycle waiting = RegisterTestData::cycle("RG-7", 4, at, {{0, 25.0}});
        const QString shownDay = ShownTime::day(at.date());
        const QString shownInstant = ShownTime::instant(at);
        const QString shownDecision = Release::shown(Release::Decision::Released);
        const QString shownStanding = ReleasePolicy::standing(waiting);
        const QString stored = Release::text(Release::Decision::Released) + ReleasePolicy::standingText(waiting);
        QVERIFY(Language::install(Language::English));
        QCOMPARE(shownDay, day);
        QCOMPARE(shownInstant, instant);
        QCOMPARE(shownDecision, decision);
        QCOMPARE(shownStanding, standing);
        QCOMPARE(stored, QString("Releasedwaiting"));
    }
};

QTEST_GUILESS_MAIN(TestRegisterFormats)
#include "tst_registerformats.moc"
