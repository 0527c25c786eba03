#include "ui/packsview.h"

#include "app/stationsettings.h"
#include "register/packstore.h"
#include "register/registerreader.h"
#include "reports/labelsheet.h"
#include "reports/recallreport.h"
#include "ui/operatorsdialog.h"
#include "ui/packtypesdialog.h"
#include "ui/referenceusesview.h"
#include "ui/signerchooser.h"
#include "ui_packsview.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace {

constexpr int defaultExpiryWarningDays = 14;
const QString expiryWarningKey = QStringLiteral("packs/expiry_warning_days");

} // namespace

PacksView::PacksView(RegisterReader *reader, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::PacksView>())
    , reader(reader)
    , printerChooser([this](QPrinter &printer) { return QPrintDialog(&printer, this).exec() == QDialog::Accepted; })
    , saveFileChooser([this](const QString &title, const QString &name) {
        QFileDialog dialog(this, title,
                           QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name),
                           tr("PDF files (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    })
{
    qRegisterMetaType<PackUse>();
    ui->setupUi(this);
    for (const LabelSheet::Format &format : LabelSheet::formats())
        ui->comboBoxFormat->addItem(format.description, format.name);
    ui->comboBoxPackType->setCurrentText(tr("Instrument pouch"));
    signer = new SignerChooser(ui->comboBoxOperator, nullptr, nullptr, SignerChooser::Signers::Anyone,
                               StationSettings().lastOperator(), this);
    ui->tableWidgetExpiring->setColumnCount(3);
    ui->tableWidgetExpiring->setHorizontalHeaderLabels({tr("Code"), tr("Type"), tr("Expires")});
    // Erasures are rare: below the labels.
    ui->verticalLayoutPacks->insertWidget(2, new ReferenceUsesView(reader, this));
    ui->labelComment->hide();
    ui->lineEditComment->hide();
    ui->pushButtonUseAnyway->hide();

    connect(ui->lineEditCode, &QLineEdit::returnPressed, this, &PacksView::scanned);
    connect(ui->lineEditComment, &QLineEdit::returnPressed, ui->pushButtonUseAnyway, &QPushButton::click);
    connect(ui->pushButtonUseAnyway, &QPushButton::clicked, this, [this] {
        if (!ui->lineEditComment->text().trimmed().isEmpty())
            submitUse(ui->lineEditComment->text());
    });
    connect(ui->comboBoxFormat, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        const LabelSheet::Format *format = LabelSheet::format(ui->comboBoxFormat->currentData().toString());
        ui->spinBoxFirstPosition->setEnabled(format && format->sheet);
    });
    ui->spinBoxFirstPosition->setEnabled(false);
    connect(ui->pushButtonPrintLabels, &QPushButton::clicked, this, [this] { writeLabels(true); });
    connect(ui->pushButtonLabelsPdf, &QPushButton::clicked, this, [this] { writeLabels(false); });
    connect(ui->pushButtonRecallReport, &QPushButton::clicked, this, &PacksView::writeRecallReport);
    connect(ui->pushButtonRefreshExpiring, &QPushButton::clicked, this, &PacksView::refreshExpiring);
    connect(ui->pushButtonOperators, &QPushButton::clicked, this, [this] {
        auto *dialog = new OperatorsDialog(this->reader, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QDialog::finished, this, [this] { signer->load(this->reader); });
        dialog->show();
    });
    connect(ui->pushButtonPackTypes, &QPushButton::clicked, this, [this] {
        auto *dialog = new PackTypesDialog(this->reader, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &QDialog::finished, this, &PacksView::readPackTypes);
        dialog->show();
    });
    setCycle(std::nullopt);
    refreshExpiring();
    readPackTypes();
}

// The types the clinic keeps are offered for the labels; another can be typed.
void PacksView::readPackTypes()
{
    QPointer<PacksView> view(this);
    reader->access(
        [view](CycleRegister &r) -> RegisterReader::Done {
            const std::optional<QVector<PackStore::PackType>> types = PackStore(r).packTypes();
            return [view, types] {
                if (!view || !types)
                    return;
                QComboBox *box = view->ui->comboBoxPackType;
                const QString typed = box->currentText();
                box->clear();
                for (const PackStore::PackType &type : *types)
                    box->addItem(type.name);
                box->setCurrentText(typed);
            };
        },
        [](const QString &) {});
}

PacksView::~PacksView() = default;

void PacksView::showEvent(QShowEvent *event)
{
    // Accounts change rarely and are few: read again whenever the view is
    // shown, so that one made elsewhere is offered.
    signer->load(reader);
    QWidget::showEvent(event);
}

void PacksView::setCycle(const std::optional<Cycle> &chosen)
{
    cycle = chosen;
    const bool released = cycle && cycle->latestRelease
        && cycle->latestRelease->decision == Release::Decision::Released;
    ui->pushButtonPrintLabels->setEnabled(released);
    ui->pushButtonLabelsPdf->setEnabled(released);
    ui->pushButtonRecallReport->setEnabled(cycle.has_value());
    if (!cycle)
        ui->labelChosenCycle->setText(tr("Choose a cycle in the list of cycles."));
    else
        ui->labelChosenCycle->setText(
            tr("Cycle %1 of %2: %3.")
                .arg(cycle->cycleNumber >= 0 ? QString::number(cycle->cycleNumber) : tr("unknown"),
                     cycle->controllerSerial,
                     released ? tr("released, labels can be printed")
                              : cycle->latestRelease ? Release::shown(cycle->latestRelease->decision)
                                                     : tr("not released")));
}

void PacksView::setPrinterChooser(std::function<bool(QPrinter &)> chooser)
{
    printerChooser = std::move(chooser);
}

void PacksView::setSaveFileChooser(std::function<QString(const QString &, const QString &)> chooser)
{
    saveFileChooser = std::move(chooser);
}

void PacksView::showMessage(const QString &text, bool problem)
{
    ui->labelCheck->setStyleSheet(problem ? QStringLiteral("color: #b00020; font-weight: bold;")
                                          : QStringLiteral("color: #1b5e20;"));
    ui->labelCheck->setText(text);
}

// Enter after a code: with a reference the use goes in at once unless the
// register warns; without, the reference comes first.
void PacksView::scanned()
{
    const QString code = ui->lineEditCode->text().trimmed();
    if (code.isEmpty())
        return;
    if (ui->lineEditReference->text().trimmed().isEmpty()) {
        showMessage(tr("Give the patient's or case's reference first."), true);
        ui->lineEditReference->setFocus();
        return;
    }
    if (signer->name().isEmpty()) {
        showMessage(tr("Choose the operator first."), true);
        ui->comboBoxOperator->setFocus();
        return;
    }
    pendingCode = code;
    ui->lineEditCode->setEnabled(false);
    QPointer<PacksView> view(this);
    reader->access(
        [view, code](CycleRegister &r) -> RegisterReader::Done {
            PackUses uses(r);
            const std::optional<PackUses::Check> check = uses.lookUp(code);
            const QString error = uses.errorString();
            return [view, check, error] {
                if (!view)
                    return;
                if (check)
                    view->showCheck(*check);
                else
                    view->useFinished({}, error);
            };
        },
        [view](const QString &error) {
            if (view)
                view->useFinished({}, error);
        });
}

void PacksView::showCheck(const PackUses::Check &check)
{
    if (check.warning.isEmpty()) {
        submitUse(QString());
        return;
    }
    ui->lineEditCode->setEnabled(true);
    showMessage(check.warning, true);
    const bool confirmable = !check.refused;
    ui->labelComment->setVisible(confirmable);
    ui->lineEditComment->setVisible(confirmable);
    ui->pushButtonUseAnyway->setVisible(confirmable);
    if (confirmable)
        ui->lineEditComment->setFocus();
    else
        ui->lineEditCode->selectAll();
}

void PacksView::submitUse(const QString &comment)
{
    PackUse use;
    use.code = pendingCode;
    use.reference = ui->lineEditReference->text();
    use.operatorName = signer->name();
    use.comment = comment;
    ui->lineEditCode->setEnabled(false);
    ui->pushButtonUseAnyway->setEnabled(false);
    QPointer<PacksView> view(this);
    reader->access(
        [view, use](CycleRegister &r) mutable -> RegisterReader::Done {
            PackUses uses(r);
            const QString error = uses.enter(use) ? QString() : uses.errorString();
            return [view, use, error] {
                if (view)
                    view->useFinished(use, error);
            };
        },
        [view](const QString &error) {
            if (view)
                view->useFinished({}, error);
        });
}

void PacksView::useFinished(const PackUse &use, const QString &error)
{
    ui->lineEditCode->setEnabled(true);
    ui->pushButtonUseAnyway->setEnabled(true);
    if (!error.isEmpty()) {
        showMessage(error, true);
        return;
    }
    // Erasures are rare: below the labels.
    ui->verticalLayoutPacks->insertWidget(2, new ReferenceUsesView(reader, this));
    ui->labelComment->hide();
    ui->lineEditComment->hide();
    ui->lineEditComment->clear();
    ui->pushButtonUseAnyway->hide();
    // The reference stays: a treatment opens several packs.
    ui->lineEditCode->clear();
    ui->lineEditCode->setFocus();
    pendingCode.clear();
    showMessage(tr("%1 entered as used at %2 by %3.")
                    .arg(use.code, use.at.time().toString(QStringLiteral("HH:mm")), use.operatorName),
                false);
    emit useEntered(use);
    refreshExpiring();
}

void PacksView::writeLabels(bool print)
{
    if (!cycle)
        return;
    const LabelSheet::Format *format = LabelSheet::format(ui->comboBoxFormat->currentData().toString());
    std::shared_ptr<QPrinter> printer;
    QString pdfFile;
    if (print) {
        printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setDocName(tr("Pack labels"));
        if (!printerChooser(*printer))
            return;
    } else {
        pdfFile = saveFileChooser(tr("Save Labels"), tr("labels %1-%2.pdf").arg(cycle->controllerSerial).arg(cycle->cycleNumber));
        if (pdfFile.isEmpty())
            return;
    }
    const qint64 id = cycle->id;
    const int count = ui->spinBoxPackCount->value();
    const QString type = ui->comboBoxPackType->currentText();
    const int first = ui->spinBoxFirstPosition->value();
    ui->labelLabelsResult->setText(tr("Entering the packs…"));
    QPointer<PacksView> view(this);
    const auto finished = [view](const QString &text, const QString &error) {
        if (!view)
            return;
        view->ui->labelLabelsResult->setText(error.isEmpty() ? text : error);
        emit view->labelsDone(error);
    };
    reader->access(
        [=](CycleRegister &r) -> RegisterReader::Done {
            PackStore store(r);
            const std::optional<QVector<Pack>> packs = store.makePacks(id, count, type);
            QString error;
            if (!packs)
                error = tr("No labels were made: %1").arg(store.errorString());
            else if (printer ? !LabelSheet::draw(*printer, *format, *packs, first)
                             : !LabelSheet::writePdf(pdfFile, *format, *packs, first, &error))
                error = tr("The packs %1 to %2 are entered, but their labels were not printed: %3")
                            .arg(packs->first().code, packs->last().code, error);
            const QString text = packs ? tr("%1 labels, %2 to %3.").arg(packs->size()).arg(packs->first().code,
                                                                                          packs->last().code)
                                       : QString();
            return [=] { finished(text, error); };
        },
        [=](const QString &error) { finished({}, error); });
}

void PacksView::writeRecallReport()
{
    if (!cycle)
        return;
    const QString file = saveFileChooser(tr("Save Recall Report"),
                                         tr("recall %1-%2.pdf").arg(cycle->controllerSerial).arg(cycle->cycleNumber));
    if (file.isEmpty())
        return;
    RecallReportData data;
    data.clinicName = StationSettings().clinicName();
    data.cycle = *cycle;
    QPointer<PacksView> view(this);
    const auto finished = [view](const QString &error) {
        if (!view)
            return;
        view->ui->labelLabelsResult->setText(error.isEmpty() ? tr("The recall report is saved.") : error);
        emit view->recallReportDone(error);
    };
    reader->access(
        [=](CycleRegister &r) mutable -> RegisterReader::Done {
            PackUses uses(r);
            const std::optional<QVector<PackUses::RecallRow>> packs = uses.recallList(data.cycle.id);
            QString error = packs ? QString() : uses.errorString();
            if (packs) {
                data.packs = *packs;
                RecallReport::writePdf(file, data, &error);
            }
            return [=] { finished(error); };
        },
        finished);
}

void PacksView::refreshExpiring()
{
    const int days = StationSettings().value(expiryWarningKey, defaultExpiryWarningDays).toInt();
    const QDate lastDay = QDate::currentDate().addDays(std::max(0, days));
    QPointer<PacksView> view(this);
    reader->access(
        [view, lastDay](CycleRegister &r) -> RegisterReader::Done {
            PackStore store(r);
            const std::optional<QVector<Pack>> packs = store.expiring(lastDay);
            const QString error = packs ? QString() : store.errorString();
            return [view, packs, error] {
                if (view)
                    view->showExpiring(packs.value_or(QVector<Pack>()), error);
            };
        },
        [view](const QString &error) {
            if (view)
                view->showExpiring({}, error);
        });
}

void PacksView::showExpiring(const QVector<Pack> &packs, const QString &error)
{
    QTableWidget *table = ui->tableWidgetExpiring;
    table->setRowCount(packs.size());
    const QDate today = QDate::currentDate();
    for (int row = 0; row < packs.size(); ++row) {
        const Pack &p = packs[row];
        const QStringList cells{p.code, p.type, p.expiresOn.toString(Qt::ISODate)};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (p.expired(today))
                item->setForeground(QColor(0xb0, 0x00, 0x20));
            table->setItem(row, column, item);
        }
    }
    table->resizeColumnsToContents();
    ui->groupBoxExpiring->setToolTip(error);
    emit expiringShown(error.isEmpty() ? packs.size() : -1);
}
