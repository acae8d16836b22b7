#include "app/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qvconfig"));
    QApplication::setApplicationVersion(QStringLiteral(QVCONFIG_VERSION));

    // Without arguments the program starts as always: port "COM1" at 1200 bit/s.
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quorvel és Brastok GSM modulok konfigurálása."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Kiírja ezt a súgót."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Kiírja a program verzióját."));
    const QCommandLineOption port(
        QStringLiteral("port"),
        QStringLiteral("Ezzel a porttal indul a \"COM1\" helyett (1200 bit/s), például "
                       "ttyUSB0, COM3 vagy /dev/pts/3."),
        QStringLiteral("név"));
    parser.addOptions({help, version, port});
    parser.process(app);
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty() ||
        (parser.isSet(port) && parser.value(port).isEmpty())) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(parser.positionalArguments().isEmpty()
                                    ? QStringLiteral("A --port után meg kell adni a port nevét.")
                                    : QStringLiteral("Ismeretlen argumentum: %1")
                                          .arg(parser.positionalArguments().constFirst())));
        return 1;
    }

    // Every window is laid out for a small dialog font (8 points, Arial metrics).
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSize(8);
    QApplication::setFont(font);

    MainWindow window;
    if (parser.isSet(port))
        window.useLink(parser.value(port), 1200);
    window.show();
    return app.exec();
}
