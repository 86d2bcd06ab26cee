#!/usr/bin/env python3
"""Checks an exported encyclopedia: every page parses as HTML with its tags paired, and every
href and src names a file of the export. Prints the page count; exits 1 on the first faults."""
import html.parser
import os
import sys
import urllib.parse

VOID = {"meta", "link", "img", "br", "hr", "input", "option"}


class PageChecker(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.links, self.faults = [], [], []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("href", "src") and value is not None:
                self.links.append(value)
        if tag not in VOID:
            self.stack.append(tag)

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        if tag in self.stack:
            while self.stack and self.stack.pop() != tag:
                pass
        elif tag != "a":  # a link the league could not fill leaves its closing tag alone
            self.faults.append("stray </%s>" % tag)


def resolve(page, link):
    link = urllib.parse.unquote(link.replace("\\", "/"))
    return os.path.normpath(os.path.join(os.path.dirname(page), link))


def main(root):
    pages, faults = 0, []
    for folder, _, files in os.walk(root):
        for name in files:
            if not name.endswith(".htm"):
                continue
            path = os.path.join(folder, name)
            pages += 1
            checker = PageChecker()
            with open(path, encoding="cp1252", errors="replace") as page:
                checker.feed(page.read())
            checker.close()
            faults += ["%s: %s" % (path, f) for f in checker.faults]
            for link in checker.links:
                if not os.path.isfile(resolve(path, link)):
                    faults.append("%s: broken link %s" % (path, link))
    print("pages", pages)
    for fault in faults[:40]:
        print(fault)
    print("faults", len(faults))
    return 1 if faults or pages == 0 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
