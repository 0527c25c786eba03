#include "ui/runlogsaver.h"

#include "ui/plainmessagebox.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

std::optional<RunLog::WriteResult> RunLogSaver::save(QWidget *parent, const CommunicationManager::Program &record,
                                                     const QStringList &basePaths)
{
    RunLog::WriteResult attempt;
    for (const QString &basePath : basePaths) {
        attempt = RunLog::saveRunLog(record, basePath);
        if (attempt.written)
            return attempt;
    }

    QString proposal = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/')
        + QFileInfo(attempt.fileName).fileName();
    while (!attempt.written) {
        const auto answer = PlainMessageBox::show(
            parent, QMessageBox::Critical, tr("Error"),
            tr("The run log could not be written to\n%1\n%2\n\nDo you want to save it elsewhere?")
                .arg(QDir::toNativeSeparators(attempt.fileName), attempt.errorString),
            QMessageBox::Save | QMessageBox::Discard, QMessageBox::Save);
        if (answer != QMessageBox::Save)
            return std::nullopt;
        // The dialog adds the suffix before it asks about replacing a file,
        // so that its question is about the file written. Native dialogs
        // may ask about the name as typed and get the suffix only after.
        QFileDialog dialog(parent, tr("Save Run Log"), proposal, tr("Run logs (*.txt)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            continue; // back to the choice between another place and giving up
        QString chosen = dialog.selectedFiles().first();
        proposal = chosen;
        // The dialog adds nothing to a name with a dot of its own (nor to a
        // typed path with a dot in a folder's name): then the suffix and the
        // question are ours.
        if (!chosen.endsWith(QLatin1String(".txt"))) {
            chosen += QLatin1String(".txt");
            if (QFileInfo::exists(chosen)
                && PlainMessageBox::show(parent, QMessageBox::Warning, dialog.windowTitle(),
                                         tr("%1 already exists.\nDo you want to replace it?")
                                             .arg(QFileInfo(chosen).fileName()),
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                    != QMessageBox::Yes)
                continue;
        }
        attempt = RunLog::writeRunLog(record, chosen);
    }
    return attempt;
}
