<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Animation</name>
    <message>
        <source>there is not enough memory for the animation</source>
        <translation>la mémoire ne suffit pas pour l&apos;animation</translation>
    </message>
</context>
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Export game as animation</source>
        <translation>Exporter la partie en animation</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Each frame:</source>
        <translation>Chaque image&#xa0;:</translation>
    </message>
    <message>
        <source>An animated WebP picture</source>
        <translation>Une image WebP animée</translation>
    </message>
    <message>
        <source>A folder of numbered PNG pictures</source>
        <translation>Un dossier d&apos;images PNG numérotées</translation>
    </message>
    <message>
        <source>As:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Vers&#xa0;:</translation>
    </message>
    <message>
        <source>WebP pictures (*.webp)</source>
        <translation>Images WebP (*.webp)</translation>
    </message>
    <message numerus="yes">
        <source>The game&apos;s %n kept position(s), oldest first, one frame each.</source>
        <translation>
            <numerusform>%n position conservée de la partie, en une image.</numerusform>
            <numerusform>Les %n positions conservées de la partie, de la plus ancienne à la plus récente, une image chacune.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BannerSection</name>
    <message>
        <source>the first banner text in the banner section</source>
        <translation>le premier texte de bannière de la section des bannières</translation>
    </message>
    <message>
        <source>the second banner text in the banner section</source>
        <translation>le deuxième texte de bannière de la section des bannières</translation>
    </message>
    <message>
        <source>the third banner text in the banner section</source>
        <translation>le troisième texte de bannière de la section des bannières</translation>
    </message>
    <message>
        <source>banner text %1 is longer than %2 characters</source>
        <translation>le texte de bannière %1 dépasse %2 caractères</translation>
    </message>
</context>
<context>
    <name>ByteStream</name>
    <message>
        <source>the file ends inside %1</source>
        <translation>le fichier se termine au milieu de %1</translation>
    </message>
    <message>
        <source>the length of %1</source>
        <translation>la longueur de %1</translation>
    </message>
    <message>
        <source>the length of %1 is negative (%2)</source>
        <translation>la longueur de %1 est négative (%2)</translation>
    </message>
    <message>
        <source>the length of %1 is %2, more than its box holds (%3)</source>
        <translation>la longueur de %1 est %2, plus que son champ n&apos;en contient (%3)</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Recent move files</source>
        <translation>Fichiers de coup récents</translation>
    </message>
    <message>
        <source>The move files opened or saved last</source>
        <translation>Les derniers fichiers de coup ouverts ou enregistrés</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Put back the change last taken back</source>
        <translation>Rétablir la dernière modification annulée</translation>
    </message>
    <message>
        <source>The turn&apos;s edits</source>
        <translation>Modifications du tour</translation>
    </message>
    <message>
        <source>Every step of this turn, to go back to any of them</source>
        <translation>Chaque étape de ce tour, pour revenir à n&apos;importe laquelle</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Send by e-mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <source>Send the saved turn by e-mail</source>
        <translation>Envoyer le tour enregistré par e-mail</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>The menu of the hex</source>
        <translation>Le menu de l&apos;hexagone</translation>
    </message>
    <message>
        <source>Turn the stack over</source>
        <translation>Faire tourner la pile</translation>
    </message>
    <message>
        <source>Turn the stack over: the next counter comes to the top</source>
        <translation>Faire tourner la pile&#xa0;: le pion suivant passe au-dessus</translation>
    </message>
    <message>
        <source>Hex cursor left</source>
        <translation>Curseur à gauche</translation>
    </message>
    <message>
        <source>The hex cursor one column left</source>
        <translation>Le curseur d&apos;hexagone d&apos;une colonne à gauche</translation>
    </message>
    <message>
        <source>Hex cursor right</source>
        <translation>Curseur à droite</translation>
    </message>
    <message>
        <source>The hex cursor one column right</source>
        <translation>Le curseur d&apos;hexagone d&apos;une colonne à droite</translation>
    </message>
    <message>
        <source>Hex cursor up</source>
        <translation>Curseur vers le haut</translation>
    </message>
    <message>
        <source>The hex cursor one hex up</source>
        <translation>Le curseur d&apos;hexagone d&apos;un hexagone vers le haut</translation>
    </message>
    <message>
        <source>Hex cursor down</source>
        <translation>Curseur vers le bas</translation>
    </message>
    <message>
        <source>The hex cursor one hex down</source>
        <translation>Le curseur d&apos;hexagone d&apos;un hexagone vers le bas</translation>
    </message>
    <message>
        <source>Pick up or drop</source>
        <translation>Prendre ou poser</translation>
    </message>
    <message>
        <source>Pick up the top counter of the cursor&apos;s hex; drop the one held</source>
        <translation>Prendre le pion du dessus dans l&apos;hexagone du curseur&#xa0;; poser celui qu&apos;on tient</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Remettre</translation>
    </message>
    <message>
        <source>Put the counter held back: nothing moves</source>
        <translation>Remettre en place le pion tenu&#xa0;: rien ne bouge</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Défiler à gauche</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Défiler à droite</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Défiler vers le haut</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Défiler vers le bas</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Page vers le haut</translation>
    </message>
    <message>
        <source>A view&apos;s height up</source>
        <translation>D&apos;une hauteur de vue vers le haut</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Page vers le bas</translation>
    </message>
    <message>
        <source>A view&apos;s height down</source>
        <translation>D&apos;une hauteur de vue vers le bas</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Page à gauche</translation>
    </message>
    <message>
        <source>A view&apos;s width left</source>
        <translation>D&apos;une largeur de vue à gauche</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Page à droite</translation>
    </message>
    <message>
        <source>A view&apos;s width right</source>
        <translation>D&apos;une largeur de vue à droite</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Taille réelle</translation>
    </message>
    <message>
        <source>The map at 100%</source>
        <translation>La carte à 100&#xa0;%</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Pleine largeur</translation>
    </message>
    <message>
        <source>Fit width: the map&apos;s width fills the view</source>
        <translation>Pleine largeur&#xa0;: la largeur de la carte remplit la vue</translation>
    </message>
    <message>
        <source>Fit window</source>
        <translation>Pleine fenêtre</translation>
    </message>
    <message>
        <source>Fit window: as much of the map as the view holds, 25% at least</source>
        <translation>Pleine fenêtre&#xa0;: autant de carte que la vue en contient, 25&#xa0;% au moins</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Overview of the whole map</source>
        <translation>Vue d&apos;ensemble de toute la carte</translation>
    </message>
    <message>
        <source>Readable losses</source>
        <translation>Pertes lisibles</translation>
    </message>
    <message>
        <source>Readable losses: the number over each counter</source>
        <translation>Pertes lisibles&#xa0;: le nombre sur chaque pion</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Chercher une unité</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Chercher la suivante</translation>
    </message>
    <message>
        <source>The next unit found</source>
        <translation>L&apos;unité trouvée suivante</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Chercher la précédente</translation>
    </message>
    <message>
        <source>The previous unit found</source>
        <translation>L&apos;unité trouvée précédente</translation>
    </message>
    <message>
        <source>Order of battle</source>
        <translation>Ordre de bataille</translation>
    </message>
    <message>
        <source>Show moves</source>
        <translation>Mouvements</translation>
    </message>
    <message>
        <source>Show the turn&apos;s moves</source>
        <translation>Montrer les mouvements du tour</translation>
    </message>
    <message>
        <source>The turn</source>
        <translation>Le tour</translation>
    </message>
    <message>
        <source>The turn as a list</source>
        <translation>Le tour sous forme de liste</translation>
    </message>
    <message>
        <source>Replay turn</source>
        <translation>Revoir</translation>
    </message>
    <message>
        <source>Replay the turn&apos;s moves</source>
        <translation>Rejouer les mouvements du tour</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play or pause the replay</source>
        <translation>Lancer ou suspendre la relecture</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>One step of the replay</source>
        <translation>Une étape de la relecture</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>The game&apos;s first kept position</source>
        <translation>La première position conservée de la partie</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Préc.</translation>
    </message>
    <message>
        <source>The kept position before this one</source>
        <translation>La position conservée avant celle-ci</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suiv.</translation>
    </message>
    <message>
        <source>The kept position after this one</source>
        <translation>La position conservée après celle-ci</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>The game&apos;s newest kept position</source>
        <translation>La position conservée la plus récente de la partie</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Retour au présent</translation>
    </message>
    <message>
        <source>The game as it stands</source>
        <translation>La partie telle qu&apos;elle est</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Comparer avec…</translation>
    </message>
    <message>
        <source>Show the changes since another move file</source>
        <translation>Montrer les changements depuis un autre fichier de coup</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Note…</translation>
    </message>
    <message>
        <source>A note to the opponent, sent with the next save</source>
        <translation>Une note à l&apos;adversaire, envoyée au prochain enregistrement</translation>
    </message>
    <message>
        <source>Players and turn…</source>
        <translation>Joueurs et tour…</translation>
    </message>
    <message>
        <source>Who plays which side; the turn of a game whose files never said it</source>
        <translation>Qui joue quel camp&#xa0;; le tour d&apos;une partie dont les fichiers ne l&apos;ont jamais dit</translation>
    </message>
    <message>
        <source>The game&apos;s dice…</source>
        <translation>Dés de la partie…</translation>
    </message>
    <message>
        <source>Every roll of the game, and how fair each die looks</source>
        <translation>Tous les jets de la partie, et si chaque dé semble honnête</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Every game you play, and whose move it is</source>
        <translation>Toutes vos parties, et à qui de jouer</translation>
    </message>
    <message>
        <source>Go to turn…</source>
        <translation>Aller au tour…</translation>
    </message>
    <message>
        <source>The kept position a chosen turn began from</source>
        <translation>La position conservée au début du tour choisi</translation>
    </message>
    <message>
        <source>Export picture…</source>
        <translation>Exporter une image…</translation>
    </message>
    <message>
        <source>The map as a PNG picture, whole or the part in view</source>
        <translation>La carte en image PNG, entière ou la partie visible</translation>
    </message>
    <message>
        <source>Export turn as web page…</source>
        <translation>Exporter le tour en page web…</translation>
    </message>
    <message>
        <source>The turn as one web page: the map around its moves, the changes, the combats and the note</source>
        <translation>Le tour en une page web&#xa0;: la carte autour de ses mouvements, les changements, les combats et la note</translation>
    </message>
    <message>
        <source>Export game as animation…</source>
        <translation>Exporter la partie en animation…</translation>
    </message>
    <message>
        <source>Every kept position of the game, one frame each, as an animation</source>
        <translation>Chaque position conservée de la partie, une image chacune, en animation</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Annuler le dernier mouvement</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Tout déplacer</translation>
    </message>
    <message>
        <source>Hide Combat Tags</source>
        <translation>Masquer les marques de combat</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Retourner</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Marquer</translation>
    </message>
    <message>
        <source>Return to start hex</source>
        <translation>Retour à l&apos;hexagone de départ</translation>
    </message>
    <message>
        <source>Combat</source>
        <translation>Combat</translation>
    </message>
    <message>
        <source>Show Combat</source>
        <translation>Voir le combat</translation>
    </message>
    <message>
        <source>Language…</source>
        <translation>Langue…</translation>
    </message>
    <message>
        <source>The language Korva speaks, from its next start</source>
        <translation>La langue que parle Korva, dès son prochain démarrage</translation>
    </message>
    <message>
        <source>Play by server…</source>
        <translation>Jouer par serveur…</translation>
    </message>
    <message>
        <source>Play through a Korva server that carries the turns and draws every die</source>
        <translation>Jouer par un serveur Korva qui transmet les tours et lance chaque dé</translation>
    </message>
</context>
<context>
    <name>CounterSection</name>
    <message>
        <source>the mark of the counters section</source>
        <translation>la marque de la section des pions</translation>
    </message>
    <message>
        <source>the counter count of the counters section</source>
        <translation>le nombre de pions de la section des pions</translation>
    </message>
    <message>
        <source>the file ends inside the record of counter %1 in the counters section</source>
        <translation>le fichier se termine au milieu de l&apos;enregistrement du pion %1 dans la section des pions</translation>
    </message>
    <message>
        <source>the file ends inside a counter record</source>
        <translation>le fichier se termine au milieu d&apos;un enregistrement de pion</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>DiceRecord</name>
    <message>
        <source>a number</source>
        <translation>un nombre</translation>
    </message>
    <message>
        <source>its dice record has a %1 of %2 bytes</source>
        <translation>son relevé de dés a un %1 de %2 octets</translation>
    </message>
    <message>
        <source>its dice record ends inside %1</source>
        <translation>son relevé de dés est tronqué (%1)</translation>
    </message>
    <message>
        <source>its dice record has a %1 of %2 bytes, not 32</source>
        <translation>son relevé de dés a un %1 de %2 octets, pas 32</translation>
    </message>
    <message>
        <source>secret</source>
        <translation>secret</translation>
    </message>
    <message>
        <source>file hash</source>
        <translation>hachage du fichier</translation>
    </message>
    <message>
        <source>its fixed dice lack their secret or file hash</source>
        <translation>ses dés fixés n&apos;ont pas leur secret ou leur hachage du fichier</translation>
    </message>
    <message>
        <source>its dice record counts %1 of %2 rolls</source>
        <translation>son relevé de dés compte %1 jets sur %2</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>commentaire</translation>
    </message>
    <message>
        <source>its dice record holds roll %1 with die %2</source>
        <translation>son relevé de dés contient le jet %1 avec le dé %2</translation>
    </message>
    <message>
        <source>its dice record has bytes after its rolls</source>
        <translation>son relevé de dés a des octets après ses jets</translation>
    </message>
</context>
<context>
    <name>DiceStats</name>
    <message>
        <source>too few rolls to tell (%1 of %2)</source>
        <translation>trop peu de jets pour juger (%1 sur %2)</translation>
    </message>
    <message>
        <source>as expected of a fair die</source>
        <translation>comme on l&apos;attend d&apos;un dé honnête</translation>
    </message>
    <message>
        <source>unusual: 1 in %1 fair dice would be this uneven</source>
        <translation>inhabituel&#xa0;: 1 dé honnête sur %1 serait aussi inégal</translation>
    </message>
    <message>
        <source>a little uneven, within what fair dice do</source>
        <translation>un peu inégal, dans les limites de ce que font des dés honnêtes</translation>
    </message>
    <message>
        <source>unusual: less than 1 in 10^15 fair dice would be this uneven</source>
        <translation>inhabituel&#xa0;: moins d&apos;1 dé honnête sur 10^15 serait aussi inégal</translation>
    </message>
</context>
<context>
    <name>DiceStore</name>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>il dépasse 8 Mo</translation>
    </message>
    <message>
        <source>line %1 does not read</source>
        <translation>la ligne %1 est illisible</translation>
    </message>
    <message>
        <source>it could not be copied aside</source>
        <translation>il n&apos;a pas pu être copié à part</translation>
    </message>
    <message>
        <source>its sound lines could not be kept: %1</source>
        <translation>ses lignes saines n&apos;ont pas pu être gardées&#xa0;: %1</translation>
    </message>
    <message>
        <source>The dice store %1 was damaged (%2): it was copied aside as %3 and its sound lines were kept.</source>
        <translation>Le fichier des dés %1 était endommagé (%2)&#xa0;: il a été copié à part sous le nom %3 et ses lignes saines ont été gardées.</translation>
    </message>
    <message>
        <source>The dice store %1 is damaged (%2) and %3.</source>
        <translation>Le fichier des dés %1 est endommagé (%2) et %3.</translation>
    </message>
    <message>
        <source>this system has no folder for application data</source>
        <translation>ce système n&apos;a pas de dossier pour les données d&apos;application</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 est un lien symbolique</translation>
    </message>
</context>
<context>
    <name>DiceVerdict</name>
    <message>
        <source>the first turn: there was no secret to draw them from</source>
        <translation>le premier tour&#xa0;: il n&apos;y avait aucun secret d&apos;où les tirer</translation>
    </message>
    <message>
        <source>the file they answered had no dice record</source>
        <translation>le fichier auquel l&apos;adversaire a répondu n&apos;avait aucun relevé de dés</translation>
    </message>
    <message>
        <source>their history no longer held their secret</source>
        <translation>son historique ne gardait plus son secret</translation>
    </message>
    <message>
        <source>they rolled freely for a reason this Korva does not know</source>
        <translation>l&apos;adversaire a lancé librement pour une raison que ce Korva ne connaît pas</translation>
    </message>
    <message>
        <source>no rolls were made</source>
        <translation>aucun jet n&apos;a été fait</translation>
    </message>
    <message numerus="yes">
        <source>all %n roll(s) verified</source>
        <translation>
            <numerusform>%n jet vérifié</numerusform>
            <numerusform>les %n jets vérifiés</numerusform>
        </translation>
    </message>
    <message>
        <source>the rolls do not match (%1)</source>
        <translation>les jets ne correspondent pas (%1)</translation>
    </message>
    <message>
        <source>roll %1 does not match</source>
        <translation>le jet %1 ne correspond pas</translation>
    </message>
    <message numerus="yes">
        <source>roll %1 is missing, %n roll(s) made</source>
        <translation>
            <numerusform>le jet %1 manque, %n jet fait</numerusform>
            <numerusform>le jet %1 manque, %n jets faits</numerusform>
        </translation>
    </message>
    <message>
        <source>the rolls were withheld: they committed to this turn&apos;s dice in %1 and did not reveal them</source>
        <translation>les jets ont été retenus&#xa0;: l&apos;adversaire s&apos;est engagé sur les dés de ce tour dans %1 et ne les a pas révélés</translation>
    </message>
    <message>
        <source>the rolls were withheld: they committed to this turn&apos;s dice in %1 and did not reveal them (their file says: %2)</source>
        <translation>les jets ont été retenus&#xa0;: l&apos;adversaire s&apos;est engagé sur les dés de ce tour dans %1 et ne les a pas révélés (son fichier dit&#xa0;: %2)</translation>
    </message>
    <message>
        <source>rolls not verifiable (%1)</source>
        <translation>jets non vérifiables (%1)</translation>
    </message>
    <message>
        <source>the file carries no dice record</source>
        <translation>le fichier ne porte aucun relevé de dés</translation>
    </message>
    <message>
        <source>the combats are not the rolls listed</source>
        <translation>les combats ne sont pas les jets listés</translation>
    </message>
    <message>
        <source>a combat no roll accounts for</source>
        <translation>un combat qu&apos;aucun jet n&apos;explique</translation>
    </message>
    <message>
        <source>they were rolled against another file than the one you sent</source>
        <translation>ils ont été lancés sur un autre fichier que celui que vous avez envoyé</translation>
    </message>
    <message>
        <source>the secret revealed is not the one their earlier file committed</source>
        <translation>le secret révélé n&apos;est pas celui sur lequel son fichier précédent s&apos;était engagé</translation>
    </message>
    <message>
        <source>they were drawn in another way than their earlier file promised</source>
        <translation>ils ont été tirés autrement que son fichier précédent ne le promettait</translation>
    </message>
    <message>
        <source>the file you sent answered no file of theirs</source>
        <translation>le fichier que vous avez envoyé ne répondait à aucun fichier adverse</translation>
    </message>
    <message>
        <source>the file of theirs that you answered is not in the history</source>
        <translation>le fichier adverse auquel vous avez répondu n&apos;est pas dans l&apos;historique</translation>
    </message>
    <message>
        <source>the file of theirs that you answered committed no secret</source>
        <translation>le fichier adverse auquel vous avez répondu ne s&apos;engageait sur aucun secret</translation>
    </message>
    <message>
        <source>the file names no game</source>
        <translation>le fichier ne nomme aucune partie</translation>
    </message>
    <message>
        <source>it is a file you saved yourself</source>
        <translation>c&apos;est un fichier que vous avez enregistré vous-même</translation>
    </message>
    <message>
        <source>the file you sent is not in the history</source>
        <translation>le fichier que vous avez envoyé n&apos;est pas dans l&apos;historique</translation>
    </message>
</context>
<context>
    <name>EditCommand</name>
    <message>
        <source>move of the stack from %1</source>
        <translation>mouvement de la pile depuis %1</translation>
    </message>
    <message>
        <source>turning over the stack in %1</source>
        <translation>rotation de la pile en %1</translation>
    </message>
    <message>
        <source>return of %1 to its start hex %2</source>
        <translation>retour de %1 à son hexagone de départ %2</translation>
    </message>
    <message>
        <source>move of %1 from %2</source>
        <translation>mouvement de %1 depuis %2</translation>
    </message>
    <message>
        <source>flip of %1 in %2</source>
        <translation>retournement de %1 en %2</translation>
    </message>
    <message>
        <source>tag of %1 in %2</source>
        <translation>marque de %1 en %2</translation>
    </message>
    <message>
        <source>roll %1 in %2: die %3 (a roll cannot be taken back)</source>
        <translation>jet %1 en %2&#xa0;: dé %3 (un jet ne peut pas être repris)</translation>
    </message>
</context>
<context>
    <name>EditsDock</name>
    <message>
        <source>The turn&apos;s edits</source>
        <translation>Modifications du tour</translation>
    </message>
    <message>
        <source>The turn as it began</source>
        <translation>Le tour à son début</translation>
    </message>
</context>
<context>
    <name>ExportFeature</name>
    <message>
        <source>the history holds nothing of this game</source>
        <translation>l&apos;historique ne contient rien de cette partie</translation>
    </message>
    <message>
        <source>a kept copy could not be shown: %1</source>
        <translation>une copie conservée n&apos;a pas pu être affichée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Drawing the picture…</source>
        <translation>Dessin de l&apos;image…</translation>
    </message>
    <message>
        <source>The history holds nothing of this game: open or save a file of it first.</source>
        <translation>L&apos;historique ne contient rien de cette partie&#xa0;: ouvrez ou enregistrez d&apos;abord un de ses fichiers.</translation>
    </message>
    <message>
        <source>Drawing the game&apos;s positions…</source>
        <translation>Dessin des positions de la partie…</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Stopped: nothing was written</source>
        <translation>Arrêté&#xa0;: rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Can not write %1
%2</source>
        <translation>Impossible d&apos;écrire %1
%2</translation>
    </message>
</context>
<context>
    <name>FaceChart</name>
    <message>
        <source>%1: %2 times</source>
        <translation>%1&#xa0;: %2 fois</translation>
    </message>
</context>
<context>
    <name>FilesFeature</name>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Recent Move Files</source>
        <translation>Fichiers de coup récents</translation>
    </message>
    <message>
        <source>The move file was saved, but the move report was not.
%1: %2</source>
        <translation>Le fichier de coup a été enregistré, mais pas le rapport de coup.
%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No game in this file: every counter stands in its placeholder hex (1 to 234). New game (%1) sets them out off board.</source>
        <translation>Aucune partie dans ce fichier&#xa0;: chaque pion est dans son hexagone d&apos;attente (1 à 234). Nouvelle partie (%1) les place hors carte.</translation>
    </message>
    <message>
        <source>You saved this file yourself: your opponent&apos;s answer is the file they send back.</source>
        <translation>Vous avez enregistré ce fichier vous-même&#xa0;: la réponse de votre adversaire est le fichier qu&apos;il vous renvoie.</translation>
    </message>
    <message>
        <source>You have already answered this file.</source>
        <translation>Vous avez déjà répondu à ce fichier.</translation>
    </message>
    <message>
        <source>You have already answered a later turn of this game than this file&apos;s (%1).</source>
        <translation>Vous avez déjà répondu à un tour de cette partie postérieur à celui de ce fichier (%1).</translation>
    </message>
    <message>
        <source>This file is of another game than the one you had open, whose unsaved changes are not kept.</source>
        <translation>Ce fichier est d&apos;une autre partie que celle qui était ouverte, dont les modifications non enregistrées ne sont pas conservées.</translation>
    </message>
    <message>
        <source>This file claims the id of another of your games, but its turn does not follow from any position of that game: it is kept apart, and nothing of that game changed. An answer to it starts a game of its own.</source>
        <translation>Ce fichier revendique l&apos;identifiant d&apos;une autre de vos parties, mais son tour ne découle d&apos;aucune position de cette partie&#xa0;: il est mis à part, et rien de cette partie n&apos;a changé. Y répondre commence une partie distincte.</translation>
    </message>
    <message>
        <source>No recent move files</source>
        <translation>Aucun fichier de coup récent</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Only a Korva move file (*.krv) can be dropped here.</source>
        <translation>Seul un fichier de coup Korva (*.krv) peut être déposé ici.</translation>
    </message>
    <message>
        <source>Drop one move file at a time.</source>
        <translation>Déposez un seul fichier de coup à la fois.</translation>
    </message>
    <message>
        <source>Korva opens move files on this computer only, not
%1</source>
        <translation>Korva n&apos;ouvre que les fichiers de coup de cet ordinateur, pas
%1</translation>
    </message>
    <message>
        <source>%1 is not a Korva move file (*.krv).</source>
        <translation>%1 n&apos;est pas un fichier de coup Korva (*.krv).</translation>
    </message>
    <message>
        <source>Could not create a new file</source>
        <translation>Impossible de créer un nouveau fichier</translation>
    </message>
    <message>
        <source>Can not open file
</source>
        <translation>Impossible d&apos;ouvrir le fichier
</translation>
    </message>
    <message numerus="yes">
        <source>%n roll(s) made earlier against this file came back as combat(s) of this turn: a roll once made stands.</source>
        <translation>
            <numerusform>%n jet fait plus tôt sur ce fichier est revenu comme combat de ce tour&#xa0;: un jet fait reste acquis.</numerusform>
            <numerusform>%n jets faits plus tôt sur ce fichier sont revenus comme combats de ce tour&#xa0;: un jet fait reste acquis.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindFeature</name>
    <message>
        <source>Find a unit (%1)</source>
        <translation>Chercher une unité (%1)</translation>
    </message>
    <message>
        <source>Find a unit by name: &quot;6 arm&quot; finds &quot;UK 6 Armor XX&quot; (%1; %2 next, %3 previous)</source>
        <translation>Chercher une unité par son nom&#xa0;: «&#xa0;6 arm&#xa0;» trouve «&#xa0;UK 6 Armor XX&#xa0;» (%1&#xa0;; %2 suivante, %3 précédente)</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Chercher une unité</translation>
    </message>
    <message>
        <source>Type a unit&apos;s name (%1)</source>
        <translation>Tapez le nom d&apos;une unité (%1)</translation>
    </message>
    <message>
        <source>No unit matches &quot;%1&quot;</source>
        <translation>Aucune unité ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 next, %2 previous</source>
        <translation>%1 suivante, %2 précédente</translation>
    </message>
    <message>
        <source>, on top of %1</source>
        <translation>, au sommet d&apos;une pile de %1</translation>
    </message>
    <message>
        <source>, %1 of %2 from the top</source>
        <translation>, %1e sur %2 depuis le haut</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Effacer la recherche</translation>
    </message>
</context>
<context>
    <name>FrameSink</name>
    <message>
        <source>the animation could not be encoded</source>
        <translation>l&apos;animation n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>it is there and is not a folder</source>
        <translation>il existe et n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>le dossier n&apos;est pas vide</translation>
    </message>
    <message>
        <source>the folder it would go in does not exist</source>
        <translation>le dossier qui le contiendrait n&apos;existe pas</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>there were no frames</source>
        <translation>il n&apos;y avait aucune image</translation>
    </message>
    <message>
        <source>the empty folder there cannot be replaced</source>
        <translation>le dossier vide à cet endroit ne peut pas être remplacé</translation>
    </message>
    <message>
        <source>the folder of frames cannot be given its name</source>
        <translation>le dossier des images ne peut pas recevoir son nom</translation>
    </message>
</context>
<context>
    <name>GameDice</name>
    <message>
        <source>no hex</source>
        <translation>aucun hexagone</translation>
    </message>
    <message>
        <source>Turn unknown</source>
        <translation>Tour inconnu</translation>
    </message>
    <message>
        <source>Turn %1 · %2</source>
        <translation>Tour %1 · %2</translation>
    </message>
    <message>
        <source>you</source>
        <translation>vous</translation>
    </message>
    <message>
        <source>opponent</source>
        <translation>adversaire</translation>
    </message>
    <message>
        <source>Your rolls</source>
        <translation>Vos jets</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (vous)</translation>
    </message>
    <message>
        <source>Your opponent&apos;s rolls</source>
        <translation>Jets de votre adversaire</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln roll(s)</source>
        <translation>
            <numerusform>%Ln jet</numerusform>
            <numerusform>%Ln jets</numerusform>
        </translation>
    </message>
    <message>
        <source>chi-square %1</source>
        <translation>khi-deux %1</translation>
    </message>
    <message>
        <source>No rolls of this game are in the history.</source>
        <translation>Aucun jet de cette partie n&apos;est dans l&apos;historique.</translation>
    </message>
    <message>
        <source>roll %1</source>
        <translation>jet %1</translation>
    </message>
    <message>
        <source>no roll</source>
        <translation>aucun jet</translation>
    </message>
    <message>
        <source>die %1</source>
        <translation>dé %1</translation>
    </message>
    <message>
        <source>Verified: %1</source>
        <translation>Vérifiés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Non vérifiés&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln roll(s) that the files list but no combat of theirs accounts for were left out.</source>
        <translation>
            <numerusform>%Ln jet que les fichiers listent mais qu&apos;aucun de leurs combats n&apos;explique a été écarté.</numerusform>
            <numerusform>%Ln jets que les fichiers listent mais qu&apos;aucun de leurs combats n&apos;explique ont été écartés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln further roll(s) were not read: the log reads at most %1.</source>
        <translation>
            <numerusform>%Ln jet de plus n&apos;a pas été lu&#xa0;: le journal en lit au plus %1.</numerusform>
            <numerusform>%Ln jets de plus n&apos;ont pas été lus&#xa0;: le journal en lit au plus %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rolls of %1</source>
        <translation>Jets de %1</translation>
    </message>
</context>
<context>
    <name>GameDiceDialog</name>
    <message>
        <source>The game&apos;s dice</source>
        <translation>Dés de la partie</translation>
    </message>
    <message>
        <source>Every roll of the game</source>
        <translation>Tous les jets de la partie</translation>
    </message>
    <message>
        <source>Reading the game&apos;s dice from its history…</source>
        <translation>Lecture des dés de la partie dans son historique…</translation>
    </message>
</context>
<context>
    <name>GameDiceModel</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>your roll</source>
        <translation>votre jet</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Jet</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dé</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>The game&apos;s history kept no copy of %1: it holds %2 of this game, as much as it keeps of one game, and keeps no more of the files opened in it.</source>
        <translation>L&apos;historique de la partie n&apos;a gardé aucune copie de %1&#xa0;: il contient %2 de cette partie, le maximum qu&apos;il garde d&apos;une partie, et ne garde plus les fichiers qui y sont ouverts.</translation>
    </message>
    <message>
        <source>The game&apos;s history kept no copy of %1: %2.</source>
        <translation>L&apos;historique de la partie n&apos;a gardé aucune copie de %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>this system has no folder for application data</source>
        <translation>ce système n&apos;a pas de dossier pour les données d&apos;application</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link</source>
        <translation>le dossier %1 est un lien symbolique</translation>
    </message>
    <message>
        <source>no free name was found</source>
        <translation>aucun nom libre n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>the copy was cut short, most likely by a full disk</source>
        <translation>la copie a été interrompue, très probablement par un disque plein</translation>
    </message>
</context>
<context>
    <name>GameList</name>
    <message>
        <source>Allies</source>
        <translation>Alliés</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>you: %1 · opponent: %2</source>
        <translation>vous&#xa0;: %1 · adversaire&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>Turn unknown</source>
        <translation>Tour inconnu</translation>
    </message>
    <message>
        <source>Turn %1 · %2 to move</source>
        <translation>Tour %1 · à jouer&#xa0;: %2</translation>
    </message>
    <message>
        <source>your opponent</source>
        <translation>votre adversaire</translation>
    </message>
    <message>
        <source>the Allies</source>
        <translation>les Alliés</translation>
    </message>
    <message>
        <source>the Axis</source>
        <translation>l&apos;Axe</translation>
    </message>
    <message>
        <source>new move from %1</source>
        <translation>nouveau coup de %1</translation>
    </message>
    <message>
        <source>your move</source>
        <translation>à vous de jouer</translation>
    </message>
    <message>
        <source>waiting for %1</source>
        <translation>en attente de %1</translation>
    </message>
    <message>
        <source>your side: not yet known</source>
        <translation>votre camp&#xa0;: pas encore connu</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>à l&apos;instant</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>il y a %n minute</numerusform>
            <numerusform>il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>il y a %n heure</numerusform>
            <numerusform>il y a %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>il y a %Ln jour</numerusform>
            <numerusform>il y a %Ln jours</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, saved %2</source>
        <translation>%1, enregistré %2</translation>
    </message>
    <message>
        <source>%1, opened %2</source>
        <translation>%1, ouvert %2</translation>
    </message>
    <message>
        <source>refused by the server: %1</source>
        <translation>refusé par le serveur : %1</translation>
    </message>
    <message>
        <source>not yet delivered</source>
        <translation>pas encore remis</translation>
    </message>
</context>
<context>
    <name>GameSetupDialog</name>
    <message>
        <source>Allies</source>
        <translation>Alliés</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Players and turn</source>
        <translation>Joueurs et tour</translation>
    </message>
    <message>
        <source>The name Save proposes for the game&apos;s files, such as salerno_t03_axis.krv</source>
        <translation>Le nom qu&apos;Enregistrer propose pour les fichiers de la partie, comme salerno_t03_axis.krv</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Moves first:</source>
        <translation>Joue en pre&amp;mier&#xa0;:</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non précisé</translation>
    </message>
    <message>
        <source>&amp;Allies player:</source>
        <translation>Joueur &amp;allié&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;xis player:</source>
        <translation>Joueur de l&apos;a&amp;xe&#xa0;:</translation>
    </message>
    <message>
        <source>The turn is known</source>
        <translation>Le tour est connu</translation>
    </message>
    <message>
        <source>T&amp;urn:</source>
        <translation>&amp;Tour&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To move:</source>
        <translation>Camp qui &amp;joue&#xa0;:</translation>
    </message>
    <message>
        <source>Turn unknown</source>
        <translation>Tour inconnu</translation>
    </message>
    <message>
        <source>Turn %1 · %2 to move</source>
        <translation>Tour %1 · à jouer&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>GamesDialog</name>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>No games yet: the games you open or save show here.</source>
        <translation>Aucune partie pour l&apos;instant&#xa0;: les parties que vous ouvrez ou enregistrez s&apos;affichent ici.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>The opponent&apos;s latest file when it is your move, your own while you wait</source>
        <translation>Le dernier fichier de l&apos;adversaire quand c&apos;est à vous de jouer, le vôtre pendant que vous attendez</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiver</translation>
    </message>
    <message>
        <source>A finished game leaves the list; nothing of it is deleted</source>
        <translation>Une partie terminée quitte la liste&#xa0;; rien n&apos;en est effacé</translation>
    </message>
    <message>
        <source>Show archived</source>
        <translation>Voir les archivées</translation>
    </message>
    <message>
        <source>Watch folders…</source>
        <translation>Dossiers surveillés…</translation>
    </message>
    <message>
        <source>The folders where move files arrive</source>
        <translation>Les dossiers où arrivent les fichiers de coup</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>GamesFeature</name>
    <message>
        <source>%1 is no longer where Korva saw it last. Open (%2) finds it where it is now.</source>
        <translation>%1 n&apos;est plus là où Korva l&apos;a vu la dernière fois. Ouvrir (%2) le trouve là où il est maintenant.</translation>
    </message>
    <message>
        <source>%1 — %2. Click here to open it, or press %3 for the games list.</source>
        <translation>%1 — %2. Cliquez ici pour l&apos;ouvrir, ou appuyez sur %3 pour la liste des parties.</translation>
    </message>
    <message>
        <source>New move</source>
        <translation>Nouveau coup</translation>
    </message>
    <message>
        <source>%1: %2, from %3</source>
        <translation>%1 : %2, de %3</translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>%1 (archived)</source>
        <translation>%1 (archivée)</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>vérification…</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Whose move</source>
        <translation>À qui de jouer</translation>
    </message>
    <message>
        <source>Last file</source>
        <translation>Dernier fichier</translation>
    </message>
    <message>
        <source>Their dice</source>
        <translation>Dés adverses</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>GoToTurnDialog</name>
    <message>
        <source>Go to turn</source>
        <translation>Aller au tour</translation>
    </message>
    <message>
        <source>The game as it stood when this move began, read-only:</source>
        <translation>La partie telle qu&apos;elle était au début de ce coup, en lecture seule&#xa0;:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Tour&#xa0;:</translation>
    </message>
</context>
<context>
    <name>HexAnnouncement</name>
    <message>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacé</translation>
    </message>
    <message>
        <source>yet to move</source>
        <translation>pas encore déplacé</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 and %n more, %3</source>
        <translation>
            <numerusform>%1, %2 et %n autre, %3</numerusform>
            <numerusform>%1, %2 et %n autres, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HexText</name>
    <message>
        <source>Off board</source>
        <translation>Hors carte</translation>
    </message>
</context>
<context>
    <name>KorvaApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue est survenue.</translation>
    </message>
</context>
<context>
    <name>KorvaExtension</name>
    <message>
        <source>its turn start has %1 bytes, not %2</source>
        <translation>son début de tour a %1 octets, pas %2</translation>
    </message>
    <message>
        <source>its turn start of counter %1 lies outside the map or the counter&apos;s steps</source>
        <translation>son début de tour du pion %1 est hors de la carte ou des pas du pion</translation>
    </message>
    <message>
        <source>its game id has %1 bytes, not 16</source>
        <translation>son identifiant de partie a %1 octets, pas 16</translation>
    </message>
    <message>
        <source>its game id is all zero</source>
        <translation>son identifiant de partie n&apos;est fait que de zéros</translation>
    </message>
    <message>
        <source>its note is longer than 64 KB</source>
        <translation>sa note dépasse 64 Ko</translation>
    </message>
    <message>
        <source>its note is not UTF-8 text</source>
        <translation>sa note n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>its turn names side %1, not 0 or 1</source>
        <translation>son tour nomme le camp %1, pas 0 ou 1</translation>
    </message>
    <message>
        <source>its turn has %1 bytes, not 12</source>
        <translation>son tour a %1 octets, pas 12</translation>
    </message>
    <message>
        <source>its turn number %1 is not 1 to 9999</source>
        <translation>son numéro de tour %1 n&apos;est pas entre 1 et 9999</translation>
    </message>
    <message>
        <source>a name is not a plain line of at most 40 characters</source>
        <translation>un nom n&apos;est pas une simple ligne d&apos;au plus 40 caractères</translation>
    </message>
    <message>
        <source>its writer&apos;s version has %1 bytes, not 12</source>
        <translation>la version du programme qui l&apos;a écrit a %1 octets, pas 12</translation>
    </message>
    <message>
        <source>its players&apos; names end early</source>
        <translation>les noms de ses joueurs se terminent trop tôt</translation>
    </message>
    <message>
        <source>a player&apos;s name runs past its record</source>
        <translation>un nom de joueur dépasse son enregistrement</translation>
    </message>
    <message>
        <source>its players&apos; record is longer than the two names</source>
        <translation>son enregistrement des joueurs est plus long que les deux noms</translation>
    </message>
    <message>
        <source>it ends inside a record&apos;s type and length</source>
        <translation>il se termine au milieu du type et de la longueur d&apos;un enregistrement</translation>
    </message>
    <message>
        <source>a record of type %1 runs past its end</source>
        <translation>un enregistrement de type %1 dépasse sa fin</translation>
    </message>
    <message>
        <source>it holds a record of type %1 twice</source>
        <translation>il contient deux fois un enregistrement de type %1</translation>
    </message>
    <message>
        <source>it holds two dice commitments</source>
        <translation>il contient deux engagements de dés</translation>
    </message>
    <message>
        <source>its dice commitment has %1 bytes, not 32</source>
        <translation>son engagement de dés a %1 octets, pas 32</translation>
    </message>
    <message>
        <source>it ends inside its header</source>
        <translation>il se termine au milieu de son en-tête</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>il dépasse 1 Mo</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>il se termine trop tôt</translation>
    </message>
    <message>
        <source>it has version %1, which this Korva cannot read</source>
        <translation>il est en version %1, que ce Korva ne sait pas lire</translation>
    </message>
    <message>
        <source>the turn start holds %1 counters, not %2</source>
        <translation>le début de tour contient %1 pions, pas %2</translation>
    </message>
    <message>
        <source>the note is longer than 64 KB</source>
        <translation>la note dépasse 64 Ko</translation>
    </message>
    <message>
        <source>the turn number %1 is not 1 to 9999</source>
        <translation>le numéro de tour %1 n&apos;est pas entre 1 et 9999</translation>
    </message>
    <message>
        <source>a player&apos;s name is not a plain line of at most 40 characters</source>
        <translation>un nom de joueur n&apos;est pas une simple ligne d&apos;au plus 40 caractères</translation>
    </message>
    <message>
        <source>the dice commitment is not 32 bytes</source>
        <translation>l&apos;engagement de dés ne fait pas 32 octets</translation>
    </message>
    <message>
        <source>Korva&apos;s own data would not read back: %1</source>
        <translation>Les données propres de Korva ne se relisent pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>Korva&apos;s own data in this file was ignored: %1; the position, combats and banners are read as usual.</source>
        <translation>Les données propres de Korva dans ce fichier ont été ignorées&#xa0;: %1&#xa0;; la position, les combats et les bannières sont lus comme d&apos;habitude.</translation>
    </message>
    <message>
        <source>This file holds data of a later Korva: some of its data is not shown.</source>
        <translation>Ce fichier contient des données d&apos;un Korva plus récent&#xa0;: une partie de ses données n&apos;est pas affichée.</translation>
    </message>
    <message>
        <source>This file was made by Korva %1, newer than this one: some of its data is not shown.</source>
        <translation>Ce fichier a été fait par Korva %1, plus récent que celui-ci&#xa0;: une partie de ses données n&apos;est pas affichée.</translation>
    </message>
    <message>
        <source>This file was made by Korva %1 and holds data this one does not know: some of its data is not shown.</source>
        <translation>Ce fichier a été fait par Korva %1 et contient des données que celui-ci ne connaît pas&#xa0;: une partie de ses données n&apos;est pas affichée.</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Comme le système (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Korva speaks the language chosen from its next start.</source>
        <translation>Korva parle la langue choisie dès son prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>MapArt</name>
    <message>
        <source>OFF BOARD</source>
        <translation>HORS CARTE</translation>
    </message>
    <message>
        <source>Holding area</source>
        <translation>Zone d&apos;attente</translation>
    </message>
</context>
<context>
    <name>MapFeature</name>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Arrow keys move the hex cursor; Enter picks up and drops the top counter; Esc cancels</source>
        <translation>Les flèches déplacent le curseur d&apos;hexagone&#xa0;; Enter prend et pose le pion du dessus&#xa0;; Esc annule</translation>
    </message>
    <message>
        <source>Zoom: pick a step or type a percentage (25 to 400)</source>
        <translation>Zoom&#xa0;: choisissez un palier ou tapez un pourcentage (25 à 400)</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>MoveFileReader</name>
    <message>
        <source>counter %1 starts in hex %2, outside the map</source>
        <translation>le pion %1 part de l&apos;hexagone %2, hors de la carte</translation>
    </message>
    <message>
        <source>counter %1 stands in hex %2, outside the map</source>
        <translation>le pion %1 est dans l&apos;hexagone %2, hors de la carte</translation>
    </message>
    <message>
        <source>counter %1 has %2 losses, outside 0 to %3</source>
        <translation>le pion %1 a %2 pertes, hors de 0 à %3</translation>
    </message>
    <message>
        <source>counter %1 has the marker %2, outside 0 to 2</source>
        <translation>le pion %1 a le marqueur %2, hors de 0 à 2</translation>
    </message>
    <message>
        <source>this is not a move file (wrong counters section mark)</source>
        <translation>ce n&apos;est pas un fichier de coup (mauvaise marque de section des pions)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder, not a move file</source>
        <translation>c&apos;est un dossier, pas un fichier de coup</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>le fichier ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, over the size limit of %2 bytes for a move file</source>
        <translation>le fichier fait %1 octets, au-delà de la limite de %2 octets pour un fichier de coup</translation>
    </message>
    <message>
        <source>the file grew over the size limit of %1 bytes for a move file while it was read</source>
        <translation>le fichier a dépassé la limite de %1 octets pour un fichier de coup pendant sa lecture</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Note to the opponent</source>
        <translation>Note à l&apos;adversaire</translation>
    </message>
    <message>
        <source>Sent with the next save:</source>
        <translation>Envoyée au prochain enregistrement&#xa0;:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 sur %2 octets</translation>
    </message>
    <message>
        <source>Too long: %1 of %2 bytes</source>
        <translation>Trop long&#xa0;: %1 sur %2 octets</translation>
    </message>
</context>
<context>
    <name>OrderOfBattleDock</name>
    <message>
        <source>Order of battle</source>
        <translation>Ordre de bataille</translation>
    </message>
    <message>
        <source>Filter: side, name, hex</source>
        <translation>Filtre&#xa0;: camp, nom, hexagone</translation>
    </message>
    <message>
        <source>Filter the order of battle</source>
        <translation>Filtrer l&apos;ordre de bataille</translation>
    </message>
</context>
<context>
    <name>OrderOfBattleModel</name>
    <message>
        <source>Allies</source>
        <translation>Alliés</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Camp</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Pertes</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marqueur</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Déplacé</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Déplacé</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Pas encore déplacé</translation>
    </message>
</context>
<context>
    <name>OutputPathField</name>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exporter vers</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>PageDialog</name>
    <message>
        <source>Export turn as web page</source>
        <translation>Exporter le tour en page web</translation>
    </message>
    <message>
        <source>One page with the map around the turn&apos;s moves, the changes, the combats with their rolls, and the note.</source>
        <translation>Une page avec la carte autour des mouvements du tour, les changements, les combats avec leurs jets, et la note.</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Pages web (*.html)</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Export picture</source>
        <translation>Exporter une image</translation>
    </message>
    <message>
        <source>The whole map</source>
        <translation>Toute la carte</translation>
    </message>
    <message>
        <source>The part in view</source>
        <translation>La partie visible</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Carte&#xa0;:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom&#xa0;:</translation>
    </message>
    <message>
        <source>With the turn&apos;s moves</source>
        <translation>Avec les mouvements du tour</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixels</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>la mémoire ne suffit pas pour l&apos;image</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
</context>
<context>
    <name>PictureModules</name>
    <message>
        <source>%1; %2 is used instead</source>
        <translation>%1&#xa0;; %2 est utilisé à la place</translation>
    </message>
    <message>
        <source>%1 could not be opened; using other pictures.</source>
        <translation>%1 n&apos;a pas pu être ouvert&#xa0;; d&apos;autres images sont utilisées.</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2); using other pictures.</source>
        <translation>%1 n&apos;a pas pu être ouvert (%2)&#xa0;; d&apos;autres images sont utilisées.</translation>
    </message>
</context>
<context>
    <name>PlayByServerDialog</name>
    <message>
        <source>Play by server</source>
        <translation>Jouer par serveur</translation>
    </message>
    <message>
        <source>https://club.example.org:8080</source>
        <translation>https://club.example.org:8080</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>S&apos;inscrire</translation>
    </message>
    <message>
        <source>Use this token</source>
        <translation>Utiliser ce jeton</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Votre nom :</translation>
    </message>
    <message>
        <source>Or your token:</source>
        <translation>Ou votre jeton :</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Make the open game a server game</source>
        <translation>Faire de la partie ouverte une partie sur serveur</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Rejoindre</translation>
    </message>
    <message>
        <source>Or an invite code:</source>
        <translation>Ou un code d&apos;invitation :</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Serveur :</translation>
    </message>
    <message>
        <source>Give the address of the Korva server your club or tournament hosts.</source>
        <translation>Indiquez l&apos;adresse du serveur Korva de votre club ou tournoi.</translation>
    </message>
    <message>
        <source>You have a token for this server.</source>
        <translation>Vous avez un jeton pour ce serveur.</translation>
    </message>
    <message>
        <source>Register a name on this server, or give the token you were given when you registered from another computer.</source>
        <translation>Inscrivez un nom sur ce serveur, ou donnez le jeton reçu lors de votre inscription depuis un autre ordinateur.</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Interrogation du serveur…</translation>
    </message>
    <message>
        <source>Give the name you play under.</source>
        <translation>Indiquez le nom sous lequel vous jouez.</translation>
    </message>
    <message>
        <source>Not registered: %1</source>
        <translation>Non inscrit : %1</translation>
    </message>
    <message>
        <source>Registered, but the token could not be kept (%1). Keep it yourself, it is shown only here: %2</source>
        <translation>Inscrit, mais le jeton n&apos;a pas pu être conservé (%1). Conservez-le vous-même, il n&apos;est montré qu&apos;ici : %2</translation>
    </message>
    <message>
        <source>Registered as %1. To play from another computer you need this token; it is shown only here: %2</source>
        <translation>Inscrit sous le nom %1. Pour jouer depuis un autre ordinateur, il vous faut ce jeton ; il n&apos;est montré qu&apos;ici : %2</translation>
    </message>
    <message>
        <source>Give the token the server gave you.</source>
        <translation>Donnez le jeton que le serveur vous a donné.</translation>
    </message>
    <message>
        <source>The token was not taken: %1</source>
        <translation>Le jeton n&apos;a pas été accepté : %1</translation>
    </message>
    <message>
        <source>The token is kept: your games on this server show in the games list.</source>
        <translation>Le jeton est conservé : vos parties sur ce serveur apparaissent dans la liste des parties.</translation>
    </message>
    <message>
        <source>The game was not made: %1</source>
        <translation>La partie n&apos;a pas été créée : %1</translation>
    </message>
    <message>
        <source>The game was made (invite code %1), but Korva could not keep it as a server game: %2</source>
        <translation>La partie a été créée (code d&apos;invitation %1), mais Korva n&apos;a pas pu la conserver comme partie sur serveur : %2</translation>
    </message>
    <message>
        <source>Game %1 made; you play %2. Give your opponent this invite code: %3</source>
        <translation>Partie %1 créée ; vous jouez %2. Donnez à votre adversaire ce code d&apos;invitation : %3</translation>
    </message>
    <message>
        <source>Give the invite code your opponent sent you.</source>
        <translation>Donnez le code d&apos;invitation que votre adversaire vous a envoyé.</translation>
    </message>
    <message>
        <source>The game was not joined: %1</source>
        <translation>La partie n&apos;a pas été rejointe : %1</translation>
    </message>
    <message>
        <source>Joined, but Korva could not keep the game as a server game: %1</source>
        <translation>Partie rejointe, mais Korva n&apos;a pas pu la conserver comme partie sur serveur : %1</translation>
    </message>
    <message>
        <source>Joined %1 against %2; you play %3.</source>
        <translation>Partie %1 rejointe contre %2 ; vous jouez %3.</translation>
    </message>
</context>
<context>
    <name>PlayFeature</name>
    <message>
        <source>opponent&apos;s roll</source>
        <translation>jet de l&apos;adversaire</translation>
    </message>
    <message>
        <source>your roll</source>
        <translation>votre jet</translation>
    </message>
    <message>
        <source>opponent&apos;s %1</source>
        <translation>%1 de l&apos;adversaire</translation>
    </message>
    <message>
        <source>your %1</source>
        <translation>votre %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Esc ends the list</source>
        <translation>Esc termine la liste</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hexagone</translation>
    </message>
    <message>
        <source>Moved or not</source>
        <translation>Déplacé ou non</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Pion</translation>
    </message>
    <message>
        <source>A die roll cannot be taken back; undo stops here</source>
        <translation>Un jet de dé ne peut pas être repris&#xa0;; l&apos;annulation s&apos;arrête ici</translation>
    </message>
    <message>
        <source>A die roll cannot be taken back (%1)</source>
        <translation>Un jet de dé ne peut pas être repris (%1)</translation>
    </message>
    <message>
        <source>Undo: %1 (%2)</source>
        <translation>Annuler&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Redo: %1 (%2)</source>
        <translation>Rétablir&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Redo (%1)</source>
        <translation>Rétablir (%1)</translation>
    </message>
    <message>
        <source>Undo last move (%1)</source>
        <translation>Annuler le dernier mouvement (%1)</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Déplacé</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Pas encore déplacé</translation>
    </message>
    <message>
        <source>%1 ; Partial Step/Loss = %2</source>
        <translation>%1&#xa0;; Pas partiel/Pertes = %2</translation>
    </message>
    <message>
        <source>Korva is not connected to this game&apos;s server</source>
        <translation>Korva n&apos;est pas connecté au serveur de cette partie</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>This turn has changes that are not saved.
Save them first?</source>
        <translation>Ce tour a des modifications non enregistrées.
Les enregistrer d&apos;abord&#xa0;?</translation>
    </message>
    <message>
        <source>End of turn?</source>
        <translation>Fin de tour&#xa0;?</translation>
    </message>
    <message>
        <source>Korva : Save Move</source>
        <translation>Korva&#xa0;: Enregistrer le coup</translation>
    </message>
    <message>
        <source>Korva : Open Move</source>
        <translation>Korva&#xa0;: Ouvrir un coup</translation>
    </message>
    <message>
        <source>%1 already exists.
Replace it?</source>
        <translation>%1 existe déjà.
Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>You saved this file yourself, and it shows no move of its turn: most likely you ended your turn in it, and the move is your opponent&apos;s.
Ending the turn again hands the move back to you, and your opponent&apos;s answer to this file will no longer fit the game.</source>
        <translation>Vous avez enregistré ce fichier vous-même, et il ne montre aucun mouvement de son tour&#xa0;: vous y avez très probablement fini votre tour, et la main est à votre adversaire.
Finir le tour une nouvelle fois vous rend la main, et la réponse de votre adversaire à ce fichier ne correspondra plus à la partie.</translation>
    </message>
    <message>
        <source>End the turn again</source>
        <translation>Finir le tour à nouveau</translation>
    </message>
    <message>
        <source>Save, the move stays theirs</source>
        <translation>Enregistrer, la main reste à l&apos;adversaire</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ReplayStep</name>
    <message>
        <source>Combat, die %1</source>
        <translation>Combat, dé %1</translation>
    </message>
</context>
<context>
    <name>RollsVerdict</name>
    <message>
        <source>its dice were rolled on a player&apos;s computer</source>
        <translation>ses dés ont été lancés sur l&apos;ordinateur d&apos;un joueur</translation>
    </message>
    <message>
        <source>its rolls were witnessed by a Korva server, but this is not a game you play through a server, so no key of its server is at hand</source>
        <translation>ses jets ont été attestés par un serveur Korva, mais vous ne jouez pas cette partie par un serveur, donc aucune clé de son serveur n&apos;est disponible</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 is not writable</source>
        <translation>%1 n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>writing failed part-way</source>
        <translation>l&apos;écriture a échoué en cours de route</translation>
    </message>
    <message>
        <source>the save was abandoned</source>
        <translation>l&apos;enregistrement a été abandonné</translation>
    </message>
    <message>
        <source>the file could not be synced to the disk: %1</source>
        <translation>le fichier n&apos;a pas pu être synchronisé sur le disque&#xa0;: %1</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>le fichier n&apos;a pas pu être remplacé</translation>
    </message>
    <message>
        <source>the file could not be replaced: %1</source>
        <translation>le fichier n&apos;a pas pu être remplacé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the folder could not be synced to the disk: %1</source>
        <translation>le dossier n&apos;a pas pu être synchronisé sur le disque&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ServerClient</name>
    <message>
        <source>no Korva server answers at %1</source>
        <translation>aucun serveur Korva ne répond à %1</translation>
    </message>
    <message>
        <source>no computer named %1 was found</source>
        <translation>aucun ordinateur nommé %1 n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>the server at %1 did not answer within %2 seconds</source>
        <translation>le serveur à %1 n&apos;a pas répondu en %2 secondes</translation>
    </message>
    <message>
        <source>the server at %1 could not prove who it is: %2</source>
        <translation>le serveur à %1 n&apos;a pas pu prouver qui il est : %2</translation>
    </message>
    <message>
        <source>the server at %1 could not be reached: %2</source>
        <translation>le serveur à %1 est injoignable : %2</translation>
    </message>
    <message>
        <source>a server&apos;s address is http://HOST:PORT or https://HOST:PORT</source>
        <translation>l&apos;adresse d&apos;un serveur est http://HOST:PORT ou https://HOST:PORT</translation>
    </message>
    <message>
        <source>the server&apos;s answer is too large</source>
        <translation>la réponse du serveur est trop grande</translation>
    </message>
    <message>
        <source>the server refused (HTTP %1)</source>
        <translation>le serveur a refusé (HTTP %1)</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not one Korva can read</source>
        <translation>Korva ne sait pas lire la réponse du serveur</translation>
    </message>
    <message>
        <source>one this computer trusts</source>
        <translation>un certificat auquel cet ordinateur fait confiance</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>empreinte %1</translation>
    </message>
    <message>
        <source>the certificate of the server at %1 is not the one it had when you first used it (%2; now fingerprint %3): someone may stand between you and the server, or its host replaced the certificate. Ask them; if they did, remove %4 to accept the new one</source>
        <translation>le certificat du serveur à %1 n’est pas celui qu’il avait lors de votre première connexion (%2 ; maintenant empreinte %3) : quelqu’un se trouve peut-être entre vous et le serveur, ou son hébergeur a remplacé le certificat. Demandez-lui ; si c’est le cas, supprimez %4 pour accepter le nouveau</translation>
    </message>
    <message>
        <source>the server at %1 showed no certificate</source>
        <translation>le serveur à %1 n’a présenté aucun certificat</translation>
    </message>
    <message>
        <source>plain HTTP only to this computer; use https://</source>
        <translation>HTTP simple uniquement vers cet ordinateur ; utilisez https://</translation>
    </message>
</context>
<context>
    <name>ServerDice</name>
    <message>
        <source>this is not the server game the die was asked for</source>
        <translation>ce n&apos;est pas la partie sur serveur pour laquelle le dé a été demandé</translation>
    </message>
    <message>
        <source>the record is not signed by the server&apos;s key pinned for this game</source>
        <translation>le relevé n&apos;est pas signé par la clé du serveur épinglée pour cette partie</translation>
    </message>
    <message>
        <source>the record is not of the roll that was asked</source>
        <translation>le relevé n&apos;est pas celui du jet demandé</translation>
    </message>
    <message>
        <source>the roll asked is not the next one of this move</source>
        <translation>le jet demandé n&apos;est pas le suivant de ce coup</translation>
    </message>
    <message>
        <source>the record does not follow the move&apos;s roll before it</source>
        <translation>le relevé ne suit pas le jet précédent du coup</translation>
    </message>
    <message>
        <source>the server&apos;s record is damaged: %1</source>
        <translation>le relevé du serveur est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The dice ledger could not keep the comment of roll %1: %2</source>
        <translation>Le registre des dés n&apos;a pas pu garder le commentaire du jet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The comment of roll %1 was lost with the crash; the server&apos;s record of it will not match its combat.</source>
        <translation>Le commentaire du jet %1 a été perdu lors du plantage&#xa0;; le relevé du serveur ne correspondra pas à son combat.</translation>
    </message>
</context>
<context>
    <name>ServerFeature</name>
    <message>
        <source>you have no token for this game&apos;s server</source>
        <translation>vous n&apos;avez pas de jeton pour le serveur de cette partie</translation>
    </message>
    <message>
        <source>The server&apos;s record of the dice does not match this file.</source>
        <translation>L&apos;enregistrement des dés sur le serveur ne correspond pas à ce fichier.</translation>
    </message>
    <message>
        <source>The server&apos;s record of the dice could not be asked for: %1</source>
        <translation>L&apos;enregistrement des dés n&apos;a pas pu être demandé au serveur : %1</translation>
    </message>
    <message>
        <source>The move was saved, but it will not be sent to the server: %1</source>
        <translation>Le coup a été enregistré, mais il ne sera pas envoyé au serveur : %1</translation>
    </message>
    <message>
        <source>The server refused move %1: %2</source>
        <translation>Le serveur a refusé le coup %1 : %2</translation>
    </message>
    <message>
        <source>Save the game first: the server game is made from its saved move file.</source>
        <translation>Enregistrez d&apos;abord la partie : la partie sur serveur est créée à partir de son fichier de coup enregistré.</translation>
    </message>
    <message>
        <source>Save your changes first: the server game is made from the saved move file.</source>
        <translation>Enregistrez d&apos;abord vos modifications : la partie sur serveur est créée à partir du fichier de coup enregistré.</translation>
    </message>
    <message>
        <source>A move could not be fetched from the server: %1</source>
        <translation>Un coup n&apos;a pas pu être récupéré sur le serveur : %1</translation>
    </message>
    <message>
        <source>New move</source>
        <translation>Nouveau coup</translation>
    </message>
    <message>
        <source>Move %1 of a game played through a server</source>
        <translation>Coup %1 d&apos;une partie jouée par serveur</translation>
    </message>
</context>
<context>
    <name>ServerGames</name>
    <message>
        <source>The list of your server games %1 was not read: %2</source>
        <translation>La liste de vos parties sur serveur %1 n&apos;a pas été lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is larger than any such list</source>
        <translation>elle est plus grande que toute liste de ce genre</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>elle est endommagée</translation>
    </message>
    <message>
        <source>%1 entries of the list of your server games %2 were damaged and left out</source>
        <translation>%1 entrées de la liste de vos parties sur serveur %2 étaient endommagées et ont été omises</translation>
    </message>
    <message>
        <source>the server&apos;s address or key is not one a game can be played on</source>
        <translation>l&apos;adresse ou la clé du serveur ne permet pas d&apos;y jouer une partie</translation>
    </message>
    <message>
        <source>this game is played on %1 already, with another side or server key</source>
        <translation>cette partie se joue déjà sur %1, avec un autre camp ou une autre clé de serveur</translation>
    </message>
    <message>
        <source>the folder of %1 could not be made</source>
        <translation>le dossier de %1 n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>ServerLogCheck</name>
    <message>
        <source>you have no token for this game&apos;s server</source>
        <translation>vous n&apos;avez pas de jeton pour le serveur de cette partie</translation>
    </message>
    <message>
        <source>the server&apos;s log holds a damaged record</source>
        <translation>le journal du serveur contient un enregistrement endommagé</translation>
    </message>
</context>
<context>
    <name>ServerRoller</name>
    <message>
        <source>this game&apos;s move is not known, so no die can be asked</source>
        <translation>le coup de cette partie n&apos;est pas connu, aucun dé ne peut donc être demandé</translation>
    </message>
</context>
<context>
    <name>ServerWatch</name>
    <message>
        <source>the server did not say ready</source>
        <translation>le serveur ne s’est pas déclaré prêt</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>le serveur a cessé de répondre</translation>
    </message>
    <message>
        <source>the server refused the token</source>
        <translation>le serveur a refusé le jeton</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>la connexion a été fermée</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The past is read-only.</source>
        <translation>Le passé est en lecture seule.</translation>
    </message>
</context>
<context>
    <name>StackViewer</name>
    <message>
        <source>Steps/Losses %1</source>
        <translation>Pas/Pertes %1</translation>
    </message>
    <message>
        <source>no marker</source>
        <translation>aucun marqueur</translation>
    </message>
    <message>
        <source>marker %1</source>
        <translation>marqueur %1</translation>
    </message>
    <message>
        <source>Stack viewer</source>
        <translation>Visionneuse de pile</translation>
    </message>
    <message>
        <source>Opponent&apos;s roll</source>
        <translation>Jet de l&apos;adversaire</translation>
    </message>
    <message>
        <source>Your roll</source>
        <translation>Votre jet</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Déplacé</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Pas encore déplacé</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more combat(s) here</source>
        <translation>
            <numerusform>et %Ln autre combat ici</numerusform>
            <numerusform>et %Ln autres combats ici</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Korva</source>
        <translation>Korva</translation>
    </message>
    <message>
        <source>Start a new game, or open the move file your opponent sent.</source>
        <translation>Commencez une nouvelle partie, ou ouvrez le fichier de coup envoyé par votre adversaire.</translation>
    </message>
    <message>
        <source>Move files used last:</source>
        <translation>Derniers fichiers de coup utilisés&#xa0;:</translation>
    </message>
    <message>
        <source>Your games:</source>
        <translation>Vos parties&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TCombat</name>
    <message>
        <source>Combat comment</source>
        <translation>Commentaire du combat</translation>
    </message>
    <message>
        <source>Rolls the die</source>
        <translation>Lance le dé</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Korva Die Roll</source>
        <translation>Jet de dé Korva</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Dé</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Enter first part of comments before rolling a die.</source>
        <translation>Saisissez le début du commentaire avant de lancer le dé.</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commentaires&#xa0;:</translation>
    </message>
    <message>
        <source>Man, you really really need to use the comments.</source>
        <translation>Franchement, il faut vraiment, vraiment utiliser les commentaires.</translation>
    </message>
    <message>
        <source>Asking the server for the die…</source>
        <translation>Le dé est demandé au serveur…</translation>
    </message>
    <message>
        <source>The server gave no die: %1</source>
        <translation>Le serveur n&apos;a donné aucun dé : %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>pas de réponse</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>First banner line</source>
        <translation>Première ligne de bannière</translation>
    </message>
    <message>
        <source>Second banner line</source>
        <translation>Deuxième ligne de bannière</translation>
    </message>
    <message>
        <source>Third banner line</source>
        <translation>Troisième ligne de bannière</translation>
    </message>
    <message>
        <source>Map view</source>
        <translation>Vue de la carte</translation>
    </message>
    <message>
        <source>Korva</source>
        <translation>Korva</translation>
    </message>
    <message>
        <source> — read-only</source>
        <translation> — lecture seule</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>Some pictures could not be read; others are shown in their place.
</source>
        <translation>Certaines images n&apos;ont pas pu être lues&#xa0;; d&apos;autres sont affichées à leur place.
</translation>
    </message>
    <message>
        <source>No die-roll trace was written: %1.</source>
        <translation>Aucune trace des jets de dé n&apos;a été écrite&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Annuler le dernier mouvement</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Tout déplacer</translation>
    </message>
    <message>
        <source>First banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (42 characters)</source>
        <translation>Première ligne de bannière&#xa0;: texte libre qui part avec chaque fichier de coup et qu&apos;Ouvrir remplace par celui de l&apos;adversaire (42 caractères)</translation>
    </message>
    <message>
        <source>Second banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (42 characters)</source>
        <translation>Deuxième ligne de bannière&#xa0;: texte libre qui part avec chaque fichier de coup et qu&apos;Ouvrir remplace par celui de l&apos;adversaire (42 caractères)</translation>
    </message>
    <message>
        <source>Hide Combat Tags</source>
        <translation>Masquer les marques de combat</translation>
    </message>
    <message>
        <source>Third banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (110 characters)</source>
        <translation>Troisième ligne de bannière&#xa0;: texte libre qui part avec chaque fichier de coup et qu&apos;Ouvrir remplace par celui de l&apos;adversaire (110 caractères)</translation>
    </message>
    <message>
        <source>Korva : new game</source>
        <translation>Korva&#xa0;: nouvelle partie</translation>
    </message>
    <message>
        <source>%1 tool bar</source>
        <translation>Barre d&apos;outils %1</translation>
    </message>
    <message>
        <source>More of the %1 tool bar</source>
        <translation>Suite de la barre d&apos;outils %1</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
</context>
<context>
    <name>TShowCombatDlg</name>
    <message>
        <source>Korva : Roll Tide</source>
        <translation>Korva&#xa0;: Les dés sont jetés</translation>
    </message>
    <message>
        <source>Bone:</source>
        <translation>Dé&#xa0;:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TSplash</name>
    <message>
        <source>Splash</source>
        <translation>Démarrage</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>the mark of the combat section</source>
        <translation>la marque de la section des combats</translation>
    </message>
    <message>
        <source>the combat section is missing (wrong section mark %1)</source>
        <translation>la section des combats manque (mauvaise marque de section %1)</translation>
    </message>
    <message>
        <source>the combat count of the combat section</source>
        <translation>le nombre de combats de la section des combats</translation>
    </message>
    <message>
        <source>the combat count is negative (%1)</source>
        <translation>le nombre de combats est négatif (%1)</translation>
    </message>
    <message>
        <source>the combat count %1 is more than the file holds</source>
        <translation>le nombre de combats %1 dépasse ce que contient le fichier</translation>
    </message>
    <message>
        <source>combat %1 in the combat section</source>
        <translation>combat %1 de la section des combats</translation>
    </message>
    <message>
        <source>combat %1 has the die value %2, outside 1 to 6</source>
        <translation>le combat %1 a la valeur de dé %2, hors de 1 à 6</translation>
    </message>
    <message>
        <source>a combat comment is longer than %1 characters</source>
        <translation>un commentaire de combat dépasse %1 caractères</translation>
    </message>
</context>
<context>
    <name>Tagger</name>
    <message>
        <source>the record word of %1</source>
        <translation>le mot d&apos;enregistrement du %1</translation>
    </message>
    <message>
        <source>the x position of %1</source>
        <translation>la position x du %1</translation>
    </message>
    <message>
        <source>the y position of %1</source>
        <translation>la position y du %1</translation>
    </message>
    <message>
        <source>the die value of %1</source>
        <translation>la valeur de dé du %1</translation>
    </message>
    <message>
        <source>the comment of %1</source>
        <translation>le commentaire du %1</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Korva</source>
        <translation>Korva</translation>
    </message>
    <message>
        <source>Board game (c) its publisher</source>
        <translation>Jeu de plateau (c) son éditeur</translation>
    </message>
    <message>
        <source>Program by                    : </source>
        <translation>Programme             &#xa0;: </translation>
    </message>
    <message>
        <source>The Korva developers</source>
        <translation>Les développeurs de Korva</translation>
    </message>
    <message>
        <source>Map and counters by       : </source>
        <translation>Carte et pions      &#xa0;: </translation>
    </message>
    <message>
        <source>12DEC99</source>
        <translation>12DEC99</translation>
    </message>
    <message>
        <source>https://korva.example.org</source>
        <translation>https://korva.example.org</translation>
    </message>
    <message>
        <source>This program is intended as a PBeM aid for owners of the </source>
        <translation>Ce programme est une aide au PBeM destinée aux possesseurs du </translation>
    </message>
    <message>
        <source>publisher&apos;s board game, and is not to be sold or traded.</source>
        <translation>jeu de plateau de l&apos;éditeur&#xa0;; il ne doit être ni vendu ni échangé.</translation>
    </message>
</context>
<context>
    <name>TokenStore</name>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n&apos;a pas pu être écrit : %2</translation>
    </message>
</context>
<context>
    <name>TurnDice</name>
    <message>
        <source>the file claims the id of another of your games</source>
        <translation>le fichier revendique l&apos;identifiant d&apos;une autre de vos parties</translation>
    </message>
    <message>
        <source>no history is kept</source>
        <translation>aucun historique n&apos;est gardé</translation>
    </message>
    <message>
        <source>it is a file you saved yourself</source>
        <translation>c&apos;est un fichier que vous avez enregistré vous-même</translation>
    </message>
    <message>
        <source>The dice ledger could not keep roll %1: %2</source>
        <translation>Le registre des dés n&apos;a pas pu garder le jet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The dice ledger could not keep the comment of roll %1: %2</source>
        <translation>Le registre des dés n&apos;a pas pu garder le commentaire du jet %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The next turn&apos;s dice secret could not be kept, so its dice will roll freely: %1</source>
        <translation>Le secret des dés du prochain tour n&apos;a pas pu être gardé, ses dés seront donc lancés librement&#xa0;: %1</translation>
    </message>
    <message>
        <source>roll %1, verified</source>
        <translation>jet %1, vérifié</translation>
    </message>
    <message>
        <source>roll %1</source>
        <translation>jet %1</translation>
    </message>
    <message>
        <source>The dice ledger %1 holds roll %2 of this turn, more than a move file can list: its rolls of this turn were not taken.</source>
        <translation>Le registre des dés %1 contient le jet %2 de ce tour, plus qu&apos;un fichier de coup ne peut en lister&#xa0;: ses jets de ce tour n&apos;ont pas été repris.</translation>
    </message>
    <message>
        <source>roll %1, does not match</source>
        <translation>jet %1, ne correspond pas</translation>
    </message>
    <message>
        <source>roll %1, witnessed</source>
        <translation>jet %1, attesté</translation>
    </message>
</context>
<context>
    <name>TurnFeature</name>
    <message>
        <source>Their dice: %1</source>
        <translation>Dés adverses&#xa0;: %1</translation>
    </message>
    <message>
        <source>The turn</source>
        <translation>Le tour</translation>
    </message>
    <message>
        <source>The game&apos;s dice come from its history, which holds nothing of this game yet: open or save a file of it first.</source>
        <translation>Les dés de la partie viennent de son historique, qui ne contient encore rien de cette partie&#xa0;: ouvrez ou enregistrez d&apos;abord un de ses fichiers.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Relecture</translation>
    </message>
    <message>
        <source>Replay speed</source>
        <translation>Vitesse de relecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>%1, %2 %3 (%4 of %5)</source>
        <translation>%1, %2 %3 (%4 sur %5)</translation>
    </message>
    <message>
        <source>saved</source>
        <translation>enregistré</translation>
    </message>
    <message>
        <source>opened</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>History: %1
%2</source>
        <translation>Historique&#xa0;: %1
%2</translation>
    </message>
    <message>
        <source>The past, read-only: %1. %2 returns to the present.</source>
        <translation>Le passé, en lecture seule&#xa0;: %1. %2 revient au présent.</translation>
    </message>
    <message>
        <source>Nothing to replay</source>
        <translation>Rien à revoir</translation>
    </message>
    <message>
        <source>No player&apos;s name was given</source>
        <translation>Aucun nom de joueur n&apos;a été donné</translation>
    </message>
    <message>
        <source>No file of this game said its turn</source>
        <translation>Aucun fichier de cette partie n&apos;a indiqué son tour</translation>
    </message>
    <message>
        <source>The history holds nothing of this game</source>
        <translation>L&apos;historique ne contient rien de cette partie</translation>
    </message>
    <message>
        <source>No kept copy of this game says its turn</source>
        <translation>Aucune copie conservée de cette partie n&apos;indique son tour</translation>
    </message>
    <message>
        <source>Can not show the kept copy
</source>
        <translation>Impossible d&apos;afficher la copie conservée
</translation>
    </message>
    <message>
        <source>%1 since %2</source>
        <translation>%1 depuis %2</translation>
    </message>
    <message>
        <source>Can not open file
</source>
        <translation>Impossible d&apos;ouvrir le fichier
</translation>
    </message>
    <message>
        <source>from the turn&apos;s start the file keeps</source>
        <translation>depuis le début de tour que garde le fichier</translation>
    </message>
    <message>
        <source>from the file&apos;s start hexes</source>
        <translation>depuis les hexagones de départ du fichier</translation>
    </message>
    <message>
        <source>since your file %1</source>
        <translation>depuis votre fichier %1</translation>
    </message>
    <message>
        <source>nothing says where the turn began</source>
        <translation>rien ne dit où le tour a commencé</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n changement</numerusform>
            <numerusform>%n changements</numerusform>
        </translation>
    </message>
    <message>
        <source>No moves</source>
        <translation>Aucun mouvement</translation>
    </message>
</context>
<context>
    <name>TurnFetcher</name>
    <message>
        <source>the server sent another move</source>
        <translation>le serveur a envoyé un autre coup</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>TurnListDock</name>
    <message>
        <source>The turn</source>
        <translation>Le tour</translation>
    </message>
    <message>
        <source>Their note:</source>
        <translation>Note de l&apos;adversaire&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TurnListModel</name>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Vers</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Pertes</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marqueur</translation>
    </message>
    <message>
        <source>Combat hex</source>
        <translation>Hex de combat</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>counter %1</source>
        <translation>pion %1</translation>
    </message>
    <message>
        <source>did not move</source>
        <translation>n&apos;a pas bougé</translation>
    </message>
    <message>
        <source>Combat, die %1</source>
        <translation>Combat, dé %1</translation>
    </message>
    <message>
        <source>Combat, die %1 (%2)</source>
        <translation>Combat, dé %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TurnMail</name>
    <message>
        <source>it did not understand its arguments</source>
        <translation>il n&apos;a pas compris ses arguments</translation>
    </message>
    <message>
        <source>one of the files is missing</source>
        <translation>un des fichiers manque</translation>
    </message>
    <message>
        <source>no e-mail program was found</source>
        <translation>aucun logiciel de messagerie n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>the e-mail program failed</source>
        <translation>le logiciel de messagerie a échoué</translation>
    </message>
    <message>
        <source>My turn: the move file %1 and its move report %2 are attached.
</source>
        <translation>Mon tour&#xa0;: le fichier de coup %1 et son rapport de coup %2 sont joints.
</translation>
    </message>
    <message>
        <source>Now: %1.
</source>
        <translation>Maintenant&#xa0;: %1.
</translation>
    </message>
    <message>
        <source>No combats this turn.
</source>
        <translation>Aucun combat ce tour-ci.
</translation>
    </message>
    <message>
        <source>Combats this turn:
</source>
        <translation>Combats de ce tour&#xa0;:
</translation>
    </message>
    <message>
        <source>
Note:
</source>
        <translation>
Note&#xa0;:
</translation>
    </message>
    <message>
        <source>%1 was not found or could not be run (it comes with the xdg-utils package).</source>
        <translation>%1 est introuvable ou n&apos;a pas pu être lancé (il est fourni par le paquet xdg-utils).</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2%3).</source>
        <translation>%1 a échoué (code de sortie %2%3).</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared: </source>
        <translation>L&apos;e-mail n&apos;a pas pu être préparé&#xa0;: </translation>
    </message>
    <message>
        <source>

Attach %1 and %2 by hand; they are in
%3</source>
        <translation>

Joignez %1 et %2 à la main&#xa0;; ils se trouvent dans
%3</translation>
    </message>
</context>
<context>
    <name>TurnPage</name>
    <message>
        <source>Combat</source>
        <translation>Combat</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>la mémoire ne suffit pas pour l&apos;image</translation>
    </message>
    <message>
        <source>Korva: %1</source>
        <translation>Korva&#xa0;: %1</translation>
    </message>
    <message>
        <source>Allies</source>
        <translation>Alliés</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>Bannières</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changements</translation>
    </message>
    <message>
        <source>Combats</source>
        <translation>Combats</translation>
    </message>
    <message>
        <source>No combats</source>
        <translation>Aucun combat</translation>
    </message>
    <message>
        <source>Made with Korva</source>
        <translation>Fait avec Korva</translation>
    </message>
    <message>
        <source>not named</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Du fichier</translation>
    </message>
    <message>
        <source>The map where the turn&apos;s moves and combats took place</source>
        <translation>La carte là où ont eu lieu les mouvements et combats du tour</translation>
    </message>
    <message>
        <source>No counter changed</source>
        <translation>Aucun pion n&apos;a changé</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a side: its player</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TurnSender</name>
    <message>
        <source>the saved file could not be read again, or is over 1 MiB</source>
        <translation>le fichier enregistré n&apos;a pas pu être relu, ou dépasse 1 Mio</translation>
    </message>
</context>
<context>
    <name>UploadQueue</name>
    <message>
        <source>a queued upload was damaged and is set aside as %1; its turn must be saved again</source>
        <translation>un envoi en attente était endommagé et a été mis de côté sous %1 ; son tour doit être enregistré à nouveau</translation>
    </message>
    <message>
        <source>a queued upload is damaged and could not be set aside: %1</source>
        <translation>un envoi en attente est endommagé et n’a pas pu être mis de côté : %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>le dossier %1 n’a pas pu être créé</translation>
    </message>
    <message>
        <source>you have no token for this server; register first</source>
        <translation>vous n’avez pas de jeton pour ce serveur ; inscrivez-vous d’abord</translation>
    </message>
</context>
<context>
    <name>WatchFoldersDialog</name>
    <message>
        <source>Watch folders</source>
        <translation>Dossiers surveillés</translation>
    </message>
    <message>
        <source>Watched folders</source>
        <translation>Dossiers surveillés</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Watch folder</source>
        <translation>Surveiller un dossier</translation>
    </message>
</context>
<context>
    <name>WebPAnimationWriter</name>
    <message>
        <source>there is not enough memory for the animation</source>
        <translation>la mémoire ne suffit pas pour l&apos;animation</translation>
    </message>
</context>
<context>
    <name>WitnessRecord</name>
    <message>
        <source>a witnessed roll has %1 bytes, not %2</source>
        <translation>un jet attesté a %1 octets, pas %2</translation>
    </message>
    <message>
        <source>a witnessed roll is of a form this Korva does not know</source>
        <translation>un jet attesté a une forme que ce Korva ne connaît pas</translation>
    </message>
    <message>
        <source>a witnessed roll has number %1 and die %2</source>
        <translation>un jet attesté a le numéro %1 et le dé %2</translation>
    </message>
    <message>
        <source>its witnessed rolls end inside their count</source>
        <translation>ses jets attestés se terminent au milieu de leur nombre</translation>
    </message>
    <message>
        <source>its witnessed rolls count %1 in %2 bytes</source>
        <translation>ses jets attestés comptent %1 en %2 octets</translation>
    </message>
</context>
<context>
    <name>WitnessVerdict</name>
    <message>
        <source>no rolls were asked of the server</source>
        <translation>aucun jet n&apos;a été demandé au serveur</translation>
    </message>
    <message>
        <source>the one roll was witnessed by the server</source>
        <translation>le seul jet a été attesté par le serveur</translation>
    </message>
    <message>
        <source>all %1 rolls witnessed by the server</source>
        <translation>les %1 jets attestés par le serveur</translation>
    </message>
    <message>
        <source>roll %1 was rolled on the server but is not in this file</source>
        <translation>le jet %1 a été fait sur le serveur mais n&apos;est pas dans ce fichier</translation>
    </message>
    <message>
        <source>the rolls do not match the server&apos;s records (%1)</source>
        <translation>les jets ne correspondent pas aux relevés du serveur (%1)</translation>
    </message>
    <message>
        <source>roll %1 does not match the server&apos;s record (%2)</source>
        <translation>le jet %1 ne correspond pas au relevé du serveur (%2)</translation>
    </message>
    <message>
        <source>not signed by the server&apos;s key</source>
        <translation>non signé par la clé du serveur</translation>
    </message>
    <message>
        <source>rolled for another game or turn</source>
        <translation>lancé pour une autre partie ou un autre tour</translation>
    </message>
    <message>
        <source>listed twice or out of order</source>
        <translation>listé deux fois ou dans le désordre</translation>
    </message>
    <message>
        <source>it does not follow the roll before</source>
        <translation>il ne suit pas le jet précédent</translation>
    </message>
    <message>
        <source>the server&apos;s log differs</source>
        <translation>le journal du serveur diffère</translation>
    </message>
    <message>
        <source>the server&apos;s log lacks it</source>
        <translation>il manque au journal du serveur</translation>
    </message>
    <message>
        <source>the combat is not the one the server witnessed</source>
        <translation>le combat n&apos;est pas celui que le serveur a attesté</translation>
    </message>
    <message>
        <source>a combat no witnessed roll accounts for</source>
        <translation>un combat qu&apos;aucun jet attesté n&apos;explique</translation>
    </message>
    <message>
        <source>no combat of the file shows it</source>
        <translation>aucun combat du fichier ne le montre</translation>
    </message>
</context>
<context>
    <name>korva</name>
    <message numerus="yes">
        <source>No games but archived ones (%n).</source>
        <translation>
            <numerusform>Aucune partie hors des archives (%n).</numerusform>
            <numerusform>Aucune partie hors des archives (%n).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the folder cannot be created</source>
        <translation>%1&#xa0;: le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>bitmap %1: a picture file for it exists already, kept</source>
        <translation>bitmap %1&#xa0;: un fichier d&apos;image existe déjà pour lui, conservé</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l&apos;image n&apos;a pas pu être encodée</translation>
    </message>
    <message>
        <source>%1 (korva --help lists the uses)</source>
        <translation>%1 (korva --help en donne les usages)</translation>
    </message>
    <message>
        <source>the file claims the id of another of your games</source>
        <translation>le fichier revendique l&apos;identifiant d&apos;une autre de vos parties</translation>
    </message>
    <message>
        <source>no history is kept</source>
        <translation>aucun historique n&apos;est gardé</translation>
    </message>
    <message>
        <source>it claims the id of another of your games</source>
        <translation>il revendique l&apos;identifiant d&apos;une autre de vos parties</translation>
    </message>
    <message>
        <source>the history knows no game of this file</source>
        <translation>l&apos;historique ne connaît aucune partie de ce fichier</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Allies</source>
        <translation>Alliés</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Axe</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partie</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>to move</source>
        <translation>à jouer</translation>
    </message>
    <message>
        <source>moves first</source>
        <translation>joue en premier</translation>
    </message>
    <message>
        <source>allies player</source>
        <translation>joueur allié</translation>
    </message>
    <message>
        <source>axis player</source>
        <translation>joueur de l&apos;axe</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 caractères</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>mouvements</translation>
    </message>
    <message>
        <source>combats</source>
        <translation>combats</translation>
    </message>
    <message>
        <source>korva block</source>
        <translation>bloc korva</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>valid</source>
        <translation>valide</translation>
    </message>
    <message>
        <source>damaged: </source>
        <translation>endommagé&#xa0;: </translation>
    </message>
    <message>
        <source>written by</source>
        <translation>écrit par</translation>
    </message>
    <message>
        <source>unknown records</source>
        <translation>enregistrements inconnus</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>la mémoire ne suffit pas pour l&apos;image</translation>
    </message>
    <message>
        <source>%1 takes other arguments</source>
        <translation>%1 prend d&apos;autres arguments</translation>
    </message>
    <message>
        <source>--zoom takes a percentage from 25 to 400, not %1</source>
        <translation>--zoom prend un pourcentage de 25 à 400, pas %1</translation>
    </message>
    <message>
        <source>--since goes with --moves</source>
        <translation>--since va avec --moves</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>only one move file can be opened at a time</source>
        <translation>un seul fichier de coup peut être ouvert à la fois</translation>
    </message>
    <message>
        <source>--frame-ms takes milliseconds from 20 to 60000, not %1</source>
        <translation>--frame-ms prend des millisecondes de 20 à 60000, pas %1</translation>
    </message>
    <message>
        <source>--animate takes other arguments</source>
        <translation>--animate prend d&apos;autres arguments</translation>
    </message>
    <message>
        <source>--animate takes an output and at least one move file</source>
        <translation>--animate prend une sortie et au moins un fichier de coup</translation>
    </message>
    <message>
        <source>--frame-ms goes with an animated WebP, not with --frames</source>
        <translation>--frame-ms va avec un WebP animé, pas avec --frames</translation>
    </message>
    <message>
        <source>--export-turn takes other arguments</source>
        <translation>--export-turn prend d&apos;autres arguments</translation>
    </message>
    <message>
        <source>No games in the history yet.</source>
        <translation>Aucune partie dans l&apos;historique pour l&apos;instant.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no game</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no player</comment>
        <translation>aucun</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>usage :</translation>
    </message>
    <message>
        <source>the server&apos;s key is not the one it had when you first used it (its fingerprint was %1, now %2); if its host changed the key, ask them</source>
        <translation>la clé du serveur n&apos;est plus celle qu&apos;il avait à votre première utilisation (son empreinte était %1, elle est %2) ; si son hébergeur a changé la clé, demandez-lui</translation>
    </message>
    <message>
        <source>you have no token for this server: register first with korva --server %1 --register NAME</source>
        <translation>vous n&apos;avez pas de jeton pour ce serveur : inscrivez-vous d&apos;abord avec korva --server %1 --register NAME</translation>
    </message>
    <message>
        <source>you are registered on this server already</source>
        <translation>vous êtes déjà inscrit sur ce serveur</translation>
    </message>
    <message>
        <source>the token could not be kept (%1); it is shown once here: %2</source>
        <translation>le jeton n&apos;a pas pu être conservé (%1) ; il est montré une fois ici : %2</translation>
    </message>
    <message>
        <source>registered as %1; keep this token to play from another computer:</source>
        <translation>inscrit comme %1 ; gardez ce jeton pour jouer depuis un autre ordinateur :</translation>
    </message>
    <message>
        <source>the file names no game or turn of Korva&apos;s; save it in Korva first</source>
        <translation>le fichier ne nomme aucune partie ni aucun tour de Korva ; enregistrez-le d&apos;abord dans Korva</translation>
    </message>
    <message>
        <source>the server made the game but gave no invite code</source>
        <translation>le serveur a créé la partie mais n&apos;a donné aucun code d&apos;invitation</translation>
    </message>
    <message>
        <source>game %1 made; you play %2. Give your opponent this invite code:</source>
        <translation>partie %1 créée ; vous jouez %2. Donnez à votre adversaire ce code d&apos;invitation :</translation>
    </message>
    <message>
        <source>joined %1 against %2; you play %3</source>
        <translation>vous avez rejoint %1 contre %2 ; vous jouez %3</translation>
    </message>
    <message>
        <source>not joined yet (invite code %1)</source>
        <translation>pas encore rejoint (code d&apos;invitation %1)</translation>
    </message>
    <message>
        <source>not joined yet</source>
        <translation>pas encore rejoint</translation>
    </message>
    <message>
        <source>Move %1 · %2 to move</source>
        <translation>Coup %1 · %2 au trait</translation>
    </message>
    <message>
        <source>waiting for an opponent to join</source>
        <translation>en attente qu&apos;un adversaire rejoigne</translation>
    </message>
    <message>
        <source>The games on %1 could not be listed: %2</source>
        <translation>Les parties sur %1 n&apos;ont pas pu être listées : %2</translation>
    </message>
    <message>
        <source>On the server %1:</source>
        <translation>Sur le serveur %1 :</translation>
    </message>
    <message>
        <source>No games on this server yet.</source>
        <translation>Aucune partie sur ce serveur pour le moment.</translation>
    </message>
    <message>
        <source>first contact; the server&apos;s certificate has the fingerprint %1 and is kept: a different one will be refused</source>
        <translation>premier contact ; le certificat du serveur a l&apos;empreinte %1 et est conservé : un autre sera refusé</translation>
    </message>
    <message>
        <source>no key is pinned for this server</source>
        <translation>aucune clé n&apos;est épinglée pour ce serveur</translation>
    </message>
    <message>
        <source>the game was made (invite code %1) but Korva could not keep it as a server game: %2</source>
        <translation>la partie a été créée (code d&apos;invitation %1), mais Korva n&apos;a pas pu la garder comme partie sur serveur&#xa0;: %2</translation>
    </message>
    <message>
        <source>joined, but Korva could not keep the game as a server game: %1</source>
        <translation>partie rejointe, mais Korva n&apos;a pas pu la garder comme partie sur serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Coup %1</translation>
    </message>
</context>
</TS>
