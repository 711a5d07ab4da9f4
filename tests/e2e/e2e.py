"""The real program as a pupil and a screen reader meet it: key presses and
clicks through the X server (xdotool), reading through AT-SPI (pyatspi)."""

import subprocess
import sys
import time
import unittest

import pyatspi
from gi.repository import GLib
from PIL import ImageGrab

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
    end = time.monotonic() + timeout
    while True:
        try:
            value = what()
        except Exception:  # the tree may change under us while the window builds
            value = None
        if value or time.monotonic() > end:
            return value
        pump(0.05)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


class Game:
    def __init__(self):
        self.process = subprocess.Popen([BINARY])
        self.app = wait_for(self._find_app)
        if self.app is None:
            raise AssertionError("the program did not appear on the accessibility bus")
        self.frame = wait_for(lambda: next(c for c in self.app if c.getRoleName() == "frame"))
        window = wait_for(lambda: subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--name", "Giocare con i numeri"],
            capture_output=True, text=True, timeout=10).stdout.split()[0])
        xdotool("windowactivate", "--sync", window)
        self.window = window

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "numeri-relativi":
                return app
        return None

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
                  if n.getRoleName() == "label" and (n.name.startswith("Esatto") or n.name.startswith("Sbagliato"))]
        return labels[0].name if labels else ""

    def pixel_where_no_control_lies(self):
        # The answer box sits 496, 8 pixels into the window's client area.
        box = self.answer_box().queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x, y = box.x - 496 + 700, box.y - 8 + 300
        return ImageGrab.grab(xdisplay=None).getpixel((x, y))[:3]

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait(timeout=10)


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.events = []
        self.listener = lambda e: self.events.append(e.source.name if e.source else "")
        pyatspi.Registry.registerEventListener(self.listener, "object:property-change:accessible-name")
        self.game = Game()
        self.addCleanup(self.game.close)
        self.addCleanup(pyatspi.Registry.deregisterEventListener, self.listener,
                        "object:property-change:accessible-name")

    def test_a_round_as_a_pupil_plays_it(self):
        g = self.game
        self.assertEqual(g.frame.name, TITLE)
        first, second = g.operands()
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

        # Enter again, now on the button, poses the next problem.
        g.key("Return")
        self.assertTrue(wait_for(lambda: g.verdict() == "" and g.answer_text() == ""))
        first, second = g.operands()
        g.type(str(first + second + 1))
        g.key("KP_Enter")
        self.assertEqual(wait_for(g.verdict), f"Sbagliato!! {first + second}")
        self.assertEqual(g.label_value("Risposte errate"), "1")
        self.assertEqual(g.label_value("Risposte totali"), "2")
        self.assertEqual(wait_for(lambda: g.pixel_where_no_control_lies() == (0, 0, 0)), True)

        # Alt+X ends the program at once.
        g.key("alt+x")
        self.assertEqual(g.process.wait(timeout=10), 0)

    def test_screen_reader_names(self):
        g = self.game
        focusable = [n for n in descendants(g.frame) if n.getState().contains(pyatspi.STATE_FOCUSABLE)
                     and n.getRoleName() in ("push button", "text")]
        names = sorted(n.name for n in focusable)
        self.assertEqual(names, ["Command1", "Esci", "Nuovo calcolo", "Risultato"])
        for prefix in ("Primo numero", "Secondo numero", "Risposte esatte", "Risposte errate",
                       "Risposte totali"):
            self.assertTrue(g.named(prefix), f"nothing is named {prefix!r}")
        self.assertTrue(g.named("Imposta l'orario di fine gioco"))
        self.assertTrue(wait_for(lambda: g.named("Orologio: ")), "the clock is not read")


if __name__ == "__main__":
    unittest.main(verbosity=2)
