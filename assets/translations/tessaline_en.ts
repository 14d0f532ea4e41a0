<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ErrorBox</name>
    <message numerus="yes">
        <source>Too many lines: at least %n further line(s) not read</source>
        <extracomment>The item file has more lines than the pool has names, and is longer than the program reads: %n lines were counted in what was read, and more may follow.</extracomment>
        <translation>
            <numerusform>Too many lines: at least %n further line was not read</numerusform>
            <numerusform>Too many lines: at least %n further lines were not read</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many lines: %n further line(s) not read</source>
        <extracomment>The item file has more lines than the pool has names: %n lines were left unread.</extracomment>
        <translation>
            <numerusform>Too many lines: %n further line was not read</numerusform>
            <numerusform>Too many lines: %n further lines were not read</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message numerus="yes">
        <source>%n capitals&apos; stars.</source>
        <extracomment>Two or more stars that mark capital cities are drawn on this place.</extracomment>
        <translation>
            <numerusform>%n capital&apos;s star.</numerusform>
            <numerusform>%n capitals&apos; stars.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The westernmost of %n like it.</source>
        <extracomment>Several places would be told with the same words: this one lies furthest west of them. %n: how many they are.</extracomment>
        <translation>
            <numerusform>The westernmost of %n like it.</numerusform>
            <numerusform>The westernmost of %n like it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The easternmost of %n like it.</source>
        <translation>
            <numerusform>The easternmost of %n like it.</numerusform>
            <numerusform>The easternmost of %n like it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %1 of %n like it, from the west.</source>
        <extracomment>%1: this place&apos;s number among them, counted from the west; %n: how many they are.</extracomment>
        <translation>
            <numerusform>Number %1 of %n like it, from the west.</numerusform>
            <numerusform>Number %1 of %n like it, from the west.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The northernmost of %n like it.</source>
        <translation>
            <numerusform>The northernmost of %n like it.</numerusform>
            <numerusform>The northernmost of %n like it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The southernmost of %n like it.</source>
        <translation>
            <numerusform>The southernmost of %n like it.</numerusform>
            <numerusform>The southernmost of %n like it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %1 of %n like it, from the north.</source>
        <extracomment>%1: this place&apos;s number among them, counted from the north; %n: how many they are.</extracomment>
        <translation>
            <numerusform>Number %1 of %n like it, from the north.</numerusform>
            <numerusform>Number %1 of %n like it, from the north.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n neighbours unnamed.</source>
        <extracomment>Two or more places around this one are still without their names.</extracomment>
        <translation>
            <numerusform>%n neighbour unnamed.</numerusform>
            <numerusform>%n neighbours unnamed.</numerusform>
        </translation>
    </message>
</context>
</TS>
