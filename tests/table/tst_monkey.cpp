// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "labelfit.h"
#include "mousegestures.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "table/solverpanel.h"
#include "testapp.h"

#include <QComboBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

// Random mouse events, buttons, lists, resizes and timer ticks on the real game windows, checked
// after every event. The seed comes from VORELLES_MONKEY_SEED, else from the system, and is
// printed; VORELLES_MONKEY_EVENTS sets the number of events per game.

namespace {

constexpr int DefaultEvents = 300;

// One game window played at random from a seed.
class Monkey {
public:
    Monkey(const GameInfo &game, quint32 seed) : m_random(seed)
    {
        m_app.random = SeededRandom(seed);
        m_app.dialogs.onShow = [this](const FakeDialogs::Shown &shown) { answer(shown); };
        m_form = std::make_unique<GameForm>(game, m_app.context, m_main);
        m_form->resize(m_form->sizeHint());
        m_form->show();
        m_deck = cards();
    }

    // The first broken promise after the events, with the events that led there; "" if none.
    QString play(int events)
    {
        for (int i = 0; i < events; ++i) {
            m_trace.append(QString::number(i) + u' ' + act());
            const QString broken = m_broken.isEmpty() ? check() : m_broken;
            if (!broken.isEmpty())
                return broken + u'\n' +
                       m_trace.mid(std::max<qsizetype>(0, m_trace.size() - 8)).join(u'\n');
        }
        return {};
    }

private:
    int below(int bound) { return int(m_random.bounded(quint32(std::max(bound, 1)))); }

    void answer(const FakeDialogs::Shown &shown)
    {
        if (!shown.question)
            return;
        // A game in progress is seldom given up, so that games get to their end.
        const bool dealAgain = shown.text.startsWith(u"Une partie est actuellement");
        m_app.dialogs.answers.append(below(dealAgain ? 5 : 2) == 1);
        // Every deal stops the clock first; an end does not.
        if (shown.text.contains(u"recommencer")) {
            if (m_endedDeal == m_main.stops)
                m_broken = QStringLiteral("deux fins pour une même donne");
            m_endedDeal = m_main.stops;
        }
    }

    // Every card of the deck, wherever it lies, in one order whatever the deal.
    QStringList cards() const
    {
        QStringList codes = m_form->rules().cardCodes();
        codes.sort();
        return codes;
    }

    QString check() const
    {
        const GameForm &form = *m_form;
        if (cards() != m_deck)
            return QStringLiteral("une carte perdue ou en double");
        if (!showsWholeText(form.lblInfo))
            return QStringLiteral("l'invite déborde : ") + form.lblInfo->text();
        // The table fills the window but for the solver's strip under it.
        const int strip = form.solverPanel() ? form.solverPanel()->stripHeight() : 0;
        if (form.Tapis->geometry() != form.rect().adjusted(0, 0, 0, -strip))
            return QStringLiteral("le tapis ne couvre plus la fenêtre");
        return {};
    }

    // A point over a picture the player may act on (the hand shows there), over any picture, or
    // anywhere in the window.
    QPoint somewhere()
    {
        const TableModel &table = m_form->rules().table();
        QList<int> shown, live;
        for (int i = 0; i < table.pictures.size(); ++i) {
            if (table.at(i).visible)
                (table.at(i).hand ? live : shown).append(i);
        }
        const int pick = below(4);
        const QList<int> &from = pick < 2 && !live.isEmpty() ? live : shown + live;
        if (from.isEmpty() || pick == 3)
            return {below(m_form->width()), below(m_form->height())};
        const QRect rect = m_form->Tapis->toPixels(table.at(from.at(below(int(from.size())))).rect);
        return rect.topLeft() + QPoint(below(rect.width()), below(rect.height()));
    }

    QString describe(const char *what, QPoint at) const
    {
        return QString::fromLatin1(what) + QStringLiteral(" (%1, %2)").arg(at.x()).arg(at.y());
    }

    QString act()
    {
        // A dealt game waiting for JOUER is mostly started.
        if (m_form->Boutons[0]->isEnabled() && below(2) == 0) {
            m_form->Boutons[0]->click();
            return QStringLiteral("&Jouer");
        }
        const QPoint at = somewhere();
        QWidget *target = m_form->childAt(at);
        if (!target || target == m_form->Boutons[3])
            target = m_form->Tapis;
        // A press and its release go to the same widget, as the mouse grab would have it.
        const QPointer<QWidget> alive(target);
        const auto local = [&](QPoint point) { return target->mapFrom(m_form.get(), point); };
        switch (below(10)) {
        case 0:
        case 1:
        case 2:
            MouseGestures::click(target, local(at));
            return describe("clic", at);
        case 3:
            MouseGestures::doubleClick(target, local(at));
            return describe("double clic", at);
        case 4:
            MouseGestures::click(target, local(at), Qt::RightButton);
            return describe("clic droit", at);
        case 5:
        case 6: {
            const QPoint to = somewhere();
            MouseGestures::press(target, local(at));
            for (int step = 1; step <= 3 && alive; ++step)
                MouseGestures::moveHeld(target, local(at + (to - at) * step / 3));
            if (alive)
                MouseGestures::release(target, local(to));
            return describe("glisser", at) + describe(" vers", to);
        }
        case 7:
            MouseGestures::hover(m_form->Tapis, m_form->Tapis->mapFrom(m_form.get(), at));
            return describe("survol", at);
        case 8:
            return pressAControl();
        default:
            return resizeOrTick();
        }
    }

    // JOUER, DISTRIBUER, RÈGLES or a list or button of the game's own. QUITTER would end the
    // window, whose closing the skeleton's tests cover.
    QString pressAControl()
    {
        QList<QWidget *> controls{m_form->Boutons[0], m_form->Boutons[1], m_form->Boutons[2]};
        for (QComboBox *list : m_form->Tapis->findChildren<QComboBox *>())
            controls.append(list);
        for (QPushButton *button : m_form->Tapis->findChildren<QPushButton *>()) {
            if (std::find(m_form->Boutons.begin(), m_form->Boutons.end(), button) ==
                m_form->Boutons.end())
                controls.append(button);
        }
        QWidget *control = controls.at(below(int(controls.size())));
        if (!control->isEnabled() || !control->isVisible())
            return QStringLiteral("inactif ") + control->objectName();
        if (auto *combo = qobject_cast<QComboBox *>(control)) {
            const int entry = below(combo->count());
            combo->setCurrentIndex(entry);
            Q_EMIT combo->activated(entry);
            return combo->objectName() + u' ' + QString::number(entry);
        }
        auto *button = static_cast<QPushButton *>(control);
        const QString text = button->text();
        button->click();
        return text;
    }

    QString resizeOrTick()
    {
        auto *timer = m_form->findChild<QTimer *>(QStringLiteral("rulesTimer"));
        if (timer && timer->isActive() && below(2) == 0) {
            QMetaObject::invokeMethod(timer, "timeout");
            return QStringLiteral("minuterie");
        }
        const QSize least = m_form->minimumSize();
        const QSize size(least.width() + below(least.width()),
                         least.height() + below(least.height()));
        m_form->resize(size);
        return QStringLiteral("taille %1 x %2").arg(size.width()).arg(size.height());
    }

    QRandomGenerator m_random;
    TestApp m_app;
    FakeMainLink m_main;
    std::unique_ptr<GameForm> m_form;
    QStringList m_deck;
    QStringList m_trace;
    int m_endedDeal = -1; // the deal, counted by the clock's stops, that last ended
    QString m_broken;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomEventsKeepEveryGameWhole_data()
    {
        QTest::addColumn<int>("game");
        const auto games = GameCatalog::all();
        for (std::size_t i = 0; i < games.size(); ++i)
            QTest::newRow(games[i].menuName) << int(i);
    }

    void randomEventsKeepEveryGameWhole()
    {
        QFETCH(int, game);
        static const quint32 seed = [] {
            bool ok = false;
            quint32 chosen = qEnvironmentVariable("VORELLES_MONKEY_SEED").toUInt(&ok);
            chosen = ok ? chosen : QRandomGenerator::system()->generate();
            qInfo("VORELLES_MONKEY_SEED=%u", chosen);
            return chosen;
        }();
        bool ok = false;
        const int events = qEnvironmentVariableIntValue("VORELLES_MONKEY_EVENTS", &ok);
        // Each game from a seed of its own, so that one game replays alone the same.
        Monkey monkey(GameCatalog::all()[std::size_t(game)], seed + quint32(game));
        const QString broken = monkey.play(ok && events > 0 ? events : DefaultEvents);
        QVERIFY2(broken.isEmpty(),
                 qPrintable(QStringLiteral("VORELLES_MONKEY_SEED=%1 : ").arg(seed) + broken));
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
