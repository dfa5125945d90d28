"""The calculator on a real Wayland compositor, driven by real key presses.

Run by wayland_session_test.sh inside a private D-Bus session, as the user
that owns XDG_RUNTIME_DIR. Starts a headless sway, wayvnc on its output
(which gives the seat a lasting virtual keyboard: without one the first key
that wtype sends is lost), and the program on Qt's wayland platform; types
with wtype and reads the window back through the accessibility bus, as a
screen reader would. Every process it starts is ended before it returns.

Usage: wayland_session.py PROGRAM WORK_DIR SCREENSHOT
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

STEP_SECONDS = 20  # longest wait for any one thing to happen


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=STEP_SECONDS):
    """Polls probe until it returns something true; fails naming what."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            value = probe()
        except gi.repository.GLib.Error:
            value = None  # the object went away or is not there yet
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.1)


class Session:
    def __init__(self, program, work_dir, screenshot):
        self.program = program
        self.work_dir = work_dir
        self.screenshot = screenshot
        self.runtime_dir = os.environ["XDG_RUNTIME_DIR"]
        self.processes = []
        self.veltrop = None
        self.frame = None
        self.app = None
        self.env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}

    def start(self, name, command, env):
        log = open(os.path.join(self.work_dir, name + ".log"), "wb")
        process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT)
        log.close()
        self.processes.append((name, process))
        return process

    def alive(self, name, process):
        if process.poll() is not None:
            raise Failure(f"{name} ended early with status {process.returncode}; see "
                          f"{os.path.join(self.work_dir, name + '.log')}")
        return True

    def end_all(self):
        for name, process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait(5)

    def run(self, command):
        subprocess.run(command, env=self.env, check=True, timeout=STEP_SECONDS)

    def keys(self, *arguments):
        self.run(["wtype", *arguments])

    def start_desktop(self):
        config = os.path.join(self.work_dir, "sway.config")
        with open(config, "w") as file:
            # No bar, no background program, no X server: only the output.
            file.write("xwayland disable\noutput * resolution 1024x768\n")
        sway_env = dict(self.env, WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                        WLR_RENDERER="pixman")
        sway = self.start("sway", ["sway", "-c", config], sway_env)

        def socket():
            self.alive("sway", sway)
            names = [n for n in os.listdir(self.runtime_dir)
                     if n.startswith("wayland-") and not n.endswith(".lock")]
            return names[0] if names else None

        self.env["WAYLAND_DISPLAY"] = wait_for("sway's Wayland socket", socket)
        vnc_socket = os.path.join(self.runtime_dir, "wayvnc.sock")
        wayvnc = self.start("wayvnc", ["wayvnc", "--unix-socket", vnc_socket], self.env)
        wait_for("wayvnc's socket",
                 lambda: self.alive("wayvnc", wayvnc) and os.path.exists(vnc_socket))

    def start_program(self):
        program_env = dict(self.env, QT_QPA_PLATFORM="wayland",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.veltrop = self.start("veltrop", [self.program], program_env)

        def frame():
            self.alive("veltrop", self.veltrop)
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == self.veltrop.pid:
                    # Read everything afresh: the checks below wait for changes.
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return find(app, Atspi.Role.FRAME, "Veltrop")
            return None

        self.frame = wait_for("the Veltrop window on the accessibility bus", frame)
        self.app = self.frame.get_application()

    def control(self, role, name):
        return wait_for(f"a {role.value_nick} named {name!r}", lambda: find(self.frame, role, name))

    def wait_focused(self, role, name):
        wait_for(f"the focus in {name!r}",
                 lambda: focused(find(self.frame, role, name)))

    def scenario(self):
        entry = Atspi.Role.TEXT
        prompt = "Enter Locomotive Number:"
        self.wait_focused(entry, prompt)

        # A number, and the Enter button pressed from the keyboard.
        self.keys("1000")
        field = self.control(entry, prompt)
        wait_for("the typed number in the input box", lambda: field.get_text(0, -1) == "1000")
        self.keys("-k", "Tab")
        self.wait_focused(Atspi.Role.PUSH_BUTTON, "Enter")
        self.keys("-k", "space")
        self.control(Atspi.Role.LABEL, "CV 17 = 195")
        self.control(Atspi.Role.LABEL, "CV 18 = 232")

        # Clear, then a number outside 1 to 9999: the Input Error box.
        self.keys("-k", "Tab")
        self.wait_focused(Atspi.Role.PUSH_BUTTON, "Clear")
        self.keys("-k", "space")
        self.control(Atspi.Role.LABEL, "CV 17, no value")
        self.wait_focused(entry, prompt)
        self.keys("0", "-k", "Tab")
        self.wait_focused(Atspi.Role.PUSH_BUTTON, "Enter")
        self.keys("-k", "space")
        box = wait_for("the Input Error box", lambda: top_level(self.app, "Input Error"))
        text = "Enter a number between 1 and 9999."
        wait_for("the Input Error text", lambda: find(box, Atspi.Role.LABEL, text))
        # Let the compositor draw the box before it is photographed.
        time.sleep(0.5)
        self.run(["grim", self.screenshot])
        self.keys("-k", "Return")
        wait_for("the Input Error box to close", lambda: not top_level(self.app, "Input Error"))
        self.wait_focused(entry, prompt)
        if field.get_text(0, -1) != "":
            raise Failure("the input box kept the refused number")

        # Exit, from the keyboard: the program ends by itself, with success.
        self.keys("-k", "Tab", "-k", "Tab", "-k", "Tab")
        self.wait_focused(Atspi.Role.PUSH_BUTTON, "Exit")
        self.keys("-k", "space")
        try:
            status = self.veltrop.wait(STEP_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure("the program was still running after Exit") from None
        if status != 0:
            raise Failure(f"the program ended with status {status} after Exit")


def find(root, role, name):
    """The first object under root (depth first) with this role and name."""
    if root is None:
        return None
    if root.get_role() == role and root.get_name() == name:
        return root
    for i in range(root.get_child_count()):
        found = find(root.get_child_at_index(i), role, name)
        if found is not None:
            return found
    return None


def focused(accessible):
    return accessible is not None and accessible.get_state_set().contains(Atspi.StateType.FOCUSED)


def top_level(app, name):
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and window.get_name() == name:
            return window
    return None


def main():
    session = Session(*sys.argv[1:4])
    try:
        session.start_desktop()
        session.start_program()
        session.scenario()
    except (Failure, subprocess.SubprocessError, gi.repository.GLib.Error) as error:
        print(f"FAILED: {error}", file=sys.stderr)
        return 1
    finally:
        session.end_all()
    print("Typed a number, Enter, the Input Error box and Exit on Wayland: all as expected.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
