// The network tests' main: the clients and the proxy need Qt's event loop,
// which a QCoreApplication provides; GoogleTest runs inside it.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
