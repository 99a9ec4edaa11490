#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Translators are installed on the application object.
    const QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
