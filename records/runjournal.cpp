#include "records/runjournal.h"

#include "app/logging.h"
#include "records/runrecordformat.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>

using Program = CommunicationManager::Program;

namespace {

// First line of every journal: what the file is, and the version of its layout.
const QStringList formatLine{QStringLiteral("vaporin-run-journal"), QStringLiteral("1")};
const QString baseTag = QStringLiteral("base");
const QString pointTag = QStringLiteral("point");

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

// When the last sample was taken: the start plus its elapsed time.
QString lastSampleTime(const Program &record)
{
    const QString format = QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");
    const QDateTime started = QLocale::c().toDateTime(record.timeStarted, format);
    if (!started.isValid())
        return QString();
    qint64 last = 0;
    for (auto it = record.dataPoints.cbegin(); it != record.dataPoints.cend(); ++it)
        last = qMax(last, RunRecordFormat::elapsedSeconds(it.key()).value_or(0));
    return RunRecordFormat::timestampText(started.addSecs(last));
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
    if (lines.isEmpty() || decodedLine(lines.first()) != formatLine)
        return std::nullopt;
    Run run;
    bool hasBase = false;
    for (const QByteArray &line : lines.mid(1)) {
        const std::optional<QStringList> fields = decodedLine(line);
        if (!fields)
            continue; // damaged: the other lines still count
        const QString &tag = fields->first();
        if (tag == baseTag && fields->size() == 2) {
            run.basePath = fields->at(1);
            hasBase = true;
        } else if (tag == pointTag && fields->size() == 3) {
            run.record.dataPoints.insert(fields->at(1), fields->at(2));
        } else {
            for (const auto &[name, member] : journalFields)
                if (tag == QLatin1String(name) && fields->size() == 2)
                    run.record.*member = fields->at(1);
        }
    }
    if (!hasBase)
        return std::nullopt;
    if (run.record.status.isEmpty()) {
        run.record.status = QString::fromLatin1(stoppedStatus);
        run.record.timeFinished = lastSampleTime(run.record);
    }
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

bool RunJournal::begin(const Program &record, const QString &basePath)
{
    close();
    if (!QDir().mkpath(folder))
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
    const QByteArray header = journalLine(formatLine) + journalLine({baseTag, basePath})
        + changedFields(record, Program());
    file.setFileName(creating);
    if (!held || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(header) != header.size()
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

void RunJournal::recordSample(const QString &key, const QString &value)
{
    append(journalLine({pointTag, key, value}));
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
}

void RunJournal::close()
{
    file.close();
    lock.reset();
}

bool RunJournal::isOpen() const
{
    return file.isOpen();
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
    QFile journal(fileName);
    if (!held || !journal.open(QIODevice::ReadOnly))
        return false;
    *content = journal.readAll();
    path = fileName;
    lock = std::move(held);
    return true;
}

void RunJournal::append(const QByteArray &lines)
{
    if (!file.isOpen() || lines.isEmpty())
        return;
    // One write per event: only the last line can be torn by a crash.
    if (file.write(lines) != lines.size() || !file.flush()) {
        qCDebug(lcRecords) << "journal" << path << "not written:" << file.errorString();
        return;
    }
    syncer.syncFile(path, file.handle());
}
