#include "transfer/configrecord.h"

#include "form/deviceprofile.h"
#include "form/fieldrules.h"

#include <QCoreApplication>

#include <algorithm>

namespace qv::transfer {
Q_LOGGING_CATEGORY(lcTransfer, "qv.transfer")
}

namespace qv::transfer {

namespace {

enum class Kind {
    Text,      // a line edit's text as it is
    Zero4,     // a number zero-filled to 4 on download
    Mask,      // monostable outputs, b1 + 2 b2 + 4 b3 + 8 b4
    Level,     // an analogue level in tenths: whole part, then the tenth
    Range,     // "0": 0..15 V, otherwise 0..30 V
    Reserved,  // ignored on read-out, empty on download
    Telephone, // two flag characters and the number
};

struct Field
{
    Kind kind = Kind::Reserved;
    QString edit;                  // the line edit (for a level: the whole part)
    QString tenth;                 // a level's tenth
    const char *caption = nullptr; // how messages name it, to be translated
    int entry = 0;                 // a telephone entry's number, for its caption
};

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::FieldCaption)
};

// How messages name `field`, in the program's language.
QString captionOf(const Field &field)
{
    if (field.entry > 0)
        return Text::tr("%1. telefonszám").arg(field.entry);
    return field.caption ? Text::tr(field.caption) : QString();
}

// The 56 fields of the record in order, with the widgets that show them.
const QList<Field> &layout()
{
    static const QList<Field> fields = [] {
        QList<Field> f;
        auto text = [&f](const char *edit, const char *caption, Kind kind = Kind::Text) {
            f.append({kind, QString::fromLatin1(edit), {}, caption});
        };
        auto reserved = [&f](int count) { f.append(QList<Field>(count, Field{})); };

        text("smskp", QT_TRANSLATE_NOOP("qv::FieldCaption", "SMS központ száma"));
        text("m_pin", QT_TRANSLATE_NOOP("qv::FieldCaption", "Modul PIN-kódja"), Kind::Zero4);
        text("m_id", QT_TRANSLATE_NOOP("qv::FieldCaption", "Modul azonosító száma"), Kind::Zero4);
        text("m_nev", QT_TRANSLATE_NOOP("qv::FieldCaption", "Modul neve"));
        text("visszaallas", QT_TRANSLATE_NOOP("qv::FieldCaption", "Bemenet visszaállás"));
        text("rele_time", QT_TRANSLATE_NOOP("qv::FieldCaption", "Relé meghúzási idő"), Kind::Zero4);
        text("maxsms", QT_TRANSLATE_NOOP("qv::FieldCaption", "Max. sms-ek száma 2 óra alatt"));
        f.append({Kind::Mask, {}, {}, {}});
        f.append(
            {Kind::Level, QStringLiteral("abe1_lo"), QStringLiteral("abe1_lo_2"),
             QT_TRANSLATE_NOOP("qv::FieldCaption", "Analóg bemenet alacsony riasztási értéke")});
        f.append({Kind::Level, QStringLiteral("abe1_hi"), QStringLiteral("abe1_hi_2"),
                  QT_TRANSLATE_NOOP("qv::FieldCaption", "Analóg bemenet magas riasztási értéke")});
        f.append({Kind::Range, {}, {}, {}});
        text("abe2_hi", QT_TRANSLATE_NOOP("qv::FieldCaption", "Pulzusszámláló maximális értéke"));
        reserved(4); // 12..15
        text("abe1_lo_msg",
             QT_TRANSLATE_NOOP("qv::FieldCaption", "Analóg bemenet alacsony riasztás"));
        text("abe1_hi_msg", QT_TRANSLATE_NOOP("qv::FieldCaption", "Analóg bemenet magas riasztás"));
        text("abe1_vissza", QT_TRANSLATE_NOOP("qv::FieldCaption", "Analóg bemenet visszaállás"));
        text("abe2_hi_msg",
             QT_TRANSLATE_NOOP("qv::FieldCaption", "Pulzusszámláló túlcsordulás riasztás"));
        reserved(2); // 20, 21
        text("be_a1_nev", QT_TRANSLATE_NOOP("qv::FieldCaption", "Analóg bemenet neve"));
        text("be_a2_nev", QT_TRANSLATE_NOOP("qv::FieldCaption", "Pulzusszámláló bemenet neve"));

        // Hungarian numbers the inputs and outputs "1-es", "2-es", "3-as", "4-es".
        const std::pair<const char *, std::array<const char *, 4>> rows[] = {
            {"be%1_nev",
             {QT_TRANSLATE_NOOP("qv::FieldCaption", "1-es bemenet neve"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "2-es bemenet neve"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "3-as bemenet neve"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "4-es bemenet neve")}},
            {"be%1_on_msg",
             {QT_TRANSLATE_NOOP("qv::FieldCaption", "1-es bemenet bekapcs."),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "2-es bemenet bekapcs."),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "3-as bemenet bekapcs."),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "4-es bemenet bekapcs.")}},
            {"be%1_off_msg",
             {QT_TRANSLATE_NOOP("qv::FieldCaption", "1-es bemenet kikapcs."),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "2-es bemenet kikapcs."),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "3-as bemenet kikapcs."),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "4-es bemenet kikapcs.")}},
            {"ki%1_on",
             {QT_TRANSLATE_NOOP("qv::FieldCaption", "1-es kimenet bekapcsoláskor"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "2-es kimenet bekapcsoláskor"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "3-as kimenet bekapcsoláskor"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "4-es kimenet bekapcsoláskor")}},
            {"ki%1_off",
             {QT_TRANSLATE_NOOP("qv::FieldCaption", "1-es kimenet kikapcsoláskor"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "2-es kimenet kikapcsoláskor"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "3-as kimenet kikapcsoláskor"),
              QT_TRANSLATE_NOOP("qv::FieldCaption", "4-es kimenet kikapcsoláskor")}},
        };
        for (const auto &[edit, captions] : rows) {
            for (int n = 1; n <= 4; ++n)
                f.append({Kind::Text, QString::fromLatin1(edit).arg(n), {}, captions[n - 1]});
        }
        text("abe2_clr", QT_TRANSLATE_NOOP("qv::FieldCaption", "Pulzusszámláló törlés parancs"));
        text("act_be", QT_TRANSLATE_NOOP("qv::FieldCaption", "Riasztások aktiválása parancs"));
        text("act_ki", QT_TRANSLATE_NOOP("qv::FieldCaption", "Riasztások kikapcsolása parancs"));
        reserved(1); // 47
        for (int k = 1; k <= Entries; ++k)
            f.append({Kind::Telephone, QStringLiteral("t%1").arg(k), {}, nullptr, k});
        Q_ASSERT(f.size() == record::FieldCount);
        return f;
    }();
    return fields;
}

QString zeroFilled(const QString &text, int width)
{
    return text.rightJustified(width, QLatin1Char('0')); // never cuts
}

// The first character of `text` above U+00FF (both halves of a surrogate pair), or "".
QString firstCharacterWithoutByte(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() > 0xFF)
            return text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1);
    }
    return {};
}
} // namespace

QString ReadOutResult::diagnostic() const
{
    switch (status) {
    case ReadOutStatus::Ok:
        return {};
    case ReadOutStatus::NoSeparator:
        return QStringLiteral("sep error");
    case ReadOutStatus::WrongCount:
        return QStringLiteral("dberror: %1").arg(count);
    }
    return {};
}

ReadOutResult decodeReadOut(const QString &reply, QChar separator)
{
    ReadOutResult result;
    const record::SplitResult split = record::splitReadOut(reply, separator);
    result.count = split.count;
    switch (split.status) {
    case record::SplitStatus::NoSeparator:
        result.status = ReadOutStatus::NoSeparator;
        return result;
    case record::SplitStatus::WrongCount:
        result.status = ReadOutStatus::WrongCount;
        return result;
    case record::SplitStatus::Ok:
        break;
    }
    result.status = ReadOutStatus::Ok;
    result.fields = split.fields;

    ReadOutForm &form = result.form;
    const QList<Field> &fields = layout();
    for (int i = 0; i < record::FieldCount; ++i) {
        const Field &field = fields.at(i);
        const QString &value = split.fields.at(i);
        switch (field.kind) {
        case Kind::Text:
        case Kind::Zero4:
            form.texts.append({field.edit, value});
            break;
        case Kind::Mask:
            form.monostable = value.toInt(nullptr, 10) & 0x0F; // unreadable: 0, all bistable
            break;
        case Kind::Level: // "125": 12 and 5
            form.texts.append({field.edit, value.left(std::max<qsizetype>(0, value.size() - 1))});
            form.texts.append({field.tenth, value.right(1)});
            break;
        case Kind::Range:
            form.range15 = value.startsWith(QLatin1Char('0'));
            break;
        case Kind::Reserved:
            break;
        case Kind::Telephone: {
            const int entry = i - FirstTelephoneField;
            const record::TelephoneEntry decoded = record::decodeTelephone(value);
            form.texts.append({field.edit, decoded.number});
            form.rights[size_t(entry)] = decoded.flags;
            form.selection[size_t(entry)] = decoded.hasFlags ? decoded.selection : 0;
            break;
        }
        }
    }
    form.smsOperator = form::rules::operatorIndexFor(split.fields.at(0));
    return result;
}

Assembly assembleDownload(const FormValues &values, QChar separator)
{
    Assembly result;
    const std::optional<form::device::Profile> &profile = values.profile;
    auto text = [&values, &profile](const QString &edit) {
        return !profile || form::device::hasTextField(*profile, edit) ? values.texts.value(edit)
                                                                      : QString();
    };
    auto hasColumn = [&profile](int column) {
        return !profile || form::device::hasMatrixColumn(*profile, column);
    };
    const int outputs = profile ? profile->outputs : 4;

    // A separator or a line break inside a text would cut its line in two on the wire and
    // shift every later line in the module. A character beyond Latin-1 (typed and sent
    // before the field was checked, or from a file) has no byte of its own.
    for (const Field &field : layout()) {
        for (const QString &edit : {field.edit, field.tenth}) {
            if (edit.isEmpty())
                continue;
            const QString value = text(edit);
            AssemblyStatus fault = AssemblyStatus::Ok;
            if (value.contains(separator))
                fault = AssemblyStatus::SeparatorInText;
            else if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
                fault = AssemblyStatus::LineBreakInText;
            else if (const QString wide = firstCharacterWithoutByte(value); !wide.isEmpty()) {
                fault = AssemblyStatus::CharacterWithoutByte;
                result.character = wide;
            }
            if (fault != AssemblyStatus::Ok) {
                result.status = fault;
                result.field = edit;
                return result;
            }
        }
    }

    // Rights (columns 1..7) and selection (output, + 8 without SMS notice) per entry.
    std::array<int, Entries + 1> rights{}, selection{};
    auto inRange = [](int entry) { return entry >= 1 && entry <= Entries; };
    for (const auto &[tag, ticked] : values.matrix) {
        const auto cell = form::device::parseMatrixTag(tag);
        if (!cell) {
            ++result.unreadableTags;
            continue;
        }
        if (!inRange(cell->entry))
            continue;
        if (ticked && cell->column >= 1 && cell->column < form::device::kSmsColumn &&
            hasColumn(cell->column))
            rights[size_t(cell->entry)] += 1 << (cell->column - 1);
        else if (!ticked && cell->column == form::device::kSmsColumn)
            selection[size_t(cell->entry)] += 8;
    }
    for (const auto &[name, checked] : values.radios) {
        if (!name.startsWith(QLatin1Char('r')))
            continue;
        const auto ring = form::device::parseRingButton(name);
        if (!ring) {
            ++result.unreadableTags;
            continue;
        }
        if (checked && inRange(ring->entry) && ring->output <= outputs)
            selection[size_t(ring->entry)] += ring->output;
    }

    QStringList items;
    items.reserve(record::FieldCount);
    const QList<Field> &fields = layout();
    for (int i = 0; i < record::FieldCount; ++i) {
        const Field &field = fields.at(i);
        switch (field.kind) {
        case Kind::Text:
            items << text(field.edit);
            break;
        case Kind::Zero4:
            items << zeroFilled(text(field.edit), 4);
            break;
        case Kind::Mask:
            items << zeroFilled(QString::number(values.monostable & 0x0F), 2);
            break;
        case Kind::Level:
            items << zeroFilled(text(field.edit) + text(field.tenth), 3);
            break;
        case Kind::Range:
            items << (values.range15 ? QStringLiteral("0") : QStringLiteral("1"));
            break;
        case Kind::Reserved:
            items << QString();
            break;
        case Kind::Telephone: {
            const size_t entry = size_t(i - FirstTelephoneField + 1);
            items << QString(QChar(char16_t(0x30 + rights[entry]))) +
                         QChar(char16_t(0x30 + selection[entry])) + text(field.edit);
            break;
        }
        }
    }
    result.record = record::buildDownloadRecord(items, separator);
    return result;
}

QString assemblyProblem(const Assembly &assembly, QChar separator, bool typographic)
{
    const QString caption = fieldCaption(assembly.field);
    QString text;
    switch (assembly.status) {
    case AssemblyStatus::Ok:
        return {};
    case AssemblyStatus::SeparatorInText:
        text =
            Text::tr("A(z) \"%1\" mező nem tartalmazhat \"%2\" karaktert!").arg(caption, separator);
        break;
    case AssemblyStatus::LineBreakInText:
        text = Text::tr("A(z) \"%1\" mező nem tartalmazhat sortörést!").arg(caption);
        break;
    case AssemblyStatus::CharacterWithoutByte:
        text = Text::tr("A(z) \"%1\" mező nem tartalmazhat \"%2\" karaktert!")
                   .arg(caption, assembly.character);
        break;
    }
    if (typographic) {
        // The marks around the caption and the character, in pairs: opening, closing.
        bool opening = true;
        for (QChar &c : text) {
            if (c == u'"') {
                c = opening ? QChar(u'\u201E') : QChar(u'\u201D');
                opening = !opening;
            }
        }
    }
    return text;
}

QString fieldCaption(const QString &editName)
{
    for (const Field &field : layout()) {
        if (field.edit == editName || field.tenth == editName)
            return captionOf(field);
    }
    return editName;
}

namespace {

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QString shownText(const QString &text)
{
    return text.isEmpty() ? Text::tr("(üres)") : text;
}

// "125" tenths of a volt as the form shows it: "12,5 V".
QString shownLevel(int tenths)
{
    return QStringLiteral("%1,%2 V").arg(tenths / 10).arg(tenths % 10);
}

QString shownOutput(int selection)
{
    return selection == 0 ? Text::tr("nincs", "no output") : Text::tr("%1. kimenet").arg(selection);
}

// The ticked columns of a telephone entry's rights, as the matrix heads them.
QString shownRights(int flags)
{
    static const char *const columns[8] = {
        QT_TRANSLATE_NOOP("qv::FieldCaption", "1. bemenet"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "2. bemenet"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "3. bemenet"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "4. bemenet"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "analóg"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "számláló"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "hívás"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "SMS"),
    };
    QStringList ticked;
    for (int column = 1; column <= 8; ++column) {
        if (hasRight(flags, column))
            ticked << Text::tr(columns[column - 1]);
    }
    return ticked.isEmpty() ? Text::tr("nincs", "no rights") : ticked.join(QStringLiteral(", "));
}

// The ticked columns of a telephone entry's rights by number, "1,2,8".
QString rawRights(int flags)
{
    QStringList ticked;
    for (int column = 1; column <= 8; ++column) {
        if (hasRight(flags, column))
            ticked << QString::number(column);
    }
    return ticked.join(u',');
}

QString outputCaption(int output)
{
    static const char *const captions[] = {
        QT_TRANSLATE_NOOP("qv::FieldCaption", "1-es kimenet rácsengetéskor"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "2-es kimenet rácsengetéskor"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "3-as kimenet rácsengetéskor"),
        QT_TRANSLATE_NOOP("qv::FieldCaption", "4-es kimenet rácsengetéskor")};
    return Text::tr(captions[output - 1]);
}

} // namespace

QList<FieldDifference> compareRecords(const QString &record, const QStringList &moduleFields,
                                      QChar separator)
{
    QList<FieldDifference> differences;
    QStringList items = record::downloadLines(record, separator);
    if (!items.isEmpty() && items.constLast().isEmpty())
        items.removeLast(); // the empty line after the 56 items
    if (items.size() != record::FieldCount || moduleFields.size() != record::FieldCount) {
        differences.append(
            {Text::tr("Konfiguráció"), Text::tr("%n mező", nullptr, int(items.size())),
             Text::tr("%n mező", nullptr, int(moduleFields.size())), QStringLiteral("record"),
             QString::number(items.size()), QString::number(moduleFields.size())});
        return differences;
    }

    const QList<Field> &fields = layout();
    for (int i = 0; i < record::FieldCount; ++i) {
        const Field &field = fields.at(i);
        const QString ours = withoutTrailingBlanks(items.at(i));
        const QString theirs = withoutTrailingBlanks(moduleFields.at(i));
        // The difference as shown, and as a script reads it.
        auto differ = [&differences](const QString &caption, const QString &a, const QString &b,
                                     const QString &key, const QString &rawA, const QString &rawB) {
            if (rawA != rawB)
                differences.append({caption, a, b, key, rawA, rawB});
        };
        switch (field.kind) {
        case Kind::Text:
        case Kind::Zero4:
            differ(captionOf(field), shownText(ours), shownText(theirs), field.edit, ours, theirs);
            break;
        case Kind::Mask: {
            const int a = ours.toInt(nullptr, 10) & 0x0F, b = theirs.toInt(nullptr, 10) & 0x0F;
            for (int output = 1; output <= 4; ++output) {
                auto mode = [output](int mask) {
                    return mask & (1 << (output - 1)) ? Text::tr("Monostabil")
                                                      : Text::tr("Bistabil");
                };
                auto bit = [output](int mask) {
                    return mask & (1 << (output - 1)) ? QStringLiteral("1") : QStringLiteral("0");
                };
                differ(outputCaption(output), mode(a), mode(b), QStringLiteral("b%1").arg(output),
                       bit(a), bit(b));
            }
            break;
        }
        case Kind::Level: {
            const int a = ours.toInt(nullptr, 10), b = theirs.toInt(nullptr, 10);
            auto raw = [](int tenths) {
                return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
            };
            differ(captionOf(field), shownLevel(a), shownLevel(b), field.edit, raw(a), raw(b));
            break;
        }
        case Kind::Range: {
            auto range = [](const QString &value) {
                return value.startsWith(QLatin1Char('0')) ? QStringLiteral("0..15 V")
                                                          : QStringLiteral("0..30 V");
            };
            auto raw = [](const QString &value) {
                return value.startsWith(QLatin1Char('0')) ? QStringLiteral("1")
                                                          : QStringLiteral("0");
            };
            differ(Text::tr("Max. bemenő feszültség"), range(ours), range(theirs),
                   QStringLiteral("max_be_15"), raw(ours), raw(theirs));
            break;
        }
        case Kind::Reserved:
            differ(Text::tr("Fenntartott mező (%1.)").arg(i), shownText(ours), shownText(theirs),
                   QStringLiteral("reserved%1").arg(i), ours, theirs);
            break;
        case Kind::Telephone: {
            const record::TelephoneEntry a = record::decodeTelephone(ours);
            const record::TelephoneEntry b = record::decodeTelephone(theirs);
            differ(captionOf(field), shownText(a.number), shownText(b.number), field.edit, a.number,
                   b.number);
            differ(Text::tr("%1. telefonszám: vezérelt kimenet").arg(field.entry),
                   shownOutput(a.selection), shownOutput(b.selection),
                   field.edit + QStringLiteral("_output"), QString::number(a.selection),
                   QString::number(b.selection));
            differ(Text::tr("%1. telefonszám: jogok").arg(field.entry), shownRights(a.flags),
                   shownRights(b.flags), field.edit + QStringLiteral("_rights"), rawRights(a.flags),
                   rawRights(b.flags));
            break;
        }
        }
    }
    return differences;
}

} // namespace qv::transfer
