// The cycle register on a PostgreSQL server that the test starts itself:
// the register's own work there, many writers at once, moving a register
// file onto the server, the records tool, and the set-up the README gives a
// clinic's IT.

#include "app/stationsettings.h"
#include "register/cyclehash.h"
#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/registerschema.h"
#include "register/registertransfer.h"
#include "register/sha256.h"
#include "register/sqldialect.h"
#include "tests/isolateduser.h"
#include "tests/postgresserver.h"
#include "tests/registertestdata.h"

#include <QElapsedTimer>
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

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

using Problem = CycleVerifier::Problem;
using RegisterTestData::problems;
using Settings = QMap<QString, QString>;

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

// A TCP port on this computer that takes connections and never answers,
// like a server that hangs.
struct SilentServer {
    SilentServer()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr *>(&address), size) == 0 && listen(fd, 4) == 0
            && getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size) == 0)
            port = ntohs(address.sin_port);
    }
    ~SilentServer() { ::close(fd); }
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    int port = 0;
};

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

    void locations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown"); // toString(), or a part of the error
        QTest::addColumn<QStringList>("fields"); // path or host, port, database, user, options

        QTest::newRow("file") << "/var/lib/clinic/register.sqlite" << "/var/lib/clinic/register.sqlite"
                              << QStringList{"/var/lib/clinic/register.sqlite"};
        QTest::newRow("server") << "postgresql://vaporin_station@db.clinic.lan:5433/vaporin?sslmode=verify-full"
                                << "postgresql://vaporin_station@db.clinic.lan:5433/vaporin?sslmode=verify-full"
                                << QStringList{"db.clinic.lan", "5433", "vaporin", "vaporin_station", "sslmode=verify-full"};
        QTest::newRow("socket folder as a parameter")
            << "postgres://tester@/test_1?host=/tmp/pg-x&port=5432" << "postgresql://tester@:5432/test_1?host=/tmp/pg-x"
            << QStringList{"/tmp/pg-x", "5432", "test_1", "tester", ""};
        QTest::newRow("socket folder as the host") << "postgresql://%2Fvar%2Frun%2Fpostgresql/vaporin"
                                                   << "postgresql:///vaporin?host=/var/run/postgresql"
                                                   << QStringList{"/var/run/postgresql", "0", "vaporin", "", ""};
        QTest::newRow("encoded names") << "postgresql://Schwester%20A@h/Praxis%C3%BC%3F"
                                       << "postgresql://Schwester%20A@h/Praxis%C3%BC%3F"
                                       << QStringList{"h", "0", "Praxis\u00fc?", "Schwester A", ""};
        QTest::newRow("password") << "postgresql://nurse:secret@h/db" << "holds a password" << QStringList();
        QTest::newRow("password parameter") << "postgresql://h/db?password=secret" << "holds a password"
                                            << QStringList();
        QTest::newRow("port too large") << "postgresql://h:65536/db" << "port 65536" << QStringList();
        QTest::newRow("parameter without value") << "postgresql://h/db?sslmode" << "no name=value" << QStringList();
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
        if (!location.isServer()) {
            QCOMPARE(location.path(), fields[0]);
            return;
        }
        QStringList options;
        for (auto it = location.options().cbegin(); it != location.options().cend(); ++it)
            options << it.key() + "=" + it.value();
        QCOMPARE((QStringList{location.host(), QString::number(location.port()), location.database(), location.user(),
                              options.join('&')}),
                 fields);
    }

    void settings_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QString>("expected"); // toString(), or a part of the error

        QTest::newRow("nothing set") << Settings() << CycleRegister::defaultPath();
        QTest::newRow("a server") << Settings{{"register/driver", " PostgreSQL"}, {"register/host", "h"},
                                              {"register/port", "5433"}, {"register_path", "/srv/r.sqlite"}}
                                  << "postgresql://h:5433";
        QTest::newRow("another driver") << Settings{{"register/driver", "mysql"}} << "must be sqlite or postgresql";
        QTest::newRow("no port") << Settings{{"register/driver", "postgresql"}, {"register/port", "5432x"}}
                                 << "no port number";
    }
    void settings()
    {
        QFETCH(Settings, settings);
        QFETCH(QString, expected);
        StationSettings stationSettings;
        for (auto it = settings.cbegin(); it != settings.cend(); ++it)
            stationSettings.setValue(it.key(), it.value());
        const RegisterLocation location = stationSettings.registerLocation();
        QVERIFY2((location.isValid() ? location.toString() : location.errorString()).contains(expected),
                 qPrintable(location.toString() + location.errorString()));
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

    // A register of the first version gets the verdicts of its entries
    // when it is opened, by the band of the settings.
    void firstVersionGetsItsVerdictsOnTheServer()
    {
        const RegisterLocation firstVersion = server->createDatabase();
        {
            const std::unique_ptr<CycleRegister> older = openRegister(firstVersion);
            enterAll(*older, {cycle("A", 1, "2024-03-01T08:00:00")});
            for (const char *back : {"DROP TABLE outbox", "DROP TABLE release_heads", "DROP TABLE releases",
                                     "DROP TABLE verdicts",
                                     "DELETE FROM schema_migrations WHERE version > 1"})
                QVERIFY(exec(*older, back));
        }
        StationSettings().setVerdictBand({0.5, 2.0});
        const std::unique_ptr<CycleRegister> migrated = openRegister(firstVersion);
        QVERIFY(migrated->isOpen());
        QCOMPARE(migrated->cycle(1)->verdict->band.upperBand, 2.0);
        QVERIFY(CycleVerifier::verifyRegister(*migrated).intact());
    }

    void verificationFindsEditsOnTheServer_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing changed") << QStringList() << QStringList();
        QTest::newRow("status edited") << QStringList{"UPDATE cycles SET status = 'Successfully completed.' WHERE id = 2"}
                                       << QStringList{"EntryAltered:2"};
        QTest::newRow("samples damaged") << QStringList{"UPDATE cycle_samples SET samples = '\\x0102' WHERE cycle_id = 2"}
                                         << QStringList{"SamplesDamaged:2"};
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

    // A writer in the middle of extending controller A's chain holds up
    // A's other writers only.
    void aChainBeingExtendedHoldsUpOnlyItsController()
    {
        QVERIFY(freshRegister());
        const std::unique_ptr<CycleRegister> holder = openRegister(database);
        QVERIFY(exec(*holder, holder->dialect().beginWrite));
        QSqlQuery lock(holder->database());
        lock.prepare(holder->dialect().chainLock);
        lock.addBindValue(QStringLiteral("A"));
        QVERIFY(lock.exec());

        auto waiting = std::async(std::launch::async, [&] {
            CycleRegister own(QStringLiteral("waiting-%1").arg(++connections));
            Cycle c = cycle("A", 1, "2024-03-01T08:00:00");
            return own.open(database) ? own.enter(c).outcome : CycleRegister::Outcome::Failed;
        });
        QTRY_COMPARE(countRows(*store, "pg_locks WHERE locktype = 'advisory' AND NOT granted"), 1);
        Cycle other = cycle("B", 1, "2024-03-01T08:00:00");
        QCOMPARE(store->enter(other).outcome, CycleRegister::Outcome::Entered);
        QCOMPARE(waiting.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
        QVERIFY(exec(*holder, "ROLLBACK"));
        QCOMPARE(waiting.get(), CycleRegister::Outcome::Entered);
    }

    // A server that takes the connection and never answers fails the open
    // in seconds. (One that is not there at all: the central register tests.)
    void serverThatHangsFailsFast()
    {
        SilentServer silent;
        QVERIFY(silent.port);
        const RegisterLocation away = RegisterLocation::server(QStringLiteral("127.0.0.1"), silent.port, "vaporin", "station");
        QElapsedTimer timer;
        timer.start();
        CycleRegister reg(QStringLiteral("away"));
        QVERIFY(!reg.open(away));
        QVERIFY2(timer.elapsed() < 8000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY2(reg.errorString().contains("connect") && !reg.errorString().contains('\n'), qPrintable(reg.errorString()));
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

    // The records tool on the server, named by a URI or by the settings,
    // and a register file migrated onto it twice.
    void recordsToolOnTheServer()
    {
        QVERIFY(freshRegister());
        Cycle elsewhere = withLog(cycle("B", 1, "2024-03-01T09:00:00"));
        elsewhere.station = QStringLiteral("station-2");
        elsewhere.logPath = QStringLiteral("/home/station-2/logs/B_1.txt");
        enterAll(*store, {withLog(cycle("A", 1, "2024-03-01T08:00:00")), withLog(cycle("A", 2, "2024-03-02T08:00:00")),
                          elsewhere});
        const QString uri = database.toString();

        Run run = runTool({"--register", uri, "verify"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QCOMPARE(run.out, QString("Not checked here: 1 log file of other stations; verify on those stations checks them.\n"
                                  "Checked 3 entries of 2 controllers and 2 log files: intact.\n"));

        QVERIFY(exec(*store, "UPDATE cycles SET program_name = 'Program 2' WHERE id = 2"));
        StationSettings settings;
        for (const auto &[key, value] : {std::pair("register/driver", QString("postgresql")),
                                         std::pair("register/host", database.host()),
                                         std::pair("register/database", database.database()),
                                         std::pair("register/user", database.user())})
            settings.setValue(key, value);
        settings.sync();
        run = runTool({"verify"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.startsWith("ALTERED: entry 2 (controller A, cycle 2"), qPrintable(run.out));


        const QString file = dir->filePath("register.sqlite");
        enterAll(*openRegister(RegisterLocation::file(file)), {cycle("C", 1, "2024-03-01T08:00:00")});
        for (const QString &expected : {"Moved: 1\nAlready there: 0\nAudit events carried: 1\n",
                                        "Moved: 0\nAlready there: 1\nAudit events carried: 0\n"}) {
            run = runTool({"--register", file, "migrate", "--to", uri});
            QVERIFY2(run.exitCode == 0 && run.out.startsWith(expected), qPrintable(run.out + run.err));
        }
        QCOMPARE(store->count({}), 4);
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
