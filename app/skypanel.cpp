#include "skypanel.h"

#include <QPainter>
#include <QPainterPath>

namespace orbelle {

namespace {

// Star positions as fractions of the panel, so the pattern scales with it.
constexpr QPointF kStars[] = {
    {0.04, 0.30}, {0.11, 0.72}, {0.17, 0.18}, {0.26, 0.55}, {0.33, 0.85}, {0.41, 0.22},
    {0.58, 0.80}, {0.64, 0.15}, {0.71, 0.62}, {0.79, 0.28}, {0.87, 0.78}, {0.95, 0.40},
};

void drawStar(QPainter &painter, const QPointF &centre, qreal radius)
{
    QPainterPath star;
    star.moveTo(centre + QPointF(0, -radius));
    star.quadTo(centre, centre + QPointF(radius, 0));
    star.quadTo(centre, centre + QPointF(0, radius));
    star.quadTo(centre, centre + QPointF(-radius, 0));
    star.quadTo(centre, centre + QPointF(0, -radius));
    painter.drawPath(star);
}

} // namespace

SkyPanel::SkyPanel(const QColor &light, const QColor &deep, const QColor &ink, QWidget *parent)
    : QWidget(parent), m_light(light), m_deep(deep), m_ink(ink)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SkyPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();

    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, m_light);
    sky.setColorAt(1, m_deep);
    painter.fillRect(area, sky);

    QColor orbit = m_ink;
    orbit.setAlpha(50);
    painter.setPen(QPen(orbit, 1.2));
    painter.setBrush(Qt::NoBrush);
    const qreal h = area.height();
    painter.drawEllipse(QPointF(area.width() * 0.06, h * 0.5), h * 1.1, h * 0.55);
    painter.drawEllipse(QPointF(area.width() * 0.94, h * 0.5), h * 0.9, h * 0.45);

    QColor starColour = m_ink;
    starColour.setAlpha(90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(starColour);
    int i = 0;
    for (const QPointF &at : kStars) {
        const qreal radius = (i++ % 3 == 0) ? 4.0 : 2.5;
        drawStar(painter, QPointF(at.x() * area.width(), at.y() * h), radius);
    }
}

} // namespace orbelle
