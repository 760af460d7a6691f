<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AnimationDialog</name>
    <message numerus="yes">
        <source>The game&apos;s %n kept position(s), oldest first, one frame each.</source>
        <translation>
            <numerusform>The game&apos;s one kept position, as one frame.</numerusform>
            <numerusform>The game&apos;s %n kept positions, oldest first, one frame each.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DiceVerdict</name>
    <message numerus="yes">
        <source>all %n roll(s) verified</source>
        <translation>
            <numerusform>the one roll verified</numerusform>
            <numerusform>all %n rolls verified</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>roll %1 is missing, %n roll(s) made</source>
        <translation>
            <numerusform>roll %1 is missing, %n roll was made</numerusform>
            <numerusform>roll %1 is missing, %n rolls were made</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FilesFeature</name>
    <message numerus="yes">
        <source>%n roll(s) made earlier against this file came back as combat(s) of this turn: a roll once made stands.</source>
        <translation>
            <numerusform>A roll made earlier against this file came back as a combat of this turn: a roll once made stands.</numerusform>
            <numerusform>%n rolls made earlier against this file came back as combats of this turn: a roll once made stands.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameDice</name>
    <message numerus="yes">
        <source>%Ln roll(s)</source>
        <translation>
            <numerusform>%Ln roll</numerusform>
            <numerusform>%Ln rolls</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln roll(s) that the files list but no combat of theirs accounts for were left out.</source>
        <translation>
            <numerusform>%Ln roll that the files list but no combat of theirs accounts for was left out.</numerusform>
            <numerusform>%Ln rolls that the files list but no combat of theirs accounts for were left out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln further roll(s) were not read: the log reads at most %1.</source>
        <translation>
            <numerusform>%Ln further roll was not read: the log reads at most %1.</numerusform>
            <numerusform>%Ln further rolls were not read: the log reads at most %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameList</name>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n minute ago</numerusform>
            <numerusform>%n minutes ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n hour ago</numerusform>
            <numerusform>%n hours ago</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day(s) ago</source>
        <translation>
            <numerusform>%Ln day ago</numerusform>
            <numerusform>%Ln days ago</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HexAnnouncement</name>
    <message numerus="yes">
        <source>%1, %2 and %n more, %3</source>
        <translation>
            <numerusform>%1, %2 and %n more, %3</numerusform>
            <numerusform>%1, %2 and %n more, %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StackViewer</name>
    <message numerus="yes">
        <source>and %Ln more combat(s) here</source>
        <translation>
            <numerusform>and %Ln more combat here</numerusform>
            <numerusform>and %Ln more combats here</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TurnFeature</name>
    <message numerus="yes">
        <source>%n change(s)</source>
        <translation>
            <numerusform>%n change</numerusform>
            <numerusform>%n changes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korva</name>
    <message numerus="yes">
        <source>No games but archived ones (%n).</source>
        <translation>
            <numerusform>No games but archived ones (%n).</numerusform>
            <numerusform>No games but archived ones (%n).</numerusform>
        </translation>
    </message>
</context>
</TS>
