"""The real program as a pupil and a screen reader meet it: key presses and
clicks through the X server (xdotool), reading through AT-SPI (pyatspi)."""

import itertools
import os
import subprocess
import sys
import time
import unittest

import pyatspi
from gi.repository import GLib
from PIL import ImageGrab

from ear import spoken
from kit import FAKETIME, poll

BINARY = sys.argv.pop(1)
TITLE = "Giocare con i numeri relativi, per la classe IIIA del Borvano"


def pump(seconds):
    """Lets AT-SPI deliver what it has to say."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def wait_for(what, timeout=10.0):
    # Exception: the tree may change under us while the window builds.
    return poll(what, timeout, 0.05, pump, Exception)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_app():
    # Under the GTK platform theme the toolkit bridge of GTK registers an
    # empty application of the same name: ours is the one with the window.
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "numeri-relativi" and any(
                c is not None and c.getRole() == pyatspi.ROLE_FRAME for c in app):
            return app
    return None


class Game:
    def __init__(self, clock=None, env=None):
        # With a clock ("14:21:50") the program's time of day starts there and
        # runs on in real time; its timers keep the real monotonic clock.
        env = dict(os.environ, **(env or {}))
        if clock:
            env.update(LD_PRELOAD=FAKETIME, FAKETIME=f"@2026-12-08 {clock}", FAKETIME_DONT_FAKE_MONOTONIC="1")
        self.process = subprocess.Popen([BINARY], env=env)
        self.app = wait_for(find_app)
        if self.app is None:
            raise AssertionError("the program did not appear on the accessibility bus")
        self.frame = wait_for(lambda: next(c for c in self.app if c.getRole() == pyatspi.ROLE_FRAME))
        window = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--name", "Giocare con i numeri"],
            capture_output=True, text=True, timeout=10).stdout.split()[0])
        xdotool("windowactivate", "--sync", window)
        self.window = window

    def named(self, prefix):
        return [n for n in descendants(self.frame) if n.name.startswith(prefix)]

    def label_value(self, prefix):
        node = wait_for(lambda: self.named(prefix + ": ")[0])
        return node.name[len(prefix) + 2:]

    def answer_box(self):
        return self.named("Risultato")[0]

    def answer_text(self):
        text = self.answer_box().queryText()
        return text.getText(0, text.characterCount)

    def operands(self):
        return int(self.label_value("Primo numero")), int(self.label_value("Secondo numero"))

    def type(self, text):
        xdotool("type", "--delay", "30", "--", text)
        pump(0.2)

    def key(self, *keys):
        xdotool("key", "--delay", "30", *keys)
        pump(0.3)

    def verdict(self):
        labels = [n for n in descendants(self.frame)
                  if n.getRole() == pyatspi.ROLE_LABEL and (n.name.startswith("Esatto") or n.name.startswith("Sbagliato"))]
        return labels[0].name if labels else ""

    def pixel_where_no_control_lies(self):
        # The answer box sits 496, 8 pixels into the window's client area.
        box = self.answer_box().queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x, y = box.x - 496 + 700, box.y - 8 + 300
        return ImageGrab.grab(xdisplay=None).getpixel((x, y))[:3]

    def dialogs(self, title):
        # A box opened over another box is that box's child.
        return [c for c in descendants(self.app) if c.getRole() in (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT) and c.name == title]

    def dialog_text(self, dialog):
        return [n.name for n in descendants(dialog) if n.getRole() == pyatspi.ROLE_LABEL and n.name]

    def form_origin(self):
        box = self.answer_box().queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x - 496, box.y - 8

    def click_below_stopwatch(self):
        x, y = self.form_origin()
        xdotool("mousemove", str(x + 506), str(y + 156), "click", "1")
        pump(0.3)

    def click(self, node):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
        pump(0.3)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=10)


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.events = []
        self.focus = []  # (name, description) of each control as it took the focus
        self.listen("object:property-change:accessible-name",
                    lambda e: self.events.append(e.source.name if e.source else ""))
        self.listen("object:state-changed:focused",
                    lambda e: e.detail1 and e.source and self.focus.append((e.source.name, e.source.description)))

    def listen(self, kind, listener):
        pyatspi.Registry.registerEventListener(listener, kind)
        self.addCleanup(pyatspi.Registry.deregisterEventListener, listener, kind)

    def heard_focus(self, name, description):
        """A focus event on the control whose description holds the text; later ones stay."""
        def find():
            for i, (n, d) in enumerate(self.focus):
                if n == name and description in d:
                    del self.focus[:i + 1]
                    return True
            return False
        self.assertTrue(wait_for(find), f"no focus on {name!r} saying {description!r}; heard {self.focus}")

    def heard_problem(self, g):
        first, second = g.operands()
        self.heard_focus("Risultato", f"Quanto fa {spoken(first)} più {spoken(second)}?")
        return first, second

    def assert_active_and_focused(self, g, timeout=10.0, when=""):
        self.assertTrue(wait_for(lambda: g.frame.getState().contains(pyatspi.STATE_ACTIVE), timeout),
                        f"the window is not active for assistive technology {when}")
        self.assertTrue(wait_for(lambda: g.answer_box().getState().contains(pyatspi.STATE_FOCUSED), timeout),
                        f"the answer box is not focused {when}")

    def start(self, clock=None, env=None):
        self.game = Game(clock, env)
        self.addCleanup(self.game.close)
        return self.game

    def set_end_time(self, text, by_keyboard=False):
        g = self.game
        if by_keyboard:
            g.key("ctrl+t")
        else:
            g.click_below_stopwatch()
        prompt = wait_for(lambda: g.dialogs("Il gioco termina alle ore"))
        self.assertTrue(prompt, "no end-time prompt")
        self.assertIn("Immettere l'orario di fine  gioco", g.dialog_text(prompt[0]))
        g.type(text)
        g.key("Return")

    def test_a_round_as_a_pupil_plays_it(self):
        g = self.start()
        self.assertEqual(g.frame.name, TITLE)
        first, second = self.heard_problem(g)
        self.assertTrue(-20 <= first <= 20 and -20 <= second <= 20)
        self.assertTrue(g.answer_box().getState().contains(pyatspi.STATE_FOCUSED))

        # Keys an integer does not need never reach the box.
        g.type("a+. x")
        self.assertEqual(g.answer_text(), "")

        g.type(str(first + second))
        g.key("Return")
        self.assertEqual(wait_for(g.verdict), "Esatto, è incredibile!!!")
        self.assertEqual(g.label_value("Risposte esatte"), "1")
        self.assertEqual(g.label_value("Risposte errate"), "0")
        self.assertEqual(g.label_value("Risposte totali"), "1")
        self.assertIn("Esatto, è incredibile!!!", self.events, "the verdict was not announced")
        self.heard_focus("Nuovo calcolo", "Esatto! Esatte 1, errate 0, totali 1.")

        # Enter again, now on the button, poses the next problem.
        g.key("Return")
        self.assertTrue(wait_for(lambda: g.verdict() == "" and g.answer_text() == ""))
        first, second = self.heard_problem(g)
        g.type(str(first + second + 1))
        g.key("KP_Enter")
        self.assertEqual(wait_for(g.verdict), f"Sbagliato!! {first + second}")
        self.heard_focus("Nuovo calcolo", f"Sbagliato. Il risultato giusto è {spoken(first + second)}. "
                                          "Esatte 1, errate 1, totali 2.")
        self.assertEqual(g.label_value("Risposte errate"), "1")
        self.assertEqual(g.label_value("Risposte totali"), "2")
        self.assertEqual(wait_for(lambda: g.pixel_where_no_control_lies() == (0, 0, 0)), True)

        # Alt+X ends the program at once.
        g.key("alt+x")
        self.assertEqual(g.process.wait(timeout=10), 0)

    def test_end_time_announced_once(self):
        g = self.start("14:21:50")
        first, second = g.operands()
        g.type(str(first + second))
        g.key("Return")
        self.set_end_time("14.22")
        set_at = g.label_value("Orologio")[:8]
        end = wait_for(lambda: g.dialogs("Fine"), timeout=20)
        self.assertTrue(end, "the end was not announced")
        # From then on the clock is renamed once a tick, the end time always in its name.
        later = [e for e in self.events if e.startswith("Orologio: ") and e[10:18] > set_at]
        self.assertTrue(later, "the clock was not renamed")
        self.assertEqual([e for e in later if not e.endswith(", fine alle 14:22:00")], [])
        self.assertIn("Gioco fino alle 14:22:00", g.dialog_text(end[0]))
        pump(2)
        self.assertEqual(len(g.dialogs("Fine")), 1)
        g.key("Return")
        question = wait_for(lambda: g.dialogs("INIZIARE NUOVA GARA"))
        self.assertTrue(question, "no new-game question after the end")
        self.assertIn("INIZIAMO UNA NUOVA GARA  ?", g.dialog_text(question[0]))
        g.key("Return")  # No is the default: the game goes on
        self.assertTrue(wait_for(lambda: not g.dialogs("INIZIARE NUOVA GARA")))
        pump(2.5)
        self.assertFalse(g.dialogs("Fine"), "the end was announced twice")
        self.assertEqual(g.label_value("Risposte totali"), "1")
        self.assertTrue(g.label_value("Orologio").startswith("14:22:"))
        self.assertTrue(g.label_value("Orologio").endswith(", fine alle 14:22:00"))

    def test_end_waits_for_the_credits_box(self):
        g = self.start("14:21:54")
        self.set_end_time("14.22", by_keyboard=True)
        # The credits, from the keyboard: F10, down to the credits entry, Enter.
        g.key("F10")
        g.key("Down")
        g.key("Down")
        g.key("Return")
        self.assertTrue(wait_for(lambda: g.dialogs("Scuola media statale")), "no credits box")
        self.assertTrue(wait_for(lambda: g.label_value("Orologio") >= "14:22:02", timeout=15))
        self.assertFalse(g.dialogs("Fine"), "the end was announced over the credits")
        g.key("Return")
        end = wait_for(lambda: g.dialogs("Fine"), timeout=5)
        self.assertTrue(end, "the end was not announced once the credits were closed")
        # Yes to a new game from the end: the new game is heard as the first one was.
        g.key("Return")
        self.assertTrue(wait_for(lambda: g.dialogs("INIZIARE NUOVA GARA")), "no new-game question after the end")
        del self.focus[:]
        g.key("y")
        self.assertTrue(wait_for(lambda: g.label_value("Risposte totali") == "0"))
        self.assert_active_and_focused(g)
        self.heard_problem(g)

    def test_new_game_from_the_keyboard(self):
        g = self.start()
        first, second = g.operands()
        g.type(str(first + second + 1))
        g.key("Return")
        self.assertEqual(wait_for(lambda: g.label_value("Risposte errate")), "1")
        # F10 opens the menu; the credits entry's submenu holds "Nuovo".
        g.key("F10")
        g.key("Down")
        g.key("Down")
        g.key("Right")
        g.key("Return")
        question = wait_for(lambda: g.dialogs("INIZIARE NUOVA GARA"))
        self.assertTrue(question, "no new-game question from the menu")
        del self.focus[:]
        g.key("y")
        self.assertTrue(wait_for(lambda: g.label_value("Risposte errate") == "0"))
        self.assertEqual(g.label_value("Risposte totali"), "0")
        self.assertEqual(g.frame.name, TITLE)
        self.assertEqual(g.verdict(), "")
        self.assert_active_and_focused(g)
        self.heard_problem(g)

    def test_new_games_in_a_row(self):
        """However a new game is asked for and agreed to, the rebuilt window
        is the active one with the answer box focused, at once, every time."""
        # Italian buttons, so that "s" chooses "Sì".
        g = self.start("14:21:30", env={"LANGUAGE": "it"})
        rounds = int(os.environ.get("NR_NEW_GAMES", "3"))
        paths = list(itertools.product(("menu", "end"), ("Return", "s", "click")))
        for n, (source, answer) in enumerate(paths * rounds, 1):
            when = f"after new game {n} ({source}, {answer})"
            if source == "menu":
                g.key("F10", "Down", "Down", "Right", "Return")
            else:
                # The end time is the clock's own minute: reached at the next tick.
                g.key("ctrl+t")
                self.assertTrue(wait_for(lambda: g.dialogs("Il gioco termina alle ore")), f"no end-time prompt {when}")
                g.type(g.label_value("Orologio")[:5])
                g.key("Return")
                self.assertTrue(wait_for(lambda: g.dialogs("Fine")), f"no end box {when}")
                g.key("Return")
            question = wait_for(lambda: g.dialogs("INIZIARE NUOVA GARA"))
            self.assertTrue(question, f"no new-game question {when}")
            if answer == "Return":
                g.key("shift+Tab", "Return")
            elif answer == "s":
                g.key("s")
            else:
                g.click(next(n for n in descendants(question[0]) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                             and n.name.replace("&", "") == "Sì"))
            self.assertTrue(wait_for(lambda: not g.dialogs("INIZIARE NUOVA GARA")), f"the question stayed {when}")
            self.assert_active_and_focused(g, timeout=1.0, when=when)
            g.type("7")
            self.assertEqual(wait_for(lambda: g.answer_text() == "7", 1.0), True, f"the typed key was lost {when}")
            g.key("BackSpace")

    def test_wayland_where_display_answers_not(self):
        """With a DISPLAY that names no X server (XWayland off, a stale value)
        the game runs on Wayland itself."""
        weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=nr-wayland", "--idle-time=0"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(weston.wait)
        self.addCleanup(weston.terminate)
        self.assertTrue(wait_for(lambda: os.path.exists(os.path.join(os.environ["XDG_RUNTIME_DIR"], "nr-wayland"))),
                        "no Wayland compositor to test with")
        env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
        env.update(WAYLAND_DISPLAY="nr-wayland", DISPLAY=":4321")
        game = subprocess.Popen([BINARY], env=env, stderr=subprocess.PIPE, text=True)
        self.addCleanup(game.wait)
        self.addCleanup(game.kill)
        self.assertTrue(wait_for(lambda: game.poll() is not None or find_app(), timeout=20))
        self.assertIsNone(game.poll(), game.stderr.read() if game.poll() is not None else "")
        self.assertTrue(find_app(), "the game shows no window")

    def test_dark_desktop_theme(self):
        # GNOME's dark theme, as Qt programs read it there.
        g = self.start(env={"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"})
        g.type("-88")
        shot = ImageGrab.grab(xdisplay=None)

        def darkest(node):
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            area = shot.crop((box.x + 3, box.y + 3, box.x + box.width - 3, box.y + box.height - 3))
            return min(sum(pixel[:3]) // 3 for pixel in area.getdata())

        # The theme is dark: the empty end of the menu bar, above the client area, is.
        x, y = g.form_origin()
        self.assertLess(sum(shot.getpixel((x + 700, y - 8))[:3]) // 3, 100,
                        "the desktop theme is not dark: the test proves nothing")
        # The sum and the typed answer stay black on the design's cyan.
        for name in ("Primo numero", "Secondo numero", "Risultato", "più", "uguale"):
            self.assertLess(darkest(g.named(name)[0]), 60, f"{name} is not drawn in black")

    def test_screen_reader_names(self):
        g = self.start()
        focusable = [n for n in descendants(g.frame) if n.getState().contains(pyatspi.STATE_FOCUSABLE)
                     and n.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)]
        names = sorted(n.name for n in focusable)
        self.assertEqual(names, ["Esci", "Nuovo calcolo", "Pulsante senza funzione", "Risultato"])
        for prefix in ("Primo numero", "Secondo numero", "Risposte esatte", "Risposte errate",
                       "Risposte totali"):
            self.assertTrue(g.named(prefix), f"nothing is named {prefix!r}")
        self.assertIn("Ctrl+T", g.named("Imposta l'orario di fine gioco")[0].description)
        # The design's English tool tip is not what a listener hears.
        self.assertEqual(g.named("Nuovo calcolo")[0].description, "Pone il prossimo calcolo.")
        self.assertTrue(wait_for(lambda: g.named("Orologio: ")), "the clock is not read")


if __name__ == "__main__":
    unittest.main(verbosity=2)
