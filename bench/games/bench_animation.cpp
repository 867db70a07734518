// SPDX-License-Identifier: GPL-3.0-or-later
// Figures of the moving cards: one animation frame painted on the largest tables (Roi Albert,
// Pyramide, a full line of Mariage) at 1600 x 1000, while every card of the table glides one place
// on, the resident memory across 1,000 such moves, and the CPU time once all cards rest.
// Run offscreen: QT_QPA_PLATFORM=offscreen build/bench/bench_animation

#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/line/linerules.h"
#include "games/tablemotion.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "table/mousegestures.h"
#include "testapp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
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

double processMs()
{
    timespec reading{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &reading);
    return double(reading.tv_sec) * 1e3 + double(reading.tv_nsec) / 1e6;
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

// A game window at 1600 x 1000 with JOUER pressed; a line game also deals its whole stock.
std::unique_ptr<GameForm> open(TestApp &app, FakeMainLink &main, const char *name)
{
    const QString menuName = QString::fromUtf8(name);
    auto form = std::make_unique<GameForm>(*GameCatalog::byMenuName(menuName), app.context, main);
    form->resize(1600, 1000);
    form->show();
    QCoreApplication::processEvents();
    form->Boutons_Click(0);
    if (const auto *line = dynamic_cast<const LineRules *>(&form->rules())) {
        const QPoint stock = form->Tapis->toPixels(line->table().at(line->sabot()).rect).center();
        while (!line->line().stockEmpty())
            MouseGestures::click(form->Tapis, stock);
    }
    QCoreApplication::processEvents();
    return form;
}

// The window's own table shows a copy of the game's: each move hands every face-up card to the
// next face-up picture, so all of them glide at once.
class Mover {
public:
    explicit Mover(GameForm &form)
        : m_form(form), m_table(form.Tapis), m_model(form.rules().table())
    {
        m_table->motion()->setClock([this] { return m_now; });
        m_table->setModel(&m_model, form.rules().layout().area);
        for (int i = 0; i < m_model.pictures.size(); ++i) {
            const Picture &picture = m_model.at(i);
            if (picture.showsCard() && picture.face == Picture::Face::Front)
                m_faceUp.append(i);
        }
    }
    ~Mover() { m_table->setModel(&m_form.rules().table(), m_form.rules().layout().area); }
    Mover(const Mover &) = delete;
    Mover &operator=(const Mover &) = delete;
    qsizetype cards() const { return m_faceUp.size(); }

    void move()
    {
        const QString first = m_model.at(m_faceUp.first()).card;
        for (qsizetype k = 0; k + 1 < m_faceUp.size(); ++k)
            m_model.at(m_faceUp.at(k)).card = m_model.at(m_faceUp.at(k + 1)).card;
        m_model.at(m_faceUp.last()).card = first;
        m_table->modelChanged();
        m_table->repaint();
    }
    // The next frame at stepMs on: the clock moves, the frame timer's work, then the paint of
    // what it made dirty. Returns its wall and CPU milliseconds.
    std::pair<double, double> frame(int stepMs)
    {
        m_now += stepMs;
        QElapsedTimer wall;
        wall.start();
        const double cpu = processMs();
        m_table->motion()->tick();
        m_table->repaint();
        return {double(wall.nsecsElapsed()) / 1e6, processMs() - cpu};
    }
    bool moving() const { return m_table->motion()->isRunning(); }

private:
    GameForm &m_form;
    CardTable *m_table;
    TableModel m_model;
    QList<int> m_faceUp;
    qint64 m_now = 0;
};

void frames(const char *name)
{
    TestApp app;
    app.dialogs.answers = {false, false, false};
    FakeMainLink main;
    auto form = open(app, main, name);
    Mover mover(*form);
    mover.move(); // the card pictures drawn once at this size
    while (mover.moving())
        mover.frame(16);
    QList<double> wall;
    QList<double> cpu;
    for (int round = 0; round < 10; ++round) {
        mover.move();
        while (mover.moving()) {
            const auto [w, c] = mover.frame(16);
            wall.append(w);
            cpu.append(c);
        }
    }
    std::printf("%s, %lld cards gliding at 1600 x 1000: %lld frames, median %.2f ms wall, "
                "%.2f ms CPU, slowest %.2f ms wall\n",
                name, mover.cards(), wall.size(), median(wall), median(cpu),
                *std::max_element(wall.begin(), wall.end()));
}

void memory()
{
    TestApp app;
    app.dialogs.answers = {false, false, false};
    FakeMainLink main;
    auto form = open(app, main, "Pyramide");
    Mover mover(*form);
    const auto moves = [&mover](int count) {
        for (int i = 0; i < count; ++i) {
            mover.move();
            while (mover.moving())
                mover.frame(40);
        }
    };
    moves(50);
    const long before = residentKiB();
    moves(1000);
    const long after = residentKiB();
    std::printf("1,000 animated moves of %lld cards (Pyramide): resident memory %ld -> %ld KiB "
                "(%+ld KiB)\n",
                mover.cards(), before, after, after - before);

    // Once the last card rests, no frame timer is left: the table does no work at all.
    const double start = processMs();
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    std::printf("CPU over the next 10 s, nothing moving: %.1f ms\n", processMs() - start);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    for (const char *name : {"Roi Albert", "Pyramide", "Mariage"})
        frames(name);
    memory();
    return 0;
}
