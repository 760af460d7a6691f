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
        <source>WebP pictures (*.webp)</source>
        <translation>Immagini WebP (*.webp)</translation>
    </message>
    <message numerus="yes">
        <source>The game&apos;s %n kept position(s), oldest first, one frame each.</source>
        <translation>
            <numerusform>%n posizione conservata della partita, come un fotogramma.</numerusform>
            <numerusform>%n posizioni conservate della partita, dalla più vecchia, un fotogramma ciascuna.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BannerSection</name>
    <message>
        <source>the first banner text in the banner section</source>
        <translation>il primo testo della sezione intestazioni</translation>
    </message>
    <message>
        <source>the second banner text in the banner section</source>
        <translation>il secondo testo della sezione intestazioni</translation>
    </message>
    <message>
        <source>the third banner text in the banner section</source>
        <translation>il terzo testo della sezione intestazioni</translation>
    </message>
    <message>
        <source>banner text %1 is longer than %2 characters</source>
        <translation>il testo d&apos;intestazione %1 è più lungo di %2 caratteri</translation>
    </message>
</context>
<context>
    <name>ByteStream</name>
    <message>
        <source>the file ends inside %1</source>
        <translation>il file finisce dentro %1</translation>
    </message>
    <message>
        <source>the length of %1</source>
        <translation>%1, lunghezza</translation>
    </message>
    <message>
        <source>the length of %1 is negative (%2)</source>
        <translation>%1, lunghezza negativa (%2)</translation>
    </message>
    <message>
        <source>the length of %1 is %2, more than its box holds (%3)</source>
        <translation>%1, lunghezza %2, più di quanto contenga il suo campo (%3)</translation>
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
    <message>
        <source>Play by server…</source>
        <translation>Gioca tramite server…</translation>
    </message>
    <message>
        <source>Play through a Korva server that carries the turns and draws every die</source>
        <translation>Gioca tramite un server Korva che trasmette i turni e tira ogni dado</translation>
    </message>
</context>
<context>
    <name>CounterSection</name>
    <message>
        <source>the mark of the counters section</source>
        <translation>il segno della sezione pedine</translation>
    </message>
    <message>
        <source>the counter count of the counters section</source>
        <translation>il numero di pedine della sezione pedine</translation>
    </message>
    <message>
        <source>the file ends inside the record of counter %1 in the counters section</source>
        <translation>il file finisce dentro il record della pedina %1 nella sezione pedine</translation>
    </message>
    <message>
        <source>the file ends inside a counter record</source>
        <translation>il file finisce dentro un record di pedina</translation>
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
    <name>DiceRecord</name>
    <message>
        <source>a number</source>
        <translation>un numero</translation>
    </message>
    <message>
        <source>its dice record has a %1 of %2 bytes</source>
        <translation>nel suo record dei dadi %1 ha %2 byte</translation>
    </message>
    <message>
        <source>its dice record ends inside %1</source>
        <translation>il suo record dei dadi finisce dentro %1</translation>
    </message>
    <message>
        <source>its dice record has a %1 of %2 bytes, not 32</source>
        <translation>nel suo record dei dadi %1 ha %2 byte, non 32</translation>
    </message>
    <message>
        <source>secret</source>
        <translation>il segreto</translation>
    </message>
    <message>
        <source>file hash</source>
        <translation>l&apos;hash del file</translation>
    </message>
    <message>
        <source>its fixed dice lack their secret or file hash</source>
        <translation>ai suoi dadi fissati mancano il segreto o l&apos;hash del file</translation>
    </message>
    <message>
        <source>its dice record counts %1 of %2 rolls</source>
        <translation>il suo record dei dadi conta %1 di %2 tiri</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>il commento</translation>
    </message>
    <message>
        <source>its dice record holds roll %1 with die %2</source>
        <translation>il suo record dei dadi contiene il tiro %1 con dado %2</translation>
    </message>
    <message>
        <source>its dice record has bytes after its rolls</source>
        <translation>il suo record dei dadi ha byte dopo i tiri</translation>
    </message>
</context>
<context>
    <name>DiceStats</name>
    <message>
        <source>too few rolls to tell (%1 of %2)</source>
        <translation>troppo pochi tiri per giudicare (%1 di %2)</translation>
    </message>
    <message>
        <source>as expected of a fair die</source>
        <translation>come ci si aspetta da un dado onesto</translation>
    </message>
    <message>
        <source>unusual: 1 in %1 fair dice would be this uneven</source>
        <translation>insolito: 1 dado onesto su %1 sarebbe così irregolare</translation>
    </message>
    <message>
        <source>a little uneven, within what fair dice do</source>
        <translation>un po&apos; irregolare, entro ciò che fanno dadi onesti</translation>
    </message>
    <message>
        <source>unusual: less than 1 in 10^15 fair dice would be this uneven</source>
        <translation>insolito: meno di 1 dado onesto su 10^15 sarebbe così irregolare</translation>
    </message>
</context>
<context>
    <name>DiceStore</name>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>è più grande di 8 MB</translation>
    </message>
    <message>
        <source>line %1 does not read</source>
        <translation>la riga %1 non si legge</translation>
    </message>
    <message>
        <source>it could not be copied aside</source>
        <translation>non si è potuto copiarlo a parte</translation>
    </message>
    <message>
        <source>its sound lines could not be kept: %1</source>
        <translation>non si sono potute conservare le sue righe integre: %1</translation>
    </message>
    <message>
        <source>The dice store %1 was damaged (%2): it was copied aside as %3 and its sound lines were kept.</source>
        <translation>L&apos;archivio dei dadi %1 era danneggiato (%2): è stato copiato a parte come %3 e le sue righe integre sono state conservate.</translation>
    </message>
    <message>
        <source>The dice store %1 is damaged (%2) and %3.</source>
        <translation>L&apos;archivio dei dadi %1 è danneggiato (%2) e %3.</translation>
    </message>
    <message>
        <source>this system has no folder for application data</source>
        <translation>questo sistema non ha una cartella per i dati delle applicazioni</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 è un collegamento simbolico</translation>
    </message>
</context>
<context>
    <name>DiceVerdict</name>
    <message>
        <source>the first turn: there was no secret to draw them from</source>
        <translation>il primo turno: non c&apos;era un segreto da cui estrarli</translation>
    </message>
    <message>
        <source>the file they answered had no dice record</source>
        <translation>il file a cui ha risposto non aveva un record dei dadi</translation>
    </message>
    <message>
        <source>their history no longer held their secret</source>
        <translation>la sua cronologia non conservava più il suo segreto</translation>
    </message>
    <message>
        <source>they rolled freely for a reason this Korva does not know</source>
        <translation>ha tirato liberamente per un motivo che questo Korva non conosce</translation>
    </message>
    <message>
        <source>no rolls were made</source>
        <translation>non è stato fatto alcun tiro</translation>
    </message>
    <message numerus="yes">
        <source>all %n roll(s) verified</source>
        <translation>
            <numerusform>%n tiro, verificato</numerusform>
            <numerusform>tutti i %n tiri verificati</numerusform>
        </translation>
    </message>
    <message>
        <source>the rolls do not match (%1)</source>
        <translation>i tiri non corrispondono (%1)</translation>
    </message>
    <message>
        <source>roll %1 does not match</source>
        <translation>il tiro %1 non corrisponde</translation>
    </message>
    <message numerus="yes">
        <source>roll %1 is missing, %n roll(s) made</source>
        <translation>
            <numerusform>manca il tiro %1, %n tiro fatto</numerusform>
            <numerusform>manca il tiro %1, %n tiri fatti</numerusform>
        </translation>
    </message>
    <message>
        <source>the rolls were withheld: they committed to this turn&apos;s dice in %1 and did not reveal them</source>
        <translation>i tiri sono stati nascosti: si era impegnato sui dadi di questo turno in %1 e non li ha rivelati</translation>
    </message>
    <message>
        <source>the rolls were withheld: they committed to this turn&apos;s dice in %1 and did not reveal them (their file says: %2)</source>
        <translation>i tiri sono stati nascosti: si era impegnato sui dadi di questo turno in %1 e non li ha rivelati (il suo file dice: %2)</translation>
    </message>
    <message>
        <source>rolls not verifiable (%1)</source>
        <translation>tiri non verificabili (%1)</translation>
    </message>
    <message>
        <source>the file carries no dice record</source>
        <translation>il file non porta alcun record dei dadi</translation>
    </message>
    <message>
        <source>the combats are not the rolls listed</source>
        <translation>i combattimenti non sono i tiri elencati</translation>
    </message>
    <message>
        <source>a combat no roll accounts for</source>
        <translation>un combattimento che nessun tiro giustifica</translation>
    </message>
    <message>
        <source>they were rolled against another file than the one you sent</source>
        <translation>sono stati tirati su un file diverso da quello che hai mandato</translation>
    </message>
    <message>
        <source>the secret revealed is not the one their earlier file committed</source>
        <translation>il segreto rivelato non è quello su cui si impegnava il suo file precedente</translation>
    </message>
    <message>
        <source>they were drawn in another way than their earlier file promised</source>
        <translation>sono stati estratti in un modo diverso da quello promesso dal suo file precedente</translation>
    </message>
    <message>
        <source>the file you sent answered no file of theirs</source>
        <translation>il file che hai mandato non rispondeva a nessun suo file</translation>
    </message>
    <message>
        <source>the file of theirs that you answered is not in the history</source>
        <translation>il suo file a cui hai risposto non è nella cronologia</translation>
    </message>
    <message>
        <source>the file of theirs that you answered committed no secret</source>
        <translation>il suo file a cui hai risposto non si impegnava su alcun segreto</translation>
    </message>
    <message>
        <source>the file names no game</source>
        <translation>il file non indica alcuna partita</translation>
    </message>
    <message>
        <source>it is a file you saved yourself</source>
        <translation>è un file che hai salvato tu</translation>
    </message>
    <message>
        <source>the file you sent is not in the history</source>
        <translation>il file che hai mandato non è nella cronologia</translation>
    </message>
</context>
<context>
    <name>EditCommand</name>
    <message>
        <source>move of the stack from %1</source>
        <translation>spostamento della pila da %1</translation>
    </message>
    <message>
        <source>turning over the stack in %1</source>
        <translation>rotazione della pila in %1</translation>
    </message>
    <message>
        <source>return of %1 to its start hex %2</source>
        <translation>ritorno di %1 al suo esagono di partenza %2</translation>
    </message>
    <message>
        <source>move of %1 from %2</source>
        <translation>spostamento di %1 da %2</translation>
    </message>
    <message>
        <source>flip of %1 in %2</source>
        <translation>capovolgimento di %1 in %2</translation>
    </message>
    <message>
        <source>tag of %1 in %2</source>
        <translation>cambio di segnalino di %1 in %2</translation>
    </message>
    <message>
        <source>roll %1 in %2: die %3 (a roll cannot be taken back)</source>
        <translation>tiro %1 in %2: dado %3 (un tiro non si può annullare)</translation>
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
    <message numerus="yes">
        <source>%n roll(s) made earlier against this file came back as combat(s) of this turn: a roll once made stands.</source>
        <translation>
            <numerusform>%n tiro fatto in precedenza su questo file è tornato come combattimento di questo turno: un tiro fatto resta valido.</numerusform>
            <numerusform>%n tiri fatti in precedenza su questo file sono tornati come combattimenti di questo turno: un tiro fatto resta valido.</numerusform>
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
    <message>
        <source>Clear the search</source>
        <translation>Cancella la ricerca</translation>
    </message>
</context>
<context>
    <name>FrameSink</name>
    <message>
        <source>the animation could not be encoded</source>
        <translation>impossibile codificare l&apos;animazione</translation>
    </message>
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
    <name>GameDice</name>
    <message>
        <source>no hex</source>
        <translation>nessun esagono</translation>
    </message>
    <message>
        <source>Turn unknown</source>
        <translation>Turno ignoto</translation>
    </message>
    <message>
        <source>Turn %1 · %2</source>
        <translation>Turno %1 · %2</translation>
    </message>
    <message>
        <source>you</source>
        <translation>tu</translation>
    </message>
    <message>
        <source>opponent</source>
        <translation>avversario</translation>
    </message>
    <message>
        <source>Your rolls</source>
        <translation>I tuoi tiri</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (tu)</translation>
    </message>
    <message>
        <source>Your opponent&apos;s rolls</source>
        <translation>I tiri del tuo avversario</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln roll(s)</source>
        <translation>
            <numerusform>%Ln tiro</numerusform>
            <numerusform>%Ln tiri</numerusform>
        </translation>
    </message>
    <message>
        <source>chi-square %1</source>
        <translation>chi quadro %1</translation>
    </message>
    <message>
        <source>No rolls of this game are in the history.</source>
        <translation>Nella cronologia non ci sono tiri di questa partita.</translation>
    </message>
    <message>
        <source>roll %1</source>
        <translation>tiro %1</translation>
    </message>
    <message>
        <source>no roll</source>
        <translation>nessun tiro</translation>
    </message>
    <message>
        <source>die %1</source>
        <translation>dado %1</translation>
    </message>
    <message>
        <source>Verified: %1</source>
        <translation>Verificati: %1</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Non verificati: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln roll(s) that the files list but no combat of theirs accounts for were left out.</source>
        <translation>
            <numerusform>%Ln tiro elencato nei file ma che nessun loro combattimento giustifica è stato escluso.</numerusform>
            <numerusform>%Ln tiri elencati nei file ma che nessun loro combattimento giustifica sono stati esclusi.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln further roll(s) were not read: the log reads at most %1.</source>
        <translation>
            <numerusform>%Ln altro tiro non è stato letto: il registro ne legge al massimo %1.</numerusform>
            <numerusform>Altri %Ln tiri non sono stati letti: il registro ne legge al massimo %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rolls of %1</source>
        <translation>Tiri di %1</translation>
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
    <message>
        <source>Reading the game&apos;s dice from its history…</source>
        <translation>Lettura dei dadi della partita dalla sua cronologia…</translation>
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
    <message>
        <source>The game&apos;s history kept no copy of %1: %2.</source>
        <translation>La cronologia della partita non ha conservato copia di %1: %2.</translation>
    </message>
    <message>
        <source>this system has no folder for application data</source>
        <translation>questo sistema non ha una cartella per i dati delle applicazioni</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link</source>
        <translation>la cartella %1 è un collegamento simbolico</translation>
    </message>
    <message>
        <source>no free name was found</source>
        <translation>non si è trovato un nome libero</translation>
    </message>
    <message>
        <source>the copy was cut short, most likely by a full disk</source>
        <translation>la copia si è interrotta, molto probabilmente per il disco pieno</translation>
    </message>
</context>
<context>
    <name>GameList</name>
    <message>
        <source>Allies</source>
        <translation>Alleati</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Asse</translation>
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
        <translation>tu: %1 · avversario: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
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
        <translation>Turno ignoto</translation>
    </message>
    <message>
        <source>Turn %1 · %2 to move</source>
        <translation>Turno %1 · muove: %2</translation>
    </message>
    <message>
        <source>your opponent</source>
        <translation>il tuo avversario</translation>
    </message>
    <message>
        <source>the Allies</source>
        <translation>gli Alleati</translation>
    </message>
    <message>
        <source>the Axis</source>
        <translation>l&apos;Asse</translation>
    </message>
    <message>
        <source>new move from %1</source>
        <translation>nuova mossa: %1</translation>
    </message>
    <message>
        <source>your move</source>
        <translation>tocca a te</translation>
    </message>
    <message>
        <source>waiting for %1</source>
        <translation>in attesa: %1</translation>
    </message>
    <message>
        <source>your side: not yet known</source>
        <translation>il tuo schieramento: non ancora noto</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>proprio ora</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minuto fa</numerusform>
            <numerusform>%n minuti fa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n ora fa</numerusform>
            <numerusform>%n ore fa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln giorno fa</numerusform>
            <numerusform>%Ln giorni fa</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, saved %2</source>
        <translation>%1, salvato %2</translation>
    </message>
    <message>
        <source>%1, opened %2</source>
        <translation>%1, aperto %2</translation>
    </message>
    <message>
        <source>refused by the server: %1</source>
        <translation>rifiutato dal server: %1</translation>
    </message>
    <message>
        <source>not yet delivered</source>
        <translation>non ancora consegnato</translation>
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
    <message>
        <source>Turn unknown</source>
        <translation>Turno ignoto</translation>
    </message>
    <message>
        <source>Turn %1 · %2 to move</source>
        <translation>Turno %1 · muove: %2</translation>
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
        <source>%1 is no longer where Korva saw it last. Open (%2) finds it where it is now.</source>
        <translation>%1 non è più dove Korva l&apos;ha visto l&apos;ultima volta. Apri (%2) lo ritrova dov&apos;è ora.</translation>
    </message>
    <message>
        <source>%1 — %2. Click here to open it, or press %3 for the games list.</source>
        <translation>%1 — %2. Fai clic qui per aprirla, o premi %3 per l&apos;elenco delle partite.</translation>
    </message>
    <message>
        <source>New move</source>
        <translation>Nuova mossa</translation>
    </message>
    <message>
        <source>%1: %2, from %3</source>
        <translation>%1: %2, da %3</translation>
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
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
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
    <name>HexAnnouncement</name>
    <message>
        <source>%1, empty</source>
        <translation>%1, vuoto</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>mossa</translation>
    </message>
    <message>
        <source>yet to move</source>
        <translation>da muovere</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 and %n more, %3</source>
        <translation>
            <numerusform>%1, %2 e %n altra, %3</numerusform>
            <numerusform>%1, %2 e altre %n, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HexText</name>
    <message>
        <source>Off board</source>
        <translation>Fuori mappa</translation>
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
    <name>KorvaExtension</name>
    <message>
        <source>its turn start has %1 bytes, not %2</source>
        <translation>il suo inizio turno ha %1 byte, non %2</translation>
    </message>
    <message>
        <source>its turn start of counter %1 lies outside the map or the counter&apos;s steps</source>
        <translation>il suo inizio turno della pedina %1 è fuori dalla mappa o dagli step della pedina</translation>
    </message>
    <message>
        <source>its game id has %1 bytes, not 16</source>
        <translation>il suo id di partita ha %1 byte, non 16</translation>
    </message>
    <message>
        <source>its game id is all zero</source>
        <translation>il suo id di partita è tutto zero</translation>
    </message>
    <message>
        <source>its note is longer than 64 KB</source>
        <translation>la sua nota è più lunga di 64 KB</translation>
    </message>
    <message>
        <source>its note is not UTF-8 text</source>
        <translation>la sua nota non è testo UTF-8</translation>
    </message>
    <message>
        <source>its turn names side %1, not 0 or 1</source>
        <translation>il suo turno indica lo schieramento %1, non 0 o 1</translation>
    </message>
    <message>
        <source>its turn has %1 bytes, not 12</source>
        <translation>il suo turno ha %1 byte, non 12</translation>
    </message>
    <message>
        <source>its turn number %1 is not 1 to 9999</source>
        <translation>il suo numero di turno %1 non è tra 1 e 9999</translation>
    </message>
    <message>
        <source>a name is not a plain line of at most 40 characters</source>
        <translation>un nome non è una semplice riga di al massimo 40 caratteri</translation>
    </message>
    <message>
        <source>its writer&apos;s version has %1 bytes, not 12</source>
        <translation>la versione di chi l&apos;ha scritto ha %1 byte, non 12</translation>
    </message>
    <message>
        <source>its players&apos; names end early</source>
        <translation>i nomi dei suoi giocatori finiscono prima del previsto</translation>
    </message>
    <message>
        <source>a player&apos;s name runs past its record</source>
        <translation>il nome di un giocatore va oltre il suo record</translation>
    </message>
    <message>
        <source>its players&apos; record is longer than the two names</source>
        <translation>il suo record dei giocatori è più lungo dei due nomi</translation>
    </message>
    <message>
        <source>it ends inside a record&apos;s type and length</source>
        <translation>finisce dentro il tipo e la lunghezza di un record</translation>
    </message>
    <message>
        <source>a record of type %1 runs past its end</source>
        <translation>un record di tipo %1 va oltre la sua fine</translation>
    </message>
    <message>
        <source>it holds a record of type %1 twice</source>
        <translation>contiene due volte un record di tipo %1</translation>
    </message>
    <message>
        <source>it holds two dice commitments</source>
        <translation>contiene due impegni sui dadi</translation>
    </message>
    <message>
        <source>its dice commitment has %1 bytes, not 32</source>
        <translation>il suo impegno sui dadi ha %1 byte, non 32</translation>
    </message>
    <message>
        <source>it ends inside its header</source>
        <translation>finisce dentro la sua intestazione</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>è più grande di 1 MB</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>finisce prima del previsto</translation>
    </message>
    <message>
        <source>it has version %1, which this Korva cannot read</source>
        <translation>ha la versione %1, che questo Korva non sa leggere</translation>
    </message>
    <message>
        <source>the turn start holds %1 counters, not %2</source>
        <translation>l&apos;inizio turno contiene %1 pedine, non %2</translation>
    </message>
    <message>
        <source>the note is longer than 64 KB</source>
        <translation>la nota è più lunga di 64 KB</translation>
    </message>
    <message>
        <source>the turn number %1 is not 1 to 9999</source>
        <translation>il numero di turno %1 non è tra 1 e 9999</translation>
    </message>
    <message>
        <source>a player&apos;s name is not a plain line of at most 40 characters</source>
        <translation>il nome di un giocatore non è una semplice riga di al massimo 40 caratteri</translation>
    </message>
    <message>
        <source>the dice commitment is not 32 bytes</source>
        <translation>l&apos;impegno sui dadi non è di 32 byte</translation>
    </message>
    <message>
        <source>Korva&apos;s own data would not read back: %1</source>
        <translation>I dati propri di Korva non si rileggerebbero: %1</translation>
    </message>
    <message>
        <source>Korva&apos;s own data in this file was ignored: %1; the position, combats and banners are read as usual.</source>
        <translation>I dati propri di Korva in questo file sono stati ignorati: %1; la posizione, i combattimenti e le intestazioni si leggono come al solito.</translation>
    </message>
    <message>
        <source>This file holds data of a later Korva: some of its data is not shown.</source>
        <translation>Questo file contiene dati di un Korva più recente: alcuni dei suoi dati non sono mostrati.</translation>
    </message>
    <message>
        <source>This file was made by Korva %1, newer than this one: some of its data is not shown.</source>
        <translation>Questo file è stato creato da Korva %1, più recente di questo: alcuni dei suoi dati non sono mostrati.</translation>
    </message>
    <message>
        <source>This file was made by Korva %1 and holds data this one does not know: some of its data is not shown.</source>
        <translation>Questo file è stato creato da Korva %1 e contiene dati che questo non conosce: alcuni dei suoi dati non sono mostrati.</translation>
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
    <name>MapArt</name>
    <message>
        <source>OFF BOARD</source>
        <translation>FUORI MAPPA</translation>
    </message>
    <message>
        <source>Holding area</source>
        <translation>Area di attesa</translation>
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
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>MoveFileReader</name>
    <message>
        <source>counter %1 starts in hex %2, outside the map</source>
        <translation>la pedina %1 parte dall&apos;esagono %2, fuori dalla mappa</translation>
    </message>
    <message>
        <source>counter %1 stands in hex %2, outside the map</source>
        <translation>la pedina %1 sta nell&apos;esagono %2, fuori dalla mappa</translation>
    </message>
    <message>
        <source>counter %1 has %2 losses, outside 0 to %3</source>
        <translation>la pedina %1 ha %2 perdite, fuori dall&apos;intervallo da 0 a %3</translation>
    </message>
    <message>
        <source>counter %1 has the marker %2, outside 0 to 2</source>
        <translation>la pedina %1 ha il segnalino %2, fuori dall&apos;intervallo da 0 a 2</translation>
    </message>
    <message>
        <source>this is not a move file (wrong counters section mark)</source>
        <translation>questo non è un file di mossa (segno della sezione pedine errato)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it is a folder, not a move file</source>
        <translation>è una cartella, non un file di mossa</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>non è un file ordinario</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>il file non si può leggere: %1</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, over the size limit of %2 bytes for a move file</source>
        <translation>il file è lungo %1 byte, oltre il limite di %2 byte per un file di mossa</translation>
    </message>
    <message>
        <source>the file grew over the size limit of %1 bytes for a move file while it was read</source>
        <translation>il file è cresciuto oltre il limite di %1 byte per un file di mossa mentre veniva letto</translation>
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
    <message>
        <source>File</source>
        <translation>File</translation>
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
    <name>PlayByServerDialog</name>
    <message>
        <source>Play by server</source>
        <translation>Gioca tramite server</translation>
    </message>
    <message>
        <source>https://club.example.org:8080</source>
        <translation>https://club.example.org:8080</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrati</translation>
    </message>
    <message>
        <source>Use this token</source>
        <translation>Usa questo token</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Il tuo nome:</translation>
    </message>
    <message>
        <source>Or your token:</source>
        <translation>Oppure il tuo token:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Make the open game a server game</source>
        <translation>Rendi la partita aperta una partita su server</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Unisciti</translation>
    </message>
    <message>
        <source>Or an invite code:</source>
        <translation>Oppure un codice d&apos;invito:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Give the address of the Korva server your club or tournament hosts.</source>
        <translation>Indica l&apos;indirizzo del server Korva del tuo club o torneo.</translation>
    </message>
    <message>
        <source>You have a token for this server.</source>
        <translation>Hai un token per questo server.</translation>
    </message>
    <message>
        <source>Register a name on this server, or give the token you were given when you registered from another computer.</source>
        <translation>Registra un nome su questo server, oppure indica il token ricevuto quando ti sei registrato da un altro computer.</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Richiesta al server…</translation>
    </message>
    <message>
        <source>Give the name you play under.</source>
        <translation>Indica il nome con cui giochi.</translation>
    </message>
    <message>
        <source>Not registered: %1</source>
        <translation>Non registrato: %1</translation>
    </message>
    <message>
        <source>Registered, but the token could not be kept (%1). Keep it yourself, it is shown only here: %2</source>
        <translation>Registrato, ma il token non è stato conservato (%1). Conservalo tu, viene mostrato solo qui: %2</translation>
    </message>
    <message>
        <source>Registered as %1. To play from another computer you need this token; it is shown only here: %2</source>
        <translation>Registrato come %1. Per giocare da un altro computer ti serve questo token; viene mostrato solo qui: %2</translation>
    </message>
    <message>
        <source>Give the token the server gave you.</source>
        <translation>Indica il token che ti ha dato il server.</translation>
    </message>
    <message>
        <source>The token was not taken: %1</source>
        <translation>Il token non è stato accettato: %1</translation>
    </message>
    <message>
        <source>The token is kept: your games on this server show in the games list.</source>
        <translation>Il token è conservato: le tue partite su questo server compaiono nell&apos;elenco delle partite.</translation>
    </message>
    <message>
        <source>The game was not made: %1</source>
        <translation>La partita non è stata creata: %1</translation>
    </message>
    <message>
        <source>The game was made (invite code %1), but Korva could not keep it as a server game: %2</source>
        <translation>La partita è stata creata (codice d&apos;invito %1), ma Korva non ha potuto conservarla come partita su server: %2</translation>
    </message>
    <message>
        <source>Game %1 made; you play %2. Give your opponent this invite code: %3</source>
        <translation>Partita %1 creata; giochi con %2. Dai al tuo avversario questo codice d&apos;invito: %3</translation>
    </message>
    <message>
        <source>Give the invite code your opponent sent you.</source>
        <translation>Indica il codice d&apos;invito che ti ha inviato il tuo avversario.</translation>
    </message>
    <message>
        <source>The game was not joined: %1</source>
        <translation>Non ti sei unito alla partita: %1</translation>
    </message>
    <message>
        <source>Joined, but Korva could not keep the game as a server game: %1</source>
        <translation>Ti sei unito, ma Korva non ha potuto conservare la partita come partita su server: %1</translation>
    </message>
    <message>
        <source>Joined %1 against %2; you play %3.</source>
        <translation>Ti sei unito a %1 contro %2; giochi con %3.</translation>
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
    <message>
        <source>%1 ; Partial Step/Loss = %2</source>
        <translation>%1 ; Step parziale/Perdite = %2</translation>
    </message>
    <message>
        <source>Korva is not connected to this game&apos;s server</source>
        <translation>Korva non è collegato al server di questa partita</translation>
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
    <message>
        <source>%1 already exists.
Replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>You saved this file yourself, and it shows no move of its turn: most likely you ended your turn in it, and the move is your opponent&apos;s.
Ending the turn again hands the move back to you, and your opponent&apos;s answer to this file will no longer fit the game.</source>
        <translation>Questo file l&apos;avete salvato voi, e non mostra nessun movimento del suo turno: molto probabilmente vi avete concluso il vostro turno, e la mossa spetta all&apos;avversario.
Concludere di nuovo il turno vi restituisce la mossa, e la risposta dell&apos;avversario a questo file non si adatterà più alla partita.</translation>
    </message>
    <message>
        <source>End the turn again</source>
        <translation>Concludi di nuovo il turno</translation>
    </message>
    <message>
        <source>Save, the move stays theirs</source>
        <translation>Salva, la mossa resta all&apos;avversario</translation>
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
    <name>RollsVerdict</name>
    <message>
        <source>its dice were rolled on a player&apos;s computer</source>
        <translation>i suoi dadi sono stati tirati sul computer di un giocatore</translation>
    </message>
    <message>
        <source>its rolls were witnessed by a Korva server, but this is not a game you play through a server, so no key of its server is at hand</source>
        <translation>i suoi tiri sono stati attestati da un server Korva, ma questa non è una partita che giochi tramite un server, quindi non hai la chiave del suo server</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 è una cartella</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file normale</translation>
    </message>
    <message>
        <source>%1 is not writable</source>
        <translation>%1 non è scrivibile</translation>
    </message>
    <message>
        <source>writing failed part-way</source>
        <translation>la scrittura si è interrotta a metà</translation>
    </message>
    <message>
        <source>the save was abandoned</source>
        <translation>il salvataggio è stato abbandonato</translation>
    </message>
    <message>
        <source>the file could not be synced to the disk: %1</source>
        <translation>impossibile sincronizzare il file sul disco: %1</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>impossibile sostituire il file</translation>
    </message>
    <message>
        <source>the file could not be replaced: %1</source>
        <translation>impossibile sostituire il file: %1</translation>
    </message>
    <message>
        <source>the folder could not be synced to the disk: %1</source>
        <translation>impossibile sincronizzare la cartella sul disco: %1</translation>
    </message>
</context>
<context>
    <name>ServerClient</name>
    <message>
        <source>no Korva server answers at %1</source>
        <translation>nessun server Korva risponde a %1</translation>
    </message>
    <message>
        <source>no computer named %1 was found</source>
        <translation>nessun computer di nome %1 è stato trovato</translation>
    </message>
    <message>
        <source>the server at %1 did not answer within %2 seconds</source>
        <translation>il server a %1 non ha risposto entro %2 secondi</translation>
    </message>
    <message>
        <source>the server at %1 could not prove who it is: %2</source>
        <translation>il server a %1 non ha potuto provare chi è: %2</translation>
    </message>
    <message>
        <source>the server at %1 could not be reached: %2</source>
        <translation>il server a %1 non è raggiungibile: %2</translation>
    </message>
    <message>
        <source>a server&apos;s address is http://HOST:PORT or https://HOST:PORT</source>
        <translation>l&apos;indirizzo di un server è http://HOST:PORT o https://HOST:PORT</translation>
    </message>
    <message>
        <source>the server&apos;s answer is too large</source>
        <translation>la risposta del server è troppo grande</translation>
    </message>
    <message>
        <source>the server refused (HTTP %1)</source>
        <translation>il server ha rifiutato (HTTP %1)</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not one Korva can read</source>
        <translation>Korva non sa leggere la risposta del server</translation>
    </message>
    <message>
        <source>one this computer trusts</source>
        <translation>uno di cui questo computer si fida</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>impronta %1</translation>
    </message>
    <message>
        <source>the certificate of the server at %1 is not the one it had when you first used it (%2; now fingerprint %3): someone may stand between you and the server, or its host replaced the certificate. Ask them; if they did, remove %4 to accept the new one</source>
        <translation>il certificato del server a %1 non è quello che aveva quando lo ha usato la prima volta (%2; ora impronta %3): qualcuno potrebbe trovarsi tra lei e il server, oppure chi lo gestisce ha sostituito il certificato. Lo chieda a loro; se è così, elimini %4 per accettare quello nuovo</translation>
    </message>
    <message>
        <source>the server at %1 showed no certificate</source>
        <translation>il server a %1 non ha mostrato alcun certificato</translation>
    </message>
    <message>
        <source>plain HTTP only to this computer; use https://</source>
        <translation>HTTP semplice solo verso questo computer; usi https://</translation>
    </message>
</context>
<context>
    <name>ServerDice</name>
    <message>
        <source>this is not the server game the die was asked for</source>
        <translation>questa non è la partita su server per cui è stato chiesto il dado</translation>
    </message>
    <message>
        <source>the record is not signed by the server&apos;s key pinned for this game</source>
        <translation>il registro non è firmato con la chiave del server fissata per questa partita</translation>
    </message>
    <message>
        <source>the record is not of the roll that was asked</source>
        <translation>il registro non è del tiro che è stato chiesto</translation>
    </message>
    <message>
        <source>the roll asked is not the next one of this move</source>
        <translation>il tiro chiesto non è il prossimo di questa mossa</translation>
    </message>
    <message>
        <source>the record does not follow the move&apos;s roll before it</source>
        <translation>il registro non segue il tiro precedente della mossa</translation>
    </message>
    <message>
        <source>the server&apos;s record is damaged: %1</source>
        <translation>il registro del server è danneggiato: %1</translation>
    </message>
    <message>
        <source>The dice ledger could not keep the comment of roll %1: %2</source>
        <translation>Il registro dei dadi non ha potuto conservare il commento del tiro %1: %2</translation>
    </message>
    <message>
        <source>The comment of roll %1 was lost with the crash; the server&apos;s record of it will not match its combat.</source>
        <translation>Il commento del tiro %1 è andato perso con il crash; il registro del server non corrisponderà al suo combattimento.</translation>
    </message>
</context>
<context>
    <name>ServerFeature</name>
    <message>
        <source>you have no token for this game&apos;s server</source>
        <translation>non hai un token per il server di questa partita</translation>
    </message>
    <message>
        <source>The server&apos;s record of the dice does not match this file.</source>
        <translation>La registrazione dei dadi sul server non corrisponde a questo file.</translation>
    </message>
    <message>
        <source>The server&apos;s record of the dice could not be asked for: %1</source>
        <translation>Non è stato possibile chiedere al server la registrazione dei dadi: %1</translation>
    </message>
    <message>
        <source>The move was saved, but it will not be sent to the server: %1</source>
        <translation>La mossa è stata salvata, ma non sarà inviata al server: %1</translation>
    </message>
    <message>
        <source>The server refused move %1: %2</source>
        <translation>Il server ha rifiutato la mossa %1: %2</translation>
    </message>
    <message>
        <source>Save the game first: the server game is made from its saved move file.</source>
        <translation>Salva prima la partita: la partita su server nasce dal suo file di mossa salvato.</translation>
    </message>
    <message>
        <source>Save your changes first: the server game is made from the saved move file.</source>
        <translation>Salva prima le tue modifiche: la partita su server nasce dal file di mossa salvato.</translation>
    </message>
    <message>
        <source>A move could not be fetched from the server: %1</source>
        <translation>Non è stato possibile scaricare una mossa dal server: %1</translation>
    </message>
    <message>
        <source>New move</source>
        <translation>Nuova mossa</translation>
    </message>
    <message>
        <source>Move %1 of a game played through a server</source>
        <translation>Mossa %1 di una partita giocata tramite server</translation>
    </message>
</context>
<context>
    <name>ServerGames</name>
    <message>
        <source>The list of your server games %1 was not read: %2</source>
        <translation>L&apos;elenco delle tue partite su server %1 non è stato letto: %2</translation>
    </message>
    <message>
        <source>it is larger than any such list</source>
        <translation>è più grande di qualsiasi elenco del genere</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>%1 entries of the list of your server games %2 were damaged and left out</source>
        <translation>%1 voci dell&apos;elenco delle tue partite su server %2 erano danneggiate e sono state tralasciate</translation>
    </message>
    <message>
        <source>the server&apos;s address or key is not one a game can be played on</source>
        <translation>l&apos;indirizzo o la chiave del server non permettono di giocarci una partita</translation>
    </message>
    <message>
        <source>this game is played on %1 already, with another side or server key</source>
        <translation>questa partita si gioca già su %1, con un&apos;altra parte o un&apos;altra chiave del server</translation>
    </message>
    <message>
        <source>the folder of %1 could not be made</source>
        <translation>non è stato possibile creare la cartella di %1</translation>
    </message>
</context>
<context>
    <name>ServerLogCheck</name>
    <message>
        <source>you have no token for this game&apos;s server</source>
        <translation>non hai un token per il server di questa partita</translation>
    </message>
    <message>
        <source>the server&apos;s log holds a damaged record</source>
        <translation>il registro del server contiene una voce danneggiata</translation>
    </message>
</context>
<context>
    <name>ServerRoller</name>
    <message>
        <source>this game&apos;s move is not known, so no die can be asked</source>
        <translation>la mossa di questa partita non è nota, quindi non si può chiedere un dado</translation>
    </message>
</context>
<context>
    <name>ServerWatch</name>
    <message>
        <source>the server did not say ready</source>
        <translation>il server non si è dichiarato pronto</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>il server ha smesso di rispondere</translation>
    </message>
    <message>
        <source>the server refused the token</source>
        <translation>il server ha rifiutato il token</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>la connessione è stata chiusa</translation>
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
        <source>Has Moved</source>
        <translation>Mossa</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Da muovere</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more combat(s) here</source>
        <translation>
            <numerusform>e %Ln altro combattimento qui</numerusform>
            <numerusform>e altri %Ln combattimenti qui</numerusform>
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
    <message>
        <source>Asking the server for the die…</source>
        <translation>Si chiede il dado al server…</translation>
    </message>
    <message>
        <source>The server gave no die: %1</source>
        <translation>Il server non ha dato alcun dado: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>nessuna risposta</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
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
        <source>Second banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (42 characters)</source>
        <translation>Seconda riga d&apos;intestazione: testo libero che parte con ogni file di mossa e che Apri sostituisce con quella dell&apos;avversario (42 caratteri)</translation>
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
        <source>Korva : new game</source>
        <translation>Korva : nuova partita</translation>
    </message>
    <message>
        <source>%1 tool bar</source>
        <translation>Barra degli strumenti %1</translation>
    </message>
    <message>
        <source>More of the %1 tool bar</source>
        <translation>Altro della barra degli strumenti %1</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
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
    <name>TagSection</name>
    <message>
        <source>the mark of the combat section</source>
        <translation>il segno della sezione combattimenti</translation>
    </message>
    <message>
        <source>the combat section is missing (wrong section mark %1)</source>
        <translation>manca la sezione combattimenti (segno di sezione errato %1)</translation>
    </message>
    <message>
        <source>the combat count of the combat section</source>
        <translation>il numero di combattimenti della sezione combattimenti</translation>
    </message>
    <message>
        <source>the combat count is negative (%1)</source>
        <translation>il numero di combattimenti è negativo (%1)</translation>
    </message>
    <message>
        <source>the combat count %1 is more than the file holds</source>
        <translation>il numero di combattimenti %1 è più di quanti ne contenga il file</translation>
    </message>
    <message>
        <source>combat %1 in the combat section</source>
        <translation>il combattimento %1 della sezione combattimenti</translation>
    </message>
    <message>
        <source>combat %1 has the die value %2, outside 1 to 6</source>
        <translation>il combattimento %1 ha il valore di dado %2, fuori dall&apos;intervallo da 1 a 6</translation>
    </message>
    <message>
        <source>a combat comment is longer than %1 characters</source>
        <translation>un commento di combattimento è più lungo di %1 caratteri</translation>
    </message>
</context>
<context>
    <name>Tagger</name>
    <message>
        <source>the record word of %1</source>
        <translation>%1, parola di record</translation>
    </message>
    <message>
        <source>the x position of %1</source>
        <translation>%1, posizione x</translation>
    </message>
    <message>
        <source>the y position of %1</source>
        <translation>%1, posizione y</translation>
    </message>
    <message>
        <source>the die value of %1</source>
        <translation>%1, valore del dado</translation>
    </message>
    <message>
        <source>the comment of %1</source>
        <translation>%1, commento</translation>
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
    <name>TokenStore</name>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 non è stato scritto: %2</translation>
    </message>
</context>
<context>
    <name>TurnDice</name>
    <message>
        <source>the file claims the id of another of your games</source>
        <translation>il file dichiara l&apos;id di un&apos;altra tua partita</translation>
    </message>
    <message>
        <source>no history is kept</source>
        <translation>non si conserva alcuna cronologia</translation>
    </message>
    <message>
        <source>it is a file you saved yourself</source>
        <translation>è un file che hai salvato tu</translation>
    </message>
    <message>
        <source>The dice ledger could not keep roll %1: %2</source>
        <translation>Il registro dei dadi non ha potuto conservare il tiro %1: %2</translation>
    </message>
    <message>
        <source>The dice ledger could not keep the comment of roll %1: %2</source>
        <translation>Il registro dei dadi non ha potuto conservare il commento del tiro %1: %2</translation>
    </message>
    <message>
        <source>The next turn&apos;s dice secret could not be kept, so its dice will roll freely: %1</source>
        <translation>Il segreto dei dadi del prossimo turno non si è potuto conservare, quindi i suoi dadi saranno tirati liberamente: %1</translation>
    </message>
    <message>
        <source>roll %1, verified</source>
        <translation>tiro %1, verificato</translation>
    </message>
    <message>
        <source>roll %1</source>
        <translation>tiro %1</translation>
    </message>
    <message>
        <source>The dice ledger %1 holds roll %2 of this turn, more than a move file can list: its rolls of this turn were not taken.</source>
        <translation>Il registro dei dadi %1 contiene il tiro %2 di questo turno, più di quanti un file di mossa possa elencare: i suoi tiri di questo turno non sono stati presi.</translation>
    </message>
    <message>
        <source>roll %1, does not match</source>
        <translation>tiro %1, non corrisponde</translation>
    </message>
    <message>
        <source>roll %1, witnessed</source>
        <translation>tiro %1, attestato</translation>
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
    <message>
        <source>from the turn&apos;s start the file keeps</source>
        <translation>dall&apos;inizio del turno che il file conserva</translation>
    </message>
    <message>
        <source>from the file&apos;s start hexes</source>
        <translation>dagli esagoni di partenza del file</translation>
    </message>
    <message>
        <source>since your file %1</source>
        <translation>rispetto al tuo file %1</translation>
    </message>
    <message>
        <source>nothing says where the turn began</source>
        <translation>nulla indica dov&apos;è iniziato il turno</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n modifica</numerusform>
            <numerusform>%n modifiche</numerusform>
        </translation>
    </message>
    <message>
        <source>No moves</source>
        <translation>Nessuna mossa</translation>
    </message>
</context>
<context>
    <name>TurnFetcher</name>
    <message>
        <source>the server sent another move</source>
        <translation>il server ha inviato un&apos;altra mossa</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>non è stato possibile creare la cartella %1</translation>
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
    <message>
        <source>My turn: the move file %1 and its move report %2 are attached.
</source>
        <translation>Il mio turno: in allegato il file di mossa %1 e il suo resoconto %2.
</translation>
    </message>
    <message>
        <source>Now: %1.
</source>
        <translation>Ora: %1.
</translation>
    </message>
    <message>
        <source>No combats this turn.
</source>
        <translation>Nessun combattimento in questo turno.
</translation>
    </message>
    <message>
        <source>Combats this turn:
</source>
        <translation>Combattimenti di questo turno:
</translation>
    </message>
    <message>
        <source>
Note:
</source>
        <translation>
Nota:
</translation>
    </message>
    <message>
        <source>%1 was not found or could not be run (it comes with the xdg-utils package).</source>
        <translation>%1 non è stato trovato o non si è potuto avviare (fa parte del pacchetto xdg-utils).</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2%3).</source>
        <translation>%1 non è riuscito (stato di uscita %2%3).</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared: </source>
        <translation>Impossibile preparare l&apos;e-mail: </translation>
    </message>
    <message>
        <source>

Attach %1 and %2 by hand; they are in
%3</source>
        <translation>

Allega a mano %1 e %2; si trovano in
%3</translation>
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
    <message>
        <source>Korva: %1</source>
        <translation>Korva: %1</translation>
    </message>
    <message>
        <source>Allies</source>
        <translation>Alleati</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>Intestazioni</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Combats</source>
        <translation>Combattimenti</translation>
    </message>
    <message>
        <source>No combats</source>
        <translation>Nessun combattimento</translation>
    </message>
    <message>
        <source>Made with Korva</source>
        <translation>Creato con Korva</translation>
    </message>
    <message>
        <source>not named</source>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Dal file</translation>
    </message>
    <message>
        <source>The map where the turn&apos;s moves and combats took place</source>
        <translation>La mappa dove si sono svolti i movimenti e i combattimenti del turno</translation>
    </message>
    <message>
        <source>No counter changed</source>
        <translation>Nessuna pedina è cambiata</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a side: its player</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>TurnSender</name>
    <message>
        <source>the saved file could not be read again, or is over 1 MiB</source>
        <translation>non è stato possibile rileggere il file salvato, oppure supera 1 MiB</translation>
    </message>
</context>
<context>
    <name>UploadQueue</name>
    <message>
        <source>a queued upload was damaged and is set aside as %1; its turn must be saved again</source>
        <translation>un caricamento in coda era danneggiato ed è stato messo da parte come %1; il suo turno va salvato di nuovo</translation>
    </message>
    <message>
        <source>a queued upload is damaged and could not be set aside: %1</source>
        <translation>un caricamento in coda è danneggiato e non è stato possibile metterlo da parte: %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>non è stato possibile creare la cartella %1</translation>
    </message>
    <message>
        <source>you have no token for this server; register first</source>
        <translation>non ha un token per questo server; si registri prima</translation>
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
    <name>WitnessRecord</name>
    <message>
        <source>a witnessed roll has %1 bytes, not %2</source>
        <translation>un tiro testimoniato ha %1 byte, non %2</translation>
    </message>
    <message>
        <source>a witnessed roll is of a form this Korva does not know</source>
        <translation>un tiro testimoniato ha una forma che questo Korva non conosce</translation>
    </message>
    <message>
        <source>a witnessed roll has number %1 and die %2</source>
        <translation>un tiro testimoniato ha il numero %1 e il dado %2</translation>
    </message>
    <message>
        <source>its witnessed rolls end inside their count</source>
        <translation>i suoi tiri testimoniati finiscono a metà del loro conteggio</translation>
    </message>
    <message>
        <source>its witnessed rolls count %1 in %2 bytes</source>
        <translation>i suoi tiri testimoniati sono %1 in %2 byte</translation>
    </message>
</context>
<context>
    <name>WitnessVerdict</name>
    <message>
        <source>no rolls were asked of the server</source>
        <translation>al server non è stato chiesto nessun tiro</translation>
    </message>
    <message>
        <source>the one roll was witnessed by the server</source>
        <translation>il solo tiro è stato attestato dal server</translation>
    </message>
    <message>
        <source>all %1 rolls witnessed by the server</source>
        <translation>tutti i %1 tiri attestati dal server</translation>
    </message>
    <message>
        <source>roll %1 was rolled on the server but is not in this file</source>
        <translation>il tiro %1 è stato fatto sul server ma non è in questo file</translation>
    </message>
    <message>
        <source>the rolls do not match the server&apos;s records (%1)</source>
        <translation>i tiri non corrispondono ai registri del server (%1)</translation>
    </message>
    <message>
        <source>roll %1 does not match the server&apos;s record (%2)</source>
        <translation>il tiro %1 non corrisponde al registro del server (%2)</translation>
    </message>
    <message>
        <source>not signed by the server&apos;s key</source>
        <translation>non firmato con la chiave del server</translation>
    </message>
    <message>
        <source>rolled for another game or turn</source>
        <translation>tirato per un&apos;altra partita o un altro turno</translation>
    </message>
    <message>
        <source>listed twice or out of order</source>
        <translation>elencato due volte o fuori ordine</translation>
    </message>
    <message>
        <source>it does not follow the roll before</source>
        <translation>non segue il tiro precedente</translation>
    </message>
    <message>
        <source>the server&apos;s log differs</source>
        <translation>il registro del server è diverso</translation>
    </message>
    <message>
        <source>the server&apos;s log lacks it</source>
        <translation>manca nel registro del server</translation>
    </message>
    <message>
        <source>the combat is not the one the server witnessed</source>
        <translation>il combattimento non è quello attestato dal server</translation>
    </message>
    <message>
        <source>a combat no witnessed roll accounts for</source>
        <translation>un combattimento a cui non corrisponde nessun tiro attestato</translation>
    </message>
    <message>
        <source>no combat of the file shows it</source>
        <translation>nessun combattimento del file lo mostra</translation>
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
    <message>
        <source>%1 (korva --help lists the uses)</source>
        <translation>%1 (korva --help elenca gli usi)</translation>
    </message>
    <message>
        <source>the file claims the id of another of your games</source>
        <translation>il file dichiara l&apos;id di un&apos;altra tua partita</translation>
    </message>
    <message>
        <source>no history is kept</source>
        <translation>non si conserva alcuna cronologia</translation>
    </message>
    <message>
        <source>it claims the id of another of your games</source>
        <translation>dichiara l&apos;id di un&apos;altra tua partita</translation>
    </message>
    <message>
        <source>the history knows no game of this file</source>
        <translation>la cronologia non conosce alcuna partita di questo file</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>ignoto</translation>
    </message>
    <message>
        <source>Allies</source>
        <translation>Alleati</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>game</source>
        <translation>partita</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>turno</translation>
    </message>
    <message>
        <source>to move</source>
        <translation>muove</translation>
    </message>
    <message>
        <source>moves first</source>
        <translation>muove per primo</translation>
    </message>
    <message>
        <source>allies player</source>
        <translation>giocatore alleati</translation>
    </message>
    <message>
        <source>axis player</source>
        <translation>giocatore asse</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 caratteri</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>mosse</translation>
    </message>
    <message>
        <source>combats</source>
        <translation>combattimenti</translation>
    </message>
    <message>
        <source>korva block</source>
        <translation>blocco korva</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>assente</translation>
    </message>
    <message>
        <source>valid</source>
        <translation>valido</translation>
    </message>
    <message>
        <source>damaged: </source>
        <translation>danneggiato: </translation>
    </message>
    <message>
        <source>written by</source>
        <translation>scritto da</translation>
    </message>
    <message>
        <source>unknown records</source>
        <translation>record ignoti</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>non c&apos;è memoria sufficiente per l&apos;immagine</translation>
    </message>
    <message>
        <source>%1 takes other arguments</source>
        <translation>%1 vuole altri argomenti</translation>
    </message>
    <message>
        <source>--zoom takes a percentage from 25 to 400, not %1</source>
        <translation>--zoom vuole una percentuale da 25 a 400, non %1</translation>
    </message>
    <message>
        <source>--since goes with --moves</source>
        <translation>--since va con --moves</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>only one move file can be opened at a time</source>
        <translation>si può aprire un solo file di mossa alla volta</translation>
    </message>
    <message>
        <source>--frame-ms takes milliseconds from 20 to 60000, not %1</source>
        <translation>--frame-ms vuole millisecondi da 20 a 60000, non %1</translation>
    </message>
    <message>
        <source>--animate takes other arguments</source>
        <translation>--animate vuole altri argomenti</translation>
    </message>
    <message>
        <source>--animate takes an output and at least one move file</source>
        <translation>--animate vuole un&apos;uscita e almeno un file di mossa</translation>
    </message>
    <message>
        <source>--frame-ms goes with an animated WebP, not with --frames</source>
        <translation>--frame-ms va con un WebP animato, non con --frames</translation>
    </message>
    <message>
        <source>--export-turn takes other arguments</source>
        <translation>--export-turn vuole altri argomenti</translation>
    </message>
    <message>
        <source>No games in the history yet.</source>
        <translation>Ancora nessuna partita nella cronologia.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no game</comment>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no player</comment>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <source>the server&apos;s key is not the one it had when you first used it (its fingerprint was %1, now %2); if its host changed the key, ask them</source>
        <translation>la chiave del server non è quella che aveva quando l&apos;hai usato la prima volta (la sua impronta era %1, ora %2); se chi lo ospita ha cambiato la chiave, chiedi a lui</translation>
    </message>
    <message>
        <source>you have no token for this server: register first with korva --server %1 --register NAME</source>
        <translation>non hai un token per questo server: registrati prima con korva --server %1 --register NAME</translation>
    </message>
    <message>
        <source>you are registered on this server already</source>
        <translation>sei già registrato su questo server</translation>
    </message>
    <message>
        <source>the token could not be kept (%1); it is shown once here: %2</source>
        <translation>il token non è stato conservato (%1); è mostrato una volta qui: %2</translation>
    </message>
    <message>
        <source>registered as %1; keep this token to play from another computer:</source>
        <translation>registrato come %1; conserva questo token per giocare da un altro computer:</translation>
    </message>
    <message>
        <source>the file names no game or turn of Korva&apos;s; save it in Korva first</source>
        <translation>il file non indica nessuna partita né turno di Korva; salvalo prima in Korva</translation>
    </message>
    <message>
        <source>the server made the game but gave no invite code</source>
        <translation>il server ha creato la partita ma non ha dato nessun codice d&apos;invito</translation>
    </message>
    <message>
        <source>game %1 made; you play %2. Give your opponent this invite code:</source>
        <translation>partita %1 creata; giochi con %2. Dai al tuo avversario questo codice d&apos;invito:</translation>
    </message>
    <message>
        <source>joined %1 against %2; you play %3</source>
        <translation>ti sei unito a %1 contro %2; giochi con %3</translation>
    </message>
    <message>
        <source>not joined yet (invite code %1)</source>
        <translation>non ancora entrato (codice d&apos;invito %1)</translation>
    </message>
    <message>
        <source>not joined yet</source>
        <translation>non ancora entrato</translation>
    </message>
    <message>
        <source>Move %1 · %2 to move</source>
        <translation>Mossa %1 · muove: %2</translation>
    </message>
    <message>
        <source>waiting for an opponent to join</source>
        <translation>in attesa che un avversario entri</translation>
    </message>
    <message>
        <source>The games on %1 could not be listed: %2</source>
        <translation>Non è stato possibile elencare le partite su %1: %2</translation>
    </message>
    <message>
        <source>On the server %1:</source>
        <translation>Sul server %1:</translation>
    </message>
    <message>
        <source>No games on this server yet.</source>
        <translation>Ancora nessuna partita su questo server.</translation>
    </message>
    <message>
        <source>first contact; the server&apos;s certificate has the fingerprint %1 and is kept: a different one will be refused</source>
        <translation>primo contatto; il certificato del server ha l&apos;impronta %1 ed è conservato: uno diverso sarà rifiutato</translation>
    </message>
    <message>
        <source>no key is pinned for this server</source>
        <translation>per questo server non è fissata nessuna chiave</translation>
    </message>
    <message>
        <source>the game was made (invite code %1) but Korva could not keep it as a server game: %2</source>
        <translation>la partita è stata creata (codice d&apos;invito %1), ma Korva non ha potuto conservarla come partita su server: %2</translation>
    </message>
    <message>
        <source>joined, but Korva could not keep the game as a server game: %1</source>
        <translation>ti sei unito, ma Korva non ha potuto conservare la partita come partita su server: %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Mossa %1</translation>
    </message>
</context>
</TS>
