#include <gtest/gtest.h>

#include "app/application.h"
#include "program_fixture.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    lernwerk::Application application(argc, argv, lernwerk::testing::testErrorReporter());
    return RUN_ALL_TESTS();
}
