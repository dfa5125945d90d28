"""The installed program on an X display, typed into with real key presses
and read back through the accessibility bus, as a screen reader would.

Run by scripts/check-package.sh inside a clean root where the package was
installed, under xvfb-run and in a private D-Bus session. Types 1000, moves
to the Enter button and presses Return, reads CV17 and CV18, then presses
Exit: the program must end by itself with status 0.

Usage: x11_package_session.py PROGRAM
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from wayland_session import STEP_SECONDS, Atspi, Failure, find, focused, gi, wait_for  # noqa: E402


def keys(*arguments):
    subprocess.run(["xdotool", *arguments], check=True, timeout=STEP_SECONDS)


def main(program):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    veltrop = subprocess.Popen([program], env=env, stdin=subprocess.DEVNULL)
    try:
        def frame():
            if veltrop.poll() is not None:
                raise Failure(f"the program ended early with status {veltrop.returncode}")
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == veltrop.pid:
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return find(app, Atspi.Role.FRAME, "Veltrop")
            return None

        window = wait_for("the Veltrop window on the accessibility bus", frame)
        # No window manager on the display: the keyboard focus is given to
        # the window by hand, as a window manager would on its first map.
        keys("search", "--sync", "--pid", str(veltrop.pid), "--name", "^Veltrop$",
             "windowfocus", "--sync")
        prompt = "Enter Locomotive Number:"
        field = wait_for("the input box", lambda: find(window, Atspi.Role.TEXT, prompt))
        wait_for("the focus in the input box", lambda: focused(field))
        keys("type", "--delay", "50", "1000")
        wait_for("the typed number in the input box", lambda: field.get_text(0, -1) == "1000")
        keys("key", "Tab")
        enter = find(window, Atspi.Role.PUSH_BUTTON, "Enter")
        wait_for("the focus on Enter", lambda: focused(enter))
        keys("key", "Return")
        for label in ("CV 17 = 195", "CV 18 = 232"):
            wait_for(repr(label), lambda: find(window, Atspi.Role.LABEL, label))
            print(f"read back: {label}")
        keys("key", "Tab", "key", "Tab")
        exit_button = find(window, Atspi.Role.PUSH_BUTTON, "Exit")
        wait_for("the focus on Exit", lambda: focused(exit_button))
        keys("key", "Return")
        try:
            status = veltrop.wait(STEP_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure("the program was still running after Exit") from None
        if status != 0:
            raise Failure(f"the program ended with status {status} after Exit")
    except (Failure, subprocess.SubprocessError, gi.repository.GLib.Error) as error:
        print(f"FAILED: {error}", file=sys.stderr)
        return 1
    finally:
        if veltrop.poll() is None:
            veltrop.kill()
            veltrop.wait()
    print("The installed program computed 1000 as CV17 195, CV18 232, and ended on Exit.")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
