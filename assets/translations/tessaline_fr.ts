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
        <source>north-west</source>
        <translation>nord-ouest</translation>
    </message>
    <message>
        <source>north</source>
        <translation>nord</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>nord-est</translation>
    </message>
    <message>
        <source>west</source>
        <translation>ouest</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>east</source>
        <translation>est</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>sud-ouest</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sud</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>sud-est</translation>
    </message>
    <message>
        <source>%1, inland</source>
        <translation>%1, à l’intérieur des terres</translation>
    </message>
    <message>
        <source>%1, near the coast</source>
        <translation>%1, près de la côte</translation>
    </message>
    <message>
        <source>%1, at sea</source>
        <translation>%1, en mer</translation>
    </message>
    <message>
        <source>%1, with a capital&apos;s star</source>
        <translation>%1, avec l’étoile d’une capitale</translation>
    </message>
    <message>
        <source>%1 held: the arrow keys move it over the map, Enter places it, Escape puts it back</source>
        <translation>%1 en main&#xa0;: les flèches déplacent le nom sur la carte, Entrée le pose, Échap le remet en place</translation>
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
</context>
</TS>
