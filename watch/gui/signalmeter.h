// The watch's signal meter (watchSignal): the module's signal level 0-5 as a large figure,
// in words and as a bar, in the status panel's colours (normal 2-5, red for weak or
// invalid, grey when the level is missing), with the last minute's trend beside it, large
// enough to read from a couple of metres while the antenna is moved.
#pragma once

#include <QList>
#include <QWidget>

namespace qv::watch::gui {

class SignalMeter : public QWidget
{
    Q_OBJECT

public:
    explicit SignalMeter(QWidget *parent = nullptr);

    // The level now (-1: missing), at `elapsedMs` of the session; the trend keeps the last
    // minute.
    void setLevel(int level, qint64 elapsedMs);
    void clear();
    int level() const { return m_level; }
    // The levels of the last minute, oldest first (missing ones as -1).
    QList<int> trend() const;

    QSize sizeHint() const override { return {300, 190}; }
    QSize minimumSizeHint() const override { return {220, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Point
    {
        qint64 elapsedMs;
        int level;
    };
    int m_level = -1;
    bool m_any = false;
    QList<Point> m_trend;
};

} // namespace qv::watch::gui
