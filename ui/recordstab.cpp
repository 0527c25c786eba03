#include "ui/recordstab.h"

#include "app/language.h"
#include "app/stationsettings.h"
#include "register/registerreader.h"
#include "register/storedtext.h"
#include "reports/reportformat.h"
#include "ui/audittrailmodel.h"
#include "ui/backuppanel.h"
#include "ui/cycledetailsdialog.h"
#include "ui/cyclelistmodel.h"
#include "ui/cyclesummary.h"
#include "ui/packsview.h"
#include "ui/plainmessagebox.h"
#include "ui/recordssettingsdialog.h"
#include "ui/releasedialog.h"
#include "ui/signerchooser.h"
#include "ui/verificationdialog.h"
#include "ui_recordstab.h"
#include "widgets/flowlayout.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QtCharts/QChartView>

namespace {

// Typing pauses this long before the list follows the text.
constexpr int textDebounceMs = 300;
// While the central register is away, the tab looks for it this often.
constexpr int centralRetryMs = 15000;
// What other windows and stations enter shows within this long.
constexpr int changeCheckMs = 3000;
// The newest audit event's ID before it is first read, and after it could not be.
constexpr qint64 unknownEvent = -1;
constexpr qint64 unreadableEvent = -2;

// The lists' column widths, as their headers save them.
const QString cycleColumnsKey = QStringLiteral("records/cycle_columns");
const QString auditColumnsKey = QStringLiteral("records/audit_columns");

QString csvFiles()
{
    return RecordsTab::tr("CSV files (*.csv)");
}

QString csvSuffix()
{
    return QStringLiteral("csv");
}

QString pdfFiles()
{
    return RecordsTab::tr("PDF files (*.pdf)");
}

QString pdfSuffix()
{
    return QStringLiteral("pdf");
}

// "RG-7 cycle 214"; the entry's ID for an unknown cycle number.
QString cycleName(const Cycle &c)
{
    return RecordsTab::tr("%1 cycle %2")
        .arg(c.controllerSerial, c.cycleNumber >= 0 ? QString::number(c.cycleNumber)
                                                    : RecordsTab::tr("entry %1").arg(c.id));
}

// Fills a filter's choices: "all" first, then the values, each shown as
// shown() words it and chosen by its stored text; keeps the value chosen
// before, also when the register no longer lists it.
void fillChoices(QComboBox *box, const QString &all, QStringList values,
                 QString (*shown)(const QString &) = [](const QString &value) { return value; })
{
    const QString current = box->currentData().toString();
    if (!current.isEmpty() && !values.contains(current))
        values.prepend(current);
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(all, QString());
    for (const QString &value : values) {
        if (!value.isEmpty())
            box->addItem(shown(value), value);
    }
    box->setCurrentIndex(qMax(0, box->findData(current)));
}

} // namespace

RecordsTab::RecordsTab(const QString &registerPath, QWidget *parent)
    : RecordsTab(RegisterLocation::file(registerPath), QString(), parent)
{
}

RecordsTab::RecordsTab(const RegisterLocation &location, const QString &localPath, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::RecordsTab>())
    , hasCentral(location.kind() != RegisterLocation::Kind::File)
    // The one place the system's print dialog opens.
    , printerChooser([this](QPrinter &printer) { return QPrintDialog(&printer, this).exec() == QDialog::Accepted; })
{
    reader = std::make_unique<RegisterReader>(location, hasCentral ? localPath : QString());
    tallies = reader->companion();
    reports = reader->companion();
    ui->setupUi(this);
    ui->labelRegisterMessage->hide();
    ui->labelCentralRegister->hide();
    if (!hasCentral) {
        backupPanel = new BackupPanel(location.path(), this);
        // In the row under the lists, beside the verification: the lists keep their height.
        ui->horizontalLayoutVerification->addWidget(backupPanel, 1);
    }
    // Rows of filters and buttons go on in a further row where their texts
    // (longer in some languages) do not fit in one; the form's rows are gone
    // then.
    for (QBoxLayout *row : std::initializer_list<QBoxLayout *>{
             ui->horizontalLayoutFilters, ui->horizontalLayoutReleaseFilters, ui->horizontalLayoutListButtons,
             ui->horizontalLayoutCycleButtons, ui->horizontalLayoutReleaseButtons, ui->horizontalLayoutVerification})
        FlowLayout::replace(row);
    // Lines a little higher than the font's: accented capitals (the French
    // "État") reach above its ascent, and the text is centred.
    for (int row = 0; row < ui->gridLayoutCycleFields->rowCount(); ++row)
        ui->gridLayoutCycleFields->setRowMinimumHeight(row, fontMetrics().height() + 2);
    // The verdicts judged here use the defaults of settings out of bounds.
    ui->labelSettingsNotice->setText(StationSettings().verdictBandNotice());
    ui->labelSettingsNotice->setVisible(!ui->labelSettingsNotice->text().isEmpty());
    // Beside the Cycles and Audit trail tabs: no room taken from the lists.
    ui->tabWidgetRecords->setCornerWidget(ui->widgetRecordsActions, Qt::TopRightCorner);
    connect(ui->pushButtonOpenInWindow, &QPushButton::clicked, this, &RecordsTab::windowWanted);

    cycles = new CycleListModel(reader.get(), this);
    events = new AuditTrailModel(reader.get(), 0, this);
    ui->tableViewCycles->setModel(cycles);
    ui->tableViewAuditTrail->setModel(events);
    packs = new PacksView(reader.get(), this);
    // Scrolled rather than widening the whole view (and the records
    // window) to the Packs forms' width.
    auto *packsArea = new QScrollArea(this);
    packsArea->setObjectName(QStringLiteral("scrollAreaPacks"));
    packsArea->setFrameShape(QFrame::NoFrame);
    packsArea->setWidgetResizable(true);
    packsArea->setWidget(packs);
    ui->tabWidgetRecords->addTab(packsArea, tr("Packs"));
    const StationSettings settings;
    for (const auto &[view, key] : {std::pair(ui->tableViewCycles, cycleColumnsKey),
                                    std::pair(ui->tableViewAuditTrail, auditColumnsKey)}) {
        view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
        view->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
        view->horizontalHeader()->restoreState(settings.value(key).toByteArray());
    }
    ui->tableViewCycles->setColumnHidden(CycleListModel::Station, !hasCentral);
    ui->comboBoxDecisionFilter->addItem(tr("All decisions"), QString());
    for (const auto &decision : ReleaseChoices::decisions)
        ui->comboBoxDecisionFilter->addItem(Release::shown(decision.value), Release::keyword(decision.value));
    ui->verticalLayoutCycleChart->addWidget(chart.view());

    {
        const QSignalBlocker quietFrom(ui->dateEditFrom);
        const QSignalBlocker quietTo(ui->dateEditTo);
        const QDate today = QDate::currentDate();
        ui->dateEditFrom->setDate(today.addDays(1 - today.day()));
        ui->dateEditTo->setDate(today);
    }
    showChoices({});

    textDebounce.setSingleShot(true);
    textDebounce.setInterval(textDebounceMs);
    connect(&textDebounce, &QTimer::timeout, this, &RecordsTab::applyFilter);
    centralRetry.setInterval(centralRetryMs);
    connect(&centralRetry, &QTimer::timeout, this, [this] {
        reader->retryCentral();
        cycleEntered();
    });
    // Every entry, release and change of settings is an audit event: a
    // newer one than last time means something to show.
    changeCheck.setInterval(changeCheckMs);
    connect(&changeCheck, &QTimer::timeout, this, &RecordsTab::readNewestEvent);
    connect(tallies.get(), &RegisterReader::eventsRead, this,
            [this](quint64 ticket, const QVector<AuditEvent> &newest, const QString &error) {
                if (ticket != newestEventTicket)
                    return;
                // After a failure the lists may have failed too: the next
                // answer reads them again.
                if (!error.isEmpty()) {
                    newestEventId = unreadableEvent;
                    return;
                }
                const qint64 id = newest.isEmpty() ? 0 : newest.constFirst().id;
                if (newestEventId != unknownEvent && id != newestEventId)
                    cycleEntered();
                newestEventId = id;
            });

    connect(ui->tableViewCycles->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { choose(current); });
    // A new search shows nothing until its rows are in, then the cycle
    // chosen before if they hold it.
    connect(cycles, &QAbstractItemModel::modelReset, this, [this] {
        const qint64 before = chosen ? chosen->id : chosenBeforeSearch;
        choose({});
        chosenBeforeSearch = before;
    });
    for (PagedTableModelBase *model : {static_cast<PagedTableModelBase *>(cycles),
                                       static_cast<PagedTableModelBase *>(events)}) {
        connect(model, &PagedTableModelBase::readFailed, this, &RecordsTab::showProblem);
        connect(model, &PagedTableModelBase::rowsRead, ui->labelRegisterMessage, &QWidget::hide);
    }
    connect(cycles, &PagedTableModelBase::rowsRead, this, [this] {
        chooseAgain();
        ui->pushButtonExportList->setEnabled(!exportTicket);
        enableReports();
        // Counted once the rows are in: the count does not compete with them.
        if (countWanted) {
            countWanted = false;
            countTicket = tallies->readCount(cycles->filter());
        }
    });

    connect(tallies.get(), &RegisterReader::counted, this, [this](quint64 ticket, int count, const QString &error) {
        if (ticket == waitingTicket) {
            waitingTicket = 0;
            if (error.isEmpty())
                emit waitingForReleaseCounted(count);
            return;
        }
        if (ticket != countTicket)
            return;
        ui->labelCycleCount->setText(!error.isEmpty() ? QString()
                                     : count == 1     ? tr("1 cycle")
                                                      : tr("%Ln cycles", nullptr, count));
    });
    connect(tallies.get(), &RegisterReader::choicesRead, this,
            [this](quint64 ticket, const RegisterReader::Choices &choices, const QString &error) {
                if (ticket == choicesTicket && error.isEmpty())
                    showChoices(choices);
            });
    for (RegisterReader *r : {reader.get(), tallies.get()})
        connect(r, &RegisterReader::sourceChanged, this, &RecordsTab::sourceChanged);
    connect(reader.get(), &RegisterReader::cycleRead, this,
            [this](quint64 ticket, const Cycle &cycle, const QString &error) {
                if (ticket != cycleTicket)
                    return;
                cycleTicket = 0;
                if (!error.isEmpty())
                    showProblem(error);
                showCycle(error.isEmpty() ? std::optional<Cycle>(cycle) : std::nullopt);
            });
    connect(reader.get(), &RegisterReader::exported, this, [this](quint64 ticket, int rows, const QString &error) {
        if (ticket != exportTicket)
            return;
        exportTicket = 0;
        ui->pushButtonExportList->setEnabled(true);
        ui->pushButtonExportSamples->setEnabled(chosen.has_value());
        if (error.isEmpty()) {
            showResult(tr("%Ln rows saved.", nullptr, rows));
        } else {
            showResult({});
            PlainMessageBox::show(this, QMessageBox::Warning, tr("Export"), tr("The export failed.\n%1").arg(error));
        }
        emit exportFinished(error);
    });
    connect(reports.get(), &RegisterReader::reportWritten, this, [this](quint64 ticket, qint64 ms, const QString &error) {
        if (ticket != reportTicket)
            return;
        reportTicket = 0;
        enableReports();
        if (error.isEmpty()) {
            showResult(tr("Report done."));
        } else {
            showResult({});
            PlainMessageBox::show(this, QMessageBox::Warning, tr("Report"), tr("The report failed.\n%1").arg(error));
        }
        emit reportFinished(error, ms);
    });
    connect(reader.get(), &RegisterReader::releaseStored, this, &RecordsTab::releaseStored);
    verification = new VerificationDialog(location, this);
    const auto showLastVerification = [this] {
        const StationSettings settings;
        ui->labelLastVerification->setText(
            VerificationSummary::lastLine(settings.lastVerificationTime(), settings.lastVerificationResult()));
    };
    showLastVerification();
    // Kept in the user's settings, not the register: verifying only reads what it checks.
    connect(verification, &VerificationDialog::verified, this, [showLastVerification](const VerificationSummary &s) {
        StationSettings().setLastVerification(s.verifiedAt, s.shortResult);
        showLastVerification();
    });
    // With an authority set, the chains' heads are time-stamped daily and after each release.
    if (const std::optional<TimeStamper::Authority> authority = StationSettings().timeStampAuthority())
        connect(this, &RecordsTab::releaseEntered, new TimeStamper(location, *authority, this), &TimeStamper::stamp);
    connect(reader.get(), &RegisterReader::eventStored, this,
            [this](quint64 ticket, const AuditEvent &, const QString &error) { settingsEventStored(ticket, error); });
    // The title counts them from the start, before the tab is first shown.
    QTimer::singleShot(0, this, &RecordsTab::readWaitingCount);
}

RecordsTab::~RecordsTab()
{
    StationSettings settings;
    settings.setValue(cycleColumnsKey, ui->tableViewCycles->horizontalHeader()->saveState());
    settings.setValue(auditColumnsKey, ui->tableViewAuditTrail->horizontalHeader()->saveState());
    // Open details use the reader; they go before it does.
    qDeleteAll(findChildren<CycleDetailsDialog *>(QString(), Qt::FindDirectChildrenOnly));
}

CycleRegister::Filter RecordsTab::filterFor(const Period &period, const QString &program, const QString &status,
                                            const QString &controller, const QString &text,
                                            bool waitingForRelease)
{
    CycleRegister::Filter filter;
    if (!period.all) {
        filter.from = period.from.startOfDay();
        filter.to = period.to.addDays(1).startOfDay();
    }
    filter.program = program;
    filter.status = status;
    filter.controllerSerial = controller;
    filter.text = text.trimmed();
    filter.waitingForRelease = waitingForRelease;
    return filter;
}

QString RecordsTab::centralRegisterLine(const QDateTime &unreachableSince, int waiting, bool showingOwn,
                                        const QDate &today)
{
    const QString since = unreachableSince.date() == today ? unreachableSince.toString(QStringLiteral("HH:mm"))
                                                           : CycleSummary::listTime(unreachableSince);
    QString line = waiting == 0   ? tr("Central register unreachable since %1; nothing waits to be sent.")
                   : waiting == 1 ? tr("Central register unreachable since %1; 1 entry waits to be sent.")
                   : waiting > 1  ? tr("Central register unreachable since %1; %Ln entries wait to be sent.", nullptr,
                                       waiting)
                                  : tr("Central register unreachable since %1.");
    line = line.arg(since);
    if (showingOwn)
        line += QLatin1Char(' ') + tr("Shown meanwhile: this station's own register.");
    return line;
}

void RecordsTab::setUrlOpener(std::function<bool(const QUrl &)> opener)
{
    urlOpener = std::move(opener);
}

void RecordsTab::setPrinterChooser(std::function<bool(QPrinter &)> chooser)
{
    printerChooser = chooser;
    packs->setPrinterChooser(std::move(chooser));
}

void RecordsTab::setWindowButtonShown(bool shown)
{
    ui->pushButtonOpenInWindow->setVisible(shown);
}

void RecordsTab::eventEntered()
{
    if (everShown)
        events->refresh();
}

void RecordsTab::cycleEntered()
{
    readWaitingCount();
    if (backupPanel)
        backupPanel->cycleEntered();
    if (!everShown)
        return; // read in full at the first show
    cycles->refresh();
    events->refresh();
    countWanted = true;
    readChoices();
}

void RecordsTab::outboxStateChanged(int count, const QDateTime &failingSince, const QString &reason)
{
    const bool nowFailing = failingSince.isValid() && !senderFailingSince.isValid();
    waiting = count;
    senderFailingSince = failingSince;
    senderReason = reason;
    showCentralRegisterLine();
    // The reader finds out for itself, without waiting for its next try:
    // the server is back (the entries sent show), or it is away.
    if (!failingSince.isValid() && !readingCentral)
        reader->retryCentral();
    if ((!failingSince.isValid() && !readingCentral) || (nowFailing && readingCentral))
        cycleEntered();
}

void RecordsTab::sourceChanged(bool central, const QDateTime &unreachableSince, const QString &reason)
{
    const bool switched = central != readingCentral;
    readingCentral = central;
    if (central)
        centralRetry.stop();
    else if (!centralRetry.isActive())
        centralRetry.start();
    readerAwaySince = unreachableSince;
    readerReason = reason;
    showCentralRegisterLine();
    // The rows shown came from the other register.
    if (switched && everShown) {
        applyFilter();
        events->reload();
        readChoices();
    }
}

void RecordsTab::showCentralRegisterLine()
{
    QDateTime since = readingCentral ? QDateTime() : readerAwaySince;
    if (senderFailingSince.isValid() && (!since.isValid() || senderFailingSince < since))
        since = senderFailingSince;
    ui->labelCentralRegister->setVisible(hasCentral && since.isValid());
    if (!since.isValid())
        return;
    ui->labelCentralRegister->setText(centralRegisterLine(since, waiting, !readingCentral, QDate::currentDate()));
    ui->labelCentralRegister->setToolTip(senderReason.isEmpty() ? readerReason : senderReason);
}

void RecordsTab::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (everShown)
        return;
    everShown = true;
    // The chosen cycle's buttons whole in every language, the list taking
    // what is left; measured once they have their font.
    ui->groupBoxCycle->setMinimumWidth(qMax(ui->groupBoxCycle->minimumWidth(), ui->groupBoxCycle->minimumSizeHint().width()));
    // What the lists read now is the state to compare with.
    readNewestEvent();
    changeCheck.start();
    applyFilter();
    events->reload();
    readChoices();
}

void RecordsTab::applyFilter()
{
    textDebounce.stop();
    if (!everShown)
        return;
    CycleRegister::Filter filter =
        filterFor({ui->checkBoxAllDates->isChecked(), ui->dateEditFrom->date(), ui->dateEditTo->date()},
                  ui->comboBoxProgramFilter->currentData().toString(),
                  ui->comboBoxStatusFilter->currentData().toString(),
                  ui->comboBoxControllerFilter->currentData().toString(), ui->lineEditFilterText->text(),
                  ui->checkBoxWaitingForRelease->isChecked());
    filter.releasedBy = ui->comboBoxReleasedByFilter->currentData().toString();
    filter.decision = Release::parse<Release::Decision>(ui->comboBoxDecisionFilter->currentData().toString());
    cycles->setFilter(filter);
    ui->labelCycleCount->clear();
    countWanted = true;
}

void RecordsTab::readNewestEvent()
{
    newestEventTicket = tallies->readEvents(0, 1);
}

void RecordsTab::readWaitingCount()
{
    CycleRegister::Filter waiting;
    waiting.waitingForRelease = true;
    waitingTicket = tallies->readCount(waiting);
}

void RecordsTab::readChoices()
{
    choicesTicket = tallies->readChoices();
}

void RecordsTab::showChoices(const RegisterReader::Choices &choices)
{
    fillChoices(ui->comboBoxProgramFilter, tr("All programs"), choices.programs);
    fillChoices(ui->comboBoxStatusFilter, tr("All statuses"), choices.statuses, &StoredText::shown);
    fillChoices(ui->comboBoxControllerFilter, tr("All controllers"), choices.controllers);
    fillChoices(ui->comboBoxReleasedByFilter, tr("Any operator"), choices.operators);
    // A station's own register mostly knows its one controller.
    ui->comboBoxControllerFilter->setVisible(hasCentral || ui->comboBoxControllerFilter->count() > 2);
}

void RecordsTab::on_checkBoxAllDates_toggled(bool all)
{
    ui->dateEditFrom->setEnabled(!all);
    ui->dateEditTo->setEnabled(!all);
    applyFilter();
}

void RecordsTab::on_dateEditFrom_dateChanged(const QDate &)
{
    applyFilter();
}

void RecordsTab::on_dateEditTo_dateChanged(const QDate &)
{
    applyFilter();
}

void RecordsTab::on_comboBoxProgramFilter_currentIndexChanged(int)
{
    applyFilter();
}

void RecordsTab::on_comboBoxStatusFilter_currentIndexChanged(int)
{
    applyFilter();
}

void RecordsTab::on_checkBoxWaitingForRelease_toggled(bool)
{
    applyFilter();
}

void RecordsTab::on_comboBoxControllerFilter_currentIndexChanged(int)
{
    applyFilter();
}

void RecordsTab::on_comboBoxReleasedByFilter_currentIndexChanged(int)
{
    applyFilter();
}

void RecordsTab::on_comboBoxDecisionFilter_currentIndexChanged(int)
{
    applyFilter();
}

void RecordsTab::on_lineEditFilterText_textChanged(const QString &)
{
    textDebounce.start();
}

void RecordsTab::on_lineEditFilterText_returnPressed()
{
    applyFilter();
}

void RecordsTab::choose(const QModelIndex &current)
{
    chosenBeforeSearch = 0;
    if (!current.isValid()) {
        cycleTicket = 0;
        showCycle(std::nullopt);
        return;
    }
    const qint64 id = cycles->at(current.row()).id;
    if (chosen && chosen->id == id && !cycleTicket)
        return;
    cycleTicket = reader->readCycle(id);
}

void RecordsTab::chooseAgain()
{
    const qint64 id = std::exchange(chosenBeforeSearch, 0);
    const QVector<Cycle> &rows = cycles->loaded();
    const auto found = std::find_if(rows.cbegin(), rows.cend(), [id](const Cycle &c) { return c.id == id; });
    if (id && found != rows.cend())
        ui->tableViewCycles->setCurrentIndex(cycles->index(int(found - rows.cbegin()), 0));
}

void RecordsTab::showCycle(const std::optional<Cycle> &cycle)
{
    chosen = cycle;
    packs->setCycle(cycle);
    const QString none = QStringLiteral("-");
    ui->labelCycleProgram->setText(cycle ? CycleSummary::program(*cycle) : none);
    ui->labelCycleNumber->setText(cycle ? CycleSummary::cycleNumber(*cycle) : none);
    ui->labelCycleSerial->setText(cycle ? ReportFormat::orUnknown(cycle->controllerSerial, Language::locale()) : none);
    ui->labelCycleSamples->setText(cycle ? Language::locale().toString(cycle->samples.size()) : none);
    ui->labelCycleStarted->setText(cycle ? ReportFormat::instant(cycle->started, true, Language::locale()) : none);
    ui->labelCycleDuration->setText(cycle ? CycleSummary::duration(*cycle) : none);
    ui->labelCycleStatus->setText(cycle ? CycleSummary::status(*cycle) : none);
    ui->labelCycleVerdict->setText(cycle ? CycleSummary::verdict(*cycle) : none);
    ui->labelCycleRelease->setText(cycle ? CycleSummary::release(*cycle) : none);
    // One line each, cut at the panel's edge so that the curve keeps its height; whole as tooltips.
    ui->labelCycleVerdict->setToolTip(ui->labelCycleVerdict->text());
    ui->labelCycleRelease->setToolTip(ui->labelCycleRelease->text());
    if (cycle)
        chart.show(cycle->samples);
    else
        chart.clear();
    ui->pushButtonOpenLogFolder->setEnabled(cycle && !cycle->logPath.isEmpty());
    ui->pushButtonExportSamples->setEnabled(cycle && !exportTicket);
    ui->pushButtonCycleDetails->setEnabled(cycle.has_value());
    ui->pushButtonRelease->setEnabled(cycle.has_value());
    enableReports();
    if (cycle)
        emit cycleShown(cycle->id);
}

void RecordsTab::showResult(const QString &text)
{
    // Cut where the list's column ends; whole in its tooltip.
    ui->labelExportResult->setText(text);
    ui->labelExportResult->setToolTip(text);
}

void RecordsTab::showProblem(const QString &error)
{
    ui->labelRegisterMessage->setText(error);
    ui->labelRegisterMessage->show();
}

QString RecordsTab::askSaveFile(const QString &title, const QString &proposedName, const QString &filter,
                                const QString &suffix)
{
    if (exportFolder.isEmpty())
        exportFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, title, QDir(exportFolder).filePath(proposedName), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString file = dialog.selectedFiles().constFirst();
    exportFolder = QFileInfo(file).absolutePath();
    return file;
}

void RecordsTab::startExport(quint64 ticket)
{
    exportTicket = ticket;
    ui->pushButtonExportList->setEnabled(false);
    ui->pushButtonExportSamples->setEnabled(false);
    showResult(tr("Saving…"));
}

void RecordsTab::on_pushButtonExportList_clicked()
{
    const QString file = askSaveFile(tr("Export List"), QStringLiteral("cycles.csv"), csvFiles(), csvSuffix());
    if (!file.isEmpty())
        startExport(reader->exportCycles(cycles->filter(), file));
}

void RecordsTab::on_pushButtonExportSamples_clicked()
{
    if (!chosen)
        return;
    const QString name = QStringLiteral("%1_%2_samples.csv")
                             .arg(chosen->controllerSerial,
                                  QString::number(chosen->cycleNumber >= 0 ? chosen->cycleNumber : chosen->id));
    const QString file = askSaveFile(tr("Export Samples"), name, csvFiles(), csvSuffix());
    if (!file.isEmpty() && chosen)
        startExport(reader->exportSamples(chosen->id, file));
}

void RecordsTab::on_pushButtonOpenLogFolder_clicked()
{
    if (!chosen || chosen->logPath.isEmpty())
        return;
    const QString folder = QFileInfo(chosen->logPath).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        PlainMessageBox::show(this, QMessageBox::Warning, tr("Log Folder"),
                              tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    // A desktop without a file manager would otherwise show nothing at all.
    if (!urlOpener(QUrl::fromLocalFile(folder))) {
        PlainMessageBox::show(this, QMessageBox::Warning, tr("Log Folder"),
                              tr("The folder %1 could not be shown: no program to show folders was found.")
                                  .arg(QDir::toNativeSeparators(folder)));
    }
}

void RecordsTab::on_pushButtonCycleDetails_clicked()
{
    if (!chosen)
        return;
    auto *dialog = new CycleDetailsDialog(*chosen, reader.get(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(this, &RecordsTab::releaseEntered, dialog, &CycleDetailsDialog::releaseEntered);
    dialog->show();
}

void RecordsTab::releaseStored(quint64 ticket, const Release &release, const QString &error)
{
    if (!savingForms.contains(ticket))
        return;
    const QPointer<ReleaseDialog> form = savingForms.take(ticket);
    if (form)
        form->savingFinished(error);
    if (!error.isEmpty()) {
        if (!form)
            showProblem(error);
        return;
    }
    StationSettings().setLastOperator(release.operatorName);
    cycles->refresh();
    events->refresh();
    readWaitingCount();
    if (chosen && chosen->id == release.cycleId)
        cycleTicket = reader->readCycle(release.cycleId);
    emit releaseEntered(release.cycleId);
}

void RecordsTab::on_pushButtonVerifyRegister_clicked()
{
    verification->start();
    verification->show();
    verification->raise();
    verification->activateWindow();
}

void RecordsTab::on_pushButtonRelease_clicked()
{
    if (!chosen)
        return;
    // One form per cycle: a second click brings it up.
    for (ReleaseDialog *open : findChildren<ReleaseDialog *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (open->cycleId() == chosen->id) {
            open->raise();
            open->activateWindow();
            return;
        }
    }
    auto *form = new ReleaseDialog(*chosen, StationSettings().lastOperator(), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->signer()->load(reader.get());
    connect(form, &ReleaseDialog::saveRequested, this,
            [this, form, entryHash = chosen->entryHash](const Release &release) {
                savingForms.insert(reader->submitRelease(release, entryHash, form->pin()), form);
            });
    form->show();
}

std::pair<QDate, QDate> RecordsTab::shownPeriod() const
{
    if (ui->checkBoxAllDates->isChecked())
        return {};
    return {ui->dateEditFrom->date(), ui->dateEditTo->date()};
}

std::optional<RegisterReader::ReportOutput> RecordsTab::chooseOutput(bool print, QPageLayout::Orientation orientation,
                                                                     const QString &title, const QString &name)
{
    RegisterReader::ReportOutput output;
    if (!print) {
        output.pdfFile = askSaveFile(title, name + QStringLiteral(".pdf"), pdfFiles(), pdfSuffix());
        return output.pdfFile.isEmpty() ? std::nullopt : std::optional(output);
    }
    output.printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    output.printer->setPageSize(QPageSize(QPageSize::A4));
    output.printer->setPageOrientation(orientation);
    output.printer->setDocName(name);
    return printerChooser(*output.printer) ? std::optional(output) : std::nullopt;
}

void RecordsTab::reportCycle(bool print)
{
    if (!chosen)
        return;
    const qint64 id = chosen->id;
    if (const auto output = chooseOutput(print, QPageLayout::Portrait, tr("Save Report"), cycleName(*chosen)))
        startReport(reports->writeCycleReport(id, StationSettings().clinicName(), *output));
}

void RecordsTab::reportPeriod(bool print)
{
    const auto [from, to] = shownPeriod();
    const QString name = from.isValid() ? tr("cycles %1 to %2").arg(from.toString(Qt::ISODate), to.toString(Qt::ISODate))
                                        : tr("cycles");
    const CycleRegister::Filter filter = cycles->filter();
    if (const auto output = chooseOutput(print, QPageLayout::Landscape, tr("Save Period Report"), name))
        startReport(reports->writePeriodReport(filter, from, to, StationSettings().clinicName(), *output));
}

void RecordsTab::startReport(quint64 ticket)
{
    reportTicket = ticket;
    enableReports();
    showResult(tr("Writing the report…"));
}

void RecordsTab::enableReports()
{
    ui->pushButtonSaveReport->setEnabled(chosen && !reportTicket);
    ui->pushButtonPrintReport->setEnabled(chosen && !reportTicket);
    ui->pushButtonPeriodReport->setEnabled(everShown && !reportTicket);
    ui->pushButtonPrintPeriodReport->setEnabled(everShown && !reportTicket);
}

void RecordsTab::on_pushButtonSaveReport_clicked()
{
    reportCycle(false);
}

void RecordsTab::on_pushButtonPrintReport_clicked()
{
    reportCycle(true);
}

void RecordsTab::on_pushButtonPeriodReport_clicked()
{
    reportPeriod(false);
}

void RecordsTab::on_pushButtonPrintPeriodReport_clicked()
{
    reportPeriod(true);
}

void RecordsTab::on_pushButtonSettings_clicked()
{
    // One form: a second click brings it up.
    if (auto *open = findChild<RecordsSettingsDialog *>(QString(), Qt::FindDirectChildrenOnly)) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto *form = new RecordsSettingsDialog(RecordsSettings::read(StationSettings()), this);
    form->setAttribute(Qt::WA_DeleteOnClose);
    connect(form, &RecordsSettingsDialog::saveRequested, this, [this, form](const AuditEvent &change) {
        savingSettings.insert(reader->submitEvent(change), {form, form->settings()});
    });
    form->show();
}

void RecordsTab::settingsEventStored(quint64 ticket, const QString &error)
{
    if (!savingSettings.contains(ticket))
        return;
    const auto [form, settings] = savingSettings.take(ticket);
    // Applied only once the audit trail holds the change.
    if (error.isEmpty()) {
        StationSettings station;
        settings.write(station);
        events->refresh();
    }
    if (form)
        form->savingFinished(error);
    else if (!error.isEmpty())
        showProblem(error);
}
