<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MessageCatalogue</name>
    <message>
        <source>No file selected</source>
        <extracomment>Title of a message box: no input file was chosen</extracomment>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>No analysis necessary</source>
        <extracomment>Message box text: the file needs no new analysis</extracomment>
        <translation>Keine Analyse nötig</translation>
    </message>
    <message>
        <source>Directory Error</source>
        <extracomment>Title of the message box about an unusable input or output directory</extracomment>
        <translation>Verzeichnisfehler</translation>
    </message>
    <message>
        <source>File selection error</source>
        <extracomment>Title of the message box about files that could not be chosen or found</extracomment>
        <translation>Fehler bei der Dateiauswahl</translation>
    </message>
    <message>
        <source>Failed to auto-detect default browser</source>
        <extracomment>Title of the message box when no viewer for the results can be found</extracomment>
        <translation>Standardbrowser konnte nicht erkannt werden</translation>
    </message>
    <message>
        <source>Policy File Error</source>
        <extracomment>Title of the message box about a policy file that cannot be read</extracomment>
        <translation>Fehler in der Richtliniendatei</translation>
    </message>
    <message>
        <source>Error launching browser</source>
        <extracomment>Title of the message box when a viewer program cannot be started</extracomment>
        <translation>Fehler beim Starten des Browsers</translation>
    </message>
    <message>
        <source>Convert Error</source>
        <extracomment>Title of the message box when a conversion failed</extracomment>
        <translation>Konvertierungsfehler</translation>
    </message>
    <message>
        <source>Output File Error</source>
        <extracomment>Title of the message box when a file cannot be written</extracomment>
        <translation>Fehler in der Ausgabedatei</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <extracomment>Title of the question whether to save the changed policies</extracomment>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>Input File Error</source>
        <extracomment>Title of the message box when no input file has been chosen yet</extracomment>
        <translation>Fehler in der Eingabedatei</translation>
    </message>
    <message>
        <source>No conversion done yet</source>
        <extracomment>Title of the message box when there is no result to view yet</extracomment>
        <translation>Noch keine Konvertierung durchgeführt</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <extracomment>Caption of the command that returns every policy to its default</extracomment>
        <translation>Auf Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>Function still to be added</source>
        <extracomment>Message box text for a command not yet available</extracomment>
        <translation>Funktion noch nicht verfügbar</translation>
    </message>
    <message>
        <source>File location error</source>
        <extracomment>Title of the message box about a file given at start that is not there</extracomment>
        <translation>Fehler beim Auffinden der Datei</translation>
    </message>
    <message>
        <source>Reanalyse source file</source>
        <extracomment>Caption of the command that analyses the source file again</extracomment>
        <translation>Quelldatei neu analysieren</translation>
    </message>
    <message>
        <source>Reload policies</source>
        <extracomment>Caption of the command that reads the policies again</extracomment>
        <translation>Richtlinien neu laden</translation>
    </message>
    <message>
        <source>Email error</source>
        <extracomment>Title of the message box about the mail program</extracomment>
        <translation>E-Mail-Fehler</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Caption of the folder chooser for the output directory (also a tool tip)</extracomment>
        <translation>Wählen Sie ein Ausgabeverzeichnis.  Es muss beschreibbar sein</translation>
    </message>
    <message>
        <source>Select an input directory</source>
        <extracomment>Caption of the folder chooser for the input directory</extracomment>
        <translation>Wählen Sie ein Eingabeverzeichnis</translation>
    </message>
    <message>
        <source>Problems using DDE detected</source>
        <extracomment>Title of the message box about a browser that did not answer over DDE</extracomment>
        <translation>Probleme mit DDE festgestellt</translation>
    </message>
    <message>
        <source>Problems detected using DDE last time.
<byte value="xd"/>Disabling DDE.  Use Settings/Viewers to re-enable</source>
        <extracomment>Message box text: DDE viewing is switched off at start; 
 starts a new line</extracomment>
        <translation>Beim letzten Mal gab es Probleme mit DDE.
DDE wird abgeschaltet.  Unter Einstellungen/Betrachter wieder einschalten</translation>
    </message>
    <message>
        <source>Must choose a file first</source>
        <extracomment>Message box text: View Results was asked for before any file was chosen</extracomment>
        <translation>Wählen Sie zuerst eine Datei</translation>
    </message>
    <message>
        <source>No analysis needed until policies or files are changed</source>
        <extracomment>Message box text: nothing changed since the last analysis</extracomment>
        <translation>Keine Analyse nötig, bis sich Richtlinien oder Dateien ändern</translation>
    </message>
    <message>
        <source>Invalid Input Directory</source>
        <extracomment>Message box text: the directory of the input files cannot be used</extracomment>
        <translation>Ungültiges Eingabeverzeichnis</translation>
    </message>
    <message>
        <source>Invalid Output Directory.
<byte value="xd"/>Must be writable</source>
        <extracomment>Message box text: the output directory cannot be written; 
 starts a new line</extracomment>
        <translation>Ungültiges Ausgabeverzeichnis.
Es muss beschreibbar sein</translation>
    </message>
    <message>
        <source>No files found &quot;xxxxxx&quot;</source>
        <extracomment>Message box text and status line: nothing matched the file list; xxxxxx is replaced by the list</extracomment>
        <translation>Keine Dateien gefunden &quot;xxxxxx&quot;</translation>
    </message>
    <message>
        <source>Please use the Settings Menu to locate your browser manually</source>
        <extracomment>Message box text: no viewer for the results was found</extracomment>
        <translation>Bitte geben Sie Ihren Browser über das Menü Einstellungen selbst an</translation>
    </message>
    <message>
        <source>Can&apos;t find policy file &quot;xxxxxx&quot;</source>
        <extracomment>Message box text: the policy file cannot be read; xxxxxx is replaced by its name</extracomment>
        <translation>Richtliniendatei &quot;xxxxxx&quot; nicht gefunden</translation>
    </message>
    <message>
        <source>No URL supplied.  Cannot launch browser</source>
        <extracomment>Message box text: a browser was asked to show nothing</extracomment>
        <translation>Keine Adresse angegeben.  Browser kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>No Filename supplied.  Cannot launch viewer</source>
        <extracomment>Message box text: a viewer was asked to show no file</extracomment>
        <translation>Kein Dateiname angegeben.  Betrachter kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Command &quot;ccc url&quot; failed.
<byte value="xd"/>  Error code=nnn</source>
        <extracomment>Message box text: a viewer program could not be started; ccc, url and nnn are replaced by the command, the file and the error number</extracomment>
        <translation>Befehl &quot;ccc url&quot; fehlgeschlagen.
  Fehlercode=nnn</translation>
    </message>
    <message>
        <source>Conversion failed</source>
        <extracomment>Message box text: a conversion failed</extracomment>
        <translation>Konvertierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unable to locate file &quot;ffffff&quot;</source>
        <extracomment>Message box text: a file named at start is not there; ffffff is replaced by its name</extracomment>
        <translation>Datei &quot;ffffff&quot; nicht gefunden</translation>
    </message>
    <message>
        <source>Must choose a file name</source>
        <extracomment>Message box text: no file name was given</extracomment>
        <translation>Wählen Sie einen Dateinamen</translation>
    </message>
    <message>
        <source>Save changes made to your policy?</source>
        <extracomment>Text of the question asked on closing when the policies were changed</extracomment>
        <translation>Änderungen an Ihren Richtlinien speichern?</translation>
    </message>
    <message>
        <source>Must convert a file first</source>
        <extracomment>Message box text: View Results was asked for before any conversion</extracomment>
        <translation>Konvertieren Sie zuerst eine Datei</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>Status text when a step is finished</extracomment>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>This is a beta release of this software</source>
        <extracomment>Message box text shown by test releases</extracomment>
        <translation>Dies ist eine Vorabversion dieser Software</translation>
    </message>
    <message>
        <source>Can&apos;t find requested file &quot;hhhhhh&quot;  Change via the Settings Menu</source>
        <extracomment>Message box text: a program or file named in the settings is not there; hhhhhh is replaced by its name</extracomment>
        <translation>Angeforderte Datei &quot;hhhhhh&quot; nicht gefunden  Ändern Sie sie über das Menü Einstellungen</translation>
    </message>
    <message>
        <source>Failed to auto-detect email client</source>
        <extracomment>Message box text: no mail program was found</extracomment>
        <translation>E-Mail-Programm konnte nicht erkannt werden</translation>
    </message>
    <message>
        <source>Need to specify a delimiter character</source>
        <extracomment>Message box text: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>Sie müssen ein Trennzeichen angeben</translation>
    </message>
    <message>
        <source>-- Add new link definition --</source>
        <extracomment>First entry of the list of link definitions</extracomment>
        <translation>-- Neue Verknüpfungsdefinition hinzufügen --</translation>
    </message>
    <message>
        <source>** enter text to be matched in source document **</source>
        <extracomment>Prompt in the text to match of a new link definition</extracomment>
        <translation>** Text eingeben, der im Quelldokument gesucht wird **</translation>
    </message>
    <message>
        <source>** enter text to be displayed in the hyperlink **</source>
        <extracomment>Prompt in the text shown by a new link definition</extracomment>
        <translation>** Text eingeben, den der Hyperlink anzeigt **</translation>
    </message>
    <message>
        <source>** enter the hyperlink&apos;s URL **</source>
        <extracomment>Prompt in the address of a new link definition</extracomment>
        <translation>** Adresse (URL) des Hyperlinks eingeben **</translation>
    </message>
    <message>
        <source>Auto-Detect</source>
        <extracomment>Entry of the alignment lists: the program decides the alignment</extracomment>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Left</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Entry of the alignment lists</extracomment>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Center</source>
        <extracomment>Entry of the alignment lists (centred)</extracomment>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Justified</source>
        <extracomment>Entry of the alignment lists (justified on both sides)</extracomment>
        <translation>Blocksatz</translation>
    </message>
    <message>
        <source>*** Failed to open log file : ffffff ***</source>
        <extracomment>Status and log line: the log file cannot be opened; ffffff is replaced by its name</extracomment>
        <translation>*** Protokolldatei ffffff kann nicht geöffnet werden ***</translation>
    </message>
    <message>
        <source>    Opening ffffff instead</source>
        <extracomment>Status and log line after the one above; ffffff is replaced by the other log file&apos;s name</extracomment>
        <translation>    Stattdessen wird ffffff geöffnet</translation>
    </message>
    <message>
        <source>%%%%%%%%%%%%%%%%%%% Conversion complete %%%%%%%%%%%%%%%%%%</source>
        <extracomment>Status and log line that ends every run</extracomment>
        <translation>%%%%%%%%%%%%%%%%%%% Konvertierung abgeschlossen %%%%%%%%%%%%%%%%%%</translation>
    </message>
    <message>
        <source>Cascading style sheets (*.css)|*.css|All files (*.*)|*.*||</source>
        <extracomment>Filter of a file chooser: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Cascading Style Sheets (*.css)|*.css|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Text files (*.txt,*.asc)|*.txt;*.asc|Comma separated files (*.csv)|*.csv|All files (*.*)|*.*||</source>
        <extracomment>Filter of the file chooser for the files to convert: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Textdateien (*.txt,*.asc)|*.txt;*.asc|Kommagetrennte Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Policy files (*.pol)|*.pol|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file choosers for policy files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Richtliniendateien (*.pol)|*.pol|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>HTML files (*.htm,*.html)|*.htm;*.html|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for the HTML documentation: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>HTML-Dateien (*.htm,*.html)|*.htm;*.html|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Program files (*.exe)|*.exe|All files (*.*)|*.*|</source>
        <extracomment>Filter of the file chooser for a viewer program: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Programmdateien (*.exe)|*.exe|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Image files (*.jpg,*.gif)|*.jpg;*.gif|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for images: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Bilddateien (*.jpg,*.gif)|*.jpg;*.gif|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Log files (*.log)|*.log|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for log files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Protokolldateien (*.log)|*.log|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Language files (*.lng)|*.lng|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for language files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Sprachdateien (*.lng)|*.lng|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Style files (*.sty)|*.sty|All files (*.*)|*.*|</source>
        <extracomment>Filter of a file chooser for styles files: name (patterns)|patterns|..., translate only the names</extracomment>
        <translation>Stildateien (*.sty)|*.sty|Alle Dateien (*.*)|*.*|</translation>
    </message>
    <message>
        <source>Plain text file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Textdatei</translation>
    </message>
    <message>
        <source>Tab delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Tabulatorgetrennte Datendatei</translation>
    </message>
    <message>
        <source>Comma delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Kommagetrennte Datendatei</translation>
    </message>
    <message>
        <source>Other delimited data file</source>
        <extracomment>Entry of the &quot;Input file type&quot; list of the main window</extracomment>
        <translation>Datendatei mit anderem Trennzeichen</translation>
    </message>
    <message>
        <source>Output HTML to file(s)</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>HTML in Datei(en) ausgeben</translation>
    </message>
    <message>
        <source>Output HTML as a set of FRAMES</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>HTML als FRAME-Satz ausgeben</translation>
    </message>
    <message>
        <source>Output HTML to the clipboard</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>HTML in die Zwischenablage ausgeben</translation>
    </message>
    <message>
        <source>Output Windows Help source file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Windows-Hilfe-Quelldatei ausgeben</translation>
    </message>
    <message>
        <source>Output RTF to file</source>
        <extracomment>Entry of the &quot;Conversion Type&quot; list of the main window</extracomment>
        <translation>RTF in Datei ausgeben</translation>
    </message>
    <message>
        <source>Output text to file(s)</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Text in Datei(en) ausgeben</translation>
    </message>
    <message>
        <source>Output text to the clipboard</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>Text in die Zwischenablage ausgeben</translation>
    </message>
    <message>
        <source>Output PDF to file</source>
        <extracomment>Entry of a conversion type list (not offered by this program)</extracomment>
        <translation>PDF in Datei ausgeben</translation>
    </message>
    <message>
        <source>No delimiter character specified</source>
        <extracomment>Title of the message box: &quot;Other delimited data file&quot; was chosen without a delimiter</extracomment>
        <translation>Kein Trennzeichen angegeben</translation>
    </message>
</context>
<context>
    <name>tabulyst::DocumentationPage</name>
    <message>
        <source>Select the HTML documentation</source>
        <extracomment>Caption of the file chooser for the documentation (&quot;Documentation&quot; page)</extracomment>
        <translation>HTML-Dokumentation auswählen</translation>
    </message>
    <message>
        <source>Location of HTML documentation on this machine</source>
        <extracomment>Label of a text edit on the &quot;Documentation&quot; page</extracomment>
        <translation>Ort der HTML-Dokumentation auf diesem Rechner</translation>
    </message>
    <message>
        <source>The page Help &gt; Contents opens; empty: the README</source>
        <extracomment>Tool tip of &quot;Location of HTML documentation on this machine&quot;</extracomment>
        <translation>Die Seite, die Hilfe &gt; Inhalt öffnet; leer: die README</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose the documentation&apos;s first page</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the documentation</extracomment>
        <translation>Die erste Seite der Dokumentation auswählen</translation>
    </message>
</context>
<context>
    <name>tabulyst::DragAndDropPage</name>
    <message>
        <source>Show the status screen during the conversion(s)</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Statusfenster während der Konvertierung(en) anzeigen</translation>
    </message>
    <message>
        <source>Show the messages while files dropped on the program are converted</source>
        <extracomment>Tool tip of &quot;Show the status screen during the conversion(s)&quot;</extracomment>
        <translation>Die Meldungen anzeigen, während auf das Programm gezogene Dateien konvertiert werden</translation>
    </message>
    <message>
        <source>View results in browser once conversion is complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Ergebnisse nach der Konvertierung im Browser anzeigen</translation>
    </message>
    <message>
        <source>Open the result of dropped files in its viewer</source>
        <extracomment>Tool tip of &quot;View results in browser once conversion is complete&quot;</extracomment>
        <translation>Das Ergebnis gezogener Dateien im Betrachter öffnen</translation>
    </message>
    <message>
        <source>Start program after conversion complete</source>
        <extracomment>Check box on the &quot;Drag&apos;n&apos;Drop&quot; page</extracomment>
        <translation>Programm nach der Konvertierung starten</translation>
    </message>
    <message>
        <source>After converting files given at start, show the main window for more work</source>
        <extracomment>Tool tip of &quot;Start program after conversion complete&quot;</extracomment>
        <translation>Nach dem Konvertieren beim Start übergebener Dateien das Hauptfenster für weitere Arbeit zeigen</translation>
    </message>
</context>
<context>
    <name>tabulyst::GeneratedPage</name>
    <message>
        <source>Indented lines mark the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for indentation&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Eingerückte Zeilen zeigen die Gliederung des Dokuments</translation>
    </message>
    <message>
        <source>Short lines end paragraphs</source>
        <extracomment>Tool tip of the policy &quot;Look for short lines&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Kurze Zeilen beenden Absätze</translation>
    </message>
    <message>
        <source>Look for bulleted and numbered lists</source>
        <extracomment>Tool tip of the policy &quot;Look for bullets&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach Aufzählungen und nummerierten Listen suchen</translation>
    </message>
    <message>
        <source>Blank space marks the structure of the document</source>
        <extracomment>Tool tip of the policy &quot;Look for white space&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Leerraum zeigt die Gliederung des Dokuments</translation>
    </message>
    <message>
        <source>Look for the headers of mail and news messages</source>
        <extracomment>Tool tip of the policy &quot;Look for MAIL and USENET headers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach den Kopfzeilen von E-Mail- und News-Nachrichten suchen</translation>
    </message>
    <message>
        <source>Look for quoted passages, such as lines beginning with &quot;&gt;&quot;</source>
        <extracomment>Tool tip of the policy &quot;Look for quoted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach zitierten Abschnitten suchen, etwa Zeilen, die mit &quot;&gt;&quot; beginnen</translation>
    </message>
    <message>
        <source>Look for text laid out by hand that must keep its layout</source>
        <extracomment>Tool tip of the policy &quot;Look for preformatted text&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach von Hand gesetztem Text suchen, der sein Layout behalten muss</translation>
    </message>
    <message>
        <source>Look for diagrams drawn with characters</source>
        <extracomment>Tool tip of the policy &quot;Look for diagrams&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach aus Zeichen gezeichneten Diagrammen suchen</translation>
    </message>
    <message>
        <source>Look for the character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Look for character encodings&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach dem im Dokument genannten Zeichensatz suchen</translation>
    </message>
    <message>
        <source>Lines of dashes or similar characters become horizontal rules</source>
        <extracomment>Tool tip of the policy &quot;Look for horizontal rulers&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Zeilen aus Bindestrichen oder ähnlichen Zeichen werden zu waagerechten Linien</translation>
    </message>
    <message>
        <source>Look for paragraphs whose first line sticks out to the left</source>
        <extracomment>Tool tip of the policy &quot;Look for hanging paragraphs&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach Absätzen suchen, deren erste Zeile nach links herausragt</translation>
    </message>
    <message>
        <source>Look for definition paragraphs (a term followed by its meaning)</source>
        <extracomment>Tool tip of the policy &quot;Search for definitions&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach Definitionsabsätzen suchen (ein Begriff, gefolgt von seiner Bedeutung)</translation>
    </message>
    <message>
        <source>Look for words marked for emphasis, such as *bold* or _underlined_</source>
        <extracomment>Tool tip of the policy &quot;Search for emphasis&quot; on the page &quot;What to look for&quot;</extracomment>
        <translation>Nach hervorgehobenen Wörtern suchen, etwa *fett* oder _unterstrichen_</translation>
    </message>
    <message>
        <source>Lines beginning with a number (1, 2, 3) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Zeilen, die mit einer Zahl beginnen (1, 2, 3), sind Listeneinträge</translation>
    </message>
    <message>
        <source>Lines beginning with a letter (a, b, c) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect alphabetic bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Zeilen, die mit einem Buchstaben beginnen (a, b, c), sind Listeneinträge</translation>
    </message>
    <message>
        <source>Lines beginning with a Roman numeral (i, ii, iii) are list items</source>
        <extracomment>Tool tip of the policy &quot;Expect Roman Numeral bullets&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Zeilen, die mit einer römischen Zahl beginnen (i, ii, iii), sind Listeneinträge</translation>
    </message>
    <message>
        <source>A line beginning with &quot;-&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;-&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Eine Zeile, die mit &quot;-&quot; beginnt, ist ein Listeneintrag</translation>
    </message>
    <message>
        <source>A line beginning with &quot;o&quot; is a list item</source>
        <extracomment>Tool tip of the policy &quot;Recognise &apos;o&apos; as a bullet&quot; on the page &quot;Bullets&quot;</extracomment>
        <translation>Eine Zeile, die mit &quot;o&quot; beginnt, ist ein Listeneintrag</translation>
    </message>
    <message>
        <source>The document may hold its own contents list</source>
        <extracomment>Tool tip of the policy &quot;Expect Contents List&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Das Dokument kann ein eigenes Inhaltsverzeichnis enthalten</translation>
    </message>
    <message>
        <source>Turn a contents list found in the document into links</source>
        <extracomment>Tool tip of the policy &quot;Use any existing contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Ein im Dokument gefundenes Inhaltsverzeichnis in Verknüpfungen umwandeln</translation>
    </message>
    <message>
        <source>Add a contents list made from the headings</source>
        <extracomment>Tool tip of the policy &quot;Add contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Ein aus den Überschriften erstelltes Inhaltsverzeichnis hinzufügen</translation>
    </message>
    <message>
        <source>The deepest heading level listed in the contents (none: all)</source>
        <extracomment>Tool tip of the policy &quot;Maximum level to show in contents&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Die tiefste im Inhaltsverzeichnis aufgeführte Überschriftenebene (none: alle)</translation>
    </message>
    <message>
        <source>How the contents list is laid out (a number)</source>
        <extracomment>Tool tip of the policy &quot;Contents style code&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Wie das Inhaltsverzeichnis gestaltet wird (eine Zahl)</translation>
    </message>
    <message>
        <source>Headings get anchors that the contents list links to</source>
        <extracomment>Tool tip of the policy &quot;Add anchors to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Überschriften erhalten Anker, auf die das Inhaltsverzeichnis verweist</translation>
    </message>
    <message>
        <source>The deepest heading level that gets an anchor</source>
        <extracomment>Tool tip of the policy &quot;Contents anchors level&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Die tiefste Überschriftenebene, die einen Anker erhält</translation>
    </message>
    <message>
        <source>The links of the contents list sit on the section numbers</source>
        <extracomment>Tool tip of the policy &quot;Hyperlinks on numbers&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Die Verknüpfungen des Inhaltsverzeichnisses liegen auf den Abschnittsnummern</translation>
    </message>
    <message>
        <source>Mail headers found in the document appear in the contents list</source>
        <extracomment>Tool tip of the policy &quot;Add mail headers to contents list&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Im Dokument gefundene E-Mail-Kopfzeilen erscheinen im Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>Write the contents list to a file of its own</source>
        <extracomment>Tool tip of the policy &quot;Generate external contents file&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Das Inhaltsverzeichnis in eine eigene Datei schreiben</translation>
    </message>
    <message>
        <source>The name of that contents file</source>
        <extracomment>Tool tip of the policy &quot;External contents list filename&quot; on the page &quot;Contents List&quot;</extracomment>
        <translation>Der Name dieser Inhaltsdatei</translation>
    </message>
    <message>
        <source>Tab size (usually 4 or 8).  Can affect table analysis</source>
        <extracomment>Tool tip of the policy &quot;TAB size&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Tabulatorbreite (meist 4 oder 8).  Kann die Tabellenanalyse beeinflussen</translation>
    </message>
    <message>
        <source>Number of lines at the start of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at start of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Anzahl der Zeilen am Dateianfang, die nicht konvertiert werden</translation>
    </message>
    <message>
        <source>Number of lines at the end of the file that are not converted</source>
        <extracomment>Tool tip of the policy &quot;Lines to ignore at end of file&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Anzahl der Zeilen am Dateiende, die nicht konvertiert werden</translation>
    </message>
    <message>
        <source>The file uses the DOS character set</source>
        <extracomment>Tool tip of the policy &quot;Input file contains DOS characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Die Datei verwendet den DOS-Zeichensatz</translation>
    </message>
    <message>
        <source>The file holds Japanese text</source>
        <extracomment>Tool tip of the policy &quot;Input file contains Japanese characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Die Datei enthält japanischen Text</translation>
    </message>
    <message>
        <source>The file holds printer control codes (PCL), which are removed</source>
        <extracomment>Tool tip of the policy &quot;Input file contains PCL codes&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Die Datei enthält Druckersteuercodes (PCL), die entfernt werden</translation>
    </message>
    <message>
        <source>The file holds Unicode characters</source>
        <extracomment>Tool tip of the policy &quot;Input file contains UNICODE characters&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Die Datei enthält Unicode-Zeichen</translation>
    </message>
    <message>
        <source>The file is MIME-encoded, as a mail message may be</source>
        <extracomment>Tool tip of the policy &quot;Input file contains MIME encoding&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Die Datei ist MIME-kodiert, wie es eine E-Mail sein kann</translation>
    </message>
    <message>
        <source>A quoted comma field may hold line ends, which stay line breaks in its cell</source>
        <extracomment>Tool tip of the policy &quot;Quoted fields may span lines&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Ein Feld in Anführungszeichen darf Zeilenenden enthalten, die in seiner Zelle Zeilenumbrüche bleiben</translation>
    </message>
    <message>
        <source>Every line of the file is followed by a blank line</source>
        <extracomment>Tool tip of the policy &quot;Input file is double spaced&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Auf jede Zeile der Datei folgt eine Leerzeile</translation>
    </message>
    <message>
        <source>Lines carry change bars in the margin</source>
        <extracomment>Tool tip of the policy &quot;Input file has change bars&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Zeilen tragen Änderungsbalken am Rand</translation>
    </message>
    <message>
        <source>The file holds page headers, footers or form feeds</source>
        <extracomment>Tool tip of the policy &quot;Input file has page markers&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Die Datei enthält Seitenköpfe, Seitenfüße oder Seitenvorschübe</translation>
    </message>
    <message>
        <source>Number of lines each page marker takes</source>
        <extracomment>Tool tip of the policy &quot;Page marker size (in lines)&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Anzahl der Zeilen, die jede Seitenmarkierung einnimmt</translation>
    </message>
    <message>
        <source>The file is one unit of a larger composed document</source>
        <extracomment>Tool tip of the policy &quot;Input file is a composition unit&quot; on the page &quot;File structure&quot;</extracomment>
        <translation>Die Datei ist eine Einheit eines größeren zusammengesetzten Dokuments</translation>
    </message>
    <message>
        <source>Lines beginning with a section number (1.2, 3.4.1) are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Numbered Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Zeilen, die mit einer Abschnittsnummer beginnen (1.2, 3.4.1), sind Überschriften</translation>
    </message>
    <message>
        <source>Lines underlined with dashes or similar characters are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Underlined Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Mit Bindestrichen oder ähnlichen Zeichen unterstrichene Zeilen sind Überschriften</translation>
    </message>
    <message>
        <source>Lines written in capitals are headings</source>
        <extracomment>Tool tip of the policy &quot;Expect Capitalised Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>In Großbuchstaben geschriebene Zeilen sind Überschriften</translation>
    </message>
    <message>
        <source>Headings may begin a paragraph, followed by its text on the same line</source>
        <extracomment>Tool tip of the policy &quot;Expect Embedded Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Überschriften können einen Absatz beginnen, dessen Text in derselben Zeile folgt</translation>
    </message>
    <message>
        <source>The heading may be the second word of the line</source>
        <extracomment>Tool tip of the policy &quot;Expect Second Word Headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Die Überschrift kann das zweite Wort der Zeile sein</translation>
    </message>
    <message>
        <source>Words that mark a line as a heading</source>
        <extracomment>Tool tip of the policy &quot;Heading key phrases&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Wörter, die eine Zeile als Überschrift kennzeichnen</translation>
    </message>
    <message>
        <source>The number of the first section</source>
        <extracomment>Tool tip of the policy &quot;First Section Number&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Die Nummer des ersten Abschnitts</translation>
    </message>
    <message>
        <source>Headings of one level must have the same indentation</source>
        <extracomment>Tool tip of the policy &quot;Check indentation for consistency&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Überschriften einer Ebene müssen gleich eingerückt sein</translation>
    </message>
    <message>
        <source>Keep the underlining under headings</source>
        <extracomment>Tool tip of the policy &quot;Preserve underlining of headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Die Unterstreichung unter Überschriften beibehalten</translation>
    </message>
    <message>
        <source>The smallest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Smallest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Das kleinste verwendete Überschriften-Markup (1 bis 6)</translation>
    </message>
    <message>
        <source>The largest heading markup used (1 to 6)</source>
        <extracomment>Tool tip of the policy &quot;Largest allowed &lt;Hn&gt; tag&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Das größte verwendete Überschriften-Markup (1 bis 6)</translation>
    </message>
    <message>
        <source>Headings get no heading markup</source>
        <extracomment>Tool tip of the policy &quot;Suppress &lt;Hn&gt; markup for headings&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Überschriften erhalten kein Überschriften-Markup</translation>
    </message>
    <message>
        <source>The fewest lines a chapter must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min chapter size&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Die Mindestzahl an Zeilen eines Kapitels (none: beliebig)</translation>
    </message>
    <message>
        <source>How many words of a heading make the name of a split file</source>
        <extracomment>Tool tip of the policy &quot;Number of words to include in filename&quot; on the page &quot;Headings&quot;</extracomment>
        <translation>Wie viele Wörter einer Überschrift den Namen einer geteilten Datei bilden</translation>
    </message>
    <message>
        <source>Width of the source text in characters</source>
        <extracomment>Tool tip of the policy &quot;Page Width&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Breite des Quelltexts in Zeichen</translation>
    </message>
    <message>
        <source>How ordinary text is aligned</source>
        <extracomment>Tool tip of the policy &quot;Text justification&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Wie gewöhnlicher Text ausgerichtet wird</translation>
    </message>
    <message>
        <source>Paragraphs are separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Expect blank lines between paras&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Absätze sind durch Leerzeilen getrennt</translation>
    </message>
    <message>
        <source>Indentation that starts a new paragraph (none: not used)</source>
        <extracomment>Tool tip of the policy &quot;New Paragraph Offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Einrückung, die einen neuen Absatz beginnt (none: nicht verwendet)</translation>
    </message>
    <message>
        <source>Keep that indentation in the output</source>
        <extracomment>Tool tip of the policy &quot;Preserve new paragraph offset&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Diese Einrückung in der Ausgabe beibehalten</translation>
    </message>
    <message>
        <source>Treat the file as simple text without structure; also turns table generation off</source>
        <extracomment>Tool tip of the policy &quot;Keep it simple&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Die Datei als einfachen Text ohne Gliederung behandeln; schaltet auch die Tabellenerzeugung ab</translation>
    </message>
    <message>
        <source>Lines shorter than this end a paragraph (none: worked out)</source>
        <extracomment>Tool tip of the policy &quot;Short line length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Kürzere Zeilen beenden einen Absatz (none: wird ermittelt)</translation>
    </message>
    <message>
        <source>The fewest characters that make a horizontal rule (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum ruler length&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Die Mindestzahl an Zeichen einer waagerechten Linie (none: beliebig)</translation>
    </message>
    <message>
        <source>Every line of the source becomes a paragraph of its own</source>
        <extracomment>Tool tip of the policy &quot;Treat each line as a paragraph&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Jede Zeile der Quelle wird ein eigener Absatz</translation>
    </message>
    <message>
        <source>Keep the line breaks of the source</source>
        <extracomment>Tool tip of the policy &quot;Preserve line structure&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Die Zeilenumbrüche der Quelle beibehalten</translation>
    </message>
    <message>
        <source>Several blank lines count as one</source>
        <extracomment>Tool tip of the policy &quot;Ignore multiple blank lines&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Mehrere Leerzeilen zählen als eine</translation>
    </message>
    <message>
        <source>Lines that look centred are centred</source>
        <extracomment>Tool tip of the policy &quot;Allow automatic centring&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Zeilen, die zentriert aussehen, werden zentriert</translation>
    </message>
    <message>
        <source>How far off centre a centred line may be (none: 2)</source>
        <extracomment>Tool tip of the policy &quot;Automatic centring tolerance&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Wie weit eine zentrierte Zeile von der Mitte abweichen darf (none: 2)</translation>
    </message>
    <message>
        <source>Terms of definition paragraphs are highlighted</source>
        <extracomment>Tool tip of the policy &quot;Highlight Definition Text&quot; on the page &quot;Analysis&quot;</extracomment>
        <translation>Begriffe von Definitionsabsätzen werden hervorgehoben</translation>
    </message>
    <message>
        <source>The fewest lines a pre-formatted region must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Minimum automatic &lt;PRE&gt; size&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Die Mindestzahl an Zeilen eines vorformatierten Bereichs (none: beliebig)</translation>
    </message>
    <message>
        <source>The document may hold program code, which keeps its layout</source>
        <extracomment>Tool tip of the policy &quot;Expect code samples&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Das Dokument kann Programmcode enthalten, der sein Layout behält</translation>
    </message>
    <message>
        <source>Write the whole file as pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Preserve file structure using &lt;PRE&gt;&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Die ganze Datei als vorformatierten Text schreiben</translation>
    </message>
    <message>
        <source>Definition paragraphs are looked for inside pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Allow definitions inside PRE&quot; on the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>Definitionsabsätze werden auch in vorformatiertem Text gesucht</translation>
    </message>
    <message>
        <source>Rows of a plain-text table may be separated by blank lines</source>
        <extracomment>Tool tip of the policy &quot;Could be blank line separated&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Zeilen einer Texttabelle können durch Leerzeilen getrennt sein</translation>
    </message>
    <message>
        <source>Columns may touch, with no blank space between them</source>
        <extracomment>Tool tip of the policy &quot;Column boundaries have zero width&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Spalten dürfen sich berühren, ohne Leerraum dazwischen</translation>
    </message>
    <message>
        <source>The column layout of tables, as in a TABLE_LAYOUT directive: the column count, then the last position of each column</source>
        <extracomment>Tool tip of the policy &quot;Default table layout&quot; on the page &quot;Table layout&quot;</extracomment>
        <translation>Das Spaltenlayout von Tabellen wie in einer TABLE_LAYOUT-Anweisung: die Spaltenzahl, dann die letzte Position jeder Spalte</translation>
    </message>
    <message>
        <source>The title of the document; [[FILENAME]] stands for the input file&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Document Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Der Titel des Dokuments; [[FILENAME]] steht für den Namen der Eingabedatei</translation>
    </message>
    <message>
        <source>The description written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Description&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Die Beschreibung in den Metadaten des Dokuments</translation>
    </message>
    <message>
        <source>The keywords written into the document&apos;s meta data</source>
        <extracomment>Tool tip of the policy &quot;Document Keywords&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Die Schlüsselwörter in den Metadaten des Dokuments</translation>
    </message>
    <message>
        <source>The first heading becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first heading as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Die erste Überschrift wird zum Titel des Dokuments</translation>
    </message>
    <message>
        <source>The first line becomes the document&apos;s title</source>
        <extracomment>Tool tip of the policy &quot;Use first line as Title&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Die erste Zeile wird zum Titel des Dokuments</translation>
    </message>
    <message>
        <source>The base address against which the document&apos;s links are resolved</source>
        <extracomment>Tool tip of the policy &quot;Document Base URL&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Die Basisadresse, gegen die die Verknüpfungen des Dokuments aufgelöst werden</translation>
    </message>
    <message>
        <source>The character set named in the document</source>
        <extracomment>Tool tip of the policy &quot;Character encoding&quot; on the page &quot;Document details&quot;</extracomment>
        <translation>Der im Dokument genannte Zeichensatz</translation>
    </message>
    <message>
        <source>Number of header columns (none: no header columns)</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE header cols&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Anzahl der Kopfspalten (none: keine Kopfspalten)</translation>
    </message>
    <message>
        <source>The caption of generated tables</source>
        <extracomment>Tool tip of the policy &quot;Default TABLE caption&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Die Beschriftung erzeugter Tabellen</translation>
    </message>
    <message>
        <source>Tables and columns get width markup</source>
        <extracomment>Tool tip of the policy &quot;Add TABLE WIDTH markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Tabellen und Spalten erhalten Breitenangaben</translation>
    </message>
    <message>
        <source>Widths are written as percentages of the page</source>
        <extracomment>Tool tip of the policy &quot;Use percentage widths in tables&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Breiten werden als Prozent der Seite geschrieben</translation>
    </message>
    <message>
        <source>Table text is marked as code</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;CODE&gt;..&lt;/CODE&gt; markup&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Tabellentext wird als Code ausgezeichnet</translation>
    </message>
    <message>
        <source>The table colours also apply to DOT_LEADERS tables</source>
        <extracomment>Tool tip of the policy &quot;Colour tables with DOT_LEADERS&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Die Tabellenfarben gelten auch für DOT_LEADERS-Tabellen</translation>
    </message>
    <message>
        <source>Empty table cells get font markup too</source>
        <extracomment>Tool tip of the policy &quot;Apply FONT to empty table cells&quot; on the page &quot;Table details&quot;</extracomment>
        <translation>Auch leere Tabellenzellen erhalten Schrift-Markup</translation>
    </message>
    <message>
        <source>The colour of the text</source>
        <extracomment>Tool tip of the policy &quot;Text Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Die Farbe des Textes</translation>
    </message>
    <message>
        <source>The background colour of the document</source>
        <extracomment>Tool tip of the policy &quot;Background Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Die Hintergrundfarbe des Dokuments</translation>
    </message>
    <message>
        <source>An image file shown behind the document</source>
        <extracomment>Tool tip of the policy &quot;Background Image&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Eine Bilddatei, die hinter dem Dokument erscheint</translation>
    </message>
    <message>
        <source>The colour of links not yet followed</source>
        <extracomment>Tool tip of the policy &quot;Unvisited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Die Farbe noch nicht besuchter Verknüpfungen</translation>
    </message>
    <message>
        <source>The colour of links already followed</source>
        <extracomment>Tool tip of the policy &quot;Visited Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Die Farbe bereits besuchter Verknüpfungen</translation>
    </message>
    <message>
        <source>The colour of a link while it is being clicked</source>
        <extracomment>Tool tip of the policy &quot;Active Link Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Die Farbe einer Verknüpfung, während sie angeklickt wird</translation>
    </message>
    <message>
        <source>The colour of headings</source>
        <extracomment>Tool tip of the policy &quot;Headings Colour&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Die Farbe der Überschriften</translation>
    </message>
    <message>
        <source>Write no colour markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all colour markup&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Überhaupt kein Farb-Markup schreiben</translation>
    </message>
    <message>
        <source>A colour set by a tag holds until it is changed again</source>
        <extracomment>Tool tip of the policy &quot;Scope COLOUR tags globally&quot; on the page &quot;Document colours&quot;</extracomment>
        <translation>Eine durch ein Tag gesetzte Farbe gilt, bis sie wieder geändert wird</translation>
    </message>
    <message>
        <source>Addresses found in the text become links</source>
        <extracomment>Tool tip of the policy &quot;Create hyperlinks&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Im Text gefundene Adressen werden zu Verknüpfungen</translation>
    </message>
    <message>
        <source>Mail addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create mailto links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>E-Mail-Adressen werden zu Verknüpfungen</translation>
    </message>
    <message>
        <source>FTP addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>FTP-Adressen werden zu Verknüpfungen</translation>
    </message>
    <message>
        <source>News group names become links</source>
        <extracomment>Tool tip of the policy &quot;Create NEWS links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Namen von Newsgruppen werden zu Verknüpfungen</translation>
    </message>
    <message>
        <source>Gopher addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Gopher links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Gopher-Adressen werden zu Verknüpfungen</translation>
    </message>
    <message>
        <source>Telnet addresses become links</source>
        <extracomment>Tool tip of the policy &quot;Create Telnet links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Telnet-Adressen werden zu Verknüpfungen</translation>
    </message>
    <message>
        <source>Only well-formed domain names become links</source>
        <extracomment>Tool tip of the policy &quot;Check domain name syntax&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Nur korrekt gebildete Domänennamen werden zu Verknüpfungen</translation>
    </message>
    <message>
        <source>Only the news groups known to the program become links</source>
        <extracomment>Tool tip of the policy &quot;Only use known groups&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Nur die dem Programm bekannten Newsgruppen werden zu Verknüpfungen</translation>
    </message>
    <message>
        <source>Only addresses beginning with ftp:// become FTP links</source>
        <extracomment>Tool tip of the policy &quot;Only allow explicit FTP links&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Nur mit ftp:// beginnende Adressen werden zu FTP-Verknüpfungen</translation>
    </message>
    <message>
        <source>Mail addresses may begin with a digit</source>
        <extracomment>Tool tip of the policy &quot;Allow email beginning with numbers&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>E-Mail-Adressen dürfen mit einer Ziffer beginnen</translation>
    </message>
    <message>
        <source>Links open in another browser window</source>
        <extracomment>Tool tip of the policy &quot;Open links in new browser window&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Verknüpfungen öffnen sich in einem anderen Browserfenster</translation>
    </message>
    <message>
        <source>The name of that browser window</source>
        <extracomment>Tool tip of the policy &quot;New browser window name&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Der Name dieses Browserfensters</translation>
    </message>
    <message>
        <source>A line holding an address ends with a line break</source>
        <extracomment>Tool tip of the policy &quot;Add &lt;BR&gt; to lines with URLs&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Eine Zeile mit einer Adresse endet mit einem Zeilenumbruch</translation>
    </message>
    <message>
        <source>The deepest heading level that section references link to (none: no links)</source>
        <extracomment>Tool tip of the policy &quot;Cross-refs at level&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Die tiefste Überschriftenebene, auf die Abschnittsverweise verknüpfen (none: keine Verknüpfungen)</translation>
    </message>
    <message>
        <source>A file of link definitions: texts that become links</source>
        <extracomment>Tool tip of the policy &quot;Link Dictionary file&quot; on the page &quot;Hyperlinks&quot;</extracomment>
        <translation>Eine Datei mit Verknüpfungsdefinitionen: Texte, die zu Verknüpfungen werden</translation>
    </message>
    <message>
        <source>The font of ordinary text</source>
        <extracomment>Tool tip of the policy &quot;Default font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Die Schrift des gewöhnlichen Textes</translation>
    </message>
    <message>
        <source>The font of table text</source>
        <extracomment>Tool tip of the policy &quot;Table font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Die Schrift des Tabellentextes</translation>
    </message>
    <message>
        <source>The fixed-pitch font, for pre-formatted text</source>
        <extracomment>Tool tip of the policy &quot;Fixed font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Die nichtproportionale Schrift für vorformatierten Text</translation>
    </message>
    <message>
        <source>The font of headings</source>
        <extracomment>Tool tip of the policy &quot;Heading font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Die Schrift der Überschriften</translation>
    </message>
    <message>
        <source>The font of the contents list</source>
        <extracomment>Tool tip of the policy &quot;Table of Contents font&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Die Schrift des Inhaltsverzeichnisses</translation>
    </message>
    <message>
        <source>The base font size in points</source>
        <extracomment>Tool tip of the policy &quot;Base FONT Size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Die Grundschriftgröße in Punkt</translation>
    </message>
    <message>
        <source>A change of every font size, in points</source>
        <extracomment>Tool tip of the policy &quot;Delta FONT size in pts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Eine Änderung aller Schriftgrößen in Punkt</translation>
    </message>
    <message>
        <source>How much wider or narrower the text is laid out, in percent</source>
        <extracomment>Tool tip of the policy &quot;Font stretch factor (in percent)&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Wie viel breiter oder schmaler der Text gesetzt wird, in Prozent</translation>
    </message>
    <message>
        <source>Fonts are expressed in style sheets rather than font markup</source>
        <extracomment>Tool tip of the policy &quot;Use CSS to implement fonts&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Schriften werden in Stylesheets statt mit Schrift-Markup angegeben</translation>
    </message>
    <message>
        <source>Write font markup</source>
        <extracomment>Tool tip of the policy &quot;Add FONT markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Schrift-Markup schreiben</translation>
    </message>
    <message>
        <source>Font markup states the size</source>
        <extracomment>Tool tip of the policy &quot;Add FONT size markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Das Schrift-Markup gibt die Größe an</translation>
    </message>
    <message>
        <source>Font markup states the style</source>
        <extracomment>Tool tip of the policy &quot;Add FONT style markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Das Schrift-Markup gibt den Schriftschnitt an</translation>
    </message>
    <message>
        <source>Font markup states the face</source>
        <extracomment>Tool tip of the policy &quot;Add FONT face markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Das Schrift-Markup gibt die Schriftart an</translation>
    </message>
    <message>
        <source>How far font markup reaches (a number)</source>
        <extracomment>Tool tip of the policy &quot;Scope for font tags&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Wie weit Schrift-Markup reicht (eine Zahl)</translation>
    </message>
    <message>
        <source>Write no font markup at all</source>
        <extracomment>Tool tip of the policy &quot;Suppress all font markup&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Überhaupt kein Schrift-Markup schreiben</translation>
    </message>
    <message>
        <source>A styles file that defines named fonts</source>
        <extracomment>Tool tip of the policy &quot;Style file&quot; on the page &quot;Fonts&quot;</extracomment>
        <translation>Eine Stildatei, die benannte Schriften festlegt</translation>
    </message>
    <message>
        <source>The HTML version the documents are written in</source>
        <extracomment>Tool tip of the policy &quot;HTML version to be targeted&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Die HTML-Version, in der die Dokumente geschrieben werden</translation>
    </message>
    <message>
        <source>The extension of output files, unless one of the choices below decides it</source>
        <extracomment>Tool tip of the policy &quot;Output file extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Die Endung der Ausgabedateien, sofern keine der Einstellungen darunter sie bestimmt</translation>
    </message>
    <message>
        <source>Output files end in &quot;.htm&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use .HTM extension&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Ausgabedateien enden auf &quot;.htm&quot;</translation>
    </message>
    <message>
        <source>Output file names follow DOS rules (8.3) and end in &quot;.HTM&quot;</source>
        <extracomment>Tool tip of the policy &quot;Use DOS filenames&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Ausgabedateinamen folgen den DOS-Regeln (8.3) und enden auf &quot;.HTM&quot;</translation>
    </message>
    <message>
        <source>The start of DOS output file names</source>
        <extracomment>Tool tip of the policy &quot;DOS filename root&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Der Anfang der DOS-Ausgabedateinamen</translation>
    </message>
    <message>
        <source>Write only the contents of the body, to be pasted into another document</source>
        <extracomment>Tool tip of the policy &quot;Omit &lt;HEAD&gt; and &lt;BODY&gt; from output&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Nur den Inhalt des Body schreiben, zum Einfügen in ein anderes Dokument</translation>
    </message>
    <message>
        <source>Write the smallest output</source>
        <extracomment>Tool tip of the policy &quot;Minimise HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Die kleinstmögliche Ausgabe schreiben</translation>
    </message>
    <message>
        <source>Long output lines are broken</source>
        <extracomment>Tool tip of the policy &quot;Break up long HTML lines&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Lange Ausgabezeilen werden umbrochen</translation>
    </message>
    <message>
        <source>A file whose text is put at the start of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML header file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Eine Datei, deren Text an den Anfang des Dokuments gesetzt wird</translation>
    </message>
    <message>
        <source>A file whose text is put at the end of the document</source>
        <extracomment>Tool tip of the policy &quot;HTML footer file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Eine Datei, deren Text an das Ende des Dokuments gesetzt wird</translation>
    </message>
    <message>
        <source>A file of script for the document&apos;s head</source>
        <extracomment>Tool tip of the policy &quot;HTML Script file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Eine Skriptdatei für den Kopf des Dokuments</translation>
    </message>
    <message>
        <source>A file of HTML fragments for the text-document features</source>
        <extracomment>Tool tip of the policy &quot;HTML fragments file&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Eine Datei mit HTML-Bausteinen für die Textdokument-Funktionen</translation>
    </message>
    <message>
        <source>The style sheet the document refers to</source>
        <extracomment>Tool tip of the policy &quot;Document Style Sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Das Stylesheet, auf das das Dokument verweist</translation>
    </message>
    <message>
        <source>A style sheet is written into the document itself</source>
        <extracomment>Tool tip of the policy &quot;Create embedded style sheet&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Ein Stylesheet wird in das Dokument selbst geschrieben</translation>
    </message>
    <message>
        <source>The heading level at which the output is split into several files (none: not split)</source>
        <extracomment>Tool tip of the policy &quot;Split level&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Die Überschriftenebene, an der die Ausgabe in mehrere Dateien geteilt wird (none: nicht geteilt)</translation>
    </message>
    <message>
        <source>The fewest lines a split file must have (none: any)</source>
        <extracomment>Tool tip of the policy &quot;Min HTML file size&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Die Mindestzahl an Zeilen einer geteilten Datei (none: beliebig)</translation>
    </message>
    <message>
        <source>Split files get links to the previous and next file</source>
        <extracomment>Tool tip of the policy &quot;Add navigation bar&quot; on the page &quot;Document settings&quot;</extracomment>
        <translation>Geteilte Dateien erhalten Verknüpfungen zur vorigen und nächsten Datei</translation>
    </message>
    <message>
        <source>The paper size of RTF documents</source>
        <extracomment>Tool tip of the policy &quot;Paper size&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Das Papierformat von RTF-Dokumenten</translation>
    </message>
    <message>
        <source>Pages are laid out across</source>
        <extracomment>Tool tip of the policy &quot;Use Landscape mode&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Seiten werden im Querformat angelegt</translation>
    </message>
    <message>
        <source>The top margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Top margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Der obere Rand in Zentimetern</translation>
    </message>
    <message>
        <source>The bottom margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Bottom margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Der untere Rand in Zentimetern</translation>
    </message>
    <message>
        <source>The left margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Left margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Der linke Rand in Zentimetern</translation>
    </message>
    <message>
        <source>The right margin in centimetres</source>
        <extracomment>Tool tip of the policy &quot;Right margin (in cm)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Der rechte Rand in Zentimetern</translation>
    </message>
    <message>
        <source>Left and right margins swap on facing pages</source>
        <extracomment>Tool tip of the policy &quot;Mirror margins&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Linker und rechter Rand tauschen auf gegenüberliegenden Seiten</translation>
    </message>
    <message>
        <source>The language the word processor checks the spelling in</source>
        <extracomment>Tool tip of the policy &quot;Language (for proofing)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Die Sprache, in der die Textverarbeitung die Rechtschreibung prüft</translation>
    </message>
    <message>
        <source>How RTF styles are used (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of RTF Styles&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Wie RTF-Formatvorlagen verwendet werden (eine Zahl)</translation>
    </message>
    <message>
        <source>How far the first line of a paragraph is indented</source>
        <extracomment>Tool tip of the policy &quot;First line indentation (in blocks)&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Wie weit die erste Zeile eines Absatzes eingerückt wird</translation>
    </message>
    <message>
        <source>Write the RTF as the source of a help file</source>
        <extracomment>Tool tip of the policy &quot;Make Windows Help source file&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Das RTF als Quelle einer Hilfedatei schreiben</translation>
    </message>
    <message>
        <source>The subject stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Subject&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Das in den Dokumentinformationen gespeicherte Thema</translation>
    </message>
    <message>
        <source>The author stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Author&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Der in den Dokumentinformationen gespeicherte Autor</translation>
    </message>
    <message>
        <source>The manager stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Manager&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Der in den Dokumentinformationen gespeicherte Manager</translation>
    </message>
    <message>
        <source>The category stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Category&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Die in den Dokumentinformationen gespeicherte Kategorie</translation>
    </message>
    <message>
        <source>The comments stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Comments&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Die in den Dokumentinformationen gespeicherten Kommentare</translation>
    </message>
    <message>
        <source>The company stored in the document&apos;s information</source>
        <extracomment>Tool tip of the policy &quot;Document Company name&quot; on the page &quot;RTF configuration&quot;</extracomment>
        <translation>Die in den Dokumentinformationen gespeicherte Firma</translation>
    </message>
    <message>
        <source>Paragraphs get paragraph markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;P&gt; markup for paragraphs&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Absätze erhalten Absatz-Markup</translation>
    </message>
    <message>
        <source>Definition paragraphs get definition list markup</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;DL&gt; markup for defn. paras&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Definitionsabsätze erhalten Definitionslisten-Markup</translation>
    </message>
    <message>
        <source>Emphasis is written as EM and STRONG rather than I and B</source>
        <extracomment>Tool tip of the policy &quot;Use &lt;EM&gt; and &lt;STRONG&gt; markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Hervorhebungen werden als EM und STRONG statt als I und B geschrieben</translation>
    </message>
    <message>
        <source>Emphasised words get markup</source>
        <extracomment>Tool tip of the policy &quot;Add emphasis and bold markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Hervorgehobene Wörter erhalten Markup</translation>
    </message>
    <message>
        <source>Paragraphs are labelled with style classes</source>
        <extracomment>Tool tip of the policy &quot;Label style classes&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Absätze werden mit Stilklassen gekennzeichnet</translation>
    </message>
    <message>
        <source>How Windows characters are written (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of Microsoft entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Wie Windows-Zeichen geschrieben werden (eine Zahl)</translation>
    </message>
    <message>
        <source>How characters outside ASCII are written as HTML 4.0 entities (a number)</source>
        <extracomment>Tool tip of the policy &quot;Use of HTML 4.0 entities code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Wie Zeichen außerhalb von ASCII als HTML-4.0-Entitäten geschrieben werden (eine Zahl)</translation>
    </message>
    <message>
        <source>How indented text is marked up (a number)</source>
        <extracomment>Tool tip of the policy &quot;Indentation markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Wie eingerückter Text ausgezeichnet wird (eine Zahl)</translation>
    </message>
    <message>
        <source>Each level of indentation adds to the one before</source>
        <extracomment>Tool tip of the policy &quot;Use incremental indentation markup&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Jede Einrückungsebene baut auf der vorigen auf</translation>
    </message>
    <message>
        <source>How lists are marked up (0 to 2)</source>
        <extracomment>Tool tip of the policy &quot;List markup code&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Wie Listen ausgezeichnet werden (0 bis 2)</translation>
    </message>
    <message>
        <source>The whole document is centred</source>
        <extracomment>Tool tip of the policy &quot;CENTER whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Das ganze Dokument wird zentriert</translation>
    </message>
    <message>
        <source>The whole document is indented</source>
        <extracomment>Tool tip of the policy &quot;Indent whole document&quot; on the page &quot;HTML markup&quot;</extracomment>
        <translation>Das ganze Dokument wird eingerückt</translation>
    </message>
    <message>
        <source>The document is shown in a set of frames</source>
        <extracomment>Tool tip of the policy &quot;Place document in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Das Dokument wird in einem Satz von Frames gezeigt</translation>
    </message>
    <message>
        <source>The name of the frame set file; * stands for the input&apos;s name</source>
        <extracomment>Tool tip of the policy &quot;Output frame name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Der Name der Frameset-Datei; * steht für den Namen der Eingabe</translation>
    </message>
    <message>
        <source>The height of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Höhe des Kopf-Frames</translation>
    </message>
    <message>
        <source>The height of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame depth&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Höhe des Fuß-Frames</translation>
    </message>
    <message>
        <source>The width of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame width&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Breite des Inhalts-Frames</translation>
    </message>
    <message>
        <source>The document&apos;s header goes into the header frame</source>
        <extracomment>Tool tip of the policy &quot;Use main header in header frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Der Kopfbereich des Dokuments kommt in den Kopf-Frame</translation>
    </message>
    <message>
        <source>The document&apos;s footer goes into the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Use main footer in footer frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Der Fußbereich des Dokuments kommt in den Fuß-Frame</translation>
    </message>
    <message>
        <source>A frame with the contents list is added</source>
        <extracomment>Tool tip of the policy &quot;Add contents frame if possible&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Ein Frame mit dem Inhaltsverzeichnis wird hinzugefügt</translation>
    </message>
    <message>
        <source>Frames are drawn with borders</source>
        <extracomment>Tool tip of the policy &quot;Add frame border&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Frames werden mit Rahmen gezeichnet</translation>
    </message>
    <message>
        <source>Links in the frames open in another window</source>
        <extracomment>Tool tip of the policy &quot;Open frame links in new window&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Verknüpfungen in den Frames öffnen sich in einem anderen Fenster</translation>
    </message>
    <message>
        <source>The name of that window</source>
        <extracomment>Tool tip of the policy &quot;New frame link window name&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Der Name dieses Fensters</translation>
    </message>
    <message>
        <source>Browsers without frames get a link to the plain document</source>
        <extracomment>Tool tip of the policy &quot;Add NOFRAMES links&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Browser ohne Frames erhalten eine Verknüpfung zum einfachen Dokument</translation>
    </message>
    <message>
        <source>The address of that link</source>
        <extracomment>Tool tip of the policy &quot;NOFRAMES link URL&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Adresse dieser Verknüpfung</translation>
    </message>
    <message>
        <source>A page opened on its own reloads its frame set</source>
        <extracomment>Tool tip of the policy &quot;Only allow pages to be viewed in frames&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Eine allein geöffnete Seite lädt ihr Frameset neu</translation>
    </message>
    <message>
        <source>The number of the first frame page</source>
        <extracomment>Tool tip of the policy &quot;First frame page number&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Nummer der ersten Frame-Seite</translation>
    </message>
    <message>
        <source>How many heading levels the contents frame lists</source>
        <extracomment>Tool tip of the policy &quot;Number of levels in contents frame&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Wie viele Überschriftenebenen der Inhalts-Frame aufführt</translation>
    </message>
    <message>
        <source>The background colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Hintergrundfarbe des Kopf-Frames</translation>
    </message>
    <message>
        <source>The text colour of the header frame</source>
        <extracomment>Tool tip of the policy &quot;Header frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Textfarbe des Kopf-Frames</translation>
    </message>
    <message>
        <source>The background colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Hintergrundfarbe des Inhalts-Frames</translation>
    </message>
    <message>
        <source>The text colour of the contents frame</source>
        <extracomment>Tool tip of the policy &quot;Contents frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Textfarbe des Inhalts-Frames</translation>
    </message>
    <message>
        <source>The background colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame background colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Hintergrundfarbe des Fuß-Frames</translation>
    </message>
    <message>
        <source>The text colour of the footer frame</source>
        <extracomment>Tool tip of the policy &quot;Footer frame text colour&quot; on the page &quot;Frames&quot;</extracomment>
        <translation>Die Textfarbe des Fuß-Frames</translation>
    </message>
    <message>
        <source>Write a directory page that links to every file converted</source>
        <extracomment>Tool tip of the policy &quot;Make Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Eine Verzeichnisseite schreiben, die auf jede konvertierte Datei verweist</translation>
    </message>
    <message>
        <source>The name of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory filename&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Der Name der Verzeichnisseite</translation>
    </message>
    <message>
        <source>The title of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Title&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Der Titel der Verzeichnisseite</translation>
    </message>
    <message>
        <source>The keywords of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Keywords&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Die Schlüsselwörter der Verzeichnisseite</translation>
    </message>
    <message>
        <source>The description of the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Description&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Die Beschreibung der Verzeichnisseite</translation>
    </message>
    <message>
        <source>The directory lists the titles of the files</source>
        <extracomment>Tool tip of the policy &quot;Show file Titles in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Das Verzeichnis führt die Titel der Dateien auf</translation>
    </message>
    <message>
        <source>Headings are indented in the directory</source>
        <extracomment>Tool tip of the policy &quot;Indent headings in Directory&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Überschriften werden im Verzeichnis eingerückt</translation>
    </message>
    <message>
        <source>The text of the link back to the directory</source>
        <extracomment>Tool tip of the policy &quot;Directory return hyperlink text&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Der Text der Verknüpfung zurück zum Verzeichnis</translation>
    </message>
    <message>
        <source>A file of script for the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory Script file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Eine Skriptdatei für die Verzeichnisseite</translation>
    </message>
    <message>
        <source>A file whose text starts the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory header file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Eine Datei, deren Text die Verzeichnisseite beginnt</translation>
    </message>
    <message>
        <source>A file whose text ends the directory page</source>
        <extracomment>Tool tip of the policy &quot;Directory footer file&quot; on the page &quot;Directory page&quot;</extracomment>
        <translation>Eine Datei, deren Text die Verzeichnisseite beendet</translation>
    </message>
    <message>
        <source>Directives in the source steer the conversion</source>
        <extracomment>Tool tip of the policy &quot;Use Preprocessor&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Anweisungen in der Quelle steuern die Konvertierung</translation>
    </message>
    <message>
        <source>The characters that begin a directive line</source>
        <extracomment>Tool tip of the policy &quot;Directive delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Die Zeichen, mit denen eine Anweisungszeile beginnt</translation>
    </message>
    <message>
        <source>The characters that open an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;Start tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Die Zeichen, die ein Inline-Tag öffnen</translation>
    </message>
    <message>
        <source>The characters that close an in-line tag</source>
        <extracomment>Tool tip of the policy &quot;End tag delimiter&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Die Zeichen, die ein Inline-Tag schließen</translation>
    </message>
    <message>
        <source>In-line tags are shown in the output</source>
        <extracomment>Tool tip of the policy &quot;Show Tags in output&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Inline-Tags werden in der Ausgabe gezeigt</translation>
    </message>
    <message>
        <source>Long lines are not broken inside markup</source>
        <extracomment>Tool tip of the policy &quot;Avoid Tag breaks&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Lange Zeilen werden nicht innerhalb von Markup umbrochen</translation>
    </message>
    <message>
        <source>Markup that has no effect is removed</source>
        <extracomment>Tool tip of the policy &quot;Remove redundant tags&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Markup ohne Wirkung wird entfernt</translation>
    </message>
    <message>
        <source>Check that opened markup is closed</source>
        <extracomment>Tool tip of the policy &quot;Monitor tag generation&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Prüfen, dass geöffnetes Markup geschlossen wird</translation>
    </message>
    <message>
        <source>Which comments are written into the output (a number)</source>
        <extracomment>Tool tip of the policy &quot;Comment generation code&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Welche Kommentare in die Ausgabe geschrieben werden (eine Zahl)</translation>
    </message>
    <message>
        <source>A file of text commands that replace texts</source>
        <extracomment>Tool tip of the policy &quot;Text substitution file&quot; on the page &quot;Tags and directives&quot;</extracomment>
        <translation>Eine Datei mit Textbefehlen, die Texte ersetzen</translation>
    </message>
</context>
<context>
    <name>tabulyst::MainWindow</name>
    <message>
        <source>Fil&amp;e(s) to convert</source>
        <extracomment>Label of the file list (main window); &amp; marks the access key</extracomment>
        <translation>Zu konvertierende &amp;Datei(en)</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <extracomment>Button beside the file list (main window)</extracomment>
        <translation>Durch&amp;suchen...</translation>
    </message>
    <message>
        <source>&amp;Input file type</source>
        <extracomment>Label of the input type list (main window)</extracomment>
        <translation>&amp;Eingabedateityp</translation>
    </message>
    <message>
        <source>&amp;Delimiter</source>
        <extracomment>Label of the one-character delimiter edit (main window)</extracomment>
        <translation>&amp;Trennzeichen</translation>
    </message>
    <message>
        <source>Conversion T&amp;ype</source>
        <extracomment>Label of the conversion type list (main window)</extracomment>
        <translation>Konvertierungs&amp;art</translation>
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
        <translation>Ausgabedatei&amp;name</translation>
    </message>
    <message>
        <source>Output Di&amp;rectory</source>
        <extracomment>Label of the output directory list (main window)</extracomment>
        <translation>Ausgabe&amp;verzeichnis</translation>
    </message>
    <message>
        <source>Policy file</source>
        <extracomment>Title of the group around the policy file controls (main window)</extracomment>
        <translation>Richtliniendatei</translation>
    </message>
    <message>
        <source>Load &amp;policy file</source>
        <extracomment>Label of the policy file list (main window)</extracomment>
        <translation>&amp;Richtliniendatei laden</translation>
    </message>
    <message>
        <source>Rese&amp;t</source>
        <extracomment>Button that returns every policy to its default (main window)</extracomment>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>C&amp;onvert File(s)...</source>
        <extracomment>Button that starts the conversion (main window)</extracomment>
        <translation>Datei(en) &amp;konvertieren...</translation>
    </message>
    <message>
        <source>View Res&amp;ults...</source>
        <extracomment>Button that opens the last result (main window)</extracomment>
        <translation>Ergebnisse anzei&amp;gen...</translation>
    </message>
    <message>
        <source>Select the file(s) you want converted</source>
        <extracomment>Tool tip of the file list and its &quot;Browse...&quot; button (main window)</extracomment>
        <translation>Wählen Sie die zu konvertierende(n) Datei(en)</translation>
    </message>
    <message>
        <source>What kind of data do the input files hold?</source>
        <extracomment>Tool tip of the &quot;Input file type&quot; list (main window)</extracomment>
        <translation>Welche Art Daten enthalten die Eingabedateien?</translation>
    </message>
    <message>
        <source>Select the delimiter character to separate columns of data</source>
        <extracomment>Tool tip of the &quot;Delimiter&quot; edit (main window)</extracomment>
        <translation>Wählen Sie das Trennzeichen, das die Datenspalten trennt</translation>
    </message>
    <message>
        <source>What type of conversion do you want to attempt?</source>
        <extracomment>Tool tip of the &quot;Conversion Type&quot; list (main window)</extracomment>
        <translation>Welche Art Konvertierung möchten Sie versuchen?</translation>
    </message>
    <message>
        <source>Select the output file extension</source>
        <extracomment>Tool tip of the .html, .htm and .rtf buttons (main window)</extracomment>
        <translation>Wählen Sie die Endung der Ausgabedatei</translation>
    </message>
    <message>
        <source>Select the output filename</source>
        <extracomment>Tool tip of the &quot;Output filename&quot; edit (main window)</extracomment>
        <translation>Wählen Sie den Namen der Ausgabedatei</translation>
    </message>
    <message>
        <source>Select an output directory.  Must be writable</source>
        <extracomment>Tool tip of the &quot;Output Directory&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Wählen Sie ein Ausgabeverzeichnis.  Es muss beschreibbar sein</translation>
    </message>
    <message>
        <source>Select a policy file to load</source>
        <extracomment>Tool tip of the &quot;Load policy file&quot; list and its &quot;...&quot; button (main window)</extracomment>
        <translation>Wählen Sie eine zu ladende Richtliniendatei</translation>
    </message>
    <message>
        <source>Reset all policies to their default values</source>
        <extracomment>Tool tip of the &quot;Reset&quot; button (main window)</extracomment>
        <translation>Alle Richtlinien auf ihre Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>Start the conversion</source>
        <extracomment>Tool tip of the &quot;Convert File(s)...&quot; button (main window)</extracomment>
        <translation>Die Konvertierung starten</translation>
    </message>
    <message>
        <source>View the result of the last conversion</source>
        <extracomment>Tool tip of the &quot;View Results...&quot; button (main window)</extracomment>
        <translation>Das Ergebnis der letzten Konvertierung anzeigen</translation>
    </message>
    <message>
        <source>The last HTML result as it will look</source>
        <extracomment>Tool tip of the preview pane (main window)</extracomment>
        <translation>Das letzte HTML-Ergebnis, wie es aussehen wird</translation>
    </message>
    <message>
        <source>*** No Tool Tip text for this control ***</source>
        <extracomment>Tool tip of a control that has none of its own</extracomment>
        <translation>*** Kein Tooltip-Text für dieses Steuerelement ***</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds a double quote and cannot be converted together with other files.</source>
        <extracomment>Message box text; %1 is a file name</extracomment>
        <translation>&quot;%1&quot; enthält ein Anführungszeichen und kann nicht zusammen mit anderen Dateien konvertiert werden.</translation>
    </message>
    <message>
        <source>The last result is an RTF document:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>Das letzte Ergebnis ist ein RTF-Dokument:
%1</translation>
    </message>
    <message>
        <source>The last result cannot be previewed:
%1</source>
        <extracomment>Shown in the preview pane; %1 is the result&apos;s path</extracomment>
        <translation>Das letzte Ergebnis kann nicht in der Vorschau gezeigt werden:
%1</translation>
    </message>
    <message>
        <source>Load policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Load policy file...</extracomment>
        <translation>Richtliniendatei laden</translation>
    </message>
    <message>
        <source>Save policy file</source>
        <extracomment>Caption of the file chooser of File &gt; Save policy file...</extracomment>
        <translation>Richtliniendatei speichern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; exists. Replace it?</source>
        <extracomment>Question before a policy file is replaced; %1 is its name</extracomment>
        <translation>&quot;%1&quot; existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Which policies shall the file hold?</source>
        <extracomment>Question of File &gt; Save policy file..., answered with one of the two buttons below</extracomment>
        <translation>Welche Richtlinien soll die Datei enthalten?</translation>
    </message>
    <message>
        <source>Save changed policies only (recommended)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Nur geänderte Richtlinien speichern (empfohlen)</translation>
    </message>
    <message>
        <source>Save all policies to file (only ever use this to get a sample file)</source>
        <extracomment>Answer button of &quot;Which policies shall the file hold?&quot;</extracomment>
        <translation>Alle Richtlinien in die Datei speichern (nur für eine Beispieldatei verwenden)</translation>
    </message>
    <message>
        <source>Cannot write the policy file &quot;%1&quot;.</source>
        <extracomment>Message box text; %1 is the policy file&apos;s name</extracomment>
        <translation>Die Richtliniendatei &quot;%1&quot; kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>About Tabulyst</source>
        <extracomment>Title of the About box (Help &gt; About...)</extracomment>
        <translation>Über Tabulyst</translation>
    </message>
    <message>
        <source>Tabulyst %1

Turns tables laid out in plain text and delimited data into HTML and RTF documents.</source>
        <extracomment>Text of the About box; %1 is the version</extracomment>
        <translation>Tabulyst %1

Wandelt Tabellen aus einfachem Text und Daten mit Trennzeichen in HTML- und RTF-Dokumente um.</translation>
    </message>
    <message>
        <source>Steering files not yet supported</source>
        <extracomment>Message box text: a parameter beginning with &quot;@&quot; names a steering file</extracomment>
        <translation>Steuerdateien werden noch nicht unterstützt</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>German</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Italian</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>French</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <extracomment>Entry of the Language menu</extracomment>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Conversion options</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Konvertierungsoptionen</translation>
    </message>
    <message>
        <source>&amp;Analysis policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the analysis policies sheet</extracomment>
        <translation>&amp;Analyserichtlinien</translation>
    </message>
    <message>
        <source>&amp;Output Policies</source>
        <extracomment>Submenu of &quot;Conversion options&quot;, opening the output policies sheet</extracomment>
        <translation>&amp;Ausgaberichtlinien</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <extracomment>Menu of the main window&apos;s menu bar</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Convert...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>Konvertieren...</translation>
    </message>
    <message>
        <source>&amp;Load policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>Richtliniendatei &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Save policy file...</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>Richtliniendatei &amp;speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Entry of the File menu</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;What to look for</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;What to look for&quot;</extracomment>
        <translation>&amp;Wonach gesucht wird</translation>
    </message>
    <message>
        <source>&amp;Bullets and lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Bullets&quot;</extracomment>
        <translation>&amp;Aufzählungen und Listen</translation>
    </message>
    <message>
        <source>&amp;Contents lists</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Contents List&quot;</extracomment>
        <translation>&amp;Inhaltsverzeichnisse</translation>
    </message>
    <message>
        <source>&amp;File structure</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;File structure&quot;</extracomment>
        <translation>&amp;Dateistruktur</translation>
    </message>
    <message>
        <source>&amp;Headings</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Headings&quot;</extracomment>
        <translation>Ü&amp;berschriften</translation>
    </message>
    <message>
        <source>&amp;General layout</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Analysis&quot;</extracomment>
        <translation>Allgemeines &amp;Layout</translation>
    </message>
    <message>
        <source>&amp;Pre-formatted text</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Pre-formatted text&quot;</extracomment>
        <translation>&amp;Vorformatierter Text</translation>
    </message>
    <message>
        <source>&amp;Tables</source>
        <extracomment>Entry of Conversion options &gt; Analysis policies, opening the page &quot;Table analysis&quot;</extracomment>
        <translation>&amp;Tabellen</translation>
    </message>
    <message>
        <source>&amp;Title, description etc</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document details&quot;</extracomment>
        <translation>&amp;Titel, Beschreibung usw.</translation>
    </message>
    <message>
        <source>T&amp;able generation</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Table generation&quot;</extracomment>
        <translation>Tabellen&amp;erzeugung</translation>
    </message>
    <message>
        <source>&amp;Document colours</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document colours&quot;</extracomment>
        <translation>&amp;Dokumentfarben</translation>
    </message>
    <message>
        <source>&amp;Hyperlinks</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Hyperlinks&quot;</extracomment>
        <translation>&amp;Hyperlinks</translation>
    </message>
    <message>
        <source>&amp;Fonts</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Fonts&quot;</extracomment>
        <translation>&amp;Schriften</translation>
    </message>
    <message>
        <source>Document &amp;settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;Document settings&quot;</extracomment>
        <translation>Dokument&amp;einstellungen</translation>
    </message>
    <message>
        <source>&amp;RTF settings</source>
        <extracomment>Entry of Conversion options &gt; Output Policies, opening the page &quot;RTF configuration&quot;</extracomment>
        <translation>&amp;RTF-Einstellungen</translation>
    </message>
    <message>
        <source>Re-anal&amp;yse the file</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>Datei neu anal&amp;ysieren</translation>
    </message>
    <message>
        <source>&amp;Reset to defaults</source>
        <extracomment>Entry of the Conversion options menu</extracomment>
        <translation>Auf Standardwerte &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Do&amp;cumentation</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Documentation&quot;</extracomment>
        <translation>Doku&amp;mentation</translation>
    </message>
    <message>
        <source>&amp;Drag and drop properties</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Drag&apos;n&apos;Drop&quot;</extracomment>
        <translation>&amp;Drag-and-Drop-Eigenschaften</translation>
    </message>
    <message>
        <source>Dia&amp;gnostics</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Messages&quot;</extracomment>
        <translation>Dia&amp;gnose</translation>
    </message>
    <message>
        <source>&amp;Viewers for results files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Viewers&quot;</extracomment>
        <translation>&amp;Betrachter für Ergebnisdateien</translation>
    </message>
    <message>
        <source>Use of &amp;Policy files</source>
        <extracomment>Entry of the Settings menu, opening the page &quot;Policy files&quot;</extracomment>
        <translation>Verwendung von &amp;Richtliniendateien</translation>
    </message>
    <message>
        <source>Show &amp;Tool Tips</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>&amp;Tooltips anzeigen</translation>
    </message>
    <message>
        <source>Show Status Dialog</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Statusfenster anzeigen</translation>
    </message>
    <message>
        <source>Show results automatically</source>
        <extracomment>Entry of the Settings menu, a switch with a check mark</extracomment>
        <translation>Ergebnisse automatisch anzeigen</translation>
    </message>
    <message>
        <source>Other...</source>
        <extracomment>Last entry of the Language menu, for languages of language files (not supported)</extracomment>
        <translation>Andere...</translation>
    </message>
    <message>
        <source>View &amp;messages from last conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>&amp;Meldungen der letzten Konvertierung anzeigen</translation>
    </message>
    <message>
        <source>View the last &amp;Conversion</source>
        <extracomment>Entry of the View menu</extracomment>
        <translation>Die letzte &amp;Konvertierung anzeigen</translation>
    </message>
    <message>
        <source>&amp;Preview pane</source>
        <extracomment>Entry of the View menu, a switch with a check mark</extracomment>
        <translation>&amp;Vorschaubereich</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>Entry of the Help menu</extracomment>
        <translation>Ü&amp;ber...</translation>
    </message>
</context>
<context>
    <name>tabulyst::MessagesPage</name>
    <message>
        <source>Error reporting level</source>
        <extracomment>Label of a slider on the &quot;Messages&quot; page</extracomment>
        <translation>Fehlermeldestufe</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>How many messages are shown: low shows only the most important</source>
        <extracomment>Tool tip of the slider &quot;Error reporting level&quot;</extracomment>
        <translation>Wie viele Meldungen gezeigt werden: niedrig zeigt nur die wichtigsten</translation>
    </message>
    <message>
        <source>Show INFO messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>INFO-Meldungen anzeigen</translation>
    </message>
    <message>
        <source>Show WARNING messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>WARNING-Meldungen anzeigen</translation>
    </message>
    <message>
        <source>Show TAG ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>TAG-ERROR-Meldungen anzeigen</translation>
    </message>
    <message>
        <source>Show PROGRAM ERROR messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>PROGRAM-ERROR-Meldungen anzeigen</translation>
    </message>
    <message>
        <source>Show URL messages</source>
        <extracomment>Check box on the &quot;Messages&quot; page</extracomment>
        <translation>URL-Meldungen anzeigen</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;INFO:&quot;</source>
        <extracomment>Tool tip of &quot;Show INFO messages&quot;</extracomment>
        <translation>Die Meldungen anzeigen, die mit &quot;INFO:&quot; beginnen</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;WARNING:&quot;</source>
        <extracomment>Tool tip of &quot;Show WARNING messages&quot;</extracomment>
        <translation>Die Meldungen anzeigen, die mit &quot;WARNING:&quot; beginnen</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;TAG ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show TAG ERROR messages&quot;</extracomment>
        <translation>Die Meldungen anzeigen, die mit &quot;TAG ERROR:&quot; beginnen</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;PROGRAM ERROR:&quot;</source>
        <extracomment>Tool tip of &quot;Show PROGRAM ERROR messages&quot;</extracomment>
        <translation>Die Meldungen anzeigen, die mit &quot;PROGRAM ERROR:&quot; beginnen</translation>
    </message>
    <message>
        <source>Show the messages that begin with &quot;URL:&quot;</source>
        <extracomment>Tool tip of &quot;Show URL messages&quot;</extracomment>
        <translation>Die Meldungen anzeigen, die mit &quot;URL:&quot; beginnen</translation>
    </message>
</context>
<context>
    <name>tabulyst::PolicyFilesPage</name>
    <message>
        <source>Select the default policy file</source>
        <extracomment>Caption of the file chooser for the default policy file (&quot;Policy files&quot; page)</extracomment>
        <translation>Die Standard-Richtliniendatei auswählen</translation>
    </message>
    <message>
        <source>Use a default policy file</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Eine Standard-Richtliniendatei verwenden</translation>
    </message>
    <message>
        <source>Load this policy file for every conversion</source>
        <extracomment>Tool tip of &quot;Use a default policy file&quot;</extracomment>
        <translation>Diese Richtliniendatei für jede Konvertierung laden</translation>
    </message>
    <message>
        <source>The default policy file</source>
        <extracomment>Tool tip of the default policy file&apos;s name</extracomment>
        <translation>Die Standard-Richtliniendatei</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose the default policy file</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside the default policy file</extracomment>
        <translation>Die Standard-Richtliniendatei auswählen</translation>
    </message>
    <message>
        <source>Always reload policy file during conversion (slower, but picks up any changes)</source>
        <extracomment>Check box on the &quot;Policy files&quot; page</extracomment>
        <translation>Richtliniendatei bei jeder Konvertierung neu laden (langsamer, erfasst aber alle Änderungen)</translation>
    </message>
    <message>
        <source>Read the policy file again before every conversion</source>
        <extracomment>Tool tip of &quot;Always reload policy file during conversion ...&quot;</extracomment>
        <translation>Die Richtliniendatei vor jeder Konvertierung erneut lesen</translation>
    </message>
</context>
<context>
    <name>tabulyst::PropertySheet</name>
    <message>
        <source>Analysis policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Analysis policies&quot;</extracomment>
        <translation>Analyserichtlinien</translation>
    </message>
    <message>
        <source>Output policies</source>
        <extracomment>Caption of the property sheet opened from &quot;Conversion options &gt; Output Policies&quot;</extracomment>
        <translation>Ausgaberichtlinien</translation>
    </message>
    <message>
        <source>Program settings</source>
        <extracomment>Caption of the property sheet opened from the &quot;Settings&quot; menu</extracomment>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Apply the changes and close</source>
        <extracomment>Tool tip of the OK button of a property sheet</extracomment>
        <translation>Die Änderungen übernehmen und schließen</translation>
    </message>
    <message>
        <source>Close without applying; the changes are kept for the next opening</source>
        <extracomment>Tool tip of the Cancel button of a property sheet</extracomment>
        <translation>Schließen, ohne zu übernehmen; die Änderungen bleiben für das nächste Öffnen erhalten</translation>
    </message>
    <message>
        <source>Apply the changes and keep the sheet open</source>
        <extracomment>Tool tip of the Apply button of a property sheet</extracomment>
        <translation>Die Änderungen übernehmen und das Fenster offen lassen</translation>
    </message>
    <message>
        <source>What to look for</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Wonach gesucht wird</translation>
    </message>
    <message>
        <source>Bullets</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Aufzählungen</translation>
    </message>
    <message>
        <source>Contents List</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Inhaltsverzeichnis</translation>
    </message>
    <message>
        <source>File structure</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Dateistruktur</translation>
    </message>
    <message>
        <source>Headings</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Überschriften</translation>
    </message>
    <message>
        <source>Analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Pre-formatted text</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Vorformatierter Text</translation>
    </message>
    <message>
        <source>Table analysis</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Tabellenanalyse</translation>
    </message>
    <message>
        <source>Table layout</source>
        <extracomment>Tab title of a page of the analysis policies sheet</extracomment>
        <translation>Tabellenlayout</translation>
    </message>
    <message>
        <source>Document details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dokumentangaben</translation>
    </message>
    <message>
        <source>Table generation</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Tabellenerzeugung</translation>
    </message>
    <message>
        <source>Table details</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Tabellendetails</translation>
    </message>
    <message>
        <source>Document colours</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dokumentfarben</translation>
    </message>
    <message>
        <source>Hyperlinks</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Hyperlinks</translation>
    </message>
    <message>
        <source>Fonts</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>Document settings</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Dokumenteinstellungen</translation>
    </message>
    <message>
        <source>RTF configuration</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>RTF-Konfiguration</translation>
    </message>
    <message>
        <source>HTML markup</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>HTML-Markup</translation>
    </message>
    <message>
        <source>Frames</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Frames</translation>
    </message>
    <message>
        <source>Directory page</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Verzeichnisseite</translation>
    </message>
    <message>
        <source>Tags and directives</source>
        <extracomment>Tab title of a page of the output policies sheet</extracomment>
        <translation>Tags und Anweisungen</translation>
    </message>
    <message>
        <source>Documentation</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Dokumentation</translation>
    </message>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Drag&apos;n&apos;Drop</translation>
    </message>
    <message>
        <source>Messages</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Viewers</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Betrachter</translation>
    </message>
    <message>
        <source>Policy files</source>
        <extracomment>Tab title of a page of the program settings sheet</extracomment>
        <translation>Richtliniendateien</translation>
    </message>
</context>
<context>
    <name>tabulyst::StatusWindow</name>
    <message>
        <source>Tabulyst - messages</source>
        <extracomment>Title of the status window, which shows the messages of a conversion</extracomment>
        <translation>Tabulyst - Meldungen</translation>
    </message>
    <message>
        <source>Auto-dismiss on completion</source>
        <extracomment>Check box of the status window</extracomment>
        <translation>Nach Abschluss automatisch schließen</translation>
    </message>
    <message>
        <source>Close this window when a conversion succeeds</source>
        <extracomment>Tool tip of &quot;Auto-dismiss on completion&quot;</extracomment>
        <translation>Dieses Fenster schließen, wenn eine Konvertierung gelingt</translation>
    </message>
    <message>
        <source>The messages of the last conversion</source>
        <extracomment>Tool tip of the message text of the status window</extracomment>
        <translation>Die Meldungen der letzten Konvertierung</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableAnalysisPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Versuchen, TABELLEN zu erkennen und zu erzeugen</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Im Text nach Tabellen suchen und sie als Tabellen schreiben</translation>
    </message>
    <message>
        <source>Extend preformatted regions</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>Vorformatierte Bereiche erweitern</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>Left end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Right end of the slider &quot;Extend preformatted regions&quot;</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>How readily lines next to a table are taken into it</source>
        <extracomment>Tool tip of the slider &quot;Extend preformatted regions&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Wie bereitwillig Zeilen neben einer Tabelle in sie aufgenommen werden</translation>
    </message>
    <message>
        <source>Is the table expected to have sparse columns</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page</extracomment>
        <translation>Werden Tabellen mit dünn besetzten Spalten erwartet</translation>
    </message>
    <message>
        <source>Many cells of the tables are expected to be empty</source>
        <extracomment>Tool tip of &quot;Is the table expected to have sparse columns&quot;</extracomment>
        <translation>Viele Zellen der Tabellen werden leer erwartet</translation>
    </message>
    <message>
        <source>Ignore table header when analysing column pocitions</source>
        <extracomment>Check box on the &quot;Table analysis&quot; page (the spelling is the program&apos;s own)</extracomment>
        <translation>Tabellenkopf beim Analysieren der Spaltenpositionen nicht beachten</translation>
    </message>
    <message>
        <source>The header lines do not take part in finding the columns</source>
        <extracomment>Tool tip of &quot;Ignore table header when analysing column positions&quot;</extracomment>
        <translation>Die Kopfzeilen wirken bei der Suche nach den Spalten nicht mit</translation>
    </message>
    <message>
        <source>Merge together &quot;poor&quot; columns</source>
        <extracomment>Label of a slider on the &quot;Table analysis&quot; page</extracomment>
        <translation>&quot;Schwache&quot; Spalten zusammenführen</translation>
    </message>
    <message>
        <source>Never</source>
        <extracomment>Left end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Always</source>
        <extracomment>Right end of the slider &quot;Merge together &quot;poor&quot; columns&quot;</extracomment>
        <translation>Immer</translation>
    </message>
    <message>
        <source>How readily columns that are mostly empty, or run into the next, are merged</source>
        <extracomment>Tool tip of the slider &quot;Merge together &quot;poor&quot; columns&quot; on the &quot;Table analysis&quot; page</extracomment>
        <translation>Wie bereitwillig Spalten, die meist leer sind oder in die nächste hineinlaufen, zusammengeführt werden</translation>
    </message>
    <message>
        <source>Minimum number of spaces between columns</source>
        <extracomment>Label of a number edit on the &quot;Table analysis&quot; page</extracomment>
        <translation>Mindestzahl an Leerzeichen zwischen Spalten</translation>
    </message>
    <message>
        <source>The narrowest gap of blanks that separates two columns</source>
        <extracomment>Tool tip of &quot;Minimum number of spaces between columns&quot;</extracomment>
        <translation>Die schmalste Lücke aus Leerzeichen, die zwei Spalten trennt</translation>
    </message>
</context>
<context>
    <name>tabulyst::TableGenerationPage</name>
    <message>
        <source>Attempt TABLE recognition and generation</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Versuchen, TABELLEN zu erkennen und zu erzeugen</translation>
    </message>
    <message>
        <source>Look for tables in the text and write them as tables</source>
        <extracomment>Tool tip of &quot;Attempt TABLE recognition and generation&quot; on the &quot;Table generation&quot; page</extracomment>
        <translation>Im Text nach Tabellen suchen und sie als Tabellen schreiben</translation>
    </message>
    <message>
        <source>Number of header rows</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Anzahl der Kopfzeilen</translation>
    </message>
    <message>
        <source>How many rows at the top of each table are header rows</source>
        <extracomment>Tool tip of &quot;Number of header rows&quot;</extracomment>
        <translation>Wie viele Zeilen oben in jeder Tabelle Kopfzeilen sind</translation>
    </message>
    <message>
        <source>CELLPADDING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLPADDING</translation>
    </message>
    <message>
        <source>The space between the border of a cell and its text</source>
        <extracomment>Tool tip of &quot;CELLPADDING&quot;</extracomment>
        <translation>Der Abstand zwischen dem Rand einer Zelle und ihrem Text</translation>
    </message>
    <message>
        <source>CELLSPACING</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page (the HTML attribute&apos;s name)</extracomment>
        <translation>CELLSPACING</translation>
    </message>
    <message>
        <source>The space between neighbouring cells</source>
        <extracomment>Tool tip of &quot;CELLSPACING&quot;</extracomment>
        <translation>Der Abstand zwischen benachbarten Zellen</translation>
    </message>
    <message>
        <source>BORDER size</source>
        <extracomment>Label of a number edit on the &quot;Table generation&quot; page</extracomment>
        <translation>BORDER-Stärke</translation>
    </message>
    <message>
        <source>The width of the table&apos;s border (none: no border)</source>
        <extracomment>Tool tip of &quot;BORDER size&quot;</extracomment>
        <translation>Die Breite des Tabellenrahmens (none: kein Rahmen)</translation>
    </message>
    <message>
        <source>Table width</source>
        <extracomment>Label of a text edit on the &quot;Table generation&quot; page</extracomment>
        <translation>Tabellenbreite</translation>
    </message>
    <message>
        <source>The width of each table, in pixels or as a percentage such as 100%</source>
        <extracomment>Tool tip of &quot;Table width&quot;</extracomment>
        <translation>Die Breite jeder Tabelle in Pixeln oder in Prozent, etwa 100%</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>Label of a colour (text, swatch and chooser) on the &quot;Table generation&quot; page</extracomment>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>The background colour of tables: a colour name or six hexadecimal digits</source>
        <extracomment>Tool tip of the &quot;Background&quot; colour</extracomment>
        <translation>Die Hintergrundfarbe von Tabellen: ein Farbname oder sechs Hexadezimalziffern</translation>
    </message>
    <message>
        <source>Border colour</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Rahmenfarbe</translation>
    </message>
    <message>
        <source>The colour of the table&apos;s border</source>
        <extracomment>Tool tip of the &quot;Border colour&quot; colour</extracomment>
        <translation>Die Farbe des Tabellenrahmens</translation>
    </message>
    <message>
        <source>Colour odd and even rows differently</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Ungerade und gerade Zeilen verschieden färben</translation>
    </message>
    <message>
        <source>Data rows are coloured alternately with the two colours below</source>
        <extracomment>Tool tip of &quot;Colour odd and even rows differently&quot;</extracomment>
        <translation>Datenzeilen werden abwechselnd mit den beiden Farben darunter gefärbt</translation>
    </message>
    <message>
        <source>Odd Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Ungerade Zeilen</translation>
    </message>
    <message>
        <source>The colour of the first, third, fifth ... data row</source>
        <extracomment>Tool tip of the &quot;Odd Rows&quot; colour</extracomment>
        <translation>Die Farbe der ersten, dritten, fünften ... Datenzeile</translation>
    </message>
    <message>
        <source>Even Rows</source>
        <extracomment>Label of a colour on the &quot;Table generation&quot; page</extracomment>
        <translation>Gerade Zeilen</translation>
    </message>
    <message>
        <source>The colour of the second, fourth, sixth ... data row</source>
        <extracomment>Tool tip of the &quot;Even Rows&quot; colour</extracomment>
        <translation>Die Farbe der zweiten, vierten, sechsten ... Datenzeile</translation>
    </message>
    <message>
        <source>Table alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Tabellenausrichtung</translation>
    </message>
    <message>
        <source>Where tables stand on the page</source>
        <extracomment>Tool tip of &quot;Table alignment&quot;</extracomment>
        <translation>Wo Tabellen auf der Seite stehen</translation>
    </message>
    <message>
        <source>Table cell alignment</source>
        <extracomment>Label of a list on the &quot;Table generation&quot; page</extracomment>
        <translation>Ausrichtung der Tabellenzellen</translation>
    </message>
    <message>
        <source>How the text of the cells is aligned; Auto-Detect decides column by column</source>
        <extracomment>Tool tip of &quot;Table cell alignment&quot;</extracomment>
        <translation>Wie der Text der Zellen ausgerichtet wird; Automatisch entscheidet Spalte für Spalte</translation>
    </message>
    <message>
        <source>Convert any section cross references in the table into hyperlinks</source>
        <extracomment>Check box on the &quot;Table generation&quot; page</extracomment>
        <translation>Abschnittsverweise in der Tabelle in Hyperlinks umwandeln</translation>
    </message>
    <message>
        <source>References to sections inside the cells become links</source>
        <extracomment>Tool tip of &quot;Convert any section cross references in the table into hyperlinks&quot;</extracomment>
        <translation>Verweise auf Abschnitte in den Zellen werden zu Verknüpfungen</translation>
    </message>
</context>
<context>
    <name>tabulyst::ViewersPage</name>
    <message>
        <source>Select the viewer program</source>
        <extracomment>Caption of the file chooser for a viewer program (&quot;Viewers&quot; page)</extracomment>
        <translation>Das Betrachterprogramm auswählen</translation>
    </message>
    <message>
        <source>Automatically view results after each conversion</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Ergebnisse nach jeder Konvertierung automatisch anzeigen</translation>
    </message>
    <message>
        <source>Open each result in its viewer as soon as it is written</source>
        <extracomment>Tool tip of &quot;Automatically view results after each conversion&quot;</extracomment>
        <translation>Jedes Ergebnis im Betrachter öffnen, sobald es geschrieben ist</translation>
    </message>
    <message>
        <source>Command used to view .HTML results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Befehl zum Anzeigen von .HTML-Ergebnissen</translation>
    </message>
    <message>
        <source>The browser program, with any arguments; empty: the desktop&apos;s browser</source>
        <extracomment>Tool tip of &quot;Command used to view .HTML results&quot;</extracomment>
        <translation>Das Browserprogramm mit allen Argumenten; leer: der Browser des Desktops</translation>
    </message>
    <message>
        <source>Use DDE to view results</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>DDE zum Anzeigen der Ergebnisse verwenden</translation>
    </message>
    <message>
        <source>Ask a running browser to show the result rather than starting one</source>
        <extracomment>Tool tip of &quot;Use DDE to view results&quot;</extracomment>
        <translation>Einen laufenden Browser bitten, das Ergebnis zu zeigen, statt einen zu starten</translation>
    </message>
    <message>
        <source>DDE service name</source>
        <extracomment>Label of a list on the &quot;Viewers&quot; page</extracomment>
        <translation>DDE-Dienstname</translation>
    </message>
    <message>
        <source>The name under which the browser answers DDE requests</source>
        <extracomment>Tool tip of &quot;DDE service name&quot;</extracomment>
        <translation>Der Name, unter dem der Browser DDE-Anfragen beantwortet</translation>
    </message>
    <message>
        <source>Add &quot;file://localhost/&quot; prefix to URLs</source>
        <extracomment>Check box on the &quot;Viewers&quot; page</extracomment>
        <translation>Präfix &quot;file://localhost/&quot; vor Adressen setzen</translation>
    </message>
    <message>
        <source>Hand the viewer the result as a file://localhost/ address instead of a path</source>
        <extracomment>Tool tip of &quot;Add &quot;file://localhost/&quot; prefix to URLs&quot;</extracomment>
        <translation>Dem Betrachter das Ergebnis als file://localhost/-Adresse statt als Pfad übergeben</translation>
    </message>
    <message>
        <source>Command used to view .RTF results</source>
        <extracomment>Label of a text edit on the &quot;Viewers&quot; page</extracomment>
        <translation>Befehl zum Anzeigen von .RTF-Ergebnissen</translation>
    </message>
    <message>
        <source>The word processor or viewer program for RTF results; empty: the desktop&apos;s</source>
        <extracomment>Tool tip of &quot;Command used to view .RTF results&quot;</extracomment>
        <translation>Das Textverarbeitungs- oder Betrachterprogramm für RTF-Ergebnisse; leer: das des Desktops</translation>
    </message>
    <message>
        <source>Browse...</source>
        <extracomment>Button beside a file name on the property pages</extracomment>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Choose the viewer program</source>
        <extracomment>Tool tip of &quot;Browse...&quot; beside a viewer command</extracomment>
        <translation>Das Betrachterprogramm auswählen</translation>
    </message>
</context>
</TS>
