// The form's checks as the user edits: the content rules of each group of line edits, the
// RING/SMS boxes of the telephone matrix, and the SMS-centre selector.
#pragma once

#include "form/fieldrules.h"

class QWidget;

namespace form {

class FormBinding;

class FormChecks
{
public:
    // Warnings are parented to `window`.
    FormChecks(FormBinding &form, QWidget *window);

    // Checks every line edit of the group and writes back the result: paddings, the
    // cleared field, the focus and one warning.
    void checkGroup(qv::rules::Group group);

    // A telephone entry may be notified by call or SMS only when something can raise an
    // alarm for it: its RING and SMS boxes are unticked and disabled otherwise.
    void checkMatrix();

    // The selector's operator fills in its SMS centre number and locks the field; "Egyéni"
    // unlocks it for the user to type.
    void selectSmsCentre();

private:
    FormBinding &m_form;
    QWidget *m_window = nullptr;
    // Set while a validation warning is open (see checkGroup).
    bool m_warningOpen = false;
};

} // namespace form
