#include "tools/regulon-sim/pseudoterminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(QString *error)
{
    close();
    master = posix_openpt(O_RDWR | O_NOCTTY);
    char name[128] = {};
    const bool ok = master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0
        && ptsname_r(master, name, sizeof name) == 0
        && fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK) == 0
        && fcntl(master, F_SETFD, FD_CLOEXEC) == 0
        && (heldSlave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC)) >= 0;
    termios tio {};
    if (!ok || tcgetattr(heldSlave, &tio) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        close();
        return false;
    }
    // Raw: no echo of the answers back to the simulator, no line editing,
    // no newline translation.
    cfmakeraw(&tio);
    cfsetspeed(&tio, B9600);
    tcsetattr(heldSlave, TCSANOW, &tio);
    slavePath = QString::fromLocal8Bit(name);
    return true;
}

void PseudoTerminal::close()
{
    if (heldSlave >= 0)
        ::close(heldSlave);
    if (master >= 0)
        ::close(master);
    heldSlave = master = -1;
    slavePath.clear();
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray data;
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n > 0)
            data.append(buffer, int(n));
        else if (!(n < 0 && errno == EINTR))
            return data;
    }
}

void PseudoTerminal::write(const QByteArray &bytes)
{
    if (master < 0)
        return;
    ssize_t n;
    do {
        n = ::write(master, bytes.constData(), size_t(bytes.size()));
    } while (n < 0 && errno == EINTR);
    // A full input queue on the station's side (nobody reading) drops the
    // answer, as a real line would lose it.
}
