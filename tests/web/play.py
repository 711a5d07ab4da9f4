"""Plays the web page in three browser engines: Chromium through its
DevTools protocol, Firefox through WebDriver BiDi, WebKitGTK through
classic WebDriver; the checks are the same for each.
Headless: the problem's colours, a right answer typed on the keypad and a
wrong one on the top row, every box opened and answered with the keyboard
alone, what the page gives a screen reader to say, a new game, Esci, a clean
console from the page's first script on; the title of a hidden tab; the
offline copy against a failing server and a new version; a tablet's touch
and on-screen keyboard (Chromium only: the others emulate no tablet).
Inside tests/e2e/run-screen-reader.sh (NR_ORCA_LOG set): a lesson by ear,
Chromium (Firefox with NR_ENGINE=firefox) a real window beside Orca, keys
from the X server.
Usage: play.py SITE_FOLDER [SCREENSHOT_FOLDER]"""
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from kit import poll  # noqa: E402
from kit.devtools import Browser, serve  # noqa: E402
from kit.webdriver import Firefox, WebKit  # noqa: E402

ORCA_LOG = os.environ.get('NR_ORCA_LOG')
# Keys as a pupil presses them by ear: the menu by F10 (its entries: the end
# time's help, the credits, and the credits' submenu with a new game); the
# browser keeps Ctrl+T for a new tab, so the page sets the end time by Alt+T.
MENU_CREDITS = (('F10', 'Down', 'Down'), 'Autori e riconoscimenti')
MENU_NEW_GAME = (('F10', 'Down', 'Down', 'Right'), 'Nuovo')
END_TIME = ('alt+t',)

SITE = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else 'build/web'
SHOTS = sys.argv[2] if len(sys.argv) > 2 else None
BOX_TITLES = {(48, 140, 198), (211, 211, 211)}  # the active box's title bar: Qt 6.4, Qt 6.8
# Where the design puts things, in the page's pixels.
ANSWER = (600, 70)
BACKGROUND = (300, 225)
EXIT = (172, 435)
# The test's first script in the page: it records every error the page
# meets, every tone it starts and what it had said when its offline copy began.
PROBE = '''
if (window.ServiceWorkerContainer) {
  const register = ServiceWorkerContainer.prototype.register;
  ServiceWorkerContainer.prototype.register = function (...a) {
    window.nrSaidAtCopy = document.getElementById('parlato').textContent;
    return register.apply(this, a);
  };
}
window.nrErrors = [];
addEventListener('error', e => nrErrors.push(String(e.message)));
addEventListener('unhandledrejection', e => nrErrors.push('unhandled rejection: ' + String(e.reason)));
const report = console.error;
console.error = function (...a) { nrErrors.push(a.join(' ')); return report.apply(console, a); };
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


def colour_of(first, second):
    clamp = lambda c: max(0, min(255, c))
    return (clamp(-20 * first), clamp(-20 * second), clamp(-50 * first))


class Lesson:
    engine = None  # the browser's client

    @classmethod
    def setUpClass(cls):
        cls.server = serve(SITE, head=PROBE)
        cls.browser = cls.engine()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.server.shutdown()

    def shot(self, name):
        image = self.browser.screenshot()
        if SHOTS:
            image.save(os.path.join(SHOTS, f'web-{self.browser.name}-{name}.png'))
        return image

    def box_open(self):
        # Boxes open centred on the window, below the menu's highlighted entry (the same blue).
        image = self.shot('box')
        return sum(n for n, c in image.crop((0, 100, image.width, image.height)).getcolors(1 << 20)
                   if c in BOX_TITLES) > 300

    def wait(self, condition, what, timeout=20):
        if poll(condition, timeout, 0.25, self.browser.pump):
            return
        self.shot('failed')
        self.fail(f'{what}: not within {timeout} s')

    def heard_operands(self):
        """The operands of the problem the page says; read off the screen, a
        busy machine's half-painted frame could give other digits."""
        match = re.match(r'Quanto fa (meno )?(\d+) più (meno )?(\d+)\?', self.said())
        self.assertIsNotNone(match, self.said())
        return [(-1 if match[1] else 1) * int(match[2]), (-1 if match[3] else 1) * int(match[4])]

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

    def said(self):
        """What the page last gave a screen reader to say, without its marks."""
        return self.browser.evaluate("document.getElementById('parlato').textContent").rstrip('\u200b')

    def open_page(self, path='index.html'):
        b = self.browser
        # A driver may answer before the page it left has gone: that page is marked.
        try:
            b.evaluate('window.nrLeft = true')
        except RuntimeError:
            pass
        b.open(f'http://127.0.0.1:{self.server.server_address[1]}/{path}')
        b.wait_for("!window.nrLeft && document.getElementById('avviso')?.style.display === 'none'", 60, 'the game shown')
        self.wait(lambda: self.shot('first').getpixel(ANSWER) == (0, 255, 255), 'the answer box painted')

    def test_a_lesson_in_the_browser(self):
        b = self.browser
        start = time.monotonic()
        self.open_page()
        print(f'first frame after {time.monotonic() - start:.1f} s')
        self.assertEqual(b.evaluate('document.documentElement.lang'), 'it')
        self.assertNotIn('user-scalable', b.evaluate("document.querySelector('meta[name=viewport]').content"))
        # A first visit brings the program once: the offline copy only asks whether it changed.
        b.wait_for('navigator.serviceWorker.ready.then(r => !!r.active)', 30, 'the offline copy')
        # The copy's work is not the start's: begun with the first problem on screen.
        self.assertRegex(b.evaluate('window.nrSaidAtCopy'), r'^Quanto fa ')
        fetched = [status for path, status in self.server.answered if path.endswith('.wasm')]
        if b.keeps_http_cache:
            self.assertEqual(fetched, [200, 304])
        else:
            print(f'\n  {b.name}: the first visit\'s fetches not counted, its driven session keeps no HTTP cache'
                  f' (the program answered {fetched})', end=' ... ')
        # Brought as the server's brotli copy (gzip where the browser takes no brotli), not three times heavier.
        self.assertIn(('/numeri-relativi.wasm', b.compression), self.server.encoded)

        # Painted in the problem's colours; a right answer on the keypad, the
        # keys in the answer box from the start.
        self.wait(lambda: self.said().startswith('Quanto fa '), 'the first problem said')
        first, second = self.heard_operands()
        self.assertRegex(self.said(), rf'^Quanto fa .* Scrivi il risultato e premi Invio\.$')
        # The colour comes from the operands' magnitudes, drawn with a sign of their own.
        self.assertIn(self.shot('colours').getpixel(BACKGROUND),
                      {colour_of(x, y) for x in (first, -first) for y in (second, -second)})
        self.type_text(str(first + second), keypad=True)
        self.enter()
        self.wait(lambda: self.said() == 'Esatto! Esatte 1, errate 0, totali 1.', 'a right answer counted')
        self.assertNotEqual(self.shot('right').getpixel(BACKGROUND), (0, 0, 0))

        # Nuovo calcolo has the focus; a wrong answer on the top row blacks the window.
        self.enter()
        # The next problem as the page says it: the blue total cannot be read on every window colour.
        self.wait(lambda: self.shot('second').getpixel(ANSWER) == (0, 255, 255) and self.said().startswith('Quanto fa '),
                  'the next problem')
        first, second = self.heard_operands()
        self.type_text(str(first + second + 1), keypad=False)
        self.enter()
        self.wait(lambda: self.said().endswith('Esatte 1, errate 1, totali 2.'), 'a wrong answer counted')
        self.wait(lambda: self.shot('wrong').getpixel(BACKGROUND) == (0, 0, 0), 'the window black')

        # The credits, from the menu by keyboard; then Enter poses the next problem.
        b.click(68, 10)
        b.pump(0.5)
        b.key('ArrowDown', 'ArrowDown', '', 40)
        b.key('ArrowDown', 'ArrowDown', '', 40)
        self.enter()
        self.wait(self.box_open, 'the credits box')
        self.assertIn('Scuola media statale.', self.said())
        self.enter()
        self.wait(lambda: not self.box_open(), 'the credits box closed')
        self.enter()
        self.wait(lambda: self.said().startswith('Quanto fa'), 'the next problem said')

        # Ctrl+T and Escape: the keys reach the answer box again, without a click.
        b.key('t', 'KeyT', '', 84, modifiers=2)
        self.wait(self.box_open, 'the end-time prompt')
        b.key('Escape', 'Escape', '', 27)
        self.wait(lambda: not self.box_open(), 'the end-time prompt closed')
        self.wait(lambda: self.said().startswith('Nessun orario di fine gioco. Quanto fa'), 'the end time in force said')
        self.type_text('-99')
        self.enter()
        self.wait(lambda: self.said().endswith('Esatte 1, errate 2, totali 3.'), 'typed after the prompt')
        self.enter()
        # Option+T as an Apple keyboard gives it ("†" with Alt), which no driver types: the same prompt.
        b.evaluate("['keydown', 'keyup'].forEach(t => document.activeElement.dispatchEvent(new KeyboardEvent(t, "
                   "{key: '†', code: 'KeyT', altKey: true, bubbles: true, cancelable: true})))")
        self.wait(self.box_open, 'the end-time prompt by Option+T')
        b.key('Escape', 'Escape', '', 27)
        self.wait(lambda: not self.box_open(), 'the end-time prompt closed')

        # Alt+T, whose letter a browser may also insert as text: the game ends
        # in a few seconds, with the alarm and the end box.
        b.key('t', 'KeyT', 't', 84, modifiers=1)
        self.wait(self.box_open, 'the end-time prompt')
        end = datetime.datetime.now() + datetime.timedelta(seconds=6)
        self.type_text(end.strftime('%H:%M:%S'))
        self.enter()
        self.wait(lambda: not self.box_open(), 'the end-time prompt closed')
        self.wait(lambda: self.said().startswith(f'Il gioco finisce alle {end:%H:%M:%S}. Quanto fa'), 'the end time said')
        self.wait(self.box_open, 'the end box', timeout=30)
        self.assertGreater(b.evaluate('window.nrTones'), 0, 'the end sounded through Web Audio')
        self.enter()
        # "INIZIAMO UNA NUOVA GARA ?": Sì, by its key (No is the default); Enter in the pause answers nothing.
        self.enter()
        self.wait(self.box_open, 'the new-game question')
        self.wait(lambda: 'INIZIAMO UNA NUOVA GARA  ? Pulsanti: Sì, No. No, pulsante.' in self.said(), 'the question said')
        b.key('s', 'KeyS', 's', 83)
        self.wait(lambda: not self.box_open() and self.said().endswith('Scrivi il risultato e premi Invio.'),
                  'a new game')
        # Counted from zero again.
        self.type_text(str(sum(self.heard_operands())))
        self.enter()
        self.wait(lambda: self.said() == 'Esatto! Esatte 1, errate 0, totali 1.', 'a new game counted from zero')

        # Esci: the page says the game is over and offers another.
        b.click(*EXIT)
        b.wait_for("document.getElementById('ancora').style.display !== 'none'", 20, 'the end page')
        self.assertIn('finito', b.evaluate("document.getElementById('messaggio').textContent"))
        self.shot('end')

        b.pump(0.5)
        self.assertEqual(b.evaluate('nrErrors'), [], 'the console shows errors')

    def test_b_hidden_tab_shows_the_time(self):
        b = self.browser
        self.open_page()
        page = b.evaluate('document.title')
        back = b.hide()
        b.wait_for("document.visibilityState === 'hidden'", 10, 'the page hidden')
        # The minimised window's clock: hours and minutes, each second anew.
        times = set()
        for _ in range(3):
            times.add(b.wait_for(r"/^\d\d[:.]\d\d [AP]M$/.test(document.title) && document.title", 5, 'the time'))
            now = datetime.datetime.now()
            b.pump(1)
        self.assertLessEqual({t.replace('.', ':') for t in times},
                             {(now + datetime.timedelta(minutes=d)).strftime('%I:%M %p') for d in (-1, 0)})
        back()
        b.wait_for(f"document.visibilityState === 'visible' && document.title === {page!r}", 10, 'the title back')

    def test_c_offline_copy(self):
        """Opened once, the page plays from its stored copy whatever the server says."""
        b = self.browser
        if not b.keeps_offline_copy:
            self.skipTest(f'{b.name}: not tried, its driven session keeps no offline copy')
        # A worker the server refuses: the game plays all the same, with no uncaught error.
        self.open_page()
        b.evaluate('navigator.serviceWorker.getRegistrations().then(rs => Promise.all(rs.map(r => r.unregister())))')
        self.server.fail(404, lambda path: path.endswith('sw.js'))
        self.open_page()
        b.pump(1)
        self.assertEqual(b.evaluate('nrErrors'), [], 'an error')
        self.server.fail(None)
        self.open_page()
        self.assertTrue(b.evaluate('navigator.serviceWorker.ready.then(r => !!r.active)'))
        for trouble in (503, 404, 'offline'):
            with self.subTest(trouble=trouble):
                self.server.fail(trouble)
                self.open_page()
                self.server.fail(None)

        # A new version on the server: stored whole while the old one plays, then offered.
        site = tempfile.mkdtemp(prefix='nr-site-')
        self.addCleanup(shutil.rmtree, site)
        for name in os.listdir(SITE):
            shutil.copy(os.path.join(SITE, name), site)
        # As a build makes it: another page, named anew in the worker.
        for name, old, new in (('index.html', '</body>', '<!-- versione 2 --></body>'),
                               ('sw.js', re.search(r'numeri-relativi-\w+', open(os.path.join(SITE, 'sw.js')).read())[0],
                                'numeri-relativi-versione-2')):
            with open(os.path.join(site, name), 'r+') as f:
                text = f.read().replace(old, new)
                f.seek(0)
                f.write(text)
                f.truncate()
            for copy in (name + '.gz', name + '.br'):
                os.remove(os.path.join(site, copy))
        self.server.folder = site
        self.addCleanup(setattr, self.server, 'folder', SITE)
        self.assertEqual(b.evaluate('navigator.serviceWorker.getRegistration().then(r => r.update()).then(() => 1)'), 1)
        b.wait_for("getComputedStyle(document.getElementById('novita')).display === 'block'", 30, 'the new version offered')
        self.assertNotIn('versione 2', b.evaluate('document.documentElement.outerHTML'))
        b.evaluate("document.getElementById('aggiorna').click()")
        b.pump(1)
        b.wait_for("document.getElementById('avviso')?.style.display === 'none' && "
                   "document.documentElement.outerHTML.includes('versione 2')", 60, 'the new version playing')
        self.assertEqual(b.evaluate('caches.keys()'), ['numeri-relativi-versione-2'])

    def test_d_tablet(self):
        """A tap on the answer box focuses an editable element (the on-screen
        keyboard's); one character or several at once are typed and graded."""
        b = self.browser
        if self.engine is not Browser:
            self.skipTest(f'{b.name} emulates no tablet: tried in Chromium only')
        b.call('Emulation.setUserAgentOverride', platform='Linux armv8l',
               userAgent='Mozilla/5.0 (Linux; Android 13; Tablet) AppleWebKit/537.36 (KHTML, like Gecko) '
                         'Chrome/120.0 Safari/537.36')
        b.call('Emulation.setDeviceMetricsOverride', width=1280, height=900, deviceScaleFactor=1, mobile=True)
        b.call('Emulation.setTouchEmulationEnabled', enabled=True, maxTouchPoints=5)
        self.open_page()
        for kind in ('touchStart', 'touchEnd'):
            b.call('Input.dispatchTouchEvent', type=kind,
                   touchPoints=[] if kind == 'touchEnd' else [{'x': ANSWER[0], 'y': ANSWER[1]}])
        b.wait_for("document.activeElement instanceof HTMLInputElement", 10, 'an editable element focused')
        # The right answer, its first character alone, then the rest at once with a letter
        # the game drops: a toolkit left to itself would keep only the letter, or nothing.
        self.wait(lambda: self.said().startswith('Quanto fa '), 'the problem said')
        answer = str(sum(self.heard_operands()))
        for text in [answer[0], answer[1:] + 'x'] if len(answer) > 1 else [answer + 'x']:
            b.call('Input.insertText', text=text)
        self.enter()
        self.wait(lambda: self.said() == 'Esatto! Esatte 1, errate 0, totali 1.', 'the text typed whole and graded')
        self.assertNotEqual(self.shot('tablet').getpixel(BACKGROUND), (0, 0, 0))


class InChromium(Lesson, unittest.TestCase):
    engine = Browser


class InFirefox(Lesson, unittest.TestCase):
    engine = Firefox


class InWebKit(Lesson, unittest.TestCase):
    engine = WebKit


class TestByEar(unittest.TestCase):
    """A pupil who cannot see the screen plays the page by ear, as the
    desktop game's test does (tests/e2e/screen_reader.py)."""

    def test_a_lesson_by_ear(self):
        from ear import PROBLEM, Ear, Pupil, keys, type_text
        ear = Ear(ORCA_LOG)
        ear.wait_for('Lettore schermo attivo', timeout=30)
        server = serve(SITE)
        self.addCleanup(server.shutdown)
        # Opened as a pupil opens it: the browser started on the page's address, its window
        # active. Firefox just started may not yet have the page in its window for Orca, which
        # then drops the page's first words ("Live region source is not in active tab"): there
        # the page comes in a browser already running, after a page of its own.
        address = f'http://127.0.0.1:{server.server_address[1]}/'
        firefox = os.environ.get('NR_ENGINE') == 'firefox'
        browser = (Firefox if firefox else Browser)(window=True, url=address + ('prima' if firefox else 'index.html'))
        self.addCleanup(browser.close)
        if firefox:
            ear.wait_for('Mozilla Firefox', timeout=60)
            browser.open(address + 'index.html')
        # The page by its title, or by its field's name (a page opened in a window already named).
        ear.wait_for('(?<!«)Giocare con i numeri relativi(?!»)|^Il gioco: scrivi il risultato', timeout=60)

        pupil = Pupil(ear)
        solve = pupil.solve

        def menu(path, entry):
            """Down the menu to an entry, heard, then chosen."""
            keys(*path)
            ear.wait_for(rf'^{entry}')
            keys('Return')

        def play(total):
            """A right and a wrong answer, counted from zero; then the next problem is heard."""
            wrong = pupil.right_then_wrong(total)
            # The credits box, and back: the same words are heard again.
            menu(*MENU_CREDITS)
            ear.listen('Scuola media statale')
            keys('Return')
            ear.listen(wrong)
            keys('Return')
            return solve()

        # The page's name, then the first problem with how to answer, without any key.
        play(solve(first_of_game=True, timeout=60))

        # The end time by keyboard, a few seconds ahead; heard as the prompt closes.
        keys(*END_TIME)
        ear.listen("Il gioco termina alle ore")
        end = datetime.datetime.now() + datetime.timedelta(seconds=20)
        type_text(end.strftime('%H.%M.%S'))
        keys('Return')
        ear.listen(rf'Il gioco finisce alle {end:%H:%M:%S}\. {PROBLEM.pattern}')
        ear.listen(r'Gioco fino alle \d+:\d\d:\d\d', timeout=40)
        keys('Return')
        ear.listen(r'INIZIAMO UNA NUOVA GARA\s+\? Pulsanti: Sì, No\. No, pulsante\.')
        keys('s')
        play(solve(first_of_game=True))

        # A new game from the menu.
        menu(*MENU_NEW_GAME)
        ear.listen(r'INIZIAMO UNA NUOVA GARA\s+\? Pulsanti: Sì, No\. No, pulsante\.')
        keys('s')
        solve(first_of_game=True)
        print('\n'.join(f'  Orca: {line}' for line in ear.said))


if __name__ == '__main__':
    cases = [TestByEar] if ORCA_LOG else [InChromium, InFirefox, InWebKit]
    result = unittest.TextTestRunner(verbosity=2).run(
        unittest.TestSuite(unittest.defaultTestLoader.loadTestsFromTestCase(case) for case in cases))
    sys.exit(not result.wasSuccessful())
