#include "transfer/gui/readoutcontroller.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/gui/formbinding.h"
#include "settings/gui/messages.h"
#include "transfer/gui/readoutexchange.h"
#include "transfer/outcometexts.h"

namespace qv::transfer::gui {

ReadOutController::ReadOutController(qv::transfer::LinkSource link, form::gui::FormBinding &form,
                                     QWidget *window, QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_form(form), m_window(window)
{
}

void ReadOutController::readOut()
{
    m_form.showPage(0);
    const qv::transfer::ReadOut done =
        readOutModule(m_link(), qv::transfer::ExchangeKind::ReadOut, m_window);
    if (done.outcome.end == qv::transfer::ReadOutEnd::Ok) {
        apply(m_form, done.outcome.decoded.form);
        emit formFilled();
    } else if (const QString text = qv::transfer::readOutFailureText(done.outcome);
               !text.isEmpty()) {
        // The message stays as it always was; the cause goes beneath it.
        qv::settings::gui::showMessage(m_window, QMessageBox::Critical, tr("Hiba"), text,
                                       qv::transfer::readOutCause(done.outcome));
    }
    emit exchanged(done.report);
}

// The fields go back into the reply they came from, each padded to its 16 characters and
// followed by "|", and are decoded as that reply would be.
bool ReadOutController::restore(const QStringList &fields)
{
    if (fields.size() != qv::transfer::record::FieldCount)
        return false;
    const qv::transfer::ReadOutResult decoded =
        qv::transfer::decodeReadOut(qv::transfer::record::buildDownloadRecord(fields));
    if (decoded.status != qv::transfer::ReadOutStatus::Ok)
        return false;
    m_form.showPage(0);
    apply(m_form, decoded.form);
    emit formFilled();
    return true;
}

void ReadOutController::apply(form::gui::FormBinding &into, const qv::transfer::ReadOutForm &values)
{
    const QStringList ringButtons = form::names("g_tel", form::Kind::RadioButton);
    for (const QString &button : ringButtons) {
        if (button.startsWith(QLatin1Char('r')) && !qv::form::device::parseRingButton(button))
            qCDebug(qv::transfer::lcTransfer) << "toInt error.";
    }

    for (const auto &[field, text] : values.texts)
        into.setText(field, text);

    // Checking bn unchecks kn: the pairs are exclusive.
    for (int n = 1; n <= 4; ++n) {
        into.setChecked(QStringLiteral("k%1").arg(n), true);
        if (values.monostable & (1 << (n - 1)))
            into.setChecked(QStringLiteral("b%1").arg(n), true);
    }
    into.setChecked(values.range15 ? QStringLiteral("max_be_15") : QStringLiteral("max_be_30"),
                    true);

    // Each tick runs check_cbs, which unticks and disables RING and SMS of an entry
    // without an alarm source; they come after the sources in the box order.
    const QStringList matrix = form::names("g_tel", form::Kind::CheckBox);
    for (int entry = 1; entry <= qv::transfer::Entries; ++entry) {
        for (const QString &box : matrix) {
            const auto cell = qv::form::device::parseMatrixTag(
                QString::fromLatin1(form::findItem(box)->groupProperty));
            if (cell && cell->entry == entry)
                into.setChecked(
                    box, qv::transfer::hasRight(values.rights[size_t(entry - 1)], cell->column));
        }
    }
    // A selection outside 0..4 checks no button and so keeps the entry's choice.
    for (int entry = 1; entry <= qv::transfer::Entries; ++entry) {
        for (const QString &button : ringButtons) {
            const auto ring = qv::form::device::parseRingButton(button);
            if (ring && ring->entry == entry)
                into.setChecked(button, ring->output == values.selection[size_t(entry - 1)]);
        }
    }

    // Changing the operator runs smskpSelect, which sets up the number field.
    into.setSmsOperator(values.smsOperator);
}

} // namespace qv::transfer::gui
