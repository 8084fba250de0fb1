"""Quorvel: the stock of a small bicycle shop.

In this edition an item's group is its storage place (the location labels and
the scanner imports number the groups), so the groups are shelves and racks;
the location field holds the product category. The serial number is the
inventory number, the same for one product wherever it is stored, and the
address field holds the product's EAN. Price is the cost price, value today the
retail price.
"""

from demo_common import LANGUAGES, ean13, html_page, item, pick, price

NAME = "Quorvel"
FOLDER = "DemoQuorvel"
DATABASE = "DemoQuorvel.%s.db"
HEADER = ("#2.5.4 (INV)- Format: "
          "type;name;model;price;priceToday;date;supplier;serialno;description;address;"
          "photolink;number_of_items;location;www;receipt;document;;")

GROUPS = [
    ("Butik - hylde 1", "Butikk - hylle 1", "Shop - shelf 1"),
    ("Butik - hylde 2", "Butikk - hylle 2", "Shop - shelf 2"),
    ("Butik - disk", "Butikk - disk", "Shop - counter"),
    ("Butik - gulv", "Butikk - gulv", "Shop floor"),
    ("Lager - reol A", "Lager - reol A", "Stockroom - rack A"),
    ("Lager - reol B", "Lager - reol B", "Stockroom - rack B"),
    ("Lager - reol C", "Lager - reol C", "Stockroom - rack C"),
    ("Værksted", "Verksted", "Workshop"),
    ("Kælder", "Kjeller", "Basement"),
]

LOCATIONS = [
    ("Cykler", "Sykler", "Bicycles"),
    ("Dæk og slanger", "Dekk og slanger", "Tyres and tubes"),
    ("Lygter", "Lykter", "Lights"),
    ("Låse", "Låser", "Locks"),
    ("Hjelme", "Hjelmer", "Helmets"),
    ("Beklædning", "Bekledning", "Clothing"),
    ("Reservedele", "Reservedeler", "Spare parts"),
    ("Værktøj og pleje", "Verktøy og vedlikehold", "Tools and care"),
    ("Tilbehør", "Tilbehør", "Accessories"),
]

SUPPLIERS = {
    "dk": ["Cykelgrossisten A/S", "Nordisk Cykelimport ApS", "Velo Engros", "Jydsk Cykel Import",
           "Sportsgrossisten"],
    "no": ["Sykkelgrossisten AS", "Nordisk Sykkelimport AS", "Velo Engros AS",
           "Vestlandske Sykkelimport", "Sportsgrossisten AS"],
    "en": ["Cycle Wholesale Ltd", "Nordic Cycle Imports Ltd", "Velo Trade",
           "Midland Bike Distribution", "Sports Wholesale Ltd"],
}

FIELDS = {
    "dk": ["Lagerplads", "Varenavn", "Mærke", "Antal", "Kostpris", "Salgspris", "Billede",
           "Optalt", "Varegruppe", "Beskrivelse", "Leverandør", "EAN-nr.", "Varenr.", "Www",
           "Faktura", "Datablad", "Model"],
    "no": ["Lagerplass", "Varenavn", "Merke", "Antall", "Innkjøpspris", "Utsalgspris", "Bilde",
           "Opptalt", "Varegruppe", "Beskrivelse", "Leverandør", "EAN-nr.", "Varenr.", "Www",
           "Faktura", "Datablad", "Modell"],
    "en": ["Storage place", "Item", "Brand", "Quantity", "Cost price", "Retail price", "Picture",
           "Counted", "Category", "Description", "Supplier", "EAN", "Item no.", "Www",
           "Invoice", "Data sheet", "Model"],
}

PICTURES = "db/%s/pictures/" % FOLDER
DOCUMENTS = "db/%s/documents/" % FOLDER

# inventory number, category, supplier, name, brand, description, cost and
# retail price in Danish kroner, stock as (storage place, count, counted on),
# links.
PRODUCTS = [
    (1001, 0, 0, ("Citycykel 28\", 7 gear", "Bysykkel 28\", 7 gir", "City bike 28\", 7-speed"), "Kildemoes",
     ("City Classic, dame, stel 50 cm, sort", "City Classic, dame, ramme 50 cm, svart",
      "City Classic, step-through, 50 cm frame, black"), 3800, 6499,
     [(3, 3, "02.04.2024"), (8, 5, "28.03.2024")], {"photo": "citybike.png"}),
    (1002, 0, 0, ("Elcykel", "Elsykkel", "Electric bike"), "Kalkhoff",
     ("Image 5.B, 500 Wh batteri, midtmotor", "Image 5.B, 500 Wh batteri, midtmotor",
      "Image 5.B, 500 Wh battery, mid-drive motor"), 14000, 21999,
     [(3, 2, "02.04.2024"), (8, 1, "28.03.2024")], {"document": "ebike"}),
    (1003, 0, 1, ("Børnecykel 16\"", "Barnesykkel 16\"", "Children's bike 16\""), "Puky",
     ("Med støttehjul, rød", "Med støttehjul, rød", "With stabilisers, red"), 1400, 2299,
     [(3, 4, "02.04.2024")], {}),
    (1004, 0, 1, ("Mountainbike 29\"", "Terrengsykkel 29\"", "Mountain bike 29\""), "Cube",
     ("Aim Pro, str. L, 2 x 9 gear", "Aim Pro, str. L, 2 x 9 gir", "Aim Pro, size L, 2 x 9 speed"),
     4500, 6999, [(3, 2, "02.04.2024"), (8, 3, "28.03.2024")], {}),
    (1005, 0, 0, ("Ladcykel", "Lastesykkel", "Cargo bike"), "Christiania Bikes",
     ("Light, med kalecher", "Light, med kalesje", "Light, with rain cover"), 11000, 16999,
     [(8, 2, "28.03.2024")], {}),

    (1010, 1, 2, ("Dæk 700 x 28C", "Dekk 700 x 28C", "Tyre 700 x 28C"), "Continental",
     ("Grand Prix 5000, foldedæk", "Grand Prix 5000, brettedekk", "Grand Prix 5000, folding tyre"),
     290, 449, [(0, 12, "03.04.2024"), (4, 30, "29.03.2024")], {}),
    (1011, 1, 2, ("Dæk 28 x 1,60", "Dekk 28 x 1,60", "Tyre 28 x 1.60"), "Schwalbe",
     ("Marathon Plus, punkteringssikret", "Marathon Plus, punkteringssikkert", "Marathon Plus, puncture resistant"),
     220, 349, [(0, 6, "03.04.2024"), (4, 20, "29.03.2024")], {}),
    (1012, 1, 2, ("Slange 28\", racerventil", "Slange 28\", racerventil", "Inner tube 28\", Presta valve"),
     "Schwalbe", ("SV20, 40 mm ventil", "SV20, 40 mm ventil", "SV20, 40 mm valve"), 35, 69,
     [(0, 25, "03.04.2024"), (4, 100, "29.03.2024")], {}),
    (1013, 1, 2, ("Slange 26\", autoventil", "Slange 26\", bilventil", "Inner tube 26\", Schrader valve"),
     "Schwalbe", ("AV13", "AV13", "AV13"), 32, 65, [(0, 18, "03.04.2024"), (4, 60, "29.03.2024")], {}),
    (1014, 1, 3, ("Dæk 16 x 1,75", "Dekk 16 x 1,75", "Tyre 16 x 1.75"), "Kenda",
     ("Til børnecykler", "Til barnesykler", "For children's bikes"), 70, 129, [(4, 14, "29.03.2024")], {}),

    (1020, 2, 3, ("Forlygte LED", "Frontlykt LED", "Front light LED"), "Sigma",
     ("Aura 80, USB-opladelig", "Aura 80, USB-oppladbar", "Aura 80, USB rechargeable"), 280, 449,
     [(2, 6, "03.04.2024"), (5, 24, "29.03.2024")], {}),
    (1021, 2, 3, ("Baglygte LED", "Baklykt LED", "Rear light LED"), "Sigma",
     ("Blaze, med bremselys", "Blaze, med bremselys", "Blaze, with brake light"), 160, 279,
     [(2, 8, "03.04.2024"), (5, 20, "29.03.2024")], {}),
    (1022, 2, 1, ("Lygtesæt, dynamo", "Lyktesett, dynamo", "Dynamo light set"), "Busch & Müller",
     ("IQ-X for og Toplight bag", "IQ-X foran og Toplight bak", "IQ-X front and Toplight rear"), 620, 999,
     [(5, 5, "29.03.2024")], {}),
    (1023, 2, 3, ("Magnetlygter, par", "Magnetlykter, par", "Magnetic lights, pair"), "Reelight",
     ("SL120, uden batteri", "SL120, uten batteri", "SL120, battery-free"), 190, 299,
     [(2, 10, "03.04.2024")], {}),

    (1030, 3, 4, ("Bøjlelås", "Bøylelås", "D-lock"), "Abus",
     ("Granit X-Plus 540, 230 mm", "Granit X-Plus 540, 230 mm", "Granit X-Plus 540, 230 mm"), 550, 899,
     [(1, 4, "03.04.2024"), (5, 10, "29.03.2024")], {}),
    (1031, 3, 4, ("Ringlås", "Ringlås", "Frame lock"), "Abus",
     ("Pro Tectic 4960, forsikringsgodkendt", "Pro Tectic 4960, forsikringsgodkjent",
      "Pro Tectic 4960, insurance approved"), 180, 299, [(1, 12, "03.04.2024"), (5, 30, "29.03.2024")], {}),
    (1032, 3, 4, ("Kædelås", "Kjettinglås", "Chain lock"), "Kryptonite",
     ("Evolution 4, 90 cm", "Evolution 4, 90 cm", "Evolution 4, 90 cm"), 450, 749,
     [(1, 3, "03.04.2024")], {}),
    (1033, 3, 4, ("Wirelås", "Vaierlås", "Cable lock"), "Trelock",
     ("Spirallås, 150 cm", "Spirallås, 150 cm", "Coil cable, 150 cm"), 60, 119,
     [(1, 15, "03.04.2024")], {}),

    (1040, 4, 4, ("Cykelhjelm, voksen, M", "Sykkelhjelm, voksen, M", "Cycle helmet, adult, M"), "Abus",
     ("Hyban 2.0, grå", "Hyban 2.0, grå", "Hyban 2.0, grey"), 350, 599,
     [(1, 4, "03.04.2024"), (6, 8, "29.03.2024")], {"photo": "helmet.png"}),
    (1041, 4, 4, ("Cykelhjelm, voksen, L", "Sykkelhjelm, voksen, L", "Cycle helmet, adult, L"), "Abus",
     ("Hyban 2.0, grå", "Hyban 2.0, grå", "Hyban 2.0, grey"), 350, 599,
     [(1, 3, "03.04.2024"), (6, 6, "29.03.2024")], {"photo": "helmet.png"}),
    (1042, 4, 4, ("Børnehjelm", "Barnehjelm", "Children's helmet"), "Giro",
     ("Scamp, str. S, med lys", "Scamp, str. S, med lys", "Scamp, size S, with light"), 220, 379,
     [(1, 5, "03.04.2024"), (6, 10, "29.03.2024")], {}),
    (1043, 4, 4, ("Racerhjelm", "Racerhjelm", "Road helmet"), "POC",
     ("Ventral Air, MIPS", "Ventral Air, MIPS", "Ventral Air, MIPS"), 1300, 2199,
     [(2, 2, "03.04.2024")], {}),

    (1050, 5, 4, ("Regnjakke", "Regnjakke", "Rain jacket"), "Agu",
     ("Commuter, refleks, str. M/L", "Commuter, refleks, str. M/L", "Commuter, reflective, size M/L"),
     420, 699, [(1, 6, "03.04.2024")], {}),
    (1051, 5, 4, ("Cykelhandsker", "Sykkelhansker", "Cycling gloves"), "Roeckl",
     ("Vinter, str. 8-10", "Vinter, str. 8-10", "Winter, sizes 8-10"), 180, 299,
     [(1, 10, "03.04.2024")], {}),
    (1052, 5, 4, ("Regnponcho", "Regnponcho", "Rain poncho"), "Rainlegs",
     ("Sort, én størrelse", "Svart, én størrelse", "Black, one size"), 150, 249,
     [(1, 8, "03.04.2024")], {}),

    (1060, 6, 2, ("Kæde 8 gear", "Kjede 8 gir", "Chain 8-speed"), "Shimano",
     ("CN-HG71, 116 led", "CN-HG71, 116 ledd", "CN-HG71, 116 links"), 90, 179,
     [(2, 5, "03.04.2024"), (7, 12, "04.04.2024")], {}),
    (1061, 6, 3, ("Bremseklodser", "Bremseklosser", "Brake pads"), "Kool-Stop",
     ("Til fælgbremser, par", "Til felgbremser, par", "For rim brakes, pair"), 40, 79,
     [(7, 30, "04.04.2024")], {}),
    (1062, 6, 2, ("Kassette 9 gear", "Kassett 9 gir", "Cassette 9-speed"), "Shimano",
     ("CS-HG201-9, 11-36", "CS-HG201-9, 11-36", "CS-HG201-9, 11-36"), 170, 299,
     [(7, 6, "04.04.2024")], {}),
    (1063, 6, 3, ("Bremsekabel", "Bremsekabel", "Brake cable"), "Jagwire",
     ("Inderkabel, rustfri", "Innerkabel, rustfri", "Inner cable, stainless"), 15, 39,
     [(7, 50, "04.04.2024")], {}),
    (1064, 6, 2, ("Klikpedaler", "Klikkpedaler", "Clipless pedals"), "Shimano",
     ("PD-M520 med klamper", "PD-M520 med klosser", "PD-M520 with cleats"), 260, 449,
     [(2, 4, "03.04.2024")], {}),
    (1065, 6, 1, ("Sadel", "Sete", "Saddle"), "Selle Royal",
     ("Freeway, gel, unisex", "Freeway, gel, unisex", "Freeway, gel, unisex"), 190, 349,
     [(1, 5, "03.04.2024"), (6, 12, "29.03.2024")], {}),

    (1070, 7, 3, ("Standpumpe", "Gulvpumpe", "Floor pump"), "Topeak",
     ("JoeBlow Sport III, med manometer", "JoeBlow Sport III, med manometer",
      "JoeBlow Sport III, with gauge"), 260, 449, [(3, 4, "02.04.2024")], {}),
    (1071, 7, 3, ("Minipumpe", "Minipumpe", "Mini pump"), "Lezyne",
     ("Pocket Drive, begge ventiler", "Pocket Drive, begge ventiler", "Pocket Drive, both valves"), 140, 249,
     [(2, 6, "03.04.2024")], {}),
    (1072, 7, 3, ("Multiværktøj", "Multiverktøy", "Multi-tool"), "Topeak",
     ("Mini 20 Pro", "Mini 20 Pro", "Mini 20 Pro"), 230, 399, [(2, 5, "03.04.2024")], {}),
    (1073, 7, 1, ("Kædeolie", "Kjedeolje", "Chain oil"), "Finish Line",
     ("Wet Lube, 120 ml", "Wet Lube, 120 ml", "Wet Lube, 120 ml"), 45, 89,
     [(2, 12, "03.04.2024"), (7, 6, "04.04.2024")], {}),
    (1074, 7, 1, ("Lappegrej", "Lappesaker", "Puncture repair kit"), "Rema Tip Top",
     ("TT 01", "TT 01", "TT 01"), 25, 49, [(2, 20, "03.04.2024")], {}),

    (1080, 8, 1, ("Cykeltaske, par", "Sykkelveske, par", "Pannier bags, pair"), "Ortlieb",
     ("Back-Roller Classic, vandtæt", "Back-Roller Classic, vanntett", "Back-Roller Classic, waterproof"),
     780, 1299, [(0, 3, "03.04.2024"), (6, 4, "29.03.2024")], {}),
    (1081, 8, 1, ("Cykelkurv", "Sykkelkurv", "Bicycle basket"), "Basil",
     ("Kurv til styr, flettet", "Kurv til styret, flettet", "Handlebar basket, wicker"), 210, 349,
     [(0, 4, "03.04.2024")], {}),
    (1082, 8, 0, ("Barnestol", "Barnesete", "Child seat"), "Hamax",
     ("Caress, til bagagebærer", "Caress, til bagasjebrett", "Caress, rack mounted"), 700, 1199,
     [(3, 2, "02.04.2024"), (8, 3, "28.03.2024")], {}),
    (1083, 8, 1, ("Ringeklokke", "Ringeklokke", "Bell"), "Crane",
     ("Messing, 55 mm", "Messing, 55 mm", "Brass, 55 mm"), 60, 119, [(2, 15, "03.04.2024")], {}),
    (1084, 8, 3, ("Cykelcomputer", "Sykkelcomputer", "Cycle computer"), "Garmin",
     ("Edge 130 Plus, GPS", "Edge 130 Plus, GPS", "Edge 130 Plus, GPS"), 1300, 1999,
     [(2, 2, "03.04.2024")], {"www": "https://www.garmin.com"}),
    (1085, 8, 1, ("Støtteben", "Støttebein", "Kickstand"), "Pletscher",
     ("Justerbart, 24-29\"", "Justerbart, 24-29\"", "Adjustable, 24-29\""), 110, 199,
     [(0, 6, "03.04.2024"), (6, 10, "29.03.2024")], {}),
    (1086, 8, 1, ("Skærme, sæt", "Skjermer, sett", "Mudguards, set"), "SKS",
     ("Bluemels, 28\", 45 mm", "Bluemels, 28\", 45 mm", "Bluemels, 28\", 45 mm"), 180, 299,
     [(6, 8, "29.03.2024")], {}),
]


def ean_for(number):
    """A fixed EAN per product (the 40 prefix and the inventory number)."""
    return ean13("40%05d%05d" % (number, number * 7 % 100000))


def items(language):
    result = []
    for (number, category, supplier, name, brand, description, cost, retail, stock,
         links) in PRODUCTS:
        for place, count, counted in stock:
            record = item(
                group=place, name=pick(name, language), product=brand,
                price=price(cost, language), priceToday=price(retail, language), date=counted,
                supplier=SUPPLIERS[language][supplier], serialno=str(number),
                description=pick(description, language), address=ean_for(number), count=count,
                location=category, www=links.get("www", ""))
            if "photo" in links:
                record["photolink"] = PICTURES + links["photo"]
            if "document" in links:
                record["document"] = DOCUMENTS + "%s.%s.html" % (links["document"], language)
            result.append(record)
    return result


def pictures():
    return {
        PICTURES + "citybike.png": [
            "-size", "200x130", "xc:white",
            "-fill", "none", "-stroke", "#333333", "-strokewidth", "5",
            "-draw", "circle 50,88 50,56", "-draw", "circle 150,88 150,56",
            "-stroke", "#1d1d1d", "-strokewidth", "4",
            "-draw", "polyline 50,88 88,88 70,44 122,50 150,88",
            "-draw", "line 88,88 122,50", "-draw", "line 70,44 66,34",
            "-draw", "line 122,50 118,28", "-draw", "line 110,28 128,24",
            "-stroke", "#7a4a24", "-strokewidth", "6", "-draw", "line 58,32 76,32",
            "-stroke", "none", "-fill", "#555555", "-draw", "circle 88,88 88,82"],
        PICTURES + "helmet.png": [
            "-size", "140x110", "xc:white",
            "-fill", "#8a8f96", "-draw", "ellipse 70,70 58,48 180,360",
            "-fill", "#5b6068", "-draw", "rectangle 12,68 128,78",
            "-fill", "white", "-draw", "ellipse 50,40 8,12 200,340", "-draw", "ellipse 70,34 8,12 200,340",
            "-draw", "ellipse 90,40 8,12 200,340",
            "-fill", "#e03a2f", "-draw", "rectangle 118,70 128,76"],
    }


def documents():
    pages = {
        "dk": ("Datablad: Kalkhoff Image 5.B", [
            "Elcykel med midtmotor, 250 W, understøttelse op til 25 km/t.",
            "Batteri 500 Wh, rækkevidde 60 til 150 km, opladetid ca. 4,5 timer.",
            "Vægt 26 kg, 5 gear i navet, hydrauliske skivebremser."]),
        "no": ("Datablad: Kalkhoff Image 5.B", [
            "Elsykkel med midtmotor, 250 W, hjelp opp til 25 km/t.",
            "Batteri 500 Wh, rekkevidde 60 til 150 km, ladetid ca. 4,5 timer.",
            "Vekt 26 kg, 5 gir i navet, hydrauliske skivebremser."]),
        "en": ("Data sheet: Kalkhoff Image 5.B", [
            "Electric bike with mid-drive motor, 250 W, assistance up to 25 km/h.",
            "Battery 500 Wh, range 60 to 150 km, charging time about 4.5 hours.",
            "Weight 26 kg, 5-speed hub gears, hydraulic disc brakes."]),
    }
    return {DOCUMENTS + "ebike.%s.html" % language: html_page(title, paragraphs, language)
            for language, (title, paragraphs) in pages.items()}
