#pragma once

#include "records/runjournal.h"
#include "register/cycle.h"
#include "register/registerlocation.h"
#include "register/registersender.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThread>

#include <memory>
#include <optional>

// Enters what the station records into the cycle register, off the GUI
// thread: the journals of runs whose end is settled (log saved, or
// discarded) and audit events. Each waits as a file in the journals' folder
// until the register holds it and is deleted only then, so a register that
// cannot be written (locked, read-only, a full disk) loses nothing: while
// entries wait the writer tries again on a timer, and whenever a new one
// arrives. Entering twice is harmless (the register finds the cycle, the
// writer the event), so a crash between entering and deleting costs nothing.
//
// A register on a server is written through the station's own register
// file: everything is entered there first, where a server that is away
// cannot lose it, and waits in its outbox until the sender has sent it on.
//
// The calls return at once; the work is done on the writer's own thread,
// with its own connection to the register. Its signals are emitted on the
// thread the writer was created on.
class RegisterWriter : public QObject
{
    Q_OBJECT

public:
    // Enters into the register at location: a file directly; a server (or
    // a location that cannot be used, which waits like a server that is
    // away) through the register file localPath and a sender. Events that
    // an earlier start left waiting in the folder are entered at once.
    RegisterWriter(const RegisterLocation &location, const QString &localPath,
                   const QString &folder = RunJournal::defaultFolder(), QObject *parent = nullptr);
    // The register file at the path.
    explicit RegisterWriter(const QString &registerPath, const QString &folder = RunJournal::defaultFolder(),
                            QObject *parent = nullptr);
    // Ends its thread once everything handed over has been tried; what could
    // not be entered waits in the folder for the next start.
    ~RegisterWriter() override;

    // The register entry of a settled run; nothing, with *reason, when the
    // journal cannot make one.
    static std::optional<Cycle> cycleOf(const RunJournal::Run &run, QString *reason);
    // The waiting file of an event, and the event a file holds (nothing for
    // a file that is not one).
    static QByteArray eventFileContent(const AuditEvent &event);
    static std::optional<AuditEvent> eventOf(const QByteArray &content);

    // How long to wait before trying again while entries wait; 15 s by default.
    void setRetryInterval(int ms);
    // Sends the outbox on to the server; nullptr when the register is a file.
    RegisterSender *sender() const { return outboxSender.get(); }

    // Enters the journal of a settled run, which its station has closed, and
    // then deletes it.
    void enterJournal(const QString &fileName);
    // Makes the event durable (a file written atomically in the folder,
    // right here), then enters it and deletes the file. The event's time,
    // user and station are filled in here when empty.
    void enterEvent(AuditEvent event);

signals:
    void cycleEntered(qint64 id);
    void eventEntered(qint64 id);
    // An attempt to enter what waits failed; it is kept and tried again.
    void failed(const QString &reason);
    // After each attempt: how many entries wait; 0 when all are entered.
    void waitingChanged(int count);

private:
    struct Waiting;
    struct Work;

    // Runs the call on the writer's thread.
    template<typename Call>
    void onThread(Call &&call);

    // Destroyed after the writer's thread has ended, which tells it of new entries.
    std::unique_ptr<RegisterSender> outboxSender;
    QThread thread;
    std::unique_ptr<Work> work; // used on the writer's thread only
};
