#pragma once

#include "register/cycleregister.h"
#include "register/registerlocation.h"

#include <QDir>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QVersionNumber>

#include <atomic>
#include <memory>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

// A PostgreSQL server of the test program's own, from Debian's packages: a
// new cluster in a temporary folder, reachable only through a Unix socket in
// that folder (nothing listens on the network), fast rather than durable.
// One per test program; a fresh database per test function.
//
// Run as root, the server runs as "nobody" (it refuses to run as root); the
// test still connects over the socket, as the roles the tests create. The
// server goes down with this object and, should the test process be killed
// or crash first, with the process: the kernel sends it SIGQUIT (immediate
// shutdown) when its parent dies.
class PostgresServer
{
public:
    // The superuser, and the role that owns the databases of createDatabase().
    static constexpr const char *superuser = "postgres";
    static constexpr const char *owner = "tester";

    PostgresServer() { problem = start(); }
    ~PostgresServer()
    {
        stop();
        if (QSqlDatabase::contains(adminConnection))
            QSqlDatabase::removeDatabase(adminConnection);
    }

    // Stops the server; its sessions end at once, rolling back whatever
    // they were doing (a fast shutdown).
    void stop()
    {
        if (QSqlDatabase::contains(adminConnection))
            QSqlDatabase::database(adminConnection, false).close();
        if (server.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(server.processId()), SIGINT);
        if (!server.waitForFinished(15000)) {
            server.kill();
            server.waitForFinished(5000);
        }
    }
    // Starts the stopped server again, with its databases; true at once
    // when it runs.
    bool restart()
    {
        if (server.state() != QProcess::NotRunning)
            return true;
        problem = launch();
        return problem.isEmpty();
    }

    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    bool isRunning() const { return problem.isEmpty(); }
    QString errorString() const { return problem; }
    QString socketFolder() const { return folder.path(); }
    QString log() const
    {
        QFile file(folder.filePath(QStringLiteral("server.log")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
    }

    // The folder of the server's programs (psql, pg_dump, ...); the newest
    // version installed.
    static QString binFolder()
    {
        const QDir versions(QStringLiteral("/usr/lib/postgresql"));
        QString newest;
        for (const QString &version : versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (QFileInfo(versions.filePath(version + QStringLiteral("/bin/initdb"))).isExecutable()
                && (newest.isEmpty()
                    || QVersionNumber::fromString(version) > QVersionNumber::fromString(newest)))
                newest = version;
        }
        return newest.isEmpty() ? QString() : versions.filePath(newest + QStringLiteral("/bin"));
    }

    // The database on this server, as the user.
    RegisterLocation location(const QString &database, const QString &user = QLatin1String(owner)) const
    {
        return RegisterLocation::server(socketFolder(), 0, database, user);
    }

    // A new empty database that the owner role owns.
    RegisterLocation createDatabase()
    {
        const QString name = QStringLiteral("test_%1").arg(++databases);
        if (!exec(QStringLiteral("CREATE DATABASE %1 OWNER %2").arg(name, QLatin1String(owner))))
            qWarning("%s", qPrintable(lastError));
        return location(name);
    }

    // A statement as the superuser, in the server's maintenance database.
    bool exec(const QString &statement)
    {
        QSqlQuery query(QSqlDatabase::database(adminConnection, false));
        if (query.exec(statement))
            return true;
        lastError = statement + QStringLiteral(": ") + query.lastError().text();
        return false;
    }

private:
    QString dataFolder() const { return folder.filePath(QStringLiteral("data")); }

    // Empty when the server is up, otherwise what went wrong.
    QString start()
    {
        if (!folder.isValid())
            return QStringLiteral("no temporary folder");
        const QString bin = binFolder();
        if (bin.isEmpty())
            return QStringLiteral("PostgreSQL's programs are missing (/usr/lib/postgresql/*/bin): "
                                  "scripts/install-packages brings the package postgresql");
        if (geteuid() == 0) {
            const passwd *nobody = getpwnam("nobody");
            if (!nobody || chown(QFile::encodeName(folder.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0)
                return QStringLiteral("the folder cannot be given to the user nobody");
            account = QStringList{QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                                  QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups")};
        }
        QProcess initdb;
        initdb.setProcessChannelMode(QProcess::MergedChannels);
        initdb.start(QStringLiteral("setpriv"),
                     account + QStringList{bin + QStringLiteral("/initdb"), QStringLiteral("-D"), dataFolder(),
                                           QStringLiteral("-U"), QLatin1String(superuser), QStringLiteral("--auth=trust"),
                                           QStringLiteral("--no-sync"), QStringLiteral("--no-locale"),
                                           QStringLiteral("--encoding=UTF8"), QStringLiteral("--no-instructions")});
        if (!initdb.waitForFinished(60000) || initdb.exitStatus() != QProcess::NormalExit || initdb.exitCode() != 0)
            return QStringLiteral("initdb failed: ") + QString::fromLocal8Bit(initdb.readAll());
        const QString launched = launch();
        if (!launched.isEmpty())
            return launched;
        if (!exec(QStringLiteral("CREATE ROLE %1 LOGIN").arg(QLatin1String(owner))))
            return lastError;
        return {};
    }

    // Empty when the server is up and takes connections.
    QString launch()
    {
        const QString bin = binFolder();
        server.setProcessChannelMode(QProcess::MergedChannels);
        server.setStandardOutputFile(folder.filePath(QStringLiteral("server.log")), QIODevice::Append);
        server.start(QStringLiteral("setpriv"),
                     account + QStringList{QStringLiteral("--pdeathsig=SIGQUIT"), bin + QStringLiteral("/postgres"),
                                           QStringLiteral("-D"), dataFolder(), QStringLiteral("-k"), folder.path(),
                                           QStringLiteral("-c"), QStringLiteral("listen_addresses="),
                                           QStringLiteral("-c"), QStringLiteral("fsync=off"),
                                           QStringLiteral("-c"), QStringLiteral("synchronous_commit=off"),
                                           QStringLiteral("-c"), QStringLiteral("full_page_writes=off")});
        const bool up = QTest::qWaitFor([&] { return server.state() == QProcess::NotRunning || connectAdmin(); }, 30000);
        if (!up || server.state() == QProcess::NotRunning)
            return QStringLiteral("the server did not start: ") + log();
        return {};
    }


    bool connectAdmin()
    {
        if (!QSqlDatabase::contains(adminConnection))
            location(QStringLiteral("postgres"), QLatin1String(superuser)).addDatabase(adminConnection);
        return QSqlDatabase::database(adminConnection, false).open();
    }

    const QString adminConnection = QStringLiteral("postgres-server-admin");
    QTemporaryDir folder{QDir::tempPath() + QStringLiteral("/pg-XXXXXX")};
    QStringList account; // setpriv's arguments to run as nobody
    QProcess server;
    QString problem;
    QString lastError;
    int databases = 0;
};

// A register on a connection of its own; why it did not open goes to the
// test's output.
inline std::unique_ptr<CycleRegister> openRegister(const RegisterLocation &location)
{
    static std::atomic<int> connections{0};
    auto r = std::make_unique<CycleRegister>(QStringLiteral("test-%1").arg(++connections));
    if (!r->open(location))
        qWarning("%s", qPrintable(r->errorString()));
    return r;
}

// The rows of `from` (a table, with a condition perhaps); -1 when they
// cannot be counted.
inline qint64 countRows(CycleRegister &reg, const QString &from)
{
    QSqlQuery query(reg.database());
    return query.exec(QStringLiteral("SELECT COUNT(*) FROM ") + from) && query.next() ? query.value(0).toLongLong() : -1;
}
