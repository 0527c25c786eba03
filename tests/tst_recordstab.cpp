#include "app/stationsettings.h"
#include "register/cycleregister.h"
#include "register/releasepolicy.h"
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
#include "reports/reportpainter.h"
#include "ui/recordstab.h"
#include "ui/releasedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtTest>

#include <algorithm>
#include <tuple>

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

// A 20-minute hold at 121 °C that wavers by 0.1 K: PASS by a band of 0.5 K.
Cycle holding(const char *serial, int number, const char *started)
{
    return RegisterTestData::cycle(QString::fromUtf8(serial), number, at(started), RegisterTestData::run(70, quint32(number)),
                                   QStringLiteral("Wrapped 121"));
}

QString pdfText(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

// Whether the first page is wider than high, as pdfinfo gives its size.
bool landscape(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    p.waitForFinished(30000);
    const QString size = QString::fromUtf8(p.readAllStandardOutput()).section(QStringLiteral("Page size:"), 1);
    return size.section(QLatin1Char('x'), 0, 0).toDouble() > size.section(QLatin1Char('x'), 1).section(QLatin1Char(' '), 1, 1).toDouble();
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
    int waiting = -1; // as the tab last counted them

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
        connect(tab.get(), &RecordsTab::waitingForReleaseCounted, [this](int count) { waiting = count; });
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
        store->setVerdictBand({0.5, 3.0});
        answerer = std::make_unique<ModalAnswerer>();
        waiting = -1;
        StationSettings().clear();
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

        for (const auto &[name, text] : {std::pair("labelCycleProgram", QString("1 \u00b7 Instruments 134")),
                                         std::pair("labelCycleNumber", QString("214")),
                                         std::pair("labelCycleSamples", QString::number(twoHours.samples.size())),
                                         std::pair("labelCycleDuration", QString("2 h 00 min 05 s"))})
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
        QVERIFY(time && time->isVisible() && time->categoriesLabels().last() == "2:00");

        for (const char *button : {"pushButtonOpenLogFolder", "pushButtonExportSamples", "pushButtonCycleDetails"})
            QVERIFY2(child<QPushButton>(button)->isEnabled(), button);

        // The log's folder opens through the opener, or the user is told
        // that it could not; the details show all.
        QUrl opened;
        tab->setUrlOpener([&](const QUrl &url) { opened = url; return false; });
        child<QPushButton>("pushButtonOpenLogFolder")->click();
        QTRY_COMPARE(answerer->titles(), QStringList{"Log Folder"});
        tab->setUrlOpener([&](const QUrl &url) { opened = url; return true; });
        child<QPushButton>("pushButtonOpenLogFolder")->click();
        QCOMPARE(opened, QUrl::fromLocalFile(dir->filePath(QStringLiteral("logs"))));
        QCOMPARE(answerer->titles(), QStringList{"Log Folder"});
        child<QPushButton>("pushButtonCycleDetails")->click();
        auto *details = tab->findChild<CycleDetailsDialog *>();
        QVERIFY(details && details->isVisible() && !details->isModal());
        QTRY_COMPARE(details->cycleEvents()->rowCount(), 1);
        QStringList texts;
        for (const QLabel *label : details->findChildren<QLabel *>())
            texts << label->text();
        QVERIFY(texts.contains(tab->chosenCycle()->entryHash) && texts.contains(tab->chosenCycle()->previousHash));
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
                            "Samples,Log file,Log SHA-256,Station,Verdict,Release\r\n"
                            "2,2024-03-05T14:07:09.000+01:00,2024-03-05T14:07:13.000+01:00,1,"
                            "\"Pr\xc3\xbc" "f \"\"A\"\", 1\nx\",7,RG-\xc3\x84,Program cancelled by user,recorded,3,,,"
                            "\"st,1\",FAIL,waiting\r\n"));

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

    // The trail shows every event, newest first; an entered cycle joins the
    // list, the trail and the filters, and the chosen cycle stays chosen.
    void enteredCycleJoinsTheListAndTheTrail()
    {
        AuditEvent write;
        write.kind = QStringLiteral("program write");
        write.controllerSerial = QStringLiteral("RG-A");
        write.osUser = QStringLiteral("nurse");
        write.at = at("2024-04-01T10:00:00");
        write.details = QStringLiteral(R"({"outcome":"written","program":3})");
        QVERIFY(store->appendEvent(write));
        QVERIFY(open({cycle("RG-A", 1, "2024-03-01T08:00:00"), cycle("RG-A", 2, "2024-03-02T08:00:00")}));
        const AuditTrailModel *trail = tab->auditTrail();
        QCOMPARE(child<QTableView>("tableViewAuditTrail")->model(), trail);
        QTRY_COMPARE(trail->rowCount(), 3);
        QStringList row;
        for (int column = 0; column < trail->columnCount(); ++column)
            row << trail->index(2, column).data().toString();
        QCOMPARE(row, (QStringList{"2024-04-01 10:00:00", "nurse", CycleRegister::station(), "program write", "RG-A",
                                   "", "outcome: written; program: 3"}));
        QVERIFY(chooseRow(1));
        QTRY_COMPARE(child<QLabel>("labelCycleCount")->text(), QString("2 cycles"));

        enter({cycle("RG-A", 3, "2024-03-03T08:00:00", "New program")});
        tab->cycleEntered();
        QTRY_COMPARE(listed(), (QStringList{"RG-A-3", "RG-A-2", "RG-A-1"}));
        QCOMPARE(list()->currentIndex().row(), 2);
        QCOMPARE(tab->chosenCycle()->cycleNumber, 1);
        QTRY_COMPARE(child<QLabel>("labelCycleCount")->text(), QString("3 cycles"));
        QTRY_VERIFY(child<QComboBox>("comboBoxProgramFilter")->findText("New program") > 0);
        QTRY_COMPARE(trail->rowCount(), 4);
        QCOMPARE(trail->index(0, AuditTrailModel::Kind).data().toString(), QString("cycle entered"));
        QCOMPARE(trail->index(0, AuditTrailModel::CycleEntry).data().toString(), QString("3"));
    }

    // The verdict as stored, in the reports' colours, its reason on the
    // tooltip; the newest decision, or a mark on the cycles that wait.
    void verdictAndReleaseColumns()
    {
        Cycle failed = holding("RG-A", 2, "2024-03-02T08:00:00");
        failed.samples.resize(failed.samples.size() / 2);
        Cycle imported = holding("RG-B", 1, "2024-03-03T08:00:00");
        imported.origin = Cycle::Origin::Imported;
        imported.steps.clear();
        Cycle discarded = holding("RG-B", 2, "2024-03-04T08:00:00");
        discarded.status = QString::fromUtf8(ReleasePolicy::discardedStatus);
        Cycle released = holding("RG-C", 1, "2024-03-05T08:00:00");
        QVERIFY(open({holding("RG-A", 1, "2024-03-01T08:00:00"), failed, imported, discarded, released}));
        Release r;
        r.cycleId = 5;
        r.operatorName = QStringLiteral("A. Meier");
        r.decision = Release::Decision::Rejected;
        QVERIFY(store->enterRelease(r));
        tab->cycleEntered();
        QTRY_COMPARE(tab->cycleList()->index(0, CycleListModel::ReleaseDecision).data().toString(), QString("Rejected"));

        const QVector<QStringList> expected{{"RG-C-1", "PASS", "Rejected"},
                                           {"RG-B-2", "PASS", ""},
                                           {"RG-B-1", "NOT EVALUATED", ""},
                                           {"RG-A-2", "FAIL", "waiting"},
                                           {"RG-A-1", "PASS", "waiting"}};
        const CycleListModel *model = tab->cycleList();
        for (int row = 0; row < expected.size(); ++row) {
            const auto cell = [&](int column, int role = Qt::DisplayRole) { return model->index(row, column).data(role); };
            QCOMPARE((QStringList{listed()[row], cell(CycleListModel::Verdict).toString(),
                                  cell(CycleListModel::ReleaseDecision).toString()}),
                     expected[row]);
            QCOMPARE(cell(CycleListModel::Verdict, Qt::ToolTipRole).toString(), model->at(row).verdict->reason);
            QCOMPARE(cell(CycleListModel::ReleaseDecision, Qt::ForegroundRole).isValid(), expected[row][2] == "waiting");
        }
        QCOMPARE(model->headerData(CycleListModel::Verdict, Qt::Horizontal).toString(), QString("Verdict"));
        QCOMPARE(model->index(3, CycleListModel::Verdict).data(Qt::ForegroundRole).value<QColor>(),
                 ReportPainter::verdictColor(CycleVerdict::Result::Fail));
        QTRY_COMPARE(waiting, 2);

        child<QCheckBox>("checkBoxWaitingForRelease")->setChecked(true);
        QTRY_COMPARE(listed(), (QStringList{"RG-A-2", "RG-A-1"}));
        QTRY_COMPARE(child<QLabel>("labelCycleCount")->text(), QString("2 cycles"));
    }

    void releaseFormProposesAndKeepsItsRule_data()
    {
        QTest::addColumn<int>("verdict"); // CycleVerdict::Result
        QTest::addColumn<bool>("released"); // a release before
        QTest::addColumn<QString>("lastOperator");
        QTest::addColumn<QStringList>("proposed"); // operator, load, lot, CI, BI, decision

        const int pass = int(CycleVerdict::Result::Pass);
        const QStringList before{"Tray 3", "L-9", "Passed", "Pending", "Quarantined"}; // the newest release's
        QTest::newRow("PASS, the last operator proposed")
            << pass << false << "B. Huber" << QStringList{"B. Huber", "", "RG-A-1", "Not used", "Not used", "Released"};
        QTest::newRow("FAIL, kept back until decided") << int(CycleVerdict::Result::Fail) << false << ""
                                                       << QStringList{"", "", "RG-A-1", "Not used", "Not used", "Quarantined"};
        QTest::newRow("from the newest release, its comment not") << pass << true << "" << QStringList{"A. Meier"} + before;
        QTest::newRow("NOT EVALUATED, released before")
            << int(CycleVerdict::Result::NotEvaluated) << true << "B. Huber" << QStringList{"B. Huber"} + before;
    }
    void releaseFormProposesAndKeepsItsRule()
    {
        QFETCH(int, verdict);
        QFETCH(bool, released);
        QFETCH(QString, lastOperator);
        QFETCH(QStringList, proposed);
        Cycle c = cycle("RG-A", 1, "2024-03-01T08:00:00");
        c.id = 1;
        c.verdict = CycleVerdict();
        c.verdict->result = CycleVerdict::Result(verdict);
        if (released) {
            Release before;
            before.operatorName = QStringLiteral("A. Meier");
            before.load = QStringLiteral("Tray 3");
            before.lot = QStringLiteral("L-9");
            before.chemicalIndicator = Release::ChemicalIndicator::Passed;
            before.biologicalIndicator = Release::BiologicalIndicator::Pending;
            before.comment = QStringLiteral("BI to follow");
            c.latestRelease = before;
        }
        ReleaseDialog form(c, lastOperator);
        form.show();
        QVERIFY(!form.isModal() && !QApplication::activeModalWidget());
        auto *operatorName = ::child<QLineEdit>(form, "lineEditOperator");
        auto *comment = ::child<QPlainTextEdit>(form, "plainTextEditComment");
        auto *decision = ::child<QComboBox>(form, "comboBoxDecision");
        QCOMPARE((QStringList{operatorName->text(), ::child<QLineEdit>(form, "lineEditLoad")->text(),
                              ::child<QLineEdit>(form, "lineEditLot")->text(),
                              ::child<QComboBox>(form, "comboBoxChemicalIndicator")->currentText(),
                              ::child<QComboBox>(form, "comboBoxBiologicalIndicator")->currentText(),
                              decision->currentText()}),
                 proposed);
        QCOMPARE(comment->toPlainText(), QString());
        QCOMPARE(decision->count() + ::child<QComboBox>(form, "comboBoxBiologicalIndicator")->count(), 3 + 4);

        // Nothing is saved without an operator, nor a load released without
        // proof of its hold unless the comment says why.
        QPushButton *save = ::child<QDialogButtonBox>(form, "buttons")->button(QDialogButtonBox::Save);
        operatorName->clear();
        QVERIFY(!save->isEnabled());
        QVERIFY(::child<QLabel>(form, "labelRule")->text().contains("operator"));
        operatorName->setText(QStringLiteral("C. Roth"));
        decision->setCurrentText(QStringLiteral("Released"));
        const bool proven = verdict == int(CycleVerdict::Result::Pass);
        QCOMPARE(save->isEnabled(), proven);
        QCOMPARE(::child<QLabel>(form, "labelRule")->text().isEmpty(), proven);
        comment->setPlainText(QStringLiteral("BI negative after 48 h"));
        QVERIFY(save->isEnabled());
        QSignalSpy requested(&form, &ReleaseDialog::saveRequested);
        save->click();
        QCOMPARE(requested.count(), 1);
        const Release saved = form.release();
        QCOMPARE(saved.cycleId, 1);
        QCOMPARE(saved.operatorName, QString("C. Roth"));
        QCOMPARE(saved.decision, Release::Decision::Released);
        // Unchangeable while it is being stored; closed once it is.
        QVERIFY(!save->isEnabled() && !operatorName->isEnabled());
        form.savingFinished(QStringLiteral("the register is locked"));
        QVERIFY(form.isVisible() && save->isEnabled());
        QVERIFY(::child<QLabel>(form, "labelRule")->text().contains("the register is locked"));
        save->click();
        form.savingFinished({});
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    // Saved as PDF and printed through the chooser (a printer set to a PDF
    // file here); the period report in landscape.
    void reportsOfTheChosenCycleAndThePeriod()
    {
        StationSettings().setClinicName(QStringLiteral("Dental Surgery Example"));
        QVERIFY(open({holding("RG-A", 1, "2024-03-01T08:00:00"), holding("RG-A", 2, "2024-03-02T08:00:00")}));
        Release r;
        r.cycleId = 2;
        r.operatorName = QStringLiteral("A. Meier");
        r.biologicalIndicator = Release::BiologicalIndicator::Negative;
        r.decision = Release::Decision::Released;
        QVERIFY(store->enterRelease(r));
        QVERIFY(chooseRow(0));
        QSignalSpy finished(tab.get(), &RecordsTab::reportFinished);
        // Saves through the file dialog or prints on a printer that writes the file; the error, if any.
        const auto make = [&](const QString &button, const QString &file) {
            if (button.contains("Print"))
                tab->setPrinterChooser([file](QPrinter &printer) {
                    printer.setOutputFormat(QPrinter::PdfFormat);
                    printer.setOutputFileName(file);
                    printer.setPageSize(QPageSize(QPageSize::Letter)); // the printer's paper, not the PDF's A4
                    return true;
                });
            else
                chooseFileWhenAsked(file);
            child<QPushButton>(qPrintable(button))->click();
            return finished.wait(10000) ? finished.last().at(0).toString() : QStringLiteral("no report");
        };
        const QStringList cycleTexts{"Dental Surgery Example", "PASS", "Released by A. Meier (current)",
                                     "biological indicator: Negative", "Page 1 of"};
        const QStringList periodTexts{"2024-03-01 to 2024-03-02", "Released \u00b7 A. Meier", "not released"};
        for (const auto &[button, shown, wide] :
             {std::tuple("pushButtonSaveReport", cycleTexts, false), std::tuple("pushButtonPrintReport", cycleTexts, false),
              std::tuple("pushButtonPeriodReport", periodTexts, true),
              std::tuple("pushButtonPrintPeriodReport", periodTexts, true)}) {
            const QString file = dir->filePath(QString(button) + ".pdf");
            QCOMPARE(make(button, file), QString());
            const QString text = pdfText(file);
            for (const QString &s : shown)
                QVERIFY2(text.contains(s), qPrintable(file + ": " + s));
            QCOMPARE(landscape(file), wide);
        }

        // A printer that cannot be used is named; the buttons come back.
        QVERIFY(!make("pushButtonPrintReport", dir->filePath(QStringLiteral("no such folder/p.pdf"))).isEmpty());
        QTRY_COMPARE(answerer->titles(), QStringList{"Report"});
        QVERIFY(child<QPushButton>("pushButtonPrintReport")->isEnabled());
    }
    // A run's end is answered while a release form is open: the form never
    // stands in its way and stays as it was.
    void runEndsWhileTheReleaseFormIsOpen()
    {
        enter({holding("RG-A", 1, "2024-03-01T08:00:00")});
        StationSettings settings;
        settings.setRegisterPath(registerPath());
        settings.setLogFolder(dir->filePath(QStringLiteral("logs")));
        QDir().mkpath(dir->filePath(QStringLiteral("logs")));
        SimulatedLink link;
        MainWindow window(&link.manager);
        window.show();
        ::child<QTabWidget>(window, "tabWidget")->setCurrentWidget(window.records());
        QTRY_COMPARE(window.records()->cycleList()->rowCount(), 1);
        auto *list = ::child<QTableView>(window, "tableViewCycles");
        list->setCurrentIndex(window.records()->cycleList()->index(0, 0));
        QTRY_VERIFY(::child<QPushButton>(window, "pushButtonRelease")->isEnabled());
        ::child<QPushButton>(window, "pushButtonRelease")->click();
        auto *form = window.records()->findChild<ReleaseDialog *>();
        QVERIFY(form && form->isVisible());
        ::child<QLineEdit>(*form, "lineEditOperator")->setText(QStringLiteral("A. Meier"));

        QWidget *modalAtTheBox = nullptr;
        answerer->whenBoxShown([&](QMessageBox *box) { modalAtTheBox = box == QApplication::activeModalWidget() ? box : nullptr; });
        using CM = CommunicationManager;
        for (CM::ProgramStatus status : {CM::Running, CM::Finished, CM::Stopped})
            window.on_programStatusChanged(status, QString());
        QVERIFY(std::any_of(answerer->boxes.cbegin(), answerer->boxes.cend(),
                            [](const ModalAnswerer::Box &box) { return box.text.startsWith("Program finished!"); }));
        QVERIFY(modalAtTheBox);
        QCOMPARE(QDir(dir->filePath(QStringLiteral("logs"))).entryList({"*.txt"}).size(), 1);
        QVERIFY(form->isVisible() && !form->isModal());
        QCOMPARE(::child<QLineEdit>(*form, "lineEditOperator")->text(), QString("A. Meier"));
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

    // The tab is usable during a run (only the Programs tab is locked then);
    // its title counts the cycles that wait for release, from the start and
    // down as they are released.
    void titleCountsTheCyclesWaitingForRelease()
    {
        enter({holding("RG-A", 1, "2024-03-01T08:00:00"), holding("RG-A", 2, "2024-03-02T08:00:00")});
        StationSettings().setRegisterPath(registerPath());
        SimulatedLink link;
        MainWindow window(&link.manager);
        auto *tabs = ::child<QTabWidget>(window, "tabWidget");
        QCOMPARE(tabs->widget(2), window.records());
        window.setRunControls(CommunicationManager::Running);
        QVERIFY(!tabs->isTabEnabled(1) && tabs->isTabEnabled(2));
        QTRY_COMPARE(tabs->tabText(2), QString("Records (2)"));
        for (const auto &[id, title] : {std::pair(1, "Records (1)"), std::pair(2, "Records")}) {
            Release r;
            r.cycleId = id;
            r.operatorName = QStringLiteral("A. Meier");
            QVERIFY(store->enterRelease(r));
            window.records()->cycleEntered();
            QTRY_COMPARE(tabs->tabText(2), QString(title));
        }
    }

};

STATION_GUI_TEST_MAIN(TestRecordsTab)
#include "tst_recordstab.moc"
