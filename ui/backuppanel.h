#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class BackupScheduler;

namespace Ui {
class BackupPanel;
}

// The Records tab's line about the backups of the station's register file:
// the last verified backup and any warning, the backup folder and "Back up
// now". The backups themselves run on the scheduler's thread; a failure
// shows here, never in a box that would stand in the way of a run.
class BackupPanel : public QWidget
{
    Q_OBJECT

public:
    explicit BackupPanel(const QString &registerPath, QWidget *parent = nullptr);
    ~BackupPanel() override;

    // The status lines as shown, with the folder.
    static QString statusText(const QString &folder, const QStringList &lines);

    // How the folder is chosen; a folder dialog unless replaced (tests).
    // Empty: cancelled.
    void setFolderChooser(std::function<QString(const QString &current)> chooser);
    BackupScheduler *scheduler() const { return backups.get(); }
    // The whole status, as its tooltip gives it.
    QString shownStatus() const;

public slots:
    void cycleEntered();

private slots:
    void on_pushButtonBackUpNow_clicked();
    void on_pushButtonBackupFolder_clicked();

private:
    void showStatus(const QStringList &lines, bool healthy);

    std::unique_ptr<Ui::BackupPanel> ui;
    std::unique_ptr<BackupScheduler> backups;
    std::function<QString(const QString &)> folderChooser;
};
