#pragma once

#include <QString>

class QDateTime;

// The name of a run log inside the log folder. The program's name comes from
// the controller, where anyone can type it, and the user may edit the name
// proposed: neither may choose a place outside the log folder.
class LogName
{
public:
    // The name proposed for a run: the program's text with blanks made
    // underscores, then the time as _yyyy_MM_dd__hh_mm_ss (24-hour clock),
    // made safe.
    static QString suggested(const QString &programText, const QDateTime &time);

    // The name as one file name in the log folder: path separators, control
    // characters (NUL among them) and the dots that begin the name or any
    // part between separators (".", "..", hidden names) become underscores.
    // Other names stay exactly as they are.
    static QString safe(const QString &name);
};
