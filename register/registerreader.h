#pragma once

#include "register/cycleregister.h"
#include "register/release.h"

#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class RegisterReaderContext;
struct RegisterReaderSource;

// Reads the cycle register on a thread of its own, with a connection of its
// own, so that a window never waits for the database: a slow disk, a lock
// held by another process or, later, a server far away. Requests are made
// from the thread this object lives in; each returns a ticket, and its
// answer arrives later as a signal carrying that ticket (answers come in the
// order asked). A requester keeps the ticket of the request it still wants
// and drops any other answer, e.g. one to a filter changed meanwhile.
//
// The register is opened at the first request and, while it cannot be,
// again at each later one; until then every answer carries the error.
//
// Besides reading, it enters the releases that the Records view's users make
// and the audit events of their settings (the only things the view writes),
// and writes the reports of what it reads.
//
// A register on a server may have a fallback, the station's own register
// file: while the server cannot be reached the answers come from there
// (sourceChanged tells), and the server is tried again after a while or
// once retryCentral() is called.
class RegisterReader : public QObject
{
    Q_OBJECT

public:
    // Where a report goes: a PDF file, or a printer that its dialog set up.
    struct ReportOutput {
        QString pdfFile;
        std::shared_ptr<QPrinter> printer;
    };

    // What a list of cycles can be filtered by, sorted, each once.
    struct Choices {
        QStringList programs;
        QStringList statuses;
        QStringList controllers;
        QStringList operators; // who made releases
    };

    // The register file.
    explicit RegisterReader(const QString &registerPath, QObject *parent = nullptr);
    // The register at location; without a fallback, answers carry the
    // error while it cannot be opened.
    RegisterReader(const RegisterLocation &location, const QString &fallback, QObject *parent = nullptr);
    // Waits for the request under way, drops the others.
    ~RegisterReader() override;

    // Another reader of the same registers, on a connection of its own, that
    // reads the one this reader reads: when either finds the server away,
    // both answer from the fallback.
    std::unique_ptr<RegisterReader> companion(QObject *parent = nullptr) const;
    // The next request tries the server again (it is back, for instance).
    void retryCentral();

    // Cycles without samples, newest first (see CycleRegister::cycles);
    // limit -1: all.
    quint64 readCycles(const CycleRegister::Filter &filter, int limit, const std::optional<Cycle> &after = {});
    quint64 readCount(const CycleRegister::Filter &filter);
    // What to filter by.
    quint64 readChoices();
    // One cycle with its samples.
    quint64 readCycle(qint64 id);
    // The audit trail, newest first (see CycleRegister::eventsPage).
    quint64 readEvents(qint64 cycleId, int limit, const std::optional<AuditEvent> &after = {},
                       const QDateTime &since = {});
    // Writes the cycles of the filter / one cycle's samples as CSV into the
    // file, replacing it only once the whole file is written.
    quint64 exportCycles(const CycleRegister::Filter &filter, const QString &file);
    quint64 exportSamples(qint64 id, const QString &file);
    // A cycle's release history, oldest first.
    quint64 readReleases(qint64 cycleId);
    // Enters the release of the cycle release.cycleId, whose entry has
    // this hash, into the register read now. The answer comes when the
    // release is entered or has failed: a form stays open until then, so
    // that a release is never lost once its form is saved. Signed with the
    // operator's PIN once the register has accounts (see ReleaseSigning).
    quint64 submitRelease(const Release &release, const QString &entryHash, const QString &pin = {});
    // Appends the event to the audit trail of the register read now, its
    // time, user and station filled in; the answer comes once it is there.
    quint64 submitEvent(const AuditEvent &event);
    // The cycle report of one entry with its release history, and the
    // period report of the cycles of the filter between the days (invalid:
    // those of the first and the last cycle), naming the clinic.
    quint64 writeCycleReport(qint64 id, const QString &clinicName, const ReportOutput &output);
    quint64 writePeriodReport(const CycleRegister::Filter &filter, const QDate &from, const QDate &to,
                              const QString &clinicName, const ReportOutput &output);

    // For the records kept beside the cycles (packs, uses): work runs on
    // the reader's thread with the register read now, and what it returns
    // runs on this object's thread; failed(error) runs there instead when
    // the register cannot be opened. What work captures must outlive it.
    using Done = std::function<void()>;
    quint64 access(std::function<Done(CycleRegister &)> work, std::function<void(const QString &error)> failed);

signals:
    // error is empty on success, otherwise a sentence for the user.
    void cyclesRead(quint64 ticket, const QVector<Cycle> &cycles, const QString &error);
    void counted(quint64 ticket, int count, const QString &error);
    void choicesRead(quint64 ticket, const RegisterReader::Choices &choices, const QString &error);
    void cycleRead(quint64 ticket, const Cycle &cycle, const QString &error);
    void eventsRead(quint64 ticket, const QVector<AuditEvent> &events, const QString &error);
    // rows: the cycles or samples written.
    void exported(quint64 ticket, int rows, const QString &error);
    void releasesRead(quint64 ticket, const QVector<Release> &releases, const QString &error);
    // ms: how long reading and writing took.
    void reportWritten(quint64 ticket, qint64 ms, const QString &error);
    // error is empty when the release is entered; release is as entered
    // (its sequence and hash filled).
    void releaseStored(quint64 ticket, const Release &release, const QString &error);
    // error is empty when the event is entered.
    void eventStored(quint64 ticket, const AuditEvent &event, const QString &error);
    // The answers after this one come from the server (central) or from the
    // fallback, the server having been unreachable since then, for the reason.
    void sourceChanged(bool central, const QDateTime &unreachableSince, const QString &reason);

private:
    RegisterReader(const RegisterLocation &location, const QString &fallback,
                   std::shared_ptr<RegisterReaderSource> source, QObject *parent);

    // Runs work(register, ticket) on the reader's thread, the register open.
    template<typename Work>
    quint64 post(Work work);

    const RegisterLocation location;
    const QString fallback;
    const std::shared_ptr<RegisterReaderSource> source;
    QThread thread;
    RegisterReaderContext *context; // lives on the thread
    quint64 lastTicket = 0;
};
