#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

class QFile;

// Writing the station's records (run logs, journals, reports, exports)
// without ever following a symbolic link at the file's final name: a link
// planted there, even one pointing nowhere, would otherwise carry the record
// to wherever it points. Such a name is refused with a message that says so.
class NoFollowFile
{
public:
    enum class Access {
        Shared,    // read and write as the umask allows new files (run logs, reports)
        OwnerOnly, // read and write by the owner only, whatever the umask (journals)
    };

    // Writes the bytes whole or not at all: into a new file beside the final
    // name, synced to disk, which then replaces that name (an existing file,
    // never a link). False, with the reason in *errorString, when nothing
    // was written.
    static bool write(const QString &fileName, const QByteArray &bytes, Access access,
                      QString *errorString = nullptr);

    // Opens the file as QFile::open(mode) would, but never through a link
    // at its name; a file it creates gets the access given. False, with the
    // reason in *errorString.
    static bool open(QFile &file, const QString &fileName, QIODevice::OpenMode mode, Access access,
                     QString *errorString = nullptr);

    // Makes the folder and its missing parents; with OwnerOnly each folder
    // it makes is the owner's alone (an existing one is left as it is).
    static bool makeFolder(const QString &path, Access access);

    // The message for a name that is a symbolic link.
    static QString linkRefusal(const QString &fileName);
};
