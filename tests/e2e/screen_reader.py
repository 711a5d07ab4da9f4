"""A pupil who cannot see the screen plays the real program by ear: the
driver only listens to what Orca says (the SPEECH OUTPUT lines of its debug
log) and types on the keyboard (xdotool), as the pupil would."""

import os
import re
import subprocess
import sys
import time
import unittest

BINARY, LOG = sys.argv.pop(1), sys.argv.pop(1)
FAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
PROBLEM = re.compile(r"Quanto fa (meno )?(\d+) più (meno )?(\d+)\?")


def spoken_number(text):
    """ "meno 6" -> -6, as the game says a number."""
    return -int(text[5:]) if text.startswith("meno ") else int(text)


class Ear:
    """What Orca has said since the last thing heard."""

    def __init__(self, path):
        self.path = path
        self.heard = 0
        self.said = []

    def lines(self):
        if not os.path.exists(self.path):
            return []
        with open(self.path, encoding="utf-8", errors="replace") as log:
            return [m.group(1) for m in re.finditer(r"SPEECH OUTPUT: '(.*?)' ?\{", log.read())]

    def listen(self, pattern, timeout=15):
        """As a pupil does: waits for the words, then for the end of the
        sentence before pressing a key. (Orca 48 also keeps an object's
        description for up to 2 s: a pupil who never lets it finish could
        hear the previous problem again.)"""
        match = self.wait_for(pattern, timeout)
        time.sleep(2.5)
        return match

    def wait_for(self, pattern, timeout=15):
        """The first new utterance matching pattern; everything up to it is heard."""
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            lines = self.lines()
            for i in range(self.heard, len(lines)):
                match = re.search(pattern, lines[i])
                if match:
                    self.said += lines[self.heard:i + 1]
                    self.heard = i + 1
                    return match
            time.sleep(0.1)
        raise AssertionError(f"Orca never said {pattern!r}; it said {self.lines()[self.heard:]}")


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "150", "--", text], check=True)


class ByEar(unittest.TestCase):
    def test_a_lesson_by_ear(self):
        ear = Ear(LOG)
        ear.wait_for("Lettore schermo attivo", timeout=30)
        # The game's clock starts at 14:21:30 and runs on in real time.
        env = dict(os.environ, LD_PRELOAD=FAKETIME, FAKETIME="@2026-12-08 14:21:30",
                   FAKETIME_DONT_FAKE_MONOTONIC="1")
        started = time.monotonic()
        game = subprocess.Popen([BINARY], env=env)
        self.addCleanup(game.wait)
        self.addCleanup(game.kill)

        def solve(first_of_game=False):
            match = ear.listen(PROBLEM.pattern + (" Scrivi il risultato e premi Invio" if first_of_game else ""))
            first = spoken_number((match.group(1) or "") + match.group(2))
            second = spoken_number((match.group(3) or "") + match.group(4))
            return first + second

        def spoken(n):
            return f"meno {-n}" if n < 0 else str(n)

        def answer(text):
            """Types as a pupil does, hearing each key echoed."""
            type_text(text)
            ear.wait_for(rf"^{text[-1]}\s*$")
            keys("Return")

        def play(total):
            """A right and a wrong answer, counted from zero; then the next problem is heard."""
            answer(str(total))
            ear.listen(r"Esatto! Esatte 1, errate 0, totali 1\.")
            keys("Return")
            total = solve()
            answer(str(total + 1))
            ear.listen(rf"Sbagliato\. Il risultato giusto è {spoken(total)}\. Esatte 1, errate 1, totali 2\.")
            keys("Return")
            solve()

        def yes(by):
            ear.listen("INIZIAMO UNA NUOVA GARA")
            if by == "s":
                keys("s")
            else:
                keys("shift+Tab")
                ear.listen("Sì")
                keys("Return")
            return solve(first_of_game=True)

        # The first problem is heard at start, with how to answer, without any key.
        total = solve(first_of_game=True)
        # The clock ticks on, silently: nothing is said until the pupil acts.
        time.sleep(3)
        self.assertEqual(ear.lines()[ear.heard:], [], "something was said on its own")
        play(total)

        # New games from the menu, agreed to by Enter and by the access key.
        for by in ("Return", "s"):
            keys("F10", "Down", "Down", "Right", "Return")
            play(yes(by))

        # The end time by keyboard, a few seconds ahead; it is heard as the prompt closes.
        end = 14 * 3600 + 21 * 60 + 30 + int(time.monotonic() - started) + 15
        keys("ctrl+t")
        ear.listen("Il gioco termina alle ore")
        type_text(f"{end // 3600}.{end // 60 % 60:02}.{end % 60:02}")
        keys("Return")
        ear.listen(rf"Il gioco finisce alle {end // 3600}:{end // 60 % 60:02}:{end % 60:02}\.")
        # At the first tick from then on with no box open: the end box, then a new game.
        ear.listen(r"Gioco fino alle \d+:\d\d:\d\d", timeout=40)
        keys("Return")
        play(yes("Return"))
        print("\n".join(f"  Orca: {line}" for line in ear.said))


if __name__ == "__main__":
    unittest.main(verbosity=2)
