// Program start: one window, the event loop until it is closed; nothing is read or saved.

#include "ui/Quorvel.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm1 Form1;
    Form1.show();
    return app.exec();
}
