#include "app/language.h"

#include "app/logging.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {
Language::Choice installed = Language::English;
// The station's catalogue and Qt's own (standard buttons, context menus).
std::unique_ptr<QTranslator> stationCatalogue;
std::unique_ptr<QTranslator> toolkitCatalogue;

QString suffix(Language::Choice choice)
{
    return choice == Language::German ? QStringLiteral("de") : QStringLiteral("fr");
}

std::unique_ptr<QTranslator> load(const QString &file, const QString &folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) {
        qCWarning(lcUi) << "translation catalogue not found:" << folder + QLatin1Char('/') + file;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    return translator;
}
} // namespace

Language::Choice Language::fromSetting(const QString &value)
{
    if (value == QLatin1String("German"))
        return German;
    if (value == QStringLiteral("Français"))
        return French;
    return English;
}

QString Language::settingValue(Choice choice)
{
    switch (choice) {
    case German:
        return QStringLiteral("German");
    case French:
        return QStringLiteral("Français");
    case English:
        break;
    }
    return QString();
}

QString Language::nativeName(Choice choice)
{
    switch (choice) {
    case German:
        return QStringLiteral("Deutsch");
    case French:
        return QStringLiteral("Français");
    case English:
        break;
    }
    return QStringLiteral("English");
}

bool Language::install(Choice choice)
{
    // Destroying a translator takes it out of the application.
    stationCatalogue.reset();
    toolkitCatalogue.reset();
    // English leaves the default locale as the system gave it, as it always was.
    static const QLocale systemDefault;
    installed = choice;
    QLocale::setDefault(choice == English ? systemDefault : locale());
    if (choice == English)
        return true;
    stationCatalogue = load(QStringLiteral("vaporin_") + suffix(choice), QStringLiteral(":/translations"));
    toolkitCatalogue = load(QStringLiteral("qtbase_") + suffix(choice),
                            QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    return stationCatalogue && toolkitCatalogue;
}

Language::Choice Language::current()
{
    return installed;
}

QLocale Language::locale()
{
    switch (installed) {
    case German:
        return QLocale(QLocale::German, QLocale::Germany);
    case French:
        return QLocale(QLocale::French, QLocale::France);
    case English:
        break;
    }
    return QLocale::c();
}
