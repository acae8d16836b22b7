// The maker's texts shown by the program: copyright line, web address, author.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace qv::settings {

inline QString makerWebAddress()
{
    return QStringLiteral("https://qvconfig.example.org");
}

// Rich text: the status bar and the about box show it with a working link.
inline QString copyrightLine()
{
    //: Rich text: keep the link as it is.
    return QCoreApplication::translate("qv::Branding",
                                       "© 2026 qvconfig fejlesztők &nbsp;<a href=\"%1\">%2</a>")
        .arg(makerWebAddress(), QStringLiteral("qvconfig.example.org"));
}

inline QString authorLine()
{
    return QCoreApplication::translate("qv::Branding", "Készítette: a qvconfig csapat");
}

} // namespace qv::settings
