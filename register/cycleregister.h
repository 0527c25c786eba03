#pragma once

#include "register/cycle.h"
#include "register/registerlocation.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

struct SqlDialect;

// The cycle register: every cycle's entry with its samples, chained per
// controller so that an altered, removed or reordered entry shows, and the
// audit trail. One object talks through one Qt SQL connection, which belongs
// to the thread that opened it: each thread makes its own object with its
// own connection name.
class CycleRegister
{
    Q_DECLARE_TR_FUNCTIONS(CycleRegister)

public:
    struct Filter {
        QDateTime from;           // cycles that started at or after; invalid: no bound
        QDateTime to;             // cycles that started before; invalid: no bound
        QString program;          // program name, exactly
        QString status;           // status text, exactly
        QString controllerSerial; // exactly
        // Found, regardless of ASCII case, in the program name, status,
        // serial number, cycle number, log file name or station, or in the
        // lot, load, operator or comment of any of the cycle's releases.
        QString text;
        // Only the cycles that wait for release (see ReleasePolicy::waits).
        bool waitingForRelease = false;
        // The operator and the decision of the cycle's current (newest)
        // release; empty / nothing: any, or none.
        QString releasedBy;
        std::optional<Release::Decision> decision;
    };

    enum class Outcome {
        Entered,
        AlreadyPresent, // the same log, or the same controller, cycle number and start
        Failed,
    };
    struct EnterResult {
        Outcome outcome = Outcome::Failed;
        qint64 id = 0; // the new entry, or the one already present
        QString error;
    };

    // Something that waits in the outbox: an entry, an audit event, a
    // release, or a record of recordKind (see RecordTransfer); one is set.
    struct OutboxItem {
        qint64 id = 0;
        qint64 cycleId = 0;
        qint64 eventId = 0;
        qint64 releaseId = 0;
        QString recordKind;
        qint64 recordId = 0;
        QString recordKey;
    };

    // register.sqlite in the station's data folder.
    static QString defaultPath();
    // The register_path setting when it is set, otherwise defaultPath().
    static QString path(const QString &setting);
    // Who and where, as the audit trail records them: the login name of
    // the process's account (its numeric ID when it has none), whatever
    // $USER says, and the host name.
    static QString osUser();
    static QString station();

    explicit CycleRegister(const QString &connectionName);
    // The register at location, opened on a connection of its own named
    // after purpose (a name no other connection of the process has, also
    // when an earlier attempt failed); nothing, with the error, when it
    // cannot be opened.
    static std::unique_ptr<CycleRegister> opened(const QString &purpose, const RegisterLocation &location,
                                                 QString *error);
    // Closes the connection if this object added it.
    ~CycleRegister();
    CycleRegister(const CycleRegister &) = delete;
    CycleRegister &operator=(const CycleRegister &) = delete;

    // Opens the register and migrates it to the current schema: an SQLite
    // file is made, with its folder, when it is not there; a server's
    // database must exist, its tables are made when they are not there.
    bool open(const RegisterLocation &location);
    // The SQLite register at the path.
    bool open(const QString &path);
    // Uses the connection of this object's name that the caller added and
    // configured (for example a server's), opens it if needed and migrates.
    bool openAdded();
    bool isOpen() const;
    QString errorString() const;
    // Where open() found it; invalid for a connection the caller added.
    RegisterLocation location() const;

    QSqlDatabase database() const;
    const SqlDialect &dialect() const;

    // A station's own register in front of a central one: every entry,
    // release and event appended (not those of appendEventsOnce, which
    // carries them from elsewhere) also goes into the outbox, in the
    // transaction that makes it, to be sent on. An entry's or a release's
    // own event goes with it. Off by default.
    void setFillingOutbox(bool on);
    bool fillsOutbox() const { return fillingOutbox; }

    // The band by which the cycles entered from now on are judged, and the
    // entries a migration finds; unless set, the band of the station's
    // settings at the time (read when entering or opening).
    void setVerdictBand(const CycleVerdict::Band &band);

    // Enters the cycle: its entry, samples, verdict, place in its
    // controller's chain and a "cycle entered" event, in one transaction.
    // The verdict is judged by the cycle's own verdict's band when it comes
    // with one (an entry moved from another register), otherwise by the
    // register's band. On success the cycle's id, enteredAt, chainSequence,
    // previousHash, entryHash, sampleCount and verdict are filled, and its
    // samples are as they read back. A cycle is already present when the register
    // holds its log, or its controller's cycle of that number (or of no
    // number) started at that instant.
    EnterResult enter(Cycle &cycle);
    // The same for many cycles in one transaction: all are entered or, on a
    // database failure, none. entryEvents, when given, holds for each cycle
    // the kind and details of the event that records its entry instead of
    // "cycle entered"; the register fills in the rest.
    QVector<EnterResult> enter(QVector<Cycle> &cycles, const QVector<AuditEvent> &entryEvents = {});

    // Appends an event to the audit trail; fills in its time, user and
    // station when they are empty, and its id.
    bool appendEvent(AuditEvent &event);
    // Appends events as they are, times, users and stations included, each
    // unless the register holds the same event already (the same fields but
    // the ID), in one transaction; fills in the IDs. Carries an audit trail
    // from one register into another, once however often it is done. The
    // number appended; nothing on a failure, when none is.
    std::optional<int> appendEventsOnce(QVector<AuditEvent> &events);

    // Appends each release to its cycle's release history (release.cycleId)
    // with a "release" event, in one transaction: all or, when one is
    // refused (see ReleasePolicy::problem) or the database fails, none;
    // errorString() tells why. Fills in each release's id, sequence,
    // previousHash and hash, and its time, user and station where empty.
    bool enterReleases(QVector<Release> &releases);
    bool enterRelease(Release &release);
    // A cycle's release history, oldest first.
    std::optional<QVector<Release>> releases(qint64 cycleId);
    // The releases of these IDs, each cycle's in the order of its history.
    std::optional<QVector<Release>> releasesById(const QVector<qint64> &ids);

    // Cycles without samples, newest start first, at most limit of them;
    // after: the last cycle of the page before. Nothing on a database failure.
    std::optional<QVector<Cycle>> cycles(const Filter &filter, int limit, const Cycle *after = nullptr);
    std::optional<int> count(const Filter &filter);
    // The cycles and a cycle come with their verdict and newest release.
    // One cycle with its samples; nothing when there is no such entry or its
    // samples are damaged (errorString() tells which).
    std::optional<Cycle> cycle(qint64 id);
    // The cycles (without samples) whose log has this SHA-256 / file name.
    std::optional<QVector<Cycle>> findByLogSha256(const QString &sha256);
    std::optional<QVector<Cycle>> findByLogName(const QString &fileName);

    // The audit trail, newest first; cycleId 0: all events; limit -1: all.
    std::optional<QVector<AuditEvent>> events(qint64 cycleId = 0, int limit = -1, int offset = 0);
    // The same a page at a time: after the last event of the page before,
    // and only events at or after since (invalid: no bound).
    std::optional<QVector<AuditEvent>> eventsPage(qint64 cycleId, int limit, const AuditEvent *after,
                                                  const QDateTime &since = {});

    // The events of these IDs, in this order; those that are not there are
    // left out.
    std::optional<QVector<AuditEvent>> eventsById(const QVector<qint64> &ids);

    // The program names, status texts and controller serial numbers that
    // the entries hold, sorted, each once: what a list of cycles can be
    // filtered by.
    std::optional<QStringList> programNames();
    std::optional<QStringList> statuses();
    std::optional<QStringList> controllers();
    // The operators the releases name, sorted, each once.
    std::optional<QStringList> operators();

    // What waits to be sent, oldest first, at most limit items.
    std::optional<QVector<OutboxItem>> outbox(int limit);
    // How many items wait.
    std::optional<int> outboxSize();
    // Takes the items out: the central register holds what they name.
    bool removeFromOutbox(const QVector<OutboxItem> &items);

private:
    struct Head {
        qint64 sequence = 0;
        QString hash;
    };
    bool prepare();
    bool ready(); // open, or the error says it is not
    bool fail(const QString &error);
    // Runs work() in a transaction that writes: committed when work
    // succeeds, rolled back with the error kept when it or the commit fails.
    template<typename Work>
    bool writeTransaction(Work &&work);
    bool exec(QSqlQuery &query);
    bool exec(const QString &statement);
    bool lockChains(const QVector<Cycle> &cycles);
    std::optional<qint64> existing(const Cycle &cycle);
    std::optional<Head> head(const QString &controllerSerial);
    CycleVerdict::Band verdictBand() const;
    bool insert(Cycle &cycle, AuditEvent event, const CycleVerdict::Band &band);
    bool lockReleases(const QVector<Release> &releases);
    bool insertRelease(Release &release);
    std::optional<QVector<Release>> selectReleases(const QString &where, const QVariantList &values);
    // Fills in an event's time, user and station when they are empty.
    static void complete(AuditEvent &event);
    bool insertEvent(AuditEvent &event);
    bool addToOutbox(const char *column, qint64 id);
    std::optional<qint64> sameEvent(const AuditEvent &event);
    std::optional<QVector<Cycle>> select(const QString &where, const QVariantList &values, const QString &tail);
    std::optional<QVector<AuditEvent>> selectEvents(const QStringList &terms, const QVariantList &values, int limit,
                                                    int offset);
    std::optional<QStringList> distinct(const QString &column, const QString &table = QStringLiteral("cycles"));

    QString connectionName;
    RegisterLocation openedLocation;
    const SqlDialect *sqlDialect = nullptr;
    bool addedConnection = false;
    std::optional<CycleVerdict::Band> band;
    bool fillingOutbox = false;
    QString lastError;
};
