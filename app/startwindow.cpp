#include "app/startwindow.h"

#include "app/logging.h"
#include "device/communicationmanager.h"
#include "ui_startwindow.h"
#include "widgets/qprogressindicator.h"

StartWindow::StartWindow(CommunicationManager *manager)
    : QDialog(nullptr)
    , ui(std::make_unique<Ui::StartWindow>())
    , selected(QStringLiteral("00000000"))
    , communicationManager(manager ? manager : CommunicationManager::instance())
{
    ui->setupUi(this);
    // Room below the list for what to check when nothing is found.
    setFixedSize(360, 300);
    ui->labelNoController->hide();
    // Buttons as wide as their words, about the same centres.
    for (QPushButton *button : {ui->buttonExit, ui->buttonConnect}) {
        const int width = qMax(button->width(), button->sizeHint().width());
        button->setGeometry(button->geometry().center().x() - width / 2, button->y(), width, button->height());
    }

    // Shows through while the refresh button is hidden, that is while a
    // scan runs.
    auto *indicator = new QProgressIndicator;
    ui->verticalLayoutProgress->addWidget(indicator);
    ui->verticalLayoutProgress->setAlignment(Qt::AlignCenter);
    indicator->startAnimation();

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint);

    // Must exist before the first scan: without any port the result arrives
    // during scanPorts() itself.
    connect(communicationManager, &CommunicationManager::getRegulons, this, &StartWindow::on_regulons_got);
    on_buttonReflesh_clicked();
}

StartWindow::~StartWindow() = default;

void StartWindow::fitNotice()
{
    QLabel *notice = ui->labelNoController;
    const int formHeight = notice->height() - noticeGrowth;
    const int growth = notice->isVisibleTo(this) ? qMax(0, notice->heightForWidth(notice->width()) - formHeight) : 0;
    const int shift = growth - noticeGrowth;
    noticeGrowth = growth;
    notice->resize(notice->width(), formHeight + growth);
    for (QPushButton *button : {ui->buttonExit, ui->buttonConnect})
        button->move(button->x(), button->y() + shift);
    ui->frame->resize(ui->frame->width(), ui->frame->height() + shift);
    setFixedSize(width(), height() + shift);
}

QString StartWindow::selectedSerial() const
{
    return selected;
}

void StartWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The mark that start-up checks of an installed station wait for.
    qCDebug(lcUi) << "device selection window shown";
}

void StartWindow::on_buttonExit_clicked()
{
    reject();
}

void StartWindow::on_buttonConnect_clicked()
{
    // The chosen row, not the first entry with the same text: two
    // controllers may report the same serial number.
    const int row = ui->comboBoxRegulons->currentIndex();
    communicationManager->changePort(regulonMap.keys().value(row));
    selected = ui->comboBoxRegulons->currentText();
    accept();
}

void StartWindow::on_buttonReflesh_clicked()
{
    ui->buttonReflesh->hide();
    ui->comboBoxRegulons->clear();
    ui->comboBoxRegulons->setEnabled(false);
    ui->buttonConnect->setEnabled(false);
    ui->labelNoController->hide();
    fitNotice();
    communicationManager->scanPorts();
}

void StartWindow::on_regulons_got(QMap<QString, QString> regulons)
{
    regulonMap = regulons;
    for (auto it = regulonMap.cbegin(); it != regulonMap.cend(); ++it)
        qCDebug(lcUi).noquote() << it.key() + QStringLiteral(": ") + it.value();

    ui->comboBoxRegulons->clear();
    ui->comboBoxRegulons->addItems(regulonMap.values());
    const bool found = !regulonMap.isEmpty();
    ui->buttonConnect->setEnabled(found);
    ui->comboBoxRegulons->setEnabled(found);
    ui->labelNoController->setVisible(!found);
    fitNotice();
    ui->buttonReflesh->show();
    // Enter connects to the listed controller: Connect is the form's
    // default button, and Exit never takes Enter over.
    if (found)
        ui->comboBoxRegulons->setFocus();
}
