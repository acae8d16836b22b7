#include "form/deviceprofile.h"

#include "form/catalogue.h"
#include "settings/devsettings.h"

#include <QStringList>

#include <algorithm>

namespace qv::form::device {

namespace {
std::optional<int> decimal(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The number of an input's or output's text: the digit after the two-letter prefix
// ("be3_nev", "ki4_off"), or 0.
int numberOf(QStringView name)
{
    return name.size() > 2 ? std::max(0, name.at(2).digitValue()) : 0;
}
} // namespace

std::optional<Profile> profileFor(int model)
{
    switch (model) {
    case qv::settings::ModelQV5:
        return Profile{4, 4, true};
    case qv::settings::ModelQV3:
        return Profile{2, 2, true};
    case qv::settings::ModelBRK2:
        return Profile{2, 1, false};
    default:
        return std::nullopt;
    }
}

Profile smallestProfile()
{
    return *profileFor(qv::settings::ModelBRK2);
}

QString modelName(int model)
{
    switch (model) {
    case qv::settings::ModelQV5:
        return QStringLiteral("Q_QV5");
    case qv::settings::ModelQV3:
        return QStringLiteral("Q_QV3");
    case qv::settings::ModelBRK2:
        return QStringLiteral("Q_BRK2");
    default:
        return {};
    }
}

QString pictureFileFor(int model)
{
    switch (model) {
    case qv::settings::ModelQV5:
        return QStringLiteral("i_qv-5.dll");
    case qv::settings::ModelQV3:
        return QStringLiteral("i_qv-3.dll");
    case qv::settings::ModelBRK2:
        return QStringLiteral("i_bk-2.dll");
    default:
        return QStringLiteral("i_default.dll");
    }
}

bool hasTextField(const Profile &profile, QStringView name)
{
    const form::Box *box = nullptr;
    if (!form::findItem(name, &box) || !box)
        return true;
    const QLatin1StringView boxName(box->name);
    if (boxName == QLatin1StringView("g_analog"))
        return profile.analogue;
    if (boxName == QLatin1StringView("g_be"))
        return numberOf(name) <= profile.inputs;
    if (boxName == QLatin1StringView("g_ki"))
        return numberOf(name) <= profile.outputs;
    return true;
}

bool hasMatrixColumn(const Profile &profile, int column)
{
    if (column >= 1 && column <= 4)
        return column <= profile.inputs;
    if (column == 5 || column == 6)
        return profile.analogue;
    return true;
}

std::optional<MatrixCell> parseMatrixTag(const QString &tag)
{
    const QStringList parts = tag.split(QLatin1Char('.'));
    if (parts.size() != 2)
        return std::nullopt;
    const auto entry = decimal(parts.at(0)), column = decimal(parts.at(1));
    if (!entry || !column)
        return std::nullopt;
    return MatrixCell{*entry, *column};
}

std::optional<RingButton> parseRingButton(const QString &objectName)
{
    const QStringList parts = objectName.split(QLatin1Char('_'));
    if (parts.size() != 2 || !parts.at(0).startsWith(QLatin1Char('r')))
        return std::nullopt;
    const auto entry = decimal(parts.at(0).mid(1)), output = decimal(parts.at(1));
    if (!entry || !output)
        return std::nullopt;
    return RingButton{*entry, *output};
}

QString ringButtonName(int entry, int output)
{
    return QStringLiteral("r%1_%2").arg(entry).arg(output);
}

QStringList requiredTextFields(const std::function<bool(const QString &)> &offered)
{
    QStringList fields;
    for (const char *box : {"g_general", "g_analog", "g_be", "g_ki", "g_activate"}) {
        for (const QString &field : names(box, Kind::LineEdit)) {
            if (offered(field))
                fields << field;
        }
    }
    return fields;
}

bool offeredFor(const QString &field, int model)
{
    const Item *item = findItem(field);
    if (item && (item->flags & Disabled))
        return false;
    const std::optional<Profile> profile = profileFor(model);
    return !profile || hasTextField(*profile, field);
}

} // namespace qv::form::device
