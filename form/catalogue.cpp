#include "form/catalogue.h"

#include "form/styles.h"

#include <QCoreApplication>

namespace qv::form {

namespace {

constexpr const char *kGreenHeader = "color: rgb(0, 85, 0);";
constexpr const char *kGreyLamp = qv::form::style::LampOff.data();
constexpr const char *kBlueReadout = qv::form::style::ReadoutBuilt.data();

Item label(const char *name, QRect g, const char *text, quint16 flags = 0,
           const char *style = nullptr)
{
    return {Kind::Label, name, g, text, 0, flags, nullptr, style};
}

Item edit(const char *name, QRect g, int maxLength, quint16 flags = 0, const char *text = nullptr)
{
    return {Kind::LineEdit, name, g, text, maxLength, flags};
}

Item radio(const char *name, QRect g, const char *group, quint16 flags = 0,
           const char *text = nullptr)
{
    return {Kind::RadioButton, name, g, text, 0, flags, group};
}

// A labelled 16-character text field of the input, output and activation pages.
QList<Item>
textRows(std::initializer_list<std::tuple<const char *, const char *, const char *, int>> rows)
{
    QList<Item> labels, edits;
    for (const auto &[name, labelName, text, y] : rows) {
        labels << label(labelName, {10, y, 175, 20}, text);
        edits << edit(name, {190, y, 120, 20}, 16, Courier);
    }
    return labels + edits;
}

Box general()
{
    return {
        "g_general",
        0,
        {10, 10, 441, 201},
        QT_TRANSLATE_NOOP("form::Catalogue", "Általános beállítások"),
        {
            label("label_2", {10, 20, 125, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "SMS központ száma:")),
            label("label_3", {10, 45, 215, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Modul PIN-kódja:")),
            label("label_4", {10, 70, 215, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Modul azonosító száma:")),
            label("label_17", {10, 95, 215, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Modul neve:")),
            label("label_5", {10, 120, 215, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Bemenet visszaállás: (0 / 1)")),
            label("label_8", {10, 145, 215, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Relé meghúzási idő: (0001-9999 sec)")),
            label("label_66", {10, 170, 215, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Max. sms-ek száma 2 óra alatt: (1-99)")),
            {Kind::ComboBox, "smskp_combo", {140, 20, 81, 22}},
            edit("smsplus", {230, 20, 15, 20}, 1, Disabled | ReadOnly, "+"),
            edit("smskp", {245, 20, 120, 20}, 16, Disabled | Courier, "36309888000"),
            edit("m_pin", {230, 45, 35, 20}, 4, Courier),
            edit("m_id", {230, 70, 35, 20}, 4, Courier),
            edit("m_nev", {230, 95, 120, 20}, 16, Courier),
            edit("visszaallas", {230, 120, 15, 21}, 1, Courier),
            edit("rele_time", {230, 145, 35, 20}, 4, Courier),
            edit("maxsms", {230, 170, 26, 20}, 2),
        }};
}

// The telephone matrix: eight rows of number, rights and ring-in output.
Box telephones()
{
    // Check boxes in creation order, with the entry and column each one stands for.
    static const char *const checks[64][2] = {
        {"tc4_7", "7.1"},  {"tc2_8", "8.3"},  {"tc3_4", "4.2"},  {"tc1_1", "1.4"},
        {"tc2_2", "2.3"},  {"tc1_6", "6.4"},  {"tc1_5", "5.4"},  {"tc1_3", "3.4"},
        {"tc4_8", "8.1"},  {"tc1_7", "7.4"},  {"tc3_2", "2.2"},  {"tc4_1", "1.1"},
        {"tc2_3", "3.3"},  {"tc4_6", "6.1"},  {"tc1_4", "4.4"},  {"tc1_8", "8.4"},
        {"tc4_5", "5.1"},  {"tc2_5", "5.3"},  {"tc3_7", "7.2"},  {"tc1_2", "2.4"},
        {"tc4_3", "3.1"},  {"tc2_6", "6.3"},  {"tc3_8", "8.2"},  {"tc3_1", "1.2"},
        {"tc2_1", "1.3"},  {"tc3_3", "3.2"},  {"tc3_6", "6.2"},  {"tc2_7", "7.3"},
        {"tc3_5", "5.2"},  {"tc4_4", "4.1"},  {"tc2_4", "4.3"},  {"tc4_2", "2.1"},
        {"tc1_9", "5.5"},  {"tc1_10", "4.5"}, {"tc1_11", "7.5"}, {"tc1_12", "8.5"},
        {"tc1_13", "6.5"}, {"tc1_14", "1.5"}, {"tc1_15", "3.5"}, {"tc1_16", "2.5"},
        {"tc1_17", "5.6"}, {"tc1_18", "4.6"}, {"tc1_19", "7.6"}, {"tc1_20", "8.6"},
        {"tc1_21", "6.6"}, {"tc1_22", "1.6"}, {"tc1_23", "3.6"}, {"tc1_24", "2.6"},
        {"cb_r_7", "7.7"}, {"cb_r_6", "6.7"}, {"cb_r_1", "1.7"}, {"cb_r_8", "8.7"},
        {"cb_r_3", "3.7"}, {"cb_r_2", "2.7"}, {"cb_r_5", "5.7"}, {"cb_r_4", "4.7"},
        {"cb_s_1", "1.8"}, {"cb_s_2", "2.8"}, {"cb_s_3", "3.8"}, {"cb_s_4", "4.8"},
        {"cb_s_5", "5.8"}, {"cb_s_6", "6.8"}, {"cb_s_7", "7.8"}, {"cb_s_8", "8.8"},
    };
    // Ring-in output radio buttons rR_k in creation order.
    static const char *const radios[40] = {
        "r1_4", "r7_4", "r4_4", "r7_2", "r6_1", "r1_3", "r5_4", "r2_2", "r6_3", "r8_4",
        "r2_4", "r4_2", "r1_1", "r8_3", "r6_2", "r3_1", "r2_3", "r8_1", "r3_3", "r5_1",
        "r4_3", "r6_4", "r1_2", "r7_3", "r7_1", "r3_2", "r5_2", "r5_3", "r8_2", "r3_4",
        "r2_1", "r4_1", "r1_0", "r4_0", "r2_0", "r7_0", "r8_0", "r6_0", "r3_0", "r5_0",
    };
    static const char *const numbers[8] = {"t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8"};
    static const char *const prefixes[8] = {"tplus_1", "tplus_2", "tplus_3", "tplus_4",
                                            "tplus_5", "tplus_6", "tplus_7", "tplus_8"};
    static const char *const rowGroups[8] = {"rg1", "rg2", "rg3", "rg4",
                                             "rg5", "rg6", "rg7", "rg8"};
    // Left edge of each matrix column (1..8) and of each ring-in output (0..4).
    static const int columnX[9] = {0, 310, 290, 270, 250, 220, 190, 130, 155};
    static const int outputX[5] = {420, 400, 380, 360, 340};
    auto rowY = [](int row) { return 55 + 25 * (row - 1); };

    Box box{
        "g_tel",
        0,
        {10, 220, 441, 266},
        QT_TRANSLATE_NOOP("form::Catalogue", "Telefonszámok"),
        {
            label("label_29", {40, 30, 70, 15}, QT_TRANSLATE_NOOP("form::Catalogue", "Telefonszám"),
                  Centred | WordWrap),
            label("label_40", {160, 20, 131, 21},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Bemenet riasztás"), Centred | WordWrap,
                  kGreenHeader),
            label("label_51", {125, 40, 51, 20}, QT_TRANSLATE_NOOP("form::Catalogue", "RING/SMS"),
                  Centred | WordWrap, kGreenHeader),
            label("label_47", {181, 40, 31, 20},
                  //: Column header, 31 px wide: the pulse counter's alarm.
                  QT_TRANSLATE_NOOP("form::Catalogue", "Száml."), Centred | WordWrap, kGreenHeader),
            label("label_49", {210, 40, 41, 20}, QT_TRANSLATE_NOOP("form::Catalogue", "Analóg"),
                  Centred | WordWrap, kGreenHeader),
            label("label_27", {250, 40, 70, 19}, "4     3     2    1", Centred | WordWrap,
                  kGreenHeader),
            label("label_28", {330, 20, 105, 35},
                  //: Header over the ring-in output buttons: keep the third line's digits
                  //: and the sign Ø over their columns.
                  QT_TRANSLATE_NOOP("form::Catalogue",
                                    "Kimenet vezérlés\nrácsengetéskor\n  4     3     2     1    Ø"),
                  Centred | WordWrap, "color: rgb(0, 0, 127);"),
        }};
    for (int r = 1; r <= 8; ++r)
        box.items << edit(numbers[r - 1], {25, rowY(r), 95, 20}, 14, Courier);
    for (int r = 1; r <= 8; ++r)
        box.items << edit(prefixes[r - 1], {10, rowY(r), 15, 20}, 1, Disabled | ReadOnly | Courier,
                          "+");
    for (const auto &[name, group] : checks) {
        const QByteArray g(group);
        const int row = g.left(g.indexOf('.')).toInt();
        const int column = g.mid(g.indexOf('.') + 1).toInt();
        Item item{Kind::CheckBox, name, {columnX[column], rowY(row) + 5, 16, 16}};
        item.groupProperty = g;
        box.items << item;
    }
    for (const char *name : radios) {
        const QByteArray n(name);
        const int row = n.mid(1, n.indexOf('_') - 1).toInt();
        const int output = n.mid(n.indexOf('_') + 1).toInt();
        box.items << radio(name, {outputX[output], rowY(row) + 5, 16, 16}, rowGroups[row - 1],
                           output == 0 ? Checked : 0);
    }
    return box;
}

Box analog()
{
    return {
        "g_analog",
        1,
        {10, 10, 441, 471},
        QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenetek"),
        {
            label("label_65", {10, 30, 150, 17},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Max. bemenő feszültség:")),
            radio("max_be_15", {170, 30, 61, 17}, "buttonGroup_5", Checked, "0..15 V"),
            radio("max_be_30", {260, 30, 61, 17}, "buttonGroup_5", 0, "0..30 V"),
            label("label_56", {10, 85, 185, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenet neve:")),
            label("label_57", {10, 110, 185, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Pulzusszámláló bemenet neve:")),
            label("label_41", {10, 150, 185, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenet magas riasztás:")),
            label("label_46", {10, 175, 185, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenet visszaállás:")),
            label("label_42", {10, 200, 185, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenet alacsony riasztás:")),
            label("label_63", {10, 225, 255, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenet magas riasztás:")),
            label("label", {296, 225, 8, 20}, ","),
            label("label_62", {10, 250, 255, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenet alacsony riasztás:")),
            label("label_18", {296, 250, 8, 20}, ","),
            label("label_44", {10, 340, 185, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Pulzusszámláló túlcsordulás riasztás:")),
            label("label_64", {10, 370, 260, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Pulzusszámláló maximális értéke:")),
            label("label_45", {10, 400, 185, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Pulzusszámláló törlés parancs:")),
            edit("be_a1_nev", {200, 85, 120, 20}, 16, Courier),
            edit("be_a2_nev", {200, 110, 120, 20}, 16, Courier),
            edit("abe1_hi_msg", {200, 150, 120, 20}, 16, Courier),
            edit("abe1_vissza", {200, 175, 120, 20}, 16, Courier),
            edit("abe1_lo_msg", {200, 200, 120, 20}, 16, Courier),
            edit("abe1_hi", {270, 225, 25, 20}, 2),
            edit("abe1_hi_2", {305, 225, 15, 20}, 1),
            edit("abe1_lo", {270, 250, 25, 20}, 2),
            edit("abe1_lo_2", {305, 250, 15, 20}, 1),
            edit("abe2_hi_msg", {200, 340, 120, 20}, 16, Courier),
            edit("abe2_hi", {275, 370, 45, 20}, 5),
            edit("abe2_clr", {200, 400, 120, 20}, 16, Courier),
        }};
}

Box inputs()
{
    return {
        "g_be",
        2,
        {10, 10, 441, 386},
        QT_TRANSLATE_NOOP("form::Catalogue", "Bemenetek"),
        textRows({
            {"be1_nev", "label_6", QT_TRANSLATE_NOOP("form::Catalogue", "1-es bemenet neve:"), 20},
            {"be2_nev", "label_7", QT_TRANSLATE_NOOP("form::Catalogue", "2-es bemenet neve:"), 45},
            {"be3_nev", "label_32", QT_TRANSLATE_NOOP("form::Catalogue", "3-as bemenet neve:"), 70},
            {"be4_nev", "label_31", QT_TRANSLATE_NOOP("form::Catalogue", "4-es bemenet neve:"), 95},
            {"be1_on_msg", "label_13",
             QT_TRANSLATE_NOOP("form::Catalogue", "1-es bemenet bekapcs.:"), 180},
            {"be2_on_msg", "label_14",
             QT_TRANSLATE_NOOP("form::Catalogue", "2-es bemenet bekapcs.:"), 205},
            {"be3_on_msg", "label_34",
             QT_TRANSLATE_NOOP("form::Catalogue", "3-as bemenet bekapcs.:"), 230},
            {"be4_on_msg", "label_35",
             QT_TRANSLATE_NOOP("form::Catalogue", "4-es bemenet bekapcs.:"), 255},
            {"be1_off_msg", "label_15",
             QT_TRANSLATE_NOOP("form::Catalogue", "1-es bemenet kikapcs.:"), 280},
            {"be2_off_msg", "label_16",
             QT_TRANSLATE_NOOP("form::Catalogue", "2-es bemenet kikapcs.:"), 305},
            {"be3_off_msg", "label_36",
             QT_TRANSLATE_NOOP("form::Catalogue", "3-as bemenet kikapcs.:"), 330},
            {"be4_off_msg", "label_33",
             QT_TRANSLATE_NOOP("form::Catalogue", "4-es bemenet kikapcs.:"), 355},
        })};
}

Box outputs()
{
    return {"g_ki",
            3,
            {10, 10, 441, 226},
            QT_TRANSLATE_NOOP("form::Catalogue", "Kimenetek"),
            textRows({
                {"ki1_on", "label_50",
                 QT_TRANSLATE_NOOP("form::Catalogue", "1-es kimenet bekapcsoláskor:"), 20},
                {"ki2_on", "label_38",
                 QT_TRANSLATE_NOOP("form::Catalogue", "2-es kimenet bekapcsoláskor:"), 45},
                {"ki3_on", "label_9",
                 QT_TRANSLATE_NOOP("form::Catalogue", "3-as kimenet bekapcsoláskor:"), 70},
                {"ki4_on", "label_10",
                 QT_TRANSLATE_NOOP("form::Catalogue", "4-es kimenet bekapcsoláskor:"), 95},
                {"ki1_off", "label_37",
                 QT_TRANSLATE_NOOP("form::Catalogue", "1-es kimenet kikapcsoláskor:"), 120},
                {"ki2_off", "label_30",
                 QT_TRANSLATE_NOOP("form::Catalogue", "2-es kimenet kikapcsoláskor:"), 145},
                {"ki3_off", "label_11",
                 QT_TRANSLATE_NOOP("form::Catalogue", "3-as kimenet kikapcsoláskor:"), 170},
                {"ki4_off", "label_12",
                 QT_TRANSLATE_NOOP("form::Catalogue", "4-es kimenet kikapcsoláskor:"), 195},
            })};
}

// Monostable (bn) or bistable (kn) behaviour of each output when the module is rung.
Box ringInOutputs()
{
    Box box{"g_ki_csengetes",
            3,
            {10, 250, 441, 126},
            QT_TRANSLATE_NOOP("form::Catalogue", "Kimenetek rácsengetés hatására"),
            {
                label("label_61", {200, 20, 106, 16},
                      //: Two column headers over the output buttons, 106 px for both.
                      QT_TRANSLATE_NOOP("form::Catalogue", "Monostabil       Bistabil")),
            }};
    static const char *const rows[4][5] = {
        {"label_55", QT_TRANSLATE_NOOP("form::Catalogue", "1-es kimenet:"), "k1", "b1",
         "buttonGroup"},
        {"label_58", QT_TRANSLATE_NOOP("form::Catalogue", "2-es kimenet:"), "k2", "b2",
         "buttonGroup_2"},
        {"label_59", QT_TRANSLATE_NOOP("form::Catalogue", "3-as kimenet:"), "k3", "b3",
         "buttonGroup_3"},
        {"label_60", QT_TRANSLATE_NOOP("form::Catalogue", "4-es kimenet:"), "k4", "b4",
         "buttonGroup_4"},
    };
    int y = 40;
    for (const auto &[labelName, text, bistable, monostable, group] : rows) {
        box.items << label(labelName, {20, y - 2, 150, 20}, text)
                  << radio(bistable, {280, y, 15, 15}, group)
                  << radio(monostable, {215, y, 15, 15}, group, Checked);
        y += 20;
    }
    return box;
}

Box activation()
{
    return {"g_activate",
            3,
            {10, 390, 441, 80},
            QT_TRANSLATE_NOOP("form::Catalogue", "Riasztások aktiválása"),
            textRows({
                {"act_be", "act_be_label",
                 QT_TRANSLATE_NOOP("form::Catalogue", "Riasztások aktiválása parancs:"), 20},
                {"act_ki", "act_be_label_2",
                 QT_TRANSLATE_NOOP("form::Catalogue", "Riasztások kikapcsolása parancs:"), 50},
            })};
}

Box statusPanel()
{
    auto lamp = [](const char *name, int y) {
        return Item{Kind::Lamp, name, {130, y, 16, 16}, nullptr, 0, 0, nullptr, kGreyLamp};
    };
    auto caption = [](const char *name, int y, const char *text) {
        return label(name, {10, y, 71, 16}, text);
    };
    return {
        "g_allapot",
        -1,
        {480, 10, 161, 521},
        QT_TRANSLATE_NOOP("form::Catalogue", "Állapot"),
        {
            {Kind::ProgressBar,
             "terero",
             {126, 30, 25, 121},
             nullptr,
             0,
             0,
             nullptr,
             qv::form::style::SignalNormal.data()},
            label("l_terero", {120, 10, 41, 16},
                  //: Signal strength, over its bar: 41 px.
                  QT_TRANSLATE_NOOP("form::Catalogue", "Térerő"), Centred),
            caption("label_be1", 170, QT_TRANSLATE_NOOP("form::Catalogue", "Bemenet 1:")),
            caption("label_be2", 190, QT_TRANSLATE_NOOP("form::Catalogue", "Bemenet 2:")),
            caption("label_ki1", 330, QT_TRANSLATE_NOOP("form::Catalogue", "Kimenet 1:")),
            caption("label_ki2", 350, QT_TRANSLATE_NOOP("form::Catalogue", "Kimenet 2:")),
            label("label_48", {10, 430, 81, 16},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Tápfeszültség:")),
            lamp("w_be1", 170),
            lamp("w_be2", 190),
            lamp("w_ki1", 330),
            lamp("w_ki2", 350),
            lamp("w_tp", 430),
            {Kind::PushButton,
             "allapot_gomb",
             {10, 470, 141, 41},
             QT_TRANSLATE_NOOP("form::Catalogue", "Állapot lekérdezése"),
             0,
             Bold,
             nullptr,
             "color: rgb(255, 255, 255);\nbackground-color: rgb(0, 170, 127);"},
            caption("label_be3", 210, QT_TRANSLATE_NOOP("form::Catalogue", "Bemenet 3:")),
            lamp("w_be3", 210),
            caption("label_be4", 230, QT_TRANSLATE_NOOP("form::Catalogue", "Bemenet 4:")),
            lamp("w_be4", 230),
            label("label_analog", {10, 270, 81, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenet:")),
            label("label_counter", {10, 290, 81, 20},
                  QT_TRANSLATE_NOOP("form::Catalogue", "Számláló értéke:")),
            caption("label_ki3", 370, QT_TRANSLATE_NOOP("form::Catalogue", "Kimenet 3:")),
            lamp("w_ki4", 390),
            caption("label_ki4", 390, QT_TRANSLATE_NOOP("form::Catalogue", "Kimenet 4:")),
            lamp("w_ki3", 370),
            label("l_analog", {94, 270, 51, 20}, "0.0 V", RightAligned | PlainText, kBlueReadout),
            label("l_counter", {94, 290, 51, 20}, "00000", RightAligned | PlainText, kBlueReadout),
            label("label_ver", {10, 30, 111, 16}, QT_TRANSLATE_NOOP("form::Catalogue", "Verzió:")),
            label("l_ver", {10, 50, 111, 16}, "", Bold | PlainText, kBlueReadout),
        }};
}

Box deviceButtons()
{
    auto button = [](const char *name, int y, const char *text, const char *style) {
        return Item{Kind::PushButton, name, {20, y, 211, 41}, text, 0, Bold, nullptr, style};
    };
    return {
        "g_eszkoz",
        -1,
        {650, 280, 251, 251},
        QT_TRANSLATE_NOOP("form::Catalogue", "Eszköz"),
        {
            button("download_gomb", 150,
                   QT_TRANSLATE_NOOP("form::Catalogue", "Betöltés az eszközbe"),
                   "color: rgb(255, 255, 255);\nbackground-color: rgb(191, 0, 0);"),
            button("upload_gomb", 200,
                   QT_TRANSLATE_NOOP("form::Catalogue", "Kiolvasás az eszközből"),
                   "color: rgb(255, 255, 255);\nbackground-color: rgb(255, 128, 0);"),
            button("verify_gomb", 100, QT_TRANSLATE_NOOP("form::Catalogue", "Betöltés ellenőrzése"),
                   "color: rgb(255, 255, 255);\nbackground-color: rgb(0, 128, 0);"),
            button("port_gomb", 30, QT_TRANSLATE_NOOP("form::Catalogue", "Eszköz csatlakoztatása"),
                   "color: rgb(255, 255, 255); \nbackground-color: rgb(0, 0, 191);"),
        }};
}

} // namespace

const QList<Page> &pages()
{
    static const QList<Page> list{
        {"tab1", QT_TRANSLATE_NOOP("form::Catalogue", "Általános")},
        {"tab2", QT_TRANSLATE_NOOP("form::Catalogue", "Analóg bemenetek")},
        {"tab3", QT_TRANSLATE_NOOP("form::Catalogue", "Digitális bemenetek")},
        {"tab4", QT_TRANSLATE_NOOP("form::Catalogue", "Kimenetek")}};
    return list;
}

const QList<Box> &boxes()
{
    static const QList<Box> list{general(), telephones(),    analog(),    inputs(),
                                 outputs(), ringInOutputs(), activation()};
    return list;
}

const QList<Box> &sideBoxes()
{
    static const QList<Box> list{statusPanel(), deviceButtons()};
    return list;
}

QStringList names(const char *box, Kind kind)
{
    QStringList list;
    for (const Box &b : boxes()) {
        if (qstrcmp(b.name, box) != 0)
            continue;
        for (const Item &item : b.items) {
            if (item.kind == kind)
                list << QLatin1StringView(item.name);
        }
    }
    return list;
}

const QList<Field> &configurationFields()
{
    static const QList<Field> list = [] {
        QList<Field> fields;
        auto add = [&fields](std::initializer_list<const char *> boxNames, Kind kind) {
            for (const char *boxName : boxNames) {
                for (const Box &b : boxes()) {
                    if (qstrcmp(b.name, boxName) != 0)
                        continue;
                    for (const Item &item : b.items) {
                        if (item.kind == kind)
                            fields.append({QLatin1StringView(item.name), kind, b.page});
                    }
                }
            }
        };
        add({"g_general", "g_analog", "g_be", "g_ki", "g_activate", "g_tel"}, Kind::LineEdit);
        add({"g_tel"}, Kind::CheckBox);
        add({"g_tel", "g_analog", "g_ki_csengetes"}, Kind::RadioButton);
        return fields;
    }();
    return list;
}

const Item *findItem(QStringView name, const Box **box)
{
    for (const QList<Box> *list : {&boxes(), &sideBoxes()}) {
        for (const Box &b : *list) {
            for (const Item &item : b.items) {
                if (name == QLatin1StringView(item.name)) {
                    if (box)
                        *box = &b;
                    return &item;
                }
            }
        }
    }
    return nullptr;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("form::Catalogue", text);
}

const QList<const char *> &smsCentreOperators()
{
    static const QList<const char *> list{"T-Mobile", "Telenor", "Vodafone",
                                          QT_TRANSLATE_NOOP("form::Catalogue", "Egyéni")};
    return list;
}

} // namespace qv::form
