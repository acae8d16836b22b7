// The watch's trend plot (watchPlot): the signal level, the analogue input and the counter
// as lines, the outputs, the inputs and the supply as step tracks, over a time axis, with
// the moments an input or output changed marked and the missing samples as gaps. It paints
// from a History (qvwatch), a pixel column at a time from the History's blocks, so that a
// repaint costs the same for a minute and for eight hours. The wheel zooms about the
// pointer, dragging pans, a double click shows the whole session again.
#pragma once

#include <QWidget>

namespace qv::watch {
class History;
}

namespace qv::watch::gui {

class TrendPlot : public QWidget
{
    Q_OBJECT

public:
    explicit TrendPlot(const qv::watch::History &history, QWidget *parent = nullptr);

    // The tracks the model has: a model's missing inputs, outputs and analogue input are
    // not drawn.
    void setModel(int model);
    // The history grew or was replaced: repaint, following the newest sample unless the
    // user looks at an earlier stretch.
    void historyChanged();
    // The whole session, following new samples.
    void showAll();
    // The time shown: [first, last] in elapsed milliseconds.
    qint64 viewStart() const;
    qint64 viewEnd() const;
    // Zooms by `factor` (below 1 zooms in) about the elapsed time `centre`.
    void zoom(double factor, qint64 centre);

    QSize sizeHint() const override { return {720, 420}; }
    QSize minimumSizeHint() const override { return {320, 240}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Lane
    {
        enum Kind { Line, Step } kind;
        int index; // History::Line, or the step bit
        QString title;
        QColor colour;
        int weight;
    };
    QList<Lane> lanes() const;
    QRect plotArea() const;
    qint64 firstElapsed() const;
    qint64 lastElapsed() const;
    void setView(qint64 start, qint64 span);
    void drawAxis(QPainter &p, const QRect &area, qint64 t0, qint64 span);
    void drawLine(QPainter &p, const QRect &lane, const Lane &l, qint64 t0, qint64 span);
    void drawSteps(QPainter &p, const QRect &lane, const Lane &l, qint64 t0, qint64 span);

    const qv::watch::History &m_history;
    int m_model = 0;
    enum class Follow { All, End, None };
    Follow m_follow = Follow::All;
    qint64 m_start = 0;
    qint64 m_span = 60'000;
    QPoint m_dragFrom;
    qint64 m_dragStart = 0;
};

} // namespace qv::watch::gui
