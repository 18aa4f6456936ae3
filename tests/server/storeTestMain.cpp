// Main of the game store's tests: the commit callbacks arrive as queued calls,
// so the tests need a QCoreApplication to process them.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
