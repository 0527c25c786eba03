#include "register/cyclerow.h"

#include "register/cyclefields.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace CycleRow {

namespace {

const QStringList names = {
    QStringLiteral("id"),
    QStringLiteral("station"),
    QStringLiteral("controller_serial"),
    QStringLiteral("cycle_number"),
    QStringLiteral("program_number"),
    QStringLiteral("program_name"),
    QStringLiteral("steps"),
    QStringLiteral("adopted"),
    QStringLiteral("started_utc"),
    QStringLiteral("started_offset"),
    QStringLiteral("finished_utc"),
    QStringLiteral("finished_offset"),
    QStringLiteral("status"),
    QStringLiteral("firmware_version"),
    QStringLiteral("software_version"),
    QStringLiteral("sample_count"),
    QStringLiteral("log_path"),
    QStringLiteral("log_sha256"),
    QStringLiteral("origin"),
    QStringLiteral("entered_utc"),
    QStringLiteral("entered_offset"),
    QStringLiteral("chain_seq"),
    QStringLiteral("previous_hash"),
    QStringLiteral("entry_hash"),
    QStringLiteral("log_name"),
    QStringLiteral("hash_scheme"),
};

} // namespace

QString columns(bool schemeStored)
{
    const QString all = QStringLiteral("cycles.") + names.join(QStringLiteral(", cycles."));
    return schemeStored ? all : all.chopped(names.last().size() + 7) + QStringLiteral("1");
}

int columnCount()
{
    return names.size();
}

bool read(const QSqlQuery &q, Cycle *c)
{
    c->id = q.value(0).toLongLong();
    c->station = q.value(1).toString();
    c->controllerSerial = q.value(2).toString();
    c->cycleNumber = q.value(3).isNull() ? -1 : q.value(3).toInt();
    c->programNumber = q.value(4).isNull() ? 0 : q.value(4).toInt();
    c->programName = q.value(5).toString();
    const auto steps = CycleFields::steps(q.value(6).toString());
    c->adopted = q.value(7).toInt() != 0;
    c->started = time(q.value(8).toLongLong(), q.value(9).toInt());
    c->finished = q.value(10).isNull() ? QDateTime() : time(q.value(10).toLongLong(), q.value(11).toInt());
    c->status = q.value(12).toString();
    c->firmwareVersion = q.value(13).toString();
    c->softwareVersion = q.value(14).toString();
    c->sampleCount = q.value(15).toInt();
    c->logPath = q.value(16).toString();
    c->logSha256 = q.value(17).toString();
    const auto origin = CycleFields::origin(q.value(18).toString());
    c->enteredAt = time(q.value(19).toLongLong(), q.value(20).toInt());
    c->chainSequence = q.value(21).toLongLong();
    c->previousHash = q.value(22).toString();
    c->entryHash = q.value(23).toString();
    c->logName = q.value(24).toString();
    c->hashScheme = q.value(25).toInt();
    c->steps = steps.value_or(QList<CommunicationManager::ProgramStep>());
    c->origin = origin.value_or(Cycle::Origin::Recorded);
    c->samples.clear();
    return steps && origin;
}

qint64 utcMs(const QDateTime &time)
{
    return time.toMSecsSinceEpoch();
}

int offsetSeconds(const QDateTime &time)
{
    return time.offsetFromUtc();
}

QDateTime time(qint64 utcMs, int offsetSeconds)
{
    return QDateTime::fromMSecsSinceEpoch(utcMs, Qt::OffsetFromUTC, offsetSeconds);
}

} // namespace CycleRow
