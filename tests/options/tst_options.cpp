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
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QTest>

namespace {

const QString ReadError = QStringLiteral("ERREUR: Une erreur est intervenue lors de l'accès aux "
                                         "paramètres. L'image par défaut a été restaurée.");

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

QByteArray svg(int width, int height)
{
    return QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%2'>"
                          "<rect width='9' height='9'/></svg>")
        .arg(width)
        .arg(height)
        .toUtf8();
}

// The main window sets the cards file path at start; the dialog relies on it.
struct OptionsApp : TestApp {
    explicit OptionsApp(bool withCardsFile = true) : TestApp(withCardsFile)
    {
        state.cardsFilePath = state.appFolder + QStringLiteral("cartes.res");
    }
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
            texts.append(shown.title + QStringLiteral(": ") + shown.text);
        return texts;
    }
};

quint32 colourOf(const QWidget *widget)
{
    return ValueFromColour(widget->palette().color(QPalette::Window));
}

QString tag(const QWidget *preview)
{
    return preview->property("tag").toString();
}

} // namespace

class TestOptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensWithFirstRunValuesOnPageCartes()
    {
        OptionsApp app;
        const auto before = app.snapshot();
        frmOptions dlg(app.context);
        QCOMPARE(dlg.lstMelange->count(), 21);
        QCOMPARE(dlg.lstMelange->currentText(), QStringLiteral("10"));
        QCOMPARE(tag(dlg.imgCarte), QStringLiteral("défaut"));
        QCOMPARE(dlg.lblFichierCarte->text(), QStringLiteral("Fichier : défaut"));
        // bois.gif is not in the test folder: the table starts without a picture.
        QCOMPARE(tag(dlg.imgFond), QString());
        QCOMPARE(colourOf(dlg.lblCouleurTapis), 32768u);
        QCOMPARE(dlg.txtNomJoueur->text(), QStringLiteral("INCONNU(E)"));
        QVERIFY(dlg.chkNomJoueur->isChecked());
        QCOMPARE(colourOf(dlg.lblCouleurs[0]), 0u);
        QCOMPARE(colourOf(dlg.lblCouleurs[1]), 14737632u);
        QCOMPARE(dlg.lstVorelles->count(), 16);
        QCOMPARE(dlg.lstVorelles->item(15)->text(), QStringLiteral("Stéphanie"));
        QCOMPARE(dlg.lstVorelles->currentRow(), -1);
        QCOMPARE(dlg.lblNomVorelle->text(), QStringLiteral("Aucune"));
        QCOMPARE(app.messages(), QStringList());
        QCOMPARE(app.snapshot(), before);

        for (int page : {0, 3}) {
            QTest::mouseClick(dlg.lblMenu[std::size_t(page)], Qt::LeftButton);
            for (int k = 0; k < 4; ++k) {
                const QLabel *tab = dlg.lblMenu[std::size_t(k)];
                QCOMPARE(dlg.fraOptions[std::size_t(k)]->isHidden(), k != page);
                QCOMPARE(colourOf(tab), k == page ? 16761024u : 16777215u);
                QCOMPARE(tab->palette().color(QPalette::WindowText),
                         k == page ? QColor(Qt::white) : QColor(Qt::black));
                QCOMPARE(tab->font().bold(), k == page);
            }
        }
    }

    void opensWithStoredChoicesAndSurvivesUnreadableOnes()
    {
        OptionsApp app;
        const QString back = app.picture(QStringLiteral("dos.png"));
        const QString table = app.picture(QStringLiteral("fond.png"));
        app.set(Settings::DosDesCartes, back);
        app.set(Settings::ImageDeFond, table);
        app.set(Settings::Melange, QStringLiteral("35"));
        app.set(Settings::Demarrage, QStringLiteral("Duo"));
        app.set(Settings::NomDuJoueur, QString());
        app.set(Settings::NomParDefaut, QStringLiteral("0"));
        app.set(Settings::CouleurTexteEtat, QStringLiteral("rouge"));
        {
            frmOptions dlg(app.context);
            QCOMPARE(tag(dlg.imgCarte), back);
            QCOMPARE(dlg.lblFichierCarte->text(), QStringLiteral("Fichier: ") + back);
            QCOMPARE(tag(dlg.imgFond), table);
            QCOMPARE(dlg.lblCheminImage->text(), QStringLiteral("Fichier: ") + table);
            QCOMPARE(dlg.lstMelange->currentText(), QStringLiteral("20"));
            QCOMPARE(dlg.lstVorelles->currentItem()->text(), QStringLiteral("Duo"));
            QCOMPARE(dlg.lblNomVorelle->text(), QStringLiteral("Duo"));
            QCOMPARE(dlg.txtNomJoueur->text(), QStringLiteral("INCONNU(E)"));
            QVERIFY(!dlg.chkNomJoueur->isChecked());
            QCOMPARE(colourOf(dlg.lblCouleurs[0]), 0u);
            QCOMPARE(app.messages(), QStringList());
        }

        // Pictures that no longer decode and a tick that is neither 0 nor 1.
        app.createFile(QStringLiteral("dos.png"), "not a picture");
        app.createFile(QStringLiteral("fond.png"), "not a picture");
        app.set(Settings::NomParDefaut, QStringLiteral("7"));
        const auto before = app.snapshot();
        frmOptions dlg(app.context);
        QCOMPARE(tag(dlg.imgCarte), QStringLiteral("défaut"));
        QCOMPARE(tag(dlg.imgFond), QString());
        QCOMPARE(app.messages(),
                 (QStringList{ReadError, ReadError,
                              QStringLiteral("ERREUR: Une erreur est intervenue lors de l'accès "
                                             "aux paramètres.")}));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Information);
        QCOMPARE(app.snapshot(), before);
    }

    void eachValiderWritesOnlyItsPage()
    {
        OptionsApp app;
        frmOptions dlg(app.context);
        auto validate = [&](QPushButton *button) {
            const auto before = app.snapshot();
            button->click();
            QStringList changed;
            for (const auto &[key, value] : app.snapshot().asKeyValueRange()) {
                if (before.value(key) != value)
                    changed.append(key.section(QLatin1Char('/'), 1));
            }
            return changed;
        };

        const QString back = app.picture(QStringLiteral("dos.png"));
        app.dialogs.fileAnswers = {back};
        dlg.cmdChangerCarte->click();
        dlg.lstMelange->setCurrentIndex(0);
        QCOMPARE(validate(dlg.cmdValiderCarte),
                 (QStringList{QStringLiteral("dos des cartes"), QStringLiteral("melange")}));
        QCOMPARE(app.get(Settings::DosDesCartes), back);
        QCOMPARE(app.get(Settings::Melange), QStringLiteral("0"));
        QCOMPARE(app.state.shuffleRounds, qint16(0));
        QCOMPARE(app.messages(),
                 QStringList{QStringLiteral("VORELLES: L'image choisie pour le dos des cartes "
                                            "sera affichée lors du lancement du prochain jeu de "
                                            "vorelle")});

        dlg.cmdReinitImage->click();
        app.dialogs.colourAnswers = {QColor(1, 2, 3)};
        QTest::mouseClick(dlg.lblCouleurTapis, Qt::LeftButton);
        QCOMPARE(validate(dlg.cmdValiderImage),
                 (QStringList{QStringLiteral("fond"), QStringLiteral("image de fond")}));
        QCOMPARE(app.get(Settings::ImageDeFond), QString());
        QCOMPARE(app.get(Settings::Fond), QString::number(1 + 2 * 256 + 3 * 65536));

        QCOMPARE(validate(dlg.cmdValiderDemarrage), QStringList());
        QCOMPARE(app.get(Settings::Demarrage), QStringLiteral("Aucune"));
        dlg.lstVorelles->setCurrentRow(3);
        QCOMPARE(validate(dlg.cmdValiderDemarrage), QStringList{QStringLiteral("demarrage")});
        QCOMPARE(app.get(Settings::Demarrage), dlg.lstVorelles->item(3)->text());

        dlg.txtNomJoueur->clear();
        QTest::keyClicks(dlg.txtNomJoueur, QStringLiteral("  elise b "));
        QCOMPARE(dlg.txtNomJoueur->text(), QStringLiteral("  ELISE B "));
        dlg.chkNomJoueur->setChecked(false);
        app.dialogs.colourAnswers = {QColor(255, 255, 255), QColor(0, 0, 255)};
        QTest::mouseClick(dlg.lblCouleurs[0], Qt::LeftButton);
        QTest::mouseClick(dlg.lblCouleurs[1], Qt::LeftButton);
        QCOMPARE(
            validate(dlg.cmdValiderCouleurs),
            (QStringList{QStringLiteral("couleur fond etat"), QStringLiteral("couleur texte etat"),
                         QStringLiteral("nom du joueur"), QStringLiteral("nom par defaut")}));
        QCOMPARE(app.get(Settings::NomDuJoueur), QStringLiteral("ELISE B"));
        QCOMPARE(app.get(Settings::CouleurTexteEtat), QStringLiteral("16777215"));
        QCOMPARE(app.get(Settings::CouleurFondEtat), QStringLiteral("16711680"));
        QCOMPARE(app.get(Settings::NomParDefaut), QStringLiteral("0"));
    }

    void defaultsAndQuitWriteNothing()
    {
        OptionsApp app;
        app.set(Settings::Demarrage, QStringLiteral("Duo"));
        app.set(Settings::CouleurFondEtat, QStringLiteral("255"));
        app.set(Settings::Fond, QStringLiteral("12"));
        const QString bois = app.picture(QStringLiteral("bois.gif"));
        const auto before = app.snapshot();
        frmOptions dlg(app.context);
        for (QPushButton *button :
             {dlg.cmdReinitCarte, dlg.cmdTapiDefaut, dlg.cmdDefautDemarrage, dlg.cmdReinitCouleurs})
            button->click();
        QCOMPARE(tag(dlg.imgFond), bois);
        QCOMPARE(dlg.lblCheminImage->text(), QStringLiteral("Fichier : ") + bois);
        QCOMPARE(colourOf(dlg.lblCouleurTapis), 32768u);
        QCOMPARE(dlg.lstVorelles->currentRow(), -1);
        QCOMPARE(dlg.lblNomVorelle->text(), QStringLiteral("Aucune"));
        QCOMPARE(colourOf(dlg.lblCouleurs[1]), 14737632u);
        dlg.cmdFermer->click();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(app.snapshot(), before);
        QCOMPARE(app.messages(), QStringList());
    }

    void equalStatusColoursAndCancelledDialogsChangeNothing()
    {
        OptionsApp app;
        frmOptions dlg(app.context);
        app.dialogs.colourAnswers = {ColourFromValue(14737632), std::nullopt, std::nullopt};
        QTest::mouseClick(dlg.lblCouleurs[0], Qt::LeftButton);
        QTest::mouseClick(dlg.lblCouleurs[1], Qt::LeftButton);
        QTest::mouseClick(dlg.lblCouleurTapis, Qt::LeftButton);
        dlg.cmdChangerImage->click();
        QTest::mouseDClick(dlg.imgCarte, Qt::LeftButton);
        QCOMPARE(app.messages(),
                 QStringList{QStringLiteral(
                     "Information: La couleur que vous avez choisi ne peut être affichée. Cette "
                     "couleur est déja utilisée pour un objet qui pourrait entrainer une "
                     "incohérence d'affichage")});
        QCOMPARE(colourOf(dlg.lblCouleurs[0]), 0u);
        QCOMPARE(colourOf(dlg.lblCouleurs[1]), 14737632u);
        QCOMPARE(colourOf(dlg.lblCouleurTapis), 32768u);
        QCOMPARE(tag(dlg.imgCarte), QStringLiteral("défaut"));

        QCOMPARE(app.dialogs.fileDialogs.size(), 2);
        const QStringList fields = app.dialogs.fileDialogs[0].split(QLatin1Char('|'));
        QCOMPARE(fields[0], QStringLiteral("Selection d'une image..."));
        QCOMPARE(fields[1], app.state.appFolder);
        QVERIFY(fields[2].startsWith(QStringLiteral("Tous les fichiers d'images (*.bmp *.dib")));
        QVERIFY(fields[2].contains(QStringLiteral("*.png *.svg);;Fichiers Bitmap (*.bmp)")));
    }

    void choosingAPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("readable");
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator generator(7);
        for (char &byte : noise)
            byte = char(generator.bounded(256));
        QTest::newRow("jpeg") << QStringLiteral("a.jpeg") << encoded("JPG") << true;
        QTest::newRow("dib") << QStringLiteral("a.dib") << encoded("BMP") << true;
        QTest::newRow("ico") << QStringLiteral("a.ico") << encoded("ICO") << true;
        QTest::newRow("svg") << QStringLiteral("a.svg") << svg(40, 30) << true;
        QTest::newRow("corrupt gif") << QStringLiteral("x.gif") << noise << false;
        QTest::newRow("metafile") << QStringLiteral("x.wmf") << noise << false;
        QTest::newRow("huge svg") << QStringLiteral("x.svg") << svg(100000, 100000) << false;
    }
    void choosingAPicture()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(bool, readable);
        OptionsApp app;
        const QString good = app.picture(QStringLiteral("good.png"));
        const QString path = app.createFile(name, content);
        frmOptions dlg(app.context);
        const auto before = app.snapshot();
        // Each page first takes a good picture, which a refused one must not leave behind.
        app.dialogs.fileAnswers = {good, path, good, path};
        for (QPushButton *button :
             {dlg.cmdChangerCarte, dlg.cmdChangerCarte, dlg.cmdChangerImage, dlg.cmdChangerImage})
            button->click();
        if (readable) {
            QCOMPARE(tag(dlg.imgCarte), path);
            QCOMPARE(tag(dlg.imgFond), path);
            QCOMPARE(app.messages(), QStringList());
        } else {
            QCOMPARE(tag(dlg.imgCarte), QStringLiteral("défaut"));
            QCOMPARE(dlg.lblFichierCarte->text(), QStringLiteral("Fichier : défaut"));
            QCOMPARE(tag(dlg.imgFond), QString());
            QCOMPARE(dlg.lblCheminImage->text(), QStringLiteral("Fichier: "));
            QCOMPARE(app.messages(),
                     (QStringList{QStringLiteral("ERREUR: Erreur inattendue lors de l'éxécution "
                                                 "du programme. L'image ne peut être affichée."),
                                  QStringLiteral("ERREUR: Erreur inattendue lors de l'éxécution "
                                                 "du programme. L'image e peut être affichée.")}));
            QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Critical);
        }
        QCOMPARE(app.snapshot(), before);
    }

    void missingFilesAreReported()
    {
        OptionsApp app(false);
        frmOptions dlg(app.context);
        QCOMPARE(tag(dlg.imgCarte), QStringLiteral("défaut"));
        dlg.cmdTapiDefaut->click();
        QCOMPARE(app.messages(),
                 (QStringList{QStringLiteral("Information: Le fichier CARTES.RES est introuvable. "
                                             "Impossible de remettre l'image par défaut."),
                              QStringLiteral("Information: Le fichier BOIS.GIF est introuvable. "
                                             "Impossible de remettre l'image par défaut.")}));
        QCOMPARE(app.dialogs.last().icon, UserDialogs::Icon::Critical);

        // The chosen picture disappears before "&Valider".
        const QString gone = app.picture(QStringLiteral("gone.png"));
        app.dialogs.fileAnswers = {gone};
        dlg.cmdChangerImage->click();
        QFile::remove(gone);
        const QString stored = app.get(Settings::ImageDeFond);
        dlg.cmdValiderImage->click();
        QCOMPARE(
            app.messages().constLast(),
            QStringLiteral("Avertissement: Le chemin d'accès à l'image ne semble pas valide."));
        QCOMPARE(app.get(Settings::ImageDeFond), stored);
        QCOMPARE(app.get(Settings::Fond), QStringLiteral("32768"));
        QCOMPARE(tag(dlg.imgFond), QString());
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
