#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

// The station's backups of its register file (RegisterBackup) into the
// folder of the settings (BackupPolicy), on a thread of their own so that
// neither the window nor the register's writer ever waits for them: one
// after the first entry of each day, and one whenever asked. A failed
// attempt is retried after the next entry. Signals are emitted on the
// thread the scheduler was made on.
class BackupScheduler : public QObject
{
    Q_OBJECT

public:
    explicit BackupScheduler(const QString &registerPath, QObject *parent = nullptr);
    // Waits for a backup under way to end.
    ~BackupScheduler() override;

    bool isRunning() const { return running; }

public slots:
    // A cycle was entered: a backup, unless one is under way, no folder is
    // chosen or one was verified today.
    void cycleEntered();
    void backUpNow();
    // Reads the status from the register's audit trail.
    void readStatus();

signals:
    void runningChanged(bool running);
    // After each backup: empty when verified.
    void backupFinished(const QString &error);
    // BackupStatus::lines and whether there is no warning.
    void statusRead(const QStringList &lines, bool healthy);

private:
    void start();
    // Runs the call on the scheduler's thread.
    template<typename Call>
    void onThread(Call &&call);
    // Reads the status on the scheduler's thread and reports it.
    void reportStatus();

    const QString registerPath;
    bool running = false;
    QDate verifiedOn; // the day of the newest verified backup known
    QObject context;  // lives on the thread
    QThread thread;
};
