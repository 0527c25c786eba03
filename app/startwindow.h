#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

#include <memory>

class CommunicationManager;

namespace Ui {
class StartWindow;
}

// The small dialog before the main window: looks for controllers on every
// serial port, lists them by serial number and hands the chosen one's port to
// the device link. Accepted means "go on to the main window".
class StartWindow : public QDialog
{
    Q_OBJECT

public:
    // The device link to use; the process-wide one when none is given.
    explicit StartWindow(CommunicationManager *manager = nullptr);
    ~StartWindow() override;

    // Serial number of the controller connected to; "00000000" until then.
    QString selectedSerial() const;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_buttonExit_clicked();
    void on_buttonConnect_clicked();
    void on_buttonReflesh_clicked();

private:
    // Connected to the device link's scan result explicitly; as a plain
    // function it is not mistaken for a by-name slot of the form.
    void on_regulons_got(QMap<QString, QString> regulons);
    // The form places its widgets at fixed positions: the notice gets the
    // lines its text needs (more in longer languages) while it shows, and the
    // buttons below it and the window's height follow.
    void fitNotice();

    int noticeGrowth = 0; // how much taller the notice is than in the form

    std::unique_ptr<Ui::StartWindow> ui;
    QString selected;
    // Port name to serial number, in port-name order: the list shows the
    // values in this order, so an entry's row is its key's position.
    QMap<QString, QString> regulonMap;
    CommunicationManager *communicationManager;
};
