#include "register/gui/entryform.h"

#include "form/catalogue.h"
#include "form/gui/deviceshaping.h"
#include "form/gui/formbinding.h"
#include "form/gui/formchecks.h"
#include "form/gui/mainwindowui.h"
#include "transfer/configrecord.h"
#include "transfer/gui/readoutcontroller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMainWindow>

namespace qv::reg::gui::entryform {

std::optional<QStringList> formValues(const QStringList &fields, int model)
{
    if (fields.size() != transfer::record::FieldCount)
        return std::nullopt;
    const transfer::ReadOutResult decoded =
        transfer::decodeReadOut(transfer::record::buildDownloadRecord(fields));
    if (decoded.status != transfer::ReadOutStatus::Ok)
        return std::nullopt;

    QMainWindow window;
    form::gui::Ui::MainWindow ui;
    ui.setupUi(&window);
    form::gui::FormBinding form(ui);
    form::gui::FormChecks checks(form, &window);
    // What the main window runs as the read-out ticks the matrix and picks the SMS centre.
    for (QCheckBox *box : ui.g_tel->findChildren<QCheckBox *>())
        QObject::connect(box, &QCheckBox::stateChanged, &checks,
                         &form::gui::FormChecks::checkMatrix);
    QObject::connect(ui.smskp_combo, &QComboBox::currentTextChanged, &checks,
                     &form::gui::FormChecks::selectSmsCentre);

    // Shaped for the model as when it was identified, filled, and shaped again with the
    // matrix checked, as the window does after a read-out.
    form::gui::shapeForModel(form, model);
    transfer::gui::ReadOutController::apply(form, decoded.form);
    form::gui::shapeForModel(form, model);
    checks.checkMatrix();
    return form.values(form::configurationFields());
}

} // namespace qv::reg::gui::entryform
