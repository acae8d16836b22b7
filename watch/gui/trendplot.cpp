#include "watch/gui/trendplot.h"

#include "form/deviceprofile.h"
#include "watch/history.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace qv::watch::gui {

using qv::watch::History;

namespace {

constexpr int LeftMargin = 104;
constexpr int RightMargin = 8;
constexpr int TopMargin = 6;
constexpr int AxisHeight = 22;
constexpr qint64 ShortestSpanMs = 10'000;
constexpr qint64 DefaultSpanMs = 60'000;

const QColor OutputColour(255, 170, 0);
const QColor InputColour(0, 170, 255);
const QColor SupplyColour(0, 170, 0);
const QColor SignalColour(0x05, 0xB8, 0xCC);
const QColor AnalogColour(40, 120, 40);
const QColor CounterColour(130, 60, 160);
const QColor GapColour(220, 0, 0);

// Axis steps, in seconds: labels about every 90 pixels.
constexpr qint64 AxisSteps[] = {1,   2,   5,    10,   15,   30,    60,    120,   300,
                                600, 900, 1800, 3600, 7200, 10800, 21600, 43200, 86400};

} // namespace

TrendPlot::TrendPlot(const History &history, QWidget *parent) : QWidget(parent), m_history(history)
{
    setObjectName(QStringLiteral("watchPlot"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    setToolTip(tr("Görgő: nagyítás, húzás: görgetés, dupla kattintás: a teljes figyelés"));
}

void TrendPlot::setModel(int model)
{
    m_model = model;
    update();
}

QList<TrendPlot::Lane> TrendPlot::lanes() const
{
    const qv::form::device::Profile has =
        qv::form::device::profileFor(m_model).value_or(qv::form::device::smallestProfile());
    QList<Lane> list{{Lane::Line, History::Signal, tr("Térerő"), SignalColour, 3}};
    if (has.analogue) {
        list.append({Lane::Line, History::Analog, tr("Analóg (V)"), AnalogColour, 3});
        list.append({Lane::Line, History::Counter, tr("Számláló"), CounterColour, 3});
    }
    for (int i = 0; i < has.outputs; ++i)
        list.append(
            {Lane::Step, History::OutputBit + i, tr("Kimenet %1").arg(i + 1), OutputColour, 1});
    for (int i = 0; i < has.inputs; ++i)
        list.append(
            {Lane::Step, History::InputBit + i, tr("Bemenet %1").arg(i + 1), InputColour, 1});
    list.append({Lane::Step, History::SupplyBit, tr("Tápfeszültség"), SupplyColour, 1});
    return list;
}

QRect TrendPlot::plotArea() const
{
    return rect().adjusted(LeftMargin, TopMargin, -RightMargin, -AxisHeight);
}

qint64 TrendPlot::firstElapsed() const
{
    return m_history.isEmpty() ? 0 : m_history.at(0).elapsedMs;
}

qint64 TrendPlot::lastElapsed() const
{
    return m_history.isEmpty() ? 0 : m_history.at(m_history.size() - 1).elapsedMs;
}

qint64 TrendPlot::viewStart() const
{
    switch (m_follow) {
    case Follow::All:
        return firstElapsed();
    case Follow::End:
        return lastElapsed() - m_span;
    case Follow::None:
        break;
    }
    return m_start;
}

qint64 TrendPlot::viewEnd() const
{
    if (m_follow == Follow::All)
        return qMax(lastElapsed(), firstElapsed() + DefaultSpanMs);
    return viewStart() + m_span;
}

void TrendPlot::historyChanged()
{
    update();
}

void TrendPlot::showAll()
{
    m_follow = Follow::All;
    update();
}

void TrendPlot::setView(qint64 start, qint64 span)
{
    const qint64 whole = qMax(lastElapsed() - firstElapsed(), DefaultSpanMs);
    span = qBound(ShortestSpanMs, span, qMax(whole, ShortestSpanMs));
    start = qBound(firstElapsed() - span / 2, start, lastElapsed() - span / 2);
    m_span = span;
    m_start = start;
    // A view that reaches the newest sample keeps following it.
    m_follow = start + span >= lastElapsed() ? Follow::End : Follow::None;
    if (span >= whole && start <= firstElapsed())
        m_follow = Follow::All;
    update();
}

void TrendPlot::zoom(double factor, qint64 centre)
{
    const qint64 start = viewStart();
    const qint64 span = viewEnd() - start;
    const qint64 newSpan = qint64(double(span) * factor);
    const double at = span > 0 ? double(centre - start) / double(span) : 1.0;
    setView(centre - qint64(at * double(newSpan)), newSpan);
}

void TrendPlot::wheelEvent(QWheelEvent *event)
{
    const QRect area = plotArea();
    const qint64 start = viewStart();
    const qint64 span = viewEnd() - start;
    const double x =
        qBound(0.0, (event->position().x() - area.left()) / qMax(1, area.width()), 1.0);
    zoom(std::pow(0.8, event->angleDelta().y() / 120.0), start + qint64(x * double(span)));
    event->accept();
}

void TrendPlot::mousePressEvent(QMouseEvent *event)
{
    m_dragFrom = event->position().toPoint();
    m_dragStart = viewStart();
}

void TrendPlot::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const qint64 span = viewEnd() - viewStart();
    const int dx = event->position().toPoint().x() - m_dragFrom.x();
    setView(m_dragStart - qint64(double(dx) * double(span) / qMax(1, plotArea().width())), span);
}

void TrendPlot::mouseDoubleClickEvent(QMouseEvent *)
{
    showAll();
}

void TrendPlot::keyPressEvent(QKeyEvent *event)
{
    const qint64 start = viewStart();
    const qint64 span = viewEnd() - start;
    switch (event->key()) {
    case Qt::Key_Plus:
        zoom(0.5, start + span / 2);
        break;
    case Qt::Key_Minus:
        zoom(2.0, start + span / 2);
        break;
    case Qt::Key_Left:
        setView(start - span / 4, span);
        break;
    case Qt::Key_Right:
        setView(start + span / 4, span);
        break;
    case Qt::Key_Home:
        showAll();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TrendPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect area = plotArea();
    if (area.width() < 10 || area.height() < 10)
        return;
    const qint64 t0 = viewStart();
    const qint64 span = qMax<qint64>(1, viewEnd() - t0);

    const QList<Lane> all = lanes();
    int weights = 0;
    for (const Lane &l : all)
        weights += l.weight;
    const int gapPx = 4;
    const double unit = double(area.height() - gapPx * (all.size() - 1)) / qMax(1, weights);
    double y = area.top();
    for (const Lane &l : all) {
        const QRect lane(area.left(), int(y), area.width(), qMax(6, int(unit * l.weight)));
        y += unit * l.weight + gapPx;
        p.setPen(QColor(225, 225, 225));
        p.drawRect(lane.adjusted(0, 0, -1, -1));
        p.setPen(Qt::black);
        p.drawText(QRect(0, lane.top(), LeftMargin - 6, lane.height()),
                   Qt::AlignRight | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(l.title, Qt::ElideRight, LeftMargin - 8));
        p.save();
        p.setClipRect(lane);
        if (l.kind == Lane::Line)
            drawLine(p, lane, l, t0, span);
        else
            drawSteps(p, lane, l, t0, span);
        p.restore();
    }

    // Where an input or output changed, over every lane; one mark per pixel.
    p.save();
    p.setClipRect(area);
    int lastX = -1;
    for (const History::Mark &m : m_history.marks()) {
        if (m.elapsedMs < t0 || m.elapsedMs > t0 + span)
            continue;
        const int x = area.left() + int(double(m.elapsedMs - t0) * area.width() / double(span));
        if (x == lastX)
            continue;
        lastX = x;
        QColor c = m.output ? OutputColour : InputColour;
        c.setAlpha(170);
        p.setPen(QPen(c, 1, Qt::DashLine));
        p.drawLine(x, area.top(), x, area.bottom());
    }
    p.restore();
    drawAxis(p, area, t0, span);
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TrendPlot::drawAxis(QPainter &p, const QRect &area, qint64 t0, qint64 span)
{
    p.setPen(Qt::black);
    p.drawLine(area.left(), area.bottom() + 1, area.right(), area.bottom() + 1);
    qint64 step = AxisSteps[std::size(AxisSteps) - 1] * 1000;
    for (const qint64 s : AxisSteps) {
        if (double(s * 1000) * area.width() / double(span) >= 90) {
            step = s * 1000;
            break;
        }
    }
    // Ticks on whole steps of the local clock; the clock is the first sample's, carried
    // forward by the monotonic time.
    const qint64 zero = m_history.timeAtZero();
    const qint64 offset = qint64(QDateTime::fromMSecsSinceEpoch(zero + t0).offsetFromUtc()) * 1000;
    const qint64 firstWall = zero + t0 + offset;
    qint64 tick = (firstWall / step + (firstWall % step > 0 ? 1 : 0)) * step;
    const QString format = step >= 60'000 ? QStringLiteral("HH:mm") : QStringLiteral("HH:mm:ss");
    for (; tick - offset - zero <= t0 + span; tick += step) {
        const qint64 t = tick - offset - zero;
        const int x = area.left() + int(double(t - t0) * area.width() / double(span));
        if (x < area.left())
            continue;
        p.drawLine(x, area.bottom() + 1, x, area.bottom() + 5);
        const QString label =
            QDateTime::fromMSecsSinceEpoch(tick - offset).toLocalTime().toString(format);
        const QRect box(x - 45, area.bottom() + 5, 90, AxisHeight - 5);
        if (box.center().x() + p.fontMetrics().horizontalAdvance(label) / 2 <= width())
            p.drawText(box, Qt::AlignHCenter, label);
    }
    // Missing samples: red marks under the axis.
    if (m_history.isEmpty())
        return;
    p.setPen(GapColour);
    for (int c = 0; c < area.width(); ++c) {
        const qint64 a = t0 + qint64(double(c) * span / area.width());
        const qint64 b = t0 + qint64(double(c + 1) * span / area.width());
        const qsizetype from = m_history.lowerBound(a), to = m_history.lowerBound(b);
        if (from < to && m_history.span(from, to).anyGap)
            p.drawLine(area.left() + c, area.bottom() - 3, area.left() + c, area.bottom());
    }
}

void TrendPlot::drawLine(QPainter &p, const QRect &lane, const Lane &l, qint64 t0, qint64 span)
{
    if (m_history.isEmpty())
        return;
    const qsizetype from = qMax<qsizetype>(0, m_history.lowerBound(t0) - 1);
    const qsizetype to = qMin(m_history.size(), m_history.lowerBound(t0 + span) + 1);
    // The range of the values shown: the signal's scale is fixed, the others fit.
    float lo = 0, hi = 5;
    if (l.index != History::Signal) {
        const History::Span whole = m_history.span(from, to);
        if (!whole.hasLine(l.index))
            return;
        lo = whole.min[l.index];
        hi = whole.max[l.index];
        if (hi - lo < 1e-3f) {
            lo -= 1;
            hi += 1;
        }
    }
    const double inner = lane.height() - 6;
    auto yOf = [&](float v) {
        const double f = qBound(0.0, double(v - lo) / double(hi - lo), 1.0);
        return lane.bottom() - 3 - f * inner;
    };
    auto xOf = [&](qint64 t) { return lane.left() + double(t - t0) * lane.width() / double(span); };

    p.setPen(QColor(150, 150, 150));
    p.drawText(lane.adjusted(4, 1, -4, -1), Qt::AlignTop | Qt::AlignRight,
               QString::number(double(hi), 'g', 6));
    p.drawText(lane.adjusted(4, 1, -4, -1), Qt::AlignBottom | Qt::AlignRight,
               QString::number(double(lo), 'g', 6));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(l.colour, 2));

    if (to - from <= 2 * qsizetype(lane.width())) {
        // Few samples: each one, joined to the one before unless a gap or a pause lies
        // between.
        bool joined = false;
        QPointF last;
        for (qsizetype i = from; i < to; ++i) {
            const History::Point &pt = m_history.at(i);
            const float v = pt.line[l.index];
            if (!pt.ok || std::isnan(v)) {
                joined = false;
                continue;
            }
            const QPointF here(xOf(pt.elapsedMs), yOf(v));
            if (joined && !pt.resumed)
                p.drawLine(last, here);
            else
                p.drawPoint(here);
            last = here;
            joined = true;
        }
        return;
    }
    // Many samples: the range of each pixel column as a vertical stroke, joined to the
    // column before.
    bool joined = false;
    double lastY = 0;
    for (int c = 0; c < lane.width(); ++c) {
        const qint64 a = t0 + qint64(double(c) * span / lane.width());
        const qint64 b = t0 + qint64(double(c + 1) * span / lane.width());
        const qsizetype i = m_history.lowerBound(a), j = m_history.lowerBound(b);
        const History::Span s = m_history.span(i, j);
        if (!s.hasLine(l.index)) {
            joined = joined && i == j; // an empty column between samples keeps the line
            continue;
        }
        const int x = lane.left() + c;
        const double yTop = yOf(s.max[l.index]), yBottom = yOf(s.min[l.index]);
        if (joined)
            p.drawLine(QPointF(x - 1, lastY), QPointF(x, qBound(yTop, lastY, yBottom)));
        p.drawLine(QPointF(x, yTop), QPointF(x, yBottom));
        const float end = m_history.at(j - 1).line[l.index];
        lastY = std::isnan(end) ? yBottom : yOf(end);
        joined = true;
    }
}

void TrendPlot::drawSteps(QPainter &p, const QRect &lane, const Lane &l, qint64 t0, qint64 span)
{
    if (m_history.isEmpty())
        return;
    const quint16 bit = quint16(1u << l.index);
    QColor off = l.index == History::SupplyBit ? QColor(255, 0, 0) : QColor(180, 180, 180);
    QColor mixed = l.colour;
    mixed.setAlpha(110);
    const int baseline = lane.bottom() - 2;
    const QRect onBand = lane.adjusted(0, 2, 0, -2);
    auto xOf = [&](qint64 t) { return lane.left() + double(t - t0) * lane.width() / double(span); };

    const qsizetype from = qMax<qsizetype>(0, m_history.lowerBound(t0) - 1);
    const qsizetype to = qMin(m_history.size(), m_history.lowerBound(t0 + span) + 1);
    if (to - from <= 2 * qsizetype(lane.width())) {
        // Each decoded sample holds its state until the next sample.
        for (qsizetype i = from; i < to; ++i) {
            const History::Point &pt = m_history.at(i);
            if (!pt.ok)
                continue;
            const qint64 until =
                i + 1 < m_history.size() ? m_history.at(i + 1).elapsedMs : pt.elapsedMs;
            const double x0 = xOf(pt.elapsedMs), x1 = qMax(x0 + 1, xOf(until));
            if (pt.bits & bit)
                p.fillRect(QRectF(x0, onBand.top(), x1 - x0, onBand.height()), l.colour);
            else
                p.fillRect(QRectF(x0, baseline - 1, x1 - x0, 2), off);
        }
        return;
    }
    for (int c = 0; c < lane.width(); ++c) {
        const qint64 a = t0 + qint64(double(c) * span / lane.width());
        const qint64 b = t0 + qint64(double(c + 1) * span / lane.width());
        const History::Span s = m_history.span(m_history.lowerBound(a), m_history.lowerBound(b));
        if (!s.anyOk)
            continue;
        const int x = lane.left() + c;
        const bool on = s.anyOn & bit, wasOff = s.anyOff & bit;
        if (on && wasOff)
            p.fillRect(QRect(x, onBand.top(), 1, onBand.height()), mixed);
        else if (on)
            p.fillRect(QRect(x, onBand.top(), 1, onBand.height()), l.colour);
        else
            p.fillRect(QRect(x, baseline - 1, 1, 2), off);
    }
}

} // namespace qv::watch::gui
