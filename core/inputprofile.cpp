#include "inputprofile.h"

#include "datecheck.h"

namespace orbelle {

namespace {

constexpr const char *kOnlyLetters = "Please Enter only Letters";
constexpr const char *kOnlyAlphabet = "Please Enter Only Alphabet";
constexpr const char *kEnterName = "Please Enter Your Name";

constexpr NameBoxRule kNoBox{nullptr, nullptr};

// Indexed by ToolId, in launcher order. Columns: tool, name boxes, box count,
// date lists, first year, last year, keystroke message, name message icon,
// name trimmed before the test, reading button, update reminder on load.
// clang-format off
constexpr std::array<InputProfile, 8> kProfiles{{
    {ToolId::Financial,   {{{"txtName", kEnterName}, kNoBox, kNoBox}},                   1, true,  1900, 2050, nullptr,       MessageIcon::Critical,    true,  "cmdProceed", false},
    {ToolId::Flower,      {{{"txtName", "Please Enter  Your Name !"}, kNoBox, kNoBox}},  1, true,  1900, 2050, kOnlyLetters,  MessageIcon::Information, false, "cmdProceed", true},
    {ToolId::Food,        {{{"txtFirstName", "Please Enter Your First Name"},
                            {"txtMiddleName", nullptr},
                            {"txtLastName", "Please Enter Your Last Name"}}},               3, true,  1900, 2050, kOnlyAlphabet, MessageIcon::Information, false, "cmdNext",    false},
    {ToolId::Fruit,       {{{"txtFirstName", kEnterName}, kNoBox, kNoBox}},              1, false, 0,    0,    kOnlyAlphabet, MessageIcon::Information, false, "cmdNext",    false},
    {ToolId::Health,      {{{"txtName", kEnterName}, kNoBox, kNoBox}},                   1, true,  1900, 2050, kOnlyLetters,  MessageIcon::Information, false, "cmdNext",    true},
    {ToolId::PowerSign,   {{{"txtName", kEnterName}, kNoBox, kNoBox}},                   1, true,  1900, 2022, kOnlyLetters,  MessageIcon::Information, false, "cmdNext",    false},
    {ToolId::HealingSign, {{{"txtName", kEnterName}, kNoBox, kNoBox}},                   1, true,  1930, 2010, kOnlyLetters,  MessageIcon::Information, false, "cmdNext",    false},
    {ToolId::Yoga,        {{{"txtName", kEnterName}, kNoBox, kNoBox}},                   1, true,  1900, 2050, kOnlyLetters,  MessageIcon::Information, false, "cmdNext",    true},
}};
// clang-format on

} // namespace

const InputProfile &inputProfile(ToolId tool)
{
    return kProfiles[static_cast<std::size_t>(toolIndex(tool))];
}

std::optional<InputRefusal> checkBirthInput(const InputProfile &profile, const BirthInput &input)
{
    for (int i = 0; i < profile.nameBoxCount; ++i) {
        const NameBoxRule &box = profile.nameBoxes[static_cast<std::size_t>(i)];
        if (!box.emptyMessage)
            continue;
        QString name = i < input.names.size() ? input.names.at(i) : QString();
        if (profile.trimNameBeforeTest)
            name = name.trimmed();
        if (name.isEmpty())
            return InputRefusal{QString::fromLatin1(box.emptyMessage), profile.nameMessageIcon, i};
    }
    if (!profile.hasDateLists)
        return std::nullopt;
    if (std::optional<QString> refusal = dateRefusal(input.day, input.month, input.year))
        return InputRefusal{*refusal, MessageIcon::Information, -1};
    return std::nullopt;
}

BirthData birthDataOf(const BirthInput &input)
{
    return BirthData{input.names.value(0).trimmed(), input.year,
                     monthNames().value(input.month - 1), input.day};
}

} // namespace orbelle
