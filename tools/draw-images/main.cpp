// Draws every image of the station with QPainter and writes the PNGs below
// the directory given as the only argument (the repository's resources/).

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

#include <cmath>
#include <functional>
#include <vector>

namespace {

const QColor navy(0x12, 0x3a, 0x5e);
const QColor steamBlue(0x1f, 0x8f, 0xd0);

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void antialias(QPainter &p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
}

QFont sansFont(int pixelSize, int weight)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// Three rising wisps of steam between left and right, from baseY up by height.
QPainterPath steam(qreal left, qreal right, qreal baseY, qreal height)
{
    QPainterPath path;
    const qreal gap = (right - left) / 2;
    const qreal amp = gap * 0.22;
    for (int k = 0; k < 3; ++k) {
        const qreal x = left + k * gap;
        path.moveTo(x, baseY);
        path.cubicTo(x - amp, baseY - height * 0.25, x + amp, baseY - height * 0.45, x, baseY - height * 0.6);
        path.cubicTo(x - amp, baseY - height * 0.75, x + amp * 0.6, baseY - height * 0.9, x, baseY - height);
    }
    return path;
}

// Outline of a thermometer standing on its bulb: a round-topped stem and a
// round bulb, drawn as one shape.
QPainterPath thermometer(QPointF bulbCentre, qreal bulbRadius, qreal stemWidth, qreal stemTop)
{
    QPainterPath stem;
    stem.addRoundedRect(QRectF(bulbCentre.x() - stemWidth / 2, stemTop, stemWidth, bulbCentre.y() - stemTop),
                        stemWidth / 2, stemWidth / 2);
    QPainterPath bulb;
    bulb.addEllipse(bulbCentre, bulbRadius, bulbRadius);
    return stem.united(bulb);
}

// The app icon: an autoclave's round chamber door on a blue tile, a
// thermometer in front of it and steam rising above. Drawn on a 256 grid and
// scaled as a drawing, so that the smaller sizes of the desktop's icon theme
// stay sharp.
QImage launcherIcon(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    antialias(p);
    p.scale(size / 256.0, size / 256.0);

    const QRectF tile(8, 8, 240, 240);
    QLinearGradient tileFill(tile.topLeft(), tile.bottomRight());
    tileFill.setColorAt(0, QColor(0x2a, 0xa6, 0xe0));
    tileFill.setColorAt(1, QColor(0x0f, 0x4c, 0x81));
    p.setPen(Qt::NoPen);
    p.setBrush(tileFill);
    p.drawRoundedRect(tile, 52, 52);

    // Chamber door: a metal ring around a dark glass.
    const QPointF door(118, 142);
    QLinearGradient ring(door - QPointF(80, 80), door + QPointF(80, 80));
    ring.setColorAt(0, QColor(0xf4, 0xf7, 0xfa));
    ring.setColorAt(1, QColor(0xa9, 0xb8, 0xc6));
    p.setBrush(ring);
    p.drawEllipse(door, 78, 78);
    QRadialGradient glass(door - QPointF(18, 18), 70);
    glass.setColorAt(0, QColor(0x3d, 0x6e, 0x94));
    glass.setColorAt(1, QColor(0x14, 0x2e, 0x48));
    p.setBrush(glass);
    p.drawEllipse(door, 60, 60);

    // Steam inside the chamber.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 120), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(steam(86, 146, 172, 62));

    // Thermometer in front, to the right of the door's centre.
    const QPointF bulbCentre(186, 196);
    const QPainterPath glassTube = thermometer(bulbCentre, 22, 22, 60);
    p.setPen(QPen(navy, 5));
    p.setBrush(Qt::white);
    p.drawPath(glassTube);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    p.drawPath(thermometer(bulbCentre, 13, 9, 110));
    // Scale marks on the stem.
    p.setPen(QPen(navy, 3, Qt::SolidLine, Qt::RoundCap));
    for (int y = 76; y <= 156; y += 20)
        p.drawLine(QPointF(bulbCentre.x() - 20, y), QPointF(bulbCentre.x() - 13, y));
    return image;
}

// The word mark: a round steam emblem and "Vaporin" in a bold sans face.
// Wide enough to stay sharp in a 231 x 51 frame and in a 325-pixel-wide
// picture.
QImage logo()
{
    const int width = 640;
    const int height = 160;
    QImage image = canvas(width, height);
    QPainter p(&image);
    antialias(p);

    const QPointF emblem(80, 80);
    QLinearGradient disc(emblem - QPointF(64, 64), emblem + QPointF(64, 64));
    disc.setColorAt(0, QColor(0x2a, 0xa6, 0xe0));
    disc.setColorAt(1, QColor(0x0f, 0x4c, 0x81));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(emblem, 66, 66);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 10, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(steam(50, 110, 122, 84));

    QPainterPath word;
    const QFont font = sansFont(118, QFont::Bold);
    word.addText(0, 0, font, QStringLiteral("Vaporin"));
    // Fit the word into the space right of the emblem, centred vertically.
    const QRectF box(166, 18, width - 166 - 6, height - 36);
    const QRectF bounds = word.boundingRect();
    const qreal scale = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.left(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.left(), -bounds.center().y());
    word = t.map(word);
    QLinearGradient ink(0, box.top(), 0, box.bottom());
    ink.setColorAt(0, QColor(0x1b, 0x55, 0x8a));
    ink.setColorAt(1, navy);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(word);
    return image;
}

// A circular arrow, shown at 20 x 20 on the refresh buttons.
QImage refreshIcon()
{
    const int size = 64;
    QImage image = canvas(size, size);
    QPainter p(&image);
    antialias(p);
    const QPointF c(size / 2.0, size / 2.0);
    const qreal r = 21;
    const QRectF arcBox(c.x() - r, c.y() - r, 2 * r, 2 * r);
    p.setPen(QPen(navy, 8, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    // Qt angles run counter-clockwise from three o'clock in 1/16 degree.
    const int startDeg = 60;
    const int spanDeg = 290;
    p.drawArc(arcBox, startDeg * 16, spanDeg * 16);

    // Arrow head at the arc's start, pointing along the clockwise direction.
    const qreal a = qDegreesToRadians(qreal(startDeg));
    const QPointF tip = c + QPointF(std::cos(a) * r, -std::sin(a) * r);
    const QPointF along(std::sin(a), std::cos(a));   // clockwise tangent
    const QPointF outward(std::cos(a), -std::sin(a));
    QPolygonF head;
    head << tip + along * 11 << tip - along * 3 + outward * 12 << tip - along * 3 - outward * 12;
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawPolygon(head);
    return image;
}

enum class Glyph { Play, Stop };

// A round 100 x 100 button with a white play or stop glyph. The pressed
// variant is darker, lit from below and its glyph sits a little lower, so the
// button looks pushed in.
QImage roundButton(QColor base, Glyph glyph, bool pressed)
{
    const int size = 100;
    QImage image = canvas(size, size);
    QPainter p(&image);
    antialias(p);
    const QPointF c(50, 50);
    const qreal shift = pressed ? 2 : 0;

    if (!pressed) {
        // Soft drop shadow under the raised button.
        QRadialGradient shadow(c + QPointF(0, 3), 50);
        shadow.setColorAt(0.85, QColor(0, 0, 0, 70));
        shadow.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(c + QPointF(0, 3), 49, 49);
    }

    const QColor top = pressed ? base.darker(150) : base.lighter(125);
    const QColor bottom = pressed ? base.darker(115) : base.darker(120);
    QLinearGradient face(0, 4, 0, 96);
    face.setColorAt(0, top);
    face.setColorAt(1, bottom);
    p.setPen(QPen(base.darker(pressed ? 190 : 150), 2));
    p.setBrush(face);
    p.drawEllipse(c, 45, 45);

    // Glossy highlight on the raised button, an inner shadow on the pressed one.
    QRadialGradient light(pressed ? c + QPointF(0, 30) : c - QPointF(0, 30), 50);
    light.setColorAt(0, QColor(255, 255, 255, pressed ? 40 : 90));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawEllipse(c, 44, 44);

    p.setBrush(QColor(255, 255, 255, pressed ? 215 : 255));
    if (glyph == Glyph::Play) {
        QPainterPath tri;
        tri.moveTo(40, 29 + shift);
        tri.lineTo(72, 50 + shift);
        tri.lineTo(40, 71 + shift);
        tri.closeSubpath();
        p.setPen(QPen(p.brush().color(), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tri);
    } else {
        p.drawRoundedRect(QRectF(32, 32 + shift, 36, 36), 5, 5);
    }
    return image;
}

// 40 x 40 glyphs of the program editor, one style: a coloured shape with a
// white mark.
QImage addIcon()
{
    QImage image = canvas(40, 40);
    QPainter p(&image);
    antialias(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x9e, 0x4f));
    p.drawEllipse(QPointF(20, 20), 18, 18);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 11), QPointF(20, 29));
    p.drawLine(QPointF(11, 20), QPointF(29, 20));
    return image;
}

QImage editIcon()
{
    QImage image = canvas(40, 40);
    QPainter p(&image);
    antialias(p);
    // A pencil lying from bottom left to top right.
    p.translate(20, 20);
    p.rotate(-45);
    p.setPen(Qt::NoPen);
    p.setBrush(steamBlue);
    p.drawRect(QRectF(-10, -5, 22, 10));           // body
    p.setBrush(QColor(0xe5, 0x39, 0x35));
    p.drawRoundedRect(QRectF(12, -5, 7, 10), 2, 2); // eraser
    p.setBrush(QColor(0xf3, 0xd3, 0x9b));
    QPolygonF wood;
    wood << QPointF(-10, -5) << QPointF(-19, 0) << QPointF(-10, 5);
    p.drawPolygon(wood);
    p.setBrush(navy);
    QPolygonF lead;
    lead << QPointF(-15.4, -2) << QPointF(-19, 0) << QPointF(-15.4, 2);
    p.drawPolygon(lead);
    p.setPen(QPen(navy.lighter(160), 1.2));
    p.drawLine(QPointF(-10, 0), QPointF(12, 0));
    return image;
}

QImage deleteIcon()
{
    QImage image = canvas(40, 40);
    QPainter p(&image);
    antialias(p);
    const QColor red(0xd3, 0x2f, 0x2f);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    // Lid with its handle, then the tapered can.
    p.drawRoundedRect(QRectF(8, 8, 24, 4), 1.5, 1.5);
    p.drawRoundedRect(QRectF(16, 4.5, 8, 4), 1.5, 1.5);
    QPainterPath can;
    can.moveTo(10, 14);
    can.lineTo(30, 14);
    can.lineTo(28, 35);
    can.quadTo(27.8, 36, 26.5, 36);
    can.lineTo(13.5, 36);
    can.quadTo(12.2, 36, 12, 35);
    can.closeSubpath();
    p.drawPath(can);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {15.5, 20.0, 24.5})
        p.drawLine(QPointF(x, 18), QPointF(x, 32));
    return image;
}

struct Output {
    QString path;
    std::function<QImage()> draw;
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: draw-images <resources directory>\n";
        return 2;
    }
    const QDir root(args.at(1));

    const QColor green(0x2e, 0xa0, 0x4f);
    const QColor red(0xd3, 0x2f, 0x2f);
    std::vector<Output> outputs = {
        {"images/ic_launcher.png", [] { return launcherIcon(256); }},
        {"images/ic_vaporin.png", logo},
        {"images/refresh.png", refreshIcon},
        {"images/ic_start.png", [&] { return roundButton(green, Glyph::Play, false); }},
        {"images/ic_start_pressed.png", [&] { return roundButton(green, Glyph::Play, true); }},
        {"images/ic_stop.png", [&] { return roundButton(red, Glyph::Stop, false); }},
        {"images/ic_stop_pressed.png", [&] { return roundButton(red, Glyph::Stop, true); }},
        {"add.png", addIcon},
        {"edit.png", editIcon},
        {"delete.png", deleteIcon},
    };
    // The smaller sizes that the installed desktop entry's icon comes in.
    for (int size : {16, 32, 48, 64, 128})
        outputs.push_back({QStringLiteral("icons/ic_launcher_%1.png").arg(size), [size] { return launcherIcon(size); }});

    for (const Output &out : outputs) {
        const QString file = root.filePath(out.path);
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !out.draw().save(file, "PNG")) {
            err << "draw-images: cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
