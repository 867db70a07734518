#pragma once

#include <QHash>
#include <QStringList>

// The longest prompts of each game, by menu name, and those every game window shows: what the
// prompt line must hold whole at every size of the window.
inline QStringList LongestPrompts(const QString &game)
{
    static const QHash<QString, QStringList> longest{
        {QStringLiteral("Les voyageuses (1)"),
         {QStringLiteral("Cliquez sur le bouton JOUER pour commencer la partie.")}},
        {QStringLiteral("Monte-Carlo"),
         {QStringLiteral("Selectionnez 2 cartes adjacentes de même valeur ou de même "
                         "famille."),
          QStringLiteral("BRAVO, Les cartes choisies forment une paire. Cliquez sur une "
                         "carte")}},
        {QStringLiteral("Mariage"),
         {QStringLiteral("Cliquez sur cette carte puis sur le bouton SUPPRIMER pour l'enlever "
                         "du jeu.")}},
        {QStringLiteral("Duo"),
         {QStringLiteral("Cliquez sur la carte de la réserve afin de l'ajouter au jeu.")}},
        {QStringLiteral("Duo de rêve"),
         {QStringLiteral("Cliquez sur la carte de la réserve afin de l'ajouter au jeu.")}},
        {QStringLiteral("Roi Albert"),
         {QStringLiteral("Pour savoir comment jouer à ce jeu, appuyez sur le bouton "
                         "REGLES...")}},
        {QStringLiteral("Carnaval à Rio"),
         {QStringLiteral("BRAVO, La carte choisie forme une paire avec la carte précédente. "
                         "Cliquez sur une carte")}},
        {QStringLiteral("L'annonce"),
         {QStringLiteral("Cliquez sur la première carte du jeu pour commencer la vorelle.")}},
        {QStringLiteral("Joséphine"),
         {QStringLiteral("BRAVO, La carte choisie forme une paire avec la carte précédente. "
                         "Cliquez sur une carte"),
          QStringLiteral("La carte choisie ne forme pas de paire avec la carte précédente. "
                         "Cliquez sur une carte.")}},
        {QStringLiteral("Stéphanie"),
         {QStringLiteral("Cliquez sur une des cartes du jeu pour commencer la vorelle.")}},
        {QStringLiteral("Les voyageuses (2)"),
         {QStringLiteral("Cliquez sur une des cartes du jeu pour commencer la vorelle."),
          QStringLiteral("Cliquez maintenant sur le(s) carte(s) non découverte(s).")}},
        {QStringLiteral("L'horloge"),
         {QStringLiteral("Cliquez sur la première carte au milieu du jeu pour commencer la "
                         "vorelle.")}},
        {QStringLiteral("Carré"),
         {QStringLiteral("Cliquez sur la carte ci-dessous pour commencer la vorelle.")}},
        {QStringLiteral("Pyramide"),
         {QStringLiteral("BRAVO, La carte choisie forme une paire de 13 points avec la carte "
                         "précédente. Cliquez sur une carte"),
          QStringLiteral("Vous avez cliqué sur un ROI qui vaut 13 points. Selectionnez un "
                         "autre roi ou une autre paire de cartes totalisant 13 points...")}},
        {QStringLiteral("La clé des songes"),
         {QStringLiteral("La carte choisie ne forme pas de paire avec la carte précédente. "
                         "Cliquez sur une carte.")}},
        {QStringLiteral("Pousse-pousse"),
         {QStringLiteral("Servez-vous de cette carte vierge pour glisser les cartes à leurs "
                         "emplacements.")}}};
    return longest.value(game) +
           QStringList{QStringLiteral("Appuyez sur le bouton DISTRIBUER pour commencer une "
                                      "nouvelle partie."),
                       QStringLiteral("Appuyez sur le bouton JOUER pour commencer la nouvelle "
                                      "vorelle"),
                       QStringLiteral("Partie arrêtée. Appuyez sur le bouton DISTRIBUER pour une "
                                      "nouvelle vorelle.")};
}
