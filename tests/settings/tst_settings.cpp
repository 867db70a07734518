#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "settings/settingvalues.h"
#include "support/childfaults.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

const QString Parametres = QString::fromLatin1(Settings::Parametres);

} // namespace

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

    void unreadableFilesAreKeptBeforeAnyWrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("guillemet non fermé")
            << QByteArray("[parametres]\ncouleur%20fond%20etat=\"14737632\n"
                          "date%20de%20debut=01/01/2020\nmelange=3\n");
        QTest::newRow("barre oblique inverse en fin de ligne")
            << QByteArray("[parametres]\nnom%20du%20joueur=JEAN\\\nmelange=3\n");
        QTest::newRow("section emportée")
            << QByteArray("[parametres]\nmelange=3\\\r\n[POUSSE-POUSSE]\r\nfamille=2\r\n");
        QTest::newRow("ligne sans clé") << QByteArray("[parametres]\nmelange=3\nbonjour\n");
        QTest::newRow("section non fermée") << QByteArray("[parametres\nmelange=3\n");
        QTest::newRow("clé introuvable") << QByteArray("[parametres]\n/melange=3\n");
        QTest::newRow("octets quelconques") << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff=[", 13);
    }

    void unreadableFilesAreKeptBeforeAnyWrite()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("vorelles.ini"));
        writeAll(ini, content);
        writeAll(ini + QStringLiteral(".illisible"), "une copie plus ancienne");
        SettingsStore store(ini);
        QVERIFY(store.unreadable());
        QVERIFY(!store.setParameter(Settings::Melange, QStringLiteral("4")));
        QCOMPARE(readAll(ini), content);

        const QString kept = store.setAsideUnreadable();
        QCOMPARE(kept, ini + QStringLiteral(".illisible-2"));
        QCOMPARE(readAll(kept), content);
        QCOMPARE(readAll(ini + QStringLiteral(".illisible")),
                 QByteArray("une copie plus ancienne"));
        QVERIFY(!store.unreadable());
        QVERIFY(Settings::isFirstRun(store));
        // The write reports its own outcome, whatever reading the old file went through.
        QVERIFY(Settings::writeFirstRunSettings(store, QDate(2026, 3, 7), QStringLiteral("/v/")));
        SettingsStore reopened(ini);
        QVERIFY(!reopened.unreadable());
        QCOMPARE(reopened.parameter(Settings::Melange), QStringLiteral("10"));
        QCOMPARE(reopened.parameter(Settings::DateDeDebut), QStringLiteral("07/03/2026"));
    }

    void handEditedFilesThatLoseNothingAreKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("commentaires")
            << QByteArray("; l'image \"bois\n[parametres]\nmelange=3 ; \"trois\nfond=1\n");
        QTest::newRow("valeur sur deux lignes")
            << QByteArray("[parametres]\nnom%20du%20joueur=\"A\nB\"\nmelange=3\n");
        QTest::newRow("fins de ligne Windows")
            << QByteArray("[parametres]\r\nmelange=3\r\n\r\n[POUSSE-POUSSE]\r\nfamille=2\r\n");
        QTest::newRow("barre oblique inverse en fin de fichier")
            << QByteArray("[parametres]\nmelange=3\\\n");
        QTest::newRow("clés écrites à la main")
            << QByteArray("[parametres]\n  date de debut = 01/02/2003\nnom du joueur=ÉLODIE\n");
        QTest::newRow("vide") << QByteArray();
    }

    void handEditedFilesThatLoseNothingAreKept()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("vorelles.ini"));
        writeAll(ini, content);
        SettingsStore store(ini);
        QVERIFY(!store.unreadable());
        QVERIFY(store.write(QStringLiteral("L'ANNONCE"), QStringLiteral("annonce"),
                            QStringLiteral("2")));
        QCOMPARE(store.setAsideUnreadable(), QString());
    }

    void valuesThatWouldBreakTheFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("vorelles.ini"));
        const QStringList names{
            QStringLiteral("\"JEAN"),         QStringLiteral("C:\\"),
            QStringLiteral("A\\\nB"),         QStringLiteral("LIGNE 1\nLIGNE 2\r\nLIGNE 3\r"),
            QStringLiteral(" ; [X] = \"Y\""), QStringLiteral("@Variant(X)"),
            QStringLiteral("A,B, C"),         QStringLiteral("\t\x01ÉLODIE ∑ 😀 "),
        };
        {
            SettingsStore store(ini);
            for (int i = 0; i < names.size(); ++i)
                QVERIFY(store.write(Parametres, QStringLiteral("nom %1").arg(i), names[i]));
            QVERIFY(store.setParameter(Settings::Melange, QStringLiteral("7")));
        }
        SettingsStore reopened(ini);
        QVERIFY(!reopened.unreadable());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(reopened.read(Parametres, QStringLiteral("nom %1").arg(i)), names[i]);
        QCOMPARE(reopened.parameter(Settings::Melange), QStringLiteral("7"));
    }

    void failedWritesLeaveTheFileAsItWas_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("disque plein") << qint64(0) << false;
        QTest::newRow("taille limitée") << qint64(100) << false;
        QTest::newRow("dossier en lecture seule") << qint64(-1) << true;
    }

    void failedWritesLeaveTheFileAsItWas()
    {
        QFETCH(qint64, limit);
        QFETCH(bool, readOnly);
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("vorelles.ini"));
        const QString fresh = dir.filePath(QStringLiteral("neuf.ini"));
        {
            SettingsStore store(ini);
            QVERIFY(Settings::writeFirstRunSettings(store, QDate(2026, 3, 7), dir.path()));
        }
        const QByteArray before = readAll(ini);
        QVERIFY(before.size() > 100);

        ChildFaults faults;
        faults.fileSizeLimit = limit < 0 ? RLIM_INFINITY : rlim_t(limit);
        faults.honourPermissions = readOnly;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QString outcome = RunInChild(faults, [&] {
            SettingsStore store(ini);
            SettingsStore first(fresh);
            QString seen;
            seen += store.setParameter(Settings::NomDuJoueur, QStringLiteral("ÉLODIE"))
                        ? QLatin1Char('+')
                        : QLatin1Char('-');
            seen += Settings::writeFirstRunSettings(first, QDate(2026, 3, 7), dir.path())
                        ? QLatin1Char('+')
                        : QLatin1Char('-');
            // Once the disk has room again, the next write says so.
            LiftFileSizeLimit();
            if (!readOnly)
                seen += store.setParameter(Settings::Melange, QStringLiteral("4"))
                            ? QLatin1Char('+')
                            : QLatin1Char('-');
            return seen;
        });
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(outcome, readOnly ? QStringLiteral("--") : QStringLiteral("--+"));
        if (readOnly)
            QCOMPARE(readAll(ini), before);
        else
            QVERIFY(readAll(ini) != before && !readAll(ini).contains("LODIE"));
        // Nothing is left behind but the settings files (the first keys fit under 100 bytes).
        QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        files.removeOne(QStringLiteral("neuf.ini"));
        QCOMPARE(files, QStringList{QStringLiteral("vorelles.ini")});
    }

    void aFileThatCannotBeOpenedIsKept()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("vorelles.ini"));
        writeAll(ini, "[parametres]\nmelange=3\n");
        QFile::setPermissions(ini, QFile::WriteOwner);
        ChildFaults faults;
        faults.honourPermissions = true;
        const QString kept = RunInChild(faults, [&] {
            SettingsStore store(ini);
            if (!store.unreadable() || store.setParameter(Settings::Melange, QStringLiteral("4")))
                return QString();
            return store.setAsideUnreadable();
        });
        QCOMPARE(kept, ini + QStringLiteral(".illisible"));
        QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readAll(kept), QByteArray("[parametres]\nmelange=3\n"));
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
