#include <gtest/gtest.h>

#include "app/application.h"
#include "widgets/error_box_transition.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    lernwerk::Application application(argc, argv, lernwerk::transitionalReporter());
    return RUN_ALL_TESTS();
}
