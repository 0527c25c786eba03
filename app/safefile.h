#pragma once

#include <QString>

// Files the station writes where a name planted by someone else must not
// send them: a symbolic link at the final name would make QSaveFile (which
// follows it, even when it points nowhere) write wherever the link points.
class SafeFile
{
public:
    // True when the final name of path is a symbolic link, dangling or not;
    // *error (when given) then says that nothing is written there. Links
    // among the folders above are the user's own choice and are followed.
    static bool refuseLink(const QString &path, QString *error);
};
