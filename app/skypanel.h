#pragma once

#include <QColor>
#include <QWidget>

namespace orbelle {

// A strip of the launcher with a quiet night-sky decoration painted behind
// its children: a soft gradient, two faint orbits and a few small stars.
// Painted rather than loaded, so it costs nothing at start-up.
class SkyPanel : public QWidget
{
public:
    SkyPanel(const QColor &light, const QColor &deep, const QColor &ink, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_light;
    QColor m_deep;
    QColor m_ink;
};

} // namespace orbelle
