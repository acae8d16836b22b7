// Reading the module's configuration out into the form.
#pragma once

#include "transfer/configrecord.h"
#include "transfer/exchange.h"
#include "transfer/exchangereport.h"

#include <QObject>

class QWidget;
namespace qv::form::gui {
class FormBinding;
}

namespace qv::transfer::gui {

class ReadOutController : public QObject
{
    Q_OBJECT

public:
    // Reads out on the link the window gives (`link`) into its form; dialogs and messages
    // are parented to `window`.
    ReadOutController(qv::transfer::LinkSource link, form::gui::FormBinding &form, QWidget *window,
                      QObject *parent = nullptr);

    // Asks the module for its configuration and fills the form with it, then announces
    // formFilled(). A failed or cancelled read-out leaves the form as it was. Either way
    // it reports the exchange.
    void readOut();

    // Fills the form with a configuration read out earlier (56 record fields as received)
    // as the read-out fills it, then announces formFilled(). False, with the form as it
    // was, when the fields do not decode.
    bool restore(const QStringList &fields);

    // Writes what a read-out decoded into the form `into`, widget by widget, so that the
    // form's own checks run as they do while the user edits.
    static void apply(form::gui::FormBinding &into, const qv::transfer::ReadOutForm &values);

signals:
    // The form holds what the module sent: the window shapes it for the model.
    void formFilled();
    // A read-out ended, whatever its outcome.
    void exchanged(const qv::transfer::ExchangeReport &report);

private:
    qv::transfer::LinkSource m_link;
    form::gui::FormBinding &m_form;
    QWidget *m_window = nullptr;
};

} // namespace qv::transfer::gui
