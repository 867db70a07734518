// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <functional>

struct AppContext;
class ClickLabel;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedLayout;

// The options dialog: four pages (CARTES, TAPIS, VORELLES, DIVERS) chosen by tab labels. Each
// page keeps its edits on screen and writes its own settings only through its "&Valider".
// The previews carry their chosen picture in the property "tag".
class frmOptions : public QDialog {
    Q_OBJECT
public:
    // showAbout opens the about box for F2; empty, F2 does nothing.
    explicit frmOptions(AppContext &context, QWidget *parent = nullptr,
                        std::function<void(QWidget *)> showAbout = {});

    // Shows page index and highlights its tab.
    void lblMenu_Click(int index);

    std::array<ClickLabel *, 4> lblMenu{};
    std::array<QFrame *, 4> fraOptions{};
    QPushButton *cmdAide;
    QPushButton *cmdFermer;

    // CARTES
    ClickLabel *imgCarte;
    QLabel *lblFichierCarte;
    QPushButton *cmdChangerCarte;
    QPushButton *cmdReinitCarte;
    QPushButton *cmdValiderCarte;
    QComboBox *lstMelange;

    // TAPIS
    ClickLabel *imgFond;
    QLabel *lblCheminImage;
    QPushButton *cmdChangerImage;
    QPushButton *cmdReinitImage;
    QPushButton *cmdTapiDefaut;
    QPushButton *cmdValiderImage;
    ClickLabel *lblCouleurTapis;

    // VORELLES
    QListWidget *lstVorelles;
    QLabel *lblNomVorelle;
    QPushButton *cmdValiderDemarrage;
    QPushButton *cmdDefautDemarrage;

    // DIVERS
    QLineEdit *txtNomJoueur;
    QCheckBox *chkNomJoueur;
    std::array<ClickLabel *, 2> lblCouleurs{}; // 0 status text, 1 status background
    QCheckBox *chkAnimer;
    QComboBox *cboLangue; // Automatique, Français, English
    QPushButton *cmdReinitCouleurs;
    QPushButton *cmdValiderCouleurs;

private:
    // Building the controls (frmoptionspages.cpp).
    QWidget *createTabColumn();
    QFrame *createCartesPage();
    QFrame *createTapisPage();
    QFrame *createVorellesPage();
    QFrame *createDiversPage();
    void connectControls();

    void loadTapis();
    void loadCartes();
    void loadDivers();
    void loadVorelles();

    void changeCardBack();
    void resetCardBack();
    void validateCartes();

    void changeTablePicture();
    void clearTablePicture();
    void defaultTablePicture();
    void chooseTableColour();
    void validateTapis();

    void resetStartupGame();
    void showStartupGame(const QString &game);
    void validateStartupGame();

    void chooseStatusColour(std::size_t index);
    void resetDivers();
    void validateDivers();

    // The picture file the player picks, or "" when the dialog is cancelled.
    QString pickPictureFile();
    // Shows the picture in the preview, scaled to it; false when it cannot be decoded.
    static bool showPicture(QLabel *preview, const QString &path);

    AppContext &m_context;
    std::function<void(QWidget *)> m_showAbout;
    QStackedLayout *m_pages;
    QString m_pictureFolder;
};

// Opens the dialog modally; the caller re-applies the look once it returns.
void ShowOptions(QWidget *parent, AppContext &context,
                 std::function<void(QWidget *)> showAbout = {});
