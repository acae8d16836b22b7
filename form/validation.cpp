// Field validation slots and the SMS-centre selector.
#include "app/mainwindow.h"

#include "app/messages.h"
#include "form/deviceprofile.h"
#include "form/fieldrules.h"
#include "form/mainwindowui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <array>

using qv::rules::Group;

// Checks every line edit of `box` and writes back the result: paddings, the cleared
// field, the focus and one warning.
void MainWindow::checkLineEdits(QGroupBox *box, Group group)
{
    // Moving the focus around a warning can finish the editing of a field and so run a
    // check again while the warning is still open. That run is dropped: the offending
    // field is already empty, and any later fault of the group is reported the next time
    // the user leaves a field, so one field never shows two warnings and nothing loops.
    if (m_warningOpen)
        return;

    const QList<QLineEdit *> edits = box->findChildren<QLineEdit *>();
    QList<qv::rules::Field> fields;
    fields.reserve(edits.size());
    for (const QLineEdit *edit : edits)
        fields.append({edit->objectName(), edit->text()});
    const auto range = ui->get<QRadioButton>("max_be_15")->isChecked()
                           ? qv::rules::AnalogRange::Volts15
                           : qv::rules::AnalogRange::Volts30;
    const qv::rules::GroupCheck result = qv::rules::checkGroup(group, fields, range);

    for (int i = 0; i < edits.size(); ++i) {
        if (edits.at(i)->text() != result.texts.at(i))
            edits.at(i)->setText(result.texts.at(i));
    }
    if (result.problem == qv::rules::Problem::None)
        return;
    edits.at(result.focus)->setFocus(Qt::OtherFocusReason);
    const qv::rules::Warning warning = qv::rules::warningFor(result.problem);
    const QScopedValueRollback open(m_warningOpen, true);
    qv::showMessage(this, QMessageBox::Warning, warning.title, warning.text);
}

void MainWindow::check_general()
{
    checkLineEdits(ui->g_general, Group::General);
}
void MainWindow::check_tel()
{
    checkLineEdits(ui->g_tel, Group::Telephones);
}
void MainWindow::check_analog()
{
    checkLineEdits(ui->g_analog, Group::Analog);
}
void MainWindow::check_be()
{
    checkLineEdits(ui->g_be, Group::Inputs);
}
void MainWindow::check_ki()
{
    checkLineEdits(ui->g_ki, Group::Outputs);
}
void MainWindow::check_activate()
{
    checkLineEdits(ui->g_activate, Group::Activation);
}

// A telephone entry may be notified by call or SMS only when something can raise an
// alarm for it: its RING and SMS boxes are unticked and disabled otherwise.
void MainWindow::check_cbs()
{
    constexpr int kEntries = 8;
    std::array<bool, kEntries + 1> hasSource{};
    std::array<QCheckBox *, kEntries + 1> ring{}, sms{};
    for (QCheckBox *box : ui->g_tel->findChildren<QCheckBox *>()) {
        const auto cell = qv::device::parseMatrixTag(box->property("group").toString());
        if (!cell || cell->entry < 1 || cell->entry > kEntries)
            continue;
        if (cell->column == qv::device::kRingColumn)
            ring[size_t(cell->entry)] = box;
        else if (cell->column == qv::device::kSmsColumn)
            sms[size_t(cell->entry)] = box;
        else if (cell->column >= 1 && cell->column <= 6 && box->isChecked())
            hasSource[size_t(cell->entry)] = true; // inputs 1-4, analogue, counter
    }
    for (size_t entry = 1; entry <= kEntries; ++entry) {
        for (QCheckBox *box : {ring[entry], sms[entry]}) {
            if (!box)
                continue;
            // Unticking runs this slot once more, which then changes nothing.
            if (!hasSource[entry])
                box->setChecked(false);
            box->setEnabled(hasSource[entry]);
        }
    }
}

void MainWindow::smskpSelect()
{
    const int index = ui->get<QComboBox>("smskp_combo")->currentIndex();
    auto *number = ui->get<QLineEdit>("smskp");
    if (index == qv::rules::kCustomOperator) {
        number->setEnabled(true);
        number->setFocus(Qt::OtherFocusReason);
    } else {
        number->setEnabled(false);
    }
    const QString operatorNumber = qv::rules::operatorNumber(index);
    if (!operatorNumber.isEmpty())
        number->setText(operatorNumber);
}
