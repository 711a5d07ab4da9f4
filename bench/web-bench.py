"""The web page's weight and start: what the first visit fetches, plain and
compressed (gzip, brotli), and the time from navigation to the first frame
with the game painted, in headless Chromium from a local server that sends
the compressed copies; medians of several loads in one run.
Usage: bench/web-bench.py [SITE] [LOADS]   (after tools/web/build)"""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests'))
from kit import poll  # noqa: E402
from kit.devtools import Browser, serve  # noqa: E402

site = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else 'build/web')
loads = int(sys.argv[2]) if len(sys.argv) > 2 else 7

# What a pupil's browser fetches before the first problem: the page, Qt's
# loader, the program's script and its WebAssembly (not the icons, the
# manifest or the offline copy's worker, which come after).
first = ['index.html', 'qtloader.js', 'numeri-relativi.js', 'numeri-relativi.wasm']
size = lambda name: os.path.getsize(os.path.join(site, name)) if os.path.exists(os.path.join(site, name)) else 0
rows = [(f, size(f), size(f + '.gz') or size(f), size(f + '.br') or size(f)) for f in first]
print(f'{"file":28} {"bytes":>10} {"gzip":>10} {"brotli":>10}')
for name, plain, gz, br in rows:
    print(f'{name:28} {plain:10d} {gz:10d} {br:10d}')
total = [sum(r[i] for r in rows) for i in (1, 2, 3)]
print(f'{"first download (MB)":28} {total[0] / 1e6:10.2f} {total[1] / 1e6:10.2f} {total[2] / 1e6:10.2f}')

server = serve(site)
url = f'http://127.0.0.1:{server.server_address[1]}/index.html'
# The loading notice gone and the answer box's cyan at its place in the
# design: the first problem is on screen.
painted = '''new Promise(done => requestAnimationFrame(() => done(
  getComputedStyle(document.getElementById('avviso')).display === 'none')))'''
times = []
for _ in range(loads):
    browser = Browser()
    try:
        browser.call('Page.enable')
        browser.call('Network.enable')
        browser.call('Network.setCacheDisabled', cacheDisabled=True)
        start = time.monotonic()
        browser.call('Page.navigate', url=url)
        if not poll(lambda: browser.evaluate("!!document.getElementById('gioco')") and browser.evaluate(painted)
                    and browser.screenshot().getpixel((600, 70)) == (0, 255, 255), 60, 0):
            raise SystemExit('the game did not paint within 60 s')
        times.append(time.monotonic() - start)
    finally:
        browser.close()
server.shutdown()
print(f'first painted frame: median {statistics.median(times):.2f} s of {loads} loads '
      f'(fastest {min(times):.2f} s, slowest {max(times):.2f} s)')
