#include "linklabel.h"

#include "platform.h"

#include <QMouseEvent>

namespace orbelle {

LinkLabel::LinkLabel(const QString &text, const QUrl &target, Platform &platform, QWidget *parent)
    : QLabel(text, parent), m_target(target), m_platform(platform)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setWordWrap(true);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
    if (m_pressed)
        event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (!click)
        return;
    // Handled here: a banner's panel must not open its own page as well.
    event->accept();
    emit clicked();
    if (m_target.isValid())
        m_platform.openUrl(m_target);
}

} // namespace orbelle

namespace orbelle {

namespace {

class ClickOpener : public QObject
{
public:
    ClickOpener(QWidget *widget, const QUrl &target, Platform &platform)
        : QObject(widget), m_target(target), m_platform(platform)
    {
        widget->installEventFilter(this);
        widget->setCursor(Qt::PointingHandCursor);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_platform.openUrl(m_target);
        return QObject::eventFilter(watched, event);
    }

private:
    QUrl m_target;
    Platform &m_platform;
};

} // namespace

void openOnClick(QWidget *widget, const QUrl &target, Platform &platform)
{
    new ClickOpener(widget, target, platform);
}

} // namespace orbelle
