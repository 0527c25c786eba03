#include "tools/vaporin-records/pinreader.h"

#include <cstdio>
#include <termios.h>
#include <unistd.h>

PinReader::PinReader(bool fromStdin, QIODevice &err)
    : fromStdin(fromStdin)
    , err(err)
{
}

std::optional<QString> PinReader::read(const QString &prompt, QString *error)
{
    const bool terminal = isatty(STDIN_FILENO) == 1;
    if (!fromStdin && !terminal) {
        *error = tr("A PIN is needed: run the command at a terminal, or give --pin-stdin and the PIN on standard "
                    "input");
        return std::nullopt;
    }
    if (!in.isOpen() && !in.open(stdin, QIODevice::ReadOnly)) {
        *error = in.errorString();
        return std::nullopt;
    }
    termios saved{};
    const bool hide = terminal && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        err.write((prompt + QStringLiteral(": ")).toUtf8());
        if (hide) {
            termios quiet = saved;
            quiet.c_lflag &= tcflag_t(~ECHO);
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        }
    }
    const QByteArray line = in.readLine();
    if (hide) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        err.write("\n");
    }
    if (line.isEmpty()) {
        *error = tr("No PIN was given on standard input");
        return std::nullopt;
    }
    QString pin = QString::fromUtf8(line);
    while (pin.endsWith(QLatin1Char('\n')) || pin.endsWith(QLatin1Char('\r')))
        pin.chop(1);
    return pin;
}
