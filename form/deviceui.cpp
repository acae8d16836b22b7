// Shaping the form, the status panel and the picture for the connected model.
#include "app/mainwindow.h"

#include "form/deviceprofile.h"
#include "form/mainwindowui.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

QByteArray widgetName(const char *pattern, int n, const char *suffix = "")
{
    return QByteArray(pattern) + QByteArray::number(n) + QByteArray(suffix);
}

void enableOrClear(QLineEdit *edit, bool available)
{
    edit->setEnabled(available);
    if (!available)
        edit->clear();
}

} // namespace

void MainWindow::setDeviceUI()
{
    using namespace qv::device;
    const std::optional<Profile> profile = profileFor(settings.DeviceModel);

    if (profile) {
        // Notification matrix: columns of inputs and features the model lacks.
        for (QCheckBox *box : ui->g_tel->findChildren<QCheckBox *>()) {
            const auto cell = parseMatrixTag(box->property("group").toString());
            if (!cell)
                continue;
            const bool available = hasMatrixColumn(*profile, cell->column);
            box->setEnabled(available);
            if (!available)
                box->setChecked(false); // runs check_cbs
        }

        // Ring-in outputs. A row whose selected output the model lacks is switched to
        // "no output" (rR_0): the buttons of a row are exclusive, so the selection could
        // not simply be dropped, and leaving the disabled button selected would save and
        // send an output the module does not have.
        for (QRadioButton *button : ui->g_tel->findChildren<QRadioButton *>()) {
            const auto ring = parseRingButton(button->objectName());
            if (!ring)
                continue;
            const bool available = ring->output <= profile->outputs;
            if (!available && button->isChecked()) {
                if (auto *none = ui->get<QRadioButton>(ringButtonName(ring->entry, 0).toLatin1()))
                    none->setChecked(true);
            }
            button->setEnabled(available);
        }
    }

    // Analogue page: without an analogue input it is emptied and closed; every other
    // case, no device included, opens it.
    const bool analogue = !profile || profile->analogue;
    if (!analogue) {
        for (QLineEdit *edit : ui->g_analog->findChildren<QLineEdit *>())
            edit->clear();
    }
    ui->g_analog->setEnabled(analogue);

    if (profile) {
        // Digital inputs, then output messages: fields of missing ones are emptied.
        for (int n = 1; n <= 4; ++n) {
            for (const char *suffix : {"_nev", "_on_msg", "_off_msg"})
                enableOrClear(ui->get<QLineEdit>(widgetName("be", n, suffix)),
                              n <= profile->inputs);
        }
        for (const char *suffix : {"_on", "_off"}) {
            for (int n = 1; n <= 4; ++n)
                enableOrClear(ui->get<QLineEdit>(widgetName("ki", n, suffix)),
                              n <= profile->outputs);
        }

        // Monostable / bistable choice of each output; the choice itself stays.
        for (int n = 1; n <= 4; ++n) {
            ui->get<QRadioButton>(widgetName("b", n))->setEnabled(n <= profile->outputs);
            ui->get<QRadioButton>(widgetName("k", n))->setEnabled(n <= profile->outputs);
        }

        // Status panel: captions, lamps of missing inputs and outputs, read-outs.
        for (int n = 1; n <= 4; ++n)
            ui->get<QLabel>(widgetName("label_be", n))->setEnabled(n <= profile->inputs);
        for (int n = 1; n <= 4; ++n)
            ui->get<QLabel>(widgetName("label_ki", n))->setEnabled(n <= profile->outputs);
        const QString greyLamp = QStringLiteral("background-color: rgb(180, 180, 180);");
        for (int n = profile->inputs + 1; n <= 4; ++n)
            ui->get<QWidget>(widgetName("w_be", n))->setStyleSheet(greyLamp);
        for (int n = profile->outputs + 1; n <= 4; ++n)
            ui->get<QWidget>(widgetName("w_ki", n))->setStyleSheet(greyLamp);
        const QString readoutStyle = profile->analogue ? QStringLiteral("color: rgb(0,85,255);")
                                                       : QStringLiteral("color: rgb(180,180,180);");
        const std::tuple<const char *, const char *, const char *> readouts[] = {
            {"label_analog", "l_analog", "0.0 V"}, {"label_counter", "l_counter", "00000"}};
        for (const auto &[caption, value, zero] : readouts) {
            ui->get<QLabel>(caption)->setEnabled(profile->analogue);
            auto *readout = ui->get<QLabel>(value);
            readout->setStyleSheet(readoutStyle);
            if (!profile->analogue)
                readout->setText(QString::fromLatin1(zero));
        }
    }

    settings.PictureFile = pictureFileFor(settings.DeviceModel);
    showPicture();
}
