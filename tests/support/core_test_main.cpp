// The entry point of the suites without widgets whose sockets, servers and requests need an
// application's event loop (the command line's, the server rules').
#include <gmock/gmock.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
