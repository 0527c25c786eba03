// Takes pictures of the station's real windows, rendered offscreen while they
// talk to the in-process controller simulator over a pseudo-terminal, and
// saves them as PNG files for the documentation.
//   station-screenshots DIR [LANGUAGE]   (scripts/screenshots passes docs/images)
// With LANGUAGE ("German" or "Français", as the "Language" setting names
// them) only the device selection and the main window's pictures are taken,
// in that language.
//
// To add a picture, append a Shot to shots(): bring the windows into shape in
// prepare, say in ready when the live data has arrived, and name the widget.
//
// Then a whole run of the first program, with the station's clock as fast
// as the simulated chamber's, is entered into the register (the Home tab's
// picture with its verdict), released twice
// in the Records tab and reported: the tab's picture, and the first page of
// its cycle report rendered by pdftoppm (poppler-utils). The chamber is held
// 2 K above each step's temperature, as a real one. Then six labels of the
// released cycle on a half-used sheet, one pack scanned at the chair (the
// Packs view's picture) and the cycle recalled: its recall report. Last the
// records in their own window, and found by the load's lot.

#include "app/language.h"
#include "app/startwindow.h"
#include "app/stationsettings.h"
#include "device/communicationmanager.h"
#include "register/registerwriter.h"
#include "tests/isolateduser.h"
#include "tests/modalanswerer.h"
#include "tools/regulon-sim/regulonsim.h"
#include "ui/cyclelistmodel.h"
#include "ui/mainwindow.h"
#include "ui/packsview.h"
#include "ui/recordstab.h"
#include "ui/releasedialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The windows and the simulated controller they talk to.
struct Scene {
    RegulonSim sim;
    CommunicationManager manager;
    int temperatureSamples = 0;
    int cyclesEntered = 0; // runs the station has entered into its register
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<StartWindow> startWindow;

    template<typename T>
    T *find(QWidget *window, const char *name) const
    {
        T *child = window->findChild<T *>(QString::fromLatin1(name));
        if (!child)
            qFatal("no widget named %s", name);
        return child;
    }
};

struct Shot {
    const char *file;
    std::function<void(Scene &)> prepare;
    std::function<bool(Scene &)> ready; // polled until true
    std::function<QWidget *(Scene &)> widget;
};

std::vector<Shot> shots()
{
    return {
        {"startwindow.png",
         [](Scene &s) {
             s.startWindow = std::make_unique<StartWindow>(&s.manager);
             s.startWindow->show();
         },
         [](Scene &s) { return s.find<QAbstractButton>(s.startWindow.get(), "buttonConnect")->isEnabled(); },
         [](Scene &s) -> QWidget * { return s.startWindow.get(); }},
        {"mainwindow-home.png",
         [](Scene &s) {
             s.find<QAbstractButton>(s.startWindow.get(), "buttonConnect")->click();
             s.mainWindow->show();
         },
         [](Scene &s) {
             return s.temperatureSamples >= 2 && s.find<QComboBox>(s.mainWindow.get(), "comboBoxPrograms")->isEnabled();
         },
         [](Scene &s) -> QWidget * { return s.mainWindow.get(); }},
        {"mainwindow-about.png",
         [](Scene &s) {
             s.find<QTabWidget>(s.mainWindow.get(), "tabWidget")->setCurrentWidget(s.find<QWidget>(s.mainWindow.get(), "tab_test"));
         },
         [](Scene &) { return true; },
         [](Scene &s) -> QWidget * { return s.mainWindow.get(); }},
        {"mainwindow-programs.png",
         [](Scene &s) {
             s.find<QTabWidget>(s.mainWindow.get(), "tabWidget")->setCurrentIndex(1);
             s.find<QComboBox>(s.mainWindow.get(), "comboBoxProgramsEditTab")->setCurrentIndex(1);
         },
         [](Scene &s) { return s.find<QWidget>(s.mainWindow.get(), "lineEditProgramName")->isEnabled(); },
         [](Scene &s) -> QWidget * { return s.mainWindow.get(); }},
        // The first program a dozen seconds into its run: the chamber has
        // held the air-removal step and climbs to the sterilising one. The
        // start goes straight to the controller, as after a confirmed question.
        {"mainwindow-run.png",
         [](Scene &s) {
             s.find<QTabWidget>(s.mainWindow.get(), "tabWidget")->setCurrentIndex(0);
             s.find<QComboBox>(s.mainWindow.get(), "comboBoxPrograms")->setCurrentIndex(0);
             s.manager.startProgram(1);
         },
         [](Scene &s) { return s.find<QLabel>(s.mainWindow.get(), "labelRunningTime")->text() >= "00:00:12"; },
         [](Scene &s) -> QWidget * { return s.mainWindow.get(); }},
    };
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return true;
}

int fail(const char *message)
{
    std::fprintf(stderr, "station-screenshots: %s\n", message);
    return 1;
}

// Fills the chosen cycle's release form and saves it; true once stored.
// Chosen by value, so that the form may speak any language.
void choose(QComboBox *box, int value)
{
    box->setCurrentIndex(box->findData(value));
}

bool release(Scene &s, Release::Decision decision, Release::BiologicalIndicator biologicalIndicator, const QString &comment)
{
    RecordsTab *tab = s.mainWindow->records();
    bool stored = false;
    const QMetaObject::Connection done =
        QObject::connect(tab, &RecordsTab::releaseEntered, [&stored] { stored = true; });
    s.find<QPushButton>(tab, "pushButtonRelease")->click();
    auto *form = tab->findChild<ReleaseDialog *>();
    if (form) {
        s.find<QComboBox>(form, "comboBoxOperator")->setCurrentText(QStringLiteral("A. Meier"));
        s.find<QLineEdit>(form, "lineEditLoad")->setText(QStringLiteral("Tray 3: forceps, mirrors, probes"));
        s.find<QLineEdit>(form, "lineEditLot")->setText(QStringLiteral("LOT-4711"));
        choose(s.find<QComboBox>(form, "comboBoxChemicalIndicator"), int(Release::ChemicalIndicator::Passed));
        choose(s.find<QComboBox>(form, "comboBoxBiologicalIndicator"), int(biologicalIndicator));
        choose(s.find<QComboBox>(form, "comboBoxDecision"), int(decision));
        s.find<QPlainTextEdit>(form, "plainTextEditComment")->setPlainText(comment);
        s.find<QDialogButtonBox>(form, "buttons")->button(QDialogButtonBox::Save)->click();
        waitUntil([&] { return stored; }, 10000);
    }
    QObject::disconnect(done);
    return stored;
}

// The whole run, its entry, its releases and its report; see the top.
bool cycleReport(Scene &s, ModalAnswerer &answerer, const QDir &target, QString *error)
{
    // The run of the last picture, entered as the station enters every run.
    if (!waitUntil([&] { return s.cyclesEntered == 1; }, 120000)) {
        *error = QStringLiteral("the first run was never entered");
        return false;
    }
    // Ten times as fast, the station's clock too: the samples come about
    // every second of the chamber's time, as in a real run.
    constexpr int speed = 10;
    s.sim.setSpeed(speed);
    const qint64 base = QDateTime::currentMSecsSinceEpoch();
    s.mainWindow->setClock([base] { return base + (QDateTime::currentMSecsSinceEpoch() - base) * speed; });
    StationSettings().setClinicName(QStringLiteral("Dental Surgery Example"));
    // The chamber has cooled since, as between two loads.
    s.sim.setChamberTemperature(60.0);
    s.manager.startProgram(1);
    if (!waitUntil([&] { return s.cyclesEntered == 2; }, 300000)) {
        *error = QStringLiteral("the run was never entered");
        return false;
    }
    // The Home tab after the run: its verdict beside its curve.
    const QString verdict = target.filePath(QStringLiteral("mainwindow-verdict.png"));
    if (!waitUntil([&] { return s.find<QWidget>(s.mainWindow.get(), "frameVerdict")->isVisible(); }, 10000)
        || !s.mainWindow->grab().save(verdict)) {
        *error = QStringLiteral("no verdict shown, or cannot write ") + verdict;
        return false;
    }
    std::printf("%s\n", qPrintable(verdict));

    RecordsTab *tab = s.mainWindow->records();
    s.find<QTabWidget>(s.mainWindow.get(), "tabWidget")->setCurrentWidget(tab->parentWidget()); // its page
    waitUntil([&] { return tab->cycleList()->rowCount() == 2; }, 10000);
    s.find<QTableView>(tab, "tableViewCycles")->setCurrentIndex(tab->cycleList()->index(0, 0));
    waitUntil([&] { return tab->chosenCycle().has_value(); }, 10000);
    if (!release(s, Release::Decision::Quarantined, Release::BiologicalIndicator::Pending, QStringLiteral("BI incubating"))
        || !release(s, Release::Decision::Released, Release::BiologicalIndicator::Negative,
                    QStringLiteral("BI negative after 24 h"))) {
        *error = QStringLiteral("a release was not stored");
        return false;
    }
    waitUntil([&] { return tab->chosenCycle() && tab->chosenCycle()->latestRelease
                           && tab->cycleList()->at(0).latestRelease; },
              10000);
    waitUntil([] { return false; }, 300);
    const QString records = target.filePath(QStringLiteral("mainwindow-records.png"));
    if (!s.mainWindow->grab().save(records)) {
        *error = QStringLiteral("cannot write ") + records;
        return false;
    }
    std::printf("%s\n", qPrintable(records));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cycle-report.pdf"));
    answerer.handleDialogs([&](QWidget *dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(dialog))
            chooseFile(files, pdf);
        return true;
    });
    std::optional<QString> reported;
    QObject::connect(tab, &RecordsTab::reportFinished, [&](const QString &failure) { reported = failure; });
    s.find<QPushButton>(tab, "pushButtonSaveReport")->click();
    waitUntil([&] { return reported.has_value(); }, 30000);
    if (!reported || !reported->isEmpty()) {
        *error = QStringLiteral("the report was not written: ") + reported.value_or(QStringLiteral("no answer"));
        return false;
    }
    // The first page at a resolution that reads at the README's width.
    const QString page = target.filePath(QStringLiteral("cycle-report"));
    if (QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("96"),
                                                       QStringLiteral("-singlefile"), pdf, page})
        != 0) {
        *error = QStringLiteral("pdftoppm could not render the report");
        return false;
    }
    std::printf("%s.png\n", qPrintable(page));
    return true;
}

// The records in their own window at a desk's size, then found by the lot
// of the released load.
bool recordsWindow(Scene &s, const QDir &target, QString *error)
{
    RecordsTab *tab = s.mainWindow->records();
    // The cycles with their curve, whichever inner tab an earlier picture left open.
    s.find<QTabWidget>(tab, "tabWidgetRecords")->setCurrentIndex(0);
    s.find<QPushButton>(tab, "pushButtonOpenInWindow")->click();
    QWidget *window = tab->window();
    window->resize(1400, 820);
    const auto save = [&](const char *file) {
        waitUntil([] { return false; }, 300);
        const QString path = target.filePath(QString::fromLatin1(file));
        if (!window->grab().save(path)) {
            *error = QStringLiteral("cannot write ") + path;
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    };
    if (!save("records-window.png"))
        return false;
    auto *search = s.find<QLineEdit>(tab, "lineEditFilterText");
    search->setText(QStringLiteral("LOT-4711"));
    emit search->returnPressed();
    waitUntil([&] { return tab->cycleList()->rowCount() == 1 && tab->chosenCycle().has_value(); }, 10000);
    return save("records-search.png");
}

// A PDF's page as a picture, cut to a strip of it (all of it: height 0).
bool render(const QString &pdf, const QString &picture, int dpi, int top = 0, int height = 0)
{
    QStringList arguments{QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                          QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                          QStringLiteral("-l"), QStringLiteral("1")};
    if (height > 0)
        arguments << QStringLiteral("-y") << QString::number(top) << QStringLiteral("-H") << QString::number(height)
                  << QStringLiteral("-W") << QString::number(int(dpi * 210 / 25.4));
    if (QProcess::execute(QStringLiteral("pdftoppm"), arguments << pdf << picture) != 0)
        return false;
    std::printf("%s.png\n", qPrintable(picture));
    return true;
}

// The released cycle's six labels on a half-used A4 sheet, one of them
// scanned at the chair, then the cycle recalled and its recall report.
bool packsAndRecall(Scene &s, ModalAnswerer &answerer, const QDir &target, QString *error)
{
    RecordsTab *tab = s.mainWindow->records();
    PacksView *packs = tab->packsView();
    s.find<QTabWidget>(tab, "tabWidgetRecords")->setCurrentWidget(s.find<QScrollArea>(tab, "scrollAreaPacks"));
    QTemporaryDir dir;
    QString pdf;
    answerer.handleDialogs([&](QWidget *dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(dialog))
            chooseFile(files, pdf);
        return true;
    });
    std::optional<QString> done;
    QObject::connect(packs, &PacksView::labelsDone, [&](const QString &failure) { done = failure; });
    QObject::connect(packs, &PacksView::recallReportDone, [&](const QString &failure) { done = failure; });
    s.find<QSpinBox>(packs, "spinBoxPackCount")->setValue(6);
    auto *format = s.find<QComboBox>(packs, "comboBoxFormat");
    format->setCurrentIndex(format->findData(QStringLiteral("a4-65")));
    s.find<QSpinBox>(packs, "spinBoxFirstPosition")->setValue(12);
    pdf = dir.filePath(QStringLiteral("labels.pdf"));
    s.find<QPushButton>(packs, "pushButtonLabelsPdf")->click();
    waitUntil([&] { return done.has_value(); }, 30000);
    // The rows of the sheet that hold them: positions 12 to 17.
    if (!done || !done->isEmpty() || !render(pdf, target.filePath(QStringLiteral("label-sheet")), 150, 290, 260)) {
        *error = QStringLiteral("the labels were not written: ") + done.value_or(QStringLiteral("no answer"));
        return false;
    }

    bool used = false;
    QObject::connect(packs, &PacksView::useEntered, [&used] { used = true; });
    s.find<QLineEdit>(packs, "lineEditReference")->setText(QStringLiteral("K-2291"));
    s.find<QComboBox>(packs, "comboBoxOperator")->setCurrentText(QStringLiteral("A. Meier"));
    auto *code = s.find<QLineEdit>(packs, "lineEditCode");
    code->setText(QStringLiteral("RG100001-%1-03").arg(tab->chosenCycle()->cycleNumber, 4, 10, QLatin1Char('0')));
    emit code->returnPressed();
    waitUntil([&] { return used; }, 10000);
    waitUntil([] { return false; }, 300);
    const QString view = target.filePath(QStringLiteral("records-packs.png"));
    if (!used || !s.mainWindow->grab().save(view)) {
        *error = QStringLiteral("the use was not entered or not pictured");
        return false;
    }
    std::printf("%s\n", qPrintable(view));

    if (!release(s, Release::Decision::Recalled, Release::BiologicalIndicator::Positive, QStringLiteral("BI positive after 48 h"))) {
        *error = QStringLiteral("the recall was not stored");
        return false;
    }
    waitUntil([&] { return tab->chosenCycle()->latestRelease->decision == Release::Decision::Recalled; }, 10000);
    done.reset();
    pdf = dir.filePath(QStringLiteral("recall.pdf"));
    s.find<QPushButton>(packs, "pushButtonRecallReport")->click();
    waitUntil([&] { return done.has_value(); }, 30000);
    if (!done || !done->isEmpty() || !render(pdf, target.filePath(QStringLiteral("recall-report")), 96, 0, 560)) {
        *error = QStringLiteral("the recall report was not written: ") + done.value_or(QStringLiteral("no answer"));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings and log folder of a user of our own, so that the pictures
    // never depend on (or change) the settings of whoever runs this.
    IsolatedUser user;
    qputenv("USER", "meier"); // the user the register records, as on a clinic's computer
    QApplication app(argc, argv);
    // The offscreen platform's default type is larger than a desktop's; the
    // pictures should show the windows as a desktop does.
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    if (argc != 2 && argc != 3)
        return fail("usage: station-screenshots DIR [German|Français]");
    const Language::Choice language = argc == 3 ? Language::fromSetting(QString::fromLocal8Bit(argv[2])) : Language::English;
    if (argc == 3 && language == Language::English)
        return fail("the language is German or Français");
    // Before the first window: texts are translated as widgets are made.
    if (!Language::install(language))
        return fail("the language's catalogues cannot be loaded");
    StationSettings().setLanguage(Language::settingValue(language));
    const QDir target(QString::fromLocal8Bit(argv[1]));
    if (!target.exists() && !QDir().mkpath(target.path()))
        return fail("cannot create the target folder");

    const QString logs =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Vaporin/Protokolle");
    QDir().mkpath(logs);
    StationSettings().setLogFolder(logs);

    QTemporaryDir links;
    Scene scene;
    // Quick answers from the simulator, polled without pauses, as in the tests.
    SlaveThread::Timing timing = scene.manager.worker().timing();
    timing.answerGapMs = 50;
    timing.pollAnswerWaitMs = 500;
    timing.pollGapMs = 30;
    timing.pauseMs = 20;
    scene.manager.worker().setTiming(timing);
    if (!scene.sim.plugIn(links.filePath(QStringLiteral("regulon"))))
        return fail(qPrintable(scene.sim.errorString()));
    scene.sim.setSerialNumber(QStringLiteral("RG100001"));
    scene.sim.setSpeed(30);
    scene.sim.setChamberTemperature(96.0); // still warm from the last run
    scene.sim.setRegulationMargin(2.0);
    qputenv("REGULON_SERIAL_PORTS", QFile::encodeName(scene.sim.linkPath()));
    scene.manager.setRestartHandler([] { qFatal("the simulated controller was lost"); });
    QObject::connect(&scene.manager, &CommunicationManager::getTempData, [&scene] { ++scene.temperatureSamples; });
    scene.mainWindow = std::make_unique<MainWindow>(&scene.manager);
    QObject::connect(scene.mainWindow->registerWriter(), &RegisterWriter::cycleEntered,
                     [&scene] { ++scene.cyclesEntered; });
    ModalAnswerer answerer; // the runs' boxes, as a user who reads and closes them

    for (const Shot &shot : shots()) {
        shot.prepare(scene);
        if (!waitUntil([&] { return shot.ready(scene); }, 20000))
            return fail(qPrintable(QStringLiteral("%1: the windows never got ready").arg(shot.file)));
        // Lets animations (the thermometer's) come to rest.
        waitUntil([] { return false; }, 300);
        const QString path = target.filePath(QString::fromLatin1(shot.file));
        if (!shot.widget(scene)->grab().save(path))
            return fail(qPrintable(QStringLiteral("cannot write %1").arg(path)));
        std::printf("%s\n", qPrintable(path));
    }
    QString error;
    if (!cycleReport(scene, answerer, target, &error))
        return fail(qPrintable(error));
    // The README shows the packs and the records window in English only.
    if (language == Language::English && (!packsAndRecall(scene, answerer, target, &error) || !recordsWindow(scene, target, &error)))
        return fail(qPrintable(error));
    return 0;
}
