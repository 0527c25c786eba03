#include "tools/vaporin-records/recordstool.h"

#include "app/stationsettings.h"
#include "records/nofollowfile.h"
#include "register/backupstatus.h"
#include "register/chainledger.h"
#include "register/cyclecsv.h"
#include "register/cyclefields.h"
#include "register/cycleimport.h"
#include "register/cycleverifier.h"
#include "register/operatoraccounts.h"
#include "register/packstore.h"
#include "register/packuses.h"
#include "register/registerbackup.h"
#include "register/registerrestore.h"
#include "register/registertransfer.h"
#include "register/registerverification.h"
#include "register/releasepolicy.h"
#include "register/releasesigning.h"
#include "register/runlogparser.h"
#include "register/showntime.h"
#include "reports/cyclereport.h"
#include "reports/labelsheet.h"
#include "reports/periodreport.h"
#include "reports/recallreport.h"
#include "reports/reportcontent.h"
#include "reports/reportformat.h"
#include "tools/vaporin-records/pinreader.h"
#include "ui/recordstab.h"
#include "ui/recordswindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What counted() counts, "1 entry" and "3 entries": English has always told
// one from many, so its singular is a text of its own; in the catalogues
// each has the plural forms of the language.
using Counted = const char *const[2];
constexpr Counted countedEntries{QT_TRANSLATE_N_NOOP("RecordsTool", "%n entry"),
                                 QT_TRANSLATE_N_NOOP("RecordsTool", "%n entries")};
constexpr Counted countedLogFiles{QT_TRANSLATE_N_NOOP("RecordsTool", "%n log file"),
                                  QT_TRANSLATE_N_NOOP("RecordsTool", "%n log files")};
constexpr Counted countedRecords{QT_TRANSLATE_N_NOOP("RecordsTool", "%n record"),
                                 QT_TRANSLATE_N_NOOP("RecordsTool", "%n records")};
constexpr Counted countedChains{QT_TRANSLATE_N_NOOP("RecordsTool", "%n chain"),
                                QT_TRANSLATE_N_NOOP("RecordsTool", "%n chains")};
constexpr Counted countedWitnesses{QT_TRANSLATE_N_NOOP("RecordsTool", "%n witness"),
                                   QT_TRANSLATE_N_NOOP("RecordsTool", "%n witnesses")};
constexpr Counted countedControllers{QT_TRANSLATE_N_NOOP("RecordsTool", "%n controller"),
                                     QT_TRANSLATE_N_NOOP("RecordsTool", "%n controllers")};
constexpr Counted countedProblems{QT_TRANSLATE_N_NOOP("RecordsTool", "%n problem."),
                                  QT_TRANSLATE_N_NOOP("RecordsTool", "%n problems.")};
constexpr Counted countedCycles{QT_TRANSLATE_N_NOOP("RecordsTool", "%n cycle"),
                                QT_TRANSLATE_N_NOOP("RecordsTool", "%n cycles")};

QString counted(qint64 n, const Counted &what)
{
    return RecordsTool::tr(what[n == 1 ? 0 : 1], nullptr, int(n));
}

// Columns padded to their widest cell; the last one is not padded, so that
// no line ends in blanks.
QString alignedTable(const QVector<QStringList> &rows, const QVector<bool> &rightAligned)
{
    QVector<int> widths(rightAligned.size(), 0);
    for (const QStringList &row : rows)
        for (int c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], int(row[c].size()));
    QString table;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (int c = 0; c < row.size(); ++c) {
            const bool last = c == row.size() - 1;
            cells << (rightAligned[c] ? row[c].rightJustified(widths[c])
                                      : last ? row[c] : row[c].leftJustified(widths[c]));
        }
        table += cells.join(QLatin1String("  ")) + QLatin1Char('\n');
    }
    return table;
}

// The keyword a problem's line starts with, as the lines of checked files do.
QString problemKeyword(CycleVerifier::Problem::Kind kind)
{
    using Problem = CycleVerifier::Problem;
    switch (kind) {
    case Problem::EntryAltered:
    case Problem::LogAltered:
    case Problem::VerdictAltered:
    case Problem::ReleaseAltered:
    case Problem::EventAltered:
    case Problem::RecordAltered:
        return QStringLiteral("ALTERED");
    case Problem::SamplesDamaged:
        return QStringLiteral("DAMAGED");
    case Problem::ChainBroken:
    case Problem::ReleaseChainBroken:
    case Problem::LinkBroken:
    case Problem::RecordUnlinked:
        return QStringLiteral("BROKEN");
    case Problem::EntriesMissing:
    case Problem::LogMissing:
    case Problem::ReleasesMissing:
    case Problem::RecordMissing:
        return QStringLiteral("MISSING");
    case Problem::WitnessContradicted:
        return QStringLiteral("CONTRADICTED");
    case Problem::TimeStampInvalid:
        return QStringLiteral("UNVERIFIED");
    case Problem::LogUnreadable:
        break;
    }
    return QStringLiteral("UNREADABLE");
}

QString describeAll(const QVector<Cycle> &entries)
{
    QStringList described;
    for (const Cycle &c : entries)
        described << CycleVerifier::describeForScripts(c);
    return described.join(QLatin1String("; "));
}

// A register as messages name it.
QString shown(const RegisterLocation &location)
{
    return location.isServer() ? location.toString() : native(location.path());
}

} // namespace

RecordsTool::RecordsTool(const QString &registerName, QIODevice &out, QIODevice &err)
    : registerName(registerName), out(out), err(err)
{
}

RecordsTool::~RecordsTool() = default;

int RecordsTool::fail(const QString &message)
{
    // One line: a server's messages come with line breaks of their own.
    err.write("vaporin-records: " + message.simplified().toUtf8() + '\n');
    return Failed;
}

void RecordsTool::print(const QString &line)
{
    out.write(line.toUtf8() + '\n');
}

void RecordsTool::setPeriod(CycleRegister::Filter *filter, const QDate &from, const QDate &to)
{
    // startOfDay: the first moment that exists, also on a day whose
    // midnight a change to summer time skips.
    filter->from = from.isValid() ? from.startOfDay() : QDateTime();
    filter->to = to.isValid() ? to.addDays(1).startOfDay() : QDateTime();
}

RegisterLocation RecordsTool::location() const
{
    return registerName.isEmpty() ? StationSettings().registerLocation() : RegisterLocation::parse(registerName);
}

std::unique_ptr<CycleRegister> RecordsTool::open(const RegisterLocation &location, bool create,
                                                 const QString &connection)
{
    if (!location.isValid()) {
        fail(location.errorString());
        return nullptr;
    }
    if (!create && !location.isServer() && !QFileInfo(location.path()).isFile()) {
        fail(tr("There is no register %1.").arg(native(location.path())));
        return nullptr;
    }
    auto opened = std::make_unique<CycleRegister>(connection);
    if (!opened->open(location)) {
        fail(tr("The register %1 cannot be opened: %2").arg(shown(location), opened->errorString()));
        return nullptr;
    }
    return opened;
}

CycleRegister *RecordsTool::openRegister(bool create)
{
    cycleRegister = open(location(), create, QStringLiteral("vaporin-records"));
    return cycleRegister.get();
}

int RecordsTool::importFolder(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return fail(tr("%1 is no folder.").arg(native(folder)));
    CycleRegister *reg = openRegister(true);
    if (!reg)
        return Failed;
    const CycleImport::Result result = CycleImport::importFolder(*reg, folder);
    print(tr("Imported: %1").arg(result.imported));
    print(tr("Already present: %1").arg(result.alreadyPresent));
    print(tr("Differing from their entry: %1").arg(result.differing.size()));
    for (const CycleImport::Differing &file : result.differing)
        print(tr("  %1: the register holds this cycle as entry %2 with another log")
                  .arg(native(file.file), QString::number(file.entryId)));
    print(tr("Unreadable: %1").arg(result.unreadable.size()));
    for (const CycleImport::Unreadable &file : result.unreadable)
        print(QStringLiteral("  %1: %2").arg(native(file.file), file.reason));
    if (!result.error.isEmpty())
        return fail(tr("The import stopped: the register failed: %1").arg(result.error));
    return result.unreadable.isEmpty() && result.differing.isEmpty() ? Success : ProblemsFound;
}

int RecordsTool::list(const CycleRegister::Filter &filter, bool csv)
{
    CycleRegister *reg = openRegister(false);
    if (!reg)
        return Failed;
    const std::optional<QVector<Cycle>> cycles = reg->cycles(filter, -1);
    if (!cycles)
        return fail(tr("The register cannot be read: %1").arg(reg->errorString()));
    if (csv) {
        out.write(CycleCsv::cycles(*cycles));
        return Success;
    }
    // Scripts read the table: English, as the CSV, in every language.
    QVector<QStringList> rows{{QStringLiteral("ID"), QStringLiteral("Started"), QStringLiteral("Program"),
                               QStringLiteral("Cycle"), QStringLiteral("Controller"), QStringLiteral("Status"),
                               QStringLiteral("Origin"), QStringLiteral("Verdict"), QStringLiteral("Release")}};
    const auto orDash = [](const QString &text) { return text.isEmpty() ? QStringLiteral("-") : text; };
    for (const Cycle &c : *cycles)
        rows.append({QString::number(c.id), ReportFormat::instant(c.started), c.programName,
                     c.cycleNumber >= 0 ? QString::number(c.cycleNumber) : QStringLiteral("-"), c.controllerSerial,
                     c.status, CycleFields::originText(c.origin),
                     orDash(c.verdict ? CycleVerdict::resultText(c.verdict->result) : QString()),
                     orDash(ReleasePolicy::standingText(c))});
    out.write(alignedTable(rows, {true, false, false, true, false, false, false, false, false}).toUtf8());
    return Success;
}

std::optional<Cycle> RecordsTool::entry(qint64 id)
{
    CycleRegister *reg = openRegister(false);
    if (!reg)
        return std::nullopt;
    std::optional<Cycle> cycle = reg->cycle(id);
    if (!cycle)
        fail(reg->errorString());
    return cycle;
}

int RecordsTool::exportSamples(qint64 id)
{
    const std::optional<Cycle> cycle = entry(id);
    if (!cycle)
        return Failed;
    out.write(CycleCsv::samples(*cycle));
    return Success;
}

int RecordsTool::verify(const QStringList &files, const QVector<ChainPosition> &witnesses,
                        const QString &tsaCertificate)
{
    return files.isEmpty() ? verifyRegister(witnesses, tsaCertificate) : verifyFiles(files);
}

int RecordsTool::verifyRegister(const QVector<ChainPosition> &witnesses, const QString &tsaCertificate)
{
    if (!tsaCertificate.isEmpty() && !QFileInfo(tsaCertificate).isReadable())
        return fail(tr("The authority's certificate %1 cannot be read.").arg(native(tsaCertificate)));
    CycleRegister *reg = openRegister(false);
    if (!reg)
        return Failed;
    const RegisterVerification::Result result =
        RegisterVerification::run(*reg, RegisterVerification::logsToCheck(*reg), tsaCertificate, witnesses);
    // Registers that were never stamped read as before, unless stamps were asked for.
    const bool stamps = result.stamps > 0 || !tsaCertificate.isEmpty();
    return printReport(result.report, witnesses.size(), stamps ? RegisterVerification::stampsLine(result) : QString());
}

int RecordsTool::printReport(const CycleVerifier::Report &report, int witnesses, const QString &stamps)
{
    if (!report.error.isEmpty())
        return fail(tr("The register cannot be read: %1").arg(report.error));
    printProblems(report.problems);
    if (report.logsSkipped)
        print(tr("Not checked here: %1 of other stations; verify on those stations checks them.")
                  .arg(counted(report.logsSkipped, countedLogFiles)));
    QStringList schemes;
    for (auto it = report.entriesByScheme.cbegin(); it != report.entriesByScheme.cend(); ++it)
        schemes << tr("scheme %1 covers %2").arg(it.key()).arg(counted(it.value(), countedEntries));
    schemes << tr("the ledger links %1 in %2").arg(counted(report.links, countedRecords),
                                                     counted(report.ledgerChains, countedChains));
    schemes << tr("%1 checked").arg(counted(witnesses, countedWitnesses));
    print(tr("Coverage: %1.").arg(schemes.join(QLatin1String("; "))));
    if (!stamps.isEmpty())
        print(stamps);
    const QString checked = tr("Checked %1 of %2 and %3: %4")
                                .arg(counted(report.entries, countedEntries),
                                     counted(report.chains, countedControllers),
                                     counted(report.logs, countedLogFiles),
                                     report.intact() ? tr("intact.")
                                                     : counted(report.problems.size(), countedProblems));
    print(checked);
    return report.intact() ? Success : ProblemsFound;
}

void RecordsTool::printProblems(const QVector<CycleVerifier::Problem> &problems)
{
    for (const CycleVerifier::Problem &problem : problems)
        print(QStringLiteral("%1: %2").arg(problemKeyword(problem.kind), problem.text));
}

int RecordsTool::migrate(const RegisterLocation &target)
{
    // The station's register file, also when the station already works on
    // a server: that file holds what it recorded before.
    const RegisterLocation source =
        registerName.isEmpty() ? RegisterLocation::file(CycleRegister::path(StationSettings().registerPath()))
                               : location();
    cycleRegister = open(source, false, QStringLiteral("vaporin-records"));
    if (!cycleRegister)
        return Failed;
    const std::unique_ptr<CycleRegister> to = open(target, true, QStringLiteral("vaporin-records-target"));
    if (!to)
        return Failed;
    const RegisterTransfer::Result result = RegisterTransfer::transfer(*cycleRegister, *to);
    if (!result.refused.isEmpty()) {
        printProblems(result.refused);
        fail(tr("Nothing was moved: the entries of %1 are not intact (see above).").arg(shown(source)));
        return ProblemsFound;
    }
    const std::pair<const char *, int> counts[] = {
        {QT_TRANSLATE_NOOP("RecordsTool", "Moved: %1"), result.moved},
        {QT_TRANSLATE_NOOP("RecordsTool", "Already there: %1"), result.alreadyPresent},
        {QT_TRANSLATE_NOOP("RecordsTool", "Audit events carried: %1"), result.events},
        {QT_TRANSLATE_NOOP("RecordsTool", "Audit events already there: %1"), result.eventsPresent},
        {QT_TRANSLATE_NOOP("RecordsTool", "Releases carried: %1"), result.releases},
        {QT_TRANSLATE_NOOP("RecordsTool", "Releases already there: %1"), result.releasesPresent},
        {QT_TRANSLATE_NOOP("RecordsTool", "Operator accounts carried: %1"), result.accounts},
        {QT_TRANSLATE_NOOP("RecordsTool", "Operator accounts already there: %1"), result.accountsPresent},
        {QT_TRANSLATE_NOOP("RecordsTool", "Pack types carried: %1"), result.packTypes},
        {QT_TRANSLATE_NOOP("RecordsTool", "Packs carried: %1"), result.packs},
        {QT_TRANSLATE_NOOP("RecordsTool", "Packs already there: %1"), result.packsPresent},
        {QT_TRANSLATE_NOOP("RecordsTool", "Uses carried: %1"), result.uses},
        {QT_TRANSLATE_NOOP("RecordsTool", "Uses already there: %1"), result.usesPresent}};
    for (const auto &[text, count] : counts)
        print(tr(text).arg(count));
    if (!result.error.isEmpty())
        return fail(tr("The migration stopped: %1 Running it again goes on from there.").arg(result.error));
    return Success;
}

int RecordsTool::verifyFiles(const QStringList &files)
{
    CycleRegister *reg = openRegister(false);
    if (!reg)
        return Failed;
    QString error;
    const QVector<CycleVerifier::FileCheck> checks = CycleVerifier::verifyFiles(*reg, files, &error);
    if (!error.isEmpty())
        return fail(tr("The register cannot be read: %1").arg(error));
    bool intact = true;
    for (const CycleVerifier::FileCheck &check : checks) {
        const QString file = native(check.file);
        switch (check.status) {
        case CycleVerifier::FileCheck::Ok:
            print(QStringLiteral("OK %1: %2").arg(file, describeAll(check.entries)));
            continue;
        case CycleVerifier::FileCheck::Altered:
            print(QStringLiteral("ALTERED %1: differs from the log of %2").arg(file, describeAll(check.entries)));
            break;
        case CycleVerifier::FileCheck::Unknown:
            print(QStringLiteral("UNKNOWN %1").arg(file));
            break;
        case CycleVerifier::FileCheck::Unreadable:
            print(QStringLiteral("UNREADABLE %1: %2").arg(file, check.error));
            break;
        }
        intact = false;
    }
    return intact ? Success : ProblemsFound;
}

int RecordsTool::check(const QString &logFile, const CycleVerdict::Hold &hold, const CycleVerdict::Band &band)
{
    if (!QFileInfo(logFile).isFile())
        return fail(tr("%1 is no file.").arg(native(logFile)));
    QFile file(logFile);
    if (!file.open(QIODevice::ReadOnly))
        return fail(tr("%1 cannot be read: %2").arg(native(logFile), file.errorString()));
    if (file.size() > CycleImport::maxLogBytes)
        return fail(tr("%1 is too large to be a run log.").arg(native(logFile)));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return fail(tr("%1 cannot be read: %2").arg(native(logFile), file.errorString()));
    QString reason;
    const std::optional<Cycle> cycle = RunLogParser::parse(bytes, &reason);
    if (!cycle)
        return fail(tr("%1 is no readable run log: %2").arg(native(logFile), reason));
    const CycleVerdict verdict = CycleVerdict::evaluate(*cycle, hold, band);
    print(QStringLiteral("%1: %2").arg(CycleVerdict::resultText(verdict.result), verdict.reason));
    switch (verdict.result) {
    case CycleVerdict::Result::Pass:
        return Success;
    case CycleVerdict::Result::Fail:
        return ProblemsFound;
    case CycleVerdict::Result::NotEvaluated:
        break;
    }
    return NotEvaluated;
}

int RecordsTool::release(qint64 id, Release release)
{
    const std::optional<Cycle> cycle = entry(id);
    if (!cycle)
        return Failed;
    release.cycleId = id;
    const std::optional<bool> signs = OperatorAccounts(*cycleRegister).any();
    std::optional<QString> typed = signs && *signs ? pin(tr("PIN of %1").arg(release.operatorName)) : QString();
    if (!typed)
        return Failed;
    QString error;
    if (!signs || !ReleaseSigning::enter(*cycleRegister, release, *typed, &error))
        return fail(tr("The release of %1 was not entered: %2")
                        .arg(CycleVerifier::describe(*cycle), signs ? error : cycleRegister->errorString()));
    print(tr("Entered release %1 of %2: %3 by %4.")
              .arg(release.sequence)
              .arg(CycleVerifier::describe(*cycle), Release::shown(release.decision), release.operatorName));
    return Success;
}

std::optional<QString> RecordsTool::pin(const QString &prompt)
{
    QString error;
    std::optional<QString> typed = pins ? pins->read(prompt, &error) : std::nullopt;
    if (!typed)
        fail(error.isEmpty() ? tr("A PIN is needed") : error);
    return typed;
}

std::optional<QString> RecordsTool::newPin(const QString &name)
{
    const std::optional<QString> first = pin(tr("New PIN of %1").arg(name));
    const std::optional<QString> again = first ? pin(tr("The new PIN again")) : std::nullopt;
    if (!again)
        return std::nullopt;
    if (*first != *again) {
        fail(tr("The two PINs differ; nothing was changed."));
        return std::nullopt;
    }
    return first;
}

std::optional<OperatorAccount> RecordsTool::namedAccount(const QString &name)
{
    OperatorAccounts accounts(*cycleRegister);
    const std::optional<QVector<OperatorAccount>> all = accounts.accounts();
    if (!all) {
        fail(tr("The register cannot be read: %1").arg(accounts.errorString()));
        return std::nullopt;
    }
    for (const OperatorAccount &a : *all)
        if (a.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return a;
    fail(tr("There is no operator \"%1\".").arg(name));
    return std::nullopt;
}

int RecordsTool::operators()
{
    CycleRegister *reg = openRegister(false);
    if (!reg)
        return Failed;
    OperatorAccounts accounts(*reg);
    const std::optional<QVector<OperatorAccount>> all = accounts.accounts();
    if (!all)
        return fail(tr("The register cannot be read: %1").arg(accounts.errorString()));
    // A table for scripts as list's: English in every language.
    QVector<QStringList> rows{
        {QStringLiteral("Name"), QStringLiteral("Initials"), QStringLiteral("Role"), QStringLiteral("State")}};
    for (const OperatorAccount &a : *all)
        rows << QStringList{a.name, a.initials, OperatorAccount::roleKeyword(a.role),
                            !a.active ? QStringLiteral("deactivated")
                            : a.lockedUntil > QDateTime::currentDateTime() ? QStringLiteral("locked")
                                                                          : QStringLiteral("active")};
    out.write(alignedTable(rows, {false, false, false, false}).toUtf8());
    return Success;
}

int RecordsTool::addOperator(const OperatorAccount &account, const QString &by)
{
    CycleRegister *reg = openRegister(false);
    if (!reg)
        return Failed;
    OperatorAccounts accounts(*reg);
    const std::optional<bool> any = accounts.any();
    if (!any)
        return fail(tr("The register cannot be read: %1").arg(accounts.errorString()));
    if (*any && by.isEmpty())
        return fail(tr("A supervisor signs new accounts: --by NAME"));
    const std::optional<QString> byPin = *any ? pin(tr("PIN of %1").arg(by)) : QString();
    const std::optional<QString> made = byPin ? newPin(account.name) : std::nullopt;
    if (!made)
        return Failed;
    OperatorAccount added = account;
    if (!accounts.add(added, *made, {by, *byPin}))
        return fail(tr("The account was not added: %1").arg(accounts.errorString()));
    print(tr("Added %1 (%2), %3.").arg(added.name, added.initials, OperatorAccount::roleKeyword(added.role)));
    return Success;
}

int RecordsTool::changeOperator(const QString &name, const AccountChange &change, const QString &by)
{
    if (!openRegister(false))
        return Failed;
    std::optional<OperatorAccount> account = namedAccount(name);
    const std::optional<QString> byPin = account ? pin(tr("PIN of %1").arg(by)) : std::nullopt;
    if (!byPin)
        return Failed;
    if (!change.name.isEmpty())
        account->name = change.name;
    if (!change.initials.isEmpty())
        account->initials = change.initials;
    account->role = change.role.value_or(account->role);
    account->active = change.active.value_or(account->active);
    OperatorAccounts accounts(*cycleRegister);
    if (!accounts.change(*account, {by, *byPin}))
        return fail(tr("The account was not changed: %1").arg(accounts.errorString()));
    print(tr("Changed %1 (%2), %3, %4.")
              .arg(account->name, account->initials, OperatorAccount::roleKeyword(account->role),
                   account->active ? tr("active") : tr("deactivated")));
    return Success;
}

int RecordsTool::resetOperatorPin(const QString &name, const QString &by)
{
    if (!openRegister(false))
        return Failed;
    const std::optional<OperatorAccount> account = namedAccount(name);
    const std::optional<QString> byPin = account ? pin(tr("PIN of %1").arg(by)) : std::nullopt;
    const std::optional<QString> made = byPin ? newPin(account->name) : std::nullopt;
    if (!made)
        return Failed;
    OperatorAccounts accounts(*cycleRegister);
    if (!accounts.resetPin(account->id, *made, {by, *byPin}))
        return fail(tr("The PIN was not reset: %1").arg(accounts.errorString()));
    print(tr("The PIN of %1 is reset.").arg(account->name));
    return Success;
}

int RecordsTool::labels(qint64 id, int count, const QString &type, const QString &formatName, int first,
                        const QString &pdfFile)
{
    const LabelSheet::Format *format = LabelSheet::format(formatName);
    if (!format)
        return fail(tr("There is no label format \"%1\".").arg(formatName));
    const std::optional<Cycle> cycle = entry(id);
    if (!cycle)
        return Failed;
    PackStore store(*cycleRegister);
    const std::optional<QVector<Pack>> packs = store.makePacks(id, count, type);
    if (!packs)
        return fail(tr("No labels were made for %1: %2").arg(CycleVerifier::describe(*cycle), store.errorString()));
    QString error;
    if (!LabelSheet::writePdf(pdfFile, *format, *packs, first, &error))
        return fail(tr("The packs %1 to %2 are entered, but their labels cannot be written to %3: %4")
                        .arg(packs->first().code, packs->last().code, native(pdfFile), error));
    print(tr("%n labels, %1 to %2, are in %3.", nullptr, int(packs->size()))
              .arg(packs->first().code, packs->last().code, native(pdfFile)));
    return Success;
}

int RecordsTool::use(const QString &code, const QString &reference, const QString &operatorName,
                     const QString &comment)
{
    if (!openRegister(false))
        return Failed;
    PackUses uses(*cycleRegister);
    PackUse made;
    made.code = code;
    made.reference = reference;
    made.operatorName = operatorName;
    made.comment = comment;
    if (!uses.enter(made))
        return fail(tr("The use was not entered: %1").arg(uses.errorString()));
    print(made.warning.isEmpty() ? tr("Entered the use of %1 by %2.").arg(made.code, made.operatorName)
                                 : tr("Entered the use of %1 by %2 despite: %3")
                                       .arg(made.code, made.operatorName, made.warning));
    return Success;
}

int RecordsTool::recall(qint64 id, const QString &pdfFile, const QString &csvFile)
{
    const std::optional<Cycle> cycle = entry(id);
    if (!cycle)
        return Failed;
    PackUses uses(*cycleRegister);
    RecallReportData data;
    data.clinicName = StationSettings().clinicName();
    data.cycle = *cycle;
    const std::optional<QVector<PackUses::RecallRow>> packs = uses.recallList(id);
    if (!packs)
        return fail(tr("The register cannot be read: %1").arg(uses.errorString()));
    data.packs = *packs;
    QString error;
    if (!RecallReport::writePdf(pdfFile, data, &error))
        return fail(tr("The report %1 cannot be written: %2").arg(native(pdfFile), error));
    if (!csvFile.isEmpty()) {
        if (!NoFollowFile::write(csvFile, RecallReport::csv(data), NoFollowFile::Access::Shared, &error))
            return fail(tr("%1 cannot be written: %2").arg(native(csvFile), error));
    }
    int used = 0;
    for (const PackUses::RecallRow &row : data.packs)
        used += !row.uses.isEmpty();
    print(tr("The recall report of %1 is in %2: %3 packs used, %4 to be taken from the shelves.")
              .arg(CycleVerifier::describe(*cycle), native(pdfFile))
              .arg(used)
              .arg(data.packs.size() - used));
    return Success;
}

int RecordsTool::packTypes(const QString &name, int days)
{
    if (!openRegister(false))
        return Failed;
    PackStore store(*cycleRegister);
    if (!name.isEmpty() && !store.setPackType({name, days}))
        return fail(tr("The pack type was not set: %1").arg(store.errorString()));
    const std::optional<QVector<PackStore::PackType>> types = store.packTypes();
    if (!types)
        return fail(tr("The register cannot be read: %1").arg(store.errorString()));
    // A table for scripts as list's: English in every language.
    QVector<QStringList> rows{{QStringLiteral("Type"), QStringLiteral("Shelf life (days)")}};
    for (const PackStore::PackType &t : *types)
        rows << QStringList{t.name, QString::number(t.shelfLifeDays)};
    out.write(alignedTable(rows, {false, true}).toUtf8());
    return Success;
}

int RecordsTool::expiring(int days)
{
    if (!openRegister(false))
        return Failed;
    PackStore store(*cycleRegister);
    const std::optional<QVector<Pack>> packs = store.expiring(QDate::currentDate().addDays(days), -1);
    if (!packs)
        return fail(tr("The register cannot be read: %1").arg(store.errorString()));
    // A table for scripts as list's: English in every language.
    QVector<QStringList> rows{{QStringLiteral("Code"), QStringLiteral("Type"), QStringLiteral("Expires")}};
    for (const Pack &p : *packs)
        rows << QStringList{p.code, p.type, p.expiresOn.toString(Qt::ISODate)};
    out.write(alignedTable(rows, {false, false, false}).toUtf8());
    return Success;
}

int RecordsTool::eraseReference(const QString &reference, const QString &by)
{
    if (!openRegister(false))
        return Failed;
    const std::optional<QString> typed = pin(tr("PIN of %1").arg(by));
    if (!typed)
        return Failed;
    OperatorAccounts accounts(*cycleRegister);
    const std::optional<OperatorAccount> signer = accounts.supervisor({by, *typed});
    if (!signer)
        return fail(tr("The reference was not erased: %1").arg(accounts.errorString()));
    PackUses uses(*cycleRegister);
    const std::optional<QVector<PackUse>> found = uses.usesOf(reference);
    if (!found)
        return fail(tr("The register cannot be read: %1").arg(uses.errorString()));
    int erased = 0;
    for (const PackUse &use : *found) {
        if (use.erased)
            continue;
        if (!uses.eraseReference(use.id, signer->name))
            return fail(tr("The reference was not erased: %1").arg(uses.errorString()));
        ++erased;
    }
    print(tr("The reference is erased from %n uses.", nullptr, erased));
    return Success;
}

int RecordsTool::cycleReport(qint64 id, const QString &pdfFile)
{
    const std::optional<Cycle> cycle = entry(id);
    if (!cycle)
        return Failed;
    const std::optional<QVector<Release>> releases = cycleRegister->releases(id);
    if (!releases)
        return fail(tr("The register cannot be read: %1").arg(cycleRegister->errorString()));
    const CycleReportData data =
        ReportContent::cycle(*cycle, *releases, StationSettings().clinicName(), ChainLedger::headsOrNone(cycleRegister->database()));
    QString error;
    if (!CycleReport::writePdf(pdfFile, data, &error))
        return fail(tr("The report %1 cannot be written: %2").arg(native(pdfFile), error));
    print(tr("The report of %1 is in %2.").arg(CycleVerifier::describe(*cycle), native(pdfFile)));
    return Success;
}

int RecordsTool::periodReport(const QDate &from, const QDate &to, const QString &pdfFile)
{
    CycleRegister *reg = openRegister(false);
    if (!reg)
        return Failed;
    CycleRegister::Filter filter;
    setPeriod(&filter, from, to);
    const std::optional<QVector<Cycle>> cycles = reg->cycles(filter, -1);
    if (!cycles)
        return fail(tr("The register cannot be read: %1").arg(reg->errorString()));

    const PeriodReportData data =
        ReportContent::period(*cycles, from, to, StationSettings().clinicName(), ChainLedger::headsOrNone(reg->database()));
    QString error;
    if (!PeriodReport::writePdf(pdfFile, data, &error))
        return fail(tr("The report %1 cannot be written: %2").arg(native(pdfFile), error));
    print(tr("The report of %1 from %2 to %3 is in %4.")
              .arg(counted(data.cycles.size(), countedCycles),
                   ShownTime::day(from), ShownTime::day(to), native(pdfFile)));
    return Success;
}

std::optional<QString> RecordsTool::registerFile()
{
    const RegisterLocation where = location();
    if (!where.isValid()) {
        fail(where.errorString());
        return std::nullopt;
    }
    if (where.isServer()) {
        fail(tr("The register %1 is on a server: back it up there (see the README's \"Backups\").")
                 .arg(shown(where)));
        return std::nullopt;
    }
    return where.path();
}

int RecordsTool::backup(const QString &folder)
{
    const std::optional<QString> file = registerFile();
    if (!file)
        return Failed;
    if (!QFileInfo(*file).isFile())
        return fail(tr("There is no register %1.").arg(native(*file)));
    BackupPolicy policy = BackupPolicy::fromSettings();
    if (!folder.isEmpty())
        policy.folder = QFileInfo(folder).absoluteFilePath(); // the audit trail names it from anywhere
    if (policy.folder.isEmpty())
        return fail(tr("No backup folder: give one, or choose one in the Records tab."));
    const RegisterBackup::Result result = RegisterBackup::take(*file, policy);
    if (!result.verified)
        return fail(tr("The backup failed: %1").arg(result.error));
    print(tr("Backup verified: %1").arg(native(result.file)));
    print(tr("Entries: %1").arg(result.entries));
    print(tr("Logs copied: %1").arg(result.logsCopied));
    for (const QString &log : result.differingLogs)
        print(QStringLiteral("DIFFERS %1: %2").arg(log, tr("its copy in the backup was kept")));
    for (const QString &removed : result.removed)
        print(tr("Removed older backup: %1").arg(native(removed)));
    if (!result.error.isEmpty())
        return fail(result.error);
    return result.differingLogs.isEmpty() ? Success : ProblemsFound;
}

int RecordsTool::backupStatus()
{
    CycleRegister *reg = openRegister(false);
    if (!reg)
        return Failed;
    QString error;
    const std::optional<BackupStatus> status = BackupStatus::read(*reg, &error);
    if (!status)
        return fail(tr("The register cannot be read: %1").arg(error));
    const int overdueDays = BackupPolicy::fromSettings().overdueDays;
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString &line : status->lines(now, overdueDays))
        print(line);
    return status->healthy(now, overdueDays) ? Success : ProblemsFound;
}

int RecordsTool::restore(const QString &backup, const QString &logFolder, bool force)
{
    const std::optional<QString> file = registerFile();
    if (!file)
        return Failed;
    const RegisterRestore::Result result = RegisterRestore::restore(backup, *file, logFolder, force);
    for (const Cycle &c : result.lacking)
        print(QStringLiteral("NOT IN THE BACKUP: %1").arg(CycleVerifier::describeForScripts(c)));
    if (!result.error.isEmpty() && result.restoredFile.isEmpty()) {
        if (!result.lacking.isEmpty())
            fail(tr("%1 Give --force to replace it anyway; it is then kept beside the restored one.")
                     .arg(result.error));
        return result.lacking.isEmpty() ? fail(result.error) : int(ProblemsFound);
    }
    print(tr("Restored: %1").arg(native(result.restoredFile)));
    if (!result.replacedKeptAs.isEmpty())
        print(tr("The replaced register is kept as: %1").arg(native(result.replacedKeptAs)));
    print(tr("Logs restored: %1").arg(result.logsRestored));
    print(tr("Logs already there: %1").arg(result.logsPresent));
    for (const QString &log : result.logsDiffering)
        print(QStringLiteral("DIFFERS %1: %2").arg(log, tr("another file of that name is there; not overwritten")));
    if (!result.error.isEmpty())
        return fail(result.error);
    const int verified = printReport(result.report);
    return verified == Success && !result.logsDiffering.isEmpty() ? int(ProblemsFound) : verified;
}

int RecordsTool::window()
{
    // As for every command but import: a mistyped file is no empty register.
    if (!openRegister(false))
        return Failed;
    // The view reads through connections of its own.
    cycleRegister.reset();
    auto *records = new RecordsWindow(new RecordsTab(location(), QString()));
    records->setWindowTitle(tr("Vaporin Records"));
    records->setAttribute(Qt::WA_DeleteOnClose);
    records->show();
    return QApplication::exec() == 0 ? Success : Failed;
}
