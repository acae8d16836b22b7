// The program's icon (window, task bar), in every size drawn for it.
#pragma once

#include <QIcon>

namespace qv::settings::gui {

QIcon applicationIcon();

} // namespace qv::settings::gui
