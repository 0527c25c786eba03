// Stations that keep one register on a PostgreSQL server the test starts
// itself: each enters into its own register file first and sends its outbox
// on; the server away at the start or stopped during a run loses and
// duplicates nothing; two stations record at once; the Records tab shows
// every controller, releases any station's cycle, and says when the server
// is away.

#include "app/stationsettings.h"
#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/operatoraccounts.h"
#include "register/packstore.h"
#include "register/packuses.h"
#include "register/registersender.h"
#include "register/registerwriter.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/postgresserver.h"
#include "tests/registertestdata.h"
#include "tests/simulatedlink.h"
#include "ui/cyclelistmodel.h"
#include "ui/mainwindow.h"
#include "ui/recordstab.h"
#include "ui/releasedialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// The station's settings for the register on the server.
void useServer(const RegisterLocation &server, const QString &logs)
{
    StationSettings settings;
    settings.clear();
    settings.setLogFolder(logs);
    settings.setValue("register/driver", "postgresql");
    settings.setValue("register/host", server.host());
    settings.setValue("register/database", server.database());
    settings.setValue("register/user", server.user());
}

// A station as a clinic runs it: the main window on a simulated controller's
// line, with the register the settings name. Program 1 takes 4.6 s here.
struct Station {
    std::unique_ptr<SimulatedLink> link;
    RegulonSim *sim = nullptr;
    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<MainWindow> window;

    ~Station()
    {
        window.reset();
        answerer.reset();
        link.reset();
    }

    // Connected and ready to start.
    bool open(const QString &serial)
    {
        link = std::make_unique<SimulatedLink>();
        SlaveThread::Timing t = link->manager.worker().timing();
        t.pollGapMs = 30;
        link->manager.worker().setTiming(t);
        sim = link->plugIn("regulon", serial);
        if (!sim)
            return false;
        sim->setSpeed(300);
        answerer = std::make_unique<ModalAnswerer>();
        link->manager.changePort(link->port("regulon"));
        window = std::make_unique<MainWindow>(&link->manager);
        window->registerWriter()->sender()->setRetryInterval(200);
        window->show();
        return QTest::qWaitFor([&] { return child<QWidget>(*window, "buttonStart")->isEnabled(); }, 15000);
    }

    // Once the station takes a start again: after a run it first saves the
    // log, which takes longer while other stations run on the same cores.
    bool startRun()
    {
        auto *start = child<QWidget>(*window, "buttonStart");
        if (!QTest::qWaitFor([&] { return start->isEnabled() && !start->isHidden(); }, 30000))
            return false;
        answerer->answerBoxes({QMessageBox::Yes});
        QTest::mouseClick(start, Qt::LeftButton);
        return QTest::qWaitFor([&] { return !child<QWidget>(*window, "buttonStop")->isHidden(); }, 30000);
    }

    // Until the run has ended and the station has told so; bounds wide
    // enough for two stations at once under the sanitizers on two cores.
    bool runEnded(int runs)
    {
        return QTest::qWaitFor([&] { return answerer->titles().count("Success") == runs; }, 60000);
    }

    RecordsTab &recordsShown()
    {
        child<QTabWidget>(*window, "tabWidget")->setCurrentWidget(window->records()->parentWidget());
        return *window->records();
    }
};

// A station of its own, in a process of its own (its own home, settings,
// data folder and register file), that runs program 1 RUNS times on the
// controller CONTROLLER and ends once the server holds every run.
int stationOfItsOwn()
{
    useServer(RegisterLocation::parse(qEnvironmentVariable("CENTRAL_REGISTER")),
              QDir::home().filePath(QStringLiteral("logs")));
    Station station;
    if (!station.open(qEnvironmentVariable("CONTROLLER")))
        return 2;
    const int runs = qEnvironmentVariableIntValue("RUNS");
    for (int run = 1; run <= runs; ++run) {
        const bool started = station.startRun();
        if (!started || !station.runEnded(run)) {
            qWarning() << "run" << run << (started ? "never ended" : "never started") << "; boxes:" << station.answerer->titles();
            return 3;
        }
    }
    // Every run's entry made locally (the writer's turn) and then sent.
    const bool sent = QTest::qWaitFor(
        [&] {
            CycleRegister own(QStringLiteral("own"));
            return own.open(CycleRegister::defaultPath()) && own.count({}) == runs && own.outboxSize() == 0;
        },
        30000);
    return sent ? 0 : 4;
}

} // namespace

class TestCentralRegister : public QObject
{
    Q_OBJECT

    std::unique_ptr<PostgresServer> server;
    QTemporaryDir dir;
    RegisterLocation database; // a new one for each test function

    // The server holds these many entries of each controller, every chain
    // intact.
    void checkServer(const QMap<QString, int> &expected)
    {
        const std::unique_ptr<CycleRegister> central = openRegister(database);
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*central, CycleVerifier::Logs::None);
        QVERIFY2(report.intact(), qPrintable(RegisterTestData::problems(report).join(' ') + report.error));
        QMap<QString, int> entries;
        for (const Cycle &c : central->cycles({}, -1).value_or(QVector<Cycle>()))
            ++entries[c.controllerSerial];
        QCOMPARE(entries, expected);
    }

    // Sends the outbox of the register file with as many senders at once;
    // what they tell after their first attempts: the last one's.
    QVariantList sendOutbox(const QString &file, int count = 1)
    {
        std::vector<std::unique_ptr<RegisterSender>> senders;
        std::vector<std::unique_ptr<QSignalSpy>> states;
        for (int i = count; i > 0; --i) {
            senders.push_back(std::make_unique<RegisterSender>(file, database));
            states.push_back(std::make_unique<QSignalSpy>(senders.back().get(), &RegisterSender::stateChanged));
        }
        QVariantList told{-2, QDateTime(), "no answer"};
        for (const auto &state : states) {
            if (state->isEmpty() && !state->wait(20000))
                return QVariantList{-2, QDateTime(), "no answer"};
            told = state->first();
        }
        return told;
    }

    // Releases the tab's cycle in that row through the form; true once the
    // register holds the release.
    static bool releaseRow(RecordsTab &tab, int row)
    {
        QSignalSpy entered(&tab, &RecordsTab::releaseEntered);
        child<QTableView>(tab, "tableViewCycles")->setCurrentIndex(tab.cycleList()->index(row, 0));
        auto *release = child<QPushButton>(tab, "pushButtonRelease");
        if (!QTest::qWaitFor([&] { return release->isEnabled(); }, 5000))
            return false;
        release->click();
        auto *form = tab.findChild<ReleaseDialog *>();
        if (!form)
            return false;
        child<QComboBox>(*form, "comboBoxOperator")->setCurrentText("A. Meier");
        child<QPlainTextEdit>(*form, "plainTextEditComment")->setPlainText("BI pending");
        child<QDialogButtonBox>(*form, "buttons")->button(QDialogButtonBox::Save)->click();
        return entered.wait(15000);
    }

private slots:
    void initTestCase()
    {
        server = std::make_unique<PostgresServer>();
        QVERIFY2(server->isRunning(), qPrintable(server->errorString()));
    }
    void cleanupTestCase() { server.reset(); }
    void init()
    {
        QVERIFY2(server->restart(), qPrintable(server->errorString()));
        database = server->createDatabase();
        QDir(RunJournal::defaultFolder()).removeRecursively();
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(CycleRegister::defaultPath() + suffix);
    }

    // What a station's register holds for the server, sent by the sender:
    // once, also when it is sent again after the answer was lost, and not
    // at all when it was altered meanwhile.
    void outboxSendsEachItemOnce_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("reason"); // why sending fails; empty: it does not
        QTest::addColumn<int>("onTheServer"); // entries of controller A
        QTest::newRow("nothing") << "" << "" << 3;
        QTest::newRow("answer lost") << "answer lost" << "" << 3;
        // Two station windows on one computer, sharing its register.
        QTest::newRow("two senders at once") << "two senders" << "" << 3;
        QTest::newRow("entry altered in the station's register")
            << "UPDATE cycles SET status = 'Successfully completed!' WHERE id = 2" << "has been altered" << 1;
    }
    void outboxSendsEachItemOnce()
    {
        QFETCH(QString, meanwhile);
        QFETCH(QString, reason);
        QFETCH(int, onTheServer);
        const QString file = dir.filePath(QString("own-%1.sqlite").arg(QTest::currentDataTag()));
        const std::unique_ptr<CycleRegister> own = openRegister(RegisterLocation::file(file));
        own->setFillingOutbox(true);
        for (int n = 1; n <= 3; ++n) {
            Cycle c = RegisterTestData::cycle("A", n, RegisterTestData::localTime(QString("2026-12-0%1T08:00:00").arg(n)),
                                              RegisterTestData::run(3, quint32(n)));
            QCOMPARE(own->enter(c).outcome, CycleRegister::Outcome::Entered);
        }
        AuditEvent write;
        write.kind = "program write";
        write.controllerSerial = "A";
        QVERIFY(own->appendEvent(write));
        Release release;
        release.cycleId = 1;
        release.operatorName = "A. Meier";
        release.comment = "BI pending";
        QVERIFY2(own->enterRelease(release), qPrintable(own->errorString()));
        QCOMPARE(own->outboxSize(), 5); // the entries' and the release's own events go with them

        if (meanwhile.startsWith("UPDATE"))
            QVERIFY(QSqlQuery(own->database()).exec(meanwhile));
        const auto sendAll = [&] { return sendOutbox(file, meanwhile == "two senders" ? 2 : 1); };
        QVariantList told = sendAll();
        if (meanwhile == "answer lost") {
            // The server holds everything, the outbox has it all again.
            QVERIFY(QSqlQuery(own->database()).exec("INSERT INTO outbox (cycle_id) SELECT id FROM cycles"));
            QVERIFY(QSqlQuery(own->database()).exec("INSERT INTO outbox (event_id) SELECT id FROM events"
                                                    " WHERE kind = 'program write'"));
            QVERIFY(QSqlQuery(own->database()).exec("INSERT INTO outbox (release_id) SELECT id FROM releases"));
            told = sendAll();
        }
        QVERIFY2(told[2].toString().contains(reason), qPrintable(told[2].toString()));
        QCOMPARE(told[1].toDateTime().isValid(), !reason.isEmpty());
        QCOMPARE(told[0].toInt(), reason.isEmpty() ? 0 : 4); // entries 2 and 3, the event, the release
        checkServer({{"A", onTheServer}});
        const std::unique_ptr<CycleRegister> central = openRegister(database);
        QCOMPARE(countRows(*central, "events WHERE kind = 'cycle sent'"), onTheServer);
        QCOMPARE(countRows(*central, "events WHERE kind = 'program write'"), reason.isEmpty() ? 1 : 0);
        QCOMPARE(countRows(*central, "releases"), reason.isEmpty() ? 1 : 0);
        QCOMPARE(countRows(*central, "events WHERE kind = 'release'"), reason.isEmpty() ? 1 : 0);
    }

    // Accounts, pack types, packs and uses a station records in its own
    // register arrive once, after their cycle, as links of its chain there;
    // an erased reference is erased there too and never sent.
    void outboxSendsPacksAndAccountsOnce_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("reason"); // why sending fails; empty: it does not
        QTest::newRow("nothing") << "" << "";
        QTest::newRow("answer lost") << "answer lost" << "";
        QTest::newRow("erased after sending") << "erased after sending" << "";
        QTest::newRow("account renamed after sending") << "renamed after sending" << "";
        QTest::newRow("cycle and release from before the server") << "before the server" << "";
        QTest::newRow("pack altered in the station's register")
            << "UPDATE packs SET pack_type = 'Implant tray' WHERE pack_number = 2" << "does not match its hash";
    }
    void outboxSendsPacksAndAccountsOnce()
    {
        QFETCH(QString, meanwhile);
        QFETCH(QString, reason);
        const QString file = dir.filePath(QString("packs-%1.sqlite").arg(QTest::currentDataTag()));
        const std::unique_ptr<CycleRegister> own = openRegister(RegisterLocation::file(file));
        own->setFillingOutbox(meanwhile != "before the server");
        Cycle c = RegisterTestData::cycle("A", 7, RegisterTestData::localTime("2026-12-01T08:00:00"),
                                          RegisterTestData::run(3, 7));
        QCOMPARE(own->enter(c).outcome, CycleRegister::Outcome::Entered);
        QCOMPARE(RegisterTestData::releasedBySupervisor(*own, c.id), QString());
        own->setFillingOutbox(true);
        PackStore packStore(*own);
        QVERIFY2(packStore.setPackType({"Tray", 90}), qPrintable(packStore.errorString()));
        const std::optional<QVector<Pack>> packs = packStore.makePacks(c.id, 2, "Tray");
        QVERIFY2(packs, qPrintable(packStore.errorString()));
        PackUses uses(*own);
        PackUse kept{0, packs->at(0).code, 0, {}, "S. Chef", "K-7"};
        PackUse erased{0, packs->at(1).code, 0, {}, "S. Chef", "K-8"};
        for (PackUse *use : {&kept, &erased})
            QVERIFY2(uses.enter(*use), qPrintable(uses.errorString()));
        const auto erase = [&] { QVERIFY2(uses.eraseReference(erased.id, "S. Chef"), qPrintable(uses.errorString())); };
        if (meanwhile != "erased after sending")
            erase();
        if (meanwhile.startsWith("UPDATE"))
            QVERIFY(QSqlQuery(own->database()).exec(meanwhile));

        QVariantList told = sendOutbox(file);
        if (meanwhile == "answer lost") {
            QSqlQuery again(own->database());
            for (const char *statement : {"INSERT INTO outbox (cycle_id) SELECT id FROM cycles",
                                          "INSERT INTO outbox (release_id) SELECT id FROM releases",
                                          "INSERT INTO outbox (event_id) SELECT id FROM events",
                                          "INSERT INTO outbox (record_kind, record_id, record_key)"
                                          " SELECT 'operator', id, name FROM operators",
                                          "INSERT INTO outbox (record_kind, record_key) SELECT 'pack type', name FROM pack_types",
                                          "INSERT INTO outbox (record_kind, record_id) SELECT 'pack', id FROM packs",
                                          "INSERT INTO outbox (record_kind, record_id) SELECT 'use', id FROM pack_uses"})
                QVERIFY2(again.exec(statement), qPrintable(again.lastError().text()));
            told = sendOutbox(file);
        }
        const QString chef = meanwhile == "renamed after sending" ? "S. Chef-Meier" : "S. Chef";
        if (meanwhile.endsWith("after sending")) {
            QCOMPARE(told[2].toString(), QString());
            OperatorAccounts accounts(*own);
            OperatorAccount renamed = *accounts.account(1);
            renamed.name = chef;
            if (meanwhile == "erased after sending")
                erase();
            else
                QVERIFY2(accounts.change(renamed, {"S. Chef", "470815"}), qPrintable(accounts.errorString()));
            told = sendOutbox(file);
        }
        QVERIFY2(told[2].toString().contains(reason), qPrintable(told[2].toString()));
        const std::unique_ptr<CycleRegister> central = openRegister(database);
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*central, CycleVerifier::Logs::None);
        QVERIFY2(report.intact(), qPrintable(RegisterTestData::problems(report).join(' ') + report.error));
        if (!reason.isEmpty()) {
            // Nothing from the altered pack on: the use of pack 2 waits too.
            QCOMPARE(countRows(*central, "packs"), 1);
            QCOMPARE(countRows(*central, "pack_uses"), 0);
            QVERIFY(told[0].toInt() > 0);
            return;
        }
        QCOMPARE(told[0].toInt(), 0);
        QCOMPARE(countRows(*central, "cycles"), 1);
        QCOMPARE(countRows(*central, "releases WHERE decision = 'released'"), 1);
        // An account made before goes with migrate, not with the outbox.
        const bool accountSent = meanwhile != "before the server";
        QCOMPARE(countRows(*central, "operators"), accountSent ? 1 : 0);
        QCOMPARE(countRows(*central, "operators WHERE name = '" + chef + "' AND role = 'supervisor'"), accountSent ? 1 : 0);
        QCOMPARE(countRows(*central, "pack_types WHERE name = 'Tray' AND shelf_life_days = 90"), 1);
        QCOMPARE(countRows(*central, "packs"), 2);
        QCOMPARE(countRows(*central, "pack_uses"), 2);
        QCOMPARE(countRows(*central, "ledger WHERE kind IN ('pack', 'use')"), 4);
        QCOMPARE(countRows(*central, "events WHERE kind = 'packs labelled'"), 1);
        QCOMPARE(countRows(*central, "events WHERE kind = 'pack used'"), 2);
        QCOMPARE(countRows(*central, "events WHERE kind = 'reference erased'"), 1);
        QCOMPARE(countRows(*central, "pack_uses WHERE reference IS NULL"), 1);
        // Sent only while it was not erased yet, and erased there since.
        QCOMPARE(countRows(*central, "pack_uses WHERE reference = 'K-8' OR reference = 'K-7' AND code <> '"
                                         + packs->at(0).code + "'"),
                 0);
        QCOMPARE(countRows(*central, "events WHERE details LIKE '%K-8%'"), 0);
        // The server finds the reference's uses by its own key; its packs
        // and their uses follow the release there.
        const std::optional<QVector<PackUse>> found = PackUses(*central).usesOf("K-7");
        QVERIFY(found && found->size() == 1 && found->first().code == packs->at(0).code);
        QCOMPARE(PackUses(*central).lookUp(packs->at(1).code)->pack.uses, 1);
        QCOMPARE(OperatorAccounts(*central).signIn({chef, "470815"}).has_value(), accountSent);
    }

    // The server is away when the station starts, or stops during a run:
    // the run is recorded, waits in the station's register and arrives once
    // the server is back; meanwhile the Records tab says so and shows the
    // station's own register.
    void runsWaitWhileTheServerIsAway_data()
    {
        QTest::addColumn<bool>("awayAtTheStart");
        QTest::newRow("away when the station starts") << true;
        QTest::newRow("stopped during the run") << false;
    }
    void runsWaitWhileTheServerIsAway()
    {
        QFETCH(bool, awayAtTheStart);
        useServer(database, dir.filePath(QString("logs-%1").arg(awayAtTheStart)));
        if (awayAtTheStart)
            server->stop();
        Station station;
        QVERIFY(station.open("RG-A"));
        RecordsTab &tab = station.recordsShown();
        auto *line = child<QLabel>(tab, "labelCentralRegister");
        QVERIFY(station.startRun());
        if (!awayAtTheStart)
            server->stop();
        QVERIFY(station.runEnded(1));

        QTRY_VERIFY2_WITH_TIMEOUT(line->isVisible()
                                      && line->text().startsWith("Central register unreachable since ")
                                      && line->text().endsWith("; 1 entry waits to be sent. "
                                                               "Shown meanwhile: this station's own register."),
                                  qPrintable(line->text()), 10000);
        QTRY_COMPARE(tab.cycleList()->rowCount(), 1);
        // Released meanwhile: kept in the station's register, sent later.
        QVERIFY(releaseRow(tab, 0));

        QVERIFY(server->restart());
        QTRY_VERIFY_WITH_TIMEOUT(!line->isVisible(), 10000);
        checkServer({{"RG-A", 1}});
        QTRY_COMPARE(countRows(*openRegister(database), "releases"), 1);
        // The tab shows the server's register again.
        QTRY_COMPARE(tab.cycleList()->rowCount(), 1);
        QCOMPARE(tab.cycleList()->at(0).station, CycleRegister::station());
    }

    // Two stations, each with its own controller, data folder and register
    // file, record at the same time: every run arrives once, in its
    // controller's intact chain.
    void twoStationsRecordAtOnce()
    {
        // A desk's records window on the server, open while the stations run.
        RecordsTab desk(database, QString());
        desk.show();
        QVector<QProcess *> stations;
        for (const QString controller : {"RG-A", "RG-B"}) {
            auto *station = new QProcess(this);
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("CENTRAL_REGISTER", database.toString());
            environment.insert("CONTROLLER", controller);
            environment.insert("RUNS", "2");
            station->setProcessEnvironment(environment);
            station->setProcessChannelMode(QProcess::ForwardedChannels);
            station->start(QCoreApplication::applicationFilePath(), QStringList());
            stations << station;
        }
        for (QProcess *station : stations) {
            QVERIFY(station->waitForFinished(150000));
            QCOMPARE(station->exitCode(), 0);
        }
        checkServer({{"RG-A", 2}, {"RG-B", 2}});
        // Their runs reach the desk without a restart.
        QTRY_COMPARE_WITH_TIMEOUT(desk.cycleList()->rowCount(), 4, 10000);
    }

    // The tab on the server: every controller's cycles with the station
    // that entered each, filtered by controller. A desk's records window on
    // the server sees the entries and the station's release within seconds,
    // and the station the desk's, without a restart.
    void tabShowsEveryControllerOfTheServer()
    {
        const std::unique_ptr<CycleRegister> central = openRegister(database);
        std::unique_ptr<RecordsTab> stationTab;
        std::unique_ptr<RecordsTab> deskTab;
        int n = 0;
        for (const auto &[serial, station] : {std::pair("A", "desk-1"), std::pair("B", "desk-2"), std::pair("A", "desk-1")}) {
            if (n == 2) { // the last one entered while both are shown
                stationTab = std::make_unique<RecordsTab>(database, dir.filePath("station.sqlite"));
                deskTab = std::make_unique<RecordsTab>(database, QString());
                stationTab->show();
                deskTab->show();
                QTRY_COMPARE(deskTab->cycleList()->rowCount(), 2);
            }
            Cycle c = RegisterTestData::cycle(serial, ++n, RegisterTestData::localTime("2026-12-07T08:00:00").addSecs(n),
                                              RegisterTestData::run(1, 1));
            c.station = station;
            QCOMPARE(central->enter(c).outcome, CycleRegister::Outcome::Entered);
        }
        RecordsTab &tab = *stationTab;
        RecordsTab &desk = *deskTab;
        auto *controllers = child<QComboBox>(tab, "comboBoxControllerFilter");
        QTRY_COMPARE_WITH_TIMEOUT(controllers->count(), 3, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(tab.cycleList()->rowCount(), 3, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(desk.cycleList()->rowCount(), 3, 10000);
        QVERIFY(!child<QTableView>(tab, "tableViewCycles")->isColumnHidden(CycleListModel::Station));
        controllers->setCurrentIndex(controllers->findText("B"));
        QTRY_COMPARE(tab.cycleList()->rowCount(), 1);
        QCOMPARE(tab.cycleList()->data(tab.cycleList()->index(0, CycleListModel::Station)).toString(), "desk-2");
        QVERIFY(!child<QLabel>(tab, "labelCentralRegister")->isVisible());
        // Any station releases any station's cycle.
        QVERIFY(releaseRow(tab, 0));
        QCOMPARE(countRows(*central, "releases WHERE cycle_id = 2"), 1);
        QTRY_VERIFY_WITH_TIMEOUT(desk.cycleList()->at(1).latestRelease, 10000);
        // And the desk's release reaches the station's tab.
        controllers->setCurrentIndex(0);
        QTRY_COMPARE(tab.cycleList()->rowCount(), 3);
        QVERIFY(releaseRow(desk, 0));
        QTRY_VERIFY_WITH_TIMEOUT(tab.cycleList()->at(0).latestRelease, 10000);
    }

    void centralRegisterLine_data()
    {
        QTest::addColumn<QDateTime>("since");
        QTest::addColumn<int>("waiting");
        QTest::addColumn<bool>("showingOwn");
        QTest::addColumn<QString>("expected");
        const QDate today(2026, 12, 7);
        const QDateTime at(today, QTime(14, 2, 30));
        QTest::newRow("several, the server's list still shown")
            << at << 1200 << false << "Central register unreachable since 14:02; 1,200 entries wait to be sent.";
        QTest::newRow("nothing waits, since yesterday") << at.addDays(-1) << 0 << false
                                                        << "Central register unreachable since 2026-12-06 14:02; "
                                                           "nothing waits to be sent.";
    }
    void centralRegisterLine()
    {
        QFETCH(QDateTime, since);
        QFETCH(int, waiting);
        QFETCH(bool, showingOwn);
        QTEST(RecordsTab::centralRegisterLine(since, waiting, showingOwn, QDate(2026, 12, 7)), "expected");
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("CONTROLLER")) {
        IsolatedUser user;
        QApplication app(argc, argv);
        return stationOfItsOwn();
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    STATION_GUI_TEST_RUN(TestCentralRegister);
}

#include "tst_centralregister.moc"
