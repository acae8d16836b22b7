// New, Open and Save: the form to and from configuration files.
#pragma once

#include <QObject>
#include <QString>

class QWidget;
namespace qv::form::gui {
class FormBinding;
}

namespace qv::files::gui {

class FileController : public QObject
{
    Q_OBJECT

public:
    // Works on the form and tells the window by signals which file is open; dialogs and
    // messages are parented to `window`.
    FileController(form::gui::FormBinding &form, QWidget *window, QObject *parent = nullptr);

    // Loads the defaults file (found among the data files; silently nothing without it).
    void newFile();
    // Asks for a configuration file and loads it.
    void openFile();
    // Loads the configuration file `path` as if it had been chosen in the open dialog.
    void openPath(const QString &path);
    // Asks for a file name and writes the form into it; a name typed without a suffix
    // gets ".msw", and replaces a file of that name only when the user agrees. False when
    // nothing was saved (cancelled, replacing refused, or the file could not be written,
    // which has been reported).
    bool save();
    // The same for a configuration that is not the form's (a register entry's values, in
    // the order of the form's configuration fields): the form, its file name and its edit
    // state stay as they are. `parent` holds the dialogs.
    bool saveValues(const QStringList &values, QWidget *parent);

signals:
    // The form was filled from a file (the defaults included) or written into one.
    void loaded();
    void saved();
    // The file chosen or written (FilePath; empty when the open dialog was cancelled) and
    // the name of the one loaded or written (FileName): the window keeps them.
    void fileChanged(const QString &path, const QString &name);
    // FileName changed: the window shows it.
    void fileNameChanged(const QString &name);
    // The defaults file's footer lines (FooterText, then FooterText2; only those it has):
    // the window shows them.
    void footerChanged(const QStringList &footer);

private:
    // Asks for a file name and writes `values` into it; the path written, or empty.
    QString chooseAndWrite(const QStringList &values, QWidget *parent);
    // Sets FilePath and FileName (fileChanged()).
    void setFile(const QString &path, const QString &name);
    // Loads the file named by m_path into the form; `defaults` is set for the defaults
    // file, whose footer lines replace the status-bar texts.
    void load(bool defaults);

    QString m_path; // FilePath
    QString m_name; // FileName
    form::gui::FormBinding &m_form;
    QWidget *m_window = nullptr;
};

} // namespace qv::files::gui
