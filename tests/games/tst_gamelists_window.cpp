#include "fakemainlink.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "games/gameregistry.h"
#include "testapp.h"

#include <QComboBox>
#include <QFontInfo>
#include <QTest>

// The drop-down lists of the games that keep a setting of their own, as the player uses them.
class TestGameListsWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void choiceIsKeptAndLockedDuringPlay_data()
    {
        QTest::addColumn<QString>("game");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored"); // after choosing the fifth entry
        QTest::addColumn<QString>("dealTitle");
        QTest::newRow("Carnaval à Rio") << "Carnaval à Rio"
                                        << "cboSecondes"
                                        << "temps"
                                        << "5"
                                        << "VORELLES";
        QTest::newRow("L'annonce") << "L'annonce"
                                   << "cboAnnonce"
                                   << "annonce"
                                   << "4"
                                   << "Nouvelle vorelle";
    }

    void choiceIsKeptAndLockedDuringPlay()
    {
        QFETCH(QString, game);
        QFETCH(QString, list);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, dealTitle);
        TestApp app;
        BuildCardTables(app.state); // the main window's load does it in the program
        FakeMainLink main;
        const GameInfo &info = *GameCatalog::byMenuName(game);
        const QString section = QString::fromUtf8(info.caption);
        const auto open = [&] {
            return std::make_unique<GameForm>(info, app.context, main,
                                              *GameRegistry::rulesFor(game));
        };
        {
            const auto form = open();
            auto *combo = qobject_cast<QComboBox *>(form->control(list));
            QVERIFY(combo && combo->isEnabled());
            combo->activated(4); // what QComboBox emits when the player picks an entry
            QCOMPARE(app.settings.read(section, key), stored);
            form->Boutons_Click(0);
            QVERIFY(!combo->isEnabled());
            app.dialogs.answers = {true};
            form->Boutons_Click(1);
            QCOMPARE(app.dialogs.last().title, dealTitle);
            QVERIFY(combo->isEnabled());
        }
        const auto reopened = open();
        QCOMPARE(qobject_cast<QComboBox *>(reopened->control(list))->currentIndex(), 4);
    }

    void courierNewLabelsStayMonospaced()
    {
        TestApp app;
        BuildCardTables(app.state);
        FakeMainLink main;
        const QString game = QStringLiteral("L'annonce");
        GameForm form(*GameCatalog::byMenuName(game), app.context, main,
                      *GameRegistry::rulesFor(game));
        QVERIFY(QFontInfo(form.control(QStringLiteral("lblAnnonce"))->font()).fixedPitch());
    }
};

QTEST_MAIN(TestGameListsWindow)
#include "tst_gamelists_window.moc"
