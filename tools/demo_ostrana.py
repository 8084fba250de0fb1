"""Ostrana: the contents of a family home."""

from demo_common import FONT, FONT_BOLD, LANGUAGES, html_page, item, pick, price

NAME = "Ostrana"
FOLDER = "DemoDBStd"
DATABASE = "OstranaStdDemoDatabase.%s.db"
HEADER = ("#2.5.5 (INB)- Format: "
          "group;name;product;price;priceToday;date;supplier;serialno;description;address;"
          "photolink;number_of_items;location;www;receipt;document;producttype;;")

GROUPS = [
    ("Møbler", "Møbler", "Furniture"),
    ("Elektronik", "Elektronikk", "Electronics"),
    ("Hvidevarer", "Hvitevarer", "Appliances"),
    ("Køkkenudstyr", "Kjøkkenutstyr", "Kitchenware"),
    ("Værktøj", "Verktøy", "Tools"),
    ("Tøj og sko", "Klær og sko", "Clothes and shoes"),
    ("Smykker og ure", "Smykker og klokker", "Jewellery and watches"),
    ("Sport og fritid", "Sport og fritid", "Sport and leisure"),
    ("Bøger og musik", "Bøker og musikk", "Books and music"),
    ("Have", "Hage", "Garden"),
    ("Belysning", "Belysning", "Lighting"),
    ("Kunst og antikviteter", "Kunst og antikviteter", "Art and antiques"),
]

LOCATIONS = [
    ("Stue", "Stue", "Living room"),
    ("Køkken", "Kjøkken", "Kitchen"),
    ("Soveværelse", "Soverom", "Bedroom"),
    ("Børneværelse", "Barnerom", "Children's room"),
    ("Badeværelse", "Bad", "Bathroom"),
    ("Kontor", "Kontor", "Study"),
    ("Entré", "Gang", "Hall"),
    ("Kælder", "Kjeller", "Basement"),
    ("Garage", "Garasje", "Garage"),
    ("Have og skur", "Hage og bod", "Garden and shed"),
    ("Spisestue", "Spisestue", "Dining room"),
]

# The shops, the same kind of shop at the same position in every language,
# with the town that goes into the address field.
SHOPS = [
    (("IKEA Gentofte", "2820 Gentofte"), ("IKEA Furuset", "1001 Oslo"), ("IKEA Wembley", "Wembley, London")),
    (("Elgiganten", "2300 København S"), ("Elkjøp", "0485 Oslo"), ("Currys", "Croydon")),
    (("Power", "2800 Kgs. Lyngby"), ("Power", "0668 Oslo"), ("Richer Sounds", "Guildford")),
    (("Bilka", "2635 Ishøj"), ("Obs", "2000 Lillestrøm"), ("Argos", "Croydon")),
    (("Silvan", "2750 Ballerup"), ("Maxbo", "0580 Oslo"), ("B&Q", "Sutton")),
    (("Harald Nyborg", "2600 Glostrup"), ("Biltema", "1400 Ski"), ("Screwfix", "Kingston upon Thames")),
    (("Magasin du Nord", "1050 København K"), ("Steen & Strøm", "0159 Oslo"), ("John Lewis", "London W1")),
    (("Illums Bolighus", "1160 København K"), ("Bohus", "0484 Oslo"), ("Heal's", "London W1")),
    (("JYSK", "2610 Rødovre"), ("JYSK", "1407 Vinterbro"), ("Dunelm", "Kingston upon Thames")),
    (("Intersport", "2770 Kastrup"), ("XXL", "0668 Oslo"), ("Decathlon", "Surrey Quays, London")),
    (("Guldsmed Hansen", "3000 Helsingør"), ("Gullsmed Bakke", "3015 Drammen"), ("Bramley Jewellers", "Richmond")),
    (("Arnold Busck", "1150 København K"), ("Norli", "0159 Oslo"), ("Waterstones", "London WC1")),
    (("Plantorama", "2630 Taastrup"), ("Plantasjen", "1400 Ski"), ("Squire's Garden Centre", "Twickenham")),
    (("Proshop.dk", "8200 Aarhus N"), ("Komplett.no", "3241 Sandefjord"), ("Amazon.co.uk", "")),
    (("Kop & Kande", "2800 Kgs. Lyngby"), ("Kitch'n", "0250 Oslo"), ("Lakeland", "Windermere")),
    (("Lauritz.com", "2450 København SV"), ("Blomqvist Kunsthandel", "0254 Oslo"), ("Bonhams", "London SW7")),
    (("Hornung & Møller", "1050 København K"), ("Norsk Pianoforretning", "0357 Oslo"), ("Chappell of Bond Street", "London W1")),
    (("Cykelhandler Jensen", "2900 Hellerup"), ("Sykkelhuset", "0273 Oslo"), ("Halfords", "Wimbledon")),
    (("Arv efter mormor", ""), ("Arv etter mormor", ""), ("Inherited from grandmother", "")),
]

SUPPLIERS = {language: [shop[i][0] for shop in SHOPS] for i, language in enumerate(LANGUAGES)}

FIELDS = {
    "dk": ["Gruppe", "Navn", "Fabrikat", "Antal", "Pris", "Vurd.", "Billede", "Dato", "Rum",
           "Beskrivelse", "Leverandør", "Adresse", "Serie no.", "Www", "Kvitt.", "Dok.",
           "Produkt model"],
    "no": ["Gruppe", "Navn", "Fabrikat", "Antall", "Pris", "Takst", "Bilde", "Dato", "Rom",
           "Beskrivelse", "Leverandør", "Adresse", "Serienr.", "Www", "Kvitt.", "Dok.",
           "Modell"],
    "en": ["Group", "Name", "Make", "Count", "Price", "Value", "Picture", "Date", "Room",
           "Description", "Supplier", "Address", "Serial no.", "Www", "Receipt", "Doc.",
           "Model"],
}

PICTURES = "db/%s/pictures/" % FOLDER
RECEIPTS = "db/%s/receipts/" % FOLDER
DOCUMENTS = "db/%s/documents/" % FOLDER

# group, location, shop, name, make, model, price and value in Danish kroner,
# date, serial number, description, count, links.
THINGS = [
    (0, 0, 7, ("Sofa, 3 personer", "Sofa, 3-seter", "Three-seater sofa"), "Bolia", "Scandinavia",
     14995, 9000, "12.03.2019", "", ("Grå uld, 220 cm bred, løse hynder",
     "Grå ull, 220 cm bred, løse puter", "Grey wool, 220 cm wide, loose cushions"), 1,
     {"photo": "sofa.jpg"}),
    (0, 0, 0, ("Sofabord", "Salongbord", "Coffee table"), "IKEA", "LISABO",
     1299, 700, "05.04.2019", "", ("Askefinér, 118 x 50 cm", "Askefinér, 118 x 50 cm",
     "Ash veneer, 118 x 50 cm"), 1, {}),
    (0, 0, 6, ("Lænestol Ægget", "Lenestol Egget", "Egg chair"), "Fritz Hansen", "3316",
     42000, 38000, "18.11.2016", "FH3316-20871", ("Sort læder, design Arne Jacobsen, med fodskammel",
     "Svart skinn, design Arne Jacobsen, med fotskammel", "Black leather, designed by Arne Jacobsen, with footstool"),
     1, {"www": "https://www.fritzhansen.com"}),
    (0, 10, 7, ("Spisebord", "Spisebord", "Dining table"), "Skovby", "SM 24",
     8995, 6000, "02.09.2017", "", ("Eg, hvidolieret, med 2 tillægsplader",
     "Eik, hvitoljet, med 2 tilleggsplater", "White-oiled oak, with 2 extension leaves"), 1, {}),
    (0, 10, 6, ("Spisestole", "Spisestoler", "Dining chairs"), "Fritz Hansen", "Syveren 3107",
     3150, 2400, "02.09.2017", "", ("Sort lak, stabelbare", "Svart lakk, stablebare",
     "Black lacquer, stackable"), 6, {}),
    (0, 2, 8, ("Dobbeltseng", "Dobbeltseng", "Double bed"), "Jensen", "Ambassador",
     18995, 11000, "23.01.2018", "", ("Kontinentalseng 180 x 200 cm, medium",
     "Kontinentalseng 180 x 200 cm, medium", "Box-spring bed 180 x 200 cm, medium"), 1, {}),
    (0, 2, 0, ("Klædeskab", "Klesskap", "Wardrobe"), "IKEA", "PAX",
     4350, 2500, "30.01.2018", "", ("Hvid, 200 x 236 cm, skydedøre med spejl",
     "Hvit, 200 x 236 cm, skyvedører med speil", "White, 200 x 236 cm, mirrored sliding doors"), 1, {}),
    (0, 5, 0, ("Skrivebord", "Skrivebord", "Desk"), "IKEA", "BEKANT",
     2199, 1200, "14.08.2020", "", ("Hæve-sænke-bord, 160 x 80 cm", "Hev-senk-bord, 160 x 80 cm",
     "Sit-stand desk, 160 x 80 cm"), 1, {}),
    (0, 5, 13, ("Kontorstol", "Kontorstol", "Office chair"), "HÅG", "Capisco 8106",
     6995, 4500, "20.08.2020", "HAG8106-553012", ("Sort stof, sadelsæde",
     "Svart stoff, salsete", "Black fabric, saddle seat"), 1, {}),
    (0, 0, 7, ("Reol", "Bokhylle", "Bookcase"), "Montana", "1112",
     5600, 4000, "11.06.2015", "", ("Sort, 3 moduler med låger", "Svart, 3 moduler med dører",
     "Black, 3 modules with doors"), 1, {}),

    (1, 0, 1, ("Fjernsyn", "TV", "Television"), "Samsung", "QE55Q80T",
     11999, 5000, "27.11.2020", "0B7K3CAN600421X", ("55 tommer QLED, vægbeslag medfølger",
     "55 tommer QLED, veggfeste følger med", "55 inch QLED, wall bracket included"), 1,
     {"www": "https://www.samsung.com", "receipt": "tv"}),
    (1, 0, 6, ("Højttalere", "Høyttalere", "Loudspeakers"), "Bang & Olufsen", "Beolab 18",
     22500, 15000, "15.12.2017", "BL18-31337842", ("Trådløse, egetræsfront",
     "Trådløse, front i eik", "Wireless, oak front"), 2, {"www": "https://www.bang-olufsen.com"}),
    (1, 5, 13, ("Bærbar computer", "Bærbar PC", "Laptop"), "Lenovo", "ThinkPad T14",
     9499, 4000, "03.02.2021", "PF2XK4LM", ("14 tommer, 16 GB RAM, 512 GB SSD",
     "14 tommer, 16 GB RAM, 512 GB SSD", "14 inch, 16 GB RAM, 512 GB SSD"), 1, {}),
    (1, 2, 2, ("Mobiltelefon", "Mobiltelefon", "Mobile phone"), "Apple", "iPhone 13",
     6999, 3500, "24.09.2021", "356789104523871", ("128 GB, blå, med cover (IMEI som serienummer)",
     "128 GB, blå, med deksel (IMEI som serienummer)", "128 GB, blue, with case (IMEI as serial number)"),
     1, {"www": "https://www.apple.com"}),
    (1, 0, 2, ("Tablet", "Nettbrett", "Tablet"), "Apple", "iPad Air",
     4999, 2800, "10.05.2022", "DMPXQ2HKJF8J", ("64 GB, wifi, sølvfarvet",
     "64 GB, wifi, sølvfarget", "64 GB, wi-fi, silver"), 1, {}),
    (1, 5, 13, ("Printer", "Skriver", "Printer"), "Brother", "HL-L2350DW",
     1199, 500, "08.03.2021", "E78102K1N456221", ("Laserprinter, sort/hvid, wifi",
     "Laserskriver, svart/hvit, wifi", "Mono laser printer, wi-fi"), 1, {}),
    (1, 3, 1, ("Spillekonsol", "Spillkonsoll", "Games console"), "Sony", "PlayStation 5",
     3999, 3000, "19.11.2021", "AJ458213697", ("Med to controllere og tre spil",
     "Med to kontrollere og tre spill", "With two controllers and three games"), 1, {}),
    (1, 5, 6, ("Spejlreflekskamera", "Speilreflekskamera", "SLR camera"), "Canon", "EOS 250D",
     5499, 3000, "21.06.2019", "083021004417", ("Med 18-55 mm objektiv og taske",
     "Med 18-55 mm objektiv og veske", "With 18-55 mm lens and bag"), 1, {"receipt": "camera"}),
    (1, 2, 2, ("Hovedtelefoner", "Hodetelefoner", "Headphones"), "Sony", "WH-1000XM4",
     2499, 1300, "02.07.2021", "5101234", ("Trådløse, støjreducerende",
     "Trådløse, støydempende", "Wireless, noise cancelling"), 1, {}),
    (1, 1, 3, ("Radio", "Radio", "Radio"), "Tivoli Audio", "Model One",
     1299, 800, "14.02.2016", "", ("Valnød, FM/AM", "Valnøtt, FM/AM", "Walnut, FM/AM"), 1, {}),

    (2, 1, 1, ("Køle-/fryseskab", "Kjøl-/fryseskap", "Fridge-freezer"), "Siemens", "KG39NXIDF",
     6999, 4500, "04.10.2019", "FD9910 123456", ("No Frost, 203 cm, rustfrit stål",
     "No Frost, 203 cm, rustfritt stål", "Frost-free, 203 cm, stainless steel"), 1,
     {"document": "manual"}),
    (2, 1, 1, ("Opvaskemaskine", "Oppvaskmaskin", "Dishwasher"), "Bosch", "SMV4HCX48E",
     4999, 3000, "04.10.2019", "FD0001 987654", ("Fuldt integreret, 60 cm",
     "Fullintegrert, 60 cm", "Fully integrated, 60 cm"), 1, {"www": "https://www.bosch-home.com"}),
    (2, 7, 6, ("Vaskemaskine", "Vaskemaskin", "Washing machine"), "Miele", "WWD320",
     8999, 6500, "17.03.2020", "000112345678", ("8 kg, 1400 omdrejninger",
     "8 kg, 1400 omdreininger", "8 kg, 1400 rpm"), 1, {"www": "https://www.miele.com"}),
    (2, 7, 2, ("Tørretumbler", "Tørketrommel", "Tumble dryer"), "Electrolux", "EW8H458B",
     5499, 3500, "17.03.2020", "91609345 00", ("Varmepumpe, 8 kg", "Varmepumpe, 8 kg",
     "Heat pump, 8 kg"), 1, {}),
    (2, 6, 3, ("Støvsuger", "Støvsuger", "Vacuum cleaner"), "Nilfisk", "Elite",
     1999, 900, "09.09.2018", "NF-ELT-20442", ("Med HEPA-filter og ekstra mundstykker",
     "Med HEPA-filter og ekstra munnstykker", "With HEPA filter and extra nozzles"), 1, {}),
    (2, 1, 3, ("Mikrobølgeovn", "Mikrobølgeovn", "Microwave oven"), "Whirlpool", "MWP 304",
     1499, 700, "11.11.2018", "WP3040077812", ("30 liter, med grill", "30 liter, med grill",
     "30 litres, with grill"), 1, {}),

    (3, 1, 14, ("Kaffemaskine", "Kaffetrakter", "Coffee maker"), "Moccamaster", "KBG Select",
     1799, 1200, "01.12.2020", "", ("Poleret aluminium, 1,25 liter", "Polert aluminium, 1,25 liter",
     "Polished aluminium, 1.25 litres"), 1, {}),
    (3, 1, 14, ("Køkkenmaskine", "Kjøkkenmaskin", "Stand mixer"), "KitchenAid", "Artisan 5KSM175",
     4499, 3000, "24.12.2018", "W10712984", ("Rød, med 4,8 liter skål og tilbehør",
     "Rød, med 4,8 liters bolle og tilbehør", "Red, with 4.8 litre bowl and attachments"), 1, {}),
    (3, 1, 14, ("Gryder, sæt", "Gryter, sett", "Set of pans"), "Scanpan", "CTX",
     2499, 1500, "24.12.2018", "", ("5 dele, induktion", "5 deler, induksjon",
     "5 pieces, induction hob"), 1, {}),
    (3, 10, 6, ("Stel til 12 personer", "Servise til 12 personer", "Dinner service for 12"),
     "Royal Copenhagen", "Musselmalet Riflet", 15000, 12000, "14.05.2010", "",
     ("Bryllupsgave, 48 dele", "Bryllupsgave, 48 deler", "Wedding present, 48 pieces"), 1, {}),
    (3, 1, 14, ("Knivsæt", "Knivsett", "Knife set"), "Global", "G-2338",
     1599, 1100, "03.03.2019", "", ("3 knive i blok", "3 kniver i blokk", "3 knives in a block"), 1, {}),

    (4, 8, 5, ("Boremaskine", "Drill", "Cordless drill"), "Makita", "DHP482",
     1899, 900, "15.04.2017", "318746Y", ("18 V, 2 batterier og lader", "18 V, 2 batterier og lader",
     "18 V, 2 batteries and charger"), 1, {}),
    (4, 8, 4, ("Rundsav", "Sirkelsag", "Circular saw"), "Bosch", "GKS 190",
     1499, 800, "02.05.2017", "3601F23000 882", ("1400 W, 190 mm klinge", "1400 W, 190 mm blad",
     "1400 W, 190 mm blade"), 1, {}),
    (4, 8, 5, ("Værktøjskasse med værktøj", "Verktøykasse med verktøy", "Tool box with tools"),
     "Hultafors", "", 899, 600, "20.06.2014", "", ("Hammer, skruetrækkere, tænger og vaterpas",
     "Hammer, skrutrekkere, tenger og vater", "Hammer, screwdrivers, pliers and spirit level"), 1, {}),
    (4, 8, 4, ("Stige", "Stige", "Ladder"), "Wibe", "Jumbo 3 x 9",
     1299, 900, "12.06.2016", "", ("Aluminium, 3-delt, 6,3 m", "Aluminium, 3-delt, 6,3 m",
     "Aluminium, three-section, 6.3 m"), 1, {}),
    (4, 8, 5, ("Højtryksrenser", "Høytrykksspyler", "Pressure washer"), "Kärcher", "K5 Premium",
     2999, 1500, "28.03.2019", "K5-048213", ("145 bar, med terrasserenser",
     "145 bar, med terrassevasker", "145 bar, with patio cleaner"), 1, {}),

    (5, 6, 9, ("Vinterjakke", "Vinterjakke", "Winter parka"), "Fjällräven", "Nuuk Parka",
     3999, 2000, "30.10.2021", "", ("Str. L, mørkeblå", "Str. L, mørkeblå", "Size L, dark navy"), 1, {}),
    (5, 2, 6, ("Dunjakke", "Dunjakke", "Down jacket"), "Moncler", "Maya",
     9500, 6000, "12.12.2022", "", ("Str. 3, sort", "Str. 3, svart", "Size 3, black"), 1, {}),
    (5, 2, 6, ("Jakkesæt", "Dress", "Suit"), "Hugo Boss", "Huge/Genius",
     4999, 2000, "05.05.2022", "", ("Mørkegrå uld, str. 52", "Mørkegrå ull, str. 52",
     "Charcoal wool, size 42R"), 1, {}),
    (5, 6, 3, ("Vinterstøvler", "Vinterstøvler", "Winter boots"), "Ecco", "Track 25",
     1499, 600, "01.11.2021", "", ("Str. 43, Gore-Tex", "Str. 43, Gore-Tex", "Size 9, Gore-Tex"), 2, {}),

    (6, 2, 10, ("Armbåndsur", "Armbåndsur", "Wristwatch"), "Omega", "Seamaster Aqua Terra",
     38000, 35000, "16.06.2018", "86213479", ("Stål, automatisk, blå skive, med certifikat",
     "Stål, automatisk, blå urskive, med sertifikat", "Steel, automatic, blue dial, with certificate"), 1,
     {"photo": "watch.jpg", "document": "certificate", "www": "https://www.omegawatches.com"}),
    (6, 2, 6, ("Halskæde", "Halskjede", "Necklace"), "Georg Jensen", "Daisy",
     4500, 4000, "24.12.2019", "", ("Sterlingsølv med emalje", "Sterlingsølv med emalje",
     "Sterling silver with enamel"), 1, {}),
    (6, 2, 10, ("Vielsesringe", "Giftering", "Wedding rings"), "", "",
     5500, 5000, "14.05.2010", "", ("14 karat guld, indgraveret dato", "14 karat gull, gravert dato",
     "14 carat gold, engraved with the date"), 2, {}),

    (7, 8, 17, ("Racercykel", "Landeveissykkel", "Road bike"), "Trek", "Domane SL 5",
     24999, 15000, "08.04.2022", "WTU123C0456P", ("Stelnummer i serienummerfeltet, str. 56 cm",
     "Rammenummer i serienummerfeltet, str. 56 cm", "Frame number in the serial number field, size 56 cm"),
     1, {"www": "https://www.trekbikes.com"}),
    (7, 8, 17, ("Ladcykel", "Lastesykkel", "Cargo bike"), "Christiania Bikes", "Light",
     14999, 9000, "15.04.2019", "CB2019-0815", ("Med kalecher og 3 gear", "Med kalesje og 3 gir",
     "With rain cover and 3 gears"), 1, {}),
    (7, 7, 9, ("Telt", "Telt", "Tent"), "Hilleberg", "Nallo 3",
     7500, 5000, "01.06.2017", "", ("3-personers, grønt", "3-manns, grønt", "Three-person, green"), 1, {}),
    (7, 8, 9, ("Golfudstyr", "Golfsett", "Golf clubs"), "Ping", "G425",
     9999, 6000, "22.03.2021", "", ("Jern 5-PW, driver og bag", "Jern 5-PW, driver og bag",
     "Irons 5-PW, driver and bag"), 1, {}),
    (7, 7, 9, ("Langrendsski", "Langrennsski", "Cross-country skis"), "Fischer", "Twin Skin Pro",
     3499, 2000, "10.12.2020", "", ("Med bindinger og stave", "Med bindinger og staver",
     "With bindings and poles"), 2, {}),

    (8, 0, 16, ("Klaver", "Piano", "Piano"), "Yamaha", "U1",
     45000, 35000, "30.08.2012", "5432198", ("Sort højglans, stemt hvert år",
     "Svart høyglans, stemt hvert år", "Polished ebony, tuned every year"), 1, {"www": "https://www.yamaha.com"}),
    (8, 5, 16, ("Elguitar", "Elgitar", "Electric guitar"), "Gibson", "Les Paul Standard",
     19999, 17000, "19.02.2015", "140028561", ("Honey burst, med kuffert", "Honey burst, med koffert",
     "Honey burst, with case"), 1, {}),
    (8, 5, 11, ("Leksikon", "Leksikon", "Encyclopaedia"),
     ("Gyldendal", "Aschehoug", "Encyclopaedia Britannica"),
     ("Den Store Danske", "Store norske leksikon", "15th edition"),
     6000, 1000, "01.10.2004", "", ("22 bind, indbundet", "16 bind, innbundet", "32 volumes, hardback"), 1, {}),
    (8, 0, 11, ("LP-plader", "LP-plater", "Vinyl records"), "", "",
     100, 120, "01.01.1995", "", ("Jazz og rock fra 1960'erne og 70'erne",
     "Jazz og rock fra 1960- og 70-tallet", "Jazz and rock from the 1960s and 70s"), 120, {}),

    (9, 9, 12, ("Robotplæneklipper", "Robotgressklipper", "Robot lawn mower"), "Husqvarna", "Automower 315X",
     12999, 8000, "25.04.2021", "192104523", ("Med ladestation og 300 m kantkabel",
     "Med ladestasjon og 300 m kantkabel", "With charging station and 300 m boundary wire"), 1,
     {"www": "https://www.husqvarna.com"}),
    (9, 9, 12, ("Havemøbler", "Hagemøbler", "Garden furniture"), "Cinas", "Venezia",
     5999, 3000, "12.05.2018", "", ("Teakbord og 6 stole", "Teakbord og 6 stoler",
     "Teak table and 6 chairs"), 1, {}),
    (9, 9, 4, ("Gasgrill", "Gassgrill", "Gas barbecue"), "Weber", "Genesis II E-310",
     6999, 4000, "30.04.2019", "WB310-55712", ("3 brændere, sort", "3 brennere, svart",
     "3 burners, black"), 1, {"www": "https://www.weber.com"}),

    (10, 10, 7, ("Pendel", "Taklampe", "Pendant lamp"), "Louis Poulsen", "PH 5",
     6200, 5500, "02.09.2017", "", ("Hvid, design Poul Henningsen", "Hvit, design Poul Henningsen",
     "White, designed by Poul Henningsen"), 1, {"www": "https://www.louispoulsen.com"}),
    (10, 0, 7, ("Gulvlampe", "Gulvlampe", "Floor lamp"), "Le Klint", "320",
     3495, 2500, "11.06.2015", "", ("Plisseret skærm i papir", "Plissert skjerm i papir",
     "Pleated paper shade"), 1, {}),

    (11, 0, 15, ("Maleri, landskab", "Maleri, landskap", "Painting, landscape"),
     ("Ukendt kunstner", "Ukjent kunstner", "Unknown artist"), "",
     8000, 10000, "13.10.2013", "", ("Olie på lærred, ca. 1890, 60 x 90 cm, forgyldt ramme",
     "Olje på lerret, ca. 1890, 60 x 90 cm, forgylt ramme", "Oil on canvas, about 1890, 60 x 90 cm, gilt frame"),
     1, {"photo": "landscape.jpg"}),
    (11, 6, 18, ("Bornholmerur", "Gulvur", "Longcase clock"), "", "",
     0, 12000, "01.03.2008", "", ("Fra ca. 1820, fungerer og går korrekt",
     "Fra ca. 1820, fungerer og går riktig", "From about 1820, in working order"), 1, {}),
    (11, 0, 15, ("Persisk tæppe", "Persisk teppe", "Persian rug"), "", "",
     9500, 8000, "13.10.2013", "", ("Håndknyttet, 200 x 300 cm", "Håndknyttet, 200 x 300 cm",
     "Hand-knotted, 200 x 300 cm"), 1, {}),
]


def items(language):
    i = LANGUAGES.index(language)
    result = []
    for (group, location, shop, name, make, model, dkk, value_dkk, date, serial, description,
         count, links) in THINGS:
        supplier, address = SHOPS[shop][i]
        record = item(
            group=group, name=pick(name, language), product=pick(make, language),
            productModel=pick(model, language), price=price(dkk, language),
            priceToday=price(value_dkk, language), date=date, supplier=supplier,
            serialno=serial, description=pick(description, language), address=address,
            count=count, location=location, www=links.get("www", ""))
        if "photo" in links:
            record["photolink"] = PICTURES + links["photo"]
        if "receipt" in links:
            record["receipt"] = RECEIPTS + "%s.%s.png" % (links["receipt"], language)
        if "document" in links:
            record["document"] = DOCUMENTS + "%s.%s.html" % (links["document"], language)
        result.append(record)
    return result


RECEIPT_TEXTS = {
    "tv": {
        "dk": ("ELGIGANTEN", "Kvittering", "27.11.2020  14:32", "Samsung QE55Q80T", "1 stk   11.999,00", "I ALT kr 11.999,00", "Heraf moms 2.399,80", "TAK FOR KØBET"),
        "no": ("ELKJØP", "Kvittering", "27.11.2020  14:32", "Samsung QE55Q80T", "1 stk   18.600,00", "TOTALT kr 18.600,00", "Herav mva 3.720,00", "TAKK FOR HANDELEN"),
        "en": ("CURRYS", "Receipt", "27.11.2020  14:32", "Samsung QE55Q80T", "1 x   1,380.00", "TOTAL GBP 1,380.00", "incl. VAT 230.00", "THANK YOU"),
    },
    "camera": {
        "dk": ("MAGASIN DU NORD", "Kvittering", "21.06.2019  11:05", "Canon EOS 250D kit", "1 stk    5.499,00", "I ALT kr 5.499,00", "Heraf moms 1.099,80", "TAK FOR KØBET"),
        "no": ("STEEN & STRØM", "Kvittering", "21.06.2019  11:05", "Canon EOS 250D kit", "1 stk    8.520,00", "TOTALT kr 8.520,00", "Herav mva 1.704,00", "TAKK FOR HANDELEN"),
        "en": ("JOHN LEWIS", "Receipt", "21.06.2019  11:05", "Canon EOS 250D kit", "1 x     630.00", "TOTAL GBP 630.00", "incl. VAT 105.00", "THANK YOU"),
    },
}


def receipt_picture(lines):
    """A till receipt: shop, title, time, the line bought, total, VAT and thanks."""
    shop, title, when, what, amount, total, vat, thanks = lines
    args = ["-size", "150x230", "xc:#fbfaf3", "-fill", "#333333",
            "-font", FONT_BOLD, "-pointsize", "13", "-annotate", "+10+24", shop,
            "-font", FONT, "-pointsize", "10",
            "-annotate", "+10+46", title, "-annotate", "+10+62", when,
            "-annotate", "+10+90", what, "-annotate", "+10+106", amount,
            "-stroke", "#999999", "-draw", "line 10,118 140,118", "-stroke", "none",
            "-font", FONT_BOLD, "-annotate", "+10+136", total,
            "-font", FONT, "-annotate", "+10+152", vat,
            "-annotate", "+10+188", thanks,
            "-bordercolor", "#d8d4c8", "-border", "1"]
    return args


def pictures():
    result = {
        PICTURES + "sofa.jpg": [
            "-size", "240x160", "gradient:#efe6d6-#d8ccb8",
            "-fill", "#b9b3ab", "-draw", "rectangle 0,118 240,160",
            "-fill", "#7d8794", "-draw", "roundrectangle 28,60 212,118 10,10",
            "-fill", "#8c96a3", "-draw", "roundrectangle 40,50 116,92 8,8",
            "-draw", "roundrectangle 124,50 200,92 8,8",
            "-fill", "#6b7480", "-draw", "roundrectangle 18,66 44,120 6,6",
            "-draw", "roundrectangle 196,66 222,120 6,6",
            "-fill", "#4a3b2c", "-draw", "rectangle 34,118 40,130", "-draw", "rectangle 200,118 206,130",
            "-quality", "82"],
        PICTURES + "watch.jpg": [
            "-size", "200x200", "gradient:#f4f4f4-#cfcfcf",
            "-fill", "#2f3a4a", "-draw", "rectangle 84,0 116,200",
            "-fill", "#c0c4c8", "-stroke", "#8a8f95", "-strokewidth", "4", "-draw", "circle 100,100 100,38",
            "-fill", "#1f4e8c", "-stroke", "none", "-draw", "circle 100,100 100,46",
            "-stroke", "white", "-strokewidth", "3", "-draw", "line 100,100 100,62",
            "-draw", "line 100,100 130,112",
            "-strokewidth", "2", "-draw", "line 100,52 100,58", "-draw", "line 148,100 142,100",
            "-draw", "line 100,148 100,142", "-draw", "line 52,100 58,100",
            "-quality", "82"],
        PICTURES + "landscape.jpg": [
            "-size", "240x160", "gradient:#9ec3e0-#f1e4c4",
            "-fill", "#6f8f4e", "-draw", "polygon 0,110 60,80 130,100 190,76 240,96 240,160 0,160",
            "-fill", "#4f6b35", "-draw", "polygon 0,130 80,112 160,126 240,118 240,160 0,160",
            "-fill", "#3d5a2a", "-draw", "ellipse 170,98 14,24 0,360",
            "-fill", "#f7f0d8", "-draw", "circle 60,40 60,54",
            "-bordercolor", "#b08d3a", "-border", "8", "-quality", "82"],
    }
    for name, texts in RECEIPT_TEXTS.items():
        for language in LANGUAGES:
            result[RECEIPTS + "%s.%s.png" % (name, language)] = receipt_picture(texts[language])
    return result


def documents():
    pages = {
        "certificate": {
            "dk": ("Garantibevis", ["Omega Seamaster Aqua Terra, serienummer 86213479.",
                   "Købt hos Guldsmed Hansen, Helsingør, den 16.06.2018.",
                   "Garantien dækker fabrikationsfejl i fem år fra købsdatoen."]),
            "no": ("Garantibevis", ["Omega Seamaster Aqua Terra, serienummer 86213479.",
                   "Kjøpt hos Gullsmed Bakke, Drammen, 16.06.2018.",
                   "Garantien dekker produksjonsfeil i fem år fra kjøpsdatoen."]),
            "en": ("Certificate of warranty", ["Omega Seamaster Aqua Terra, serial number 86213479.",
                   "Bought at Bramley Jewellers, Richmond, on 16.06.2018.",
                   "The warranty covers manufacturing faults for five years from the date of purchase."]),
        },
        "manual": {
            "dk": ("Køle-/fryseskab: kort vejledning", ["Siemens KG39NXIDF, No Frost.",
                   "Køleskab 4 grader, fryser minus 18 grader.",
                   "Rengør dørpakningerne to gange om året, og støvsug kondensatoren bag skabet."]),
            "no": ("Kjøl-/fryseskap: kort veiledning", ["Siemens KG39NXIDF, No Frost.",
                   "Kjøleskap 4 grader, fryser minus 18 grader.",
                   "Rengjør dørlistene to ganger i året, og støvsug kondensatoren bak skapet."]),
            "en": ("Fridge-freezer: quick guide", ["Siemens KG39NXIDF, frost-free.",
                   "Fridge at 4 degrees, freezer at minus 18 degrees.",
                   "Clean the door seals twice a year and vacuum the condenser behind the cabinet."]),
        },
    }
    result = {}
    for name, languages in pages.items():
        for language, (title, paragraphs) in languages.items():
            result[DOCUMENTS + "%s.%s.html" % (name, language)] = html_page(title, paragraphs, language)
    return result
