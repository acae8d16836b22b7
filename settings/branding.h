// The maker's texts shown by the program: copyright line, web address, author.
#pragma once

#include <QString>

namespace qv {

inline QString makerWebAddress()
{
    return QStringLiteral("https://qvconfig.example.org");
}

// Rich text: the status bar and the about box show it with a working link.
inline QString copyrightLine()
{
    return QStringLiteral("© 2026 qvconfig fejlesztők &nbsp;<a href=\"%1\">%2</a>")
        .arg(makerWebAddress(), QStringLiteral("qvconfig.example.org"));
}

inline QString authorLine()
{
    return QStringLiteral("Készítette: a qvconfig csapat");
}

} // namespace qv
