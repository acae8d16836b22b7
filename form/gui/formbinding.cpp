#include "form/gui/formbinding.h"

#include "form/fieldvalue.h"
#include "form/gui/mainwindowui.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

namespace qv::form::gui {

FormBinding::FormBinding(const Ui::MainWindow &ui) : m_ui(ui)
{
    for (auto it = ui.widgets.cbegin(); it != ui.widgets.cend(); ++it)
        m_widgets.insert(QString::fromLatin1(it.key()), it.value());
}

QWidget *FormBinding::widget(const QString &field) const
{
    QWidget *w = m_widgets.value(field);
    Q_ASSERT_X(w, "FormBinding", qPrintable(field));
    return w;
}

QLineEdit *FormBinding::lineEdit(const QString &field) const
{
    return qobject_cast<QLineEdit *>(widget(field));
}

QString FormBinding::text(const QString &field) const
{
    return lineEdit(field)->text();
}

void FormBinding::setText(const QString &field, const QString &text)
{
    lineEdit(field)->setText(text);
}

void FormBinding::clear(const QString &field)
{
    lineEdit(field)->clear();
}

bool FormBinding::isChecked(const QString &field) const
{
    return qobject_cast<QAbstractButton *>(widget(field))->isChecked();
}

void FormBinding::setChecked(const QString &field, bool checked)
{
    qobject_cast<QAbstractButton *>(widget(field))->setChecked(checked);
}

bool FormBinding::isEnabled(const QString &field) const
{
    return widget(field)->isEnabled();
}

void FormBinding::setEnabled(const QString &field, bool enabled)
{
    widget(field)->setEnabled(enabled);
}

QString FormBinding::value(const Field &field) const
{
    if (field.kind == Kind::LineEdit)
        return text(field.name);
    return flagValue(isChecked(field.name));
}

QStringList FormBinding::values(const QList<Field> &fields) const
{
    QStringList list;
    list.reserve(fields.size());
    for (const Field &field : fields)
        list << value(field);
    return list;
}

int FormBinding::smsOperator() const
{
    return m_ui.smskp_combo->currentIndex();
}

void FormBinding::setSmsOperator(int index)
{
    m_ui.smskp_combo->setCurrentIndex(index);
}

void FormBinding::setBoxEnabled(const char *box, bool enabled)
{
    widget(QLatin1StringView(box))->setEnabled(enabled);
}

void FormBinding::showPage(int page)
{
    m_ui.tabWidget->setCurrentIndex(page);
}

void FormBinding::reveal(const QString &field)
{
    QWidget *w = widget(field);
    for (int page = 0; page < m_ui.tabWidget->count(); ++page) {
        if (m_ui.tabWidget->widget(page)->isAncestorOf(w))
            m_ui.tabWidget->setCurrentIndex(page);
    }
    w->setFocus(Qt::OtherFocusReason);
}

} // namespace qv::form::gui
