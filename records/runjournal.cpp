#include "records/runjournal.h"

#include "app/logging.h"
#include "records/nofollowfile.h"
#include "records/runrecordformat.h"
#include "register/cyclefields.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cmath>

using Program = CommunicationManager::Program;

namespace {

// First line of every journal: what the file is, and the version of its
// layout. Version 2 added the register's lines and the sample's milliseconds
// to the point lines; journals of version 1 are still read.
const QString formatTag = QStringLiteral("vaporin-run-journal");
const QString formatVersion = QStringLiteral("2");
const QString firstVersion = QStringLiteral("1");
const QString baseTag = QStringLiteral("base");
const QString pointTag = QStringLiteral("point");
const QString programTag = QStringLiteral("program");
const QString stepsTag = QStringLiteral("steps");
const QString adoptedTag = QStringLiteral("adopted");
const QString startTag = QStringLiteral("start");
const QString endTag = QStringLiteral("end");
const QString loggedTag = QStringLiteral("logged");
const QString discardedTag = QStringLiteral("discarded");

// The record's fields and their names in the journal.
const std::pair<const char *, QString Program::*> journalFields[] = {
    {"name", &Program::name},
    {"started", &Program::timeStarted},
    {"firmware", &Program::firmwareVersion},
    {"software", &Program::softwareVersion},
    {"serial", &Program::serialNumber},
    {"cycle", &Program::cycleNumber},
    {"finished", &Program::timeFinished},
    {"status", &Program::status},
};

// Fields are separated by tabs and lines by line feeds, so both (and the
// escape character itself) are escaped inside a field.
QByteArray escaped(const QString &field)
{
    QByteArray out;
    for (const char c : field.toUtf8()) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c; break;
        }
    }
    return out;
}

QString unescaped(const QByteArray &field)
{
    QByteArray out;
    for (int i = 0; i < field.size(); ++i) {
        char c = field.at(i);
        if (c == '\\' && i + 1 < field.size()) {
            c = field.at(++i);
            c = c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        }
        out += c;
    }
    return QString::fromUtf8(out);
}

// "<CRC-32 of the content, 8 hex digits> <content>\n"
QByteArray journalLine(const QStringList &fields)
{
    QByteArrayList parts;
    for (const QString &field : fields)
        parts.append(escaped(field));
    const QByteArray content = parts.join('\t');
    return QByteArray::number(RunJournal::crc32(content), 16).rightJustified(8, '0') + ' ' + content + '\n';
}

// The fields of a complete line whose checksum holds; nothing otherwise.
std::optional<QStringList> decodedLine(const QByteArray &line)
{
    if (line.size() < 9 || line.at(8) != ' ')
        return std::nullopt;
    bool isNumber = false;
    const quint32 sum = line.left(8).toUInt(&isNumber, 16);
    const QByteArray content = line.mid(9);
    if (!isNumber || sum != RunJournal::crc32(content))
        return std::nullopt;
    QStringList fields;
    for (const QByteArray &field : content.split('\t'))
        fields.append(unescaped(field));
    return fields;
}

QByteArray changedFields(const Program &record, const Program &journalled)
{
    QByteArray lines;
    for (const auto &[tag, member] : journalFields)
        if (record.*member != journalled.*member)
            lines += journalLine({QString::fromLatin1(tag), record.*member});
    return lines;
}

// An instant as two fields: milliseconds since the epoch and the UTC offset in seconds.
QByteArray instantLine(const QString &tag, const QDateTime &at)
{
    return journalLine({tag, QString::number(at.toMSecsSinceEpoch()), QString::number(at.offsetFromUtc())});
}

std::optional<QDateTime> instant(const QString &ms, const QString &offset)
{
    bool msOk = false;
    bool offsetOk = false;
    const qint64 sinceEpoch = ms.toLongLong(&msOk);
    const int seconds = offset.toInt(&offsetOk);
    // Offsets on earth lie within a day.
    if (!msOk || !offsetOk || qAbs(seconds) >= 86400)
        return std::nullopt;
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(sinceEpoch, Qt::OffsetFromUTC, seconds);
    return at.isValid() ? std::optional<QDateTime>(at) : std::nullopt;
}

const QString timestampFormat = QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");

// A record's local time text as an instant of this computer's time zone.
QDateTime localInstant(const QString &text)
{
    const QDateTime local = QLocale::c().toDateTime(text, timestampFormat);
    return local.isValid() ? local.toOffsetFromUtc(local.offsetFromUtc()) : QDateTime();
}

// A point line: its key and value for the log, and the sample for the
// register (the milliseconds of version 2, else the key's whole seconds).
void readPoint(const QStringList &fields, RunJournal::Run *run)
{
    run->record.dataPoints.insert(fields.at(1), fields.at(2));
    bool msOk = fields.size() == 4;
    const qint64 ms = msOk ? fields.at(3).toLongLong(&msOk) : 0;
    const std::optional<qint64> seconds = RunRecordFormat::elapsedSeconds(fields.at(1));
    bool celsiusOk = false;
    const double celsius = fields.at(2).toDouble(&celsiusOk);
    if (celsiusOk && std::isfinite(celsius) && (msOk || seconds))
        run->samples.append({msOk ? ms : *seconds * 1000, celsius});
}

// One line of the journal into the run; lines it does not know are left out.
void readLine(const QStringList &fields, RunJournal::Run *run)
{
    const QString &tag = fields.first();
    const int size = fields.size();
    if (tag == pointTag && (size == 3 || size == 4)) {
        readPoint(fields, run);
    } else if (tag == programTag && size == 2) {
        run->programNumber = qMax(0, fields.at(1).toInt());
    } else if (tag == stepsTag && size == 2) {
        run->record.steps = CycleFields::steps(fields.at(1)).value_or(QList<CommunicationManager::ProgramStep>());
    } else if (tag == adoptedTag && size == 2) {
        run->adopted = fields.at(1) == QLatin1String("1");
    } else if ((tag == startTag || tag == endTag) && size == 3) {
        (tag == startTag ? run->started : run->finished) = instant(fields.at(1), fields.at(2)).value_or(QDateTime());
    } else if (tag == loggedTag && size == 4) {
        run->log = RunJournal::Log{fields.at(1), fields.at(2),
                                   CycleFields::origin(fields.at(3)).value_or(Cycle::Origin::Recorded)};
    } else if (tag == discardedTag && size == 1) {
        run->discarded = true;
    } else {
        for (const auto &[name, member] : journalFields) {
            if (tag == QLatin1String(name) && size == 2)
                run->record.*member = fields.at(1);
        }
    }
}

// The end of a run that had not ended: its last sample, else its start.
void endAtLastSample(RunJournal::Run *run)
{
    run->record.status = QString::fromLatin1(RunJournal::stoppedStatus);
    if (!run->started.isValid())
        return;
    qint64 last = 0;
    for (const CycleSample &sample : qAsConst(run->samples))
        last = qMax(last, sample.elapsedMs);
    if (!run->finished.isValid())
        run->finished = run->started.addMSecs(last);
    // In local time, as the window writes the record's times.
    run->record.timeFinished =
        RunRecordFormat::timestampText(QDateTime::fromMSecsSinceEpoch(run->finished.toMSecsSinceEpoch()));
}

std::unique_ptr<QLockFile> lockOf(const QString &journal)
{
    auto lock = std::make_unique<QLockFile>(journal + QLatin1String(".lock"));
    // Only a lock whose station is gone is stale, however long a run takes.
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

} // namespace

QString RunJournal::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1String("/journals");
}

std::optional<RunJournal::Run> RunJournal::parse(const QByteArray &content)
{
    QList<QByteArray> lines = content.split('\n');
    lines.removeLast(); // empty after the last line feed, or a line torn by a crash
    const std::optional<QStringList> format = lines.isEmpty() ? std::nullopt : decodedLine(lines.first());
    if (!format || format->size() != 2 || format->first() != formatTag
        || (format->at(1) != formatVersion && format->at(1) != firstVersion))
        return std::nullopt;
    Run run;
    bool hasBase = false;
    for (const QByteArray &line : lines.mid(1)) {
        const std::optional<QStringList> fields = decodedLine(line);
        if (!fields)
            continue; // damaged: the other lines still count
        if (fields->first() == baseTag && fields->size() == 2) {
            run.basePath = fields->at(1);
            hasBase = true;
        } else {
            readLine(*fields, &run);
        }
    }
    if (!hasBase)
        return std::nullopt;
    if (!run.started.isValid())
        run.started = localInstant(run.record.timeStarted);
    if (run.record.status.isEmpty())
        endAtLastSample(&run);
    else if (!run.finished.isValid())
        run.finished = localInstant(run.record.timeFinished);
    return run;
}

quint32 RunJournal::crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

RunJournal::RunJournal(const QString &folder, JournalSyncer::SyncFunction sync)
    : folder(folder)
    , syncer(std::move(sync))
{
}

RunJournal::~RunJournal() = default;

bool RunJournal::begin(const Program &record, const QString &basePath, const Start &start)
{
    close();
    // What a run was is the clinic's record, not for other accounts.
    if (!NoFollowFile::makeFolder(folder, NoFollowFile::Access::OwnerOnly))
        return false;
    // Named by the time (oldest first) and a random part, so that stations
    // running side by side never pick the same name.
    const QString name = QDir(folder).filePath(
        QStringLiteral("run-%1-%2.journal")
            .arg(QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")))
            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    std::unique_ptr<QLockFile> held = lockOf(name);
    // Written under another name and then renamed, the header appears
    // complete or not at all. Like every line after it, it is synced in the
    // background: a power cut before that sync leaves nothing to recover
    // either way.
    const QString creating = name + QLatin1String(".new");
    QByteArray header = journalLine({formatTag, formatVersion}) + journalLine({baseTag, basePath})
        + changedFields(record, Program());
    if (start.at.isValid())
        header += instantLine(startTag, start.at);
    if (start.programNumber > 0)
        header += journalLine({programTag, QString::number(start.programNumber)});
    if (!record.steps.isEmpty())
        header += journalLine({stepsTag, CycleFields::stepsText(record.steps)});
    if (start.adopted)
        header += journalLine({adoptedTag, QStringLiteral("1")});
    if (!held || !NoFollowFile::open(file, creating, QIODevice::WriteOnly | QIODevice::NewOnly,
                                     NoFollowFile::Access::OwnerOnly)
        || file.write(header) != header.size()
        || !file.flush() || !QFile::rename(creating, name)) {
        qCDebug(lcRecords) << "no journal" << name << file.errorString();
        file.close();
        QFile::remove(creating);
        return false;
    }
    path = name;
    syncer.syncFile(path, file.handle());
    syncer.syncFolder(folder);
    lock = std::move(held);
    journalled = record;
    qCDebug(lcRecords) << "journal" << name << "begun";
    return true;
}

void RunJournal::recordFields(const Program &record)
{
    if (!file.isOpen())
        return;
    append(changedFields(record, journalled));
    journalled = record;
}

void RunJournal::recordSample(const QString &key, const QString &value, qint64 elapsedMs)
{
    append(journalLine({pointTag, key, value, QString::number(elapsedMs)}));
}

void RunJournal::recordEnd(const QDateTime &at)
{
    append(instantLine(endTag, at));
}

void RunJournal::recordLogged(const Log &log)
{
    // The register finds the log wherever the station's working folder is.
    append(journalLine({loggedTag, QFileInfo(log.path).absoluteFilePath(), log.sha256,
                        CycleFields::originText(log.origin)}));
}

void RunJournal::recordDiscarded()
{
    append(journalLine({discardedTag}));
}

void RunJournal::remove()
{
    if (!lock)
        return;
    file.close();
    QFile::remove(path);
    // Syncing it now is of no use; that it is gone must survive a power cut too.
    syncer.dropFile(path);
    syncer.syncFolder(QFileInfo(path).absolutePath());
    qCDebug(lcRecords) << "journal" << path << "removed";
    lock.reset();
    path.clear();
}

void RunJournal::close()
{
    file.close();
    lock.reset();
    path.clear();
}

bool RunJournal::isOpen() const
{
    return file.isOpen();
}

QString RunJournal::fileName() const
{
    return path;
}

QStringList RunJournal::journals() const
{
    const QDir dir(folder);
    QStringList names;
    for (const QString &name : dir.entryList({QStringLiteral("*.journal")}, QDir::Files, QDir::Name))
        names.append(dir.filePath(name));
    return names;
}

bool RunJournal::adopt(const QString &fileName, QByteArray *content)
{
    close();
    std::unique_ptr<QLockFile> held = lockOf(fileName);
    QFile journal;
    const auto access = NoFollowFile::Access::OwnerOnly;
    if (!held || !NoFollowFile::open(journal, fileName, QIODevice::ReadOnly, access))
        return false;
    *content = journal.readAll();
    if (journal.error() != QFile::NoError
        || !NoFollowFile::open(file, fileName, QIODevice::WriteOnly | QIODevice::Append, access))
        return false;
    tornEnd = !content->isEmpty() && !content->endsWith('\n');
    path = fileName;
    lock = std::move(held);
    return true;
}

void RunJournal::append(const QByteArray &lines)
{
    if (!file.isOpen() || lines.isEmpty())
        return;
    // A torn line is left to fail its checksum, apart from the new ones.
    const QByteArray written = tornEnd ? '\n' + lines : lines;
    // One write per event: only the last line can be torn by a crash.
    if (file.write(written) != written.size() || !file.flush()) {
        qCDebug(lcRecords) << "journal" << path << "not written:" << file.errorString();
        return;
    }
    tornEnd = false;
    syncer.syncFile(path, file.handle());
}
