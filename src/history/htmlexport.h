// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/rtf/richtext.h"

#include <QDateTime>
#include <QString>

// What the history page says besides the log itself.
struct HistoryPageFacts {
    QString version;   // "1.0.0"
    QDateTime created; // the "Fichier créé le" line and the year of the rights notice
    QString helpUrl;   // where the contact paragraph sends the reader
};

// The history exported as an HTML page: one "<br>"-ended line per line of the log, wrapped in
// "<b>…</b>" when the whole line is bold (an empty line takes the weight of its line break).
// Every text taken from the log or the facts is escaped. Lines end with CR LF and the page
// with an empty line. Linear in the size of the log.
QString HistoryPage(const RichText &log, const HistoryPageFacts &facts);
