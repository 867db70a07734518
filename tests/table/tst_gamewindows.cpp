// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmjeu.h"
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/mariage/mariagerules.h"
#include "games/voyageuses1/voyageuses1rules.h"
#include "mousegestures.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "testapp.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QHelpEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolTip>

namespace {

// The tip the player sees with the mouse at pos of the window: the event goes where the mouse's
// would, and up to the parents that do not take it.
QString tipAt(GameForm &form, QPoint pos)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->inherits("QTipLabel"))
            top->hide();
    }
    QWidget *target = form.childAt(pos);
    if (!target)
        target = &form;
    QHelpEvent help(QEvent::ToolTip, target->mapFrom(&form, pos), form.mapToGlobal(pos));
    QApplication::sendEvent(target, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// Answers every question: yes, but no to a new deal at the end of a game.
void answerQuestions(TestApp &app)
{
    app.dialogs.onShow = [&app](const FakeDialogs::Shown &shown) {
        if (shown.question)
            app.dialogs.answers.append(!shown.text.contains(u"recommencer"));
    };
}

// JOUER, and again on a new deal while a deal ends as soon as it is played.
bool startPlaying(GameForm &form, const AppState &state)
{
    for (int tries = 0; tries < 5; ++tries) {
        form.Boutons[0]->click();
        if (state.gameInProgress)
            return true;
        form.Boutons[1]->click();
    }
    return false;
}

// Les voyageuses (1)'s window, shown, with JOUER pressed and the first stock card in hand.
struct Voyageuses1 {
    using Rules = Voyageuses1Rules;
    Voyageuses1()
    {
        BuildCardTables(app.state); // the main window's load does it in the program
        form.resize(1000, 700);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Boutons[0]->click();
        QTest::mouseClick(form.Tapis, Qt::LeftButton, {}, centre(Rules::FirstSabot));
    }
    const TableModel &table() { return form.rules().table(); }
    QPoint centre(int picture) { return form.Tapis->toPixels(table().at(picture).rect).center(); }
    int hand()
    {
        return Rules::FirstSabot + static_cast<const Rules &>(form.rules()).variables().IndexSabot;
    }
    // Drags the card in hand to a point of the table with the button held, and lets go.
    void drag(QPoint target)
    {
        const QPoint from = centre(hand());
        MouseGestures::press(form.Tapis, from);
        MouseGestures::moveHeld(form.Tapis, from + QPoint(20, 20));
        MouseGestures::moveHeld(form.Tapis, target);
        MouseGestures::release(form.Tapis, target);
    }
    QString tipOnTable(QPoint at) { return tipAt(form, form.Tapis->mapTo(&form, at)); }

    TestApp app;
    FakeMainLink main;
    GameForm form{*GameCatalog::byMenuName(QStringLiteral("Les voyageuses (1)")), app.context,
                  main};
};

} // namespace

class TestGameWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every game window opened from the menu. During a game the prompt line, each button and
    // each control of the game's own show their tips under the mouse: nothing covers them.
    // "Arrêter le jeu" leaves the cards as they are and names the only way on, whatever the mouse
    // then passes over; DISTRIBUER deals again with the game's own prompt. Restored, the window
    // shrinks no further than where its buttons read in full.
    void everyGameWindowFromTheMenu()
    {
        const QString stopped =
            QStringLiteral("Partie arrêtée. Appuyez sur le bouton DISTRIBUER pour une nouvelle "
                           "vorelle.");
        TestApp app;
        answerQuestions(app);
        GameRegistry games(app.context);
        frmJeu jeu(app.context, games);
        jeu.show();
        QVERIFY(jeu.load());
        const QStringList names = GameCatalog::GameNames();
        for (int i = 0; i < names.size(); ++i) {
            jeu.mnuDeVorelle_Click(i);
            auto *form = qobject_cast<GameForm *>(jeu.gameWindow());
            QVERIFY2(form, qPrintable(names[i]));
            QVERIFY(startPlaying(*form, app.state));
            QList<std::pair<QWidget *, QString>> tips{
                {form->lblInfo, QStringLiteral("Information")}};
            for (std::size_t b = 0; b < form->Boutons.size(); ++b)
                tips.append({form->Boutons[b], form->rules().layout().toolTips[b]});
            for (const Control &control : form->rules().table().controls) {
                if (!control.toolTip.isEmpty())
                    tips.append({form->control(control.name), control.toolTip});
            }
            for (const auto &[widget, tip] : tips) {
                QVERIFY2(widget && !tip.isEmpty(), qPrintable(names[i]));
                QCOMPARE(tipAt(*form, widget->mapTo(form, widget->rect().center())), tip);
            }

            jeu.stopGame();
            QVERIFY(!app.state.gameInProgress);
            QCOMPARE(form->prompt(), stopped);
            const TableModel before = form->rules().table();
            for (int y = 5; y < form->height(); y += 40) {
                for (int x = 5; x < form->width(); x += 40)
                    QTest::mouseMove(form->Tapis, {x, y});
            }
            QTest::mouseClick(form->Tapis, Qt::LeftButton, {}, form->Tapis->rect().center());
            QCOMPARE(form->prompt(), stopped);
            QCOMPARE(form->rules().table().pictures, before.pictures);
            QVERIFY(!form->Boutons[0]->isEnabled());
            form->Boutons[1]->click();
            QCOMPARE(form->prompt(), form->rules().layout().dealtPrompt);
            QVERIFY(form->Boutons[0]->isEnabled());

            auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
            sub->showNormal();
            sub->resize(40, 30);
            const QSize design = form->sizeHint();
            QVERIFY2(form->width() >= design.width() * 0.6 &&
                         form->height() >= design.height() * 0.6,
                     qPrintable(names[i]));
            QVERIFY(form->width() < design.width() && form->height() < design.height());
            for (QPushButton *button : form->Boutons) {
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect room =
                    button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
                const QFontMetrics metrics(button->font());
                QVERIFY2(metrics.horizontalAdvance(button->text().remove(u'&')) <= room.width() &&
                             metrics.height() <= button->height(),
                         qPrintable(names[i] + u' ' + button->text()));
            }
        }
    }

    // A button of the game's own answers its access key.
    void mariageSupprimerAnswersAltS()
    {
        TestApp app;
        FakeMainLink main;
        GameForm form(*GameCatalog::byMenuName(QStringLiteral("Mariage")), app.context, main);
        const auto &rules = static_cast<const LineRules &>(form.rules());
        const CardLine &line = rules.line();
        const auto click = [&](int picture) {
            QTest::mouseClick(form.Tapis, Qt::LeftButton, {},
                              form.Tapis->toPixels(rules.table().at(picture).rect).center());
        };
        form.resize(1100, 760);
        form.show();
        form.Boutons[0]->click();
        // The stock dealt until a card lies alone between two alike cards.
        int movable = CardLine::NoPlace;
        while (!line.stockEmpty() && movable == CardLine::NoPlace) {
            click(rules.sabot());
            for (int place = 1; place < line.length() && movable < 0; ++place)
                movable = line.framed(place, 1) ? place : CardLine::NoPlace;
        }
        QVERIFY(movable > 0);
        const QString leaving = line.card(movable);
        click(line.picture(movable));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(line.variables().gone, QStringList{leaving});
        QVERIFY(!form.control(QString::fromLatin1(MariageRules::Supprimer))->isEnabled());
    }

    // The drop-down lists of the games that keep a setting of their own.
    void choiceIsKeptAndLockedDuringPlay_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("stored"); // after choosing that entry
        QTest::addColumn<QString>("dealTitle");
        QTest::newRow("Carnaval à Rio") << "temps" << 4 << "5"
                                        << "VORELLES";
        QTest::newRow("L'annonce") << "annonce" << 4 << "4"
                                   << "Nouvelle vorelle";
        QTest::newRow("Pousse-pousse") << "famille" << 0 << "0"
                                       << "VORELLES";
    }
    void choiceIsKeptAndLockedDuringPlay()
    {
        QFETCH(QString, key);
        QFETCH(int, entry);
        QFETCH(QString, stored);
        QFETCH(QString, dealTitle);
        const QString game = QString::fromUtf8(QTest::currentDataTag());
        TestApp app;
        BuildCardTables(app.state); // the main window's load does it in the program
        FakeMainLink main;
        const GameInfo &info = *GameCatalog::byMenuName(game);
        const auto open = [&] { return std::make_unique<GameForm>(info, app.context, main); };
        {
            const auto form = open();
            auto *combo = form->findChild<QComboBox *>();
            QVERIFY(combo && combo->isEnabled());
            combo->activated(entry); // what QComboBox emits when the player picks an entry
            QCOMPARE(app.settings.read(QString::fromUtf8(info.caption), key), stored);
            form->Boutons_Click(0);
            QVERIFY(!combo->isEnabled());
            app.dialogs.answers = {true};
            form->Boutons_Click(1);
            QCOMPARE(app.dialogs.last().title, dealTitle);
            QVERIFY(combo->isEnabled());
        }
        const auto reopened = open();
        QCOMPARE(reopened->findChild<QComboBox *>()->currentIndex(), entry);
        if (game == QLatin1String("L'annonce")) // its counters are drawn in Courier New
            QVERIFY(
                QFontInfo(reopened->control(QStringLiteral("lblAnnonce"))->font()).fixedPitch());
    }

    // Les voyageuses (1)'s card in hand is in automatic drag mode: a click on it, or letting it
    // go over the prompt or a button, changes nothing; the bare table takes it.
    void aCardInHandIgnoresClicksAndDropsOnControls()
    {
        Voyageuses1 w;
        const TableModel inHand = w.table();
        const QString prompt = w.form.lblInfo->text();
        QTest::mouseClick(w.form.Tapis, Qt::LeftButton, {}, w.centre(w.hand()));
        QCOMPARE(w.table(), inHand);
        QCOMPARE(w.form.lblInfo->text(), prompt);
        for (const QWidget *control :
             {static_cast<QWidget *>(w.form.lblInfo), static_cast<QWidget *>(w.form.Boutons[2])}) {
            w.drag(control->geometry().center());
            QCOMPARE(w.table(), inHand);
        }
        w.drag(QPoint(5, 5));
        QVERIFY(w.table().at(w.hand()).rect.topLeft() != inHand.at(w.hand()).rect.topLeft());
    }

    void eachPictureShowsItsOwnToolTip()
    {
        using Rules = Voyageuses1Rules;
        Voyageuses1 w;
        QCOMPARE(w.tipOnTable(w.centre(Rules::FirstCarte + 3)), QStringLiteral("Carte"));
        QCOMPARE(w.tipOnTable(w.centre(Rules::FirstCarte + 7)), QStringLiteral("Carte")); // empty
        QCOMPARE(w.tipOnTable(w.centre(w.hand())), QStringLiteral("Carte à piocher"));
        QCOMPARE(w.tipOnTable(w.centre(Rules::FirstCouleur + 2)), QStringLiteral("Pique"));
        QCOMPARE(w.tipOnTable(QPoint(3, 3)), QStringLiteral("Tapis de jeu"));
    }
};

QTEST_MAIN(TestGameWindows)
#include "tst_gamewindows.moc"
