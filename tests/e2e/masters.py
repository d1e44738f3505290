"""End to end: the tag master and the attribute master build and insert markup; the find dialog
selects a match, and its replace mode replaces every match and reports the count.

Usage: masters.py PROGRAM WORK_DIR SHOTS_DIR   (run by atspi-session.sh)
"""

import os
import sys

import pyatspi

from atspi_driver import (WORK, alert, answer, check, choose, click, code_pane, descendants,
                          dialog, finish,
                          first, focus_frame, focus_window, key, quit_program, shot, start,
                          text_of, texts_of, type_text, unnamed_controls, wait_for)

PAGE = "<html>\r\n<body>\r\n<table>\r\nкот и кот\r\n</body>\r\n</html>"


def select_line(pane, line):
    """Selects the whole text of a line (counted from 0) with keys."""
    focus_frame()
    key("ctrl+Home")
    for _ in range(line):
        key("Down")
    key("Home", "shift+End")


def selection(pane):
    text = pane.queryText()
    if text.getNSelections() == 0:
        return ""
    start, end = text.getSelection(0)
    return text.getText(start, end)


def tick_and_fill(master, attribute, value):
    box = first(master, pyatspi.ROLE_CHECK_BOX, attribute)
    field = first(master, pyatspi.ROLE_TEXT, "Значение " + attribute)
    if not check(box is not None and field is not None,
                 "the master has the row " + attribute):
        return
    click(box)
    click(field)
    type_text(value)


def tag_master(pane):
    # Tag master: the selection "кот и кот" goes inside an a element with its href.
    select_line(pane, 3)
    check(selection(pane) == "кот и кот", "the caret line is selected")
    key("ctrl+alt+t")
    master = dialog("Мастер тегов")
    if not check(master is not None, 'Ctrl+Alt+T opens "Мастер тегов"'):
        return
    tags = first(master, pyatspi.ROLE_COMBO_BOX, "img")
    check(tags is not None and choose(tags, "a"), 'the tag "a" is picked')
    tick_and_fill(master, "href=", "x.htm")
    shot("tag-master.png")
    nameless = unnamed_controls(master)
    check(not nameless, "every control of the master has a name (%s)" % ", ".join(nameless))
    answer(master, "ДА")
    expected = PAGE.replace("кот и кот", '<a href="x.htm">кот и кот</a>')
    check(wait_for(lambda: text_of(pane) == expected, 4) is not None,
          "ДА puts the built tag around the selection (%r)" % text_of(pane))


def attribute_master(pane):
    # Attribute master on a selected tag name: the name stays, the attribute follows it.
    select_line(pane, 2)
    key("Home", "Right", "shift+ctrl+Right")
    check(selection(pane) == "table", 'the tag name "table" is selected (%r)' % selection(pane))
    key("ctrl+alt+a")
    master = dialog("мастер атрибутов")
    if not check(master is not None, 'Ctrl+Alt+A opens "мастер атрибутов"'):
        return
    check(first(master, pyatspi.ROLE_COMBO_BOX, "table") is not None,
          'the master is fixed on the tag "table"')
    tick_and_fill(master, "width=", "100%")
    shot("attribute-master.png")
    answer(master, "ДА")
    check(wait_for(lambda: "<table width=\"100%\">" in text_of(pane), 4) is not None,
          "ДА writes the attribute after the tag name: <table width=\"100%%\"> (%r)"
          % text_of(pane))


def find_and_replace(pane):
    focus_frame()
    key("ctrl+Home")
    key("ctrl+f")
    finder = dialog("Найти")
    if check(finder is not None, 'Ctrl+F opens "Найти"'):
        nameless = unnamed_controls(finder)
        check(not nameless, "every control of the find dialog has a name (%s)"
              % ", ".join(nameless))
        focus_window("Найти")
        type_text("кот")
        answer(finder, "Найти")
        check(wait_for(lambda: selection(pane) == "кот", 3) is not None,
              '"Найти" selects the first match')
        start = pane.queryText().getSelection(0)[0]
        answer(finder, "Найти далее")
        check(wait_for(lambda: pane.queryText().getSelection(0)[0] == start + 6, 3)
              is not None, '"Найти далее" selects the next match')
        shot("find.png")
    focus_frame()
    key("ctrl+h")
    replacer = dialog("Заменить")
    if not check(replacer is not None, 'Ctrl+H shows the dialog as "Заменить"'):
        return
    what = first(replacer, pyatspi.ROLE_TEXT, "что")
    into = first(replacer, pyatspi.ROLE_TEXT, "на")
    click(what)
    key("ctrl+a")
    type_text("кот")
    click(into)
    type_text("пёс")
    before = text_of(pane)
    answer(replacer, "Заменить BCE")
    report = alert("Поиск завершён")
    if check(report is not None, 'replacing all reports "Поиск завершён"'):
        check("Заменено: 2" in texts_of(report), 'the report says "Заменено: 2"')
        shot("replaced.png")
        click(descendants(report, pyatspi.ROLE_PUSH_BUTTON)[0])
    check(wait_for(lambda: text_of(pane) == before.replace("кот", "пёс"), 3) is not None,
          "every match is replaced (%r)" % text_of(pane))


def main():
    path = os.path.join(WORK, "masters.htm")
    with open(path, "wb") as f:
        f.write(PAGE.encode("cp1251"))
    program = start(path)
    try:
        pane = wait_for(lambda: code_pane("masters.htm"), 10)
        if check(pane is not None, "the page is open"):
            tag_master(pane)
            attribute_master(pane)
            find_and_replace(pane)
        quit_program(program, "Нет")
    finally:
        status = finish("masters", program)
    return status


if __name__ == "__main__":
    sys.exit(main())
