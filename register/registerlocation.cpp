#include "register/registerlocation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <optional>

#include <tuple>

namespace {

// A server that is away fails the connection after this long instead of the
// minutes TCP would try; libpq takes no less than 2 s.
constexpr int connectTimeoutSeconds = 5;
// A server that stops answering in the middle of a request fails it after
// this long instead of the system's quarter of an hour of retransmissions.
constexpr int tcpUserTimeoutMs = 15000;

const QRegularExpression &uriForm()
{
    // scheme, user information, host and port, database, parameters
    static const QRegularExpression form(
        QStringLiteral("^postgres(?:ql)?://(?:([^@/?#]*)@)?([^@/?#]*)(?:/([^?#]*))?(?:\\?([^#]*))?$"),
        QRegularExpression::CaseInsensitiveOption);
    return form;
}

// Percent-decoded; nothing for a "%" that is not followed by two hex digits.
std::optional<QString> decoded(const QString &text)
{
    static const QRegularExpression badEscape(QStringLiteral("%(?![0-9A-Fa-f]{2})"));
    if (text.contains(badEscape))
        return std::nullopt;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8()));
}

QString encoded(const QString &text, const QByteArray &keep = {})
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text, keep));
}

std::optional<int> parsedPort(const QString &text)
{
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

// A value as libpq's connection string takes it: quoted, with \ and '
// escaped.
QString quoted(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

} // namespace

RegisterLocation RegisterLocation::file(const QString &path)
{
    RegisterLocation location;
    location.locationKind = Kind::File;
    location.filePath = path;
    return location;
}

RegisterLocation RegisterLocation::server(const QString &host, int port, const QString &database, const QString &user)
{
    RegisterLocation location;
    location.locationKind = Kind::Server;
    location.hostName = host;
    location.portNumber = port;
    location.databaseName = database;
    location.userName = user;
    return location;
}

RegisterLocation RegisterLocation::invalid(const QString &reason)
{
    RegisterLocation location;
    location.reason = reason;
    return location;
}

RegisterLocation RegisterLocation::parse(const QString &text)
{
    if (!text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive)
        && !text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive))
        return file(text);
    const auto bad = [&](const QString &why) {
        // Not the text itself, which may hold a password.
        return invalid(tr("The connection URI cannot be used: %1.").arg(why));
    };
    const QRegularExpressionMatch match = uriForm().match(text);
    if (!match.hasMatch())
        return bad(tr("give postgresql://[user@][host][:port][/database][?name=value&...]"));

    const QString userInfo = match.captured(1);
    if (userInfo.contains(QLatin1Char(':')))
        return bad(tr("it holds a password, which would show to every user of this computer; "
                      "give it in PGPASSWORD or the password file ~/.pgpass instead"));
    QString hostSpec = match.captured(2);
    QString portText;
    if (hostSpec.startsWith(QLatin1Char('['))) { // an IPv6 address
        const int close = hostSpec.indexOf(QLatin1Char(']'));
        const QString rest = hostSpec.mid(close + 1);
        if (close < 0 || (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':'))))
            return bad(tr("the host %1 is no [IPv6 address]").arg(hostSpec));
        portText = rest.mid(1);
        hostSpec = hostSpec.mid(1, close - 1);
    } else if (hostSpec.contains(QLatin1Char(':'))) {
        portText = hostSpec.section(QLatin1Char(':'), 1);
        hostSpec = hostSpec.section(QLatin1Char(':'), 0, 0);
    }

    const std::optional<QString> user = decoded(userInfo);
    const std::optional<QString> host = decoded(hostSpec);
    const std::optional<QString> database = decoded(match.captured(3));
    if (!user || !host || !database)
        return bad(tr("a \"%\" is not followed by two hexadecimal digits"));
    RegisterLocation location = server(*host, 0, *database, *user);

    const QStringList pairs = match.captured(4).split(QLatin1Char('&'), Qt::SkipEmptyParts);
    for (const QString &pair : pairs) {
        static const QRegularExpression keyword(QStringLiteral("^[a-z_]+$"));
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        const std::optional<QString> value = decoded(pair.section(QLatin1Char('='), 1));
        if (!pair.contains(QLatin1Char('=')) || !keyword.match(name).hasMatch() || !value)
            return bad(tr("the parameter \"%1\" is no name=value").arg(pair));
        if (name == QLatin1String("password"))
            return bad(tr("it holds a password, which would show to every user of this computer; "
                          "give it in PGPASSWORD or the password file ~/.pgpass instead"));
        // Qt's driver would split the connection string there.
        if (value->contains(QLatin1Char(';')))
            return bad(tr("the value of %1 holds a \";\"").arg(name));
        if (name == QLatin1String("host"))
            location.hostName = *value;
        else if (name == QLatin1String("port"))
            portText = *value;
        else if (name == QLatin1String("dbname"))
            location.databaseName = *value;
        else if (name == QLatin1String("user"))
            location.userName = *value;
        else
            location.parameters.insert(name, *value);
    }
    if (!portText.isEmpty()) {
        const std::optional<int> port = parsedPort(portText);
        if (!port)
            return bad(tr("the port %1 is no number from 1 to 65535").arg(portText));
        location.portNumber = *port;
    }
    return location;
}

QString RegisterLocation::toString() const
{
    if (locationKind != Kind::Server)
        return filePath;
    QString uri = QStringLiteral("postgresql://");
    if (!userName.isEmpty())
        uri += encoded(userName) + QLatin1Char('@');
    QStringList query;
    // A socket's folder goes into the parameters, where its slashes may stand.
    if (hostName.startsWith(QLatin1Char('/')))
        query << QStringLiteral("host=") + encoded(hostName, "/");
    else if (hostName.contains(QLatin1Char(':')))
        uri += QLatin1Char('[') + hostName + QLatin1Char(']');
    else
        uri += encoded(hostName);
    if (portNumber)
        uri += QLatin1Char(':') + QString::number(portNumber);
    if (!databaseName.isEmpty())
        uri += QLatin1Char('/') + encoded(databaseName);
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        query << it.key() + QLatin1Char('=') + encoded(it.value(), "/");
    if (!query.isEmpty())
        uri += QLatin1Char('?') + query.join(QLatin1Char('&'));
    return uri;
}

QSqlDatabase RegisterLocation::addDatabase(const QString &connectionName) const
{
    Q_ASSERT(isValid());
    if (locationKind == Kind::File) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        db.setDatabaseName(filePath);
        // Another process entering a cycle holds the database for milliseconds.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        return db;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(hostName);
    if (portNumber)
        db.setPort(portNumber);
    db.setDatabaseName(databaseName);
    db.setUserName(userName);
    QMap<QString, QString> options{{QStringLiteral("connect_timeout"), QString::number(connectTimeoutSeconds)},
                                   {QStringLiteral("tcp_user_timeout"), QString::number(tcpUserTimeoutMs)},
                                   // Not the notices of work that was done already ("relation
                                   // ... already exists, skipping") on standard error.
                                   {QStringLiteral("options"), QStringLiteral("-c client_min_messages=warning")}};
    for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
        options.insert(it.key(), it.value());
    QStringList connectOptions;
    for (auto it = options.cbegin(); it != options.cend(); ++it)
        connectOptions << it.key() + QLatin1Char('=') + quoted(it.value());
    db.setConnectOptions(connectOptions.join(QLatin1Char(';')));
    return db;
}

bool RegisterLocation::operator==(const RegisterLocation &o) const
{
    const auto fields = [](const RegisterLocation &l) {
        return std::tie(l.locationKind, l.reason, l.filePath, l.hostName, l.portNumber, l.databaseName, l.userName,
                        l.parameters);
    };
    return fields(*this) == fields(o);
}
