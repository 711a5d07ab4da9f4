"""A small client of Chromium's DevTools protocol (one page, its console and
its events), and a quiet local server for the page."""
import io
import json
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

import websocket

from . import poll

# The page served as the README's way to try it serves it.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tools', 'web'))
from serve import Site, server as site_server  # noqa: E402


class _Quiet(Site):
    def log_message(self, *args):
        pass

    def log_request(self, code='-', size='-'):
        self.server.answered.append((self.path, int(code)))

    def send_header(self, keyword, value):
        if keyword == 'Content-Encoding':
            self.server.encoded.append((self.path, value))
        super().send_header(keyword, value)

    def end_headers(self):
        # Every request reaches the server: what the browser keeps, it asks about again.
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()

    def do_GET(self):
        # A server in trouble answers every request with the same error; one
        # out of reach answers nothing.
        if self.server.failing and self.server.failing[1](self.path):
            if self.server.failing[0] == 'offline':
                self.close_connection = True
                self.server.answered.append((self.path, 'offline'))
            else:
                self.send_error(self.server.failing[0])
        else:
            super().do_GET()

    def send_head(self):
        # The test's own script first in the page, before any of the page's.
        if not self.server.head or self.path.split('?')[0] not in ('/', '/index.html'):
            return super().send_head()
        with open(os.path.join(self.server.folder, 'index.html'), 'rb') as f:
            page = f.read().replace(b'<head>', b'<head><script>' + self.server.head.encode() + b'</script>', 1)
        self.send_response(200)
        self.send_header('Content-Type', 'text/html; charset=utf-8')
        self.send_header('Content-Length', str(len(page)))
        self.end_headers()
        return io.BytesIO(page)


def serve(folder, head=''):
    """Serves a folder as tools/web/serve.py does (its attribute folder,
    which may change) on a free local port until shutdown(); its address
    is server_address; answered lists what it said to each request.
    fail(status, which) makes it answer the paths for which which(path)
    holds with that error, or nothing for 'offline'; fail(None) mends it.
    A head script goes first into the page."""
    server = site_server(folder, 0, _Quiet)
    server.head = head
    server.failing = None
    server.answered = []   # (path, status) of every request, in order
    server.encoded = []    # (path, Content-Encoding) of every compressed answer
    server.fail = lambda status, which=lambda path: True: setattr(server, 'failing', status and (status, which))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Page:
    """What the clients of every protocol share: waiting for the page, its pictures."""
    def wait_for(self, expression, timeout, what):
        # RuntimeError: a page between two documents.
        value = poll(lambda: self.evaluate(expression), timeout, pause=self.pump, passing=RuntimeError)
        if not value:
            raise AssertionError(f'{what}: not within {timeout} s')
        return value

    def pump(self, seconds):
        time.sleep(seconds)

    @staticmethod
    def _image(data):
        import base64
        from PIL import Image
        return Image.open(io.BytesIO(base64.b64decode(data))).convert('RGB')


class Browser(Page):
    name = 'Chromium'
    keeps_http_cache = keeps_offline_copy = True
    compression = 'br'

    def __init__(self, chromium='chromium', window=False, url='about:blank'):
        """Headless, or with window=True a real window on $DISPLAY that
        speaks to screen readers through the accessibility bus."""
        self.profile = tempfile.mkdtemp(prefix='nr-chromium-')
        # No offer to translate the page, which a screen reader would read out.
        os.mkdir(os.path.join(self.profile, 'Default'))
        with open(os.path.join(self.profile, 'Default', 'Preferences'), 'w') as prefs:
            json.dump({'translate': {'enabled': False}}, prefs)
        env = dict(os.environ, LANG='it_IT.UTF-8', TZ=os.environ.get('TZ', 'Europe/Rome'))
        own = ['--force-renderer-accessibility', '--window-position=0,0'] if window else ['--headless=new', '--mute-audio']
        if window:
            env['ACCESSIBILITY_ENABLED'] = '1'
        self.process = subprocess.Popen(
            [chromium, *own, '--no-sandbox', '--disable-gpu', '--enable-unsafe-swiftshader',
             '--use-angle=swiftshader', '--no-first-run', '--no-default-browser-check',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--autoplay-policy=no-user-gesture-required', '--lang=it-IT', '--accept-lang=it-IT,it',
             '--remote-debugging-port=0', f'--user-data-dir={self.profile}',
             '--window-size=1280,900', url],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
        # A port of its own, which it names in its profile: another browser's never answers.
        def pages():
            with open(os.path.join(self.profile, 'DevToolsActivePort')) as named:
                port = int(named.readline())
            with urllib.request.urlopen(f'http://127.0.0.1:{port}/json/list') as answer:
                return [t for t in json.load(answer) if t['type'] == 'page']
        # OSError, ValueError: not yet listening, or its port half written.
        pages = poll(pages, 60, passing=(OSError, ValueError))
        if not pages:
            raise RuntimeError('Chromium did not open its DevTools port')
        self.target = pages[0]['id']
        self.socket = websocket.create_connection(pages[0]['webSocketDebuggerUrl'], timeout=60, suppress_origin=True)
        self.next_id = 0
        self.events = []
        self.console = []

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.kill()
            self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)

    def _note(self, message):
        self.events.append(message)
        method = message.get('method')
        if method == 'Runtime.consoleAPICalled':
            text = ' '.join(str(a.get('value', a.get('description', ''))) for a in message['params']['args'])
            self.console.append((message['params']['type'], text))
        elif method == 'Runtime.exceptionThrown':
            details = message['params']['exceptionDetails']
            self.console.append(('exception', details.get('exception', {}).get('description', details.get('text'))))
        elif method == 'Log.entryAdded':
            entry = message['params']['entry']
            self.console.append((entry['level'], entry.get('text', '')))

    def call(self, method, **params):
        self.next_id += 1
        mine = self.next_id
        self.socket.send(json.dumps({'id': mine, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == mine:
                if 'error' in message:
                    raise RuntimeError(f'{method}: {message["error"]}')
                return message.get('result', {})
            self._note(message)

    def pump(self, seconds):
        """Reads the page's events for a while."""
        end = time.monotonic() + seconds
        while (left := end - time.monotonic()) > 0:
            self.socket.settimeout(left)
            try:
                self._note(json.loads(self.socket.recv()))
            except websocket.WebSocketTimeoutException:
                break
        self.socket.settimeout(60)

    def evaluate(self, expression):
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True, awaitPromise=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def open(self, url):
        self.call('Page.navigate', url=url)

    def hide(self):
        """Another tab in front of the page's; returns what brings it back."""
        other = self.call('Target.createTarget', url='about:blank')['targetId']

        def back():
            self.call('Target.activateTarget', targetId=self.target)
            self.call('Target.closeTarget', targetId=other)
        return back

    def screenshot(self):
        return self._image(self.call('Page.captureScreenshot', format='png')['data'])

    def key(self, key, code, text='', key_code=0, modifiers=0, location=0):
        for kind in ('keyDown', 'keyUp'):
            params = dict(type=kind, key=key, code=code, windowsVirtualKeyCode=key_code,
                          nativeVirtualKeyCode=key_code, modifiers=modifiers, location=location)
            if kind == 'keyDown' and text:
                params['text'] = text
            self.call('Input.dispatchKeyEvent', **params)

    def click(self, x, y):
        for kind in ('mousePressed', 'mouseReleased'):
            self.call('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left', clickCount=1)
