// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/documentprinter.h"

#include "shared/files.h"
#include "shared/userdialogs.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

bool QtDocumentPrinter::print(QWidget *parent, const QTextDocument &document)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        document.print(&printer);
        return printer.printerState() != QPrinter::Error;
    }
    m_dialogs.message(parent,
                      QStringLiteral("Aucune imprimante n'est disponible.\nVous pouvez enregistrer "
                                     "l'impression dans un fichier PDF."),
                      UserDialogs::Icon::Information, QStringLiteral("Impression"));
    const QString path = m_dialogs.saveFileName(
        parent, QStringLiteral("Imprimer dans un fichier PDF..."), QDir::homePath(),
        QStringLiteral("Fichier PDF (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    if (!PrintToPdf(document, path)) {
        m_dialogs.message(
            parent, QStringLiteral("Impossible d'écrire le fichier ") + path + QLatin1Char('.'),
            UserDialogs::Icon::Critical, QStringLiteral("ERREUR..."));
        return false;
    }
    return true;
}

bool PrintToPdf(const QTextDocument &document, const QString &path)
{
    // Made in memory and saved whole, so that a full disk leaves a previous file as it was.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        document.print(&writer);
    }
    return !pdf.data().isEmpty() && SaveFileAtomically(path, pdf.data()).isEmpty();
}
