#include "form/gui/mainwindowui.h"

#include "form/catalogue.h"
#include "form/fieldhints.h"
#include "settings/gui/appicon.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

namespace qv::form::gui::Ui {

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

struct ActionDef
{
    QAction *MainWindow::*member;
    const char *name;
    const char *text;
    const char *shortcut;
};

// Menus and their actions in order; a null action stands for a separator.
struct MenuDef
{
    QMenu *MainWindow::*member;
    const char *name;
    const char *title;
    std::initializer_list<ActionDef> actions;
};

const std::initializer_list<MenuDef> &menus()
{
    static const std::initializer_list<MenuDef> list{
        {&MainWindow::menuFile,
         "menuFile",
         QT_TRANSLATE_NOOP("Ui::MainWindow", "File"),
         {
             {&MainWindow::actionNew, "actionNew", QT_TRANSLATE_NOOP("Ui::MainWindow", "New"),
              "Ctrl+N"},
             {&MainWindow::actionOpen, "actionOpen",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Megnyitás"), "Ctrl+O"},
             {&MainWindow::actionSave, "actionSave", QT_TRANSLATE_NOOP("Ui::MainWindow", "Mentés"),
              "Ctrl+S"},
             {&MainWindow::actionPrintSheet, "actionPrintSheet",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Ügyféllap nyomtatása…"), "Ctrl+P"},
             {&MainWindow::actionExportSheet, "actionExportSheet",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Ügyféllap PDF-be…"), ""},
             {&MainWindow::actionSaveAs, "actionSaveAs",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Save As"), ""},
             {nullptr, nullptr, nullptr, nullptr},
             {&MainWindow::actionExit, "actionExit", QT_TRANSLATE_NOOP("Ui::MainWindow", "Kilépés"),
              "Ctrl+Q"},
         }},
        {&MainWindow::menuSettings,
         "menuSettings",
         QT_TRANSLATE_NOOP("Ui::MainWindow", "Beállítások"),
         {
             {&MainWindow::actionPort, "actionPort", QT_TRANSLATE_NOOP("Ui::MainWindow", "Port"),
              ""},
         }},
        {&MainWindow::menuDevice,
         "menuDevice",
         QT_TRANSLATE_NOOP("Ui::MainWindow", "Eszköz"),
         {
             {&MainWindow::actionReadup, "actionReadup",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Kiolvasás az eszközből"), "Ctrl+R"},
             {nullptr, nullptr, nullptr, nullptr},
             {&MainWindow::actionDownload, "actionDownload",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Betöltés az eszközbe"), "Ctrl+D"},
             {&MainWindow::actionVerify, "actionVerify",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Betöltés ellenőrzése"), "Ctrl+V"},
             {&MainWindow::actionCompare, "actionCompare",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Összehasonlítás a modullal"), ""},
             {&MainWindow::actionRegister, "actionRegister",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Nyilvántartás…"), ""},
             {&MainWindow::actionSeries, "actionSeries",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Sorozatprogramozás…"), ""},
             {&MainWindow::actionWatch, "actionWatch",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Állapot figyelése…"), ""},
         }},
        {&MainWindow::menuHelp,
         "menuHelp",
         QT_TRANSLATE_NOOP("Ui::MainWindow", "Help"),
         {
             {&MainWindow::actionContents, "actionContents",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Tartalom"), "F1"},
             {&MainWindow::actionAbout, "actionAbout",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "Névjegy"), ""},
         }},
        {&MainWindow::menuDebug,
         "menuDebug",
         "",
         {
             {&MainWindow::actionQ_QV5, "actionQ_QV5", "Q_QV5", ""},
             {&MainWindow::actionQ_QV3, "actionQ_QV3", "Q_QV3", ""},
             {&MainWindow::actionQ_BRK2, "actionQ_BRK2", "Q_BRK2", ""},
             {nullptr, nullptr, nullptr, nullptr},
             {&MainWindow::actionNodevice, "actionNodevice",
              QT_TRANSLATE_NOOP("Ui::MainWindow", "No Device"), ""},
         }},
    };
    return list;
}

void setCourier(QWidget *w)
{
    QFont font = w->font();
    font.setFamily(QStringLiteral("Courier"));
    w->setFont(font);
}

QWidget *createItem(const form::Item &item, QGroupBox *box, QMainWindow *window,
                    QHash<QByteArray, QButtonGroup *> &groups)
{
    QWidget *w = nullptr;
    switch (item.kind) {
    case form::Kind::Label: {
        auto *label = new QLabel(box);
        if (item.flags & form::Centred)
            label->setAlignment(Qt::AlignCenter);
        if (item.flags & form::RightAligned)
            label->setAlignment(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
        label->setWordWrap(item.flags & form::WordWrap);
        if (item.flags & form::PlainText)
            label->setTextFormat(Qt::PlainText);
        w = label;
        break;
    }
    case form::Kind::LineEdit: {
        auto *edit = new QLineEdit(box);
        edit->setMaxLength(item.maxLength);
        edit->setReadOnly(item.flags & form::ReadOnly);
        w = edit;
        break;
    }
    case form::Kind::CheckBox:
        w = new QCheckBox(box);
        break;
    case form::Kind::RadioButton:
        w = new QRadioButton(box);
        break;
    case form::Kind::ComboBox: {
        auto *combo = new QComboBox(box);
        QFont font = combo->font();
        font.setWeight(QFont::Normal);
        combo->setFont(font);
        w = combo;
        break;
    }
    case form::Kind::PushButton:
        w = new QPushButton(box);
        w->setAutoFillBackground(false);
        break;
    case form::Kind::ProgressBar: {
        auto *bar = new QProgressBar(box);
        bar->setOrientation(Qt::Vertical);
        bar->setValue(0);
        bar->setTextVisible(false);
        bar->setFormat(QStringLiteral("%p%"));
        w = bar;
        break;
    }
    case form::Kind::Lamp:
        w = new QWidget(box);
        break;
    }
    w->setObjectName(QLatin1StringView(item.name));
    w->setGeometry(item.geometry);
    if (item.flags & form::Courier)
        setCourier(w);
    if (item.flags & form::Bold) {
        QFont font = w->font();
        font.setBold(true);
        w->setFont(font);
    }
    if (item.flags & form::Disabled)
        w->setEnabled(false);
    if (item.styleSheet)
        w->setStyleSheet(u8(item.styleSheet));
    if (auto *button = qobject_cast<QAbstractButton *>(w)) {
        if (item.buttonGroup) {
            QButtonGroup *&group = groups[QByteArray(item.buttonGroup)];
            if (!group) {
                group = new QButtonGroup(window);
                group->setObjectName(QLatin1StringView(item.buttonGroup));
                group->setExclusive(true);
            }
            group->addButton(button);
        }
        button->setChecked(item.flags & form::Checked);
    }
    return w;
}

} // namespace

void MainWindow::setupUi(QMainWindow *window)
{
    window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(910, 600);
    window->setMinimumSize(910, 600);
    window->setMaximumSize(910, 600);
    window->setWindowIcon(qv::settings::gui::applicationIcon());

    QPalette palette = window->palette();
    palette.setColor(QPalette::Active, QPalette::Text, QColor(0, 111, 0));
    palette.setColor(QPalette::Inactive, QPalette::Text, QColor(0, 111, 0));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(118, 116, 108));
    window->setPalette(palette);

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    centralWidget->setAutoFillBackground(false);

    image = new QLabel(centralWidget);
    image->setObjectName(QStringLiteral("image"));
    image->setGeometry(650, 10, 251, 256);

    tabWidget = new QTabWidget(centralWidget);
    tabWidget->setObjectName(QStringLiteral("tabWidget"));
    tabWidget->setGeometry(10, 10, 465, 521);

    QHash<QByteArray, QButtonGroup *> groups;
    QList<QWidget *> pages;
    for (const form::Page &page : form::pages()) {
        auto *w = new QWidget;
        w->setObjectName(QLatin1StringView(page.name));
        pages << w;
    }
    auto buildBox = [&](const form::Box &desc, QWidget *parent) {
        auto *box = new QGroupBox(parent);
        box->setObjectName(QLatin1StringView(desc.name));
        box->setGeometry(desc.geometry);
        widgets.insert(QByteArray(desc.name), box);
        for (const form::Item &item : desc.items)
            widgets.insert(QByteArray(item.name), createItem(item, box, window, groups));
        return box;
    };
    for (const form::Box &desc : form::boxes())
        buildBox(desc, pages.at(desc.page));
    for (QWidget *page : pages)
        tabWidget->addTab(page, QString());
    for (const form::Box &desc : form::sideBoxes())
        buildBox(desc, centralWidget);

    g_general = get<QGroupBox>("g_general");
    g_tel = get<QGroupBox>("g_tel");
    g_analog = get<QGroupBox>("g_analog");
    g_be = get<QGroupBox>("g_be");
    g_ki = get<QGroupBox>("g_ki");
    g_ki_csengetes = get<QGroupBox>("g_ki_csengetes");
    g_activate = get<QGroupBox>("g_activate");
    g_allapot = get<QGroupBox>("g_allapot");
    g_eszkoz = get<QGroupBox>("g_eszkoz");
    port_gomb = get<QPushButton>("port_gomb");
    verify_gomb = get<QPushButton>("verify_gomb");
    download_gomb = get<QPushButton>("download_gomb");
    upload_gomb = get<QPushButton>("upload_gomb");
    allapot_gomb = get<QPushButton>("allapot_gomb");
    smskp_combo = get<QComboBox>("smskp_combo");
    max_be_15 = get<QRadioButton>("max_be_15");
    max_be_30 = get<QRadioButton>("max_be_30");

    window->setCentralWidget(centralWidget);

    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setGeometry(0, 0, 910, 21);
    for (const MenuDef &desc : menus()) {
        QMenu *menu = new QMenu(menuBar);
        menu->setObjectName(QLatin1StringView(desc.name));
        this->*desc.member = menu;
        for (const ActionDef &a : desc.actions) {
            if (!a.member) {
                menu->addSeparator();
                continue;
            }
            auto *action = new QAction(window);
            action->setObjectName(QLatin1StringView(a.name));
            this->*a.member = action;
            menu->addAction(action);
        }
        menuBar->addAction(menu->menuAction());
    }
    menuLanguage = new QMenu(menuSettings);
    menuLanguage->setObjectName(QStringLiteral("menuLanguage"));
    menuLanguage->setTitle(QStringLiteral("Nyelv / Language"));
    menuLanguage->menuAction()->setObjectName(QStringLiteral("menuLanguage"));
    auto *languages = new QActionGroup(window);
    languages->setExclusive(true);
    for (auto [member, name, text] :
         {std::tuple{&MainWindow::actionLangHu, "actionLangHu", "Magyar"},
          std::tuple{&MainWindow::actionLangEn, "actionLangEn", "English"}}) {
        auto *action = new QAction(QString::fromUtf8(text), languages);
        action->setObjectName(QLatin1StringView(name));
        action->setCheckable(true);
        menuLanguage->addAction(action);
        this->*member = action;
    }
    menuSettings->addMenu(menuLanguage);
    window->setMenuBar(menuBar);
    actionNew->setEnabled(false);
    actionNew->setVisible(false);
    actionSaveAs->setEnabled(false);
    actionSaveAs->setVisible(false);
    menuDebug->setEnabled(false);

    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    window->setStatusBar(statusBar);

    retranslateUi(window);
    tabWidget->setCurrentIndex(3);
}

void MainWindow::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(
        QCoreApplication::translate("Ui::MainWindow", "Quorvel / Brastok letöltő szoftver"));
    for (int i = 0; i < form::pages().size(); ++i)
        tabWidget->setTabText(i, form::translated(form::pages().at(i).title));

    auto applyTexts = [this](const form::Box &desc) {
        get<QGroupBox>(desc.name)->setTitle(form::translated(desc.title));
        for (const form::Item &item : desc.items) {
            QWidget *w = widgets.value(QByteArray(item.name));
            // Captions in the program's language; a field's default is a value.
            if (auto *label = qobject_cast<QLabel *>(w))
                label->setText(item.text ? form::translated(item.text) : QString());
            else if (auto *edit = qobject_cast<QLineEdit *>(w))
                edit->setText(u8(item.text));
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                button->setText(item.text ? form::translated(item.text) : QString());
            else if (auto *combo = qobject_cast<QComboBox *>(w)) {
                combo->clear();
                for (const char *op : form::smsCentreOperators())
                    combo->addItem(form::translated(op));
            }
            if (!item.groupProperty.isEmpty())
                w->setProperty("group", QString::fromLatin1(item.groupProperty));
        }
    };
    for (const form::Box &desc : form::boxes()) {
        applyTexts(desc);
        // Every field says what it accepts.
        for (const form::Item &item : desc.items)
            widgets.value(QByteArray(item.name))
                ->setToolTip(qv::form::rules::fieldHint(QLatin1StringView(item.name)));
    }
    for (const form::Box &desc : form::sideBoxes())
        applyTexts(desc);

    for (const MenuDef &desc : menus()) {
        (this->*desc.member)->setTitle(QCoreApplication::translate("Ui::MainWindow", desc.title));
        for (const ActionDef &a : desc.actions) {
            if (!a.member)
                continue;
            QAction *action = this->*a.member;
            action->setText(QCoreApplication::translate("Ui::MainWindow", a.text));
            action->setShortcut(QKeySequence(QString::fromLatin1(a.shortcut)));
        }
    }
}

} // namespace qv::form::gui::Ui
