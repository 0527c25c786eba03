#include "tools/regulon-sim/simconsole.h"

#include "tools/regulon-sim/regulonsim.h"
#include "tools/regulon-sim/simprogrammemory.h"

#include <QSocketNotifier>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

const QString okReply = QStringLiteral("ok");

QString failure(const QString &why)
{
    return QStringLiteral("error: ") + why;
}

bool onOff(const QStringList &args, bool *on)
{
    if (args.size() != 1 || (args.at(0) != QLatin1String("on") && args.at(0) != QLatin1String("off")))
        return false;
    *on = args.at(0) == QLatin1String("on");
    return true;
}

// The number and an optional keyword of delay, split and trickle.
bool msAndKeyword(const QStringList &args, int *ms, QByteArray *keyword)
{
    bool ok = false;
    *ms = args.value(0).toInt(&ok);
    *keyword = args.value(1).toLatin1();
    return ok && *ms >= 0 && args.size() <= 2;
}

} // namespace

SimConsole::SimConsole(RegulonSim &sim, QObject *parent)
    : QObject(parent)
    , sim(sim)
{
}

SimConsole::~SimConsole() = default;

QString SimConsole::syntax()
{
    return QStringLiteral(
        "Lines on standard input, one command each:\n"
        "  bit WORD BIT on|off       raise or clear bit BIT (0-31) of status word WORD (1-3)\n"
        "  silent on|off             stop answering / answer again\n"
        "  chatter MS|off            send a receiver's position line every MS milliseconds,\n"
        "                            besides the answers, as a port that never falls silent\n"
        "  answer KEYWORD|* BYTES    answer the next command with that keyword (* any)\n"
        "                            with BYTES instead; escapes \\n \\r \\t \\\\ \\xNN\n"
        "  delay MS [KEYWORD]        send the next answer MS milliseconds late\n"
        "  split MS [KEYWORD]        send the next answer in two halves, MS apart\n"
        "  trickle MS [KEYWORD]      send the next answer byte by byte, MS apart\n"
        "  refuse start|stop CODE    answer the next start or stop with CODE\n"
        "  refuse write STEP         answer write step STEP with ACK_EEPROM -1 and store\n"
        "                            nothing, the next time a write reaches it (step 0 is\n"
        "                            PUT_EEPROM, 1-4 the records, 5 the end record)\n"
        "  ignore write STEP         stay silent on write step STEP and store nothing, once\n"
        "  corrupt LINE [N|always]   send image line LINE (0-64) with a wrong checksum on\n"
        "                            the next N reads (default 1) or on every read\n"
        "  corrupt off               send the image intact again\n"
        "  unplug                    close the pseudo-terminal and remove the link\n"
        "  plug                      plug in again: a new pseudo-terminal behind the link\n"
        "  temp CELSIUS              set the chamber temperature\n"
        "  margin KELVIN             hold the chamber that much above each step's\n"
        "                            temperature, as a real one (default 0)\n"
        "  sensor-fault on|off       report a sensor fault (run status 0)\n"
        "  serial TEXT               set the serial number\n"
        "  cycle N                   set the cycle counter\n"
        "  speed X                   run the simulated clock X times faster\n"
        "  status                    print temperature, run status, status words, device\n"
        "  quit                      remove the link and exit\n"
        "KEYWORD is a command's first word, e.g. GET_TEMP.");
}

QByteArray SimConsole::unescape(const QString &text, bool *ok)
{
    const QByteArray in = text.toUtf8();
    QByteArray out;
    *ok = true;
    for (int i = 0; i < in.size(); ++i) {
        if (in.at(i) != '\\') {
            out.append(in.at(i));
            continue;
        }
        const char c = i + 1 < in.size() ? in.at(++i) : '\0';
        bool hexOk = false;
        switch (c) {
        case 'n': out.append('\n'); break;
        case 'r': out.append('\r'); break;
        case 't': out.append('\t'); break;
        case '\\': out.append('\\'); break;
        case 'x':
            out.append(char(in.mid(i + 1, 2).toInt(&hexOk, 16)));
            if (!hexOk || in.mid(i + 1, 2).size() != 2) {
                *ok = false;
                return QByteArray();
            }
            i += 2;
            break;
        default:
            *ok = false;
            return QByteArray();
        }
    }
    return out;
}

QString SimConsole::execute(const QString &line)
{
    const QString trimmed = line.trimmed();
    const QString name = trimmed.section(QLatin1Char(' '), 0, 0);
    const QString rest = trimmed.section(QLatin1Char(' '), 1).trimmed();
    const QStringList args = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool on = false;
    bool ok = false;
    int ms = 0;
    QByteArray keyword;

    if (name == QLatin1String("bit")) {
        const int word = args.value(0).toInt(&ok);
        bool bitOk = false;
        const int bit = args.value(1).toInt(&bitOk);
        if (args.size() != 3 || !ok || !bitOk || word < 1 || word > 3 || bit < 0 || bit > 31
            || !onOff(args.mid(2), &on))
            return failure(QStringLiteral("usage: bit WORD(1-3) BIT(0-31) on|off"));
        sim.setStatusBit(word, bit, on);
    } else if (name == QLatin1String("silent") || name == QLatin1String("sensor-fault")) {
        if (!onOff(args, &on))
            return failure(name + QStringLiteral(" on|off"));
        if (name == QLatin1String("silent"))
            sim.setSilent(on);
        else
            sim.setSensorFault(on);
    } else if (name == QLatin1String("chatter")) {
        ms = args.value(0).toInt(&ok);
        if (args.size() != 1 || (args.at(0) != QLatin1String("off") && (!ok || ms <= 0)))
            return failure(QStringLiteral("usage: chatter MS|off"));
        sim.setChatter(ok ? ms : 0);
    } else if (name == QLatin1String("answer")) {
        const QByteArray raw = unescape(rest.section(QLatin1Char(' '), 1), &ok);
        if (args.size() < 2 || !ok)
            return failure(QStringLiteral("usage: answer KEYWORD|* BYTES (escapes \\n \\r \\t \\\\ \\xNN)"));
        sim.answerNextWith(raw, args.at(0) == QLatin1String("*") ? QByteArray() : args.at(0).toLatin1());
    } else if (name == QLatin1String("delay") || name == QLatin1String("split") || name == QLatin1String("trickle")) {
        if (!msAndKeyword(args, &ms, &keyword))
            return failure(QStringLiteral("usage: %1 MS [KEYWORD]").arg(name));
        if (name == QLatin1String("delay"))
            sim.delayNextAnswer(ms, keyword);
        else if (name == QLatin1String("split"))
            sim.splitNextAnswer(ms, keyword);
        else
            sim.trickleNextAnswer(ms, keyword);
    } else if (name == QLatin1String("refuse") && args.value(0) != QLatin1String("write")) {
        const int code = args.value(1).toInt(&ok);
        if (args.size() != 2 || !ok || (args.at(0) != QLatin1String("start") && args.at(0) != QLatin1String("stop")))
            return failure(QStringLiteral("usage: refuse start|stop CODE, or refuse write STEP"));
        if (args.at(0) == QLatin1String("start"))
            sim.refuseNextStart(code);
        else
            sim.refuseNextStop(code);
    } else if (name == QLatin1String("refuse") || name == QLatin1String("ignore")) {
        const int step = args.value(1).toInt(&ok);
        if (args.size() != 2 || args.at(0) != QLatin1String("write") || !ok || step < 0
            || step > SimProgramMemory::lastWriteStep)
            return failure(QStringLiteral("usage: %1 write STEP(0-%2)").arg(name).arg(SimProgramMemory::lastWriteStep));
        if (name == QLatin1String("refuse"))
            sim.refuseWriteStep(step);
        else
            sim.ignoreWriteStep(step);
    } else if (name == QLatin1String("corrupt") && args == QStringList{QStringLiteral("off")}) {
        sim.corruptChecksum(0, 0);
    } else if (name == QLatin1String("corrupt")) {
        const int line = args.value(0).toInt(&ok);
        bool readsOk = true;
        int reads = 1;
        if (args.value(1) == QLatin1String("always"))
            reads = -1;
        else if (args.size() == 2)
            reads = args.at(1).toInt(&readsOk);
        if (args.size() > 2 || !ok || line < 0 || line >= SimProgramMemory::lineCount || !readsOk || reads == 0
            || reads < -1)
            return failure(QStringLiteral("usage: corrupt LINE(0-%1) [N|always], or corrupt off")
                               .arg(SimProgramMemory::lineCount - 1));
        sim.corruptChecksum(line, reads);
    } else if (name == QLatin1String("unplug") && args.isEmpty()) {
        sim.unplug();
    } else if (name == QLatin1String("plug") && args.isEmpty()) {
        if (!sim.plugInAgain())
            return failure(sim.errorString());
        return QStringLiteral("pts: ") + sim.devicePath();
    } else if (name == QLatin1String("temp")) {
        const double celsius = args.value(0).toDouble(&ok);
        if (args.size() != 1 || !ok)
            return failure(QStringLiteral("usage: temp CELSIUS"));
        sim.setChamberTemperature(celsius);
    } else if (name == QLatin1String("margin")) {
        const double kelvin = args.value(0).toDouble(&ok);
        if (args.size() != 1 || !ok || kelvin < 0.0)
            return failure(QStringLiteral("usage: margin KELVIN (0 or more)"));
        sim.setRegulationMargin(kelvin);
    } else if (name == QLatin1String("serial")) {
        if (args.size() != 1)
            return failure(QStringLiteral("usage: serial TEXT (no blanks)"));
        sim.setSerialNumber(args.at(0));
    } else if (name == QLatin1String("cycle")) {
        const int cycle = args.value(0).toInt(&ok);
        if (args.size() != 1 || !ok || cycle < 0)
            return failure(QStringLiteral("usage: cycle N"));
        sim.setCycleCounter(cycle);
    } else if (name == QLatin1String("speed")) {
        const double factor = args.value(0).toDouble(&ok);
        if (args.size() != 1 || !ok || factor <= 0.0)
            return failure(QStringLiteral("usage: speed X (X > 0)"));
        sim.setSpeed(factor);
    } else if (name == QLatin1String("status") && args.isEmpty()) {
        return QStringLiteral("temperature %1, run status %2, words %3 %4 %5, %6")
            .arg(sim.chamberTemperature(), 0, 'f', 1)
            .arg(sim.runState())
            .arg(sim.statusWord(1), 8, 16, QLatin1Char('0'))
            .arg(sim.statusWord(2), 8, 16, QLatin1Char('0'))
            .arg(sim.statusWord(3), 8, 16, QLatin1Char('0'))
            .arg(sim.isPluggedIn() ? QStringLiteral("pts: ") + sim.devicePath() : QStringLiteral("unplugged"));
    } else if (name == QLatin1String("quit") && args.isEmpty()) {
        emit quitRequested();
    } else if (!trimmed.isEmpty()) {
        return failure(QStringLiteral("unknown command; see regulon-sim --help"));
    } else {
        return QString();
    }
    return okReply;
}

void SimConsole::listen(int fd)
{
    descriptor = fd;
    notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &SimConsole::readLines);
}

void SimConsole::readLines()
{
    char buffer[1024];
    const ssize_t n = ::read(descriptor, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0) {
        notifier->setEnabled(false);
        return;
    }
    pending.append(buffer, int(n));
    int end;
    while ((end = pending.indexOf('\n')) >= 0) {
        const QString reply = execute(QString::fromUtf8(pending.left(end)));
        pending.remove(0, end + 1);
        if (reply.isEmpty())
            continue;
        std::FILE *out = reply.startsWith(QLatin1String("error: ")) ? stderr : stdout;
        std::fputs(qPrintable(reply + QLatin1Char('\n')), out);
        std::fflush(out);
    }
}
