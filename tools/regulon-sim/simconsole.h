#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;
class RegulonSim;

// The simulator's text interface: one command a line (see syntax()), read
// from a descriptor such as standard input, for scripts and demos.
class SimConsole : public QObject
{
    Q_OBJECT

public:
    explicit SimConsole(RegulonSim &sim, QObject *parent = nullptr);
    ~SimConsole() override;

    static QString syntax();
    // Turns \n, \r, \t, \\ and \xNN into bytes; false in *ok for any other
    // escape or a trailing backslash.
    static QByteArray unescape(const QString &text, bool *ok);

    // Carries out one line. Returns what to print: "ok", a report, or a
    // text starting with "error: ".
    QString execute(const QString &line);

    // Executes the lines arriving on fd, printing replies on standard
    // output (errors on standard error). End of file only stops reading:
    // a simulator started in the background with no input keeps running.
    void listen(int fd);

signals:
    void quitRequested();

private:
    void readLines();

    RegulonSim &sim;
    int descriptor = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray pending;
};
