// The Records tab on a clinic's register after ten years (30,000 two-hour
// cycles): from asking to rows painted for the first page and for each
// filter, from choosing a cycle to its curve painted, and the longest time
// the GUI thread was held up meanwhile. Each figure is measured as the user
// sees it: the rows or the curve painted in the view, the reads done by the
// tab's reader thread included.

#include "bench/benchrow.h"
#include "bench/generatedregister.h"
#include "tests/isolateduser.h"
#include "ui/cyclelistmodel.h"
#include "ui/recordstab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QtCharts/QChartView>

#include <algorithm>
#include <functional>

namespace {

constexpr int runs = 5;

// The longest gap between two ticks of a timer that should fire every
// millisecond: the longest the GUI thread was busy with one thing.
class BlockWatch
{
public:
    BlockWatch()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            longest = std::max(longest, clock.nsecsElapsed() - last);
            last = clock.nsecsElapsed();
        });
        timer.start(1);
        clock.start();
    }
    double longestMs() const { return longest / 1e6; }

private:
    QTimer timer;
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
};

// Runs the event loop until done() or the timeout; never sleeps, so that
// the watch sees the tab's blocks, not the wait's.
bool waitFor(const std::function<bool()> &done, int timeoutMs = 10000)
{
    QEventLoop loop;
    QTimer poll;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done() || clock.elapsed() > timeoutMs)
            loop.quit();
    });
    poll.start(1);
    if (!done())
        loop.exec();
    return done();
}

// Milliseconds from act() to the list's rows painted (nothing: no answer).
std::optional<double> untilRowsPainted(RecordsTab &tab, const std::function<void()> &act)
{
    auto *view = tab.findChild<QTableView *>(QStringLiteral("tableViewCycles"));
    QElapsedTimer clock;
    std::optional<double> ms;
    const QMetaObject::Connection painted =
        QObject::connect(tab.cycleList(), &PagedTableModelBase::rowsRead, [&] {
            view->viewport()->repaint(); // as the view would next, at once
            ms = clock.nsecsElapsed() / 1e6;
        });
    clock.start();
    act();
    waitFor([&] { return ms.has_value(); });
    QObject::disconnect(painted);
    return ms;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    IsolatedUser user;
    QApplication app(argc, argv);
    const int count = 30000;
    const QString folder = GeneratedRegister::ready(count);
    if (folder.isEmpty())
        return 1;

    RecordsTab tab(GeneratedRegister::registerPath(folder));
    tab.resize(990, 420);
    // From the moment the user opens the tab.
    BlockWatch watch;
    const std::optional<double> first = untilRowsPainted(tab, [&] { tab.show(); });
    if (!first || tab.cycleList()->rowCount() != 100) {
        benchFailed(QStringLiteral("Records tab: first rows"), QStringLiteral("the first page did not arrive"));
        return 1;
    }
    benchRow(QStringLiteral("Records tab: first 100 of 30,000 cycles painted, the register opened first"), *first,
             QStringLiteral("ms"), 100.0);

    auto *programs = tab.findChild<QComboBox *>(QStringLiteral("comboBoxProgramFilter"));
    auto *statuses = tab.findChild<QComboBox *>(QStringLiteral("comboBoxStatusFilter"));
    auto *text = tab.findChild<QLineEdit *>(QStringLiteral("lineEditFilterText"));
    auto *allDates = tab.findChild<QCheckBox *>(QStringLiteral("checkBoxAllDates"));
    const QDate lastYear = tab.cycleList()->at(0).started.date().addYears(-1);
    waitFor([&] { return programs->count() > 1 && statuses->count() > 1; });
    const auto typed = [&](const QString &words) {
        return [=] {
            text->setText(words);
            QTest::keyClick(text, Qt::Key_Return); // the pause after typing is the user's, not ours
        };
    };
    const QVector<QPair<QString, std::function<void()>>> filters = {
        {QStringLiteral("period of a month"),
         [&] {
             tab.findChild<QDateEdit *>(QStringLiteral("dateEditFrom"))->setDate(lastYear);
             tab.findChild<QDateEdit *>(QStringLiteral("dateEditTo"))->setDate(lastYear.addMonths(1).addDays(-1));
             allDates->setChecked(false);
         }},
        {QStringLiteral("program"), [&] { programs->setCurrentIndex(programs->findText(QStringLiteral("Textiles 121"))); }},
        {QStringLiteral("status"), [&] { statuses->setCurrentIndex(statuses->findText(QStringLiteral("Cancelled by user"))); }},
        {QStringLiteral("free text"), typed(QStringLiteral("prion"))},
        {QStringLiteral("free text found nowhere"), typed(QStringLiteral("no such text"))},
    };
    // Each measurement starts from a tab at rest: its count of the filter
    // before, a full scan for a text, done.
    auto *countLabel = tab.findChild<QLabel *>(QStringLiteral("labelCycleCount"));
    const auto settled = [&] { return waitFor([&] { return !countLabel->text().isEmpty(); }); };
    const auto showAll = [&] {
        untilRowsPainted(tab, [&] {
            allDates->setChecked(true);
            programs->setCurrentIndex(0);
            statuses->setCurrentIndex(0);
            typed({})();
        });
        settled();
    };
    for (const auto &[name, apply] : filters) {
        QVector<double> times;
        for (int i = 0; i < runs; ++i) {
            showAll();
            if (const std::optional<double> ms = untilRowsPainted(tab, apply))
                times << *ms;
            settled();
        }
        if (times.size() < runs)
            benchFailed(QStringLiteral("Records tab: filter by %1").arg(name), QStringLiteral("no answer"));
        else
            benchRow(QStringLiteral("Records tab: filter by %1, rows painted (median of %2)").arg(name).arg(runs),
                     median(times), QStringLiteral("ms"), 50.0);
    }
    showAll();

    // A cycle's curve: 3,600 samples read, decoded, laid out and painted.
    auto *view = tab.findChild<QTableView *>(QStringLiteral("tableViewCycles"));
    auto *chart = tab.findChild<QtCharts::QChartView *>();
    QVector<double> curves;
    for (int row = 1; row <= runs; ++row) {
        QElapsedTimer clock;
        QSignalSpy shown(&tab, &RecordsTab::cycleShown);
        clock.start();
        view->setCurrentIndex(tab.cycleList()->index(row * 7, 0));
        if (!shown.wait(10000))
            break;
        chart->viewport()->repaint();
        curves << clock.nsecsElapsed() / 1e6;
    }
    if (curves.size() < runs)
        benchFailed(QStringLiteral("Records tab: a cycle's curve"), QStringLiteral("the cycle was not shown"));
    else
        benchRow(QStringLiteral("Records tab: a 2-hour cycle's curve painted after choosing it (median of %1)").arg(runs),
                 median(curves), QStringLiteral("ms"), 50.0);

    benchRow(QStringLiteral("Records tab: longest GUI-thread block during all of the above"), watch.longestMs(),
             QStringLiteral("ms"));
    return 0;
}
