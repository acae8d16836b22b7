// The signal meter's sound: a short tone whose pitch rises with the level (silence for a
// missing level, a low double tone for a weak or invalid one), so that the antenna can be
// moved without looking. Qt Multimedia's audio output, on the system's default device;
// nothing sounds where there is none.
#pragma once

#include <QBuffer>
#include <QObject>

class QAudioSink;

namespace qv::watch::gui {

class SignalTone : public QObject
{
    Q_OBJECT

public:
    explicit SignalTone(QObject *parent = nullptr);
    ~SignalTone() override;

    // False when the system has no audio output.
    bool isAvailable() const { return m_sink != nullptr; }
    void play(int level);

    // The tone's pitch for a level, in hertz (0: none).
    static int pitchOf(int level);

private:
    QAudioSink *m_sink = nullptr;
    QBuffer m_buffer;
    int m_rate = 22050;
};

} // namespace qv::watch::gui
