#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qvconfig"));
    QApplication::setApplicationVersion(QStringLiteral(QVCONFIG_VERSION));
    // Every window is laid out for a small dialog font (8 points, Arial metrics).
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    QApplication::setFont(font);

    MainWindow window;
    window.show();
    return app.exec();
}
