#pragma once

#include "register/registerlocation.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

// Sends what a station's own register keeps in its outbox (see
// CycleRegister::setFillingOutbox) to the central register on a server, on
// a thread of its own with its own connections to both, so that neither the
// window nor the station's recording ever waits for the network.
//
// Each item arrives exactly once. It leaves the outbox only after the
// central register has committed it, and sending it again (after an answer
// lost with the connection, or a crash in between) finds it there: an entry
// by its log or by its controller, cycle number and start (the server's
// unique keys), an audit event by all its fields, an operator account, pack
// type, pack or use by its own (see RecordTransfer). Items go in the order
// they were made, a batch at a time; a pack after its cycle's entry and
// releases, a use after its pack. While the server cannot be reached,
// or refuses, everything waits and is tried again on a timer and at each
// send().
//
// On the server an entry is entered as its own, at the end of its
// controller's chain there, with an event "cycle sent" naming the station's
// register, the entry's ID, hash and time there (as "cycle migrated" does).
// An entry altered in the station's register is not sent: a new hash over
// it would hide the change.
class RegisterSender : public QObject
{
    Q_OBJECT

public:
    // Starts at once with what earlier starts left waiting.
    RegisterSender(const QString &localPath, const RegisterLocation &central, QObject *parent = nullptr);
    // Ends its thread after the attempt under way, which a server that is
    // away ends within its connect timeout; what waits stays for the next start.
    ~RegisterSender() override;

    // How long to wait before trying again while items wait; 15 s by default.
    void setRetryInterval(int ms);
    // Sends what waits, soon.
    void send();

signals:
    // After each attempt: how many items wait (-1: unknown, the station's
    // register cannot be read); since when sending has been failing and why
    // (an invalid time and no reason once it succeeds).
    void stateChanged(int waiting, const QDateTime &failingSince, const QString &reason);
    // Entries arrived at the central register, or were found there.
    void sent(int entries);

private:
    struct Work;

    QThread thread;
    std::unique_ptr<Work> work; // used on the sender's thread only
};
