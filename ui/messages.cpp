#include "ui/messages.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace qv {

namespace {
FileChooser &openChooser()
{
    static FileChooser chooser;
    return chooser;
}
FileChooser &saveChooser()
{
    static FileChooser chooser;
    return chooser;
}
UrlOpener &urlOpener()
{
    static UrlOpener opener;
    return opener;
}
} // namespace

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 TextFormat format)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(format == TextFormat::Rich ? Qt::RichText : Qt::PlainText);
    box.exec();
}

void setOpenFileChooser(FileChooser chooser)
{
    openChooser() = std::move(chooser);
}
void setSaveFileChooser(FileChooser chooser)
{
    saveChooser() = std::move(chooser);
}

QString chooseFileToOpen(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter)
{
    if (openChooser())
        return openChooser()(parent, caption, folder, filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString chooseFileToSave(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter)
{
    if (saveChooser())
        return saveChooser()(parent, caption, folder, filter);
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

void setUrlOpener(UrlOpener opener)
{
    urlOpener() = std::move(opener);
}

bool openUrl(const QUrl &url)
{
    if (urlOpener())
        return urlOpener()(url);
    return QDesktopServices::openUrl(url);
}

} // namespace qv
