#include "ui/recordswindow.h"

#include "app/stationsettings.h"
#include "ui/recordstab.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QString geometryKey = QStringLiteral("records/window_geometry");

} // namespace

RecordsWindow::RecordsWindow(RecordsTab *view, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , records(view)
{
    setWindowTitle(tr("Records - Vaporin Regulon"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    // Its place in the station's window may have hidden it.
    view->show();
    view->setWindowButtonShown(false);
    if (!restoreGeometry(StationSettings().value(geometryKey).toByteArray())) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        resize(screen.size() * 0.85);
        move(screen.center() - rect().center());
    }
}

void RecordsWindow::closeEvent(QCloseEvent *event)
{
    StationSettings().setValue(geometryKey, saveGeometry());
    QWidget::closeEvent(event);
    emit closed();
}
