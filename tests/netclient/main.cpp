// The client's tests need Qt's event loop for the sessions, the server
// process and the proxy; GoogleTest runs inside a QCoreApplication.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
