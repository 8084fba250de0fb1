"""Numivax: a coin collection. Danish coins in the Danish database, Norwegian in
the Norwegian one and British in the English one.

Fields as the edition uses them: name = year, product = metal, supplier =
catalogue, serial number = catalogue number, address = quality, location =
the crown (monarch or country), picture = front, receipt = back.
"""

from demo_common import FONT_BOLD, FONT_SERIF, LANGUAGES, item

NAME = "Numivax"
FOLDER = "DemoDBNumivax"
DATABASE = "DemoDBNumivax.%s.txt"
HEADER = ("#2.5.4 (COI)- Format: "
          "type;year;mat;price;priceToday;date;catalog;catalogNo;description;quality;"
          "picture1;count;crown;www;picture2;document;;")

PICTURES = "db/%s/pictures/" % FOLDER

# The three collections have lists of their own: entry i need not mean the
# same in every language, only the lists' lengths agree.
DK_GROUPS = ["1 øre", "2 øre", "5 øre", "10 øre", "25 øre", "1 krone", "2 kroner", "5 kroner",
             "10 kroner", "20 kroner", "Erindringsmønter", "Guldmønter", "Kolonimønter"]
NO_GROUPS = ["1 øre", "2 øre", "5 øre", "10 øre", "25 øre", "50 øre", "1 krone", "5 kroner",
             "10 kroner", "20 kroner", "Minnemynter", "Gullmynter", "Utenlandske mynter"]
EN_GROUPS = ["Farthing", "Halfpenny", "Penny", "Threepence", "Sixpence", "Shilling", "Florin",
             "Half crown", "Crown", "Decimal coins", "Commemoratives", "Sovereigns",
             "Colonial and foreign"]
GROUPS = list(zip(DK_GROUPS, NO_GROUPS, EN_GROUPS))

DK_CROWNS = ["Christian IX", "Frederik VIII", "Christian X", "Frederik IX", "Margrethe II",
             "Frederik X", "Dansk Vestindien", "Grønland"]
NO_CROWNS = ["Oscar II", "Haakon VII", "Olav V", "Harald V", "Haakon VII (London)",
             "Krigsmynter 1941-45", "Svalbard", "Sverige"]
EN_CROWNS = ["Victoria", "Edward VII", "George V", "George VI", "Elizabeth II", "Charles III",
             "Ireland", "Australia"]
LOCATIONS = list(zip(DK_CROWNS, NO_CROWNS, EN_CROWNS))

SUPPLIERS = {
    "dk": ["Sieg", "Krause (KM)", "Hede"],
    "no": ["NM (Norgesmynter)", "Krause (KM)", "Hede"],
    "en": ["Spink (S)", "Krause (KM)", "ESC"],
}

FIELDS = {
    "dk": ["Pålydende", "Årstal", "Metal", "Antal", "Pris", "Værdi", "Forside", "Købt",
           "Land/krone", "Beskrivelse", "Katalog", "Kvalitet", "Kat.nr.", "Www", "Bagside",
           "Dokument", "Variant"],
    "no": ["Pålydende", "Årstall", "Metall", "Antall", "Pris", "Verdi", "Forside", "Kjøpt",
           "Land/konge", "Beskrivelse", "Katalog", "Kvalitet", "Kat.nr.", "Www", "Bakside",
           "Dokument", "Variant"],
    "en": ["Denomination", "Year", "Metal", "Count", "Price", "Value", "Obverse", "Bought",
           "Country/monarch", "Description", "Catalogue", "Grade", "Cat. no.", "Www", "Reverse",
           "Document", "Variety"],
}

# group, crown, metal, year, catalogue, catalogue number, quality, price paid,
# value today, bought, count, description, picture name
DK_COINS = [
    (0, 0, "Bronze", "1882", 0, "12", "1+", 40, 60, "12.04.2003", 1, "Mm. CS, mønstmester HC Gerhard Haag", ""),
    (0, 0, "Bronze", "1899", 0, "14", "1", 15, 20, "12.04.2003", 2, "Mm. VBP", ""),
    (0, 2, "Bronze", "1913", 0, "32", "01", 60, 90, "08.09.2005", 1, "Første årgang med Christian X's monogram", ""),
    (0, 2, "Zink", "1942", 1, "832", "0", 10, 15, "08.09.2005", 3, "Besættelsesmønt, zink", ""),
    (1, 2, "Jern", "1918", 0, "41", "1-", 25, 30, "17.11.2006", 1, "Jernmønt fra 1. verdenskrig, let rust", ""),
    (1, 2, "Bronze", "1927", 0, "44", "1+", 20, 35, "17.11.2006", 1, "", ""),
    (1, 3, "Bronze", "1960", 1, "840", "0", 5, 10, "02.02.2008", 2, "Fra rulle", ""),
    (2, 2, "Bronze", "1927", 0, "52", "1", 15, 25, "02.02.2008", 1, "", ""),
    (2, 2, "Zink", "1944", 1, "834", "01", 10, 15, "02.02.2008", 1, "", ""),
    (2, 3, "Bronze", "1964", 1, "843", "0", 5, 8, "21.06.2010", 2, "", ""),
    (3, 0, "Sølv", "1897", 0, "62", "1+", 150, 220, "21.06.2010", 1, "Sølv 400/1000", ""),
    (3, 2, "Kobbernikkel", "1924", 0, "72", "1", 25, 40, "21.06.2010", 1, "Med hul i midten", ""),
    (3, 2, "Kobbernikkel", "1929", 0, "73", "01", 40, 60, "30.03.2011", 1, "Med hul i midten", ""),
    (3, 3, "Kobbernikkel", "1960", 1, "849", "0", 10, 15, "30.03.2011", 1, "", ""),
    (4, 0, "Sølv", "1894", 0, "81", "1", 120, 160, "30.03.2011", 1, "Sølv 600/1000", ""),
    (4, 2, "Kobbernikkel", "1924", 0, "90", "1+", 35, 50, "15.08.2012", 1, "Med hul i midten", ""),
    (4, 3, "Kobbernikkel", "1966", 1, "855", "0", 10, 15, "15.08.2012", 1, "", ""),
    (5, 0, "Sølv", "1892", 0, "101", "1", 250, 350, "15.08.2012", 1, "Sølv 800/1000, let patina", ""),
    (5, 1, "Sølv", "1915", 0, "106", "1+", 200, 260, "23.10.2013", 1, "", ""),
    (5, 2, "Aluminiumbronze", "1924", 1, "824", "kv. 0", 450, 600, "23.10.2013", 1, "Første årgang, næsten prægefrisk", "dk-1krone-1924"),
    (5, 2, "Aluminiumbronze", "1934", 1, "824", "1+", 40, 60, "23.10.2013", 1, "", ""),
    (5, 2, "Aluminiumbronze", "1941", 1, "824", "1", 20, 30, "04.05.2014", 2, "", ""),
    (5, 3, "Kobbernikkel", "1960", 1, "837", "01", 15, 25, "04.05.2014", 1, "", ""),
    (5, 3, "Kobbernikkel", "1972", 1, "837", "0", 10, 15, "04.05.2014", 1, "Sidste årgang med Frederik IX", ""),
    (5, 4, "Kobbernikkel", "1973", 1, "862", "0", 10, 15, "11.11.2015", 1, "Første årgang med Margrethe II", ""),
    (5, 4, "Kobbernikkel", "1989", 1, "873", "0", 8, 12, "11.11.2015", 1, "Hul i midten, ny type", ""),
    (6, 2, "Aluminiumbronze", "1924", 1, "825", "1", 60, 90, "11.11.2015", 1, "", ""),
    (6, 2, "Aluminiumbronze", "1936", 1, "825", "1+", 40, 70, "09.03.2016", 1, "", ""),
    (6, 2, "Aluminiumbronze", "1940", 1, "825", "1", 30, 45, "09.03.2016", 1, "", ""),
    (7, 3, "Kobbernikkel", "1960", 1, "853", "01", 20, 30, "09.03.2016", 1, "", ""),
    (7, 3, "Kobbernikkel", "1964", 1, "853", "0", 15, 25, "21.07.2017", 1, "", ""),
    (7, 4, "Kobbernikkel", "1980", 1, "869", "0", 10, 15, "21.07.2017", 1, "", ""),
    (8, 4, "Aluminiumbronze", "1979", 1, "864", "0", 20, 25, "21.07.2017", 1, "Første årgang", ""),
    (8, 4, "Aluminiumbronze", "1990", 1, "867", "0", 15, 20, "14.12.2018", 1, "Kronprins Frederik", ""),
    (9, 4, "Aluminiumbronze", "1990", 1, "874", "0", 25, 30, "14.12.2018", 1, "Første årgang", ""),
    (9, 4, "Aluminiumbronze", "2003", 1, "894", "0", 30, 40, "14.12.2018", 1, "Tårnserien: Københavns Rådhustårn", ""),
    (10, 2, "Sølv", "1923", 0, "E2", "1+", 150, 220, "18.04.2019", 1, "2 kroner, sølvbryllup", ""),
    (10, 2, "Sølv", "1930", 0, "E3", "01", 180, 250, "18.04.2019", 1, "2 kroner, kongens 60-års fødselsdag", ""),
    (10, 2, "Sølv", "1937", 0, "E4", "0", 200, 280, "18.04.2019", 1, "2 kroner, regeringsjubilæum 25 år", ""),
    (10, 3, "Sølv", "1958", 0, "E6", "0", 120, 150, "06.06.2020", 1, "2 kroner, prinsesse Margrethes 18-års fødselsdag", ""),
    (10, 3, "Sølv", "1960", 0, "E7", "0", 100, 130, "06.06.2020", 1, "5 kroner, kongeparrets sølvbryllup", "dk-5kroner-1960"),
    (10, 4, "Sølv", "1967", 0, "E8", "0", 90, 120, "06.06.2020", 1, "10 kroner, tronfølgerens bryllup", ""),
    (11, 0, "Guld", "1900", 0, "G3", "01", 2800, 3600, "01.12.2021", 1, "10 kroner guld, 4,48 g", ""),
    (11, 2, "Guld", "1913", 0, "G5", "1+", 4500, 5500, "01.12.2021", 1, "20 kroner guld, 8,96 g", ""),
    (12, 6, "Sølv", "1905", 1, "75", "1", 300, 400, "15.03.2022", 1, "Dansk Vestindien, 20 cents/1 franc", ""),
    (12, 6, "Bronze", "1905", 1, "79", "1+", 120, 150, "15.03.2022", 1, "Dansk Vestindien, 1 cent/5 bit", ""),
    (5, 7, "Aluminiumbronze", "1926", 1, "10", "1+", 500, 650, "15.03.2022", 1, "Grønlands Styrelse, med hul", ""),
    (7, 7, "Messing", "1944", 1, "11", "01", 900, 1200, "22.09.2023", 1, "Grønland, præget i USA", ""),
    (5, 5, "Kobbernikkel", "2024", 1, "950", "kv. 0", 5, 8, "20.01.2024", 1, "Første årgang med Frederik X", ""),
]

NO_COINS = [
    (0, 1, "Bronse", "1907", 0, "10", "1+", 60, 90, "14.05.2004", 1, "", ""),
    (0, 1, "Bronse", "1936", 0, "14", "01", 30, 45, "14.05.2004", 1, "", ""),
    (0, 5, "Jern", "1943", 0, "17", "1", 15, 25, "14.05.2004", 2, "Okkupasjonsmynt, jern", ""),
    (0, 2, "Bronse", "1958", 1, "403", "0", 10, 15, "20.09.2006", 1, "", ""),
    (1, 1, "Bronse", "1909", 0, "20", "1", 50, 70, "20.09.2006", 1, "", ""),
    (1, 5, "Jern", "1944", 0, "24", "1-", 15, 20, "20.09.2006", 1, "Okkupasjonsmynt", ""),
    (1, 2, "Bronse", "1960", 1, "410", "0", 10, 15, "03.03.2008", 1, "", ""),
    (2, 1, "Bronse", "1922", 0, "30", "1", 40, 60, "03.03.2008", 1, "", ""),
    (2, 5, "Jern", "1942", 0, "33", "1", 20, 30, "03.03.2008", 1, "", ""),
    (2, 2, "Bronse", "1973", 1, "405", "0", 8, 12, "11.11.2009", 2, "", ""),
    (3, 0, "Sølv", "1903", 0, "41", "1", 250, 350, "11.11.2009", 1, "Sølv 400/1000", ""),
    (3, 1, "Kobbernikkel", "1924", 0, "44", "1+", 40, 60, "11.11.2009", 1, "Med hull", ""),
    (3, 5, "Sink", "1943", 0, "46", "01", 25, 35, "24.02.2011", 1, "Krigsmynt med hull", ""),
    (3, 2, "Kobbernikkel", "1965", 1, "411", "0", 10, 15, "24.02.2011", 1, "", ""),
    (4, 1, "Kobbernikkel", "1924", 0, "52", "1", 50, 70, "24.02.2011", 1, "Med hull", ""),
    (4, 2, "Kobbernikkel", "1974", 1, "417", "0", 10, 15, "30.06.2012", 1, "", ""),
    (5, 1, "Kobbernikkel", "1927", 0, "61", "1+", 80, 120, "30.06.2012", 1, "Med hull", ""),
    (5, 5, "Sink", "1944", 0, "63", "1", 30, 45, "30.06.2012", 1, "Krigsmynt", ""),
    (5, 2, "Kobbernikkel", "1958", 1, "408", "01", 15, 20, "12.10.2013", 1, "", ""),
    (5, 3, "Bronse", "1996", 1, "460", "0", 5, 8, "12.10.2013", 2, "", ""),
    (6, 0, "Sølv", "1904", 0, "71", "1-", 400, 550, "12.10.2013", 1, "Siste årgang i unionstiden", ""),
    (6, 1, "Sølv", "1917", 0, "73", "1+", 300, 380, "05.05.2015", 1, "Sølv 800/1000", ""),
    (6, 1, "Kobbernikkel", "1925", 0, "76", "1+", 120, 160, "05.05.2015", 1, "Med hull", ""),
    (6, 1, "Kobbernikkel", "1951", 0, "78", "0", 60, 80, "05.05.2015", 1, "Med hull, siste årgang", "no-1krone-1951"),
    (6, 4, "Kobbernikkel", "1946", 0, "77", "1+", 90, 110, "18.08.2016", 1, "Slått etter krigen, monogram fra London-tiden", ""),
    (6, 2, "Kobbernikkel", "1970", 1, "409", "0", 15, 20, "18.08.2016", 1, "", ""),
    (6, 3, "Kobbernikkel", "1992", 1, "462", "0", 10, 15, "18.08.2016", 1, "", ""),
    (7, 2, "Kobbernikkel", "1963", 1, "412", "0", 40, 55, "01.03.2018", 1, "Første årgang", ""),
    (7, 2, "Kobbernikkel", "1980", 1, "420", "0", 25, 35, "01.03.2018", 1, "", ""),
    (7, 3, "Kobbernikkel", "1998", 1, "463", "0", 20, 30, "01.03.2018", 1, "", ""),
    (8, 2, "Nikkelmessing", "1983", 1, "427", "0", 30, 40, "14.09.2019", 1, "Første årgang", ""),
    (8, 3, "Nikkelmessing", "1995", 1, "457", "0", 20, 25, "14.09.2019", 1, "", ""),
    (9, 3, "Nikkelmessing", "1994", 1, "453", "0", 35, 45, "14.09.2019", 1, "Første årgang", ""),
    (9, 3, "Nikkelmessing", "2004", 1, "482", "0", 40, 50, "07.04.2021", 1, "Jubileumsmynt", ""),
    (10, 1, "Sølv", "1914", 0, "M2", "01", 400, 550, "07.04.2021", 1, "2 kroner, Grunnlovens 100-årsjubileum", ""),
    (10, 1, "Sølv", "1907", 0, "M1", "1+", 500, 700, "07.04.2021", 1, "2 kroner, med sokkel", ""),
    (10, 2, "Kobbernikkel", "1975", 1, "420", "0", 40, 60, "20.10.2022", 1, "5 kroner, kronemyntens 100 år", ""),
    (10, 2, "Kobbernikkel", "1978", 1, "423", "0", 40, 60, "20.10.2022", 1, "5 kroner, kong Olav V 75 år", "no-5kroner-1978"),
    (10, 3, "Sølv", "1991", 1, "465", "0", 250, 320, "20.10.2022", 1, "100 kroner, kong Olav V til minne", ""),
    (11, 1, "Gull", "1910", 0, "G2", "01", 5500, 7000, "15.02.2023", 1, "20 kroner gull, 8,96 g", ""),
    (11, 0, "Gull", "1902", 0, "G1", "1+", 3200, 4000, "15.02.2023", 1, "10 kroner gull, 4,48 g", ""),
    (6, 7, "Sølv", "1889", 1, "760", "1", 350, 450, "15.02.2023", 1, "Svensk 1 krona, Oscar II, til sammenligning", ""),
    (12, 6, "Kobbernikkel", "1946", 1, "5", "1+", 450, 600, "30.11.2023", 1, "Svalbard, Arktikugol, 10 kopek", ""),
]

EN_COINS = [
    (0, 0, "Bronze", "1895", 0, "3958", "VF", 8, 15, "10.03.2004", 1, "Old head", ""),
    (0, 3, "Bronze", "1937", 0, "4115", "UNC", 5, 10, "10.03.2004", 2, "Wren reverse", ""),
    (1, 2, "Bronze", "1919", 0, "4058", "VF", 4, 6, "10.03.2004", 1, "", ""),
    (1, 4, "Bronze", "1967", 0, "4158", "BU", 1, 2, "18.07.2006", 3, "Golden Hind reverse", ""),
    (2, 0, "Bronze", "1860", 0, "3954", "Fine", 20, 35, "18.07.2006", 1, "Bun head, beaded border", ""),
    (2, 0, "Bronze", "1887", 0, "3954", "VF", 12, 20, "18.07.2006", 1, "", ""),
    (2, 1, "Bronze", "1902", 0, "3990", "EF", 15, 25, "02.02.2008", 1, "Low tide variety", ""),
    (2, 2, "Bronze", "1919", 0, "4036", "VF", 6, 10, "02.02.2008", 1, "", ""),
    (2, 3, "Bronze", "1937", 0, "4114", "EF", 3, 5, "02.02.2008", 1, "", ""),
    (2, 4, "Bronze", "1967", 0, "4157", "BU", 1, 2, "25.05.2009", 2, "", ""),
    (3, 2, "Silver (.925)", "1917", 0, "4014", "VF", 5, 8, "25.05.2009", 1, "", ""),
    (3, 3, "Nickel-brass", "1937", 0, "4111", "EF", 4, 7, "25.05.2009", 1, "Twelve-sided, thrift plant", ""),
    (3, 4, "Nickel-brass", "1953", 0, "4152", "UNC", 3, 5, "14.01.2011", 1, "Coronation year", ""),
    (4, 3, "Silver (.500)", "1945", 0, "4086", "EF", 6, 9, "14.01.2011", 1, "", ""),
    (4, 3, "Cupro-nickel", "1947", 0, "4121", "VF", 2, 3, "14.01.2011", 2, "", ""),
    (4, 4, "Cupro-nickel", "1967", 0, "4148", "BU", 1, 2, "09.09.2012", 1, "", ""),
    (5, 0, "Silver (.925)", "1887", 0, "3926", "EF", 25, 40, "09.09.2012", 1, "Jubilee head", ""),
    (5, 2, "Silver (.500)", "1926", 0, "4034", "VF", 8, 12, "09.09.2012", 1, "", ""),
    (5, 3, "Silver (.500)", "1937", 0, "4082", "EF", 8, 12, "21.04.2014", 1, "English reverse", ""),
    (5, 3, "Silver (.500)", "1937", 0, "4083", "EF", 8, 12, "21.04.2014", 1, "Scottish reverse", ""),
    (6, 1, "Silver (.925)", "1902", 0, "3981", "VF", 40, 60, "21.04.2014", 1, "Britannia standing", ""),
    (6, 2, "Silver (.500)", "1920", 0, "4022", "Fine", 6, 9, "03.10.2015", 1, "", ""),
    (6, 4, "Cupro-nickel", "1967", 0, "4151", "UNC", 2, 3, "03.10.2015", 1, "", ""),
    (7, 1, "Silver (.925)", "1906", 0, "3980", "Fine", 30, 45, "03.10.2015", 1, "", ""),
    (7, 2, "Silver (.925)", "1914", 0, "4011", "VF", 18, 25, "16.06.2017", 1, "", ""),
    (7, 3, "Silver (.500)", "1944", 0, "4080", "EF", 10, 14, "16.06.2017", 1, "", ""),
    (8, 0, "Silver (.925)", "1889", 2, "299", "VF", 60, 85, "16.06.2017", 1, "Jubilee head, St George and the dragon", ""),
    (8, 2, "Silver (.500)", "1935", 2, "368", "EF", 25, 35, "29.11.2018", 1, "Silver Jubilee, rocking-horse St George", ""),
    (8, 3, "Silver (.500)", "1937", 2, "382", "aUNC", 30, 40, "29.11.2018", 1, "Coronation crown", ""),
    (8, 3, "Cupro-nickel", "1951", 2, "393", "BU", 8, 12, "29.11.2018", 1, "Festival of Britain, in its box", ""),
    (8, 4, "Cupro-nickel", "1953", 2, "393A", "UNC", 5, 8, "07.05.2020", 1, "Coronation crown", "en-crown-1953"),
    (8, 4, "Cupro-nickel", "1965", 2, "410", "BU", 2, 3, "07.05.2020", 2, "Churchill crown", ""),
    (9, 4, "Cupro-nickel", "1969", 1, "912", "UNC", 2, 4, "07.05.2020", 1, "First seven-sided 50 pence", ""),
    (9, 4, "Nickel-brass", "1983", 1, "933", "BU", 3, 5, "23.08.2021", 1, "First one pound coin", ""),
    (9, 4, "Cupro-nickel", "2009", 1, "1120", "UNC", 90, 150, "23.08.2021", 1, "50 pence, Kew Gardens", ""),
    (9, 5, "Cupro-nickel", "2022", 1, "1500", "BU", 2, 3, "15.01.2023", 1, "First 50 pence of Charles III", ""),
    (10, 4, "Cupro-nickel", "1973", 1, "918", "UNC", 2, 3, "15.01.2023", 1, "50 pence, entry into the EEC", ""),
    (10, 4, "Nickel-brass", "1986", 1, "947", "BU", 4, 6, "15.01.2023", 1, "Two pounds, Commonwealth Games", ""),
    (10, 4, "Cupro-nickel", "1977", 2, "423", "BU", 3, 5, "02.06.2023", 1, "Silver Jubilee crown", ""),
    (11, 0, "Gold (.917)", "1893", 0, "3874", "VF", 320, 420, "02.06.2023", 1, "Old head, 7.99 g", "en-sovereign-1893"),
    (11, 4, "Gold (.917)", "1958", 0, "4125", "EF", 330, 430, "02.06.2023", 1, "", ""),
    (11, 2, "Gold (.917)", "1912", 0, "3996", "aUNC", 340, 440, "18.10.2023", 1, "", ""),
    (12, 6, "Bronze", "1928", 1, "3", "VF", 4, 6, "18.10.2023", 1, "Irish Free State penny, hen and chicks", ""),
    (12, 7, "Silver (.925)", "1936", 1, "26", "Fine", 6, 9, "18.10.2023", 1, "Australian shilling, ram", ""),
]

COINS = {"dk": DK_COINS, "no": NO_COINS, "en": EN_COINS}

DESCRIPTIONS = {"dk": "Præget", "no": "Preget", "en": "Struck"}


def items(language):
    result = []
    for (group, crown, metal, year, catalogue, number, quality, paid, value, bought, count,
         description, picture) in COINS[language]:
        record = item(
            group=group, name=year, product=metal, price=float(paid), priceToday=float(value),
            date=bought, supplier=SUPPLIERS[language][catalogue], serialno=number,
            description=description, address=quality, count=count, location=crown)
        if picture:
            record["photolink"] = PICTURES + picture + "-front.png"
            record["receipt"] = PICTURES + picture + "-back.png"
        result.append(record)
    return result


# The coins that have pictures: name, colour of the metal, front and back texts.
COIN_PICTURES = [
    ("dk-1krone-1924", "#c9a74a", ("C X R", "1924"), ("1", "KRONE")),
    ("dk-5kroner-1960", "#d6d6d6", ("FREDERIK IX", "INGRID"), ("5", "KRONER 1960")),
    ("no-1krone-1951", "#cfcfc8", ("H VII", "1951"), ("1", "KRONE")),
    ("no-5kroner-1978", "#cfcfc8", ("OLAV V", "1903-1978"), ("5", "KRONER")),
    ("en-crown-1953", "#d0d0cc", ("ELIZABETH II", "1953"), ("CROWN", "CORONATION")),
    ("en-sovereign-1893", "#e0b84a", ("VICTORIA", "1893"), ("ST GEORGE", "1893")),
]


def coin_picture(colour, big, small):
    """A coin seen from above: rim, field and two lines of relief text."""
    return ["-size", "128x128", "xc:none",
            "-fill", "#6d6a60", "-draw", "circle 65,65 65,7",
            "-fill", colour, "-draw", "circle 64,64 64,6",
            "-fill", "none", "-stroke", "#8a7f60", "-strokewidth", "2", "-draw", "circle 64,64 64,12",
            "-stroke", "none", "-fill", "#4a4638",
            "-font", FONT_SERIF, "-pointsize", "24" if len(big) <= 3 else "15" if len(big) <= 6 else "11",
            "-gravity", "center", "-annotate", "+0-8", big,
            "-font", FONT_BOLD, "-pointsize", "11", "-annotate", "+0+22", small]


def pictures():
    result = {}
    for name, colour, front, back in COIN_PICTURES:
        result[PICTURES + name + "-front.png"] = coin_picture(colour, *front)
        result[PICTURES + name + "-back.png"] = coin_picture(colour, *back)
    return result


def documents():
    return {}
