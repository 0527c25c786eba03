#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// Turns the journals of runs that a crash or a power cut interrupted into
// run logs when the station starts again.
class RunRecovery
{
    Q_DECLARE_TR_FUNCTIONS(RunRecovery)

public:
    // Every journal in journalFolder that no running station holds becomes
    // a run log: at the path its run was to be saved to, else in logFolder
    // under the same name, else where the user chooses. The user is told
    // each file name, and only then is the journal deleted. A journal whose
    // log the user did not save is kept for the next start, and the user is
    // told so.
    static void recoverAll(QWidget *parent, const QString &journalFolder, const QString &logFolder);
};
