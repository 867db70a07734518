<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>AnnonceRules</name>
    <message>
        <source>Reste: </source>
        <translation>Left: </translation>
    </message>
    <message>
        <source>Reste:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Prochaine annonce</source>
        <translation>Next call</translation>
    </message>
    <message>
        <source>Commencer l&apos;annonce à:</source>
        <translation>Start calling at:</translation>
    </message>
    <message>
        <source>Nombre de carte restant à découvrir</source>
        <translation>Number of cards still to turn up</translation>
    </message>
    <message>
        <source>Valeur de la prochaine annonce</source>
        <translation>Value of the next call</translation>
    </message>
    <message>
        <source>Valeur de l&apos;annonce de début</source>
        <translation>Value of the first call</translation>
    </message>
    <message>
        <source>Démarrer la partie</source>
        <translation>Start the game</translation>
    </message>
    <message>
        <source>Afficher les règles du jeu</source>
        <translation>Show the rules of the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Nouvelle vorelle</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur la première carte du jeu pour commencer la vorelle.</source>
        <translation>Click the first card of the pack to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur la prochaine carte</source>
        <translation>Click the next card</translation>
    </message>
    <message>
        <source>Paquet</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Tas des cartes retournées</source>
        <translation>Pile of turned-up cards</translation>
    </message>
</context>
<context>
    <name>CardTable</name>
    <message>
        <source>Tapis de jeu</source>
        <translation>Card table</translation>
    </message>
</context>
<context>
    <name>CarnavalaRioRules</name>
    <message>
        <source>Affichage:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Temps d&apos;affichage des cartes sélectionnées</source>
        <translation>How long the chosen cards stay shown</translation>
    </message>
    <message>
        <source>Sec.</source>
        <translation>Sec.</translation>
    </message>
    <message>
        <source>Jouer à la vorelle</source>
        <translation>Play the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Désolé, vous avez perdu la partie. Voulez-vous recommencer une nouvelle vorelle ?</source>
        <translation>Sorry, you have lost the game. Do you want to start a new game?</translation>
    </message>
    <message>
        <source>Cliquez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Click the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur une des cartes du jeu pour commencer la vorelle.</source>
        <translation>Click any card of the layout to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur une deuxième carte pour essayer d&apos;obtenir une paire.</source>
        <translation>Click a second card to try to make a pair.</translation>
    </message>
    <message>
        <source>La carte choisie ne forme pas de paire avec la carte précédente.</source>
        <translation>The card you chose does not pair with the previous one.</translation>
    </message>
    <message>
        <source>BRAVO, La carte choisie forme une paire avec la carte précédente. Cliquez sur une carte</source>
        <translation>WELL DONE, the card you chose pairs with the previous one. Click a card</translation>
    </message>
    <message>
        <source>Cliquez sur une carte.</source>
        <translation>Click a card.</translation>
    </message>
</context>
<context>
    <name>ChanceOdds</name>
    <message>
        <source>Chances de gagner : %1 %</source>
        <translation>Odds of winning: %1%</translation>
    </message>
</context>
<context>
    <name>CleSongesRules</name>
    <message>
        <source>sept</source>
        <translation>sevens</translation>
    </message>
    <message>
        <source>huit</source>
        <translation>eights</translation>
    </message>
    <message>
        <source>neuf</source>
        <translation>nines</translation>
    </message>
    <message>
        <source>dix</source>
        <translation>tens</translation>
    </message>
    <message>
        <source>valets</source>
        <translation>jacks</translation>
    </message>
    <message>
        <source>dames</source>
        <translation>queens</translation>
    </message>
    <message>
        <source>rois</source>
        <translation>kings</translation>
    </message>
    <message>
        <source>as</source>
        <translation>aces</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Click the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur une des cartes du jeu pour commencer la vorelle.</source>
        <translation>Click any card of the layout to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur une deuxième carte pour essayer d&apos;obtenir une paire.</source>
        <translation>Click a second card to try to make a pair.</translation>
    </message>
    <message>
        <source>La carte choisie ne forme pas de paire avec la carte précédente. Cliquez sur une carte.</source>
        <translation>The card you chose does not pair with the previous one. Click a card.</translation>
    </message>
    <message>
        <source>BRAVO, La carte choisie forme une paire avec la carte précédente. Cliquez sur une carte</source>
        <translation>WELL DONE, the card you chose pairs with the previous one. Click a card</translation>
    </message>
    <message>
        <source>BRAVO, vous avez gagné...</source>
        <translation>WELL DONE, you have won...</translation>
    </message>
    <message>
        <source>DESOLE, vous avez perdu...</source>
        <translation>SORRY, you have lost...</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Pile %1</translation>
    </message>
    <message>
        <source>Colonne des %1, carte %2</source>
        <translation>Column of the %1, card %2</translation>
    </message>
</context>
<context>
    <name>DealMenu</name>
    <message>
        <source>Ann&amp;uler</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Réta&amp;blir</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Re&amp;jouer la même donne</source>
        <translation>Re&amp;play the same deal</translation>
    </message>
    <message>
        <source>Donne nu&amp;méro...</source>
        <translation>Deal nu&amp;mber...</translation>
    </message>
    <message>
        <source>Numéro de la donne (de %1 à %2) :</source>
        <translation>Deal number (%1 to %2):</translation>
    </message>
    <message>
        <source>Le numéro d&apos;une donne est un nombre entier de %1 à %2.</source>
        <translation>A deal number is a whole number from %1 to %2.</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>Aucune imprimante n&apos;est disponible.
Vous pouvez enregistrer l&apos;impression dans un fichier PDF.</source>
        <translation>No printer is available.
You can save the printout to a PDF file.</translation>
    </message>
    <message>
        <source>Impression</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Imprimer dans un fichier PDF...</source>
        <translation>Print to a PDF file...</translation>
    </message>
    <message>
        <source>Fichier PDF (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier </source>
        <translation>Cannot write the file </translation>
    </message>
    <message>
        <source>ERREUR...</source>
        <translation>ERROR...</translation>
    </message>
</context>
<context>
    <name>DuoDeReveRules</name>
    <message>
        <source>Glissez cette carte sous la carte suivante.</source>
        <translation>Drag this card under the next card.</translation>
    </message>
</context>
<context>
    <name>DuoRules</name>
    <message>
        <source>Glissez cette carte sur la carte précédente.</source>
        <translation>Drag this card onto the previous card.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>seuls %1 octets sur %2 ont pu être écrits, le disque est peut-être plein</source>
        <translation>only %1 bytes of %2 could be written, the disk may be full</translation>
    </message>
</context>
<context>
    <name>GameForm</name>
    <message>
        <source>&amp;Jouer</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>&amp;Distribuer</source>
        <translation>&amp;Deal</translation>
    </message>
    <message>
        <source>&amp;Règles</source>
        <translation>&amp;Rules</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>CLIQUEZ SUR LA CARTE CI-DESSOUS</source>
        <translation>CLICK THE CARD BELOW</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>BRAVO, vous avez gagné...</source>
        <translation>WELL DONE, you have won...</translation>
    </message>
    <message>
        <source>DESOLE, vous avez perdu...</source>
        <translation>SORRY, you have lost...</translation>
    </message>
    <message>
        <source>Démarrer le jeu</source>
        <translation>Start the game</translation>
    </message>
    <message>
        <source>Faire une nouvelle partie</source>
        <translation>Deal a new game</translation>
    </message>
    <message>
        <source>Afficher les règles de jeu</source>
        <translation>Show the rules of the game</translation>
    </message>
    <message>
        <source>Quitter le jeu</source>
        <translation>Leave the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle</source>
        <translation>Press the PLAY button to start the game</translation>
    </message>
    <message>
        <source>DESOLE, vous avez perdu la partie. Voulez-vous recommencer une nouvelle vorelle ?</source>
        <translation>SORRY, you have lost the game. Do you want to start a new game?</translation>
    </message>
</context>
<context>
    <name>GameSession</name>
    <message>
        <source>Une partie est actuellement en cours. Voulez-vous vraiment en commencer une nouvelle ?</source>
        <translation>A game is in progress. Do you really want to start a new one?</translation>
    </message>
    <message>
        <source>BRAVO, vous avez gagné la partie. Voulez-vous recommencer une nouvelle vorelle ?</source>
        <translation>WELL DONE, you have won the game. Do you want to start a new game?</translation>
    </message>
    <message>
        <source>Partie terminée par la démonstration : non enregistrée.</source>
        <translation>Game finished by the demonstration: not recorded.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton DISTRIBUER pour commencer une nouvelle partie.</source>
        <translation>Press the DEAL button to start a new game.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la nouvelle vorelle</source>
        <translation>Press the PLAY button to start the new game</translation>
    </message>
    <message>
        <source>Partie arrêtée. Appuyez sur le bouton DISTRIBUER pour une nouvelle vorelle.</source>
        <translation>Game stopped. Press the DEAL button for a new game.</translation>
    </message>
    <message>
        <source> — donne n° %1</source>
        <translation> — deal no. %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Fichier d&apos;aide [</source>
        <translation>Help file [</translation>
    </message>
    <message>
        <source>] introuvable. Assurez-vous que celui-ci doit se trouver dans le dossier:
</source>
        <translation>] not found. Make sure it is in the folder:
</translation>
    </message>
    <message>
        <source>fichier d&apos;aide absent</source>
        <translation>help file missing</translation>
    </message>
    <message>
        <source>Aucune application associée avec ce type de fichier [HTM].</source>
        <translation>No application is associated with this type of file [HTM].</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>&amp;Précédente</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Suivante</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Page précédente</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Page suivante</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Fermer l&apos;aide</source>
        <translation>Close the help</translation>
    </message>
</context>
<context>
    <name>HorlogeRules</name>
    <message>
        <source>Jouer à la vorelle</source>
        <translation>Play the game</translation>
    </message>
    <message>
        <source>Afficher les règles du jeu</source>
        <translation>Show the rules of the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur la première carte au milieu du jeu pour commencer la vorelle.</source>
        <translation>Click the first card in the middle of the clock to start the game.</translation>
    </message>
    <message>
        <source>Glissez la carte à l&apos;endroit voulu.</source>
        <translation>Drag the card where you want it.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte au milieu du jeu pour continuer celui-ci.</source>
        <translation>Click the card in the middle of the clock to go on.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte au milieu du jeu pour continuer la vorelle.</source>
        <translation>Click the card in the middle of the clock to go on with the game.</translation>
    </message>
    <message>
        <source>Cliquez sur les cartes restantes à découvrir.</source>
        <translation>Click the cards still to turn up.</translation>
    </message>
    <message>
        <source>Heure %1</source>
        <translation>Hour %1</translation>
    </message>
    <message>
        <source>Colonne des rois, carte %1</source>
        <translation>Column of kings, card %1</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Carte en main</source>
        <translation>Card in hand</translation>
    </message>
</context>
<context>
    <name>JosephineRules</name>
    <message>
        <source>Jouer à la vorelle</source>
        <translation>Play the game</translation>
    </message>
    <message>
        <source>Afficher les règles du jeu</source>
        <translation>Show the rules of the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte ci-dessous pour jouer</source>
        <translation>Click the card below to play</translation>
    </message>
    <message>
        <source>Cliquez sur une deuxième carte pour essayer d&apos;obtenir une paire.</source>
        <translation>Click a second card to try to make a pair.</translation>
    </message>
    <message>
        <source>La carte choisie ne forme pas de paire avec la carte précédente. Cliquez sur une carte.</source>
        <translation>The card you chose does not pair with the previous one. Click a card.</translation>
    </message>
    <message>
        <source>BRAVO, La carte choisie forme une paire avec la carte précédente. Cliquez sur une carte</source>
        <translation>WELL DONE, the card you chose pairs with the previous one. Click a card</translation>
    </message>
    <message>
        <source>Réserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Colonne %1, carte %2</source>
        <translation>Column %1, card %2</translation>
    </message>
</context>
<context>
    <name>LineRules</name>
    <message>
        <source>Jouer à la vorelle</source>
        <translation>Play the game</translation>
    </message>
    <message>
        <source>Afficher les règles du jeu</source>
        <translation>Show the rules of the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte ci-dessous pour jouer</source>
        <translation>Click the card below to play</translation>
    </message>
    <message>
        <source>Pioche</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Ligne, place %1</source>
        <translation>Line, place %1</translation>
    </message>
    <message>
        <source>BRAVO, vous avez gagné...</source>
        <translation>WELL DONE, you have won...</translation>
    </message>
    <message>
        <source>DESOLE, vous avez perdu...</source>
        <translation>SORRY, you have lost...</translation>
    </message>
    <message>
        <source>Cliquez sur la carte de la réserve afin de l&apos;ajouter au jeu.</source>
        <translation>Click the stock card to add it to the line.</translation>
    </message>
</context>
<context>
    <name>ListEntries</name>
    <message>
        <source>AS</source>
        <translation>ACE</translation>
    </message>
    <message>
        <source>VALET</source>
        <translation>JACK</translation>
    </message>
    <message>
        <source>DAME</source>
        <translation>QUEEN</translation>
    </message>
    <message>
        <source>ROI</source>
        <translation>KING</translation>
    </message>
    <message>
        <source>PIQUE</source>
        <translation>SPADES</translation>
    </message>
    <message>
        <source>CARREAU</source>
        <translation>DIAMONDS</translation>
    </message>
    <message>
        <source>TREFLE</source>
        <translation>CLUBS</translation>
    </message>
    <message>
        <source>COEUR</source>
        <translation>HEARTS</translation>
    </message>
</context>
<context>
    <name>LogRecords</name>
    <message>
        <source>Le fichier des parties %1 est introuvable.</source>
        <translation>The game log %1 cannot be found.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier des parties %1 : %2</source>
        <translation>Cannot read the game log %1: %2</translation>
    </message>
    <message>
        <source>il dépasse %1 Mo, la taille la plus grande lue</source>
        <translation>it exceeds %1 MB, the largest size read</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>Le fichier des parties %1 est illisible : %2</source>
        <translation>The game log %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>1 partie illisible ignorée</source>
        <translation>1 unreadable game skipped</translation>
    </message>
    <message>
        <source>%1 parties illisibles ignorées</source>
        <translation>%1 unreadable games skipped</translation>
    </message>
</context>
<context>
    <name>MaisoncarreeRules</name>
    <message>
        <source>un 2</source>
        <translation>a 2</translation>
    </message>
    <message>
        <source>un 3</source>
        <translation>a 3</translation>
    </message>
    <message>
        <source>un 4</source>
        <translation>a 4</translation>
    </message>
    <message>
        <source>un 5</source>
        <translation>a 5</translation>
    </message>
    <message>
        <source>un 6</source>
        <translation>a 6</translation>
    </message>
    <message>
        <source>un 7</source>
        <translation>a 7</translation>
    </message>
    <message>
        <source>un 8</source>
        <translation>an 8</translation>
    </message>
    <message>
        <source>un 9</source>
        <translation>a 9</translation>
    </message>
    <message>
        <source>un 10</source>
        <translation>a 10</translation>
    </message>
    <message>
        <source>un VALET</source>
        <translation>a JACK</translation>
    </message>
    <message>
        <source>une DAME</source>
        <translation>a QUEEN</translation>
    </message>
    <message>
        <source>un ROI</source>
        <translation>a KING</translation>
    </message>
    <message>
        <source>un AS</source>
        <translation>an ACE</translation>
    </message>
    <message>
        <source>Glissez la carte de la réserve sur le jeu.</source>
        <translation>Drag the reserve card onto the square.</translation>
    </message>
    <message>
        <source>RESERVE</source>
        <translation>RESERVE</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte ci-dessous pour commencer la vorelle.</source>
        <translation>Click the card below to start the game.</translation>
    </message>
    <message>
        <source>Glissez cette carte sur le jeu ou sur la réserve.</source>
        <translation>Drag this card onto the square or onto the reserve.</translation>
    </message>
    <message>
        <source>Glissez cette carte sur le jeu.</source>
        <translation>Drag this card onto the square.</translation>
    </message>
    <message>
        <source>Vous devez poser </source>
        <translation>You must lay </translation>
    </message>
    <message>
        <source> sur cette carte.</source>
        <translation> on this card.</translation>
    </message>
    <message>
        <source>Carré, rangée %1, pile %2</source>
        <translation>Square, row %1, pile %2</translation>
    </message>
    <message>
        <source>Pioche</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>Réserve</source>
        <translation>Reserve</translation>
    </message>
</context>
<context>
    <name>MariageRules</name>
    <message>
        <source>Cliquez sur le bouton SUPPRIMER pour enlever la carte du jeu.</source>
        <translation>Click the REMOVE button to take the card out of the line.</translation>
    </message>
    <message>
        <source>Cliquez sur le bouton SUPPRIMER pour enlever les cartes du jeu.</source>
        <translation>Click the REMOVE button to take the cards out of the line.</translation>
    </message>
    <message>
        <source>Cliquez sur la/les cartes qui peuvent être sélectionnées.</source>
        <translation>Click the card or cards that can be selected.</translation>
    </message>
    <message>
        <source>Selectionnez une carte adjacente à la première carte selectionnée.</source>
        <translation>Select a card next to the first selected card.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte de la réserve afin de l&apos;ajouter au jeu.</source>
        <translation>Click the stock card to add it to the line.</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Supprimer la/les cartes sélectionnées</source>
        <translation>Remove the selected card or cards</translation>
    </message>
    <message>
        <source>Cliquez sur cette carte puis sur le bouton SUPPRIMER pour l&apos;enlever du jeu.</source>
        <translation>Click this card, then the REMOVE button, to take it out of the line.</translation>
    </message>
    <message>
        <source>Selectionnez une autre carte différent de la première carte selectionnée.</source>
        <translation>Select another card, other than the first selected card.</translation>
    </message>
</context>
<context>
    <name>MontecarloRules</name>
    <message>
        <source>Jouer à la vorelle</source>
        <translation>Play the game</translation>
    </message>
    <message>
        <source>Afficher les règles du jeu</source>
        <translation>Show the rules of the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte ci-dessous pour commencer la vorelle.</source>
        <translation>Click the card below to start the game.</translation>
    </message>
    <message>
        <source>Selectionnez une deuxième carte.</source>
        <translation>Select a second card.</translation>
    </message>
    <message>
        <source>Selectionnez 2 cartes adjacentes de même valeur ou de même famille.</source>
        <translation>Select 2 neighbouring cards of the same rank or the same suit.</translation>
    </message>
    <message>
        <source>BRAVO, Les cartes choisies forment une paire. Cliquez sur une carte</source>
        <translation>WELL DONE, the chosen cards make a pair. Click a card</translation>
    </message>
    <message>
        <source>BRAVO, vous avez gagné...</source>
        <translation>WELL DONE, you have won...</translation>
    </message>
    <message>
        <source>DESOLE, vous avez perdu...</source>
        <translation>SORRY, you have lost...</translation>
    </message>
    <message>
        <source>Pioche, première carte visible</source>
        <translation>Stock, first card shown</translation>
    </message>
    <message>
        <source>Pioche, seconde carte visible</source>
        <translation>Stock, second card shown</translation>
    </message>
    <message>
        <source>Pioche, cartes cachées</source>
        <translation>Stock, hidden cards</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>Tous les fichiers d&apos;images (*.bmp *.dib *.gif *.jpg *.jpeg *.emf *.wmf *.cur *.ico *.png *.svg);;Fichiers Bitmap (*.bmp);;Fichiers DIB (*.dib);;Fichiers GIF (*.gif);;Fichiers JPEG (*.jpg *.jpeg);;Fichiers Windows MetaFile (*.wmf);;Fichiers Extended MetaFiles (*.emf);;Fichiers de curseurs (*.cur);;Fichiers d&apos;icônes (*.ico)</source>
        <translation>All picture files (*.bmp *.dib *.gif *.jpg *.jpeg *.emf *.wmf *.cur *.ico *.png *.svg);;Bitmap files (*.bmp);;DIB files (*.dib);;GIF files (*.gif);;JPEG files (*.jpg *.jpeg);;Windows Metafile files (*.wmf);;Enhanced Metafile files (*.emf);;Cursor files (*.cur);;Icon files (*.ico)</translation>
    </message>
</context>
<context>
    <name>PictureNames</name>
    <message>
        <source>pique</source>
        <translation>Spades</translation>
    </message>
    <message>
        <source>cœur</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>carreau</source>
        <translation>Diamonds</translation>
    </message>
    <message>
        <source>trèfle</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>Pique</source>
        <translation>Spades</translation>
    </message>
    <message>
        <source>Cœur</source>
        <translation>Hearts</translation>
    </message>
    <message>
        <source>Carreau</source>
        <translation>Diamonds</translation>
    </message>
    <message>
        <source>Trèfle</source>
        <translation>Clubs</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>As</source>
        <translation>Ace</translation>
    </message>
    <message>
        <source>Deux</source>
        <translation>Two</translation>
    </message>
    <message>
        <source>Trois</source>
        <translation>Three</translation>
    </message>
    <message>
        <source>Quatre</source>
        <translation>Four</translation>
    </message>
    <message>
        <source>Cinq</source>
        <translation>Five</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Sept</source>
        <translation>Seven</translation>
    </message>
    <message>
        <source>Huit</source>
        <translation>Eight</translation>
    </message>
    <message>
        <source>Neuf</source>
        <translation>Nine</translation>
    </message>
    <message>
        <source>Dix</source>
        <translation>Ten</translation>
    </message>
    <message>
        <source>Valet</source>
        <translation>Jack</translation>
    </message>
    <message>
        <source>Dame</source>
        <translation>Queen</translation>
    </message>
    <message>
        <source>Roi</source>
        <translation>King</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <extracomment>A card&apos;s name: %1 its rank, %2 its suit (&quot;Dame de cœur&quot;).</extracomment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Emplacement libre</source>
        <translation>Empty place</translation>
    </message>
    <message>
        <source>Carte retournée</source>
        <translation>Face-down card</translation>
    </message>
    <message>
        <source>Grille, rangée %1, colonne %2</source>
        <translation>Grid, row %1, column %2</translation>
    </message>
    <message>
        <source>Colonne %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Rangée %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>Rangée %1, colonne %2</source>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>, carte %1 sur %2</source>
        <translation>, card %1 of %2</translation>
    </message>
</context>
<context>
    <name>PoussePousseRules</name>
    <message>
        <source>Famille:</source>
        <translation>Suit:</translation>
    </message>
    <message>
        <source>Famille</source>
        <translation>Suit</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Glissez les cartes à la bonne place.</source>
        <translation>Slide the cards to their right places.</translation>
    </message>
    <message>
        <source>Glissez les cartes à la bonne place</source>
        <translation>Slide the cards to their right places</translation>
    </message>
    <message>
        <source>Servez-vous de cette carte vierge pour glisser les cartes à leurs emplacements.</source>
        <translation>Use this blank card to slide the cards to their places.</translation>
    </message>
    <message>
        <source>Vous devez mettre le </source>
        <translation>You must put the </translation>
    </message>
    <message>
        <source> DE </source>
        <translation> OF </translation>
    </message>
    <message>
        <source> à cet emplacement</source>
        <translation> in this place</translation>
    </message>
    <message>
        <source>Glissez cette carte au début ou à la fin du jeu</source>
        <translation>Slide this card to the start or the end of the layout</translation>
    </message>
    <message>
        <source>BRAVO, vous avez gagné...</source>
        <translation>WELL DONE, you have won...</translation>
    </message>
</context>
<context>
    <name>PyramideRules</name>
    <message>
        <source>Pour selectionner la/les cartes dans la pyramide, appuyez sur le bouton gauche de votre souris. Pour déplacer les cartes dans la pyramide, appuyez sur le bouton droit de votre curseur puis, maintenez le bouton gauche pressé et déplacez la carte.</source>
        <translation>To select cards in the pyramid, press the left mouse button. To move a card in the pyramid, press the right mouse button, then hold the left button down and move the card.</translation>
    </message>
    <message>
        <source>Jouer à la vorelle</source>
        <translation>Play the game</translation>
    </message>
    <message>
        <source>Afficher les règles du jeu</source>
        <translation>Show the rules of the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Supprimer les paires de 13 points ou cliquez sur la carte ci-dessous pour commencer la vorelle.</source>
        <translation>Remove pairs worth 13 points or click the card below to start the game.</translation>
    </message>
    <message>
        <source>La carte était un ROI. Cliquez sur la nouvelle carte.</source>
        <translation>The card was a KING. Click the new card.</translation>
    </message>
    <message>
        <source>Cliquez sur une deuxième carte pour essayer d&apos;obtenir une paire de 13 points.</source>
        <translation>Click a second card to try to make a pair worth 13 points.</translation>
    </message>
    <message>
        <source>Vous avez cliqué sur un ROI qui vaut 13 points. Selectionnez un autre roi ou une autre paire de cartes totalisant 13 points...</source>
        <translation>You clicked a KING, worth 13 points. Select another king or another pair of cards worth 13 points...</translation>
    </message>
    <message>
        <source>La carte choisie ne forme pas 13 points avec la carte choisie précédemment. Cliquez sur une carte.</source>
        <translation>The card you chose does not make 13 points with the card chosen before. Click a card.</translation>
    </message>
    <message>
        <source>BRAVO, La carte choisie forme une paire de 13 points avec la carte précédente. Cliquez sur une carte</source>
        <translation>WELL DONE, the card you chose makes 13 points with the previous one. Click a card</translation>
    </message>
    <message>
        <source>Pyramide, rangée %1, carte %2</source>
        <translation>Pyramid, row %1, card %2</translation>
    </message>
    <message>
        <source>Pioche</source>
        <translation>Stock</translation>
    </message>
</context>
<context>
    <name>RecordLog</name>
    <message>
        <source>Le texte ajouté à la fin du fichier n&apos;y serait pas lu.</source>
        <translation>Text added at the end of the file would not be read there.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier des parties PARTIES.RTF (</source>
        <translation>Cannot read the game log PARTIES.RTF (</translation>
    </message>
    <message>
        <source>).
La partie n&apos;a pas été enregistrée.</source>
        <translation>).
The game was not recorded.</translation>
    </message>
    <message>
        <source>Le fichier des parties PARTIES.RTF est illisible : </source>
        <translation>The game log PARTIES.RTF cannot be read: </translation>
    </message>
    <message>
        <source>
Il n&apos;a pas pu être mis de côté (</source>
        <translation>
It could not be set aside (</translation>
    </message>
    <message>
        <source>).
Il a été laissé tel quel et la partie n&apos;a pas été enregistrée.</source>
        <translation>).
It was left as it is and the game was not recorded.</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer la partie dans le fichier PARTIES.RTF (</source>
        <translation>Cannot record the game in the game log PARTIES.RTF (</translation>
    </message>
    <message>
        <source>).
L&apos;historique précédent est intact.</source>
        <translation>).
The previous history is intact.</translation>
    </message>
    <message>
        <source>Le fichier des parties PARTIES.RTF était illisible : </source>
        <translation>The game log PARTIES.RTF could not be read: </translation>
    </message>
    <message>
        <source>
Il a été conservé tel quel sous le nom
</source>
        <translation>
It was kept as it is under the name
</translation>
    </message>
    <message>
        <source>
et la partie a été enregistrée dans un nouveau fichier PARTIES.RTF</source>
        <translation>
and the game was recorded in a new PARTIES.RTF</translation>
    </message>
    <message>
        <source>, qui reprend ce qui a pu en être lu.</source>
        <translation>, which holds what could be read of it.</translation>
    </message>
</context>
<context>
    <name>ResumeFile</name>
    <message>
        <source>Le dossier de la partie en cours ne peut pas être créé : </source>
        <translation>The folder of the game in progress cannot be created: </translation>
    </message>
</context>
<context>
    <name>ResumeKeeper</name>
    <message>
        <source>La partie en cours ne peut pas être gardée.</source>
        <translation>The game in progress cannot be kept.</translation>
    </message>
    <message>
        <source>La partie en cours n&apos;a pas pu être reprise : fichier mis de côté.</source>
        <translation>The game in progress could not be resumed: its file was set aside.</translation>
    </message>
</context>
<context>
    <name>RoialbertRules</name>
    <message>
        <source>Mettez un AS à cet emplacement.</source>
        <translation>Put an ACE in this place.</translation>
    </message>
    <message>
        <source>Famille reconstituée</source>
        <translation>Suit complete</translation>
    </message>
    <message>
        <source>Mettez un VALET DE </source>
        <translation>Put the JACK OF </translation>
    </message>
    <message>
        <source>Mettez une DAME DE </source>
        <translation>Put the QUEEN OF </translation>
    </message>
    <message>
        <source>Mettez un ROI DE </source>
        <translation>Put the KING OF </translation>
    </message>
    <message>
        <source>Mettez un %1 DE </source>
        <translation>Put the %1 OF </translation>
    </message>
    <message>
        <source>  à cet emplacement.</source>
        <translation> in this place.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur une des cartes du jeu pour commencer la vorelle.</source>
        <translation>Click any card of the layout to start the game.</translation>
    </message>
    <message>
        <source>Vous pouvez mettre une carte ou un groupe de cartes ici</source>
        <translation>You can put a card or a run of cards here</translation>
    </message>
    <message>
        <source>Pour savoir comment jouer à ce jeu, appuyez sur le bouton REGLES...</source>
        <translation>To learn how to play this game, press the RULES button...</translation>
    </message>
    <message>
        <source>BRAVO, vous avez gagné...</source>
        <translation>WELL DONE, you have won...</translation>
    </message>
    <message>
        <source>Fondation %1</source>
        <translation>Foundation %1</translation>
    </message>
    <message>
        <source>Colonne %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Réserve, carte %1</source>
        <translation>Reserve, card %1</translation>
    </message>
    <message>
        <source>Colonne %1, carte %2</source>
        <translation>Column %1, card %2</translation>
    </message>
    <message>
        <source>TREFLE</source>
        <translation>CLUBS</translation>
    </message>
    <message>
        <source>CARREAU</source>
        <translation>DIAMONDS</translation>
    </message>
    <message>
        <source>COEUR</source>
        <translation>HEARTS</translation>
    </message>
    <message>
        <source>PIQUE</source>
        <translation>SPADES</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>Le fichier n&apos;est pas au format RTF.</source>
        <translation>The file is not in RTF format.</translation>
    </message>
    <message>
        <source>Le fichier est endommagé : seule une partie a pu être lue.</source>
        <translation>The file is damaged: only part of it could be read.</translation>
    </message>
</context>
<context>
    <name>SolverMenu</name>
    <message>
        <source>Indicateur de donne &amp;gagnable</source>
        <translation>&amp;Winnable deal indicator</translation>
    </message>
    <message>
        <source>&amp;Indice</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Démonstration</source>
        <translation>&amp;Demonstration</translation>
    </message>
</context>
<context>
    <name>SolverPanel</name>
    <message>
        <source>Donne gagnable</source>
        <translation>Deal can be won</translation>
    </message>
    <message>
        <source>Plus gagnable</source>
        <translation>No longer winnable</translation>
    </message>
    <message>
        <source>Perdue d&apos;avance</source>
        <translation>Lost from the start</translation>
    </message>
    <message>
        <source>Inconnu</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Recherche prolongée…</source>
        <translation>Searching on…</translation>
    </message>
    <message>
        <source>Indicateur de donne gagnable</source>
        <translation>Winnable deal indicator</translation>
    </message>
    <message>
        <source>Recherche…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>Aucune solution: meilleur coup</source>
        <translation>No solution: best move</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1 gagnées</source>
        <translation>%1 won</translation>
    </message>
    <message>
        <source>%1 gagnée</source>
        <translation>%1 won</translation>
    </message>
    <message>
        <source>%1 perdues</source>
        <translation>%1 lost</translation>
    </message>
    <message>
        <source>%1 perdue</source>
        <translation>%1 lost</translation>
    </message>
</context>
<context>
    <name>StatisticsCharts</name>
    <message>
        <source>Cochez les vorelles à montrer</source>
        <translation>Tick the games to show</translation>
    </message>
    <message>
        <source>Pourcentage de réussite par mois</source>
        <translation>Percentage won per month</translation>
    </message>
    <message>
        <source>Parties jouées par vorelle</source>
        <translation>Games played per game</translation>
    </message>
    <message>
        <source>Parties jouées</source>
        <translation>Games played</translation>
    </message>
</context>
<context>
    <name>StatisticsModel</name>
    <message>
        <source>Vorelle</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Parties jouées</source>
        <translation>Games played</translation>
    </message>
    <message>
        <source>Gagnées</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>Perdues</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>% de réussite</source>
        <translation>% won</translation>
    </message>
    <message>
        <source>Série en cours</source>
        <translation>Current streak</translation>
    </message>
    <message>
        <source>Plus longue série de victoires</source>
        <translation>Longest winning streak</translation>
    </message>
    <message>
        <source>Plus longue série de défaites</source>
        <translation>Longest losing streak</translation>
    </message>
    <message>
        <source>Meilleur temps</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>Temps moyen</source>
        <translation>Mean time</translation>
    </message>
    <message>
        <source>Temps médian</source>
        <translation>Median time</translation>
    </message>
    <message>
        <source>Chances théoriques</source>
        <translation>Theoretical odds</translation>
    </message>
    <message>
        <source>Parties
jouées</source>
        <translation>Games
played</translation>
    </message>
    <message>
        <source>% de
réussite</source>
        <translation>%
won</translation>
    </message>
    <message>
        <source>Série
en cours</source>
        <translation>Current
streak</translation>
    </message>
    <message>
        <source>Plus
longue
série de
victoires</source>
        <translation>Longest
winning
streak</translation>
    </message>
    <message>
        <source>Plus
longue
série de
défaites</source>
        <translation>Longest
losing
streak</translation>
    </message>
    <message>
        <source>Meilleur
temps</source>
        <translation>Best
time</translation>
    </message>
    <message>
        <source>Temps
moyen</source>
        <translation>Mean
time</translation>
    </message>
    <message>
        <source>Temps
médian</source>
        <translation>Median
time</translation>
    </message>
    <message>
        <source>Chances
théoriques</source>
        <translation>Theoretical
odds</translation>
    </message>
    <message>
        <source>Toutes les vorelles</source>
        <translation>All games</translation>
    </message>
</context>
<context>
    <name>StephanieRules</name>
    <message>
        <source>Jouer à la vorelle</source>
        <translation>Play the game</translation>
    </message>
    <message>
        <source>Afficher les règles du jeu</source>
        <translation>Show the rules of the game</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur une des cartes du jeu pour commencer la vorelle.</source>
        <translation>Click any card of the layout to start the game.</translation>
    </message>
    <message>
        <source>Cliquez et glissez cette carte sur le jeu.</source>
        <translation>Click and drag this card onto the layout.</translation>
    </message>
    <message>
        <source>Colonne %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Colonne %1, carte %2</source>
        <translation>Column %1, card %2</translation>
    </message>
    <message>
        <source>Familles complètes, pile %1</source>
        <translation>Completed suits, pile %1</translation>
    </message>
    <message>
        <source>Pioche</source>
        <translation>Stock</translation>
    </message>
</context>
<context>
    <name>UserDialogs</name>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Voyageuses1Rules</name>
    <message>
        <source>Quitter la partie</source>
        <translation>Leave the game</translation>
    </message>
    <message>
        <source>Cliquez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Click the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte ci-dessous pour jouer</source>
        <translation>Click the card below to play</translation>
    </message>
    <message>
        <source>Glissez la carte à l&apos;endroit voulu.</source>
        <translation>Drag the card where you want it.</translation>
    </message>
    <message>
        <source>Glissez la carte à l&apos;endroit désiré.</source>
        <translation>Drag the card where you want it.</translation>
    </message>
    <message>
        <source>Cliquez sur la carte ci-dessous.</source>
        <translation>Click the card below.</translation>
    </message>
    <message>
        <source>Cliquez sur les cartes restantes.</source>
        <translation>Click the remaining cards.</translation>
    </message>
    <message>
        <source>Carte en main</source>
        <translation>Card in hand</translation>
    </message>
    <message>
        <source>Pioche</source>
        <translation>Stock</translation>
    </message>
</context>
<context>
    <name>Voyageuses2Rules</name>
    <message>
        <source>Appuyez sur le bouton JOUER pour commencer la vorelle.</source>
        <translation>Press the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur le bouton JOUER pour commencer la partie.</source>
        <translation>Click the PLAY button to start the game.</translation>
    </message>
    <message>
        <source>Cliquez sur une des cartes du jeu pour commencer la vorelle.</source>
        <translation>Click any card of the layout to start the game.</translation>
    </message>
    <message>
        <source>Glissez la carte à l&apos;endroit voulu.</source>
        <translation>Drag the card where you want it.</translation>
    </message>
    <message>
        <source>Cliquez maintenant sur le(s) carte(s) non découverte(s).</source>
        <translation>Now click the card(s) still face down.</translation>
    </message>
    <message>
        <source>Carte en main</source>
        <translation>Card in hand</translation>
    </message>
</context>
<context>
    <name>VoyageusesRules</name>
    <message>
        <source>Carte à piocher</source>
        <translation>Card to draw</translation>
    </message>
    <message>
        <source>Grille, début de la rangée %1</source>
        <translation>Grid, start of row %1</translation>
    </message>
    <message>
        <source>%1, place de l&apos;%2</source>
        <translation>%1, place of the %2</translation>
    </message>
    <message>
        <source>%1, place de la %2</source>
        <translation>%1, place of the %2</translation>
    </message>
    <message>
        <source>%1, place du %2</source>
        <translation>%1, place of the %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Passez un moment agréable de détente en jouant aux vorelles que vous aimez...</source>
        <translation>Have a pleasant, relaxing time playing the patience games you like...</translation>
    </message>
    <message>
        <source>Avertissement:</source>
        <translation>Notice:</translation>
    </message>
    <message>
        <source>Ce programme est gratuit. Vous pouvez le copier et le transmettre librement, à condition de n&apos;y apporter aucune modification. Il est fourni tel quel, sans aucune garantie : son auteur ne saurait être tenu pour responsable des conséquences de son utilisation.</source>
        <translation>This program is free. You may copy it and pass it on freely, provided you make no change to it. It is provided as is, without any warranty: its author cannot be held responsible for the consequences of its use.</translation>
    </message>
    <message>
        <source>Logiciel libre sous licence GNU GPL version 3 ou ultérieure.</source>
        <translation>Free software under the GNU GPL, version 3 or later.</translation>
    </message>
    <message>
        <source>&amp;Infos système...</source>
        <translation>&amp;System info...</translation>
    </message>
    <message>
        <source>A propos de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Les informations système ne sont pas disponibles actuellement</source>
        <translation>System information is not available at the moment</translation>
    </message>
</context>
<context>
    <name>frmHistorique</name>
    <message>
        <source>Historique des parties</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>Voici la liste des parties déja effectuées:</source>
        <translation>Here are the games played so far:</translation>
    </message>
    <message>
        <source>Pour afficher l&apos;aide, appuyez sur F1...</source>
        <translation>For help, press F1...</translation>
    </message>
    <message>
        <source>&amp;Effacer</source>
        <translation>C&amp;lear</translation>
    </message>
    <message>
        <source>Effacer l&apos; historique</source>
        <translation>Clear the history</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Imprimer l&apos; historique</source>
        <translation>Print the history</translation>
    </message>
    <message>
        <source>&amp;Exporter</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>Exporter l&apos; historique</source>
        <translation>Export the history</translation>
    </message>
    <message>
        <source>&amp;Rechercher</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Rechercher dans l&apos;historique</source>
        <translation>Find in the history</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Fermer la fenêtre</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Impossible d&apos;afficher le fichier des parties. Le fichier PARTIES.RTF est introuvable.
Celui-ci devrait se trouver dans le dossier: </source>
        <translation>Cannot show the game log. The file PARTIES.RTF cannot be found.
It should be in the folder: </translation>
    </message>
    <message>
        <source>Fichier introuvable</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier des parties PARTIES.RTF :
</source>
        <translation>Cannot read the game log PARTIES.RTF:
</translation>
    </message>
    <message>
        <source>Le fichier des parties PARTIES.RTF ne peut pas être affiché tel quel.
</source>
        <translation>The game log PARTIES.RTF cannot be shown as it is.
</translation>
    </message>
    <message>
        <source>
Le texte lisible est affiché.</source>
        <translation>
The readable text is shown.</translation>
    </message>
    <message>
        <source>
Le fichier n&apos;a pas été modifié.</source>
        <translation>
The file was not changed.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier </source>
        <translation>Cannot write the file </translation>
    </message>
    <message>
        <source>Attention cette suppression est définitive.
Êtes-vous sûr(e) de vouloir effacer le contenu de l&apos;historique ?</source>
        <translation>Careful: this cannot be undone.
Are you sure you want to clear the history?</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>
L&apos;historique n&apos;a pas été effacé.</source>
        <translation>
The history was not cleared.</translation>
    </message>
    <message>
        <source>ERREUR...</source>
        <translation>ERROR...</translation>
    </message>
    <message>
        <source>Aucune donnée à imprimer.</source>
        <translation>Nothing to print.</translation>
    </message>
    <message>
        <source>Impression</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>Exporter l&apos;historique...</source>
        <translation>Export the history...</translation>
    </message>
    <message>
        <source>Fichier Texte (*.txt);;Fichier Html (*.htm);;Fichier Texte enrichi (*.rtf)</source>
        <translation>Text file (*.txt);;HTML file (*.htm);;Rich text file (*.rtf)</translation>
    </message>
    <message>
        <source>
Le fichier existant n&apos;a pas été modifié.</source>
        <translation>
The existing file was not changed.</translation>
    </message>
</context>
<context>
    <name>frmIntro</name>
    <message>
        <source>Le jeu est déja en cours.</source>
        <translation>The game is already running.</translation>
    </message>
    <message>
        <source>Aucun fichier de verrouillage n&apos;a pu être créé : le jeu ne peut pas vérifier qu&apos;il n&apos;est pas déjà en cours. Il démarre quand même.</source>
        <translation>No lock file could be created: the game cannot check that it is not already running. It starts anyway.</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer les paramètres dans le fichier :
</source>
        <translation>Cannot save the settings in the file:
</translation>
    </message>
    <message>
        <source>
Le jeu utilisera les réglages par défaut.</source>
        <translation>
The game will use the default settings.</translation>
    </message>
    <message>
        <source>Le fichier des paramètres
</source>
        <translation>The settings file
</translation>
    </message>
    <message>
        <source>
ne peut pas être lu entièrement ni mis de côté. Il est laissé tel quel et les réglages ne seront pas enregistrés.</source>
        <translation>
cannot be read whole nor set aside. It is left as it is and the settings will not be saved.</translation>
    </message>
    <message>
        <source>
ne pouvait pas être lu entièrement. Il a été conservé sous le nom
</source>
        <translation>
could not be read whole. It was kept under the name
</translation>
    </message>
    <message>
        <source>
et les réglages par défaut le remplacent.</source>
        <translation>
and the default settings replace it.</translation>
    </message>
</context>
<context>
    <name>frmJeu</name>
    <message>
        <source>J&amp;eu</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Nouvelle vorelle</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>&amp;Arrêter le jeu</source>
        <translation>&amp;Stop the game</translation>
    </message>
    <message>
        <source>&amp;Quitter le jeu</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Historique des parties...</source>
        <translation>&amp;Game history...</translation>
    </message>
    <message>
        <source>&amp;Statistiques...</source>
        <translation>&amp;Statistics...</translation>
    </message>
    <message>
        <source>&amp;Paramètres...</source>
        <translation>Se&amp;ttings...</translation>
    </message>
    <message>
        <source>&amp;Aide...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>A &amp;Propos de...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Nom du joueur:</source>
        <translation>Player name:</translation>
    </message>
    <message>
        <source>Nom du joueur</source>
        <translation>Player name</translation>
    </message>
    <message>
        <source>Temps:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Temps de jeu</source>
        <translation>Playing time</translation>
    </message>
    <message>
        <source>Pour l&apos;aide, appuyez sur F1...</source>
        <translation>For help, press F1...</translation>
    </message>
    <message>
        <source>Affiche le menu du jeu</source>
        <translation>Shows the game menu</translation>
    </message>
    <message>
        <source>Affiche le menu des options</source>
        <translation>Shows the options menu</translation>
    </message>
    <message>
        <source>Affiche le menu d&apos;aide</source>
        <translation>Shows the help menu</translation>
    </message>
    <message>
        <source>Impossible de trouver le fichier contenant les images des cartes [CARTES.RES]. Le programme va se terminer</source>
        <translation>Cannot find the file holding the card pictures [CARTES.RES]. The program will end</translation>
    </message>
    <message>
        <source>: ce jeu est déja affiché</source>
        <translation>: this game is already shown</translation>
    </message>
    <message>
        <source> et est en cours.</source>
        <translation> and in progress.</translation>
    </message>
    <message>
        <source>Un jeu de vorelle est déja en cours.

Voulez-vous abandonner celui-ci et commencer celui que vous venez de selectionner ?</source>
        <translation>A game is already in progress.

Do you want to abandon it and start the one you have just chosen?</translation>
    </message>
    <message>
        <source>Voulez-vous vraiment interrompre la partie en cours ?</source>
        <translation>Do you really want to stop the game in progress?</translation>
    </message>
    <message>
        <source>Êtes vous sûr(e) de vouloir quitter le jeu ?</source>
        <translation>Are you sure you want to quit?</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Fichier: </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>ERREUR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Une erreur est intervenue lors de l&apos;accès aux paramètres. L&apos;image par défaut a été restaurée.</source>
        <translation>An error occurred while reading the settings. The default picture has been restored.</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>Une erreur est intervenue lors de l&apos;accès aux paramètres.</source>
        <translation>An error occurred while reading the settings.</translation>
    </message>
    <message>
        <source>Erreur inattendue lors de l&apos;éxécution du programme. L&apos;image ne peut être affichée.</source>
        <translation>Unexpected error. The picture cannot be shown.</translation>
    </message>
    <message>
        <source>Le fichier CARTES.RES est introuvable. Impossible de remettre l&apos;image par défaut.</source>
        <translation>The file CARTES.RES cannot be found. The default picture cannot be restored.</translation>
    </message>
    <message>
        <source>Fichier : défaut</source>
        <translation>File: default</translation>
    </message>
    <message>
        <source>L&apos;image choisie pour le dos des cartes sera affichée lors du lancement du prochain jeu de vorelle</source>
        <translation>The chosen card back picture will be shown from the next game window you open</translation>
    </message>
    <message>
        <source>Erreur inattendue lors de l&apos;éxécution du programme. L&apos;image e peut être affichée.</source>
        <translation>Unexpected error. The picture cannot be shown.</translation>
    </message>
    <message>
        <source>Le fichier BOIS.GIF est introuvable. Impossible de remettre l&apos;image par défaut.</source>
        <translation>The file BOIS.GIF cannot be found. The default picture cannot be restored.</translation>
    </message>
    <message>
        <source>Fichier : </source>
        <translation>File: </translation>
    </message>
    <message>
        <source>Le chemin d&apos;accès à l&apos;image ne semble pas valide.</source>
        <translation>The path to the picture does not seem valid.</translation>
    </message>
    <message>
        <source>Avertissement</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Aucune</source>
        <translation>None</translation>
    </message>
    <message>
        <source>La couleur que vous avez choisi ne peut être affichée. Cette couleur est déja utilisée pour un objet qui pourrait entrainer une incohérence d&apos;affichage</source>
        <translation>The colour you chose cannot be used. It is already used for another part of the status bar, which would make it unreadable</translation>
    </message>
    <message>
        <source>La langue choisie sera celle du programme à son prochain démarrage.</source>
        <translation>The program will use the chosen language from its next start.</translation>
    </message>
    <message>
        <source>Selection d&apos;une image...</source>
        <translation>Choose a picture...</translation>
    </message>
    <message>
        <source>CARTES</source>
        <translation>CARDS</translation>
    </message>
    <message>
        <source>TAPIS</source>
        <translation>TABLE</translation>
    </message>
    <message>
        <source>VORELLES</source>
        <translation>GAMES</translation>
    </message>
    <message>
        <source>DIVERS</source>
        <translation>OTHER</translation>
    </message>
    <message>
        <source>Cliquez pour accéder aux options des cartes de jeu</source>
        <translation>Click for the options of the playing cards</translation>
    </message>
    <message>
        <source>Cliquez pour accéder aux options des vorelles</source>
        <translation>Click for the options of the games</translation>
    </message>
    <message>
        <source>Cliquez pour accéder aux options diverses</source>
        <translation>Click for the other options</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Affiche l&apos;aide</source>
        <translation>Shows the help</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Fermer la fenêtre</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Vous pouvez changer l&apos;image du dos des cartes. Pour cela, cliquez sur le bouton CHANGER,selectionnez une image dans la fenêtre qui s&apos;affichera puis, enregistrée celle-ci en cliquant sur le bouton VALIDER.</source>
        <translation>You can change the picture on the back of the cards. Click the CHANGE button, choose a picture in the window that opens, then save it by clicking the APPLY button.</translation>
    </message>
    <message>
        <source>Image du dos des cartes</source>
        <translation>Card back picture</translation>
    </message>
    <message>
        <source>&amp;Changer</source>
        <translation>&amp;Change</translation>
    </message>
    <message>
        <source>Changer l&apos;image du dos de carte</source>
        <translation>Change the card back picture</translation>
    </message>
    <message>
        <source>&amp;Image par défaut</source>
        <translation>De&amp;fault picture</translation>
    </message>
    <message>
        <source>Image par défaut</source>
        <translation>Default picture</translation>
    </message>
    <message>
        <source>Fichier:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Mélanger le jeu</source>
        <translation>Shuffle the pack</translation>
    </message>
    <message>
        <source>fois avant chaque vorelle</source>
        <translation>times before each game</translation>
    </message>
    <message>
        <source>Nombre de mélange du jeu de cartes</source>
        <translation>Number of shuffles of the pack</translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>Valider les données</source>
        <translation>Apply the changes</translation>
    </message>
    <message>
        <source>Vous pouvez changer l&apos;image de fond d&apos;écran de la fenêtre de jeu. Pour cela, il vous suffit de cliquer sur le bouton CHANGER, de sélectionner un fichier d&apos; image dans la fenêtre qui s&apos;ouvrira et enfin de cliquer sur le bouton VALIDER pour enregistrer la nouvelle image.</source>
        <translation>You can change the background picture of the game window. Click the CHANGE button, choose a picture file in the window that opens, then click the APPLY button to save the new picture.</translation>
    </message>
    <message>
        <source>Aperçu de l&apos;image du tapis</source>
        <translation>Preview of the table picture</translation>
    </message>
    <message>
        <source>Changer l&apos;image</source>
        <translation>Change the picture</translation>
    </message>
    <message>
        <source>&amp;Pas d&apos;image</source>
        <translation>&amp;No picture</translation>
    </message>
    <message>
        <source>Pas d&apos;image en fond de fenêtre</source>
        <translation>No background picture</translation>
    </message>
    <message>
        <source>&amp;Défaut</source>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>Nom du fichier pour l&apos;image</source>
        <translation>File name of the picture</translation>
    </message>
    <message>
        <source>Choisissez une couleur de fond si vous ne  désirez pas d&apos;image. Pour cela, cliquez sur le carré de couleur ci-dessous:</source>
        <translation>Choose a background colour if you want no picture. Click the colour square below:</translation>
    </message>
    <message>
        <source>Couleur de fond du tapis</source>
        <translation>Table background colour</translation>
    </message>
    <message>
        <source>Couleur de fond..................</source>
        <translation>Background colour..................</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;image</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>Vous pouvez  choisir d&apos;afficher votre jeu préféré dès le démarrage du programme. Pour cela, il vous suffit simplement de selectionner celui-ci dans la liste des vorelles et de confirmer votre choix en appuyant sur le bouton VALIDER.</source>
        <translation>You can have your favourite game open as soon as the program starts. Select it in the list of games and confirm your choice with the APPLY button.</translation>
    </message>
    <message>
        <source>Liste des vorelles</source>
        <translation>List of games</translation>
    </message>
    <message>
        <source>Valider les options</source>
        <translation>Apply the options</translation>
    </message>
    <message>
        <source>Liste des vorelles:</source>
        <translation>List of games:</translation>
    </message>
    <message>
        <source>Vorelle selectionnée</source>
        <translation>Selected game</translation>
    </message>
    <message>
        <source>Cliquez sur le bouton ci-dessous si vous ne désirez pas ouvrir de vorelle au démarrage.</source>
        <translation>Click the button below if you want no game to open at start.</translation>
    </message>
    <message>
        <source>Option par défaut</source>
        <translation>Default option</translation>
    </message>
    <message>
        <source>Vous pouvez changer les couleurs de la barre d&apos;état - barre se situant à la base de la fenêtre principal de jeu - ainsi que le nom du joueur. Pour ce faire, cliquez sur les carrés de couleurs ci-dessous, en relation avec l&apos;objet désiré, sélectionnez une couleur dans la fenêtre des couleurs qui s&apos;affichera, changez également le nom du joueur et cliquez sur le bouton VALIDER pour enregistrer vos choix.</source>
        <translation>You can change the colours of the status bar - the bar at the bottom of the main game window - and the player name. Click the colour squares below, choose a colour in the colour window that opens, change the player name if you like, and click the APPLY button to save your choices.</translation>
    </message>
    <message>
        <source>Nom du joueur</source>
        <translation>Player name</translation>
    </message>
    <message>
        <source>Nom par défaut</source>
        <translation>Default name</translation>
    </message>
    <message>
        <source>Couleur du texte de la barre d&apos;état</source>
        <translation>Status bar text colour</translation>
    </message>
    <message>
        <source>Couleur du fond de la barre d&apos;état</source>
        <translation>Status bar background colour</translation>
    </message>
    <message>
        <source>Nom du joueur:</source>
        <translation>Player name:</translation>
    </message>
    <message>
        <source>Couleur du texte de la barre d&apos;état.....</source>
        <translation>Status bar text colour.....</translation>
    </message>
    <message>
        <source>Couleur du fond de la barre d&apos;état.....</source>
        <translation>Status bar background colour.....</translation>
    </message>
    <message>
        <source>Animer les déplacements</source>
        <translation>Animate the moves</translation>
    </message>
    <message>
        <source>Les cartes glissent jusqu&apos;à leur nouvelle place</source>
        <translation>Cards glide to their new places</translation>
    </message>
    <message>
        <source>Automatique</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>La langue du programme, à partir de son prochain démarrage</source>
        <translation>The program&apos;s language, from its next start</translation>
    </message>
    <message>
        <source>&amp;Langue:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>Remettre les données par défaut</source>
        <translation>Restore the defaults</translation>
    </message>
</context>
<context>
    <name>frmRechercher</name>
    <message>
        <source>Texte à rechercher:</source>
        <translation>Text to find:</translation>
    </message>
    <message>
        <source>Rechercher l&apos;occurence exacte</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>Mot entier</source>
        <translation>Whole word</translation>
    </message>
    <message>
        <source>&amp;Rechercher</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>Lancer la recherche</source>
        <translation>Start the search</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Annuler la recherche</source>
        <translation>Cancel the search</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Affiche l&apos;aide</source>
        <translation>Shows the help</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Fermer la fenêtre</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Rechercher</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>RECHERCHE</source>
        <translation>FIND</translation>
    </message>
    <message>
        <source>Texte à rechercher</source>
        <translation>Text to find</translation>
    </message>
    <message>
        <source>Rechercher le mot éxact</source>
        <translation>Match the exact case</translation>
    </message>
    <message>
        <source>Recherche sur le mot entier</source>
        <translation>Match whole words only</translation>
    </message>
    <message>
        <source>&amp;Suivant</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Aucun texte correspondant à la recherche, n&apos;a été trouvé.</source>
        <translation>No text matching the search was found.</translation>
    </message>
    <message>
        <source>Le texte recherché a été trouvé: %1 fois.</source>
        <translation>The text was found %1 time(s).</translation>
    </message>
    <message>
        <source>Fin de recherche...</source>
        <translation>End of search...</translation>
    </message>
</context>
<context>
    <name>frmStatistiques</name>
    <message>
        <source>&amp;Exporter...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Statistiques des parties</source>
        <translation>Game statistics</translation>
    </message>
    <message>
        <source>(sans nom)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Joueur dont les parties sont comptées</source>
        <translation>Player whose games are counted</translation>
    </message>
    <message>
        <source>&amp;Joueur :</source>
        <translation>&amp;Player:</translation>
    </message>
    <message>
        <source>&amp;Tableau</source>
        <translation>&amp;Table</translation>
    </message>
    <message>
        <source>Réussite par &amp;mois</source>
        <translation>Wins per &amp;month</translation>
    </message>
    <message>
        <source>&amp;Parties par vorelle</source>
        <translation>&amp;Games per game</translation>
    </message>
    <message>
        <source>Enregistrer le tableau au format CSV</source>
        <translation>Save the table as CSV</translation>
    </message>
    <message>
        <source>Fermer la fenêtre</source>
        <translation>Close the window</translation>
    </message>
    <message>
        <source>Exporter les statistiques...</source>
        <translation>Export the statistics...</translation>
    </message>
    <message>
        <source>Fichier CSV (*.csv)</source>
        <translation>CSV file (*.csv)</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier </source>
        <translation>Cannot write the file </translation>
    </message>
    <message>
        <source>
Le fichier existant n&apos;a pas été modifié.</source>
        <translation>
The existing file was not changed.</translation>
    </message>
    <message>
        <source>Tous les joueurs</source>
        <translation>All players</translation>
    </message>
</context>
</TS>
