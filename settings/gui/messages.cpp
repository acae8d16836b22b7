#include "settings/gui/messages.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QUrl>

namespace qv::settings::gui {

namespace {
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::Messages)
};

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

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 const QString &beneath)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(beneath);
    // Qt guesses the informative text's format: it names ports and files, never markup.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextFormat(Qt::PlainText);
    box.exec();
}

namespace {

// "Igen" / "Nem", with "Nem" the default and the escape: nothing happens by accident.
bool yesOrNo(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
             const QString &objectName = {})
{
    QMessageBox box(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    if (!objectName.isEmpty())
        box.setObjectName(objectName);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Yes)->setText(Text::tr("Igen"));
    box.button(QMessageBox::No)->setText(Text::tr("Nem"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return yesOrNo(QMessageBox::Question, parent, title, text);
}

UnsavedEdits askAboutUnsavedEdits(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, Text::tr("Nem mentett módosítások"),
                    Text::tr("Az űrlapon olyan módosítások vannak, amelyek sem fájlba, sem "
                             "az eszközbe nem kerültek.\nMenti őket, mielőtt folytatja?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("unsavedEdits"));
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Save)->setText(Text::tr("Mentés", "button"));
    box.button(QMessageBox::Discard)->setText(Text::tr("Elvetés"));
    box.button(QMessageBox::Cancel)->setText(Text::tr("Mégse"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return UnsavedEdits::Save;
    case QMessageBox::Discard:
        return UnsavedEdits::Discard;
    default:
        return UnsavedEdits::Cancel;
    }
}

bool confirmReplace(QWidget *parent, const QString &title, const QString &path)
{
    return yesOrNo(
        QMessageBox::Warning, parent, title,
        Text::tr("%1 már létezik.\nSzeretné lecserélni?").arg(QFileInfo(path).fileName()),
        QStringLiteral("replaceFile"));
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
                         const QString &filter, const QString &defaultSuffix)
{
    if (saveChooser())
        return saveChooser()(parent, caption, folder, filter);
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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

} // namespace qv::settings::gui
