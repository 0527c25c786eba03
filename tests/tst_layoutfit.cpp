#include "app/language.h"
#include "app/recordssettings.h"
#include "app/startwindow.h"
#include "app/stationsettings.h"
#include "register/cycleregister.h"
#include "register/registerreader.h"
#include "tests/childwidget.h"
#include "tests/isolateduser.h"
#include "tests/registertestdata.h"
#include "tests/simulatedlink.h"
#include "ui/cycledetailsdialog.h"
#include "ui/cyclelistmodel.h"
#include "ui/editporgramstepdialog.h"
#include "ui/mainwindow.h"
#include "ui/operatorsdialog.h"
#include "ui/recordssettingsdialog.h"
#include "ui/recordstab.h"
#include "ui/recordswindow.h"
#include "ui/releasehistorymodel.h"
#include "ui/releasedialog.h"
#include "ui/verificationdialog.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace {

// The widget's object name, or for one without (a table's header) the
// nearest named one it is in.
QString nameOf(const QWidget &widget)
{
    if (!widget.objectName().isEmpty())
        return widget.objectName();
    for (const QWidget *w = widget.parentWidget(); w; w = w->parentWidget())
        if (!w->objectName().isEmpty())
            return QStringLiteral("in ") + w->objectName();
    return QString();
}

// What a widget's text needs and what it has, in pixels; a problem when the
// text needs more.
QString cut(const QWidget &widget, const QString &text, int needs, int has, const char *what = "wide")
{
    return QStringLiteral("%1 %2 \"%3\" needs %4 px %5, has %6 px")
        .arg(QLatin1String(widget.metaObject()->className()), nameOf(widget), text)
        .arg(needs)
        .arg(QLatin1String(what))
        .arg(has);
}

// The part of the widget's width its window shows: parents clip what sticks
// out of them (the main window places its widgets at fixed positions), but
// not the contents of a scroll area that scrolls sideways.
int shownWidth(const QWidget &widget)
{
    QRect shown = widget.rect();
    for (const QWidget *parent = widget.parentWidget(); parent; parent = parent->parentWidget()) {
        const auto *area = qobject_cast<const QAbstractScrollArea *>(parent->parentWidget());
        if (area && area->viewport() == parent && area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            break;
        shown &= parent->rect().translated(-widget.mapTo(parent, QPoint()));
        if (parent->isWindow())
            break;
    }
    return shown.width();
}

// The height of the plain label's ink (its letters from the top of the
// first line to the bottom of the last) when the label's height cuts some
// off, else 0: a line may be lower than the font's height as long as its
// letters show.
int inkHeight(const QLabel &label, const QString &text, int block)
{
    const QFontMetrics metrics = label.fontMetrics();
    const int height = label.contentsRect().height() - 2 * label.margin();
    const Qt::Alignment vertical = label.alignment() & Qt::AlignVertical_Mask;
    const int top = vertical & Qt::AlignTop ? 0 : vertical & Qt::AlignBottom ? height - block : (height - block) / 2;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const int inkTop = top + metrics.ascent() + metrics.tightBoundingRect(lines.first()).top();
    const int inkBottom = top + block - metrics.height() + metrics.ascent() + metrics.tightBoundingRect(lines.last()).bottom();
    return qMax(-inkTop, inkBottom - height) > 0 ? inkBottom - inkTop + 1 : 0;
}

QString labelProblem(const QLabel &label)
{
    const QString text = label.text();
    if (text.isEmpty() || !label.pixmap(Qt::ReturnByValue).isNull())
        return QString();
    const int margins = 2 * label.margin() + (label.indent() > 0 ? label.indent() : 0)
        + (label.indent() < 0 && label.frameWidth() > 0 ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0);
    const int width = qMin(label.contentsRect().width(), shownWidth(label)) - margins;
    const bool rich = label.textFormat() == Qt::RichText
        || (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    if (rich) {
        // As the label lays it out: a document without margins.
        QTextDocument document;
        document.setDefaultFont(label.font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label.wordWrap())
            document.setTextWidth(width);
        const int needs = qCeil(document.idealWidth());
        if (needs > width)
            return cut(label, text, needs, width);
    } else {
        const int flags = Qt::TextExpandTabs | (label.buddy() ? Qt::TextShowMnemonic : 0)
            | (label.wordWrap() ? Qt::TextWordWrap : 0);
        // A word longer than the line sticks out of a wrapped label too.
        const QRect needs = label.fontMetrics().boundingRect(0, 0, label.wordWrap() ? width : 2000, 2000, flags, text);
        if (needs.width() > width)
            return cut(label, text, needs.width(), width);
        if (!label.wordWrap()) {
            const int ink = inkHeight(label, text, needs.height());
            if (ink > 0)
                return cut(label, text, ink, label.contentsRect().height() - 2 * label.margin(), "high");
        }
    }
    if (label.wordWrap() && label.heightForWidth(label.width()) > label.height())
        return cut(label, text, label.heightForWidth(label.width()), label.height(), "high");
    return QString();
}

// The text's width as a button shows it: '&' marks the shortcut.
int textWidth(const QWidget &widget, const QString &text)
{
    return widget.fontMetrics().size(Qt::TextShowMnemonic, text).width();
}

QString buttonProblem(const QAbstractButton &button)
{
    const QString text = button.text();
    if (text.isEmpty())
        return QString();
    const int shown = shownWidth(button);
    if (shown < button.width())
        return cut(button, text, button.width(), shown);
    if (qobject_cast<const QCommandLinkButton *>(&button)) {
        // Its description wraps; the title does not.
        const QWidget &link = button;
        if (link.heightForWidth(link.width()) > link.height())
            return cut(button, text, link.heightForWidth(link.width()), link.height(), "high");
        return QString();
    }
    if (auto *tool = qobject_cast<const QToolButton *>(&button)) {
        if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly && tool->sizeHint().width() > tool->width())
            return cut(button, text, tool->sizeHint().width(), tool->width());
        return QString();
    }
    // The room the style leaves the text; a push button's size hint would
    // ask for more than its text needs (a minimum width of its own).
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = text;
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(&button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(&button))
        contents = QStyle::SE_RadioButtonContents;
    const int has = button.style()->subElementRect(contents, &option, &button).width();
    const int icon = contents == QStyle::SE_PushButtonContents && !button.icon().isNull() ? button.iconSize().width() + 4 : 0;
    const int needs = textWidth(button, text) + icon;
    return needs > has ? cut(button, text, needs, has) : QString();
}

QString groupBoxProblem(const QGroupBox &box)
{
    if (box.title().isEmpty())
        return QString();
    // Its minimum size holds its title and the least its contents take.
    const int needs = box.minimumSizeHint().width();
    const int has = qMin(box.width(), shownWidth(box));
    return needs > has ? cut(box, box.title(), needs, has) : QString();
}

// The size a tab's text and icon ask for is only the tab bar's own business.
struct TabSizes : QTabBar {
    using QTabBar::tabSizeHint;
};

QStringList tabBarProblems(const QTabBar &bar)
{
    const auto &sizes = static_cast<const TabSizes &>(bar);
    QStringList problems;
    const int shown = shownWidth(bar);
    for (int i = 0; i < bar.count(); ++i) {
        const QRect tab = bar.tabRect(i);
        if (tab.width() < sizes.tabSizeHint(i).width())
            problems << cut(bar, bar.tabText(i), sizes.tabSizeHint(i).width(), tab.width());
        else if (tab.right() >= shown)
            problems << cut(bar, bar.tabText(i), tab.right() + 1, shown, "from the bar's left");
    }
    return problems;
}

QStringList headerProblems(const QHeaderView &header)
{
    QStringList problems;
    if (!header.model() || header.isHidden())
        return problems;
    for (int i = 0; i < header.count(); ++i) {
        if (header.isSectionHidden(i))
            continue;
        const QString text = header.model()->headerData(i, header.orientation()).toString();
        if (!text.isEmpty() && header.sectionSizeHint(i) > header.sectionSize(i))
            problems << cut(header, text, header.sectionSizeHint(i), header.sectionSize(i));
    }
    return problems;
}

QStringList comboBoxProblems(const QComboBox &box)
{
    QStringList problems;
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    // An editable box's line edit keeps two pixels off each side.
    const int has = qMin(box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box).width(),
                         shownWidth(box))
        - (box.isEditable() ? 4 : 0);
    for (int i = 0; i < box.count(); ++i) {
        const int icon = box.itemIcon(i).isNull() ? 0 : box.iconSize().width() + 4;
        const int needs = box.fontMetrics().horizontalAdvance(box.itemText(i)) + icon;
        if (needs > has)
            problems << cut(box, box.itemText(i), needs, has);
    }
    // What is typed into (or proposed in) an editable one, if no item.
    if (box.isEditable() && box.findText(box.currentText()) < 0
        && box.fontMetrics().horizontalAdvance(box.currentText()) > has)
        problems << cut(box, box.currentText(), box.fontMetrics().horizontalAdvance(box.currentText()), has);
    return problems;
}

QString lineEditProblem(const QLineEdit &edit)
{
    const QString hint = edit.placeholderText();
    if (hint.isEmpty() || !edit.text().isEmpty())
        return QString();
    // Where the line edit draws its text: inside its frame, two pixels off
    // each side.
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const int has = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit).width()
        - edit.textMargins().left() - edit.textMargins().right() - 4;
    const int needs = edit.fontMetrics().horizontalAdvance(hint);
    return needs > has ? cut(edit, hint, needs, has) : QString();
}

// A spin box's or date edit's text with its suffix (a unit, longer in
// some languages) beside its arrows.
QString spinBoxProblem(const QAbstractSpinBox &box)
{
    QStyleOptionSpinBox option;
    option.initFrom(&box);
    option.buttonSymbols = box.buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    option.frame = box.hasFrame();
    const int has = qMin(box.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, &box).width(),
                         shownWidth(box))
        - 4;
    const int needs = box.fontMetrics().horizontalAdvance(box.text());
    return needs > has ? cut(box, box.text(), needs, has) : QString();
}

// Every text the window shows that does not fit where it is shown.
QStringList clippedTexts(QWidget &window)
{
    QStringList problems;
    const auto add = [&problems](const QString &problem) {
        if (!problem.isEmpty())
            problems << problem;
    };
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(labelProblem(*label));
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(buttonProblem(*button));
        else if (auto *box = qobject_cast<QGroupBox *>(widget))
            add(groupBoxProblem(*box));
        else if (auto *bar = qobject_cast<QTabBar *>(widget))
            problems << tabBarProblems(*bar);
        else if (auto *header = qobject_cast<QHeaderView *>(widget))
            problems << headerProblems(*header);
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            problems << comboBoxProblems(*combo);
        else if (auto *edit = qobject_cast<QLineEdit *>(widget))
            add(lineEditProblem(*edit));
        else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
            add(spinBoxProblem(*spin));
    }
    return problems;
}

} // namespace

Q_DECLARE_METATYPE(Language::Choice)

class TestLayoutFit : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<SimulatedLink> link;
    Cycle released; // a released cycle with its verdict, as the register holds it
    std::unique_ptr<RegisterReader> reader;
    // The windows of the language shown; the main window is made once for
    // all of its tabs.
    std::optional<Language::Choice> shownLanguage;
    std::unique_ptr<MainWindow> station;
    std::unique_ptr<QWidget> window;

    QString registerPath() const { return dir.filePath(QStringLiteral("register.sqlite")); }

    // A station set up afresh in that language: nothing of another
    // language's windows (such as column widths) is kept.
    void setUpStation(Language::Choice language)
    {
        StationSettings settings;
        settings.clear();
        settings.setRegisterPath(registerPath());
        settings.setLogFolder(dir.filePath(QStringLiteral("logs")));
        settings.setLanguage(Language::settingValue(language));
    }

    // The station's window with the cycle chosen on the Records tab.
    MainWindow &mainWindow()
    {
        if (station)
            return *station;
        station = std::make_unique<MainWindow>(&link->manager);
        station->show();
        auto *programs = ::child<QComboBox>(*station, "comboBoxPrograms");
        if (!QTest::qWaitFor([&] { return programs->count() == 6 && programs->isEnabled(); }, 10000))
            qWarning("the programs were not read");
        RecordsTab &records = *station->records();
        auto *tabs = ::child<QTabWidget>(*station, "tabWidget");
        tabs->setCurrentWidget(records.parentWidget());
        chooseCycle(records);
        return *station;
    }

    static void chooseCycle(RecordsTab &records)
    {
        if (!QTest::qWaitFor([&] { return records.cycleList()->rowCount() > 0; }, 10000))
            qWarning("the cycle list stayed empty");
        QSignalSpy shown(&records, &RecordsTab::cycleShown);
        ::child<QTableView>(records, "tableViewCycles")->setCurrentIndex(records.cycleList()->index(0, 0));
        shown.wait(10000);
    }

    // Shows the main window's tab at that index, and in the Records tab its
    // own tab at recordsIndex.
    QWidget *mainTab(int index, int recordsIndex = 0)
    {
        MainWindow &w = mainWindow();
        // Back into the tab from a window of their own.
        if (auto *back = w.findChild<QPushButton *>(QStringLiteral("pushButtonRecordsBack")); back && back->isVisible())
            back->click();
        ::child<QTabWidget>(w, "tabWidget")->setCurrentIndex(index);
        ::child<QTabWidget>(*w.records(), "tabWidgetRecords")->setCurrentIndex(recordsIndex);
        return &w;
    }

    // A window of its own, shown at the size it takes.
    QWidget *own(QWidget *made)
    {
        window.reset(made);
        window->show();
        return window.get();
    }

    using Opener = std::function<QWidget *(TestLayoutFit &)>;
    static const QVector<std::pair<QString, Opener>> &windows()
    {
        static const QVector<std::pair<QString, Opener>> list{
            {QStringLiteral("main window, Home"), [](TestLayoutFit &t) { return t.mainTab(0); }},
            {QStringLiteral("main window, Programs"), [](TestLayoutFit &t) { return t.mainTab(1); }},
            // Verified from the Records tab: the dialog's result, and the
            // tab's line about it in the rows below.
            {QStringLiteral("verification, verified"), [](TestLayoutFit &t) -> QWidget * {
                 RecordsTab &records = *t.mainWindow().records();
                 ::child<QPushButton>(records, "pushButtonVerifyRegister")->click();
                 auto *dialog = records.findChild<VerificationDialog *>();
                 if (!QTest::qWaitFor([&] { return !dialog->isRunning() && dialog->summary(); }, 10000))
                     qWarning("the verification did not end");
                 return dialog;
             }},
            {QStringLiteral("main window, Records, Cycles"), [](TestLayoutFit &t) { return t.mainTab(2, 0); }},
            {QStringLiteral("main window, Records, Audit trail"), [](TestLayoutFit &t) { return t.mainTab(2, 1); }},
            {QStringLiteral("main window, Records, Packs"), [](TestLayoutFit &t) { return t.mainTab(2, 2); }},
            {QStringLiteral("main window, Records in a window of their own"), [](TestLayoutFit &t) {
                 QWidget *w = t.mainTab(2);
                 ::child<QPushButton>(*t.station->records(), "pushButtonOpenInWindow")->click();
                 return w;
             }},
            {QStringLiteral("main window, About"), [](TestLayoutFit &t) { return t.mainTab(3); }},
            {QStringLiteral("device selection"), [](TestLayoutFit &t) {
                 // No controller found: the longest of its texts shows.
                 return t.own(new StartWindow(&t.link->manager));
             }},
            {QStringLiteral("program step"), [](TestLayoutFit &t) { return t.own(new EditPorgramStepDialog); }},
            {QStringLiteral("records window"), [](TestLayoutFit &t) {
                 auto *records = new RecordsTab(t.registerPath());
                 auto *w = new RecordsWindow(records);
                 // The window's first size on a 1280 x 800 screen.
                 w->resize(1088, 680);
                 t.own(w);
                 chooseCycle(*records);
                 return w;
             }},
            {QStringLiteral("release"), [](TestLayoutFit &t) {
                 return t.own(new ReleaseDialog(t.released, QStringLiteral("A. Meier")));
             }},
            {QStringLiteral("cycle details"), [](TestLayoutFit &t) {
                 auto *dialog = new CycleDetailsDialog(t.released, t.reader.get());
                 QSignalSpy read(dialog->findChild<ReleaseHistoryModel *>(), &ReleaseHistoryModel::historyRead);
                 t.own(dialog);
                 read.wait(10000);
                 return dialog;
             }},
            {QStringLiteral("verification"), [](TestLayoutFit &t) {
                 return t.own(new VerificationDialog(StationSettings().registerLocation()));
             }},
            {QStringLiteral("records settings"), [](TestLayoutFit &t) {
                 return t.own(new RecordsSettingsDialog(RecordsSettings::read(StationSettings())));
             }},
            {QStringLiteral("operators"), [](TestLayoutFit &t) {
                 auto *dialog = new OperatorsDialog(t.reader.get());
                 QSignalSpy shown(dialog, &OperatorsDialog::accountsShown);
                 t.own(dialog);
                 shown.wait(10000);
                 return dialog;
             }},
        };
        return list;
    }

private slots:
    void initTestCase()
    {
        QVector<Cycle> cycles{RegisterTestData::cycleAt("RG-A", 1, "2024-03-01T08:00:00", 70),
                              RegisterTestData::cycleAt("RG-A", 2, "2024-03-02T08:00:00")};
        {
            CycleRegister store(QStringLiteral("writer"));
            QVERIFY2(store.open(registerPath()), qPrintable(store.errorString()));
            store.setVerdictBand({0.5, 3.0});
            QVERIFY(RegisterTestData::enter(store, cycles));
            Release release;
            release.cycleId = cycles[0].id;
            release.operatorName = QStringLiteral("A. Meier");
            release.lot = QStringLiteral("L-2024-031");
            release.chemicalIndicator = Release::ChemicalIndicator::Passed;
            release.biologicalIndicator = Release::BiologicalIndicator::Pending;
            release.decision = Release::Decision::Released;
            QVERIFY2(store.enterRelease(release), qPrintable(store.errorString()));
            released = store.cycle(cycles[0].id).value();
        }
        QDir().mkpath(dir.filePath(QStringLiteral("logs")));
        reader = std::make_unique<RegisterReader>(registerPath());
        link = std::make_unique<SimulatedLink>();
        QVERIFY(link->plugIn(QStringLiteral("regulon"), QStringLiteral("12345678")));
        link->manager.changePort(link->port(QStringLiteral("regulon")));
    }

    void cleanupTestCase()
    {
        window.reset();
        station.reset();
        reader.reset();
        link.reset();
        Language::install(Language::English);
    }

    // The checks themselves: a widget of that kind, text and size in a
    // window, fitting or not.
    void checksFindCutTexts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("fits");
        const QString longText = QStringLiteral("A text far too long for a small widget");
        QTest::newRow("label") << "label" << longText << QSize(600, 40) << true;
        QTest::newRow("label too narrow") << "label" << longText << QSize(60, 40) << false;
        QTest::newRow("label too low") << "label" << longText << QSize(600, 6) << false;
        QTest::newRow("wrapped label") << "wrapped" << longText << QSize(120, 200) << true;
        QTest::newRow("wrapped label too low") << "wrapped" << longText << QSize(120, 30) << false;
        QTest::newRow("rich label too narrow") << "rich" << QString("<b>%1</b>").arg(longText) << QSize(60, 40) << false;
        QTest::newRow("button") << "button" << QStringLiteral("&Save") << QSize(120, 40) << true;
        QTest::newRow("button too narrow") << "button" << longText << QSize(80, 40) << false;
        QTest::newRow("check box too narrow") << "check" << longText << QSize(80, 40) << false;
        QTest::newRow("combo box too narrow") << "combo" << longText << QSize(80, 40) << false;
        QTest::newRow("text typed into a combo box") << "typed" << longText << QSize(120, 40) << false;
        QTest::newRow("example text too long") << "edit" << longText << QSize(80, 40) << false;
        QTest::newRow("spin box's unit cut off") << "spin" << QStringLiteral(" minutes of holding time") << QSize(90, 40) << false;
        QTest::newRow("spin box") << "spin" << QStringLiteral(" min") << QSize(120, 40) << true;
        QTest::newRow("sticks out of its parent") << "outside" << QStringLiteral("OK") << QSize(120, 40) << false;
    }
    void checksFindCutTexts()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(bool, fits);
        QWidget window;
        window.resize(700, 300);
        QWidget *widget = nullptr;
        if (kind == QLatin1String("label") || kind == QLatin1String("wrapped") || kind == QLatin1String("rich")) {
            auto *label = new QLabel(text, &window);
            label->setWordWrap(kind == QLatin1String("wrapped"));
            widget = label;
        } else if (kind == QLatin1String("button") || kind == QLatin1String("outside")) {
            widget = new QPushButton(text, &window);
        } else if (kind == QLatin1String("spin")) {
            auto *box = new QSpinBox(&window);
            box->setRange(0, 120);
            box->setValue(20);
            box->setSuffix(text);
            widget = box;
        } else if (kind == QLatin1String("check")) {
            widget = new QCheckBox(text, &window);
        } else if (kind == QLatin1String("combo") || kind == QLatin1String("typed")) {
            auto *box = new QComboBox(&window);
            box->setEditable(kind == QLatin1String("typed"));
            box->addItem(QStringLiteral("OK"));
            if (box->isEditable())
                box->setCurrentText(text);
            else
                box->addItem(text);
            widget = box;
        } else {
            auto *edit = new QLineEdit(&window);
            edit->setPlaceholderText(text);
            widget = edit;
        }
        widget->setObjectName(QStringLiteral("probe"));
        widget->setGeometry(QRect(kind == QLatin1String("outside") ? QPoint(650, 10) : QPoint(10, 10), size));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList problems = clippedTexts(window);
        QVERIFY2(problems.isEmpty() == fits, qPrintable(problems.join('\n')));
        if (!fits)
            QVERIFY2(problems.first().contains(QStringLiteral("probe")), qPrintable(problems.first()));
    }

    // Every text of every window, tab and dialog fits its widget in each
    // language, at the sizes the station gives them.
    void textsFit_data()
    {
        QTest::addColumn<Language::Choice>("language");
        QTest::addColumn<int>("windowIndex");
        for (const Language::Choice language : {Language::English, Language::German, Language::French})
            for (int i = 0; i < windows().size(); ++i)
                QTest::addRow("%s: %s", qPrintable(Language::nativeName(language)), qPrintable(windows()[i].first))
                    << language << i;
    }

    void textsFit()
    {
        QFETCH(Language::Choice, language);
        QFETCH(int, windowIndex);
        window.reset();
        if (shownLanguage != language) {
            // Texts are translated as widgets are made: a new language needs new windows.
            station.reset();
            QVERIFY(Language::install(language));
            setUpStation(language);
            shownLanguage = language;
        }
        QWidget *shown = windows()[windowIndex].second(*this);
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
        // A picture of each window to look at, in the folder named.
        if (const QString pictures = qEnvironmentVariable("LAYOUTFIT_PICTURES"); !pictures.isEmpty())
            shown->grab().save(QDir(pictures).filePath(QString::fromUtf8(QTest::currentDataTag()) + QStringLiteral(".png")));
        const QStringList problems = clippedTexts(*shown);
        QVERIFY2(problems.isEmpty(), qPrintable(QLatin1Char('\n') + problems.join(QLatin1Char('\n'))));
    }
};

int main(int argc, char *argv[])
{
    STATION_GUI_TEST_RUN(TestLayoutFit);
}

#include "tst_layoutfit.moc"
