#pragma once

#include <QCoreApplication>
#include <QMap>
#include <QSqlDatabase>
#include <QString>

// Where a cycle register is: an SQLite file, or a database on a PostgreSQL
// server. The station, its Records tab and the records tool name a register
// by this one value, whether it comes from the settings or a command line.
//
// A server location never holds a password: libpq finds it on its own
// (PGPASSWORD, the password file ~/.pgpass, or no password at all over a
// Unix socket with peer authentication), so that no password is written
// into the settings or shows on a command line.
class RegisterLocation
{
    Q_DECLARE_TR_FUNCTIONS(RegisterLocation)

public:
    enum class Kind { Invalid, File, Server };

    // Invalid, without a reason.
    RegisterLocation() = default;

    static RegisterLocation file(const QString &path);
    // Empty texts and port 0 leave the value to libpq: its environment
    // variables (PGHOST, PGPORT, PGDATABASE, PGUSER) or its defaults (the
    // local Unix socket, port 5432, the user's name). A host that starts
    // with "/" is the folder of a server's Unix socket.
    static RegisterLocation server(const QString &host, int port, const QString &database, const QString &user);
    static RegisterLocation invalid(const QString &reason);
    // A libpq connection URI, postgresql://[user@][host][:port][/database][?name=value&...],
    // as a server; any other text as a file name. A URI that cannot be
    // taken, one with a password for instance, is invalid with the reason.
    static RegisterLocation parse(const QString &text);

    Kind kind() const { return locationKind; }
    bool isValid() const { return locationKind != Kind::Invalid; }
    bool isServer() const { return locationKind == Kind::Server; }
    // Why an invalid location is one.
    QString errorString() const { return reason; }

    QString path() const { return filePath; }
    QString host() const { return hostName; }
    int port() const { return portNumber; }
    QString database() const { return databaseName; }
    QString user() const { return userName; }
    // libpq's other connection parameters a URI gave, e.g. sslmode.
    QMap<QString, QString> options() const { return parameters; }

    // The file's path, or the server as a URI that parse() reads back into
    // this location.
    QString toString() const;

    // Adds a Qt SQL connection of this name, configured but not opened.
    // Connecting to a server that is away fails within seconds.
    QSqlDatabase addDatabase(const QString &connectionName) const;

    bool operator==(const RegisterLocation &other) const;
    bool operator!=(const RegisterLocation &other) const { return !(*this == other); }

private:
    Kind locationKind = Kind::Invalid;
    QString reason;
    QString filePath;
    QString hostName;
    int portNumber = 0;
    QString databaseName;
    QString userName;
    QMap<QString, QString> parameters;
};
