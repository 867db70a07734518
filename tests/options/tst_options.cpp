// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/clicklabel.h"
#include "options/frmoptions.h"
#include "settings/settingkeys.h"
#include "shared/colours.h"
#include "testapp.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A 40 x 30 picture encoded by Qt in the given format.
QByteArray encoded(const char *format)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

struct OptionsApp : TestApp {
    using TestApp::TestApp;
    QString picture(const QString &name) { return createFile(name, encoded("PNG")); }
    // Every value of the settings file, by "section/key".
    QMap<QString, QString> snapshot() const
    {
        QSettings ini(settings.path(), QSettings::IniFormat);
        QMap<QString, QString> values;
        for (const QString &key : ini.allKeys())
            values.insert(key, ini.value(key).toString());
        return values;
    }
    // The messages shown, as "title: text".
    QStringList messages() const
    {
        QStringList texts;
        for (const FakeDialogs::Shown &shown : dialogs.shown)
            texts.append(shown.title + u": "_s + shown.text);
        return texts;
    }
};

// What the four pages show, separated by '|'.
QString shown(const frmOptions &dlg)
{
    auto tag = [](const QWidget *preview) { return preview->property("tag").toString(); };
    auto colourOf = [](const QWidget *square) {
        return QString::number(ValueFromColour(square->palette().color(QPalette::Window)));
    };
    const QListWidgetItem *game = dlg.lstVorelles->currentItem();
    const QString ticked = dlg.chkNomJoueur->isChecked() ? u"coché"_s : QString();
    return QStringList{dlg.lstMelange->currentText(),   tag(dlg.imgCarte),
                       dlg.lblFichierCarte->text(),     tag(dlg.imgFond),
                       dlg.lblCheminImage->text(),      colourOf(dlg.lblCouleurTapis),
                       game ? game->text() : QString(), dlg.lblNomVorelle->text(),
                       dlg.txtNomJoueur->text(),        ticked,
                       colourOf(dlg.lblCouleurs[0]),    colourOf(dlg.lblCouleurs[1])}
        .join(u'|');
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Until a "&Valider", nothing is written: not on opening, whatever is stored, nor by the
    // "Défaut" buttons, refused colours, cancelled dialogs or "&Quitter".
    void nothingIsWrittenWithoutValider()
    {
        OptionsApp app(false);                    // neither CARTES.RES nor BOIS.GIF
        app.set(Settings::NomParDefaut, u"-1"_s); // a tick that is neither 0 nor 1
        auto before = app.snapshot();
        {
            frmOptions dlg(app.context);
            dlg.cmdTapiDefaut->click();
            app.dialogs.colourAnswers = {ColourFromValue(14737632), std::nullopt, std::nullopt};
            QTest::mouseClick(dlg.lblCouleurs[0], Qt::LeftButton);
            QTest::mouseClick(dlg.lblCouleurs[1], Qt::LeftButton);
            QTest::mouseClick(dlg.lblCouleurTapis, Qt::LeftButton);
            dlg.cmdChangerImage->click();
            QTest::mouseDClick(dlg.imgCarte, Qt::LeftButton);
            QCOMPARE(shown(dlg), u"10|défaut|Fichier:||Fichier: |32768||Aucune|INCONNU(E)|coché|0|"
                                 u"14737632"_s);
            // Both file dialogs opened in the application folder.
            QCOMPARE(app.dialogs.fileDialogs.value(1).section(u'|', 1, 1), app.state.appFolder);
            QTest::mouseClick(dlg.lblMenu[3], Qt::LeftButton);
            QVERIFY(dlg.fraOptions[0]->isHidden() && !dlg.fraOptions[3]->isHidden());
        }
        const QString cannot = u" est introuvable. Impossible de remettre l'image par défaut."_s;
        QCOMPARE(
            app.messages(),
            (QStringList{u"Information: Le fichier CARTES.RES"_s + cannot,
                         u"ERREUR: Une erreur est intervenue lors de l'accès aux paramètres."_s,
                         u"Information: Le fichier BOIS.GIF"_s + cannot,
                         u"Information: La couleur que vous avez choisi ne peut être "
                         u"affichée. Cette couleur est déja utilisée pour un objet qui "
                         u"pourrait entrainer une incohérence d'affichage"_s}));
        QCOMPARE(app.snapshot(), before);

        app.dialogs.shown.clear();
        app.createFile(u"cartes.res"_s);
        const QString back = app.picture(u"dos.png"_s), table = app.picture(u"fond.png"_s);
        const QString bois = app.picture(u"bois.gif"_s);
        const std::pair<const char *, QString> stored[] = {
            {Settings::DosDesCartes, back},    {Settings::ImageDeFond, table},
            {Settings::Melange, "35"},         {Settings::Fond, "12"},
            {Settings::Demarrage, "Duo"},      {Settings::NomDuJoueur, ""},
            {Settings::NomParDefaut, "0"},     {Settings::CouleurTexteEtat, "rouge"},
            {Settings::CouleurFondEtat, "255"}};
        for (const auto &[key, value] : stored)
            app.set(key, value);
        before = app.snapshot();
        {
            frmOptions dlg(app.context);
            QCOMPARE(shown(dlg), u"20|%1|Fichier: %1|%2|Fichier: %2|12|Duo|Duo|INCONNU(E)||0|"
                                 u"255"_s.arg(back, table));
            for (QPushButton *button : {dlg.cmdReinitCarte, dlg.cmdTapiDefaut,
                                        dlg.cmdDefautDemarrage, dlg.cmdReinitCouleurs})
                button->click();
            QCOMPARE(shown(dlg), u"20|défaut|Fichier : défaut|%1|Fichier : %1|32768||Aucune|"
                                 u"INCONNU(E)|coché|0|14737632"_s.arg(bois));
            dlg.cmdFermer->click();
        }
        QCOMPARE(app.messages(), QStringList());
        QCOMPARE(app.snapshot(), before);
    }

    void eachValiderWritesOnlyItsPage()
    {
        OptionsApp app;
        frmOptions dlg(app.context);
        // The settings the button changes, as "key=value".
        auto validate = [&](QPushButton *button) {
            const auto before = app.snapshot();
            button->click();
            QStringList changed;
            for (const auto &[key, value] : app.snapshot().asKeyValueRange())
                if (before.value(key) != value)
                    changed.append(key.section(u'/', 1) + u'=' + value);
            return changed;
        };

        const QString back = app.picture(u"dos.png"_s);
        app.dialogs.fileAnswers = {back};
        dlg.cmdChangerCarte->click();
        dlg.lstMelange->setCurrentIndex(0);
        QCOMPARE(validate(dlg.cmdValiderCarte),
                 (QStringList{u"dos des cartes="_s + back, u"melange=0"_s}));
        QCOMPARE(app.state.shuffleRounds, qint16(0));
        QCOMPARE(app.messages(), QStringList{u"VORELLES: L'image choisie pour le dos des cartes "
                                             u"sera affichée lors du lancement du prochain jeu de "
                                             u"vorelle"_s});

        // A chosen picture that disappears before "&Valider" is not stored; the colour is.
        app.dialogs.fileAnswers = {back};
        dlg.cmdChangerImage->click();
        QFile::remove(back);
        app.dialogs.colourAnswers = {QColor(1, 2, 3), QColor(255, 255, 255), QColor(0, 0, 255)};
        QTest::mouseClick(dlg.lblCouleurTapis, Qt::LeftButton);
        QCOMPARE(validate(dlg.cmdValiderImage), QStringList{u"fond=197121"_s});
        QCOMPARE(app.messages().constLast(),
                 u"Avertissement: Le chemin d'accès à l'image ne semble pas valide."_s);
        dlg.cmdReinitImage->click();
        QCOMPARE(validate(dlg.cmdValiderImage), QStringList{u"image de fond="_s});

        dlg.lstVorelles->setCurrentRow(3);
        QCOMPARE(validate(dlg.cmdValiderDemarrage),
                 QStringList{u"demarrage="_s + dlg.lstVorelles->item(3)->text()});
        dlg.cmdDefautDemarrage->click();
        QCOMPARE(validate(dlg.cmdValiderDemarrage), QStringList{u"demarrage=Aucune"_s});

        dlg.txtNomJoueur->clear();
        QTest::keyClicks(dlg.txtNomJoueur, u"  elise b "_s);
        dlg.chkNomJoueur->setChecked(false);
        QTest::mouseClick(dlg.lblCouleurs[0], Qt::LeftButton);
        QTest::mouseClick(dlg.lblCouleurs[1], Qt::LeftButton);
        QCOMPARE(validate(dlg.cmdValiderCouleurs),
                 (QStringList{u"animer les deplacements=1"_s, u"couleur fond etat=16711680"_s,
                              u"couleur texte etat=16777215"_s, u"nom du joueur=ELISE B"_s,
                              u"nom par defaut=0"_s}));
        // Every record of the log holds the name: it is kept to 64 characters.
        QTest::keyClicks(dlg.txtNomJoueur, QString(70, u'z'));
        QCOMPARE(validate(dlg.cmdValiderCouleurs),
                 QStringList{u"nom du joueur=ELISE B "_s + QString(54, u'Z')});
    }

    // A settings file without the shuffle count shows and keeps its default, as a deal reads it.
    void aMissingShuffleCountIsItsDefault()
    {
        OptionsApp app;
        QSettings(app.settings.path(), QSettings::IniFormat).remove(u"parametres/melange"_s);
        app.settings = SettingsStore(app.settings.path(), app.state.appFolder);
        frmOptions dlg(app.context);
        QCOMPARE(dlg.lstMelange->currentText(), u"10"_s);
        dlg.cmdValiderCarte->click();
        QCOMPARE(app.snapshot().value(u"parametres/melange"_s), u"10"_s);
        QCOMPARE(app.state.shuffleRounds, qint16(10));
    }

    // The name box shows a long name whole, and the dialog ends where its pages end.
    void diversNameBoxAndDialogSize()
    {
        OptionsApp app;
        frmOptions dlg(app.context);
        dlg.show();
        dlg.lblMenu_Click(3);
        QLineEdit *name = dlg.txtNomJoueur;
        QVERIFY(name->isVisible());
        QVERIFY(name->width() > name->fontMetrics().horizontalAdvance(u"JEAN-CHRISTOPHE"_s) + 8);
        const int pagesEnd =
            dlg.fraOptions[3]->mapTo(&dlg, QPoint(dlg.fraOptions[3]->width(), 0)).x();
        QCOMPARE(dlg.width() - pagesEnd, dlg.layout()->contentsMargins().right());
    }

    void storedAndChosenPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%1'/>";
        QTest::newRow("jpeg") << u"a.jpeg"_s << encoded("JPG");
        QTest::newRow("dib") << u"a.dib"_s << encoded("BMP");
        QTest::newRow("ico") << u"a.ico"_s << encoded("ICO");
        QTest::newRow("svg") << u"a.svg"_s << QByteArray(svg).replace("%1", "40");
        QTest::newRow("corrupt gif") << u"x.gif"_s << QByteArray(4096, '\x9c');
        QTest::newRow("metafile") << u"x.wmf"_s << QByteArray(4096, '\x9c');
        QTest::newRow("huge svg") << u"x.svg"_s << QByteArray(svg).replace("%1", "100000");
    }
    // Stored, a picture shows on opening; chosen, it shows on each page, after a good one that
    // a refused one must not leave behind. Neither writes a setting.
    void storedAndChosenPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        OptionsApp app;
        const QString good = app.picture(u"good.png"_s);
        const QString path = app.createFile(name, content);
        app.set(Settings::DosDesCartes, path);
        app.set(Settings::ImageDeFond, path);
        const auto before = app.snapshot();
        frmOptions dlg(app.context);
        const bool readable = name.startsWith(u'a');
        const QString previews = readable ? u"%1|Fichier: %1|%1|Fichier: %1"_s.arg(path)
                                          : u"défaut|Fichier : défaut||Fichier: "_s;
        QCOMPARE(shown(dlg).section(u'|', 1, 4), previews);
        app.dialogs.fileAnswers = {good, path, good, path};
        for (QPushButton *button :
             {dlg.cmdChangerCarte, dlg.cmdChangerCarte, dlg.cmdChangerImage, dlg.cmdChangerImage})
            button->click();
        QCOMPARE(shown(dlg).section(u'|', 1, 4), previews);
        QCOMPARE(app.snapshot(), before);
        const QString loadError = u"ERREUR: Une erreur est intervenue lors de l'accès aux "
                                  u"paramètres. L'image par défaut a été restaurée."_s;
        const QString error = u"ERREUR: Erreur inattendue lors de l'éxécution du programme. "_s;
        QCOMPARE(app.messages(),
                 (readable ? QStringList()
                           : QStringList{loadError, loadError,
                                         error + u"L'image ne peut être affichée."_s,
                                         error + u"L'image e peut être affichée."_s}));
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
