#include "fakemainlink.h"
#include "games/frmPoussePousse/poussepousserules.h"
#include "games/gamecatalog.h"
#include "games/gameform.h"
#include "testapp.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

using Rules = PoussePousseRules;

class TestPoussePousseWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void suitListSavesDealsAndWaitsOutTheGame()
    {
        TestApp app;
        BuildCardTables(app.state); // the main window's load does it in the program
        FakeMainLink main;
        GameForm form(*GameCatalog::byMenuName(QStringLiteral("Pousse-pousse")), app.context, main,
                      MakePoussePousseRules);
        const auto stored = [&app] {
            return app.settings.read(QStringLiteral("POUSSE-POUSSE"), QStringLiteral("famille"));
        };
        // The suit of every card in the grid, once each.
        const auto dealtSuits = [&form] {
            QStringList suits;
            for (int i = 0; i < Rules::Places; ++i) {
                const QString &code = form.rules().table().at(Rules::FirstPlace + i).card;
                if (!code.isEmpty() && !suits.contains(Cards::SuitKey(code)))
                    suits.append(Cards::SuitKey(code));
            }
            return suits;
        };
        auto *list = qobject_cast<QComboBox *>(form.control(QStringLiteral("cboFamille")));
        auto *caption = qobject_cast<QLabel *>(form.control(QStringLiteral("Label1")));
        QVERIFY(list && caption);
        QCOMPARE(caption->text(), QStringLiteral("Famille:"));
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->currentText(), QStringLiteral("COEUR"));
        QCOMPARE(stored(), QStringLiteral("3"));

        list->activated(0); // what QComboBox emits when the player picks an entry
        QCOMPARE(stored(), QStringLiteral("0"));
        QCOMPARE(dealtSuits(), QStringList{QStringLiteral("PIQUE")});
        QCOMPARE(form.prompt(),
                 QStringLiteral("Appuyez sur le bouton JOUER pour commencer la partie."));

        form.Boutons_Click(0);
        QVERIFY(!list->isEnabled());
        app.dialogs.answers = {true};
        form.Boutons_Click(1);
        QVERIFY(list->isEnabled());
        QCOMPARE(list->currentText(), QStringLiteral("PIQUE"));
    }
};

QTEST_MAIN(TestPoussePousseWindow)
#include "tst_poussepousse_window.moc"
