// Pictures of the main window's pages, for looking at the layout and for the
// user documentation. Runs the real window on a copy of a data folder, with
// a small day entered, and saves one PNG per page.
//   torval-screenshots DATADIR OUTDIR [WIDTHxHEIGHT]
// QT_SCALE_FACTOR and the platform's font settings apply as usual.
#include "analysis/AnalysePage.h"
#include "analysis/MengenFrm.h"
#include "app/ZudorMainFrm.h"
#include "gui/dialogs.h"
#include "gui/sortedcombobox.h"
#include "store/foodlookup.h"
#include "store/tables.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Boxes are answered "Ja" and otherwise only counted.
class QuietDialogs final : public torval::gui::Dialogs
{
public:
    void showMessage(const QString &text) override { QTextStream(stderr) << text << '\n'; }
    void showError(const QString &text) override { QTextStream(stderr) << errorText(text) << '\n'; }
    Button messageDlg(const QString &, Type, int buttons) override { return (buttons & Yes) ? Yes : Ok; }
    std::optional<QString> inputQuery(const QString &, const QString &, const QString &) override { return {}; }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
};

void copyFolder(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = QDir(to).filePath(QDir(from).relativeFilePath(src));
        QDir().mkpath(QFileInfo(dst).absolutePath());
        QFile::copy(src, dst);
    }
}

// Chooses the first food whose name begins with the word, as a user would
// in the two choosers, and adds it with the grams.
void addFood(torval::store::Tables &tables, torval::analysis::AnalysePage *page, const QString &word,
             const QString &grams)
{
    const torval::store::FoodHits hits = torval::store::searchFoods(tables.Query1, word);
    for (int i = 0; i < hits.names.size(); ++i) {
        if (!hits.names.at(i).startsWith(word))
            continue;
        page->KategorieCombo2->selectSilently(page->KategorieCombo2->indexOfText(hits.categories.at(i)));
        page->KategorieCombo2Change();
        page->ProduktCombo2->selectSilently(page->ProduktCombo2->indexOfText(hits.names.at(i)));
        page->ProduktCombo2Change();
        page->MengenEdit->setText(grams);
        page->AddBtnClick();
        return;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "Aufruf: torval-screenshots DATENVERZEICHNIS AUSGABEVERZEICHNIS [BREITExHÖHE]\n";
        return 2;
    }
    QSize size(792, 599);
    if (args.size() > 3) {
        const QStringList wh = args.at(3).split(u'x');
        size = QSize(wh.value(0).toInt(), wh.value(1).toInt());
    }
    QuietDialogs boxes;
    torval::gui::setDialogs(&boxes);
    QTemporaryDir program;
    copyFolder(QFileInfo(args.at(1)).absoluteFilePath(), QDir(program.path()).filePath(QStringLiteral("Data")));
    QDir().mkpath(args.at(2));

    torval::app::LaunchOptions options;
    options.programDir = program.path();
    options.screenWidth = 1920;
    torval::app::TZudorMainForm w(options);
    w.setFirstShowPending(false);
    w.resize(size);
    w.show();
    if (torval::analysis::AnalysePage *day = w.analysePage()) {
        addFood(*w.tables(), day, QStringLiteral("Vollkornbrot"), QStringLiteral("120"));
        addFood(*w.tables(), day, QStringLiteral("Emmentaler"), QStringLiteral("40"));
        addFood(*w.tables(), day, QStringLiteral("Apfel, roh"), QStringLiteral("150"));
        addFood(*w.tables(), day, QStringLiteral("Teigwaren"), QStringLiteral("2250"));
    }
    for (int i = 0; i < w.pageControl()->count(); ++i) {
        w.pageControl()->setCurrentIndex(i);
        QApplication::processEvents();
        const QString name = QStringLiteral("%1-%2.png").arg(i + 1).arg(w.page(i)->objectName());
        w.grab().save(QDir(args.at(2)).filePath(name));
    }
    // The dialogs that are shown without the tables' help.
    const auto shoot = [&](QDialog &d) {
        d.show();
        QApplication::processEvents();
        d.grab().save(QDir(args.at(2)).filePath(QStringLiteral("dialog-") + d.objectName() + QStringLiteral(".png")));
        d.close();
    };
    {
        torval::analysis::TMengenForm d(&w);
        shoot(d);
    }
    w.shutDown();
    return 0;
}
