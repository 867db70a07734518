// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "fakemainlink.h"
#include "games/randomplayer.h"
#include "games/tablemotion.h"
#include "labelfit.h"
#include "mousegestures.h"
#include "settings/settingkeys.h"
#include "shared/files.h"
#include "shared/pictures.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfreader.h"
#include "table/cardtable.h"
#include "table/gameform.h"
#include "table/gameregistry.h"
#include "testapp.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSet>
#include <QTest>

namespace {

// A two-card game: JOUER turns the card up, a click on it wins, a click on the other loses.
class ProbeRules final : public GameRules {
public:
    enum { Winner, Loser };
    ProbeRules(CoreContext context, GameHost &host)
        : GameRules(*GameCatalog::byMenuName(QStringLiteral("Monte-Carlo")), context, host)
    {
        m_table.addGroup(QStringLiteral("EspaceJeu"), 2);
        m_table.at(Loser).rect.moveLeft(1200);
        m_table.frames.append(Frame{});
    }
    FormLayout layout() const override
    {
        FormLayout layout;
        layout.area = QSize(4000, 3000);
        layout.info = QRect(2500, 60, 1335, 1000);
        for (int i = 0; i < 4; ++i)
            layout.buttons[std::size_t(i)] = QRect(2500, 1500 + 360 * i, 1095, 315);
        return layout;
    }
    void Distribution() override
    {
        ++deals;
        shuffle();
        for (Picture &card : m_table.pictures) {
            card.face = Picture::Face::Back;
            card.visible = true;
        }
        m_host.setPrompt(QStringLiteral("Donne faite."));
    }
    void play() override
    {
        if (lostAtPlay) {
            m_host.gameOver(false);
            return;
        }
        m_table.at(Winner).face = Picture::Face::Front;
        m_table.at(Winner).card = dealt(0);
        m_host.setPrompt(QStringLiteral("A vous."));
    }
    void hover(int index) override
    {
        hovered = index;
        if (index >= 0)
            m_table.at(index).hand = inProgress();
    }
    void click(int index) override
    {
        if (!inProgress())
            return;
        m_table.at(Loser).visible = false; // one place left: "1" in the record
        m_host.gameOver(index == Winner);
    }
    int deals = 0;
    int hovered = -2;
    bool lostAtPlay = false; // a deal that cannot be played
};

// Monte-Carlo's row of the table of games, playing the probe's rules; the last rules it made.
ProbeRules *madeProbe = nullptr;
const GameInfo &probeGame()
{
    static const GameInfo probe = [] {
        GameInfo info = *GameCatalog::byMenuName(QStringLiteral("Monte-Carlo"));
        info.makeRules = [](const GameInfo &, CoreContext context,
                            GameHost &host) -> std::unique_ptr<GameRules> {
            auto made = std::make_unique<ProbeRules>(context, host);
            madeProbe = made.get();
            return made;
        };
        return info;
    }();
    return probe;
}

struct Fixture {
    Fixture()
    {
        form = new GameForm(probeGame(), app.context, main);
        rules = madeProbe;
        sub = area.addSubWindow(form);
        area.resize(1000, 760);
        area.show();
        sub->showMaximized();
    }
    QString log() const
    {
        QFile file(LogPath(app.state));
        return file.open(QIODevice::ReadOnly) ? plainText(readRtf(file.readAll()).text) : QString();
    }
    TestApp app;
    FakeMainLink main;
    QMdiArea area;
    QPointer<GameForm> form;
    QMdiSubWindow *sub = nullptr;
    ProbeRules *rules = nullptr;
};

// The longest prompts a game shows in a few thousand random events, then those of the window
// itself: what the prompt line must hold whole at every size of the window. The player's
// promises (the cards those dealt, one end a deal, no move out of a game) are checked too.
QStringList longestPrompts(const QString &game, const QString &settingsPath)
{
    QSet<QString> seen;
    for (quint32 seed = 1; seed <= 3; ++seed) {
        RandomPlayer player(game, settingsPath, seed);
        for (int i = 0; i < 3000 && player.event(); ++i)
            seen.insert(player.prompt());
        [&] { QVERIFY2(player.failure().isEmpty(), qPrintable(game + u' ' + player.failure())); }();
    }
    QStringList prompts(seen.begin(), seen.end());
    std::sort(prompts.begin(), prompts.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    return prompts.mid(0, 3) +
           QStringList{QStringLiteral("Appuyez sur le bouton DISTRIBUER pour commencer une "
                                      "nouvelle partie."),
                       QStringLiteral("Appuyez sur le bouton JOUER pour commencer la nouvelle "
                                      "vorelle"),
                       QStringLiteral("Partie arrêtée. Appuyez sur le bouton DISTRIBUER pour une "
                                      "nouvelle vorelle.")};
}

// Whether the label, drawn, leaves a band inside its border untouched by the text: the padding of
// its style and at least as much again, in pixels of the screen.
bool clearOfTheBorder(QLabel *label)
{
    const QImage image = label->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    const int border = int(std::ceil(ratio));
    const int band = int(std::ceil(4 * ratio));
    const QRect inside = image.rect().adjusted(border, border, -border, -border);
    const QRect clear = inside.adjusted(band, band, -band, -band);
    const QRgb background = image.pixel(inside.topLeft());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (!clear.contains(x, y) && image.pixel(x, y) != background)
                return false;
        }
    }
    return true;
}

} // namespace

class TestGameForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jouerStartsAndDistribuerAsksWhilePlaying()
    {
        Fixture f;
        QCOMPARE(f.form->lblInfo->text(), QStringLiteral("Donne faite."));
        QVERIFY(f.form->Boutons[0]->isDefault());
        QVERIFY(!f.app.state.gameInProgress);
        f.form->Boutons_Click(1); // before JOUER: a new deal without a question
        QCOMPARE(f.rules->deals, 2);
        QVERIFY(f.app.dialogs.shown.isEmpty());
        QCOMPARE(f.form->lblInfo->text(),
                 QStringLiteral("Appuyez sur le bouton JOUER pour commencer la vorelle"));

        f.app.state.elapsedSeconds = 40;
        f.form->Boutons_Click(0);
        QVERIFY(f.app.state.gameInProgress);
        QCOMPARE(f.app.state.elapsedSeconds, 0);
        QVERIFY(f.main.running);
        QCOMPARE(f.form->lblInfo->text(), QStringLiteral("A vous."));
        QVERIFY(!f.form->Boutons[0]->isEnabled());
        QVERIFY(f.form->Boutons[1]->isDefault());

        const TableModel playing = f.rules->table();
        f.app.dialogs.answers = {false};
        f.form->Boutons_Click(1);
        QCOMPARE(f.app.dialogs.last().text,
                 QStringLiteral("Une partie est actuellement en cours. Voulez-vous vraiment en "
                                "commencer une nouvelle ?"));
        QCOMPARE(f.app.dialogs.last().title, QStringLiteral("VORELLES"));
        QVERIFY(f.app.state.gameInProgress);
        QVERIFY(f.main.running);
        QCOMPARE(f.rules->table(), playing);

        f.app.dialogs.answers = {true};
        f.form->Boutons_Click(1);
        QVERIFY(!f.app.state.gameInProgress);
        QVERIFY(!f.main.running);
        QCOMPARE(f.rules->deals, 3);
        QVERIFY(f.form->Boutons[0]->isEnabled());
        QVERIFY(f.form->Boutons[0]->isDefault());
        QVERIFY(!QFile::exists(LogPath(f.app.state)));
    }

    void endOfGameRecordsOnceAndOffersANewDeal_data()
    {
        QTest::addColumn<bool>("atJouer"); // a deal lost as soon as it is played
        QTest::addColumn<bool>("won");
        QTest::addColumn<bool>("again"); // the answer to the question
        QTest::newRow("gagnée, Oui") << false << true << true;
        QTest::newRow("perdue, Non") << false << false << false;
        QTest::newRow("perdue à JOUER, Oui") << true << false << true;
        QTest::newRow("perdue à JOUER, Non") << true << false << false;
    }
    void endOfGameRecordsOnceAndOffersANewDeal()
    {
        QFETCH(bool, atJouer);
        QFETCH(bool, won);
        QFETCH(bool, again);
        Fixture f;
        f.rules->lostAtPlay = atJouer;
        f.app.dialogs.answers = {again};
        f.form->Boutons_Click(0);
        if (!atJouer)
            f.rules->click(won ? ProbeRules::Winner : ProbeRules::Loser);
        QCOMPARE(f.app.dialogs.last().text,
                 won ? QStringLiteral("BRAVO, vous avez gagné la partie. Voulez-vous recommencer "
                                      "une nouvelle vorelle ?")
                     : QStringLiteral("DESOLE, vous avez perdu la partie. Voulez-vous "
                                      "recommencer une nouvelle vorelle ?"));
        QCOMPARE(f.app.dialogs.last().icon, UserDialogs::Icon::None);
        const QString log = f.log();
        QCOMPARE(log.count(QStringLiteral("Résultat de la partie")), 1);
        QVERIFY2(log.contains(QStringLiteral("Vorelle: MONTE-CARLO\nJoueur: JOUEUR\nTemps de jeu: "
                                             "00:02:05\nNbre de cartes restantes: %1\nRésultat "
                                             "de la partie: %2\n\n")
                                  .arg(atJouer ? 2 : 1)
                                  .arg(won ? QStringLiteral("GAGNE") : QStringLiteral("PERDU"))),
                 qPrintable(log));
        QVERIFY(!f.app.state.gameInProgress);
        // Yes deals again and waits for JOUER; No leaves only DISTRIBUER to go on.
        QCOMPARE(f.rules->deals, again ? 2 : 1);
        QCOMPARE(f.form->Boutons[0]->isEnabled(), again);
        QCOMPARE(f.form->Boutons[0]->isDefault(), again);
        QCOMPARE(f.form->Boutons[1]->isDefault(), !again);
        if (!again) {
            QCOMPARE(f.form->lblInfo->text(),
                     QStringLiteral("Appuyez sur le bouton DISTRIBUER pour commencer une "
                                    "nouvelle partie."));
            const TableModel ended = f.rules->table();
            f.rules->click(ProbeRules::Winner); // the cards are deaf once the game is over
            QCOMPARE(f.rules->table(), ended);
        }
    }

    void aLogThatCannotBeWrittenIsReported()
    {
        Fixture f;
        f.app.state.logFolder = f.app.dir.filePath(QStringLiteral("absent/"));
        f.form->Boutons_Click(0);
        f.form->Tapis->motion()->finish(); // no card turning over while the table is compared
        f.app.dialogs.answers = {false};
        // The table behind the message already shows the last move: the card it took away.
        const auto table = [&f] {
            QImage image(f.form->Tapis->size(), QImage::Format_ARGB32);
            f.form->Tapis->render(&image, {}, {}, QWidget::DrawWindowBackground);
            return image;
        };
        QImage behind;
        f.app.dialogs.onShow = [&](const FakeDialogs::Shown &) {
            if (behind.isNull())
                behind = table();
        };
        f.rules->click(ProbeRules::Winner);
        QCOMPARE(behind, table());
        QCOMPARE(f.app.dialogs.shown.size(), 2);
        QVERIFY(f.app.dialogs.shown.first().text.startsWith(
            QStringLiteral("Impossible d'enregistrer la partie")));
        QCOMPARE(f.app.dialogs.shown.first().icon, UserDialogs::Icon::Exclamation);
        QVERIFY(!f.app.state.gameInProgress);
    }

    void quitterClosesTheWindowAndRegles()
    {
        Fixture f;
        f.form->Boutons_Click(2);
        QCOMPARE(f.app.dialogs.last().title, QStringLiteral("fichier d'aide absent"));
        QVERIFY(f.app.dialogs.last().text.contains(QStringLiteral("[montecarlo.htm]")));
        f.form->Boutons_Click(3);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.area.subWindowList().isEmpty() || !f.sub->isVisible());
    }

    // At every size the controls stay apart, the cards keep their proportions, and the table
    // keeps its pictures drawn at the size it shows them, no others.
    void controlsAndPicturesFollowTheSize()
    {
        Fixture f;
        f.form->Boutons_Click(0);          // one card face up, one face down
        f.form->Tapis->motion()->finish(); // the face is drawn once it has turned over
        for (const QSize size : {QSize(800, 600), QSize(1600, 1000), QSize(820, 1200)}) {
            f.area.resize(size);
            QCoreApplication::processEvents();
            const auto &b = f.form->Boutons;
            for (std::size_t i = 0; i < b.size(); ++i) {
                QVERIFY(!b[i]->geometry().intersects(f.form->lblInfo->geometry()));
                QVERIFY(f.form->Tapis->rect().contains(b[i]->geometry()));
                for (std::size_t j = i + 1; j < b.size(); ++j)
                    QVERIFY(!b[i]->geometry().intersects(b[j]->geometry()));
            }
            const QRect card = f.form->Tapis->toPixels(f.rules->table().at(1).rect);
            QVERIFY(!card.intersects(f.form->lblInfo->geometry()));
            QVERIFY(qAbs(card.width() * 1455.0 / card.height() - 1095.0) < 25.0);
            f.form->Tapis->grab();
            QCOMPARE(f.form->Tapis->renderings().count(), 2);
        }
    }

    // The longest prompts of the skeleton and of each game show whole inside their box, clear
    // of its border, at every size of the window from its smallest up; run again at several
    // scale factors of the screen (see CMakeLists.txt).
    void promptsFitTheirLabelInEveryGame()
    {
        TestApp app;
        FakeMainLink main;
        for (const GameInfo &game : GameCatalog::all()) {
            const QString name = QString::fromUtf8(game.menuName);
            const QStringList prompts =
                longestPrompts(name, app.dir.filePath(QStringLiteral("play.ini")));
            GameForm form(game, app.context, main);
            form.show();
            const QList<QSize> sizes{form.minimumSize(), form.sizeHint(),   QSize(800, 560),
                                     QSize(1024, 700),   QSize(1600, 1000), QSize(1920, 1200),
                                     QSize(700, 1000)};
            for (const QSize size : sizes) {
                form.resize(size);
                for (const QString &prompt : prompts) {
                    form.setPrompt(prompt);
                    const QString where = name + u' ' + QString::number(size.width()) + u'x' +
                                          QString::number(size.height()) + u' ' + prompt;
                    QVERIFY2(showsWholeText(form.lblInfo), qPrintable(where));
                    QVERIFY2(clearOfTheBorder(form.lblInfo), qPrintable(where));
                }
            }
        }
    }

    // The table picture and the card back are read with the options dialog's limits: what that
    // refuses shows the table colour and the built-in back.
    void picturesTheOptionsRefuseAreNotShown()
    {
        Fixture f;
        QImage wide(8193, 2, QImage::Format_RGB32);
        wide.fill(Qt::red);
        const QString table = f.app.dir.filePath(QStringLiteral("large.png"));
        QVERIFY(wide.save(table));
        f.app.set(Settings::ImageDeFond, table);
        f.app.set(Settings::Fond, QStringLiteral("32768"));
        f.app.set(Settings::DosDesCartes,
                  f.app.createFile(QStringLiteral("dos.gif"), QByteArray(512, '\x9c')));
        f.form->ApplyWindowLook();
        const QImage shown = f.form->Tapis->grab().toImage();
        QCOMPARE(QColor(shown.pixel(shown.width() - 2, shown.height() - 2)), QColor(0, 128, 0));
        const QRect back = f.form->Tapis->toPixels(f.rules->table().at(ProbeRules::Loser).rect);
        const QImage builtIn = Pictures::pixmap(QStringLiteral("DOS"), back.size()).toImage();
        QCOMPARE(shown.pixel(back.center()), builtIn.pixel(back.center() - back.topLeft()));
    }

    void handPointerFollowsTheRules()
    {
        Fixture f;
        CardTable *table = f.form->Tapis;
        const auto moveTo = [table](QPoint at) { MouseGestures::hover(table, at); };
        const QPoint card = table->toPixels(f.rules->table().at(ProbeRules::Winner).rect).center();
        moveTo(card);
        QCOMPARE(table->cursor().shape(), Qt::ArrowCursor);
        f.form->Boutons_Click(0);
        moveTo(card);
        QCOMPARE(table->cursor().shape(), Qt::BitmapCursor);
        moveTo(QPoint(2, 2)); // the bare table: the rules hear it too, to clear their marks
        QCOMPARE(table->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.rules->hovered, -1);
    }
};

QTEST_MAIN(TestGameForm)
#include "tst_gameform.moc"
