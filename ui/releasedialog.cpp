#include "ui/releasedialog.h"

#include "app/language.h"
#include "register/releasepolicy.h"
#include "register/releasesigning.h"
#include "reports/reportformat.h"
#include "reports/verdicttext.h"
#include "ui/cyclesummary.h"
#include "ui/signerchooser.h"
#include "ui_releasedialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QStyleOptionFrame>

namespace {

template<typename E>
void fill(QComboBox *box, E chosen)
{
    for (const ReleaseChoices::Choice<E> &choice : ReleaseChoices::of(E()))
        box->addItem(Release::shown(choice.value), int(choice.value));
    box->setCurrentIndex(box->findData(int(chosen)));
}

template<typename E>
E chosen(const QComboBox *box)
{
    return E(box->currentData().toInt());
}

} // namespace

ReleaseDialog::ReleaseDialog(const Cycle &cycle, const QString &lastOperator, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ReleaseDialog>())
    , cycle(cycle)
{
    ui->setupUi(this);
    setWindowModality(Qt::NonModal);
    // The example of an empty Load field shows whole, in every language: the
    // dialog widens to it (frames and the field's own margins beside it).
    QStyleOptionFrame frame;
    frame.initFrom(ui->lineEditLoad);
    const int frameWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, ui->lineEditLoad);
    ui->lineEditLoad->setMinimumWidth(ui->lineEditLoad->fontMetrics().horizontalAdvance(ui->lineEditLoad->placeholderText())
                                      + 2 * frameWidth + 6);
    setWindowTitle(tr("Release of cycle %1 of %2").arg(CycleSummary::cycleNumber(cycle), cycle.controllerSerial));
    ui->labelCycle->setText(tr("Cycle %1 of controller %2, %3, started %4, %5.")
                                .arg(CycleSummary::cycleNumber(cycle), ReportFormat::orUnknown(cycle.controllerSerial, Language::locale()),
                                     CycleSummary::program(cycle), ReportFormat::instant(cycle.started, true, Language::locale()),
                                     CycleSummary::status(cycle)));
    const CycleVerdict::Result result = cycle.verdict ? cycle.verdict->result : CycleVerdict::Result::NotEvaluated;
    QString verdictText = tr("Verdict: <b>%1</b>, %2")
                          .arg(VerdictText::result(result),
                               (cycle.verdict ? VerdictText::reason(cycle.verdict->reason) : tr("none stored")).toHtmlEscaped());
    // The record must show on what grounds a load went out without proof.
    if (result != CycleVerdict::Result::Pass)
        verdictText += tr(".<br>Its samples do not prove the hold: its load is released only with a comment that "
                      "says why.");
    ui->labelVerdict->setText(verdictText);
    ui->labelVerdict->setTextFormat(Qt::RichText);

    // A later entry changes what has changed since, usually the
    // biological indicator's result; its comment is its own.
    const std::optional<Release> &latest = cycle.latestRelease;
    Release start;
    start.lot = ReleasePolicy::proposedLot(cycle);
    start.decision = ReleasePolicy::proposedDecision(start, verdict());
    // A decision taken before stands until an indicator contradicts it.
    decisionChosen = latest.has_value();
    if (latest) {
        start = *latest;
        start.comment.clear();
        ui->labelHistory->setText(tr("The newest of its releases: %1 on %2. Saving adds an entry to its history; "
                                     "nothing is overwritten.")
                                      .arg(ReportFormat::releaseHeadline(*latest, Language::locale()), ReportFormat::instant(latest->at, true, Language::locale())));
    } else {
        ui->labelHistory->setText(tr("Not released yet."));
    }
    chooser = new SignerChooser(ui->comboBoxOperator, ui->lineEditPin, ui->labelPin, SignerChooser::Signers::Anyone,
                               lastOperator.isEmpty() ? start.operatorName : lastOperator, this);
    ui->lineEditLoad->setText(start.load);
    ui->lineEditLot->setText(start.lot);
    fill(ui->comboBoxChemicalIndicator, start.chemicalIndicator);
    fill(ui->comboBoxBiologicalIndicator, start.biologicalIndicator);
    fill(ui->comboBoxDecision, start.decision);

    connect(chooser, &SignerChooser::changed, this, &ReleaseDialog::updateRule);
    connect(ui->comboBoxDecision, qOverload<int>(&QComboBox::currentIndexChanged), this, &ReleaseDialog::updateRule);
    connect(ui->plainTextEditComment, &QPlainTextEdit::textChanged, this, &ReleaseDialog::updateRule);
    connect(ui->comboBoxDecision, qOverload<int>(&QComboBox::activated), this, [this] { decisionChosen = true; });
    for (QComboBox *indicator : {ui->comboBoxChemicalIndicator, ui->comboBoxBiologicalIndicator})
        connect(indicator, qOverload<int>(&QComboBox::currentIndexChanged), this, &ReleaseDialog::followIndicators);
    followIndicators();
    updateRule();
}

ReleaseDialog::~ReleaseDialog() = default;

Release ReleaseDialog::release() const
{
    Release r;
    r.cycleId = cycle.id;
    r.operatorName = chooser->name();
    r.load = ui->lineEditLoad->text().trimmed();
    r.lot = ui->lineEditLot->text().trimmed();
    r.chemicalIndicator = chosen<Release::ChemicalIndicator>(ui->comboBoxChemicalIndicator);
    r.biologicalIndicator = chosen<Release::BiologicalIndicator>(ui->comboBoxBiologicalIndicator);
    r.decision = chosen<Release::Decision>(ui->comboBoxDecision);
    r.comment = ui->plainTextEditComment->toPlainText().trimmed();
    return r;
}

std::optional<CycleVerdict::Result> ReleaseDialog::verdict() const
{
    return cycle.verdict ? std::optional(cycle.verdict->result) : std::nullopt;
}

QString ReleaseDialog::pin() const
{
    return chooser->pin();
}

QString ReleaseDialog::problem() const
{
    const Release r = release();
    const QString problem = ReleasePolicy::problem(r, verdict());
    const std::optional<OperatorAccount> account = chooser->chosen();
    return problem.isEmpty() && account ? ReleaseSigning::problem(*account, r.decision, verdict()) : problem;
}

void ReleaseDialog::followIndicators()
{
    const Release r = release();
    const Release::Decision proposal = ReleasePolicy::proposedDecision(r, verdict());
    // Never "Released" against an indicator, whoever chose it.
    if (!decisionChosen || (r.decision == Release::Decision::Released && proposal != r.decision))
        ui->comboBoxDecision->setCurrentIndex(ui->comboBoxDecision->findData(int(proposal)));
}

void ReleaseDialog::updateRule()
{
    // Said beside the chooser before anyone is chosen in vain.
    const bool supervisorNeeded = chooser->hasAccounts() && verdict() != CycleVerdict::Result::Pass;
    ui->labelSupervisorNeeded->setVisible(supervisorNeeded);
    ui->labelSupervisorNeeded->setText(
        supervisorNeeded ? tr("Only a supervisor releases the load of a %1 cycle.")
                               .arg(VerdictText::result(verdict().value_or(CycleVerdict::Result::NotEvaluated)))
                         : QString());
    ui->labelRule->setText(problem());
    ui->buttons->button(QDialogButtonBox::Save)->setEnabled(!saving && problem().isEmpty());
}

void ReleaseDialog::accept()
{
    if (saving || !problem().isEmpty())
        return;
    setSaving(true);
    emit saveRequested(release());
}

void ReleaseDialog::savingFinished(const QString &error)
{
    setSaving(false);
    // A PIN is typed for each signature, never kept for the next.
    chooser->clearPin();
    if (error.isEmpty()) {
        QDialog::accept();
        return;
    }
    ui->labelRule->setText(error);
}

void ReleaseDialog::setSaving(bool on)
{
    saving = on;
    const QList<QWidget *> fields{ui->comboBoxOperator,          ui->lineEditPin,      ui->lineEditLoad,     ui->lineEditLot,
                                  ui->comboBoxChemicalIndicator, ui->comboBoxBiologicalIndicator,
                                  ui->comboBoxDecision,          ui->plainTextEditComment};
    for (QWidget *field : fields)
        field->setEnabled(!on);
    ui->buttons->button(QDialogButtonBox::Cancel)->setEnabled(!on);
    ui->buttons->button(QDialogButtonBox::Save)->setEnabled(!on && problem().isEmpty());
    if (on)
        ui->labelRule->setText(tr("Saving…"));
}
