#include "games/dealnumber.h"
#include "games/gamehost.h"
#include "games/quiethost.h"
#include "games/rulesregistry.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/randomsource.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// One deal of a game (its table and the rules' variables, which hold the stock of some games),
// dealt on a program that has shuffled with its own seed and melange before: a numbered deal owes
// nothing to either.
RulesSnapshot dealt(const RulesFactory &game, quint32 number, quint32 seed, const QString &melange)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("t.ini")));
    settings.write(QStringLiteral("parametres"), QStringLiteral("melange"), melange);
    AppState state;
    BuildCardTables(state);
    SeededRandom random(seed);
    QuietHost host;
    std::unique_ptr<GameRules> rules = game({state, settings, random}, host);
    rules->Distribution();
    rules->deal(number);
    return rules->snapshot();
}

} // namespace

class TestDealNumber : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The generator is SplitMix64 and the deal function is fixed: these decks are the deals of
    // these numbers in every version.
    void vectors()
    {
        QCOMPARE(DealNumber::Generator(0).next(), 0xE220A8397B1DCDAFull);
        QCOMPARE(DealNumber::Generator(1).next(), 0x910A2DEC89025CC1ull);
        QCOMPARE(DealNumber::Deck(1, 52).join(QLatin1Char(',')),
                 QStringLiteral(
                     "10DECOEUR,7DECARREAU,7DECOEUR,3DETREFLE,VALETDECOEUR,3DECARREAU,ASDECOEUR,"
                     "9DECOEUR,2DECOEUR,9DECARREAU,8DECOEUR,8DEPIQUE,9DETREFLE,ROIDECARREAU,"
                     "6DETREFLE,ROIDEPIQUE,2DETREFLE,DAMEDEPIQUE,8DETREFLE,DAMEDECARREAU,"
                     "4DECARREAU,VALETDECARREAU,3DEPIQUE,5DETREFLE,3DECOEUR,4DECOEUR,ROIDECOEUR,"
                     "6DECARREAU,10DECARREAU,2DECARREAU,DAMEDETREFLE,ROIDETREFLE,4DEPIQUE,"
                     "VALETDETREFLE,9DEPIQUE,6DECOEUR,ASDEPIQUE,5DECOEUR,2DEPIQUE,7DEPIQUE,"
                     "DAMEDECOEUR,ASDECARREAU,6DEPIQUE,7DETREFLE,10DETREFLE,10DEPIQUE,ASDETREFLE,"
                     "8DECARREAU,VALETDEPIQUE,5DEPIQUE,4DETREFLE,5DECARREAU"));
        QCOMPARE(DealNumber::Deck(4294967295u, 52).mid(0, 4),
                 QStringList({"ASDEPIQUE", "ROIDECARREAU", "3DETREFLE", "6DEPIQUE"}));
        QCOMPARE(DealNumber::Deck(2026, 32).mid(0, 4),
                 QStringList({"VALETDETREFLE", "9DEPIQUE", "ASDETREFLE", "7DETREFLE"}));
    }

    void parse()
    {
        QCOMPARE(DealNumber::Parse(QStringLiteral(" 123 ")), 123u);
        QCOMPARE(DealNumber::Parse(QStringLiteral("4294967295")), 4294967295u);
        for (const char *bad : {"0", "4294967296", "-5", "12a", "", "1.5"})
            QCOMPARE(DealNumber::Parse(QString::fromLatin1(bad)), 0u);
    }

    // Every game deals the same table for the same number, whatever was shuffled before and
    // whatever the shuffle setting (the grid of Pousse-pousse and the retried deals of Stéphanie
    // draw from the number too); other numbers give other deals.
    void sameEverywhere_data()
    {
        QTest::addColumn<QString>("name");
        for (const RegisteredRules &rules : RulesRegistry::all())
            QTest::newRow(rules.menuName.toUtf8().constData()) << rules.menuName;
    }
    void sameEverywhere()
    {
        QFETCH(QString, name);
        const RulesFactory &game = *RulesRegistry::rulesFor(name);
        for (quint32 number : {1u, DealNumber::Last}) {
            const RulesSnapshot first = dealt(game, number, 1, QStringLiteral("10"));
            QVERIFY(dealt(game, number, 99, QStringLiteral("0")).samePosition(first));
            const quint32 other = number == DealNumber::Last ? number - 1 : number + 1;
            QVERIFY(!dealt(game, other, 1, QStringLiteral("10")).samePosition(first));
        }
    }
};

QTEST_GUILESS_MAIN(TestDealNumber)
#include "tst_dealnumber.moc"
