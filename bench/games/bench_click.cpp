// SPDX-License-Identifier: GPL-3.0-or-later
// The whole cost of one click in a real game window, with everything a click now sets off on the
// window's thread: the rules, the undo snapshot, the table diff that starts the glides, the
// keyboard focus refresh, the accessibility update and the solver's request (the position copied
// and handed to the worker). Each game is measured with the animation on and off.
// Run offscreen: QT_QPA_PLATFORM=offscreen build/bench/bench_click [CLICKS]

#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/line/linerules.h"
#include "settings/settingkeys.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "table/mousegestures.h"
#include "testapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double quantile(QList<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values.at(std::min(values.size() - 1, qsizetype(q * double(values.size()))));
}

// CPU time of the window's thread only: the solver's worker does not count.
double threadMs()
{
    timespec reading{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &reading);
    return double(reading.tv_sec) * 1e3 + double(reading.tv_nsec) / 1e6;
}

// The first face-up card after `after` whose click changes the table, where the player would
// click it.
QPoint nextClickable(GameForm &form, QPoint after = {})
{
    for (const Picture &picture : form.rules().table().pictures) {
        if (!picture.visible || !picture.showsCard() || picture.face != Picture::Face::Front)
            continue;
        const QPoint at = form.Tapis->toPixels(picture.rect).center();
        if (at == after)
            continue;
        const TableModel before = form.rules().table();
        MouseGestures::click(form.Tapis, at);
        QCoreApplication::processEvents();
        if (!(form.rules().table() == before))
            return at;
    }
    return {};
}

void clicks(const char *name, bool animated, int count)
{
    TestApp app;
    app.dialogs.answers = {false, false, false};
    app.set(Settings::AnimerDeplacements, animated ? QStringLiteral("1") : QStringLiteral("0"));
    FakeMainLink main;
    const QString menuName = QString::fromUtf8(name);
    GameForm form(*GameCatalog::byMenuName(menuName), app.context, main);
    form.resize(800, 600);
    form.show();
    QCoreApplication::processEvents();
    form.Boutons_Click(0);
    if (const auto *line = dynamic_cast<const LineRules *>(&form.rules())) {
        const QPoint stock = form.Tapis->toPixels(line->table().at(line->sabot()).rect).center();
        while (!line->line().stockEmpty())
            MouseGestures::click(form.Tapis, stock);
    }
    QCoreApplication::processEvents();
    // The same click again and again, each taken back by Annuler (not timed) before the next.
    const QPoint card = nextClickable(form);
    form.undo();

    QList<double> wall;
    QList<double> cpu;
    int changed = 0;
    for (int i = 0; i < count; ++i) {
        const TableModel before = form.rules().table();
        QElapsedTimer clock;
        clock.start();
        const double start = threadMs();
        MouseGestures::click(form.Tapis, card);
        form.Tapis->repaint();
        cpu.append(threadMs() - start);
        wall.append(double(clock.nsecsElapsed()) / 1e6);
        changed += form.rules().table() == before ? 0 : 1;
        form.undo();
        // The worker's answer and the glides' frames are handled between clicks, as between
        // two clicks of a player.
        QCoreApplication::processEvents();
    }
    // The same full repaint with no click before it: what the click adds is the difference.
    QList<double> paint;
    for (int i = 0; i < count; ++i) {
        const double start = threadMs();
        form.Tapis->repaint();
        paint.append(threadMs() - start);
    }
    std::printf("%-12s animation %-3s: %d clicks at 800 x 600 (%d changed the table), CPU median "
                "%.3f ms, p99 %.3f ms; wall median %.3f ms; the repaint alone %.3f ms CPU\n",
                name, animated ? "on" : "off", count, changed, median(cpu), quantile(cpu, 0.99),
                median(wall), median(paint));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 201;
    for (const char *name : {"Monte-Carlo", "Mariage", "Pyramide"}) {
        clicks(name, true, count);
        clicks(name, false, count);
    }
    return 0;
}
