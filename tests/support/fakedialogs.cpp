// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakedialogs.h"

#include <QTest>

void FakeDialogs::message(QWidget *, const QString &text, Icon icon, const QString &title)
{
    shown.append({text, icon, title, false, false});
    if (onShow)
        onShow(shown.constLast());
}

bool FakeDialogs::askYesNo(QWidget *, const QString &text, Icon icon, const QString &title,
                           bool noByDefault)
{
    shown.append({text, icon, title, true, noByDefault});
    if (onShow)
        onShow(shown.constLast());
    if (answers.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected question: ") + text), __FILE__,
                     __LINE__);
        return false;
    }
    return answers.takeFirst();
}

QString FakeDialogs::openFileName(QWidget *, const QString &title, const QString &folder,
                                  const QString &filters)
{
    fileDialogs.append(title + QLatin1Char('|') + folder + QLatin1Char('|') + filters);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString FakeDialogs::saveFileName(QWidget *, const QString &title, const QString &folder,
                                  const QString &filters, const QString &defaultSuffix)
{
    fileDialogs.append(title + QLatin1Char('|') + folder + QLatin1Char('|') + filters +
                       QLatin1Char('|') + defaultSuffix);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

std::optional<QColor> FakeDialogs::chooseColour(QWidget *, const QColor &)
{
    return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.takeFirst();
}

QString FakeDialogs::askText(QWidget *, const QString &label, const QString &title)
{
    shown.append({label, Icon::None, title, true, false});
    if (onShow)
        onShow(shown.constLast());
    return textAnswers.isEmpty() ? QString() : textAnswers.takeFirst();
}
