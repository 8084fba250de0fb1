"""The program's texts in Danish, Norwegian (bokmål) and English.

TEXTS maps a source text (a translation key or a Danish source text) to its
(Danish, Norwegian, English) texts; None as the Danish text means the source
text itself. OVERRIDES gives other texts for one context. EXTRA names texts
that are looked up at run time under keys the sources do not spell out.

Terms per edition: Ostrana registers home contents ("inventar" / "gjenstand" /
"item"), Vistrel pictures, Numivax coins, Quorvel stock ("vare" / "vare" /
"stock item"). Menu texts keep the accelerator "&" and the "..." of entries
that open a dialog; keys ending in ":" are followed by a path, so their texts
end in ": ".
"""

TEXTS = {
    # ---------------------------------------------------------------- captions
    "OSTRANA_CAPTION_TEXT": ("Ostrana - indboregister", "Ostrana - innboregister", "Ostrana - home contents register"),
    "VISTREL_CAPTION_TEXT": ("Vistrel - billeddatabase", "Vistrel - bildedatabase", "Vistrel - picture database"),
    "NUMIVAX_CAPTION_TEXT": ("Numivax - møntdatabase", "Numivax - myntdatabase", "Numivax - coin database"),
    "QUORVEL_CAPTION_TEXT": ("Quorvel - lagerregister", "Quorvel - lagerregister", "Quorvel - stock register"),

    # ------------------------------------------------------- database, files
    # database: texts the file cannot hold, read-only warning, save failures
    "Databasen blev ikke gemt": (None, "Databasen ble ikke lagret", "The database was not saved"),
    "Indlæser databasen": (None, "Laster inn databasen", "Loading the database"),
    "Gemmer databasen": (None, "Lagrer databasen", "Saving the database"),
    "Eksporterer": (None, "Eksporterer", "Exporting"),
    "Eksporten mislykkedes": (None, "Eksporten mislyktes", "The export failed"),
    "%1 blev ikke gemt:\n%2": (None, "%1 ble ikke lagret:\n%2", "%1 was not saved:\n%2"),
    "En vare kan ikke gemmes i databasefilen, som den er. Intet er gemt, og filen er uændret."
    "\n\nVare: %1\nGruppe: %2, nr. %3 i gruppen\nFelt: %4\n%5": (
        None,
        "En vare kan ikke lagres i databasefilen slik den er. Ingenting er lagret, og filen er uendret."
        "\n\nVare: %1\nGruppe: %2, nr. %3 i gruppen\nFelt: %4\n%5",
        "An item cannot be stored in the database file as it is. Nothing was saved, and the file is unchanged."
        "\n\nItem: %1\nGroup: %2, no. %3 in the group\nField: %4\n%5"),
    "(uden navn)": (None, "(uten navn)", "(no name)"),
    "Teksten indeholder et nul-tegn.": (
        None, "Teksten inneholder et nulltegn.", "The text contains a zero character."),
    "Tallet %1 kan ikke gemmes; kun endelige tal kan.": (
        None,
        "Tallet %1 kan ikke lagres; bare endelige tall kan det.",
        "The number %1 cannot be stored; only finite numbers can."),
    "Denne udgave gemmer ikke feltet i databasefilen, så det ville gå tabt. Tøm feltet.": (
        None,
        "Denne utgaven lagrer ikke feltet i databasefilen, så det ville gå tapt. Tøm feltet.",
        "This edition does not store the field in the database file, so it would be lost. Empty the field."),
    "Navnet på linje %1 kan ikke gemmes: \"%2\"\n%3": (
        None,
        "Navnet på linje %1 kan ikke lagres: \"%2\"\n%3",
        "The name on line %1 cannot be stored: \"%2\"\n%3"),
    "Listen er ikke gemt:": (None, "Listen er ikke lagret:", "The list was not saved:"),
    "Kan ikke oprette mappen %1": (None, "Kan ikke opprette mappen %1", "Cannot create the folder %1"),
    "Filen kunne ikke skrives helt": (None, "Filen kunne ikke skrives helt", "The file could not be written completely"),
    "Låsefil: %1\nKører programmet, der har låst databasen, ikke længere (fx efter et nedbrud), "
    "kan låsefilen slettes.": (
        None,
        "Låsefil: %1\nKjører ikke programmet som har låst databasen lenger (f.eks. etter et krasj), "
        "kan låsefilen slettes.",
        "Lock file: %1\nIf the program that locked the database is no longer running (after a crash, "
        "for example), the lock file can be deleted."),
    "Databasen kunne ikke gemmes i %1:\n%2": (
        None,
        "Databasen kunne ikke lagres i %1:\n%2",
        "The database could not be saved in %1:\n%2"),
    "FILE_ALLREADY_OPEN_WARNING": ("Databasen er allerede åben", "Databasen er allerede åpen", "Database already open"),
    "DB_OPEN_BY_ANOTHER_USER": (
        "Databasen er åben hos en anden bruger og åbnes derfor skrivebeskyttet: ændringer kan ikke gemmes.\n\n",
        "Databasen er åpen hos en annen bruker og åpnes derfor skrivebeskyttet: endringer kan ikke lagres.\n\n",
        "The database is open by another user, so it is opened read-only: changes cannot be saved.\n\n"),
    "Databasen kunne ikke låses": (None, "Databasen kunne ikke låses", "The database could not be locked"),
    "Låsefilen %1 kunne ikke oprettes:\n%2\n\nDatabasen åbnes derfor skrivebeskyttet: ændringer kan ikke gemmes.": (
        None,
        "Låsefilen %1 kunne ikke opprettes:\n%2\n\nDatabasen åpnes derfor skrivebeskyttet: endringer kan ikke lagres.",
        "The lock file %1 could not be created:\n%2\n\nThe database is therefore opened read-only: "
        "changes cannot be saved."),
    "READ ONLY": ("Skrivebeskyttet", "Skrivebeskyttet", "Read-only"),
    "READ ONLY MODE - No Save": (
        "Databasen er åbnet skrivebeskyttet og kan ikke gemmes.",
        "Databasen er åpnet skrivebeskyttet og kan ikke lagres.",
        "The database is open read-only and cannot be saved."),
    "Filen kunne ikke skrives.": (None, "Filen kunne ikke skrives.", "The file could not be written."),
    # spreadsheet files (CSV): encodings, extra columns, reading and writing
    "UTF-8 med BOM": (None, "UTF-8 med BOM", "UTF-8 with BOM"),
    "%1 nr.": (None, "%1 nr.", "%1 no."),
    "%1 (ISO 8601)": (None, "%1 (ISO 8601)", "%1 (ISO 8601)"),
    "Filen kunne ikke læses: %1": (None, "Filen kunne ikke leses: %1", "The file could not be read: %1"),
    "Et anførselstegn på linje %1 bliver ikke lukket.": (
        None, "Et anførselstegn på linje %1 blir ikke lukket.", "A quotation mark on line %1 is never closed."),
    "Linje %1 indeholder et nul-tegn: filen er ikke tekst i det valgte tegnsæt.": (
        None,
        "Linje %1 inneholder et nulltegn: filen er ikke tekst i det valgte tegnsettet.",
        "Line %1 contains a zero character: the file is not text in the chosen encoding."),
    "Rækken på linje %1 er over %2 tegn lang: filen er ikke et regneark.": (
        None,
        "Raden på linje %1 er over %2 tegn lang: filen er ikke et regneark.",
        "The row on line %1 is longer than %2 characters: the file is not a spreadsheet."),
    "%1 kan ikke skrives i %2.": (None, "%1 kan ikke skrives i %2.", "%1 cannot be written in %2."),
    # spreadsheet export dialog and menu
    "Eksportér": (None, "Eksporter", "Export"),
    "Regneark (CSV)...": (None, "Regneark (CSV)...", "Spreadsheet (CSV)..."),
    "Gemmer registret, en gruppe eller de valgte rækker som en fil, et regneark kan åbne.": (
        None,
        "Lagrer registeret, en gruppe eller de valgte radene som en fil et regneark kan åpne.",
        "Saves the register, a group or the selected rows as a file a spreadsheet can open."),
    "Eksportér som regneark (CSV)": (None, "Eksporter som regneark (CSV)", "Export as a spreadsheet (CSV)"),
    "&Tegnsæt:": (None, "&Tegnsett:", "&Encoding:"),
    "Med &byte-order mark (BOM) til regneark, der kræver det": (
        None, "Med &byte-order mark (BOM) for regneark som krever det",
        "With a &byte-order mark (BOM) for spreadsheets that need one"),
    "&Skilletegn:": (None, "&Skilletegn:", "&Separator:"),
    "&Hele registret": (None, "&Hele registeret", "The &whole register"),
    "Den valgte &gruppe": (None, "Den valgte &gruppen", "The selected &group"),
    "Den valgte &gruppe: %1": (None, "Den valgte &gruppen: %1", "The selected &group: %1"),
    "De valgte &rækker": (None, "De valgte &radene", "The selected &rows"),
    "De valgte &rækker (%1)": (None, "De valgte &radene (%1)", "The selected &rows (%1)"),
    "De &viste rækker (%1)": (None, "De &viste radene (%1)", "The rows sho&wn (%1)"),
    "Komma (,)": (None, "Komma (,)", "Comma (,)"),
    "Semikolon (;)": (None, "Semikolon (;)", "Semicolon (;)"),
    "Tabulator": (None, "Tabulator", "Tab"),
    "Regneark (*.csv)": (None, "Regneark (*.csv)", "Spreadsheets (*.csv)"),
    "Skilletegnet skal være komma, semikolon eller tabulator.": (
        None, "Skilletegnet må være komma, semikolon eller tabulator.",
        "The separator must be a comma, a semicolon or a tab."),
    "Kan ikke gemme gruppe fil:": (
        "Kan ikke gemme gruppefilen: ", "Kan ikke lagre gruppefilen: ", "Cannot save the group file: "),
    "Kan ikke gemme lokale fil:": (
        "Kan ikke gemme lokalefilen: ", "Kan ikke lagre plasseringsfilen: ", "Cannot save the location file: "),
    "KAN_IKKE_GEMME_LEVERAND_FIL:": (
        "Kan ikke gemme leverandørfilen: ", "Kan ikke lagre leverandørfilen: ", "Cannot save the supplier file: "),
    "KAN_IKKE_GEMME_FIELDS_FIL:": (
        "Kan ikke gemme feltnavnefilen: ", "Kan ikke lagre feltnavnfilen: ", "Cannot save the field names file: "),
    "CAN_NOT_DELETE_LOCK_FILE:": (
        "Kan ikke slette låsefilen: ", "Kan ikke slette låsefilen: ", "Cannot delete the lock file: "),
    "Could_Not_Open_File": ("Filen kunne ikke åbnes:", "Filen kunne ikke åpnes:", "The file could not be opened:"),
    "HTML fejl": ("HTML-fejl", "HTML-feil", "HTML error"),
    "All Files (*)": ("Alle filer (*)", "Alle filer (*)", "All Files (*)"),

    # --------------------------------------------------------- main window
    "Vælg eget billedvisnings program": (
        "Vælg billedvisningsprogram", "Velg bildevisningsprogram", "Choose a picture viewer"),
    "Billede visnings program (*.exe)": (
        "Billedvisningsprogram (*.exe)", "Bildevisningsprogram (*.exe)", "Picture viewer (*.exe)"),
    "Vælg internet (www) program": ("Vælg internetprogram (www)", "Velg nettleser (www)", "Choose a web browser"),
    "Internet (www) program (*.exe)": ("Internetprogram (*.exe)", "Nettleser (*.exe)", "Web browser (*.exe)"),
    "FileError": ("Filfejl", "Filfeil", "File error"),
    "Databasefilen %1 kan ikke åbnes eller læses, og programmet afsluttes. Filen er ikke ændret. "
    "Næste gang programmet startes, åbner det demodatabasen %2.": (
        None,
        "Databasefilen %1 kan ikke åpnes eller leses, og programmet avsluttes. Filen er ikke endret. "
        "Neste gang programmet startes, åpner det demodatabasen %2.",
        "The database file %1 cannot be opened or read, and the program ends. The file has not been changed. "
        "The next time the program starts, it opens the demo database %2."),
    # a database named on the command line
    "Databasefilen %1 findes ikke eller kan ikke læses. "
    "Programmet åbner i stedet den database, det plejer at starte med.": (
        None,
        "Databasefilen %1 finnes ikke eller kan ikke leses. "
        "Programmet åpner i stedet databasen det vanligvis starter med.",
        "The database file %1 does not exist or cannot be read. "
        "The program opens the database it usually starts with instead."),
    "Filen %1 kan ikke åbnes som en %2-database. Filen er ikke ændret. "
    "Programmet åbner i stedet den database, det plejer at starte med.": (
        None,
        "Filen %1 kan ikke åpnes som en %2-database. Filen er ikke endret. "
        "Programmet åpner i stedet databasen det vanligvis starter med.",
        "The file %1 cannot be opened as a %2 database. The file has not been changed. "
        "The program opens the database it usually starts with instead."),
    "Demodatabasen %1 kan ikke åbnes eller læses, og programmet afsluttes.": (
        None,
        "Demodatabasen %1 kan ikke åpnes eller leses, og programmet avsluttes.",
        "The demo database %1 cannot be opened or read, and the program ends."),
    "ERROR_DB_FILE_CAN_NOT_BE_OPENED": (
        "Databasefilen kan ikke åbnes eller læses.",
        "Databasefilen kan ikke åpnes eller leses.",
        "The database file cannot be opened or read."),
    "Ok": ("OK", "OK", "OK"),
    "NUMBERS_OF_ITEMS_READ_FORM_DB": (
        "%1 indlæst, %2 poster, tid: %3 sek.",
        "%1 lest inn, %2 poster, tid: %3 sek.",
        "%1 loaded, %2 entries, time: %3 s"),
    "ITEMS_SAVED_DB_MESSAGE ": (
        "%1 gemt, %2 poster, tid: %3 sek. ",
        "%1 lagret, %2 poster, tid: %3 sek. ",
        "%1 saved, %2 entries, time: %3 s "),
    "&%1 %2": ("&%1 %2", "&%1 %2", "&%1 %2"),
    "SAVE_CURRENT_DB_QUESTION": (
        "Databasen er ændret. Vil du gemme ændringerne?",
        "Databasen er endret. Vil du lagre endringene?",
        "The database has been changed. Do you want to save the changes?"),
    "&Gem": (None, "&Lagre", "&Save"),
    "Gem &ikke": (None, "&Ikke lagre", "Do&n't Save"),
    "&Fortryd": (None, "&Avbryt", "&Cancel"),
    "Åben ostrana register fil": ("Vælg databasefil", "Velg databasefil", "Choose database file"),
    "BackupCurrentDB": (
        "Sikkerhedskopi af databasen", "Sikkerhetskopi av databasen", "Back up the database"),
    "NO_BACKUP_ERROR_NO_FILE_SAVED": (
        "Der blev ikke valgt nogen fil, så der er ikke taget nogen sikkerhedskopi.",
        "Det ble ikke valgt noen fil, så det er ikke tatt noen sikkerhetskopi.",
        "No file was chosen, so no backup was made."),
    "Info": ("Info", "Info", "Information"),
    "RESTART_BEFORE_LANGUAGE_CHANGED": (
        "Det nye sprog bruges, når programmet startes igen. Ved næste start åbnes demodatabasen på det nye sprog.",
        "Det nye språket brukes når programmet startes på nytt. Ved neste start åpnes demodatabasen på det nye språket.",
        "The new language takes effect when the program is restarted. "
        "The next start opens the demo database in the new language."),

    # About
    "About Ostrana": ("Om Ostrana", "Om Ostrana", "About Ostrana"),
    "About Vistrel": ("Om Vistrel", "Om Vistrel", "About Vistrel"),
    "About Numivax": ("Om Numivax", "Om Numivax", "About Numivax"),
    "About Quorvel": ("Om Quorvel", "Om Quorvel", "About Quorvel"),
    "AboutOstranaDetails": (
        "Ostrana - indboregister\n\n"
        "Registrér dit indbo: møbler, værktøj, tøj og alt det andet, du ejer, med pris, købsdato, "
        "leverandør, serienummer, billeder og kvitteringer. Registeret er en god hjælp ved "
        "forsikring, flytning og efter tyveri eller brand.\n\n"
        "Udskriv lister og rapporter pr. gruppe, eller gem registeret som HTML eller XML.",
        "Ostrana - innboregister\n\n"
        "Registrer innboet ditt: møbler, verktøy, klær og alt annet du eier, med pris, kjøpsdato, "
        "leverandør, serienummer, bilder og kvitteringer. Registeret er til god hjelp ved "
        "forsikring, flytting og etter tyveri eller brann.\n\n"
        "Skriv ut lister og rapporter per gruppe, eller lagre registeret som HTML eller XML.",
        "Ostrana - home contents register\n\n"
        "Record your belongings: furniture, tools, clothes and everything else you own, with price, "
        "purchase date, supplier, serial number, pictures and receipts. The register is a great help "
        "with insurance, when moving house and after a theft or a fire.\n\n"
        "Print lists and reports by group, or save the register as HTML or XML."),
    "AboutVistrelDetails": (
        "Vistrel - billeddatabase\n\n"
        "Registrér din samling af billeder og kunstværker: titel, kunstner, teknik, vurdering, "
        "salgspris og placering, med et billede af hvert værk.\n\n"
        "Udskriv lister og rapporter, eller vis samlingen som HTML.",
        "Vistrel - bildedatabase\n\n"
        "Registrer samlingen din av bilder og kunstverk: tittel, kunstner, teknikk, takst, "
        "salgspris og plassering, med et bilde av hvert verk.\n\n"
        "Skriv ut lister og rapporter, eller vis samlingen som HTML.",
        "Vistrel - picture database\n\n"
        "Record your collection of pictures and works of art: title, artist, technique, valuation, "
        "sale price and location, with a photo of every work.\n\n"
        "Print lists and reports, or view the collection as HTML."),
    "AboutNumivaxDetails": (
        "Numivax - møntdatabase\n\n"
        "Registrér din møntsamling: pålydende, årstal, metal, kvalitet, katalognummer og værdi, "
        "med billeder af forside og bagside.\n\n"
        "Udskriv lister og rapporter, eller vis samlingen og de mønter, du mangler, som HTML.",
        "Numivax - myntdatabase\n\n"
        "Registrer myntsamlingen din: pålydende, årstall, metall, kvalitet, katalognummer og verdi, "
        "med bilder av forside og bakside.\n\n"
        "Skriv ut lister og rapporter, eller vis samlingen og myntene du mangler som HTML.",
        "Numivax - coin database\n\n"
        "Record your coin collection: denomination, year, metal, grade, catalogue number and value, "
        "with pictures of the obverse and the reverse.\n\n"
        "Print lists and reports, or view the collection and the coins you are missing as HTML."),
    "AboutQuorvelDetails": (
        "Quorvel - lagerregister\n\n"
        "Hold styr på varelageret i en lille butik eller et lager: varer, antal, priser, leverandører "
        "og placeringer. Udskriv stregkodeetiketter, og flyt varer mellem placeringer ved at indlæse "
        "filerne fra en stregkodescanner.\n\n"
        "Flere kan åbne den samme database; den første, der åbner den, kan gemme.",
        "Quorvel - lagerregister\n\n"
        "Hold oversikt over varelageret i en liten butikk eller et lager: varer, antall, priser, "
        "leverandører og plasseringer. Skriv ut strekkodeetiketter, og flytt varer mellom plasseringer "
        "ved å lese inn filene fra en strekkodeleser.\n\n"
        "Flere kan åpne den samme databasen; den første som åpner den, kan lagre.",
        "Quorvel - stock register\n\n"
        "Keep track of the stock of a small shop or store room: items, quantities, prices, suppliers "
        "and locations. Print barcode labels, and move stock between locations by reading the files "
        "of a barcode scanner.\n\n"
        "Several people may open the same database; the first to open it can save."),

    # File menu
    "&Fil": (None, "&Fil", "&File"),
    "Fil": (None, "Fil", "File"),
    "Tools": ("Værktøjer", "Verktøy", "Tools"),
    "FILE_NEW": ("&Ny", "&Ny", "&New"),
    "HELP_TEXT_FILE_NEW": (
        "Opretter en ny, tom database. Er den åbne database ændret, bliver du spurgt, om den skal gemmes først.",
        "Oppretter en ny, tom database. Er den åpne databasen endret, blir du spurt om den skal lagres først.",
        "Creates a new, empty database. If the open database has been changed, "
        "you are asked whether to save it first."),
    "FILE_OPEN": ("&Åbn...", "&Åpne...", "&Open..."),
    "HELP_TEXT_FILE_OPEN": (
        "Åbner en databasefil (*.inb, *.txt, *.db) med dens lister over grupper, lokaler og leverandører.",
        "Åpner en databasefil (*.inb, *.txt, *.db) med listene over grupper, plasseringer og leverandører.",
        "Opens a database file (*.inb, *.txt, *.db) with its lists of groups, locations and suppliers."),
    "UPDATE_LOCATIONS...": ("Opdater p&laceringer...", "Oppdater p&lasseringer...", "Update &Locations..."),
    "HELP_TEXT_FILE_UPDATE_LOCATIONS": (
        "Indlæser filerne fra stregkodescanneren og flytter varerne til de scannede placeringer. "
        "Databasen gemmes bagefter.",
        "Leser inn filene fra strekkodeleseren og flytter varene til de skannede plasseringene. "
        "Databasen lagres etterpå.",
        "Reads the files of the barcode scanner and moves the stock items to the scanned locations. "
        "The database is saved afterwards."),
    "FILE_SAVE": ("&Gem", "&Lagre", "&Save"),
    "HELP_TEXT_FILE_SAVE": (
        "Gemmer databasen i den åbne fil. En ny database uden navn gemmes under et navn, du vælger.",
        "Lagrer databasen i den åpne filen. En ny database uten navn lagres under et navn du velger.",
        "Saves the database in the open file. A new database without a name is saved under a name you choose."),
    "FILE_SAVE_AS": ("Gem &som...", "Lagre &som...", "Save &As..."),
    "HELP_TEXT_FILE_SAVE_AS": (
        "Gemmer databasen under et nyt navn sammen med dens lister.",
        "Lagrer databasen under et nytt navn sammen med listene.",
        "Saves the database under a new name together with its lists."),
    "BACKUP...": ("Sikkerheds&kopi...", "Sikkerhets&kopi...", "&Backup..."),
    "HELP_TEXT_FILE_BACKUP": (
        "Gemmer en kopi af databasen i en fil, du vælger (*.bak). Den åbne fil og dens navn ændres ikke.",
        "Lagrer en kopi av databasen i en fil du velger (*.bak). Den åpne filen og navnet endres ikke.",
        "Saves a copy of the database in a file you choose (*.bak). The open file and its name stay as they are."),
    "SAVE_AS_HTML": ("Gem som &HTML", "Lagre som &HTML", "Save as &HTML"),
    "SAVE_AS_XML": ("Gem som &XML", "Lagre som &XML", "Save as &XML"),
    "SAVE_SETTINGS": ("Gem &indstillinger", "Lagre &innstillinger", "Save Se&ttings"),
    "HELP_TEXT_FILE_SAVESETTINGS": (
        "Gemmer vinduets størrelse og placering, kolonnebredderne, listen over de seneste filer og \"Vis alle\".",
        "Lagrer vinduets størrelse og plassering, kolonnebreddene, listen over de siste filene og \"Vis alle\".",
        "Saves the window's size and position, the column widths, the list of recent files and \"Show All\"."),
    "PRINT_BARCODE...": ("Udskriv s&tregkoder...", "Skriv ut s&trekkoder...", "Print Bar&codes..."),
    "HELP_TEXT_FILE_PRINT_BARCODE": (
        "Udskriver stregkodeetiketter for den valgte vare eller gruppe på etiketprinteren.",
        "Skriver ut strekkodeetiketter for valgt vare eller gruppe på etikettskriveren.",
        "Prints barcode labels for the selected stock item or group on the label printer."),
    "Udskriv...": ("&Udskriv...", "Skriv &ut...", "&Print..."),
    "HELP_TEXT_FILE_PRINT": (
        "Udskriver en liste over registeret. Hvad der udskrives, vælges under Opsætning, Udskrivning.",
        "Skriver ut en liste over registeret. Hva som skrives ut, velges under Oppsett, Utskrift.",
        "Prints a list of the register. What is printed is chosen under Settings, Printing."),
    "QUIT": ("&Afslut", "&Avslutt", "&Quit"),

    # Edit menu
    "&Rediger": (None, "&Rediger", "&Edit"),
    "TOOLTIP_EDIT_FURNITURE": ("Rediger inventar", "Rediger gjenstand", "Edit Item"),
    "VistrelEdit": ("Rediger billede", "Rediger bilde", "Edit Picture"),
    "NumivaxEdit": ("Rediger mønt", "Rediger mynt", "Edit Coin"),
    "QuorvelEdit": ("&Rediger vare", "&Rediger vare", "&Edit Stock Item"),
    "HELP_TEXT_EDIT_ELEMENT": (
        "Åbner den valgte post i redigeringsvinduet. Er en gruppe eller intet valgt, oprettes en ny post.",
        "Åpner den valgte posten i redigeringsvinduet. Er en gruppe eller ingenting valgt, opprettes en ny post.",
        "Opens the selected entry in the edit window. With a group or nothing selected, a new one is created."),
    "&Nyt inventar...": (None, "&Ny gjenstand...", "&New Item..."),
    "&Nyt billede...": (None, "&Nytt bilde...", "&New Picture..."),
    "&Ny mønt...": (None, "&Ny mynt...", "&New Coin..."),
    "&Ny vare...": (None, "&Ny vare...", "&New Stock Item..."),
    "Åbner redigeringsvinduet på en ny post i gruppen for den valgte række (den første gruppe, når ingen række er valgt).": (
        None,
        "Åpner redigeringsvinduet på en ny post i gruppen for den valgte raden (den første gruppen når ingen rad er valgt).",
        "Opens the edit window on a new entry in the group of the selected row (the first group when no row is selected)."),
    "&Slet Ostrana": ("&Slet inventar", "&Slett gjenstand", "&Delete Item"),
    "VistrelEditDelete": ("&Slet billede", "&Slett bilde", "&Delete Picture"),
    "NumivaxEditDelete": ("&Slet mønt", "&Slett mynt", "&Delete Coin"),
    "QuorvelEditDelete": ("&Slet vare", "&Slett vare", "&Delete Stock Item"),
    "Sø&g Ostrana...": ("Sø&g inventar...", "Sø&k etter gjenstand...", "&Search Items..."),
    "VistrelEditSearc": ("Sø&g billede...", "Sø&k etter bilde...", "&Search Pictures..."),
    "NumivaxEditSearc": ("Sø&g mønt...", "Sø&k etter mynt...", "&Search Coins..."),
    "QuorvelEditSearch": ("Sø&g vare...", "Sø&k etter vare...", "&Search Stock..."),
    "Precreate items in Quorvel": (
        "&Opret varer på forhånd...", "&Opprett varer på forhånd...", "&Pre-create Stock Items..."),

    # View menu
    "&Vis": (None, "&Vis", "&View"),
    "Vis &alle": (None, "Vis &alle", "Show &All"),
    "VIEW_ALL_HTML_TABLE": ("Vis alle som HTML-&tabel", "Vis alle som HTML-&tabell", "View All as HTML &Table"),
    "VIEW_ALL_AS_HTML": ("Vis alle som &HTML", "Vis alle som &HTML", "View All as &HTML"),
    "VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML": (
        "Vis manglende mø&nter som HTML", "Vis manglende my&nter som HTML", "View Missing &Coins as HTML"),
    "WHATS_THIS_VIEW_ALL_SPECIAL_NUMIVAX_CASES_AS_HTML": (
        "Laver en HTML-side med de mønter, hvis værdi er 0 (fx dem, du mangler i samlingen), og åbner den.",
        "Lager en HTML-side med myntene som har verdi 0 (f.eks. dem du mangler i samlingen), og åpner den.",
        "Makes an HTML page of the coins whose value is 0 (such as those missing from your collection) "
        "and opens it."),
    "VIEW_ALL_AS_XML": ("Vis alle som &XML", "Vis alle som &XML", "View All as &XML"),
    "VIEW_CURRENT_AS_HTML": ("Vis valgte som HT&ML", "Vis valgt som HT&ML", "View Selected as HT&ML"),
    "WHATS_THIS_VIEW_CURRENT_AS_HTML": (
        "Laver en HTML-side med den post, der er valgt i listen, og åbner den i browseren.",
        "Lager en HTML-side med posten som er valgt i listen, og åpner den i nettleseren.",
        "Makes an HTML page of the entry selected in the list and opens it in the web browser."),
    "VIS_BILLEDE": ("Vis &billede", "Vis &bilde", "View &Picture"),
    "VISTREL_SHOW_PICTURE": ("Vis &billede", "Vis &bilde", "View &Picture"),
    "TOOLTIP_SHOW_FRONTSIDE_PICTURE_NUMIVAX": ("Vis forside", "Vis forside", "View Obverse"),
    "TOOLTIP_SHOW_IMAGE_BTN": (
        "Viser billedet af den valgte post.", "Viser bildet av den valgte posten.",
        "Shows the picture of the selected entry."),
    "VIS_KVITTERING": ("Vis &kvittering", "Vis &kvittering", "View &Receipt"),
    "VISTREL_SHOW_PICTURE2": ("Vis billede &2", "Vis bilde &2", "View Picture &2"),
    "TOOLTIP_SHOW_BACKSIDE_PICTURE_NUMIVAX": ("Vis bagside", "Vis bakside", "View Reverse"),
    "HELP_TEXT_VIEW_RECEIPT": (
        "Åbner kvitteringen (eller det andet billede) for den valgte post.",
        "Åpner kvitteringen (eller det andre bildet) for den valgte posten.",
        "Opens the receipt (or the second picture) of the selected entry."),
    "HELP_TEXT_VIEW_BACKSIDE_PICTURE_NUMIVAX": (
        "Viser billedet af den valgte mønts bagside.",
        "Viser bildet av baksiden til valgt mynt.",
        "Shows the picture of the reverse of the selected coin."),
    "VIS_WWW": ("Vis &www", "Vis &www", "Open &Web Link"),
    "HELP_TEXT_VIEW_URL": (
        "Åbner webadressen for den valgte post i internetprogrammet.",
        "Åpner nettadressen for den valgte posten i nettleseren.",
        "Opens the web address of the selected entry in the web browser."),
    "VIS_DOCUMENT": ("Vis &dokument", "Vis &dokument", "View &Document"),
    "HELP_TEXT_VIEW_DOCUMENTATION": (
        "Åbner dokumentet, der er knyttet til den valgte post.",
        "Åpner dokumentet som er knyttet til den valgte posten.",
        "Opens the document linked to the selected entry."),
    "&Rapport...": (None, "&Rapport...", "&Report..."),
    "HELP_TEXT_EDIT_REPORT": (
        "Viser en rapport med antal og værdi for hver gruppe.",
        "Viser en rapport med antall og verdi for hver gruppe.",
        "Shows a report of the count and value of each group."),

    # Setup menu
    "&Opsætning": (None, "&Oppsett", "&Settings"),
    "&Udskrivning...": (None, "&Utskrift...", "&Printing..."),
    "&Lokaler/rum...": (None, "&Rom/plasseringer...", "&Rooms/Locations..."),
    "&Inventar typer (grupper)...": ("&Inventartyper (grupper)...", "&Gjenstandstyper (grupper)...",
                                     "Item &Types (Groups)..."),
    "LEVERANDØRER": ("Le&verandører...", "Le&verandører...", "Su&ppliers..."),
    "&Billedvisnings program...": ("&Billedvisningsprogram...", "&Bildevisningsprogram...", "Picture &Viewer..."),
    "Internet program (&www)...": ("Internetprogram (&www)...", "Nettleser (&www)...", "&Web Browser..."),
    "SetupDefaultDirectories": ("Standard&mapper...", "Standard&mapper...", "Default &Folders..."),

    # Language menu
    "LANGUAGE_MENU": ("&Sprog", "&Språk", "&Language"),
    "DANISH_LANG...": ("&Dansk...", "&Dansk...", "&Danish..."),
    "NORWAY_LANG...": ("&Norsk...", "&Norsk...", "&Norwegian..."),
    "ENGLISH_LANG...": ("&Engelsk...", "&Engelsk...", "&English..."),

    # Help menu
    "&Hjælp": (None, "&Hjelp", "&Help"),
    "&Hjælp...": (None, "&Hjelp...", "&Help..."),
    "&Tutorial...": ("&Kom godt i gang...", "&Kom i gang...", "&Getting Started..."),
    "&Links...": (None, "&Lenker...", "&Links..."),
    "&ErrorHandling...": ("&Fejlfinding...", "&Feilsøking...", "&Troubleshooting..."),
    "&Release noter...": ("&Udgivelsesnoter...", "&Utgivelsesnotater...", "&Release Notes..."),
    "&Hvad er det ?": ("H&vad er det?", "H&va er dette?", "What's T&his?"),
    "&Om ostrana register...": ("&Om Ostrana...", "&Om Ostrana...", "&About Ostrana..."),
    "QuorvelHelpAbout": ("&Om Quorvel...", "&Om Quorvel...", "&About Quorvel..."),
    "VistrelHelpAbout": ("&Om Vistrel...", "&Om Vistrel...", "&About Vistrel..."),
    "NumivaxHelpAbout": ("&Om Numivax...", "&Om Numivax...", "&About Numivax..."),

    # ------------------------------------------------------------ item list
    "Navn": (None, "Navn", "Name"),
    "Gruppe": (None, "Gruppe", "Group"),
    "Rum": (None, "Rom", "Room"),
    "Fabrikat": (None, "Fabrikat", "Make"),
    "Produkt model": ("Produktmodel", "Produktmodell", "Model"),
    "Antal": (None, "Antall", "Count"),
    "Pris": (None, "Pris", "Price"),
    "Vurd.": (None, "Takst", "Value"),
    "Billede": (None, "Bilde", "Picture"),
    "Kvitt.": (None, "Kvitt.", "Receipt"),
    "Dato": (None, "Dato", "Date"),
    "Beskrivelse": (None, "Beskrivelse", "Description"),
    "Adresse": (None, "Adresse", "Address"),
    "Serie no.": ("Serienr.", "Serienr.", "Serial no."),
    "Www": (None, "Www", "Www"),
    "Dok.": (None, "Dok.", "Doc."),
    "Leverandør": (None, "Leverandør", "Supplier"),
    "LIST_HELP_1": (
        "Listen viser registeret ordnet efter gruppe. Dobbeltklik på en linje for at se eller rette den, "
        "og på en gruppe for at oprette en ny i gruppen. Klik i kolonnen Billede, Kvitt., Www eller Dok. "
        "for at åbne linket. Højreklik giver en menu, og et klik på en kolonneoverskrift sorterer listen.",
        "Listen viser registeret ordnet etter gruppe. Dobbeltklikk på en linje for å se eller endre den, "
        "og på en gruppe for å opprette en ny i gruppen. Klikk i kolonnen Bilde, Kvitt., Www eller Dok. "
        "for å åpne lenken. Høyreklikk gir en meny, og et klikk på en kolonneoverskrift sorterer listen.",
        "The list shows the register ordered by group. Double-click a line to view or edit it, and a group "
        "to create a new entry in it. Click in the picture, receipt, web or document column to open the "
        "link. Right-click for a menu; click a column heading to sort the list."),
    "LIST_HELP_VISTREL": (
        "Listen viser billederne ordnet efter kategori. Dobbeltklik på et billede for at se eller rette det, "
        "og på en kategori for at oprette et nyt billede i den. Klik i en billedkolonne for at se billedet. "
        "Højreklik giver en menu, og et klik på en kolonneoverskrift sorterer listen.",
        "Listen viser bildene ordnet etter kategori. Dobbeltklikk på et bilde for å se eller endre det, "
        "og på en kategori for å opprette et nytt bilde i den. Klikk i en bildekolonne for å se bildet. "
        "Høyreklikk gir en meny, og et klikk på en kolonneoverskrift sorterer listen.",
        "The list shows the pictures ordered by category. Double-click a picture to view or edit it, and a "
        "category to create a new picture in it. Click in a picture column to see the picture. Right-click "
        "for a menu; click a column heading to sort the list."),
    "LIST_HELP_NUMIVAX": (
        "Listen viser mønterne ordnet efter gruppe. Dobbeltklik på en mønt for at se eller rette den, "
        "og på en gruppe for at oprette en ny mønt i den. Klik i kolonnen med forside eller bagside for "
        "at se billedet. Højreklik giver en menu, og et klik på en kolonneoverskrift sorterer listen.",
        "Listen viser myntene ordnet etter gruppe. Dobbeltklikk på en mynt for å se eller endre den, "
        "og på en gruppe for å opprette en ny mynt i den. Klikk i kolonnen med forside eller bakside for "
        "å se bildet. Høyreklikk gir en meny, og et klikk på en kolonneoverskrift sorterer listen.",
        "The list shows the coins ordered by group. Double-click a coin to view or edit it, and a group to "
        "create a new coin in it. Click in the obverse or reverse column to see the picture. Right-click "
        "for a menu; click a column heading to sort the list."),
    "Fejl - type": ("Fejl - gruppe", "Feil - gruppe", "Error - group"),
    "MAX_LIMIT_ERROR": (
        "Gruppe nummer %1 findes ikke (databasen har %2 grupper), så posten vises ikke i listen.",
        "Gruppe nummer %1 finnes ikke (databasen har %2 grupper), så posten vises ikke i listen.",
        "Group number %1 does not exist (the database has %2 groups), so the entry is not shown in the list."),
    "NB!": (None, "NB!", "Note"),
    "Ingen URL tilknyttet valgte inventar": (
        "Der er ingen webadresse knyttet til den valgte post.",
        "Det er ingen nettadresse knyttet til den valgte posten.",
        "No web address is linked to the selected entry."),

    # ---------------------------------------------------------- item dialog
    # item dialog: texts and numbers the database cannot hold
    "Databasen kan ikke gemme tegnene %1, så de er ikke sat ind.": (
        None,
        "Databasen kan ikke lagre tegnene %1, så de er ikke satt inn.",
        "The database cannot hold the characters %1, so they were not inserted."),
    "Databasen kan ikke gemme linjeskift i et felt, så teksten er ikke sat ind.": (
        None,
        "Databasen kan ikke lagre linjeskift i et felt, så teksten er ikke satt inn.",
        "The database cannot hold line breaks in a field, so the text was not inserted."),
    "Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), så den er ikke sat ind.": (
        None,
        "Teksten inneholder usynlige kontrolltegn (som ESC eller loddrett tabulator), så den er ikke satt inn.",
        "The text contains invisible control characters (such as ESC or vertical tab), so it was not inserted."),
    "Stien til den valgte fil kan ikke gemmes i databasen:\n%1": (
        None,
        "Stien til den valgte filen kan ikke lagres i databasen:\n%1",
        "The path of the chosen file cannot be stored in the database:\n%1"),
    "Feltet \"%1\" kan ikke gemmes i databasen.": (
        None,
        "Feltet \"%1\" kan ikke lagres i databasen.",
        "The field \"%1\" cannot be stored in the database."),
    "Semikolon (;) kan ikke gemmes, fordi databasen bruger det mellem felterne.": (
        None,
        "Semikolon (;) kan ikke lagres, fordi databasen bruker det mellom feltene.",
        "A semicolon (;) cannot be stored, as the database uses it between fields."),
    "Linjeskift kan ikke gemmes i et felt.": (
        None, "Linjeskift kan ikke lagres i et felt.", "Line breaks cannot be stored in a field."),
    "Teksten indeholder usynlige styretegn (som ESC eller lodret tabulator), som et felt ikke kan have.": (
        None,
        "Teksten inneholder usynlige kontrolltegn (som ESC eller loddrett tabulator), som et felt ikke kan ha.",
        "The text contains invisible control characters (such as ESC or vertical tab), which a field cannot hold."),
    "Tegnene %1 kan ikke gemmes i databasen.": (
        None, "Tegnene %1 kan ikke lagres i databasen.", "The characters %1 cannot be stored in the database."),
    "Databasen kan højst gemme %1 tegn i et felt.": (
        None, "Databasen kan lagre høyst %1 tegn i et felt.", "The database can store at most %1 characters in a field."),
    "SHOWPHOTO": ("Vis ", "Vis ", "View "),
    "BROWSEPHOTO": ("Indsæt ", "Sett inn ", "Insert "),
    "SHOWWWW": ("Vis ", "Vis ", "Open "),
    "BROWSERECIEPT": ("Indsæt ", "Sett inn ", "Insert "),
    "SHOWRECIEPT": ("Vis ", "Vis ", "View "),
    "BROWSEDOC": ("Indsæt ", "Sett inn ", "Insert "),
    "SHOWDOC": ("Vis ", "Vis ", "View "),
    "PICTURE_GALLERY": ("Billedgalleri", "Bildegalleri", "Picture Gallery"),
    "NUMIVAX_DIALOG_TITLE": ("Mønt", "Mynt", "Coin"),
    "TOOLTIP_VISTREL_REG_NUMBER": ("Registreringsnummer", "Registreringsnummer", "Registration number"),
    "WHATSHIS_VISTREL_REG_NUMBER": (
        "Værkets registreringsnummer i samlingen.",
        "Verkets registreringsnummer i samlingen.",
        "The work's registration number in the collection."),
    "TOOLTIP_VISTREL_ESTIMATED_PRICE": ("Vurdering", "Takst", "Valuation"),
    "WHATSHIS_VISTREL_ESTIMATED_PRICE": (
        "Hvad værket er vurderet til.", "Hva verket er taksert til.", "What the work has been valued at."),
    "TOOLTIP_VISTREL_SALESPRICE": ("Salgspris", "Salgspris", "Sale price"),
    "WHATSHIS_VISTREL_SALESPRICE": (
        "Den pris, værket sælges for.", "Prisen verket selges for.", "The price the work is for sale at."),
    "TOOLTIP_VISTREL_DOCUMENT": (
        "Dokument om værket", "Dokument om verket", "A document about the work"),
    "WHATSHIS_VISTREL_DOCUMENT": (
        "Stien til et dokument om værket, fx en vurdering eller et ægthedsbevis.",
        "Stien til et dokument om verket, f.eks. en takst eller et ekthetsbevis.",
        "The path of a document about the work, such as a valuation or a certificate of authenticity."),
    "TOOLTIP_DB_NUMBEROF": ("Antal mønter", "Antall mynter", "Number of coins"),
    "TOOLTIP_NUMIVAX_DOCUMENT": ("Dokument om mønten", "Dokument om mynten", "A document about the coin"),
    "TOOLTIP_NUMIVAX_QUALITY": ("Møntens kvalitet", "Myntens kvalitet", "The coin's grade"),
    "WHATSHIS_NUMIVAX_QUALITY": (
        "Møntens kvalitet (bevaringsgrad), fx 0, 01, 1+, 1 eller 2.",
        "Myntens kvalitet (bevaringsgrad), f.eks. 0, 01, 1+, 1 eller 2.",
        "The coin's grade (state of preservation), such as UNC, XF, VF or F."),
    "TOOLTIP_NUMIVAX_BACKSIDE_PICTURE": (
        "Billede af møntens bagside", "Bilde av myntens bakside", "Picture of the reverse"),
    "TOOLTIP_BROWSE_BACKSIDE_PICTURE_NUMIVAX": (
        "Vælg billede af bagsiden", "Velg bilde av baksiden", "Choose a picture of the reverse"),
    "Fejl søgning": ("Søgning", "Søk", "Search"),
    "Search_Error": (
        "Der blev ikke fundet noget, der passer til søgningen.",
        "Fant ingenting som passer til søket.",
        "Nothing matching the search was found."),
    "Fejl": (None, "Feil", "Error"),
    "Felt grænseværdi fejl": ("Ugyldig værdi", "Ugyldig verdi", "Invalid value"),
    "Ret det !": ("Ret venligst feltet.", "Vennligst rett feltet.", "Please correct the field."),
    # the shown item changed or was removed elsewhere while the dialog was open
    "Varen er ændret": (None, "Varen er endret", "The item has changed"),
    "Varen \"%1\" er blevet ændret et andet sted, mens du redigerede den her, for eksempel af en indlæsning "
    "fra stregkodescanneren.\n\nBehold mine ændringer: de felter, du har ændret, beholder din tekst, og de "
    "andre viser varens nye værdier.\nVis de nye værdier: dine ændringer forkastes.": (
        None,
        "Varen \"%1\" er endret et annet sted mens du redigerte den her, for eksempel av en innlesing fra "
        "strekkodeleseren.\n\nBehold mine endringer: feltene du har endret, beholder teksten din, og de andre "
        "viser varens nye verdier.\nVis de nye verdiene: endringene dine forkastes.",
        "The item \"%1\" was changed elsewhere while you were editing it here, for example by an import from "
        "the barcode scanner.\n\nKeep my changes: the fields you changed keep your text, and the others show "
        "the item's new values.\nShow the new values: your changes are discarded."),
    "Behold mine ændringer": (None, "Behold mine endringer", "Keep my changes"),
    "Vis de nye værdier": (None, "Vis de nye verdiene", "Show the new values"),
    "Varen er fjernet": (None, "Varen er fjernet", "The item was removed"),
    "Varen \"%1\" er fjernet fra registret, mens du redigerede den her, for eksempel af en flytning fra "
    "stregkodescanneren. Dine ændringer kan ikke gemmes.": (
        None,
        "Varen \"%1\" er fjernet fra registeret mens du redigerte den her, for eksempel av en flytting fra "
        "strekkodeleseren. Endringene dine kan ikke lagres.",
        "The item \"%1\" was removed from the register while you were editing it here, for example by a move "
        "from the barcode scanner. Your changes cannot be saved."),
    "Du valgte \"%1\" i feltet \"%2\", men navnet er slettet fra listen siden. Vælg et andet navn, før du "
    "gemmer.": (
        None,
        "Du valgte \"%1\" i feltet \"%2\", men navnet er slettet fra listen siden. Velg et annet navn før du "
        "lagrer.",
        "You chose \"%1\" in the field \"%2\", but that name has since been deleted from the list. Choose "
        "another name before you save."),
    "Billed fil (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle (*.*)": (
        "Billedfiler (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle filer (*.*)",
        "Bildefiler (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;Alle filer (*.*)",
        "Picture files (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.mng *.pnm *.xbm *.xpm);;All files (*.*)"),
    "Kvittering (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle (*.*)": (
        "Kvitteringer (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle filer (*.*)",
        "Kvitteringer (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;Alle filer (*.*)",
        "Receipts (*.png *.jpg *.jpeg *.pdf *.bmp *.gif *.tif *.txt *.htm);;All files (*.*)"),
    "Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle (*.*)": (
        "Dokumenter (*.doc *.pdf *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle filer (*.*)",
        "Dokumenter (*.doc *.pdf *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle filer (*.*)",
        "Documents (*.doc *.pdf *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;All files (*.*)"),

    # The save check (looked up at run time, see EXTRA)
    "'Købspris' skal være: 0.0 -> %1": (
        "'Købspris' skal være mellem 0.0 og %1.",
        "'Innkjøpspris' må være mellom 0.0 og %1.",
        "'Purchase price' must be between 0.0 and %1."),
    "'Vurderet pris' skal være: 0.0 -> %1": (
        "'Vurderet pris' skal være mellem 0.0 og %1.",
        "'Taksert verdi' må være mellom 0.0 og %1.",
        "'Estimated value' must be between 0.0 and %1."),
    "'Antal' skal være i intervalet: 0 -> %1": (
        "'Antal' skal være mellem 1 og %1.",
        "'Antall' må være mellom 1 og %1.",
        "'Count' must be between 1 and %1."),
    "OstranaNameMissing": (
        "Inventaret skal have et navn.", "Gjenstanden må ha et navn.", "The item must have a name."),
    "QuorvelNameMissing": ("Varen skal have et navn.", "Varen må ha et navn.", "The stock item must have a name."),
    "VistrelNameMissing": ("Billedet skal have en titel.", "Bildet må ha en tittel.", "The picture must have a title."),
    "NumivaxNameMissing": ("Mønten skal have et navn.", "Mynten må ha et navn.", "The coin must have a name."),
    "QuorvelItemTypeHasNotBeenSelected": (
        "Vælg en værdi i feltet: ", "Velg en verdi i feltet: ", "Please choose a value in the field: "),

    # The form
    "Inventar": (None, "Gjenstand", "Item"),
    "&Data": (None, "&Data", "&Data"),
    "&Type:": ("T&ype:", "Ty&pe:", "T&ype:"),
    "TOOLTIP_GROUP_FIELD": ("Gruppe (type)", "Gruppe (type)", "Group (type)"),
    "WHATSHIS_GROUP_FIELD": (
        "Den gruppe (type), posten hører til. Grupperne vedligeholdes under Opsætning.",
        "Gruppen (typen) posten hører til. Gruppene vedlikeholdes under Oppsett.",
        "The group (type) the entry belongs to. The groups are kept under Settings."),
    "image": ("billede", "bilde", "picture"),
    "&Navn:": (None, "&Navn:", "N&ame:"),
    "TOOLTIP_NAME_FIELD": ("Navn (skal udfyldes)", "Navn (må fylles ut)", "Name (required)"),
    "WHATSHIS_NAME_FIELD": (
        "Navnet, som det vises i listen. Feltet skal udfyldes.",
        "Navnet slik det vises i listen. Feltet må fylles ut.",
        "The name as shown in the list. This field is required."),
    "&Fabrikat:": (None, "&Fabrikat:", "Ma&ke:"),
    "TOOLTIP_PRODUCT_FIELD": ("Fabrikat eller mærke", "Fabrikat eller merke", "Make or brand"),
    "WHATSHIS_PRODUCT_FIELD": (
        "Fabrikat eller mærke, fx producentens navn.",
        "Fabrikat eller merke, f.eks. produsentens navn.",
        "The make or brand, such as the manufacturer's name."),
    "PRODUCT_BRAND": ("Produktmodel:", "Produktmodell:", "Model:"),
    "TOOLTIP_PRODUCT_BRAND_FIELD": ("Produktmodel", "Produktmodell", "Product model"),
    "WHATSHIS_PRODUCT_BRAND_FIELD": (
        "Produktets model eller typebetegnelse.",
        "Produktets modell eller typebetegnelse.",
        "The product's model or type designation."),
    "&Antal:": (None, "&Antall:", "Count:"),
    "TOOLTIP_NUMBER_OF_ITEMS_FIELD": ("Antal stk.", "Antall stk.", "Number of pieces"),
    "WHATSHIS_NUMBER_OF_ITEMS_FIELD": (
        "Antal stk. (1 til 100000). Prisen i alt er antal gange stykprisen.",
        "Antall stykker (1 til 100000). Totalprisen er antall ganger stykkprisen.",
        "The number of pieces (1 to 100000). The total price is the count times the unit price."),
    "stk": (None, "stk", "pcs"),
    "&Pris (1 stk):": (None, "&Pris (1 stk):", "Price (each):"),
    "TOOLTIP_PRICE_FIELD": ("Købspris for 1 stk.", "Innkjøpspris for 1 stk.", "Purchase price of one piece"),
    "WHATSHIS_PRICE_FIELD": (
        "Købsprisen for 1 stk. (0 til 9999999, højst 2 decimaler).",
        "Innkjøpsprisen for 1 stk. (0 til 9999999, høyst 2 desimaler).",
        "The purchase price of one piece (0 to 9999999, at most 2 decimals)."),
    "kr   Ialt": ("kr   I alt", "kr   Totalt", "Total"),
    "TOOLTIP_PRICE_TOTAL_FIELD": ("Pris i alt (antal x stykpris)", "Totalpris (antall x stykkpris)",
                                  "Total price (count x unit price)"),
    "WHATSHIS_PRICE_TOTAL_FIELD": (
        "Købsprisen i alt: antal gange stykprisen. Beregnes af programmet.",
        "Samlet innkjøpspris: antall ganger stykkprisen. Beregnes av programmet.",
        "The total purchase price: the count times the unit price. Calculated by the program."),
    "kr": (None, "kr", "kr"),
    "&Vurderet pris (ialt):": ("&Vurderet pris (i alt):", "Taksert verdi (totalt):", "Estimated value (total):"),
    "TOOLTIP_PRICE_TODAY_FIELD": ("Vurderet værdi i dag (i alt)", "Taksert verdi i dag (totalt)",
                                  "Estimated value today (total)"),
    "WHATSHIS_PRICE_TODAY_FIELD": (
        "Hvad alle stk. tilsammen vurderes at være værd i dag. Står feltet tomt, bruges købsprisen.",
        "Hva alle stykkene til sammen anslås å være verdt i dag. Står feltet tomt, brukes innkjøpsprisen.",
        "What all the pieces together are estimated to be worth today. If left empty, the purchase price is used."),
    "&Købsdato:": (None, "&Kjøpsdato:", "Date &bought:"),
    "TOOLTIP_DATE_FIELD": ("Købsdato (dd.mm.åååå)", "Kjøpsdato (dd.mm.åååå)", "Purchase date (dd.mm.yyyy)"),
    "WHATSHIS_DATE_FIELD": ("Datoen for købet.", "Datoen for kjøpet.", "The date of purchase."),
    "&Lokale/rum:": (None, "Rom/&plassering:", "&Location:"),
    "TOOLTIP_LOCATION_FIELD": ("Lokale eller rum", "Rom eller plassering", "Room or location"),
    "WHATSHIS_LOCATION_FIELD": (
        "Det lokale eller rum, hvor tingen står. Listen vedligeholdes under Opsætning.",
        "Rommet eller plasseringen der tingen står. Listen vedlikeholdes under Oppsett.",
        "The room or location where it is kept. The list is kept under Settings."),
    "&Leverandør:": (None, "L&everandør:", "Supplier:"),
    "TOOLTIP_SUPPLIER_FIELD": ("Leverandør (butik)", "Leverandør (butikk)", "Supplier (shop)"),
    "WHATSHIS_SUPPLIER_FIELD": (
        "Hvor tingen er købt. Vælg i listen, eller skriv et nyt navn.",
        "Hvor tingen er kjøpt. Velg i listen, eller skriv et nytt navn.",
        "Where it was bought. Choose from the list or type a new name."),
    "&EXTRA_INFO": ("E&kstra info:", "&Ekstra info:", "Extra in&fo:"),
    "TOOLTIP_EXTRA_INFO_FIELD": (
        "Ekstra oplysninger, fx leverandørens adresse",
        "Ekstra opplysninger, f.eks. leverandørens adresse",
        "Extra information, such as the supplier's address"),
    "WHATSHIS_EXTRA_INFO_FIELD": (
        "Fri tekst med ekstra oplysninger, fx leverandørens adresse eller telefonnummer.",
        "Fri tekst med ekstra opplysninger, f.eks. leverandørens adresse eller telefonnummer.",
        "Free text with extra information, such as the supplier's address or phone number."),
    "&Serie nummer:": ("Serienummer:", "Serienummer:", "Serial number:"),
    "TOOLTIP_SERIALNO_FIELD": ("Serienummer", "Serienummer", "Serial number"),
    "WHATSHIS_SERIALNO_FIELD": (
        "Produktets serienummer, nyttigt efter et tyveri eller ved en garantisag.",
        "Produktets serienummer, nyttig etter et tyveri eller ved en garantisak.",
        "The product's serial number, useful after a theft or for a warranty claim."),
    "&Beskrivelse:": (None, "&Beskrivelse:", "Description:"),
    "TOOLTIP_DESCRIPTION_FIELD": ("Beskrivelse", "Beskrivelse", "Description"),
    "WHATSHIS_DESCRIPTION_FIELD": ("En fri beskrivelse.", "En fri beskrivelse.", "A free description."),
    "ww&w (link til web):": (None, "www (lenke til web):", "www (web link):"),
    "TOOLTIP_WWW_FIELD": ("Webadresse", "Nettadresse", "Web address"),
    "WHATSHIS_WWW_FIELD": (
        "En webadresse, fx producentens side om produktet.",
        "En nettadresse, f.eks. produsentens side om produktet.",
        "A web address, such as the manufacturer's page about the product."),
    "Vis &www": (None, "Vis &www", "Open &www"),
    "TOOLTIP_SHOW_WWW_BTN": ("Åbn webadressen", "Åpne nettadressen", "Open the web address"),
    "WHATSHIS_SHOW_WWW_BTN": (
        "Åbner webadressen i det valgte internetprogram eller i standardbrowseren.",
        "Åpner nettadressen i valgt nettleser eller i standard nettleser.",
        "Opens the web address in the chosen web browser or in the default one."),
    "&Billede (link til fil):": (None, "&Bilde (lenke til fil):", "Picture (link to &file):"),
    "TOOLTIP_PICTURE_FIELD": ("Sti til billedfilen", "Sti til bildefilen", "Path of the picture file"),
    "WHATSHIS_PICTURE_FIELD": (
        "Stien til et billede (bmp, jpg, gif, png m.fl.), som vises i vinduet og i listen.",
        "Stien til et bilde (bmp, jpg, gif, png m.fl.) som vises i vinduet og i listen.",
        "The path of a picture (bmp, jpg, gif, png and others), shown in the window and the list."),
    "&Indsæt billede": (None, "Sett &inn bilde", "&Insert picture"),
    "Alt+I": ("Alt+I", "Alt+I", "Alt+I"),
    "TOOLTIP_BROWSE_PHOTO_BTN": ("Vælg en billedfil", "Velg en bildefil", "Choose a picture file"),
    "WHATSHIS_BROWSE_PHOTO_BTN": (
        "Åbner en filvælger, hvor du vælger billedet.",
        "Åpner en filvelger der du velger bildet.",
        "Opens a file chooser in which you choose the picture."),
    "&Vis billede": (None, "&Vis bilde", "&View picture"),
    "TOOLTIP_SHOW_PHOTO_BTN": ("Vis billedet", "Vis bildet", "View the picture"),
    "WHATSHIS_SHOW_PHOTO_BTN": (
        "Åbner billedet i det valgte billedvisningsprogram eller i det program, der hører til filtypen.",
        "Åpner bildet i valgt bildevisningsprogram eller i programmet som hører til filtypen.",
        "Opens the picture in the chosen picture viewer or in the program for its file type."),
    "&Kvittering (link til fil):": (None, "&Kvittering (lenke til fil):", "Receipt (lin&k to file):"),
    "TOOLTIP_RECEIPT_FIELD": ("Sti til kvitteringen", "Sti til kvitteringen", "Path of the receipt"),
    "WHATSHIS_RECEIPT_FIELD": (
        "Stien til en indscannet kvittering (billede, tekst eller HTML).",
        "Stien til en innskannet kvittering (bilde, tekst eller HTML).",
        "The path of a scanned receipt (a picture, text or HTML file)."),
    "In&dsæt Kvittering": ("In&dsæt kvittering", "Sett inn kvittering", "Insert receipt"),
    "TOOLTIP_BROWSE_RECEIPT_BTN": ("Vælg en kvitteringsfil", "Velg en kvitteringsfil", "Choose a receipt file"),
    "WHATSHIS_BROWSE_RECEIPT_BTN": (
        "Åbner en filvælger, hvor du vælger kvitteringen.",
        "Åpner en filvelger der du velger kvitteringen.",
        "Opens a file chooser in which you choose the receipt."),
    "Vis Kvi&ttering": ("Vis kvi&ttering", "Vis kvi&ttering", "View receip&t"),
    "Alt+T": ("Alt+T", "Alt+T", "Alt+T"),
    "TOOLTIP_SHOW_RECEIPT_BTN": ("Vis kvitteringen", "Vis kvitteringen", "View the receipt"),
    "WHATSHIS_SHOW_RECEIPT_BTN": (
        "Åbner kvitteringen i det program, der hører til filtypen.",
        "Åpner kvitteringen i programmet som hører til filtypen.",
        "Opens the receipt in the program for its file type."),
    "&DOCUMENT": ("&Dokument (link til fil):", "&Dokument (lenke til fil):", "Document (link to file):"),
    "TOOLTIP_DOCUMENT_FIELD": ("Sti til et dokument", "Sti til et dokument", "Path of a document"),
    "WHATSHIS_DOCUMENT_FIELD": (
        "Stien til et dokument, fx en brugsanvisning eller et garantibevis.",
        "Stien til et dokument, f.eks. en bruksanvisning eller et garantibevis.",
        "The path of a document, such as a manual or a warranty."),
    "INSERT_DOCUMENT": ("Indsæt dokument", "Sett inn dokument", "Insert document"),
    "TOOLTIP_INSERT_DOCUMENT_BTN": ("Vælg en dokumentfil", "Velg en dokumentfil", "Choose a document file"),
    "WHATSHIS_INSERT_DOCUMENT_BTN": (
        "Åbner en filvælger, hvor du vælger dokumentet.",
        "Åpner en filvelger der du velger dokumentet.",
        "Opens a file chooser in which you choose the document."),
    "SHOW_DOCUMENT": ("Vis dokument", "Vis dokument", "View document"),
    "TOOLTIP_SHOW_DOCUMENT_BTN": ("Åbn dokumentet", "Åpne dokumentet", "Open the document"),
    "WHATSHIS_SHOW_DOCUMENT_BTN": (
        "Åbner dokumentet i det program, der hører til filtypen.",
        "Åpner dokumentet i programmet som hører til filtypen.",
        "Opens the document in the program for its file type."),
    "&Billede": (None, "&Bilde", "Picture"),
    "&Kvittering": (None, "&Kvittering", "Receipt"),
    "Alt+G": ("Alt+G", "Alt+L", "Alt+S"),
    "TOOLTIP_SAVE_BTN": ("Gem ændringerne", "Lagre endringene", "Save the changes"),
    "WHATSHIS_SAVE_BTN": (
        "Gemmer posten i databasen; vinduet forbliver åbent. Husk at gemme databasefilen (Fil, Gem).",
        "Lagrer posten i databasen; vinduet forblir åpent. Husk å lagre databasefilen (Fil, Lagre).",
        "Stores the entry in the database; the window stays open. "
        "Remember to save the database file (File, Save)."),
    "&Ny": (None, "N&y", "&New"),
    "TOOLTIP_NEW_BTN": ("Opret en ny post", "Opprett en ny post", "Create a new entry"),
    "WHATSHIS_NEW_BTN": (
        "Tømmer felterne, så du kan indtaste en ny post. Den gemmes, når du trykker Gem eller OK.",
        "Tømmer feltene så du kan skrive inn en ny post. Den lagres når du trykker Lagre eller OK.",
        "Clears the fields so that you can enter a new entry. It is stored when you press Save or OK."),
    "Kopie&r": (None, "Kopie&r", "&Copy"),
    "Alt+R": ("Alt+R", "Alt+R", "Alt+C"),
    "TOOLTIP_COPY_BTN": ("Kopiér posten", "Kopier posten", "Copy this entry"),
    "WHATSHIS_COPY_BTN": (
        "Laver en kopi af posten, som du kan rette og gemme som en ny post.",
        "Lager en kopi av posten, som du kan endre og lagre som en ny post.",
        "Makes a copy of this entry, which you can change and store as a new one."),
    "&Reset": ("N&ulstil", "T&øm", "R&eset"),
    "TOOLTIP_RESET_BTN": ("Tøm felterne før en søgning", "Tøm feltene før et søk", "Clear the fields before a search"),
    "WHATSHIS_RESET_BTN": (
        "Tømmer alle felter, så du kan udfylde dem, du vil søge efter, og trykke Søg.",
        "Tømmer alle feltene, så du kan fylle ut dem du vil søke etter, og trykke Søk.",
        "Clears all fields, so that you can fill in those you want to search for and press Search."),
    "&Søg": (None, "&Søk", "Sea&rch"),
    "Alt+S": ("Alt+S", "Alt+S", "Alt+R"),
    "TOOLTIP_SEARCH_BTN": ("Søg i databasen", "Søk i databasen", "Search the database"),
    "WHATSHIS_SEARCH_BTN": (
        "Finder den første post, der passer til et af de udfyldte felter.",
        "Finner den første posten som passer til ett av de utfylte feltene.",
        "Finds the first entry that matches any one of the filled-in fields."),
    "SEARCH_AGAIN": ("Søg ig&en", "Søk i&gjen", "Search a&gain"),
    "TOOLTIP_SEARCH_AGAIN_BTN": ("Find det næste", "Finn det neste", "Find the next match"),
    "WHATSHIS_SEARCH_AGAIN_BTN": (
        "Fortsætter søgningen efter den sidst fundne post.",
        "Fortsetter søket etter den sist funne posten.",
        "Goes on searching after the last match."),
    "&Print": ("&Print", "Skriv &ut", "&Print"),
    "Alt+P": ("Alt+P", "Alt+U", "Alt+P"),
    "TOOLTIP_PRINT_BTN": ("Udskriv posten på én side", "Skriv ut posten på én side",
                          "Print the entry on one page"),
    "WHATSHIS_PRINT_BTN": (
        "Udskriver alle felter i posten på én side.",
        "Skriver ut alle feltene i posten på én side.",
        "Prints all fields of the entry on one page."),
    "TOOLTIP_VIEW_CURRENT_AS_HTML_BTN": (
        "Vis den valgte post som HTML-side", "Vis den valgte posten som HTML-side", "View the selected entry as an HTML page"),
    "WHATSHIS_VIEW_CURRENT_AS_HTML_BTN": (
        "Laver en HTML-side med den post, der er valgt i listen, og åbner den i browseren.",
        "Lager en HTML-side med posten som er valgt i listen, og åpner den i nettleseren.",
        "Makes an HTML page of the entry selected in the list and opens it in the web browser."),
    "TOOLTIP_HELP_BTN": ("Hjælp til vinduet", "Hjelp til vinduet", "Help for this window"),
    "WHATSHIS_HELP_BTN": (
        "Åbner hjælpesiden for dette vindue.", "Åpner hjelpesiden for dette vinduet.",
        "Opens the help page for this window."),
    "PREVP": ("< &Forrige", "< &Forrige", "< Previo&us"),
    "TOOLTIP_PREV_BTN": ("Vis den forrige post", "Vis forrige post", "Show the previous entry"),
    "WHATSHIS_PREV_BTN": (
        "Viser den forrige post i databasen.", "Viser forrige post i databasen.", "Shows the previous entry in the database."),
    "NEXTP": ("N&æste >", "&Neste >", "Ne&xt >"),
    "TOOLTIP_NEXT_BTN": ("Vis den næste post", "Vis neste post", "Show the next entry"),
    "WHATSHIS_NEXT_BTN": (
        "Viser den næste post i databasen.", "Viser neste post i databasen.", "Shows the next entry in the database."),
    "&OK": (None, "&OK", "&OK"),
    "TOOLTIP_OK_BTN": ("Gem og luk", "Lagre og lukk", "Save and close"),
    "WHATSHIS_OK_BTN": (
        "Gemmer posten i databasen og lukker vinduet.",
        "Lagrer posten i databasen og lukker vinduet.",
        "Stores the entry in the database and closes the window."),
    "TOOLTIP_CANCEL_BTN": ("Luk uden at gemme", "Lukk uten å lagre", "Close without saving"),
    "WHATSHIS_CANCEL_BTN": (
        "Lukker vinduet uden at gemme.", "Lukker vinduet uten å lagre.", "Closes the window without saving."),

    # ----------------------------------------------------------------- output
    # output: print setup, list printing, report, item printout
    "Vælg data til udskrivning": (None, "Velg data for utskrift", "Choose what to print"),
    "Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)": (
        "Disse felter bliver udskrevet (rækkefølgen ligger fast)",
        "Disse feltene blir skrevet ut (rekkefølgen er fast)",
        "These fields are printed (in a fixed order)"),
    "Valgte felter": (None, "Valgte felt", "Chosen fields"),
    "Mulige felter": (None, "Mulige felt", "Available fields"),
    "<< &Tilføj": (None, "<< &Legg til", "<< &Add"),
    "&Fjern >>": (None, "&Fjern >>", "&Remove >>"),
    "Flyt det markerede felt til de valgte felter": (
        None, "Flytt det merkede feltet til de valgte feltene", "Move the marked field to the chosen fields"),
    "Flyt det markerede felt til de mulige felter": (
        None, "Flytt det merkede feltet til de mulige feltene", "Move the marked field to the available fields"),
    "Feltlængde (tegn)": (None, "Feltlengde (tegn)", "Field width (characters)"),
    "PRICE": ("Pris", "Pris", "Price"),
    "ESTIMPRICE": ("Vurd.", "Takst", "Value"),
    "PIC2": ("Billede", "Bilde", "Picture"),
    "DATE": ("Dato", "Dato", "Date"),
    "LOCATION": ("Rum", "Rom", "Room"),
    "SERIALNO": ("Serienr.", "Serienr.", "Serial no."),
    "PRDTYPE": ("Produktmodel", "Produktmodell", "Model"),
    "TOOLTIP_PRINT_TEXTFIELD_LENGTH": (
        "Antal tegn feltet fylder i udskriften",
        "Antall tegn feltet tar i utskriften",
        "Number of characters the field takes in print"),
    "Sortering efter": (None, "Sortering etter", "Sort by"),
    "Type": (None, "Type", "Type"),
    "Mærke": (None, "Merke", "Make"),
    "Pris (ialt)": ("Pris (i alt)", "Pris (totalt)", "Price (total)"),
    "Udvalg": (None, "Utvalg", "Selection"),
    "PrintGroup": ("Kun gruppen", "Bare gruppen", "Only the group"),
    "PrintLocation": ("Kun rummet", "Bare rommet", "Only the room"),
    # a check box that prints only the items of one group or location, %1 the column title
    "Kun %1": (None, "Bare %1", "Only %1"),
    # sorting by the total price, %1 the price column title
    "%1 (i alt)": (None, "%1 (totalt)", "%1 (total)"),
    "Skilletegn mellem felter": (None, "Skilletegn mellom felt", "Separator between fields"),
    "'Adresse felt længde' skal være: 1 -> %2": (
        "Adressefeltets længde skal være mellem 1 og %2.",
        "Adressefeltets lengde må være mellom 1 og %2.",
        "The address field's width must be between 1 and %2."),
    "'Beskrivelse felt længde' skal være: 1 -> %2": (
        "Beskrivelsesfeltets længde skal være mellem 1 og %2.",
        "Beskrivelsesfeltets lengde må være mellom 1 og %2.",
        "The description field's width must be between 1 and %2."),
    "ITEM_COUNT": ("Nr.", "Nr.", "No."),
    "Print afbrudt": (None, "Utskrift avbrutt", "Printing cancelled"),
    "Printing...": ("Udskriver...", "Skriver ut...", "Printing..."),
    "Printing (page %1)...": ("Udskriver (side %1)...", "Skriver ut (side %1)...", "Printing (page %1)..."),
    "Print færdig": ("Udskrift færdig", "Utskrift ferdig", "Printing done"),
    # the heading on every printed page: the database, the date, what the list shows, the page
    "side %1 af %2": (None, "side %1 av %2", "page %1 of %2"),
    "Ny database (ikke gemt)": (None, "Ny database (ikke lagret)", "New database (not saved)"),
    "Alle poster": (None, "Alle poster", "All records"),
    # printing one group or one location, each "Kun <title>: <name>"
    "%1 eller %2": (None, "%1 eller %2", "%1 or %2"),
    "%1, sorteret efter %2": (None, "%1, sortert etter %2", "%1, sorted by %2"),
    # asked before printing a list that does not fit the paper on one line per record
    "Listen er for bred til papiret": (None, "Listen er for bred for papiret", "The list is too wide for the paper"),
    "De valgte kolonner er bredere end papiret, også på tværs af siden og med den mindste skrift (%1 punkter).": (
        None,
        "De valgte kolonnene er bredere enn papiret, også på tvers av siden og med den minste skriften (%1 punkter).",
        "The chosen columns are wider than the paper, even in landscape and with the smallest font (%1 points)."),
    "Teksten i disse kolonner fortsætter derfor på flere linjer: %1.": (
        None,
        "Teksten i disse kolonnene fortsetter derfor på flere linjer: %1.",
        "The text in these columns therefore continues on several lines: %1."),
    "Der er ikke plads til disse kolonner, så de udelades: %1.": (
        None,
        "Det er ikke plass til disse kolonnene, så de utelates: %1.",
        "There is no room for these columns, so they are left out: %1."),
    "Vælg færre felter eller kortere feltlængder under Opsætning, Udskrivning for at få hver post på én linje.": (
        None,
        "Velg færre felt eller kortere feltlengder under Oppsett, Utskrift for å få hver post på én linje.",
        "Choose fewer fields or shorter field widths under Settings, Printing to get each record on one line."),
    "&Annuller": (None, "&Avbryt", "&Cancel"),
    "Print mislykkedes": ("Udskrift mislykkedes", "Utskrift mislyktes", "Printing failed"),
    "Udskriften mislykkedes": (None, "Utskriften mislyktes", "The printout failed"),
    "Udskriften kunne ikke gemmes i %1:\n%2\n\nEn tidligere fil af det navn er uændret.": (
        None,
        "Utskriften kunne ikke lagres i %1:\n%2\n\nEn tidligere fil med det navnet er uendret.",
        "The printout could not be saved in %1:\n%2\n\nAn earlier file of that name is unchanged."),
    "Rapport (Samlet oversigt)": (None, "Rapport (samlet oversikt)", "Report (summary)"),
    "Sum af alt inventar efter gruppe": (None, "Sum av alle gjenstander etter gruppe", "Sum of all items by group"),
    "&Udskriv": (None, "Skriv &ut", "&Print"),
    "Udskriv rapport over ostrana grupper": (
        "Udskriv rapporten over grupperne", "Skriv ut rapporten over gruppene", "Print the report of the groups"),
    # The line texts keep their placeholders and blanks alike in every
    # language: the numbers come padded, so the columns line up.
    "FUNI_GROUP_LINE_TEXT": ("%1 %2  %3  %4", "%1 %2  %3  %4", "%1 %2  %3  %4"),
    "VISTREL_GROUP_LINE_TEXT": ("%1  %2  %3", "%1  %2  %3", "%1  %2  %3"),
    "FUNI_TOTAL_TEXT": ("I alt", "Totalt", "Total"),
    "FUNI_COUNT_TEXT": ("Antal poster: %1", "Antall poster: %1", "Number of records: %1"),
    "OSTRANA_REPORT_HEADER_TEXT": (
        "Samlet oversigt efter gruppe", "Samlet oversikt etter gruppe", "Summary by group"),
    "VISTREL_REPORT_HEADER_TEXT": (
        "Billeder: samlet oversigt efter gruppe", "Bilder: samlet oversikt etter gruppe", "Pictures: summary by group"),
    "TotalPrice": ("Pris i alt", "Pris totalt", "Total price"),
    # output: HTML and XML export
    # (the exported list's heading text of "ITEM_COUNT" is in OVERRIDES)
    "%1 gemt, antal: %3, tid: %4 sec ": (
        None, "%1 lagret, antall: %3, tid: %4 sek. ", "%1 saved, items: %3, time: %4 s "),
    "%1.%2 gemt, antal: %3, tid: %4 sec ": (
        None, "%1.%2 lagret, antall: %3, tid: %4 sek. ", "%1.%2 saved, items: %3, time: %4 s "),
    "%1 blev ikke gemt: %2": (None, "%1 ble ikke lagret: %2", "%1 was not saved: %2"),

    # --------------------------------------------------------- setup dialogs
    # list setup dialog
    "Setup": ("Opsætning", "Oppsett", "Setup"),
    "Type:": ("Type:", "Type:", "Type:"),
    "&Tilføj": (None, "&Legg til", "&Add"),
    "&Slet": (None, "&Slett", "&Delete"),
    "SETUP_PRINT": ("&Udskriv", "&Skriv ut", "&Print"),
    "TOOLTIP_LIST": ("Listens navne i rækkefølge", "Listens navn i rekkefølge", "The names of the list, in order"),
    "WHATS_THIS_LIST": (
        "Listens navne. Vælg et navn for at rette det i feltet nedenfor.",
        "Listens navn. Velg et navn for å rette det i feltet nedenfor.",
        "The names of the list. Choose a name to change it in the field below."),
    "TOOLTIP_SELECTED": ("Nyt navn eller ny tekst til det valgte navn", "Nytt navn eller ny tekst til det valgte navnet",
                         "A new name, or the new text of the chosen name"),
    "WHATS_THIS_SELECTED": (
        "Skriv et nyt navn og tryk Tilføj, eller ret det valgte navn og tryk Gem.",
        "Skriv et nytt navn og trykk Legg til, eller rett det valgte navnet og trykk Lagre.",
        "Type a new name and press Add, or change the chosen name and press Save."),
    "TOOLTIP_ADD": ("Tilføj navnet sidst i listen", "Legg navnet til sist i listen", "Add the name at the end of the list"),
    "TOOLTIP_REMOVE": ("Slet det valgte navn", "Slett det valgte navnet", "Delete the chosen name"),
    "TOOLTIP_SAVE": ("Gem listen", "Lagre listen", "Save the list"),
    "TOOLTIP_PRINT": ("Udskriv", "Skriv ut", "Print"),
    "WHATS_THIS_SETUP_DIALOG": (
        "Her vedligeholdes en af databasens lister. Ændringer gemmes først, når der trykkes Gem eller OK.",
        "Her vedlikeholdes en av databasens lister. Endringer lagres først når det trykkes Lagre eller OK.",
        "Keeps one of the database's lists. Changes are stored only when Save or OK is pressed."),
    "SETUP_WARNING": ("Advarsel", "Advarsel", "Warning"),
    "SETUP_MAX_LIMIT_REACHED": (
        "Listen kan ikke rumme flere navne.", "Listen kan ikke romme flere navn.", "The list cannot hold more names."),
    "Fejl indtastning": (None, "Feil ved inntasting", "Input error"),
    "Dette navn er allerede anvendt": (None, "Dette navnet er allerede brukt", "This name is already in use"),
    "Skriv et navn i feltet først.": (None, "Skriv inn et navn i feltet først.", "Type a name in the field first."),
    # An entry that items use cannot be deleted; %2 is the number of items.
    "Gruppen \"%1\" kan ikke slettes, fordi databasens genstande bruger den (%2 i alt). "
    "Flyt dem først til en anden gruppe.": (
        None,
        "Gruppen \"%1\" kan ikke slettes fordi gjenstander i databasen bruker den (%2 i alt). "
        "Flytt dem først til en annen gruppe.",
        "The group \"%1\" cannot be deleted because items in the database use it (%2 in all). "
        "Move them to another group first."),
    "Lokalet \"%1\" kan ikke slettes, fordi databasens genstande bruger det (%2 i alt). "
    "Flyt dem først til et andet lokale.": (
        None,
        "Plasseringen \"%1\" kan ikke slettes fordi gjenstander i databasen bruker den (%2 i alt). "
        "Flytt dem først til en annen plassering.",
        "The location \"%1\" cannot be deleted because items in the database use it (%2 in all). "
        "Move them to another location first."),
    "Lokationen \"%1\" kan ikke slettes, fordi der ligger varer på den (%2 i alt). "
    "Flyt dem først til en anden lokation.": (
        None,
        "Lokasjonen \"%1\" kan ikke slettes fordi det ligger varer på den (%2 i alt). "
        "Flytt dem først til en annen lokasjon.",
        "The location \"%1\" cannot be deleted because stock items are kept there (%2 in all). "
        "Move them to another location first."),
    "Navnet \"%1\" kan ikke slettes, fordi varer i databasen bruger det (%2 i alt). "
    "Flyt dem først til et andet navn i listen.": (
        None,
        "Navnet \"%1\" kan ikke slettes fordi varer i databasen bruker det (%2 i alt). "
        "Flytt dem først til et annet navn i listen.",
        "The name \"%1\" cannot be deleted because stock items in the database use it (%2 in all). "
        "Move them to another name in the list first."),
    # A stock location's label carries its position in the list.
    "Slet lokation": (None, "Slett lokasjon", "Delete location"),
    "Sletter du \"%1\", får lokationerne efter den nye numre, og etiketterne for lokation %2 til %3 skal "
    "udskrives igen.\n\nSlet \"%1\"?": (
        None,
        "Sletter du \"%1\", får lokasjonene etter den nye numre, og etikettene for lokasjon %2 til %3 må "
        "skrives ut på nytt.\n\nSlette \"%1\"?",
        "Deleting \"%1\" gives the locations after it new numbers: the labels of locations %2 to %3 must be "
        "printed again.\n\nDelete \"%1\"?"),
    "Sletter du \"%1\", får lokationen efter den et nyt nummer, og etiketten for lokation %2 skal "
    "udskrives igen.\n\nSlet \"%1\"?": (
        None,
        "Sletter du \"%1\", får lokasjonen etter den et nytt nummer, og etiketten for lokasjon %2 må "
        "skrives ut på nytt.\n\nSlette \"%1\"?",
        "Deleting \"%1\" gives the location after it a new number: the label of location %2 must be "
        "printed again.\n\nDelete \"%1\"?"),
    "Listen har ændringer, der ikke er gemt. Gem listen først, så etiketten får lokationens gemte nummer.": (
        None,
        "Listen har endringer som ikke er lagret. Lagre listen først, så etiketten får lokasjonens lagrede nummer.",
        "The list has changes that are not saved. Save the list first, so that the label carries the location's "
        "saved number."),
    "SETUP_ERROR": ("Fejl", "Feil", "Error"),
    "NO_ITEM_SELECTED": (
        "Vælg en lokation i listen først.", "Velg en lokasjon i listen først.", "Choose a location in the list first."),
    "TOOLTIP_PRINT_BARCODE": (
        "Udskriv stregkodeetiket for den valgte lokation",
        "Skriv ut strekkodeetikett for den valgte lokasjonen",
        "Print a barcode label for the chosen location"),
    "WHATSHIS_PRINT_LOCATION_BARCODE": (
        "Udskriver en stregkodeetiket med den valgte lokations nummer på etiketprinteren.",
        "Skriver ut en strekkodeetikett med den valgte lokasjonens nummer på etikettskriveren.",
        "Prints a barcode label with the number of the chosen location on the label printer."),
    # default directories dialog
    "CommonSetup": ("Standardmapper", "Standardmapper", "Default folders"),
    "PICTURE_PATH": ("Billeder:", "Bilder:", "Pictures:"),
    "RECEIPT_PATH": ("Kvitteringer:", "Kvitteringer:", "Receipts:"),
    "DOCUMENT_PATH": ("Dokumenter:", "Dokumenter:", "Documents:"),
    "TOOL_TIP_PICTURE_PATH": (
        "Mappen, hvor billeder normalt ligger", "Mappen der bilder vanligvis ligger", "The folder that usually holds pictures"),
    "TOOL_TIP_RECEIPT_PATH": (
        "Mappen, hvor kvitteringer normalt ligger", "Mappen der kvitteringer vanligvis ligger",
        "The folder that usually holds receipts"),
    "TOOL_TIP_DOCUMENT_PATH": (
        "Mappen, hvor dokumenter normalt ligger", "Mappen der dokumenter vanligvis ligger",
        "The folder that usually holds documents"),
    "&Browse": ("&Gennemse...", "&Bla gjennom...", "&Browse..."),
    "B&rowse...": ("Genne&mse...", "Bla gj&ennom...", "B&rowse..."),
    "Bro&wse...": ("Gennems&e...", "Bla gjenn&om...", "Bro&wse..."),
    "&Help": ("&Hjælp", "&Hjelp", "&Help"),
    "&Apply": ("&Anvend", "&Bruk", "&Apply"),
    "&Cancel": ("&Fortryd", "&Avbryt", "&Cancel"),
    "NUMIVAX_FRONT_PICTURE_PATH": ("Forside:", "Forside:", "Obverse:"),
    "NUMIVAX_BACK_PICTURE_PATH": ("Bagside:", "Bakside:", "Reverse:"),
    "BILLED_PATH": ("Billeder:", "Bilder:", "Pictures:"),
    "KVITTERINGS_PATH": ("Ekstra billeder:", "Ekstra bilder:", "Extra pictures:"),
    "ChoseAPictureDirectory": ("Vælg billedmappe", "Velg bildemappe", "Choose a picture folder"),
    "ChoseAReceiptDirectory": ("Vælg kvitteringsmappe", "Velg kvitteringsmappe", "Choose a receipt folder"),
    "ChoseADocumentDirectory": ("Vælg dokumentmappe", "Velg dokumentmappe", "Choose a document folder"),
    "GetExistingDirectory": ("Vælg mappe", "Velg mappe", "Choose folder"),
    "CommonSetupDialogTitle": ("Standardmapper", "Standardmapper", "Default folders"),
    # item pre-creation
    "AutomakeItems": ("Opret varer", "Opprett varer", "Create stock items"),
    "Number of items": ("Antal varer", "Antall varer", "Number of items"),
    "Name": ("Navn", "Navn", "Name"),
    "MakeItems": ("Opret", "Opprett", "Create"),
    "Close": ("Luk", "Lukk", "Close"),
    "Warning": ("Advarsel", "Advarsel", "Warning"),
    "Number of items must be:\nGreater than 0 and less than 1000": (
        "Antal varer skal være:\nfra 1 til og med 1000",
        "Antall varer må være:\nfra 1 til og med 1000",
        "Number of items must be:\nfrom 1 to 1000"),

    "%1 nye varer kan ikke få hvert sit serienummer: det højeste serienummer er %2, og der kan højst "
    "tælles til %3. Ingen varer er oprettet.": (
        None,
        "%1 nye varer kan ikke få hvert sitt serienummer: det høyeste serienummeret er %2, og det kan høyst "
        "telles til %3. Ingen varer er opprettet.",
        "%1 new items cannot each get a serial number: the highest serial number is %2, and numbering goes no "
        "higher than %3. No items were made."),

    # ----------------------------------------- barcodes and location import
    "Etiketprinter": (None, "Etikettskriver", "Label printer"),
    "Der er ikke angivet nogen etiketprinter i %1.": (
        None, "Det er ikke angitt noen etikettskriver i %1.", "No label printer is named in %1."),
    "Etiketterne kunne ikke sendes til etiketprinteren %1:\n%2": (
        None,
        "Etikettene kunne ikke sendes til etikettskriveren %1:\n%2",
        "The labels could not be sent to the label printer %1:\n%2"),
    "Programmet lp kunne ikke startes.": (None, "Programmet lp kunne ikke startes.", "The program lp could not be started."),
    "lp sluttede med fejlkode %1.": (None, "lp avsluttet med feilkode %1.", "lp ended with error code %1."),
    "Etiketskabelonen %1 kunne ikke læses, så der er ikke sendt noget til etiketprinteren:\n%2": (
        None,
        "Etikettmalen %1 kunne ikke leses, så ingenting er sendt til etikettskriveren:\n%2",
        "The label template %1 could not be read, so nothing was sent to the label printer:\n%2"),
    "Varen %1 har intet varenummer, så der er ikke sendt nogen etiket til etiketprinteren: en etiket "
    "uden varenummer kan aldrig genkendes ved en lokationsopdatering.": (
        None,
        "Varen %1 har ikke noe varenummer, så ingen etikett er sendt til etikettskriveren: en etikett "
        "uten varenummer kan aldri gjenkjennes ved en lokasjonsoppdatering.",
        "The stock item %1 has no item number, so no label was sent to the label printer: a label "
        "without an item number can never be recognised by a location update."),
    "Disse varer har intet varenummer og får ingen etiket, da en etiket uden varenummer aldrig kan "
    "genkendes ved en lokationsopdatering:\n%1": (
        None,
        "Disse varene har ikke noe varenummer og får ingen etikett, fordi en etikett uten varenummer aldri kan "
        "gjenkjennes ved en lokasjonsoppdatering:\n%1",
        "These stock items have no item number and get no label, since a label without an item number can "
        "never be recognised by a location update:\n%1"),
    "Etiketskabelonen %1 er tom, så der er ikke sendt noget til etiketprinteren.": (
        None,
        "Etikettmalen %1 er tom, så ingenting er sendt til etikettskriveren.",
        "The label template %1 is empty, so nothing was sent to the label printer."),
    "Etiketfilen %1 kunne ikke skrives, så der er ikke sendt noget til etiketprinteren:\n%2": (
        None,
        "Etikettfilen %1 kunne ikke skrives, så ingenting er sendt til etikettskriveren:\n%2",
        "The label file %1 could not be written, so nothing was sent to the label printer:\n%2"),
    "Enheden findes ikke.": (None, "Enheten finnes ikke.", "The device does not exist."),
    "Det er en mappe, ikke en printerenhed.": (
        None, "Det er en mappe, ikke en skriverenhet.", "It is a folder, not a printer device."),
    "Det er en almindelig fil, ikke en printerenhed.": (
        None, "Det er en vanlig fil, ikke en skriverenhet.", "It is a plain file, not a printer device."),
    "Der kan ikke skrives til enheden.": (None, "Det kan ikke skrives til enheten.", "The device cannot be written to."),
    "File: does not exist": ("Filen findes ikke", "Filen finnes ikke", "File: does not exist"),
    "Copy of file: %1 to %2 failed": (
        "Filen %1 kunne ikke kopieres til %2", "Filen %1 kunne ikke kopieres til %2", "Copy of file: %1 to %2 failed"),
    "Cannot open file %1 for reading": (
        "Filen %1 kan ikke åbnes for læsning", "Filen %1 kan ikke åpnes for lesing", "Cannot open file %1 for reading"),
    "Filen %1 kunne ikke slettes, og dens flytninger vil blive udført igen ved næste indlæsning:\n%2": (
        None,
        "Filen %1 kunne ikke slettes, og flyttingene i den vil bli utført igjen ved neste innlesing:\n%2",
        "The file %1 could not be deleted, and its movements would be applied again by the next import:\n%2"),
    "Move failed, ItemId: %1 - not found at location: %2": (
        "Flytning mislykkedes, vare: %1 - findes ikke på lokation: %2",
        "Flytting mislyktes, vare: %1 - finnes ikke på lokasjon: %2",
        "Move failed, item ID: %1 - not found at location: %2"),
    "Move failed, ItemId: %1 - the number of items to move must be at least 1: %2": (
        "Flytning mislykkedes, vare: %1 - antallet, der flyttes, skal være mindst 1: %2",
        "Flytting mislyktes, vare: %1 - antallet som flyttes, må være minst 1: %2",
        "Move failed, item ID: %1 - the number of items to move must be at least 1: %2"),
    "Move failed, location1: %1 not found, max groups: %2": (
        "Flytning mislykkedes, lokation 1: %1 findes ikke, antal grupper: %2",
        "Flytting mislyktes, lokasjon 1: %1 finnes ikke, antall grupper: %2",
        "Move failed, location 1: %1 not found, number of groups: %2"),
    "Move failed, location2: %1 not found, max groups: %2": (
        "Flytning mislykkedes, lokation 2: %1 findes ikke, antal grupper: %2",
        "Flytting mislyktes, lokasjon 2: %1 finnes ikke, antall grupper: %2",
        "Move failed, location 2: %1 not found, number of groups: %2"),
    "Move failed, to few items: %1 in record: %2 - can not subtract (%3)": (
        "Flytning mislykkedes, for få varer: %1 i post: %2 - kan ikke trække %3 fra",
        "Flytting mislyktes, for få varer: %1 i post: %2 - kan ikke trekke fra %3",
        "Move failed, too few items: %1 in record: %2 - cannot subtract (%3)"),
    "Update (I) failed, to few items: %1 in record: %2 - can not subtract (%3)": (
        "Optælling (I) mislykkedes, for få varer: %1 i post: %2 - kan ikke trække %3 fra",
        "Opptelling (I) mislyktes, for få varer: %1 i post: %2 - kan ikke trekke fra %3",
        "Update (I) failed, too few items: %1 in record: %2 - cannot subtract (%3)"),
    "Update failed for location: %1, inventory_id: %2, items: %3": (
        "Opdatering mislykkedes for lokation: %1, varenummer: %2, antal: %3",
        "Oppdatering mislyktes for lokasjon: %1, varenummer: %2, antall: %3",
        "Update failed for location: %1, inventory ID: %2, items: %3"),
    "Optælling (I) mislykkedes for vare %1: %2 + %3 stykker er flere, end en vare kan have (%4)": (
        None,
        "Opptelling (I) mislyktes for vare %1: %2 + %3 stykker er flere enn en vare kan ha (%4)",
        "Update (I) failed for item %1: %2 + %3 pieces are more than an item can hold (%4)"),
    "Flytning mislykkedes for vare %1: %2 + %3 stykker på lokation %4 er flere, end en vare kan have (%5)": (
        None,
        "Flytting mislyktes for vare %1: %2 + %3 stykker på lokasjon %4 er flere enn en vare kan ha (%5)",
        "Move failed for item %1: %2 + %3 pieces at location %4 are more than an item can hold (%5)"),
    "Post %1 for vare %2 mislykkedes: antallet %3 ligger uden for det, en vare kan have (%4 til %5)": (
        None,
        "Post %1 for vare %2 mislyktes: antallet %3 ligger utenfor det en vare kan ha (%4 til %5)",
        "Record %1 for item %2 failed: the count %3 is outside what an item can hold (%4 to %5)"),
    "Placering (S) mislykkedes for vare %1: der er intet varenummer efter %2 til den nye vare": (
        None,
        "Plassering (S) mislyktes for vare %1: det finnes ikke noe varenummer etter %2 til den nye varen",
        "Placement (S) failed for item %1: there is no inventory number after %2 for the new item"),
    "Open_Location_File": ("Åbn lokationsfil", "Åpne lokasjonsfil", "Open location file"),
    "location file (*.txt *.loc)": (
        "Lokationsfil (*.txt *.loc)", "Lokasjonsfil (*.txt *.loc)", "Location file (*.txt *.loc)"),
    "PRINT_BARCODE": ("Udskriv &stregkode", "Skriv ut &strekkode", "Print &barcode"),

    # ---------------------------------------------------- label printer setup
    "&Etiketprinter...": (None, "&Etikettskriver...", "&Label printer..."),
    "Den næste etiket": (None, "Den neste etiketten", "The next label"),
    "&Etiket:": (None, "&Etikett:", "&Label:"),
    "Vareetiket": (None, "Vareetikett", "Stock item label"),
    "Lokationsetiket": (None, "Lokasjonsetikett", "Location label"),
    "&Printerkø eller enhed:": (None, "&Skriverkø eller enhet:", "&Printer queue or device:"),
    "fx zebra eller /dev/usb/lp0": (None, "f.eks. zebra eller /dev/usb/lp0", "e.g. zebra or /dev/usb/lp0"),
    "Navne på etiketterne": (None, "Navn på etikettene", "Names on the labels"),
    "Varens &navn på vareetiketter": (None, "Varens &navn på vareetiketter", "The stock item's &name on its labels"),
    "&Tegn:": (None, "&Tegn:", "&Characters:"),
    "Lokationens n&avn på lokationsetiketter": (
        None, "Lokasjonens n&avn på lokasjonsetiketter", "The location's n&ame on its labels"),
    "T&egn:": (None, "T&egn:", "C&haracters:"),
    "Udskriv &prøveetiket": (None, "Skriv ut &prøveetikett", "&Print test label"),
    "Etiketskabelonen %1 kunne ikke læses:\n%2": (
        None, "Etikettmalen %1 kunne ikke leses:\n%2", "The label template %1 could not be read:\n%2"),
    "Etiketskabelonen %1 er tom.": (None, "Etikettmalen %1 er tom.", "The label template %1 is empty."),
    "%1 × %2 punkter, %3 × %4 mm": (None, "%1 × %2 punkter, %3 × %4 mm", "%1 × %2 dots, %3 × %4 mm"),
    "Skabelonen har ingen ^XA, så printeren læser den ikke som en etiket.": (
        None,
        "Malen har ingen ^XA, så skriveren leser den ikke som en etikett.",
        "The template has no ^XA, so the printer does not read it as a label."),
    "Etiketten slutter ikke med ^XZ: printeren venter på resten og udskriver intet.": (
        None,
        "Etiketten slutter ikke med ^XZ: skriveren venter på resten og skriver ikke ut noe.",
        "The label does not end with ^XZ: the printer waits for the rest and prints nothing."),
    "Ikke vist: %1": (None, "Ikke vist: %1", "Not shown: %1"),
    "Skriv først printerkøen eller enheden.": (
        None, "Skriv først inn skriverkøen eller enheten.", "Enter the printer queue or device first."),
    "Prøveetiketten er sendt til %1.": (None, "Prøveetiketten er sendt til %1.", "The test label was sent to %1."),
    "Etiketprinteren kunne ikke gemmes i %1:\n%2": (
        None,
        "Etikettskriveren kunne ikke lagres i %1:\n%2",
        "The label printer could not be saved in %1:\n%2"),
    "Navnet har et tegn, som enhedsfilen ikke kan rumme.": (
        None,
        "Navnet har et tegn som enhetsfilen ikke kan inneholde.",
        "The name has a character that the device file cannot hold."),
    "Eksempel": (None, "Eksempel", "Example"),

    # ------------------------------------------------------------------- help
    "NOTEPAD_NOT_FOUND": (
        "Der er intet program, der kan vise udgivelsesnoterne. Installér en teksteditor, eller åbn filen "
        "i mappen help selv.",
        "Det finnes ikke noe program som kan vise utgivelsesnotatene. Installer et tekstredigeringsprogram, "
        "eller åpne filen i mappen help selv.",
        "There is no program that can show the release notes. Install a text editor, or open the file in "
        "the help folder yourself."),

    # --------------------------------------------------------------- recovery
    # The recovery file of the unsaved changes, its offer at start and why one is refused.
    "Ikke gemte ændringer": (None, "Ulagrede endringer", "Unsaved changes"),
    "Programmet sluttede sidst uden at gemme ændringerne af %1.\n\nÆndringer: %2\nSeneste ændring: %3\n\n"
    "Vil du gendanne dem? De gendannede ændringer er ikke gemt, før du gemmer databasen.": (
        None,
        "Programmet ble sist avsluttet uten å lagre endringene i %1.\n\nEndringer: %2\nSiste endring: %3\n\n"
        "Vil du gjenopprette dem? De gjenopprettede endringene er ikke lagret før du lagrer databasen.",
        "The program last ended without saving the changes to %1.\n\nChanges: %2\nLast change: %3\n\n"
        "Do you want to restore them? The restored changes are not saved until you save the database."),
    "&Gendan": (None, "&Gjenopprett", "&Restore"),
    "&Kassér": (None, "&Forkast", "&Discard"),
    "gendannelse": (None, "gjenoppretting", "restore"),
    "den nye database": (None, "den nye databasen", "the new database"),
    "Gendannelsesfilen kunne ikke skrives": (
        None, "Gjenopprettingsfilen kunne ikke skrives", "The recovery file could not be written"),
    "De ikke gemte ændringer af %1 kunne ikke skrives til gendannelsesfilen %2:\n%3\n\n"
    "Du kan arbejde videre som før; gem databasen for at sikre ændringerne. "
    "Dette vises kun én gang for databasen.": (
        None,
        "De ulagrede endringene i %1 kunne ikke skrives til gjenopprettingsfilen %2:\n%3\n\n"
        "Du kan arbeide videre som før; lagre databasen for å sikre endringene. "
        "Dette vises bare én gang for databasen.",
        "The unsaved changes to %1 could not be written to the recovery file %2:\n%3\n\n"
        "You can go on working as before; save the database to keep the changes safe. "
        "This is shown only once for the database."),
    "Gendannelsesfilen bruges ikke": (None, "Gjenopprettingsfilen brukes ikke", "The recovery file is not used"),
    "Gendannelsesfilen %1 bruges ikke: %2.\n\n%3": (
        None, "Gjenopprettingsfilen %1 brukes ikke: %2.\n\n%3", "The recovery file %1 is not used: %2.\n\n%3"),
    "Den er lagt til side som %1.": (None, "Den er lagt til side som %1.", "It has been put aside as %1."),
    "Den kunne ikke lægges til side og er ikke ændret.": (
        None, "Den kunne ikke legges til side og er ikke endret.", "It could not be put aside and is unchanged."),
    "Ændringerne kunne ikke gendannes": (
        None, "Endringene kunne ikke gjenopprettes", "The changes could not be restored"),
    "Ændringerne af %1 kunne ikke gendannes: %2.\n\nGendannelsesfilen er lagt til side som %3.": (
        None,
        "Endringene i %1 kunne ikke gjenopprettes: %2.\n\nGjenopprettingsfilen er lagt til side som %3.",
        "The changes to %1 could not be restored: %2.\n\nThe recovery file has been put aside as %3."),
    "antallet af ændringer passer ikke": (
        None, "antallet endringer stemmer ikke", "the number of changes does not match"),
    "den er beskadiget": (None, "den er skadet", "it is damaged"),
    "den er beskadiget (%1)": (None, "den er skadet (%1)", "it is damaged (%1)"),
    "den er beskadiget (kontrolsummen passer ikke)": (
        None, "den er skadet (kontrollsummen stemmer ikke)", "it is damaged (the checksum does not match)"),
    "den kan ikke læses (%1)": (None, "den kan ikke leses (%1)", "it cannot be read (%1)"),
    "den hører til programmet %1": (None, "den hører til programmet %1", "it belongs to the program %1"),
    "den hører til en ny database": (None, "den hører til en ny database", "it belongs to a new database"),
    "den hører til en anden database (%1)": (
        None, "den hører til en annen database (%1)", "it belongs to another database (%1)"),
    "databasefilen er ændret, siden ændringerne blev gjort": (
        None, "databasefilen er endret siden endringene ble gjort",
        "the database file has changed since the changes were made"),
    "ændring nr. %1 kan ikke læses": (None, "endring nr. %1 kan ikke leses", "change no. %1 cannot be read"),
    "ændring nr. %1 passer ikke til databasen": (
        None, "endring nr. %1 passer ikke til databasen", "change no. %1 does not fit the database"),
    "en vare kan ikke læses": (None, "en gjenstand kan ikke leses", "an item cannot be read"),
    # ---------------------------------------------------- changes on disk
    # diskchanges: the database file changed, replaced or deleted by another program
    "Databasefilen er ændret": (None, "Databasefilen er endret", "The database file has changed"),
    "Databasefilen %1 er ændret af et andet program, siden den blev læst her.": (
        None,
        "Databasefilen %1 er endret av et annet program siden den ble lest her.",
        "The database file %1 was changed by another program after it was read here."),
    "Du har ændringer, der ikke er gemt.": (
        None, "Du har endringer som ikke er lagret.", "You have changes that are not saved."),
    "Gemmer du nu, erstattes det andet programs ændringer af dine.": (
        None,
        "Lagrer du nå, erstattes det andre programmets endringer av dine.",
        "If you save now, the other program's changes are replaced by yours."),
    "Indlæs igen: filen læses igen med det andet programs ændringer. Dine ændringer gemmes først som en version "
    "i mappen %1.": (
        None,
        "Les inn på nytt: filen leses inn på nytt med det andre programmets endringer. Endringene dine lagres "
        "først som en versjon i mappen %1.",
        "Reload: the file is read again with the other program's changes. Your changes are first saved as a "
        "version in the folder %1."),
    "Behold mine og overskriv: dine ændringer gemmes i filen i stedet for det andet programs.": (
        None,
        "Behold mine og overskriv: endringene dine lagres i filen i stedet for det andre programmets.",
        "Keep mine and overwrite: your changes are saved in the file in place of the other program's."),
    "Gem mine under andet navn: dine ændringer gemmes i en ny fil, og den ændrede fil bliver, som den er.": (
        None,
        "Lagre mine under et annet navn: endringene dine lagres i en ny fil, og den endrede filen blir som den er.",
        "Save mine under another name: your changes are saved in a new file, and the changed file stays as it is."),
    "Fortryd: intet gemmes.": (None, "Avbryt: ingenting lagres.", "Cancel: nothing is saved."),
    "Vil du indlæse den igen og se ændringerne? Beholder du det viste, er filen uændret, og du bliver spurgt "
    "igen, før du gemmer oven i den.": (
        None,
        "Vil du lese den inn på nytt og se endringene? Beholder du det som vises, er filen uendret, og du blir "
        "spurt igjen før du lagrer over den.",
        "Do you want to reload it and see the changes? If you keep what is shown, the file stays unchanged, and "
        "you will be asked again before you save over it."),
    "&Indlæs igen": (None, "&Les inn på nytt", "&Reload"),
    "Behold det &viste": (None, "Behold det &viste", "&Keep what is shown"),
    "&Behold mine og overskriv": (None, "&Behold mine og overskriv", "&Keep mine and overwrite"),
    "Gem mine under &andet navn...": (None, "Lagre mine under &annet navn...", "&Save mine under another name..."),
    "Databasefilen findes ikke": (None, "Databasefilen finnes ikke", "The database file is missing"),
    "Databasefilen %1 findes ikke længere: den er slettet eller flyttet af et andet program.": (
        None,
        "Databasefilen %1 finnes ikke lenger: den er slettet eller flyttet av et annet program.",
        "The database file %1 no longer exists: another program deleted or moved it."),
    "Det viste er uændret. Når du gemmer, skrives filen igen under samme navn.": (
        None,
        "Det som vises, er uendret. Når du lagrer, skrives filen på nytt under samme navn.",
        "What is shown is unchanged. When you save, the file is written again under the same name."),
    "Databasefilen er ikke indlæst igen": (
        None, "Databasefilen er ikke lest inn på nytt", "The database file was not reloaded"),
    "Dine ændringer kunne ikke gemmes som en version i mappen %1, så databasefilen er ikke indlæst igen. "
    "Dine ændringer er der stadig.": (
        None,
        "Endringene dine kunne ikke lagres som en versjon i mappen %1, så databasefilen er ikke lest inn på nytt. "
        "Endringene dine er der fortsatt.",
        "Your changes could not be saved as a version in the folder %1, so the database file was not reloaded. "
        "Your changes are still there."),
    "Dine ændringer, der ikke var gemt, er gemt som %1": (
        None, "Endringene dine som ikke var lagret, er lagret som %1", "Your unsaved changes were saved as %1"),
    # ------------------------------------------------------------ undo, redo
    # Edit > Undo / Redo with the name of the step; the steps' names.
    "Fortryd": (None, "Angre", "Undo"),
    "Fortryd %1": (None, "Angre %1", "Undo %1"),
    "Gentag": (None, "Gjør om", "Redo"),
    "Gentag %1": (None, "Gjør om %1", "Redo %1"),
    "ændring": (None, "endring", "change"),
    "ændring af '%1'": (None, "endring av '%1'", "change of '%1'"),
    "kopi af '%1'": (None, "kopi av '%1'", "copy of '%1'"),
    "tilføjelse af '%1'": (None, "tillegg av '%1'", "addition of '%1'"),
    "sletning af '%1'": (None, "sletting av '%1'", "delete of '%1'"),
    "sletning af %1 varer": (None, "sletting av %1 gjenstander", "delete of %1 items"),
    "import": (None, "import", "import"),
    "ændring af %1 varer": (None, "endring av %1 gjenstander", "change of %1 items"),
    # ------------------------------------------- many items: selection, change
    # Edit > Change selected, select all, the group's rows; the delete of many.
    "&Ret valgte...": (None, "&Rett valgte...", "&Change Selected..."),
    "Ændrer gruppe, sted, leverandør, dato eller vurderet pris for alle de valgte rækker på én gang.": (
        None,
        "Endrer gruppe, sted, leverandør, dato eller takst for alle de valgte radene på én gang.",
        "Changes the group, location, supplier, date or value of all the selected rows at once."),
    "&Vælg alle": (None, "&Velg alle", "Select &All"),
    "Vælger alle rækker i listen, i alle grupper.": (
        None, "Velger alle radene i listen, i alle grupper.", "Selects every row of the list, in every group."),
    "Vælg &gruppens rækker": (None, "Velg &gruppens rader", "Select the &Group's Rows"),
    "Føjer alle rækker i den valgte rækkes gruppe til de valgte.": (
        None,
        "Legger alle radene i gruppen til den valgte raden til de valgte.",
        "Adds every row of the selected row's group to the selection."),
    "Vælg først de rækker, der skal rettes.": (
        None, "Velg først radene som skal rettes.", "First select the rows to change."),
    "%1 rækker er rettet.": (None, "%1 rader er rettet.", "%1 rows were changed."),
    "Slet": (None, "Slett", "Delete"),
    "Slet %1 inventar?": (None, "Slette %1 gjenstander?", "Delete %1 items?"),
    "Slet %1 billeder?": (None, "Slette %1 bilder?", "Delete %1 pictures?"),
    "Slet %1 mønter?": (None, "Slette %1 mynter?", "Delete %1 coins?"),
    "Slet %1 varer?": (None, "Slette %1 varer?", "Delete %1 stock items?"),
    "Databasen er skrivebeskyttet; intet er slettet.": (
        None, "Databasen er skrivebeskyttet; ingenting er slettet.", "The database is read-only; nothing was deleted."),
    "Databasen er skrivebeskyttet; intet er ændret.": (
        None, "Databasen er skrivebeskyttet; ingenting er endret.", "The database is read-only; nothing was changed."),
    "Ret valgte": (None, "Rett valgte", "Change Selected"),
    "Kun de afkrydsede felter ændres; de andre beholder hver deres værdi.": (
        None,
        "Bare de avkryssede feltene endres; de andre beholder hver sin verdi.",
        "Only the ticked fields change; the others keep each item's own value."),
    "&Sæt til": (None, "&Sett til", "&Set to"),
    "Ændr &med": (None, "Endre &med", "Change &by"),
    "Ændringen gælder %1 valgte inventar.": (
        None, "Endringen gjelder %1 valgte gjenstander.", "The change applies to %1 selected items."),
    "Ændringen gælder %1 valgte billeder.": (
        None, "Endringen gjelder %1 valgte bilder.", "The change applies to %1 selected pictures."),
    "Ændringen gælder %1 valgte mønter.": (
        None, "Endringen gjelder %1 valgte mynter.", "The change applies to %1 selected coins."),
    "Ændringen gælder %1 valgte varer.": (
        None, "Endringen gjelder %1 valgte varer.", "The change applies to %1 selected stock items."),
    "Den valgte gruppe findes ikke længere i listen.": (
        None, "Den valgte gruppen finnes ikke lenger i listen.", "The chosen group is no longer in the list."),
    "Det valgte sted findes ikke længere i listen.": (
        None, "Det valgte stedet finnes ikke lenger i listen.", "The chosen location is no longer in the list."),
    "Datoen er ikke en gyldig dato.": (None, "Datoen er ikke en gyldig dato.", "The date is not a valid date."),
    "Intet er ændret. Disse kan ikke gemmes med ændringen:": (
        None,
        "Ingenting er endret. Disse kan ikke lagres med endringen:",
        "Nothing was changed. These cannot be saved with the change:"),
    "... og %1 flere.": (None, "... og %1 til.", "... and %1 more."),
    # spreadsheet import: why a row of the file is not imported
    "Cellen har tegn, som ikke kunne læses i den valgte tegnkodning; vælg en anden tegnkodning.": (
        None,
        "Cellen har tegn som ikke kunne leses i den valgte tegnkodingen; velg en annen tegnkoding.",
        "The cell has characters that could not be read in the chosen encoding; choose another encoding."),
    "Der skal være en pris fra 0 til %1.": (None, "Det må være en pris fra 0 til %1.", "A price from 0 to %1 is needed."),
    "\"%1\" er ikke et tal; skriv fx 1499.50.": (
        None, "\"%1\" er ikke et tall; skriv f.eks. 1499.50.", "\"%1\" is not a number; write 1499.50, for example."),
    "\"%1\" kan læses på to måder; skriv fx 1499.50 eller 1499500.": (
        None,
        "\"%1\" kan leses på to måter; skriv f.eks. 1499.50 eller 1499500.",
        "\"%1\" can be read in two ways; write 1499.50 or 1499500, for example."),
    "Prisen skal være fra 0 til %1.": (None, "Prisen må være fra 0 til %1.", "The price must be from 0 to %1."),
    "Antallet skal være et helt tal fra %1 til %2.": (
        None, "Antallet må være et helt tall fra %1 til %2.", "The count must be a whole number from %1 to %2."),
    "\"%1\" er ingen dato; skriv den som dd.mm.åååå.": (
        None, "\"%1\" er ingen dato; skriv den som dd.mm.åååå.", "\"%1\" is no date; write it as dd.mm.yyyy."),
    "\"%1\" er ingen dato; skriv den som åååå-mm-dd.": (
        None, "\"%1\" er ingen dato; skriv den som åååå-mm-dd.", "\"%1\" is no date; write it as yyyy-mm-dd."),
    "Listen har intet nummer %1.": (None, "Listen har ikke noe nummer %1.", "The list has no number %1."),
    "Rækken har %1 celler, men filen har kun %2 kolonner.": (
        None, "Raden har %1 celler, men filen har bare %2 kolonner.", "The row has %1 cells, but the file has only %2 columns."),
    "Der er intet varenummer efter %1 til varen.": (
        None, "Det er ikke noe varenummer etter %1 til varen.", "There is no item number after %1 for the item."),
    "Kontrollerer regnearket": (None, "Kontrollerer regnearket", "Checking the spreadsheet"),
    "Filen er tom.": (None, "Filen er tom.", "The file is empty."),
    "ændring af listen": (None, "endring av listen", "change of the list"),
    "oprettelse af %1 varer": (None, "oppretting av %1 gjenstander", "creation of %1 items"),
    # --------------------------------------------------------------- versions
    # the file a save replaces, kept as a version; restoring one
    "Filen kunne ikke få et navn i mappen med versioner.": (
        None, "Filen kunne ikke få et navn i mappen med versjoner.",
        "The file could not be given a name in the versions folder."),
    "Mappen kunne ikke oprettes.": (None, "Mappen kunne ikke opprettes.", "The folder could not be created."),
    "Databasefilen er flyttet": (None, "Databasefilen er flyttet", "The database file was moved"),
    "Den hidtidige databasefil kunne ikke flyttes tilbage til %1:\n%2\n\nDen ligger nu i %3.": (
        None,
        "Den forrige databasefilen kunne ikke flyttes tilbake til %1:\n%2\n\nDen ligger nå i %3.",
        "The previous database file could not be moved back to %1:\n%2\n\nIt is now in %3."),
    "Ingen tidligere version gemt": (None, "Ingen tidligere versjon lagret", "No earlier version kept"),
    "Databasen er gemt, men den fil, den erstattede, kunne ikke gemmes som tidligere version i %1:\n%2\n\n"
    "Databasen gemmes fortsat som hidtil, men uden tidligere versioner. Det nævnes kun denne ene gang, "
    "til programmet startes igen.": (
        None,
        "Databasen er lagret, men filen den erstattet, kunne ikke lagres som tidligere versjon i %1:\n%2\n\n"
        "Databasen lagres fortsatt som før, men uten tidligere versjoner. Dette nevnes bare denne ene gangen, "
        "til programmet startes på nytt.",
        "The database was saved, but the file it replaced could not be kept as an earlier version in %1:\n%2\n\n"
        "The database is still saved as before, but without earlier versions. This is said only this once, "
        "until the program is started again."),
    "Gendan en tidligere version...": (
        None, "Gjenopprett en tidligere versjon...", "Restore an earlier version..."),
    "Åbner en af de versioner af databasefilen, som de seneste gemninger har erstattet.": (
        None,
        "Åpner en av versjonene av databasefilen som de siste lagringene har erstattet.",
        "Opens one of the versions of the database file that the latest saves replaced."),
    "Gendan en tidligere version": (None, "Gjenopprett en tidligere versjon", "Restore an earlier version"),
    "Gemt": (None, "Lagret", "Saved"),
    "Poster": (None, "Poster", "Entries"),
    "Størrelse": (None, "Størrelse", "Size"),
    "&Gendan": (None, "&Gjenopprett", "&Restore"),
    "&Luk": (None, "&Lukk", "&Close"),
    "ukendt": (None, "ukjent", "unknown"),
    "Der er ingen tidligere versioner af %1.": (
        None, "Det finnes ingen tidligere versjoner av %1.", "There are no earlier versions of %1."),
    "Tidligere versioner af %1, den nyeste først. En gendannet version åbnes i stedet for databasen, "
    "og den gemmes først, når du gemmer.": (
        None,
        "Tidligere versjoner av %1, den nyeste først. En gjenopprettet versjon åpnes i stedet for databasen, "
        "og den lagres først når du lagrer.",
        "Earlier versions of %1, the newest first. A restored version opens in place of the database, "
        "and is saved only when you save."),
    "Versionen %1 findes ikke længere.": (
        None, "Versjonen %1 finnes ikke lenger.", "The version %1 no longer exists."),
    "Versionen fra %1 er gendannet, men endnu ikke gemt i %2.": (
        None, "Versjonen fra %1 er gjenopprettet, men ennå ikke lagret i %2.",
        "The version of %1 was restored, but is not yet saved in %2."),
    "&Tidligere versioner, der gemmes:": (
        None, "&Tidligere versjoner som lagres:", "Earlier &versions kept:"),
    "Når databasen gemmes, gemmes den fil, den erstatter, i mappen versions ved siden af databasen. "
    "De ældste versioner ud over dette antal slettes.": (
        None,
        "Når databasen lagres, lagres filen den erstatter, i mappen versions ved siden av databasen. "
        "De eldste versjonene utover dette antallet slettes.",
        "When the database is saved, the file it replaces is kept in the folder versions beside the database. "
        "The oldest versions beyond this number are deleted."),
    "Ingen": (None, "Ingen", "None"),

    # ------------------------------------------------------ spreadsheet import
    "Importér": (None, "Importer", "Import"),
    "Læser poster fra et regneark (en CSV-fil) ind i databasen.": (
        None, "Leser poster fra et regneark (en CSV-fil) inn i databasen.",
        "Reads entries from a spreadsheet (a CSV file) into the database."),
    "%1 poster er importeret fra %2. Rediger > Fortryd import tager dem ud igen.": (
        None, "%1 poster er importert fra %2. Rediger > Angre import tar dem ut igjen.",
        "%1 entries were imported from %2. Edit > Undo import takes them out again."),
    "Importér et regneark (CSV)": (None, "Importer et regneark (CSV)", "Import a spreadsheet (CSV)"),
    "Importér et regneark": (None, "Importer et regneark", "Import a spreadsheet"),
    "Fil:": (None, "Fil:", "File:"),
    "&Vælg fil...": (None, "&Velg fil...", "&Choose file..."),
    "&Tegnsæt:": (None, "&Tegnsett:", "&Encoding:"),
    "&Skilletegn:": (None, "&Skilletegn:", "&Separator:"),
    "&Første række er kolonnenavne": (None, "&Første rad er kolonnenavn", "&First row holds column names"),
    "E&rstat ; med , og linjeskift med mellemrum i tekster": (
        None, "E&rstatt ; med , og linjeskift med mellomrom i tekster",
        "&Replace ; with , and line breaks with blanks in texts"),
    "Felt": (None, "Felt", "Field"),
    "Kolonne i filen": (None, "Kolonne i filen", "Column in the file"),
    "&Kontrollér": (None, "&Kontroller", "Chec&k"),
    "&Importér": (None, "&Importer", "&Import"),
    "Importér i en &ny database": (None, "Importer i en &ny database", "Import into a &new database"),
    "Komma (,)": (None, "Komma (,)", "Comma (,)"),
    "Semikolon (;)": (None, "Semikolon (;)", "Semicolon (;)"),
    "Tabulator": (None, "Tabulator", "Tab"),
    "Regneark (*.csv *.txt *.tsv)": (None, "Regneark (*.csv *.txt *.tsv)", "Spreadsheets (*.csv *.txt *.tsv)"),
    "Filen %1 kan ikke åbnes: %2": (None, "Filen %1 kan ikke åpnes: %2", "The file %1 cannot be opened: %2"),
    "Nogle af filens bytes kan ikke læses som %1 og kan ikke gemmes. Vælg filens tegnsæt.": (
        None, "Noen av filens byte kan ikke leses som %1 og kan ikke lagres. Velg filens tegnsett.",
        "Some of the file's bytes cannot be read as %1 and cannot be stored. Choose the file's encoding."),
    "ikke i filen": (None, "ikke i filen", "not in the file"),
    "Kolonne %1": (None, "Kolonne %1", "Column %1"),
    "Linje %1": (None, "Linje %1", "Line %1"),
    "Ved importen bliver ; til , og et linjeskift til et mellemrum.": (
        None, "Ved importen blir ; til , og et linjeskift til et mellomrom.",
        "The import makes ; a , and a line break a blank."),
    "Vælg den fil, der skal importeres.": (None, "Velg filen som skal importeres.", "Choose the file to import."),
    "Filen har ingen rækker at importere.": (
        None, "Filen har ingen rader å importere.", "The file has no rows to import."),
    "De første %1 rækker, som de vil blive læst. %2 celler kan ikke gemmes; de er markeret, og "
    "musen over en celle viser hvorfor.": (
        None,
        "De første %1 radene, slik de vil bli lest. %2 celler kan ikke lagres; de er markert, og "
        "musen over en celle viser hvorfor.",
        "The first %1 rows as they will be read. %2 cells cannot be stored; they are marked, and "
        "the mouse over a cell shows why."),
    "De første %1 rækker, som de vil blive læst.": (
        None, "De første %1 radene, slik de vil bli lest.", "The first %1 rows as they will be read."),
    "Kontrollér gennemgår hele filen og viser, hvad importen vil gøre, før noget ændres.": (
        None, "Kontroller går gjennom hele filen og viser hva importen vil gjøre, før noe endres.",
        "Check goes through the whole file and shows what the import will do before anything changes."),
    "Filen er ændret": (None, "Filen er endret", "The file has changed"),
    "Filen blev ændret, mens den blev kontrolleret. Intet importeres.": (
        None, "Filen ble endret mens den ble kontrollert. Ingenting importeres.",
        "The file changed while it was checked. Nothing is imported."),
    "Filen %1 blev ændret af et andet program, mens den blev kontrolleret. Kontrollér den igen?": (
        None, "Filen %1 ble endret av et annet program mens den ble kontrollert. Kontrollere den igjen?",
        "The file %1 was changed by another program while it was checked. Check it again?"),
    "Intet kan importeres: %1": (None, "Ingenting kan importeres: %1", "Nothing can be imported: %1"),
    "Rækker i filen: %1": (None, "Rader i filen: %1", "Rows in the file: %1"),
    "Rækker, der importeres: %1": (None, "Rader som importeres: %1", "Rows to import: %1"),
    "Rækker, der ikke importeres: %1": (None, "Rader som ikke importeres: %1", "Rows not imported: %1"),
    "Linje %1: %2": (None, "Linje %1: %2", "Line %1: %2"),
    "... og %1 rækker mere": (None, "... og %1 rader til", "... and %1 more rows"),
    "Nye navne i listen %1: %2": (None, "Nye navn i listen %1: %2", "New names in the list %1: %2"),
    "Rækker uden et ledigt nummer i %1 får det næste ledige:": (
        None, "Rader uten et ledig nummer i %1 får det neste ledige:",
        "Rows without a free number in %1 get the next free one:"),
    "Celler, hvor ; eller linjeskift erstattes: %1": (
        None, "Celler der ; eller linjeskift erstattes: %1", "Cells where ; or line breaks are replaced: %1"),
    "Ingen rækker kan importeres.": (None, "Ingen rader kan importeres.", "No rows can be imported."),
    "Databasen er skrivebeskyttet, så der kan ikke importeres i den.": (
        None, "Databasen er skrivebeskyttet, så det kan ikke importeres i den.",
        "The database is read-only, so nothing can be imported into it."),
    "Importen er ikke mulig": (None, "Importen er ikke mulig", "The import is not possible"),
    "Databasen er skrivebeskyttet (et andet program har låst den), så der kan ikke importeres i den.": (
        None, "Databasen er skrivebeskyttet (et annet program har låst den), så det kan ikke importeres i den.",
        "The database is read-only (another program has locked it), so nothing can be imported into it."),
    "Filen %1 er ændret siden kontrollen. Kontrollér den igen?": (
        None, "Filen %1 er endret siden kontrollen. Kontrollere den igjen?",
        "The file %1 has changed since the check. Check it again?"),
    "Filen er ændret siden kontrollen. Intet er importeret.": (
        None, "Filen er endret siden kontrollen. Ingenting er importert.",
        "The file has changed since the check. Nothing was imported."),
    "Importen mislykkedes": (None, "Importen mislyktes", "The import failed"),
    "Intet er importeret i databasen.": (
        None, "Ingenting er importert i databasen.", "Nothing was imported into the database."),

    # ------------------------------------------------------------ value report
    "Værdiopgørelse": (None, "Verdioppgjør", "Value report"),
    "Fordelt på %1": (None, "Fordelt på %1", "By %1"),
    "Antal poster": (None, "Antall poster", "Items"),
    "Købspris i alt": (None, "Innkjøpspris i alt", "Purchase total"),
    "Værdi i dag i alt": (None, "Verdi i dag i alt", "Value today, total"),
    "I alt": (None, "I alt", "Total"),
    "(ingen)": (None, "(ingen)", "(none)"),
    "Købsår": (None, "Kjøpsår", "Year of purchase"),
    "(uden dato)": (None, "(uten dato)", "(no date)"),
    "PDF-filen kunne ikke skrives.": (None, "PDF-filen kunne ikke skrives.", "The PDF file could not be written."),
    "Ejer: %1": (None, "Eier: %1", "Owner: %1"),
    "Policenummer: %1": (None, "Polisenummer: %1", "Policy number: %1"),
    "Database: %1": (None, "Database: %1", "Database: %1"),
    "Opgørelsens dato: %1": (None, "Oppgjørets dato: %1", "Date of the report: %1"),
    "Antal poster: %1": (None, "Antall poster: %1", "Number of items: %1"),
    "Købspris i alt: %1": (None, "Innkjøpspris i alt: %1", "Purchase total: %1"),
    "Værdi i dag i alt: %1": (None, "Verdi i dag i alt: %1", "Value today, total: %1"),
    "Poster, hvis billede ikke blev fundet: %1": (
        None, "Poster der bildet ikke ble funnet: %1", "Items whose picture was not found: %1"),
    "billede ikke fundet: %1": (None, "bilde ikke funnet: %1", "picture not found: %1"),
    "%1 (ikke fundet)": (None, "%1 (ikke funnet)", "%1 (not found)"),
    "Værdiopgørelse (PDF)": (None, "Verdioppgjør (PDF)", "Value report (PDF)"),
    "Medtag": (None, "Ta med", "Include"),
    "&Alle poster": (None, "&Alle poster", "&All items"),
    "&Gruppen:": (None, "&Gruppen:", "&Group:"),
    "&Stedet:": (None, "&Stedet:", "&Place:"),
    "&Ejer:": (None, "&Eier:", "&Owner:"),
    "A&dresse:": (None, "A&dresse:", "A&ddress:"),
    "&Policenummer:": (None, "&Polisenummer:", "&Policy number:"),
    "S&orteret efter:": (None, "S&ortert etter:", "S&orted by:"),
    "Med &billeder": (None, "Med &bilder", "With &pictures"),
    "Med &kvitteringer": (None, "Med &kvitteringer", "With &receipts"),
    "Værdi i dag, højeste først": (None, "Verdi i dag, høyeste først", "Value today, highest first"),
    "%1 - værdiopgørelse.pdf": (None, "%1 - verdioppgjør.pdf", "%1 - value report.pdf"),
    "Gem værdiopgørelsen": (None, "Lagre verdioppgjøret", "Save the value report"),
    "PDF-filer (*.pdf)": (None, "PDF-filer (*.pdf)", "PDF files (*.pdf)"),
    "Skriver værdiopgørelsen...": (None, "Skriver verdioppgjøret...", "Writing the value report..."),
    "Stop": (None, "Stopp", "Stop"),
    "Værdiopgørelsen blev ikke gemt": (None, "Verdioppgjøret ble ikke lagret", "The value report was not saved"),
    "&Værdiopgørelse (PDF)...": (None, "&Verdioppgjør (PDF)...", "&Value report (PDF)..."),
    "Skriver en opgørelse med billeder, kvitteringer og summer til forsikringen eller en vurdering.": (None, "Skriver et oppgjør med bilder, kvitteringer og summer til forsikringen eller en takst.", "Writes a report with pictures, receipts and totals for the insurer or an appraisal."),

    # -------------------------------------------------------------- statistics
    "&Statistik...": (None, "&Statistikk...", "&Statistics..."),
    "Viser summerne fordelt på gruppe, sted, leverandør og købsår, med diagrammer.": (
        None, "Viser summene fordelt på gruppe, sted, leverandør og kjøpsår, med diagrammer.",
        "Shows the totals by group, location, supplier and year of purchase, with charts."),
    "Statistik": (None, "Statistikk", "Statistics"),
    "&Poster:": (None, "&Poster:", "&Items:"),
    "Alle poster (%1)": (None, "Alle poster (%1)", "All items (%1)"),
    "De valgte rækker (%1)": (None, "De valgte radene (%1)", "The selected rows (%1)"),
    "De viste rækker (%1)": (None, "De viste radene (%1)", "The rows shown (%1)"),
    "Værdi i dag fordelt på %1": (None, "Verdi i dag fordelt på %1", "Value today by %1"),
    "Købspris i alt fordelt på købsår": (
        None, "Innkjøpspris i alt fordelt på kjøpsår", "Purchase total by year of purchase"),
    "Poster: %1, købspris i alt %2, værdi i dag i alt %3": (
        None, "Poster: %1, innkjøpspris i alt %2, verdi i dag i alt %3",
        "Items: %1, purchase total %2, value today in all %3"),
    "&Kopiér diagrammet": (None, "&Kopier diagrammet", "&Copy the chart"),
    "&Gem som PNG...": (None, "&Lagre som PNG...", "&Save as PNG..."),
    "Øvrige (%1)": (None, "Øvrige (%1)", "Other (%1)"),
    "Ingen poster": (None, "Ingen poster", "No items"),
    "Diagram": (None, "Diagram", "Chart"),
    "Gem diagrammet": (None, "Lagre diagrammet", "Save the chart"),
    "PNG-billeder (*.png)": (None, "PNG-bilder (*.png)", "PNG pictures (*.png)"),
    "Diagrammet blev ikke gemt": (None, "Diagrammet ble ikke lagret", "The chart was not saved"),

    # ------------------------------------------------------- the list's filter
    # The field above the list, the group rows' counts and the status bar's
    # count (the noun follows the count of all items: "1 af 1", "3 af 12").
    "Filtrér listen (Ctrl+L eller /)": (None, "Filtrer listen (Ctrl+L eller /)", "Filter the list (Ctrl+L or /)"),
    "Viser kun de rækker, hvis tekster indeholder hvert af de ord, der skrives her, "
    "uanset store og små bogstaver. Esc rydder feltet.": (
        None,
        "Viser bare radene der tekstene inneholder hvert av ordene som skrives her, "
        "uansett store og små bokstaver. Esc tømmer feltet.",
        "Shows only the rows whose texts contain every word typed here, in any case. Esc clears the field."),
    "%1 (%2 af %3)": (None, "%1 (%2 av %3)", "%1 (%2 of %3)"),
    "%1 af %2 genstand": (None, "%1 av %2 gjenstand", "%1 of %2 item"),
    "%1 af %2 genstande": (None, "%1 av %2 gjenstander", "%1 of %2 items"),
    "%1 af %2 billede": (None, "%1 av %2 bilde", "%1 of %2 picture"),
    "%1 af %2 billeder": (None, "%1 av %2 bilder", "%1 of %2 pictures"),
    "%1 af %2 mønt": (None, "%1 av %2 mynt", "%1 of %2 coin"),
    "%1 af %2 mønter": (None, "%1 av %2 mynter", "%1 of %2 coins"),
    "%1 af %2 vare": (None, "%1 av %2 vare", "%1 of %2 stock item"),
    "%1 af %2 varer": (None, "%1 av %2 varer", "%1 of %2 stock items"),

    # ------------------------------------------------------------ label sheets
    # The barcodes: symbology names and why a text cannot become a symbol.
    "Code 128": (None, "Code 128", "Code 128"),
    "QR-kode": (None, "QR-kode", "QR code"),
    "EAN-13": (None, "EAN-13", "EAN-13"),
    "DataMatrix": (None, "DataMatrix", "DataMatrix"),
    "En tom tekst kan ikke blive til en stregkode af typen %1.": (
        None, "En tom tekst kan ikke bli en strekkode av typen %1.", "An empty text cannot become a barcode of the type %1."),
    "»%1« er ikke et EAN-13-nummer (13 cifre med det rette kontrolciffer).": (
        None,
        "«%1» er ikke et EAN-13-nummer (13 sifre med riktig kontrollsiffer).",
        "\u201c%1\u201d is not an EAN-13 number (13 digits with the right check digit)."),
    "Der var ikke hukommelse nok til stregkoden for »%1«.": (
        None, "Det var ikke nok minne til strekkoden for «%1».", "There was not enough memory for the barcode of \u201c%1\u201d."),
    "»%1« er for lang til stregkodetypen %2.": (
        None, "«%1» er for lang for strekkodetypen %2.", "\u201c%1\u201d is too long for the barcode type %2."),
    "»%1« indeholder tegn, som stregkodetypen %2 ikke kan rumme.": (
        None, "«%1» inneholder tegn som strekkodetypen %2 ikke kan romme.", "\u201c%1\u201d holds characters that the barcode type %2 cannot hold."),
    "»%1« har et forkert kontrolciffer til stregkodetypen %2.": (
        None, "«%1» har feil kontrollsiffer for strekkodetypen %2.", "\u201c%1\u201d has a wrong check digit for the barcode type %2."),
    "Stregkodetypen %2 kan ikke rumme »%1« (fejl %3).": (
        None, "Strekkodetypen %2 kan ikke romme «%1» (feil %3).", "The barcode type %2 cannot hold \u201c%1\u201d (error %3)."),
    # The sheets: layouts, a custom layout's faults, the labels' problems.
    "%1 × %2 mm": (None, "%1 × %2 mm", "%1 × %2 mm"),
    "A4 %1 × %2, Avery L7163 (%3)": (None, "A4 %1 × %2, Avery L7163 (%3)", "A4 %1 × %2, Avery L7163 (%3)"),
    "US Letter %1 × %2, Avery 5160 (%3)": (None, "US Letter %1 × %2, Avery 5160 (%3)", "US Letter %1 × %2, Avery 5160 (%3)"),
    "A4 %1 × %2 (%3)": (None, "A4 %1 × %2 (%3)", "A4 %1 × %2 (%3)"),
    "Egen opstilling": (None, "Eget oppsett", "Custom layout"),
    "Siden skal have en bredde og en højde.": (None, "Siden må ha en bredde og en høyde.", "The page needs a width and a height."),
    "Arket skal have mindst én række og én kolonne.": (
        None, "Arket må ha minst én rad og én kolonne.", "The sheet needs at least one row and one column."),
    "Etiketterne skal have en bredde og en højde.": (
        None, "Etikettene må ha en bredde og en høyde.", "The labels need a width and a height."),
    "Margener og mellemrum kan ikke være negative.": (
        None, "Marger og mellomrom kan ikke være negative.", "Margins and gaps cannot be negative."),
    "%1 kolonner med margen og mellemrum er %2 mm brede, men siden er kun %3 mm bred.": (
        None,
        "%1 kolonner med marg og mellomrom er %2 mm brede, men siden er bare %3 mm bred.",
        "%1 columns with margin and gaps are %2 mm wide, but the page is only %3 mm wide."),
    "%1 rækker med margen og mellemrum er %2 mm høje, men siden er kun %3 mm høj.": (
        None,
        "%1 rader med marg og mellomrom er %2 mm høye, men siden er bare %3 mm høy.",
        "%1 rows with margin and gaps are %2 mm high, but the page is only %3 mm high."),
    "%1: %2 Etiketten får en Code 128-stregkode i stedet.": (
        None, "%1: %2 Etiketten får en Code 128-strekkode i stedet.", "%1: %2 The label gets a Code 128 barcode instead."),
    "%1: %2 Etiketten får ingen stregkode.": (None, "%1: %2 Etiketten får ingen strekkode.", "%1: %2 The label gets no barcode."),
    "%1: Uden nummer får etiketten ingen stregkode.": (
        None, "%1: Uten nummer får etiketten ingen strekkode.", "%1: Without a number the label gets no barcode."),
    "…og %1 mere": (None, "…og %1 til", "…and %1 more"),
    "Indhold: %1": (None, "Innhold: %1", "Contents: %1"),
    "Etiketterne kunne ikke skrives.": (None, "Etikettene kunne ikke skrives.", "The labels could not be written."),
    "Etiketter": (None, "Etiketter", "Labels"),
    # The label sheet dialog and its menu entry.
    "Udskriv &etiketter...": (None, "Skriv ut &etiketter...", "Print &labels..."),
    "Udskriver etiketter med stregkode eller QR-kode på etiketark, på en printer eller i en PDF-fil.": (
        None,
        "Skriver ut etiketter med strekkode eller QR-kode på etikettark, på en skriver eller i en PDF-fil.",
        "Prints labels with a barcode or QR code on label sheets, on a printer or into a PDF file."),
    "Udskriv etiketter": (None, "Skriv ut etiketter", "Print labels"),
    "Hvilke": (None, "Hvilke", "Which"),
    "&Alle": (None, "&Alle", "&All"),
    "En etiket for hver &ting": (None, "En etikett for hver &ting", "One label for each &item"),
    "En etiket for hvert &sted (QR-kode med indholdet)": (
        None, "En etikett for hvert &sted (QR-kode med innholdet)", "One label for each &place (QR code of its contents)"),
    "En etiket for hvert &stk. (antallet)": (None, "En etikett for hvert s&tk. (antallet)", "One label for each &piece (the count)"),
    "Ark": (None, "Ark", "Sheet"),
    "&Ark:": (None, "&Ark:", "S&heet:"),
    "Begynd ved &etiket nr.:": (None, "Begynn ved &etikett nr.:", "Start at &label no.:"),
    "Sidens bredde:": (None, "Sidens bredde:", "Page width:"),
    "Sidens højde:": (None, "Sidens høyde:", "Page height:"),
    "Kolonner:": (None, "Kolonner:", "Columns:"),
    "Rækker:": (None, "Rader:", "Rows:"),
    "Etikettens bredde:": (None, "Etikettens bredde:", "Label width:"),
    "Etikettens højde:": (None, "Etikettens høyde:", "Label height:"),
    "Venstre margen:": (None, "Venstre marg:", "Left margin:"),
    "Øverste margen:": (None, "Øverste marg:", "Top margin:"),
    "Mellem kolonner:": (None, "Mellom kolonner:", "Column gap:"),
    "Mellem rækker:": (None, "Mellom rader:", "Row gap:"),
    "Indhold": (None, "Innhold", "Contents"),
    "S&tregkode:": (None, "S&trekkode:", "&Barcode:"),
    "&Navn": (None, "&Navn", "&Name"),
    "&Fabrikat og model": (None, "&Fabrikat og modell", "&Make and model"),
    "&Placering": (None, "&Plassering", "Pla&ce"),
    "&Pris": (None, "&Pris", "P&rice"),
    "Til": (None, "Til", "Output"),
    "P&rinter": (None, "S&kriver", "P&rinter"),
    "P&DF-fil": (None, "P&DF-fil", "P&DF file"),
    "Første ark:": (None, "Første ark:", "First sheet:"),
    "&Gem PDF...": (None, "&Lagre PDF...", "&Save PDF..."),
    "&Udskriv...": (None, "&Skriv ut...", "&Print..."),
    "Etiketter uden den valgte stregkode": (
        None, "Etiketter uten den valgte strekkoden", "Labels without the chosen barcode"),
    "Nogle etiketter kan ikke få den valgte stregkode:\n\n%1\n\nUdskriv etiketterne alligevel?": (
        None,
        "Noen etiketter kan ikke få den valgte strekkoden:\n\n%1\n\nSkrive ut etikettene likevel?",
        "Some labels cannot get the chosen barcode:\n\n%1\n\nPrint the labels anyway?"),
    "Skriver etiketterne...": (None, "Skriver etikettene...", "Writing the labels..."),
    "%1 - etiketter.pdf": (None, "%1 - etiketter.pdf", "%1 - labels.pdf"),
    "Gem etiketterne": (None, "Lagre etikettene", "Save the labels"),
    "Etiketterne blev ikke gemt": (None, "Etikettene ble ikke lagret", "The labels were not saved"),
    "Etiketterne blev ikke udskrevet": (None, "Etikettene ble ikke skrevet ut", "The labels were not printed"),

}

# Texts of one context that differ from TEXTS.
OVERRIDES = {
    # The item dialog's Cancel button goes without a mnemonic (Escape cancels): its
    # letter would clash with another button there.
    ("ItemDialogBase", "&Fortryd"): ("Fortryd", "Avbryt", "Cancel"),
    # The HTML list's heading puts the column titles straight after this text.
    ("DBItemCollection", "ITEM_COUNT"): ("Nr.; ", "Nr.; ", "No.; "),
}

# Texts looked up at run time under keys that lupdate cannot extract.
EXTRA = [
    # The save check of the item dialog.
    ("ItemDialog", "'Købspris' skal være: 0.0 -> %1"),
    ("ItemDialog", "'Vurderet pris' skal være: 0.0 -> %1"),
    ("ItemDialog", "'Antal' skal være i intervalet: 0 -> %1"),
    ("ItemDialog", "OstranaNameMissing"),
    ("ItemDialog", "QuorvelNameMissing"),
    ("ItemDialog", "VistrelNameMissing"),
    ("ItemDialog", "NumivaxNameMissing"),
    ("ItemDialog", "QuorvelItemTypeHasNotBeenSelected"),
    # The column titles that retitle the Setup menu's list entries, when the
    # database has no field-names list.
    ("MainWindow", "Gruppe"),
    ("MainWindow", "Rum"),
    ("MainWindow", "Leverandør"),
    ("ItemListView", "Gruppe"),
    # The change of many items names its fields by the column titles.
    ("BulkEditDialog", "Gruppe"),
    ("BulkEditDialog", "Rum"),
    ("BulkEditDialog", "Leverandør"),
    ("BulkEditDialog", "Dato"),
    ("BulkEditDialog", "Vurd."),
]
