#include "ui/verdictbanner.h"

#include "app/logging.h"
#include "register/cycle.h"
#include "register/registerreader.h"
#include "register/registerwriter.h"
#include "reports/reportpainter.h"
#include "reports/verdicttext.h"

#include <QHBoxLayout>
#include <QLabel>

VerdictBanner::VerdictBanner(const QString &registerPath, RegisterWriter *writer, QWidget *parent)
    : QFrame(parent)
    , reader(std::make_unique<RegisterReader>(registerPath))
{
    setObjectName(QStringLiteral("frameVerdict"));
    setStyleSheet(QStringLiteral("QFrame#frameVerdict { background-color: white; border-radius: 5px; }"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 4);
    result = new QLabel;
    result->setObjectName(QStringLiteral("labelVerdict"));
    QFont large = result->font();
    large.setPointSize(20);
    large.setBold(true);
    result->setFont(large);
    reason = new QLabel;
    reason->setObjectName(QStringLiteral("labelVerdictReason"));
    reason->setWordWrap(true);
    reason->setTextFormat(Qt::PlainText); // the reason names programs: data, never markup
    layout->addWidget(result);
    layout->addWidget(reason, 1);
    hide();

    connect(writer, &RegisterWriter::cycleEntered, this, &VerdictBanner::cycleEntered);
    connect(reader.get(), &RegisterReader::cycleRead, this,
            [this](quint64 ticket, const Cycle &cycle, const QString &error) {
                if (ticket != wanted)
                    return;
                wanted = 0;
                if (error.isEmpty())
                    showVerdict(cycle);
                else // the Records tab and the register's alert tell the user
                    qCWarning(lcUi) << "verdict of the entered run not read:" << error;
            });
}

VerdictBanner::~VerdictBanner() = default;

void VerdictBanner::cycleEntered(qint64 id)
{
    wanted = reader->readCycle(id);
}

void VerdictBanner::runStarted(const QDateTime &at)
{
    runStart = at;
    wanted = 0;
    hide();
}

void VerdictBanner::showVerdict(const Cycle &cycle)
{
    // A second's leeway for the clock's rounding.
    if (runStart.isValid() && cycle.started.msecsTo(runStart) > 1000)
        return;
    const CycleVerdict::Result verdict = cycle.verdict ? cycle.verdict->result : CycleVerdict::Result::NotEvaluated;
    result->setText(VerdictText::result(verdict));
    result->setStyleSheet(QStringLiteral("color: %1;").arg(color(verdict).name()));
    reason->setText(cycle.verdict ? VerdictText::reason(cycle.verdict->reason) : tr("The register holds no verdict for this run."));
    show();
}

QColor VerdictBanner::color(CycleVerdict::Result result)
{
    // Grey rather than the reports' amber: at the machine, only PASS and
    // FAIL should catch the eye.
    return result == CycleVerdict::Result::NotEvaluated ? QColor(0x6b, 0x6b, 0x6b)
                                                        : ReportPainter::verdictColor(result);
}
