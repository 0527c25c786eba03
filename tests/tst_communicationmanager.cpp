#include "app/texts.h"
#include "device/programmemory.h"
#include "device/restartcommand.h"
#include "tests/simulatedlink.h"

#include <QApplication>
#include <QProcess>
#include <QtTest>

using CM = CommunicationManager;
using Program = CM::Program;
using Steps = QList<CM::ProgramStep>;
using Result = ProgramMemory::DecodeResult;
using Edit = std::function<void(QStringList &)>;
namespace PM = ProgramMemory;

namespace {

const QString cantConnect = "Can't connect to the regulon";
const QString wentWrong = QString::fromLatin1(textSomethingWrong);
const QString timedOut = QString::fromLatin1(textTimeout);

// 32-byte data records at consecutive addresses, as in a controller's image.
QString header(int line) { return QString("20%1").arg(line * 0x20, 4, 16, QChar('0')).toUpper() + "00"; }

QString record(int line, const QString &data) { return ':' + header(line) + data + PM::hexChecksum(header(line) + data); }

// Program `slot` of an image; step i is at 100 + i degrees for i + 1 minutes.
Program program(int steps, const QString &name = "P", int slot = 0)
{
    Program p;
    p.name = name;
    for (int i = 0; i < steps; ++i)
        p.steps << CM::ProgramStep{0, i + 1, 100.0 + i};
    p.recordHeaders = {header(slot), header(7 + 3 * slot), header(8 + 3 * slot), header(9 + 3 * slot)};
    return p;
}

// The 65 lines of an image holding six programs ("Slot 0" of 2 steps first),
// changed by `edit` and joined by CR LF; the unused records carry
// command-like bytes, which the reader must ignore.
QString image(const Edit &edit)
{
    QStringList lines;
    for (int i = 0; i < 64; ++i)
        lines << record(i, QString("1404ba280014").repeated(6).left(64));
    for (int k = 0; k < 6; ++k) {
        const Program p = program(2 + k, QString("Slot %1").arg(k), k);
        lines[k] = PM::nameRecordLine(p).chopped(1);
        for (int r = 1; r <= 3; ++r)
            lines[6 + 3 * k + r] = PM::stepRecordLine(p, r).chopped(1);
    }
    lines << PM::endOfFileLine().chopped(1);
    edit(lines);
    return lines.join("\r\n");
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
    // and "refused" start writing a program that fits the image or not.
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
            else if (outcome == "write" || outcome == "refused")
                manager.writeProgram(program(outcome == "write" ? 6 : 16), 0);
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
        const QString refused = "status 4 Can't start the program.";
        row("temperatures", {"a-1 DAT_TEMP -5,+1,.5,-0.75\n", "a-1 dat_temp 20,1,2,3\n", "a-1 DAT_TEMP 121.5,0,0\n",
                             "a-1 DAT_TEMP 121.5,0,0,1.25\r\n"},
            {"temp -5 -0.75", "temp 20 3"});
        row("identity", {"a2 CON_INFO 12345678,42\n", "a2 CON_INFO 1 2,4\n"},
            {"info 12345678 42", "regulons ", "regulons "});
        row("version", {"a-2 REGULON FIRMWARE V 3.1.4 2021\n", "a8 ACK_STAR 0\n"}, {"version 3.1.4"});
        row("start answers", {"a4 ACK_STAR +0\n", "a4 ack_star -1\n", "a4 ACK_STAR 7\n", "a4 ACK_STAR 4294967296\n"},
            {"status 1 ", refused + " A program is running.", refused + " Controller code: 7",
             refused + " Controller code: 4294967296"});
        row("stop answers", {"a5 ACK_STOP 2\n", "a5 ACK_STOP 0\n", "a4 ACK_STOP 1\n"},
            {"status 6 ", "status 7 Can't stop the running program. Controller code: 0"});
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
        row("critical stop with sensor error, then sensor error alone",
            {digi.arg("00000000", "0C000000"), digi.arg("00000000", "08000000"), digi.arg("00000000", "08000002")},
            {error + "The program was stopped because a critical error detected", error + "Error in temperature sensor",
             "digi 0", "digi 0", error + "An error was occured", error + "Error in temperature sensor", "digi 1"});
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
            {"status 4 " + cantConnect, "status 7 " + cantConnect});
        row("program read, port failure", {"e3"}, {"status 5 " + wentWrong});
        row("program read unanswered", {"t3"}, {"status 5 " + cantConnect, "restart"});

        row("wrong acknowledgement, then outcomes of the ended write",
            {"write", "a7 ACK_EEPROM 20\n|ACK_EEPROM 1;1", ack(2), "e7"}, steps(0, "updated 0 " + wentWrong));
        row("acknowledgement after the time-out of its step", {"write", "t7|ACK_EEPROM 1;1", ack(1), "t7|ACK_EEPROM 1;1"},
            steps(0, "updated 0 " + timedOut));
        row("outcomes without a write", {ack(1), "t7|ACK_EEPROM 1;1", "e7"}, {});
        row("port failure of the awaited step, not of another request",
            {"write", "e-2", "e7|ACK_EEPROM 20;2", "e7|ACK_EEPROM 1;1", ack(1)}, steps(0, "updated 0 " + wentWrong));
        row("acknowledgement found within a longer answer", {"write", "a7 ACK_EEPROM 12\n|ACK_EEPROM 1;1"},
            {"step 0", "step 1"});
        row("new write abandons the one in progress", {"write", ack(1), "write", ack(2), ack(1)},
            {"step 0", "step 1", "step 0", "step 1"});
        row("refused write leaves the one in progress alone", {"write", ack(1), "refused", ack(2)},
            {"step 0", "step 1", "updated 0 " + PM::encodeRefusal(program(16)), "step 2"});
    }
    void outcomesReachTheWindows()
    {
        QFETCH(QStringList, outcomes);
        Station station;
        station.play(outcomes);
        QTEST(station.events, "events");
    }

    // REGULON_SERIAL_PORTS lists the ports to scan. A port that cannot be
    // opened, stays silent or never falls silent is skipped.
    void scanListsTheControllers()
    {
        Station station;
        qputenv("REGULON_SERIAL_PORTS", ":/tmp/c::/tmp/a:");
        QCOMPARE(CM::availablePorts(), (QStringList{"/tmp/c", "/tmp/a"}));
        station.listPorts({});
        station.manager.scanPorts(); // reports at once
        QCOMPARE(station.events, QStringList{"regulons "});

        SlaveThread::Timing t = station.manager.worker().timing();
        t.answerGapMs = 200; // longer than the pauses of the chatter, as the real gap is
        t.answerOverrunMs = 1000;
        station.manager.worker().setTiming(t);
        station.events.clear();
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

    // Corrupted images are read again three times in the station's life,
    // silently; only a good read asks for the version. (Writes over the line
    // are tested with the editor.)
    void corruptedImagesAreReadAgainThreeTimesInAll()
    {
        Station station;
        RegulonSim *sim = station.plugIn("port", "RG-1");
        station.manager.changePort(station.port("port"));
        for (const int corrupted : {4, 1, 0}) {
            const int before = station.events.size();
            if (corrupted)
                sim->corruptChecksum(12, corrupted);
            station.manager.requestPrograms();
            QTRY_COMPARE_WITH_TIMEOUT(station.events.size(), before + 2, 10000);
        }
        const QStringList reported{"read failed: Could not read from device. Please try with connecting another USB "
                                   "cable. If the error persists try to do a restart of the controller.",
                                   "programs 0"};
        QCOMPARE(station.events, reported + reported + QStringList({"programs 6", "version 2.4.1"}));
        QCOMPARE(sim->receivedCommands(), repeat("GET_EEPR\n", 6) + QStringList{"GET_VERSION\n"});
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

    void recordTexts_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("record"); // 0 the name record
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("expected");
        Program example = program(0, "Program A");
        example.steps = {{0, 20, 121.0}, {0, 5, 60.0}};
        QTest::newRow("worked example: name") << example << 0 << 0
            << ":2000000050726f6772616d20410000000000000000000000050100000000000000000000A1\n";
        QTest::newRow("worked example: steps") << example << 1 << 0
            << ":2000E0001404ba2800141402582800053C000000000000000000000000000000000000001B\n";
        // Positions count from the first data digit.
        QTest::newRow("5 steps: end byte starts record 2") << program(5) << 2 << 9 << "3C00";
        QTest::newRow("6 steps: record 2 continues the sixth") << program(6) << 2 << 9 << "1a2800063C00";
        QTest::newRow("10 steps: end byte starts record 3") << program(10) << 3 << 9 << "3C00";
        QTest::newRow("11 steps: record 3 continues the eleventh") << program(11) << 3 << 9 << "000b3C00";
        QTest::newRow("15 steps: no end byte") << program(15) << 3 << 49 << "14047428000f000000000000";
    }
    void recordTexts()
    {
        QFETCH(Program, program);
        QFETCH(int, record);
        QFETCH(int, position);
        QFETCH(QString, expected);
        const QString line = record == 0 ? PM::nameRecordLine(program) : PM::stepRecordLine(program, record);
        QCOMPARE(line.mid(position, expected.size()), expected);
    }

    // What the first program reads as; nothing from a rejected image.
    void decodesOnlyTrimmedCheckedLines_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<Steps>("steps");
        const auto ok = [](const char *tag, const Edit &edit, const QString &name, const Steps &steps) {
            QTest::newRow(tag) << image(edit) << int(Result::Ok) << -1 << name << steps;
        };
        const auto bad = [](const char *tag, const Edit &edit, int line) {
            QTest::newRow(tag) << image(edit) << int(line < 0 ? Result::WrongSize : Result::ChecksumMismatch)
                               << line << QString() << Steps();
        };
        const Steps two = program(2).steps;
        ok("bare line feed after the end record", [](QStringList &l) { l.last() += '\n'; }, "Slot 0", two);
        ok("white space around every line", [](QStringList &l) {
            for (QString &line : l)
                line = " \t" + line + "  ";
        }, "Slot 0", two);
        ok("name from 32 bytes at most", [](QStringList &l) { l[0] = record(0, QString("41").repeated(40)); },
           QString(32, 'A'), two);
        ok("short step record lends no checksum digits", [](QStringList &l) {
            l[7] = record(7, "1404ba280014");
            l[8] = record(8, QString("140258280005").leftJustified(64, '0'));
        }, "Slot 0", {{0, 20, 121.0}, {0, 5, 60.0}});
        bad("64 lines", [](QStringList &l) { l.removeAt(30); }, -1);
        bad("CR LF after the end record", [](QStringList &l) { l.append(QString()); }, -1);
        bad("lower-case checksum", [](QStringList &l) {
            l[0] = ":2000000050726f6772616d20410000000000000000000000050100000000000000000000a1";
        }, 0);
        bad("a changed digit", [](QStringList &l) { l[40].replace(20, 1, l[40][20] == '0' ? '1' : '0'); }, 40);
        bad("not hex", [](QStringList &l) { l[12] = ":2000xx00" + QString(66, '0'); }, 12);
        bad("no record", [](QStringList &l) { l[3] = ":"; }, 3);
    }
    void decodesOnlyTrimmedCheckedLines()
    {
        QFETCH(QString, image);
        const Result result = PM::decode(image);
        QTEST(int(result.outcome), "outcome");
        QTEST(result.line, "line");
        QTEST(result.programs.value(0).name, "name");
        QTEST(result.programs.value(0).steps, "steps");
    }

    void refusesWhatCannotBeStored_data()
    {
        QTest::addColumn<Program>("program");
        QTest::addColumn<QString>("reason"); // a part of it; empty when writable
        const auto step = [](int minutes, double temperature) {
            Program p = program(1, "Instruments 134C 4mn");
            p.steps << CM::ProgramStep{0, minutes, temperature};
            return p;
        };
        Program largest = step(65535, 6553.5);
        largest.steps += program(13).steps;
        QTest::newRow("largest program fits") << largest << QString();
        QTest::newRow("65536 minutes") << step(65536, 121) << "Step 2: the time must be between 0 and 65535 minutes";
        QTest::newRow("6553.6 degrees") << step(1, 6553.6) << "Step 2: the temperature must be between 0 and 6553.5 °C";
        QTest::newRow("16 steps") << program(16) << "at most 15 steps";
        QTest::newRow("21-character name") << program(1, "Instruments 134C 4min") << "longer than 20";
        Program p = program(1);
        p.recordHeaders[2] = "2000E00";
        QTest::newRow("short record header") << p << "not read completely";
    }
    void refusesWhatCannotBeStored()
    {
        QFETCH(Program, program);
        QFETCH(QString, reason);
        const QString refusal = PM::encodeRefusal(program);
        QVERIFY2(reason.isEmpty() ? refusal.isEmpty() : refusal.contains(reason), qPrintable(refusal));
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
