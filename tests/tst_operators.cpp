// Operator accounts without a station: PINs, the lock-out, supervisors'
// signatures and the audit trail, on real register files.

#include "register/cycleregister.h"
#include "register/cycleverifier.h"
#include "register/operatoraccounts.h"
#include "register/packuses.h"
#include "register/pinhash.h"
#include "register/registerreader.h"
#include "register/releasesigning.h"
#include "tests/isolateduser.h"
#include "tests/registertestdata.h"
#include "ui/operatorsdialog.h"
#include "ui/releasedialog.h"
#include "ui/signerchooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using RegisterTestData::cycleAt;
using Role = OperatorAccount::Role;

Q_DECLARE_METATYPE(Release::Decision)

namespace {

QStringList captured;

void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    captured << message;
}

} // namespace

class OperatorsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<CycleRegister> reg;
    QDateTime clock = QDateTime::currentDateTime();
    int connections = 0;

    OperatorAccounts accounts()
    {
        return OperatorAccounts(*reg, [this] { return clock; });
    }

    // A supervisor "S. Chef" (PIN 4711) and an operator "A. Meier" (PIN 1234).
    bool twoAccounts()
    {
        OperatorAccount chef{0, QStringLiteral("S. Chef"), QStringLiteral("SC")};
        OperatorAccount meier{0, QStringLiteral("A. Meier"), QStringLiteral("AM")};
        OperatorAccounts a = accounts();
        return a.add(chef, QStringLiteral("4711"), {}) && a.add(meier, QStringLiteral("1234"), {"S. Chef", "4711"});
    }

    QStringList eventKinds()
    {
        QStringList kinds;
        for (const AuditEvent &e : reg->events().value_or(QVector<AuditEvent>()))
            kinds.prepend(e.kind);
        return kinds;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        reg = std::make_unique<CycleRegister>(QStringLiteral("operators-%1").arg(++connections));
        QVERIFY2(reg->open(dir->filePath(QStringLiteral("register.sqlite"))), qPrintable(reg->errorString()));
        // The test cycles' samples wander 0.1 K below the hold.
        reg->setVerdictBand({0.5, 3.0});
    }

    void pinHash_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        const QString made = PinHash::make(QStringLiteral("2468"));
        QTest::newRow("its own PIN") << made << "2468" << true;
        QTest::newRow("another PIN") << made << "2469" << false;
        QTest::newRow("the PIN with a blank") << made << "2468 " << false;
        QTest::newRow("a PIN stored in clear") << "2468" << "2468" << false;
        // A planted row must not make the station allocate gigabytes.
        QTest::newRow("a cost beyond bounds") << QString(made).replace("scrypt$16384$", "scrypt$1073741824$") << "2468"
                                              << false;
        QTest::newRow("a truncated hash") << made.left(made.size() - 30) << "2468" << false;
    }

    void pinHash()
    {
        QFETCH(bool, matches);
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QCOMPARE(PinHash::matches(typed, stored), matches);
    }

    // Wrong PINs in a row lock the account; a right PIN before clears them.
    void wrongPinsLockTheAccount_data()
    {
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("minutesLater");
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<QString>("error");
        QTest::newRow("four wrong, then the right one") << 4 << 0 << true << "";
        QTest::newRow("five wrong lock even the right one") << 5 << 0 << false << "locked after 5 wrong PINs until";
        QTest::newRow("still locked after four minutes") << 5 << 4 << false << "locked";
        QTest::newRow("unlocked after five minutes") << 5 << 5 << true << "";
    }

    void wrongPinsLockTheAccount()
    {
        QFETCH(bool, signedIn);
        QFETCH(int, minutesLater);
        QFETCH(int, wrong);
        QFETCH(QString, error);
        QVERIFY(twoAccounts());
        OperatorAccounts a = accounts();
        for (int i = 1; i <= wrong; ++i) {
            QVERIFY(!a.signIn({"a. meier", "9999"}));
            QVERIFY2(a.errorString().contains(i < 5 ? QString("%1 more attempts").arg(5 - i) : "locked for 5 minutes"),
                     qPrintable(a.errorString()));
        }
        clock = clock.addSecs(minutesLater * 60 + 1);
        const std::optional<OperatorAccount> in = a.signIn({"a. meier", "1234"});
        QCOMPARE(bool(in), signedIn);
        if (in)
            QCOMPARE(in->name, QString("A. Meier"));
        else
            QVERIFY2(a.errorString().contains(error), qPrintable(a.errorString()));
        QCOMPARE(eventKinds().count("operator locked out"), wrong >= 5 ? 1 : 0);
        // The count starts anew after a lock-out or a right PIN.
        if (in) {
            QVERIFY(!a.signIn({"A. Meier", "0000"}));
            QVERIFY2(a.errorString().contains("4 more attempts"), qPrintable(a.errorString()));
        }
    }

    // Who may release what: a load without proof needs a supervisor.
    void releaseIsSigned_data()
    {
        QTest::addColumn<QString>("signer");
        QTest::addColumn<QString>("pin");
        QTest::addColumn<bool>("passed");
        QTest::addColumn<Release::Decision>("decision");
        QTest::addColumn<QString>("refused");
        using D = Release::Decision;
        QTest::newRow("operator releases a PASS") << "a. meier" << "1234" << true << D::Released << "";
        QTest::newRow("operator releases a FAIL")
            << "A. Meier" << "1234" << false << D::Released << "The verdict is FAIL: only a supervisor releases its load.";
        QTest::newRow("supervisor releases a FAIL") << "S. Chef" << "4711" << false << D::Released << "";
        QTest::newRow("operator rejects a FAIL") << "A. Meier" << "1234" << false << D::Rejected << "";
        QTest::newRow("operator recalls a PASS") << "A. Meier" << "1234" << true << D::Recalled << "";
        QTest::newRow("wrong PIN") << "A. Meier" << "4711" << true << D::Released << "Wrong PIN for A. Meier";
        QTest::newRow("no account") << "B. Huber" << "1234" << true << D::Released << "There is no operator \"B. Huber\".";
    }

    void releaseIsSigned()
    {
        QFETCH(QString, pin);
        QFETCH(Release::Decision, decision);
        QFETCH(QString, signer);
        QFETCH(bool, passed);
        QFETCH(QString, refused);
        QVector<Cycle> cycles{cycleAt("RG-1", 1, "2024-03-04T08:00:00", 70), cycleAt("RG-1", 2, "2024-03-04T10:00:00", 4)};
        QVERIFY(RegisterTestData::enter(*reg, cycles));
        QVERIFY(twoAccounts());
        Release r;
        r.cycleId = cycles[passed ? 0 : 1].id;
        r.operatorName = signer;
        r.decision = decision;
        r.comment = QStringLiteral("BI incubator confirmed");
        QString error;
        QCOMPARE(ReleaseSigning::enter(*reg, r, pin, &error), refused.isEmpty());
        QVERIFY2(refused.isEmpty() ? error.isEmpty() : error.startsWith(refused), qPrintable(error));
        const QVector<Release> stored = reg->releases(r.cycleId).value_or(QVector<Release>());
        QCOMPARE(stored.size(), refused.isEmpty() ? 1 : 0);
        // The account's name as it is, whatever case was typed.
        if (!stored.isEmpty())
            QVERIFY(stored[0].operatorName == "A. Meier" || stored[0].operatorName == "S. Chef");
    }

    // Until the first account is made, releases are named as before.
    void registerWithoutAccountsTakesNames()
    {
        QVector<Cycle> cycles{cycleAt("RG-1", 1, "2024-03-04T08:00:00", 70)};
        QVERIFY(RegisterTestData::enter(*reg, cycles));
        Release r;
        r.cycleId = cycles[0].id;
        r.operatorName = QStringLiteral("anyone");
        r.decision = Release::Decision::Released;
        QString error;
        QVERIFY2(ReleaseSigning::enter(*reg, r, QString(), &error), qPrintable(error));
        QCOMPARE(reg->releases(r.cycleId)->value(0).operatorName, QString("anyone"));
    }

    // Every change is an event naming who signed it; only supervisors sign,
    // and the register keeps one active supervisor.
    void accountChangesAreAudited()
    {
        OperatorAccounts a = accounts();
        OperatorAccount first{0, QStringLiteral("S. Chef"), QStringLiteral("SC"), Role::Operator};
        QVERIFY2(a.add(first, QStringLiteral("4711"), {}), qPrintable(a.errorString()));
        QCOMPARE(first.role, Role::Supervisor);
        OperatorAccount meier{0, QStringLiteral("A. Meier"), QStringLiteral("AM")};
        QVERIFY(!a.add(meier, QStringLiteral("1234"), {}));
        QVERIFY(a.add(meier, QStringLiteral("1234"), {"S. Chef", "4711"}));
        OperatorAccount third{0, QStringLiteral("B. Huber"), QStringLiteral("BH")};
        QVERIFY(!a.add(third, QStringLiteral("5678"), {"A. Meier", "1234"}));
        QVERIFY2(a.errorString().contains("is no supervisor"), qPrintable(a.errorString()));
        OperatorAccount twin{0, QStringLiteral("a. MEIER"), QStringLiteral("AM2")};
        QVERIFY(!a.add(twin, QStringLiteral("5678"), {"S. Chef", "4711"}));
        QVERIFY(!a.add(third, QStringLiteral("12"), {"S. Chef", "4711"}));
        QVERIFY2(a.errorString().contains("at least 4"), qPrintable(a.errorString()));

        meier.name = QStringLiteral("A. Meier-Huber");
        QVERIFY(a.change(meier, {"S. Chef", "4711"}));
        QVERIFY(a.resetPin(meier.id, QStringLiteral("8642"), {"S. Chef", "4711"}));
        QVERIFY(a.signIn({"A. Meier-Huber", "8642"}));
        meier.active = false;
        QVERIFY(a.change(meier, {"S. Chef", "4711"}));
        QVERIFY(!a.signIn({"A. Meier-Huber", "8642"}));
        QVERIFY2(a.errorString().contains("deactivated"), qPrintable(a.errorString()));
        first.role = Role::Operator;
        QVERIFY(!a.change(first, {"S. Chef", "4711"}));
        QVERIFY2(a.errorString().contains("at least one active supervisor"), qPrintable(a.errorString()));

        QCOMPARE(eventKinds(), (QStringList{"operator added", "operator added", "operator changed",
                                            "operator PIN reset", "operator changed"}));
        const QVector<AuditEvent> events = *reg->events();
        const QJsonObject last = QJsonDocument::fromJson(events[0].details.toUtf8()).object();
        QCOMPARE(last.value("name").toString(), QString("A. Meier-Huber"));
        QCOMPARE(last.value("active").toBool(), false);
        QCOMPARE(last.value("by").toString(), QString("S. Chef"));
        // Each account's own hash covers what it says.
        for (const OperatorAccount &account : a.accounts().value_or(QVector<OperatorAccount>()))
            QCOMPARE(account.hash.size(), 64);
        QCOMPARE(a.accounts()->size(), 2);
    }

    // An account changes only by a new change of its history; an account or
    // a reference changed with plain SQL shows in the verification.
    void plainSqlEditsShow_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QStringList>("found"); // in the problems' texts, in order
        QTest::newRow("none") << QStringList() << QStringList();
        QTest::newRow("role raised in place")
            << QStringList{"UPDATE operators SET role = 'supervisor' WHERE initials = 'AM'"}
            << QStringList{"operator account A. Meier-Huber does not match its hash"};
        QTest::newRow("account set back to its first state with its hash")
            << QStringList{"UPDATE operators SET (name, pin_hash, changed_utc, changed_offset, record_hash) ="
                           " (SELECT name, pin_hash, changed_utc, changed_offset, record_hash FROM operator_changes"
                           " WHERE operator_id = operators.id ORDER BY id LIMIT 1) WHERE initials = 'AM'"}
            << QStringList{"operator account A. Meier is not as its newest change made it"};
        QTest::newRow("newest change and its account deleted")
            << QStringList{"DELETE FROM operator_changes WHERE id = (SELECT MAX(id) FROM operator_changes)"}
            << QStringList{"operator account A. Meier-Huber is not as its newest", "The account 4 that the link"};
        QTest::newRow("change added past the program")
            << QStringList{"INSERT INTO operator_changes (operator_id, name, initials, role, active, pin_hash,"
                           " changed_utc, changed_offset, record_hash) SELECT operator_id, name, initials, role,"
                           " active, pin_hash, changed_utc, changed_offset, record_hash FROM operator_changes"
                           " WHERE id = 1"}
            << QStringList{"The account 5 is not in the ledger"};
        QTest::newRow("reference replaced behind the trigger's back")
            << QStringList{"DROP TRIGGER pack_uses_erase_only", "UPDATE pack_uses SET reference = 'K-8'"}
            << QStringList{"use 1 of pack X-1 does not match its hash"};
    }
    void plainSqlEditsShow()
    {
        QFETCH(QStringList, changes);
        QFETCH(QStringList, found);
        QVERIFY(twoAccounts());
        OperatorAccounts a = accounts();
        OperatorAccount meier = *a.account(2);
        meier.name = QStringLiteral("A. Meier-Huber");
        QVERIFY(a.change(meier, {"S. Chef", "4711"}));
        QVERIFY(a.resetPin(meier.id, QStringLiteral("8642"), {"S. Chef", "4711"}));
        PackUses uses(*reg);
        PackUse use{0, QStringLiteral("X-1"), 0, {}, QStringLiteral("A. Meier-Huber"), QStringLiteral("K-7")};
        use.comment = QStringLiteral("label torn");
        QVERIFY2(uses.enter(use), qPrintable(uses.errorString()));
        // Only an erasure changes a reference.
        QSqlQuery query(reg->database());
        QVERIFY(!query.exec("UPDATE pack_uses SET reference = 'K-9'"));
        QVERIFY2(query.lastError().text().contains("only erased"), qPrintable(query.lastError().text()));
        for (const QString &change : changes)
            QVERIFY2(query.exec(change), qPrintable(change + ": " + query.lastError().text()));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*reg);
        QVERIFY2(report.error.isEmpty(), qPrintable(report.error));
        QStringList texts;
        for (const CycleVerifier::Problem &p : report.problems)
            texts << p.text;
        QCOMPARE(texts.size(), found.size());
        for (int i = 0; i < found.size(); ++i)
            QVERIFY2(texts[i].contains(found[i]), qPrintable(texts.join('\n')));
    }

    // The accounts of a register of the version before account histories
    // begin theirs with their state then, linked, and change on from there.
    void accountsOfAnEarlierVersionBeginTheirHistory()
    {
        const QString path = dir->filePath(QStringLiteral("earlier.sqlite"));
        const QString pinHash = PinHash::make(QStringLiteral("4711"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("earlier"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QCOMPARE(RegisterTestData::migrateTo(db, 13), QString());
            QCOMPARE(RegisterTestData::earlierAccount(db, pinHash, 2), QString());
        }
        QSqlDatabase::removeDatabase(QStringLiteral("earlier"));
        reg = std::make_unique<CycleRegister>(QStringLiteral("operators-%1").arg(++connections));
        QVERIFY2(reg->open(path), qPrintable(reg->errorString()));
        QVERIFY(CycleVerifier::verifyRegister(*reg).intact());
        OperatorAccounts a = accounts();
        QCOMPARE(a.account(1)->failedPins, 2);
        OperatorAccount chef = *a.account(1);
        chef.initials = QStringLiteral("SCH");
        QVERIFY2(a.change(chef, {"S. Chef", "4711"}), qPrintable(a.errorString()));
        QCOMPARE(a.account(1)->initials, QString("SCH"));
        const CycleVerifier::Report report = CycleVerifier::verifyRegister(*reg);
        QVERIFY2(report.intact(), qPrintable(RegisterTestData::problems(report).join(' ')));
        QCOMPARE(report.links, 2 + 1); // the two states and the change's event
    }

    // The station's window for the accounts: the first needs no signature,
    // the next one a supervisor's; the PIN fields are emptied after each try.
    void operatorsDialogAddsSignedAccounts()
    {
        reg.reset();
        RegisterReader reader(dir->filePath(QStringLiteral("register.sqlite")));
        OperatorsDialog dialog(&reader);
        QSignalSpy shown(&dialog, &OperatorsDialog::accountsShown);
        QVERIFY(shown.wait(10000));
        const auto add = [&](const QString &name, const QString &initials, const QString &pin, const QString &by,
                             const QString &byPin) {
            dialog.findChild<QLineEdit *>("lineEditName")->setText(name);
            dialog.findChild<QLineEdit *>("lineEditInitials")->setText(initials);
            dialog.findChild<QLineEdit *>("lineEditNewPin")->setText(pin);
            dialog.findChild<QComboBox *>("comboBoxSupervisor")->setCurrentIndex(
                dialog.findChild<QComboBox *>("comboBoxSupervisor")->findData(by));
            dialog.findChild<QLineEdit *>("lineEditSupervisorPin")->setText(byPin);
            shown.clear();
            dialog.findChild<QPushButton *>("pushButtonAdd")->click();
            return shown.wait(10000) ? shown.first().first().toString() : QStringLiteral("no answer");
        };
        QCOMPARE(add("S. Chef", "SC", "4711", "", ""), QString());
        QVERIFY(dialog.findChild<QLineEdit *>("lineEditNewPin")->text().isEmpty());
        QVERIFY(add("A. Meier", "AM", "1234", "S. Chef", "0000").startsWith("Wrong PIN for S. Chef"));
        QCOMPARE(add("A. Meier", "AM", "1234", "S. Chef", "4711"), QString());
        auto *table = dialog.findChild<QTableWidget *>("tableWidgetAccounts");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(1, 2)->text(), QString("Supervisor"));
        QCOMPARE(table->item(0, 0)->text(), QString("A. Meier"));
    }

    // Who may sign is offered by the chooser: active accounts only, only
    // supervisors where they sign; without accounts a name is typed.
    void chooserOffersWhoMaySign_data()
    {
        QTest::addColumn<QStringList>("accounts"); // name, initials, S(upervisor) or O(perator), A(ctive) or D
        QTest::addColumn<bool>("supervisors");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("chosen"); // the name that signs

        const QStringList clinic{"A. Meier|AM|O|A", "B. Alt|BA|O|D", "S. Chef|SC|S|A", "T. Vogt|TV|S|D"};
        QTest::newRow("no accounts: the name typed") << QStringList() << false << "C. Roth" << QStringList() << "C. Roth";
        QTest::newRow("the last operator proposed, any case")
            << clinic << false << "a. meier" << QStringList{"A. Meier (AM), operator", "S. Chef (SC), supervisor"}
            << "A. Meier";
        QTest::newRow("a name without account: nobody chosen")
            << clinic << false << "C. Roth" << QStringList{"A. Meier (AM), operator", "S. Chef (SC), supervisor"}
            << "";
        QTest::newRow("supervisors only") << clinic << true << "A. Meier" << QStringList{"S. Chef (SC), supervisor"}
                                          << "S. Chef";
        QTest::newRow("no active supervisor: nobody signs, typing neither")
            << QStringList{"A. Meier|AM|O|A", "T. Vogt|TV|S|D"} << true << "T. Vogt" << QStringList() << "";
    }
    void chooserOffersWhoMaySign()
    {
        QFETCH(QStringList, accounts);
        QFETCH(bool, supervisors);
        QFETCH(QString, proposed);
        QFETCH(QStringList, offered);
        QFETCH(QString, chosen);
        QVector<OperatorAccount> all;
        for (const QString &line : accounts) {
            const QStringList f = line.split('|');
            OperatorAccount a{all.size() + 1, f[0], f[1]};
            a.role = f[2] == "S" ? OperatorAccount::Role::Supervisor : OperatorAccount::Role::Operator;
            a.active = f[3] == "A";
            all.append(a);
        }
        QComboBox names;
        QLineEdit pin;
        SignerChooser chooser(&names, &pin, nullptr,
                              supervisors ? SignerChooser::Signers::Supervisors : SignerChooser::Signers::Anyone,
                              proposed, nullptr);
        QSignalSpy changed(&chooser, &SignerChooser::changed);
        chooser.setAccounts(all);
        QCOMPARE(changed.count(), 1);
        QStringList items;
        for (int i = 0; i < names.count(); ++i)
            items << names.itemText(i);
        QCOMPARE(items, offered);
        QCOMPARE(chooser.name(), chosen);
        QCOMPARE(chooser.hasAccounts(), !all.isEmpty());
        QCOMPARE(names.isEditable(), all.isEmpty());
        QCOMPARE(pin.isHidden(), all.isEmpty());
        QCOMPARE(chooser.chosen().has_value(), !all.isEmpty() && !chosen.isEmpty());
    }

    // The release form says beside the chooser when only a supervisor
    // releases, and keeps an operator from saving such a release.
    void releaseFormAsksForASupervisor_data()
    {
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("signer");
        QTest::addColumn<bool>("noteShown");
        QTest::addColumn<QString>("rule"); // empty: it can be saved

        const int pass = int(CycleVerdict::Result::Pass);
        const int fail = int(CycleVerdict::Result::Fail);
        const int none = int(CycleVerdict::Result::NotEvaluated);
        QTest::newRow("PASS, an operator") << pass << "A. Meier" << false << "";
        QTest::newRow("FAIL, an operator") << fail << "A. Meier" << true << "only a supervisor releases its load";
        QTest::newRow("FAIL, a supervisor") << fail << "S. Chef" << true << "";
        QTest::newRow("NOT EVALUATED, an operator") << none << "A. Meier" << true << "only a supervisor releases";
    }
    void releaseFormAsksForASupervisor()
    {
        QFETCH(int, verdict);
        QFETCH(QString, signer);
        QFETCH(bool, noteShown);
        QFETCH(QString, rule);
        Cycle c = RegisterTestData::cycleAt("RG-A", 1, "2024-03-01T08:00:00");
        c.id = 1;
        c.verdict = CycleVerdict();
        c.verdict->result = CycleVerdict::Result(verdict);
        ReleaseDialog form(c, signer);
        form.show();
        QVERIFY(twoAccounts());
        form.signer()->setAccounts(*accounts().accounts());
        auto *note = form.findChild<QLabel *>("labelSupervisorNeeded");
        QCOMPARE(note->isVisible(), noteShown);
        QVERIFY(note->text().contains("supervisor") == noteShown);
        form.findChild<QComboBox *>("comboBoxDecision")->setCurrentText("Released");
        form.findChild<QPlainTextEdit *>("plainTextEditComment")->setPlainText("BI negative after 48 h");
        QCOMPARE(form.release().operatorName, signer);
        QVERIFY2(rule.isEmpty() ? form.problem().isEmpty() : form.problem().contains(rule), qPrintable(form.problem()));
        QCOMPARE(form.findChild<QDialogButtonBox *>("buttons")->button(QDialogButtonBox::Save)->isEnabled(),
                 rule.isEmpty());
    }

    // PINs reach neither the register file nor the debug output.
    void pinsNeverInClearText()
    {
        const QString pin = QStringLiteral("735914");
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=true"));
        captured.clear();
        const QtMessageHandler previous = qInstallMessageHandler(capture);
        {
            OperatorAccounts a = accounts();
            OperatorAccount chef{0, QStringLiteral("S. Chef"), QStringLiteral("SC")};
            OperatorAccount meier{0, QStringLiteral("A. Meier"), QStringLiteral("AM")};
            a.add(chef, pin, {});
            a.add(meier, QStringLiteral("1234"), {"S. Chef", pin});
            a.signIn({"S. Chef", pin + "0"});
            a.resetPin(meier.id, pin + "1", {"S. Chef", pin});
            QVector<Cycle> cycles{cycleAt("RG-1", 1, "2024-03-04T08:00:00", 70)};
            RegisterTestData::enter(*reg, cycles);
            Release r;
            r.cycleId = cycles[0].id;
            r.operatorName = QStringLiteral("S. Chef");
            QString error;
            ReleaseSigning::enter(*reg, r, pin, &error);
        }
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        reg.reset();
        QVERIFY(!captured.isEmpty());
        QVERIFY2(!captured.join('\n').contains(pin), qPrintable(captured.join('\n')));
        for (const QString &name : QDir(dir->path()).entryList(QDir::Files)) {
            QFile file(dir->filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY2(!bytes.contains(pin.toUtf8()), qPrintable(name));
            QVERIFY2(!bytes.contains(QByteArray(reinterpret_cast<const char *>(pin.utf16()), pin.size() * 2)),
                     qPrintable(name));
        }
    }
};

STATION_GUI_TEST_MAIN(OperatorsTest)
#include "tst_operators.moc"
