// Modal message boxes, file choosers and the desktop viewer, as every command uses them.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QUrl;
class QWidget;

namespace qv::settings::gui {

enum class TextFormat { Plain, Rich };

// A modal message box with the single button OK, parented to `parent`.
// Texts are shown literally unless `format` is Rich: names of files, answers of
// modules and contents of files must never be interpreted as markup.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 TextFormat format = TextFormat::Plain);

// The same with `beneath` (plain text) under the message: the cause behind a message that
// keeps its words, or what to do next.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 const QString &beneath);

// A question answered "Igen" or "Nem" (plain text); Escape and the close box answer "Nem",
// which is also the default.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);

// What the user wants done with edits that are not saved yet.
enum class UnsavedEdits { Save, Discard, Cancel };

// Asks, before the form is replaced or the program closes, whether to save the edits,
// discard them, or cancel the command. Escape and the close box cancel.
UnsavedEdits askAboutUnsavedEdits(QWidget *parent);

// Asks, as the save dialog does, whether the existing file `path` may be replaced; the
// box is titled `title`. No, Escape and the close box keep the file.
bool confirmReplace(QWidget *parent, const QString &title, const QString &path);

// The standard open and save dialogs. Tests install their own chooser so that
// no dialog is shown; an empty function means the platform's file dialog.
using FileChooser = std::function<QString(QWidget *parent, const QString &caption,
                                          const QString &folder, const QString &filter)>;
void setOpenFileChooser(FileChooser chooser);
void setSaveFileChooser(FileChooser chooser);
QString chooseFileToOpen(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter);
// Qt's own save dialog adds `defaultSuffix` to a name typed without one (and asks before
// replacing that file); a desktop's dialog may return the name as typed.
QString chooseFileToSave(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter, const QString &defaultSuffix = {});

// Opens a document with the desktop's viewer; false when the desktop refuses. Tests
// install their own opener so that no viewer starts; an empty function means the desktop.
using UrlOpener = std::function<bool(const QUrl &url)>;
void setUrlOpener(UrlOpener opener);
bool openUrl(const QUrl &url);

} // namespace qv::settings::gui
