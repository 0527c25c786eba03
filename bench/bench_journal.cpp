// The longest the run journal holds up its caller, the GUI thread, on a
// disk whose syncs take 200 ms (a network home folder, a busy laptop disk):
// a run begun, 30 samples 300 ms apart (each synced before the next comes),
// its end recorded and the journal removed as after a saved run.

#include "bench/benchrow.h"
#include "records/runjournal.h"
#include "records/runrecordformat.h"
#include "tests/longestcall.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    RunJournal journal(dir.path(), [](int) { QThread::msleep(200); });
    LongestCall timed;

    CommunicationManager::Program record;
    record.name = QStringLiteral("Program 1");
    bool begun = false;
    timed([&] { begun = journal.begin(record, dir.filePath(QStringLiteral("run")), {}); });
    if (!begun) {
        benchFailed(QStringLiteral("run journal"), QStringLiteral("no journal could be made"));
        return 1;
    }
    for (int n = 0; n < 30; ++n) {
        QThread::msleep(300);
        timed([&] { journal.recordSample(RunRecordFormat::elapsedKey(n * 2), QStringLiteral("121.5"), n * 2000); });
    }
    record.status = QStringLiteral("Successfully completed");
    timed([&] { journal.recordFields(record); });
    timed([&] { journal.remove(); });
    benchRow(QStringLiteral("longest call of the run journal, syncs taking 200 ms (begin, 30 samples, end)"),
             timed.milliseconds(), QStringLiteral("ms"), 10.0);
    return 0;
}
