#include "register/cycleimport.h"

#include "app/logging.h"
#include "register/cycleregister.h"
#include "register/logfile.h"
#include "register/parallel.h"
#include "register/runlogparser.h"
#include "register/sha256.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace CycleImport {

namespace {

namespace fs = std::filesystem;

// A transaction per batch: one sync per batch instead of one per log.
constexpr int batchSize = 250;

QString errorText(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message().c_str());
}

// Qt's directory listing leaves out names that are not valid in the
// system's encoding (a Latin-1 name on a UTF-8 system), so the folder is
// listed byte by byte here and such a file is named rather than missed.
void list(const fs::path &folder, QVector<std::string> *files, QVector<Unreadable> *unreadable)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) {
        unreadable->append(
            {QFile::decodeName(folder.c_str()),
             QCoreApplication::translate("CycleImport", "The folder cannot be read: %1").arg(errorText(error))});
        return;
    }
    std::vector<fs::directory_entry> entries;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            break;
        entries.push_back(*it);
    }
    if (error)
        unreadable->append(
            {QFile::decodeName(folder.c_str()),
             QCoreApplication::translate("CycleImport", "The folder cannot be read: %1").arg(errorText(error))});
    std::sort(entries.begin(), entries.end());
    for (const fs::directory_entry &entry : entries) {
        // Links to folders are not followed: they could lead in circles.
        if (entry.is_directory(error) && !entry.is_symlink(error))
            list(entry.path(), files, unreadable);
        else
            files->append(entry.path().native());
    }
}

// The cycle of one file, or why there is none. The file is read by its
// bytes: a name that is not valid in the system's encoding is still its name.
std::optional<Cycle> readLog(const std::string &path, QString *reason)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        *reason = QCoreApplication::translate("CycleImport", "It is no regular file.");
        return std::nullopt;
    }
    if (fs::file_size(path, error) > std::uintmax_t(maxLogBytes)) {
        *reason = QCoreApplication::translate("CycleImport", "It is too large to be a run log.");
        return std::nullopt;
    }
    QFile file;
    if (!LogFile::open(file, QByteArray::fromStdString(path))) {
        *reason = QCoreApplication::translate("CycleImport", "It cannot be read: %1").arg(file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        *reason = QCoreApplication::translate("CycleImport", "It cannot be read: %1").arg(file.errorString());
        return std::nullopt;
    }
    std::optional<Cycle> cycle = RunLogParser::parse(bytes, reason);
    if (cycle) {
        cycle->logPath = QFileInfo(LogFile::name(QByteArray::fromStdString(path))).absoluteFilePath();
        cycle->logSha256 = Sha256::hex(bytes);
    }
    return cycle;
}

} // namespace

Result importFolder(CycleRegister &cycleRegister, const QString &folder)
{
    Result result;
    if (!QFileInfo(folder).isDir()) {
        result.error
            = QCoreApplication::translate("CycleImport", "%1 is no folder.").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    QVector<std::string> files;
    list(fs::path(QFile::encodeName(folder).toStdString()), &files, &result.unreadable);

    // Each batch is read and parsed on all cores, then entered in one transaction.
    for (int first = 0; first < files.size(); first += batchSize) {
        const int size = qMin(batchSize, files.size() - first);
        QVector<std::optional<Cycle>> read(size);
        QVector<QString> reasons(size);
        Parallel::forEach(size, [&](int i) { read[i] = readLog(files[first + i], &reasons[i]); });
        QVector<Cycle> batch;
        for (int i = 0; i < size; ++i) {
            if (read[i])
                batch.append(*read[i]);
            else
                result.unreadable.append(
                    {QDir::toNativeSeparators(LogFile::name(QByteArray::fromStdString(files[first + i]))), reasons[i]});
        }
        const QVector<CycleRegister::EnterResult> entered = cycleRegister.enter(batch);
        for (int i = 0; i < entered.size(); ++i) {
            const CycleRegister::EnterResult &one = entered[i];
            if (one.outcome == CycleRegister::Outcome::Failed) {
                result.error = one.error;
                return result;
            }
            if (one.outcome == CycleRegister::Outcome::Entered) {
                ++result.imported;
                continue;
            }
            // Present by its cycle rather than by its content: the two logs differ.
            const std::optional<QVector<Cycle>> sameContent = cycleRegister.findByLogSha256(batch[i].logSha256);
            if (!sameContent) {
                result.error = cycleRegister.errorString();
                return result;
            }
            if (sameContent->isEmpty())
                result.differing.append({QDir::toNativeSeparators(batch[i].logPath), one.id});
            else
                ++result.alreadyPresent;
        }
    }

    AuditEvent event;
    event.kind = QStringLiteral("import");
    event.details = QString::fromUtf8(QJsonDocument(QJsonObject{{QStringLiteral("folder"), QFileInfo(folder).absoluteFilePath()},
                                                                {QStringLiteral("imported"), result.imported},
                                                                {QStringLiteral("alreadyPresent"), result.alreadyPresent},
                                                                {QStringLiteral("differing"), result.differing.size()},
                                                                {QStringLiteral("unreadable"), result.unreadable.size()}})
                                          .toJson(QJsonDocument::Compact));
    if (!cycleRegister.appendEvent(event))
        result.error = cycleRegister.errorString();
    qCDebug(lcRegister) << "import of" << folder << ":" << result.imported << "imported," << result.alreadyPresent
                        << "already present," << result.differing.size() << "differing,"
                        << result.unreadable.size() << "unreadable";
    return result;
}

} // namespace CycleImport
