#include "app/texts.h"
#include "device/communicationmanager.h"
#include "device/programmemory.h"
#include "tools/regulon-sim/regulonsim.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using CM = CommunicationManager;
using Program = CM::Program;

namespace {

const QString readFailed = QStringLiteral(
    "Could not read from device. Please try with connecting another USB cable. If the error persists try to do a "
    "restart of the controller.");
const QString wentWrong = QString::fromLatin1(textSomethingWrong);

// The protocol object on a simulated controller's serial line, with the real
// worker on short pauses. What reaches the windows is written down in order.
class Station : public QObject
{
public:
    explicit Station(bool polling)
    {
        QVERIFY2(sim.plugIn(dir.filePath(QStringLiteral("port"))), qPrintable(sim.errorString()));
        SlaveThread::Timing t;
        t.answerGapMs = 100;
        t.pauseMs = 20;
        manager.worker().setTiming(t);
        manager.setRestartHandler([this] { events << QStringLiteral("restart"); });
        connect(&manager, &CM::gotPrograms, this, [this](const QList<Program> &programs) {
            read = programs;
            events << QStringLiteral("programs %1").arg(programs.size());
        });
        connect(&manager, &CM::programsReadFailed, this,
                [this](const QString &message) { events << QStringLiteral("read failed: ") + message; });
        connect(&manager, &CM::updateProgressBar, this,
                [this](int step) { events << QStringLiteral("step %1").arg(step); });
        connect(&manager, &CM::programUpdated, this, [this](bool isSuccess, const QString &message) {
            events << QStringLiteral("updated %1 %2").arg(isSuccess).arg(message);
        });
        connect(&manager, &CM::gotProgramStatus, this, [this](CM::ProgramStatus status, const QString &message) {
            events << QStringLiteral("status %1 %2").arg(status).arg(message);
        });
        manager.changePort(sim.linkPath());
        if (polling)
            manager.startPolling();
    }

    // The programs of a good read, once its version request is answered too;
    // empty if the read failed.
    QList<Program> readPrograms()
    {
        QSignalSpy programs(&manager, &CM::gotPrograms);
        QSignalSpy version(&manager, &CM::gotVersion);
        manager.requestPrograms();
        if (!programs.wait(10000) || (read.size() == 6 && !version.wait(5000)))
            return {};
        events.clear();
        return read;
    }

    // Commands the controller got apart from the periodic queries. An
    // identity request handed over last marks the end: whatever the manager
    // handed over before it has been sent by then.
    QStringList handedOver()
    {
        QSignalSpy info(&manager, &CM::gotInfo);
        manager.getInfo();
        info.wait(5000);
        QStringList commands;
        for (const QString &c : sim.receivedCommands()) {
            if (!QStringList{"GET_TEMP\n", "GET_DIGI\n", "GET_STAT\n", "GET_INFO\n"}.contains(c))
                commands << c;
        }
        return commands;
    }

    QTemporaryDir dir;
    RegulonSim sim;
    CM manager;
    QStringList events;
    QList<Program> read;
};

QStringList steps(int last)
{
    QStringList events;
    for (int step = 0; step <= last; ++step)
        events << QStringLiteral("step %1").arg(step);
    return events;
}

// Program 2 as the editor leaves it: read from the controller, then changed.
Program edited(const Program &readBack)
{
    Program p = readBack;
    p.name = QStringLiteral("Glassware 125");
    p.steps = {{0, 3, 105.0}, {0, 12, 125.5}, {0, 10, 110.0}, {0, 1, 79.9}, {0, 2, 70.0}, {0, 65535, 60.0}};
    return p;
}

QStringList writeLines(const Program &p)
{
    return {QStringLiteral("PUT_EEPROM\n"), ProgramMemory::nameRecordLine(p), ProgramMemory::stepRecordLine(p, 1),
            ProgramMemory::stepRecordLine(p, 2), ProgramMemory::stepRecordLine(p, 3), ProgramMemory::endOfFileLine()};
}

} // namespace

class TestProgramTransfer : public QObject
{
    Q_OBJECT

private slots:
    void readGivesTheSixProgramsThenAsksForTheVersionOnce()
    {
        Station station(true);
        const QList<Program> programs = station.readPrograms();
        QCOMPARE(programs.size(), 6);
        const QList<Program> stored = station.sim.programs();
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(programs.at(k).name, stored.at(k).name);
            QCOMPARE(programs.at(k).steps, stored.at(k).steps);
            QCOMPARE(programs.at(k).recordHeaders, stored.at(k).recordHeaders);
        }
        QCOMPARE(station.handedOver(), (QStringList{QStringLiteral("GET_EEPR\n"), QStringLiteral("GET_VERSION\n")}));
    }

    // The count of failed reads lives as long as the station: only the first
    // three failures are ever repeated silently.
    void corruptedReadsAreRepeatedThenReported_data()
    {
        QTest::addColumn<QList<int>>("corrupted"); // per request: reads sent with a bad checksum
        QTest::addColumn<QList<int>>("reads");     // per request: reads it took
        QTest::addColumn<QStringList>("events");
        const QStringList reported{QStringLiteral("read failed: ") + readFailed, QStringLiteral("programs 0")};
        const QStringList six{QStringLiteral("programs 6")};
        QTest::newRow("four in a row, then one") << QList<int>{4, 1, 0} << QList<int>{4, 1, 1}
                                                 << reported + reported + six;
        QTest::newRow("three, then one") << QList<int>{3, 1} << QList<int>{4, 1} << six + reported;
    }
    void corruptedReadsAreRepeatedThenReported()
    {
        QFETCH(QList<int>, corrupted);
        QFETCH(QList<int>, reads);
        Station station(false);
        QList<int> took;
        for (int n : corrupted) {
            if (n > 0)
                station.sim.corruptChecksum(12, n);
            const int before = station.sim.receivedCommands().count(QStringLiteral("GET_EEPR\n"));
            station.manager.requestPrograms();
            QTRY_VERIFY_WITH_TIMEOUT(station.events.filter(QStringLiteral("programs")).size() == took.size() + 1, 10000);
            took << station.sim.receivedCommands().count(QStringLiteral("GET_EEPR\n")) - before;
        }
        QCOMPARE(took, reads);
        QTEST(station.events, "events");
        // Only a good read asks for the version.
        QCOMPARE(station.handedOver().count(QStringLiteral("GET_VERSION\n")),
                 station.events.count(QStringLiteral("programs 6")));
    }

    void writeIsAcknowledgedStepByStep_data()
    {
        QTest::addColumn<QString>("faultAtStep3"); // "refuse", "ignore" or none
        QTest::addColumn<bool>("rereadAtStep5");
        QTest::addColumn<QStringList>("events");
        const QStringList done = steps(5) + QStringList{"updated 1 "};
        QTest::newRow("whole write") << QString() << false << done;
        // As the editor does: the read goes out before the end record.
        QTest::newRow("read handed over before the end record") << QString() << true << done;
        QTest::newRow("wrong acknowledgement of step record 2")
            << "refuse" << false << steps(3) + QStringList{"updated 0 " + wentWrong};
        QTest::newRow("no acknowledgement of step record 2")
            << "ignore" << false << steps(3) + QStringList{"updated 0 " + QString::fromLatin1(textTimeout)};
    }
    void writeIsAcknowledgedStepByStep()
    {
        QFETCH(QString, faultAtStep3);
        QFETCH(bool, rereadAtStep5);
        QFETCH(QStringList, events);
        Station station(true);
        const Program program = edited(station.readPrograms().value(1));
        QVERIFY(!program.recordHeaders[0].isEmpty());
        if (faultAtStep3 == QLatin1String("refuse"))
            station.sim.refuseWriteStep(3);
        else if (faultAtStep3 == QLatin1String("ignore"))
            station.sim.ignoreWriteStep(3);
        if (rereadAtStep5) {
            connect(&station.manager, &CM::updateProgressBar, &station.manager, [&](int step) {
                if (step == 5)
                    station.manager.requestPrograms();
            });
        }
        station.sim.clearReceivedCommands();
        station.manager.writeProgram(program, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!station.events.filter(QStringLiteral("updated")).isEmpty(), 10000);
        if (rereadAtStep5) {
            QTRY_VERIFY_WITH_TIMEOUT(station.events.contains(QStringLiteral("programs 6")), 5000);
            station.events.removeAll(QStringLiteral("programs 6"));
        }
        QCOMPARE(station.events, events);

        QStringList lines = writeLines(program).mid(0, events.size() - 1); // one a step
        if (rereadAtStep5)
            lines = lines.mid(0, 5) + QStringList{"GET_EEPR\n", lines.last(), "GET_VERSION\n"};
        QCOMPARE(station.handedOver(), lines);
        // What was acknowledged stays written.
        const Program readBack = station.readPrograms().value(1);
        QCOMPARE(readBack.name, program.name);
        if (faultAtStep3.isEmpty())
            QCOMPARE(readBack.steps, program.steps);
    }

    void programTheImageCannotHoldIsNeverSent_data()
    {
        QTest::addColumn<Program>("program");
        const Program base = edited(Program());
        Program p = base;
        p.recordHeaders = {QStringLiteral("20002000"), QStringLiteral("20014000"), QStringLiteral("20016000"),
                           QStringLiteral("20018000")};
        QTest::newRow("not read from the controller") << base;
        Program q = p;
        q.steps[2].minutes = 65536;
        QTest::newRow("minutes above 65535") << q;
        q = p;
        while (q.steps.size() < 16)
            q.steps << CM::ProgramStep{0, 1, 100.0};
        QTest::newRow("16 steps") << q;
    }
    void programTheImageCannotHoldIsNeverSent()
    {
        QFETCH(Program, program);
        Station station(false);
        const QString reason = ProgramMemory::encodeRefusal(program);
        QVERIFY(!reason.isEmpty());
        station.manager.writeProgram(program, 0);
        QCOMPARE(station.events, QStringList{"updated 0 " + reason});
        QCOMPARE(station.handedOver(), QStringList{});
    }

    void failuresOfReadAndWrite_data()
    {
        QTest::addColumn<bool>("portMissing");
        QTest::addColumn<QString>("operation"); // "read", "read twice" or "write"
        QTest::addColumn<QStringList>("events");
        const QString cantConnect = QStringLiteral("Can't connect to the regulon");
        QTest::newRow("read, port cannot be opened") << true << "read" << QStringList{"status 5 " + wentWrong};
        QTest::newRow("write, port cannot be opened") << true << "write"
                                                      << QStringList{"step 0", "updated 0 " + wentWrong};
        QTest::newRow("read without answer restarts")
            << false << "read" << QStringList{"status 5 " + cantConnect, "restart"};
        QTest::newRow("second read without answer does not")
            << false << "read twice" << QStringList{"status 5 " + cantConnect, "restart"};
    }
    void failuresOfReadAndWrite()
    {
        QFETCH(bool, portMissing);
        QFETCH(QString, operation);
        QFETCH(QStringList, events);
        Station station(false);
        const Program program = edited(station.readPrograms().value(1));
        QVERIFY(!program.recordHeaders[0].isEmpty());
        if (portMissing)
            station.manager.changePort(station.dir.filePath(QStringLiteral("missing")));
        else
            station.sim.setSilent(true);
        for (int i = 0; i < (operation == QLatin1String("read twice") ? 2 : 1); ++i) {
            if (operation == QLatin1String("write"))
                station.manager.writeProgram(program, 0);
            else
                station.manager.requestPrograms();
            QTRY_VERIFY_WITH_TIMEOUT(!station.manager.worker().isRunning(), 5000);
            QCoreApplication::processEvents(); // the worker's last outcome
        }
        QCOMPARE(station.events, events);
    }
};

QTEST_GUILESS_MAIN(TestProgramTransfer)
#include "tst_programtransfer.moc"
