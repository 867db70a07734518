// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/chance/tablebook.h"

#include "games/tablemodel.h"
#include "shared/cards.h"

#include <QHash>
#include <array>

namespace {

const std::array<QString, 4> Suits{QStringLiteral("TREFLE"), QStringLiteral("CARREAU"),
                                   QStringLiteral("COEUR"), QStringLiteral("PIQUE")};

const QHash<QString, int> &numbers()
{
    static const QHash<QString, int> table = [] {
        QHash<QString, int> byCode;
        for (int number = 0; number < Cards::FullDeck; ++number)
            byCode.insert(TableBook::cardCode(number), number);
        return byCode;
    }();
    return table;
}

} // namespace

TableBook::TableBook(const TableModel &table)
{
    for (const PictureGroup &group : table.groups) {
        for (int i = 0; i < group.count; ++i)
            m_names.append(QStringLiteral("%1(%2)").arg(group.name).arg(i));
    }
    for (const Picture &picture : table.pictures)
        m_topLefts.append(picture.rect.topLeft());
}

int TableBook::cardNumber(const QString &code)
{
    return numbers().value(code, -1);
}

QString TableBook::cardCode(int number)
{
    if (number < 0 || number >= Cards::FullDeck)
        return {};
    return Cards::RankWord(value(number)) + QStringLiteral("DE") + Suits[std::size_t(number / 13)];
}

SolverMove TableBook::click(int picture, int card) const
{
    SolverMove move;
    move.action = SolverMove::Action::Click;
    move.picture = picture;
    move.framed = {picture};
    move.text = QStringLiteral("clic %1").arg(name(picture));
    if (card >= 0)
        move.text += QLatin1Char(' ') + cardCode(card);
    return move;
}

SolverMove TableBook::drop(int source, int card, int target, std::optional<QPoint> at) const
{
    SolverMove move;
    move.action = SolverMove::Action::Drop;
    move.picture = source;
    move.target = target;
    move.dropTopLeft = at.value_or(m_topLefts.value(target));
    move.framed = {source, target};
    move.text =
        QStringLiteral("glisse %1 %2 sur %3").arg(name(source), cardCode(card), name(target));
    return move;
}
