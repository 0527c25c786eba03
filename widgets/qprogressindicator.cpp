#include "widgets/qprogressindicator.h"

#include <QPainter>

namespace {
constexpr int capsuleCount = 12;
constexpr int stepDegrees = 360 / capsuleCount;
}

QProgressIndicator::Geometry QProgressIndicator::Geometry::forSize(const QSize &widgetSize)
{
    // Integer truncation throughout keeps the capsules on whole pixels.
    const int size = qMin(widgetSize.width(), widgetSize.height());
    Geometry g;
    g.outerRadius = int((size - 1) * 0.5);
    g.innerRadius = int((size - 1) * 0.5 * 0.38);
    g.capsuleHeight = g.outerRadius - g.innerRadius;
    // Large wheels look better with slimmer capsules.
    g.capsuleWidth = size > 32 ? int(g.capsuleHeight * 0.23) : int(g.capsuleHeight * 0.35);
    g.capsuleRadius = g.capsuleWidth / 2;
    g.centre = QPoint((widgetSize.width() - 1) / 2, (widgetSize.height() - 1) / 2);
    g.capsule = QRect(int(-g.capsuleWidth * 0.5), -g.outerRadius, g.capsuleWidth, g.capsuleHeight);
    return g;
}

QProgressIndicator::QProgressIndicator(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

QProgressIndicator::~QProgressIndicator() = default;

bool QProgressIndicator::isAnimated() const
{
    return m_timerId != -1;
}

int QProgressIndicator::animationDelay() const
{
    return m_delay;
}

bool QProgressIndicator::isDisplayedWhenStopped() const
{
    return m_displayedWhenStopped;
}

QColor QProgressIndicator::color() const
{
    return m_color;
}

QSize QProgressIndicator::sizeHint() const
{
    return QSize(20, 20);
}

int QProgressIndicator::heightForWidth(int w) const
{
    return w;
}

void QProgressIndicator::startAnimation()
{
    m_angle = 0;
    if (m_timerId == -1)
        m_timerId = startTimer(m_delay, Qt::CoarseTimer);
}

void QProgressIndicator::stopAnimation()
{
    if (m_timerId != -1)
        killTimer(m_timerId);
    m_timerId = -1;
    update();
}

void QProgressIndicator::setAnimationDelay(int delay)
{
    const bool wasAnimated = isAnimated();
    if (wasAnimated)
        killTimer(m_timerId);
    m_delay = delay;
    if (wasAnimated)
        m_timerId = startTimer(m_delay, Qt::CoarseTimer);
}

void QProgressIndicator::setDisplayedWhenStopped(bool state)
{
    m_displayedWhenStopped = state;
    update();
}

void QProgressIndicator::setColor(QColor color)
{
    m_color = color;
    update();
}

void QProgressIndicator::timerEvent(QTimerEvent *)
{
    m_angle = (m_angle + stepDegrees) % 360;
    update();
}

void QProgressIndicator::paintEvent(QPaintEvent *)
{
    if (!isAnimated() && !m_displayedWhenStopped)
        return;

    const Geometry g = Geometry::forSize(size());
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Capsule 0 is the opaque one at the current angle; each next one lies a
    // step further back and is fainter, so the wheel seems to turn clockwise.
    for (int i = 0; i < capsuleCount; ++i) {
        QColor c = m_color;
        c.setAlphaF(1.0 - i / double(capsuleCount));
        p.setBrush(c);
        p.save();
        p.translate(g.centre);
        p.rotate(m_angle - i * stepDegrees);
        p.drawRoundedRect(g.capsule, g.capsuleRadius, g.capsuleRadius, Qt::AbsoluteSize);
        p.restore();
    }
}
