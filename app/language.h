#pragma once

#include <QLocale>
#include <QString>

// The clinic's language as the "Language" setting names it. Only the two
// exact values choose a translation; anything else, or nothing, keeps every
// text in English exactly as the station has always shown it.
class Language
{
public:
    enum Choice { English, German, French };

    // Exact, case-sensitive: "German" and "Français" only.
    static Choice fromSetting(const QString &value);
    // The setting's value that chooses it; empty for English.
    static QString settingValue(Choice choice);
    // The language's own name, as a chooser lists it.
    static QString nativeName(Choice choice);

    // Loads the choice's catalogues (the station's and Qt's own) into the
    // application and makes its locale the default, replacing what an
    // earlier call loaded. Call it before the first window is made: texts
    // are translated when widgets are built. Returns false when a catalogue
    // could not be loaded; the texts stay English then.
    static bool install(Choice choice);
    // What install() last chose; English before it is called.
    static Choice current();
    // The locale of dates and numbers shown to people: German (Germany) or
    // French (France), and for English the C locale, whose formats the
    // station's English texts have always used.
    static QLocale locale();
};
