// Modal message boxes and file choosers used by every command of the program.
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace qv {

enum class TextFormat { Plain, Rich };

// A modal message box with the single button OK, parented to `parent`.
// Texts are shown literally unless `format` is Rich: names of files, answers of
// modules and contents of files must never be interpreted as markup.
void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                 TextFormat format = TextFormat::Plain);

// The standard open and save dialogs. Tests install their own chooser so that
// no dialog is shown; an empty function means the platform's file dialog.
using FileChooser = std::function<QString(QWidget *parent, const QString &caption,
                                          const QString &folder, const QString &filter)>;
void setOpenFileChooser(FileChooser chooser);
void setSaveFileChooser(FileChooser chooser);
QString chooseFileToOpen(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter);
QString chooseFileToSave(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter);

} // namespace qv
