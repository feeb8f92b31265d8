// Times the program's start-up (process start until the main window is up
// and idle) against a bare QMainWindow program, alternating runs; prints the
// medians and their ratio.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

double runOnce(const QString &program, const QStringList &args = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TORVAL_EXIT_WHEN_IDLE"), QStringLiteral("1"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    QElapsedTimer t;
    t.start();
    p.start(program, args);
    // Start-up ends when the program reports its window up and idle; what
    // it does on closing is not part of it.
    while (!p.canReadLine() && p.state() != QProcess::NotRunning)
        p.waitForReadyRead(10);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    p.waitForFinished(60000);
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QString torval = QDir(dir).filePath(QStringLiteral("torval"));
    const QString bare = QDir(dir).filePath(QStringLiteral("bare_window"));
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 21;
    runOnce(torval); // warm the caches
    runOnce(bare);
    std::vector<double> a, b, c;
    for (int i = 0; i < runs; ++i) {
        a.push_back(runOnce(torval));
        b.push_back(runOnce(bare));
        c.push_back(runOnce(bare, {QStringLiteral("text")}));
    }
    const double ma = median(a), mb = median(b), mc = median(c);
    QTextStream out(stdout);
    out << "torval start-up median: " << ma << " ms\n"
        << "bare QMainWindow median: " << mb << " ms\n"
        << "ratio: " << ma / mb << " (target <= 1.3)\n"
        << "bare QMainWindow with one line of text, median: " << mc << " ms (ratio " << ma / mc << ")\n";
    return 0;
}
