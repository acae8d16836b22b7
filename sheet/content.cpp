#include "sheet/content.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/fieldrules.h"
#include "form/fieldvalue.h"
#include "settings/devsettings.h"
#include "transfer/configrecord.h"
#include "transfer/configvalues.h"
#include "transfer/modulerecord.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

namespace qv::sheet {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::Sheet)
};

constexpr int kEntries = transfer::Entries;

// The index of each field in the form's values.
const QHash<QString, int> &indexOfField()
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> result;
        const QList<form::Field> &fields = form::configurationFields();
        for (int i = 0; i < fields.size(); ++i)
            result.insert(fields.at(i).name, i);
        return result;
    }();
    return index;
}

// A text the sheet shows: control characters (a tab, a bell) cannot be typed into a
// telephone, so they show as a mark instead of moving the text about.
QString shown(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QChar(QChar::ReplacementCharacter);
    }
    return text;
}

// The configuration as the form holds it for the sheet's model: the texts (as the form's
// checks leave them) and the buttons; whatever the model lacks reads as empty or unset.
class Configuration
{
public:
    Configuration(const QStringList &values, const std::optional<form::device::Profile> &profile)
        : m_values(values), m_profile(profile)
    {
        // A line edit keeps no more than its length, as when the form opens a file.
        for (const form::Field &field : form::configurationFields()) {
            if (field.kind != form::Kind::LineEdit)
                continue;
            const form::Item *item = form::findItem(field.name);
            const int length = item && item->maxLength > 0 ? item->maxLength : -1;
            m_texts.insert(field.name, has(field.name) ? raw(field.name).left(length) : QString());
        }
    }

    bool has(const QString &field) const
    {
        return !m_profile || form::device::hasTextField(*m_profile, field);
    }
    // Without the blanks after it, which the module does not keep either; blanks before it
    // are part of what is typed.
    QString text(const QString &field) const
    {
        QString text = m_texts.value(field);
        while (text.endsWith(u' '))
            text.chop(1);
        return text;
    }
    void setText(const QString &field, const QString &text) { m_texts.insert(field, text); }
    const QHash<QString, QString> &texts() const { return m_texts; }

    bool isSet(const QString &field) const { return form::isSetValue(raw(field)); }
    int inputs() const { return m_profile ? m_profile->inputs : 4; }
    int outputs() const { return m_profile ? m_profile->outputs : 4; }
    bool analogue() const { return !m_profile || m_profile->analogue; }
    bool hasColumn(int column) const
    {
        return !m_profile || form::device::hasMatrixColumn(*m_profile, column);
    }

    // Entry k's ticked matrix columns, as bits 0..7 for columns 1..8.
    int rights(int entry) const
    {
        int bits = 0;
        for (const form::Field &field : form::configurationFields()) {
            if (field.kind != form::Kind::CheckBox || !isSet(field.name))
                continue;
            const form::Item *item = form::findItem(field.name);
            const auto cell =
                item ? form::device::parseMatrixTag(QString::fromLatin1(item->groupProperty))
                     : std::nullopt;
            if (cell && cell->entry == entry && cell->column >= 1 && cell->column <= 8 &&
                hasColumn(cell->column))
                bits |= 1 << (cell->column - 1);
        }
        return bits;
    }
    // The output a call from entry k switches; 0 for none (also for one the model lacks).
    int ringOutput(int entry) const
    {
        for (int output = 1; output <= outputs(); ++output) {
            if (isSet(form::device::ringButtonName(entry, output)))
                return output;
        }
        return 0;
    }

private:
    QString raw(const QString &field) const
    {
        return m_values.value(indexOfField().value(field, -1));
    }

    const QStringList &m_values;
    std::optional<form::device::Profile> m_profile;
    QHash<QString, QString> m_texts;
};

form::rules::AnalogRange rangeOf(const Configuration &c)
{
    return c.isSet(QStringLiteral("max_be_30")) ? form::rules::AnalogRange::Volts30
                                                : form::rules::AnalogRange::Volts15;
}

// The form's own checks, group box by group box in the form's order, and then the
// download's assembly: the first field either refuses. On success the texts are as the
// checks leave them (the module id padded to four digits and the like).
std::optional<std::pair<QString, QString>> refusal(Configuration &c, const Source &source)
{
    const std::pair<const char *, form::rules::Group> boxes[] = {
        {"g_general", form::rules::Group::General},     {"g_analog", form::rules::Group::Analog},
        {"g_be", form::rules::Group::Inputs},           {"g_ki", form::rules::Group::Outputs},
        {"g_activate", form::rules::Group::Activation}, {"g_tel", form::rules::Group::Telephones},
    };
    const form::rules::AnalogRange range = rangeOf(c);
    for (const auto &[box, group] : boxes) {
        QList<form::rules::Field> fields;
        for (const QString &name : form::names(box, form::Kind::LineEdit))
            fields << form::rules::Field{name, c.texts().value(name)};
        const form::rules::GroupCheck check = form::rules::checkGroup(group, fields, range);
        if (check.problem != form::rules::Problem::None) {
            const QString &name = fields.at(check.focus).name;
            return std::pair{
                name, Text::tr("%1: %2").arg(transfer::fieldCaption(name),
                                             form::rules::warningFor(check.problem, range).text)};
        }
        for (int i = 0; i < fields.size(); ++i)
            c.setText(fields.at(i).name, check.texts.at(i));
    }

    transfer::FormValues values = transfer::formValuesFromFile(source.values);
    values.texts = c.texts();
    const transfer::Assembly assembly = transfer::assembleDownload(values, source.separator);
    if (assembly.status == transfer::AssemblyStatus::Ok)
        return std::nullopt;
    return std::pair{assembly.field, transfer::assemblyProblem(assembly, source.separator, true)};
}

void addFact(QList<Fact> &facts, const QString &label, const QString &value, bool typed = false)
{
    if (!value.isEmpty())
        facts << Fact{label, shown(value), typed};
}

// A level in tenths of a volt, from its whole and tenth fields; empty unless both are set.
QString volts(const Configuration &c, const form::rules::AnalogLevelFields &level)
{
    const QString whole = c.text(QString(level.whole)), tenth = c.text(QString(level.tenth));
    if (whole.isEmpty() || tenth.isEmpty())
        return {};
    const double value = (10 * whole.toInt() + tenth.toInt()) / 10.0;
    return Text::tr("%1 V").arg(QLocale().toString(value, 'f', 1));
}

// A number the form pads with zeros ("0030"), as a customer reads it ("30").
QString number(const QString &text)
{
    bool ok = false;
    const int value = QString(text).remove(u' ').toInt(&ok);
    return ok ? QString::number(value) : text;
}

QString inputName(const Configuration &c, int input)
{
    const QString name = c.text(QStringLiteral("be%1_nev").arg(input));
    const QString which = Text::tr("%1. bemenet").arg(input);
    return name.isEmpty() ? which : Text::tr("%1 (%2)").arg(which, shown(name));
}

QString named(const QString &what, const QString &name)
{
    return name.isEmpty() ? what : Text::tr("%1 (%2)").arg(what, shown(name));
}

Section moduleSection(const Configuration &c, const Source &source, int model)
{
    Part part;
    addFact(part.facts, Text::tr("Modul neve"), c.text(QStringLiteral("m_nev")));
    addFact(part.facts, Text::tr("Modulazonosító"), c.text(QStringLiteral("m_id")));
    addFact(part.facts, Text::tr("Típus"), form::device::modelName(model));
    addFact(part.facts, Text::tr("Helyszín"), source.site.simplified());
    addFact(part.facts, Text::tr("Dátum"),
            source.date.isValid() ? source.date.toString(Qt::ISODate) : QString());
    addFact(part.facts, Text::tr("Technikus"), source.technician.simplified());
    addFact(part.facts, Text::tr("Program"),
            source.programVersion.isEmpty()
                ? QString()
                : QStringLiteral("qvconfig %1").arg(source.programVersion));
    return Section{Text::tr("A modul"), {part}};
}

std::optional<Section> telephoneSection(const Configuration &c)
{
    Table table;
    table.header = QStringList{Text::tr("Telefonszám"), Text::tr("Hívása kapcsolja"),
                               Text::tr("Riasztást kap"), Text::tr("Értesítés")};
    for (int entry = 1; entry <= kEntries; ++entry) {
        const QString number = c.text(QStringLiteral("t%1").arg(entry));
        if (number.isEmpty())
            continue;
        const int rights = c.rights(entry);
        const int output = c.ringOutput(entry);
        QStringList alarms;
        for (int input = 1; input <= 4; ++input) {
            if (transfer::hasRight(rights, input))
                alarms << inputName(c, input);
        }
        if (transfer::hasRight(rights, 5))
            alarms << named(Text::tr("analóg bemenet"), c.text(QStringLiteral("be_a1_nev")));
        if (transfer::hasRight(rights, 6))
            alarms << named(Text::tr("számláló"), c.text(QStringLiteral("be_a2_nev")));
        // Without an alarm source an entry is neither called nor sent an SMS.
        QStringList how;
        if (!alarms.isEmpty() && transfer::hasRight(rights, form::device::kSmsColumn))
            how << Text::tr("SMS");
        if (!alarms.isEmpty() && transfer::hasRight(rights, form::device::kRingColumn))
            how << Text::tr("hívás");
        const QString none = Text::tr("–");
        table.rows << QStringList{u'+' + shown(number),
                                  output > 0 ? Text::tr("%1. kimenet").arg(output) : none,
                                  alarms.isEmpty() ? none : alarms.join(QStringLiteral(", ")),
                                  how.isEmpty() ? none : how.join(QStringLiteral(", "))};
    }
    if (table.rows.isEmpty())
        return std::nullopt;
    Part part;
    part.table = table;
    return Section{Text::tr("Jogosult telefonszámok"), {part}};
}

Section commandSection(const Configuration &c, const Source &source)
{
    Section section{Text::tr("SMS-parancsok"), {}};
    bool timed = false;
    const int relay = QString(c.text(QStringLiteral("rele_time"))).remove(u' ').toInt(&timed);
    Table outputs;
    outputs.header = QStringList{Text::tr("Kimenet"), Text::tr("Bekapcsolás"),
                                 Text::tr("Kikapcsolás"), Text::tr("Hívásra")};
    outputs.typedColumns = {1, 2};
    for (int output = 1; output <= c.outputs(); ++output) {
        // A monostable output switches on for the relay's time, a bistable one changes over.
        QString onCall;
        if (c.isSet(QStringLiteral("b%1").arg(output)))
            onCall = timed ? Text::tr("bekapcsol %n másodpercre", nullptr, relay)
                           : Text::tr("bekapcsol a relé idejére");
        else if (c.isSet(QStringLiteral("k%1").arg(output)))
            onCall = Text::tr("átvált (be ↔ ki)");
        outputs.rows << QStringList{Text::tr("%1. kimenet", "row heading").arg(output),
                                    shown(c.text(QStringLiteral("ki%1_on").arg(output))),
                                    shown(c.text(QStringLiteral("ki%1_off").arg(output))), onCall};
    }
    Part part;
    part.table = outputs;
    section.parts << part;

    Part more;
    addFact(more.facts, Text::tr("Riasztások bekapcsolása"), c.text(QStringLiteral("act_be")),
            true);
    addFact(more.facts, Text::tr("Riasztások kikapcsolása"), c.text(QStringLiteral("act_ki")),
            true);
    if (c.analogue())
        addFact(more.facts, Text::tr("Számláló törlése"), c.text(QStringLiteral("abe2_clr")), true);
    // As the module keeps it: the download fills it to four digits ("7" is "0007").
    const QString pin = c.text(QStringLiteral("m_pin")).rightJustified(4, u'0');
    if (!c.text(QStringLiteral("m_pin")).isEmpty())
        addFact(more.facts, Text::tr("PIN-kód"),
                source.withPin ? pin : Text::tr("nem szerepel ezen a lapon"), source.withPin);
    const QString centre = c.text(QStringLiteral("smskp"));
    if (!centre.isEmpty()) {
        const QString withPlus = centre.startsWith(u'+') ? centre : u'+' + centre;
        const int op = form::rules::operatorIndexFor(centre);
        addFact(more.facts, Text::tr("SMS-központ"),
                op == form::rules::kCustomOperator
                    ? withPlus
                    : Text::tr("%1 (%2)").arg(withPlus,
                                              form::translated(form::smsCentreOperators().at(op))));
    }
    if (!more.facts.isEmpty())
        section.parts << more;
    return section;
}

std::optional<Section> inputSection(const Configuration &c)
{
    Section section{Text::tr("Bemenetek"), {}};
    Table inputs;
    inputs.header =
        QStringList{Text::tr("Bemenet"), Text::tr("Név"), Text::tr("SMS aktív állapotban"),
                    Text::tr("SMS inaktív állapotban")};
    inputs.typedColumns = {2, 3};
    for (int input = 1; input <= c.inputs(); ++input) {
        const QStringList texts{c.text(QStringLiteral("be%1_nev").arg(input)),
                                c.text(QStringLiteral("be%1_on_msg").arg(input)),
                                c.text(QStringLiteral("be%1_off_msg").arg(input))};
        if (texts.join(QString()).isEmpty())
            continue;
        inputs.rows << QStringList{Text::tr("%1. bemenet", "row heading").arg(input),
                                   shown(texts.at(0)), shown(texts.at(1)), shown(texts.at(2))};
    }
    if (!inputs.rows.isEmpty()) {
        Part part;
        part.table = inputs;
        section.parts << part;
    }

    if (c.analogue()) {
        Part analogue;
        analogue.subheading = Text::tr("Analóg bemenet");
        addFact(analogue.facts, Text::tr("Név"), c.text(QStringLiteral("be_a1_nev")));
        addFact(analogue.facts, Text::tr("Mérési tartomány"),
                rangeOf(c) == form::rules::AnalogRange::Volts30 ? Text::tr("0–30 V")
                                                                : Text::tr("0–15 V"));
        addFact(analogue.facts, Text::tr("Magas riasztási szint"),
                volts(c, form::rules::kHighLevel));
        addFact(analogue.facts, Text::tr("SMS magas szintnél"),
                c.text(QStringLiteral("abe1_hi_msg")), true);
        addFact(analogue.facts, Text::tr("Alacsony riasztási szint"),
                volts(c, form::rules::kLowLevel));
        addFact(analogue.facts, Text::tr("SMS alacsony szintnél"),
                c.text(QStringLiteral("abe1_lo_msg")), true);
        addFact(analogue.facts, Text::tr("SMS visszaálláskor"),
                c.text(QStringLiteral("abe1_vissza")), true);
        // The range alone says nothing of this module.
        if (analogue.facts.size() > 1)
            section.parts << analogue;

        Part counter;
        counter.subheading = Text::tr("Számláló");
        addFact(counter.facts, Text::tr("Név"), c.text(QStringLiteral("be_a2_nev")));
        addFact(counter.facts, Text::tr("Legnagyobb érték"),
                c.text(QStringLiteral("abe2_hi")).isEmpty()
                    ? QString()
                    : number(c.text(QStringLiteral("abe2_hi"))));
        addFact(counter.facts, Text::tr("SMS túlcsorduláskor"),
                c.text(QStringLiteral("abe2_hi_msg")), true);
        if (!counter.facts.isEmpty())
            section.parts << counter;
    }
    if (section.parts.isEmpty())
        return std::nullopt;
    return section;
}

std::optional<Section> behaviourSection(const Configuration &c)
{
    Part part;
    const QString relay = c.text(QStringLiteral("rele_time"));
    if (!relay.isEmpty()) {
        bool ok = false;
        const int seconds = QString(relay).remove(u' ').toInt(&ok);
        addFact(part.facts, Text::tr("Relé meghúzási ideje"),
                ok ? Text::tr("%n másodperc", nullptr, seconds) : shown(relay));
    }
    const QString maxSms = c.text(QStringLiteral("maxsms"));
    if (!maxSms.isEmpty()) {
        bool ok = false;
        const int count = QString(maxSms).remove(u' ').toInt(&ok);
        addFact(part.facts, Text::tr("SMS-korlát"),
                ok ? Text::tr("legfeljebb %n SMS 2 óra alatt", nullptr, count) : shown(maxSms));
    }
    const QString reset = c.text(QStringLiteral("visszaallas"));
    if (!reset.isEmpty())
        addFact(part.facts, Text::tr("Bemenet visszaállás"),
                reset == u"1" ? Text::tr("bekapcsolva") : Text::tr("kikapcsolva"));
    if (part.facts.isEmpty())
        return std::nullopt;
    return Section{Text::tr("Működés"), {part}};
}

} // namespace

Made makeSheet(const Source &source)
{
    const int model = source.model == settings::NoDevice ? modelOf(source.values) : source.model;
    Configuration c(source.values, form::device::profileFor(model));
    Made made;
    if (const auto refused = refusal(c, source)) {
        made.field = refused->first;
        made.reason = refused->second;
        return made;
    }

    Sheet sheet;
    sheet.title = Text::tr("Ügyféllap");
    const QString name = shown(c.text(QStringLiteral("m_nev")));
    const QString id = c.text(QStringLiteral("m_id"));
    sheet.subtitle = name.isEmpty() || id.isEmpty() ? name + id : Text::tr("%1 (%2)").arg(name, id);
    sheet.documentTitle = sheet.subtitle.isEmpty()
                              ? sheet.title
                              : Text::tr("%1 – %2").arg(sheet.title, sheet.subtitle);
    sheet.creator = QStringLiteral("qvconfig %1").arg(source.programVersion).trimmed();
    sheet.author =
        source.technician.simplified().isEmpty() ? sheet.creator : source.technician.simplified();

    sheet.sections << moduleSection(c, source, model);
    if (auto section = telephoneSection(c))
        sheet.sections << *section;
    sheet.sections << commandSection(c, source);
    if (auto section = inputSection(c))
        sheet.sections << *section;
    if (auto section = behaviourSection(c))
        sheet.sections << *section;
    made.sheet = std::move(sheet);
    return made;
}

int modelOf(const QStringList &values)
{
    for (const int model : {settings::ModelBRK2, settings::ModelQV3, settings::ModelQV5}) {
        const form::device::Profile profile = *form::device::profileFor(model);
        bool fits = true;
        const QList<form::Field> &fields = form::configurationFields();
        for (int i = 0; i < fields.size() && fits; ++i) {
            const form::Field &field = fields.at(i);
            const QString value = values.value(i);
            if (field.kind == form::Kind::LineEdit) {
                fits = value.trimmed().isEmpty() || form::device::hasTextField(profile, field.name);
                continue;
            }
            if (!form::isSetValue(value))
                continue;
            const form::Item *item = form::findItem(field.name);
            if (field.kind == form::Kind::CheckBox && item) {
                const auto cell =
                    form::device::parseMatrixTag(QString::fromLatin1(item->groupProperty));
                fits = !cell || form::device::hasMatrixColumn(profile, cell->column);
            } else if (const auto ring = form::device::parseRingButton(field.name)) {
                fits = ring->output <= profile.outputs;
            }
        }
        if (fits)
            return model;
    }
    return settings::ModelQV5;
}

std::optional<QStringList> valuesFromRecord(const QStringList &fields, int model)
{
    if (fields.size() != transfer::record::FieldCount)
        return std::nullopt;
    const transfer::ReadOutResult decoded =
        transfer::decodeReadOut(transfer::record::buildDownloadRecord(fields));
    if (decoded.status != transfer::ReadOutStatus::Ok)
        return std::nullopt;
    return transfer::fileValuesFromReadOut(decoded.form, model);
}

} // namespace qv::sheet
