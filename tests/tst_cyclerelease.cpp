#include "app/stationsettings.h"
#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/operatoraccounts.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tests/registertestdata.h"
#include "tests/simulatedlink.h"
#include "tools/regulon-sim/factoryprograms.h"
#include "ui/cycledetailsdialog.h"
#include "ui/cyclelistmodel.h"
#include "ui/mainwindow.h"
#include "ui/packsview.h"
#include "ui/recordstab.h"
#include "ui/releasedialog.h"
#include "ui/releasehistorymodel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include <functional>

// A cycle from the controller's line to its second release: a program runs
// to its end on the simulator, the station enters it into its register as
// it does every run, the Records tab shows it waiting, and the release form
// enters one release and then another that appends. The simulator and the
// station's clock run ten times as fast: a hold of a minute takes six
// seconds, and the samples still come well within the verdict's longest gap.
class CycleReleaseTest : public QObject
{
    Q_OBJECT

    static constexpr double speed = 10.0;

    QTemporaryDir home;

    // Opens the form of the chosen cycle, lets fill set it, saves it and
    // waits until the register has confirmed and the form has closed.
    static bool release(RecordsTab &tab, const std::function<void(ReleaseDialog &)> &fill)
    {
        QSignalSpy entered(&tab, &RecordsTab::releaseEntered);
        child<QPushButton>(tab, "pushButtonRelease")->click();
        ReleaseDialog *form = tab.findChild<ReleaseDialog *>();
        if (!form)
            return false;
        fill(*form);
        child<QDialogButtonBox>(*form, "buttons")->button(QDialogButtonBox::Save)->click();
        return entered.wait(10000) && QTest::qWaitFor([&] { return !tab.findChild<ReleaseDialog *>(); }, 5000);
    }

private slots:
    void runEndsWaitsAndIsReleasedTwice()
    {
        StationSettings settings;
        settings.clear();
        settings.setLogFolder(home.filePath(QStringLiteral("logs")));
        QDir().mkpath(settings.logFolder());

        SimulatedLink link;
        SlaveThread::Timing timing = link.manager.worker().timing();
        timing.pollGapMs = 30;
        link.manager.worker().setTiming(timing);
        RegulonSim *sim = link.plugIn(QStringLiteral("regulon"), QStringLiteral("RG100042"));
        QVERIFY(sim);
        // A minute's hold at 134 °C from just below it, the chamber held 2 K
        // above it as a real one is: the default band proves the hold.
        QList<CommunicationManager::Program> programs = sim->programs();
        programs[0] = FactoryPrograms::program(QStringLiteral("Quick 134"), {{134.0, 1}});
        QVERIFY(sim->setPrograms(programs));
        sim->setCycleCounter(41);
        sim->setRegulationMargin(2.0);
        sim->setChamberTemperature(133.0);
        sim->setSpeed(speed);

        ModalAnswerer boxes;
        link.manager.changePort(link.port(QStringLiteral("regulon")));
        MainWindow w(&link.manager);
        const qint64 base = QDateTime::currentMSecsSinceEpoch();
        w.setClock([base] { return base + qint64((QDateTime::currentMSecsSinceEpoch() - base) * speed); });
        w.show();
        auto *start = child<QPushButton>(w, "buttonStart");
        QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), 15000);
        QCOMPARE(child<QComboBox>(w, "comboBoxPrograms")->currentIndex(), 0);

        auto *tabs = child<QTabWidget>(w, "tabWidget");
        RecordsTab &tab = *w.records();
        const int recordsIndex = tabs->indexOf(tab.parentWidget()); // its page
        QCOMPARE(tabs->tabText(recordsIndex), QString("Records"));

        // A desk's records window on the station's register, as
        // vaporin-records window opens it.
        RecordsTab desk(CycleRegister::path(settings.registerPath()));
        desk.show();

        boxes.answerBoxes({QMessageBox::Yes});
        QTest::mouseClick(start, Qt::LeftButton);
        // The run's end, its log, its entry and the count of what waits.
        QTRY_COMPARE_WITH_TIMEOUT(tabs->tabText(recordsIndex), QString("Records (1)"), 30000);
        // The desk sees the run the station entered, without a restart.
        QTRY_COMPARE_WITH_TIMEOUT(desk.cycleList()->rowCount(), 1, 10000);

        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(recordsIndex).center());
        CycleListModel &list = *tab.cycleList();
        QTRY_COMPARE_WITH_TIMEOUT(list.rowCount(), 1, 10000);
        const auto cells = [&list] {
            QStringList shown;
            for (int column : {CycleListModel::Program, CycleListModel::CycleNumber, CycleListModel::SerialNumber,
                               CycleListModel::Status, CycleListModel::Verdict, CycleListModel::ReleaseDecision})
                shown << list.index(0, column).data().toString();
            return shown.join(QStringLiteral(" | "));
        };
        QCOMPARE(cells(), QString("Quick 134 | 42 | RG100042 | Successfully completed | PASS | waiting"));
        child<QTableView>(tab, "tableViewCycles")->setCurrentIndex(list.index(0, 0));
        QTRY_VERIFY(tab.chosenCycle());
        const qint64 id = tab.chosenCycle()->id;

        // The load released while its biological indicator incubates ...
        QVERIFY(release(tab, [](ReleaseDialog &form) {
            child<QComboBox>(form, "comboBoxOperator")->setCurrentText(QStringLiteral("A. Meier"));
            child<QLineEdit>(form, "lineEditLoad")->setText(QStringLiteral("Tray 3"));
            child<QComboBox>(form, "comboBoxChemicalIndicator")->setCurrentText(QStringLiteral("Passed"));
            child<QComboBox>(form, "comboBoxBiologicalIndicator")->setCurrentText(QStringLiteral("Pending"));
            child<QComboBox>(form, "comboBoxDecision")->setCurrentText(QStringLiteral("Released"));
        }));
        QTRY_COMPARE(tabs->tabText(recordsIndex), QString("Records"));
        QTRY_COMPARE(list.index(0, CycleListModel::ReleaseDecision).data().toString(), QString("Released"));
        QTRY_COMPARE_WITH_TIMEOUT(desk.cycleList()->index(0, CycleListModel::ReleaseDecision).data().toString(),
                                  QString("Released"), 10000);
        QCOMPARE(StationSettings().lastOperator(), QString("A. Meier"));
        QTRY_VERIFY(tab.chosenCycle()->latestRelease);

        // ... and its result a day later, from what the first one said.
        QVERIFY(release(tab, [](ReleaseDialog &form) {
            QCOMPARE(child<QComboBox>(form, "comboBoxOperator")->currentText(), QString("A. Meier"));
            QCOMPARE(child<QLineEdit>(form, "lineEditLot")->text(), QString("RG100042-42"));
            child<QComboBox>(form, "comboBoxBiologicalIndicator")->setCurrentText(QStringLiteral("Negative"));
            child<QPlainTextEdit>(form, "plainTextEditComment")->setPlainText(QStringLiteral("BI negative after 24 h"));
        }));
        child<QPushButton>(tab, "pushButtonCycleDetails")->click();
        auto *details = tab.findChild<CycleDetailsDialog *>();
        QVERIFY(details);
        QCOMPARE(child<QLabel>(*details, "labelVerdictResult")->text(), QString("PASS"));
        ReleaseHistoryModel &history = *details->releaseHistory();
        QTRY_COMPARE(history.rowCount(), 2);
        QStringList shown;
        for (int row = 0; row < 2; ++row)
            shown << history.index(row, ReleaseHistoryModel::Biological).data().toString();
        QCOMPARE(shown, (QStringList{"Pending", "Negative"}));

        CycleRegister stored(QStringLiteral("test reader"));
        QVERIFY(stored.open(CycleRegister::defaultPath()));
        const QVector<Release> releases = stored.releases(id).value_or(QVector<Release>());
        QCOMPARE(releases.size(), 2);
        QCOMPARE(releases[1].comment, QString("BI negative after 24 h"));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(stored);
        QVERIFY2(report.intact(), qPrintable(report.error + (report.problems.isEmpty() ? QString()
                                                                                      : report.problems[0].text)));
        QCOMPARE(report.releases, 2);

        // Once the clinic has accounts, a release is signed with a PIN.
        OperatorAccounts accounts(stored);
        OperatorAccount chef{0, QStringLiteral("S. Chef"), QStringLiteral("SC")};
        OperatorAccount meier{0, QStringLiteral("A. Meier"), QStringLiteral("AM")};
        QVERIFY(accounts.add(chef, QStringLiteral("470815"), {}));
        QVERIFY(accounts.add(meier, QStringLiteral("260317"), {"S. Chef", "470815"}));
        // A third account, deactivated, is not offered; the last operator is
        // proposed among the accounts read when the form opens.
        OperatorAccount gone{0, QStringLiteral("B. Alt"), QStringLiteral("BA")};
        QVERIFY(accounts.add(gone, QStringLiteral("555555"), {"S. Chef", "470815"}));
        gone.active = false;
        QVERIFY(accounts.change(gone, {"S. Chef", "470815"}));
        child<QPushButton>(tab, "pushButtonRelease")->click();
        ReleaseDialog *form = tab.findChild<ReleaseDialog *>();
        QVERIFY(form);
        auto *signer = child<QComboBox>(*form, "comboBoxOperator");
        QTRY_VERIFY(!signer->isEditable());
        QStringList offered;
        for (int i = 0; i < signer->count(); ++i)
            offered << signer->itemText(i);
        QCOMPARE(offered, (QStringList{"A. Meier (AM), operator", "S. Chef (SC), supervisor"}));
        QCOMPARE(signer->currentData().toString(), QString("A. Meier"));
        QVERIFY(!child<QLabel>(*form, "labelSupervisorNeeded")->isVisibleTo(form));
        // A keyboard chooses by typing, as a scanner's user does.
        signer->setFocus();
        QTest::keyClicks(signer, QStringLiteral("s. c"));
        QCOMPARE(signer->currentData().toString(), QString("S. Chef"));
        QTest::keyClick(signer, Qt::Key_Up);
        QCOMPARE(signer->currentData().toString(), QString("A. Meier"));
        child<QLineEdit>(*form, "lineEditPin")->setText(QStringLiteral("111111"));
        child<QPlainTextEdit>(*form, "plainTextEditComment")->setPlainText(QStringLiteral("Signed"));
        child<QDialogButtonBox>(*form, "buttons")->button(QDialogButtonBox::Save)->click();
        QTRY_VERIFY_WITH_TIMEOUT(child<QLabel>(*form, "labelRule")->text().contains("Wrong PIN for A. Meier"), 10000);
        QVERIFY(child<QLineEdit>(*form, "lineEditPin")->text().isEmpty());
        QVERIFY(release(tab, [](ReleaseDialog &form) {
            child<QLineEdit>(form, "lineEditPin")->setText(QStringLiteral("260317"));
        }));
        QTRY_COMPARE(tab.chosenCycle()->latestRelease->sequence, qint64(3));

        // Six labels to PDF, read back by a barcode reader.
        PacksView &packs = *tab.packsView();
        QTemporaryDir out;
        const QString labels = out.filePath(QStringLiteral("labels.pdf"));
        packs.setSaveFileChooser([&](const QString &, const QString &) { return labels; });
        child<QSpinBox>(packs, "spinBoxPackCount")->setValue(6);
        child<QComboBox>(packs, "comboBoxFormat")->setCurrentIndex(child<QComboBox>(packs, "comboBoxFormat")->findData("a4-65"));
        child<QSpinBox>(packs, "spinBoxFirstPosition")->setValue(3);
        QSignalSpy labelled(&packs, &PacksView::labelsDone);
        child<QPushButton>(packs, "pushButtonLabelsPdf")->click();
        QVERIFY(labelled.wait(20000));
        QCOMPARE(labelled.first().first().toString(), QString());
        QStringList codes = RegisterTestData::pdfBarcodes(labels, out.path());
        std::sort(codes.begin(), codes.end());
        QStringList expected;
        for (int n = 1; n <= 6; ++n)
            expected << QStringLiteral("RG100042-0042-0%1").arg(n);
        QCOMPARE(codes, expected);

        // One of them scanned at the chair: a scanner types and presses Enter.
        // The Packs tab offers the accounts as it is shown.
        auto *records = child<QTabWidget>(tab, "tabWidgetRecords");
        records->setCurrentIndex(records->count() - 1);
        QTRY_VERIFY(!child<QComboBox>(packs, "comboBoxOperator")->isEditable());
        QTest::keyClicks(child<QLineEdit>(packs, "lineEditReference"), QStringLiteral("K-2291"));
        QTest::keyClicks(child<QComboBox>(packs, "comboBoxOperator"), QStringLiteral("A"));
        QSignalSpy used(&packs, &PacksView::useEntered);
        QTest::keyClicks(child<QLineEdit>(packs, "lineEditCode"), expected[2]);
        QTest::keyClick(child<QLineEdit>(packs, "lineEditCode"), Qt::Key_Return);
        QVERIFY(used.wait(10000));
        QCOMPARE(used.first().first().value<PackUse>().code, expected[2]);

        // A positive indicator a day on: the cycle is recalled, the report
        // names the patient and the five packs on the shelves.
        QVERIFY(release(tab, [](ReleaseDialog &form) {
            child<QLineEdit>(form, "lineEditPin")->setText(QStringLiteral("260317"));
            child<QComboBox>(form, "comboBoxBiologicalIndicator")->setCurrentText(QStringLiteral("Positive"));
            child<QComboBox>(form, "comboBoxDecision")->setCurrentText(QStringLiteral("Recalled"));
            child<QPlainTextEdit>(form, "plainTextEditComment")->setPlainText(QStringLiteral("BI positive"));
        }));
        QTRY_COMPARE(tab.chosenCycle()->latestRelease->decision, Release::Decision::Recalled);
        const QString recall = out.filePath(QStringLiteral("recall.pdf"));
        packs.setSaveFileChooser([&](const QString &, const QString &) { return recall; });
        QSignalSpy reported(&packs, &PacksView::recallReportDone);
        child<QPushButton>(packs, "pushButtonRecallReport")->click();
        QVERIFY(reported.wait(20000));
        const QString text = RegisterTestData::pdfText(recall);
        const QString shelf = text.mid(text.indexOf("Not used"));
        QVERIFY2(text.contains(expected[2] + " Instrument pouch") && text.contains("K-2291"), qPrintable(text));
        for (const QString &code : expected)
            QCOMPARE(shelf.contains(code), code != expected[2]);
        // Scanning a recalled pack is refused with the reason.
        QTest::keyClicks(child<QLineEdit>(packs, "lineEditCode"), expected[3]);
        QTest::keyClick(child<QLineEdit>(packs, "lineEditCode"), Qt::Key_Return);
        QTRY_VERIFY(child<QLabel>(packs, "labelCheck")->text().contains("is recalled"));
        QVERIFY(!child<QPushButton>(packs, "pushButtonUseAnyway")->isVisible());
        QVERIFY(CycleVerifier::verifyRegister(stored).intact());
    }
};

STATION_GUI_TEST_MAIN(CycleReleaseTest)
#include "tst_cyclerelease.moc"
