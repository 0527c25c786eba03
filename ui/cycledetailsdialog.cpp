#include "ui/cycledetailsdialog.h"

#include "app/language.h"
#include "reports/reportcontent.h"
#include "reports/reportformat.h"
#include "reports/reportpainter.h"
#include "reports/verdicttext.h"
#include "ui/audittrailmodel.h"
#include "ui/cyclesummary.h"
#include "ui/releasehistorymodel.h"
#include "ui_cycledetailsdialog.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>

CycleDetailsDialog::CycleDetailsDialog(const Cycle &cycle, RegisterReader *reader, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CycleDetailsDialog>())
    , id(cycle.id)
    , events(new AuditTrailModel(reader, cycle.id, this))
    , releases(new ReleaseHistoryModel(reader, cycle.id, this))
{
    ui->setupUi(this);
    setWindowTitle(tr("Cycle %1 of %2").arg(CycleSummary::cycleNumber(cycle), cycle.controllerSerial));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Lines a little higher than the font's: accented capitals (the French
    // "État") reach above its ascent, and the text is centred.
    const int line = fontMetrics().height() + 2;
    for (const CycleSummary::Field &field : CycleSummary::fields(cycle)) {
        auto *value = new QLabel(field.value);
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        value->setMinimumHeight(line);
        if (field.hash)
            value->setFont(fixed);
        ui->formLayoutFields->addRow(field.label + QLatin1Char(':'), value);
        ui->formLayoutFields->labelForField(value)->setMinimumHeight(line);
    }

    const CycleVerdict verdict = ReportContent::verdict(cycle);
    ui->labelVerdictResult->setText(VerdictText::result(verdict.result));
    QFont result = ui->labelVerdictResult->font();
    result.setBold(true);
    result.setPointSizeF(result.pointSizeF() * 1.3);
    ui->labelVerdictResult->setFont(result);
    ui->labelVerdictResult->setStyleSheet(
        QStringLiteral("color: %1;").arg(ReportPainter::verdictColor(verdict.result).name()));
    ui->labelVerdictReason->setText(VerdictText::reason(verdict.reason));
    ui->labelVerdictFigures->setText(ReportFormat::verdictFigures(verdict, Language::locale()));

    ui->tableViewReleases->setModel(releases);
    ui->tableViewCycleEvents->setModel(events);
    for (QTableView *view : {ui->tableViewReleases, ui->tableViewCycleEvents}) {
        view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
        view->horizontalHeader()->resizeSections(QHeaderView::ResizeToContents);
    }
    connect(releases, &ReleaseHistoryModel::historyRead, ui->tableViewReleases,
            [this] { ui->tableViewReleases->resizeColumnsToContents(); });
    ui->tableViewCycleEvents->hideColumn(AuditTrailModel::CycleEntry);
    releases->reload();
    events->reload();
}

void CycleDetailsDialog::releaseEntered(qint64 cycleId)
{
    if (cycleId != id)
        return;
    releases->reload();
    events->refresh();
}

CycleDetailsDialog::~CycleDetailsDialog() = default;
