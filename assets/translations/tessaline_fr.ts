<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ErrorBox</name>
    <message>
        <source>Control array element &apos;%1(%2)&apos; doesn&apos;t exist</source>
        <extracomment>An error: a numbered control of the window is missing. %1: the controls&apos; name, %2: the number (labels(3)); not to translate.</extracomment>
        <translation>L’élément &apos;%1(%2)&apos; du groupe de contrôles n’existe pas</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <extracomment>An error: a control of the window was made twice.</extracomment>
        <translation>Objet déjà chargé</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <extracomment>An error: a list was asked for an element past its end.</extracomment>
        <translation>L’indice n’appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>An error: a number grew past what it can hold.</extracomment>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>File not found</source>
        <extracomment>An error: a file the program needs (the item list, items.txt) is not beside it.</extracomment>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <extracomment>An error: the program may not read a file of its own.</extracomment>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <extracomment>An error: a file of the program&apos;s cannot be read (a folder of that name, say).</extracomment>
        <translation>Erreur d’accès au chemin ou au fichier</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>An error: a picture of the program&apos;s cannot be decoded.</extracomment>
        <translation>Image non valide</translation>
    </message>
    <message numerus="yes">
        <source>Too many lines: at least %n further line(s) not read</source>
        <extracomment>The item file has more lines than the pool has names, and is longer than the program reads: %n lines were counted in what was read, and more may follow.</extracomment>
        <translation>
            <numerusform>Trop de lignes&#xa0;: au moins %n ligne de plus n’a pas été lue</numerusform>
            <numerusform>Trop de lignes&#xa0;: au moins %n lignes de plus n’ont pas été lues</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many lines: %n further line(s) not read</source>
        <extracomment>The item file has more lines than the pool has names: %n lines were left unread.</extracomment>
        <translation>
            <numerusform>Trop de lignes&#xa0;: %n ligne de plus n’a pas été lue</numerusform>
            <numerusform>Trop de lignes&#xa0;: %n lignes de plus n’ont pas été lues</numerusform>
        </translation>
    </message>
    <message>
        <source>Application Error</source>
        <extracomment>The title of the box that tells of an error.</extracomment>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <extracomment>An error: the computer has no memory left for the program.</extracomment>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <extracomment>The error box&apos;s second line, under the error&apos;s description. %1: where the program was, for its maker (Tessaline2017/04/05.Form1.Form_Load), not to translate; %2: the number of the step that failed.</extracomment>
        <translation>dans %1 à la ligne %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error box&apos;s last line, to the pupil or teacher who sees it. %1: the maker&apos;s e-mail address.</extracomment>
        <translation>Envoie une capture d’écran de ce message par courriel à %1</translation>
    </message>
    <message>
        <source>File too large (over %1 KiB)</source>
        <extracomment>An error: a file of the program&apos;s is longer than it reads. %1: the limit in kibibytes (1024 bytes).</extracomment>
        <translation>Fichier trop volumineux (plus de %1&#xa0;Kio)</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <extracomment>An error: the skin file (the window&apos;s look) asks for what the program cannot do.</extracomment>
        <translation>Propriété ou méthode non gérée par cet objet</translation>
    </message>
    <message>
        <source>Invalid skin file</source>
        <extracomment>An error: the skin file (the window&apos;s look) cannot be read.</extracomment>
        <translation>Fichier d’apparence non valide</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <extracomment>An error: the skin was applied to another window than its own.</extracomment>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
</context>
<context>
    <name>PlaceName</name>
    <message>
        <source>Argentina</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Argentine</translation>
    </message>
    <message>
        <source>Asuncion</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Asuncion</translation>
    </message>
    <message>
        <source>Bogota</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Bogota</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Bolivie</translation>
    </message>
    <message>
        <source>Brasilia</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Brasilia</translation>
    </message>
    <message>
        <source>Brazil</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Brésil</translation>
    </message>
    <message>
        <source>Buenos Aires</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Buenos Aires</translation>
    </message>
    <message>
        <source>Caracas</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Caracas</translation>
    </message>
    <message>
        <source>Caribbean Sea</source>
        <extracomment>a sea or an ocean, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Mer des Caraïbes</translation>
    </message>
    <message>
        <source>Chile</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Chili</translation>
    </message>
    <message>
        <source>Colombia</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Colombie</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Équateur</translation>
    </message>
    <message>
        <source>French Guiana</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Guyane</translation>
    </message>
    <message>
        <source>Guyana</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Guyana</translation>
    </message>
    <message>
        <source>La Paz</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>La Paz</translation>
    </message>
    <message>
        <source>Lima</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Montevideo</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Montevideo</translation>
    </message>
    <message>
        <source>North Atlantic Ocean</source>
        <extracomment>a sea or an ocean, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Atlantique Nord</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Pérou</translation>
    </message>
    <message>
        <source>Quito</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Quito</translation>
    </message>
    <message>
        <source>Santiago</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Santiago</translation>
    </message>
    <message>
        <source>South Atlantic Ocean</source>
        <extracomment>a sea or an ocean, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Atlantique Sud</translation>
    </message>
    <message>
        <source>South Pacific Ocean</source>
        <extracomment>a sea or an ocean, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Pacifique Sud</translation>
    </message>
    <message>
        <source>Sucre</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Sucre</translation>
    </message>
    <message>
        <source>Suriname</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Suriname</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Uruguay</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Venezuela</translation>
    </message>
</context>
<context>
    <name>QuizWindow</name>
    <message>
        <source>INSTRUCTIONS</source>
        <extracomment>The heading above the instruction line, in capitals.</extracomment>
        <translation>CONSIGNE</translation>
    </message>
    <message>
        <source>DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP</source>
        <extracomment>The one instruction, to the pupil, in capitals; &quot;state&quot; means any name of the pool: countries, capitals, seas and oceans. It must fit one line above the map.</extracomment>
        <translation>FAIS GLISSER CHAQUE NOM VERS SA PLACE SUR LA CARTE</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <extracomment>A heading of the pool of names, in capitals; the colon as your language writes it (the English design&apos;s space before it is the design&apos;s own).</extracomment>
        <translation>PAYS&#xa0;:</translation>
    </message>
    <message>
        <source>CAPITALS :</source>
        <extracomment>A heading of the pool of names, in capitals; the colon as your language writes it.</extracomment>
        <translation>CAPITALES&#xa0;:</translation>
    </message>
    <message>
        <source>SEAS AND OCEANS :</source>
        <extracomment>A heading of the pool of names, in capitals; the colon as your language writes it.</extracomment>
        <translation>MERS ET OCÉANS&#xa0;:</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!THE MAP IS COMPLETE!</source>
        <extracomment>The box shown when every name is on the map (the design runs the two sentences together).</extracomment>
        <translation>FÉLICITATIONS&#xa0;! LA CARTE EST COMPLÈTE&#xa0;!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <extracomment>The title of the box shown when every name is on the map.</extracomment>
        <translation>RÉUSSITE</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>The button that deals every name back to the pool for a new game; a short word.</extracomment>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the program; a short word.</extracomment>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>%1 placed</source>
        <translation>%1 est à sa place</translation>
    </message>
    <message>
        <source>%1: not here</source>
        <translation>%1&#xa0;: pas ici</translation>
    </message>
    <message>
        <source>%1 held: the arrow keys move it over the map, Enter places it, Escape puts it back</source>
        <translation>%1 en main&#xa0;: les flèches déplacent le nom sur la carte, Entrée le pose, Échap le remet dans le panneau</translation>
    </message>
    <message>
        <source>New game: every name is back on the panel</source>
        <translation>Nouvelle partie&#xa0;: tous les noms sont revenus dans le panneau</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Map of South America</source>
        <translation>Carte de l’Amérique du Sud</translation>
    </message>
    <message>
        <source>North-west.</source>
        <extracomment>Where a place lies on the continent, said first of it.</extracomment>
        <translation>Nord-ouest.</translation>
    </message>
    <message>
        <source>North.</source>
        <translation>Nord.</translation>
    </message>
    <message>
        <source>North-east.</source>
        <translation>Nord-est.</translation>
    </message>
    <message>
        <source>West.</source>
        <translation>Ouest.</translation>
    </message>
    <message>
        <source>Centre.</source>
        <extracomment>The middle part of the continent.</extracomment>
        <translation>Centre.</translation>
    </message>
    <message>
        <source>East.</source>
        <translation>Est.</translation>
    </message>
    <message>
        <source>South-west.</source>
        <translation>Sud-ouest.</translation>
    </message>
    <message>
        <source>South.</source>
        <translation>Sud.</translation>
    </message>
    <message>
        <source>South-east.</source>
        <translation>Sud-est.</translation>
    </message>
    <message>
        <source>Large country by the sea.</source>
        <extracomment>A place&apos;s size among the places on the map (&quot;large&quot;: one of the largest), and whether it is land by the sea, land away from the sea, or sea.</extracomment>
        <translation>Grand pays au bord de la mer.</translation>
    </message>
    <message>
        <source>Middle-sized country by the sea.</source>
        <translation>Pays de taille moyenne au bord de la mer.</translation>
    </message>
    <message>
        <source>Small country by the sea.</source>
        <translation>Petit pays au bord de la mer.</translation>
    </message>
    <message>
        <source>Large inland country.</source>
        <translation>Grand pays enclavé.</translation>
    </message>
    <message>
        <source>Middle-sized inland country.</source>
        <translation>Pays enclavé de taille moyenne.</translation>
    </message>
    <message>
        <source>Small inland country.</source>
        <translation>Petit pays enclavé.</translation>
    </message>
    <message>
        <source>Large area of sea.</source>
        <translation>Grande étendue de mer.</translation>
    </message>
    <message>
        <source>Middle-sized area of sea.</source>
        <translation>Étendue de mer de taille moyenne.</translation>
    </message>
    <message>
        <source>Small area of sea.</source>
        <translation>Petite étendue de mer.</translation>
    </message>
    <message>
        <source>A capital&apos;s star.</source>
        <extracomment>The star that marks a capital city is drawn on this place.</extracomment>
        <translation>Une étoile de capitale.</translation>
    </message>
    <message numerus="yes">
        <source>%n capitals&apos; stars.</source>
        <extracomment>Two or more stars that mark capital cities are drawn on this place.</extracomment>
        <translation>
            <numerusform>%n étoile de capitale.</numerusform>
            <numerusform>%n étoiles de capitales.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The westernmost of %n like it.</source>
        <extracomment>Several places would be told with the same words: this one lies furthest west of them. %n: how many they are.</extracomment>
        <translation>
            <numerusform>Le plus à l’ouest de %n lieu semblable.</numerusform>
            <numerusform>Le plus à l’ouest de %n lieux semblables.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The easternmost of %n like it.</source>
        <translation>
            <numerusform>Le plus à l’est de %n lieu semblable.</numerusform>
            <numerusform>Le plus à l’est de %n lieux semblables.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %1 of %n like it, from the west.</source>
        <extracomment>%1: this place&apos;s number among them, counted from the west; %n: how many they are.</extracomment>
        <translation>
            <numerusform>Numéro %1 sur %n lieu semblable, en partant de l’ouest.</numerusform>
            <numerusform>Numéro %1 sur %n lieux semblables, en partant de l’ouest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The northernmost of %n like it.</source>
        <translation>
            <numerusform>Le plus au nord de %n lieu semblable.</numerusform>
            <numerusform>Le plus au nord de %n lieux semblables.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The southernmost of %n like it.</source>
        <translation>
            <numerusform>Le plus au sud de %n lieu semblable.</numerusform>
            <numerusform>Le plus au sud de %n lieux semblables.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %1 of %n like it, from the north.</source>
        <extracomment>%1: this place&apos;s number among them, counted from the north; %n: how many they are.</extracomment>
        <translation>
            <numerusform>Numéro %1 sur %n lieu semblable, en partant du nord.</numerusform>
            <numerusform>Numéro %1 sur %n lieux semblables, en partant du nord.</numerusform>
        </translation>
    </message>
    <message>
        <source>Labelled %1.</source>
        <extracomment>The names already placed on this place, as the map shows them in bold. %1: the names, as a list (&quot;Peru and Lima&quot;).</extracomment>
        <translation>Déjà ici&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Next to %1.</source>
        <extracomment>The names already placed on the places around this one. %1: the names, as a list (&quot;Brazil and Peru&quot;).</extracomment>
        <translation>Voisins&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Every neighbour named.</source>
        <extracomment>Every place around this one has its name placed.</extracomment>
        <translation>Tous les voisins sont nommés.</translation>
    </message>
    <message>
        <source>One neighbour unnamed.</source>
        <extracomment>One place around this one is still without its name.</extracomment>
        <translation>Un voisin sans nom.</translation>
    </message>
    <message numerus="yes">
        <source>%n neighbours unnamed.</source>
        <extracomment>Two or more places around this one are still without their names.</extracomment>
        <translation>
            <numerusform>%n voisin sans nom.</numerusform>
            <numerusform>%n voisins sans nom.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two names of a list: &quot;Brazil and Peru&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the names of a list before its last two: &quot;Bolivia, Brazil and Peru&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
