#include "modalwatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTest>

ModalWatcher::ModalWatcher(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
    m_timer.start();
}

ModalWatcher::~ModalWatcher()
{
    m_timer.stop();
}

void ModalWatcher::onDialog(const QString &name, Handler handler)
{
    m_handlers.append({name, std::move(handler)});
}

bool ModalWatcher::waitForBoxes(int n, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (count() < n && clock.elapsed() < timeoutMs)
        QTest::qWait(5);
    return count() >= n;
}

void ModalWatcher::poll()
{
    // Every top-level window that is modal, not only the active one: offscreen
    // windows do not always become active.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !w->isModal() || m_seen.contains(QPointer<QWidget>(w)))
            continue;
        if (auto *box = qobject_cast<QMessageBox *>(w);
            box && box->objectName() == QLatin1StringView("unsavedEdits")) {
            m_seen.append(w);
            ++m_questions;
            QTimer::singleShot(0, box->button(m_questionAnswer), &QAbstractButton::click);
            continue;
        }
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            m_seen.append(w);
            RecordedBox r;
            r.icon = box->icon();
            r.title = box->windowTitle();
            r.text = box->text();
            r.informative = box->informativeText();
            r.format = box->textFormat();
            r.parentName = box->parentWidget() ? box->parentWidget()->objectName() : QString();
            m_boxes.append(r);
            if (m_beforeAnswer)
                m_beforeAnswer(box);
            QAbstractButton *button = m_answer != QMessageBox::NoButton
                                          ? box->button(m_answer)
                                          : box->button(QMessageBox::Ok);
            if (!button)
                button = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
            // Click from the event loop, not from inside this timer slot.
            QTimer::singleShot(0, button, &QAbstractButton::click);
            continue;
        }
        const QString key = w->objectName().isEmpty()
                                ? QString::fromLatin1(w->metaObject()->className())
                                : w->objectName();
        for (const auto &[name, handler] : m_handlers) {
            if (name == key) {
                m_seen.append(w);
                QPointer<QWidget> guard(w);
                Handler h = handler;
                QTimer::singleShot(0, this, [guard, h] {
                    if (guard)
                        h(guard.data());
                });
                break;
            }
        }
    }
    m_seen.removeAll(QPointer<QWidget>());
}
