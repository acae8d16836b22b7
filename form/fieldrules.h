// The content rules of the form's line edits and the SMS-centre operator table.
//
// Each group box of line edits is checked as a whole, field by field in form order:
// the first field that breaks a rule is cleared and focused and one warning is shown.
// A few fields are padded with leading zeros. The slots hand the group's names and
// texts to checkGroup() and write back what it returns.
#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace qv::form::rules {

enum class CharClass {
    Plain,  // codes 1 to 127: no accented letters, no NUL
    Number, // digits and blanks
    Phone,  // digits, blanks and "+"
};

// True when every character of `text` belongs to `cls`; an empty text always passes.
bool inClass(QStringView text, CharClass cls);

enum class Group { General, Telephones, Analog, Inputs, Outputs, Activation };

// Which analogue input range is selected: the alarm levels may not exceed it.
enum class AnalogRange { Volts15, Volts30 };

// The highest alarm level of a range, in tenths of a volt.
int analogLimit(AnalogRange range);

// The analogue alarm levels, each typed as whole volts and one tenth in two fields.
struct AnalogLevelFields
{
    QLatin1StringView whole;
    QLatin1StringView tenth;
};
inline constexpr AnalogLevelFields kHighLevel{QLatin1StringView("abe1_hi"),
                                              QLatin1StringView("abe1_hi_2")};
inline constexpr AnalogLevelFields kLowLevel{QLatin1StringView("abe1_lo"),
                                             QLatin1StringView("abe1_lo_2")};

// Values a numeric field stands for.
struct ValueRange
{
    int minimum = 0;
    int maximum = 0;
};

// What one line edit may hold. Every line edit is also tested against the plain class
// (except the telephone numbers, whose class is narrower anyway).
struct FieldRule
{
    CharClass chars = CharClass::Plain; // the class every character must belong to
    QStringList values;                 // if any: the only texts allowed besides an empty one
    int padTo = 0; // a text that passed is padded on the left with "0" to this width
    // The range its label prints. The checks bound the value only by the field's
    // maximum length and the number class; the module itself takes this range.
    std::optional<ValueRange> stated;
};

// The rule of line edit `name` of `group`'s box.
FieldRule fieldRule(Group group, QStringView name);

// The group of the box that holds line edit `name`; none for a name outside the boxes
// the checks walk.
std::optional<Group> groupOf(QStringView name);

// `text` as the checks leave it once it passed `rule`: zero-filled to the rule's width
// when it has one and the text is of its class; any other text as it is. Two texts that
// normalise alike are one value to the form: the checks' paddings are no edit.
QString normalised(const FieldRule &rule, const QString &text);

enum class Problem {
    None,
    NotNumber,       // a numeric field holds something else than digits and blanks
    NotPhone,        // the SMS centre number holds something else than digits, blanks, "+"
    NotTelephone,    // a telephone number holds something else than digits and blanks
    NotZeroOne,      // visszaallas is neither "0", "1" nor empty
    Accent,          // a character outside plain ASCII
    AboveRange,      // an analogue alarm level above the selected range
    HighNotAboveLow, // the high analogue level is not above the low one
};

struct Warning
{
    QString title;
    QString text;
};

// The message box a problem is reported with (empty for Problem::None).
Warning warningFor(Problem problem, AnalogRange range = AnalogRange::Volts15);

struct Field
{
    QString name; // the line edit's object name
    QString text;
};

struct GroupCheck
{
    QStringList texts;               // every field's text afterwards, in the given order
    Problem problem = Problem::None; // the first problem found, if any
    int focus = -1;                  // the field to focus when there is a problem
};

// Checks the line edits of one group box, given in form order. Fields are tested in
// turn and the check ends at the first failure, whose field (for an analogue level:
// both of its parts) comes back cleared. m_id is padded to four digits as soon as it
// passed its number test; the analogue levels and the counter maximum are range
// checked and padded only when every field of the group passed.
GroupCheck checkGroup(Group group, const QList<Field> &fields,
                      AnalogRange range = AnalogRange::Volts15);

// SMS-centre operators, in the order of the selector: T-Mobile, Telenor, Vodafone,
// then "Egyéni", where the user types the number.
inline constexpr int kCustomOperator = 3;
// The SMS centre number of an operator (without "+"); empty for "Egyéni" and unknown.
QString operatorNumber(int index);
// The operator whose number `number` is, or kCustomOperator.
int operatorIndexFor(const QString &number);

} // namespace qv::form::rules
