#include "ui/runrecovery.h"

#include "app/logging.h"
#include "records/runjournal.h"
#include "register/registerwriter.h"
#include "ui/plainmessagebox.h"
#include "ui/runlogsaver.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

void RunRecovery::recoverAll(QWidget *parent, const QString &journalFolder, const QString &logFolder,
                             RegisterWriter &writer)
{
    RunJournal journal(journalFolder);
    for (const QString &fileName : journal.journals()) {
        QByteArray content;
        if (!journal.adopt(fileName, &content))
            continue; // the run of a station that is still running
        const std::optional<RunJournal::Run> run = RunJournal::parse(content);
        if (!run) {
            qCDebug(lcRecords) << fileName << "is no run journal; left alone";
            journal.close();
            continue;
        }
        if (run->settled()) {
            journal.close();
            writer.enterJournal(fileName);
            continue;
        }
        QStringList basePaths{run->basePath, logFolder + QLatin1Char('/') + QFileInfo(run->basePath).fileName()};
        basePaths.removeDuplicates();
        const std::optional<RunLog::WriteResult> written = RunLogSaver::save(parent, run->record, basePaths);
        if (!written) {
            journal.close();
            QMessageBox::critical(parent, tr("Error"),
                                  tr("The run log of the interrupted run was NOT saved.\n"
                                     "The station keeps its record and offers it again at its next start."));
            continue;
        }
        // Noted before the user is told: a crash meanwhile must not bring a
        // second log of the run at the next start.
        journal.recordLogged({written->fileName, written->sha256, Cycle::Origin::Recovered});
        journal.close();
        PlainMessageBox::show(parent, QMessageBox::Information, tr("Run Log Recovered"),
                              tr("The station stopped before the log of a run was saved.\n"
                                 "The run log has now been saved to\n%1")
                                  .arg(QDir::toNativeSeparators(written->fileName)));
        writer.enterJournal(fileName);
    }
}
