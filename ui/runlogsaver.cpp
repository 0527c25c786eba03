#include "ui/runlogsaver.h"

#include "records/runlog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

std::optional<QString> RunLogSaver::save(QWidget *parent, const CommunicationManager::Program &record,
                                         const QStringList &basePaths)
{
    RunLog::WriteResult attempt;
    for (const QString &basePath : basePaths) {
        attempt = RunLog::saveRunLog(record, basePath);
        if (attempt.written)
            return attempt.fileName;
    }

    QString proposal = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
        + QFileInfo(attempt.fileName).fileName();
    while (!attempt.written) {
        const auto answer = QMessageBox::critical(
            parent, tr("Error"),
            tr("The run log could not be written to\n%1\n%2\n\nDo you want to save it elsewhere?")
                .arg(QDir::toNativeSeparators(attempt.fileName), attempt.errorString),
            QMessageBox::Save | QMessageBox::Discard, QMessageBox::Save);
        if (answer != QMessageBox::Save)
            return std::nullopt;
        QString chosen = QFileDialog::getSaveFileName(parent, tr("Save Run Log"), proposal, tr("Run logs (*.txt)"));
        if (chosen.isEmpty())
            continue; // back to the choice between another place and giving up
        if (!chosen.endsWith(QLatin1String(".txt")))
            chosen += QLatin1String(".txt");
        proposal = chosen;
        attempt = RunLog::writeRunLog(record, chosen);
    }
    return attempt.fileName;
}
