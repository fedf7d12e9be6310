#include "toolwindowregistry.h"

#include <algorithm>

namespace orbelle {

QWidget *ToolWindowRegistry::find(const QString &formName) const
{
    for (const auto &[name, window] : m_windows) {
        if (name == formName && window)
            return window.data();
    }
    return nullptr;
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
    m_windows.erase(std::remove_if(m_windows.begin(), m_windows.end(),
                                   [window](const auto &entry) {
                                       return !entry.second || entry.second == window;
                                   }),
                    m_windows.end());
}

void ToolWindowRegistry::closeAll()
{
    auto windows = std::move(m_windows);
    m_windows.clear();
    // Newest first: a report window closes before the reading window it is modal over.
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (QWidget *window = it->second.data()) {
            window->close();
            window->deleteLater();
        }
    }
}

} // namespace orbelle
