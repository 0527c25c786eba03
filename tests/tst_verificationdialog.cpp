// "Verify register..." in the Records tab: the full verification off the GUI
// thread, its result in plain words, the PDF of it and the line that keeps
// the last result in the tab.

#include "app/stationsettings.h"
#include "register/cycleregister.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/longestcall.h"
#include "tests/modalanswerer.h"
#include "tests/registertestdata.h"
#include "tests/testauthority.h"
#include "register/timestamper.h"
#include "ui/recordstab.h"
#include "ui/verificationdialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlQuery>
#include <QtTest>

#include <memory>

using RegisterTestData::cycleAt;

class TestVerificationDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CycleRegister> store;
    std::unique_ptr<RecordsTab> tab;
    std::unique_ptr<ModalAnswerer> answerer;

    QString registerPath() const { return dir->filePath(QStringLiteral("register.sqlite")); }

    // Clicks "Verify register..." and waits for the dialog's result; the
    // longest the click held the GUI thread goes to *clickMs.
    VerificationDialog *verify(double *clickMs = nullptr)
    {
        LongestCall timed;
        timed([&] { ::child<QPushButton>(*tab, "pushButtonVerifyRegister")->click(); });
        if (clickMs)
            *clickMs = timed.milliseconds();
        auto *dialog = tab->findChild<VerificationDialog *>();
        if (!dialog || !QTest::qWaitFor([&] { return !dialog->isRunning() && dialog->summary(); }, 60000))
            return nullptr;
        // The result reaches the tab's line by a queued signal.
        QCoreApplication::processEvents();
        return dialog;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<CycleRegister>(QStringLiteral("writer"));
        QVERIFY2(store->open(registerPath()), qPrintable(store->errorString()));
        answerer = std::make_unique<ModalAnswerer>();
        StationSettings().clear();
        QVector<Cycle> cycles{cycleAt("RG-1", 1, "2024-03-01T08:00:00"), cycleAt("RG-1", 2, "2024-03-01T09:00:00"),
                              cycleAt("RG-2", 1, "2024-03-01T10:00:00")};
        QVERIFY(RegisterTestData::enter(*store, cycles));
    }

    void cleanup()
    {
        tab.reset();
        store.reset();
        answerer.reset();
    }

    // The result in plain words in the dialog, its PDF, and the tab's line.
    void resultInWordsAndPdf_data()
    {
        QTest::addColumn<QString>("edit"); // SQL; empty: none
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("finding");
        QTest::addColumn<QString>("lastResult");
        QTest::addColumn<QString>("checked");
        QTest::newRow("intact") << "" << "The register is intact." << "" << "intact"
                                << "Checked 3 entries of 2 controllers, 0 releases and 0 log files.";
        QTest::newRow("an entry's status changed")
            << "UPDATE cycles SET status = 'Successfully completed!' WHERE id = 2"
            << "The register is NOT intact: 1 problem found."
            << "Entry changed: entry 2 (controller RG-1, cycle 2" << "1 problem"
            << "Checked 3 entries of 2 controllers, 0 releases and 0 log files.";
        QTest::newRow("the newest entry of a chain deleted")
            << "DELETE FROM verdicts WHERE cycle_id = 2; DELETE FROM cycle_samples WHERE cycle_id = 2;"
               " DELETE FROM events WHERE cycle_id = 2; DELETE FROM cycles WHERE id = 2"
            << "The register is NOT intact: 3 problems found."
            << "Entries missing: The newest entries 2 to 2 of the chain of controller RG-1 are missing" << "3 problems"
            << "Checked 2 entries of 2 controllers, 0 releases and 0 log files.";
    }
    void resultInWordsAndPdf()
    {
        QFETCH(QString, edit);
        QFETCH(QString, headline);
        QFETCH(QString, finding);
        QFETCH(QString, lastResult);
        QFETCH(QString, checked);
        for (const QString &statement : edit.split(';', Qt::SkipEmptyParts)) {
            QSqlQuery query(store->database());
            QVERIFY2(query.exec(statement), qPrintable(statement));
        }
        tab = std::make_unique<RecordsTab>(registerPath());
        tab->show();
        QCOMPARE(::child<QLabel>(*tab, "labelLastVerification")->text(), QString("No full verification yet."));

        VerificationDialog *dialog = verify();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible() && !dialog->isModal());
        QCOMPARE(::child<QLabel>(*dialog, "labelHeadline")->text(), headline);
        const QString words = ::child<QPlainTextEdit>(*dialog, "plainTextEditResult")->toPlainText();
        QVERIFY2(words.contains(checked), qPrintable(words));
        QVERIFY2(words.contains("No time stamp proves its history"), qPrintable(words));
        if (!finding.isEmpty())
            QVERIFY2(words.contains("Findings:\n" + finding), qPrintable(words));
        const QProgressBar *progress = ::child<QProgressBar>(*dialog, "progressBarVerification");
        QCOMPARE(progress->value(), progress->maximum());

        // Kept in the tab, also for the next time it is made.
        const QString line = ::child<QLabel>(*tab, "labelLastVerification")->text();
        QVERIFY2(line.startsWith("Last full verification: ") && line.endsWith(": " + lastResult), qPrintable(line));
        RecordsTab next(registerPath());
        QCOMPARE(::child<QLabel>(next, "labelLastVerification")->text(), line);

        const QString pdf = dir->filePath("verification.pdf");
        answerer->handleDialogs([pdf](QWidget *modal) {
            if (auto *files = qobject_cast<QFileDialog *>(modal))
                chooseFile(files, pdf);
            return true;
        });
        ::child<QPushButton>(*dialog, "pushButtonSavePdf")->click();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(pdf).size() > 0, 20000);
        const QString text = RegisterTestData::pdfText(pdf);
        QVERIFY2(text.contains("Cycle register: verification"), qPrintable(text));
        QVERIFY2(text.contains(headline), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(registerPath())), qPrintable(text));
        QVERIFY2(text.contains(finding.isEmpty() ? QString("Findings None.") : finding), qPrintable(text));
        QVERIFY2(text.contains("Page 1 of 1"), qPrintable(text));
    }

    // With both settings the tab has the heads stamped when it starts (no
    // stamp is a day old) and after each release; otherwise nothing is sent.
    void recordsTabStampsAfterRelease_data()
    {
        QTest::addColumn<QString>("url"); // {authority}: the test's authority
        QTest::addColumn<bool>("certificate");
        QTest::addColumn<bool>("stamps");
        QTest::newRow("both set") << "{authority}" << true << true;
        QTest::newRow("no certificate") << "{authority}" << false << false;
        QTest::newRow("no address") << "" << true << false;
        QTest::newRow("not http") << "file:///tmp/tsa" << true << false;
    }
    void recordsTabStampsAfterRelease()
    {
        QFETCH(QString, url);
        QFETCH(bool, certificate);
        QFETCH(bool, stamps);
        TestAuthority authority;
        QVERIFY(authority.isMade() && authority.listen());
        StationSettings settings;
        settings.setValue("register/tsa_url", url.replace("{authority}", authority.url().toString()));
        if (certificate)
            settings.setValue("register/tsa_certificate", authority.certificate());
        tab = std::make_unique<RecordsTab>(registerPath());
        auto *stamper = tab->findChild<TimeStamper *>();
        QCOMPARE(stamper != nullptr, stamps);
        if (!stamps)
            return;
        QSignalSpy stamped(stamper, &TimeStamper::stamped);
        QVERIFY(stamped.wait(30000));
        Release r;
        r.cycleId = 1;
        r.operatorName = "A. Meier";
        r.decision = Release::Decision::Rejected;
        QVERIFY(store->enterRelease(r));
        emit tab->releaseEntered(r.cycleId);
        QVERIFY(stamped.wait(30000));
        QCOMPARE(stamped.size(), 2);
        QCOMPARE(authority.answered, 2);

        // The dialog checks them against the certificate of the settings.
        VerificationDialog *dialog = verify();
        QVERIFY(dialog);
        const QString words = ::child<QPlainTextEdit>(*dialog, "plainTextEditResult")->toPlainText();
        QVERIFY2(words.contains("Checked 2 time stamps: the register is proven as of ")
                     && words.contains("is proven by the time-stamp authority; what came after is not yet."),
                 qPrintable(words));
    }

    // The verification reads logs of 1.5 gigabytes; meanwhile the GUI
    // thread goes on: its timer's ticks come without a long gap.
    void guiThreadIsNeverBlocked()
    {
        const QString log = dir->filePath("big.txt");
        {
            QFile big(log);
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(768) << 20));
        }
        QVector<Cycle> more{cycleAt("RG-3", 1, "2024-03-02T00:00:00"), cycleAt("RG-3", 2, "2024-03-02T01:00:00")};
        for (Cycle &c : more) {
            c.logPath = log;
            c.logSha256 = QString::number(c.cycleNumber).rightJustified(64, QChar('0')); // not the big file's
        }
        QVERIFY(RegisterTestData::enter(*store, more));
        tab = std::make_unique<RecordsTab>(registerPath());
        tab->show();

        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longestGap = 0;
        QTimer tick;
        tick.setInterval(5);
        clock.start();
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longestGap = qMax(longestGap, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start();
        double clickMs = 0;
        VerificationDialog *dialog = verify(&clickMs);
        const qint64 took = clock.elapsed();
        QVERIFY(dialog);
        qInfo("verification took %lld ms; the click %.1f ms, the longest gap between ticks %lld ms", took, clickMs,
              longestGap);
        QVERIFY2(clickMs < 100, qPrintable(QString::number(clickMs)));
        QVERIFY2(longestGap < 500 && longestGap * 2 < took, qPrintable(QString::number(longestGap)));
        QVERIFY(::child<QPlainTextEdit>(*dialog, "plainTextEditResult")->toPlainText().contains("Log file changed"));
    }
};

STATION_GUI_TEST_MAIN(TestVerificationDialog)
#include "tst_verificationdialog.moc"
