#include "watch/gui/signaltone.h"

#include "watch/sample.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <cmath>
#include <numbers>

namespace qv::watch::gui {

SignalTone::SignalTone(QObject *parent) : QObject(parent)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    QAudioFormat format;
    format.setSampleRate(m_rate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        format = device.preferredFormat();
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_rate = format.sampleRate();
        if (!device.isFormatSupported(format))
            return;
    }
    m_sink = new QAudioSink(device, format, this);
}

SignalTone::~SignalTone()
{
    if (m_sink)
        m_sink->stop();
}

int SignalTone::pitchOf(int level)
{
    switch (qv::watch::classifySignal(level)) {
    case qv::watch::SignalClass::Normal:
        return 440 + (level - 2) * 220; // 440, 660, 880, 1100 Hz
    case qv::watch::SignalClass::Weak:
    case qv::watch::SignalClass::Invalid:
        return 220;
    case qv::watch::SignalClass::Missing:
        break;
    }
    return 0;
}

void SignalTone::play(int level)
{
    const int pitch = pitchOf(level);
    if (!m_sink || pitch == 0)
        return;
    // 150 ms of tone with soft edges; a weak level sounds twice.
    const bool twice = qv::watch::classifySignal(level) != qv::watch::SignalClass::Normal;
    const int toneSamples = m_rate * 150 / 1000, pauseSamples = m_rate * 80 / 1000;
    QByteArray pcm;
    auto tone = [&] {
        for (int i = 0; i < toneSamples; ++i) {
            const double edge = qMin(1.0, qMin(i, toneSamples - i) / (m_rate * 0.01));
            const double v = 0.3 * edge * std::sin(2 * std::numbers::pi * pitch * i / m_rate);
            const qint16 s = qint16(v * 32767);
            pcm.append(reinterpret_cast<const char *>(&s), sizeof s);
        }
    };
    tone();
    if (twice) {
        pcm.append(QByteArray(pauseSamples * 2, '\0'));
        tone();
    }
    m_sink->stop();
    m_buffer.close();
    m_buffer.setData(pcm);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink->start(&m_buffer);
}

} // namespace qv::watch::gui
