"""Small clients of the two WebDriver protocols, with the page methods of
devtools.Browser: Firefox through its own WebDriver BiDi, WebKitGTK's
MiniBrowser through WebKitWebDriver (classic WebDriver). Expressions are
evaluated in the page, promises awaited, values brought back as JSON."""
import json
import os
import shutil
import socket
import subprocess
import tempfile
import urllib.request

import websocket

from . import poll
from .devtools import Page

# WebDriver's code points for keys that are not characters.
NAMED = {'Enter': '\ue006', 'Escape': '\ue00c', 'Tab': '\ue004', 'Backspace': '\ue003', 'F10': '\ue03a',
         'ArrowDown': '\ue015', 'ArrowUp': '\ue013', 'ArrowLeft': '\ue012', 'ArrowRight': '\ue014',
         'NumpadSubtract': '\ue027'}
MODIFIERS = ((1, '\ue00a'), (2, '\ue009'), (4, '\ue03d'), (8, '\ue008'))  # Alt, Control, Meta, Shift


def free_port():
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        return s.getsockname()[1]


def key_actions(key, code, modifiers=0):
    """One key with its modifiers, as WebDriver's key actions; a digit on
    the keypad by its own code point."""
    if code in NAMED:
        value = NAMED[code]
    elif code.startswith('Numpad') and code[6:].isdigit():
        value = chr(0xe01a + int(code[6:]))
    else:
        value = NAMED.get(key, key)
    held = [point for bit, point in MODIFIERS if modifiers & bit and not (bit == 8 and len(key) == 1)]
    return [{'type': 'key', 'id': 'keyboard', 'actions':
             [{'type': 'keyDown', 'value': v} for v in held + [value]] +
             [{'type': 'keyUp', 'value': v} for v in [value] + held[::-1]]}]


def click_actions(x, y):
    return [{'type': 'pointer', 'id': 'mouse', 'parameters': {'pointerType': 'mouse'}, 'actions': [
        {'type': 'pointerMove', 'x': int(x), 'y': int(y)},
        {'type': 'pointerDown', 'button': 0}, {'type': 'pointerUp', 'button': 0}]}]


def as_json(expression):
    return f'(async () => JSON.stringify(await ({expression})))()'


class Firefox(Page):
    """Firefox ESR headless (a real window with window=True), on $DISPLAY
    for its WebGL, in Italian."""
    name = 'Firefox'
    keeps_http_cache = keeps_offline_copy = True
    compression = 'br'

    def __init__(self, window=False, url='about:blank'):
        self.profile = tempfile.mkdtemp(prefix='nr-firefox-')
        with open(os.path.join(self.profile, 'user.js'), 'w') as prefs:
            for name, value in (('remote.prefs.recommended', False), ('intl.accept_languages', 'it-IT, it'),
                                ('media.autoplay.default', 0), ('browser.shell.checkDefaultBrowser', False),
                                ('browser.startup.homepage_override.mstone', 'ignore'),
                                ('datareporting.policy.dataSubmissionEnabled', False),
                                ('browser.aboutwelcome.enabled', False), ('toolkit.telemetry.reportingpolicy.firstRun', False)):
                prefs.write(f'user_pref({json.dumps(name)}, {json.dumps(value)});\n')
            # Sound to Firefox's own silent device: with no sound card, Web Audio never starts.
            prefs.write('user_pref("media.cubeb.force_mock_context", true);\n')
        port = free_port()
        env = dict(os.environ, LANG='it_IT.UTF-8', TZ=os.environ.get('TZ', 'Europe/Rome'), MOZ_CRASHREPORTER_DISABLE='1')
        if window:
            env['GNOME_ACCESSIBILITY'] = '1'
        self.process = subprocess.Popen(
            ['firefox-esr', *([] if window else ['--headless']), f'--remote-debugging-port={port}',
             '--profile', self.profile, '--no-remote', '--width', '1280', '--height', '900', url],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
        # Firefox refuses a handshake that names an origin.
        self.socket = poll(lambda: websocket.create_connection(f'ws://127.0.0.1:{port}/session', timeout=60,
                                                               suppress_origin=True), 60, 0.3, passing=OSError)
        if not self.socket:
            raise RuntimeError('Firefox did not open its WebDriver BiDi port')
        self.next_id = 0
        self.call('session.new', capabilities={})
        self.context = self.call('browsingContext.getTree')['contexts'][0]['context']
        if not window:
            self.call('browsingContext.setViewport', context=self.context, viewport={'width': 1280, 'height': 900})

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.kill()
            self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)

    def call(self, method, **params):
        self.next_id += 1
        mine = self.next_id
        self.socket.send(json.dumps({'id': mine, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == mine:
                if message.get('type') == 'error':
                    raise RuntimeError(f'{method}: {message.get("error")}: {message.get("message")}')
                return message.get('result', {})

    def open(self, url):
        self.call('browsingContext.navigate', context=self.context, url=url, wait='none')

    def evaluate(self, expression):
        result = self.call('script.evaluate', expression=as_json(expression), target={'context': self.context},
                           awaitPromise=True)
        if result['type'] == 'exception':
            raise RuntimeError(f'{expression}: {result["exceptionDetails"].get("text")}')
        value = result['result'].get('value')
        return None if value is None else json.loads(value)

    def screenshot(self):
        return self._image(self.call('browsingContext.captureScreenshot', context=self.context)['data'])

    def key(self, key, code, text='', key_code=0, modifiers=0, location=0):
        self.call('input.performActions', context=self.context, actions=key_actions(key, code, modifiers))

    def click(self, x, y):
        self.call('input.performActions', context=self.context, actions=click_actions(x, y))

    def hide(self):
        """Another tab in front of the page's; returns what brings it back."""
        other = self.call('browsingContext.create', type='tab')['context']

        def back():
            self.call('browsingContext.activate', context=self.context)
            self.call('browsingContext.close', context=other)
        return back


class WebKit(Page):
    """WebKitGTK's MiniBrowser on $DISPLAY, driven by WebKitWebDriver."""
    name = 'WebKit'
    # Its driven session is ephemeral: a response is never revalidated, and
    # its service worker finds nothing in the cache the page sees filled.
    keeps_http_cache = False
    keeps_offline_copy = False
    # Its network library takes brotli over HTTPS only.
    compression = 'gzip'
    BROWSER = '/usr/lib/{}/webkit2gtk-4.1/MiniBrowser'

    def __init__(self):
        port = free_port()
        # In Italian, from a locale of its own: WebKit gives pages the language
        # of its locale, and the page's toolkit speaks the page's language.
        self.locales = tempfile.mkdtemp(prefix='nr-locale-')
        subprocess.run(['localedef', '-i', 'it_IT', '-f', 'UTF-8', os.path.join(self.locales, 'it_IT.UTF-8')],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        env = dict(os.environ, LOCPATH=self.locales, LANG='it_IT.UTF-8', LANGUAGE='it')
        env.pop('LC_ALL', None)
        self.driver = subprocess.Popen(['WebKitWebDriver', f'--port={port}'], env=env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.base = f'http://127.0.0.1:{port}'
        if not poll(lambda: self._request('GET', '/status') or True, 30, passing=OSError):
            raise RuntimeError('WebKitWebDriver did not start')
        arch = subprocess.run(['dpkg-architecture', '-qDEB_HOST_MULTIARCH'], capture_output=True, text=True).stdout.strip()
        # The page loads while the session goes on: its listeners are the page's own.
        self.session = self._request('POST', '/session', {'capabilities': {'alwaysMatch': {
            'pageLoadStrategy': 'none',
            'webkitgtk:browserOptions': {'binary': self.BROWSER.format(arch), 'args': ['--automation']}}}})['sessionId']
        self._request('POST', self._path('/window/rect'), {'width': 1280, 'height': 900})

    def _path(self, what):
        return f'/session/{self.session}{what}'

    def _request(self, method, path, body=None):
        request = urllib.request.Request(self.base + path, method=method,
                                         data=None if body is None else json.dumps(body).encode(),
                                         headers={'Content-Type': 'application/json'})
        try:
            with urllib.request.urlopen(request, timeout=120) as answer:
                return json.load(answer)['value']
        except urllib.error.HTTPError as error:
            raise RuntimeError(f'{method} {path}: {error.read().decode(errors="replace")}') from None

    def close(self):
        try:
            self._request('DELETE', self._path(''))
        finally:
            self.driver.kill()
            self.driver.wait()
            shutil.rmtree(self.locales, ignore_errors=True)

    def open(self, url):
        self._request('POST', self._path('/url'), {'url': url})

    def evaluate(self, expression):
        done, value = self._request('POST', self._path('/execute/async'), {'args': [], 'script':
            f'const done = arguments[0]; {as_json(expression)}.then(v => done([true, v]), e => done([false, String(e)]));'})
        if not done:
            raise RuntimeError(f'{expression}: {value}')
        return None if value is None else json.loads(value)

    def screenshot(self):
        return self._image(self._request('GET', self._path('/screenshot')))

    def _act(self, actions):
        self._request('POST', self._path('/actions'), {'actions': actions})
        self._request('DELETE', self._path('/actions'))

    def key(self, key, code, text='', key_code=0, modifiers=0, location=0):
        self._act(key_actions(key, code, modifiers))

    def click(self, x, y):
        self._act(click_actions(x, y))

    def hide(self):
        """The page's window minimised (MiniBrowser opens a tab as a window of
        its own, which leaves the page shown); returns what brings it back."""
        self._request('POST', self._path('/window/minimize'), {})
        return lambda: self._request('POST', self._path('/window/rect'), {'width': 1280, 'height': 900})
