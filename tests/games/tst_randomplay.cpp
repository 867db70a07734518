// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gamecatalog.h"
#include "randomplayer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

// Each session deals with its own seed and then deals again as often as the player asks.
constexpr int Sessions = 15;
constexpr int EventsPerSession = 4000;

class TestRandomPlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // Games write their own settings as they are played: a memory file system keeps that
        // from waiting on the disk.
        if (QDir(QStringLiteral("/dev/shm")).exists())
            m_dir.emplace(QStringLiteral("/dev/shm/vorelles-XXXXXX"));
        if (!m_dir || !m_dir->isValid())
            m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void everyGameKeepsItsCards_data()
    {
        QTest::addColumn<QString>("game");
        QVERIFY(!GameCatalog::all().empty());
        for (const GameInfo &game : GameCatalog::all())
            QTest::newRow(game.menuName) << QString::fromUtf8(game.menuName);
    }

    void everyGameKeepsItsCards()
    {
        QFETCH(QString, game);
        QVERIFY(GameCatalog::byMenuName(game));
        int ends = 0;
        for (int session = 1; session <= Sessions; ++session) {
            RandomPlayer player(game,
                                m_dir->filePath(game.toLatin1().toHex() + QStringLiteral(".ini")),
                                quint32(session));
            const QString failure = player.play(EventsPerSession);
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QStringLiteral("seed %1: %2").arg(session).arg(failure)));
            ends += player.ends();
        }
        qInfo("%s: %d games ended", qPrintable(game), ends);
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestRandomPlay)
#include "tst_randomplay.moc"
