#pragma once

#include "app/recordssettings.h"
#include "register/cycleregister.h"
#include "register/registerreader.h"
#include "ui/cyclechart.h"

#include <QDate>
#include <QPageLayout>
#include <QDesktopServices>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class AuditTrailModel;
class BackupPanel;
class CycleListModel;
class PacksView;
class QPrinter;
class RecordsSettingsDialog;
class ReleaseDialog;
class VerificationDialog;

namespace Ui {
class RecordsTab;
}

// The Records view: the register's cycles, newest first, with their
// verdicts and releases, filtered by period, program, status, controller,
// free text, the current release's operator and decision, and whether they
// wait for release; the chosen cycle's fields and whole curve, its log's
// folder and details; its release form; CSV exports; cycle and period
// reports as PDF files or printed; the audit trail; and its settings. It
// reads through readers on threads of their own, so it stays usable during
// a run and never holds up the window, also not while a server is far away
// or gone; it writes nothing but releases and the audit events of its
// settings. It reads nothing until first shown but the number of cycles
// waiting for release.
//
// The station's window holds it in its Records tab (see RecordsPage), from
// where it can move into a window of its own (RecordsWindow) and back: one
// view, its filters, selection and open forms go with it. Its columns'
// widths are remembered.
//
// A central register on a server shows the cycles of every station, with
// the station that entered each. While the server cannot be reached, a
// line says since when and how much of this station's waits to be sent,
// and the tab shows the station's own register meanwhile.
class RecordsTab : public QWidget
{
    Q_OBJECT

public:
    struct Period {
        bool all = true;
        QDate from;
        QDate to; // included
    };

    // The register at location; for one on a server (or a location that
    // cannot be used), localPath is the station's own register file, shown
    // while the server is away.
    RecordsTab(const RegisterLocation &location, const QString &localPath, QWidget *parent = nullptr);
    // The register file.
    explicit RecordsTab(const QString &registerPath, QWidget *parent = nullptr);
    ~RecordsTab() override;

    // The register's filter for what the tab's filters say; the dates are
    // whole days of this computer's time zone.
    static CycleRegister::Filter filterFor(const Period &period, const QString &program, const QString &status,
                                           const QString &controller, const QString &text,
                                           bool waitingForRelease);
    // The line about a central register that has been unreachable since
    // then (on the day today), with items of this station waiting (-1:
    // unknown), while the tab shows the station's own register or not.
    static QString centralRegisterLine(const QDateTime &unreachableSince, int waiting, bool showingOwn,
                                       const QDate &today);

    // How a log's folder is opened; the desktop's file manager unless
    // replaced (tests look at the URL instead). False: it could not be.
    void setUrlOpener(std::function<bool(const QUrl &)> opener);
    // How a printer is chosen and set up for a report; the system's print
    // dialog unless replaced (tests print into a PDF file). False: cancelled.
    void setPrinterChooser(std::function<bool(QPrinter &)> chooser);

    // Whether "Open in window" shows; not where the view is in a window of
    // its own already.
    void setWindowButtonShown(bool shown);

    CycleListModel *cycleList() const { return cycles; }
    AuditTrailModel *auditTrail() const { return events; }
    // The backups of the register file; none for a register on a server.
    BackupPanel *backups() const { return backupPanel; }
    PacksView *packsView() const { return packs; }
    // The cycle shown with its samples, if one is.
    const std::optional<Cycle> &chosenCycle() const { return chosen; }

public slots:
    // A cycle was entered into the register: the lists and the filters'
    // choices show it, and what the user chose stays chosen.
    void cycleEntered();
    // An audit event was entered into the register: the audit trail shows it.
    void eventEntered();
    // What the station's sender last told (see RegisterSender::stateChanged).
    void outboxStateChanged(int waiting, const QDateTime &failingSince, const QString &reason);

signals:
    // The chosen cycle's fields and curve are shown.
    void cycleShown(qint64 id);
    // An export ended; error is empty when the file was written.
    void exportFinished(const QString &error);
    // A report was written or printed, or failed (error); ms: how long the
    // reader took, from the register to the last page.
    void reportFinished(const QString &error, qint64 ms);
    // The number of cycles that wait for release, read anew after every
    // entry and release; the window counts them in the tab's title.
    void waitingForReleaseCounted(int count);
    // A release of the cycle was stored.
    void releaseEntered(qint64 cycleId);
    // "Open in window" was pressed.
    void windowWanted();

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_checkBoxAllDates_toggled(bool all);
    void on_dateEditFrom_dateChanged(const QDate &date);
    void on_dateEditTo_dateChanged(const QDate &date);
    void on_comboBoxProgramFilter_currentIndexChanged(int index);
    void on_comboBoxStatusFilter_currentIndexChanged(int index);
    void on_comboBoxControllerFilter_currentIndexChanged(int index);
    void on_lineEditFilterText_textChanged(const QString &text);
    void on_lineEditFilterText_returnPressed();
    void on_pushButtonExportList_clicked();
    void on_pushButtonExportSamples_clicked();
    void on_pushButtonOpenLogFolder_clicked();
    void on_pushButtonCycleDetails_clicked();
    void on_checkBoxWaitingForRelease_toggled(bool waiting);
    void on_pushButtonRelease_clicked();
    void on_pushButtonSaveReport_clicked();
    void on_pushButtonPrintReport_clicked();
    void on_pushButtonPeriodReport_clicked();
    void on_pushButtonPrintPeriodReport_clicked();
    void on_pushButtonVerifyRegister_clicked();
    void on_comboBoxReleasedByFilter_currentIndexChanged(int index);
    void on_comboBoxDecisionFilter_currentIndexChanged(int index);
    void on_pushButtonSettings_clicked();

private:
    void applyFilter();
    void readChoices();
    void showChoices(const RegisterReader::Choices &choices);
    // The reader now reads the server or the station's own register.
    void sourceChanged(bool central, const QDateTime &unreachableSince, const QString &reason);
    void showCentralRegisterLine();
    void choose(const QModelIndex &current);
    // Chooses again the cycle chosen before a new search, if the list holds it.
    void chooseAgain();
    void showCycle(const std::optional<Cycle> &cycle);
    void showProblem(const QString &error);
    // How the last export or report went, or what it is doing.
    void showResult(const QString &text);
    // The file to save into, asked with a save dialog; empty: cancelled.
    QString askSaveFile(const QString &title, const QString &proposedName, const QString &filter,
                        const QString &suffix);
    void startExport(quint64 ticket);
    void readWaitingCount();
    void readNewestEvent();
    void releaseStored(quint64 ticket, const Release &release, const QString &error);
    void settingsEventStored(quint64 ticket, const QString &error);
    // The days of the filter's period, or none for all dates.
    std::pair<QDate, QDate> shownPeriod() const;
    // Writes the report into a PDF file or on a printer the user chose.
    void reportCycle(bool print);
    void reportPeriod(bool print);
    // Where the report called name goes: a PDF file the user names, or a
    // printer of that orientation the user sets up; nothing when cancelled.
    std::optional<RegisterReader::ReportOutput> chooseOutput(bool print, QPageLayout::Orientation orientation,
                                                             const QString &title, const QString &name);
    void startReport(quint64 ticket);
    void enableReports();

    std::unique_ptr<Ui::RecordsTab> ui;
    // Declared before the models, which use it, so that it outlives them.
    std::unique_ptr<RegisterReader> reader;
    // Counts and choices on a connection of their own: a count of a text
    // filter reads every entry, and the next filter's rows need not wait.
    std::unique_ptr<RegisterReader> tallies;
    // Reports too: a period report of years takes long, and the lists go on.
    std::unique_ptr<RegisterReader> reports;
    CycleListModel *cycles;
    PacksView *packs;
    AuditTrailModel *events;
    CycleChart chart;
    BackupPanel *backupPanel = nullptr;
    QTimer textDebounce;
    QTimer centralRetry; // while the station's own register is shown
    // Looks for what others entered: the newest audit event's ID (negative
    // until read).
    QTimer changeCheck;
    quint64 newestEventTicket = 0;
    qint64 newestEventId = -1;
    bool everShown = false;
    bool countWanted = false; // once the list's rows are in
    quint64 countTicket = 0;
    quint64 choicesTicket = 0;
    quint64 cycleTicket = 0;
    quint64 exportTicket = 0;
    quint64 waitingTicket = 0;
    quint64 reportTicket = 0;
    // The forms being saved, by the sink's ticket; a form may be closed
    // meanwhile.
    QHash<quint64, QPointer<ReleaseDialog>> savingForms;
    VerificationDialog *verification; // "Verify register...", kept with its last result
    // The settings whose change's event is being stored, with their form.
    QHash<quint64, std::pair<QPointer<RecordsSettingsDialog>, RecordsSettings>> savingSettings;
    QString exportFolder; // where the last export went
    // The central register: whether the tab reads it now, since when it
    // has been unreachable for the reader and for the sender, and why.
    const bool hasCentral; // a register on a server, or one that cannot be used
    bool readingCentral = true;
    QDateTime readerAwaySince;
    QString readerReason;
    int waiting = -1;
    QDateTime senderFailingSince;
    QString senderReason;
    std::optional<Cycle> chosen;
    qint64 chosenBeforeSearch = 0; // until the new search's rows are in
    std::function<bool(const QUrl &)> urlOpener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    std::function<bool(QPrinter &)> printerChooser;
};
