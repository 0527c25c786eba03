#include "ui/readingwatch.h"

#include <QLabel>
#include <QProgressBar>

namespace {
const char greyedNumber[] = "color: #8c8c8c;";
// Later in the sheet than the thermometer's own red, so it wins.
const char greyedChunk[] = "\nQProgressBar::chunk { background-color: #b4b4b4; }";
}

ReadingWatch::ReadingWatch(QProgressBar *thermometer, QLabel *number, int staleAfterMs, QObject *parent)
    : QObject(parent)
    , thermometer(thermometer)
    , number(number)
    , liveStyle(thermometer->styleSheet())
{
    silence.setSingleShot(true);
    silence.setInterval(staleAfterMs);
    connect(&silence, &QTimer::timeout, this, [this] { markStale(true); });
    number->setWordWrap(true);
}

int ReadingWatch::staleAfterMs(const SlaveThread::Timing &t)
{
    // Answers come within a few milliseconds; the silences that end them
    // and the pauses make up the cycle.
    return 3 * (t.pollGapMs + t.pauseMs + t.answerGapMs + t.pauseMs + t.pollGapMs);
}

QString ReadingWatch::text(float celsius, const QTime &lastReading, bool stale)
{
    const QString shown = QString::asprintf("%.0f °C", double(celsius));
    if (!stale)
        return shown;
    return QStringLiteral("%1<br><span style=\"font-size: 7pt; font-weight: normal;\">%2</span>")
        .arg(shown, tr("no reading since %1").arg(lastReading.toString(QStringLiteral("HH:mm:ss"))));
}

void ReadingWatch::show(float celsius)
{
    lastCelsius = celsius;
    lastReading = QTime::currentTime();
    silence.start();
    markStale(false);
}

void ReadingWatch::markStale(bool on)
{
    if (on != stale) {
        stale = on;
        thermometer->setStyleSheet(on ? liveStyle + QLatin1String(greyedChunk) : liveStyle);
        number->setStyleSheet(on ? QString::fromLatin1(greyedNumber) : QString());
    }
    number->setText(text(lastCelsius, lastReading, stale));
}
