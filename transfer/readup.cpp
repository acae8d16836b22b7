// Reading the module's configuration out into the form.
#include "app/mainwindow.h"

#include "app/messages.h"
#include "form/deviceprofile.h"
#include "form/mainwindowui.h"
#include "serial/comport.h"
#include "transfer/configrecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QTabWidget>

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

void MainWindow::readup()
{
    ui->tabWidget->setCurrentIndex(0);

    const int range = qv::record::FieldCount * qv::record::ItemWidth;
    QProgressDialog progress(QStringLiteral("Kiolvasás..."), QStringLiteral("Megszakítás"), 0,
                             range, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);

    comPort port(settings.Port, settings.Baudrate);
    if (!port.open(1000, 200, 0, 0)) {
        progress.reset(); // it must not pop up behind the message
        qv::showMessage(this, QMessageBox::Critical, QStringLiteral("Hiba"),
                        QStringLiteral("Sikertelen kiolvasás.\nNem lehet megnyitni a portot."));
        return;
    }
    port.writeText(QStringLiteral("~{"), false);
    ProgressWindow window(progress);
    const qv::Reply reply = port.readAll(&window);
    port.close();
    if (reply.end == qv::ReplyEnd::Cancelled)
        return;
    progress.reset();

    // The whole reply is decoded before anything is written: a reply that fails leaves
    // the form as it was.
    const qv::transfer::ReadOutResult decoded =
        qv::transfer::decodeReadOut(reply.text, QChar(char16_t(quint8(settings.UploadSeparator))));
    const bool tooLong = reply.end == qv::ReplyEnd::Overlong;
    if (decoded.status != qv::transfer::ReadOutStatus::Ok || tooLong) {
        if (tooLong)
            qCDebug(qv::lcTransfer) << "reply too long";
        else
            qCDebug(qv::lcTransfer).noquote() << decoded.diagnostic();
        qv::showMessage(this, QMessageBox::Critical, QStringLiteral("Hiba"),
                        QStringLiteral("Sikertelen kiolvasás. (Ismeretlen formátum)"));
        return;
    }

    const QList<QRadioButton *> ringButtons = ui->g_tel->findChildren<QRadioButton *>();
    for (const QRadioButton *button : ringButtons) {
        if (button->objectName().startsWith(QLatin1Char('r')) &&
            !qv::device::parseRingButton(button->objectName()))
            qCDebug(qv::lcTransfer) << "toInt error.";
    }

    const qv::transfer::ReadOutForm &form = decoded.form;
    for (const auto &[name, text] : form.texts)
        ui->get<QLineEdit>(name.toLatin1())->setText(text);

    // Checking bn unchecks kn: the pairs are exclusive.
    for (int n = 1; n <= 4; ++n) {
        const QByteArray number = QByteArray::number(n);
        ui->get<QRadioButton>("k" + number)->setChecked(true);
        if (form.monostable & (1 << (n - 1)))
            ui->get<QRadioButton>("b" + number)->setChecked(true);
    }
    ui->get<QRadioButton>(form.range15 ? "max_be_15" : "max_be_30")->setChecked(true);

    // Each tick runs check_cbs, which unticks and disables RING and SMS of an entry
    // without an alarm source; they come after the sources in the box order.
    const QList<QCheckBox *> matrix = ui->g_tel->findChildren<QCheckBox *>();
    for (int entry = 1; entry <= qv::transfer::Entries; ++entry) {
        for (QCheckBox *box : matrix) {
            const auto cell = qv::device::parseMatrixTag(box->property("group").toString());
            if (cell && cell->entry == entry)
                box->setChecked(
                    qv::transfer::hasRight(form.rights[size_t(entry - 1)], cell->column));
        }
    }
    // A selection outside 0..4 checks no button and so keeps the entry's choice.
    for (int entry = 1; entry <= qv::transfer::Entries; ++entry) {
        for (QRadioButton *button : ringButtons) {
            const auto ring = qv::device::parseRingButton(button->objectName());
            if (ring && ring->entry == entry)
                button->setChecked(ring->output == form.selection[size_t(entry - 1)]);
        }
    }

    // Changing the operator runs smskpSelect, which sets up the number field.
    ui->get<QComboBox>("smskp_combo")->setCurrentIndex(form.smsOperator);
    setDeviceUI();
    // Shaping the form enables every RING and SMS box; those of an entry without an alarm
    // source go off again, as check_cbs keeps them while the user edits.
    check_cbs();
}
