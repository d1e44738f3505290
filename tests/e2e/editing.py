"""End to end: new documents of each kind, the block commands on a selection (indent, unindent,
case, commenting) and the conversion of plain text typed on the page "Lumbrix-er".

Usage: editing.py PROGRAM WORK_DIR SHOTS_DIR   (run by atspi-session.sh)
"""

import sys

import pyatspi

from atspi_driver import (check, children, click, code_text, documents, finish, first,
                          focus_frame, key, quit_program, run_menu, shot, start, text_of,
                          type_text, wait_for)

# New-document commands: (how, caption, what the text must hold).
NEW_DOCUMENTS = [
    (("key", "F4"), "НовыйФайл.htm", ["<!DOCTYPE HTML PUBLIC", "<html>", "Lumbrix 0.8.1",
                                      "</body>"]),
    (("menu", "JavaScript"), "НовыйФайл.js", []),
    (("menu", "VRML"), "НовыйФайл.wrl", ["#VRML"]),
    (("menu", "пустой"), "НовыйФайл.htm", []),
]

LINES = "один\r\nДва"
# Block commands on the whole text: (menu item or key, the text after it).
BLOCK_COMMANDS = [
    ("ctrl+i", "  один\r\n  Два"),
    ("ctrl+u", LINES),
    ("РЕГИСТР", "ОДИН\r\nДВА"),
    ("регистр", "один\r\nдва"),
    ("Закомментировать", "<!--один\r\nдва-->"),
]


def newest(before):
    """The document window a command added: the frame lists its windows in creation order."""
    now = documents()
    return now[-1] if len(now) == len(before) + 1 else None


def pane_of(doc):
    return first(doc, pyatspi.ROLE_TEXT, "HTML код")


def new_documents():
    empty = None
    for (how, what), caption, parts in NEW_DOCUMENTS:
        before = documents()
        focus_frame()
        if how == "key":
            key(what)
        else:
            run_menu(what)
        doc = wait_for(lambda: newest(before), 5)
        if not check(doc is not None, "%s makes a new document window" % what):
            continue
        check(doc.name == caption, '%s: the window is "%s" (%s)' % (what, caption, doc.name))
        text = text_of(pane_of(doc))
        check(all(p in text for p in parts), "%s: the text holds %s" % (what, ", ".join(parts)))
        if what == "пустой":
            check(text == "", "пустой: the document is empty")
            empty = doc
    shot("new-documents.png")
    return empty


def block_commands(doc):
    pane = pane_of(doc)
    click(pane)
    type_text(LINES.replace("\r\n", "\n"))
    check(wait_for(lambda: text_of(pane) == LINES, 3) is not None,
          "two typed lines reach the empty document (%r)" % text_of(pane))
    # The focus stays in the code pane: menu items run through their accessible actions.
    for command, expected in BLOCK_COMMANDS:
        key("ctrl+a")
        if command.startswith("ctrl+"):
            key(command)
        else:
            run_menu(command)
        check(wait_for(lambda: text_of(pane) == expected, 3) is not None,
              "%s on the selected lines gives %r (%r)" % (command, expected, text_of(pane)))
    shot("block-commands.png")
    key("ctrl+a", "Delete")


def convert_plain_text(doc):
    """Page "Lumbrix-er": a tab before a line makes it a heading, other lines become paragraphs
    and the guillemets entities; the code pane receives the HTML at its caret."""
    tabs = first(doc, pyatspi.ROLE_PAGE_TAB_LIST)
    plain_tab = first(tabs, pyatspi.ROLE_PAGE_TAB, "Lumbrix-er")
    if not check(plain_tab is not None, 'the document window has the page "Lumbrix-er"'):
        return
    click(plain_tab)
    panes = [t for t in doc_texts(doc) if t.name != "HTML код" and visible(t)]
    if not check(len(panes) == 1, "the page shows one plain-text pane (%d)" % len(panes)):
        return
    click(panes[0])
    type_text("\tЗаголовок\nПервый абзац «цитата»")
    check(wait_for(lambda: "цитата»" in text_of(panes[0]), 3) is not None,
          "the typed text reaches the plain-text pane")
    shot("plain-text.png")
    click(first(tabs, pyatspi.ROLE_PAGE_TAB, "HTML код"))
    convert = first(doc, pyatspi.ROLE_PUSH_BUTTON, "Lumbrix!")
    if check(convert is not None, 'the code page has the button "Lumbrix!"'):
        click(convert)
        expected = "<h1>Заголовок</h1>\r\n<p>Первый абзац &laquo;цитата&raquo;</p>\r\n"
        pane = pane_of(doc)
        check(wait_for(lambda: text_of(pane) == expected, 3) is not None,
              '"Lumbrix!" puts the converted text into the code pane (%r)' % text_of(pane))
        shot("converted.png")


def doc_texts(doc):
    found = []

    def walk(acc):
        for c in children(acc):
            if c.getRole() == pyatspi.ROLE_TEXT:
                found.append(c)
            walk(c)
    walk(doc)
    return found


def visible(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def main():
    program = start()
    try:
        empty = new_documents()
        if empty is not None:
            block_commands(empty)
            convert_plain_text(empty)
        quit_program(program, "Нет")
    finally:
        status = finish("editing", program)
    return status


if __name__ == "__main__":
    sys.exit(main())
