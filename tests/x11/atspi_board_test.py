#!/usr/bin/env python3
"""The workshop as a screen reader meets it, over AT-SPI on a real X display.

Starts the real lumora-workshop, finds its board among the desktop's
accessible objects, reads cells by name, paints a stroke by keyboard (real
X key events from xdotool), saves the pack by keyboard through the folder
dialog and reads the saved stage file back.

Run under xvfb-run and dbus-run-session:  atspi_board_test.py WORKSHOP
Exit 0 when every check held, 1 when one failed, 77 (skipped) only when no
X display could be reached.
"""
import os
import subprocess
import sys
import tempfile
import time

SKIP = 77
BOARD_NAME = "Board"
WAIT = 30.0  # seconds for any one thing to appear; the proofs share 2 cores


def fail(why):
    print("FAIL: " + why, flush=True)
    sys.exit(1)


def wait_for(what, probe, seconds=WAIT):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        got = probe()
        if got:
            return got
        time.sleep(0.2)
    fail("no " + what + " within %d s" % seconds)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=20)


def display_reachable():
    if not os.environ.get("DISPLAY"):
        return False
    return subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True).returncode == 0


def find(node, want, depth=0):
    """The first accessible below `node` that `want` takes, depth first."""
    if node is None or depth > 40:
        return None
    try:
        if want(node):
            return node
        for i in range(node.get_child_count()):
            hit = find(node.get_child_at_index(i), want, depth + 1)
            if hit is not None:
                return hit
    except Exception:  # an object that went while it was walked
        return None
    return None


def find_board(Atspi):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is None or "Workshop" not in (app.get_name() or ""):
            continue
        board = find(app, lambda n: n.get_role() == Atspi.Role.TABLE and n.get_name() == BOARD_NAME)
        if board is not None:
            return board
    return None


def cell_name(Atspi, board, c, r):
    cell = Atspi.Table.get_accessible_at(board, r - 1, c - 1)
    return cell.get_name() if cell is not None else None


def cell_focused(Atspi, board, c, r):
    cell = Atspi.Table.get_accessible_at(board, r - 1, c - 1)
    return cell is not None and cell.get_state_set().contains(Atspi.StateType.FOCUSED)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    workshop = sys.argv[1]
    if not display_reachable():
        print("SKIP: no X display could be reached", flush=True)
        return SKIP

    import gi

    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    Atspi.init()
    home = tempfile.TemporaryDirectory(prefix="lumora-atspi-")
    pack = os.path.join(home.name, "keyboard pack")
    os.mkdir(pack)
    env = dict(os.environ)
    env.update(
        HOME=home.name,
        XDG_CONFIG_HOME=os.path.join(home.name, "config"),
        XDG_DATA_HOME=os.path.join(home.name, "data"),
        XDG_STATE_HOME=os.path.join(home.name, "state"),
        QT_QPA_PLATFORM="xcb",
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
        LANGUAGE="C",
    )
    env.pop("QT_QPA_PLATFORMTHEME", None)  # Qt's own folder dialog, whatever the desktop
    program = subprocess.Popen([workshop], env=env)
    try:
        board = wait_for("board over AT-SPI", lambda: find_board(Atspi))
        if Atspi.Table.get_n_rows(board) != 9 or Atspi.Table.get_n_columns(board) != 9:
            fail("the board is no 9 x 9 table")
        if board.get_child_count() != 81:
            fail("the board has %d cells" % board.get_child_count())
        start = cell_name(Atspi, board, 1, 9)
        if start != "column 1, row 9: empty, start":
            fail("cell (1, 9) reads %r" % start)
        print("read: " + start, flush=True)
        # The proof's verdict on the blank stage becomes the board's description.
        verdict = wait_for("verdict in the board's description",
                           lambda: (board.get_description() or "").startswith("\u2714") and
                           board.get_description())
        print("verdict: " + verdict, flush=True)

        window = wait_for(
            "workshop window on the display",
            lambda: subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--name", "Lumora Workshop"],
                capture_output=True, text=True).stdout.split())[0]
        xdotool("windowfocus", "--sync", window)
        time.sleep(0.5)  # the window manager-less server settles the focus
        # Water, two to the right and one down, Space; then a Shift stroke down two.
        xdotool("key", "--delay", "100", "3", "Right", "Right", "Down", "space")
        xdotool("keydown", "shift")
        xdotool("key", "--delay", "100", "Down", "Down")
        xdotool("keyup", "shift")
        for r in (2, 3, 4):
            want = "column 3, row %d: water" % r
            wait_for(want, lambda: cell_name(Atspi, board, 3, r) == want, 10)
        wait_for("focus on the cursor's cell", lambda: cell_focused(Atspi, board, 3, 4), 10)
        print("painted by keyboard: (3, 2) to (3, 4) water, the focus on (3, 4)", flush=True)

        xdotool("key", "ctrl+s")
        time.sleep(1.0)  # the folder dialog comes up with the keyboard in its name field
        xdotool("type", "--delay", "20", pack)
        stage_file = os.path.join(pack, "mmap1.bkm")
        for _ in range(5):  # a completer's list may take the first Return
            xdotool("key", "Return")
            deadline = time.monotonic() + 3
            while time.monotonic() < deadline and not os.path.exists(stage_file):
                time.sleep(0.2)
            if os.path.exists(stage_file):
                break
        if not os.path.exists(stage_file):
            fail("no stage file saved in " + pack)
        with open(stage_file, "rb") as f:
            rows = f.read().decode("ascii").split("\r\n")
        wanted = {(3, 2): "W", (3, 3): "W", (3, 4): "W", (1, 9): "P", (2, 2): "."}
        for (c, r), letter in wanted.items():
            if rows[r - 1][c - 1] != letter:
                fail("saved cell (%d, %d) is %r, not %r" % (c, r, rows[r - 1][c - 1], letter))
        print("saved: " + " / ".join(rows[:4]), flush=True)
    finally:
        program.terminate()
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()
    print("PASS", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
