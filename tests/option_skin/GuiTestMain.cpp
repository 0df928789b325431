// The widget tests run inside one QApplication; listing them (as the build does
// to register them) needs no display.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> application;
    if (!GTEST_FLAG_GET(list_tests)) application = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
