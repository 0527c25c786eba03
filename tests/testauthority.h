#pragma once

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrl>

// A time-stamp authority of the test's own on 127.0.0.1: a certificate for
// time stamping made with the openssl command, and an HTTP responder that
// answers each POSTed request with `openssl ts -reply`. Never a public one.
class TestAuthority
{
public:
    // name: the certificate's common name; two authorities of different
    // names have different keys.
    explicit TestAuthority(const QString &name = QStringLiteral("Test Time-Stamp Authority"))
    {
        const QString config = dir.filePath(QStringLiteral("ts.cnf"));
        QFile file(config);
        file.open(QIODevice::WriteOnly);
        file.write(QStringLiteral("[ tsa ]\n"
                                  "default_tsa = test_tsa\n"
                                  "[ test_tsa ]\n"
                                  "serial = %1\n"
                                  "crypto_device = builtin\n"
                                  "signer_digest = sha256\n"
                                  "default_policy = 1.3.6.1.4.1.4146.2.3\n"
                                  "digests = sha256\n"
                                  "accuracy = secs:1\n"
                                  "ordering = no\n"
                                  "tsa_name = no\n"
                                  "ess_cert_id_chain = no\n"
                                  "ess_cert_id_alg = sha256\n")
                       .arg(dir.filePath(QStringLiteral("serial")))
                       .toUtf8());
        file.close();
        QFile serial(dir.filePath(QStringLiteral("serial")));
        serial.open(QIODevice::WriteOnly);
        serial.write("01\n");
        serial.close();
        made = openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "30", "-subj", "/CN=" + name,
                        "-keyout", key(), "-out", certificate(), "-addext",
                        "extendedKeyUsage=critical,timeStamping", "-addext",
                        "keyUsage=critical,digitalSignature"});
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                socket->setParent(&server);
                QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] { read(socket); });
            }
        });
    }

    // The certificate and its key were made.
    bool isMade() const { return made; }
    QString certificate() const { return dir.filePath(QStringLiteral("tsa.pem")); }

    // Answers on this port (0: any free one); false when it cannot.
    bool listen(quint16 port = 0) { return server.listen(QHostAddress::LocalHost, port); }
    void close() { server.close(); }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/tsa").arg(server.serverPort())); }

    int answered = 0; // requests answered with a reply

private:
    QString key() const { return dir.filePath(QStringLiteral("tsa.key")); }

    static bool openssl(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral("openssl"), arguments);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
            && process.exitCode() == 0;
    }

    // One request per connection: the headers, then Content-Length bytes.
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = received[socket];
        buffer += socket->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        int length = 0;
        for (const QByteArray &line : buffer.left(end).split('\n'))
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toInt();
        if (buffer.size() < end + 4 + length)
            return;
        const QString query = dir.filePath(QStringLiteral("query.tsq"));
        const QString reply = dir.filePath(QStringLiteral("reply.tsr"));
        QFile out(query);
        out.open(QIODevice::WriteOnly);
        out.write(buffer.mid(end + 4, length));
        out.close();
        QFile::remove(reply);
        QByteArray body;
        if (openssl({"ts", "-reply", "-config", dir.filePath(QStringLiteral("ts.cnf")), "-queryfile", query,
                     "-signer", certificate(), "-inkey", key(), "-out", reply})) {
            QFile in(reply);
            in.open(QIODevice::ReadOnly);
            body = in.readAll();
            ++answered;
        }
        received.remove(socket);
        socket->write((body.isEmpty() ? QByteArray("HTTP/1.1 500 Internal Server Error\r\n")
                                      : QByteArray("HTTP/1.1 200 OK\r\nContent-Type: application/timestamp-reply\r\n"))
                      + "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTemporaryDir dir;
    QTcpServer server;
    QHash<QTcpSocket *, QByteArray> received;
    bool made = false;
};
