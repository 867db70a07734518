// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/frmstatistiques.h"

#include "shared/appcontext.h"
#include "shared/appstate.h"
#include "shared/files.h"
#include "shared/recordlog.h"
#include "shared/userdialogs.h"
#include "statistics/statisticscharts.h"
#include "statistics/statisticstable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Spreadsheets take a file for UTF-8 only when it starts with this mark.
const QByteArray Utf8Mark("\xEF\xBB\xBF");

} // namespace

frmStatistiques::frmStatistiques(AppContext &context, const QString &currentPlayer,
                                 const OddsProvider &odds, QWidget *parent)
    : QDialog(parent), cboJoueur(new QComboBox(this)), Onglets(new QTabWidget(this)),
      Tableau(new QTableView), ChartMois(new MonthChart), ChartParties(new PlayedChart),
      lblNote(new QLabel(this)),
      cmdExporter(
          new QPushButton(QCoreApplication::translate("frmStatistiques", "&Exporter..."), this)),
      cmdFermer(new QPushButton(QCoreApplication::translate("frmStatistiques", "&Fermer"), this)),
      model(odds), m_context(context)
{
    setObjectName(QStringLiteral("frmStatistiques"));
    setWindowTitle(QCoreApplication::translate("frmStatistiques", "Statistiques des parties"));

    const LogFile log = ReadLogFile(LogPath(context.state));
    m_records = log.records;
    QStringList notes;
    if (!log.message.isEmpty())
        notes.append(log.message);
    if (const QString unreadable = UnreadableNote(m_records.unreadable); !unreadable.isEmpty())
        notes.append(unreadable);
    lblNote->setText(notes.join(QLatin1Char('\n')));
    lblNote->setWordWrap(true);
    lblNote->setVisible(!notes.isEmpty());

    // Shown in the program's language; players are told apart by their index.
    cboJoueur->addItem(QCoreApplication::translate("frmStatistiques", "Tous les joueurs"));
    const QStringList players = Statistics::playerNames(m_records.games);
    for (const QString &player : players)
        cboJoueur->addItem(player.isEmpty()
                               ? QCoreApplication::translate("frmStatistiques", "(sans nom)")
                               : player,
                           player);
    if (const qsizetype found = players.indexOf(currentPlayer); found >= 0)
        cboJoueur->setCurrentIndex(int(found) + 1);
    cboJoueur->setToolTip(
        QCoreApplication::translate("frmStatistiques", "Joueur dont les parties sont comptées"));
    auto *playerLabel =
        new QLabel(QCoreApplication::translate("frmStatistiques", "&Joueur :"), this);
    playerLabel->setBuddy(cboJoueur);

    m_sorted.setSourceModel(&model);
    Tableau->setModel(&m_sorted);
    Tableau->setSortingEnabled(true);
    Tableau->sortByColumn(-1, Qt::AscendingOrder); // menu order until a header is clicked
    Tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tableau->setAlternatingRowColors(true);
    // A tenth smaller than the window's text, so that the twelve columns fit an 800-pixel screen.
    QFont tableFont = Tableau->font();
    tableFont.setPointSizeF(tableFont.pointSizeF() * 0.9);
    Tableau->setFont(tableFont);
    Tableau->horizontalHeader()->setFont(tableFont);
    Tableau->verticalHeader()->hide();
    Tableau->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tableau->verticalHeader()->setDefaultSectionSize(QFontMetrics(tableFont).height() + 6);
    Tableau->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    Tableau->horizontalHeader()->setSortIndicatorShown(false);

    auto *tablePage = new QWidget;
    auto *tableLayout = new QVBoxLayout(tablePage);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->addWidget(Tableau, 1);
    tableLayout->addWidget(lblNote);
    Onglets->addTab(tablePage, QCoreApplication::translate("frmStatistiques", "&Tableau"));
    Onglets->addTab(ChartMois,
                    QCoreApplication::translate("frmStatistiques", "Réussite par &mois"));
    Onglets->addTab(ChartParties,
                    QCoreApplication::translate("frmStatistiques", "&Parties par vorelle"));

    cmdExporter->setToolTip(
        QCoreApplication::translate("frmStatistiques", "Enregistrer le tableau au format CSV"));
    cmdExporter->setAutoDefault(false);
    cmdFermer->setToolTip(QCoreApplication::translate("frmStatistiques", "Fermer la fenêtre"));
    cmdFermer->setDefault(true);
    connect(cmdExporter, &QPushButton::clicked, this, &frmStatistiques::exportTable);
    connect(cmdFermer, &QPushButton::clicked, this, &QDialog::close);

    auto *top = new QHBoxLayout;
    top->addWidget(playerLabel);
    top->addWidget(cboJoueur, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExporter);
    buttons->addWidget(cmdFermer);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Onglets, 1);
    layout->addLayout(buttons);

    connect(cboJoueur, &QComboBox::currentIndexChanged, this, &frmStatistiques::showPlayer);
    showPlayer();
    fitToScreen();
}

std::optional<QString> frmStatistiques::chosenPlayer() const
{
    if (cboJoueur->currentIndex() <= 0)
        return std::nullopt;
    return cboJoueur->currentData().toString();
}

void frmStatistiques::showPlayer()
{
    const std::optional<QString> player = chosenPlayer();
    model.setRows(Statistics::summariseByGame(m_records.games, player));
    ChartMois->setGames(&m_records.games, player);
    ChartParties->setRows(model.rows());
    fitColumns();
}

// Each column as wide as its cells or its header. The header's own sort arrow would take, beside
// the text, as much room as the header is high: with headers of several lines the table would no
// longer fit a small screen. The sorted column's header shows its own arrow under its text.
void frmStatistiques::fitColumns()
{
    Tableau->resizeColumnsToContents();
}

// The table's width if it can have it, never more than the screen holds.
void frmStatistiques::fitToScreen()
{
    const QScreen *current = screen();
    const QRect available = current ? current->availableGeometry() : QRect(0, 0, 800, 600);
    int tableWidth = 2 * Tableau->frameWidth();
    for (int column = 0; column < model.columnCount(); ++column)
        tableWidth += Tableau->columnWidth(column);
    const QSize wanted(std::max(tableWidth + 60, 640), 560);
    // Room for the window's frame, which the available area does not leave out.
    const QSize room = available.size() - QSize(16, 48);
    resize(wanted.boundedTo(room).expandedTo(minimumSizeHint().boundedTo(room)));
    move(available.center() - rect().center());
}

void frmStatistiques::exportTable()
{
    const QString path = m_context.dialogs.saveFileName(
        this, QCoreApplication::translate("frmStatistiques", "Exporter les statistiques..."),
        QDir::homePath(), QCoreApplication::translate("frmStatistiques", "Fichier CSV (*.csv)"),
        QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    const std::optional<QString> player = chosenPlayer();
    const QByteArray content =
        Utf8Mark + Statistics::csv({{player.value_or(Statistics::everyone()), model.rows()}});
    const bool replacing = QFileInfo::exists(path);
    const QString failure = SaveFileAtomically(path, content);
    if (failure.isEmpty())
        return;
    m_context.dialogs.message(
        this,
        QCoreApplication::translate("frmStatistiques", "Impossible d'écrire le fichier ") +
            QDir::toNativeSeparators(path) + QStringLiteral(" :\n") + failure +
            (replacing ? QCoreApplication::translate("frmStatistiques",
                                                     "\nLe fichier existant n'a pas été modifié.")
                       : QString()),
        UserDialogs::Icon::Critical, QStringLiteral("ERREUR..."));
}

void ShowStatistics(QWidget *parent, AppContext &context, const QString &currentPlayer,
                    const OddsProvider &odds)
{
    frmStatistiques window(context, currentPlayer, odds, parent);
    window.exec();
}
