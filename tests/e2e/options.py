"""End to end: the options dialog writes the settings file when confirmed, a new start of the
program reads it back, and the highlighting switched on there colours what is typed.

Usage: options.py PROGRAM WORK_DIR SHOTS_DIR   (run by atspi-session.sh)
"""

import os
import subprocess
import sys

import pyatspi

from atspi_driver import (WORK, answer, check, click, code_pane, dialog, documents, finish,
                          first, focus_frame, key, quit_program, shot, start, text_of,
                          type_text, unnamed_controls, wait_for)

SETTINGS = os.path.join(WORK, "config", "Orvane", "lmbx.reg")
USER = "Иван Петров"


def checked(acc):
    return acc.getState().contains(pyatspi.STATE_CHECKED)


def open_options():
    focus_frame()
    key("F10")
    return dialog("Настройки")


def page(options, caption):
    tab = first(options, pyatspi.ROLE_PAGE_TAB, caption)
    if check(tab is not None, "the options have the page " + caption):
        click(tab)
    return tab is not None


def change_options():
    options = open_options()
    if not check(options is not None, 'F10 opens "Настройки"'):
        return
    nameless = unnamed_controls(options)
    check(not nameless, "every control of the options has a name (%s)" % ", ".join(nameless))
    user = first(options, pyatspi.ROLE_TEXT, "Имя пользователя")
    click(user)
    key("ctrl+a")
    type_text(USER)
    if page(options, "Редактор кода"):
        tab_size = first(options, pyatspi.ROLE_SPIN_BUTTON, "Размер табуляции")
        click(tab_size)
        key("ctrl+a")
        type_text("4")
    if page(options, "Синтаксис"):
        switch = first(options, pyatspi.ROLE_CHECK_BOX,
                       "Включить подсветку синтаксиса HTML, JS, C++")
        check(switch is not None and not checked(switch), "highlighting starts switched off")
        click(switch)
        check(wait_for(lambda: checked(switch), 2) is not None, "a click switches it on")
    shot("options-changed.png")
    answer(options, "ДА")
    check(wait_for(lambda: dialog("Настройки", 0) is None, 3) is not None, "ДА closes the options")


def settings_file():
    saved = wait_for(lambda: os.path.exists(SETTINGS) and open(SETTINGS, "rb").read(), 3) or b""
    lines = saved.split(b"\r\n")
    check(lines[0] == b"REGEDIT4" and b"[HKEY_CURRENT_USER\\Software\\Orvane\\lmbx]" in lines,
          "the settings file begins with REGEDIT4 and has the program's key (%r)" % lines[:3])
    for line in ('"USER"="%s"' % USER, '"TS"=dword:00000004', '"SO"=dword:00000001'):
        check(line.encode("cp1251") in lines, "the settings file holds " + line)


def options_read_back():
    options = open_options()
    if not check(options is not None, 'after a new start F10 opens "Настройки" again'):
        return
    user = first(options, pyatspi.ROLE_TEXT, "Имя пользователя")
    check(text_of(user) == USER, "the user name came back (%r)" % text_of(user))
    spin = first(options, pyatspi.ROLE_SPIN_BUTTON, "Размер табуляции")
    check(spin is not None and spin.queryValue().currentValue == 4,
          "the tab size came back as 4")
    switch = first(options, pyatspi.ROLE_CHECK_BOX, "Включить подсветку синтаксиса HTML, JS, C++")
    check(switch is not None and checked(switch), "highlighting is still switched on")
    answer(options, "Отмена")


def colour_at(pane, offset):
    """The text colour the code pane shows at a character, from the accessibility tree."""
    attributes = pane.queryText().getAttributeRun(offset, False)[0]
    return dict(a.split(":", 1) for a in attributes if ":" in a).get("fg-color")


def highlighting():
    focus_frame()
    key("F4")
    new = wait_for(lambda: len(documents()) == 1 and documents()[0], 4)
    if not check(bool(new), "F4 opens a new document"):
        return
    pane = code_pane(new.name)
    check('<meta name="author" content="%s" />' % USER in text_of(pane),
          "the new page names the user of the options as its author")
    type_text("<b>жирный</b>")
    where = wait_for(lambda: text_of(pane).find("<b>жирный</b>") + 1, 3)
    if not check(bool(where), "the typed markup reaches the code pane"):
        return
    tag, word = where - 1, where + 2
    plain = colour_at(pane, word)
    check(wait_for(lambda: colour_at(pane, tag) not in (plain, None), 6) is not None,
          "two seconds after typing, the tag shows a colour of its own (%s; the text %s)"
          % (colour_at(pane, tag), plain))
    shot("highlighted.png")


def main():
    program = start()
    try:
        change_options()
        settings_file()
        quit_program(program)
        program = start()
        options_read_back()
        highlighting()
        quit_program(program, "Нет")
    finally:
        status = finish("options", program)
    return status


if __name__ == "__main__":
    sys.exit(main())
