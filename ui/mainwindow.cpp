#include "ui/mainwindow.h"

#include "app/logfolder.h"
#include "app/stationsettings.h"
#include "app/texts.h"
#include "device/digitalstatus.h"
#include "device/programmemory.h"
#include "records/logname.h"
#include "records/runrecordformat.h"
#include "register/auditevents.h"
#include "register/registerwriter.h"
#include "register/storedtext.h"
#include "ui/editporgramstepdialog.h"
#include "ui/exitquestion.h"
#include "ui/plainmessagebox.h"
#include "ui/programprofile.h"
#include "ui/programstepitem.h"
#include "ui/readingwatch.h"
#include "ui/recordspage.h"
#include "ui/recordstab.h"
#include "ui/registeralert.h"
#include "ui/runlogsaver.h"
#include "ui/runrecovery.h"
#include "ui/verdictbanner.h"
#include "widgets/qprogressindicator.h"
#include "ui_mainwindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPropertyAnimation>
#include <QStandardPaths>
#include <QTimer>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

namespace {

// A time of the run's clock as an instant with this computer's UTC offset.
QDateTime instant(qint64 msSinceEpoch)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msSinceEpoch);
    return local.toOffsetFromUtc(local.offsetFromUtc());
}

// Samples outside this range block the start button.
bool temperatureInRange(float celsius)
{
    return celsius >= 0.0f && celsius <= 140.0f;
}

// Shows the pressed image while the button is held down.
void usePressedIcon(QAbstractButton *button, const QString &pressedImage)
{
    const QIcon normal = button->icon();
    const QIcon pressed(pressedImage);
    QObject::connect(button, &QAbstractButton::pressed, button, [button, pressed] { button->setIcon(pressed); });
    QObject::connect(button, &QAbstractButton::released, button, [button, normal] { button->setIcon(normal); });
}

// A spinning indicator that shows wherever the button stacked above it is
// hidden.
void placeBusyIndicator(QLayout *layout)
{
    auto *indicator = new QProgressIndicator;
    layout->addWidget(indicator);
    layout->setAlignment(Qt::AlignCenter);
    indicator->startAnimation();
}

// The window's charts are small: smaller type keeps all twelve time labels
// readable side by side.
void fitChart(TemperatureChart &chart)
{
    QFont title = chart.chart->titleFont();
    title.setPointSize(9);
    chart.chart->setTitleFont(title);
    chart.chart->setMargins(QMargins(4, 0, 18, 0)); // half a time label: the last mark may stand at the end
    chart.chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart.chart->setBackgroundRoundness(5);
    chart.chartView->setStyleSheet(QStringLiteral("background: transparent;"));
    for (QtCharts::QAbstractAxis *axis : chart.chart->axes()) {
        QFont labels = axis->labelsFont();
        labels.setPointSize(7);
        axis->setLabelsFont(labels);
        QFont axisTitle = axis->titleFont();
        axisTitle.setPointSize(8);
        axis->setTitleFont(axisTitle);
    }
}

} // namespace

MainWindow::MainWindow(CommunicationManager *manager)
    : QMainWindow(nullptr)
    , ui(std::make_unique<Ui::MainWindow>())
{
    ui->setupUi(this);
    setFixedSize(1000, 463);

    ui->aboutUs_image->setPixmap(QPixmap(QStringLiteral(":/images/images/ic_vaporin.png"))
                                     .scaled(325, 150, Qt::KeepAspectRatio, Qt::FastTransformation));

    communicationManager = manager ? manager : CommunicationManager::instance();

    for (TemperatureChart *chart : {&liveChart, &profileChart})
        fitChart(*chart);
    ui->verticalLayout->addWidget(liveChart.chartView);
    ui->verticalLayoutEditProgramGraph->addWidget(profileChart.chartView);

    placeBusyIndicator(ui->verticalLayoutProgress);
    placeBusyIndicator(ui->verticalLayoutProgressEditTab);

    StationSettings settings;
    const LogFolder folder = LogFolder::resolve(settings.logFolder(),
                                                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                                QCoreApplication::applicationDirPath());
    logFolder = folder.path;
    if (folder.announce)
        PlainMessageBox::show(this, QMessageBox::Information, tr("Log Folder"), LogFolder::announcement(logFolder));
    ui->lineEditLogFolder->setText(logFolder);
    ui->lineEditLogFolder->setCursorPosition(0);

    // Stand-ins until the controller's program names arrive.
    for (int n = 1; n <= 5; ++n)
        ui->comboBoxPrograms->addItem(tr("Program %1").arg(n));
    makeLogName();

    ui->progressBarTemperature->repaint();
    ui->progressBarTemperature->show();
    temperatureAnimation = new QPropertyAnimation(ui->progressBarTemperature, "value", this);
    temperatureAnimation->setDuration(50);
    readingWatch = new ReadingWatch(ui->progressBarTemperature, ui->labelTemperature,
                                    ReadingWatch::staleAfterMs(communicationManager->worker().timing()), this);

    ui->tabWidget->setTabText(0, tr(textHome));
    ui->tabWidget->setTabText(1, tr(textPrograms));
    // The register as the settings name it; one on a server is reached
    // through the station's own register file, which holds what has not
    // reached the server yet.
    const RegisterLocation registerLocation = settings.registerLocation();
    const QString ownRegister = settings.ownRegisterPath();
    // Before "About us"; it reads the register only once shown, but for
    // the cycles waiting for release, which its title counts.
    recordsTab = new RecordsTab(registerLocation, ownRegister);
    auto *recordsPage = new RecordsPage(recordsTab);
    ui->tabWidget->insertTab(2, recordsPage, tr("Records"));
    connect(recordsTab, &RecordsTab::waitingForReleaseCounted, this, [this, recordsPage](int waiting) {
        ui->tabWidget->setTabText(ui->tabWidget->indexOf(recordsPage),
                                  waiting > 0 ? tr("Records (%1)").arg(waiting) : tr("Records"));
    });
    ui->tabWidget->setCurrentIndex(0);

    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &MainWindow::timerProg);
    timer->start(1000);

    ui->label_18->setText(tr("Version %1").arg(softwareVersion));

    QFont temperatureFont(QStringLiteral("Arial"), 12, QFont::Bold, false);
    ui->labelTemperature->setFont(temperatureFont);

    usePressedIcon(ui->buttonStart, QStringLiteral(":/images/images/ic_start_pressed.png"));
    usePressedIcon(ui->buttonStop, QStringLiteral(":/images/images/ic_stop_pressed.png"));

    applyLanguage(settings.language());

    // Runs and program writes go into the cycle register off the GUI thread;
    // the user hears when it cannot be written. With the register on a
    // server, the Records tab hears how sending it there goes.
    cycleRegisterWriter = std::make_unique<RegisterWriter>(registerLocation, ownRegister);
    new RegisterAlert(cycleRegisterWriter.get(), this);
    connect(cycleRegisterWriter.get(), &RegisterWriter::cycleEntered, recordsTab, &RecordsTab::cycleEntered);
    connect(cycleRegisterWriter.get(), &RegisterWriter::eventEntered, recordsTab, &RecordsTab::eventEntered);
    verdictBanner = new VerdictBanner(ownRegister, cycleRegisterWriter.get());
    ui->verticalLayout->insertWidget(0, verdictBanner);
    if (RegisterSender *sender = cycleRegisterWriter->sender()) {
        connect(sender, &RegisterSender::sent, recordsTab, &RecordsTab::cycleEntered);
        connect(sender, &RegisterSender::stateChanged, recordsTab, &RecordsTab::outboxStateChanged);
    }
}

MainWindow::~MainWindow()
{
    saveLogFolder();
    // Whatever still reads the form (log folder and name) belongs here,
    // before the form is destroyed with the members.
    // The controller carries on with a running program; its log so far is
    // kept. Boxes of the save must not let reports reach a dying window.
    disconnect(communicationManager, nullptr, this, nullptr);
    if (currentStatus == CommunicationManager::Running) {
        currentStatus = CommunicationManager::Idle;
        // Closed by the user, or by the restart after the controller stopped answering.
        saveRunRecord(QLatin1String(communicationManager->connectionLost() ? textConnectionLost : textStationClosed));
    }
}

void MainWindow::setClock(std::function<qint64()> msSinceEpoch)
{
    clock = std::move(msSinceEpoch);
}

void MainWindow::makeLogName()
{
    ui->lineEditLogName->setText(LogName::suggested(ui->comboBoxPrograms->currentText(), QDateTime::currentDateTime()));
    ui->lineEditLogName->setCursorPosition(0);
}

void MainWindow::saveLogFolder()
{
    StationSettings().setLogFolder(logFolder);
}

void MainWindow::selectLogFolder()
{
    const QString chosen = QFileDialog::getExistingDirectory(
        this, tr("Select Log Directory"), QString(), QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (chosen.isNull())
        return;
    logFolder = chosen;
    ui->lineEditLogFolder->setText(logFolder);
    saveLogFolder();
}

void MainWindow::showError(QString message)
{
    PlainMessageBox::show(this, QMessageBox::Critical, tr("Error"), StoredText::shown(message));
}

void MainWindow::refreshPrograms()
{
    if (editedProgramModified()) {
        const QMessageBox::StandardButton answer = askToSaveChanges();
        // A save rereads the programs when its write ends; a refused one
        // keeps the edits on the tab.
        if (answer == QMessageBox::Save)
            saveEditedProgram();
        if (answer != QMessageBox::Discard)
            return;
    }
    clearProgramViews();
    // Once per read: the slot disconnects itself.
    connect(communicationManager, &CommunicationManager::gotPrograms, this, &MainWindow::on_programsReceived);
    connect(communicationManager, &CommunicationManager::gotVersion, this, &MainWindow::on_getVersionReceived,
            Qt::UniqueConnection);
    connect(communicationManager, &CommunicationManager::programsReadFailed, this, &MainWindow::showError,
            Qt::UniqueConnection);
    communicationManager->requestPrograms();
}

void MainWindow::clearProgramViews()
{
    ui->buttonRefleshPrograms->hide();
    ui->buttonRefleshProgramsEditTab->hide();
    for (QComboBox *chooser : {ui->comboBoxPrograms, ui->comboBoxProgramsEditTab}) {
        chooser->clear();
        chooser->setEnabled(false);
    }
    if (currentStatus != CommunicationManager::Running) {
        ui->buttonStart->setEnabled(false);
        ui->buttonStop->setEnabled(false);
        ui->buttonStop->hide();
    }
    for (QWidget *editor : std::initializer_list<QWidget *>{ui->pushButtonAddAStep, ui->lineEditProgramName,
                                                            ui->pushButtonEdirProgramReset,
                                                            ui->pushButtonEdirProgramSave})
        editor->setEnabled(false);
    ui->listWidgetProgramSteps->clear();
    profileChart.reset();
}

void MainWindow::on_programsReceived(QList<CommunicationManager::Program> programs)
{
    disconnect(communicationManager, &CommunicationManager::gotPrograms, this, &MainWindow::on_programsReceived);
    ui->comboBoxPrograms->clear();
    ui->buttonRefleshPrograms->show();
    ui->buttonRefleshPrograms->setEnabled(false);
    for (const CommunicationManager::Program &program : programs) {
        ui->comboBoxPrograms->addItem(program.name);
        ui->comboBoxProgramsEditTab->addItem(program.name);
        QCoreApplication::processEvents();
    }
    if (!programs.isEmpty()) {
        ui->buttonRefleshProgramsEditTab->show();
        ui->comboBoxProgramsEditTab->setEnabled(true);
        this->programs = programs;
        editedSteps = programs.first().steps;
        editedIndex = 1;
        showEditedProgram(false);
    }
    // A run, also one adopted while the list came in, keeps its controls.
    if (currentStatus == CommunicationManager::Running) {
        setRunControls(CommunicationManager::Running);
        return;
    }
    // A failed read (already reported) leaves only the Home refresh usable.
    if (programs.isEmpty()) {
        ui->buttonRefleshPrograms->setEnabled(true);
        return;
    }
    setRunControls(CommunicationManager::Idle);
    ui->buttonStart->setEnabled(false);
}

void MainWindow::on_tempDataUpdated(CommunicationManager::TempData temp)
{
    const float t = temp.temperature;
    tempOutOfRange = !temperatureInRange(t);
    if (tempOutOfRange)
        ui->buttonStart->setEnabled(false);

    // One animation for all samples, so that a long run does not pile up
    // objects; a new sample takes over from wherever the bar is.
    QProgressBar *bar = ui->progressBarTemperature;
    temperatureAnimation->stop();
    temperatureAnimation->setStartValue(bar->value());
    temperatureAnimation->setEndValue(
        qRound(qBound(float(bar->minimum()), t, float(bar->maximum()))));
    temperatureAnimation->start();

    readingWatch->show(t);

    if (currentStatus == CommunicationManager::Running)
        recordSample(t);
}

void MainWindow::on_InfoReceived(CommunicationManager::Info info)
{
    if (!info.serialNumber.isEmpty())
        controllerSerial = info.serialNumber;
    runRecord.serialNumber = info.serialNumber;
    runRecord.cycleNumber = QString::number(info.cycleNumber);
    journal.recordFields(runRecord);
}

void MainWindow::on_getVersionReceived(QString Version)
{
    deviceVersion = Version;
}

// Run control.

namespace {

void setButtonState(QAbstractButton *button, bool enabled, bool shown)
{
    button->setEnabled(enabled);
    button->setVisible(shown);
}

} // namespace

void MainWindow::on_buttonStart_clicked()
{
    if (currentStatus == CommunicationManager::Running)
        askStopProgram();
    else
        askStartProgram();
}

void MainWindow::on_buttonStop_clicked()
{
    on_buttonStart_clicked();
}

void MainWindow::askStartProgram()
{
    if (!programChosen())
        return;
    const auto answer = PlainMessageBox::show(
        this, QMessageBox::Question, tr("START"), tr("Do you want to start %1 program?").arg(ui->comboBoxPrograms->currentText()),
        QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
    // A run adopted while the question was open is not started again.
    if (answer != QMessageBox::Yes || currentStatus == CommunicationManager::Running)
        return;
    setRunControls(CommunicationManager::StartRequested);
    communicationManager->startProgram(ui->comboBoxPrograms->currentIndex() + 1);
}

void MainWindow::askStopProgram()
{
    const auto answer = QMessageBox::warning(this, tr("STOP"), tr("Do you want to stop the running program?"),
                                             QMessageBox::Yes | QMessageBox::Cancel);
    // A run that ended while the question was open has nothing to stop.
    if (answer != QMessageBox::Yes || currentStatus != CommunicationManager::Running)
        return;
    setRunControls(CommunicationManager::StopRequested);
    communicationManager->stopProgram();
}

void MainWindow::on_programStatusChanged(CommunicationManager::ProgramStatus status, QString message)
{
    using CM = CommunicationManager;
    const bool running = currentStatus == CM::Running;
    // After an error box: a run adopted while it was open goes on.
    const auto unlessRunning = [this](CM::ProgramStatus next) {
        if (currentStatus != CM::Running)
            currentStatus = next;
    };
    switch (status) {
    case CM::Running:
        awaitingFirstRun = false;
        if (!running) {
            beginRun();
            currentStatus = CM::Running;
        }
        break;
    case CM::Stopped:
        // A stop confirmed after the run has ended otherwise must not save
        // the ended run a second time.
        if (running)
            endRun(QLatin1String(textCancelledByUser), QMessageBox::Critical, tr(textCancelled), tr(textProgramCancelled));
        else
            currentStatus = CM::Idle;
        break;
    case CM::Finished:
        if (running)
            endRun(QLatin1String(textSuccessfullyCompleted), QMessageBox::Information, tr(textSuccess),
                   tr(textProgramFinished));
        else
            currentStatus = CM::Finished;
        break;
    case CM::ConnectionLost:
        if (running) {
            endRun(QLatin1String(textConnectionLost), QMessageBox::Critical, tr(textConnectionLostTitle),
                   tr(textConnectionLostCancelled));
        } else {
            PlainMessageBox::show(this, QMessageBox::Critical, tr(textConnectionLostTitle), message);
            unlessRunning(CM::ReadFailed);
        }
        break;
    case CM::StartFailed:
        showError(message);
        unlessRunning(CM::Idle);
        break;
    case CM::ReadFailed:
        showError(message);
        unlessRunning(CM::ReadFailed);
        break;
    case CM::StopFailed:
        // The run goes on and is still recorded, unless it ended meanwhile.
        showError(message);
        break;
    case CM::SensorError:
        if (running)
            endRun(QLatin1String(textStoppedBySensorError), QMessageBox::Critical, tr("Error"), tr(textSensorErrorSaved),
                   tr(textSensorError));
        else
            currentStatus = CM::SensorError;
        break;
    default:
        currentStatus = status;
        break;
    }
    setRunControls(currentStatus);
}

void MainWindow::beginRun()
{
    ui->labelRunningTime->setText(QStringLiteral("00:00:00"));
    liveChart.reset();
    runStartMs = clock();
    verdictBanner->runStarted(QDateTime::fromMSecsSinceEpoch(runStartMs));
    runRecord = CommunicationManager::Program();
    runRecord.timeStarted = RunRecordFormat::timestampText(QDateTime::fromMSecsSinceEpoch(runStartMs));
    runRecord.name = ui->comboBoxPrograms->currentText();
    runRecord.firmwareVersion = deviceVersion;
    runRecord.softwareVersion = softwareVersion;
    RunJournal::Start start;
    start.at = instant(runStartMs);
    start.adopted = adoptingRun;
    // The program the start command named, or that the controller reports
    // for a run it began by itself, as the controller held it.
    const int index = adoptingRun ? communicationManager->reportedProgram() - 1 : ui->comboBoxPrograms->currentIndex();
    if (index >= 0) {
        start.programNumber = index + 1;
        if (adoptingRun && index < programs.size())
            runRecord.name = programs.at(index).name;
        if (index < programs.size() && programs.at(index).name == runRecord.name)
            runRecord.steps = programs.at(index).steps;
    }
    journal.begin(runRecord, ui->lineEditLogFolder->text() + QLatin1Char('/') + LogName::safe(ui->lineEditLogName->text()),
                  start);
    communicationManager->getInfo();
}

void MainWindow::recordSample(float celsius)
{
    const qint64 ms = clock() - runStartMs;
    const qint64 seconds = ms / 1000;
    liveChart.addPoint(celsius, seconds);
    // A later sample of the same second replaces the earlier one.
    const QString key = RunRecordFormat::elapsedKey(seconds);
    const QString value = RunRecordFormat::temperatureText(celsius);
    runRecord.dataPoints.insert(key, value);
    journal.recordSample(key, value, ms);
}

void MainWindow::endRun(const QString &result, QMessageBox::Icon icon, const QString &title,
                        const QString &savedText, const QString &unsavedText)
{
    currentStatus = CommunicationManager::Idle;
    const std::optional<QString> saved = saveRunRecord(result);
    const QString text = saved ? savedText.arg(*saved) : unsavedText;
    if (!text.isEmpty())
        PlainMessageBox::show(this, icon, title, text);
    makeLogName();
}

void MainWindow::completeRunRecord(const QString &result)
{
    runRecord.status = result;
    runRecord.firmwareVersion = deviceVersion;
    runRecord.softwareVersion = softwareVersion;
    const qint64 now = clock();
    runRecord.timeFinished = RunRecordFormat::timestampText(QDateTime::fromMSecsSinceEpoch(now));
    journal.recordFields(runRecord);
    journal.recordEnd(instant(now));
}

void MainWindow::handOverJournal()
{
    const QString fileName = journal.fileName();
    journal.close();
    if (!fileName.isEmpty())
        cycleRegisterWriter->enterJournal(fileName);
}

std::optional<QString> MainWindow::saveRunRecord(QString result)
{
    completeRunRecord(result);
    // What is written stays as it is now, whatever the boxes below let in.
    const CommunicationManager::Program record = runRecord;
    const QString logName = LogName::safe(ui->lineEditLogName->text());
    const QString basePath = ui->lineEditLogFolder->text() + QLatin1Char('/') + logName;
    const std::optional<RunLog::WriteResult> written = RunLogSaver::save(this, record, {basePath});
    if (!written) {
        // The journal keeps the record for the next start to save.
        const QString kept = journal.isOpen()
            ? tr("\nThe station keeps the record and offers to save it again at its next start.")
            : QString();
        journal.close();
        PlainMessageBox::show(this, QMessageBox::Critical, tr("Error"),
                              tr("The run log was NOT saved.\nResult of the run: %1").arg(StoredText::shown(result)) + kept);
        return std::nullopt;
    }
    journal.recordLogged({written->fileName, written->sha256, Cycle::Origin::Recorded});
    handOverJournal();
    if (written->fileName == basePath + QLatin1String(".txt"))
        return logName;
    return QDir::toNativeSeparators(written->fileName.chopped(4));
}

void MainWindow::recoverInterruptedRuns()
{
    RunRecovery::recoverAll(this, RunJournal::defaultFolder(), logFolder, *cycleRegisterWriter);
}

void MainWindow::setControllerSerial(const QString &serial)
{
    controllerSerial = serial;
}

void MainWindow::setRunControls(int status)
{
    using CM = CommunicationManager;
    bool editable = false; // program choice, log folder and name, Programs tab
    switch (status) {
    case CM::Idle:
    case CM::Finished:
        ui->labelRunningTime->setText(QStringLiteral("00:00:00"));
        ui->buttonStart->show();
        ui->buttonStop->hide();
        ui->buttonRefleshPrograms->setEnabled(true);
        editable = true;
        break;
    case CM::Running:
        setButtonState(ui->buttonStart, true, false);
        setButtonState(ui->buttonStop, true, true);
        ui->buttonRefleshPrograms->setEnabled(false);
        break;
    case CM::StartRequested:
    case CM::StopRequested:
        ui->buttonStart->setEnabled(false);
        ui->buttonStop->setEnabled(false);
        ui->buttonRefleshPrograms->setEnabled(false);
        break;
    case CM::ReadFailed:
        ui->buttonStart->setEnabled(false);
        ui->buttonStop->setEnabled(false);
        setButtonState(ui->buttonRefleshPrograms, true, true);
        break;
    default:
        return;
    }
    ui->groupBox_2->setEnabled(editable);
    ui->groupBox_3->setEnabled(editable);
    ui->tabWidget->setTabEnabled(1, editable);
    // Nothing to choose while no program is listed (after a failed read);
    // the ready state enables Start only with a chooser to start from.
    ui->comboBoxPrograms->setEnabled(editable && programChosen());
}

bool MainWindow::programChosen() const
{
    return ui->comboBoxPrograms->currentIndex() >= 0;
}

void MainWindow::digiUpdate(CommunicationManager::DigiStatus status)
{
    using CM = CommunicationManager;
    const auto readyToStart = [this] {
        setButtonState(ui->buttonStart, programChosen(), true);
        setButtonState(ui->buttonStop, true, false);
    };
    switch (status) {
    case CM::DigiOk:
        if (currentStatus != CM::Running && !tempOutOfRange && ui->comboBoxPrograms->isEnabled())
            readyToStart();
        break;
    case CM::DigiAlarm:
        if (currentStatus != CM::Running && currentStatus != CM::StartRequested) {
            ui->buttonStart->setEnabled(false);
            ui->buttonStop->setEnabled(false);
        }
        break;
    case CM::DigiRunEnded:
        if (currentStatus == CM::Running) {
            readyToStart();
            currentStatus = CM::Idle;
            setRunControls(CM::Idle);
        }
        break;
    }
}

void MainWindow::programError(QString title, QString message)
{
    if (message.left(29) == QLatin1String(textAlreadyRunning)) {
        if (currentStatus == CommunicationManager::Running || !awaitingFirstRun)
            return;
        QMessageBox offer(QMessageBox::Question, tr(textControllerError),
                          tr("A program is already running.\nDo you want to start recording temperature?\n"
                             "Alert: The file that will be created afterwards won't contain the previous "
                             "temperatures."),
                          QMessageBox::Yes | QMessageBox::No);
        offer.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
        // A run that began while the offer was open is not adopted on top.
        if (offer.exec() == QMessageBox::Yes && awaitingFirstRun) {
            adoptingRun = true;
            on_programStatusChanged(CommunicationManager::Running, QString());
            adoptingRun = false;
        }
        return;
    }
    if (title != QLatin1String(textControllerError) || currentStatus != CommunicationManager::Running) {
        PlainMessageBox::show(this, QMessageBox::Warning, DigitalStatus::shown(title), DigitalStatus::shown(message));
        return;
    }
    // The controller ended the run with an error; the journal knows it
    // before the user is asked, in case no answer ever comes.
    digiUpdate(CommunicationManager::DigiRunEnded);
    completeRunRecord(QLatin1String(textStoppedByError));
    PlainMessageBox::show(this, QMessageBox::Warning, DigitalStatus::shown(title), DigitalStatus::shown(message));
    QMessageBox question(QMessageBox::Question, tr("Finished because of an error"),
                         tr("Do you want to save anyway?"), QMessageBox::Save | QMessageBox::Discard);
    question.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    const int answer = question.exec();
    if (answer == QMessageBox::Save) {
        endRun(QLatin1String(textStoppedByError), QMessageBox::Information, tr(textSuccess), tr(textProgramCancelled));
    } else if (answer == QMessageBox::Discard) {
        // No log, on purpose; the register still keeps the run.
        runRecord.status = QString::fromLatin1(RunJournal::discardedStatus);
        journal.recordFields(runRecord);
        journal.recordDiscarded();
        handOverJournal();
    } else {
        journal.close(); // unanswered, as when a restart quits: the next start saves it
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->setAccepted(ExitQuestion::confirm(this, currentStatus == CommunicationManager::Running));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (firstShow)
        return;
    firstShow = true;
    connect(communicationManager, &CommunicationManager::getTempData, this, &MainWindow::on_tempDataUpdated);
    connect(communicationManager, &CommunicationManager::gotProgramStatus, this,
            &MainWindow::on_programStatusChanged);
    connect(communicationManager, &CommunicationManager::gotInfo, this, &MainWindow::on_InfoReceived);
    connect(communicationManager, &CommunicationManager::programError, this, &MainWindow::programError);
    connect(communicationManager, &CommunicationManager::digiUpdate, this, &MainWindow::digiUpdate);
    communicationManager->startPolling();
    refreshPrograms();
}

void MainWindow::on_toolButtonSelectLogFile_clicked()
{
    selectLogFolder();
}

void MainWindow::on_toolButtonRefreshLogName_clicked()
{
    makeLogName();
}

void MainWindow::on_comboBoxPrograms_currentIndexChanged(QString)
{
    // A list arriving during a run must not part the log from its journal.
    if (currentStatus != CommunicationManager::Running)
        makeLogName();
}

void MainWindow::on_buttonRefleshPrograms_clicked()
{
    refreshPrograms();
}

void MainWindow::on_buttonRefleshProgramsEditTab_clicked()
{
    refreshPrograms();
}

void MainWindow::timerProg()
{
    if (currentStatus != CommunicationManager::Running)
        return;
    const qint64 ms = clock() - runStartMs;
    ui->labelRunningTime->setText(RunRecordFormat::elapsedKey(ms / 1000));
}

void MainWindow::applyLanguage(const QString &language)
{
    // Longer words of those languages have to fit the editor's buttons.
    QFont font = ui->pushButtonEdirProgramSave->font();
    if (language == QLatin1String("German")) {
        font.setPointSize(6);
        ui->pushButtonEdirProgramSave->setFont(font);
    } else if (language == QStringLiteral("Français")) {
        font.setPointSize(5);
        ui->pushButtonEdirProgramSave->setFont(font);
        ui->pushButtonEdirProgramReset->setFont(font);
    }
}

void MainWindow::showEditedProgram(bool modified)
{
    ui->listWidgetProgramSteps->clear();
    for (int n = 1; n <= editedSteps.size(); ++n) {
        auto *row = new QListWidgetItem(ui->listWidgetProgramSteps);
        row->setSizeHint(QSize(10, 45));
        auto *item = new ProgramStepItem;
        CommunicationManager::ProgramStep step = editedSteps.at(n - 1);
        step.number = n;
        item->setStep(step);
        ui->listWidgetProgramSteps->setItemWidget(row, item);
        connect(item, &ProgramStepItem::onEdit, this, &MainWindow::onProgramStepEditted);
        connect(item, &ProgramStepItem::onDelete, this, &MainWindow::onProgramStepDeleted);
    }
    profileChart.setPoints(ProgramProfile::points(editedSteps));

    ui->pushButtonAddAStep->setEnabled(editedSteps.size() < 14);
    ui->lineEditProgramName->setEnabled(true);
    if (!modified)
        ui->lineEditProgramName->setText(storedProgram().name);
    updateEditedState();
}

void MainWindow::setUrlOpener(std::function<void(const QUrl &)> opener)
{
    urlOpener = std::move(opener);
}

void MainWindow::on_comboBoxProgramsEditTab_currentIndexChanged(int index)
{
    if (index < 0 || index >= programs.size())
        return;
    if (editedProgramModified()) {
        // The chooser being set back after Cancel.
        if (editedIndex < 0) {
            editedIndex = -editedIndex;
            return;
        }
        const QMessageBox::StandardButton answer = askToSaveChanges();
        // A save's reread fills the tab again when its write ends.
        if (answer == QMessageBox::Save && saveEditedProgram())
            return;
        // Cancel, or a refused save: back to the edited program, edits kept.
        if (answer != QMessageBox::Discard) {
            const int previous = editedIndex - 1;
            editedIndex = -editedIndex;
            ui->comboBoxProgramsEditTab->setCurrentIndex(previous);
            return;
        }
    }
    editedIndex = index + 1;
    editedSteps = programs.at(index).steps;
    showEditedProgram(false);
}

void MainWindow::on_lineEditProgramName_textChanged(QString)
{
    updateEditedState();
}

void MainWindow::on_pushButtonAddAStep_clicked()
{
    EditPorgramStepDialog dialog;
    dialog.setMinutes(5);
    dialog.setTemperature(120.0);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CommunicationManager::ProgramStep step;
    step.minutes = dialog.minutes();
    step.temperature = dialog.temperature();
    editedSteps.append(step);
    showEditedProgram(true);
}

void MainWindow::onProgramStepEditted(CommunicationManager::ProgramStep step)
{
    if (step.number >= 1 && step.number <= editedSteps.size())
        editedSteps[step.number - 1] = step;
    showEditedProgram(true);
}

void MainWindow::onProgramStepDeleted(CommunicationManager::ProgramStep step)
{
    if (step.number >= 1 && step.number <= editedSteps.size())
        editedSteps.removeAt(step.number - 1);
    showEditedProgram(true);
}

void MainWindow::on_pushButtonEdirProgramReset_clicked()
{
    editedSteps = storedProgram().steps;
    showEditedProgram(false);
}

void MainWindow::on_pushButtonEdirProgramSave_clicked()
{
    saveEditedProgram();
}

void MainWindow::on_updateProgressBarGot(int step)
{
    if (saveProgress)
        saveProgress->setValue(step + 1);
}

void MainWindow::programUpdated(bool isSuccess, QString message)
{
    // Only the end of the write closes the dialog: with success after the
    // end record's acknowledgement, otherwise with the failure's message.
    if (saveProgress) {
        saveProgress->accept();
        saveProgress = nullptr;
    }
    cycleRegisterWriter->enterEvent(AuditEvents::programWrite(controllerSerial, writtenProgramNumber,
                                                              programBeforeWrite, programWritten, isSuccess,
                                                              isSuccess ? QString() : message));
    ui->labelProgramSaved->setText(
        isSuccess ? tr("Program %1 \"%2\" saved to the controller.").arg(writtenProgramNumber).arg(programWritten.name)
                  : QString());
    if (!isSuccess)
        showError(message);
    refreshPrograms();
}

bool MainWindow::editedProgramModified() const
{
    // Before the first read the form's SAVE means nothing.
    return editedIndex != 0 && ui->pushButtonEdirProgramSave->isEnabledTo(ui->tab_programs);
}

void MainWindow::updateEditedState()
{
    bool modified = false;
    if (editedIndex >= 1 && editedIndex <= programs.size()) {
        const CommunicationManager::Program &stored = storedProgram();
        const auto sameStep = [](const CommunicationManager::ProgramStep &a,
                                 const CommunicationManager::ProgramStep &b) {
            return a.minutes == b.minutes && a.temperature == b.temperature;
        };
        modified = ui->lineEditProgramName->text() != stored.name
            || !std::equal(editedSteps.begin(), editedSteps.end(), stored.steps.begin(), stored.steps.end(), sameStep);
    }
    ui->pushButtonEdirProgramSave->setEnabled(modified);
    ui->pushButtonEdirProgramReset->setEnabled(modified);
    if (modified) // the last save's word is about the stored program
        ui->labelProgramSaved->clear();
}

const CommunicationManager::Program &MainWindow::storedProgram() const
{
    return programs.at(editedIndex - 1);
}

QMessageBox::StandardButton MainWindow::askToSaveChanges()
{
    return QMessageBox::warning(this, tr(textApplicationTitle),
                                tr(textProgramModified) + QLatin1Char('\n') + tr(textSaveChanges),
                                QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
}

bool MainWindow::saveEditedProgram()
{
    if (editedSteps.isEmpty()) {
        QMessageBox::warning(this, tr(textNoStep), tr(textAtLeastOneStep), QMessageBox::Ok);
        return false;
    }
    if (editedSteps.last().temperature > 80.0) {
        QMessageBox::warning(this, tr(textInvalidProgram),
                             tr(textLastStepTemperature) + QLatin1Char('\n') + tr(textAddCoolingStep), QMessageBox::Ok);
        return false;
    }
    CommunicationManager::Program program = storedProgram();
    program.steps = editedSteps;
    program.name = ui->lineEditProgramName->text();
    // Refused here rather than by the device link, so that the edits stay
    // on the tab and nothing is sent.
    const QString refusal = ProgramMemory::encodeRefusal(program);
    if (!refusal.isEmpty()) {
        PlainMessageBox::show(this, QMessageBox::Warning, tr(textInvalidProgram), refusal);
        return false;
    }

    writtenProgramNumber = editedIndex;
    programBeforeWrite = storedProgram();
    programWritten = program;
    programs[editedIndex - 1] = program;
    ui->pushButtonEdirProgramSave->setEnabled(false);
    ui->pushButtonEdirProgramReset->setEnabled(false);

    // No cancel button: a write cannot be taken back halfway.
    QProgressDialog dialog(tr(textSaving), QString(), 0, 6, this);
    dialog.setWindowFlags((dialog.windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QString());
    // Wide enough for the title that the window system puts in its stead.
    dialog.setMinimumWidth(360);
    // Stays open at the maximum until the write has ended.
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setValue(0);
    dialog.installEventFilter(this);
    saveProgress = &dialog;
    connect(communicationManager, &CommunicationManager::updateProgressBar, this,
            &MainWindow::on_updateProgressBarGot);
    connect(communicationManager, &CommunicationManager::programUpdated, this, &MainWindow::programUpdated);
    communicationManager->writeProgram(program, 0);
    // Ended by programUpdated, unless the write ended during writeProgram;
    // also when the station quits meanwhile.
    if (saveProgress)
        dialog.exec();
    saveProgress = nullptr;
    disconnect(communicationManager, &CommunicationManager::updateProgressBar, this,
               &MainWindow::on_updateProgressBarGot);
    disconnect(communicationManager, &CommunicationManager::programUpdated, this, &MainWindow::programUpdated);
    return true;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Only the end of the write closes the save's progress dialog: Escape
    // and the window system's close request are not passed on to it.
    if (watched == saveProgress) {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::on_commandLinkButton_clicked()
{
    urlOpener(QUrl(QStringLiteral("mailto:?to=support@vaporin.example&subject=Question about Vaporin Regulon Software"),
                   QUrl::TolerantMode));
}

void MainWindow::on_commandLinkButton_2_clicked()
{
    urlOpener(QUrl(QStringLiteral("http://www.vaporin.example/de/support/downloads.htm"), QUrl::TolerantMode));
}

void MainWindow::on_commandLinkButton_3_clicked()
{
    urlOpener(QUrl(QStringLiteral("http://www.vaporin.example/de/autoklaven.htm"), QUrl::TolerantMode));
}
