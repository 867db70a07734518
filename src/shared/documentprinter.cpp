// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/documentprinter.h"

#include "shared/files.h"
#include "shared/userdialogs.h"

#include <QBuffer>
#include <QCoreApplication>
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
    m_dialogs.message(
        parent,
        QCoreApplication::translate("DocumentPrinter",
                                    "Aucune imprimante n'est disponible.\nVous pouvez enregistrer "
                                    "l'impression dans un fichier PDF."),
        UserDialogs::Icon::Information,
        QCoreApplication::translate("DocumentPrinter", "Impression"));
    const QString path = m_dialogs.saveFileName(
        parent, QCoreApplication::translate("DocumentPrinter", "Imprimer dans un fichier PDF..."),
        QDir::homePath(), QCoreApplication::translate("DocumentPrinter", "Fichier PDF (*.pdf)"),
        QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    if (!PrintToPdf(document, path)) {
        m_dialogs.message(
            parent,
            QCoreApplication::translate("DocumentPrinter", "Impossible d'écrire le fichier ") +
                path + QLatin1Char('.'),
            UserDialogs::Icon::Critical,
            QCoreApplication::translate("DocumentPrinter", "ERREUR..."));
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
