#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

// A small spinning wheel of twelve fading capsules that shows the station is
// waiting for something. It has no text and takes no input.
class QProgressIndicator : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int delay READ animationDelay WRITE setAnimationDelay DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(bool displayedWhenStopped READ isDisplayedWhenStopped WRITE setDisplayedWhenStopped DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(QColor color READ color WRITE setColor DESIGNABLE true SCRIPTABLE true STORED true)

public:
    // Where the wheel lies in a widget of a given size. The painter is
    // translated to centre and rotated per capsule; capsule is the upright
    // capsule above the centre in those rotated coordinates.
    struct Geometry {
        int outerRadius = 0;
        int innerRadius = 0;
        int capsuleWidth = 0;
        int capsuleHeight = 0;
        int capsuleRadius = 0;
        QPoint centre;
        QRect capsule;

        static Geometry forSize(const QSize &widgetSize);
    };

    explicit QProgressIndicator(QWidget *parent = nullptr);
    ~QProgressIndicator() override;

    bool isAnimated() const;
    int animationDelay() const;
    bool isDisplayedWhenStopped() const;
    QColor color() const;

    QSize sizeHint() const override;
    int heightForWidth(int w) const override;

public slots:
    void startAnimation();
    void stopAnimation();
    void setAnimationDelay(int delay);
    void setDisplayedWhenStopped(bool state);
    void setColor(QColor color);

protected:
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_angle = 0;
    int m_timerId = -1;
    int m_delay = 40;
    bool m_displayedWhenStopped = false;
    QColor m_color = Qt::black;
};
