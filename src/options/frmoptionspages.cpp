// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/frmoptions.h"

#include "options/clicklabel.h"
#include "settings/settingkeys.h"
#include "shared/pictures.h"
#include "shared/uppercasevalidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int PageWidth = 430;
const QSize CardPreviewSize = Pictures::CardSize * 3 / 2;
const QSize TablePreviewSize{200, 150};

QLabel *addText(QBoxLayout *layout, const QString &text)
{
    auto *label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

QPushButton *makeButton(const QString &caption, const QString &tip)
{
    auto *button = new QPushButton(caption);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

ClickLabel *makeColourSquare(const QString &tip)
{
    auto *square = new ClickLabel;
    square->setToolTip(tip);
    square->setFixedSize(40, 22);
    square->setFrameShape(QFrame::Box);
    square->setAutoFillBackground(true);
    square->setCursor(Pictures::handCursor());
    return square;
}

ClickLabel *makePreview(const QSize &size, const QString &tip)
{
    auto *preview = new ClickLabel;
    preview->setToolTip(tip);
    preview->setFixedSize(size);
    preview->setAlignment(Qt::AlignCenter);
    return preview;
}

// A page: its frame, heading and explanation; the caller adds the controls below.
QVBoxLayout *startPage(QFrame *&page, const QString &heading, const QString &explanation)
{
    page = new QFrame;
    page->setFrameShape(QFrame::StyledPanel);
    page->setFixedWidth(PageWidth);
    auto *layout = new QVBoxLayout(page);
    QLabel *title = addText(layout, heading);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    title->setFont(font);
    addText(layout, explanation);
    return layout;
}

} // namespace

QWidget *frmOptions::createTabColumn()
{
    static const std::array<const char *, 4> Captions{QT_TR_NOOP("CARTES"), QT_TR_NOOP("TAPIS"),
                                                      QT_TR_NOOP("VORELLES"), QT_TR_NOOP("DIVERS")};
    static const std::array<const char *, 4> Tips{
        QT_TR_NOOP("Cliquez pour accéder aux options des cartes de jeu"), "",
        QT_TR_NOOP("Cliquez pour accéder aux options des vorelles"),
        QT_TR_NOOP("Cliquez pour accéder aux options diverses")};
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t k = 0; k < lblMenu.size(); ++k) {
        lblMenu[k] = new ClickLabel(tr(Captions[k]));
        lblMenu[k]->setToolTip(tr(Tips[k]));
        lblMenu[k]->setAlignment(Qt::AlignCenter);
        lblMenu[k]->setFrameShape(QFrame::Box);
        lblMenu[k]->setMinimumHeight(32);
        lblMenu[k]->setAutoFillBackground(true);
        lblMenu[k]->setCursor(Pictures::handCursor());
        layout->addWidget(lblMenu[k]);
    }
    layout->addStretch();
    cmdAide = makeButton(tr("&Aide"), tr("Affiche l'aide"));
    cmdFermer = makeButton(tr("&Quitter"), tr("Fermer la fenêtre"));
    layout->addWidget(cmdAide);
    layout->addWidget(cmdFermer);
    column->setFixedWidth(124); // 1860 twips: the pages start there
    return column;
}

QFrame *frmOptions::createCartesPage()
{
    QFrame *page = nullptr;
    QVBoxLayout *layout =
        startPage(page, tr("CARTES"),
                  tr("Vous pouvez changer l'image du dos des cartes. Pour cela, cliquez sur le "
                     "bouton CHANGER,selectionnez une image dans la fenêtre qui s'affichera "
                     "puis, enregistrée celle-ci en cliquant sur le bouton VALIDER."));

    imgCarte = makePreview(CardPreviewSize, tr("Image du dos des cartes"));
    cmdChangerCarte = makeButton(tr("&Changer"), tr("Changer l'image du dos de carte"));
    cmdReinitCarte = makeButton(tr("&Image par défaut"), tr("Image par défaut"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdChangerCarte);
    buttons->addWidget(cmdReinitCarte);
    buttons->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(imgCarte);
    row->addLayout(buttons);
    row->addStretch();
    layout->addLayout(row);
    lblFichierCarte = addText(layout, tr("Fichier:"));

    // The list sits in the gap the sentence leaves for it.
    const QString before = tr("Mélanger le jeu");
    auto *sentence =
        new QLabel(before + QString(31, QLatin1Char(' ')) + tr("fois avant chaque vorelle"));
    sentence->setTextFormat(Qt::PlainText);
    lstMelange = new QComboBox(sentence);
    lstMelange->setToolTip(tr("Nombre de mélange du jeu de cartes"));
    const QFontMetrics metrics(sentence->font());
    const int gapStart = metrics.horizontalAdvance(before + QLatin1Char(' '));
    const int gapEnd = metrics.horizontalAdvance(sentence->text().left(before.size() + 30));
    const int height = lstMelange->sizeHint().height();
    sentence->setMinimumHeight(height);
    lstMelange->setGeometry(gapStart, 0, std::max(gapEnd - gapStart, 48), height);
    layout->addWidget(sentence);

    cmdValiderCarte = makeButton(tr("&Valider"), tr("Valider les données"));
    layout->addStretch();
    layout->addWidget(cmdValiderCarte, 0, Qt::AlignRight);
    return page;
}

QFrame *frmOptions::createTapisPage()
{
    QFrame *page = nullptr;
    QVBoxLayout *layout =
        startPage(page, tr("TAPIS"),
                  tr("Vous pouvez changer l'image de fond d'écran de la fenêtre de jeu. Pour "
                     "cela, il vous suffit de cliquer sur le bouton CHANGER, de sélectionner un "
                     "fichier d' image dans la fenêtre qui s'ouvrira et enfin de cliquer sur le "
                     "bouton VALIDER pour enregistrer la nouvelle image."));

    imgFond = makePreview(TablePreviewSize, tr("Aperçu de l'image du tapis"));
    imgFond->setFrameShape(QFrame::Box);
    cmdChangerImage = makeButton(tr("&Changer"), tr("Changer l'image"));
    cmdReinitImage = makeButton(tr("&Pas d'image"), tr("Pas d'image en fond de fenêtre"));
    cmdTapiDefaut = makeButton(tr("&Défaut"), tr("Image par défaut"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdChangerImage);
    buttons->addWidget(cmdReinitImage);
    buttons->addWidget(cmdTapiDefaut);
    buttons->addStretch();
    auto *row = new QHBoxLayout;
    row->addWidget(imgFond);
    row->addLayout(buttons);
    row->addStretch();
    layout->addLayout(row);
    lblCheminImage = addText(layout, tr("Fichier:"));
    lblCheminImage->setToolTip(tr("Nom du fichier pour l'image"));

    addText(layout, tr("Choisissez une couleur de fond si vous ne  désirez pas "
                       "d'image. Pour cela, cliquez sur le carré de couleur "
                       "ci-dessous:"));
    lblCouleurTapis = makeColourSquare(tr("Couleur de fond du tapis"));
    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(tr("Couleur de fond..................")));
    colourRow->addWidget(lblCouleurTapis);
    colourRow->addStretch();
    layout->addLayout(colourRow);

    cmdValiderImage = makeButton(tr("&Valider"), tr("Enregistrer l'image"));
    layout->addStretch();
    layout->addWidget(cmdValiderImage, 0, Qt::AlignRight);
    return page;
}

QFrame *frmOptions::createVorellesPage()
{
    QFrame *page = nullptr;
    QVBoxLayout *layout =
        startPage(page, tr("VORELLES"),
                  tr("Vous pouvez  choisir d'afficher votre jeu préféré dès le démarrage du "
                     "programme. Pour cela, il vous suffit simplement de selectionner celui-ci "
                     "dans la liste des vorelles et de confirmer votre choix en appuyant sur le "
                     "bouton VALIDER."));

    lstVorelles = new QListWidget;
    lstVorelles->setToolTip(tr("Liste des vorelles"));
    lblNomVorelle = new QLabel(tr("Aucune"));
    lblNomVorelle->setFrameShape(QFrame::Panel);
    lblNomVorelle->setFrameShadow(QFrame::Sunken);
    cmdValiderDemarrage = makeButton(tr("&Valider"), tr("Valider les options"));
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Liste des vorelles:")), 0, 0);
    grid->addWidget(lstVorelles, 1, 0, 3, 1);
    grid->addWidget(new QLabel(tr("Vorelle selectionnée")), 0, 1);
    grid->addWidget(lblNomVorelle, 1, 1);
    grid->addWidget(cmdValiderDemarrage, 2, 1, Qt::AlignRight);
    grid->setRowStretch(3, 1);
    layout->addLayout(grid);

    addText(layout, tr("Cliquez sur le bouton ci-dessous si vous ne désirez pas "
                       "ouvrir de vorelle au démarrage."));
    cmdDefautDemarrage = makeButton(tr("&Défaut"), tr("Option par défaut"));
    layout->addWidget(cmdDefautDemarrage, 0, Qt::AlignLeft);
    return page;
}

QFrame *frmOptions::createDiversPage()
{
    QFrame *page = nullptr;
    QVBoxLayout *layout = startPage(
        page, tr("DIVERS"),
        tr("Vous pouvez changer les couleurs de la barre d'état - barre se situant à la base de "
           "la fenêtre principal de jeu - ainsi que le nom du joueur. Pour ce faire, cliquez sur "
           "les carrés de couleurs ci-dessous, en relation avec l'objet désiré, sélectionnez une "
           "couleur dans la fenêtre des couleurs qui s'affichera, changez également le nom du "
           "joueur et cliquez sur le bouton VALIDER pour enregistrer vos choix."));

    txtNomJoueur = new QLineEdit;
    txtNomJoueur->setToolTip(tr("Nom du joueur"));
    txtNomJoueur->setValidator(new UpperCaseValidator(txtNomJoueur));
    txtNomJoueur->setMaxLength(Settings::NomDuJoueurLongueurMax);
    chkNomJoueur = new QCheckBox(tr("Nom par défaut"));
    lblCouleurs[0] = makeColourSquare(tr("Couleur du texte de la barre d'état"));
    lblCouleurs[1] = makeColourSquare(tr("Couleur du fond de la barre d'état"));
    // The name has a row of its own, so the colour squares do not set the width of its box.
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(tr("Nom du joueur:")));
    nameRow->addWidget(txtNomJoueur, 1);
    nameRow->addWidget(chkNomJoueur);
    layout->addLayout(nameRow);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Couleur du texte de la barre d'état.....")), 0, 0);
    grid->addWidget(lblCouleurs[0], 0, 1);
    grid->addWidget(new QLabel(tr("Couleur du fond de la barre d'état.....")), 1, 0);
    grid->addWidget(lblCouleurs[1], 1, 1);
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    chkAnimer = new QCheckBox(tr("Animer les déplacements"));
    chkAnimer->setToolTip(tr("Les cartes glissent jusqu'à leur nouvelle place"));
    layout->addWidget(chkAnimer);
    // Each language by its own name, but the desktop's choice in the current one.
    cboLangue = new QComboBox;
    cboLangue->addItems({tr("Automatique"), QStringLiteral("Français"), QStringLiteral("English")});
    cboLangue->setToolTip(tr("La langue du programme, à partir de son prochain démarrage"));
    auto *languageRow = new QHBoxLayout;
    auto *languageLabel = new QLabel(tr("&Langue:"));
    languageLabel->setBuddy(cboLangue);
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(cboLangue);
    languageRow->addStretch();
    layout->addLayout(languageRow);

    cmdReinitCouleurs = makeButton(tr("&Défaut"), tr("Remettre les données par défaut"));
    cmdValiderCouleurs = makeButton(tr("&Valider"), tr("Valider les données"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdReinitCouleurs);
    buttons->addWidget(cmdValiderCouleurs);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}
