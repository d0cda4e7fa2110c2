<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>MessageCatalogue</name>
    <message>
        <source>No file selected</source>
        <extracomment>Title of a message box: no input file was chosen</extracomment>
        <translation>Ingen fil vald</translation>
    </message>
    <message>
        <source>No analysis necessary</source>
        <extracomment>Message box text: the file needs no new analysis</extracomment>
        <translation>Ingen analys behövs</translation>
    </message>
    <message>
        <source>Directory Error</source>
        <extracomment>Title of the message box about an unusable input or output directory</extracomment>
        <translation>Katalogfel</translation>
    </message>
    <message>
        <source>File selection error</source>
        <extracomment>Title of the message box about files that could not be chosen or found</extracomment>
        <translation>Fel vid filval</translation>
    </message>
    <message>
        <source>Failed to auto-detect default browser</source>
        <extracomment>Title of the message box when no viewer for the results can be found</extracomment>
        <translation>Det gick inte att hitta standardwebbläsaren</translation>
    </message>
    <message>
        <source>Policy File Error</source>
        <extracomment>Title of the message box about a policy file that cannot be read</extracomment>
        <translation>Fel i policyfilen</translation>
    </message>
    <message>
        <source>Error launching browser</source>
        <extracomment>Title of the message box when a viewer program cannot be started</extracomment>
        <translation>Fel vid start av webbläsaren</translation>
    </message>
    <message>
        <source>Convert Error</source>
        <extracomment>Title of the message box when a conversion failed</extracomment>
        <translation>Konverteringsfel</translation>
    </message>
    <message>
        <source>Output File Error</source>
        <extracomment>Title of the message box when a file cannot be written</extracomment>
        <translation>Fel i utdatafilen</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <extracomment>Title of the question whether to save the changed policies</extracomment>
        <translation>Spara ändringar</translation>
    </message>
    <message>
        <source>Input File Error</source>
        <extracomment>Title of the message box when no input file has been chosen yet</extracomment>
        <translation>Fel i indatafilen</translation>
    </message>
    <message>
        <source>No conversion done yet</source>
        <extracomment>Title of the message box when there is no result to view yet</extracomment>
        <translation>Ingen konvertering gjord ännu</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>Caption of the command that returns every policy to its default</extracomment>
        <translation>Återställ standardvärden</translation>
    </message>
    <message>
        <source>Function still to be added</source>
        <extracomment>Message box text for a command not yet available</extracomment>
        <translation>Funktionen är inte tillagd ännu</translation>
    </message>
    <message>
        <source>File location error</source>
        <extracomment>Title of the message box about a file given at start that is not there</extracomment>
        <translation>Fel vid sökning efter fil</translation>
    </message>
    <message>
        <source>Reanalyse source file</source>
        <extracomment>Caption of the command that analyses the source file again</extracomment>
        <translation>Analysera källfilen igen</translation>
    </message>
    <message>
        <source>Reload policies</source>
        <extracomment>Caption of the command that reads the policies again</extracomment>
        <translation>Läs in policyerna igen</translation>
    </message>
    <message>
        <source>Email error</source>
        <extracomment>Title of the message box about the mail program</extracomment>
        <translation>E-postfel</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Caption of the folder chooser for the output directory (also a tool tip)</extracomment>
        <translation>Välj en utdatakatalog.  Den måste vara skrivbar</translation>
    </message>
    <message>
        <source>Select an input directory</source>
        <extracomment>Caption of the folder chooser for the input directory</extracomment>
        <translation>Välj en indatakatalog</translation>
    </message>
    <message>
        <source>Problems using DDE detected</source>
        <extracomment>Title of the message box about a browser that did not answer over DDE</extracomment>
        <translation>Problem med DDE upptäcktes</translation>
    </message>
    <message>
        <source>Problems detected using DDE last time.
<byte value="xd"/>Disabling DDE.  Use Settings/Viewers to re-enable</source>
        <extracomment>Message box text: DDE viewing is switched off at start; 
 starts a new line</extracomment>
        <translation>Problem med DDE upptäcktes förra gången.
DDE stängs av.  Använd Inställningar/Visare för att slå på det igen</translation>
    </message>
    <message>
        <source>Must choose a file first</source>
        <extracomment>Message box text: View Results was asked for before any file was chosen</extracomment>
        <translation>Du måste välja en fil först</translation>
    </message>
    <message>
        <source>No analysis needed until policies or files are changed</source>
        <extracomment>Message box text: nothing changed since the last analysis</extracomment>
        <translation>Ingen analys behövs förrän policyer eller filer ändras</translation>
    </message>
    <message>
        <source>Invalid Input Directory</source>
        <extracomment>Message box text: the directory of the input files cannot be used</extracomment>
        <translation>Ogiltig indatakatalog</translation>
    </message>
    <message>
        <source>Invalid Output Directory.
<byte value="xd"/>Must be writable</source>
        <extracomment>Message box text: the output directory cannot be written; 
 starts a new line</extracomment>
        <translation>Ogiltig utdatakatalog.
Den måste vara skrivbar</translation>
    </message>
    <message>
        <source>No files found &quot;xxxxxx&quot;</source>
        <extracomment>Message box text and status line: nothing matched the file list; xxxxxx is replaced by the list</extracomment>
        <translation>Inga filer hittades &quot;xxxxxx&quot;</translation>
    </message>
    <message>
        <source>Please use the Settings Menu to locate your browser manually</source>
        <extracomment>Message box text: no viewer for the results was found</extracomment>
        <translation>Använd menyn Inställningar för att ange din webbläsare manuellt</translation>
    </message>
    <message>
        <source>Can&apos;t find policy file &quot;xxxxxx&quot;</source>
        <extracomment>Message box text: the policy file cannot be read; xxxxxx is replaced by its name</extracomment>
        <translation>Det går inte att hitta policyfilen &quot;xxxxxx&quot;</translation>
    </message>
    <message>
        <source>No URL supplied.  Cannot launch browser</source>
        <extracomment>Message box text: a browser was asked to show nothing</extracomment>
        <translation>Ingen adress angiven.  Webbläsaren kan inte startas</translation>
    </message>
    <message>
        <source>No Filename supplied.  Cannot launch viewer</source>
        <extracomment>Message box text: a viewer was asked to show no file</extracomment>
        <translation>Inget filnamn angivet.  Visaren kan inte startas</translation>
    </message>
    <message>
        <source>Command &quot;ccc url&quot; failed.
<byte value="xd"/>  Error code=nnn</source>
        <extracomment>Message box text: a viewer program could not be started; ccc, url and nnn are replaced by the command, the file and the error number</extracomment>
        <translation>Kommandot &quot;ccc url&quot; misslyckades.
  Felkod=nnn</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <extracomment>Message box text: a conversion failed</extracomment>
        <translation>Konverteringen misslyckades</translation>
    </message>
    <message>
        <source>Unable to locate file &quot;ffffff&quot;</source>
        <extracomment>Message box text: a file named at start is not there; ffffff is replaced by its name</extracomment>
        <translation>Det går inte att hitta filen &quot;ffffff&quot;</translation>
    </message>
    <message>
        <source>Must choose a file name</source>
        <extracomment>Message box text: no file name was given</extracomment>
        <translation>Du måste välja ett filnamn</translation>
    </message>
    <message>
        <source>Save changes made to your policy?</source>
        <extracomment>Text of the question asked on closing when the policies were changed</extracomment>
        <translation>Spara ändringarna i dina policyer?</translation>
    </message>
    <message>
        <source>Must convert a file first</source>
        <extracomment>Message box text: View Results was asked for before any conversion</extracomment>
        <translation>Du måste konvertera en fil först</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Status text when a step is finished</extracomment>
        <translation>Klart</translation>
    </message>
    <message>
        <source>This is a beta release of this software</source>
        <extracomment>Message box text shown by test releases</extracomment>
        <translation>Detta är en betaversion av programmet</translation>
    </message>
    <message>
        <source>Can&apos;t find requested file &quot;hhhhhh&quot;  Change via the Settings Menu</source>
        <extracomment>Message box text: a program or file named in the settings is not there; hhhhhh is replaced by its name</extracomment>
        <translation>Det går inte att hitta den begärda filen &quot;hhhhhh&quot;  Ändra via menyn Inställningar</translation>
    </message>
    <message>
        <source>Failed to auto-detect email client</source>
        <extracomment>Message box text: no mail program was found</extracomment>
        <translation>Det gick inte att hitta e-postprogrammet</translation>
    </message>
    <message>
        <source>Need to specify a delimiter character</source>
        <extracomment>Message box text: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>Du måste ange ett avgränsningstecken</translation>
    </message>
    <message>
        <source>-- Add new link definition --</source>
        <extracomment>First entry of the list of link definitions</extracomment>
        <translation>-- Lägg till en ny länkdefinition --</translation>
    </message>
    <message>
        <source>** enter text to be matched in source document **</source>
        <extracomment>Prompt in the text to match of a new link definition</extracomment>
        <translation>** skriv texten som ska matchas i källdokumentet **</translation>
    </message>
    <message>
        <source>** enter text to be displayed in the hyperlink **</source>
        <extracomment>Prompt in the text shown by a new link definition</extracomment>
        <translation>** skriv texten som hyperlänken visar **</translation>
    </message>
    <message>
        <source>** enter the hyperlink&apos;s URL **</source>
        <extracomment>Prompt in the address of a new link definition</extracomment>
        <translation>** skriv hyperlänkens adress (URL) **</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <extracomment>Entry of the alignment lists: the program decides the alignment</extracomment>
        <translation>Automatisk</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Vänster</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Höger</translation>
    </message>
    <message>
        <source>Center</source>
        <extracomment>Entry of the alignment lists (centred)</extracomment>
        <translation>Centrerad</translation>
    </message>
    <message>
        <source>Justified</source>
        <extracomment>Entry of the alignment lists (justified on both sides)</extracomment>
        <translation>Marginaljusterad</translation>
    </message>
    <message>
        <source>*** Failed to open log file : ffffff ***</source>
        <extracomment>Status and log line: the log file cannot be opened; ffffff is replaced by its name</extracomment>
        <translation>*** Det går inte att öppna loggfilen : ffffff ***</translation>
    </message>
    <message>
        <source>    Opening ffffff instead</source>
        <extracomment>Status and log line after the one above; ffffff is replaced by the other log file&apos;s name</extracomment>
        <translation>    Öppnar ffffff i stället</translation>
    </message>
    <message>
        <source>%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%</source>
        <extracomment>Status and log line that ends every run</extracomment>
        <translation>%%%%%%%%%%%%%%%%%%% Konverteringen klar %%%%%%%%%%%%%%%%%%</translation>
    </message>
    <message>
        <source>Cascading style sheets (*.css)|*.css|All files (*.*)|*.*||</source>
        <extracomment>Filter of a file chooser: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Formatmallar (*.css)|*.css|Alla filer (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt,*.asc)|*.txt;*.asc|Comma separated files (*.csv)|*.csv|All files (*.*)|*.*||</source>
        <extracomment>Filter of the file chooser for the files to convert: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Textfiler (*.txt,*.asc)|*.txt;*.asc|Kommaseparerade filer (*.csv)|*.csv|Alla filer (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Policy files (*.pol)|*.pol|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file choosers for policy files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Policyfiler (*.pol)|*.pol|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>HTML files (*.htm,*.html)|*.htm;*.html|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for the HTML documentation: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>HTML-filer (*.htm,*.html)|*.htm;*.html|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Program files (*.exe)|*.exe|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for a viewer program: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Program (*.exe)|*.exe|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Image files (*.jpg,*.gif)|*.jpg;*.gif|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for images: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Bildfiler (*.jpg,*.gif)|*.jpg;*.gif|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Log files (*.log)|*.log|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for log files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Loggfiler (*.log)|*.log|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Language files (*.lng)|*.lng|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for language files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Språkfiler (*.lng)|*.lng|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Style files (*.sty)|*.sty|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for styles files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Stilfiler (*.sty)|*.sty|Alla filer (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Plain text file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Oformaterad textfil</translation>
    </message>
    <message>
        <source>Tab delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Tabbavgränsad datafil</translation>
    </message>
    <message>
        <source>Comma delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Kommaavgränsad datafil</translation>
    </message>
    <message>
        <source>Other delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Datafil med annat avgränsningstecken</translation>
    </message>
    <message>
        <source>Output HTML to file(s)</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Skriv HTML till fil(er)</translation>
    </message>
    <message>
        <source>Output HTML as a set of FRAMES</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Skriv HTML som en uppsättning RAMAR</translation>
    </message>
    <message>
        <source>Output HTML to the clipboard</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Skriv HTML till Urklipp</translation>
    </message>
    <message>
        <source>Output Windows Help source file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Skriv källfil för Windows-hjälp</translation>
    </message>
    <message>
        <source>Output RTF to file</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>Skriv RTF till fil</translation>
    </message>
    <message>
        <source>Output text to file(s)</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Skriv text till fil(er)</translation>
    </message>
    <message>
        <source>Output text to the clipboard</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Skriv text till Urklipp</translation>
    </message>
    <message>
        <source>Output PDF to file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Skriv PDF till fil</translation>
    </message>
    <message>
        <source>No delimiter character specified</source>
        <extracomment>Title of the message box: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>Inget avgränsningstecken angivet</translation>
    </message>
</context>
<context>
    <name>tabulyst::DocumentationPage</name>
    <message>
        <source>Select the HTML documentation</source>
        <extracomment>Caption of the file chooser for the documentation (&quot;Documentation&quot; page)</extracomment>
        <translation>Välj HTML-dokumentationen</translation>
    </message>
    <message>
        <source>Location of HTML documentation on this machine</source>
        <extracomment>Label of a text edit on the &quot;Documentation&quot; page</extracomment>
        <translation>Plats för HTML-dokumentationen på den här datorn</translation>
    </message>
    <message>
        <source>The page Help &gt; Contents opens; empty: the README</source>
        <extracomment>Tool tip of &quot;Location of HTML documentation on this machine&quot;</extracomment>
        <translation>Sidan som Hjälp &gt; Innehåll öppnar; tom: README-filen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Bläddra...</translation>
    </message>
    <message>
        <source>Choose the documentation&apos;s first page</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the documentation</extracomment>
        <translation>Välj dokumentationens första sida</translation>
    </message>
</context>
<context>
    <name>tabulyst::DragAndDropPage</name>
    <message>
        <source>Show the status screen during the conversion(s)</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Visa statusfönstret under konverteringen/konverteringarna</translation>
    </message>
    <message>
        <source>Show the messages while files dropped on the program are converted</source>
        <extracomment>Tool tip of &quot;Show the status screen during the conversion(s)&quot;</extracomment>
        <translation>Visa meddelandena medan filer som släppts på programmet konverteras</translation>
    </message>
    <message>
        <source>View results in browser once conversion is complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Visa resultaten i webbläsaren när konverteringen är klar</translation>
    </message>
    <message>
        <source>Open the result of dropped files in its viewer</source>
        <extracomment>Tool tip of &quot;View results in browser once conversion is complete&quot;</extracomment>
        <translation>Öppna resultatet av släppta filer i visaren</translation>
    </message>
    <message>
        <source>Start program after conversion complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Starta programmet när konverteringen är klar</translation>
    </message>
    <message>
        <source>After converting files given at start, show the main window for more work</source>
        <extracomment>Tool tip of &quot;Start program after conversion complete&quot;</extracomment>
        <translation>Visa huvudfönstret för mer arbete efter att filer som angavs vid start har konverterats</translation>
    </message>
</context>
<context>
    <name>tabulyst::GeneratedPage</name>
    <message>
        <source>Indented lines mark the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for indentation&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Indragna rader visar dokumentets struktur</translation>
    </message>
    <message>
        <source>Short lines end paragraphs</source>
        <extracomment>Tool tip of the policy &quot;Look for short lines&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Korta rader avslutar stycken</translation>
    </message>
    <message>
        <source>Look for bulleted and numbered lists</source>
        <extracomment>Tool tip of the policy &quot;Look for bullets&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter punktlistor och numrerade listor</translation>
    </message>
    <message>
        <source>Blank space marks the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for white space&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Tomrum visar dokumentets struktur</translation>
    </message>
    <message>
        <source>Look for the headers of mail and news messages</source>
        <extracomment>Tool tip of the policy &quot;Look for MAIL and USENET headers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter huvuden i e-post- och nyhetsmeddelanden</translation>
    </message>
    <message>
        <source>Look for quoted passages, such as lines beginning with &quot;&gt;&quot;</source>
        <extracomment>Tool tip of the policy &quot;Look for quoted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter citerade stycken, till exempel rader som börjar med &quot;&gt;&quot;</translation>
    </message>
    <message>
        <source>Look for text laid out by hand that must keep its layout</source>
        <extracomment>Tool tip of the policy &quot;Look for preformatted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter handlagd text som måste behålla sin layout</translation>
    </message>
    <message>
        <source>Look for diagrams drawn with characters</source>
        <extracomment>Tool tip of the policy &quot;Look for diagrams&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter diagram ritade med tecken</translation>
    </message>
    <message>
        <source>Look for the character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Look for character encodings&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter teckenuppsättningen som dokumentet anger</translation>
    </message>
    <message>
        <source>Lines of dashes or similar characters become horizontal rules</source>
        <extracomment>Tool tip of the policy &quot;Look for horizontal rulers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Rader av bindestreck eller liknande tecken blir vågräta linjer</translation>
    </message>
    <message>
        <source>Look for paragraphs whose first line sticks out to the left</source>
        <extracomment>Tool tip of the policy &quot;Look for hanging paragraphs&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter stycken vars första rad sticker ut till vänster</translation>
    </message>
    <message>
        <source>Look for definition paragraphs (a term followed by its meaning)</source>
        <extracomment>Tool tip of the policy &quot;Search for definitions&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter definitionsstycken (en term följd av dess betydelse)</translation>
    </message>
    <message>
        <source>Look for words marked for emphasis, such as *bold* or _underlined_</source>
        <extracomment>Tool tip of the policy &quot;Search for emphasis&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leta efter framhävda ord, till exempel *fet* eller _understruken_</translation>
    </message>
    <message>
        <source>Lines beginning with a number (1, 2, 3) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Rader som börjar med en siffra (1, 2, 3) är listposter</translation>
    </message>
    <message>
        <source>Lines beginning with a letter (a, b, c) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect alphabetic bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Rader som börjar med en bokstav (a, b, c) är listposter</translation>
    </message>
    <message>
        <source>Lines beginning with a Roman numeral (i, ii, iii) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Roman Numeral bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Rader som börjar med en romersk siffra (i, ii, iii) är listposter</translation>
    </message>
    <message>
        <source>A line beginning with &quot;-&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;-&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>En rad som börjar med &quot;-&quot; är en listpost</translation>
    </message>
    <message>
        <source>A line beginning with &quot;o&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;o&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>En rad som börjar med &quot;o&quot; är en listpost</translation>
    </message>
    <message>
        <source>The document may hold its own contents list</source>
        <extracomment>Tool tip of the policy &quot;Expect Contents List&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Dokumentet kan innehålla en egen innehållsförteckning</translation>
    </message>
    <message>
        <source>Turn a contents list found in the document into links</source>
        <extracomment>Tool tip of the policy &quot;Use any existing contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Gör en innehållsförteckning som finns i dokumentet till länkar</translation>
    </message>
    <message>
        <source>Add a contents list made from the headings</source>
        <extracomment>Tool tip of the policy &quot;Add contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Lägg till en innehållsförteckning som byggs av rubrikerna</translation>
    </message>
    <message>
        <source>The deepest heading level listed in the contents (none: all)</source>
        <extracomment>Tool tip of the policy &quot;Maximum level to show in contents&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Den djupaste rubriknivån som tas med i innehållsförteckningen (none: alla)</translation>
    </message>
    <message>
        <source>How the contents list is laid out (a number)</source>
        <extracomment>Tool tip of the policy &quot;Contents style code&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Hur innehållsförteckningen läggs upp (ett tal)</translation>
    </message>
    <message>
        <source>Headings get anchors that the contents list links to</source>
        <extracomment>Tool tip of the policy &quot;Add anchors to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Rubriker får ankare som innehållsförteckningen länkar till</translation>
    </message>
    <message>
        <source>The deepest heading level that gets an anchor</source>
        <extracomment>Tool tip of the policy &quot;Contents anchors level&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Den djupaste rubriknivån som får ett ankare</translation>
    </message>
    <message>
        <source>The links of the contents list sit on the section numbers</source>
        <extracomment>Tool tip of the policy &quot;Hyperlinks on numbers&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Innehållsförteckningens länkar ligger på avsnittsnumren</translation>
    </message>
    <message>
        <source>Mail headers found in the document appear in the contents list</source>
        <extracomment>Tool tip of the policy &quot;Add mail headers to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>E-posthuvuden som finns i dokumentet visas i innehållsförteckningen</translation>
    </message>
    <message>
        <source>Write the contents list to a file of its own</source>
        <extracomment>Tool tip of the policy &quot;Generate external contents file&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Skriv innehållsförteckningen till en egen fil</translation>
    </message>
    <message>
        <source>The name of that contents file</source>
        <extracomment>Tool tip of the policy &quot;External contents list filename&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Namnet på den innehållsfilen</translation>
    </message>
    <message>
        <source>Tab size (usually 4 or 8).  Can affect table analysis</source>
        <extracomment>Tool tip of the policy &quot;TAB size&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Tabbstorlek (oftast 4 eller 8).  Kan påverka tabellanalysen</translation>
    </message>
    <message>
        <source>Number of lines at the start of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at start of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Antal rader i början av filen som inte konverteras</translation>
    </message>
    <message>
        <source>Number of lines at the end of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at end of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Antal rader i slutet av filen som inte konverteras</translation>
    </message>
    <message>
        <source>The file uses the DOS character set</source>
        <extracomment>Tool tip of the policy &quot;Input file contains DOS characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Filen använder DOS-teckenuppsättningen</translation>
    </message>
    <message>
        <source>The file holds Japanese text</source>
        <extracomment>Tool tip of the policy &quot;Input file contains Japanese characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Filen innehåller japansk text</translation>
    </message>
    <message>
        <source>The file holds printer control codes (PCL), which are removed</source>
        <extracomment>Tool tip of the policy &quot;Input file contains PCL codes&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Filen innehåller skrivarkoder (PCL), som tas bort</translation>
    </message>
    <message>
        <source>The file holds Unicode characters</source>
        <extracomment>Tool tip of the policy &quot;Input file contains UNICODE characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Filen innehåller Unicode-tecken</translation>
    </message>
    <message>
        <source>The file is MIME-encoded, as a mail message may be</source>
        <extracomment>Tool tip of the policy &quot;Input file contains MIME encoding&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Filen är MIME-kodad, som ett e-postmeddelande kan vara</translation>
    </message>
    <message>
        <source>A quoted comma field may hold line ends, which stay line breaks in its cell</source>
        <extracomment>Tool tip of the policy &quot;Quoted fields may span lines&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Ett fält inom citattecken får innehålla radslut, som förblir radbrytningar i dess cell</translation>
    </message>
    <message>
        <source>Every line of the file is followed by a blank line</source>
        <extracomment>Tool tip of the policy &quot;Input file is double spaced&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Varje rad i filen följs av en tom rad</translation>
    </message>
    <message>
        <source>Lines carry change bars in the margin</source>
        <extracomment>Tool tip of the policy &quot;Input file has change bars&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Raderna har ändringsstreck i marginalen</translation>
    </message>
    <message>
        <source>The file holds page headers, footers or form feeds</source>
        <extracomment>Tool tip of the policy &quot;Input file has page markers&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Filen innehåller sidhuvuden, sidfötter eller sidmatningar</translation>
    </message>
    <message>
        <source>Number of lines each page marker takes</source>
        <extracomment>Tool tip of the policy &quot;Page marker size (in lines)&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Antal rader som varje sidmarkering tar upp</translation>
    </message>
    <message>
        <source>The file is one unit of a larger composed document</source>
        <extracomment>Tool tip of the policy &quot;Input file is a composition unit&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Filen är en del av ett större sammansatt dokument</translation>
    </message>
    <message>
        <source>Lines beginning with a section number (1.2, 3.4.1) are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Rader som börjar med ett avsnittsnummer (1.2, 3.4.1) är rubriker</translation>
    </message>
    <message>
        <source>Lines underlined with dashes or similar characters are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Underlined Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Rader som är understrukna med bindestreck eller liknande tecken är rubriker</translation>
    </message>
    <message>
        <source>Lines written in capitals are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Capitalised Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Rader skrivna med versaler är rubriker</translation>
    </message>
    <message>
        <source>Headings may begin a paragraph, followed by its text on the same line</source>
        <extracomment>Tool tip of the policy &quot;Expect Embedded Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Rubriker kan inleda ett stycke, följda av texten på samma rad</translation>
    </message>
    <message>
        <source>The heading may be the second word of the line</source>
        <extracomment>Tool tip of the policy &quot;Expect Second Word Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Rubriken kan vara radens andra ord</translation>
    </message>
    <message>
        <source>Words that mark a line as a heading</source>
        <extracomment>Tool tip of the policy &quot;Heading key phrases&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Ord som gör en rad till en rubrik</translation>
    </message>
    <message>
        <source>The number of the first section</source>
        <extracomment>Tool tip of the policy &quot;First Section Number&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Numret på det första avsnittet</translation>
    </message>
    <message>
        <source>Headings of one level must have the same indentation</source>
        <extracomment>Tool tip of the policy &quot;Check indentation for consistency&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Rubriker på samma nivå måste ha samma indrag</translation>
    </message>
    <message>
        <source>Keep the underlining under headings</source>
        <extracomment>Tool tip of the policy &quot;Preserve underlining of headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Behåll understrykningen under rubriker</translation>
    </message>
    <message>
        <source>The smallest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Smallest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Den minsta rubrikmarkering som används (1 till 6)</translation>
    </message>
    <message>
        <source>The largest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Largest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Den största rubrikmarkering som används (1 till 6)</translation>
    </message>
    <message>
        <source>Headings get no heading markup</source>
        <extracomment>Tool tip of the policy &quot;Suppress &lt;Hn&gt; markup for headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Rubriker får ingen rubrikmarkering</translation>
    </message>
    <message>
        <source>The fewest lines a chapter must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min chapter size&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Det minsta antalet rader i ett kapitel (none: valfritt)</translation>
    </message>
    <message>
        <source>How many words of a heading make the name of a split file</source>
        <extracomment>Tool tip of the policy &quot;Number of words to include in filename&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Hur många ord i en rubrik som bildar namnet på en delad fil</translation>
    </message>
    <message>
        <source>Width of the source text in characters</source>
        <extracomment>Tool tip of the policy &quot;Page Width&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Källtextens bredd i tecken</translation>
    </message>
    <message>
        <source>How ordinary text is aligned</source>
        <extracomment>Tool tip of the policy &quot;Text justification&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Hur vanlig text justeras</translation>
    </message>
    <message>
        <source>Paragraphs are separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Expect blank lines between paras&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Stycken skiljs åt av tomma rader</translation>
    </message>
    <message>
        <source>Indentation that starts a new paragraph (none: not used)</source>
        <extracomment>Tool tip of the policy &quot;New Paragraph Offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Indrag som inleder ett nytt stycke (none: används inte)</translation>
    </message>
    <message>
        <source>Keep that indentation in the output</source>
        <extracomment>Tool tip of the policy &quot;Preserve new paragraph offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Behåll det indraget i utdata</translation>
    </message>
    <message>
        <source>Treat the file as simple text without structure; also turns table generation off</source>
        <extracomment>Tool tip of the policy &quot;Keep it simple&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Behandla filen som enkel text utan struktur; stänger också av tabellgenereringen</translation>
    </message>
    <message>
        <source>Lines shorter than this end a paragraph (none: worked out)</source>
        <extracomment>Tool tip of the policy &quot;Short line length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Rader som är kortare än detta avslutar ett stycke (none: beräknas)</translation>
    </message>
    <message>
        <source>The fewest characters that make a horizontal rule (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum ruler length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Det minsta antalet tecken i en vågrät linje (none: valfritt)</translation>
    </message>
    <message>
        <source>Every line of the source becomes a paragraph of its own</source>
        <extracomment>Tool tip of the policy &quot;Treat each line as a paragraph&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Varje rad i källan blir ett eget stycke</translation>
    </message>
    <message>
        <source>Keep the line breaks of the source</source>
        <extracomment>Tool tip of the policy &quot;Preserve line structure&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Behåll källans radbrytningar</translation>
    </message>
    <message>
        <source>Several blank lines count as one</source>
        <extracomment>Tool tip of the policy &quot;Ignore multiple blank lines&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Flera tomma rader räknas som en</translation>
    </message>
    <message>
        <source>Lines that look centred are centred</source>
        <extracomment>Tool tip of the policy &quot;Allow automatic centring&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Rader som ser centrerade ut centreras</translation>
    </message>
    <message>
        <source>How far off centre a centred line may be (none: 2)</source>
        <extracomment>Tool tip of the policy &quot;Automatic centring tolerance&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Hur långt från mitten en centrerad rad får ligga (none: 2)</translation>
    </message>
    <message>
        <source>Terms of definition paragraphs are highlighted</source>
        <extracomment>Tool tip of the policy &quot;Highlight Definition Text&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Termerna i definitionsstycken framhävs</translation>
    </message>
    <message>
        <source>The fewest lines a pre-formatted region must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum automatic &lt;PRE&gt; size&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Det minsta antalet rader i ett förformaterat område (none: valfritt)</translation>
    </message>
    <message>
        <source>The document may hold program code, which keeps its layout</source>
        <extracomment>Tool tip of the policy &quot;Expect code samples&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Dokumentet kan innehålla programkod, som behåller sin layout</translation>
    </message>
    <message>
        <source>Write the whole file as pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Preserve file structure using &lt;PRE&gt;&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Skriv hela filen som förformaterad text</translation>
    </message>
    <message>
        <source>Definition paragraphs are looked for inside pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Allow definitions inside PRE&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Definitionsstycken söks även i förformaterad text</translation>
    </message>
    <message>
        <source>Rows of a plain-text table may be separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Could be blank line separated&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Raderna i en texttabell kan skiljas åt av tomma rader</translation>
    </message>
    <message>
        <source>Columns may touch, with no blank space between them</source>
        <extracomment>Tool tip of the policy &quot;Column boundaries have zero width&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Kolumner får röra vid varandra, utan tomrum emellan</translation>
    </message>
    <message>
        <source>The column layout of tables, as in a TABLE_LAYOUT directive: the column count, then the last position of each column</source>
        <extracomment>Tool tip of the policy &quot;Default table layout&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Tabellernas kolumnlayout, som i ett TABLE_LAYOUT-direktiv: antalet kolumner och sedan varje kolumns sista position</translation>
    </message>
    <message>
        <source>The title of the document; [[FILENAME]] stands for the input file&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Document Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Dokumentets titel; [[FILENAME]] står för indatafilens namn</translation>
    </message>
    <message>
        <source>The description written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Description&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Beskrivningen som skrivs i dokumentets metadata</translation>
    </message>
    <message>
        <source>The keywords written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Keywords&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Nyckelorden som skrivs i dokumentets metadata</translation>
    </message>
    <message>
        <source>The first heading becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first heading as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Den första rubriken blir dokumentets titel</translation>
    </message>
    <message>
        <source>The first line becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first line as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Den första raden blir dokumentets titel</translation>
    </message>
    <message>
        <source>The base address against which the document&apos;s links are resolved</source>
        <extracomment>Tool tip of the policy &quot;Document Base URL&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Basadressen som dokumentets länkar tolkas utifrån</translation>
    </message>
    <message>
        <source>The character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Character encoding&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Teckenuppsättningen som dokumentet anger</translation>
    </message>
    <message>
        <source>Number of header columns (none: no header columns)</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE header cols&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Antal rubrikkolumner (none: inga)</translation>
    </message>
    <message>
        <source>The caption of generated tables</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE caption&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Rubriken på genererade tabeller</translation>
    </message>
    <message>
        <source>Tables and columns get width markup</source>
        <extracomment>Tool tip of the policy &quot;Add TABLE WIDTH markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Tabeller och kolumner får breddmarkering</translation>
    </message>
    <message>
        <source>Widths are written as percentages of the page</source>
        <extracomment>Tool tip of the policy &quot;Use percentage widths in tables&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Bredder skrivs som procent av sidan</translation>
    </message>
    <message>
        <source>Table text is marked as code</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;CODE&gt;..&lt;/CODE&gt; markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Tabelltext markeras som kod</translation>
    </message>
    <message>
        <source>The table colours also apply to DOT_LEADERS tables</source>
        <extracomment>Tool tip of the policy &quot;Colour tables with DOT_LEADERS&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Tabellfärgerna gäller även DOT_LEADERS-tabeller</translation>
    </message>
    <message>
        <source>Empty table cells get font markup too</source>
        <extracomment>Tool tip of the policy &quot;Apply FONT to empty table cells&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Även tomma tabellceller får teckensnittsmarkering</translation>
    </message>
    <message>
        <source>The colour of the text</source>
        <extracomment>Tool tip of the policy &quot;Text Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Textens färg</translation>
    </message>
    <message>
        <source>The background colour of the document</source>
        <extracomment>Tool tip of the policy &quot;Background Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Dokumentets bakgrundsfärg</translation>
    </message>
    <message>
        <source>An image file shown behind the document</source>
        <extracomment>Tool tip of the policy &quot;Background Image&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>En bildfil som visas bakom dokumentet</translation>
    </message>
    <message>
        <source>The colour of links not yet followed</source>
        <extracomment>Tool tip of the policy &quot;Unvisited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Färgen på länkar som inte har besökts</translation>
    </message>
    <message>
        <source>The colour of links already followed</source>
        <extracomment>Tool tip of the policy &quot;Visited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Färgen på länkar som redan har besökts</translation>
    </message>
    <message>
        <source>The colour of a link while it is being clicked</source>
        <extracomment>Tool tip of the policy &quot;Active Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Färgen på en länk medan den klickas</translation>
    </message>
    <message>
        <source>The colour of headings</source>
        <extracomment>Tool tip of the policy &quot;Headings Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Rubrikernas färg</translation>
    </message>
    <message>
        <source>Write no colour markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all colour markup&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Skriv ingen färgmarkering alls</translation>
    </message>
    <message>
        <source>A colour set by a tag holds until it is changed again</source>
        <extracomment>Tool tip of the policy &quot;Scope COLOUR tags globally&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>En färg som satts av en tagg gäller tills den ändras igen</translation>
    </message>
    <message>
        <source>Addresses found in the text become links</source>
        <extracomment>Tool tip of the policy &quot;Create hyperlinks&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Adresser som finns i texten blir länkar</translation>
    </message>
    <message>
        <source>Mail addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create mailto links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>E-postadresser blir länkar</translation>
    </message>
    <message>
        <source>FTP addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>FTP-adresser blir länkar</translation>
    </message>
    <message>
        <source>News group names become links</source>
        <extracomment>Tool tip of the policy &quot;Create NEWS links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Namn på diskussionsgrupper blir länkar</translation>
    </message>
    <message>
        <source>Gopher addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Gopher links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Gopher-adresser blir länkar</translation>
    </message>
    <message>
        <source>Telnet addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Telnet links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Telnet-adresser blir länkar</translation>
    </message>
    <message>
        <source>Only well-formed domain names become links</source>
        <extracomment>Tool tip of the policy &quot;Check domain name syntax&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Bara korrekt uppbyggda domännamn blir länkar</translation>
    </message>
    <message>
        <source>Only the news groups known to the program become links</source>
        <extracomment>Tool tip of the policy &quot;Only use known groups&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Bara diskussionsgrupper som programmet känner till blir länkar</translation>
    </message>
    <message>
        <source>Only addresses beginning with ftp:// become FTP links</source>
        <extracomment>Tool tip of the policy &quot;Only allow explicit FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Bara adresser som börjar med ftp:// blir FTP-länkar</translation>
    </message>
    <message>
        <source>Mail addresses may begin with a digit</source>
        <extracomment>Tool tip of the policy &quot;Allow email beginning with numbers&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>E-postadresser får börja med en siffra</translation>
    </message>
    <message>
        <source>Links open in another browser window</source>
        <extracomment>Tool tip of the policy &quot;Open links in new browser window&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Länkar öppnas i ett annat webbläsarfönster</translation>
    </message>
    <message>
        <source>The name of that browser window</source>
        <extracomment>Tool tip of the policy &quot;New browser window name&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Namnet på det webbläsarfönstret</translation>
    </message>
    <message>
        <source>A line holding an address ends with a line break</source>
        <extracomment>Tool tip of the policy &quot;Add &lt;BR&gt; to lines with URLs&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>En rad som innehåller en adress avslutas med en radbrytning</translation>
    </message>
    <message>
        <source>The deepest heading level that section references link to (none: no links)</source>
        <extracomment>Tool tip of the policy &quot;Cross-refs at level&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Den djupaste rubriknivån som avsnittshänvisningar länkar till (none: inga länkar)</translation>
    </message>
    <message>
        <source>A file of link definitions: texts that become links</source>
        <extracomment>Tool tip of the policy &quot;Link Dictionary file&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>En fil med länkdefinitioner: texter som blir länkar</translation>
    </message>
    <message>
        <source>The font of ordinary text</source>
        <extracomment>Tool tip of the policy &quot;Default font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Teckensnittet för vanlig text</translation>
    </message>
    <message>
        <source>The font of table text</source>
        <extracomment>Tool tip of the policy &quot;Table font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Teckensnittet för tabelltext</translation>
    </message>
    <message>
        <source>The fixed-pitch font, for pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Fixed font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Teckensnittet med fast bredd, för förformaterad text</translation>
    </message>
    <message>
        <source>The font of headings</source>
        <extracomment>Tool tip of the policy &quot;Heading font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Rubrikernas teckensnitt</translation>
    </message>
    <message>
        <source>The font of the contents list</source>
        <extracomment>Tool tip of the policy &quot;Table of Contents font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Innehållsförteckningens teckensnitt</translation>
    </message>
    <message>
        <source>The base font size in points</source>
        <extracomment>Tool tip of the policy &quot;Base FONT Size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Grundstorleken för teckensnitt i punkter</translation>
    </message>
    <message>
        <source>A change of every font size, in points</source>
        <extracomment>Tool tip of the policy &quot;Delta FONT size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>En ändring av alla teckenstorlekar, i punkter</translation>
    </message>
    <message>
        <source>How much wider or narrower the text is laid out, in percent</source>
        <extracomment>Tool tip of the policy &quot;Font stretch factor (in percent)&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Hur mycket bredare eller smalare texten sätts, i procent</translation>
    </message>
    <message>
        <source>Fonts are expressed in style sheets rather than font markup</source>
        <extracomment>Tool tip of the policy &quot;Use CSS to implement fonts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Teckensnitt uttrycks i formatmallar i stället för teckensnittsmarkering</translation>
    </message>
    <message>
        <source>Write font markup</source>
        <extracomment>Tool tip of the policy &quot;Add FONT markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Skriv teckensnittsmarkering</translation>
    </message>
    <message>
        <source>Font markup states the size</source>
        <extracomment>Tool tip of the policy &quot;Add FONT size markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Teckensnittsmarkeringen anger storleken</translation>
    </message>
    <message>
        <source>Font markup states the style</source>
        <extracomment>Tool tip of the policy &quot;Add FONT style markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Teckensnittsmarkeringen anger stilen</translation>
    </message>
    <message>
        <source>Font markup states the face</source>
        <extracomment>Tool tip of the policy &quot;Add FONT face markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Teckensnittsmarkeringen anger typsnittet</translation>
    </message>
    <message>
        <source>How far font markup reaches (a number)</source>
        <extracomment>Tool tip of the policy &quot;Scope for font tags&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Hur långt teckensnittsmarkeringen räcker (ett tal)</translation>
    </message>
    <message>
        <source>Write no font markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all font markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Skriv ingen teckensnittsmarkering alls</translation>
    </message>
    <message>
        <source>A styles file that defines named fonts</source>
        <extracomment>Tool tip of the policy &quot;Style file&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>En stilfil som definierar namngivna teckensnitt</translation>
    </message>
    <message>
        <source>The HTML version the documents are written in</source>
        <extracomment>Tool tip of the policy &quot;HTML version to be targeted&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>HTML-versionen som dokumenten skrivs i</translation>
    </message>
    <message>
        <source>The extension of output files, unless one of the choices below decides it</source>
        <extracomment>Tool tip of the policy &quot;Output file extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Utdatafilernas filändelse, om inte något av valen nedan bestämmer den</translation>
    </message>
    <message>
        <source>Output files end in &quot;.htm&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use .HTM extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Utdatafiler slutar på &quot;.htm&quot;</translation>
    </message>
    <message>
        <source>Output file names follow DOS rules (8.3) and end in &quot;.HTM&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use DOS filenames&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Utdatafilernas namn följer DOS-reglerna (8.3) och slutar på &quot;.HTM&quot;</translation>
    </message>
    <message>
        <source>The start of DOS output file names</source>
        <extracomment>Tool tip of the policy &quot;DOS filename root&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Början av DOS-utdatafilernas namn</translation>
    </message>
    <message>
        <source>Write only the contents of the body, to be pasted into another document</source>
        <extracomment>Tool tip of the policy &quot;Omit &lt;HEAD&gt; and &lt;BODY&gt; from output&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Skriv bara innehållet i body, för att klistra in i ett annat dokument</translation>
    </message>
    <message>
        <source>Write the smallest output</source>
        <extracomment>Tool tip of the policy &quot;Minimise HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Skriv minsta möjliga utdata</translation>
    </message>
    <message>
        <source>Long output lines are broken</source>
        <extracomment>Tool tip of the policy &quot;Break up long HTML lines&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Långa utdatarader bryts</translation>
    </message>
    <message>
        <source>A file whose text is put at the start of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML header file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>En fil vars text sätts i början av dokumentet</translation>
    </message>
    <message>
        <source>A file whose text is put at the end of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML footer file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>En fil vars text sätts i slutet av dokumentet</translation>
    </message>
    <message>
        <source>A file of script for the document&apos;s head</source>
        <extracomment>Tool tip of the policy &quot;HTML Script file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>En skriptfil för dokumentets huvud</translation>
    </message>
    <message>
        <source>A file of HTML fragments for the text-document features</source>
        <extracomment>Tool tip of the policy &quot;HTML fragments file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>En fil med HTML-fragment för textdokumentfunktionerna</translation>
    </message>
    <message>
        <source>The style sheet the document refers to</source>
        <extracomment>Tool tip of the policy &quot;Document Style Sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Formatmallen som dokumentet hänvisar till</translation>
    </message>
    <message>
        <source>A style sheet is written into the document itself</source>
        <extracomment>Tool tip of the policy &quot;Create embedded style sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>En formatmall skrivs in i själva dokumentet</translation>
    </message>
    <message>
        <source>The heading level at which the output is split into several files (none: not split)</source>
        <extracomment>Tool tip of the policy &quot;Split level&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Rubriknivån där utdata delas upp i flera filer (none: delas inte)</translation>
    </message>
    <message>
        <source>The fewest lines a split file must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Det minsta antalet rader i en delad fil (none: valfritt)</translation>
    </message>
    <message>
        <source>Split files get links to the previous and next file</source>
        <extracomment>Tool tip of the policy &quot;Add navigation bar&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Delade filer får länkar till föregående och nästa fil</translation>
    </message>
    <message>
        <source>The paper size of RTF documents</source>
        <extracomment>Tool tip of the policy &quot;Paper size&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Pappersstorleken för RTF-dokument</translation>
    </message>
    <message>
        <source>Pages are laid out across</source>
        <extracomment>Tool tip of the policy &quot;Use Landscape mode&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Sidorna läggs upp liggande</translation>
    </message>
    <message>
        <source>The top margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Top margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Övre marginalen i centimeter</translation>
    </message>
    <message>
        <source>The bottom margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Bottom margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Nedre marginalen i centimeter</translation>
    </message>
    <message>
        <source>The left margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Left margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Vänster marginal i centimeter</translation>
    </message>
    <message>
        <source>The right margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Right margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Höger marginal i centimeter</translation>
    </message>
    <message>
        <source>Left and right margins swap on facing pages</source>
        <extracomment>Tool tip of the policy &quot;Mirror margins&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Vänster och höger marginal byter plats på motstående sidor</translation>
    </message>
    <message>
        <source>The language the word processor checks the spelling in</source>
        <extracomment>Tool tip of the policy &quot;Language (for proofing)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Språket som ordbehandlaren kontrollerar stavningen på</translation>
    </message>
    <message>
        <source>How RTF styles are used (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of RTF Styles&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Hur RTF-format används (ett tal)</translation>
    </message>
    <message>
        <source>How far the first line of a paragraph is indented</source>
        <extracomment>Tool tip of the policy &quot;First line indentation (in blocks)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Hur långt den första raden i ett stycke dras in</translation>
    </message>
    <message>
        <source>Write the RTF as the source of a help file</source>
        <extracomment>Tool tip of the policy &quot;Make Windows Help source file&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Skriv RTF-filen som källa till en hjälpfil</translation>
    </message>
    <message>
        <source>The subject stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Subject&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Ämnet som sparas i dokumentets egenskaper</translation>
    </message>
    <message>
        <source>The author stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Author&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Författaren som sparas i dokumentets egenskaper</translation>
    </message>
    <message>
        <source>The manager stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Manager&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Chefen som sparas i dokumentets egenskaper</translation>
    </message>
    <message>
        <source>The category stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Category&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Kategorin som sparas i dokumentets egenskaper</translation>
    </message>
    <message>
        <source>The comments stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Comments&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Kommentarerna som sparas i dokumentets egenskaper</translation>
    </message>
    <message>
        <source>The company stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Company name&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Företaget som sparas i dokumentets egenskaper</translation>
    </message>
    <message>
        <source>Paragraphs get paragraph markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;P&gt; markup for paragraphs&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Stycken får styckemarkering</translation>
    </message>
    <message>
        <source>Definition paragraphs get definition list markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;DL&gt; markup for defn. paras&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Definitionsstycken får markering som definitionslista</translation>
    </message>
    <message>
        <source>Emphasis is written as EM and STRONG rather than I and B</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;EM&gt; and &lt;STRONG&gt; markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Framhävning skrivs som EM och STRONG i stället för I och B</translation>
    </message>
    <message>
        <source>Emphasised words get markup</source>
        <extracomment>Tool tip of the policy &quot;Add emphasis and bold markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Framhävda ord får markering</translation>
    </message>
    <message>
        <source>Paragraphs are labelled with style classes</source>
        <extracomment>Tool tip of the policy &quot;Label style classes&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Stycken märks med formatklasser</translation>
    </message>
    <message>
        <source>How Windows characters are written (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of Microsoft entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Hur Windows-tecken skrivs (ett tal)</translation>
    </message>
    <message>
        <source>How characters outside ASCII are written as HTML 4.0 entities (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of HTML 4.0 entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Hur tecken utanför ASCII skrivs som HTML 4.0-entiteter (ett tal)</translation>
    </message>
    <message>
        <source>How indented text is marked up (a number)</source>
        <extracomment>Tool tip of the policy &quot;Indentation markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Hur indragen text markeras (ett tal)</translation>
    </message>
    <message>
        <source>Each level of indentation adds to the one before</source>
        <extracomment>Tool tip of the policy &quot;Use incremental indentation markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Varje indragsnivå läggs till den föregående</translation>
    </message>
    <message>
        <source>How lists are marked up (0 to 2)</source>
        <extracomment>Tool tip of the policy &quot;List markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Hur listor markeras (0 till 2)</translation>
    </message>
    <message>
        <source>The whole document is centred</source>
        <extracomment>Tool tip of the policy &quot;CENTER whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Hela dokumentet centreras</translation>
    </message>
    <message>
        <source>The whole document is indented</source>
        <extracomment>Tool tip of the policy &quot;Indent whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Hela dokumentet dras in</translation>
    </message>
    <message>
        <source>The document is shown in a set of frames</source>
        <extracomment>Tool tip of the policy &quot;Place document in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Dokumentet visas i en uppsättning ramar</translation>
    </message>
    <message>
        <source>The name of the frame set file; * stands for the input&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Output frame name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Namnet på ramuppsättningens fil; * står för indatans namn</translation>
    </message>
    <message>
        <source>The height of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Sidhuvudramens höjd</translation>
    </message>
    <message>
        <source>The height of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Sidfotsramens höjd</translation>
    </message>
    <message>
        <source>The width of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame width&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Innehållsramens bredd</translation>
    </message>
    <message>
        <source>The document&apos;s header goes into the header frame</source>
        <extracomment>Tool tip of the policy &quot;Use main header in header frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Dokumentets sidhuvud hamnar i sidhuvudramen</translation>
    </message>
    <message>
        <source>The document&apos;s footer goes into the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Use main footer in footer frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Dokumentets sidfot hamnar i sidfotsramen</translation>
    </message>
    <message>
        <source>A frame with the contents list is added</source>
        <extracomment>Tool tip of the policy &quot;Add contents frame if possible&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>En ram med innehållsförteckningen läggs till</translation>
    </message>
    <message>
        <source>Frames are drawn with borders</source>
        <extracomment>Tool tip of the policy &quot;Add frame border&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Ramar ritas med kantlinjer</translation>
    </message>
    <message>
        <source>Links in the frames open in another window</source>
        <extracomment>Tool tip of the policy &quot;Open frame links in new window&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Länkar i ramarna öppnas i ett annat fönster</translation>
    </message>
    <message>
        <source>The name of that window</source>
        <extracomment>Tool tip of the policy &quot;New frame link window name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Namnet på det fönstret</translation>
    </message>
    <message>
        <source>Browsers without frames get a link to the plain document</source>
        <extracomment>Tool tip of the policy &quot;Add NOFRAMES links&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Webbläsare utan ramar får en länk till det enkla dokumentet</translation>
    </message>
    <message>
        <source>The address of that link</source>
        <extracomment>Tool tip of the policy &quot;NOFRAMES link URL&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Adressen till den länken</translation>
    </message>
    <message>
        <source>A page opened on its own reloads its frame set</source>
        <extracomment>Tool tip of the policy &quot;Only allow pages to be viewed in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>En sida som öppnas ensam läser in sin ramuppsättning igen</translation>
    </message>
    <message>
        <source>The number of the first frame page</source>
        <extracomment>Tool tip of the policy &quot;First frame page number&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Numret på den första ramsidan</translation>
    </message>
    <message>
        <source>How many heading levels the contents frame lists</source>
        <extracomment>Tool tip of the policy &quot;Number of levels in contents frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Hur många rubriknivåer innehållsramen visar</translation>
    </message>
    <message>
        <source>The background colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Sidhuvudramens bakgrundsfärg</translation>
    </message>
    <message>
        <source>The text colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Sidhuvudramens textfärg</translation>
    </message>
    <message>
        <source>The background colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Innehållsramens bakgrundsfärg</translation>
    </message>
    <message>
        <source>The text colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Innehållsramens textfärg</translation>
    </message>
    <message>
        <source>The background colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Sidfotsramens bakgrundsfärg</translation>
    </message>
    <message>
        <source>The text colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Sidfotsramens textfärg</translation>
    </message>
    <message>
        <source>Write a directory page that links to every file converted</source>
        <extracomment>Tool tip of the policy &quot;Make Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Skriv en katalogsida som länkar till varje konverterad fil</translation>
    </message>
    <message>
        <source>The name of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory filename&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Namnet på katalogsidan</translation>
    </message>
    <message>
        <source>The title of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Title&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Katalogsidans titel</translation>
    </message>
    <message>
        <source>The keywords of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Keywords&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Katalogsidans nyckelord</translation>
    </message>
    <message>
        <source>The description of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Description&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Katalogsidans beskrivning</translation>
    </message>
    <message>
        <source>The directory lists the titles of the files</source>
        <extracomment>Tool tip of the policy &quot;Show file Titles in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Katalogen visar filernas titlar</translation>
    </message>
    <message>
        <source>Headings are indented in the directory</source>
        <extracomment>Tool tip of the policy &quot;Indent headings in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Rubriker dras in i katalogen</translation>
    </message>
    <message>
        <source>The text of the link back to the directory</source>
        <extracomment>Tool tip of the policy &quot;Directory return hyperlink text&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Texten i länken tillbaka till katalogen</translation>
    </message>
    <message>
        <source>A file of script for the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Script file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>En skriptfil för katalogsidan</translation>
    </message>
    <message>
        <source>A file whose text starts the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory header file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>En fil vars text inleder katalogsidan</translation>
    </message>
    <message>
        <source>A file whose text ends the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory footer file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>En fil vars text avslutar katalogsidan</translation>
    </message>
    <message>
        <source>Directives in the source steer the conversion</source>
        <extracomment>Tool tip of the policy &quot;Use Preprocessor&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Direktiv i källan styr konverteringen</translation>
    </message>
    <message>
        <source>The characters that begin a directive line</source>
        <extracomment>Tool tip of the policy &quot;Directive delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Tecknen som inleder en direktivrad</translation>
    </message>
    <message>
        <source>The characters that open an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;Start tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Tecknen som öppnar en radintern tagg</translation>
    </message>
    <message>
        <source>The characters that close an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;End tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Tecknen som stänger en radintern tagg</translation>
    </message>
    <message>
        <source>In-line tags are shown in the output</source>
        <extracomment>Tool tip of the policy &quot;Show Tags in output&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Radinterna taggar visas i utdata</translation>
    </message>
    <message>
        <source>Long lines are not broken inside markup</source>
        <extracomment>Tool tip of the policy &quot;Avoid Tag breaks&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Långa rader bryts inte inuti markering</translation>
    </message>
    <message>
        <source>Markup that has no effect is removed</source>
        <extracomment>Tool tip of the policy &quot;Remove redundant tags&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Markering utan verkan tas bort</translation>
    </message>
    <message>
        <source>Check that opened markup is closed</source>
        <extracomment>Tool tip of the policy &quot;Monitor tag generation&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Kontrollera att öppnad markering stängs</translation>
    </message>
    <message>
        <source>Which comments are written into the output (a number)</source>
        <extracomment>Tool tip of the policy &quot;Comment generation code&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Vilka kommentarer som skrivs i utdata (ett tal)</translation>
    </message>
    <message>
        <source>A file of text commands that replace texts</source>
        <extracomment>Tool tip of the policy &quot;Text substitution file&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>En fil med textkommandon som ersätter texter</translation>
    </message>
</context>
<context>
    <name>tabulyst::MainWindow</name>
    <message>
        <source>Fil&amp;e(s) to convert</source>
        <extracomment>Label of the file list (main window); &amp; marks the access key</extracomment>
        <translation>&amp;Fil(er) att konvertera</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <extracomment>Button beside the file list (main window)</extracomment>
        <translation>&amp;Bläddra...</translation>
    </message>
    <message>
        <source>&amp;Input file type</source>
        <extracomment>Label of the input type list (main window)</extracomment>
        <translation>&amp;Indatafiltyp</translation>
    </message>
    <message>
        <source>&amp;Delimiter</source>
        <extracomment>Label of the one-character delimiter edit (main window)</extracomment>
        <translation>&amp;Avgränsare</translation>
    </message>
    <message>
        <source>Conversion T&amp;ype</source>
        <extracomment>Label of the conversion type list (main window)</extracomment>
        <translation>Konverterings&amp;typ</translation>
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
        <translation>Utdatafil&amp;namn</translation>
    </message>
    <message>
        <source>Output Di&amp;rectory</source>
        <extracomment>Label of the output directory list (main window)</extracomment>
        <translation>Utdata&amp;katalog</translation>
    </message>
    <message>
        <source>Policy file</source>
        <extracomment>Title of the group around the policy file controls (main window)</extracomment>
        <translation>Policyfil</translation>
    </message>
    <message>
        <source>Load &amp;policy file</source>
        <extracomment>Label of the policy file list (main window)</extracomment>
        <translation>Läs in &amp;policyfil</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <extracomment>Button that returns every policy to its default (main window)</extracomment>
        <translation>Åte&amp;rställ</translation>
    </message>
    <message>
        <source>C&amp;onvert File(s)...</source>
        <extracomment>Button that starts the conversion (main window)</extracomment>
        <translation>K&amp;onvertera fil(er)...</translation>
    </message>
    <message>
        <source>View Res&amp;ults...</source>
        <extracomment>Button that opens the last result (main window)</extracomment>
        <translation>Visa res&amp;ultat...</translation>
    </message>
    <message>
        <source>Select the file(s) you want converted</source>
        <extracomment>Tool tip of the file list and its &quot;Browse...&quot; button (main window)</extracomment>
        <translation>Välj filen/filerna som du vill konvertera</translation>
    </message>
    <message>
        <source>What kind of data do the input files hold?</source>
        <extracomment>Tool tip of the &quot;Input file type&quot; list (main window)</extracomment>
        <translation>Vilken sorts data innehåller indatafilerna?</translation>
    </message>
    <message>
        <source>Select the delimiter character to separate columns of data</source>
        <extracomment>Tool tip of the &quot;Delimiter&quot; edit (main window)</extracomment>
        <translation>Välj avgränsningstecknet som skiljer datakolumnerna åt</translation>
    </message>
    <message>
        <source>What type of conversion do you want to attempt?</source>
        <extracomment>Tool tip of the &quot;Conversion Type&quot; list (main window)</extracomment>
        <translation>Vilken typ av konvertering vill du försöka med?</translation>
    </message>
    <message>
        <source>Select the output file extension</source>
        <extracomment>Tool tip of the .html, .htm and .rtf buttons (main window)</extracomment>
        <translation>Välj utdatafilens filändelse</translation>
    </message>
    <message>
        <source>Select the output filename</source>
        <extracomment>Tool tip of the &quot;Output filename&quot; edit (main window)</extracomment>
        <translation>Välj utdatafilens namn</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Tool tip of the &quot;Output Directory&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Välj en utdatakatalog.  Den måste vara skrivbar</translation>
    </message>
    <message>
        <source>Select a policy file to load</source>
        <extracomment>Tool tip of the &quot;Load policy file&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Välj en policyfil att läsa in</translation>
    </message>
    <message>
        <source>Reset all policies to their default values</source>
        <extracomment>Tool tip of the &quot;Reset&quot; button (main window)</extracomment>
        <translation>Återställ alla policyer till sina standardvärden</translation>
    </message>
    <message>
        <source>Start the conversion</source>
        <extracomment>Tool tip of the &quot;Convert File(s)...&quot; button (main window)</extracomment>
        <translation>Starta konverteringen</translation>
    </message>
    <message>
        <source>View the result of the last conversion</source>
        <extracomment>Tool tip of the &quot;View Results...&quot; button (main window)</extracomment>
        <translation>Visa resultatet av den senaste konverteringen</translation>
    </message>
    <message>
        <source>The last HTML result as it will look</source>
        <extracomment>Tool tip of the preview pane (main window)</extracomment>
        <translation>Det senaste HTML-resultatet som det kommer att se ut</translation>
    </message>
    <message>
        <source>*** No Tool Tip text for this control ***</source>
        <extracomment>Tool tip of a control that has none of its own</extracomment>
        <translation>*** Ingen knappbeskrivning för denna kontroll ***</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a double quote and cannot be converted together with other files.</source>
        <extracomment>Message box text; %1 is a file name</extracomment>
        <translation>&quot;%1&quot; innehåller ett citattecken och kan inte konverteras tillsammans med andra filer.</translation>
    </message>
    <message>
        <source>The last result is an RTF document:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>Det senaste resultatet är ett RTF-dokument:
%1</translation>
    </message>
    <message>
        <source>The last result cannot be previewed:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>Det senaste resultatet kan inte förhandsgranskas:
%1</translation>
    </message>
    <message>
        <source>Load policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Load policy file...</extracomment>
        <translation>Läs in policyfil</translation>
    </message>
    <message>
        <source>Save policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Save policy file...</extracomment>
        <translation>Spara policyfil</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists. Replace it?</source>
        <extracomment>Question before a policy file is replaced; %1 is its name</extracomment>
        <translation>&quot;%1&quot; finns redan. Ersätta den?</translation>
    </message>
    <message>
        <source>Which policies shall the file hold?</source>
        <extracomment>Question of File &gt; Save policy file..., answered with one of the two buttons below</extracomment>
        <translation>Vilka policyer ska filen innehålla?</translation>
    </message>
    <message>
        <source>Save changed policies only (recommended)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Spara bara ändrade policyer (rekommenderas)</translation>
    </message>
    <message>
        <source>Save all policies to file (only ever use this to get a sample file)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Spara alla policyer i filen (använd bara för att få en exempelfil)</translation>
    </message>
    <message>
        <source>Cannot write the policy file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the policy file&apos;s name</extracomment>
        <translation>Det går inte att skriva policyfilen &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>About Tabulyst</source>
        <extracomment>Title of the About box (Help &gt; About...)</extracomment>
        <translation>Om Tabulyst</translation>
    </message>
    <message>
        <source>Tabulyst %1

Turns tables laid out in plain text and delimited data into HTML and RTF documents.</source>
        <extracomment>Text of the About box; %1 is the version</extracomment>
        <translation>Tabulyst %1

Gör om tabeller i oformaterad text och avgränsade data till HTML- och RTF-dokument.</translation>
    </message>
    <message>
        <source>Steering files not yet supported</source>
        <extracomment>Message box text: a parameter beginning with &quot;@&quot; names a steering file</extracomment>
        <translation>Styrfiler stöds inte ännu</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Engelska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Spanska</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Portugisiska</translation>
    </message>
    <message>
        <source>German</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Tyska</translation>
    </message>
    <message>
        <source>Italian</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Italienska</translation>
    </message>
    <message>
        <source>French</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Franska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Conversion options</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Konverteringsalternativ</translation>
    </message>
    <message>
        <source>&amp;Analysis policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the analysis policies sheet</extracomment>
        <translation>&amp;Analyspolicyer</translation>
    </message>
    <message>
        <source>&amp;Output Policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the output policies sheet</extracomment>
        <translation>&amp;Utdatapolicyer</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>Convert...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>Konvertera...</translation>
    </message>
    <message>
        <source>&amp;Load policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Läs in policyfil...</translation>
    </message>
    <message>
        <source>&amp;Save policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Spara policyfil...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>&amp;What to look for</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;What to look for&quot;</extracomment>
        <translation>&amp;Vad som ska sökas</translation>
    </message>
    <message>
        <source>&amp;Bullets and lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Bullets&quot;</extracomment>
        <translation>&amp;Punkter och listor</translation>
    </message>
    <message>
        <source>&amp;Contents lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Contents List&quot;</extracomment>
        <translation>&amp;Innehållsförteckningar</translation>
    </message>
    <message>
        <source>&amp;File structure</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;File structure&quot;</extracomment>
        <translation>&amp;Filstruktur</translation>
    </message>
    <message>
        <source>&amp;Headings</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Headings&quot;</extracomment>
        <translation>&amp;Rubriker</translation>
    </message>
    <message>
        <source>&amp;General layout</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Analysis&quot;</extracomment>
        <translation>&amp;Allmän layout</translation>
    </message>
    <message>
        <source>&amp;Pre-formatted text</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>&amp;Förformaterad text</translation>
    </message>
    <message>
        <source>&amp;Tables</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Table analysis&quot;</extracomment>
        <translation>&amp;Tabeller</translation>
    </message>
    <message>
        <source>&amp;Title, description etc</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document details&quot;</extracomment>
        <translation>&amp;Titel, beskrivning m.m.</translation>
    </message>
    <message>
        <source>T&amp;able generation</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Table generation&quot;</extracomment>
        <translation>Tabell&amp;generering</translation>
    </message>
    <message>
        <source>&amp;Document colours</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document colours&quot;</extracomment>
        <translation>&amp;Dokumentfärger</translation>
    </message>
    <message>
        <source>&amp;Hyperlinks</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Hyperlinks&quot;</extracomment>
        <translation>&amp;Hyperlänkar</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Fonts&quot;</extracomment>
        <translation>&amp;Teckensnitt</translation>
    </message>
    <message>
        <source>Document &amp;settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document settings&quot;</extracomment>
        <translation>Dokument&amp;inställningar</translation>
    </message>
    <message>
        <source>&amp;RTF settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;RTF configuration&quot;</extracomment>
        <translation>&amp;RTF-inställningar</translation>
    </message>
    <message>
        <source>Re-anal&amp;yse the file</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>Anal&amp;ysera filen igen</translation>
    </message>
    <message>
        <source>&amp;Reset to defaults</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>Å&amp;terställ standardvärden</translation>
    </message>
    <message>
        <source>Do&amp;cumentation</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Documentation&quot;</extracomment>
        <translation>Do&amp;kumentation</translation>
    </message>
    <message>
        <source>&amp;Drag and drop properties</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Drag&apos;n&apos;Drop&quot;</extracomment>
        <translation>Egenskaper för &amp;dra och släpp</translation>
    </message>
    <message>
        <source>Dia&amp;gnostics</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Messages&quot;</extracomment>
        <translation>Dia&amp;gnostik</translation>
    </message>
    <message>
        <source>&amp;Viewers for results files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Viewers&quot;</extracomment>
        <translation>&amp;Visare för resultatfiler</translation>
    </message>
    <message>
        <source>Use of &amp;Policy files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Policy files&quot;</extracomment>
        <translation>Användning av &amp;policyfiler</translation>
    </message>
    <message>
        <source>Show &amp;Tool Tips</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Visa &amp;knappbeskrivningar</translation>
    </message>
    <message>
        <source>Show Status Dialog</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Visa statusfönster</translation>
    </message>
    <message>
        <source>Show results automatically</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Visa resultat automatiskt</translation>
    </message>
    <message>
        <source>Other...</source>
        <extracomment>Last entry of the Language menu, for languages of language files (not supported)</extracomment>
        <translation>Annat...</translation>
    </message>
    <message>
        <source>View &amp;messages from last conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Visa &amp;meddelanden från senaste konverteringen</translation>
    </message>
    <message>
        <source>View the last &amp;Conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Visa den senaste &amp;konverteringen</translation>
    </message>
    <message>
        <source>&amp;Preview pane</source>
        <extracomment>Entry of the View menu, a switch with a check mark</extracomment>
        <translation>&amp;Förhandsgranskning</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Om...</translation>
    </message>
</context>
<context>
    <name>tabulyst::MessagesPage</name>
    <message>
        <source>Error reporting level</source>
        <extracomment>Label of a slider on the &quot;Messages&quot; page</extracomment>
        <translation>Felrapporteringsnivå</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Låg</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Hög</translation>
    </message>
    <message>
        <source>How many messages are shown: low shows only the most important</source>
        <extracomment>Tool tip of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Hur många meddelanden som visas: låg visar bara de viktigaste</translation>
    </message>
    <message>
        <source>Show INFO messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Visa INFO-meddelanden</translation>
    </message>
    <message>
        <source>Show WARNING messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Visa WARNING-meddelanden</translation>
    </message>
    <message>
        <source>Show TAG ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Visa TAG ERROR-meddelanden</translation>
    </message>
    <message>
        <source>Show PROGRAM ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Visa PROGRAM ERROR-meddelanden</translation>
    </message>
    <message>
        <source>Show URL messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>Visa URL-meddelanden</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;INFO:&quot;</source>
        <extracomment>Tool tip of &quot;Show INFO messages&quot;</extracomment>
        <translation>Visa meddelandena som börjar med &quot;INFO:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;WARNING:&quot;</source>
        <extracomment>Tool tip of &quot;Show WARNING messages&quot;</extracomment>
        <translation>Visa meddelandena som börjar med &quot;WARNING:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;TAG ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show TAG ERROR messages&quot;</extracomment>
        <translation>Visa meddelandena som börjar med &quot;TAG ERROR:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;PROGRAM ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show PROGRAM ERROR messages&quot;</extracomment>
        <translation>Visa meddelandena som börjar med &quot;PROGRAM ERROR:&quot;</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;URL:&quot;</source>
        <extracomment>Tool tip of &quot;Show URL messages&quot;</extracomment>
        <translation>Visa meddelandena som börjar med &quot;URL:&quot;</translation>
    </message>
</context>
<context>
    <name>tabulyst::PolicyFilesPage</name>
    <message>
        <source>Select the default policy file</source>
        <extracomment>Caption of the file chooser for the default policy file (&quot;Policy files&quot; page)</extracomment>
        <translation>Välj standardpolicyfilen</translation>
    </message>
    <message>
        <source>Use a default policy file</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Använd en standardpolicyfil</translation>
    </message>
    <message>
        <source>Load this policy file for every conversion</source>
        <extracomment>Tool tip of &quot;Use a default policy file&quot;</extracomment>
        <translation>Läs in den här policyfilen vid varje konvertering</translation>
    </message>
    <message>
        <source>The default policy file</source>
        <extracomment>Tool tip of the default policy file&apos;s name</extracomment>
        <translation>Standardpolicyfilen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Bläddra...</translation>
    </message>
    <message>
        <source>Choose the default policy file</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the default policy file</extracomment>
        <translation>Välj standardpolicyfilen</translation>
    </message>
    <message>
        <source>Always reload policy file during conversion (slower, but picks up any changes)</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Läs alltid in policyfilen igen vid konvertering (långsammare, men fångar alla ändringar)</translation>
    </message>
    <message>
        <source>Read the policy file again before every conversion</source>
        <extracomment>Tool tip of &quot;Always reload policy file during conversion ...&quot;</extracomment>
        <translation>Läs policyfilen igen före varje konvertering</translation>
    </message>
</context>
<context>
    <name>tabulyst::PropertySheet</name>
    <message>
        <source>Analysis policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Analysis policies&quot;</extracomment>
        <translation>Analyspolicyer</translation>
    </message>
    <message>
        <source>Output policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Output Policies&quot;</extracomment>
        <translation>Utdatapolicyer</translation>
    </message>
    <message>
        <source>Program settings</source>
        <extracomment>Caption of the property sheet opened from the &quot;Settings&quot; menu</extracomment>
        <translation>Programinställningar</translation>
    </message>
    <message>
        <source>Apply the changes and close</source>
        <extracomment>Tool tip of the OK button of a property sheet</extracomment>
        <translation>Verkställ ändringarna och stäng</translation>
    </message>
    <message>
        <source>Close without applying; the changes are kept for the next opening</source>
        <extracomment>Tool tip of the Cancel button of a property sheet</extracomment>
        <translation>Stäng utan att verkställa; ändringarna sparas till nästa gång</translation>
    </message>
    <message>
        <source>Apply the changes and keep the sheet open</source>
        <extracomment>Tool tip of the Apply button of a property sheet</extracomment>
        <translation>Verkställ ändringarna och låt fönstret vara öppet</translation>
    </message>
    <message>
        <source>What to look for</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Vad som ska sökas</translation>
    </message>
    <message>
        <source>Bullets</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Punkter</translation>
    </message>
    <message>
        <source>Contents List</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Innehållsförteckning</translation>
    </message>
    <message>
        <source>File structure</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Filstruktur</translation>
    </message>
    <message>
        <source>Headings</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Rubriker</translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Analys</translation>
    </message>
    <message>
        <source>Pre-formatted text</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Förformaterad text</translation>
    </message>
    <message>
        <source>Table analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Tabellanalys</translation>
    </message>
    <message>
        <source>Table layout</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Tabellayout</translation>
    </message>
    <message>
        <source>Document details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dokumentuppgifter</translation>
    </message>
    <message>
        <source>Table generation</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Tabellgenerering</translation>
    </message>
    <message>
        <source>Table details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Tabelldetaljer</translation>
    </message>
    <message>
        <source>Document colours</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dokumentfärger</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Hyperlänkar</translation>
    </message>
    <message>
        <source>Fonts</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Teckensnitt</translation>
    </message>
    <message>
        <source>Document settings</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dokumentinställningar</translation>
    </message>
    <message>
        <source>RTF configuration</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>RTF-konfiguration</translation>
    </message>
    <message>
        <source>HTML markup</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>HTML-markering</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Ramar</translation>
    </message>
    <message>
        <source>Directory page</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Katalogsida</translation>
    </message>
    <message>
        <source>Tags and directives</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Taggar och direktiv</translation>
    </message>
    <message>
        <source>Documentation</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Dra och släpp</translation>
    </message>
    <message>
        <source>Messages</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Meddelanden</translation>
    </message>
    <message>
        <source>Viewers</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Visare</translation>
    </message>
    <message>
        <source>Policy files</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Policyfiler</translation>
    </message>
</context>
<context>
    <name>tabulyst::StatusWindow</name>
    <message>
        <source>Tabulyst - messages</source>
        <extracomment>Title of the status window, which shows the messages of a conversion</extracomment>
        <translation>Tabulyst - meddelanden</translation>
    </message>
    <message>
        <source>Auto-dismiss on completion</source>
        <extracomment>Check box of the status window</extracomment>
        <translation>Stäng automatiskt när det är klart</translation>
    </message>
    <message>
        <source>Close this window when a conversion succeeds</source>
        <extracomment>Tool tip of &quot;Auto-dismiss on completion&quot;</extracomment>
        <translation>Stäng det här fönstret när en konvertering lyckas</translation>
    </message>
    <message>
        <source>The messages of the last conversion</source>
        <extracomment>Tool tip of the message text of the status window</extracomment>
        <translation>Meddelandena från den senaste konverteringen</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableAnalysisPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Försök att känna igen och generera TABELLER</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Leta efter tabeller i texten och skriv dem som tabeller</translation>
    </message>
    <message>
        <source>Extend preformatted regions</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Utvidga förformaterade områden</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Låg</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Hög</translation>
    </message>
    <message>
        <source>How readily lines next to a table are taken into it</source>
        <extracomment>Tool tip of the slider &quot;Extend preformatted regions&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Hur gärna rader intill en tabell tas med i den</translation>
    </message>
    <message>
        <source>Is the table expected to have sparse columns</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Förväntas tabellen ha glesa kolumner</translation>
    </message>
    <message>
        <source>Many cells of the tables are expected to be empty</source>
        <extracomment>Tool tip of &quot;Is the table expected to have sparse columns&quot;</extracomment>
        <translation>Många celler i tabellerna förväntas vara tomma</translation>
    </message>
    <message>
        <source>Ignore table header when analysing column pocitions</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page (the spelling is the program&apos;s own)</extracomment>
        <translation>Ignorera tabellhuvudet vid analys av kolumnpositioner</translation>
    </message>
    <message>
        <source>The header lines do not take part in finding the columns</source>
        <extracomment>Tool tip of &quot;Ignore table header when analysing column positions&quot;</extracomment>
        <translation>Rubrikraderna deltar inte när kolumnerna söks</translation>
    </message>
    <message>
        <source>Merge together &quot;poor&quot; columns</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Slå ihop &quot;svaga&quot; kolumner</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>Left end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Aldrig</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>Right end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Alltid</translation>
    </message>
    <message>
        <source>How readily columns that are mostly empty, or run into the next, are merged</source>
        <extracomment>Tool tip of the slider &quot;Merge together &quot;poor&quot; columns&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Hur gärna kolumner som mest är tomma, eller går in i nästa, slås ihop</translation>
    </message>
    <message>
        <source>Minimum number of spaces between columns</source>
        <extracomment>Label of a number edit on the &quot;Table analysis&quot; page</extracomment>
        <translation>Minsta antal blanksteg mellan kolumner</translation>
    </message>
    <message>
        <source>The narrowest gap of blanks that separates two columns</source>
        <extracomment>Tool tip of &quot;Minimum number of spaces between columns&quot;</extracomment>
        <translation>Den smalaste luckan av blanksteg som skiljer två kolumner åt</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableGenerationPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Försök att känna igen och generera TABELLER</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table generation&quot; page</extracomment>
        <translation>Leta efter tabeller i texten och skriv dem som tabeller</translation>
    </message>
    <message>
        <source>Number of header rows</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Antal rubrikrader</translation>
    </message>
    <message>
        <source>How many rows at the top of each table are header rows</source>
        <extracomment>Tool tip of &quot;Number of header rows&quot;</extracomment>
        <translation>Hur många rader överst i varje tabell som är rubrikrader</translation>
    </message>
    <message>
        <source>CELLPADDING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLPADDING</translation>
    </message>
    <message>
        <source>The space between the border of a cell and its text</source>
        <extracomment>Tool tip of &quot;CELLPADDING&quot;</extracomment>
        <translation>Avståndet mellan en cells kant och dess text</translation>
    </message>
    <message>
        <source>CELLSPACING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLSPACING</translation>
    </message>
    <message>
        <source>The space between neighbouring cells</source>
        <extracomment>Tool tip of &quot;CELLSPACING&quot;</extracomment>
        <translation>Avståndet mellan intilliggande celler</translation>
    </message>
    <message>
        <source>BORDER size</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>BORDER-storlek</translation>
    </message>
    <message>
        <source>The width of the table&apos;s border (none: no border)</source>
        <extracomment>Tool tip of &quot;BORDER size&quot;</extracomment>
        <translation>Tabellkantens bredd (none: ingen kant)</translation>
    </message>
    <message>
        <source>Table width</source>
        <extracomment>Label of a text edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Tabellbredd</translation>
    </message>
    <message>
        <source>The width of each table, in pixels or as a percentage such as 100%</source>
        <extracomment>Tool tip of &quot;Table width&quot;</extracomment>
        <translation>Varje tabells bredd, i bildpunkter eller i procent, till exempel 100%</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>Label of a colour (text, swatch and chooser) on the &quot;Table generation&quot; page</extracomment>
        <translation>Bakgrund</translation>
    </message>
    <message>
        <source>The background colour of tables: a colour name or six hexadecimal digits</source>
        <extracomment>Tool tip of the &quot;Background&quot; colour</extracomment>
        <translation>Tabellernas bakgrundsfärg: ett färgnamn eller sex hexadecimala siffror</translation>
    </message>
    <message>
        <source>Border colour</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Kantfärg</translation>
    </message>
    <message>
        <source>The colour of the table&apos;s border</source>
        <extracomment>Tool tip of the &quot;Border colour&quot; colour</extracomment>
        <translation>Tabellkantens färg</translation>
    </message>
    <message>
        <source>Colour odd and even rows differently</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Färglägg udda och jämna rader olika</translation>
    </message>
    <message>
        <source>Data rows are coloured alternately with the two colours below</source>
        <extracomment>Tool tip of &quot;Colour odd and even rows differently&quot;</extracomment>
        <translation>Dataraderna färgas växelvis med de två färgerna nedan</translation>
    </message>
    <message>
        <source>Odd Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Udda rader</translation>
    </message>
    <message>
        <source>The colour of the first, third, fifth ... data row</source>
        <extracomment>Tool tip of the &quot;Odd Rows&quot; colour</extracomment>
        <translation>Färgen på den första, tredje, femte ... dataraden</translation>
    </message>
    <message>
        <source>Even Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Jämna rader</translation>
    </message>
    <message>
        <source>The colour of the second, fourth, sixth ... data row</source>
        <extracomment>Tool tip of the &quot;Even Rows&quot; colour</extracomment>
        <translation>Färgen på den andra, fjärde, sjätte ... dataraden</translation>
    </message>
    <message>
        <source>Table alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Tabelljustering</translation>
    </message>
    <message>
        <source>Where tables stand on the page</source>
        <extracomment>Tool tip of &quot;Table alignment&quot;</extracomment>
        <translation>Var tabellerna står på sidan</translation>
    </message>
    <message>
        <source>Table cell alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Justering av tabellceller</translation>
    </message>
    <message>
        <source>How the text of the cells is aligned; Auto-Detect decides column by column</source>
        <extracomment>Tool tip of &quot;Table cell alignment&quot;</extracomment>
        <translation>Hur cellernas text justeras; Automatisk avgör kolumn för kolumn</translation>
    </message>
    <message>
        <source>Convert any section cross references in the table into hyperlinks</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Gör om avsnittshänvisningar i tabellen till hyperlänkar</translation>
    </message>
    <message>
        <source>References to sections inside the cells become links</source>
        <extracomment>Tool tip of &quot;Convert any section cross references in the table into hyperlinks&quot;</extracomment>
        <translation>Hänvisningar till avsnitt i cellerna blir länkar</translation>
    </message>
</context>
<context>
    <name>tabulyst::ViewersPage</name>
    <message>
        <source>Select the viewer program</source>
        <extracomment>Caption of the file chooser for a viewer program (&quot;Viewers&quot; page)</extracomment>
        <translation>Välj visarprogrammet</translation>
    </message>
    <message>
        <source>Automatically view results after each conversion</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Visa resultaten automatiskt efter varje konvertering</translation>
    </message>
    <message>
        <source>Open each result in its viewer as soon as it is written</source>
        <extracomment>Tool tip of &quot;Automatically view results after each conversion&quot;</extracomment>
        <translation>Öppna varje resultat i visaren så snart det har skrivits</translation>
    </message>
    <message>
        <source>Command used to view .HTML results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Kommando för att visa .HTML-resultat</translation>
    </message>
    <message>
        <source>The browser program, with any arguments; empty: the desktop&apos;s browser</source>
        <extracomment>Tool tip of &quot;Command used to view .HTML results&quot;</extracomment>
        <translation>Webbläsarprogrammet, med eventuella argument; tomt: skrivbordets webbläsare</translation>
    </message>
    <message>
        <source>Use DDE to view results</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Använd DDE för att visa resultat</translation>
    </message>
    <message>
        <source>Ask a running browser to show the result rather than starting one</source>
        <extracomment>Tool tip of &quot;Use DDE to view results&quot;</extracomment>
        <translation>Be en webbläsare som redan körs att visa resultatet i stället för att starta en ny</translation>
    </message>
    <message>
        <source>DDE service name</source>
        <extracomment>Label of a list on the &quot;Viewers&quot; page</extracomment>
        <translation>DDE-tjänstens namn</translation>
    </message>
    <message>
        <source>The name under which the browser answers DDE requests</source>
        <extracomment>Tool tip of &quot;DDE service name&quot;</extracomment>
        <translation>Namnet som webbläsaren svarar på DDE-förfrågningar under</translation>
    </message>
    <message>
        <source>Add &quot;file://localhost/&quot; prefix to URLs</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Lägg till prefixet &quot;file://localhost/&quot; till adresser</translation>
    </message>
    <message>
        <source>Hand the viewer the result as a file://localhost/ address instead of a path</source>
        <extracomment>Tool tip of &quot;Add &quot;file://localhost/&quot; prefix to URLs&quot;</extracomment>
        <translation>Ge visaren resultatet som en file://localhost/-adress i stället för en sökväg</translation>
    </message>
    <message>
        <source>Command used to view .RTF results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Kommando för att visa .RTF-resultat</translation>
    </message>
    <message>
        <source>The word processor or viewer program for RTF results; empty: the desktop&apos;s</source>
        <extracomment>Tool tip of &quot;Command used to view .RTF results&quot;</extracomment>
        <translation>Ordbehandlaren eller visaren för RTF-resultat; tomt: skrivbordets</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Bläddra...</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside a viewer command</extracomment>
        <translation>Välj visarprogrammet</translation>
    </message>
</context>
</TS>
