#!/usr/bin/env python3
"""Writes the sources of the four sample templates next to this script:

  SchedaScaff.fods  the quote sheet of the three programs (quote number in B2)
  Condizioni.fods   the general conditions of sale, range A1:G165
  MemSopp.fods      the four-page covering letter of a mezzanine quotation (letter number in B9)
  SchedaSism.fods   the seismic data sheet of a racking quotation

The build converts the .fods files to .xlsx with LibreOffice. Run this script after changing
a layout or a text here, and commit the regenerated .fods files with it."""

import os
import sys
import textwrap

sys.dont_write_bytecode = True  # keeps the source folder free of __pycache__
from fods import Page, Sheet, style, write

HERE = os.path.dirname(os.path.abspath(__file__))

COMPANY = "ZUVO STRUTTURE S.p.A."
COMPANY_LINES = [
    "Via dell'Artigianato, 18 - 24040 Zanica (BG)",
    "Tel. 035 000 0000 - www.zuvostrutture.it",
]
PAGE_ROWS = 56
GREY = "#d9d9d9"


# Quote sheet ---------------------------------------------------------------------------------

# Columns A to G of the quote, in cm: 18.5 of the 18.6 between the margins, as the widths
# come back a little rounded from xlsx. The general conditions are pasted into the same
# columns. B takes the longest price-list description (9.1 cm in Arial 8); the others what
# they hold: a code, a four-digit quantity, prices and amounts up to a million, and together
# from C the customer's address.
QUOTE_PAGE = Page(margin_left=1.3, margin_right=1.1)
QUOTE_WIDTHS = [1.9, 9.4, 1.0, 1.4, 1.6, 0.9, 2.3]
QUOTE_HEADINGS = ["CODICE", "DESCRIZIONE", "Q.TA'", "MISURA", "PREZZO", "SC.%", "IMPORTO"]
QUOTE_FORMATS = ["", "", "", "", "amount", "", "amount"]


def quote_sheet():
    # Column H holds the racking sort key: the builders need it, the customer does not.
    sheet = Sheet("Foglio1", QUOTE_WIDTHS + [1.2], font_size=8, page=QUOTE_PAGE,
                  hidden_columns={8})
    for column, number in enumerate(QUOTE_FORMATS, start=1):
        if number:
            sheet.column_styles[column] = style(number=number)
    label = style(size=8)
    sheet.put("A1", COMPANY, style(bold=True, size=11))
    sheet.put("G1", "Soppalchi - Scaffalature - Cantilever", style(italic=True, size=8, align="end"))
    sheet.put("A2", "Preventivo n.", label)
    sheet.put("B2", 41, style(bold=True, size=9, align="start"))
    sheet.put("C2", "Spett.le", style(italic=True, size=8))
    sheet.put("A3", "Revisione", label)
    sheet.put("B3", 0, style(size=9, align="start"))
    sheet.put("C3", None, style(bold=True, size=9))
    sheet.put("C4", None, style(size=9))
    sheet.put("C5", None, style(size=9))
    sheet.put("A4", COMPANY_LINES[0], label)
    sheet.put("A5", COMPANY_LINES[1], label)
    sheet.put("A7", "OFFERTA PER LA FORNITURA DI STRUTTURE METALLICHE", style(bold=True, size=10))
    for block in range(3):
        ruled_body(sheet, block * PAGE_ROWS)
    return sheet


def ruled_body(sheet, offset):
    """Rows 9 to 42 of a page block: the column headings and one tall box per column."""
    heading = style(bold=True, size=8, align="center", fill=GREY,
                    borders={"top", "bottom", "left", "right"})
    for column, text in enumerate(QUOTE_HEADINGS, start=1):
        sheet.put_at(offset + 9, column, text, heading)
        number = QUOTE_FORMATS[column - 1]
        # A description longer than B (a stair with its steps and landings) prints smaller.
        shrink = column == 2
        for row in range(offset + 10, offset + 42):
            sheet.put_at(row, column, None,
                         style(borders={"left", "right"}, number=number, shrink=shrink))
        sheet.put_at(offset + 42, column, None,
                     style(borders={"left", "right", "bottom"}, number=number, shrink=shrink))
    sheet.rows = max(sheet.rows, offset + PAGE_ROWS)


# General conditions --------------------------------------------------------------------------

CONDITIONS_TITLE = "CONDIZIONI GENERALI DI VENDITA"
CONDITIONS = [
    ("1. Oggetto", "Le presenti condizioni regolano tutte le forniture di strutture metalliche "
     "(scaffalature, soppalchi, cantilever e relativi accessori) di Zuvo Strutture S.p.A., di "
     "seguito \"il Venditore\". Condizioni diverse del Cliente valgono solo se accettate per "
     "iscritto dal Venditore."),
    ("2. Offerte e ordini", "Le offerte sono valide per il periodo in esse indicato. L'ordine si "
     "intende accettato solo con la conferma d'ordine scritta del Venditore, che prevale "
     "sull'offerta in caso di difformità. Modifiche chieste dopo la conferma possono variare "
     "prezzi e termini di consegna."),
    ("3. Prezzi", "I prezzi si intendono per merce resa franco stabilimento del Venditore, IVA "
     "esclusa, imballo standard compreso. Trasporto, montaggio, opere murarie, mezzi di "
     "sollevamento e quanto non indicato nell'offerta sono esclusi. Aumenti documentati del "
     "costo dell'acciaio superiori al 5% tra offerta e conferma d'ordine possono essere "
     "riportati sui prezzi."),
    ("4. Documentazione tecnica", "Disegni, calcoli e relazioni restano di proprietà del "
     "Venditore e non possono essere comunicati a terzi. I dati di progetto (portate, "
     "dimensioni, pavimentazione, zona sismica) sono forniti dal Cliente, che ne risponde. La "
     "documentazione per il deposito presso gli enti competenti è redatta solo se compresa "
     "nell'offerta; le prove sui materiali sono escluse."),
    ("5. Consegna", "I termini di consegna decorrono dalla conferma d'ordine o, se successivi, "
     "dal ricevimento dell'acconto e dei dati tecnici definitivi. Sono indicativi: ritardi "
     "dovuti a forza maggiore, scioperi o mancate forniture di materia prima non danno diritto "
     "a penali, risarcimenti o risoluzione del contratto."),
    ("6. Trasporto e rischi", "La merce viaggia a rischio del Cliente anche se resa franco "
     "destino. Ammanchi e danni visibili vanno annotati sul documento di trasporto allo scarico "
     "e confermati per iscritto entro otto giorni."),
    ("7. Scarico e cantiere", "Lo scarico è a cura e spese del Cliente, che mette a disposizione "
     "mezzi di sollevamento e personale. L'area di montaggio deve essere sgombra, accessibile, "
     "illuminata e servita da energia elettrica; le attese non imputabili al Venditore sono "
     "addebitate."),
    ("8. Montaggio", "Il montaggio, quando compreso, è eseguito da personale specializzato su "
     "pavimentazione idonea ai carichi indicati e priva di dislivelli oltre le tolleranze di "
     "norma. Il fissaggio a pavimento non comprende il ripristino di pavimenti speciali o "
     "riscaldati."),
    ("9. Verifica della fornitura", "Al termine del montaggio il Cliente verifica la fornitura "
     "con il Venditore. Senza contestazioni scritte entro otto giorni la fornitura si intende "
     "accettata. Le ispezioni periodiche previste dalle norme di sicurezza sono a carico del "
     "Cliente."),
    ("10. Uso delle strutture", "Le strutture vanno usate solo per i carichi e gli scopi indicati "
     "nelle targhe di portata e nella documentazione tecnica. Ogni modifica della "
     "configurazione (spostamento di correnti, aggiunta di livelli, sostituzione di componenti) "
     "deve essere autorizzata per iscritto dal Venditore."),
    ("11. Garanzia", "Il Venditore garantisce i materiali da vizi di fabbricazione per dodici mesi "
     "dalla consegna, con la sola riparazione o sostituzione delle parti difettose. La garanzia "
     "decade in caso di urti, sovraccarichi, uso improprio, corrosione da ambienti aggressivi o "
     "interventi di terzi."),
    ("12. Responsabilità", "Il Venditore non risponde di danni indiretti, fermi di produzione o "
     "mancati guadagni. La sua responsabilità non può superare in alcun caso il valore della "
     "fornitura."),
    ("13. Pagamenti", "I pagamenti si effettuano nei termini indicati nella conferma d'ordine. In "
     "caso di ritardo decorrono gli interessi di mora di legge e il Venditore può sospendere "
     "consegne e montaggi."),
    ("14. Riserva di proprietà", "La merce resta di proprietà del Venditore fino al completo "
     "pagamento del prezzo, ai sensi dell'art. 1523 del Codice Civile."),
    ("15. Resi", "Non si accettano resi senza autorizzazione scritta del Venditore. La merce resa "
     "deve essere integra, nel suo imballo originale, ed è accreditata al netto dei costi di "
     "controllo e ripristino."),
    ("16. Tolleranze e modifiche tecniche", "Il Venditore può apportare ai prodotti modifiche che "
     "non ne alterino funzionalità e portate. Dimensioni e pesi dei cataloghi sono indicativi; "
     "valgono le tolleranze delle norme di prodotto."),
    ("17. Norme di riferimento", "Le scaffalature sono progettate secondo le norme UNI EN 15512 e "
     "UNI EN 15620, i soppalchi secondo le Norme Tecniche per le Costruzioni vigenti; l'uso e le "
     "ispezioni delle scaffalature seguono la norma UNI EN 15635."),
    ("18. Ispezioni e manutenzione", "Il Cliente nomina un responsabile della sicurezza delle "
     "strutture, fa eseguire ispezioni visive periodiche e almeno un'ispezione annuale da persona "
     "competente, e sostituisce senza indugio i componenti danneggiati. Su richiesta il Venditore "
     "offre un servizio di ispezione periodica."),
    ("19. Forza maggiore", "Eventi fuori del controllo delle parti (calamità naturali, epidemie, "
     "provvedimenti delle autorità, interruzioni dei trasporti) sospendono gli obblighi per la "
     "loro durata. Se la sospensione supera novanta giorni ciascuna parte può recedere dal "
     "contratto senza indennizzo."),
    ("20. Annullamento dell'ordine", "L'ordine confermato non può essere annullato senza il "
     "consenso del Venditore. In caso di annullamento accettato sono addebitati i materiali già "
     "prodotti o acquistati e le spese sostenute, con un minimo del 20% del valore dell'ordine."),
    ("21. Dati personali", "I dati del Cliente sono trattati ai sensi del Regolamento (UE) "
     "2016/679 per la sola esecuzione del contratto e per gli obblighi di legge."),
    ("22. Comunicazioni", "Le comunicazioni relative al contratto si fanno per iscritto, a mezzo "
     "posta elettronica certificata o raccomandata, agli indirizzi indicati nella conferma "
     "d'ordine."),
    ("23. Foro competente", "Il contratto è regolato dalla legge italiana. Per ogni controversia "
     "è competente in via esclusiva il Foro di Bergamo."),
    ("AVVERTENZE PER L'USO IN SICUREZZA DELLE STRUTTURE", [
        "non superare le portate indicate sulle targhe e nella documentazione tecnica;",
        "distribuire i carichi in modo uniforme sui correnti e sui piani, senza sporgenze oltre "
        "gli ingombri previsti;",
        "non salire sulle scaffalature: usare le scale e le passerelle previste;",
        "segnalare subito urti e deformazioni al responsabile della sicurezza e scaricare i vani "
        "interessati;",
        "non rimuovere spine di sicurezza, controventi, parapetti e protezioni;",
        "sui soppalchi non concentrare carichi in mezzeria delle travi e tenere chiusi i cancelli "
        "di carico quando non in uso;",
        "mantenere libere da materiali le vie di fuga, le scale e i corridoi di servizio.",
    ]),
]
CONDITIONS_ROWS = 165
CONDITIONS_WIDTH = 112  # characters of Arial 8 across columns A to G


def wrapped(body):
    """A paragraph, or a list of points, as lines of the conditions page."""
    if isinstance(body, str):
        return textwrap.wrap(body, CONDITIONS_WIDTH)
    return [line for point in body
            for line in textwrap.wrap(point, CONDITIONS_WIDTH, initial_indent="- ",
                                      subsequent_indent="  ")]


def conditions_lines():
    """The 165 lines of the conditions as (text, bold); no article is split over two pages."""
    lines = []

    def page_start():
        title = CONDITIONS_TITLE if not lines else CONDITIONS_TITLE + " (segue)"
        lines.extend([(title, True), ("", False)])

    page_start()
    for heading, body in CONDITIONS:
        paragraph = [(heading, True)] + [(line, False) for line in wrapped(body)]
        room = PAGE_ROWS - len(lines) % PAGE_ROWS
        if room < len(paragraph):
            lines.extend([("", False)] * room)
            page_start()
        lines.extend(paragraph)
        if len(lines) % PAGE_ROWS:
            lines.append(("", False))
    closing = [("Per accettazione delle condizioni generali di vendita:", True), ("", False),
               ("Data ____________________      Timbro e firma del Cliente "
                "________________________________", False)]
    lines.extend([("", False)] * (CONDITIONS_ROWS - len(closing) - len(lines)))
    lines.extend(closing)
    assert len(lines) == CONDITIONS_ROWS, len(lines)
    return lines


def conditions_sheet():
    sheet = Sheet("Condizioni", QUOTE_WIDTHS, font_size=8, page=QUOTE_PAGE)
    for row, (text, bold) in enumerate(conditions_lines(), start=1):
        sheet.put_at(row, 1, text or None, style(bold=True) if bold else None)
    sheet.rows = CONDITIONS_ROWS
    return sheet


# Covering letter -----------------------------------------------------------------------------

# First row of each of the four pages, and of its address block and letter number.
LETTER_PAGES = [1, 54, 102, 153]
LETTER_ADDRESS_ROWS = [2, 55, 103, 154]
LETTER_LAST_ROW = 205


def letter_sheet():
    # Column C holds the amounts; column E, the address, is the last one printed.
    sheet = Sheet("Foglio1", [2.6, 6.5, 3.2, 0.4, 5.6], font_size=10,
                  page=Page(margin_top=1.8, margin_bottom=1.8, margin_left=1.5, margin_right=1.2),
                  print_range=f"A1:E{LETTER_LAST_ROW}")
    sheet.page_breaks = set(LETTER_PAGES[1:])
    for page, address in zip(LETTER_PAGES, LETTER_ADDRESS_ROWS):
        letter_page_header(sheet, page, address)
    letter_first_page(sheet)
    letter_technical_page(sheet)
    letter_amounts_page(sheet)
    letter_documents_page(sheet)
    sheet.rows = LETTER_LAST_ROW
    return sheet


def letter_page_header(sheet, first_row, address_row):
    sheet.put_at(first_row, 1, COMPANY, style(bold=True, size=12))
    sheet.put_at(first_row + 1, 1, "Soppalchi e strutture metalliche per l'industria",
                 style(italic=True, size=9))
    sheet.put_at(first_row + 2, 1, COMPANY_LINES[0], style(size=8))
    sheet.put_at(first_row + 3, 1, COMPANY_LINES[1], style(size=8))
    sheet.put_at(address_row - 1, 5, "Spett.le", style(italic=True, size=9))
    # A long name or street is printed smaller rather than cut at the page's edge.
    sheet.put_at(address_row, 5, None, style(bold=True, shrink=True))
    sheet.put_at(address_row + 1, 5, None, style(shrink=True))
    sheet.put_at(address_row + 2, 5, None, style(shrink=True))
    number_row = address_row + 7
    sheet.put_at(number_row, 1, "Offerta n.", style(bold=True))
    sheet.put_at(number_row, 2, 41, style(bold=True, align="start"))


def paragraph(sheet, row, text, width=90, cell_style=None):
    """Writes a text wrapped over the rows from row on, in column A; gives the next free row."""
    for line in textwrap.wrap(text, width):
        sheet.put_at(row, 1, line, cell_style)
        row += 1
    return row


def letter_first_page(sheet):
    sheet.put("A12", "Oggetto:", style(bold=True))
    sheet.put("B12", "offerta per la fornitura di un soppalco metallico", style(bold=True))
    row = paragraph(sheet, 15,
                    "Facendo seguito alla Vostra gentile richiesta, siamo lieti di sottoporVi la "
                    "nostra migliore offerta per la fornitura di un soppalco metallico "
                    "autoportante, progettato e realizzato secondo le vigenti Norme Tecniche per "
                    "le Costruzioni.")
    row = paragraph(sheet, row + 1,
                    "La struttura portante è composta da pilastri tubolari, travi principali e "
                    "travi secondarie in acciaio zincato a caldo, collegati esclusivamente con "
                    "bulloni ad alta resistenza: il montaggio non richiede saldature in opera e "
                    "il soppalco può essere ampliato o smontato in ogni momento.")
    row = paragraph(sheet, row + 1, "La presente offerta si compone di quattro pagine:")
    for line in ("- pagina 2: caratteristiche tecniche e descrizione della fornitura;",
                 "- pagina 3: importi e condizioni economiche;",
                 "- pagina 4: documentazione tecnica e accettazione."):
        sheet.put_at(row, 2, line)
        row += 1
    paragraph(sheet, row + 1,
              "Restiamo a Vostra disposizione per ogni chiarimento e, nell'attesa di un Vostro "
              "cortese riscontro, porgiamo distinti saluti.")
    sheet.put("E46", COMPANY, style(bold=True))
    sheet.put("E47", "Ufficio commerciale", style(italic=True))


TECHNICAL_LABELS = {
    71: "Portata utile del piano (kg/mq):",
    72: "Altezza del piano di calpestio (cm):",
    73: "Interasse dei pilastri (cm):",
    74: "Numero dei pilastri:",
    78: "Altezza del parapetto (mm):",
    79: "Spessore del piano di calpestio (mm):",
}


def letter_technical_page(sheet):
    sheet.put("A65", "CARATTERISTICHE TECNICHE DEL SOPPALCO", style(bold=True))
    paragraph(sheet, 67, "Struttura in acciaio S275JR zincato a caldo, bullonata, con piastre "
                         "di base per il fissaggio a pavimento.")
    value = style(bold=True, align="start")
    for row, text in TECHNICAL_LABELS.items():
        sheet.put_at(row, 2, text, style(size=9))
        sheet.put_at(row, 3, None, value)
    sheet.put("B75", "Piano di calpestio in lamiera grecata o in grigliato elettrosaldato,")
    sheet.put("B76", "secondo la portata e l'uso indicati nella descrizione della fornitura.")
    sheet.put("A80", "Fornitura:", style(bold=True))
    row = paragraph(sheet, 89, "Il soppalco è fornito completo di piastre di base, bulloneria "
                               "zincata, targhe di portata e istruzioni di montaggio e uso. Le "
                               "quantità definitive dei componenti risultano dal disegno "
                               "esecutivo, che viene inviato per approvazione prima della "
                               "produzione.")
    paragraph(sheet, row + 1, "Parapetti, cancelli e scale sono conformi alle norme UNI EN ISO "
                              "14122 per gli accessi permanenti alle macchine e agli impianti.")


def letter_amounts_page(sheet):
    euro = style(number="euro", align="start")
    for row in (112, 114, 116, 118):
        sheet.put_at(row, 3, None, style(number="euro", align="end"))
    terms = {
        120: ("Prezzi:", None),
        122: ("Imballo:", "standard, compreso"),
        124: ("Montaggio in opera:", None),
        126: ("Oneri per la sicurezza:", None),
        128: ("Trasporto:", None),
        130: ("Pagamento:", "da convenire"),
        132: ("Validità dell'offerta:", "15 giorni"),
        134: ("Consegna:", "40 giorni lavorativi dalla conferma d'ordine"),
        136: ("IVA:", "esclusa, nella misura di legge"),
    }
    for row, (label, text) in terms.items():
        sheet.put_at(row, 1, label, style(bold=True))
        sheet.put_at(row, 3, text, euro if text is None else None)
    row = paragraph(sheet, 139, "Sono a carico del Cliente la fornitura di energia elettrica e "
                                "dei mezzi di sollevamento in cantiere, le eventuali opere "
                                "murarie e quanto non espressamente indicato nella presente "
                                "offerta.")
    paragraph(sheet, row + 1, "I prezzi si riferiscono alle quantità offerte e a una consegna "
                              "unica; consegne frazionate saranno quotate a parte.")


def letter_documents_page(sheet):
    sheet.put("A163", "Documentazione per il deposito:", style(bold=True))
    sheet.put("C163", None, style(number="euro", align="start"))
    sheet.put("A164", "(prove sui materiali escluse)", style(italic=True, size=9))
    row = paragraph(sheet, 166, "La documentazione comprende la relazione di calcolo "
                                "strutturale, la relazione sui materiali e i disegni esecutivi "
                                "firmati da un tecnico abilitato, pronti per il deposito presso "
                                "gli uffici competenti.")
    row = paragraph(sheet, row + 1, "La fornitura è regolata dalle nostre condizioni generali "
                                    "di vendita, che il Cliente dichiara di conoscere e "
                                    "accettare con la firma della presente offerta.")
    sheet.put_at(row + 3, 1, "Per accettazione", style(bold=True))
    sheet.put_at(row + 4, 1, "Data e firma del Cliente", style(italic=True, size=9))
    sheet.put_at(row + 3, 5, COMPANY, style(bold=True))
    sheet.put_at(row + 4, 5, "Ufficio commerciale", style(italic=True, size=9))


# Seismic data sheet --------------------------------------------------------------------------

SEISMIC_LABELS = {
    7: "Cliente", 8: "Indirizzo", 9: "Località",
    13: "Preventivo n.", 14: "Revisione",
    18: "Zona sismica", 19: "Numero di livelli (compreso il piano a terra)",
    20: "Categoria di sottosuolo", 21: "Classe d'uso",
    22: "Quota dei livelli di carico (mm)", 23: "Carico per vano ai livelli (kg)",
    24: "Profondità della spalla (mm)", 25: "Altezza della spalla (cm)",
    44: "Pavimentazione e note sul sito",
    48: "Campi di controvento della spalla (passo 65 cm)",
    49: "Lunghezza del montante in moduli da 50 cm",
}
SEISMIC_SECTIONS = {
    5: "DATI DEL CLIENTE", 11: "RIFERIMENTI", 16: "DATI DEL SITO E DELLA SCAFFALATURA",
    42: "NOTE", 47: "VALORI DERIVATI",
}


def seismic_sheet():
    sheet = Sheet("Foglio1", [3.0, 2.0, 2.0, 2.0, 2.2, 2.2, 2.2, 2.2],
                  page=Page(margin_left=1.7, margin_right=1.5))
    sheet.put("A1", COMPANY, style(bold=True, size=11))
    sheet.put("A3", "SCHEDA DATI PER LA VERIFICA SISMICA DELLE SCAFFALATURE",
              style(bold=True, size=10))
    for row, text in SEISMIC_SECTIONS.items():
        sheet.put_at(row, 1, text, style(bold=True, size=8))
    for row, text in SEISMIC_LABELS.items():
        sheet.put_at(row, 1, text)
    boxed = style(align="start", borders={"top", "bottom", "left", "right"})
    for row in (18, 19, 20, 21, 24, 25, 48, 49):
        sheet.put_at(row, 5, None, boxed)
    for row in (22, 23):
        for column in range(5, 9):
            sheet.put_at(row, column, None, boxed)
    for row in (7, 13):
        sheet.put_at(row, 5, None, style(bold=True, align="start"))
    for row in (8, 9, 14):
        sheet.put_at(row, 5, None, style(align="start"))
    paragraph(sheet, 27, "I dati del sito e della scaffalatura sono forniti dal Cliente e "
                         "servono al calcolo della verifica sismica secondo le Norme Tecniche "
                         "per le Costruzioni. Le quote dei livelli si misurano dal pavimento "
                         "all'estradosso dei correnti.", width=100, cell_style=style(size=8))
    sheet.put("A51", "I valori derivati sono indicativi e vengono confermati dalla relazione "
                     "di calcolo.", style(italic=True, size=8))
    sheet.rows = PAGE_ROWS
    return sheet


def main():
    write(quote_sheet(), os.path.join(HERE, "SchedaScaff.fods"))
    write(conditions_sheet(), os.path.join(HERE, "Condizioni.fods"))
    write(letter_sheet(), os.path.join(HERE, "MemSopp.fods"))
    write(seismic_sheet(), os.path.join(HERE, "SchedaSism.fods"))


if __name__ == "__main__":
    main()
