// SPDX-License-Identifier: GPL-3.0-or-later
#include "solvecommand.h"

#include "autoplayer.h"
#include "catalog/gamecatalog.h"
#include "games/gamesession.h"
#include "games/montecarlo/montecarlorules.h"
#include "games/montecarlo/montecarlosolver.h"
#include "games/quiethost.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "shared/appstate.h"
#include "shared/randomsource.h"
#include "solver/solverline.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>

namespace {

constexpr int BadUsage = 2;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

int fail(const QString &problem)
{
    print(stderr, QStringLiteral("autoplay : %1\n").arg(problem));
    return BadUsage;
}

// Leaves the deck as it is: with "melange" at 0 its one exchange swaps the first card with itself.
class KeptOrder final : public RandomSource {
public:
    void reseed() override {}
    float next() override { return 0.0f; }
};

// A game with rules and a solver, by its menu name or its window name without "frm".
const GameInfo *findGame(const QString &name)
{
    for (const GameInfo &info : GameCatalog::all()) {
        const QString menu = QString::fromUtf8(info.menuName);
        const QString window = QString::fromUtf8(info.windowName).mid(3);
        if ((name.compare(menu, Qt::CaseInsensitive) == 0 ||
             name.compare(window, Qt::CaseInsensitive) == 0) &&
            GameCatalog::rulesFor(menu) && GameCatalog::solverFor(menu))
            return &info;
    }
    return nullptr;
}

QString gameNames()
{
    QStringList names;
    for (const GameInfo &info : GameCatalog::all()) {
        const QString menu = QString::fromUtf8(info.menuName);
        if (GameCatalog::rulesFor(menu) && GameCatalog::solverFor(menu))
            names.append(QStringLiteral("« %1 »").arg(menu));
    }
    return names.join(QStringLiteral(", "));
}

// One game on a table of its own, with a settings file in a temporary folder, as the window
// plays it: a deal, then JOUER.
class Table {
public:
    Table(const GameInfo &info, RandomSource &random, int melange)
        : m_settings(m_dir.filePath(QStringLiteral("solve.ini")))
    {
        BuildCardTables(m_state);
        m_settings.setParameter(Settings::Melange, QString::number(melange));
        session =
            std::make_unique<GameSession>(info, CoreContext{m_state, m_settings, random}, m_host);
        rules = &session->rules();
        session->keepUndo(false);
        deckSize = info.deckSize;
    }
    std::span<QString> deck()
    {
        if (deckSize == Cards::SmallDeck)
            return m_state.decks.deck32;
        return m_state.decks.deck52;
    }
    void deal()
    {
        if (m_opened) {
            session->deal();
        } else {
            session->open();
            m_opened = true;
        }
        m_endsBefore = m_host.results.size();
        session->play();
    }
    bool ended() const { return m_host.results.size() > m_endsBefore; }
    bool won() const { return ended() && m_host.results.last(); }

    std::unique_ptr<GameSession> session;
    GameRules *rules = nullptr;
    int deckSize = Cards::FullDeck;

private:
    QTemporaryDir m_dir;
    AppState m_state;
    SettingsStore m_settings;
    QuietHost m_host;
    qsizetype m_endsBefore = 0;
    bool m_opened = false;
};

// The codes of one deck a line, checked against the game's deck; the error otherwise.
std::optional<QStringList> parseDeck(const QString &line, const QStringList &valid, QString &error)
{
    const QStringList codes = Autoplay::deckCodes(line);
    if (codes.isEmpty()) {
        error = QStringLiteral("la donne est vide.");
        return std::nullopt;
    }
    if (codes.size() != valid.size()) {
        error = QStringLiteral("la donne compte %1 cartes au lieu de %2.")
                    .arg(codes.size())
                    .arg(valid.size());
        return std::nullopt;
    }
    QSet<QString> seen;
    for (const QString &code : std::as_const(codes)) {
        if (!valid.contains(code)) {
            error = QStringLiteral("carte inconnue « %1 ».").arg(code);
            return std::nullopt;
        }
        if (seen.contains(code)) {
            error = QStringLiteral("la carte « %1 » figure deux fois.").arg(code);
            return std::nullopt;
        }
        seen.insert(code);
    }
    return codes;
}

QString verdictWord(SolverAnswer::Verdict verdict)
{
    switch (verdict) {
    case SolverAnswer::Verdict::Winnable:
        return QStringLiteral("gagnable");
    case SolverAnswer::Verdict::Lost:
        return QStringLiteral("perdue");
    case SolverAnswer::Verdict::Unknown:
        break;
    }
    return QStringLiteral("inconnue");
}

SolverAnswer solveDeck(const GameInfo &info, const QStringList &codes)
{
    KeptOrder kept;
    Table table(info, kept, 0);
    std::span<QString> deck = table.deck();
    for (std::size_t i = 0; i < deck.size(); ++i)
        deck[i] = codes.at(qsizetype(i));
    table.deal();
    const std::atomic<bool> cancel{false};
    const auto solver = GameCatalog::solverFor(QString::fromUtf8(info.menuName));
    return solver->prepare(*table.rules)->run(cancel);
}

QString verdictLine(const SolverAnswer &answer)
{
    return QStringLiteral("%1\t%2\t%3\n")
        .arg(verdictWord(answer.verdict))
        .arg(answer.line.size())
        .arg(answer.nodes);
}

QStringList validCodes(const GameInfo &info)
{
    AppState state;
    BuildCardTables(state);
    if (info.deckSize == Cards::SmallDeck)
        return QStringList(state.decks.deck32.begin(), state.decks.deck32.end());
    return QStringList(state.decks.deck52.begin(), state.decks.deck52.end());
}

// The program's own simple policy: the first legal pair in reading order, every time. Nothing
// for a game that has none here.
std::optional<bool> simplePolicy(Table &table)
{
    if (!dynamic_cast<const MontecarloRules *>(table.rules))
        return std::nullopt;
    while (!table.ended()) {
        const auto model = MontecarloSolver::model(*table.rules);
        std::vector<MontecarloModel::Move> moves;
        if (model)
            model->moves(moves);
        if (moves.empty())
            return false;
        table.session->click(MontecarloRules::FirstPlace + moves.front().first);
        table.session->click(MontecarloRules::FirstPlace + moves.front().second);
    }
    return table.won();
}

double quantile(std::vector<double> values, double q)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto at = std::size_t(std::min(double(values.size() - 1), q * double(values.size())));
    return values[at];
}

} // namespace

int SolveCommand::solve(const QStringList &args)
{
    if (args.size() != 3 ||
        (args.at(1) != QLatin1String("--deck") && args.at(1) != QLatin1String("--decks")))
        return fail(QStringLiteral("usage : autoplay solve JEU --deck C1,C2,...,Cn | --decks "
                                   "FICHIER|- (jeux : %1)")
                        .arg(gameNames()));
    const GameInfo *info = findGame(args.at(0));
    if (!info)
        return fail(
            QStringLiteral("jeu sans solveur « %1 » (jeux : %2).").arg(args.at(0), gameNames()));
    const QStringList valid = validCodes(*info);
    QString error;
    if (args.at(1) == QLatin1String("--deck")) {
        const auto codes = parseDeck(args.at(2), valid, error);
        if (!codes)
            return fail(error);
        const SolverAnswer answer = solveDeck(*info, *codes);
        QString out = verdictLine(answer);
        if (answer.verdict == SolverAnswer::Verdict::Winnable) {
            for (const SolverMove &move : answer.line)
                out += move.text + QLatin1Char('\n');
        }
        print(stdout, out);
        return 0;
    }

    QFile file;
    const bool opened =
        args.at(2) == QLatin1String("-")
            ? file.open(stdin, QIODevice::ReadOnly | QIODevice::Text)
            : (file.setFileName(args.at(2)), file.open(QIODevice::ReadOnly | QIODevice::Text));
    if (!opened)
        return fail(QStringLiteral("impossible de lire « %1 ».").arg(args.at(2)));
    // Every line is checked before the first is solved, so a bad file prints nothing else.
    QList<QStringList> decks;
    QTextStream in(&file);
    for (int number = 1; !in.atEnd(); ++number) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty())
            continue;
        const auto codes = parseDeck(line, valid, error);
        if (!codes)
            return fail(QStringLiteral("ligne %1 : %2").arg(number).arg(error));
        decks.append(*codes);
    }
    for (const QStringList &codes : std::as_const(decks)) {
        print(stdout, verdictLine(solveDeck(*info, codes)));
        std::fflush(stdout);
    }
    return 0;
}

int SolveCommand::solveDeals(const QStringList &args)
{
    QStringList rest = args;
    rest.removeAll(QStringLiteral("--solve"));
    const bool patient = rest.removeAll(QStringLiteral("--patient")) > 0;
    if (rest.size() < 2)
        return fail(QStringLiteral(
            "usage : autoplay JEU DONNES --seed GRAINE [--melange M] --solve [--patient]"));
    const GameInfo *info = findGame(rest.at(0));
    if (!info)
        return fail(
            QStringLiteral("jeu sans solveur « %1 » (jeux : %2).").arg(rest.at(0), gameNames()));
    QString problem;
    const std::optional<Autoplay::DealRun> run =
        Autoplay::parseDealRun(rest.mid(1), info->deckSize, problem);
    if (!run)
        return fail(problem);

    const QString menu = QString::fromUtf8(info->menuName);
    const auto solver = GameCatalog::solverFor(menu);
    SeededRandom random{quint32(run->seed)};
    Table table(*info, random, int(run->melange));
    KeptOrder kept;
    Table replay(*info, kept, 0);
    qint64 winnable = 0;
    qint64 unknown = 0;
    qint64 replayedWins = 0; // winning lines that won when played through the rules
    qint64 policyWins = 0;
    bool policyKnown = true;
    std::vector<double> millis;
    const std::atomic<bool> cancel{false};
    for (qint64 deal = 0; deal < run->deals; ++deal) {
        table.deal();
        // The deal as shuffled, for the simple policy's own copy of it.
        const std::span<QString> dealt = table.deck();
        std::copy(dealt.begin(), dealt.end(), replay.deck().begin());
        QElapsedTimer clock;
        clock.start();
        const auto task = solver->prepare(*table.rules);
        SolverAnswer answer = task->run(cancel);
        if (patient && answer.verdict == SolverAnswer::Verdict::Unknown)
            answer = task->searchOn(cancel);
        millis.push_back(double(clock.nsecsElapsed()) / 1e6);
        winnable += answer.verdict == SolverAnswer::Verdict::Winnable ? 1 : 0;
        unknown += answer.verdict == SolverAnswer::Verdict::Unknown ? 1 : 0;
        if (answer.verdict == SolverAnswer::Verdict::Winnable) {
            for (const SolverMove &move : answer.line) {
                if (table.ended())
                    break;
                PlaySolverMove(*table.session, move);
            }
            replayedWins += table.won() ? 1 : 0;
        }
        replay.deal();
        const std::optional<bool> policy = simplePolicy(replay);
        policyKnown = policyKnown && policy.has_value();
        policyWins += policy.value_or(false) ? 1 : 0;
    }

    const QLocale french(QLocale::French, QLocale::France);
    const auto percent = [&](double fraction) {
        return french.toString(100 * fraction, 'f', 3) + QStringLiteral(" %");
    };
    const Autoplay::WinRate rate = Autoplay::winRate(winnable, run->deals);
    const auto ms = [&](double value) {
        return french.toString(value, 'f', 3) + QStringLiteral(" ms");
    };
    QString out = QStringLiteral("%1 : %2 donnes (graine %3, mélange %4)\n")
                      .arg(menu)
                      .arg(run->deals)
                      .arg(run->seed)
                      .arg(run->melange);
    out += QStringLiteral("gagnables avec un jeu parfait : %1 (intervalle de confiance à 95 % : "
                          "%2 à %3)\n")
               .arg(percent(rate.rate), percent(rate.low), percent(rate.high));
    out += QStringLiteral("inconnues : %1\n").arg(unknown);
    out += QStringLiteral("lignes gagnantes rejouées par les règles : %1 sur %2\n")
               .arg(replayedWins)
               .arg(winnable);
    out += QStringLiteral("gagnées par la politique simple : %1\n")
               .arg(policyKnown ? percent(double(policyWins) / double(run->deals))
                                : QStringLiteral("sans objet"));
    out += QStringLiteral("temps de résolution : médiane %1, 99e centile %2\n")
               .arg(ms(quantile(millis, 0.5)), ms(quantile(millis, 0.99)));
    print(stdout, out);
    return 0;
}
