// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "settings/settingvalues.h"
#include "settings/storedkeys.h"
#include "support/childfaults.h"
#include "support/filebytes.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Parametres = QString::fromLatin1(Settings::Parametres);

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The first run writes every key at once; a later start finds the date and writes nothing.
    void firstRunWritesItsKeysOnce()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"vorelles.ini"_s);
        SettingsStore store(ini);
        QVERIFY(Settings::isFirstRun(store));
        QVERIFY(Settings::writeFirstRunSettings(store, QDate(2026, 3, 7), u"/opt/v/"_s));
        QCOMPARE(QSettings(ini, QSettings::IniFormat).allKeys().size(), 11);
        QCOMPARE(store.parameter(Settings::DateDeDebut), u"07/03/2026"_s);
        QCOMPARE(store.parameter(Settings::ImageDeFond), u"/opt/v/bois.gif"_s);
        QVERIFY(store.setParameter(Settings::Melange, u"3"_s));
        const QByteArray before = readBytes(ini);
        QVERIFY(!Settings::isFirstRun(store));
        QCOMPARE(readBytes(ini), before);

        // A folder standing where the file should be cannot be written, even by root.
        SettingsStore folder(dir.path());
        QVERIFY(!folder.write(Parametres, u"fond"_s, u"1"_s));
        QCOMPARE(folder.read(Parametres, u"fond"_s), u"32768"_s);
    }

    // A file Qt's reader would read only in part is never written over: it is set aside under a
    // name that keeps an older copy, and the store starts again. A hand-edited file that loses
    // nothing is kept and written.
    void unreadableFilesAreKeptBeforeAnyWrite_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("unreadable");
        QTest::newRow("guillemet non fermé")
            << QByteArray("[parametres]\ncouleur%20fond%20etat=\"14737632\n"
                          "date%20de%20debut=01/01/2020\nmelange=3\n")
            << true;
        QTest::newRow("barre oblique inverse en fin de ligne")
            << QByteArray("[parametres]\nnom%20du%20joueur=JEAN\\\nmelange=3\n") << true;
        QTest::newRow("section emportée")
            << QByteArray("[parametres]\nmelange=3\\\r\n[POUSSE-POUSSE]\r\nfamille=2\r\n") << true;
        QTest::newRow("section emportée par une fin de ligne à l'envers")
            << QByteArray("[parametres]\nmelange=3\\\n\r[POUSSE-POUSSE]\nfamille=2\n") << true;
        QTest::newRow("clé après un commentaire, sur une ligne emportée")
            << QByteArray("[parametres]\nnom=\"A\nB\" ; x\"=1\n") << true;
        QTest::newRow("ligne sans clé") << QByteArray("[parametres]\nmelange=3\nbonjour\n") << true;
        QTest::newRow("section non fermée") << QByteArray("[parametres\nmelange=3\n") << true;
        QTest::newRow("clé introuvable") << QByteArray("[parametres]\n/melange=3\n") << true;
        QTest::newRow("clé vide après la marque d'ordre")
            << QByteArray("\xef\xbb\xbf=3\n[parametres]\nmelange=3\n") << true;
        QTest::newRow("clé faite d'une marque d'ordre")
            << QByteArray("melange=3\n\xef\xbb\xbf=3\n") << true;
        QTest::newRow("clé lue comme une autre")
            << QByteArray("[parametres]\n\\melange=3\nmelange=4\n") << true;
        QTest::newRow("octets quelconques")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\xff=[", 13) << true;
        // Qt would decode these as data streams; the first names a list of 1.4 billion items.
        QTest::newRow("variant binaire")
            << QByteArray("[parametres]\nfond=@Variant(\\0\\0\\0\\tQColor)\nmelange=3\n") << true;
        QTest::newRow("variant binaire écrit en échappements, entre guillemets")
            << QByteArray("[parametres]\nmelange=3\nfond= \"\\x40Var\"iant(\\0\\0\\0\\t)\n")
            << true;
        QTest::newRow("date binaire dans une liste, après une marque d'ordre")
            << QByteArray("[parametres]\nfond=\"\"\xef\xbb\xbf@DateTime(\\0), 1 ; x\n") << true;
        QTest::newRow("commentaires")
            << QByteArray("; l'image \"bois\n[parametres]\nmelange=3 ; \"trois\nfond=1\n") << false;
        QTest::newRow("valeur sur deux lignes")
            << QByteArray("[parametres]\nnom%20du%20joueur=\"A\nB\"\nmelange=3\n") << false;
        QTest::newRow("fins de ligne Windows")
            << QByteArray("[parametres]\r\nmelange=3\r\n\r\n[POUSSE-POUSSE]\r\nfamille=2\r\n")
            << false;
        QTest::newRow("barre oblique inverse en fin de fichier")
            << QByteArray("[parametres]\nmelange=3\\\n") << false;
        QTest::newRow("clés écrites à la main")
            << QByteArray("[parametres]\n  date de debut = 01/02/2003\nnom du joueur=ÉLODIE\n")
            << false;
        QTest::newRow("marque d'ordre après une tabulation")
            << QByteArray("[parametres]\nnom=\"\t\xef\xbb\xbfX\"\n") << false;
        QTest::newRow("demi-caractère échappé")
            << QByteArray("[parametres]\nnom=A\\xdc00.\n") << false;
        QTest::newRow("vide") << QByteArray() << false;
    }

    void unreadableFilesAreKeptBeforeAnyWrite()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, unreadable);
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"vorelles.ini"_s);
        QVERIFY(writeBytes(ini, content));
        QVERIFY(writeBytes(ini + u".illisible"_s, "une copie plus ancienne"));
        SettingsStore store(ini);
        QCOMPARE(store.unreadable(), unreadable);
        QCOMPARE(store.setParameter(Settings::Melange, u"4"_s), !unreadable);
        if (!unreadable) {
            QCOMPARE(store.setAsideUnreadable(), QString());
            return;
        }
        QCOMPARE(readBytes(ini), content);
        const QString kept = store.setAsideUnreadable();
        QCOMPARE(kept, ini + u".illisible-2"_s);
        QCOMPARE(readBytes(kept), content);
        QCOMPARE(readBytes(ini + u".illisible"_s), "une copie plus ancienne");
        QVERIFY(!store.unreadable() && Settings::isFirstRun(store));
        QVERIFY(Settings::writeFirstRunSettings(store, QDate(2026, 3, 7), u"/v/"_s));
        SettingsStore reopened(ini);
        QVERIFY(!reopened.unreadable());
        QCOMPARE(reopened.parameter(Settings::Melange), u"10"_s);
    }

    void valuesThatWouldBreakTheFileRoundTrip()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"vorelles.ini"_s);
        const QStringList names{u"\"JEAN"_s,           u"C:\\"_s,           u"A\\\nB"_s,
                                u"L1\nL2\r\nL3\r"_s,   u" ; [X] = \"Y\""_s, u"@Variant(X)"_s,
                                u"A,B, C"_s,           u"A, @Variant(B)"_s, u"é@DateTime(C)"_s,
                                u"\t\x01ÉLODIE ∑ 😀 "_s};
        {
            SettingsStore store(ini);
            for (int i = 0; i < names.size(); ++i)
                QVERIFY(store.write(Parametres, u"nom %1"_s.arg(i), names[i]));
            QVERIFY(store.setParameter(Settings::Melange, u"7"_s));
            // Written after an escape, a byte order mark would be dropped on reading.
            QVERIFY(store.write(Parametres, u"marque"_s, u"\a\uFEFFX"_s));
            QVERIFY(store.write(u"L'ANNONCE"_s, u"annonce"_s, u"2"_s));
        }
        SettingsStore reopened(ini);
        QVERIFY(!reopened.unreadable());
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(reopened.read(Parametres, u"nom %1"_s.arg(i)), names[i]);
        QCOMPARE(reopened.parameter(Settings::Melange), u"7"_s);
        QCOMPARE(reopened.read(Parametres, u"marque"_s), u"\aX"_s);
        QCOMPARE(reopened.read(u"L'ANNONCE"_s, u"annonce"_s), u"2"_s);
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
        const QString ini = dir.filePath(u"vorelles.ini"_s);
        {
            SettingsStore store(ini);
            QVERIFY(Settings::writeFirstRunSettings(store, QDate(2026, 3, 7), dir.path()));
        }
        const QByteArray before = readBytes(ini);
        QVERIFY(before.size() > 100);

        ChildFaults faults;
        faults.fileSizeLimit = limit < 0 ? RLIM_INFINITY : rlim_t(limit);
        faults.honourPermissions = readOnly;
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const QString outcome = RunInChild(faults, [&] {
            SettingsStore store(ini);
            SettingsStore first(dir.filePath(u"neuf.ini"_s));
            const auto sign = [](bool done) { return done ? u'+' : u'-'; };
            QString seen{sign(store.setParameter(Settings::NomDuJoueur, u"ÉLODIE"_s))};
            seen += sign(Settings::writeFirstRunSettings(first, QDate(2026, 3, 7), dir.path()));
            // Once the disk has room again, the next write says so.
            LiftFileSizeLimit();
            if (!readOnly)
                seen += sign(store.setParameter(Settings::Melange, u"4"_s));
            return seen;
        });
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(outcome, readOnly ? u"--"_s : u"--+"_s);
        if (readOnly)
            QCOMPARE(readBytes(ini), before);
        else
            QVERIFY(readBytes(ini) != before && !readBytes(ini).contains("LODIE"));
        // Nothing is left behind but the settings files (the first keys fit under 100 bytes).
        QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        files.removeOne(u"neuf.ini"_s);
        QCOMPARE(files, QStringList{u"vorelles.ini"_s});
    }

    void aFileThatCannotBeOpenedIsKept()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"vorelles.ini"_s);
        QVERIFY(writeBytes(ini, "[parametres]\nmelange=3\n"));
        QFile::setPermissions(ini, QFile::WriteOwner);
        ChildFaults faults;
        faults.honourPermissions = true;
        const QString kept = RunInChild(faults, [&] {
            SettingsStore store(ini);
            if (!store.unreadable() || store.setParameter(Settings::Melange, u"4"_s))
                return QString();
            return store.setAsideUnreadable();
        });
        QCOMPARE(kept, ini + u".illisible"_s);
        QFile::setPermissions(kept, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(readBytes(kept), "[parametres]\nmelange=3\n");
    }

    void keysOfTheTableReadAsTheirDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("read");
        const QByteArray other = "[parametres]\nfond=1\n";
        QTest::newRow("mélange absent") << other << Parametres << u"melange"_s << u"10"_s;
        QTest::newRow("mélange vide")
            << QByteArray("[parametres]\nmelange=\n") << Parametres << u"melange"_s << u"10"_s;
        QTest::newRow("mélange illisible")
            << QByteArray("[parametres]\nmelange=dix\n") << Parametres << u"melange"_s << u"10"_s;
        QTest::newRow("mélange lisible tel quel") << QByteArray("[parametres]\nmelange=3 tours\n")
                                                  << Parametres << u"melange"_s << u"3 tours"_s;
        QTest::newRow("case du nom absente")
            << other << Parametres << u"nom par defaut"_s << u"1"_s;
        QTest::newRow("couleur illisible")
            << QByteArray("[parametres]\ncouleur%20texte%20etat=rouge\n") << Parametres
            << u"couleur texte etat"_s << u"0"_s;
        QTest::newRow("image absente")
            << other << Parametres << u"image de fond"_s << u"/v/bois.gif"_s;
        QTest::newRow("sans image") << QByteArray("[parametres]\nimage%20de%20fond=\n")
                                    << Parametres << u"image de fond"_s << QString();
        QTest::newRow("démarrage vide") << QByteArray("[parametres]\ndemarrage=\n") << Parametres
                                        << u"demarrage"_s << u"Aucune"_s;
        QTest::newRow("famille illisible") << QByteArray("[POUSSE-POUSSE]\nfamille=deux\n")
                                           << u"POUSSE-POUSSE"_s << u"famille"_s << u"3"_s;
        // Without the date, the program has never run.
        QTest::newRow("date absente") << other << Parametres << u"date de debut"_s << QString();
        QTest::newRow("clé hors de la table") << other << Parametres << u"autre"_s << QString();
    }

    // A key of the settings table reads as its default while it is missing or holds a text of
    // the wrong kind; a text of the right kind is read as it stands.
    void keysOfTheTableReadAsTheirDefaults()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, read);
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"vorelles.ini"_s);
        QVERIFY(writeBytes(ini, content));
        const SettingsStore store(ini, u"/v/"_s);
        QVERIFY(!store.unreadable());
        QCOMPARE(store.read(section, key), read);
    }

    void numbersAndColoursReadSafely()
    {
        const std::pair<const char *, double> numbers[] = {
            {"", 0.0},   {"  12abc", 12.0}, {"-3.75x", -3.75}, {"1e3", 1000.0},
            {"2e", 2.0}, {"abc", 0.0},      {".5", 0.5},       {"1e999", 0.0}};
        for (const auto &[text, value] : numbers)
            QCOMPARE(Settings::numericValue(QString::fromLatin1(text)), value);
        QCOMPARE(Settings::roundHalfEven(1e12, 0, 20), 20);
        QCOMPARE(Settings::colourValue(u" 0 "_s), 0u);
        for (const char *bad : {"", "vert", "-1", "16777216", "12.5", "99999999999999999999"})
            QVERIFY2(!Settings::colourValue(QString::fromLatin1(bad)), bad);
        QCOMPARE(Settings::colourOr(u"rouge"_s, 32768u), 32768u);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
