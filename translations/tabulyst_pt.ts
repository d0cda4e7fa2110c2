<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>MessageCatalogue</name>
    <message>
        <source>No file selected</source>
        <extracomment>Title of a message box: no input file was chosen</extracomment>
        <translation>Nenhum arquivo selecionado</translation>
    </message>
    <message>
        <source>No analysis necessary</source>
        <extracomment>Message box text: the file needs no new analysis</extracomment>
        <translation>Nenhuma análise necessária</translation>
    </message>
    <message>
        <source>Directory Error</source>
        <extracomment>Title of the message box about an unusable input or output directory</extracomment>
        <translation>Erro de diretório</translation>
    </message>
    <message>
        <source>File selection error</source>
        <extracomment>Title of the message box about files that could not be chosen or found</extracomment>
        <translation>Erro na seleção de arquivos</translation>
    </message>
    <message>
        <source>Failed to auto-detect default browser</source>
        <extracomment>Title of the message box when no viewer for the results can be found</extracomment>
        <translation>Não foi possível detectar o navegador padrão</translation>
    </message>
    <message>
        <source>Policy File Error</source>
        <extracomment>Title of the message box about a policy file that cannot be read</extracomment>
        <translation>Erro no arquivo de políticas</translation>
    </message>
    <message>
        <source>Error launching browser</source>
        <extracomment>Title of the message box when a viewer program cannot be started</extracomment>
        <translation>Erro ao iniciar o navegador</translation>
    </message>
    <message>
        <source>Convert Error</source>
        <extracomment>Title of the message box when a conversion failed</extracomment>
        <translation>Erro de conversão</translation>
    </message>
    <message>
        <source>Output File Error</source>
        <extracomment>Title of the message box when a file cannot be written</extracomment>
        <translation>Erro no arquivo de saída</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <extracomment>Title of the question whether to save the changed policies</extracomment>
        <translation>Salvar alterações</translation>
    </message>
    <message>
        <source>Input File Error</source>
        <extracomment>Title of the message box when no input file has been chosen yet</extracomment>
        <translation>Erro no arquivo de entrada</translation>
    </message>
    <message>
        <source>No conversion done yet</source>
        <extracomment>Title of the message box when there is no result to view yet</extracomment>
        <translation>Nenhuma conversão feita ainda</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>Caption of the command that returns every policy to its default</extracomment>
        <translation>Restaurar os valores padrão</translation>
    </message>
    <message>
        <source>Function still to be added</source>
        <extracomment>Message box text for a command not yet available</extracomment>
        <translation>Função ainda não disponível</translation>
    </message>
    <message>
        <source>File location error</source>
        <extracomment>Title of the message box about a file given at start that is not there</extracomment>
        <translation>Erro de localização de arquivo</translation>
    </message>
    <message>
        <source>Reanalyse source file</source>
        <extracomment>Caption of the command that analyses the source file again</extracomment>
        <translation>Analisar de novo o arquivo de origem</translation>
    </message>
    <message>
        <source>Reload policies</source>
        <extracomment>Caption of the command that reads the policies again</extracomment>
        <translation>Recarregar as políticas</translation>
    </message>
    <message>
        <source>Email error</source>
        <extracomment>Title of the message box about the mail program</extracomment>
        <translation>Erro de e-mail</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Caption of the folder chooser for the output directory (also a tool tip)</extracomment>
        <translation>Selecione um diretório de saída.  Ele deve permitir gravação</translation>
    </message>
    <message>
        <source>Select an input directory</source>
        <extracomment>Caption of the folder chooser for the input directory</extracomment>
        <translation>Selecione um diretório de entrada</translation>
    </message>
    <message>
        <source>Problems using DDE detected</source>
        <extracomment>Title of the message box about a browser that did not answer over DDE</extracomment>
        <translation>Problemas detectados no uso de DDE</translation>
    </message>
    <message>
        <source>Problems detected using DDE last time.
<byte value="xd"/>Disabling DDE.  Use Settings/Viewers to re-enable</source>
        <extracomment>Message box text: DDE viewing is switched off at start; 
 starts a new line</extracomment>
        <translation>Foram detectados problemas com DDE da última vez.
DDE será desativado.  Use Configurações/Visualizadores para reativá-lo</translation>
    </message>
    <message>
        <source>Must choose a file first</source>
        <extracomment>Message box text: View Results was asked for before any file was chosen</extracomment>
        <translation>É preciso escolher um arquivo primeiro</translation>
    </message>
    <message>
        <source>No analysis needed until policies or files are changed</source>
        <extracomment>Message box text: nothing changed since the last analysis</extracomment>
        <translation>Nenhuma análise necessária até que as políticas ou os arquivos mudem</translation>
    </message>
    <message>
        <source>Invalid Input Directory</source>
        <extracomment>Message box text: the directory of the input files cannot be used</extracomment>
        <translation>Diretório de entrada inválido</translation>
    </message>
    <message>
        <source>Invalid Output Directory.
<byte value="xd"/>Must be writable</source>
        <extracomment>Message box text: the output directory cannot be written; 
 starts a new line</extracomment>
        <translation>Diretório de saída inválido.
Ele deve permitir gravação</translation>
    </message>
    <message>
        <source>No files found &quot;xxxxxx&quot;</source>
        <extracomment>Message box text and status line: nothing matched the file list; xxxxxx is replaced by the list</extracomment>
        <translation>Nenhum arquivo encontrado &quot;xxxxxx&quot;</translation>
    </message>
    <message>
        <source>Please use the Settings Menu to locate your browser manually</source>
        <extracomment>Message box text: no viewer for the results was found</extracomment>
        <translation>Use o menu Configurações para indicar seu navegador manualmente</translation>
    </message>
    <message>
        <source>Can&apos;t find policy file &quot;xxxxxx&quot;</source>
        <extracomment>Message box text: the policy file cannot be read; xxxxxx is replaced by its name</extracomment>
        <translation>Arquivo de políticas &quot;xxxxxx&quot; não encontrado</translation>
    </message>
    <message>
        <source>No URL supplied.  Cannot launch browser</source>
        <extracomment>Message box text: a browser was asked to show nothing</extracomment>
        <translation>Nenhum endereço fornecido.  Não é possível iniciar o navegador</translation>
    </message>
    <message>
        <source>No Filename supplied.  Cannot launch viewer</source>
        <extracomment>Message box text: a viewer was asked to show no file</extracomment>
        <translation>Nenhum nome de arquivo fornecido.  Não é possível iniciar o visualizador</translation>
    </message>
    <message>
        <source>Command &quot;ccc url&quot; failed.
<byte value="xd"/>  Error code=nnn</source>
        <extracomment>Message box text: a viewer program could not be started; ccc, url and nnn are replaced by the command, the file and the error number</extracomment>
        <translation>O comando &quot;ccc url&quot; falhou.
  Código de erro=nnn</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <extracomment>Message box text: a conversion failed</extracomment>
        <translation>A conversão falhou</translation>
    </message>
    <message>
        <source>Unable to locate file &quot;ffffff&quot;</source>
        <extracomment>Message box text: a file named at start is not there; ffffff is replaced by its name</extracomment>
        <translation>Não foi possível localizar o arquivo &quot;ffffff&quot;</translation>
    </message>
    <message>
        <source>Must choose a file name</source>
        <extracomment>Message box text: no file name was given</extracomment>
        <translation>É preciso escolher um nome de arquivo</translation>
    </message>
    <message>
        <source>Save changes made to your policy?</source>
        <extracomment>Text of the question asked on closing when the policies were changed</extracomment>
        <translation>Salvar as alterações feitas nas suas políticas?</translation>
    </message>
    <message>
        <source>Must convert a file first</source>
        <extracomment>Message box text: View Results was asked for before any conversion</extracomment>
        <translation>É preciso converter um arquivo primeiro</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Status text when a step is finished</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>This is a beta release of this software</source>
        <extracomment>Message box text shown by test releases</extracomment>
        <translation>Esta é uma versão beta deste programa</translation>
    </message>
    <message>
        <source>Can&apos;t find requested file &quot;hhhhhh&quot;  Change via the Settings Menu</source>
        <extracomment>Message box text: a program or file named in the settings is not there; hhhhhh is replaced by its name</extracomment>
        <translation>Arquivo solicitado &quot;hhhhhh&quot; não encontrado  Altere-o pelo menu Configurações</translation>
    </message>
    <message>
        <source>Failed to auto-detect email client</source>
        <extracomment>Message box text: no mail program was found</extracomment>
        <translation>Não foi possível detectar o programa de e-mail</translation>
    </message>
    <message>
        <source>Need to specify a delimiter character</source>
        <extracomment>Message box text: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>É preciso indicar um caractere delimitador</translation>
    </message>
    <message>
        <source>-- Add new link definition --</source>
        <extracomment>First entry of the list of link definitions</extracomment>
        <translation>-- Adicionar nova definição de link --</translation>
    </message>
    <message>
        <source>** enter text to be matched in source document **</source>
        <extracomment>Prompt in the text to match of a new link definition</extracomment>
        <translation>** digite o texto a procurar no documento de origem **</translation>
    </message>
    <message>
        <source>** enter text to be displayed in the hyperlink **</source>
        <extracomment>Prompt in the text shown by a new link definition</extracomment>
        <translation>** digite o texto exibido pelo hiperlink **</translation>
    </message>
    <message>
        <source>** enter the hyperlink&apos;s URL **</source>
        <extracomment>Prompt in the address of a new link definition</extracomment>
        <translation>** digite o endereço (URL) do hiperlink **</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <extracomment>Entry of the alignment lists: the program decides the alignment</extracomment>
        <translation>Detecção automática</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Center</source>
        <extracomment>Entry of the alignment lists (centred)</extracomment>
        <translation>Centralizado</translation>
    </message>
    <message>
        <source>Justified</source>
        <extracomment>Entry of the alignment lists (justified on both sides)</extracomment>
        <translation>Justificado</translation>
    </message>
    <message>
        <source>*** Failed to open log file : ffffff ***</source>
        <extracomment>Status and log line: the log file cannot be opened; ffffff is replaced by its name</extracomment>
        <translation>*** Não foi possível abrir o arquivo de log : ffffff ***</translation>
    </message>
    <message>
        <source>    Opening ffffff instead</source>
        <extracomment>Status and log line after the one above; ffffff is replaced by the other log file&apos;s name</extracomment>
        <translation>    Abrindo ffffff em seu lugar</translation>
    </message>
    <message>
        <source>%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%</source>
        <extracomment>Status and log line that ends every run</extracomment>
        <translation>%%%%%%%%%%%%%%%%%%% Conversão concluída %%%%%%%%%%%%%%%%%%</translation>
    </message>
    <message>
        <source>Cascading style sheets (*.css)|*.css|All files (*.*)|*.*||</source>
        <extracomment>Filter of a file chooser: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Folhas de estilo em cascata (*.css)|*.css|Todos os arquivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt,*.asc)|*.txt;*.asc|Comma separated files (*.csv)|*.csv|All files (*.*)|*.*||</source>
        <extracomment>Filter of the file chooser for the files to convert: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Arquivos de texto (*.txt,*.asc)|*.txt;*.asc|Arquivos separados por vírgulas (*.csv)|*.csv|Todos os arquivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Policy files (*.pol)|*.pol|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file choosers for policy files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Arquivos de políticas (*.pol)|*.pol|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>HTML files (*.htm,*.html)|*.htm;*.html|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for the HTML documentation: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Arquivos HTML (*.htm,*.html)|*.htm;*.html|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Program files (*.exe)|*.exe|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for a viewer program: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Programas (*.exe)|*.exe|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Image files (*.jpg,*.gif)|*.jpg;*.gif|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for images: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Arquivos de imagem (*.jpg,*.gif)|*.jpg;*.gif|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Log files (*.log)|*.log|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for log files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Arquivos de log (*.log)|*.log|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Language files (*.lng)|*.lng|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for language files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Arquivos de idioma (*.lng)|*.lng|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Style files (*.sty)|*.sty|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for styles files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Arquivos de estilos (*.sty)|*.sty|Todos os arquivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Plain text file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Arquivo de texto simples</translation>
    </message>
    <message>
        <source>Tab delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Arquivo de dados delimitado por tabulações</translation>
    </message>
    <message>
        <source>Comma delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Arquivo de dados delimitado por vírgulas</translation>
    </message>
    <message>
        <source>Other delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Arquivo de dados com outro delimitador</translation>
    </message>
    <message>
        <source>Output HTML to file(s)</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Gerar HTML em arquivo(s)</translation>
    </message>
    <message>
        <source>Output HTML as a set of FRAMES</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Gerar HTML como um conjunto de QUADROS</translation>
    </message>
    <message>
        <source>Output HTML to the clipboard</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Gerar HTML na área de transferência</translation>
    </message>
    <message>
        <source>Output Windows Help source file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Gerar arquivo-fonte da Ajuda do Windows</translation>
    </message>
    <message>
        <source>Output RTF to file</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Gerar RTF em arquivo</translation>
    </message>
    <message>
        <source>Output text to file(s)</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Gerar texto em arquivo(s)</translation>
    </message>
    <message>
        <source>Output text to the clipboard</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Gerar texto na área de transferência</translation>
    </message>
    <message>
        <source>Output PDF to file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Gerar PDF em arquivo</translation>
    </message>
    <message>
        <source>No delimiter character specified</source>
        <extracomment>Title of the message box: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>Nenhum caractere delimitador indicado</translation>
    </message>
</context>
<context>
    <name>tabulyst::DocumentationPage</name>
    <message>
        <source>Select the HTML documentation</source>
        <extracomment>Caption of the file chooser for the documentation (&quot;Documentation&quot; page)</extracomment>
        <translation>Selecione a documentação HTML</translation>
    </message>
    <message>
        <source>Location of HTML documentation on this machine</source>
        <extracomment>Label of a text edit on the &quot;Documentation&quot; page</extracomment>
        <translation>Local da documentação HTML neste computador</translation>
    </message>
    <message>
        <source>The page Help &gt; Contents opens; empty: the README</source>
        <extracomment>Tool tip of &quot;Location of HTML documentation on this machine&quot;</extracomment>
        <translation>A página que Ajuda &gt; Conteúdo abre; vazio: o README</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Choose the documentation&apos;s first page</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the documentation</extracomment>
        <translation>Escolha a primeira página da documentação</translation>
    </message>
</context>
<context>
    <name>tabulyst::DragAndDropPage</name>
    <message>
        <source>Show the status screen during the conversion(s)</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Mostrar a janela de status durante a(s) conversão(ões)</translation>
    </message>
    <message>
        <source>Show the messages while files dropped on the program are converted</source>
        <extracomment>Tool tip of &quot;Show the status screen during the conversion(s)&quot;</extracomment>
        <translation>Mostrar as mensagens enquanto os arquivos soltos sobre o programa são convertidos</translation>
    </message>
    <message>
        <source>View results in browser once conversion is complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Ver os resultados no navegador quando a conversão terminar</translation>
    </message>
    <message>
        <source>Open the result of dropped files in its viewer</source>
        <extracomment>Tool tip of &quot;View results in browser once conversion is complete&quot;</extracomment>
        <translation>Abrir no visualizador o resultado dos arquivos soltos</translation>
    </message>
    <message>
        <source>Start program after conversion complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Iniciar o programa quando a conversão terminar</translation>
    </message>
    <message>
        <source>After converting files given at start, show the main window for more work</source>
        <extracomment>Tool tip of &quot;Start program after conversion complete&quot;</extracomment>
        <translation>Depois de converter os arquivos dados na inicialização, mostrar a janela principal para mais trabalho</translation>
    </message>
</context>
<context>
    <name>tabulyst::GeneratedPage</name>
    <message>
        <source>Indented lines mark the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for indentation&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Linhas recuadas marcam a estrutura do documento</translation>
    </message>
    <message>
        <source>Short lines end paragraphs</source>
        <extracomment>Tool tip of the policy &quot;Look for short lines&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Linhas curtas terminam parágrafos</translation>
    </message>
    <message>
        <source>Look for bulleted and numbered lists</source>
        <extracomment>Tool tip of the policy &quot;Look for bullets&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar listas com marcadores e numeradas</translation>
    </message>
    <message>
        <source>Blank space marks the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for white space&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Espaços em branco marcam a estrutura do documento</translation>
    </message>
    <message>
        <source>Look for the headers of mail and news messages</source>
        <extracomment>Tool tip of the policy &quot;Look for MAIL and USENET headers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar os cabeçalhos de mensagens de e-mail e de notícias</translation>
    </message>
    <message>
        <source>Look for quoted passages, such as lines beginning with &quot;&gt;&quot;</source>
        <extracomment>Tool tip of the policy &quot;Look for quoted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar trechos citados, como linhas que começam com &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>Look for text laid out by hand that must keep its layout</source>
        <extracomment>Tool tip of the policy &quot;Look for preformatted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar texto disposto à mão que deve manter sua disposição</translation>
    </message>
    <message>
        <source>Look for diagrams drawn with characters</source>
        <extracomment>Tool tip of the policy &quot;Look for diagrams&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar diagramas desenhados com caracteres</translation>
    </message>
    <message>
        <source>Look for the character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Look for character encodings&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar o conjunto de caracteres indicado no documento</translation>
    </message>
    <message>
        <source>Lines of dashes or similar characters become horizontal rules</source>
        <extracomment>Tool tip of the policy &quot;Look for horizontal rulers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Linhas de hifens ou caracteres semelhantes viram linhas horizontais</translation>
    </message>
    <message>
        <source>Look for paragraphs whose first line sticks out to the left</source>
        <extracomment>Tool tip of the policy &quot;Look for hanging paragraphs&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar parágrafos cuja primeira linha avança para a esquerda</translation>
    </message>
    <message>
        <source>Look for definition paragraphs (a term followed by its meaning)</source>
        <extracomment>Tool tip of the policy &quot;Search for definitions&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar parágrafos de definição (um termo seguido de seu significado)</translation>
    </message>
    <message>
        <source>Look for words marked for emphasis, such as *bold* or _underlined_</source>
        <extracomment>Tool tip of the policy &quot;Search for emphasis&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Procurar palavras destacadas, como *negrito* ou _sublinhado_</translation>
    </message>
    <message>
        <source>Lines beginning with a number (1, 2, 3) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Linhas que começam com um número (1, 2, 3) são itens de lista</translation>
    </message>
    <message>
        <source>Lines beginning with a letter (a, b, c) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect alphabetic bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Linhas que começam com uma letra (a, b, c) são itens de lista</translation>
    </message>
    <message>
        <source>Lines beginning with a Roman numeral (i, ii, iii) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Roman Numeral bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Linhas que começam com um numeral romano (i, ii, iii) são itens de lista</translation>
    </message>
    <message>
        <source>A line beginning with &quot;-&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;-&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Uma linha que começa com &quot;-&quot; é um item de lista</translation>
    </message>
    <message>
        <source>A line beginning with &quot;o&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;o&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Uma linha que começa com &quot;o&quot; é um item de lista</translation>
    </message>
    <message>
        <source>The document may hold its own contents list</source>
        <extracomment>Tool tip of the policy &quot;Expect Contents List&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>O documento pode conter seu próprio sumário</translation>
    </message>
    <message>
        <source>Turn a contents list found in the document into links</source>
        <extracomment>Tool tip of the policy &quot;Use any existing contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Transformar em links um sumário encontrado no documento</translation>
    </message>
    <message>
        <source>Add a contents list made from the headings</source>
        <extracomment>Tool tip of the policy &quot;Add contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Adicionar um sumário feito a partir dos títulos</translation>
    </message>
    <message>
        <source>The deepest heading level listed in the contents (none: all)</source>
        <extracomment>Tool tip of the policy &quot;Maximum level to show in contents&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>O nível de título mais profundo listado no sumário (none: todos)</translation>
    </message>
    <message>
        <source>How the contents list is laid out (a number)</source>
        <extracomment>Tool tip of the policy &quot;Contents style code&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Como o sumário é disposto (um número)</translation>
    </message>
    <message>
        <source>Headings get anchors that the contents list links to</source>
        <extracomment>Tool tip of the policy &quot;Add anchors to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Os títulos recebem âncoras para as quais o sumário aponta</translation>
    </message>
    <message>
        <source>The deepest heading level that gets an anchor</source>
        <extracomment>Tool tip of the policy &quot;Contents anchors level&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>O nível de título mais profundo que recebe uma âncora</translation>
    </message>
    <message>
        <source>The links of the contents list sit on the section numbers</source>
        <extracomment>Tool tip of the policy &quot;Hyperlinks on numbers&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Os links do sumário ficam nos números de seção</translation>
    </message>
    <message>
        <source>Mail headers found in the document appear in the contents list</source>
        <extracomment>Tool tip of the policy &quot;Add mail headers to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Cabeçalhos de e-mail encontrados no documento aparecem no sumário</translation>
    </message>
    <message>
        <source>Write the contents list to a file of its own</source>
        <extracomment>Tool tip of the policy &quot;Generate external contents file&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Gravar o sumário em um arquivo próprio</translation>
    </message>
    <message>
        <source>The name of that contents file</source>
        <extracomment>Tool tip of the policy &quot;External contents list filename&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>O nome desse arquivo de sumário</translation>
    </message>
    <message>
        <source>Tab size (usually 4 or 8).  Can affect table analysis</source>
        <extracomment>Tool tip of the policy &quot;TAB size&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Tamanho da tabulação (geralmente 4 ou 8).  Pode afetar a análise de tabelas</translation>
    </message>
    <message>
        <source>Number of lines at the start of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at start of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Número de linhas no início do arquivo que não são convertidas</translation>
    </message>
    <message>
        <source>Number of lines at the end of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at end of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Número de linhas no fim do arquivo que não são convertidas</translation>
    </message>
    <message>
        <source>The file uses the DOS character set</source>
        <extracomment>Tool tip of the policy &quot;Input file contains DOS characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>O arquivo usa o conjunto de caracteres do DOS</translation>
    </message>
    <message>
        <source>The file holds Japanese text</source>
        <extracomment>Tool tip of the policy &quot;Input file contains Japanese characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>O arquivo contém texto em japonês</translation>
    </message>
    <message>
        <source>The file holds printer control codes (PCL), which are removed</source>
        <extracomment>Tool tip of the policy &quot;Input file contains PCL codes&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>O arquivo contém códigos de controle de impressora (PCL), que são removidos</translation>
    </message>
    <message>
        <source>The file holds Unicode characters</source>
        <extracomment>Tool tip of the policy &quot;Input file contains UNICODE characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>O arquivo contém caracteres Unicode</translation>
    </message>
    <message>
        <source>The file is MIME-encoded, as a mail message may be</source>
        <extracomment>Tool tip of the policy &quot;Input file contains MIME encoding&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>O arquivo tem codificação MIME, como pode ter uma mensagem de e-mail</translation>
    </message>
    <message>
        <source>A quoted comma field may hold line ends, which stay line breaks in its cell</source>
        <extracomment>Tool tip of the policy &quot;Quoted fields may span lines&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Um campo entre aspas pode conter quebras de linha, que continuam sendo quebras de linha na sua célula</translation>
    </message>
    <message>
        <source>Every line of the file is followed by a blank line</source>
        <extracomment>Tool tip of the policy &quot;Input file is double spaced&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Cada linha do arquivo é seguida de uma linha em branco</translation>
    </message>
    <message>
        <source>Lines carry change bars in the margin</source>
        <extracomment>Tool tip of the policy &quot;Input file has change bars&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>As linhas trazem barras de alteração na margem</translation>
    </message>
    <message>
        <source>The file holds page headers, footers or form feeds</source>
        <extracomment>Tool tip of the policy &quot;Input file has page markers&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>O arquivo contém cabeçalhos, rodapés ou quebras de página</translation>
    </message>
    <message>
        <source>Number of lines each page marker takes</source>
        <extracomment>Tool tip of the policy &quot;Page marker size (in lines)&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Número de linhas que cada marca de página ocupa</translation>
    </message>
    <message>
        <source>The file is one unit of a larger composed document</source>
        <extracomment>Tool tip of the policy &quot;Input file is a composition unit&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>O arquivo é uma unidade de um documento composto maior</translation>
    </message>
    <message>
        <source>Lines beginning with a section number (1.2, 3.4.1) are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Linhas que começam com um número de seção (1.2, 3.4.1) são títulos</translation>
    </message>
    <message>
        <source>Lines underlined with dashes or similar characters are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Underlined Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Linhas sublinhadas com hifens ou caracteres semelhantes são títulos</translation>
    </message>
    <message>
        <source>Lines written in capitals are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Capitalised Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Linhas escritas em maiúsculas são títulos</translation>
    </message>
    <message>
        <source>Headings may begin a paragraph, followed by its text on the same line</source>
        <extracomment>Tool tip of the policy &quot;Expect Embedded Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Títulos podem iniciar um parágrafo, seguidos do texto na mesma linha</translation>
    </message>
    <message>
        <source>The heading may be the second word of the line</source>
        <extracomment>Tool tip of the policy &quot;Expect Second Word Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>O título pode ser a segunda palavra da linha</translation>
    </message>
    <message>
        <source>Words that mark a line as a heading</source>
        <extracomment>Tool tip of the policy &quot;Heading key phrases&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Palavras que marcam uma linha como título</translation>
    </message>
    <message>
        <source>The number of the first section</source>
        <extracomment>Tool tip of the policy &quot;First Section Number&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>O número da primeira seção</translation>
    </message>
    <message>
        <source>Headings of one level must have the same indentation</source>
        <extracomment>Tool tip of the policy &quot;Check indentation for consistency&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Títulos de um mesmo nível devem ter o mesmo recuo</translation>
    </message>
    <message>
        <source>Keep the underlining under headings</source>
        <extracomment>Tool tip of the policy &quot;Preserve underlining of headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Manter o sublinhado sob os títulos</translation>
    </message>
    <message>
        <source>The smallest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Smallest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>A menor marcação de título usada (1 a 6)</translation>
    </message>
    <message>
        <source>The largest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Largest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>A maior marcação de título usada (1 a 6)</translation>
    </message>
    <message>
        <source>Headings get no heading markup</source>
        <extracomment>Tool tip of the policy &quot;Suppress &lt;Hn&gt; markup for headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Os títulos não recebem marcação de título</translation>
    </message>
    <message>
        <source>The fewest lines a chapter must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min chapter size&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>O mínimo de linhas de um capítulo (none: qualquer)</translation>
    </message>
    <message>
        <source>How many words of a heading make the name of a split file</source>
        <extracomment>Tool tip of the policy &quot;Number of words to include in filename&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Quantas palavras de um título formam o nome de um arquivo dividido</translation>
    </message>
    <message>
        <source>Width of the source text in characters</source>
        <extracomment>Tool tip of the policy &quot;Page Width&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Largura do texto de origem em caracteres</translation>
    </message>
    <message>
        <source>How ordinary text is aligned</source>
        <extracomment>Tool tip of the policy &quot;Text justification&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Como o texto comum é alinhado</translation>
    </message>
    <message>
        <source>Paragraphs are separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Expect blank lines between paras&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Os parágrafos são separados por linhas em branco</translation>
    </message>
    <message>
        <source>Indentation that starts a new paragraph (none: not used)</source>
        <extracomment>Tool tip of the policy &quot;New Paragraph Offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Recuo que inicia um novo parágrafo (none: não usado)</translation>
    </message>
    <message>
        <source>Keep that indentation in the output</source>
        <extracomment>Tool tip of the policy &quot;Preserve new paragraph offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Manter esse recuo na saída</translation>
    </message>
    <message>
        <source>Treat the file as simple text without structure; also turns table generation off</source>
        <extracomment>Tool tip of the policy &quot;Keep it simple&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Tratar o arquivo como texto simples sem estrutura; também desativa a geração de tabelas</translation>
    </message>
    <message>
        <source>Lines shorter than this end a paragraph (none: worked out)</source>
        <extracomment>Tool tip of the policy &quot;Short line length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Linhas mais curtas que isto terminam um parágrafo (none: calculado)</translation>
    </message>
    <message>
        <source>The fewest characters that make a horizontal rule (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum ruler length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>O mínimo de caracteres de uma linha horizontal (none: qualquer)</translation>
    </message>
    <message>
        <source>Every line of the source becomes a paragraph of its own</source>
        <extracomment>Tool tip of the policy &quot;Treat each line as a paragraph&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Cada linha da origem vira um parágrafo próprio</translation>
    </message>
    <message>
        <source>Keep the line breaks of the source</source>
        <extracomment>Tool tip of the policy &quot;Preserve line structure&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Manter as quebras de linha da origem</translation>
    </message>
    <message>
        <source>Several blank lines count as one</source>
        <extracomment>Tool tip of the policy &quot;Ignore multiple blank lines&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Várias linhas em branco contam como uma</translation>
    </message>
    <message>
        <source>Lines that look centred are centred</source>
        <extracomment>Tool tip of the policy &quot;Allow automatic centring&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Linhas que parecem centralizadas são centralizadas</translation>
    </message>
    <message>
        <source>How far off centre a centred line may be (none: 2)</source>
        <extracomment>Tool tip of the policy &quot;Automatic centring tolerance&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Quanto uma linha centralizada pode se afastar do centro (none: 2)</translation>
    </message>
    <message>
        <source>Terms of definition paragraphs are highlighted</source>
        <extracomment>Tool tip of the policy &quot;Highlight Definition Text&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Os termos dos parágrafos de definição são destacados</translation>
    </message>
    <message>
        <source>The fewest lines a pre-formatted region must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum automatic &lt;PRE&gt; size&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>O mínimo de linhas de uma região pré-formatada (none: qualquer)</translation>
    </message>
    <message>
        <source>The document may hold program code, which keeps its layout</source>
        <extracomment>Tool tip of the policy &quot;Expect code samples&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>O documento pode conter código de programa, que mantém sua disposição</translation>
    </message>
    <message>
        <source>Write the whole file as pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Preserve file structure using &lt;PRE&gt;&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Gravar o arquivo inteiro como texto pré-formatado</translation>
    </message>
    <message>
        <source>Definition paragraphs are looked for inside pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Allow definitions inside PRE&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Parágrafos de definição também são procurados dentro do texto pré-formatado</translation>
    </message>
    <message>
        <source>Rows of a plain-text table may be separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Could be blank line separated&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>As linhas de uma tabela de texto podem ser separadas por linhas em branco</translation>
    </message>
    <message>
        <source>Columns may touch, with no blank space between them</source>
        <extracomment>Tool tip of the policy &quot;Column boundaries have zero width&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>As colunas podem se tocar, sem espaço em branco entre elas</translation>
    </message>
    <message>
        <source>The column layout of tables, as in a TABLE_LAYOUT directive: the column count, then the last position of each column</source>
        <extracomment>Tool tip of the policy &quot;Default table layout&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>A disposição das colunas das tabelas, como numa diretiva TABLE_LAYOUT: o número de colunas e depois a última posição de cada coluna</translation>
    </message>
    <message>
        <source>The title of the document; [[FILENAME]] stands for the input file&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Document Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>O título do documento; [[FILENAME]] representa o nome do arquivo de entrada</translation>
    </message>
    <message>
        <source>The description written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Description&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>A descrição gravada nos metadados do documento</translation>
    </message>
    <message>
        <source>The keywords written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Keywords&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>As palavras-chave gravadas nos metadados do documento</translation>
    </message>
    <message>
        <source>The first heading becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first heading as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>O primeiro título vira o título do documento</translation>
    </message>
    <message>
        <source>The first line becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first line as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>A primeira linha vira o título do documento</translation>
    </message>
    <message>
        <source>The base address against which the document&apos;s links are resolved</source>
        <extracomment>Tool tip of the policy &quot;Document Base URL&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>O endereço base em relação ao qual os links do documento são resolvidos</translation>
    </message>
    <message>
        <source>The character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Character encoding&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>O conjunto de caracteres indicado no documento</translation>
    </message>
    <message>
        <source>Number of header columns (none: no header columns)</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE header cols&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Número de colunas de cabeçalho (none: nenhuma)</translation>
    </message>
    <message>
        <source>The caption of generated tables</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE caption&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>A legenda das tabelas geradas</translation>
    </message>
    <message>
        <source>Tables and columns get width markup</source>
        <extracomment>Tool tip of the policy &quot;Add TABLE WIDTH markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Tabelas e colunas recebem marcação de largura</translation>
    </message>
    <message>
        <source>Widths are written as percentages of the page</source>
        <extracomment>Tool tip of the policy &quot;Use percentage widths in tables&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>As larguras são gravadas como porcentagens da página</translation>
    </message>
    <message>
        <source>Table text is marked as code</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;CODE&gt;..&lt;/CODE&gt; markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>O texto das tabelas é marcado como código</translation>
    </message>
    <message>
        <source>The table colours also apply to DOT_LEADERS tables</source>
        <extracomment>Tool tip of the policy &quot;Colour tables with DOT_LEADERS&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>As cores das tabelas valem também para tabelas DOT_LEADERS</translation>
    </message>
    <message>
        <source>Empty table cells get font markup too</source>
        <extracomment>Tool tip of the policy &quot;Apply FONT to empty table cells&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>As células vazias também recebem marcação de fonte</translation>
    </message>
    <message>
        <source>The colour of the text</source>
        <extracomment>Tool tip of the policy &quot;Text Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>A cor do texto</translation>
    </message>
    <message>
        <source>The background colour of the document</source>
        <extracomment>Tool tip of the policy &quot;Background Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>A cor de fundo do documento</translation>
    </message>
    <message>
        <source>An image file shown behind the document</source>
        <extracomment>Tool tip of the policy &quot;Background Image&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Um arquivo de imagem mostrado atrás do documento</translation>
    </message>
    <message>
        <source>The colour of links not yet followed</source>
        <extracomment>Tool tip of the policy &quot;Unvisited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>A cor dos links ainda não visitados</translation>
    </message>
    <message>
        <source>The colour of links already followed</source>
        <extracomment>Tool tip of the policy &quot;Visited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>A cor dos links já visitados</translation>
    </message>
    <message>
        <source>The colour of a link while it is being clicked</source>
        <extracomment>Tool tip of the policy &quot;Active Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>A cor de um link enquanto é clicado</translation>
    </message>
    <message>
        <source>The colour of headings</source>
        <extracomment>Tool tip of the policy &quot;Headings Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>A cor dos títulos</translation>
    </message>
    <message>
        <source>Write no colour markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all colour markup&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Não gravar nenhuma marcação de cor</translation>
    </message>
    <message>
        <source>A colour set by a tag holds until it is changed again</source>
        <extracomment>Tool tip of the policy &quot;Scope COLOUR tags globally&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Uma cor definida por uma tag vale até ser mudada de novo</translation>
    </message>
    <message>
        <source>Addresses found in the text become links</source>
        <extracomment>Tool tip of the policy &quot;Create hyperlinks&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Endereços encontrados no texto viram links</translation>
    </message>
    <message>
        <source>Mail addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create mailto links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Endereços de e-mail viram links</translation>
    </message>
    <message>
        <source>FTP addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Endereços FTP viram links</translation>
    </message>
    <message>
        <source>News group names become links</source>
        <extracomment>Tool tip of the policy &quot;Create NEWS links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Nomes de grupos de notícias viram links</translation>
    </message>
    <message>
        <source>Gopher addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Gopher links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Endereços Gopher viram links</translation>
    </message>
    <message>
        <source>Telnet addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Telnet links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Endereços Telnet viram links</translation>
    </message>
    <message>
        <source>Only well-formed domain names become links</source>
        <extracomment>Tool tip of the policy &quot;Check domain name syntax&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Só nomes de domínio bem formados viram links</translation>
    </message>
    <message>
        <source>Only the news groups known to the program become links</source>
        <extracomment>Tool tip of the policy &quot;Only use known groups&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Só os grupos de notícias conhecidos pelo programa viram links</translation>
    </message>
    <message>
        <source>Only addresses beginning with ftp:// become FTP links</source>
        <extracomment>Tool tip of the policy &quot;Only allow explicit FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Só endereços que começam com ftp:// viram links FTP</translation>
    </message>
    <message>
        <source>Mail addresses may begin with a digit</source>
        <extracomment>Tool tip of the policy &quot;Allow email beginning with numbers&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Endereços de e-mail podem começar com um dígito</translation>
    </message>
    <message>
        <source>Links open in another browser window</source>
        <extracomment>Tool tip of the policy &quot;Open links in new browser window&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Os links abrem em outra janela do navegador</translation>
    </message>
    <message>
        <source>The name of that browser window</source>
        <extracomment>Tool tip of the policy &quot;New browser window name&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>O nome dessa janela do navegador</translation>
    </message>
    <message>
        <source>A line holding an address ends with a line break</source>
        <extracomment>Tool tip of the policy &quot;Add &lt;BR&gt; to lines with URLs&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Uma linha que contém um endereço termina com uma quebra de linha</translation>
    </message>
    <message>
        <source>The deepest heading level that section references link to (none: no links)</source>
        <extracomment>Tool tip of the policy &quot;Cross-refs at level&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>O nível de título mais profundo ao qual as referências de seção apontam (none: sem links)</translation>
    </message>
    <message>
        <source>A file of link definitions: texts that become links</source>
        <extracomment>Tool tip of the policy &quot;Link Dictionary file&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Um arquivo de definições de links: textos que viram links</translation>
    </message>
    <message>
        <source>The font of ordinary text</source>
        <extracomment>Tool tip of the policy &quot;Default font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>A fonte do texto comum</translation>
    </message>
    <message>
        <source>The font of table text</source>
        <extracomment>Tool tip of the policy &quot;Table font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>A fonte do texto das tabelas</translation>
    </message>
    <message>
        <source>The fixed-pitch font, for pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Fixed font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>A fonte de largura fixa, para texto pré-formatado</translation>
    </message>
    <message>
        <source>The font of headings</source>
        <extracomment>Tool tip of the policy &quot;Heading font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>A fonte dos títulos</translation>
    </message>
    <message>
        <source>The font of the contents list</source>
        <extracomment>Tool tip of the policy &quot;Table of Contents font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>A fonte do sumário</translation>
    </message>
    <message>
        <source>The base font size in points</source>
        <extracomment>Tool tip of the policy &quot;Base FONT Size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>O tamanho de fonte base em pontos</translation>
    </message>
    <message>
        <source>A change of every font size, in points</source>
        <extracomment>Tool tip of the policy &quot;Delta FONT size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Uma alteração de todos os tamanhos de fonte, em pontos</translation>
    </message>
    <message>
        <source>How much wider or narrower the text is laid out, in percent</source>
        <extracomment>Tool tip of the policy &quot;Font stretch factor (in percent)&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Quanto o texto é composto mais largo ou mais estreito, em porcentagem</translation>
    </message>
    <message>
        <source>Fonts are expressed in style sheets rather than font markup</source>
        <extracomment>Tool tip of the policy &quot;Use CSS to implement fonts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>As fontes são expressas em folhas de estilo em vez de marcação de fonte</translation>
    </message>
    <message>
        <source>Write font markup</source>
        <extracomment>Tool tip of the policy &quot;Add FONT markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Gravar marcação de fonte</translation>
    </message>
    <message>
        <source>Font markup states the size</source>
        <extracomment>Tool tip of the policy &quot;Add FONT size markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>A marcação de fonte indica o tamanho</translation>
    </message>
    <message>
        <source>Font markup states the style</source>
        <extracomment>Tool tip of the policy &quot;Add FONT style markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>A marcação de fonte indica o estilo</translation>
    </message>
    <message>
        <source>Font markup states the face</source>
        <extracomment>Tool tip of the policy &quot;Add FONT face markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>A marcação de fonte indica a família</translation>
    </message>
    <message>
        <source>How far font markup reaches (a number)</source>
        <extracomment>Tool tip of the policy &quot;Scope for font tags&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Até onde vai a marcação de fonte (um número)</translation>
    </message>
    <message>
        <source>Write no font markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all font markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Não gravar nenhuma marcação de fonte</translation>
    </message>
    <message>
        <source>A styles file that defines named fonts</source>
        <extracomment>Tool tip of the policy &quot;Style file&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Um arquivo de estilos que define fontes com nome</translation>
    </message>
    <message>
        <source>The HTML version the documents are written in</source>
        <extracomment>Tool tip of the policy &quot;HTML version to be targeted&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>A versão de HTML em que os documentos são gravados</translation>
    </message>
    <message>
        <source>The extension of output files, unless one of the choices below decides it</source>
        <extracomment>Tool tip of the policy &quot;Output file extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>A extensão dos arquivos de saída, a menos que uma das opções abaixo a decida</translation>
    </message>
    <message>
        <source>Output files end in &quot;.htm&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use .HTM extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Os arquivos de saída terminam em &quot;.htm&quot;</translation>
    </message>
    <message>
        <source>Output file names follow DOS rules (8.3) and end in &quot;.HTM&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use DOS filenames&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Os nomes dos arquivos de saída seguem as regras do DOS (8.3) e terminam em &quot;.HTM&quot;</translation>
    </message>
    <message>
        <source>The start of DOS output file names</source>
        <extracomment>Tool tip of the policy &quot;DOS filename root&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>O início dos nomes de arquivos de saída do DOS</translation>
    </message>
    <message>
        <source>Write only the contents of the body, to be pasted into another document</source>
        <extracomment>Tool tip of the policy &quot;Omit &lt;HEAD&gt; and &lt;BODY&gt; from output&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Gravar só o conteúdo do corpo, para colar em outro documento</translation>
    </message>
    <message>
        <source>Write the smallest output</source>
        <extracomment>Tool tip of the policy &quot;Minimise HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Gravar a menor saída</translation>
    </message>
    <message>
        <source>Long output lines are broken</source>
        <extracomment>Tool tip of the policy &quot;Break up long HTML lines&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>As linhas de saída longas são quebradas</translation>
    </message>
    <message>
        <source>A file whose text is put at the start of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML header file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Um arquivo cujo texto é posto no início do documento</translation>
    </message>
    <message>
        <source>A file whose text is put at the end of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML footer file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Um arquivo cujo texto é posto no fim do documento</translation>
    </message>
    <message>
        <source>A file of script for the document&apos;s head</source>
        <extracomment>Tool tip of the policy &quot;HTML Script file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Um arquivo de script para o cabeçalho do documento</translation>
    </message>
    <message>
        <source>A file of HTML fragments for the text-document features</source>
        <extracomment>Tool tip of the policy &quot;HTML fragments file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Um arquivo de fragmentos HTML para as funções de documentos de texto</translation>
    </message>
    <message>
        <source>The style sheet the document refers to</source>
        <extracomment>Tool tip of the policy &quot;Document Style Sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>A folha de estilo à qual o documento se refere</translation>
    </message>
    <message>
        <source>A style sheet is written into the document itself</source>
        <extracomment>Tool tip of the policy &quot;Create embedded style sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Uma folha de estilo é gravada dentro do próprio documento</translation>
    </message>
    <message>
        <source>The heading level at which the output is split into several files (none: not split)</source>
        <extracomment>Tool tip of the policy &quot;Split level&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>O nível de título em que a saída é dividida em vários arquivos (none: não dividida)</translation>
    </message>
    <message>
        <source>The fewest lines a split file must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>O mínimo de linhas de um arquivo dividido (none: qualquer)</translation>
    </message>
    <message>
        <source>Split files get links to the previous and next file</source>
        <extracomment>Tool tip of the policy &quot;Add navigation bar&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Os arquivos divididos recebem links para o arquivo anterior e o seguinte</translation>
    </message>
    <message>
        <source>The paper size of RTF documents</source>
        <extracomment>Tool tip of the policy &quot;Paper size&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>O tamanho do papel dos documentos RTF</translation>
    </message>
    <message>
        <source>Pages are laid out across</source>
        <extracomment>Tool tip of the policy &quot;Use Landscape mode&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>As páginas são dispostas na horizontal</translation>
    </message>
    <message>
        <source>The top margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Top margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>A margem superior em centímetros</translation>
    </message>
    <message>
        <source>The bottom margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Bottom margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>A margem inferior em centímetros</translation>
    </message>
    <message>
        <source>The left margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Left margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>A margem esquerda em centímetros</translation>
    </message>
    <message>
        <source>The right margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Right margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>A margem direita em centímetros</translation>
    </message>
    <message>
        <source>Left and right margins swap on facing pages</source>
        <extracomment>Tool tip of the policy &quot;Mirror margins&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>As margens esquerda e direita se invertem em páginas opostas</translation>
    </message>
    <message>
        <source>The language the word processor checks the spelling in</source>
        <extracomment>Tool tip of the policy &quot;Language (for proofing)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>O idioma em que o processador de textos verifica a ortografia</translation>
    </message>
    <message>
        <source>How RTF styles are used (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of RTF Styles&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Como os estilos RTF são usados (um número)</translation>
    </message>
    <message>
        <source>How far the first line of a paragraph is indented</source>
        <extracomment>Tool tip of the policy &quot;First line indentation (in blocks)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Quanto a primeira linha de um parágrafo é recuada</translation>
    </message>
    <message>
        <source>Write the RTF as the source of a help file</source>
        <extracomment>Tool tip of the policy &quot;Make Windows Help source file&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Gravar o RTF como fonte de um arquivo de ajuda</translation>
    </message>
    <message>
        <source>The subject stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Subject&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>O assunto guardado nas informações do documento</translation>
    </message>
    <message>
        <source>The author stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Author&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>O autor guardado nas informações do documento</translation>
    </message>
    <message>
        <source>The manager stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Manager&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>O gerente guardado nas informações do documento</translation>
    </message>
    <message>
        <source>The category stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Category&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>A categoria guardada nas informações do documento</translation>
    </message>
    <message>
        <source>The comments stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Comments&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Os comentários guardados nas informações do documento</translation>
    </message>
    <message>
        <source>The company stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Company name&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>A empresa guardada nas informações do documento</translation>
    </message>
    <message>
        <source>Paragraphs get paragraph markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;P&gt; markup for paragraphs&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Os parágrafos recebem marcação de parágrafo</translation>
    </message>
    <message>
        <source>Definition paragraphs get definition list markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;DL&gt; markup for defn. paras&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Os parágrafos de definição recebem marcação de lista de definições</translation>
    </message>
    <message>
        <source>Emphasis is written as EM and STRONG rather than I and B</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;EM&gt; and &lt;STRONG&gt; markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>O destaque é gravado como EM e STRONG em vez de I e B</translation>
    </message>
    <message>
        <source>Emphasised words get markup</source>
        <extracomment>Tool tip of the policy &quot;Add emphasis and bold markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>As palavras destacadas recebem marcação</translation>
    </message>
    <message>
        <source>Paragraphs are labelled with style classes</source>
        <extracomment>Tool tip of the policy &quot;Label style classes&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Os parágrafos são rotulados com classes de estilo</translation>
    </message>
    <message>
        <source>How Windows characters are written (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of Microsoft entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Como os caracteres do Windows são gravados (um número)</translation>
    </message>
    <message>
        <source>How characters outside ASCII are written as HTML 4.0 entities (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of HTML 4.0 entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Como os caracteres fora do ASCII são gravados como entidades HTML 4.0 (um número)</translation>
    </message>
    <message>
        <source>How indented text is marked up (a number)</source>
        <extracomment>Tool tip of the policy &quot;Indentation markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Como o texto recuado é marcado (um número)</translation>
    </message>
    <message>
        <source>Each level of indentation adds to the one before</source>
        <extracomment>Tool tip of the policy &quot;Use incremental indentation markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Cada nível de recuo se soma ao anterior</translation>
    </message>
    <message>
        <source>How lists are marked up (0 to 2)</source>
        <extracomment>Tool tip of the policy &quot;List markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Como as listas são marcadas (0 a 2)</translation>
    </message>
    <message>
        <source>The whole document is centred</source>
        <extracomment>Tool tip of the policy &quot;CENTER whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>O documento inteiro é centralizado</translation>
    </message>
    <message>
        <source>The whole document is indented</source>
        <extracomment>Tool tip of the policy &quot;Indent whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>O documento inteiro é recuado</translation>
    </message>
    <message>
        <source>The document is shown in a set of frames</source>
        <extracomment>Tool tip of the policy &quot;Place document in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>O documento é mostrado em um conjunto de quadros</translation>
    </message>
    <message>
        <source>The name of the frame set file; * stands for the input&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Output frame name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>O nome do arquivo do conjunto de quadros; * representa o nome da entrada</translation>
    </message>
    <message>
        <source>The height of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A altura do quadro de cabeçalho</translation>
    </message>
    <message>
        <source>The height of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A altura do quadro de rodapé</translation>
    </message>
    <message>
        <source>The width of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame width&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A largura do quadro de sumário</translation>
    </message>
    <message>
        <source>The document&apos;s header goes into the header frame</source>
        <extracomment>Tool tip of the policy &quot;Use main header in header frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>O cabeçalho do documento vai para o quadro de cabeçalho</translation>
    </message>
    <message>
        <source>The document&apos;s footer goes into the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Use main footer in footer frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>O rodapé do documento vai para o quadro de rodapé</translation>
    </message>
    <message>
        <source>A frame with the contents list is added</source>
        <extracomment>Tool tip of the policy &quot;Add contents frame if possible&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>É adicionado um quadro com o sumário</translation>
    </message>
    <message>
        <source>Frames are drawn with borders</source>
        <extracomment>Tool tip of the policy &quot;Add frame border&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Os quadros são desenhados com bordas</translation>
    </message>
    <message>
        <source>Links in the frames open in another window</source>
        <extracomment>Tool tip of the policy &quot;Open frame links in new window&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Os links dos quadros abrem em outra janela</translation>
    </message>
    <message>
        <source>The name of that window</source>
        <extracomment>Tool tip of the policy &quot;New frame link window name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>O nome dessa janela</translation>
    </message>
    <message>
        <source>Browsers without frames get a link to the plain document</source>
        <extracomment>Tool tip of the policy &quot;Add NOFRAMES links&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Navegadores sem quadros recebem um link para o documento simples</translation>
    </message>
    <message>
        <source>The address of that link</source>
        <extracomment>Tool tip of the policy &quot;NOFRAMES link URL&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>O endereço desse link</translation>
    </message>
    <message>
        <source>A page opened on its own reloads its frame set</source>
        <extracomment>Tool tip of the policy &quot;Only allow pages to be viewed in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Uma página aberta sozinha recarrega seu conjunto de quadros</translation>
    </message>
    <message>
        <source>The number of the first frame page</source>
        <extracomment>Tool tip of the policy &quot;First frame page number&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>O número da primeira página de quadros</translation>
    </message>
    <message>
        <source>How many heading levels the contents frame lists</source>
        <extracomment>Tool tip of the policy &quot;Number of levels in contents frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Quantos níveis de título o quadro de sumário lista</translation>
    </message>
    <message>
        <source>The background colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A cor de fundo do quadro de cabeçalho</translation>
    </message>
    <message>
        <source>The text colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A cor do texto do quadro de cabeçalho</translation>
    </message>
    <message>
        <source>The background colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A cor de fundo do quadro de sumário</translation>
    </message>
    <message>
        <source>The text colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A cor do texto do quadro de sumário</translation>
    </message>
    <message>
        <source>The background colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A cor de fundo do quadro de rodapé</translation>
    </message>
    <message>
        <source>The text colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>A cor do texto do quadro de rodapé</translation>
    </message>
    <message>
        <source>Write a directory page that links to every file converted</source>
        <extracomment>Tool tip of the policy &quot;Make Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Gravar uma página de diretório com links para cada arquivo convertido</translation>
    </message>
    <message>
        <source>The name of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory filename&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>O nome da página de diretório</translation>
    </message>
    <message>
        <source>The title of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Title&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>O título da página de diretório</translation>
    </message>
    <message>
        <source>The keywords of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Keywords&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>As palavras-chave da página de diretório</translation>
    </message>
    <message>
        <source>The description of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Description&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>A descrição da página de diretório</translation>
    </message>
    <message>
        <source>The directory lists the titles of the files</source>
        <extracomment>Tool tip of the policy &quot;Show file Titles in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>O diretório lista os títulos dos arquivos</translation>
    </message>
    <message>
        <source>Headings are indented in the directory</source>
        <extracomment>Tool tip of the policy &quot;Indent headings in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Os títulos são recuados no diretório</translation>
    </message>
    <message>
        <source>The text of the link back to the directory</source>
        <extracomment>Tool tip of the policy &quot;Directory return hyperlink text&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>O texto do link de volta ao diretório</translation>
    </message>
    <message>
        <source>A file of script for the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Script file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Um arquivo de script para a página de diretório</translation>
    </message>
    <message>
        <source>A file whose text starts the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory header file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Um arquivo cujo texto abre a página de diretório</translation>
    </message>
    <message>
        <source>A file whose text ends the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory footer file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Um arquivo cujo texto fecha a página de diretório</translation>
    </message>
    <message>
        <source>Directives in the source steer the conversion</source>
        <extracomment>Tool tip of the policy &quot;Use Preprocessor&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>As diretivas da origem conduzem a conversão</translation>
    </message>
    <message>
        <source>The characters that begin a directive line</source>
        <extracomment>Tool tip of the policy &quot;Directive delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Os caracteres que iniciam uma linha de diretiva</translation>
    </message>
    <message>
        <source>The characters that open an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;Start tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Os caracteres que abrem uma tag em linha</translation>
    </message>
    <message>
        <source>The characters that close an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;End tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Os caracteres que fecham uma tag em linha</translation>
    </message>
    <message>
        <source>In-line tags are shown in the output</source>
        <extracomment>Tool tip of the policy &quot;Show Tags in output&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>As tags em linha são mostradas na saída</translation>
    </message>
    <message>
        <source>Long lines are not broken inside markup</source>
        <extracomment>Tool tip of the policy &quot;Avoid Tag breaks&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Linhas longas não são quebradas dentro da marcação</translation>
    </message>
    <message>
        <source>Markup that has no effect is removed</source>
        <extracomment>Tool tip of the policy &quot;Remove redundant tags&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>A marcação sem efeito é removida</translation>
    </message>
    <message>
        <source>Check that opened markup is closed</source>
        <extracomment>Tool tip of the policy &quot;Monitor tag generation&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Verificar se a marcação aberta é fechada</translation>
    </message>
    <message>
        <source>Which comments are written into the output (a number)</source>
        <extracomment>Tool tip of the policy &quot;Comment generation code&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Quais comentários são gravados na saída (um número)</translation>
    </message>
    <message>
        <source>A file of text commands that replace texts</source>
        <extracomment>Tool tip of the policy &quot;Text substitution file&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Um arquivo de comandos de texto que substituem textos</translation>
    </message>
</context>
<context>
    <name>tabulyst::MainWindow</name>
    <message>
        <source>Fil&amp;e(s) to convert</source>
        <extracomment>Label of the file list (main window); &amp; marks the access key</extracomment>
        <translation>Arquivo(s) a co&amp;nverter</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <extracomment>Button beside the file list (main window)</extracomment>
        <translation>&amp;Procurar...</translation>
    </message>
    <message>
        <source>&amp;Input file type</source>
        <extracomment>Label of the input type list (main window)</extracomment>
        <translation>Tipo de arquivo de &amp;entrada</translation>
    </message>
    <message>
        <source>&amp;Delimiter</source>
        <extracomment>Label of the one-character delimiter edit (main window)</extracomment>
        <translation>&amp;Delimitador</translation>
    </message>
    <message>
        <source>Conversion T&amp;ype</source>
        <extracomment>Label of the conversion type list (main window)</extracomment>
        <translation>&amp;Tipo de conversão</translation>
    </message>
    <message>
        <source>.ht&amp;ml</source>
        <extracomment>Output extension button (main window); keep the extension itself</extracomment>
        <translation>.ht&amp;ml</translation>
    </message>
    <message>
        <source>.htm</source>
        <extracomment>Output extension button (main window); keep the extension itself</extracomment>
        <translation>.htm</translation>
    </message>
    <message>
        <source>.rtf</source>
        <extracomment>Output extension button (main window); keep the extension itself</extracomment>
        <translation>.rtf</translation>
    </message>
    <message>
        <source>Output file&amp;name</source>
        <extracomment>Label of the output file name (main window)</extracomment>
        <translation>Nome do a&amp;rquivo de saída</translation>
    </message>
    <message>
        <source>Output Di&amp;rectory</source>
        <extracomment>Label of the output directory list (main window)</extracomment>
        <translation>Diretório de &amp;saída</translation>
    </message>
    <message>
        <source>Policy file</source>
        <extracomment>Title of the group around the policy file controls (main window)</extracomment>
        <translation>Arquivo de políticas</translation>
    </message>
    <message>
        <source>Load &amp;policy file</source>
        <extracomment>Label of the policy file list (main window)</extracomment>
        <translation>Carregar arquivo de po&amp;líticas</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <extracomment>Button that returns every policy to its default (main window)</extracomment>
        <translation>Restaura&amp;r</translation>
    </message>
    <message>
        <source>C&amp;onvert File(s)...</source>
        <extracomment>Button that starts the conversion (main window)</extracomment>
        <translation>C&amp;onverter arquivo(s)...</translation>
    </message>
    <message>
        <source>View Res&amp;ults...</source>
        <extracomment>Button that opens the last result (main window)</extracomment>
        <translation>Ver res&amp;ultados...</translation>
    </message>
    <message>
        <source>Select the file(s) you want converted</source>
        <extracomment>Tool tip of the file list and its &quot;Browse...&quot; button (main window)</extracomment>
        <translation>Selecione o(s) arquivo(s) que deseja converter</translation>
    </message>
    <message>
        <source>What kind of data do the input files hold?</source>
        <extracomment>Tool tip of the &quot;Input file type&quot; list (main window)</extracomment>
        <translation>Que tipo de dados os arquivos de entrada contêm?</translation>
    </message>
    <message>
        <source>Select the delimiter character to separate columns of data</source>
        <extracomment>Tool tip of the &quot;Delimiter&quot; edit (main window)</extracomment>
        <translation>Selecione o caractere delimitador que separa as colunas de dados</translation>
    </message>
    <message>
        <source>What type of conversion do you want to attempt?</source>
        <extracomment>Tool tip of the &quot;Conversion Type&quot; list (main window)</extracomment>
        <translation>Que tipo de conversão você deseja tentar?</translation>
    </message>
    <message>
        <source>Select the output file extension</source>
        <extracomment>Tool tip of the .html, .htm and .rtf buttons (main window)</extracomment>
        <translation>Selecione a extensão do arquivo de saída</translation>
    </message>
    <message>
        <source>Select the output filename</source>
        <extracomment>Tool tip of the &quot;Output filename&quot; edit (main window)</extracomment>
        <translation>Selecione o nome do arquivo de saída</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Tool tip of the &quot;Output Directory&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Selecione um diretório de saída.  Ele deve permitir gravação</translation>
    </message>
    <message>
        <source>Select a policy file to load</source>
        <extracomment>Tool tip of the &quot;Load policy file&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Selecione um arquivo de políticas para carregar</translation>
    </message>
    <message>
        <source>Reset all policies to their default values</source>
        <extracomment>Tool tip of the &quot;Reset&quot; button (main window)</extracomment>
        <translation>Restaurar todas as políticas para seus valores padrão</translation>
    </message>
    <message>
        <source>Start the conversion</source>
        <extracomment>Tool tip of the &quot;Convert File(s)...&quot; button (main window)</extracomment>
        <translation>Iniciar a conversão</translation>
    </message>
    <message>
        <source>View the result of the last conversion</source>
        <extracomment>Tool tip of the &quot;View Results...&quot; button (main window)</extracomment>
        <translation>Ver o resultado da última conversão</translation>
    </message>
    <message>
        <source>The last HTML result as it will look</source>
        <extracomment>Tool tip of the preview pane (main window)</extracomment>
        <translation>O último resultado HTML como ele aparecerá</translation>
    </message>
    <message>
        <source>*** No Tool Tip text for this control ***</source>
        <extracomment>Tool tip of a control that has none of its own</extracomment>
        <translation>*** Nenhuma dica de ferramenta para este controle ***</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a double quote and cannot be converted together with other files.</source>
        <extracomment>Message box text; %1 is a file name</extracomment>
        <translation>&quot;%1&quot; contém aspas duplas e não pode ser convertido junto com outros arquivos.</translation>
    </message>
    <message>
        <source>The last result is an RTF document:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>O último resultado é um documento RTF:
%1</translation>
    </message>
    <message>
        <source>The last result cannot be previewed:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>Não é possível visualizar o último resultado:
%1</translation>
    </message>
    <message>
        <source>Load policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Load policy file...</extracomment>
        <translation>Carregar arquivo de políticas</translation>
    </message>
    <message>
        <source>Save policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Save policy file...</extracomment>
        <translation>Salvar arquivo de políticas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists. Replace it?</source>
        <extracomment>Question before a policy file is replaced; %1 is its name</extracomment>
        <translation>&quot;%1&quot; já existe. Substituir?</translation>
    </message>
    <message>
        <source>Which policies shall the file hold?</source>
        <extracomment>Question of File &gt; Save policy file..., answered with one of the two buttons below</extracomment>
        <translation>Quais políticas o arquivo deve conter?</translation>
    </message>
    <message>
        <source>Save changed policies only (recommended)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Salvar só as políticas alteradas (recomendado)</translation>
    </message>
    <message>
        <source>Save all policies to file (only ever use this to get a sample file)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Salvar todas as políticas no arquivo (use só para obter um arquivo de exemplo)</translation>
    </message>
    <message>
        <source>Cannot write the policy file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the policy file&apos;s name</extracomment>
        <translation>Não é possível gravar o arquivo de políticas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>About Tabulyst</source>
        <extracomment>Title of the About box (Help &gt; About...)</extracomment>
        <translation>Sobre o Tabulyst</translation>
    </message>
    <message>
        <source>Tabulyst %1

Turns tables laid out in plain text and delimited data into HTML and RTF documents.</source>
        <extracomment>Text of the About box; %1 is the version</extracomment>
        <translation>Tabulyst %1

Converte tabelas dispostas em texto simples e dados delimitados em documentos HTML e RTF.</translation>
    </message>
    <message>
        <source>Steering files not yet supported</source>
        <extracomment>Message box text: a parameter beginning with &quot;@&quot; names a steering file</extracomment>
        <translation>Arquivos de instruções ainda não são suportados</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Português</translation>
    </message>
    <message>
        <source>German</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>Italian</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>French</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Swedish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Conversion options</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Opções de conversão</translation>
    </message>
    <message>
        <source>&amp;Analysis policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the analysis policies sheet</extracomment>
        <translation>Políticas de &amp;análise</translation>
    </message>
    <message>
        <source>&amp;Output Policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the output policies sheet</extracomment>
        <translation>Políticas de &amp;saída</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>Convert...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>Converter...</translation>
    </message>
    <message>
        <source>&amp;Load policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Carregar arquivo de políticas...</translation>
    </message>
    <message>
        <source>&amp;Save policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Salvar arquivo de políticas...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;What to look for</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;What to look for&quot;</extracomment>
        <translation>&amp;O que procurar</translation>
    </message>
    <message>
        <source>&amp;Bullets and lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Bullets&quot;</extracomment>
        <translation>&amp;Marcadores e listas</translation>
    </message>
    <message>
        <source>&amp;Contents lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Contents List&quot;</extracomment>
        <translation>&amp;Sumários</translation>
    </message>
    <message>
        <source>&amp;File structure</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;File structure&quot;</extracomment>
        <translation>&amp;Estrutura do arquivo</translation>
    </message>
    <message>
        <source>&amp;Headings</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Headings&quot;</extracomment>
        <translation>&amp;Títulos</translation>
    </message>
    <message>
        <source>&amp;General layout</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Analysis&quot;</extracomment>
        <translation>&amp;Disposição geral</translation>
    </message>
    <message>
        <source>&amp;Pre-formatted text</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Texto &amp;pré-formatado</translation>
    </message>
    <message>
        <source>&amp;Tables</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Table analysis&quot;</extracomment>
        <translation>T&amp;abelas</translation>
    </message>
    <message>
        <source>&amp;Title, description etc</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document details&quot;</extracomment>
        <translation>&amp;Título, descrição etc.</translation>
    </message>
    <message>
        <source>T&amp;able generation</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Table generation&quot;</extracomment>
        <translation>&amp;Geração de tabelas</translation>
    </message>
    <message>
        <source>&amp;Document colours</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document colours&quot;</extracomment>
        <translation>&amp;Cores do documento</translation>
    </message>
    <message>
        <source>&amp;Hyperlinks</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Hyperlinks&quot;</extracomment>
        <translation>&amp;Hiperlinks</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Fonts&quot;</extracomment>
        <translation>&amp;Fontes</translation>
    </message>
    <message>
        <source>Document &amp;settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document settings&quot;</extracomment>
        <translation>Configurações do &amp;documento</translation>
    </message>
    <message>
        <source>&amp;RTF settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;RTF configuration&quot;</extracomment>
        <translation>Configurações &amp;RTF</translation>
    </message>
    <message>
        <source>Re-anal&amp;yse the file</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>Anal&amp;isar o arquivo de novo</translation>
    </message>
    <message>
        <source>&amp;Reset to defaults</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>&amp;Restaurar os valores padrão</translation>
    </message>
    <message>
        <source>Do&amp;cumentation</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Documentation&quot;</extracomment>
        <translation>Do&amp;cumentação</translation>
    </message>
    <message>
        <source>&amp;Drag and drop properties</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Drag&apos;n&apos;Drop&quot;</extracomment>
        <translation>Propriedades de &amp;arrastar e soltar</translation>
    </message>
    <message>
        <source>Dia&amp;gnostics</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Messages&quot;</extracomment>
        <translation>Dia&amp;gnóstico</translation>
    </message>
    <message>
        <source>&amp;Viewers for results files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Viewers&quot;</extracomment>
        <translation>&amp;Visualizadores dos arquivos de resultado</translation>
    </message>
    <message>
        <source>Use of &amp;Policy files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Policy files&quot;</extracomment>
        <translation>Uso de arquivos de &amp;políticas</translation>
    </message>
    <message>
        <source>Show &amp;Tool Tips</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostrar &amp;dicas de ferramenta</translation>
    </message>
    <message>
        <source>Show Status Dialog</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostrar a janela de status</translation>
    </message>
    <message>
        <source>Show results automatically</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostrar os resultados automaticamente</translation>
    </message>
    <message>
        <source>Other...</source>
        <extracomment>Last entry of the Language menu, for languages of language files (not supported)</extracomment>
        <translation>Outro...</translation>
    </message>
    <message>
        <source>View &amp;messages from last conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Ver as &amp;mensagens da última conversão</translation>
    </message>
    <message>
        <source>View the last &amp;Conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Ver a última &amp;conversão</translation>
    </message>
    <message>
        <source>&amp;Preview pane</source>
        <extracomment>Entry of the View menu, a switch with a check mark</extracomment>
        <translation>Painel de &amp;visualização</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Sobre...</translation>
    </message>
</context>
<context>
    <name>tabulyst::MessagesPage</name>
    <message>
        <source>Error reporting level</source>
        <extracomment>Label of a slider on the &quot;Messages&quot; page</extracomment>
        <translation>Nível de relato de erros</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>How many messages are shown: low shows only the most important</source>
        <extracomment>Tool tip of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Quantas mensagens são mostradas: baixo mostra só as mais importantes</translation>
    </message>
    <message>
        <source>Show INFO messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar mensagens INFO</translation>
    </message>
    <message>
        <source>Show WARNING messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar mensagens WARNING</translation>
    </message>
    <message>
        <source>Show TAG ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar mensagens TAG ERROR</translation>
    </message>
    <message>
        <source>Show PROGRAM ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar mensagens PROGRAM ERROR</translation>
    </message>
    <message>
        <source>Show URL messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar mensagens URL</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;INFO:&quot;</source>
        <extracomment>Tool tip of &quot;Show INFO messages&quot;</extracomment>
        <translation>Mostrar as mensagens que começam com &quot;INFO:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;WARNING:&quot;</source>
        <extracomment>Tool tip of &quot;Show WARNING messages&quot;</extracomment>
        <translation>Mostrar as mensagens que começam com &quot;WARNING:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;TAG ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show TAG ERROR messages&quot;</extracomment>
        <translation>Mostrar as mensagens que começam com &quot;TAG ERROR:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;PROGRAM ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show PROGRAM ERROR messages&quot;</extracomment>
        <translation>Mostrar as mensagens que começam com &quot;PROGRAM ERROR:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;URL:&quot;</source>
        <extracomment>Tool tip of &quot;Show URL messages&quot;</extracomment>
        <translation>Mostrar as mensagens que começam com &quot;URL:&quot;</translation>
    </message>
</context>
<context>
    <name>tabulyst::PolicyFilesPage</name>
    <message>
        <source>Select the default policy file</source>
        <extracomment>Caption of the file chooser for the default policy file (&quot;Policy files&quot; page)</extracomment>
        <translation>Selecione o arquivo de políticas padrão</translation>
    </message>
    <message>
        <source>Use a default policy file</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Usar um arquivo de políticas padrão</translation>
    </message>
    <message>
        <source>Load this policy file for every conversion</source>
        <extracomment>Tool tip of &quot;Use a default policy file&quot;</extracomment>
        <translation>Carregar este arquivo de políticas em cada conversão</translation>
    </message>
    <message>
        <source>The default policy file</source>
        <extracomment>Tool tip of the default policy file&apos;s name</extracomment>
        <translation>O arquivo de políticas padrão</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Choose the default policy file</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the default policy file</extracomment>
        <translation>Escolha o arquivo de políticas padrão</translation>
    </message>
    <message>
        <source>Always reload policy file during conversion (slower, but picks up any changes)</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Sempre recarregar o arquivo de políticas durante a conversão (mais lento, mas pega qualquer alteração)</translation>
    </message>
    <message>
        <source>Read the policy file again before every conversion</source>
        <extracomment>Tool tip of &quot;Always reload policy file during conversion ...&quot;</extracomment>
        <translation>Ler de novo o arquivo de políticas antes de cada conversão</translation>
    </message>
</context>
<context>
    <name>tabulyst::PropertySheet</name>
    <message>
        <source>Analysis policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Analysis policies&quot;</extracomment>
        <translation>Políticas de análise</translation>
    </message>
    <message>
        <source>Output policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Output Policies&quot;</extracomment>
        <translation>Políticas de saída</translation>
    </message>
    <message>
        <source>Program settings</source>
        <extracomment>Caption of the property sheet opened from the &quot;Settings&quot; menu</extracomment>
        <translation>Configurações do programa</translation>
    </message>
    <message>
        <source>Apply the changes and close</source>
        <extracomment>Tool tip of the OK button of a property sheet</extracomment>
        <translation>Aplicar as alterações e fechar</translation>
    </message>
    <message>
        <source>Close without applying; the changes are kept for the next opening</source>
        <extracomment>Tool tip of the Cancel button of a property sheet</extracomment>
        <translation>Fechar sem aplicar; as alterações ficam guardadas para a próxima abertura</translation>
    </message>
    <message>
        <source>Apply the changes and keep the sheet open</source>
        <extracomment>Tool tip of the Apply button of a property sheet</extracomment>
        <translation>Aplicar as alterações e manter a janela aberta</translation>
    </message>
    <message>
        <source>What to look for</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>O que procurar</translation>
    </message>
    <message>
        <source>Bullets</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Marcadores</translation>
    </message>
    <message>
        <source>Contents List</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>File structure</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Estrutura do arquivo</translation>
    </message>
    <message>
        <source>Headings</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Títulos</translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Análise</translation>
    </message>
    <message>
        <source>Pre-formatted text</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Texto pré-formatado</translation>
    </message>
    <message>
        <source>Table analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Análise de tabelas</translation>
    </message>
    <message>
        <source>Table layout</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Disposição de tabelas</translation>
    </message>
    <message>
        <source>Document details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dados do documento</translation>
    </message>
    <message>
        <source>Table generation</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Geração de tabelas</translation>
    </message>
    <message>
        <source>Table details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Detalhes de tabelas</translation>
    </message>
    <message>
        <source>Document colours</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Cores do documento</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Hiperlinks</translation>
    </message>
    <message>
        <source>Fonts</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Fontes</translation>
    </message>
    <message>
        <source>Document settings</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Configurações do documento</translation>
    </message>
    <message>
        <source>RTF configuration</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Configuração RTF</translation>
    </message>
    <message>
        <source>HTML markup</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Marcação HTML</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Quadros</translation>
    </message>
    <message>
        <source>Directory page</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Página de diretório</translation>
    </message>
    <message>
        <source>Tags and directives</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Tags e diretivas</translation>
    </message>
    <message>
        <source>Documentation</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Documentação</translation>
    </message>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Arrastar e soltar</translation>
    </message>
    <message>
        <source>Messages</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Viewers</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Visualizadores</translation>
    </message>
    <message>
        <source>Policy files</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Arquivos de políticas</translation>
    </message>
</context>
<context>
    <name>tabulyst::StatusWindow</name>
    <message>
        <source>Tabulyst - messages</source>
        <extracomment>Title of the status window, which shows the messages of a conversion</extracomment>
        <translation>Tabulyst - mensagens</translation>
    </message>
    <message>
        <source>Auto-dismiss on completion</source>
        <extracomment>Check box of the status window</extracomment>
        <translation>Fechar automaticamente ao concluir</translation>
    </message>
    <message>
        <source>Close this window when a conversion succeeds</source>
        <extracomment>Tool tip of &quot;Auto-dismiss on completion&quot;</extracomment>
        <translation>Fechar esta janela quando uma conversão tiver sucesso</translation>
    </message>
    <message>
        <source>The messages of the last conversion</source>
        <extracomment>Tool tip of the message text of the status window</extracomment>
        <translation>As mensagens da última conversão</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableAnalysisPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Tentar reconhecer e gerar TABELAS</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Procurar tabelas no texto e gravá-las como tabelas</translation>
    </message>
    <message>
        <source>Extend preformatted regions</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Estender as regiões pré-formatadas</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>How readily lines next to a table are taken into it</source>
        <extracomment>Tool tip of the slider &quot;Extend preformatted regions&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Com que facilidade as linhas vizinhas de uma tabela são incluídas nela</translation>
    </message>
    <message>
        <source>Is the table expected to have sparse columns</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Espera-se que a tabela tenha colunas esparsas</translation>
    </message>
    <message>
        <source>Many cells of the tables are expected to be empty</source>
        <extracomment>Tool tip of &quot;Is the table expected to have sparse columns&quot;</extracomment>
        <translation>Espera-se que muitas células das tabelas estejam vazias</translation>
    </message>
    <message>
        <source>Ignore table header when analysing column pocitions</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page (the spelling is the program&apos;s own)</extracomment>
        <translation>Ignorar o cabeçalho da tabela ao analisar as posições das colunas</translation>
    </message>
    <message>
        <source>The header lines do not take part in finding the columns</source>
        <extracomment>Tool tip of &quot;Ignore table header when analysing column positions&quot;</extracomment>
        <translation>As linhas de cabeçalho não participam da busca das colunas</translation>
    </message>
    <message>
        <source>Merge together &quot;poor&quot; columns</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Unir colunas &quot;pobres&quot;</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>Left end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>Right end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Sempre</translation>
    </message>
    <message>
        <source>How readily columns that are mostly empty, or run into the next, are merged</source>
        <extracomment>Tool tip of the slider &quot;Merge together &quot;poor&quot; columns&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Com que facilidade são unidas as colunas quase vazias ou que invadem a seguinte</translation>
    </message>
    <message>
        <source>Minimum number of spaces between columns</source>
        <extracomment>Label of a number edit on the &quot;Table analysis&quot; page</extracomment>
        <translation>Número mínimo de espaços entre colunas</translation>
    </message>
    <message>
        <source>The narrowest gap of blanks that separates two columns</source>
        <extracomment>Tool tip of &quot;Minimum number of spaces between columns&quot;</extracomment>
        <translation>O menor vão de espaços que separa duas colunas</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableGenerationPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Tentar reconhecer e gerar TABELAS</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table generation&quot; page</extracomment>
        <translation>Procurar tabelas no texto e gravá-las como tabelas</translation>
    </message>
    <message>
        <source>Number of header rows</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Número de linhas de cabeçalho</translation>
    </message>
    <message>
        <source>How many rows at the top of each table are header rows</source>
        <extracomment>Tool tip of &quot;Number of header rows&quot;</extracomment>
        <translation>Quantas linhas no topo de cada tabela são de cabeçalho</translation>
    </message>
    <message>
        <source>CELLPADDING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLPADDING</translation>
    </message>
    <message>
        <source>The space between the border of a cell and its text</source>
        <extracomment>Tool tip of &quot;CELLPADDING&quot;</extracomment>
        <translation>O espaço entre a borda de uma célula e seu texto</translation>
    </message>
    <message>
        <source>CELLSPACING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLSPACING</translation>
    </message>
    <message>
        <source>The space between neighbouring cells</source>
        <extracomment>Tool tip of &quot;CELLSPACING&quot;</extracomment>
        <translation>O espaço entre células vizinhas</translation>
    </message>
    <message>
        <source>BORDER size</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Tamanho de BORDER</translation>
    </message>
    <message>
        <source>The width of the table&apos;s border (none: no border)</source>
        <extracomment>Tool tip of &quot;BORDER size&quot;</extracomment>
        <translation>A largura da borda da tabela (none: sem borda)</translation>
    </message>
    <message>
        <source>Table width</source>
        <extracomment>Label of a text edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Largura da tabela</translation>
    </message>
    <message>
        <source>The width of each table, in pixels or as a percentage such as 100%</source>
        <extracomment>Tool tip of &quot;Table width&quot;</extracomment>
        <translation>A largura de cada tabela, em pixels ou em porcentagem, por exemplo 100%</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>Label of a colour (text, swatch and chooser) on the &quot;Table generation&quot; page</extracomment>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>The background colour of tables: a colour name or six hexadecimal digits</source>
        <extracomment>Tool tip of the &quot;Background&quot; colour</extracomment>
        <translation>A cor de fundo das tabelas: um nome de cor ou seis dígitos hexadecimais</translation>
    </message>
    <message>
        <source>Border colour</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Cor da borda</translation>
    </message>
    <message>
        <source>The colour of the table&apos;s border</source>
        <extracomment>Tool tip of the &quot;Border colour&quot; colour</extracomment>
        <translation>A cor da borda da tabela</translation>
    </message>
    <message>
        <source>Colour odd and even rows differently</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Colorir de forma diferente as linhas pares e ímpares</translation>
    </message>
    <message>
        <source>Data rows are coloured alternately with the two colours below</source>
        <extracomment>Tool tip of &quot;Colour odd and even rows differently&quot;</extracomment>
        <translation>As linhas de dados são coloridas alternando as duas cores abaixo</translation>
    </message>
    <message>
        <source>Odd Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Linhas ímpares</translation>
    </message>
    <message>
        <source>The colour of the first, third, fifth ... data row</source>
        <extracomment>Tool tip of the &quot;Odd Rows&quot; colour</extracomment>
        <translation>A cor da primeira, terceira, quinta ... linha de dados</translation>
    </message>
    <message>
        <source>Even Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Linhas pares</translation>
    </message>
    <message>
        <source>The colour of the second, fourth, sixth ... data row</source>
        <extracomment>Tool tip of the &quot;Even Rows&quot; colour</extracomment>
        <translation>A cor da segunda, quarta, sexta ... linha de dados</translation>
    </message>
    <message>
        <source>Table alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Alinhamento da tabela</translation>
    </message>
    <message>
        <source>Where tables stand on the page</source>
        <extracomment>Tool tip of &quot;Table alignment&quot;</extracomment>
        <translation>Onde as tabelas ficam na página</translation>
    </message>
    <message>
        <source>Table cell alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Alinhamento das células da tabela</translation>
    </message>
    <message>
        <source>How the text of the cells is aligned; Auto-Detect decides column by column</source>
        <extracomment>Tool tip of &quot;Table cell alignment&quot;</extracomment>
        <translation>Como o texto das células é alinhado; Detecção automática decide coluna por coluna</translation>
    </message>
    <message>
        <source>Convert any section cross references in the table into hyperlinks</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Transformar em hiperlinks as referências a seções que houver na tabela</translation>
    </message>
    <message>
        <source>References to sections inside the cells become links</source>
        <extracomment>Tool tip of &quot;Convert any section cross references in the table into hyperlinks&quot;</extracomment>
        <translation>Referências a seções dentro das células viram links</translation>
    </message>
</context>
<context>
    <name>tabulyst::ViewersPage</name>
    <message>
        <source>Select the viewer program</source>
        <extracomment>Caption of the file chooser for a viewer program (&quot;Viewers&quot; page)</extracomment>
        <translation>Selecione o programa visualizador</translation>
    </message>
    <message>
        <source>Automatically view results after each conversion</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Ver os resultados automaticamente após cada conversão</translation>
    </message>
    <message>
        <source>Open each result in its viewer as soon as it is written</source>
        <extracomment>Tool tip of &quot;Automatically view results after each conversion&quot;</extracomment>
        <translation>Abrir cada resultado no seu visualizador assim que for gravado</translation>
    </message>
    <message>
        <source>Command used to view .HTML results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Comando usado para ver os resultados .HTML</translation>
    </message>
    <message>
        <source>The browser program, with any arguments; empty: the desktop&apos;s browser</source>
        <extracomment>Tool tip of &quot;Command used to view .HTML results&quot;</extracomment>
        <translation>O programa navegador, com seus argumentos; vazio: o navegador da área de trabalho</translation>
    </message>
    <message>
        <source>Use DDE to view results</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Usar DDE para ver os resultados</translation>
    </message>
    <message>
        <source>Ask a running browser to show the result rather than starting one</source>
        <extracomment>Tool tip of &quot;Use DDE to view results&quot;</extracomment>
        <translation>Pedir a um navegador já aberto que mostre o resultado em vez de iniciar outro</translation>
    </message>
    <message>
        <source>DDE service name</source>
        <extracomment>Label of a list on the &quot;Viewers&quot; page</extracomment>
        <translation>Nome do serviço DDE</translation>
    </message>
    <message>
        <source>The name under which the browser answers DDE requests</source>
        <extracomment>Tool tip of &quot;DDE service name&quot;</extracomment>
        <translation>O nome com que o navegador responde a pedidos DDE</translation>
    </message>
    <message>
        <source>Add &quot;file://localhost/&quot; prefix to URLs</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Adicionar o prefixo &quot;file://localhost/&quot; aos endereços</translation>
    </message>
    <message>
        <source>Hand the viewer the result as a file://localhost/ address instead of a path</source>
        <extracomment>Tool tip of &quot;Add &quot;file://localhost/&quot; prefix to URLs&quot;</extracomment>
        <translation>Passar ao visualizador o resultado como endereço file://localhost/ em vez de um caminho</translation>
    </message>
    <message>
        <source>Command used to view .RTF results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Comando usado para ver os resultados .RTF</translation>
    </message>
    <message>
        <source>The word processor or viewer program for RTF results; empty: the desktop&apos;s</source>
        <extracomment>Tool tip of &quot;Command used to view .RTF results&quot;</extracomment>
        <translation>O processador de textos ou visualizador para os resultados RTF; vazio: o da área de trabalho</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside a viewer command</extracomment>
        <translation>Escolha o programa visualizador</translation>
    </message>
</context>
</TS>
