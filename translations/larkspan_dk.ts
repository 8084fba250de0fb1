<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="da">
<context>
    <name>AutomakeItems</name>
    <message>
        <source>oprettelse af %1 varer</source>
        <translation>oprettelse af %1 varer</translation>
    </message>
</context>
<context>
    <name>AutomakeItemsClass</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Opret varer</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Antal varer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>Opret</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>Antal varer skal være:
fra 1 til og med 1000</translation>
    </message>
    <message>
        <source>%1 nye varer kan ikke få hvert sit serienummer: det højeste serienummer er %2, og der kan højst tælles til %3. Ingen varer er oprettet.</source>
        <translation>%1 nye varer kan ikke få hvert sit serienummer: det højeste serienummer er %2, og der kan højst tælles til %3. Ingen varer er oprettet.</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>&amp;Kopiér diagrammet</source>
        <translation>&amp;Kopiér diagrammet</translation>
    </message>
    <message>
        <source>&amp;Gem som PNG...</source>
        <translation>&amp;Gem som PNG...</translation>
    </message>
    <message>
        <source>Øvrige (%1)</source>
        <translation>Øvrige (%1)</translation>
    </message>
    <message>
        <source>Ingen poster</source>
        <translation>Ingen poster</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Gem diagrammet</source>
        <translation>Gem diagrammet</translation>
    </message>
    <message>
        <source>PNG-billeder (*.png)</source>
        <translation>PNG-billeder (*.png)</translation>
    </message>
    <message>
        <source>Diagrammet blev ikke gemt</source>
        <translation>Diagrammet blev ikke gemt</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 blev ikke gemt:
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
        <translation>QR-kode</translation>
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
        <translation>En tom tekst kan ikke blive til en stregkode af typen %1.</translation>
    </message>
    <message>
        <source>»%1« er ikke et EAN-13-nummer (13 cifre med det rette kontrolciffer).</source>
        <translation>»%1« er ikke et EAN-13-nummer (13 cifre med det rette kontrolciffer).</translation>
    </message>
    <message>
        <source>Der var ikke hukommelse nok til stregkoden for »%1«.</source>
        <translation>Der var ikke hukommelse nok til stregkoden for »%1«.</translation>
    </message>
    <message>
        <source>»%1« indeholder tegn, som stregkodetypen %2 ikke kan rumme.</source>
        <translation>»%1« indeholder tegn, som stregkodetypen %2 ikke kan rumme.</translation>
    </message>
    <message>
        <source>»%1« er for lang til stregkodetypen %2.</source>
        <translation>»%1« er for lang til stregkodetypen %2.</translation>
    </message>
    <message>
        <source>»%1« har et forkert kontrolciffer til stregkodetypen %2.</source>
        <translation>»%1« har et forkert kontrolciffer til stregkodetypen %2.</translation>
    </message>
    <message>
        <source>Stregkodetypen %2 kan ikke rumme »%1« (fejl %3).</source>
        <translation>Stregkodetypen %2 kan ikke rumme »%1« (fejl %3).</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>(uden navn)</source>
        <translation>(uden navn)</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet; intet er ændret.</source>
        <translation>Databasen er skrivebeskyttet; intet er ændret.</translation>
    </message>
    <message>
        <source>Den valgte gruppe findes ikke længere i listen.</source>
        <translation>Den valgte gruppe findes ikke længere i listen.</translation>
    </message>
    <message>
        <source>Det valgte sted findes ikke længere i listen.</source>
        <translation>Det valgte sted findes ikke længere i listen.</translation>
    </message>
    <message>
        <source>Datoen er ikke en gyldig dato.</source>
        <translation>Datoen er ikke en gyldig dato.</translation>
    </message>
    <message>
        <source>ændring af %1 varer</source>
        <translation>ændring af %1 varer</translation>
    </message>
    <message>
        <source>Intet er ændret. Disse kan ikke gemmes med ændringen:</source>
        <translation>Intet er ændret. Disse kan ikke gemmes med ændringen:</translation>
    </message>
    <message>
        <source>... og %1 flere.</source>
        <translation>... og %1 flere.</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Ændringen gælder %1 valgte billeder.</source>
        <translation>Ændringen gælder %1 valgte billeder.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte mønter.</source>
        <translation>Ændringen gælder %1 valgte mønter.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte varer.</source>
        <translation>Ændringen gælder %1 valgte varer.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte inventar.</source>
        <translation>Ændringen gælder %1 valgte inventar.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig værdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Ret venligst feltet.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Vurd.</translation>
    </message>
</context>
<context>
    <name>BulkEditDialogBase</name>
    <message>
        <source>Ret valgte</source>
        <translation>Ret valgte</translation>
    </message>
    <message>
        <source>Kun de afkrydsede felter ændres; de andre beholder hver deres værdi.</source>
        <translation>Kun de afkrydsede felter ændres; de andre beholder hver deres værdi.</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Vurd.</translation>
    </message>
    <message>
        <source>&amp;Sæt til</source>
        <translation>&amp;Sæt til</translation>
    </message>
    <message>
        <source>Ændr &amp;med</source>
        <translation>Ændr &amp;med</translation>
    </message>
</context>
<context>
    <name>CommonSetup</name>
    <message>
        <source>NUMIVAX_FRONT_PICTURE_PATH</source>
        <translation>Forside:</translation>
    </message>
    <message>
        <source>NUMIVAX_BACK_PICTURE_PATH</source>
        <translation>Bagside:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Billeder:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Ekstra billeder:</translation>
    </message>
    <message>
        <source>GetExistingDirectory</source>
        <translation>Vælg mappe</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Vælg billedmappe</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Vælg kvitteringsmappe</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Vælg dokumentmappe</translation>
    </message>
</context>
<context>
    <name>CommonSetupBase</name>
    <message>
        <source>CommonSetup</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>PICTURE_PATH</source>
        <translation>Billeder:</translation>
    </message>
    <message>
        <source>TOOL_TIP_PICTURE_PATH</source>
        <translation>Mappen, hvor billeder normalt ligger</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Gennemse...</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Kvitteringer:</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>Mappen, hvor kvitteringer normalt ligger</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Genne&amp;mse...</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Dokumenter:</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>Mappen, hvor dokumenter normalt ligger</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Gennems&amp;e...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anvend</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>&amp;Tidligere versioner, der gemmes:</source>
        <translation>&amp;Tidligere versioner, der gemmes:</translation>
    </message>
    <message>
        <source>Når databasen gemmes, gemmes den fil, den erstatter, i mappen versions ved siden af databasen. De ældste versioner ud over dette antal slettes.</source>
        <translation>Når databasen gemmes, gemmes den fil, den erstatter, i mappen versions ved siden af databasen. De ældste versioner ud over dette antal slettes.</translation>
    </message>
    <message>
        <source>Ingen</source>
        <translation>Ingen</translation>
    </message>
</context>
<context>
    <name>CrashRecovery</name>
    <message>
        <source>den nye database</source>
        <translation>den nye database</translation>
    </message>
    <message>
        <source>Gendannelsesfilen kunne ikke skrives</source>
        <translation>Gendannelsesfilen kunne ikke skrives</translation>
    </message>
    <message>
        <source>De ikke gemte ændringer af %1 kunne ikke skrives til gendannelsesfilen %2:
%3

Du kan arbejde videre som før; gem databasen for at sikre ændringerne. Dette vises kun én gang for databasen.</source>
        <translation>De ikke gemte ændringer af %1 kunne ikke skrives til gendannelsesfilen %2:
%3

Du kan arbejde videre som før; gem databasen for at sikre ændringerne. Dette vises kun én gang for databasen.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Den kunne ikke lægges til side og er ikke ændret.</source>
        <translation>Den kunne ikke lægges til side og er ikke ændret.</translation>
    </message>
    <message>
        <source>Den er lagt til side som %1.</source>
        <translation>Den er lagt til side som %1.</translation>
    </message>
    <message>
        <source>Gendannelsesfilen bruges ikke</source>
        <translation>Gendannelsesfilen bruges ikke</translation>
    </message>
    <message>
        <source>Gendannelsesfilen %1 bruges ikke: %2.

%3</source>
        <translation>Gendannelsesfilen %1 bruges ikke: %2.

%3</translation>
    </message>
    <message>
        <source>antallet af ændringer passer ikke</source>
        <translation>antallet af ændringer passer ikke</translation>
    </message>
    <message>
        <source>den er beskadiget (%1)</source>
        <translation>den er beskadiget (%1)</translation>
    </message>
    <message>
        <source>Ikke gemte ændringer</source>
        <translation>Ikke gemte ændringer</translation>
    </message>
    <message>
        <source>Programmet sluttede sidst uden at gemme ændringerne af %1.

Ændringer: %2
Seneste ændring: %3

Vil du gendanne dem? De gendannede ændringer er ikke gemt, før du gemmer databasen.</source>
        <translation>Programmet sluttede sidst uden at gemme ændringerne af %1.

Ændringer: %2
Seneste ændring: %3

Vil du gendanne dem? De gendannede ændringer er ikke gemt, før du gemmer databasen.</translation>
    </message>
    <message>
        <source>&amp;Gendan</source>
        <translation>&amp;Gendan</translation>
    </message>
    <message>
        <source>&amp;Kassér</source>
        <translation>&amp;Kassér</translation>
    </message>
    <message>
        <source>gendannelse</source>
        <translation>gendannelse</translation>
    </message>
    <message>
        <source>Ændringerne kunne ikke gendannes</source>
        <translation>Ændringerne kunne ikke gendannes</translation>
    </message>
    <message>
        <source>Ændringerne af %1 kunne ikke gendannes: %2.

Gendannelsesfilen er lagt til side som %3.</source>
        <translation>Ændringerne af %1 kunne ikke gendannes: %2.

Gendannelsesfilen er lagt til side som %3.</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>%1 nr.</source>
        <translation>%1 nr.</translation>
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
        <translation>%1 kan ikke skrives i %2.</translation>
    </message>
    <message>
        <source>Skilletegnet skal være komma, semikolon eller tabulator.</source>
        <translation>Skilletegnet skal være komma, semikolon eller tabulator.</translation>
    </message>
</context>
<context>
    <name>CsvExportDialog</name>
    <message>
        <source>Komma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Semikolon (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Den valgte &amp;gruppe: %1</source>
        <translation>Den valgte &amp;gruppe: %1</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>De valgte &amp;rækker (%1)</translation>
    </message>
    <message>
        <source>Eksportér som regneark (CSV)</source>
        <translation>Eksportér som regneark (CSV)</translation>
    </message>
    <message>
        <source>Regneark (*.csv)</source>
        <translation>Regneark (*.csv)</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>Eksporten mislykkedes</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 blev ikke gemt:
%2</translation>
    </message>
</context>
<context>
    <name>CsvExportDialogBase</name>
    <message>
        <source>Eksportér som regneark (CSV)</source>
        <translation>Eksportér som regneark (CSV)</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Tegnsæt:</translation>
    </message>
    <message>
        <source>Med &amp;byte-order mark (BOM) til regneark, der kræver det</source>
        <translation>Med &amp;byte-order mark (BOM) til regneark, der kræver det</translation>
    </message>
    <message>
        <source>&amp;Skilletegn:</source>
        <translation>&amp;Skilletegn:</translation>
    </message>
    <message>
        <source>Eksportér</source>
        <translation>Eksportér</translation>
    </message>
    <message>
        <source>&amp;Hele registret</source>
        <translation>&amp;Hele registret</translation>
    </message>
    <message>
        <source>Den valgte &amp;gruppe</source>
        <translation>Den valgte &amp;gruppe</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker</source>
        <translation>De valgte &amp;rækker</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>UTF-8 med BOM</source>
        <translation>UTF-8 med BOM</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Komma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Semikolon (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Importér et regneark</source>
        <translation>Importér et regneark</translation>
    </message>
    <message>
        <source>Regneark (*.csv *.txt *.tsv)</source>
        <translation>Regneark (*.csv *.txt *.tsv)</translation>
    </message>
    <message>
        <source>Filen %1 kan ikke åbnes: %2</source>
        <translation>Filen %1 kan ikke åbnes: %2</translation>
    </message>
    <message>
        <source>Nogle af filens bytes kan ikke læses som %1 og kan ikke gemmes. Vælg filens tegnsæt.</source>
        <translation>Nogle af filens bytes kan ikke læses som %1 og kan ikke gemmes. Vælg filens tegnsæt.</translation>
    </message>
    <message>
        <source>ikke i filen</source>
        <translation>ikke i filen</translation>
    </message>
    <message>
        <source>Kolonne %1</source>
        <translation>Kolonne %1</translation>
    </message>
    <message>
        <source>Linje %1</source>
        <translation>Linje %1</translation>
    </message>
    <message>
        <source>Ved importen bliver ; til , og et linjeskift til et mellemrum.</source>
        <translation>Ved importen bliver ; til , og et linjeskift til et mellemrum.</translation>
    </message>
    <message>
        <source>Vælg den fil, der skal importeres.</source>
        <translation>Vælg den fil, der skal importeres.</translation>
    </message>
    <message>
        <source>Filen har ingen rækker at importere.</source>
        <translation>Filen har ingen rækker at importere.</translation>
    </message>
    <message>
        <source>De første %1 rækker, som de vil blive læst. %2 celler kan ikke gemmes; de er markeret, og musen over en celle viser hvorfor.</source>
        <translation>De første %1 rækker, som de vil blive læst. %2 celler kan ikke gemmes; de er markeret, og musen over en celle viser hvorfor.</translation>
    </message>
    <message>
        <source>De første %1 rækker, som de vil blive læst.</source>
        <translation>De første %1 rækker, som de vil blive læst.</translation>
    </message>
    <message>
        <source>Kontrollér gennemgår hele filen og viser, hvad importen vil gøre, før noget ændres.</source>
        <translation>Kontrollér gennemgår hele filen og viser, hvad importen vil gøre, før noget ændres.</translation>
    </message>
    <message>
        <source>Filen er ændret</source>
        <translation>Filen er ændret</translation>
    </message>
    <message>
        <source>Filen blev ændret, mens den blev kontrolleret. Intet importeres.</source>
        <translation>Filen blev ændret, mens den blev kontrolleret. Intet importeres.</translation>
    </message>
    <message>
        <source>Filen %1 blev ændret af et andet program, mens den blev kontrolleret. Kontrollér den igen?</source>
        <translation>Filen %1 blev ændret af et andet program, mens den blev kontrolleret. Kontrollér den igen?</translation>
    </message>
    <message>
        <source>Intet kan importeres: %1</source>
        <translation>Intet kan importeres: %1</translation>
    </message>
    <message>
        <source>Rækker i filen: %1</source>
        <translation>Rækker i filen: %1</translation>
    </message>
    <message>
        <source>Rækker, der importeres: %1</source>
        <translation>Rækker, der importeres: %1</translation>
    </message>
    <message>
        <source>Rækker, der ikke importeres: %1</source>
        <translation>Rækker, der ikke importeres: %1</translation>
    </message>
    <message>
        <source>Linje %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>... og %1 rækker mere</source>
        <translation>... og %1 rækker mere</translation>
    </message>
    <message>
        <source>Nye navne i listen %1: %2</source>
        <translation>Nye navne i listen %1: %2</translation>
    </message>
    <message>
        <source>Rækker uden et ledigt nummer i %1 får det næste ledige:</source>
        <translation>Rækker uden et ledigt nummer i %1 får det næste ledige:</translation>
    </message>
    <message>
        <source>Celler, hvor ; eller linjeskift erstattes: %1</source>
        <translation>Celler, hvor ; eller linjeskift erstattes: %1</translation>
    </message>
    <message>
        <source>Ingen rækker kan importeres.</source>
        <translation>Ingen rækker kan importeres.</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet, så der kan ikke importeres i den.</source>
        <translation>Databasen er skrivebeskyttet, så der kan ikke importeres i den.</translation>
    </message>
    <message>
        <source>Importen er ikke mulig</source>
        <translation>Importen er ikke mulig</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.</source>
        <translation>Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.</translation>
    </message>
    <message>
        <source>Filen %1 er ændret siden kontrollen. Kontrollér den igen?</source>
        <translation>Filen %1 er ændret siden kontrollen. Kontrollér den igen?</translation>
    </message>
    <message>
        <source>Filen er ændret siden kontrollen. Intet er importeret.</source>
        <translation>Filen er ændret siden kontrollen. Intet er importeret.</translation>
    </message>
    <message>
        <source>Importen mislykkedes</source>
        <translation>Importen mislykkedes</translation>
    </message>
    <message>
        <source>Intet er importeret i databasen.</source>
        <translation>Intet er importeret i databasen.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialogBase</name>
    <message>
        <source>Importér et regneark (CSV)</source>
        <translation>Importér et regneark (CSV)</translation>
    </message>
    <message>
        <source>Fil:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>&amp;Vælg fil...</source>
        <translation>&amp;Vælg fil...</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Tegnsæt:</translation>
    </message>
    <message>
        <source>&amp;Skilletegn:</source>
        <translation>&amp;Skilletegn:</translation>
    </message>
    <message>
        <source>&amp;Første række er kolonnenavne</source>
        <translation>&amp;Første række er kolonnenavne</translation>
    </message>
    <message>
        <source>E&amp;rstat ; med , og linjeskift med mellemrum i tekster</source>
        <translation>E&amp;rstat ; med , og linjeskift med mellemrum i tekster</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>Kolonne i filen</source>
        <translation>Kolonne i filen</translation>
    </message>
    <message>
        <source>&amp;Kontrollér</source>
        <translation>&amp;Kontrollér</translation>
    </message>
    <message>
        <source>&amp;Importér</source>
        <translation>&amp;Importér</translation>
    </message>
    <message>
        <source>Importér i en &amp;ny database</source>
        <translation>Importér i en &amp;ny database</translation>
    </message>
    <message>
        <source>&amp;Luk</source>
        <translation>&amp;Luk</translation>
    </message>
</context>
<context>
    <name>CsvImporter</name>
    <message>
        <source>Cellen har tegn, som ikke kunne læses i den valgte tegnkodning; vælg en anden tegnkodning.</source>
        <translation>Cellen har tegn, som ikke kunne læses i den valgte tegnkodning; vælg en anden tegnkodning.</translation>
    </message>
    <message>
        <source>Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.</source>
        <translation>Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.</translation>
    </message>
    <message>
        <source>Der skal være en pris fra 0 til %1.</source>
        <translation>Der skal være en pris fra 0 til %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; er ikke et tal; skriv fx 1499.50.</source>
        <translation>&quot;%1&quot; er ikke et tal; skriv fx 1499.50.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kan læses på to måder; skriv fx 1499.50 eller 1499500.</source>
        <translation>&quot;%1&quot; kan læses på to måder; skriv fx 1499.50 eller 1499500.</translation>
    </message>
    <message>
        <source>Prisen skal være fra 0 til %1.</source>
        <translation>Prisen skal være fra 0 til %1.</translation>
    </message>
    <message>
        <source>Antallet skal være et helt tal fra %1 til %2.</source>
        <translation>Antallet skal være et helt tal fra %1 til %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; er ingen dato; skriv den som dd.mm.åååå.</source>
        <translation>&quot;%1&quot; er ingen dato; skriv den som dd.mm.åååå.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; er ingen dato; skriv den som åååå-mm-dd.</source>
        <translation>&quot;%1&quot; er ingen dato; skriv den som åååå-mm-dd.</translation>
    </message>
    <message>
        <source>Listen har intet nummer %1.</source>
        <translation>Listen har intet nummer %1.</translation>
    </message>
    <message>
        <source>Rækken har %1 celler, men filen har kun %2 kolonner.</source>
        <translation>Rækken har %1 celler, men filen har kun %2 kolonner.</translation>
    </message>
    <message>
        <source>Der er intet varenummer efter %1 til varen.</source>
        <translation>Der er intet varenummer efter %1 til varen.</translation>
    </message>
    <message>
        <source>Kontrollerer regnearket</source>
        <translation>Kontrollerer regnearket</translation>
    </message>
    <message>
        <source>Filen er tom.</source>
        <translation>Filen er tom.</translation>
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
        <translation>Et anførselstegn på linje %1 bliver ikke lukket.</translation>
    </message>
    <message>
        <source>Linje %1 indeholder et nul-tegn: filen er ikke tekst i det valgte tegnsæt.</source>
        <translation>Linje %1 indeholder et nul-tegn: filen er ikke tekst i det valgte tegnsæt.</translation>
    </message>
    <message>
        <source>Rækken på linje %1 er over %2 tegn lang: filen er ikke et regneark.</source>
        <translation>Rækken på linje %1 er over %2 tegn lang: filen er ikke et regneark.</translation>
    </message>
    <message>
        <source>Filen kunne ikke læses: %1</source>
        <translation>Filen kunne ikke læses: %1</translation>
    </message>
</context>
<context>
    <name>DBItemCollection</name>
    <message>
        <source>Databasen kunne ikke gemmes i %1:
%2</source>
        <translation>Databasen kunne ikke gemmes i %1:
%2</translation>
    </message>
    <message>
        <source>FILE_ALLREADY_OPEN_WARNING</source>
        <translation>Databasen er allerede åben</translation>
    </message>
    <message>
        <source>DB_OPEN_BY_ANOTHER_USER</source>
        <translation>Databasen er åben hos en anden bruger og åbnes derfor skrivebeskyttet: ændringer kan ikke gemmes.

</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>Databasen er åbnet skrivebeskyttet og kan ikke gemmes.</translation>
    </message>
    <message>
        <source>Filen kunne ikke skrives.</source>
        <translation>Filen kunne ikke skrives.</translation>
    </message>
    <message>
        <source>Kan ikke gemme gruppe fil:</source>
        <translation>Kan ikke gemme gruppefilen: </translation>
    </message>
    <message>
        <source>Kan ikke gemme lokale fil:</source>
        <translation>Kan ikke gemme lokalefilen: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
        <translation>Kan ikke gemme leverandørfilen: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
        <translation>Kan ikke gemme feltnavnefilen: </translation>
    </message>
    <message>
        <source>CAN_NOT_DELETE_LOCK_FILE:</source>
        <translation>Kan ikke slette låsefilen: </translation>
    </message>
    <message>
        <source>Databasen blev ikke gemt</source>
        <translation>Databasen blev ikke gemt</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uden navn)</translation>
    </message>
    <message>
        <source>En vare kan ikke gemmes i databasefilen, som den er. Intet er gemt, og filen er uændret.

Vare: %1
Gruppe: %2, nr. %3 i gruppen
Felt: %4
%5</source>
        <translation>En vare kan ikke gemmes i databasefilen, som den er. Intet er gemt, og filen er uændret.

Vare: %1
Gruppe: %2, nr. %3 i gruppen
Felt: %4
%5</translation>
    </message>
    <message>
        <source>Låsefil: %1
Kører programmet, der har låst databasen, ikke længere (fx efter et nedbrud), kan låsefilen slettes.</source>
        <translation>Låsefil: %1
Kører programmet, der har låst databasen, ikke længere (fx efter et nedbrud), kan låsefilen slettes.</translation>
    </message>
    <message>
        <source>Kan ikke oprette mappen %1</source>
        <translation>Kan ikke oprette mappen %1</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.; </translation>
    </message>
    <message>
        <source>Indlæser databasen</source>
        <translation>Indlæser databasen</translation>
    </message>
    <message>
        <source>Gemmer databasen</source>
        <translation>Gemmer databasen</translation>
    </message>
    <message>
        <source>Eksporterer</source>
        <translation>Eksporterer</translation>
    </message>
    <message>
        <source>Databasen kunne ikke låses</source>
        <translation>Databasen kunne ikke låses</translation>
    </message>
    <message>
        <source>Låsefilen %1 kunne ikke oprettes:
%2

Databasen åbnes derfor skrivebeskyttet: ændringer kan ikke gemmes.</source>
        <translation>Låsefilen %1 kunne ikke oprettes:
%2

Databasen åbnes derfor skrivebeskyttet: ændringer kan ikke gemmes.</translation>
    </message>
</context>
<context>
    <name>DiskChangeGuard</name>
    <message>
        <source>Databasefilen %1 er ændret af et andet program, siden den blev læst her.</source>
        <translation>Databasefilen %1 er ændret af et andet program, siden den blev læst her.</translation>
    </message>
    <message>
        <source>Indlæs igen: filen læses igen med det andet programs ændringer. Dine ændringer gemmes først som en version i mappen %1.</source>
        <translation>Indlæs igen: filen læses igen med det andet programs ændringer. Dine ændringer gemmes først som en version i mappen %1.</translation>
    </message>
    <message>
        <source>Gem mine under andet navn: dine ændringer gemmes i en ny fil, og den ændrede fil bliver, som den er.</source>
        <translation>Gem mine under andet navn: dine ændringer gemmes i en ny fil, og den ændrede fil bliver, som den er.</translation>
    </message>
    <message>
        <source>Databasefilen er ændret</source>
        <translation>Databasefilen er ændret</translation>
    </message>
    <message>
        <source>Vil du indlæse den igen og se ændringerne? Beholder du det viste, er filen uændret, og du bliver spurgt igen, før du gemmer oven i den.</source>
        <translation>Vil du indlæse den igen og se ændringerne? Beholder du det viste, er filen uændret, og du bliver spurgt igen, før du gemmer oven i den.</translation>
    </message>
    <message>
        <source>&amp;Indlæs igen</source>
        <translation>&amp;Indlæs igen</translation>
    </message>
    <message>
        <source>Behold det &amp;viste</source>
        <translation>Behold det &amp;viste</translation>
    </message>
    <message>
        <source>Du har ændringer, der ikke er gemt.</source>
        <translation>Du har ændringer, der ikke er gemt.</translation>
    </message>
    <message>
        <source>&amp;Behold mine og overskriv</source>
        <translation>&amp;Behold mine og overskriv</translation>
    </message>
    <message>
        <source>Gem mine under &amp;andet navn...</source>
        <translation>Gem mine under &amp;andet navn...</translation>
    </message>
    <message>
        <source>Databasefilen findes ikke</source>
        <translation>Databasefilen findes ikke</translation>
    </message>
    <message>
        <source>Databasefilen %1 findes ikke længere: den er slettet eller flyttet af et andet program.</source>
        <translation>Databasefilen %1 findes ikke længere: den er slettet eller flyttet af et andet program.</translation>
    </message>
    <message>
        <source>Det viste er uændret. Når du gemmer, skrives filen igen under samme navn.</source>
        <translation>Det viste er uændret. Når du gemmer, skrives filen igen under samme navn.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Gemmer du nu, erstattes det andet programs ændringer af dine.</source>
        <translation>Gemmer du nu, erstattes det andet programs ændringer af dine.</translation>
    </message>
    <message>
        <source>Fortryd: intet gemmes.</source>
        <translation>Fortryd: intet gemmes.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Databasefilen er ikke indlæst igen</source>
        <translation>Databasefilen er ikke indlæst igen</translation>
    </message>
    <message>
        <source>Dine ændringer kunne ikke gemmes som en version i mappen %1, så databasefilen er ikke indlæst igen. Dine ændringer er der stadig.</source>
        <translation>Dine ændringer kunne ikke gemmes som en version i mappen %1, så databasefilen er ikke indlæst igen. Dine ændringer er der stadig.</translation>
    </message>
    <message>
        <source>Dine ændringer, der ikke var gemt, er gemt som %1</source>
        <translation>Dine ændringer, der ikke var gemt, er gemt som %1</translation>
    </message>
    <message>
        <source>Behold mine og overskriv: dine ændringer gemmes i filen i stedet for det andet programs.</source>
        <translation>Behold mine og overskriv: dine ændringer gemmes i filen i stedet for det andet programs.</translation>
    </message>
</context>
<context>
    <name>ExternalViewers</name>
    <message>
        <source>HTML fejl</source>
        <translation>HTML-fejl</translation>
    </message>
</context>
<context>
    <name>HandlerBarcodesC</name>
    <message>
        <source>Etiketprinter</source>
        <translation>Etiketprinter</translation>
    </message>
    <message>
        <source>Der er ikke angivet nogen etiketprinter i %1.</source>
        <translation>Der er ikke angivet nogen etiketprinter i %1.</translation>
    </message>
    <message>
        <source>Programmet lp kunne ikke startes.</source>
        <translation>Programmet lp kunne ikke startes.</translation>
    </message>
    <message>
        <source>lp sluttede med fejlkode %1.</source>
        <translation>lp sluttede med fejlkode %1.</translation>
    </message>
    <message>
        <source>Etiketterne kunne ikke sendes til etiketprinteren %1:
%2</source>
        <translation>Etiketterne kunne ikke sendes til etiketprinteren %1:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 kunne ikke læses, så der er ikke sendt noget til etiketprinteren:
%2</source>
        <translation>Etiketskabelonen %1 kunne ikke læses, så der er ikke sendt noget til etiketprinteren:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 er tom, så der er ikke sendt noget til etiketprinteren.</source>
        <translation>Etiketskabelonen %1 er tom, så der er ikke sendt noget til etiketprinteren.</translation>
    </message>
    <message>
        <source>Etiketfilen %1 kunne ikke skrives, så der er ikke sendt noget til etiketprinteren:
%2</source>
        <translation>Etiketfilen %1 kunne ikke skrives, så der er ikke sendt noget til etiketprinteren:
%2</translation>
    </message>
    <message>
        <source>Enheden findes ikke.</source>
        <translation>Enheden findes ikke.</translation>
    </message>
    <message>
        <source>Det er en mappe, ikke en printerenhed.</source>
        <translation>Det er en mappe, ikke en printerenhed.</translation>
    </message>
    <message>
        <source>Det er en almindelig fil, ikke en printerenhed.</source>
        <translation>Det er en almindelig fil, ikke en printerenhed.</translation>
    </message>
    <message>
        <source>Der kan ikke skrives til enheden.</source>
        <translation>Der kan ikke skrives til enheden.</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uden navn)</translation>
    </message>
    <message>
        <source>Disse varer har intet varenummer og får ingen etiket, da en etiket uden varenummer aldrig kan genkendes ved en lokationsopdatering:
%1</source>
        <translation>Disse varer har intet varenummer og får ingen etiket, da en etiket uden varenummer aldrig kan genkendes ved en lokationsopdatering:
%1</translation>
    </message>
    <message>
        <source>Varen %1 har intet varenummer, så der er ikke sendt nogen etiket til etiketprinteren: en etiket uden varenummer kan aldrig genkendes ved en lokationsopdatering.</source>
        <translation>Varen %1 har intet varenummer, så der er ikke sendt nogen etiket til etiketprinteren: en etiket uden varenummer kan aldrig genkendes ved en lokationsopdatering.</translation>
    </message>
    <message>
        <source>Navnet har et tegn, som enhedsfilen ikke kan rumme.</source>
        <translation>Navnet har et tegn, som enhedsfilen ikke kan rumme.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>NOTEPAD_NOT_FOUND</source>
        <translation>Der er intet program, der kan vise udgivelsesnoterne. Installér en teksteditor, eller åbn filen i mappen help selv.</translation>
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
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSEPHOTO</source>
        <translation>Indsæt </translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation>Indsæt </translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation>Indsæt </translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Billedgalleri</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_REG_NUMBER</source>
        <translation>Værkets registreringsnummer i samlingen.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_REG_NUMBER</source>
        <translation>Registreringsnummer</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_ESTIMATED_PRICE</source>
        <translation>Vurdering</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_ESTIMATED_PRICE</source>
        <translation>Hvad værket er vurderet til.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_SALESPRICE</source>
        <translation>Salgspris</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_SALESPRICE</source>
        <translation>Den pris, værket sælges for.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_DOCUMENT</source>
        <translation>Dokument om værket</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_DOCUMENT</source>
        <translation>Stien til et dokument om værket, fx en vurdering eller et ægthedsbevis.</translation>
    </message>
    <message>
        <source>NUMIVAX_DIALOG_TITLE</source>
        <translation>Mønt</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Antal mønter</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_DOCUMENT</source>
        <translation>Dokument om mønten</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_QUALITY</source>
        <translation>Møntens kvalitet</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMIVAX_QUALITY</source>
        <translation>Møntens kvalitet (bevaringsgrad), fx 0, 01, 1+, 1 eller 2.</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_BACKSIDE_PICTURE</source>
        <translation>Billede af møntens bagside</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Vælg billede af bagsiden</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Vis bagside</translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Søgning</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>Der blev ikke fundet noget, der passer til søgningen.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig værdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Ret venligst feltet.</translation>
    </message>
    <message>
        <source>Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle (*.*)</source>
        <translation>Dokumenter (*.doc *.pdf *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>&apos;Købspris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>&apos;Købspris&apos; skal være mellem 0.0 og %1.</translation>
    </message>
    <message>
        <source>&apos;Vurderet pris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>&apos;Vurderet pris&apos; skal være mellem 0.0 og %1.</translation>
    </message>
    <message>
        <source>&apos;Antal&apos; skal være i intervalet: 0 -&gt; %1</source>
        <translation>&apos;Antal&apos; skal være mellem 1 og %1.</translation>
    </message>
    <message>
        <source>OstranaNameMissing</source>
        <translation>Inventaret skal have et navn.</translation>
    </message>
    <message>
        <source>QuorvelNameMissing</source>
        <translation>Varen skal have et navn.</translation>
    </message>
    <message>
        <source>VistrelNameMissing</source>
        <translation>Billedet skal have en titel.</translation>
    </message>
    <message>
        <source>NumivaxNameMissing</source>
        <translation>Mønten skal have et navn.</translation>
    </message>
    <message>
        <source>QuorvelItemTypeHasNotBeenSelected</source>
        <translation>Vælg en værdi i feltet: </translation>
    </message>
    <message>
        <source>Databasen kan ikke gemme tegnene %1, så de er ikke sat ind.</source>
        <translation>Databasen kan ikke gemme tegnene %1, så de er ikke sat ind.</translation>
    </message>
    <message>
        <source>Databasen kan ikke gemme linjeskift i et felt, så teksten er ikke sat ind.</source>
        <translation>Databasen kan ikke gemme linjeskift i et felt, så teksten er ikke sat ind.</translation>
    </message>
    <message>
        <source>Stien til den valgte fil kan ikke gemmes i databasen:
%1</source>
        <translation>Stien til den valgte fil kan ikke gemmes i databasen:
%1</translation>
    </message>
    <message>
        <source>Feltet &quot;%1&quot; kan ikke gemmes i databasen.</source>
        <translation>Feltet &quot;%1&quot; kan ikke gemmes i databasen.</translation>
    </message>
    <message>
        <source>Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), så den er ikke sat ind.</source>
        <translation>Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), så den er ikke sat ind.</translation>
    </message>
    <message>
        <source>Varen er ændret</source>
        <translation>Varen er ændret</translation>
    </message>
    <message>
        <source>Varen &quot;%1&quot; er blevet ændret et andet sted, mens du redigerede den her, for eksempel af en indlæsning fra stregkodescanneren.

Behold mine ændringer: de felter, du har ændret, beholder din tekst, og de andre viser varens nye værdier.
Vis de nye værdier: dine ændringer forkastes.</source>
        <translation>Varen &quot;%1&quot; er blevet ændret et andet sted, mens du redigerede den her, for eksempel af en indlæsning fra stregkodescanneren.

Behold mine ændringer: de felter, du har ændret, beholder din tekst, og de andre viser varens nye værdier.
Vis de nye værdier: dine ændringer forkastes.</translation>
    </message>
    <message>
        <source>Behold mine ændringer</source>
        <translation>Behold mine ændringer</translation>
    </message>
    <message>
        <source>Vis de nye værdier</source>
        <translation>Vis de nye værdier</translation>
    </message>
    <message>
        <source>Varen er fjernet</source>
        <translation>Varen er fjernet</translation>
    </message>
    <message>
        <source>Varen &quot;%1&quot; er fjernet fra registret, mens du redigerede den her, for eksempel af en flytning fra stregkodescanneren. Dine ændringer kan ikke gemmes.</source>
        <translation>Varen &quot;%1&quot; er fjernet fra registret, mens du redigerede den her, for eksempel af en flytning fra stregkodescanneren. Dine ændringer kan ikke gemmes.</translation>
    </message>
    <message>
        <source>Du valgte &quot;%1&quot; i feltet &quot;%2&quot;, men navnet er slettet fra listen siden. Vælg et andet navn, før du gemmer.</source>
        <translation>Du valgte &quot;%1&quot; i feltet &quot;%2&quot;, men navnet er slettet fra listen siden. Vælg et andet navn, før du gemmer.</translation>
    </message>
    <message>
        <source>Billed fil (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle (*.*)</source>
        <translation>Billedfiler (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>Kvittering (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle (*.*)</source>
        <translation>Kvitteringer (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>ændring af &apos;%1&apos;</source>
        <translation>ændring af &apos;%1&apos;</translation>
    </message>
    <message>
        <source>kopi af &apos;%1&apos;</source>
        <translation>kopi af &apos;%1&apos;</translation>
    </message>
    <message>
        <source>tilføjelse af &apos;%1&apos;</source>
        <translation>tilføjelse af &apos;%1&apos;</translation>
    </message>
    <message>
        <source>sletning af &apos;%1&apos;</source>
        <translation>sletning af &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ItemDialogBase</name>
    <message>
        <source>Inventar</source>
        <translation>Inventar</translation>
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
        <translation>Gruppe (type)</translation>
    </message>
    <message>
        <source>WHATSHIS_GROUP_FIELD</source>
        <translation>Den gruppe (type), posten hører til. Grupperne vedligeholdes under Opsætning.</translation>
    </message>
    <message>
        <source>image</source>
        <translation>billede</translation>
    </message>
    <message>
        <source>&amp;Navn:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>TOOLTIP_NAME_FIELD</source>
        <translation>Navn (skal udfyldes)</translation>
    </message>
    <message>
        <source>WHATSHIS_NAME_FIELD</source>
        <translation>Navnet, som det vises i listen. Feltet skal udfyldes.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>&amp;Fabrikat:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_FIELD</source>
        <translation>Fabrikat eller mærke</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_FIELD</source>
        <translation>Fabrikat eller mærke, fx producentens navn.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>Produktmodel:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND_FIELD</source>
        <translation>Produktmodel</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_BRAND_FIELD</source>
        <translation>Produktets model eller typebetegnelse.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>&amp;Antal:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER_OF_ITEMS_FIELD</source>
        <translation>Antal stk.</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMBER_OF_ITEMS_FIELD</source>
        <translation>Antal stk. (1 til 100000). Prisen i alt er antal gange stykprisen.</translation>
    </message>
    <message>
        <source>stk</source>
        <translation>stk</translation>
    </message>
    <message>
        <source>&amp;Pris (1 stk):</source>
        <translation>&amp;Pris (1 stk):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_FIELD</source>
        <translation>Købspris for 1 stk.</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_FIELD</source>
        <translation>Købsprisen for 1 stk. (0 til 9999999, højst 2 decimaler).</translation>
    </message>
    <message>
        <source>kr   Ialt</source>
        <translation>kr   I alt</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TOTAL_FIELD</source>
        <translation>Pris i alt (antal x stykpris)</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_TOTAL_FIELD</source>
        <translation>Købsprisen i alt: antal gange stykprisen. Beregnes af programmet.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (ialt):</source>
        <translation>&amp;Vurderet pris (i alt):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TODAY_FIELD</source>
        <translation>Vurderet værdi i dag (i alt)</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_TODAY_FIELD</source>
        <translation>Hvad alle stk. tilsammen vurderes at være værd i dag. Står feltet tomt, bruges købsprisen.</translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>&amp;Købsdato:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE_FIELD</source>
        <translation>Købsdato (dd.mm.åååå)</translation>
    </message>
    <message>
        <source>WHATSHIS_DATE_FIELD</source>
        <translation>Datoen for købet.</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>&amp;Lokale/rum:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCATION_FIELD</source>
        <translation>Lokale eller rum</translation>
    </message>
    <message>
        <source>WHATSHIS_LOCATION_FIELD</source>
        <translation>Det lokale eller rum, hvor tingen står. Listen vedligeholdes under Opsætning.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>&amp;Leverandør:</translation>
    </message>
    <message>
        <source>TOOLTIP_SUPPLIER_FIELD</source>
        <translation>Leverandør (butik)</translation>
    </message>
    <message>
        <source>WHATSHIS_SUPPLIER_FIELD</source>
        <translation>Hvor tingen er købt. Vælg i listen, eller skriv et nyt navn.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>E&amp;kstra info:</translation>
    </message>
    <message>
        <source>TOOLTIP_EXTRA_INFO_FIELD</source>
        <translation>Ekstra oplysninger, fx leverandørens adresse</translation>
    </message>
    <message>
        <source>WHATSHIS_EXTRA_INFO_FIELD</source>
        <translation>Fri tekst med ekstra oplysninger, fx leverandørens adresse eller telefonnummer.</translation>
    </message>
    <message>
        <source>&amp;Serie nummer:</source>
        <translation>Serienummer:</translation>
    </message>
    <message>
        <source>TOOLTIP_SERIALNO_FIELD</source>
        <translation>Serienummer</translation>
    </message>
    <message>
        <source>WHATSHIS_SERIALNO_FIELD</source>
        <translation>Produktets serienummer, nyttigt efter et tyveri eller ved en garantisag.</translation>
    </message>
    <message>
        <source>&amp;Beskrivelse:</source>
        <translation>&amp;Beskrivelse:</translation>
    </message>
    <message>
        <source>TOOLTIP_DESCRIPTION_FIELD</source>
        <translation>Beskrivelse</translation>
    </message>
    <message>
        <source>WHATSHIS_DESCRIPTION_FIELD</source>
        <translation>En fri beskrivelse.</translation>
    </message>
    <message>
        <source>ww&amp;w (link til web):</source>
        <translation>ww&amp;w (link til web):</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW_FIELD</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>WHATSHIS_WWW_FIELD</source>
        <translation>En webadresse, fx producentens side om produktet.</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Vis &amp;www</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_WWW_BTN</source>
        <translation>Åbn webadressen</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_WWW_BTN</source>
        <translation>Åbner webadressen i det valgte internetprogram eller i standardbrowseren.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>&amp;Billede (link til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTURE_FIELD</source>
        <translation>Sti til billedfilen</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTURE_FIELD</source>
        <translation>Stien til et billede (bmp, jpg, gif, png m.fl.), som vises i vinduet og i listen.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>&amp;Indsæt billede</translation>
    </message>
    <message>
        <source>Alt+I</source>
        <translation>Alt+I</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_PHOTO_BTN</source>
        <translation>Vælg en billedfil</translation>
    </message>
    <message>
        <source>WHATSHIS_BROWSE_PHOTO_BTN</source>
        <translation>Åbner en filvælger, hvor du vælger billedet.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>&amp;Vis billede</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_PHOTO_BTN</source>
        <translation>Vis billedet</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_PHOTO_BTN</source>
        <translation>Åbner billedet i det valgte billedvisningsprogram eller i det program, der hører til filtypen.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>&amp;Kvittering (link til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT_FIELD</source>
        <translation>Sti til kvitteringen</translation>
    </message>
    <message>
        <source>WHATSHIS_RECEIPT_FIELD</source>
        <translation>Stien til en indscannet kvittering (billede, tekst eller HTML).</translation>
    </message>
    <message>
        <source>In&amp;dsæt Kvittering</source>
        <translation>In&amp;dsæt kvittering</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_RECEIPT_BTN</source>
        <translation>Vælg en kvitteringsfil</translation>
    </message>
    <message>
        <source>WHATSHIS_BROWSE_RECEIPT_BTN</source>
        <translation>Åbner en filvælger, hvor du vælger kvitteringen.</translation>
    </message>
    <message>
        <source>Vis Kvi&amp;ttering</source>
        <translation>Vis kvi&amp;ttering</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_RECEIPT_BTN</source>
        <translation>Vis kvitteringen</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_RECEIPT_BTN</source>
        <translation>Åbner kvitteringen i det program, der hører til filtypen.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>&amp;Dokument (link til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT_FIELD</source>
        <translation>Sti til et dokument</translation>
    </message>
    <message>
        <source>WHATSHIS_DOCUMENT_FIELD</source>
        <translation>Stien til et dokument, fx en brugsanvisning eller et garantibevis.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Indsæt dokument</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Vælg en dokumentfil</translation>
    </message>
    <message>
        <source>WHATSHIS_INSERT_DOCUMENT_BTN</source>
        <translation>Åbner en filvælger, hvor du vælger dokumentet.</translation>
    </message>
    <message>
        <source>SHOW_DOCUMENT</source>
        <translation>Vis dokument</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_DOCUMENT_BTN</source>
        <translation>Åbn dokumentet</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_DOCUMENT_BTN</source>
        <translation>Åbner dokumentet i det program, der hører til filtypen.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>&amp;Billede</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>&amp;Kvittering</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Alt+G</source>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Gem ændringerne</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Gemmer posten i databasen; vinduet forbliver åbent. Husk at gemme databasefilen (Fil, Gem).</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Opret en ny post</translation>
    </message>
    <message>
        <source>WHATSHIS_NEW_BTN</source>
        <translation>Tømmer felterne, så du kan indtaste en ny post. Den gemmes, når du trykker Gem eller OK.</translation>
    </message>
    <message>
        <source>Kopie&amp;r</source>
        <translation>Kopie&amp;r</translation>
    </message>
    <message>
        <source>Alt+R</source>
        <translation>Alt+R</translation>
    </message>
    <message>
        <source>TOOLTIP_COPY_BTN</source>
        <translation>Kopiér posten</translation>
    </message>
    <message>
        <source>WHATSHIS_COPY_BTN</source>
        <translation>Laver en kopi af posten, som du kan rette og gemme som en ny post.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>N&amp;ulstil</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Tøm felterne før en søgning</translation>
    </message>
    <message>
        <source>WHATSHIS_RESET_BTN</source>
        <translation>Tømmer alle felter, så du kan udfylde dem, du vil søge efter, og trykke Søg.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>&amp;Søg</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søg i databasen</translation>
    </message>
    <message>
        <source>WHATSHIS_SEARCH_BTN</source>
        <translation>Finder den første post, der passer til et af de udfyldte felter.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Søg ig&amp;en</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_AGAIN_BTN</source>
        <translation>Find det næste</translation>
    </message>
    <message>
        <source>WHATSHIS_SEARCH_AGAIN_BTN</source>
        <translation>Fortsætter søgningen efter den sidst fundne post.</translation>
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
        <translation>Udskriv posten på én side</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_BTN</source>
        <translation>Udskriver alle felter i posten på én side.</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis valgte som HT&amp;ML</translation>
    </message>
    <message>
        <source>TOOLTIP_VIEW_CURRENT_AS_HTML_BTN</source>
        <translation>Vis den valgte post som HTML-side</translation>
    </message>
    <message>
        <source>WHATSHIS_VIEW_CURRENT_AS_HTML_BTN</source>
        <translation>Laver en HTML-side med den post, der er valgt i listen, og åbner den i browseren.</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>TOOLTIP_HELP_BTN</source>
        <translation>Hjælp til vinduet</translation>
    </message>
    <message>
        <source>WHATSHIS_HELP_BTN</source>
        <translation>Åbner hjælpesiden for dette vindue.</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>&lt; &amp;Forrige</translation>
    </message>
    <message>
        <source>TOOLTIP_PREV_BTN</source>
        <translation>Vis den forrige post</translation>
    </message>
    <message>
        <source>WHATSHIS_PREV_BTN</source>
        <translation>Viser den forrige post i databasen.</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>N&amp;æste &gt;</translation>
    </message>
    <message>
        <source>TOOLTIP_NEXT_BTN</source>
        <translation>Vis den næste post</translation>
    </message>
    <message>
        <source>WHATSHIS_NEXT_BTN</source>
        <translation>Viser den næste post i databasen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>TOOLTIP_OK_BTN</source>
        <translation>Gem og luk</translation>
    </message>
    <message>
        <source>WHATSHIS_OK_BTN</source>
        <translation>Gemmer posten i databasen og lukker vinduet.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>Fortryd</translation>
    </message>
    <message>
        <source>TOOLTIP_CANCEL_BTN</source>
        <translation>Luk uden at gemme</translation>
    </message>
    <message>
        <source>WHATSHIS_CANCEL_BTN</source>
        <translation>Lukker vinduet uden at gemme.</translation>
    </message>
</context>
<context>
    <name>ItemFilterField</name>
    <message>
        <source>Filtrér listen (Ctrl+L eller /)</source>
        <translation>Filtrér listen (Ctrl+L eller /)</translation>
    </message>
    <message>
        <source>Viser kun de rækker, hvis tekster indeholder hvert af de ord, der skrives her, uanset store og små bogstaver. Esc rydder feltet.</source>
        <translation>Viser kun de rækker, hvis tekster indeholder hvert af de ord, der skrives her, uanset store og små bogstaver. Esc rydder feltet.</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>%1 (%2 af %3)</source>
        <translation>%1 (%2 af %3)</translation>
    </message>
</context>
<context>
    <name>ItemListView</name>
    <message>
        <source>Navn</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>LIST_HELP_VISTREL</source>
        <translation>Listen viser billederne ordnet efter kategori. Dobbeltklik på et billede for at se eller rette det, og på en kategori for at oprette et nyt billede i den. Klik i en billedkolonne for at se billedet. Højreklik giver en menu, og et klik på en kolonneoverskrift sorterer listen.</translation>
    </message>
    <message>
        <source>LIST_HELP_NUMIVAX</source>
        <translation>Listen viser mønterne ordnet efter gruppe. Dobbeltklik på en mønt for at se eller rette den, og på en gruppe for at oprette en ny mønt i den. Klik i kolonnen med forside eller bagside for at se billedet. Højreklik giver en menu, og et klik på en kolonneoverskrift sorterer listen.</translation>
    </message>
    <message>
        <source>LIST_HELP_1</source>
        <translation>Listen viser registeret ordnet efter gruppe. Dobbeltklik på en linje for at se eller rette den, og på en gruppe for at oprette en ny i gruppen. Klik i kolonnen Billede, Kvitt., Www eller Dok. for at åbne linket. Højreklik giver en menu, og et klik på en kolonneoverskrift sorterer listen.</translation>
    </message>
    <message>
        <source>Fejl - type</source>
        <translation>Fejl - gruppe</translation>
    </message>
    <message>
        <source>MAX_LIMIT_ERROR</source>
        <translation>Gruppe nummer %1 findes ikke (databasen har %2 grupper), så posten vises ikke i listen.</translation>
    </message>
    <message>
        <source>NB!</source>
        <translation>NB!</translation>
    </message>
    <message>
        <source>Ingen URL tilknyttet valgte inventar</source>
        <translation>Der er ingen webadresse knyttet til den valgte post.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Fabrikat</source>
        <translation>Fabrikat</translation>
    </message>
    <message>
        <source>Produkt model</source>
        <translation>Produktmodel</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>Pris</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Vurd.</translation>
    </message>
    <message>
        <source>Billede</source>
        <translation>Billede</translation>
    </message>
    <message>
        <source>Kvitt.</source>
        <translation>Kvitt.</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Beskrivelse</source>
        <translation>Beskrivelse</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Serie no.</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Www</source>
        <translation>Www</translation>
    </message>
    <message>
        <source>Dok.</source>
        <translation>Dok.</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt: %2</source>
        <translation>%1 blev ikke gemt: %2</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>Eksporten mislykkedes</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 blev ikke gemt:
%2</translation>
    </message>
    <message>
        <source>sletning af &apos;%1&apos;</source>
        <translation>sletning af &apos;%1&apos;</translation>
    </message>
    <message>
        <source>sletning af %1 varer</source>
        <translation>sletning af %1 varer</translation>
    </message>
    <message>
        <source>Slet %1 billeder?</source>
        <translation>Slet %1 billeder?</translation>
    </message>
    <message>
        <source>Slet %1 mønter?</source>
        <translation>Slet %1 mønter?</translation>
    </message>
    <message>
        <source>Slet %1 varer?</source>
        <translation>Slet %1 varer?</translation>
    </message>
    <message>
        <source>Slet %1 inventar?</source>
        <translation>Slet %1 inventar?</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet; intet er slettet.</source>
        <translation>Databasen er skrivebeskyttet; intet er slettet.</translation>
    </message>
    <message>
        <source>Slet</source>
        <translation>Slet</translation>
    </message>
</context>
<context>
    <name>ItemPrintout</name>
    <message>
        <source>TotalPrice</source>
        <translation>Pris i alt</translation>
    </message>
</context>
<context>
    <name>LabelPrinterDialog</name>
    <message>
        <source>Vareetiket</source>
        <translation>Vareetiket</translation>
    </message>
    <message>
        <source>Lokationsetiket</source>
        <translation>Lokationsetiket</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 kunne ikke læses:
%2</source>
        <translation>Etiketskabelonen %1 kunne ikke læses:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 er tom.</source>
        <translation>Etiketskabelonen %1 er tom.</translation>
    </message>
    <message>
        <source>%1 × %2 punkter, %3 × %4 mm</source>
        <translation>%1 × %2 punkter, %3 × %4 mm</translation>
    </message>
    <message>
        <source>Skabelonen har ingen ^XA, så printeren læser den ikke som en etiket.</source>
        <translation>Skabelonen har ingen ^XA, så printeren læser den ikke som en etiket.</translation>
    </message>
    <message>
        <source>Etiketten slutter ikke med ^XZ: printeren venter på resten og udskriver intet.</source>
        <translation>Etiketten slutter ikke med ^XZ: printeren venter på resten og udskriver intet.</translation>
    </message>
    <message>
        <source>Ikke vist: %1</source>
        <translation>Ikke vist: %1</translation>
    </message>
    <message>
        <source>Etiketprinter</source>
        <translation>Etiketprinter</translation>
    </message>
    <message>
        <source>Skriv først printerkøen eller enheden.</source>
        <translation>Skriv først printerkøen eller enheden.</translation>
    </message>
    <message>
        <source>Prøveetiketten er sendt til %1.</source>
        <translation>Prøveetiketten er sendt til %1.</translation>
    </message>
    <message>
        <source>Etiketprinteren kunne ikke gemmes i %1:
%2</source>
        <translation>Etiketprinteren kunne ikke gemmes i %1:
%2</translation>
    </message>
</context>
<context>
    <name>LabelPrinterDialogBase</name>
    <message>
        <source>Etiketprinter</source>
        <translation>Etiketprinter</translation>
    </message>
    <message>
        <source>Den næste etiket</source>
        <translation>Den næste etiket</translation>
    </message>
    <message>
        <source>&amp;Etiket:</source>
        <translation>&amp;Etiket:</translation>
    </message>
    <message>
        <source>&amp;Printerkø eller enhed:</source>
        <translation>&amp;Printerkø eller enhed:</translation>
    </message>
    <message>
        <source>fx zebra eller /dev/usb/lp0</source>
        <translation>fx zebra eller /dev/usb/lp0</translation>
    </message>
    <message>
        <source>Navne på etiketterne</source>
        <translation>Navne på etiketterne</translation>
    </message>
    <message>
        <source>Varens &amp;navn på vareetiketter</source>
        <translation>Varens &amp;navn på vareetiketter</translation>
    </message>
    <message>
        <source>&amp;Tegn:</source>
        <translation>&amp;Tegn:</translation>
    </message>
    <message>
        <source>Lokationens n&amp;avn på lokationsetiketter</source>
        <translation>Lokationens n&amp;avn på lokationsetiketter</translation>
    </message>
    <message>
        <source>T&amp;egn:</source>
        <translation>T&amp;egn:</translation>
    </message>
    <message>
        <source>Udskriv &amp;prøveetiket</source>
        <translation>Udskriv &amp;prøveetiket</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>%1: %2 Etiketten får en Code 128-stregkode i stedet.</source>
        <translation>%1: %2 Etiketten får en Code 128-stregkode i stedet.</translation>
    </message>
    <message>
        <source>%1: %2 Etiketten får ingen stregkode.</source>
        <translation>%1: %2 Etiketten får ingen stregkode.</translation>
    </message>
    <message>
        <source>%1: Uden nummer får etiketten ingen stregkode.</source>
        <translation>%1: Uden nummer får etiketten ingen stregkode.</translation>
    </message>
    <message>
        <source>…og %1 mere</source>
        <translation>…og %1 mere</translation>
    </message>
    <message>
        <source>Indhold: %1</source>
        <translation>Indhold: %1</translation>
    </message>
</context>
<context>
    <name>LabelSheetDialog</name>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>De valgte &amp;rækker (%1)</translation>
    </message>
    <message>
        <source>&amp;Gem PDF...</source>
        <translation>&amp;Gem PDF...</translation>
    </message>
    <message>
        <source>&amp;Udskriv...</source>
        <translation>&amp;Udskriv...</translation>
    </message>
    <message>
        <source>Etiketter uden den valgte stregkode</source>
        <translation>Etiketter uden den valgte stregkode</translation>
    </message>
    <message>
        <source>Nogle etiketter kan ikke få den valgte stregkode:

%1

Udskriv etiketterne alligevel?</source>
        <translation>Nogle etiketter kan ikke få den valgte stregkode:

%1

Udskriv etiketterne alligevel?</translation>
    </message>
    <message>
        <source>Skriver etiketterne...</source>
        <translation>Skriver etiketterne...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>%1 - etiketter.pdf</source>
        <translation>%1 - etiketter.pdf</translation>
    </message>
    <message>
        <source>Gem etiketterne</source>
        <translation>Gem etiketterne</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Etiketterne blev ikke gemt</source>
        <translation>Etiketterne blev ikke gemt</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 blev ikke gemt:
%2</translation>
    </message>
    <message>
        <source>Udskriv etiketter</source>
        <translation>Udskriv etiketter</translation>
    </message>
    <message>
        <source>Etiketterne blev ikke udskrevet</source>
        <translation>Etiketterne blev ikke udskrevet</translation>
    </message>
    <message>
        <source>De &amp;viste rækker (%1)</source>
        <translation>De &amp;viste rækker (%1)</translation>
    </message>
</context>
<context>
    <name>LabelSheetDialogBase</name>
    <message>
        <source>Udskriv etiketter</source>
        <translation>Udskriv etiketter</translation>
    </message>
    <message>
        <source>Hvilke</source>
        <translation>Hvilke</translation>
    </message>
    <message>
        <source>&amp;Alle</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>&amp;Gruppen:</source>
        <translation>&amp;Gruppen:</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker</source>
        <translation>De valgte &amp;rækker</translation>
    </message>
    <message>
        <source>Etiketter</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>En etiket for hver &amp;ting</source>
        <translation>En etiket for hver &amp;ting</translation>
    </message>
    <message>
        <source>En etiket for hvert &amp;sted (QR-kode med indholdet)</source>
        <translation>En etiket for hvert &amp;sted (QR-kode med indholdet)</translation>
    </message>
    <message>
        <source>En etiket for hvert &amp;stk. (antallet)</source>
        <translation>En etiket for hvert &amp;stk. (antallet)</translation>
    </message>
    <message>
        <source>Ark</source>
        <translation>Ark</translation>
    </message>
    <message>
        <source>&amp;Ark:</source>
        <translation>&amp;Ark:</translation>
    </message>
    <message>
        <source>Begynd ved &amp;etiket nr.:</source>
        <translation>Begynd ved &amp;etiket nr.:</translation>
    </message>
    <message>
        <source>Egen opstilling</source>
        <translation>Egen opstilling</translation>
    </message>
    <message>
        <source>Sidens bredde:</source>
        <translation>Sidens bredde:</translation>
    </message>
    <message>
        <source>Sidens højde:</source>
        <translation>Sidens højde:</translation>
    </message>
    <message>
        <source>Kolonner:</source>
        <translation>Kolonner:</translation>
    </message>
    <message>
        <source>Rækker:</source>
        <translation>Rækker:</translation>
    </message>
    <message>
        <source>Etikettens bredde:</source>
        <translation>Etikettens bredde:</translation>
    </message>
    <message>
        <source>Etikettens højde:</source>
        <translation>Etikettens højde:</translation>
    </message>
    <message>
        <source>Venstre margen:</source>
        <translation>Venstre margen:</translation>
    </message>
    <message>
        <source>Øverste margen:</source>
        <translation>Øverste margen:</translation>
    </message>
    <message>
        <source>Mellem kolonner:</source>
        <translation>Mellem kolonner:</translation>
    </message>
    <message>
        <source>Mellem rækker:</source>
        <translation>Mellem rækker:</translation>
    </message>
    <message>
        <source>Indhold</source>
        <translation>Indhold</translation>
    </message>
    <message>
        <source>S&amp;tregkode:</source>
        <translation>S&amp;tregkode:</translation>
    </message>
    <message>
        <source>&amp;Navn</source>
        <translation>&amp;Navn</translation>
    </message>
    <message>
        <source>&amp;Fabrikat og model</source>
        <translation>&amp;Fabrikat og model</translation>
    </message>
    <message>
        <source>&amp;Placering</source>
        <translation>&amp;Placering</translation>
    </message>
    <message>
        <source>&amp;Pris</source>
        <translation>&amp;Pris</translation>
    </message>
    <message>
        <source>Til</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>P&amp;rinter</source>
        <translation>P&amp;rinter</translation>
    </message>
    <message>
        <source>P&amp;DF-fil</source>
        <translation>P&amp;DF-fil</translation>
    </message>
    <message>
        <source>Første ark:</source>
        <translation>Første ark:</translation>
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
        <translation>Egen opstilling</translation>
    </message>
    <message>
        <source>A4 %1 × %2 (%3)</source>
        <translation>A4 %1 × %2 (%3)</translation>
    </message>
    <message>
        <source>Siden skal have en bredde og en højde.</source>
        <translation>Siden skal have en bredde og en højde.</translation>
    </message>
    <message>
        <source>Arket skal have mindst én række og én kolonne.</source>
        <translation>Arket skal have mindst én række og én kolonne.</translation>
    </message>
    <message>
        <source>Etiketterne skal have en bredde og en højde.</source>
        <translation>Etiketterne skal have en bredde og en højde.</translation>
    </message>
    <message>
        <source>Margener og mellemrum kan ikke være negative.</source>
        <translation>Margener og mellemrum kan ikke være negative.</translation>
    </message>
    <message>
        <source>%1 kolonner med margen og mellemrum er %2 mm brede, men siden er kun %3 mm bred.</source>
        <translation>%1 kolonner med margen og mellemrum er %2 mm brede, men siden er kun %3 mm bred.</translation>
    </message>
    <message>
        <source>%1 rækker med margen og mellemrum er %2 mm høje, men siden er kun %3 mm høj.</source>
        <translation>%1 rækker med margen og mellemrum er %2 mm høje, men siden er kun %3 mm høj.</translation>
    </message>
</context>
<context>
    <name>LabelSheetWriter</name>
    <message>
        <source>Etiketterne kunne ikke skrives.</source>
        <translation>Etiketterne kunne ikke skrives.</translation>
    </message>
    <message>
        <source>Etiketter</source>
        <translation>Etiketter</translation>
    </message>
</context>
<context>
    <name>ListPrinter</name>
    <message>
        <source>Print afbrudt</source>
        <translation>Print afbrudt</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Udskriver...</translation>
    </message>
    <message>
        <source>Printing (page %1)...</source>
        <translation>Udskriver (side %1)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Udskrift færdig</translation>
    </message>
    <message>
        <source>Print mislykkedes</source>
        <translation>Udskrift mislykkedes</translation>
    </message>
    <message>
        <source>De valgte kolonner er bredere end papiret, også på tværs af siden og med den mindste skrift (%1 punkter).</source>
        <translation>De valgte kolonner er bredere end papiret, også på tværs af siden og med den mindste skrift (%1 punkter).</translation>
    </message>
    <message>
        <source>Teksten i disse kolonner fortsætter derfor på flere linjer: %1.</source>
        <translation>Teksten i disse kolonner fortsætter derfor på flere linjer: %1.</translation>
    </message>
    <message>
        <source>Der er ikke plads til disse kolonner, så de udelades: %1.</source>
        <translation>Der er ikke plads til disse kolonner, så de udelades: %1.</translation>
    </message>
    <message>
        <source>Vælg færre felter eller kortere feltlængder under Opsætning, Udskrivning for at få hver post på én linje.</source>
        <translation>Vælg færre felter eller kortere feltlængder under Opsætning, Udskrivning for at få hver post på én linje.</translation>
    </message>
    <message>
        <source>Listen er for bred til papiret</source>
        <translation>Listen er for bred til papiret</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>&amp;Annuller</source>
        <translation>&amp;Annuller</translation>
    </message>
</context>
<context>
    <name>LocationUpdate</name>
    <message>
        <source>Move failed, location2: %1 not found, max groups: %2</source>
        <translation>Flytning mislykkedes, lokation 2: %1 findes ikke, antal grupper: %2</translation>
    </message>
    <message>
        <source>Move failed, location1: %1 not found, max groups: %2</source>
        <translation>Flytning mislykkedes, lokation 1: %1 findes ikke, antal grupper: %2</translation>
    </message>
    <message>
        <source>Update failed for location: %1, inventory_id: %2, items: %3</source>
        <translation>Opdatering mislykkedes for lokation: %1, varenummer: %2, antal: %3</translation>
    </message>
    <message>
        <source>Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Optælling (I) mislykkedes, for få varer: %1 i post: %2 - kan ikke trække %3 fra</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - not found at location: %2</source>
        <translation>Flytning mislykkedes, vare: %1 - findes ikke på lokation: %2</translation>
    </message>
    <message>
        <source>Move failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Flytning mislykkedes, for få varer: %1 i post: %2 - kan ikke trække %3 fra</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - the number of items to move must be at least 1: %2</source>
        <translation>Flytning mislykkedes, vare: %1 - antallet, der flyttes, skal være mindst 1: %2</translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke slettes, og dens flytninger vil blive udført igen ved næste indlæsning:
%2</source>
        <translation>Filen %1 kunne ikke slettes, og dens flytninger vil blive udført igen ved næste indlæsning:
%2</translation>
    </message>
    <message>
        <source>Post %1 for vare %2 mislykkedes: antallet %3 ligger uden for det, en vare kan have (%4 til %5)</source>
        <translation>Post %1 for vare %2 mislykkedes: antallet %3 ligger uden for det, en vare kan have (%4 til %5)</translation>
    </message>
    <message>
        <source>Optælling (I) mislykkedes for vare %1: %2 + %3 stykker er flere, end en vare kan have (%4)</source>
        <translation>Optælling (I) mislykkedes for vare %1: %2 + %3 stykker er flere, end en vare kan have (%4)</translation>
    </message>
    <message>
        <source>Flytning mislykkedes for vare %1: %2 + %3 stykker på lokation %4 er flere, end en vare kan have (%5)</source>
        <translation>Flytning mislykkedes for vare %1: %2 + %3 stykker på lokation %4 er flere, end en vare kan have (%5)</translation>
    </message>
    <message>
        <source>Placering (S) mislykkedes for vare %1: der er intet varenummer efter %2 til den nye vare</source>
        <translation>Placering (S) mislykkedes for vare %1: der er intet varenummer efter %2 til den nye vare</translation>
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
        <translation>Vælg billedvisningsprogram</translation>
    </message>
    <message>
        <source>Billede visnings program (*.exe)</source>
        <translation>Billedvisningsprogram (*.exe)</translation>
    </message>
    <message>
        <source>Vælg internet (www) program</source>
        <translation>Vælg internetprogram (www)</translation>
    </message>
    <message>
        <source>Internet (www) program (*.exe)</source>
        <translation>Internetprogram (*.exe)</translation>
    </message>
    <message>
        <source>FileError</source>
        <translation>Filfejl</translation>
    </message>
    <message>
        <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
        <translation>Databasefilen kan ikke åbnes eller læses.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
        <translation>%1 indlæst, %2 poster, tid: %3 sek.</translation>
    </message>
    <message>
        <source>SAVE_CURRENT_DB_QUESTION</source>
        <translation>Databasen er ændret. Vil du gemme ændringerne?</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Gem &amp;ikke</source>
        <translation>Gem &amp;ikke</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Åben ostrana register fil</source>
        <translation>Vælg databasefil</translation>
    </message>
    <message>
        <source>ITEMS_SAVED_DB_MESSAGE </source>
        <translation>%1 gemt, %2 poster, tid: %3 sek. </translation>
    </message>
    <message>
        <source>BackupCurrentDB</source>
        <translation>Sikkerhedskopi af databasen</translation>
    </message>
    <message>
        <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
        <translation>Der blev ikke valgt nogen fil, så der er ikke taget nogen sikkerhedskopi.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
        <translation>Det nye sprog bruges, når programmet startes igen. Ved næste start åbnes demodatabasen på det nye sprog.</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Om Quorvel</translation>
    </message>
    <message>
        <source>AboutQuorvelDetails</source>
        <translation>Quorvel - lagerregister

Hold styr på varelageret i en lille butik eller et lager: varer, antal, priser, leverandører og placeringer. Udskriv stregkodeetiketter, og flyt varer mellem placeringer ved at indlæse filerne fra en stregkodescanner.

Flere kan åbne den samme database; den første, der åbner den, kan gemme.</translation>
    </message>
    <message>
        <source>About Vistrel</source>
        <translation>Om Vistrel</translation>
    </message>
    <message>
        <source>AboutVistrelDetails</source>
        <translation>Vistrel - billeddatabase

Registrér din samling af billeder og kunstværker: titel, kunstner, teknik, vurdering, salgspris og placering, med et billede af hvert værk.

Udskriv lister og rapporter, eller vis samlingen som HTML.</translation>
    </message>
    <message>
        <source>About Numivax</source>
        <translation>Om Numivax</translation>
    </message>
    <message>
        <source>AboutNumivaxDetails</source>
        <translation>Numivax - møntdatabase

Registrér din møntsamling: pålydende, årstal, metal, kvalitet, katalognummer og værdi, med billeder af forside og bagside.

Udskriv lister og rapporter, eller vis samlingen og de mønter, du mangler, som HTML.</translation>
    </message>
    <message>
        <source>About Ostrana</source>
        <translation>Om Ostrana</translation>
    </message>
    <message>
        <source>AboutOstranaDetails</source>
        <translation>Ostrana - indboregister

Registrér dit indbo: møbler, værktøj, tøj og alt det andet, du ejer, med pris, købsdato, leverandør, serienummer, billeder og kvitteringer. Registeret er en god hjælp ved forsikring, flytning og efter tyveri eller brand.

Udskriv lister og rapporter pr. gruppe, eller gem registeret som HTML eller XML.</translation>
    </message>
    <message>
        <source>CommonSetupDialogTitle</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 gemt, antal: %3, tid: %4 sec </translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 gemt, antal: %3, tid: %4 sec </translation>
    </message>
    <message>
        <source>%1 blev ikke gemt: %2</source>
        <translation>%1 blev ikke gemt: %2</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>Eksporten mislykkedes</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 blev ikke gemt:
%2</translation>
    </message>
    <message>
        <source>Demodatabasen %1 kan ikke åbnes eller læses, og programmet afsluttes.</source>
        <translation>Demodatabasen %1 kan ikke åbnes eller læses, og programmet afsluttes.</translation>
    </message>
    <message>
        <source>Databasefilen %1 kan ikke åbnes eller læses, og programmet afsluttes. Filen er ikke ændret. Næste gang programmet startes, åbner det demodatabasen %2.</source>
        <translation>Databasefilen %1 kan ikke åbnes eller læses, og programmet afsluttes. Filen er ikke ændret. Næste gang programmet startes, åbner det demodatabasen %2.</translation>
    </message>
    <message>
        <source>Versionen %1 findes ikke længere.</source>
        <translation>Versionen %1 findes ikke længere.</translation>
    </message>
    <message>
        <source>Versionen fra %1 er gendannet, men endnu ikke gemt i %2.</source>
        <translation>Versionen fra %1 er gendannet, men endnu ikke gemt i %2.</translation>
    </message>
    <message>
        <source>Importen er ikke mulig</source>
        <translation>Importen er ikke mulig</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.</source>
        <translation>Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.</translation>
    </message>
    <message>
        <source>%1 poster er importeret fra %2. Rediger &gt; Fortryd import tager dem ud igen.</source>
        <translation>%1 poster er importeret fra %2. Rediger &gt; Fortryd import tager dem ud igen.</translation>
    </message>
    <message>
        <source>Vælg først de rækker, der skal rettes.</source>
        <translation>Vælg først de rækker, der skal rettes.</translation>
    </message>
    <message>
        <source>%1 rækker er rettet.</source>
        <translation>%1 rækker er rettet.</translation>
    </message>
    <message>
        <source>%1 af %2 billede</source>
        <translation>%1 af %2 billede</translation>
    </message>
    <message>
        <source>%1 af %2 billeder</source>
        <translation>%1 af %2 billeder</translation>
    </message>
    <message>
        <source>%1 af %2 mønt</source>
        <translation>%1 af %2 mønt</translation>
    </message>
    <message>
        <source>%1 af %2 mønter</source>
        <translation>%1 af %2 mønter</translation>
    </message>
    <message>
        <source>%1 af %2 vare</source>
        <translation>%1 af %2 vare</translation>
    </message>
    <message>
        <source>%1 af %2 varer</source>
        <translation>%1 af %2 varer</translation>
    </message>
    <message>
        <source>%1 af %2 genstand</source>
        <translation>%1 af %2 genstand</translation>
    </message>
    <message>
        <source>%1 af %2 genstande</source>
        <translation>%1 af %2 genstande</translation>
    </message>
    <message>
        <source>Databasefilen %1 findes ikke eller kan ikke læses. Programmet åbner i stedet den database, det plejer at starte med.</source>
        <translation>Databasefilen %1 findes ikke eller kan ikke læses. Programmet åbner i stedet den database, det plejer at starte med.</translation>
    </message>
    <message>
        <source>Filen %1 kan ikke åbnes som en %2-database. Filen er ikke ændret. Programmet åbner i stedet den database, det plejer at starte med.</source>
        <translation>Filen %1 kan ikke åbnes som en %2-database. Filen er ikke ændret. Programmet åbner i stedet den database, det plejer at starte med.</translation>
    </message>
    <message>
        <source>Eksempel</source>
        <translation>Eksempel</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
</context>
<context>
    <name>MainWindowMenus</name>
    <message>
        <source>QuorvelHelpAbout</source>
        <translation>&amp;Om Quorvel...</translation>
    </message>
    <message>
        <source>VistrelHelpAbout</source>
        <translation>&amp;Om Vistrel...</translation>
    </message>
    <message>
        <source>NumivaxHelpAbout</source>
        <translation>&amp;Om Numivax...</translation>
    </message>
    <message>
        <source>&amp;Fil</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>FILE_NEW</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_NEW</source>
        <translation>Opretter en ny, tom database. Er den åbne database ændret, bliver du spurgt, om den skal gemmes først.</translation>
    </message>
    <message>
        <source>FILE_OPEN</source>
        <translation>&amp;Åbn...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_OPEN</source>
        <translation>Åbner en databasefil (*.inb, *.txt, *.db) med dens lister over grupper, lokaler og leverandører.</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>Opdater p&amp;laceringer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Indlæser filerne fra stregkodescanneren og flytter varerne til de scannede placeringer. Databasen gemmes bagefter.</translation>
    </message>
    <message>
        <source>FILE_SAVE</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE</source>
        <translation>Gemmer databasen i den åbne fil. En ny database uden navn gemmes under et navn, du vælger.</translation>
    </message>
    <message>
        <source>FILE_SAVE_AS</source>
        <translation>Gem &amp;som...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE_AS</source>
        <translation>Gemmer databasen under et nyt navn sammen med dens lister.</translation>
    </message>
    <message>
        <source>BACKUP...</source>
        <translation>Sikkerheds&amp;kopi...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_BACKUP</source>
        <translation>Gemmer en kopi af databasen i en fil, du vælger (*.bak). Den åbne fil og dens navn ændres ikke.</translation>
    </message>
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Gem som &amp;HTML</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Gem som &amp;XML</translation>
    </message>
    <message>
        <source>SAVE_SETTINGS</source>
        <translation>Gem &amp;indstillinger</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVESETTINGS</source>
        <translation>Gemmer vinduets størrelse og placering, kolonnebredderne, listen over de seneste filer og &quot;Vis alle&quot;.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Udskriv s&amp;tregkoder...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Udskriver stregkodeetiketter for den valgte vare eller gruppe på etiketprinteren.</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>&amp;Udskriv...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Udskriver en liste over registeret. Hvad der udskrives, vælges under Opsætning, Udskrivning.</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Rediger</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>Rediger inventar</translation>
    </message>
    <message>
        <source>VistrelEdit</source>
        <translation>Rediger billede</translation>
    </message>
    <message>
        <source>NumivaxEdit</source>
        <translation>Rediger mønt</translation>
    </message>
    <message>
        <source>QuorvelEdit</source>
        <translation>&amp;Rediger vare</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Åbner den valgte post i redigeringsvinduet. Er en gruppe eller intet valgt, oprettes en ny post.</translation>
    </message>
    <message>
        <source>&amp;Slet Ostrana</source>
        <translation>&amp;Slet inventar</translation>
    </message>
    <message>
        <source>VistrelEditDelete</source>
        <translation>&amp;Slet billede</translation>
    </message>
    <message>
        <source>NumivaxEditDelete</source>
        <translation>&amp;Slet mønt</translation>
    </message>
    <message>
        <source>QuorvelEditDelete</source>
        <translation>&amp;Slet vare</translation>
    </message>
    <message>
        <source>Sø&amp;g Ostrana...</source>
        <translation>Sø&amp;g inventar...</translation>
    </message>
    <message>
        <source>VistrelEditSearc</source>
        <translation>Sø&amp;g billede...</translation>
    </message>
    <message>
        <source>NumivaxEditSearc</source>
        <translation>Sø&amp;g mønt...</translation>
    </message>
    <message>
        <source>QuorvelEditSearch</source>
        <translation>Sø&amp;g vare...</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søg i databasen</translation>
    </message>
    <message>
        <source>Precreate items in Quorvel</source>
        <translation>&amp;Opret varer på forhånd...</translation>
    </message>
    <message>
        <source>&amp;Vis</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>Vis &amp;alle</source>
        <translation>Vis &amp;alle</translation>
    </message>
    <message>
        <source>VIEW_ALL_HTML_TABLE</source>
        <translation>Vis alle som HTML-&amp;tabel</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>Vis alle som &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML</source>
        <translation>Vis manglende mø&amp;nter som HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML</source>
        <translation>Laver en HTML-side med de mønter, hvis værdi er 0 (fx dem, du mangler i samlingen), og åbner den.</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_XML</source>
        <translation>Vis alle som &amp;XML</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis valgte som HT&amp;ML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_CURRENT_AS_HTML</source>
        <translation>Laver en HTML-side med den post, der er valgt i listen, og åbner den i browseren.</translation>
    </message>
    <message>
        <source>VISTREL_SHOW_PICTURE</source>
        <translation>Vis &amp;billede</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_FRONTSIDE_PICTURE_NUMIVAX</source>
        <translation>Vis forside</translation>
    </message>
    <message>
        <source>VIS_BILLEDE</source>
        <translation>Vis &amp;billede</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Viser billedet af den valgte post.</translation>
    </message>
    <message>
        <source>VISTREL_SHOW_PICTURE2</source>
        <translation>Vis billede &amp;2</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Vis bagside</translation>
    </message>
    <message>
        <source>VIS_KVITTERING</source>
        <translation>Vis &amp;kvittering</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Viser billedet af den valgte mønts bagside.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_RECEIPT</source>
        <translation>Åbner kvitteringen (eller det andet billede) for den valgte post.</translation>
    </message>
    <message>
        <source>VIS_WWW</source>
        <translation>Vis &amp;www</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_URL</source>
        <translation>Åbner webadressen for den valgte post i internetprogrammet.</translation>
    </message>
    <message>
        <source>VIS_DOCUMENT</source>
        <translation>Vis &amp;dokument</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
        <translation>Åbner dokumentet, der er knyttet til den valgte post.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Viser en rapport med antal og værdi for hver gruppe.</translation>
    </message>
    <message>
        <source>&amp;Opsætning</source>
        <translation>&amp;Opsætning</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Udskrivning...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Lokaler/rum...</translation>
    </message>
    <message>
        <source>&amp;Inventar typer (grupper)...</source>
        <translation>&amp;Inventartyper (grupper)...</translation>
    </message>
    <message>
        <source>LEVERANDØRER</source>
        <translation>Le&amp;verandører...</translation>
    </message>
    <message>
        <source>&amp;Billedvisnings program...</source>
        <translation>&amp;Billedvisningsprogram...</translation>
    </message>
    <message>
        <source>Internet program (&amp;www)...</source>
        <translation>Internetprogram (&amp;www)...</translation>
    </message>
    <message>
        <source>SetupDefaultDirectories</source>
        <translation>Standard&amp;mapper...</translation>
    </message>
    <message>
        <source>LANGUAGE_MENU</source>
        <translation>&amp;Sprog</translation>
    </message>
    <message>
        <source>DANISH_LANG...</source>
        <translation>&amp;Dansk...</translation>
    </message>
    <message>
        <source>NORWAY_LANG...</source>
        <translation>&amp;Norsk...</translation>
    </message>
    <message>
        <source>ENGLISH_LANG...</source>
        <translation>&amp;Engelsk...</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Hjælp...</source>
        <translation>&amp;Hjælp...</translation>
    </message>
    <message>
        <source>&amp;Tutorial...</source>
        <translation>&amp;Kom godt i gang...</translation>
    </message>
    <message>
        <source>&amp;Links...</source>
        <translation>&amp;Links...</translation>
    </message>
    <message>
        <source>&amp;ErrorHandling...</source>
        <translation>&amp;Fejlfinding...</translation>
    </message>
    <message>
        <source>&amp;Release noter...</source>
        <translation>&amp;Udgivelsesnoter...</translation>
    </message>
    <message>
        <source>&amp;Hvad er det ?</source>
        <translation>H&amp;vad er det?</translation>
    </message>
    <message>
        <source>&amp;Om ostrana register...</source>
        <translation>&amp;Om Ostrana...</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Værktøjer</translation>
    </message>
    <message>
        <source>Gendan en tidligere version...</source>
        <translation>Gendan en tidligere version...</translation>
    </message>
    <message>
        <source>Åbner en af de versioner af databasefilen, som de seneste gemninger har erstattet.</source>
        <translation>Åbner en af de versioner af databasefilen, som de seneste gemninger har erstattet.</translation>
    </message>
    <message>
        <source>&amp;Nyt inventar...</source>
        <translation>&amp;Nyt inventar...</translation>
    </message>
    <message>
        <source>&amp;Nyt billede...</source>
        <translation>&amp;Nyt billede...</translation>
    </message>
    <message>
        <source>&amp;Ny mønt...</source>
        <translation>&amp;Ny mønt...</translation>
    </message>
    <message>
        <source>&amp;Ny vare...</source>
        <translation>&amp;Ny vare...</translation>
    </message>
    <message>
        <source>Åbner redigeringsvinduet på en ny post i gruppen for den valgte række (den første gruppe, når ingen række er valgt).</source>
        <translation>Åbner redigeringsvinduet på en ny post i gruppen for den valgte række (den første gruppe, når ingen række er valgt).</translation>
    </message>
    <message>
        <source>Importér</source>
        <translation>Importér</translation>
    </message>
    <message>
        <source>Regneark (CSV)...</source>
        <translation>Regneark (CSV)...</translation>
    </message>
    <message>
        <source>Læser poster fra et regneark (en CSV-fil) ind i databasen.</source>
        <translation>Læser poster fra et regneark (en CSV-fil) ind i databasen.</translation>
    </message>
    <message>
        <source>Eksportér</source>
        <translation>Eksportér</translation>
    </message>
    <message>
        <source>Gemmer registret, en gruppe eller de valgte rækker som en fil, et regneark kan åbne.</source>
        <translation>Gemmer registret, en gruppe eller de valgte rækker som en fil, et regneark kan åbne.</translation>
    </message>
    <message>
        <source>&amp;Værdiopgørelse (PDF)...</source>
        <translation>&amp;Værdiopgørelse (PDF)...</translation>
    </message>
    <message>
        <source>Skriver en opgørelse med billeder, kvitteringer og summer til forsikringen eller en vurdering.</source>
        <translation>Skriver en opgørelse med billeder, kvitteringer og summer til forsikringen eller en vurdering.</translation>
    </message>
    <message>
        <source>&amp;Ret valgte...</source>
        <translation>&amp;Ret valgte...</translation>
    </message>
    <message>
        <source>Ændrer gruppe, sted, leverandør, dato eller vurderet pris for alle de valgte rækker på én gang.</source>
        <translation>Ændrer gruppe, sted, leverandør, dato eller vurderet pris for alle de valgte rækker på én gang.</translation>
    </message>
    <message>
        <source>&amp;Vælg alle</source>
        <translation>&amp;Vælg alle</translation>
    </message>
    <message>
        <source>Vælger alle rækker i listen, i alle grupper.</source>
        <translation>Vælger alle rækker i listen, i alle grupper.</translation>
    </message>
    <message>
        <source>Vælg &amp;gruppens rækker</source>
        <translation>Vælg &amp;gruppens rækker</translation>
    </message>
    <message>
        <source>Føjer alle rækker i den valgte rækkes gruppe til de valgte.</source>
        <translation>Føjer alle rækker i den valgte rækkes gruppe til de valgte.</translation>
    </message>
    <message>
        <source>&amp;Etiketprinter...</source>
        <translation>&amp;Etiketprinter...</translation>
    </message>
    <message>
        <source>&amp;Statistik...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>Viser summerne fordelt på gruppe, sted, leverandør og købsår, med diagrammer.</source>
        <translation>Viser summerne fordelt på gruppe, sted, leverandør og købsår, med diagrammer.</translation>
    </message>
    <message>
        <source>Udskriv &amp;etiketter...</source>
        <translation>Udskriv &amp;etiketter...</translation>
    </message>
    <message>
        <source>Udskriver etiketter med stregkode eller QR-kode på etiketark, på en printer eller i en PDF-fil.</source>
        <translation>Udskriver etiketter med stregkode eller QR-kode på etiketark, på en printer eller i en PDF-fil.</translation>
    </message>
</context>
<context>
    <name>PageHeading</name>
    <message>
        <source>Ny database (ikke gemt)</source>
        <translation>Ny database (ikke gemt)</translation>
    </message>
    <message>
        <source>%1 eller %2</source>
        <translation>%1 eller %2</translation>
    </message>
    <message>
        <source>Alle poster</source>
        <translation>Alle poster</translation>
    </message>
    <message>
        <source>%1, sorteret efter %2</source>
        <translation>%1, sorteret efter %2</translation>
    </message>
    <message>
        <source>side %1 af %2</source>
        <translation>side %1 af %2</translation>
    </message>
</context>
<context>
    <name>PrintFieldTitles</name>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Kun %1</source>
        <translation>Kun %1</translation>
    </message>
    <message>
        <source>%1 (i alt)</source>
        <translation>%1 (i alt)</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Filen kunne ikke skrives helt</source>
        <translation>Filen kunne ikke skrives helt</translation>
    </message>
    <message>
        <source>Udskriften mislykkedes</source>
        <translation>Udskriften mislykkedes</translation>
    </message>
    <message>
        <source>Udskriften kunne ikke gemmes i %1:
%2

En tidligere fil af det navn er uændret.</source>
        <translation>Udskriften kunne ikke gemmes i %1:
%2

En tidligere fil af det navn er uændret.</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
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
        <translation>Filen kunne ikke skrives.</translation>
    </message>
    <message>
        <source>den kan ikke læses (%1)</source>
        <translation>den kan ikke læses (%1)</translation>
    </message>
    <message>
        <source>den er beskadiget</source>
        <translation>den er beskadiget</translation>
    </message>
    <message>
        <source>den er beskadiget (kontrolsummen passer ikke)</source>
        <translation>den er beskadiget (kontrolsummen passer ikke)</translation>
    </message>
    <message>
        <source>den hører til programmet %1</source>
        <translation>den hører til programmet %1</translation>
    </message>
    <message>
        <source>den hører til en ny database</source>
        <translation>den hører til en ny database</translation>
    </message>
    <message>
        <source>den hører til en anden database (%1)</source>
        <translation>den hører til en anden database (%1)</translation>
    </message>
    <message>
        <source>databasefilen er ændret, siden ændringerne blev gjort</source>
        <translation>databasefilen er ændret, siden ændringerne blev gjort</translation>
    </message>
</context>
<context>
    <name>RecoveryReplay</name>
    <message>
        <source>ændring nr. %1 kan ikke læses</source>
        <translation>ændring nr. %1 kan ikke læses</translation>
    </message>
    <message>
        <source>en vare kan ikke læses</source>
        <translation>en vare kan ikke læses</translation>
    </message>
    <message>
        <source>ændring nr. %1 passer ikke til databasen</source>
        <translation>ændring nr. %1 passer ikke til databasen</translation>
    </message>
</context>
<context>
    <name>ReplacedVersion</name>
    <message>
        <source>Filen kunne ikke få et navn i mappen med versioner.</source>
        <translation>Filen kunne ikke få et navn i mappen med versioner.</translation>
    </message>
    <message>
        <source>Mappen kunne ikke oprettes.</source>
        <translation>Mappen kunne ikke oprettes.</translation>
    </message>
    <message>
        <source>Databasefilen er flyttet</source>
        <translation>Databasefilen er flyttet</translation>
    </message>
    <message>
        <source>Den hidtidige databasefil kunne ikke flyttes tilbage til %1:
%2

Den ligger nu i %3.</source>
        <translation>Den hidtidige databasefil kunne ikke flyttes tilbage til %1:
%2

Den ligger nu i %3.</translation>
    </message>
    <message>
        <source>Ingen tidligere version gemt</source>
        <translation>Ingen tidligere version gemt</translation>
    </message>
    <message>
        <source>Databasen er gemt, men den fil, den erstattede, kunne ikke gemmes som tidligere version i %1:
%2

Databasen gemmes fortsat som hidtil, men uden tidligere versioner. Det nævnes kun denne ene gang, til programmet startes igen.</source>
        <translation>Databasen er gemt, men den fil, den erstattede, kunne ikke gemmes som tidligere version i %1:
%2

Databasen gemmes fortsat som hidtil, men uden tidligere versioner. Det nævnes kun denne ene gang, til programmet startes igen.</translation>
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
        <translation>Billeder: samlet oversigt efter gruppe</translation>
    </message>
    <message>
        <source>OSTRANA_REPORT_HEADER_TEXT</source>
        <translation>Samlet oversigt efter gruppe</translation>
    </message>
    <message>
        <source>FUNI_TOTAL_TEXT</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>FUNI_COUNT_TEXT</source>
        <translation>Antal poster: %1</translation>
    </message>
</context>
<context>
    <name>ReportDialogBase</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Rapport (Samlet oversigt)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Sum af alt inventar efter gruppe</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>Udskriv rapport over ostrana grupper</source>
        <translation>Udskriv rapporten over grupperne</translation>
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
        <translation>Gendan en tidligere version</translation>
    </message>
    <message>
        <source>Gemt</source>
        <translation>Gemt</translation>
    </message>
    <message>
        <source>Poster</source>
        <translation>Poster</translation>
    </message>
    <message>
        <source>Størrelse</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>&amp;Gendan</source>
        <translation>&amp;Gendan</translation>
    </message>
    <message>
        <source>&amp;Luk</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Der er ingen tidligere versioner af %1.</source>
        <translation>Der er ingen tidligere versioner af %1.</translation>
    </message>
    <message>
        <source>Tidligere versioner af %1, den nyeste først. En gendannet version åbnes i stedet for databasen, og den gemmes først, når du gemmer.</source>
        <translation>Tidligere versioner af %1, den nyeste først. En gendannet version åbnes i stedet for databasen, og den gemmes først, når du gemmer.</translation>
    </message>
    <message>
        <source>ukendt</source>
        <translation>ukendt</translation>
    </message>
</context>
<context>
    <name>StatisticsDialog</name>
    <message>
        <source>Alle poster (%1)</source>
        <translation>Alle poster (%1)</translation>
    </message>
    <message>
        <source>De valgte rækker (%1)</source>
        <translation>De valgte rækker (%1)</translation>
    </message>
    <message>
        <source>Købsår</source>
        <translation>Købsår</translation>
    </message>
    <message>
        <source>Værdi i dag fordelt på %1</source>
        <translation>Værdi i dag fordelt på %1</translation>
    </message>
    <message>
        <source>Købspris i alt fordelt på købsår</source>
        <translation>Købspris i alt fordelt på købsår</translation>
    </message>
    <message>
        <source>Antal poster</source>
        <translation>Antal poster</translation>
    </message>
    <message>
        <source>Købspris i alt</source>
        <translation>Købspris i alt</translation>
    </message>
    <message>
        <source>Værdi i dag i alt</source>
        <translation>Værdi i dag i alt</translation>
    </message>
    <message>
        <source>&amp;Kopiér diagrammet</source>
        <translation>&amp;Kopiér diagrammet</translation>
    </message>
    <message>
        <source>&amp;Gem som PNG...</source>
        <translation>&amp;Gem som PNG...</translation>
    </message>
    <message>
        <source>Poster: %1, købspris i alt %2, værdi i dag i alt %3</source>
        <translation>Poster: %1, købspris i alt %2, værdi i dag i alt %3</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uden navn)</translation>
    </message>
    <message>
        <source>(ingen)</source>
        <translation>(ingen)</translation>
    </message>
    <message>
        <source>(uden dato)</source>
        <translation>(uden dato)</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>De viste rækker (%1)</source>
        <translation>De viste rækker (%1)</translation>
    </message>
</context>
<context>
    <name>StatisticsDialogBase</name>
    <message>
        <source>Statistik</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Poster:</source>
        <translation>&amp;Poster:</translation>
    </message>
</context>
<context>
    <name>StorageCheck</name>
    <message>
        <source>Teksten indeholder et nul-tegn.</source>
        <translation>Teksten indeholder et nul-tegn.</translation>
    </message>
    <message>
        <source>Tallet %1 kan ikke gemmes; kun endelige tal kan.</source>
        <translation>Tallet %1 kan ikke gemmes; kun endelige tal kan.</translation>
    </message>
    <message>
        <source>Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.</source>
        <translation>Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.</translation>
    </message>
    <message>
        <source>Navnet på linje %1 kan ikke gemmes: &quot;%2&quot;
%3</source>
        <translation>Navnet på linje %1 kan ikke gemmes: &quot;%2&quot;
%3</translation>
    </message>
    <message>
        <source>Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.</source>
        <translation>Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.</translation>
    </message>
    <message>
        <source>Linjeskift kan ikke gemmes i et felt.</source>
        <translation>Linjeskift kan ikke gemmes i et felt.</translation>
    </message>
    <message>
        <source>Tegnene %1 kan ikke gemmes i databasen.</source>
        <translation>Tegnene %1 kan ikke gemmes i databasen.</translation>
    </message>
    <message>
        <source>Databasen kan højst gemme %1 tegn i et felt.</source>
        <translation>Databasen kan højst gemme %1 tegn i et felt.</translation>
    </message>
    <message>
        <source>Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), som et felt ikke kan have.</source>
        <translation>Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), som et felt ikke kan have.</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>ændring</source>
        <translation>ændring</translation>
    </message>
    <message>
        <source>Fortryd %1</source>
        <translation>Fortryd %1</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Fortryd</translation>
    </message>
    <message>
        <source>Gentag %1</source>
        <translation>Gentag %1</translation>
    </message>
    <message>
        <source>Gentag</source>
        <translation>Gentag</translation>
    </message>
</context>
<context>
    <name>UpdateLocations</name>
    <message>
        <source>File: does not exist</source>
        <translation>Filen findes ikke</translation>
    </message>
    <message>
        <source>Open_Location_File</source>
        <translation>Åbn lokationsfil</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Lokationsfil (*.txt *.loc)</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/DeleteLocationFile</name>
    <message>
        <source>File: does not exist</source>
        <translation>Filen findes ikke</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/ParseLocationFile</name>
    <message>
        <source>Copy of file: %1 to %2 failed</source>
        <translation>Filen %1 kunne ikke kopieres til %2</translation>
    </message>
    <message>
        <source>Cannot open file %1 for reading</source>
        <translation>Filen %1 kan ikke åbnes for læsning</translation>
    </message>
</context>
<context>
    <name>ValueReport</name>
    <message>
        <source>Fordelt på %1</source>
        <translation>Fordelt på %1</translation>
    </message>
    <message>
        <source>Antal poster</source>
        <translation>Antal poster</translation>
    </message>
    <message>
        <source>Købspris i alt</source>
        <translation>Købspris i alt</translation>
    </message>
    <message>
        <source>Værdi i dag i alt</source>
        <translation>Værdi i dag i alt</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uden navn)</translation>
    </message>
    <message>
        <source>(ingen)</source>
        <translation>(ingen)</translation>
    </message>
    <message>
        <source>Købsår</source>
        <translation>Købsår</translation>
    </message>
    <message>
        <source>(uden dato)</source>
        <translation>(uden dato)</translation>
    </message>
    <message>
        <source>Værdiopgørelse</source>
        <translation>Værdiopgørelse</translation>
    </message>
    <message>
        <source>PDF-filen kunne ikke skrives.</source>
        <translation>PDF-filen kunne ikke skrives.</translation>
    </message>
    <message>
        <source>side %1 af %2</source>
        <translation>side %1 af %2</translation>
    </message>
    <message>
        <source>Ejer: %1</source>
        <translation>Ejer: %1</translation>
    </message>
    <message>
        <source>Policenummer: %1</source>
        <translation>Policenummer: %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Database: %1</translation>
    </message>
    <message>
        <source>Opgørelsens dato: %1</source>
        <translation>Opgørelsens dato: %1</translation>
    </message>
    <message>
        <source>Antal poster: %1</source>
        <translation>Antal poster: %1</translation>
    </message>
    <message>
        <source>Købspris i alt: %1</source>
        <translation>Købspris i alt: %1</translation>
    </message>
    <message>
        <source>Værdi i dag i alt: %1</source>
        <translation>Værdi i dag i alt: %1</translation>
    </message>
    <message>
        <source>Poster, hvis billede ikke blev fundet: %1</source>
        <translation>Poster, hvis billede ikke blev fundet: %1</translation>
    </message>
    <message>
        <source>billede ikke fundet: %1</source>
        <translation>billede ikke fundet: %1</translation>
    </message>
    <message>
        <source>%1 (ikke fundet)</source>
        <translation>%1 (ikke fundet)</translation>
    </message>
</context>
<context>
    <name>ValueReportDialog</name>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>De valgte &amp;rækker (%1)</translation>
    </message>
    <message>
        <source>Værdi i dag, højeste først</source>
        <translation>Værdi i dag, højeste først</translation>
    </message>
    <message>
        <source>%1 - værdiopgørelse.pdf</source>
        <translation>%1 - værdiopgørelse.pdf</translation>
    </message>
    <message>
        <source>Gem værdiopgørelsen</source>
        <translation>Gem værdiopgørelsen</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Skriver værdiopgørelsen...</source>
        <translation>Skriver værdiopgørelsen...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Værdiopgørelsen blev ikke gemt</source>
        <translation>Værdiopgørelsen blev ikke gemt</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 blev ikke gemt:
%2</translation>
    </message>
    <message>
        <source>De &amp;viste rækker (%1)</source>
        <translation>De &amp;viste rækker (%1)</translation>
    </message>
</context>
<context>
    <name>ValueReportDialogBase</name>
    <message>
        <source>Værdiopgørelse (PDF)</source>
        <translation>Værdiopgørelse (PDF)</translation>
    </message>
    <message>
        <source>Medtag</source>
        <translation>Medtag</translation>
    </message>
    <message>
        <source>&amp;Alle poster</source>
        <translation>&amp;Alle poster</translation>
    </message>
    <message>
        <source>&amp;Gruppen:</source>
        <translation>&amp;Gruppen:</translation>
    </message>
    <message>
        <source>&amp;Stedet:</source>
        <translation>&amp;Stedet:</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker</source>
        <translation>De valgte &amp;rækker</translation>
    </message>
    <message>
        <source>&amp;Ejer:</source>
        <translation>&amp;Ejer:</translation>
    </message>
    <message>
        <source>A&amp;dresse:</source>
        <translation>A&amp;dresse:</translation>
    </message>
    <message>
        <source>&amp;Policenummer:</source>
        <translation>&amp;Policenummer:</translation>
    </message>
    <message>
        <source>S&amp;orteret efter:</source>
        <translation>S&amp;orteret efter:</translation>
    </message>
    <message>
        <source>Med &amp;billeder</source>
        <translation>Med &amp;billeder</translation>
    </message>
    <message>
        <source>Med &amp;kvitteringer</source>
        <translation>Med &amp;kvitteringer</translation>
    </message>
</context>
<context>
    <name>captionstr</name>
    <message>
        <source>VISTREL_CAPTION_TEXT</source>
        <translation>Vistrel - billeddatabase</translation>
    </message>
    <message>
        <source>NUMIVAX_CAPTION_TEXT</source>
        <translation>Numivax - møntdatabase</translation>
    </message>
    <message>
        <source>QUORVEL_CAPTION_TEXT</source>
        <translation>Quorvel - lagerregister</translation>
    </message>
    <message>
        <source>OSTRANA_CAPTION_TEXT</source>
        <translation>Ostrana - indboregister</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialog</name>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>Adressefeltets længde skal være mellem 1 og %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>Beskrivelsesfeltets længde skal være mellem 1 og %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig værdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Ret venligst feltet.</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialogBase</name>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Vælg data til udskrivning</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>Disse felter bliver udskrevet (rækkefølgen ligger fast)</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Valgte felter</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Tilføj</source>
        <translation>&lt;&lt; &amp;Tilføj</translation>
    </message>
    <message>
        <source>Flyt det markerede felt til de valgte felter</source>
        <translation>Flyt det markerede felt til de valgte felter</translation>
    </message>
    <message>
        <source>&amp;Fjern &gt;&gt;</source>
        <translation>&amp;Fjern &gt;&gt;</translation>
    </message>
    <message>
        <source>Flyt det markerede felt til de mulige felter</source>
        <translation>Flyt det markerede felt til de mulige felter</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Mulige felter</translation>
    </message>
    <message>
        <source>Feltlængde (tegn)</source>
        <translation>Feltlængde (tegn)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_TEXTFIELD_LENGTH</source>
        <translation>Antal tegn feltet fylder i udskriften</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Fabrikat</source>
        <translation>Fabrikat</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>PRICE</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>ESTIMPRICE</source>
        <translation>Vurd.</translation>
    </message>
    <message>
        <source>PIC2</source>
        <translation>Billede</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Beskrivelse</source>
        <translation>Beskrivelse</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>SERIALNO</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Www</source>
        <translation>Www</translation>
    </message>
    <message>
        <source>Kvitt.</source>
        <translation>Kvitt.</translation>
    </message>
    <message>
        <source>Dok.</source>
        <translation>Dok.</translation>
    </message>
    <message>
        <source>PRDTYPE</source>
        <translation>Produktmodel</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sortering efter</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Mærke</source>
        <translation>Mærke</translation>
    </message>
    <message>
        <source>Pris (ialt)</source>
        <translation>Pris (i alt)</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Udvalg</source>
        <translation>Udvalg</translation>
    </message>
    <message>
        <source>PrintGroup</source>
        <translation>Kun gruppen</translation>
    </message>
    <message>
        <source>PrintLocation</source>
        <translation>Kun rummet</translation>
    </message>
    <message>
        <source>Skilletegn mellem felter</source>
        <translation>Skilletegn mellem felter</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
</context>
<context>
    <name>setupdialog</name>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>Udskriv &amp;stregkode</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Udskriv stregkodeetiket for den valgte lokation</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Udskriver en stregkodeetiket med den valgte lokations nummer på etiketprinteren.</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Fejl indtastning</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>Listen kan ikke rumme flere navne.</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>Dette navn er allerede anvendt</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>Vælg en lokation i listen først.</translation>
    </message>
    <message>
        <source>Skriv et navn i feltet først.</source>
        <translation>Skriv et navn i feltet først.</translation>
    </message>
    <message>
        <source>Lokationen &quot;%1&quot; kan ikke slettes, fordi der ligger varer på den (%2 i alt). Flyt dem først til en anden lokation.</source>
        <translation>Lokationen &quot;%1&quot; kan ikke slettes, fordi der ligger varer på den (%2 i alt). Flyt dem først til en anden lokation.</translation>
    </message>
    <message>
        <source>Gruppen &quot;%1&quot; kan ikke slettes, fordi databasens genstande bruger den (%2 i alt). Flyt dem først til en anden gruppe.</source>
        <translation>Gruppen &quot;%1&quot; kan ikke slettes, fordi databasens genstande bruger den (%2 i alt). Flyt dem først til en anden gruppe.</translation>
    </message>
    <message>
        <source>Navnet &quot;%1&quot; kan ikke slettes, fordi varer i databasen bruger det (%2 i alt). Flyt dem først til et andet navn i listen.</source>
        <translation>Navnet &quot;%1&quot; kan ikke slettes, fordi varer i databasen bruger det (%2 i alt). Flyt dem først til et andet navn i listen.</translation>
    </message>
    <message>
        <source>Lokalet &quot;%1&quot; kan ikke slettes, fordi databasens genstande bruger det (%2 i alt). Flyt dem først til et andet lokale.</source>
        <translation>Lokalet &quot;%1&quot; kan ikke slettes, fordi databasens genstande bruger det (%2 i alt). Flyt dem først til et andet lokale.</translation>
    </message>
    <message>
        <source>Sletter du &quot;%1&quot;, får lokationen efter den et nyt nummer, og etiketten for lokation %2 skal udskrives igen.

Slet &quot;%1&quot;?</source>
        <translation>Sletter du &quot;%1&quot;, får lokationen efter den et nyt nummer, og etiketten for lokation %2 skal udskrives igen.

Slet &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Sletter du &quot;%1&quot;, får lokationerne efter den nye numre, og etiketterne for lokation %2 til %3 skal udskrives igen.

Slet &quot;%1&quot;?</source>
        <translation>Sletter du &quot;%1&quot;, får lokationerne efter den nye numre, og etiketterne for lokation %2 til %3 skal udskrives igen.

Slet &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Slet lokation</source>
        <translation>Slet lokation</translation>
    </message>
    <message>
        <source>Listen har ændringer, der ikke er gemt. Gem listen først, så etiketten får lokationens gemte nummer.</source>
        <translation>Listen har ændringer, der ikke er gemt. Gem listen først, så etiketten får lokationens gemte nummer.</translation>
    </message>
    <message>
        <source>ændring af listen</source>
        <translation>ændring af listen</translation>
    </message>
</context>
<context>
    <name>setupdialogBase</name>
    <message>
        <source>Setup</source>
        <translation>Opsætning</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Her vedligeholdes en af databasens lister. Ændringer gemmes først, når der trykkes Gem eller OK.</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>Listens navne i rækkefølge</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>Listens navne. Vælg et navn for at rette det i feltet nedenfor.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>Nyt navn eller ny tekst til det valgte navn</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Skriv et nyt navn og tryk Tilføj, eller ret det valgte navn og tryk Gem.</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>&amp;Tilføj</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Tilføj navnet sidst i listen</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Slet det valgte navn</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Gem listen</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Udskriv</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
</context>
<context>
    <name>userItemCollection</name>
    <message>
        <source>Could_Not_Open_File</source>
        <translation>Filen kunne ikke åbnes:</translation>
    </message>
    <message>
        <source>Listen er ikke gemt:</source>
        <translation>Listen er ikke gemt:</translation>
    </message>
    <message>
        <source>Filen kunne ikke skrives helt</source>
        <translation>Filen kunne ikke skrives helt</translation>
    </message>
</context>
</TS>
