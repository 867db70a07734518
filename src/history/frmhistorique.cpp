// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/frmhistorique.h"

#include "about/frmabout.h"
#include "history/frmrechercher.h"
#include "history/htmlexport.h"
#include "history/richdocument.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/documentprinter.h"
#include "shared/files.h"
#include "shared/helppage.h"
#include "shared/recordlog.h"
#include "shared/rtf/rtfreader.h"
#include "shared/rtf/rtfwriter.h"
#include "shared/userdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

namespace {

enum Button { Effacer, Imprimer, Exporter, Rechercher, Fermer };

QString WindowTitle()
{
    return QCoreApplication::translate("frmHistorique", "Historique des parties");
}

bool isViewKey(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    // Left to the window: Escape closes it, Enter presses "&Fermer" once it is the default.
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll);
    }
}

} // namespace

frmHistorique::frmHistorique(AppContext &context, QWidget *parent)
    : QDialog(parent),
      Label1(new QLabel(QCoreApplication::translate("frmHistorique",
                                                    "Voici la liste des parties déja effectuées:"),
                        this)),
      RTF(new QTextEdit(this)),
      Label3(new QLabel(
          QCoreApplication::translate("frmHistorique", "Pour afficher l'aide, appuyez sur F1..."),
          this)),
      m_context(context)
{
    setObjectName(QStringLiteral("frmHistorique"));
    setWindowTitle(WindowTitle());

    RTF->setReadOnly(true);
    RTF->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A log of years of games would otherwise be copied into the undo stack on loading.
    RTF->setUndoRedoEnabled(false);
    Label1->setBuddy(RTF);

    const std::array<std::pair<QString, QString>, 5> captions{{
        {QCoreApplication::translate("frmHistorique", "&Effacer"),
         QCoreApplication::translate("frmHistorique", "Effacer l' historique")},
        {QCoreApplication::translate("frmHistorique", "&Imprimer"),
         QCoreApplication::translate("frmHistorique", "Imprimer l' historique")},
        {QCoreApplication::translate("frmHistorique", "&Exporter"),
         QCoreApplication::translate("frmHistorique", "Exporter l' historique")},
        {QCoreApplication::translate("frmHistorique", "&Rechercher"),
         QCoreApplication::translate("frmHistorique", "Rechercher dans l'historique")},
        {QCoreApplication::translate("frmHistorique", "&Fermer"),
         QCoreApplication::translate("frmHistorique", "Fermer la fenêtre")},
    }};
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < int(Boutons.size()); ++i) {
        QPushButton *button = new QPushButton(captions[i].first, this);
        button->setToolTip(captions[i].second);
        // Enter must never clear or export by accident; only "&Fermer" may become the default.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { Boutons_Click(i); });
        buttons->addWidget(button);
        button->installEventFilter(this);
        Boutons[i] = button;
    }
    RTF->installEventFilter(this);
    installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(RTF, 1);
    layout->addLayout(buttons);
    layout->addWidget(Label3);

    resize(640, 480);
    if (const QScreen *current = screen())
        move(current->geometry().center() - rect().center());

    loadLog();
}

void frmHistorique::Boutons_Click(int index)
{
    switch (index) {
    case Effacer:
        clearLog();
        break;
    case Imprimer:
        printLog();
        break;
    case Exporter:
        exportLog();
        break;
    case Rechercher: {
        frmRechercher dialog(RTF, m_context, this);
        dialog.exec();
        break;
    }
    case Fermer:
        close();
        break;
    default:
        break;
    }
}

bool frmHistorique::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_F1:
        ShowHelpPage(this, QStringLiteral("historique.htm"), m_context);
        return true;
    case Qt::Key_F2:
        ShowAbout(this, m_context);
        return true;
    default:
        if (watched == RTF && !isViewKey(key))
            return true;
        return QDialog::eventFilter(watched, event);
    }
}

void frmHistorique::loadLog()
{
    const QString folder = m_context.state.logFolder;
    const QString path = LogPath(m_context.state);
    if (!FileExists(path)) {
        QString shownFolder = folder;
        if (shownFolder.size() > 1 && shownFolder.endsWith(QLatin1Char('/')))
            shownFolder.chop(1);
        m_context.dialogs.message(
            this,
            QCoreApplication::translate(
                "frmHistorique",
                "Impossible d'afficher le fichier des parties. Le fichier PARTIES.RTF "
                "est introuvable.\nCelui-ci devrait se trouver dans le dossier: ") +
                shownFolder,
            UserDialogs::Icon::Information,
            QCoreApplication::translate("frmHistorique", "Fichier introuvable"));
    } else if (QFile file(path); !file.open(QIODevice::ReadOnly)) {
        m_context.dialogs.message(
            this,
            QCoreApplication::translate(
                "frmHistorique", "Impossible de lire le fichier des parties PARTIES.RTF :\n") +
                file.errorString(),
            UserDialogs::Icon::Critical, WindowTitle());
    } else {
        const RtfReadResult read = readRtf(file.readAll());
        setRichText(*RTF->document(), read.text);
        // The view's caret went along with the inserted text: back to the top, or showing the
        // window would lay out the whole log to bring the end into view.
        RTF->moveCursor(QTextCursor::Start);
        if (read.status != RtfReadResult::Status::Ok) {
            m_context.dialogs.message(
                this,
                QCoreApplication::translate(
                    "frmHistorique",
                    "Le fichier des parties PARTIES.RTF ne peut pas être affiché tel "
                    "quel.\n") +
                    read.message +
                    (read.text.isEmpty()
                         ? QString()
                         : QCoreApplication::translate("frmHistorique",
                                                       "\nLe texte lisible est affiché.")) +
                    QCoreApplication::translate("frmHistorique",
                                                "\nLe fichier n'a pas été modifié."),
                UserDialogs::Icon::Exclamation, WindowTitle());
        }
    }
    if (RTF->document()->isEmpty()) {
        disableLogButtons();
        Boutons[Fermer]->setDefault(true);
    }
}

void frmHistorique::disableLogButtons()
{
    for (int i = Effacer; i <= Rechercher; ++i)
        Boutons[i]->setEnabled(false);
}

QString frmHistorique::saveFile(const QString &path, const QByteArray &data)
{
    const QString failure = SaveFileAtomically(path, data);
    if (failure.isEmpty())
        return {};
    return QCoreApplication::translate("frmHistorique", "Impossible d'écrire le fichier ") +
           QDir::toNativeSeparators(path) + QStringLiteral(" :\n") + failure;
}

void frmHistorique::clearLog()
{
    if (!m_context.dialogs.askYesNo(
            this,
            QCoreApplication::translate(
                "frmHistorique", "Attention cette suppression est définitive.\nÊtes-vous sûr(e) de "
                                 "vouloir effacer le contenu de l'historique ?"),
            UserDialogs::Icon::Question,
            QCoreApplication::translate("frmHistorique", "Avertissement"), true))
        return;
    const QString error = saveFile(LogPath(m_context.state), writeRtf({}));
    if (!error.isEmpty()) {
        m_context.dialogs.message(
            this,
            error +
                QCoreApplication::translate("frmHistorique", "\nL'historique n'a pas été effacé."),
            UserDialogs::Icon::Critical, QCoreApplication::translate("frmHistorique", "ERREUR..."));
        return;
    }
    RTF->clear();
    disableLogButtons();
}

void frmHistorique::printLog()
{
    if (RTF->document()->isEmpty()) {
        m_context.dialogs.message(
            this, QCoreApplication::translate("frmHistorique", "Aucune donnée à imprimer."),
            UserDialogs::Icon::Information,
            QCoreApplication::translate("frmHistorique", "Impression"));
        return;
    }
    QTextCursor cursor = RTF->textCursor();
    if (!cursor.hasSelection())
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);

    QTextDocument printed;
    printed.setDefaultFont(RTF->document()->defaultFont());
    QTextCursor(&printed).insertFragment(cursor.selection());
    m_context.printer.print(this, printed);

    cursor.setPosition(0);
    RTF->setTextCursor(cursor);
}

void frmHistorique::exportLog()
{
    const QString path = m_context.dialogs.saveFileName(
        this, QCoreApplication::translate("frmHistorique", "Exporter l'historique..."),
        QDir::homePath(),
        QCoreApplication::translate(
            "frmHistorique", "Fichier Texte (*.txt);;Fichier Html (*.htm);;Fichier Texte enrichi "
                             "(*.rtf)"),
        QStringLiteral("txt"));
    if (path.isEmpty())
        return;

    // The format follows the name's last three letters, whatever filter was chosen.
    const QString format = path.right(3).toLower();
    QByteArray content;
    if (format == QLatin1String("rtf")) {
        content = writeRtf(richText(*RTF->document()));
    } else if (format == QLatin1String("txt")) {
        content = plainText(richText(*RTF->document())).toUtf8();
    } else if (format == QLatin1String("htm")) {
        const HistoryPageFacts facts{
            QStringLiteral(VORELLES_VERSION), QDateTime::currentDateTime(),
            QUrl::fromLocalFile(HelpPagePath(m_context.state.appFolder, QStringLiteral("aide.htm")))
                .toString()};
        content = HistoryPage(richText(*RTF->document()), facts).toUtf8();
    } else {
        return;
    }

    const bool replacing = QFileInfo::exists(path);
    const QString error = saveFile(path, content);
    if (!error.isEmpty()) {
        m_context.dialogs.message(
            this,
            error + (replacing ? QCoreApplication::translate(
                                     "frmHistorique", "\nLe fichier existant n'a pas été modifié.")
                               : QString()),
            UserDialogs::Icon::Critical, QCoreApplication::translate("frmHistorique", "ERREUR..."));
    }
    if (format == QLatin1String("htm")) {
        QTextCursor cursor = RTF->textCursor();
        cursor.setPosition(0);
        RTF->setTextCursor(cursor);
    }
}

void ShowHistory(QWidget *parent, AppContext &context)
{
    frmHistorique window(context, parent);
    window.exec();
}
