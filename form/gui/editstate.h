// Whether the form holds edits that are neither in a file nor in the module: it remembers
// the form as it was last filled (defaults, a file, a read-out) or written (a save, a
// download), and compares. Values are compared as the field rules normalise them, so the
// form's own paddings ("5" becoming "0005" as the user leaves m_id) are no edit.
#pragma once

#include "form/fieldrules.h"

#include <QList>
#include <QObject>
#include <QStringList>

namespace qv::form::gui {

class FormBinding;

class EditState : public QObject
{
    Q_OBJECT

public:
    // The form as it stands now counts as unedited.
    explicit EditState(FormBinding &form, QObject *parent = nullptr);

    bool isModified() const { return m_modified; }
    // The form now matches a file or the module.
    void markClean();

signals:
    void modifiedChanged(bool modified);

private:
    void update();
    QStringList normalisedValues() const;

    FormBinding &m_form;
    QList<qv::form::rules::FieldRule> m_rules; // the rule of each configuration field
    QStringList m_clean; // every configuration field's value when last filled or written
    bool m_modified = false;
};

} // namespace qv::form::gui
