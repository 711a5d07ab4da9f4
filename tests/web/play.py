"""Plays the web page in headless Chromium through the DevTools protocol: the
problem's colours, a right answer typed on the keypad and a wrong one on the
top row, every box opened and answered, a new game, Esci, a clean console,
and the game again from the page's offline copy.
Usage: play.py SITE_FOLDER [SCREENSHOT_FOLDER]"""
import datetime
import os
import sys
import time
import unittest

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tools', 'web'))
from devtools import Browser, serve  # noqa: E402

SITE = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else 'build/web'
SHOTS = sys.argv[2] if len(sys.argv) > 2 else None
FONTS = '/usr/share/fonts/truetype/liberation'
BOX_TITLE = (48, 140, 198)  # the title bar of the active box
# Where the design puts things, in the page's pixels.
OPERANDS = (0, 35, 720, 116)
ANSWER = (600, 70)
BACKGROUND = (300, 225)
# Inside the counters' frames, which grow sideways with the number.
COUNTERS = {'esatte': (20, 297, 180, 348), 'errate': (260, 297, 420, 348), 'totali': (500, 297, 650, 348)}
EXIT = (172, 435)
# Records every tone the page starts.
AUDIO_PROBE = '''
window.nrTones = 0;
for (const C of [window.AudioContext, window.webkitAudioContext].filter(Boolean)) {
  const make = C.prototype.createOscillator;
  C.prototype.createOscillator = function () {
    const tone = make.call(this);
    const start = tone.start.bind(tone);
    tone.start = function (...a) { window.nrTones++; return start(...a); };
    return tone;
  };
}'''


def glyph_shapes(font_file, characters):
    font = ImageFont.truetype(os.path.join(FONTS, font_file), 64)
    shapes = {}
    for c in characters:
        image = Image.new('L', (120, 120), 0)
        ImageDraw.Draw(image).text((20, 10), c, font=font, fill=255)
        shapes[c] = normalise(image.crop(image.getbbox()))
    return shapes


def normalise(glyph):
    """A glyph's ink as 12x18 cells, with its aspect ratio."""
    width, height = glyph.size
    return (glyph.resize((12, 18)).point(lambda v: 255 if v > 100 else 0).tobytes(), width / height)


def closest(shape, shapes):
    def distance(other):
        cells = sum(a != b for a, b in zip(shape[0], other[0])) / len(shape[0])
        return cells + abs(shape[1] - other[1])
    return min(shapes, key=lambda c: distance(shapes[c]))


SANS = glyph_shapes('LiberationSans-Bold.ttf', '-0123456789')
SERIF = glyph_shapes('LiberationSerif-Bold.ttf', '0123456789')


def read_text(image, box, shapes):
    """The characters drawn in a box, told from its commonest colour by their ink."""
    region = image.crop(box)
    background = max(region.getcolors(1 << 20))[1]
    mask = Image.new('L', region.size, 0)
    pixels, marks = region.load(), mask.load()
    for x in range(region.width):
        for y in range(region.height):
            if sum(abs(p - q) for p, q in zip(pixels[x, y], background)) > 150:
                marks[x, y] = 255
    # A frame around the text is ink too: drop the columns and rows it fills.
    for x in range(region.width):
        if sum(marks[x, y] > 0 for y in range(region.height)) > region.height * 0.9:
            for y in range(region.height):
                marks[x, y] = 0
    for y in range(region.height):
        if sum(marks[x, y] > 0 for x in range(region.width)) > region.width * 0.9:
            for x in range(region.width):
                marks[x, y] = 0
    text, run = '', []
    for x in range(region.width + 1):
        if x < region.width and any(marks[x, y] for y in range(region.height)):
            run.append(x)
        elif run:
            glyph = mask.crop((run[0], 0, run[-1] + 1, region.height))
            glyph = glyph.crop(glyph.getbbox())
            if glyph.width >= 3 and glyph.height >= 5:
                text += closest(normalise(glyph), shapes)
            run = []
    return text


def colour_of(first, second):
    clamp = lambda c: max(0, min(255, c))
    return (clamp(-20 * first), clamp(-20 * second), clamp(-50 * first))


class TestWebPage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = serve(SITE)
        cls.browser = Browser()
        b = cls.browser
        b.call('Runtime.enable')
        b.call('Log.enable')
        b.call('Page.enable')
        b.call('Page.addScriptToEvaluateOnNewDocument', source=AUDIO_PROBE)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.server.shutdown()

    def shot(self, name):
        image = self.browser.screenshot()
        if SHOTS:
            image.save(os.path.join(SHOTS, f'web-{name}.png'))
        return image

    def box_open(self):
        # Boxes open centred on the window, below the menu's highlighted entry (the same blue).
        image = self.shot('box')
        return sum(n for n, c in image.crop((0, 100, image.width, image.height)).getcolors(1 << 20)
                   if c == BOX_TITLE) > 300

    def wait(self, condition, what, timeout=20):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition():
                return
            self.browser.pump(0.25)
        self.shot('failed')
        self.fail(f'{what}: not within {timeout} s')

    def operands(self):
        image = self.shot('problem')
        # The two operands: the first two cyan boxes from the left.
        row = image.crop(OPERANDS)
        runs, start = [], None
        for x in range(row.width + 1):
            cyan = x < row.width and any(row.getpixel((x, y)) == (0, 255, 255) for y in range(0, row.height, 4))
            if cyan and start is None:
                start = x
            elif not cyan and start is not None:
                runs.append((start, x))
                start = None
        boxes = [(OPERANDS[0] + a, OPERANDS[1], OPERANDS[0] + b, OPERANDS[3]) for a, b in runs if b - a > 30]
        values = [read_text(image, box, SANS) for box in boxes[:2]]
        return [int(v) for v in values]

    def counters(self):
        image = self.shot('counters')
        return {name: read_text(image, box, SERIF) for name, box in COUNTERS.items()}

    def type_text(self, text, keypad=False):
        for c in text:
            if c == '-':
                self.browser.key('-', 'NumpadSubtract' if keypad else 'Minus', '-', 109 if keypad else 189,
                                 location=3 if keypad else 0)
            elif c == ':':
                self.browser.key(':', 'Semicolon', ':', 186, modifiers=8)
            else:
                self.browser.key(c, f'Numpad{c}' if keypad else f'Digit{c}', c,
                                 (96 if keypad else 48) + int(c), location=3 if keypad else 0)

    def enter(self):
        self.browser.key('Enter', 'Enter', '\r', 13)

    def test_a_lesson_in_the_browser(self):
        b = self.browser
        start = time.monotonic()
        b.call('Page.navigate', url=f'http://127.0.0.1:{self.server.server_address[1]}/index.html')
        b.wait_for("document.getElementById('gioco')?.style.display === 'block'", 60, 'the game shown')
        self.wait(lambda: self.shot('first').getpixel(ANSWER) == (0, 255, 255), 'the answer box painted')
        print(f'first frame after {time.monotonic() - start:.1f} s')
        self.assertEqual(b.evaluate('document.documentElement.lang'), 'it')

        # Painted in the problem's colours; a right answer on the keypad.
        first, second = self.operands()
        # The colour comes from the operands' magnitudes, drawn with a sign of their own.
        self.assertIn(self.shot('colours').getpixel(BACKGROUND),
                      {colour_of(x, y) for x in (first, -first) for y in (second, -second)})
        b.click(*ANSWER)
        self.type_text(str(first + second), keypad=True)
        self.enter()
        self.wait(lambda: self.counters() == {'esatte': '1', 'errate': '0', 'totali': '1'}, 'a right answer counted')
        self.assertNotEqual(self.shot('right').getpixel(BACKGROUND), (0, 0, 0))

        # Nuovo calcolo has the focus; a wrong answer on the top row blacks the window.
        self.enter()
        self.wait(lambda: self.shot('second').getpixel(ANSWER) == (0, 255, 255) and self.counters()['totali'] == '1',
                  'the next problem')
        first, second = self.operands()
        b.click(*ANSWER)
        self.type_text(str(first + second + 1), keypad=False)
        self.enter()
        # Black on the black window, the right answers' counter cannot be read now.
        self.wait(lambda: [self.counters()[c] for c in ('errate', 'totali')] == ['1', '2'], 'a wrong answer counted')
        self.assertEqual(self.shot('wrong').getpixel(BACKGROUND), (0, 0, 0))

        # The credits, from the menu by keyboard.
        b.click(68, 10)
        b.pump(0.5)
        b.key('ArrowDown', 'ArrowDown', '', 40)
        b.key('ArrowDown', 'ArrowDown', '', 40)
        self.enter()
        self.wait(self.box_open, 'the credits box')
        self.enter()
        self.wait(lambda: not self.box_open(), 'the credits box closed')

        # Ctrl+T: the game ends in a few seconds, with the alarm and the end box.
        b.click(*ANSWER)
        b.key('t', 'KeyT', '', 84, modifiers=2)
        self.wait(self.box_open, 'the end-time prompt')
        end = datetime.datetime.now() + datetime.timedelta(seconds=6)
        self.type_text(end.strftime('%H:%M:%S'))
        self.enter()
        self.wait(lambda: not self.box_open(), 'the end-time prompt closed')
        self.wait(self.box_open, 'the end box', timeout=30)
        self.assertGreater(b.evaluate('window.nrTones'), 0, 'the end sounded through Web Audio')
        self.enter()
        # "INIZIAMO UNA NUOVA GARA ?": Sì, by its key (No is the default).
        self.wait(lambda: not self.box_open(), 'the end box closed', timeout=5)
        self.wait(self.box_open, 'the new-game question')
        b.key('s', 'KeyS', 's', 83)
        self.wait(lambda: not self.box_open() and self.counters() == {'esatte': '0', 'errate': '0', 'totali': '0'},
                  'a new game')

        # Esci: the page says the game is over and offers another.
        b.click(*EXIT)
        b.wait_for("document.getElementById('ancora').style.display !== 'none'", 20, 'the end page')
        self.assertIn('finito', b.evaluate("document.getElementById('messaggio').textContent"))
        self.shot('end')

        b.pump(0.5)
        errors = [text for level, text in b.console if level in ('error', 'exception')]
        self.assertEqual(errors, [], 'the console shows errors')

        # "Gioca ancora" with the network gone: the page plays from its offline copy.
        self.assertTrue(b.evaluate('navigator.serviceWorker.ready.then(r => !!r.active)'))
        b.call('Network.enable')
        b.call('Network.emulateNetworkConditions', offline=True, latency=0, downloadThroughput=-1, uploadThroughput=-1)
        b.evaluate("document.getElementById('ancora').click()")
        b.pump(1)
        b.wait_for("document.getElementById('gioco')?.style.display === 'block'", 60, 'the game offline')
        self.wait(lambda: self.shot('offline').getpixel(ANSWER) == (0, 255, 255), 'the game painted offline')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
