// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/recordstatistic.h"

#include "shared/recordlog.h"

namespace {

// How many of the first count pictures of a group satisfy the test.
int countIn(const TableModel &table, const QString &group, int count,
            const std::function<bool(const Picture &)> &test)
{
    const PictureGroup *found = table.group(group);
    if (!found)
        return 0;
    int n = 0;
    for (int i = 0; i < std::min(count, found->count); ++i)
        n += test(table.at(found->first + i)) ? 1 : 0;
    return n;
}

} // namespace

QStringList StatisticLines(const QString &caption, const TableModel &table, int deckSize,
                           const std::function<QString(const QString &)> &controlText,
                           const QLocale &locale)
{
    const QString carte = QStringLiteral("Carte");
    const auto cards = [&](const std::function<bool(const Picture &)> &test) {
        return countIn(table, carte, deckSize, test);
    };
    const auto hidden = [](const Picture &p) { return !p.visible; };
    const auto holding = [](const Picture &p) { return !p.tag.isEmpty(); };
    const auto number = [](int n) { return QString::number(n); };

    if (caption == QLatin1String("CARNAVAL A RIO"))
        return {QStringLiteral("Temps d'affichage des cartes: ") +
                controlText(QStringLiteral("cboSecondes")) + QStringLiteral(" sec.")};
    if (caption == QLatin1String("JOSEPHINE"))
        return {QStringLiteral("Nbre de paires trouvées: ") +
                RecordQuotient(cards(hidden), 2, locale)};
    if (caption == QLatin1String("LA CLE DES SONGES"))
        return {
            QStringLiteral("Nbre de paires trouvées: ") +
            RecordQuotient(cards([](const Picture &p) { return p.rect.top() > 1000; }), 2, locale)};
    if (caption == QLatin1String("L'ANNONCE"))
        return {QStringLiteral("Annonce de départ: ") + controlText(QStringLiteral("cboAnnonce")),
                QStringLiteral("Nbre de carte(s) annoncée(s): ") +
                    number(cards([](const Picture &p) { return p.rect.left() > 2000; })) +
                    QStringLiteral(" sur ") + number(deckSize)};
    if (caption == QLatin1String("DUO") || caption == QLatin1String("MARIAGE") ||
        caption == QLatin1String("DUO DE REVE"))
        return {QStringLiteral("Cartes restantes: ") + number(cards(holding))};
    if (caption == QLatin1String("MONTE-CARLO"))
        return {QStringLiteral("Nbre de cartes restantes: ") +
                number(countIn(table, QStringLiteral("EspaceJeu"), 25,
                               [](const Picture &p) { return p.visible; }))};
    if (caption == QLatin1String("CARRE"))
        return {QStringLiteral("Cartes restantes: ") +
                number(cards([](const Picture &p) { return p.visible; }))};
    if (caption == QLatin1String("STEPHANIE"))
        return {
            QStringLiteral("Nbre de familles trouvées: ") +
            RecordQuotient(cards([](const Picture &p) { return p.rect.top() > 4000; }), 4, locale)};
    if (caption == QLatin1String("POUSSE-POUSSE"))
        return {QStringLiteral("Famille affichée: ") + controlText(QStringLiteral("cboFamille"))};
    if (caption == QLatin1String("PYRAMIDE"))
        return {QStringLiteral("Nbre de cartes trouvées: ") + number(cards(hidden))};
    return {};
}
