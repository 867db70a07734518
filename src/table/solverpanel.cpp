// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/solverpanel.h"

#include "games/gamerules.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "solver/positionkey.h"
#include "solver/solverline.h"
#include "table/cardtable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QPainter>

namespace {

constexpr int DemonstrationStepMs = 500;
const QString Separator = QStringLiteral("   ·   ");

QString verdictText(const SolverAnswer &answer, bool wasWinnable)
{
    switch (answer.verdict) {
    case SolverAnswer::Verdict::Winnable:
        return QCoreApplication::translate("SolverPanel", "Donne gagnable");
    case SolverAnswer::Verdict::Lost:
        return wasWinnable ? QCoreApplication::translate("SolverPanel", "Plus gagnable")
                           : QCoreApplication::translate("SolverPanel", "Perdue d'avance");
    case SolverAnswer::Verdict::Unknown:
        break;
    }
    return QCoreApplication::translate("SolverPanel", "Inconnu");
}

void pressButton(const SolverPanel::Window &window, const QString &name)
{
    if (QAbstractButton *button = window.button(name))
        button->click();
}

// One action of a line, through the table's own signals: the window handles it exactly as the
// player's.
void playThroughWindow(const SolverPanel::Window &window, const SolverMove &move,
                       const AppState &state)
{
    CardTable *table = &window.table();
    switch (move.action) {
    case SolverMove::Action::Click:
        Q_EMIT table->clicked(move.picture);
        if (move.partner >= 0 && state.gameInProgress)
            Q_EMIT table->clicked(move.partner);
        if (!move.button.isEmpty() && state.gameInProgress)
            pressButton(window, move.button);
        return;
    case SolverMove::Action::DoubleClick:
        Q_EMIT table->doubleClicked(move.picture);
        return;
    case SolverMove::Action::RightPress:
        Q_EMIT table->rightPressed(move.picture);
        return;
    case SolverMove::Action::Drop:
        Q_EMIT table->dropped(move.picture, move.target, move.dropTopLeft);
        return;
    case SolverMove::Action::Press:
        pressButton(window, move.button);
        return;
    }
}

} // namespace

// The hint's frames, drawn over the table; clicks go through to the cards.
class SolverHint final : public QWidget {
public:
    explicit SolverHint(CardTable *table) : QWidget(table), m_table(table)
    {
        setObjectName(QStringLiteral("solverHint"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    void frame(const QList<QRect> &twips)
    {
        m_rects = twips;
        setGeometry(m_table->rect());
        setVisible(!twips.isEmpty());
        raise();
        update();
    }
    const QList<QRect> &rects() const { return m_rects; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(QColor(0, 90, 255), 3));
        for (const QRect &twips : std::as_const(m_rects))
            painter.drawRect(m_table->toPixels(twips.adjusted(-60, -60, 60, 60)));
    }

private:
    CardTable *m_table;
    QList<QRect> m_rects;
};

SolverPanel::SolverPanel(Window &window, AppContext &context, std::unique_ptr<Solver> solver)
    : QObject(&window.widget()), m_window(window), m_context(context), m_solver(std::move(solver)),
      m_worker(new SolverWorker(this)), m_indicator(new QLabel(&window.widget())),
      m_hint(new SolverHint(&window.table())), m_demoTimer(new QTimer(this))
{
    m_indicator->setObjectName(QStringLiteral("lblSolveur"));
    m_indicator->setToolTip(
        QCoreApplication::translate("SolverPanel", "Indicateur de donne gagnable"));
    m_indicator->setStyleSheet(QStringLiteral(
        "QLabel { background: rgb(255, 250, 230); color: #202020; border-top: 1px solid #6b5a2e;"
        " padding: 1px 6px; }"));
    QFont font = m_indicator->font();
    font.setPointSize(10);
    font.setBold(true);
    m_indicator->setFont(font);
    m_shown = context.settings.read(QString::fromLatin1(Settings::SolveurSection),
                                    QString::fromLatin1(Settings::SolveurIndicateur)) !=
              QLatin1String("0");
    m_indicator->setVisible(m_shown);
    m_demoTimer->setObjectName(QStringLiteral("solverDemoTimer"));
    m_demoTimer->setInterval(DemonstrationStepMs);
    connect(m_demoTimer, &QTimer::timeout, this, &SolverPanel::demonstrationStep);
    connect(m_worker, &SolverWorker::answered, this, &SolverPanel::searched);
}

SolverPanel::~SolverPanel()
{
    qApp->removeEventFilter(this);
}

int SolverPanel::stripHeight() const
{
    return m_shown ? m_indicator->sizeHint().height() : 0;
}

QRect SolverPanel::placeStrip(const QRect &window)
{
    if (!m_shown)
        return window;
    const int height = stripHeight();
    m_indicator->setGeometry(window.left(), window.bottom() - height + 1, window.width(), height);
    return window.adjusted(0, 0, 0, -height);
}

void SolverPanel::relayout()
{
    m_window.table().setGeometry(placeStrip(m_window.widget().rect()));
}

void SolverPanel::setIndicatorShown(bool shown)
{
    m_shown = shown;
    m_indicator->setVisible(shown);
    relayout();
}

void SolverPanel::newDeal()
{
    m_wasWinnable = false;
    m_demonstrated = false;
}

bool SolverPanel::usable() const
{
    return m_context.state.gameInProgress ||
           m_window.button(QStringLiteral("Boutons(0)"))->isEnabled();
}

void SolverPanel::positionChanged()
{
    if (m_playing)
        return;
    const QByteArray position = SolverPositionKey(
        m_window.rules().table(), m_context.state.gameInProgress, m_window.prompt());
    if (position == m_position)
        return;
    m_position = position;
    m_hint->frame({});
    m_hintWanted = false;
    m_answer.reset();
    if (const auto cached = m_worker->request(position, m_solver->prepare(m_window.rules())))
        answered(position, *cached);
    else
        show();
}

// A search's answer: the positions along its line get the rest of it, so that a hint followed
// move by move, and the demonstration, keep to this line.
void SolverPanel::searched(const QByteArray &position, const SolverAnswer &answer)
{
    if (position == m_position) {
        for (const auto &[along, rest] : AnswersAlong(m_window.session(), *m_solver, answer))
            m_worker->remember(along, rest);
    }
    answered(position, answer);
}

void SolverPanel::answered(const QByteArray &position, const SolverAnswer &answer)
{
    if (position != m_position)
        return;
    m_answer = answer;
    if (answer.verdict == SolverAnswer::Verdict::Winnable)
        m_wasWinnable = true;
    show();
    if (m_hintWanted && !searchingOn())
        showHint();
}

bool SolverPanel::searchingOn() const
{
    return m_answer && m_answer->verdict == SolverAnswer::Verdict::Unknown && m_worker->searching();
}

void SolverPanel::show()
{
    QStringList parts;
    parts.append(m_answer ? verdictText(*m_answer, m_wasWinnable)
                          : QCoreApplication::translate("SolverPanel", "Recherche…"));
    // A search that gave up at its budget goes on without one: its answer replaces this one.
    if (searchingOn())
        parts.append(QCoreApplication::translate("SolverPanel", "Recherche prolongée…"));
    if (m_answer && !m_answer->summary.isEmpty())
        parts.append(m_answer->summary);
    if (const QString summary = m_solver->gameSummary(); !summary.isEmpty())
        parts.append(summary);
    if (m_hint->isVisible() && m_answer && m_answer->verdict == SolverAnswer::Verdict::Lost)
        parts.append(QCoreApplication::translate("SolverPanel", "Aucune solution: meilleur coup"));
    m_indicator->setText(parts.join(Separator));
}

void SolverPanel::hint()
{
    if (!usable())
        return;
    m_hintWanted = true;
    if (m_answer && !searchingOn())
        showHint();
}

void SolverPanel::showHint()
{
    m_hintWanted = false;
    if (!m_answer || m_answer->line.isEmpty())
        return;
    QList<QRect> rects;
    const TableModel &table = m_window.rules().table();
    for (const int picture : m_answer->line.first().framed) {
        if (picture >= 0 && picture < table.pictures.size())
            rects.append(table.at(picture).rect);
    }
    m_hint->frame(rects);
    show();
}

void SolverPanel::startDemonstration()
{
    if (!usable())
        return;
    // From a fresh deal the demonstration starts the game, as JOUER would.
    if (!m_context.state.gameInProgress)
        m_window.button(QStringLiteral("Boutons(0)"))->click();
    m_demonstrating = true;
    qApp->installEventFilter(this);
    m_demoTimer->start();
}

void SolverPanel::stopDemonstration()
{
    m_demonstrating = false;
    m_demoTimer->stop();
    qApp->removeEventFilter(this);
}

void SolverPanel::demonstrationStep()
{
    if (m_playing)
        return;
    if (!m_context.state.gameInProgress) {
        stopDemonstration();
        return;
    }
    if (!m_answer || searchingOn())
        return; // still searching: the next tick looks again
    if (m_answer->line.isEmpty()) {
        stopDemonstration();
        return;
    }
    const SolverMove move = m_answer->line.first();
    m_playing = true;
    m_demonstrated = true;
    playThroughWindow(m_window, move, m_context.state);
    m_playing = false;
    positionChanged();
    if (!m_context.state.gameInProgress)
        stopDemonstration();
}

bool SolverPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (m_demonstrating && !m_playing &&
        (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)) {
        stopDemonstration();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
