#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Makes the test process a user of its own: home, documents, settings and
// runtime folders in a temporary folder. Create it before the application
// object, which reads these locations, and keep it for the whole run. Also
// chooses the offscreen platform unless one was chosen.
class IsolatedUser
{
public:
    IsolatedUser()
    {
        set("HOME", home.path());
        set("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")));
        set("XDG_DATA_HOME", home.filePath(QStringLiteral(".local/share")));
        const QString runtime = home.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        set("XDG_RUNTIME_DIR", runtime);
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

private:
    static void set(const char *name, const QString &path) { qputenv(name, QFile::encodeName(path)); }

    QTemporaryDir home;
};

// The body of main() of a GUI test program: runs it as an isolated user,
// each test function ending after timeoutMs at the latest. The documents
// folder is QStandardPaths' DocumentsLocation, as for the station.
#define STATION_GUI_TEST_RUN_WITH_TIMEOUT(TestObject, timeoutMs)                                             \
    IsolatedUser user;                                                                                       \
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))                                                \
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(timeoutMs));                                    \
    QApplication app(argc, argv);                                                                            \
    TestObject test;                                                                                         \
    return QTest::qExec(&test, argc, argv)

// The same with a minute per test function.
#define STATION_GUI_TEST_RUN(TestObject) STATION_GUI_TEST_RUN_WITH_TIMEOUT(TestObject, 60000)

#define STATION_GUI_TEST_MAIN_WITH_TIMEOUT(TestObject, timeoutMs)                                            \
    int main(int argc, char *argv[])                                                                         \
    {                                                                                                        \
        STATION_GUI_TEST_RUN_WITH_TIMEOUT(TestObject, timeoutMs);                                            \
    }

#define STATION_GUI_TEST_MAIN(TestObject) STATION_GUI_TEST_MAIN_WITH_TIMEOUT(TestObject, 60000)
