#pragma once

#include <gtest/gtest.h>

#include "Driver.h"

// A test that starts the program and waits for its converter dialog.
class ConverterFixture : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.Started()) << "cannot start " << driver::g_programPath;
        dialog = program.WaitForDialog();
        ASSERT_NE(dialog, nullptr) << "the converter dialog did not become visible";
    }
    HWND Item(int id) const { return ::GetDlgItem(dialog, id); }

    driver::Program program;
    HWND dialog = nullptr;
};
