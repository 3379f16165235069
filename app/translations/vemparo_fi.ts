<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- What Qt's own Finnish catalogue leaves in English. -->
<TS version="2.1" language="fi_FI">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Näyttää ohjeen komentorivin valitsimista.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Näyttää ohjeen myös Qt:n omista valitsimista.</translation>
    </message>
</context>
</TS>
