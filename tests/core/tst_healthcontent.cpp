#include "tools/health/content.h"

#include <QTest>

#include <cstring>

using namespace orbelle;
using namespace orbelle::health;

Q_DECLARE_METATYPE(orbelle::SunSign)

namespace {
bool filled(const char *text)
{
    return text && std::strlen(text) > 0;
}
} // namespace

class TstHealthContent : public QObject
{
    Q_OBJECT

private slots:
    void fitnessLabels_data();
    void fitnessLabels();
    void rowsFollowTheZodiac();
    void proseIsFilled();
    void lowWaterTakesGrainsAndDairy();
};

void TstHealthContent::fitnessLabels_data()
{
    QTest::addColumn<SunSign>("sign");
    QTest::addColumn<QStringList>("labels");

    // Body part, athletic, endurance, flexibility, focus, motivation, routine, team work, variety.
    QTest::newRow("Aries") << SunSign::Aries << QStringList{"Head, Face",    "Highly Athletic",
                                                            "Low Endurance", "Medium Flexibility",
                                                            "Zero Focus",    "Highly Motivated",
                                                            "No Routine",    "Zero Team-Work",
                                                            "Needs variety"};
    QTest::newRow("Virgo") << SunSign::Virgo
                           << QStringList{"Intestines, Pancreas", "Low Athletic Ability",
                                          "Medium Endurance",     "High Flexibility",
                                          "Good Focus",           "Highly Motivated",
                                          "Belief Routine",       "Good Team-Work",
                                          "Needs variety"};
    QTest::newRow("Pisces") << SunSign::Pisces
                            << QStringList{"Feet",          "Low Athletic Ability",
                                           "Low Endurance", "High Flexibility",
                                           "Zero Focus",    "Moderately Motivated",
                                           "No Routine",    "Good Team-Work",
                                           "Needs variety"};
}

void TstHealthContent::fitnessLabels()
{
    QFETCH(SunSign, sign);
    QFETCH(QStringList, labels);

    const FitnessProfile &row = fitnessProfile(sign);
    QCOMPARE(row.sign, sign);
    const QStringList actual{row.bodyPart,    row.athletic, row.endurance,
                             row.flexibility, row.focus,    row.motivation,
                             row.routine,     row.teamWork, row.variety};
    QCOMPARE(actual, labels);
}

// The lookups index the tables by enum value, so the order is what makes them right.
void TstHealthContent::rowsFollowTheZodiac()
{
    for (std::size_t i = 0; i < kAllSigns.size(); ++i) {
        const SunSign sign = kAllSigns[i];
        QCOMPARE(fitnessProfiles()[i].sign, sign);
        QCOMPARE(dietProfiles()[i].sign, sign);
        QCOMPARE(&fitnessProfile(sign), &fitnessProfiles()[i]);
        QCOMPARE(&dietProfile(sign), &dietProfiles()[i]);
        QVERIFY2(dietProfiles()[i].element == elementOf(sign), qPrintable(signName(sign)));
    }
    const Element elements[] = {Element::Fire, Element::Earth, Element::Air, Element::Water};
    for (std::size_t i = 0; i < 4; ++i) {
        QCOMPARE(elementConstitutions()[i].element, elements[i]);
        QCOMPARE(&elementConstitution(elements[i]), &elementConstitutions()[i]);
    }
}

void TstHealthContent::proseIsFilled()
{
    for (const FitnessProfile &row : fitnessProfiles()) {
        const char *fields[] = {row.bodyPart,    row.athletic, row.endurance,
                                row.flexibility, row.focus,    row.motivation,
                                row.routine,     row.teamWork, row.variety};
        for (const char *field : fields)
            QVERIFY2(filled(field), qPrintable(signName(row.sign)));
    }
    for (const DietProfile &row : dietProfiles()) {
        const char *fields[] = {row.healthProblems, row.requiredDiet, row.dietToAvoid,
                                row.dietAdvice, row.fitnessAdvice};
        for (const char *field : fields)
            QVERIFY2(filled(field), qPrintable(signName(row.sign)));
    }
    for (const ElementConstitution &row : elementConstitutions()) {
        const char *fields[] = {
            row.description,        row.excessDescription, row.excessItemsToTake,
            row.excessItemsToAvoid, row.excessRemedy,      row.lowDescription,
            row.lowItemsToTake,     row.lowItemsToAvoid,   row.lowRemedy};
        for (const char *field : fields)
            QVERIFY2(filled(field), qPrintable(elementName(row.element)));
    }
}

void TstHealthContent::lowWaterTakesGrainsAndDairy()
{
    const ElementConstitution &water = elementConstitution(Element::Water);
    QCOMPARE(QString::fromLatin1(water.lowItemsToTake),
             QStringLiteral("Wheat, rice, oats, seaweed, dairy products and natural sugars."));
    QVERIFY(std::strcmp(water.excessItemsToTake, water.lowItemsToTake) != 0);
}

QTEST_GUILESS_MAIN(TstHealthContent)
#include "tst_healthcontent.moc"
