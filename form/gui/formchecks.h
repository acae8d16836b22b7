// The form's checks as the user edits: the content rules of each group of line edits, the
// RING/SMS boxes of the telephone matrix, and the SMS-centre selector.
#pragma once

#include "form/fieldrules.h"

#include <QHash>
#include <QObject>

class QWidget;

namespace qv::form::gui {

class FormBinding;

class FormChecks : public QObject
{
    Q_OBJECT

public:
    // Warnings are parented to `window`. Every line edit of a group runs its group's check
    // whenever it loses the focus, changed or not, as the user leaves it.
    FormChecks(FormBinding &form, QWidget *window, QObject *parent = nullptr);

    // True while `edit` is handling its own loss of focus: the editing-finished signal it
    // may emit meanwhile stands for the check that follows, and is not a check of its own.
    bool isLeaving(const QObject *edit) const { return edit && edit == m_leaving; }

    // Checks every line edit of the group and writes back the result: paddings, the
    // cleared field, the focus and one warning.
    void checkGroup(qv::form::rules::Group group);

    // A telephone entry may be notified by call or SMS only when something can raise an
    // alarm for it: its RING and SMS boxes are unticked and disabled otherwise.
    void checkMatrix();

    // The selector's operator fills in its SMS centre number and locks the field; "Egyéni"
    // unlocks it for the user to type.
    void selectSmsCentre();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FormBinding &m_form;
    QWidget *m_window = nullptr;
    // Set while a validation warning is open (see checkGroup).
    bool m_warningOpen = false;
    QHash<const QObject *, qv::form::rules::Group> m_groupOf; // every watched line edit
    const QObject *m_leaving = nullptr;
};

} // namespace qv::form::gui
