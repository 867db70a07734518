// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the game skeleton: appending a record to a long log, painting a full table, one
// drag step, the work done while a game sits idle with the clock running, and repeated resizes.
// With the argument "lines", the line games instead: a full line painted, a drag step over it
// and the memory with Mariage open; "roialbert" and "horloge", those games' tables painted;
// "storm", the memory across a resize storm of the main window with a game open.
// Run offscreen: QT_QPA_PLATFORM=offscreen build/bench/bench_games
// [idle seconds | lines | roialbert | horloge | storm]

#include "app/frmjeu.h"
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/horloge/horlogerules.h"
#include "games/line/linerules.h"
#include "games/roialbert/roialbertdeck.h"
#include "games/voyageuses1/voyageuses1rules.h"
#include "shared/files.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfwriter.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "testapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/resource.h>
#include <utility>

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Milliseconds of each of runs calls.
QList<double> time(int runs, const std::function<void()> &work)
{
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        ms.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return ms;
}

// Milliseconds of CPU time this thread spends on each of runs calls: on a busy machine the wall
// clock also counts the time other processes hold the cores.
QList<double> threadTime(int runs, const std::function<void()> &work)
{
    const auto now = [] {
        timespec reading{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &reading);
        return double(reading.tv_sec) * 1e3 + double(reading.tv_nsec) / 1e6;
    };
    QList<double> ms;
    for (int i = 0; i < runs; ++i) {
        const double start = now();
        work();
        ms.append(now() - start);
    }
    return ms;
}

// Medians of the wall and CPU milliseconds of rendering a game's whole table, once its card
// pictures are cached.
std::pair<double, double> paintTimes(GameForm *form)
{
    QImage target(form->Tapis->size(), QImage::Format_ARGB32_Premultiplied);
    const auto render = [&] {
        QPainter painter(&target);
        form->Tapis->render(&painter);
    };
    const auto wall = time(25, render);
    const auto cpu = threadTime(25, render);
    return {median(wall.mid(5)), median(cpu.mid(5))};
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

GameForm *openGame(TestApp &app, FakeMainLink &main, const char *name)
{
    const QString menuName = QString::fromUtf8(name);
    return new GameForm(*GameCatalog::byMenuName(menuName), app.context, main);
}

void appendToLongLog()
{
    TestApp app;
    const QString log = LogPath(app.state);
    GameRecord record{QDateTime::currentDateTime(),
                      QStringLiteral("MONTE-CARLO"),
                      QStringLiteral("MARIE"),
                      QStringLiteral("00:04:12"),
                      {QStringLiteral("Nbre de cartes restantes: 7")},
                      QStringLiteral("FAUX")};
    RichText text;
    for (int i = 0; i < 10000; ++i) {
        for (const RichTextRun &run : RecordText(record, RecordLocale()))
            appendText(text, run.text, run.bold);
    }
    QFile file(log);
    file.open(QIODevice::WriteOnly);
    file.write(writeRtf(text));
    file.close();
    const auto ms = time(9, [&] { RecordGame(log, record, RecordLocale()); });
    std::printf("append one record to a 10,000-record log (%lld KiB): median %.1f ms\n",
                QFile(log).size() / 1024, median(ms));
}

void paintAndDrag()
{
    TestApp app;
    FakeMainLink main;
    GameForm *montecarlo = openGame(app, main, "Monte-Carlo");
    montecarlo->resize(1920, 1080);
    montecarlo->show();
    montecarlo->Boutons_Click(0);
    QImage target(montecarlo->Tapis->size(), QImage::Format_ARGB32_Premultiplied);
    const auto paint = time(25, [&] {
        QPainter painter(&target);
        montecarlo->Tapis->render(&painter);
    });
    std::printf("paint a full Monte-Carlo table at 1920 x 1080: median %.2f ms\n",
                median(paint.mid(5)));
    delete montecarlo;

    GameForm *voyageuses = openGame(app, main, "Les voyageuses (1)");
    voyageuses->resize(1920, 1080);
    voyageuses->show();
    QCoreApplication::processEvents();
    voyageuses->Boutons_Click(0);
    CardTable *table = voyageuses->Tapis;
    const int stock = Voyageuses1Rules::FirstSabot + 3;
    const QPoint start = table->toPixels(voyageuses->rules().table().at(stock).rect).center();
    QMouseEvent press(QEvent::MouseButtonPress, start, table->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, start, table->mapToGlobal(start),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(table, &release); // turns the stock card up
    QApplication::sendEvent(table, &press);
    QCoreApplication::processEvents();
    int step = 0;
    const auto drag = time(60, [&] {
        ++step;
        const QPoint at = start + QPoint(-8 * step, -3 * step);
        QMouseEvent move(QEvent::MouseMove, at, table->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(table, &move);
        table->repaint(); // paint what the step made dirty, as the next frame would
    });
    std::printf("one drag step of a card (rules, frame and repaint): median %.2f ms\n",
                median(drag.mid(5)));

    long before = residentKiB();
    const auto resize = time(40, [&] {
        static bool large = false;
        large = !large;
        voyageuses->resize(large ? QSize(1600, 1000) : QSize(800, 600));
        voyageuses->repaint();
    });
    std::printf("resize 800 x 600 <-> 1600 x 1000, 20 round trips: median step %.2f ms, "
                "slowest %.2f ms, resident memory %ld -> %ld KiB\n",
                median(resize), *std::max_element(resize.begin(), resize.end()), before,
                residentKiB());
    delete voyageuses;
}

void sendMouse(CardTable *table, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, table->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(table, &event);
}

// Opens a line game at 1920 x 1080, presses JOUER and deals the whole stock with the mouse.
GameForm *fullLine(TestApp &app, FakeMainLink &main, const char *name)
{
    GameForm *form = openGame(app, main, name);
    form->resize(1920, 1080);
    form->show();
    QCoreApplication::processEvents();
    form->Boutons_Click(0);
    const auto &rules = static_cast<const LineRules &>(form->rules());
    const QPoint stock = form->Tapis->toPixels(rules.table().at(rules.sabot()).rect).center();
    while (!rules.line().stockEmpty()) {
        sendMouse(form->Tapis, QEvent::MouseButtonPress, stock, Qt::LeftButton);
        sendMouse(form->Tapis, QEvent::MouseButtonRelease, stock, Qt::NoButton);
    }
    QCoreApplication::processEvents();
    return form;
}

void lineGames()
{
    TestApp app;
    app.dialogs.answers = {false, false}; // should a deal end a game
    FakeMainLink main;
    GameForm *mariage = fullLine(app, main, "Mariage");
    const auto [paintWall, paintCpu] = paintTimes(mariage);
    std::printf("paint a full line of %d cards (Mariage) at 1920 x 1080: median %.2f ms wall, "
                "%.2f ms CPU; resident memory %ld KiB\n",
                static_cast<const LineRules &>(mariage->rules()).line().length(), paintWall,
                paintCpu, residentKiB());
    delete mariage;

    // A Duo card that may move is dragged from the end of the full line back over its rows.
    GameForm *duo = fullLine(app, main, "Duo");
    CardTable *table = duo->Tapis;
    const auto &rules = static_cast<const LineRules &>(duo->rules());
    int from = rules.line().length() - 1;
    while (from > 0 && !rules.line().framed(from, 1))
        --from;
    const QPoint start =
        table->toPixels(rules.table().at(rules.line().picture(from)).rect).center();
    sendMouse(table, QEvent::MouseMove, start, Qt::NoButton);
    sendMouse(table, QEvent::MouseButtonPress, start, Qt::LeftButton);
    QCoreApplication::processEvents();
    int step = 0;
    const auto dragStep = [&] {
        ++step;
        const QPoint at = start + QPoint(8 * (step % 120), -3 * (step % 120));
        sendMouse(table, QEvent::MouseMove, at, Qt::LeftButton);
        table->repaint(); // paint what the step made dirty, as the next frame would
    };
    const auto dragWall = time(60, dragStep);
    const auto dragCpu = threadTime(60, dragStep);
    std::printf("one drag step over the full Duo line (card in place %d): median %.2f ms wall, "
                "%.2f ms CPU\n",
                from, median(dragWall.mid(5)), median(dragCpu.mid(5)));
    delete duo;
}

// Roi Albert at 1920 x 1080 with its 52 cards face up, a valid run of five in the last column.
void roiAlbert()
{
    using namespace RoialbertDeck;
    TestApp app;
    BuildCardTables(app.state);
    lay(app.state, app.settings,
        {{at(8, 4), card(9, "TREFLE")},
         {at(8, 5), card(8, "COEUR")},
         {at(8, 6), card(7, "PIQUE")},
         {at(8, 7), card(6, "CARREAU")},
         {at(8, 8), card(5, "TREFLE")}});
    FakeMainLink main;
    NoShuffle noShuffle;
    const GameInfo &game = GameCatalog::byId(GameId::Roialbert);
    AppContext laid{app.state, app.settings, noShuffle, app.dialogs, app.opener, app.printer};
    GameForm form(game, laid, main);
    form.resize(1920, 1080);
    form.show();
    QCoreApplication::processEvents();
    form.Boutons_Click(0);
    const auto [paintWall, paintCpu] = paintTimes(&form);
    std::printf("paint Roi Albert's 52 cards at 1920 x 1080: median %.2f ms wall, %.2f ms CPU; "
                "resident memory %ld KiB\n",
                paintWall, paintCpu, residentKiB());

    CardTable *table = form.Tapis;
    const QRect head = table->toPixels(form.rules().table().at(at(8, 4)).rect);
    const QPoint start(head.center().x(), head.top() + head.height() / 8);
    sendMouse(table, QEvent::MouseMove, start, Qt::NoButton);
    sendMouse(table, QEvent::MouseButtonPress, start, Qt::LeftButton);
    QCoreApplication::processEvents();
    int step = 0;
    const auto dragStep = [&] {
        ++step;
        const QPoint to = start + QPoint(-8 * (step % 120), 2 * (step % 120));
        sendMouse(table, QEvent::MouseMove, to, Qt::LeftButton);
        table->repaint();
    };
    const auto dragWall = time(60, dragStep);
    const auto dragCpu = threadTime(60, dragStep);
    std::printf("one drag step of a run of %lld cards: median %.2f ms wall, %.2f ms CPU\n",
                form.rules().dragged(at(8, 4)).size(), median(dragWall.mid(5)),
                median(dragCpu.mid(5)));
}

// L'horloge at 1920 x 1080: the 48 hour cards, the centre, and its top card turned in hand.
void horloge()
{
    TestApp app;
    FakeMainLink main;
    GameForm *form = openGame(app, main, "L'horloge");
    form->resize(1920, 1080);
    form->show();
    QCoreApplication::processEvents();
    form->Boutons_Click(0);
    const int centre = HorlogeRules::FirstSabot + HorlogeRules::Kings - 1;
    const QPoint top = form->Tapis->toPixels(form->rules().table().at(centre).rect).center();
    sendMouse(form->Tapis, QEvent::MouseButtonPress, top, Qt::LeftButton);
    sendMouse(form->Tapis, QEvent::MouseButtonRelease, top, Qt::NoButton);
    const auto [paintWall, paintCpu] = paintTimes(form);
    std::printf("paint a full L'horloge table at 1920 x 1080: median %.2f ms wall, %.2f ms CPU\n",
                paintWall, paintCpu);
    delete form;
}

// The main window with Monte-Carlo open and turned up, at 800 x 600, then twenty resizes up to
// 1600 x 1000 in equal steps, each painted, and back to 800 x 600: resident memory before, and
// after the program has had a second to settle.
void resizeStorm()
{
    TestApp app;
    GameRegistry games(app.context);
    frmJeu jeu(app.context, games);
    jeu.resize(800, 600);
    jeu.show();
    jeu.load();
    jeu.mnuDeVorelle_Click(int(GameCatalog::GameNames().indexOf(QStringLiteral("Monte-Carlo"))));
    qobject_cast<GameForm *>(jeu.gameWindow())->Boutons_Click(0);
    const auto showAt = [&jeu](QSize size) {
        jeu.resize(size);
        QCoreApplication::processEvents();
        jeu.repaint();
    };
    showAt(QSize(800, 600));
    QTest::qWait(1000);
    const long before = residentKiB();
    constexpr int Steps = 20;
    for (int step = 1; step <= Steps; ++step)
        showAt(QSize(800 + 800 * step / Steps, 600 + 400 * step / Steps));
    showAt(QSize(800, 600));
    QTest::qWait(1000);
    std::printf("resize storm, main window with Monte-Carlo, 20 steps 800 x 600 -> 1600 x 1000 "
                "and back: resident memory %ld -> %ld KiB (%+ld KiB)\n",
                before, residentKiB(), residentKiB() - before);
}

void idleWithClock(int seconds)
{
    TestApp app;
    GameRegistry games(app.context);
    frmJeu jeu(app.context, games);
    jeu.resize(1280, 800);
    jeu.show();
    jeu.load();
    jeu.mnuDeVorelle_Click(int(GameCatalog::GameNames().indexOf(QStringLiteral("Monte-Carlo"))));
    auto *game = qobject_cast<GameForm *>(jeu.gameWindow());
    game->Boutons_Click(0);
    QCoreApplication::processEvents();
    const double start = cpuSeconds();
    QTimer::singleShot(seconds * 1000, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    std::printf("CPU while a game sits idle with the clock running: %.3f s over %d s (clock shows "
                "%s), resident memory %ld KiB\n",
                cpuSeconds() - start, seconds, qPrintable(jeu.clockText()), residentKiB());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString argument = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    // The line games alone, in a process of their own, for a clean figure of its memory.
    if (argument == QLatin1String("lines")) {
        lineGames();
        return 0;
    }
    if (argument == QLatin1String("roialbert")) {
        roiAlbert();
        return 0;
    }
    if (argument == QLatin1String("horloge")) {
        horloge();
        return 0;
    }
    if (argument == QLatin1String("storm")) {
        resizeStorm();
        return 0;
    }
    const int idle = argument.isEmpty() ? 60 : argument.toInt();
    appendToLongLog();
    paintAndDrag();
    idleWithClock(idle);
    return 0;
}
