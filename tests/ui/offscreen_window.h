#pragma once

#include "ui/Unit1.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The real window, shown on the offscreen platform, with its message boxes written down instead of
// shown. The window tests' fixtures start from it.
class OffscreenWindow : public testing::Test {
protected:
    void SetUp() override
    {
        Form1 = &form;
        form.MessageBox = [this](const QString& text) { messages.push_back(text.toStdString()); };
        form.show();
    }

    TForm1 form;
    std::vector<std::string> messages;
};
