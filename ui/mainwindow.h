#pragma once

#include "device/communicationmanager.h"
#include "records/runjournal.h"
#include "ui/temperaturechart.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QProgressDialog;
class QPropertyAnimation;
class ReadingWatch;
class RecordsTab;
class RegisterWriter;
class VerdictBanner;

namespace Ui {
class MainWindow;
}

// The station's main window: live temperature, run control and log settings
// on the Home tab, the program editor on the Programs tab, the maker and
// version on the About tab. Created hidden before the device selection and
// wired to the device link when it is first shown.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The device link to use; the process-wide one when none is given.
    explicit MainWindow(CommunicationManager *manager = nullptr);
    ~MainWindow() override;

    // The Records tab; its cycleEntered() wants to hear of every new entry.
    RecordsTab *records() const { return recordsTab; }

    // The clock of the run's times (milliseconds since the epoch); the
    // system clock unless replaced, e.g. to play a long run in less time.
    void setClock(std::function<qint64()> msSinceEpoch);

    void makeLogName();
    void saveLogFolder();
    void selectLogFolder();
    // A critical box titled "Error" with the message.
    void showError(QString message);

    // Reads the programs from the controller into both program choosers.
    void refreshPrograms();
    // Empties and disables the program widgets while a read is under way.
    void clearProgramViews();

    // Reached from the device link's signals, connected at the first show.
    // They are plain functions so that the form's by-name connection does
    // not take them for slots of its widgets.
    void on_tempDataUpdated(CommunicationManager::TempData temp);
    void on_InfoReceived(CommunicationManager::Info info);
    void on_getVersionReceived(QString Version);
    void on_programsReceived(QList<CommunicationManager::Program> programs);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void on_toolButtonSelectLogFile_clicked();
    void on_toolButtonRefreshLogName_clicked();
    void on_comboBoxPrograms_currentIndexChanged(QString arg1);
    void on_buttonRefleshPrograms_clicked();
    void on_buttonRefleshProgramsEditTab_clicked();
    void timerProg();

private:
    void applyLanguage(const QString &language);

    std::unique_ptr<Ui::MainWindow> ui;
    RecordsTab *recordsTab = nullptr; // owned by its page in the tab widget, or its window
    TemperatureChart liveChart;
    TemperatureChart profileChart;
    QString logFolder;
    CommunicationManager *communicationManager;
    QList<CommunicationManager::Program> programs; // of the last successful read
    bool tempOutOfRange = false;
    const QString softwareVersion = QStringLiteral("3.0.1");
    QString deviceVersion = QStringLiteral("Unknown");

    // The window's view of the run and the record of the current run; one
    // window exists per process.
    CommunicationManager::ProgramStatus currentStatus = CommunicationManager::Idle;
    qint64 runStartMs = 0;
    std::function<qint64()> clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
    CommunicationManager::Program runRecord;
    bool firstShow = false; // set once the first show has wired the signals

    // Moves the thermometer to each new sample; one object for all samples.
    QPropertyAnimation *temperatureAnimation = nullptr;
    ReadingWatch *readingWatch = nullptr; // greys the thermometer while no reading comes
    VerdictBanner *verdictBanner = nullptr; // the last run's verdict, beside its curve

    // Run control: starting and stopping a program, following its status
    // reports and recording the run until its log is saved.
public:
    void askStartProgram();
    void askStopProgram();
    // The Home tab's controls (and the Programs tab) for a run status.
    void setRunControls(int status);
    // Completes the run record and writes its log into the log folder. When
    // that fails the user is told why and may save it elsewhere, as often as
    // needed. Returns the name to announce as "Saved to <name>.txt" (the log
    // name, or the full path of a file saved elsewhere); nothing when the
    // log was not saved, which the user has then been told.
    std::optional<QString> saveRunRecord(QString result);
    // Saves the runs that a crash or power cut interrupted (their journals)
    // as run logs, telling the user each file name, and hands them and the
    // runs logged but not yet in the register to the register writer.
    void recoverInterruptedRuns();

    // The controller the device selection connected to; later identity
    // answers replace it. The register's program write events name it.
    void setControllerSerial(const QString &serial);
    // Enters the runs and program writes into the cycle register; its
    // cycleEntered() tells of every new entry.
    RegisterWriter *registerWriter() const { return cycleRegisterWriter.get(); }

    // Reached from the device link (connected at the first show); the window
    // also calls them itself.
    void on_programStatusChanged(CommunicationManager::ProgramStatus status, QString message);
    void programError(QString title, QString message);
    void digiUpdate(CommunicationManager::DigiStatus status);

private slots:
    void on_buttonStart_clicked();
    void on_buttonStop_clicked();

private:
    // The steps of a run: its start, each sample, its end. The window is
    // idle before the record is saved, so nothing arriving while a box is
    // open is recorded or ends the run twice.
    void beginRun();
    void recordSample(float celsius);
    // Gives the run record its result, versions and finish time, also in
    // the journal.
    void completeRunRecord(const QString &result);
    // Closes the journal of a run whose end is settled and hands it to the
    // register writer, which deletes it once the run is entered.
    void handOverJournal();
    // Whether the program chooser shows a program to start.
    bool programChosen() const;
    void endRun(const QString &result, QMessageBox::Icon icon, const QString &title, const QString &savedText,
                const QString &unsavedText = QString());

    bool awaitingFirstRun = true; // no run start has been processed yet
    bool adoptingRun = false; // while a run the controller began is adopted
    QString controllerSerial;
    // The program editor of the Programs tab and the links of the About tab.
public:
    // Rebuilds the Programs tab from editedSteps and editedIndex. Unless
    // modified, the name field shows the stored program's name. SAVE and
    // RESET are enabled exactly while name or steps differ from the stored
    // program.
    void showEditedProgram(bool modified);
    // How the About tab's links are opened; the desktop's handlers unless
    // replaced (tests look at the links instead).
    void setUrlOpener(std::function<void(const QUrl &)> opener);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void on_comboBoxProgramsEditTab_currentIndexChanged(int index);
    void on_lineEditProgramName_textChanged(QString arg1);
    void on_pushButtonAddAStep_clicked();
    void on_pushButtonEdirProgramReset_clicked();
    void on_pushButtonEdirProgramSave_clicked();
    void on_commandLinkButton_clicked();
    void on_commandLinkButton_2_clicked();
    void on_commandLinkButton_3_clicked();

private:
    // Connected explicitly, as plain functions like the device link's above.
    void onProgramStepEditted(CommunicationManager::ProgramStep step);
    void onProgramStepDeleted(CommunicationManager::ProgramStep step);
    void on_updateProgressBarGot(int step);
    // The end of a save's write: reports a failure, then rereads the
    // programs so that the tab shows what the controller holds.
    void programUpdated(bool isSuccess, QString message);

    // The program on the Programs tab counts as modified while SAVE is
    // enabled (also while the tab itself is disabled).
    bool editedProgramModified() const;
    void updateEditedState();
    const CommunicationManager::Program &storedProgram() const;
    QMessageBox::StandardButton askToSaveChanges();
    // Checks the edited program and writes it, with the progress dialog open
    // until the write has ended. False, after a warning, when it is refused.
    bool saveEditedProgram();

    QList<CommunicationManager::ProgramStep> editedSteps;
    int editedIndex = 0; // 1-based; negated while a chooser change is undone
    QProgressDialog *saveProgress = nullptr; // while a save's write runs
    // The program being written, as stored before, for the write's audit event.
    int writtenProgramNumber = 0;
    CommunicationManager::Program programBeforeWrite;
    CommunicationManager::Program programWritten;
    std::function<void(const QUrl &)> urlOpener = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    // The current run's record as it grows, kept until its log is saved.
    RunJournal journal;
    // Outlives the destructor's save of a run still going, which it enters.
    std::unique_ptr<RegisterWriter> cycleRegisterWriter;
};
