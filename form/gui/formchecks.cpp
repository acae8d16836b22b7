#include "form/gui/formchecks.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/gui/formbinding.h"
#include "settings/gui/messages.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <array>

namespace qv::form::gui {

namespace {

const char *boxOf(qv::form::rules::Group group)
{
    using qv::form::rules::Group;
    switch (group) {
    case Group::General:
        return "g_general";
    case Group::Telephones:
        return "g_tel";
    case Group::Analog:
        return "g_analog";
    case Group::Inputs:
        return "g_be";
    case Group::Outputs:
        return "g_ki";
    case Group::Activation:
        return "g_activate";
    }
    return "";
}

} // namespace

FormChecks::FormChecks(FormBinding &form, QWidget *window, QObject *parent)
    : QObject(parent), m_form(form), m_window(window)
{
    using qv::form::rules::Group;
    for (const Group group : {Group::General, Group::Telephones, Group::Analog, Group::Inputs,
                              Group::Outputs, Group::Activation}) {
        for (const QString &name : form::names(boxOf(group), Kind::LineEdit)) {
            QLineEdit *edit = m_form.lineEdit(name);
            m_groupOf.insert(edit, group);
            edit->installEventFilter(this);
        }
    }
}

// A line edit that loses the focus finishes its editing. The toolkit says so only when
// the text changed since it last said so; the group is checked on every leave instead,
// right after the line edit has handled the event itself, and once per leave.
bool FormChecks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const auto group = m_groupOf.constFind(watched);
    if (group == m_groupOf.constEnd())
        return false;
    {
        const QScopedValueRollback<const QObject *> leaving(m_leaving, watched);
        watched->event(event);
    }
    // The line edit's own context menu takes the focus without the user leaving it.
    const QWidget *popup = QApplication::activePopupWidget();
    const bool ownMenu = static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason &&
                         popup && popup->parentWidget() == watched;
    if (!ownMenu)
        checkGroup(*group);
    return true;
}

void FormChecks::checkGroup(qv::form::rules::Group group)
{
    // Moving the focus around a warning can finish the editing of a field and so run a
    // check again while the warning is still open. That run is dropped: the offending
    // field is already empty, and any later fault of the group is reported the next time
    // the user leaves a field, so one field never shows two warnings and nothing loops.
    if (m_warningOpen)
        return;

    const QStringList names = form::names(boxOf(group), Kind::LineEdit);
    QList<qv::form::rules::Field> fields;
    fields.reserve(names.size());
    for (const QString &name : names)
        fields.append({name, m_form.text(name)});
    const auto range = m_form.isChecked(QStringLiteral("max_be_15"))
                           ? qv::form::rules::AnalogRange::Volts15
                           : qv::form::rules::AnalogRange::Volts30;
    const qv::form::rules::GroupCheck result = qv::form::rules::checkGroup(group, fields, range);

    for (int i = 0; i < names.size(); ++i) {
        if (fields.at(i).text != result.texts.at(i))
            m_form.setText(names.at(i), result.texts.at(i));
    }
    if (result.problem == qv::form::rules::Problem::None)
        return;
    // From here on the focus moves and the warning opens: both take the focus from a line
    // edit, and the checks that run for that are dropped.
    const QScopedValueRollback open(m_warningOpen, true);
    m_form.widget(names.at(result.focus))->setFocus(Qt::OtherFocusReason);
    const qv::form::rules::Warning warning = qv::form::rules::warningFor(result.problem, range);
    qv::settings::gui::showMessage(m_window, QMessageBox::Warning, warning.title, warning.text);
}

void FormChecks::checkMatrix()
{
    constexpr int kEntries = 8;
    std::array<bool, kEntries + 1> hasSource{};
    std::array<QString, kEntries + 1> ring{}, sms{};
    for (const QString &box : names("g_tel", Kind::CheckBox)) {
        const auto cell =
            qv::form::device::parseMatrixTag(QString::fromLatin1(findItem(box)->groupProperty));
        if (!cell || cell->entry < 1 || cell->entry > kEntries)
            continue;
        if (cell->column == qv::form::device::kRingColumn)
            ring[size_t(cell->entry)] = box;
        else if (cell->column == qv::form::device::kSmsColumn)
            sms[size_t(cell->entry)] = box;
        else if (cell->column >= 1 && cell->column <= 6 && m_form.isChecked(box))
            hasSource[size_t(cell->entry)] = true; // inputs 1-4, analogue, counter
    }
    for (size_t entry = 1; entry <= kEntries; ++entry) {
        for (const QString &box : {ring[entry], sms[entry]}) {
            if (box.isEmpty())
                continue;
            // Unticking runs this check once more, which then changes nothing.
            if (!hasSource[entry])
                m_form.setChecked(box, false);
            m_form.setEnabled(box, hasSource[entry]);
        }
    }
}

void FormChecks::selectSmsCentre()
{
    const int index = m_form.smsOperator();
    const QString number = QStringLiteral("smskp");
    if (index == qv::form::rules::kCustomOperator) {
        m_form.setEnabled(number, true);
        m_form.widget(number)->setFocus(Qt::OtherFocusReason);
    } else {
        m_form.setEnabled(number, false);
    }
    const QString operatorNumber = qv::form::rules::operatorNumber(index);
    if (!operatorNumber.isEmpty())
        m_form.setText(number, operatorNumber);
}

} // namespace qv::form::gui
