#include "tools/regulon-sim/regulonsim.h"
#include "tools/regulon-sim/simconsole.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop normally, so that the link is
// removed on the way out.
bool quitOnSignals(QCoreApplication &app)
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    return sigaction(SIGINT, &action, nullptr) == 0 && sigaction(SIGTERM, &action, nullptr) == 0;
}

void fail(const QString &message)
{
    std::fprintf(stderr, "regulon-sim: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("regulon-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Stands in for a Regulon controller behind a pseudo-terminal in raw mode,\n"
                       "reachable through a symbolic link. Stop it with SIGINT, SIGTERM or a quit line.\n\n")
        + SimConsole::syntax());
    parser.addHelpOption();
    const QCommandLineOption linkOption(QStringLiteral("link"),
                                        QStringLiteral("Create the link PATH to the pseudo-terminal."),
                                        QStringLiteral("PATH"));
    const QCommandLineOption serialOption(QStringLiteral("serial"), QStringLiteral("Serial number (no blanks)."),
                                          QStringLiteral("S"), QStringLiteral("RG100001"));
    const QCommandLineOption cycleOption(QStringLiteral("cycle"), QStringLiteral("Cycle counter."),
                                         QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption speedOption(QStringLiteral("speed"),
                                         QStringLiteral("Simulated time runs X times faster."),
                                         QStringLiteral("X"), QStringLiteral("1"));
    const QCommandLineOption imageOption(
        QStringLiteral("image"),
        QStringLiteral("Keep the program memory image in FILE: loaded at start when it exists, "
                       "saved after every completed write."),
        QStringLiteral("FILE"));
    parser.addOptions({linkOption, serialOption, cycleOption, speedOption, imageOption});
    parser.process(app);

    bool cycleOk = false;
    bool speedOk = false;
    const int cycle = parser.value(cycleOption).toInt(&cycleOk);
    const double speed = parser.value(speedOption).toDouble(&speedOk);
    const QString serial = parser.value(serialOption);
    if (!parser.isSet(linkOption) || parser.value(linkOption).isEmpty()) {
        fail(QStringLiteral("--link PATH is required"));
        return 2;
    }
    if (!cycleOk || cycle < 0 || !speedOk || speed <= 0.0 || serial.isEmpty() || serial.contains(QLatin1Char(' '))) {
        fail(QStringLiteral("--cycle needs a whole number >= 0, --speed a number > 0, --serial a text without blanks"));
        return 2;
    }

    RegulonSim sim;
    sim.setSerialNumber(serial);
    sim.setCycleCounter(cycle);
    sim.setSpeed(speed);
    if (parser.isSet(imageOption) && !sim.useImageFile(parser.value(imageOption))) {
        fail(sim.errorString());
        return 1;
    }
    if (!sim.plugIn(parser.value(linkOption))) {
        fail(sim.errorString());
        return 1;
    }
    if (!quitOnSignals(app)) {
        fail(QStringLiteral("cannot install the signal handlers"));
        return 1;
    }
    std::printf("link: %s\npts: %s\n", qPrintable(sim.linkPath()), qPrintable(sim.devicePath()));
    std::fflush(stdout);

    SimConsole console(sim);
    QObject::connect(&console, &SimConsole::quitRequested, &app, &QCoreApplication::quit);
    if (::fcntl(STDIN_FILENO, F_GETFD) != -1)
        console.listen(STDIN_FILENO);
    return app.exec();
}
