<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardSpeech</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Puzzles</source>
        <translation>Rätsel</translation>
    </message>
    <message numerus="yes">
        <source>%n puzzles selected</source>
        <translation>
            <numerusform>%n Rätsel ausgewählt</numerusform>
            <numerusform>%n Rätsel ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n squares</source>
        <translation>
            <numerusform>%1 in %n Feld</numerusform>
            <numerusform>%1 in %n Feldern</numerusform>
        </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Puzzle %1</source>
        <translation>Rätsel %1</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message numerus="yes">
        <source>%1 x %2, %n star</source>
        <translation>
            <numerusform>%1 x %2, %n Stern</numerusform>
            <numerusform>%1 x %2, %n Sterne</numerusform>
        </translation>
    </message>
    <message>
        <source>, solved</source>
        <translation>, gelöst</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message numerus="yes">
        <source>across %1 in %n squares</source>
        <translation>
            <numerusform>waagerecht %1 in %n Feld</numerusform>
            <numerusform>waagerecht %1 in %n Feldern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>down %1 in %n squares</source>
        <translation>
            <numerusform>senkrecht %1 in %n Feld</numerusform>
            <numerusform>senkrecht %1 in %n Feldern</numerusform>
        </translation>
    </message>
    <message>
        <source>blank</source>
        <translation>ohne Summe</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>marks %1</source>
        <translation>Notizen %1</translation>
    </message>
    <message>
        <source>answer missing</source>
        <translation>Lösung fehlt darunter</translation>
    </message>
    <message>
        <source>answer among them</source>
        <translation>Lösung ist darunter</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Solving a puzzle; the cursor is on %1.</source>
        <translation>Ein Rätsel wird gelöst; der Cursor steht auf %1.</translation>
    </message>
    <message numerus="yes">
        <source>Squares changed: %n.</source>
        <translation>
            <numerusform>Geänderte Felder: %n.</numerusform>
            <numerusform>Geänderte Felder: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Checked: nothing wrong.</source>
        <translation>Geprüft: nichts falsch.</translation>
    </message>
    <message>
        <source>Checked. Wrong entries: %1. Marks that leave out the answer: %2.</source>
        <translation>Geprüft. Falsche Einträge: %1. Notizen ohne die Lösung: %2.</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>Das Rätsel ist gelöst.</translation>
    </message>
    <message>
        <source>Solve mode.</source>
        <translation>Lösemodus.</translation>
    </message>
    <message>
        <source>Erase mode.</source>
        <translation>Löschmodus.</translation>
    </message>
    <message>
        <source>Fill mode.</source>
        <translation>Füllmodus.</translation>
    </message>
    <message>
        <source>The digit keys mark.</source>
        <translation>Die Zifferntasten notieren.</translation>
    </message>
    <message>
        <source>The digit keys enter.</source>
        <translation>Die Zifferntasten tragen ein.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Make, solve and print Cross Sums puzzles.
Qt&apos;s standard options (-platform NAME, -display DISPLAY, -style NAME, ...) are accepted as well.</source>
        <translation>Kakuro-Rätsel erstellen, lösen und drucken.
Die Standardoptionen von Qt (-platform NAME, -display DISPLAY, -style NAME, ...) werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe und beendet sich.</translation>
    </message>
    <message>
        <source>Shows the game&apos;s version and exits.</source>
        <translation>Zeigt die Version des Spiels und beendet sich.</translation>
    </message>
    <message>
        <source>Keeps the puzzles in FILE instead of the game&apos;s own data file (nothing is imported). Its lock, links and what may not be written over are treated as for the game&apos;s own file.</source>
        <translation>Bewahrt die Rätsel in DATEI statt in der eigenen Datendatei des Spiels auf (nichts wird importiert). Sperre, Verknüpfungen und was nicht überschrieben werden darf, werden wie bei der eigenen Datei behandelt.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>try --help</source>
        <translation>siehe --help</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--data is given twice</source>
        <translation>--data ist zweimal angegeben</translation>
    </message>
    <message>
        <source>--data needs a file name</source>
        <translation>--data braucht einen Dateinamen</translation>
    </message>
</context>
<context>
    <name>DesktopAccess</name>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Felder</translation>
    </message>
    <message numerus="yes">
        <source>%n star puzzles to create</source>
        <translation>
            <numerusform>Zu erstellende Rätsel mit %n Stern</numerusform>
            <numerusform>Zu erstellende Rätsel mit %n Sternen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: one more</source>
        <translation>%1: eins mehr</translation>
    </message>
    <message>
        <source>%1: one less</source>
        <translation>%1: eins weniger</translation>
    </message>
</context>
<context>
    <name>Logic</name>
    <message numerus="yes">
        <source>The %1 needs %2 in %n squares, so it allows %3 here.</source>
        <translation>
            <numerusform>Die Reihe %1 braucht %2 in %n Feld, also erlaubt sie hier %3.</numerusform>
            <numerusform>Die Reihe %1 braucht %2 in %n Feldern, also erlaubt sie hier %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 holds %2 already and needs %3 more in its %n open squares, so it allows %4 here.</source>
        <translation>
            <numerusform>Die Reihe %1 enthält schon %2 und braucht noch %3 in ihrem %n offenen Feld, also erlaubt sie hier %4.</numerusform>
            <numerusform>Die Reihe %1 enthält schon %2 und braucht noch %3 in ihren %n offenen Feldern, also erlaubt sie hier %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is already in the %2, so this square cannot hold it.</source>
        <translation>%1 steht schon in der Reihe %2, also kann dieses Feld sie nicht enthalten.</translation>
    </message>
    <message>
        <source>%1 are already in the %2, so this square cannot hold them.</source>
        <translation>%1 stehen schon in der Reihe %2, also kann dieses Feld sie nicht enthalten.</translation>
    </message>
    <message>
        <source>%1 is already in it.</source>
        <translation>%1 steht schon darin.</translation>
    </message>
    <message>
        <source>%1 are already in it.</source>
        <translation>%1 stehen schon darin.</translation>
    </message>
    <message>
        <source>%1 is only %2.</source>
        <translation>%1 ergibt nur %2.</translation>
    </message>
    <message>
        <source>Even %1 is only %2.</source>
        <translation>Selbst %1 ergibt nur %2.</translation>
    </message>
    <message>
        <source>%1 is already %2.</source>
        <translation>%1 ergibt schon %2.</translation>
    </message>
    <message>
        <source>Even %1 is already %2.</source>
        <translation>Selbst %1 ergibt schon %2.</translation>
    </message>
    <message>
        <source>Its combinations are %1, and none of them uses %2.</source>
        <translation>Ihre Kombinationen sind %1, und keine davon enthält %2.</translation>
    </message>
    <message>
        <source>Its other square holds %1, so this one holds %2.</source>
        <translation>Ihr anderes Feld enthält %1, also enthält dieses %2.</translation>
    </message>
    <message>
        <source>Its other open square holds %1, so this one holds %2.</source>
        <translation>Ihr anderes offenes Feld enthält %1, also enthält dieses %2.</translation>
    </message>
    <message numerus="yes">
        <source>Its other %n open squares add up to at least %1 and at most %2.</source>
        <translation>
            <numerusform>Ihr anderes offenes Feld ergibt mindestens %1 und höchstens %2.</numerusform>
            <numerusform>Ihre anderen %n offenen Felder ergeben mindestens %1 und höchstens %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Two of them cannot both be %1, nor both be %2.</source>
        <translation>Zwei davon können nicht beide %1 sein und auch nicht beide %2.</translation>
    </message>
    <message>
        <source>Two of them cannot both be %1.</source>
        <translation>Zwei davon können nicht beide %1 sein.</translation>
    </message>
    <message>
        <source>So this one holds %1.</source>
        <translation>Also enthält dieses %1.</translation>
    </message>
    <message>
        <source>Of its combinations only %1 fits the digits still open in its squares.</source>
        <translation>Von ihren Kombinationen passt nur %1 zu den Ziffern, die in ihren Feldern noch offen sind.</translation>
    </message>
    <message>
        <source>Its combinations %1 all fit the digits still open in its squares.</source>
        <translation>Ihre Kombinationen %1 passen alle zu den Ziffern, die in ihren Feldern noch offen sind.</translation>
    </message>
    <message numerus="yes">
        <source>All its %n combinations fit the digits still open in its squares.</source>
        <translation>
            <numerusform>Ihre %n Kombination passt zu den Ziffern, die in ihren Feldern noch offen sind.</numerusform>
            <numerusform>Alle ihre %n Kombinationen passen zu den Ziffern, die in ihren Feldern noch offen sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Of its combinations only %1 fit the digits still open in its squares.</source>
        <translation>Von ihren Kombinationen passen nur %1 zu den Ziffern, die in ihren Feldern noch offen sind.</translation>
    </message>
    <message numerus="yes">
        <source>%n of its %1 combinations fit the digits still open in its squares.</source>
        <translation>
            <numerusform>%n ihrer %1 Kombinationen passt zu den Ziffern, die in ihren Feldern noch offen sind.</numerusform>
            <numerusform>%n ihrer %1 Kombinationen passen zu den Ziffern, die in ihren Feldern noch offen sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Placed in the run&apos;s squares as their digits allow, it leaves this square only %1.</source>
        <translation>Auf die Felder der Reihe verteilt, wie deren Ziffern es erlauben, lässt sie diesem Feld nur %1.</translation>
    </message>
    <message>
        <source>Placed in the run&apos;s squares as their digits allow, they leave this square only %1.</source>
        <translation>Auf die Felder der Reihe verteilt, wie deren Ziffern es erlauben, lassen sie diesem Feld nur %1.</translation>
    </message>
    <message>
        <source>The %1 is a single square, so it holds %2.</source>
        <translation>Die Reihe %1 ist ein einzelnes Feld, also enthält es %2.</translation>
    </message>
    <message>
        <source>This is the last open square of the %1: %2 less the %3 already in it leaves %4.</source>
        <translation>Dies ist das letzte offene Feld der Reihe %1: %2 weniger die %3, die schon darin stehen, ergibt %4.</translation>
    </message>
    <message>
        <source>The digits still open here are %1.</source>
        <translation>Hier sind noch %1 offen.</translation>
    </message>
    <message>
        <source>Only %1 fits both runs, so this square holds %1.</source>
        <translation>Nur %1 passt zu beiden Reihen, also enthält dieses Feld %1.</translation>
    </message>
    <message>
        <source>Only %1 make that.</source>
        <translation>Nur %1 ergeben das.</translation>
    </message>
    <message>
        <source>Every combination for that (%1) uses %2.</source>
        <translation>Jede Kombination dafür (%1) enthält %2.</translation>
    </message>
    <message>
        <source>Every combination for that uses %1.</source>
        <translation>Jede Kombination dafür enthält %1.</translation>
    </message>
    <message>
        <source>No other open square of the run can still hold %1, so this square holds %1.</source>
        <translation>Kein anderes offenes Feld der Reihe kann noch %1 enthalten, also enthält dieses Feld %1.</translation>
    </message>
    <message>
        <source>In the %1, the squares in rows %2 can only hold %3 between them, so no other square of the run can hold those digits.</source>
        <translation>In der Reihe %1 können die Felder in den Zeilen %2 zusammen nur %3 enthalten, also kann kein anderes Feld der Reihe diese Ziffern enthalten.</translation>
    </message>
    <message>
        <source>In the %1, the squares in columns %2 can only hold %3 between them, so no other square of the run can hold those digits.</source>
        <translation>In der Reihe %1 können die Felder in den Spalten %2 zusammen nur %3 enthalten, also kann kein anderes Feld der Reihe diese Ziffern enthalten.</translation>
    </message>
    <message>
        <source>the %1</source>
        <translation>die Reihe %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Take %1: it makes %2.</source>
        <translation>Nimm %1: Sie ergibt %2.</translation>
    </message>
    <message>
        <source>Take %1: together they make %2.</source>
        <translation>Nimm %1: Zusammen ergeben sie %2.</translation>
    </message>
    <message>
        <source>Of their squares, %1 covers all but %2, and makes %3.</source>
        <translation>Von ihren Feldern deckt %1 alle außer %2 ab und ergibt %3.</translation>
    </message>
    <message>
        <source>Of their squares, %1 cover all but %2, and make %3.</source>
        <translation>Von ihren Feldern decken %1 alle außer %2 ab und ergeben %3.</translation>
    </message>
    <message>
        <source>So that square holds %1.</source>
        <translation>Also enthält jenes Feld %1.</translation>
    </message>
    <message numerus="yes">
        <source>So those %n squares add up to %1.</source>
        <translation>
            <numerusform>Also ergibt dieses %n Feld %1.</numerusform>
            <numerusform>Also ergeben diese %n Felder %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>With %1 already there, the open one makes %2.</source>
        <translation>Mit %1, die schon dort stehen, ergibt das offene Feld %2.</translation>
    </message>
    <message numerus="yes">
        <source>With %1 already there, the %n open ones make %2.</source>
        <translation>
            <numerusform>Mit %1, die schon dort stehen, ergibt das %n offene Feld %2.</numerusform>
            <numerusform>Mit %1, die schon dort stehen, ergeben die %n offenen Felder %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>No way of filling them from the digits still open in them makes that with %1 here.</source>
        <translation>Keine Belegung mit den Ziffern, die in ihnen noch offen sind, ergibt das mit %1 hier.</translation>
    </message>
    <message>
        <source>Suppose %1 held %2.</source>
        <translation>Angenommen, %1 enthielte %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Then %1 would hold %2 (%3).</source>
        <translation>Dann enthielte %1 %2 (%3).</translation>
    </message>
    <message>
        <source>Then %1 could not hold %2 (%3).</source>
        <translation>Dann könnte %1 nicht %2 enthalten (%3).</translation>
    </message>
    <message>
        <source>Then the %1 would hold %2 twice.</source>
        <translation>Dann enthielte die Reihe %1 zweimal %2.</translation>
    </message>
    <message>
        <source>Then the %1 could not be completed: no digits left in its squares make its total.</source>
        <translation>Dann ließe sich die Reihe %1 nicht vervollständigen: Keine Ziffern, die in ihren Feldern übrig sind, ergeben ihre Summe.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>down %1</source>
        <translation>%1 senkrecht</translation>
    </message>
    <message>
        <source>across %1</source>
        <translation>%1 waagerecht</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message numerus="yes">
        <source>The %1 needs %2 in %n squares.</source>
        <translation>
            <numerusform>Die Reihe %1 braucht %2 in %n Feld.</numerusform>
            <numerusform>Die Reihe %1 braucht %2 in %n Feldern.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %1 holds %2 already, so it needs %3 more in its %n open squares.</source>
        <translation>
            <numerusform>Die Reihe %1 enthält schon %2, braucht also noch %3 in ihrem %n offenen Feld.</numerusform>
            <numerusform>Die Reihe %1 enthält schon %2, braucht also noch %3 in ihren %n offenen Feldern.</numerusform>
        </translation>
    </message>
    <message>
        <source>So this square cannot hold %1.</source>
        <translation>Also kann dieses Feld %1 nicht enthalten.</translation>
    </message>
    <message>
        <source>This square cannot hold %1.</source>
        <translation>Dieses Feld kann %1 nicht enthalten.</translation>
    </message>
    <message>
        <source>So this square holds %1.</source>
        <translation>Also enthält dieses Feld %1.</translation>
    </message>
    <message>
        <source>This square holds %1.</source>
        <translation>Dieses Feld enthält %1.</translation>
    </message>
    <message>
        <source>Of %1, still open here, only %2 is left, so this square holds %2.</source>
        <translation>Von %1, die hier noch offen sind, bleibt nur %2, also enthält dieses Feld %2.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>%1; and %2</source>
        <translation>%1; und %2</translation>
    </message>
    <message>
        <source>rows %1 of column %2</source>
        <translation>Zeilen %1 der Spalte %2</translation>
    </message>
    <message>
        <source>columns %1 of row %2</source>
        <translation>Spalten %1 der Zeile %2</translation>
    </message>
    <message numerus="yes">
        <source>Its other %n open squares add up to exactly %1.</source>
        <translation>
            <numerusform>Ihr anderes offenes Feld ergibt genau %1.</numerusform>
            <numerusform>Ihre anderen %n offenen Felder ergeben genau %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>crosssums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross Sums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make, solve and print Cross Sums puzzles of four sizes and five levels.</source>
        <translation>Kakuro-Rätsel in vier Größen und fünf Stufen erstellen, lösen und drucken.</translation>
    </message>
    <message>
        <source>F1 shows the help, F2 this screen.</source>
        <translation>F1 zeigt die Hilfe, F2 diese Ansicht.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Puzzles and settings are kept in
%1</source>
        <translation>Rätsel und Einstellungen liegen in
%1</translation>
    </message>
    <message>
        <source>Cross Sums Help</source>
        <translation>Kakuro-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Select and solve</source>
        <translation>Auswählen und lösen</translation>
    </message>
    <message>
        <source>Solve XSums puzzle</source>
        <translation>Kakuro-Rätsel lösen</translation>
    </message>
    <message>
        <source>Manage XSums puzzles</source>
        <translation>Rätsel verwalten</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Screen setup</source>
        <translation>Bildschirm einrichten</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Hints and Examples</source>
        <translation>Tipps und Beispiele</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Your times, hints and practice</source>
        <translation>Ihre Zeiten, Tipps und Übungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Show help file</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Information - about box</source>
        <translation>Informationen über das Spiel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit the program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>You have reached the minimum screen width for your current font size.</source>
        <translation>Die kleinste Fensterbreite für die gewählte Schriftgröße ist erreicht.</translation>
    </message>
    <message>
        <source>You have reached the minimum screen height for your current font size.</source>
        <translation>Die kleinste Fensterhöhe für die gewählte Schriftgröße ist erreicht.</translation>
    </message>
    <message>
        <source>Your computer font size is set at extra large fonts.
<byte value="xd"/>
<byte value="xd"/>The program is optimized for regular and large fonts.
<byte value="xd"/>
<byte value="xd"/>All text will be easily readable, but using this font size may result in some characters being truncated at the bottom of the text.</source>
        <translation>Die Schriftgröße Ihres Rechners ist auf sehr große Schriften gestellt.
<byte value="xd"/>
<byte value="xd"/>Das Programm ist für normale und große Schriften gemacht.
<byte value="xd"/>
<byte value="xd"/>Aller Text bleibt gut lesbar, doch bei dieser Schriftgröße können manche Zeichen unten abgeschnitten sein.</translation>
    </message>
    <message>
        <source>You have made changes since your last save.</source>
        <translation>Seit dem letzten Speichern wurde etwas geändert.</translation>
    </message>
    <message>
        <source>Save this puzzle with your latest changes</source>
        <translation>Dieses Rätsel mit den letzten Änderungen speichern</translation>
    </message>
    <message>
        <source>Cancel the changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Try the save again</source>
        <translation>Erneut speichern</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>.session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this session&apos;s puzzles in a new file</source>
        <translation>Die Rätsel dieser Sitzung in einer neuen Datei speichern</translation>
    </message>
    <message>
        <source>Close without saving them</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>that program</source>
        <translation>dieses Programm</translation>
    </message>
    <message>
        <source>a file is there now</source>
        <translation>dort liegt jetzt eine Datei</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/>The puzzles of this session are still here: try the save again once the cause is mended, or close without saving them.</source>
        <translation>
<byte value="xd"/>
<byte value="xd"/>Die Rätsel dieser Sitzung sind noch da: Speichern Sie erneut, sobald die Ursache behoben ist, oder schließen Sie ohne Speichern.</translation>
    </message>
    <message>
        <source> This session holds no puzzles, so nothing is saved.</source>
        <translation> Diese Sitzung enthält keine Rätsel, also wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/>The puzzles of this session can be saved in a new file beside it, or not at all.</source>
        <translation>
<byte value="xd"/>
<byte value="xd"/>Die Rätsel dieser Sitzung können in einer neuen Datei daneben gespeichert werden, oder gar nicht.</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross Sums Puzzles</source>
        <translation>Kakuro-Rätsel</translation>
    </message>
    <message>
        <source>Current Screen</source>
        <translation>Aktuelle Ansicht</translation>
    </message>
    <message>
        <source>What are Cross Sums ?</source>
        <translation>Was ist Kakuro?</translation>
    </message>
    <message>
        <source>A puzzle can be added on the puzzle chooser (&quot;Select and solve&quot;) or on the list of the &quot;Create/Delete/Print&quot; screen.</source>
        <translation>Ein Rätsel kann in der Rätselauswahl (&quot;Auswählen und lösen&quot;) oder in der Liste der Ansicht &quot;Erstellen/Löschen/Drucken&quot; hinzugefügt werden.</translation>
    </message>
    <message>
        <source>txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>Select a standard screen size.  You may also</source>
        <translation>Eine Standardgröße wählen.  Man kann auch</translation>
    </message>
    <message>
        <source>drag the corner of the program window to resize</source>
        <translation>an der Ecke des Programmfensters ziehen, um</translation>
    </message>
    <message>
        <source>the program window as required.</source>
        <translation>seine Größe beliebig zu ändern.</translation>
    </message>
    <message>
        <source>Select a font size.  The optimal font size will</source>
        <translation>Eine Schriftgröße wählen.  Die beste Größe hängt</translation>
    </message>
    <message>
        <source>depend on your personal preference, as well as</source>
        <translation>vom eigenen Geschmack ab, aber auch von der</translation>
    </message>
    <message>
        <source>your system font size and your screen resolution.</source>
        <translation>Schriftgröße des Systems und der Bildschirmauflösung.</translation>
    </message>
    <message>
        <source>Select a standard screen size.</source>
        <translation>Standardgröße wählen.</translation>
    </message>
    <message>
        <source>Select a font size.</source>
        <translation>Schriftgröße wählen.</translation>
    </message>
    <message>
        <source>Screen Size :   800 x 600</source>
        <translation>Fenstergröße:   800 x 600</translation>
    </message>
    <message>
        <source>Screen Size : 1000 x 720</source>
        <translation>Fenstergröße: 1000 x 720</translation>
    </message>
    <message>
        <source>Screen Size : 1260 x 960</source>
        <translation>Fenstergröße: 1260 x 960</translation>
    </message>
    <message>
        <source>Smaller font</source>
        <translation>Kleinere Schrift</translation>
    </message>
    <message>
        <source>Nominal font</source>
        <translation>Normale Schrift</translation>
    </message>
    <message>
        <source>Bigger font</source>
        <translation>Größere Schrift</translation>
    </message>
    <message>
        <source>Large fonts are not available with the selected screen size.</source>
        <translation>Große Schrift ist bei der gewählten Fenstergröße nicht möglich.</translation>
    </message>
    <message>
        <source>Set the font size to &apos;Nominal fonts&apos;</source>
        <translation>Schriftgröße auf &apos;Normale Schrift&apos; stellen</translation>
    </message>
    <message>
        <source>Cancel the request to change the screen size.</source>
        <translation>Die Änderung der Fenstergröße abbrechen.</translation>
    </message>
    <message>
        <source>Nominal fonts are not available with the selected screen size.</source>
        <translation>Normale Schrift ist bei der gewählten Fenstergröße nicht möglich.</translation>
    </message>
    <message>
        <source>Set the font size to &apos;Small fonts&apos;</source>
        <translation>Schriftgröße auf &apos;Kleinere Schrift&apos; stellen</translation>
    </message>
    <message>
        <source>Size selected is bigger than your screen setup parameters.
<byte value="xd"/>Resetting to maximum size allowable.</source>
        <translation>Die gewählte Größe ist größer als Ihr Bildschirm.
<byte value="xd"/>Sie wird auf die größte mögliche Größe gesetzt.</translation>
    </message>
    <message>
        <source>Your current screen size is not big enough for &apos;Nominal fonts.&apos;
<byte value="xd"/>
<byte value="xd"/>Please set your screen size to at least 1260 by 960 for &apos;Nominal Fonts&apos;</source>
        <translation>Die Fenstergröße reicht nicht für &apos;Normale Schrift&apos;.
<byte value="xd"/>
<byte value="xd"/>Bitte für &apos;Normale Schrift&apos; mindestens 1260 x 960 wählen.</translation>
    </message>
    <message>
        <source>Your current screen size is not big enough for &apos;Bigger fonts.&apos;
<byte value="xd"/>
<byte value="xd"/>Please set your screen size to at least 1260 by 960 for &apos;Bigger Fonts&apos;</source>
        <translation>Die Fenstergröße reicht nicht für &apos;Größere Schrift&apos;.
<byte value="xd"/>
<byte value="xd"/>Bitte für &apos;Größere Schrift&apos; mindestens 1260 x 960 wählen.</translation>
    </message>
    <message>
        <source>Your current screen size is not big enough for &apos;Nominal fonts.&apos;
<byte value="xd"/>
<byte value="xd"/>Please set your screen size to at least 1000 by 720 for &apos;Nominal Fonts&apos;</source>
        <translation>Die Fenstergröße reicht nicht für &apos;Normale Schrift&apos;.
<byte value="xd"/>
<byte value="xd"/>Bitte für &apos;Normale Schrift&apos; mindestens 1000 x 720 wählen.</translation>
    </message>
    <message>
        <source>Your current screen size is not big enough for &apos;Bigger fonts.&apos;
<byte value="xd"/>
<byte value="xd"/>Please set your screen size to at least 1000 by 720 for &apos;Bigger Fonts&apos;</source>
        <translation>Die Fenstergröße reicht nicht für &apos;Größere Schrift&apos;.
<byte value="xd"/>
<byte value="xd"/>Bitte für &apos;Größere Schrift&apos; mindestens 1000 x 720 wählen.</translation>
    </message>
    <message>
        <source> Please select your preferred option and then press &apos;O.K.&apos;</source>
        <translation> Bitte eine Möglichkeit wählen und dann &apos;O.K.&apos; drücken</translation>
    </message>
    <message>
        <source>Print current state of puzzle i.e. include already filled numbers</source>
        <translation>Aktuellen Stand drucken, also mit den schon eingetragenen Ziffern</translation>
    </message>
    <message>
        <source>No option selected : Please select an option and then press O.K.</source>
        <translation>Nichts gewählt: Bitte eine Möglichkeit wählen und dann O.K. drücken</translation>
    </message>
    <message>
        <source>xxPlease select your preferred option and then press &apos;O.K. xxxxxxxxxxxxxxxx&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>O.K.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>X
X
X
X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no Cross Sums puzzles to solve</source>
        <translation>Es gibt keine Rätsel zum Lösen</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>Combinations </source>
        <translation>Kombinationen </translation>
    </message>
    <message>
        <source>for %d in %d : </source>
        <translation>für %d in %d : </translation>
    </message>
    <message>
        <source>Click total to show possible values (shown in yellow) for the square.</source>
        <translation>Summe anklicken: Die möglichen Werte des Feldes erscheinen gelb.</translation>
    </message>
    <message>
        <source>Click small number to fill a square</source>
        <translation>Kleine Zahl anklicken, um das Feld zu füllen</translation>
    </message>
    <message>
        <source>Re-click to return to possible values</source>
        <translation>Erneut klicken: zurück zu den möglichen Werten</translation>
    </message>
    <message>
        <source>Right-click small number to toggle possible values on and off.</source>
        <translation>Rechtsklick auf eine kleine Zahl schaltet sie als möglichen Wert ein und aus.</translation>
    </message>
    <message>
        <source>1) After filling a square, re-click the total as the possible combinations may have been reduced.</source>
        <translation>1) Nach dem Füllen eines Feldes die Summe erneut anklicken, denn es gibt vielleicht weniger Kombinationen.</translation>
    </message>
    <message>
        <source>    Note : The possible combinations are only reduced when a square has actually been filled.</source>
        <translation>    Hinweis: Die Kombinationen werden nur weniger, wenn ein Feld wirklich gefüllt ist.</translation>
    </message>
    <message>
        <source>2) Use the &apos;Save&apos; button to save the current state of the puzzle, including the yellow highlighted values.</source>
        <translation>2) &apos;Sichern&apos; sichert den aktuellen Stand des Rätsels, auch die gelb markierten Werte.</translation>
    </message>
    <message>
        <source>    Use the &apos;Reset&apos; button to restore the puzzle to its previous saved state.</source>
        <translation>    &apos;Laden&apos; stellt den zuletzt gespeicherten Stand wieder her.</translation>
    </message>
    <message>
        <source>3) Keys : the arrows, Home, End and Tab move the blue frame.  1..9 fill its square,</source>
        <translation>3) Tasten: Pfeile, Pos1, Ende und Tab bewegen den blauen Rahmen.  1..9 füllen sein Feld,</translation>
    </message>
    <message>
        <source>    Shift+1..9 (or 1..9 after pressing M) mark values;  0, Delete or Backspace clear it.</source>
        <translation>    Umschalt+1..9 (oder 1..9 nach M) notieren Werte;  0, Entf oder Rücktaste leeren es.</translation>
    </message>
    <message>
        <source>    Enter or Space clicks its across total, Shift+Enter its down total.  E, F, N change mode.</source>
        <translation>    Eingabe oder Leertaste klicken die waagerechte Summe, Umschalt+Eingabe die senkrechte.  E, F, N wechseln den Modus.</translation>
    </message>
    <message>
        <source>    Ctrl+Z undoes, Ctrl+Y redoes.  H shows the next step and why;  H again applies it.</source>
        <translation>    Strg+Z macht rückgängig, Strg+Y wiederholt.  H zeigt den nächsten Schritt samt Grund;  erneut H führt ihn aus.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>ODER</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>An entered digit now leaves the marks of the other squares of its two runs (R turns this off).</source>
        <translation>Eine eingetragene Ziffer verschwindet jetzt aus den Notizen der anderen Felder ihrer beiden Reihen (R schaltet das aus).</translation>
    </message>
    <message>
        <source>Entered digits no longer change marks (R turns this on).</source>
        <translation>Eingetragene Ziffern ändern keine Notizen mehr (R schaltet das ein).</translation>
    </message>
    <message>
        <source>Runs whose digits repeat or add up to more than their total are framed in red (D turns this off).</source>
        <translation>Reihen mit doppelten Ziffern oder einer zu großen Summe werden rot umrahmt (D schaltet das aus).</translation>
    </message>
    <message>
        <source>Runs in conflict are no longer framed (D turns this on).</source>
        <translation>Widersprüchliche Reihen werden nicht mehr umrahmt (D schaltet das ein).</translation>
    </message>
    <message>
        <source>Select a puzzle by clicking within the grid on the left.  The preview</source>
        <translation>Ein Rätsel durch Klick in die Liste links auswählen.  Die Vorschau</translation>
    </message>
    <message>
        <source>screen below shows the selected puzzle.</source>
        <translation>darunter zeigt das gewählte Rätsel.</translation>
    </message>
    <message>
        <source>Press &apos;Print this puzzle&apos; to print the puzzle (with or without answer)</source>
        <translation>&apos;Dieses Rätsel drucken&apos; druckt es (mit oder ohne Lösung)</translation>
    </message>
    <message>
        <source>Press &apos;Solve this puzzle&apos; to solve the puzzle on screen.</source>
        <translation>&apos;Dieses Rätsel lösen&apos; startet das Lösen am Bildschirm.</translation>
    </message>
    <message>
        <source>Legend :</source>
        <translation>Legende:</translation>
    </message>
    <message>
        <source>1 Star</source>
        <translation>1 Stern</translation>
    </message>
    <message>
        <source>2 Star</source>
        <translation>2 Sterne</translation>
    </message>
    <message>
        <source>3 Star</source>
        <translation>3 Sterne</translation>
    </message>
    <message>
        <source>4 Star</source>
        <translation>4 Sterne</translation>
    </message>
    <message>
        <source>5 Star</source>
        <translation>5 Sterne</translation>
    </message>
    <message>
        <source>Print this puzzle</source>
        <translation>Dieses Rätsel drucken</translation>
    </message>
    <message>
        <source>Solve this puzzle</source>
        <translation>Dieses Rätsel lösen</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>Not a valid combination</source>
        <translation>Keine gültige Kombination</translation>
    </message>
    <message>
        <source>Move to side</source>
        <translation>Zur Seite</translation>
    </message>
    <message>
        <source>Move to top</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Pan up</source>
        <translation>Nach oben schieben</translation>
    </message>
    <message>
        <source>Pan down</source>
        <translation>Nach unten schieben</translation>
    </message>
    <message>
        <source>Pan left</source>
        <translation>Nach links schieben</translation>
    </message>
    <message>
        <source>Pan right</source>
        <translation>Nach rechts schieben</translation>
    </message>
    <message>
        <source>Select mode</source>
        <translation>Modus wählen</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Solve Mode</source>
        <translation>Lösemodus</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Erase Mode</source>
        <translation>Löschmodus</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fill Mode</source>
        <translation>Füllmodus</translation>
    </message>
    <message>
        <source>... more</source>
        <translation>... mehr</translation>
    </message>
    <message>
        <source>More Information</source>
        <translation>Weitere Informationen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Smaller</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Backstep</source>
        <translation>Einen Schritt zurück</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Check entire puzzle</source>
        <translation>Ganzes Rätsel prüfen</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Erase entire puzzle</source>
        <translation>Ganzes Rätsel löschen</translation>
    </message>
    <message>
        <source>Fill All</source>
        <translation>Auflösen</translation>
    </message>
    <message>
        <source>Fill entire puzzle</source>
        <translation>Ganzes Rätsel ausfüllen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Reset from hard drive</source>
        <translation>Gespeicherten Stand laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Save to hard drive</source>
        <translation>Auf der Festplatte speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print puzzle/answer</source>
        <translation>Rätsel/Lösung drucken</translation>
    </message>
    <message>
        <source>Return to main screen</source>
        <translation>Zurück zur Auswahl</translation>
    </message>
    <message>
        <source>to fill a square.  Click the total to show all</source>
        <translation>um ein Feld zu füllen.  Summe anklicken zeigt</translation>
    </message>
    <message>
        <source>Time on this puzzle (hide it on the Progress screen)</source>
        <translation>Zeit für dieses Rätsel (auf der Fortschrittsansicht ausblendbar)</translation>
    </message>
    <message>
        <source>Hint: </source>
        <translation>Tipp: </translation>
    </message>
    <message>
        <source>Press &apos;O.K.&apos; to fill the answers in this puzzle
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>&apos;O.K.&apos; trägt die Lösungen in dieses Rätsel ein.
<byte value="xd"/>&apos;Abbrechen&apos; bricht den Auftrag ab.</translation>
    </message>
    <message>
        <source>Press &apos;O.K.&apos; to clear all answers from this puzzle
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>&apos;O.K.&apos; löscht alle Einträge dieses Rätsels.
<byte value="xd"/>&apos;Abbrechen&apos; bricht den Auftrag ab.</translation>
    </message>
    <message>
        <source>Press &apos;O.K.&apos; to save the current state of this puzzle.
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>&apos;O.K.&apos; speichert den aktuellen Stand dieses Rätsels.
<byte value="xd"/>&apos;Abbrechen&apos; bricht den Auftrag ab.</translation>
    </message>
    <message>
        <source>Press &apos;O.K.&apos; to reset this puzzle to its last saved version.
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>&apos;O.K.&apos; setzt dieses Rätsel auf den zuletzt gespeicherten Stand zurück.
<byte value="xd"/>&apos;Abbrechen&apos; bricht den Auftrag ab.</translation>
    </message>
    <message>
        <source>   Erase Mode : Click a square to</source>
        <translation>   Löschmodus: Ein Feld anklicken,</translation>
    </message>
    <message>
        <source>   erase the answer - or click, hold</source>
        <translation>   um es zu löschen - oder klicken,</translation>
    </message>
    <message>
        <source>   and hover over squares to erase.</source>
        <translation>   halten und über Felder ziehen.</translation>
    </message>
    <message>
        <source>   Fill Mode : Click a square to fill</source>
        <translation>   Füllmodus: Ein Feld anklicken, um</translation>
    </message>
    <message>
        <source>   the correct answer - or click, hold</source>
        <translation>   die Lösung einzutragen - oder klicken,</translation>
    </message>
    <message>
        <source>   and hover over squares to fill.</source>
        <translation>   halten und über Felder ziehen.</translation>
    </message>
    <message>
        <source>Solve Mode, Marks on : the keys 1..9</source>
        <translation>Lösemodus, Notizen an: die Tasten 1..9</translation>
    </message>
    <message>
        <source>mark possible values.  Press M again</source>
        <translation>notieren mögliche Werte.  Erneut M</translation>
    </message>
    <message>
        <source>for the keys to fill squares.</source>
        <translation>drücken, um Felder zu füllen.</translation>
    </message>
    <message>
        <source>Solve Mode : Click on the small 1..9 grid</source>
        <translation>Lösemodus: Kleines 1..9-Raster anklicken,</translation>
    </message>
    <message>
        <source>possible combinations.</source>
        <translation>alle möglichen Kombinationen.</translation>
    </message>
    <message>
        <source>Solved : every square holds its answer.</source>
        <translation>Gelöst: Jedes Feld enthält seine Lösung.</translation>
    </message>
    <message>
        <source>Press &apos;Save&apos; to keep it solved, &apos;Return&apos;</source>
        <translation>&apos;Sichern&apos; behält es gelöst, &apos;Fertig&apos;</translation>
    </message>
    <message>
        <source>to choose another puzzle.</source>
        <translation>wählt ein anderes Rätsel.</translation>
    </message>
    <message>
        <source>1 star</source>
        <translation>1 ★</translation>
    </message>
    <message>
        <source>2 star</source>
        <translation>2 ★</translation>
    </message>
    <message>
        <source>3 star</source>
        <translation>3 ★</translation>
    </message>
    <message>
        <source>4 star</source>
        <translation>4 ★</translation>
    </message>
    <message>
        <source>5 star</source>
        <translation>5 ★</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>To create Cross Sums puzzles</source>
        <translation>Kakuro-Rätsel erstellen</translation>
    </message>
    <message>
        <source>Choose how many puzzles to create and their size.</source>
        <translation>Anzahl und Größe der neuen Rätsel wählen.</translation>
    </message>
    <message>
        <source>Panel%1Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spn%1Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>To create</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Existing</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source>Puzzle size</source>
        <translation>Rätselgröße</translation>
    </message>
    <message>
        <source>PanelCreate%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PanelExist%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create puzzles</source>
        <translation>Rätsel erstellen</translation>
    </message>
    <message>
        <source>To delete or print Cross Sums puzzles</source>
        <translation>Kakuro-Rätsel löschen oder drucken</translation>
    </message>
    <message>
        <source>Select all puzzles to delete or print using the buttons below, or by</source>
        <translation>Die Rätsel zum Löschen oder Drucken mit den Knöpfen unten wählen</translation>
    </message>
    <message>
        <source>clicking the puzzle in the grid.  Selected puzzles are outlined in red.</source>
        <translation>oder in der Liste anklicken.  Gewählte Rätsel sind rot umrandet.</translation>
    </message>
    <message>
        <source>Then press the &apos;Delete puzzles&apos; or &apos;Print options&apos; button.</source>
        <translation>Dann &apos;Rätsel löschen&apos; oder &apos;Druckoptionen&apos; drücken.</translation>
    </message>
    <message>
        <source>Panel%1Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bnSelect%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Clear all highlighted</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Delete puzzles</source>
        <translation>Rätsel löschen</translation>
    </message>
    <message>
        <source>Print options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Creating puzzles</source>
        <translation>Rätsel werden erstellt</translation>
    </message>
    <message>
        <source>Stop puzzle creation</source>
        <translation>Erstellen anhalten</translation>
    </message>
    <message>
        <source>Do you wish to stop the puzzle creation process ?
<byte value="xd"/>
<byte value="xd"/>Press &apos;O.K.&apos; to stop puzzle creation.
<byte value="xd"/>Press &apos;Cancel&apos; to continue.&quot;
<byte value="xd"/></source>
        <translation>Möchten Sie das Erstellen der Rätsel anhalten?
<byte value="xd"/>
<byte value="xd"/>&apos;O.K.&apos; hält das Erstellen an.
<byte value="xd"/>&apos;Abbrechen&apos; macht weiter.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>No new puzzle can be stored: the library holds 100 puzzles.</source>
        <translation>Es passt kein neues Rätsel mehr hinein: Die Sammlung enthält 100 Rätsel.</translation>
    </message>
    <message>
        <source>The library holds 100 puzzles: delete some to make room.</source>
        <translation>Die Sammlung enthält 100 Rätsel: Zum Platzschaffen einige löschen.</translation>
    </message>
    <message>
        <source>These fill the library: it holds 100 puzzles at most.</source>
        <translation>Damit ist die Sammlung voll: Sie fasst höchstens 100 Rätsel.</translation>
    </message>
    <message>
        <source>%3d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new puzzle can be stored.</source>
        <translation>Es passt kein neues Rätsel mehr hinein.</translation>
    </message>
    <message>
        <source>Select the required print options for the puzzles and/or answers by clicking the boxes below.  The preview
screen is automatically updated, showing all pages in printer portrait or landscape mode, as indicated.</source>
        <translation>Die Druckoptionen für Rätsel und/oder Lösungen in den Feldern unten wählen.  Die Vorschau
folgt sofort und zeigt alle Seiten im Hoch- oder Querformat, wie angegeben.</translation>
    </message>
    <message>
        <source>imgColor%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rbColor%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Puzzles :  Large print size</source>
        <translation>Rätsel drucken:  groß</translation>
    </message>
    <message>
        <source>Print Puzzles :  Small print size</source>
        <translation>Rätsel drucken:  klein</translation>
    </message>
    <message>
        <source>Print Answers :  Large print size</source>
        <translation>Lösungen drucken:  groß</translation>
    </message>
    <message>
        <source>Print Answers :  Small print size</source>
        <translation>Lösungen drucken:  klein</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Fill every run with the digits 1 to 9 to make its total, no digit twice in a run</source>
        <translation>Jede Reihe mit den Ziffern 1 bis 9 zu ihrer Summe füllen, keine Ziffer zweimal in einer Reihe</translation>
    </message>
    <message>
        <source>Answer to puzzle : 99999</source>
        <translation>Lösung zu Rätsel: 99999</translation>
    </message>
    <message>
        <source>the printer gave no reason</source>
        <translation>der Drucker nannte keinen Grund</translation>
    </message>
    <message>
        <source>The pages before it in the same job were not sent either.
<byte value="xd"/></source>
        <translation>Die Seiten davor im selben Auftrag wurden ebenfalls nicht gesendet.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Velmor Cross Sums Puzzles</source>
        <translation>Velmor Kakuro-Rätsel</translation>
    </message>
    <message>
        <source>&apos;) + name + QLatin1Char(&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the file %1 cannot be written to</source>
        <translation>in die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written to</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file %1 could not be written</source>
        <translation>die Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the document could not take the page</source>
        <translation>das Dokument konnte die Seite nicht aufnehmen</translation>
    </message>
    <message>
        <source>the printer %1 is not available</source>
        <translation>der Drucker %1 ist nicht verfügbar</translation>
    </message>
    <message>
        <source>the printer %1 reports an error</source>
        <translation>der Drucker %1 meldet einen Fehler</translation>
    </message>
    <message>
        <source>the print job was cancelled</source>
        <translation>der Druckauftrag wurde abgebrochen</translation>
    </message>
    <message>
        <source>the printer %1 did not take another page</source>
        <translation>der Drucker %1 hat keine weitere Seite angenommen</translation>
    </message>
    <message>
        <source>the job could not be sent to the printer %1</source>
        <translation>der Auftrag konnte nicht an den Drucker %1 geschickt werden</translation>
    </message>
    <message>
        <source>the printer %1 did not begin the job</source>
        <translation>der Drucker %1 hat den Auftrag nicht begonnen</translation>
    </message>
    <message>
        <source>the file %1 could not be written (</source>
        <translation>die Datei %1 konnte nicht geschrieben werden (</translation>
    </message>
    <message>
        <source>the file %1 holds %2 of its %3 bytes</source>
        <translation>die Datei %1 enthält %2 ihrer %3 Bytes</translation>
    </message>
    <message>
        <source>page %1 could not be written: %2</source>
        <translation>Seite %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the check was stopped before it could tell whether the puzzle has one solution</source>
        <translation>die Prüfung wurde angehalten, bevor feststand, ob das Rätsel genau eine Lösung hat</translation>
    </message>
    <message>
        <source>the puzzle has no solution</source>
        <translation>das Rätsel hat keine Lösung</translation>
    </message>
    <message>
        <source>the puzzle is larger than 16 x 26</source>
        <translation>das Rätsel ist größer als 16 x 26</translation>
    </message>
    <message>
        <source>the library holds 100 puzzles: delete some to make room</source>
        <translation>die Sammlung enthält 100 Rätsel: zum Platzschaffen einige löschen</translation>
    </message>
    <message>
        <source>the puzzle could not be stored</source>
        <translation>das Rätsel konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Print the puzzle only</source>
        <translation>Nur das Rätsel drucken</translation>
    </message>
    <message>
        <source>Print the puzzle + answer on a single page</source>
        <translation>Rätsel und Lösung auf eine Seite drucken</translation>
    </message>
    <message>
        <source>Print the puzzle + answer on separate pages</source>
        <translation>Rätsel und Lösung auf getrennte Seiten drucken</translation>
    </message>
    <message>
        <source>background-color: #FF0000;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>the total given in the preceding black square.</source>
        <translation>die Summe im davorliegenden schwarzen Feld ergeben.</translation>
    </message>
    <message>
        <source>Only the numbers 1-9 are used and the same number cannot be used more than once in each group.</source>
        <translation>Es kommen nur die Zahlen 1-9 vor, und in jeder Gruppe darf keine Zahl doppelt stehen.</translation>
    </message>
    <message>
        <source>The top left corner of a typical puzzle:</source>
        <translation>Die linke obere Ecke eines typischen Rätsels:</translation>
    </message>
    <message>
        <source>In a black square, the number above the diagonal is the total of the white squares to its right,</source>
        <translation>In einem schwarzen Feld ist die Zahl über der Diagonale die Summe der weißen Felder rechts davon,</translation>
    </message>
    <message>
        <source>the number below the diagonal the total of those below it.</source>
        <translation>die Zahl unter der Diagonale die Summe der Felder darunter.</translation>
    </message>
    <message>
        <source>Here 3 and 8 are totals across, 4 and 7 totals down.</source>
        <translation>Hier sind 3 und 8 waagerechte Summen, 4 und 7 senkrechte.</translation>
    </message>
    <message>
        <source>How its first squares are worked out, drawn as the &apos;Solve&apos; screen shows them (possible values in yellow):</source>
        <translation>So werden die ersten Felder gelöst, gezeichnet wie beim Lösen (mögliche Werte in Gelb):</translation>
    </message>
    <message>
        <source>1) A total of 3 in two squares can only be 1 + 2 or 2 + 1, so both squares can only be 1 or 2.</source>
        <translation>1) Eine Summe von 3 in zwei Feldern kann nur 1 + 2 oder 2 + 1 sein, also enthalten beide Felder 1 oder 2.</translation>
    </message>
    <message>
        <source>2) A total of 4 in two squares can only be 1 + 3 or 3 + 1. The square it shares with the 3 can only be 1.</source>
        <translation>2) Eine Summe von 4 in zwei Feldern kann nur 1 + 3 oder 3 + 1 sein. Das Feld, das sie mit der 3 teilt, kann nur 1 sein.</translation>
    </message>
    <message>
        <source>3) That square is 1.</source>
        <translation>3) Dieses Feld ist 1.</translation>
    </message>
    <message>
        <source>4) The others follow: 3 - 1 = 2 across and 4 - 1 = 3 down.</source>
        <translation>4) Der Rest folgt: 3 - 1 = 2 waagerecht und 4 - 1 = 3 senkrecht.</translation>
    </message>
    <message>
        <source>1) After filling a square, click the totals of its runs again: with a digit in place, the other squares may have fewer possible values.</source>
        <translation>1) Nach dem Füllen eines Feldes die Summen seiner Reihen erneut anklicken: Mit einer gesetzten Ziffer haben die anderen Felder vielleicht weniger mögliche Werte.</translation>
    </message>
    <message>
        <source>    A click on a total keeps only the possible values that can still make it, so clicking the across and the down total of a square narrows it from both sides.</source>
        <translation>    Ein Klick auf eine Summe lässt nur die Werte stehen, die sie noch ergeben können; ein Klick auf die waagerechte und die senkrechte Summe engt ein Feld also von beiden Seiten ein.</translation>
    </message>
    <message>
        <source>2) &apos;Save&apos; keeps the puzzle as it stands, the possible values in yellow included. &apos;Reset&apos; takes it back to the last save.</source>
        <translation>2) &apos;Sichern&apos; sichert das Rätsel, wie es ist, samt den gelben möglichen Werten. &apos;Laden&apos; holt den letzten gespeicherten Stand zurück.</translation>
    </message>
    <message>
        <source>3) In the pictures, a red frame marks where the click goes.</source>
        <translation>3) In den Bildern zeigt ein roter Rahmen, wohin geklickt wird.</translation>
    </message>
    <message>
        <source>1) Click the across total 11. Four different digits make 11 only as 1 + 2 + 3 + 5, so each of its squares can only be 1, 2, 3 or 5.</source>
        <translation>1) Die waagerechte Summe 11 anklicken. Vier verschiedene Ziffern ergeben 11 nur als 1 + 2 + 3 + 5, also kann jedes ihrer Felder nur 1, 2, 3 oder 5 sein.</translation>
    </message>
    <message>
        <source>2) Click the down totals 13 and 10. 13 in two squares needs 4 or more in each, which leaves only 5 in the square it shares with the 11. 10 in two squares cannot use a 5, which leaves 1, 2 or 3 in its square of the 11.</source>
        <translation>2) Die senkrechten Summen 13 und 10 anklicken. 13 in zwei Feldern braucht in jedem mindestens 4, so bleibt im Feld, das sie mit der 11 teilt, nur 5. 10 in zwei Feldern kann keine 5 enthalten, so bleiben in ihrem Feld der 11 nur 1, 2 oder 3.</translation>
    </message>
    <message>
        <source>3) Click the down totals 3 and 7. 3 in two squares is 1 + 2, and 7 in three squares is 1 + 2 + 4, so the last two squares of the 11 can only be 1 or 2.</source>
        <translation>3) Die senkrechten Summen 3 und 7 anklicken. 3 in zwei Feldern ist 1 + 2, und 7 in drei Feldern ist 1 + 2 + 4, also können die letzten beiden Felder der 11 nur 1 oder 2 sein.</translation>
    </message>
    <message>
        <source>1) The last two squares of the 11 hold 1 and 2 between them, and its first square can only be 5, so the second is 11 - 5 - 1 - 2 = 3. Fill 5 and 3.</source>
        <translation>1) Die letzten beiden Felder der 11 enthalten zusammen 1 und 2, ihr erstes Feld kann nur 5 sein, also ist das zweite 11 - 5 - 1 - 2 = 3. 5 und 3 eintragen.</translation>
    </message>
    <message>
        <source>2) Click the down totals 13 and 10 again: 13 - 5 leaves 8, and 10 - 3 leaves 7.</source>
        <translation>2) Die senkrechten Summen 13 und 10 erneut anklicken: 13 - 5 ergibt 8, und 10 - 3 ergibt 7.</translation>
    </message>
    <message>
        <source>3) Fill 8 and 7. The across total agrees: 8 + 7 = 15, and the top left corner is done.</source>
        <translation>3) 8 und 7 eintragen. Die waagerechte Summe stimmt: 8 + 7 = 15, und die linke obere Ecke ist fertig.</translation>
    </message>
    <message>
        <source>Note: a total that can only be made with the largest digits fixes which digits its squares hold, though not which square holds which: 17 in two squares is always 8 and 9; 24 in three squares 7, 8 and 9. The same goes for the smallest: 3 in two squares is always 1 and 2. The other totals through the squares tell where each digit goes.</source>
        <translation>Hinweis: Eine Summe, die sich nur mit den größten Ziffern bilden lässt, legt fest, welche Ziffern ihre Felder enthalten, aber nicht, welches Feld welche: 17 in zwei Feldern ist immer 8 und 9; 24 in drei Feldern 7, 8 und 9. Ebenso bei den kleinsten: 3 in zwei Feldern ist immer 1 und 2. Die anderen Summen durch diese Felder zeigen, wohin jede Ziffer gehört.</translation>
    </message>
    <message>
        <source>1) Click the across total 6. Its squares can be 1 or 2, and 1, 2 or 4; only 2 + 4 makes 6. Fill 2 and 4.</source>
        <translation>1) Die waagerechte Summe 6 anklicken. Ihre Felder können 1 oder 2 und 1, 2 oder 4 sein; nur 2 + 4 ergibt 6. 2 und 4 eintragen.</translation>
    </message>
    <message>
        <source>2) The down total 3 leaves 1 above the 2, and 11 - 5 - 3 - 1 leaves 2 for the last square of the 11.</source>
        <translation>2) Die senkrechte Summe 3 lässt 1 über der 2, und 11 - 5 - 3 - 1 lässt 2 für das letzte Feld der 11.</translation>
    </message>
    <message>
        <source>3) The down total 7 leaves 7 - 2 - 4 = 1 for its last square.</source>
        <translation>3) Die senkrechte Summe 7 lässt 7 - 2 - 4 = 1 für ihr letztes Feld.</translation>
    </message>
    <message>
        <source>Note: that 1 could have been found at once. The across totals 15 + 11 + 6 = 32 count the same squares as the down totals 13 + 10 + 3 + 7 = 33, except the last square of the 7, which only the down totals count. It must be 33 - 32 = 1.</source>
        <translation>Hinweis: Diese 1 hätte man sofort finden können. Die waagerechten Summen 15 + 11 + 6 = 32 zählen dieselben Felder wie die senkrechten 13 + 10 + 3 + 7 = 33, bis auf das letzte Feld der 7, das nur die senkrechten zählen. Es muss 33 - 32 = 1 sein.</translation>
    </message>
    <message>
        <source>Show the possible values for any combination</source>
        <translation>Mögliche Werte jeder Kombination zeigen</translation>
    </message>
    <message>
        <source>total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source># squares</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Set a total and a number of squares with the arrows: the digits in yellow are those that can stand in a run of that many squares adding up to that total.</source>
        <translation>Summe und Felderzahl mit den Pfeilen einstellen: Gelb sind die Ziffern, die in einer Reihe mit so vielen Feldern und dieser Summe stehen können.</translation>
    </message>
    <message>
        <source>Overview - Page 1 of 6 : What are Cross Sums Puzzles ?</source>
        <translation>Überblick - Seite 1 von 6: Was ist Kakuro?</translation>
    </message>
    <message>
        <source>Overview - Page 2 of 6 : How to use the &apos;Solve&apos; screen.</source>
        <translation>Überblick - Seite 2 von 6: So funktioniert das Lösen.</translation>
    </message>
    <message>
        <source>Overview - Page 3 of 6 : Examples 1</source>
        <translation>Überblick - Seite 3 von 6: Beispiele 1</translation>
    </message>
    <message>
        <source>Overview - Page 4 of 6 : Examples 2</source>
        <translation>Überblick - Seite 4 von 6: Beispiele 2</translation>
    </message>
    <message>
        <source>Overview - Page 5 of 6 : Examples 3</source>
        <translation>Überblick - Seite 5 von 6: Beispiele 3</translation>
    </message>
    <message>
        <source>Overview - Page 6 of 6 : Possible Values</source>
        <translation>Überblick - Seite 6 von 6: Mögliche Werte</translation>
    </message>
    <message>
        <source>Solve screen</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Possible Values</source>
        <translation>Mögliche Werte</translation>
    </message>
    <message>
        <source>This screen is available at any time by pressing the &apos;Hints&apos; button.</source>
        <translation>Diese Ansicht ist jederzeit über den Knopf &apos;Tipps&apos; erreichbar.</translation>
    </message>
    <message>
        <source>A Cross Sums Puzzle consists of a crossword grid where the numbers in the white squares add up to </source>
        <translation>Ein Kakuro-Rätsel ist ein Gitter wie beim Kreuzworträtsel, in dem die Zahlen der weißen Felder </translation>
    </message>
    <message>
        <source>&#xa0;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>−</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source> Puzzle Id : %1           Damaged : %2</source>
        <translation> Rätsel-Nr.: %1           Beschädigt: %2</translation>
    </message>
    <message>
        <source> Puzzle Id : %1           Size : %2 x %3            Difficulty : %4 Star</source>
        <translation> Rätsel-Nr.: %1           Größe: %2 x %3            Schwierigkeit: %4 Stern(e)</translation>
    </message>
    <message>
        <source>Create/Delete/Print</source>
        <translation>Neu/Löschen/Drucken</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/>Press &apos;O.K.&apos; to add a second copy
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>
<byte value="xd"/>
<byte value="xd"/>&apos;O.K.&apos; fügt eine zweite Kopie hinzu.
<byte value="xd"/>&apos;Abbrechen&apos; bricht den Auftrag ab.</translation>
    </message>
    <message>
        <source>This puzzle is taller than the largest size, so it was turned on its side to fit: its rows are now columns, and its across runs down runs.</source>
        <translation>Dieses Rätsel ist höher als die größte Größe und wurde daher gedreht: Seine Zeilen sind jetzt Spalten, seine waagerechten Reihen senkrechte.</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the puzzle</source>
        <translation>Rätsel wird geprüft</translation>
    </message>
    <message>
        <source>Stop the check</source>
        <translation>Prüfung anhalten</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Aufruf: </translation>
    </message>
    <message>
        <source>
Arguments:
</source>
        <translation>
Argumente:
</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Optionen:
</translation>
    </message>
    <message>
        <source>
Commands:
</source>
        <translation>
Befehle:
</translation>
    </message>
    <message>
        <source>
Without --data the game&apos;s own data file is used. list, show, explain and combos never write it.
</source>
        <translation>
Ohne --data wird die Datendatei des Spiels benutzt. list, show, explain und combos schreiben sie nie.
</translation>
    </message>
    <message>
        <source>en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>index.%1.html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>/help/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    C marks every empty square with the values both its runs allow (one Undo takes it back).</source>
        <translation>    C notiert in jedem leeren Feld die Werte, die beide Reihen erlauben (ein Zurück nimmt es zurück).</translation>
    </message>
    <message>
        <source>    R (on or off): an entered digit leaves the marks of the other squares of its two runs.</source>
        <translation>    R (an oder aus): Eine eingetragene Ziffer verschwindet aus den Notizen der anderen Felder ihrer Reihen.</translation>
    </message>
    <message>
        <source>    D (on or off): runs whose digits repeat or add up to more than their total are framed.</source>
        <translation>    D (an oder aus): Reihen mit doppelten Ziffern oder zu großer Summe werden umrahmt.</translation>
    </message>
    <message>
        <source>%lld:%02lld:%02lld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%lld:%02lld</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle solved yet. Each puzzle you solve adds a row here: best and median times and hints by size and star level, a chart of your times, the techniques your hints named, and your last 20 puzzles. Nothing leaves this computer.</source>
        <translation>Noch kein Rätsel gelöst. Jedes gelöste Rätsel fügt hier eine Zeile hinzu: beste und mittlere Zeiten und Tipps nach Größe und Sternstufe, ein Diagramm Ihrer Zeiten, die Techniken, die Ihre Tipps genannt haben, und Ihre letzten 20 Rätsel. Nichts verlässt diesen Rechner.</translation>
    </message>
    <message>
        <source>hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Your progress</source>
        <translation>Ihr Fortschritt</translation>
    </message>
    <message>
        <source>Show the time while solving</source>
        <translation>Zeit beim Lösen zeigen</translation>
    </message>
    <message>
        <source>By size and star level</source>
        <translation>Nach Größe und Sternstufe</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Hints per puzzle</source>
        <translation>Tipps je Rätsel</translation>
    </message>
    <message>
        <source>Last 20 solved</source>
        <translation>Die letzten 20 gelösten</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Hints by technique</source>
        <translation>Tipps nach Technik</translation>
    </message>
    <message>
        <source>Practice size</source>
        <translation>Übungsgröße</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Solve times (minutes)</source>
        <translation>Lösezeiten (Minuten)</translation>
    </message>
    <message>
        <source>d MMM hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d MMM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%.1f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never a puzzle&apos;s hardest step: another step always comes before it</source>
        <translation>Nie der schwierigste Schritt eines Rätsels: Ein anderer Schritt kommt immer davor</translation>
    </message>
    <message>
        <source>Practise</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>Make a puzzle whose hardest step is %1</source>
        <translation>Ein Rätsel erstellen, dessen schwierigster Schritt %1 ist</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Mini</source>
        <translation>Mini</translation>
    </message>
    <message>
        <source>%Y-%m-%d %H:%M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzle solved yet: each puzzle you solve adds its time and hints here.
</source>
        <translation>Noch kein Rätsel gelöst: Jedes gelöste Rätsel trägt hier seine Zeit und seine Tipps ein.
</translation>
    </message>
    <message>
        <source>Size    Stars  Solved  Best      Median    Hints per puzzle
</source>
        <translation>Größe  Sterne  Gelöst  Bestzeit  Median    Tipps pro Rätsel
</translation>
    </message>
    <message>
        <source>
Hints asked for, by technique
</source>
        <translation>
Erbetene Tipps nach Technik
</translation>
    </message>
    <message>
        <source>%6d  %s
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Last solved
</source>
        <translation>
Zuletzt gelöst
</translation>
    </message>
    <message>
        <source>  without help</source>
        <translation>  ohne Hilfe</translation>
    </message>
    <message>
        <source>date,puzzle_id,size,stars,origin,hardest,seconds,hints,hints_by_technique,checks,assists,without_help
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press &apos;Save&apos; to keep it solved.</source>
        <translation>&apos;Sichern&apos; behält es gelöst.</translation>
    </message>
    <message>
        <source>--help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-h, --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source> (try --help)
</source>
        <translation> (siehe --help)
</translation>
    </message>
    <message>
        <source>crosssums-cli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%-2d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not solved by the techniques</source>
        <translation>mit den Techniken nicht gelöst</translation>
    </message>
    <message>
        <source>
By stars:</source>
        <translation>
Nach Sternen:</translation>
    </message>
    <message>
        <source> %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puzzles stored.
</source>
        <translation>Keine Rätsel gespeichert.
</translation>
    </message>
    <message>
        <source>Slot  Puzzle Id  Size     Stars   Solved  Steps  Hardest technique
</source>
        <translation>Platz Rätselnr.  Größe    Sterne      Gelöst  Schr.  Schwierigste Technik
</translation>
    </message>
    <message>
        <source>%4d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>%9d  %-7s  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  solved</source>
        <translation>  gelöst</translation>
    </message>
    <message>
        <source>  %5d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%3d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%3d </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>combos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQUARES must be a number from 1 to 9</source>
        <translation>SQUARES muss eine Zahl von 1 bis 9 sein</translation>
    </message>
    <message>
        <source>TOTAL must be a number from 1 to 45</source>
        <translation>TOTAL muss eine Zahl von 1 bis 45 sein</translation>
    </message>
    <message>
        <source>The digits and digit combinations that can fill a run.</source>
        <translation>Die Ziffern und Ziffernkombinationen, die eine Reihe füllen können.</translation>
    </message>
    <message>
        <source>SQUARES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>squares in the run, 1..9</source>
        <translation>Felder der Reihe, 1..9</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run&apos;s total, 1..45</source>
        <translation>Summe der Reihe, 1..45</translation>
    </message>
    <message>
        <source>export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLOT must be a number from 1 to 100</source>
        <translation>SLOT muss eine Zahl von 1 bis 100 sein</translation>
    </message>
    <message>
        <source>format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format must be text or csv</source>
        <translation>--format muss text oder csv sein</translation>
    </message>
    <message>
        <source>data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>allow-copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One puzzle as text to standard output: clues as down\across, . for a White square.</source>
        <translation>Ein Rätsel als Text auf die Standardausgabe: Summen als senkrecht\waagerecht, . für ein weißes Feld.</translation>
    </message>
    <message>
        <source>text (the default) or csv</source>
        <translation>text (Vorgabe) oder csv</translation>
    </message>
    <message>
        <source>the answers in the White squares</source>
        <translation>die Lösungen in den weißen Feldern</translation>
    </message>
    <message>
        <source>SLOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>library slot 1..100</source>
        <translation>Platz in der Sammlung, 1..100</translation>
    </message>
    <message>
        <source>Checks a puzzle written as text or CSV and appends it to the library.</source>
        <translation>Prüft ein als Text oder CSV geschriebenes Rätsel und hängt es an die Sammlung an.</translation>
    </message>
    <message>
        <source>store it even when the library holds the same puzzle</source>
        <translation>auch speichern, wenn die Sammlung dasselbe Rätsel enthält</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation type="unfinished">DATEI</translation>
    </message>
    <message>
        <source>the puzzle&apos;s file, or - for standard input</source>
        <translation>die Datei des Rätsels, oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>explain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>json</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The puzzle solved step by step from its totals, each step&apos;s technique and reason.</source>
        <translation>Das Rätsel Schritt für Schritt aus seinen Summen gelöst, mit Technik und Grund jedes Schrittes.</translation>
    </message>
    <message>
        <source>JSON Lines: one object a step, then one with the outcome</source>
        <translation>JSON Lines: ein Objekt je Schritt, dann eines mit dem Ergebnis</translation>
    </message>
    <message>
        <source>{&quot;step&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;technique&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;square&quot;: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;place&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;remove&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;runs&quot;: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;down&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;across&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;minus&quot;]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;cells&quot;: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;assumed&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;chain&quot;: [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{&quot;technique&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;text&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>}
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>{&quot;solved&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>true</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;steps&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, &quot;hardest&quot;: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGINT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGTERM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIGHUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a signal</source>
        <translation>ein Signal</translation>
    </message>
    <message>
        <source>mini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%.1f s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library would hold more than 100 puzzles; nothing created</source>
        <translation>die Sammlung enthielte mehr als 100 Rätsel; nichts erstellt</translation>
    </message>
    <message>
        <source>Appends new puzzles; Ctrl-C, SIGTERM or SIGHUP stop and keep those finished.</source>
        <translation>Hängt neue Rätsel an; Strg-C, SIGTERM oder SIGHUP halten an und behalten die fertigen.</translation>
    </message>
    <message>
        <source>size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mini, small, medium or large</source>
        <translation>mini, small, medium oder large</translation>
    </message>
    <message>
        <source>stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>difficulty 1..5 (required unless --technique is given)</source>
        <translation>Schwierigkeit 1..5 (nötig, außer wenn --technique angegeben ist)</translation>
    </message>
    <message>
        <source>count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how many puzzles, 1..100</source>
        <translation>wie viele Rätsel, 1..100</translation>
    </message>
    <message>
        <source>seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a number that makes the batch repeatable</source>
        <translation>eine Zahl, mit der sich der Durchgang wiederholen lässt</translation>
    </message>
    <message>
        <source>technique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>practice puzzles whose hardest step is this technique (its name as docs/solver.md gives it, in quotes); the star level follows from the puzzle</source>
        <translation>Übungsrätsel, deren schwierigster Schritt diese Technik ist (ihr englischer Name wie in docs/solver.md, in Anführungszeichen); die Sternstufe ergibt sich aus dem Rätsel</translation>
    </message>
    <message>
        <source>--size must be mini, small, medium or large</source>
        <translation>--size muss mini, small, medium oder large sein</translation>
    </message>
    <message>
        <source>--technique must be one of </source>
        <translation>--technique muss eines davon sein: </translation>
    </message>
    <message>
        <source>--stars and --technique cannot be given together</source>
        <translation>--stars und --technique gehen nicht zusammen</translation>
    </message>
    <message>
        <source>missing --stars N</source>
        <translation>--stars N fehlt</translation>
    </message>
    <message>
        <source>--stars must be 1 to 5</source>
        <translation>--stars muss 1 bis 5 sein</translation>
    </message>
    <message>
        <source>--count must be 1 to 100</source>
        <translation>--count muss 1 bis 100 sein</translation>
    </message>
    <message>
        <source>--seed must be a whole number 0 or above</source>
        <translation>--seed muss eine ganze Zahl ab 0 sein</translation>
    </message>
    <message>
        <source>stopped, not kept</source>
        <translation>angehalten, nicht behalten</translation>
    </message>
    <message>
        <source>refused; nothing created</source>
        <translation>abgelehnt; nichts erstellt</translation>
    </message>
    <message>
        <source>the library had no place left</source>
        <translation>die Sammlung hatte keinen Platz mehr</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>this data file instead of the game&apos;s own (no import)</source>
        <translation>diese Datendatei statt der des Spiels (kein Import)</translation>
    </message>
    <message>
        <source>list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counters, the data file&apos;s place, every stored puzzle.</source>
        <translation>Die Zähler, der Ort der Datendatei, jedes gespeicherte Rätsel.</translation>
    </message>
    <message>
        <source> COMMAND [ARGUMENTS]
       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> COMMAND --help
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --slots or --all</source>
        <translation>entweder --slots oder --all angeben</translation>
    </message>
    <message>
        <source>--slots takes slot numbers 1..100 separated by commas</source>
        <translation>--slots nimmt Platznummern 1..100, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--colors takes a colour scheme 1..4</source>
        <translation>--colors nimmt ein Farbschema 1..4</translation>
    </message>
    <message>
        <source>paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--paper takes a4 or letter</source>
        <translation>--paper nimmt a4 oder letter</translation>
    </message>
    <message>
        <source>puzzles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--puzzles and --answers take large, small or none</source>
        <translation>--puzzles und --answers nehmen large, small oder none</translation>
    </message>
    <message>
        <source>nothing to print</source>
        <translation>nichts zu drucken</translation>
    </message>
    <message>
        <source>pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles and answers as a PDF file, laid out and drawn as the game prints them.</source>
        <translation>Rätsel und Lösungen als PDF-Datei, angeordnet und gezeichnet, wie das Spiel sie druckt.</translation>
    </message>
    <message>
        <source>the PDF file to write</source>
        <translation>die zu schreibende PDF-Datei</translation>
    </message>
    <message>
        <source>LIST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the slots to print, as 1,3,5</source>
        <translation>die zu druckenden Plätze, etwa 1,3,5</translation>
    </message>
    <message>
        <source>every stored puzzle</source>
        <translation>jedes gespeicherte Rätsel</translation>
    </message>
    <message>
        <source>SIZE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>large, small or none (default: the game&apos;s choice)</source>
        <translation>large, small oder none (Vorgabe: die Wahl des Spiels)</translation>
    </message>
    <message>
        <source>colour scheme 1..4 (default: the game&apos;s choice)</source>
        <translation>Farbschema 1..4 (Vorgabe: die Wahl des Spiels)</translation>
    </message>
    <message>
        <source>PAPER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a4 or letter (default: the locale&apos;s paper)</source>
        <translation>a4 oder letter (Vorgabe: das Papier des Gebietsschemas)</translation>
    </message>
    <message>
        <source>QT_QPA_PLATFORM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offscreen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One puzzle as a grid: clues as down\across, the player&apos;s entries or the answers.</source>
        <translation>Ein Rätsel als Gitter: Summen als senkrecht\waagerecht, die Einträge des Spielers oder die Lösungen.</translation>
    </message>
    <message>
        <source>the answers instead of the player&apos;s entries</source>
        <translation>die Lösungen statt der Einträge des Spielers</translation>
    </message>
    <message>
        <source> stats: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzles solved by size and star level, hints by technique, the last 20 solved.</source>
        <translation>Gelöste Rätsel nach Größe und Sternstufe, Tipps nach Technik, die letzten 20 gelösten.</translation>
    </message>
    <message>
        <source>one line per solved puzzle, with a header row</source>
        <translation>eine Zeile je gelöstem Rätsel, mit Kopfzeile</translation>
    </message>
    <message>
        <source>Last square</source>
        <translation>Letztes Feld</translation>
    </message>
    <message>
        <source>Crossing runs</source>
        <translation>Kreuzende Reihen</translation>
    </message>
    <message>
        <source>One combination</source>
        <translation>Eine Kombination</translation>
    </message>
    <message>
        <source>Possible digits</source>
        <translation>Mögliche Ziffern</translation>
    </message>
    <message>
        <source>Needed digit</source>
        <translation>Nötige Ziffer</translation>
    </message>
    <message>
        <source>Locked digits</source>
        <translation>Gebundene Ziffern</translation>
    </message>
    <message>
        <source>Smallest and largest sums</source>
        <translation>Kleinste und größte Summen</translation>
    </message>
    <message>
        <source>Combinations that fit</source>
        <translation>Passende Kombinationen</translation>
    </message>
    <message>
        <source>Block sums</source>
        <translation>Blocksummen</translation>
    </message>
    <message>
        <source>Contradiction</source>
        <translation>Widerspruch</translation>
    </message>
    <message>
        <source>%1 check</source>
        <translation>%1 Prüfung</translation>
    </message>
    <message>
        <source>%1 checks</source>
        <translation>%1 Prüfungen</translation>
    </message>
    <message>
        <source>%1 assist</source>
        <translation>%1 Hilfe</translation>
    </message>
    <message>
        <source>%1 assists</source>
        <translation>%1 Hilfen</translation>
    </message>
    <message>
        <source>No %1 puzzle whose hardest step is %2 came in %3 tries. Try again, or another size.</source>
        <translation>In %3 Versuchen kam kein Rätsel der Größe %1 heraus, dessen schwierigster Schritt %2 ist. Noch einmal versuchen oder eine andere Größe wählen.</translation>
    </message>
    <message>
        <source>No new puzzle can be stored: %1.</source>
        <translation>Es passt kein neues Rätsel mehr hinein: %1.</translation>
    </message>
    <message>
        <source>You have selected %1 puzzles to delete.
<byte value="xd"/>
<byte value="xd"/>Press &apos;O.K.&apos; to delete the puzzles
<byte value="xd"/>Press &apos;Cancel&apos; to cancel the request.</source>
        <translation>Sie haben %1 Rätsel zum Löschen gewählt.
<byte value="xd"/>
<byte value="xd"/>&apos;O.K.&apos; löscht die Rätsel.
<byte value="xd"/>&apos;Abbrechen&apos; bricht den Auftrag ab.</translation>
    </message>
    <message>
        <source>These Cross Sums puzzles are open in another window:
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>This window closes and leaves them as they are.</source>
        <translation>Diese Kakuro-Rätsel sind in einem anderen Fenster offen:
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>Dieses Fenster schließt sich und lässt sie, wie sie sind.</translation>
    </message>
    <message>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
    <message>
        <source>These Cross Sums puzzles are in use by %1:
<byte value="xd"/>%2
<byte value="xd"/>
<byte value="xd"/>This window closes and leaves them as they are. Start the game again when %3 has finished.</source>
        <translation>Diese Kakuro-Rätsel werden von %1 benutzt:
<byte value="xd"/>%2
<byte value="xd"/>
<byte value="xd"/>Dieses Fenster schließt sich und lässt sie, wie sie sind. Starten Sie das Spiel erneut, wenn %3 fertig ist.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles cannot be kept at
<byte value="xd"/>%1
<byte value="xd"/>because %2.
<byte value="xd"/>
<byte value="xd"/>The game starts with no puzzles and leaves it as it is; nothing of this session can be saved there.</source>
        <translation>Die Kakuro-Rätsel können nicht aufbewahrt werden in
<byte value="xd"/>%1
<byte value="xd"/>weil %2.
<byte value="xd"/>
<byte value="xd"/>Das Spiel startet ohne Rätsel und lässt dies, wie es ist; nichts aus dieser Sitzung kann dort gespeichert werden.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles at
<byte value="xd"/>%1
<byte value="xd"/>are kept in the file it links to,
<byte value="xd"/>%2
<byte value="xd"/>which does not exist yet.
<byte value="xd"/>
<byte value="xd"/>The game starts with no puzzles and makes that file when it closes.</source>
        <translation>Die Kakuro-Rätsel unter
<byte value="xd"/>%1
<byte value="xd"/>liegen in der Datei, auf die es verweist,
<byte value="xd"/>%2
<byte value="xd"/>die es noch nicht gibt.
<byte value="xd"/>
<byte value="xd"/>Das Spiel startet ohne Rätsel und legt diese Datei beim Schließen an.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles at
<byte value="xd"/>%1
<byte value="xd"/>cannot be locked: %2.
<byte value="xd"/>
<byte value="xd"/>The game goes on, but another window or %3 could change them at the same time.</source>
        <translation>Die Kakuro-Rätsel unter
<byte value="xd"/>%1
<byte value="xd"/>können nicht gesperrt werden: %2.
<byte value="xd"/>
<byte value="xd"/>Das Spiel läuft weiter, aber ein anderes Fenster oder %3 könnte sie gleichzeitig ändern.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles could not be read from
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>The file could not be moved aside either, so it is left as it is and nothing of this session will be saved.</source>
        <translation>Die Kakuro-Rätsel konnten nicht gelesen werden aus
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>Die Datei ließ sich auch nicht beiseitelegen; sie bleibt, wie sie ist, und nichts aus dieser Sitzung wird gespeichert.</translation>
    </message>
    <message>
        <source>The Cross Sums puzzles could not be read from
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>The file has been kept as
<byte value="xd"/>%2
<byte value="xd"/>and the game starts with no puzzles.</source>
        <translation>Die Kakuro-Rätsel konnten nicht gelesen werden aus
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>Die Datei wurde aufbewahrt als
<byte value="xd"/>%2
<byte value="xd"/>und das Spiel startet ohne Rätsel.</translation>
    </message>
    <message>
        <source>another program holds them now: %1</source>
        <translation>ein anderes Programm hält sie jetzt: %1</translation>
    </message>
    <message>
        <source>This session started without the Cross Sums puzzles at
<byte value="xd"/>%1
<byte value="xd"/>and %2.
<byte value="xd"/>
<byte value="xd"/>That file is left as it is: this session did not read it.</source>
        <translation>Diese Sitzung begann ohne die Kakuro-Rätsel unter
<byte value="xd"/>%1
<byte value="xd"/>und %2.
<byte value="xd"/>
<byte value="xd"/>Diese Datei bleibt, wie sie ist: Diese Sitzung hat sie nicht gelesen.</translation>
    </message>
    <message>
        <source>The puzzles of this session are saved in
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>To play them, start the game with --data and that file.</source>
        <translation>Die Rätsel dieser Sitzung sind gespeichert in
<byte value="xd"/>%1
<byte value="xd"/>
<byte value="xd"/>Um sie zu spielen, starten Sie das Spiel mit --data und dieser Datei.</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>%1 eintragen</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>%1 streichen</translation>
    </message>
    <message>
        <source>%1. Row %2, column %3: %4 (%5). %6
</source>
        <translation>%1. Zeile %2, Spalte %3: %4 (%5). %6
</translation>
    </message>
    <message>
        <source>the puzzle could not be checked: its search for a solution ran too long</source>
        <translation>das Rätsel konnte nicht geprüft werden: Die Suche nach einer Lösung dauerte zu lange</translation>
    </message>
    <message>
        <source>the puzzle could not be checked: its search for a second solution ran too long</source>
        <translation>das Rätsel konnte nicht geprüft werden: Die Suche nach einer zweiten Lösung dauerte zu lange</translation>
    </message>
    <message>
        <source>the puzzle has no solution: no digits without a repeat in a run give every run its total</source>
        <translation>das Rätsel hat keine Lösung: Keine Ziffern ohne Wiederholung in einer Reihe ergeben jede Summe</translation>
    </message>
    <message>
        <source>the puzzle has no solution: no digits give every run its total</source>
        <translation>das Rätsel hat keine Lösung: Keine Ziffern ergeben jede Summe</translation>
    </message>
    <message>
        <source>the puzzle has more than one solution; this square can be %1 or %2</source>
        <translation>das Rätsel hat mehr als eine Lösung; dieses Feld kann %1 oder %2 sein</translation>
    </message>
    <message>
        <source>the digit %1 given here is not the answer, %2</source>
        <translation>die hier angegebene Ziffer %1 ist nicht die Lösung, %2</translation>
    </message>
    <message>
        <source>the puzzle is already in the library as Id %1 in slot %2</source>
        <translation>das Rätsel ist schon in der Sammlung, als Nr. %1 auf Platz %2</translation>
    </message>
    <message>
        <source>no puzzle Id is left: %1</source>
        <translation>es ist keine Rätsel-Nr. mehr frei: %1</translation>
    </message>
    <message>
        <source>slot %1 is not 1..100</source>
        <translation>Platz %1 liegt nicht in 1..100</translation>
    </message>
    <message>
        <source>slot %1 is empty</source>
        <translation>Platz %1 ist leer</translation>
    </message>
    <message>
        <source>slot %1 is damaged: %2</source>
        <translation>Platz %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>This puzzle cannot be added to the library.
<byte value="xd"/>
<byte value="xd"/>%1.</source>
        <translation>Dieses Rätsel kann nicht in die Sammlung aufgenommen werden.
<byte value="xd"/>
<byte value="xd"/>%1.</translation>
    </message>
    <message>
        <source>This puzzle cannot be added to the library.
<byte value="xd"/>
<byte value="xd"/>%1</source>
        <translation>Dieses Rätsel kann nicht in die Sammlung aufgenommen werden.
<byte value="xd"/>
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Print Preview : Page %1 of %2</source>
        <translation>Druckvorschau: Seite %1 von %2</translation>
    </message>
    <message>
        <source>Printing stopped at page %1 of %2: %3.
<byte value="xd"/></source>
        <translation>Der Druck hielt bei Seite %1 von %2 an: %3.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Page %1 was not printed.</source>
        <translation>Seite %1 wurde nicht gedruckt.</translation>
    </message>
    <message>
        <source>Pages %1 to %2 were not printed.</source>
        <translation>Die Seiten %1 bis %2 wurden nicht gedruckt.</translation>
    </message>
    <message>
        <source>Answer to puzzle : %1</source>
        <translation>Lösung zu Rätsel: %1</translation>
    </message>
    <message>
        <source>Puzzle Id : %1</source>
        <translation>Rätsel-Nr.: %1</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>The puzzles are saved in
<byte value="xd"/>%1
<byte value="xd"/>but %2.</source>
        <translation>Die Rätsel sind gespeichert in
<byte value="xd"/>%1
<byte value="xd"/>aber %2.</translation>
    </message>
    <message>
        <source>it is too short for a data file (%1 bytes, %2 needed)</source>
        <translation>sie ist zu kurz für eine Datendatei (%1 Bytes, %2 nötig)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>no data file at %1</source>
        <translation>keine Datendatei unter %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Creating %1 practice puzzle of %2 for %3 (seed %4); Ctrl-C stops and keeps those made
</source>
        <translation>Erstelle %1 Übungsrätsel der Größe %2 für %3 (Startwert %4); Strg-C hält an und behält die fertigen
</translation>
    </message>
    <message>
        <source>Creating %1 practice puzzles of %2 for %3 (seed %4); Ctrl-C stops and keeps those made
</source>
        <translation>Erstelle %1 Übungsrätsel der Größe %2 für %3 (Startwert %4); Strg-C hält an und behält die fertigen
</translation>
    </message>
    <message>
        <source>no puzzle graded to it in %1 tries</source>
        <translation>in %1 Versuchen kein passendes Rätsel</translation>
    </message>
    <message>
        <source>puzzle %1 of %2: Id %3 in slot %4, %5 star, after %6 try (%7 elapsed)
</source>
        <translation>Rätsel %1 von %2: Nr. %3 auf Platz %4, %5 Stern(e), nach %6 Versuch (%7 vergangen)
</translation>
    </message>
    <message>
        <source>puzzle %1 of %2: Id %3 in slot %4, %5 star, after %6 tries (%7 elapsed)
</source>
        <translation>Rätsel %1 von %2: Nr. %3 auf Platz %4, %5 Stern(e), nach %6 Versuchen (%7 vergangen)
</translation>
    </message>
    <message>
        <source>Stopped by %1: %2 of %3 made and kept
</source>
        <translation>Angehalten durch %1: %2 von %3 erstellt und behalten
</translation>
    </message>
    <message>
        <source>%1; %2 of %3 made and kept</source>
        <translation>%1; %2 von %3 erstellt und behalten</translation>
    </message>
    <message>
        <source>Done: %1 practice puzzle in %2
</source>
        <translation>Fertig: %1 Übungsrätsel in %2
</translation>
    </message>
    <message>
        <source>Done: %1 practice puzzles in %2
</source>
        <translation>Fertig: %1 Übungsrätsel in %2
</translation>
    </message>
    <message>
        <source>Creating %1 puzzle of %2, %3 star (seed %4); Ctrl-C stops and keeps those made
</source>
        <translation>Erstelle %1 Rätsel der Größe %2, %3 Stern(e) (Startwert %4); Strg-C hält an und behält die fertigen
</translation>
    </message>
    <message>
        <source>Creating %1 puzzles of %2, %3 star (seed %4); Ctrl-C stops and keeps those made
</source>
        <translation>Erstelle %1 Rätsel der Größe %2, %3 Stern(e) (Startwert %4); Strg-C hält an und behält die fertigen
</translation>
    </message>
    <message>
        <source>Id %1 in slot %2</source>
        <translation>Nr. %1 auf Platz %2</translation>
    </message>
    <message>
        <source>puzzle %1 of %2: %3 (%4 elapsed)
</source>
        <translation>Rätsel %1 von %2: %3 (%4 vergangen)
</translation>
    </message>
    <message>
        <source>Stopped: %1; %2 of %3 made and kept
</source>
        <translation>Angehalten: %1; %2 von %3 erstellt und behalten
</translation>
    </message>
    <message>
        <source>Done: %1 puzzle in %2
</source>
        <translation>Fertig: %1 Rätsel in %2
</translation>
    </message>
    <message>
        <source>Done: %1 puzzles in %2
</source>
        <translation>Fertig: %1 Rätsel in %2
</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 needs a value, not %2</source>
        <translation>%1 braucht einen Wert, nicht %2</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>Solved in %1 without help.</source>
        <translation>Gelöst in %1 ohne Hilfe.</translation>
    </message>
    <message>
        <source>Solved in %1 with no hints.</source>
        <translation>Gelöst in %1 ohne Tipps.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 hint.</source>
        <translation>Gelöst in %1 mit %2 Tipp.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 hints.</source>
        <translation>Gelöst in %1 mit %2 Tipps.</translation>
    </message>
    <message>
        <source>Your best time for %1 %2 star !</source>
        <translation>Ihre Bestzeit für %1, %2 Stern(e)!</translation>
    </message>
    <message>
        <source>%1 Star</source>
        <translation>%1 Stern(e)</translation>
    </message>
    <message>
        <source>Data file: %1
</source>
        <translation>Datendatei: %1
</translation>
    </message>
    <message>
        <source>Puzzles stored: %1</source>
        <translation>Gespeicherte Rätsel: %1</translation>
    </message>
    <message>
        <source> (out of range; reading %1 slots)</source>
        <translation> (außerhalb des Bereichs; %1 Plätze werden gelesen)</translation>
    </message>
    <message>
        <source> (counted in the slots; the file&apos;s counter says %1)</source>
        <translation> (in den Plätzen gezählt; der Zähler der Datei sagt %1)</translation>
    </message>
    <message>
        <source>Last puzzle Id: %1
</source>
        <translation>Letzte Rätsel-Nr.: %1
</translation>
    </message>
    <message>
        <source>damaged: %1</source>
        <translation>beschädigt: %1</translation>
    </message>
    <message>
        <source>slot %1 is not 1..%2</source>
        <translation>Platz %1 liegt nicht in 1..%2</translation>
    </message>
    <message>
        <source>slot %1 is empty (%2 puzzles stored)</source>
        <translation>Platz %1 ist leer (gespeicherte Rätsel: %2)</translation>
    </message>
    <message>
        <source>Puzzle Id %1 (slot %2): %3, %4, answers
</source>
        <translation>Rätsel-Nr. %1 (Platz %2): %3, %4, Lösungen
</translation>
    </message>
    <message>
        <source>Puzzle Id %1 (slot %2): %3, %4
</source>
        <translation>Rätsel-Nr. %1 (Platz %2): %3, %4
</translation>
    </message>
    <message>
        <source>Solved by logic in %1 steps; hardest technique: %2.
</source>
        <translation>Mit Logik in %1 Schritten gelöst; schwierigste Technik: %2.
</translation>
    </message>
    <message>
        <source>Not solved by the techniques: no step after %1.
</source>
        <translation>Mit den Techniken nicht gelöst: kein Schritt nach %1.
</translation>
    </message>
    <message>
        <source>slot %1 has a run the solver cannot read</source>
        <translation>Platz %1 hat eine Reihe, die der Löser nicht lesen kann</translation>
    </message>
    <message>
        <source>Solved in %1 steps; hardest technique: %2.
</source>
        <translation>In %1 Schritten gelöst; schwierigste Technik: %2.
</translation>
    </message>
    <message>
        <source>Not solved: no further step after %1 steps; hardest technique: %2.
</source>
        <translation>Nicht gelöst: kein weiterer Schritt nach %1 Schritten; schwierigste Technik: %2.
</translation>
    </message>
    <message>
        <source>%9d  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown size</source>
        <translation>unbekannte Größe</translation>
    </message>
    <message>
        <source>border square is not black</source>
        <translation>ein Randfeld ist nicht schwarz</translation>
    </message>
    <message>
        <source>across run out of range</source>
        <translation>eine waagerechte Reihe liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>down run out of range</source>
        <translation>eine senkrechte Reihe liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>answer is not a digit</source>
        <translation>eine Lösung ist keine Ziffer</translation>
    </message>
    <message>
        <source>entry is not a digit</source>
        <translation>ein Eintrag ist keine Ziffer</translation>
    </message>
    <message>
        <source>possible mark is not 0 or 1</source>
        <translation>eine Notiz ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>square kind out of range</source>
        <translation>eine Feldart liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>answers do not add up to a total</source>
        <translation>die Lösungen ergeben eine Summe nicht</translation>
    </message>
    <message>
        <source>no such slot</source>
        <translation>diesen Platz gibt es nicht</translation>
    </message>
    <message>
        <source>puzzle Id below 1</source>
        <translation>Rätsel-Nr. unter 1</translation>
    </message>
    <message>
        <source>difficulty out of range</source>
        <translation>Schwierigkeit außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>%1: %2; nothing imported</source>
        <translation>%1: %2; nichts importiert</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing imported</source>
        <translation>%1 lässt sich nicht schreiben: %2; nichts importiert</translation>
    </message>
    <message>
        <source>%1; nothing imported</source>
        <translation>%1; nichts importiert</translation>
    </message>
    <message>
        <source>%1: %2; nothing imported (--allow-copy adds it again)</source>
        <translation>%1: %2; nichts importiert (--allow-copy fügt es trotzdem hinzu)</translation>
    </message>
    <message>
        <source>Imported as puzzle Id %1 in slot %2: %3, %4, turned on its side to fit (its rows are now columns)
</source>
        <translation>Importiert als Rätsel-Nr. %1 auf Platz %2: %3, %4, zum Einpassen gedreht (seine Zeilen sind jetzt Spalten)
</translation>
    </message>
    <message>
        <source>Imported as puzzle Id %1 in slot %2: %3, %4
</source>
        <translation>Importiert als Rätsel-Nr. %1 auf Platz %2: %3, %4
</translation>
    </message>
    <message>
        <source>slot %1 holds no puzzle</source>
        <translation>Platz %1 enthält kein Rätsel</translation>
    </message>
    <message>
        <source>slot %1 is not printed: %2
</source>
        <translation>Platz %1 wird nicht gedruckt: %2
</translation>
    </message>
    <message numerus="yes">
        <source>%n page written to %1
</source>
        <translation>
            <numerusform>%n Seite nach %1 geschrieben
</numerusform>
            <numerusform>%n Seiten nach %1 geschrieben
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pages written to %1
</source>
        <translation>
            <numerusform>%n Seite nach %1 geschrieben
</numerusform>
            <numerusform>%n Seiten nach %1 geschrieben
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1  Id %2 %3 %4 star  %5  %n hints%6
</source>
        <translation>
            <numerusform>%1  Nr. %2 %3 %4 Stern(e)  %5  %n Tipp%6
</numerusform>
            <numerusform>%1  Nr. %2 %3 %4 Stern(e)  %5  %n Tipps%6
</numerusform>
        </translation>
    </message>
    <message>
        <source>crosssums: a second signal ends the game without saving: %1
</source>
        <translation>crosssums: Ein zweites Signal beendet das Spiel ohne Speichern: %1
</translation>
    </message>
    <message>
        <source>%1 holds the puzzles of this session</source>
        <translation>%1 enthält die Rätsel dieser Sitzung</translation>
    </message>
    <message>
        <source>%1 is as it was; the puzzles of this session are not saved</source>
        <translation>%1 ist unverändert; die Rätsel dieser Sitzung sind nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 is as it was; the puzzles of this session are in %2</source>
        <translation>%1 ist unverändert; die Rätsel dieser Sitzung liegen in %2</translation>
    </message>
    <message>
        <source>%-5d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%-8s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> print: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %5d  %6d  %-8s  %-8s  %.1f
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no run of %1 squares with total %2: squares are 1..9, totals 1..45</source>
        <translation>keine Reihe aus %1 Feldern mit Summe %2: Felder 1..9, Summen 1..45</translation>
    </message>
    <message numerus="yes">
        <source>%n square, total %1
</source>
        <translation>
            <numerusform>%n Feld, Summe %1
</numerusform>
            <numerusform>%n Felder, Summe %1
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n squares, total %1
</source>
        <translation>
            <numerusform>%n Feld, Summe %1
</numerusform>
            <numerusform>%n Felder, Summe %1
</numerusform>
        </translation>
    </message>
    <message>
        <source>Possible digits: none
</source>
        <translation>Mögliche Ziffern: keine
</translation>
    </message>
    <message>
        <source>Possible digits: %1
</source>
        <translation>Mögliche Ziffern: %1
</translation>
    </message>
    <message>
        <source>Combinations: none
</source>
        <translation>Kombinationen: keine
</translation>
    </message>
    <message>
        <source>Combinations: %1
</source>
        <translation>Kombinationen: %1
</translation>
    </message>
    <message>
        <source>cannot write %1: %2; nothing created</source>
        <translation>%1 lässt sich nicht schreiben: %2; nichts erstellt</translation>
    </message>
    <message>
        <source>%1; nothing created</source>
        <translation>%1; nichts erstellt</translation>
    </message>
    <message>
        <source>new puzzles go after the last slot in use, slot %1, which leaves room for %2</source>
        <translation>neue Rätsel kommen hinter den letzten belegten Platz, Platz %1, womit Platz für %2 bleibt</translation>
    </message>
    <message>
        <source>%1 (%2 stored, %3 requested); nothing created</source>
        <translation>%1 (%2 gespeichert, %3 verlangt); nichts erstellt</translation>
    </message>
    <message>
        <source>no puzzle Id is left: %1; nothing created</source>
        <translation>keine Rätsel-Nr. mehr frei: %1; nichts erstellt</translation>
    </message>
    <message>
        <source>saved %1, but %2
</source>
        <translation>%1 gespeichert, aber %2
</translation>
    </message>
    <message>
        <source>%1 (not written yet; read from %2)</source>
        <translation>%1 (noch nicht geschrieben; gelesen aus %2)</translation>
    </message>
    <message>
        <source>%1: no command given (try --help)
</source>
        <translation>%1: kein Befehl angegeben (siehe --help)
</translation>
    </message>
    <message>
        <source>%1: unknown command %2 (try --help)
</source>
        <translation>%1: unbekannter Befehl %2 (siehe --help)
</translation>
    </message>
    <message>
        <source>the library&apos;s puzzle count is damaged</source>
        <translation>der Rätselzähler der Sammlung ist beschädigt</translation>
    </message>
    <message>
        <source>a requested count is out of range</source>
        <translation>eine verlangte Anzahl liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>the library would hold more than 100 puzzles</source>
        <translation>die Sammlung enthielte mehr als 100 Rätsel</translation>
    </message>
</context>
</TS>
