#include "ui/backuppanel.h"

#include "register/backuppolicy.h"
#include "register/backupscheduler.h"
#include "ui_backuppanel.h"

#include <QDir>
#include <QFileDialog>

BackupPanel::BackupPanel(const QString &registerPath, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::BackupPanel>())
    , backups(std::make_unique<BackupScheduler>(registerPath))
    , folderChooser([this](const QString &current) {
        return QFileDialog::getExistingDirectory(this, tr("Backup folder"), current);
    })
{
    ui->setupUi(this);
    // Two lines at most, however narrow the longer texts of a language leave
    // it: the lists above keep their height. The whole text is its tooltip.
    // Measured as the label measures its text, which is a little more than
    // twice the line spacing.
    QLabel *status = ui->labelBackupStatus;
    const int margins = status->contentsMargins().top() + status->contentsMargins().bottom() + 2 * status->margin();
    status->setMaximumHeight(status->fontMetrics().boundingRect(QRect(), 0, QStringLiteral("X\nX")).height() + margins);
    connect(backups.get(), &BackupScheduler::statusRead, this, &BackupPanel::showStatus);
    connect(backups.get(), &BackupScheduler::runningChanged, this, [this](bool running) {
        ui->pushButtonBackUpNow->setEnabled(!running);
        if (running)
            ui->labelBackupStatus->setText(tr("Backing up into %1 ...")
                                               .arg(QDir::toNativeSeparators(BackupPolicy::fromSettings().folder)));
    });
    backups->readStatus();
}

BackupPanel::~BackupPanel() = default;

QString BackupPanel::statusText(const QString &folder, const QStringList &lines)
{
    QStringList shown = lines;
    shown << (folder.isEmpty() ? tr("No backup folder is chosen.")
                               : tr("Backup folder: %1").arg(QDir::toNativeSeparators(folder)));
    return shown.join(QLatin1Char('\n'));
}

void BackupPanel::setFolderChooser(std::function<QString(const QString &)> chooser)
{
    folderChooser = std::move(chooser);
}

QString BackupPanel::shownStatus() const
{
    return ui->labelBackupStatus->toolTip();
}

void BackupPanel::cycleEntered()
{
    backups->cycleEntered();
}

void BackupPanel::on_pushButtonBackUpNow_clicked()
{
    backups->backUpNow();
}

void BackupPanel::on_pushButtonBackupFolder_clicked()
{
    const QString folder = folderChooser(BackupPolicy::fromSettings().folder);
    if (folder.isEmpty())
        return;
    BackupPolicy::setFolder(folder);
    backups->readStatus();
}

void BackupPanel::showStatus(const QStringList &lines, bool healthy)
{
    // One line in the tab, the status and the first warning; the whole
    // text, the folder included, in its tooltip.
    QStringList compact{lines.value(0)};
    if (!healthy && lines.size() > 1)
        compact << lines.at(1);
    ui->labelBackupStatus->setText(compact.join(QLatin1Char(' ')));
    ui->labelBackupStatus->setToolTip(statusText(BackupPolicy::fromSettings().folder, lines));
    // The warning colour of the tab's other messages.
    ui->labelBackupStatus->setStyleSheet(healthy ? QString() : QStringLiteral("color: #b00020;"));
}
