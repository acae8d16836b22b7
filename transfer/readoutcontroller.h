// Reading the module's configuration out into the form.
#pragma once

#include "transfer/configrecord.h"

#include <QObject>

#include <optional>

struct devSettings;
class QWidget;
namespace form {
class FormBinding;
}

class ReadOutController : public QObject
{
    Q_OBJECT

public:
    // Works on the window's `settings` and form; dialogs and messages are parented to
    // `window`.
    ReadOutController(devSettings &settings, form::FormBinding &form, QWidget *window,
                      QObject *parent = nullptr);

    // Asks the module for its configuration and fills the form with it, then announces
    // formFilled(). A failed or cancelled read-out leaves the form as it was.
    void readOut();

    // Asks the module for its configuration under the read-out's progress window and
    // decodes it; the form is not touched. A failure has been reported to the user when
    // nothing comes back; a cancel is not reported.
    std::optional<qv::transfer::ReadOutResult> readModule();

signals:
    // The form holds what the module sent: the window shapes it for the model.
    void formFilled();

private:
    void apply(const qv::transfer::ReadOutForm &values);

    devSettings &m_settings;
    form::FormBinding &m_form;
    QWidget *m_window = nullptr;
};
