// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/picturenames.h"

#include "shared/cards.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace PictureNames {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("PictureNames", source);
}

QString suitName(const QString &code)
{
    static const QHash<QString, const char *> names{
        {QStringLiteral("PIQUE"), QT_TRANSLATE_NOOP("PictureNames", "pique")},
        {QStringLiteral("COEUR"), QT_TRANSLATE_NOOP("PictureNames", "cœur")},
        {QStringLiteral("RREAU"), QT_TRANSLATE_NOOP("PictureNames", "carreau")},
        {QStringLiteral("REFLE"), QT_TRANSLATE_NOOP("PictureNames", "trèfle")}};
    const auto name = names.constFind(Cards::SuitKey(code));
    return name == names.constEnd() ? QString() : text(*name);
}

QString iconName(const QString &icon)
{
    static const QHash<QString, const char *> names{
        {QStringLiteral("PIQUE"), QT_TRANSLATE_NOOP("PictureNames", "Pique")},
        {QStringLiteral("COEUR"), QT_TRANSLATE_NOOP("PictureNames", "Cœur")},
        {QStringLiteral("CARREAU"), QT_TRANSLATE_NOOP("PictureNames", "Carreau")},
        {QStringLiteral("TREFLE"), QT_TRANSLATE_NOOP("PictureNames", "Trèfle")},
        {QStringLiteral("JEU"), QT_TRANSLATE_NOOP("PictureNames", "Joker")}};
    return text(names.value(icon, QT_TRANSLATE_NOOP("PictureNames", "Image")));
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
    static const std::array<const char *, 13> ranks{
        QT_TRANSLATE_NOOP("PictureNames", "As"),    QT_TRANSLATE_NOOP("PictureNames", "Deux"),
        QT_TRANSLATE_NOOP("PictureNames", "Trois"), QT_TRANSLATE_NOOP("PictureNames", "Quatre"),
        QT_TRANSLATE_NOOP("PictureNames", "Cinq"),  QT_TRANSLATE_NOOP("PictureNames", "Six"),
        QT_TRANSLATE_NOOP("PictureNames", "Sept"),  QT_TRANSLATE_NOOP("PictureNames", "Huit"),
        QT_TRANSLATE_NOOP("PictureNames", "Neuf"),  QT_TRANSLATE_NOOP("PictureNames", "Dix"),
        QT_TRANSLATE_NOOP("PictureNames", "Valet"), QT_TRANSLATE_NOOP("PictureNames", "Dame"),
        QT_TRANSLATE_NOOP("PictureNames", "Roi")};
    if (!Cards::isCardCode(code))
        return {};
    //: A card's name: %1 its rank, %2 its suit ("Dame de cœur").
    return text(QT_TRANSLATE_NOOP("PictureNames", "%1 de %2"))
        .arg(text(ranks[std::size_t(Cards::CardValue(code) - 1)]), suitName(code));
}

QString pictureName(const Picture &picture)
{
    switch (picture.face) {
    case Picture::Face::Front: {
        const QString name = cardName(picture.card);
        return name.isEmpty() ? QCoreApplication::translate("PictureNames", "Emplacement libre")
                              : name;
    }
    case Picture::Face::Back:
        return QCoreApplication::translate("PictureNames", "Carte retournée");
    case Picture::Face::Icon:
        return iconName(picture.icon);
    case Picture::Face::None:
        break;
    }
    return picture.caption.isEmpty()
               ? QCoreApplication::translate("PictureNames", "Emplacement libre")
               : picture.caption;
}

QString gridPlace(int place, int columns)
{
    return QCoreApplication::translate("PictureNames", "Grille, rangée %1, colonne %2")
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
        text = QCoreApplication::translate("PictureNames", "Colonne %1").arg(column);
    else if (bandCount(lefts, CardWidth / 2) == 1)
        text = QCoreApplication::translate("PictureNames", "Rangée %1").arg(row);
    else
        text = QCoreApplication::translate("PictureNames", "Rangée %1, colonne %2")
                   .arg(row)
                   .arg(column);
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
        text += QCoreApplication::translate("PictureNames", ", carte %1 sur %2")
                    .arg(place - stack.begin() + 1)
                    .arg(stack.size());
    }
    return text;
}

} // namespace PictureNames
