// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/recordlog.h"
#include "statistics/logrecords.h"

#include <QTemporaryDir>
#include <QTest>

// A log in a temporary folder, filled one finished game at a time by the program's own writer.
struct WrittenLog {
    // Appends a game, a minute after the previous one unless its date is given.
    void add(const QString &caption, const QString &player, const QString &clock, bool won,
             const QDateTime &at = {})
    {
        const GameRecord record{at.isValid() ? at : next,
                                caption,
                                player,
                                clock,
                                {},
                                won ? QStringLiteral("VRAI") : QStringLiteral("FAUX")};
        next = record.when.addSecs(60);
        const QString error = RecordGame(path, record, QLocale(QLocale::French, QLocale::France));
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    LogRecords read() const
    {
        const LogFile log = ReadLogFile(path);
        [&] {
            QCOMPARE(log.status, LogFile::Status::Read);
            QCOMPARE(log.message, QString());
        }();
        return log.records;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("parties.rtf"));
    QDateTime next{QDate(2026, 3, 2), QTime(10, 0)};
};
