#include "ui/Sprache.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Widget tests run on the real window; they need one application object for the process.
// CTest's discovery runs this binary too, so it must never need a display. Qt's German texts
// are loaded as the program loads them.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window reads and writes the user's settings (its place, the projector colours, the
    // recent files): every test starts from none, in a folder of this run.
    const QTemporaryDir Einstellungen;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Einstellungen.path());
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    Sprache_einstellen(Sprache::Deutsch);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
