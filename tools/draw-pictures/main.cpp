// korva-draw-pictures: draws every picture the application shows (banner, logo, larva, window icon and
// button icons) with QPainter and saves them as PNG files.
// Usage: korva-draw-pictures OUTPUT_FOLDER

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Colours shared by every picture.
const QColor kTeal(0, 128, 128);
const QColor kDarkTeal(0, 92, 92);
const QColor kGreen(56, 158, 72);
const QColor kYellow(244, 196, 48);
const QColor kRed(214, 58, 48);
const QColor kBlue(44, 112, 200);
const QColor kPaper(253, 253, 250);
const QColor kPaperEdge(118, 128, 128);
const QColor kInk(150, 160, 160);
const QColor kSlate(74, 84, 98);
const QColor kLarvaBody(156, 170, 112);
const QColor kLarvaHead(102, 98, 62);
const QColor kLarvaSiphon(128, 112, 70);
const QColor kBristle(92, 92, 66);

using Drawing = std::function<void(QPainter&)>;

QImage render(int width, int height, const Drawing& draw) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    draw(p);
    p.end();
    return image;
}

QPen roundPen(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Flat fill with a darker edge of the same hue.
void fillStyle(QPainter& p, const QColor& fill, qreal edgeWidth = 1.0) {
    p.setPen(roundPen(fill.darker(165), edgeWidth));
    p.setBrush(fill);
}

// A stroke with a darker rim: the wide dark pass first, the coloured pass on top.
void rimmedStroke(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(colour.darker(160), width + 2.0));
    p.drawPath(path);
    p.setPen(roundPen(colour, width));
    p.drawPath(path);
}

// Solid arrow from `from` to `to` (the tip).
void drawArrow(QPainter& p, QPointF from, QPointF to, const QColor& fill, qreal shaft, qreal head) {
    const QLineF line(from, to);
    const qreal length = line.length();
    const qreal neck = length - head;
    QPolygonF arrow;
    arrow << QPointF(0, -shaft / 2) << QPointF(neck, -shaft / 2) << QPointF(neck, -head * 0.62)
          << QPointF(length, 0) << QPointF(neck, head * 0.62) << QPointF(neck, shaft / 2)
          << QPointF(0, shaft / 2);
    p.save();
    p.translate(from);
    p.rotate(-line.angle());
    fillStyle(p, fill);
    p.drawPolygon(arrow);
    p.restore();
}

// A sheet of paper with a folded top-right corner.
void drawSheet(QPainter& p, const QRectF& r, qreal fold) {
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setPen(roundPen(kPaperEdge, 1.0));
    p.setBrush(kPaper);
    p.drawPath(page);
    QPolygonF ear;
    ear << QPointF(r.right() - fold, r.top()) << QPointF(r.right() - fold, r.top() + fold)
        << QPointF(r.right(), r.top() + fold);
    p.setBrush(QColor(214, 222, 222));
    p.drawPolygon(ear);
}

void drawTextLines(QPainter& p, qreal left, qreal right, std::initializer_list<qreal> ys) {
    p.setPen(roundPen(kInk, 1.3));
    for (qreal y : ys)
        p.drawLine(QPointF(left, y), QPointF(right, y));
}

// Round badge with a white "x" or "+" on it, ringed in white to stand off the glyph below.
void drawBadge(QPainter& p, QPointF centre, qreal radius, const QColor& fill, bool plus) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(centre, radius + 1.3, radius + 1.3);
    fillStyle(p, fill);
    p.drawEllipse(centre, radius, radius);
    p.setPen(roundPen(Qt::white, 2.4));
    const qreal a = radius * 0.5;
    if (plus) {
        p.drawLine(centre + QPointF(-a, 0), centre + QPointF(a, 0));
        p.drawLine(centre + QPointF(0, -a), centre + QPointF(0, a));
    } else {
        const qreal d = a * 0.85;
        p.drawLine(centre + QPointF(-d, -d), centre + QPointF(d, d));
        p.drawLine(centre + QPointF(d, -d), centre + QPointF(-d, d));
    }
}

void drawMagnifier(QPainter& p, QPointF centre, qreal radius, qreal ring, qreal handleLength,
                   qreal handleWidth, int glassAlpha) {
    const qreal diagonal = 0.70710678;
    const QPointF dir(diagonal, diagonal);
    const QPointF neck = centre + dir * (radius + ring * 0.4);
    const QPointF gripStart = centre + dir * (radius + ring + 1.5);
    const QPointF gripEnd = centre + dir * (radius + handleLength);
    p.setPen(roundPen(QColor(96, 104, 114), ring));
    p.drawLine(neck, gripStart);
    p.setPen(roundPen(QColor(40, 44, 54), handleWidth + 1.6));
    p.drawLine(gripStart, gripEnd);
    p.setPen(roundPen(QColor(78, 84, 98), handleWidth));
    p.drawLine(gripStart, gripEnd);
    p.setPen(QPen(QColor(96, 104, 114), ring));
    p.setBrush(QColor(206, 232, 250, glassAlpha));
    p.drawEllipse(centre, radius, radius);
    p.setPen(roundPen(QColor(255, 255, 255, 220), qMax(1.2, radius * 0.16)));
    p.setBrush(Qt::NoBrush);
    const qreal h = radius * 0.62;
    p.drawArc(QRectF(centre.x() - h, centre.y() - h, 2 * h, 2 * h), 105 * 16, 60 * 16);
}

// ---------------------------------------------------------------------------------------------------------------
// The larva. Its body follows a curved spine from the head (start) to the tail (end); every part is drawn in
// the local frame of a point of the spine: x runs towards the tail, negative y is the back (the side of the
// siphon).

class Larva {
public:
    // `plumpness` widens the body and siphon; small drawings need a fuller body to stay readable.
    explicit Larva(qreal plumpness = 1.0) : plumpness_(plumpness) {
        spine_.moveTo(22, 66);
        spine_.cubicTo(62, 90, 128, 94, 172, 60);
    }

    // The rectangle (in the larva's own units) that holds the whole drawing.
    static QRectF bounds() { return QRectF(6, 24, 184, 78); }

    // Maps the larva, turned by `angle` degrees, as large as fits into `target`, centred.
    static QTransform fit(const QRectF& target, qreal angle) {
        QTransform turn;
        turn.rotate(angle);
        const QRectF turned = turn.mapRect(bounds());
        const qreal scale = qMin(target.width() / turned.width(), target.height() / turned.height());
        QTransform place;
        place.translate(target.center().x(), target.center().y());
        place.scale(scale, scale);
        place.translate(-turned.center().x(), -turned.center().y());
        return turn * place;
    }

    QPointF siphonTip() const { return siphonFrame().map(QPointF(kSiphonLength + 1.5, 0)); }

    // `base` maps the larva's units to the device; `detailed` adds the finer hairs.
    void draw(QPainter& p, const QTransform& base, bool detailed) const {
        const qreal scale = std::sqrt(std::abs(base.determinant()));
        const qreal px = 1.0 / scale; // one device pixel in larva units
        const qreal edge = qMax(1.1, 1.0 * px);
        const qreal hair = qMax(0.8, 0.85 * px);
        p.save();

        // Hairs first, so the body covers their roots.
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(kBristle, hair));
        for (int i = 1; i <= 8; ++i) {
            if (!detailed && i % 2 == 0)
                continue;
            const Part s = abdomen(i);
            p.setTransform(frame(s.middle()) * base);
            const qreal h = s.width / 2 - 0.5;
            const qreal len = s.width * 0.45 + 5.0;
            const std::vector<qreal> angles = detailed ? std::vector<qreal>{58, 80} : std::vector<qreal>{68};
            for (qreal a : angles) {
                const QPointF d(std::cos(qDegreesToRadians(a)), std::sin(qDegreesToRadians(a)));
                p.drawLine(QPointF(0, h), QPointF(d.x() * len, h + d.y() * len));
                p.drawLine(QPointF(0, -h), QPointF(d.x() * len, -h - d.y() * len));
            }
        }
        {
            const Part t = thorax();
            p.setTransform(frame(t.middle()) * base);
            const qreal h = t.width / 2 - 1.0;
            const std::vector<qreal> angles =
                detailed ? std::vector<qreal>{50, 85, 120} : std::vector<qreal>{65, 115};
            for (qreal a : angles) {
                const QPointF d(std::cos(qDegreesToRadians(a)), std::sin(qDegreesToRadians(a)));
                const qreal len = 13.0;
                p.drawLine(QPointF(0, h), QPointF(d.x() * len, h + d.y() * len));
                p.drawLine(QPointF(0, -h), QPointF(d.x() * len, -h - d.y() * len));
            }
        }
        // Brush under the last segment and tail papillae.
        p.setTransform(frame(1.0) * base);
        if (detailed) {
            for (qreal a : {70.0, 88.0, 106.0, 124.0}) {
                const QPointF d(std::cos(qDegreesToRadians(a)), std::sin(qDegreesToRadians(a)));
                p.drawLine(QPointF(-4, 3), QPointF(-4 + d.x() * 11, 3 + d.y() * 11));
            }
        }
        p.setPen(roundPen(kLarvaBody.darker(150), edge));
        p.setBrush(QColor(214, 222, 186));
        for (qreal a : {-28.0, -9.0, 9.0, 28.0}) {
            p.save();
            p.rotate(a);
            p.drawEllipse(QRectF(-1.0, -1.5, 8.0, 3.0));
            p.restore();
        }

        // Siphon, the breathing tube.
        p.setTransform(siphonFrame() * base);
        const qreal root = 4.2 * plumpness_, top = 2.7 * plumpness_;
        QPainterPath tube;
        tube.moveTo(0, -root);
        tube.lineTo(kSiphonLength, -top);
        tube.quadTo(kSiphonLength + 2.2, 0, kSiphonLength, top);
        tube.lineTo(0, root);
        tube.closeSubpath();
        fillStyle(p, kLarvaSiphon, edge);
        p.drawPath(tube);
        p.setPen(roundPen(kLarvaSiphon.darker(170), edge));
        p.drawLine(QPointF(kSiphonLength - 3.5, -top - 0.2), QPointF(kSiphonLength - 3.5, top + 0.2));
        if (detailed) {
            p.setPen(roundPen(kBristle, hair));
            for (qreal x : {7.0, 12.0})
                p.drawLine(QPointF(x, 3.8), QPointF(x + 3.0, 7.5));
        }

        // Body, tail first so that every segment lies over the one behind it.
        drawSegment(p, base, Part{0.895, 1.0, 9.5 * plumpness_}, kLarvaBody, edge);
        for (int i = 8; i >= 1; --i)
            drawSegment(p, base, abdomen(i), kLarvaBody, edge);
        drawSegment(p, base, thorax(), kLarvaBody.lighter(104), edge);

        // Head with antennae and mouth brushes.
        const Part head{0.0, 0.105, 19.0 * plumpness_};
        p.setTransform(frame(head.middle()) * base);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(kBristle, hair));
        p.drawLine(QPointF(-6, -6), QPointF(-14, -11));
        p.drawLine(QPointF(-6, 6), QPointF(-14, 11));
        if (detailed) {
            for (qreal a : {-30.0, -12.0, 6.0, 24.0}) {
                const QPointF d(-std::cos(qDegreesToRadians(a)), std::sin(qDegreesToRadians(a)));
                p.drawLine(QPointF(-8, 0), QPointF(-8 + d.x() * 9, d.y() * 9));
            }
        }
        drawSegment(p, base, head, kLarvaHead, edge);
        p.setTransform(frame(head.middle()) * base);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(34, 30, 20));
        p.drawEllipse(QPointF(-2.5, -4.2), 2.2, 2.2);
        p.drawEllipse(QPointF(-2.5, 4.2), 2.2, 2.2);

        p.restore();
    }

private:
    static constexpr qreal kSiphonLength = 30.0;

    struct Part {
        qreal start;
        qreal end;
        qreal width;
        qreal middle() const { return (start + end) / 2; }
    };

    Part thorax() const { return Part{0.095, 0.25, 27.0 * plumpness_}; }
    Part abdomen(int i) const {
        const qreal step = 0.0815;
        const qreal start = 0.243 + (i - 1) * step;
        return Part{start, start + step, (19.0 - (i - 1) * 1.15) * plumpness_};
    }

    QTransform frame(qreal t) const {
        const QPointF c = spine_.pointAtPercent(t);
        QTransform f;
        f.translate(c.x(), c.y());
        f.rotate(-spine_.angleAtPercent(t));
        return f;
    }

    QTransform siphonFrame() const {
        QTransform s;
        s.translate(0, -abdomen(8).width * 0.22);
        s.rotate(-52);
        return s * frame(abdomen(8).middle());
    }

    void drawSegment(QPainter& p, const QTransform& base, const Part& part, const QColor& fill,
                     qreal edge) const {
        const qreal length = (part.end - part.start) * spine_.length() * 1.14;
        p.setTransform(frame(part.middle()) * base);
        fillStyle(p, fill, edge);
        p.drawEllipse(QRectF(-length / 2, -part.width / 2, length, part.width));
        // A soft light stripe along the back.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 240, 70));
        p.drawEllipse(QRectF(-length * 0.3, -part.width * 0.36, length * 0.6, part.width * 0.26));
    }

    QPainterPath spine_;
    qreal plumpness_;
};

// ---------------------------------------------------------------------------------------------------------------
// Product mark: a teal water droplet holding a curled white larva.

void drawMark(QPainter& p, const QRectF& box) {
    auto at = [&](qreal x, qreal y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    const qreal w = box.width();

    QPainterPath drop;
    drop.moveTo(at(0.5, 0.0));
    drop.cubicTo(at(0.60, 0.18), at(0.92, 0.40), at(0.92, 0.63));
    drop.arcTo(QRectF(at(0.08, 0.26), at(0.92, 1.0)), 0, -180);
    drop.cubicTo(at(0.08, 0.40), at(0.40, 0.18), at(0.5, 0.0));
    drop.closeSubpath();
    QLinearGradient water(at(0.2, 0.1), at(0.8, 1.0));
    water.setColorAt(0, QColor(52, 178, 166));
    water.setColorAt(1, QColor(0, 110, 110));
    p.setPen(roundPen(kDarkTeal, qMax(1.0, w / 36)));
    p.setBrush(water);
    p.drawPath(drop);

    // Shine on the upper left.
    p.save();
    p.translate(at(0.33, 0.42));
    p.rotate(32);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 95));
    p.drawEllipse(QPointF(0, 0), w * 0.05, w * 0.14);
    p.restore();

    // Larva: round segments from head to tail along a curve, with the siphon near the tail.
    const QPointF head = at(0.40, 0.55), bend = at(0.44, 0.92), tail = at(0.72, 0.72);
    const QPointF siphonStart = at(0.66, 0.78), siphonEnd = at(0.78, 0.56);
    const QColor rim(0, 84, 84);
    const qreal rimWidth = qMax(0.8, w / 60);
    // Dark rims first (siphon, body), then the white fills over them, so the two join without a seam.
    const int count = 7;
    auto segment = [&](int i, qreal& r) {
        const qreal t = qreal(i) / (count - 1);
        r = w * (0.105 - 0.05 * t);
        return (1 - t) * (1 - t) * head + 2 * (1 - t) * t * bend + t * t * tail;
    };
    p.setPen(roundPen(rim, w * 0.075 + 2 * rimWidth));
    p.drawLine(siphonStart, siphonEnd);
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    for (int i = 0; i < count; ++i) {
        qreal r = 0;
        const QPointF c = segment(i, r);
        p.drawEllipse(c, r + rimWidth, r + rimWidth);
    }
    p.setPen(roundPen(Qt::white, w * 0.075));
    p.drawLine(siphonStart, siphonEnd);
    p.setBrush(Qt::white);
    for (int i = count - 1; i >= 0; --i) {
        qreal r = 0;
        const QPointF c = segment(i, r);
        p.setPen(QPen(QColor(0, 110, 110, 80), rimWidth * 0.8));
        p.drawEllipse(c, r, r);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(head + QPointF(-w * 0.03, -w * 0.035), w * 0.022, w * 0.022);
}

// Text outline centred vertically on `middleY`, starting at `left`.
QPainterPath textPath(const QString& text, const QFont& font, qreal left, qreal middleY) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return QTransform::fromTranslate(left - box.left(), middleY - box.center().y()).map(path);
}

QPainterPath centredText(const QString& text, const QFont& font, QPointF centre) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return QTransform::fromTranslate(centre.x() - box.center().x(), centre.y() - box.center().y()).map(path);
}

QFont boldFont(int pixels) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

// ---------------------------------------------------------------------------------------------------------------
// Large pictures

void drawBanner(QPainter& p) {
    const qreal w = 731, h = 50;
    QLinearGradient sky(0, 0, w, 0);
    sky.setColorAt(0.0, QColor(0, 118, 118));
    sky.setColorAt(0.45, QColor(46, 152, 128));
    sky.setColorAt(1.0, QColor(166, 210, 168));
    p.fillRect(QRectF(0, 0, w, h), sky);
    QLinearGradient shade(0, 0, 0, h);
    shade.setColorAt(0, QColor(255, 255, 255, 34));
    shade.setColorAt(0.5, QColor(255, 255, 255, 0));
    shade.setColorAt(1, QColor(0, 40, 40, 30));
    p.fillRect(QRectF(0, 0, w, h), shade);

    // Soft ripples spreading from two drops.
    p.setBrush(Qt::NoBrush);
    for (const QPointF& c : {QPointF(505, 30), QPointF(650, 16)}) {
        for (int i = 1; i <= 4; ++i) {
            p.setPen(QPen(QColor(255, 255, 255, 70 - i * 13), 1.3));
            const qreal rx = i * 17.0, ry = i * 6.0;
            p.drawEllipse(c, rx, ry);
        }
    }

    // A thin row of city blocks along the bottom edge.
    p.setPen(Qt::NoPen);
    const qreal widths[] = {22, 14, 30, 18, 26, 12, 20, 28, 16, 24};
    const qreal heights[] = {5, 8, 4, 7, 5, 9, 6, 4, 8, 5};
    qreal x = 150;
    for (int i = 0; x < w; ++i) {
        const qreal bw = widths[i % 10], bh = heights[(i * 3) % 10];
        p.setBrush(QColor(255, 255, 255, 30 + (i % 3) * 8));
        p.drawRoundedRect(QRectF(x, h - 2 - bh, bw, bh), 1.2, 1.2);
        x += bw + 5;
    }
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(w, 0.5));
    p.setPen(QPen(QColor(0, 60, 60, 70), 1));
    p.drawLine(QPointF(0, h - 0.5), QPointF(w, h - 0.5));
}

void drawLogo(QPainter& p) {
    p.setPen(QPen(QColor(150, 196, 186), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 133, 44), 9, 9);
    drawMark(p, QRectF(7, 4.5, 28.5, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 100, 100));
    p.drawPath(textPath(QStringLiteral("Korva"), boldFont(30), 43, 23));
}

void drawLarvaPicture(QPainter& p) {
    const qreal w = 425, h = 238;
    const qreal surface = 40;
    QLinearGradient air(0, 0, 0, surface);
    air.setColorAt(0, QColor(250, 252, 248));
    air.setColorAt(1, QColor(242, 248, 242));
    p.fillRect(QRectF(0, 0, w, surface), air);
    QLinearGradient water(0, surface, 0, h);
    water.setColorAt(0, QColor(218, 238, 236));
    water.setColorAt(1, QColor(244, 250, 246));
    p.fillRect(QRectF(0, surface, w, h - surface), water);

    // Water surface with small waves.
    QPainterPath wave;
    wave.moveTo(0, surface);
    for (qreal x = 0; x < w; x += 24) {
        wave.quadTo(x + 6, surface - 2.2, x + 12, surface);
        wave.quadTo(x + 18, surface + 2.2, x + 24, surface);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(roundPen(QColor(0, 128, 128, 120), 1.5));
    p.drawPath(wave);

    // Bar chart in risk colours.
    const qreal baseLine = 212, axisX = 236;
    p.setPen(QPen(QColor(0, 128, 128, 40), 1));
    for (int i = 1; i <= 4; ++i)
        p.drawLine(QPointF(axisX, baseLine - i * 34 + 0.5), QPointF(404, baseLine - i * 34 + 0.5));
    const QColor colours[] = {QColor(64, 168, 76),  QColor(140, 196, 70), QColor(236, 204, 46),
                              QColor(246, 160, 44), QColor(234, 102, 42), QColor(208, 50, 44)};
    const qreal heights[] = {36, 56, 76, 98, 120, 142};
    for (int i = 0; i < 6; ++i) {
        const QRectF bar(244 + i * 27.0, baseLine - heights[i], 20, heights[i] + 3);
        fillStyle(p, colours[i]);
        p.drawRoundedRect(bar, 3, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawRect(QRectF(bar.left() + 3, bar.top() + 3, 4, bar.height() - 6));
    }
    p.setPen(roundPen(QColor(84, 96, 96), 1.6));
    p.drawLine(QPointF(axisX, 58), QPointF(axisX, baseLine));
    p.drawLine(QPointF(axisX, baseLine), QPointF(408, baseLine));

    // The larva hangs from the surface by its siphon.
    const Larva larva;
    QTransform place = Larva::fit(QRectF(4, 44, 246, 190), -22);
    const QPointF tip = place.map(larva.siphonTip());
    place *= QTransform::fromTranslate(0, surface - tip.y());
    larva.draw(p, place, true);
    // A small dimple where the siphon meets the surface.
    const QPointF touch = place.map(larva.siphonTip());
    p.setPen(roundPen(QColor(0, 128, 128, 110), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(touch.x() - 12, touch.y() - 4, 24, 8), 200 * 16, 140 * 16);

    p.setPen(QPen(kTeal, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
}

void drawSmallLarva(QPainter& p) {
    Larva(1.3).draw(p, Larva::fit(QRectF(1, 1, 63, 55), -30), false);
}

void drawWindowIcon(QPainter& p) {
    drawMark(p, QRectF(8.5, 1.5, 47, 61));
}

// ---------------------------------------------------------------------------------------------------------------
// Button icons, 32 x 32

void iconEnter(QPainter& p) {
    fillStyle(p, QColor(62, 66, 82));
    p.drawRect(QRectF(13.5, 3.5, 16, 25));
    QPolygonF leaf;
    leaf << QPointF(29.5, 3.5) << QPointF(22, 1.5) << QPointF(22, 30.5) << QPointF(29.5, 28.5);
    fillStyle(p, QColor(206, 146, 80));
    p.drawPolygon(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 30));
    p.drawEllipse(QPointF(24.2, 16.5), 1.2, 1.2);
    drawArrow(p, QPointF(1.5, 16), QPointF(20, 16), kGreen, 5.5, 11);
}

void iconClearDatabase(QPainter& p) {
    const QRectF r(4.5, 3.5, 19, 23);
    const qreal eh = 6.5;
    const QColor fill(70, 140, 210);
    QPainterPath body;
    body.moveTo(r.left(), r.top() + eh / 2);
    body.lineTo(r.left(), r.bottom() - eh / 2);
    body.arcTo(QRectF(r.left(), r.bottom() - eh, r.width(), eh), 180, 180);
    body.lineTo(r.right(), r.top() + eh / 2);
    body.closeSubpath();
    fillStyle(p, fill);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    for (qreal y : {r.top() + 7.5, r.top() + 14.5})
        p.drawArc(QRectF(r.left(), y - eh / 2, r.width(), eh), 180 * 16, 180 * 16);
    fillStyle(p, fill.lighter(130));
    p.drawEllipse(QRectF(r.left(), r.top(), r.width(), eh));
    drawBadge(p, QPointF(23.5, 23.5), 7, kRed, false);
}

void iconShutDown(QPainter& p) {
    QPainterPath power;
    const QRectF ring(5.5, 6.5, 21, 21);
    power.arcMoveTo(ring, 58);
    power.arcTo(ring, 58, -296);
    power.moveTo(16, 3.5);
    power.lineTo(16, 15.5);
    rimmedStroke(p, power, kRed, 3.4);
}

void iconSave(QPainter& p) {
    QPolygonF body;
    body << QPointF(4.5, 4.5) << QPointF(24, 4.5) << QPointF(27.5, 8) << QPointF(27.5, 27.5)
         << QPointF(4.5, 27.5);
    fillStyle(p, kBlue);
    p.drawPolygon(body);
    fillStyle(p, QColor(208, 214, 222));
    p.drawRect(QRectF(9.5, 4.5, 13, 8.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue.darker(130));
    p.drawRect(QRectF(17.5, 6, 3, 5.5));
    fillStyle(p, kPaper);
    p.drawRect(QRectF(8.5, 16.5, 15, 11));
    p.setPen(roundPen(QColor(150, 170, 200), 1.2));
    p.drawLine(QPointF(10.5, 20), QPointF(21.5, 20));
    p.drawLine(QPointF(10.5, 23.5), QPointF(21.5, 23.5));
}

void iconErase(QPainter& p) {
    p.setPen(roundPen(QColor(150, 156, 160), 1.4));
    p.drawLine(QPointF(3, 28.8), QPointF(29, 28.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 150, 168));
    p.drawEllipse(QPointF(4.5, 26.2), 1.1, 1.1);
    p.drawEllipse(QPointF(7.2, 25), 0.9, 0.9);
    p.save();
    p.translate(16, 17);
    p.rotate(-35);
    const QRectF block(-11.5, -5.5, 23, 11);
    fillStyle(p, QColor(72, 124, 204));
    p.drawRoundedRect(block, 2.5, 2.5);
    p.save();
    p.setClipRect(QRectF(-13, -7, 10.5, 14));
    fillStyle(p, QColor(242, 136, 158));
    p.drawRoundedRect(block, 2.5, 2.5);
    p.restore();
    p.setPen(roundPen(QColor(72, 124, 204).darker(165), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(block, 2.5, 2.5);
    p.drawLine(QPointF(-2.5, -5.5), QPointF(-2.5, 5.5));
    p.restore();
}

void iconClose(QPainter& p) {
    fillStyle(p, kRed, 1.2);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    p.setPen(roundPen(Qt::white, 3.4));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

void iconEdit(QPainter& p) {
    p.setPen(roundPen(kPaperEdge, 1.0));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(2.5, 6.5, 22, 19), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawRoundedRect(QRectF(5, 9, 7, 3), 1, 1);
    drawTextLines(p, 5.5, 20, {15.5, 19});
    p.save();
    p.translate(11, 26.5);
    p.rotate(-45);
    QPolygonF cone;
    cone << QPointF(0, 0) << QPointF(6, -3) << QPointF(6, 3);
    fillStyle(p, QColor(240, 212, 164));
    p.drawPolygon(cone);
    QPolygonF lead;
    lead << QPointF(0, 0) << QPointF(2.3, -1.15) << QPointF(2.3, 1.15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 56));
    p.drawPolygon(lead);
    fillStyle(p, kYellow);
    p.drawRect(QRectF(6, -3, 13, 6));
    fillStyle(p, QColor(190, 196, 204));
    p.drawRect(QRectF(19, -3, 2.5, 6));
    fillStyle(p, QColor(240, 136, 150));
    p.drawRoundedRect(QRectF(21.5, -3, 4, 6), 1.2, 1.2);
    p.restore();
}

void iconExport(QPainter& p) {
    drawSheet(p, QRectF(3.5, 2.5, 18, 26), 6);
    drawTextLines(p, 6.5, 14, {8.5});
    drawTextLines(p, 6.5, 18.5, {12, 15.5, 25});
    drawArrow(p, QPointF(11, 20.5), QPointF(30.5, 20.5), kGreen, 5, 10);
}

void iconHelp(QPainter& p) {
    QRadialGradient glow(QPointF(12, 10), 18);
    glow.setColorAt(0, kBlue.lighter(135));
    glow.setColorAt(1, kBlue);
    p.setPen(roundPen(kBlue.darker(165), 1.2));
    p.setBrush(glow);
    p.drawEllipse(QPointF(16, 16), 13.5, 13.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(centredText(QStringLiteral("?"), boldFont(22), QPointF(16, 16.3)));
}

void iconNew(QPainter& p) {
    drawSheet(p, QRectF(4.5, 2.5, 19, 26), 6);
    drawTextLines(p, 7.5, 16, {9, 12.5, 16});
    drawBadge(p, QPointF(23, 23), 7.5, kGreen, true);
}

void iconDelete(QPainter& p) {
    const QColor red = kRed;
    fillStyle(p, red.darker(115));
    p.drawRoundedRect(QRectF(12, 3, 8, 4.5), 1.2, 1.2);
    QPolygonF body;
    body << QPointF(7.5, 9.5) << QPointF(24.5, 9.5) << QPointF(22.8, 29) << QPointF(9.2, 29);
    fillStyle(p, red);
    p.drawPolygon(body);
    p.setPen(roundPen(QColor(255, 255, 255, 170), 1.6));
    p.drawLine(QPointF(12.2, 13.5), QPointF(12.9, 25.5));
    p.drawLine(QPointF(16, 13.5), QPointF(16, 25.5));
    p.drawLine(QPointF(19.8, 13.5), QPointF(19.1, 25.5));
    fillStyle(p, red.darker(115));
    p.drawRoundedRect(QRectF(4.5, 6, 23, 4.5), 1.5, 1.5);
}

void drawTriangle(QPainter& p, qreal tipX, qreal baseX) {
    QPolygonF t;
    t << QPointF(baseX, 5.5) << QPointF(tipX, 16) << QPointF(baseX, 26.5);
    fillStyle(p, QColor(0, 140, 136), 1.3);
    p.drawPolygon(t);
}

void drawBar(QPainter& p, qreal left) {
    fillStyle(p, QColor(0, 140, 136), 1.3);
    p.drawRoundedRect(QRectF(left, 5.5, 4.5, 21), 1, 1);
}

void iconFirst(QPainter& p) {
    drawBar(p, 5.5);
    drawTriangle(p, 11.5, 26);
}

void iconPrevious(QPainter& p) {
    drawTriangle(p, 8, 24);
}

void iconNext(QPainter& p) {
    drawTriangle(p, 24, 8);
}

void iconLast(QPainter& p) {
    drawTriangle(p, 20.5, 6);
    drawBar(p, 22);
}

void iconReport(QPainter& p) {
    drawSheet(p, QRectF(5.5, 2.5, 21, 27), 7);
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawRect(QRectF(8.5, 6, 9, 3));
    drawTextLines(p, 8.5, 23.5, {13, 16.5, 20});
    drawTextLines(p, 8.5, 16, {23.5, 26.5});
    drawTextLines(p, 19, 23.5, {23.5, 26.5});
}

void iconCalculator(QPainter& p) {
    fillStyle(p, kSlate);
    p.drawRoundedRect(QRectF(5.5, 1.5, 21, 29), 3, 3);
    fillStyle(p, QColor(196, 232, 196));
    p.drawRoundedRect(QRectF(8.5, 4.5, 15, 6), 1, 1);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool equals = row == 3 && col == 2;
            p.setBrush(equals ? QColor(246, 150, 44) : QColor(228, 232, 236));
            p.drawRoundedRect(QRectF(8.5 + col * 5.2, 13.5 + row * 4.2, 4.2, 3.2), 0.8, 0.8);
        }
    }
}

void iconPrint(QPainter& p) {
    p.setPen(roundPen(kPaperEdge, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9.5, 2.5, 13, 10));
    fillStyle(p, QColor(150, 160, 176));
    p.drawRoundedRect(QRectF(3.5, 10.5, 25, 12.5), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 190, 204));
    p.drawRect(QRectF(5, 11.5, 22, 2.5));
    p.setBrush(QColor(80, 200, 90));
    p.drawEllipse(QPointF(24.5, 16.5), 1.4, 1.4);
    p.setPen(roundPen(QColor(56, 62, 74), 1.8));
    p.drawLine(QPointF(8, 19.5), QPointF(24, 19.5));
    p.setPen(roundPen(kPaperEdge, 1.0));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9.5, 19.5, 13, 10));
    drawTextLines(p, 11.5, 20.5, {23, 26});
}

void drawGrid(QPainter& p, const QRectF& r, int columns, int rows, const QColor& line, const QColor& header,
              const QColor& firstColumn) {
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawRect(r);
    const qreal cw = r.width() / columns, rh = r.height() / rows;
    if (firstColumn.isValid()) {
        p.setBrush(firstColumn);
        p.drawRect(QRectF(r.left(), r.top(), cw, r.height()));
    }
    p.setBrush(header);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), rh));
    p.setPen(QPen(line, 1));
    for (int c = 1; c < columns; ++c)
        p.drawLine(QPointF(r.left() + c * cw, r.top()), QPointF(r.left() + c * cw, r.bottom()));
    for (int k = 1; k < rows; ++k)
        p.drawLine(QPointF(r.left(), r.top() + k * rh), QPointF(r.right(), r.top() + k * rh));
    p.setPen(QPen(line.darker(130), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

void iconPreview(QPainter& p) {
    drawGrid(p, QRectF(2.5, 2.5, 20, 20), 4, 4, QColor(150, 170, 170), QColor(0, 140, 136), QColor());
    drawMagnifier(p, QPointF(19, 19), 6.5, 2.2, 10, 3.6, 170);
}

void iconStatistics(QPainter& p) {
    const qreal heights[] = {9, 16, 12, 21};
    for (int i = 0; i < 4; ++i) {
        fillStyle(p, QColor(0, 148, 140));
        p.drawRect(QRectF(7.5 + i * 5.5, 27.5 - heights[i], 4, heights[i]));
    }
    p.setPen(roundPen(QColor(70, 80, 86), 1.8));
    p.drawLine(QPointF(4, 3.5), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
}

void iconCharts(QPainter& p) {
    const QRectF pie(3, 4.5, 24, 24);
    struct Slice {
        int start, span;
        QColor colour;
    };
    const Slice slices[] = {{20, 150, QColor(0, 148, 140)}, {170, 110, kYellow}, {280, 50, kGreen}};
    for (const Slice& s : slices) {
        fillStyle(p, s.colour);
        p.drawPie(pie, s.start * 16, s.span * 16);
    }
    const qreal mid = qDegreesToRadians(355.0);
    const QPointF shift(std::cos(mid) * 3.0, -std::sin(mid) * 3.0);
    fillStyle(p, kRed);
    p.drawPie(pie.translated(shift + QPointF(0.5, -1.2)), 330 * 16, 50 * 16);
}

void iconSpreadsheet(QPainter& p) {
    const QColor green(30, 134, 66);
    drawGrid(p, QRectF(2.5, 4.5, 27, 23), 4, 5, QColor(120, 186, 130), green, QColor(214, 238, 216));
    p.setPen(QPen(green.darker(120), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 4.5, 27, 23));
}

void iconSearch(QPainter& p) {
    drawMagnifier(p, QPointF(13, 13), 8.5, 2.8, 14, 4.6, 255);
}

struct Picture {
    const char* name;
    int width;
    int height;
    Drawing draw;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: korva-draw-pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<Picture> pictures = {
        {"banner.png", 731, 50, drawBanner},
        {"logo.png", 134, 45, drawLogo},
        {"larva.png", 425, 238, drawLarvaPicture},
        {"larva-small.png", 65, 57, drawSmallLarva},
        {"korva.png", 64, 64, drawWindowIcon},
        {"entrar.png", 32, 32, iconEnter},
        {"limpar-bd.png", 32, 32, iconClearDatabase},
        {"encerrar.png", 32, 32, iconShutDown},
        {"gravar.png", 32, 32, iconSave},
        {"limpar.png", 32, 32, iconErase},
        {"fechar.png", 32, 32, iconClose},
        {"editar.png", 32, 32, iconEdit},
        {"orv.png", 32, 32, iconExport},
        {"ajuda.png", 32, 32, iconHelp},
        {"novo.png", 32, 32, iconNew},
        {"excluir.png", 32, 32, iconDelete},
        {"primeiro.png", 32, 32, iconFirst},
        {"anterior.png", 32, 32, iconPrevious},
        {"proximo.png", 32, 32, iconNext},
        {"ultimo.png", 32, 32, iconLast},
        {"relatorio.png", 32, 32, iconReport},
        {"calculo.png", 32, 32, iconCalculator},
        {"imprimir.png", 32, 32, iconPrint},
        {"visualizar.png", 32, 32, iconPreview},
        {"estatistica.png", 32, 32, iconStatistics},
        {"graficos.png", 32, 32, iconCharts},
        {"planilha.png", 32, 32, iconSpreadsheet},
        {"consultar.png", 32, 32, iconSearch},
    };

    int failures = 0;
    for (const Picture& picture : pictures) {
        const QString path = folder.filePath(QString::fromLatin1(picture.name));
        const QImage image = render(picture.width, picture.height, picture.draw);
        if (image.save(path, "PNG")) {
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
