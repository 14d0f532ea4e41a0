<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>ErrorBox</name>
    <message>
        <source>at least </source>
        <translation>al menos </translation>
    </message>
    <message>
        <source>further line was</source>
        <translation>línea más no se leyó</translation>
    </message>
    <message>
        <source>further lines were</source>
        <translation>líneas más no se leyeron</translation>
    </message>
    <message>
        <source>Too many lines: %1%2 %3 not read</source>
        <translation>Demasiadas líneas: %1%2 %3</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>in </source>
        <translation>en </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>en la línea </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe por correo electrónico una captura de pantalla de este mensaje a </translation>
    </message>
    <message>
        <source>File too large (over %1 KiB)</source>
        <translation>Archivo demasiado grande (más de %1 KiB)</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>El objeto no admite esta propiedad o método</translation>
    </message>
    <message>
        <source>Invalid skin file</source>
        <translation>Archivo de apariencia no válido</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Control array element &apos;%1(%2)&apos; doesn&apos;t exist</source>
        <translation>El elemento &apos;%1(%2)&apos; de la matriz de controles no existe</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objeto ya cargado</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Error de acceso a la ruta o al archivo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
</context>
<context>
    <name>PlaceName</name>
    <message>
        <source>Argentina</source>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Asuncion</source>
        <translation>Asunción</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>Bogotá</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolivia</translation>
    </message>
    <message>
        <source>Brasilia</source>
        <translation>Brasilia</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Caracas</source>
        <translation>Caracas</translation>
    </message>
    <message>
        <source>Caribbean Sea</source>
        <translation>Mar Caribe</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message>
        <source>Colombia</source>
        <translation>Colombia</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>French Guiana</source>
        <translation>Guayana Francesa</translation>
    </message>
    <message>
        <source>Guyana</source>
        <translation>Guyana</translation>
    </message>
    <message>
        <source>La Paz</source>
        <translation>La Paz</translation>
    </message>
    <message>
        <source>Lima</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Montevideo</source>
        <translation>Montevideo</translation>
    </message>
    <message>
        <source>North Atlantic Ocean</source>
        <translation>Atlántico Norte</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Perú</translation>
    </message>
    <message>
        <source>Quito</source>
        <translation>Quito</translation>
    </message>
    <message>
        <source>Santiago</source>
        <translation>Santiago</translation>
    </message>
    <message>
        <source>South Atlantic Ocean</source>
        <translation>Océano Atlántico Sur</translation>
    </message>
    <message>
        <source>South Pacific Ocean</source>
        <translation>Océano Pacífico Sur</translation>
    </message>
    <message>
        <source>Sucre</source>
        <translation>Sucre</translation>
    </message>
    <message>
        <source>Suriname</source>
        <translation>Surinam</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation>Uruguay</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
</context>
<context>
    <name>QuizWindow</name>
    <message>
        <source>CONGRATULATIONS!THE MAP IS COMPLETE!</source>
        <translation>¡FELICIDADES! ¡EL MAPA ESTÁ COMPLETO!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>ÉXITO</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUCCIONES</translation>
    </message>
    <message>
        <source>DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>ARRASTRA CADA NOMBRE A SU LUGAR EN EL MAPA</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <translation>PAÍSES :</translation>
    </message>
    <message>
        <source>CAPITALS :</source>
        <translation>CAPITALES :</translation>
    </message>
    <message>
        <source>SEAS AND OCEANS :</source>
        <translation>MARES Y OCÉANOS :</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Map of South America</source>
        <translation>Mapa de América del Sur</translation>
    </message>
    <message>
        <source>%1 placed</source>
        <translation>%1 en su lugar</translation>
    </message>
    <message>
        <source>%1: not here</source>
        <translation>%1: aquí no</translation>
    </message>
    <message>
        <source>%1 held: the arrow keys move it over the map, Enter places it, Escape puts it back</source>
        <translation>%1 en la mano: las flechas mueven el nombre por el mapa, Intro lo coloca, Escape lo devuelve</translation>
    </message>
    <message>
        <source>New game: every name is back on the panel</source>
        <translation>Nueva partida: todos los nombres han vuelto al panel</translation>
    </message>
    <message>
        <source>North-west.</source>
        <extracomment>Where a place lies on the continent, said first of it.</extracomment>
        <translation>Noroeste.</translation>
    </message>
    <message>
        <source>North.</source>
        <translation>Norte.</translation>
    </message>
    <message>
        <source>North-east.</source>
        <translation>Noreste.</translation>
    </message>
    <message>
        <source>West.</source>
        <translation>Oeste.</translation>
    </message>
    <message>
        <source>Centre.</source>
        <extracomment>The middle part of the continent.</extracomment>
        <translation>Centro.</translation>
    </message>
    <message>
        <source>East.</source>
        <translation>Este.</translation>
    </message>
    <message>
        <source>South-west.</source>
        <translation>Suroeste.</translation>
    </message>
    <message>
        <source>South.</source>
        <translation>Sur.</translation>
    </message>
    <message>
        <source>South-east.</source>
        <translation>Sureste.</translation>
    </message>
    <message>
        <source>Large country by the sea.</source>
        <extracomment>A place&apos;s size among the places on the map (&quot;large&quot;: one of the largest), and whether it is land by the sea, land away from the sea, or sea.</extracomment>
        <translation>País grande con costa.</translation>
    </message>
    <message>
        <source>Middle-sized country by the sea.</source>
        <translation>País mediano con costa.</translation>
    </message>
    <message>
        <source>Small country by the sea.</source>
        <translation>País pequeño con costa.</translation>
    </message>
    <message>
        <source>Large inland country.</source>
        <translation>País grande sin costa.</translation>
    </message>
    <message>
        <source>Middle-sized inland country.</source>
        <translation>País mediano sin costa.</translation>
    </message>
    <message>
        <source>Small inland country.</source>
        <translation>País pequeño sin costa.</translation>
    </message>
    <message>
        <source>Large area of sea.</source>
        <translation>Gran extensión de mar.</translation>
    </message>
    <message>
        <source>Middle-sized area of sea.</source>
        <translation>Extensión de mar mediana.</translation>
    </message>
    <message>
        <source>Small area of sea.</source>
        <translation>Pequeña extensión de mar.</translation>
    </message>
    <message>
        <source>A capital&apos;s star.</source>
        <extracomment>The star that marks a capital city is drawn on this place.</extracomment>
        <translation>Una estrella de capital.</translation>
    </message>
    <message numerus="yes">
        <source>%n capitals&apos; stars.</source>
        <extracomment>Two or more stars that mark capital cities are drawn on this place.</extracomment>
        <translation>
            <numerusform>%n estrella de capital.</numerusform>
            <numerusform>%n estrellas de capital.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The westernmost of %n like it.</source>
        <extracomment>Several places would be told with the same words: this one lies furthest west of them. %n: how many they are.</extracomment>
        <translation>
            <numerusform>El más al oeste de %n parecidos.</numerusform>
            <numerusform>El más al oeste de %n parecidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The easternmost of %n like it.</source>
        <translation>
            <numerusform>El más al este de %n parecidos.</numerusform>
            <numerusform>El más al este de %n parecidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %1 of %n like it, from the west.</source>
        <extracomment>%1: this place&apos;s number among them, counted from the west; %n: how many they are.</extracomment>
        <translation>
            <numerusform>El %1.º de %n parecidos, desde el oeste.</numerusform>
            <numerusform>El %1.º de %n parecidos, desde el oeste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The northernmost of %n like it.</source>
        <translation>
            <numerusform>El más al norte de %n parecidos.</numerusform>
            <numerusform>El más al norte de %n parecidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The southernmost of %n like it.</source>
        <translation>
            <numerusform>El más al sur de %n parecidos.</numerusform>
            <numerusform>El más al sur de %n parecidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %1 of %n like it, from the north.</source>
        <extracomment>%1: this place&apos;s number among them, counted from the north; %n: how many they are.</extracomment>
        <translation>
            <numerusform>El %1.º de %n parecidos, desde el norte.</numerusform>
            <numerusform>El %1.º de %n parecidos, desde el norte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Labelled %1.</source>
        <extracomment>The names already placed on this place, as the map shows them in bold. %1: the names, as a list (&quot;Peru and Lima&quot;).</extracomment>
        <translation>Rótulos: %1.</translation>
    </message>
    <message>
        <source>Next to %1.</source>
        <extracomment>The names already placed on the places around this one. %1: the names, as a list (&quot;Brazil and Peru&quot;).</extracomment>
        <translation>Junto a %1.</translation>
    </message>
    <message>
        <source>Every neighbour named.</source>
        <extracomment>Every place around this one has its name placed.</extracomment>
        <translation>Todos los vecinos tienen nombre.</translation>
    </message>
    <message>
        <source>One neighbour unnamed.</source>
        <extracomment>One place around this one is still without its name.</extracomment>
        <translation>Un vecino sin nombre.</translation>
    </message>
    <message numerus="yes">
        <source>%n neighbours unnamed.</source>
        <extracomment>Two or more places around this one are still without their names.</extracomment>
        <translation>
            <numerusform>%n vecino sin nombre.</numerusform>
            <numerusform>%n vecinos sin nombre.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two names of a list: &quot;Brazil and Peru&quot;.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the names of a list before its last two: &quot;Bolivia, Brazil and Peru&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
