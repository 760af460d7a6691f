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
        <source>The game&apos;s one kept position, as one frame.</source>
        <translation>L&apos;unique position conservée de la partie, en une image.</translation>
    </message>
    <message>
        <source>The game&apos;s %1 kept positions, oldest first, one frame each.</source>
        <translation>Les %1 positions conservées de la partie, de la plus ancienne à la plus récente, une image chacune.</translation>
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
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>WebP pictures (*.webp)</source>
        <translation>Images WebP (*.webp)</translation>
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
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
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
        <source>The opponent&apos;s dice do not check out: %1.</source>
        <translation>Les dés de l&apos;adversaire ne se vérifient pas&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A roll made earlier against this file came back as a combat of this turn: a roll once made stands.</source>
        <translation>Un jet fait plus tôt sur ce fichier est revenu comme combat de ce tour&#xa0;: un jet fait reste acquis.</translation>
    </message>
    <message>
        <source>%1 rolls made earlier against this file came back as combats of this turn: a roll once made stands.</source>
        <translation>%1 jets faits plus tôt sur ce fichier sont revenus comme combats de ce tour&#xa0;: un jet fait reste acquis.</translation>
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
        <source>%1 — %2. Games (%3) opens it.</source>
        <translation>%1 — %2. Parties (%3) l&apos;ouvre.</translation>
    </message>
    <message>
        <source>%1 is no longer where Korva saw it last. Open (%2) finds it where it is now.</source>
        <translation>%1 n&apos;est plus là où Korva l&apos;a vu la dernière fois. Ouvrir (%2) le trouve là où il est maintenant.</translation>
    </message>
    <message>
        <source>New move from %1</source>
        <translation>Nouveau coup de %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
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
    <name>KorvaApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue est survenue.</translation>
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
        <source>Export</source>
        <translation>Exporter</translation>
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
</context>
<context>
    <name>PngFolderSink</name>
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
        <source>and 1 more combat here</source>
        <translation>et 1 autre combat ici</translation>
    </message>
    <message>
        <source>and %L1 more combats here</source>
        <translation>et %L1 autres combats ici</translation>
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
        <source>Korva tool bar</source>
        <translation>Barre d&apos;outils Korva</translation>
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
        <source>                                Korva</source>
        <translation>                                Korva</translation>
    </message>
    <message>
        <source>Second banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (42 characters)</source>
        <translation>Deuxième ligne de bannière&#xa0;: texte libre qui part avec chaque fichier de coup et qu&apos;Ouvrir remplace par celui de l&apos;adversaire (42 caractères)</translation>
    </message>
    <message>
        <source>                         Tarrowfen</source>
        <translation>                         Tarrowfen</translation>
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
        <source>                                                             https://korva.example.org/pbm</source>
        <translation>                                                             https://korva.example.org/pbm</translation>
    </message>
    <message>
        <source>Korva : new game</source>
        <translation>Korva&#xa0;: nouvelle partie</translation>
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
    <name>WebPFileSink</name>
    <message>
        <source>the animation could not be encoded</source>
        <translation>l&apos;animation n&apos;a pas pu être encodée</translation>
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
        <source>usage: korva [FILE.krv]
       korva --report FILE.krv
       korva --render FILE.krv OUT.png [--moves [--since EARLIER.krv]]
                   [--zoom PERCENT]
       korva --moves FILE.krv [--since EARLIER.krv]
       korva --verify FILE.krv [MYFILE.krv]
       korva --info FILE.krv
       korva --dice FILE.krv
       korva --games
       korva --export-turn FILE.krv OUT.html [--since EARLIER.krv]
       korva --animate OUT.webp FILE.krv... [--zoom PERCENT] [--frame-ms N]
       korva --animate --frames DIR FILE.krv... [--zoom PERCENT]
       korva --extract-pictures MODULE.dll DIR
       korva --new-game OUT.krv
       korva --help | --version
</source>
        <translation>usage : korva [FILE.krv]
        korva --report FILE.krv
        korva --render FILE.krv OUT.png [--moves [--since EARLIER.krv]]
                    [--zoom PERCENT]
        korva --moves FILE.krv [--since EARLIER.krv]
        korva --verify FILE.krv [MYFILE.krv]
        korva --info FILE.krv
        korva --dice FILE.krv
        korva --games
        korva --export-turn FILE.krv OUT.html [--since EARLIER.krv]
        korva --animate OUT.webp FILE.krv... [--zoom PERCENT] [--frame-ms N]
        korva --animate --frames DIR FILE.krv... [--zoom PERCENT]
        korva --extract-pictures MODULE.dll DIR
        korva --new-game OUT.krv
        korva --help | --version
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
</context>
</TS>
