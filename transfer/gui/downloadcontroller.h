// Writing the form into the module: the completeness check, the record, the transfer.
#pragma once

#include "settings/devsettings.h"
#include "transfer/configrecord.h"
#include "transfer/exchangereport.h"

#include <QObject>

#include <functional>
#include <optional>

class QWidget;
namespace qv::form::gui {
class FormBinding;
}

namespace qv::transfer::gui {

class DownloadController : public QObject
{
    Q_OBJECT

public:
    // Works on the form and on a copy of the window's settings record that `settings`
    // gives when a download starts; dialogs and messages are parented to `window`.
    DownloadController(std::function<settings::devSettings()> settings,
                       form::gui::FormBinding &form, QWidget *window, QObject *parent = nullptr);

    // Refuses an incomplete form or a text the module cannot take (naming the field and
    // showing it), otherwise builds the record (recordChanged()) and sends it under the
    // download dialog. With "Kiolvasás betöltés előtt" chosen, the module is read out
    // first; when that fails, the user decides whether to write all the same.
    void download();

    // The record a download of the form would send. A text the module cannot take is
    // refused as the download refuses it (the field shown, the reason said): nothing then.
    std::optional<QString> assembleRecord();

    // The form's values a download record is made of.
    static qv::transfer::FormValues recordValues(const form::gui::FormBinding &form);

signals:
    // The record the download sends: empty when a download starts, the record once it is
    // built; the window keeps it in DownloadRecord.
    void recordChanged(const QString &record);
    // The module took the form's record (and, when it was read back, holds it).
    void written();
    // The backup read-out, and the download, ended, whatever their outcome.
    void exchanged(const qv::transfer::ExchangeReport &report);
    // What the status bar keeps of a download that went to the module, once its dialog has
    // closed: the verification's outcome as the dialog's result line said it
    // ("Sikeres betöltés.\nEllenőrizve."); empty when nothing was read back (the last
    // outcome is then out of date).
    void verificationShown(const QString &text);

private:
    // Reads the module's configuration before it is overwritten; true when the download
    // may go ahead.
    bool backUp();
    // Shows `field`, puts the focus there and reports `text`.
    void refuseAt(const QString &field, const QString &text);

    std::function<settings::devSettings()> m_settings;
    form::gui::FormBinding &m_form;
    QWidget *m_window = nullptr;
};

} // namespace qv::transfer::gui
