// The cycle register on a PostgreSQL server that the test starts itself:
// the register's own work there, many writers at once, moving a register
// file onto the server, the records tool, and the set-up the README gives a
// clinic's IT.

#include "app/stationsettings.h"
#include "register/cyclehash.h"
#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/operatoraccounts.h"
#include "register/packstore.h"
#include "register/packuses.h"
#include "register/registerschema.h"
#include "register/registertransfer.h"
#include "register/releasesigning.h"
#include "register/sha256.h"
#include "tests/isolateduser.h"
#include "tests/postgresserver.h"
#include "tests/registertestdata.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <future>
#include <memory>
#include <thread>

using Problem = CycleVerifier::Problem;
using RegisterTestData::problems;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runTool(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(RECORDS_TOOL_PATH), arguments);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

Cycle cycle(const QString &serial, int number, const QString &started)
{
    Cycle c = RegisterTestData::cycle(serial, number, RegisterTestData::localTime(started),
                                      RegisterTestData::run(4, quint32(number)));
    c.station = CycleRegister::station();
    return c;
}

// The SQL blocks of the README's section on the server, in order.
QStringList readmeSql()
{
    QFile readme(QStringLiteral(README_PATH));
    if (!readme.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(readme.readAll());
    const QString section = text.section(QStringLiteral("\n## The register on a PostgreSQL server\n"), 1)
                                .section(QStringLiteral("\n## "), 0, 0);
    static const QRegularExpression block(QStringLiteral("```sql\n(.*?)```"),
                                          QRegularExpression::DotMatchesEverythingOption);
    QStringList blocks;
    for (auto it = block.globalMatch(section); it.hasNext();)
        blocks << it.next().captured(1);
    return blocks;
}

} // namespace

class TestRegisterPostgres : public QObject
{
    Q_OBJECT

    std::unique_ptr<PostgresServer> server;
    std::unique_ptr<QTemporaryDir> dir;
    RegisterLocation database; // a new one for each test function
    std::unique_ptr<CycleRegister> store; // on it
    std::atomic<int> connections{0};

    bool exec(CycleRegister &reg, const QString &statement)
    {
        QSqlQuery query(reg.database());
        if (!query.exec(statement))
            qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
        return query.isActive();
    }

    // The cycle with its run log written into the test's folder.
    Cycle withLog(Cycle c)
    {
        c.logPath = dir->filePath(QStringLiteral("%1_%2.txt").arg(c.controllerSerial).arg(c.cycleNumber));
        const QByteArray log = RegisterTestData::log(c);
        QFile file(c.logPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(log) != log.size())
            qWarning("%s cannot be written", qPrintable(c.logPath));
        c.logSha256 = Sha256::hex(log);
        return c;
    }

    // A new database on the server, and the register open on it.
    bool freshRegister()
    {
        database = server->createDatabase();
        store = openRegister(database);
        return store->isOpen();
    }

    void enterAll(CycleRegister &reg, QVector<Cycle> cycles)
    {
        for (const CycleRegister::EnterResult &r : reg.enter(cycles))
            QVERIFY2(r.outcome == CycleRegister::Outcome::Entered, qPrintable(r.error));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(QStringLiteral(RECORDS_TOOL_PATH)).isExecutable(), RECORDS_TOOL_PATH);
        server = std::make_unique<PostgresServer>();
        QVERIFY2(server->isRunning(), qPrintable(server->errorString()));
    }
    void cleanupTestCase() { server.reset(); }
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        StationSettings().clear();
    }
    void cleanup() { store.reset(); }

    // A server's location, and one that holds a password, which the
    // settings must never keep (the error does not show it either).
    void locations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown"); // toString(), or a part of the error
        QTest::addColumn<QStringList>("fields"); // host, port, database, user, options
        QTest::newRow("server") << "postgresql://vaporin_station@db.clinic.lan:5433/vaporin?sslmode=verify-full"
                                << "postgresql://vaporin_station@db.clinic.lan:5433/vaporin?sslmode=verify-full"
                                << QStringList{"db.clinic.lan", "5433", "vaporin", "vaporin_station", "sslmode=verify-full"};
        QTest::newRow("password") << "postgresql://nurse:secret@h/db" << "holds a password" << QStringList();
        QTest::newRow("password parameter") << "postgresql://h/db?password=secret" << "holds a password"
                                            << QStringList();
        QTest::newRow("value Qt would split") << "postgresql://h/db?application_name=a;host=evil"
                                              << "holds a \";\"" << QStringList();
    }
    void locations()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(QStringList, fields);
        const RegisterLocation location = RegisterLocation::parse(text);
        if (fields.isEmpty()) {
            QVERIFY(!location.isValid());
            QVERIFY2(location.errorString().contains(shown), qPrintable(location.errorString()));
            QVERIFY(!location.errorString().contains("secret"));
            return;
        }
        QCOMPARE(location.toString(), shown);
        QCOMPARE(RegisterLocation::parse(location.toString()), location);
        QStringList options;
        for (auto it = location.options().cbegin(); it != location.options().cend(); ++it)
            options << it.key() + "=" + it.value();
        QCOMPARE((QStringList{location.host(), QString::number(location.port()), location.database(), location.user(),
                              options.join('&')}),
                 fields);
    }

    void enteredCyclesReadBackPerController()
    {
        QVERIFY(freshRegister());
        Cycle a1 = withLog(cycle("A", 1, "2024-03-05T14:07:09.042"));
        a1.adopted = true;
        Cycle b1 = cycle("B", 1, "2024-03-05T15:00:00");
        Cycle a2 = cycle("A", 2, "2024-03-06T08:00:00");
        a2.cycleNumber = -1; // known by its controller and start
        enterAll(*store, {a1, b1, a2});
        // Entering again finds every one, the one of no cycle number too.
        QVector<Cycle> again{a1, b1, a2};
        for (const CycleRegister::EnterResult &r : store->enter(again))
            QCOMPARE(r.outcome, CycleRegister::Outcome::AlreadyPresent);
        QCOMPARE(store->count({{}, {}, {}, {}, {}, "successFULLY"}), 3); // ILIKE
        QCOMPARE(store->events()->size(), 3);
        // Each entry's hash holds only if every field, samples, zone and
        // adoption too, reads back as it was entered.
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ') + report.error));
        QCOMPARE(report.chains, 2);
        QCOMPARE(report.logs, 1);
    }

    // Accounts, a signed recall, packs and a use on the server: the same
    // statements in its dialect.
    void packsFromReleaseToRecallOnTheServer()
    {
        QVERIFY(freshRegister());
        store->setVerdictBand({0.5, 3.0});
        Cycle c = cycle("A", 7, QDate::currentDate().addDays(-1).toString(Qt::ISODate) + "T08:00:00");
        enterAll(*store, {c});
        const qint64 id = store->cycles({}, 1)->value(0).id;
        OperatorAccounts accounts(*store);
        OperatorAccount chef{0, QStringLiteral("S. Chef"), QStringLiteral("SC")};
        QVERIFY2(accounts.add(chef, QStringLiteral("470815"), {}), qPrintable(accounts.errorString()));
        QVERIFY(!accounts.signIn({"s. chef", "000000"}));
        Release r;
        r.cycleId = id;
        r.operatorName = QStringLiteral("s. chef");
        r.decision = Release::Decision::Released;
        r.comment = QStringLiteral("signed on the server");
        QString error;
        QVERIFY2(ReleaseSigning::enter(*store, r, QStringLiteral("470815"), &error), qPrintable(error));
        const std::optional<QVector<Pack>> packs = PackStore(*store).makePacks(id, 3, QStringLiteral("Tray"));
        QVERIFY2(packs, qPrintable(PackStore(*store).errorString()));
        PackUses uses(*store);
        PackUse use{0, packs->at(1).code, 0, {}, QStringLiteral("S. Chef"), QStringLiteral("K-7")};
        QVERIFY2(uses.enter(use), qPrintable(uses.errorString()));
        r.decision = Release::Decision::Recalled;
        QVERIFY2(ReleaseSigning::enter(*store, r, QStringLiteral("470815"), &error), qPrintable(error));
        const std::optional<PackUses::Check> check = uses.lookUp(packs->at(0).code);
        QVERIFY(check && check->refused);
        const QVector<PackUses::RecallRow> rows = uses.recallList(id).value_or(QVector<PackUses::RecallRow>());
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[1].uses.value(0).reference, QString("K-7"));
        QVERIFY(uses.eraseReference(rows[1].uses[0].id, QStringLiteral("S. Chef")));
        QVERIFY(uses.recallList(id)->at(1).uses[0].erased);
        QCOMPARE(PackStore(*store).expiring(QDate::currentDate().addDays(200))->size(), 2);
        QVERIFY(CycleVerifier::verifyRegister(*store).intact());
    }

    void verificationFindsEditsOnTheServer_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing changed") << QStringList() << QStringList();
        QTest::newRow("status edited") << QStringList{"UPDATE cycles SET status = 'Successfully completed.' WHERE id = 2"}
                                       << QStringList{"EntryAltered:2"};
        // Only here: an entry beyond its chain's head.
        QTest::newRow("head moved back")
            << QStringList{"UPDATE chain_heads SET chain_seq = 1, entry_hash = (SELECT entry_hash FROM cycles"
                           " WHERE id = 4) WHERE controller_serial = 'B'"}
            << QStringList{"ChainBroken:5"};
    }
    void verificationFindsEditsOnTheServer()
    {
        QVERIFY(freshRegister());
        QFETCH(QStringList, statements);
        QFETCH(QStringList, expected);
        enterAll(*store, {cycle("A", 1, "2024-03-01T08:00:00"), cycle("A", 2, "2024-03-02T08:00:00"),
                          cycle("A", 3, "2024-03-03T08:00:00"), cycle("B", 1, "2024-03-01T09:00:00"),
                          cycle("B", 2, "2024-03-02T09:00:00")});
        for (const QString &statement : statements)
            QVERIFY(exec(*store, statement));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QVERIFY2(problems(report) == expected, qPrintable(problems(report).join(' ')));
    }

    // Stations that start at once all find the schema made, once.
    void schemaMadeByManyAtOnce()
    {
        const RegisterLocation empty = server->createDatabase();
        constexpr int stations = 4;
        std::atomic<int> ready{0};
        std::vector<std::future<QString>> opened;
        for (int i = 0; i < stations; ++i)
            opened.push_back(std::async(std::launch::async, [&] {
                CycleRegister own(QStringLiteral("station-%1").arg(++connections));
                for (++ready; ready < stations;) // all connect and start migrating together
                    std::this_thread::yield();
                return own.open(empty) ? QString() : own.errorString();
            }));
        for (std::future<QString> &f : opened)
            QCOMPARE(f.get(), QString());
        const std::unique_ptr<CycleRegister> one = openRegister(empty);
        QCOMPARE(countRows(*one, "schema_migrations"), qint64(RegisterSchema::migrations().size()));
        QCOMPARE(countRows(*one, "pg_tables WHERE tablename = 'cycles'"), 1);
    }

    // Two stations enter their controllers' cycles one by one while two
    // migrations enter batches of both controllers, in either order, partly
    // the same cycles.
    void writersAtOnceEnterEveryCycleOnce()
    {
        QVERIFY(freshRegister());
        const auto writer = [&](const QVector<QVector<Cycle>> &batches) {
            CycleRegister own(QStringLiteral("writer-%1").arg(++connections));
            if (!own.open(database))
                return own.errorString();
            for (QVector<Cycle> batch : batches)
                for (const CycleRegister::EnterResult &r : own.enter(batch))
                    if (r.outcome == CycleRegister::Outcome::Failed)
                        return r.error;
            return QString();
        };
        const auto at = [](int n) { return QDate(2024, 1, 1).addDays(n).toString(Qt::ISODate) + "T08:00:00"; };
        QVector<QVector<Cycle>> a;
        QVector<QVector<Cycle>> b;
        QVector<QVector<Cycle>> mixed;
        for (int n = 1; n <= 20; ++n) {
            a.append({cycle("A", n, at(n))});
            b.append({cycle("B", n, at(n))});
        }
        QVector<QVector<Cycle>> reversed;
        for (int n = 1; n <= 10; ++n) {
            mixed.append({cycle("B", n, at(n)), cycle("A", 20 + n, at(20 + n)), cycle("A", n, at(n)),
                          cycle("B", 20 + n, at(20 + n))});
            reversed.append({mixed.last()[1], mixed.last()[0]});
        }
        std::vector<std::future<QString>> writers;
        for (const QVector<QVector<Cycle>> &batches : {a, b, mixed, reversed})
            writers.push_back(std::async(std::launch::async, writer, batches));
        for (std::future<QString> &w : writers)
            QCOMPARE(w.get(), QString());
        QCOMPARE(store->count({}), 60);
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ') + report.error));
        QCOMPARE(report.chains, 2);
    }

    // A station's register file with entries of two controllers and its
    // audit trail, onto a server that holds an entry of one of them already.
    void migrationMovesEverythingOnce()
    {
        QVERIFY(freshRegister());
        const QString file = dir->filePath("station/register.sqlite");
        {
            const std::unique_ptr<CycleRegister> local = openRegister(RegisterLocation::file(file));
            enterAll(*local, {withLog(cycle("A", 11, "2024-03-01T08:00:00")), withLog(cycle("A", 12, "2024-03-02T08:00:00")),
                              cycle("B", 1, "2024-03-01T09:00:00"), withLog(cycle("A", 13, "2024-03-03T08:00:00"))});
            AuditEvent write;
            write.kind = QStringLiteral("program write");
            write.controllerSerial = QStringLiteral("A");
            write.details = QStringLiteral("{\"program\":2}");
            QVERIFY(local->appendEvent(write));
            Release quarantined;
            quarantined.cycleId = 2;
            quarantined.operatorName = QStringLiteral("A. Meier");
            QVERIFY(local->enterRelease(quarantined));
        }
        Cycle earlier = withLog(cycle("A", 10, "2024-02-28T08:00:00"));
        earlier.station = QStringLiteral("station-2");
        QCOMPARE(store->enter(earlier).outcome, CycleRegister::Outcome::Entered);

        const std::unique_ptr<CycleRegister> local = openRegister(RegisterLocation::file(file));
        const RegisterTransfer::Result first = RegisterTransfer::transfer(*local, *store);
        QVERIFY2(first.error.isEmpty() && first.refused.isEmpty(), qPrintable(first.error));
        QCOMPARE(first.moved, 4);
        QCOMPARE(first.releases, 1);
        // The release's own event is made by the target as by the source.
        QCOMPARE(first.events, 5);
        QCOMPARE(first.eventsPresent, 1);

        // The chain of A goes on after the server's own entry.
        const std::optional<QVector<Cycle>> moved = store->cycles({{}, {}, {}, {}, "A", {}}, -1);
        QCOMPARE(moved->size(), 4);
        QCOMPARE(moved->first().cycleNumber, 13);
        QCOMPARE(moved->first().chainSequence, 4);
        const std::optional<QVector<Cycle>> sources = local->cycles({}, -1);
        for (const Cycle &source : *sources) {
            const std::optional<QVector<Cycle>> found =
                store->cycles({source.started, source.started.addMSecs(1), {}, {}, source.controllerSerial, {}}, -1);
            QCOMPARE(found->size(), 1);
            const std::optional<Cycle> original = local->cycle(source.id);
            // The same content: in the source's place in its chain, it has the source's hash.
            Cycle target = *store->cycle(found->first().id);
            std::tie(target.enteredAt, target.chainSequence, target.previousHash) =
                std::tie(original->enteredAt, original->chainSequence, original->previousHash);
            QCOMPARE(CycleHash::entryHash(target), original->entryHash);
            const AuditEvent migrated = store->events(target.id)->first();
            QCOMPARE(migrated.kind, QString("cycle migrated"));
            const QJsonObject details = QJsonDocument::fromJson(migrated.details.toUtf8()).object();
            QCOMPARE(details["sourceEntryHash"].toString(), original->entryHash);
            QCOMPARE(details["sourceId"].toInt(), int(original->id));
            QCOMPARE(details["from"].toString(), file);
            // The source's own event of the entry came along, at its time.
            QCOMPARE(store->events(target.id)->last().at, local->events(source.id)->last().at);
        }
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ') + report.error));

        const auto counts = [&] {
            return QVector<qint64>{countRows(*store, "cycles"), countRows(*store, "events"), countRows(*store, "chain_heads"),
                                   countRows(*store, "releases")};
        };
        const QVector<qint64> before = counts();
        const RegisterTransfer::Result second = RegisterTransfer::transfer(*local, *store);
        QVERIFY2(second.error.isEmpty(), qPrintable(second.error));
        QCOMPARE((QVector<int>{second.moved, second.alreadyPresent, second.events, second.eventsPresent,
                               second.releases, second.releasesPresent}),
                 (QVector<int>{0, 4, 0, 6, 0, 1}));
        QCOMPARE(counts(), before);

        // An altered entry does not get a new hash that holds.
        QVERIFY(exec(*local, "UPDATE cycles SET status = 'Successfully completed' || '!' WHERE cycle_number = 12"));
        Cycle another = cycle("B", 2, "2024-03-04T09:00:00");
        QCOMPARE(local->enter(another).outcome, CycleRegister::Outcome::Entered);
        const RegisterTransfer::Result refused = RegisterTransfer::transfer(*local, *store);
        QCOMPARE(refused.refused.size(), 1);
        QCOMPARE(refused.refused.first().kind, Problem::EntryAltered);
        QCOMPARE(countRows(*store, "cycles"), before[0]);
    }

    // The README's set-up, step by step: the superuser's SQL, the owner's
    // first run of the tool, the grants; then a station's role enters and
    // reads, and can change nothing.
    void clinicSetUpAsTheReadmeGivesIt()
    {
        const QStringList sql = readmeSql();
        QCOMPARE(sql.size(), 2);
        // One of the server's programs; empty when it succeeded, else what it said.
        const auto run = [&](const QString &program, const QStringList &arguments, const QString &input = {}) {
            QProcess p;
            p.setProcessChannelMode(QProcess::MergedChannels);
            p.start(PostgresServer::binFolder() + "/" + program, QStringList{"-h", server->socketFolder()} + arguments);
            p.write(input.toUtf8());
            p.closeWriteChannel();
            return p.waitForFinished(30000) && p.exitCode() == 0 ? QString() : QString::fromLocal8Bit(p.readAll());
        };
        const auto psql = [&](const QString &script) {
            return run("psql", {"-X", "-v", "ON_ERROR_STOP=1", "-U", PostgresServer::superuser, "-d", "postgres"}, script);
        };
        QCOMPARE(psql(sql[0]), QString());
        const RegisterLocation asOwner = server->location("vaporin", "vaporin_owner");
        const Run made = runTool({"--register", asOwner.toString(), "verify"});
        QVERIFY2(made.exitCode == 0, qPrintable(made.out + made.err));
        QCOMPARE(psql(sql[1]), QString());

        const std::unique_ptr<CycleRegister> station = openRegister(server->location("vaporin", "vaporin_station"));
        QVERIFY2(station->isOpen(), qPrintable(station->errorString()));
        Cycle c = cycle("A", 1, "2024-03-01T08:00:00");
        QCOMPARE(station->enter(c).outcome, CycleRegister::Outcome::Entered);
        Cycle next = cycle("A", 2, "2024-03-02T08:00:00");
        QCOMPARE(station->enter(next).outcome, CycleRegister::Outcome::Entered);
        AuditEvent write;
        write.kind = QStringLiteral("program write");
        QVERIFY(station->appendEvent(write));
        // A release from any station, and a later one.
        for (const Release::Decision decision : {Release::Decision::Quarantined, Release::Decision::Rejected}) {
            Release r;
            r.cycleId = c.id;
            r.operatorName = QStringLiteral("A. Meier");
            r.decision = decision;
            QVERIFY2(station->enterRelease(r), qPrintable(station->errorString()));
        }
        QVERIFY(CycleVerifier::verifyRegister(*station).intact());
        for (const char *change : {"UPDATE cycles SET status = 'x'", "DELETE FROM events", "DROP TABLE events",
                                   "CREATE TABLE notes (t TEXT)", "UPDATE releases SET decision = 'released'",
                                   "DELETE FROM verdicts"}) {
            QSqlQuery query(station->database());
            QVERIFY2(!query.exec(change), change);
            QVERIFY2(query.lastError().text().contains("permission denied") || query.lastError().text().contains("must be owner"),
                     qPrintable(query.lastError().text()));
        }

        // The backup, restored into a new database, verifies.
        const QString dump = dir->filePath("vaporin.dump");
        QCOMPARE(run("pg_dump", {"--username=vaporin_owner", "--format=custom", "--file=" + dump, "vaporin"}), QString());
        QCOMPARE(run("createdb", {"--username=postgres", "--owner=vaporin_owner", "vaporin_restored"}), QString());
        QCOMPARE(run("pg_restore", {"--username=vaporin_owner", "--dbname=vaporin_restored", dump}), QString());
        const std::unique_ptr<CycleRegister> restored = openRegister(server->location("vaporin_restored", "vaporin_owner"));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*restored);
        QVERIFY2(report.intact() && report.entries == 2, qPrintable(problems(report).join(' ') + report.error));
    }
};

int main(int argc, char *argv[])
{
    IsolatedUser user; // the settings and data folder of the test and the tool it runs
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "60000");
    QCoreApplication app(argc, argv);
    StationSettings::nameApplication();
    TestRegisterPostgres test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_registerpostgres.moc"
