#include "app/language.h"
#include "app/stationsettings.h"
#include "app/texts.h"
#include "register/auditevents.h"
#include "register/backupstatus.h"
#include "register/cycleregister.h"
#include "register/registerrestore.h"
#include "register/registerwriter.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/registertestdata.h"
#include "tests/simulatedlink.h"
#include "tools/regulon-sim/regulonsim.h"
#include "tools/vaporin-records/recordscommandline.h"
#include "ui/cyclelistmodel.h"
#include "ui/cyclesummary.h"
#include "ui/audittrailmodel.h"
#include "ui/mainwindow.h"
#include "ui/recordspage.h"
#include "ui/recordssettingsdialog.h"
#include "ui/recordstab.h"
#include "ui/recordswindow.h"
#include "ui/releasedialog.h"
#include "ui/runlogsaver.h"

#include <QBuffer>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
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

// A cycle of that verdict, with a release of "A. Meier" before when given
// its decision.
Cycle judgedCycle(CycleVerdict::Result verdict, std::optional<Release::Decision> before = std::nullopt)
{
    Cycle c = cycleAt("RG-A", 1, "2024-03-01T08:00:00");
    c.id = 1;
    c.verdict = CycleVerdict();
    c.verdict->result = verdict;
    if (before) {
        Release earlier;
        earlier.operatorName = QStringLiteral("A. Meier");
        earlier.chemicalIndicator = Release::ChemicalIndicator::Passed;
        earlier.biologicalIndicator = Release::BiologicalIndicator::Pending;
        earlier.decision = *before;
        c.latestRelease = earlier;
    }
    return c;
}

Release decided(qint64 cycleId, const QString &operatorName, Release::Decision decision, const QString &lot = {},
                const QString &comment = {})
{
    Release r;
    r.cycleId = cycleId;
    r.operatorName = operatorName;
    r.decision = decision;
    r.lot = lot;
    r.comment = comment;
    return r;
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

    // The cycle numbers the list shows, top down.
    QList<int> listed() const
    {
        QList<int> numbers;
        for (const Cycle &c : tab->cycleList()->loaded())
            numbers << c.cycleNumber;
        return numbers;
    }

    // A station's window on the register, its Records tab shown.
    std::unique_ptr<MainWindow> station(SimulatedLink &link)
    {
        StationSettings settings;
        settings.setRegisterPath(registerPath());
        settings.setLogFolder(dir->filePath(QStringLiteral("logs")));
        QDir().mkpath(dir->filePath(QStringLiteral("logs")));
        auto window = std::make_unique<MainWindow>(&link.manager);
        window->show();
        ::child<QTabWidget>(*window, "tabWidget")->setCurrentWidget(window->records()->parentWidget());
        return window;
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
        Language::install(Language::English);
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

    // A verdict setting out of bounds is named above the records, and the
    // notice is gone once the setting is usable again.
    void settingOutOfBoundsIsNoticed_data()
    {
        QTest::addColumn<QString>("upperBand");
        QTest::addColumn<bool>("noticed");
        QTest::newRow("usable") << "3.5" << false;
        QTest::newRow("out of bounds") << "100" << true;
    }
    void settingOutOfBoundsIsNoticed()
    {
        QFETCH(QString, upperBand);
        QFETCH(bool, noticed);
        StationSettings().setValue("verdict/upper_band", upperBand);
        QVERIFY(open({}));
        auto *notice = child<QLabel>("labelSettingsNotice");
        QCOMPARE(notice->isVisible(), noticed);
        QCOMPARE(notice->text().contains("verdict/upper_band is \"100\""), noticed);
    }

    // The chosen cycle's log folder opens through the opener (one that
    // cannot be opened is named in a box: namesInBoxesAreShownAsWritten).
    void logFolderOpens()
    {
        Cycle logged = RegisterTestData::cycleAt("RG-A", 1, "2024-03-01T08:00:00");
        logged.logPath = dir->filePath(QStringLiteral("logs/RG-A_1.txt"));
        QDir().mkpath(dir->filePath(QStringLiteral("logs")));
        QVERIFY(open({logged}) && chooseRow(0));
        QUrl opened;
        tab->setUrlOpener([&](const QUrl &url) { opened = url; return true; });
        child<QPushButton>("pushButtonOpenLogFolder")->click();
        QCOMPARE(opened, QUrl::fromLocalFile(dir->filePath(QStringLiteral("logs"))));
        QVERIFY(answerer->boxes.isEmpty());
    }

    void namesInBoxesAreShownAsWritten_data()
    {
        QTest::addColumn<QString>("name"); // of a folder that is not there

        QTest::newRow("bold") << "<b>x</b>";
        QTest::newRow("image") << "<img src=x.png>";
        QTest::newRow("table") << "<table><tr><td>a";
    }

    // Folder and file names in the boxes of the tab and of a failed save
    // read as they are, whatever they look like; a failed export leaves the
    // button usable.
    void namesInBoxesAreShownAsWritten()
    {
        QFETCH(QString, name);
        const QString folder = dir->filePath(name);
        Cycle logged = RegisterTestData::cycleAt("RG-A", 1, "2024-03-01T08:00:00");
        logged.logPath = folder + QStringLiteral("/RG-A_1.txt");
        QVERIFY(open({logged}) && chooseRow(0));
        child<QPushButton>("pushButtonOpenLogFolder")->click();
        QSignalSpy finished(tab.get(), &RecordsTab::exportFinished);
        chooseFileWhenAsked(folder + QStringLiteral("/list.csv"));
        child<QPushButton>("pushButtonExportList")->click();
        QVERIFY(finished.wait(5000));
        answerer->answerBoxesTitled("Error", QMessageBox::Discard);
        QVERIFY(!RunLogSaver::save(nullptr, {}, {folder + QStringLiteral("/log")}));

        QTRY_COMPARE(answerer->titles(), (QStringList{"Log Folder", "Export", "Error"}));
        for (const ModalAnswerer::Box &box : answerer->boxes)
            QVERIFY2(box.asWritten && box.text.contains(name), qPrintable(box.title + ": " + box.text));
        QVERIFY(child<QPushButton>("pushButtonExportList")->isEnabled());
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
                            "Samples,Log file,Log SHA-256,Station,Verdict,Release,Release operator,Release time,Lot,Load,"
                            "Chemical indicator,Biological indicator\r\n"
                            "2,2024-03-05T14:07:09.000+01:00,2024-03-05T14:07:13.000+01:00,1,"
                            "\"Pr\xc3\xbc" "f \"\"A\"\", 1\nx\",7,RG-\xc3\x84,Program cancelled by user,recorded,3,,,"
                            "\"st,1\",FAIL,waiting,,,,,,\r\n"));

        QVERIFY(chooseRow(0));
        chooseFileWhenAsked(samplesFile);
        child<QPushButton>("pushButtonExportSamples")->click();
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.last().at(0).toString(), QString());
        QCOMPARE(RegisterTestData::read(samplesFile), QByteArray("Time,Elapsed [s],Temperature [\xc2\xb0" "C]\r\n"
                                                   "2024-03-05T14:07:09.000+01:00,0.000,25.00\r\n"
                                                   "2024-03-05T14:07:10.500+01:00,1.500,30.25\r\n"
                                                   "2024-03-05T14:07:13.000+01:00,4.000,-0.50\r\n"));

        // A link planted at the name is not followed, not even one that
        // points nowhere yet.
        const QString planted = dir->filePath(QStringLiteral("planted.csv"));
        const QString target = dir->filePath(QStringLiteral("elsewhere/taken.csv"));
        QVERIFY(QDir().mkpath(dir->filePath(QStringLiteral("elsewhere"))));
        QVERIFY(QFile::link(target, planted));
        chooseFileWhenAsked(planted);
        child<QPushButton>("pushButtonExportList")->click();
        QVERIFY(finished.wait(5000));
        QVERIFY2(finished.last().at(0).toString().contains("symbolic link"), qPrintable(finished.last().at(0).toString()));
        QVERIFY(!QFileInfo::exists(target));
        QVERIFY(QFileInfo(planted).isSymLink());
    }

    // The chosen cycle's panel shows its verdict with the reason, and its
    // newest release or that it still waits for one.
    void chosenCycleShowsItsVerdictAndRelease_data()
    {
        QTest::addColumn<QString>("decidedBy"); // empty: not released
        QTest::addColumn<QString>("release");
        QTest::newRow("waiting") << "" << "Waits for release";
        QTest::newRow("rejected") << "A. Meier" << "Rejected by A. Meier, ";
    }
    void chosenCycleShowsItsVerdictAndRelease()
    {
        QFETCH(QString, decidedBy);
        QFETCH(QString, release);
        QVector<Cycle> cycles{cycleAt("RG-A", 1, "2024-03-01T08:00:00")};
        QVERIFY(RegisterTestData::enter(*store, cycles));
        const Cycle entered = store->cycle(store->cycles({}, -1).value().first().id).value();
        QVERIFY(entered.verdict);
        Release r = decided(entered.id, decidedBy, Release::Decision::Rejected);
        QVERIFY2(decidedBy.isEmpty() || store->enterRelease(r), qPrintable(store->errorString()));
        tab = std::make_unique<RecordsTab>(registerPath());
        tab->show();
        QTRY_COMPARE(tab->cycleList()->rowCount(), 1);
        QVERIFY(chooseRow(0));
        QCOMPARE(child<QLabel>("labelCycleVerdict")->text(),
                 CycleVerdict::resultText(entered.verdict->result) + ": " + entered.verdict->reason);
        QVERIFY2(child<QLabel>("labelCycleRelease")->text().startsWith(release),
                 qPrintable(child<QLabel>("labelCycleRelease")->text()));
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
        Cycle c = judgedCycle(CycleVerdict::Result(verdict),
                              released ? std::optional(Release::Decision::Quarantined) : std::nullopt);
        if (released) {
            c.latestRelease->load = QStringLiteral("Tray 3");
            c.latestRelease->lot = QStringLiteral("L-9");
            c.latestRelease->comment = QStringLiteral("BI to follow");
        }
        ReleaseDialog form(c, lastOperator);
        form.show();
        QVERIFY(!form.isModal() && !QApplication::activeModalWidget());
        auto *operatorName = ::child<QComboBox>(form, "comboBoxOperator");
        auto *comment = ::child<QPlainTextEdit>(form, "plainTextEditComment");
        auto *decision = ::child<QComboBox>(form, "comboBoxDecision");
        QCOMPARE((QStringList{operatorName->currentText(), ::child<QLineEdit>(form, "lineEditLoad")->text(),
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
        operatorName->setCurrentText(QString());
        QVERIFY(!save->isEnabled());
        QVERIFY(::child<QLabel>(form, "labelRule")->text().contains("operator"));
        operatorName->setCurrentText(QStringLiteral("C. Roth"));
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

    void releaseFormFollowsTheIndicators_data()
    {
        QTest::addColumn<QString>("before"); // the newest release's decision, "" for none
        QTest::addColumn<QString>("chosen"); // the decision the user picks first, "" for none
        QTest::addColumn<QString>("chemical");
        QTest::addColumn<QString>("biological");
        QTest::addColumn<QString>("decision"); // shown afterwards

        QTest::newRow("PASS, indicators good") << "" << "" << "Passed" << "Negative" << "Released";
        QTest::newRow("PASS, chemical indicator failed") << "" << "" << "Failed" << "Pending" << "Quarantined";
        QTest::newRow("released before, biological indicator now positive")
            << "Released" << "" << "Passed" << "Positive" << "Quarantined";
        QTest::newRow("quarantined before stays so when good")
            << "Quarantined" << "" << "Passed" << "Negative" << "Quarantined";
        QTest::newRow("rejected by the user stays rejected")
            << "" << "Rejected" << "Failed" << "Negative" << "Rejected";
        QTest::newRow("released by the user, then a failed indicator")
            << "" << "Released" << "Failed" << "Not used" << "Quarantined";
    }

    // The proposal follows the indicators; "Released" against one is
    // refused with the reason, whatever the comment says.
    void releaseFormFollowsTheIndicators()
    {
        QFETCH(QString, before);
        QFETCH(QString, chosen);
        QFETCH(QString, chemical);
        QFETCH(QString, biological);
        QFETCH(QString, decision);
        ReleaseDialog form(judgedCycle(CycleVerdict::Result::Pass, Release::parse<Release::Decision>(before)),
                           QStringLiteral("B. Huber"));
        auto *decisionBox = ::child<QComboBox>(form, "comboBoxDecision");
        if (!chosen.isEmpty()) {
            decisionBox->setCurrentText(chosen);
            emit decisionBox->activated(decisionBox->currentIndex());
        }
        ::child<QComboBox>(form, "comboBoxChemicalIndicator")->setCurrentText(chemical);
        ::child<QComboBox>(form, "comboBoxBiologicalIndicator")->setCurrentText(biological);
        QCOMPARE(decisionBox->currentText(), decision);
        QPushButton *save = ::child<QDialogButtonBox>(form, "buttons")->button(QDialogButtonBox::Save);
        QVERIFY(save->isEnabled());

        // Picked again by hand, with a comment: still refused, saying why.
        decisionBox->setCurrentText(QStringLiteral("Released"));
        ::child<QPlainTextEdit>(form, "plainTextEditComment")->setPlainText(QStringLiteral("looked fine"));
        const bool contradicted = chemical == "Failed" || biological == "Positive";
        QCOMPARE(save->isEnabled(), !contradicted);
        const QString rule = ::child<QLabel>(form, "labelRule")->text();
        QVERIFY2(contradicted ? rule.contains("not sterile") : rule.isEmpty(), qPrintable(rule));
    }

    // Saved as PDF and printed through the chooser (a printer set to a PDF
    // file here); the period report in landscape.
    void reportsOfTheChosenCycleAndThePeriod()
    {
        StationSettings().setClinicName(QStringLiteral("Dental Surgery Example"));
        QVERIFY(open({cycleAt("RG-A", 1, "2024-03-01T08:00:00", 70), cycleAt("RG-A", 2, "2024-03-02T08:00:00", 70)}));
        Release r = decided(2, QStringLiteral("A. Meier"), Release::Decision::Released);
        r.biologicalIndicator = Release::BiologicalIndicator::Negative;
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
    // What releases noted finds their cycles; the current release's
    // operator and decision narrow the list.
    void searchFindsALoad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("releasedBy");
        QTest::addColumn<QString>("decision");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("a lot") << "LOT-4711" << "" << "" << QList<int>{2};
        QTest::newRow("an operator, of any release") << "meier" << "" << "" << QList<int>{3, 2};
        QTest::newRow("a comment") << "spore test" << "" << "" << QList<int>{3};
        QTest::newRow("released by") << "" << "B. Huber" << "" << QList<int>{2};
        QTest::newRow("decision") << "" << "" << "Rejected" << QList<int>{3};
        QTest::newRow("nothing") << "LOT-4711" << "" << "Rejected" << QList<int>{};
    }
    void searchFindsALoad()
    {
        QFETCH(QString, text);
        QFETCH(QString, releasedBy);
        QFETCH(QString, decision);
        QFETCH(QList<int>, expected);
        QVERIFY(open({cycleAt("RG-A", 1, "2024-03-01T08:00:00"), cycleAt("RG-A", 2, "2024-03-02T08:00:00"),
                      cycleAt("RG-A", 3, "2024-03-03T08:00:00")}));
        QVector<Release> releases{decided(2, "A. Meier", Release::Decision::Quarantined, "LOT-4711"),
                                  decided(2, "B. Huber", Release::Decision::Released, "LOT-4711", "BI negative"),
                                  decided(3, "C. Meier", Release::Decision::Rejected, "LOT-4712", "spore test positive")};
        QVERIFY(store->enterReleases(releases));
        tab->cycleEntered();
        auto *operators = child<QComboBox>("comboBoxReleasedByFilter");
        QTRY_COMPARE(operators->count(), 4); // anyone and the three

        // Only the answer to the last of the filters' changes comes in.
        QSignalSpy read(tab->cycleList(), &PagedTableModelBase::rowsRead);
        operators->setCurrentIndex(qMax(0, operators->findData(releasedBy)));
        auto *decisions = child<QComboBox>("comboBoxDecisionFilter");
        decisions->setCurrentIndex(qMax(0, decisions->findText(decision)));
        auto *search = child<QLineEdit>("lineEditFilterText");
        search->setText(text);
        QTest::keyClick(search, Qt::Key_Return);
        QVERIFY(read.wait(5000));
        QCOMPARE(listed(), expected);
    }

    // After a new search the panel shows the cycle chosen before when the
    // list still holds it, and nothing when it does not: never a curve of
    // a cycle the list does not show.
    void searchKeepsTheChosenCycleOrShowsNothing()
    {
        QVERIFY(open({cycleAt("RG-A", 1, "2024-03-01T08:00:00", 4, "Instruments"),
                      cycleAt("RG-A", 2, "2024-03-02T08:00:00", 4, "Textiles")}));
        QVERIFY(chooseRow(1)); // cycle 1
        auto *search = child<QLineEdit>("lineEditFilterText");
        auto *program = child<QLabel>("labelCycleProgram");
        const QString instruments = program->text();

        QSignalSpy shown(tab.get(), &RecordsTab::cycleShown);
        search->setText(QStringLiteral("RG-A"));
        QVERIFY(shown.wait(5000));
        QCOMPARE(shown.last().at(0).toLongLong(), 1);
        QCOMPARE(program->text(), instruments);
        QCOMPARE(child<QTableView>("tableViewCycles")->currentIndex().row(), 1);

        search->setText(QStringLiteral("Textiles"));
        QTRY_COMPARE(listed(), QList<int>{2});
        QCOMPARE(program->text(), QString("-"));
        QVERIFY(!tab->chosenCycle());
    }

    // German and French on screen, English in the register: the headers,
    // statuses, times, counts and audit events are shown translated, and the
    // status filter, which shows translated names, still chooses by the
    // stored English status.
    void shownInTheLanguageStoredInEnglish_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("startedHeader");
        QTest::addColumn<QString>("statusHeader");
        QTest::addColumn<QString>("completed");
        QTest::addColumn<QString>("started");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("cycleEntered");
        QTest::newRow("German") << int(Language::German) << "Gestartet" << "Status" << "Erfolgreich abgeschlossen"
                                << "02.03.2024 08:00" << "2 Chargen" << "Charge eingetragen";
        QTest::newRow("French") << int(Language::French) << "Démarré" << "État" << "Terminé avec succès"
                                << "02/03/2024 08:00" << "2 cycles" << "cycle enregistré";
    }

    void shownInTheLanguageStoredInEnglish()
    {
        QFETCH(int, language);
        QFETCH(QString, completed);
        QFETCH(QString, count);
        QVERIFY(Language::install(Language::Choice(language)));
        Cycle cancelled = cycleAt("RG-A", 1, "2024-03-01T08:00:00");
        cancelled.status = QLatin1String(textCancelledByUser);
        QVERIFY(open({cancelled, cycleAt("RG-A", 2, "2024-03-02T08:00:00")}));
        CycleListModel *list = tab->cycleList();
        QTEST(list->headerData(CycleListModel::Started, Qt::Horizontal).toString(), "startedHeader");
        QTEST(list->headerData(CycleListModel::Status, Qt::Horizontal).toString(), "statusHeader");
        QCOMPARE(list->index(0, CycleListModel::Status).data().toString(), completed);
        QCOMPARE(list->at(0).status, QString(textSuccessfullyCompleted));
        QTEST(list->index(0, CycleListModel::Started).data().toString(), "started");
        QTRY_COMPARE(child<QLabel>("labelCycleCount")->text(), count);

        auto *statuses = child<QComboBox>("comboBoxStatusFilter");
        QTRY_VERIFY(statuses->findText(completed) > 0);
        QCOMPARE(statuses->itemData(statuses->findText(completed)).toString(), QString(textSuccessfullyCompleted));
        statuses->setCurrentIndex(statuses->findText(completed));
        QTRY_COMPARE(listed(), QList<int>{2});

        QVERIFY(chooseRow(0));
        QCOMPARE(child<QLabel>("labelCycleStatus")->text(), completed);

        AuditTrailModel *trail = tab->auditTrail();
        QTRY_COMPARE(trail->rowCount(), 2);
        QCOMPARE(trail->at(0).kind, QStringLiteral("cycle entered"));
        QTEST(trail->index(0, AuditTrailModel::Kind).data().toString(), "cycleEntered");
    }

    // The verdict word, the release decision and the run's status, stored in
    // English, in the station's language in the list, the cycle's fields and
    // the release form; in English byte for byte as stored.
    void verdictReleaseAndStatusInTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("decision");
        QTest::addColumn<QString>("status");
        QTest::newRow("English") << int(Language::English) << "PASS" << "Released" << "Successfully completed";
        QTest::newRow("German") << int(Language::German) << "BESTANDEN" << "Freigegeben" << "Erfolgreich abgeschlossen";
        QTest::newRow("French") << int(Language::French) << "CONFORME" << "Libéré" << "Terminé avec succès";
    }

    void verdictReleaseAndStatusInTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, verdict);
        QFETCH(QString, decision);
        QFETCH(QString, status);
        QVERIFY(Language::install(Language::Choice(language)));
        QVector<Cycle> cycles{cycleAt("RG-A", 1, "2024-03-01T08:00:00", 70)};
        QVERIFY(RegisterTestData::enter(*store, cycles));
        Release released = decided(cycles[0].id, QStringLiteral("A. Meier"), Release::Decision::Released);
        QVERIFY(store->enterRelease(released));
        tab = std::make_unique<RecordsTab>(registerPath());
        tab->show();
        CycleListModel *list = tab->cycleList();
        QTRY_COMPARE(list->rowCount(), 1);
        QCOMPARE(list->index(0, CycleListModel::Verdict).data().toString(), verdict);
        QCOMPARE(list->index(0, CycleListModel::ReleaseDecision).data().toString(), decision);
        QCOMPARE(list->index(0, CycleListModel::Status).data().toString(), status);

        QVERIFY(chooseRow(0));
        const Cycle &chosen = *tab->chosenCycle();
        QCOMPARE(chosen.verdict->result, CycleVerdict::Result::Pass);
        QCOMPARE(child<QLabel>("labelCycleStatus")->text(), status);
        const QString verdictShown = child<QLabel>("labelCycleVerdict")->text();
        QVERIFY2(verdictShown.startsWith(verdict), qPrintable(verdictShown));
        // The reason too: as stored in English, translated otherwise.
        QCOMPARE(verdictShown == "PASS: " + chosen.verdict->reason, language == int(Language::English));
        QVERIFY2(child<QLabel>("labelCycleRelease")->text().contains(decision),
                 qPrintable(child<QLabel>("labelCycleRelease")->text()));

        ReleaseDialog form(chosen, QString());
        QVERIFY2(::child<QLabel>(form, "labelCycle")->text().contains(status),
                 qPrintable(::child<QLabel>(form, "labelCycle")->text()));
        QVERIFY2(::child<QLabel>(form, "labelVerdict")->text().contains("<b>" + verdict + "</b>"),
                 qPrintable(::child<QLabel>(form, "labelVerdict")->text()));
        auto *decisions = ::child<QComboBox>(form, "comboBoxDecision");
        QCOMPARE(decisions->itemText(decisions->findData(int(Release::Decision::Released))), decision);
    }

    // At the size the station's window gives the tab, every button shows
    // its whole text in every language.
    void buttonsWholeInEveryLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(Language::English);
        QTest::newRow("German") << int(Language::German);
        QTest::newRow("French") << int(Language::French);
    }

    void buttonsWholeInEveryLanguage()
    {
        QFETCH(int, language);
        QVERIFY(Language::install(Language::Choice(language)));
        QVERIFY(open({cycleAt("RG-A", 1, "2024-03-01T08:00:00")}));
        tab->resize(988, 420);
        QVERIFY(chooseRow(0));
        for (const QPushButton *button : tab->findChildren<QPushButton *>()) {
            if (button->isVisible())
                QVERIFY2(button->width() >= button->minimumSizeHint().width(), qPrintable(button->text()));
        }
    }

    // Every kind of event the register writes has its words in both
    // languages; one it does not know shows as stored.
    void everyEventKindIsTranslated_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"cycle entered", "release", "import", "cycle migrated", AuditEvents::programWriteKind,
                                 AuditEvents::settingsChangeKind, BackupStatus::verifiedKind, BackupStatus::failedKind,
                                 RegisterRestore::restoredKind, "operator added", "operator changed",
                                 "operator PIN reset", "operator locked out", "packs labelled", "pack used",
                                 "reference erased"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void everyEventKindIsTranslated()
    {
        QFETCH(QString, kind);
        for (const Language::Choice language : {Language::German, Language::French}) {
            QVERIFY(Language::install(language));
            const QString shown = AuditTrailModel::shownKind(kind);
            QVERIFY2(!shown.isEmpty() && shown != kind, qPrintable(shown));
            QCOMPARE(AuditTrailModel::shownKind(QStringLiteral("kind of a newer version")),
                     QStringLiteral("kind of a newer version"));
        }
    }

    // Times and counts in each language's forms; English exactly as always.
    void timesAndCountsInTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("listTime");
        QTest::addColumn<QString>("withSeconds");
        QTest::addColumn<QString>("centralLine");
        QTest::newRow("English") << int(Language::English) << "2026-12-07 14:05" << "2026-12-07 14:05:09"
                                 << "Central register unreachable since 2026-12-06 14:05; 3 entries wait to be sent.";
        QTest::newRow("German") << int(Language::German) << "07.12.2026 14:05" << "07.12.2026 14:05:09"
                                << "Zentrales Register seit 06.12.2026 14:05 nicht erreichbar; 3 Einträge warten auf "
                                   "das Senden.";
        QTest::newRow("French") << int(Language::French) << "07/12/2026 14:05" << "07/12/2026 14:05:09"
                                << "Registre central injoignable depuis 06/12/2026 14:05 ; 3 entrées attendent "
                                   "d'être envoyées.";
    }

    void timesAndCountsInTheLanguage()
    {
        QFETCH(int, language);
        QVERIFY(Language::install(Language::Choice(language)));
        const QDateTime at(QDate(2026, 12, 7), QTime(14, 5, 9));
        QTEST(CycleSummary::listTime(at), "listTime");
        QTEST(CycleSummary::listTime(at, true), "withSeconds");
        QTEST(RecordsTab::centralRegisterLine(at.addDays(-1), 3, false, at.date()), "centralLine");
    }

    // A program write, which the station's writer enters, shows in the
    // audit trail at once.
    void programWriteAppearsInTheAuditTrail()
    {
        SimulatedLink link;
        const std::unique_ptr<MainWindow> window = station(link);
        AuditTrailModel *trail = window->records()->auditTrail();
        // Read before the event is entered: it shows by being entered.
        QSignalSpy read(trail, &PagedTableModelBase::rowsRead);
        QVERIFY(read.wait(5000));
        QCOMPARE(trail->rowCount(), 0);
        CommunicationManager::Program before;
        before.name = QStringLiteral("Instruments");
        CommunicationManager::Program after = before;
        after.name = QStringLiteral("Instruments 134");
        window->registerWriter()->enterEvent(AuditEvents::programWrite("RG-A", 2, before, after, true, {}));
        QTRY_COMPARE(trail->rowCount(), 1);
        QCOMPARE(trail->at(0).kind, QString(AuditEvents::programWriteKind));
    }

    // The view moves into a window of its own and back: the same view, its
    // chosen cycle kept; the window resizes and keeps its size.
    void recordsWindowHoldsTheSameView()
    {
        QVector<Cycle> cycles{cycleAt("RG-A", 1, "2024-03-01T08:00:00"), cycleAt("RG-A", 2, "2024-03-02T08:00:00")};
        QVERIFY(RegisterTestData::enter(*store, cycles));
        SimulatedLink link;
        const std::unique_ptr<MainWindow> window = station(link);
        RecordsTab *view = window->records();
        auto *page = qobject_cast<RecordsPage *>(view->parentWidget());
        QVERIFY(page);
        QTRY_COMPARE(view->cycleList()->rowCount(), 2);
        ::child<QTableView>(*view, "tableViewCycles")->setCurrentIndex(view->cycleList()->index(1, 0));
        QTRY_VERIFY(view->chosenCycle() && view->chosenCycle()->cycleNumber == 1);

        ::child<QPushButton>(*view, "pushButtonOpenInWindow")->click();
        RecordsWindow *own = page->recordsWindow();
        QVERIFY(own && own->isVisible() && own->isWindow());
        QCOMPARE(own->view(), view);
        QCOMPARE(view->window(), static_cast<QWidget *>(own));
        QVERIFY(!::child<QPushButton>(*view, "pushButtonOpenInWindow")->isVisibleTo(own));
        QCOMPARE(view->chosenCycle()->cycleNumber, 1);
        QCOMPARE(::child<QTableView>(*view, "tableViewCycles")->currentIndex().row(), 1);

        own->resize(1200, 700);
        QTRY_COMPARE(view->size(), QSize(1200, 700));
        own->close();
        QTRY_COMPARE(view->parentWidget(), page);
        QVERIFY(!page->recordsWindow());
        QVERIFY(::child<QPushButton>(*view, "pushButtonOpenInWindow")->isVisibleTo(page));
        QCOMPARE(view->chosenCycle()->cycleNumber, 1);

        page->openWindow();
        QCOMPARE(page->recordsWindow()->size(), QSize(1200, 700));
        ::child<QPushButton>(*page, "pushButtonRecordsBack")->click();
        QCOMPARE(view->parentWidget(), page);
    }

    // vaporin-records window: the records of a desk without an autoclave,
    // which never asks for a controller nor opens a port.
    void recordsWindowWithoutAnAutoclave()
    {
        QVector<Cycle> cycles{cycleAt("RG-A", 1, "2024-03-01T08:00:00")};
        QVERIFY(RegisterTestData::enter(*store, cycles));
        QTemporaryDir links;
        RegulonSim sim;
        QVERIFY2(sim.plugIn(links.filePath(QStringLiteral("regulon"))), qPrintable(sim.errorString()));
        qputenv("REGULON_SERIAL_PORTS", QFile::encodeName(sim.linkPath()));
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        int rows = -1;
        QStringList windows;
        QTimer::singleShot(0, [&] {
            RecordsWindow *records = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->isVisible())
                    windows << w->metaObject()->className();
                records = records ? records : qobject_cast<RecordsWindow *>(w);
            }
            if (!records)
                return;
            QTest::qWaitFor([&] { return records->view()->cycleList()->rowCount() == 1; }, 10000);
            rows = records->view()->cycleList()->rowCount();
            records->close();
        });
        const QStringList command{"vaporin-records", "--register", registerPath(), "window"};
        QCOMPARE(RecordsCommandLine::run(command, out, err), 0);
        qunsetenv("REGULON_SERIAL_PORTS");
        QCOMPARE(windows, QStringList{"RecordsWindow"});
        QCOMPARE(rows, 1);
        QCOMPARE(sim.receivedCommands(), QStringList());

        // No window on a register that is not there.
        const QStringList none{"vaporin-records", "--register", dir->filePath("none.sqlite"), "window"};
        QCOMPARE(RecordsCommandLine::run(none, out, err), 2);
        QVERIFY(err.data().contains("There is no register"));
    }

    // A station's tab and a desk's window on one register see what the
    // other (or any writer) enters, without a restart.
    void twoWindowsSeeEachOthersEntries()
    {
        QVERIFY(open({cycleAt("RG-A", 1, "2024-03-01T08:00:00")}));
        RecordsTab desk(registerPath());
        desk.show();
        QTRY_COMPARE(desk.cycleList()->rowCount(), 1);
        QVector<Cycle> entered{cycleAt("RG-A", 2, "2024-03-02T08:00:00")};
        QVERIFY(RegisterTestData::enter(*store, entered));
        QTRY_COMPARE_WITH_TIMEOUT(desk.cycleList()->rowCount(), 2, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(tab->cycleList()->rowCount(), 2, 10000);
        Release r = decided(entered[0].id, QStringLiteral("A. Meier"), Release::Decision::Rejected);
        QVERIFY(store->enterRelease(r));
        QTRY_VERIFY_WITH_TIMEOUT(tab->cycleList()->at(0).latestRelease, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(desk.cycleList()->at(0).latestRelease, 10000);
    }

    void columnWidthsAreRemembered()
    {
        QVERIFY(open({cycleAt("RG-A", 1, "2024-03-01T08:00:00")}));
        child<QTableView>("tableViewCycles")->horizontalHeader()->resizeSection(CycleListModel::Program, 333);
        tab.reset();
        tab = std::make_unique<RecordsTab>(registerPath());
        QCOMPARE(child<QTableView>("tableViewCycles")->horizontalHeader()->sectionSize(CycleListModel::Program), 333);
    }

    // The tolerances stay within their bounds; a change counts once the
    // audit trail holds it, and no change makes no event.
    void settingsAreBoundedAndAudited()
    {
        StationSettings().setClinicName(QStringLiteral("Old name"));
        QVERIFY(open({}));
        const auto form = [&] {
            child<QPushButton>("pushButtonSettings")->click();
            return tab->findChild<RecordsSettingsDialog *>();
        };
        // The form deletes itself once closed.
        QPointer<RecordsSettingsDialog> settings = form();
        QVERIFY(settings && settings->isVisible() && !settings->isModal());
        auto *lower = ::child<QDoubleSpinBox>(*settings, "doubleSpinBoxLowerTolerance");
        auto *upper = ::child<QDoubleSpinBox>(*settings, "doubleSpinBoxUpperBand");
        QCOMPARE((QList<double>{lower->minimum(), lower->maximum(), upper->minimum(), upper->maximum()}),
                 (QList<double>{0.0, 50.0, 0.0, 50.0}));
        upper->setValue(80.0);
        QCOMPARE(upper->value(), 50.0);
        upper->setValue(2.5);
        ::child<QLineEdit>(*settings, "lineEditClinicName")->setText(QStringLiteral("Dental Surgery Example"));
        ::child<QDialogButtonBox>(*settings, "buttons")->button(QDialogButtonBox::Save)->click();
        QTRY_COMPARE(tab->auditTrail()->rowCount(), 1);
        const AuditEvent change = tab->auditTrail()->at(0);
        QCOMPARE(change.kind, QString(AuditEvents::settingsChangeKind));
        QCOMPARE(AuditTrailModel::detailsInWords(change.details),
                 QString("clinic name: (after: Dental Surgery Example, before: Old name); "
                         "verdict/upper band: (after: 2.5, before: 3)"));
        QTRY_VERIFY(!settings || !settings->isVisible());
        QCOMPARE(StationSettings().clinicName(), QString("Dental Surgery Example"));
        QCOMPARE(StationSettings().verdictBand().upperBand, 2.5);

        // Saved unchanged: closed, nothing entered.
        settings = form();
        ::child<QDialogButtonBox>(*settings, "buttons")->button(QDialogButtonBox::Save)->click();
        QVERIFY(!settings || !settings->isVisible());
        QCOMPARE(store->events()->size(), 1);
    }

    // A run's end is answered while a release form is open: the form never
    // stands in its way and stays as it was.
    void runEndsWhileTheReleaseFormIsOpen()
    {
        QVector<Cycle> cycles{cycleAt("RG-A", 1, "2024-03-01T08:00:00", 70)};
        QVERIFY(RegisterTestData::enter(*store, cycles));
        SimulatedLink link;
        const std::unique_ptr<MainWindow> shown = station(link);
        MainWindow &window = *shown;
        QTRY_COMPARE(window.records()->cycleList()->rowCount(), 1);
        auto *list = ::child<QTableView>(window, "tableViewCycles");
        list->setCurrentIndex(window.records()->cycleList()->index(0, 0));
        QTRY_VERIFY(::child<QPushButton>(window, "pushButtonRelease")->isEnabled());
        ::child<QPushButton>(window, "pushButtonRelease")->click();
        auto *form = window.records()->findChild<ReleaseDialog *>();
        QVERIFY(form && form->isVisible());
        ::child<QComboBox>(*form, "comboBoxOperator")->setCurrentText(QStringLiteral("A. Meier"));

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
        QCOMPARE(::child<QComboBox>(*form, "comboBoxOperator")->currentText(), QString("A. Meier"));
    }

};

STATION_GUI_TEST_MAIN(TestRecordsTab)
#include "tst_recordstab.moc"
