#include "shared/documentprinter.h"

#include "shared/userdialogs.h"

#include <QDir>
#include <QFileInfo>
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
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    document.print(&printer);
    return printer.printerState() != QPrinter::Error && QFileInfo(path).size() > 0;
}
