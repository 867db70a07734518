// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "games/gamerules.h"
#include "shared/cards.h"

#include <memory>

// Pousse-pousse: a sliding puzzle of the thirteen cards of one suit and two jokers in a four by
// four grid with one hole. The player slides cards into the hole until a joker, the ace to the
// king, the hole and the other joker stand in reading order. There is no defeat.
class PoussePousseRules final : public GameRules {
public:
    static constexpr int Columns = 4;
    static constexpr int Places = 16;
    static constexpr int NoPlace = -1;

    // Picture indices: the deck, always hidden, then the grid.
    static constexpr int FirstCarte = 0;
    static constexpr int FirstPlace = FirstCarte + Cards::FullDeck;
    enum FrameIndex { Indicateur };

    // The goal: a joker first, the ace to the king on places 1 to 13, the hole, a joker last.
    static constexpr int FirstJoker = 0;
    static constexpr int Ace = 1;
    static constexpr int King = 13;
    static constexpr int GoalHole = 14;
    static constexpr int LastJoker = 15;

    PoussePousseRules(const GameInfo &info, CoreContext context, GameHost &host);

    FormLayout layout() const override;
    void Distribution() override;
    void load() override;
    void play() override;
    void click(int index) override;
    void hover(int index) override;
    QString placeName(int index) const override;

    static QPoint placePosition(int place);

protected:
    void selected(const QString &name) override;

private:
    static int placeOf(int index);
    Picture &carte(int k) { return m_table.at(FirstCarte + k); }
    Picture &place(int i) { return m_table.at(FirstPlace + i); }
    const Picture &place(int i) const { return m_table.at(FirstPlace + i); }
    Control &famille() { return *m_table.control(QStringLiteral("cboFamille")); }
    QString familleText() const;
    int hole() const;
    bool touchesHole(int p) const;

    void mix();
    void exchange(int a, int b);
    void FinDePartie();
};

std::unique_ptr<GameRules> MakePoussePousseRules(const GameInfo &info, CoreContext context,
                                                 GameHost &host);
