#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "settings/settingvalues.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunWritesElevenKeysOnce()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("vorelles.ini"));
        const QDate today(2026, 3, 7);
        {
            SettingsStore store(ini);
            QVERIFY(Settings::isFirstRun(store));
            QVERIFY(Settings::writeFirstRunSettings(store, today, QStringLiteral("/opt/v/")));
            QVERIFY(!Settings::isFirstRun(store));
        }
        QSettings raw(ini, QSettings::IniFormat);
        QCOMPARE(raw.childGroups(), QStringList{QStringLiteral("parametres")});
        raw.beginGroup(QStringLiteral("parametres"));
        const QMap<QString, QString> expected{
            {QStringLiteral("date de debut"), QStringLiteral("07/03/2026")},
            {QStringLiteral("dossier application"), QStringLiteral("/opt/v/")},
            {QStringLiteral("fond"), QStringLiteral("32768")},
            {QStringLiteral("image de fond"), QStringLiteral("/opt/v/bois.gif")},
            {QStringLiteral("dos des cartes"), QStringLiteral("défaut")},
            {QStringLiteral("nom du joueur"), QStringLiteral("INCONNU(E)")},
            {QStringLiteral("nom par defaut"), QStringLiteral("1")},
            {QStringLiteral("melange"), QStringLiteral("10")},
            {QStringLiteral("couleur fond etat"), QStringLiteral("14737632")},
            {QStringLiteral("couleur texte etat"), QStringLiteral("0")},
            {QStringLiteral("demarrage"), QStringLiteral("Aucune")},
        };
        QCOMPARE(raw.childKeys().size(), expected.size());
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            QCOMPARE(raw.value(it.key()).toString(), it.value());
        raw.endGroup();

        // A later start finds the date and leaves every value, even changed ones, alone.
        SettingsStore again(ini);
        again.write(QStringLiteral("parametres"), QStringLiteral("melange"), QStringLiteral("3"));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        QVERIFY(!Settings::isFirstRun(again));
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void readsTextAndMissingKeys()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("a.ini")));
        QCOMPARE(store.read(QStringLiteral("parametres"), QStringLiteral("absent")), QString());
        const QString tricky = QStringLiteral("C:\\x, y; \"z\" = é");
        QVERIFY(store.write(QStringLiteral("L'ANNONCE"), QStringLiteral("annonce"), tricky));
        SettingsStore reopened(dir.filePath(QStringLiteral("a.ini")));
        QCOMPARE(reopened.read(QStringLiteral("L'ANNONCE"), QStringLiteral("annonce")), tricky);
        QCOMPARE(Settings::gameDefault(Settings::PousseSection, Settings::PousseFamille),
                 QStringLiteral("3"));
        QCOMPARE(Settings::gameDefault(Settings::CarnavalSection, Settings::CarnavalTemps),
                 QStringLiteral("2"));
        QCOMPARE(Settings::gameDefault(Settings::AnnonceSection, Settings::AnnonceAnnonce),
                 QStringLiteral("0"));
    }

    void fileLivesUnderTheConfigFolderNamedAfterTheProgram()
    {
        qputenv("XDG_CONFIG_HOME", "/tmp/cfg");
        QCOMPARE(SettingsStore::defaultIniPath(QStringLiteral("vorelles")),
                 QStringLiteral("/tmp/cfg/vorelles/vorelles.ini"));
        qputenv("XDG_CONFIG_HOME", "");
        QVERIFY(SettingsStore::defaultIniPath(QStringLiteral("copie"))
                    .endsWith(QStringLiteral("/.config/copie/copie.ini")));
    }

    void unwritableFileIsReported()
    {
        // A folder standing where the file should be cannot be written, even by root.
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        QVERIFY(!store.write(QStringLiteral("parametres"), QStringLiteral("fond"),
                             QStringLiteral("1")));
        QCOMPARE(store.read(QStringLiteral("parametres"), QStringLiteral("absent")), QString());
    }

    void numbersReadLikeNumericLiterals()
    {
        using Settings::numericValue;
        QCOMPARE(numericValue(QString()), 0.0);
        QCOMPARE(numericValue(QStringLiteral("10")), 10.0);
        QCOMPARE(numericValue(QStringLiteral("  12abc")), 12.0);
        QCOMPARE(numericValue(QStringLiteral("-3.75x")), -3.75);
        QCOMPARE(numericValue(QStringLiteral("1e3")), 1000.0);
        QCOMPARE(numericValue(QStringLiteral("2e")), 2.0);
        QCOMPARE(numericValue(QStringLiteral("abc")), 0.0);
        QCOMPARE(numericValue(QStringLiteral(".5")), 0.5);
        QCOMPARE(numericValue(QStringLiteral("1e999")), 0.0);
        QCOMPARE(Settings::roundHalfEven(2.5, 0, 20), 2);
        QCOMPARE(Settings::roundHalfEven(3.5, 0, 20), 4);
        QCOMPARE(Settings::roundHalfEven(-1.0, 0, 20), 0);
        QCOMPARE(Settings::roundHalfEven(1e12, 0, 20), 20);
    }

    void coloursFallBackWhenUnreadable()
    {
        QCOMPARE(Settings::colourValue(QStringLiteral("14737632")), 14737632u);
        QCOMPARE(Settings::colourValue(QStringLiteral(" 0 ")), 0u);
        for (const char *bad : {"", "vert", "-1", "16777216", "12.5", "99999999999999999999"})
            QVERIFY2(!Settings::colourValue(QString::fromLatin1(bad)), bad);
        QCOMPARE(Settings::colourOr(QStringLiteral("rouge"), 32768u), 32768u);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
