// Draws the program's icons and device pictures. The outputs are kept in
// resources/; run this again only to change the artwork:
//   drawart <resources folder>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace {

using Draw = std::function<void(QPainter &, QSizeF)>;

bool render(const QString &path, QSize size, const Draw &draw)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p, QSizeF(size));
    p.end();
    return image.save(path, "PNG");
}

void arrow(QPainter &p, QRectF r, bool up, QColor colour)
{
    const qreal cx = r.center().x();
    QPainterPath path;
    if (up) {
        path.moveTo(cx, r.top());
        path.lineTo(r.right(), r.top() + r.height() * 0.5);
        path.lineTo(cx + r.width() * 0.2, r.top() + r.height() * 0.5);
        path.lineTo(cx + r.width() * 0.2, r.bottom());
        path.lineTo(cx - r.width() * 0.2, r.bottom());
        path.lineTo(cx - r.width() * 0.2, r.top() + r.height() * 0.5);
        path.lineTo(r.left(), r.top() + r.height() * 0.5);
    } else {
        path.moveTo(cx, r.bottom());
        path.lineTo(r.right(), r.top() + r.height() * 0.5);
        path.lineTo(cx + r.width() * 0.2, r.top() + r.height() * 0.5);
        path.lineTo(cx + r.width() * 0.2, r.top());
        path.lineTo(cx - r.width() * 0.2, r.top());
        path.lineTo(cx - r.width() * 0.2, r.top() + r.height() * 0.5);
        path.lineTo(r.left(), r.top() + r.height() * 0.5);
    }
    path.closeSubpath();
    p.setPen(QPen(colour.darker(150), 1.2));
    p.setBrush(colour);
    p.drawPath(path);
}

void chip(QPainter &p, QRectF r)
{
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(50, 60, 70));
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QPen(QColor(200, 170, 60), 1.5));
    const int pins = 4;
    for (int i = 0; i < pins; ++i) {
        const qreal y = r.top() + (i + 0.5) * r.height() / pins;
        p.drawLine(QPointF(r.left() - 3, y), QPointF(r.left(), y));
        p.drawLine(QPointF(r.right(), y), QPointF(r.right() + 3, y));
    }
}

void infoCircle(QPainter &p, QRectF r)
{
    QRadialGradient g(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.4);
    g.setColorAt(0, QColor(120, 180, 255));
    g.setColorAt(1, QColor(20, 80, 190));
    p.setPen(QPen(QColor(10, 50, 130), 1));
    p.setBrush(g);
    p.drawEllipse(r);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.75));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("i"));
}

void page(QPainter &p, QRectF r)
{
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setPen(QPen(QColor(150, 150, 170), 1));
    for (qreal y = r.top() + fold + 3; y < r.bottom() - 2; y += 3.5)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void logo(QPainter &p, QSizeF s, bool wide)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 150));
    const qreal h = s.height();
    p.drawEllipse(QRectF(2, 2, h - 4, h - 4));
    p.setPen(QPen(Qt::white, h / 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(h * 0.25, h * 0.25, h * 0.45, h * 0.45));
    p.drawLine(QPointF(h * 0.6, h * 0.6), QPointF(h * 0.78, h * 0.78));
    if (wide) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(int(h * 0.5));
        p.setFont(f);
        p.setPen(QColor(0, 0, 150));
        p.drawText(QRectF(h + 4, 0, s.width() - h - 4, h), Qt::AlignVCenter,
                   QStringLiteral("qvconfig"));
    }
}

// A front view of a DIN-rail GSM module: terminals at the top and bottom,
// LEDs, the antenna socket and the model name on the label.
void module(QPainter &p, QSizeF s, const QString &model, int inputs, int outputs, bool analog,
            QColor accent)
{
    const QRectF body(28, 22, s.width() - 56, s.height() - 44);
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, QColor(225, 225, 220));
    g.setColorAt(0.5, QColor(248, 248, 244));
    g.setColorAt(1, QColor(210, 210, 205));
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(body, 8, 8);

    // Antenna socket (SMA) on the top edge.
    p.setBrush(QColor(205, 170, 60));
    p.drawRect(QRectF(body.right() - 40, body.top() - 16, 18, 18));
    p.setBrush(QColor(120, 100, 40));
    p.drawEllipse(QPointF(body.right() - 31, body.top() - 7), 4, 4);

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(8);
    auto terminals = [&](qreal y, const QStringList &names) {
        const qreal w = body.width() - 20;
        const qreal step = w / names.size();
        for (int i = 0; i < names.size(); ++i) {
            const QRectF cell(body.left() + 10 + i * step + 1, y, step - 2, 22);
            p.setPen(QPen(QColor(40, 90, 40), 1));
            p.setBrush(QColor(60, 150, 70));
            p.drawRect(cell);
            p.setBrush(QColor(180, 180, 180));
            p.setPen(QPen(QColor(70, 70, 70), 1));
            const QPointF c = cell.center() + QPointF(0, -2);
            p.drawEllipse(c, 5, 5);
            p.drawLine(c + QPointF(-3.5, 0), c + QPointF(3.5, 0));
            p.setFont(small);
            p.setPen(QColor(40, 40, 40));
            p.drawText(QRectF(cell.left() - 4, y + (y < body.center().y() ? 23 : -11),
                              cell.width() + 8, 10),
                       Qt::AlignCenter, names.at(i));
        }
    };
    QStringList top{QStringLiteral("+12V"), QStringLiteral("GND")};
    for (int i = 1; i <= inputs; ++i)
        top << QStringLiteral("BE%1").arg(i);
    if (analog)
        top << QStringLiteral("AN") << QStringLiteral("CNT");
    QStringList bottom;
    for (int i = 1; i <= outputs; ++i)
        bottom << QStringLiteral("K%1a").arg(i) << QStringLiteral("K%1b").arg(i);
    if (bottom.isEmpty())
        bottom << QStringLiteral("—");
    terminals(body.top() + 8, top);
    terminals(body.bottom() - 30, bottom);

    // Label with the model name.
    const QRectF label(body.left() + 14, body.top() + 56, body.width() - 28, 58);
    p.setPen(QPen(accent.darker(140), 1));
    p.setBrush(accent);
    p.drawRoundedRect(label, 4, 4);
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setBold(true);
    big.setPixelSize(20);
    p.setFont(big);
    p.setPen(Qt::white);
    p.drawText(label.adjusted(0, 4, 0, -22), Qt::AlignCenter, model);
    small.setPixelSize(10);
    p.setFont(small);
    p.drawText(label.adjusted(0, 32, 0, -4), Qt::AlignCenter, QStringLiteral("GSM távvezérlő"));

    // LEDs: power, GSM, then one per output.
    struct Led
    {
        QString name;
        QColor colour;
    };
    QList<Led> leds{{QStringLiteral("PWR"), QColor(0, 200, 0)},
                    {QStringLiteral("GSM"), QColor(255, 170, 0)}};
    for (int i = 1; i <= outputs; ++i)
        leds << Led{QStringLiteral("K%1").arg(i), QColor(230, 30, 30)};
    const qreal ledStep = (body.width() - 28) / leds.size();
    small.setPixelSize(8);
    p.setFont(small);
    for (int i = 0; i < leds.size(); ++i) {
        const QPointF c(body.left() + 14 + (i + 0.5) * ledStep, label.bottom() + 18);
        QRadialGradient lg(c - QPointF(1.5, 1.5), 6);
        lg.setColorAt(0, leds[i].colour.lighter(170));
        lg.setColorAt(1, leds[i].colour);
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(lg);
        p.drawEllipse(c, 5, 5);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QRectF(c.x() - 15, c.y() + 6, 30, 10), Qt::AlignCenter, leds[i].name);
    }
    // Serial connector for the configuration cable.
    const QRectF db9(body.center().x() - 24, label.bottom() + 40, 48, 16);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(db9, 5, 5);
    p.setBrush(QColor(40, 40, 40));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(db9.left() + 8 + i * 8, db9.top() + 5), 1.4, 1.4);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(db9.left() + 12 + i * 8, db9.top() + 11), 1.4, 1.4);
}

void noDevice(QPainter &p, QSizeF s, const QString &text)
{
    const QRectF body(28, 22, s.width() - 56, s.height() - 44);
    p.setPen(QPen(QColor(160, 160, 160), 2, Qt::DashLine));
    p.setBrush(QColor(240, 240, 240));
    p.drawRoundedRect(body, 8, 8);
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setBold(true);
    big.setPixelSize(64);
    p.setFont(big);
    p.setPen(QColor(175, 175, 175));
    p.drawText(body.adjusted(0, -30, 0, -30), Qt::AlignCenter, QStringLiteral("?"));
    big.setPixelSize(14);
    p.setFont(big);
    p.drawText(body.adjusted(0, 70, 0, 0), Qt::AlignCenter, text);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: drawart <resources folder>");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.filePath(QStringLiteral("img")));
    QDir().mkpath(out.filePath(QStringLiteral("data")));
    const QSize icon(32, 32);
    const QString img = out.filePath(QStringLiteral("img/"));
    bool ok = true;
    ok &= render(img + QStringLiteral("open.png"), icon, [](QPainter &p, QSizeF) {
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(235, 190, 70));
        p.drawRoundedRect(QRectF(2, 7, 26, 20), 2, 2);
        p.drawRect(QRectF(2, 5, 11, 4));
        QPainterPath front;
        front.moveTo(6, 13);
        front.lineTo(31, 13);
        front.lineTo(27, 27);
        front.lineTo(2, 27);
        front.closeSubpath();
        p.setBrush(QColor(250, 215, 110));
        p.drawPath(front);
    });
    ok &= render(img + QStringLiteral("save.png"), icon, [](QPainter &p, QSizeF) {
        p.setPen(QPen(QColor(20, 40, 90), 1));
        p.setBrush(QColor(40, 80, 170));
        p.drawRoundedRect(QRectF(3, 3, 26, 26), 2, 2);
        p.setBrush(QColor(210, 210, 215));
        p.drawRect(QRectF(9, 3, 14, 9));
        p.setBrush(QColor(40, 80, 170));
        p.drawRect(QRectF(18, 4, 3, 7));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 16, 18, 11));
    });
    ok &= render(img + QStringLiteral("exit_icon.png"), icon, [](QPainter &p, QSizeF) {
        p.setPen(QPen(QColor(90, 60, 30), 1));
        p.setBrush(QColor(150, 100, 50));
        p.drawRect(QRectF(4, 3, 16, 26));
        p.setBrush(QColor(230, 200, 80));
        p.drawEllipse(QPointF(17, 16), 1.5, 1.5);
        arrow(p, QRectF(14, 10, 16, 12), false, QColor(220, 40, 40));
    });
    ok &= render(img + QStringLiteral("info_icon.png"), icon,
                 [](QPainter &p, QSizeF) { infoCircle(p, QRectF(2, 2, 28, 28)); });
    ok &= render(img + QStringLiteral("InfoIcon.png"), QSize(48, 48), [](QPainter &p, QSizeF) {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(2, 2, 44, 34), 8, 8);
        bubble.moveTo(12, 35);
        bubble.lineTo(10, 46);
        bubble.lineTo(22, 35);
        p.setPen(QPen(QColor(10, 50, 130), 1.5));
        p.setBrush(QColor(220, 235, 255));
        p.drawPath(bubble.simplified());
        infoCircle(p, QRectF(12, 5, 24, 24));
    });
    ok &= render(img + QStringLiteral("up.png"), icon, [](QPainter &p, QSizeF) {
        arrow(p, QRectF(4, 2, 24, 28), true, QColor(255, 140, 0));
    });
    ok &= render(img + QStringLiteral("down.png"), icon, [](QPainter &p, QSizeF) {
        arrow(p, QRectF(4, 2, 24, 28), false, QColor(200, 20, 20));
    });
    ok &= render(img + QStringLiteral("icon_download.png"), QSize(64, 64), [](QPainter &p, QSizeF) {
        chip(p, QRectF(10, 34, 44, 26));
        arrow(p, QRectF(18, 2, 28, 30), false, QColor(200, 20, 20));
    });
    ok &= render(img + QStringLiteral("icon_upload.png"), QSize(64, 64), [](QPainter &p, QSizeF) {
        chip(p, QRectF(10, 34, 44, 26));
        arrow(p, QRectF(18, 2, 28, 30), true, QColor(255, 140, 0));
    });
    ok &= render(img + QStringLiteral("Button-Reload-icon.png"), icon, [](QPainter &p, QSizeF) {
        p.setPen(QPen(QColor(30, 140, 60), 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(5, 5, 22, 22), 60 * 16, 290 * 16);
        QPainterPath head;
        head.moveTo(19, 1);
        head.lineTo(27, 8);
        head.lineTo(17, 11);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 140, 60));
        p.drawPath(head);
    });
    ok &= render(img + QStringLiteral("page_icon.png"), icon,
                 [](QPainter &p, QSizeF) { page(p, QRectF(6, 2, 20, 28)); });
    ok &= render(img + QStringLiteral("logo.png"), QSize(64, 64),
                 [](QPainter &p, QSizeF s) { logo(p, s, false); });
    ok &= render(img + QStringLiteral("logo_small.png"), QSize(24, 24),
                 [](QPainter &p, QSizeF s) { logo(p, s, false); });
    ok &= render(img + QStringLiteral("logo_wide.png"), QSize(200, 48),
                 [](QPainter &p, QSizeF s) { logo(p, s, true); });

    const QSize picture(251, 256);
    const QString data = out.filePath(QStringLiteral("data/"));
    ok &= render(data + QStringLiteral("i_default.dll"), picture, [](QPainter &p, QSizeF s) {
        noDevice(p, s, QStringLiteral("Nincs csatlakoztatott\neszköz"));
    });
    // The English program shows this one (qv::settings::locateLocalisedDataFile).
    ok &= render(data + QStringLiteral("i_default_en.dll"), picture, [](QPainter &p, QSizeF s) {
        noDevice(p, s, QStringLiteral("No device\nconnected"));
    });
    ok &= render(data + QStringLiteral("i_qv-5.dll"), picture, [](QPainter &p, QSizeF s) {
        module(p, s, QStringLiteral("Quorvel QV-5"), 4, 4, true, QColor(0, 60, 160));
    });
    ok &= render(data + QStringLiteral("i_qv-3.dll"), picture, [](QPainter &p, QSizeF s) {
        module(p, s, QStringLiteral("Quorvel QV-3"), 2, 2, true, QColor(0, 120, 150));
    });
    ok &= render(data + QStringLiteral("i_bk-2.dll"), picture, [](QPainter &p, QSizeF s) {
        module(p, s, QStringLiteral("Brastok BK-2"), 2, 1, false, QColor(170, 40, 30));
    });
    return ok ? 0 : 1;
}
