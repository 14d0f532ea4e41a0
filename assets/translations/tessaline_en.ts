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
</TS>
