#include "register/backupscheduler.h"

#include "register/backuppolicy.h"
#include "register/backupstatus.h"
#include "register/cycleregister.h"
#include "register/registerbackup.h"

#include <QCoreApplication>

BackupScheduler::BackupScheduler(const QString &registerPath, QObject *parent)
    : QObject(parent), registerPath(registerPath)
{
    context.moveToThread(&thread);
    thread.setObjectName(QStringLiteral("register backup"));
    thread.start(QThread::LowPriority);
}

BackupScheduler::~BackupScheduler()
{
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
    if (!running && verifiedOn != QDate::currentDate() && !BackupPolicy::fromSettings().folder.isEmpty())
        start();
}

void BackupScheduler::backUpNow()
{
    if (!running)
        start();
}

void BackupScheduler::readStatus()
{
    onThread([this] { reportStatus(); });
}

void BackupScheduler::start()
{
    running = true;
    emit runningChanged(true);
    onThread([this, policy = BackupPolicy::fromSettings()] {
        const RegisterBackup::Result result = RegisterBackup::take(registerPath, policy);
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                running = false;
                if (result.verified)
                    verifiedOn = QDate::currentDate();
                emit runningChanged(false);
                emit backupFinished(result.verified ? QString() : result.error);
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
    const QDate verified = status ? status->lastVerified.toLocalTime().date() : QDate();
    QMetaObject::invokeMethod(
        this,
        [this, lines, healthy, verified] {
            if (verified.isValid() && (!verifiedOn.isValid() || verified > verifiedOn))
                verifiedOn = verified;
            emit statusRead(lines, healthy);
        },
        Qt::QueuedConnection);
}
