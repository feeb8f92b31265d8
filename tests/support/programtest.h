#pragma once

// The base of the GUI tests: a fresh program directory (the test fixture's
// tables and the shipped report definitions), scripted boxes, and the main
// window started on it.

#include "app/ZudorMainFrm.h"
#include "core/clock.h"
#include "gui/dialogs.h"
#include "support/modal.h"
#include "support/scripteddialogs.h"
#include "support/testdata.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

namespace torval::test {

// Closes every report preview and lets it go.
inline void closePreviews()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == u"ReportPreview")
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class ProgramTest : public ::testing::Test
{
protected:
    TempProgramDir dir;
    ScriptedDialogs boxes;

    void SetUp() override { gui::setDialogs(&boxes); }
    void TearDown() override
    {
        closePreviews();
        gui::setDialogs(nullptr);
        Clock::reset();
    }

    template<typename T>
    static void whenModal(std::function<void(T *)> f)
    {
        test::whenModal<T>(std::move(f));
    }

    // The main window on the test's program directory.
    std::unique_ptr<app::TZudorMainForm> newMainWindow(int screenWidth = 1024)
    {
        app::LaunchOptions o;
        o.programDir = dir.path();
        o.screenWidth = screenWidth;
        return std::make_unique<app::TZudorMainForm>(o);
    }
};

} // namespace torval::test
