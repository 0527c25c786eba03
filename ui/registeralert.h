#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;
class RegisterWriter;

// Tells the user when the cycle register cannot be written: once per
// episode of failures (until everything waiting is entered), in a box that
// does not block the window, so that a run goes on and can be stopped. The
// box waits while another modal box (a run's own) is open, rather than
// cover it.
class RegisterAlert : public QObject
{
    Q_OBJECT

public:
    RegisterAlert(RegisterWriter *writer, QWidget *window);

private:
    void registerFailed(const QString &reason);
    void waitingChanged(int count);
    void showWhenFree();

    QWidget *window;
    QString reason;
    int waiting = 0;
    bool told = false;    // in this episode
    bool pending = false; // to be told once no other box is open
    QTimer deferral;
};
