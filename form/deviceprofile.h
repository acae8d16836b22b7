// What each module model has (inputs, outputs, analogue input), and how the telephone
// matrix is addressed: the "R.C" tags of its check boxes and the rR_k ring-in buttons.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace qv::form::device {

struct Profile
{
    int inputs = 0;        // digital inputs 1..inputs
    int outputs = 0;       // relay outputs 1..outputs
    bool analogue = false; // analogue input and pulse counter
};

// The profile of a model code (1 Q_QV5, 2 Q_QV3, 3 Q_BRK2); none for "no device" and
// for any unknown code, for which the form is left as it stands.
std::optional<Profile> profileFor(int model);

// The smallest module (Q_BRK2: inputs 1 and 2, output 1, no analogue input); the status
// panel shows at least its indicators whatever the model.
Profile smallestProfile();

// The model's name as its identification begins ("Q_QV3"); empty for no device and
// unknown codes.
QString modelName(int model);

// The picture file of a model code; the default picture for no device and unknown codes.
QString pictureFileFor(int model);

// Whether a model has the line edit `name` of the form: the texts of inputs and outputs
// beyond its counts, and those of the analogue page of a model without analogue input,
// are texts it lacks; every other line edit every model has.
bool hasTextField(const Profile &profile, QStringView name);

// The line edits a record may not leave empty: those of the general, analogue, input, output
// and activation boxes that the form offers (`offered`); the telephone numbers need not be
// filled. The window offers its enabled fields.
QStringList requiredTextFields(const std::function<bool(const QString &)> &offered);
// What the form offers a module of `model` without a window: a field the model has that is
// not disabled from the start.
bool offeredFor(const QString &field, int model);

// Columns of the notification matrix: 1..4 alarms of the digital inputs, 5 analogue
// alarm, 6 counter alarm, 7 notify by call (RING), 8 notify by SMS.
inline constexpr int kRingColumn = 7;
inline constexpr int kSmsColumn = 8;
bool hasMatrixColumn(const Profile &profile, int column);

// A matrix check box's "group" tag "R.C": telephone entry R, column C (base 10).
struct MatrixCell
{
    int entry = 0;
    int column = 0;
};
std::optional<MatrixCell> parseMatrixTag(const QString &tag);

// A ring-in radio button "rR_k": entry R switches output k when it rings (0: none).
struct RingButton
{
    int entry = 0;
    int output = 0;
};
std::optional<RingButton> parseRingButton(const QString &objectName);
QString ringButtonName(int entry, int output);

} // namespace qv::form::device
