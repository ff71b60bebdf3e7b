#!/usr/bin/python3
"""What a screen reader finds in lumidex, read from the desktop's accessibility tree.

Starts lumidex on a private X server with the accessibility bus of a private D-Bus session,
opens each window a user reaches (the start-up window, the screen calculator, the
installation window, Brightness and Seating, the Lens Finder and the installer's tips) and
walks what each exposes. Fails on a control that takes the keyboard focus but has no name, and
when the drawing's dimension values are not there as text.

    dbus-run-session -- /usr/bin/python3 tests/atspiwalk.py build/bin/lumidex

Prints "skipped: ..." and exits 0 where Xvfb, the accessibility bus or the Python bindings
are missing.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time


def skip(why):
    print(f"skipped: {why}")
    sys.exit(0)


try:
    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
except (ImportError, ValueError):
    skip("the AT-SPI Python bindings (gir1.2-atspi-2.0, python3-gi) are not installed")

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
if not shutil.which("Xvfb"):
    skip("Xvfb is not installed")
if not os.path.exists(BUS_LAUNCHER):
    skip("at-spi2-core is not installed")
if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    skip("no D-Bus session (run under dbus-run-session)")

# The roles of controls that take the keyboard focus and so must say what they are.
NAMED_ROLES = {
    Atspi.Role.PUSH_BUTTON,
    Atspi.Role.TOGGLE_BUTTON,
    Atspi.Role.CHECK_BOX,
    Atspi.Role.RADIO_BUTTON,
    Atspi.Role.COMBO_BOX,
    Atspi.Role.TEXT,
    Atspi.Role.ENTRY,
    Atspi.Role.PASSWORD_TEXT,
    Atspi.Role.SPIN_BUTTON,
    Atspi.Role.SLIDER,
    Atspi.Role.SCROLL_BAR,
    Atspi.Role.LIST,
    Atspi.Role.LIST_BOX,
    Atspi.Role.TABLE,
    Atspi.Role.TREE,
    Atspi.Role.TREE_TABLE,
    Atspi.Role.PAGE_TAB,
    Atspi.Role.MENU_ITEM,
    Atspi.Role.CHECK_MENU_ITEM,
    Atspi.Role.RADIO_MENU_ITEM,
    Atspi.Role.MENU,
    Atspi.Role.LINK,
}


def start_display(workdir):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1000x24", "-nolisten", "tcp"],
        pass_fds=(write_end,),
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
        cwd=workdir,
    )
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    if not number.strip():
        server.kill()
        skip("Xvfb did not start")
    return server, ":" + number.decode().strip()


def program_env(workdir, display):
    env = dict(os.environ)
    # A private home and runtime folder: no recovery copy or single-instance lock of another
    # run, and the user's own settings left alone.
    for name in ("home", "config", "data", "cache", "runtime", "tmp"):
        os.makedirs(os.path.join(workdir, name), mode=0o700, exist_ok=True)
    env.update(
        HOME=os.path.join(workdir, "home"),
        XDG_CONFIG_HOME=os.path.join(workdir, "config"),
        XDG_DATA_HOME=os.path.join(workdir, "data"),
        XDG_CACHE_HOME=os.path.join(workdir, "cache"),
        XDG_RUNTIME_DIR=os.path.join(workdir, "runtime"),
        TMPDIR=os.path.join(workdir, "tmp"),
        DISPLAY=display,
        QT_QPA_PLATFORM="xcb",
        QT_ACCESSIBILITY="1",
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
        LANG="C.UTF-8",
    )
    env.pop("WAYLAND_DISPLAY", None)
    env.pop("LC_ALL", None)
    return env


def wait_for(what, probe, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise SystemExit(f"atspiwalk: {what} did not appear within {timeout:.0f} s")


def find_application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None:
            try:
                if app.get_process_id() == pid:
                    return app
            except gi.repository.GLib.Error:
                pass
    return None


def windows(app):
    found = []
    for i in range(app.get_child_count()):
        child = app.get_child_at_index(i)
        if child is not None:
            found.append(child)
    return found


def showing(node):
    states = node.get_state_set()
    return states.contains(Atspi.StateType.SHOWING)


def has_control(window, name):
    for node, _depth in walk(window):
        try:
            if (node.get_name() or "").replace("&", "") == name:
                return True
        except gi.repository.GLib.Error:
            continue
    return False


def window_where(app, title, control):
    """The showing window whose title starts with `title` and that holds `control`."""
    for w in windows(app):
        try:
            if (w.get_name() or "").startswith(title) and showing(w) and has_control(w, control):
                return w
        except gi.repository.GLib.Error:
            continue
    return None


def walk(node, depth=0):
    yield node, depth
    try:
        count = node.get_child_count()
    except gi.repository.GLib.Error:
        return
    for i in range(count):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def text_of(node):
    if "Text" not in node.get_interfaces():
        return ""
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def describe(node):
    return f"{node.get_role_name()} {node.get_name()!r}"


def check_window(window, title):
    """Every focusable control in `window` has a name; returns the texts exposed and faults."""
    faults = []
    controls = 0
    texts = []
    for node, _depth in walk(window):
        try:
            role = node.get_role()
            states = node.get_state_set()
            name = node.get_name() or ""
            body = text_of(node)
            description = node.get_description() or ""
        except gi.repository.GLib.Error:
            continue
        texts.extend(t for t in (name, body, description) if t)
        # Menu entries take the focus only while their menu is open, and are checked too.
        if role not in NAMED_ROLES:
            continue
        if not states.contains(Atspi.StateType.FOCUSABLE) and role != Atspi.Role.MENU_ITEM:
            continue
        controls += 1
        if not name.strip():
            parent = node.get_parent()
            where = describe(parent) if parent is not None else "nothing"
            faults.append(f"{title}: a {node.get_role_name()} without a name in {where}"
                          + (f", showing {body!r}" if body else ""))
    print(f"{title}: {controls} controls, "
          + (f"{len(faults)} without a name" if faults else "every one named"))
    for fault in faults:
        print("  " + fault)
    return texts, faults


def press(window, name, roles=(Atspi.Role.PUSH_BUTTON, Atspi.Role.MENU_ITEM)):
    """Does the first action of the control called `name` (its access key's & left out)."""
    for node, _depth in walk(window):
        try:
            found = node.get_role() in roles and node.get_name().replace("&", "") == name
            found = found and "Action" in node.get_interfaces()
        except gi.repository.GLib.Error:
            continue
        if found:
            try:
                Atspi.Action.do_action(node, 0)
            except gi.repository.GLib.Error:
                # An action that opens a modal dialog answers only when the dialog closes;
                # the dialog itself is what the caller waits for.
                pass
            return
    raise SystemExit(f"atspiwalk: no control {name!r} to press in {window.get_name()!r}")


def main():
    if len(sys.argv) != 2:
        print("usage: atspiwalk.py path/to/lumidex", file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    workdir = tempfile.mkdtemp(prefix="lumidex-atspi-")
    server = bus = app_process = None
    try:
        server, display = start_display(workdir)
        os.environ["DISPLAY"] = display
        bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        env = program_env(workdir, display)
        log = open(os.path.join(workdir, "lumidex.log"), "w")
        app_process = subprocess.Popen([program], env=env, cwd=workdir,
                                       stdout=log, stderr=subprocess.STDOUT)
        app = wait_for("lumidex on the accessibility bus",
                       lambda: find_application(app_process.pid))
        faults = []
        seen = []

        def visit(title, window_title, control):
            window = wait_for(f"the {title}", lambda: window_where(app, window_title, control))
            time.sleep(0.5)  # the window's first refresh
            texts, window_faults = check_window(window, title)
            faults.extend(window_faults)
            seen.append(title)
            return window, texts

        splash, _ = visit("start-up window", "Lumidex", "How to reach us...")
        press(splash, "Ok")
        calculator, _ = visit("screen calculator", "Lumidex", "Layout")
        press(calculator, "Brightness and Seating...")
        seating, _ = visit("Brightness and Seating window", "Brightness and Seating", "Close")
        press(seating, "Close")
        press(calculator, "Layout")
        # The first Layout of a run shows the installer's tip about the widest screen first.
        tip, _ = visit("layout tip", "Installer's Tip", "OK")
        press(tip, "OK")
        installation, texts = visit("installation window", "Installation", "Installation drawing")
        dimensions = re.compile(r"Throw distance [0-9.]+ (inches|feet|millimetres);.*"
                                r"Screen height [0-9.]+ (inches|feet|millimetres)")
        drawing = [t for t in texts if dimensions.search(t)]
        if drawing:
            print(f"the drawing reads: {drawing[0]}")
        else:
            faults.append("installation window: the drawing's dimensions are not there as text")
        press(installation, "Lens Finder...")
        finder, _ = visit("Lens Finder", "Lens Finder", "Select")
        press(finder, "Cancel")
        press(installation, "Contents")
        helpwindow, _ = visit("help window", "Lumidex Help", "Back")
        press(helpwindow, "Close")
        press(installation, "About Lumidex!")
        about, _ = visit("About window", "About Lumidex", "Close")
        press(about, "Close")
        # A CRT series brings the installer's tips, one step after the other.
        press(installation, "CR-7100")
        visit("installer's tips window", "Installer's Tip", "OK")
        print(f"{len(seen)} windows walked, {len(faults)} faults")
        return 1 if faults else 0
    finally:
        for p in (app_process, bus, server):
            if p is not None and p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
