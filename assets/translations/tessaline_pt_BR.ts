<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ErrorBox</name>
    <message>
        <source>at least </source>
        <translation>pelo menos </translation>
    </message>
    <message>
        <source>further line was</source>
        <translation>linha a mais não foi lida</translation>
    </message>
    <message>
        <source>further lines were</source>
        <translation>linhas a mais não foram lidas</translation>
    </message>
    <message>
        <source>Too many lines: %1%2 %3 not read</source>
        <translation>Linhas demais: %1%2 %3</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>in </source>
        <translation>em </translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>at line </source>
        <translation>na linha </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envie por e-mail uma captura de tela desta mensagem para </translation>
    </message>
    <message>
        <source>File too large (over %1 KiB)</source>
        <translation>Arquivo grande demais (mais de %1 KiB)</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>O objeto não dá suporte a esta propriedade ou método</translation>
    </message>
    <message>
        <source>Invalid skin file</source>
        <translation>Arquivo de aparência inválido</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <source>Control array element &apos;%1(%2)&apos; doesn&apos;t exist</source>
        <translation>O elemento &apos;%1(%2)&apos; da matriz de controles não existe</translation>
    </message>
    <message>
        <source>Object already loaded</source>
        <translation>Objeto já carregado</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Erro de acesso ao caminho/arquivo</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagem inválida</translation>
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
        <translation>Assunção</translation>
    </message>
    <message>
        <source>Bogota</source>
        <translation>Bogotá</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolívia</translation>
    </message>
    <message>
        <source>Brasilia</source>
        <translation>Brasília</translation>
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
        <translation>Mar do Caribe</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message>
        <source>Colombia</source>
        <translation>Colômbia</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Equador</translation>
    </message>
    <message>
        <source>French Guiana</source>
        <translation>Guiana Francesa</translation>
    </message>
    <message>
        <source>Guyana</source>
        <translation>Guiana</translation>
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
        <translation>Montevidéu</translation>
    </message>
    <message>
        <source>North Atlantic Ocean</source>
        <translation>Atlântico Norte</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguai</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Peru</translation>
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
        <translation>Oceano Atlântico Sul</translation>
    </message>
    <message>
        <source>South Pacific Ocean</source>
        <translation>Oceano Pacífico Sul</translation>
    </message>
    <message>
        <source>Sucre</source>
        <translation>Sucre</translation>
    </message>
    <message>
        <source>Suriname</source>
        <translation>Suriname</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation>Uruguai</translation>
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
        <translation>PARABÉNS! O MAPA ESTÁ COMPLETO!</translation>
    </message>
    <message>
        <source>SUCCESS</source>
        <translation>SUCESSO</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUÇÕES</translation>
    </message>
    <message>
        <source>DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP</source>
        <translation>ARRASTE CADA NOME PARA O SEU LUGAR NO MAPA</translation>
    </message>
    <message>
        <source>COUNTRIES :</source>
        <translation>PAÍSES :</translation>
    </message>
    <message>
        <source>CAPITALS :</source>
        <translation>CAPITAIS :</translation>
    </message>
    <message>
        <source>SEAS AND OCEANS :</source>
        <translation>MARES E OCEANOS :</translation>
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
        <source>north-west</source>
        <translation>noroeste</translation>
    </message>
    <message>
        <source>north</source>
        <translation>norte</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>nordeste</translation>
    </message>
    <message>
        <source>west</source>
        <translation>oeste</translation>
    </message>
    <message>
        <source>centre</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>east</source>
        <translation>leste</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>sudoeste</translation>
    </message>
    <message>
        <source>south</source>
        <translation>sul</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>sudeste</translation>
    </message>
    <message>
        <source>%1, inland</source>
        <translation>%1, no interior</translation>
    </message>
    <message>
        <source>%1, near the coast</source>
        <translation>%1, perto do litoral</translation>
    </message>
    <message>
        <source>%1, at sea</source>
        <translation>%1, no mar</translation>
    </message>
    <message>
        <source>%1, with a capital&apos;s star</source>
        <translation>%1, com a estrela de uma capital</translation>
    </message>
    <message>
        <source>%1 held: the arrow keys move it over the map, Enter places it, Escape puts it back</source>
        <translation>%1 na mão: as setas movem o nome pelo mapa, Enter o coloca, Esc o devolve</translation>
    </message>
    <message>
        <source>New game: every name is back on the panel</source>
        <translation>Novo jogo: todos os nomes voltaram ao painel</translation>
    </message>
</context>
</TS>
