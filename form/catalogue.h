// The configuration form described once: every group box and its widgets in creation order.
//
// Several commands walk a group box with a class-filtered child search, which returns
// widgets in creation order, and the file layout and the module record follow that order.
// So the order of the items below is binding: the builder creates them exactly so, and
// nothing may re-parent or raise them afterwards.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

namespace qv::form {

enum class Kind : quint8 {
    Label,
    LineEdit,
    CheckBox,
    RadioButton,
    ComboBox,
    PushButton,
    ProgressBar,
    Lamp, // a plain 16 x 16 widget coloured by its style sheet
};

enum Flag : quint16 {
    Courier = 1 << 0, // default font with the family set to "Courier"
    Disabled = 1 << 1,
    ReadOnly = 1 << 2,
    Checked = 1 << 3, // initial check state of a check box or radio button
    Centred = 1 << 4, // label centred horizontally and vertically
    WordWrap = 1 << 5,
    RightAligned = 1 << 6,
    Bold = 1 << 7,
    PlainText = 1 << 8, // a label showing texts from a module: never read as markup
};

struct Item
{
    Kind kind;
    const char *name;
    QRect geometry;
    const char *text = nullptr; // caption or default text (UTF-8), set by the text pass
    int maxLength = 0;          // line edits only; 0 keeps the toolkit's default
    quint16 flags = 0;
    const char *buttonGroup = nullptr; // exclusive group (a child of the main window)
    const char *styleSheet = nullptr;
    QByteArray groupProperty = {}; // "R.C" on the check boxes of g_tel
};

struct Box
{
    const char *name;
    int page; // tab index; -1 for the boxes beside the tab widget
    QRect geometry;
    const char *title;
    QList<Item> items; // creation order
};

struct Page
{
    const char *name;
    const char *title;
};

// The four pages of the tab widget, in order.
const QList<Page> &pages();

// The seven group boxes of the form, page by page, each with its widgets in creation order.
const QList<Box> &boxes();

// A caption, title or item text of the catalogue in the program's language (the catalogue
// holds them in Hungarian, marked for translation).
QString translated(const char *text);

// Items of the combo box smskp_combo, in order.
const QList<const char *> &smsCentreOperators();

// The status panel g_allapot and the device button box g_eszkoz, beside the tab widget.
const QList<Box> &sideBoxes();

// The names of the widgets of `kind` inside group box `box`, in creation order: what a
// class-filtered child search of that box returns.
QStringList names(const char *box, Kind kind);

// A widget of the form that holds part of a configuration.
struct Field
{
    QString name;
    Kind kind;
    int page; // tab index of its group box
};

// The fields of a configuration file, in the order of its lines: the line edits of
// g_general, g_analog, g_be, g_ki, g_activate and g_tel, then the check boxes of g_tel,
// then the radio buttons of g_tel, g_analog and g_ki_csengetes.
const QList<Field> &configurationFields();

// The item called `name` in the form's group boxes (nullptr when there is none), and the
// box that holds it.
const Item *findItem(QStringView name, const Box **box = nullptr);

} // namespace qv::form
