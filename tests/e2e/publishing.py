"""End to end: a document from a template, the publication master (its preview and its
generated styles) and the browser preview. What the program hands to the desktop's opener lands
in a recording stand-in for xdg-open, first on the PATH, which Qt's desktop services call on a
desktop it does not know: the test reads the addresses and the pages they named.

Usage: publishing.py PROGRAM WORK_DIR SHOTS_DIR   (run by atspi-session.sh)
"""

import os
import sys
import urllib.parse

import pyatspi

from atspi_driver import (WORK, answer, check, children, click, code_pane, code_text,
                          descendants, dialog, document, documents, finish, first, focus_frame,
                          frame, key, quit_program, read_bytes, shot, start, text_of,
                          unnamed_controls, wait_for)

HERE = os.path.dirname(os.path.abspath(__file__))
TEMPLATES = os.path.join(HERE, "..", "..", "templates")
RECORD = os.path.join(WORK, "opened")
TEMP = os.path.join(WORK, "tmp")
PAGE = "<html>\r\n<head>\r\n<title>Опыт</title>\r\n</head>\r\n<body>\r\n</body>\r\n</html>"

# Writes each address it is given to a file of its own, and keeps a copy of the page a file
# address names (the publication master deletes its preview page when it closes); the address
# file comes last, so that the copy is whole once the test sees the address.
OPENER = """#!/bin/sh
n=$(ls "%(record)s" | grep -c '[.]url$')
case "$1" in
  file:*) /usr/bin/python3 -c 'import sys, shutil, urllib.parse as u
shutil.copyfile(u.unquote(u.urlparse(sys.argv[1]).path), sys.argv[2])' "$1" "%(record)s/$n.page" ;;
esac
printf '%%s' "$1" > "%(record)s/$n.tmp"
mv "%(record)s/$n.tmp" "%(record)s/$n.url"
"""


def opened():
    """The addresses handed to the opener so far, with the bytes of the pages they named."""
    found = []
    for n in range(len([f for f in os.listdir(RECORD) if f.endswith(".url")])):
        url = open(os.path.join(RECORD, "%d.url" % n)).read()
        page = os.path.join(RECORD, "%d.page" % n)
        found.append((url, read_bytes(page) if os.path.exists(page) else None))
    return found


def environment():
    os.makedirs(RECORD)
    os.makedirs(TEMP)
    bin_dir = os.path.join(WORK, "bin")
    os.makedirs(bin_dir)
    opener = os.path.join(bin_dir, "xdg-open")
    with open(opener, "w") as f:
        f.write(OPENER % {"record": RECORD})
    os.chmod(opener, 0o755)
    env = dict(os.environ)
    env["PATH"] = bin_dir + ":" + env["PATH"]
    env["TMPDIR"] = TEMP
    for name in ("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                 "GNOME_DESKTOP_SESSION_ID", "BROWSER", "DEFAULT_BROWSER"):
        env.pop(name, None)
    return env


def from_template():
    focus_frame()
    key("shift+F4")
    chooser = dialog("Создание из шаблона")
    if not check(chooser is not None, 'Shift+F4 opens "Создание из шаблона"'):
        return
    names = [i.name for i in descendants(chooser, pyatspi.ROLE_LIST_ITEM)]
    wanted = sorted(n[:-4] for n in os.listdir(TEMPLATES) if n.endswith(".htt"))
    check(sorted(names) == wanted, "the list shows the shipped templates (%s)" % ", ".join(names))
    nameless = unnamed_controls(chooser)
    check(not nameless, "every control of the chooser has a name (%s)" % ", ".join(nameless))
    item = first(chooser, pyatspi.ROLE_LIST_ITEM, "Страница")
    if not check(item is not None, 'the list has "Страница"'):
        answer(chooser, "Отмена")
        return
    before = len(documents())
    click(item)
    shot("template-chooser.png")
    answer(chooser, "Создать")
    check(wait_for(lambda: len(documents()) == before + 1, 4) is not None,
          '"Создать" opens a new document window')
    new = documents()[-1]
    template = open(os.path.join(TEMPLATES, "Страница.htt"), "rb").read().decode("cp1251")
    expected = template.replace("OV_PROG_VER", "0.8.1", 1)
    check(text_of(first(new, pyatspi.ROLE_TEXT, "HTML код")) == expected,
          "the new document is the template with the version filled in")
    check(new.name == "НовыйФайл.htm", 'the new document is "НовыйФайл.htm" (%s)' % new.name)


def publication_master(page):
    focus_frame()
    click(first(frame_toolbar(), pyatspi.ROLE_PUSH_BUTTON, "Мастер публикаций"))
    master = dialog("Мастер публикаций")
    if not check(master is not None, 'the tool button opens "Мастер публикаций"'):
        return
    shot("publication-master.png")
    nameless = unnamed_controls(master)
    check(not nameless, "every control of the master has a name (%s)" % ", ".join(nameless))
    count = len(opened())
    answer(master, "Просмотр")
    check(wait_for(lambda: len(opened()) == count + 1, 5) is not None,
          '"Просмотр" hands one address to the opener')
    if len(opened()) > count:
        url, shown = opened()[count]
        # The program keeps its temporary files in a folder of its own, one for each user.
        name = os.path.join(TEMP, "lumbrix-%d" % os.getuid(), "$lmbx$.htm")
        check(url == "file://" + urllib.parse.quote(name, safe="/$"), "the address is the "
              "preview page in the temporary folder (%s)" % url)
        text = (shown or b"").decode("cp1251")
        check(text.startswith("<html><head>") and "<style type=\"text/css\">" in text and
              "<h1>Заголовок 1</h1>" in text and "Первый абзац." in text,
              "the preview page holds the styles, sample headings and the test text")
    action = first(master, pyatspi.ROLE_COMBO_BOX,
                   "вставить определение стилей в текущий документ")
    check(action is not None, "with a document open the master inserts into it")
    answer(master, "Сгенерировать")
    check(wait_for(lambda: dialog("Мастер публикаций", 0) is None, 4) is not None,
          '"Сгенерировать" closes the master')
    check(not os.path.exists(os.path.join(TEMP, "lumbrix-%d" % os.getuid(), "$lmbx$.htm")),
          "closing the master deletes its preview page")
    text = wait_for(lambda: "</style>" in code_text(page) and code_text(page), 4) or ""
    head = text[:text.find("</head>")] if "</head>" in text else ""
    check('<style type="text/css">' in head and "</style>" in head and "h1" in head,
          "the generated styles stand before </head> of the page")
    shot("publication-generated.png")


def frame_toolbar():
    bars = children(frame(), pyatspi.ROLE_TOOL_BAR)
    return bars[0] if bars else None


def browser_preview(page, path):
    focus_frame()
    click(code_pane(page))
    count = len(opened())
    key("ctrl+w")
    check(wait_for(lambda: len(opened()) == count + 1, 5) is not None,
          "Ctrl+W hands one address to the opener")
    if len(opened()) > count:
        url, shown = opened()[count]
        check(url == "file://" + urllib.parse.quote(path),
              "the address names the document's file (%s)" % url)
        check(shown == read_bytes(path) and b"</style>" in shown,
              "the file was saved, generated styles included, before it was opened")


def main():
    path = os.path.join(WORK, "page.htm")
    with open(path, "wb") as f:
        f.write(PAGE.encode("cp1251"))
    program = start(path, env=environment())
    try:
        if check(wait_for(lambda: document("page.htm"), 10) is not None, "the page is open"):
            publication_master("page.htm")
            browser_preview("page.htm", path)
            from_template()
        quit_program(program, "Нет")
    finally:
        status = finish("publishing", program)
    return status


if __name__ == "__main__":
    sys.exit(main())
