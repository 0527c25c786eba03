#pragma once

#include "bench/benchrow.h"
#include "register/cycleregister.h"
#include "register/parallel.h"
#include "register/sha256.h"
#include "tests/registertestdata.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <atomic>

// A clinic's register after years of use, for the register's benchmarks
// (and those of whatever reads it): cycles of two hours with a sample every
// 2 s, ten a day on three controllers, each with its run log in
// logs/<thousand>/, and each load released by one of four operators with
// its lot. Made once per folder and count and kept; a later call finds it
// complete and returns at once.
namespace GeneratedRegister {

inline QStringList programNames()
{
    return {QStringLiteral("Program 1"), QStringLiteral("Instruments 134"), QStringLiteral("Textiles 121"),
            QStringLiteral("Prion 134/18"), QStringLiteral("Rubber 121"), QStringLiteral("Test B&D")};
}

// Where the benchmarks keep the register of that many cycles: the build's bench-data/.
inline QString benchFolder(int count)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bench-data/register-%1").arg(count);
}

inline QString registerPath(const QString &folder)
{
    return folder + QStringLiteral("/register.sqlite");
}

// The cycle number n (from 0) of the generated register, with its samples.
inline Cycle cycle(int n)
{
    const QDateTime day = RegisterTestData::localTime(QStringLiteral("2015-01-05T07:00:00")).addDays(n / 10);
    Cycle c = RegisterTestData::cycle(QStringLiteral("RG24%1").arg(n % 3, 4, 10, QLatin1Char('0')), 1000 + n / 3,
                                      day.addSecs(qint64(n % 10) * 4000), RegisterTestData::run(120, quint32(n)),
                                      programNames().at(n % 7 % 6));
    if (n % 23 == 0)
        c.status = QStringLiteral("Cancelled by user");
    return c;
}

// The release of the cycle number n's load.
inline Release release(int n, qint64 cycleId)
{
    static const QStringList operators{QStringLiteral("A. Meier"), QStringLiteral("B. Huber"),
                                       QStringLiteral("C. Roth"), QStringLiteral("D. Keller")};
    Release r;
    r.cycleId = cycleId;
    r.operatorName = operators.at(n % 4);
    r.lot = QStringLiteral("LOT-%1").arg(10000 + n);
    r.load = QStringLiteral("Tray %1").arg(n % 5 + 1);
    r.chemicalIndicator = Release::ChemicalIndicator::Passed;
    r.decision = Release::Decision::Released;
    r.comment = QStringLiteral("as the indicator showed");
    return r;
}

inline QString logPath(const QString &folder, int n)
{
    return QStringLiteral("%1/logs/%2/cycle-%3.txt").arg(folder).arg(n / 1000, 3, 10, QLatin1Char('0')).arg(n);
}

// False, with *error, when it cannot be made.
inline bool make(const QString &folder, int count, QString *error)
{
    const QString done = QStringLiteral("%1/complete-released-%2").arg(folder).arg(count);
    if (QFile::exists(done))
        return true;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QElapsedTimer clock;
    clock.start();
    CycleRegister store(QStringLiteral("generator"));
    if (!store.open(registerPath(folder))) {
        *error = store.errorString();
        return false;
    }
    constexpr int batch = 500;
    for (int first = 0; first < count; first += batch) {
        // The logs are made and written on all cores, the entries in one transaction.
        QVector<Cycle> cycles(qMin(batch, count - first));
        Cycle *const made = cycles.data(); // detached once, before the threads share it
        std::atomic<bool> written{true};
        Parallel::forEach(cycles.size(), [&](int i) {
            Cycle &c = made[i];
            c = cycle(first + i);
            c.logPath = logPath(folder, first + i);
            QDir().mkpath(QFileInfo(c.logPath).absolutePath());
            const QByteArray log = RegisterTestData::log(c);
            QFile file(c.logPath);
            if (!file.open(QIODevice::WriteOnly) || file.write(log) != log.size())
                written = false;
            c.logSha256 = Sha256::hex(log);
        });
        if (!written) {
            *error = QStringLiteral("the logs could not be written");
            return false;
        }
        QVector<Release> releases;
        for (const CycleRegister::EnterResult &result : store.enter(cycles)) {
            if (result.outcome != CycleRegister::Outcome::Entered) {
                *error = result.error;
                return false;
            }
            releases << release(first + releases.size(), result.id);
        }
        if (!store.enterReleases(releases)) {
            *error = store.errorString();
            return false;
        }
    }
    QFile marker(done);
    marker.open(QIODevice::WriteOnly);
    qInfo("generated a register of %d cycles in %.0f s", count, clock.elapsed() / 1000.0);
    return true;
}

// The folder of the generated register of count cycles, made first when it
// is not there yet; empty, with the failure reported as a benchmark row,
// when it cannot be made.
inline QString ready(int count)
{
    const QString folder = benchFolder(count);
    QString error;
    if (!make(folder, count, &error)) {
        benchFailed(QStringLiteral("generated register"), error);
        return QString();
    }
    return folder;
}

} // namespace GeneratedRegister
