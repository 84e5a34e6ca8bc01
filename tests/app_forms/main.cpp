// The application's windows are driven through their messages on the one GUI
// thread; no error report may open a message box.
#include "framework/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    taramel::Application->Initialize();
    taramel::Application->SetTitle("Тарамел");
    return RUN_ALL_TESTS();
}
