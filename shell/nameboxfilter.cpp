#include "nameboxfilter.h"

#include "core/namefilter.h"
#include "platform.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace orbelle {

namespace {

bool typesACharacter(const QKeyEvent *key)
{
    if (key->text().isEmpty())
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // Tab, Backtab, Escape and Delete carry control characters but move the
    // focus or edit; they are not typed into the box.
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return false;
    default:
        return true;
    }
}

} // namespace

NameBoxFilter::NameBoxFilter(QLineEdit *box, Platform &platform, QString refusalMessage)
    : QObject(box), m_box(box), m_platform(platform), m_refusalMessage(std::move(refusalMessage))
{
    box->installEventFilter(this);
}

bool NameBoxFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!typesACharacter(key))
        return false;
    const QString typed = key->text();
    const QChar first = typed.at(0);
    const std::optional<QChar> accepted = acceptedNameCharacter(first);
    if (!accepted || typed.size() != 1) {
        m_platform.showMessage(m_box, MessageIcon::Information, m_refusalMessage);
        return true;
    }
    if (*accepted == first)
        return false;
    m_box->insert(QString(*accepted));
    return true;
}

} // namespace orbelle
