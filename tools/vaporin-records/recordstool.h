#pragma once

#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/operatoraccount.h"
#include "register/release.h"
#include "reports/cycleverdict.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class PinReader;
class QIODevice;

// The commands of the records tool. Each writes its results to `out` and its
// errors to `err` as UTF-8 lines and answers with the tool's exit status.
class RecordsTool
{
    Q_DECLARE_TR_FUNCTIONS(RecordsTool)

public:
    // The exit statuses, the same for every command.
    enum Status {
        Success = 0,       // done; everything checked is intact; PASS
        ProblemsFound = 1, // files skipped, entries or logs not intact; FAIL
        Failed = 2,        // bad usage, or the register, a file or the output failed
        NotEvaluated = 3,
    };

    // registerName: the register to work on, a file or a server's
    // connection URI; empty: the station's, as its settings name it.
    RecordsTool(const QString &registerName, QIODevice &out, QIODevice &err);
    ~RecordsTool();
    RecordsTool(const RecordsTool &) = delete;
    RecordsTool &operator=(const RecordsTool &) = delete;

    int importFolder(const QString &folder);
    int list(const CycleRegister::Filter &filter, bool csv);
    int exportSamples(qint64 id);
    // The whole register without files, against the witnesses, its time
    // stamps checked against the authority's certificate file when one is
    // given; otherwise each file against it.
    int verify(const QStringList &files, const QVector<ChainPosition> &witnesses = {},
               const QString &tsaCertificate = QString());
    int check(const QString &logFile, const CycleVerdict::Hold &hold, const CycleVerdict::Band &band);
    // Where PINs come from; none: commands that need one fail.
    void setPinReader(PinReader *reader) { pins = reader; }

    // Appends the release to the history of entry ID, as the release form
    // does and by its rules; signed with the operator's PIN once the
    // register has accounts.
    int release(qint64 id, Release release);

    // The operator accounts, one line each.
    int operators();
    // Adds the account with a new PIN (asked twice), signed by the
    // supervisor `by` unless it is the register's first.
    int addOperator(const OperatorAccount &account, const QString &by);
    // Changes the account of this name: each given field (empty: kept).
    struct AccountChange {
        QString name;
        QString initials;
        std::optional<OperatorAccount::Role> role;
        std::optional<bool> active;
    };
    int changeOperator(const QString &name, const AccountChange &change, const QString &by);
    int resetOperatorPin(const QString &name, const QString &by);
    int cycleReport(qint64 id, const QString &pdfFile);
    // Enters the use of a pack at the chair, as the Packs view does; a
    // warning needs a comment, a recalled pack is refused.
    int use(const QString &code, const QString &reference, const QString &operatorName, const QString &comment);
    // The recall report of entry ID as PDF, and as CSV when csvFile is given.
    int recall(qint64 id, const QString &pdfFile, const QString &csvFile);
    // The pack types with their shelf lives; with a name, sets that type's
    // shelf life first.
    int packTypes(const QString &name, int days);
    // The packs not used that expire within `days` days or have expired.
    int expiring(int days);
    // Erases the patient reference from every use that names it, signed
    // by the supervisor `by`.
    int eraseReference(const QString &reference, const QString &by);
    // Enters `count` packs of entry ID, released, and writes their labels
    // in the format (see LabelSheet) from the sheet's position `first` as
    // the PDF file.
    int labels(qint64 id, int count, const QString &type, const QString &format, int first, const QString &pdfFile);
    // The cycles that started from the first moment of `from` to the last of
    // `to`, local time.
    int periodReport(const QDate &from, const QDate &to, const QString &pdfFile);
    // Moves the named register, or else the station's register file, into
    // the target register (see RegisterTransfer).
    int migrate(const RegisterLocation &target);
    // The records window on the register until the user closes it; needs
    // a QApplication.
    int window();

    // A verified backup of the register file into the folder, or the one
    // the settings name (see RegisterBackup).
    int backup(const QString &folder);
    // What the audit trail says of the backups (see BackupStatus): 1 when
    // there is a warning.
    int backupStatus();
    // Restores the backup (a backup file, or a backup folder's newest) as
    // the register file, its logs into logFolder or, when empty, where
    // the register names them, and verifies it (see RegisterRestore).
    int restore(const QString &backup, const QString &logFolder, bool force);

    // "vaporin-records: <message>" on err; Failed.
    int fail(const QString &message);

    // The filter's bounds for days in this computer's local time, both days
    // included; an invalid day leaves its bound open.
    static void setPeriod(CycleRegister::Filter *filter, const QDate &from, const QDate &to);

private:
    // The register to work on.
    RegisterLocation location() const;
    // The register, opened and migrated, on a connection of that name;
    // nothing, with the error written, when it cannot be. Only create makes
    // a register file that is not there: reading a mistyped name must not
    // look like reading an empty register.
    std::unique_ptr<CycleRegister> open(const RegisterLocation &location, bool create, const QString &connection);
    // The register to work on, kept open.
    CycleRegister *openRegister(bool create);
    // One entry with its samples from the register; nothing, with the error
    // written, when there is no such entry or it cannot be read.
    std::optional<Cycle> entry(qint64 id);
    void print(const QString &line);
    int verifyRegister(const QVector<ChainPosition> &witnesses, const QString &tsaCertificate);
    // Prints the problems and the summary as verify does, with the number
    // of witnesses checked and the time stamps' line when there is one;
    // its exit status.
    int printReport(const CycleVerifier::Report &report, int witnesses = 0, const QString &stamps = QString());
    // The register file to work on; nothing, with the error written, for a server's.
    std::optional<QString> registerFile();
    int verifyFiles(const QStringList &files);
    void printProblems(const QVector<CycleVerifier::Problem> &problems);
    // The PIN asked for by the prompt; nothing, with the error written.
    std::optional<QString> pin(const QString &prompt);
    // A new PIN, typed twice.
    std::optional<QString> newPin(const QString &name);
    // The account of this name, with the error written when there is none.
    std::optional<OperatorAccount> namedAccount(const QString &name);

    QString registerName;
    QIODevice &out;
    QIODevice &err;
    std::unique_ptr<CycleRegister> cycleRegister;
    PinReader *pins = nullptr;
};
