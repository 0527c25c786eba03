// Time stamps of the chains' heads by an authority of the test's own:
// made after a release, stored, and checked by the verification, which
// reports a stamped position that is gone and a token that does not verify.

#include "app/stationsettings.h"
#include "register/chainposition.h"
#include "register/cycleregister.h"
#include "register/registerverification.h"
#include "register/timestamper.h"
#include "register/timestampstore.h"
#include "tests/isolateduser.h"
#include "tests/postgresserver.h"
#include "tests/registertestdata.h"
#include "tests/testauthority.h"
#include "tools/vaporin-records/recordstool.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <memory>

using RegisterTestData::cycleAt;

namespace {

enum class Edit {
    None,
    NewestEntryAndHeadDeleted,
    TokenAltered,
    StampedTextAltered,
    OtherAuthority, // verified against another authority's certificate
};

bool exec(const QSqlDatabase &db, const QString &statement, const QVariantList &values = {})
{
    QSqlQuery query(db);
    query.prepare(statement);
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (query.exec())
        return true;
    qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    return false;
}

// What an insider with the register file does: the newest entry of RG-2
// and everything of it gone, its chain's head moved back one place, so
// that the register's own checks find nothing.
bool deleteNewestEntry(const QSqlDatabase &db)
{
    QSqlQuery newest(db);
    if (!newest.exec("SELECT id, chain_seq, previous_hash FROM cycles WHERE controller_serial = 'RG-2'"
                     " ORDER BY chain_seq DESC LIMIT 1")
        || !newest.next())
        return false;
    const QVariant id = newest.value(0);
    const qint64 seq = newest.value(1).toLongLong();
    const QString previous = newest.value(2).toString();
    newest.finish();
    for (const char *table : {"outbox", "verdicts", "cycle_samples", "events"})
        if (!exec(db, QStringLiteral("DELETE FROM %1 WHERE cycle_id = ?").arg(QLatin1String(table)), {id}))
            return false;
    // Its links and all after them, the ledger's head moved back with them:
    // the register then holds no trace of it.
    return exec(db, "DELETE FROM cycles WHERE id = ?", {id})
        && exec(db, "UPDATE chain_heads SET chain_seq = ?, entry_hash = ? WHERE controller_serial = 'RG-2'",
                {seq - 1, previous})
        && exec(db, "DELETE FROM ledger WHERE chain = 'RG-2' AND seq >= (SELECT seq FROM ledger"
                    " WHERE kind = 'entry' AND record_id = ?)", {id})
        && exec(db, "UPDATE ledger_heads SET seq = (SELECT MAX(seq) FROM ledger WHERE chain = 'RG-2'),"
                    " link_hash = (SELECT link_hash FROM ledger WHERE chain = 'RG-2' ORDER BY seq DESC LIMIT 1)"
                    " WHERE chain = 'RG-2'", {});
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestTimeStamps : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<TestAuthority> authority;
    std::unique_ptr<PostgresServer> server;
    int connections = 0;

    // A register file, or a new database on the test's server (started
    // once); invalid when the server does not run.
    RegisterLocation where(bool onServer)
    {
        if (!onServer)
            return RegisterLocation::file(dir->filePath("register.sqlite"));
        if (!server)
            server = std::make_unique<PostgresServer>();
        return server->isRunning() ? server->createDatabase() : RegisterLocation();
    }

    std::unique_ptr<CycleRegister> open(const RegisterLocation &location)
    {
        auto reg = std::make_unique<CycleRegister>(QStringLiteral("test-%1").arg(++connections));
        if (!reg->open(location))
            qWarning("%s", qPrintable(reg->errorString()));
        return reg;
    }

    // Two controllers' chains, the second of three entries.
    bool fill(CycleRegister &reg)
    {
        QVector<Cycle> cycles{cycleAt("RG-1", 1, "2024-03-01T08:00:00"), cycleAt("RG-2", 1, "2024-03-01T09:00:00"),
                              cycleAt("RG-2", 2, "2024-03-01T10:00:00"), cycleAt("RG-2", 3, "2024-03-01T11:00:00")};
        return RegisterTestData::enter(reg, cycles);
    }

    static Release rejected(qint64 cycleId)
    {
        Release r;
        r.cycleId = cycleId;
        r.operatorName = QStringLiteral("A. Meier");
        r.decision = Release::Decision::Rejected;
        return r;
    }

    static TimeStamper::Authority of(const TestAuthority &a) { return {a.url(), a.certificate()}; }

private slots:
    void initTestCase()
    {
        authority = std::make_unique<TestAuthority>();
        QVERIFY2(authority->isMade(), "the openssl command made no test certificate");
        QVERIFY(authority->listen());
    }

    void init() { dir = std::make_unique<QTemporaryDir>(); }

    void chainPositionForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("shortForm");
        const QString hash = QStringLiteral("d0fb04d1c3a2b4e5") + QString(48, QLatin1Char('7'));
        QTest::newRow("printed") << "RG100001 #1234 d0fb04d1c3a2b4e5" << true << "RG100001 #1234 d0fb04d1c3a2b4e5";
        QTest::newRow("full hash, upper case") << "RG100001 #1234 " + hash.toUpper() << true
                                               << "RG100001 #1234 d0fb04d1c3a2b4e5";
        QTest::newRow("eight digits, blanks around") << "  RG-1 #7 d0fb04d1 " << true << "RG-1 #7 d0fb04d1";
        QTest::newRow("serial with a blank") << "RG 1 #2 0123456789" << true << "RG 1 #2 0123456789";
        QTest::newRow("seven digits") << "RG-1 #7 d0fb04d" << false << "";
        QTest::newRow("no number sign") << "RG-1 7 d0fb04d1" << false << "";
        QTest::newRow("no sequence") << "RG-1 d0fb04d1c3a2b4e5" << false << "";
        QTest::newRow("no chain") << "#12 d0fb04d1c3a2b4e5" << false << "";
        QTest::newRow("sequence 0") << "RG-1 #0 d0fb04d1" << false << "";
        QTest::newRow("not hex") << "RG-1 #7 d0fb04dz" << false << "";
        QTest::newRow("longer than a hash") << "RG-1 #7 " + hash + "0" << false << "";
        QTest::newRow("two lines") << "RG-1 #7 d0fb04d1\nRG-2 #1 d0fb04d1" << false << "";
        QTest::newRow("a marker of arg()") << "RG%1 #7 d0fb04d1" << true << "RG%1 #7 d0fb04d1";
    }
    void chainPositionForms()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QString, shortForm);
        const std::optional<ChainPosition> position = ChainPosition::parse(text);
        QCOMPARE(position.has_value(), valid);
        if (!valid)
            return;
        QCOMPARE(position->text(), shortForm);
        // The whole hash is kept, in lower case, and the short form reads back as itself.
        QVERIFY(text.contains(position->hash, Qt::CaseInsensitive) && position->hash == position->hash.toLower());
        QCOMPARE(ChainPosition::parse(shortForm)->text(), shortForm);
    }

    // Whatever a controller calls itself, a stamped text reads back as the
    // positions stamped; a text edited out of form reads as none.
    void stampedTextReadsBack_data()
    {
        QTest::addColumn<QString>("chain");
        QTest::addColumn<QString>("edit"); // replaces "#7"; empty: none
        QTest::addColumn<bool>("readable");
        QTest::newRow("serial number") << "RG100001" << "" << true;
        QTest::newRow("no serial number") << "" << "" << true;
        QTest::newRow("blanks, a number sign") << "RG 1 #7 x" << "" << true;
        QTest::newRow("a line break, a percent sign") << "RG\n%41" << "" << true;
        QTest::newRow("a marker of arg()") << "RG%1%2" << "" << true;
        QTest::newRow("beyond Latin-1") << QString::fromUtf8("Réglé ✓") << "" << true;
        QTest::newRow("sequence 0") << "RG-1" << "#0" << false;
        QTest::newRow("no sequence") << "RG-1" << "#" << false;
    }
    void stampedTextReadsBack()
    {
        QFETCH(QString, chain);
        QFETCH(QString, edit);
        QFETCH(bool, readable);
        const QVector<ChainPosition> stamped{{chain, 7, QString(64, QLatin1Char('a'))},
                                             {"RG-2", 12, QString(64, QLatin1Char('b'))}};
        QString text = TimeStampStore::stampedText(stamped);
        QCOMPARE(text.count('\n'), 2);
        if (!edit.isEmpty())
            text.replace(" #7 ", " " + edit + " ");
        const std::optional<QVector<ChainPosition>> read = TimeStampStore::positions(text);
        QCOMPARE(read.has_value(), readable);
        if (!readable)
            return;
        QCOMPARE(read->size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(read->at(i).chain, stamped[i].chain);
            QCOMPARE(read->at(i).sequence, stamped[i].sequence);
            QCOMPARE(read->at(i).hash, stamped[i].hash);
        }
    }

    void dueOnceADay_data()
    {
        QTest::addColumn<qint64>("ageMs"); // of the newest stamp; -1: none
        QTest::addColumn<bool>("due");
        const qint64 hour = 3600 * 1000;
        QTest::newRow("none yet") << qint64(-1) << true;
        QTest::newRow("an hour old") << hour << false;
        QTest::newRow("a second short of a day") << 24 * hour - 1000 << false;
        QTest::newRow("a day old") << 24 * hour << true;
        QTest::newRow("a minute ahead of the clock") << -60 * qint64(1000) << false;
        QTest::newRow("two hours ahead of the clock") << -2 * hour << true;
    }
    void dueOnceADay()
    {
        QFETCH(qint64, ageMs);
        QFETCH(bool, due);
        const QDateTime now = QDateTime::fromString("2026-12-07T10:00:00Z", Qt::ISODate);
        QCOMPARE(TimeStamper::due(ageMs == -1 ? QDateTime() : now.addMSecs(-ageMs), now), due);
    }

    // A stamp when the stamper starts (none is a day old) and one after a
    // release; both verify, also on a server.
    void stampAfterReleaseVerifies_data()
    {
        QTest::addColumn<bool>("onServer");
        QTest::newRow("file") << false;
        QTest::newRow("server") << true;
    }
    void stampAfterReleaseVerifies()
    {
        QFETCH(bool, onServer);
        const RegisterLocation location = where(onServer);
        QVERIFY2(location.isValid(), qPrintable(server ? server->errorString() : QString()));
        std::unique_ptr<CycleRegister> reg = open(location);
        QVERIFY(reg->isOpen());
        QVERIFY(fill(*reg));
        TimeStamper stamper(location, of(*authority));
        QSignalSpy stamped(&stamper, &TimeStamper::stamped);
        QVERIFY(stamped.wait(30000));

        Release r = rejected(1);
        QVERIFY2(reg->enterRelease(r), qPrintable(reg->errorString()));
        stamper.stamp();
        QVERIFY(stamped.wait(30000));
        QCOMPARE(stamped.size(), 2);

        const RegisterVerification::Result result =
            RegisterVerification::run(*reg, CycleVerifier::Logs::All, authority->certificate());
        QVERIFY2(result.report.intact(), qPrintable(result.report.problems.value(0).text + result.report.error));
        QCOMPARE(result.stamps, 2);
        QCOMPARE(result.stampsChecked, 2);
        QCOMPARE(result.provenUntil, stamped.last().at(1).toDateTime());
        QVERIFY(qAbs(result.provenUntil.secsTo(QDateTime::currentDateTimeUtc())) < 120);
        const std::optional<QVector<TimeStamp>> stamps = TimeStampStore::all(reg->database(), nullptr);
        QVERIFY(stamps && stamps->size() == 2);
        QCOMPARE(stamps->last().stampedText, TimeStampStore::stampedText(*TimeStampStore::currentHeads(reg->database(), nullptr)));
    }

    // Edits made with plain SQL after a stamp, each reported by the records
    // tool with exit status 1; nothing changed: intact, with the proven time.
    void editAfterStampIsReported_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("onServer");
        QTest::addColumn<QString>("finding");
        QTest::newRow("nothing changed") << Edit::None << false << "";
        QTest::newRow("newest entry and its head deleted")
            << Edit::NewestEntryAndHeadDeleted << false << "CONTRADICTED: The witness RG-2 #";
        QTest::newRow("newest entry and its head deleted, server")
            << Edit::NewestEntryAndHeadDeleted << true << "CONTRADICTED: The witness RG-2 #";
        QTest::newRow("token altered") << Edit::TokenAltered << false << "UNVERIFIED: The time stamp 1";
        QTest::newRow("token altered, server") << Edit::TokenAltered << true << "UNVERIFIED: The time stamp 1";
        QTest::newRow("stamped text altered") << Edit::StampedTextAltered << false << "UNVERIFIED: The time stamp 1";
        QTest::newRow("signed by another authority") << Edit::OtherAuthority << false << "UNVERIFIED: The time stamp 1";
    }
    void editAfterStampIsReported()
    {
        QFETCH(Edit, edit);
        QFETCH(bool, onServer);
        QFETCH(QString, finding);
        const RegisterLocation location = where(onServer);
        QVERIFY2(location.isValid(), qPrintable(server ? server->errorString() : QString()));
        std::unique_ptr<CycleRegister> reg = open(location);
        QVERIFY(fill(*reg));
        {
            TimeStamper stamper(location, of(*authority));
            QSignalSpy stamped(&stamper, &TimeStamper::stamped);
            QVERIFY(stamped.wait(30000));
        }
        const QSqlDatabase db = reg->database();
        QString certificate = authority->certificate();
        std::unique_ptr<TestAuthority> other;
        switch (edit) {
        case Edit::None:
            break;
        case Edit::NewestEntryAndHeadDeleted:
            QVERIFY(deleteNewestEntry(db));
            // The register's own checks see nothing: only the stamp can.
            QVERIFY(CycleVerifier::verifyRegister(*reg).intact());
            break;
        case Edit::TokenAltered: {
            QSqlQuery query(db);
            QVERIFY(query.exec("SELECT token FROM time_stamps WHERE id = 1") && query.next());
            QByteArray token = query.value(0).toByteArray();
            query.finish();
            token[token.size() - 40] = char(token[token.size() - 40] ^ 1);
            QVERIFY(exec(db, "UPDATE time_stamps SET token = ? WHERE id = 1", {token}));
            break;
        }
        case Edit::StampedTextAltered:
            // The text made to name another position of the chain.
            QVERIFY(exec(db, "UPDATE time_stamps SET stamped_text = replace(stamped_text, 'RG-2 #', 'RG-2 #1')"));
            break;
        case Edit::OtherAuthority:
            other = std::make_unique<TestAuthority>(QStringLiteral("Another Authority"));
            QVERIFY(other->isMade());
            certificate = other->certificate();
            break;
        }
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        RecordsTool tool(location.toString(), out, err);
        const int status = tool.verify({}, {}, certificate);
        const QString printed = QString::fromUtf8(out.data());
        QVERIFY2(err.data().isEmpty(), err.data().constData());
        if (finding.isEmpty()) {
            QCOMPARE(status, int(RecordsTool::Success));
            QVERIFY2(printed.contains("Checked 1 time stamp: the register is proven as of "), qPrintable(printed));
        } else {
            QCOMPARE(status, int(RecordsTool::ProblemsFound));
            QVERIFY2(printed.contains(finding), qPrintable(printed));
        }
    }

    // An authority that cannot be reached is tried again after a wait; a
    // release meanwhile is entered at once, and the stamp comes once the
    // authority is back.
    void unreachableAuthorityIsRetried()
    {
        TestAuthority later;
        QVERIFY(later.isMade());
        QVERIFY(later.listen());
        const quint16 port = later.url().port();
        later.close(); // refused until it listens again
        const QString path = dir->filePath("register.sqlite");
        std::unique_ptr<CycleRegister> reg = open(RegisterLocation::file(path));
        QVERIFY(fill(*reg));

        TimeStamper stamper(RegisterLocation::file(path), {QUrl(QStringLiteral("http://127.0.0.1:%1/tsa").arg(port)),
                                                           later.certificate()});
        stamper.setRetryDelays(200, 400);
        QSignalSpy failed(&stamper, &TimeStamper::failed);
        QSignalSpy stamped(&stamper, &TimeStamper::stamped);
        QVERIFY(failed.wait(30000));
        QTRY_VERIFY_WITH_TIMEOUT(failed.size() >= 3, 30000);
        // Waits double up to the longest.
        QCOMPARE(failed.at(1).at(1).toInt(), 400);
        QCOMPARE(failed.at(2).at(1).toInt(), 400);

        QElapsedTimer clock;
        clock.start();
        Release r = rejected(2);
        QVERIFY2(reg->enterRelease(r), qPrintable(reg->errorString()));
        stamper.stamp();
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));

        QVERIFY(later.listen(port));
        QVERIFY(stamped.wait(30000));
        QVERIFY(later.answered >= 1);
        const RegisterVerification::Result result =
            RegisterVerification::run(*reg, CycleVerifier::Logs::All, later.certificate());
        QVERIFY(result.report.intact());
        QVERIFY(result.stampsChecked >= 1);
    }

    void cleanupTestCase() { server.reset(); }
};

int main(int argc, char *argv[])
{
    IsolatedUser user;
    QCoreApplication app(argc, argv);
    StationSettings::nameApplication();
    TestTimeStamps test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_timestamps.moc"
