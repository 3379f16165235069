<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- What Qt's own Finnish catalogue leaves in English: the help's own two
     lines, and Qt's options as the help with Qt's options lists them. -->
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
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QPA plugin. See QGuiApplication documentation for available options for each plugin.</source>
        <translation>Ikkunajärjestelmän liitännäinen. Kunkin liitännäisen asetukset kerrotaan QGuiApplicationin ohjeessa.</translation>
    </message>
    <message>
        <source>Path to the platform plugins.</source>
        <translation>Ikkunajärjestelmän liitännäisten kansio.</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Ympäristön teema.</translation>
    </message>
    <message>
        <source>Additional plugins to load, can be specified multiple times.</source>
        <translation>Ladattava lisäliitännäinen; voidaan antaa useasti.</translation>
    </message>
    <message>
        <source>Window geometry for the main window, using the X11-syntax, like 100x100+50+50.</source>
        <translation>Pääikkunan koko ja paikka X11:n tapaan, esim. 100x100+50+50.</translation>
    </message>
    <message>
        <source>Default window icon.</source>
        <translation>Ikkunoiden oletuskuvake.</translation>
    </message>
    <message>
        <source>Title of the first window.</source>
        <translation>Ensimmäisen ikkunan otsikko.</translation>
    </message>
    <message>
        <source>Sets the application&apos;s layout direction to Qt::RightToLeft (debugging helper).</source>
        <translation>Asettelee ohjelman oikealta vasemmalle (Qt::RightToLeft; vianetsintään).</translation>
    </message>
    <message>
        <source>Restores the application from an earlier session.</source>
        <translation>Palauttaa ohjelman aiemmasta istunnosta.</translation>
    </message>
    <message>
        <source>Display name, overrides $DISPLAY.</source>
        <translation>Näytön nimi; ohittaa muuttujan $DISPLAY.</translation>
    </message>
    <message>
        <source>Instance name according to ICCCM 4.1.2.5.</source>
        <translation>Ohjelman instanssin nimi (ICCCM 4.1.2.5).</translation>
    </message>
    <message>
        <source>Disable mouse grabbing (useful in debuggers).</source>
        <translation>Ei kaappaa hiirtä (hyödyllinen debuggerissa).</translation>
    </message>
    <message>
        <source>Force mouse grabbing (even when running in a debugger).</source>
        <translation>Kaappaa hiiren aina (myös debuggerissa).</translation>
    </message>
    <message>
        <source>ID of the X11 Visual to use.</source>
        <translation>Käytettävän X11-visualin tunniste.</translation>
    </message>
    <message>
        <source>Alias for --qwindowgeometry.</source>
        <translation>Sama kuin --qwindowgeometry.</translation>
    </message>
    <message>
        <source>Alias for --qwindowicon.</source>
        <translation>Sama kuin --qwindowicon.</translation>
    </message>
    <message>
        <source>Alias for --qwindowtitle.</source>
        <translation>Sama kuin --qwindowtitle.</translation>
    </message>
</context>
</TS>
