// The cycle register on a PostgreSQL server that the test starts itself:
// the register's own work there, many writers at once, moving a register
// file onto the server, the records tool, and the set-up the README gives a
// clinic's IT.

#include "app/stationsettings.h"
#include "register/cyclehash.h"
#include "register/cycleregister.h"
#include "register/cyclerow.h"
#include "register/cycleverifier.h"
#include "register/operatoraccounts.h"
#include "register/packstore.h"
#include "register/packuses.h"
#include "register/pinhash.h"
#include "register/registerschema.h"
#include "register/registertransfer.h"
#include "register/releasesigning.h"
#include "register/sqldialect.h"
#include "register/sha256.h"
#include "tests/isolateduser.h"
#include "tests/postgresserver.h"
#include "tests/registeredits.h"
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

    // A new database as the migrations up to the version made it, open on
    // the connection "previous", which the caller removes.
    void previousVersion(int version)
    {
        database = server->createDatabase();
        QSqlDatabase db = database.addDatabase("previous");
        QVERIFY(db.open());
        QCOMPARE(RegisterTestData::migrateTo(db, version), QString());
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

    // The search's SQL on the server: a release's lot in any case, with
    // "%" meaning itself, and the current release's operator and decision.
    void searchFindsReleasesOnTheServer()
    {
        QVERIFY(freshRegister());
        QVector<Cycle> cycles{cycle("A", 1, "2024-03-05T14:07:09"), cycle("A", 2, "2024-03-06T08:00:00")};
        for (const CycleRegister::EnterResult &r : store->enter(cycles))
            QVERIFY2(r.outcome == CycleRegister::Outcome::Entered, qPrintable(r.error));
        for (const auto &[name, decision] : {std::pair("A. Meier", Release::Decision::Quarantined),
                                             std::pair("B. Huber", Release::Decision::Released)}) {
            Release r;
            r.cycleId = cycles[0].id;
            r.operatorName = QString::fromLatin1(name);
            r.decision = decision;
            r.lot = QStringLiteral("LOT-4711");
            r.comment = QStringLiteral("BI negative");
            QVERIFY2(store->enterRelease(r), qPrintable(store->errorString()));
        }
        using F = CycleRegister::Filter;
        for (const auto &[filter, found] :
             {std::pair(F{{}, {}, {}, {}, {}, "lot-4711"}, 1), std::pair(F{{}, {}, {}, {}, {}, "lot%4711"}, 0),
              std::pair(F{{}, {}, {}, {}, {}, {}, false, "B. Huber"}, 1),
              std::pair(F{{}, {}, {}, {}, {}, {}, false, "A. Meier"}, 0),
              std::pair(F{{}, {}, {}, {}, {}, {}, false, {}, Release::Decision::Released}, 1)}) {
            const auto listed = store->cycles(filter, 100);
            QVERIFY2(listed, qPrintable(store->errorString()));
            QCOMPARE(listed->size(), found);
            QCOMPARE(store->count(filter), std::optional<int>(found));
        }
        QCOMPARE(store->operators(), std::optional(QStringList{"A. Meier", "B. Huber"}));
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

    // A register file's accounts, pack types, packs and uses onto a server
    // that has an account of the same name, changed later there: each once,
    // the server's newer account kept, an erased reference never carried.
    void migrationCarriesPacksOnce()
    {
        QVERIFY(freshRegister());
        const QString file = dir->filePath("station/register.sqlite");
        const std::unique_ptr<CycleRegister> local = openRegister(RegisterLocation::file(file));
        Cycle c = cycle("A", 5, "2024-03-01T08:00:00");
        QCOMPARE(local->enter(c).outcome, CycleRegister::Outcome::Entered);
        QCOMPARE(RegisterTestData::releasedBySupervisor(*local, c.id), QString());
        OperatorAccounts accounts(*local);
        OperatorAccount meier{0, "A. Meier", "AM"};
        QVERIFY2(accounts.add(meier, "123456", {"S. Chef", "470815"}), qPrintable(accounts.errorString()));
        PackStore packStore(*local);
        QVERIFY(packStore.setPackType({"Tray", 90}));
        const std::optional<QVector<Pack>> packs = packStore.makePacks(c.id, 3, "Tray");
        QVERIFY2(packs, qPrintable(packStore.errorString()));
        PackUses uses(*local);
        PackUse kept{0, packs->at(0).code, 0, {}, "A. Meier", "K-7"};
        PackUse erased{0, packs->at(1).code, 0, {}, "A. Meier", "K-8"};
        PackUse unknown{0, "RG9-0001-01", 0, {}, "A. Meier", "K-9"};
        for (PackUse *use : {&kept, &erased, &unknown}) {
            use->comment = "checked"; // the test's packs expired long ago
            QVERIFY2(uses.enter(*use), qPrintable(uses.errorString()));
        }
        QVERIFY2(uses.eraseReference(erased.id, "S. Chef"), qPrintable(uses.errorString()));
        // The server's own S. Chef, made after the file's.
        OperatorAccounts central(*store, [] { return QDateTime::currentDateTime().addDays(1); });
        OperatorAccount serverChef{0, "s. chef", "CH"};
        QVERIFY2(central.add(serverChef, "999999", {}), qPrintable(central.errorString()));

        const RegisterTransfer::Result first = RegisterTransfer::transfer(*local, *store);
        QVERIFY2(first.error.isEmpty() && first.refused.isEmpty(), qPrintable(first.error));
        QCOMPARE((QVector<int>{first.accounts, first.accountsPresent, first.packTypes, first.packs, first.packsPresent,
                               first.uses, first.usesPresent}),
                 (QVector<int>{1, 1, 1, 3, 0, 3, 0}));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ') + report.error));
        QCOMPARE(countRows(*store, "operators WHERE initials = 'CH'"), 1);
        QVERIFY(OperatorAccounts(*store).signIn({"A. Meier", "123456"}));
        QCOMPARE(countRows(*store, "ledger WHERE kind = 'pack' AND chain = 'A'"), 3);
        QCOMPARE(countRows(*store, "ledger WHERE kind = 'use' AND chain = 'A'"), 2);
        QCOMPARE(countRows(*store, "pack_uses WHERE reference = 'K-8' OR reference IS NULL AND code <> '"
                                       + packs->at(1).code + "'"),
                 0);
        QCOMPARE(PackUses(*store).usesOf("K-9")->size(), 1);
        QCOMPARE(PackUses(*store).recallList(store->cycles({}, -1)->first().id)->at(0).uses.size(), 1);

        const auto counts = [&] {
            return QVector<qint64>{countRows(*store, "operators"), countRows(*store, "packs"),
                                   countRows(*store, "pack_uses"), countRows(*store, "ledger"),
                                   countRows(*store, "events")};
        };
        const QVector<qint64> before = counts();
        const RegisterTransfer::Result second = RegisterTransfer::transfer(*local, *store);
        QVERIFY2(second.error.isEmpty(), qPrintable(second.error));
        QCOMPARE((QVector<int>{second.accounts, second.accountsPresent, second.packTypes, second.packs,
                               second.packsPresent, second.uses, second.usesPresent}),
                 (QVector<int>{0, 2, 0, 0, 3, 0, 3}));
        QCOMPARE(counts(), before);
    }

    // The edits of RegisterEdits, made on the server as its owner.
    void everyEditIsCaught_data() { RegisterEdits::addRows(); }
    void everyEditIsCaught()
    {
        QVERIFY(freshRegister());
        RegisterEdits::check(*store);
    }

    // A server's register of the version before the ledger, with the rights
    // the earlier guide gave the stations (UPDATE on the heads) and one a
    // DBA gave by mistake: the upgrade takes them back, keeps the right to
    // add, links what was there, and the server keeps the heads from then on.
    void upgradeTakesBackTheStationsRights()
    {
        previousVersion(4);
        if (QTest::currentTestFailed())
            return;
        {
            QSqlQuery query(QSqlDatabase::database("previous"));
            QVERIFY(server->exec("CREATE ROLE old_station LOGIN"));
            for (const QString &grant : {QStringLiteral("GRANT SELECT, INSERT ON ALL TABLES IN SCHEMA public TO old_station"),
                                         QStringLiteral("ALTER DEFAULT PRIVILEGES IN SCHEMA public"
                                                        " GRANT SELECT, INSERT ON TABLES TO old_station"),
                                         QStringLiteral("GRANT UPDATE ON chain_heads, release_heads, cycles TO old_station")})
                QVERIFY2(query.exec(grant), qPrintable(query.lastError().text()));
        }
        QSqlDatabase::removeDatabase("previous");
        const std::unique_ptr<CycleRegister> owner = openRegister(database);
        QVERIFY2(owner->isOpen(), qPrintable(owner->errorString()));
        const std::unique_ptr<CycleRegister> station =
            openRegister(server->location(owner->database().databaseName(), "old_station"));
        QVERIFY2(station->isOpen(), qPrintable(station->errorString()));
        Cycle c = cycle("A", 1, "2024-03-01T08:00:00");
        QCOMPARE(station->enter(c).outcome, CycleRegister::Outcome::Entered);
        for (const char *change : {"UPDATE chain_heads SET chain_seq = 5", "UPDATE release_heads SET seq = 5",
                                   "UPDATE cycles SET status = 'x'", "INSERT INTO schema_migrations VALUES (99, 0)"}) {
            QSqlQuery query(station->database());
            QVERIFY2(!query.exec(change), change);
            QVERIFY2(query.lastError().text().contains("permission denied"), qPrintable(query.lastError().text()));
        }
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*station);
        QVERIFY2(report.intact() && report.entries == 1, qPrintable(problems(report).join(' ') + report.error));
    }

    // A register of the version before account histories, whose station
    // was given UPDATE on whole tables, and on an account's name: the
    // upgrade leaves it only the columns a station changes; the account
    // made before begins its history and verifies.
    void upgradeNarrowsTheStationsUpdates()
    {
        previousVersion(13);
        if (QTest::currentTestFailed())
            return;
        {
            QSqlQuery query(QSqlDatabase::database("previous"));
            QCOMPARE(RegisterTestData::earlierAccount(QSqlDatabase::database("previous"), PinHash::make("470815")),
                     QString());
            QVERIFY(server->exec("CREATE ROLE older_station LOGIN"));
            for (const char *grant : {"GRANT SELECT, INSERT ON ALL TABLES IN SCHEMA public TO older_station",
                                      "ALTER DEFAULT PRIVILEGES IN SCHEMA public GRANT SELECT, INSERT ON TABLES TO"
                                      " older_station",
                                      "GRANT UPDATE ON pack_types, pack_uses TO older_station",
                                      "GRANT UPDATE (name, initials, failed_pins, locked_until_utc) ON operators TO"
                                      " older_station"})
                QVERIFY2(query.exec(grant), qPrintable(query.lastError().text()));
        }
        QSqlDatabase::removeDatabase("previous");
        const std::unique_ptr<CycleRegister> owner = openRegister(database);
        QVERIFY2(owner->isOpen(), qPrintable(owner->errorString()));
        const std::unique_ptr<CycleRegister> station =
            openRegister(server->location(owner->database().databaseName(), "older_station"));
        QVERIFY2(station->isOpen(), qPrintable(station->errorString()));
        for (const char *change : {"UPDATE operators SET name = 'x'", "UPDATE operators SET initials = 'x'",
                                   "UPDATE pack_types SET name = 'x'", "UPDATE pack_uses SET operator_name = 'x'"}) {
            QSqlQuery query(station->database());
            QVERIFY2(!query.exec(change), change);
            QVERIFY2(query.lastError().text().contains("permission denied"), qPrintable(query.lastError().text()));
        }
        // What the station changes still works.
        OperatorAccounts accounts(*station);
        QVERIFY(!accounts.signIn({"S. Chef", "000000"}));
        QCOMPARE(accounts.account(1)->failedPins, 1);
        std::optional<OperatorAccount> chef = accounts.signIn({"S. Chef", "470815"});
        QVERIFY2(chef && chef->failedPins == 1, qPrintable(accounts.errorString()));
        QCOMPARE(accounts.account(1)->failedPins, 0);
        chef->initials = "SCH";
        QVERIFY2(accounts.change(*chef, {"S. Chef", "470815"}), qPrintable(accounts.errorString()));
        PackStore packStore(*station);
        for (const int days : {90, 120})
            QVERIFY2(packStore.setPackType({"Tray", days}), qPrintable(packStore.errorString()));
        PackUses uses(*station);
        PackUse use{0, "X-1", 0, {}, "S. Chef", "K-1"};
        use.comment = "label torn";
        QVERIFY2(uses.enter(use), qPrintable(uses.errorString()));
        QVERIFY2(uses.eraseReference(use.id, "S. Chef"), qPrintable(uses.errorString()));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*station);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ') + report.error));
        QCOMPARE(countRows(*station, "operator_changes"), 2);
        QCOMPARE(countRows(*station, "ledger WHERE kind = 'account'"), 2);
    }

    // Two migrate runs at once, as separate processes, from one station's
    // register: each entry, release and event arrives once.
    void twoMigrateRunsAddEachRecordOnce()
    {
        QVERIFY(freshRegister());
        const QString file = dir->filePath("station/register.sqlite");
        {
            const std::unique_ptr<CycleRegister> local = openRegister(RegisterLocation::file(file));
            QVector<Cycle> cycles;
            for (int n = 1; n <= 30; ++n)
                cycles << cycle("A", n, QStringLiteral("2024-03-01T08:%1:00").arg(n, 2, 10, QLatin1Char('0')));
            enterAll(*local, cycles);
            for (qint64 id = 1; id <= 30; ++id) {
                Release r;
                r.cycleId = id;
                r.operatorName = QStringLiteral("A. Meier");
                r.decision = Release::Decision::Quarantined;
                QVERIFY(local->enterRelease(r));
                AuditEvent write{0, {}, {}, {}, "program write", "A", 0, QStringLiteral("{\"n\":%1}").arg(id), {}};
                QVERIFY(local->appendEvent(write));
            }
        }
        QProcess runs[2];
        for (QProcess &p : runs)
            p.start(QStringLiteral(RECORDS_TOOL_PATH), {"--register", file, "migrate", "--to", database.toString()});
        for (QProcess &p : runs) {
            QVERIFY(p.waitForFinished(60000));
            QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        }
        QCOMPARE(countRows(*store, "cycles"), 30);
        QCOMPARE(countRows(*store, "releases"), 30);
        // Each entry's and release's own event, the program writes, and
        // the server's "cycle migrated" for each entry.
        QCOMPARE(countRows(*store, "events WHERE kind = 'program write'"), 30);
        QCOMPARE(countRows(*store, "events WHERE kind = 'release'"), 30);
        QCOMPARE(countRows(*store, "events"), 30 + 30 + 30 + 30);
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*store);
        QVERIFY2(report.intact(), qPrintable(problems(report).join(' ') + report.error));
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
        // The README's first station is this computer.
        QCOMPARE(psql(QString(sql[1]).replace("'op1-pc'", "'" + CycleRegister::station() + "'")), QString());

        std::unique_ptr<CycleRegister> station = openRegister(server->location("vaporin", "vaporin_op1"));
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
        // What changes in place with the README's few columns to change: an
        // account's wrong PINs, a pack type's shelf life, an erased
        // reference; an account's other changes, packs and uses are added.
        OperatorAccounts accounts(*station);
        OperatorAccount chef{0, QStringLiteral("S. Chef"), QStringLiteral("SC")};
        QVERIFY2(accounts.add(chef, QStringLiteral("470815"), {}), qPrintable(accounts.errorString()));
        QVERIFY(!accounts.signIn({"S. Chef", "000000"}));
        QCOMPARE(accounts.account(chef.id)->failedPins, 1);
        chef.initials = QStringLiteral("SCH");
        QVERIFY2(accounts.change(chef, {"S. Chef", "470815"}), qPrintable(accounts.errorString()));
        QVERIFY2(accounts.resetPin(chef.id, QStringLiteral("470815"), {"S. Chef", "470815"}),
                 qPrintable(accounts.errorString()));
        QCOMPARE(accounts.account(chef.id)->initials, QString("SCH"));
        PackStore packStore(*station);
        for (const int days : {90, 120})
            QVERIFY2(packStore.setPackType({QStringLiteral("Tray"), days}), qPrintable(packStore.errorString()));
        Release released;
        released.cycleId = next.id;
        released.operatorName = QStringLiteral("S. Chef");
        released.decision = Release::Decision::Released;
        released.comment = QStringLiteral("BI negative");
        QString error;
        QVERIFY2(ReleaseSigning::enter(*station, released, QStringLiteral("470815"), &error), qPrintable(error));
        const std::optional<QVector<Pack>> packs = packStore.makePacks(next.id, 2, QStringLiteral("Tray"));
        QVERIFY2(packs, qPrintable(packStore.errorString()));
        PackUses uses(*station);
        PackUse use{0, packs->at(0).code, 0, {}, QStringLiteral("S. Chef"), QStringLiteral("K-7")};
        use.comment = QStringLiteral("kept sealed");
        QVERIFY2(uses.enter(use), qPrintable(uses.errorString()));
        QVERIFY2(uses.eraseReference(use.id, QStringLiteral("S. Chef")), qPrintable(uses.errorString()));
        QVERIFY(CycleVerifier::verifyRegister(*station).intact());
        const auto refused = [](CycleRegister &reg) {
            for (const char *change :
                 {"UPDATE packs SET pack_type = 'x'", "DELETE FROM packs", "UPDATE pack_uses SET operator_name = 'x'",
                  "DELETE FROM pack_uses", "UPDATE pack_types SET name = 'x'", "DELETE FROM operators",
                  "UPDATE cycles SET status = 'x'", "DELETE FROM events", "DROP TABLE events", "CREATE TABLE notes (t TEXT)",
                  "UPDATE releases SET decision = 'released'", "DELETE FROM verdicts", "DELETE FROM ledger",
                  "INSERT INTO schema_migrations VALUES (99, 0)", "DELETE FROM schema_migrations",
                  "UPDATE chain_heads SET chain_seq = 1", "DELETE FROM chain_heads",
                  "INSERT INTO chain_heads VALUES ('Z', 1, '')", "UPDATE release_heads SET seq = 1",
                  "UPDATE ledger_heads SET seq = 1", "INSERT INTO ledger_heads VALUES ('Z', 1, '')",
                  "UPDATE station_roles SET station = 'x'", "INSERT INTO station_roles VALUES ('vaporin_op2', 'x')",
                  "UPDATE operators SET role = 'operator'", "UPDATE operators SET pin_hash = 'x'",
                  "UPDATE operators SET record_hash = 'x'", "DELETE FROM operator_changes",
                  "UPDATE operator_changes SET active = 0", "UPDATE pack_uses SET reference = 'K-1'"}) {
                QSqlQuery query(reg.database());
                QVERIFY2(!query.exec(change), change);
                QVERIFY2(query.lastError().text().contains("permission denied")
                             || query.lastError().text().contains("must be owner")
                             || query.lastError().text().contains("only erased"),
                         qPrintable(query.lastError().text()));
            }
        };
        refused(*station);
        // Under another station's name: refused, entries and events alike.
        Cycle elsewhere = cycle("B", 1, "2024-03-03T08:00:00");
        elsewhere.station = QStringLiteral("op2-pc");
        const CycleRegister::EnterResult claimed = station->enter(elsewhere);
        QCOMPARE(claimed.outcome, CycleRegister::Outcome::Failed);
        QVERIFY2(claimed.error.contains("op2-pc"), qPrintable(claimed.error));
        AuditEvent foreign;
        foreign.kind = QStringLiteral("program write");
        foreign.station = QStringLiteral("op2-pc");
        QVERIFY(!station->appendEvent(foreign));
        QCOMPARE(countRows(*station, "cycles WHERE entered_by = 'vaporin_op1'"), 2);
        QCOMPARE(countRows(*station, "events WHERE entered_by <> 'vaporin_op1'"), 0);
        station.reset();

        // The backup and the restore as the README gives them: the restored
        // register verifies and keeps who may connect and what stations may do.
        const QString dump = dir->filePath("vaporin.dump");
        QCOMPARE(run("pg_dump", {"--username=vaporin_owner", "--format=custom", "--file=" + dump, "vaporin"}), QString());
        QCOMPARE(psql("DROP DATABASE vaporin WITH (FORCE)"), QString());
        QCOMPARE(run("pg_restore", {"--username=postgres", "--create", "--dbname=postgres", dump}), QString());
        const std::unique_ptr<CycleRegister> restored = openRegister(server->location("vaporin", "vaporin_owner"));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*restored);
        QVERIFY2(report.intact() && report.entries == 2, qPrintable(problems(report).join(' ') + report.error));
        QCOMPARE(psql("CREATE ROLE stranger LOGIN"), QString());
        const QString stranger = run("psql", {"-X", "-U", "stranger", "-d", "vaporin", "-c", "SELECT 1"});
        QVERIFY2(stranger.contains("permission denied for database"), qPrintable(stranger));
        station = openRegister(server->location("vaporin", "vaporin_op1"));
        refused(*station);
        Cycle after = cycle("A", 3, "2024-03-04T08:00:00");
        QCOMPARE(station->enter(after).outcome, CycleRegister::Outcome::Entered);
        QVERIFY(CycleVerifier::verifyRegister(*station).intact());
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
