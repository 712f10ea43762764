// One main for every test program: a QApplication (offscreen under ctest) and
// the program's own Firebird settings, as the program itself prepares them.

#include "platform/db/FirebirdEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    db::prepareFirebirdEnvironment(QCoreApplication::applicationDirPath());
    return RUN_ALL_TESTS();
}
