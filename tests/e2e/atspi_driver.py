"""Drives the real program through keys (xdotool) and reads it through AT-SPI.

Shared by the end-to-end scenarios: every scenario runs inside X, a private D-Bus session and
the accessibility bus (atspi-session.sh), gets PROGRAM WORK_DIR SHOTS_DIR as arguments, reports
each check with check() and ends with finish(). The frame, its document windows (which are no X
windows), dialogs and message boxes are found by role and name; texts are read from the tree.
"""

import os
import subprocess
import sys
import time

import pyatspi

PROGRAM, WORK, SHOTS = (sys.argv[1:4] + ["", "", ""])[:3]
failures = []
checks = [0]
_t0 = time.monotonic()


def check(condition, what):
    checks[0] += 1
    print(("ok   " if condition else "FAIL ") + "%5.1fs " % (time.monotonic() - _t0) + what,
          flush=True)
    if not condition:
        failures.append(what)
    return condition


def wait_for(probe, timeout=8.0):
    """Polls probe() until it gives something true; returns that, or None after the timeout."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # objects of a window that just closed
            found = None
        if found:
            return found
        if time.monotonic() > end:
            return None
        time.sleep(0.1)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)
    time.sleep(0.3)


_layout = ["us"]


def _use_layout(layout):
    if _layout[0] != layout:
        subprocess.run(["setxkbmap", layout], check=True)
        _layout[0] = layout
        time.sleep(0.2)  # the program reads the new keyboard map


def _runs(text):
    """Splits text into runs typed on one keyboard layout: "us" for ASCII, "ru" for Cyrillic
    letters, None for one character that neither has."""
    runs = []
    for ch in text:
        layout = "us" if ch.isascii() else "ru" if "а" <= ch.lower() <= "я" or ch in "ёЁ" else None
        if runs and layout is not None and runs[-1][0] == layout:
            runs[-1][1] += ch
        else:
            runs.append([layout, ch])
    return runs


def type_text(text):
    """Types text as key presses into the widget with the focus. Cyrillic is typed on the Russian
    layout, through real keys: xdotool types a character the layout lacks through a key that it
    maps for one press and maps back, and the program, reading the map later, may see another
    character or none; so such characters go one at a time with a pause. A line break is the key
    Return (typed, it would come as a line feed that editors do not take)."""
    for i, line in enumerate(text.split("\n")):
        if i:
            subprocess.run(["xdotool", "key", "Return"], check=True)
        for layout, run in _runs(line):
            _use_layout(layout or "us")
            if layout is None:
                time.sleep(0.2)
            subprocess.run(["xdotool", "type", "--delay", "250" if layout is None else "30",
                            run], check=True)
            if layout is None:
                time.sleep(0.3)
    _use_layout("us")
    time.sleep(0.2)


def shot(name):
    path = os.path.join(SHOTS, name)
    subprocess.run(["import", "-window", "root", path], check=True)
    print("     screenshot " + path, flush=True)
    return path


def start(*args, env=None):
    """Starts the program with the given command line and waits for its frame. A program that
    could not reach the display ends at once, before any window; it gets one more start."""
    for attempt in (1, 2):
        program = subprocess.Popen([PROGRAM, *args], env=env)
        shown = wait_for(lambda: frame() or program.poll() is not None, 30)
        if program.poll() is None or attempt == 2:
            break
        print("     the program ended before its frame showed (%s); started again"
              % program.returncode, flush=True)
    check(shown is not None and frame() is not None,
          'the frame "Lumbrix" is in the accessibility tree')
    wait_for(lambda: False, 0.3)
    focus_frame()
    return program


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "Lumbrix":
            return app
    return None


def descendants(acc, role=None, name=None):
    found = []
    if acc is None:
        return found
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is None:
            continue
        if (role is None or child.getRole() == role) and (name is None or child.name == name):
            found.append(child)
        found.extend(descendants(child, role, name))
    return found


def first(acc, role=None, name=None):
    found = descendants(acc, role, name)
    return found[0] if found else None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def top_level(role, name):
    """A shown top-level window of the program."""
    app = application()
    if app is None:
        return None
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and w.getRole() == role and w.name == name and showing(w):
            return w
    return None


def frame():
    return top_level(pyatspi.ROLE_FRAME, "Lumbrix")


def children(acc, role=None, name=None):
    """The direct children of role and name: cheaper than a walk through the menus."""
    if acc is None:
        return []
    found = [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    return [c for c in found if c is not None and (role is None or c.getRole() == role) and
            (name is None or c.name == name)]


def documents():
    """The document windows inside the frame, by caption."""
    mdi = children(frame(), pyatspi.ROLE_LAYERED_PANE, "Документы")
    if not mdi:
        return []
    return [d for d in children(mdi[0], pyatspi.ROLE_FRAME) if showing(d)]


def document(caption):
    found = [d for d in documents() if d.name == caption]
    return found[0] if found else None


def text_of(acc):
    text = acc.queryText()
    return text.getText(0, text.characterCount)


def code_pane(caption):
    return first(document(caption), pyatspi.ROLE_TEXT, "HTML код")


def code_text(caption):
    return text_of(code_pane(caption))


def texts_of(acc):
    """Every name and text a window shows, for reading a dialog or message box."""
    out = []
    for a in [acc] + descendants(acc):
        if a.name:
            out.append(a.name)
        try:
            out.append(text_of(a))
        except NotImplementedError:
            pass
    return "\n".join(out)


def extents(acc):
    return acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def inside(inner, outer):
    return (inner.x >= outer.x and inner.y >= outer.y and
            inner.x + inner.width <= outer.x + outer.width and
            inner.y + inner.height <= outer.y + outer.height)


def overlaps(a, b):
    return (a.x < b.x + b.width and b.x < a.x + a.width and
            a.y < b.y + b.height and b.y < a.y + a.height)


def focus_frame():
    win = subprocess.run(["xdotool", "search", "--name", "^Lumbrix$"],
                         capture_output=True, text=True).stdout.split()
    if win:
        subprocess.run(["xdotool", "windowfocus", "--sync", win[0]], check=False)
        time.sleep(0.2)


def focus_window(title):
    """Gives the keyboard focus to the program's top-level X window of that title."""
    win = subprocess.run(["xdotool", "search", "--name", "^%s$" % title],
                         capture_output=True, text=True).stdout.split()
    if win:
        subprocess.run(["xdotool", "windowfocus", "--sync", win[-1]], check=False)
        time.sleep(0.2)
    return bool(win)


def press(item):
    """Runs a button or menu item through its accessible action, as a screen reader user would."""
    action = item.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "Toggle", "toggle"):
            return action.doAction(i)
    return action.doAction(0)


def click(acc):
    """A real mouse click in the middle of a control."""
    e = extents(acc)
    subprocess.run(["xdotool", "mousemove", "--sync", str(e.x + e.width // 2),
                    str(e.y + e.height // 2), "click", "1"], check=True)
    time.sleep(0.3)


_menu_items = {}


def menu_item(caption):
    """A menu item of the frame by caption. The menus are walked once: a walk asks the program
    about each of several hundred items."""
    if not _menu_items:
        for bar in children(frame(), pyatspi.ROLE_MENU_BAR):
            for item in descendants(bar, pyatspi.ROLE_MENU_ITEM):
                _menu_items.setdefault(item.name, item)
    return _menu_items.get(caption)


def run_menu(caption):
    item = menu_item(caption)
    if check(item is not None, "the menu has " + caption):
        press(item)
        time.sleep(0.3)
    return item is not None


def button(window, caption):
    return first(window, pyatspi.ROLE_PUSH_BUTTON, caption)


def answer(window, caption):
    """Clicks a button of a dialog or message box; False when it has none of that caption.
    A real click: a modal box closed through the accessible action leaves the frame deaf to
    later mouse clicks."""
    b = button(window, caption)
    if b is None:
        return False
    click(b)
    time.sleep(0.3)
    return True


def choose(combo, item):
    """Picks an entry of a drop-down list as a user does: a click opens it, arrow keys move to the
    entry and Enter takes it. The combo box's name is its current entry."""
    names = [e.name for e in descendants(combo, pyatspi.ROLE_LIST_ITEM)]
    if item not in names or combo.name not in names:
        return False
    step = names.index(item) - names.index(combo.name)
    click(combo)
    for _ in range(abs(step)):
        key("Down" if step > 0 else "Up")
    key("Return")
    return wait_for(lambda: combo.name == item, 3) is not None


def alert(caption, timeout=6):
    return wait_for(lambda: top_level(pyatspi.ROLE_ALERT, caption), timeout)


def dialog(caption, timeout=6):
    return wait_for(lambda: top_level(pyatspi.ROLE_DIALOG, caption), timeout)


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


CONTROLS = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
            pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
            pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST,
            pyatspi.ROLE_SLIDER)


def unnamed_controls(window):
    """The controls of a window (its menus left out) that a screen reader could not name. The
    lists inside drop-down lists and the panes of the editors' scroll areas are Qt's own parts
    of a named control."""
    found = []

    def walk(acc, parent_role):
        for c in children(acc):
            role = c.getRole()
            if role in (pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU):
                continue
            if role in CONTROLS and not c.name and parent_role != pyatspi.ROLE_COMBO_BOX:
                found.append("%s in %s" % (c.getRoleName(), acc.name or acc.getRoleName()))
            walk(c, role)
    walk(window, window.getRole())
    return found


def dump(acc, depth=0):
    """Prints a subtree, for the person who writes a new scenario."""
    if acc is None:
        return
    print("  " * depth + "%s %r" % (acc.getRoleName(), acc.name), flush=True)
    for i in range(acc.childCount):
        dump(acc.getChildAtIndex(i), depth + 1)


def quit_program(program, answer_with="Нет"):
    """Ctrl+Q, answering every close question; the program must end with status 0 (a sanitizer's
    report would change it)."""
    focus_frame()
    key("ctrl+q")
    question = alert("Закрытие", 3)
    while question is not None:
        if not check(answer(question, answer_with), 'the close question has "%s"' % answer_with):
            break
        question = alert("Закрытие", 1.5)
    try:
        status = program.wait(timeout=20)
    except subprocess.TimeoutExpired:
        status = None
    check(status == 0, "the program ends with status 0 after Ctrl+Q (%s)" % status)


def finish(name, program=None):
    """Kills a program still running (a failure) and gives the scenario's exit status."""
    if program is not None and program.poll() is None:
        program.kill()
        check(False, "the program had to be killed")
    print("e2e %s: %d check(s), %d failed" % (name, checks[0], len(failures)), flush=True)
    return 1 if failures else 0
