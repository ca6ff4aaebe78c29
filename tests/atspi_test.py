#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Weir Head developers
#
# The program as a screen reader meets it: over AT-SPI, on the private session
# bus atspi_test.sh starts, with keys typed through the X server (xdotool).
# Every check prints PASS or FAIL; the exit status is 1 if any failed.
#   atspi_test.py PROGRAM
import os
import subprocess
import sys
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

# A request unanswered for 30 s is a failure, not a hang of the test: the
# program frozen. Slow is not frozen (two test builds on two cores can make
# any answer slow), so no check here times an answer.
Atspi.set_timeout(30000, 60000)

failures = 0
passes = 0


def check(ok, what):
    global failures, passes
    print(("PASS  " if ok else "FAIL  ") + what, flush=True)
    if ok:
        passes += 1
    else:
        failures += 1


def pump_once():
    """Delivers the events that have arrived (the desktop's list of programs
    is kept up to date by them, too)."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, seconds=60):
    """Until condition() holds, delivering events meanwhile; False when the
    deadline passes first. The deadline is generous: two test builds on two
    cores can make the program slow, never wrong."""
    end = time.time() + seconds
    while True:
        pump_once()
        try:
            if condition():
                return True
        except Exception:  # an object not there yet, or gone
            pass
        if time.time() > end:
            return False
        time.sleep(0.02)


def keys(*args):
    subprocess.run(["xdotool", *args], check=True, stderr=subprocess.DEVNULL)


def program_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "weir-head":
            return app
    return None


def focused(acc):
    return acc.getState().contains(pyatspi.STATE_FOCUSED)


def descendants(acc):
    for child in acc:
        yield child
        yield from descendants(child)


# --- events: every notification that becomes showing, with its text
announced = []


def on_showing(event):
    try:
        if event.detail1 and event.source.getRoleName() == "notification":
            announced.append(event.source.name)
    except Exception:  # an object gone by the time the event is read
        pass


# Listening before the program starts, as a screen reader does: Qt asks the
# registry at start-up which events anyone listens for, and sends only those.
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
pump_once()
program = subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

wait_for(lambda: program_app() is not None and program_app().childCount > 0)
app = program_app()
check(app is not None and app.childCount > 0, "the program is on the accessibility bus")
if app is None or app.childCount == 0:
    program.kill()
    sys.exit(1)
frame = app[0]
check(frame.getRoleName() == "frame" and frame.name.strip() == "四角堰の越流高さ",
      f"the window is a frame named by its title ({frame.getRoleName()} {frame.name!r})")

texts = {acc.name: acc for acc in descendants(frame) if acc.getRoleName() == "text"}
check(sorted(texts) == sorted(["堰の幅(mm)", "流量(L/min)", "解の挟込最小値(mm)", "最大値(mm)",
                              "越流高さ(mm)", "Trial回数"]),
      f"every box is named by its caption: {sorted(texts)}")
width, flow, minimum, maximum = (texts[n] for n in ["堰の幅(mm)", "流量(L/min)", "解の挟込最小値(mm)", "最大値(mm)"])
head, trials = texts["越流高さ(mm)"], texts["Trial回数"]
buttons = {acc.name: acc for acc in descendants(frame) if acc.getRoleName() == "push button"}
check("越流高さ≧20mm" in head.description,
      f"the range note is read with the head box ({head.description!r})")


def value(box):
    t = box.queryText()
    return t.getText(0, t.characterCount)


# --- the worked example, typed with real keys, and the announcement
# The keyboard to the window (there is no window manager to give it): the
# keys typed below follow the focus change in the X server's queue.
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "四角堰の越流高さ", "windowfocus", "--sync"],
               check=True, stderr=subprocess.DEVNULL, timeout=60)
check(wait_for(lambda: focused(width)), "the width box has the keyboard focus")
announced.clear()
keys("type", "--delay", "20", "300")
keys("key", "Tab")
keys("type", "--delay", "20", "300")
keys("key", "Tab")
keys("type", "--delay", "20", "20")
keys("key", "Tab", "Tab", "Tab")
keys("type", "--delay", "20", "100")
keys("key", "Return")
wait_for(lambda: value(head) == "43.83" and value(trials) == "10"
         and any("43.83" in a and "10" in a for a in announced))
check(value(head) == "43.83" and value(trials) == "10",
      f"the worked example reads head {value(head)!r}, trials {value(trials)!r}")
check(any("43.83" in a and "10" in a for a in announced),
      f"Return in a box announces the result: {announced}")

# --- no freeze: every boundary at every offset answers, in every box with text
boundaries = [pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START, pyatspi.TEXT_BOUNDARY_WORD_END,
              pyatspi.TEXT_BOUNDARY_SENTENCE_START, pyatspi.TEXT_BOUNDARY_SENTENCE_END,
              pyatspi.TEXT_BOUNDARY_LINE_START, pyatspi.TEXT_BOUNDARY_LINE_END]


def every_text_request():
    """Asks every box every request; the first left unanswered, or None.
    Returns with it at once: after a frozen answer the program is frozen."""
    for name, box in texts.items():  # named as read before: a frozen program names nothing
        t = box.queryText()
        for offset in range(t.characterCount + 1):
            for boundary in boundaries:
                for ask in (t.getTextAtOffset, t.getTextBeforeOffset, t.getTextAfterOffset):
                    try:
                        ask(offset, boundary)
                    except Exception as error:  # no reply within the timeout
                        return f"{name} {ask.__name__}({offset}, {boundary}): {error}"
    return None


start = time.time()
unanswered = every_text_request()
check(unanswered is None, f"every text request answered ({time.time() - start:.2f} s for all)"
      + (f"; none to {unanswered}" if unanswered else ""))
if unanswered:
    # Frozen: every request from here on would wait out its timeout too.
    print(f"{passes} passed, {failures} failed")
    program.kill()
    sys.exit(1)
t = head.queryText()
word = t.getTextAtOffset(t.characterCount, pyatspi.TEXT_BOUNDARY_WORD_START)
check(word[0] == "43.83", f"the word at the end of the head box is the whole number: {word}")

# --- attribute runs cover the whole text, so nothing is dropped when read
for box in [head, trials]:
    t = box.queryText()
    runs = [t.getAttributeRun(o, True)[1:] for o in range(t.characterCount + 1)]
    check(all(run == [0, t.characterCount] for run in runs), f"{box.name}: attribute runs {runs[0]} cover the text")

# --- no root: both lines announced, in full
announced.clear()
minimum.queryEditableText().setTextContents("60")
buttons["計算"].queryAction().doAction(0)
wait_for(lambda: any("最小値より下の約43.83mm" in a for a in announced))
check(any("解がありません。挟込範囲を変更して下さい。" in a and "最小値より下の約43.83mm" in a for a in announced),
      f"the 計算 button's action announces both no-root lines: {announced}")

# --- a bad flow: announced, described on the box, and forgotten once corrected
announced.clear()
minimum.queryEditableText().setTextContents("20")
flow.queryEditableText().setTextContents("abc")
buttons["計算"].queryComponent().grabFocus()
check(wait_for(lambda: focused(buttons["計算"])), "the 計算 button takes the focus")
keys("key", "space")
message = "流量(L/min)が数値ではありません。"
wait_for(lambda: any(message in a for a in announced) and flow.description == message and focused(flow))
check(any(message in a for a in announced), f"Space on 計算 announces the bad flow: {announced}")
check(flow.description == message, f"the flow box describes its fault: {flow.description!r}")
keys("type", "--delay", "20", "300")  # the cursor is in the flow box, its text selected
wait_for(lambda: value(flow) == "300" and flow.description == "")
check(value(flow) == "300" and flow.description == "",
      f"typing over it forgets the fault: {value(flow)!r}, {flow.description!r}")

# --- the same outcome announced again on a second press
announced.clear()
keys("key", "Return")
keys("key", "Return")
wait_for(lambda: len([a for a in announced if "43.83" in a]) >= 2)
check(len([a for a in announced if "43.83" in a]) == 2, f"each press is announced: {announced}")

# --- the rating window: opened from the menu, its table a real table
view_menu = [acc for acc in descendants(frame) if acc.getRoleName() == "menu item" and acc.name.startswith("水位流量表")]
check(len(view_menu) == 1, f"the 表示 menu offers the rating window: {[m.name for m in view_menu]}")
if view_menu:
    view_menu[0].queryAction().doAction(0)

    def rating_table_shown():
        shown = [w for w in app if w.name.startswith("水位流量表")]
        return shown and any(acc.getRoleName() == "table" and acc.queryTable().nRows > 0
                             for acc in descendants(shown[0]))

    wait_for(rating_table_shown)
    ratings = [w for w in app if w.name.startswith("水位流量表")]
    check(len(ratings) == 1, f"the rating window is a window of the program: {[w.name for w in app]}")
    tables = [acc for acc in descendants(ratings[0]) if acc.getRoleName() == "table"] if ratings else []
    check(len(tables) == 1, "the rating window holds one table")
    if tables:
        table = tables[0].queryTable()
        headers = [table.getColumnDescription(c) or table.getColumnHeader(c).name for c in range(table.nColumns)]
        first = [table.getAccessibleAt(0, c).name for c in range(table.nColumns)]
        check(table.nRows == 17 and headers[:3] == ["越流高さ(mm)", "流量(L/min)", "流量(m³/s)"],
              f"{table.nRows} rows under {headers}")
        check(first[:3] == ["20", "96.63", "0.0016105"], f"its first row reads {first}")

# --- the design window: every box named, the answer readable and said
design_menu = [acc for acc in descendants(frame) if acc.getRoleName() == "menu item" and acc.name.startswith("堰の設計")]
check(len(design_menu) == 1, f"the 表示 menu offers the design window: {[m.name for m in design_menu]}")
if design_menu:
    design_menu[0].queryAction().doAction(0)
    wait_for(lambda: any(w.name == "堰の設計" for w in app))
    designs = [w for w in app if w.name == "堰の設計"]
    check(len(designs) == 1, f"the design window is a window of the program: {[w.name for w in app]}")
    if designs:
        boxes = {acc.name: acc for acc in descendants(designs[0]) if acc.getRoleName() == "text"}
        check({"最小流量(L/min)", "最大流量(L/min)", "許容最高越流高さ(mm)", "最小流量での許容拡張不確かさ(%)",
               "堰の幅(mm)"} <= set(boxes), f"every design box is named by its caption: {sorted(boxes)}")
        answers = [acc.name for acc in descendants(designs[0]) if acc.getRoleName() == "label"]
        # A number and its unit are held together by a no-break space, read as a space.
        check(any("170.9 〜 310.3 mm" in a.replace("\xa0", " ") for a in answers),
              f"the range is read by its text: {answers}")
        if "最大流量(L/min)" in boxes:
            announced.clear()
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^堰の設計$", "windowfocus",
                            "--sync"], check=True, stdout=subprocess.DEVNULL)
            boxes["最大流量(L/min)"].queryComponent().grabFocus()
            check(wait_for(lambda: focused(boxes["最大流量(L/min)"])), "a design box takes the focus")
            keys("key", "Return")
            wait_for(lambda: any("170.9" in a for a in announced))
            check(any("170.9 〜 310.3 mm" in a for a in announced), f"Return says the range: {announced}")

print(f"{passes} passed, {failures} failed")
program.terminate()
program.wait(10)
sys.exit(1 if failures else 0)
