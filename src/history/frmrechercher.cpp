// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/frmrechercher.h"

#include "about/frmabout.h"
#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/files.h"
#include "shared/helppage.h"
#include "shared/pictures.h"
#include "shared/userdialogs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QPushButton *makeButton(const QString &caption, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setToolTip(tip);
    return button;
}

} // namespace

frmRechercher::frmRechercher(QTextEdit *view, AppContext &context, QWidget *parent)
    : QDialog(parent),
      Label1(new QLabel(QCoreApplication::translate("frmRechercher", "Texte à rechercher:"), this)),
      txtRecherche(new QLineEdit(this)),
      chkMajMin(new QCheckBox(
          QCoreApplication::translate("frmRechercher", "Rechercher l'occurence exacte"), this)),
      chkMot(new QCheckBox(QCoreApplication::translate("frmRechercher", "Mot entier"), this)),
      cmdRechercher(makeButton(QCoreApplication::translate("frmRechercher", "&Rechercher"),
                               QCoreApplication::translate("frmRechercher", "Lancer la recherche"),
                               this)),
      cmdAnnuler(makeButton(QCoreApplication::translate("frmRechercher", "A&nnuler"),
                            QCoreApplication::translate("frmRechercher", "Annuler la recherche"),
                            this)),
      cmdAide(makeButton(QCoreApplication::translate("frmRechercher", "&Aide"),
                         QCoreApplication::translate("frmRechercher", "Affiche l'aide"), this)),
      cmdFermer(makeButton(QCoreApplication::translate("frmRechercher", "&Fermer"),
                           QCoreApplication::translate("frmRechercher", "Fermer la fenêtre"),
                           this)),
      m_view(view), m_context(context)
{
    setObjectName(QStringLiteral("frmRechercher"));
    setWindowTitle(QCoreApplication::translate("frmRechercher", "Rechercher"));
    setWindowIcon(Pictures::icon(QCoreApplication::translate("frmRechercher", "RECHERCHE")));

    txtRecherche->setToolTip(QCoreApplication::translate("frmRechercher", "Texte à rechercher"));
    chkMajMin->setToolTip(QCoreApplication::translate("frmRechercher", "Rechercher le mot éxact"));
    chkMot->setToolTip(QCoreApplication::translate("frmRechercher", "Recherche sur le mot entier"));
    Label1->setBuddy(txtRecherche);
    txtRecherche->setMinimumWidth(240);

    if (FileExists(m_context.state.cardsFilePath)) {
        for (QWidget *control : std::initializer_list<QWidget *>{chkMajMin, chkMot, cmdRechercher,
                                                                 cmdAnnuler, cmdAide, cmdFermer})
            control->setCursor(Pictures::handCursor());
    }

    auto *terms = new QVBoxLayout;
    terms->addWidget(Label1);
    terms->addWidget(txtRecherche);
    terms->addWidget(chkMajMin);
    terms->addWidget(chkMot);
    terms->addStretch();

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : {cmdRechercher, cmdAnnuler, cmdAide, cmdFermer})
        buttons->addWidget(button);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(terms, 1);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Enter searches; the other buttons must not steal the default when they get the focus.
    for (QPushButton *button : {cmdAnnuler, cmdAide, cmdFermer})
        button->setAutoDefault(false);
    cmdRechercher->setDefault(true);

    connect(txtRecherche, &QLineEdit::textChanged, this,
            [this](const QString &text) { cmdRechercher->setEnabled(!text.isEmpty()); });
    connect(cmdRechercher, &QPushButton::clicked, this, &frmRechercher::cmdRechercher_Click);
    connect(cmdAnnuler, &QPushButton::clicked, this, &frmRechercher::cmdAnnuler_Click);
    connect(cmdAide, &QPushButton::clicked, this,
            [this] { ShowHelpPage(this, QStringLiteral("rechercher.htm"), m_context); });
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::reject);

    // A selection in the view may span paragraphs; only its first line can be searched for.
    const QString selected = m_view ? m_view->textCursor().selectedText() : QString();
    txtRecherche->setText(selected.section(QChar::ParagraphSeparator, 0, 0));
    cmdRechercher->setEnabled(!txtRecherche->text().isEmpty());
    cmdAnnuler->setEnabled(false);

    adjustSize();
    if (const QScreen *current = screen())
        move(current->geometry().center() - rect().center());
}

void frmRechercher::cmdRechercher_Click()
{
    const QString text = txtRecherche->text();
    if (!m_view || text.isEmpty())
        return;
    txtRecherche->setEnabled(false);
    chkMajMin->setEnabled(false);
    chkMot->setEnabled(false);

    QTextDocument::FindFlags options;
    if (chkMot->isChecked())
        options |= QTextDocument::FindWholeWords;
    if (chkMajMin->isChecked())
        options |= QTextDocument::FindCaseSensitively;

    const QTextCursor hit = m_view->document()->find(text, m_lastPosition + 1, options);
    if (!hit.isNull()) {
        m_lastPosition = hit.selectionStart();
        m_view->setTextCursor(hit);
        m_view->ensureCursorVisible();
        cmdRechercher->setText(QCoreApplication::translate("frmRechercher", "&Suivant"));
        cmdAnnuler->setEnabled(true);
        ++m_hits;
        return;
    }

    const QString report =
        m_hits == 0
            ? QCoreApplication::translate(
                  "frmRechercher", "Aucun texte correspondant à la recherche, n'a été trouvé.")
            : QCoreApplication::translate("frmRechercher",
                                          "Le texte recherché a été trouvé: %1 fois.")
                  .arg(m_hits);
    m_context.dialogs.message(this, report, UserDialogs::Icon::Information,
                              QCoreApplication::translate("frmRechercher", "Fin de recherche..."));
    cmdAnnuler_Click();
}

void frmRechercher::cmdAnnuler_Click()
{
    cmdRechercher->setEnabled(!txtRecherche->text().isEmpty());
    cmdRechercher->setText(QCoreApplication::translate("frmRechercher", "&Rechercher"));
    cmdAnnuler->setEnabled(false);
    txtRecherche->setEnabled(true);
    chkMajMin->setEnabled(true);
    chkMot->setEnabled(true);
    m_lastPosition = -1;
    m_hits = 0;
    if (m_view) {
        QTextCursor caret = m_view->textCursor();
        caret.setPosition(0);
        m_view->setTextCursor(caret);
    }
    txtRecherche->selectAll();
    txtRecherche->setFocus();
}

void frmRechercher::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F1:
        ShowHelpPage(this, QStringLiteral("rechercher.htm"), m_context);
        return;
    case Qt::Key_F2:
        ShowAbout(this, m_context);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
