"""Helpers shared by the demo data of the four editions."""

LANGUAGES = ("dk", "no", "en")

# Rough exchange rates from Danish kroner, for the prices of the Norwegian
# (kroner) and English (pounds) demo databases.
RATES = {"dk": 1.0, "no": 1.55, "en": 0.115}

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_SERIF = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"


def pick(value, language):
    """A text given once for every language, or as a (dk, no, en) tuple."""
    if isinstance(value, tuple):
        return value[LANGUAGES.index(language)]
    return value


def nice(amount):
    """Rounds a converted price the way a shop or a valuer would write it."""
    if amount <= 0:
        return 0.0
    if amount < 10:
        return round(amount * 2) / 2
    if amount < 100:
        return float(round(amount))
    if amount < 1000:
        return float(round(amount / 5) * 5)
    if amount < 10000:
        return float(round(amount / 10) * 10)
    return float(round(amount / 100) * 100)


def price(dkk, language):
    """A price given in Danish kroner, in the currency of the language."""
    if language == "dk":
        return float(dkk)
    return nice(dkk * RATES[language])


def ean13(body12):
    """The 13-digit EAN with its check digit."""
    digits = [int(c) for c in body12]
    total = sum(d * (3 if i % 2 else 1) for i, d in enumerate(digits))
    return body12 + str((10 - total % 10) % 10)


def item(**fields):
    """An item with every field of a data line, defaults empty or 0."""
    record = {
        "group": 0, "name": "", "product": "", "price": 0.0, "priceToday": 0.0,
        "date": "", "supplier": "", "serialno": "", "description": "",
        "address": "", "photolink": "", "count": 1, "location": 0, "www": "",
        "receipt": "", "document": "", "productModel": "",
    }
    unknown = set(fields) - set(record)
    if unknown:
        raise KeyError("unknown item fields: %s" % ", ".join(sorted(unknown)))
    record.update(fields)
    return record


def html_page(title, paragraphs, language):
    """A small Latin-1 HTML document."""
    charset = "ISO-8859-1"
    body = "\r\n".join("<p>%s</p>" % p for p in paragraphs)
    return ("<!DOCTYPE html>\r\n<html lang=\"%s\">\r\n<head>\r\n"
            "<meta charset=\"%s\">\r\n<title>%s</title>\r\n</head>\r\n<body>\r\n"
            "<h1>%s</h1>\r\n%s\r\n</body>\r\n</html>\r\n"
            % ({"dk": "da", "no": "nb", "en": "en"}[language], charset, title, title, body))
