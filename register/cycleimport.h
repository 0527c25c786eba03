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

// A log of a cycle the register already holds (the same controller, cycle
// number and start) whose content differs from that entry's log: an edited
// copy, or a log of another station's making. It is not entered.
struct Differing {
    QString file;
    qint64 entryId = 0;
};

struct Result {
    int imported = 0;
    int alreadyPresent = 0; // the same content
    QVector<Differing> differing;
    QVector<Unreadable> unreadable;
    // Empty unless the register failed; the import stopped there, and the
    // batch it was entering is not in the register.
    QString error;
};

// Logs larger than this are no run logs (a thousand hours of samples take 40 MB).
constexpr qint64 maxLogBytes = 256 * 1024 * 1024;

Result importFolder(CycleRegister &cycleRegister, const QString &folder);

} // namespace CycleImport
