// A second program window on the same data folder, as a user who starts the
// program twice has: it saves days, changes the user's settings and closes,
// while the test's own window stays open. Any message box it would show is
// printed, and makes it exit with 1.
//   second_window PROGRAMDIR ROUNDS
#include "analysis/AnalysePage.h"
#include "app/ZudorMainFrm.h"
#include "energy/EnergyPage.h"
#include "gui/MaskEdit.h"
#include "store/analyses.h"
#include "store/tables.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    torval::test::ScriptedDialogs boxes;
    torval::gui::setDialogs(&boxes);
    torval::app::LaunchOptions options;
    options.programDir = QString::fromLocal8Bit(argv[1]);
    options.screenWidth = 1024;
    const int rounds = QString::fromLatin1(argv[2]).toInt();
    int failures = 0;
    {
        torval::app::TZudorMainForm w(options);
        w.setFirstShowPending(false);
        for (int i = 0; i < rounds && w.tables(); ++i) {
            try {
                torval::store::saveAnalysis(*w.tables(),
                                            {QStringLiteral("Zweites Fenster %1").arg(i), QDate(2026, 12, 11),
                                             QStringLiteral("Hauptbenutzer"), QString()},
                                            {QStringLiteral("Apfel, roh;%1").arg(100 + i)}, false);
                w.energyPage()->StundenEdit->setMaskText(QString::number(i % 10).leftJustified(2, u' '));
                w.SaveUserSettings();
            } catch (const torval::Error &e) {
                QTextStream(stderr) << e.message() << '\n';
                ++failures;
            }
        }
        w.shutDown();
    }
    for (const auto &s : boxes.shown)
        QTextStream(stderr) << s.kind << ": " << s.text << '\n';
    return failures == 0 && boxes.shown.isEmpty() ? 0 : 1;
}
