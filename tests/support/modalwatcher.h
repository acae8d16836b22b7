// Test helper: answers the modal windows that the code under test opens.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

// What a message box showed.
struct RecordedBox
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QString informative; // the text beneath the message
    QString parentName;  // object name of the parent widget
    Qt::TextFormat format = Qt::AutoText;
};

// Polls for the active modal widget. Every QMessageBox is recorded and answered with
// its OK (or escape) button; other dialogs go to a handler chosen by object name. The
// question about unsaved edits is kept apart: it is counted on its own and answered
// with "Elvetés" (discard) unless told otherwise, so that a test about another command
// is not stopped by edits it made to see whether the command changed the form.
// Construct it before the command that opens the window; it stops with its scope.
class ModalWatcher : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(QWidget *)>;

    explicit ModalWatcher(QObject *parent = nullptr);
    ~ModalWatcher() override;

    // Calls `handler` once for each new modal window with that object name
    // (or class name, when no object name is set).
    void onDialog(const QString &name, Handler handler);
    // Called for each message box while it is open, before it is answered.
    void beforeAnswer(std::function<void(QMessageBox *)> hook) { m_beforeAnswer = std::move(hook); }
    // Which button of a message box to press, by its standard button (default: Ok/escape).
    void answerWith(QMessageBox::StandardButton button) { m_answer = button; }

    // How to answer the question about unsaved edits (Save, Discard or Cancel).
    void answerQuestionsWith(QMessageBox::StandardButton button) { m_questionAnswer = button; }
    int questions() const { return m_questions; }

    const QList<RecordedBox> &boxes() const { return m_boxes; }
    RecordedBox last() const { return m_boxes.isEmpty() ? RecordedBox{} : m_boxes.last(); }
    int count() const { return int(m_boxes.size()); }
    void clear() { m_boxes.clear(); }
    // Waits until `n` boxes were recorded (returns false after timeoutMs).
    bool waitForBoxes(int n, int timeoutMs = 10000);

private:
    void poll();

    QTimer m_timer;
    QList<RecordedBox> m_boxes;
    QList<std::pair<QString, Handler>> m_handlers;
    QList<QPointer<QWidget>> m_seen;
    QMessageBox::StandardButton m_answer = QMessageBox::NoButton;
    QMessageBox::StandardButton m_questionAnswer = QMessageBox::Discard;
    int m_questions = 0;
    std::function<void(QMessageBox *)> m_beforeAnswer;
};
