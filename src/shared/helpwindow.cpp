// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/helpwindow.h"

#include "shared/pictures.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QSize PreferredSize{760, 600};

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), txtAide(new QTextBrowser(this)),
      cmdPrecedente(new QPushButton(tr("&Précédente"), this)),
      cmdSuivante(new QPushButton(tr("&Suivante"), this)),
      cmdFermer(new QPushButton(tr("&Fermer"), this))
{
    setObjectName(QStringLiteral("frmAide"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Aide"));
    setWindowIcon(Pictures::icon(QStringLiteral("AIDE")));
    // Pages of the help folder open here; a web address goes to the desktop.
    txtAide->setOpenExternalLinks(true);
    cmdPrecedente->setToolTip(tr("Page précédente"));
    cmdSuivante->setToolTip(tr("Page suivante"));
    cmdFermer->setToolTip(tr("Fermer l'aide"));
    cmdPrecedente->setEnabled(false);
    cmdSuivante->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrecedente);
    buttons->addWidget(cmdSuivante);
    buttons->addStretch();
    buttons->addWidget(cmdFermer);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtAide, 1);

    connect(cmdPrecedente, &QPushButton::clicked, txtAide, &QTextBrowser::backward);
    connect(cmdSuivante, &QPushButton::clicked, txtAide, &QTextBrowser::forward);
    connect(cmdFermer, &QPushButton::clicked, this, &QWidget::close);
    connect(txtAide, &QTextBrowser::backwardAvailable, cmdPrecedente, &QWidget::setEnabled);
    connect(txtAide, &QTextBrowser::forwardAvailable, cmdSuivante, &QWidget::setEnabled);
    connect(txtAide, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = txtAide->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Aide") : title);
    });

    QSize size = PreferredSize;
    if (const QScreen *current = screen())
        size = size.boundedTo(current->availableGeometry().size() * 9 / 10);
    resize(size);
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

bool HelpWindow::showPage(const QString &path)
{
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly))
        return false;
    txtAide->setSource(QUrl::fromLocalFile(path));
    return true;
}

HelpWindow *ShowHelpWindow(QWidget *window, const QString &path)
{
    QWidget *owner = window ? window->window() : nullptr;
    HelpWindow *help =
        owner ? owner->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    const bool opened = help != nullptr;
    if (!opened)
        help = new HelpWindow(owner);
    if (!help->showPage(path)) {
        if (!opened)
            delete help;
        return nullptr;
    }
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
