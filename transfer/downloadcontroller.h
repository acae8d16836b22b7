// Writing the form into the module: the completeness check, the record, the transfer.
#pragma once

#include "transfer/configrecord.h"

#include <QObject>

struct devSettings;
class QWidget;
namespace form {
class FormBinding;
}

class DownloadController : public QObject
{
    Q_OBJECT

public:
    // Works on the window's `settings` and form; dialogs and messages are parented to
    // `window`.
    DownloadController(devSettings &settings, form::FormBinding &form, QWidget *window,
                       QObject *parent = nullptr);

    // Refuses an incomplete form or a text the module cannot take (naming the field and
    // showing it), otherwise builds the record into DownloadRecord and sends it under the
    // download dialog.
    void download();

    // The form's values a download record is made of.
    static qv::transfer::FormValues recordValues(const form::FormBinding &form);

private:
    // Shows `field`, puts the focus there and reports `text`.
    void refuseAt(const QString &field, const QString &text);

    devSettings &m_settings;
    form::FormBinding &m_form;
    QWidget *m_window = nullptr;
};
