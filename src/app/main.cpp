// TORVAL Ernährungsberater: program entry.
#include "ZudorMainFrm.h"
#include "animatFrm.h"
#include "gui/dialogs.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TORVAL Ernährungsberater"));
    QApplication::setApplicationDisplayName(QStringLiteral("TORVAL Ernährungsberater"));

    // Standard dialogs and buttons in German.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

    torval::gui::WidgetDialogs boxes;
    torval::gui::setDialogs(&boxes);

    torval::app::TAnimatForm splash;
    splash.start();
    torval::app::LaunchOptions options;
    options.programDir = QApplication::applicationDirPath();
    torval::app::TZudorMainForm mainForm(options, &splash);
    boxes.setParent(&mainForm);
    splash.stop();
    mainForm.show();
    // For start-up measurements: say so and leave as soon as the window is
    // up and idle.
    if (qEnvironmentVariableIsSet("TORVAL_EXIT_WHEN_IDLE"))
        QTimer::singleShot(0, &mainForm, [] {
            std::fputs("idle\n", stdout);
            std::fflush(stdout);
            QApplication::exit(0);
        });
    const int rc = QApplication::exec();
    mainForm.shutDown();
    return rc;
}
