#include "form/fieldhints.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/fieldrules.h"

#include <QStringList>

namespace qv::rules {

namespace {

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

QString charactersOf(CharClass chars)
{
    switch (chars) {
    case CharClass::Number:
        return QStringLiteral("Csak számjegyek és szóköz");
    case CharClass::Phone:
        return QStringLiteral("Csak számjegyek, szóköz és „+”");
    case CharClass::Plain:
        break;
    }
    return QStringLiteral("Csak ékezet nélküli betűk, számjegyek és jelek");
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
    const QString level = high ? QStringLiteral("A magas") : QStringLiteral("Az alacsony");
    QStringList lines;
    lines << (whole ? QStringLiteral("%1 riasztási szint egész voltjai.")
                    : QStringLiteral("%1 riasztási szint tized voltja."))
                 .arg(level);
    lines << QStringLiteral("A szint legfeljebb %1 a „%2”, %3 a „%4” tartományban.")
                 .arg(volts(analogLimit(AnalogRange::Volts15)),
                      u8(form::findItem(u"max_be_15")->text),
                      volts(analogLimit(AnalogRange::Volts30)),
                      u8(form::findItem(u"max_be_30")->text));
    lines << (high ? QStringLiteral("Nagyobbnak kell lennie az alacsony szintnél.")
                   : QStringLiteral("Kisebbnek kell lennie a magas szintnél."));
    return lines;
}

QString lineEditHint(const form::Item &item, Group group)
{
    const QString name = QLatin1StringView(item.name);
    if (item.flags & form::ReadOnly)
        return QStringLiteral("Rögzített előtag: „%1”.").arg(u8(item.text));

    const FieldRule rule = fieldRule(group, name);
    QStringList lines;
    if (!rule.values.isEmpty()) {
        lines << QStringLiteral("Értéke %1, vagy üres.")
                     .arg(rule.values.join(QStringLiteral(" vagy ")));
    } else {
        lines << QStringLiteral("%1, legfeljebb %2 karakter.")
                     .arg(charactersOf(rule.chars))
                     .arg(item.maxLength);
    }
    const QStringList level = analogLevelHint(name);
    if (rule.stated) {
        lines
            << QStringLiteral("Értéke %1–%2.").arg(rule.stated->minimum).arg(rule.stated->maximum);
    } else if (rule.padTo > 0 && level.isEmpty()) {
        lines << QStringLiteral("Értéke %1–%2.")
                     .arg(QString(rule.padTo, u'0'), QString(rule.padTo, u'9'));
    }
    lines << level;
    if (rule.padTo > 0)
        lines << QStringLiteral("Balról nullákkal %1 jegyűre egészül ki.").arg(rule.padTo);
    if (name == QLatin1StringView("smskp")) {
        lines << QStringLiteral("Csak az „%1” szolgáltatónál írható át.")
                     .arg(u8(form::smsCentreOperators().at(kCustomOperator)));
    }
    return lines.join(u'\n');
}

QString matrixHint(const QString &tag)
{
    const std::optional<device::MatrixCell> cell = device::parseMatrixTag(tag);
    if (!cell)
        return {};
    QString meaning;
    if (cell->column >= 1 && cell->column <= 4)
        meaning = QStringLiteral("%1 %2. bemenet riasztása")
                      .arg(cell->column == 1 ? QStringLiteral("az") : QStringLiteral("a"))
                      .arg(cell->column);
    else if (cell->column == 5)
        meaning = QStringLiteral("az analóg bemenet riasztása");
    else if (cell->column == 6)
        meaning = QStringLiteral("a pulzusszámláló riasztása");
    else if (cell->column == device::kRingColumn)
        meaning = QStringLiteral("értesítés hívással");
    else if (cell->column == device::kSmsColumn)
        meaning = QStringLiteral("értesítés SMS-ben");
    else
        return {};
    QString hint = QStringLiteral("%1. telefonszám: %2").arg(cell->entry).arg(meaning);
    if (cell->column == device::kRingColumn || cell->column == device::kSmsColumn)
        hint += QStringLiteral("\nCsak akkor jelölhető, ha a szám legalább egy riasztást kap.");
    return hint;
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

} // namespace qv::rules
