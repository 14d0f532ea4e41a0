<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ErrorBox</name>
    <message>
        <source>Application Error</source>
        <extracomment>The title of the box that tells of an error.</extracomment>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <extracomment>An error: the computer has no memory left for the program.</extracomment>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>File too large (over %1 KiB)</source>
        <extracomment>An error: a file of the program&apos;s is longer than it reads. %1: the limit in kibibytes (1024 bytes).</extracomment>
        <translation>Arquivo grande demais (mais de %1 KiB)</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <extracomment>An error: the skin file (the window&apos;s look) asks for what the program cannot do.</extracomment>
        <translation>O objeto não dá suporte a esta propriedade ou método</translation>
    </message>
    <message>
        <source>Invalid skin file</source>
        <extracomment>An error: the skin file (the window&apos;s look) cannot be read.</extracomment>
        <translation>Arquivo de aparência inválido</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <extracomment>An error: the skin was applied to another window than its own.</extracomment>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Control array element &apos;%1(%2)&apos; doesn&apos;t exist</source>
        <extracomment>An error: a numbered control of the window is missing. %1: the controls&apos; name, %2: the number (labels(3)); not to translate.</extracomment>
        <translation>O elemento &apos;%1(%2)&apos; da matriz de controles não existe</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <extracomment>An error: a control of the window was made twice.</extracomment>
        <translation>Objeto já carregado</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <extracomment>An error: a list was asked for an element past its end.</extracomment>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>An error: a number grew past what it can hold.</extracomment>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>File not found</source>
        <extracomment>An error: a file the program needs (the item list, items.txt) is not beside it.</extracomment>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <extracomment>An error: the program may not read a file of its own.</extracomment>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <extracomment>An error: a file of the program&apos;s cannot be read (a folder of that name, say).</extracomment>
        <translation>Erro de acesso ao caminho/arquivo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <extracomment>An error: a picture of the program&apos;s cannot be decoded.</extracomment>
        <translation>Imagem inválida</translation>
    </message>
    <message numerus="yes">
        <source>Too many lines: at least %n further line(s) not read</source>
        <extracomment>The item file has more lines than the pool has names, and is longer than the program reads: %n lines were counted in what was read, and more may follow.</extracomment>
        <translation>
            <numerusform>Linhas demais: pelo menos %n linha a mais não foi lida</numerusform>
            <numerusform>Linhas demais: pelo menos %n linhas a mais não foram lidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Too many lines: %n further line(s) not read</source>
        <extracomment>The item file has more lines than the pool has names: %n lines were left unread.</extracomment>
        <translation>
            <numerusform>Linhas demais: %n linha a mais não foi lida</numerusform>
            <numerusform>Linhas demais: %n linhas a mais não foram lidas</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1 at line %2</source>
        <extracomment>The error box&apos;s second line, under the error&apos;s description. %1: where the program was, for its maker (Tessaline2017/04/05.Form1.Form_Load), not to translate; %2: the number of the step that failed.</extracomment>
        <translation>em %1 na linha %2</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <extracomment>The error box&apos;s last line, to the pupil or teacher who sees it. %1: the maker&apos;s e-mail address.</extracomment>
        <translation>Envie por e-mail uma captura de tela desta mensagem para %1</translation>
    </message>
</context>
<context>
    <name>PlaceName</name>
    <message>
        <source>Argentina</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Asuncion</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Assunção</translation>
    </message>
    <message>
        <source>Bogota</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Bogotá</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Bolívia</translation>
    </message>
    <message>
        <source>Brasilia</source>
        <extracomment>a capital, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Brasília</translation>
    </message>
    <message>
        <source>Brazil</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Brasil</translation>
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
        <translation>Mar do Caribe</translation>
    </message>
    <message>
        <source>Chile</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Chile</translation>
    </message>
    <message>
        <source>Colombia</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Colômbia</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Equador</translation>
    </message>
    <message>
        <source>French Guiana</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Guiana Francesa</translation>
    </message>
    <message>
        <source>Guyana</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Guiana</translation>
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
        <translation>Montevidéu</translation>
    </message>
    <message>
        <source>North Atlantic Ocean</source>
        <extracomment>a sea or an ocean, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Atlântico Norte</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Paraguai</translation>
    </message>
    <message>
        <source>Peru</source>
        <extracomment>a country, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Peru</translation>
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
        <translation>Atlântico Sul</translation>
    </message>
    <message>
        <source>South Pacific Ocean</source>
        <extracomment>a sea or an ocean, as your language&apos;s school atlases print its name; it must fit its label in the pool and on the map</extracomment>
        <translation>Pacífico Sul</translation>
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
        <translation>Uruguai</translation>
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
        <source>CONGRATULATIONS!THE MAP IS COMPLETE!</source>
        <extracomment>The box shown when every name is on the map (the design runs the two sentences together).</extracomment>
        <translation>PARABÉNS! O MAPA ESTÁ COMPLETO!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <extracomment>The title of the box shown when every name is on the map.</extracomment>
        <translation>SUCESSO</translation>
    </message>
    <message>
        <source>Restart</source>
        <extracomment>The button that deals every name back to the pool for a new game; a short word.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>The button that ends the program; a short word.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <extracomment>The heading above the instruction line, in capitals.</extracomment>
        <translation>INSTRUÇÕES</translation>
    </message>
    <message>
        <source>DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP</source>
        <extracomment>The one instruction, to the pupil, in capitals; &quot;state&quot; means any name of the pool: countries, capitals, seas and oceans. It must fit one line above the map.</extracomment>
        <translation>ARRASTE CADA NOME PARA O SEU LUGAR NO MAPA</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <extracomment>A heading of the pool of names, in capitals; the colon as your language writes it (the English design&apos;s space before it is the design&apos;s own).</extracomment>
        <translation>PAÍSES:</translation>
    </message>
    <message>
        <source>CAPITALS :</source>
        <extracomment>A heading of the pool of names, in capitals; the colon as your language writes it.</extracomment>
        <translation>CAPITAIS:</translation>
    </message>
    <message>
        <source>SEAS AND OCEANS :</source>
        <extracomment>A heading of the pool of names, in capitals; the colon as your language writes it.</extracomment>
        <translation>MARES E OCEANOS:</translation>
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
        <translation>Mapa da América do Sul</translation>
    </message>
    <message>
        <source>%1 placed</source>
        <translation>%1 no seu lugar</translation>
    </message>
    <message>
        <source>%1: not here</source>
        <translation>%1: aqui não</translation>
    </message>
    <message>
        <source>%1 held: the arrow keys move it over the map, Enter places it, Escape puts it back</source>
        <translation>%1 na mão: as setas movem o nome pelo mapa, Enter o coloca, Esc o devolve</translation>
    </message>
    <message>
        <source>New game: every name is back on the panel</source>
        <translation>Novo jogo: todos os nomes voltaram ao painel</translation>
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
        <translation>Nordeste.</translation>
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
        <translation>Leste.</translation>
    </message>
    <message>
        <source>South-west.</source>
        <translation>Sudoeste.</translation>
    </message>
    <message>
        <source>South.</source>
        <translation>Sul.</translation>
    </message>
    <message>
        <source>South-east.</source>
        <translation>Sudeste.</translation>
    </message>
    <message>
        <source>Large country by the sea.</source>
        <extracomment>A place&apos;s size among the places on the map (&quot;large&quot;: one of the largest), and whether it is land by the sea, land away from the sea, or sea.</extracomment>
        <translation>País grande com litoral.</translation>
    </message>
    <message>
        <source>Middle-sized country by the sea.</source>
        <translation>País médio com litoral.</translation>
    </message>
    <message>
        <source>Small country by the sea.</source>
        <translation>País pequeno com litoral.</translation>
    </message>
    <message>
        <source>Large inland country.</source>
        <translation>País grande sem litoral.</translation>
    </message>
    <message>
        <source>Middle-sized inland country.</source>
        <translation>País médio sem litoral.</translation>
    </message>
    <message>
        <source>Small inland country.</source>
        <translation>País pequeno sem litoral.</translation>
    </message>
    <message>
        <source>Large area of sea.</source>
        <translation>Grande extensão de mar.</translation>
    </message>
    <message>
        <source>Middle-sized area of sea.</source>
        <translation>Extensão de mar média.</translation>
    </message>
    <message>
        <source>Small area of sea.</source>
        <translation>Pequena extensão de mar.</translation>
    </message>
    <message>
        <source>A capital&apos;s star.</source>
        <extracomment>The star that marks a capital city is drawn on this place.</extracomment>
        <translation>Uma estrela de capital.</translation>
    </message>
    <message numerus="yes">
        <source>%n capitals&apos; stars.</source>
        <extracomment>Two or more stars that mark capital cities are drawn on this place.</extracomment>
        <translation>
            <numerusform>%n estrela de capital.</numerusform>
            <numerusform>%n estrelas de capital.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The westernmost of %n like it.</source>
        <extracomment>Several places would be told with the same words: this one lies furthest west of them. %n: how many they are.</extracomment>
        <translation>
            <numerusform>O mais a oeste de %n parecidos.</numerusform>
            <numerusform>O mais a oeste de %n parecidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The easternmost of %n like it.</source>
        <translation>
            <numerusform>O mais a leste de %n parecidos.</numerusform>
            <numerusform>O mais a leste de %n parecidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %1 of %n like it, from the west.</source>
        <extracomment>%1: this place&apos;s number among them, counted from the west; %n: how many they are.</extracomment>
        <translation>
            <numerusform>O %1º de %n parecidos, a partir do oeste.</numerusform>
            <numerusform>O %1º de %n parecidos, a partir do oeste.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The northernmost of %n like it.</source>
        <translation>
            <numerusform>O mais ao norte de %n parecidos.</numerusform>
            <numerusform>O mais ao norte de %n parecidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The southernmost of %n like it.</source>
        <translation>
            <numerusform>O mais ao sul de %n parecidos.</numerusform>
            <numerusform>O mais ao sul de %n parecidos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Number %1 of %n like it, from the north.</source>
        <extracomment>%1: this place&apos;s number among them, counted from the north; %n: how many they are.</extracomment>
        <translation>
            <numerusform>O %1º de %n parecidos, a partir do norte.</numerusform>
            <numerusform>O %1º de %n parecidos, a partir do norte.</numerusform>
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
        <translation>Vizinhos com nome: %1.</translation>
    </message>
    <message>
        <source>Every neighbour named.</source>
        <extracomment>Every place around this one has its name placed.</extracomment>
        <translation>Todos os vizinhos têm nome.</translation>
    </message>
    <message>
        <source>One neighbour unnamed.</source>
        <extracomment>One place around this one is still without its name.</extracomment>
        <translation>Um vizinho sem nome.</translation>
    </message>
    <message numerus="yes">
        <source>%n neighbours unnamed.</source>
        <extracomment>Two or more places around this one are still without their names.</extracomment>
        <translation>
            <numerusform>%n vizinho sem nome.</numerusform>
            <numerusform>%n vizinhos sem nome.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Joins the last two names of a list: &quot;Brazil and Peru&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the names of a list before its last two: &quot;Bolivia, Brazil and Peru&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
