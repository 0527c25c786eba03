// Backups of the register of a clinic after ten years (30,000 two-hour
// cycles with their logs): the first backup into an empty folder, the daily
// one after one more cycle (only its log is copied) and the verification of
// a backup where it lies.

#include "bench/benchrow.h"
#include "bench/generatedregister.h"
#include "register/backupcheck.h"
#include "register/backupgenerations.h"
#include "register/registerbackup.h"

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30000;
    const QString folder = GeneratedRegister::ready(count);
    if (folder.isEmpty())
        return 1;
    // A copy of the register (its logs stay where they are) that the cycle
    // of the daily backup goes into, and the backup folder, on the same disk.
    QTemporaryDir work(folder + QStringLiteral("-backup-XXXXXX"));
    const QString registerPath = work.filePath(QStringLiteral("register.sqlite"));
    if (!QFile::copy(GeneratedRegister::registerPath(folder), registerPath) || !QDir().mkpath(work.filePath("usb"))) {
        benchFailed(QStringLiteral("backup"), QStringLiteral("the register cannot be copied"));
        return 1;
    }
    const BackupPolicy policy{work.filePath(QStringLiteral("usb")), 14, 12, 7};
    const auto timed = [&](const QString &name, double below) {
        QElapsedTimer clock;
        clock.start();
        const RegisterBackup::Result result = RegisterBackup::take(registerPath, policy);
        const double seconds = clock.elapsed() / 1000.0;
        if (!result.verified) {
            benchFailed(name, result.error);
            return false;
        }
        qInfo("%s: %d entries, %d logs copied", qPrintable(name), result.entries, result.logsCopied);
        benchRow(name, seconds, QStringLiteral("s"), below);
        return true;
    };
    if (!timed(QStringLiteral("backup: the first, %1 entries and their logs").arg(count), 0.0))
        return 1;

    CycleRegister store(QStringLiteral("bench"));
    QVector<Cycle> one{GeneratedRegister::cycle(count)};
    one[0].logPath = work.filePath(QStringLiteral("cycle-%1.txt").arg(count));
    const QByteArray log = RegisterTestData::log(one[0]);
    one[0].logSha256 = Sha256::hex(log);
    QFile file(one[0].logPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(log) != log.size() || !store.open(registerPath)
        || !RegisterTestData::enter(store, one)) {
        benchFailed(QStringLiteral("backup"), QStringLiteral("one more cycle cannot be entered"));
        return 1;
    }
    file.close();
    if (!timed(QStringLiteral("backup: the daily one after one more cycle (1 log copied)"), 60.0))
        return 1;

    const QStringList generations = BackupGenerations::inFolder(policy.folder);
    QElapsedTimer clock;
    clock.start();
    const CycleVerifier::Report report =
        BackupCheck::run(QDir(policy.folder).filePath(generations.last()), QDir(policy.folder).filePath("logs"));
    if (!report.intact()) {
        benchFailed(QStringLiteral("backup verification"), report.error);
        return 1;
    }
    benchRow(QStringLiteral("backup: verifying one where it lies (integrity, %1 entries, %2 copied logs)")
                 .arg(report.entries)
                 .arg(report.logs),
             clock.elapsed() / 1000.0, QStringLiteral("s"));
    return 0;
}
