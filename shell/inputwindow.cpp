#include "inputwindow.h"

#include "birthentrypanel.h"
#include "core/datecheck.h"
#include "core/savedreadingfile.h"
#include "platform.h"
#include "updatereminder.h"

#include <QLineEdit>

namespace orbelle {

InputWindow::InputWindow(ToolContext &context, ToolId tool, const QString &formName,
                         const QString &title, const QColor &captionColour)
    : ToolWindow(context, formName, title), m_tool(tool),
      m_entry(new BirthEntryPanel(inputProfile(tool), context.platform, captionColour, this))
{
    // Enter in a name box asks for the reading, as the reading button does.
    for (int i = 0; i < m_entry->profile().nameBoxCount; ++i)
        connect(m_entry->nameBox(i), &QLineEdit::returnPressed, this, &InputWindow::requestReading);
}

void InputWindow::onFirstShow()
{
    if (m_entry->profile().remindOnLoad)
        runUpdateReminder(platform(), this);
}

bool InputWindow::validate()
{
    const std::optional<InputRefusal> refusal =
        checkBirthInput(m_entry->profile(), m_entry->input());
    if (!refusal)
        return true;
    platform().showMessage(this, refusal->icon, refusal->message);
    if (refusal->focusNameBox >= 0)
        m_entry->nameBox(refusal->focusNameBox)->setFocus(Qt::OtherFocusReason);
    return false;
}

void InputWindow::requestReading()
{
    if (validate())
        makeReading();
}

BirthData InputWindow::birthData() const
{
    return birthDataOf(m_entry->input());
}

void InputWindow::refuseFile()
{
    platform().showMessage(this, MessageIcon::Critical, QString::fromLatin1(kCheckTheFileMessage));
}

void InputWindow::openSavedReading()
{
    const std::optional<SavedReadingFormat> format = savedReadingFormat(m_tool);
    if (!format)
        return;
    const QString path = platform().openFileName(this, {QString::fromLatin1(kOpenDialogTitle),
                                                        dialogFilter(format->openFilter),
                                                        QString::fromLatin1(format->extension)});
    if (path.isEmpty())
        return;
    if (!hasExtension(path, *format)) {
        refuseFile();
        return;
    }
    // A file that is not a saved reading changes nothing: stale entries must
    // never pass for the file's reading.
    const std::optional<QStringList> lines = readSavedReadingLines(path, nullptr);
    if (!lines) {
        refuseFile();
        return;
    }
    const InputProfile &profile = m_entry->profile();
    const std::optional<SavedReading> reading =
        interpretSavedLines(*lines, format->layout, profile.firstYear, profile.lastYear);
    if (!reading) {
        refuseFile();
        return;
    }
    m_entry->setEntries(*reading);
    requestReading();
}

} // namespace orbelle
