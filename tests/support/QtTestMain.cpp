#include <gtest/gtest.h>

#include <QApplication>

#include "support/TestEnv.h"

// The environment (offscreen platform included) must be set before the
// application object, or test discovery fails at build time.
int main(int argc, char** argv) {
    kdtest::InitEnvironment();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
