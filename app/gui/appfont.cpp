#include "app/gui/appfont.h"

#include <QFontDatabase>

namespace qv::app::gui {

namespace {

struct Face
{
    const char *family;
    qreal points;
};

// The form is laid out in pixels for a small dialog font: 8 points, 11 pixels on a
// 96 dpi screen. A narrow face at that size leaves every caption a few pixels to spare,
// where Arial's widths cut the longest ones ("Analóg bemenet:", "Monostabil  Bistabil").
// Without a narrow face the regular one, half a point smaller, still fits.
constexpr Face kFaces[] = {
    {"Liberation Sans Narrow", 8.0}, // Debian: fonts-liberation
    {"Arial Narrow", 8.0},
    {"Liberation Sans", 7.5},
    {"Arial", 7.5},
};

} // namespace

QList<QFont> interfaceFonts(const QFont &base)
{
    QList<QFont> fonts;
    for (const Face &face : kFaces) {
        QFont font = base;
        font.setFamilies({QString::fromLatin1(face.family)});
        font.setPointSizeF(face.points);
        fonts << font;
    }
    return fonts;
}

QFont interfaceFont(const QFont &base)
{
    const QList<QFont> fonts = interfaceFonts(base);
    for (const QFont &font : fonts) {
        if (QFontDatabase::hasFamily(font.families().constFirst()))
            return font;
    }
    return fonts.constLast();
}

} // namespace qv::app::gui
