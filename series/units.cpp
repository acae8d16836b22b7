// The units table: reading it as spreadsheets write CSV, checking it with the form's own
// rules, and each unit's values and record.
#include "series/series.h"

#include "files/configformat.h"
#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/fieldrules.h"
#include "series/dispenser.h"
#include "transfer/configrecord.h"
#include "transfer/configvalues.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <filesystem>

namespace qv::series {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::series)
};

// ---- CSV --------------------------------------------------------------------------------

// Splits CSV text into records of fields. A record remembers the line it starts on.
struct Record
{
    QStringList fields;
    int line = 0;
};

struct Parsed
{
    QList<Record> records;
    QString error;
};

// The separator the header row (the first line that is not blank) uses outside quotes: the
// first ',' or ';' found there.
QChar headerSeparator(QStringView text)
{
    bool quoted = false;
    bool blank = true;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r') && !blank)
            break;
        else if (!quoted && (c == u',' || c == u';'))
            return c;
        blank = blank && c.isSpace();
    }
    return u';';
}

Parsed parseCsv(QStringView text, QChar separator)
{
    Parsed parsed;
    Record record;
    QString field;
    int line = 1;
    record.line = 1;
    bool quoted = false;     // inside a quoted field
    bool wasQuoted = false;  // the field had quotes (so it is not "nothing")
    bool afterQuote = false; // a quoted field's closing quote was just read
    const qsizetype n = text.size();
    auto endField = [&] {
        record.fields << field;
        field.clear();
        wasQuoted = afterQuote = false;
    };
    auto endRecord = [&](int nextLine) {
        endField();
        parsed.records << record;
        record = Record{};
        record.line = nextLine;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                    afterQuote = true;
                }
            } else {
                if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                    continue; // CR LF inside a field is one line break
                if (c == u'\n' || c == u'\r') {
                    field += u'\n';
                    ++line;
                } else {
                    field += c;
                }
            }
            continue;
        }
        if (c == separator) {
            endField();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            ++line;
            endRecord(line);
        } else if (afterQuote) {
            parsed.error = Text::tr("A(z) %1. sorban egy idézőjeles mező után a „%2” karakter áll; "
                                    "a mező idézőjele után elválasztó vagy sorvége következhet.")
                               .arg(line)
                               .arg(c);
            return parsed;
        } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else {
            field += c; // a quote inside an unquoted field is a character as spreadsheets take it
        }
    }
    if (quoted) {
        parsed.error =
            Text::tr("A(z) %1. sorban kezdődő idézőjeles mező nincs lezárva a fájl végéig.")
                .arg(record.line);
        return parsed;
    }
    if (!field.isEmpty() || wasQuoted || !record.fields.isEmpty())
        endRecord(line);
    return parsed;
}

bool allEmpty(const QStringList &fields)
{
    for (const QString &f : fields) {
        if (!f.isEmpty())
            return false;
    }
    return true;
}

// ---- The form's fields ------------------------------------------------------------------

struct FieldInfo
{
    int index = -1; // the value line in a configuration file
    const form::Item *item = nullptr;
    const form::Box *box = nullptr;
};

const QHash<QString, FieldInfo> &fieldsByName()
{
    static const QHash<QString, FieldInfo> map = [] {
        QHash<QString, FieldInfo> m;
        const QList<form::Field> &fields = form::configurationFields();
        for (int i = 0; i < fields.size(); ++i) {
            FieldInfo info;
            info.index = i;
            info.item = form::findItem(fields.at(i).name, &info.box);
            m.insert(fields.at(i).name, info);
        }
        return m;
    }();
    return map;
}

// Whether a module of `profile` has the field: a text it lacks, a matrix column it lacks,
// a ring-in output or an output mode of an output it lacks, the analogue range without an
// analogue input.
bool modelHas(const form::device::Profile &profile, const QString &name, const FieldInfo &info)
{
    switch (info.item->kind) {
    case form::Kind::LineEdit:
        return form::device::hasTextField(profile, name);
    case form::Kind::CheckBox: {
        const auto cell =
            form::device::parseMatrixTag(QString::fromLatin1(info.item->groupProperty));
        return !cell || form::device::hasMatrixColumn(profile, cell->column);
    }
    case form::Kind::RadioButton: {
        const QLatin1StringView box(info.box->name);
        if (box == QLatin1StringView("g_analog"))
            return profile.analogue;
        if (box == QLatin1StringView("g_ki_csengetes"))
            return name.mid(1).toInt() <= profile.outputs;
        const auto ring = form::device::parseRingButton(name);
        return !ring || ring->output <= profile.outputs;
    }
    default:
        return true;
    }
}

// The radio buttons of `item`'s exclusive group, as value line indexes.
QList<int> groupMembers(const form::Item *item)
{
    QList<int> members;
    if (!item->buttonGroup)
        return members;
    for (auto it = fieldsByName().cbegin(); it != fieldsByName().cend(); ++it) {
        const form::Item *other = it->item;
        if (other && other->kind == form::Kind::RadioButton && other->buttonGroup &&
            qstrcmp(other->buttonGroup, item->buttonGroup) == 0)
            members << it->index;
    }
    std::sort(members.begin(), members.end());
    return members;
}

// A column the checks accept: its field, when the header names it once and the model
// has it; for a radio button, the value lines of its exclusive group.
struct Column
{
    QString name;
    std::optional<FieldInfo> field;
    QList<int> members;
};

QList<Column> usableColumns(const UnitsTable &table,
                            const std::optional<form::device::Profile> &profile,
                            QList<CellProblem> *problems)
{
    QList<Column> columns;
    QSet<QString> seen;
    for (const QString &name : table.columns) {
        Column column{name, std::nullopt, {}};
        const auto it = fieldsByName().constFind(name);
        QString reason;
        if (it == fieldsByName().cend() || !it->item)
            reason = Text::tr("Ismeretlen oszlop: a fejléc a konfiguráció mezőinek nevét várja "
                              "(m_id, m_nev, t1…t8, smskp …).");
        else if (seen.contains(name))
            reason = Text::tr("Az oszlop kétszer szerepel a fejlécben.");
        else if (profile && !modelHas(*profile, name, *it))
            reason = Text::tr("A modul típusának nincs ilyen mezője.");
        else if (it->item->flags & form::Disabled && it->item->kind == form::Kind::LineEdit &&
                 it->item->flags & form::ReadOnly)
            reason = Text::tr("Ez a mező nem módosítható.");
        else
            column.field = *it;
        if (column.field && column.field->item->kind == form::Kind::RadioButton)
            column.members = groupMembers(column.field->item);
        if (!reason.isEmpty() && problems)
            problems->append(CellProblem{0, table.headerLine, name, QString(), reason});
        seen.insert(name);
        columns << column;
    }
    return columns;
}

form::rules::AnalogRange rangeOf(const QStringList &values)
{
    const int index = fieldsByName().value(QStringLiteral("max_be_30")).index;
    return index >= 0 && form::isSetValue(values.value(index)) ? form::rules::AnalogRange::Volts30
                                                               : form::rules::AnalogRange::Volts15;
}

// Why one cell cannot be the field's value; empty when it can.
QString cellProblem(const QString &name, const FieldInfo &field, const QString &value)
{
    if (field.item->kind != form::Kind::LineEdit) {
        if (value != u"0" && value != u"1")
            return form::rules::warningFor(form::rules::Problem::NotZeroOne).text;
        return {};
    }
    if (value.contains(u'\n') || value.contains(u'\r'))
        return Text::tr("A(z) „%1” mező nem tartalmazhat sortörést!")
            .arg(transfer::fieldCaption(name));
    const int limit = field.item->maxLength > 0 ? field.item->maxLength : 32767;
    if (value.size() > limit)
        return QCoreApplication::translate(
                   "qv::series", "A(z) „%1” mezőbe legfeljebb %n karakter írható.", nullptr, limit)
            .arg(transfer::fieldCaption(name));
    if (value.contains(u'|'))
        return Text::tr("A(z) „%1” mező nem tartalmazhat „|” karaktert!")
            .arg(transfer::fieldCaption(name));
    const std::optional<form::rules::Group> group = form::rules::groupOf(name);
    if (!group)
        return {};
    const form::rules::GroupCheck check = form::rules::checkGroup(*group, {{name, value}});
    return form::rules::warningFor(check.problem).text;
}

// The unit's values with its cells in place; radio buttons switched on switch the others
// of their group off.
QStringList mergedValues(const QList<Column> &columns, const QStringList &cells,
                         const QStringList &baseValues)
{
    QStringList values = baseValues;
    while (values.size() < files::kValueLines)
        values << QString();
    // Off first, so that a button switched on wins over one of its group switched off.
    for (const bool on : {false, true}) {
        for (qsizetype c = 0; c < columns.size() && c < cells.size(); ++c) {
            const Column &column = columns.at(c);
            const QString &cell = cells.at(c);
            if (!column.field || cell.isEmpty())
                continue;
            const FieldInfo &f = *column.field;
            if (f.item->kind == form::Kind::LineEdit) {
                if (!on) {
                    const std::optional<form::rules::Group> group =
                        form::rules::groupOf(column.name);
                    values[f.index] = group ? form::rules::normalised(
                                                  form::rules::fieldRule(*group, column.name), cell)
                                            : cell;
                }
                continue;
            }
            if (form::isSetValue(cell) != on)
                continue;
            if (on && f.item->kind == form::Kind::RadioButton) {
                for (const int member : column.members)
                    values[member] = files::flagLine(false);
            }
            values[f.index] = files::flagLine(on);
        }
    }
    return values;
}

} // namespace

// ---- Reading ------------------------------------------------------------------------------

UnitsRead readUnits(const QByteArray &bytes)
{
    UnitsRead read;
    if (bytes.size() > MaxUnitsFileBytes) {
        read.error = Text::tr("A fájl túl nagy (legfeljebb %1 MB lehet): nem egy egységtáblázat.")
                         .arg(MaxUnitsFileBytes / (1024 * 1024));
        return read;
    }
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    if (view.startsWith("\xFF\xFE") || view.startsWith("\xFE\xFF")) {
        read.error = Text::tr("A fájl UTF-16 kódolású. Mentse „CSV UTF-8” formátumban.");
        return read;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(view);
    if (decoder.hasError()) {
        read.error = Text::tr("A fájl nem UTF-8 kódolású. Mentse a táblázatot „CSV UTF-8” "
                              "formátumban (pontosvesszővel vagy vesszővel tagolva).");
        return read;
    }
    if (text.contains(QChar(0))) {
        read.error = Text::tr("A fájl nem szöveg: nem egy egységtáblázat.");
        return read;
    }

    UnitsTable table;
    table.separator = headerSeparator(text);
    const Parsed parsed = parseCsv(text, table.separator);
    if (!parsed.error.isEmpty()) {
        read.error = parsed.error;
        return read;
    }
    bool header = true;
    for (const Record &record : parsed.records) {
        if (allEmpty(record.fields))
            continue; // an empty line, or one of separators only
        if (header) {
            header = false;
            table.headerLine = record.line;
            for (const QString &name : record.fields)
                table.columns << name.trimmed();
            while (!table.columns.isEmpty() && table.columns.constLast().isEmpty())
                table.columns.removeLast();
            continue;
        }
        QStringList cells = record.fields;
        while (cells.size() > table.columns.size() && cells.constLast().isEmpty())
            cells.removeLast();
        if (cells.size() > table.columns.size()) {
            read.error = Text::tr("A(z) %1. sorban több mező van (%2), mint a fejlécben (%3).")
                             .arg(record.line)
                             .arg(cells.size())
                             .arg(table.columns.size());
            return read;
        }
        while (cells.size() < table.columns.size())
            cells << QString();
        table.rows << cells;
        table.lines << record.line;
    }
    if (header) {
        read.error = Text::tr("A fájl üres: az első sorban a mezők nevét, alatta soronként egy-egy "
                              "modul értékeit várja.");
        return read;
    }
    if (table.rows.isEmpty()) {
        read.error = Text::tr("A fájlban csak a fejléc van: egyetlen modul sora sincs benne.");
        return read;
    }
    read.table = std::move(table);
    return read;
}

UnitsRead readUnitsFile(const QString &path)
{
    UnitsRead read;
    const QString name = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        read.error = Text::tr("A(z) %1 fájl nem olvasható: %2").arg(name, file.errorString());
        return read;
    }
    const QByteArray bytes = file.read(MaxUnitsFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        read.error = Text::tr("A(z) %1 fájl nem olvasható: %2").arg(name, file.errorString());
        return read;
    }
    read = readUnits(bytes);
    if (!read.error.isEmpty())
        read.error = Text::tr("A(z) %1 fájl nem használható.\n%2").arg(name, read.error);
    return read;
}

// ---- Checks ---------------------------------------------------------------------------------

QList<CellProblem> checkUnits(const UnitsTable &table, const QStringList &baseValues, int model)
{
    QList<CellProblem> problems;
    const std::optional<form::device::Profile> profile = form::device::profileFor(model);
    const QList<Column> columns = usableColumns(table, profile, &problems);

    // The usable column of each field, the same for every row.
    QHash<QString, qsizetype> columnOf;
    for (qsizetype c = 0; c < columns.size(); ++c) {
        if (columns.at(c).field)
            columnOf.insert(columns.at(c).name, c);
    }

    // The required fields the base leaves empty and no column fills: once, for every row.
    // Those it leaves empty that a column fills: in every row whose cell is empty (an empty
    // cell takes the base value).
    QList<std::pair<QString, qsizetype>> required; // name and column
    const QStringList requiredFields = form::device::requiredTextFields([&](const QString &name) {
        const FieldInfo info = fieldsByName().value(name);
        return info.item && (!profile || form::device::hasTextField(*profile, name)) &&
               !(info.item->flags & form::Disabled);
    });
    for (const QString &name : requiredFields) {
        if (!baseValues.value(fieldsByName().value(name).index).isEmpty())
            continue;
        if (const auto it = columnOf.constFind(name); it != columnOf.cend())
            required << std::pair{name, *it};
        else
            problems << CellProblem{0, table.headerLine, name, QString(),
                                    Text::tr("Minden beviteli mező kitöltése kötelező! (%1): az "
                                             "alapfájlban üres, és nincs ilyen oszlop.")
                                        .arg(transfer::fieldCaption(name))};
    }

    // A reason is one text however many rows it is given for: a table of a million bad rows
    // holds it once.
    QSet<QString> reasons;
    QStringList reported; // the columns of the row's problems (a few)
    for (int r = 0; r < table.rows.size(); ++r) {
        const QStringList &cells = table.rows.at(r);
        const int line = table.lines.value(r);
        const int number = r + 1;
        reported.clear();
        auto add = [&](const QString &column, const QString &value, const QString &reason) {
            if (reported.contains(column))
                return;
            reported << column;
            problems << CellProblem{number, line, column, value, *reasons.insert(reason)};
        };
        QList<qsizetype> analogCells;
        bool buttons = false; // the row sets a check box or a radio button
        for (qsizetype c = 0; c < columns.size() && c < cells.size(); ++c) {
            const Column &column = columns.at(c);
            const QString &cell = cells.at(c);
            if (!column.field || cell.isEmpty())
                continue;
            buttons = buttons || column.field->item->kind != form::Kind::LineEdit;
            const QString reason = cellProblem(column.name, *column.field, cell);
            if (!reason.isEmpty())
                add(column.name, cell, reason);
            else if (QLatin1StringView(column.field->box->name) == QLatin1StringView("g_analog"))
                analogCells << c;
        }

        // The unit's values as a whole, only when the row sets what they are checked for.
        const QStringList values = analogCells.isEmpty() && !buttons
                                       ? QStringList()
                                       : mergedValues(columns, cells, baseValues);
        auto blame = [&](const QString &field, const QString &reason) {
            // The cell that holds the field, or else the first of the row's analogue cells.
            if (const auto it = columnOf.constFind(field);
                it != columnOf.cend() && !cells.value(*it).isEmpty())
                return add(field, cells.at(*it), reason);
            if (!analogCells.isEmpty())
                add(columns.at(analogCells.first()).name, cells.at(analogCells.first()), reason);
        };

        // The analogue alarm levels against the range and each other, as the form checks
        // its analogue page, when the row sets any of that page.
        if (!analogCells.isEmpty()) {
            QList<form::rules::Field> fields;
            for (const QString &name : form::names("g_analog", form::Kind::LineEdit))
                fields << form::rules::Field{name, values.value(fieldsByName().value(name).index)};
            const form::rules::AnalogRange range = rangeOf(values);
            const form::rules::GroupCheck check =
                form::rules::checkGroup(form::rules::Group::Analog, fields, range);
            if (check.problem != form::rules::Problem::None)
                blame(fields.at(check.focus).name,
                      form::rules::warningFor(check.problem, range).text);
        }

        // One button of each group the row touches switched on.
        for (qsizetype c = 0; buttons && c < columns.size() && c < cells.size(); ++c) {
            const Column &column = columns.at(c);
            if (!column.field || cells.at(c).isEmpty() ||
                column.field->item->kind != form::Kind::RadioButton ||
                reported.contains(column.name))
                continue;
            int on = 0;
            for (const int member : column.members)
                on += form::isSetValue(values.value(member)) ? 1 : 0;
            if (on == 0)
                add(column.name, cells.at(c),
                    Text::tr("A csoport egyik gombjának bekapcsolva kell lennie: kapcsoljon be "
                             "helyette egy másikat."));
            else if (on > 1)
                add(column.name, cells.at(c),
                    Text::tr("A csoportjából csak egy gomb lehet bekapcsolva."));
        }

        for (const auto &[name, column] : required) {
            if (cells.value(column).isEmpty())
                add(name, QString(),
                    Text::tr("Minden beviteli mező kitöltése kötelező! (%1)")
                        .arg(transfer::fieldCaption(name)));
        }
    }
    return problems;
}

QList<int> rowsWithProblems(const QList<CellProblem> &problems)
{
    QList<int> rows;
    for (const CellProblem &p : problems) {
        if (p.row > 0)
            rows << p.row - 1;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QString problemText(const CellProblem &problem)
{
    const QString where =
        problem.row > 0 ? Text::tr("%1. sor").arg(problem.row) : Text::tr("fejléc");
    if (problem.value.isEmpty())
        return Text::tr("%1, %2: %3").arg(where, problem.column, problem.reason);
    return Text::tr("%1, %2 („%3”): %4").arg(where, problem.column, problem.value, problem.reason);
}

// ---- Values ---------------------------------------------------------------------------------

QStringList unitValues(const UnitsTable &table, int row, const QStringList &baseValues)
{
    const QList<Column> columns = usableColumns(table, std::nullopt, nullptr);
    return mergedValues(columns, table.rows.value(row), baseValues);
}

QString unitRecord(const UnitsTable &table, int row, const QStringList &baseValues, int model,
                   QChar separator, QString *reason)
{
    transfer::FormValues values = transfer::formValuesFromFile(unitValues(table, row, baseValues));
    values.profile = form::device::profileFor(model);
    const transfer::Assembly assembly = transfer::assembleDownload(values, separator);
    if (assembly.status == transfer::AssemblyStatus::Ok)
        return assembly.record;
    const QString why = transfer::assemblyProblem(assembly, separator);
    if (reason)
        *reason = why;
    return {};
}

QString seriesKey(const QString &unitsPath, const QByteArray &baseFileBytes)
{
    const QByteArray digest = QCryptographicHash::hash(baseFileBytes, QCryptographicHash::Sha256);
    return QFileInfo(unitsPath).fileName() + u'#' + QString::fromLatin1(digest.toHex().left(16));
}

QString tableDigest(const UnitsTable &table)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    auto add = [&hash](const QStringList &cells) {
        for (const QString &cell : cells)
            hash.addData((cell + u'\x1f').toUtf8());
        hash.addData("\x1e");
    };
    add(table.columns);
    for (const QStringList &row : table.rows)
        add(row);
    return QString::fromLatin1(hash.result().toHex().left(32));
}

QString contentKey(const UnitsTable &table, const QByteArray &baseFileBytes)
{
    const QByteArray base = QCryptographicHash::hash(baseFileBytes, QCryptographicHash::Sha256);
    return tableDigest(table) + u'-' + QString::fromLatin1(base.toHex().left(16));
}

QString defaultResultsPath(const QString &unitsPath)
{
    const QFileInfo info(unitsPath);
    const QString name = info.completeBaseName() + QStringLiteral("-eredmeny.csv");
    return info.path() == u"." ? name : QDir(info.path()).filePath(name);
}

QString resultsPathProblem(const QString &resultsPath, const QString &basePath,
                           const QString &unitsPath)
{
    auto same = [&resultsPath](const QString &input) {
        std::error_code error;
        return !resultsPath.isEmpty() && !input.isEmpty() &&
               std::filesystem::equivalent(QFileInfo(resultsPath).filesystemFilePath(),
                                           QFileInfo(input).filesystemFilePath(), error);
    };
    const QString name = QDir::toNativeSeparators(resultsPath);
    if (same(basePath))
        return Text::tr("Az eredményfájl (%1) ugyanaz a fájl, mint az alapfájl: a sorozat "
                        "felülírná. Adjon meg más eredményfájlt.")
            .arg(name);
    if (same(unitsPath))
        return Text::tr("Az eredményfájl (%1) ugyanaz a fájl, mint a modulok táblázata: a "
                        "sorozat felülírná. Adjon meg más eredményfájlt.")
            .arg(name);
    return {};
}

SetupCheck checkSetup(SeriesSetup setup)
{
    if (QString why = portsProblem(setup.ports, canonicalPort); !why.isEmpty())
        return {std::move(setup), why};
    if (setup.resultsPath.isEmpty())
        setup.resultsPath = defaultResultsPath(setup.unitsPath);
    QString why = resultsPathProblem(setup.resultsPath, setup.basePath, setup.unitsPath);
    return {std::move(setup), why};
}

QString planRefusal(const QString &error)
{
    return Text::tr("A sorozat a nyilvántartás nélkül nem indítható, mert abból tudja, "
                    "mely sorok készültek el korábban.\n") +
           error;
}

QString stateText(UnitState state)
{
    switch (state) {
    case UnitState::Pending:
        return Text::tr("vár");
    case UnitState::Working:
        return Text::tr("folyamatban");
    case UnitState::Passed:
        return Text::tr("kész");
    case UnitState::PassedEarlier:
        return Text::tr("korábban kész");
    case UnitState::Failed:
        return Text::tr("sikertelen");
    case UnitState::Skipped:
        return Text::tr("kihagyva");
    case UnitState::WrittenNotRecorded:
        return Text::tr("betöltve, nincs nyilvántartásban");
    case UnitState::Elsewhere:
        return Text::tr("másik gépen");
    case UnitState::ClaimLost:
        return Text::tr("betöltve, a foglalás elveszett");
    }
    return {};
}

QString progressText(const QList<UnitResult> &results)
{
    // Every row of the table counts: a skipped one is not done, and is said beside.
    int done = 0, skipped = 0;
    for (const UnitResult &r : results) {
        skipped += r.state == UnitState::Skipped;
        done += r.state == UnitState::Passed || r.state == UnitState::PassedEarlier;
    }
    const QString text = Text::tr("%1/%2 kész").arg(done).arg(results.size());
    return skipped == 0 ? text : Text::tr("%1, %n kihagyva", nullptr, skipped).arg(text);
}

namespace {

QString csvField(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Whether field `name` holds a telephone number (t1 ... t8, the SMS centre's).
bool isTelephoneField(const QString &name)
{
    const std::optional<form::rules::Group> group = form::rules::groupOf(name);
    return group && (*group == form::rules::Group::Telephones ||
                     form::rules::fieldRule(*group, name).chars == form::rules::CharClass::Phone);
}

// A cell as a spreadsheet takes it as text: with an apostrophe before one it would run as
// a formula, and before a telephone number, which it would turn into a number.
QString textCell(const QString &text, bool telephone)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (text.isEmpty() || (!telephone && !formulaStarts.contains(text.front())))
        return text;
    return u'\'' + text;
}

} // namespace

QByteArray resultsCsv(const UnitsTable &table, const QList<UnitResult> &results)
{
    const QChar sep = table.separator;
    auto line = [sep](const QStringList &fields) {
        QStringList quoted;
        for (const QString &f : fields)
            quoted << csvField(f, sep);
        return quoted.join(sep) + QStringLiteral("\r\n");
    };
    QList<bool> telephone;
    QStringList header;
    for (const QString &column : table.columns) {
        telephone << isTelephoneField(column);
        header << textCell(column, false);
    }
    QString text = line(QStringList{QStringLiteral("sor")} + header +
                        QStringList{QStringLiteral("eredmény"), QStringLiteral("indok"),
                                    QStringLiteral("idő"), QStringLiteral("port")});
    for (int r = 0; r < table.rows.size(); ++r) {
        const UnitResult result = r < results.size() ? results.at(r) : UnitResult::of(r);
        const QString time =
            result.time.isValid() ? result.time.toLocalTime().toString(Qt::ISODate) : QString();
        QStringList cells{QString::number(r + 1)};
        const QStringList &row = table.rows.at(r);
        for (qsizetype c = 0; c < row.size(); ++c)
            cells << textCell(row.at(c), telephone.value(c));
        cells << stateText(result.state)
              << textCell(QString(result.reason).replace(u'\n', u' '), false) << time
              << textCell(result.port, false);
        text += line(cells);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace qv::series
