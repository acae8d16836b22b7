#include "form/fieldrules.h"

#include "form/catalogue.h"

#include <QCoreApplication>

#include <array>

namespace qv::form::rules {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::FieldRules)
};

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isOneOf(QStringView name, std::initializer_list<QLatin1StringView> names)
{
    for (QLatin1StringView n : names) {
        if (name == n)
            return true;
    }
    return false;
}

// The first rule a field breaks, in the order its rules are tested; `text` may be
// normalised on the way (m_id is padded right after its number test).
Problem fieldProblem(Group group, const QString &name, QString &text)
{
    // The "+" boxes in front of the telephone numbers are not numbers themselves.
    if (group == Group::Telephones && text == u'+')
        return Problem::None;
    const FieldRule rule = fieldRule(group, name);
    if (!inClass(text, rule.chars)) {
        if (rule.chars == CharClass::Phone)
            return Problem::NotPhone;
        if (rule.chars == CharClass::Number)
            return group == Group::Telephones ? Problem::NotTelephone : Problem::NotNumber;
    }
    if (!text.isEmpty() && !rule.values.isEmpty() && !rule.values.contains(text))
        return Problem::NotZeroOne;
    // The analogue fields are padded only once the whole group passed.
    if (group != Group::Analog)
        text = normalised(rule, text);
    return inClass(text, CharClass::Plain) ? Problem::None : Problem::Accent;
}

int toIntOrZero(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

// Range and order of the analogue alarm levels (tenths of a volt), then the paddings.
void checkAnalogLevels(const QList<Field> &fields, AnalogRange range, GroupCheck &result)
{
    auto indexOf = [&fields](QLatin1StringView name) {
        for (int i = 0; i < fields.size(); ++i) {
            if (fields.at(i).name == name)
                return i;
        }
        return -1;
    };
    const int hi = indexOf(kHighLevel.whole), hiTenth = indexOf(kHighLevel.tenth);
    const int lo = indexOf(kLowLevel.whole), loTenth = indexOf(kLowLevel.tenth);
    auto text = [&result](int i) { return i < 0 ? QString() : result.texts.at(i); };
    auto present = [&text](int whole, int tenth) {
        return !text(whole).isEmpty() && !text(tenth).isEmpty();
    };
    auto level = [&text](int whole, int tenth) {
        return 10 * toIntOrZero(text(whole)) + toIntOrZero(text(tenth));
    };
    auto fail = [&result](int whole, int tenth, Problem problem) {
        result.texts[whole].clear();
        result.texts[tenth].clear();
        result.focus = whole;
        result.problem = problem;
    };

    const int limit = analogLimit(range);
    const bool hasHigh = present(hi, hiTenth), hasLow = present(lo, loTenth);
    if (hasHigh && level(hi, hiTenth) > limit)
        return fail(hi, hiTenth, Problem::AboveRange);
    if (hasLow && level(lo, loTenth) > limit)
        return fail(lo, loTenth, Problem::AboveRange);
    if (hasHigh && hasLow && level(hi, hiTenth) <= level(lo, loTenth))
        return fail(lo, loTenth, Problem::HighNotAboveLow);

    for (int i = 0; i < fields.size(); ++i)
        result.texts[i] =
            normalised(fieldRule(Group::Analog, fields.at(i).name), result.texts.at(i));
}

} // namespace

bool inClass(QStringView text, CharClass cls)
{
    for (QChar c : text) {
        bool ok = false;
        switch (cls) {
        case CharClass::Plain:
            ok = c.unicode() >= 1 && c.unicode() <= 127;
            break;
        case CharClass::Number:
            ok = isDigit(c) || c == QLatin1Char(' ');
            break;
        case CharClass::Phone:
            ok = isDigit(c) || c == QLatin1Char(' ') || c == QLatin1Char('+');
            break;
        }
        if (!ok)
            return false;
    }
    return true;
}

Warning warningFor(Problem problem, AnalogRange range)
{
    switch (problem) {
    case Problem::None:
        break;
    case Problem::NotNumber:
        return {Text::tr("Beviteli hiba"), Text::tr("Csak számok adhatóak meg!")};
    case Problem::NotPhone:
        return {Text::tr("Beviteli hiba"), Text::tr("Csak valós telefonszám adható meg!")};
    case Problem::NotTelephone:
        return {Text::tr("Beviteli hiba"), Text::tr("Csak valós telefonszámok adhatóak meg!")};
    case Problem::NotZeroOne:
        return {Text::tr("Input error"), Text::tr("Az érték 0 vagy 1 lehet.")};
    case Problem::Accent:
        return {Text::tr("Hiba"), Text::tr("Ékezetek nem használhatóak!")};
    case Problem::AboveRange:
        // The limit of the range selected: a 30 V range is not told 15.0 V.
        return {Text::tr("Hiba"),
                Text::tr("Az érték maximum %1.0 V lehet!").arg(analogLimit(range) / 10)};
    case Problem::HighNotAboveLow:
        return {Text::tr("Hiba"),
                Text::tr("A magas riasztási érték nem lehet kisebb, mint az alacsony érték!")};
    }
    return {};
}

int analogLimit(AnalogRange range)
{
    return range == AnalogRange::Volts15 ? 150 : 300;
}

FieldRule fieldRule(Group group, QStringView name)
{
    using namespace Qt::StringLiterals;
    FieldRule rule;
    switch (group) {
    case Group::General:
        if (name == "smskp"_L1)
            rule.chars = CharClass::Phone;
        if (isOneOf(name, {"m_pin"_L1, "m_id"_L1, "rele_time"_L1, "maxsms"_L1}))
            rule.chars = CharClass::Number;
        if (name == "visszaallas"_L1)
            rule.values = QStringList{QStringLiteral("0"), QStringLiteral("1")};
        if (name == "m_id"_L1)
            rule.padTo = 4;
        if (name == "rele_time"_L1)
            rule.stated = ValueRange{1, 9999}; // seconds
        if (name == "maxsms"_L1)
            rule.stated = ValueRange{1, 99}; // in two hours
        break;
    case Group::Telephones:
        rule.chars = CharClass::Number;
        break;
    case Group::Analog:
        if (isOneOf(name, {kHighLevel.whole, kHighLevel.tenth, kLowLevel.whole, kLowLevel.tenth,
                           "abe2_hi"_L1}))
            rule.chars = CharClass::Number;
        if (name == kHighLevel.whole || name == kLowLevel.whole)
            rule.padTo = 2;
        if (name == "abe2_hi"_L1)
            rule.padTo = 5;
        break;
    case Group::Inputs:
    case Group::Outputs:
    case Group::Activation:
        break;
    }
    return rule;
}

std::optional<Group> groupOf(QStringView name)
{
    const form::Box *box = nullptr;
    if (!form::findItem(name, &box) || !box)
        return std::nullopt;
    const std::pair<const char *, Group> groups[] = {
        {"g_general", Group::General}, {"g_tel", Group::Telephones},
        {"g_analog", Group::Analog},   {"g_be", Group::Inputs},
        {"g_ki", Group::Outputs},      {"g_activate", Group::Activation},
    };
    for (const auto &[boxName, group] : groups) {
        if (qstrcmp(box->name, boxName) == 0)
            return group;
    }
    return std::nullopt;
}

QString normalised(const FieldRule &rule, const QString &text)
{
    if (rule.padTo <= 0 || text.isEmpty() || !inClass(text, rule.chars))
        return text;
    return text.rightJustified(rule.padTo, u'0');
}

GroupCheck checkGroup(Group group, const QList<Field> &fields, AnalogRange range)
{
    GroupCheck result;
    for (const Field &field : fields)
        result.texts << field.text;
    for (int i = 0; i < fields.size(); ++i) {
        const Problem problem = fieldProblem(group, fields.at(i).name, result.texts[i]);
        if (problem != Problem::None) {
            result.texts[i].clear();
            result.problem = problem;
            result.focus = i;
            return result;
        }
    }
    if (group == Group::Analog)
        checkAnalogLevels(fields, range, result);
    return result;
}

namespace {
const std::array<const char *, 3> kOperatorNumbers{"36309888000", "36209300099", "36709996500"};
}

QString operatorNumber(int index)
{
    if (index < 0 || index >= int(kOperatorNumbers.size()))
        return {};
    return QString::fromLatin1(kOperatorNumbers.at(size_t(index)));
}

int operatorIndexFor(const QString &number)
{
    for (size_t i = 0; i < kOperatorNumbers.size(); ++i) {
        if (number == QLatin1StringView(kOperatorNumbers.at(i)))
            return int(i);
    }
    return kCustomOperator;
}

} // namespace qv::form::rules
