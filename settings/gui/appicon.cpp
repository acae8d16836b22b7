#include "settings/gui/appicon.h"

namespace qv::settings::gui {

QIcon applicationIcon()
{
    // The same sizes are installed for the desktop (share/icons/hicolor/).
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/qvconfig-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace qv::settings::gui
