#include "form/fieldhints.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/fieldrules.h"

#include <QCoreApplication>
#include <QStringList>

namespace qv::form::rules {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::FieldHints)
};

std::optional<Group> groupOf(const char *box)
{
    static const std::pair<const char *, Group> groups[] = {
        {"g_general", Group::General}, {"g_tel", Group::Telephones},
        {"g_analog", Group::Analog},   {"g_be", Group::Inputs},
        {"g_ki", Group::Outputs},      {"g_activate", Group::Activation},
    };
    for (const auto &[name, group] : groups) {
        if (qstrcmp(name, box) == 0)
            return group;
    }
    return std::nullopt;
}

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

// What a field accepts and how long it may be, as one sentence.
QString charactersOf(CharClass chars, int maxLength)
{
    switch (chars) {
    case CharClass::Number:
        return Text::tr("Csak számjegyek és szóköz, legfeljebb %n karakter.", nullptr, maxLength);
    case CharClass::Phone:
        return Text::tr("Csak számjegyek, szóköz és „+”, legfeljebb %n karakter.", nullptr,
                        maxLength);
    case CharClass::Plain:
        break;
    }
    return Text::tr("Csak ékezet nélküli betűk, számjegyek és jelek, legfeljebb %n karakter.",
                    nullptr, maxLength);
}

QString volts(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1) + QStringLiteral(" V");
}

// The analogue alarm levels: which part of which level, the range limits and the order.
QStringList analogLevelHint(QStringView name)
{
    const bool high = name == kHighLevel.whole || name == kHighLevel.tenth;
    if (!high && name != kLowLevel.whole && name != kLowLevel.tenth)
        return {};
    const bool whole = name == kHighLevel.whole || name == kLowLevel.whole;
    QStringList lines;
    if (high)
        lines << (whole ? Text::tr("A magas riasztási szint egész voltjai.")
                        : Text::tr("A magas riasztási szint tized voltja."));
    else
        lines << (whole ? Text::tr("Az alacsony riasztási szint egész voltjai.")
                        : Text::tr("Az alacsony riasztási szint tized voltja."));
    lines << Text::tr("A szint legfeljebb %1 a „%2”, %3 a „%4” tartományban.")
                 .arg(volts(analogLimit(AnalogRange::Volts15)),
                      u8(form::findItem(u"max_be_15")->text),
                      volts(analogLimit(AnalogRange::Volts30)),
                      u8(form::findItem(u"max_be_30")->text));
    lines << (high ? Text::tr("Nagyobbnak kell lennie az alacsony szintnél.")
                   : Text::tr("Kisebbnek kell lennie a magas szintnél."));
    return lines;
}

QString lineEditHint(const form::Item &item, Group group)
{
    const QString name = QLatin1StringView(item.name);
    if (item.flags & form::ReadOnly)
        return Text::tr("Rögzített előtag: „%1”.").arg(u8(item.text));

    const FieldRule rule = fieldRule(group, name);
    QStringList lines;
    if (!rule.values.isEmpty()) {
        //: %1 lists the values the field takes, joined by " vagy " ("or").
        lines << Text::tr("Értéke %1, vagy üres.")
                     .arg(rule.values.join(Text::tr(" vagy ", "joins the values of a field")));
    } else {
        lines << charactersOf(rule.chars, item.maxLength);
    }
    const QStringList level = analogLevelHint(name);
    if (rule.stated) {
        lines << Text::tr("Értéke %1–%2.").arg(rule.stated->minimum).arg(rule.stated->maximum);
    } else if (rule.padTo > 0 && level.isEmpty()) {
        lines
            << Text::tr("Értéke %1–%2.").arg(QString(rule.padTo, u'0'), QString(rule.padTo, u'9'));
    }
    lines << level;
    if (rule.padTo > 0)
        lines << Text::tr("Balról nullákkal %n jegyűre egészül ki.", nullptr, rule.padTo);
    if (name == QLatin1StringView("smskp")) {
        lines << Text::tr("Csak az „%1” szolgáltatónál írható át.")
                     .arg(form::translated(form::smsCentreOperators().at(kCustomOperator)));
    }
    return lines.join(u'\n');
}

QString matrixHint(const QString &tag)
{
    const std::optional<device::MatrixCell> cell = device::parseMatrixTag(tag);
    if (!cell)
        return {};
    QString meaning;
    // Hungarian says "az 1." but "a 2.".
    if (cell->column == 1)
        meaning = Text::tr("az 1. bemenet riasztása");
    else if (cell->column >= 2 && cell->column <= 4)
        meaning = Text::tr("a %1. bemenet riasztása").arg(cell->column);
    else if (cell->column == 5)
        meaning = Text::tr("az analóg bemenet riasztása");
    else if (cell->column == 6)
        meaning = Text::tr("a pulzusszámláló riasztása");
    else if (cell->column == device::kRingColumn)
        return Text::tr("%1. telefonszám: értesítés hívással\nCsak akkor jelölhető, ha a szám "
                        "legalább egy riasztást kap.")
            .arg(cell->entry);
    else if (cell->column == device::kSmsColumn)
        return Text::tr("%1. telefonszám: értesítés SMS-ben\nCsak akkor jelölhető, ha a szám "
                        "legalább egy riasztást kap.")
            .arg(cell->entry);
    else
        return {};
    //: %1 is the number of the telephone entry, %2 what its check box stands for.
    return Text::tr("%1. telefonszám: %2").arg(cell->entry).arg(meaning);
}

} // namespace

QString fieldHint(const QString &field)
{
    const form::Box *box = nullptr;
    const form::Item *item = form::findItem(field, &box);
    if (!item)
        return {};
    if (item->kind == form::Kind::CheckBox && !item->groupProperty.isEmpty())
        return matrixHint(QString::fromLatin1(item->groupProperty));
    const std::optional<Group> group = groupOf(box->name);
    if (item->kind != form::Kind::LineEdit || !group)
        return {};
    return lineEditHint(*item, *group);
}

} // namespace qv::form::rules
