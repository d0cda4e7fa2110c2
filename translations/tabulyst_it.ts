<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>MessageCatalogue</name>
    <message>
        <source>No file selected</source>
        <extracomment>Title of a message box: no input file was chosen</extracomment>
        <translation>Nessun file selezionato</translation>
    </message>
    <message>
        <source>No analysis necessary</source>
        <extracomment>Message box text: the file needs no new analysis</extracomment>
        <translation>Nessuna analisi necessaria</translation>
    </message>
    <message>
        <source>Directory Error</source>
        <extracomment>Title of the message box about an unusable input or output directory</extracomment>
        <translation>Errore di cartella</translation>
    </message>
    <message>
        <source>File selection error</source>
        <extracomment>Title of the message box about files that could not be chosen or found</extracomment>
        <translation>Errore nella selezione dei file</translation>
    </message>
    <message>
        <source>Failed to auto-detect default browser</source>
        <extracomment>Title of the message box when no viewer for the results can be found</extracomment>
        <translation>Impossibile rilevare il browser predefinito</translation>
    </message>
    <message>
        <source>Policy File Error</source>
        <extracomment>Title of the message box about a policy file that cannot be read</extracomment>
        <translation>Errore nel file di criteri</translation>
    </message>
    <message>
        <source>Error launching browser</source>
        <extracomment>Title of the message box when a viewer program cannot be started</extracomment>
        <translation>Errore nell&apos;avvio del browser</translation>
    </message>
    <message>
        <source>Convert Error</source>
        <extracomment>Title of the message box when a conversion failed</extracomment>
        <translation>Errore di conversione</translation>
    </message>
    <message>
        <source>Output File Error</source>
        <extracomment>Title of the message box when a file cannot be written</extracomment>
        <translation>Errore nel file di uscita</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <extracomment>Title of the question whether to save the changed policies</extracomment>
        <translation>Salva modifiche</translation>
    </message>
    <message>
        <source>Input File Error</source>
        <extracomment>Title of the message box when no input file has been chosen yet</extracomment>
        <translation>Errore nel file di ingresso</translation>
    </message>
    <message>
        <source>No conversion done yet</source>
        <extracomment>Title of the message box when there is no result to view yet</extracomment>
        <translation>Nessuna conversione ancora eseguita</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>Caption of the command that returns every policy to its default</extracomment>
        <translation>Ripristina i valori predefiniti</translation>
    </message>
    <message>
        <source>Function still to be added</source>
        <extracomment>Message box text for a command not yet available</extracomment>
        <translation>Funzione non ancora disponibile</translation>
    </message>
    <message>
        <source>File location error</source>
        <extracomment>Title of the message box about a file given at start that is not there</extracomment>
        <translation>Errore di posizione del file</translation>
    </message>
    <message>
        <source>Reanalyse source file</source>
        <extracomment>Caption of the command that analyses the source file again</extracomment>
        <translation>Analizza di nuovo il file di origine</translation>
    </message>
    <message>
        <source>Reload policies</source>
        <extracomment>Caption of the command that reads the policies again</extracomment>
        <translation>Ricarica i criteri</translation>
    </message>
    <message>
        <source>Email error</source>
        <extracomment>Title of the message box about the mail program</extracomment>
        <translation>Errore di posta elettronica</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Caption of the folder chooser for the output directory (also a tool tip)</extracomment>
        <translation>Selezionare una cartella di uscita.  Deve essere scrivibile</translation>
    </message>
    <message>
        <source>Select an input directory</source>
        <extracomment>Caption of the folder chooser for the input directory</extracomment>
        <translation>Selezionare una cartella di ingresso</translation>
    </message>
    <message>
        <source>Problems using DDE detected</source>
        <extracomment>Title of the message box about a browser that did not answer over DDE</extracomment>
        <translation>Rilevati problemi nell&apos;uso di DDE</translation>
    </message>
    <message>
        <source>Problems detected using DDE last time.
<byte value="xd"/>Disabling DDE.  Use Settings/Viewers to re-enable</source>
        <extracomment>Message box text: DDE viewing is switched off at start; 
 starts a new line</extracomment>
        <translation>L&apos;ultima volta sono stati rilevati problemi con DDE.
DDE viene disattivato.  Usare Impostazioni/Visualizzatori per riattivarlo</translation>
    </message>
    <message>
        <source>Must choose a file first</source>
        <extracomment>Message box text: View Results was asked for before any file was chosen</extracomment>
        <translation>Scegliere prima un file</translation>
    </message>
    <message>
        <source>No analysis needed until policies or files are changed</source>
        <extracomment>Message box text: nothing changed since the last analysis</extracomment>
        <translation>Nessuna analisi necessaria finché criteri o file non cambiano</translation>
    </message>
    <message>
        <source>Invalid Input Directory</source>
        <extracomment>Message box text: the directory of the input files cannot be used</extracomment>
        <translation>Cartella di ingresso non valida</translation>
    </message>
    <message>
        <source>Invalid Output Directory.
<byte value="xd"/>Must be writable</source>
        <extracomment>Message box text: the output directory cannot be written; 
 starts a new line</extracomment>
        <translation>Cartella di uscita non valida.
Deve essere scrivibile</translation>
    </message>
    <message>
        <source>No files found &quot;xxxxxx&quot;</source>
        <extracomment>Message box text and status line: nothing matched the file list; xxxxxx is replaced by the list</extracomment>
        <translation>Nessun file trovato &quot;xxxxxx&quot;</translation>
    </message>
    <message>
        <source>Please use the Settings Menu to locate your browser manually</source>
        <extracomment>Message box text: no viewer for the results was found</extracomment>
        <translation>Usare il menu Impostazioni per indicare manualmente il browser</translation>
    </message>
    <message>
        <source>Can&apos;t find policy file &quot;xxxxxx&quot;</source>
        <extracomment>Message box text: the policy file cannot be read; xxxxxx is replaced by its name</extracomment>
        <translation>Impossibile trovare il file di criteri &quot;xxxxxx&quot;</translation>
    </message>
    <message>
        <source>No URL supplied.  Cannot launch browser</source>
        <extracomment>Message box text: a browser was asked to show nothing</extracomment>
        <translation>Nessun indirizzo fornito.  Impossibile avviare il browser</translation>
    </message>
    <message>
        <source>No Filename supplied.  Cannot launch viewer</source>
        <extracomment>Message box text: a viewer was asked to show no file</extracomment>
        <translation>Nessun nome di file fornito.  Impossibile avviare il visualizzatore</translation>
    </message>
    <message>
        <source>Command &quot;ccc url&quot; failed.
<byte value="xd"/>  Error code=nnn</source>
        <extracomment>Message box text: a viewer program could not be started; ccc, url and nnn are replaced by the command, the file and the error number</extracomment>
        <translation>Il comando &quot;ccc url&quot; non è riuscito.
  Codice di errore=nnn</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <extracomment>Message box text: a conversion failed</extracomment>
        <translation>Conversione non riuscita</translation>
    </message>
    <message>
        <source>Unable to locate file &quot;ffffff&quot;</source>
        <extracomment>Message box text: a file named at start is not there; ffffff is replaced by its name</extracomment>
        <translation>Impossibile trovare il file &quot;ffffff&quot;</translation>
    </message>
    <message>
        <source>Must choose a file name</source>
        <extracomment>Message box text: no file name was given</extracomment>
        <translation>Scegliere un nome di file</translation>
    </message>
    <message>
        <source>Save changes made to your policy?</source>
        <extracomment>Text of the question asked on closing when the policies were changed</extracomment>
        <translation>Salvare le modifiche apportate ai criteri?</translation>
    </message>
    <message>
        <source>Must convert a file first</source>
        <extracomment>Message box text: View Results was asked for before any conversion</extracomment>
        <translation>Convertire prima un file</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Status text when a step is finished</extracomment>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>This is a beta release of this software</source>
        <extracomment>Message box text shown by test releases</extracomment>
        <translation>Questa è una versione beta del programma</translation>
    </message>
    <message>
        <source>Can&apos;t find requested file &quot;hhhhhh&quot;  Change via the Settings Menu</source>
        <extracomment>Message box text: a program or file named in the settings is not there; hhhhhh is replaced by its name</extracomment>
        <translation>Impossibile trovare il file richiesto &quot;hhhhhh&quot;  Modificarlo dal menu Impostazioni</translation>
    </message>
    <message>
        <source>Failed to auto-detect email client</source>
        <extracomment>Message box text: no mail program was found</extracomment>
        <translation>Impossibile rilevare il programma di posta</translation>
    </message>
    <message>
        <source>Need to specify a delimiter character</source>
        <extracomment>Message box text: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>È necessario indicare un carattere delimitatore</translation>
    </message>
    <message>
        <source>-- Add new link definition --</source>
        <extracomment>First entry of the list of link definitions</extracomment>
        <translation>-- Aggiungi una nuova definizione di collegamento --</translation>
    </message>
    <message>
        <source>** enter text to be matched in source document **</source>
        <extracomment>Prompt in the text to match of a new link definition</extracomment>
        <translation>** inserire il testo da cercare nel documento di origine **</translation>
    </message>
    <message>
        <source>** enter text to be displayed in the hyperlink **</source>
        <extracomment>Prompt in the text shown by a new link definition</extracomment>
        <translation>** inserire il testo mostrato dal collegamento ipertestuale **</translation>
    </message>
    <message>
        <source>** enter the hyperlink&apos;s URL **</source>
        <extracomment>Prompt in the address of a new link definition</extracomment>
        <translation>** inserire l&apos;indirizzo (URL) del collegamento ipertestuale **</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <extracomment>Entry of the alignment lists: the program decides the alignment</extracomment>
        <translation>Rilevamento automatico</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Center</source>
        <extracomment>Entry of the alignment lists (centred)</extracomment>
        <translation>Centrato</translation>
    </message>
    <message>
        <source>Justified</source>
        <extracomment>Entry of the alignment lists (justified on both sides)</extracomment>
        <translation>Giustificato</translation>
    </message>
    <message>
        <source>*** Failed to open log file : ffffff ***</source>
        <extracomment>Status and log line: the log file cannot be opened; ffffff is replaced by its name</extracomment>
        <translation>*** Impossibile aprire il file di log : ffffff ***</translation>
    </message>
    <message>
        <source>    Opening ffffff instead</source>
        <extracomment>Status and log line after the one above; ffffff is replaced by the other log file&apos;s name</extracomment>
        <translation>    Viene aperto ffffff al suo posto</translation>
    </message>
    <message>
        <source>%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%</source>
        <extracomment>Status and log line that ends every run</extracomment>
        <translation>%%%%%%%%%%%%%%%%%%% Conversione completata %%%%%%%%%%%%%%%%%%</translation>
    </message>
    <message>
        <source>Cascading style sheets (*.css)|*.css|All files (*.*)|*.*||</source>
        <extracomment>Filter of a file chooser: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Fogli di stile CSS (*.css)|*.css|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt,*.asc)|*.txt;*.asc|Comma separated files (*.csv)|*.csv|All files (*.*)|*.*||</source>
        <extracomment>Filter of the file chooser for the files to convert: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>File di testo (*.txt,*.asc)|*.txt;*.asc|File separati da virgole (*.csv)|*.csv|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Policy files (*.pol)|*.pol|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file choosers for policy files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>File di criteri (*.pol)|*.pol|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>HTML files (*.htm,*.html)|*.htm;*.html|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for the HTML documentation: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>File HTML (*.htm,*.html)|*.htm;*.html|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Program files (*.exe)|*.exe|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for a viewer program: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Programmi (*.exe)|*.exe|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Image files (*.jpg,*.gif)|*.jpg;*.gif|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for images: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>File di immagine (*.jpg,*.gif)|*.jpg;*.gif|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Log files (*.log)|*.log|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for log files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>File di log (*.log)|*.log|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Language files (*.lng)|*.lng|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for language files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>File di lingua (*.lng)|*.lng|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Style files (*.sty)|*.sty|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for styles files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>File di stili (*.sty)|*.sty|Tutti i file (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Plain text file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>File di testo semplice</translation>
    </message>
    <message>
        <source>Tab delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>File di dati delimitati da tabulazioni</translation>
    </message>
    <message>
        <source>Comma delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>File di dati delimitati da virgole</translation>
    </message>
    <message>
        <source>Other delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>File di dati con altro delimitatore</translation>
    </message>
    <message>
        <source>Output HTML to file(s)</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Genera HTML in uno o più file</translation>
    </message>
    <message>
        <source>Output HTML as a set of FRAMES</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Genera HTML come insieme di FRAME</translation>
    </message>
    <message>
        <source>Output HTML to the clipboard</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Genera HTML negli appunti</translation>
    </message>
    <message>
        <source>Output Windows Help source file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Genera file sorgente della Guida di Windows</translation>
    </message>
    <message>
        <source>Output RTF to file</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Genera RTF in un file</translation>
    </message>
    <message>
        <source>Output text to file(s)</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Genera testo in uno o più file</translation>
    </message>
    <message>
        <source>Output text to the clipboard</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Genera testo negli appunti</translation>
    </message>
    <message>
        <source>Output PDF to file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Genera PDF in un file</translation>
    </message>
    <message>
        <source>No delimiter character specified</source>
        <extracomment>Title of the message box: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>Nessun carattere delimitatore indicato</translation>
    </message>
</context>
<context>
    <name>tabulyst::DocumentationPage</name>
    <message>
        <source>Select the HTML documentation</source>
        <extracomment>Caption of the file chooser for the documentation (&quot;Documentation&quot; page)</extracomment>
        <translation>Selezionare la documentazione HTML</translation>
    </message>
    <message>
        <source>Location of HTML documentation on this machine</source>
        <extracomment>Label of a text edit on the &quot;Documentation&quot; page</extracomment>
        <translation>Posizione della documentazione HTML su questo computer</translation>
    </message>
    <message>
        <source>The page Help &gt; Contents opens; empty: the README</source>
        <extracomment>Tool tip of &quot;Location of HTML documentation on this machine&quot;</extracomment>
        <translation>La pagina aperta da Guida &gt; Sommario; vuoto: il README</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Choose the documentation&apos;s first page</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the documentation</extracomment>
        <translation>Scegliere la prima pagina della documentazione</translation>
    </message>
</context>
<context>
    <name>tabulyst::DragAndDropPage</name>
    <message>
        <source>Show the status screen during the conversion(s)</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Mostra la finestra di stato durante la conversione</translation>
    </message>
    <message>
        <source>Show the messages while files dropped on the program are converted</source>
        <extracomment>Tool tip of &quot;Show the status screen during the conversion(s)&quot;</extracomment>
        <translation>Mostra i messaggi mentre vengono convertiti i file trascinati sul programma</translation>
    </message>
    <message>
        <source>View results in browser once conversion is complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Visualizza i risultati nel browser al termine della conversione</translation>
    </message>
    <message>
        <source>Open the result of dropped files in its viewer</source>
        <extracomment>Tool tip of &quot;View results in browser once conversion is complete&quot;</extracomment>
        <translation>Apre nel visualizzatore il risultato dei file trascinati</translation>
    </message>
    <message>
        <source>Start program after conversion complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Avvia il programma al termine della conversione</translation>
    </message>
    <message>
        <source>After converting files given at start, show the main window for more work</source>
        <extracomment>Tool tip of &quot;Start program after conversion complete&quot;</extracomment>
        <translation>Dopo aver convertito i file dati all&apos;avvio, mostra la finestra principale per altro lavoro</translation>
    </message>
</context>
<context>
    <name>tabulyst::GeneratedPage</name>
    <message>
        <source>Indented lines mark the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for indentation&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Le righe rientrate indicano la struttura del documento</translation>
    </message>
    <message>
        <source>Short lines end paragraphs</source>
        <extracomment>Tool tip of the policy &quot;Look for short lines&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Le righe corte terminano i paragrafi</translation>
    </message>
    <message>
        <source>Look for bulleted and numbered lists</source>
        <extracomment>Tool tip of the policy &quot;Look for bullets&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca elenchi puntati e numerati</translation>
    </message>
    <message>
        <source>Blank space marks the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for white space&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Gli spazi vuoti indicano la struttura del documento</translation>
    </message>
    <message>
        <source>Look for the headers of mail and news messages</source>
        <extracomment>Tool tip of the policy &quot;Look for MAIL and USENET headers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca le intestazioni dei messaggi di posta e dei newsgroup</translation>
    </message>
    <message>
        <source>Look for quoted passages, such as lines beginning with &quot;&gt;&quot;</source>
        <extracomment>Tool tip of the policy &quot;Look for quoted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca i passi citati, come le righe che iniziano con &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>Look for text laid out by hand that must keep its layout</source>
        <extracomment>Tool tip of the policy &quot;Look for preformatted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca il testo impaginato a mano che deve mantenere la sua disposizione</translation>
    </message>
    <message>
        <source>Look for diagrams drawn with characters</source>
        <extracomment>Tool tip of the policy &quot;Look for diagrams&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca i diagrammi disegnati con caratteri</translation>
    </message>
    <message>
        <source>Look for the character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Look for character encodings&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca il set di caratteri indicato nel documento</translation>
    </message>
    <message>
        <source>Lines of dashes or similar characters become horizontal rules</source>
        <extracomment>Tool tip of the policy &quot;Look for horizontal rulers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Le righe di trattini o caratteri simili diventano linee orizzontali</translation>
    </message>
    <message>
        <source>Look for paragraphs whose first line sticks out to the left</source>
        <extracomment>Tool tip of the policy &quot;Look for hanging paragraphs&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca i paragrafi la cui prima riga sporge a sinistra</translation>
    </message>
    <message>
        <source>Look for definition paragraphs (a term followed by its meaning)</source>
        <extracomment>Tool tip of the policy &quot;Search for definitions&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca i paragrafi di definizione (un termine seguito dal suo significato)</translation>
    </message>
    <message>
        <source>Look for words marked for emphasis, such as *bold* or _underlined_</source>
        <extracomment>Tool tip of the policy &quot;Search for emphasis&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Cerca le parole evidenziate, come *grassetto* o _sottolineato_</translation>
    </message>
    <message>
        <source>Lines beginning with a number (1, 2, 3) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Le righe che iniziano con un numero (1, 2, 3) sono voci di elenco</translation>
    </message>
    <message>
        <source>Lines beginning with a letter (a, b, c) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect alphabetic bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Le righe che iniziano con una lettera (a, b, c) sono voci di elenco</translation>
    </message>
    <message>
        <source>Lines beginning with a Roman numeral (i, ii, iii) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Roman Numeral bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Le righe che iniziano con un numero romano (i, ii, iii) sono voci di elenco</translation>
    </message>
    <message>
        <source>A line beginning with &quot;-&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;-&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Una riga che inizia con &quot;-&quot; è una voce di elenco</translation>
    </message>
    <message>
        <source>A line beginning with &quot;o&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;o&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Una riga che inizia con &quot;o&quot; è una voce di elenco</translation>
    </message>
    <message>
        <source>The document may hold its own contents list</source>
        <extracomment>Tool tip of the policy &quot;Expect Contents List&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Il documento può contenere un proprio sommario</translation>
    </message>
    <message>
        <source>Turn a contents list found in the document into links</source>
        <extracomment>Tool tip of the policy &quot;Use any existing contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Trasforma in collegamenti un sommario trovato nel documento</translation>
    </message>
    <message>
        <source>Add a contents list made from the headings</source>
        <extracomment>Tool tip of the policy &quot;Add contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Aggiunge un sommario ricavato dai titoli</translation>
    </message>
    <message>
        <source>The deepest heading level listed in the contents (none: all)</source>
        <extracomment>Tool tip of the policy &quot;Maximum level to show in contents&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Il livello di titolo più profondo elencato nel sommario (none: tutti)</translation>
    </message>
    <message>
        <source>How the contents list is laid out (a number)</source>
        <extracomment>Tool tip of the policy &quot;Contents style code&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Come viene impaginato il sommario (un numero)</translation>
    </message>
    <message>
        <source>Headings get anchors that the contents list links to</source>
        <extracomment>Tool tip of the policy &quot;Add anchors to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>I titoli ricevono ancore a cui rimanda il sommario</translation>
    </message>
    <message>
        <source>The deepest heading level that gets an anchor</source>
        <extracomment>Tool tip of the policy &quot;Contents anchors level&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Il livello di titolo più profondo che riceve un&apos;ancora</translation>
    </message>
    <message>
        <source>The links of the contents list sit on the section numbers</source>
        <extracomment>Tool tip of the policy &quot;Hyperlinks on numbers&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>I collegamenti del sommario stanno sui numeri di sezione</translation>
    </message>
    <message>
        <source>Mail headers found in the document appear in the contents list</source>
        <extracomment>Tool tip of the policy &quot;Add mail headers to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Le intestazioni di posta trovate nel documento compaiono nel sommario</translation>
    </message>
    <message>
        <source>Write the contents list to a file of its own</source>
        <extracomment>Tool tip of the policy &quot;Generate external contents file&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Scrive il sommario in un file a parte</translation>
    </message>
    <message>
        <source>The name of that contents file</source>
        <extracomment>Tool tip of the policy &quot;External contents list filename&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Il nome di quel file di sommario</translation>
    </message>
    <message>
        <source>Tab size (usually 4 or 8).  Can affect table analysis</source>
        <extracomment>Tool tip of the policy &quot;TAB size&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Dimensione della tabulazione (di solito 4 o 8).  Può influire sull&apos;analisi delle tabelle</translation>
    </message>
    <message>
        <source>Number of lines at the start of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at start of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Numero di righe all&apos;inizio del file che non vengono convertite</translation>
    </message>
    <message>
        <source>Number of lines at the end of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at end of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Numero di righe alla fine del file che non vengono convertite</translation>
    </message>
    <message>
        <source>The file uses the DOS character set</source>
        <extracomment>Tool tip of the policy &quot;Input file contains DOS characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Il file usa il set di caratteri DOS</translation>
    </message>
    <message>
        <source>The file holds Japanese text</source>
        <extracomment>Tool tip of the policy &quot;Input file contains Japanese characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Il file contiene testo giapponese</translation>
    </message>
    <message>
        <source>The file holds printer control codes (PCL), which are removed</source>
        <extracomment>Tool tip of the policy &quot;Input file contains PCL codes&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Il file contiene codici di controllo della stampante (PCL), che vengono rimossi</translation>
    </message>
    <message>
        <source>The file holds Unicode characters</source>
        <extracomment>Tool tip of the policy &quot;Input file contains UNICODE characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Il file contiene caratteri Unicode</translation>
    </message>
    <message>
        <source>The file is MIME-encoded, as a mail message may be</source>
        <extracomment>Tool tip of the policy &quot;Input file contains MIME encoding&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Il file ha una codifica MIME, come può averla un messaggio di posta</translation>
    </message>
    <message>
        <source>A quoted comma field may hold line ends, which stay line breaks in its cell</source>
        <extracomment>Tool tip of the policy &quot;Quoted fields may span lines&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Un campo tra virgolette può contenere fine riga, che restano interruzioni di riga nella sua cella</translation>
    </message>
    <message>
        <source>Every line of the file is followed by a blank line</source>
        <extracomment>Tool tip of the policy &quot;Input file is double spaced&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Ogni riga del file è seguita da una riga vuota</translation>
    </message>
    <message>
        <source>Lines carry change bars in the margin</source>
        <extracomment>Tool tip of the policy &quot;Input file has change bars&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Le righe hanno barre di modifica nel margine</translation>
    </message>
    <message>
        <source>The file holds page headers, footers or form feeds</source>
        <extracomment>Tool tip of the policy &quot;Input file has page markers&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Il file contiene intestazioni, piè di pagina o salti pagina</translation>
    </message>
    <message>
        <source>Number of lines each page marker takes</source>
        <extracomment>Tool tip of the policy &quot;Page marker size (in lines)&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Numero di righe occupate da ogni indicatore di pagina</translation>
    </message>
    <message>
        <source>The file is one unit of a larger composed document</source>
        <extracomment>Tool tip of the policy &quot;Input file is a composition unit&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Il file è un&apos;unità di un documento composto più grande</translation>
    </message>
    <message>
        <source>Lines beginning with a section number (1.2, 3.4.1) are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Le righe che iniziano con un numero di sezione (1.2, 3.4.1) sono titoli</translation>
    </message>
    <message>
        <source>Lines underlined with dashes or similar characters are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Underlined Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Le righe sottolineate con trattini o caratteri simili sono titoli</translation>
    </message>
    <message>
        <source>Lines written in capitals are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Capitalised Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Le righe scritte in maiuscolo sono titoli</translation>
    </message>
    <message>
        <source>Headings may begin a paragraph, followed by its text on the same line</source>
        <extracomment>Tool tip of the policy &quot;Expect Embedded Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>I titoli possono iniziare un paragrafo, seguiti dal testo sulla stessa riga</translation>
    </message>
    <message>
        <source>The heading may be the second word of the line</source>
        <extracomment>Tool tip of the policy &quot;Expect Second Word Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Il titolo può essere la seconda parola della riga</translation>
    </message>
    <message>
        <source>Words that mark a line as a heading</source>
        <extracomment>Tool tip of the policy &quot;Heading key phrases&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Parole che indicano che una riga è un titolo</translation>
    </message>
    <message>
        <source>The number of the first section</source>
        <extracomment>Tool tip of the policy &quot;First Section Number&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Il numero della prima sezione</translation>
    </message>
    <message>
        <source>Headings of one level must have the same indentation</source>
        <extracomment>Tool tip of the policy &quot;Check indentation for consistency&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>I titoli di uno stesso livello devono avere lo stesso rientro</translation>
    </message>
    <message>
        <source>Keep the underlining under headings</source>
        <extracomment>Tool tip of the policy &quot;Preserve underlining of headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Mantiene la sottolineatura sotto i titoli</translation>
    </message>
    <message>
        <source>The smallest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Smallest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Il marcatore di titolo più piccolo usato (da 1 a 6)</translation>
    </message>
    <message>
        <source>The largest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Largest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Il marcatore di titolo più grande usato (da 1 a 6)</translation>
    </message>
    <message>
        <source>Headings get no heading markup</source>
        <extracomment>Tool tip of the policy &quot;Suppress &lt;Hn&gt; markup for headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>I titoli non ricevono marcatori di titolo</translation>
    </message>
    <message>
        <source>The fewest lines a chapter must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min chapter size&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Il numero minimo di righe di un capitolo (none: qualsiasi)</translation>
    </message>
    <message>
        <source>How many words of a heading make the name of a split file</source>
        <extracomment>Tool tip of the policy &quot;Number of words to include in filename&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Quante parole di un titolo formano il nome di un file suddiviso</translation>
    </message>
    <message>
        <source>Width of the source text in characters</source>
        <extracomment>Tool tip of the policy &quot;Page Width&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Larghezza del testo di origine in caratteri</translation>
    </message>
    <message>
        <source>How ordinary text is aligned</source>
        <extracomment>Tool tip of the policy &quot;Text justification&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Come viene allineato il testo normale</translation>
    </message>
    <message>
        <source>Paragraphs are separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Expect blank lines between paras&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>I paragrafi sono separati da righe vuote</translation>
    </message>
    <message>
        <source>Indentation that starts a new paragraph (none: not used)</source>
        <extracomment>Tool tip of the policy &quot;New Paragraph Offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Rientro che inizia un nuovo paragrafo (none: non usato)</translation>
    </message>
    <message>
        <source>Keep that indentation in the output</source>
        <extracomment>Tool tip of the policy &quot;Preserve new paragraph offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Mantiene quel rientro nell&apos;uscita</translation>
    </message>
    <message>
        <source>Treat the file as simple text without structure; also turns table generation off</source>
        <extracomment>Tool tip of the policy &quot;Keep it simple&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Tratta il file come testo semplice senza struttura; disattiva anche la generazione di tabelle</translation>
    </message>
    <message>
        <source>Lines shorter than this end a paragraph (none: worked out)</source>
        <extracomment>Tool tip of the policy &quot;Short line length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Le righe più corte di questa terminano un paragrafo (none: calcolata)</translation>
    </message>
    <message>
        <source>The fewest characters that make a horizontal rule (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum ruler length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Il numero minimo di caratteri di una linea orizzontale (none: qualsiasi)</translation>
    </message>
    <message>
        <source>Every line of the source becomes a paragraph of its own</source>
        <extracomment>Tool tip of the policy &quot;Treat each line as a paragraph&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Ogni riga dell&apos;origine diventa un paragrafo a sé</translation>
    </message>
    <message>
        <source>Keep the line breaks of the source</source>
        <extracomment>Tool tip of the policy &quot;Preserve line structure&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Mantiene le interruzioni di riga dell&apos;origine</translation>
    </message>
    <message>
        <source>Several blank lines count as one</source>
        <extracomment>Tool tip of the policy &quot;Ignore multiple blank lines&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Più righe vuote contano come una</translation>
    </message>
    <message>
        <source>Lines that look centred are centred</source>
        <extracomment>Tool tip of the policy &quot;Allow automatic centring&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Le righe che sembrano centrate vengono centrate</translation>
    </message>
    <message>
        <source>How far off centre a centred line may be (none: 2)</source>
        <extracomment>Tool tip of the policy &quot;Automatic centring tolerance&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Quanto una riga centrata può scostarsi dal centro (none: 2)</translation>
    </message>
    <message>
        <source>Terms of definition paragraphs are highlighted</source>
        <extracomment>Tool tip of the policy &quot;Highlight Definition Text&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>I termini dei paragrafi di definizione vengono evidenziati</translation>
    </message>
    <message>
        <source>The fewest lines a pre-formatted region must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum automatic &lt;PRE&gt; size&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Il numero minimo di righe di una zona preformattata (none: qualsiasi)</translation>
    </message>
    <message>
        <source>The document may hold program code, which keeps its layout</source>
        <extracomment>Tool tip of the policy &quot;Expect code samples&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Il documento può contenere codice di programma, che mantiene la sua disposizione</translation>
    </message>
    <message>
        <source>Write the whole file as pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Preserve file structure using &lt;PRE&gt;&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Scrive tutto il file come testo preformattato</translation>
    </message>
    <message>
        <source>Definition paragraphs are looked for inside pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Allow definitions inside PRE&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>I paragrafi di definizione vengono cercati anche nel testo preformattato</translation>
    </message>
    <message>
        <source>Rows of a plain-text table may be separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Could be blank line separated&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Le righe di una tabella di testo possono essere separate da righe vuote</translation>
    </message>
    <message>
        <source>Columns may touch, with no blank space between them</source>
        <extracomment>Tool tip of the policy &quot;Column boundaries have zero width&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Le colonne possono toccarsi, senza spazi tra loro</translation>
    </message>
    <message>
        <source>The column layout of tables, as in a TABLE_LAYOUT directive: the column count, then the last position of each column</source>
        <extracomment>Tool tip of the policy &quot;Default table layout&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>La disposizione delle colonne delle tabelle, come in una direttiva TABLE_LAYOUT: il numero di colonne, poi l&apos;ultima posizione di ogni colonna</translation>
    </message>
    <message>
        <source>The title of the document; [[FILENAME]] stands for the input file&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Document Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Il titolo del documento; [[FILENAME]] sta per il nome del file di ingresso</translation>
    </message>
    <message>
        <source>The description written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Description&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>La descrizione scritta nei metadati del documento</translation>
    </message>
    <message>
        <source>The keywords written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Keywords&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Le parole chiave scritte nei metadati del documento</translation>
    </message>
    <message>
        <source>The first heading becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first heading as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Il primo titolo diventa il titolo del documento</translation>
    </message>
    <message>
        <source>The first line becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first line as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>La prima riga diventa il titolo del documento</translation>
    </message>
    <message>
        <source>The base address against which the document&apos;s links are resolved</source>
        <extracomment>Tool tip of the policy &quot;Document Base URL&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>L&apos;indirizzo di base rispetto al quale si risolvono i collegamenti del documento</translation>
    </message>
    <message>
        <source>The character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Character encoding&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Il set di caratteri indicato nel documento</translation>
    </message>
    <message>
        <source>Number of header columns (none: no header columns)</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE header cols&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Numero di colonne di intestazione (none: nessuna)</translation>
    </message>
    <message>
        <source>The caption of generated tables</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE caption&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>La didascalia delle tabelle generate</translation>
    </message>
    <message>
        <source>Tables and columns get width markup</source>
        <extracomment>Tool tip of the policy &quot;Add TABLE WIDTH markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Tabelle e colonne ricevono marcatori di larghezza</translation>
    </message>
    <message>
        <source>Widths are written as percentages of the page</source>
        <extracomment>Tool tip of the policy &quot;Use percentage widths in tables&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Le larghezze vengono scritte come percentuali della pagina</translation>
    </message>
    <message>
        <source>Table text is marked as code</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;CODE&gt;..&lt;/CODE&gt; markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Il testo delle tabelle viene marcato come codice</translation>
    </message>
    <message>
        <source>The table colours also apply to DOT_LEADERS tables</source>
        <extracomment>Tool tip of the policy &quot;Colour tables with DOT_LEADERS&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>I colori delle tabelle valgono anche per le tabelle DOT_LEADERS</translation>
    </message>
    <message>
        <source>Empty table cells get font markup too</source>
        <extracomment>Tool tip of the policy &quot;Apply FONT to empty table cells&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Anche le celle vuote ricevono marcatori di carattere</translation>
    </message>
    <message>
        <source>The colour of the text</source>
        <extracomment>Tool tip of the policy &quot;Text Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Il colore del testo</translation>
    </message>
    <message>
        <source>The background colour of the document</source>
        <extracomment>Tool tip of the policy &quot;Background Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Il colore di sfondo del documento</translation>
    </message>
    <message>
        <source>An image file shown behind the document</source>
        <extracomment>Tool tip of the policy &quot;Background Image&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Un file di immagine mostrato dietro il documento</translation>
    </message>
    <message>
        <source>The colour of links not yet followed</source>
        <extracomment>Tool tip of the policy &quot;Unvisited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Il colore dei collegamenti non ancora visitati</translation>
    </message>
    <message>
        <source>The colour of links already followed</source>
        <extracomment>Tool tip of the policy &quot;Visited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Il colore dei collegamenti già visitati</translation>
    </message>
    <message>
        <source>The colour of a link while it is being clicked</source>
        <extracomment>Tool tip of the policy &quot;Active Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Il colore di un collegamento mentre viene cliccato</translation>
    </message>
    <message>
        <source>The colour of headings</source>
        <extracomment>Tool tip of the policy &quot;Headings Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Il colore dei titoli</translation>
    </message>
    <message>
        <source>Write no colour markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all colour markup&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Non scrive alcun marcatore di colore</translation>
    </message>
    <message>
        <source>A colour set by a tag holds until it is changed again</source>
        <extracomment>Tool tip of the policy &quot;Scope COLOUR tags globally&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Un colore impostato da un tag vale finché non viene cambiato di nuovo</translation>
    </message>
    <message>
        <source>Addresses found in the text become links</source>
        <extracomment>Tool tip of the policy &quot;Create hyperlinks&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Gli indirizzi trovati nel testo diventano collegamenti</translation>
    </message>
    <message>
        <source>Mail addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create mailto links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Gli indirizzi di posta diventano collegamenti</translation>
    </message>
    <message>
        <source>FTP addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Gli indirizzi FTP diventano collegamenti</translation>
    </message>
    <message>
        <source>News group names become links</source>
        <extracomment>Tool tip of the policy &quot;Create NEWS links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>I nomi dei newsgroup diventano collegamenti</translation>
    </message>
    <message>
        <source>Gopher addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Gopher links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Gli indirizzi Gopher diventano collegamenti</translation>
    </message>
    <message>
        <source>Telnet addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Telnet links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Gli indirizzi Telnet diventano collegamenti</translation>
    </message>
    <message>
        <source>Only well-formed domain names become links</source>
        <extracomment>Tool tip of the policy &quot;Check domain name syntax&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Solo i nomi di dominio ben formati diventano collegamenti</translation>
    </message>
    <message>
        <source>Only the news groups known to the program become links</source>
        <extracomment>Tool tip of the policy &quot;Only use known groups&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Solo i newsgroup noti al programma diventano collegamenti</translation>
    </message>
    <message>
        <source>Only addresses beginning with ftp:// become FTP links</source>
        <extracomment>Tool tip of the policy &quot;Only allow explicit FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Solo gli indirizzi che iniziano con ftp:// diventano collegamenti FTP</translation>
    </message>
    <message>
        <source>Mail addresses may begin with a digit</source>
        <extracomment>Tool tip of the policy &quot;Allow email beginning with numbers&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Gli indirizzi di posta possono iniziare con una cifra</translation>
    </message>
    <message>
        <source>Links open in another browser window</source>
        <extracomment>Tool tip of the policy &quot;Open links in new browser window&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>I collegamenti si aprono in un&apos;altra finestra del browser</translation>
    </message>
    <message>
        <source>The name of that browser window</source>
        <extracomment>Tool tip of the policy &quot;New browser window name&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Il nome di quella finestra del browser</translation>
    </message>
    <message>
        <source>A line holding an address ends with a line break</source>
        <extracomment>Tool tip of the policy &quot;Add &lt;BR&gt; to lines with URLs&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Una riga che contiene un indirizzo termina con un&apos;interruzione di riga</translation>
    </message>
    <message>
        <source>The deepest heading level that section references link to (none: no links)</source>
        <extracomment>Tool tip of the policy &quot;Cross-refs at level&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Il livello di titolo più profondo a cui rimandano i riferimenti di sezione (none: nessun collegamento)</translation>
    </message>
    <message>
        <source>A file of link definitions: texts that become links</source>
        <extracomment>Tool tip of the policy &quot;Link Dictionary file&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Un file di definizioni di collegamento: testi che diventano collegamenti</translation>
    </message>
    <message>
        <source>The font of ordinary text</source>
        <extracomment>Tool tip of the policy &quot;Default font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Il carattere del testo normale</translation>
    </message>
    <message>
        <source>The font of table text</source>
        <extracomment>Tool tip of the policy &quot;Table font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Il carattere del testo delle tabelle</translation>
    </message>
    <message>
        <source>The fixed-pitch font, for pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Fixed font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Il carattere a spaziatura fissa, per il testo preformattato</translation>
    </message>
    <message>
        <source>The font of headings</source>
        <extracomment>Tool tip of the policy &quot;Heading font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Il carattere dei titoli</translation>
    </message>
    <message>
        <source>The font of the contents list</source>
        <extracomment>Tool tip of the policy &quot;Table of Contents font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Il carattere del sommario</translation>
    </message>
    <message>
        <source>The base font size in points</source>
        <extracomment>Tool tip of the policy &quot;Base FONT Size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>La dimensione di base del carattere in punti</translation>
    </message>
    <message>
        <source>A change of every font size, in points</source>
        <extracomment>Tool tip of the policy &quot;Delta FONT size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Una variazione di tutte le dimensioni dei caratteri, in punti</translation>
    </message>
    <message>
        <source>How much wider or narrower the text is laid out, in percent</source>
        <extracomment>Tool tip of the policy &quot;Font stretch factor (in percent)&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Di quanto il testo viene composto più largo o più stretto, in percentuale</translation>
    </message>
    <message>
        <source>Fonts are expressed in style sheets rather than font markup</source>
        <extracomment>Tool tip of the policy &quot;Use CSS to implement fonts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>I caratteri sono espressi con fogli di stile invece che con marcatori di carattere</translation>
    </message>
    <message>
        <source>Write font markup</source>
        <extracomment>Tool tip of the policy &quot;Add FONT markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Scrive marcatori di carattere</translation>
    </message>
    <message>
        <source>Font markup states the size</source>
        <extracomment>Tool tip of the policy &quot;Add FONT size markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>I marcatori di carattere indicano la dimensione</translation>
    </message>
    <message>
        <source>Font markup states the style</source>
        <extracomment>Tool tip of the policy &quot;Add FONT style markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>I marcatori di carattere indicano lo stile</translation>
    </message>
    <message>
        <source>Font markup states the face</source>
        <extracomment>Tool tip of the policy &quot;Add FONT face markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>I marcatori di carattere indicano il tipo di carattere</translation>
    </message>
    <message>
        <source>How far font markup reaches (a number)</source>
        <extracomment>Tool tip of the policy &quot;Scope for font tags&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Fin dove arrivano i marcatori di carattere (un numero)</translation>
    </message>
    <message>
        <source>Write no font markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all font markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Non scrive alcun marcatore di carattere</translation>
    </message>
    <message>
        <source>A styles file that defines named fonts</source>
        <extracomment>Tool tip of the policy &quot;Style file&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Un file di stili che definisce caratteri con nome</translation>
    </message>
    <message>
        <source>The HTML version the documents are written in</source>
        <extracomment>Tool tip of the policy &quot;HTML version to be targeted&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>La versione di HTML in cui vengono scritti i documenti</translation>
    </message>
    <message>
        <source>The extension of output files, unless one of the choices below decides it</source>
        <extracomment>Tool tip of the policy &quot;Output file extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>L&apos;estensione dei file di uscita, salvo che la decida una delle scelte sottostanti</translation>
    </message>
    <message>
        <source>Output files end in &quot;.htm&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use .HTM extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>I file di uscita terminano con &quot;.htm&quot;</translation>
    </message>
    <message>
        <source>Output file names follow DOS rules (8.3) and end in &quot;.HTM&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use DOS filenames&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>I nomi dei file di uscita seguono le regole DOS (8.3) e terminano con &quot;.HTM&quot;</translation>
    </message>
    <message>
        <source>The start of DOS output file names</source>
        <extracomment>Tool tip of the policy &quot;DOS filename root&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>L&apos;inizio dei nomi dei file di uscita DOS</translation>
    </message>
    <message>
        <source>Write only the contents of the body, to be pasted into another document</source>
        <extracomment>Tool tip of the policy &quot;Omit &lt;HEAD&gt; and &lt;BODY&gt; from output&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Scrive solo il contenuto del corpo, da incollare in un altro documento</translation>
    </message>
    <message>
        <source>Write the smallest output</source>
        <extracomment>Tool tip of the policy &quot;Minimise HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Scrive l&apos;uscita più piccola</translation>
    </message>
    <message>
        <source>Long output lines are broken</source>
        <extracomment>Tool tip of the policy &quot;Break up long HTML lines&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Le righe di uscita lunghe vengono spezzate</translation>
    </message>
    <message>
        <source>A file whose text is put at the start of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML header file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un file il cui testo viene messo all&apos;inizio del documento</translation>
    </message>
    <message>
        <source>A file whose text is put at the end of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML footer file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un file il cui testo viene messo alla fine del documento</translation>
    </message>
    <message>
        <source>A file of script for the document&apos;s head</source>
        <extracomment>Tool tip of the policy &quot;HTML Script file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un file di script per l&apos;intestazione del documento</translation>
    </message>
    <message>
        <source>A file of HTML fragments for the text-document features</source>
        <extracomment>Tool tip of the policy &quot;HTML fragments file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un file di frammenti HTML per le funzioni dei documenti di testo</translation>
    </message>
    <message>
        <source>The style sheet the document refers to</source>
        <extracomment>Tool tip of the policy &quot;Document Style Sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Il foglio di stile a cui fa riferimento il documento</translation>
    </message>
    <message>
        <source>A style sheet is written into the document itself</source>
        <extracomment>Tool tip of the policy &quot;Create embedded style sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Un foglio di stile viene scritto nel documento stesso</translation>
    </message>
    <message>
        <source>The heading level at which the output is split into several files (none: not split)</source>
        <extracomment>Tool tip of the policy &quot;Split level&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Il livello di titolo a cui l&apos;uscita viene suddivisa in più file (none: non suddivisa)</translation>
    </message>
    <message>
        <source>The fewest lines a split file must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Il numero minimo di righe di un file suddiviso (none: qualsiasi)</translation>
    </message>
    <message>
        <source>Split files get links to the previous and next file</source>
        <extracomment>Tool tip of the policy &quot;Add navigation bar&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>I file suddivisi ricevono collegamenti al file precedente e al successivo</translation>
    </message>
    <message>
        <source>The paper size of RTF documents</source>
        <extracomment>Tool tip of the policy &quot;Paper size&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Il formato della carta dei documenti RTF</translation>
    </message>
    <message>
        <source>Pages are laid out across</source>
        <extracomment>Tool tip of the policy &quot;Use Landscape mode&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Le pagine sono impaginate in orizzontale</translation>
    </message>
    <message>
        <source>The top margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Top margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Il margine superiore in centimetri</translation>
    </message>
    <message>
        <source>The bottom margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Bottom margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Il margine inferiore in centimetri</translation>
    </message>
    <message>
        <source>The left margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Left margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Il margine sinistro in centimetri</translation>
    </message>
    <message>
        <source>The right margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Right margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Il margine destro in centimetri</translation>
    </message>
    <message>
        <source>Left and right margins swap on facing pages</source>
        <extracomment>Tool tip of the policy &quot;Mirror margins&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>I margini sinistro e destro si scambiano sulle pagine affiancate</translation>
    </message>
    <message>
        <source>The language the word processor checks the spelling in</source>
        <extracomment>Tool tip of the policy &quot;Language (for proofing)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>La lingua in cui l&apos;elaboratore di testi controlla l&apos;ortografia</translation>
    </message>
    <message>
        <source>How RTF styles are used (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of RTF Styles&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Come vengono usati gli stili RTF (un numero)</translation>
    </message>
    <message>
        <source>How far the first line of a paragraph is indented</source>
        <extracomment>Tool tip of the policy &quot;First line indentation (in blocks)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Di quanto rientra la prima riga di un paragrafo</translation>
    </message>
    <message>
        <source>Write the RTF as the source of a help file</source>
        <extracomment>Tool tip of the policy &quot;Make Windows Help source file&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Scrive l&apos;RTF come sorgente di un file della Guida</translation>
    </message>
    <message>
        <source>The subject stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Subject&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>L&apos;oggetto memorizzato nelle informazioni del documento</translation>
    </message>
    <message>
        <source>The author stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Author&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>L&apos;autore memorizzato nelle informazioni del documento</translation>
    </message>
    <message>
        <source>The manager stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Manager&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Il responsabile memorizzato nelle informazioni del documento</translation>
    </message>
    <message>
        <source>The category stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Category&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>La categoria memorizzata nelle informazioni del documento</translation>
    </message>
    <message>
        <source>The comments stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Comments&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>I commenti memorizzati nelle informazioni del documento</translation>
    </message>
    <message>
        <source>The company stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Company name&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>La società memorizzata nelle informazioni del documento</translation>
    </message>
    <message>
        <source>Paragraphs get paragraph markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;P&gt; markup for paragraphs&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>I paragrafi ricevono marcatori di paragrafo</translation>
    </message>
    <message>
        <source>Definition paragraphs get definition list markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;DL&gt; markup for defn. paras&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>I paragrafi di definizione ricevono marcatori di elenco di definizioni</translation>
    </message>
    <message>
        <source>Emphasis is written as EM and STRONG rather than I and B</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;EM&gt; and &lt;STRONG&gt; markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>L&apos;enfasi viene scritta come EM e STRONG invece che I e B</translation>
    </message>
    <message>
        <source>Emphasised words get markup</source>
        <extracomment>Tool tip of the policy &quot;Add emphasis and bold markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Le parole enfatizzate ricevono marcatori</translation>
    </message>
    <message>
        <source>Paragraphs are labelled with style classes</source>
        <extracomment>Tool tip of the policy &quot;Label style classes&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>I paragrafi vengono etichettati con classi di stile</translation>
    </message>
    <message>
        <source>How Windows characters are written (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of Microsoft entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Come vengono scritti i caratteri Windows (un numero)</translation>
    </message>
    <message>
        <source>How characters outside ASCII are written as HTML 4.0 entities (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of HTML 4.0 entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Come vengono scritti come entità HTML 4.0 i caratteri fuori da ASCII (un numero)</translation>
    </message>
    <message>
        <source>How indented text is marked up (a number)</source>
        <extracomment>Tool tip of the policy &quot;Indentation markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Come viene marcato il testo rientrato (un numero)</translation>
    </message>
    <message>
        <source>Each level of indentation adds to the one before</source>
        <extracomment>Tool tip of the policy &quot;Use incremental indentation markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Ogni livello di rientro si aggiunge al precedente</translation>
    </message>
    <message>
        <source>How lists are marked up (0 to 2)</source>
        <extracomment>Tool tip of the policy &quot;List markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Come vengono marcati gli elenchi (da 0 a 2)</translation>
    </message>
    <message>
        <source>The whole document is centred</source>
        <extracomment>Tool tip of the policy &quot;CENTER whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>L&apos;intero documento viene centrato</translation>
    </message>
    <message>
        <source>The whole document is indented</source>
        <extracomment>Tool tip of the policy &quot;Indent whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>L&apos;intero documento viene rientrato</translation>
    </message>
    <message>
        <source>The document is shown in a set of frames</source>
        <extracomment>Tool tip of the policy &quot;Place document in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il documento viene mostrato in un insieme di frame</translation>
    </message>
    <message>
        <source>The name of the frame set file; * stands for the input&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Output frame name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il nome del file del frameset; * sta per il nome dell&apos;ingresso</translation>
    </message>
    <message>
        <source>The height of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>L&apos;altezza del frame di intestazione</translation>
    </message>
    <message>
        <source>The height of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>L&apos;altezza del frame di piè di pagina</translation>
    </message>
    <message>
        <source>The width of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame width&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>La larghezza del frame del sommario</translation>
    </message>
    <message>
        <source>The document&apos;s header goes into the header frame</source>
        <extracomment>Tool tip of the policy &quot;Use main header in header frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>L&apos;intestazione del documento va nel frame di intestazione</translation>
    </message>
    <message>
        <source>The document&apos;s footer goes into the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Use main footer in footer frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il piè di pagina del documento va nel frame di piè di pagina</translation>
    </message>
    <message>
        <source>A frame with the contents list is added</source>
        <extracomment>Tool tip of the policy &quot;Add contents frame if possible&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Viene aggiunto un frame con il sommario</translation>
    </message>
    <message>
        <source>Frames are drawn with borders</source>
        <extracomment>Tool tip of the policy &quot;Add frame border&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>I frame vengono disegnati con i bordi</translation>
    </message>
    <message>
        <source>Links in the frames open in another window</source>
        <extracomment>Tool tip of the policy &quot;Open frame links in new window&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>I collegamenti nei frame si aprono in un&apos;altra finestra</translation>
    </message>
    <message>
        <source>The name of that window</source>
        <extracomment>Tool tip of the policy &quot;New frame link window name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il nome di quella finestra</translation>
    </message>
    <message>
        <source>Browsers without frames get a link to the plain document</source>
        <extracomment>Tool tip of the policy &quot;Add NOFRAMES links&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>I browser senza frame ricevono un collegamento al documento semplice</translation>
    </message>
    <message>
        <source>The address of that link</source>
        <extracomment>Tool tip of the policy &quot;NOFRAMES link URL&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>L&apos;indirizzo di quel collegamento</translation>
    </message>
    <message>
        <source>A page opened on its own reloads its frame set</source>
        <extracomment>Tool tip of the policy &quot;Only allow pages to be viewed in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Una pagina aperta da sola ricarica il suo frameset</translation>
    </message>
    <message>
        <source>The number of the first frame page</source>
        <extracomment>Tool tip of the policy &quot;First frame page number&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il numero della prima pagina di frame</translation>
    </message>
    <message>
        <source>How many heading levels the contents frame lists</source>
        <extracomment>Tool tip of the policy &quot;Number of levels in contents frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Quanti livelli di titolo elenca il frame del sommario</translation>
    </message>
    <message>
        <source>The background colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il colore di sfondo del frame di intestazione</translation>
    </message>
    <message>
        <source>The text colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il colore del testo del frame di intestazione</translation>
    </message>
    <message>
        <source>The background colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il colore di sfondo del frame del sommario</translation>
    </message>
    <message>
        <source>The text colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il colore del testo del frame del sommario</translation>
    </message>
    <message>
        <source>The background colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il colore di sfondo del frame di piè di pagina</translation>
    </message>
    <message>
        <source>The text colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Il colore del testo del frame di piè di pagina</translation>
    </message>
    <message>
        <source>Write a directory page that links to every file converted</source>
        <extracomment>Tool tip of the policy &quot;Make Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Scrive una pagina di indice che rimanda a ogni file convertito</translation>
    </message>
    <message>
        <source>The name of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory filename&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Il nome della pagina di indice</translation>
    </message>
    <message>
        <source>The title of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Title&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Il titolo della pagina di indice</translation>
    </message>
    <message>
        <source>The keywords of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Keywords&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Le parole chiave della pagina di indice</translation>
    </message>
    <message>
        <source>The description of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Description&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>La descrizione della pagina di indice</translation>
    </message>
    <message>
        <source>The directory lists the titles of the files</source>
        <extracomment>Tool tip of the policy &quot;Show file Titles in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>L&apos;indice elenca i titoli dei file</translation>
    </message>
    <message>
        <source>Headings are indented in the directory</source>
        <extracomment>Tool tip of the policy &quot;Indent headings in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>I titoli vengono rientrati nell&apos;indice</translation>
    </message>
    <message>
        <source>The text of the link back to the directory</source>
        <extracomment>Tool tip of the policy &quot;Directory return hyperlink text&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Il testo del collegamento di ritorno all&apos;indice</translation>
    </message>
    <message>
        <source>A file of script for the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Script file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Un file di script per la pagina di indice</translation>
    </message>
    <message>
        <source>A file whose text starts the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory header file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Un file il cui testo apre la pagina di indice</translation>
    </message>
    <message>
        <source>A file whose text ends the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory footer file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Un file il cui testo chiude la pagina di indice</translation>
    </message>
    <message>
        <source>Directives in the source steer the conversion</source>
        <extracomment>Tool tip of the policy &quot;Use Preprocessor&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Le direttive dell&apos;origine guidano la conversione</translation>
    </message>
    <message>
        <source>The characters that begin a directive line</source>
        <extracomment>Tool tip of the policy &quot;Directive delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>I caratteri con cui inizia una riga di direttiva</translation>
    </message>
    <message>
        <source>The characters that open an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;Start tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>I caratteri che aprono un tag in linea</translation>
    </message>
    <message>
        <source>The characters that close an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;End tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>I caratteri che chiudono un tag in linea</translation>
    </message>
    <message>
        <source>In-line tags are shown in the output</source>
        <extracomment>Tool tip of the policy &quot;Show Tags in output&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>I tag in linea vengono mostrati nell&apos;uscita</translation>
    </message>
    <message>
        <source>Long lines are not broken inside markup</source>
        <extracomment>Tool tip of the policy &quot;Avoid Tag breaks&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Le righe lunghe non vengono spezzate all&apos;interno dei marcatori</translation>
    </message>
    <message>
        <source>Markup that has no effect is removed</source>
        <extracomment>Tool tip of the policy &quot;Remove redundant tags&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>I marcatori senza effetto vengono rimossi</translation>
    </message>
    <message>
        <source>Check that opened markup is closed</source>
        <extracomment>Tool tip of the policy &quot;Monitor tag generation&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Controlla che i marcatori aperti vengano chiusi</translation>
    </message>
    <message>
        <source>Which comments are written into the output (a number)</source>
        <extracomment>Tool tip of the policy &quot;Comment generation code&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Quali commenti vengono scritti nell&apos;uscita (un numero)</translation>
    </message>
    <message>
        <source>A file of text commands that replace texts</source>
        <extracomment>Tool tip of the policy &quot;Text substitution file&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Un file di comandi di testo che sostituiscono testi</translation>
    </message>
</context>
<context>
    <name>tabulyst::MainWindow</name>
    <message>
        <source>Fil&amp;e(s) to convert</source>
        <extracomment>Label of the file list (main window); &amp; marks the access key</extracomment>
        <translation>&amp;File da convertire</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <extracomment>Button beside the file list (main window)</extracomment>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>&amp;Input file type</source>
        <extracomment>Label of the input type list (main window)</extracomment>
        <translation>Tipo di file di &amp;ingresso</translation>
    </message>
    <message>
        <source>&amp;Delimiter</source>
        <extracomment>Label of the one-character delimiter edit (main window)</extracomment>
        <translation>&amp;Delimitatore</translation>
    </message>
    <message>
        <source>Conversion T&amp;ype</source>
        <extracomment>Label of the conversion type list (main window)</extracomment>
        <translation>&amp;Tipo di conversione</translation>
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
        <translation>&amp;Nome del file di uscita</translation>
    </message>
    <message>
        <source>Output Di&amp;rectory</source>
        <extracomment>Label of the output directory list (main window)</extracomment>
        <translation>&amp;Cartella di uscita</translation>
    </message>
    <message>
        <source>Policy file</source>
        <extracomment>Title of the group around the policy file controls (main window)</extracomment>
        <translation>File di criteri</translation>
    </message>
    <message>
        <source>Load &amp;policy file</source>
        <extracomment>Label of the policy file list (main window)</extracomment>
        <translation>Carica file di c&amp;riteri</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <extracomment>Button that returns every policy to its default (main window)</extracomment>
        <translation>Ripristin&amp;a</translation>
    </message>
    <message>
        <source>C&amp;onvert File(s)...</source>
        <extracomment>Button that starts the conversion (main window)</extracomment>
        <translation>C&amp;onverti file...</translation>
    </message>
    <message>
        <source>View Res&amp;ults...</source>
        <extracomment>Button that opens the last result (main window)</extracomment>
        <translation>Visualizza ris&amp;ultati...</translation>
    </message>
    <message>
        <source>Select the file(s) you want converted</source>
        <extracomment>Tool tip of the file list and its &quot;Browse...&quot; button (main window)</extracomment>
        <translation>Selezionare il file o i file da convertire</translation>
    </message>
    <message>
        <source>What kind of data do the input files hold?</source>
        <extracomment>Tool tip of the &quot;Input file type&quot; list (main window)</extracomment>
        <translation>Che tipo di dati contengono i file di ingresso?</translation>
    </message>
    <message>
        <source>Select the delimiter character to separate columns of data</source>
        <extracomment>Tool tip of the &quot;Delimiter&quot; edit (main window)</extracomment>
        <translation>Selezionare il carattere delimitatore che separa le colonne di dati</translation>
    </message>
    <message>
        <source>What type of conversion do you want to attempt?</source>
        <extracomment>Tool tip of the &quot;Conversion Type&quot; list (main window)</extracomment>
        <translation>Che tipo di conversione si vuole tentare?</translation>
    </message>
    <message>
        <source>Select the output file extension</source>
        <extracomment>Tool tip of the .html, .htm and .rtf buttons (main window)</extracomment>
        <translation>Selezionare l&apos;estensione del file di uscita</translation>
    </message>
    <message>
        <source>Select the output filename</source>
        <extracomment>Tool tip of the &quot;Output filename&quot; edit (main window)</extracomment>
        <translation>Selezionare il nome del file di uscita</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Tool tip of the &quot;Output Directory&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Selezionare una cartella di uscita.  Deve essere scrivibile</translation>
    </message>
    <message>
        <source>Select a policy file to load</source>
        <extracomment>Tool tip of the &quot;Load policy file&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Selezionare un file di criteri da caricare</translation>
    </message>
    <message>
        <source>Reset all policies to their default values</source>
        <extracomment>Tool tip of the &quot;Reset&quot; button (main window)</extracomment>
        <translation>Riporta tutti i criteri ai valori predefiniti</translation>
    </message>
    <message>
        <source>Start the conversion</source>
        <extracomment>Tool tip of the &quot;Convert File(s)...&quot; button (main window)</extracomment>
        <translation>Avvia la conversione</translation>
    </message>
    <message>
        <source>View the result of the last conversion</source>
        <extracomment>Tool tip of the &quot;View Results...&quot; button (main window)</extracomment>
        <translation>Visualizza il risultato dell&apos;ultima conversione</translation>
    </message>
    <message>
        <source>The last HTML result as it will look</source>
        <extracomment>Tool tip of the preview pane (main window)</extracomment>
        <translation>L&apos;ultimo risultato HTML come apparirà</translation>
    </message>
    <message>
        <source>*** No Tool Tip text for this control ***</source>
        <extracomment>Tool tip of a control that has none of its own</extracomment>
        <translation>*** Nessun suggerimento per questo controllo ***</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a double quote and cannot be converted together with other files.</source>
        <extracomment>Message box text; %1 is a file name</extracomment>
        <translation>&quot;%1&quot; contiene un doppio apice e non può essere convertito insieme ad altri file.</translation>
    </message>
    <message>
        <source>The last result is an RTF document:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>L&apos;ultimo risultato è un documento RTF:
%1</translation>
    </message>
    <message>
        <source>The last result cannot be previewed:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>Impossibile mostrare l&apos;anteprima dell&apos;ultimo risultato:
%1</translation>
    </message>
    <message>
        <source>Load policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Load policy file...</extracomment>
        <translation>Carica file di criteri</translation>
    </message>
    <message>
        <source>Save policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Save policy file...</extracomment>
        <translation>Salva file di criteri</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists. Replace it?</source>
        <extracomment>Question before a policy file is replaced; %1 is its name</extracomment>
        <translation>&quot;%1&quot; esiste già. Sostituirlo?</translation>
    </message>
    <message>
        <source>Which policies shall the file hold?</source>
        <extracomment>Question of File &gt; Save policy file..., answered with one of the two buttons below</extracomment>
        <translation>Quali criteri deve contenere il file?</translation>
    </message>
    <message>
        <source>Save changed policies only (recommended)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Salva solo i criteri modificati (consigliato)</translation>
    </message>
    <message>
        <source>Save all policies to file (only ever use this to get a sample file)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Salva tutti i criteri nel file (usare solo per ottenere un file di esempio)</translation>
    </message>
    <message>
        <source>Cannot write the policy file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the policy file&apos;s name</extracomment>
        <translation>Impossibile scrivere il file di criteri &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>About Tabulyst</source>
        <extracomment>Title of the About box (Help &gt; About...)</extracomment>
        <translation>Informazioni su Tabulyst</translation>
    </message>
    <message>
        <source>Tabulyst %1

Turns tables laid out in plain text and delimited data into HTML and RTF documents.</source>
        <extracomment>Text of the About box; %1 is the version</extracomment>
        <translation>Tabulyst %1

Trasforma tabelle impaginate in testo semplice e dati delimitati in documenti HTML e RTF.</translation>
    </message>
    <message>
        <source>Steering files not yet supported</source>
        <extracomment>Message box text: a parameter beginning with &quot;@&quot; names a steering file</extracomment>
        <translation>I file di comando non sono ancora supportati</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>German</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>Italian</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>French</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Swedish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Svedese</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Conversion options</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Opzioni di conversione</translation>
    </message>
    <message>
        <source>&amp;Analysis policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the analysis policies sheet</extracomment>
        <translation>Criteri di &amp;analisi</translation>
    </message>
    <message>
        <source>&amp;Output Policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the output policies sheet</extracomment>
        <translation>Criteri di &amp;uscita</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Convert...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>Converti...</translation>
    </message>
    <message>
        <source>&amp;Load policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Carica file di criteri...</translation>
    </message>
    <message>
        <source>&amp;Save policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Salva file di criteri...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;What to look for</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;What to look for&quot;</extracomment>
        <translation>&amp;Cosa cercare</translation>
    </message>
    <message>
        <source>&amp;Bullets and lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Bullets&quot;</extracomment>
        <translation>&amp;Punti elenco ed elenchi</translation>
    </message>
    <message>
        <source>&amp;Contents lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Contents List&quot;</extracomment>
        <translation>&amp;Sommari</translation>
    </message>
    <message>
        <source>&amp;File structure</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;File structure&quot;</extracomment>
        <translation>&amp;Struttura del file</translation>
    </message>
    <message>
        <source>&amp;Headings</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Headings&quot;</extracomment>
        <translation>&amp;Titoli</translation>
    </message>
    <message>
        <source>&amp;General layout</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Analysis&quot;</extracomment>
        <translation>Impaginazione &amp;generale</translation>
    </message>
    <message>
        <source>&amp;Pre-formatted text</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Testo p&amp;reformattato</translation>
    </message>
    <message>
        <source>&amp;Tables</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Table analysis&quot;</extracomment>
        <translation>T&amp;abelle</translation>
    </message>
    <message>
        <source>&amp;Title, description etc</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document details&quot;</extracomment>
        <translation>&amp;Titolo, descrizione ecc.</translation>
    </message>
    <message>
        <source>T&amp;able generation</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Table generation&quot;</extracomment>
        <translation>Gener&amp;azione delle tabelle</translation>
    </message>
    <message>
        <source>&amp;Document colours</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document colours&quot;</extracomment>
        <translation>&amp;Colori del documento</translation>
    </message>
    <message>
        <source>&amp;Hyperlinks</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Collegamenti &amp;ipertestuali</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Fonts&quot;</extracomment>
        <translation>Ca&amp;ratteri</translation>
    </message>
    <message>
        <source>Document &amp;settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document settings&quot;</extracomment>
        <translation>Impostazioni del &amp;documento</translation>
    </message>
    <message>
        <source>&amp;RTF settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;RTF configuration&quot;</extracomment>
        <translation>Impostazioni &amp;RTF</translation>
    </message>
    <message>
        <source>Re-anal&amp;yse the file</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>Anali&amp;zza di nuovo il file</translation>
    </message>
    <message>
        <source>&amp;Reset to defaults</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>&amp;Ripristina i valori predefiniti</translation>
    </message>
    <message>
        <source>Do&amp;cumentation</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Documentation&quot;</extracomment>
        <translation>Do&amp;cumentazione</translation>
    </message>
    <message>
        <source>&amp;Drag and drop properties</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Drag&apos;n&apos;Drop&quot;</extracomment>
        <translation>Proprietà del &amp;trascinamento</translation>
    </message>
    <message>
        <source>Dia&amp;gnostics</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Messages&quot;</extracomment>
        <translation>Dia&amp;gnostica</translation>
    </message>
    <message>
        <source>&amp;Viewers for results files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Viewers&quot;</extracomment>
        <translation>&amp;Visualizzatori dei file di risultato</translation>
    </message>
    <message>
        <source>Use of &amp;Policy files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Policy files&quot;</extracomment>
        <translation>Uso dei file di &amp;criteri</translation>
    </message>
    <message>
        <source>Show &amp;Tool Tips</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostra &amp;suggerimenti</translation>
    </message>
    <message>
        <source>Show Status Dialog</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostra la finestra di stato</translation>
    </message>
    <message>
        <source>Show results automatically</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Mostra i risultati automaticamente</translation>
    </message>
    <message>
        <source>Other...</source>
        <extracomment>Last entry of the Language menu, for languages of language files (not supported)</extracomment>
        <translation>Altro...</translation>
    </message>
    <message>
        <source>View &amp;messages from last conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Visualizza i &amp;messaggi dell&apos;ultima conversione</translation>
    </message>
    <message>
        <source>View the last &amp;Conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Visualizza l&apos;ultima &amp;conversione</translation>
    </message>
    <message>
        <source>&amp;Preview pane</source>
        <extracomment>Entry of the View menu, a switch with a check mark</extracomment>
        <translation>Riquadro di &amp;anteprima</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Informazioni su...</translation>
    </message>
</context>
<context>
    <name>tabulyst::MessagesPage</name>
    <message>
        <source>Error reporting level</source>
        <extracomment>Label of a slider on the &quot;Messages&quot; page</extracomment>
        <translation>Livello di segnalazione degli errori</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Basso</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>How many messages are shown: low shows only the most important</source>
        <extracomment>Tool tip of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Quanti messaggi vengono mostrati: basso mostra solo i più importanti</translation>
    </message>
    <message>
        <source>Show INFO messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostra i messaggi INFO</translation>
    </message>
    <message>
        <source>Show WARNING messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostra i messaggi WARNING</translation>
    </message>
    <message>
        <source>Show TAG ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostra i messaggi TAG ERROR</translation>
    </message>
    <message>
        <source>Show PROGRAM ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostra i messaggi PROGRAM ERROR</translation>
    </message>
    <message>
        <source>Show URL messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Mostra i messaggi URL</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;INFO:&quot;</source>
        <extracomment>Tool tip of &quot;Show INFO messages&quot;</extracomment>
        <translation>Mostra i messaggi che iniziano con &quot;INFO:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;WARNING:&quot;</source>
        <extracomment>Tool tip of &quot;Show WARNING messages&quot;</extracomment>
        <translation>Mostra i messaggi che iniziano con &quot;WARNING:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;TAG ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show TAG ERROR messages&quot;</extracomment>
        <translation>Mostra i messaggi che iniziano con &quot;TAG ERROR:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;PROGRAM ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show PROGRAM ERROR messages&quot;</extracomment>
        <translation>Mostra i messaggi che iniziano con &quot;PROGRAM ERROR:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;URL:&quot;</source>
        <extracomment>Tool tip of &quot;Show URL messages&quot;</extracomment>
        <translation>Mostra i messaggi che iniziano con &quot;URL:&quot;</translation>
    </message>
</context>
<context>
    <name>tabulyst::PolicyFilesPage</name>
    <message>
        <source>Select the default policy file</source>
        <extracomment>Caption of the file chooser for the default policy file (&quot;Policy files&quot; page)</extracomment>
        <translation>Selezionare il file di criteri predefinito</translation>
    </message>
    <message>
        <source>Use a default policy file</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Usa un file di criteri predefinito</translation>
    </message>
    <message>
        <source>Load this policy file for every conversion</source>
        <extracomment>Tool tip of &quot;Use a default policy file&quot;</extracomment>
        <translation>Carica questo file di criteri per ogni conversione</translation>
    </message>
    <message>
        <source>The default policy file</source>
        <extracomment>Tool tip of the default policy file&apos;s name</extracomment>
        <translation>Il file di criteri predefinito</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Choose the default policy file</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the default policy file</extracomment>
        <translation>Scegliere il file di criteri predefinito</translation>
    </message>
    <message>
        <source>Always reload policy file during conversion (slower, but picks up any changes)</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Ricarica sempre il file di criteri durante la conversione (più lento, ma recepisce ogni modifica)</translation>
    </message>
    <message>
        <source>Read the policy file again before every conversion</source>
        <extracomment>Tool tip of &quot;Always reload policy file during conversion ...&quot;</extracomment>
        <translation>Rilegge il file di criteri prima di ogni conversione</translation>
    </message>
</context>
<context>
    <name>tabulyst::PropertySheet</name>
    <message>
        <source>Analysis policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Analysis policies&quot;</extracomment>
        <translation>Criteri di analisi</translation>
    </message>
    <message>
        <source>Output policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Output Policies&quot;</extracomment>
        <translation>Criteri di uscita</translation>
    </message>
    <message>
        <source>Program settings</source>
        <extracomment>Caption of the property sheet opened from the &quot;Settings&quot; menu</extracomment>
        <translation>Impostazioni del programma</translation>
    </message>
    <message>
        <source>Apply the changes and close</source>
        <extracomment>Tool tip of the OK button of a property sheet</extracomment>
        <translation>Applica le modifiche e chiude</translation>
    </message>
    <message>
        <source>Close without applying; the changes are kept for the next opening</source>
        <extracomment>Tool tip of the Cancel button of a property sheet</extracomment>
        <translation>Chiude senza applicare; le modifiche restano per la prossima apertura</translation>
    </message>
    <message>
        <source>Apply the changes and keep the sheet open</source>
        <extracomment>Tool tip of the Apply button of a property sheet</extracomment>
        <translation>Applica le modifiche e lascia aperta la finestra</translation>
    </message>
    <message>
        <source>What to look for</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Cosa cercare</translation>
    </message>
    <message>
        <source>Bullets</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Punti elenco</translation>
    </message>
    <message>
        <source>Contents List</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>File structure</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Struttura del file</translation>
    </message>
    <message>
        <source>Headings</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Titoli</translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Analisi</translation>
    </message>
    <message>
        <source>Pre-formatted text</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Testo preformattato</translation>
    </message>
    <message>
        <source>Table analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Analisi delle tabelle</translation>
    </message>
    <message>
        <source>Table layout</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Disposizione delle tabelle</translation>
    </message>
    <message>
        <source>Document details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dettagli del documento</translation>
    </message>
    <message>
        <source>Table generation</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Generazione delle tabelle</translation>
    </message>
    <message>
        <source>Table details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dettagli delle tabelle</translation>
    </message>
    <message>
        <source>Document colours</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Colori del documento</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Collegamenti ipertestuali</translation>
    </message>
    <message>
        <source>Fonts</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>Document settings</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Impostazioni del documento</translation>
    </message>
    <message>
        <source>RTF configuration</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Configurazione RTF</translation>
    </message>
    <message>
        <source>HTML markup</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Marcatori HTML</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Directory page</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Pagina di indice</translation>
    </message>
    <message>
        <source>Tags and directives</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Tag e direttive</translation>
    </message>
    <message>
        <source>Documentation</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Documentazione</translation>
    </message>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Trascina e rilascia</translation>
    </message>
    <message>
        <source>Messages</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Viewers</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Visualizzatori</translation>
    </message>
    <message>
        <source>Policy files</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>File di criteri</translation>
    </message>
</context>
<context>
    <name>tabulyst::StatusWindow</name>
    <message>
        <source>Tabulyst - messages</source>
        <extracomment>Title of the status window, which shows the messages of a conversion</extracomment>
        <translation>Tabulyst - messaggi</translation>
    </message>
    <message>
        <source>Auto-dismiss on completion</source>
        <extracomment>Check box of the status window</extracomment>
        <translation>Chiudi automaticamente al termine</translation>
    </message>
    <message>
        <source>Close this window when a conversion succeeds</source>
        <extracomment>Tool tip of &quot;Auto-dismiss on completion&quot;</extracomment>
        <translation>Chiude questa finestra quando una conversione riesce</translation>
    </message>
    <message>
        <source>The messages of the last conversion</source>
        <extracomment>Tool tip of the message text of the status window</extracomment>
        <translation>I messaggi dell&apos;ultima conversione</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableAnalysisPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Tenta il riconoscimento e la generazione di TABELLE</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Cerca tabelle nel testo e le scrive come tabelle</translation>
    </message>
    <message>
        <source>Extend preformatted regions</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Estendi le zone preformattate</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Basso</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>How readily lines next to a table are taken into it</source>
        <extracomment>Tool tip of the slider &quot;Extend preformatted regions&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Con quanta facilità le righe vicine a una tabella vi vengono incluse</translation>
    </message>
    <message>
        <source>Is the table expected to have sparse columns</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Ci si aspetta che la tabella abbia colonne sparse</translation>
    </message>
    <message>
        <source>Many cells of the tables are expected to be empty</source>
        <extracomment>Tool tip of &quot;Is the table expected to have sparse columns&quot;</extracomment>
        <translation>Molte celle delle tabelle dovrebbero essere vuote</translation>
    </message>
    <message>
        <source>Ignore table header when analysing column pocitions</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page (the spelling is the program&apos;s own)</extracomment>
        <translation>Ignora l&apos;intestazione della tabella nell&apos;analisi delle posizioni delle colonne</translation>
    </message>
    <message>
        <source>The header lines do not take part in finding the columns</source>
        <extracomment>Tool tip of &quot;Ignore table header when analysing column positions&quot;</extracomment>
        <translation>Le righe di intestazione non partecipano alla ricerca delle colonne</translation>
    </message>
    <message>
        <source>Merge together &quot;poor&quot; columns</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Unisci le colonne &quot;povere&quot;</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>Left end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>Right end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Sempre</translation>
    </message>
    <message>
        <source>How readily columns that are mostly empty, or run into the next, are merged</source>
        <extracomment>Tool tip of the slider &quot;Merge together &quot;poor&quot; columns&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Con quanta facilità vengono unite le colonne quasi vuote o che sconfinano nella successiva</translation>
    </message>
    <message>
        <source>Minimum number of spaces between columns</source>
        <extracomment>Label of a number edit on the &quot;Table analysis&quot; page</extracomment>
        <translation>Numero minimo di spazi tra le colonne</translation>
    </message>
    <message>
        <source>The narrowest gap of blanks that separates two columns</source>
        <extracomment>Tool tip of &quot;Minimum number of spaces between columns&quot;</extracomment>
        <translation>Lo spazio vuoto più stretto che separa due colonne</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableGenerationPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Tenta il riconoscimento e la generazione di TABELLE</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table generation&quot; page</extracomment>
        <translation>Cerca tabelle nel testo e le scrive come tabelle</translation>
    </message>
    <message>
        <source>Number of header rows</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Numero di righe di intestazione</translation>
    </message>
    <message>
        <source>How many rows at the top of each table are header rows</source>
        <extracomment>Tool tip of &quot;Number of header rows&quot;</extracomment>
        <translation>Quante righe in cima a ogni tabella sono di intestazione</translation>
    </message>
    <message>
        <source>CELLPADDING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLPADDING</translation>
    </message>
    <message>
        <source>The space between the border of a cell and its text</source>
        <extracomment>Tool tip of &quot;CELLPADDING&quot;</extracomment>
        <translation>Lo spazio tra il bordo di una cella e il suo testo</translation>
    </message>
    <message>
        <source>CELLSPACING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLSPACING</translation>
    </message>
    <message>
        <source>The space between neighbouring cells</source>
        <extracomment>Tool tip of &quot;CELLSPACING&quot;</extracomment>
        <translation>Lo spazio tra celle vicine</translation>
    </message>
    <message>
        <source>BORDER size</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Dimensione di BORDER</translation>
    </message>
    <message>
        <source>The width of the table&apos;s border (none: no border)</source>
        <extracomment>Tool tip of &quot;BORDER size&quot;</extracomment>
        <translation>Lo spessore del bordo della tabella (none: nessun bordo)</translation>
    </message>
    <message>
        <source>Table width</source>
        <extracomment>Label of a text edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Larghezza della tabella</translation>
    </message>
    <message>
        <source>The width of each table, in pixels or as a percentage such as 100%</source>
        <extracomment>Tool tip of &quot;Table width&quot;</extracomment>
        <translation>La larghezza di ogni tabella, in pixel o in percentuale, per esempio 100%</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>Label of a colour (text, swatch and chooser) on the &quot;Table generation&quot; page</extracomment>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>The background colour of tables: a colour name or six hexadecimal digits</source>
        <extracomment>Tool tip of the &quot;Background&quot; colour</extracomment>
        <translation>Il colore di sfondo delle tabelle: un nome di colore o sei cifre esadecimali</translation>
    </message>
    <message>
        <source>Border colour</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Colore del bordo</translation>
    </message>
    <message>
        <source>The colour of the table&apos;s border</source>
        <extracomment>Tool tip of the &quot;Border colour&quot; colour</extracomment>
        <translation>Il colore del bordo della tabella</translation>
    </message>
    <message>
        <source>Colour odd and even rows differently</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Colora in modo diverso le righe pari e dispari</translation>
    </message>
    <message>
        <source>Data rows are coloured alternately with the two colours below</source>
        <extracomment>Tool tip of &quot;Colour odd and even rows differently&quot;</extracomment>
        <translation>Le righe di dati vengono colorate alternando i due colori sottostanti</translation>
    </message>
    <message>
        <source>Odd Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Righe dispari</translation>
    </message>
    <message>
        <source>The colour of the first, third, fifth ... data row</source>
        <extracomment>Tool tip of the &quot;Odd Rows&quot; colour</extracomment>
        <translation>Il colore della prima, terza, quinta ... riga di dati</translation>
    </message>
    <message>
        <source>Even Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Righe pari</translation>
    </message>
    <message>
        <source>The colour of the second, fourth, sixth ... data row</source>
        <extracomment>Tool tip of the &quot;Even Rows&quot; colour</extracomment>
        <translation>Il colore della seconda, quarta, sesta ... riga di dati</translation>
    </message>
    <message>
        <source>Table alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Allineamento della tabella</translation>
    </message>
    <message>
        <source>Where tables stand on the page</source>
        <extracomment>Tool tip of &quot;Table alignment&quot;</extracomment>
        <translation>Dove si trovano le tabelle nella pagina</translation>
    </message>
    <message>
        <source>Table cell alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Allineamento delle celle</translation>
    </message>
    <message>
        <source>How the text of the cells is aligned; Auto-Detect decides column by column</source>
        <extracomment>Tool tip of &quot;Table cell alignment&quot;</extracomment>
        <translation>Come viene allineato il testo delle celle; Rilevamento automatico decide colonna per colonna</translation>
    </message>
    <message>
        <source>Convert any section cross references in the table into hyperlinks</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Trasforma in collegamenti ipertestuali i riferimenti a sezioni presenti nella tabella</translation>
    </message>
    <message>
        <source>References to sections inside the cells become links</source>
        <extracomment>Tool tip of &quot;Convert any section cross references in the table into hyperlinks&quot;</extracomment>
        <translation>I riferimenti a sezioni nelle celle diventano collegamenti</translation>
    </message>
</context>
<context>
    <name>tabulyst::ViewersPage</name>
    <message>
        <source>Select the viewer program</source>
        <extracomment>Caption of the file chooser for a viewer program (&quot;Viewers&quot; page)</extracomment>
        <translation>Selezionare il programma di visualizzazione</translation>
    </message>
    <message>
        <source>Automatically view results after each conversion</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Visualizza automaticamente i risultati dopo ogni conversione</translation>
    </message>
    <message>
        <source>Open each result in its viewer as soon as it is written</source>
        <extracomment>Tool tip of &quot;Automatically view results after each conversion&quot;</extracomment>
        <translation>Apre ogni risultato nel suo visualizzatore appena viene scritto</translation>
    </message>
    <message>
        <source>Command used to view .HTML results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Comando usato per visualizzare i risultati .HTML</translation>
    </message>
    <message>
        <source>The browser program, with any arguments; empty: the desktop&apos;s browser</source>
        <extracomment>Tool tip of &quot;Command used to view .HTML results&quot;</extracomment>
        <translation>Il programma browser, con i suoi argomenti; vuoto: il browser del desktop</translation>
    </message>
    <message>
        <source>Use DDE to view results</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Usa DDE per visualizzare i risultati</translation>
    </message>
    <message>
        <source>Ask a running browser to show the result rather than starting one</source>
        <extracomment>Tool tip of &quot;Use DDE to view results&quot;</extracomment>
        <translation>Chiede a un browser già aperto di mostrare il risultato invece di avviarne uno</translation>
    </message>
    <message>
        <source>DDE service name</source>
        <extracomment>Label of a list on the &quot;Viewers&quot; page</extracomment>
        <translation>Nome del servizio DDE</translation>
    </message>
    <message>
        <source>The name under which the browser answers DDE requests</source>
        <extracomment>Tool tip of &quot;DDE service name&quot;</extracomment>
        <translation>Il nome con cui il browser risponde alle richieste DDE</translation>
    </message>
    <message>
        <source>Add &quot;file://localhost/&quot; prefix to URLs</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Aggiungi il prefisso &quot;file://localhost/&quot; agli indirizzi</translation>
    </message>
    <message>
        <source>Hand the viewer the result as a file://localhost/ address instead of a path</source>
        <extracomment>Tool tip of &quot;Add &quot;file://localhost/&quot; prefix to URLs&quot;</extracomment>
        <translation>Passa al visualizzatore il risultato come indirizzo file://localhost/ anziché come percorso</translation>
    </message>
    <message>
        <source>Command used to view .RTF results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Comando usato per visualizzare i risultati .RTF</translation>
    </message>
    <message>
        <source>The word processor or viewer program for RTF results; empty: the desktop&apos;s</source>
        <extracomment>Tool tip of &quot;Command used to view .RTF results&quot;</extracomment>
        <translation>L&apos;elaboratore di testi o il visualizzatore per i risultati RTF; vuoto: quello del desktop</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside a viewer command</extracomment>
        <translation>Scegliere il programma di visualizzazione</translation>
    </message>
</context>
</TS>
