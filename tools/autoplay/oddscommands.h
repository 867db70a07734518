// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <optional>

// The commands of autoplay for the games of pure chance and Pousse-pousse:
//   autoplay GAME --odds
//   autoplay solve GAME --deck C1,C2,...   (or --decks FILE, "-" for standard input)
namespace OddsCommands {

// The exit status when the arguments are one of these commands, nothing when they are not (so
// that another command may take them).
std::optional<int> dispatch(const QStringList &args);

} // namespace OddsCommands
