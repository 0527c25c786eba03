#include "records/runlog.h"

#include "app/logging.h"
#include "records/nofollowfile.h"
#include "records/runrecordformat.h"
#include "register/sha256.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextCodec>
#include <QVector>

#include <algorithm>
#include <optional>

namespace RunLog {

namespace {

struct Row {
    std::optional<qint64> seconds;
    QString key;
    QString value;
};

// The map holds its keys in text order, which puts "100:00:00" before
// "11:00:00"; a stable sort on the elapsed time keeps text order for the
// keys without one, which go last.
QVector<Row> chronologicalRows(const QMap<QString, QString> &dataPoints)
{
    QVector<Row> rows;
    rows.reserve(dataPoints.size());
    for (auto it = dataPoints.cbegin(); it != dataPoints.cend(); ++it)
        rows.append({RunRecordFormat::elapsedSeconds(it.key()), it.key(), it.value()});
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return std::make_pair(!a.seconds, a.seconds.value_or(0))
             < std::make_pair(!b.seconds, b.seconds.value_or(0));
    });
    return rows;
}

QByteArray encoded(const QString &field)
{
    QString text = field;
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QTextCodec::codecForLocale()->fromUnicode(text);
}

} // namespace

QByteArray content(const CommunicationManager::Program &record)
{
    const std::pair<const char *, const QString *> header[] = {
        {"Firmware Version: ", &record.firmwareVersion},
        {"Software Version: ", &record.softwareVersion},
        {"Serial Number: ", &record.serialNumber},
        {"Program Name: ", &record.name},
        {"Time Started: ", &record.timeStarted},
        {"Time Finished: ", &record.timeFinished},
        {"Cycle Number: ", &record.cycleNumber},
        {"Status: ", &record.status},
    };
    QByteArray out("Model: Vaporin Regulon 2\n");
    for (const auto &[label, field] : header)
        out += label + encoded(*field) + '\n';
    out += "Data Points\n"
           "TimeStamp [hh:mm:ss]\tChamber temp. [\xC2\xB0" "C]\n";

    const QVector<Row> rows = chronologicalRows(record.dataPoints);
    for (int i = 0; i < rows.size(); i += 2)
        out += encoded(rows[i].key) + '\t' + encoded(rows[i].value) + "\t\n";
    return out;
}

WriteResult writeRunLog(const CommunicationManager::Program &record, const QString &fileName)
{
    WriteResult result;
    result.fileName = fileName;
    const QString folder = QFileInfo(fileName).absolutePath();
    if (!QFileInfo::exists(folder)) {
        result.errorString = QCoreApplication::translate("RunLog", "The folder %1 does not exist.")
                                 .arg(QDir::toNativeSeparators(folder));
    } else {
        const QByteArray bytes = content(record);
        result.written = NoFollowFile::write(fileName, bytes, NoFollowFile::Access::Shared, &result.errorString);
        if (result.written)
            result.sha256 = Sha256::hex(bytes);
    }
    qCDebug(lcRecords) << "run log" << fileName << (result.written ? "written" : "not written:")
                       << result.errorString;
    return result;
}

WriteResult saveRunLog(const CommunicationManager::Program &record, const QString &basePath)
{
    // A run log is a cycle record: a name that is taken gets a number rather
    // than replacing the earlier record.
    QString fileName = basePath + QLatin1String(".txt");
    for (int n = 2; QFileInfo::exists(fileName); ++n)
        fileName = basePath + QStringLiteral("_%1.txt").arg(n);
    return writeRunLog(record, fileName);
}

} // namespace RunLog
