<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>tabrix::TabrixWindow</name>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olivgrün</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Seitenansicht</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>Linksbündig</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Align Right</source>
        <translation>Rechtsbündig</translation>
    </message>
    <message>
        <source>Merge and Center</source>
        <translation>Verbinden und zentrieren</translation>
    </message>
    <message>
        <source>Fixed and General</source>
        <translation>Fest und Standard</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Drawing and Forms</source>
        <translation>Zeichnen und Formulare</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Excel Workbooks (*.xls);;All Files (*)</source>
        <translation>Excel-Arbeitsmappen (*.xls);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Tabrix Workbooks (*.vts);;All Files (*)</source>
        <translation>Tabrix-Arbeitsmappen (*.vts);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Not an Excel 4 file.</source>
        <translation>Keine Excel-4-Datei.</translation>
    </message>
    <message>
        <source>Not a Tabrix 2.x file.</source>
        <translation>Keine Tabrix-2.x-Datei.</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>Copyright © Quillmark. All rights reserved.</source>
        <translation>Copyright © Quillmark. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Tabrix 2.x</source>
        <translation>&amp;Tabrix 2.x</translation>
    </message>
    <message>
        <source>&amp;Excel 4</source>
        <translation>&amp;Excel 4</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Seite ein&amp;richten...</translation>
    </message>
    <message>
        <source>Prin&amp;t Area</source>
        <translation>Druck&amp;bereich</translation>
    </message>
    <message>
        <source>&amp;Set Print Area</source>
        <translation>Druckbereich &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Clear Print Area</source>
        <translation>Druckbereich &amp;aufheben</translation>
    </message>
    <message>
        <source>Print Tit&amp;les</source>
        <translation>Druck&amp;titel</translation>
    </message>
    <message>
        <source>&amp;Set Print Titles</source>
        <translation>Drucktitel &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Clear Print Titles</source>
        <translation>Drucktitel &amp;aufheben</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Paste &amp;Special...</source>
        <translation>Inhalte ein&amp;fügen...</translation>
    </message>
    <message>
        <source>Cop&amp;y Cell Format</source>
        <translation>&amp;Format übertragen</translation>
    </message>
    <message>
        <source>Polygo&amp;n Points</source>
        <translation>&amp;Vieleckpunkte</translation>
    </message>
    <message>
        <source>Select All &amp;Objects</source>
        <translation>Alle &amp;Objekte markieren</translation>
    </message>
    <message>
        <source>So&amp;rt...</source>
        <translation>So&amp;rtieren...</translation>
    </message>
    <message>
        <source>F&amp;ill</source>
        <translation>&amp;Ausfüllen</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>Nach &amp;rechts</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>&amp;Formate</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalte</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>De&amp;lete Sheet</source>
        <translation>Tabelle lö&amp;schen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>&amp;Ersetzen...</translation>
    </message>
    <message>
        <source>&amp;Go To...</source>
        <translation>&amp;Gehe zu...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbars</source>
        <translation>&amp;Symbolleisten</translation>
    </message>
    <message>
        <source>&amp;Formula Bar</source>
        <translation>&amp;Bearbeitungsleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>C&amp;ells...</source>
        <translation>&amp;Zellen...</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Zeilen</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>&amp;Spalten</translation>
    </message>
    <message>
        <source>&amp;Worksheet</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>Page &amp;Break</source>
        <translation>Seiten&amp;umbruch</translation>
    </message>
    <message>
        <source>&amp;Name...</source>
        <translation>&amp;Namen...</translation>
    </message>
    <message>
        <source>&amp;Drawing Object</source>
        <translation>&amp;Zeichenobjekt</translation>
    </message>
    <message>
        <source>&amp;Arc</source>
        <translation>&amp;Bogen</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>&amp;Oval</source>
        <translation>&amp;Ellipse</translation>
    </message>
    <message>
        <source>&amp;Polygon</source>
        <translation>&amp;Vieleck</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rechteck</translation>
    </message>
    <message>
        <source>&amp;Forms Object</source>
        <translation>&amp;Formularobjekt</translation>
    </message>
    <message>
        <source>&amp;Button</source>
        <translation>&amp;Schaltfläche</translation>
    </message>
    <message>
        <source>&amp;Checkbox</source>
        <translation>&amp;Kontrollkästchen</translation>
    </message>
    <message>
        <source>&amp;Dropdown Listbox</source>
        <translation>&amp;Dropdown-Listenfeld</translation>
    </message>
    <message>
        <source>C&amp;ancel Insert Object</source>
        <translation>Objekt einfügen a&amp;bbrechen</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Row</source>
        <translation>&amp;Zeile</translation>
    </message>
    <message>
        <source>H&amp;eight...</source>
        <translation>&amp;Höhe...</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Unhide</source>
        <translation>&amp;Einblenden</translation>
    </message>
    <message>
        <source>&amp;Default Height...</source>
        <translation>&amp;Standardhöhe...</translation>
    </message>
    <message>
        <source>&amp;Column</source>
        <translation>S&amp;palte</translation>
    </message>
    <message>
        <source>&amp;Width...</source>
        <translation>&amp;Breite...</translation>
    </message>
    <message>
        <source>&amp;AutoFit Selection</source>
        <translation>&amp;Optimale Breite festlegen</translation>
    </message>
    <message>
        <source>&amp;Default Width...</source>
        <translation>&amp;Standardbreite...</translation>
    </message>
    <message>
        <source>S&amp;heet</source>
        <translation>&amp;Blatt</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>P&amp;rotection</source>
        <translation>Blatt&amp;schutz</translation>
    </message>
    <message>
        <source>&amp;Freeze Panes</source>
        <translation>&amp;Fenster fixieren</translation>
    </message>
    <message>
        <source>&amp;Default Font...</source>
        <translation>&amp;Standardschrift...</translation>
    </message>
    <message>
        <source>&amp;Object...</source>
        <translation>&amp;Objekt...</translation>
    </message>
    <message>
        <source>&amp;Bring To Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>&amp;Send to Back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Recalc</source>
        <translation>&amp;Neu berechnen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tabrix...</source>
        <translation>&amp;Info über Tabrix...</translation>
    </message>
    <message>
        <source>&amp;Format Object...</source>
        <translation>Objekt &amp;formatieren...</translation>
    </message>
    <message>
        <source>&amp;Insert Rows</source>
        <translation>Zeilen &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Zeilen &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Insert Columns</source>
        <translation>Spalten &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete Columns</source>
        <translation>Spalten &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Insert...</source>
        <translation>&amp;Einfügen...</translation>
    </message>
    <message>
        <source>Clear Co&amp;ntents</source>
        <translation>I&amp;nhalte löschen</translation>
    </message>
    <message>
        <source>&amp;Format Cells...</source>
        <translation>Zellen &amp;formatieren...</translation>
    </message>
    <message>
        <source>Quillmark Tabrix 6.0 Workbook (*.vts);;Excel Workbooks (*.xls *.xlsx);;All Files (*)</source>
        <translation>Quillmark-Tabrix-6.0-Arbeitsmappe (*.vts);;Excel-Arbeitsmappen (*.xls *.xlsx);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Delete Objects</source>
        <translation>Objekte &amp;löschen</translation>
    </message>
    <message>
        <source>Remove Page &amp;Break</source>
        <translation>Seiten&amp;umbruch aufheben</translation>
    </message>
    <message>
        <source>Un&amp;freeze Panes</source>
        <translation>Fixierung auf&amp;heben</translation>
    </message>
</context>
<context>
    <name>tabrix</name>
    <message>
        <source>About Tabrix</source>
        <translation>Info über Tabrix</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen in %1 speichern?</translation>
    </message>
    <message>
        <source>Quillmark Tabrix 6.0 Workbook (*.vts)</source>
        <translation>Quillmark-Tabrix-6.0-Arbeitsmappe (*.vts)</translation>
    </message>
    <message>
        <source>Excel 97 Workbook (*.xls)</source>
        <translation>Excel-97-Arbeitsmappe (*.xls)</translation>
    </message>
    <message>
        <source>Excel 5.0/95 Workbook (*.xls)</source>
        <translation>Excel-5.0/95-Arbeitsmappe (*.xls)</translation>
    </message>
    <message>
        <source>Excel Workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>HTML Document (*.htm)</source>
        <translation>HTML-Dokument (*.htm)</translation>
    </message>
    <message>
        <source>Tab Delimited Text (*.txt)</source>
        <translation>Text, tabulatorgetrennt (*.txt)</translation>
    </message>
    <message>
        <source>Alignment</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Schriftfarbe</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Zahlenformat</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
</context>
</TS>
