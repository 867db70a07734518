// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/frmoptions.h"

#include "catalog/gamecatalog.h"
#include "options/clicklabel.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "settings/settingvalues.h"
#include "settings/storedkeys.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/cardback.h"
#include "shared/colours.h"
#include "shared/files.h"
#include "shared/helppage.h"
#include "shared/picturefile.h"
#include "shared/pictures.h"
#include "shared/userdialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedLayout>

namespace {

const char *const TagProperty = "tag";
constexpr quint32 ChosenTabColour = 16761024; // light blue
constexpr quint32 White = 16777215;
constexpr quint32 Black = 0;
constexpr int MaxShuffleRounds = 20;
const QString DefaultPlayerName = QStringLiteral("INCONNU(E)");
const QString NoStartupGame = QStringLiteral("Aucune");
// The stored value of "langue" each entry of the language list stands for.
const std::array<const char *, 3> LanguageValues{"automatique", "fr", "en"};

QString fileLabel()
{
    return QCoreApplication::translate("frmOptions", "Fichier: ");
}

QString errorTitle()
{
    return QCoreApplication::translate("frmOptions", "ERREUR");
}

QString informationTitle()
{
    return QCoreApplication::translate("frmOptions", "Information");
}

QString loadError()
{
    return QCoreApplication::translate("frmOptions", "Une erreur est intervenue lors de l'accès "
                                                     "aux paramètres. L'image par défaut a été "
                                                     "restaurée.");
}

void setSquareColour(QLabel *square, quint32 value)
{
    QPalette palette = square->palette();
    palette.setColor(QPalette::Window, ColourFromValue(value));
    square->setPalette(palette);
}

quint32 squareColour(const QLabel *square)
{
    return ValueFromColour(square->palette().color(QPalette::Window));
}

} // namespace

frmOptions::frmOptions(AppContext &context, QWidget *parent,
                       std::function<void(QWidget *)> showAbout)
    : QDialog(parent), m_context(context), m_showAbout(std::move(showAbout)),
      m_pictureFolder(context.state.appFolder)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("OPTIONS"));

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(createTabColumn());
    // The pages' own width, not the widest text of a page, sets the dialog's.
    auto *pages = new QWidget;
    m_pages = new QStackedLayout(pages);
    fraOptions = {createCartesPage(), createTapisPage(), createVorellesPage(), createDiversPage()};
    for (QFrame *page : fraOptions)
        m_pages->addWidget(page);
    m_pages->setContentsMargins(0, 0, 0, 0);
    pages->setFixedWidth(fraOptions[0]->maximumWidth());
    layout->addWidget(pages);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connectControls();

    adjustSize();
    const QRect area = screen()->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);

    loadTapis();
    loadCartes();
    loadDivers();
    loadVorelles();
    lblMenu_Click(0);
}

void frmOptions::connectControls()
{
    for (std::size_t k = 0; k < lblMenu.size(); ++k)
        connect(lblMenu[k], &ClickLabel::clicked, this, [this, k] { lblMenu_Click(int(k)); });
    connect(cmdAide, &QPushButton::clicked, this,
            [this] { ShowHelpPage(this, QStringLiteral("options.htm"), m_context); });
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, cmdAide,
            &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this, [this] {
        if (m_showAbout)
            m_showAbout(this);
    });

    connect(cmdChangerCarte, &QPushButton::clicked, this, &frmOptions::changeCardBack);
    connect(imgCarte, &ClickLabel::doubleClicked, this, &frmOptions::changeCardBack);
    connect(cmdReinitCarte, &QPushButton::clicked, this, &frmOptions::resetCardBack);
    connect(cmdValiderCarte, &QPushButton::clicked, this, &frmOptions::validateCartes);

    connect(cmdChangerImage, &QPushButton::clicked, this, &frmOptions::changeTablePicture);
    connect(imgFond, &ClickLabel::doubleClicked, this, &frmOptions::changeTablePicture);
    connect(cmdReinitImage, &QPushButton::clicked, this, &frmOptions::clearTablePicture);
    connect(cmdTapiDefaut, &QPushButton::clicked, this, &frmOptions::defaultTablePicture);
    connect(lblCouleurTapis, &ClickLabel::clicked, this, &frmOptions::chooseTableColour);
    connect(cmdValiderImage, &QPushButton::clicked, this, &frmOptions::validateTapis);

    connect(lstVorelles, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            showStartupGame(lstVorelles->item(row)->text());
    });
    connect(cmdDefautDemarrage, &QPushButton::clicked, this, &frmOptions::resetStartupGame);
    connect(cmdValiderDemarrage, &QPushButton::clicked, this, &frmOptions::validateStartupGame);

    for (std::size_t k = 0; k < lblCouleurs.size(); ++k)
        connect(lblCouleurs[k], &ClickLabel::clicked, this, [this, k] { chooseStatusColour(k); });
    connect(cmdReinitCouleurs, &QPushButton::clicked, this, &frmOptions::resetDivers);
    connect(cmdValiderCouleurs, &QPushButton::clicked, this, &frmOptions::validateDivers);
}

void frmOptions::lblMenu_Click(int index)
{
    for (std::size_t k = 0; k < lblMenu.size(); ++k) {
        const bool chosen = int(k) == index;
        QPalette palette = lblMenu[k]->palette();
        palette.setColor(QPalette::WindowText, ColourFromValue(chosen ? White : Black));
        palette.setColor(QPalette::Window, ColourFromValue(chosen ? ChosenTabColour : White));
        lblMenu[k]->setPalette(palette);
        QFont font = lblMenu[k]->font();
        font.setBold(chosen);
        lblMenu[k]->setFont(font);
    }
    m_pages->setCurrentIndex(index);
}

// Opening. An unreadable stored value never stops the dialog: the page falls back and, where the
// player would otherwise lose a choice silently, says so.

void frmOptions::loadTapis()
{
    const QString picture = m_context.settings.parameter(Settings::ImageDeFond);
    if (FileExists(picture)) {
        if (showPicture(imgFond, picture)) {
            imgFond->setProperty(TagProperty, picture);
            lblCheminImage->setText(fileLabel() + picture);
        } else {
            clearTablePicture();
            m_context.dialogs.message(this, loadError(), UserDialogs::Icon::Information,
                                      errorTitle());
        }
    } else {
        clearTablePicture();
    }
    setSquareColour(
        lblCouleurTapis,
        Settings::colourOr(m_context.settings.parameter(Settings::Fond), DefaultTableColour));
}

void frmOptions::loadCartes()
{
    imgCarte->setProperty(TagProperty, DefaultBack);
    const QString back = m_context.settings.parameter(Settings::DosDesCartes);
    if (!FileExists(back)) {
        resetCardBack();
    } else if (showPicture(imgCarte, back)) {
        imgCarte->setProperty(TagProperty, back);
        lblFichierCarte->setText(fileLabel() + back);
    } else {
        resetCardBack();
        m_context.dialogs.message(this, loadError(), UserDialogs::Icon::Information, errorTitle());
    }

    for (int k = 0; k <= MaxShuffleRounds; ++k)
        lstMelange->addItem(QString::number(k));
    // A count written by hand beyond the list shows as its nearest entry.
    lstMelange->setCurrentIndex(int(Settings::roundHalfEven(
        Settings::numericValue(m_context.settings.parameter(Settings::Melange)), 0,
        MaxShuffleRounds)));
}

void frmOptions::loadDivers()
{
    const QString name = m_context.settings.parameter(Settings::NomDuJoueur);
    txtNomJoueur->setText(name.isEmpty() ? DefaultPlayerName : name);
    const double tick =
        Settings::numericValue(m_context.settings.parameter(Settings::NomParDefaut));
    chkNomJoueur->setChecked(tick != 0.0);
    chkAnimer->setChecked(Settings::animationWanted(m_context.settings));
    const auto language = std::find(LanguageValues.begin(), LanguageValues.end(),
                                    m_context.settings.parameter(Settings::Langue));
    cboLangue->setCurrentIndex(
        language == LanguageValues.end() ? 0 : int(language - LanguageValues.begin()));
    setSquareColour(lblCouleurs[0],
                    Settings::colourOr(m_context.settings.parameter(Settings::CouleurTexteEtat),
                                       DefaultStatusText));
    setSquareColour(lblCouleurs[1],
                    Settings::colourOr(m_context.settings.parameter(Settings::CouleurFondEtat),
                                       DefaultStatusBackground));
    if (tick != 0.0 && tick != 1.0)
        m_context.dialogs.message(this,
                                  tr("Une erreur est intervenue lors de l'accès aux paramètres."),
                                  UserDialogs::Icon::Information, errorTitle());
}

void frmOptions::loadVorelles()
{
    lstVorelles->addItems(GameCatalog::GameNames());
    const QString game = m_context.settings.parameter(Settings::Demarrage);
    showStartupGame(game);
    if (game == NoStartupGame)
        return;
    const QList<QListWidgetItem *> found = lstVorelles->findItems(game, Qt::MatchExactly);
    if (!found.isEmpty())
        lstVorelles->setCurrentItem(found.first());
}

// CARTES

void frmOptions::changeCardBack()
{
    const QString path = pickPictureFile();
    if (path.isEmpty())
        return;
    if (!showPicture(imgCarte, path)) {
        resetCardBack();
        m_context.dialogs.message(this,
                                  tr("Erreur inattendue lors de l'éxécution du "
                                     "programme. L'image ne peut être affichée."),
                                  UserDialogs::Icon::Critical, errorTitle());
        return;
    }
    imgCarte->setProperty(TagProperty, path);
    lblFichierCarte->setText(fileLabel() + path);
}

void frmOptions::resetCardBack()
{
    if (!FileExists(m_context.state.cardsFilePath)) {
        m_context.dialogs.message(this,
                                  tr("Le fichier CARTES.RES est introuvable. "
                                     "Impossible de remettre l'image par défaut."),
                                  UserDialogs::Icon::Critical, informationTitle());
        return;
    }
    imgCarte->setPixmap(Pictures::pixmap(QStringLiteral("DOS"), imgCarte->size()));
    imgCarte->setProperty(TagProperty, DefaultBack);
    lblFichierCarte->setText(tr("Fichier : défaut"));
}

void frmOptions::validateCartes()
{
    m_context.settings.setParameter(Settings::DosDesCartes,
                                    imgCarte->property(TagProperty).toString());
    const int rounds = lstMelange->currentIndex();
    m_context.settings.setParameter(Settings::Melange, QString::number(rounds));
    m_context.state.shuffleRounds = qint16(rounds);
    m_context.dialogs.message(this,
                              tr("L'image choisie pour le dos des cartes sera "
                                 "affichée lors du lancement du prochain jeu de "
                                 "vorelle"),
                              UserDialogs::Icon::Information, AppTitle);
}

// TAPIS

void frmOptions::changeTablePicture()
{
    const QString path = pickPictureFile();
    if (path.isEmpty())
        return;
    if (!showPicture(imgFond, path)) {
        clearTablePicture();
        m_context.dialogs.message(this,
                                  tr("Erreur inattendue lors de l'éxécution du "
                                     "programme. L'image e peut être affichée."),
                                  UserDialogs::Icon::Critical, errorTitle());
        return;
    }
    imgFond->setProperty(TagProperty, path);
    lblCheminImage->setText(fileLabel() + path);
}

void frmOptions::clearTablePicture()
{
    imgFond->clear();
    imgFond->setProperty(TagProperty, QString());
    lblCheminImage->setText(fileLabel());
}

void frmOptions::defaultTablePicture()
{
    const QString path = m_context.state.appFolder + QStringLiteral("bois.gif");
    if (!FileExists(path)) {
        m_context.dialogs.message(this,
                                  tr("Le fichier BOIS.GIF est introuvable. "
                                     "Impossible de remettre l'image par défaut."),
                                  UserDialogs::Icon::Critical, informationTitle());
    } else if (showPicture(imgFond, path)) {
        imgFond->setProperty(TagProperty, path);
        lblCheminImage->setText(tr("Fichier : ") + path);
    } else {
        clearTablePicture();
        m_context.dialogs.message(this,
                                  tr("Erreur inattendue lors de l'éxécution du "
                                     "programme. L'image e peut être affichée."),
                                  UserDialogs::Icon::Critical, errorTitle());
    }
    setSquareColour(lblCouleurTapis, DefaultTableColour);
}

void frmOptions::chooseTableColour()
{
    const auto colour =
        m_context.dialogs.chooseColour(this, lblCouleurTapis->palette().color(QPalette::Window));
    if (colour)
        setSquareColour(lblCouleurTapis, ValueFromColour(*colour));
}

void frmOptions::validateTapis()
{
    const QString picture = imgFond->property(TagProperty).toString();
    if (picture.isEmpty()) {
        m_context.settings.setParameter(Settings::ImageDeFond, QString());
    } else if (FileExists(picture)) {
        m_context.settings.setParameter(Settings::ImageDeFond, picture);
    } else {
        m_context.dialogs.message(this, tr("Le chemin d'accès à l'image ne semble pas valide."),
                                  UserDialogs::Icon::Information, tr("Avertissement"));
        clearTablePicture();
    }
    m_context.settings.setParameter(Settings::Fond, QString::number(squareColour(lblCouleurTapis)));
}

// VORELLES

void frmOptions::resetStartupGame()
{
    lstVorelles->setCurrentRow(-1);
    lstVorelles->clearSelection();
    showStartupGame(NoStartupGame);
}

void frmOptions::validateStartupGame()
{
    m_context.settings.setParameter(Settings::Demarrage,
                                    lblNomVorelle->property(TagProperty).toString());
}

// The label shows "Aucune" in the program's language; the setting keeps it as stored.
void frmOptions::showStartupGame(const QString &game)
{
    lblNomVorelle->setText(game == NoStartupGame ? tr("Aucune") : game);
    lblNomVorelle->setProperty(TagProperty, game);
}

// DIVERS

void frmOptions::chooseStatusColour(std::size_t index)
{
    const auto colour =
        m_context.dialogs.chooseColour(this, lblCouleurs[index]->palette().color(QPalette::Window));
    if (!colour)
        return;
    const quint32 value = ValueFromColour(*colour);
    // Text and background of the status bar equal would make it unreadable.
    if (value == squareColour(lblCouleurs[1 - index])) {
        m_context.dialogs.message(
            this,
            tr("La couleur que vous avez choisi ne peut être affichée. Cette couleur "
               "est déja utilisée pour un objet qui pourrait entrainer une "
               "incohérence d'affichage"),
            UserDialogs::Icon::Information, informationTitle());
        return;
    }
    setSquareColour(lblCouleurs[index], value);
}

void frmOptions::resetDivers()
{
    setSquareColour(lblCouleurs[0], DefaultStatusText);
    setSquareColour(lblCouleurs[1], DefaultStatusBackground);
    txtNomJoueur->setText(DefaultPlayerName);
    chkNomJoueur->setChecked(true);
    chkAnimer->setChecked(true);
    cboLangue->setCurrentIndex(0);
}

void frmOptions::validateDivers()
{
    m_context.settings.setParameter(Settings::NomDuJoueur, txtNomJoueur->text().trimmed());
    m_context.settings.setParameter(Settings::CouleurTexteEtat,
                                    QString::number(squareColour(lblCouleurs[0])));
    m_context.settings.setParameter(Settings::CouleurFondEtat,
                                    QString::number(squareColour(lblCouleurs[1])));
    m_context.settings.setParameter(Settings::NomParDefaut, chkNomJoueur->isChecked()
                                                                ? QStringLiteral("1")
                                                                : QStringLiteral("0"));
    m_context.settings.setParameter(Settings::AnimerDeplacements, chkAnimer->isChecked()
                                                                      ? QStringLiteral("1")
                                                                      : QStringLiteral("0"));
    // Written only when changed: the key stays out of the file until the player picks a language.
    const QString language =
        QString::fromLatin1(LanguageValues[std::size_t(cboLangue->currentIndex())]);
    if (language != m_context.settings.parameter(Settings::Langue)) {
        m_context.settings.setParameter(Settings::Langue, language);
        m_context.dialogs.message(
            this, tr("La langue choisie sera celle du programme à son prochain démarrage."),
            UserDialogs::Icon::Information, AppTitle);
    }
}

// Shared

QString frmOptions::pickPictureFile()
{
    const QString path = m_context.dialogs.openFileName(this, tr("Selection d'une image..."),
                                                        m_pictureFolder, PictureFileFilters());
    if (!path.isEmpty())
        m_pictureFolder = AppFolderFor(QFileInfo(path).absolutePath());
    return path;
}

bool frmOptions::showPicture(QLabel *preview, const QString &path)
{
    const QImage image = ReadPictureFile(path);
    if (image.isNull())
        return false;
    preview->setPixmap(QPixmap::fromImage(
        image.scaled(preview->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return true;
}

void ShowOptions(QWidget *parent, AppContext &context, std::function<void(QWidget *)> showAbout)
{
    frmOptions dialog(context, parent, std::move(showAbout));
    dialog.exec();
}
