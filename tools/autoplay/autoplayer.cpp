// SPDX-License-Identifier: GPL-3.0-or-later
#include "autoplayer.h"

#include "catalog/gamecatalog.h"
#include "settings/settingkeys.h"
#include "shared/cards.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

using FirstMove = AutoplayGame::FirstMove;

// Far more actions than any deal of these games needs (a few per card).
constexpr int MostActions = 2000;

// The games with exact odds are those the deal alone decides; in Les voyageuses (2) the player
// only picks the first card.
const std::vector<AutoplayGame> &chanceGames()
{
    static const std::vector<AutoplayGame> games = [] {
        std::vector<AutoplayGame> list;
        for (const GameInfo &info : GameCatalog::all()) {
            if (info.odds)
                list.push_back({&info, info.id == GameId::Voyageuses2 ? FirstMove::AnyCard
                                                                      : FirstMove::Forced});
        }
        return list;
    }();
    return games;
}

} // namespace

namespace Autoplay {

std::span<const AutoplayGame> games()
{
    return chanceGames();
}

const AutoplayGame *find(const QString &name)
{
    for (const AutoplayGame &game : chanceGames()) {
        const QString window = QString::fromUtf8(game.info->windowName).mid(3); // without "frm"
        if (name.compare(QString::fromUtf8(game.info->menuName), Qt::CaseInsensitive) == 0 ||
            name.compare(window, Qt::CaseInsensitive) == 0)
            return &game;
    }
    return nullptr;
}

WinRate winRate(qint64 won, qint64 deals)
{
    if (deals <= 0)
        return {};
    constexpr double z = 1.959963984540054; // the 97.5 % quantile of the normal law
    const double n = double(deals);
    const double p = double(won) / n;
    const double z2n = z * z / n;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z / (1 + z2n) * std::sqrt(p * (1 - p) / n + z2n / (4 * n));
    return {p, std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

std::optional<qint64> wholeNumber(const QString &text, qint64 min, qint64 max)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<DealRun> parseDealRun(const QStringList &args, int deckSize, QString &problem)
{
    const auto deals = wholeNumber(args.value(0), 1, std::numeric_limits<qint64>::max());
    if (!deals) {
        problem = QStringLiteral("le nombre de donnes « %1 » n'est pas un entier positif.")
                      .arg(args.value(0));
        return std::nullopt;
    }
    std::optional<qint64> seed = std::random_device{}();
    std::optional<qint64> melange = DealRun{}.melange;
    for (qsizetype i = 1; i < args.size(); i += 2) {
        const QString option = args.at(i);
        const QString value = args.value(i + 1);
        if (option == QLatin1String("--seed")) {
            seed = wholeNumber(value, 0, std::numeric_limits<quint32>::max());
        } else if (option == QLatin1String("--melange")) {
            // The most rounds the shuffle's 16-bit loop bound allows for this deck.
            melange = wholeNumber(value, 0, std::numeric_limits<qint16>::max() / (deckSize - 1));
        } else {
            problem = QStringLiteral("option inconnue « %1 ».").arg(option);
            return std::nullopt;
        }
        if (!seed || !melange) {
            problem = QStringLiteral("valeur incorrecte « %1 » pour %2.").arg(value, option);
            return std::nullopt;
        }
    }
    return DealRun{*deals, *seed, *melange};
}

QStringList deckCodes(const QString &line)
{
    if (line.trimmed().isEmpty())
        return {};
    QStringList codes = line.split(QLatin1Char(','));
    for (QString &code : codes) {
        code = code.trimmed();
        for (QChar &c : code) {
            if (c >= u'a' && c <= u'z')
                c = QChar(c.unicode() - u'a' + u'A');
        }
    }
    return codes;
}

} // namespace Autoplay

Autoplayer::Autoplayer(const AutoplayGame &game, quint32 seed, int melange)
    : m_game(game), m_settings(m_dir.filePath(QStringLiteral("autoplay.ini"))), m_random(seed)
{
    BuildCardTables(m_state);
    m_settings.setParameter(Settings::Melange, QString::number(melange));
    m_session = std::make_unique<GameSession>(*game.info,
                                              CoreContext{m_state, m_settings, m_random}, m_host);
    m_rules = &m_session->rules();
    m_session->keepUndo(false);
}

std::optional<bool> Autoplayer::playDeal(quint32 number)
{
    // As the window does: a new deal, the game's own settings once, then JOUER.
    if (m_opened) {
        m_session->deal(number);
    } else {
        m_session->open(number);
        m_opened = true;
    }
    const qsizetype verdicts = m_host.results.size();
    m_session->play();
    if (m_game.firstMove == FirstMove::AnyCard)
        clickAnyCard();
    for (int action = 0; m_host.results.size() == verdicts; ++action) {
        if (action == MostActions || !(dragHome() || clickOnce()))
            return std::nullopt;
    }
    return m_host.results.last();
}

// The window clicks, or drops on, the picture drawn on top under the mouse, the dragged one
// aside: a picture counts when it is the one on top at its centre.
bool Autoplayer::clickable(int picture, int dragged) const
{
    const TableModel &table = m_rules->table();
    const Picture &shown = table.at(picture);
    if (!shown.visible)
        return false;
    const QPoint centre = shown.rect.center();
    return (dragged < 0 ? table.pictureAt(centre) : table.pictureAt(centre, {dragged})) == picture;
}

// Drags the card in hand to the one place the red frame shows for it, and lets go there; the
// drop is taken when the card or the place changes.
bool Autoplayer::dragHome()
{
    const TableModel &table = m_rules->table();
    for (int source = 0; source < table.pictures.size(); ++source) {
        if (!table.at(source).visible || !table.at(source).draggable)
            continue;
        for (int target = 0; target < table.pictures.size(); ++target) {
            if (target == source || !table.at(target).visible)
                continue;
            // Looking for the frame is not a move: the probe goes to the rules alone.
            m_rules->dragOver(source, target);
            if (!framed(target) || !clickable(target, source))
                continue;
            const Picture carried = table.at(source);
            const Picture place = table.at(target);
            m_session->drop(source, target, table.at(target).rect.topLeft());
            return table.at(source) != carried || table.at(target) != place;
        }
    }
    return false;
}

bool Autoplayer::framed(int picture) const
{
    const TableModel &table = m_rules->table();
    const QPoint centre = table.at(picture).rect.center();
    return std::any_of(table.frames.begin(), table.frames.end(), [&](const Frame &frame) {
        return frame.visible && frame.rect.contains(centre);
    });
}

// Clicks the first picture that a click changes, looking from the last one clicked
// downwards: the card under a turned one, or the next of a pile, usually comes just before it.
bool Autoplayer::clickOnce()
{
    const TableModel &table = m_rules->table();
    const int count = int(table.pictures.size());
    for (int step = 0; step < count; ++step) {
        const int picture = (m_lastClick - step + count) % count;
        if (!clickable(picture))
            continue;
        const Picture before = table.at(picture);
        const qsizetype verdicts = m_host.results.size();
        m_session->click(picture);
        if (table.at(picture) != before || m_host.results.size() != verdicts) {
            m_lastClick = picture;
            return true;
        }
    }
    return false;
}

// The player's one choice: any card of the table, each as likely, drawn from the seeded source.
void Autoplayer::clickAnyCard()
{
    const PictureGroup *cartes = m_rules->table().group(QStringLiteral("Carte"));
    QList<int> cards;
    for (int i = cartes->first; i < cartes->first + cartes->count; ++i) {
        if (clickable(i))
            cards.append(i);
    }
    const auto drawn = qsizetype(m_random.next() * float(cards.size()));
    m_session->click(cards.at(std::min(drawn, cards.size() - 1)));
}
