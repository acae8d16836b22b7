#include "form/gui/statuspanel.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/gui/mainwindowui.h"
#include "form/styles.h"

#include <QCoreApplication>
#include <QGraphicsOpacityEffect>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

namespace qv::form::gui {

namespace {

QByteArray numbered(const char *name, int n)
{
    return QByteArray(name) + QByteArray::number(n);
}

} // namespace

StatusPanel::StatusPanel(const Ui::MainWindow &ui) : m_ui(ui)
{
}

void StatusPanel::setVersion(const QString &text)
{
    m_ui.get<QLabel>("l_ver")->setText(text);
}

void StatusPanel::shapeFor(int model)
{
    const std::optional<qv::form::device::Profile> profile = qv::form::device::profileFor(model);
    if (!profile)
        return;
    for (int n = 1; n <= 4; ++n)
        m_ui.get<QLabel>(numbered("label_be", n))->setEnabled(n <= profile->inputs);
    for (int n = 1; n <= 4; ++n)
        m_ui.get<QLabel>(numbered("label_ki", n))->setEnabled(n <= profile->outputs);
    for (int n = profile->inputs + 1; n <= 4; ++n)
        m_ui.get<QWidget>(numbered("w_be", n))->setStyleSheet(qv::form::style::LampOff);
    for (int n = profile->outputs + 1; n <= 4; ++n)
        m_ui.get<QWidget>(numbered("w_ki", n))->setStyleSheet(qv::form::style::LampOff);
    const QString readoutStyle =
        profile->analogue ? qv::form::style::ReadoutLive : qv::form::style::ReadoutAbsent;
    const std::tuple<const char *, const char *, const char *> readouts[] = {
        {"label_analog", "l_analog", "0.0 V"}, {"label_counter", "l_counter", "00000"}};
    for (const auto &[caption, value, zero] : readouts) {
        m_ui.get<QLabel>(caption)->setEnabled(profile->analogue);
        auto *readout = m_ui.get<QLabel>(value);
        readout->setStyleSheet(readoutStyle);
        if (!profile->analogue)
            readout->setText(QString::fromLatin1(zero));
    }
}

void StatusPanel::setQueryRunning(bool running)
{
    QPushButton *button = m_ui.allapot_gomb;
    if (running) {
        button->setStyleSheet(qv::form::style::QueryRunning);
        button->setText(QCoreApplication::translate("form::StatusPanel", "Várjon!..."));
        button->setEnabled(false);
        auto *bar = m_ui.get<QProgressBar>("terero");
        bar->setStyleSheet(QString());
        bar->reset();
    } else {
        button->setStyleSheet(qv::form::style::QueryAtRest);
        button->setText(
            form::translated(QT_TRANSLATE_NOOP("form::Catalogue", "Állapot lekérdezése")));
        button->setEnabled(true);
    }
}

void StatusPanel::show(const qv::form::PanelView &view)
{
    for (int n = 1; n <= 4; ++n)
        m_ui.get<QWidget>(numbered("w_ki", n))->setStyleSheet(view.outputStyles[n - 1]);
    for (int n = 1; n <= 4; ++n)
        m_ui.get<QWidget>(numbered("w_be", n))->setStyleSheet(view.inputStyles[n - 1]);
    m_ui.get<QLabel>("l_analog")->setText(view.analog);
    m_ui.get<QLabel>("l_counter")->setText(view.counter);
    m_ui.get<QWidget>("w_tp")->setStyleSheet(view.supplyStyle);
    auto *bar = m_ui.get<QProgressBar>("terero");
    bar->setRange(0, qv::form::SignalBarMaximum);
    bar->reset();
    bar->setValue(view.signal);
    bar->setStyleSheet(view.signalStyle);
    setVersion(view.version);
    m_filledAt = QDateTime::currentDateTime();
    setValuesGrey(false);
    m_ui.g_allapot->setToolTip(QCoreApplication::translate("form::StatusPanel", "Lekérdezve: %1")
                                   .arg(QLocale().toString(m_filledAt, QLocale::ShortFormat)));
}

void StatusPanel::markStale()
{
    if (!m_filledAt.isValid())
        return;
    setValuesGrey(true);
    m_ui.g_allapot->setToolTip(
        QCoreApplication::translate("form::StatusPanel",
                                    "Lekérdezve: %1. Az értékek már nem a porton lévő modulé "
                                    "(másik modul csatlakozott, vagy egy sorozat más modulokat "
                                    "írt): kérdezze le újra az állapotot.")
            .arg(QLocale().toString(m_filledAt, QLocale::ShortFormat)));
}

// Faded rather than disabled: the lamps are drawn by their style sheets.
void StatusPanel::setValuesGrey(bool grey)
{
    QList<QWidget *> values{m_ui.get<QWidget>("l_analog"), m_ui.get<QWidget>("l_counter"),
                            m_ui.get<QWidget>("w_tp"), m_ui.get<QWidget>("terero")};
    for (int n = 1; n <= 4; ++n)
        values << m_ui.get<QWidget>(numbered("w_ki", n)) << m_ui.get<QWidget>(numbered("w_be", n));
    for (QWidget *value : values) {
        if (!grey) {
            value->setGraphicsEffect(nullptr);
            continue;
        }
        auto *faded = new QGraphicsOpacityEffect(value);
        faded->setOpacity(0.3);
        value->setGraphicsEffect(faded);
    }
}

} // namespace qv::form::gui
