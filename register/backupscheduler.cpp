#include "register/backupscheduler.h"

#include "register/backuppolicy.h"
#include "register/backupstatus.h"
#include "register/cycleregister.h"
#include "register/registerbackup.h"

#include <QCoreApplication>

#include <utility>

BackupScheduler::BackupScheduler(const QString &registerPath, QObject *parent)
    : QObject(parent), registerPath(registerPath)
{
    context.moveToThread(&thread);
    thread.setObjectName(QStringLiteral("register backup"));
    thread.start(QThread::LowPriority);
}

BackupScheduler::~BackupScheduler()
{
    stopping = true;
    thread.quit();
    thread.wait();
}

template<typename Call>
void BackupScheduler::onThread(Call &&call)
{
    QMetaObject::invokeMethod(&context, std::forward<Call>(call), Qt::QueuedConnection);
}

void BackupScheduler::cycleEntered()
{
    if (backedUpAfterEntryOn == QDate::currentDate() || BackupPolicy::fromSettings().folder.isEmpty())
        return;
    if (running)
        entryWaiting = true; // backed up when the one under way ends
    else
        start(true);
}

void BackupScheduler::backUpNow()
{
    if (!running)
        start(false);
}

void BackupScheduler::readStatus()
{
    onThread([this] { reportStatus(); });
}

void BackupScheduler::start(bool afterEntry)
{
    running = true;
    emit runningChanged(true);
    onThread([this, afterEntry, policy = BackupPolicy::fromSettings()] {
        const RegisterBackup::Result result = RegisterBackup::take(registerPath, policy, &stopping);
        if (result.stopped)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, result, afterEntry] {
                running = false;
                if (afterEntry && result.verified)
                    backedUpAfterEntryOn = QDate::currentDate();
                emit runningChanged(false);
                emit backupFinished(result.verified ? QString() : result.error);
                if (std::exchange(entryWaiting, false))
                    cycleEntered();
            },
            Qt::QueuedConnection);
        reportStatus();
    });
}

void BackupScheduler::reportStatus()
{
    QString error;
    std::optional<BackupStatus> status;
    if (const std::unique_ptr<CycleRegister> reg =
            CycleRegister::opened(QStringLiteral("backup-status"), RegisterLocation::file(registerPath), &error))
        status = BackupStatus::read(*reg, &error);
    const int overdueDays = BackupPolicy::fromSettings().overdueDays;
    const QDateTime now = QDateTime::currentDateTime();
    const QStringList lines = status ? status->lines(now, overdueDays)
                                     : QStringList{QCoreApplication::translate("BackupScheduler",
                                                                               "The backups' status cannot be read: %1")
                                                       .arg(error)};
    const bool healthy = status && status->healthy(now, overdueDays);
    QMetaObject::invokeMethod(
        this, [this, lines, healthy] { emit statusRead(lines, healthy); }, Qt::QueuedConnection);
}
