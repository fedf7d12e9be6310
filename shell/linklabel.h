#pragma once

#include <QLabel>
#include <QUrl>

namespace orbelle {

class Platform;

// A label that opens one page of the maker's site when clicked. Its text is
// shown as plain text, so nothing in it is ever read as markup.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &text, const QUrl &target, Platform &platform,
              QWidget *parent = nullptr);

    QUrl target() const { return m_target; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QUrl m_target;
    Platform &m_platform;
    bool m_pressed = false;
};

} // namespace orbelle

namespace orbelle {

// Makes any widget open a page when clicked with the left button.
void openOnClick(QWidget *widget, const QUrl &target, Platform &platform);

} // namespace orbelle
