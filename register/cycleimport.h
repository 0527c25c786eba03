#pragma once

#include <QString>
#include <QVector>

class CycleRegister;

// Enters the run logs of a folder (and its subfolders) into the register.
// The same content is entered once, whatever its file name; a file that is
// no readable run log is named with its reason and skipped.
namespace CycleImport {

struct Unreadable {
    QString file;
    QString reason;
};

struct Result {
    int imported = 0;
    int alreadyPresent = 0;
    QVector<Unreadable> unreadable;
    // Empty unless the register failed; the import stopped there, and the
    // batch it was entering is not in the register.
    QString error;
};

// Logs larger than this are no run logs (a thousand hours of samples take 40 MB).
constexpr qint64 maxLogBytes = 256 * 1024 * 1024;

Result importFolder(CycleRegister &cycleRegister, const QString &folder);

} // namespace CycleImport
