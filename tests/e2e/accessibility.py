"""End to end through the accessibility tree.

Starts the real program with two files, drives it with keys (xdotool) and reads what it shows
through AT-SPI: the frame, its document windows (which are no X windows), dialogs and message
boxes, found by role and name, and the code pane's text. Every check is reported; the run fails
when any check fails. Screenshots are left for a person to look at.

Usage: accessibility.py PROGRAM WORK_DIR SHOTS_DIR   (run by atspi-session.sh)
"""

import os
import subprocess
import sys
import time

import pyatspi

from atspi_driver import (WORK, check, code_text, descendants, document, documents,
                          extents, finish, focus_frame, frame, inside, key, menu_item, overlaps,
                          press, shot, start, texts_of, top_level, unnamed_controls, wait_for)

PAGE = os.path.join(WORK, "page.htm")
STYLE = os.path.join(WORK, "style.css")
PAGE_TEXT = "<html>\r\n<head><title>E2E</title></head>\r\n<body>\r\n<p>text</p>\r\n</body>\r\n</html>"


def main():
    with open(PAGE, "wb") as f:
        f.write(PAGE_TEXT.encode("cp1251"))
    with open(STYLE, "wb") as f:
        f.write(b"p { color: red }\n")
    program = start(STYLE, PAGE)
    try:
        run(program)
    finally:
        status = finish("accessibility", program)
    return status


def run(program):
    if frame() is None:
        return
    # Opening two files shows two document windows with their captions; the last is active.
    check(wait_for(lambda: document("style.css") and document("page.htm")) is not None,
          "two document windows: style.css and page.htm")
    check(wait_for(lambda: code_text("page.htm") == PAGE_TEXT) is not None,
          "the code pane of page.htm shows the file")
    focus_frame()
    shot("frame-documents.png")
    nameless = unnamed_controls(frame())
    check(not nameless, "every control of the frame has a name (%s)" % ", ".join(nameless))

    # The caret stands at the end of the line above "</body>": Ctrl+I indents that line by two
    # spaces, Ctrl+U takes them away again.
    indented = PAGE_TEXT.replace("<p>text</p>", "  <p>text</p>")
    key("ctrl+i")
    check(wait_for(lambda: code_text("page.htm") == indented, 3) is not None,
          "Ctrl+I indents the caret line")
    key("ctrl+u")
    check(wait_for(lambda: code_text("page.htm") == PAGE_TEXT, 3) is not None,
          "Ctrl+U unindents the caret line")

    # Ctrl+W belongs to the preview command: it never closes the document window.
    key("ctrl+w")
    time.sleep(0.5)
    check(document("page.htm") is not None and len(documents()) == 2 and
          top_level(pyatspi.ROLE_ALERT, "Закрытие") is None,
          "Ctrl+W leaves both document windows open and asks nothing")
    focus_frame()

    # F2 writes the code pane's text to the file.
    key("End")
    subprocess.run(["xdotool", "type", "--delay", "20", " e2e"], check=True)
    edited = wait_for(lambda: code_text("page.htm") if "e2e" in code_text("page.htm") else None, 3)
    check(edited is not None, "typing reaches the code pane")
    key("F2")
    time.sleep(0.5)
    with open(PAGE, "rb") as f:
        saved = f.read().decode("cp1251")
    check(edited is not None and saved == edited, "F2 saves the code pane's text to page.htm")

    # Ctrl+G and Ctrl+L open the go-to dialog; Esc closes it.
    for keys, where in (("ctrl+g", None), ("ctrl+l", "к Строке номер :")):
        key(keys)
        dialog = wait_for(lambda: top_level(pyatspi.ROLE_DIALOG, "Перейти"), 4)
        if check(dialog is not None, keys + ' opens the go-to dialog "Перейти"'):
            shown = texts_of(dialog)
            check("ДА" in shown and "Отмена" in shown, keys + ": the dialog shows ДА and Отмена")
            if where:
                check(where in shown, keys + ": the dialog is fixed on " + where)
            key("Escape")
            check(wait_for(lambda: top_level(pyatspi.ROLE_DIALOG, "Перейти") is None, 4),
                  keys + ": Esc closes the go-to dialog")
        focus_frame()

    # F4 makes a new HTML document window.
    key("F4")
    check(wait_for(lambda: len(documents()) == 3, 4),
          "F4 opens a third document window")
    new = [d for d in documents() if d.name not in ("style.css", "page.htm")]
    if check(len(new) == 1 and new[0].name == "НовыйФайл.htm",
             'the new document window is "НовыйФайл.htm"'):
        skeleton = code_text("НовыйФайл.htm")
        check("<html" in skeleton and "</body>" in skeleton, "the new document holds a page")
        # Alt+Backspace undoes typing.
        subprocess.run(["xdotool", "type", "--delay", "20", "undo me"], check=True)
        check(wait_for(lambda: "undo me" in code_text("НовыйФайл.htm"), 3),
              "typing reaches the new document")
        key("alt+BackSpace")
        check(wait_for(lambda: code_text("НовыйФайл.htm") == skeleton, 3) is not None,
              "Alt+Backspace undoes the typing")

    # Shift+F1 shows the About box; it is read, then closed.
    key("shift+F1")
    about = wait_for(lambda: top_level(pyatspi.ROLE_DIALOG, "About"), 4)
    if check(about is not None, "Shift+F1 opens the About box"):
        shown = texts_of(about)
        check("О программе" in shown and "Версия 0.8.1" in shown,
              "the About box shows its title and version")
        key("Escape")
        check(wait_for(lambda: top_level(pyatspi.ROLE_DIALOG, "About") is None, 4),
              "Esc closes the About box")
    focus_frame()

    # Five windows tiled stay inside the frame's client area.
    key("F4")
    key("F4")
    check(wait_for(lambda: len(documents()) == 5, 4),
          "five document windows (%s)" % ", ".join(d.name for d in documents()))
    mdi = descendants(frame(), pyatspi.ROLE_LAYERED_PANE, "Документы")
    for caption in ("&Разделить горизонтально", "Р&азделить вертикально"):
        plain = caption.replace("&", "")
        item = menu_item(plain)
        if check(item is not None and bool(mdi), "the window menu has " + plain):
            press(item)
            time.sleep(0.5)
            area = extents(mdi[0])
            check(all(inside(extents(d), area) for d in documents()),
                  plain + ": every window inside the client area")
            if caption.startswith("&"):
                shot("tiled-5-horizontal.png")
            else:
                shot("tiled-5-vertical.png")

    # F1 opens the help window beside the frame, clear of its menu bar.
    focus_frame()
    key("F1")
    help_window = wait_for(lambda: top_level(pyatspi.ROLE_FRAME, "Справка Lumbrix"), 4)
    if check(help_window is not None, 'F1 opens the help window "Справка Lumbrix"'):
        bars = descendants(frame(), pyatspi.ROLE_MENU_BAR)
        check(bars and not overlaps(extents(help_window), extents(bars[0])),
              "the help window leaves the frame's menu bar free")
        shot("help-beside-frame.png")

    # Quit with help open: the documents ask, the answer No closes them, and the whole program
    # ends, help window included.
    focus_frame()
    key("ctrl+q")
    question = wait_for(lambda: top_level(pyatspi.ROLE_ALERT, "Закрытие"), 4)
    while question is not None:
        check("Записать" in texts_of(question), 'the close question asks "Записать ...?"')
        no = descendants(question, pyatspi.ROLE_PUSH_BUTTON, "Нет")
        if not check(bool(no), 'the close question has "Нет"'):
            break
        press(no[0])
        time.sleep(0.3)
        question = wait_for(lambda: top_level(pyatspi.ROLE_ALERT, "Закрытие"), 1.5)
    try:
        program.wait(timeout=5)
    except subprocess.TimeoutExpired:
        pass
    check(program.poll() is not None, "Ctrl+Q with the help window open ends the program")


if __name__ == "__main__":
    sys.exit(main())
