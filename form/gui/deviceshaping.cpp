#include "form/gui/deviceshaping.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/gui/formbinding.h"

namespace qv::form::gui {

namespace {

QString numbered(const char *prefix, int n)
{
    return QLatin1StringView(prefix) + QString::number(n);
}

void enableOrClear(FormBinding &form, const QString &field, bool available)
{
    form.setEnabled(field, available);
    if (!available)
        form.clear(field);
}

} // namespace

void shapeForModel(FormBinding &form, int model)
{
    using namespace qv::form::device;
    const std::optional<form::device::Profile> profile = form::device::profileFor(model);

    if (profile) {
        // Notification matrix: columns of inputs and features the model lacks.
        for (const QString &box : names("g_tel", Kind::CheckBox)) {
            const Item *item = findItem(box);
            const auto cell =
                form::device::parseMatrixTag(QString::fromLatin1(item->groupProperty));
            if (!cell)
                continue;
            const bool available = form::device::hasMatrixColumn(*profile, cell->column);
            form.setEnabled(box, available);
            if (!available)
                form.setChecked(box, false); // runs check_cbs
        }

        // Ring-in outputs. A row whose selected output the model lacks is switched to
        // "no output" (rR_0): the buttons of a row are exclusive, so the selection could
        // not simply be dropped, and leaving the disabled button selected would save and
        // send an output the module does not have.
        for (const QString &button : names("g_tel", Kind::RadioButton)) {
            const auto ring = form::device::parseRingButton(button);
            if (!ring)
                continue;
            const bool available = ring->output <= profile->outputs;
            if (!available && form.isChecked(button))
                form.setChecked(form::device::ringButtonName(ring->entry, 0), true);
            form.setEnabled(button, available);
        }
    }

    // Analogue page: without an analogue input it is emptied and closed; every other
    // case, no device included, opens it.
    const bool analogue = !profile || profile->analogue;
    if (!analogue) {
        for (const QString &field : names("g_analog", Kind::LineEdit))
            form.clear(field);
    }
    form.setBoxEnabled("g_analog", analogue);

    if (!profile)
        return;

    // Digital inputs, then output messages: fields of missing ones are emptied. The
    // download record leaves out the same texts (see hasTextField).
    for (const char *box : {"g_be", "g_ki"}) {
        for (const QString &field : names(box, Kind::LineEdit))
            enableOrClear(form, field, form::device::hasTextField(*profile, field));
    }

    // Monostable / bistable choice of each output; the choice itself stays.
    for (int n = 1; n <= 4; ++n) {
        form.setEnabled(numbered("b", n), n <= profile->outputs);
        form.setEnabled(numbered("k", n), n <= profile->outputs);
    }
}

} // namespace qv::form::gui
