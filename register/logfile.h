#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Run log files by the names the register gives them. A name whose bytes are
// not valid in the system's encoding (Latin-1 bytes from an older computer,
// on a UTF-8 system) is read as Latin-1, and the file is found again by
// those bytes: such a log is imported, listed and verified under the name it
// has on disk, where Qt's own file names would miss it.
class LogFile
{
public:
    // The name of a path's bytes: as the system decodes them, or as Latin-1
    // when that decoding does not give the same bytes back.
    static QString name(const QByteArray &path);
    // The bytes of the file a name stands for: as the system encodes the
    // name, or its Latin-1 bytes when only a file of those exists.
    static QByteArray path(const QString &name);
    static bool exists(const QString &name);
    // Opens the file of those bytes for reading; false with the file's
    // errorString() when it cannot be.
    static bool open(QFile &file, const QByteArray &path);
};
