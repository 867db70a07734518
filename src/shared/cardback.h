// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a face-down card shows.
struct CardBack {
    enum class Kind {
        UserPicture, // the picture file in path
        BuiltIn,     // the built-in back "DOS"
        Unchanged,   // neither is available: the card keeps its current picture
    };
    Kind kind = Kind::Unchanged;
    QString path;
    bool operator==(const CardBack &) const = default;
};

// The back rule: the user's picture while it exists, else the built-in back while the cards
// file is present.
CardBack ResolveCardBack(const QString &cardBackChoice, const QString &storedBackSetting,
                         const QString &cardsFilePath);

// The back choice a window takes when it sets up its look: "défaut" unless the setting names an
// existing file.
QString CardBackChoiceFromSetting(const QString &storedBackSetting);

extern const QString DefaultBack; // "défaut"
