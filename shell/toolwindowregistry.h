#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <utility>
#include <vector>

namespace orbelle {

// The tool windows that are loaded, by form name, in the order they were
// created. Windows are created on first use; selecting a tool in the
// launcher closes every one of them.
class ToolWindowRegistry
{
public:
    template <class Window, class Create> Window *window(const QString &formName, Create create)
    {
        if (QWidget *existing = find(formName))
            return static_cast<Window *>(existing);
        Window *created = create();
        m_windows.emplace_back(formName, created);
        return created;
    }

    QWidget *find(const QString &formName) const;
    QStringList loadedForms() const;

    // Called by a window as it closes: a closed window is never handed out again.
    void forget(const QWidget *window);
    // Closes (and so deletes) every loaded tool window, the newest first.
    void closeAll();

private:
    std::vector<std::pair<QString, QPointer<QWidget>>> m_windows;
};

} // namespace orbelle
