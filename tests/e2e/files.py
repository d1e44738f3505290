"""End to end: start-up with a command line, open/edit/save in every encoding and line-end style
compared byte for byte on disk, and the close question with each of its answers.

Usage: files.py PROGRAM WORK_DIR SHOTS_DIR   (run by atspi-session.sh)
"""

import os
import subprocess
import sys

import pyatspi

from atspi_driver import (WORK, alert, answer, check, choose, click, code_pane, code_text,
                          descendants, document, documents, extents, finish, first, focus_frame, focus_window, key,
                          menu_item, press, quit_program, read_bytes, shot, start, texts_of,
                          type_text, wait_for)

PAGE = "<html>\n<body>\n<p>Мир</p>\n</body>\n</html>"
TYPED = " Ёжик «ok»"
CODECS = {"WIN": "cp1251", "KOI8": "koi8_r", "ISO": "iso8859_5"}
# Every encoding with each line-end style: (file name, encoding box entry, line-end box entry).
CASES = [("%s-%s.htm" % (enc.lower(), "lf" if lf == "LF" else "crlf"), enc, lf)
         for enc in ("WIN", "KOI8", "ISO") for lf in ("CR+LF", "LF")]
STYLE = b"\xd1\xf2\xe8\xeb\xfc.css"  # "Стиль.css" in Windows-1251, as old archives unpack
SHOWN_STYLE = "%D1%F2%E8%EB%FC.css"


def eol(text, style):
    return text.replace("\n", "\r\n") if style == "CR+LF" else text


def file_bytes(text, enc, style):
    """What the program must write: HTML files in KOI8 or ISO take entities for the characters
    those code pages lack."""
    if enc != "WIN":
        text = text.replace("«", "&laquo;").replace("»", "&raquo;")
    return eol(text, style).encode(CODECS[enc])


def write(name, data):
    with open(os.path.join(WORK, name) if isinstance(name, str) else os.path.join(
            os.fsencode(WORK), name), "wb") as f:
        f.write(data)


def activate(caption):
    """Cascades the windows, so that every title bar shows, and clicks the document window's
    title bar, which raises it and makes it the active one; then clicks into its code pane and
    puts the caret at the end of the text."""
    focus_frame()
    press(menu_item("Каскадом все"))
    e = extents(document(caption))
    subprocess.run(["xdotool", "mousemove", "--sync", str(e.x + e.width // 3), str(e.y + 8),
                    "click", "1"], check=True)
    pane = code_pane(caption)
    click(pane)
    key("ctrl+End")
    return pane


def start_up():
    for name, enc, style in CASES:
        write(name, file_bytes(PAGE, enc, style))
    for name in ("close-yes.htm", "close-no.htm"):
        write(name, eol(PAGE, "CR+LF").encode("cp1251"))
    write(STYLE, b"p { color: red }\n")
    write("notes.txt", b"plain\r\n")
    args = [c[0] for c in CASES] + ["missing.htm", "-test", STYLE, "*.txt", "close-yes.htm",
                                    "close-no.htm"]
    program = start(*args)

    # A name that matches nothing is reported in the middle of the list; the rest still opens.
    missing = alert("Ошибка открытия файла", 15)
    if check(missing is not None, 'a missing file is reported: "Ошибка открытия файла"'):
        check("Файла\nmissing.htm\nНЕТ В ПРИРОДЕ!" in texts_of(missing),
              "the report names the missing file: НЕТ В ПРИРОДЕ!")
        shot("missing-file.png")
        focus_window("Ошибка открытия файла")
        key("Return")
    # A name the code page cannot reach as UTF-8 shows its bytes as %XX; the file is reached by
    # its own name all the same.
    captions = sorted([c[0] for c in CASES] + [SHOWN_STYLE, "notes.txt", "close-yes.htm",
                                               "close-no.htm"])
    opened = wait_for(lambda: sorted(d.name for d in documents()) == captions, 15)
    check(opened is not None, "every existing file on the command line has its window, the "
          "Windows-1251 name, the wild card's match and none for -test (%s)"
          % ", ".join(sorted(d.name for d in documents())))
    check(wait_for(lambda: code_text(SHOWN_STYLE) == "p { color: red }\r\n", 3) is not None,
          "the file with the Windows-1251 name shows its text")
    return program


def encodings():
    for name, enc, style in CASES:
        pane = activate(name)
        doc = document(name)
        boxes = descendants(doc, pyatspi.ROLE_COMBO_BOX)
        encoding, line_end = boxes[0], boxes[1]
        check(line_end.name == style, "%s: the line-end box shows %s" % (name, line_end.name))
        if enc != "WIN":
            check(choose(encoding, enc), "%s: %s picked in the encoding box" % (name, enc))
            if style == "CR+LF":
                check(choose(line_end, style), "%s: CR+LF picked again" % name)
        shown = eol(PAGE, "CR+LF")
        check(wait_for(lambda: code_text(name) == shown, 3) is not None,
              "%s: the code pane shows the Cyrillic text (%r)" % (name, code_text(name)))
        click(pane)
        key("ctrl+End")
        type_text(TYPED)
        check(wait_for(lambda: code_text(name).endswith(TYPED), 3) is not None,
              "%s: typed Cyrillic reaches the code pane (%r)" % (name, code_text(name)[-20:]))
        key("F2")
        expected = file_bytes(PAGE + TYPED, enc, style)
        check(wait_for(lambda: read_bytes(os.path.join(WORK, name)) == expected, 3) is not None,
              "%s: F2 writes exactly %r" % (name, expected))
    shot("encodings.png")


def close_question():
    path = os.path.join(WORK, "close-yes.htm")
    before = read_bytes(path)
    activate("close-yes.htm")
    type_text(" да")
    key("Escape")
    question = alert("Закрытие")
    if check(question is not None, 'Esc on a changed document asks "Закрытие"'):
        shown = texts_of(question)
        check("Записать " in shown and "close-yes.htm?" in shown,
              "the question names the file: Записать ...close-yes.htm?")
        check(all(button(question, b) for b in ("Да", "Нет", "Отмена")),
              "the question offers Да, Нет and Отмена")
        shot("close-question.png")
        answer(question, "Отмена")
    check(wait_for(lambda: alert("Закрытие", 0) is None, 3) and document("close-yes.htm"),
          "Отмена keeps the window")
    check(read_bytes(path) == before, "Отмена leaves the file as it was")
    check(code_text("close-yes.htm").endswith("</html> да"),
          "Отмена keeps the edit (%r)" % code_text("close-yes.htm")[-12:])

    activate("close-yes.htm")
    key("Escape")
    question = alert("Закрытие")
    if check(question is not None, "Esc asks again"):
        answer(question, "Да")
    check(wait_for(lambda: document("close-yes.htm") is None, 4) is not None,
          "Да closes the window")
    check(read_bytes(path) == before + " да".encode("cp1251"), "Да saves the edit first")

    path = os.path.join(WORK, "close-no.htm")
    before = read_bytes(path)
    activate("close-no.htm")
    type_text(" нет")
    key("Escape")
    question = alert("Закрытие")
    if check(question is not None, "a second changed document asks too"):
        answer(question, "Нет")
    check(wait_for(lambda: document("close-no.htm") is None, 4) is not None,
          "Нет closes the window")
    check(read_bytes(path) == before, "Нет leaves the file as it was")

    activate("notes.txt")
    key("Escape")
    check(wait_for(lambda: document("notes.txt") is None, 4) is not None and
          alert("Закрытие", 0.5) is None, "an unchanged document closes without a question")


def button(window, caption):
    return first(window, pyatspi.ROLE_PUSH_BUTTON, caption)


def main():
    program = start_up()
    try:
        if documents():
            encodings()
            close_question()
        # Every document left is saved: quitting asks nothing.
        quit_program(program, "Отмена")
    finally:
        status = finish("files", program)
    return status


if __name__ == "__main__":
    sys.exit(main())
