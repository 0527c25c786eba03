#include "device/programmemory.h"
#include "tools/regulon-sim/chambermodel.h"
#include "tools/regulon-sim/factoryprograms.h"
#include "tools/regulon-sim/regulonsim.h"
#include "tools/regulon-sim/simconsole.h"

#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

CommunicationManager::Program program(std::initializer_list<std::pair<double, int>> steps)
{
    return FactoryPrograms::program(QStringLiteral("Test"), steps);
}

// Sends one command line and returns what comes back before the line has
// been silent for 50 ms (empty when nothing comes within 300 ms).
QString ask(QSerialPort &port, const QString &command)
{
    port.write(command.toLatin1());
    port.waitForBytesWritten(1000);
    QByteArray answer;
    if (port.waitForReadyRead(300)) {
        answer = port.readAll();
        while (port.waitForReadyRead(50))
            answer += port.readAll();
    }
    return QString::fromLatin1(answer.constData(), answer.size());
}

const QString ackPut = QStringLiteral("ACK_EEPROM 1\n");
const QString ackRecord = QStringLiteral("ACK_EEPROM 20\n");
const QString ackEnd = QStringLiteral("ACK_EEPROM 0\n");
const QString refused = QStringLiteral("ACK_EEPROM -1\n");

// Eleven steps at the temperature, so that all three step records change.
CommunicationManager::Program elevenSteps(const QString &name, double temperature)
{
    CommunicationManager::Program p = FactoryPrograms::program(name, {});
    for (int i = 0; i < 11; ++i)
        p.steps.append({0, 7, temperature});
    return p;
}

// The six lines of a write of program slot 2 (image lines 1 and 10 to 12).
QStringList writeOfSecondSlot(const RegulonSim &sim, const QString &name, double temperature)
{
    CommunicationManager::Program p = elevenSteps(name, temperature);
    p.recordHeaders = sim.programs().at(1).recordHeaders;
    return {QStringLiteral("PUT_EEPROM\n"), ProgramMemory::nameRecordLine(p), ProgramMemory::stepRecordLine(p, 1),
            ProgramMemory::stepRecordLine(p, 2), ProgramMemory::stepRecordLine(p, 3), ProgramMemory::endOfFileLine()};
}

QStringList imageLines(const RegulonSim &sim)
{
    return QString::fromLatin1(sim.programImage()).split(QStringLiteral("\r\n"));
}

QList<int> changedLines(const QStringList &before, const QStringList &after)
{
    QList<int> changed;
    for (int i = 0; i < before.size(); ++i)
        if (before.at(i) != after.value(i))
            changed.append(i);
    return changed;
}

} // namespace

Q_DECLARE_METATYPE(ChamberModel::Phase)

class TestRegulonSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void chamberFollowsTheProgram_data();
    void chamberFollowsTheProgram();
    void programRunsToItsEndOnAFastClock();
    void consoleLinesChangeTheAnswers_data();
    void consoleLinesChangeTheAnswers();
    void malformedConsoleLinesAreRefused_data();
    void malformedConsoleLinesAreRefused();
    void factoryImageHoldsTheFactoryPrograms();
    void readsCarryTheCorruptionAskedFor_data();
    void readsCarryTheCorruptionAskedFor();
    void writeReplacesTheRecordsItAcknowledges_data();
    void writeReplacesTheRecordsItAcknowledges();
    void recordsOutsideAWriteOrDamagedAreRefused();
    void imageFileKeepsWritesAcrossRuns();

private:
    QTemporaryDir dir;
    std::unique_ptr<RegulonSim> sim;
    std::unique_ptr<QSerialPort> port;
};

void TestRegulonSim::init()
{
    sim = std::make_unique<RegulonSim>();
    QVERIFY2(sim->plugIn(dir.filePath(QStringLiteral("port"))), qPrintable(sim->errorString()));
    port = std::make_unique<QSerialPort>(sim->linkPath());
    QVERIFY(port->open(QIODevice::ReadWrite));
}

void TestRegulonSim::cleanup()
{
    port.reset();
    sim.reset();
}

void TestRegulonSim::chamberFollowsTheProgram_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<ChamberModel::Phase>("phase");
    QTest::addColumn<double>("temperature");

    // 120 °C for 10 minutes, then 100 °C for 5 minutes, from 20 °C.
    using P = ChamberModel::Phase;
    QTest::newRow("heats 10 degrees a minute") << 60.0 << P::Heating << 30.0;
    QTest::newRow("reaches the step temperature") << 610.0 << P::Holding << 120.0;
    QTest::newRow("holds it for the step's minutes") << 1199.0 << P::Holding << 120.0;
    QTest::newRow("ramps to the next step") << 1260.0 << P::Heating << 110.0;
    QTest::newRow("finishes after the last hold") << 1630.0 << P::Finished << 20.0 + 80.0 * std::exp(-10.0 / 600.0);
    QTest::newRow("cools toward the room afterwards") << 2220.0 << P::Finished << 20.0 + 80.0 * std::exp(-1.0);
}

void TestRegulonSim::chamberFollowsTheProgram()
{
    QFETCH(double, seconds);
    QFETCH(ChamberModel::Phase, phase);
    QFETCH(double, temperature);

    // One large step must end where many small ones do.
    ChamberModel once;
    ChamberModel stepwise;
    for (ChamberModel *model : {&once, &stepwise})
        model->start(program({{120.0, 10}, {100.0, 5}}));
    once.advance(seconds);
    for (double t = 0; t < seconds; t += 0.5)
        stepwise.advance(std::min(0.5, seconds - t));

    for (const ChamberModel *model : {&once, &stepwise}) {
        QCOMPARE(model->phase(), phase);
        QVERIFY2(std::abs(model->temperature() - temperature) < 1e-6, qPrintable(QString::number(model->temperature())));
    }
}

void TestRegulonSim::programRunsToItsEndOnAFastClock()
{
    QVERIFY(sim->setPrograms({program({{30.0, 1}})}));
    sim->setSpeed(600.0); // heating and holding take 0.2 s
    sim->setFirmwareVersion(QStringLiteral("9.8.7"));
    QCOMPARE(ask(*port, QStringLiteral("GET_VERSION\n")).mid(19, 5), QStringLiteral("9.8.7"));

    QCOMPARE(ask(*port, QStringLiteral("CMD_STAR 2\n")), QStringLiteral("ACK_STAR -4\n"));
    QCOMPARE(ask(*port, QStringLiteral("CMD_STAR 1\n")), QStringLiteral("ACK_STAR 0\n"));
    QCOMPARE(ask(*port, QStringLiteral("CMD_STAR 1\n")), QStringLiteral("ACK_STAR -1\n"));
    QTRY_COMPARE_WITH_TIMEOUT(ask(*port, QStringLiteral("GET_STAT\n")), QStringLiteral("DAT_STAT 1,60\n"), 3000);
    QCOMPARE(ask(*port, QStringLiteral("GET_DIGI\n")), QStringLiteral("DAT_DIGI 00000000,00000000,00000040\n"));
    QCOMPARE(ask(*port, QStringLiteral("GET_INFO\n")), QStringLiteral("CON_INFO RG100001,1\n"));
    QCOMPARE(ask(*port, QStringLiteral("CMD_STOP\n")), QStringLiteral("ACK_STOP -1\n"));

    // A new start clears the finished bit; a stop marks the stop by the user.
    QVERIFY(sim->setPrograms({program({{121.0, 20}})}));
    QCOMPARE(ask(*port, QStringLiteral("CMD_STAR 1\n")), QStringLiteral("ACK_STAR 0\n"));
    QCOMPARE(ask(*port, QStringLiteral("GET_DIGI\n")), QStringLiteral("DAT_DIGI 00000000,00000000,00000000\n"));
    QCOMPARE(ask(*port, QStringLiteral("CMD_STOP\n")), QStringLiteral("ACK_STOP 2\n"));
    QCOMPARE(ask(*port, QStringLiteral("GET_DIGI\n")), QStringLiteral("DAT_DIGI 00000000,00000000,02000000\n"));
    QCOMPARE(ask(*port, QStringLiteral("GET_STAT\n")), QStringLiteral("DAT_STAT 1,50\n"));
}

void TestRegulonSim::consoleLinesChangeTheAnswers_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QStringList>("answers");

    const QString info = QStringLiteral("CON_INFO RG100001,0\n");
    QTest::newRow("status bit raised") << QStringList{QStringLiteral("bit 2 16 on")}
                                       << QStringList{QStringLiteral("GET_DIGI\n")}
                                       << QStringList{QStringLiteral("DAT_DIGI 00000000,00010000,00000000\n")};
    QTest::newRow("status bit cleared") << QStringList{QStringLiteral("bit 1 31 on"), QStringLiteral("bit 1 31 off")}
                                        << QStringList{QStringLiteral("GET_DIGI\n")}
                                        << QStringList{QStringLiteral("DAT_DIGI 00000000,00000000,00000000\n")};
    QTest::newRow("sensor fault") << QStringList{QStringLiteral("sensor-fault on")}
                                  << QStringList{QStringLiteral("GET_STAT\n")}
                                  << QStringList{QStringLiteral("DAT_STAT 0,0\n")};
    QTest::newRow("start refused once") << QStringList{QStringLiteral("refuse start -6")}
                                        << QStringList{QStringLiteral("CMD_STAR 1\n"), QStringLiteral("CMD_STAR 1\n")}
                                        << QStringList{QStringLiteral("ACK_STAR -6\n"), QStringLiteral("ACK_STAR 0\n")};
    QTest::newRow("stop refused") << QStringList{QStringLiteral("refuse stop 0")}
                                  << QStringList{QStringLiteral("CMD_STOP\n")}
                                  << QStringList{QStringLiteral("ACK_STOP 0\n")};
    QTest::newRow("raw answer waits for its keyword")
        << QStringList{QStringLiteral("answer GET_TEMP dat_temp 1,2,3,4\\r\\n")}
        << QStringList{QStringLiteral("GET_INFO\n"), QStringLiteral("GET_TEMP\n"), QStringLiteral("GET_TEMP\n")}
        << QStringList{info, QStringLiteral("dat_temp 1,2,3,4\r\n"), QStringLiteral("DAT_TEMP 20.0,0.0,0,0.0\n")};
    QTest::newRow("raw answer to an unknown command")
        << QStringList{QStringLiteral("answer * ?\\x41\\\\\\x00")}
        << QStringList{QStringLiteral("HELLO\n"), QStringLiteral("HELLO\n")}
        << QStringList{QString::fromLatin1("?A\\\0", 4), QString()};
    QTest::newRow("silent") << QStringList{QStringLiteral("silent on")} << QStringList{QStringLiteral("GET_INFO\n")}
                            << QStringList{QString()};
    QTest::newRow("silent and back") << QStringList{QStringLiteral("silent on"), QStringLiteral("silent off")}
                                     << QStringList{QStringLiteral("GET_INFO\n")} << QStringList{info};
    QTest::newRow("identity") << QStringList{QStringLiteral("serial SN-42"), QStringLiteral("cycle 17")}
                              << QStringList{QStringLiteral("GET_INFO\n")}
                              << QStringList{QStringLiteral("CON_INFO SN-42,17\n")};
    QTest::newRow("chamber temperature") << QStringList{QStringLiteral("temp 121.5")}
                                         << QStringList{QStringLiteral("GET_TEMP\n")}
                                         << QStringList{QStringLiteral("DAT_TEMP 121.5,0.0,0,0.0\n")};
    QTest::newRow("delayed answer still whole") << QStringList{QStringLiteral("delay 100 GET_INFO")}
                                                << QStringList{QStringLiteral("GET_INFO\n")} << QStringList{info};
}

void TestRegulonSim::consoleLinesChangeTheAnswers()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, commands);
    QFETCH(QStringList, answers);

    SimConsole console(*sim);
    for (const QString &line : lines)
        QCOMPARE(console.execute(line), QStringLiteral("ok"));
    for (int i = 0; i < commands.size(); ++i)
        QCOMPARE(ask(*port, commands.at(i)), answers.at(i));
    QCOMPARE(sim->receivedCommands(), commands);
}

void TestRegulonSim::malformedConsoleLinesAreRefused_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("word out of range") << QStringLiteral("bit 4 1 on");
    QTest::newRow("bit out of range") << QStringLiteral("bit 3 32 on");
    QTest::newRow("neither on nor off") << QStringLiteral("silent maybe");
    QTest::newRow("negative delay") << QStringLiteral("delay -5");
    QTest::newRow("unknown escape") << QStringLiteral("answer GET_INFO \\q");
    QTest::newRow("short hex escape") << QStringLiteral("answer GET_INFO \\x4");
    QTest::newRow("refuse what") << QStringLiteral("refuse pause 1");
    QTest::newRow("standing clock") << QStringLiteral("speed 0");
    QTest::newRow("write step out of range") << QStringLiteral("refuse write 6");
    QTest::newRow("ignore what") << QStringLiteral("ignore start 1");
    QTest::newRow("image line out of range") << QStringLiteral("corrupt 65");
    QTest::newRow("no reads") << QStringLiteral("corrupt 3 0");
    QTest::newRow("unknown command") << QStringLiteral("frobnicate");
}

void TestRegulonSim::malformedConsoleLinesAreRefused()
{
    QFETCH(QString, line);
    SimConsole console(*sim);
    QVERIFY(console.execute(line).startsWith(QLatin1String("error: ")));
    QCOMPARE(sim->statusWord(3), 0u);
    QCOMPARE(ask(*port, QStringLiteral("GET_INFO\n")), QStringLiteral("CON_INFO RG100001,0\n"));
}

void TestRegulonSim::factoryImageHoldsTheFactoryPrograms()
{
    const QString image = ask(*port, QStringLiteral("GET_EEPR\n"));
    QCOMPARE(image.toLatin1(), sim->programImage());
    QCOMPARE(image.count(QStringLiteral("\r\n")), 64);
    QVERIFY(image.endsWith(QStringLiteral("\r\n:00000001FF")));
    const ProgramMemory::DecodeResult decoded = ProgramMemory::decode(image);
    QCOMPARE(decoded.outcome, ProgramMemory::DecodeResult::Ok);
    const QList<CommunicationManager::Program> factory = FactoryPrograms::programs();
    QCOMPARE(decoded.programs.size(), factory.size());
    for (int k = 0; k < factory.size(); ++k) {
        QCOMPARE(decoded.programs.at(k).name, factory.at(k).name);
        QCOMPARE(decoded.programs.at(k).steps, factory.at(k).steps);
    }

    // What it runs is what its image holds.
    QCOMPARE(ask(*port, QStringLiteral("CMD_STAR 4\n")), QStringLiteral("ACK_STAR 0\n"));
    QVERIFY(ask(*port, QStringLiteral("GET_TEMP\n")).startsWith(QStringLiteral("DAT_TEMP 20.0,121.0,1,")));
}

void TestRegulonSim::readsCarryTheCorruptionAskedFor_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("rejectedAt"); // per read; -1 for an intact image
    QTest::newRow("next two reads") << QStringList{QStringLiteral("corrupt 10 2")} << QList<int>{10, 10, -1};
    QTest::newRow("every read")
        << QStringList{QStringLiteral("corrupt 64 always")} << QList<int>{64, 64, 64, 64, 64};
    QTest::newRow("every read until off")
        << QStringList{QStringLiteral("corrupt 64 always"), QStringLiteral("corrupt off")} << QList<int>{-1};
}

void TestRegulonSim::readsCarryTheCorruptionAskedFor()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, rejectedAt);
    SimConsole console(*sim);
    for (const QString &line : lines)
        QCOMPARE(console.execute(line), QStringLiteral("ok"));
    for (int expected : rejectedAt) {
        const ProgramMemory::DecodeResult result = ProgramMemory::decode(ask(*port, QStringLiteral("GET_EEPR\n")));
        QCOMPARE(result.line, expected);
    }
}

void TestRegulonSim::writeReplacesTheRecordsItAcknowledges_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<int>>("changed"); // image lines
    QTest::newRow("intact write") << QStringList{} << QStringList{ackPut, ackRecord, ackRecord, ackRecord, ackRecord, ackEnd}
                                  << QList<int>{1, 10, 11, 12};
    QTest::newRow("step record 2 refused")
        << QStringList{QStringLiteral("refuse write 3")}
        << QStringList{ackPut, ackRecord, ackRecord, refused, ackRecord, ackEnd} << QList<int>{1, 10, 12};
    QTest::newRow("name record unanswered")
        << QStringList{QStringLiteral("ignore write 1")}
        << QStringList{ackPut, QString(), ackRecord, ackRecord, ackRecord, ackEnd} << QList<int>{10, 11, 12};
}

void TestRegulonSim::writeReplacesTheRecordsItAcknowledges()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, answers);
    SimConsole console(*sim);
    for (const QString &line : lines)
        QCOMPARE(console.execute(line), QStringLiteral("ok"));
    const QStringList before = imageLines(*sim);
    const QStringList write = writeOfSecondSlot(*sim, QStringLiteral("Glassware 99"), 99.0);

    QStringList received;
    for (const QString &line : write)
        received << ask(*port, line);
    QCOMPARE(received, answers);
    QTEST(changedLines(before, imageLines(*sim)), "changed");

    // A fault applies once: the same write again goes through.
    received.clear();
    for (const QString &line : write)
        received << ask(*port, line);
    QCOMPARE(received, (QStringList{ackPut, ackRecord, ackRecord, ackRecord, ackRecord, ackEnd}));
    QCOMPARE(sim->programs().at(1).name, QStringLiteral("Glassware 99"));
    QCOMPARE(sim->programs().at(1).steps, elevenSteps(QString(), 99.0).steps);
    QCOMPARE(ask(*port, QStringLiteral("CMD_STAR 2\n")), QStringLiteral("ACK_STAR 0\n"));
    QVERIFY(ask(*port, QStringLiteral("GET_TEMP\n")).startsWith(QStringLiteral("DAT_TEMP 20.0,99.0,1,")));
}

void TestRegulonSim::recordsOutsideAWriteOrDamagedAreRefused()
{
    const QByteArray before = sim->programImage();
    const QStringList write = writeOfSecondSlot(*sim, QStringLiteral("Glassware 99"), 99.0);
    QString damaged = write.at(1);
    damaged[20] = damaged.at(20) == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    const QStringList answers{ask(*port, write.at(1)), ask(*port, write.at(0)), ask(*port, damaged),
                              ask(*port, write.at(5)), ask(*port, write.at(2))};
    // Before PUT_EEPROM, with a wrong checksum, after the end record.
    QCOMPARE(answers, (QStringList{refused, ackPut, refused, ackEnd, refused}));
    QCOMPARE(sim->programImage(), before);
}

void TestRegulonSim::imageFileKeepsWritesAcrossRuns()
{
    const QString file = dir.filePath(QStringLiteral("memory.hex"));
    QVERIFY2(sim->useImageFile(file), qPrintable(sim->errorString()));
    QVERIFY(!QFile::exists(file));
    for (const QString &line : writeOfSecondSlot(*sim, QStringLiteral("Glassware 99"), 99.0))
        ask(*port, line);
    QVERIFY(QFile::exists(file));

    RegulonSim next;
    QVERIFY2(next.useImageFile(file), qPrintable(next.errorString()));
    QCOMPARE(next.programImage(), sim->programImage());
    QCOMPARE(next.programs().at(1).name, QStringLiteral("Glassware 99"));

    // A file that is not an image is refused and leaves the image alone.
    QFile broken(dir.filePath(QStringLiteral("broken.hex")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(sim->programImage() + "\r\n");
    broken.close();
    RegulonSim third;
    QVERIFY(!third.useImageFile(broken.fileName()));
    QVERIFY(third.errorString().contains(broken.fileName()));
    QCOMPARE(third.programs().at(1).name, FactoryPrograms::programs().at(1).name);
}

QTEST_GUILESS_MAIN(TestRegulonSim)
#include "tst_regulonsim.moc"
