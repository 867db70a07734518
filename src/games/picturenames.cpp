// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/picturenames.h"

#include "shared/cards.h"

#include <QHash>
#include <algorithm>

namespace PictureNames {

namespace {

QString suitName(const QString &code)
{
    static const QHash<QString, QString> names{{QStringLiteral("PIQUE"), QStringLiteral("pique")},
                                               {QStringLiteral("COEUR"), QStringLiteral("cœur")},
                                               {QStringLiteral("RREAU"), QStringLiteral("carreau")},
                                               {QStringLiteral("REFLE"), QStringLiteral("trèfle")}};
    return names.value(Cards::SuitKey(code));
}

QString iconName(const QString &icon)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("PIQUE"), QStringLiteral("Pique")},
        {QStringLiteral("COEUR"), QStringLiteral("Cœur")},
        {QStringLiteral("CARREAU"), QStringLiteral("Carreau")},
        {QStringLiteral("TREFLE"), QStringLiteral("Trèfle")},
        {QStringLiteral("JEU"), QStringLiteral("Joker")}};
    return names.value(icon, QStringLiteral("Image"));
}

// The 1-based band of value among the sorted values, bands split where two neighbours lie more
// than gap apart.
int band(QList<int> values, int value, int gap)
{
    std::sort(values.begin(), values.end());
    int number = 1;
    for (qsizetype i = 1; i < values.size() && values.at(i) <= value; ++i) {
        if (values.at(i) - values.at(i - 1) > gap)
            ++number;
    }
    return number;
}

int bandCount(const QList<int> &values, int gap)
{
    return values.isEmpty() ? 0
                            : band(values, *std::max_element(values.begin(), values.end()), gap);
}

} // namespace

QString cardName(const QString &code)
{
    static const std::array<QString, 13> ranks{
        QStringLiteral("As"),     QStringLiteral("Deux"),  QStringLiteral("Trois"),
        QStringLiteral("Quatre"), QStringLiteral("Cinq"),  QStringLiteral("Six"),
        QStringLiteral("Sept"),   QStringLiteral("Huit"),  QStringLiteral("Neuf"),
        QStringLiteral("Dix"),    QStringLiteral("Valet"), QStringLiteral("Dame"),
        QStringLiteral("Roi")};
    if (!Cards::isCardCode(code))
        return {};
    return ranks[std::size_t(Cards::CardValue(code) - 1)] + QStringLiteral(" de ") + suitName(code);
}

QString pictureName(const Picture &picture)
{
    switch (picture.face) {
    case Picture::Face::Front: {
        const QString name = cardName(picture.card);
        return name.isEmpty() ? QStringLiteral("Emplacement libre") : name;
    }
    case Picture::Face::Back:
        return QStringLiteral("Carte retournée");
    case Picture::Face::Icon:
        return iconName(picture.icon);
    case Picture::Face::None:
        break;
    }
    return picture.caption.isEmpty() ? QStringLiteral("Emplacement libre") : picture.caption;
}

QString gridPlace(int place, int columns)
{
    return QStringLiteral("Grille, rangée %1, colonne %2")
        .arg(place / columns + 1)
        .arg(place % columns + 1);
}

QString position(const TableModel &table, const QList<TableNavigation::Spot> &spots, int index)
{
    const auto at =
        std::find_if(spots.begin(), spots.end(),
                     [index](const TableNavigation::Spot &spot) { return spot.index == index; });
    if (at == spots.end())
        return {};
    QList<int> lefts, tops;
    for (const TableNavigation::Spot &spot : spots) {
        lefts.append(table.at(spot.index).rect.left());
        tops.append(table.at(spot.index).rect.top());
    }
    const QRect &rect = table.at(index).rect;
    const int column = band(lefts, rect.left(), CardWidth / 2);
    const int row = band(tops, rect.top(), CardHeight / 2);
    QString text;
    if (bandCount(tops, CardHeight / 2) == 1)
        text = QStringLiteral("Colonne %1").arg(column);
    else if (bandCount(lefts, CardWidth / 2) == 1)
        text = QStringLiteral("Rangée %1").arg(row);
    else
        text = QStringLiteral("Rangée %1, colonne %2").arg(row).arg(column);
    // Cards fanned down one place: which one of them, from the top.
    QList<int> stack;
    for (const TableNavigation::Spot &spot : spots) {
        const QRect &other = table.at(spot.index).rect;
        if (band(lefts, other.left(), CardWidth / 2) == column &&
            band(tops, other.top(), CardHeight / 2) == row)
            stack.append(other.top());
    }
    if (stack.size() > 1) {
        std::sort(stack.begin(), stack.end());
        const auto place = std::lower_bound(stack.begin(), stack.end(), rect.top());
        text +=
            QStringLiteral(", carte %1 sur %2").arg(place - stack.begin() + 1).arg(stack.size());
    }
    return text;
}

} // namespace PictureNames
