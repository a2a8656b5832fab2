#!/usr/bin/env python3
"""Writes reference_tables.txt, the cell-by-cell image of the constant reference tables, from the
section of the product description that lists them (its "Reference tables" chapter, Markdown).

  make_reference_tables.py DESCRIPTION.md > reference_tables.txt

Run by hand when the description of the tables changes; never from the build. The test
reference_tables_golden_test.cpp prints the program's tables in the same form and compares.
One line per row, TAB-separated: table name, then the cells; numbers as C's "%g", flags 0/1.
"""
import re
import sys


def chapter(text):
    start = re.search(r"^# .*: Reference tables$", text, re.M)
    if not start:
        sys.exit("the reference tables chapter was not found")
    end = re.search(r"^# ", text[start.end():], re.M)
    return text[start.end():start.end() + end.start()]


def table_after(text, marker):
    """Body rows (lists of cells) of the first Markdown table after `marker`."""
    at = text.index(marker)
    rows, seen = [], False
    for line in text[at:].splitlines()[1:]:
        if line.startswith("|"):
            seen = True
            rows.append([c.strip() for c in line.strip().strip("|").split("|")])
        elif seen:
            break
    return rows[2:]


def paragraph(text, marker):
    at = text.index(marker)
    end = text.find("\n\n", at)
    return text[at:end if end >= 0 else len(text)]


def quoted(cell):
    m = re.search(r'"([^"]*)"', cell)
    return m.group(1) if m else ""


def number(cell):
    return float(re.match(r"-?[\d.]+", cell.strip()).group(0))


def g(value):
    return "%g" % value


def line(*cells):
    return "\t".join(str(c) for c in cells)


def codes(text):
    return [int(c) for c in re.findall(r"\d+", text)]


def main():
    doc = chapter(open(sys.argv[1], encoding="utf-8").read())
    out = []

    texts = dict(re.findall(r'^- (T\d): "(.*)"$', doc, re.M))
    coating_rows = table_after(doc, "*Coating table*")
    out.append(line("coating", 0, "", "", 0, g(0), 0, ""))
    coating_short = {}
    for code, short, full, substance, density, text in coating_rows:
        free = "free name" in short
        coating_short[int(code)] = quoted(short)
        out.append(line("coating", int(code), quoted(short), quoted(full), int(substance),
                        g(number(density)), int(free), texts.get(text, "")))
    for key in sorted(texts, key=lambda t: int(t[1:])):
        out.append(line("surface-text", key[1:], texts[key]))
    order = paragraph(doc, "Display order of coatings")
    out.append(line("coating-order", *codes(order.split(":", 1)[1].split("(")[0])))
    gold = re.search(r"coating code of gold, (\d+), is also a named constant", doc)
    out.append(line("gold-code", gold.group(1)))

    substances = {0: ("", "", 0)}
    for row in table_after(doc, "*Substance table*"):
        for code, short, full in (row[0:3], row[4:7]):
            flag = re.search(r"flag (\d)", short + full)
            substances[int(code)] = (quoted(short), quoted(full), int(flag.group(1)) if flag else 0)
    for code in sorted(substances):
        out.append(line("substance", code, *substances[code]))
    base = paragraph(doc, "Display order of base materials")
    out.append(line("base-order", *codes(base.split(":", 1)[1].split(".")[0])))

    solutions = {0: ""}
    for code, name in re.findall(r'(\d+) "([^"]*)"', paragraph(doc, "*Test solution table*")
                                 .split("):", 1)[1].split(". Code")[0]):
        solutions[int(code)] = name
    for code in sorted(solutions):
        out.append(line("test-solution", code, solutions[code]))

    sensitivities = {0: ""}
    for code, name in re.findall(r'(\d+) "([^"]*)"', paragraph(doc, "*Sensitivity table*")
                                 .split("):", 1)[1].split(". The")[0]):
        sensitivities[int(code)] = name
    for code in sorted(sensitivities):
        out.append(line("sensitivity", code, sensitivities[code]))

    out.append(line("current-range", 0, "", g(0), 0, 0))
    for code, text, rate, auto, low in table_after(doc, "*Current range table*"):
        out.append(line("current-range", int(code), quoted(text), g(number(rate)), int(auto),
                        int(low == "yes")))

    out.append(line("unit", 0, "", g(0)))
    for code, name, factor in table_after(doc, "*Unit table*"):
        out.append(line("unit", int(code), quoted(name), g(number(factor))))

    out.append(line("gasket", 0, "", g(0), g(0), ""))
    for code, name, ratio, area, diameter in table_after(doc, "*Gasket table*"):
        out.append(line("gasket", int(code), quoted(name), g(number(ratio)), g(number(area)),
                        quoted(diameter)))

    factors = {0: ("", 0.0)}
    for row, name, ma in re.findall(r'(\d+) "([^"]*)" (\d+(?:\.\d+)?)',
                                    paragraph(doc, "*Output current factor table*")):
        factors[int(row)] = (name, float(ma))
    for row in sorted(factors):
        out.append(line("current-factor", row, factors[row][0], g(factors[row][1])))

    for coating, element, top, c1, c2, c3, s, mixed in table_after(doc, "*Alloy content table*"):
        densities = [float(v) for v in re.findall(r"[A-Z][a-z]? ([\d.]+)", mixed)]
        out.append(line("alloy-content", codes(coating)[0], quoted(element), int(top),
                        *(g(number(v)) for v in (c1, c2, c3, s)), *(g(v) for v in densities)))

    out.extend(combination_rows(doc, coating_short, substances, solutions, factors))

    for unit, ranges, periods, decimals, scale in table_after(doc, "*Display resolution table*"):
        for r, period in zip(codes(ranges), codes(periods)):
            out.append(line("resolution", codes(unit)[0], r, period, int(decimals), int(scale)))

    stops = re.search(r"gasket A: Cr (\d+) µm, other coatings (\d+) µm; gasket B: (\d+) and "
                      r"(\d+) µm; gasket C: (\d+) and (\d+) µm", doc).groups()
    for gasket, at in (("A", 0), ("B", 2), ("C", 4)):
        out.append(line("auto-stop-reference", gasket, g(float(stops[at])),
                        g(float(stops[at + 1]))))
    sn, cu = re.search(r"\*Standard alloy coefficients\*: Sn ([\d.]+) and Cu ([\d.]+)",
                       doc).groups()
    out.append(line("standard-alloy-coefficients", g(float(sn)), g(float(cu))))
    print("\n".join(out))


def combination_rows(doc, coating_short, substances, solutions, factors):
    by_short = {short: code for code, (short, _, _) in substances.items() if short}
    by_solution = {name: code for code, name in solutions.items() if name}
    by_factor = {name: row for row, (name, _) in factors.items() if name}
    block = doc[doc.index("*Solution combination table*"):]
    rows = {}
    order = []
    for coating, factor, body in re.findall(r"^- (\d+) \S+(?: \(factor ([^)]+)\))?: (.*)$",
                                            block, re.M):
        coating = int(coating)
        order.append(coating)
        same = re.match(r"the same under-substances and solutions as (\S+), with the same flags",
                        body)
        if same:
            model = next(c for c, short in coating_short.items() if short == same.group(1))
            rows[coating] = [(u, by_factor[factor], s, listed, pump)
                             for (u, _, s, listed, pump) in rows[model]]
            continue
        body = re.sub(r"\s*\(Row order:.*\)\.?$", "", body).rstrip(".")
        group = []
        for part in body.split("; "):
            m = re.match(r"(.*) -> (\S+)(?: \(factor ([^)]+)\))?((?: pump off| not listed)*)$",
                         part)
            if not m:
                sys.exit("combination entry not understood: " + part)
            unders, solution, own_factor, marks = m.groups()
            for under in unders.split(", "):
                group.append((by_short[under], by_factor[own_factor or factor],
                              by_solution[solution], int("not listed" not in marks),
                              int("pump off" in marks)))
        rows[coating] = group
    out = []
    for coating in order:
        for under, factor_row, solution, listed, pump in rows[coating]:
            out.append(line("combination", coating, under, factor_row, solution, listed, pump))
    return out


if __name__ == "__main__":
    main()
