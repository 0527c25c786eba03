#include "register/cycleregister.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/registertestdata.h"
#include "tests/simulatedlink.h"
#include "ui/audittrailmodel.h"
#include "ui/cyclechart.h"
#include "ui/cycledetailsdialog.h"
#include "ui/cyclelistmodel.h"
#include "ui/mainwindow.h"
#include "ui/recordstab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <memory>

namespace {

QDateTime at(const char *iso)
{
    return RegisterTestData::localTime(QString::fromLatin1(iso));
}

Cycle cycle(const char *serial, int number, const char *started, const QString &program = QStringLiteral("Program 1"),
            const QString &status = QStringLiteral("Successfully completed"))
{
    Cycle c = RegisterTestData::cycle(QString::fromUtf8(serial), number, at(started),
                                      {{0, 25.0}, {2000, 30.5}, {4000, 35.25}}, program);
    c.status = status;
    return c;
}

// The cycles that the filter tests choose from, oldest first.
QVector<Cycle> assortment()
{
    return {cycle("RG-A", 11, "2024-01-10T09:00:00"),
            cycle("RG-A", 12, "2024-02-10T09:00:00", "Instruments 134", "Program cancelled by user"),
            cycle("RG-B", 21, "2024-02-15T09:00:00", "Textiles 121"),
            cycle("RG-B", 22, "2024-02-29T23:30:00", "Instruments 134"),
            cycle("RG-A", 13, "2024-03-01T00:10:00", "Program 1", "Connection lost"),
            cycle("RG-B", 23, "2024-03-20T09:00:00", "Instruments 134")};
}

} // namespace

class TestRecordsTab : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CycleRegister> store; // the writer's connection
    std::unique_ptr<RecordsTab> tab;
    std::unique_ptr<ModalAnswerer> answerer;

    QString registerPath() const { return dir->filePath(QStringLiteral("data/register.sqlite")); }

    template<typename T>
    T *child(const char *name) { return ::child<T>(*tab, name); }
    QTableView *list() { return child<QTableView>("tableViewCycles"); }

    // "serial-number" of each row shown, top first.
    QStringList listed()
    {
        QStringList rows;
        const CycleListModel *model = tab->cycleList();
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->at(row).controllerSerial + QLatin1Char('-') + QString::number(model->at(row).cycleNumber);
        return rows;
    }

    QVector<Cycle> enter(QVector<Cycle> cycles)
    {
        for (const CycleRegister::EnterResult &r : store->enter(cycles))
            if (r.outcome != CycleRegister::Outcome::Entered)
                qFatal("not entered: %s", qPrintable(r.error));
        return cycles;
    }

    // Shows the tab on a register holding these cycles and waits for its
    // first rows.
    bool open(const QVector<Cycle> &cycles)
    {
        enter(cycles);
        tab = std::make_unique<RecordsTab>(registerPath());
        tab->resize(990, 420);
        tab->show();
        return QTest::qWaitFor([&] { return tab->cycleList()->rowCount() == qMin(int(cycles.size()), 100); });
    }

    bool chooseRow(int row)
    {
        QSignalSpy shown(tab.get(), &RecordsTab::cycleShown);
        list()->setCurrentIndex(tab->cycleList()->index(row, 0));
        return shown.wait(5000);
    }

    // Answers the next file dialog with this file.
    void chooseFileWhenAsked(const QString &path)
    {
        answerer->handleDialogs([path](QWidget *dialog) {
            if (auto *files = qobject_cast<QFileDialog *>(dialog))
                chooseFile(files, path);
            return true;
        });
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<CycleRegister>(QStringLiteral("writer"));
        QVERIFY2(store->open(registerPath()), qPrintable(store->errorString()));
        answerer = std::make_unique<ModalAnswerer>();
    }

    void cleanup()
    {
        tab.reset();
        store.reset();
        answerer.reset();
        dir.reset();
    }

    void filtersChooseTheCycles_data()
    {
        QTest::addColumn<bool>("allDates");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected"); // newest first

        const QDate none;
        QTest::newRow("everything, newest first")
            << true << none << none << "" << "" << ""
            << QStringList{"RG-B-23", "RG-A-13", "RG-B-22", "RG-B-21", "RG-A-12", "RG-A-11"};
        // The to date is the period's last day, whole: a cycle at 23:30 is in.
        QTest::newRow("period of whole days") << false << QDate(2024, 2, 15) << QDate(2024, 2, 29) << "" << ""
                                              << "" << QStringList{"RG-B-22", "RG-B-21"};
        QTest::newRow("program") << true << none << none << "Instruments 134" << "" << ""
                                 << QStringList{"RG-B-23", "RG-B-22", "RG-A-12"};
        QTest::newRow("status") << true << none << none << "" << "Connection lost" << ""
                                << QStringList{"RG-A-13"};
        QTest::newRow("text in any case, trimmed") << true << none << none << "" << "" << "  textiles "
                                                   << QStringList{"RG-B-21"};
        QTest::newRow("text: a serial number") << true << none << none << "" << "" << "rg-a"
                                               << QStringList{"RG-A-13", "RG-A-12", "RG-A-11"};
        QTest::newRow("period, program and text") << false << QDate(2024, 2, 1) << QDate(2024, 3, 31)
                                                  << "Instruments 134" << "" << "RG-B"
                                                  << QStringList{"RG-B-23", "RG-B-22"};
        QTest::newRow("nothing found") << true << none << none << "Program 1" << "" << "Textiles" << QStringList{};
    }
    void filtersChooseTheCycles()
    {
        QFETCH(bool, allDates);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, program);
        QFETCH(QString, status);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QVERIFY(open(assortment()));
        // The choices are the names and statuses the register holds.
        auto *programs = child<QComboBox>("comboBoxProgramFilter");
        auto *statuses = child<QComboBox>("comboBoxStatusFilter");
        QTRY_COMPARE(programs->count(), 4);
        QCOMPARE(programs->itemText(0), QString("All programs"));
        QCOMPARE(statuses->count(), 4);

        if (!allDates) {
            child<QDateEdit>("dateEditFrom")->setDate(from);
            child<QDateEdit>("dateEditTo")->setDate(to);
            child<QCheckBox>("checkBoxAllDates")->setChecked(false);
        }
        if (!program.isEmpty())
            programs->setCurrentIndex(programs->findText(program));
        if (!status.isEmpty())
            statuses->setCurrentIndex(statuses->findText(status));
        // Typing waits for a pause before the list follows.
        QTest::keyClicks(child<QLineEdit>("lineEditFilterText"), text);
        QTRY_COMPARE(listed(), expected);
        QTRY_COMPARE(child<QLabel>("labelCycleCount")->text(),
                     expected.size() == 1 ? QString("1 cycle") : QString("%1 cycles").arg(expected.size()));
    }

    void pagesFollowTheScrolling()
    {
        QVector<Cycle> many;
        // Two an hour, the ID orders them; the first page ends between two of an hour.
        for (int i = 0; i < 151; ++i)
            many << RegisterTestData::cycle("RG-P", i, at("2024-01-01T08:00:00").addSecs(i / 2 * 3600), {{0, 25.0}});
        QVERIFY(open(many));
        QCOMPARE(tab->cycleList()->rowCount(), 100);
        list()->scrollToBottom();
        QTRY_COMPARE(tab->cycleList()->rowCount(), 151);
        QVERIFY(!tab->cycleList()->canFetchMore({}));
        const QStringList rows = listed();
        for (int row = 0; row < rows.size(); ++row)
            QCOMPARE(rows[row], QString("RG-P-%1").arg(150 - row));
    }

    void chosenCycleShowsItsFieldsAndWholeCurve()
    {
        Cycle twoHours = cycle("RG-C", 214, "2024-03-05T14:07:09", "Instruments 134");
        twoHours.samples = RegisterTestData::run(120, 7);
        twoHours.samples[1800].celsius = 139.5; // a spike of one sample
        twoHours.samples.append({7200000, 60.0});
        twoHours.finished = twoHours.started.addSecs(7205);
        twoHours.logPath = dir->filePath(QStringLiteral("logs/Instruments_134.txt"));
        QVERIFY(QDir().mkpath(dir->filePath(QStringLiteral("logs"))));
        QVERIFY(open({cycle("RG-C", 213, "2024-03-04T10:00:00"), twoHours}));
        QVERIFY(!child<QPushButton>("pushButtonExportSamples")->isEnabled());
        QVERIFY(chooseRow(0));

        const QVector<QPair<const char *, QString>> fields = {
            {"labelCycleProgram", QString("1 \u00b7 Instruments 134")},
            {"labelCycleNumber", "214"},
            {"labelCycleSerial", "RG-C"},
            {"labelCycleSamples", QString::number(twoHours.samples.size())},
            {"labelCycleDuration", "2 h 00 min 05 s"},
            {"labelCycleStatus", "Successfully completed"},
        };
        for (const auto &[name, text] : fields)
            QCOMPARE(child<QLabel>(name)->text(), text);
        // The start as the wall clock where it ran, with its offset.
        QVERIFY(child<QLabel>("labelCycleStarted")->text().startsWith("2024-03-05 14:07:09 UTC"));

        // Every sample is on the curve: it spans the whole run, spike included.
        const auto *chart = tab->findChild<QtCharts::QChartView *>()->chart();
        const auto *series = qobject_cast<QtCharts::QLineSeries *>(chart->series().first());
        double highest = 0;
        for (const QPointF &point : series->pointsVector())
            highest = qMax(highest, point.y());
        QCOMPARE(highest, 139.5);
        QCOMPARE(series->at(series->count() - 1).x(),
                 double((twoHours.samples.last().elapsedMs / 1000 + chartEpochSeconds) * 1000));
        auto *time = qobject_cast<QtCharts::QCategoryAxis *>(chart->axes(Qt::Horizontal).last());
        QVERIFY(time && time->isVisible());
        QCOMPARE(time->categoriesLabels().last(), QString("2:00"));

        for (const char *button : {"pushButtonOpenLogFolder", "pushButtonExportSamples", "pushButtonCycleDetails"})
            QVERIFY2(child<QPushButton>(button)->isEnabled(), button);

        // The log's folder opens through the opener; the details show all.
        QUrl opened;
        tab->setUrlOpener([&](const QUrl &url) { opened = url; });
        child<QPushButton>("pushButtonOpenLogFolder")->click();
        QCOMPARE(opened, QUrl::fromLocalFile(dir->filePath(QStringLiteral("logs"))));
        child<QPushButton>("pushButtonCycleDetails")->click();
        auto *details = tab->findChild<CycleDetailsDialog *>();
        QVERIFY(details && details->isVisible() && !details->isModal());
        QTRY_COMPARE(details->cycleEvents()->rowCount(), 1);
        QStringList texts;
        for (const QLabel *label : details->findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains(tab->chosenCycle()->entryHash));
        QVERIFY(texts.contains(tab->chosenCycle()->previousHash));
    }

    void exportsAreExactCsv()
    {
        Cycle odd = cycle("RG-\u00c4", 7, "2024-03-05T14:07:09", "Pr\u00fcf \"A\", 1\nx", "Program cancelled by user");
        odd.started = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::OffsetFromUTC, 3600);
        odd.finished = odd.started.addSecs(4);
        odd.samples = {{0, 25.0}, {1500, 30.25}, {4000, -0.5}};
        odd.station = QStringLiteral("st,1");
        QVERIFY(open({cycle("RG-B", 1, "2024-01-01T08:00:00", "Other"), odd}));
        const QString listFile = dir->filePath(QStringLiteral("list.csv"));
        const QString samplesFile = dir->filePath(QStringLiteral("samples.csv"));

        // The list holds what the filter shows.
        child<QLineEdit>("lineEditFilterText")->setText(QStringLiteral("pR\u00fcF"));
        QTRY_COMPARE(listed(), QStringList{"RG-\u00c4-7"});
        QSignalSpy finished(tab.get(), &RecordsTab::exportFinished);
        chooseFileWhenAsked(listFile);
        child<QPushButton>("pushButtonExportList")->click();
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.last().at(0).toString(), QString());
        QCOMPARE(contents(listFile),
                 QByteArray("ID,Started,Finished,Program number,Program,Cycle number,Controller serial,Status,Origin,"
                            "Samples,Log file,Log SHA-256,Station\r\n"
                            "2,2024-03-05T14:07:09.000+01:00,2024-03-05T14:07:13.000+01:00,1,"
                            "\"Pr\xc3\xbc" "f \"\"A\"\", 1\nx\",7,RG-\xc3\x84,Program cancelled by user,recorded,3,,,"
                            "\"st,1\"\r\n"));

        QVERIFY(chooseRow(0));
        chooseFileWhenAsked(samplesFile);
        child<QPushButton>("pushButtonExportSamples")->click();
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.last().at(0).toString(), QString());
        QCOMPARE(contents(samplesFile), QByteArray("Time,Elapsed [s],Temperature [\xc2\xb0" "C]\r\n"
                                                   "2024-03-05T14:07:09.000+01:00,0.000,25.00\r\n"
                                                   "2024-03-05T14:07:10.500+01:00,1.500,30.25\r\n"
                                                   "2024-03-05T14:07:13.000+01:00,4.000,-0.50\r\n"));

        // A file that cannot be written is named in a message; nothing else is lost.
        chooseFileWhenAsked(dir->filePath(QStringLiteral("no such folder/list.csv")));
        child<QPushButton>("pushButtonExportList")->click();
        QVERIFY(finished.wait(5000));
        QVERIFY(finished.last().at(0).toString().contains("no such folder"));
        QTRY_COMPARE(answerer->titles(), QStringList{"Export"});
        QVERIFY(child<QPushButton>("pushButtonExportList")->isEnabled());
    }

    void auditTrailInWords_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("words");
        QTest::newRow("flat, keys in words") << R"({"origin":"recorded"})" << "origin: recorded";
        QTest::newRow("numbers and camel case") << R"({"alreadyPresent":2,"folder":"/logs","ratio":0.5})"
                                                << "already present: 2; folder: /logs; ratio: 0.5";
        QTest::newRow("nested, lists and yes/no")
            << R"({"after":{"name":"B","steps":["20@121.0","5@60.0"]},"program_number":2,"written":false})"
            << "after: (name: B, steps: [20@121.0, 5@60.0]); program number: 2; written: no";
        QTest::newRow("empty") << "{}" << "";
        QTest::newRow("not an object stays as stored") << "not json {" << "not json {";
    }
    void auditTrailInWords()
    {
        QFETCH(QString, json);
        QFETCH(QString, words);
        QCOMPARE(AuditTrailModel::detailsInWords(json), words);
    }

    void auditTrailShowsEveryEvent()
    {
        AuditEvent write;
        write.kind = QStringLiteral("program write");
        write.controllerSerial = QStringLiteral("RG-A");
        write.osUser = QStringLiteral("nurse");
        write.at = at("2024-04-01T10:00:00");
        write.details = QStringLiteral(R"({"outcome":"written","program":3})");
        QVERIFY(store->appendEvent(write));
        QVERIFY(open({cycle("RG-A", 1, "2024-03-01T08:00:00")}));
        const AuditTrailModel *trail = tab->auditTrail();
        QTRY_COMPARE(trail->rowCount(), 2);
        QStringList row;
        for (int column = 0; column < trail->columnCount(); ++column)
            row << trail->index(1, column).data().toString();
        QCOMPARE(row, (QStringList{"2024-04-01 10:00:00", "nurse", CycleRegister::station(), "program write", "RG-A",
                                   "", "outcome: written; program: 3"}));
        // The newest first: the cycle's entry, made just now.
        QCOMPARE(trail->index(0, AuditTrailModel::Kind).data().toString(), QString("cycle entered"));
        QCOMPARE(trail->index(0, AuditTrailModel::CycleEntry).data().toString(), QString("1"));
        QCOMPARE(child<QTableView>("tableViewAuditTrail")->model(), trail);
    }

    void enteredCycleJoinsTheListAndTheChoiceStays()
    {
        QVERIFY(open({cycle("RG-A", 1, "2024-03-01T08:00:00"), cycle("RG-A", 2, "2024-03-02T08:00:00")}));
        QVERIFY(chooseRow(1));
        QTRY_COMPARE(child<QLabel>("labelCycleCount")->text(), QString("2 cycles"));
        QTRY_COMPARE(tab->auditTrail()->rowCount(), 2);

        enter({cycle("RG-A", 3, "2024-03-03T08:00:00", "New program")});
        tab->cycleEntered();
        QTRY_COMPARE(listed(), (QStringList{"RG-A-3", "RG-A-2", "RG-A-1"}));
        QCOMPARE(list()->currentIndex().row(), 2);
        QCOMPARE(tab->chosenCycle()->cycleNumber, 1);
        QTRY_COMPARE(child<QLabel>("labelCycleCount")->text(), QString("3 cycles"));
        QTRY_VERIFY(child<QComboBox>("comboBoxProgramFilter")->findText("New program") > 0);
        QTRY_COMPARE(tab->auditTrail()->rowCount(), 3);
    }

    void registerThatCannotBeOpenedIsNamed_data()
    {
        QTest::addColumn<QByteArray>("content"); // of the register's file; null: a file where its folder should be
        QTest::newRow("no folder for it") << QByteArray();
        QTest::newRow("not a database") << QByteArray(4096, 'x');
    }
    void registerThatCannotBeOpenedIsNamed()
    {
        QFETCH(QByteArray, content);
        store.reset();
        const QString path = content.isNull() ? dir->filePath(QStringLiteral("file/register.sqlite"))
                                              : dir->filePath(QStringLiteral("junk.sqlite"));
        QFile file(content.isNull() ? dir->filePath(QStringLiteral("file")) : path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        tab = std::make_unique<RecordsTab>(path);
        tab->show();
        auto *message = child<QLabel>("labelRegisterMessage");
        QTRY_VERIFY(message->isVisible());
        QVERIFY2(message->text().contains("cannot be opened"), qPrintable(message->text()));
        QCOMPARE(tab->cycleList()->rowCount(), 0);
        QVERIFY(!child<QPushButton>("pushButtonExportList")->isEnabled());
        tab->cycleEntered(); // tries again, still without a crash
        QTest::qWait(50);
        QVERIFY(message->isVisible());
    }

    // Another program holds the register for itself while the tab opens it
    // (readers do not wait for a mere writer): the reader waits for the
    // lock, the window does not.
    void lockedRegisterNeverHoldsUpTheWindow()
    {
        enter({cycle("RG-A", 1, "2024-03-01T08:00:00"), cycle("RG-A", 2, "2024-03-02T08:00:00")});
        store.reset();
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(registerPath());
        QVERIFY(holder.open());
        QSqlQuery lock(holder);
        // Without the shared index of the write-ahead log no other
        // connection may read until this one is closed.
        QVERIFY2(lock.exec("PRAGMA locking_mode = EXCLUSIVE") && lock.exec("BEGIN EXCLUSIVE")
                     && lock.exec("SELECT COUNT(*) FROM cycles"),
                 qPrintable(lock.lastError().text()));
        tab = std::make_unique<RecordsTab>(registerPath());
        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab.get())); // its first paint is no wait

        constexpr qint64 lockedMs = 1000;
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        qint64 longest = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] {
            longest = qMax(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start(5);
        QTest::qWait(int(lockedMs));
        QCOMPARE(tab->cycleList()->rowCount(), 0); // the reader still waits
        // Far less than the lock lasted, even with sanitizers on a busy machine.
        QVERIFY2(longest < lockedMs / 3, qPrintable(QString::number(longest)));
        QVERIFY(lock.exec("COMMIT"));
        lock.finish();
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QTRY_COMPARE(listed(), (QStringList{"RG-A-2", "RG-A-1"}));
    }

    void mainWindowPlacesTheTab()
    {
        SimulatedLink link;
        MainWindow window(&link.manager);
        auto *tabs = ::child<QTabWidget>(window, "tabWidget");
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i)
            titles << tabs->tabText(i);
        QCOMPARE(titles, (QStringList{"Home", "Programs", "Records", "About us"}));
        QCOMPARE(tabs->widget(2), window.records());
        // Usable during a run: only the Programs tab is locked then.
        window.setRunControls(CommunicationManager::Running);
        QVERIFY(!tabs->isTabEnabled(1));
        QVERIFY(tabs->isTabEnabled(2));
    }

    void timeAxisReadsHoursAndMinutes_data()
    {
        QTest::addColumn<qint64>("endSeconds");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("a fresh chart's minute") << qint64(0) << QStringList{"0:00", "0:01"};
        QTest::newRow("8 minutes, minute by minute")
            << qint64(480) << QStringList{"0:00", "0:01", "0:02", "0:03", "0:04", "0:05", "0:06", "0:07", "0:08"};
        QTest::newRow("2 hours: quarters") << qint64(7200)
                                           << QStringList{"0:00", "0:15", "0:30", "0:45", "1:00", "1:15", "1:30",
                                                          "1:45", "2:00"};
        QTest::newRow("a second more: 20 minutes") << qint64(7201)
                                                   << QStringList{"0:00", "0:20", "0:40", "1:00", "1:20", "1:40", "2:00"};
        QTest::newRow("beyond 99 hours") << qint64(111 * 3600)
                                         << QStringList{"0:00", "24:00", "48:00", "72:00", "96:00"};
    }
    void timeAxisReadsHoursAndMinutes()
    {
        QFETCH(qint64, endSeconds);
        QFETCH(QStringList, labels);
        QStringList shown;
        qint64 previous = -1;
        for (const CycleChart::Tick &tick : CycleChart::ticks(endSeconds)) {
            QVERIFY(tick.seconds > previous && tick.seconds <= qMax<qint64>(endSeconds, 60));
            previous = tick.seconds;
            shown << tick.label;
        }
        QCOMPARE(shown, labels);
    }
};

STATION_GUI_TEST_MAIN(TestRecordsTab)
#include "tst_recordstab.moc"
