"""What a pupil who cannot see the screen does: listens to what Orca says
(the SPEECH OUTPUT lines of its debug log, named by NR_ORCA_LOG inside
run-screen-reader.sh) and types on the keyboard of the X server (xdotool)."""

import os
import re
import subprocess
import time

from kit import poll

PROBLEM = re.compile(r"Quanto fa (meno )?(\d+) più (meno )?(\d+)\?")


def spoken_number(text):
    """ "meno 6" -> -6, as the game says a number."""
    return -int(text[5:]) if text.startswith("meno ") else int(text)


def spoken(n):
    return f"meno {-n}" if n < 0 else str(n)


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
        def heard():
            lines = self.lines()
            for i in range(self.heard, len(lines)):
                if match := re.search(pattern, lines[i]):
                    self.said += lines[self.heard:i + 1]
                    self.heard = i + 1
                    return match
        match = poll(heard, timeout, 0.1)
        if match:
            return match
        raise AssertionError(f"Orca never said {pattern!r}; it said {self.lines()[self.heard:]}")


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "150", "--", text], check=True)


class Pupil:
    """Plays by ear: hears a problem, types the sum with each key echoed,
    hears the verdict."""

    def __init__(self, ear):
        self.ear = ear

    def solve(self, first_of_game=False, timeout=15):
        """The sum of the next problem heard; the first of a game says how to answer."""
        match = self.ear.listen(PROBLEM.pattern + (" Scrivi il risultato e premi Invio" if first_of_game else ""),
                                timeout)
        return spoken_number((match.group(1) or "") + match.group(2)) + \
            spoken_number((match.group(3) or "") + match.group(4))

    def answer(self, text):
        type_text(text)
        self.ear.wait_for(rf"^{text[-1]}\s*$")
        keys("Return")

    def right_then_wrong(self, total):
        """A right and a wrong answer, counted from zero; the wrong one's verdict, as heard."""
        self.answer(str(total))
        self.ear.listen(r"Esatto! Esatte 1, errate 0, totali 1\.")
        keys("Return")
        total = self.solve()
        self.answer(str(total + 1))
        wrong = rf"Sbagliato\. Il risultato giusto è {spoken(total)}\. Esatte 1, errate 1, totali 2\."
        self.ear.listen(wrong)
        return wrong
