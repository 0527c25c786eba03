#include "records/runjournal.h"
#include "register/cycleregister.h"
#include "register/registerwriter.h"
#include "register/sha256.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Program = CommunicationManager::Program;

namespace {

// A settled run's journal, written as the station writes it; its file name.
QString journalOf(const QString &folder, const QString &serial, int cycleNumber, bool discarded)
{
    Program record;
    record.name = QStringLiteral("Wrapped 121");
    record.serialNumber = serial;
    record.cycleNumber = cycleNumber < 0 ? QString() : QString::number(cycleNumber);
    record.timeStarted = QStringLiteral("2026-12-07T10:00:00.000Z");
    record.steps = {{1, 20, 121.0}, {2, 5, 60.0}};
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1796637600000 + cycleNumber, Qt::OffsetFromUTC, 3600);
    RunJournal journal(folder);
    if (!journal.begin(record, folder + QStringLiteral("/log"), {2, false, start}))
        return QString();
    journal.recordSample(QStringLiteral("00:00:00"), QStringLiteral("20.4"), 15);
    journal.recordSample(QStringLiteral("00:00:02"), QStringLiteral("21.35"), 2017);
    record.status = discarded ? RunJournal::discardedStatus : QStringLiteral("Successfully completed");
    journal.recordFields(record);
    journal.recordEnd(start.addSecs(3));
    if (discarded)
        journal.recordDiscarded();
    else
        journal.recordLogged({folder + QStringLiteral("/log.txt"), Sha256::hex(QByteArray::number(cycleNumber)),
                              Cycle::Origin::Recorded});
    const QString name = journal.fileName();
    journal.close();
    return name;
}

// A program write's event, complete, so that its file is the one the writer makes.
AuditEvent programWrite(int offsetSeconds, const QString &details)
{
    AuditEvent event;
    event.at = QDateTime::fromMSecsSinceEpoch(1796637600123, Qt::OffsetFromUTC, offsetSeconds);
    event.osUser = "praxis";
    event.station = "desk-1";
    event.kind = "program write";
    event.controllerSerial = "RG1";
    event.details = details;
    return event;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList({"*.journal", "*.event"}, QDir::Files);
}

} // namespace

class TestRegisterWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    int round = 0;
    QString folder;       // of journals and events
    QString registerPath; // a fresh one per test

    std::optional<QVector<Cycle>> entries()
    {
        CycleRegister reader(QStringLiteral("reader"));
        if (!reader.open(registerPath))
            return std::nullopt;
        std::optional<QVector<Cycle>> listed = reader.cycles({}, -1);
        QVector<Cycle> full;
        for (const Cycle &c : listed.value_or(QVector<Cycle>()))
            full.append(reader.cycle(c.id).value_or(Cycle()));
        std::sort(full.begin(), full.end(), [](const Cycle &a, const Cycle &b) { return a.id < b.id; });
        return full;
    }
    int events(const QString &kind)
    {
        CycleRegister reader(QStringLiteral("reader"));
        int found = 0;
        for (const AuditEvent &e : reader.open(registerPath) ? reader.events().value_or(QVector<AuditEvent>())
                                                             : QVector<AuditEvent>())
            found += e.kind == kind;
        return found;
    }

private slots:
    void init()
    {
        folder = dir.filePath(QString("journals%1").arg(++round));
        registerPath = dir.filePath(QString("register%1/register.sqlite").arg(round));
        QVERIFY(QDir().mkpath(folder));
    }

    // Runs with and without log and serial number, and an event, each
    // entered once and then deleted; the same files again (as after a crash
    // between entering and deleting) add nothing.
    void journalsAndEventsAreEnteredOnceThenDeleted()
    {
        const QStringList journals{journalOf(folder, "RG1", 7, false), journalOf(folder, "", -1, false),
                                   journalOf(folder, "", 8, true)};
        QByteArrayList contents;
        for (const QString &journal : journals) {
            QFile file(journal);
            QVERIFY(file.open(QIODevice::ReadOnly));
            contents << file.readAll();
        }
        const AuditEvent event = programWrite(3600, "{\"program\":2}");
        {
            RegisterWriter writer(registerPath, folder);
            QSignalSpy entered(&writer, &RegisterWriter::cycleEntered);
            QSignalSpy eventEntered(&writer, &RegisterWriter::eventEntered);
            QSignalSpy waiting(&writer, &RegisterWriter::waitingChanged);
            for (const QString &journal : journals)
                writer.enterJournal(journal);
            writer.enterEvent(event);
            QTRY_COMPARE(entered.size() + eventEntered.size(), 4);
            QTRY_VERIFY(!waiting.isEmpty() && waiting.last().first().toInt() == 0);
            QVERIFY(filesIn(folder).isEmpty());

            // Back again, as a crash would leave them.
            for (int i = 0; i < journals.size(); ++i) {
                QFile file(journals[i]);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents[i]) == contents[i].size());
                file.close();
                writer.enterJournal(journals[i]);
            }
            QFile eventFile(folder + "/event-again.event");
            QVERIFY(eventFile.open(QIODevice::WriteOnly));
            eventFile.write(RegisterWriter::eventFileContent(event));
        }
        {
            RegisterWriter next(registerPath, folder); // takes up the event file left waiting
            QTRY_VERIFY(filesIn(folder).isEmpty());
        }
        const std::optional<QVector<Cycle>> cycles = entries();
        QVERIFY(cycles && cycles->size() == 3);
        QCOMPARE(events("program write"), 1);
        QStringList seen;
        for (const Cycle &c : *cycles) {
            seen << QString("%1 #%2 %3 seq %4 %5").arg(c.controllerSerial).arg(c.cycleNumber).arg(c.status)
                        .arg(c.chainSequence).arg(c.logPath.isEmpty() ? "no log" : "log");
        }
        QCOMPARE(seen, (QStringList{"RG1 #7 Successfully completed seq 1 log", " #-1 Successfully completed seq 1 log",
                                    " #8 Discarded by the user seq 2 no log"}));
    }

    // A register that cannot be written: what waits stays in the folder,
    // is tried again, and survives the writer; the next writer enters it.
    void entriesWaitWhileTheRegisterCannotBeWritten()
    {
        QFile blocker(dir.filePath(QString("blocker%1").arg(round)));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        registerPath = blocker.fileName() + "/register.sqlite"; // its folder is a file
        const QString journal = journalOf(folder, "RG1", 9, false);
        {
            RegisterWriter writer(registerPath, folder);
            writer.setRetryInterval(50);
            QSignalSpy failed(&writer, &RegisterWriter::failed);
            QSignalSpy waiting(&writer, &RegisterWriter::waitingChanged);
            writer.enterJournal(journal);
            AuditEvent event;
            event.kind = "program write";
            writer.enterEvent(event);
            QTRY_VERIFY(failed.size() >= 3); // tried again and again
            QVERIFY2(failed.first().first().toString().contains("cannot be made"), qPrintable(failed.first().first().toString()));
            QCOMPARE(waiting.last().first().toInt(), 2);
            QCOMPARE(filesIn(folder).size(), 2);
        }
        QCOMPARE(filesIn(folder).size(), 2);
        QVERIFY(QFile::remove(blocker.fileName()));
        {
            RegisterWriter next(registerPath, folder);
            QSignalSpy waiting(&next, &RegisterWriter::waitingChanged);
            QTRY_VERIFY(!waiting.isEmpty());
            QCOMPARE(filesIn(folder), QStringList{QFileInfo(journal).fileName()}); // the event, entered at the start
            next.enterJournal(journal); // as the next start's recovery hands it over
            QTRY_VERIFY(filesIn(folder).isEmpty());
        }
        QCOMPARE(entries().value_or(QVector<Cycle>()).size(), 1);
        QCOMPARE(events("program write"), 1);
    }

    // Whatever a waiting event's file holds, it is read strictly: a damaged
    // one is left alone rather than entered wrong.
    void eventFilesAreReadStrictly_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("valid");
        const QByteArray good = RegisterWriter::eventFileContent(programWrite(-18000, "{\"program\":2,\"outcome\":\"failed\"}"));
        QTest::newRow("as written") << good << true;
        QTest::newRow("cut short") << good.left(good.size() / 2) << false;
        QTest::newRow("no kind") << QByteArray(good).replace("\"program write\"", "\"\"") << false;
        QTest::newRow("offset beyond a day") << QByteArray(good).replace("-18000", "90000") << false;
    }
    void eventFilesAreReadStrictly()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, valid);
        const std::optional<AuditEvent> read = RegisterWriter::eventOf(content);
        QCOMPARE(bool(read), valid);
        if (!read)
            return;
        QCOMPARE(read->at.toMSecsSinceEpoch(), 1796637600123);
        QCOMPARE(read->at.offsetFromUtc(), -18000);
        QCOMPARE(QStringList({read->osUser, read->station, read->kind, read->controllerSerial, read->details}),
                 QStringList({"praxis", "desk-1", "program write", "RG1", "{\"program\":2,\"outcome\":\"failed\"}"}));
    }
};

QTEST_GUILESS_MAIN(TestRegisterWriter)
#include "tst_registerwriter.moc"
