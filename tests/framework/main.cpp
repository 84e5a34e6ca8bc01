// The framework's tests drive real windows, so they run on the one GUI thread
// with the application object; no report may open a message box.
#include "framework/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    taramel::Application->Initialize();
    return RUN_ALL_TESTS();
}
