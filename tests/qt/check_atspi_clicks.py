#!/usr/bin/python3
"""Clicks on Enter that reach it without the input box's focus loss, driven
from outside as a user and a screen reader drive them: real X input
(xdotool) and a real AT-SPI client over D-Bus. Each must compute from the
text the box shows.

Usage: check_atspi_clicks.py PROGRAM, on an X display with no window
manager, inside a D-Bus session (xvfb-run ... dbus-run-session -- ...).
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def xdotool(*args):
    # A search that finds nothing fails; it gives no words then.
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True)
    if result.returncode != 0 and args[0] != "search":
        sys.exit(f"xdotool {' '.join(args)}: {result.stderr}")
    return result.stdout.split()


def root_window():
    info = subprocess.run(["xwininfo", "-root"], check=True, capture_output=True, text=True)
    return str(int(info.stdout.split("Window id: ")[1].split()[0], 16))


def poll(found, what):
    # Unbounded here: the test's timeout ends a wait that never succeeds,
    # and the last line printed says what it waited for.
    if (value := found()) is None:
        print(f"waiting for {what}", file=sys.stderr, flush=True)
    while value is None:
        time.sleep(0.05)
        value = found()
    return value


def nodes(node):
    yield node
    for i in range(node.get_child_count()):
        if (child := node.get_child_at_index(i)) is not None:
            yield from nodes(child)


def start(program):
    process = subprocess.Popen([program], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    window = poll(lambda: (xdotool("search", "--onlyvisible", "--pid", str(process.pid),
                                   "--name", "^Veltrop$") or [None])[0], "window")

    def app():
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            child = desktop.get_child_at_index(i)
            if child is not None and child.get_process_id() == process.pid:
                return child
        return None

    return process, window, poll(app, "accessible application")


def control(app, role, name):
    return next(n for n in nodes(app) if n.get_role_name() == role
                and (name is None or n.get_name() == name))


def click(node):
    box = node.get_extents(Atspi.CoordType.SCREEN)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
            "click", "1")


def results(app):
    # The result labels, not the prompts ("CV 17 =") in front of them.
    return sorted(n.get_name() for n in nodes(app) if n.get_role_name() == "label"
                  and n.get_name().startswith("CV 1") and not n.get_name().endswith("="))


def expect(app, wanted, case):
    poll(lambda: results(app) == wanted or None, f"{case}: the results {wanted}")


def press(node):
    names = [node.get_action_name(i) for i in range(node.get_n_actions())]
    node.do_action(names.index("Press"))


TYPED_5 = ["CV 17 = 192", "CV 18 = 5"]
RESULTS_1000 = ["CV 17 = 195", "CV 18 = 232"]


def main(program):
    # No window manager: a screen reader moves the focus to Enter while the
    # window is inactive.
    process, window, app = start(program)
    enter = control(app, "push button", "Enter")
    xdotool("windowfocus", "--sync", window)
    xdotool("type", "5")
    xdotool("windowfocus", root_window())
    frame = control(app, "frame", None)
    poll(lambda: not frame.get_state_set().contains(Atspi.StateType.ACTIVE) or None,
         "the window to be inactive")
    enter.grab_focus()  # answered once the program has moved the focus
    for n in (1, 2):
        click(enter)
        expect(app, TYPED_5, f"inactive window, click {n}")
    process.kill()
    process.wait()

    # With a window manager: a screen reader's Press leaves the focus in the box.
    manager = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    poll(lambda: "window id" in subprocess.run(
        ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True).stdout
        or None, "the window manager")
    process, window, app = start(program)
    enter = control(app, "push button", "Enter")
    box = control(app, "text", None)
    xdotool("windowactivate", "--sync", window)
    xdotool("type", "1000")
    click(enter)
    expect(app, RESULTS_1000, "typed 1000")
    click(box)
    xdotool("key", "ctrl+a", "5")
    press(enter)
    expect(app, TYPED_5, "Press after typing 5")
    click(control(app, "push button", "Clear"))
    press(enter)
    poll(lambda: xdotool("search", "--onlyvisible", "--name", "^Input Error$") or None,
         "the Input Error box after Clear and Press")
    process.kill()
    manager.kill()


if __name__ == "__main__":
    main(sys.argv[1])
