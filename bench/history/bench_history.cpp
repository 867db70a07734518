// SPDX-License-Identifier: GPL-3.0-or-later
// Times the history window on large logs: opening it, one search hit, the HTML and text exports;
// then the statistics window opening on the same logs. With "paragraph", only the history window
// on logs whose text is one paragraph without a line break or a blank (of 300 KB and 10 MB, or of
// the sizes given in KB), opened and then laid out whole.
// Usage: bench_history [runs] [paragraph [KB...]], 5 runs by default; prints the median of each
// figure.

#include "history/frmhistorique.h"
#include "settings/settingsstore.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/desktopopener.h"
#include "shared/documentprinter.h"
#include "shared/files.h"
#include "shared/randomsource.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfwriter.h"
#include "shared/userdialogs.h"
#include "statistics/frmstatistiques.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <optional>
#include <vector>

namespace {

// Answers the export's save dialog with the next file name; any message means the run failed.
class BenchDialogs final : public UserDialogs {
public:
    void message(QWidget *, const QString &text, Icon, const QString &title) override
    {
        qFatal("unexpected message \"%s\": %s", qPrintable(title), qPrintable(text));
    }
    bool askYesNo(QWidget *, const QString &text, Icon, const QString &, bool) override
    {
        qFatal("unexpected question: %s", qPrintable(text));
    }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return exportPath;
    }
    std::optional<QColor> chooseColour(QWidget *, const QColor &) override { return {}; }
    QString askText(QWidget *, const QString &, const QString &) override { return {}; }

    QString exportPath;
};

class NoPrinter final : public DocumentPrinter {
public:
    bool print(QWidget *, const QTextDocument &) override { return false; }
};

QByteArray buildLog(int records)
{
    const QLocale french(QLocale::French, QLocale::France);
    const QStringList games = {QStringLiteral("LES VOYAGEUSES (1)"), QStringLiteral("MONTE-CARLO"),
                               QStringLiteral("L'ANNONCE"), QStringLiteral("POUSSE-POUSSE")};
    const QStringList players = {QStringLiteral("Alice"), QStringLiteral("Benoît"),
                                 QStringLiteral("Célestine"), QStringLiteral("Dominique")};
    const QDateTime start(QDate(2020, 1, 1), QTime(8, 0));
    RichText log;
    for (int i = 0; i < records; ++i) {
        const GameRecord game{start.addSecs(qint64(i) * 1800),
                              games[i % games.size()],
                              players[i % players.size()],
                              QStringLiteral("00:04:%1").arg(i % 60, 2, 10, QLatin1Char('0')),
                              {QStringLiteral("Cartes restantes: %1").arg(i % 33)},
                              i % 3 == 0 ? QStringLiteral("VRAI") : QStringLiteral("FAUX")};
        for (const RichTextRun &run : RecordText(game, french))
            appendText(log, run.text, run.bold);
    }
    return writeRtf(log);
}

double threadMilliseconds()
{
    timespec reading{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &reading);
    return double(reading.tv_sec) * 1e3 + double(reading.tv_nsec) / 1e6;
}

// Wall-clock milliseconds of the action; its CPU time on this thread is added to cpu, since on a
// busy machine the wall clock also counts the time other processes hold the cores.
double milliseconds(const std::function<void()> &action, double *cpu = nullptr)
{
    const double cpuStart = threadMilliseconds();
    QElapsedTimer timer;
    timer.start();
    action();
    const double wall = double(timer.nsecsElapsed()) / 1e6;
    if (cpu != nullptr)
        *cpu += threadMilliseconds() - cpuStart;
    return wall;
}

void writeLog(const QString &path, const QByteArray &log)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(log) != log.size() || !file.flush())
        qFatal("cannot write the log");
}

// The history window built on the log ("load"), then shown: "open" is both, "open CPU" their
// CPU time.
void openWindow(std::optional<frmHistorique> &window, AppContext &context,
                std::vector<double> &load, std::vector<double> &open, std::vector<double> &openCpu)
{
    double cpu = 0;
    load.push_back(milliseconds([&] { window.emplace(context); }, &cpu));
    open.push_back(load.back() + milliseconds(
                                     [&] {
                                         window->show();
                                         QApplication::processEvents();
                                     },
                                     &cpu));
    openCpu.push_back(cpu);
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;
    const bool paragraph = argc > 2 && qstrcmp(argv[2], "paragraph") == 0;

    QTemporaryDir dir;
    AppState state;
    state.appFolder = dir.path() + QLatin1Char('/');
    state.logFolder = state.appFolder;
    SettingsStore settings(dir.filePath(QStringLiteral("bench.ini")));
    SeededRandom random(1);
    BenchDialogs dialogs;
    QtDesktopOpener opener;
    NoPrinter printer;
    AppContext context{state, settings, random, dialogs, opener, printer};

    if (paragraph) {
        std::printf("%10s %11s %11s %13s %12s\n", "log (MB)", "load (ms)", "open (ms)",
                    "open CPU (ms)", "layout (ms)");
        QList<qsizetype> sizes{300'000, 10'000'000};
        if (argc > 3)
            sizes.clear();
        for (int i = 3; i < argc; ++i)
            sizes.append(qsizetype(QString::fromLocal8Bit(argv[i]).toLongLong()) * 1000);
        for (const qsizetype size : std::as_const(sizes)) {
            const QByteArray log =
                writeRtf({{QStringLiteral("abcdefghij").repeated(size / 10), false}});
            writeLog(LogPath(state), log);
            std::vector<double> load, open, openCpu, layout;
            for (int run = 0; run < runs; ++run) {
                std::optional<frmHistorique> window;
                openWindow(window, context, load, open, openCpu);
                layout.push_back(milliseconds(
                    [&] { window->RTF->document()->documentLayout()->documentSize(); }));
            }
            std::printf("%10.1f %11.1f %11.1f %13.1f %12.1f\n", double(log.size()) / 1e6,
                        median(load), median(open), median(openCpu), median(layout));
        }
        return 0;
    }

    // "open" is the whole opening: "load" (construct and read the log) then the first showing.
    // The view lays the text out lazily, so the first search hit far from the top also lays out
    // everything before it ("cold"); "layout" finishes the rest, as the idle view does by itself,
    // and "search" is a hit once all is laid out. "open CPU" is the opening's CPU time. "stats"
    // opens the statistics window on the same log, to its table shown, with its CPU time.
    std::printf("%8s %9s %11s %11s %12s %11s %11s %11s %11s %11s %11s %12s\n", "records",
                "log (MB)", "load (ms)", "open (ms)", "open CPU (ms)", "cold (ms)", "layout (ms)",
                "search (ms)", "html (ms)", "text (ms)", "stats (ms)", "stats CPU (ms)");
    for (const int records : {10'000, 100'000}) {
        const QByteArray log = buildLog(records);
        writeLog(LogPath(state), log);

        std::vector<double> load, open, openCpu, cold, layout, search, html, text, stats, statsCpu;
        for (int run = 0; run < runs; ++run) {
            std::optional<frmHistorique> window;
            openWindow(window, context, load, open, openCpu);

            QTextDocument *document = window->RTF->document();
            const int middle = document->characterCount() / 2;
            const auto findFrom = [&](int position) {
                return milliseconds([&] {
                    if (document->find(QStringLiteral("Joueur"), position).isNull())
                        qFatal("the search found nothing");
                });
            };
            cold.push_back(findFrom(middle));
            layout.push_back(milliseconds([&] { document->documentLayout()->documentSize(); }));
            search.push_back(findFrom(middle + 1000));

            dialogs.exportPath = dir.filePath(QStringLiteral("export.htm"));
            html.push_back(milliseconds([&] { window->Boutons_Click(2); }));
            dialogs.exportPath = dir.filePath(QStringLiteral("export.txt"));
            text.push_back(milliseconds([&] { window->Boutons_Click(2); }));
            window.reset();

            double cpuStats = 0;
            stats.push_back(milliseconds(
                [&] {
                    frmStatistiques statistics(context, QStringLiteral("Alice"), {});
                    statistics.show();
                    QApplication::processEvents();
                },
                &cpuStats));
            statsCpu.push_back(cpuStats);
        }
        std::printf("%8d %9.1f %11.1f %11.1f %12.1f %11.1f %11.1f %11.3f %11.1f %11.1f %11.1f "
                    "%12.1f\n",
                    records, double(log.size()) / 1e6, median(load), median(open), median(openCpu),
                    median(cold), median(layout), median(search), median(html), median(text),
                    median(stats), median(statsCpu));
    }
    return 0;
}
