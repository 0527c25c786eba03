#include "app/texts.h"
#include "device/restartcommand.h"
#include "tests/simulatedlink.h"

#include <QApplication>
#include <QProcess>
#include <QtTest>

using CM = CommunicationManager;
using Program = CM::Program;

namespace {

const QString cantConnect = "Can't connect to the regulon";
const QString wentWrong = QString::fromLatin1(textSomethingWrong);
const QString timedOut = QString::fromLatin1(textTimeout);

// 32-byte data records at consecutive addresses, as in a controller's image.
QString header(int line) { return QString("20%1").arg(line * 0x20, 4, 16, QChar('0')).toUpper() + "00"; }

// A program of `steps` steps in the first slot; step i is at 100 + i
// degrees for i + 1 minutes.
Program program(int steps)
{
    Program p;
    p.name = "P";
    for (int i = 0; i < steps; ++i)
        p.steps << CM::ProgramStep{0, i + 1, 100.0 + i};
    p.recordHeaders = {header(0), header(7), header(8), header(9)};
    return p;
}

// A manager on simulated links; what it tells the windows (and its restarts)
// written down in order.
struct Station : SimulatedLink {
    QStringList events;
    QStringList nested; // outcomes delivered from inside the next report
    QList<Program> programs;

    Station()
    {
        manager.setRestartHandler([this] { note("restart"); });
        on(&CM::gotProgramStatus, [](CM::ProgramStatus s, QString m) { return QString("status %1 %2").arg(s).arg(m); });
        on(&CM::programError,
           [](QString title, QString m) { return "alarm [" + title + "] " + m.section('\n', 0, 0).section('.', 0, 0); });
        on(&CM::digiUpdate, [](CM::DigiStatus s) { return QString("digi %1").arg(s); });
        on(&CM::updateProgressBar, [](int step) { return QString("step %1").arg(step); });
        on(&CM::programUpdated, [](bool ok, QString m) { return QString("updated %1 %2").arg(ok).arg(m); });
        on(&CM::programsReadFailed, [](QString m) { return "read failed: " + m; });
        on(&CM::gotVersion, [](QString v) { return "version " + v; });
        on(&CM::getTempData, [](CM::TempData d) { return QString("temp %1 %2").arg(d.temperature).arg(d.fourthValue); });
        on(&CM::gotInfo, [](CM::Info i) { return QString("info %1 %2").arg(i.serialNumber).arg(i.cycleNumber); });
        on(&CM::gotPrograms, [this](QList<Program> read) {
            programs = read;
            return QString("programs %1").arg(read.size());
        });
        on(&CM::getRegulons, [](QMap<QString, QString> found) {
            QStringList entries;
            for (auto it = found.cbegin(); it != found.cend(); ++it)
                entries << QFileInfo(it.key()).fileName() + '=' + it.value();
            return "regulons " + entries.join(' ');
        });
    }

    template <typename... Args, typename Text>
    void on(void (CM::*signal)(Args...), Text text)
    {
        QObject::connect(&manager, signal, &manager, [this, text](Args... args) { note(text(args...)); });
    }

    void note(const QString &event)
    {
        events << event;
        play(std::exchange(nested, {}));
    }

    // The worker's outcomes as it delivers them: "a<id> <answer>" an answer,
    // "t<id>" no answer, "e<id>" a port failure, each with the request's
    // information after '|'; ">" puts one off into the next report. "write"
    // starts writing a program.
    void play(const QStringList &outcomes)
    {
        for (const QString &outcome : outcomes) {
            const QString info = outcome.section('|', 1);
            const QString answer = outcome.section('|', 0, 0).section(' ', 1);
            const int id = outcome.section(' ', 0, 0).section('|', 0, 0).mid(1).toInt();
            const char *slot = outcome.startsWith('a') ? "showRequest"
                : outcome.startsWith('t')              ? "processTimeout"
                                                       : "processError";
            if (outcome.startsWith('>'))
                nested << outcome.mid(1);
            else if (outcome == "write")
                manager.writeProgram(program(6), 0);
            else
                QMetaObject::invokeMethod(&manager, slot, Q_ARG(QString, answer), Q_ARG(int, id), Q_ARG(QString, info));
        }
    }
};

QStringList repeat(const QString &outcome, int times) { return QVector<QString>(times, outcome).toList(); }

// The correct acknowledgement of the write step that leads to `next` (-1 after the last).
QString ack(int next)
{
    const QString code = next == 1 ? "1" : next == -1 ? "0" : "20";
    return QString("a7 ACK_EEPROM %1\n|ACK_EEPROM %1;%2").arg(code).arg(next);
}

QStringList steps(int last, const QString &outcome)
{
    QStringList events;
    for (int step = 0; step <= last; ++step)
        events << QString("step %1").arg(step);
    return events << outcome;
}

} // namespace

class TestCommunicationManager : public QObject
{
    Q_OBJECT

private slots:
    void outcomesReachTheWindows_data()
    {
        QTest::addColumn<QStringList>("outcomes");
        QTest::addColumn<QStringList>("events");
        const auto row = [](const char *name, const QStringList &outcomes, const QStringList &events) {
            QTest::newRow(name) << outcomes << events;
        };
        const QStringList lost{"status 9 " + cantConnect, "restart"};
        row("run status", {"a6 DAT_STAT 1,60\n", "a6 DAT_STAT 1,0\n", "a6 DAT_STAT 1,12\n"}, {"status 8 ", "status 10 "});
        row("run status not an integer reads as a sensor fault", {"a6 DAT_STAT 1,60.0\n"}, {"status 10 "});
        row("run status without a comma or too large for an int",
            {"a6 DAT_STAT 60\n", "a6 DAT_STAT 1,4294967296\n", "a6 DAT_STAT 1,-2147483649\n"}, {});

        const QString digi = "a9 DAT_DIGI 00000000,%1,%2\n";
        const QString error = "alarm [Vaporin - Error] ";
        const QString notice = "alarm [Vaporin - Error ] "; // does not end a run
        row("finished at start-up; an alarm held, malformed, falling and rising again",
            {digi.arg("00000000", "00000040"), digi.arg("00010000", "00000040"), digi.arg("00010000", "00000040"),
             "a9 DAT_DIGI 00000000,00000000\n", digi.arg("00000000", "00000000"), digi.arg("00000000", "00000040")},
            {"digi 0", error + "The temperature sensor 1 is out of the allowed range", "digi 1", "digi 1", "digi 0",
             "alarm [Vaporin - Information] The program finished successfully", "digi 0"});
        row("answer during an alarm is not decoded",
            {">" + digi.arg("00000000", "00000010"), digi.arg("00000000", "00000022"), digi.arg("00000000", "00000010")},
            {notice + "A program is already running", error + "An error was occured", "digi 1",
             error + "The temperature is lower than the minimum allowed", "digi 1"});
        row("error flag of word 1 outside the summary, then its communication timeout",
            {"a9 DAT_DIGI 00000002,00000000,00000040\n", "a9 DAT_DIGI 00000006,00000000,02000040\n"},
            {error + "Error flag! STS_ERROR", "digi 0", error + "Communication timeout",
             notice + "The program has been stopped manually by user", "digi 1"});

        row("seven missed temperatures", repeat("t-1", 7), lost);
        row("any answer restarts the count", repeat("t-1", 6) + QStringList{"a9 x"} + repeat("t-1", 6), {});
        row("port failures count with missed answers", repeat("t-1", 3) + repeat("e6", 4), lost);
        row("port failure and timeout losses are separate", repeat("e-1", 14) + repeat("t-1", 14), lost + lost);
        row("other missed answers do not count", repeat("t9", 7) + repeat("t-2", 7) + repeat("e9", 7), {});
        row("unanswered start", {"t4", "t5"}, {"status 4 " + cantConnect, "restart"});
        row("unanswered stop during the report", {">t4", "t5"}, {"status 7 " + cantConnect, "restart"});
        row("unanswered start after a loss", repeat("t-1", 7) + QStringList{"t4"}, lost);
        row("start and stop that never reached the controller", {"e4", "e5"},
            {"status 4 The start was not sent: the controller cannot be reached. No program was started.",
             "status 7 The stop was not sent: the controller cannot be reached. The program goes on; press Stop "
             "again once the controller is back, or stop it at the controller."});
        row("program read, port failure", {"e3"}, {"status 5 " + wentWrong});
        row("program read unanswered", {"t3"}, {"status 5 " + cantConnect, "restart"});

        row("wrong acknowledgement, then outcomes of the ended write",
            {"write", "a7 ACK_EEPROM 20\n|ACK_EEPROM 1;1", ack(2), "e7"}, steps(0, "updated 0 " + wentWrong));
        row("acknowledgement after the time-out of its step", {"write", "t7|ACK_EEPROM 1;1", ack(1), "t7|ACK_EEPROM 1;1"},
            steps(0, "updated 0 " + timedOut));
        row("port failure of the awaited step, not of another request",
            {"write", "e-2", "e7|ACK_EEPROM 20;2", "e7|ACK_EEPROM 1;1", ack(1)}, steps(0, "updated 0 " + wentWrong));
        row("acknowledgement found within a longer answer", {"write", "a7 ACK_EEPROM 12\n|ACK_EEPROM 1;1"},
            {"step 0", "step 1"});
    }
    void outcomesReachTheWindows()
    {
        QFETCH(QStringList, outcomes);
        Station station;
        station.play(outcomes);
        QTEST(station.events, "events");
    }

    // A port that cannot be opened, stays silent or never falls silent is
    // skipped by the scan.
    void scanListsTheControllers()
    {
        Station station;
        SlaveThread::Timing t = station.manager.worker().timing();
        t.answerGapMs = 200; // longer than the pauses of the chatter, as the real gap is
        t.answerOverrunMs = 1000;
        station.manager.worker().setTiming(t);
        station.plugIn("a", "RG-1");
        station.plugIn("b", "RG-2")->setSilent(true);
        station.plugIn("c", "RG-3")->setChatter(50);
        station.plugIn("e", "RG-5");
        station.listPorts({"a", "b", "c", "d", "e"});
        station.manager.scanPorts();
        QTRY_VERIFY_WITH_TIMEOUT(!station.events.filter("regulons").isEmpty(), 10000);
        QCOMPARE(station.events, (QStringList{"info RG-1 0", "info RG-5 0", "regulons a=RG-1 e=RG-5"}));
    }

    // How long the worker waits for the first byte, measured on the line:
    // from the command's arrival at a silent controller to its outcome.
    void waitsForTheFirstByte_data()
    {
        QTest::addColumn<QStringList>("before"); // ports the scan asks first: "gone" cannot be opened
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("waitMs");
        QTest::newRow("scan, first port") << QStringList{} << "scan" << 1000;
        QTest::newRow("scan, after a port that cannot be opened") << QStringList{"gone"} << "scan" << 500;
        QTest::newRow("scan, after a silent port") << QStringList{"silent"} << "scan" << 2000;
        QTest::newRow("program read") << QStringList{} << "read" << 500;
    }
    void waitsForTheFirstByte()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, operation);
        QFETCH(int, waitMs);
        Station station;
        station.plugIn("silent", "RG-1")->setSilent(true);
        RegulonSim *measured = station.plugIn("measured", "RG-2");
        measured->setSilent(true);
        QElapsedTimer clock;
        clock.start();
        qint64 asked = -1;
        qint64 outcome = -1;
        QObject::connect(measured, &RegulonSim::commandReceived, measured, [&] { asked = clock.elapsed(); });
        const auto noteOutcome = [&] { outcome = clock.elapsed(); };
        if (operation == "scan") {
            QObject::connect(&station.manager, &CM::getRegulons, &station.manager, noteOutcome);
            station.listPorts(before + QStringList{"measured"});
            station.manager.scanPorts();
        } else {
            QObject::connect(&station.manager, &CM::gotProgramStatus, &station.manager, noteOutcome);
            station.manager.changePort(station.port("measured"));
            station.manager.requestPrograms();
        }
        QTRY_VERIFY_WITH_TIMEOUT(outcome >= 0, 10000);
        QVERIFY(asked >= 0);
        QVERIFY2(outcome - asked > waitMs - 50 && outcome - asked < waitMs + 400,
                 qPrintable(QString("waited %1 ms").arg(outcome - asked)));
    }

    // Polling a line that starts to talk on its own: every answer overruns
    // its bounds, counts as missed, and the connection is lost as usual.
    void connectedLineThatTurnsChattyIsLost()
    {
        Station station;
        SlaveThread::Timing t = station.manager.worker().timing();
        t.pollAnswerWaitMs = 200;
        t.answerOverrunMs = 200;
        station.manager.worker().setTiming(t);
        RegulonSim *sim = station.plugIn("port", "RG-1");
        station.manager.startPolling();
        station.manager.changePort(station.port("port"));
        QTRY_VERIFY(station.events.contains("digi 0"));
        sim->setChatter(50);
        QTRY_VERIFY_WITH_TIMEOUT(station.events.contains("restart"), 15000);
        QCOMPARE(station.events.filter("status").last(), "status 9 " + cantConnect);
    }

    // The toolkit takes its own options out of arguments(); a restart
    // passes them on all the same, and every other argument as given.
    void restartPassesTheCommandLineAsReceived()
    {
        const QStringList given{"-platform", "offscreen", "-style", "fusion", "-reverse", "two words", "-x"};
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PRINT_RESTART_COMMAND", "1");
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), given);
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);
        const QStringList printed = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
        QCOMPARE(printed.value(0), QCoreApplication::applicationFilePath());
        QCOMPARE(printed.value(1).split('\t'), given);
        QCOMPARE(printed.value(2), QString("two words\t-x")); // what the toolkit left
    }
};

// The restart command of a station started with this program's arguments:
// the program, the arguments passed on, and what the toolkit left in
// arguments(), one line each.
int printRestartCommand(int argc, char *argv[])
{
    keepCommandLine(argc, argv);
    QApplication app(argc, argv);
    const RestartCommand command = restartCommand();
    QTextStream(stdout) << command.program << '\n'
                        << command.arguments.join('\t') << '\n'
                        << QCoreApplication::arguments().mid(1).join('\t') << '\n';
    return 0;
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet("PRINT_RESTART_COMMAND"))
        return printRestartCommand(argc, argv);
    QCoreApplication app(argc, argv);
    TestCommunicationManager test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_communicationmanager.moc"
