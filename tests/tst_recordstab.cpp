#include "app/stationsettings.h"
#include "register/cycleregister.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/registertestdata.h"
#include "tests/simulatedlink.h"
#include "ui/cyclelistmodel.h"
#include "ui/mainwindow.h"
#include "ui/recordstab.h"
#include "ui/releasedialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <tuple>

using RegisterTestData::cycleAt;

namespace {

// Whether the first page is wider than high, as pdfinfo gives its size.
bool landscape(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    p.waitForFinished(30000);
    const QString size = QString::fromUtf8(p.readAllStandardOutput()).section(QStringLiteral("Page size:"), 1);
    return size.section(QLatin1Char('x'), 0, 0).toDouble() > size.section(QLatin1Char('x'), 1).section(QLatin1Char(' '), 1, 1).toDouble();
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

    // Shows the tab on a register holding these cycles and waits for its rows.
    bool open(QVector<Cycle> cycles)
    {
        if (!RegisterTestData::enter(*store, cycles))
            return false;
        tab = std::make_unique<RecordsTab>(registerPath());
        tab->show();
        return QTest::qWaitFor([&] { return tab->cycleList()->rowCount() == cycles.size(); });
    }

    bool chooseRow(int row)
    {
        QSignalSpy shown(tab.get(), &RecordsTab::cycleShown);
        child<QTableView>("tableViewCycles")->setCurrentIndex(tab->cycleList()->index(row, 0));
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

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<CycleRegister>(QStringLiteral("writer"));
        QVERIFY2(store->open(registerPath()), qPrintable(store->errorString()));
        store->setVerdictBand({0.5, 3.0});
        answerer = std::make_unique<ModalAnswerer>();
        StationSettings().clear();
    }

    void cleanup()
    {
        tab.reset();
        store.reset();
        answerer.reset();
        dir.reset();
    }

    // The tab's filters as the register takes them: whole local days, the
    // last one included, and the text without blanks around it.
    void filterOfTheTab()
    {
        const CycleRegister::Filter filter =
            RecordsTab::filterFor({false, QDate(2024, 3, 5), QDate(2024, 3, 5)}, "P", "S", "C", " 50% ", true);
        QCOMPARE(filter.from, QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
        QCOMPARE(filter.to, QDateTime(QDate(2024, 3, 6), QTime(0, 0)));
        QCOMPARE((QStringList{filter.program, filter.status, filter.controllerSerial, filter.text}),
                 (QStringList{"P", "S", "C", "50%"}));
        QVERIFY(filter.waitingForRelease);
        QVERIFY(!RecordsTab::filterFor({}, {}, {}, {}, {}, false).from.isValid());
    }

    // The chosen cycle's log folder opens through the opener, or the user
    // is told that it could not.
    void logFolderOpensOrIsNamed()
    {
        Cycle logged = RegisterTestData::cycleAt("RG-A", 1, "2024-03-01T08:00:00");
        logged.logPath = dir->filePath(QStringLiteral("logs/RG-A_1.txt"));
        QDir().mkpath(dir->filePath(QStringLiteral("logs")));
        QVERIFY(open({logged}) && chooseRow(0));
        QUrl opened;
        for (const bool shown : {false, true}) {
            tab->setUrlOpener([&](const QUrl &url) { opened = url; return shown; });
            child<QPushButton>("pushButtonOpenLogFolder")->click();
        }
        QCOMPARE(opened, QUrl::fromLocalFile(dir->filePath(QStringLiteral("logs"))));
        QTRY_COMPARE(answerer->titles(), QStringList{"Log Folder"});
    }

    void exportsAreExactCsv()
    {
        Cycle odd = cycleAt("RG-\u00c4", 7, "2024-03-05T14:07:09", 1, "Pr\u00fcf \"A\", 1\nx");
        odd.status = QStringLiteral("Program cancelled by user");
        odd.started = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9), Qt::OffsetFromUTC, 3600);
        odd.finished = odd.started.addSecs(4);
        odd.samples = {{0, 25.0}, {1500, 30.25}, {4000, -0.5}};
        odd.station = QStringLiteral("st,1");
        QVERIFY(open({cycleAt("RG-B", 1, "2024-01-01T08:00:00", 1, "Other"), odd}));
        const QString listFile = dir->filePath(QStringLiteral("list.csv"));
        const QString samplesFile = dir->filePath(QStringLiteral("samples.csv"));

        // The list holds what the filter shows.
        child<QLineEdit>("lineEditFilterText")->setText(QStringLiteral("pR\u00fcF"));
        QTRY_COMPARE(tab->cycleList()->rowCount(), 1);
        QSignalSpy finished(tab.get(), &RecordsTab::exportFinished);
        chooseFileWhenAsked(listFile);
        child<QPushButton>("pushButtonExportList")->click();
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.last().at(0).toString(), QString());
        QCOMPARE(RegisterTestData::read(listFile),
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
        QCOMPARE(RegisterTestData::read(samplesFile), QByteArray("Time,Elapsed [s],Temperature [\xc2\xb0" "C]\r\n"
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
        Cycle c = cycleAt("RG-A", 1, "2024-03-01T08:00:00");
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
        QCOMPARE(decision->count() + ::child<QComboBox>(form, "comboBoxBiologicalIndicator")->count(), 4 + 4);

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
        QVERIFY(open({cycleAt("RG-A", 1, "2024-03-01T08:00:00", 70), cycleAt("RG-A", 2, "2024-03-02T08:00:00", 70)}));
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
            const QString text = RegisterTestData::pdfText(file);
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
        QVector<Cycle> cycles{cycleAt("RG-A", 1, "2024-03-01T08:00:00", 70)};
        QVERIFY(RegisterTestData::enter(*store, cycles));
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

};

STATION_GUI_TEST_MAIN(TestRecordsTab)
#include "tst_recordstab.moc"
