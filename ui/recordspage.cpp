#include "ui/recordspage.h"

#include "ui/recordstab.h"
#include "ui/recordswindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

RecordsPage::RecordsPage(RecordsTab *view, QWidget *parent)
    : QWidget(parent)
    , records(view)
    , stack(new QStackedLayout(this))
    , placeholder(new QWidget(this))
{
    auto *line = new QLabel(tr("The records are open in a window of their own."), placeholder);
    auto *show = new QPushButton(tr("Show window"), placeholder);
    show->setObjectName(QStringLiteral("pushButtonShowRecordsWindow"));
    auto *back = new QPushButton(tr("Back into the tab"), placeholder);
    back->setObjectName(QStringLiteral("pushButtonRecordsBack"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(show);
    buttons->addWidget(back);
    buttons->addStretch();
    auto *column = new QVBoxLayout(placeholder);
    column->addStretch();
    column->addWidget(line, 0, Qt::AlignHCenter);
    column->addLayout(buttons);
    column->addStretch();
    stack->addWidget(view);
    stack->addWidget(placeholder);
    connect(view, &RecordsTab::windowWanted, this, &RecordsPage::openWindow);
    connect(show, &QPushButton::clicked, this, &RecordsPage::openWindow);
    connect(back, &QPushButton::clicked, this, &RecordsPage::takeBack);
}

void RecordsPage::openWindow()
{
    if (!window) {
        stack->removeWidget(records);
        window = new RecordsWindow(records, this);
        connect(window, &RecordsWindow::closed, this, &RecordsPage::takeBack);
        stack->setCurrentWidget(placeholder);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void RecordsPage::takeBack()
{
    if (!window)
        return;
    RecordsWindow *closing = std::exchange(window, nullptr);
    records->setWindowButtonShown(true);
    stack->insertWidget(0, records);
    stack->setCurrentWidget(records);
    closing->close();
    closing->deleteLater();
}
