#!/usr/bin/env python3
"""Turns the language table (po/languages.txt) and the gettext catalogues it
names into one C++ source: the table's rows, each with its catalogue as an
array sorted by (context, English text) for a binary search.

  po_to_cpp.py --languages po/languages.txt --template po/quelmo.pot \
               --output catalogues.cpp [--unfinished de,fi]

A catalogue the table names must translate every entry of the template: an
entry that is missing, empty or fuzzy, an obsolete entry, an entry the
template does not have, or a translation whose {placeholders} differ from the
English text's fails the build with the file and the text named. Catalogues
named by --unfinished only warn, and their missing texts show in English.
"""

import argparse
import os
import re
import sys

PLACEHOLDER = re.compile(r"\{[A-Za-z_][A-Za-z0-9_]*\}")
ESCAPES = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\", "a": "\a", "b": "\b",
           "f": "\f", "v": "\v"}


class PoError(Exception):
    pass


def unquote(text, where):
    text = text.strip()
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        raise PoError(f"{where}: a string must be in double quotes: {text}")
    body, out, i = text[1:-1], [], 0
    while i < len(body):
        c = body[i]
        if c == "\\":
            if i + 1 >= len(body) or body[i + 1] not in ESCAPES:
                raise PoError(f"{where}: unknown escape in {text}")
            out.append(ESCAPES[body[i + 1]])
            i += 2
        elif c == '"':
            raise PoError(f"{where}: an unescaped quote in {text}")
        else:
            out.append(c)
            i += 1
    return "".join(out)


class Entry:
    def __init__(self, line):
        self.line = line
        self.context = None
        self.msgid = None
        self.msgstr = None
        self.fuzzy = False
        self.obsolete = False
        self.plural = False

    @property
    def key(self):
        return (self.context or "", self.msgid)


def parse_po(path):
    """The entries of a PO file, the header (empty msgid) left out."""
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
    except (OSError, UnicodeDecodeError) as e:
        raise PoError(f"{path}: cannot be read as UTF-8: {e}")
    entries, current, field = [], None, None

    def finish():
        nonlocal current
        if current is not None and current.msgid is not None:
            if current.msgstr is None and not current.obsolete:
                raise PoError(f"{path}:{current.line}: msgid without msgstr")
            entries.append(current)
        current = None

    for number, raw in enumerate(lines, 1):
        where = f"{path}:{number}"
        line = raw.strip()
        if not line:
            finish()
            field = None
            continue
        if line.startswith("#") and current is not None and current.msgstr is not None \
                and not current.obsolete:
            finish()  # a comment after a msgstr opens the next entry
            field = None
        if line.startswith("#~"):
            if current is None:
                current = Entry(number)
            current.obsolete = True
            current.msgid = current.msgid or "(obsolete)"
            current.msgstr = ""
            continue
        if line.startswith("#,"):
            if current is None:
                current = Entry(number)
            current.fuzzy = current.fuzzy or "fuzzy" in [f.strip() for f in line[2:].split(",")]
            continue
        if line.startswith("#"):
            if current is None:
                current = Entry(number)
            continue
        keyword, _, rest = line.partition(" ")
        if keyword in ("msgctxt", "msgid", "msgid_plural", "msgstr") or keyword.startswith("msgstr["):
            if keyword in ("msgctxt", "msgid") and current is not None and current.msgid is not None:
                finish()
            if current is None:
                current = Entry(number)
            value = unquote(rest, where)
            if keyword == "msgctxt":
                current.context, field = value, "context"
            elif keyword == "msgid":
                current.msgid, field = value, "msgid"
            elif keyword == "msgid_plural":
                current.plural, field = True, None
            else:
                if keyword.startswith("msgstr["):
                    current.plural = True
                current.msgstr, field = value, "msgstr"
        elif line.startswith('"'):
            if current is None or field is None:
                raise PoError(f"{where}: a string continues nothing")
            setattr(current, field, getattr(current, field) + unquote(line, where))
        else:
            raise PoError(f"{where}: not PO syntax: {line}")
    finish()
    return [e for e in entries if not (e.msgid == "" and e.context is None)]


def read_languages(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            parts = line.split(None, 4)
            if len(parts) != 5:
                raise PoError(f"{path}:{number}: a row is: code camera catalogue locale name")
            code, camera, catalogue, locale, name = parts
            if not code.isdigit() or not camera.isdigit() or int(code) < 1:
                raise PoError(f"{path}:{number}: code and camera byte must be positive numbers")
            rows.append({"code": int(code), "camera": int(camera),
                         "catalogue": None if catalogue == "-" else catalogue,
                         "locale": locale, "name": name, "line": number})
    codes = [r["code"] for r in rows]
    if len(set(codes)) != len(codes):
        raise PoError(f"{path}: a code stands on two rows")
    if sorted(codes) != codes:
        raise PoError(f"{path}: the rows must be in the order of their codes")
    if sum(1 for r in rows if r["catalogue"] is None) != 1:
        raise PoError(f"{path}: exactly one row (English) goes without a catalogue")
    return rows


def check_catalogue(path, template, entries):
    """The problems of a catalogue against the template, one line each."""
    problems = []
    seen = {}
    for e in entries:
        name = f'msgid "{e.msgid}"' + (f' (msgctxt "{e.context}")' if e.context else "")
        if e.obsolete:
            problems.append(f"{path}:{e.line}: obsolete entry; remove it")
            continue
        if e.plural:
            problems.append(f"{path}:{e.line}: {name}: plural forms are not used")
            continue
        if e.key not in template:
            problems.append(f"{path}:{e.line}: {name} is not in the template")
            continue
        if e.key in seen:
            problems.append(f"{path}:{e.line}: {name} stands twice")
            continue
        seen[e.key] = e
        if e.fuzzy:
            problems.append(f"{path}:{e.line}: {name} is fuzzy")
        elif e.msgstr == "":
            problems.append(f"{path}:{e.line}: {name} has no translation")
        elif sorted(PLACEHOLDER.findall(e.msgstr)) != sorted(PLACEHOLDER.findall(e.msgid)):
            problems.append(f"{path}:{e.line}: {name}: the translation's placeholders "
                            f"{sorted(PLACEHOLDER.findall(e.msgstr))} differ from "
                            f"{sorted(PLACEHOLDER.findall(e.msgid))}")
    for key in template:
        if key not in seen:
            context, msgid = key
            problems.append(f'{path}: no entry for msgid "{msgid}"'
                            + (f' (msgctxt "{context}")' if context else ""))
    return problems, seen


def cpp_string(text):
    out = ['"']
    for ch in text:
        if ch == "\\":
            out.append("\\\\")
        elif ch == '"':
            out.append('\\"')
        elif ch == "\n":
            out.append("\\n")
        elif ch == "\r":
            out.append("\\r")
        elif ch == "\t":
            out.append("\\t")
        elif ord(ch) < 0x20:
            out.append("\\%03o" % ord(ch))
        else:
            out.append(ch)
    out.append('"')
    return "".join(out)


def utf8_key(key):
    return (key[0].encode("utf-8"), key[1].encode("utf-8"))


def generate(rows, catalogues, template_size):
    out = ["// Generated by cmake/po_to_cpp.py from po/languages.txt and po/*.po: do not edit.",
           '#include "text/languages.h"', "", "namespace quelmo {", "namespace {", ""]
    for row in rows:
        name = row["catalogue"]
        if name is None:
            continue
        entries = catalogues[name]
        ident = "k" + re.sub(r"[^A-Za-z0-9]", "_", name)
        row["ident"] = ident
        out.append(f"// po/{name}.po: {len(entries)} of {template_size} texts")
        out.append(f"constexpr CatalogueEntry {ident}[] = {{")
        for key in sorted(entries, key=utf8_key):
            out.append(f"    {{{cpp_string(key[0])}, {cpp_string(key[1])}, "
                       f"{cpp_string(entries[key])}}},")
        if not entries:
            out.append('    {"", "", ""},')
        out.append("};")
        out.append("")
    out.append("constexpr LanguageRow kRows[] = {")
    for row in rows:
        if row["catalogue"] is None:
            cat = "{}"
        elif catalogues[row["catalogue"]]:
            cat = row["ident"]
        else:
            cat = "{}"
        out.append(f'    {{{row["code"]}, {row["camera"]}, {cpp_string(row["catalogue"] or "")}, '
                   f'{cpp_string(row["locale"])}, {cpp_string(row["name"])}, {cat}}},')
    out.append("};")
    out += ["", "}  // namespace", "",
            "std::span<const LanguageRow> LanguageRows() { return kRows; }",
            f"std::size_t TemplateTextCount() {{ return {template_size}; }}", "",
            "}  // namespace quelmo", ""]
    return "\n".join(out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--languages", required=True)
    parser.add_argument("--template", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--unfinished", default="",
                        help="catalogues whose gaps only warn (comma-separated)")
    args = parser.parse_args()
    unfinished = {name for name in args.unfinished.replace(";", ",").split(",") if name}
    try:
        rows = read_languages(args.languages)
        template_entries = parse_po(args.template)
        template = {}
        for e in template_entries:
            if e.key in template:
                raise PoError(f"{args.template}:{e.line}: msgid \"{e.msgid}\" stands twice")
            template[e.key] = e
        folder = os.path.dirname(os.path.abspath(args.languages))
        catalogues, failures = {}, []
        for row in rows:
            name = row["catalogue"]
            if name is None:
                continue
            path = os.path.join(folder, name + ".po")
            if not os.path.isfile(path):
                failures.append(f"{args.languages}:{row['line']}: the row of {row['name']} names "
                                f"{path}, which does not exist")
                continue
            problems, seen = check_catalogue(path, template, parse_po(path))
            # Only translations that passed every check go into the program.
            good = {k: e.msgstr for k, e in seen.items() if not e.fuzzy and e.msgstr
                    and sorted(PLACEHOLDER.findall(e.msgstr)) == sorted(PLACEHOLDER.findall(e.msgid))}
            catalogues[name] = good
            if problems and name in unfinished:
                # Until it is finished, its gaps show the English text.
                catalogues[name] = {k: good.get(k, k[1]) for k in template}
                print(f"po_to_cpp: warning: {path} is unfinished: {len(template) - len(good)} of "
                      f"{len(template)} texts show in English", file=sys.stderr)
            else:
                failures += problems
        if failures:
            for line in failures[:40]:
                print("po_to_cpp: error: " + line, file=sys.stderr)
            if len(failures) > 40:
                print(f"po_to_cpp: error: ... and {len(failures) - 40} more", file=sys.stderr)
            return 1
        text = generate(rows, catalogues, len(template))
    except PoError as e:
        print("po_to_cpp: error: " + str(e), file=sys.stderr)
        return 1
    # Rewrite only on change, so that an unchanged catalogue rebuilds nothing.
    try:
        with open(args.output, encoding="utf-8") as f:
            if f.read() == text:
                return 0
    except OSError:
        pass
    with open(args.output, "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
