// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmjeu.h"

#include "app/frmfond.h"
#include "app/solvermenu.h"
#include "catalog/gamecatalog.h"
#include "resume/resumekeeper.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/cards.h"
#include "shared/colours.h"
#include "shared/files.h"
#include "shared/gameclock.h"
#include "shared/helppage.h"
#include "shared/pictures.h"
#include "shared/uppercasevalidator.h"
#include "shared/userdialogs.h"
#include "table/dealmenu.h"
#include "table/gameform.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const char *const TagProperty = "tag";
const QString StatusTag = QStringLiteral("texte");

// A status-bar picture that pops a menu up at the mouse.
class MenuPicture : public QLabel {
public:
    MenuPicture(QMenu *menu, QWidget *parent) : QLabel(parent), m_menu(menu) {}

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_menu->popup(event->globalPosition().toPoint());
    }

private:
    QMenu *m_menu;
};

// The clock as a screen reader sees it: a name that stays, and the time as its description, read
// when asked. A label named by its text would be announced at every tick of the clock.
class ClockAccessible final : public QAccessibleWidget {
public:
    explicit ClockAccessible(QLabel *clock) : QAccessibleWidget(clock, QAccessible::StaticText) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Description)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *clockInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLabel") && object &&
        object->objectName() == QLatin1String("lblChrono"))
        return new ClockAccessible(static_cast<QLabel *>(object));
    return nullptr;
}

// Only the open game's item can be checked, so that the others show no empty check box.
void setCheckMark(QAction *item, bool open)
{
    item->setCheckable(open);
    item->setChecked(open);
}

} // namespace

frmJeu::frmJeu(AppContext &context, GameWindows &games, DialogOpeners openers)
    : m_context(context), m_games(games), m_openers(std::move(openers)), m_fond(new frmFond(this)),
      m_keeper(new ResumeKeeper(context.state.resumePath, this))
{
    setObjectName(QStringLiteral("frmJeu"));
    setWindowTitle(AppTitle);
    resize(1024, 720);

    createMenus();
    createStatusBar();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_fond, 1);
    layout->addWidget(lblEtat);
    layout->addWidget(BarreEtat);
    setCentralWidget(central);

    Timer1.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &frmJeu::clockTick);
}

frmJeu::~frmJeu()
{
    // The game window outlives this object's own destructor: it must not call back into it.
    for (QMdiSubWindow *sub : m_fond->subWindowList())
        disconnect(sub, nullptr, this, nullptr);
}

void frmJeu::createMenus()
{
    // Alt+E: Alt+J is JOUER's in every game window.
    mnuJeu = menuBar()->addMenu(tr("J&eu"));
    mnuDeVorelle = new QMenu(tr("&Nouvelle vorelle"), this);
    mnuDeJeu[0] = mnuJeu->addMenu(mnuDeVorelle);
    mnuDeJeu[1] = mnuJeu->addAction(tr("&Arrêter le jeu"), this, &frmJeu::stopGame);
    mnuDeJeu[1]->setShortcut(Qt::Key_F5);
    mnuDeJeu[1]->setEnabled(false);
    new DealMenu(mnuJeu, m_fond, m_context.dialogs); // owned by the menu
    mnuDeJeu[2] = mnuJeu->addSeparator();
    mnuDeJeu[3] = mnuJeu->addAction(tr("&Quitter le jeu"), this, &frmJeu::ConfirmQuit);
    mnuDeJeu[3]->setShortcut(Qt::Key_F6);
    // The solver's items, before the separator above "Quitter le jeu".
    m_solverMenu = new SolverMenu(mnuJeu, mnuDeJeu[2], m_context.settings,
                                  [this] { return qobject_cast<GameForm *>(gameWindow()); });
    connect(mnuJeu, &QMenu::aboutToShow, this,
            [this] { mnuDeJeu[1]->setEnabled(m_context.state.gameInProgress); });

    mnuOptions = menuBar()->addMenu(tr("&Options"));
    mnuDeOptions[0] = mnuOptions->addAction(tr("&Historique des parties..."), this,
                                            [this] { showDialog(m_openers.history); });
    mnuDeOptions[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuStatistiques = mnuOptions->addAction(tr("&Statistiques..."), this, [this] {
        if (m_openers.statistics)
            m_openers.statistics(this, txtJoueur->text());
    });
    mnuStatistiques->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuStatistiques->setEnabled(bool(m_openers.statistics));
    mnuDeOptions[1] = mnuOptions->addSeparator();
    mnuDeOptions[2] = mnuOptions->addAction(tr("&Paramètres..."), this, [this] {
        showDialog(m_openers.options);
        refreshAfterOptions();
    });
    mnuDeOptions[2]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuDeOptions[0]->setEnabled(bool(m_openers.history));
    mnuDeOptions[2]->setEnabled(bool(m_openers.options));

    mnuAide = menuBar()->addMenu(QStringLiteral("&?"));
    mnuDeAide[0] = mnuAide->addAction(tr("&Aide..."), this, [this] {
        ShowHelpPage(this, QStringLiteral("aide.htm"), m_context);
    });
    mnuDeAide[0]->setShortcut(Qt::Key_F1);
    mnuDeAide[1] = mnuAide->addSeparator();
    mnuDeAide[2] =
        mnuAide->addAction(tr("A &Propos de..."), this, [this] { showDialog(m_openers.about); });
    mnuDeAide[2]->setShortcut(Qt::Key_F3);
    mnuDeAide[2]->setEnabled(bool(m_openers.about));

    // F10 opens the menus, as on most desktops.
    auto *menuKey = new QShortcut(Qt::Key_F10, this);
    connect(menuKey, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(mnuJeu->menuAction()); });
}

void frmJeu::createStatusBar()
{
    BarreEtat = new QWidget(this);
    BarreEtat->setObjectName(QStringLiteral("BarreEtat"));
    BarreEtat->setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(BarreEtat);
    layout->setContentsMargins(6, 3, 6, 3);

    auto addLabel = [&](const QString &text) {
        auto *label = new QLabel(text, BarreEtat);
        layout->addWidget(label);
        return label;
    };
    addLabel(tr("Nom du joueur:"));
    txtJoueur = new QLineEdit(BarreEtat);
    txtJoueur->setObjectName(QStringLiteral("txtJoueur"));
    txtJoueur->setToolTip(tr("Nom du joueur"));
    txtJoueur->setValidator(new UpperCaseValidator(txtJoueur));
    txtJoueur->setMaxLength(Settings::NomDuJoueurLongueurMax);
    QFont nameFont;
    nameFont.setFamilies(
        {QStringLiteral("MS Serif"), QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    txtJoueur->setFont(nameFont);
    txtJoueur->setMaximumWidth(220);
    layout->addWidget(txtJoueur);
    layout->addSpacing(16);
    addLabel(tr("Temps:"));
    static const bool clockRead = [] {
        QAccessible::installFactory(clockInterface);
        return true;
    }();
    Q_UNUSED(clockRead);
    // Named before its first text: a screen reader's view of a widget is made at the first event
    // about it, and a label with a name of its own tells no change of name when its text changes.
    lblChrono = new QLabel(BarreEtat);
    lblChrono->setObjectName(QStringLiteral("lblChrono"));
    lblChrono->setAccessibleName(tr("Temps de jeu"));
    lblChrono->setToolTip(tr("Temps de jeu"));
    lblChrono->setText(ClockText(0));
    layout->addWidget(lblChrono);
    layout->addSpacing(16);
    addLabel(tr("Pour l'aide, appuyez sur F1..."));
    layout->addStretch();
    // A line of its own over the bar, shown only when there is something to say: the bar's
    // line is full at 800 pixels.
    lblEtat = new QLabel(this);
    lblEtat->setObjectName(QStringLiteral("lblEtat"));
    lblEtat->setWordWrap(true);
    lblEtat->setContentsMargins(6, 3, 6, 0);
    lblEtat->setAutoFillBackground(true);
    lblEtat->setProperty(TagProperty, StatusTag);
    lblEtat->hide();
    connect(m_keeper, &ResumeKeeper::problem, this,
            [this](const QString &line, const QString &details) {
                lblEtat->setText(line);
                lblEtat->setToolTip(details);
                lblEtat->setAccessibleDescription(details);
                lblEtat->show();
            });

    const std::array<QMenu *, 3> menus{mnuJeu, mnuOptions, mnuAide};
    const std::array<QString, 3> tips{tr("Affiche le menu du jeu"),
                                      tr("Affiche le menu des options"),
                                      tr("Affiche le menu d'aide")};
    for (std::size_t i = 0; i < imgMenu.size(); ++i) {
        imgMenu[i] = new MenuPicture(menus[i], BarreEtat);
        imgMenu[i]->setToolTip(tips[i]);
        layout->addWidget(imgMenu[i]);
    }

    BarreEtat->setProperty(TagProperty, StatusTag);
    for (QWidget *child : BarreEtat->findChildren<QWidget *>())
        child->setProperty(TagProperty, StatusTag);
}

bool frmJeu::load()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        // At most the screen's free area, frame included, so that menus and status bar stay
        // within reach on a small or scaled screen.
        const QRect area = screen->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        resize(size().boundedTo(area.size() - frame));
        const QSize outer = frameGeometry().size();
        move(area.left() + (area.width() - outer.width()) / 2,
             area.top() + (area.height() - outer.height()) / 2);
    }
    setWindowState(Qt::WindowNoState);

    AppState &state = m_context.state;
    state.cardsFilePath = state.appFolder + QStringLiteral("cartes.res");
    if (!FileExists(state.cardsFilePath)) {
        m_context.dialogs.message(
            this,
            tr("Impossible de trouver le fichier contenant les images des cartes "
               "[CARTES.RES]. Le programme va se terminer"),
            UserDialogs::Icon::Exclamation, AppTitle);
        return false;
    }
    ApplyWindowLook();
    BuildCardTables(state);
    BuildGameList();
    openStartupGame();
    return true;
}

void frmJeu::ApplyWindowLook()
{
    txtJoueur->setText(m_context.settings.parameter(Settings::NomDuJoueur));
    m_fond->setBackground(
        ColourSetting(m_context.settings.parameter(Settings::Fond), DefaultTableColour));
    const std::array<QString, 3> icons{QStringLiteral("JEU"), QStringLiteral("PARAMETRES"),
                                       QStringLiteral("AIDE")};
    for (std::size_t i = 0; i < imgMenu.size(); ++i) {
        imgMenu[i]->setPixmap(Pictures::pixmap(icons[i], QSize(20, 20), devicePixelRatioF()));
        imgMenu[i]->setCursor(Pictures::handCursor());
    }
    setWindowIcon(Pictures::icon(QStringLiteral("A")));
    applyStatusColours();
}

void frmJeu::applyStatusColours()
{
    const QColor background = ColourSetting(m_context.settings.parameter(Settings::CouleurFondEtat),
                                            DefaultStatusBackground);
    const QColor text =
        ColourSetting(m_context.settings.parameter(Settings::CouleurTexteEtat), DefaultStatusText);
    QList<QWidget *> tagged = findChildren<QWidget *>();
    tagged.prepend(this);
    for (QWidget *widget : tagged) {
        if (widget->property(TagProperty).toString() != StatusTag)
            continue;
        QPalette palette = widget->palette();
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, background);
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, text);
        widget->setPalette(palette);
    }
}

void frmJeu::BuildGameList()
{
    mnuDeVorelle->clear();
    mnuDeVorelleItems.clear();
    for (int k = 0; k < GameCatalog::GameNames().size(); ++k) {
        QAction *item = mnuDeVorelle->addAction(GameCatalog::menuCaption(k));
        // The check mark is the launcher's to set, never a click's.
        connect(item, &QAction::triggered, this, [this, k, item] {
            item->setChecked(!item->isChecked());
            mnuDeVorelle_Click(k);
        });
        mnuDeVorelleItems.append(item);
    }
}

bool frmJeu::resumeGame()
{
    const std::optional<SessionLog> log = m_keeper->pending();
    if (!log)
        return false;
    const qsizetype game = GameCatalog::GameNames().indexOf(log->game);
    if (game < 0) {
        m_keeper->refused();
        return false;
    }
    mnuDeVorelle_Click(int(game));
    auto *form = qobject_cast<GameForm *>(gameWindow());
    if (!form || !form->resume(*log))
        m_keeper->refused();
    return true;
}

void frmJeu::openStartupGame()
{
    if (resumeGame())
        return;
    const QString wanted = m_context.settings.parameter(Settings::Demarrage);
    if (wanted == QLatin1String("Aucune"))
        return;
    for (int k = 0; k < mnuDeVorelleItems.size(); ++k) {
        if (mnuDeVorelleItems[k]->text().endsWith(wanted, Qt::CaseSensitive)) {
            mnuDeVorelle_Click(k);
            return;
        }
    }
}

void frmJeu::mnuDeVorelle_Click(int index)
{
    QAction *chosen = mnuDeVorelleItems.at(index);
    const QString name = GameCatalog::nameFromCaption(chosen->text());
    AppState &state = m_context.state;
    if (chosen->isChecked()) {
        m_context.dialogs.message(
            this,
            name.toUpper() + tr(": ce jeu est déja affiché") +
                (state.gameInProgress ? tr(" et est en cours.") : QStringLiteral(".")),
            UserDialogs::Icon::Information, AppTitle);
        return;
    }
    for (QAction *item : std::as_const(mnuDeVorelleItems)) {
        if (!item->isChecked())
            continue;
        if (state.gameInProgress &&
            !m_context.dialogs.askYesNo(
                this,
                tr("Un jeu de vorelle est déja en cours.\n\nVoulez-vous abandonner "
                   "celui-ci et commencer celui que vous venez de selectionner ?"),
                UserDialogs::Icon::Question, AppTitle))
            return;
        if (state.gameInProgress)
            m_keeper->giveUp();
        closeGameWindow();
        setCheckMark(item, false);
    }
    setCheckMark(chosen, true);
    mnuDeJeu[1]->setEnabled(true);

    QWidget *window = m_games.create(name, *this);
    if (!window)
        return;
    QMdiSubWindow *sub = m_fond->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(window->windowTitle());
    sub->setWindowIcon(windowIcon());
    connect(sub, &QObject::destroyed, this, &frmJeu::gameWindowGone);
    if (auto *form = qobject_cast<GameForm *>(window))
        m_keeper->watch(form);
    sub->showMaximized();
    // Where the window put its focus (JOUER, for the deal waiting), or on the window.
    (window->focusWidget() ? window->focusWidget() : window)->setFocus();
    m_solverMenu->update();
}

QMdiSubWindow *frmJeu::gameSubWindow() const
{
    const QList<QMdiSubWindow *> windows = m_fond->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if ((*it)->widget() && !(*it)->widget()->property(TagProperty).toString().isEmpty())
            return *it;
    }
    return nullptr;
}

QWidget *frmJeu::gameWindow() const
{
    QMdiSubWindow *sub = gameSubWindow();
    return sub ? sub->widget() : nullptr;
}

void frmJeu::closeGameWindow()
{
    if (QMdiSubWindow *sub = gameSubWindow()) {
        disconnect(sub, &QObject::destroyed, this, &frmJeu::gameWindowGone);
        sub->close();
        gameWindowGone();
    }
}

void frmJeu::gameWindowGone()
{
    // What closing a game window does to the main window, however it was closed.
    m_context.state.gameInProgress = false;
    stopClock();
    for (QAction *item : std::as_const(mnuDeVorelleItems))
        setCheckMark(item, false);
    m_solverMenu->gameWindowClosed();
}

void frmJeu::stopGame()
{
    AppState &state = m_context.state;
    if (state.gameInProgress &&
        !m_context.dialogs.askYesNo(this,
                                    tr("Voulez-vous vraiment interrompre la partie en cours ?"),
                                    UserDialogs::Icon::Question, AppTitle))
        return;
    const bool stopped = state.gameInProgress;
    state.gameInProgress = false;
    if (auto *game = qobject_cast<GameForm *>(gameWindow()); game && stopped)
        game->gameStopped();
}

bool frmJeu::ConfirmQuit()
{
    if (!m_context.dialogs.askYesNo(this, tr("Êtes vous sûr(e) de vouloir quitter le jeu ?"),
                                    UserDialogs::Icon::Question, AppTitle))
        return false;
    m_keeper->keepAndRelease();
    Q_EMIT quitConfirmed();
    return true;
}

void frmJeu::closeEvent(QCloseEvent *event)
{
    // Only ConfirmQuit ends the program; the close box asks it instead of closing.
    event->ignore();
    ConfirmQuit();
}

void frmJeu::clockTick()
{
    if (ClockTick(m_context.state))
        lblChrono->setText(ClockText(m_context.state.elapsedSeconds));
}

void frmJeu::refreshAfterOptions()
{
    applyStatusColours();
    txtJoueur->setText(m_context.settings.parameter(Settings::NomDuJoueur));
    if (auto *game = qobject_cast<GameForm *>(gameWindow()))
        game->applyTableLook();
}

void frmJeu::showDialog(const std::function<void(QWidget *)> &opener)
{
    if (opener)
        opener(this);
}

void frmJeu::startClock()
{
    // A game starts: F5 must stop it even if the menu, opened before, disabled the item.
    mnuDeJeu[1]->setEnabled(true);
    // A resumed game goes on from its time.
    lblChrono->setText(ClockText(m_context.state.elapsedSeconds));
    Timer1.start();
}

void frmJeu::stopClock()
{
    Timer1.stop();
    lblChrono->setText(ClockText(0));
}

QString frmJeu::playerName() const
{
    return txtJoueur->text();
}

QString frmJeu::clockText() const
{
    return lblChrono->text();
}

void frmJeu::maximiseMainWindow()
{
    setWindowState(windowState() | Qt::WindowMaximized);
}
