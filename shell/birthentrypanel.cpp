#include "birthentrypanel.h"

#include "core/datecheck.h"
#include "core/savedreadingfile.h"
#include "fonts.h"
#include "nameboxfilter.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace orbelle {

namespace {

QComboBox *dropDownList(const char *objectName, const QStringList &entries, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(objectName));
    list->setEditable(false);
    list->setFont(verdana(8.25, true));
    list->addItems(entries);
    list->setCurrentIndex(0);
    list->setMaxVisibleItems(12);
    return list;
}

QStringList numberTexts(int first, int last)
{
    QStringList texts;
    texts.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        texts << QString::number(n);
    return texts;
}

} // namespace

BirthEntryPanel::BirthEntryPanel(const InputProfile &profile, Platform &platform,
                                 const QColor &captionColour, QWidget *parent)
    : QWidget(parent), m_profile(profile), m_captionColour(captionColour)
{
    setObjectName(QStringLiteral("Picture1"));
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);

    // A single name box has the caption "Name"; several boxes are captioned by the tool.
    QLabel *nameCaption = caption("Label1", "Name");
    grid->addWidget(nameCaption, 0, 0);
    for (int i = 0; i < profile.nameBoxCount; ++i) {
        auto *box = new QLineEdit(this);
        box->setObjectName(QLatin1String(profile.nameBoxes[std::size_t(i)].objectName));
        box->setFont(verdana(8.25, true));
        paintWidget(box, kBeige, Qt::black);
        box->setMaxLength(40);
        if (profile.keystrokeMessage)
            new NameBoxFilter(box, platform, QString::fromUtf8(profile.keystrokeMessage));
        grid->addWidget(box, i, 1, 1, 3);
        m_nameBoxes.push_back(box);
    }
    nameCaption->setBuddy(m_nameBoxes.front());

    if (!profile.hasDateLists)
        return;
    const int row = profile.nameBoxCount;
    m_day = dropDownList("cboDate", numberTexts(1, 31), this);
    m_month = dropDownList("cboMonth", monthNames(), this);
    m_year = dropDownList("cboYear", numberTexts(profile.firstYear, profile.lastYear), this);

    grid->addWidget(caption("Label2", "Date Of Birth"), row + 1, 0);
    grid->addWidget(caption("Label5", "Date"), row, 1);
    grid->addWidget(caption("Label7", "Month"), row, 2);
    grid->addWidget(caption("Label6", "Year"), row, 3);
    grid->addWidget(m_day, row + 1, 1);
    grid->addWidget(m_month, row + 1, 2);
    grid->addWidget(m_year, row + 1, 3);
    grid->setColumnStretch(2, 1);
}

QLabel *BirthEntryPanel::caption(const char *objectName, const char *text)
{
    auto *label = new QLabel(QLatin1String(text), this);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    label->setFont(verdana(8.25, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, m_captionColour);
    label->setPalette(palette);
    return label;
}

BirthInput BirthEntryPanel::input() const
{
    BirthInput input;
    for (const QLineEdit *box : m_nameBoxes)
        input.names << box->text();
    if (m_day) {
        input.day = m_day->currentIndex() + 1;
        input.month = m_month->currentIndex() + 1;
        input.year = m_profile.firstYear + m_year->currentIndex();
    }
    return input;
}

void BirthEntryPanel::setEntries(const SavedReading &reading)
{
    nameBox()->setText(reading.name);
    if (!m_day)
        return;
    m_day->setCurrentIndex(reading.day - 1);
    m_month->setCurrentIndex(reading.month - 1);
    m_year->setCurrentIndex(reading.year - m_profile.firstYear);
}

} // namespace orbelle
