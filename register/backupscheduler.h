#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>

// The station's backups of its register file (RegisterBackup) into the
// folder of the settings (BackupPolicy), on a thread of their own so that
// neither the window nor the register's writer ever waits for them: one
// after the first entry of each day (once it is in the register, so that
// the entry never waits for the backup), and one whenever asked. After a
// failed attempt the next entry tries again. Signals are emitted on the
// thread the scheduler was made on.
class BackupScheduler : public QObject
{
    Q_OBJECT

public:
    explicit BackupScheduler(const QString &registerPath, QObject *parent = nullptr);
    // Stops a backup under way (see RegisterBackup::take) and waits for it.
    ~BackupScheduler() override;

    bool isRunning() const { return running; }

public slots:
    // A cycle was entered: a backup, unless no folder is chosen or one
    // after an entry was verified today; after the one under way, if one is.
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
    void start(bool afterEntry);
    // Runs the call on the scheduler's thread.
    template<typename Call>
    void onThread(Call &&call);
    // Reads the status on the scheduler's thread and reports it.
    void reportStatus();

    const QString registerPath;
    bool running = false;
    bool entryWaiting = false; // an entry came while a backup was under way
    std::atomic<bool> stopping{false};
    QDate backedUpAfterEntryOn;
    QObject context;  // lives on the thread
    QThread thread;
};
