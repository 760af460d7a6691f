<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Animation</name>
    <message>
        <source>there is not enough memory for the animation</source>
        <translation>für die Animation reicht der Speicher nicht</translation>
    </message>
</context>
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Export game as animation</source>
        <translation>Partie als Animation exportieren</translation>
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
        <translation>Jedes Bild:</translation>
    </message>
    <message>
        <source>An animated WebP picture</source>
        <translation>Ein animiertes WebP-Bild</translation>
    </message>
    <message>
        <source>A folder of numbered PNG pictures</source>
        <translation>Ein Ordner nummerierter PNG-Bilder</translation>
    </message>
    <message>
        <source>As:</source>
        <translation>Als:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Nach:</translation>
    </message>
    <message>
        <source>WebP pictures (*.webp)</source>
        <translation>WebP-Bilder (*.webp)</translation>
    </message>
    <message numerus="yes">
        <source>The game&apos;s %n kept position(s), oldest first, one frame each.</source>
        <translation>
            <numerusform>Die %n aufbewahrte Stellung der Partie, als ein Einzelbild.</numerusform>
            <numerusform>Die %n aufbewahrten Stellungen der Partie, älteste zuerst, je ein Einzelbild.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BannerSection</name>
    <message>
        <source>the first banner text in the banner section</source>
        <translation>Bannertext 1 im Bannerabschnitt</translation>
    </message>
    <message>
        <source>the second banner text in the banner section</source>
        <translation>Bannertext 2 im Bannerabschnitt</translation>
    </message>
    <message>
        <source>the third banner text in the banner section</source>
        <translation>Bannertext 3 im Bannerabschnitt</translation>
    </message>
    <message>
        <source>banner text %1 is longer than %2 characters</source>
        <translation>Bannertext %1 ist länger als %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>ByteStream</name>
    <message>
        <source>the file ends inside %1</source>
        <translation>die Datei endet vorzeitig, in: %1</translation>
    </message>
    <message>
        <source>the length of %1</source>
        <translation>Länge von %1</translation>
    </message>
    <message>
        <source>the length of %1 is negative (%2)</source>
        <translation>die Länge von %1 ist negativ (%2)</translation>
    </message>
    <message>
        <source>the length of %1 is %2, more than its box holds (%3)</source>
        <translation>die Länge von %1 ist %2, mehr als das Feld fasst (%3)</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Recent move files</source>
        <translation>Letzte Zugdateien</translation>
    </message>
    <message>
        <source>The move files opened or saved last</source>
        <translation>Die zuletzt geöffneten oder gespeicherten Zugdateien</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Put back the change last taken back</source>
        <translation>Die zuletzt rückgängig gemachte Änderung wiederherstellen</translation>
    </message>
    <message>
        <source>The turn&apos;s edits</source>
        <translation>Bearbeitungen</translation>
    </message>
    <message>
        <source>Every step of this turn, to go back to any of them</source>
        <translation>Jeder Schritt dieses Zuges, um zu jedem davon zurückzukehren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Korva</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <source>Send by e-mail</source>
        <translation>Per E-Mail</translation>
    </message>
    <message>
        <source>Send the saved turn by e-mail</source>
        <translation>Den gespeicherten Zug per E-Mail senden</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>The menu of the hex</source>
        <translation>Das Menü des Hexfelds</translation>
    </message>
    <message>
        <source>Turn the stack over</source>
        <translation>Stapel durchblättern</translation>
    </message>
    <message>
        <source>Turn the stack over: the next counter comes to the top</source>
        <translation>Stapel durchblättern: der nächste Spielstein kommt nach oben</translation>
    </message>
    <message>
        <source>Hex cursor left</source>
        <translation>Hexfeld-Cursor nach links</translation>
    </message>
    <message>
        <source>The hex cursor one column left</source>
        <translation>Den Hexfeld-Cursor eine Spalte nach links</translation>
    </message>
    <message>
        <source>Hex cursor right</source>
        <translation>Hexfeld-Cursor nach rechts</translation>
    </message>
    <message>
        <source>The hex cursor one column right</source>
        <translation>Den Hexfeld-Cursor eine Spalte nach rechts</translation>
    </message>
    <message>
        <source>Hex cursor up</source>
        <translation>Hexfeld-Cursor nach oben</translation>
    </message>
    <message>
        <source>The hex cursor one hex up</source>
        <translation>Den Hexfeld-Cursor ein Hexfeld nach oben</translation>
    </message>
    <message>
        <source>Hex cursor down</source>
        <translation>Hexfeld-Cursor nach unten</translation>
    </message>
    <message>
        <source>The hex cursor one hex down</source>
        <translation>Den Hexfeld-Cursor ein Hexfeld nach unten</translation>
    </message>
    <message>
        <source>Pick up or drop</source>
        <translation>Aufnehmen oder ablegen</translation>
    </message>
    <message>
        <source>Pick up the top counter of the cursor&apos;s hex; drop the one held</source>
        <translation>Den obersten Spielstein im Hexfeld des Cursors aufnehmen; den gehaltenen ablegen</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Zurücklegen</translation>
    </message>
    <message>
        <source>Put the counter held back: nothing moves</source>
        <translation>Den gehaltenen Spielstein zurücklegen: nichts bewegt sich</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Nach links rollen</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Nach rechts rollen</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Nach oben rollen</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Nach unten rollen</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Seite nach oben</translation>
    </message>
    <message>
        <source>A view&apos;s height up</source>
        <translation>Eine Ansichtshöhe nach oben</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Seite nach unten</translation>
    </message>
    <message>
        <source>A view&apos;s height down</source>
        <translation>Eine Ansichtshöhe nach unten</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Seite nach links</translation>
    </message>
    <message>
        <source>A view&apos;s width left</source>
        <translation>Eine Ansichtsbreite nach links</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Seite nach rechts</translation>
    </message>
    <message>
        <source>A view&apos;s width right</source>
        <translation>Eine Ansichtsbreite nach rechts</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>The map at 100%</source>
        <translation>Die Karte bei 100 %</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>An Breite anpassen</translation>
    </message>
    <message>
        <source>Fit width: the map&apos;s width fills the view</source>
        <translation>An Breite anpassen: die Breite der Karte füllt die Ansicht</translation>
    </message>
    <message>
        <source>Fit window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Fit window: as much of the map as the view holds, 25% at least</source>
        <translation>An Fenster anpassen: so viel der Karte, wie die Ansicht fasst, mindestens 25 %</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Overview of the whole map</source>
        <translation>Übersicht über die ganze Karte</translation>
    </message>
    <message>
        <source>Readable losses</source>
        <translation>Lesbare Verluste</translation>
    </message>
    <message>
        <source>Readable losses: the number over each counter</source>
        <translation>Lesbare Verluste: die Zahl über jedem Spielstein</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Einheit suchen</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>The next unit found</source>
        <translation>Die nächste gefundene Einheit</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>The previous unit found</source>
        <translation>Die vorige gefundene Einheit</translation>
    </message>
    <message>
        <source>Order of battle</source>
        <translation>Schlachtordnung</translation>
    </message>
    <message>
        <source>Show moves</source>
        <translation>Bewegungen</translation>
    </message>
    <message>
        <source>Show the turn&apos;s moves</source>
        <translation>Die Bewegungen des Zuges zeigen</translation>
    </message>
    <message>
        <source>The turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>The turn as a list</source>
        <translation>Der Zug als Liste</translation>
    </message>
    <message>
        <source>Replay turn</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Replay the turn&apos;s moves</source>
        <translation>Die Bewegungen des Zuges abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play or pause the replay</source>
        <translation>Wiedergabe abspielen oder anhalten</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>One step of the replay</source>
        <translation>Ein Schritt der Wiedergabe</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste</translation>
    </message>
    <message>
        <source>The game&apos;s first kept position</source>
        <translation>Die erste aufbewahrte Stellung der Partie</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>The kept position before this one</source>
        <translation>Die aufbewahrte Stellung vor dieser</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste</translation>
    </message>
    <message>
        <source>The kept position after this one</source>
        <translation>Die aufbewahrte Stellung nach dieser</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte</translation>
    </message>
    <message>
        <source>The game&apos;s newest kept position</source>
        <translation>Die neueste aufbewahrte Stellung der Partie</translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>The game as it stands</source>
        <translation>Die Partie, wie sie jetzt steht</translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation>Vergleich…</translation>
    </message>
    <message>
        <source>Show the changes since another move file</source>
        <translation>Die Änderungen seit einer anderen Zugdatei zeigen</translation>
    </message>
    <message>
        <source>Note…</source>
        <translation>Notiz…</translation>
    </message>
    <message>
        <source>A note to the opponent, sent with the next save</source>
        <translation>Eine Notiz an den Gegner, gesendet mit dem nächsten Speichern</translation>
    </message>
    <message>
        <source>Players and turn…</source>
        <translation>Spieler und Zug…</translation>
    </message>
    <message>
        <source>Who plays which side; the turn of a game whose files never said it</source>
        <translation>Wer welche Seite spielt; der Zug einer Partie, deren Dateien ihn nie nannten</translation>
    </message>
    <message>
        <source>The game&apos;s dice…</source>
        <translation>Würfel der Partie…</translation>
    </message>
    <message>
        <source>Every roll of the game, and how fair each die looks</source>
        <translation>Jeder Wurf der Partie, und wie fair jeder Würfel aussieht</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partien</translation>
    </message>
    <message>
        <source>Every game you play, and whose move it is</source>
        <translation>Jede Ihrer Partien, und wer am Zug ist</translation>
    </message>
    <message>
        <source>Go to turn…</source>
        <translation>Zu Zug…</translation>
    </message>
    <message>
        <source>The kept position a chosen turn began from</source>
        <translation>Die aufbewahrte Stellung, mit der ein gewählter Zug begann</translation>
    </message>
    <message>
        <source>Export picture…</source>
        <translation>Bild exportieren…</translation>
    </message>
    <message>
        <source>The map as a PNG picture, whole or the part in view</source>
        <translation>Die Karte als PNG-Bild, ganz oder der sichtbare Teil</translation>
    </message>
    <message>
        <source>Export turn as web page…</source>
        <translation>Zug als Webseite exportieren…</translation>
    </message>
    <message>
        <source>The turn as one web page: the map around its moves, the changes, the combats and the note</source>
        <translation>Der Zug als eine Webseite: die Karte um seine Bewegungen, die Änderungen, die Kämpfe und die Notiz</translation>
    </message>
    <message>
        <source>Export game as animation…</source>
        <translation>Partie als Animation exportieren…</translation>
    </message>
    <message>
        <source>Every kept position of the game, one frame each, as an animation</source>
        <translation>Jede aufbewahrte Stellung der Partie, je ein Einzelbild, als Animation</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Letzte Bewegung zurücknehmen</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Ganzer Stapel</translation>
    </message>
    <message>
        <source>Hide Combat Tags</source>
        <translation>Kampfmarkierungen ausblenden</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Umdrehen</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Return to start hex</source>
        <translation>Zurück ins Starthexfeld</translation>
    </message>
    <message>
        <source>Combat</source>
        <translation>Kampf</translation>
    </message>
    <message>
        <source>Show Combat</source>
        <translation>Kampf zeigen</translation>
    </message>
    <message>
        <source>Language…</source>
        <translation>Sprache…</translation>
    </message>
    <message>
        <source>The language Korva speaks, from its next start</source>
        <translation>Die Sprache, die Korva ab dem nächsten Start spricht</translation>
    </message>
    <message>
        <source>Play by server…</source>
        <translation>Über einen Server spielen…</translation>
    </message>
    <message>
        <source>Play through a Korva server that carries the turns and draws every die</source>
        <translation>Über einen Korva-Server spielen, der die Züge überbringt und jeden Würfel wirft</translation>
    </message>
</context>
<context>
    <name>CounterSection</name>
    <message>
        <source>the mark of the counters section</source>
        <translation>Kennung des Spielsteinabschnitts</translation>
    </message>
    <message>
        <source>the counter count of the counters section</source>
        <translation>Spielsteinzahl des Spielsteinabschnitts</translation>
    </message>
    <message>
        <source>the file ends inside the record of counter %1 in the counters section</source>
        <translation>die Datei endet vorzeitig, im Eintrag von Spielstein %1 im Spielsteinabschnitt</translation>
    </message>
    <message>
        <source>the file ends inside a counter record</source>
        <translation>die Datei endet vorzeitig, in einem Spielsteineintrag</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>DiceRecord</name>
    <message>
        <source>a number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>its dice record has a %1 of %2 bytes</source>
        <translation>die Würfelaufzeichnung hat %1 mit %2 Bytes</translation>
    </message>
    <message>
        <source>its dice record ends inside %1</source>
        <translation>die Würfelaufzeichnung endet vorzeitig, in: %1</translation>
    </message>
    <message>
        <source>its dice record has a %1 of %2 bytes, not 32</source>
        <translation>die Würfelaufzeichnung hat %1 mit %2 Bytes, nicht 32</translation>
    </message>
    <message>
        <source>secret</source>
        <translation>Geheimnis</translation>
    </message>
    <message>
        <source>file hash</source>
        <translation>Datei-Hash</translation>
    </message>
    <message>
        <source>its fixed dice lack their secret or file hash</source>
        <translation>den festgelegten Würfeln fehlt Geheimnis oder Datei-Hash</translation>
    </message>
    <message>
        <source>its dice record counts %1 of %2 rolls</source>
        <translation>die Würfelaufzeichnung zählt %1 von %2 Würfen</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>its dice record holds roll %1 with die %2</source>
        <translation>die Würfelaufzeichnung enthält Wurf %1 mit Würfel %2</translation>
    </message>
    <message>
        <source>its dice record has bytes after its rolls</source>
        <translation>die Würfelaufzeichnung hat Bytes nach ihren Würfen</translation>
    </message>
</context>
<context>
    <name>DiceStats</name>
    <message>
        <source>too few rolls to tell (%1 of %2)</source>
        <translation>zu wenige Würfe für ein Urteil (%1 von %2)</translation>
    </message>
    <message>
        <source>as expected of a fair die</source>
        <translation>wie von einem fairen Würfel zu erwarten</translation>
    </message>
    <message>
        <source>unusual: 1 in %1 fair dice would be this uneven</source>
        <translation>ungewöhnlich: nur 1 von %1 fairen Würfeln wäre so ungleichmäßig</translation>
    </message>
    <message>
        <source>a little uneven, within what fair dice do</source>
        <translation>etwas ungleichmäßig, im Rahmen dessen, was faire Würfel tun</translation>
    </message>
    <message>
        <source>unusual: less than 1 in 10^15 fair dice would be this uneven</source>
        <translation>ungewöhnlich: weniger als 1 von 10^15 fairen Würfeln wäre so ungleichmäßig</translation>
    </message>
</context>
<context>
    <name>DiceStore</name>
    <message>
        <source>it is larger than 8 MB</source>
        <translation>er ist größer als 8 MB</translation>
    </message>
    <message>
        <source>line %1 does not read</source>
        <translation>Zeile %1 ist nicht lesbar</translation>
    </message>
    <message>
        <source>it could not be copied aside</source>
        <translation>er konnte nicht beiseitekopiert werden</translation>
    </message>
    <message>
        <source>its sound lines could not be kept: %1</source>
        <translation>seine intakten Zeilen konnten nicht behalten werden: %1</translation>
    </message>
    <message>
        <source>The dice store %1 was damaged (%2): it was copied aside as %3 and its sound lines were kept.</source>
        <translation>Der Würfelspeicher %1 war beschädigt (%2): er wurde als %3 beiseitekopiert, und seine intakten Zeilen wurden behalten.</translation>
    </message>
    <message>
        <source>The dice store %1 is damaged (%2) and %3.</source>
        <translation>Der Würfelspeicher %1 ist beschädigt (%2), und %3.</translation>
    </message>
    <message>
        <source>this system has no folder for application data</source>
        <translation>dieses System hat keinen Ordner für Anwendungsdaten</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist eine symbolische Verknüpfung</translation>
    </message>
</context>
<context>
    <name>DiceVerdict</name>
    <message>
        <source>the first turn: there was no secret to draw them from</source>
        <translation>der erste Zug: es gab kein Geheimnis, aus dem sie gezogen werden konnten</translation>
    </message>
    <message>
        <source>the file they answered had no dice record</source>
        <translation>die Datei, die der Gegner beantwortete, hatte keine Würfelaufzeichnung</translation>
    </message>
    <message>
        <source>their history no longer held their secret</source>
        <translation>der Verlauf des Gegners enthielt dessen Geheimnis nicht mehr</translation>
    </message>
    <message>
        <source>they rolled freely for a reason this Korva does not know</source>
        <translation>der Gegner würfelte frei, aus einem Grund, den dieses Korva nicht kennt</translation>
    </message>
    <message>
        <source>no rolls were made</source>
        <translation>es wurde nicht gewürfelt</translation>
    </message>
    <message numerus="yes">
        <source>all %n roll(s) verified</source>
        <translation>
            <numerusform>%n Wurf geprüft</numerusform>
            <numerusform>alle %n Würfe geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>the rolls do not match (%1)</source>
        <translation>die Würfe stimmen nicht überein (%1)</translation>
    </message>
    <message>
        <source>roll %1 does not match</source>
        <translation>Wurf %1 stimmt nicht überein</translation>
    </message>
    <message numerus="yes">
        <source>roll %1 is missing, %n roll(s) made</source>
        <translation>
            <numerusform>Wurf %1 fehlt, %n Wurf gemacht</numerusform>
            <numerusform>Wurf %1 fehlt, %n Würfe gemacht</numerusform>
        </translation>
    </message>
    <message>
        <source>the rolls were withheld: they committed to this turn&apos;s dice in %1 and did not reveal them</source>
        <translation>die Würfe wurden zurückgehalten: der Gegner hat sich in %1 auf die Würfel dieses Zuges festgelegt und sie nicht offengelegt</translation>
    </message>
    <message>
        <source>the rolls were withheld: they committed to this turn&apos;s dice in %1 and did not reveal them (their file says: %2)</source>
        <translation>die Würfe wurden zurückgehalten: der Gegner hat sich in %1 auf die Würfel dieses Zuges festgelegt und sie nicht offengelegt (seine Datei sagt: %2)</translation>
    </message>
    <message>
        <source>rolls not verifiable (%1)</source>
        <translation>Würfe nicht prüfbar (%1)</translation>
    </message>
    <message>
        <source>the file carries no dice record</source>
        <translation>die Datei enthält keine Würfelaufzeichnung</translation>
    </message>
    <message>
        <source>the combats are not the rolls listed</source>
        <translation>die Kämpfe sind nicht die aufgeführten Würfe</translation>
    </message>
    <message>
        <source>a combat no roll accounts for</source>
        <translation>ein Kampf, zu dem kein Wurf gehört</translation>
    </message>
    <message>
        <source>they were rolled against another file than the one you sent</source>
        <translation>sie wurden gegen eine andere Datei gewürfelt als die, die Sie geschickt haben</translation>
    </message>
    <message>
        <source>the secret revealed is not the one their earlier file committed</source>
        <translation>das offengelegte Geheimnis ist nicht das, auf das sich die frühere Datei des Gegners festlegte</translation>
    </message>
    <message>
        <source>they were drawn in another way than their earlier file promised</source>
        <translation>sie wurden anders gezogen, als die frühere Datei des Gegners versprach</translation>
    </message>
    <message>
        <source>the file you sent answered no file of theirs</source>
        <translation>die Datei, die Sie geschickt haben, beantwortete keine Datei des Gegners</translation>
    </message>
    <message>
        <source>the file of theirs that you answered is not in the history</source>
        <translation>die Datei des Gegners, die Sie beantwortet haben, ist nicht im Verlauf</translation>
    </message>
    <message>
        <source>the file of theirs that you answered committed no secret</source>
        <translation>die Datei des Gegners, die Sie beantwortet haben, legte sich auf kein Geheimnis fest</translation>
    </message>
    <message>
        <source>the file names no game</source>
        <translation>die Datei nennt keine Partie</translation>
    </message>
    <message>
        <source>it is a file you saved yourself</source>
        <translation>es ist eine Datei, die Sie selbst gespeichert haben</translation>
    </message>
    <message>
        <source>the file you sent is not in the history</source>
        <translation>die Datei, die Sie geschickt haben, ist nicht im Verlauf</translation>
    </message>
</context>
<context>
    <name>EditCommand</name>
    <message>
        <source>move of the stack from %1</source>
        <translation>Bewegung des Stapels aus %1</translation>
    </message>
    <message>
        <source>turning over the stack in %1</source>
        <translation>Durchblättern des Stapels in %1</translation>
    </message>
    <message>
        <source>return of %1 to its start hex %2</source>
        <translation>Rückkehr von %1 in sein Starthexfeld %2</translation>
    </message>
    <message>
        <source>move of %1 from %2</source>
        <translation>Bewegung von %1 aus %2</translation>
    </message>
    <message>
        <source>flip of %1 in %2</source>
        <translation>Umdrehen von %1 in %2</translation>
    </message>
    <message>
        <source>tag of %1 in %2</source>
        <translation>Markierung von %1 in %2</translation>
    </message>
    <message>
        <source>roll %1 in %2: die %3 (a roll cannot be taken back)</source>
        <translation>Wurf %1 in %2: Würfel %3 (ein Wurf kann nicht zurückgenommen werden)</translation>
    </message>
</context>
<context>
    <name>EditsDock</name>
    <message>
        <source>The turn&apos;s edits</source>
        <translation>Bearbeitungen des Zuges</translation>
    </message>
    <message>
        <source>The turn as it began</source>
        <translation>Der Zug, wie er begann</translation>
    </message>
</context>
<context>
    <name>ExportFeature</name>
    <message>
        <source>the history holds nothing of this game</source>
        <translation>der Verlauf enthält nichts von dieser Partie</translation>
    </message>
    <message>
        <source>a kept copy could not be shown: %1</source>
        <translation>eine aufbewahrte Kopie konnte nicht gezeigt werden: %1</translation>
    </message>
    <message>
        <source>Drawing the picture…</source>
        <translation>Das Bild wird gezeichnet…</translation>
    </message>
    <message>
        <source>The history holds nothing of this game: open or save a file of it first.</source>
        <translation>Der Verlauf enthält nichts von dieser Partie: öffnen oder speichern Sie zuerst eine Datei davon.</translation>
    </message>
    <message>
        <source>Drawing the game&apos;s positions…</source>
        <translation>Die Stellungen der Partie werden gezeichnet…</translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>Stopped: nothing was written</source>
        <translation>Abgebrochen: nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Can not write %1
%2</source>
        <translation>%1 kann nicht geschrieben werden
%2</translation>
    </message>
</context>
<context>
    <name>FaceChart</name>
    <message>
        <source>%1: %2 times</source>
        <translation>%1: %2-mal</translation>
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
        <translation>Letzte Zugdateien</translation>
    </message>
    <message>
        <source>The move file was saved, but the move report was not.
%1: %2</source>
        <translation>Die Zugdatei wurde gespeichert, der Zugbericht aber nicht.
%1: %2</translation>
    </message>
    <message>
        <source>No game in this file: every counter stands in its placeholder hex (1 to 234). New game (%1) sets them out off board.</source>
        <translation>Keine Partie in dieser Datei: jeder Spielstein steht in seinem Platzhalter-Hexfeld (1 bis 234). Neue Partie (%1) stellt sie außerhalb der Karte bereit.</translation>
    </message>
    <message>
        <source>You saved this file yourself: your opponent&apos;s answer is the file they send back.</source>
        <translation>Diese Datei haben Sie selbst gespeichert: die Antwort Ihres Gegners ist die Datei, die er zurückschickt.</translation>
    </message>
    <message>
        <source>You have already answered this file.</source>
        <translation>Sie haben diese Datei bereits beantwortet.</translation>
    </message>
    <message>
        <source>You have already answered a later turn of this game than this file&apos;s (%1).</source>
        <translation>Sie haben bereits einen späteren Zug dieser Partie beantwortet als den dieser Datei (%1).</translation>
    </message>
    <message>
        <source>This file is of another game than the one you had open, whose unsaved changes are not kept.</source>
        <translation>Diese Datei gehört zu einer anderen Partie als der geöffneten; deren ungespeicherte Änderungen werden nicht behalten.</translation>
    </message>
    <message>
        <source>This file claims the id of another of your games, but its turn does not follow from any position of that game: it is kept apart, and nothing of that game changed. An answer to it starts a game of its own.</source>
        <translation>Diese Datei gibt die Kennung einer anderen Ihrer Partien an, aber ihr Zug folgt aus keiner Stellung jener Partie: sie wird getrennt aufbewahrt, und an jener Partie hat sich nichts geändert. Eine Antwort darauf beginnt eine eigene Partie.</translation>
    </message>
    <message>
        <source>No recent move files</source>
        <translation>Keine zuletzt benutzten Zugdateien</translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Only a Korva move file (*.krv) can be dropped here.</source>
        <translation>Hier kann nur eine Korva-Zugdatei (*.krv) abgelegt werden.</translation>
    </message>
    <message>
        <source>Drop one move file at a time.</source>
        <translation>Legen Sie jeweils nur eine Zugdatei ab.</translation>
    </message>
    <message>
        <source>Korva opens move files on this computer only, not
%1</source>
        <translation>Korva öffnet nur Zugdateien auf diesem Computer, nicht
%1</translation>
    </message>
    <message>
        <source>%1 is not a Korva move file (*.krv).</source>
        <translation>%1 ist keine Korva-Zugdatei (*.krv).</translation>
    </message>
    <message>
        <source>Could not create a new file</source>
        <translation>Eine neue Datei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Can not open file
</source>
        <translation>Die Datei kann nicht geöffnet werden
</translation>
    </message>
    <message numerus="yes">
        <source>%n roll(s) made earlier against this file came back as combat(s) of this turn: a roll once made stands.</source>
        <translation>
            <numerusform>%n früher gegen diese Datei gemachter Wurf kam als Kampf dieses Zuges zurück: ein einmal gemachter Wurf gilt.</numerusform>
            <numerusform>%n früher gegen diese Datei gemachte Würfe kamen als Kämpfe dieses Zuges zurück: ein einmal gemachter Wurf gilt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindFeature</name>
    <message>
        <source>Find a unit (%1)</source>
        <translation>Einheit suchen (%1)</translation>
    </message>
    <message>
        <source>Find a unit by name: &quot;6 arm&quot; finds &quot;UK 6 Armor XX&quot; (%1; %2 next, %3 previous)</source>
        <translation>Einheit nach Namen suchen: „6 arm“ findet „UK 6 Armor XX“ (%1; %2 nächste, %3 vorige)</translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation>Einheit suchen</translation>
    </message>
    <message>
        <source>Type a unit&apos;s name (%1)</source>
        <translation>Namen einer Einheit eingeben (%1)</translation>
    </message>
    <message>
        <source>No unit matches &quot;%1&quot;</source>
        <translation>Keine Einheit passt zu „%1“</translation>
    </message>
    <message>
        <source>%1 next, %2 previous</source>
        <translation>%1 nächste, %2 vorige</translation>
    </message>
    <message>
        <source>, on top of %1</source>
        <translation>, oben auf %1</translation>
    </message>
    <message>
        <source>, %1 of %2 from the top</source>
        <translation>, %1 von %2 von oben</translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation>%1 von %2: %3</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>Suche leeren</translation>
    </message>
</context>
<context>
    <name>FrameSink</name>
    <message>
        <source>the animation could not be encoded</source>
        <translation>die Animation konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>it is there and is not a folder</source>
        <translation>es existiert und ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation>der Ordner ist nicht leer</translation>
    </message>
    <message>
        <source>the folder it would go in does not exist</source>
        <translation>der Ordner, in den es käme, existiert nicht</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>there were no frames</source>
        <translation>es gab keine Einzelbilder</translation>
    </message>
    <message>
        <source>the empty folder there cannot be replaced</source>
        <translation>der leere Ordner dort kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>the folder of frames cannot be given its name</source>
        <translation>der Ordner der Einzelbilder kann seinen Namen nicht erhalten</translation>
    </message>
</context>
<context>
    <name>GameDice</name>
    <message>
        <source>no hex</source>
        <translation>kein Hexfeld</translation>
    </message>
    <message>
        <source>Turn unknown</source>
        <translation>Zug unbekannt</translation>
    </message>
    <message>
        <source>Turn %1 · %2</source>
        <translation>Zug %1 · %2</translation>
    </message>
    <message>
        <source>you</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Your rolls</source>
        <translation>Ihre Würfe</translation>
    </message>
    <message>
        <source>%1 (you)</source>
        <translation>%1 (Sie)</translation>
    </message>
    <message>
        <source>Your opponent&apos;s rolls</source>
        <translation>Würfe Ihres Gegners</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln roll(s)</source>
        <translation>
            <numerusform>%Ln Wurf</numerusform>
            <numerusform>%Ln Würfe</numerusform>
        </translation>
    </message>
    <message>
        <source>chi-square %1</source>
        <translation>Chi-Quadrat %1</translation>
    </message>
    <message>
        <source>No rolls of this game are in the history.</source>
        <translation>Keine Würfe dieser Partie sind im Verlauf.</translation>
    </message>
    <message>
        <source>roll %1</source>
        <translation>Wurf %1</translation>
    </message>
    <message>
        <source>no roll</source>
        <translation>kein Wurf</translation>
    </message>
    <message>
        <source>die %1</source>
        <translation>Würfel %1</translation>
    </message>
    <message>
        <source>Verified: %1</source>
        <translation>Bestätigt: %1</translation>
    </message>
    <message>
        <source>Not verified: %1</source>
        <translation>Nicht bestätigt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln roll(s) that the files list but no combat of theirs accounts for were left out.</source>
        <translation>
            <numerusform>%Ln Wurf, den die Dateien nennen, zu dem aber kein Kampf des Gegners gehört, wurde nicht gezählt.</numerusform>
            <numerusform>%Ln Würfe, die die Dateien nennen, zu denen aber kein Kampf des Gegners gehört, wurden nicht gezählt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln further roll(s) were not read: the log reads at most %1.</source>
        <translation>
            <numerusform>%Ln weiterer Wurf wurde nicht gelesen: das Protokoll liest höchstens %1.</numerusform>
            <numerusform>%Ln weitere Würfe wurden nicht gelesen: das Protokoll liest höchstens %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Rolls of %1</source>
        <translation>Würfe von %1</translation>
    </message>
</context>
<context>
    <name>GameDiceDialog</name>
    <message>
        <source>The game&apos;s dice</source>
        <translation>Würfel der Partie</translation>
    </message>
    <message>
        <source>Every roll of the game</source>
        <translation>Jeder Wurf der Partie</translation>
    </message>
    <message>
        <source>Reading the game&apos;s dice from its history…</source>
        <translation>Die Würfel der Partie werden aus ihrem Verlauf gelesen…</translation>
    </message>
</context>
<context>
    <name>GameDiceModel</name>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>your roll</source>
        <translation>eigener Wurf</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hexfeld</translation>
    </message>
    <message>
        <source>Die</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>The game&apos;s history kept no copy of %1: it holds %2 of this game, as much as it keeps of one game, and keeps no more of the files opened in it.</source>
        <translation>Der Verlauf der Partie hat keine Kopie von %1 aufbewahrt: er enthält %2 dieser Partie, so viel, wie er von einer Partie aufbewahrt, und bewahrt keine weiteren darin geöffneten Dateien auf.</translation>
    </message>
    <message>
        <source>The game&apos;s history kept no copy of %1: %2.</source>
        <translation>Der Verlauf der Partie hat keine Kopie von %1 aufbewahrt: %2.</translation>
    </message>
    <message>
        <source>this system has no folder for application data</source>
        <translation>dieses System hat keinen Ordner für Anwendungsdaten</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder %1 is a symbolic link</source>
        <translation>der Ordner %1 ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>no free name was found</source>
        <translation>kein freier Name wurde gefunden</translation>
    </message>
    <message>
        <source>the copy was cut short, most likely by a full disk</source>
        <translation>die Kopie brach ab, wahrscheinlich wegen einer vollen Festplatte</translation>
    </message>
</context>
<context>
    <name>GameList</name>
    <message>
        <source>Allies</source>
        <translation>Alliierte</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
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
        <translation>Sie: %1 · Gegner: %2</translation>
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
        <translation>Zug unbekannt</translation>
    </message>
    <message>
        <source>Turn %1 · %2 to move</source>
        <translation>Zug %1 · %2 am Zug</translation>
    </message>
    <message>
        <source>your opponent</source>
        <translation>Ihr Gegner</translation>
    </message>
    <message>
        <source>the Allies</source>
        <translation>die Alliierten</translation>
    </message>
    <message>
        <source>the Axis</source>
        <translation>die Achse</translation>
    </message>
    <message>
        <source>new move from %1</source>
        <translation>neuer Zug: %1</translation>
    </message>
    <message>
        <source>your move</source>
        <translation>Sie sind am Zug</translation>
    </message>
    <message>
        <source>waiting for %1</source>
        <translation>am Zug: %1</translation>
    </message>
    <message>
        <source>your side: not yet known</source>
        <translation>Ihre Seite: noch unbekannt</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>vor %n Minute</numerusform>
            <numerusform>vor %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>vor %n Stunde</numerusform>
            <numerusform>vor %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>vor %Ln Tag</numerusform>
            <numerusform>vor %Ln Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, saved %2</source>
        <translation>%1, %2 gespeichert</translation>
    </message>
    <message>
        <source>%1, opened %2</source>
        <translation>%1, %2 geöffnet</translation>
    </message>
    <message>
        <source>refused by the server: %1</source>
        <translation>vom Server abgelehnt: %1</translation>
    </message>
    <message>
        <source>not yet delivered</source>
        <translation>noch nicht zugestellt</translation>
    </message>
</context>
<context>
    <name>GameSetupDialog</name>
    <message>
        <source>Allies</source>
        <translation>Alliierte</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neue Partie</translation>
    </message>
    <message>
        <source>Players and turn</source>
        <translation>Spieler und Zug</translation>
    </message>
    <message>
        <source>The name Save proposes for the game&apos;s files, such as salerno_t03_axis.krv</source>
        <translation>Der Name, den Speichern für die Dateien der Partie vorschlägt, etwa salerno_t03_axis.krv</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Partie:</translation>
    </message>
    <message>
        <source>&amp;Moves first:</source>
        <translation>&amp;Beginnt:</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>&amp;Allies player:</source>
        <translation>&amp;Alliierter Spieler:</translation>
    </message>
    <message>
        <source>A&amp;xis player:</source>
        <translation>Ac&amp;hsenspieler:</translation>
    </message>
    <message>
        <source>The turn is known</source>
        <translation>Der Zug ist bekannt</translation>
    </message>
    <message>
        <source>T&amp;urn:</source>
        <translation>&amp;Zug:</translation>
    </message>
    <message>
        <source>&amp;To move:</source>
        <translation>A&amp;m Zug:</translation>
    </message>
    <message>
        <source>Turn unknown</source>
        <translation>Zug unbekannt</translation>
    </message>
    <message>
        <source>Turn %1 · %2 to move</source>
        <translation>Zug %1 · %2 am Zug</translation>
    </message>
</context>
<context>
    <name>GamesDialog</name>
    <message>
        <source>Games</source>
        <translation>Partien</translation>
    </message>
    <message>
        <source>No games yet: the games you open or save show here.</source>
        <translation>Noch keine Partien: die Partien, die Sie öffnen oder speichern, erscheinen hier.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The opponent&apos;s latest file when it is your move, your own while you wait</source>
        <translation>Die neueste Datei des Gegners, wenn Sie am Zug sind, Ihre eigene, während Sie warten</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivieren</translation>
    </message>
    <message>
        <source>A finished game leaves the list; nothing of it is deleted</source>
        <translation>Eine beendete Partie verlässt die Liste; nichts davon wird gelöscht</translation>
    </message>
    <message>
        <source>Show archived</source>
        <translation>Archivierte zeigen</translation>
    </message>
    <message>
        <source>Watch folders…</source>
        <translation>Überwachte Ordner…</translation>
    </message>
    <message>
        <source>The folders where move files arrive</source>
        <translation>Die Ordner, in denen Zugdateien ankommen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Zurückholen</translation>
    </message>
</context>
<context>
    <name>GamesFeature</name>
    <message>
        <source>%1 is no longer where Korva saw it last. Open (%2) finds it where it is now.</source>
        <translation>%1 ist nicht mehr dort, wo Korva sie zuletzt sah. Öffnen (%2) findet sie dort, wo sie jetzt ist.</translation>
    </message>
    <message>
        <source>%1 — %2. Click here to open it, or press %3 for the games list.</source>
        <translation>%1 — %2. Klicken Sie hier, um sie zu öffnen, oder drücken Sie %3 für die Liste der Partien.</translation>
    </message>
    <message>
        <source>New move</source>
        <translation>Neuer Zug</translation>
    </message>
    <message>
        <source>%1: %2, from %3</source>
        <translation>%1: %2, von %3</translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>%1 (archived)</source>
        <translation>%1 (archiviert)</translation>
    </message>
    <message>
        <source>checking…</source>
        <translation>wird geprüft…</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>Whose move</source>
        <translation>Am Zug</translation>
    </message>
    <message>
        <source>Last file</source>
        <translation>Letzte Datei</translation>
    </message>
    <message>
        <source>Their dice</source>
        <translation>Würfel des Gegners</translation>
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
        <translation>Zu Zug gehen</translation>
    </message>
    <message>
        <source>The game as it stood when this move began, read-only:</source>
        <translation>Die Partie, wie sie zu Beginn dieses Zuges stand, nur lesbar:</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Zug:</translation>
    </message>
</context>
<context>
    <name>HexAnnouncement</name>
    <message>
        <source>%1, empty</source>
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>bewegt</translation>
    </message>
    <message>
        <source>yet to move</source>
        <translation>noch nicht bewegt</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation>%1, %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2 and %n more, %3</source>
        <translation>
            <numerusform>%1, %2 und %n weiterer, %3</numerusform>
            <numerusform>%1, %2 und %n weitere, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HexText</name>
    <message>
        <source>Off board</source>
        <translation>Außerhalb der Karte</translation>
    </message>
</context>
<context>
    <name>KorvaApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>KorvaExtension</name>
    <message>
        <source>its turn start has %1 bytes, not %2</source>
        <translation>der Zugbeginn hat %1 Bytes, nicht %2</translation>
    </message>
    <message>
        <source>its turn start of counter %1 lies outside the map or the counter&apos;s steps</source>
        <translation>der Zugbeginn von Spielstein %1 liegt außerhalb der Karte oder der Stufen des Spielsteins</translation>
    </message>
    <message>
        <source>its game id has %1 bytes, not 16</source>
        <translation>die Partiekennung hat %1 Bytes, nicht 16</translation>
    </message>
    <message>
        <source>its game id is all zero</source>
        <translation>die Partiekennung ist ganz null</translation>
    </message>
    <message>
        <source>its note is longer than 64 KB</source>
        <translation>die Notiz ist länger als 64 KB</translation>
    </message>
    <message>
        <source>its note is not UTF-8 text</source>
        <translation>die Notiz ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>its turn names side %1, not 0 or 1</source>
        <translation>der Zug nennt Seite %1, nicht 0 oder 1</translation>
    </message>
    <message>
        <source>its turn has %1 bytes, not 12</source>
        <translation>der Zug hat %1 Bytes, nicht 12</translation>
    </message>
    <message>
        <source>its turn number %1 is not 1 to 9999</source>
        <translation>die Zugnummer %1 liegt nicht zwischen 1 und 9999</translation>
    </message>
    <message>
        <source>a name is not a plain line of at most 40 characters</source>
        <translation>ein Name ist keine einfache Zeile von höchstens 40 Zeichen</translation>
    </message>
    <message>
        <source>its writer&apos;s version has %1 bytes, not 12</source>
        <translation>die Version des Schreibers hat %1 Bytes, nicht 12</translation>
    </message>
    <message>
        <source>its players&apos; names end early</source>
        <translation>die Spielernamen enden vorzeitig</translation>
    </message>
    <message>
        <source>a player&apos;s name runs past its record</source>
        <translation>ein Spielername reicht über seinen Eintrag hinaus</translation>
    </message>
    <message>
        <source>its players&apos; record is longer than the two names</source>
        <translation>der Spielereintrag ist länger als die zwei Namen</translation>
    </message>
    <message>
        <source>it ends inside a record&apos;s type and length</source>
        <translation>die Daten enden vorzeitig, in Typ und Länge eines Eintrags</translation>
    </message>
    <message>
        <source>a record of type %1 runs past its end</source>
        <translation>ein Eintrag vom Typ %1 reicht über das Ende hinaus</translation>
    </message>
    <message>
        <source>it holds a record of type %1 twice</source>
        <translation>die Daten enthalten einen Eintrag vom Typ %1 zweimal</translation>
    </message>
    <message>
        <source>it holds two dice commitments</source>
        <translation>die Daten enthalten zwei Würfelzusagen</translation>
    </message>
    <message>
        <source>its dice commitment has %1 bytes, not 32</source>
        <translation>die Würfelzusage hat %1 Bytes, nicht 32</translation>
    </message>
    <message>
        <source>it ends inside its header</source>
        <translation>die Daten enden vorzeitig, in ihrem Kopf</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>die Daten sind größer als 1 MB</translation>
    </message>
    <message>
        <source>it ends early</source>
        <translation>die Daten enden vorzeitig</translation>
    </message>
    <message>
        <source>it has version %1, which this Korva cannot read</source>
        <translation>die Daten haben Version %1, die dieses Korva nicht lesen kann</translation>
    </message>
    <message>
        <source>the turn start holds %1 counters, not %2</source>
        <translation>der Zugbeginn enthält %1 Spielsteine, nicht %2</translation>
    </message>
    <message>
        <source>the note is longer than 64 KB</source>
        <translation>die Notiz ist länger als 64 KB</translation>
    </message>
    <message>
        <source>the turn number %1 is not 1 to 9999</source>
        <translation>die Zugnummer %1 liegt nicht zwischen 1 und 9999</translation>
    </message>
    <message>
        <source>a player&apos;s name is not a plain line of at most 40 characters</source>
        <translation>ein Spielername ist keine einfache Zeile von höchstens 40 Zeichen</translation>
    </message>
    <message>
        <source>the dice commitment is not 32 bytes</source>
        <translation>die Würfelzusage hat nicht 32 Bytes</translation>
    </message>
    <message>
        <source>Korva&apos;s own data would not read back: %1</source>
        <translation>Korvas eigene Daten ließen sich nicht zurücklesen: %1</translation>
    </message>
    <message>
        <source>Korva&apos;s own data in this file was ignored: %1; the position, combats and banners are read as usual.</source>
        <translation>Korvas eigene Daten in dieser Datei wurden übergangen: %1; Stellung, Kämpfe und Banner werden wie gewohnt gelesen.</translation>
    </message>
    <message>
        <source>This file holds data of a later Korva: some of its data is not shown.</source>
        <translation>Diese Datei enthält Daten eines späteren Korva: manche ihrer Daten werden nicht gezeigt.</translation>
    </message>
    <message>
        <source>This file was made by Korva %1, newer than this one: some of its data is not shown.</source>
        <translation>Diese Datei wurde von Korva %1 erstellt, neuer als dieses: manche ihrer Daten werden nicht gezeigt.</translation>
    </message>
    <message>
        <source>This file was made by Korva %1 and holds data this one does not know: some of its data is not shown.</source>
        <translation>Diese Datei wurde von Korva %1 erstellt und enthält Daten, die dieses nicht kennt: manche ihrer Daten werden nicht gezeigt.</translation>
    </message>
</context>
<context>
    <name>LanguageDialog</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>As the system (%1)</source>
        <translation>Wie das System (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>Korva speaks the language chosen from its next start.</source>
        <translation>Korva spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>MapArt</name>
    <message>
        <source>OFF BOARD</source>
        <translation>AUSSERHALB</translation>
    </message>
    <message>
        <source>Holding area</source>
        <translation>Bereitstellungsraum</translation>
    </message>
</context>
<context>
    <name>MapFeature</name>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Arrow keys move the hex cursor; Enter picks up and drops the top counter; Esc cancels</source>
        <translation>Pfeiltasten bewegen den Hexfeld-Cursor; Enter nimmt den obersten Spielstein auf und legt ihn ab; Esc bricht ab</translation>
    </message>
    <message>
        <source>Zoom: pick a step or type a percentage (25 to 400)</source>
        <translation>Zoom: eine Stufe wählen oder einen Prozentwert eingeben (25 bis 400)</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
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
        <translation>Spielstein %1 beginnt in Hexfeld %2, außerhalb der Karte</translation>
    </message>
    <message>
        <source>counter %1 stands in hex %2, outside the map</source>
        <translation>Spielstein %1 steht in Hexfeld %2, außerhalb der Karte</translation>
    </message>
    <message>
        <source>counter %1 has %2 losses, outside 0 to %3</source>
        <translation>Spielstein %1 hat %2 Verluste, außerhalb von 0 bis %3</translation>
    </message>
    <message>
        <source>counter %1 has the marker %2, outside 0 to 2</source>
        <translation>Spielstein %1 hat den Marker %2, außerhalb von 0 bis 2</translation>
    </message>
    <message>
        <source>this is not a move file (wrong counters section mark)</source>
        <translation>dies ist keine Zugdatei (falsche Kennung des Spielsteinabschnitts)</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a move file</source>
        <translation>es ist ein Ordner, keine Zugdatei</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, over the size limit of %2 bytes for a move file</source>
        <translation>die Datei ist %1 Bytes lang, über der Größengrenze von %2 Bytes für eine Zugdatei</translation>
    </message>
    <message>
        <source>the file grew over the size limit of %1 bytes for a move file while it was read</source>
        <translation>die Datei wuchs beim Lesen über die Größengrenze von %1 Bytes für eine Zugdatei</translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Note to the opponent</source>
        <translation>Notiz an den Gegner</translation>
    </message>
    <message>
        <source>Sent with the next save:</source>
        <translation>Gesendet mit dem nächsten Speichern:</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 von %2 Bytes</translation>
    </message>
    <message>
        <source>Too long: %1 of %2 bytes</source>
        <translation>Zu lang: %1 von %2 Bytes</translation>
    </message>
</context>
<context>
    <name>OrderOfBattleDock</name>
    <message>
        <source>Order of battle</source>
        <translation>Schlachtordnung</translation>
    </message>
    <message>
        <source>Filter: side, name, hex</source>
        <translation>Filter: Seite, Name, Hexfeld</translation>
    </message>
    <message>
        <source>Filter the order of battle</source>
        <translation>Die Schlachtordnung filtern</translation>
    </message>
</context>
<context>
    <name>OrderOfBattleModel</name>
    <message>
        <source>Allies</source>
        <translation>Alliierte</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hexfeld</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Stufen</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Verluste</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Bewegt</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Bewegt</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Noch nicht bewegt</translation>
    </message>
</context>
<context>
    <name>OutputPathField</name>
    <message>
        <source>Choose…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Export to</source>
        <translation>Exportieren nach</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>PageDialog</name>
    <message>
        <source>Export turn as web page</source>
        <translation>Zug als Webseite exportieren</translation>
    </message>
    <message>
        <source>One page with the map around the turn&apos;s moves, the changes, the combats with their rolls, and the note.</source>
        <translation>Eine Seite mit der Karte um die Bewegungen des Zuges, den Änderungen, den Kämpfen mit ihren Würfen und der Notiz.</translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation>Webseiten (*.html)</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Export picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>The whole map</source>
        <translation>Die ganze Karte</translation>
    </message>
    <message>
        <source>The part in view</source>
        <translation>Der sichtbare Teil</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Karte:</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>With the turn&apos;s moves</source>
        <translation>Mit den Bewegungen des Zuges</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 Pixel</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild reicht der Speicher nicht</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>PictureModules</name>
    <message>
        <source>%1; %2 is used instead</source>
        <translation>%1; stattdessen wird %2 verwendet</translation>
    </message>
    <message>
        <source>%1 could not be opened; using other pictures.</source>
        <translation>%1 konnte nicht geöffnet werden; andere Bilder werden verwendet.</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2); using other pictures.</source>
        <translation>%1 konnte nicht geöffnet werden (%2); andere Bilder werden verwendet.</translation>
    </message>
</context>
<context>
    <name>PlayByServerDialog</name>
    <message>
        <source>Play by server</source>
        <translation>Über einen Server spielen</translation>
    </message>
    <message>
        <source>https://club.example.org:8080</source>
        <translation>https://club.example.org:8080</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registrieren</translation>
    </message>
    <message>
        <source>Use this token</source>
        <translation>Dieses Token verwenden</translation>
    </message>
    <message>
        <source>Your name:</source>
        <translation>Ihr Name:</translation>
    </message>
    <message>
        <source>Or your token:</source>
        <translation>Oder Ihr Token:</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Make the open game a server game</source>
        <translation>Die offene Partie zur Server-Partie machen</translation>
    </message>
    <message>
        <source>Join</source>
        <translation>Beitreten</translation>
    </message>
    <message>
        <source>Or an invite code:</source>
        <translation>Oder ein Einladungscode:</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Give the address of the Korva server your club or tournament hosts.</source>
        <translation>Geben Sie die Adresse des Korva-Servers Ihres Clubs oder Turniers an.</translation>
    </message>
    <message>
        <source>You have a token for this server.</source>
        <translation>Sie haben ein Token für diesen Server.</translation>
    </message>
    <message>
        <source>Register a name on this server, or give the token you were given when you registered from another computer.</source>
        <translation>Registrieren Sie einen Namen auf diesem Server, oder geben Sie das Token an, das Sie bei der Registrierung auf einem anderen Computer erhalten haben.</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Der Server wird gefragt…</translation>
    </message>
    <message>
        <source>Give the name you play under.</source>
        <translation>Geben Sie den Namen an, unter dem Sie spielen.</translation>
    </message>
    <message>
        <source>Not registered: %1</source>
        <translation>Nicht registriert: %1</translation>
    </message>
    <message>
        <source>Registered, but the token could not be kept (%1). Keep it yourself, it is shown only here: %2</source>
        <translation>Registriert, aber das Token konnte nicht aufbewahrt werden (%1). Bewahren Sie es selbst auf, es wird nur hier gezeigt: %2</translation>
    </message>
    <message>
        <source>Registered as %1. To play from another computer you need this token; it is shown only here: %2</source>
        <translation>Registriert als %1. Um von einem anderen Computer zu spielen, brauchen Sie dieses Token; es wird nur hier gezeigt: %2</translation>
    </message>
    <message>
        <source>Give the token the server gave you.</source>
        <translation>Geben Sie das Token an, das Ihnen der Server gab.</translation>
    </message>
    <message>
        <source>The token was not taken: %1</source>
        <translation>Das Token wurde nicht angenommen: %1</translation>
    </message>
    <message>
        <source>The token is kept: your games on this server show in the games list.</source>
        <translation>Das Token ist aufbewahrt: Ihre Partien auf diesem Server erscheinen in der Partienliste.</translation>
    </message>
    <message>
        <source>The game was not made: %1</source>
        <translation>Die Partie wurde nicht angelegt: %1</translation>
    </message>
    <message>
        <source>The game was made (invite code %1), but Korva could not keep it as a server game: %2</source>
        <translation>Die Partie wurde angelegt (Einladungscode %1), aber Korva konnte sie nicht als Server-Partie aufbewahren: %2</translation>
    </message>
    <message>
        <source>Game %1 made; you play %2. Give your opponent this invite code: %3</source>
        <translation>Partie %1 angelegt; Sie spielen %2. Geben Sie Ihrem Gegner diesen Einladungscode: %3</translation>
    </message>
    <message>
        <source>Give the invite code your opponent sent you.</source>
        <translation>Geben Sie den Einladungscode an, den Ihnen Ihr Gegner schickte.</translation>
    </message>
    <message>
        <source>The game was not joined: %1</source>
        <translation>Der Partie wurde nicht beigetreten: %1</translation>
    </message>
    <message>
        <source>Joined, but Korva could not keep the game as a server game: %1</source>
        <translation>Beigetreten, aber Korva konnte die Partie nicht als Server-Partie aufbewahren: %1</translation>
    </message>
    <message>
        <source>Joined %1 against %2; you play %3.</source>
        <translation>Partie %1 gegen %2 beigetreten; Sie spielen %3.</translation>
    </message>
</context>
<context>
    <name>PlayFeature</name>
    <message>
        <source>opponent&apos;s roll</source>
        <translation>gegnerischer Wurf</translation>
    </message>
    <message>
        <source>your roll</source>
        <translation>eigener Wurf</translation>
    </message>
    <message>
        <source>opponent&apos;s %1</source>
        <translation>gegnerischer %1</translation>
    </message>
    <message>
        <source>your %1</source>
        <translation>eigener %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Esc ends the list</source>
        <translation>Esc beendet die Liste</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hexfeld</translation>
    </message>
    <message>
        <source>Moved or not</source>
        <translation>Bewegt oder nicht</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Spielstein</translation>
    </message>
    <message>
        <source>A die roll cannot be taken back; undo stops here</source>
        <translation>Ein Würfelwurf kann nicht zurückgenommen werden; Rückgängig endet hier</translation>
    </message>
    <message>
        <source>A die roll cannot be taken back (%1)</source>
        <translation>Ein Würfelwurf kann nicht zurückgenommen werden (%1)</translation>
    </message>
    <message>
        <source>Undo: %1 (%2)</source>
        <translation>Rückgängig: %1 (%2)</translation>
    </message>
    <message>
        <source>Redo: %1 (%2)</source>
        <translation>Wiederholen: %1 (%2)</translation>
    </message>
    <message>
        <source>Redo (%1)</source>
        <translation>Wiederholen (%1)</translation>
    </message>
    <message>
        <source>Undo last move (%1)</source>
        <translation>Letzte Bewegung zurücknehmen (%1)</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Bewegt</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Noch nicht bewegt</translation>
    </message>
    <message>
        <source>%1 ; Partial Step/Loss = %2</source>
        <translation>%1 ; Teilstufe/Verluste = %2</translation>
    </message>
    <message>
        <source>Korva is not connected to this game&apos;s server</source>
        <translation>Korva ist nicht mit dem Server dieser Partie verbunden</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>This turn has changes that are not saved.
Save them first?</source>
        <translation>Dieser Zug hat ungespeicherte Änderungen.
Zuerst speichern?</translation>
    </message>
    <message>
        <source>End of turn?</source>
        <translation>Zugende?</translation>
    </message>
    <message>
        <source>Korva : Save Move</source>
        <translation>Korva : Zug speichern</translation>
    </message>
    <message>
        <source>Korva : Open Move</source>
        <translation>Korva : Zug öffnen</translation>
    </message>
    <message>
        <source>%1 already exists.
Replace it?</source>
        <translation>%1 gibt es schon.
Ersetzen?</translation>
    </message>
    <message>
        <source>You saved this file yourself, and it shows no move of its turn: most likely you ended your turn in it, and the move is your opponent&apos;s.
Ending the turn again hands the move back to you, and your opponent&apos;s answer to this file will no longer fit the game.</source>
        <translation>Diese Datei haben Sie selbst gespeichert, und sie zeigt keine Bewegung ihres Zuges: wahrscheinlich haben Sie darin Ihren Zug beendet, und Ihr Gegner ist am Zug.
Beenden Sie den Zug noch einmal, geht der Zug an Sie zurück, und die Antwort Ihres Gegners auf diese Datei passt nicht mehr zur Partie.</translation>
    </message>
    <message>
        <source>End the turn again</source>
        <translation>Zug noch einmal beenden</translation>
    </message>
    <message>
        <source>Save, the move stays theirs</source>
        <translation>Speichern, der Gegner bleibt am Zug</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReplayStep</name>
    <message>
        <source>Combat, die %1</source>
        <translation>Kampf, Würfel %1</translation>
    </message>
</context>
<context>
    <name>RollsVerdict</name>
    <message>
        <source>its dice were rolled on a player&apos;s computer</source>
        <translation>seine Würfel wurden auf dem Rechner eines Spielers geworfen</translation>
    </message>
    <message>
        <source>its rolls were witnessed by a Korva server, but this is not a game you play through a server, so no key of its server is at hand</source>
        <translation>seine Würfe wurden von einem Korva-Server bezeugt, aber Sie spielen diese Partie nicht über einen Server, daher liegt kein Schlüssel seines Servers vor</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is not writable</source>
        <translation>%1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>writing failed part-way</source>
        <translation>das Schreiben brach mittendrin ab</translation>
    </message>
    <message>
        <source>the save was abandoned</source>
        <translation>das Speichern wurde aufgegeben</translation>
    </message>
    <message>
        <source>the file could not be synced to the disk: %1</source>
        <translation>die Datei konnte nicht auf die Festplatte geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>die Datei konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <source>the file could not be replaced: %1</source>
        <translation>die Datei konnte nicht ersetzt werden: %1</translation>
    </message>
    <message>
        <source>the folder could not be synced to the disk: %1</source>
        <translation>der Ordner konnte nicht auf die Festplatte geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>ServerClient</name>
    <message>
        <source>no Korva server answers at %1</source>
        <translation>kein Korva-Server antwortet unter %1</translation>
    </message>
    <message>
        <source>no computer named %1 was found</source>
        <translation>kein Rechner namens %1 wurde gefunden</translation>
    </message>
    <message>
        <source>the server at %1 did not answer within %2 seconds</source>
        <translation>der Server unter %1 hat nicht innerhalb von %2 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>the server at %1 could not prove who it is: %2</source>
        <translation>der Server unter %1 konnte nicht nachweisen, wer er ist: %2</translation>
    </message>
    <message>
        <source>the server at %1 could not be reached: %2</source>
        <translation>der Server unter %1 war nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>a server&apos;s address is http://HOST:PORT or https://HOST:PORT</source>
        <translation>die Adresse eines Servers lautet http://HOST:PORT oder https://HOST:PORT</translation>
    </message>
    <message>
        <source>the server&apos;s answer is too large</source>
        <translation>die Antwort des Servers ist zu groß</translation>
    </message>
    <message>
        <source>the server refused (HTTP %1)</source>
        <translation>der Server hat abgelehnt (HTTP %1)</translation>
    </message>
    <message>
        <source>the server&apos;s answer is not one Korva can read</source>
        <translation>die Antwort des Servers kann Korva nicht lesen</translation>
    </message>
    <message>
        <source>one this computer trusts</source>
        <translation>eines, dem dieser Rechner vertraut</translation>
    </message>
    <message>
        <source>fingerprint %1</source>
        <translation>Fingerabdruck %1</translation>
    </message>
    <message>
        <source>the certificate of the server at %1 is not the one it had when you first used it (%2; now fingerprint %3): someone may stand between you and the server, or its host replaced the certificate. Ask them; if they did, remove %4 to accept the new one</source>
        <translation>das Zertifikat des Servers unter %1 ist nicht das, das er bei Ihrer ersten Verbindung hatte (%2; jetzt Fingerabdruck %3): jemand könnte zwischen Ihnen und dem Server stehen, oder sein Betreiber hat das Zertifikat ersetzt. Fragen Sie ihn; falls ja, löschen Sie %4, um das neue anzunehmen</translation>
    </message>
    <message>
        <source>the server at %1 showed no certificate</source>
        <translation>der Server unter %1 hat kein Zertifikat gezeigt</translation>
    </message>
    <message>
        <source>plain HTTP only to this computer; use https://</source>
        <translation>einfaches HTTP nur zu diesem Rechner; verwenden Sie https://</translation>
    </message>
</context>
<context>
    <name>ServerDice</name>
    <message>
        <source>this is not the server game the die was asked for</source>
        <translation>dies ist nicht die Server-Partie, für die der Wurf erbeten wurde</translation>
    </message>
    <message>
        <source>the record is not signed by the server&apos;s key pinned for this game</source>
        <translation>die Aufzeichnung ist nicht mit dem für diese Partie festgehaltenen Schlüssel des Servers signiert</translation>
    </message>
    <message>
        <source>the record is not of the roll that was asked</source>
        <translation>die Aufzeichnung gehört nicht zu dem erbetenen Wurf</translation>
    </message>
    <message>
        <source>the roll asked is not the next one of this move</source>
        <translation>der erbetene Wurf ist nicht der nächste dieses Zuges</translation>
    </message>
    <message>
        <source>the record does not follow the move&apos;s roll before it</source>
        <translation>die Aufzeichnung schließt nicht an den vorigen Wurf des Zuges an</translation>
    </message>
    <message>
        <source>the server&apos;s record is damaged: %1</source>
        <translation>die Aufzeichnung des Servers ist beschädigt: %1</translation>
    </message>
    <message>
        <source>The dice ledger could not keep the comment of roll %1: %2</source>
        <translation>Das Würfelbuch konnte den Kommentar von Wurf %1 nicht festhalten: %2</translation>
    </message>
    <message>
        <source>The comment of roll %1 was lost with the crash; the server&apos;s record of it will not match its combat.</source>
        <translation>Der Kommentar von Wurf %1 ging beim Absturz verloren; die Aufzeichnung des Servers wird nicht zu seinem Kampf passen.</translation>
    </message>
</context>
<context>
    <name>ServerFeature</name>
    <message>
        <source>you have no token for this game&apos;s server</source>
        <translation>Sie haben kein Token für den Server dieser Partie</translation>
    </message>
    <message>
        <source>The server&apos;s record of the dice does not match this file.</source>
        <translation>Die Aufzeichnung der Würfel auf dem Server stimmt nicht mit dieser Datei überein.</translation>
    </message>
    <message>
        <source>The server&apos;s record of the dice could not be asked for: %1</source>
        <translation>Die Aufzeichnung der Würfel konnte nicht vom Server erfragt werden: %1</translation>
    </message>
    <message>
        <source>The move was saved, but it will not be sent to the server: %1</source>
        <translation>Der Zug wurde gespeichert, wird aber nicht an den Server gesendet: %1</translation>
    </message>
    <message>
        <source>The server refused move %1: %2</source>
        <translation>Der Server hat Zug %1 abgelehnt: %2</translation>
    </message>
    <message>
        <source>Save the game first: the server game is made from its saved move file.</source>
        <translation>Speichern Sie die Partie zuerst: Die Server-Partie entsteht aus ihrer gespeicherten Zugdatei.</translation>
    </message>
    <message>
        <source>Save your changes first: the server game is made from the saved move file.</source>
        <translation>Speichern Sie zuerst Ihre Änderungen: Die Server-Partie entsteht aus der gespeicherten Zugdatei.</translation>
    </message>
    <message>
        <source>A move could not be fetched from the server: %1</source>
        <translation>Ein Zug konnte nicht vom Server geholt werden: %1</translation>
    </message>
    <message>
        <source>New move</source>
        <translation>Neuer Zug</translation>
    </message>
    <message>
        <source>Move %1 of a game played through a server</source>
        <translation>Zug %1 einer Partie über einen Server</translation>
    </message>
</context>
<context>
    <name>ServerGames</name>
    <message>
        <source>The list of your server games %1 was not read: %2</source>
        <translation>Die Liste Ihrer Server-Partien %1 wurde nicht gelesen: %2</translation>
    </message>
    <message>
        <source>it is larger than any such list</source>
        <translation>sie ist größer als jede solche Liste</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>sie ist beschädigt</translation>
    </message>
    <message>
        <source>%1 entries of the list of your server games %2 were damaged and left out</source>
        <translation>%1 Einträge der Liste Ihrer Server-Partien %2 waren beschädigt und wurden ausgelassen</translation>
    </message>
    <message>
        <source>the server&apos;s address or key is not one a game can be played on</source>
        <translation>Adresse oder Schlüssel des Servers taugen nicht, um darauf eine Partie zu spielen</translation>
    </message>
    <message>
        <source>this game is played on %1 already, with another side or server key</source>
        <translation>diese Partie wird bereits auf %1 gespielt, mit einer anderen Seite oder einem anderen Server-Schlüssel</translation>
    </message>
    <message>
        <source>the folder of %1 could not be made</source>
        <translation>der Ordner von %1 konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ServerLogCheck</name>
    <message>
        <source>you have no token for this game&apos;s server</source>
        <translation>Sie haben kein Token für den Server dieser Partie</translation>
    </message>
    <message>
        <source>the server&apos;s log holds a damaged record</source>
        <translation>das Protokoll des Servers enthält einen beschädigten Eintrag</translation>
    </message>
</context>
<context>
    <name>ServerRoller</name>
    <message>
        <source>this game&apos;s move is not known, so no die can be asked</source>
        <translation>der Zug dieser Partie ist nicht bekannt, daher kann kein Würfel erfragt werden</translation>
    </message>
</context>
<context>
    <name>ServerWatch</name>
    <message>
        <source>the server did not say ready</source>
        <translation>der Server hat sich nicht bereit gemeldet</translation>
    </message>
    <message>
        <source>the server stopped answering</source>
        <translation>der Server antwortet nicht mehr</translation>
    </message>
    <message>
        <source>the server refused the token</source>
        <translation>der Server hat das Token abgelehnt</translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation>die Verbindung wurde geschlossen</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The past is read-only.</source>
        <translation>Die Vergangenheit ist nur lesbar.</translation>
    </message>
</context>
<context>
    <name>StackViewer</name>
    <message>
        <source>Steps/Losses %1</source>
        <translation>Stufen/Verluste %1</translation>
    </message>
    <message>
        <source>no marker</source>
        <translation>kein Marker</translation>
    </message>
    <message>
        <source>marker %1</source>
        <translation>Marker %1</translation>
    </message>
    <message>
        <source>Stack viewer</source>
        <translation>Stapelanzeige</translation>
    </message>
    <message>
        <source>Opponent&apos;s roll</source>
        <translation>Gegnerischer Wurf</translation>
    </message>
    <message>
        <source>Your roll</source>
        <translation>Eigener Wurf</translation>
    </message>
    <message>
        <source>Has Moved</source>
        <translation>Bewegt</translation>
    </message>
    <message>
        <source>Yet to move</source>
        <translation>Noch nicht bewegt</translation>
    </message>
    <message numerus="yes">
        <source>and %Ln more combat(s) here</source>
        <translation>
            <numerusform>und %Ln weiterer Kampf hier</numerusform>
            <numerusform>und %Ln weitere Kämpfe hier</numerusform>
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
        <translation>Beginnen Sie eine neue Partie, oder öffnen Sie die Zugdatei, die Ihr Gegner geschickt hat.</translation>
    </message>
    <message>
        <source>Move files used last:</source>
        <translation>Zuletzt benutzte Zugdateien:</translation>
    </message>
    <message>
        <source>Your games:</source>
        <translation>Ihre Partien:</translation>
    </message>
</context>
<context>
    <name>TCombat</name>
    <message>
        <source>Combat comment</source>
        <translation>Kampfkommentar</translation>
    </message>
    <message>
        <source>Rolls the die</source>
        <translation>Würfelt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Korva Die Roll</source>
        <translation>Korva-Würfelwurf</translation>
    </message>
    <message>
        <source>Bone</source>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Enter first part of comments before rolling a die.</source>
        <translation>Geben Sie den ersten Teil des Kommentars ein, bevor Sie würfeln.</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Kommentare:</translation>
    </message>
    <message>
        <source>Man, you really really need to use the comments.</source>
        <translation>Mensch, Sie müssen die Kommentare wirklich, wirklich benutzen.</translation>
    </message>
    <message>
        <source>Asking the server for the die…</source>
        <translation>Der Server wird nach dem Würfel gefragt…</translation>
    </message>
    <message>
        <source>The server gave no die: %1</source>
        <translation>Der Server gab keinen Würfel: %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Erneut</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>First banner line</source>
        <translation>Erste Bannerzeile</translation>
    </message>
    <message>
        <source>Second banner line</source>
        <translation>Zweite Bannerzeile</translation>
    </message>
    <message>
        <source>Third banner line</source>
        <translation>Dritte Bannerzeile</translation>
    </message>
    <message>
        <source>Map view</source>
        <translation>Kartenansicht</translation>
    </message>
    <message>
        <source>Korva</source>
        <translation>Korva</translation>
    </message>
    <message>
        <source> — read-only</source>
        <translation> — nur lesbar</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Some pictures could not be read; others are shown in their place.
</source>
        <translation>Einige Bilder konnten nicht gelesen werden; an ihrer Stelle werden andere gezeigt.
</translation>
    </message>
    <message>
        <source>No die-roll trace was written: %1.</source>
        <translation>Keine Würfelwurf-Spur wurde geschrieben: %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Undo last move</source>
        <translation>Letzte Bewegung zurücknehmen</translation>
    </message>
    <message>
        <source>Move All</source>
        <translation>Ganzer Stapel</translation>
    </message>
    <message>
        <source>First banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (42 characters)</source>
        <translation>Erste Bannerzeile: freier Text, der mit jeder Zugdatei hinausgeht und den Öffnen durch den des Gegners ersetzt (42 Zeichen)</translation>
    </message>
    <message>
        <source>Second banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (42 characters)</source>
        <translation>Zweite Bannerzeile: freier Text, der mit jeder Zugdatei hinausgeht und den Öffnen durch den des Gegners ersetzt (42 Zeichen)</translation>
    </message>
    <message>
        <source>Hide Combat Tags</source>
        <translation>Kampfmarkierungen ausblenden</translation>
    </message>
    <message>
        <source>Third banner line: free text that goes out with every move file and that Open replaces with the opponent&apos;s (110 characters)</source>
        <translation>Dritte Bannerzeile: freier Text, der mit jeder Zugdatei hinausgeht und den Öffnen durch den des Gegners ersetzt (110 Zeichen)</translation>
    </message>
    <message>
        <source>Korva : new game</source>
        <translation>Korva : neue Partie</translation>
    </message>
    <message>
        <source>%1 tool bar</source>
        <translation>Werkzeugleiste %1</translation>
    </message>
    <message>
        <source>More of the %1 tool bar</source>
        <translation>Mehr aus der Werkzeugleiste %1</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
</context>
<context>
    <name>TShowCombatDlg</name>
    <message>
        <source>Korva : Roll Tide</source>
        <translation>Korva : Würfelwurf</translation>
    </message>
    <message>
        <source>Bone:</source>
        <translation>Würfel:</translation>
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
        <translation>Startbild</translation>
    </message>
</context>
<context>
    <name>TagSection</name>
    <message>
        <source>the mark of the combat section</source>
        <translation>Kennung des Kampfabschnitts</translation>
    </message>
    <message>
        <source>the combat section is missing (wrong section mark %1)</source>
        <translation>der Kampfabschnitt fehlt (falsche Abschnittskennung %1)</translation>
    </message>
    <message>
        <source>the combat count of the combat section</source>
        <translation>Kampfzahl des Kampfabschnitts</translation>
    </message>
    <message>
        <source>the combat count is negative (%1)</source>
        <translation>die Kampfzahl ist negativ (%1)</translation>
    </message>
    <message>
        <source>the combat count %1 is more than the file holds</source>
        <translation>die Kampfzahl %1 ist mehr, als die Datei enthält</translation>
    </message>
    <message>
        <source>combat %1 in the combat section</source>
        <translation>Kampf %1 im Kampfabschnitt</translation>
    </message>
    <message>
        <source>combat %1 has the die value %2, outside 1 to 6</source>
        <translation>Kampf %1 hat den Würfelwert %2, außerhalb von 1 bis 6</translation>
    </message>
    <message>
        <source>a combat comment is longer than %1 characters</source>
        <translation>ein Kampfkommentar ist länger als %1 Zeichen</translation>
    </message>
</context>
<context>
    <name>Tagger</name>
    <message>
        <source>the record word of %1</source>
        <translation>Eintragswort von %1</translation>
    </message>
    <message>
        <source>the x position of %1</source>
        <translation>x-Position von %1</translation>
    </message>
    <message>
        <source>the y position of %1</source>
        <translation>y-Position von %1</translation>
    </message>
    <message>
        <source>the die value of %1</source>
        <translation>Würfelwert von %1</translation>
    </message>
    <message>
        <source>the comment of %1</source>
        <translation>Kommentar von %1</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>Über Korva</translation>
    </message>
    <message>
        <source>Korva</source>
        <translation>Korva</translation>
    </message>
    <message>
        <source>Board game (c) its publisher</source>
        <translation>Brettspiel (c) sein Verlag</translation>
    </message>
    <message>
        <source>Program by                    : </source>
        <translation>Programm von                  : </translation>
    </message>
    <message>
        <source>The Korva developers</source>
        <translation>Die Korva-Entwickler</translation>
    </message>
    <message>
        <source>Map and counters by       : </source>
        <translation>Karte und Spielsteine von : </translation>
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
        <translation>Dieses Programm ist als PBeM-Hilfe für Besitzer des </translation>
    </message>
    <message>
        <source>publisher&apos;s board game, and is not to be sold or traded.</source>
        <translation>Brettspiels des Verlags gedacht und darf nicht verkauft oder getauscht werden.</translation>
    </message>
</context>
<context>
    <name>TokenStore</name>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TurnDice</name>
    <message>
        <source>the file claims the id of another of your games</source>
        <translation>die Datei gibt die Kennung einer anderen Ihrer Partien an</translation>
    </message>
    <message>
        <source>no history is kept</source>
        <translation>es wird kein Verlauf geführt</translation>
    </message>
    <message>
        <source>it is a file you saved yourself</source>
        <translation>es ist eine Datei, die Sie selbst gespeichert haben</translation>
    </message>
    <message>
        <source>The dice ledger could not keep roll %1: %2</source>
        <translation>Das Würfelbuch konnte Wurf %1 nicht festhalten: %2</translation>
    </message>
    <message>
        <source>The dice ledger could not keep the comment of roll %1: %2</source>
        <translation>Das Würfelbuch konnte den Kommentar von Wurf %1 nicht festhalten: %2</translation>
    </message>
    <message>
        <source>The next turn&apos;s dice secret could not be kept, so its dice will roll freely: %1</source>
        <translation>Das Würfelgeheimnis des nächsten Zuges konnte nicht aufbewahrt werden, daher wird in ihm frei gewürfelt: %1</translation>
    </message>
    <message>
        <source>roll %1, verified</source>
        <translation>Wurf %1, geprüft</translation>
    </message>
    <message>
        <source>roll %1</source>
        <translation>Wurf %1</translation>
    </message>
    <message>
        <source>The dice ledger %1 holds roll %2 of this turn, more than a move file can list: its rolls of this turn were not taken.</source>
        <translation>Das Würfelbuch %1 enthält Wurf %2 dieses Zuges, mehr als eine Zugdatei aufführen kann: seine Würfe dieses Zuges wurden nicht übernommen.</translation>
    </message>
    <message>
        <source>roll %1, does not match</source>
        <translation>Wurf %1, stimmt nicht überein</translation>
    </message>
    <message>
        <source>roll %1, witnessed</source>
        <translation>Wurf %1, bezeugt</translation>
    </message>
</context>
<context>
    <name>TurnFeature</name>
    <message>
        <source>Their dice: %1</source>
        <translation>Würfel des Gegners: %1</translation>
    </message>
    <message>
        <source>The turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>The game&apos;s dice come from its history, which holds nothing of this game yet: open or save a file of it first.</source>
        <translation>Die Würfel der Partie stammen aus ihrem Verlauf, der noch nichts von dieser Partie enthält: öffnen oder speichern Sie zuerst eine Datei davon.</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Replay speed</source>
        <translation>Wiedergabetempo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1, %2 %3 (%4 of %5)</source>
        <translation>%1, %2 %3 (%4 von %5)</translation>
    </message>
    <message>
        <source>saved</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>opened</source>
        <translation>geöffnet</translation>
    </message>
    <message>
        <source>History: %1
%2</source>
        <translation>Verlauf: %1
%2</translation>
    </message>
    <message>
        <source>The past, read-only: %1. %2 returns to the present.</source>
        <translation>Die Vergangenheit, nur lesbar: %1. %2 kehrt zur Gegenwart zurück.</translation>
    </message>
    <message>
        <source>Nothing to replay</source>
        <translation>Nichts abzuspielen</translation>
    </message>
    <message>
        <source>No player&apos;s name was given</source>
        <translation>Kein Spielername angegeben</translation>
    </message>
    <message>
        <source>No file of this game said its turn</source>
        <translation>Keine Datei dieser Partie nannte ihren Zug</translation>
    </message>
    <message>
        <source>The history holds nothing of this game</source>
        <translation>Der Verlauf enthält nichts von dieser Partie</translation>
    </message>
    <message>
        <source>No kept copy of this game says its turn</source>
        <translation>Keine aufbewahrte Kopie dieser Partie nennt ihren Zug</translation>
    </message>
    <message>
        <source>Can not show the kept copy
</source>
        <translation>Die aufbewahrte Kopie kann nicht gezeigt werden
</translation>
    </message>
    <message>
        <source>%1 since %2</source>
        <translation>%1 seit %2</translation>
    </message>
    <message>
        <source>Can not open file
</source>
        <translation>Die Datei kann nicht geöffnet werden
</translation>
    </message>
    <message>
        <source>from the turn&apos;s start the file keeps</source>
        <translation>ab dem Zugbeginn, den die Datei festhält</translation>
    </message>
    <message>
        <source>from the file&apos;s start hexes</source>
        <translation>ab den Starthexfeldern der Datei</translation>
    </message>
    <message>
        <source>since your file %1</source>
        <translation>seit Ihrer Datei %1</translation>
    </message>
    <message>
        <source>nothing says where the turn began</source>
        <translation>nichts sagt, wo der Zug begann</translation>
    </message>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n Änderung</numerusform>
            <numerusform>%n Änderungen</numerusform>
        </translation>
    </message>
    <message>
        <source>No moves</source>
        <translation>Keine Bewegungen</translation>
    </message>
</context>
<context>
    <name>TurnFetcher</name>
    <message>
        <source>the server sent another move</source>
        <translation>der Server schickte einen anderen Zug</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>TurnListDock</name>
    <message>
        <source>The turn</source>
        <translation>Der Zug</translation>
    </message>
    <message>
        <source>Their note:</source>
        <translation>Notiz des Gegners:</translation>
    </message>
</context>
<context>
    <name>TurnListModel</name>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Verluste</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Combat hex</source>
        <translation>Kampf-Hexfeld</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>counter %1</source>
        <translation>Spielstein %1</translation>
    </message>
    <message>
        <source>did not move</source>
        <translation>nicht bewegt</translation>
    </message>
    <message>
        <source>Combat, die %1</source>
        <translation>Kampf, Würfel %1</translation>
    </message>
    <message>
        <source>Combat, die %1 (%2)</source>
        <translation>Kampf, Würfel %1 (%2)</translation>
    </message>
</context>
<context>
    <name>TurnMail</name>
    <message>
        <source>it did not understand its arguments</source>
        <translation>es verstand seine Argumente nicht</translation>
    </message>
    <message>
        <source>one of the files is missing</source>
        <translation>eine der Dateien fehlt</translation>
    </message>
    <message>
        <source>no e-mail program was found</source>
        <translation>kein E-Mail-Programm wurde gefunden</translation>
    </message>
    <message>
        <source>the e-mail program failed</source>
        <translation>das E-Mail-Programm ist gescheitert</translation>
    </message>
    <message>
        <source>My turn: the move file %1 and its move report %2 are attached.
</source>
        <translation>Mein Zug: die Zugdatei %1 und ihr Zugbericht %2 sind angehängt.
</translation>
    </message>
    <message>
        <source>Now: %1.
</source>
        <translation>Jetzt: %1.
</translation>
    </message>
    <message>
        <source>No combats this turn.
</source>
        <translation>Keine Kämpfe in diesem Zug.
</translation>
    </message>
    <message>
        <source>Combats this turn:
</source>
        <translation>Kämpfe in diesem Zug:
</translation>
    </message>
    <message>
        <source>
Note:
</source>
        <translation>
Notiz:
</translation>
    </message>
    <message>
        <source>%1 was not found or could not be run (it comes with the xdg-utils package).</source>
        <translation>%1 wurde nicht gefunden oder konnte nicht gestartet werden (es gehört zum Paket xdg-utils).</translation>
    </message>
    <message>
        <source>%1 failed (exit status %2%3).</source>
        <translation>%1 ist gescheitert (Exit-Status %2%3).</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared: </source>
        <translation>Die E-Mail konnte nicht vorbereitet werden: </translation>
    </message>
    <message>
        <source>

Attach %1 and %2 by hand; they are in
%3</source>
        <translation>

Hängen Sie %1 und %2 von Hand an; sie liegen in
%3</translation>
    </message>
</context>
<context>
    <name>TurnPage</name>
    <message>
        <source>Combat</source>
        <translation>Kampf</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild reicht der Speicher nicht</translation>
    </message>
    <message>
        <source>Korva: %1</source>
        <translation>Korva: %1</translation>
    </message>
    <message>
        <source>Allies</source>
        <translation>Alliierte</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Combats</source>
        <translation>Kämpfe</translation>
    </message>
    <message>
        <source>No combats</source>
        <translation>Keine Kämpfe</translation>
    </message>
    <message>
        <source>Made with Korva</source>
        <translation>Erstellt mit Korva</translation>
    </message>
    <message>
        <source>not named</source>
        <translation>ohne Namen</translation>
    </message>
    <message>
        <source>From the file</source>
        <translation>Aus der Datei</translation>
    </message>
    <message>
        <source>The map where the turn&apos;s moves and combats took place</source>
        <translation>Die Karte, wo die Bewegungen und Kämpfe des Zuges stattfanden</translation>
    </message>
    <message>
        <source>No counter changed</source>
        <translation>Kein Spielstein hat sich geändert</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
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
        <translation>die gespeicherte Datei konnte nicht erneut gelesen werden oder ist größer als 1 MiB</translation>
    </message>
</context>
<context>
    <name>UploadQueue</name>
    <message>
        <source>a queued upload was damaged and is set aside as %1; its turn must be saved again</source>
        <translation>ein wartender Upload war beschädigt und wurde als %1 beiseitegelegt; sein Zug muss erneut gespeichert werden</translation>
    </message>
    <message>
        <source>a queued upload is damaged and could not be set aside: %1</source>
        <translation>ein wartender Upload ist beschädigt und konnte nicht beiseitegelegt werden: %1</translation>
    </message>
    <message>
        <source>the folder %1 could not be made</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>you have no token for this server; register first</source>
        <translation>Sie haben kein Token für diesen Server; registrieren Sie sich zuerst</translation>
    </message>
</context>
<context>
    <name>WatchFoldersDialog</name>
    <message>
        <source>Watch folders</source>
        <translation>Überwachte Ordner</translation>
    </message>
    <message>
        <source>Watched folders</source>
        <translation>Überwachte Ordner</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Watch folder</source>
        <translation>Ordner überwachen</translation>
    </message>
</context>
<context>
    <name>WebPAnimationWriter</name>
    <message>
        <source>there is not enough memory for the animation</source>
        <translation>für die Animation reicht der Speicher nicht</translation>
    </message>
</context>
<context>
    <name>WitnessRecord</name>
    <message>
        <source>a witnessed roll has %1 bytes, not %2</source>
        <translation>ein bezeugter Wurf hat %1 Bytes, nicht %2</translation>
    </message>
    <message>
        <source>a witnessed roll is of a form this Korva does not know</source>
        <translation>ein bezeugter Wurf hat eine Form, die dieses Korva nicht kennt</translation>
    </message>
    <message>
        <source>a witnessed roll has number %1 and die %2</source>
        <translation>ein bezeugter Wurf hat die Nummer %1 und den Würfel %2</translation>
    </message>
    <message>
        <source>its witnessed rolls end inside their count</source>
        <translation>seine bezeugten Würfe enden mitten in ihrer Anzahl</translation>
    </message>
    <message>
        <source>its witnessed rolls count %1 in %2 bytes</source>
        <translation>seine bezeugten Würfe zählen %1 in %2 Bytes</translation>
    </message>
</context>
<context>
    <name>WitnessVerdict</name>
    <message>
        <source>no rolls were asked of the server</source>
        <translation>beim Server wurde kein Wurf angefragt</translation>
    </message>
    <message>
        <source>the one roll was witnessed by the server</source>
        <translation>der eine Wurf wurde vom Server bezeugt</translation>
    </message>
    <message>
        <source>all %1 rolls witnessed by the server</source>
        <translation>alle %1 Würfe vom Server bezeugt</translation>
    </message>
    <message>
        <source>roll %1 was rolled on the server but is not in this file</source>
        <translation>Wurf %1 wurde auf dem Server gewürfelt, steht aber nicht in dieser Datei</translation>
    </message>
    <message>
        <source>the rolls do not match the server&apos;s records (%1)</source>
        <translation>die Würfe stimmen nicht mit den Aufzeichnungen des Servers überein (%1)</translation>
    </message>
    <message>
        <source>roll %1 does not match the server&apos;s record (%2)</source>
        <translation>Wurf %1 stimmt nicht mit der Aufzeichnung des Servers überein (%2)</translation>
    </message>
    <message>
        <source>not signed by the server&apos;s key</source>
        <translation>nicht mit dem Schlüssel des Servers signiert</translation>
    </message>
    <message>
        <source>rolled for another game or turn</source>
        <translation>für eine andere Partie oder einen anderen Zug gewürfelt</translation>
    </message>
    <message>
        <source>listed twice or out of order</source>
        <translation>doppelt oder nicht in Reihenfolge aufgeführt</translation>
    </message>
    <message>
        <source>it does not follow the roll before</source>
        <translation>er folgt nicht auf den Wurf davor</translation>
    </message>
    <message>
        <source>the server&apos;s log differs</source>
        <translation>das Protokoll des Servers weicht ab</translation>
    </message>
    <message>
        <source>the server&apos;s log lacks it</source>
        <translation>im Protokoll des Servers fehlt er</translation>
    </message>
    <message>
        <source>the combat is not the one the server witnessed</source>
        <translation>der Kampf ist nicht der, den der Server bezeugt hat</translation>
    </message>
    <message>
        <source>a combat no witnessed roll accounts for</source>
        <translation>ein Kampf, zu dem kein bezeugter Wurf gehört</translation>
    </message>
    <message>
        <source>no combat of the file shows it</source>
        <translation>kein Kampf der Datei zeigt ihn</translation>
    </message>
</context>
<context>
    <name>korva</name>
    <message numerus="yes">
        <source>No games but archived ones (%n).</source>
        <translation>
            <numerusform>Nur eine archivierte Partie (%n).</numerusform>
            <numerusform>Nur archivierte Partien (%n).</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the folder cannot be created</source>
        <translation>%1: der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>bitmap %1: a picture file for it exists already, kept</source>
        <translation>Bitmap %1: eine Bilddatei dafür existiert bereits, sie bleibt</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>%1 (korva --help lists the uses)</source>
        <translation>%1 (korva --help zeigt die Aufrufe)</translation>
    </message>
    <message>
        <source>the file claims the id of another of your games</source>
        <translation>die Datei gibt die Kennung einer anderen Ihrer Partien an</translation>
    </message>
    <message>
        <source>no history is kept</source>
        <translation>es wird kein Verlauf geführt</translation>
    </message>
    <message>
        <source>it claims the id of another of your games</source>
        <translation>sie gibt die Kennung einer anderen Ihrer Partien an</translation>
    </message>
    <message>
        <source>the history knows no game of this file</source>
        <translation>der Verlauf kennt keine Partie dieser Datei</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Allies</source>
        <translation>Alliierte</translation>
    </message>
    <message>
        <source>Axis</source>
        <translation>Achse</translation>
    </message>
    <message>
        <source>game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>turn</source>
        <translation>Zug</translation>
    </message>
    <message>
        <source>to move</source>
        <translation>Am Zug</translation>
    </message>
    <message>
        <source>moves first</source>
        <translation>Beginnt</translation>
    </message>
    <message>
        <source>allies player</source>
        <translation>Spieler Alliierte</translation>
    </message>
    <message>
        <source>axis player</source>
        <translation>Spieler Achse</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>%1 characters</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>Bewegungen</translation>
    </message>
    <message>
        <source>combats</source>
        <translation>Kämpfe</translation>
    </message>
    <message>
        <source>korva block</source>
        <translation>Korva-Block</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>valid</source>
        <translation>gültig</translation>
    </message>
    <message>
        <source>damaged: </source>
        <translation>beschädigt: </translation>
    </message>
    <message>
        <source>written by</source>
        <translation>Geschrieben von</translation>
    </message>
    <message>
        <source>unknown records</source>
        <translation>Unbekannte Einträge</translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation>für das Bild reicht der Speicher nicht</translation>
    </message>
    <message>
        <source>%1 takes other arguments</source>
        <translation>%1 erwartet andere Argumente</translation>
    </message>
    <message>
        <source>--zoom takes a percentage from 25 to 400, not %1</source>
        <translation>--zoom erwartet einen Prozentwert von 25 bis 400, nicht %1</translation>
    </message>
    <message>
        <source>--since goes with --moves</source>
        <translation>--since gehört zu --moves</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>only one move file can be opened at a time</source>
        <translation>es kann nur eine Zugdatei auf einmal geöffnet werden</translation>
    </message>
    <message>
        <source>--frame-ms takes milliseconds from 20 to 60000, not %1</source>
        <translation>--frame-ms erwartet Millisekunden von 20 bis 60000, nicht %1</translation>
    </message>
    <message>
        <source>--animate takes other arguments</source>
        <translation>--animate erwartet andere Argumente</translation>
    </message>
    <message>
        <source>--animate takes an output and at least one move file</source>
        <translation>--animate erwartet eine Ausgabe und mindestens eine Zugdatei</translation>
    </message>
    <message>
        <source>--frame-ms goes with an animated WebP, not with --frames</source>
        <translation>--frame-ms gehört zu einem animierten WebP, nicht zu --frames</translation>
    </message>
    <message>
        <source>--export-turn takes other arguments</source>
        <translation>--export-turn erwartet andere Argumente</translation>
    </message>
    <message>
        <source>No games in the history yet.</source>
        <translation>Noch keine Partien im Verlauf.</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no game</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no player</comment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>the server&apos;s key is not the one it had when you first used it (its fingerprint was %1, now %2); if its host changed the key, ask them</source>
        <translation>der Schlüssel des Servers ist nicht mehr der, den er bei Ihrer ersten Verbindung hatte (sein Fingerabdruck war %1, jetzt %2); falls sein Betreiber den Schlüssel geändert hat, fragen Sie ihn</translation>
    </message>
    <message>
        <source>you have no token for this server: register first with korva --server %1 --register NAME</source>
        <translation>Sie haben kein Token für diesen Server: registrieren Sie sich zuerst mit korva --server %1 --register NAME</translation>
    </message>
    <message>
        <source>you are registered on this server already</source>
        <translation>Sie sind auf diesem Server bereits registriert</translation>
    </message>
    <message>
        <source>the token could not be kept (%1); it is shown once here: %2</source>
        <translation>das Token konnte nicht aufbewahrt werden (%1); es wird hier einmal gezeigt: %2</translation>
    </message>
    <message>
        <source>registered as %1; keep this token to play from another computer:</source>
        <translation>registriert als %1; bewahren Sie dieses Token auf, um von einem anderen Rechner aus zu spielen:</translation>
    </message>
    <message>
        <source>the file names no game or turn of Korva&apos;s; save it in Korva first</source>
        <translation>die Datei nennt keine Partie und keinen Zug von Korva; speichern Sie sie zuerst in Korva</translation>
    </message>
    <message>
        <source>the server made the game but gave no invite code</source>
        <translation>der Server hat die Partie angelegt, aber keinen Einladungscode gegeben</translation>
    </message>
    <message>
        <source>game %1 made; you play %2. Give your opponent this invite code:</source>
        <translation>Partie %1 angelegt; Sie spielen %2. Geben Sie Ihrem Gegner diesen Einladungscode:</translation>
    </message>
    <message>
        <source>joined %1 against %2; you play %3</source>
        <translation>%1 beigetreten gegen %2; Sie spielen %3</translation>
    </message>
    <message>
        <source>not joined yet (invite code %1)</source>
        <translation>noch nicht beigetreten (Einladungscode %1)</translation>
    </message>
    <message>
        <source>not joined yet</source>
        <translation>noch nicht beigetreten</translation>
    </message>
    <message>
        <source>Move %1 · %2 to move</source>
        <translation>Spielzug %1 · %2 am Zug</translation>
    </message>
    <message>
        <source>waiting for an opponent to join</source>
        <translation>wartet auf den Beitritt eines Gegners</translation>
    </message>
    <message>
        <source>The games on %1 could not be listed: %2</source>
        <translation>Die Partien auf %1 konnten nicht aufgelistet werden: %2</translation>
    </message>
    <message>
        <source>On the server %1:</source>
        <translation>Auf dem Server %1:</translation>
    </message>
    <message>
        <source>No games on this server yet.</source>
        <translation>Noch keine Partien auf diesem Server.</translation>
    </message>
    <message>
        <source>first contact; the server&apos;s certificate has the fingerprint %1 and is kept: a different one will be refused</source>
        <translation>erste Verbindung; das Zertifikat des Servers hat den Fingerabdruck %1 und wird aufbewahrt: ein anderes wird abgelehnt</translation>
    </message>
    <message>
        <source>no key is pinned for this server</source>
        <translation>für diesen Server ist kein Schlüssel festgehalten</translation>
    </message>
    <message>
        <source>the game was made (invite code %1) but Korva could not keep it as a server game: %2</source>
        <translation>die Partie wurde angelegt (Einladungscode %1), aber Korva konnte sie nicht als Server-Partie festhalten: %2</translation>
    </message>
    <message>
        <source>joined, but Korva could not keep the game as a server game: %1</source>
        <translation>beigetreten, aber Korva konnte die Partie nicht als Server-Partie festhalten: %1</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Zug %1</translation>
    </message>
</context>
</TS>
