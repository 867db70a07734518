#include "app/frmjeu.h"
#include "fakemainlink.h"
#include "games/cardtable.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/gameregistry.h"
#include "testapp.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

using Tips = QList<std::pair<QString, QString>>; // control, its tooltip

// The four buttons' tips: those of the skeleton, and those most games give instead.
Tips buttons(const QStringList &tips)
{
    Tips list;
    for (int i = 0; i < tips.size(); ++i)
        list.append({QStringLiteral("Boutons(%1)").arg(i), tips.at(i)});
    return list;
}
const QStringList Skeleton{
    QStringLiteral("Démarrer le jeu"), QStringLiteral("Faire une nouvelle partie"),
    QStringLiteral("Afficher les règles de jeu"), QStringLiteral("Quitter le jeu")};
const QStringList Vorelle{
    QStringLiteral("Jouer à la vorelle"), QStringLiteral("Faire une nouvelle partie"),
    QStringLiteral("Afficher les règles du jeu"), QStringLiteral("Quitter le jeu")};

// Every named control of each game that has a tooltip, beside the table and the prompt line.
QHash<QString, Tips> gameTips()
{
    const std::pair<QString, QString> carte{QStringLiteral("Carte"), QStringLiteral("Carte")};
    const std::pair<QString, QString> pique{QStringLiteral("Couleurs"), QStringLiteral("Pique")};
    QStringList voyageuses1 = Skeleton;
    voyageuses1[3] = QStringLiteral("Quitter la partie");
    QStringList carnaval = Vorelle;
    carnaval[2] = Skeleton[2];
    const QStringList annonce{QStringLiteral("Démarrer la partie"), Vorelle[1], Vorelle[2],
                              Vorelle[3]};
    return {
        {QStringLiteral("Les voyageuses (1)"),
         buttons(voyageuses1) +
             Tips{carte, pique, {QStringLiteral("picSabot"), u"Carte à piocher"_s}}},
        {QStringLiteral("Les voyageuses (2)"),
         buttons(Skeleton) +
             Tips{carte, pique, {QStringLiteral("imgSabot"), u"Carte à piocher"_s}}},
        {QStringLiteral("La clé des songes"), buttons(Skeleton) + Tips{carte}},
        {QStringLiteral("Carnaval à Rio"),
         buttons(carnaval) + Tips{carte,
                                  {QStringLiteral("cboSecondes"),
                                   u"Temps d'affichage des cartes sélectionnées"_s}}},
        {QStringLiteral("L'annonce"),
         buttons(annonce) +
             Tips{carte,
                  {QStringLiteral("lblNombreCarte"), u"Nombre de carte restant à découvrir"_s},
                  {QStringLiteral("lblAnnonce"), u"Valeur de la prochaine annonce"_s},
                  {QStringLiteral("cboAnnonce"), u"Valeur de l'annonce de début"_s}}},
        {QStringLiteral("L'horloge"),
         buttons(Vorelle) + Tips{carte, {QStringLiteral("Sabot"), QStringLiteral("Carte")}}},
        {QStringLiteral("Joséphine"), buttons(Vorelle)},
        {QStringLiteral("Duo"), buttons(Vorelle)},
        {QStringLiteral("Mariage"),
         buttons(Vorelle) +
             Tips{{QStringLiteral("Boutons(4)"), u"Supprimer la/les cartes sélectionnées"_s}}},
        {QStringLiteral("Duo de rêve"), buttons(Vorelle)},
        {QStringLiteral("Monte-Carlo"), buttons(Vorelle)},
        {QStringLiteral("Stéphanie"), buttons(Vorelle)},
        {QStringLiteral("Roi Albert"), buttons(Skeleton)},
        {QStringLiteral("Carré"), buttons(Skeleton)},
        {QStringLiteral("Pyramide"), buttons(Vorelle)},
        {QStringLiteral("Pousse-pousse"),
         buttons(Skeleton) + Tips{{QStringLiteral("cboFamille"), QStringLiteral("Famille")}}},
    };
}

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

QPoint centreOf(const QWidget *widget, const GameForm &form)
{
    return widget->mapTo(&form, widget->rect().center());
}

// A point of the table over a picture of the group that is in front there, or over the bare
// table for "Tapis"; none when the group shows nothing.
std::optional<QPoint> pointOver(GameForm &form, const QString &group)
{
    const TableModel &table = form.rules().table();
    const auto bare = [&](QPoint pixel) {
        return form.childAt(pixel) == form.Tapis && table.pictureAt(form.Tapis->toTwips(pixel)) < 0;
    };
    if (group == QLatin1String("Tapis")) {
        for (int y = 2; y < form.height(); y += 7) {
            for (int x = 2; x < form.width(); x += 7) {
                if (bare({x, y}))
                    return QPoint(x, y);
            }
        }
        return std::nullopt;
    }
    const PictureGroup *pictures = table.group(group);
    if (!pictures)
        return std::nullopt;
    for (int i = pictures->first; i < pictures->first + pictures->count; ++i) {
        const QRect rect = table.at(i).rect;
        if (!table.at(i).showsCard() || table.pictureAt(rect.center()) != i)
            continue;
        const QPoint pixel = form.Tapis->toPixels(rect).center();
        if (form.childAt(pixel) == form.Tapis)
            return pixel;
    }
    return std::nullopt;
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

QString withoutMnemonic(QString text)
{
    return text.remove(u'&');
}

} // namespace

class TestGameWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each control shows its own tip under the mouse, the table its own on the bare table and
    // the prompt line "Information", before and during a game.
    void everyControlShowsItsTooltip()
    {
        const QHash<QString, Tips> tips = gameTips();
        QCOMPARE(tips.size(), qsizetype(GameCatalog::all().size()));
        TestApp app;
        answerQuestions(app);
        FakeMainLink main;
        for (const GameInfo &game : GameCatalog::all()) {
            const QString name = QString::fromUtf8(game.menuName);
            const GameForm::RulesFactory *rules = GameRegistry::rulesFor(name);
            QVERIFY2(rules, qPrintable(name));
            GameForm form(game, app.context, main, *rules);
            form.resize(form.sizeHint());
            form.show();
            QVERIFY(startPlaying(form, app.state));
            const Tips expected =
                tips.value(name) + Tips{{QStringLiteral("lblInfo"), QStringLiteral("Information")},
                                        {QStringLiteral("Tapis"), QStringLiteral("Tapis de jeu")}};
            for (const auto &[control, tip] : expected) {
                const QString where = name + u' ' + control;
                std::optional<QPoint> at;
                if (control == QLatin1String("lblInfo")) {
                    at = centreOf(form.lblInfo, form);
                } else if (control.startsWith(u"Boutons(") && control.size() == 10 &&
                           control[8] < u'4') {
                    at = centreOf(form.Boutons[std::size_t(control[8].digitValue())], form);
                } else if (QWidget *own = form.control(control)) {
                    at = centreOf(own, form);
                } else {
                    at = pointOver(form, control);
                    // Some pictures show once play has begun: the card in hand, say.
                    const std::optional<QPoint> card = pointOver(form, QStringLiteral("Carte"));
                    if (!at && card) {
                        QTest::mouseClick(form.Tapis, Qt::LeftButton, {}, *card);
                        at = pointOver(form, control);
                    }
                }
                QVERIFY2(at, qPrintable(where + u" introuvable"_s));
                QCOMPARE(tipAt(form, *at), tip);
            }
        }
    }

    // "Arrêter le jeu" leaves the cards as they are and names the only way on, whatever the
    // mouse then passes over; DISTRIBUER deals again with the game's own prompt.
    void aStoppedGameNamesTheWayOn()
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
        }
    }

    // A restored game window shrinks no further than where its buttons read in full (the
    // prompts at that size are tried with the other sizes, in tst_gameform).
    void gameWindowsKeepAUsableSize()
    {
        TestApp app;
        FakeMainLink main;
        QMdiArea area;
        area.resize(1600, 1000);
        area.show();
        for (const GameInfo &game : GameCatalog::all()) {
            const QString name = QString::fromUtf8(game.menuName);
            auto *form = new GameForm(game, app.context, main,
                                      *GameRegistry::rulesFor(name)); // owned by its sub window
            QMdiSubWindow *sub = area.addSubWindow(form);
            sub->showNormal();
            sub->resize(40, 30);
            const QSize design = form->sizeHint();
            QVERIFY2(form->width() >= design.width() * 0.6 &&
                         form->height() >= design.height() * 0.6,
                     qPrintable(name));
            QVERIFY(form->width() < design.width() && form->height() < design.height());
            for (QPushButton *button : form->Boutons) {
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect room =
                    button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
                const QFontMetrics metrics(button->font());
                QVERIFY2(metrics.horizontalAdvance(withoutMnemonic(button->text())) <=
                                 room.width() &&
                             metrics.height() <= button->height(),
                         qPrintable(name + u' ' + button->text()));
            }
            sub->close();
        }
    }
};

QTEST_MAIN(TestGameWindows)
#include "tst_gamewindows.moc"
