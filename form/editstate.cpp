#include "form/editstate.h"

#include "form/catalogue.h"
#include "form/formbinding.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace form {

EditState::EditState(FormBinding &form, QObject *parent) : QObject(parent), m_form(form)
{
    for (const Field &field : configurationFields()) {
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
    m_clean = m_form.values(configurationFields());
    update();
}

// An edit undone by hand leaves the form unedited again.
void EditState::update()
{
    const bool modified = m_form.values(configurationFields()) != m_clean;
    if (modified == m_modified)
        return;
    m_modified = modified;
    emit modifiedChanged(modified);
}

} // namespace form
