#include "transfer/configvalues.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/fieldvalue.h"

namespace qv::transfer {

FormValues formValuesFromFile(const QStringList &values)
{
    FormValues result;
    const QList<form::Field> &fields = form::configurationFields();
    for (qsizetype i = 0; i < fields.size() && i < values.size(); ++i) {
        const form::Field &field = fields.at(i);
        const form::Item *item = form::findItem(field.name);
        const QString &value = values.at(i);
        switch (field.kind) {
        case form::Kind::LineEdit:
            // A line edit keeps no more than its length.
            result.texts.insert(field.name,
                                item && item->maxLength > 0 ? value.left(item->maxLength) : value);
            break;
        case form::Kind::CheckBox:
            if (item && !item->groupProperty.isEmpty())
                result.matrix.append(
                    {QString::fromLatin1(item->groupProperty), form::isSetValue(value)});
            break;
        case form::Kind::RadioButton:
            result.radios.append({field.name, form::isSetValue(value)});
            break;
        default:
            break;
        }
    }
    result.monostable = 0;
    for (int n = 1; n <= 4; ++n) {
        const qsizetype at = result.radios.indexOf({QStringLiteral("b%1").arg(n), true});
        if (at >= 0)
            result.monostable |= 1 << (n - 1);
    }
    result.range15 = result.radios.contains({QStringLiteral("max_be_15"), true});
    return result;
}

QStringList fileValuesFromReadOut(const ReadOutForm &given, int model)
{
    const std::optional<form::device::Profile> profile = form::device::profileFor(model);
    ReadOutForm readOut = given;
    for (size_t entry = 0; entry < readOut.rights.size(); ++entry) {
        int &rights = readOut.rights[entry];
        if (profile) {
            for (int column = 1; column <= 8; ++column) {
                if (!form::device::hasMatrixColumn(*profile, column))
                    rights &= ~(1 << (column - 1));
            }
            // A ring-in output the model lacks becomes "no output".
            int &selection = readOut.selection[entry];
            if (selection > profile->outputs && selection <= 4)
                selection = 0;
        }
        // Alarm sources are columns 1..6; without one an entry neither rings nor sends SMS.
        if ((rights & 0x3F) == 0)
            rights &=
                ~((1 << (form::device::kRingColumn - 1)) | (1 << (form::device::kSmsColumn - 1)));
    }
    QHash<QString, QString> texts;
    for (const auto &[name, text] : readOut.texts)
        texts.insert(name, text);
    QStringList lines;
    for (const form::Field &field : form::configurationFields()) {
        const form::Item *item = form::findItem(field.name);
        const bool initiallySet = item && (item->flags & form::Checked);
        switch (field.kind) {
        case form::Kind::LineEdit: {
            const QString initial = item && item->text ? QString::fromUtf8(item->text) : QString();
            lines << (profile && !form::device::hasTextField(*profile, field.name)
                          ? QString()
                          : texts.value(field.name, initial));
            break;
        }
        case form::Kind::CheckBox: {
            const auto cell =
                item ? form::device::parseMatrixTag(QString::fromLatin1(item->groupProperty))
                     : std::nullopt;
            lines << form::flagValue(
                cell && cell->entry >= 1 && cell->entry <= Entries
                    ? hasRight(readOut.rights[size_t(cell->entry - 1)], cell->column)
                    : initiallySet);
            break;
        }
        case form::Kind::RadioButton: {
            const QString &name = field.name;
            bool set = initiallySet;
            if (const auto ring = form::device::parseRingButton(name)) {
                const int selection = readOut.selection[size_t(ring->entry - 1)];
                // A selection outside 0..4 keeps the entry's choice.
                if (selection >= 0 && selection <= 4)
                    set = ring->output == selection;
            } else if (name.size() == 2 && (name[0] == u'k' || name[0] == u'b') &&
                       name[1] >= u'1' && name[1] <= u'4') {
                const bool monostable = readOut.monostable & (1 << (name[1].unicode() - u'1'));
                set = (name[0] == u'b') == monostable;
            } else if (name == QLatin1String("max_be_15")) {
                set = readOut.range15;
            } else if (name == QLatin1String("max_be_30")) {
                set = !readOut.range15;
            }
            lines << form::flagValue(set);
            break;
        }
        default:
            break;
        }
    }
    return lines;
}

std::optional<QStringList> fileValuesFromRecord(const QStringList &fields, int model)
{
    if (fields.size() != record::FieldCount)
        return std::nullopt;
    const ReadOutResult decoded = decodeReadOut(record::buildDownloadRecord(fields));
    if (decoded.status != ReadOutStatus::Ok)
        return std::nullopt;
    return fileValuesFromReadOut(decoded.form, model);
}

} // namespace qv::transfer
