// Backups of the register file and their restore: the records tool's
// executable and the Records tab's panel against real registers, logs and
// backup folders, some of them on file systems this process mounts itself.

#include "app/stationsettings.h"
#include "register/backupcheck.h"
#include "register/backupgenerations.h"
#include "register/backupstatus.h"
#include "register/cycleregister.h"
#include "register/registerbackup.h"
#include "register/registerrestore.h"
#include "register/sha256.h"
#include "tests/isolateduser.h"
#include "tests/registertestdata.h"
#include "ui/backuppanel.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <memory>

namespace {

// Whether this process may mount file systems of its own, seen by no other
// process: set up in main() while it is single-threaded.
bool privateMounts = false;

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QDateTime utc(const char *iso)
{
    return QDateTime::fromString(QLatin1String(iso), Qt::ISODate).toUTC();
}

} // namespace

using RegisterTestData::cycleAt;
using RegisterTestData::read;
using RegisterTestData::write;

class TestBackup : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    int connections = 0;
    QStringList mounted;

    QString path(const QString &name) const { return dir->filePath(name); }
    QString registerFile() const { return path(QStringLiteral("station/register.sqlite")); }
    QString backups() const { return path(QStringLiteral("usb")); }

    Run tool(const QStringList &arguments, const QString &registerName = QString())
    {
        QProcess p;
        p.start(QStringLiteral(RECORDS_TOOL_PATH),
                QStringList{QStringLiteral("--register"), registerName.isEmpty() ? registerFile() : registerName}
                    + arguments);
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    // Enters the cycles with their logs in station/logs/.
    QStringList enter(QVector<Cycle> cycles)
    {
        QStringList logs;
        for (Cycle &c : cycles) {
            c.logPath = path(QStringLiteral("station/logs/%1_%2.txt").arg(c.controllerSerial).arg(c.cycleNumber));
            const QByteArray log = RegisterTestData::log(c);
            write(c.logPath, log);
            c.logSha256 = Sha256::hex(log);
            logs << c.logPath;
        }
        enterAsThey(cycles);
        return logs;
    }

    // Enters the cycles with the log paths and hashes they have.
    bool enterAsThey(QVector<Cycle> cycles)
    {
        CycleRegister reg(QStringLiteral("test-%1").arg(++connections));
        if (reg.open(registerFile()) && RegisterTestData::enter(reg, cycles))
            return true;
        qWarning() << "not entered:" << reg.errorString();
        return false;
    }

    QStringList enterThree()
    {
        return enter({cycleAt("RG-7", 1, "2024-03-04T08:00:00"), cycleAt("RG-7", 2, "2024-03-05T08:00:00"),
                      cycleAt("RG-8", 1, "2024-03-05T09:00:00")});
    }

    int entriesOf(const QString &file)
    {
        CycleRegister reg(QStringLiteral("test-%1").arg(++connections));
        return reg.open(file) ? reg.count({}).value_or(-1) : -1;
    }

    QString newest() const
    {
        const QStringList generations = BackupGenerations::inFolder(backups());
        return generations.isEmpty() ? QString() : QDir(backups()).filePath(generations.last());
    }

    void mount(const QString &target, const char *type, unsigned long flags, const char *options)
    {
        const QByteArray point = QFile::encodeName(target);
        QVERIFY2(::mount(type ? type : point.constData(), point.constData(), type, flags, options) == 0, type);
        mounted.prepend(target);
    }

private slots:
    void initTestCase() { QVERIFY2(QFileInfo(QStringLiteral(RECORDS_TOOL_PATH)).isExecutable(), RECORDS_TOOL_PATH); }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        StationSettings().clear();
        QVERIFY(QDir().mkpath(backups()));
    }

    void cleanup()
    {
        for (const QString &point : mounted)
            ::umount2(QFile::encodeName(point).constData(), MNT_DETACH);
        mounted.clear();
    }

    // Generations by their times (UTC): which the policy removes.
    void generations_data()
    {
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<int>("daily");
        QTest::addColumn<int>("monthly");
        QTest::addColumn<QStringList>("removed");
        QTest::newRow("fewer than kept") << QStringList{"2026-12-01T12:00:00Z", "2026-12-02T12:00:00Z"} << 14 << 12
                                         << QStringList{};
        QTest::newRow("an older one of the same day")
            << QStringList{"2026-12-01T09:00:00Z", "2026-12-01T12:00:00Z", "2026-12-02T12:00:00Z"} << 14 << 12
            << QStringList{"2026-12-01T09:00:00Z"};
        QTest::newRow("days beyond the daily, in a month kept by a newer one")
            << QStringList{"2026-11-28T12:00:00Z", "2026-11-29T12:00:00Z", "2026-11-30T12:00:00Z",
                           "2026-12-01T12:00:00Z"}
            << 2 << 12 << QStringList{"2026-11-28T12:00:00Z", "2026-11-29T12:00:00Z"};
        QTest::newRow("a month's newest kept beyond the daily")
            << QStringList{"2026-09-30T12:00:00Z", "2026-10-15T12:00:00Z", "2026-10-31T12:00:00Z",
                           "2026-12-01T12:00:00Z", "2026-12-02T12:00:00Z"}
            << 2 << 3 << QStringList{"2026-10-15T12:00:00Z"};
        QTest::newRow("months beyond the monthly")
            << QStringList{"2026-08-31T12:00:00Z", "2026-09-30T12:00:00Z", "2026-10-31T12:00:00Z",
                           "2026-12-02T12:00:00Z"}
            << 1 << 2 << QStringList{"2026-08-31T12:00:00Z", "2026-09-30T12:00:00Z"};
        QTest::newRow("nothing kept still keeps the newest")
            << QStringList{"2026-12-01T12:00:00Z", "2026-12-02T12:00:00Z"} << 0 << 0
            << QStringList{"2026-12-01T12:00:00Z"};
    }
    void generations()
    {
        QFETCH(QStringList, made);
        QFETCH(int, daily);
        QFETCH(int, monthly);
        QFETCH(QStringList, removed);
        QStringList names;
        for (const QString &when : made)
            names << BackupGenerations::fileName(utc(qPrintable(when)));
        names << QStringLiteral("register-notes.sqlite"); // no generation: never touched
        QStringList expected;
        for (const QString &when : removed)
            expected << BackupGenerations::fileName(utc(qPrintable(when)));
        QStringList found = BackupGenerations::toRemove(names, daily, monthly);
        found.sort();
        QCOMPARE(found, expected);
        QCOMPARE(BackupGenerations::madeAt(names.first()), utc(qPrintable(made.first())));
    }

    void status_data()
    {
        QTest::addColumn<QDateTime>("verified");
        QTest::addColumn<QDateTime>("failed");
        QTest::addColumn<QStringList>("differing");
        QTest::addColumn<QStringList>("lines");
        const QDateTime now = QDateTime::fromString("2026-12-07T15:00:00", Qt::ISODate);
        QTest::newRow("verified today") << now.addSecs(-3600) << QDateTime() << QStringList()
                                        << QStringList{"Last verified backup: today, 14:00 (b.sqlite)"};
        QTest::newRow("failed after it")
            << now.addDays(-1) << now.addSecs(-60) << QStringList()
            << QStringList{"Last verified backup: yesterday, 15:00 (b.sqlite)",
                           "Warning: the last backup attempt failed (today, 14:59): the disk is full"};
        QTest::newRow("overdue") << now.addDays(-8) << QDateTime() << QStringList()
                                 << QStringList{"Last verified backup: 2026-11-29, 15:00 (b.sqlite)",
                                                "Warning: no verified backup is newer than 7 days."};
        QTest::newRow("none")
            << QDateTime() << QDateTime() << QStringList()
            << QStringList{"No verified backup yet.", "Warning: no verified backup is newer than 7 days."};
        QTest::newRow("a log differs")
            << now.addSecs(-3600) << QDateTime() << QStringList{"/logs/a.txt"}
            << QStringList{"Last verified backup: today, 14:00 (b.sqlite)",
                           "Warning: the log /logs/a.txt differs from its copy in the backup; the copy was kept."};
    }
    void status()
    {
        QFETCH(QDateTime, verified);
        QFETCH(QDateTime, failed);
        QFETCH(QStringList, differing);
        QFETCH(QStringList, lines);
        BackupStatus status;
        status.lastVerified = verified;
        status.lastVerifiedFile = QStringLiteral("b.sqlite");
        status.lastAttemptFailed = failed.isValid();
        status.lastAttempt = failed.isValid() ? failed : verified;
        status.lastError = QStringLiteral("the disk is full");
        status.differingLogs = differing;
        const QDateTime now = QDateTime::fromString("2026-12-07T15:00:00", Qt::ISODate);
        QCOMPARE(status.lines(now, 7), lines);
        QCOMPARE(status.healthy(now, 7), lines.size() == 1);
    }

    // The daily backup copies only the new logs; each backup verifies where
    // it lies, and the register records it for the status.
    void backupHoldsTheRegisterAndCopiesEachLogOnce()
    {
        enterThree();
        Run run = tool({"backup", backups()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY2(run.out.contains("Entries: 3\nLogs copied: 3\n"), qPrintable(run.out));
        const QString first = newest();
        QVERIFY(run.out.startsWith("Backup verified: " + first + "\n"));
        enter({cycleAt("RG-7", 3, "2024-03-06T08:00:00")});
        run = tool({"backup", backups()});
        QVERIFY2(run.out.contains("Entries: 4\nLogs copied: 1\n"), qPrintable(run.out + run.err));
        QCOMPARE(BackupGenerations::inFolder(backups()).size(), 1); // the older one of the same day is pruned
        QVERIFY(run.out.contains("Removed older backup: " + first));
        const CycleVerifier::Report report = BackupCheck::run(newest(), path("usb/logs"));
        QVERIFY2(report.intact(), qPrintable(RegisterTestData::problems(report).join(' ') + report.error));
        QCOMPARE(report.entries, 4);
        QCOMPARE(report.logs, 4);
        run = tool({"backup", "--status"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.startsWith("Last verified backup: today, "), qPrintable(run.out));
        QCOMPARE(run.out.count('\n'), 1);
    }

    // Each cause of a failure is reported, in the status too, and the next
    // attempt after the cause is gone succeeds.
    void failingDestinationIsReportedAndTheNextAttemptSucceeds_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing (a disk unplugged)") << "missing" << "is not there (is its disk plugged in?)";
        QTest::newRow("under a file") << "under a file" << "is not there";
        QTest::newRow("read-only") << "read-only" << "cannot be copied";
        QTest::newRow("full") << "full" << "cannot be copied";
    }
    void failingDestinationIsReportedAndTheNextAttemptSucceeds()
    {
        QFETCH(QString, cause);
        QFETCH(QString, message);
        if ((cause == "read-only" || cause == "full") && !privateMounts)
            QSKIP("this process cannot mount file systems of its own");
        enterThree();
        QString folder = backups();
        if (cause == "missing") {
            QVERIFY(QDir(folder).removeRecursively());
        } else if (cause == "under a file") {
            // Its parent is a regular file: nothing can be made there, not even by root.
            QVERIFY(write(path("share"), "not a folder"));
            folder = path("share/backups");
        } else if (cause == "read-only") {
            mount(folder, nullptr, MS_BIND, nullptr);
            mount(folder, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr);
        } else {
            mount(folder, "tmpfs", 0, "size=16k");
        }
        Run run = tool({"backup", folder});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.startsWith("vaporin-records: The backup failed: ") && run.err.contains(message),
                 qPrintable(run.err));
        run = tool({"backup", "--status"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains("Warning: the last backup attempt failed (today, "), qPrintable(run.out));
        if (cause == "full" || cause == "read-only") {
            QVERIFY(QDir(folder).entryList(QDir::Files).isEmpty()); // nothing partial left there
            cleanup();
        } else if (cause == "under a file") {
            QVERIFY(QFile::remove(path("share")) && QDir().mkpath(folder));
        } else {
            QVERIFY(QDir().mkpath(folder));
        }
        run = tool({"backup", folder});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        run = tool({"backup", "--status"});
        QVERIFY2(run.exitCode == 0 && run.out.startsWith("Last verified backup: today"), qPrintable(run.out));
    }

    // Killed while it copies the logs (one of them a pipe that never ends):
    // the earlier generation is as it was, the new one counts nowhere, and
    // the next backup clears what was left.
    void killedBackupLeavesEarlierGenerationsAndCountsNothing()
    {
        enterThree();
        QCOMPARE(tool({"backup", backups()}).exitCode, 0);
        const QString earlier = newest();
        const QByteArray earlierBytes = read(earlier);
        Cycle stuck = cycleAt("RG-7", 3, "2024-03-06T08:00:00");
        stuck.logPath = path("station/logs/RG-7_3.txt");
        const QByteArray log = RegisterTestData::log(stuck);
        stuck.logSha256 = Sha256::hex(log);
        QVERIFY(enterAsThey({stuck}));
        QVERIFY(::mkfifo(QFile::encodeName(stuck.logPath).constData(), 0600) == 0);
        QProcess p;
        p.start(QStringLiteral(RECORDS_TOOL_PATH), {"--register", registerFile(), "backup", backups()});
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(backups()).entryList({"*.part"}, QDir::Files).isEmpty(), 20000);
        p.kill();
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(BackupGenerations::inFolder(backups()), QStringList{QFileInfo(earlier).fileName()});
        QCOMPARE(read(earlier), earlierBytes);
        QVERIFY(BackupCheck::run(earlier, path("usb/logs")).intact());
        QVERIFY(tool({"backup", "--status"}).out.contains("(" + earlier + ")"));

        QVERIFY(QFile::remove(stuck.logPath) && write(stuck.logPath, log));
        const Run run = tool({"backup", backups()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(QDir(backups()).entryList({"*.part*"}, QDir::Files).isEmpty());
        QCOMPARE(entriesOf(newest()), 4);
    }

    // The station closing stops a backup before its next log: nothing is
    // left, nothing counts and nothing is recorded as failed.
    void stoppedBackupLeavesNothing()
    {
        enterThree();
        const std::atomic<bool> stop{true};
        const RegisterBackup::Result result = RegisterBackup::take(registerFile(), {backups(), 14, 12, 7}, &stop);
        QVERIFY(result.stopped && !result.verified);
        QCOMPARE(QDir(backups()).entryList(QDir::Files), QStringList());
        const Run status = tool({"backup", "--status"});
        QVERIFY2(status.out.startsWith("No verified backup yet.\nWarning: no verified") && status.out.count('\n') == 2,
                 qPrintable(status.out));
    }

    void logEditedAfterItsBackupIsReportedAndItsCopyKept()
    {
        const QStringList logs = enterThree();
        QCOMPARE(tool({"backup", backups()}).exitCode, 0);
        const QByteArray original = read(logs[1]);
        QVERIFY(write(logs[1], RegisterTestData::oneDigitChanged(original)));
        const Run run = tool({"backup", backups()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains("DIFFERS " + logs[1] + ": its copy in the backup was kept\n"), qPrintable(run.out));
        QCOMPARE(read(path("usb/logs/" + QFileInfo(logs[1]).fileName())), original);
        const Run status = tool({"backup", "--status"});
        QCOMPARE(status.exitCode, 1);
        QVERIFY2(status.out.contains("Warning: the log " + logs[1] + " differs from its copy"), qPrintable(status.out));
    }

    // A register's log path is data: one whose name would lead out of the
    // backup's logs/ is copied nowhere, and the backup does not verify.
    void logPathLeadingOutOfTheFolderIsNoCopy()
    {
        enterThree();
        Cycle odd = cycleAt("RG-9", 1, "2024-03-08T08:00:00");
        odd.logPath = path("station/logs/..");
        odd.logSha256 = Sha256::hex("x");
        QVERIFY(enterAsThey({odd}));
        const Run run = tool({"backup", backups()});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("has a name no copy can have"), qPrintable(run.err));
        QCOMPARE(QDir(backups()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"logs"});
        QCOMPARE(QDir(path("usb/logs")).entryList(QDir::Files).size(), 3);
    }

    // The README's "When the PC dies": the register and the logs are gone,
    // the backup brings them back where they were, or somewhere new.
    void restoreRoundTrip_data()
    {
        QTest::addColumn<bool>("elsewhere");
        QTest::newRow("where they were") << false;
        QTest::newRow("a new register, the logs into a folder") << true;
    }
    void restoreRoundTrip()
    {
        QFETCH(bool, elsewhere);
        const QStringList logs = enterThree();
        QCOMPARE(tool({"backup", backups()}).exitCode, 0);
        QVERIFY(QDir(path("station")).removeRecursively());
        const QString target = elsewhere ? path("new pc/register.sqlite") : registerFile();
        const QStringList options = elsewhere ? QStringList{"--logs", path("new pc/logs")} : QStringList{};
        if (privateMounts) { // a write-protected disk
            mount(backups(), nullptr, MS_BIND, nullptr);
            mount(backups(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr);
        }
        const Run run = tool(QStringList{"restore", backups()} + options, target);
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.contains("Logs restored: 3\n"), qPrintable(run.out));
        QVERIFY2(run.out.endsWith("Checked 3 entries of 2 controllers and 3 log files: intact.\n"), qPrintable(run.out));
        // The backup and the restored register are the owner's alone, as the register was.
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
            | QFileDevice::WriteOther;
        QCOMPARE(QFileInfo(newest()).permissions() & others, QFileDevice::Permissions());
        QCOMPARE(QFileInfo(target).permissions() & others, QFileDevice::Permissions());
        {
            CycleRegister restored(QStringLiteral("test-%1").arg(++connections));
            QVERIFY(restored.open(target));
            const QVector<AuditEvent> events = restored.events(0, 1).value_or(QVector<AuditEvent>());
            QVERIFY(!events.isEmpty() && events[0].kind == RegisterRestore::restoredKind);
            QVERIFY2(events[0].details.contains("\"intact\":true"), qPrintable(events[0].details));
        }
        if (elsewhere) {
            QVERIFY(BackupCheck::run(target, path("new pc/logs")).intact());
        } else {
            const Run verify = tool({"verify"});
            QVERIFY2(verify.exitCode == 0, qPrintable(verify.out));
            QVERIFY(QFile::exists(logs[2]));
        }
    }

    void restoreIsRefusedOverMoreEntriesThenForced()
    {
        enterThree();
        QCOMPARE(tool({"backup", backups()}).exitCode, 0);
        enter({cycleAt("RG-8", 2, "2024-03-07T08:00:00")});
        Run run = tool({"restore", backups()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.startsWith("NOT IN THE BACKUP: entry 4 (controller RG-8, cycle 2, "), qPrintable(run.out));
        QVERIFY2(run.err.contains("holds 1 entries that the backup lacks; nothing was replaced"), qPrintable(run.err));
        QCOMPARE(entriesOf(registerFile()), 4);
        run = tool({"restore", backups(), "--force"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QCOMPARE(entriesOf(registerFile()), 3);
        const QStringList kept = QDir(path("station")).entryList({"register.sqlite.replaced-*"}, QDir::Files);
        QCOMPARE(kept.size(), 1);
        QVERIFY(run.out.contains("The replaced register is kept as: " + path("station/" + kept[0])));
        QCOMPARE(entriesOf(path("station/" + kept[0])), 4);
    }

    // Old generations go only once a newer one has verified: an attempt
    // that fails leaves every one of them.
    void generationsArePrunedOnlyAfterANewerVerifiedBackup()
    {
        const QStringList logs = enterThree();
        const BackupPolicy policy{backups(), 2, 1, 7};
        QVERIFY(RegisterBackup::take(registerFile(), policy).verified);
        const QDate today = QDate::currentDate();
        QStringList old;
        for (int days : {3, 40, 41})
            old << BackupGenerations::fileName(QDateTime(today.addDays(-days), QTime(12, 0)));
        for (const QString &name : old)
            QVERIFY(QFile::copy(newest(), QDir(backups()).filePath(name)));
        const QByteArray log = read(logs[0]);
        QVERIFY(QFile::remove(logs[0]) && QFile::remove(path("usb/logs/" + QFileInfo(logs[0]).fileName())));
        const RegisterBackup::Result failed = RegisterBackup::take(registerFile(), policy);
        QVERIFY(!failed.verified);
        QVERIFY2(failed.error.contains("is missing"), qPrintable(failed.error));
        QCOMPARE(BackupGenerations::inFolder(backups()).size(), 4);
        QVERIFY(write(logs[0], log));
        const RegisterBackup::Result verified = RegisterBackup::take(registerFile(), policy);
        QVERIFY2(verified.verified, qPrintable(verified.error));
        // Today's newest and the day before's (3 days ago) are the two days
        // kept, the newest of this month is today's; those 40 days ago go,
        // as does today's older one.
        QStringList left = BackupGenerations::inFolder(backups());
        QCOMPARE(left.size(), 2);
        QCOMPARE(left.first(), old[0]);
    }

    // The Records tab's panel: a folder chosen, "Back up now", the status.
    void panelShowsTheStatusAndBacksUpOnDemand()
    {
        enterThree();
        BackupPanel panel(registerFile());
        QTRY_VERIFY(panel.shownStatus().startsWith("No verified backup yet.\nWarning: "));
        panel.setFolderChooser([&](const QString &) { return backups(); });
        panel.findChild<QPushButton *>("pushButtonBackupFolder")->click();
        auto *now = panel.findChild<QPushButton *>("pushButtonBackUpNow");
        now->click();
        QTRY_VERIFY_WITH_TIMEOUT(panel.shownStatus().startsWith("Last verified backup: today, "), 20000);
        QVERIFY(panel.shownStatus().endsWith("\nBackup folder: " + backups()));
        QVERIFY(QDir(backups()).removeRecursively());
        now->click();
        QTRY_VERIFY_WITH_TIMEOUT(panel.shownStatus().contains("\nWarning: the last backup attempt failed (today, "),
                                 20000);
        QVERIFY(now->isEnabled());
    }
};

int main(int argc, char *argv[])
{
    privateMounts = ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    STATION_GUI_TEST_RUN(TestBackup);
}

#include "tst_backup.moc"
