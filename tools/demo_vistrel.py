"""Vistrel: a private collection of paintings, prints and photographs.

In this edition the count field holds the collection's registration number,
the price is the valuation and the value today the asking price for a sale.
"""

from demo_common import FONT_SERIF, LANGUAGES, html_page, item, pick, price

NAME = "Vistrel"
FOLDER = "DemoDBCinvaro"
DATABASE = "Cinvaro.%s.db"
HEADER = ("#2.5.4 (IMA)- Format: "
          "type;name;model;price;priceToday;date;supplier;serialno;description;address;"
          "photolink;number_of_items;location;www;receipt;document;;")

GROUPS = [
    ("Oliemalerier", "Oljemalerier", "Oil paintings"),
    ("Akvareller", "Akvareller", "Watercolours"),
    ("Litografier", "Litografier", "Lithographs"),
    ("Raderinger", "Raderinger", "Etchings"),
    ("Serigrafier", "Silketrykk", "Screen prints"),
    ("Træsnit", "Tresnitt", "Woodcuts"),
    ("Tegninger", "Tegninger", "Drawings"),
    ("Fotografier", "Fotografier", "Photographs"),
]

LOCATIONS = [
    ("Stue", "Stue", "Living room"),
    ("Spisestue", "Spisestue", "Dining room"),
    ("Soveværelse", "Soverom", "Bedroom"),
    ("Kontor", "Kontor", "Study"),
    ("Entré", "Gang", "Hall"),
    ("Trappeopgang", "Trappeoppgang", "Staircase"),
    ("Sommerhus", "Hytte", "Summer house"),
    ("Magasin", "Magasin", "In storage"),
    ("Udlånt", "Utlånt", "On loan"),
]

SUPPLIERS = {
    "dk": ["Galleri Nørregade", "Nordisk Kunstauktion", "Galleri Havnen", "Kunstforeningen",
           "Direkte fra kunstneren", "Fotogalleriet Lys", "Grafisk Værksted", "Gave"],
    "no": ["Galleri Kvadraturen", "Nordisk Kunstauksjon", "Galleri Brygga", "Kunstforeningen",
           "Direkte fra kunstneren", "Fotogalleriet Lys", "Grafisk Verksted", "Gave"],
    "en": ["Harbour Gallery", "Nordic Art Auctions", "Quayside Gallery", "The Art Society",
           "Directly from the artist", "Light Photo Gallery", "The Print Workshop", "Gift"],
}

FIELDS = {
    "dk": ["Kategori", "Titel", "Kunstner", "Reg.nr.", "Vurdering", "Salgspris", "Billede",
           "Erhvervet", "Placering", "Beskrivelse", "Galleri", "Signatur", "Værknr.", "Www",
           "Billede 2", "Dokument", "Teknik"],
    "no": ["Kategori", "Tittel", "Kunstner", "Reg.nr.", "Takst", "Salgspris", "Bilde",
           "Anskaffet", "Plassering", "Beskrivelse", "Galleri", "Signatur", "Verknr.", "Www",
           "Bilde 2", "Dokument", "Teknikk"],
    "en": ["Category", "Title", "Artist", "Reg. no.", "Valuation", "Sale price", "Picture",
           "Acquired", "Location", "Description", "Gallery", "Signature", "Work no.", "Www",
           "Picture 2", "Document", "Technique"],
}

PICTURES = "db/%s/pictures/" % FOLDER
DOCUMENTS = "db/%s/documents/" % FOLDER

# Techniques and signatures, written out per language.
TECHNIQUE = {
    "oil": ("Olie på lærred", "Olje på lerret", "Oil on canvas"),
    "oilboard": ("Olie på plade", "Olje på plate", "Oil on board"),
    "acrylic": ("Akryl på lærred", "Akryl på lerret", "Acrylic on canvas"),
    "water": ("Akvarel på papir", "Akvarell på papir", "Watercolour on paper"),
    "litho": ("Farvelitografi", "Fargelitografi", "Colour lithograph"),
    "etching": ("Radering", "Radering", "Etching"),
    "aquatint": ("Akvatinte", "Akvatint", "Aquatint"),
    "screen": ("Serigrafi", "Silketrykk", "Screen print"),
    "woodcut": ("Træsnit", "Tresnitt", "Woodcut"),
    "charcoal": ("Kul på papir", "Kull på papir", "Charcoal on paper"),
    "pencil": ("Blyant på papir", "Blyant på papir", "Pencil on paper"),
    "photo": ("Pigmentprint", "Pigmentprint", "Pigment print"),
    "silver": ("Sølvgelatineprint", "Sølvgelatinprint", "Gelatin silver print"),
}

SIGNATURE = {
    "lr": ("Sign. og dat. nederst t.h.", "Sign. og dat. nederst t.h.", "Signed and dated lower right"),
    "ll": ("Sign. nederst t.v.", "Sign. nederst t.v.", "Signed lower left"),
    "pencil": ("Sign. og nummereret med blyant", "Sign. og nummerert med blyant", "Signed and numbered in pencil"),
    "verso": ("Sign. på bagsiden", "Sign. på baksiden", "Signed on the back"),
    "mono": ("Monogram nederst t.h.", "Monogram nederst t.h.", "Monogram lower right"),
    "none": ("Usigneret", "Usignert", "Unsigned"),
}

EDITION = ("oplag", "opplag", "edition of")

# group, location, gallery, title, artist, technique, year, size (cm), edition
# size of a print (0 for unique works), signature, valuation and asking price in
# Danish kroner, acquired, work number, note, links.
WORKS = [
    (0, 0, 0, ("Solnedgang over Vesterhavet", "Solnedgang over Nordsjøen", "Sunset over the North Sea"),
     "Karen Holm-Larsen", "oil", 1998, "80 x 100", 0, "lr", 28000, 35000, "14.03.2004", "1998-14",
     ("Hovedværk fra Thy-perioden", "Hovedverk fra Thy-perioden", "Major work from the Thy period"),
     {"photo": "sunset.jpg", "picture2": "sunset-back.jpg", "document": "provenance"}),
    (0, 1, 1, ("Stille havn", "Stille havn", "Quiet harbour"), "Jens Birkedal", "oil", 1972,
     "65 x 81", 0, "lr", 18000, 22000, "02.11.2009", "72-3",
     ("Købt på auktion, ny ramme 2010", "Kjøpt på auksjon, ny ramme 2010", "Bought at auction, reframed 2010"),
     {"photo": "harbour.jpg"}),
    (0, 0, 2, ("Komposition i rødt", "Komposisjon i rødt", "Composition in red"), "Poul Vestergaard",
     "acrylic", 2011, "120 x 120", 0, "verso", 24000, 30000, "20.05.2012", "2011-07",
     ("Abstrakt, udstillet på Charlottenborg 2012", "Abstrakt, utstilt på Charlottenborg 2012",
      "Abstract, shown at Charlottenborg in 2012"), {"photo": "composition.jpg"}),
    (0, 2, 4, ("Birkeskov i april", "Bjørkeskog i april", "Birch wood in April"), "Ingrid Solvang",
     "oil", 2015, "50 x 70", 0, "ll", 9500, 12000, "30.04.2016", "2015-21",
     ("Købt i kunstnerens atelier", "Kjøpt i kunstnerens atelier", "Bought in the artist's studio"),
     {"photo": "forest.jpg"}),
    (0, 3, 1, ("Portræt af en ung kvinde", "Portrett av en ung kvinne", "Portrait of a young woman"),
     "Marie Aagaard", "oilboard", 1934, "46 x 38", 0, "mono", 14000, 16000, "11.09.2014", "",
     ("Ældre guldramme, lille krakelering", "Eldre gullramme, litt krakelering",
      "Old gilt frame, slight craquelure"), {"photo": "portrait.jpg"}),
    (0, 6, 3, ("Klitter ved Skagen", "Sanddyner ved Skagen", "Dunes near Skagen"), "Erik Thorsen",
     "oil", 1988, "40 x 60", 0, "lr", 7500, 9000, "15.06.1995", "",
     ("Kunstforeningens udlodning 1995", "Kunstforeningens utlodning 1995", "Won in the Art Society's draw, 1995"), {}),
    (0, 5, 2, ("Byen om natten", "Byen om natten", "The city at night"), "Torben Skov", "acrylic",
     2019, "100 x 140", 0, "verso", 21000, 26000, "08.02.2020", "2019-02",
     ("Blå og gule lys over kanalen", "Blå og gule lys over kanalen", "Blue and yellow lights over the canal"),
     {"photo": "city.jpg"}),
    (0, 7, 1, ("Opstilling med æbler", "Oppstilling med epler", "Still life with apples"),
     "Marie Aagaard", "oil", 1929, "33 x 41", 0, "mono", 6000, 7500, "19.03.2011", "",
     ("Skal renses og have ny blindramme", "Skal renses og ha ny blindramme",
      "Needs cleaning and a new stretcher"), {}),

    (1, 2, 4, ("Morgendis", "Morgendis", "Morning mist"), "Lise Kjær", "water", 2008, "30 x 40", 0,
     "lr", 4500, 5500, "23.08.2008", "", ("Passepartout og hvid ramme", "Passepartout og hvit ramme",
     "Mounted, white frame"), {}),
    (1, 4, 0, ("Fiskerbåde", "Fiskebåter", "Fishing boats"), "Jens Birkedal", "water", 1969,
     "24 x 32", 0, "ll", 3500, 4500, "12.12.2012", "", ("Skitse til maleriet Stille havn",
     "Skisse til maleriet Stille havn", "Study for the painting Quiet harbour"), {}),
    (1, 6, 4, ("Blomstereng", "Blomstereng", "Meadow in flower"), "Lise Kjær", "water", 2012,
     "36 x 48", 0, "lr", 4000, 5000, "01.07.2013", "", ("Sommerhusets gæsteværelse",
     "Gjesterommet på hytta", "In the guest room of the summer house"), {}),
    (1, 3, 3, ("Vinterlys", "Vinterlys", "Winter light"), "Hanne Brix", "water", 2001, "28 x 38", 0,
     "lr", 3000, 3800, "10.01.2002", "", ("Købt på Kunstforeningens julemarked",
     "Kjøpt på Kunstforeningens julemarked", "Bought at the Art Society's Christmas fair"), {}),
    (1, 8, 0, ("Kirken i Ribe", "Kirken i Ribe", "The church at Ribe"), "Hanne Brix", "water", 1997,
     "40 x 30", 0, "ll", 3200, 4000, "28.05.1998", "", ("Udlånt til Ribe Kunstmuseum til 2025",
     "Utlånt til Ribe Kunstmuseum til 2025", "On loan to Ribe Art Museum until 2025"), {}),

    (2, 0, 1, ("Fugle i nat", "Fugler i natt", "Birds at night"), "Astrid Bøe", "litho", 1978,
     "56 x 76", 150, "pencil", 5500, 6500, "03.03.2007", "", ("Prøvetryk uden for oplaget",
     "Prøvetrykk utenfor opplaget", "Proof outside the edition"), {}),
    (2, 1, 6, ("Havets rytme", "Havets rytme", "Rhythm of the sea"), "Karen Holm-Larsen", "litho",
     2003, "50 x 65", 90, "pencil", 3500, 4500, "12.10.2003", "", ("Nr. 34 af 90", "Nr. 34 av 90",
     "No. 34 of 90"), {}),
    (2, 4, 6, ("Byens tage", "Byens tak", "Rooftops"), "Torben Skov", "litho", 2016, "40 x 50", 60,
     "pencil", 2800, 3200, "09.09.2016", "", ("Nr. 12 af 60", "Nr. 12 av 60", "No. 12 of 60"), {}),
    (2, 5, 1, ("Dans", "Dans", "Dance"), "Astrid Bøe", "litho", 1981, "60 x 80", 200, "pencil",
     4000, 4800, "22.04.2010", "", ("Let falmet, bør hænge uden direkte sol",
     "Litt falmet, bør henge uten direkte sol", "Slightly faded, keep out of direct sunlight"), {}),
    (2, 3, 6, ("Blå figur", "Blå figur", "Blue figure"), "Poul Vestergaard", "litho", 2009,
     "50 x 70", 100, "pencil", 3200, 3900, "27.11.2009", "", ("Nr. 7 af 100", "Nr. 7 av 100",
     "No. 7 of 100"), {}),

    (3, 3, 6, ("Gamle træer", "Gamle trær", "Old trees"), "Mads Lund", "etching", 1994, "30 x 40",
     50, "pencil", 2500, 3000, "18.02.1995", "", ("Nr. 8 af 50", "Nr. 8 av 50", "No. 8 of 50"), {}),
    (3, 4, 6, ("Bådebroen", "Båtbrygga", "The jetty"), "Mads Lund", "aquatint", 1999, "25 x 35", 40,
     "pencil", 2200, 2600, "18.02.2000", "", ("Nr. 21 af 40", "Nr. 21 av 40", "No. 21 of 40"), {}),
    (3, 2, 0, ("Sovende kat", "Sovende katt", "Sleeping cat"), "Sigrid Nyhus", "etching", 2006,
     "20 x 25", 75, "pencil", 1500, 1900, "24.12.2006", "", ("Julegave", "Julegave", "Christmas present"), {}),
    (3, 7, 1, ("Kystlandskab", "Kystlandskap", "Coastal landscape"), "Mads Lund", "etching", 1987,
     "35 x 50", 30, "pencil", 2000, 2500, "06.06.2012", "", ("I magasin, mangler ramme",
     "På magasin, mangler ramme", "In storage, unframed"), {}),

    (4, 3, 2, ("Gul cirkel", "Gul sirkel", "Yellow circle"), "Poul Vestergaard", "screen", 2014,
     "70 x 70", 50, "pencil", 3800, 4500, "15.03.2015", "", ("Nr. 3 af 50", "Nr. 3 av 50",
     "No. 3 of 50"), {}),
    (4, 0, 2, ("Tre bølger", "Tre bølger", "Three waves"), "Karen Holm-Larsen", "screen", 2010,
     "60 x 90", 80, "pencil", 3000, 3600, "15.03.2015", "", ("Nr. 45 af 80", "Nr. 45 av 80",
     "No. 45 of 80"), {}),
    (4, 5, 0, ("Signaler", "Signaler", "Signals"), "Torben Skov", "screen", 2021, "50 x 70", 40,
     "pencil", 2600, 3200, "04.12.2021", "", ("Nr. 19 af 40", "Nr. 19 av 40", "No. 19 of 40"), {}),

    (5, 6, 6, ("Ræven", "Reven", "The fox"), "Sigrid Nyhus", "woodcut", 2004, "40 x 55", 30,
     "pencil", 2400, 2900, "13.08.2004", "", ("Trykt i tre farver", "Trykket i tre farger",
     "Printed in three colours"), {}),
    (5, 4, 6, ("Fyrtårnet", "Fyret", "The lighthouse"), "Erik Thorsen", "woodcut", 1991, "45 x 60",
     25, "pencil", 2800, 3400, "02.02.1992", "", ("Nr. 2 af 25", "Nr. 2 av 25", "No. 2 of 25"), {}),
    (5, 2, 4, ("Skovsø", "Skogstjern", "Forest lake"), "Sigrid Nyhus", "woodcut", 2018, "30 x 45",
     40, "pencil", 1800, 2200, "19.05.2018", "", ("Nr. 11 af 40", "Nr. 11 av 40", "No. 11 of 40"), {}),

    (6, 3, 4, ("Studie af hænder", "Studie av hender", "Study of hands"), "Marie Aagaard", "charcoal",
     1931, "30 x 42", 0, "mono", 2500, 3000, "11.09.2014", "", ("Fra samme bo som portrættet",
     "Fra samme dødsbo som portrettet", "From the same estate as the portrait"), {}),
    (6, 1, 4, ("Modelstudie", "Modellstudie", "Life study"), "Jens Birkedal", "charcoal", 1965,
     "50 x 65", 0, "ll", 2000, 2500, "12.12.2012", "", ("Tidligt arbejde fra akademitiden",
     "Tidlig arbeid fra akademitiden", "Early work from the academy years"), {}),
    (6, 7, 3, ("Gadebillede", "Gatebilde", "Street scene"), "Hanne Brix", "pencil", 1995, "21 x 30",
     0, "none", 800, 1000, "16.11.1996", "", ("Tilskrevet kunstneren", "Tilskrevet kunstneren",
     "Attributed to the artist"), {}),
    (6, 2, 7, ("Barnets ansigt", "Barnets ansikt", "A child's face"), "Lise Kjær", "pencil", 2010,
     "24 x 30", 0, "lr", 1200, 0, "06.01.2011", "", ("Portræt af vores datter, ikke til salg",
     "Portrett av datteren vår, ikke til salgs", "Portrait of our daughter, not for sale"), {}),

    (7, 3, 5, ("Havnen i tåge", "Havnen i tåke", "Harbour in fog"), "Anna Friis", "photo", 2017,
     "40 x 60", 10, "verso", 3500, 4200, "21.10.2017", "", ("Nr. 2 af 10", "Nr. 2 av 10",
     "No. 2 of 10"), {}),
    (7, 5, 5, ("Trapper", "Trapper", "Stairs"), "Anna Friis", "silver", 2009, "30 x 40", 15,
     "verso", 2800, 3300, "21.10.2017", "", ("Nr. 5 af 15, sort/hvid", "Nr. 5 av 15, svart/hvitt",
     "No. 5 of 15, black and white"), {}),
    (7, 0, 5, ("Isfjeld", "Isfjell", "Iceberg"), "Niels Dahl", "photo", 2013, "70 x 100", 8,
     "verso", 6500, 8000, "03.04.2014", "", ("Diasec-montering, Diskobugten",
     "Diasec-montering, Diskobukta", "Diasec mounted, Disko Bay"), {"photo": "iceberg.jpg"}),
    (7, 4, 5, ("Gamle hænder", "Gamle hender", "Old hands"), "Niels Dahl", "silver", 1998,
     "24 x 30", 20, "verso", 1800, 2200, "09.05.2001", "", ("Nr. 14 af 20", "Nr. 14 av 20",
     "No. 14 of 20"), {}),
    (7, 1, 4, ("Markens grøde", "Markens grøde", "Harvest"), "Anna Friis", "photo", 2020, "50 x 75",
     12, "verso", 3000, 3600, "30.09.2020", "", ("Nr. 1 af 12", "Nr. 1 av 12", "No. 1 of 12"), {}),
    (7, 7, 5, ("Vinduet", "Vinduet", "The window"), "Niels Dahl", "silver", 2004, "30 x 40", 15,
     "verso", 1500, 1800, "14.02.2006", "", ("I magasin", "På magasin", "In storage"), {}),

    (0, 8, 1, ("Efterår på heden", "Høst på heia", "Autumn on the heath"), "Jens Birkedal", "oil",
     1978, "70 x 90", 0, "lr", 16000, 20000, "25.02.2016", "78-11",
     ("Udlånt til retrospektiv udstilling", "Utlånt til retrospektiv utstilling",
      "On loan to a retrospective exhibition"), {"www": True}),
    (1, 1, 3, ("Tulipaner", "Tulipaner", "Tulips"), "Lise Kjær", "water", 2019, "30 x 30", 0, "lr",
     2500, 3200, "14.04.2019", "", ("Forårsudstilling 2019", "Vårutstilling 2019",
     "Spring exhibition 2019"), {}),
    (2, 2, 7, ("Regnbue", "Regnbue", "Rainbow"), "Astrid Bøe", "litho", 1985, "40 x 50", 120,
     "pencil", 2200, 2600, "08.06.2008", "", ("Gave fra kunstneren", "Gave fra kunstneren",
     "Gift from the artist"), {}),
]

WWW = {"dk": "https://www.smk.dk", "no": "https://www.nasjonalmuseet.no", "en": "https://www.tate.org.uk"}


def items(language):
    i = LANGUAGES.index(language)
    result = []
    for number, (group, location, gallery, title, artist, technique, year, size, copies, signature,
                 valuation, asking, acquired, work_number, note, links) in enumerate(WORKS, start=1):
        description = "%s, %d, %s cm" % (TECHNIQUE[technique][i], year, size)
        if copies:
            description += ", %s %d" % (EDITION[i], copies)
        description += ". " + pick(note, language)
        record = item(
            group=group, name=pick(title, language), product=artist,
            price=price(valuation, language), priceToday=price(asking, language), date=acquired,
            supplier=SUPPLIERS[language][gallery], serialno=work_number, description=description,
            address=SIGNATURE[signature][i], count=number, location=location)
        if "photo" in links:
            record["photolink"] = PICTURES + links["photo"]
        if "picture2" in links:
            record["receipt"] = PICTURES + links["picture2"]
        if "document" in links:
            record["document"] = DOCUMENTS + "%s.%s.html" % (links["document"], language)
        if links.get("www"):
            record["www"] = WWW[language]
        result.append(record)
    return result


def pictures():
    frame = ["-bordercolor", "#ece7dc", "-border", "6", "-bordercolor", "#5b4630", "-border", "6",
             "-quality", "80"]
    return {
        PICTURES + "sunset.jpg": [
            "-size", "240x180", "gradient:#f6c36a-#d9544a",
            "-fill", "#ffe7a8", "-draw", "circle 120,118 120,96",
            "-fill", "#2f4d73", "-draw", "rectangle 0,120 240,180",
            "-fill", "#466b94", "-draw", "polygon 0,128 240,124 240,134 0,140",
            "-fill", "#f3b86a", "-draw", "polygon 104,122 136,122 128,150 112,150",
            *frame],
        PICTURES + "sunset-back.jpg": [
            "-size", "240x180", "xc:#cdb892",
            "-fill", "#8a6a43", "-draw", "rectangle 0,0 240,14", "-draw", "rectangle 0,166 240,180",
            "-draw", "rectangle 0,0 14,180", "-draw", "rectangle 226,0 240,180",
            "-draw", "rectangle 113,0 127,180",
            "-fill", "white", "-draw", "rectangle 22,40 108,96",
            "-fill", "#333333", "-font", FONT_SERIF, "-pointsize", "8",
            "-annotate", "+26+56", "K. Holm-Larsen", "-annotate", "+26+70", "1998-14",
            "-annotate", "+26+84", "80 x 100 cm",
            "-quality", "80"],
        PICTURES + "harbour.jpg": [
            "-size", "240x180", "gradient:#c9d6df-#8fa7b8",
            "-fill", "#52677a", "-draw", "rectangle 0,110 240,180",
            "-fill", "#7a5a3a", "-draw", "polygon 40,112 110,112 100,126 50,126",
            "-fill", "#eeeeee", "-draw", "polygon 74,58 74,108 104,108",
            "-fill", "#6a4a2a", "-draw", "rectangle 72,56 75,112",
            "-fill", "#8b3a2e", "-draw", "polygon 150,116 210,116 202,128 156,128",
            "-fill", "#5a4a3a", "-draw", "rectangle 178,70 180,116",
            *frame],
        PICTURES + "composition.jpg": [
            "-size", "200x200", "xc:#f2ede4",
            "-fill", "#c8312b", "-draw", "rectangle 20,20 130,150",
            "-fill", "#1f3f7a", "-draw", "rectangle 140,20 180,80",
            "-fill", "#e9c43a", "-draw", "rectangle 140,90 180,180",
            "-fill", "#222222", "-draw", "rectangle 20,160 130,180",
            "-stroke", "#222222", "-strokewidth", "4", "-draw", "line 135,10 135,190",
            *frame],
        PICTURES + "forest.jpg": [
            "-size", "180x240", "gradient:#dfeaf2-#b8cf9a",
            "-fill", "#f4f4ef", "-draw", "rectangle 30,20 40,240", "-draw", "rectangle 80,10 88,240",
            "-draw", "rectangle 130,30 139,240",
            "-fill", "#333333", "-draw", "rectangle 30,80 40,84", "-draw", "rectangle 80,140 88,143",
            "-draw", "rectangle 130,110 139,114", "-draw", "rectangle 30,170 40,173",
            "-fill", "#9cbf5c", "-draw", "ellipse 35,40 28,20 0,360", "-draw", "ellipse 84,30 30,22 0,360",
            "-draw", "ellipse 134,52 26,20 0,360",
            *frame],
        PICTURES + "portrait.jpg": [
            "-size", "160x200", "gradient:#5d4a3a-#2e2620",
            "-fill", "#3a4a6a", "-draw", "ellipse 80,200 62,56 0,360",
            "-fill", "#e3c3a3", "-draw", "ellipse 80,92 32,42 0,360",
            "-fill", "#6b4423", "-draw", "ellipse 80,66 36,24 180,360",
            "-fill", "#3a2a1a", "-draw", "circle 68,90 68,93", "-draw", "circle 92,90 92,93",
            "-bordercolor", "#b08d3a", "-border", "10", "-quality", "80"],
        PICTURES + "city.jpg": [
            "-size", "240x160", "gradient:#0d1b3a-#27406b",
            "-fill", "#141414", "-draw", "rectangle 10,60 50,120", "-draw", "rectangle 60,40 100,120",
            "-draw", "rectangle 110,70 150,120", "-draw", "rectangle 160,30 200,120",
            "-draw", "rectangle 205,80 235,120",
            "-fill", "#f2d36b", "-draw", "rectangle 20,70 26,76", "-draw", "rectangle 70,50 76,56",
            "-draw", "rectangle 86,80 92,86", "-draw", "rectangle 170,40 176,46",
            "-draw", "rectangle 184,70 190,76", "-draw", "rectangle 120,84 126,90",
            "-fill", "#1d3358", "-draw", "rectangle 0,120 240,160",
            "-fill", "#f2d36b", "-draw", "rectangle 72,126 76,150", "-draw", "rectangle 172,126 176,156",
            *frame],
        PICTURES + "iceberg.jpg": [
            "-size", "240x160", "gradient:#dfe9f1-#9fb9cc",
            "-fill", "#2c5a7c", "-draw", "rectangle 0,104 240,160",
            "-fill", "#f7fbff", "-draw", "polygon 60,104 90,50 120,64 150,30 190,104",
            "-fill", "#cfe3f0", "-draw", "polygon 150,30 190,104 160,104",
            "-fill", "#8fc3e0", "-draw", "polygon 60,104 190,104 170,130 80,128",
            "-quality", "80"],
    }


def documents():
    pages = {
        "dk": ("Proveniens: Solnedgang over Vesterhavet", [
            "Karen Holm-Larsen, Solnedgang over Vesterhavet, 1998, olie på lærred, 80 x 100 cm.",
            "Udstillet: Thisted Kunstforening 1999, Galleri Nørregade 2003.",
            "Købt af Galleri Nørregade den 14.03.2004. Kunstnerens ægthedsbevis følger med."]),
        "no": ("Proveniens: Solnedgang over Nordsjøen", [
            "Karen Holm-Larsen, Solnedgang over Nordsjøen, 1998, olje på lerret, 80 x 100 cm.",
            "Utstilt: Thisted Kunstforening 1999, Galleri Kvadraturen 2003.",
            "Kjøpt av Galleri Kvadraturen 14.03.2004. Kunstnerens ekthetsbevis følger med."]),
        "en": ("Provenance: Sunset over the North Sea", [
            "Karen Holm-Larsen, Sunset over the North Sea, 1998, oil on canvas, 80 x 100 cm.",
            "Exhibited: Thisted Art Society 1999, Harbour Gallery 2003.",
            "Bought from Harbour Gallery on 14.03.2004, with the artist's certificate of authenticity."]),
    }
    return {DOCUMENTS + "provenance.%s.html" % language: html_page(title, paragraphs, language)
            for language, (title, paragraphs) in pages.items()}
