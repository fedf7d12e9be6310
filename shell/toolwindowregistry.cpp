#include "toolwindowregistry.h"

#include <vector>

namespace orbelle {

QWidget *ToolWindowRegistry::find(const QString &formName) const
{
    const auto it = m_windows.find(formName);
    return it == m_windows.end() ? nullptr : it->second.data();
}

QStringList ToolWindowRegistry::loadedForms() const
{
    QStringList forms;
    for (const auto &[name, window] : m_windows) {
        if (window)
            forms << name;
    }
    return forms;
}

void ToolWindowRegistry::forget(const QWidget *window)
{
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (it->second == window || !it->second)
            it = m_windows.erase(it);
        else
            ++it;
    }
}

void ToolWindowRegistry::closeAll()
{
    std::vector<QPointer<QWidget>> windows;
    for (const auto &[name, window] : m_windows)
        windows.push_back(window);
    m_windows.clear();
    // Report windows first, so no modal window is left over a closed parent.
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (QWidget *window = it->data()) {
            window->close();
            window->deleteLater();
        }
    }
}

} // namespace orbelle
