// Packs and their labels without a station: codes, the rules of making
// them, and labels drawn to PDF that a barcode reader reads back.

#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/operatoraccounts.h"
#include "register/packstore.h"
#include "register/packuses.h"
#include "register/registerreader.h"
#include "reports/labelsheet.h"
#include "reports/packlabel.h"
#include "reports/recallreport.h"
#include "tests/isolateduser.h"
#include "tests/registertestdata.h"
#include "ui/erasereferencedialog.h"
#include "ui/packsview.h"
#include "ui/packtypesdialog.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

using RegisterTestData::cycleAt;

Q_DECLARE_METATYPE(Release::Decision)

class PacksTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CycleRegister> reg;
    int connections = 0;

    // A cycle of RG100001, number 42, run yesterday, released (or with this
    // decision).
    qint64 releasedCycle(Release::Decision decision = Release::Decision::Released)
    {
        const QString yesterday = QDate::currentDate().addDays(-1).toString(Qt::ISODate) + QStringLiteral("T08:00:00");
        QVector<Cycle> cycles{cycleAt("RG100001", 42, yesterday, 70)};
        if (!RegisterTestData::enter(*reg, cycles))
            return 0;
        Release r;
        r.cycleId = cycles[0].id;
        r.operatorName = QStringLiteral("A. Meier");
        r.decision = decision;
        return reg->enterRelease(r) ? cycles[0].id : 0;
    }

private slots:
    void initTestCase()
    {
        for (const char *tool : {"pdftoppm", "zbarimg"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     "scripts/install-packages brings poppler-utils and zbar-tools");
    }

    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        reg = std::make_unique<CycleRegister>(QStringLiteral("packs-%1").arg(++connections));
        QVERIFY2(reg->open(dir->filePath(QStringLiteral("register.sqlite"))), qPrintable(reg->errorString()));
        // The test cycles' samples wander 0.1 K below the hold.
        reg->setVerdictBand({0.5, 3.0});
    }

    void code_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("cycleNumber");
        QTest::addColumn<int>("pack");
        QTest::addColumn<QString>("code");
        QTest::newRow("as the controller names it") << "RG100001" << 42 << 3 << "RG100001-0042-03";
        QTest::newRow("a long counter, many packs") << "RG100001" << 123456 << 104 << "RG100001-123456-104";
        // A serial is data: nothing of it but letters and digits gets into a code.
        QTest::newRow("blanks and signs in the serial") << "rg 10/0;01" << 7 << 1 << "RG10001-0007-01";
        QTest::newRow("no serial, no number") << "" << -1 << 1 << "X-E17-01";
    }

    void code()
    {
        QFETCH(QString, code);
        QFETCH(int, pack);
        QFETCH(int, cycleNumber);
        QFETCH(QString, serial);
        QCOMPARE(PackStore::code(serial, cycleNumber, 17, pack), code);
    }

    // Packs only of a released load; numbers go on; each is audited and
    // carries its own hash; expiry by the type's shelf life.
    void packsAreMadeByTheRules_data()
    {
        QTest::addColumn<Release::Decision>("decision");
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("shelfLife");
        QTest::addColumn<QString>("refused");
        using D = Release::Decision;
        QTest::newRow("released, a type of the list") << D::Released << "Tray" << 30 << "";
        QTest::newRow("released, a type not in the list") << D::Released << "Pouch" << 180 << "";
        QTest::newRow("quarantined") << D::Quarantined << "Tray" << 30 << "only for a cycle whose load is released";
        QTest::newRow("recalled") << D::Recalled << "Tray" << 30 << "only for a cycle whose load is released";
    }

    void packsAreMadeByTheRules()
    {
        QFETCH(int, shelfLife);
        QFETCH(QString, type);
        QFETCH(Release::Decision, decision);
        QFETCH(QString, refused);
        const qint64 id = releasedCycle(decision);
        QVERIFY(id);
        PackStore store(*reg);
        QVERIFY(store.setPackType({QStringLiteral("Tray"), 30}));
        const std::optional<QVector<Pack>> first = store.makePacks(id, 2, type);
        QCOMPARE(bool(first), refused.isEmpty());
        if (!first) {
            QVERIFY2(store.errorString().contains(refused), qPrintable(store.errorString()));
            QCOMPARE(store.packsOfCycle(id)->size(), 0);
            return;
        }
        const std::optional<QVector<Pack>> more = store.makePacks(id, 3, QStringLiteral("Tray"));
        QVERIFY(more);
        QCOMPARE(more->last().code, QString("RG100001-0042-05"));
        const QVector<Pack> all = *store.packsOfCycle(id);
        QCOMPARE(all.size(), 5);
        QCOMPARE(all[0].expiresOn, all[0].sterilisedAt.date().addDays(shelfLife));
        QCOMPARE(all[0].verdict, QString("PASS"));
        const Cycle cycle = *reg->cycle(id);
        for (const Pack &p : all)
            QCOMPARE(p.hash, PackStore::recordHash(p, cycle.entryHash));
        const std::optional<Pack> found = store.find(QStringLiteral(" rg100001-0042-04 "));
        QVERIFY(found && found->number == 4);
        QCOMPARE(store.find(QStringLiteral("RG100001-0042-99"))->id, qint64(0));
        int audited = 0;
        for (const AuditEvent &e : reg->events(id).value_or(QVector<AuditEvent>()))
            audited += e.kind == "packs labelled";
        QCOMPARE(audited, 2);
    }

    // A shelf life decides every later label's expiry: each change is an
    // audit event with what it was and who signed, linked as every event.
    void packTypeChangesAreAudited_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("event"); // kind and details; "" for none
        QTest::addColumn<int>("shelfLife"); // of "Tray" afterwards

        QTest::newRow("a new type") << " Implant tray " << 30 << "pack type added {\"by\":\"S. Chef\",\"days\":30,\"type\":\"Implant tray\"}" << 90;
        QTest::newRow("a shelf life changed") << "Tray" << 60 << "pack type changed {\"before\":90,\"by\":\"S. Chef\",\"days\":60,\"type\":\"Tray\"}" << 60;
        QTest::newRow("the same shelf life: nothing changes") << "Tray" << 90 << "" << 90;
        QTest::newRow("no shelf life") << "Tray" << 0 << "" << 90;
        QTest::newRow("no name") << "  " << 30 << "" << 90;
    }
    void packTypeChangesAreAudited()
    {
        QFETCH(QString, name);
        QFETCH(int, days);
        QFETCH(QString, event);
        QFETCH(int, shelfLife);
        PackStore store(*reg);
        QVERIFY(store.setPackType({QStringLiteral("Tray"), 90}));
        const int before = reg->events()->size();
        QCOMPARE(store.setPackType({name, days}, QStringLiteral("S. Chef")), days > 0 && !name.trimmed().isEmpty());
        const QVector<AuditEvent> events = *reg->events();
        QCOMPARE(events.size(), before + !event.isEmpty());
        if (!event.isEmpty())
            QCOMPARE(events.first().kind + ' ' + events.first().details, event);
        QCOMPARE(store.packTypes()->first().shelfLifeDays, name.trimmed() == "Implant tray" ? days : shelfLife);
        QVERIFY(CycleVerifier::verifyRegister(*reg).intact());
    }

    // The station's pack types: only a supervisor, chosen and signing with
    // the PIN, changes them; the change is the register's audited one.
    void packTypesDialogTakesASupervisor()
    {
        OperatorAccounts accounts(*reg);
        OperatorAccount chef{0, QStringLiteral("S. Chef"), QStringLiteral("SC")};
        OperatorAccount meier{0, QStringLiteral("A. Meier"), QStringLiteral("AM")};
        QVERIFY(accounts.add(chef, QStringLiteral("4711"), {}));
        QVERIFY(accounts.add(meier, QStringLiteral("1234"), {"S. Chef", "4711"}));
        QVERIFY(PackStore(*reg).setPackType({QStringLiteral("Tray"), 90}));
        reg.reset();
        RegisterReader reader(dir->filePath(QStringLiteral("register.sqlite")));
        PackTypesDialog dialog(&reader);
        QSignalSpy shown(&dialog, &PackTypesDialog::typesShown);
        QVERIFY(shown.wait(10000));
        auto *table = dialog.findChild<QTableWidget *>("tableWidgetPackTypes");
        QCOMPARE(table->rowCount(), 1);
        table->selectRow(0);
        QCOMPARE(dialog.findChild<QLineEdit *>("lineEditPackTypeName")->text(), QString("Tray"));
        QCOMPARE(dialog.findChild<QSpinBox *>("spinBoxShelfLife")->value(), 90);
        auto *supervisor = dialog.findChild<QComboBox *>("comboBoxSupervisor");
        QTRY_VERIFY(!supervisor->isEditable());
        QCOMPARE(supervisor->count(), 1); // the operator signs no such change
        const auto save = [&](int days, const QString &pin) {
            dialog.findChild<QSpinBox *>("spinBoxShelfLife")->setValue(days);
            dialog.findChild<QLineEdit *>("lineEditSupervisorPin")->setText(pin);
            shown.clear();
            dialog.findChild<QPushButton *>("pushButtonSaveType")->click();
            return shown.wait(10000) ? shown.first().first().toString() : QStringLiteral("no answer");
        };
        QVERIFY(save(60, "0000").startsWith("Wrong PIN for S. Chef"));
        QVERIFY(dialog.findChild<QLineEdit *>("lineEditSupervisorPin")->text().isEmpty());
        QCOMPARE(table->item(0, 1)->text(), QString("90"));
        QCOMPARE(save(60, "4711"), QString());
        QCOMPARE(table->item(0, 1)->text(), QString("60"));

        CycleRegister stored(QStringLiteral("packs-check"));
        QVERIFY(stored.open(dir->filePath(QStringLiteral("register.sqlite"))));
        const AuditEvent last = stored.events()->first();
        QCOMPARE(last.kind, QString("pack type changed"));
        QCOMPARE(QJsonDocument::fromJson(last.details.toUtf8()).object().value("by").toString(), QString("S. Chef"));
        QVERIFY(CycleVerifier::verifyRegister(stored).intact());
    }

    // What a scanner reads from the printed labels is each pack's code, in
    // every format, from the sheet's first free position on.
    void labelsReadBack_data()
    {
        QTest::addColumn<QString>("formatName");
        QTest::addColumn<int>("packCount");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("pages");
        QTest::newRow("roll 62 x 29") << "62x29" << 3 << 1 << 3;
        QTest::newRow("roll 57 x 32") << "57x32" << 2 << 1 << 2;
        QTest::newRow("roll 50 x 25") << "50x25" << 2 << 1 << 2;
        QTest::newRow("A4, a half-used sheet") << "a4-65" << 6 << 62 << 2;
    }

    void labelsReadBack()
    {
        QFETCH(int, pages);
        QFETCH(int, first);
        QFETCH(QString, formatName);
        QFETCH(int, packCount);
        const qint64 id = releasedCycle();
        PackStore store(*reg);
        const std::optional<QVector<Pack>> packs =
            store.makePacks(id, packCount, QStringLiteral("Tray"));
        QVERIFY(packs);
        const LabelSheet::Format *format = LabelSheet::format(formatName);
        QVERIFY(format);
        const QString pdf = dir->filePath(QStringLiteral("labels.pdf"));
        QString error;
        QVERIFY2(LabelSheet::writePdf(pdf, *format, *packs, first, &error), qPrintable(error));
        const QString text = RegisterTestData::pdfText(pdf);
        for (const QString &shown : {packs->first().code, QStringLiteral("Tray"), QStringLiteral("PASS"),
                                     packs->first().expiresOn.toString(Qt::ISODate)})
            QVERIFY2(text.contains(shown), qPrintable(shown + " not in " + text));
        QCOMPARE(text.count("PASS"), packs->size());
        QStringList codes = RegisterTestData::pdfBarcodes(pdf, dir->path());
        QStringList expected;
        for (const Pack &p : *packs)
            expected << p.code;
        std::sort(codes.begin(), codes.end());
        QCOMPARE(codes, expected);
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY2(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression(
                     QStringLiteral("Pages:\\s+%1\\n").arg(pages))),
                 "page count");
    }

    // What the chair is warned of, and what is refused even with a reason.
    void usesAreWarnedOrRefused_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("daysLater");
        QTest::addColumn<Release::Decision>("laterDecision");
        QTest::addColumn<bool>("usedBefore");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<bool>("refused");
        using D = Release::Decision;
        QTest::newRow("released, fresh") << "RG100001-0042-01" << 0 << D::Released << false << "" << false;
        QTest::newRow("unknown code") << "RG100001-0042-77" << 0 << D::Released << false
                                      << "The register knows no pack of this code." << false;
        QTest::newRow("expired") << "RG100001-0042-01" << 200 << D::Released << false
                                 << "The pack RG100001-0042-01 expired on" << false;
        QTest::newRow("used already") << "RG100001-0042-01" << 0 << D::Released << true
                                      << "The pack RG100001-0042-01 was used already." << false;
        QTest::newRow("quarantined after labelling")
            << "RG100001-0042-01" << 0 << D::Quarantined << false
            << "The load of the pack RG100001-0042-01 is not released (Quarantined)." << false;
        QTest::newRow("recalled") << "rg100001-0042-01" << 0 << D::Recalled << false
                                  << "The pack RG100001-0042-01 is recalled" << true;
    }

    void usesAreWarnedOrRefused()
    {
        QFETCH(QString, code);
        QFETCH(int, daysLater);
        QFETCH(Release::Decision, laterDecision);
        QFETCH(bool, usedBefore);
        QFETCH(QString, warning);
        QFETCH(bool, refused);
        const qint64 id = releasedCycle();
        QDateTime clock = QDateTime::currentDateTime();
        QVERIFY(PackStore(*reg).makePacks(id, 2, QStringLiteral("Tray")));
        PackUses uses(*reg, [&clock] { return clock; });
        if (usedBefore) {
            PackUse first{0, QStringLiteral("RG100001-0042-01"), 0, {}, QStringLiteral("A. Meier"), QStringLiteral("K-1")};
            QVERIFY2(uses.enter(first), qPrintable(uses.errorString()));
        }
        Release later;
        later.cycleId = id;
        later.operatorName = QStringLiteral("A. Meier");
        later.decision = laterDecision;
        QVERIFY(later.decision == Release::Decision::Released || reg->enterRelease(later));
        clock = clock.addDays(daysLater);

        const std::optional<PackUses::Check> check = uses.lookUp(code);
        QVERIFY(check);
        QVERIFY2(warning.isEmpty() ? check->warning.isEmpty() : check->warning.startsWith(warning),
                 qPrintable(check->warning));
        QCOMPARE(check->refused, refused);
        PackUse use{0, code, 0, {}, QStringLiteral("A. Meier"), QStringLiteral("K-2")};
        // A warning needs a reason; a refusal takes none.
        const bool entered = uses.enter(use);
        QCOMPARE(entered, warning.isEmpty());
        use.comment = QStringLiteral("no other pack at hand");
        QCOMPARE(entered || uses.enter(use), !refused);
        if (!refused)
            QCOMPARE(use.warning, check->warning);
        else
            QVERIFY2(uses.errorString().startsWith(warning), qPrintable(uses.errorString()));
    }

    // A recall after use lists who was treated and what is on the shelves;
    // erasing a reference keeps every record's hash true.
    void recallAfterUseAndErasure()
    {
        const qint64 id = releasedCycle();
        const std::optional<QVector<Pack>> packs = PackStore(*reg).makePacks(id, 4, QStringLiteral("Tray"));
        QVERIFY(packs);
        PackUses uses(*reg);
        const QStringList references{"K-2291", "=HYPERLINK(\"x\")", "K-2291"};
        for (int i = 0; i < references.size(); ++i) {
            PackUse use{0, packs->at(i).code, 0, {}, QStringLiteral("A. Meier"), references[i]};
            QVERIFY2(uses.enter(use), qPrintable(uses.errorString()));
        }
        Release recalled;
        recalled.cycleId = id;
        recalled.operatorName = QStringLiteral("S. Chef");
        recalled.decision = Release::Decision::Recalled;
        QVERIFY(reg->enterRelease(recalled));

        RecallReportData data;
        data.cycle = *reg->cycle(id);
        data.packs = *uses.recallList(id);
        QCOMPARE(data.packs.size(), 4);
        QCOMPARE(data.packs[3].uses.size(), 0);
        const QByteArray csv = RecallReport::csv(data);
        QVERIFY2(csv.contains("RG100001-0042-01,Tray,") && csv.contains(",K-2291,A. Meier\r\n"), csv.constData());
        // A reference is data, never a formula.
        QVERIFY2(csv.contains(",\"'=HYPERLINK(\"\"x\"\")\",A. Meier"), csv.constData());
        QVERIFY(csv.endsWith("RG100001-0042-04,Tray," + packs->at(3).expiresOn.toString(Qt::ISODate).toUtf8()
                             + ",,,\r\n"));

        const QVector<PackUse> ofPatient = *uses.usesOf(QStringLiteral(" K-2291 "));
        QCOMPARE(ofPatient.size(), 2);
        for (const PackUse &use : ofPatient)
            QVERIFY(uses.eraseReference(use.id, QStringLiteral("S. Chef")));
        data.packs = *uses.recallList(id);
        QVERIFY(data.packs[0].uses[0].erased);
        QVERIFY(!RecallReport::csv(data).contains("K-2291"));
        QVERIFY(RecallReport::csv(data).contains("(erased)"));
        QSqlQuery rows(reg->database());
        QVERIFY(rows.exec("SELECT COUNT(*) FROM events WHERE kind = 'reference erased' AND details NOT LIKE '%K-2291%'")
                && rows.next());
        QCOMPARE(rows.value(0).toInt(), 2);
        for (const PackUses::RecallRow &row : data.packs)
            for (const PackUse &use : row.uses)
                QCOMPARE(PackUses::recordHash(use, row.pack.hash), use.hash);
        QVERIFY(CycleVerifier::verifyRegister(*reg).intact());
        // Nor do the register's files keep it.
        for (const QString &name : QDir(dir->path()).entryList(QDir::Files))
            QVERIFY2(!RegisterTestData::read(dir->filePath(name)).contains("K-2291"), qPrintable(name));
    }

    // A supervisor erases one use's reference from the Packs view: the
    // confirmation names the pack, never the reference; the other uses keep
    // it, and the register still proves itself.
    void referenceErasedInTheView_data()
    {
        QTest::addColumn<QString>("supervisor"); // typed into the chooser to choose
        QTest::addColumn<QString>("pin");
        QTest::addColumn<QString>("error"); // "" when erased
        QTest::newRow("the supervisor's PIN") << "S" << "4711" << "";
        QTest::newRow("a wrong PIN") << "S" << "0000" << "Wrong PIN for S. Chef";
        // An operator is not offered: typing the name leaves the supervisor
        // chosen, whom the operator's PIN does not sign for.
        QTest::newRow("an operator's name typed") << "A. Meier" << "1234" << "Wrong PIN for S. Chef";
    }
    void referenceErasedInTheView()
    {
        QFETCH(QString, supervisor);
        QFETCH(QString, pin);
        QFETCH(QString, error);
        const qint64 id = releasedCycle();
        OperatorAccounts accounts(*reg);
        OperatorAccount chef{0, QStringLiteral("S. Chef"), QStringLiteral("SC")};
        OperatorAccount meier{0, QStringLiteral("A. Meier"), QStringLiteral("AM")};
        QVERIFY(accounts.add(chef, QStringLiteral("4711"), {}));
        QVERIFY(accounts.add(meier, QStringLiteral("1234"), {"S. Chef", "4711"}));
        const std::optional<QVector<Pack>> packs = PackStore(*reg).makePacks(id, 3, QStringLiteral("Tray"));
        QVERIFY(packs);
        PackUses uses(*reg);
        for (int i = 0; i < 3; ++i) {
            PackUse use{0, packs->at(i).code, 0, {}, QStringLiteral("A. Meier"), i < 2 ? "K-2291" : "K-1"};
            QVERIFY(uses.enter(use));
        }
        reg.reset();

        {
            // The view and its reader gone before the register is read here.
            RegisterReader reader(dir->filePath(QStringLiteral("register.sqlite")));
            PacksView view(&reader);
            view.show();
            QSignalSpy listed(view.findChild<QWidget *>("ReferenceUsesView"), SIGNAL(usesShown(int, QString)));
            QTest::keyClicks(view.findChild<QLineEdit *>("lineEditUsesReference"), QStringLiteral("K-2291"));
            QTest::keyClick(view.findChild<QLineEdit *>("lineEditUsesReference"), Qt::Key_Return);
            QVERIFY(listed.wait(10000));
            QCOMPARE(listed.first().first().toInt(), 2);
            auto *table = view.findChild<QTableWidget *>("tableWidgetUses");
            const auto states = [table] {
                QStringList cells;
                for (int row = 0; row < table->rowCount(); ++row)
                    cells << table->item(row, 0)->text() + ' ' + table->item(row, 3)->text();
                return cells;
            };
            // Newest first: the second pack's use.
            QCOMPARE(states(), (QStringList{"RG100001-0042-02 kept", "RG100001-0042-01 kept"}));
            table->selectRow(1);
            view.findChild<QPushButton *>("pushButtonEraseReference")->click();
            auto *dialog = view.findChild<EraseReferenceDialog *>();
            QVERIFY(dialog && dialog->isVisible());
            const QString question = dialog->findChild<QLabel *>("labelQuestion")->text();
            QVERIFY2(question.contains("RG100001-0042-01") && !question.contains("K-2291"), qPrintable(question));
            auto *chooser = dialog->findChild<QComboBox *>("comboBoxSupervisor");
            QTRY_VERIFY(!chooser->isEditable());
            QCOMPARE(chooser->count(), 1);
            QTest::keyClicks(chooser, supervisor);
            dialog->findChild<QLineEdit *>("lineEditSupervisorPin")->setText(pin);
            QSignalSpy finished(dialog, &EraseReferenceDialog::erasingFinished);
            listed.clear();
            dialog->findChild<QPushButton *>("pushButtonErase")->click();
            QVERIFY(finished.wait(10000));
            const QString answer = finished.first().first().toString();
            QVERIFY2(error.isEmpty() ? answer.isEmpty() : answer.contains(error), qPrintable(answer));
            if (error.isEmpty()) {
                QVERIFY(listed.wait(10000));
                QTRY_VERIFY(!view.findChild<EraseReferenceDialog *>());
            } else {
                QVERIFY(dialog->isVisible());
                QVERIFY(dialog->findChild<QLineEdit *>("lineEditSupervisorPin")->text().isEmpty());
            }
            QCOMPARE(states(), (QStringList{"RG100001-0042-02 kept",
                                            QString("RG100001-0042-01 ") + (error.isEmpty() ? "erased" : "kept")}));
        }
        CycleRegister stored(QStringLiteral("packs-erased"));
        QVERIFY(stored.open(dir->filePath(QStringLiteral("register.sqlite"))));
        PackUses after(stored);
        QStringList kept;
        const std::optional<QVector<PackUses::RecallRow>> rows = after.recallList(id);
        QVERIFY2(rows, qPrintable(after.errorString()));
        for (const PackUses::RecallRow &row : *rows)
            for (const PackUse &use : row.uses)
                kept << use.reference;
        QCOMPARE(kept, (QStringList{error.isEmpty() ? "" : "K-2291", "K-2291", "K-1"}));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(stored);
        QVERIFY2(report.intact(), qPrintable(report.error + (report.problems.isEmpty() ? QString() : report.problems[0].text)));
        const AuditEvent last = stored.events()->first();
        QCOMPARE(last.kind == "reference erased", error.isEmpty());
        if (error.isEmpty())
            QVERIFY(last.details.contains("\"by\":\"S. Chef\"") && !last.details.contains("K-2291"));
    }

    // Packs not used that expire within the days or have, soonest first.
    void expiringList()
    {
        const qint64 id = releasedCycle();
        PackStore store(*reg);
        QVERIFY(store.setPackType({QStringLiteral("Short"), 10}));
        QVERIFY(store.makePacks(id, 2, QStringLiteral("Short")));
        QVERIFY(store.makePacks(id, 1, QStringLiteral("Long")));
        PackUses uses(*reg);
        PackUse use{0, QStringLiteral("RG100001-0042-02"), 0, {}, QStringLiteral("A. Meier"), QStringLiteral("K-1")};
        QVERIFY(uses.enter(use));
        const QDate sterilised = store.packsOfCycle(id)->first().sterilisedAt.date();
        QStringList listed;
        for (const Pack &p : store.expiring(sterilised.addDays(14)).value_or(QVector<Pack>()))
            listed << p.code;
        QCOMPARE(listed, QStringList{"RG100001-0042-01"});
        QCOMPARE(store.expiring(sterilised.addDays(180))->size(), 2);
    }

    void badCodesAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("beyond Latin-1") << "RG-\u20ac";
    }

    void badCodesAreRefused()
    {
        QFETCH(QString, text);
        QString error;
        QVERIFY(!PackLabel::code128(text, &error));
        QVERIFY(!error.isEmpty());
    }
};

STATION_GUI_TEST_MAIN(PacksTest)
#include "tst_packs.moc"
