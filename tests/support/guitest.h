#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace orbelle::test {

// The visible top-level window with that form name, or nullptr.
inline QWidget *visibleWindow(const QString &formName)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == formName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Any top-level window with that form name that still exists, shown or not.
inline QWidget *loadedWindow(const QString &formName)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == formName)
            return widget;
    }
    return nullptr;
}

// Lets closed windows finish deleting themselves.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Every top-level window that still exists, shown or hidden.
inline QStringList leftoverWindows()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets())
        names << widget->objectName() + (widget->isVisible() ? "" : " (hidden)");
    return names;
}

inline QStringList visibleWindowNames()
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            names << widget->objectName();
    }
    return names;
}

// Picks a list entry the way a user does: by its text.
inline bool pick(QComboBox *list, const QString &text)
{
    if (!list)
        return false;
    const int index = list->findText(text);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

// Fills a name box and the three lists of an input window.
inline bool enterBirth(QWidget *window, const QString &typed, const QString &day,
                       const QString &month, const QString &year)
{
    auto *name = window->findChild<QLineEdit *>(QStringLiteral("txtName"));
    if (!name)
        return false;
    name->setFocus();
    name->clear();
    QTest::keyClicks(name, typed);
    return pick(window->findChild<QComboBox *>(QStringLiteral("cboDate")), day) &&
           pick(window->findChild<QComboBox *>(QStringLiteral("cboMonth")), month) &&
           pick(window->findChild<QComboBox *>(QStringLiteral("cboYear")), year);
}

} // namespace orbelle::test
