// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/desktopopener.h"
#include "shared/documentprinter.h"
#include "shared/userdialogs.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records every message and question and answers from a script, so window tests never block.
class FakeDialogs final : public UserDialogs {
public:
    struct Shown {
        QString text;
        Icon icon;
        QString title;
        bool question;
        bool noByDefault;
    };

    void message(QWidget *, const QString &text, Icon icon, const QString &title) override;
    bool askYesNo(QWidget *, const QString &text, Icon icon, const QString &title,
                  bool noByDefault) override;
    QString openFileName(QWidget *, const QString &title, const QString &folder,
                         const QString &filters) override;
    QString saveFileName(QWidget *, const QString &title, const QString &folder,
                         const QString &filters, const QString &defaultSuffix) override;
    std::optional<QColor> chooseColour(QWidget *, const QColor &initial) override;
    // Records the label among the questions and gives the next of textAnswers ("" when none).
    QString askText(QWidget *, const QString &label, const QString &title) override;

    // Answers given in order; a question asked with no answer left fails the test.
    QList<bool> answers;
    QStringList fileAnswers;
    QList<std::optional<QColor>> colourAnswers;
    QStringList textAnswers;

    // Called as each message or question appears, to look at what lies behind it.
    std::function<void(const Shown &)> onShow;

    QList<Shown> shown;
    QStringList fileDialogs; // "title|folder|filters[|suffix]" of each file dialog opened

    const Shown &last() const { return shown.constLast(); }
};

// A printer that prints every document into one PDF file, counting the prints.
class PdfPrinter final : public DocumentPrinter {
public:
    explicit PdfPrinter(QString file) : path(std::move(file)) {}
    bool print(QWidget *, const QTextDocument &document) override
    {
        ++prints;
        return PrintToPdf(document, path);
    }
    QString path;
    int prints = 0;
};

// A desktop that opens nothing and says at once whether it could.
class FakeOpener final : public DesktopOpener {
public:
    void open(const QString &path, std::function<void(bool opened)> done) override
    {
        opened.append(path);
        done(canOpen);
    }
    bool canOpen = true;
    QStringList opened;
};
