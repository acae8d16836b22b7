// The font every window of the program is drawn with, chosen so that the form's texts
// fit the fixed geometry of its widgets.
#pragma once

#include <QFont>
#include <QList>

namespace qv::app::gui {

// The interface fonts in order of preference, each made from `base` (the platform's
// default font) by setting family and size.
QList<QFont> interfaceFonts(const QFont &base);

// The first of interfaceFonts() whose family is installed; the last one when none is.
QFont interfaceFont(const QFont &base);

} // namespace qv::app::gui
