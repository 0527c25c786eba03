#pragma once

#include "device/slavethread.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;
class QProgressBar;

// Shows each temperature on the thermometer's number, and greys the
// thermometer and its number, with "no reading since HH:MM:SS", once no
// temperature has come for longer than three polling cycles: a frozen value
// that looks live misleads whoever stands at the machine. The next reading
// makes both live again. What the charts have drawn is not touched.
class ReadingWatch : public QObject
{
    Q_OBJECT

public:
    ReadingWatch(QProgressBar *thermometer, QLabel *number, int staleAfterMs, QObject *parent = nullptr);

    // Three polling cycles with these timings: a temperature, a pause, a
    // run status, a pause, the digital state.
    static int staleAfterMs(const SlaveThread::Timing &timing);
    // The number as shown: "57 °C", and while stale the time of the last
    // reading, in local time.
    static QString text(float celsius, const QTime &lastReading, bool stale);

    // A reading has arrived: shows it, live.
    void show(float celsius);
    bool isStale() const { return stale; }

private:
    void markStale(bool on);

    QProgressBar *thermometer;
    QLabel *number;
    QString liveStyle; // the thermometer's own style sheet
    QTimer silence;
    float lastCelsius = 0.0f;
    QTime lastReading;
    bool stale = false;
};
