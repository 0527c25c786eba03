#include "ui/referenceusesview.h"

#include "register/packuses.h"
#include "register/registerreader.h"
#include "reports/reportformat.h"
#include "ui/erasereferencedialog.h"
#include "ui_referenceusesview.h"

#include <QPointer>

ReferenceUsesView::ReferenceUsesView(RegisterReader *reader, QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ReferenceUsesView>())
    , reader(reader)
{
    ui->setupUi(this);
    ui->tableWidgetUses->setColumnCount(4);
    ui->tableWidgetUses->setHorizontalHeaderLabels({tr("Pack"), tr("Used"), tr("Operator"), tr("Reference")});
    // The headers whole in every language before the first search.
    ui->tableWidgetUses->resizeColumnsToContents();
    ui->pushButtonEraseReference->setEnabled(false);
    connect(ui->lineEditUsesReference, &QLineEdit::returnPressed, this, &ReferenceUsesView::find);
    connect(ui->pushButtonFindUses, &QPushButton::clicked, this, &ReferenceUsesView::find);
    connect(ui->pushButtonEraseReference, &QPushButton::clicked, this, &ReferenceUsesView::erase);
    connect(ui->tableWidgetUses, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = ui->tableWidgetUses->currentRow();
        ui->pushButtonEraseReference->setEnabled(row >= 0 && row < shown.size() && !shown[row].erased);
    });
}

ReferenceUsesView::~ReferenceUsesView() = default;

void ReferenceUsesView::find()
{
    const QString reference = ui->lineEditUsesReference->text().trimmed();
    if (reference.isEmpty())
        return;
    QPointer<ReferenceUsesView> view(this);
    const auto finished = [view](const QVector<PackUse> &uses, const QString &error) {
        if (view)
            view->showUses(uses, error);
    };
    reader->access(
        [=](CycleRegister &r) -> RegisterReader::Done {
            PackUses uses(r);
            const std::optional<QVector<PackUse>> found = uses.usesOf(reference);
            const QString error = found ? QString() : uses.errorString();
            return [=] { finished(found.value_or(QVector<PackUse>()), error); };
        },
        [=](const QString &error) { finished({}, error); });
}

void ReferenceUsesView::showUses(const QVector<PackUse> &uses, const QString &error)
{
    shown = uses;
    QTableWidget *table = ui->tableWidgetUses;
    table->clearSelection();
    table->setRowCount(uses.size());
    for (int row = 0; row < uses.size(); ++row) {
        const PackUse &u = uses[row];
        const QStringList cells{u.code, ReportFormat::instant(u.at, false), u.operatorName,
                                u.erased ? tr("erased") : tr("kept")};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table->resizeColumnsToContents();
    ui->pushButtonEraseReference->setEnabled(false);
    ui->labelUsesResult->setText(!error.isEmpty() ? error
                                 : uses.isEmpty() ? tr("No use of this reference.")
                                                  : tr("%n uses of this reference.", nullptr, uses.size()));
    emit usesShown(error.isEmpty() ? uses.size() : -1, error);
}

void ReferenceUsesView::erase()
{
    const int row = ui->tableWidgetUses->currentRow();
    if (row < 0 || row >= shown.size())
        return;
    auto *dialog = new EraseReferenceDialog(reader, shown[row], this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, &ReferenceUsesView::find);
    dialog->open();
}
