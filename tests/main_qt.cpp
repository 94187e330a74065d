#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run on the real window; they need one application object for the process.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
