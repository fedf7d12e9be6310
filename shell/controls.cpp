#include "controls.h"

#include "fonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orbelle {

QPushButton *makeButton(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setFont(verdana(8.25, true));
    button->setAutoDefault(false);
    return button;
}

QLabel *makeLabel(const char *objectName, const QString &text, const QFont &font,
                  const QColor &colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QPlainTextEdit *makeReadingBox(const char *objectName, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(objectName));
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setFont(verdana(8.25));
    paintWidget(box, kBeige, Qt::black);
    return box;
}

QGroupBox *makeFrame(const char *objectName, const QString &title, const QColor &titleColour,
                     QWidget *parent)
{
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(QLatin1String(objectName));
    frame->setFont(verdana(8.25, true));
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, titleColour);
    frame->setPalette(palette);
    return frame;
}

} // namespace orbelle
