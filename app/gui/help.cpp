// Help menu: about box and manual.
#include "app/gui/mainwindow.h"

#include "app/gui/about.h"
#include "settings/datafiles.h"
#include "settings/gui/messages.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
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
    if (manual.isFile() &&
        qv::settings::gui::openUrl(QUrl::fromLocalFile(manual.absoluteFilePath())))
        return;
    // The message as it always was; beneath it where the manual is (no PDF viewer, for one),
    // with a button that opens its folder.
    QMessageBox box(QMessageBox::Critical, tr("Help"), tr("Hiba! A dokumentáció nem nyitható meg."),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    QAbstractButton *folder = nullptr;
    if (manual.isFile()) {
        box.setInformativeText(
            tr("A kézikönyv (PDF): %1").arg(QDir::toNativeSeparators(manual.absoluteFilePath())));
        if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
            label->setTextFormat(Qt::PlainText);
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Open);
        folder = box.button(QMessageBox::Open);
        folder->setText(tr("Mappa megnyitása"));
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    box.exec();
    if (folder && box.clickedButton() == folder)
        qv::settings::gui::openUrl(QUrl::fromLocalFile(manual.absolutePath()));
}

} // namespace qv::app::gui
