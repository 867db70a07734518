#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a game of Monte-Carlo through a real accessibility client.

Under a private X display (Xvfb), D-Bus session and AT-SPI registry, all started here, the
program opens Monte-Carlo at start-up; the client presses JOUER, reads the names of the cards on
the table and the prompt, plays a pair by the cards' own actions and reads them again. It passes
only when the names are cards of one deck, 25 of them laid in the grid, and the pair leaves the
grid as the game's rules say: the others close up in order and two new cards come in at the end;
only when the new prompt is announced (a name-change event), and only when the game clock gives
its time on demand without a name-change event at each second. Exit status 77 (skipped) when
the accessibility packages are missing.

Usage: atspi_montecarlo.py PATH_TO_VORELLES
"""
import importlib.util
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
RANKS = ["As", "Deux", "Trois", "Quatre", "Cinq", "Six", "Sept", "Huit", "Neuf", "Dix",
         "Valet", "Dame", "Roi"]
SUITS = ["pique", "cœur", "carreau", "trèfle"]
CARD = re.compile(r"^(%s) de (%s)$" % ("|".join(RANKS), "|".join(SUITS)))
PLACE = re.compile(r"^Grille, rangée (\d+), colonne (\d+)$")
TIME = re.compile(r"^\d\d:\d\d:\d\d$")
CLOCK = "Temps de jeu"
STARTED = "Cliquez sur la carte ci-dessous pour commencer la vorelle."
SECOND = "Selectionnez une deuxième carte."
PAIR = "BRAVO, Les cartes choisies forment une paire. Cliquez sur une carte"


def skip(why):
    print("IGNORÉ : " + why)
    sys.exit(SKIPPED)


def fail(why):
    print("ÉCHEC : " + why)
    sys.exit(1)


class Session:
    """The processes started for the test, each in a process group of its own."""

    def __init__(self):
        self.processes = []
        self.pids = []

    def start(self, command, env, **options):
        process = subprocess.Popen(command, env=env, start_new_session=True, **options)
        self.processes.append(process)
        return process

    def stop(self):
        for process in reversed(self.processes):
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
        for pid in self.pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass


def wait_for(what, probe, seconds=20):
    from gi.repository import GLib
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        # The events of the accessibility bus come in through the main loop.
        while GLib.MainContext.default().iteration(False):
            pass
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    fail("délai dépassé : " + what)


def start_display(session, env):
    """A private X server, once it takes connections; a server that dies at once (another one
    was still letting go of the same display) is started again."""
    for _ in range(3):
        read_end, write_end = os.pipe()
        server = session.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                                "1024x768x24", "-nolisten", "tcp"], env,
                               pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        deadline = time.monotonic() + 10
        while number and server.poll() is None and time.monotonic() < deadline:
            with socket.socket(socket.AF_UNIX) as probe:
                try:
                    probe.connect("/tmp/.X11-unix/X" + number)
                    return ":" + number
                except OSError:
                    time.sleep(0.1)
    fail("le serveur X virtuel ne démarre pas")


def main():
    if len(sys.argv) != 2 or not os.access(sys.argv[1], os.X_OK):
        print("usage : atspi_montecarlo.py CHEMIN_DE_VORELLES", file=sys.stderr)
        sys.exit(2)
    program = os.path.abspath(sys.argv[1])
    missing = [tool for tool in ("Xvfb", "dbus-launch") if not shutil.which(tool)]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append("at-spi2-core")
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("python3-pyatspi")
    if missing:
        skip("paquets d'accessibilité absents (%s) ; scripts/need les installe" % ", ".join(missing))

    home = tempfile.mkdtemp(prefix="vorelles-atspi-")
    env = dict(os.environ)
    env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_RUNTIME_DIR=os.path.join(home, "run"), LC_ALL="C.UTF-8")
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
    os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "vorelles"))
    with open(os.path.join(env["XDG_CONFIG_HOME"], "vorelles", "vorelles.ini"), "w",
              encoding="utf-8") as ini:
        ini.write("[parametres]\ndate%20de%20debut=01/01/2026\ndemarrage=Monte-Carlo\n")

    session = Session()
    try:
        env["DISPLAY"] = start_display(session, env)
        launched = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, check=True,
                                  capture_output=True, text=True).stdout
        for name in ("DBUS_SESSION_BUS_ADDRESS", "DBUS_SESSION_BUS_PID"):
            value = re.search(name + r"='?([^';\n]*)", launched)
            if not value:
                fail("dbus-launch n'a pas donné " + name)
            env[name] = value.group(1)
        session.pids.append(int(env["DBUS_SESSION_BUS_PID"]))
        session.start([BUS_LAUNCHER, "--launch-immediately"], env, stderr=subprocess.DEVNULL)
        os.environ.update(env)
        import pyatspi  # after the session exists: it connects as it loads

        app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QT_ACCESSIBILITY="1")
        started = [session.start([program], app_env, stderr=subprocess.DEVNULL)]

        def restarted():
            # A program that could not reach the display at once is started again.
            if started[-1].poll() is not None and len(started) < 3:
                started.append(session.start([program], app_env, stderr=subprocess.DEVNULL))

        play(pyatspi, restarted)
    finally:
        session.stop()
        shutil.rmtree(home, ignore_errors=True)
    print("RÉUSSI : les cartes et la consigne lues par AT-SPI sont celles de la donne")


def play(pyatspi, restarted):
    desktop = pyatspi.Registry.getDesktop(0)

    def application():
        restarted()
        # The desktop's list of programs is cached and only refreshed by an event; read it
        # afresh, or a registration event missed under load hides the program for good.
        desktop.clear_cache()
        for app in desktop:
            if app is not None and app.name == "vorelles":
                return app
        return None

    # The program shows its splash for two seconds first; a busy machine adds to that.
    app = wait_for("le programme sur le bus d'accessibilité", application, seconds=40)

    def find(test):
        return pyatspi.findDescendant(app, lambda node: node is not None and test(node))

    def fresh(node):
        node.clear_cache()
        return node

    table = wait_for("le tapis de Monte-Carlo", lambda: find(
        lambda node: fresh(node).description == "Tapis de jeu"))
    prompt = find(lambda node: node.getRole() == pyatspi.ROLE_LABEL and
                  node.description == "Information")
    if prompt is None:
        fail("la consigne lblInfo est introuvable")
    jouer = find(lambda node: node.getRole() == pyatspi.ROLE_PUSH_BUTTON and
                 node.name == "Jouer")
    if jouer is None:
        fail("le bouton Jouer est introuvable")
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda event: heard.append(event.source.name), "object:property-change:accessible-name")
    dealt = fresh(prompt).name
    jouer.queryAction().doAction(0)
    said = wait_for("la consigne après JOUER",
                    lambda: fresh(prompt).name if fresh(prompt).name != dealt else None)
    if said.startswith("DESOLE"):
        print("donne sans paire : perdue dès JOUER")
    elif said != STARTED:
        fail("consigne après JOUER : %r" % said)
    wait_for("l'annonce de la nouvelle consigne", lambda: said in heard)

    grid = read_grid(table, fresh)
    cards = [name for name, _ in grid]
    if len(grid) != 25 or not all(CARD.match(name) for name in cards):
        fail("la grille n'a pas 25 cartes nommées : %r" % cards)
    if len(set(cards)) != 25:
        fail("une carte est deux fois dans la grille : %r" % cards)
    if said.startswith("DESOLE"):
        return
    listen_to_clock(pyatspi, find, fresh, heard)
    first, second = find_pair(grid)
    grid_children = {name: node for name, node in grid}
    grid_children[cards[first]].queryAction().doAction(0)
    wait_for("la consigne de la deuxième carte", lambda: fresh(prompt).name == SECOND)
    grid_children[cards[second]].queryAction().doAction(0)
    said = wait_for("la consigne après la paire",
                    lambda: fresh(prompt).name if fresh(prompt).name != SECOND else None)
    if said != PAIR and not said.startswith("BRAVO") and not said.startswith("DESOLE"):
        fail("consigne après la paire : %r" % said)
    after = [name for name, _ in read_grid(table, fresh)]
    kept = [name for i, name in enumerate(cards) if i not in (first, second)]
    if after[:23] != kept:
        fail("les cartes ne se sont pas resserrées dans l'ordre : %r, puis %r" % (cards, after))
    new = after[23:]
    if len(new) != 2 or not all(CARD.match(n) for n in new) or set(new) & set(cards):
        fail("les cartes venues du talon ne sont pas deux cartes nouvelles : %r" % new)
    print("paire jouée : %s et %s" % (cards[first], cards[second]))


def listen_to_clock(pyatspi, find, fresh, heard):
    """The game clock runs two seconds: its time is its description, read when asked, and no
    change of name is told at each second."""
    clock = find(lambda node: node.getRole() == pyatspi.ROLE_LABEL and
                 CLOCK in (node.name, node.description))
    if clock is None:
        fail("l'horloge « %s » est introuvable" % CLOCK)

    def two_seconds():
        node = fresh(clock)
        times = [text for text in (node.name, node.description) if TIME.match(text or "")]
        return times and times[0] >= "00:00:02"

    wait_for("deux secondes à l'horloge", two_seconds)
    ticks = [name for name in heard if TIME.match(name or "")]
    if ticks:
        fail("l'horloge annonce chaque seconde : %r" % ticks)
    if fresh(clock).name != CLOCK or not TIME.match(fresh(clock).description or ""):
        fail("l'horloge ne dit pas l'heure quand on la lit : %r, %r" %
             (clock.name, clock.description))


def read_grid(table, fresh):
    """The 25 places of the grid as (name, node), row by row, from their positions."""
    places = []
    for node in fresh(table):
        where = PLACE.match(fresh(node).description or "")
        if where:
            places.append((int(where.group(1)), int(where.group(2)), node.name, node))
    places.sort(key=lambda place: place[:2])
    return [(name, node) for _, _, name, node in places]


def find_pair(grid):
    """Two neighbours of the grid of the same rank or the same suit."""
    for a in range(25):
        for b in range(a + 1, 25):
            if abs(a // 5 - b // 5) > 1 or abs(a % 5 - b % 5) > 1:
                continue
            rank_a, suit_a = CARD.match(grid[a][0]).groups()
            rank_b, suit_b = CARD.match(grid[b][0]).groups()
            if rank_a == rank_b or suit_a == suit_b:
                return a, b
    fail("aucune paire dans la grille, alors que le jeu continue")
    return None


if __name__ == "__main__":
    main()
