#!/usr/bin/env python3
"""Checks an exported encyclopedia. Every page is parsed as HTML: it must open with its doctype,
close every element it opens in the order it opened them, close no element it did not open and
keep no template tag. Every href and src must name a file of the export, resolved from the page's
folder as a browser does (a backslash is a slash), and so must every week that a week list
offers (its script opens "SeasonDetail/Season details week<n>.htm", or "Season details.htm" for
the value -1, from the page's folder). Prints the pages and links checked and the
faults; exits 1 on any fault or when there is no page."""
import html.parser
import os
import sys
import urllib.parse

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "source",
        "track", "wbr"}


class PageChecker(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.links, self.faults = [], [], []
        self.doctype = False
        self.in_week_list = False
        self.weeks = []

    def handle_decl(self, decl):
        self.doctype = self.doctype or decl.lower() == "doctype html"

    def handle_starttag(self, tag, attrs):
        if tag.startswith("gdx:"):
            self.faults.append("template tag <%s> left on the page" % tag)
        for name, value in attrs:
            if name in ("href", "src"):
                if not value:
                    self.faults.append("empty %s in <%s>" % (name, tag))
                else:
                    self.links.append(value)
        values = dict(attrs)
        if tag == "select":
            self.in_week_list = values.get("name") == "week"
        elif tag == "option" and self.in_week_list and values.get("value") != "-100":
            self.weeks.append(values.get("value"))
        if tag not in VOID:
            self.stack.append((tag, self.getpos()[0]))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.stack.pop()

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        if not self.stack or self.stack[-1][0] != tag:
            opened = self.stack[-1] if self.stack else ("nothing", 0)
            self.faults.append("line %d: </%s> closes <%s> of line %d" %
                               (self.getpos()[0], tag, opened[0], opened[1]))
            if tag in (t for t, _ in self.stack):
                while self.stack.pop()[0] != tag:
                    pass
            return
        self.stack.pop()

    def finish(self):
        self.close()
        if not self.doctype:
            self.faults.append("no <!DOCTYPE html>")
        for tag, line in self.stack:
            self.faults.append("<%s> of line %d never closed" % (tag, line))


def resolve(page, link):
    link = urllib.parse.unquote(link.replace("\\", "/").split("#")[0])
    return os.path.normpath(os.path.join(os.path.dirname(page), link))


def main(root):
    pages, links, faults = 0, 0, []
    for folder, _, files in os.walk(root):
        for name in sorted(files):
            if not name.endswith(".htm"):
                continue
            path = os.path.join(folder, name)
            pages += 1
            checker = PageChecker()
            with open(path, encoding="cp1252", errors="replace") as page:
                checker.feed(page.read())
            checker.finish()
            faults += ["%s: %s" % (path, f) for f in checker.faults]
            in_weeks = os.path.basename(folder) == "SeasonDetail"
            for week in checker.weeks:
                name = "Season details%s.htm" % ("" if week == "-1" else " week" + week)
                checker.links.append(name if in_weeks else "SeasonDetail/" + name)
            for link in checker.links:
                links += 1
                if urllib.parse.urlsplit(link).scheme or not os.path.isfile(resolve(path, link)):
                    faults.append("%s: broken link %s" % (path, link))
    print("pages", pages, "links", links)
    for fault in faults[:40]:
        print(fault)
    print("faults", len(faults))
    return 1 if faults or pages == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
