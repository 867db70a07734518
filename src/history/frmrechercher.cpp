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
    : QDialog(parent), Label1(new QLabel(QStringLiteral("Texte à rechercher:"), this)),
      txtRecherche(new QLineEdit(this)),
      chkMajMin(new QCheckBox(QStringLiteral("Rechercher l'occurence exacte"), this)),
      chkMot(new QCheckBox(QStringLiteral("Mot entier"), this)),
      cmdRechercher(
          makeButton(QStringLiteral("&Rechercher"), QStringLiteral("Lancer la recherche"), this)),
      cmdAnnuler(
          makeButton(QStringLiteral("A&nnuler"), QStringLiteral("Annuler la recherche"), this)),
      cmdAide(makeButton(QStringLiteral("&Aide"), QStringLiteral("Affiche l'aide"), this)),
      cmdFermer(makeButton(QStringLiteral("&Fermer"), QStringLiteral("Fermer la fenêtre"), this)),
      m_view(view), m_context(context)
{
    setObjectName(QStringLiteral("frmRechercher"));
    setWindowTitle(QStringLiteral("Rechercher"));
    setWindowIcon(Pictures::icon(QStringLiteral("RECHERCHE")));

    txtRecherche->setToolTip(QStringLiteral("Texte à rechercher"));
    chkMajMin->setToolTip(QStringLiteral("Rechercher le mot éxact"));
    chkMot->setToolTip(QStringLiteral("Recherche sur le mot entier"));
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
        cmdRechercher->setText(QStringLiteral("&Suivant"));
        cmdAnnuler->setEnabled(true);
        ++m_hits;
        return;
    }

    const QString report =
        m_hits == 0 ? QStringLiteral("Aucun texte correspondant à la recherche, n'a été trouvé.")
                    : QStringLiteral("Le texte recherché a été trouvé: %1 fois.").arg(m_hits);
    m_context.dialogs.message(this, report, UserDialogs::Icon::Information,
                              QStringLiteral("Fin de recherche..."));
    cmdAnnuler_Click();
}

void frmRechercher::cmdAnnuler_Click()
{
    cmdRechercher->setEnabled(!txtRecherche->text().isEmpty());
    cmdRechercher->setText(QStringLiteral("&Rechercher"));
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
