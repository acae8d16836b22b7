#include "watch/gui/signalmeter.h"

#include "watch/sample.h"

#include <QPainter>

namespace qv::watch::gui {

namespace {
constexpr qint64 TrendMs = 60'000;
} // namespace

SignalMeter::SignalMeter(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("watchSignal"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setAccessibleName(tr("Térerő"));
}

void SignalMeter::setLevel(int level, qint64 elapsedMs)
{
    m_level = level;
    m_any = true;
    m_trend.append({elapsedMs, level});
    while (!m_trend.isEmpty() && m_trend.constFirst().elapsedMs < elapsedMs - TrendMs)
        m_trend.removeFirst();
    setAccessibleDescription(QStringLiteral("%1 %2").arg(level).arg(qv::watch::signalWords(level)));
    update();
}

void SignalMeter::clear()
{
    m_level = -1;
    m_any = false;
    m_trend.clear();
    update();
}

QList<int> SignalMeter::trend() const
{
    QList<int> levels;
    for (const Point &p : m_trend)
        levels << p.level;
    return levels;
}

void SignalMeter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    const QColor colour(qv::watch::signalColour(m_level));
    const QRect r = rect().adjusted(8, 6, -8, -6);
    const int left = r.width() * 11 / 20; // the figure and the bar; the trend on the right

    QFont title = font();
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::black);
    p.drawText(QRect(r.left(), r.top(), left, 20), Qt::AlignLeft | Qt::AlignTop, tr("Térerő"));

    // The level as a large figure, its words below it.
    QFont big = font();
    big.setPixelSize(qMax(24, r.height() / 2));
    big.setBold(true);
    p.setFont(big);
    p.setPen(colour);
    const QRect figure(r.left(), r.top() + 18, left, r.height() / 2 + 8);
    const QString figureText = !m_any         ? QStringLiteral("–")
                               : m_level < 0  ? QStringLiteral("?")
                               : m_level > 99 ? QStringLiteral("99+")
                                              : QString::number(m_level);
    p.drawText(figure, Qt::AlignLeft | Qt::AlignVCenter, figureText);
    QFont words = font();
    words.setPixelSize(qMax(14, r.height() / 9));
    words.setBold(true);
    p.setFont(words);
    p.drawText(QRect(r.left(), figure.bottom(), left, words.pixelSize() + 8),
               Qt::AlignLeft | Qt::AlignVCenter,
               m_any ? qv::watch::signalWords(m_level) : tr("nincs adat"));

    // The bar: five segments, as many lit as the level.
    const int barTop = r.bottom() - 22;
    const int segment = (left - 8) / 5;
    for (int i = 0; i < 5; ++i) {
        const QRect cell(r.left() + i * segment, barTop, segment - 4, 22);
        const bool lit = m_level > i && m_level <= 5;
        p.fillRect(cell, lit ? colour : QColor(225, 225, 225));
    }
    if (m_level > 5 || m_level == 0 || m_level == 1) {
        // Weak and invalid levels fill the first segment in red, as the panel's bar.
        p.fillRect(QRect(r.left(), barTop, segment - 4, 22), colour);
    }

    // The last minute's trend: one step per sample, 0-5.
    const QRect trend(r.left() + left + 8, r.top() + 20, r.width() - left - 8, r.height() - 20);
    p.setFont(font());
    p.setPen(Qt::black);
    p.drawText(QRect(trend.left(), r.top(), trend.width(), 18), Qt::AlignLeft,
               tr("az utolsó perc"));
    p.setPen(QColor(215, 215, 215));
    for (int level = 0; level <= 5; ++level) {
        const int y = trend.bottom() - level * trend.height() / 5;
        p.drawLine(trend.left(), y, trend.right(), y);
    }
    if (m_trend.isEmpty())
        return;
    const qint64 end = m_trend.constLast().elapsedMs;
    for (qsizetype i = 0; i < m_trend.size(); ++i) {
        const Point &pt = m_trend.at(i);
        if (pt.level < 0)
            continue;
        const qint64 until = i + 1 < m_trend.size() ? m_trend.at(i + 1).elapsedMs : end + 1000;
        auto xOf = [&](qint64 t) {
            return trend.left() + int(double(t - (end - TrendMs)) * trend.width() / TrendMs);
        };
        const int x0 = qMax(trend.left(), xOf(pt.elapsedMs)), x1 = qMin(trend.right(), xOf(until));
        const int level = qMin(pt.level, 5);
        const int h = qMax(2, level * trend.height() / 5);
        p.fillRect(QRect(x0, trend.bottom() - h, qMax(1, x1 - x0), h),
                   QColor(qv::watch::signalColour(pt.level)));
    }
}

} // namespace qv::watch::gui
