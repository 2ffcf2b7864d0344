// Test main for headless tests: a QCoreApplication for event loops and processes.

#include "support/HermeticEnvironment.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    tavrel::test::makeEnvironmentHermetic();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
