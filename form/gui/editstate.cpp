#include "form/gui/editstate.h"

#include "form/catalogue.h"
#include "form/gui/formbinding.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace qv::form::gui {

EditState::EditState(FormBinding &form, QObject *parent) : QObject(parent), m_form(form)
{
    for (const Field &field : configurationFields()) {
        const auto group =
            field.kind == Kind::LineEdit ? qv::form::rules::groupOf(field.name) : std::nullopt;
        m_rules.append(group ? qv::form::rules::fieldRule(*group, field.name)
                             : qv::form::rules::FieldRule{});
        QWidget *w = m_form.widget(field.name);
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            connect(edit, &QLineEdit::textChanged, this, &EditState::update);
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            connect(button, &QAbstractButton::toggled, this, &EditState::update);
    }
    markClean();
}

void EditState::markClean()
{
    m_clean = normalisedValues();
    update();
}

QStringList EditState::normalisedValues() const
{
    QStringList values = m_form.values(configurationFields());
    for (qsizetype i = 0; i < values.size(); ++i)
        values[i] = qv::form::rules::normalised(m_rules.at(i), values.at(i));
    return values;
}

// An edit undone by hand leaves the form unedited again.
void EditState::update()
{
    const bool modified = normalisedValues() != m_clean;
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

} // namespace qv::form::gui
