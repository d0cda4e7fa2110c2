<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MessageCatalogue</name>
    <message>
        <source>No file selected</source>
        <extracomment>Title of a message box: no input file was chosen</extracomment>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>No analysis necessary</source>
        <extracomment>Message box text: the file needs no new analysis</extracomment>
        <translation>No hace falta ningún análisis</translation>
    </message>
    <message>
        <source>Directory Error</source>
        <extracomment>Title of the message box about an unusable input or output directory</extracomment>
        <translation>Error de directorio</translation>
    </message>
    <message>
        <source>File selection error</source>
        <extracomment>Title of the message box about files that could not be chosen or found</extracomment>
        <translation>Error al seleccionar archivos</translation>
    </message>
    <message>
        <source>Failed to auto-detect default browser</source>
        <extracomment>Title of the message box when no viewer for the results can be found</extracomment>
        <translation>No se pudo detectar el navegador predeterminado</translation>
    </message>
    <message>
        <source>Policy File Error</source>
        <extracomment>Title of the message box about a policy file that cannot be read</extracomment>
        <translation>Error en el archivo de directivas</translation>
    </message>
    <message>
        <source>Error launching browser</source>
        <extracomment>Title of the message box when a viewer program cannot be started</extracomment>
        <translation>Error al iniciar el navegador</translation>
    </message>
    <message>
        <source>Convert Error</source>
        <extracomment>Title of the message box when a conversion failed</extracomment>
        <translation>Error de conversión</translation>
    </message>
    <message>
        <source>Output File Error</source>
        <extracomment>Title of the message box when a file cannot be written</extracomment>
        <translation>Error en el archivo de salida</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <extracomment>Title of the question whether to save the changed policies</extracomment>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>Input File Error</source>
        <extracomment>Title of the message box when no input file has been chosen yet</extracomment>
        <translation>Error en el archivo de entrada</translation>
    </message>
    <message>
        <source>No conversion done yet</source>
        <extracomment>Title of the message box when there is no result to view yet</extracomment>
        <translation>Todavía no se ha hecho ninguna conversión</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>Caption of the command that returns every policy to its default</extracomment>
        <translation>Restablecer los valores predeterminados</translation>
    </message>
    <message>
        <source>Function still to be added</source>
        <extracomment>Message box text for a command not yet available</extracomment>
        <translation>Función aún por añadir</translation>
    </message>
    <message>
        <source>File location error</source>
        <extracomment>Title of the message box about a file given at start that is not there</extracomment>
        <translation>Error al localizar el archivo</translation>
    </message>
    <message>
        <source>Reanalyse source file</source>
        <extracomment>Caption of the command that analyses the source file again</extracomment>
        <translation>Volver a analizar el archivo de origen</translation>
    </message>
    <message>
        <source>Reload policies</source>
        <extracomment>Caption of the command that reads the policies again</extracomment>
        <translation>Volver a cargar las directivas</translation>
    </message>
    <message>
        <source>Email error</source>
        <extracomment>Title of the message box about the mail program</extracomment>
        <translation>Error de correo electrónico</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Caption of the folder chooser for the output directory (also a tool tip)</extracomment>
        <translation>Seleccione un directorio de salida.  Debe admitir escritura</translation>
    </message>
    <message>
        <source>Select an input directory</source>
        <extracomment>Caption of the folder chooser for the input directory</extracomment>
        <translation>Seleccione un directorio de entrada</translation>
    </message>
    <message>
        <source>Problems using DDE detected</source>
        <extracomment>Title of the message box about a browser that did not answer over DDE</extracomment>
        <translation>Se detectaron problemas al usar DDE</translation>
    </message>
    <message>
        <source>Problems detected using DDE last time.
<byte value="xd"/>Disabling DDE.  Use Settings/Viewers to re-enable</source>
        <extracomment>Message box text: DDE viewing is switched off at start; 
 starts a new line</extracomment>
        <translation>La última vez se detectaron problemas al usar DDE.
Se desactiva DDE.  Use Configuración/Visores para volver a activarlo</translation>
    </message>
    <message>
        <source>Must choose a file first</source>
        <extracomment>Message box text: View Results was asked for before any file was chosen</extracomment>
        <translation>Primero debe elegir un archivo</translation>
    </message>
    <message>
        <source>No analysis needed until policies or files are changed</source>
        <extracomment>Message box text: nothing changed since the last analysis</extracomment>
        <translation>No hace falta analizar hasta que cambien las directivas o los archivos</translation>
    </message>
    <message>
        <source>Invalid Input Directory</source>
        <extracomment>Message box text: the directory of the input files cannot be used</extracomment>
        <translation>Directorio de entrada no válido</translation>
    </message>
    <message>
        <source>Invalid Output Directory.
<byte value="xd"/>Must be writable</source>
        <extracomment>Message box text: the output directory cannot be written; 
 starts a new line</extracomment>
        <translation>Directorio de salida no válido.
Debe admitir escritura</translation>
    </message>
    <message>
        <source>No files found &quot;xxxxxx&quot;</source>
        <extracomment>Message box text and status line: nothing matched the file list; xxxxxx is replaced by the list</extracomment>
        <translation>No se encontraron archivos &quot;xxxxxx&quot;</translation>
    </message>
    <message>
        <source>Please use the Settings Menu to locate your browser manually</source>
        <extracomment>Message box text: no viewer for the results was found</extracomment>
        <translation>Use el menú Configuración para indicar su navegador manualmente</translation>
    </message>
    <message>
        <source>Can&apos;t find policy file &quot;xxxxxx&quot;</source>
        <extracomment>Message box text: the policy file cannot be read; xxxxxx is replaced by its name</extracomment>
        <translation>No se encuentra el archivo de directivas &quot;xxxxxx&quot;</translation>
    </message>
    <message>
        <source>No URL supplied.  Cannot launch browser</source>
        <extracomment>Message box text: a browser was asked to show nothing</extracomment>
        <translation>No se indicó ninguna dirección.  No se puede iniciar el navegador</translation>
    </message>
    <message>
        <source>No Filename supplied.  Cannot launch viewer</source>
        <extracomment>Message box text: a viewer was asked to show no file</extracomment>
        <translation>No se indicó ningún nombre de archivo.  No se puede iniciar el visor</translation>
    </message>
    <message>
        <source>Command &quot;ccc url&quot; failed.
<byte value="xd"/>  Error code=nnn</source>
        <extracomment>Message box text: a viewer program could not be started; ccc, url and nnn are replaced by the command, the file and the error number</extracomment>
        <translation>El comando &quot;ccc url&quot; falló.
  Código de error=nnn</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <extracomment>Message box text: a conversion failed</extracomment>
        <translation>La conversión falló</translation>
    </message>
    <message>
        <source>Unable to locate file &quot;ffffff&quot;</source>
        <extracomment>Message box text: a file named at start is not there; ffffff is replaced by its name</extracomment>
        <translation>No se puede localizar el archivo &quot;ffffff&quot;</translation>
    </message>
    <message>
        <source>Must choose a file name</source>
        <extracomment>Message box text: no file name was given</extracomment>
        <translation>Debe elegir un nombre de archivo</translation>
    </message>
    <message>
        <source>Save changes made to your policy?</source>
        <extracomment>Text of the question asked on closing when the policies were changed</extracomment>
        <translation>¿Guardar los cambios hechos en sus directivas?</translation>
    </message>
    <message>
        <source>Must convert a file first</source>
        <extracomment>Message box text: View Results was asked for before any conversion</extracomment>
        <translation>Primero debe convertir un archivo</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Status text when a step is finished</extracomment>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>This is a beta release of this software</source>
        <extracomment>Message box text shown by test releases</extracomment>
        <translation>Esta es una versión beta de este programa</translation>
    </message>
    <message>
        <source>Can&apos;t find requested file &quot;hhhhhh&quot;  Change via the Settings Menu</source>
        <extracomment>Message box text: a program or file named in the settings is not there; hhhhhh is replaced by its name</extracomment>
        <translation>No se encuentra el archivo solicitado &quot;hhhhhh&quot;  Cámbielo en el menú Configuración</translation>
    </message>
    <message>
        <source>Failed to auto-detect email client</source>
        <extracomment>Message box text: no mail program was found</extracomment>
        <translation>No se pudo detectar el programa de correo</translation>
    </message>
    <message>
        <source>Need to specify a delimiter character</source>
        <extracomment>Message box text: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>Es necesario indicar un carácter delimitador</translation>
    </message>
    <message>
        <source>-- Add new link definition --</source>
        <extracomment>First entry of the list of link definitions</extracomment>
        <translation>-- Añadir una nueva definición de enlace --</translation>
    </message>
    <message>
        <source>** enter text to be matched in source document **</source>
        <extracomment>Prompt in the text to match of a new link definition</extracomment>
        <translation>** escriba el texto que se buscará en el documento de origen **</translation>
    </message>
    <message>
        <source>** enter text to be displayed in the hyperlink **</source>
        <extracomment>Prompt in the text shown by a new link definition</extracomment>
        <translation>** escriba el texto que mostrará el hipervínculo **</translation>
    </message>
    <message>
        <source>** enter the hyperlink&apos;s URL **</source>
        <extracomment>Prompt in the address of a new link definition</extracomment>
        <translation>** escriba la dirección (URL) del hipervínculo **</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <extracomment>Entry of the alignment lists: the program decides the alignment</extracomment>
        <translation>Detección automática</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Center</source>
        <extracomment>Entry of the alignment lists (centred)</extracomment>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Justified</source>
        <extracomment>Entry of the alignment lists (justified on both sides)</extracomment>
        <translation>Justificado</translation>
    </message>
    <message>
        <source>*** Failed to open log file : ffffff ***</source>
        <extracomment>Status and log line: the log file cannot be opened; ffffff is replaced by its name</extracomment>
        <translation>*** No se pudo abrir el archivo de registro : ffffff ***</translation>
    </message>
    <message>
        <source>    Opening ffffff instead</source>
        <extracomment>Status and log line after the one above; ffffff is replaced by the other log file&apos;s name</extracomment>
        <translation>    Se abre ffffff en su lugar</translation>
    </message>
    <message>
        <source>%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%</source>
        <extracomment>Status and log line that ends every run</extracomment>
        <translation>%%%%%%%%%%%%%%%%%%% Conversión terminada %%%%%%%%%%%%%%%%%%</translation>
    </message>
    <message>
        <source>Cascading style sheets (*.css)|*.css|All files (*.*)|*.*||</source>
        <extracomment>Filter of a file chooser: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Hojas de estilo en cascada (*.css)|*.css|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt,*.asc)|*.txt;*.asc|Comma separated files (*.csv)|*.csv|All files (*.*)|*.*||</source>
        <extracomment>Filter of the file chooser for the files to convert: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Archivos de texto (*.txt,*.asc)|*.txt;*.asc|Archivos separados por comas (*.csv)|*.csv|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Policy files (*.pol)|*.pol|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file choosers for policy files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Archivos de directivas (*.pol)|*.pol|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>HTML files (*.htm,*.html)|*.htm;*.html|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for the HTML documentation: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Archivos HTML (*.htm,*.html)|*.htm;*.html|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Program files (*.exe)|*.exe|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for a viewer program: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Programas (*.exe)|*.exe|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Image files (*.jpg,*.gif)|*.jpg;*.gif|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for images: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Archivos de imagen (*.jpg,*.gif)|*.jpg;*.gif|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Log files (*.log)|*.log|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for log files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Archivos de registro (*.log)|*.log|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Language files (*.lng)|*.lng|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for language files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Archivos de idioma (*.lng)|*.lng|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Style files (*.sty)|*.sty|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for styles files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Archivos de estilos (*.sty)|*.sty|Todos los archivos (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Plain text file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Archivo de texto sin formato</translation>
    </message>
    <message>
        <source>Tab delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Archivo de datos delimitado por tabulaciones</translation>
    </message>
    <message>
        <source>Comma delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Archivo de datos delimitado por comas</translation>
    </message>
    <message>
        <source>Other delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Archivo de datos con otro delimitador</translation>
    </message>
    <message>
        <source>Output HTML to file(s)</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Generar HTML en archivo(s)</translation>
    </message>
    <message>
        <source>Output HTML as a set of FRAMES</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Generar HTML como un conjunto de MARCOS</translation>
    </message>
    <message>
        <source>Output HTML to the clipboard</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Generar HTML en el portapapeles</translation>
    </message>
    <message>
        <source>Output Windows Help source file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Generar archivo fuente de Ayuda de Windows</translation>
    </message>
    <message>
        <source>Output RTF to file</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Generar RTF en archivo</translation>
    </message>
    <message>
        <source>Output text to file(s)</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Generar texto en archivo(s)</translation>
    </message>
    <message>
        <source>Output text to the clipboard</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Generar texto en el portapapeles</translation>
    </message>
    <message>
        <source>Output PDF to file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Generar PDF en archivo</translation>
    </message>
    <message>
        <source>No delimiter character specified</source>
        <extracomment>Title of the message box: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>No se indicó ningún carácter delimitador</translation>
    </message>
</context>
<context>
    <name>tabulyst::DocumentationPage</name>
    <message>
        <source>Select the HTML documentation</source>
        <extracomment>Caption of the file chooser for the documentation (&quot;Documentation&quot; page)</extracomment>
        <translation>Seleccione la documentación HTML</translation>
    </message>
    <message>
        <source>Location of HTML documentation on this machine</source>
        <extracomment>Label of a text edit on the &quot;Documentation&quot; page</extracomment>
        <translation>Ubicación de la documentación HTML en este equipo</translation>
    </message>
    <message>
        <source>The page Help &gt; Contents opens; empty: the README</source>
        <extracomment>Tool tip of &quot;Location of HTML documentation on this machine&quot;</extracomment>
        <translation>La página que abre Ayuda &gt; Contenido; vacío: el README</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Choose the documentation&apos;s first page</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the documentation</extracomment>
        <translation>Elija la primera página de la documentación</translation>
    </message>
</context>
<context>
    <name>tabulyst::DragAndDropPage</name>
    <message>
        <source>Show the status screen during the conversion(s)</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Mostrar la ventana de estado durante la(s) conversión(es)</translation>
    </message>
    <message>
        <source>Show the messages while files dropped on the program are converted</source>
        <extracomment>Tool tip of &quot;Show the status screen during the conversion(s)&quot;</extracomment>
        <translation>Mostrar los mensajes mientras se convierten los archivos soltados sobre el programa</translation>
    </message>
    <message>
        <source>View results in browser once conversion is complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Ver los resultados en el navegador al terminar la conversión</translation>
    </message>
    <message>
        <source>Open the result of dropped files in its viewer</source>
        <extracomment>Tool tip of &quot;View results in browser once conversion is complete&quot;</extracomment>
        <translation>Abrir en su visor el resultado de los archivos soltados</translation>
    </message>
    <message>
        <source>Start program after conversion complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Iniciar el programa al terminar la conversión</translation>
    </message>
    <message>
        <source>After converting files given at start, show the main window for more work</source>
        <extracomment>Tool tip of &quot;Start program after conversion complete&quot;</extracomment>
        <translation>Tras convertir los archivos dados al inicio, mostrar la ventana principal para seguir trabajando</translation>
    </message>
</context>
<context>
    <name>tabulyst::GeneratedPage</name>
    <message>
        <source>Indented lines mark the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for indentation&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Las líneas sangradas marcan la estructura del documento</translation>
    </message>
    <message>
        <source>Short lines end paragraphs</source>
        <extracomment>Tool tip of the policy &quot;Look for short lines&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Las líneas cortas terminan párrafos</translation>
    </message>
    <message>
        <source>Look for bulleted and numbered lists</source>
        <extracomment>Tool tip of the policy &quot;Look for bullets&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar listas con viñetas y numeradas</translation>
    </message>
    <message>
        <source>Blank space marks the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for white space&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Los espacios en blanco marcan la estructura del documento</translation>
    </message>
    <message>
        <source>Look for the headers of mail and news messages</source>
        <extracomment>Tool tip of the policy &quot;Look for MAIL and USENET headers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar los encabezados de mensajes de correo y de noticias</translation>
    </message>
    <message>
        <source>Look for quoted passages, such as lines beginning with &quot;&gt;&quot;</source>
        <extracomment>Tool tip of the policy &quot;Look for quoted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar pasajes citados, como líneas que empiezan por &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>Look for text laid out by hand that must keep its layout</source>
        <extracomment>Tool tip of the policy &quot;Look for preformatted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar texto dispuesto a mano que debe conservar su disposición</translation>
    </message>
    <message>
        <source>Look for diagrams drawn with characters</source>
        <extracomment>Tool tip of the policy &quot;Look for diagrams&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar diagramas dibujados con caracteres</translation>
    </message>
    <message>
        <source>Look for the character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Look for character encodings&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar el juego de caracteres indicado en el documento</translation>
    </message>
    <message>
        <source>Lines of dashes or similar characters become horizontal rules</source>
        <extracomment>Tool tip of the policy &quot;Look for horizontal rulers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Las líneas de guiones o caracteres parecidos se convierten en reglas horizontales</translation>
    </message>
    <message>
        <source>Look for paragraphs whose first line sticks out to the left</source>
        <extracomment>Tool tip of the policy &quot;Look for hanging paragraphs&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar párrafos cuya primera línea sobresale a la izquierda</translation>
    </message>
    <message>
        <source>Look for definition paragraphs (a term followed by its meaning)</source>
        <extracomment>Tool tip of the policy &quot;Search for definitions&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar párrafos de definición (un término seguido de su significado)</translation>
    </message>
    <message>
        <source>Look for words marked for emphasis, such as *bold* or _underlined_</source>
        <extracomment>Tool tip of the policy &quot;Search for emphasis&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Buscar palabras marcadas para resaltar, como *negrita* o _subrayado_</translation>
    </message>
    <message>
        <source>Lines beginning with a number (1, 2, 3) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Las líneas que empiezan por un número (1, 2, 3) son elementos de lista</translation>
    </message>
    <message>
        <source>Lines beginning with a letter (a, b, c) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect alphabetic bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Las líneas que empiezan por una letra (a, b, c) son elementos de lista</translation>
    </message>
    <message>
        <source>Lines beginning with a Roman numeral (i, ii, iii) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Roman Numeral bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Las líneas que empiezan por un número romano (i, ii, iii) son elementos de lista</translation>
    </message>
    <message>
        <source>A line beginning with &quot;-&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;-&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Una línea que empieza por &quot;-&quot; es un elemento de lista</translation>
    </message>
    <message>
        <source>A line beginning with &quot;o&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;o&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Una línea que empieza por &quot;o&quot; es un elemento de lista</translation>
    </message>
    <message>
        <source>The document may hold its own contents list</source>
        <extracomment>Tool tip of the policy &quot;Expect Contents List&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>El documento puede contener su propia tabla de contenido</translation>
    </message>
    <message>
        <source>Turn a contents list found in the document into links</source>
        <extracomment>Tool tip of the policy &quot;Use any existing contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Convertir en enlaces una tabla de contenido encontrada en el documento</translation>
    </message>
    <message>
        <source>Add a contents list made from the headings</source>
        <extracomment>Tool tip of the policy &quot;Add contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Añadir una tabla de contenido hecha con los títulos</translation>
    </message>
    <message>
        <source>The deepest heading level listed in the contents (none: all)</source>
        <extracomment>Tool tip of the policy &quot;Maximum level to show in contents&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>El nivel de título más profundo que figura en la tabla de contenido (none: todos)</translation>
    </message>
    <message>
        <source>How the contents list is laid out (a number)</source>
        <extracomment>Tool tip of the policy &quot;Contents style code&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Cómo se dispone la tabla de contenido (un número)</translation>
    </message>
    <message>
        <source>Headings get anchors that the contents list links to</source>
        <extracomment>Tool tip of the policy &quot;Add anchors to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Los títulos reciben anclas a las que enlaza la tabla de contenido</translation>
    </message>
    <message>
        <source>The deepest heading level that gets an anchor</source>
        <extracomment>Tool tip of the policy &quot;Contents anchors level&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>El nivel de título más profundo que recibe un ancla</translation>
    </message>
    <message>
        <source>The links of the contents list sit on the section numbers</source>
        <extracomment>Tool tip of the policy &quot;Hyperlinks on numbers&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Los enlaces de la tabla de contenido están en los números de sección</translation>
    </message>
    <message>
        <source>Mail headers found in the document appear in the contents list</source>
        <extracomment>Tool tip of the policy &quot;Add mail headers to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Los encabezados de correo encontrados en el documento aparecen en la tabla de contenido</translation>
    </message>
    <message>
        <source>Write the contents list to a file of its own</source>
        <extracomment>Tool tip of the policy &quot;Generate external contents file&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Escribir la tabla de contenido en un archivo propio</translation>
    </message>
    <message>
        <source>The name of that contents file</source>
        <extracomment>Tool tip of the policy &quot;External contents list filename&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>El nombre de ese archivo de contenido</translation>
    </message>
    <message>
        <source>Tab size (usually 4 or 8).  Can affect table analysis</source>
        <extracomment>Tool tip of the policy &quot;TAB size&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Tamaño de tabulación (normalmente 4 u 8).  Puede afectar al análisis de tablas</translation>
    </message>
    <message>
        <source>Number of lines at the start of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at start of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Número de líneas al principio del archivo que no se convierten</translation>
    </message>
    <message>
        <source>Number of lines at the end of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at end of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Número de líneas al final del archivo que no se convierten</translation>
    </message>
    <message>
        <source>The file uses the DOS character set</source>
        <extracomment>Tool tip of the policy &quot;Input file contains DOS characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>El archivo usa el juego de caracteres de DOS</translation>
    </message>
    <message>
        <source>The file holds Japanese text</source>
        <extracomment>Tool tip of the policy &quot;Input file contains Japanese characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>El archivo contiene texto japonés</translation>
    </message>
    <message>
        <source>The file holds printer control codes (PCL), which are removed</source>
        <extracomment>Tool tip of the policy &quot;Input file contains PCL codes&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>El archivo contiene códigos de control de impresora (PCL), que se eliminan</translation>
    </message>
    <message>
        <source>The file holds Unicode characters</source>
        <extracomment>Tool tip of the policy &quot;Input file contains UNICODE characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>El archivo contiene caracteres Unicode</translation>
    </message>
    <message>
        <source>The file is MIME-encoded, as a mail message may be</source>
        <extracomment>Tool tip of the policy &quot;Input file contains MIME encoding&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>El archivo tiene codificación MIME, como puede tenerla un mensaje de correo</translation>
    </message>
    <message>
        <source>A quoted comma field may hold line ends, which stay line breaks in its cell</source>
        <extracomment>Tool tip of the policy &quot;Quoted fields may span lines&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Un campo entre comillas puede contener finales de línea, que siguen siendo saltos de línea en su celda</translation>
    </message>
    <message>
        <source>Every line of the file is followed by a blank line</source>
        <extracomment>Tool tip of the policy &quot;Input file is double spaced&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>A cada línea del archivo le sigue una línea en blanco</translation>
    </message>
    <message>
        <source>Lines carry change bars in the margin</source>
        <extracomment>Tool tip of the policy &quot;Input file has change bars&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Las líneas llevan barras de cambio en el margen</translation>
    </message>
    <message>
        <source>The file holds page headers, footers or form feeds</source>
        <extracomment>Tool tip of the policy &quot;Input file has page markers&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>El archivo contiene encabezados o pies de página o saltos de página</translation>
    </message>
    <message>
        <source>Number of lines each page marker takes</source>
        <extracomment>Tool tip of the policy &quot;Page marker size (in lines)&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Número de líneas que ocupa cada marca de página</translation>
    </message>
    <message>
        <source>The file is one unit of a larger composed document</source>
        <extracomment>Tool tip of the policy &quot;Input file is a composition unit&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>El archivo es una unidad de un documento compuesto mayor</translation>
    </message>
    <message>
        <source>Lines beginning with a section number (1.2, 3.4.1) are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Las líneas que empiezan por un número de sección (1.2, 3.4.1) son títulos</translation>
    </message>
    <message>
        <source>Lines underlined with dashes or similar characters are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Underlined Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Las líneas subrayadas con guiones o caracteres parecidos son títulos</translation>
    </message>
    <message>
        <source>Lines written in capitals are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Capitalised Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Las líneas escritas en mayúsculas son títulos</translation>
    </message>
    <message>
        <source>Headings may begin a paragraph, followed by its text on the same line</source>
        <extracomment>Tool tip of the policy &quot;Expect Embedded Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Los títulos pueden empezar un párrafo, seguidos de su texto en la misma línea</translation>
    </message>
    <message>
        <source>The heading may be the second word of the line</source>
        <extracomment>Tool tip of the policy &quot;Expect Second Word Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>El título puede ser la segunda palabra de la línea</translation>
    </message>
    <message>
        <source>Words that mark a line as a heading</source>
        <extracomment>Tool tip of the policy &quot;Heading key phrases&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Palabras que marcan una línea como título</translation>
    </message>
    <message>
        <source>The number of the first section</source>
        <extracomment>Tool tip of the policy &quot;First Section Number&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>El número de la primera sección</translation>
    </message>
    <message>
        <source>Headings of one level must have the same indentation</source>
        <extracomment>Tool tip of the policy &quot;Check indentation for consistency&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Los títulos de un mismo nivel deben tener la misma sangría</translation>
    </message>
    <message>
        <source>Keep the underlining under headings</source>
        <extracomment>Tool tip of the policy &quot;Preserve underlining of headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Conservar el subrayado bajo los títulos</translation>
    </message>
    <message>
        <source>The smallest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Smallest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>La marca de título más pequeña que se usa (1 a 6)</translation>
    </message>
    <message>
        <source>The largest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Largest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>La marca de título más grande que se usa (1 a 6)</translation>
    </message>
    <message>
        <source>Headings get no heading markup</source>
        <extracomment>Tool tip of the policy &quot;Suppress &lt;Hn&gt; markup for headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Los títulos no reciben marcas de título</translation>
    </message>
    <message>
        <source>The fewest lines a chapter must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min chapter size&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>El mínimo de líneas que debe tener un capítulo (none: cualquiera)</translation>
    </message>
    <message>
        <source>How many words of a heading make the name of a split file</source>
        <extracomment>Tool tip of the policy &quot;Number of words to include in filename&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Cuántas palabras de un título forman el nombre de un archivo dividido</translation>
    </message>
    <message>
        <source>Width of the source text in characters</source>
        <extracomment>Tool tip of the policy &quot;Page Width&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Ancho del texto de origen en caracteres</translation>
    </message>
    <message>
        <source>How ordinary text is aligned</source>
        <extracomment>Tool tip of the policy &quot;Text justification&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Cómo se alinea el texto normal</translation>
    </message>
    <message>
        <source>Paragraphs are separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Expect blank lines between paras&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Los párrafos están separados por líneas en blanco</translation>
    </message>
    <message>
        <source>Indentation that starts a new paragraph (none: not used)</source>
        <extracomment>Tool tip of the policy &quot;New Paragraph Offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Sangría que inicia un párrafo nuevo (none: no se usa)</translation>
    </message>
    <message>
        <source>Keep that indentation in the output</source>
        <extracomment>Tool tip of the policy &quot;Preserve new paragraph offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Conservar esa sangría en la salida</translation>
    </message>
    <message>
        <source>Treat the file as simple text without structure; also turns table generation off</source>
        <extracomment>Tool tip of the policy &quot;Keep it simple&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Tratar el archivo como texto simple sin estructura; también desactiva la generación de tablas</translation>
    </message>
    <message>
        <source>Lines shorter than this end a paragraph (none: worked out)</source>
        <extracomment>Tool tip of the policy &quot;Short line length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Las líneas más cortas que esto terminan un párrafo (none: se calcula)</translation>
    </message>
    <message>
        <source>The fewest characters that make a horizontal rule (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum ruler length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>El mínimo de caracteres que forman una regla horizontal (none: cualquiera)</translation>
    </message>
    <message>
        <source>Every line of the source becomes a paragraph of its own</source>
        <extracomment>Tool tip of the policy &quot;Treat each line as a paragraph&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Cada línea del origen se convierte en un párrafo propio</translation>
    </message>
    <message>
        <source>Keep the line breaks of the source</source>
        <extracomment>Tool tip of the policy &quot;Preserve line structure&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Conservar los saltos de línea del origen</translation>
    </message>
    <message>
        <source>Several blank lines count as one</source>
        <extracomment>Tool tip of the policy &quot;Ignore multiple blank lines&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Varias líneas en blanco cuentan como una</translation>
    </message>
    <message>
        <source>Lines that look centred are centred</source>
        <extracomment>Tool tip of the policy &quot;Allow automatic centring&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Las líneas que parecen centradas se centran</translation>
    </message>
    <message>
        <source>How far off centre a centred line may be (none: 2)</source>
        <extracomment>Tool tip of the policy &quot;Automatic centring tolerance&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Cuánto puede apartarse del centro una línea centrada (none: 2)</translation>
    </message>
    <message>
        <source>Terms of definition paragraphs are highlighted</source>
        <extracomment>Tool tip of the policy &quot;Highlight Definition Text&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Los términos de los párrafos de definición se resaltan</translation>
    </message>
    <message>
        <source>The fewest lines a pre-formatted region must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum automatic &lt;PRE&gt; size&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>El mínimo de líneas que debe tener una zona preformateada (none: cualquiera)</translation>
    </message>
    <message>
        <source>The document may hold program code, which keeps its layout</source>
        <extracomment>Tool tip of the policy &quot;Expect code samples&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>El documento puede contener código de programa, que conserva su disposición</translation>
    </message>
    <message>
        <source>Write the whole file as pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Preserve file structure using &lt;PRE&gt;&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Escribir todo el archivo como texto preformateado</translation>
    </message>
    <message>
        <source>Definition paragraphs are looked for inside pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Allow definitions inside PRE&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Los párrafos de definición se buscan también dentro del texto preformateado</translation>
    </message>
    <message>
        <source>Rows of a plain-text table may be separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Could be blank line separated&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Las filas de una tabla de texto pueden estar separadas por líneas en blanco</translation>
    </message>
    <message>
        <source>Columns may touch, with no blank space between them</source>
        <extracomment>Tool tip of the policy &quot;Column boundaries have zero width&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Las columnas pueden tocarse, sin espacio en blanco entre ellas</translation>
    </message>
    <message>
        <source>The column layout of tables, as in a TABLE_LAYOUT directive: the column count, then the last position of each column</source>
        <extracomment>Tool tip of the policy &quot;Default table layout&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>La disposición de columnas de las tablas, como en una directiva TABLE_LAYOUT: el número de columnas y luego la última posición de cada columna</translation>
    </message>
    <message>
        <source>The title of the document; [[FILENAME]] stands for the input file&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Document Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>El título del documento; [[FILENAME]] representa el nombre del archivo de entrada</translation>
    </message>
    <message>
        <source>The description written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Description&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>La descripción escrita en los metadatos del documento</translation>
    </message>
    <message>
        <source>The keywords written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Keywords&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Las palabras clave escritas en los metadatos del documento</translation>
    </message>
    <message>
        <source>The first heading becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first heading as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>El primer título se convierte en el título del documento</translation>
    </message>
    <message>
        <source>The first line becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first line as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>La primera línea se convierte en el título del documento</translation>
    </message>
    <message>
        <source>The base address against which the document&apos;s links are resolved</source>
        <extracomment>Tool tip of the policy &quot;Document Base URL&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>La dirección base con la que se resuelven los enlaces del documento</translation>
    </message>
    <message>
        <source>The character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Character encoding&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>El juego de caracteres indicado en el documento</translation>
    </message>
    <message>
        <source>Number of header columns (none: no header columns)</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE header cols&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Número de columnas de encabezado (none: ninguna)</translation>
    </message>
    <message>
        <source>The caption of generated tables</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE caption&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>El título de las tablas generadas</translation>
    </message>
    <message>
        <source>Tables and columns get width markup</source>
        <extracomment>Tool tip of the policy &quot;Add TABLE WIDTH markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Las tablas y columnas reciben marcas de ancho</translation>
    </message>
    <message>
        <source>Widths are written as percentages of the page</source>
        <extracomment>Tool tip of the policy &quot;Use percentage widths in tables&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Los anchos se escriben como porcentajes de la página</translation>
    </message>
    <message>
        <source>Table text is marked as code</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;CODE&gt;..&lt;/CODE&gt; markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>El texto de las tablas se marca como código</translation>
    </message>
    <message>
        <source>The table colours also apply to DOT_LEADERS tables</source>
        <extracomment>Tool tip of the policy &quot;Colour tables with DOT_LEADERS&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Los colores de tabla se aplican también a las tablas DOT_LEADERS</translation>
    </message>
    <message>
        <source>Empty table cells get font markup too</source>
        <extracomment>Tool tip of the policy &quot;Apply FONT to empty table cells&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Las celdas vacías también reciben marcas de fuente</translation>
    </message>
    <message>
        <source>The colour of the text</source>
        <extracomment>Tool tip of the policy &quot;Text Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>El color del texto</translation>
    </message>
    <message>
        <source>The background colour of the document</source>
        <extracomment>Tool tip of the policy &quot;Background Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>El color de fondo del documento</translation>
    </message>
    <message>
        <source>An image file shown behind the document</source>
        <extracomment>Tool tip of the policy &quot;Background Image&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Un archivo de imagen que se muestra detrás del documento</translation>
    </message>
    <message>
        <source>The colour of links not yet followed</source>
        <extracomment>Tool tip of the policy &quot;Unvisited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>El color de los enlaces aún no visitados</translation>
    </message>
    <message>
        <source>The colour of links already followed</source>
        <extracomment>Tool tip of the policy &quot;Visited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>El color de los enlaces ya visitados</translation>
    </message>
    <message>
        <source>The colour of a link while it is being clicked</source>
        <extracomment>Tool tip of the policy &quot;Active Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>El color de un enlace mientras se hace clic en él</translation>
    </message>
    <message>
        <source>The colour of headings</source>
        <extracomment>Tool tip of the policy &quot;Headings Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>El color de los títulos</translation>
    </message>
    <message>
        <source>Write no colour markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all colour markup&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>No escribir ninguna marca de color</translation>
    </message>
    <message>
        <source>A colour set by a tag holds until it is changed again</source>
        <extracomment>Tool tip of the policy &quot;Scope COLOUR tags globally&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Un color fijado por una etiqueta se mantiene hasta que se vuelve a cambiar</translation>
    </message>
    <message>
        <source>Addresses found in the text become links</source>
        <extracomment>Tool tip of the policy &quot;Create hyperlinks&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Las direcciones encontradas en el texto se convierten en enlaces</translation>
    </message>
    <message>
        <source>Mail addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create mailto links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Las direcciones de correo se convierten en enlaces</translation>
    </message>
    <message>
        <source>FTP addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Las direcciones FTP se convierten en enlaces</translation>
    </message>
    <message>
        <source>News group names become links</source>
        <extracomment>Tool tip of the policy &quot;Create NEWS links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Los nombres de grupos de noticias se convierten en enlaces</translation>
    </message>
    <message>
        <source>Gopher addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Gopher links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Las direcciones Gopher se convierten en enlaces</translation>
    </message>
    <message>
        <source>Telnet addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Telnet links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Las direcciones Telnet se convierten en enlaces</translation>
    </message>
    <message>
        <source>Only well-formed domain names become links</source>
        <extracomment>Tool tip of the policy &quot;Check domain name syntax&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Solo los nombres de dominio bien formados se convierten en enlaces</translation>
    </message>
    <message>
        <source>Only the news groups known to the program become links</source>
        <extracomment>Tool tip of the policy &quot;Only use known groups&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Solo los grupos de noticias conocidos por el programa se convierten en enlaces</translation>
    </message>
    <message>
        <source>Only addresses beginning with ftp:// become FTP links</source>
        <extracomment>Tool tip of the policy &quot;Only allow explicit FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Solo las direcciones que empiezan por ftp:// se convierten en enlaces FTP</translation>
    </message>
    <message>
        <source>Mail addresses may begin with a digit</source>
        <extracomment>Tool tip of the policy &quot;Allow email beginning with numbers&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Las direcciones de correo pueden empezar por una cifra</translation>
    </message>
    <message>
        <source>Links open in another browser window</source>
        <extracomment>Tool tip of the policy &quot;Open links in new browser window&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Los enlaces se abren en otra ventana del navegador</translation>
    </message>
    <message>
        <source>The name of that browser window</source>
        <extracomment>Tool tip of the policy &quot;New browser window name&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>El nombre de esa ventana del navegador</translation>
    </message>
    <message>
        <source>A line holding an address ends with a line break</source>
        <extracomment>Tool tip of the policy &quot;Add &lt;BR&gt; to lines with URLs&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Una línea que contiene una dirección termina con un salto de línea</translation>
    </message>
    <message>
        <source>The deepest heading level that section references link to (none: no links)</source>
        <extracomment>Tool tip of the policy &quot;Cross-refs at level&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>El nivel de título más profundo al que enlazan las referencias a secciones (none: sin enlaces)</translation>
    </message>
    <message>
        <source>A file of link definitions: texts that become links</source>
        <extracomment>Tool tip of the policy &quot;Link Dictionary file&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Un archivo de definiciones de enlace: textos que se convierten en enlaces</translation>
    </message>
    <message>
        <source>The font of ordinary text</source>
        <extracomment>Tool tip of the policy &quot;Default font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>La fuente del texto normal</translation>
    </message>
    <message>
        <source>The font of table text</source>
        <extracomment>Tool tip of the policy &quot;Table font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>La fuente del texto de las tablas</translation>
    </message>
    <message>
        <source>The fixed-pitch font, for pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Fixed font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>La fuente de ancho fijo, para el texto preformateado</translation>
    </message>
    <message>
        <source>The font of headings</source>
        <extracomment>Tool tip of the policy &quot;Heading font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>La fuente de los títulos</translation>
    </message>
    <message>
        <source>The font of the contents list</source>
        <extracomment>Tool tip of the policy &quot;Table of Contents font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>La fuente de la tabla de contenido</translation>
    </message>
    <message>
        <source>The base font size in points</source>
        <extracomment>Tool tip of the policy &quot;Base FONT Size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>El tamaño de fuente base en puntos</translation>
    </message>
    <message>
        <source>A change of every font size, in points</source>
        <extracomment>Tool tip of the policy &quot;Delta FONT size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Un cambio de todos los tamaños de fuente, en puntos</translation>
    </message>
    <message>
        <source>How much wider or narrower the text is laid out, in percent</source>
        <extracomment>Tool tip of the policy &quot;Font stretch factor (in percent)&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Cuánto más ancho o más estrecho se compone el texto, en porcentaje</translation>
    </message>
    <message>
        <source>Fonts are expressed in style sheets rather than font markup</source>
        <extracomment>Tool tip of the policy &quot;Use CSS to implement fonts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Las fuentes se expresan en hojas de estilo en lugar de marcas de fuente</translation>
    </message>
    <message>
        <source>Write font markup</source>
        <extracomment>Tool tip of the policy &quot;Add FONT markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Escribir marcas de fuente</translation>
    </message>
    <message>
        <source>Font markup states the size</source>
        <extracomment>Tool tip of the policy &quot;Add FONT size markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Las marcas de fuente indican el tamaño</translation>
    </message>
    <message>
        <source>Font markup states the style</source>
        <extracomment>Tool tip of the policy &quot;Add FONT style markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Las marcas de fuente indican el estilo</translation>
    </message>
    <message>
        <source>Font markup states the face</source>
        <extracomment>Tool tip of the policy &quot;Add FONT face markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Las marcas de fuente indican el tipo de letra</translation>
    </message>
    <message>
        <source>How far font markup reaches (a number)</source>
        <extracomment>Tool tip of the policy &quot;Scope for font tags&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Hasta dónde llegan las marcas de fuente (un número)</translation>
    </message>
    <message>
        <source>Write no font markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all font markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>No escribir ninguna marca de fuente</translation>
    </message>
    <message>
        <source>A styles file that defines named fonts</source>
        <extracomment>Tool tip of the policy &quot;Style file&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Un archivo de estilos que define fuentes con nombre</translation>
    </message>
    <message>
        <source>The HTML version the documents are written in</source>
        <extracomment>Tool tip of the policy &quot;HTML version to be targeted&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>La versión de HTML en la que se escriben los documentos</translation>
    </message>
    <message>
        <source>The extension of output files, unless one of the choices below decides it</source>
        <extracomment>Tool tip of the policy &quot;Output file extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>La extensión de los archivos de salida, salvo que la decida una de las opciones de abajo</translation>
    </message>
    <message>
        <source>Output files end in &quot;.htm&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use .HTM extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Los archivos de salida terminan en &quot;.htm&quot;</translation>
    </message>
    <message>
        <source>Output file names follow DOS rules (8.3) and end in &quot;.HTM&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use DOS filenames&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Los nombres de los archivos de salida siguen las reglas de DOS (8.3) y terminan en &quot;.HTM&quot;</translation>
    </message>
    <message>
        <source>The start of DOS output file names</source>
        <extracomment>Tool tip of the policy &quot;DOS filename root&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>El comienzo de los nombres de archivo de salida de DOS</translation>
    </message>
    <message>
        <source>Write only the contents of the body, to be pasted into another document</source>
        <extracomment>Tool tip of the policy &quot;Omit &lt;HEAD&gt; and &lt;BODY&gt; from output&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Escribir solo el contenido del cuerpo, para pegarlo en otro documento</translation>
    </message>
    <message>
        <source>Write the smallest output</source>
        <extracomment>Tool tip of the policy &quot;Minimise HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Escribir la salida más pequeña</translation>
    </message>
    <message>
        <source>Long output lines are broken</source>
        <extracomment>Tool tip of the policy &quot;Break up long HTML lines&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Las líneas de salida largas se dividen</translation>
    </message>
    <message>
        <source>A file whose text is put at the start of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML header file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un archivo cuyo texto se pone al principio del documento</translation>
    </message>
    <message>
        <source>A file whose text is put at the end of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML footer file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un archivo cuyo texto se pone al final del documento</translation>
    </message>
    <message>
        <source>A file of script for the document&apos;s head</source>
        <extracomment>Tool tip of the policy &quot;HTML Script file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un archivo de script para la cabecera del documento</translation>
    </message>
    <message>
        <source>A file of HTML fragments for the text-document features</source>
        <extracomment>Tool tip of the policy &quot;HTML fragments file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un archivo de fragmentos HTML para las funciones de documentos de texto</translation>
    </message>
    <message>
        <source>The style sheet the document refers to</source>
        <extracomment>Tool tip of the policy &quot;Document Style Sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>La hoja de estilo a la que remite el documento</translation>
    </message>
    <message>
        <source>A style sheet is written into the document itself</source>
        <extracomment>Tool tip of the policy &quot;Create embedded style sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Se escribe una hoja de estilo dentro del propio documento</translation>
    </message>
    <message>
        <source>The heading level at which the output is split into several files (none: not split)</source>
        <extracomment>Tool tip of the policy &quot;Split level&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>El nivel de título en el que la salida se divide en varios archivos (none: no se divide)</translation>
    </message>
    <message>
        <source>The fewest lines a split file must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>El mínimo de líneas que debe tener un archivo dividido (none: cualquiera)</translation>
    </message>
    <message>
        <source>Split files get links to the previous and next file</source>
        <extracomment>Tool tip of the policy &quot;Add navigation bar&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Los archivos divididos reciben enlaces al archivo anterior y al siguiente</translation>
    </message>
    <message>
        <source>The paper size of RTF documents</source>
        <extracomment>Tool tip of the policy &quot;Paper size&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El tamaño de papel de los documentos RTF</translation>
    </message>
    <message>
        <source>Pages are laid out across</source>
        <extracomment>Tool tip of the policy &quot;Use Landscape mode&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Las páginas se disponen en horizontal</translation>
    </message>
    <message>
        <source>The top margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Top margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El margen superior en centímetros</translation>
    </message>
    <message>
        <source>The bottom margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Bottom margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El margen inferior en centímetros</translation>
    </message>
    <message>
        <source>The left margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Left margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El margen izquierdo en centímetros</translation>
    </message>
    <message>
        <source>The right margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Right margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El margen derecho en centímetros</translation>
    </message>
    <message>
        <source>Left and right margins swap on facing pages</source>
        <extracomment>Tool tip of the policy &quot;Mirror margins&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Los márgenes izquierdo y derecho se intercambian en las páginas enfrentadas</translation>
    </message>
    <message>
        <source>The language the word processor checks the spelling in</source>
        <extracomment>Tool tip of the policy &quot;Language (for proofing)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El idioma en el que el procesador de textos revisa la ortografía</translation>
    </message>
    <message>
        <source>How RTF styles are used (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of RTF Styles&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Cómo se usan los estilos RTF (un número)</translation>
    </message>
    <message>
        <source>How far the first line of a paragraph is indented</source>
        <extracomment>Tool tip of the policy &quot;First line indentation (in blocks)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Cuánto se sangra la primera línea de un párrafo</translation>
    </message>
    <message>
        <source>Write the RTF as the source of a help file</source>
        <extracomment>Tool tip of the policy &quot;Make Windows Help source file&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Escribir el RTF como fuente de un archivo de ayuda</translation>
    </message>
    <message>
        <source>The subject stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Subject&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El asunto guardado en la información del documento</translation>
    </message>
    <message>
        <source>The author stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Author&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El autor guardado en la información del documento</translation>
    </message>
    <message>
        <source>The manager stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Manager&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>El administrador guardado en la información del documento</translation>
    </message>
    <message>
        <source>The category stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Category&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>La categoría guardada en la información del documento</translation>
    </message>
    <message>
        <source>The comments stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Comments&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Los comentarios guardados en la información del documento</translation>
    </message>
    <message>
        <source>The company stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Company name&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>La empresa guardada en la información del documento</translation>
    </message>
    <message>
        <source>Paragraphs get paragraph markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;P&gt; markup for paragraphs&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Los párrafos reciben marcas de párrafo</translation>
    </message>
    <message>
        <source>Definition paragraphs get definition list markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;DL&gt; markup for defn. paras&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Los párrafos de definición reciben marcas de lista de definiciones</translation>
    </message>
    <message>
        <source>Emphasis is written as EM and STRONG rather than I and B</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;EM&gt; and &lt;STRONG&gt; markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>El resalte se escribe como EM y STRONG en lugar de I y B</translation>
    </message>
    <message>
        <source>Emphasised words get markup</source>
        <extracomment>Tool tip of the policy &quot;Add emphasis and bold markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Las palabras resaltadas reciben marcas</translation>
    </message>
    <message>
        <source>Paragraphs are labelled with style classes</source>
        <extracomment>Tool tip of the policy &quot;Label style classes&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Los párrafos se etiquetan con clases de estilo</translation>
    </message>
    <message>
        <source>How Windows characters are written (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of Microsoft entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Cómo se escriben los caracteres de Windows (un número)</translation>
    </message>
    <message>
        <source>How characters outside ASCII are written as HTML 4.0 entities (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of HTML 4.0 entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Cómo se escriben los caracteres fuera de ASCII como entidades de HTML 4.0 (un número)</translation>
    </message>
    <message>
        <source>How indented text is marked up (a number)</source>
        <extracomment>Tool tip of the policy &quot;Indentation markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Cómo se marca el texto sangrado (un número)</translation>
    </message>
    <message>
        <source>Each level of indentation adds to the one before</source>
        <extracomment>Tool tip of the policy &quot;Use incremental indentation markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Cada nivel de sangría se suma al anterior</translation>
    </message>
    <message>
        <source>How lists are marked up (0 to 2)</source>
        <extracomment>Tool tip of the policy &quot;List markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Cómo se marcan las listas (0 a 2)</translation>
    </message>
    <message>
        <source>The whole document is centred</source>
        <extracomment>Tool tip of the policy &quot;CENTER whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Todo el documento se centra</translation>
    </message>
    <message>
        <source>The whole document is indented</source>
        <extracomment>Tool tip of the policy &quot;Indent whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Todo el documento se sangra</translation>
    </message>
    <message>
        <source>The document is shown in a set of frames</source>
        <extracomment>Tool tip of the policy &quot;Place document in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El documento se muestra en un conjunto de marcos</translation>
    </message>
    <message>
        <source>The name of the frame set file; * stands for the input&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Output frame name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El nombre del archivo del conjunto de marcos; * representa el nombre de la entrada</translation>
    </message>
    <message>
        <source>The height of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>La altura del marco de encabezado</translation>
    </message>
    <message>
        <source>The height of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>La altura del marco de pie</translation>
    </message>
    <message>
        <source>The width of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame width&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El ancho del marco de contenido</translation>
    </message>
    <message>
        <source>The document&apos;s header goes into the header frame</source>
        <extracomment>Tool tip of the policy &quot;Use main header in header frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El encabezado del documento va en el marco de encabezado</translation>
    </message>
    <message>
        <source>The document&apos;s footer goes into the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Use main footer in footer frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El pie del documento va en el marco de pie</translation>
    </message>
    <message>
        <source>A frame with the contents list is added</source>
        <extracomment>Tool tip of the policy &quot;Add contents frame if possible&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Se añade un marco con la tabla de contenido</translation>
    </message>
    <message>
        <source>Frames are drawn with borders</source>
        <extracomment>Tool tip of the policy &quot;Add frame border&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Los marcos se dibujan con bordes</translation>
    </message>
    <message>
        <source>Links in the frames open in another window</source>
        <extracomment>Tool tip of the policy &quot;Open frame links in new window&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Los enlaces de los marcos se abren en otra ventana</translation>
    </message>
    <message>
        <source>The name of that window</source>
        <extracomment>Tool tip of the policy &quot;New frame link window name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El nombre de esa ventana</translation>
    </message>
    <message>
        <source>Browsers without frames get a link to the plain document</source>
        <extracomment>Tool tip of the policy &quot;Add NOFRAMES links&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Los navegadores sin marcos reciben un enlace al documento simple</translation>
    </message>
    <message>
        <source>The address of that link</source>
        <extracomment>Tool tip of the policy &quot;NOFRAMES link URL&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>La dirección de ese enlace</translation>
    </message>
    <message>
        <source>A page opened on its own reloads its frame set</source>
        <extracomment>Tool tip of the policy &quot;Only allow pages to be viewed in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Una página abierta por sí sola vuelve a cargar su conjunto de marcos</translation>
    </message>
    <message>
        <source>The number of the first frame page</source>
        <extracomment>Tool tip of the policy &quot;First frame page number&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El número de la primera página de marcos</translation>
    </message>
    <message>
        <source>How many heading levels the contents frame lists</source>
        <extracomment>Tool tip of the policy &quot;Number of levels in contents frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Cuántos niveles de título muestra el marco de contenido</translation>
    </message>
    <message>
        <source>The background colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El color de fondo del marco de encabezado</translation>
    </message>
    <message>
        <source>The text colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El color del texto del marco de encabezado</translation>
    </message>
    <message>
        <source>The background colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El color de fondo del marco de contenido</translation>
    </message>
    <message>
        <source>The text colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El color del texto del marco de contenido</translation>
    </message>
    <message>
        <source>The background colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El color de fondo del marco de pie</translation>
    </message>
    <message>
        <source>The text colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>El color del texto del marco de pie</translation>
    </message>
    <message>
        <source>Write a directory page that links to every file converted</source>
        <extracomment>Tool tip of the policy &quot;Make Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Escribir una página de directorio que enlace a cada archivo convertido</translation>
    </message>
    <message>
        <source>The name of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory filename&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>El nombre de la página de directorio</translation>
    </message>
    <message>
        <source>The title of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Title&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>El título de la página de directorio</translation>
    </message>
    <message>
        <source>The keywords of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Keywords&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Las palabras clave de la página de directorio</translation>
    </message>
    <message>
        <source>The description of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Description&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>La descripción de la página de directorio</translation>
    </message>
    <message>
        <source>The directory lists the titles of the files</source>
        <extracomment>Tool tip of the policy &quot;Show file Titles in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>El directorio muestra los títulos de los archivos</translation>
    </message>
    <message>
        <source>Headings are indented in the directory</source>
        <extracomment>Tool tip of the policy &quot;Indent headings in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Los títulos se sangran en el directorio</translation>
    </message>
    <message>
        <source>The text of the link back to the directory</source>
        <extracomment>Tool tip of the policy &quot;Directory return hyperlink text&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>El texto del enlace de vuelta al directorio</translation>
    </message>
    <message>
        <source>A file of script for the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Script file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Un archivo de script para la página de directorio</translation>
    </message>
    <message>
        <source>A file whose text starts the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory header file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Un archivo cuyo texto abre la página de directorio</translation>
    </message>
    <message>
        <source>A file whose text ends the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory footer file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Un archivo cuyo texto cierra la página de directorio</translation>
    </message>
    <message>
        <source>Directives in the source steer the conversion</source>
        <extracomment>Tool tip of the policy &quot;Use Preprocessor&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Las directivas del origen dirigen la conversión</translation>
    </message>
    <message>
        <source>The characters that begin a directive line</source>
        <extracomment>Tool tip of the policy &quot;Directive delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Los caracteres con los que empieza una línea de directiva</translation>
    </message>
    <message>
        <source>The characters that open an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;Start tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Los caracteres que abren una etiqueta en línea</translation>
    </message>
    <message>
        <source>The characters that close an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;End tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Los caracteres que cierran una etiqueta en línea</translation>
    </message>
    <message>
        <source>In-line tags are shown in the output</source>
        <extracomment>Tool tip of the policy &quot;Show Tags in output&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Las etiquetas en línea se muestran en la salida</translation>
    </message>
    <message>
        <source>Long lines are not broken inside markup</source>
        <extracomment>Tool tip of the policy &quot;Avoid Tag breaks&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Las líneas largas no se dividen dentro de las marcas</translation>
    </message>
    <message>
        <source>Markup that has no effect is removed</source>
        <extracomment>Tool tip of the policy &quot;Remove redundant tags&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Se eliminan las marcas que no tienen efecto</translation>
    </message>
    <message>
        <source>Check that opened markup is closed</source>
        <extracomment>Tool tip of the policy &quot;Monitor tag generation&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Comprobar que las marcas abiertas se cierran</translation>
    </message>
    <message>
        <source>Which comments are written into the output (a number)</source>
        <extracomment>Tool tip of the policy &quot;Comment generation code&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Qué comentarios se escriben en la salida (un número)</translation>
    </message>
    <message>
        <source>A file of text commands that replace texts</source>
        <extracomment>Tool tip of the policy &quot;Text substitution file&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Un archivo de comandos de texto que sustituyen textos</translation>
    </message>
</context>
<context>
    <name>tabulyst::MainWindow</name>
    <message>
        <source>Fil&amp;e(s) to convert</source>
        <extracomment>Label of the file list (main window); &amp; marks the access key</extracomment>
        <translation>Archivo(s) a &amp;convertir</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <extracomment>Button beside the file list (main window)</extracomment>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>&amp;Input file type</source>
        <extracomment>Label of the input type list (main window)</extracomment>
        <translation>Tipo de archivo de &amp;entrada</translation>
    </message>
    <message>
        <source>&amp;Delimiter</source>
        <extracomment>Label of the one-character delimiter edit (main window)</extracomment>
        <translation>&amp;Delimitador</translation>
    </message>
    <message>
        <source>Conversion T&amp;ype</source>
        <extracomment>Label of the conversion type list (main window)</extracomment>
        <translation>&amp;Tipo de conversión</translation>
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
        <translation>&amp;Nombre del archivo de salida</translation>
    </message>
    <message>
        <source>Output Di&amp;rectory</source>
        <extracomment>Label of the output directory list (main window)</extracomment>
        <translation>D&amp;irectorio de salida</translation>
    </message>
    <message>
        <source>Policy file</source>
        <extracomment>Title of the group around the policy file controls (main window)</extracomment>
        <translation>Archivo de directivas</translation>
    </message>
    <message>
        <source>Load &amp;policy file</source>
        <extracomment>Label of the policy file list (main window)</extracomment>
        <translation>Cargar archivo de &amp;directivas</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <extracomment>Button that returns every policy to its default (main window)</extracomment>
        <translation>Resta&amp;blecer</translation>
    </message>
    <message>
        <source>C&amp;onvert File(s)...</source>
        <extracomment>Button that starts the conversion (main window)</extracomment>
        <translation>C&amp;onvertir archivo(s)...</translation>
    </message>
    <message>
        <source>View Res&amp;ults...</source>
        <extracomment>Button that opens the last result (main window)</extracomment>
        <translation>&amp;Ver resultados...</translation>
    </message>
    <message>
        <source>Select the file(s) you want converted</source>
        <extracomment>Tool tip of the file list and its &quot;Browse...&quot; button (main window)</extracomment>
        <translation>Seleccione el/los archivo(s) que desea convertir</translation>
    </message>
    <message>
        <source>What kind of data do the input files hold?</source>
        <extracomment>Tool tip of the &quot;Input file type&quot; list (main window)</extracomment>
        <translation>¿Qué tipo de datos contienen los archivos de entrada?</translation>
    </message>
    <message>
        <source>Select the delimiter character to separate columns of data</source>
        <extracomment>Tool tip of the &quot;Delimiter&quot; edit (main window)</extracomment>
        <translation>Seleccione el carácter delimitador que separa las columnas de datos</translation>
    </message>
    <message>
        <source>What type of conversion do you want to attempt?</source>
        <extracomment>Tool tip of the &quot;Conversion Type&quot; list (main window)</extracomment>
        <translation>¿Qué tipo de conversión desea intentar?</translation>
    </message>
    <message>
        <source>Select the output file extension</source>
        <extracomment>Tool tip of the .html, .htm and .rtf buttons (main window)</extracomment>
        <translation>Seleccione la extensión del archivo de salida</translation>
    </message>
    <message>
        <source>Select the output filename</source>
        <extracomment>Tool tip of the &quot;Output filename&quot; edit (main window)</extracomment>
        <translation>Seleccione el nombre del archivo de salida</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Tool tip of the &quot;Output Directory&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Seleccione un directorio de salida.  Debe admitir escritura</translation>
    </message>
    <message>
        <source>Select a policy file to load</source>
        <extracomment>Tool tip of the &quot;Load policy file&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Seleccione un archivo de directivas para cargar</translation>
    </message>
    <message>
        <source>Reset all policies to their default values</source>
        <extracomment>Tool tip of the &quot;Reset&quot; button (main window)</extracomment>
        <translation>Restablecer todas las directivas a sus valores predeterminados</translation>
    </message>
    <message>
        <source>Start the conversion</source>
        <extracomment>Tool tip of the &quot;Convert File(s)...&quot; button (main window)</extracomment>
        <translation>Iniciar la conversión</translation>
    </message>
    <message>
        <source>View the result of the last conversion</source>
        <extracomment>Tool tip of the &quot;View Results...&quot; button (main window)</extracomment>
        <translation>Ver el resultado de la última conversión</translation>
    </message>
    <message>
        <source>The last HTML result as it will look</source>
        <extracomment>Tool tip of the preview pane (main window)</extracomment>
        <translation>El último resultado HTML tal como se verá</translation>
    </message>
    <message>
        <source>*** No Tool Tip text for this control ***</source>
        <extracomment>Tool tip of a control that has none of its own</extracomment>
        <translation>*** No hay texto de ayuda emergente para este control ***</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a double quote and cannot be converted together with other files.</source>
        <extracomment>Message box text; %1 is a file name</extracomment>
        <translation>&quot;%1&quot; contiene comillas dobles y no puede convertirse junto con otros archivos.</translation>
    </message>
    <message>
        <source>The last result is an RTF document:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>El último resultado es un documento RTF:
%1</translation>
    </message>
    <message>
        <source>The last result cannot be previewed:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>No se puede mostrar la vista previa del último resultado:
%1</translation>
    </message>
    <message>
        <source>Load policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Load policy file...</extracomment>
        <translation>Cargar archivo de directivas</translation>
    </message>
    <message>
        <source>Save policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Save policy file...</extracomment>
        <translation>Guardar archivo de directivas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists. Replace it?</source>
        <extracomment>Question before a policy file is replaced; %1 is its name</extracomment>
        <translation>&quot;%1&quot; ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Which policies shall the file hold?</source>
        <extracomment>Question of File &gt; Save policy file..., answered with one of the two buttons below</extracomment>
        <translation>¿Qué directivas debe contener el archivo?</translation>
    </message>
    <message>
        <source>Save changed policies only (recommended)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Guardar solo las directivas cambiadas (recomendado)</translation>
    </message>
    <message>
        <source>Save all policies to file (only ever use this to get a sample file)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Guardar todas las directivas en el archivo (úselo solo para obtener un archivo de ejemplo)</translation>
    </message>
    <message>
        <source>Cannot write the policy file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the policy file&apos;s name</extracomment>
        <translation>No se puede escribir el archivo de directivas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>About Tabulyst</source>
        <extracomment>Title of the About box (Help &gt; About...)</extracomment>
        <translation>Acerca de Tabulyst</translation>
    </message>
    <message>
        <source>Tabulyst %1

Turns tables laid out in plain text and delimited data into HTML and RTF documents.</source>
        <extracomment>Text of the About box; %1 is the version</extracomment>
        <translation>Tabulyst %1

Convierte tablas dispuestas en texto sin formato y datos delimitados en documentos HTML y RTF.</translation>
    </message>
    <message>
        <source>Steering files not yet supported</source>
        <extracomment>Message box text: a parameter beginning with &quot;@&quot; names a steering file</extracomment>
        <translation>Los archivos de instrucciones aún no se admiten</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Español</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>German</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>Italian</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>French</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Swedish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Sueco</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Conversion options</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Opciones de conversión</translation>
    </message>
    <message>
        <source>&amp;Analysis policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the analysis policies sheet</extracomment>
        <translation>Directivas de &amp;análisis</translation>
    </message>
    <message>
        <source>&amp;Output Policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the output policies sheet</extracomment>
        <translation>Directivas de &amp;salida</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Convert...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>Convertir...</translation>
    </message>
    <message>
        <source>&amp;Load policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Cargar archivo de directivas...</translation>
    </message>
    <message>
        <source>&amp;Save policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Guardar archivo de directivas...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;What to look for</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;What to look for&quot;</extracomment>
        <translation>&amp;Qué buscar</translation>
    </message>
    <message>
        <source>&amp;Bullets and lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Bullets&quot;</extracomment>
        <translation>&amp;Viñetas y listas</translation>
    </message>
    <message>
        <source>&amp;Contents lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Contents List&quot;</extracomment>
        <translation>&amp;Tablas de contenido</translation>
    </message>
    <message>
        <source>&amp;File structure</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;File structure&quot;</extracomment>
        <translation>&amp;Estructura del archivo</translation>
    </message>
    <message>
        <source>&amp;Headings</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Headings&quot;</extracomment>
        <translation>Tít&amp;ulos</translation>
    </message>
    <message>
        <source>&amp;General layout</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Analysis&quot;</extracomment>
        <translation>&amp;Disposición general</translation>
    </message>
    <message>
        <source>&amp;Pre-formatted text</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Texto &amp;preformateado</translation>
    </message>
    <message>
        <source>&amp;Tables</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Table analysis&quot;</extracomment>
        <translation>T&amp;ablas</translation>
    </message>
    <message>
        <source>&amp;Title, description etc</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document details&quot;</extracomment>
        <translation>&amp;Título, descripción, etc.</translation>
    </message>
    <message>
        <source>T&amp;able generation</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Table generation&quot;</extracomment>
        <translation>&amp;Generación de tablas</translation>
    </message>
    <message>
        <source>&amp;Document colours</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document colours&quot;</extracomment>
        <translation>&amp;Colores del documento</translation>
    </message>
    <message>
        <source>&amp;Hyperlinks</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Hyperlinks&quot;</extracomment>
        <translation>&amp;Hipervínculos</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Fonts&quot;</extracomment>
        <translation>&amp;Fuentes</translation>
    </message>
    <message>
        <source>Document &amp;settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document settings&quot;</extracomment>
        <translation>Configuración del &amp;documento</translation>
    </message>
    <message>
        <source>&amp;RTF settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;RTF configuration&quot;</extracomment>
        <translation>Configuración &amp;RTF</translation>
    </message>
    <message>
        <source>Re-anal&amp;yse the file</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>&amp;Volver a analizar el archivo</translation>
    </message>
    <message>
        <source>&amp;Reset to defaults</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>&amp;Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Do&amp;cumentation</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Documentation&quot;</extracomment>
        <translation>Do&amp;cumentación</translation>
    </message>
    <message>
        <source>&amp;Drag and drop properties</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Drag&apos;n&apos;Drop&quot;</extracomment>
        <translation>Propiedades de &amp;arrastrar y soltar</translation>
    </message>
    <message>
        <source>Dia&amp;gnostics</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Messages&quot;</extracomment>
        <translation>Dia&amp;gnóstico</translation>
    </message>
    <message>
        <source>&amp;Viewers for results files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Viewers&quot;</extracomment>
        <translation>&amp;Visores de los archivos de resultados</translation>
    </message>
    <message>
        <source>Use of &amp;Policy files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Policy files&quot;</extracomment>
        <translation>Uso de archivos de &amp;directivas</translation>
    </message>
    <message>
        <source>Show &amp;Tool Tips</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostrar ayuda &amp;emergente</translation>
    </message>
    <message>
        <source>Show Status Dialog</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostrar la ventana de estado</translation>
    </message>
    <message>
        <source>Show results automatically</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostrar los resultados automáticamente</translation>
    </message>
    <message>
        <source>Other...</source>
        <extracomment>Last entry of the Language menu, for languages of language files (not supported)</extracomment>
        <translation>Otro...</translation>
    </message>
    <message>
        <source>View &amp;messages from last conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Ver los &amp;mensajes de la última conversión</translation>
    </message>
    <message>
        <source>View the last &amp;Conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Ver la última &amp;conversión</translation>
    </message>
    <message>
        <source>&amp;Preview pane</source>
        <extracomment>Entry of the View menu, a switch with a check mark</extracomment>
        <translation>Panel de &amp;vista previa</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Acerca de...</translation>
    </message>
</context>
<context>
    <name>tabulyst::MessagesPage</name>
    <message>
        <source>Error reporting level</source>
        <extracomment>Label of a slider on the &quot;Messages&quot; page</extracomment>
        <translation>Nivel de informe de errores</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>How many messages are shown: low shows only the most important</source>
        <extracomment>Tool tip of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Cuántos mensajes se muestran: bajo muestra solo los más importantes</translation>
    </message>
    <message>
        <source>Show INFO messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar los mensajes INFO</translation>
    </message>
    <message>
        <source>Show WARNING messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar los mensajes WARNING</translation>
    </message>
    <message>
        <source>Show TAG ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar los mensajes TAG ERROR</translation>
    </message>
    <message>
        <source>Show PROGRAM ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar los mensajes PROGRAM ERROR</translation>
    </message>
    <message>
        <source>Show URL messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostrar los mensajes URL</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;INFO:&quot;</source>
        <extracomment>Tool tip of &quot;Show INFO messages&quot;</extracomment>
        <translation>Mostrar los mensajes que empiezan por &quot;INFO:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;WARNING:&quot;</source>
        <extracomment>Tool tip of &quot;Show WARNING messages&quot;</extracomment>
        <translation>Mostrar los mensajes que empiezan por &quot;WARNING:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;TAG ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show TAG ERROR messages&quot;</extracomment>
        <translation>Mostrar los mensajes que empiezan por &quot;TAG ERROR:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;PROGRAM ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show PROGRAM ERROR messages&quot;</extracomment>
        <translation>Mostrar los mensajes que empiezan por &quot;PROGRAM ERROR:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;URL:&quot;</source>
        <extracomment>Tool tip of &quot;Show URL messages&quot;</extracomment>
        <translation>Mostrar los mensajes que empiezan por &quot;URL:&quot;</translation>
    </message>
</context>
<context>
    <name>tabulyst::PolicyFilesPage</name>
    <message>
        <source>Select the default policy file</source>
        <extracomment>Caption of the file chooser for the default policy file (&quot;Policy files&quot; page)</extracomment>
        <translation>Seleccione el archivo de directivas predeterminado</translation>
    </message>
    <message>
        <source>Use a default policy file</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Usar un archivo de directivas predeterminado</translation>
    </message>
    <message>
        <source>Load this policy file for every conversion</source>
        <extracomment>Tool tip of &quot;Use a default policy file&quot;</extracomment>
        <translation>Cargar este archivo de directivas en cada conversión</translation>
    </message>
    <message>
        <source>The default policy file</source>
        <extracomment>Tool tip of the default policy file&apos;s name</extracomment>
        <translation>El archivo de directivas predeterminado</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Choose the default policy file</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the default policy file</extracomment>
        <translation>Elija el archivo de directivas predeterminado</translation>
    </message>
    <message>
        <source>Always reload policy file during conversion (slower, but picks up any changes)</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Volver a cargar siempre el archivo de directivas al convertir (más lento, pero recoge cualquier cambio)</translation>
    </message>
    <message>
        <source>Read the policy file again before every conversion</source>
        <extracomment>Tool tip of &quot;Always reload policy file during conversion ...&quot;</extracomment>
        <translation>Leer de nuevo el archivo de directivas antes de cada conversión</translation>
    </message>
</context>
<context>
    <name>tabulyst::PropertySheet</name>
    <message>
        <source>Analysis policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Analysis policies&quot;</extracomment>
        <translation>Directivas de análisis</translation>
    </message>
    <message>
        <source>Output policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Output Policies&quot;</extracomment>
        <translation>Directivas de salida</translation>
    </message>
    <message>
        <source>Program settings</source>
        <extracomment>Caption of the property sheet opened from the &quot;Settings&quot; menu</extracomment>
        <translation>Configuración del programa</translation>
    </message>
    <message>
        <source>Apply the changes and close</source>
        <extracomment>Tool tip of the OK button of a property sheet</extracomment>
        <translation>Aplicar los cambios y cerrar</translation>
    </message>
    <message>
        <source>Close without applying; the changes are kept for the next opening</source>
        <extracomment>Tool tip of the Cancel button of a property sheet</extracomment>
        <translation>Cerrar sin aplicar; los cambios se conservan para la próxima vez</translation>
    </message>
    <message>
        <source>Apply the changes and keep the sheet open</source>
        <extracomment>Tool tip of the Apply button of a property sheet</extracomment>
        <translation>Aplicar los cambios y dejar la hoja abierta</translation>
    </message>
    <message>
        <source>What to look for</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Qué buscar</translation>
    </message>
    <message>
        <source>Bullets</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Viñetas</translation>
    </message>
    <message>
        <source>Contents List</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Tabla de contenido</translation>
    </message>
    <message>
        <source>File structure</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Estructura del archivo</translation>
    </message>
    <message>
        <source>Headings</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Títulos</translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Análisis</translation>
    </message>
    <message>
        <source>Pre-formatted text</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Texto preformateado</translation>
    </message>
    <message>
        <source>Table analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Análisis de tablas</translation>
    </message>
    <message>
        <source>Table layout</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Disposición de tablas</translation>
    </message>
    <message>
        <source>Document details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Datos del documento</translation>
    </message>
    <message>
        <source>Table generation</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Generación de tablas</translation>
    </message>
    <message>
        <source>Table details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Detalles de tablas</translation>
    </message>
    <message>
        <source>Document colours</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Colores del documento</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Hipervínculos</translation>
    </message>
    <message>
        <source>Fonts</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>Document settings</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Configuración del documento</translation>
    </message>
    <message>
        <source>RTF configuration</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Configuración RTF</translation>
    </message>
    <message>
        <source>HTML markup</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Marcas HTML</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Marcos</translation>
    </message>
    <message>
        <source>Directory page</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Página de directorio</translation>
    </message>
    <message>
        <source>Tags and directives</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Etiquetas y directivas</translation>
    </message>
    <message>
        <source>Documentation</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Documentación</translation>
    </message>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Arrastrar y soltar</translation>
    </message>
    <message>
        <source>Messages</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Viewers</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Visores</translation>
    </message>
    <message>
        <source>Policy files</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Archivos de directivas</translation>
    </message>
</context>
<context>
    <name>tabulyst::StatusWindow</name>
    <message>
        <source>Tabulyst - messages</source>
        <extracomment>Title of the status window, which shows the messages of a conversion</extracomment>
        <translation>Tabulyst - mensajes</translation>
    </message>
    <message>
        <source>Auto-dismiss on completion</source>
        <extracomment>Check box of the status window</extracomment>
        <translation>Cerrar automáticamente al terminar</translation>
    </message>
    <message>
        <source>Close this window when a conversion succeeds</source>
        <extracomment>Tool tip of &quot;Auto-dismiss on completion&quot;</extracomment>
        <translation>Cerrar esta ventana cuando una conversión se completa con éxito</translation>
    </message>
    <message>
        <source>The messages of the last conversion</source>
        <extracomment>Tool tip of the message text of the status window</extracomment>
        <translation>Los mensajes de la última conversión</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableAnalysisPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Intentar reconocer y generar TABLAS</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Buscar tablas en el texto y escribirlas como tablas</translation>
    </message>
    <message>
        <source>Extend preformatted regions</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Ampliar las zonas preformateadas</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>How readily lines next to a table are taken into it</source>
        <extracomment>Tool tip of the slider &quot;Extend preformatted regions&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Con qué facilidad se incorporan a una tabla las líneas contiguas</translation>
    </message>
    <message>
        <source>Is the table expected to have sparse columns</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>¿Se espera que la tabla tenga columnas dispersas?</translation>
    </message>
    <message>
        <source>Many cells of the tables are expected to be empty</source>
        <extracomment>Tool tip of &quot;Is the table expected to have sparse columns&quot;</extracomment>
        <translation>Se espera que muchas celdas de las tablas estén vacías</translation>
    </message>
    <message>
        <source>Ignore table header when analysing column pocitions</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page (the spelling is the program&apos;s own)</extracomment>
        <translation>Ignorar el encabezado de la tabla al analizar las posiciones de las columnas</translation>
    </message>
    <message>
        <source>The header lines do not take part in finding the columns</source>
        <extracomment>Tool tip of &quot;Ignore table header when analysing column positions&quot;</extracomment>
        <translation>Las líneas de encabezado no intervienen al buscar las columnas</translation>
    </message>
    <message>
        <source>Merge together &quot;poor&quot; columns</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Unir las columnas &quot;pobres&quot;</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>Left end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>Right end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>How readily columns that are mostly empty, or run into the next, are merged</source>
        <extracomment>Tool tip of the slider &quot;Merge together &quot;poor&quot; columns&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Con qué facilidad se unen las columnas casi vacías o que invaden la siguiente</translation>
    </message>
    <message>
        <source>Minimum number of spaces between columns</source>
        <extracomment>Label of a number edit on the &quot;Table analysis&quot; page</extracomment>
        <translation>Número mínimo de espacios entre columnas</translation>
    </message>
    <message>
        <source>The narrowest gap of blanks that separates two columns</source>
        <extracomment>Tool tip of &quot;Minimum number of spaces between columns&quot;</extracomment>
        <translation>El hueco de espacios más estrecho que separa dos columnas</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableGenerationPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Intentar reconocer y generar TABLAS</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table generation&quot; page</extracomment>
        <translation>Buscar tablas en el texto y escribirlas como tablas</translation>
    </message>
    <message>
        <source>Number of header rows</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Número de filas de encabezado</translation>
    </message>
    <message>
        <source>How many rows at the top of each table are header rows</source>
        <extracomment>Tool tip of &quot;Number of header rows&quot;</extracomment>
        <translation>Cuántas filas de la parte superior de cada tabla son de encabezado</translation>
    </message>
    <message>
        <source>CELLPADDING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLPADDING</translation>
    </message>
    <message>
        <source>The space between the border of a cell and its text</source>
        <extracomment>Tool tip of &quot;CELLPADDING&quot;</extracomment>
        <translation>El espacio entre el borde de una celda y su texto</translation>
    </message>
    <message>
        <source>CELLSPACING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLSPACING</translation>
    </message>
    <message>
        <source>The space between neighbouring cells</source>
        <extracomment>Tool tip of &quot;CELLSPACING&quot;</extracomment>
        <translation>El espacio entre celdas vecinas</translation>
    </message>
    <message>
        <source>BORDER size</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Tamaño de BORDER</translation>
    </message>
    <message>
        <source>The width of the table&apos;s border (none: no border)</source>
        <extracomment>Tool tip of &quot;BORDER size&quot;</extracomment>
        <translation>El ancho del borde de la tabla (none: sin borde)</translation>
    </message>
    <message>
        <source>Table width</source>
        <extracomment>Label of a text edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Ancho de la tabla</translation>
    </message>
    <message>
        <source>The width of each table, in pixels or as a percentage such as 100%</source>
        <extracomment>Tool tip of &quot;Table width&quot;</extracomment>
        <translation>El ancho de cada tabla, en píxeles o como porcentaje, por ejemplo 100%</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>Label of a colour (text, swatch and chooser) on the &quot;Table generation&quot; page</extracomment>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>The background colour of tables: a colour name or six hexadecimal digits</source>
        <extracomment>Tool tip of the &quot;Background&quot; colour</extracomment>
        <translation>El color de fondo de las tablas: un nombre de color o seis cifras hexadecimales</translation>
    </message>
    <message>
        <source>Border colour</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Color del borde</translation>
    </message>
    <message>
        <source>The colour of the table&apos;s border</source>
        <extracomment>Tool tip of the &quot;Border colour&quot; colour</extracomment>
        <translation>El color del borde de la tabla</translation>
    </message>
    <message>
        <source>Colour odd and even rows differently</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Colorear de forma distinta las filas pares e impares</translation>
    </message>
    <message>
        <source>Data rows are coloured alternately with the two colours below</source>
        <extracomment>Tool tip of &quot;Colour odd and even rows differently&quot;</extracomment>
        <translation>Las filas de datos se colorean alternando los dos colores de abajo</translation>
    </message>
    <message>
        <source>Odd Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Filas impares</translation>
    </message>
    <message>
        <source>The colour of the first, third, fifth ... data row</source>
        <extracomment>Tool tip of the &quot;Odd Rows&quot; colour</extracomment>
        <translation>El color de la primera, tercera, quinta ... fila de datos</translation>
    </message>
    <message>
        <source>Even Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Filas pares</translation>
    </message>
    <message>
        <source>The colour of the second, fourth, sixth ... data row</source>
        <extracomment>Tool tip of the &quot;Even Rows&quot; colour</extracomment>
        <translation>El color de la segunda, cuarta, sexta ... fila de datos</translation>
    </message>
    <message>
        <source>Table alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Alineación de la tabla</translation>
    </message>
    <message>
        <source>Where tables stand on the page</source>
        <extracomment>Tool tip of &quot;Table alignment&quot;</extracomment>
        <translation>Dónde se sitúan las tablas en la página</translation>
    </message>
    <message>
        <source>Table cell alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Alineación de las celdas</translation>
    </message>
    <message>
        <source>How the text of the cells is aligned; Auto-Detect decides column by column</source>
        <extracomment>Tool tip of &quot;Table cell alignment&quot;</extracomment>
        <translation>Cómo se alinea el texto de las celdas; Detección automática decide columna por columna</translation>
    </message>
    <message>
        <source>Convert any section cross references in the table into hyperlinks</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Convertir en hipervínculos las referencias a secciones que haya en la tabla</translation>
    </message>
    <message>
        <source>References to sections inside the cells become links</source>
        <extracomment>Tool tip of &quot;Convert any section cross references in the table into hyperlinks&quot;</extracomment>
        <translation>Las referencias a secciones dentro de las celdas se convierten en enlaces</translation>
    </message>
</context>
<context>
    <name>tabulyst::ViewersPage</name>
    <message>
        <source>Select the viewer program</source>
        <extracomment>Caption of the file chooser for a viewer program (&quot;Viewers&quot; page)</extracomment>
        <translation>Seleccione el programa visor</translation>
    </message>
    <message>
        <source>Automatically view results after each conversion</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Ver los resultados automáticamente tras cada conversión</translation>
    </message>
    <message>
        <source>Open each result in its viewer as soon as it is written</source>
        <extracomment>Tool tip of &quot;Automatically view results after each conversion&quot;</extracomment>
        <translation>Abrir cada resultado en su visor en cuanto se escribe</translation>
    </message>
    <message>
        <source>Command used to view .HTML results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Comando para ver los resultados .HTML</translation>
    </message>
    <message>
        <source>The browser program, with any arguments; empty: the desktop&apos;s browser</source>
        <extracomment>Tool tip of &quot;Command used to view .HTML results&quot;</extracomment>
        <translation>El programa navegador, con sus argumentos; vacío: el navegador del escritorio</translation>
    </message>
    <message>
        <source>Use DDE to view results</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Usar DDE para ver los resultados</translation>
    </message>
    <message>
        <source>Ask a running browser to show the result rather than starting one</source>
        <extracomment>Tool tip of &quot;Use DDE to view results&quot;</extracomment>
        <translation>Pedir a un navegador abierto que muestre el resultado en lugar de iniciar otro</translation>
    </message>
    <message>
        <source>DDE service name</source>
        <extracomment>Label of a list on the &quot;Viewers&quot; page</extracomment>
        <translation>Nombre del servicio DDE</translation>
    </message>
    <message>
        <source>The name under which the browser answers DDE requests</source>
        <extracomment>Tool tip of &quot;DDE service name&quot;</extracomment>
        <translation>El nombre con el que el navegador responde a las peticiones DDE</translation>
    </message>
    <message>
        <source>Add &quot;file://localhost/&quot; prefix to URLs</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Añadir el prefijo &quot;file://localhost/&quot; a las direcciones</translation>
    </message>
    <message>
        <source>Hand the viewer the result as a file://localhost/ address instead of a path</source>
        <extracomment>Tool tip of &quot;Add &quot;file://localhost/&quot; prefix to URLs&quot;</extracomment>
        <translation>Pasar al visor el resultado como dirección file://localhost/ en lugar de una ruta</translation>
    </message>
    <message>
        <source>Command used to view .RTF results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Comando para ver los resultados .RTF</translation>
    </message>
    <message>
        <source>The word processor or viewer program for RTF results; empty: the desktop&apos;s</source>
        <extracomment>Tool tip of &quot;Command used to view .RTF results&quot;</extracomment>
        <translation>El procesador de textos o visor para los resultados RTF; vacío: el del escritorio</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside a viewer command</extracomment>
        <translation>Elija el programa visor</translation>
    </message>
</context>
</TS>
