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

// Appends the record to the log, creating it when missing. The file is replaced atomically, so a
// failure leaves the previous log exactly as it was; a log that cannot be read completely is not
// rewritten at all. Returns "" on success, else a message for the user.
QString RecordGame(const QString &logPath, const GameRecord &record, const QLocale &locale);
