// How the form holds a field as a value (FormBinding::value): a line edit by its text, a
// check box or radio button as "1" when set and "0" when not. Configuration files hold
// these values line by line.
#pragma once

#include <QString>
#include <QStringView>

namespace qv::form {

inline QString flagValue(bool set)
{
    return set ? QStringLiteral("1") : QStringLiteral("0");
}

// Only "1" means set.
inline bool isSetValue(QStringView value)
{
    return value == u"1";
}

} // namespace qv::form
