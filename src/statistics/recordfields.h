// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// The readers of the fields of a log record that the statistics need. Each gives nothing when
// the text cannot be read, never a guess.

// "dimanche 6 décembre 2026 - 09:05:03" (the brackets already removed): the day and month names
// of French, of the system's language or of English, capitals and accents aside. The weekday is
// not checked against the date, so that a record keeps its date whatever language named its day.
std::optional<QDateTime> ParseRecordDate(const QString &text);

// "hh:mm:ss" with any number of hours (a clock may pass 24 hours): the seconds it shows.
std::optional<qint64> ParseClock(const QString &text);

// Seconds as "hh:mm:ss", hours on two digits at least and as many as they need.
QString FormatClock(qint64 seconds);
