// Renders the start window offscreen into a PNG, for the documentation.
// Usage: quorvel_bildschirmfoto [file.png]   (default docs/fenster.png)

#include "ui/Quorvel.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString Ziel = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/fenster.png");
    QDir().mkpath(QFileInfo(Ziel).absolutePath());

    TForm1 Form1;
    Form1.show();
    QApplication::processEvents();
    if (!Form1.grab().save(Ziel)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(Ziel));
        return 1;
    }
    return 0;
}
