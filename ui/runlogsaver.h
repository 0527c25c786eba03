#pragma once

#include "device/communicationmanager.h"
#include "records/runlog.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

// Saves a run log where the user will find it. The base paths (each
// followed by ".txt") are tried in turn; when none can be written the user
// is told which file could not be written and why, and may save the log
// elsewhere through a file dialog, as often as needed.
class RunLogSaver
{
    Q_DECLARE_TR_FUNCTIONS(RunLogSaver)

public:
    // The file written (its name and SHA-256); nothing when the user gave up.
    static std::optional<RunLog::WriteResult> save(QWidget *parent, const CommunicationManager::Program &record,
                                       const QStringList &basePaths);
};
