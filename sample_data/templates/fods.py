"""A small writer of LibreOffice flat XML spreadsheets (.fods) with one sheet: cells with
texts or numbers, cell styles, column widths, uniform row heights, manual page breaks and an
A4 page setup. Just enough for the sample templates; make_templates.py uses it."""

from dataclasses import dataclass, field
from xml.sax.saxutils import escape, quoteattr

ROW_HEIGHT_CM = 0.45
LAST_ROW = 1048576

NUMBER_FORMATS = {
    "amount": '<number:number-style style:name="{name}">'
              '<number:number number:decimal-places="2" number:min-decimal-places="2" '
              'number:min-integer-digits="1" number:grouping="true"/></number:number-style>',
    "euro": '<number:currency-style style:name="{name}">'
            '<number:currency-symbol number:language="it" number:country="IT">€</number:currency-symbol>'
            '<number:text> </number:text>'
            '<number:number number:decimal-places="2" number:min-decimal-places="2" '
            'number:min-integer-digits="1" number:grouping="true"/></number:currency-style>',
    "integer": '<number:number-style style:name="{name}">'
               '<number:number number:decimal-places="0" number:min-decimal-places="0" '
               'number:min-integer-digits="1"/></number:number-style>',
}

BORDER = "0.74pt solid #000000"


@dataclass(frozen=True)
class Style:
    bold: bool = False
    italic: bool = False
    size: float = 0  # points; 0 keeps the sheet's default size
    align: str = ""  # "start", "center", "end"
    borders: frozenset = frozenset()  # of "top", "bottom", "left", "right"
    fill: str = ""  # background colour, "#rrggbb"
    number: str = ""  # a key of NUMBER_FORMATS
    shrink: bool = False  # a text wider than the cell is printed smaller, never cut


def style(**kwargs):
    if "borders" in kwargs:
        kwargs["borders"] = frozenset(kwargs["borders"])
    return Style(**kwargs)


@dataclass
class Page:
    margin_top: float = 2.0
    margin_bottom: float = 2.3
    margin_left: float = 1.5
    margin_right: float = 1.3


@dataclass
class Sheet:
    name: str
    column_widths: list  # cm, one per column from A
    font_size: float = 9
    page: Page = field(default_factory=Page)
    hidden_columns: set = field(default_factory=set)  # 1-based column numbers
    column_styles: dict = field(default_factory=dict)  # column number -> Style
    page_breaks: set = field(default_factory=set)  # rows that start a new printed page
    cells: dict = field(default_factory=dict)  # (row, column) -> (value or None, Style or None)
    rows: int = 0  # rows written explicitly; the rest of the sheet repeats the last row style

    def put(self, ref, value=None, cell_style=None):
        row, column = parse_ref(ref)
        self.cells[(row, column)] = (value, cell_style)
        self.rows = max(self.rows, row)

    def put_at(self, row, column, value=None, cell_style=None):
        self.cells[(row, column)] = (value, cell_style)
        self.rows = max(self.rows, row)


def parse_ref(ref):
    letters = "".join(c for c in ref if c.isalpha())
    column = 0
    for c in letters:
        column = column * 26 + ord(c.upper()) - ord("A") + 1
    return int(ref[len(letters):]), column


class _StyleNames:
    def __init__(self):
        self.cells = {}
        self.numbers = {}

    def cell(self, cell_style):
        if cell_style not in self.cells:
            self.cells[cell_style] = f"ce{len(self.cells) + 1}"
            if cell_style.number and cell_style.number not in self.numbers:
                self.numbers[cell_style.number] = f"N{len(self.numbers) + 1}"
        return self.cells[cell_style]


def _cell_style_xml(name, cell_style, data_style):
    cell_props = ['style:text-align-source="fix"'] if cell_style.align else []
    for side in ("top", "bottom", "left", "right"):
        if side in cell_style.borders:
            cell_props.append(f'fo:border-{side}="{BORDER}"')
    if cell_style.fill:
        cell_props.append(f'fo:background-color="{cell_style.fill}"')
    if cell_style.shrink:
        cell_props.append('style:shrink-to-fit="true"')
    text_props = []
    if cell_style.bold:
        text_props.append('fo:font-weight="bold"')
    if cell_style.italic:
        text_props.append('fo:font-style="italic"')
    if cell_style.size:
        text_props.append(f'fo:font-size="{cell_style.size:g}pt"')
    data = f' style:data-style-name="{data_style}"' if data_style else ""
    xml = [f'<style:style style:name="{name}" style:family="table-cell" '
           f'style:parent-style-name="Default"{data}>']
    if cell_props:
        xml.append(f'<style:table-cell-properties {" ".join(cell_props)}/>')
    if cell_style.align:
        xml.append(f'<style:paragraph-properties fo:text-align="{cell_style.align}"/>')
    if text_props:
        xml.append(f'<style:text-properties {" ".join(text_props)}/>')
    xml.append("</style:style>")
    return "".join(xml)


def _cell_xml(value, style_name):
    attrs = f' table:style-name="{style_name}"' if style_name else ""
    if value is None:
        return f"<table:table-cell{attrs}/>"
    if isinstance(value, (int, float)):
        return (f'<table:table-cell{attrs} office:value-type="float" office:value="{value}">'
                f"<text:p>{value}</text:p></table:table-cell>")
    return (f'<table:table-cell{attrs} office:value-type="string">'
            f"<text:p>{escape(value)}</text:p></table:table-cell>")


def _row_xml(sheet, row, names):
    row_style = "ro2" if row in sheet.page_breaks else "ro1"
    cells = []
    columns = len(sheet.column_widths)
    empty_run = 0
    for column in range(1, columns + 1):
        value, cell_style = sheet.cells.get((row, column), (None, None))
        if value is None and cell_style is None:
            empty_run += 1
            continue
        if empty_run:
            cells.append(f'<table:table-cell table:number-columns-repeated="{empty_run}"/>')
            empty_run = 0
        cells.append(_cell_xml(value, names.cell(cell_style) if cell_style else ""))
    if empty_run:
        cells.append(f'<table:table-cell table:number-columns-repeated="{empty_run}"/>')
    return f'<table:table-row table:style-name="{row_style}">{"".join(cells)}</table:table-row>\n'


def write(sheet, path):
    names = _StyleNames()
    column_xml = []
    for index, width in enumerate(sheet.column_widths, start=1):
        default = sheet.column_styles.get(index)
        default_name = names.cell(default) if default else "Default"
        hidden = ' table:visibility="collapse"' if index in sheet.hidden_columns else ""
        column_xml.append(f'<table:table-column table:style-name="co{index}" '
                          f'table:default-cell-style-name="{default_name}"{hidden}/>')
    row_xml = [_row_xml(sheet, row, names) for row in range(1, sheet.rows + 1)]
    row_xml.append(f'<table:table-row table:style-name="ro1" '
                   f'table:number-rows-repeated="{LAST_ROW - sheet.rows}">'
                   f'<table:table-cell table:number-columns-repeated="{len(sheet.column_widths)}"/>'
                   f"</table:table-row>\n")

    automatic = []
    for index, width in enumerate(sheet.column_widths, start=1):
        automatic.append(f'<style:style style:name="co{index}" style:family="table-column">'
                         f'<style:table-column-properties fo:break-before="auto" '
                         f'style:column-width="{width:g}cm"/></style:style>')
    for name, brk in (("ro1", "auto"), ("ro2", "page")):
        automatic.append(f'<style:style style:name="{name}" style:family="table-row">'
                         f'<style:table-row-properties style:row-height="{ROW_HEIGHT_CM:g}cm" '
                         f'fo:break-before="{brk}" style:use-optimal-row-height="false"/>'
                         f"</style:style>")
    automatic.append('<style:style style:name="ta1" style:family="table" '
                     'style:master-page-name="Pagina"><style:table-properties table:display="true" '
                     'style:writing-mode="lr-tb"/></style:style>')
    for number_key, number_name in names.numbers.items():
        automatic.append(NUMBER_FORMATS[number_key].format(name=number_name))
    for cell_style, name in names.cells.items():
        data_style = names.numbers.get(cell_style.number, "")
        automatic.append(_cell_style_xml(name, cell_style, data_style))
    page = sheet.page
    automatic.append(
        '<style:page-layout style:name="pm1"><style:page-layout-properties '
        'fo:page-width="21cm" fo:page-height="29.7cm" style:print-orientation="portrait" '
        f'fo:margin-top="{page.margin_top:g}cm" fo:margin-bottom="{page.margin_bottom:g}cm" '
        f'fo:margin-left="{page.margin_left:g}cm" fo:margin-right="{page.margin_right:g}cm" '
        'style:print="objects charts drawings zero-values" style:print-page-order="ttb" '
        'style:scale-to="100%" style:writing-mode="lr-tb"/>'
        '<style:header-style/><style:footer-style/></style:page-layout>')

    document = f"""<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:font-face-decls>
<style:font-face style:name="Arial" svg:font-family="Arial" style:font-family-generic="swiss" style:font-pitch="variable"/>
</office:font-face-decls>
<office:styles>
<style:default-style style:family="table-cell"><style:text-properties style:font-name="Arial" fo:font-size="{sheet.font_size:g}pt" fo:language="it" fo:country="IT"/></style:default-style>
<style:style style:name="Default" style:family="table-cell"><style:text-properties style:font-name="Arial" fo:font-size="{sheet.font_size:g}pt"/></style:style>
</office:styles>
<office:automatic-styles>
{chr(10).join(automatic)}
</office:automatic-styles>
<office:master-styles>
<style:master-page style:name="Pagina" style:page-layout-name="pm1"><style:header style:display="false"/><style:footer style:display="false"/></style:master-page>
</office:master-styles>
<office:body>
<office:spreadsheet>
<table:table table:name={quoteattr(sheet.name)} table:style-name="ta1">
{chr(10).join(column_xml)}
{"".join(row_xml)}</table:table>
</office:spreadsheet>
</office:body>
</office:document>
"""
    with open(path, "w", encoding="utf-8") as out:
        out.write(document)
