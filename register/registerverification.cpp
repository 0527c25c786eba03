#include "register/registerverification.h"

#include "register/chainposition.h"
#include "register/cycleregister.h"
#include "register/showntime.h"
#include "register/timestampstore.h"
#include "register/timestamptoken.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace RegisterVerification {

namespace {

QString shown(const QDateTime &time)
{
    return ShownTime::instant(time.toLocalTime());
}

} // namespace

CycleVerifier::Logs logsToCheck(const CycleRegister &cycleRegister)
{
    return cycleRegister.location().isServer() ? CycleVerifier::Logs::OfThisStation : CycleVerifier::Logs::All;
}

Result run(CycleRegister &cycleRegister, CycleVerifier::Logs logs, const QString &certificateFile,
           const QVector<ChainPosition> &witnesses, const CycleVerifier::Progress &progress)
{
    Result result;
    result.certificateGiven = !certificateFile.isEmpty();
    const QSqlDatabase db = cycleRegister.database();
    QString error;
    const std::optional<QVector<TimeStamp>> stamps = TimeStampStore::all(db, &error);
    if (!stamps) {
        result.report.error = error;
        return result;
    }
    result.stamps = stamps->size();
    // The positions of the tokens that verify are witnesses; without a
    // certificate, those of every token.
    QVector<ChainPosition> witnessed = witnesses;
    QVector<CycleVerifier::Problem> invalidStamps;
    for (const TimeStamp &stamp : *stamps) {
        const auto invalid = [&](const QString &why) {
            invalidStamps.append(
                {CycleVerifier::Problem::TimeStampInvalid, 0, QString(),
                 QCoreApplication::translate("RegisterVerification", "The time stamp %1 (%2) does not verify: %3")
                     .arg(stamp.id)
                     .arg(shown(stamp.stampedAt), why)});
        };
        const std::optional<QVector<ChainPosition>> positions = TimeStampStore::positions(stamp.stampedText);
        if (!positions) {
            invalid(QCoreApplication::translate("RegisterVerification",
                                                "the text it stamps is not a list of chain positions."));
            continue;
        }
        if (!result.certificateGiven) {
            witnessed += *positions;
            continue;
        }
        ++result.stampsChecked;
        const TimeStampToken::Check check =
            TimeStampToken::verify(stamp.token, certificateFile,
                                   QCryptographicHash::hash(stamp.stampedText.toUtf8(), QCryptographicHash::Sha256),
                                   stamp.nonce);
        if (!check.verified()) {
            invalid(check.error);
            continue;
        }
        witnessed += *positions;
        if (!result.provenUntil.isValid() || check.time > result.provenUntil)
            result.provenUntil = check.time;
    }
    result.report = CycleVerifier::verifyRegister(cycleRegister, logs, witnessed, progress);
    if (!result.report.error.isEmpty())
        return result;
    result.report.problems += invalidStamps;
    return result;
}

QString stampsLine(const Result &result)
{
    if (result.stamps == 0)
        return QCoreApplication::translate("RegisterVerification", "No time stamps are stored.");
    // English has always told one from many: two texts, each with the
    // plural forms of the language in the catalogues.
    const QString stamps = result.stamps == 1
        ? QCoreApplication::translate("RegisterVerification", "%n time stamp", nullptr, result.stamps)
        : QCoreApplication::translate("RegisterVerification", "%n time stamps", nullptr, result.stamps);
    if (result.certificateMissing())
        return QCoreApplication::translate("RegisterVerification",
                                           "%1 not checked: no certificate of the time-stamp authority was given.")
            .arg(stamps);
    if (!result.provenUntil.isValid())
        return QCoreApplication::translate("RegisterVerification", "Checked %1: none verifies.").arg(stamps);
    return QCoreApplication::translate("RegisterVerification", "Checked %1: the register is proven as of %2.")
        .arg(stamps, shown(result.provenUntil));
}

} // namespace RegisterVerification
