#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;
class RegisterWriter;

// Turns the journals of runs that a crash or a power cut interrupted into
// run logs when the station starts again, and hands every journal whose log
// is saved to the register writer.
class RunRecovery
{
    Q_DECLARE_TR_FUNCTIONS(RunRecovery)

public:
    // Every journal in journalFolder that no running station holds: a run
    // whose end is settled (logged or discarded) but that is not yet in the
    // register goes to the writer as it is. Any other becomes a run log: at
    // the path its run was to be saved to, else in logFolder under the same
    // name, else where the user chooses; the journal notes the log at once,
    // the user is told its file name, and then the writer enters and
    // deletes it. A journal whose log the user did not save is kept for the
    // next start, and the user is told so.
    static void recoverAll(QWidget *parent, const QString &journalFolder, const QString &logFolder,
                           RegisterWriter &writer);
};
