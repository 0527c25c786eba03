#include "ui/cycledetailsdialog.h"

#include "ui/audittrailmodel.h"
#include "ui/cyclesummary.h"
#include "ui_cycledetailsdialog.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>

CycleDetailsDialog::CycleDetailsDialog(const Cycle &cycle, RegisterReader *reader, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CycleDetailsDialog>())
    , events(new AuditTrailModel(reader, cycle.id, this))
{
    ui->setupUi(this);
    setWindowTitle(tr("Cycle %1 of %2").arg(CycleSummary::cycleNumber(cycle), cycle.controllerSerial));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const CycleSummary::Field &field : CycleSummary::fields(cycle)) {
        auto *value = new QLabel(field.value);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        if (field.hash)
            value->setFont(fixed);
        ui->formLayoutFields->addRow(field.label + QLatin1Char(':'), value);
    }
    ui->tableViewCycleEvents->setModel(events);
    ui->tableViewCycleEvents->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    ui->tableViewCycleEvents->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    ui->tableViewCycleEvents->hideColumn(AuditTrailModel::CycleEntry);
    events->reload();
}

CycleDetailsDialog::~CycleDetailsDialog() = default;
