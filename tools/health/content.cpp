#include "content.h"

namespace orbelle::health {

namespace {

// Short values appear verbatim in the reading window's labels, so they are kept exactly as
// the labels have always shown them, including their odd wording.
constexpr std::array<FitnessProfile, 12> kFitnessProfiles{{
    {SunSign::Aries, "Head, Face", "Highly Athletic", "Low Endurance", "Medium Flexibility",
     "Zero Focus", "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety"},
    {SunSign::Taurus, "Throat, Neck", "Low Athletic Ability", "High Endurance", "Low Flexibility",
     "High Focus", "Moderately Motivated", "Belief Routine", "Moderate Team-Work",
     "No Belief in Variety"},
    {SunSign::Gemini, "Lungs, Arms, Hands", "Moderately Athletic", "Low Endurance",
     "High Flexibility", "Zero Focus", "Zero Motivation", "No Routine", "Good Team-Work",
     "Needs variety"},
    {SunSign::Cancer, "Breast, Chest, Stomach", "Low Athletic Ability", "Low Endurance",
     "Medium Flexibility", "High Focus", "Moderately Motivated", "Belief Routine", "Good Team-Work",
     "Moderate Variety"},
    {SunSign::Leo, "Heart, Spine", "Highly Athletic", "High Endurance", "Low Flexibility",
     "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work",
     "Moderate Variety"},
    {SunSign::Virgo, "Intestines, Pancreas", "Low Athletic Ability", "Medium Endurance",
     "High Flexibility", "Good Focus", "Highly Motivated", "Belief Routine", "Good Team-Work",
     "Needs variety"},
    {SunSign::Libra, "Loins, Kidneys", "Moderately Athletic", "Low Endurance", "Medium Flexibility",
     "Zero Focus", "Moderately Motivated", "Moderate Routine", "Good Team-Work",
     "Moderate Variety"},
    {SunSign::Scorpio, "Reproductive Organs", "Moderately Athletic", "High Endurance",
     "Low Flexibility", "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work",
     "No Belief in Variety"},
    {SunSign::Sagittarius, "Thighs", "Highly Athletic", "Low Endurance", "High Flexibility",
     "Zero Focus", "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety"},
    {SunSign::Capricorn, "Knees", "Moderately Athletic", "High Endurance", "Medium Flexibility",
     "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work",
     "No Belief in Variety"},
    {SunSign::Aquarius, "Ankles, Blood", "Highly Athletic", "High Endurance", "Low Flexibility",
     "High Focus", "Moderately Motivated", "No Routine", "Good Team-Work", "Needs variety"},
    {SunSign::Pisces, "Feet", "Low Athletic Ability", "Low Endurance", "High Flexibility",
     "Zero Focus", "Moderately Motivated", "No Routine", "Good Team-Work", "Needs variety"},
}};

// Each fitness advice text follows the ratings in the row above, so a reader never sees the
// labels and the paragraph disagree.
constexpr std::array<DietProfile, 12> kDietProfiles{{
    {SunSign::Aries,
     "As the Aries rules over the head and face, natives of this sign are prone to headaches, "
     "migraines, sinus congestion and fevers that come on quickly. Eye strain, toothache, acne and "
     "minor injuries to the head from haste are common, and stress tends to show first as tension "
     "around the temples and jaw.",
     "The cell salt of Aries is potassium phosphate, which supports the nerves and the brain. "
     "Foods rich in it include tomatoes, beans, walnuts, lentils, brown rice, cauliflower, "
     "spinach, celery, lettuce, apples and onions. Plenty of water and fresh vegetables help to "
     "cool an active system.",
     "Over consumption of salt and liquor.",
     "Eat regular meals at a calm pace rather than on the run, and favour light, cooling foods "
     "over heavy and spicy ones.",
     Element::Fire,
     "Pure Arians are ever energetic and are always on the go. They take to sport naturally and "
     "bring great enthusiasm to any physical challenge, but their stamina runs out quickly and "
     "their attention wanders once the novelty fades. A fixed routine bores them and they prefer "
     "to compete alone rather than as part of a team. Short, intense sessions such as sprints, "
     "boxing, martial arts or interval training suit them best, changed often to keep them "
     "interested. Gentle stretching afterwards protects against strains from rushing."},
    {SunSign::Taurus,
     "Taurus rules the throat and neck, so the natives of this sign are prone to sore throats, "
     "tonsillitis, laryngitis, loss of voice and swollen glands. Stiffness in the neck and "
     "shoulders is common, and the thyroid may need attention. A love of rich food can also lead "
     "to weight gain and a sluggish metabolism in later years.",
     "The cell salt of Taurus is sodium sulfate, which helps the body regulate the water in its "
     "tissues. Foods rich in it include cabbage, cauliflower, spinach, beets, cucumbers, onions, "
     "radishes, pumpkin and fresh fruits such as apples. Warm soups are kind to a sensitive "
     "throat.",
     "Rich, sugary desserts, heavy starches and overeating in general.",
     "Keep portions moderate and meals simple, and drink plenty of water to help the body clear "
     "excess fluid.",
     Element::Earth,
     "Taureans are not natural athletes, but once they settle into exercise they show remarkable "
     "staying power and steady concentration. They like a familiar routine and will happily repeat "
     "the same walk, swim or workout for years, seeing little point in constant change. Their "
     "muscles tend to be strong but tight, so flexibility takes deliberate work. Weight training, "
     "long walks, hiking and gardening suit them, and a regular partner or a fixed slot in the "
     "week keeps them going. Gentle neck stretches help ease stiffness."},
    {SunSign::Gemini,
     "Gemini rules the lungs, shoulders, arms and hands, and also the nervous system. Its natives "
     "are prone to coughs, colds, bronchitis, asthma and other chest complaints, as well as "
     "injuries to the arms and wrists, repetitive strain and tingling in the hands. Nervous "
     "exhaustion, anxiety and poor sleep are common when they take on too much.",
     "The cell salt of Gemini is potassium chloride, which helps keep the blood and the lungs "
     "healthy. Foods rich in it include green beans, asparagus, carrots, celery, spinach, "
     "tomatoes, oranges, peaches, plums and pineapple. Regular light meals help steady the nerves.",
     "Stimulants such as strong coffee and cola, and skipping meals.",
     "Eat small, frequent meals at regular times, and take them sitting down rather than while "
     "doing something else.",
     Element::Air,
     "Geminians are nimble and quick on their feet, with good flexibility and a fair gift for "
     "sport, but they find it hard to get started and even harder to keep going. Their minds "
     "wander during long sessions and their energy fades quickly, so repetitive routines soon bore "
     "them. They do best with friends or in a group, where conversation carries them through. "
     "Badminton, tennis, dance classes, team games and brisk walks in company suit them, and a "
     "changing mix of activities keeps exercise from becoming a chore."},
    {SunSign::Cancer,
     "Cancer rules the breast, chest and stomach, and its natives are prone to indigestion, "
     "acidity, stomach ulcers, bloating and fluid retention. Their digestion is closely tied to "
     "their moods, so worry and emotional upset often show as nausea or loss of appetite. Chest "
     "congestion and tenderness of the breasts may also trouble them.",
     "The cell salt of Cancer is calcium fluoride, which helps keep the teeth, bones and "
     "connective tissues strong and elastic. Foods rich in it include milk, yoghurt, egg yolks, "
     "rye, whole grains, cabbage, watercress, pumpkin and oranges. Warm, home cooked meals calm a "
     "sensitive stomach.",
     "Fried and greasy foods, and eating when anxious or upset.",
     "Eat in a calm setting, chew slowly, and keep salty foods to a minimum to avoid water "
     "retention.",
     Element::Water,
     "Cancerians rarely think of themselves as sporty and their stamina is limited, but once they "
     "commit to something they stay with it with real dedication and focus. They like the security "
     "of a regular routine and prefer to exercise with family, friends or a trusted group rather "
     "than among strangers. Swimming, water aerobics, walking and gentle yoga suit them well, and "
     "a small change now and then keeps interest alive. Exercise also helps them work off the "
     "worries that upset their stomach."},
    {SunSign::Leo,
     "Leo rules the heart, spine and upper back, so the natives of this sign are prone to heart "
     "trouble, high blood pressure, palpitations and poor circulation, as well as back pain and "
     "problems with the spine. Fevers can run high, and a habit of overworking and rich living may "
     "strain the heart in later years.",
     "The cell salt of Leo is magnesium phosphate, which supports the heart, nerves and muscles. "
     "Foods rich in it include almonds, walnuts, whole wheat, barley, rye, brown rice, lettuce, "
     "asparagus, figs, apples, coconut and oranges. A diet rich in fresh fruit and vegetables "
     "protects the heart.",
     "Red meat, fried foods and rich, fatty dishes that burden the heart.",
     "Keep fats and salt low and fill the plate with fresh produce, whole grains and lean protein.",
     Element::Fire,
     "Leos are natural athletes with plenty of strength and staying power, and they bring drive "
     "and concentration to any sport they enjoy. They like to shine and respond well to a goal, an "
     "audience or a coach who recognises their effort. A loose routine with some change suits "
     "them, and they are happy in a team as long as they can lead. Running, tennis, dance and "
     "competitive sport all appeal. Their backs tend to be stiff, so stretching and core work "
     "belong in every session, and they should not push the heart too hard."},
    {SunSign::Virgo,
     "Virgo rules the intestines, the pancreas and the digestive tract as a whole. Its natives are "
     "prone to irritable bowel, constipation, colitis, food allergies and sensitivities, and "
     "problems with blood sugar. Worry and a busy mind tend to settle in the gut, so stress often "
     "shows itself as cramps, wind or an upset stomach.",
     "The cell salt of Virgo is potassium sulfate, which helps carry oxygen to the cells and keeps "
     "the skin and digestion healthy. Foods rich in it include whole wheat, oats, rye, endive, "
     "chicory, lettuce, carrots, almonds, cheese and lean meats. Plenty of fibre keeps the bowels "
     "regular.",
     "Highly processed foods, too much sugar, and rich sauces.",
     "Eat regular, simple meals with plenty of fibre and water, and avoid eating in a hurry or "
     "when worried.",
     Element::Earth,
     "Virgos are not born athletes, but they are highly motivated by the idea of health and follow "
     "a sensible plan with care and good concentration. They are supple and have fair stamina, and "
     "they like a clear routine to follow, yet they enjoy variety within it, trying a new class or "
     "changing the plan every few weeks. They work well with others and often enjoy group classes. "
     "Yoga, Pilates, walking, cycling and swimming suit them, and keeping a record of progress "
     "appeals to their orderly nature."},
    {SunSign::Libra,
     "Libra rules the loins, the kidneys and the lower back, and also the skin. Its natives are "
     "prone to kidney and bladder infections, kidney stones, lower back pain and fluid imbalance. "
     "Stress and disharmony in their surroundings can upset them physically, bringing headaches, "
     "skin eruptions or a general feeling of being unwell.",
     "The cell salt of Libra is sodium phosphate, which helps keep the balance between acids and "
     "alkalis in the body. Foods rich in it include celery, carrots, spinach, peas, beets, "
     "asparagus, corn, almonds, raisins, apples, strawberries and whole grains. Plenty of water "
     "supports the kidneys.",
     "Alcohol, fizzy drinks, and too much sugar and salt.",
     "Drink plenty of water through the day and keep a balanced, varied diet without extremes.",
     Element::Air,
     "Librans have a fair gift for sport and move with grace, but their stamina is limited and "
     "they find it hard to concentrate on hard training. They are much happier exercising in "
     "company, and a partner or friendly group gives them the push they need. A loose routine with "
     "some change keeps them interested. Dancing, tennis, doubles badminton, cycling and yoga suit "
     "them, and pleasant surroundings make a real difference. Exercises that strengthen the lower "
     "back are well worth adding."},
    {SunSign::Scorpio,
     "Scorpio rules the reproductive organs, the bladder and the organs of elimination. Its "
     "natives are prone to infections of the urinary tract, menstrual and prostate problems, "
     "hormonal imbalance, haemorrhoids and constipation. Strong emotions held inside can take a "
     "physical toll, and they should not ignore early signs of trouble in these areas.",
     "The cell salt of Scorpio is calcium sulfate, which helps the body heal and cleanse its "
     "tissues. Foods rich in it include onions, garlic, leeks, radishes, cauliflower, kale, "
     "watercress, asparagus, figs, black cherries and prunes. Drinking plenty of water helps the "
     "organs of elimination.",
     "Alcohol, heavy rich foods and too much spice.",
     "Favour fresh, light foods and drink plenty of water to help the body clear itself of toxins.",
     Element::Water,
     "Scorpios bring intensity, concentration and great determination to exercise, and once they "
     "set a goal they rarely give up. They have excellent stamina and a fair gift for sport, "
     "though their muscles can be tight and inflexible. They prefer to stick to a method they "
     "trust rather than chase new fashions, and they are selective about who they train with. "
     "Swimming, martial arts, long distance running and weight training suit them, and regular "
     "stretching helps release stored tension."},
    {SunSign::Sagittarius,
     "Sagittarius rules the thighs, the hips and the liver. Its natives are prone to sciatica, hip "
     "trouble, pulled hamstrings and injuries from sport or accidents on the move. A fondness for "
     "good food and drink can burden the liver, leading to weight gain around the hips and thighs "
     "and a sluggish feeling.",
     "The cell salt of Sagittarius is silica, which helps keep the skin, hair, nails and "
     "connective tissues strong. Foods rich in it include oats, barley, brown rice, whole wheat, "
     "figs, prunes, strawberries, cucumbers, onions, asparagus and the skins of fruit and "
     "vegetables.",
     "Too much alcohol, rich fatty foods and overeating.",
     "Eat moderate portions, limit the fats that tax the liver, and do not let an active life "
     "become an excuse to skip meals.",
     Element::Fire,
     "Sagittarians are born athletes, supple and full of enthusiasm, and they love being outdoors. "
     "They throw themselves into sport with energy but tire quickly and lose interest in anything "
     "that feels repetitive. Fixed schedules and team obligations feel like a cage, so they prefer "
     "to go their own way. Horse riding, hiking, trail running, archery, skiing and cycling suit "
     "them, changed often to keep them curious. Warming up the hips and thighs properly guards "
     "against strains."},
    {SunSign::Capricorn,
     "Capricorn rules the knees, the bones, the joints, the teeth and the skin. Its natives are "
     "prone to stiff and painful knees, arthritis, rheumatism, brittle bones and dental problems, "
     "as well as dry skin. A tendency to overwork and to carry worry quietly can also show as "
     "tension in the joints and a lowered resistance to colds.",
     "The cell salt of Capricorn is calcium phosphate, which is needed to build strong bones and "
     "teeth. Foods rich in it include milk, cheese, yoghurt, almonds, sesame seeds, beans, "
     "lentils, broccoli, cabbage, spinach, figs, oranges and whole grains.",
     "Too much coffee, red meat and acid forming foods that aggravate the joints.",
     "Include calcium rich foods every day with enough vitamin D, and do not skip meals when work "
     "is pressing.",
     Element::Earth,
     "Capricorns approach exercise the way they approach work, with discipline, focus and a clear "
     "goal, and their stamina is excellent. They are reasonably athletic and will keep at a "
     "sensible plan for years, preferring proven methods to passing fashions. They can train alone "
     "or with a small group of serious partners. Hiking, climbing, walking, rowing and strength "
     "training suit them well. Because the knees are their weak point, they should warm up "
     "carefully, avoid jarring impact and keep the joints moving with regular stretching."},
    {SunSign::Aquarius,
     "Aquarius rules the ankles, the calves and the circulation of the blood. Its natives are "
     "prone to sprained and weak ankles, cramps in the calves, varicose veins, cold hands and feet "
     "and other circulatory troubles. Their nerves can be highly strung, and sudden stress may "
     "bring on spasms, palpitations or unusual symptoms.",
     "The cell salt of Aquarius is sodium chloride, which helps keep the fluids of the body in "
     "balance. Foods rich in it include celery, spinach, cabbage, lettuce, radishes, tomatoes, "
     "lentils, almonds, apples, strawberries and fresh fish, along with plenty of water.",
     "Fatty and fried foods, and too much sugar.",
     "Follow a diet that is low in fat content and high in protein content.", Element::Air,
     "Aquarians are gifted athletes with good stamina and a strong ability to focus once an "
     "activity catches their interest. They dislike rigid schedules and soon tire of doing the "
     "same thing, so they do best with a constantly changing mix of activities, ideally with "
     "friends or a group that shares a cause. Cycling, skating, team sports, aerobics and new "
     "kinds of training appeal to them. Their ankles are vulnerable and their muscles tend to be "
     "tight, so supportive footwear and regular stretching are important."},
    {SunSign::Pisces,
     "Pisces rules the feet and, with them, the lymphatic system. Its natives are prone to painful "
     "feet, corns, bunions, chilblains, fungal infections and swelling of the ankles from fluid "
     "retention. Their immunity can be low, so they catch colds easily, and they are sensitive to "
     "drugs, alcohol and the moods of those around them.",
     "The cell salt of Pisces is iron phosphate, which helps carry oxygen in the blood and "
     "supports immunity. Foods rich in it include spinach, lettuce, beets, lentils, beans, barley, "
     "whole wheat, raisins, dates, apricots, eggs and lean meat.",
     "Alcohol and too much caffeine, salt and sugar.",
     "Eat light, nourishing meals at regular times and drink plenty of water to help the body "
     "clear excess fluid.",
     Element::Water,
     "Pisceans are not drawn to hard sport and tire easily, but they are naturally supple and "
     "graceful, and they enjoy moving to music. Their attention drifts and strict routines do not "
     "suit them, so they need gentle variety and the company of friends to keep them going. "
     "Swimming, dancing, yoga, tai chi and walking by the water suit them best. Comfortable, well "
     "fitted shoes are essential, and a foot massage after exercise is a welcome treat."},
}};

constexpr std::array<ElementConstitution, 4> kElementConstitutions{{
    {Element::Fire,
     "Fire governs the functioning of the digestive system. It provides the heat that breaks down "
     "food and turns it into energy, and it also drives metabolism, body temperature, circulation "
     "and the sharpness of the mind.",
     "When there is an excess of fire, the body runs hot. This shows as acidity, heartburn, "
     "ulcers, inflammation, skin rashes, heavy sweating and irritability. Sleep may be restless "
     "and the temper short, and the person tends to burn out after bursts of activity.",
     "Grains and root vegetables like beet, carrot and potatoes",
     "Gravy and spicy food and red meat", "Chamomile, lemon balm, skull cap and valerian.",
     "When fire is low, digestion becomes slow and weak. Food sits heavily, appetite is poor, and "
     "there may be bloating, wind and a feeling of coldness. The person tires easily, gains weight "
     "readily and may feel dull and lacking in drive.",
     "Lemon, yoghurt, bitter green food items like kale and mustard.",
     "Milk, cheese, yoghurt, butter and other diary products and meat",
     "Digestive stimulants like cayenne, mustard, cloves, cinnamon, garlic and ginger."},
    {Element::Earth,
     "Earth governs the structure of the body: the bones, muscles, teeth and other tissues that "
     "give it form and strength. It also governs the building and storing of reserves, and the "
     "steadiness and endurance of the body.",
     "An excess of earth makes the body heavy and sluggish. This shows as weight gain, slow "
     "digestion, constipation, congestion and water retention, along with lethargy, stubbornness "
     "and a reluctance to move or change.",
     "Fruit- salads, sprouts, steamed vegetables with spices added, juices, soups and teas.",
     "Heavy and spicy food items.",
     "Bitter tonics such as gentian or Swedish bitters, hot spices such as ginger, black pepper "
     "and cayenne.",
     "When earth is low, the body lacks substance and stability. The person may be thin and "
     "underweight, with weak bones and muscles, poor stamina and a tendency to feel ungrounded, "
     "restless and easily worn out.",
     "Meat, potatoes, unrefined grains, root crops, dairy, steamed vegetables, cheese, butter, "
     "sugar and oil.",
     "Fruits.",
     "Demulcents such as licorice and slippery elm, seaweed and minerals, Ginseng, astragals, "
     "ahashwaganda."},
    {Element::Air,
     "Air governs movement in the body: breathing, the nervous system, the passage of food through "
     "the gut and the circulation of the blood. It also governs the quickness of thought, of "
     "speech and of the senses.",
     "An excess of air brings restlessness and dryness. This shows as nervousness, anxiety, "
     "sleeplessness, dry skin, wind, bloating, constipation and poor absorption of food, along "
     "with scattered thoughts and sudden tiredness.",
     "Steamed vegetable, nuts and croutons.", "Raw foods, grains, yeasty foods and refined sugar.",
     "Enzymes that enables proper absorption of food items and nutrients.",
     "When air is low, movement in the body slows down. Breathing may be shallow, circulation "
     "sluggish and the nerves dull, and the person may feel heavy, slow to respond and lacking in "
     "enthusiasm and mental alertness.",
     "Ample amount of raw fruits, fresh vegetable, garlic, ginger and vegetable juices.",
     "Nothing to Avoid", "Dandelion root and/or angostura bitters."},
    {Element::Water,
     "Water governs the fluids of the body: the blood, lymph, saliva and digestive juices. It "
     "keeps the tissues moist and the joints lubricated, and it also governs the emotions and the "
     "ability of the body to cleanse itself.",
     "An excess of water makes the body damp and congested. This shows as fluid retention, "
     "swelling, mucus, frequent colds, sinus trouble and weight gain, along with sluggishness and "
     "a tendency to be overly emotional or moody.",
     "Steamed vegetable, beans of all kind and fruits.",
     "Spicy and oily foods, diary products, yeasty food, breads and salt.",
     "Sage, basil and thyme, juniper berries, chaparral, garlic and olive leaf.",
     "When water is low, the body becomes dry and depleted. This shows as dry skin and eyes, stiff "
     "joints, constipation, thirst and dehydration, along with irritability and a certain hardness "
     "or lack of feeling in emotional life.",
     "Wheat, rice, oats, seaweed, dairy products and natural sugars.",
     "All kinds of root vegetables.", "Sweetened honey and fruit juices."},
}};

// The lookups below index by enum value, which only works while the rows stay in this order.
static_assert(kFitnessProfiles[0].sign == SunSign::Aries &&
                  kFitnessProfiles[11].sign == SunSign::Pisces,
              "fitness rows must be in zodiac order");
static_assert(kDietProfiles[0].sign == SunSign::Aries && kDietProfiles[11].sign == SunSign::Pisces,
              "diet rows must be in zodiac order");
static_assert(kElementConstitutions[0].element == Element::Fire &&
                  kElementConstitutions[3].element == Element::Water,
              "constitution rows must follow the Element enum");

} // namespace

const std::array<FitnessProfile, 12> &fitnessProfiles()
{
    return kFitnessProfiles;
}

const std::array<DietProfile, 12> &dietProfiles()
{
    return kDietProfiles;
}

const std::array<ElementConstitution, 4> &elementConstitutions()
{
    return kElementConstitutions;
}

const FitnessProfile &fitnessProfile(SunSign sign)
{
    return kFitnessProfiles[static_cast<std::size_t>(static_cast<int>(sign) - 1)];
}

const DietProfile &dietProfile(SunSign sign)
{
    return kDietProfiles[static_cast<std::size_t>(static_cast<int>(sign) - 1)];
}

const ElementConstitution &elementConstitution(Element element)
{
    return kElementConstitutions[static_cast<std::size_t>(static_cast<int>(element))];
}

} // namespace orbelle::health
