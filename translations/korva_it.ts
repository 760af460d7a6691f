<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Animation</name>
    <message>
        <source>there is not enough memory for the animation</source>
        <translation>non c&apos;è memoria sufficiente per l&apos;animazione</translation>
    </message>
</context>
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Export game as animation</source>
        <translation>Esporta partita come animazione</translation>
    </message>
    <message>
        <source>The game&apos;s one kept position, as one frame.</source>
        <translation>L&apos;unica posizione conservata della partita, come un fotogramma.</translation>
    </message>
    <message>
        <source>The game&apos;s %1 kept positions, oldest first, one frame each.</source>
        <translation>Le %1 posizioni conservate della partita, dalla più vecchia, un fotogramma ciascuna.</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Each frame:</source>
        <translation>Ogni fotogramma:</translation>
    </message>
    <message>
        <source>An animated WebP picture</source>
        <translation>Un&apos;immagine WebP animata</translation>
    </message>
    <message>
        <source>A folder of numbered PNG pictures</source>
        <translation>Una cartella di immagini PNG numerate</translation>
    </message>
    <message>
        <source>As:</source>
        <translation>Come:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>In:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>WebP pictures (*.webp)</source>
        <translation>Immagini WebP (*.webp)</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Recent move files</source>
        <translation>File di mossa recenti</translation>
    </message>
    <message>
        <source>The move files opened or saved last</source>
        <translation>Gli ultimi file di mossa aperti o salvati</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Put back the change last taken back</source>
        <translation>Rifà l&apos;ultima modifica annullata</translation>
    </message>
    <message>
        <source>The turn&apos;s edits</source>
        <translation>Modifiche del turno</translation>
    </message>
    <message>
        <source>Every step of this turn, to go back to any of them</source>
        <translation>Ogni passo di questo turno, per tornare a uno qualsiasi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Send by e-mail</source>
        <translation>Invia per e-mail</translation>
    </message>
    <message>
        <source>Send the saved turn by e-mail</source>
        <translation>Invia per e-mail il turno salvato</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>The menu of the hex</source>
        <translation>Il menu dell&apos;esagono</translation>
    </message>
    <message>
        <source>Turn the stack over</source>
        <translation>Ruota la pila</translation>
    </message>
    <message>
        <source>Turn the stack over: the next counter comes to the top</source>
        <translation>Ruota la pila: la pedina successiva va in cima</translation>
    </message>
    <message>
        <source>Hex cursor left</source>
        <translation>Cursore esagono a sinistra</translation>
    </message>
    <message>
        <source>The hex cursor one column left</source>
        <translation>Il cursore esagono di una colonna a sinistra</translation>
    </message>
    <message>
        <source>Hex cursor right</source>
        <translation>Cursore esagono a destra</translation>
    </message>
    <message>
        <source>The hex cursor one column right</source>
        <translation>Il cursore esagono di una colonna a destra</translation>
    </message>
    <message>
        <source>Hex cursor up</source>
        <translation>Cursore esagono su</translation>
    </message>
    <message>
        <source>The hex cursor one hex up</source>
        <translation>Il cursore esagono di un esagono in su</translation>
    </message>
    <message>
        <source>Hex cursor down</source>
        <translation>Cursore esagono giù</translation>
    </message>
    <message>
        <source>The hex cursor one hex down</source>
        <translation>Il cursore esagono di un esagono in giù</translation>
    </message>
    <message>
        <source>Pick up or drop</source>
        <translation>Prendi o posa</translation>
    </message>
    <message>
        <source>Pick up the top counter of the cursor&apos;s hex; drop the one held</source>
        <translation>Prende la pedina in cima all&apos;esagono del cursore; posa quella in mano</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Rimetti a posto</translation>
    </message>
    <message>
        <source>Put the counter held back: nothing moves</source>
        <translation>Rimette a posto la pedina in mano: nulla si muove</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Scorri a sinistra</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Scorri a destra</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Scorri in su</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Scorri in giù</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Pagina su</translation>
    </message>
    <message>
        <source>A view&apos;s height up</source>
        <translation>Su di un&apos;altezza della vista</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Pagina giù</translation>
    </message>
    <message>
        <source>A view&apos;s height down</source>
        <translation>Giù di un&apos;altezza della vista</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Pagina a sinistra</translation>
    </message>
    <message>
        <source>A view&apos;s width left</source>
        <translation>A sinistra di una larghezza della vista</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Pagina a destra</translation>
    </message>
    <message>
        <source>A view&apos;s width right</source>
        <translation>A destra di una larghezza della vista</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Dimensioni reali</translation>
    </message>
    <message>
        <source>The map at 100%</source>
        <translation>La mappa al 100%</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Adatta larghezza</translation>
    </message>
    <message>
        <source>Fit width: the map&apos;s width fills the view</source>
        <translation>Adatta larghezza: la larghezza della mappa riempie la vista</translation>
    </message>
    <message>
        <source>Fit window</source>
        <translation>Adatta finestra</translation>
    </message>
    <message>
        <source>Fit window: as much of the map as the view holds, 25% at least</source>
        <translation>Adatta finestra: tanta mappa quanta ne entra nella vista, almeno il 25%</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>Overview of the whole map</source>
        <translation>Panoramica dell&apos;intera mappa</translation>
    </message>
    <message>
        <source>Readable losses</source>
        <translation>Perdite leggibili</translation>
    </message>
    <message>
        <source>Readable losses: the number over each counter</source>
        <translation>Perdite leggibili: il numero sopra ogni pedina</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Trova un&apos;unità</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Trova successiva</translation>
    </message>
    <message>
        <source>The next unit found</source>
        <translation>La prossima unità trovata</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Trova precedente</translation>
    </message>
    <message>
        <source>The previous unit found</source>
        <translation>La precedente unità trovata</translation>
    </message>
    <message>
        <source>Order of battle</source>
        <translation>Ordine di battaglia</translation>
    </message>
    <message>
        <source>Show moves</source>
        <translation>Mostra mosse</translation>
    </message>
    <message>
        <source>Show the turn&apos;s moves</source>
        <translation>Mostra le mosse del turno</translation>
    </message>
    <message>
        <source>The turn</source>
        <translation>Il turno</translation>
    </message>
    <message>
        <source>The turn as a list</source>
        <translation>Il turno come elenco</translation>
    </message>
    <message>
        <source>Replay turn</source>
        <translation>Rivedi turno</translation>
    </message>
    <message>
        <source>Replay the turn&apos;s moves</source>
        <translation>Rivedi le mosse del turno</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play or pause the replay</source>
        <translation>Avvia o metti in pausa la riproduzione</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>One step of the replay</source>
        <translation>Un passo della riproduzione</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>The game&apos;s first kept position</source>
        <translation>La prima posizione conservata della partita</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>The kept position before this one</source>
        <translation>La posizione conservata prima di questa</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>The kept position after this one</source>
        <translation>La posizione conservata dopo questa</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>The game&apos;s newest kept position</source>
        <translation>La posizione conservata più recente della partita</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Al presente</translation>
    </message>
    <message>
        <source>The game as it stands</source>
        <translation>La partita com&apos;è ora</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Confronta…</translation>
    </message>
    <message>
        <source>Show the changes since another move file</source>
        <translation>Mostra le modifiche rispetto a un altro file di mossa</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Nota…</translation>
    </message>
    <message>
        <source>A note to the opponent, sent with the next save</source>
        <translation>Una nota per l&apos;avversario, inviata con il prossimo salvataggio</translation>
    </message>
    <message>
        <source>Players and turn…</source>
        <translation>Giocatori e turno…</translation>
    </message>
    <message>
        <source>Who plays which side; the turn of a game whose files never said it</source>
        <translation>Chi gioca quale schieramento; il turno di una partita i cui file non lo hanno mai detto</translation>
    </message>
    <message>
        <source>The game&apos;s dice…</source>
        <translation>I dadi della partita…</translation>
    </message>
    <message>
        <source>Every roll of the game, and how fair each die looks</source>
        <translation>Ogni tiro della partita, e quanto sembra onesto ogni dado</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Every game you play, and whose move it is</source>
        <translation>Ogni partita che giochi, e a chi tocca muovere</translation>
    </message>
    <message>
        <source>Go to turn…</source>
        <translation>Vai al turno…</translation>
    </message>
    <message>
        <source>The kept position a chosen turn began from</source>
        <translation>La posizione conservata da cui è iniziato il turno scelto</translation>
    </message>
    <message>
        <source>Export picture…</source>
        <translation>Esporta immagine…</translation>
    </message>
    <message>
        <source>The map as a PNG picture, whole or the part in view</source>
        <translation>La mappa come immagine PNG, intera o la parte visibile</translation>
    </message>
    <message>
        <source>Export turn as web page…</source>
        <translation>Esporta turno come pagina web…</translation>
    </message>
    <message>
        <source>The turn as one web page: the map around its moves, the changes, the combats and the note</source>
        <translation>Il turno come una pagina web: la mappa intorno alle sue mosse, le modifiche, i combattimenti e la nota</translation>
    </message>
    <message>
        <source>Export game as animation…</source>
        <translation>Esporta partita come animazione…</translation>
    </message>
    <message>
        <source>Every kept position of the game, one frame each, as an animation</source>
        <translation>Ogni posizione conservata della partita, un fotogramma ciascuna, come animazione</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Annulla ultima mossa</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Muovi tutta la pila</translation>
    </message>
    <message>
        <source>Hide Combat Tags</source>
        <translation>Nascondi etichette di combattimento</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Gira</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Segnalino</translation>
    </message>
    <message>
        <source>Return to start hex</source>
        <translation>Torna all&apos;esagono di partenza</translation>
    </message>
    <message>
        <source>Combat</source>
        <translation>Combattimento</translation>
    </message>
    <message>
        <source>Show Combat</source>
        <translation>Mostra combattimento</translation>
    </message>
    <message>
        <source>Language…</source>
        <translation>Lingua…</translation>
    </message>
    <message>
        <source>The language Korva speaks, from its next start</source>
        <translation>La lingua di Korva, dal prossimo avvio</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>EditsDock</name>
    <message>
        <source>The turn&apos;s edits</source>
        <translation>Modifiche del turno</translation>
    </message>
    <message>
        <source>The turn as it began</source>
        <translation>Il turno com&apos;era all&apos;inizio</translation>
    </message>
</context>
<context>
    <name>ExportFeature</name>
    <message>
        <source>the history holds nothing of this game</source>
        <translation>la cronologia non contiene nulla di questa partita</translation>
    </message>
    <message>
        <source>a kept copy could not be shown: %1</source>
        <translation>impossibile mostrare una copia conservata: %1</translation>
    </message>
    <message>
        <source>Drawing the picture…</source>
        <translation>Disegno dell&apos;immagine…</translation>
    </message>
    <message>
        <source>The history holds nothing of this game: open or save a file of it first.</source>
        <translation>La cronologia non contiene nulla di questa partita: prima apri o salva un suo file.</translation>
    </message>
    <message>
        <source>Drawing the game&apos;s positions…</source>
        <translation>Disegno delle posizioni della partita…</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Scritto: %1</translation>
    </message>
    <message>
        <source>Stopped: nothing was written</source>
        <translation>Interrotto: non è stato scritto nulla</translation>
    </message>
    <message>
        <source>Can not write %1
%2</source>
        <translation>Impossibile scrivere %1
%2</translation>
    </message>
</context>
<context>
    <name>FaceChart</name>
    <message>
        <source>%1: %2 times</source>
        <translation>%1: %2 volte</translation>
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
        <translation>File di mossa recenti</translation>
    </message>
    <message>
        <source>The move file was saved, but the move report was not.
%1: %2</source>
        <translation>Il file di mossa è stato salvato, ma il resoconto della mossa no.
%1: %2</translation>
    </message>
    <message>
        <source>No game in this file: every counter stands in its placeholder hex (1 to 234). New game (%1) sets them out off board.</source>
        <translation>Nessuna partita in questo file: ogni pedina è nel suo esagono segnaposto (da 1 a 234). Nuova partita (%1) le dispone fuori mappa.</translation>
    </message>
    <message>
        <source>You saved this file yourself: your opponent&apos;s answer is the file they send back.</source>
        <translation>Questo file lo hai salvato tu: la risposta del tuo avversario è il file che ti rimanda.</translation>
    </message>
    <message>
        <source>You have already answered this file.</source>
        <translation>Hai già risposto a questo file.</translation>
    </message>
    <message>
        <source>You have already answered a later turn of this game than this file&apos;s (%1).</source>
        <translation>Hai già risposto a un turno di questa partita successivo a quello di questo file (%1).</translation>
    </message>
    <message>
        <source>This file is of another game than the one you had open, whose unsaved changes are not kept.</source>
        <translation>Questo file è di un&apos;altra partita rispetto a quella che avevi aperta, le cui modifiche non salvate non sono conservate.</translation>
    </message>
    <message>
        <source>This file claims the id of another of your games, but its turn does not follow from any position of that game: it is kept apart, and nothing of that game changed. An answer to it starts a game of its own.</source>
        <translation>Questo file dichiara l&apos;id di un&apos;altra tua partita, ma il suo turno non segue da nessuna posizione di quella partita: è tenuto a parte, e nulla di quella partita è cambiato. Rispondere a questo file avvia una partita a sé.</translation>
    </message>
    <message>
        <source>The opponent&apos;s dice do not check out: %1.</source>
        <translation>I dadi dell&apos;avversario non tornano: %1.</translation>
    </message>
    <message>
        <source>A roll made earlier against this file came back as a combat of this turn: a roll once made stands.</source>
        <translation>Un tiro fatto in precedenza su questo file è tornato come combattimento di questo turno: un tiro fatto resta valido.</translation>
    </message>
    <message>
        <source>%1 rolls made earlier against this file came back as combats of this turn: a roll once made stands.</source>
        <translation>%1 tiri fatti in precedenza su questo file sono tornati come combattimenti di questo turno: un tiro fatto resta valido.</translation>
    </message>
    <message>
        <source>No recent move files</source>
        <translation>Nessun file di mossa recente</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <source>Only a Korva move file (*.krv) can be dropped here.</source>
        <translation>Qui si può rilasciare solo un file di mossa di Korva (*.krv).</translation>
    </message>
    <message>
        <source>Drop one move file at a time.</source>
        <translation>Rilascia un file di mossa alla volta.</translation>
    </message>
    <message>
        <source>Korva opens move files on this computer only, not
%1</source>
        <translation>Korva apre solo file di mossa su questo computer, non
%1</translation>
    </message>
    <message>
        <source>%1 is not a Korva move file (*.krv).</source>
        <translation>%1 non è un file di mossa di Korva (*.krv).</translation>
    </message>
    <message>
        <source>Could not create a new file</source>
        <translation>Impossibile creare un nuovo file</translation>
    </message>
    <message>
        <source>Can not open file
</source>
        <translation>Impossibile aprire il file
</translation>
    </message>
</context>
<context>
    <name>FindFeature</name>
    <message>
        <source>Find a unit (%1)</source>
        <translation>Trova un&apos;unità (%1)</translation>
    </message>
    <message>
        <source>Find a unit by name: &quot;6 arm&quot; finds &quot;UK 6 Armor XX&quot; (%1; %2 next, %3 previous)</source>
        <translation>Trova un&apos;unità per nome: «6 arm» trova «UK 6 Armor XX» (%1; %2 successiva, %3 precedente)</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Trova un&apos;unità</translation>
    </message>
    <message>
        <source>Type a unit&apos;s name (%1)</source>
        <translation>Scrivi il nome di un&apos;unità (%1)</translation>
    </message>
    <message>
        <source>No unit matches &quot;%1&quot;</source>
        <translation>Nessuna unità corrisponde a «%1»</translation>
    </message>
    <message>
        <source>%1 next, %2 previous</source>
        <translation>%1 successiva, %2 precedente</translation>
    </message>
    <message>
        <source>, on top of %1</source>
        <translation>, in cima a una pila di %1</translation>
    </message>
    <message>
        <source>, %1 of %2 from the top</source>
        <translation>, %1ª di %2 dalla cima</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 di %2: %3</translation>
    </message>
</context>
<context>
    <name>GameDiceDialog</name>
    <message>
        <source>The game&apos;s dice</source>
        <translation>I dadi della partita</translation>
    </message>
    <message>
        <source>Every roll of the game</source>
        <translation>Ogni tiro della partita</translation>
    </message>
</context>
<context>
    <name>GameDiceModel</name>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>your roll</source>
        <translation>il tuo tiro</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Tiro</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Esagono</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Dado</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdetto</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>The game&apos;s history kept no copy of %1: it holds %2 of this game, as much as it keeps of one game, and keeps no more of the files opened in it.</source>
        <translation>La cronologia della partita non ha conservato copia di %1: contiene %2 di questa partita, il massimo che conserva per una partita, e non conserva altri file aperti in essa.</translation>
    </message>
</context>
<context>
    <name>GameSetupDialog</name>
    <message>
        <source>Allies</source>
        <translation>Alleati</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Players and turn</source>
        <translation>Giocatori e turno</translation>
    </message>
    <message>
        <source>The name Save proposes for the game&apos;s files, such as salerno_t03_axis.krv</source>
        <translation>Il nome che Salva propone per i file della partita, come salerno_t03_axis.krv</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partita:</translation>
    </message>
    <message>
        <source>&amp;Moves first:</source>
        <translation>&amp;Muove per primo:</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non indicato</translation>
    </message>
    <message>
        <source>&amp;Allies player:</source>
        <translation>Giocatore &amp;Alleati:</translation>
    </message>
    <message>
        <source>A&amp;xis player:</source>
        <translation>Giocatore A&amp;sse:</translation>
    </message>
    <message>
        <source>The turn is known</source>
        <translation>Il turno è noto</translation>
    </message>
    <message>
        <source>T&amp;urn:</source>
        <translation>T&amp;urno:</translation>
    </message>
    <message>
        <source>&amp;To move:</source>
        <translation>&amp;Tocca a:</translation>
    </message>
</context>
<context>
    <name>GamesDialog</name>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>No games yet: the games you open or save show here.</source>
        <translation>Ancora nessuna partita: qui compaiono le partite che apri o salvi.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>The opponent&apos;s latest file when it is your move, your own while you wait</source>
        <translation>L&apos;ultimo file dell&apos;avversario quando tocca a te, il tuo mentre aspetti</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivia</translation>
    </message>
    <message>
        <source>A finished game leaves the list; nothing of it is deleted</source>
        <translation>Una partita finita esce dall&apos;elenco; non se ne cancella nulla</translation>
    </message>
    <message>
        <source>Show archived</source>
        <translation>Mostra archiviate</translation>
    </message>
    <message>
        <source>Watch folders…</source>
        <translation>Cartelle sorvegliate…</translation>
    </message>
    <message>
        <source>The folders where move files arrive</source>
        <translation>Le cartelle in cui arrivano i file di mossa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
</context>
<context>
    <name>GamesFeature</name>
    <message>
        <source>%1 — %2. Games (%3) opens it.</source>
        <translation>%1 — %2. Si apre da Partite (%3).</translation>
    </message>
    <message>
        <source>%1 is no longer where Korva saw it last. Open (%2) finds it where it is now.</source>
        <translation>%1 non è più dove Korva l&apos;ha visto l&apos;ultima volta. Apri (%2) lo ritrova dov&apos;è ora.</translation>
    </message>
    <message>
        <source>New move from %1</source>
        <translation>Nuova mossa da %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>%1 (archived)</source>
        <translation>%1 (archiviata)</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>controllo…</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Turno</translation>
    </message>
    <message>
        <source>Whose move</source>
        <translation>Chi muove</translation>
    </message>
    <message>
        <source>Last file</source>
        <translation>Ultimo file</translation>
    </message>
    <message>
        <source>Their dice</source>
        <translation>Dadi dell&apos;avversario</translation>
    </message>
</context>
<context>
    <name>GoToTurnDialog</name>
    <message>
        <source>Go to turn</source>
        <translation>Vai al turno</translation>
    </message>
    <message>
        <source>The game as it stood when this move began, read-only:</source>
        <translation>La partita com&apos;era all&apos;inizio di questa mossa, in sola lettura:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Turno:</translation>
    </message>
</context>
<context>
    <name>KorvaApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Si è verificato un errore sconosciuto.</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Come il sistema (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>Korva speaks the language chosen from its next start.</source>
        <translation>Korva parla la lingua scelta dal prossimo avvio.</translation>
    </message>
</context>
<context>
    <name>MapFeature</name>
    <message>
        <source>Map</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Arrow keys move the hex cursor; Enter picks up and drops the top counter; Esc cancels</source>
        <translation>I tasti freccia muovono il cursore esagono; Enter prende e posa la pedina in cima; Esc annulla</translation>
    </message>
    <message>
        <source>Zoom: pick a step or type a percentage (25 to 400)</source>
        <translation>Zoom: scegli un livello o scrivi una percentuale (da 25 a 400)</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Panoramica</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Note to the opponent</source>
        <translation>Nota per l&apos;avversario</translation>
    </message>
    <message>
        <source>Sent with the next save:</source>
        <translation>Inviata con il prossimo salvataggio:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 di %2 byte</translation>
    </message>
    <message>
        <source>Too long: %1 of %2 bytes</source>
        <translation>Troppo lunga: %1 di %2 byte</translation>
    </message>
</context>
<context>
    <name>OrderOfBattleDock</name>
    <message>
        <source>Order of battle</source>
        <translation>Ordine di battaglia</translation>
    </message>
    <message>
        <source>Filter: side, name, hex</source>
        <translation>Filtro: schieramento, nome, esagono</translation>
    </message>
    <message>
        <source>Filter the order of battle</source>
        <translation>Filtra l&apos;ordine di battaglia</translation>
    </message>
</context>
<context>
    <name>OrderOfBattleModel</name>
    <message>
        <source>Allies</source>
        <translation>Alleati</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Schieramento</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Esagono</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Perdite</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Segnalino</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Da muovere</translation>
    </message>
</context>
<context>
    <name>OutputPathField</name>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Esporta in</translation>
    </message>
</context>
<context>
    <name>PageDialog</name>
    <message>
        <source>Export turn as web page</source>
        <translation>Esporta turno come pagina web</translation>
    </message>
    <message>
        <source>One page with the map around the turn&apos;s moves, the changes, the combats with their rolls, and the note.</source>
        <translation>Una pagina con la mappa intorno alle mosse del turno, le modifiche, i combattimenti con i loro tiri, e la nota.</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Pagine web (*.html)</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Export picture</source>
        <translation>Esporta immagine</translation>
    </message>
    <message>
        <source>The whole map</source>
        <translation>L&apos;intera mappa</translation>
    </message>
    <message>
        <source>The part in view</source>
        <translation>La parte visibile</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Mappa:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>With the turn&apos;s moves</source>
        <translation>Con le mosse del turno</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensioni:</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 pixel</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>non c&apos;è memoria sufficiente per l&apos;immagine</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>impossibile codificare l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>PictureModules</name>
    <message>
        <source>%1; %2 is used instead</source>
        <translation>%1; al suo posto si usa %2</translation>
    </message>
    <message>
        <source>%1 could not be opened; using other pictures.</source>
        <translation>Impossibile aprire %1; si usano altre immagini.</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2); using other pictures.</source>
        <translation>Impossibile aprire %1 (%2); si usano altre immagini.</translation>
    </message>
</context>
<context>
    <name>PlayFeature</name>
    <message>
        <source>opponent&apos;s roll</source>
        <translation>tiro dell&apos;avversario</translation>
    </message>
    <message>
        <source>your roll</source>
        <translation>il tuo tiro</translation>
    </message>
    <message>
        <source>opponent&apos;s %1</source>
        <translation>avversario: %1</translation>
    </message>
    <message>
        <source>your %1</source>
        <translation>il tuo %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Esc ends the list</source>
        <translation>Esc chiude l&apos;elenco</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Esagono</translation>
    </message>
    <message>
        <source>Moved or not</source>
        <translation>Mossa o no</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Pedina</translation>
    </message>
    <message>
        <source>A die roll cannot be taken back; undo stops here</source>
        <translation>Un tiro di dado non si può annullare; l&apos;annullamento si ferma qui</translation>
    </message>
    <message>
        <source>A die roll cannot be taken back (%1)</source>
        <translation>Un tiro di dado non si può annullare (%1)</translation>
    </message>
    <message>
        <source>Undo: %1 (%2)</source>
        <translation>Annulla: %1 (%2)</translation>
    </message>
    <message>
        <source>Redo: %1 (%2)</source>
        <translation>Ripeti: %1 (%2)</translation>
    </message>
    <message>
        <source>Redo (%1)</source>
        <translation>Ripeti (%1)</translation>
    </message>
    <message>
        <source>Undo last move (%1)</source>
        <translation>Annulla ultima mossa (%1)</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Da muovere</translation>
    </message>
</context>
<context>
    <name>PngFolderSink</name>
    <message>
        <source>it is there and is not a folder</source>
        <translation>esiste già e non è una cartella</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>la cartella non è vuota</translation>
    </message>
    <message>
        <source>the folder it would go in does not exist</source>
        <translation>la cartella che dovrebbe contenerla non esiste</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>impossibile codificare l&apos;immagine</translation>
    </message>
    <message>
        <source>there were no frames</source>
        <translation>non c&apos;erano fotogrammi</translation>
    </message>
    <message>
        <source>the empty folder there cannot be replaced</source>
        <translation>la cartella vuota che è lì non può essere sostituita</translation>
    </message>
    <message>
        <source>the folder of frames cannot be given its name</source>
        <translation>impossibile dare il suo nome alla cartella dei fotogrammi</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>This turn has changes that are not saved.
Save them first?</source>
        <translation>Questo turno ha modifiche non salvate.
Salvarle prima?</translation>
    </message>
    <message>
        <source>End of turn?</source>
        <translation>Fine turno?</translation>
    </message>
    <message>
        <source>Korva : Save Move</source>
        <translation>Korva : Salva mossa</translation>
    </message>
    <message>
        <source>Korva : Open Move</source>
        <translation>Korva : Apri mossa</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ReplayStep</name>
    <message>
        <source>Combat, die %1</source>
        <translation>Combattimento, dado %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The past is read-only.</source>
        <translation>Il passato è in sola lettura.</translation>
    </message>
</context>
<context>
    <name>StackViewer</name>
    <message>
        <source>Steps/Losses %1</source>
        <translation>Step/perdite %1</translation>
    </message>
    <message>
        <source>no marker</source>
        <translation>nessun segnalino</translation>
    </message>
    <message>
        <source>marker %1</source>
        <translation>segnalino %1</translation>
    </message>
    <message>
        <source>Stack viewer</source>
        <translation>Contenuto della pila</translation>
    </message>
    <message>
        <source>Opponent&apos;s roll</source>
        <translation>Tiro dell&apos;avversario</translation>
    </message>
    <message>
        <source>Your roll</source>
        <translation>Il tuo tiro</translation>
    </message>
    <message>
        <source>and 1 more combat here</source>
        <translation>e un altro combattimento qui</translation>
    </message>
    <message>
        <source>and %L1 more combats here</source>
        <translation>e altri %L1 combattimenti qui</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Da muovere</translation>
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
        <translation>Inizia una nuova partita, o apri il file di mossa che ti ha mandato l&apos;avversario.</translation>
    </message>
    <message>
        <source>Move files used last:</source>
        <translation>Ultimi file di mossa usati:</translation>
    </message>
    <message>
        <source>Your games:</source>
        <translation>Le tue partite:</translation>
    </message>
</context>
<context>
    <name>TCombat</name>
    <message>
        <source>Combat comment</source>
        <translation>Commento al combattimento</translation>
    </message>
    <message>
        <source>Rolls the die</source>
        <translation>Tira il dado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Korva Die Roll</source>
        <translation>Korva: tiro di dado</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Tira</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Enter first part of comments before rolling a die.</source>
        <translation>Scrivi il commento prima di tirare il dado.</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Commento:</translation>
    </message>
    <message>
        <source>Man, you really really need to use the comments.</source>
        <translation>Insomma, il commento devi proprio scriverlo.</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>First banner line</source>
        <translation>Prima riga d&apos;intestazione</translation>
    </message>
    <message>
        <source>Second banner line</source>
        <translation>Seconda riga d&apos;intestazione</translation>
    </message>
    <message>
        <source>Third banner line</source>
        <translation>Terza riga d&apos;intestazione</translation>
    </message>
    <message>
        <source>Map view</source>
        <translation>Vista della mappa</translation>
    </message>
    <message>
        <source>Korva</source>
        <translation>Korva</translation>
    </message>
    <message>
        <source>Korva tool bar</source>
        <translation>Barra degli strumenti di Korva</translation>
    </message>
    <message>
        <source> — read-only</source>
        <translation> — sola lettura</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>e altre %1</translation>
    </message>
    <message>
        <source>Some pictures could not be read; others are shown in their place.
</source>
        <translation>Alcune immagini non si sono potute leggere; al loro posto ne sono mostrate altre.
</translation>
    </message>
    <message>
        <source>No die-roll trace was written: %1.</source>
        <translation>Non è stata scritta alcuna traccia dei tiri di dado: %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Annulla ultima mossa</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Muovi tutta la pila</translation>
    </message>
    <message>
        <source>First banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (42 characters)</source>
        <translation>Prima riga d&apos;intestazione: testo libero che parte con ogni file di mossa e che Apri sostituisce con quella dell&apos;avversario (42 caratteri)</translation>
    </message>
    <message>
        <source>                                Korva</source>
        <translation>                                Korva</translation>
    </message>
    <message>
        <source>Second banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (42 characters)</source>
        <translation>Seconda riga d&apos;intestazione: testo libero che parte con ogni file di mossa e che Apri sostituisce con quella dell&apos;avversario (42 caratteri)</translation>
    </message>
    <message>
        <source>                         Tarrowfen</source>
        <translation>                         Tarrowfen</translation>
    </message>
    <message>
        <source>Hide Combat Tags</source>
        <translation>Nascondi etichette di combattimento</translation>
    </message>
    <message>
        <source>Third banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (110 characters)</source>
        <translation>Terza riga d&apos;intestazione: testo libero che parte con ogni file di mossa e che Apri sostituisce con quella dell&apos;avversario (110 caratteri)</translation>
    </message>
    <message>
        <source>                                                             https://korva.example.org/pbm</source>
        <translation>                                                             https://korva.example.org/pbm</translation>
    </message>
    <message>
        <source>Korva : new game</source>
        <translation>Korva : nuova partita</translation>
    </message>
</context>
<context>
    <name>TShowCombatDlg</name>
    <message>
        <source>Korva : Roll Tide</source>
        <translation>Korva : Tiro di dado</translation>
    </message>
    <message>
        <source>Bone:</source>
        <translation>Dado:</translation>
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
        <translation>Korva</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Korva</source>
        <translation>Korva</translation>
    </message>
    <message>
        <source>Board game (c) its publisher</source>
        <translation>Gioco da tavolo (c) il suo editore</translation>
    </message>
    <message>
        <source>Program by                    : </source>
        <translation>Programma di                  : </translation>
    </message>
    <message>
        <source>The Korva developers</source>
        <translation>Sviluppatori di Korva</translation>
    </message>
    <message>
        <source>Map and counters by       : </source>
        <translation>Mappa e pedine di           : </translation>
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
        <translation>Questo programma è un aiuto al PBeM per chi possiede il </translation>
    </message>
    <message>
        <source>publisher&apos;s board game, and is not to be sold or traded.</source>
        <translation>gioco dell&apos;editore, e non va venduto né scambiato.</translation>
    </message>
</context>
<context>
    <name>TurnFeature</name>
    <message>
        <source>Their dice: %1</source>
        <translation>Dadi dell&apos;avversario: %1</translation>
    </message>
    <message>
        <source>The turn</source>
        <translation>Il turno</translation>
    </message>
    <message>
        <source>The game&apos;s dice come from its history, which holds nothing of this game yet: open or save a file of it first.</source>
        <translation>I dadi della partita vengono dalla sua cronologia, che non contiene ancora nulla di questa partita: prima apri o salva un suo file.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Riproduzione</translation>
    </message>
    <message>
        <source>Replay speed</source>
        <translation>Velocità di riproduzione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1, %2 %3 (%4 of %5)</source>
        <translation>%1, %2 il %3 (%4 di %5)</translation>
    </message>
    <message>
        <source>saved</source>
        <translation>salvato</translation>
    </message>
    <message>
        <source>opened</source>
        <translation>aperto</translation>
    </message>
    <message>
        <source>History: %1
%2</source>
        <translation>Cronologia: %1
%2</translation>
    </message>
    <message>
        <source>The past, read-only: %1. %2 returns to the present.</source>
        <translation>Il passato, in sola lettura: %1. %2 torna al presente.</translation>
    </message>
    <message>
        <source>Nothing to replay</source>
        <translation>Niente da rivedere</translation>
    </message>
    <message>
        <source>No player&apos;s name was given</source>
        <translation>Non è stato indicato il nome di alcun giocatore</translation>
    </message>
    <message>
        <source>No file of this game said its turn</source>
        <translation>Nessun file di questa partita ha indicato il suo turno</translation>
    </message>
    <message>
        <source>The history holds nothing of this game</source>
        <translation>La cronologia non contiene nulla di questa partita</translation>
    </message>
    <message>
        <source>No kept copy of this game says its turn</source>
        <translation>Nessuna copia conservata di questa partita indica il suo turno</translation>
    </message>
    <message>
        <source>Can not show the kept copy
</source>
        <translation>Impossibile mostrare la copia conservata
</translation>
    </message>
    <message>
        <source>%1 since %2</source>
        <translation>%1 rispetto a %2</translation>
    </message>
    <message>
        <source>Can not open file
</source>
        <translation>Impossibile aprire il file
</translation>
    </message>
</context>
<context>
    <name>TurnListDock</name>
    <message>
        <source>The turn</source>
        <translation>Il turno</translation>
    </message>
    <message>
        <source>Their note:</source>
        <translation>Nota dell&apos;avversario:</translation>
    </message>
</context>
<context>
    <name>TurnListModel</name>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>To</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Perdite</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Segnalino</translation>
    </message>
    <message>
        <source>Combat hex</source>
        <translation>Esagono del combattimento</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>counter %1</source>
        <translation>pedina %1</translation>
    </message>
    <message>
        <source>did not move</source>
        <translation>non si è mossa</translation>
    </message>
    <message>
        <source>Combat, die %1</source>
        <translation>Combattimento, dado %1</translation>
    </message>
    <message>
        <source>Combat, die %1 (%2)</source>
        <translation>Combattimento, dado %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TurnMail</name>
    <message>
        <source>it did not understand its arguments</source>
        <translation>non ha capito i suoi argomenti</translation>
    </message>
    <message>
        <source>one of the files is missing</source>
        <translation>manca uno dei file</translation>
    </message>
    <message>
        <source>no e-mail program was found</source>
        <translation>non è stato trovato alcun programma di posta</translation>
    </message>
    <message>
        <source>the e-mail program failed</source>
        <translation>il programma di posta ha dato errore</translation>
    </message>
</context>
<context>
    <name>TurnPage</name>
    <message>
        <source>Combat</source>
        <translation>Combattimento</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>non c&apos;è memoria sufficiente per l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>WatchFoldersDialog</name>
    <message>
        <source>Watch folders</source>
        <translation>Cartelle sorvegliate</translation>
    </message>
    <message>
        <source>Watched folders</source>
        <translation>Cartelle sorvegliate</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Aggiungi…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Watch folder</source>
        <translation>Cartella da sorvegliare</translation>
    </message>
</context>
<context>
    <name>WebPAnimationWriter</name>
    <message>
        <source>there is not enough memory for the animation</source>
        <translation>non c&apos;è memoria sufficiente per l&apos;animazione</translation>
    </message>
</context>
<context>
    <name>WebPFileSink</name>
    <message>
        <source>the animation could not be encoded</source>
        <translation>impossibile codificare l&apos;animazione</translation>
    </message>
</context>
<context>
    <name>korva</name>
    <message numerus="yes">
        <source>No games but archived ones (%n).</source>
        <translation>
            <numerusform>Nessuna partita, tranne una archiviata (%n).</numerusform>
            <numerusform>Nessuna partita, tranne quelle archiviate (%n).</numerusform>
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
        <translation>uso:   korva [FILE.krv]
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
        <translation>%1: impossibile creare la cartella</translation>
    </message>
    <message>
        <source>bitmap %1: a picture file for it exists already, kept</source>
        <translation>bitmap %1: un file d&apos;immagine esiste già ed è conservato</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>impossibile codificare l&apos;immagine</translation>
    </message>
</context>
</TS>
