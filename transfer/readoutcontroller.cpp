#include "transfer/readoutcontroller.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/formbinding.h"
#include "serial/comport.h"
#include "settings/devsettings.h"
#include "ui/messages.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {

// The read-out's progress window as the serial read sees it: one step per byte that is
// not a carriage return, and the cancel button asked between bytes.
class ProgressWindow : public qv::ReadProgress
{
public:
    explicit ProgressWindow(QProgressDialog &dialog) : m_dialog(dialog) {}

    void advance() override
    {
        ++m_bytes;
        if (m_bytes <= m_dialog.maximum())
            m_dialog.setValue(m_bytes); // repaints and takes the clicks once it is shown
        else if (m_dialog.isVisible())
            QCoreApplication::processEvents(); // the bar is full; keep the window alive
    }
    bool cancelled() override { return m_dialog.wasCanceled(); }

private:
    QProgressDialog &m_dialog;
    int m_bytes = 0;
};

} // namespace

ReadOutController::ReadOutController(devSettings &settings, form::FormBinding &form,
                                     QWidget *window, QObject *parent)
    : QObject(parent), m_settings(settings), m_form(form), m_window(window)
{
}

void ReadOutController::readOut()
{
    m_form.showPage(0);
    if (const auto values = readModule()) {
        apply(*values);
        emit formFilled();
    }
}

std::optional<qv::transfer::ReadOutForm> ReadOutController::readModule()
{
    const int range = qv::record::FieldCount * qv::record::ItemWidth;
    QProgressDialog progress(QStringLiteral("Kiolvasás..."), QStringLiteral("Megszakítás"), 0,
                             range, m_window);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);

    comPort port;
    if (!port.open(qv::lines::readOut(m_settings.Port, m_settings.Baudrate))) {
        progress.reset(); // it must not pop up behind the message
        qv::showMessage(m_window, QMessageBox::Critical, QStringLiteral("Hiba"),
                        QStringLiteral("Sikertelen kiolvasás.\nNem lehet megnyitni a portot."));
        return std::nullopt;
    }
    port.writeText(QStringLiteral("~{"), false);
    ProgressWindow window(progress);
    const qv::Reply reply = port.readAll(&window);
    port.close();
    if (reply.end == qv::ReplyEnd::Cancelled)
        return std::nullopt;
    progress.reset();

    // The whole reply is decoded before anything is written: a reply that fails leaves
    // the form as it was.
    const qv::transfer::ReadOutResult decoded = qv::transfer::decodeReadOut(
        reply.text, QChar(char16_t(quint8(m_settings.UploadSeparator))));
    const bool tooLong = reply.end == qv::ReplyEnd::Overlong;
    if (decoded.status != qv::transfer::ReadOutStatus::Ok || tooLong) {
        if (tooLong)
            qCDebug(qv::lcTransfer) << "reply too long";
        else
            qCDebug(qv::lcTransfer).noquote() << decoded.diagnostic();
        qv::showMessage(m_window, QMessageBox::Critical, QStringLiteral("Hiba"),
                        QStringLiteral("Sikertelen kiolvasás. (Ismeretlen formátum)"));
        return std::nullopt;
    }
    return decoded.form;
}

void ReadOutController::apply(const qv::transfer::ReadOutForm &values)
{
    const QStringList ringButtons = form::names("g_tel", form::Kind::RadioButton);
    for (const QString &button : ringButtons) {
        if (button.startsWith(QLatin1Char('r')) && !qv::device::parseRingButton(button))
            qCDebug(qv::lcTransfer) << "toInt error.";
    }

    for (const auto &[field, text] : values.texts)
        m_form.setText(field, text);

    // Checking bn unchecks kn: the pairs are exclusive.
    for (int n = 1; n <= 4; ++n) {
        m_form.setChecked(QStringLiteral("k%1").arg(n), true);
        if (values.monostable & (1 << (n - 1)))
            m_form.setChecked(QStringLiteral("b%1").arg(n), true);
    }
    m_form.setChecked(values.range15 ? QStringLiteral("max_be_15") : QStringLiteral("max_be_30"),
                      true);

    // Each tick runs check_cbs, which unticks and disables RING and SMS of an entry
    // without an alarm source; they come after the sources in the box order.
    const QStringList matrix = form::names("g_tel", form::Kind::CheckBox);
    for (int entry = 1; entry <= qv::transfer::Entries; ++entry) {
        for (const QString &box : matrix) {
            const auto cell =
                qv::device::parseMatrixTag(QString::fromLatin1(form::findItem(box)->groupProperty));
            if (cell && cell->entry == entry)
                m_form.setChecked(
                    box, qv::transfer::hasRight(values.rights[size_t(entry - 1)], cell->column));
        }
    }
    // A selection outside 0..4 checks no button and so keeps the entry's choice.
    for (int entry = 1; entry <= qv::transfer::Entries; ++entry) {
        for (const QString &button : ringButtons) {
            const auto ring = qv::device::parseRingButton(button);
            if (ring && ring->entry == entry)
                m_form.setChecked(button, ring->output == values.selection[size_t(entry - 1)]);
        }
    }

    // Changing the operator runs smskpSelect, which sets up the number field.
    m_form.setSmsOperator(values.smsOperator);
}
