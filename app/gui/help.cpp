// Help menu: about box and manual.
#include "app/gui/mainwindow.h"

#include "app/gui/about.h"
#include "settings/datafiles.h"
#include "settings/gui/messages.h"

#include <QFileInfo>
#include <QUrl>

namespace qv::app::gui {

void MainWindow::nevjegy()
{
    // Not modal: the main window stays usable. A closed box is only hidden.
    auto *box = new about(settings.FooterText, settings.FooterText2, settings.Version, this);
    box->show();
}

void MainWindow::contents()
{
    // The desktop's viewer opens the manual in the program's language found among the
    // data files (the other language's when that one is missing). A missing manual is
    // reported here: the desktop may accept a request for it and fail later.
    const QFileInfo manual(qv::settings::locateManual());
    if (!manual.isFile() ||
        !qv::settings::gui::openUrl(QUrl::fromLocalFile(manual.absoluteFilePath()))) {
        qv::settings::gui::showMessage(this, QMessageBox::Critical, tr("Help"),
                                       tr("Hiba! A dokumentáció nem nyitható meg."));
    }
}

} // namespace qv::app::gui
