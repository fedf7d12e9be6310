#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <map>

namespace orbelle {

// The tool windows that are loaded, by form name. Windows are created on first
// use; selecting a tool in the launcher closes every one of them.
class ToolWindowRegistry
{
public:
    template <class Window, class Create> Window *window(const QString &formName, Create create)
    {
        if (QWidget *existing = find(formName))
            return static_cast<Window *>(existing);
        Window *created = create();
        m_windows[formName] = created;
        return created;
    }

    QWidget *find(const QString &formName) const;
    QStringList loadedForms() const;

    // Called by a window as it closes: a closed window is never handed out again.
    void forget(const QWidget *window);
    // Closes (and so deletes) every loaded tool window.
    void closeAll();

private:
    std::map<QString, QPointer<QWidget>> m_windows;
};

} // namespace orbelle
