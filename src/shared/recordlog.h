// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/rtf/richtext.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

// One finished game as the log keeps it.
struct GameRecord {
    QDateTime when;
    QString game;   // the window caption, "LES VOYAGEUSES (1)"
    QString player; // as shown in the status bar
    QString clock;  // "hh:mm:ss"
    QStringList statistic;
    QString result; // "VRAI" for a won game; anything else is a loss
};

// The locale of dates and numbers in the log: the user's own when it is a French one,
// France's otherwise, since every text of the program is French.
QLocale RecordLocale();

// "[dimanche 6 décembre 2026 - 09:05:03]" without the brackets.
QString RecordDate(const QDateTime &when, const QLocale &locale);

// n / divisor in the shortest form, "3" or "3,5" with the locale's decimal separator.
QString RecordQuotient(int n, int divisor, const QLocale &locale);

// The record as the log holds it: a bold empty line and bold date line, then the regular lines.
RichText RecordText(const GameRecord &record, const QLocale &locale);

// The log's bytes with more text added at its end. A sound log keeps every byte: the text goes in
// before the brace that closes it, in a group of its own when the state there differs from the
// writer's. Data without a single byte becomes a new log. Any other log that the reader cannot
// take whole, or whose end would hide the text, is written anew from what could be read of it.
struct AppendedLog {
    QByteArray bytes;
    bool rewritten = false;
    QString reason;        // why it was rewritten, for the user
    bool textKept = false; // the new log holds some text of the old one
};
AppendedLog AppendToLog(const QByteArray &log, const RichText &text);

// Appends the record to the log, creating it when missing. The file is replaced atomically, so a
// failure leaves the previous log exactly as it was. A log that must be written anew is first
// kept beside itself ("parties.rtf.illisible", "parties.rtf.illisible-2"...), and left as it
// is when it cannot be. Returns "" when the record was added to the log as it stood, else a
// message for the user.
QString RecordGame(const QString &logPath, const GameRecord &record, const QLocale &locale);
