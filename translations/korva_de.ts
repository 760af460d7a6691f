<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Animation</name>
    <message>
        <source>there is not enough memory for the animation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AnimationDialog</name>
    <message>
        <source>Export game as animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s one kept position, as one frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s %1 kept positions, oldest first, one frame each.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An animated WebP picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of numbered PNG pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebP pictures (*.webp)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Recent move files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The move files opened or saved last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back the change last taken back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turn&apos;s edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every step of this turn, to go back to any of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send by e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the saved turn by e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu of the hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the stack over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the stack over: the next counter comes to the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex cursor left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hex cursor one column left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex cursor right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hex cursor one column right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex cursor up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hex cursor one hex up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex cursor down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hex cursor one hex down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick up or drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick up the top counter of the cursor&apos;s hex; drop the one held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the counter held back: nothing moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A view&apos;s height up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A view&apos;s height down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A view&apos;s width left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A view&apos;s width right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map at 100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit width: the map&apos;s width fills the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit window: as much of the map as the view holds, 25% at least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview of the whole map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readable losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readable losses: the number over each counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next unit found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous unit found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order of battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the turn&apos;s moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turn as a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay the turn&apos;s moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play or pause the replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One step of the replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s first kept position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept position before this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept position after this one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s newest kept position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game as it stands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the changes since another move file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note to the opponent, sent with the next save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players and turn…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who plays which side; the turn of a game whose files never said it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s dice…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every roll of the game, and how fair each die looks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every game you play, and whose move it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to turn…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept position a chosen turn began from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The map as a PNG picture, whole or the part in view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export turn as web page…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turn as one web page: the map around its moves, the changes, the combats and the note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export game as animation…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every kept position of the game, one frame each, as an animation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditsDock</name>
    <message>
        <source>The turn&apos;s edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turn as it began</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFeature</name>
    <message>
        <source>the history holds nothing of this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a kept copy could not be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing the picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history holds nothing of this game: open or save a file of it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing the game&apos;s positions…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not write %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaceChart</name>
    <message>
        <source>%1: %2 times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilesFeature</name>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent Move Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The move file was saved, but the move report was not.
%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game in this file: every counter stands in its placeholder hex (1 to 234). New game (%1) sets them out off board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You saved this file yourself: your opponent&apos;s answer is the file they send back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have already answered this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have already answered a later turn of this game than this file&apos;s (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is of another game than the one you had open, whose unsaved changes are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file claims the id of another of your games, but its turn does not follow from any position of that game: it is kept apart, and nothing of that game changed. An answer to it starts a game of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opponent&apos;s dice do not check out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A roll made earlier against this file came back as a combat of this turn: a roll once made stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rolls made earlier against this file came back as combats of this turn: a roll once made stands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent move files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a Korva move file (*.krv) can be dropped here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop one move file at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korva opens move files on this computer only, not
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Korva move file (*.krv).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindFeature</name>
    <message>
        <source>Find a unit (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a unit by name: &quot;6 arm&quot; finds &quot;UK 6 Armor XX&quot; (%1; %2 next, %3 previous)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a unit&apos;s name (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit matches &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 next, %2 previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, on top of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 of %2 from the top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameDiceDialog</name>
    <message>
        <source>The game&apos;s dice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every roll of the game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameDiceModel</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <source>The game&apos;s history kept no copy of %1: it holds %2 of this game, as much as it keeps of one game, and keeps no more of the files opened in it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameSetupDialog</name>
    <message>
        <source>Allies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players and turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name Save proposes for the game&apos;s files, such as salerno_t03_axis.krv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Moves first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Allies player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;xis player:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turn is known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;urn:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To move:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamesDialog</name>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No games yet: the games you open or save show here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opponent&apos;s latest file when it is your move, your own while you wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A finished game leaves the list; nothing of it is deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show archived</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch folders…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folders where move files arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamesFeature</name>
    <message>
        <source>%1 — %2. Games (%3) opens it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer where Korva saw it last. Open (%2) finds it where it is now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New move from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamesModel</name>
    <message>
        <source>%1 (archived)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Their dice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GoToTurnDialog</name>
    <message>
        <source>Go to turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game as it stood when this move began, read-only:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KorvaApplication</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MapFeature</name>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys move the hex cursor; Enter picks up and drops the top counter; Esc cancels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom: pick a step or type a percentage (25 to 400)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteEditor</name>
    <message>
        <source>Note to the opponent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent with the next save:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too long: %1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrderOfBattleDock</name>
    <message>
        <source>Order of battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter: side, name, hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter the order of battle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrderOfBattleModel</name>
    <message>
        <source>Allies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputPathField</name>
    <message>
        <source>Choose…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageDialog</name>
    <message>
        <source>Export turn as web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One page with the map around the turn&apos;s moves, the changes, the combats with their rolls, and the note.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web pages (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureDialog</name>
    <message>
        <source>Export picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The part in view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the turn&apos;s moves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayFeature</name>
    <message>
        <source>opponent&apos;s roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opponent&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc ends the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved or not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A die roll cannot be taken back; undo stops here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A die roll cannot be taken back (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PngFolderSink</name>
    <message>
        <source>it is there and is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder is not empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder it would go in does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there were no frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the empty folder there cannot be replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder of frames cannot be given its name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>This turn has changes that are not saved.
Save them first?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReplayStep</name>
    <message>
        <source>Combat, die %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>The past is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StackViewer</name>
    <message>
        <source>Steps/Losses %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marker %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stack viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent&apos;s roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and 1 more combat here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %L1 more combats here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>Korva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new game, or open the move file your opponent sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move files used last:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your games:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCombat</name>
    <message>
        <source>Combat comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rolls the die</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>First banner line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second banner line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Third banner line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korva tool bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some pictures could not be read; others are shown in their place.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No die-roll trace was written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnFeature</name>
    <message>
        <source>Their dice: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s dice come from its history, which holds nothing of this game yet: open or save a file of it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 %3 (%4 of %5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The past, read-only: %1. %2 returns to the present.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No player&apos;s name was given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file of this game said its turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history holds nothing of this game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No kept copy of this game says its turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not show the kept copy
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 since %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnListDock</name>
    <message>
        <source>The turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Their note:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnListModel</name>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combat hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>did not move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combat, die %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combat, die %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnMail</name>
    <message>
        <source>it did not understand its arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of the files is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no e-mail program was found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the e-mail program failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TurnPage</name>
    <message>
        <source>Combat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is not enough memory for the picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatchFoldersDialog</name>
    <message>
        <source>Watch folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watched folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watch folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebPAnimationWriter</name>
    <message>
        <source>there is not enough memory for the animation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebPFileSink</name>
    <message>
        <source>the animation could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korva</name>
    <message numerus="yes">
        <source>No games but archived ones (%n).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
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
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
