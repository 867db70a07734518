// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/gameform.h"

#include "catalog/gamecatalog.h"
#include "games/tablemotion.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "settings/storedkeys.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/cardback.h"
#include "shared/colours.h"
#include "shared/files.h"
#include "shared/fittedfont.h"
#include "shared/helppage.h"
#include "shared/recordlog.h"
#include "shared/userdialogs.h"
#include "table/cardtable.h"
#include "table/controlwidgets.h"
#include "table/mainwindowlink.h"
#include "table/solverpanel.h"
#include "table/tablekeyboard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <cmath>

namespace {

const std::array<const char *, 4> ButtonCaptions{
    QT_TRANSLATE_NOOP("GameForm", "&Jouer"), QT_TRANSLATE_NOOP("GameForm", "&Distribuer"),
    QT_TRANSLATE_NOOP("GameForm", "&Règles"), QT_TRANSLATE_NOOP("GameForm", "&Quitter")};
enum Button { Jouer, Distribuer, Regles, Quitter };

} // namespace

// The yellow band edged in black that the table draws around its focused card, around the
// focused button or list over the table. The style's own mark is not enough: it draws the
// default button (JOUER, then DISTRIBUER) with the very outline it gives to the focused one.
class FocusRing final : public QWidget {
public:
    explicit FocusRing(QWidget *table) : QWidget(table)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }

    // Around the control, on its edge; hidden for none.
    void follow(QWidget *control)
    {
        if (!control) {
            hide();
            return;
        }
        setGeometry(control->geometry().adjusted(-Band, -Band, Band, Band));
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRectF edge = QRectF(rect()).adjusted(Band, Band, -Band, -Band);
        painter.setPen(QPen(Qt::black, 2 * Band));
        painter.drawRect(edge);
        painter.setPen(QPen(QColor(255, 214, 0), Band));
        painter.drawRect(edge);
    }

private:
    static constexpr int Band = 2; // pixels on each side of the control's edge
};

GameForm::GameForm(const GameInfo &info, AppContext &context, MainWindowLink &main, QWidget *parent)
    : QWidget(parent), Tapis(new CardTable(this)), lblInfo(new QLabel(Tapis)), m_context(context),
      m_main(main), m_focusRing(new FocusRing(Tapis))
{
    new TableKeyboard(Tapis);
    setObjectName(QString::fromUtf8(info.windowName));
    setWindowTitle(QString::fromUtf8(info.caption));
    setProperty("tag", QString::fromUtf8(info.tag));
    m_session = std::make_unique<GameSession>(info, context.core(), *this);
    setMinimumSize(sizeHint() * MinimumZoom);
    const FormLayout layout = rules().layout();
    if (layout.maximiseMainWindow)
        m_main.maximiseMainWindow();
    m_controls = new ControlWidgets(Tapis);
    connect(m_controls, &ControlWidgets::selected, this, [this](const QString &name, int entry) {
        m_session->select(name, entry);
        afterAction();
    });
    connect(m_controls, &ControlWidgets::pressed, this, [this](const QString &name) {
        m_session->press(name);
        afterAction();
    });
    m_rulesTimer = new QTimer(this);
    m_rulesTimer->setObjectName(QStringLiteral("rulesTimer"));
    connect(m_rulesTimer, &QTimer::timeout, this, [this] {
        m_session->timerTick();
        afterAction();
    });

    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setToolTip(tr("Information"));
    lblInfo->setWordWrap(true);
    lblInfo->setMargin(3); // the text, whose ink may pass its advance, keeps clear of the border
    lblInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInfo->setText(tr("CLIQUEZ SUR LA CARTE CI-DESSOUS"));
    lblInfo->setStyleSheet(QStringLiteral(
        "QLabel { background: rgba(255, 250, 230, 225); color: #202020; border: 1px solid #6b5a2e;"
        " padding: 2px; }"));
    for (std::size_t i = 0; i < Boutons.size(); ++i) {
        Boutons[i] = new QPushButton(tr(ButtonCaptions[i]), Tapis);
        Boutons[i]->setToolTip(layout.toolTips[i]);
        Boutons[i]->setFocusPolicy(Qt::TabFocus);
        connect(Boutons[i], &QPushButton::clicked, this, [this, i] { Boutons_Click(int(i)); });
    }
    setDefaultButton(Jouer);

    Tapis->setModel(&rules().table(), layout.area);
    Tapis->setDragGroup([this](int source) { return rules().dragged(source); });
    Tapis->setPlaceNames([this](int picture) { return rules().placeName(picture); });
    connect(Tapis, &CardTable::layoutChanged, this, &GameForm::placeControls);
    connect(Tapis, &CardTable::clicked, this, [this](int i) {
        m_session->click(i);
        afterAction();
    });
    connect(Tapis, &CardTable::doubleClicked, this, [this](int i) {
        m_session->doubleClick(i);
        afterAction();
    });
    connect(Tapis, &CardTable::rightPressed, this, [this](int i) {
        m_session->rightPress(i);
        afterAction();
    });
    connect(Tapis, &CardTable::hovered, this, [this](int i) {
        m_session->hover(i);
        afterAction();
    });
    connect(Tapis, &CardTable::dragMoved, this, [this](int source, int target) {
        m_session->dragOver(source, target);
        afterAction();
    });
    connect(Tapis, &CardTable::dropped, this, [this](int source, int target, QPoint at) {
        m_session->drop(source, target, at);
        afterAction();
    });
    qApp->installEventFilter(this);
    // The window's focus is the table's, and the focused control over it wears a ring.
    setFocusProxy(Tapis);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { showFocusRing(now); });
    if (auto solver = GameCatalog::solverFor(QString::fromUtf8(info.menuName)))
        m_solverPanel = new SolverPanel(*this, context, std::move(solver));

    // Loading: the prompt, no game in progress, the look, then the first deal.
    setPrompt(QCoreApplication::translate(
        "GameSession", "Appuyez sur le bouton JOUER pour commencer la nouvelle vorelle"));
    m_context.state.gameInProgress = false;
    ApplyWindowLook();
    m_session->open();
    showTitle();
    afterAction();
    orderTabs();
}

// Tab goes from the table to the game's own controls, then to the four buttons.
void GameForm::orderTabs()
{
    QWidget *previous = Tapis;
    for (const Control &control : rules().table().controls) {
        QWidget *widget = m_controls->widget(control.name);
        if (widget && widget->focusPolicy() != Qt::NoFocus) {
            setTabOrder(previous, widget);
            previous = widget;
        }
    }
    for (QPushButton *button : Boutons) {
        setTabOrder(previous, button);
        previous = button;
    }
    // The first deal waits for JOUER: Return starts it.
    Boutons[Jouer]->setFocus();
}

GameForm::~GameForm()
{
    Q_EMIT closing();
    // The rules, and their table model, go before the widgets do; the focus leaving them as
    // they go is none of the ring's business.
    Tapis->forgetModel();
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void GameForm::applyTableLook()
{
    const QString picture = m_context.settings.parameter(Settings::ImageDeFond);
    Tapis->setTablePicture(FileExists(picture) ? picture : QString());
    Tapis->setTableColour(
        ColourSetting(m_context.settings.parameter(Settings::Fond), DefaultTableColour));
    Tapis->setAnimated(Settings::animationWanted(m_context.settings));
}

void GameForm::ApplyWindowLook()
{
    applyTableLook();
    const QString storedBack = m_context.settings.parameter(Settings::DosDesCartes);
    AppState &state = m_context.state;
    state.cardBackChoice = CardBackChoiceFromSetting(storedBack);
    Tapis->setCardBack(ResolveCardBack(state.cardBackChoice, storedBack, state.cardsFilePath));
    rules().applyLook(FileExists(state.cardsFilePath));
    afterAction();
}

QSize GameForm::sizeHint() const
{
    // The solver's strip comes under the table, which keeps its design size.
    const int strip = m_solverPanel ? m_solverPanel->stripHeight() : 0;
    return rules().layout().area / 15 + QSize(0, strip);
}

void GameForm::resizeEvent(QResizeEvent *)
{
    Tapis->setGeometry(m_solverPanel ? m_solverPanel->placeStrip(rect()) : rect());
}

void GameForm::placeControls()
{
    const FormLayout layout = rules().layout();
    const qreal zoom = Tapis->scale() * 15.0; // 1 at the design size
    QFont infoFont;
    infoFont.setFamilies(DesignFamilies(layout.infoFont));
    lblInfo->setFont(infoFont);
    lblInfo->setGeometry(Tapis->toPixels(layout.info));
    fitPrompt();
    QFont buttonFont;
    buttonFont.setPixelSize(std::max(8, int(std::lround(12 * zoom))));
    for (std::size_t i = 0; i < Boutons.size(); ++i) {
        Boutons[i]->setFont(buttonFont);
        Boutons[i]->setGeometry(Tapis->toPixels(layout.buttons[i]));
    }
    m_controls->place();
    showFocusRing(QApplication::focusWidget());
}

void GameForm::showFocusRing(QWidget *focused)
{
    const bool control = focused && focused != Tapis && focused->parentWidget() == Tapis;
    m_focusRing->follow(control ? focused : nullptr);
}

void GameForm::setDefaultButton(int index)
{
    for (int i = 0; i < int(Boutons.size()); ++i)
        Boutons[std::size_t(i)]->setDefault(i == index);
}

void GameForm::Boutons_Click(int index)
{
    AppState &state = m_context.state;
    switch (index) {
    case Jouer:
        // The buttons first: a deal may end as soon as it is turned up, and the end of the game
        // sets them again.
        Boutons[Jouer]->setEnabled(false);
        Boutons[Distribuer]->setEnabled(true);
        setDefaultButton(Distribuer);
        m_session->play();
        if (state.gameInProgress)
            showPlaying();
        break;
    case Distribuer:
        if (!m_session->mayDealAgain())
            return;
        m_session->deal();
        break;
    case Regles:
        ShowHelpPage(this, QString::fromUtf8(rules().info().helpPage), m_context);
        return;
    case Quitter:
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
        return;
    default:
        return;
    }
    afterAction();
}

// The arrows play at once: the focus goes to the table, on its first card.
void GameForm::showPlaying()
{
    Boutons[Jouer]->setEnabled(false);
    Boutons[Distribuer]->setEnabled(true);
    setDefaultButton(Distribuer);
    Tapis->keyboard()->focusFirst();
    Tapis->setFocus(Qt::OtherFocusReason);
}

void GameForm::dealing()
{
    m_stopped = false;
    if (m_solverPanel)
        m_solverPanel->newDeal();
}

// The buttons as before JOUER, for the cards just dealt, and the deal's number in the caption.
void GameForm::dealt()
{
    Boutons[Jouer]->setEnabled(true);
    setDefaultButton(Jouer);
    Boutons[Jouer]->setFocus(Qt::OtherFocusReason);
    showTitle();
}

void GameForm::showTitle()
{
    m_titleDeal = rules().dealNumber();
    QString title = QString::fromUtf8(rules().info().caption);
    if (rules().dealNumber() != 0)
        title +=
            QCoreApplication::translate("GameSession", " — donne n° %1").arg(rules().dealNumber());
    setWindowTitle(title);
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->setWindowTitle(title);
}

void GameForm::replayDeal()
{
    if (!m_session->mayDealAgain())
        return;
    m_session->replayDeal();
    afterAction();
}

void GameForm::dealNumbered(quint32 number)
{
    if (!m_session->mayDealAgain())
        return;
    m_session->deal(number);
    afterAction();
}

bool GameForm::resume(const SessionLog &log)
{
    if (!m_session->resume(log))
        return false;
    showPlaying();
    if (m_solverPanel)
        m_solverPanel->newDeal();
    afterAction();
    return true;
}

UndoPolicy GameForm::undoPolicy() const
{
    return m_session->undoPolicy();
}

bool GameForm::canUndo() const
{
    return m_session->canUndo();
}

bool GameForm::canRedo() const
{
    return m_session->canRedo();
}

void GameForm::undo()
{
    if (undoPolicy() == UndoPolicy::Refused) {
        m_context.dialogs.message(this, UndoRefusedMessage(), UserDialogs::Icon::Information,
                                  AppTitle);
        return;
    }
    if (!canUndo())
        return;
    m_session->undo();
    afterAction();
}

void GameForm::redo()
{
    if (!canRedo())
        return;
    m_session->redo();
    afterAction();
}

void GameForm::setPrompt(const QString &text)
{
    if (m_stopped)
        return;
    lblInfo->setText(text);
    fitPrompt();
}

void GameForm::gameStopped()
{
    m_session->stop();
    setPrompt(QCoreApplication::translate(
        "GameSession",
        "Partie arrêtée. Appuyez sur le bouton DISTRIBUER pour une nouvelle vorelle."));
    m_stopped = true;
    Q_EMIT historyChanged();
}

// The prompt's box is the game's, scaled with the table; its font shrinks to show the whole text.
void GameForm::fitPrompt()
{
    FitLabelFont(lblInfo, std::max(8, int(std::lround(11 * Tapis->scale() * 15.0))));
}

QString GameForm::prompt() const
{
    return lblInfo->text();
}

void GameForm::startClock()
{
    m_main.startClock();
}

void GameForm::stopClock()
{
    m_main.stopClock();
}

bool GameForm::askYesNo(const QString &question, const QString &title, Asking asking)
{
    return m_context.dialogs.askYesNo(
        this, question,
        asking == Asking::GiveUp ? UserDialogs::Icon::Question : UserDialogs::Icon::None, title);
}

void GameForm::tell(const QString &message)
{
    m_context.dialogs.message(this, message, UserDialogs::Icon::Exclamation, AppTitle);
}

QString GameForm::record(const GameRecord &record)
{
    return RecordGame(LogPath(m_context.state), record, RecordLocale());
}

bool GameForm::mayRecord() const
{
    return !(m_solverPanel && m_solverPanel->demonstrated());
}

QString GameForm::playerName() const
{
    return m_main.playerName();
}

QString GameForm::clockText() const
{
    return m_main.clockText();
}

void GameForm::setTimer(int intervalMs)
{
    if (intervalMs > 0)
        m_rulesTimer->start(intervalMs);
    else
        m_rulesTimer->stop();
}

QWidget *GameForm::control(const QString &name) const
{
    return m_controls->widget(name);
}

QAbstractButton *GameForm::button(const QString &name) const
{
    if (auto *own = qobject_cast<QAbstractButton *>(control(name)))
        return own;
    for (std::size_t i = 0; i < Boutons.size(); ++i) {
        if (name == QStringLiteral("Boutons(%1)").arg(i))
            return Boutons[i];
    }
    return nullptr;
}

void GameForm::afterAction()
{
    Tapis->modelChanged();
    m_controls->sync(rules().table().controls);
    // A game that deals again by itself (a list chosen) drops its deal's number.
    if (rules().dealNumber() != m_titleDeal)
        showTitle();
    if (m_solverPanel)
        m_solverPanel->positionChanged();
    Q_EMIT historyChanged();
}

void GameForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (QPushButton *button : Boutons) {
            if (button->isDefault() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    }
    QWidget::keyPressEvent(event);
}

bool GameForm::isActiveGameWindow() const
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub)
        return isActiveWindow();
    return sub->mdiArea() && sub->mdiArea()->activeSubWindow() == sub && window()->isActiveWindow();
}

QPushButton *GameForm::buttonForKey(const QKeyEvent *event) const
{
    if (event->modifiers() != Qt::AltModifier || event->text().isEmpty())
        return nullptr;
    QList<QPushButton *> buttons(Boutons.begin(), Boutons.end());
    buttons += m_controls->buttons();
    for (QPushButton *button : std::as_const(buttons)) {
        if (button->isEnabled() && button->isVisible() &&
            QKeySequence::mnemonic(button->text()) == QKeySequence(Qt::ALT | event->key()))
            return button;
    }
    return nullptr;
}

bool GameForm::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    // Whatever the player does in the window finds the cards at rest, then goes on as usual.
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
         type == QEvent::KeyPress) &&
        watched->isWidgetType() && isAncestorOf(static_cast<QWidget *>(watched)))
        Tapis->motion()->finish();
    // Alt + the access key of a button of the active game window presses that button, wherever
    // the focus is in the main window.
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && isActiveGameWindow()) {
        if (QPushButton *button = buttonForKey(static_cast<QKeyEvent *>(event))) {
            if (type == QEvent::ShortcutOverride) {
                event->accept();
            } else {
                button->animateClick();
            }
            return type == QEvent::KeyPress;
        }
    }
    return QWidget::eventFilter(watched, event);
}
