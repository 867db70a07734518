// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextDocument;
class QWidget;
class UserDialogs;

// Prints documents for the user; tests replace it to print into a PDF file of their own.
class DocumentPrinter {
public:
    virtual ~DocumentPrinter() = default;
    // False when nothing was printed (no printer and no file chosen, or a failure).
    virtual bool print(QWidget *parent, const QTextDocument &document) = 0;
};

// Prints on the default printer. Without any printer it says so and offers a PDF file instead.
class QtDocumentPrinter final : public DocumentPrinter {
public:
    explicit QtDocumentPrinter(UserDialogs &dialogs) : m_dialogs(dialogs) {}
    bool print(QWidget *parent, const QTextDocument &document) override;

private:
    UserDialogs &m_dialogs;
};

// Writes the document as a PDF file; false when the file cannot be written.
bool PrintToPdf(const QTextDocument &document, const QString &path);
