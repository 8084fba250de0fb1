<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="da">
<context>
    <name>AutomakeItems</name>
    <message>
        <source>oprettelse af %1 varer</source>
        <translation>creation of %1 items</translation>
    </message>
</context>
<context>
    <name>AutomakeItemsClass</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Create stock items</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Number of items</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>Number of items must be:
from 1 to 1000</translation>
    </message>
    <message>
        <source>%1 nye varer kan ikke få hvert sit serienummer: det højeste serienummer er %2, og der kan højst tælles til %3. Ingen varer er oprettet.</source>
        <translation>%1 new items cannot each get a serial number: the highest serial number is %2, and numbering goes no higher than %3. No items were made.</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>&amp;Kopiér diagrammet</source>
        <translation>&amp;Copy the chart</translation>
    </message>
    <message>
        <source>&amp;Gem som PNG...</source>
        <translation>&amp;Save as PNG...</translation>
    </message>
    <message>
        <source>Øvrige (%1)</source>
        <translation>Other (%1)</translation>
    </message>
    <message>
        <source>Ingen poster</source>
        <translation>No items</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Gem diagrammet</source>
        <translation>Save the chart</translation>
    </message>
    <message>
        <source>PNG-billeder (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>Diagrammet blev ikke gemt</source>
        <translation>The chart was not saved</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 was not saved:
%2</translation>
    </message>
</context>
<context>
    <name>BarcodeSymbol</name>
    <message>
        <source>Code 128</source>
        <translation>Code 128</translation>
    </message>
    <message>
        <source>QR-kode</source>
        <translation>QR code</translation>
    </message>
    <message>
        <source>EAN-13</source>
        <translation>EAN-13</translation>
    </message>
    <message>
        <source>DataMatrix</source>
        <translation>DataMatrix</translation>
    </message>
    <message>
        <source>En tom tekst kan ikke blive til en stregkode af typen %1.</source>
        <translation>An empty text cannot become a barcode of the type %1.</translation>
    </message>
    <message>
        <source>»%1« er ikke et EAN-13-nummer (13 cifre med det rette kontrolciffer).</source>
        <translation>“%1” is not an EAN-13 number (13 digits with the right check digit).</translation>
    </message>
    <message>
        <source>Der var ikke hukommelse nok til stregkoden for »%1«.</source>
        <translation>There was not enough memory for the barcode of “%1”.</translation>
    </message>
    <message>
        <source>»%1« indeholder tegn, som stregkodetypen %2 ikke kan rumme.</source>
        <translation>“%1” holds characters that the barcode type %2 cannot hold.</translation>
    </message>
    <message>
        <source>»%1« er for lang til stregkodetypen %2.</source>
        <translation>“%1” is too long for the barcode type %2.</translation>
    </message>
    <message>
        <source>»%1« har et forkert kontrolciffer til stregkodetypen %2.</source>
        <translation>“%1” has a wrong check digit for the barcode type %2.</translation>
    </message>
    <message>
        <source>Stregkodetypen %2 kan ikke rumme »%1« (fejl %3).</source>
        <translation>The barcode type %2 cannot hold “%1” (error %3).</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>(uden navn)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet; intet er ændret.</source>
        <translation>The database is read-only; nothing was changed.</translation>
    </message>
    <message>
        <source>Den valgte gruppe findes ikke længere i listen.</source>
        <translation>The chosen group is no longer in the list.</translation>
    </message>
    <message>
        <source>Det valgte sted findes ikke længere i listen.</source>
        <translation>The chosen location is no longer in the list.</translation>
    </message>
    <message>
        <source>Datoen er ikke en gyldig dato.</source>
        <translation>The date is not a valid date.</translation>
    </message>
    <message>
        <source>ændring af %1 varer</source>
        <translation>change of %1 items</translation>
    </message>
    <message>
        <source>Intet er ændret. Disse kan ikke gemmes med ændringen:</source>
        <translation>Nothing was changed. These cannot be saved with the change:</translation>
    </message>
    <message>
        <source>... og %1 flere.</source>
        <translation>... and %1 more.</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Ændringen gælder %1 valgte billeder.</source>
        <translation>The change applies to %1 selected pictures.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte mønter.</source>
        <translation>The change applies to %1 selected coins.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte varer.</source>
        <translation>The change applies to %1 selected stock items.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte inventar.</source>
        <translation>The change applies to %1 selected items.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Please correct the field.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Value</translation>
    </message>
</context>
<context>
    <name>BulkEditDialogBase</name>
    <message>
        <source>Ret valgte</source>
        <translation>Change Selected</translation>
    </message>
    <message>
        <source>Kun de afkrydsede felter ændres; de andre beholder hver deres værdi.</source>
        <translation>Only the ticked fields change; the others keep each item&apos;s own value.</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>&amp;Sæt til</source>
        <translation>&amp;Set to</translation>
    </message>
    <message>
        <source>Ændr &amp;med</source>
        <translation>Change &amp;by</translation>
    </message>
</context>
<context>
    <name>CommonSetup</name>
    <message>
        <source>NUMIVAX_FRONT_PICTURE_PATH</source>
        <translation>Obverse:</translation>
    </message>
    <message>
        <source>NUMIVAX_BACK_PICTURE_PATH</source>
        <translation>Reverse:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Pictures:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Extra pictures:</translation>
    </message>
    <message>
        <source>GetExistingDirectory</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Choose a picture folder</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Choose a receipt folder</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Choose a document folder</translation>
    </message>
</context>
<context>
    <name>CommonSetupBase</name>
    <message>
        <source>CommonSetup</source>
        <translation>Default folders</translation>
    </message>
    <message>
        <source>PICTURE_PATH</source>
        <translation>Pictures:</translation>
    </message>
    <message>
        <source>TOOL_TIP_PICTURE_PATH</source>
        <translation>The folder that usually holds pictures</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Receipts:</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>The folder that usually holds receipts</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>B&amp;rowse...</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Documents:</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>The folder that usually holds documents</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Bro&amp;wse...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Tidligere versioner, der gemmes:</source>
        <translation>Earlier &amp;versions kept:</translation>
    </message>
    <message>
        <source>Når databasen gemmes, gemmes den fil, den erstatter, i mappen versions ved siden af databasen. De ældste versioner ud over dette antal slettes.</source>
        <translation>When the database is saved, the file it replaces is kept in the folder versions beside the database. The oldest versions beyond this number are deleted.</translation>
    </message>
    <message>
        <source>Ingen</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>CrashRecovery</name>
    <message>
        <source>den nye database</source>
        <translation>the new database</translation>
    </message>
    <message>
        <source>Gendannelsesfilen kunne ikke skrives</source>
        <translation>The recovery file could not be written</translation>
    </message>
    <message>
        <source>De ikke gemte ændringer af %1 kunne ikke skrives til gendannelsesfilen %2:
%3

Du kan arbejde videre som før; gem databasen for at sikre ændringerne. Dette vises kun én gang for databasen.</source>
        <translation>The unsaved changes to %1 could not be written to the recovery file %2:
%3

You can go on working as before; save the database to keep the changes safe. This is shown only once for the database.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Den kunne ikke lægges til side og er ikke ændret.</source>
        <translation>It could not be put aside and is unchanged.</translation>
    </message>
    <message>
        <source>Den er lagt til side som %1.</source>
        <translation>It has been put aside as %1.</translation>
    </message>
    <message>
        <source>Gendannelsesfilen bruges ikke</source>
        <translation>The recovery file is not used</translation>
    </message>
    <message>
        <source>Gendannelsesfilen %1 bruges ikke: %2.

%3</source>
        <translation>The recovery file %1 is not used: %2.

%3</translation>
    </message>
    <message>
        <source>antallet af ændringer passer ikke</source>
        <translation>the number of changes does not match</translation>
    </message>
    <message>
        <source>den er beskadiget (%1)</source>
        <translation>it is damaged (%1)</translation>
    </message>
    <message>
        <source>Ikke gemte ændringer</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Programmet sluttede sidst uden at gemme ændringerne af %1.

Ændringer: %2
Seneste ændring: %3

Vil du gendanne dem? De gendannede ændringer er ikke gemt, før du gemmer databasen.</source>
        <translation>The program last ended without saving the changes to %1.

Changes: %2
Last change: %3

Do you want to restore them? The restored changes are not saved until you save the database.</translation>
    </message>
    <message>
        <source>&amp;Gendan</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Kassér</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>gendannelse</source>
        <translation>restore</translation>
    </message>
    <message>
        <source>Ændringerne kunne ikke gendannes</source>
        <translation>The changes could not be restored</translation>
    </message>
    <message>
        <source>Ændringerne af %1 kunne ikke gendannes: %2.

Gendannelsesfilen er lagt til side som %3.</source>
        <translation>The changes to %1 could not be restored: %2.

The recovery file has been put aside as %3.</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>%1 nr.</source>
        <translation>%1 no.</translation>
    </message>
    <message>
        <source>%1 (ISO 8601)</source>
        <translation>%1 (ISO 8601)</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>%1 kan ikke skrives i %2.</source>
        <translation>%1 cannot be written in %2.</translation>
    </message>
    <message>
        <source>Skilletegnet skal være komma, semikolon eller tabulator.</source>
        <translation>The separator must be a comma, a semicolon or a tab.</translation>
    </message>
</context>
<context>
    <name>CsvExportDialog</name>
    <message>
        <source>Komma (,)</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>Semikolon (;)</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Den valgte &amp;gruppe: %1</source>
        <translation>The selected &amp;group: %1</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>The selected &amp;rows (%1)</translation>
    </message>
    <message>
        <source>Eksportér som regneark (CSV)</source>
        <translation>Export as a spreadsheet (CSV)</translation>
    </message>
    <message>
        <source>Regneark (*.csv)</source>
        <translation>Spreadsheets (*.csv)</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>The export failed</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 was not saved:
%2</translation>
    </message>
</context>
<context>
    <name>CsvExportDialogBase</name>
    <message>
        <source>Eksportér som regneark (CSV)</source>
        <translation>Export as a spreadsheet (CSV)</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>Med &amp;byte-order mark (BOM) til regneark, der kræver det</source>
        <translation>With a &amp;byte-order mark (BOM) for spreadsheets that need one</translation>
    </message>
    <message>
        <source>&amp;Skilletegn:</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>Eksportér</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>&amp;Hele registret</source>
        <translation>The &amp;whole register</translation>
    </message>
    <message>
        <source>Den valgte &amp;gruppe</source>
        <translation>The selected &amp;group</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker</source>
        <translation>The selected &amp;rows</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>UTF-8 med BOM</source>
        <translation>UTF-8 with BOM</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Komma (,)</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>Semikolon (;)</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Importér et regneark</source>
        <translation>Import a spreadsheet</translation>
    </message>
    <message>
        <source>Regneark (*.csv *.txt *.tsv)</source>
        <translation>Spreadsheets (*.csv *.txt *.tsv)</translation>
    </message>
    <message>
        <source>Filen %1 kan ikke åbnes: %2</source>
        <translation>The file %1 cannot be opened: %2</translation>
    </message>
    <message>
        <source>Nogle af filens bytes kan ikke læses som %1 og kan ikke gemmes. Vælg filens tegnsæt.</source>
        <translation>Some of the file&apos;s bytes cannot be read as %1 and cannot be stored. Choose the file&apos;s encoding.</translation>
    </message>
    <message>
        <source>ikke i filen</source>
        <translation>not in the file</translation>
    </message>
    <message>
        <source>Kolonne %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Linje %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Ved importen bliver ; til , og et linjeskift til et mellemrum.</source>
        <translation>The import makes ; a , and a line break a blank.</translation>
    </message>
    <message>
        <source>Vælg den fil, der skal importeres.</source>
        <translation>Choose the file to import.</translation>
    </message>
    <message>
        <source>Filen har ingen rækker at importere.</source>
        <translation>The file has no rows to import.</translation>
    </message>
    <message>
        <source>De første %1 rækker, som de vil blive læst. %2 celler kan ikke gemmes; de er markeret, og musen over en celle viser hvorfor.</source>
        <translation>The first %1 rows as they will be read. %2 cells cannot be stored; they are marked, and the mouse over a cell shows why.</translation>
    </message>
    <message>
        <source>De første %1 rækker, som de vil blive læst.</source>
        <translation>The first %1 rows as they will be read.</translation>
    </message>
    <message>
        <source>Kontrollér gennemgår hele filen og viser, hvad importen vil gøre, før noget ændres.</source>
        <translation>Check goes through the whole file and shows what the import will do before anything changes.</translation>
    </message>
    <message>
        <source>Filen er ændret</source>
        <translation>The file has changed</translation>
    </message>
    <message>
        <source>Filen blev ændret, mens den blev kontrolleret. Intet importeres.</source>
        <translation>The file changed while it was checked. Nothing is imported.</translation>
    </message>
    <message>
        <source>Filen %1 blev ændret af et andet program, mens den blev kontrolleret. Kontrollér den igen?</source>
        <translation>The file %1 was changed by another program while it was checked. Check it again?</translation>
    </message>
    <message>
        <source>Intet kan importeres: %1</source>
        <translation>Nothing can be imported: %1</translation>
    </message>
    <message>
        <source>Rækker i filen: %1</source>
        <translation>Rows in the file: %1</translation>
    </message>
    <message>
        <source>Rækker, der importeres: %1</source>
        <translation>Rows to import: %1</translation>
    </message>
    <message>
        <source>Rækker, der ikke importeres: %1</source>
        <translation>Rows not imported: %1</translation>
    </message>
    <message>
        <source>Linje %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>... og %1 rækker mere</source>
        <translation>... and %1 more rows</translation>
    </message>
    <message>
        <source>Nye navne i listen %1: %2</source>
        <translation>New names in the list %1: %2</translation>
    </message>
    <message>
        <source>Rækker uden et ledigt nummer i %1 får det næste ledige:</source>
        <translation>Rows without a free number in %1 get the next free one:</translation>
    </message>
    <message>
        <source>Celler, hvor ; eller linjeskift erstattes: %1</source>
        <translation>Cells where ; or line breaks are replaced: %1</translation>
    </message>
    <message>
        <source>Ingen rækker kan importeres.</source>
        <translation>No rows can be imported.</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet, så der kan ikke importeres i den.</source>
        <translation>The database is read-only, so nothing can be imported into it.</translation>
    </message>
    <message>
        <source>Importen er ikke mulig</source>
        <translation>The import is not possible</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.</source>
        <translation>The database is read-only (another program has locked it), so nothing can be imported into it.</translation>
    </message>
    <message>
        <source>Filen %1 er ændret siden kontrollen. Kontrollér den igen?</source>
        <translation>The file %1 has changed since the check. Check it again?</translation>
    </message>
    <message>
        <source>Filen er ændret siden kontrollen. Intet er importeret.</source>
        <translation>The file has changed since the check. Nothing was imported.</translation>
    </message>
    <message>
        <source>Importen mislykkedes</source>
        <translation>The import failed</translation>
    </message>
    <message>
        <source>Intet er importeret i databasen.</source>
        <translation>Nothing was imported into the database.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialogBase</name>
    <message>
        <source>Importér et regneark (CSV)</source>
        <translation>Import a spreadsheet (CSV)</translation>
    </message>
    <message>
        <source>Fil:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>&amp;Vælg fil...</source>
        <translation>&amp;Choose file...</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>&amp;Skilletegn:</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>&amp;Første række er kolonnenavne</source>
        <translation>&amp;First row holds column names</translation>
    </message>
    <message>
        <source>E&amp;rstat ; med , og linjeskift med mellemrum i tekster</source>
        <translation>&amp;Replace ; with , and line breaks with blanks in texts</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Kolonne i filen</source>
        <translation>Column in the file</translation>
    </message>
    <message>
        <source>&amp;Kontrollér</source>
        <translation>Chec&amp;k</translation>
    </message>
    <message>
        <source>&amp;Importér</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Importér i en &amp;ny database</source>
        <translation>Import into a &amp;new database</translation>
    </message>
    <message>
        <source>&amp;Luk</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>CsvImporter</name>
    <message>
        <source>Cellen har tegn, som ikke kunne læses i den valgte tegnkodning; vælg en anden tegnkodning.</source>
        <translation>The cell has characters that could not be read in the chosen encoding; choose another encoding.</translation>
    </message>
    <message>
        <source>Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.</source>
        <translation>This edition does not store the field in the database file, so it would be lost. Empty the field.</translation>
    </message>
    <message>
        <source>Der skal være en pris fra 0 til %1.</source>
        <translation>A price from 0 to %1 is needed.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; er ikke et tal; skriv fx 1499.50.</source>
        <translation>&quot;%1&quot; is not a number; write 1499.50, for example.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kan læses på to måder; skriv fx 1499.50 eller 1499500.</source>
        <translation>&quot;%1&quot; can be read in two ways; write 1499.50 or 1499500, for example.</translation>
    </message>
    <message>
        <source>Prisen skal være fra 0 til %1.</source>
        <translation>The price must be from 0 to %1.</translation>
    </message>
    <message>
        <source>Antallet skal være et helt tal fra %1 til %2.</source>
        <translation>The count must be a whole number from %1 to %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; er ingen dato; skriv den som dd.mm.åååå.</source>
        <translation>&quot;%1&quot; is no date; write it as dd.mm.yyyy.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; er ingen dato; skriv den som åååå-mm-dd.</source>
        <translation>&quot;%1&quot; is no date; write it as yyyy-mm-dd.</translation>
    </message>
    <message>
        <source>Listen har intet nummer %1.</source>
        <translation>The list has no number %1.</translation>
    </message>
    <message>
        <source>Rækken har %1 celler, men filen har kun %2 kolonner.</source>
        <translation>The row has %1 cells, but the file has only %2 columns.</translation>
    </message>
    <message>
        <source>Der er intet varenummer efter %1 til varen.</source>
        <translation>There is no item number after %1 for the item.</translation>
    </message>
    <message>
        <source>Kontrollerer regnearket</source>
        <translation>Checking the spreadsheet</translation>
    </message>
    <message>
        <source>Filen er tom.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
</context>
<context>
    <name>CsvReader</name>
    <message>
        <source>Et anførselstegn på linje %1 bliver ikke lukket.</source>
        <translation>A quotation mark on line %1 is never closed.</translation>
    </message>
    <message>
        <source>Linje %1 indeholder et nul-tegn: filen er ikke tekst i det valgte tegnsæt.</source>
        <translation>Line %1 contains a zero character: the file is not text in the chosen encoding.</translation>
    </message>
    <message>
        <source>Rækken på linje %1 er over %2 tegn lang: filen er ikke et regneark.</source>
        <translation>The row on line %1 is longer than %2 characters: the file is not a spreadsheet.</translation>
    </message>
    <message>
        <source>Filen kunne ikke læses: %1</source>
        <translation>The file could not be read: %1</translation>
    </message>
</context>
<context>
    <name>DBItemCollection</name>
    <message>
        <source>Databasen kunne ikke gemmes i %1:
%2</source>
        <translation>The database could not be saved in %1:
%2</translation>
    </message>
    <message>
        <source>FILE_ALLREADY_OPEN_WARNING</source>
        <translation>Database already open</translation>
    </message>
    <message>
        <source>DB_OPEN_BY_ANOTHER_USER</source>
        <translation>The database is open by another user, so it is opened read-only: changes cannot be saved.

</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>The database is open read-only and cannot be saved.</translation>
    </message>
    <message>
        <source>Filen kunne ikke skrives.</source>
        <translation>The file could not be written.</translation>
    </message>
    <message>
        <source>Kan ikke gemme gruppe fil:</source>
        <translation>Cannot save the group file: </translation>
    </message>
    <message>
        <source>Kan ikke gemme lokale fil:</source>
        <translation>Cannot save the location file: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
        <translation>Cannot save the supplier file: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
        <translation>Cannot save the field names file: </translation>
    </message>
    <message>
        <source>CAN_NOT_DELETE_LOCK_FILE:</source>
        <translation>Cannot delete the lock file: </translation>
    </message>
    <message>
        <source>Databasen blev ikke gemt</source>
        <translation>The database was not saved</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>En vare kan ikke gemmes i databasefilen, som den er. Intet er gemt, og filen er uændret.

Vare: %1
Gruppe: %2, nr. %3 i gruppen
Felt: %4
%5</source>
        <translation>An item cannot be stored in the database file as it is. Nothing was saved, and the file is unchanged.

Item: %1
Group: %2, no. %3 in the group
Field: %4
%5</translation>
    </message>
    <message>
        <source>Låsefil: %1
Kører programmet, der har låst databasen, ikke længere (fx efter et nedbrud), kan låsefilen slettes.</source>
        <translation>Lock file: %1
If the program that locked the database is no longer running (after a crash, for example), the lock file can be deleted.</translation>
    </message>
    <message>
        <source>Kan ikke oprette mappen %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>No.; </translation>
    </message>
    <message>
        <source>Indlæser databasen</source>
        <translation>Loading the database</translation>
    </message>
    <message>
        <source>Gemmer databasen</source>
        <translation>Saving the database</translation>
    </message>
    <message>
        <source>Eksporterer</source>
        <translation>Exporting</translation>
    </message>
    <message>
        <source>Databasen kunne ikke låses</source>
        <translation>The database could not be locked</translation>
    </message>
    <message>
        <source>Låsefilen %1 kunne ikke oprettes:
%2

Databasen åbnes derfor skrivebeskyttet: ændringer kan ikke gemmes.</source>
        <translation>The lock file %1 could not be created:
%2

The database is therefore opened read-only: changes cannot be saved.</translation>
    </message>
</context>
<context>
    <name>DiskChangeGuard</name>
    <message>
        <source>Databasefilen %1 er ændret af et andet program, siden den blev læst her.</source>
        <translation>The database file %1 was changed by another program after it was read here.</translation>
    </message>
    <message>
        <source>Indlæs igen: filen læses igen med det andet programs ændringer. Dine ændringer gemmes først som en version i mappen %1.</source>
        <translation>Reload: the file is read again with the other program&apos;s changes. Your changes are first saved as a version in the folder %1.</translation>
    </message>
    <message>
        <source>Gem mine under andet navn: dine ændringer gemmes i en ny fil, og den ændrede fil bliver, som den er.</source>
        <translation>Save mine under another name: your changes are saved in a new file, and the changed file stays as it is.</translation>
    </message>
    <message>
        <source>Databasefilen er ændret</source>
        <translation>The database file has changed</translation>
    </message>
    <message>
        <source>Vil du indlæse den igen og se ændringerne? Beholder du det viste, er filen uændret, og du bliver spurgt igen, før du gemmer oven i den.</source>
        <translation>Do you want to reload it and see the changes? If you keep what is shown, the file stays unchanged, and you will be asked again before you save over it.</translation>
    </message>
    <message>
        <source>&amp;Indlæs igen</source>
        <translation>&amp;Reload</translation>
    </message>
    <message>
        <source>Behold det &amp;viste</source>
        <translation>&amp;Keep what is shown</translation>
    </message>
    <message>
        <source>Du har ændringer, der ikke er gemt.</source>
        <translation>You have changes that are not saved.</translation>
    </message>
    <message>
        <source>&amp;Behold mine og overskriv</source>
        <translation>&amp;Keep mine and overwrite</translation>
    </message>
    <message>
        <source>Gem mine under &amp;andet navn...</source>
        <translation>&amp;Save mine under another name...</translation>
    </message>
    <message>
        <source>Databasefilen findes ikke</source>
        <translation>The database file is missing</translation>
    </message>
    <message>
        <source>Databasefilen %1 findes ikke længere: den er slettet eller flyttet af et andet program.</source>
        <translation>The database file %1 no longer exists: another program deleted or moved it.</translation>
    </message>
    <message>
        <source>Det viste er uændret. Når du gemmer, skrives filen igen under samme navn.</source>
        <translation>What is shown is unchanged. When you save, the file is written again under the same name.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Gemmer du nu, erstattes det andet programs ændringer af dine.</source>
        <translation>If you save now, the other program&apos;s changes are replaced by yours.</translation>
    </message>
    <message>
        <source>Fortryd: intet gemmes.</source>
        <translation>Cancel: nothing is saved.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Databasefilen er ikke indlæst igen</source>
        <translation>The database file was not reloaded</translation>
    </message>
    <message>
        <source>Dine ændringer kunne ikke gemmes som en version i mappen %1, så databasefilen er ikke indlæst igen. Dine ændringer er der stadig.</source>
        <translation>Your changes could not be saved as a version in the folder %1, so the database file was not reloaded. Your changes are still there.</translation>
    </message>
    <message>
        <source>Dine ændringer, der ikke var gemt, er gemt som %1</source>
        <translation>Your unsaved changes were saved as %1</translation>
    </message>
    <message>
        <source>Behold mine og overskriv: dine ændringer gemmes i filen i stedet for det andet programs.</source>
        <translation>Keep mine and overwrite: your changes are saved in the file in place of the other program&apos;s.</translation>
    </message>
</context>
<context>
    <name>ExternalViewers</name>
    <message>
        <source>HTML fejl</source>
        <translation>HTML error</translation>
    </message>
</context>
<context>
    <name>HandlerBarcodesC</name>
    <message>
        <source>Etiketprinter</source>
        <translation>Label printer</translation>
    </message>
    <message>
        <source>Der er ikke angivet nogen etiketprinter i %1.</source>
        <translation>No label printer is named in %1.</translation>
    </message>
    <message>
        <source>Programmet lp kunne ikke startes.</source>
        <translation>The program lp could not be started.</translation>
    </message>
    <message>
        <source>lp sluttede med fejlkode %1.</source>
        <translation>lp ended with error code %1.</translation>
    </message>
    <message>
        <source>Etiketterne kunne ikke sendes til etiketprinteren %1:
%2</source>
        <translation>The labels could not be sent to the label printer %1:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 kunne ikke læses, så der er ikke sendt noget til etiketprinteren:
%2</source>
        <translation>The label template %1 could not be read, so nothing was sent to the label printer:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 er tom, så der er ikke sendt noget til etiketprinteren.</source>
        <translation>The label template %1 is empty, so nothing was sent to the label printer.</translation>
    </message>
    <message>
        <source>Etiketfilen %1 kunne ikke skrives, så der er ikke sendt noget til etiketprinteren:
%2</source>
        <translation>The label file %1 could not be written, so nothing was sent to the label printer:
%2</translation>
    </message>
    <message>
        <source>Enheden findes ikke.</source>
        <translation>The device does not exist.</translation>
    </message>
    <message>
        <source>Det er en mappe, ikke en printerenhed.</source>
        <translation>It is a folder, not a printer device.</translation>
    </message>
    <message>
        <source>Det er en almindelig fil, ikke en printerenhed.</source>
        <translation>It is a plain file, not a printer device.</translation>
    </message>
    <message>
        <source>Der kan ikke skrives til enheden.</source>
        <translation>The device cannot be written to.</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Disse varer har intet varenummer og får ingen etiket, da en etiket uden varenummer aldrig kan genkendes ved en lokationsopdatering:
%1</source>
        <translation>These stock items have no item number and get no label, since a label without an item number can never be recognised by a location update:
%1</translation>
    </message>
    <message>
        <source>Varen %1 har intet varenummer, så der er ikke sendt nogen etiket til etiketprinteren: en etiket uden varenummer kan aldrig genkendes ved en lokationsopdatering.</source>
        <translation>The stock item %1 has no item number, so no label was sent to the label printer: a label without an item number can never be recognised by a location update.</translation>
    </message>
    <message>
        <source>Navnet har et tegn, som enhedsfilen ikke kan rumme.</source>
        <translation>The name has a character that the device file cannot hold.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>NOTEPAD_NOT_FOUND</source>
        <translation>There is no program that can show the release notes. Install a text editor, or open the file in the help folder yourself.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ItemDialog</name>
    <message>
        <source>SHOWPHOTO</source>
        <translation>View </translation>
    </message>
    <message>
        <source>BROWSEPHOTO</source>
        <translation>Insert </translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation>Open </translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation>Insert </translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation>View </translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation>Insert </translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation>View </translation>
    </message>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Picture Gallery</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_REG_NUMBER</source>
        <translation>The work&apos;s registration number in the collection.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_REG_NUMBER</source>
        <translation>Registration number</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_ESTIMATED_PRICE</source>
        <translation>Valuation</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_ESTIMATED_PRICE</source>
        <translation>What the work has been valued at.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_SALESPRICE</source>
        <translation>Sale price</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_SALESPRICE</source>
        <translation>The price the work is for sale at.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_DOCUMENT</source>
        <translation>A document about the work</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_DOCUMENT</source>
        <translation>The path of a document about the work, such as a valuation or a certificate of authenticity.</translation>
    </message>
    <message>
        <source>NUMIVAX_DIALOG_TITLE</source>
        <translation>Coin</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Number of coins</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_DOCUMENT</source>
        <translation>A document about the coin</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_QUALITY</source>
        <translation>The coin&apos;s grade</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMIVAX_QUALITY</source>
        <translation>The coin&apos;s grade (state of preservation), such as UNC, XF, VF or F.</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_BACKSIDE_PICTURE</source>
        <translation>Picture of the reverse</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Choose a picture of the reverse</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>View Reverse</translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>Nothing matching the search was found.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Please correct the field.</translation>
    </message>
    <message>
        <source>Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle (*.*)</source>
        <translation>Documents (*.doc *.pdf *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;All files (*.*)</translation>
    </message>
    <message>
        <source>&apos;Købspris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>&apos;Purchase price&apos; must be between 0.0 and %1.</translation>
    </message>
    <message>
        <source>&apos;Vurderet pris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>&apos;Estimated value&apos; must be between 0.0 and %1.</translation>
    </message>
    <message>
        <source>&apos;Antal&apos; skal være i intervalet: 0 -&gt; %1</source>
        <translation>&apos;Count&apos; must be between 1 and %1.</translation>
    </message>
    <message>
        <source>OstranaNameMissing</source>
        <translation>The item must have a name.</translation>
    </message>
    <message>
        <source>QuorvelNameMissing</source>
        <translation>The stock item must have a name.</translation>
    </message>
    <message>
        <source>VistrelNameMissing</source>
        <translation>The picture must have a title.</translation>
    </message>
    <message>
        <source>NumivaxNameMissing</source>
        <translation>The coin must have a name.</translation>
    </message>
    <message>
        <source>QuorvelItemTypeHasNotBeenSelected</source>
        <translation>Please choose a value in the field: </translation>
    </message>
    <message>
        <source>Databasen kan ikke gemme tegnene %1, så de er ikke sat ind.</source>
        <translation>The database cannot hold the characters %1, so they were not inserted.</translation>
    </message>
    <message>
        <source>Databasen kan ikke gemme linjeskift i et felt, så teksten er ikke sat ind.</source>
        <translation>The database cannot hold line breaks in a field, so the text was not inserted.</translation>
    </message>
    <message>
        <source>Stien til den valgte fil kan ikke gemmes i databasen:
%1</source>
        <translation>The path of the chosen file cannot be stored in the database:
%1</translation>
    </message>
    <message>
        <source>Feltet &quot;%1&quot; kan ikke gemmes i databasen.</source>
        <translation>The field &quot;%1&quot; cannot be stored in the database.</translation>
    </message>
    <message>
        <source>Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), så den er ikke sat ind.</source>
        <translation>The text contains invisible control characters (such as ESC or vertical tab), so it was not inserted.</translation>
    </message>
    <message>
        <source>Varen er ændret</source>
        <translation>The item has changed</translation>
    </message>
    <message>
        <source>Varen &quot;%1&quot; er blevet ændret et andet sted, mens du redigerede den her, for eksempel af en indlæsning fra stregkodescanneren.

Behold mine ændringer: de felter, du har ændret, beholder din tekst, og de andre viser varens nye værdier.
Vis de nye værdier: dine ændringer forkastes.</source>
        <translation>The item &quot;%1&quot; was changed elsewhere while you were editing it here, for example by an import from the barcode scanner.

Keep my changes: the fields you changed keep your text, and the others show the item&apos;s new values.
Show the new values: your changes are discarded.</translation>
    </message>
    <message>
        <source>Behold mine ændringer</source>
        <translation>Keep my changes</translation>
    </message>
    <message>
        <source>Vis de nye værdier</source>
        <translation>Show the new values</translation>
    </message>
    <message>
        <source>Varen er fjernet</source>
        <translation>The item was removed</translation>
    </message>
    <message>
        <source>Varen &quot;%1&quot; er fjernet fra registret, mens du redigerede den her, for eksempel af en flytning fra stregkodescanneren. Dine ændringer kan ikke gemmes.</source>
        <translation>The item &quot;%1&quot; was removed from the register while you were editing it here, for example by a move from the barcode scanner. Your changes cannot be saved.</translation>
    </message>
    <message>
        <source>Du valgte &quot;%1&quot; i feltet &quot;%2&quot;, men navnet er slettet fra listen siden. Vælg et andet navn, før du gemmer.</source>
        <translation>You chose &quot;%1&quot; in the field &quot;%2&quot;, but that name has since been deleted from the list. Choose another name before you save.</translation>
    </message>
    <message>
        <source>Billed fil (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle (*.*)</source>
        <translation>Picture files (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;All files (*.*)</translation>
    </message>
    <message>
        <source>Kvittering (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle (*.*)</source>
        <translation>Receipts (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;All files (*.*)</translation>
    </message>
    <message>
        <source>ændring af &apos;%1&apos;</source>
        <translation>change of &apos;%1&apos;</translation>
    </message>
    <message>
        <source>kopi af &apos;%1&apos;</source>
        <translation>copy of &apos;%1&apos;</translation>
    </message>
    <message>
        <source>tilføjelse af &apos;%1&apos;</source>
        <translation>addition of &apos;%1&apos;</translation>
    </message>
    <message>
        <source>sletning af &apos;%1&apos;</source>
        <translation>delete of &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ItemDialogBase</name>
    <message>
        <source>Inventar</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>T&amp;ype:</translation>
    </message>
    <message>
        <source>TOOLTIP_GROUP_FIELD</source>
        <translation>Group (type)</translation>
    </message>
    <message>
        <source>WHATSHIS_GROUP_FIELD</source>
        <translation>The group (type) the entry belongs to. The groups are kept under Settings.</translation>
    </message>
    <message>
        <source>image</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>&amp;Navn:</source>
        <translation>N&amp;ame:</translation>
    </message>
    <message>
        <source>TOOLTIP_NAME_FIELD</source>
        <translation>Name (required)</translation>
    </message>
    <message>
        <source>WHATSHIS_NAME_FIELD</source>
        <translation>The name as shown in the list. This field is required.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>Ma&amp;ke:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_FIELD</source>
        <translation>Make or brand</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_FIELD</source>
        <translation>The make or brand, such as the manufacturer&apos;s name.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND_FIELD</source>
        <translation>Product model</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_BRAND_FIELD</source>
        <translation>The product&apos;s model or type designation.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER_OF_ITEMS_FIELD</source>
        <translation>Number of pieces</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMBER_OF_ITEMS_FIELD</source>
        <translation>The number of pieces (1 to 100000). The total price is the count times the unit price.</translation>
    </message>
    <message>
        <source>stk</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>&amp;Pris (1 stk):</source>
        <translation>Price (each):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_FIELD</source>
        <translation>Purchase price of one piece</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_FIELD</source>
        <translation>The purchase price of one piece (0 to 9999999, at most 2 decimals).</translation>
    </message>
    <message>
        <source>kr   Ialt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TOTAL_FIELD</source>
        <translation>Total price (count x unit price)</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_TOTAL_FIELD</source>
        <translation>The total purchase price: the count times the unit price. Calculated by the program.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (ialt):</source>
        <translation>Estimated value (total):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TODAY_FIELD</source>
        <translation>Estimated value today (total)</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_TODAY_FIELD</source>
        <translation>What all the pieces together are estimated to be worth today. If left empty, the purchase price is used.</translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>Date &amp;bought:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE_FIELD</source>
        <translation>Purchase date (dd.mm.yyyy)</translation>
    </message>
    <message>
        <source>WHATSHIS_DATE_FIELD</source>
        <translation>The date of purchase.</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>&amp;Location:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCATION_FIELD</source>
        <translation>Room or location</translation>
    </message>
    <message>
        <source>WHATSHIS_LOCATION_FIELD</source>
        <translation>The room or location where it is kept. The list is kept under Settings.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>Supplier:</translation>
    </message>
    <message>
        <source>TOOLTIP_SUPPLIER_FIELD</source>
        <translation>Supplier (shop)</translation>
    </message>
    <message>
        <source>WHATSHIS_SUPPLIER_FIELD</source>
        <translation>Where it was bought. Choose from the list or type a new name.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>Extra in&amp;fo:</translation>
    </message>
    <message>
        <source>TOOLTIP_EXTRA_INFO_FIELD</source>
        <translation>Extra information, such as the supplier&apos;s address</translation>
    </message>
    <message>
        <source>WHATSHIS_EXTRA_INFO_FIELD</source>
        <translation>Free text with extra information, such as the supplier&apos;s address or phone number.</translation>
    </message>
    <message>
        <source>&amp;Serie nummer:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>TOOLTIP_SERIALNO_FIELD</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>WHATSHIS_SERIALNO_FIELD</source>
        <translation>The product&apos;s serial number, useful after a theft or for a warranty claim.</translation>
    </message>
    <message>
        <source>&amp;Beskrivelse:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>TOOLTIP_DESCRIPTION_FIELD</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>WHATSHIS_DESCRIPTION_FIELD</source>
        <translation>A free description.</translation>
    </message>
    <message>
        <source>ww&amp;w (link til web):</source>
        <translation>www (web link):</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW_FIELD</source>
        <translation>Web address</translation>
    </message>
    <message>
        <source>WHATSHIS_WWW_FIELD</source>
        <translation>A web address, such as the manufacturer&apos;s page about the product.</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Open &amp;www</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_WWW_BTN</source>
        <translation>Open the web address</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_WWW_BTN</source>
        <translation>Opens the web address in the chosen web browser or in the default one.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>Picture (link to &amp;file):</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTURE_FIELD</source>
        <translation>Path of the picture file</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTURE_FIELD</source>
        <translation>The path of a picture (bmp, jpg, gif, png and others), shown in the window and the list.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>&amp;Insert picture</translation>
    </message>
    <message>
        <source>Alt+I</source>
        <translation>Alt+I</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_PHOTO_BTN</source>
        <translation>Choose a picture file</translation>
    </message>
    <message>
        <source>WHATSHIS_BROWSE_PHOTO_BTN</source>
        <translation>Opens a file chooser in which you choose the picture.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>&amp;View picture</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_PHOTO_BTN</source>
        <translation>View the picture</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_PHOTO_BTN</source>
        <translation>Opens the picture in the chosen picture viewer or in the program for its file type.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>Receipt (lin&amp;k to file):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT_FIELD</source>
        <translation>Path of the receipt</translation>
    </message>
    <message>
        <source>WHATSHIS_RECEIPT_FIELD</source>
        <translation>The path of a scanned receipt (a picture, text or HTML file).</translation>
    </message>
    <message>
        <source>In&amp;dsæt Kvittering</source>
        <translation>Insert receipt</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_RECEIPT_BTN</source>
        <translation>Choose a receipt file</translation>
    </message>
    <message>
        <source>WHATSHIS_BROWSE_RECEIPT_BTN</source>
        <translation>Opens a file chooser in which you choose the receipt.</translation>
    </message>
    <message>
        <source>Vis Kvi&amp;ttering</source>
        <translation>View receip&amp;t</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_RECEIPT_BTN</source>
        <translation>View the receipt</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_RECEIPT_BTN</source>
        <translation>Opens the receipt in the program for its file type.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>Document (link to file):</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT_FIELD</source>
        <translation>Path of a document</translation>
    </message>
    <message>
        <source>WHATSHIS_DOCUMENT_FIELD</source>
        <translation>The path of a document, such as a manual or a warranty.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Insert document</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Choose a document file</translation>
    </message>
    <message>
        <source>WHATSHIS_INSERT_DOCUMENT_BTN</source>
        <translation>Opens a file chooser in which you choose the document.</translation>
    </message>
    <message>
        <source>SHOW_DOCUMENT</source>
        <translation>View document</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_DOCUMENT_BTN</source>
        <translation>Open the document</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_DOCUMENT_BTN</source>
        <translation>Opens the document in the program for its file type.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>Receipt</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Alt+G</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Save the changes</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Stores the entry in the database; the window stays open. Remember to save the database file (File, Save).</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Create a new entry</translation>
    </message>
    <message>
        <source>WHATSHIS_NEW_BTN</source>
        <translation>Clears the fields so that you can enter a new entry. It is stored when you press Save or OK.</translation>
    </message>
    <message>
        <source>Kopie&amp;r</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>TOOLTIP_COPY_BTN</source>
        <translation>Copy this entry</translation>
    </message>
    <message>
        <source>WHATSHIS_COPY_BTN</source>
        <translation>Makes a copy of this entry, which you can change and store as a new one.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>R&amp;eset</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Clear the fields before a search</translation>
    </message>
    <message>
        <source>WHATSHIS_RESET_BTN</source>
        <translation>Clears all fields, so that you can fill in those you want to search for and press Search.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>Sea&amp;rch</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Search the database</translation>
    </message>
    <message>
        <source>WHATSHIS_SEARCH_BTN</source>
        <translation>Finds the first entry that matches any one of the filled-in fields.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Search a&amp;gain</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_AGAIN_BTN</source>
        <translation>Find the next match</translation>
    </message>
    <message>
        <source>WHATSHIS_SEARCH_AGAIN_BTN</source>
        <translation>Goes on searching after the last match.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BTN</source>
        <translation>Print the entry on one page</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_BTN</source>
        <translation>Prints all fields of the entry on one page.</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>View Selected as HT&amp;ML</translation>
    </message>
    <message>
        <source>TOOLTIP_VIEW_CURRENT_AS_HTML_BTN</source>
        <translation>View the selected entry as an HTML page</translation>
    </message>
    <message>
        <source>WHATSHIS_VIEW_CURRENT_AS_HTML_BTN</source>
        <translation>Makes an HTML page of the entry selected in the list and opens it in the web browser.</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>TOOLTIP_HELP_BTN</source>
        <translation>Help for this window</translation>
    </message>
    <message>
        <source>WHATSHIS_HELP_BTN</source>
        <translation>Opens the help page for this window.</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>&lt; Previo&amp;us</translation>
    </message>
    <message>
        <source>TOOLTIP_PREV_BTN</source>
        <translation>Show the previous entry</translation>
    </message>
    <message>
        <source>WHATSHIS_PREV_BTN</source>
        <translation>Shows the previous entry in the database.</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>Ne&amp;xt &gt;</translation>
    </message>
    <message>
        <source>TOOLTIP_NEXT_BTN</source>
        <translation>Show the next entry</translation>
    </message>
    <message>
        <source>WHATSHIS_NEXT_BTN</source>
        <translation>Shows the next entry in the database.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>TOOLTIP_OK_BTN</source>
        <translation>Save and close</translation>
    </message>
    <message>
        <source>WHATSHIS_OK_BTN</source>
        <translation>Stores the entry in the database and closes the window.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>TOOLTIP_CANCEL_BTN</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>WHATSHIS_CANCEL_BTN</source>
        <translation>Closes the window without saving.</translation>
    </message>
</context>
<context>
    <name>ItemFilterField</name>
    <message>
        <source>Filtrér listen (Ctrl+L eller /)</source>
        <translation>Filter the list (Ctrl+L or /)</translation>
    </message>
    <message>
        <source>Viser kun de rækker, hvis tekster indeholder hvert af de ord, der skrives her, uanset store og små bogstaver. Esc rydder feltet.</source>
        <translation>Shows only the rows whose texts contain every word typed here, in any case. Esc clears the field.</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>%1 (%2 af %3)</source>
        <translation>%1 (%2 of %3)</translation>
    </message>
</context>
<context>
    <name>ItemListView</name>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>LIST_HELP_VISTREL</source>
        <translation>The list shows the pictures ordered by category. Double-click a picture to view or edit it, and a category to create a new picture in it. Click in a picture column to see the picture. Right-click for a menu; click a column heading to sort the list.</translation>
    </message>
    <message>
        <source>LIST_HELP_NUMIVAX</source>
        <translation>The list shows the coins ordered by group. Double-click a coin to view or edit it, and a group to create a new coin in it. Click in the obverse or reverse column to see the picture. Right-click for a menu; click a column heading to sort the list.</translation>
    </message>
    <message>
        <source>LIST_HELP_1</source>
        <translation>The list shows the register ordered by group. Double-click a line to view or edit it, and a group to create a new entry in it. Click in the picture, receipt, web or document column to open the link. Right-click for a menu; click a column heading to sort the list.</translation>
    </message>
    <message>
        <source>Fejl - type</source>
        <translation>Error - group</translation>
    </message>
    <message>
        <source>MAX_LIMIT_ERROR</source>
        <translation>Group number %1 does not exist (the database has %2 groups), so the entry is not shown in the list.</translation>
    </message>
    <message>
        <source>NB!</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Ingen URL tilknyttet valgte inventar</source>
        <translation>No web address is linked to the selected entry.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Fabrikat</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Produkt model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Pris</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Billede</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Kvitt.</source>
        <translation>Receipt</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Beskrivelse</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Serie no.</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>Www</source>
        <translation>Www</translation>
    </message>
    <message>
        <source>Dok.</source>
        <translation>Doc.</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt: %2</source>
        <translation>%1 was not saved: %2</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>The export failed</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 was not saved:
%2</translation>
    </message>
    <message>
        <source>sletning af &apos;%1&apos;</source>
        <translation>delete of &apos;%1&apos;</translation>
    </message>
    <message>
        <source>sletning af %1 varer</source>
        <translation>delete of %1 items</translation>
    </message>
    <message>
        <source>Slet %1 billeder?</source>
        <translation>Delete %1 pictures?</translation>
    </message>
    <message>
        <source>Slet %1 mønter?</source>
        <translation>Delete %1 coins?</translation>
    </message>
    <message>
        <source>Slet %1 varer?</source>
        <translation>Delete %1 stock items?</translation>
    </message>
    <message>
        <source>Slet %1 inventar?</source>
        <translation>Delete %1 items?</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet; intet er slettet.</source>
        <translation>The database is read-only; nothing was deleted.</translation>
    </message>
    <message>
        <source>Slet</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>ItemPrintout</name>
    <message>
        <source>TotalPrice</source>
        <translation>Total price</translation>
    </message>
</context>
<context>
    <name>LabelPrinterDialog</name>
    <message>
        <source>Vareetiket</source>
        <translation>Stock item label</translation>
    </message>
    <message>
        <source>Lokationsetiket</source>
        <translation>Location label</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 kunne ikke læses:
%2</source>
        <translation>The label template %1 could not be read:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 er tom.</source>
        <translation>The label template %1 is empty.</translation>
    </message>
    <message>
        <source>%1 × %2 punkter, %3 × %4 mm</source>
        <translation>%1 × %2 dots, %3 × %4 mm</translation>
    </message>
    <message>
        <source>Skabelonen har ingen ^XA, så printeren læser den ikke som en etiket.</source>
        <translation>The template has no ^XA, so the printer does not read it as a label.</translation>
    </message>
    <message>
        <source>Etiketten slutter ikke med ^XZ: printeren venter på resten og udskriver intet.</source>
        <translation>The label does not end with ^XZ: the printer waits for the rest and prints nothing.</translation>
    </message>
    <message>
        <source>Ikke vist: %1</source>
        <translation>Not shown: %1</translation>
    </message>
    <message>
        <source>Etiketprinter</source>
        <translation>Label printer</translation>
    </message>
    <message>
        <source>Skriv først printerkøen eller enheden.</source>
        <translation>Enter the printer queue or device first.</translation>
    </message>
    <message>
        <source>Prøveetiketten er sendt til %1.</source>
        <translation>The test label was sent to %1.</translation>
    </message>
    <message>
        <source>Etiketprinteren kunne ikke gemmes i %1:
%2</source>
        <translation>The label printer could not be saved in %1:
%2</translation>
    </message>
</context>
<context>
    <name>LabelPrinterDialogBase</name>
    <message>
        <source>Etiketprinter</source>
        <translation>Label printer</translation>
    </message>
    <message>
        <source>Den næste etiket</source>
        <translation>The next label</translation>
    </message>
    <message>
        <source>&amp;Etiket:</source>
        <translation>&amp;Label:</translation>
    </message>
    <message>
        <source>&amp;Printerkø eller enhed:</source>
        <translation>&amp;Printer queue or device:</translation>
    </message>
    <message>
        <source>fx zebra eller /dev/usb/lp0</source>
        <translation>e.g. zebra or /dev/usb/lp0</translation>
    </message>
    <message>
        <source>Navne på etiketterne</source>
        <translation>Names on the labels</translation>
    </message>
    <message>
        <source>Varens &amp;navn på vareetiketter</source>
        <translation>The stock item&apos;s &amp;name on its labels</translation>
    </message>
    <message>
        <source>&amp;Tegn:</source>
        <translation>&amp;Characters:</translation>
    </message>
    <message>
        <source>Lokationens n&amp;avn på lokationsetiketter</source>
        <translation>The location&apos;s n&amp;ame on its labels</translation>
    </message>
    <message>
        <source>T&amp;egn:</source>
        <translation>C&amp;haracters:</translation>
    </message>
    <message>
        <source>Udskriv &amp;prøveetiket</source>
        <translation>&amp;Print test label</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>%1: %2 Etiketten får en Code 128-stregkode i stedet.</source>
        <translation>%1: %2 The label gets a Code 128 barcode instead.</translation>
    </message>
    <message>
        <source>%1: %2 Etiketten får ingen stregkode.</source>
        <translation>%1: %2 The label gets no barcode.</translation>
    </message>
    <message>
        <source>%1: Uden nummer får etiketten ingen stregkode.</source>
        <translation>%1: Without a number the label gets no barcode.</translation>
    </message>
    <message>
        <source>…og %1 mere</source>
        <translation>…and %1 more</translation>
    </message>
    <message>
        <source>Indhold: %1</source>
        <translation>Contents: %1</translation>
    </message>
</context>
<context>
    <name>LabelSheetDialog</name>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>The selected &amp;rows (%1)</translation>
    </message>
    <message>
        <source>&amp;Gem PDF...</source>
        <translation>&amp;Save PDF...</translation>
    </message>
    <message>
        <source>&amp;Udskriv...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Etiketter uden den valgte stregkode</source>
        <translation>Labels without the chosen barcode</translation>
    </message>
    <message>
        <source>Nogle etiketter kan ikke få den valgte stregkode:

%1

Udskriv etiketterne alligevel?</source>
        <translation>Some labels cannot get the chosen barcode:

%1

Print the labels anyway?</translation>
    </message>
    <message>
        <source>Skriver etiketterne...</source>
        <translation>Writing the labels...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>%1 - etiketter.pdf</source>
        <translation>%1 - labels.pdf</translation>
    </message>
    <message>
        <source>Gem etiketterne</source>
        <translation>Save the labels</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Etiketterne blev ikke gemt</source>
        <translation>The labels were not saved</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 was not saved:
%2</translation>
    </message>
    <message>
        <source>Udskriv etiketter</source>
        <translation>Print labels</translation>
    </message>
    <message>
        <source>Etiketterne blev ikke udskrevet</source>
        <translation>The labels were not printed</translation>
    </message>
    <message>
        <source>De &amp;viste rækker (%1)</source>
        <translation>The rows sho&amp;wn (%1)</translation>
    </message>
</context>
<context>
    <name>LabelSheetDialogBase</name>
    <message>
        <source>Udskriv etiketter</source>
        <translation>Print labels</translation>
    </message>
    <message>
        <source>Hvilke</source>
        <translation>Which</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;All</translation>
    </message>
    <message>
        <source>&amp;Gruppen:</source>
        <translation>&amp;Group:</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker</source>
        <translation>The selected &amp;rows</translation>
    </message>
    <message>
        <source>Etiketter</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>En etiket for hver &amp;ting</source>
        <translation>One label for each &amp;item</translation>
    </message>
    <message>
        <source>En etiket for hvert &amp;sted (QR-kode med indholdet)</source>
        <translation>One label for each &amp;place (QR code of its contents)</translation>
    </message>
    <message>
        <source>En etiket for hvert &amp;stk. (antallet)</source>
        <translation>One label for each &amp;piece (the count)</translation>
    </message>
    <message>
        <source>Ark</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>&amp;Ark:</source>
        <translation>S&amp;heet:</translation>
    </message>
    <message>
        <source>Begynd ved &amp;etiket nr.:</source>
        <translation>Start at &amp;label no.:</translation>
    </message>
    <message>
        <source>Egen opstilling</source>
        <translation>Custom layout</translation>
    </message>
    <message>
        <source>Sidens bredde:</source>
        <translation>Page width:</translation>
    </message>
    <message>
        <source>Sidens højde:</source>
        <translation>Page height:</translation>
    </message>
    <message>
        <source>Kolonner:</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>Rækker:</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>Etikettens bredde:</source>
        <translation>Label width:</translation>
    </message>
    <message>
        <source>Etikettens højde:</source>
        <translation>Label height:</translation>
    </message>
    <message>
        <source>Venstre margen:</source>
        <translation>Left margin:</translation>
    </message>
    <message>
        <source>Øverste margen:</source>
        <translation>Top margin:</translation>
    </message>
    <message>
        <source>Mellem kolonner:</source>
        <translation>Column gap:</translation>
    </message>
    <message>
        <source>Mellem rækker:</source>
        <translation>Row gap:</translation>
    </message>
    <message>
        <source>Indhold</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>S&amp;tregkode:</source>
        <translation>&amp;Barcode:</translation>
    </message>
    <message>
        <source>&amp;Navn</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Fabrikat og model</source>
        <translation>&amp;Make and model</translation>
    </message>
    <message>
        <source>&amp;Placering</source>
        <translation>Pla&amp;ce</translation>
    </message>
    <message>
        <source>&amp;Pris</source>
        <translation>P&amp;rice</translation>
    </message>
    <message>
        <source>Til</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>P&amp;rinter</source>
        <translation>P&amp;rinter</translation>
    </message>
    <message>
        <source>P&amp;DF-fil</source>
        <translation>P&amp;DF file</translation>
    </message>
    <message>
        <source>Første ark:</source>
        <translation>First sheet:</translation>
    </message>
</context>
<context>
    <name>LabelSheetLayout</name>
    <message>
        <source>%1 × %2 mm</source>
        <translation>%1 × %2 mm</translation>
    </message>
    <message>
        <source>A4 %1 × %2, Avery L7163 (%3)</source>
        <translation>A4 %1 × %2, Avery L7163 (%3)</translation>
    </message>
    <message>
        <source>US Letter %1 × %2, Avery 5160 (%3)</source>
        <translation>US Letter %1 × %2, Avery 5160 (%3)</translation>
    </message>
    <message>
        <source>Egen opstilling</source>
        <translation>Custom layout</translation>
    </message>
    <message>
        <source>A4 %1 × %2 (%3)</source>
        <translation>A4 %1 × %2 (%3)</translation>
    </message>
    <message>
        <source>Siden skal have en bredde og en højde.</source>
        <translation>The page needs a width and a height.</translation>
    </message>
    <message>
        <source>Arket skal have mindst én række og én kolonne.</source>
        <translation>The sheet needs at least one row and one column.</translation>
    </message>
    <message>
        <source>Etiketterne skal have en bredde og en højde.</source>
        <translation>The labels need a width and a height.</translation>
    </message>
    <message>
        <source>Margener og mellemrum kan ikke være negative.</source>
        <translation>Margins and gaps cannot be negative.</translation>
    </message>
    <message>
        <source>%1 kolonner med margen og mellemrum er %2 mm brede, men siden er kun %3 mm bred.</source>
        <translation>%1 columns with margin and gaps are %2 mm wide, but the page is only %3 mm wide.</translation>
    </message>
    <message>
        <source>%1 rækker med margen og mellemrum er %2 mm høje, men siden er kun %3 mm høj.</source>
        <translation>%1 rows with margin and gaps are %2 mm high, but the page is only %3 mm high.</translation>
    </message>
</context>
<context>
    <name>LabelSheetWriter</name>
    <message>
        <source>Etiketterne kunne ikke skrives.</source>
        <translation>The labels could not be written.</translation>
    </message>
    <message>
        <source>Etiketter</source>
        <translation>Labels</translation>
    </message>
</context>
<context>
    <name>ListPrinter</name>
    <message>
        <source>Print afbrudt</source>
        <translation>Printing cancelled</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>Printing (page %1)...</source>
        <translation>Printing (page %1)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Printing done</translation>
    </message>
    <message>
        <source>Print mislykkedes</source>
        <translation>Printing failed</translation>
    </message>
    <message>
        <source>De valgte kolonner er bredere end papiret, også på tværs af siden og med den mindste skrift (%1 punkter).</source>
        <translation>The chosen columns are wider than the paper, even in landscape and with the smallest font (%1 points).</translation>
    </message>
    <message>
        <source>Teksten i disse kolonner fortsætter derfor på flere linjer: %1.</source>
        <translation>The text in these columns therefore continues on several lines: %1.</translation>
    </message>
    <message>
        <source>Der er ikke plads til disse kolonner, så de udelades: %1.</source>
        <translation>There is no room for these columns, so they are left out: %1.</translation>
    </message>
    <message>
        <source>Vælg færre felter eller kortere feltlængder under Opsætning, Udskrivning for at få hver post på én linje.</source>
        <translation>Choose fewer fields or shorter field widths under Settings, Printing to get each record on one line.</translation>
    </message>
    <message>
        <source>Listen er for bred til papiret</source>
        <translation>The list is too wide for the paper</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Annuller</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>LocationUpdate</name>
    <message>
        <source>Move failed, location2: %1 not found, max groups: %2</source>
        <translation>Move failed, location 2: %1 not found, number of groups: %2</translation>
    </message>
    <message>
        <source>Move failed, location1: %1 not found, max groups: %2</source>
        <translation>Move failed, location 1: %1 not found, number of groups: %2</translation>
    </message>
    <message>
        <source>Update failed for location: %1, inventory_id: %2, items: %3</source>
        <translation>Update failed for location: %1, inventory ID: %2, items: %3</translation>
    </message>
    <message>
        <source>Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Update (I) failed, too few items: %1 in record: %2 - cannot subtract (%3)</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - not found at location: %2</source>
        <translation>Move failed, item ID: %1 - not found at location: %2</translation>
    </message>
    <message>
        <source>Move failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Move failed, too few items: %1 in record: %2 - cannot subtract (%3)</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - the number of items to move must be at least 1: %2</source>
        <translation>Move failed, item ID: %1 - the number of items to move must be at least 1: %2</translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke slettes, og dens flytninger vil blive udført igen ved næste indlæsning:
%2</source>
        <translation>The file %1 could not be deleted, and its movements would be applied again by the next import:
%2</translation>
    </message>
    <message>
        <source>Post %1 for vare %2 mislykkedes: antallet %3 ligger uden for det, en vare kan have (%4 til %5)</source>
        <translation>Record %1 for item %2 failed: the count %3 is outside what an item can hold (%4 to %5)</translation>
    </message>
    <message>
        <source>Optælling (I) mislykkedes for vare %1: %2 + %3 stykker er flere, end en vare kan have (%4)</source>
        <translation>Update (I) failed for item %1: %2 + %3 pieces are more than an item can hold (%4)</translation>
    </message>
    <message>
        <source>Flytning mislykkedes for vare %1: %2 + %3 stykker på lokation %4 er flere, end en vare kan have (%5)</source>
        <translation>Move failed for item %1: %2 + %3 pieces at location %4 are more than an item can hold (%5)</translation>
    </message>
    <message>
        <source>Placering (S) mislykkedes for vare %1: der er intet varenummer efter %2 til den nye vare</source>
        <translation>Placement (S) failed for item %1: there is no inventory number after %2 for the new item</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Vælg eget billedvisnings program</source>
        <translation>Choose a picture viewer</translation>
    </message>
    <message>
        <source>Billede visnings program (*.exe)</source>
        <translation>Picture viewer (*.exe)</translation>
    </message>
    <message>
        <source>Vælg internet (www) program</source>
        <translation>Choose a web browser</translation>
    </message>
    <message>
        <source>Internet (www) program (*.exe)</source>
        <translation>Web browser (*.exe)</translation>
    </message>
    <message>
        <source>FileError</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
        <translation>The database file cannot be opened or read.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
        <translation>%1 loaded, %2 entries, time: %3 s</translation>
    </message>
    <message>
        <source>SAVE_CURRENT_DB_QUESTION</source>
        <translation>The database has been changed. Do you want to save the changes?</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Gem &amp;ikke</source>
        <translation>Do&amp;n&apos;t Save</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Åben ostrana register fil</source>
        <translation>Choose database file</translation>
    </message>
    <message>
        <source>ITEMS_SAVED_DB_MESSAGE </source>
        <translation>%1 saved, %2 entries, time: %3 s </translation>
    </message>
    <message>
        <source>BackupCurrentDB</source>
        <translation>Back up the database</translation>
    </message>
    <message>
        <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
        <translation>No file was chosen, so no backup was made.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
        <translation>The new language takes effect when the program is restarted. The next start opens the demo database in the new language.</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>About Quorvel</translation>
    </message>
    <message>
        <source>AboutQuorvelDetails</source>
        <translation>Quorvel - stock register

Keep track of the stock of a small shop or store room: items, quantities, prices, suppliers and locations. Print barcode labels, and move stock between locations by reading the files of a barcode scanner.

Several people may open the same database; the first to open it can save.</translation>
    </message>
    <message>
        <source>About Vistrel</source>
        <translation>About Vistrel</translation>
    </message>
    <message>
        <source>AboutVistrelDetails</source>
        <translation>Vistrel - picture database

Record your collection of pictures and works of art: title, artist, technique, valuation, sale price and location, with a photo of every work.

Print lists and reports, or view the collection as HTML.</translation>
    </message>
    <message>
        <source>About Numivax</source>
        <translation>About Numivax</translation>
    </message>
    <message>
        <source>AboutNumivaxDetails</source>
        <translation>Numivax - coin database

Record your coin collection: denomination, year, metal, grade, catalogue number and value, with pictures of the obverse and the reverse.

Print lists and reports, or view the collection and the coins you are missing as HTML.</translation>
    </message>
    <message>
        <source>About Ostrana</source>
        <translation>About Ostrana</translation>
    </message>
    <message>
        <source>AboutOstranaDetails</source>
        <translation>Ostrana - home contents register

Record your belongings: furniture, tools, clothes and everything else you own, with price, purchase date, supplier, serial number, pictures and receipts. The register is a great help with insurance, when moving house and after a theft or a fire.

Print lists and reports by group, or save the register as HTML or XML.</translation>
    </message>
    <message>
        <source>CommonSetupDialogTitle</source>
        <translation>Default folders</translation>
    </message>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 saved, items: %3, time: %4 s </translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 saved, items: %3, time: %4 s </translation>
    </message>
    <message>
        <source>%1 blev ikke gemt: %2</source>
        <translation>%1 was not saved: %2</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>The export failed</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 was not saved:
%2</translation>
    </message>
    <message>
        <source>Demodatabasen %1 kan ikke åbnes eller læses, og programmet afsluttes.</source>
        <translation>The demo database %1 cannot be opened or read, and the program ends.</translation>
    </message>
    <message>
        <source>Databasefilen %1 kan ikke åbnes eller læses, og programmet afsluttes. Filen er ikke ændret. Næste gang programmet startes, åbner det demodatabasen %2.</source>
        <translation>The database file %1 cannot be opened or read, and the program ends. The file has not been changed. The next time the program starts, it opens the demo database %2.</translation>
    </message>
    <message>
        <source>Versionen %1 findes ikke længere.</source>
        <translation>The version %1 no longer exists.</translation>
    </message>
    <message>
        <source>Versionen fra %1 er gendannet, men endnu ikke gemt i %2.</source>
        <translation>The version of %1 was restored, but is not yet saved in %2.</translation>
    </message>
    <message>
        <source>Importen er ikke mulig</source>
        <translation>The import is not possible</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.</source>
        <translation>The database is read-only (another program has locked it), so nothing can be imported into it.</translation>
    </message>
    <message>
        <source>%1 poster er importeret fra %2. Rediger &gt; Fortryd import tager dem ud igen.</source>
        <translation>%1 entries were imported from %2. Edit &gt; Undo import takes them out again.</translation>
    </message>
    <message>
        <source>Vælg først de rækker, der skal rettes.</source>
        <translation>First select the rows to change.</translation>
    </message>
    <message>
        <source>%1 rækker er rettet.</source>
        <translation>%1 rows were changed.</translation>
    </message>
    <message>
        <source>%1 af %2 billede</source>
        <translation>%1 of %2 picture</translation>
    </message>
    <message>
        <source>%1 af %2 billeder</source>
        <translation>%1 of %2 pictures</translation>
    </message>
    <message>
        <source>%1 af %2 mønt</source>
        <translation>%1 of %2 coin</translation>
    </message>
    <message>
        <source>%1 af %2 mønter</source>
        <translation>%1 of %2 coins</translation>
    </message>
    <message>
        <source>%1 af %2 vare</source>
        <translation>%1 of %2 stock item</translation>
    </message>
    <message>
        <source>%1 af %2 varer</source>
        <translation>%1 of %2 stock items</translation>
    </message>
    <message>
        <source>%1 af %2 genstand</source>
        <translation>%1 of %2 item</translation>
    </message>
    <message>
        <source>%1 af %2 genstande</source>
        <translation>%1 of %2 items</translation>
    </message>
    <message>
        <source>Databasefilen %1 findes ikke eller kan ikke læses. Programmet åbner i stedet den database, det plejer at starte med.</source>
        <translation>The database file %1 does not exist or cannot be read. The program opens the database it usually starts with instead.</translation>
    </message>
    <message>
        <source>Filen %1 kan ikke åbnes som en %2-database. Filen er ikke ændret. Programmet åbner i stedet den database, det plejer at starte med.</source>
        <translation>The file %1 cannot be opened as a %2 database. The file has not been changed. The program opens the database it usually starts with instead.</translation>
    </message>
    <message>
        <source>Eksempel</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Supplier</translation>
    </message>
</context>
<context>
    <name>MainWindowMenus</name>
    <message>
        <source>QuorvelHelpAbout</source>
        <translation>&amp;About Quorvel...</translation>
    </message>
    <message>
        <source>VistrelHelpAbout</source>
        <translation>&amp;About Vistrel...</translation>
    </message>
    <message>
        <source>NumivaxHelpAbout</source>
        <translation>&amp;About Numivax...</translation>
    </message>
    <message>
        <source>&amp;Fil</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>FILE_NEW</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_NEW</source>
        <translation>Creates a new, empty database. If the open database has been changed, you are asked whether to save it first.</translation>
    </message>
    <message>
        <source>FILE_OPEN</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_OPEN</source>
        <translation>Opens a database file (*.inb, *.txt, *.db) with its lists of groups, locations and suppliers.</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>Update &amp;Locations...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Reads the files of the barcode scanner and moves the stock items to the scanned locations. The database is saved afterwards.</translation>
    </message>
    <message>
        <source>FILE_SAVE</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE</source>
        <translation>Saves the database in the open file. A new database without a name is saved under a name you choose.</translation>
    </message>
    <message>
        <source>FILE_SAVE_AS</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE_AS</source>
        <translation>Saves the database under a new name together with its lists.</translation>
    </message>
    <message>
        <source>BACKUP...</source>
        <translation>&amp;Backup...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_BACKUP</source>
        <translation>Saves a copy of the database in a file you choose (*.bak). The open file and its name stay as they are.</translation>
    </message>
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Save as &amp;HTML</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Save as &amp;XML</translation>
    </message>
    <message>
        <source>SAVE_SETTINGS</source>
        <translation>Save Se&amp;ttings</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVESETTINGS</source>
        <translation>Saves the window&apos;s size and position, the column widths, the list of recent files and &quot;Show All&quot;.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Print Bar&amp;codes...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Prints barcode labels for the selected stock item or group on the label printer.</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Prints a list of the register. What is printed is chosen under Settings, Printing.</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Rediger</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>Edit Item</translation>
    </message>
    <message>
        <source>VistrelEdit</source>
        <translation>Edit Picture</translation>
    </message>
    <message>
        <source>NumivaxEdit</source>
        <translation>Edit Coin</translation>
    </message>
    <message>
        <source>QuorvelEdit</source>
        <translation>&amp;Edit Stock Item</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Opens the selected entry in the edit window. With a group or nothing selected, a new one is created.</translation>
    </message>
    <message>
        <source>&amp;Slet Ostrana</source>
        <translation>&amp;Delete Item</translation>
    </message>
    <message>
        <source>VistrelEditDelete</source>
        <translation>&amp;Delete Picture</translation>
    </message>
    <message>
        <source>NumivaxEditDelete</source>
        <translation>&amp;Delete Coin</translation>
    </message>
    <message>
        <source>QuorvelEditDelete</source>
        <translation>&amp;Delete Stock Item</translation>
    </message>
    <message>
        <source>Sø&amp;g Ostrana...</source>
        <translation>&amp;Search Items...</translation>
    </message>
    <message>
        <source>VistrelEditSearc</source>
        <translation>&amp;Search Pictures...</translation>
    </message>
    <message>
        <source>NumivaxEditSearc</source>
        <translation>&amp;Search Coins...</translation>
    </message>
    <message>
        <source>QuorvelEditSearch</source>
        <translation>&amp;Search Stock...</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Search the database</translation>
    </message>
    <message>
        <source>Precreate items in Quorvel</source>
        <translation>&amp;Pre-create Stock Items...</translation>
    </message>
    <message>
        <source>&amp;Vis</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Vis &amp;alle</source>
        <translation>Show &amp;All</translation>
    </message>
    <message>
        <source>VIEW_ALL_HTML_TABLE</source>
        <translation>View All as HTML &amp;Table</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>View All as &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML</source>
        <translation>View Missing &amp;Coins as HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML</source>
        <translation>Makes an HTML page of the coins whose value is 0 (such as those missing from your collection) and opens it.</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_XML</source>
        <translation>View All as &amp;XML</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>View Selected as HT&amp;ML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_CURRENT_AS_HTML</source>
        <translation>Makes an HTML page of the entry selected in the list and opens it in the web browser.</translation>
    </message>
    <message>
        <source>VISTREL_SHOW_PICTURE</source>
        <translation>View &amp;Picture</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_FRONTSIDE_PICTURE_NUMIVAX</source>
        <translation>View Obverse</translation>
    </message>
    <message>
        <source>VIS_BILLEDE</source>
        <translation>View &amp;Picture</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Shows the picture of the selected entry.</translation>
    </message>
    <message>
        <source>VISTREL_SHOW_PICTURE2</source>
        <translation>View Picture &amp;2</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>View Reverse</translation>
    </message>
    <message>
        <source>VIS_KVITTERING</source>
        <translation>View &amp;Receipt</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Shows the picture of the reverse of the selected coin.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_RECEIPT</source>
        <translation>Opens the receipt (or the second picture) of the selected entry.</translation>
    </message>
    <message>
        <source>VIS_WWW</source>
        <translation>Open &amp;Web Link</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_URL</source>
        <translation>Opens the web address of the selected entry in the web browser.</translation>
    </message>
    <message>
        <source>VIS_DOCUMENT</source>
        <translation>View &amp;Document</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
        <translation>Opens the document linked to the selected entry.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Report...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Shows a report of the count and value of each group.</translation>
    </message>
    <message>
        <source>&amp;Opsætning</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Printing...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Rooms/Locations...</translation>
    </message>
    <message>
        <source>&amp;Inventar typer (grupper)...</source>
        <translation>Item &amp;Types (Groups)...</translation>
    </message>
    <message>
        <source>LEVERANDØRER</source>
        <translation>Su&amp;ppliers...</translation>
    </message>
    <message>
        <source>&amp;Billedvisnings program...</source>
        <translation>Picture &amp;Viewer...</translation>
    </message>
    <message>
        <source>Internet program (&amp;www)...</source>
        <translation>&amp;Web Browser...</translation>
    </message>
    <message>
        <source>SetupDefaultDirectories</source>
        <translation>Default &amp;Folders...</translation>
    </message>
    <message>
        <source>LANGUAGE_MENU</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>DANISH_LANG...</source>
        <translation>&amp;Danish...</translation>
    </message>
    <message>
        <source>NORWAY_LANG...</source>
        <translation>&amp;Norwegian...</translation>
    </message>
    <message>
        <source>ENGLISH_LANG...</source>
        <translation>&amp;English...</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Hjælp...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>&amp;Tutorial...</source>
        <translation>&amp;Getting Started...</translation>
    </message>
    <message>
        <source>&amp;Links...</source>
        <translation>&amp;Links...</translation>
    </message>
    <message>
        <source>&amp;ErrorHandling...</source>
        <translation>&amp;Troubleshooting...</translation>
    </message>
    <message>
        <source>&amp;Release noter...</source>
        <translation>&amp;Release Notes...</translation>
    </message>
    <message>
        <source>&amp;Hvad er det ?</source>
        <translation>What&apos;s T&amp;his?</translation>
    </message>
    <message>
        <source>&amp;Om ostrana register...</source>
        <translation>&amp;About Ostrana...</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Gendan en tidligere version...</source>
        <translation>Restore an earlier version...</translation>
    </message>
    <message>
        <source>Åbner en af de versioner af databasefilen, som de seneste gemninger har erstattet.</source>
        <translation>Opens one of the versions of the database file that the latest saves replaced.</translation>
    </message>
    <message>
        <source>&amp;Nyt inventar...</source>
        <translation>&amp;New Item...</translation>
    </message>
    <message>
        <source>&amp;Nyt billede...</source>
        <translation>&amp;New Picture...</translation>
    </message>
    <message>
        <source>&amp;Ny mønt...</source>
        <translation>&amp;New Coin...</translation>
    </message>
    <message>
        <source>&amp;Ny vare...</source>
        <translation>&amp;New Stock Item...</translation>
    </message>
    <message>
        <source>Åbner redigeringsvinduet på en ny post i gruppen for den valgte række (den første gruppe, når ingen række er valgt).</source>
        <translation>Opens the edit window on a new entry in the group of the selected row (the first group when no row is selected).</translation>
    </message>
    <message>
        <source>Importér</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Regneark (CSV)...</source>
        <translation>Spreadsheet (CSV)...</translation>
    </message>
    <message>
        <source>Læser poster fra et regneark (en CSV-fil) ind i databasen.</source>
        <translation>Reads entries from a spreadsheet (a CSV file) into the database.</translation>
    </message>
    <message>
        <source>Eksportér</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Gemmer registret, en gruppe eller de valgte rækker som en fil, et regneark kan åbne.</source>
        <translation>Saves the register, a group or the selected rows as a file a spreadsheet can open.</translation>
    </message>
    <message>
        <source>&amp;Værdiopgørelse (PDF)...</source>
        <translation>&amp;Value report (PDF)...</translation>
    </message>
    <message>
        <source>Skriver en opgørelse med billeder, kvitteringer og summer til forsikringen eller en vurdering.</source>
        <translation>Writes a report with pictures, receipts and totals for the insurer or an appraisal.</translation>
    </message>
    <message>
        <source>&amp;Ret valgte...</source>
        <translation>&amp;Change Selected...</translation>
    </message>
    <message>
        <source>Ændrer gruppe, sted, leverandør, dato eller vurderet pris for alle de valgte rækker på én gang.</source>
        <translation>Changes the group, location, supplier, date or value of all the selected rows at once.</translation>
    </message>
    <message>
        <source>&amp;Vælg alle</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>Vælger alle rækker i listen, i alle grupper.</source>
        <translation>Selects every row of the list, in every group.</translation>
    </message>
    <message>
        <source>Vælg &amp;gruppens rækker</source>
        <translation>Select the &amp;Group&apos;s Rows</translation>
    </message>
    <message>
        <source>Føjer alle rækker i den valgte rækkes gruppe til de valgte.</source>
        <translation>Adds every row of the selected row&apos;s group to the selection.</translation>
    </message>
    <message>
        <source>&amp;Etiketprinter...</source>
        <translation>&amp;Label printer...</translation>
    </message>
    <message>
        <source>&amp;Statistik...</source>
        <translation>&amp;Statistics...</translation>
    </message>
    <message>
        <source>Viser summerne fordelt på gruppe, sted, leverandør og købsår, med diagrammer.</source>
        <translation>Shows the totals by group, location, supplier and year of purchase, with charts.</translation>
    </message>
    <message>
        <source>Udskriv &amp;etiketter...</source>
        <translation>Print &amp;labels...</translation>
    </message>
    <message>
        <source>Udskriver etiketter med stregkode eller QR-kode på etiketark, på en printer eller i en PDF-fil.</source>
        <translation>Prints labels with a barcode or QR code on label sheets, on a printer or into a PDF file.</translation>
    </message>
</context>
<context>
    <name>PageHeading</name>
    <message>
        <source>Ny database (ikke gemt)</source>
        <translation>New database (not saved)</translation>
    </message>
    <message>
        <source>%1 eller %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>Alle poster</source>
        <translation>All records</translation>
    </message>
    <message>
        <source>%1, sorteret efter %2</source>
        <translation>%1, sorted by %2</translation>
    </message>
    <message>
        <source>side %1 af %2</source>
        <translation>page %1 of %2</translation>
    </message>
</context>
<context>
    <name>PrintFieldTitles</name>
    <message>
        <source>ITEM_COUNT</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Kun %1</source>
        <translation>Only %1</translation>
    </message>
    <message>
        <source>%1 (i alt)</source>
        <translation>%1 (total)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Filen kunne ikke skrives helt</source>
        <translation>The file could not be written completely</translation>
    </message>
    <message>
        <source>Udskriften mislykkedes</source>
        <translation>The printout failed</translation>
    </message>
    <message>
        <source>Udskriften kunne ikke gemmes i %1:
%2

En tidligere fil af det navn er uændret.</source>
        <translation>The printout could not be saved in %1:
%2

An earlier file of that name is unchanged.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>All Files (*)</source>
        <translation>All Files (*)</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>Filen kunne ikke skrives.</source>
        <translation>The file could not be written.</translation>
    </message>
    <message>
        <source>den kan ikke læses (%1)</source>
        <translation>it cannot be read (%1)</translation>
    </message>
    <message>
        <source>den er beskadiget</source>
        <translation>it is damaged</translation>
    </message>
    <message>
        <source>den er beskadiget (kontrolsummen passer ikke)</source>
        <translation>it is damaged (the checksum does not match)</translation>
    </message>
    <message>
        <source>den hører til programmet %1</source>
        <translation>it belongs to the program %1</translation>
    </message>
    <message>
        <source>den hører til en ny database</source>
        <translation>it belongs to a new database</translation>
    </message>
    <message>
        <source>den hører til en anden database (%1)</source>
        <translation>it belongs to another database (%1)</translation>
    </message>
    <message>
        <source>databasefilen er ændret, siden ændringerne blev gjort</source>
        <translation>the database file has changed since the changes were made</translation>
    </message>
</context>
<context>
    <name>RecoveryReplay</name>
    <message>
        <source>ændring nr. %1 kan ikke læses</source>
        <translation>change no. %1 cannot be read</translation>
    </message>
    <message>
        <source>en vare kan ikke læses</source>
        <translation>an item cannot be read</translation>
    </message>
    <message>
        <source>ændring nr. %1 passer ikke til databasen</source>
        <translation>change no. %1 does not fit the database</translation>
    </message>
</context>
<context>
    <name>ReplacedVersion</name>
    <message>
        <source>Filen kunne ikke få et navn i mappen med versioner.</source>
        <translation>The file could not be given a name in the versions folder.</translation>
    </message>
    <message>
        <source>Mappen kunne ikke oprettes.</source>
        <translation>The folder could not be created.</translation>
    </message>
    <message>
        <source>Databasefilen er flyttet</source>
        <translation>The database file was moved</translation>
    </message>
    <message>
        <source>Den hidtidige databasefil kunne ikke flyttes tilbage til %1:
%2

Den ligger nu i %3.</source>
        <translation>The previous database file could not be moved back to %1:
%2

It is now in %3.</translation>
    </message>
    <message>
        <source>Ingen tidligere version gemt</source>
        <translation>No earlier version kept</translation>
    </message>
    <message>
        <source>Databasen er gemt, men den fil, den erstattede, kunne ikke gemmes som tidligere version i %1:
%2

Databasen gemmes fortsat som hidtil, men uden tidligere versioner. Det nævnes kun denne ene gang, til programmet startes igen.</source>
        <translation>The database was saved, but the file it replaced could not be kept as an earlier version in %1:
%2

The database is still saved as before, but without earlier versions. This is said only this once, until the program is started again.</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>VISTREL_GROUP_LINE_TEXT</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>FUNI_GROUP_LINE_TEXT</source>
        <translation>%1 %2  %3  %4</translation>
    </message>
    <message>
        <source>VISTREL_REPORT_HEADER_TEXT</source>
        <translation>Pictures: summary by group</translation>
    </message>
    <message>
        <source>OSTRANA_REPORT_HEADER_TEXT</source>
        <translation>Summary by group</translation>
    </message>
    <message>
        <source>FUNI_TOTAL_TEXT</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>FUNI_COUNT_TEXT</source>
        <translation>Number of records: %1</translation>
    </message>
</context>
<context>
    <name>ReportDialogBase</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Report (summary)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Sum of all items by group</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Udskriv rapport over ostrana grupper</source>
        <translation>Print the report of the groups</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>RestoreVersionDialog</name>
    <message>
        <source>Gendan en tidligere version</source>
        <translation>Restore an earlier version</translation>
    </message>
    <message>
        <source>Gemt</source>
        <translation>Saved</translation>
    </message>
    <message>
        <source>Poster</source>
        <translation>Entries</translation>
    </message>
    <message>
        <source>Størrelse</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>&amp;Gendan</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <source>&amp;Luk</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Der er ingen tidligere versioner af %1.</source>
        <translation>There are no earlier versions of %1.</translation>
    </message>
    <message>
        <source>Tidligere versioner af %1, den nyeste først. En gendannet version åbnes i stedet for databasen, og den gemmes først, når du gemmer.</source>
        <translation>Earlier versions of %1, the newest first. A restored version opens in place of the database, and is saved only when you save.</translation>
    </message>
    <message>
        <source>ukendt</source>
        <translation>unknown</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Alle poster (%1)</source>
        <translation>All items (%1)</translation>
    </message>
    <message>
        <source>De valgte rækker (%1)</source>
        <translation>The selected rows (%1)</translation>
    </message>
    <message>
        <source>Købsår</source>
        <translation>Year of purchase</translation>
    </message>
    <message>
        <source>Værdi i dag fordelt på %1</source>
        <translation>Value today by %1</translation>
    </message>
    <message>
        <source>Købspris i alt fordelt på købsår</source>
        <translation>Purchase total by year of purchase</translation>
    </message>
    <message>
        <source>Antal poster</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Købspris i alt</source>
        <translation>Purchase total</translation>
    </message>
    <message>
        <source>Værdi i dag i alt</source>
        <translation>Value today, total</translation>
    </message>
    <message>
        <source>&amp;Kopiér diagrammet</source>
        <translation>&amp;Copy the chart</translation>
    </message>
    <message>
        <source>&amp;Gem som PNG...</source>
        <translation>&amp;Save as PNG...</translation>
    </message>
    <message>
        <source>Poster: %1, købspris i alt %2, værdi i dag i alt %3</source>
        <translation>Items: %1, purchase total %2, value today in all %3</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>(ingen)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>(uden dato)</source>
        <translation>(no date)</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>De viste rækker (%1)</source>
        <translation>The rows shown (%1)</translation>
    </message>
</context>
<context>
    <name>StatisticsDialogBase</name>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>&amp;Poster:</source>
        <translation>&amp;Items:</translation>
    </message>
</context>
<context>
    <name>StorageCheck</name>
    <message>
        <source>Teksten indeholder et nul-tegn.</source>
        <translation>The text contains a zero character.</translation>
    </message>
    <message>
        <source>Tallet %1 kan ikke gemmes; kun endelige tal kan.</source>
        <translation>The number %1 cannot be stored; only finite numbers can.</translation>
    </message>
    <message>
        <source>Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.</source>
        <translation>This edition does not store the field in the database file, so it would be lost. Empty the field.</translation>
    </message>
    <message>
        <source>Navnet på linje %1 kan ikke gemmes: &quot;%2&quot;
%3</source>
        <translation>The name on line %1 cannot be stored: &quot;%2&quot;
%3</translation>
    </message>
    <message>
        <source>Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.</source>
        <translation>A semicolon (;) cannot be stored, as the database uses it between fields.</translation>
    </message>
    <message>
        <source>Linjeskift kan ikke gemmes i et felt.</source>
        <translation>Line breaks cannot be stored in a field.</translation>
    </message>
    <message>
        <source>Tegnene %1 kan ikke gemmes i databasen.</source>
        <translation>The characters %1 cannot be stored in the database.</translation>
    </message>
    <message>
        <source>Databasen kan højst gemme %1 tegn i et felt.</source>
        <translation>The database can store at most %1 characters in a field.</translation>
    </message>
    <message>
        <source>Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), som et felt ikke kan have.</source>
        <translation>The text contains invisible control characters (such as ESC or vertical tab), which a field cannot hold.</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>ændring</source>
        <translation>change</translation>
    </message>
    <message>
        <source>Fortryd %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Gentag %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>Gentag</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>UpdateLocations</name>
    <message>
        <source>File: does not exist</source>
        <translation>File: does not exist</translation>
    </message>
    <message>
        <source>Open_Location_File</source>
        <translation>Open location file</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Location file (*.txt *.loc)</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/DeleteLocationFile</name>
    <message>
        <source>File: does not exist</source>
        <translation>File: does not exist</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/ParseLocationFile</name>
    <message>
        <source>Copy of file: %1 to %2 failed</source>
        <translation>Copy of file: %1 to %2 failed</translation>
    </message>
    <message>
        <source>Cannot open file %1 for reading</source>
        <translation>Cannot open file %1 for reading</translation>
    </message>
</context>
<context>
    <name>ValueReport</name>
    <message>
        <source>Fordelt på %1</source>
        <translation>By %1</translation>
    </message>
    <message>
        <source>Antal poster</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Købspris i alt</source>
        <translation>Purchase total</translation>
    </message>
    <message>
        <source>Værdi i dag i alt</source>
        <translation>Value today, total</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>(ingen)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Købsår</source>
        <translation>Year of purchase</translation>
    </message>
    <message>
        <source>(uden dato)</source>
        <translation>(no date)</translation>
    </message>
    <message>
        <source>Værdiopgørelse</source>
        <translation>Value report</translation>
    </message>
    <message>
        <source>PDF-filen kunne ikke skrives.</source>
        <translation>The PDF file could not be written.</translation>
    </message>
    <message>
        <source>side %1 af %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Ejer: %1</source>
        <translation>Owner: %1</translation>
    </message>
    <message>
        <source>Policenummer: %1</source>
        <translation>Policy number: %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Database: %1</translation>
    </message>
    <message>
        <source>Opgørelsens dato: %1</source>
        <translation>Date of the report: %1</translation>
    </message>
    <message>
        <source>Antal poster: %1</source>
        <translation>Number of items: %1</translation>
    </message>
    <message>
        <source>Købspris i alt: %1</source>
        <translation>Purchase total: %1</translation>
    </message>
    <message>
        <source>Værdi i dag i alt: %1</source>
        <translation>Value today, total: %1</translation>
    </message>
    <message>
        <source>Poster, hvis billede ikke blev fundet: %1</source>
        <translation>Items whose picture was not found: %1</translation>
    </message>
    <message>
        <source>billede ikke fundet: %1</source>
        <translation>picture not found: %1</translation>
    </message>
    <message>
        <source>%1 (ikke fundet)</source>
        <translation>%1 (not found)</translation>
    </message>
</context>
<context>
    <name>ValueReportDialog</name>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>The selected &amp;rows (%1)</translation>
    </message>
    <message>
        <source>Værdi i dag, højeste først</source>
        <translation>Value today, highest first</translation>
    </message>
    <message>
        <source>%1 - værdiopgørelse.pdf</source>
        <translation>%1 - value report.pdf</translation>
    </message>
    <message>
        <source>Gem værdiopgørelsen</source>
        <translation>Save the value report</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Skriver værdiopgørelsen...</source>
        <translation>Writing the value report...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Værdiopgørelsen blev ikke gemt</source>
        <translation>The value report was not saved</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 was not saved:
%2</translation>
    </message>
    <message>
        <source>De &amp;viste rækker (%1)</source>
        <translation>The rows sho&amp;wn (%1)</translation>
    </message>
</context>
<context>
    <name>ValueReportDialogBase</name>
    <message>
        <source>Værdiopgørelse (PDF)</source>
        <translation>Value report (PDF)</translation>
    </message>
    <message>
        <source>Medtag</source>
        <translation>Include</translation>
    </message>
    <message>
        <source>&amp;Alle poster</source>
        <translation>&amp;All items</translation>
    </message>
    <message>
        <source>&amp;Gruppen:</source>
        <translation>&amp;Group:</translation>
    </message>
    <message>
        <source>&amp;Stedet:</source>
        <translation>&amp;Place:</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker</source>
        <translation>The selected &amp;rows</translation>
    </message>
    <message>
        <source>&amp;Ejer:</source>
        <translation>&amp;Owner:</translation>
    </message>
    <message>
        <source>A&amp;dresse:</source>
        <translation>A&amp;ddress:</translation>
    </message>
    <message>
        <source>&amp;Policenummer:</source>
        <translation>&amp;Policy number:</translation>
    </message>
    <message>
        <source>S&amp;orteret efter:</source>
        <translation>S&amp;orted by:</translation>
    </message>
    <message>
        <source>Med &amp;billeder</source>
        <translation>With &amp;pictures</translation>
    </message>
    <message>
        <source>Med &amp;kvitteringer</source>
        <translation>With &amp;receipts</translation>
    </message>
</context>
<context>
    <name>captionstr</name>
    <message>
        <source>VISTREL_CAPTION_TEXT</source>
        <translation>Vistrel - picture database</translation>
    </message>
    <message>
        <source>NUMIVAX_CAPTION_TEXT</source>
        <translation>Numivax - coin database</translation>
    </message>
    <message>
        <source>QUORVEL_CAPTION_TEXT</source>
        <translation>Quorvel - stock register</translation>
    </message>
    <message>
        <source>OSTRANA_CAPTION_TEXT</source>
        <translation>Ostrana - home contents register</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialog</name>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>The address field&apos;s width must be between 1 and %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>The description field&apos;s width must be between 1 and %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Please correct the field.</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialogBase</name>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Choose what to print</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>These fields are printed (in a fixed order)</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Chosen fields</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Tilføj</source>
        <translation>&lt;&lt; &amp;Add</translation>
    </message>
    <message>
        <source>Flyt det markerede felt til de valgte felter</source>
        <translation>Move the marked field to the chosen fields</translation>
    </message>
    <message>
        <source>&amp;Fjern &gt;&gt;</source>
        <translation>&amp;Remove &gt;&gt;</translation>
    </message>
    <message>
        <source>Flyt det markerede felt til de mulige felter</source>
        <translation>Move the marked field to the available fields</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Available fields</translation>
    </message>
    <message>
        <source>Feltlængde (tegn)</source>
        <translation>Field width (characters)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_TEXTFIELD_LENGTH</source>
        <translation>Number of characters the field takes in print</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fabrikat</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>PRICE</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>ESTIMPRICE</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>PIC2</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Beskrivelse</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>SERIALNO</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>Www</source>
        <translation>Www</translation>
    </message>
    <message>
        <source>Kvitt.</source>
        <translation>Receipt</translation>
    </message>
    <message>
        <source>Dok.</source>
        <translation>Doc.</translation>
    </message>
    <message>
        <source>PRDTYPE</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sort by</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Mærke</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Pris (ialt)</source>
        <translation>Price (total)</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Udvalg</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>PrintGroup</source>
        <translation>Only the group</translation>
    </message>
    <message>
        <source>PrintLocation</source>
        <translation>Only the room</translation>
    </message>
    <message>
        <source>Skilletegn mellem felter</source>
        <translation>Separator between fields</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>setupdialog</name>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>Print &amp;barcode</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Print a barcode label for the chosen location</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Prints a barcode label with the number of the chosen location on the label printer.</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>The list cannot hold more names.</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>This name is already in use</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>Choose a location in the list first.</translation>
    </message>
    <message>
        <source>Skriv et navn i feltet først.</source>
        <translation>Type a name in the field first.</translation>
    </message>
    <message>
        <source>Lokationen &quot;%1&quot; kan ikke slettes, fordi der ligger varer på den (%2 i alt). Flyt dem først til en anden lokation.</source>
        <translation>The location &quot;%1&quot; cannot be deleted because stock items are kept there (%2 in all). Move them to another location first.</translation>
    </message>
    <message>
        <source>Gruppen &quot;%1&quot; kan ikke slettes, fordi databasens genstande bruger den (%2 i alt). Flyt dem først til en anden gruppe.</source>
        <translation>The group &quot;%1&quot; cannot be deleted because items in the database use it (%2 in all). Move them to another group first.</translation>
    </message>
    <message>
        <source>Navnet &quot;%1&quot; kan ikke slettes, fordi varer i databasen bruger det (%2 i alt). Flyt dem først til et andet navn i listen.</source>
        <translation>The name &quot;%1&quot; cannot be deleted because stock items in the database use it (%2 in all). Move them to another name in the list first.</translation>
    </message>
    <message>
        <source>Lokalet &quot;%1&quot; kan ikke slettes, fordi databasens genstande bruger det (%2 i alt). Flyt dem først til et andet lokale.</source>
        <translation>The location &quot;%1&quot; cannot be deleted because items in the database use it (%2 in all). Move them to another location first.</translation>
    </message>
    <message>
        <source>Sletter du &quot;%1&quot;, får lokationen efter den et nyt nummer, og etiketten for lokation %2 skal udskrives igen.

Slet &quot;%1&quot;?</source>
        <translation>Deleting &quot;%1&quot; gives the location after it a new number: the label of location %2 must be printed again.

Delete &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Sletter du &quot;%1&quot;, får lokationerne efter den nye numre, og etiketterne for lokation %2 til %3 skal udskrives igen.

Slet &quot;%1&quot;?</source>
        <translation>Deleting &quot;%1&quot; gives the locations after it new numbers: the labels of locations %2 to %3 must be printed again.

Delete &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Slet lokation</source>
        <translation>Delete location</translation>
    </message>
    <message>
        <source>Listen har ændringer, der ikke er gemt. Gem listen først, så etiketten får lokationens gemte nummer.</source>
        <translation>The list has changes that are not saved. Save the list first, so that the label carries the location&apos;s saved number.</translation>
    </message>
    <message>
        <source>ændring af listen</source>
        <translation>change of the list</translation>
    </message>
</context>
<context>
    <name>setupdialogBase</name>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Keeps one of the database&apos;s lists. Changes are stored only when Save or OK is pressed.</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>The names of the list, in order</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>The names of the list. Choose a name to change it in the field below.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>A new name, or the new text of the chosen name</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Type a new name and press Add, or change the chosen name and press Save.</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Add the name at the end of the list</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Delete the chosen name</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Save the list</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>userItemCollection</name>
    <message>
        <source>Could_Not_Open_File</source>
        <translation>The file could not be opened:</translation>
    </message>
    <message>
        <source>Listen er ikke gemt:</source>
        <translation>The list was not saved:</translation>
    </message>
    <message>
        <source>Filen kunne ikke skrives helt</source>
        <translation>The file could not be written completely</translation>
    </message>
</context>
</TS>
