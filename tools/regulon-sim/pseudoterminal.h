#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair in raw mode. The simulator talks on the master
// side; the station opens the slave device (directly or through a link).
// A slave descriptor stays open here so that the master never sees a
// hang-up while the station closes and reopens its side.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;
    ~PseudoTerminal();

    bool open(QString *error);
    void close();
    bool isOpen() const { return master >= 0; }

    int masterDescriptor() const { return master; }
    QString devicePath() const { return slavePath; }

    // Everything the station has written so far (never blocks).
    QByteArray readAvailable();
    // One write() call, so that the bytes reach the station as one burst.
    void write(const QByteArray &bytes);

private:
    int master = -1;
    int heldSlave = -1;
    QString slavePath;
};
