// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/line/cardline.h"

#include <algorithm>

namespace {

constexpr int LineLeft = 120;
constexpr int LineTop = 120;
constexpr int ColumnStep = 1200;
constexpr int RowStep = 1560;

// The rank key is the first two characters of a name, the suit key the last five.
constexpr int RankKeyLength = 2;

} // namespace

CardLine::CardLine(TableModel &table, int first, int places, bool borders)
    : m_table(table), m_first(first), m_places(places), m_borders(borders)
{
}

QPoint CardLine::placePosition(int place)
{
    return {LineLeft + ColumnStep * (place % Columns), LineTop + RowStep * (place / Columns)};
}

void CardLine::reset(int shown, QStringList deal)
{
    for (int place = 0; place < m_places; ++place) {
        empty(place);
        Picture &image = at(place);
        image.visible = place < shown;
        if (image.visible) {
            image.rect.moveTopLeft(placePosition(place));
            m_table.bringToFront(picture(place));
        }
    }
    m_vars.prochaineCarte = int(deal.size()) - 1;
    m_vars.deal = std::move(deal);
    m_vars.gone.clear();
}

int CardLine::dealNext()
{
    const int place = length();
    if (stockEmpty() || place >= Capacity)
        return NoPlace;
    put(place, m_vars.deal.at(m_vars.prochaineCarte));
    --m_vars.prochaineCarte;
    return place;
}

int CardLine::placeOf(int picture) const
{
    const int place = picture - m_first;
    return place >= 0 && place < m_places ? place : NoPlace;
}

bool CardLine::holds(int place) const
{
    return place >= 0 && place < std::min(m_places, int(Capacity)) && !at(place).tag.isEmpty();
}

QString CardLine::card(int place) const
{
    return holds(place) ? at(place).tag : QString();
}

int CardLine::length() const
{
    int place = 0;
    while (holds(place))
        ++place;
    return place;
}

bool CardLine::alike(int a, int b) const
{
    if (!holds(a) || !holds(b))
        return false;
    const QString &first = at(a).tag;
    const QString &second = at(b).tag;
    return first.left(RankKeyLength) == second.left(RankKeyLength) ||
           Cards::SuitKey(first) == Cards::SuitKey(second);
}

bool CardLine::framed(int place, int span) const
{
    return place >= 1 && alike(place - 1, place + span);
}

bool CardLine::anyFramed(int span) const
{
    for (int place = 1; place < Capacity; ++place) {
        if (framed(place, span))
            return true;
    }
    return false;
}

void CardLine::closeUp(int place, int count)
{
    const int end = length();
    if (place < 0 || count < 1 || place + count > end)
        return;
    for (int i = place; i < place + count; ++i)
        m_vars.gone.append(card(i));
    for (int i = place + count; i < end; ++i)
        put(i - count, card(i));
    for (int i = end - count; i < end; ++i)
        empty(i);
}

QStringList CardLine::cards() const
{
    QStringList all = m_vars.gone;
    for (int place = 0; place < length(); ++place)
        all.append(card(place));
    for (int k = 0; k <= m_vars.prochaineCarte; ++k)
        all.append(m_vars.deal.at(k));
    return all;
}

// A place that changes loses the hand and the drag it may have had from the card before: they
// are set again when the mouse passes over it.
void CardLine::put(int place, const QString &code)
{
    Picture &image = at(place);
    image.deal(code);
    image.face = Picture::Face::Front;
    image.border = m_borders;
    image.hand = false;
    image.draggable = false;
}

void CardLine::empty(int place)
{
    Picture &image = at(place);
    image.deal(QString());
    image.face = Picture::Face::None;
    image.border = false;
    image.hand = false;
    image.draggable = false;
}
