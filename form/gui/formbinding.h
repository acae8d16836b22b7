// The configuration form's fields bound to their widgets: the rest of the program reads and
// writes the form through this, in field values, and never looks a widget up by name.
//
// Which widget holds which field, and of what kind, comes from the form catalogue; a line
// edit's value is its text, a check box's or radio button's its check state, the SMS-centre
// selector's its index. Writing a value goes through the widget, so the widget's own
// signals (and the checks connected to them) run as if the program had set it by hand.
#pragma once

#include "form/catalogue.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QLineEdit;
class QWidget;
namespace qv::form::gui::Ui {
class MainWindow;
}

namespace qv::form::gui {

class FormBinding
{
public:
    explicit FormBinding(const Ui::MainWindow &ui);

    // Line edits.
    QString text(const QString &field) const;
    void setText(const QString &field, const QString &text);
    void clear(const QString &field);
    // Check boxes and radio buttons. Checking a radio button unchecks the others of its
    // exclusive group; unchecking the checked one of a group changes nothing.
    bool isChecked(const QString &field) const;
    void setChecked(const QString &field, bool checked);
    // Any field.
    bool isEnabled(const QString &field) const;
    void setEnabled(const QString &field, bool enabled);

    // A field's value as a configuration-file line: a line edit's text, "1" or "0" for a
    // check box or radio button.
    QString value(const Field &field) const;
    QStringList values(const QList<Field> &fields) const;

    // The SMS-centre selector (smskp_combo): the operator's index.
    int smsOperator() const;
    void setSmsOperator(int index);

    // A whole group box of the form ("g_analog"), with every field in it.
    void setBoxEnabled(const char *box, bool enabled);

    // The pages of the form.
    void showPage(int page);
    // Shows the page that holds `field` and gives it the keyboard focus.
    void reveal(const QString &field);

    // The widgets themselves, for the form's own checks and shaping.
    QWidget *widget(const QString &field) const;
    QLineEdit *lineEdit(const QString &field) const;

private:
    const Ui::MainWindow &m_ui;
    QHash<QString, QWidget *> m_widgets; // every widget of the catalogue, by field name
};

} // namespace qv::form::gui
