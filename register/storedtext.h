#pragma once

#include <QString>

// Texts the register and the run logs store in English, whatever the
// language of the station that wrote them (a run's status, for one), so that
// other programs read them alike. They are translated only where people
// read them.
class StoredText
{
public:
    // The text in the station's language; a text it does not know (one a
    // newer version or an imported log wrote) as it is.
    static QString shown(const QString &stored);
};
