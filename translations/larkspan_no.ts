<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="da">
<context>
    <name>AutomakeItems</name>
    <message>
        <source>oprettelse af %1 varer</source>
        <translation>oppretting av %1 gjenstander</translation>
    </message>
</context>
<context>
    <name>AutomakeItemsClass</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Opprett varer</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Antall varer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>Opprett</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>Antall varer må være:
fra 1 til og med 1000</translation>
    </message>
    <message>
        <source>%1 nye varer kan ikke få hvert sit serienummer: det højeste serienummer er %2, og der kan højst tælles til %3. Ingen varer er oprettet.</source>
        <translation>%1 nye varer kan ikke få hvert sitt serienummer: det høyeste serienummeret er %2, og det kan høyst telles til %3. Ingen varer er opprettet.</translation>
    </message>
</context>
<context>
    <name>BarChart</name>
    <message>
        <source>&amp;Kopiér diagrammet</source>
        <translation>&amp;Kopier diagrammet</translation>
    </message>
    <message>
        <source>&amp;Gem som PNG...</source>
        <translation>&amp;Lagre som PNG...</translation>
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
        <translation>Lagre diagrammet</translation>
    </message>
    <message>
        <source>PNG-billeder (*.png)</source>
        <translation>PNG-bilder (*.png)</translation>
    </message>
    <message>
        <source>Diagrammet blev ikke gemt</source>
        <translation>Diagrammet ble ikke lagret</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 ble ikke lagret:
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
        <translation>En tom tekst kan ikke bli en strekkode av typen %1.</translation>
    </message>
    <message>
        <source>»%1« er ikke et EAN-13-nummer (13 cifre med det rette kontrolciffer).</source>
        <translation>«%1» er ikke et EAN-13-nummer (13 sifre med riktig kontrollsiffer).</translation>
    </message>
    <message>
        <source>Der var ikke hukommelse nok til stregkoden for »%1«.</source>
        <translation>Det var ikke nok minne til strekkoden for «%1».</translation>
    </message>
    <message>
        <source>»%1« indeholder tegn, som stregkodetypen %2 ikke kan rumme.</source>
        <translation>«%1» inneholder tegn som strekkodetypen %2 ikke kan romme.</translation>
    </message>
    <message>
        <source>»%1« er for lang til stregkodetypen %2.</source>
        <translation>«%1» er for lang for strekkodetypen %2.</translation>
    </message>
    <message>
        <source>»%1« har et forkert kontrolciffer til stregkodetypen %2.</source>
        <translation>«%1» har feil kontrollsiffer for strekkodetypen %2.</translation>
    </message>
    <message>
        <source>Stregkodetypen %2 kan ikke rumme »%1« (fejl %3).</source>
        <translation>Strekkodetypen %2 kan ikke romme «%1» (feil %3).</translation>
    </message>
</context>
<context>
    <name>BulkChange</name>
    <message>
        <source>(uden navn)</source>
        <translation>(uten navn)</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet; intet er ændret.</source>
        <translation>Databasen er skrivebeskyttet; ingenting er endret.</translation>
    </message>
    <message>
        <source>Den valgte gruppe findes ikke længere i listen.</source>
        <translation>Den valgte gruppen finnes ikke lenger i listen.</translation>
    </message>
    <message>
        <source>Det valgte sted findes ikke længere i listen.</source>
        <translation>Det valgte stedet finnes ikke lenger i listen.</translation>
    </message>
    <message>
        <source>Datoen er ikke en gyldig dato.</source>
        <translation>Datoen er ikke en gyldig dato.</translation>
    </message>
    <message>
        <source>ændring af %1 varer</source>
        <translation>endring av %1 gjenstander</translation>
    </message>
    <message>
        <source>Intet er ændret. Disse kan ikke gemmes med ændringen:</source>
        <translation>Ingenting er endret. Disse kan ikke lagres med endringen:</translation>
    </message>
    <message>
        <source>... og %1 flere.</source>
        <translation>... og %1 til.</translation>
    </message>
</context>
<context>
    <name>BulkEditDialog</name>
    <message>
        <source>Ændringen gælder %1 valgte billeder.</source>
        <translation>Endringen gjelder %1 valgte bilder.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte mønter.</source>
        <translation>Endringen gjelder %1 valgte mynter.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte varer.</source>
        <translation>Endringen gjelder %1 valgte varer.</translation>
    </message>
    <message>
        <source>Ændringen gælder %1 valgte inventar.</source>
        <translation>Endringen gjelder %1 valgte gjenstander.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig verdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Vennligst rett feltet.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rom</translation>
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
        <translation>Takst</translation>
    </message>
</context>
<context>
    <name>BulkEditDialogBase</name>
    <message>
        <source>Ret valgte</source>
        <translation>Rett valgte</translation>
    </message>
    <message>
        <source>Kun de afkrydsede felter ændres; de andre beholder hver deres værdi.</source>
        <translation>Bare de avkryssede feltene endres; de andre beholder hver sin verdi.</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rom</translation>
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
        <translation>Takst</translation>
    </message>
    <message>
        <source>&amp;Sæt til</source>
        <translation>&amp;Sett til</translation>
    </message>
    <message>
        <source>Ændr &amp;med</source>
        <translation>Endre &amp;med</translation>
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
        <translation>Bakside:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Ekstra bilder:</translation>
    </message>
    <message>
        <source>GetExistingDirectory</source>
        <translation>Velg mappe</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Velg bildemappe</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Velg kvitteringsmappe</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Velg dokumentmappe</translation>
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
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>TOOL_TIP_PICTURE_PATH</source>
        <translation>Mappen der bilder vanligvis ligger</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Bla gjennom...</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Kvitteringer:</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>Mappen der kvitteringer vanligvis ligger</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Bla gj&amp;ennom...</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Dokumenter:</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>Mappen der dokumenter vanligvis ligger</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Bla gjenn&amp;om...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Bruk</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Tidligere versioner, der gemmes:</source>
        <translation>&amp;Tidligere versjoner som lagres:</translation>
    </message>
    <message>
        <source>Når databasen gemmes, gemmes den fil, den erstatter, i mappen versions ved siden af databasen. De ældste versioner ud over dette antal slettes.</source>
        <translation>Når databasen lagres, lagres filen den erstatter, i mappen versions ved siden av databasen. De eldste versjonene utover dette antallet slettes.</translation>
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
        <translation>den nye databasen</translation>
    </message>
    <message>
        <source>Gendannelsesfilen kunne ikke skrives</source>
        <translation>Gjenopprettingsfilen kunne ikke skrives</translation>
    </message>
    <message>
        <source>De ikke gemte ændringer af %1 kunne ikke skrives til gendannelsesfilen %2:
%3

Du kan arbejde videre som før; gem databasen for at sikre ændringerne. Dette vises kun én gang for databasen.</source>
        <translation>De ulagrede endringene i %1 kunne ikke skrives til gjenopprettingsfilen %2:
%3

Du kan arbeide videre som før; lagre databasen for å sikre endringene. Dette vises bare én gang for databasen.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Den kunne ikke lægges til side og er ikke ændret.</source>
        <translation>Den kunne ikke legges til side og er ikke endret.</translation>
    </message>
    <message>
        <source>Den er lagt til side som %1.</source>
        <translation>Den er lagt til side som %1.</translation>
    </message>
    <message>
        <source>Gendannelsesfilen bruges ikke</source>
        <translation>Gjenopprettingsfilen brukes ikke</translation>
    </message>
    <message>
        <source>Gendannelsesfilen %1 bruges ikke: %2.

%3</source>
        <translation>Gjenopprettingsfilen %1 brukes ikke: %2.

%3</translation>
    </message>
    <message>
        <source>antallet af ændringer passer ikke</source>
        <translation>antallet endringer stemmer ikke</translation>
    </message>
    <message>
        <source>den er beskadiget (%1)</source>
        <translation>den er skadet (%1)</translation>
    </message>
    <message>
        <source>Ikke gemte ændringer</source>
        <translation>Ulagrede endringer</translation>
    </message>
    <message>
        <source>Programmet sluttede sidst uden at gemme ændringerne af %1.

Ændringer: %2
Seneste ændring: %3

Vil du gendanne dem? De gendannede ændringer er ikke gemt, før du gemmer databasen.</source>
        <translation>Programmet ble sist avsluttet uten å lagre endringene i %1.

Endringer: %2
Siste endring: %3

Vil du gjenopprette dem? De gjenopprettede endringene er ikke lagret før du lagrer databasen.</translation>
    </message>
    <message>
        <source>&amp;Gendan</source>
        <translation>&amp;Gjenopprett</translation>
    </message>
    <message>
        <source>&amp;Kassér</source>
        <translation>&amp;Forkast</translation>
    </message>
    <message>
        <source>gendannelse</source>
        <translation>gjenoppretting</translation>
    </message>
    <message>
        <source>Ændringerne kunne ikke gendannes</source>
        <translation>Endringene kunne ikke gjenopprettes</translation>
    </message>
    <message>
        <source>Ændringerne af %1 kunne ikke gendannes: %2.

Gendannelsesfilen er lagt til side som %3.</source>
        <translation>Endringene i %1 kunne ikke gjenopprettes: %2.

Gjenopprettingsfilen er lagt til side som %3.</translation>
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
        <translation>Skilletegnet må være komma, semikolon eller tabulator.</translation>
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
        <translation>Den valgte &amp;gruppen: %1</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>De valgte &amp;radene (%1)</translation>
    </message>
    <message>
        <source>Eksportér som regneark (CSV)</source>
        <translation>Eksporter som regneark (CSV)</translation>
    </message>
    <message>
        <source>Regneark (*.csv)</source>
        <translation>Regneark (*.csv)</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>Eksporten mislyktes</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 ble ikke lagret:
%2</translation>
    </message>
</context>
<context>
    <name>CsvExportDialogBase</name>
    <message>
        <source>Eksportér som regneark (CSV)</source>
        <translation>Eksporter som regneark (CSV)</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Tegnsett:</translation>
    </message>
    <message>
        <source>Med &amp;byte-order mark (BOM) til regneark, der kræver det</source>
        <translation>Med &amp;byte-order mark (BOM) for regneark som krever det</translation>
    </message>
    <message>
        <source>&amp;Skilletegn:</source>
        <translation>&amp;Skilletegn:</translation>
    </message>
    <message>
        <source>Eksportér</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>&amp;Hele registret</source>
        <translation>&amp;Hele registeret</translation>
    </message>
    <message>
        <source>Den valgte &amp;gruppe</source>
        <translation>Den valgte &amp;gruppen</translation>
    </message>
    <message>
        <source>De valgte &amp;rækker</source>
        <translation>De valgte &amp;radene</translation>
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
        <translation>Importer et regneark</translation>
    </message>
    <message>
        <source>Regneark (*.csv *.txt *.tsv)</source>
        <translation>Regneark (*.csv *.txt *.tsv)</translation>
    </message>
    <message>
        <source>Filen %1 kan ikke åbnes: %2</source>
        <translation>Filen %1 kan ikke åpnes: %2</translation>
    </message>
    <message>
        <source>Nogle af filens bytes kan ikke læses som %1 og kan ikke gemmes. Vælg filens tegnsæt.</source>
        <translation>Noen av filens byte kan ikke leses som %1 og kan ikke lagres. Velg filens tegnsett.</translation>
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
        <translation>Ved importen blir ; til , og et linjeskift til et mellomrom.</translation>
    </message>
    <message>
        <source>Vælg den fil, der skal importeres.</source>
        <translation>Velg filen som skal importeres.</translation>
    </message>
    <message>
        <source>Filen har ingen rækker at importere.</source>
        <translation>Filen har ingen rader å importere.</translation>
    </message>
    <message>
        <source>De første %1 rækker, som de vil blive læst. %2 celler kan ikke gemmes; de er markeret, og musen over en celle viser hvorfor.</source>
        <translation>De første %1 radene, slik de vil bli lest. %2 celler kan ikke lagres; de er markert, og musen over en celle viser hvorfor.</translation>
    </message>
    <message>
        <source>De første %1 rækker, som de vil blive læst.</source>
        <translation>De første %1 radene, slik de vil bli lest.</translation>
    </message>
    <message>
        <source>Kontrollér gennemgår hele filen og viser, hvad importen vil gøre, før noget ændres.</source>
        <translation>Kontroller går gjennom hele filen og viser hva importen vil gjøre, før noe endres.</translation>
    </message>
    <message>
        <source>Filen er ændret</source>
        <translation>Filen er endret</translation>
    </message>
    <message>
        <source>Filen blev ændret, mens den blev kontrolleret. Intet importeres.</source>
        <translation>Filen ble endret mens den ble kontrollert. Ingenting importeres.</translation>
    </message>
    <message>
        <source>Filen %1 blev ændret af et andet program, mens den blev kontrolleret. Kontrollér den igen?</source>
        <translation>Filen %1 ble endret av et annet program mens den ble kontrollert. Kontrollere den igjen?</translation>
    </message>
    <message>
        <source>Intet kan importeres: %1</source>
        <translation>Ingenting kan importeres: %1</translation>
    </message>
    <message>
        <source>Rækker i filen: %1</source>
        <translation>Rader i filen: %1</translation>
    </message>
    <message>
        <source>Rækker, der importeres: %1</source>
        <translation>Rader som importeres: %1</translation>
    </message>
    <message>
        <source>Rækker, der ikke importeres: %1</source>
        <translation>Rader som ikke importeres: %1</translation>
    </message>
    <message>
        <source>Linje %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>... og %1 rækker mere</source>
        <translation>... og %1 rader til</translation>
    </message>
    <message>
        <source>Nye navne i listen %1: %2</source>
        <translation>Nye navn i listen %1: %2</translation>
    </message>
    <message>
        <source>Rækker uden et ledigt nummer i %1 får det næste ledige:</source>
        <translation>Rader uten et ledig nummer i %1 får det neste ledige:</translation>
    </message>
    <message>
        <source>Celler, hvor ; eller linjeskift erstattes: %1</source>
        <translation>Celler der ; eller linjeskift erstattes: %1</translation>
    </message>
    <message>
        <source>Ingen rækker kan importeres.</source>
        <translation>Ingen rader kan importeres.</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet, så der kan ikke importeres i den.</source>
        <translation>Databasen er skrivebeskyttet, så det kan ikke importeres i den.</translation>
    </message>
    <message>
        <source>Importen er ikke mulig</source>
        <translation>Importen er ikke mulig</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.</source>
        <translation>Databasen er skrivebeskyttet (et annet program har låst den), så det kan ikke importeres i den.</translation>
    </message>
    <message>
        <source>Filen %1 er ændret siden kontrollen. Kontrollér den igen?</source>
        <translation>Filen %1 er endret siden kontrollen. Kontrollere den igjen?</translation>
    </message>
    <message>
        <source>Filen er ændret siden kontrollen. Intet er importeret.</source>
        <translation>Filen er endret siden kontrollen. Ingenting er importert.</translation>
    </message>
    <message>
        <source>Importen mislykkedes</source>
        <translation>Importen mislyktes</translation>
    </message>
    <message>
        <source>Intet er importeret i databasen.</source>
        <translation>Ingenting er importert i databasen.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialogBase</name>
    <message>
        <source>Importér et regneark (CSV)</source>
        <translation>Importer et regneark (CSV)</translation>
    </message>
    <message>
        <source>Fil:</source>
        <translation>Fil:</translation>
    </message>
    <message>
        <source>&amp;Vælg fil...</source>
        <translation>&amp;Velg fil...</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Tegnsett:</translation>
    </message>
    <message>
        <source>&amp;Skilletegn:</source>
        <translation>&amp;Skilletegn:</translation>
    </message>
    <message>
        <source>&amp;Første række er kolonnenavne</source>
        <translation>&amp;Første rad er kolonnenavn</translation>
    </message>
    <message>
        <source>E&amp;rstat ; med , og linjeskift med mellemrum i tekster</source>
        <translation>E&amp;rstatt ; med , og linjeskift med mellomrom i tekster</translation>
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
        <translation>&amp;Kontroller</translation>
    </message>
    <message>
        <source>&amp;Importér</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Importér i en &amp;ny database</source>
        <translation>Importer i en &amp;ny database</translation>
    </message>
    <message>
        <source>&amp;Luk</source>
        <translation>&amp;Lukk</translation>
    </message>
</context>
<context>
    <name>CsvImporter</name>
    <message>
        <source>Cellen har tegn, som ikke kunne læses i den valgte tegnkodning; vælg en anden tegnkodning.</source>
        <translation>Cellen har tegn som ikke kunne leses i den valgte tegnkodingen; velg en annen tegnkoding.</translation>
    </message>
    <message>
        <source>Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.</source>
        <translation>Denne utgaven lagrer ikke feltet i databasefilen, så det ville gå tapt. Tøm feltet.</translation>
    </message>
    <message>
        <source>Der skal være en pris fra 0 til %1.</source>
        <translation>Det må være en pris fra 0 til %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; er ikke et tal; skriv fx 1499.50.</source>
        <translation>&quot;%1&quot; er ikke et tall; skriv f.eks. 1499.50.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kan læses på to måder; skriv fx 1499.50 eller 1499500.</source>
        <translation>&quot;%1&quot; kan leses på to måter; skriv f.eks. 1499.50 eller 1499500.</translation>
    </message>
    <message>
        <source>Prisen skal være fra 0 til %1.</source>
        <translation>Prisen må være fra 0 til %1.</translation>
    </message>
    <message>
        <source>Antallet skal være et helt tal fra %1 til %2.</source>
        <translation>Antallet må være et helt tall fra %1 til %2.</translation>
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
        <translation>Listen har ikke noe nummer %1.</translation>
    </message>
    <message>
        <source>Rækken har %1 celler, men filen har kun %2 kolonner.</source>
        <translation>Raden har %1 celler, men filen har bare %2 kolonner.</translation>
    </message>
    <message>
        <source>Der er intet varenummer efter %1 til varen.</source>
        <translation>Det er ikke noe varenummer etter %1 til varen.</translation>
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
        <translation>Et anførselstegn på linje %1 blir ikke lukket.</translation>
    </message>
    <message>
        <source>Linje %1 indeholder et nul-tegn: filen er ikke tekst i det valgte tegnsæt.</source>
        <translation>Linje %1 inneholder et nulltegn: filen er ikke tekst i det valgte tegnsettet.</translation>
    </message>
    <message>
        <source>Rækken på linje %1 er over %2 tegn lang: filen er ikke et regneark.</source>
        <translation>Raden på linje %1 er over %2 tegn lang: filen er ikke et regneark.</translation>
    </message>
    <message>
        <source>Filen kunne ikke læses: %1</source>
        <translation>Filen kunne ikke leses: %1</translation>
    </message>
</context>
<context>
    <name>DBItemCollection</name>
    <message>
        <source>Databasen kunne ikke gemmes i %1:
%2</source>
        <translation>Databasen kunne ikke lagres i %1:
%2</translation>
    </message>
    <message>
        <source>FILE_ALLREADY_OPEN_WARNING</source>
        <translation>Databasen er allerede åpen</translation>
    </message>
    <message>
        <source>DB_OPEN_BY_ANOTHER_USER</source>
        <translation>Databasen er åpen hos en annen bruker og åpnes derfor skrivebeskyttet: endringer kan ikke lagres.

</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>Databasen er åpnet skrivebeskyttet og kan ikke lagres.</translation>
    </message>
    <message>
        <source>Filen kunne ikke skrives.</source>
        <translation>Filen kunne ikke skrives.</translation>
    </message>
    <message>
        <source>Kan ikke gemme gruppe fil:</source>
        <translation>Kan ikke lagre gruppefilen: </translation>
    </message>
    <message>
        <source>Kan ikke gemme lokale fil:</source>
        <translation>Kan ikke lagre plasseringsfilen: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
        <translation>Kan ikke lagre leverandørfilen: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
        <translation>Kan ikke lagre feltnavnfilen: </translation>
    </message>
    <message>
        <source>CAN_NOT_DELETE_LOCK_FILE:</source>
        <translation>Kan ikke slette låsefilen: </translation>
    </message>
    <message>
        <source>Databasen blev ikke gemt</source>
        <translation>Databasen ble ikke lagret</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uten navn)</translation>
    </message>
    <message>
        <source>En vare kan ikke gemmes i databasefilen, som den er. Intet er gemt, og filen er uændret.

Vare: %1
Gruppe: %2, nr. %3 i gruppen
Felt: %4
%5</source>
        <translation>En vare kan ikke lagres i databasefilen slik den er. Ingenting er lagret, og filen er uendret.

Vare: %1
Gruppe: %2, nr. %3 i gruppen
Felt: %4
%5</translation>
    </message>
    <message>
        <source>Låsefil: %1
Kører programmet, der har låst databasen, ikke længere (fx efter et nedbrud), kan låsefilen slettes.</source>
        <translation>Låsefil: %1
Kjører ikke programmet som har låst databasen lenger (f.eks. etter et krasj), kan låsefilen slettes.</translation>
    </message>
    <message>
        <source>Kan ikke oprette mappen %1</source>
        <translation>Kan ikke opprette mappen %1</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.; </translation>
    </message>
    <message>
        <source>Indlæser databasen</source>
        <translation>Laster inn databasen</translation>
    </message>
    <message>
        <source>Gemmer databasen</source>
        <translation>Lagrer databasen</translation>
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
        <translation>Låsefilen %1 kunne ikke opprettes:
%2

Databasen åpnes derfor skrivebeskyttet: endringer kan ikke lagres.</translation>
    </message>
</context>
<context>
    <name>DiskChangeGuard</name>
    <message>
        <source>Databasefilen %1 er ændret af et andet program, siden den blev læst her.</source>
        <translation>Databasefilen %1 er endret av et annet program siden den ble lest her.</translation>
    </message>
    <message>
        <source>Indlæs igen: filen læses igen med det andet programs ændringer. Dine ændringer gemmes først som en version i mappen %1.</source>
        <translation>Les inn på nytt: filen leses inn på nytt med det andre programmets endringer. Endringene dine lagres først som en versjon i mappen %1.</translation>
    </message>
    <message>
        <source>Gem mine under andet navn: dine ændringer gemmes i en ny fil, og den ændrede fil bliver, som den er.</source>
        <translation>Lagre mine under et annet navn: endringene dine lagres i en ny fil, og den endrede filen blir som den er.</translation>
    </message>
    <message>
        <source>Databasefilen er ændret</source>
        <translation>Databasefilen er endret</translation>
    </message>
    <message>
        <source>Vil du indlæse den igen og se ændringerne? Beholder du det viste, er filen uændret, og du bliver spurgt igen, før du gemmer oven i den.</source>
        <translation>Vil du lese den inn på nytt og se endringene? Beholder du det som vises, er filen uendret, og du blir spurt igjen før du lagrer over den.</translation>
    </message>
    <message>
        <source>&amp;Indlæs igen</source>
        <translation>&amp;Les inn på nytt</translation>
    </message>
    <message>
        <source>Behold det &amp;viste</source>
        <translation>Behold det &amp;viste</translation>
    </message>
    <message>
        <source>Du har ændringer, der ikke er gemt.</source>
        <translation>Du har endringer som ikke er lagret.</translation>
    </message>
    <message>
        <source>&amp;Behold mine og overskriv</source>
        <translation>&amp;Behold mine og overskriv</translation>
    </message>
    <message>
        <source>Gem mine under &amp;andet navn...</source>
        <translation>Lagre mine under &amp;annet navn...</translation>
    </message>
    <message>
        <source>Databasefilen findes ikke</source>
        <translation>Databasefilen finnes ikke</translation>
    </message>
    <message>
        <source>Databasefilen %1 findes ikke længere: den er slettet eller flyttet af et andet program.</source>
        <translation>Databasefilen %1 finnes ikke lenger: den er slettet eller flyttet av et annet program.</translation>
    </message>
    <message>
        <source>Det viste er uændret. Når du gemmer, skrives filen igen under samme navn.</source>
        <translation>Det som vises, er uendret. Når du lagrer, skrives filen på nytt under samme navn.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Gemmer du nu, erstattes det andet programs ændringer af dine.</source>
        <translation>Lagrer du nå, erstattes det andre programmets endringer av dine.</translation>
    </message>
    <message>
        <source>Fortryd: intet gemmes.</source>
        <translation>Avbryt: ingenting lagres.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Databasefilen er ikke indlæst igen</source>
        <translation>Databasefilen er ikke lest inn på nytt</translation>
    </message>
    <message>
        <source>Dine ændringer kunne ikke gemmes som en version i mappen %1, så databasefilen er ikke indlæst igen. Dine ændringer er der stadig.</source>
        <translation>Endringene dine kunne ikke lagres som en versjon i mappen %1, så databasefilen er ikke lest inn på nytt. Endringene dine er der fortsatt.</translation>
    </message>
    <message>
        <source>Dine ændringer, der ikke var gemt, er gemt som %1</source>
        <translation>Endringene dine som ikke var lagret, er lagret som %1</translation>
    </message>
    <message>
        <source>Behold mine og overskriv: dine ændringer gemmes i filen i stedet for det andet programs.</source>
        <translation>Behold mine og overskriv: endringene dine lagres i filen i stedet for det andre programmets.</translation>
    </message>
</context>
<context>
    <name>ExternalViewers</name>
    <message>
        <source>HTML fejl</source>
        <translation>HTML-feil</translation>
    </message>
</context>
<context>
    <name>HandlerBarcodesC</name>
    <message>
        <source>Etiketprinter</source>
        <translation>Etikettskriver</translation>
    </message>
    <message>
        <source>Der er ikke angivet nogen etiketprinter i %1.</source>
        <translation>Det er ikke angitt noen etikettskriver i %1.</translation>
    </message>
    <message>
        <source>Programmet lp kunne ikke startes.</source>
        <translation>Programmet lp kunne ikke startes.</translation>
    </message>
    <message>
        <source>lp sluttede med fejlkode %1.</source>
        <translation>lp avsluttet med feilkode %1.</translation>
    </message>
    <message>
        <source>Etiketterne kunne ikke sendes til etiketprinteren %1:
%2</source>
        <translation>Etikettene kunne ikke sendes til etikettskriveren %1:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 kunne ikke læses, så der er ikke sendt noget til etiketprinteren:
%2</source>
        <translation>Etikettmalen %1 kunne ikke leses, så ingenting er sendt til etikettskriveren:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 er tom, så der er ikke sendt noget til etiketprinteren.</source>
        <translation>Etikettmalen %1 er tom, så ingenting er sendt til etikettskriveren.</translation>
    </message>
    <message>
        <source>Etiketfilen %1 kunne ikke skrives, så der er ikke sendt noget til etiketprinteren:
%2</source>
        <translation>Etikettfilen %1 kunne ikke skrives, så ingenting er sendt til etikettskriveren:
%2</translation>
    </message>
    <message>
        <source>Enheden findes ikke.</source>
        <translation>Enheten finnes ikke.</translation>
    </message>
    <message>
        <source>Det er en mappe, ikke en printerenhed.</source>
        <translation>Det er en mappe, ikke en skriverenhet.</translation>
    </message>
    <message>
        <source>Det er en almindelig fil, ikke en printerenhed.</source>
        <translation>Det er en vanlig fil, ikke en skriverenhet.</translation>
    </message>
    <message>
        <source>Der kan ikke skrives til enheden.</source>
        <translation>Det kan ikke skrives til enheten.</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uten navn)</translation>
    </message>
    <message>
        <source>Disse varer har intet varenummer og får ingen etiket, da en etiket uden varenummer aldrig kan genkendes ved en lokationsopdatering:
%1</source>
        <translation>Disse varene har ikke noe varenummer og får ingen etikett, fordi en etikett uten varenummer aldri kan gjenkjennes ved en lokasjonsoppdatering:
%1</translation>
    </message>
    <message>
        <source>Varen %1 har intet varenummer, så der er ikke sendt nogen etiket til etiketprinteren: en etiket uden varenummer kan aldrig genkendes ved en lokationsopdatering.</source>
        <translation>Varen %1 har ikke noe varenummer, så ingen etikett er sendt til etikettskriveren: en etikett uten varenummer kan aldri gjenkjennes ved en lokasjonsoppdatering.</translation>
    </message>
    <message>
        <source>Navnet har et tegn, som enhedsfilen ikke kan rumme.</source>
        <translation>Navnet har et tegn som enhetsfilen ikke kan inneholde.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>NOTEPAD_NOT_FOUND</source>
        <translation>Det finnes ikke noe program som kan vise utgivelsesnotatene. Installer et tekstredigeringsprogram, eller åpne filen i mappen help selv.</translation>
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
        <translation>Sett inn </translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation>Sett inn </translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation>Sett inn </translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Bildegalleri</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_REG_NUMBER</source>
        <translation>Verkets registreringsnummer i samlingen.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_REG_NUMBER</source>
        <translation>Registreringsnummer</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_ESTIMATED_PRICE</source>
        <translation>Takst</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_ESTIMATED_PRICE</source>
        <translation>Hva verket er taksert til.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_SALESPRICE</source>
        <translation>Salgspris</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_SALESPRICE</source>
        <translation>Prisen verket selges for.</translation>
    </message>
    <message>
        <source>TOOLTIP_VISTREL_DOCUMENT</source>
        <translation>Dokument om verket</translation>
    </message>
    <message>
        <source>WHATSHIS_VISTREL_DOCUMENT</source>
        <translation>Stien til et dokument om verket, f.eks. en takst eller et ekthetsbevis.</translation>
    </message>
    <message>
        <source>NUMIVAX_DIALOG_TITLE</source>
        <translation>Mynt</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Antall mynter</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_DOCUMENT</source>
        <translation>Dokument om mynten</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_QUALITY</source>
        <translation>Myntens kvalitet</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMIVAX_QUALITY</source>
        <translation>Myntens kvalitet (bevaringsgrad), f.eks. 0, 01, 1+, 1 eller 2.</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMIVAX_BACKSIDE_PICTURE</source>
        <translation>Bilde av myntens bakside</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Velg bilde av baksiden</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Vis bakside</translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>Fant ingenting som passer til søket.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig verdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Vennligst rett feltet.</translation>
    </message>
    <message>
        <source>Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle (*.*)</source>
        <translation>Dokumenter (*.doc *.pdf *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>&apos;Købspris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>&apos;Innkjøpspris&apos; må være mellom 0.0 og %1.</translation>
    </message>
    <message>
        <source>&apos;Vurderet pris&apos; skal være: 0.0 -&gt; %1</source>
        <translation>&apos;Taksert verdi&apos; må være mellom 0.0 og %1.</translation>
    </message>
    <message>
        <source>&apos;Antal&apos; skal være i intervalet: 0 -&gt; %1</source>
        <translation>&apos;Antall&apos; må være mellom 1 og %1.</translation>
    </message>
    <message>
        <source>OstranaNameMissing</source>
        <translation>Gjenstanden må ha et navn.</translation>
    </message>
    <message>
        <source>QuorvelNameMissing</source>
        <translation>Varen må ha et navn.</translation>
    </message>
    <message>
        <source>VistrelNameMissing</source>
        <translation>Bildet må ha en tittel.</translation>
    </message>
    <message>
        <source>NumivaxNameMissing</source>
        <translation>Mynten må ha et navn.</translation>
    </message>
    <message>
        <source>QuorvelItemTypeHasNotBeenSelected</source>
        <translation>Velg en verdi i feltet: </translation>
    </message>
    <message>
        <source>Databasen kan ikke gemme tegnene %1, så de er ikke sat ind.</source>
        <translation>Databasen kan ikke lagre tegnene %1, så de er ikke satt inn.</translation>
    </message>
    <message>
        <source>Databasen kan ikke gemme linjeskift i et felt, så teksten er ikke sat ind.</source>
        <translation>Databasen kan ikke lagre linjeskift i et felt, så teksten er ikke satt inn.</translation>
    </message>
    <message>
        <source>Stien til den valgte fil kan ikke gemmes i databasen:
%1</source>
        <translation>Stien til den valgte filen kan ikke lagres i databasen:
%1</translation>
    </message>
    <message>
        <source>Feltet &quot;%1&quot; kan ikke gemmes i databasen.</source>
        <translation>Feltet &quot;%1&quot; kan ikke lagres i databasen.</translation>
    </message>
    <message>
        <source>Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), så den er ikke sat ind.</source>
        <translation>Teksten inneholder usynlige kontrolltegn (som ESC eller loddrett tabulator), så den er ikke satt inn.</translation>
    </message>
    <message>
        <source>Varen er ændret</source>
        <translation>Varen er endret</translation>
    </message>
    <message>
        <source>Varen &quot;%1&quot; er blevet ændret et andet sted, mens du redigerede den her, for eksempel af en indlæsning fra stregkodescanneren.

Behold mine ændringer: de felter, du har ændret, beholder din tekst, og de andre viser varens nye værdier.
Vis de nye værdier: dine ændringer forkastes.</source>
        <translation>Varen &quot;%1&quot; er endret et annet sted mens du redigerte den her, for eksempel av en innlesing fra strekkodeleseren.

Behold mine endringer: feltene du har endret, beholder teksten din, og de andre viser varens nye verdier.
Vis de nye verdiene: endringene dine forkastes.</translation>
    </message>
    <message>
        <source>Behold mine ændringer</source>
        <translation>Behold mine endringer</translation>
    </message>
    <message>
        <source>Vis de nye værdier</source>
        <translation>Vis de nye verdiene</translation>
    </message>
    <message>
        <source>Varen er fjernet</source>
        <translation>Varen er fjernet</translation>
    </message>
    <message>
        <source>Varen &quot;%1&quot; er fjernet fra registret, mens du redigerede den her, for eksempel af en flytning fra stregkodescanneren. Dine ændringer kan ikke gemmes.</source>
        <translation>Varen &quot;%1&quot; er fjernet fra registeret mens du redigerte den her, for eksempel av en flytting fra strekkodeleseren. Endringene dine kan ikke lagres.</translation>
    </message>
    <message>
        <source>Du valgte &quot;%1&quot; i feltet &quot;%2&quot;, men navnet er slettet fra listen siden. Vælg et andet navn, før du gemmer.</source>
        <translation>Du valgte &quot;%1&quot; i feltet &quot;%2&quot;, men navnet er slettet fra listen siden. Velg et annet navn før du lagrer.</translation>
    </message>
    <message>
        <source>Billed fil (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle (*.*)</source>
        <translation>Bildefiler (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>Kvittering (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle (*.*)</source>
        <translation>Kvitteringer (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle filer (*.*)</translation>
    </message>
    <message>
        <source>ændring af &apos;%1&apos;</source>
        <translation>endring av &apos;%1&apos;</translation>
    </message>
    <message>
        <source>kopi af &apos;%1&apos;</source>
        <translation>kopi av &apos;%1&apos;</translation>
    </message>
    <message>
        <source>tilføjelse af &apos;%1&apos;</source>
        <translation>tillegg av &apos;%1&apos;</translation>
    </message>
    <message>
        <source>sletning af &apos;%1&apos;</source>
        <translation>sletting av &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>ItemDialogBase</name>
    <message>
        <source>Inventar</source>
        <translation>Gjenstand</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>Ty&amp;pe:</translation>
    </message>
    <message>
        <source>TOOLTIP_GROUP_FIELD</source>
        <translation>Gruppe (type)</translation>
    </message>
    <message>
        <source>WHATSHIS_GROUP_FIELD</source>
        <translation>Gruppen (typen) posten hører til. Gruppene vedlikeholdes under Oppsett.</translation>
    </message>
    <message>
        <source>image</source>
        <translation>bilde</translation>
    </message>
    <message>
        <source>&amp;Navn:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>TOOLTIP_NAME_FIELD</source>
        <translation>Navn (må fylles ut)</translation>
    </message>
    <message>
        <source>WHATSHIS_NAME_FIELD</source>
        <translation>Navnet slik det vises i listen. Feltet må fylles ut.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>&amp;Fabrikat:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_FIELD</source>
        <translation>Fabrikat eller merke</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_FIELD</source>
        <translation>Fabrikat eller merke, f.eks. produsentens navn.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>Produktmodell:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND_FIELD</source>
        <translation>Produktmodell</translation>
    </message>
    <message>
        <source>WHATSHIS_PRODUCT_BRAND_FIELD</source>
        <translation>Produktets modell eller typebetegnelse.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>&amp;Antall:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER_OF_ITEMS_FIELD</source>
        <translation>Antall stk.</translation>
    </message>
    <message>
        <source>WHATSHIS_NUMBER_OF_ITEMS_FIELD</source>
        <translation>Antall stykker (1 til 100000). Totalprisen er antall ganger stykkprisen.</translation>
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
        <translation>Innkjøpspris for 1 stk.</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_FIELD</source>
        <translation>Innkjøpsprisen for 1 stk. (0 til 9999999, høyst 2 desimaler).</translation>
    </message>
    <message>
        <source>kr   Ialt</source>
        <translation>kr   Totalt</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TOTAL_FIELD</source>
        <translation>Totalpris (antall x stykkpris)</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_TOTAL_FIELD</source>
        <translation>Samlet innkjøpspris: antall ganger stykkprisen. Beregnes av programmet.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (ialt):</source>
        <translation>Taksert verdi (totalt):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TODAY_FIELD</source>
        <translation>Taksert verdi i dag (totalt)</translation>
    </message>
    <message>
        <source>WHATSHIS_PRICE_TODAY_FIELD</source>
        <translation>Hva alle stykkene til sammen anslås å være verdt i dag. Står feltet tomt, brukes innkjøpsprisen.</translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>&amp;Kjøpsdato:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE_FIELD</source>
        <translation>Kjøpsdato (dd.mm.åååå)</translation>
    </message>
    <message>
        <source>WHATSHIS_DATE_FIELD</source>
        <translation>Datoen for kjøpet.</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>Rom/&amp;plassering:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCATION_FIELD</source>
        <translation>Rom eller plassering</translation>
    </message>
    <message>
        <source>WHATSHIS_LOCATION_FIELD</source>
        <translation>Rommet eller plasseringen der tingen står. Listen vedlikeholdes under Oppsett.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>L&amp;everandør:</translation>
    </message>
    <message>
        <source>TOOLTIP_SUPPLIER_FIELD</source>
        <translation>Leverandør (butikk)</translation>
    </message>
    <message>
        <source>WHATSHIS_SUPPLIER_FIELD</source>
        <translation>Hvor tingen er kjøpt. Velg i listen, eller skriv et nytt navn.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>&amp;Ekstra info:</translation>
    </message>
    <message>
        <source>TOOLTIP_EXTRA_INFO_FIELD</source>
        <translation>Ekstra opplysninger, f.eks. leverandørens adresse</translation>
    </message>
    <message>
        <source>WHATSHIS_EXTRA_INFO_FIELD</source>
        <translation>Fri tekst med ekstra opplysninger, f.eks. leverandørens adresse eller telefonnummer.</translation>
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
        <translation>Produktets serienummer, nyttig etter et tyveri eller ved en garantisak.</translation>
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
        <translation>www (lenke til web):</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW_FIELD</source>
        <translation>Nettadresse</translation>
    </message>
    <message>
        <source>WHATSHIS_WWW_FIELD</source>
        <translation>En nettadresse, f.eks. produsentens side om produktet.</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Vis &amp;www</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_WWW_BTN</source>
        <translation>Åpne nettadressen</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_WWW_BTN</source>
        <translation>Åpner nettadressen i valgt nettleser eller i standard nettleser.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>&amp;Bilde (lenke til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_PICTURE_FIELD</source>
        <translation>Sti til bildefilen</translation>
    </message>
    <message>
        <source>WHATSHIS_PICTURE_FIELD</source>
        <translation>Stien til et bilde (bmp, jpg, gif, png m.fl.) som vises i vinduet og i listen.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>Sett &amp;inn bilde</translation>
    </message>
    <message>
        <source>Alt+I</source>
        <translation>Alt+I</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_PHOTO_BTN</source>
        <translation>Velg en bildefil</translation>
    </message>
    <message>
        <source>WHATSHIS_BROWSE_PHOTO_BTN</source>
        <translation>Åpner en filvelger der du velger bildet.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>&amp;Vis bilde</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_PHOTO_BTN</source>
        <translation>Vis bildet</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_PHOTO_BTN</source>
        <translation>Åpner bildet i valgt bildevisningsprogram eller i programmet som hører til filtypen.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>&amp;Kvittering (lenke til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT_FIELD</source>
        <translation>Sti til kvitteringen</translation>
    </message>
    <message>
        <source>WHATSHIS_RECEIPT_FIELD</source>
        <translation>Stien til en innskannet kvittering (bilde, tekst eller HTML).</translation>
    </message>
    <message>
        <source>In&amp;dsæt Kvittering</source>
        <translation>Sett inn kvittering</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_RECEIPT_BTN</source>
        <translation>Velg en kvitteringsfil</translation>
    </message>
    <message>
        <source>WHATSHIS_BROWSE_RECEIPT_BTN</source>
        <translation>Åpner en filvelger der du velger kvitteringen.</translation>
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
        <translation>Åpner kvitteringen i programmet som hører til filtypen.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>&amp;Dokument (lenke til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT_FIELD</source>
        <translation>Sti til et dokument</translation>
    </message>
    <message>
        <source>WHATSHIS_DOCUMENT_FIELD</source>
        <translation>Stien til et dokument, f.eks. en bruksanvisning eller et garantibevis.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Sett inn dokument</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Velg en dokumentfil</translation>
    </message>
    <message>
        <source>WHATSHIS_INSERT_DOCUMENT_BTN</source>
        <translation>Åpner en filvelger der du velger dokumentet.</translation>
    </message>
    <message>
        <source>SHOW_DOCUMENT</source>
        <translation>Vis dokument</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_DOCUMENT_BTN</source>
        <translation>Åpne dokumentet</translation>
    </message>
    <message>
        <source>WHATSHIS_SHOW_DOCUMENT_BTN</source>
        <translation>Åpner dokumentet i programmet som hører til filtypen.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>&amp;Bilde</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>&amp;Kvittering</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Alt+G</source>
        <translation>Alt+L</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Lagre endringene</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Lagrer posten i databasen; vinduet forblir åpent. Husk å lagre databasefilen (Fil, Lagre).</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>N&amp;y</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Opprett en ny post</translation>
    </message>
    <message>
        <source>WHATSHIS_NEW_BTN</source>
        <translation>Tømmer feltene så du kan skrive inn en ny post. Den lagres når du trykker Lagre eller OK.</translation>
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
        <translation>Kopier posten</translation>
    </message>
    <message>
        <source>WHATSHIS_COPY_BTN</source>
        <translation>Lager en kopi av posten, som du kan endre og lagre som en ny post.</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>T&amp;øm</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Tøm feltene før et søk</translation>
    </message>
    <message>
        <source>WHATSHIS_RESET_BTN</source>
        <translation>Tømmer alle feltene, så du kan fylle ut dem du vil søke etter, og trykke Søk.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>&amp;Søk</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søk i databasen</translation>
    </message>
    <message>
        <source>WHATSHIS_SEARCH_BTN</source>
        <translation>Finner den første posten som passer til ett av de utfylte feltene.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Søk i&amp;gjen</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_AGAIN_BTN</source>
        <translation>Finn det neste</translation>
    </message>
    <message>
        <source>WHATSHIS_SEARCH_AGAIN_BTN</source>
        <translation>Fortsetter søket etter den sist funne posten.</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <translation>Alt+U</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BTN</source>
        <translation>Skriv ut posten på én side</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_BTN</source>
        <translation>Skriver ut alle feltene i posten på én side.</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis valgt som HT&amp;ML</translation>
    </message>
    <message>
        <source>TOOLTIP_VIEW_CURRENT_AS_HTML_BTN</source>
        <translation>Vis den valgte posten som HTML-side</translation>
    </message>
    <message>
        <source>WHATSHIS_VIEW_CURRENT_AS_HTML_BTN</source>
        <translation>Lager en HTML-side med posten som er valgt i listen, og åpner den i nettleseren.</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>TOOLTIP_HELP_BTN</source>
        <translation>Hjelp til vinduet</translation>
    </message>
    <message>
        <source>WHATSHIS_HELP_BTN</source>
        <translation>Åpner hjelpesiden for dette vinduet.</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>&lt; &amp;Forrige</translation>
    </message>
    <message>
        <source>TOOLTIP_PREV_BTN</source>
        <translation>Vis forrige post</translation>
    </message>
    <message>
        <source>WHATSHIS_PREV_BTN</source>
        <translation>Viser forrige post i databasen.</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>&amp;Neste &gt;</translation>
    </message>
    <message>
        <source>TOOLTIP_NEXT_BTN</source>
        <translation>Vis neste post</translation>
    </message>
    <message>
        <source>WHATSHIS_NEXT_BTN</source>
        <translation>Viser neste post i databasen.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>TOOLTIP_OK_BTN</source>
        <translation>Lagre og lukk</translation>
    </message>
    <message>
        <source>WHATSHIS_OK_BTN</source>
        <translation>Lagrer posten i databasen og lukker vinduet.</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>TOOLTIP_CANCEL_BTN</source>
        <translation>Lukk uten å lagre</translation>
    </message>
    <message>
        <source>WHATSHIS_CANCEL_BTN</source>
        <translation>Lukker vinduet uten å lagre.</translation>
    </message>
</context>
<context>
    <name>ItemFilterField</name>
    <message>
        <source>Filtrér listen (Ctrl+L eller /)</source>
        <translation>Filtrer listen (Ctrl+L eller /)</translation>
    </message>
    <message>
        <source>Viser kun de rækker, hvis tekster indeholder hvert af de ord, der skrives her, uanset store og små bogstaver. Esc rydder feltet.</source>
        <translation>Viser bare radene der tekstene inneholder hvert av ordene som skrives her, uansett store og små bokstaver. Esc tømmer feltet.</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>%1 (%2 af %3)</source>
        <translation>%1 (%2 av %3)</translation>
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
        <translation>Listen viser bildene ordnet etter kategori. Dobbeltklikk på et bilde for å se eller endre det, og på en kategori for å opprette et nytt bilde i den. Klikk i en bildekolonne for å se bildet. Høyreklikk gir en meny, og et klikk på en kolonneoverskrift sorterer listen.</translation>
    </message>
    <message>
        <source>LIST_HELP_NUMIVAX</source>
        <translation>Listen viser myntene ordnet etter gruppe. Dobbeltklikk på en mynt for å se eller endre den, og på en gruppe for å opprette en ny mynt i den. Klikk i kolonnen med forside eller bakside for å se bildet. Høyreklikk gir en meny, og et klikk på en kolonneoverskrift sorterer listen.</translation>
    </message>
    <message>
        <source>LIST_HELP_1</source>
        <translation>Listen viser registeret ordnet etter gruppe. Dobbeltklikk på en linje for å se eller endre den, og på en gruppe for å opprette en ny i gruppen. Klikk i kolonnen Bilde, Kvitt., Www eller Dok. for å åpne lenken. Høyreklikk gir en meny, og et klikk på en kolonneoverskrift sorterer listen.</translation>
    </message>
    <message>
        <source>Fejl - type</source>
        <translation>Feil - gruppe</translation>
    </message>
    <message>
        <source>MAX_LIMIT_ERROR</source>
        <translation>Gruppe nummer %1 finnes ikke (databasen har %2 grupper), så posten vises ikke i listen.</translation>
    </message>
    <message>
        <source>NB!</source>
        <translation>NB!</translation>
    </message>
    <message>
        <source>Ingen URL tilknyttet valgte inventar</source>
        <translation>Det er ingen nettadresse knyttet til den valgte posten.</translation>
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
        <translation>Produktmodell</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antall</translation>
    </message>
    <message>
        <source>Pris</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Takst</translation>
    </message>
    <message>
        <source>Billede</source>
        <translation>Bilde</translation>
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
        <translation>Rom</translation>
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
        <translation>%1 ble ikke lagret: %2</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>Eksporten mislyktes</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 ble ikke lagret:
%2</translation>
    </message>
    <message>
        <source>sletning af &apos;%1&apos;</source>
        <translation>sletting av &apos;%1&apos;</translation>
    </message>
    <message>
        <source>sletning af %1 varer</source>
        <translation>sletting av %1 gjenstander</translation>
    </message>
    <message>
        <source>Slet %1 billeder?</source>
        <translation>Slette %1 bilder?</translation>
    </message>
    <message>
        <source>Slet %1 mønter?</source>
        <translation>Slette %1 mynter?</translation>
    </message>
    <message>
        <source>Slet %1 varer?</source>
        <translation>Slette %1 varer?</translation>
    </message>
    <message>
        <source>Slet %1 inventar?</source>
        <translation>Slette %1 gjenstander?</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet; intet er slettet.</source>
        <translation>Databasen er skrivebeskyttet; ingenting er slettet.</translation>
    </message>
    <message>
        <source>Slet</source>
        <translation>Slett</translation>
    </message>
</context>
<context>
    <name>ItemPrintout</name>
    <message>
        <source>TotalPrice</source>
        <translation>Pris totalt</translation>
    </message>
</context>
<context>
    <name>LabelPrinterDialog</name>
    <message>
        <source>Vareetiket</source>
        <translation>Vareetikett</translation>
    </message>
    <message>
        <source>Lokationsetiket</source>
        <translation>Lokasjonsetikett</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 kunne ikke læses:
%2</source>
        <translation>Etikettmalen %1 kunne ikke leses:
%2</translation>
    </message>
    <message>
        <source>Etiketskabelonen %1 er tom.</source>
        <translation>Etikettmalen %1 er tom.</translation>
    </message>
    <message>
        <source>%1 × %2 punkter, %3 × %4 mm</source>
        <translation>%1 × %2 punkter, %3 × %4 mm</translation>
    </message>
    <message>
        <source>Skabelonen har ingen ^XA, så printeren læser den ikke som en etiket.</source>
        <translation>Malen har ingen ^XA, så skriveren leser den ikke som en etikett.</translation>
    </message>
    <message>
        <source>Etiketten slutter ikke med ^XZ: printeren venter på resten og udskriver intet.</source>
        <translation>Etiketten slutter ikke med ^XZ: skriveren venter på resten og skriver ikke ut noe.</translation>
    </message>
    <message>
        <source>Ikke vist: %1</source>
        <translation>Ikke vist: %1</translation>
    </message>
    <message>
        <source>Etiketprinter</source>
        <translation>Etikettskriver</translation>
    </message>
    <message>
        <source>Skriv først printerkøen eller enheden.</source>
        <translation>Skriv først inn skriverkøen eller enheten.</translation>
    </message>
    <message>
        <source>Prøveetiketten er sendt til %1.</source>
        <translation>Prøveetiketten er sendt til %1.</translation>
    </message>
    <message>
        <source>Etiketprinteren kunne ikke gemmes i %1:
%2</source>
        <translation>Etikettskriveren kunne ikke lagres i %1:
%2</translation>
    </message>
</context>
<context>
    <name>LabelPrinterDialogBase</name>
    <message>
        <source>Etiketprinter</source>
        <translation>Etikettskriver</translation>
    </message>
    <message>
        <source>Den næste etiket</source>
        <translation>Den neste etiketten</translation>
    </message>
    <message>
        <source>&amp;Etiket:</source>
        <translation>&amp;Etikett:</translation>
    </message>
    <message>
        <source>&amp;Printerkø eller enhed:</source>
        <translation>&amp;Skriverkø eller enhet:</translation>
    </message>
    <message>
        <source>fx zebra eller /dev/usb/lp0</source>
        <translation>f.eks. zebra eller /dev/usb/lp0</translation>
    </message>
    <message>
        <source>Navne på etiketterne</source>
        <translation>Navn på etikettene</translation>
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
        <translation>Lokasjonens n&amp;avn på lokasjonsetiketter</translation>
    </message>
    <message>
        <source>T&amp;egn:</source>
        <translation>T&amp;egn:</translation>
    </message>
    <message>
        <source>Udskriv &amp;prøveetiket</source>
        <translation>Skriv ut &amp;prøveetikett</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>%1: %2 Etiketten får en Code 128-stregkode i stedet.</source>
        <translation>%1: %2 Etiketten får en Code 128-strekkode i stedet.</translation>
    </message>
    <message>
        <source>%1: %2 Etiketten får ingen stregkode.</source>
        <translation>%1: %2 Etiketten får ingen strekkode.</translation>
    </message>
    <message>
        <source>%1: Uden nummer får etiketten ingen stregkode.</source>
        <translation>%1: Uten nummer får etiketten ingen strekkode.</translation>
    </message>
    <message>
        <source>…og %1 mere</source>
        <translation>…og %1 til</translation>
    </message>
    <message>
        <source>Indhold: %1</source>
        <translation>Innhold: %1</translation>
    </message>
</context>
<context>
    <name>LabelSheetDialog</name>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>De valgte &amp;radene (%1)</translation>
    </message>
    <message>
        <source>&amp;Gem PDF...</source>
        <translation>&amp;Lagre PDF...</translation>
    </message>
    <message>
        <source>&amp;Udskriv...</source>
        <translation>&amp;Skriv ut...</translation>
    </message>
    <message>
        <source>Etiketter uden den valgte stregkode</source>
        <translation>Etiketter uten den valgte strekkoden</translation>
    </message>
    <message>
        <source>Nogle etiketter kan ikke få den valgte stregkode:

%1

Udskriv etiketterne alligevel?</source>
        <translation>Noen etiketter kan ikke få den valgte strekkoden:

%1

Skrive ut etikettene likevel?</translation>
    </message>
    <message>
        <source>Skriver etiketterne...</source>
        <translation>Skriver etikettene...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>%1 - etiketter.pdf</source>
        <translation>%1 - etiketter.pdf</translation>
    </message>
    <message>
        <source>Gem etiketterne</source>
        <translation>Lagre etikettene</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Etiketterne blev ikke gemt</source>
        <translation>Etikettene ble ikke lagret</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 ble ikke lagret:
%2</translation>
    </message>
    <message>
        <source>Udskriv etiketter</source>
        <translation>Skriv ut etiketter</translation>
    </message>
    <message>
        <source>Etiketterne blev ikke udskrevet</source>
        <translation>Etikettene ble ikke skrevet ut</translation>
    </message>
    <message>
        <source>De &amp;viste rækker (%1)</source>
        <translation>De &amp;viste radene (%1)</translation>
    </message>
</context>
<context>
    <name>LabelSheetDialogBase</name>
    <message>
        <source>Udskriv etiketter</source>
        <translation>Skriv ut etiketter</translation>
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
        <translation>De valgte &amp;radene</translation>
    </message>
    <message>
        <source>Etiketter</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>En etiket for hver &amp;ting</source>
        <translation>En etikett for hver &amp;ting</translation>
    </message>
    <message>
        <source>En etiket for hvert &amp;sted (QR-kode med indholdet)</source>
        <translation>En etikett for hvert &amp;sted (QR-kode med innholdet)</translation>
    </message>
    <message>
        <source>En etiket for hvert &amp;stk. (antallet)</source>
        <translation>En etikett for hvert s&amp;tk. (antallet)</translation>
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
        <translation>Begynn ved &amp;etikett nr.:</translation>
    </message>
    <message>
        <source>Egen opstilling</source>
        <translation>Eget oppsett</translation>
    </message>
    <message>
        <source>Sidens bredde:</source>
        <translation>Sidens bredde:</translation>
    </message>
    <message>
        <source>Sidens højde:</source>
        <translation>Sidens høyde:</translation>
    </message>
    <message>
        <source>Kolonner:</source>
        <translation>Kolonner:</translation>
    </message>
    <message>
        <source>Rækker:</source>
        <translation>Rader:</translation>
    </message>
    <message>
        <source>Etikettens bredde:</source>
        <translation>Etikettens bredde:</translation>
    </message>
    <message>
        <source>Etikettens højde:</source>
        <translation>Etikettens høyde:</translation>
    </message>
    <message>
        <source>Venstre margen:</source>
        <translation>Venstre marg:</translation>
    </message>
    <message>
        <source>Øverste margen:</source>
        <translation>Øverste marg:</translation>
    </message>
    <message>
        <source>Mellem kolonner:</source>
        <translation>Mellom kolonner:</translation>
    </message>
    <message>
        <source>Mellem rækker:</source>
        <translation>Mellom rader:</translation>
    </message>
    <message>
        <source>Indhold</source>
        <translation>Innhold</translation>
    </message>
    <message>
        <source>S&amp;tregkode:</source>
        <translation>S&amp;trekkode:</translation>
    </message>
    <message>
        <source>&amp;Navn</source>
        <translation>&amp;Navn</translation>
    </message>
    <message>
        <source>&amp;Fabrikat og model</source>
        <translation>&amp;Fabrikat og modell</translation>
    </message>
    <message>
        <source>&amp;Placering</source>
        <translation>&amp;Plassering</translation>
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
        <translation>S&amp;kriver</translation>
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
        <translation>Eget oppsett</translation>
    </message>
    <message>
        <source>A4 %1 × %2 (%3)</source>
        <translation>A4 %1 × %2 (%3)</translation>
    </message>
    <message>
        <source>Siden skal have en bredde og en højde.</source>
        <translation>Siden må ha en bredde og en høyde.</translation>
    </message>
    <message>
        <source>Arket skal have mindst én række og én kolonne.</source>
        <translation>Arket må ha minst én rad og én kolonne.</translation>
    </message>
    <message>
        <source>Etiketterne skal have en bredde og en højde.</source>
        <translation>Etikettene må ha en bredde og en høyde.</translation>
    </message>
    <message>
        <source>Margener og mellemrum kan ikke være negative.</source>
        <translation>Marger og mellomrom kan ikke være negative.</translation>
    </message>
    <message>
        <source>%1 kolonner med margen og mellemrum er %2 mm brede, men siden er kun %3 mm bred.</source>
        <translation>%1 kolonner med marg og mellomrom er %2 mm brede, men siden er bare %3 mm bred.</translation>
    </message>
    <message>
        <source>%1 rækker med margen og mellemrum er %2 mm høje, men siden er kun %3 mm høj.</source>
        <translation>%1 rader med marg og mellomrom er %2 mm høye, men siden er bare %3 mm høy.</translation>
    </message>
</context>
<context>
    <name>LabelSheetWriter</name>
    <message>
        <source>Etiketterne kunne ikke skrives.</source>
        <translation>Etikettene kunne ikke skrives.</translation>
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
        <translation>Utskrift avbrutt</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Skriver ut...</translation>
    </message>
    <message>
        <source>Printing (page %1)...</source>
        <translation>Skriver ut (side %1)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Utskrift ferdig</translation>
    </message>
    <message>
        <source>Print mislykkedes</source>
        <translation>Utskrift mislyktes</translation>
    </message>
    <message>
        <source>De valgte kolonner er bredere end papiret, også på tværs af siden og med den mindste skrift (%1 punkter).</source>
        <translation>De valgte kolonnene er bredere enn papiret, også på tvers av siden og med den minste skriften (%1 punkter).</translation>
    </message>
    <message>
        <source>Teksten i disse kolonner fortsætter derfor på flere linjer: %1.</source>
        <translation>Teksten i disse kolonnene fortsetter derfor på flere linjer: %1.</translation>
    </message>
    <message>
        <source>Der er ikke plads til disse kolonner, så de udelades: %1.</source>
        <translation>Det er ikke plass til disse kolonnene, så de utelates: %1.</translation>
    </message>
    <message>
        <source>Vælg færre felter eller kortere feltlængder under Opsætning, Udskrivning for at få hver post på én linje.</source>
        <translation>Velg færre felt eller kortere feltlengder under Oppsett, Utskrift for å få hver post på én linje.</translation>
    </message>
    <message>
        <source>Listen er for bred til papiret</source>
        <translation>Listen er for bred for papiret</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>&amp;Annuller</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>LocationUpdate</name>
    <message>
        <source>Move failed, location2: %1 not found, max groups: %2</source>
        <translation>Flytting mislyktes, lokasjon 2: %1 finnes ikke, antall grupper: %2</translation>
    </message>
    <message>
        <source>Move failed, location1: %1 not found, max groups: %2</source>
        <translation>Flytting mislyktes, lokasjon 1: %1 finnes ikke, antall grupper: %2</translation>
    </message>
    <message>
        <source>Update failed for location: %1, inventory_id: %2, items: %3</source>
        <translation>Oppdatering mislyktes for lokasjon: %1, varenummer: %2, antall: %3</translation>
    </message>
    <message>
        <source>Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Opptelling (I) mislyktes, for få varer: %1 i post: %2 - kan ikke trekke fra %3</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - not found at location: %2</source>
        <translation>Flytting mislyktes, vare: %1 - finnes ikke på lokasjon: %2</translation>
    </message>
    <message>
        <source>Move failed, to few items: %1 in record: %2 - can not subtract (%3)</source>
        <translation>Flytting mislyktes, for få varer: %1 i post: %2 - kan ikke trekke fra %3</translation>
    </message>
    <message>
        <source>Move failed, ItemId: %1 - the number of items to move must be at least 1: %2</source>
        <translation>Flytting mislyktes, vare: %1 - antallet som flyttes, må være minst 1: %2</translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke slettes, og dens flytninger vil blive udført igen ved næste indlæsning:
%2</source>
        <translation>Filen %1 kunne ikke slettes, og flyttingene i den vil bli utført igjen ved neste innlesing:
%2</translation>
    </message>
    <message>
        <source>Post %1 for vare %2 mislykkedes: antallet %3 ligger uden for det, en vare kan have (%4 til %5)</source>
        <translation>Post %1 for vare %2 mislyktes: antallet %3 ligger utenfor det en vare kan ha (%4 til %5)</translation>
    </message>
    <message>
        <source>Optælling (I) mislykkedes for vare %1: %2 + %3 stykker er flere, end en vare kan have (%4)</source>
        <translation>Opptelling (I) mislyktes for vare %1: %2 + %3 stykker er flere enn en vare kan ha (%4)</translation>
    </message>
    <message>
        <source>Flytning mislykkedes for vare %1: %2 + %3 stykker på lokation %4 er flere, end en vare kan have (%5)</source>
        <translation>Flytting mislyktes for vare %1: %2 + %3 stykker på lokasjon %4 er flere enn en vare kan ha (%5)</translation>
    </message>
    <message>
        <source>Placering (S) mislykkedes for vare %1: der er intet varenummer efter %2 til den nye vare</source>
        <translation>Plassering (S) mislyktes for vare %1: det finnes ikke noe varenummer etter %2 til den nye varen</translation>
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
        <translation>Velg bildevisningsprogram</translation>
    </message>
    <message>
        <source>Billede visnings program (*.exe)</source>
        <translation>Bildevisningsprogram (*.exe)</translation>
    </message>
    <message>
        <source>Vælg internet (www) program</source>
        <translation>Velg nettleser (www)</translation>
    </message>
    <message>
        <source>Internet (www) program (*.exe)</source>
        <translation>Nettleser (*.exe)</translation>
    </message>
    <message>
        <source>FileError</source>
        <translation>Filfeil</translation>
    </message>
    <message>
        <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
        <translation>Databasefilen kan ikke åpnes eller leses.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
        <translation>%1 lest inn, %2 poster, tid: %3 sek.</translation>
    </message>
    <message>
        <source>SAVE_CURRENT_DB_QUESTION</source>
        <translation>Databasen er endret. Vil du lagre endringene?</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Gem &amp;ikke</source>
        <translation>&amp;Ikke lagre</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Åben ostrana register fil</source>
        <translation>Velg databasefil</translation>
    </message>
    <message>
        <source>ITEMS_SAVED_DB_MESSAGE </source>
        <translation>%1 lagret, %2 poster, tid: %3 sek. </translation>
    </message>
    <message>
        <source>BackupCurrentDB</source>
        <translation>Sikkerhetskopi av databasen</translation>
    </message>
    <message>
        <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
        <translation>Det ble ikke valgt noen fil, så det er ikke tatt noen sikkerhetskopi.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
        <translation>Det nye språket brukes når programmet startes på nytt. Ved neste start åpnes demodatabasen på det nye språket.</translation>
    </message>
    <message>
        <source>About Quorvel</source>
        <translation>Om Quorvel</translation>
    </message>
    <message>
        <source>AboutQuorvelDetails</source>
        <translation>Quorvel - lagerregister

Hold oversikt over varelageret i en liten butikk eller et lager: varer, antall, priser, leverandører og plasseringer. Skriv ut strekkodeetiketter, og flytt varer mellom plasseringer ved å lese inn filene fra en strekkodeleser.

Flere kan åpne den samme databasen; den første som åpner den, kan lagre.</translation>
    </message>
    <message>
        <source>About Vistrel</source>
        <translation>Om Vistrel</translation>
    </message>
    <message>
        <source>AboutVistrelDetails</source>
        <translation>Vistrel - bildedatabase

Registrer samlingen din av bilder og kunstverk: tittel, kunstner, teknikk, takst, salgspris og plassering, med et bilde av hvert verk.

Skriv ut lister og rapporter, eller vis samlingen som HTML.</translation>
    </message>
    <message>
        <source>About Numivax</source>
        <translation>Om Numivax</translation>
    </message>
    <message>
        <source>AboutNumivaxDetails</source>
        <translation>Numivax - myntdatabase

Registrer myntsamlingen din: pålydende, årstall, metall, kvalitet, katalognummer og verdi, med bilder av forside og bakside.

Skriv ut lister og rapporter, eller vis samlingen og myntene du mangler som HTML.</translation>
    </message>
    <message>
        <source>About Ostrana</source>
        <translation>Om Ostrana</translation>
    </message>
    <message>
        <source>AboutOstranaDetails</source>
        <translation>Ostrana - innboregister

Registrer innboet ditt: møbler, verktøy, klær og alt annet du eier, med pris, kjøpsdato, leverandør, serienummer, bilder og kvitteringer. Registeret er til god hjelp ved forsikring, flytting og etter tyveri eller brann.

Skriv ut lister og rapporter per gruppe, eller lagre registeret som HTML eller XML.</translation>
    </message>
    <message>
        <source>CommonSetupDialogTitle</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 lagret, antall: %3, tid: %4 sek. </translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 lagret, antall: %3, tid: %4 sek. </translation>
    </message>
    <message>
        <source>%1 blev ikke gemt: %2</source>
        <translation>%1 ble ikke lagret: %2</translation>
    </message>
    <message>
        <source>Eksporten mislykkedes</source>
        <translation>Eksporten mislyktes</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 ble ikke lagret:
%2</translation>
    </message>
    <message>
        <source>Demodatabasen %1 kan ikke åbnes eller læses, og programmet afsluttes.</source>
        <translation>Demodatabasen %1 kan ikke åpnes eller leses, og programmet avsluttes.</translation>
    </message>
    <message>
        <source>Databasefilen %1 kan ikke åbnes eller læses, og programmet afsluttes. Filen er ikke ændret. Næste gang programmet startes, åbner det demodatabasen %2.</source>
        <translation>Databasefilen %1 kan ikke åpnes eller leses, og programmet avsluttes. Filen er ikke endret. Neste gang programmet startes, åpner det demodatabasen %2.</translation>
    </message>
    <message>
        <source>Versionen %1 findes ikke længere.</source>
        <translation>Versjonen %1 finnes ikke lenger.</translation>
    </message>
    <message>
        <source>Versionen fra %1 er gendannet, men endnu ikke gemt i %2.</source>
        <translation>Versjonen fra %1 er gjenopprettet, men ennå ikke lagret i %2.</translation>
    </message>
    <message>
        <source>Importen er ikke mulig</source>
        <translation>Importen er ikke mulig</translation>
    </message>
    <message>
        <source>Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.</source>
        <translation>Databasen er skrivebeskyttet (et annet program har låst den), så det kan ikke importeres i den.</translation>
    </message>
    <message>
        <source>%1 poster er importeret fra %2. Rediger &gt; Fortryd import tager dem ud igen.</source>
        <translation>%1 poster er importert fra %2. Rediger &gt; Angre import tar dem ut igjen.</translation>
    </message>
    <message>
        <source>Vælg først de rækker, der skal rettes.</source>
        <translation>Velg først radene som skal rettes.</translation>
    </message>
    <message>
        <source>%1 rækker er rettet.</source>
        <translation>%1 rader er rettet.</translation>
    </message>
    <message>
        <source>%1 af %2 billede</source>
        <translation>%1 av %2 bilde</translation>
    </message>
    <message>
        <source>%1 af %2 billeder</source>
        <translation>%1 av %2 bilder</translation>
    </message>
    <message>
        <source>%1 af %2 mønt</source>
        <translation>%1 av %2 mynt</translation>
    </message>
    <message>
        <source>%1 af %2 mønter</source>
        <translation>%1 av %2 mynter</translation>
    </message>
    <message>
        <source>%1 af %2 vare</source>
        <translation>%1 av %2 vare</translation>
    </message>
    <message>
        <source>%1 af %2 varer</source>
        <translation>%1 av %2 varer</translation>
    </message>
    <message>
        <source>%1 af %2 genstand</source>
        <translation>%1 av %2 gjenstand</translation>
    </message>
    <message>
        <source>%1 af %2 genstande</source>
        <translation>%1 av %2 gjenstander</translation>
    </message>
    <message>
        <source>Databasefilen %1 findes ikke eller kan ikke læses. Programmet åbner i stedet den database, det plejer at starte med.</source>
        <translation>Databasefilen %1 finnes ikke eller kan ikke leses. Programmet åpner i stedet databasen det vanligvis starter med.</translation>
    </message>
    <message>
        <source>Filen %1 kan ikke åbnes som en %2-database. Filen er ikke ændret. Programmet åbner i stedet den database, det plejer at starte med.</source>
        <translation>Filen %1 kan ikke åpnes som en %2-database. Filen er ikke endret. Programmet åpner i stedet databasen det vanligvis starter med.</translation>
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
        <translation>Rom</translation>
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
        <translation>Oppretter en ny, tom database. Er den åpne databasen endret, blir du spurt om den skal lagres først.</translation>
    </message>
    <message>
        <source>FILE_OPEN</source>
        <translation>&amp;Åpne...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_OPEN</source>
        <translation>Åpner en databasefil (*.inb, *.txt, *.db) med listene over grupper, plasseringer og leverandører.</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>Oppdater p&amp;lasseringer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Leser inn filene fra strekkodeleseren og flytter varene til de skannede plasseringene. Databasen lagres etterpå.</translation>
    </message>
    <message>
        <source>FILE_SAVE</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE</source>
        <translation>Lagrer databasen i den åpne filen. En ny database uten navn lagres under et navn du velger.</translation>
    </message>
    <message>
        <source>FILE_SAVE_AS</source>
        <translation>Lagre &amp;som...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE_AS</source>
        <translation>Lagrer databasen under et nytt navn sammen med listene.</translation>
    </message>
    <message>
        <source>BACKUP...</source>
        <translation>Sikkerhets&amp;kopi...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_BACKUP</source>
        <translation>Lagrer en kopi av databasen i en fil du velger (*.bak). Den åpne filen og navnet endres ikke.</translation>
    </message>
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Lagre som &amp;HTML</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Lagre som &amp;XML</translation>
    </message>
    <message>
        <source>SAVE_SETTINGS</source>
        <translation>Lagre &amp;innstillinger</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVESETTINGS</source>
        <translation>Lagrer vinduets størrelse og plassering, kolonnebreddene, listen over de siste filene og &quot;Vis alle&quot;.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Skriv ut s&amp;trekkoder...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Skriver ut strekkodeetiketter for valgt vare eller gruppe på etikettskriveren.</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Skriver ut en liste over registeret. Hva som skrives ut, velges under Oppsett, Utskrift.</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>&amp;Rediger</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>Rediger gjenstand</translation>
    </message>
    <message>
        <source>VistrelEdit</source>
        <translation>Rediger bilde</translation>
    </message>
    <message>
        <source>NumivaxEdit</source>
        <translation>Rediger mynt</translation>
    </message>
    <message>
        <source>QuorvelEdit</source>
        <translation>&amp;Rediger vare</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Åpner den valgte posten i redigeringsvinduet. Er en gruppe eller ingenting valgt, opprettes en ny post.</translation>
    </message>
    <message>
        <source>&amp;Slet Ostrana</source>
        <translation>&amp;Slett gjenstand</translation>
    </message>
    <message>
        <source>VistrelEditDelete</source>
        <translation>&amp;Slett bilde</translation>
    </message>
    <message>
        <source>NumivaxEditDelete</source>
        <translation>&amp;Slett mynt</translation>
    </message>
    <message>
        <source>QuorvelEditDelete</source>
        <translation>&amp;Slett vare</translation>
    </message>
    <message>
        <source>Sø&amp;g Ostrana...</source>
        <translation>Sø&amp;k etter gjenstand...</translation>
    </message>
    <message>
        <source>VistrelEditSearc</source>
        <translation>Sø&amp;k etter bilde...</translation>
    </message>
    <message>
        <source>NumivaxEditSearc</source>
        <translation>Sø&amp;k etter mynt...</translation>
    </message>
    <message>
        <source>QuorvelEditSearch</source>
        <translation>Sø&amp;k etter vare...</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søk i databasen</translation>
    </message>
    <message>
        <source>Precreate items in Quorvel</source>
        <translation>&amp;Opprett varer på forhånd...</translation>
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
        <translation>Vis alle som HTML-&amp;tabell</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>Vis alle som &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML</source>
        <translation>Vis manglende my&amp;nter som HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML</source>
        <translation>Lager en HTML-side med myntene som har verdi 0 (f.eks. dem du mangler i samlingen), og åpner den.</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_XML</source>
        <translation>Vis alle som &amp;XML</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis valgt som HT&amp;ML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_CURRENT_AS_HTML</source>
        <translation>Lager en HTML-side med posten som er valgt i listen, og åpner den i nettleseren.</translation>
    </message>
    <message>
        <source>VISTREL_SHOW_PICTURE</source>
        <translation>Vis &amp;bilde</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_FRONTSIDE_PICTURE_NUMIVAX</source>
        <translation>Vis forside</translation>
    </message>
    <message>
        <source>VIS_BILLEDE</source>
        <translation>Vis &amp;bilde</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Viser bildet av den valgte posten.</translation>
    </message>
    <message>
        <source>VISTREL_SHOW_PICTURE2</source>
        <translation>Vis bilde &amp;2</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Vis bakside</translation>
    </message>
    <message>
        <source>VIS_KVITTERING</source>
        <translation>Vis &amp;kvittering</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_NUMIVAX</source>
        <translation>Viser bildet av baksiden til valgt mynt.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_RECEIPT</source>
        <translation>Åpner kvitteringen (eller det andre bildet) for den valgte posten.</translation>
    </message>
    <message>
        <source>VIS_WWW</source>
        <translation>Vis &amp;www</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_URL</source>
        <translation>Åpner nettadressen for den valgte posten i nettleseren.</translation>
    </message>
    <message>
        <source>VIS_DOCUMENT</source>
        <translation>Vis &amp;dokument</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
        <translation>Åpner dokumentet som er knyttet til den valgte posten.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Viser en rapport med antall og verdi for hver gruppe.</translation>
    </message>
    <message>
        <source>&amp;Opsætning</source>
        <translation>&amp;Oppsett</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Utskrift...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Rom/plasseringer...</translation>
    </message>
    <message>
        <source>&amp;Inventar typer (grupper)...</source>
        <translation>&amp;Gjenstandstyper (grupper)...</translation>
    </message>
    <message>
        <source>LEVERANDØRER</source>
        <translation>Le&amp;verandører...</translation>
    </message>
    <message>
        <source>&amp;Billedvisnings program...</source>
        <translation>&amp;Bildevisningsprogram...</translation>
    </message>
    <message>
        <source>Internet program (&amp;www)...</source>
        <translation>Nettleser (&amp;www)...</translation>
    </message>
    <message>
        <source>SetupDefaultDirectories</source>
        <translation>Standard&amp;mapper...</translation>
    </message>
    <message>
        <source>LANGUAGE_MENU</source>
        <translation>&amp;Språk</translation>
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
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Hjælp...</source>
        <translation>&amp;Hjelp...</translation>
    </message>
    <message>
        <source>&amp;Tutorial...</source>
        <translation>&amp;Kom i gang...</translation>
    </message>
    <message>
        <source>&amp;Links...</source>
        <translation>&amp;Lenker...</translation>
    </message>
    <message>
        <source>&amp;ErrorHandling...</source>
        <translation>&amp;Feilsøking...</translation>
    </message>
    <message>
        <source>&amp;Release noter...</source>
        <translation>&amp;Utgivelsesnotater...</translation>
    </message>
    <message>
        <source>&amp;Hvad er det ?</source>
        <translation>H&amp;va er dette?</translation>
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
        <translation>Verktøy</translation>
    </message>
    <message>
        <source>Gendan en tidligere version...</source>
        <translation>Gjenopprett en tidligere versjon...</translation>
    </message>
    <message>
        <source>Åbner en af de versioner af databasefilen, som de seneste gemninger har erstattet.</source>
        <translation>Åpner en av versjonene av databasefilen som de siste lagringene har erstattet.</translation>
    </message>
    <message>
        <source>&amp;Nyt inventar...</source>
        <translation>&amp;Ny gjenstand...</translation>
    </message>
    <message>
        <source>&amp;Nyt billede...</source>
        <translation>&amp;Nytt bilde...</translation>
    </message>
    <message>
        <source>&amp;Ny mønt...</source>
        <translation>&amp;Ny mynt...</translation>
    </message>
    <message>
        <source>&amp;Ny vare...</source>
        <translation>&amp;Ny vare...</translation>
    </message>
    <message>
        <source>Åbner redigeringsvinduet på en ny post i gruppen for den valgte række (den første gruppe, når ingen række er valgt).</source>
        <translation>Åpner redigeringsvinduet på en ny post i gruppen for den valgte raden (den første gruppen når ingen rad er valgt).</translation>
    </message>
    <message>
        <source>Importér</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Regneark (CSV)...</source>
        <translation>Regneark (CSV)...</translation>
    </message>
    <message>
        <source>Læser poster fra et regneark (en CSV-fil) ind i databasen.</source>
        <translation>Leser poster fra et regneark (en CSV-fil) inn i databasen.</translation>
    </message>
    <message>
        <source>Eksportér</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Gemmer registret, en gruppe eller de valgte rækker som en fil, et regneark kan åbne.</source>
        <translation>Lagrer registeret, en gruppe eller de valgte radene som en fil et regneark kan åpne.</translation>
    </message>
    <message>
        <source>&amp;Værdiopgørelse (PDF)...</source>
        <translation>&amp;Verdioppgjør (PDF)...</translation>
    </message>
    <message>
        <source>Skriver en opgørelse med billeder, kvitteringer og summer til forsikringen eller en vurdering.</source>
        <translation>Skriver et oppgjør med bilder, kvitteringer og summer til forsikringen eller en takst.</translation>
    </message>
    <message>
        <source>&amp;Ret valgte...</source>
        <translation>&amp;Rett valgte...</translation>
    </message>
    <message>
        <source>Ændrer gruppe, sted, leverandør, dato eller vurderet pris for alle de valgte rækker på én gang.</source>
        <translation>Endrer gruppe, sted, leverandør, dato eller takst for alle de valgte radene på én gang.</translation>
    </message>
    <message>
        <source>&amp;Vælg alle</source>
        <translation>&amp;Velg alle</translation>
    </message>
    <message>
        <source>Vælger alle rækker i listen, i alle grupper.</source>
        <translation>Velger alle radene i listen, i alle grupper.</translation>
    </message>
    <message>
        <source>Vælg &amp;gruppens rækker</source>
        <translation>Velg &amp;gruppens rader</translation>
    </message>
    <message>
        <source>Føjer alle rækker i den valgte rækkes gruppe til de valgte.</source>
        <translation>Legger alle radene i gruppen til den valgte raden til de valgte.</translation>
    </message>
    <message>
        <source>&amp;Etiketprinter...</source>
        <translation>&amp;Etikettskriver...</translation>
    </message>
    <message>
        <source>&amp;Statistik...</source>
        <translation>&amp;Statistikk...</translation>
    </message>
    <message>
        <source>Viser summerne fordelt på gruppe, sted, leverandør og købsår, med diagrammer.</source>
        <translation>Viser summene fordelt på gruppe, sted, leverandør og kjøpsår, med diagrammer.</translation>
    </message>
    <message>
        <source>Udskriv &amp;etiketter...</source>
        <translation>Skriv ut &amp;etiketter...</translation>
    </message>
    <message>
        <source>Udskriver etiketter med stregkode eller QR-kode på etiketark, på en printer eller i en PDF-fil.</source>
        <translation>Skriver ut etiketter med strekkode eller QR-kode på etikettark, på en skriver eller i en PDF-fil.</translation>
    </message>
</context>
<context>
    <name>PageHeading</name>
    <message>
        <source>Ny database (ikke gemt)</source>
        <translation>Ny database (ikke lagret)</translation>
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
        <translation>%1, sortert etter %2</translation>
    </message>
    <message>
        <source>side %1 af %2</source>
        <translation>side %1 av %2</translation>
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
        <translation>Bare %1</translation>
    </message>
    <message>
        <source>%1 (i alt)</source>
        <translation>%1 (totalt)</translation>
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
        <translation>Utskriften mislyktes</translation>
    </message>
    <message>
        <source>Udskriften kunne ikke gemmes i %1:
%2

En tidligere fil af det navn er uændret.</source>
        <translation>Utskriften kunne ikke lagres i %1:
%2

En tidligere fil med det navnet er uendret.</translation>
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
        <translation>den kan ikke leses (%1)</translation>
    </message>
    <message>
        <source>den er beskadiget</source>
        <translation>den er skadet</translation>
    </message>
    <message>
        <source>den er beskadiget (kontrolsummen passer ikke)</source>
        <translation>den er skadet (kontrollsummen stemmer ikke)</translation>
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
        <translation>den hører til en annen database (%1)</translation>
    </message>
    <message>
        <source>databasefilen er ændret, siden ændringerne blev gjort</source>
        <translation>databasefilen er endret siden endringene ble gjort</translation>
    </message>
</context>
<context>
    <name>RecoveryReplay</name>
    <message>
        <source>ændring nr. %1 kan ikke læses</source>
        <translation>endring nr. %1 kan ikke leses</translation>
    </message>
    <message>
        <source>en vare kan ikke læses</source>
        <translation>en gjenstand kan ikke leses</translation>
    </message>
    <message>
        <source>ændring nr. %1 passer ikke til databasen</source>
        <translation>endring nr. %1 passer ikke til databasen</translation>
    </message>
</context>
<context>
    <name>ReplacedVersion</name>
    <message>
        <source>Filen kunne ikke få et navn i mappen med versioner.</source>
        <translation>Filen kunne ikke få et navn i mappen med versjoner.</translation>
    </message>
    <message>
        <source>Mappen kunne ikke oprettes.</source>
        <translation>Mappen kunne ikke opprettes.</translation>
    </message>
    <message>
        <source>Databasefilen er flyttet</source>
        <translation>Databasefilen er flyttet</translation>
    </message>
    <message>
        <source>Den hidtidige databasefil kunne ikke flyttes tilbage til %1:
%2

Den ligger nu i %3.</source>
        <translation>Den forrige databasefilen kunne ikke flyttes tilbake til %1:
%2

Den ligger nå i %3.</translation>
    </message>
    <message>
        <source>Ingen tidligere version gemt</source>
        <translation>Ingen tidligere versjon lagret</translation>
    </message>
    <message>
        <source>Databasen er gemt, men den fil, den erstattede, kunne ikke gemmes som tidligere version i %1:
%2

Databasen gemmes fortsat som hidtil, men uden tidligere versioner. Det nævnes kun denne ene gang, til programmet startes igen.</source>
        <translation>Databasen er lagret, men filen den erstattet, kunne ikke lagres som tidligere versjon i %1:
%2

Databasen lagres fortsatt som før, men uten tidligere versjoner. Dette nevnes bare denne ene gangen, til programmet startes på nytt.</translation>
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
        <translation>Bilder: samlet oversikt etter gruppe</translation>
    </message>
    <message>
        <source>OSTRANA_REPORT_HEADER_TEXT</source>
        <translation>Samlet oversikt etter gruppe</translation>
    </message>
    <message>
        <source>FUNI_TOTAL_TEXT</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>FUNI_COUNT_TEXT</source>
        <translation>Antall poster: %1</translation>
    </message>
</context>
<context>
    <name>ReportDialogBase</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Rapport (samlet oversikt)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Sum av alle gjenstander etter gruppe</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>Udskriv rapport over ostrana grupper</source>
        <translation>Skriv ut rapporten over gruppene</translation>
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
        <translation>Gjenopprett en tidligere versjon</translation>
    </message>
    <message>
        <source>Gemt</source>
        <translation>Lagret</translation>
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
        <translation>&amp;Gjenopprett</translation>
    </message>
    <message>
        <source>&amp;Luk</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Der er ingen tidligere versioner af %1.</source>
        <translation>Det finnes ingen tidligere versjoner av %1.</translation>
    </message>
    <message>
        <source>Tidligere versioner af %1, den nyeste først. En gendannet version åbnes i stedet for databasen, og den gemmes først, når du gemmer.</source>
        <translation>Tidligere versjoner av %1, den nyeste først. En gjenopprettet versjon åpnes i stedet for databasen, og den lagres først når du lagrer.</translation>
    </message>
    <message>
        <source>ukendt</source>
        <translation>ukjent</translation>
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
        <translation>De valgte radene (%1)</translation>
    </message>
    <message>
        <source>Købsår</source>
        <translation>Kjøpsår</translation>
    </message>
    <message>
        <source>Værdi i dag fordelt på %1</source>
        <translation>Verdi i dag fordelt på %1</translation>
    </message>
    <message>
        <source>Købspris i alt fordelt på købsår</source>
        <translation>Innkjøpspris i alt fordelt på kjøpsår</translation>
    </message>
    <message>
        <source>Antal poster</source>
        <translation>Antall poster</translation>
    </message>
    <message>
        <source>Købspris i alt</source>
        <translation>Innkjøpspris i alt</translation>
    </message>
    <message>
        <source>Værdi i dag i alt</source>
        <translation>Verdi i dag i alt</translation>
    </message>
    <message>
        <source>&amp;Kopiér diagrammet</source>
        <translation>&amp;Kopier diagrammet</translation>
    </message>
    <message>
        <source>&amp;Gem som PNG...</source>
        <translation>&amp;Lagre som PNG...</translation>
    </message>
    <message>
        <source>Poster: %1, købspris i alt %2, værdi i dag i alt %3</source>
        <translation>Poster: %1, innkjøpspris i alt %2, verdi i dag i alt %3</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uten navn)</translation>
    </message>
    <message>
        <source>(ingen)</source>
        <translation>(ingen)</translation>
    </message>
    <message>
        <source>(uden dato)</source>
        <translation>(uten dato)</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>De viste rækker (%1)</source>
        <translation>De viste radene (%1)</translation>
    </message>
</context>
<context>
    <name>StatisticsDialogBase</name>
    <message>
        <source>Statistik</source>
        <translation>Statistikk</translation>
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
        <translation>Teksten inneholder et nulltegn.</translation>
    </message>
    <message>
        <source>Tallet %1 kan ikke gemmes; kun endelige tal kan.</source>
        <translation>Tallet %1 kan ikke lagres; bare endelige tall kan det.</translation>
    </message>
    <message>
        <source>Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.</source>
        <translation>Denne utgaven lagrer ikke feltet i databasefilen, så det ville gå tapt. Tøm feltet.</translation>
    </message>
    <message>
        <source>Navnet på linje %1 kan ikke gemmes: &quot;%2&quot;
%3</source>
        <translation>Navnet på linje %1 kan ikke lagres: &quot;%2&quot;
%3</translation>
    </message>
    <message>
        <source>Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.</source>
        <translation>Semikolon (;) kan ikke lagres, fordi databasen bruker det mellom feltene.</translation>
    </message>
    <message>
        <source>Linjeskift kan ikke gemmes i et felt.</source>
        <translation>Linjeskift kan ikke lagres i et felt.</translation>
    </message>
    <message>
        <source>Tegnene %1 kan ikke gemmes i databasen.</source>
        <translation>Tegnene %1 kan ikke lagres i databasen.</translation>
    </message>
    <message>
        <source>Databasen kan højst gemme %1 tegn i et felt.</source>
        <translation>Databasen kan lagre høyst %1 tegn i et felt.</translation>
    </message>
    <message>
        <source>Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), som et felt ikke kan have.</source>
        <translation>Teksten inneholder usynlige kontrolltegn (som ESC eller loddrett tabulator), som et felt ikke kan ha.</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>ændring</source>
        <translation>endring</translation>
    </message>
    <message>
        <source>Fortryd %1</source>
        <translation>Angre %1</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Angre</translation>
    </message>
    <message>
        <source>Gentag %1</source>
        <translation>Gjør om %1</translation>
    </message>
    <message>
        <source>Gentag</source>
        <translation>Gjør om</translation>
    </message>
</context>
<context>
    <name>UpdateLocations</name>
    <message>
        <source>File: does not exist</source>
        <translation>Filen finnes ikke</translation>
    </message>
    <message>
        <source>Open_Location_File</source>
        <translation>Åpne lokasjonsfil</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Lokasjonsfil (*.txt *.loc)</translation>
    </message>
</context>
<context>
    <name>UpdateLocations/DeleteLocationFile</name>
    <message>
        <source>File: does not exist</source>
        <translation>Filen finnes ikke</translation>
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
        <translation>Filen %1 kan ikke åpnes for lesing</translation>
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
        <translation>Antall poster</translation>
    </message>
    <message>
        <source>Købspris i alt</source>
        <translation>Innkjøpspris i alt</translation>
    </message>
    <message>
        <source>Værdi i dag i alt</source>
        <translation>Verdi i dag i alt</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uten navn)</translation>
    </message>
    <message>
        <source>(ingen)</source>
        <translation>(ingen)</translation>
    </message>
    <message>
        <source>Købsår</source>
        <translation>Kjøpsår</translation>
    </message>
    <message>
        <source>(uden dato)</source>
        <translation>(uten dato)</translation>
    </message>
    <message>
        <source>Værdiopgørelse</source>
        <translation>Verdioppgjør</translation>
    </message>
    <message>
        <source>PDF-filen kunne ikke skrives.</source>
        <translation>PDF-filen kunne ikke skrives.</translation>
    </message>
    <message>
        <source>side %1 af %2</source>
        <translation>side %1 av %2</translation>
    </message>
    <message>
        <source>Ejer: %1</source>
        <translation>Eier: %1</translation>
    </message>
    <message>
        <source>Policenummer: %1</source>
        <translation>Polisenummer: %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Database: %1</translation>
    </message>
    <message>
        <source>Opgørelsens dato: %1</source>
        <translation>Oppgjørets dato: %1</translation>
    </message>
    <message>
        <source>Antal poster: %1</source>
        <translation>Antall poster: %1</translation>
    </message>
    <message>
        <source>Købspris i alt: %1</source>
        <translation>Innkjøpspris i alt: %1</translation>
    </message>
    <message>
        <source>Værdi i dag i alt: %1</source>
        <translation>Verdi i dag i alt: %1</translation>
    </message>
    <message>
        <source>Poster, hvis billede ikke blev fundet: %1</source>
        <translation>Poster der bildet ikke ble funnet: %1</translation>
    </message>
    <message>
        <source>billede ikke fundet: %1</source>
        <translation>bilde ikke funnet: %1</translation>
    </message>
    <message>
        <source>%1 (ikke fundet)</source>
        <translation>%1 (ikke funnet)</translation>
    </message>
</context>
<context>
    <name>ValueReportDialog</name>
    <message>
        <source>De valgte &amp;rækker (%1)</source>
        <translation>De valgte &amp;radene (%1)</translation>
    </message>
    <message>
        <source>Værdi i dag, højeste først</source>
        <translation>Verdi i dag, høyeste først</translation>
    </message>
    <message>
        <source>%1 - værdiopgørelse.pdf</source>
        <translation>%1 - verdioppgjør.pdf</translation>
    </message>
    <message>
        <source>Gem værdiopgørelsen</source>
        <translation>Lagre verdioppgjøret</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Skriver værdiopgørelsen...</source>
        <translation>Skriver verdioppgjøret...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Værdiopgørelsen blev ikke gemt</source>
        <translation>Verdioppgjøret ble ikke lagret</translation>
    </message>
    <message>
        <source>%1 blev ikke gemt:
%2</source>
        <translation>%1 ble ikke lagret:
%2</translation>
    </message>
    <message>
        <source>De &amp;viste rækker (%1)</source>
        <translation>De &amp;viste radene (%1)</translation>
    </message>
</context>
<context>
    <name>ValueReportDialogBase</name>
    <message>
        <source>Værdiopgørelse (PDF)</source>
        <translation>Verdioppgjør (PDF)</translation>
    </message>
    <message>
        <source>Medtag</source>
        <translation>Ta med</translation>
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
        <translation>De valgte &amp;radene</translation>
    </message>
    <message>
        <source>&amp;Ejer:</source>
        <translation>&amp;Eier:</translation>
    </message>
    <message>
        <source>A&amp;dresse:</source>
        <translation>A&amp;dresse:</translation>
    </message>
    <message>
        <source>&amp;Policenummer:</source>
        <translation>&amp;Polisenummer:</translation>
    </message>
    <message>
        <source>S&amp;orteret efter:</source>
        <translation>S&amp;ortert etter:</translation>
    </message>
    <message>
        <source>Med &amp;billeder</source>
        <translation>Med &amp;bilder</translation>
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
        <translation>Vistrel - bildedatabase</translation>
    </message>
    <message>
        <source>NUMIVAX_CAPTION_TEXT</source>
        <translation>Numivax - myntdatabase</translation>
    </message>
    <message>
        <source>QUORVEL_CAPTION_TEXT</source>
        <translation>Quorvel - lagerregister</translation>
    </message>
    <message>
        <source>OSTRANA_CAPTION_TEXT</source>
        <translation>Ostrana - innboregister</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialog</name>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>Adressefeltets lengde må være mellom 1 og %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>Beskrivelsesfeltets lengde må være mellom 1 og %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig verdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Vennligst rett feltet.</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialogBase</name>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Velg data for utskrift</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>Disse feltene blir skrevet ut (rekkefølgen er fast)</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Valgte felt</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Tilføj</source>
        <translation>&lt;&lt; &amp;Legg til</translation>
    </message>
    <message>
        <source>Flyt det markerede felt til de valgte felter</source>
        <translation>Flytt det merkede feltet til de valgte feltene</translation>
    </message>
    <message>
        <source>&amp;Fjern &gt;&gt;</source>
        <translation>&amp;Fjern &gt;&gt;</translation>
    </message>
    <message>
        <source>Flyt det markerede felt til de mulige felter</source>
        <translation>Flytt det merkede feltet til de mulige feltene</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Mulige felt</translation>
    </message>
    <message>
        <source>Feltlængde (tegn)</source>
        <translation>Feltlengde (tegn)</translation>
    </message>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_TEXTFIELD_LENGTH</source>
        <translation>Antall tegn feltet tar i utskriften</translation>
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
        <translation>Antall</translation>
    </message>
    <message>
        <source>PRICE</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>ESTIMPRICE</source>
        <translation>Takst</translation>
    </message>
    <message>
        <source>PIC2</source>
        <translation>Bilde</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>Rom</translation>
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
        <translation>Produktmodell</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sortering etter</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Mærke</source>
        <translation>Merke</translation>
    </message>
    <message>
        <source>Pris (ialt)</source>
        <translation>Pris (totalt)</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rom</translation>
    </message>
    <message>
        <source>Udvalg</source>
        <translation>Utvalg</translation>
    </message>
    <message>
        <source>PrintGroup</source>
        <translation>Bare gruppen</translation>
    </message>
    <message>
        <source>PrintLocation</source>
        <translation>Bare rommet</translation>
    </message>
    <message>
        <source>Skilletegn mellem felter</source>
        <translation>Skilletegn mellom felt</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>setupdialog</name>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>Skriv ut &amp;strekkode</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Skriv ut strekkodeetikett for den valgte lokasjonen</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Skriver ut en strekkodeetikett med den valgte lokasjonens nummer på etikettskriveren.</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Feil ved inntasting</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>Listen kan ikke romme flere navn.</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>Dette navnet er allerede brukt</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>Velg en lokasjon i listen først.</translation>
    </message>
    <message>
        <source>Skriv et navn i feltet først.</source>
        <translation>Skriv inn et navn i feltet først.</translation>
    </message>
    <message>
        <source>Lokationen &quot;%1&quot; kan ikke slettes, fordi der ligger varer på den (%2 i alt). Flyt dem først til en anden lokation.</source>
        <translation>Lokasjonen &quot;%1&quot; kan ikke slettes fordi det ligger varer på den (%2 i alt). Flytt dem først til en annen lokasjon.</translation>
    </message>
    <message>
        <source>Gruppen &quot;%1&quot; kan ikke slettes, fordi databasens genstande bruger den (%2 i alt). Flyt dem først til en anden gruppe.</source>
        <translation>Gruppen &quot;%1&quot; kan ikke slettes fordi gjenstander i databasen bruker den (%2 i alt). Flytt dem først til en annen gruppe.</translation>
    </message>
    <message>
        <source>Navnet &quot;%1&quot; kan ikke slettes, fordi varer i databasen bruger det (%2 i alt). Flyt dem først til et andet navn i listen.</source>
        <translation>Navnet &quot;%1&quot; kan ikke slettes fordi varer i databasen bruker det (%2 i alt). Flytt dem først til et annet navn i listen.</translation>
    </message>
    <message>
        <source>Lokalet &quot;%1&quot; kan ikke slettes, fordi databasens genstande bruger det (%2 i alt). Flyt dem først til et andet lokale.</source>
        <translation>Plasseringen &quot;%1&quot; kan ikke slettes fordi gjenstander i databasen bruker den (%2 i alt). Flytt dem først til en annen plassering.</translation>
    </message>
    <message>
        <source>Sletter du &quot;%1&quot;, får lokationen efter den et nyt nummer, og etiketten for lokation %2 skal udskrives igen.

Slet &quot;%1&quot;?</source>
        <translation>Sletter du &quot;%1&quot;, får lokasjonen etter den et nytt nummer, og etiketten for lokasjon %2 må skrives ut på nytt.

Slette &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Sletter du &quot;%1&quot;, får lokationerne efter den nye numre, og etiketterne for lokation %2 til %3 skal udskrives igen.

Slet &quot;%1&quot;?</source>
        <translation>Sletter du &quot;%1&quot;, får lokasjonene etter den nye numre, og etikettene for lokasjon %2 til %3 må skrives ut på nytt.

Slette &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Slet lokation</source>
        <translation>Slett lokasjon</translation>
    </message>
    <message>
        <source>Listen har ændringer, der ikke er gemt. Gem listen først, så etiketten får lokationens gemte nummer.</source>
        <translation>Listen har endringer som ikke er lagret. Lagre listen først, så etiketten får lokasjonens lagrede nummer.</translation>
    </message>
    <message>
        <source>ændring af listen</source>
        <translation>endring av listen</translation>
    </message>
</context>
<context>
    <name>setupdialogBase</name>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Her vedlikeholdes en av databasens lister. Endringer lagres først når det trykkes Lagre eller OK.</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>Listens navn i rekkefølge</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>Listens navn. Velg et navn for å rette det i feltet nedenfor.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>Nytt navn eller ny tekst til det valgte navnet</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Skriv et nytt navn og trykk Legg til, eller rett det valgte navnet og trykk Lagre.</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>&amp;Legg til</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Legg navnet til sist i listen</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Slett det valgte navnet</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Lagre listen</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>&amp;Skriv ut</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
</context>
<context>
    <name>userItemCollection</name>
    <message>
        <source>Could_Not_Open_File</source>
        <translation>Filen kunne ikke åpnes:</translation>
    </message>
    <message>
        <source>Listen er ikke gemt:</source>
        <translation>Listen er ikke lagret:</translation>
    </message>
    <message>
        <source>Filen kunne ikke skrives helt</source>
        <translation>Filen kunne ikke skrives helt</translation>
    </message>
</context>
</TS>
