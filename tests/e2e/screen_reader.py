"""A pupil who cannot see the screen plays the real program by ear: the
driver only listens to what Orca says (the SPEECH OUTPUT lines of its debug
log) and types on the keyboard (xdotool), as the pupil would."""

import os
import subprocess
import sys
import time
import unittest

from ear import Ear, Pupil, keys, type_text
from kit import FAKETIME

BINARY = sys.argv.pop(1)


class ByEar(unittest.TestCase):
    def test_a_lesson_by_ear(self):
        ear = Ear(os.environ["NR_ORCA_LOG"])
        ear.wait_for("Lettore schermo attivo", timeout=30)
        # The game's clock starts at 14:21:30 and runs on in real time.
        env = dict(os.environ, LD_PRELOAD=FAKETIME, FAKETIME="@2026-12-08 14:21:30",
                   FAKETIME_DONT_FAKE_MONOTONIC="1")
        started = time.monotonic()
        game = subprocess.Popen([BINARY], env=env)
        self.addCleanup(game.wait)
        self.addCleanup(game.kill)

        pupil = Pupil(ear)
        solve = pupil.solve

        def play(total):
            """A right and a wrong answer, counted from zero; then the next problem is heard."""
            pupil.right_then_wrong(total)
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
