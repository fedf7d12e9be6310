#include "planetsignstyle.h"

#include "shell/fonts.h"

#include <QFrame>

namespace orbelle::planetsign::style {

QFrame *makePanel(const char *objectName, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(objectName));
    panel->setFrameShape(QFrame::StyledPanel);
    paintWidget(panel, kFrame, kText);
    return panel;
}

} // namespace orbelle::planetsign::style
