#!/usr/bin/env python3
"""Serves the built page as a school's server should: each file's brotli or
gzip copy where the browser takes it, with its Content-Encoding, the right
types (application/wasm for the program), and 304 for what the browser
already has. Usage: tools/web/serve.py [FOLDER] [PORT]   (build/web, 8000)"""
import email.utils
import http.server
import os
import sys

TYPES = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
         '.webmanifest': 'application/manifest+json', '.png': 'image/png'}
ENCODINGS = (('br', '.br'), ('gzip', '.gz'))


class Site(http.server.SimpleHTTPRequestHandler):
    """The folder is the server's attribute folder."""

    def __init__(self, request, address, server):
        super().__init__(request, address, server, directory=server.folder)

    def send_head(self):
        self.directory = self.server.folder
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, 'index.html')
        kind = TYPES.get(os.path.splitext(path)[1])
        if not kind or not os.path.isfile(path):
            return super().send_head()
        taken = [part.split(';')[0].strip() for part in self.headers.get('Accept-Encoding', '').split(',')]
        encoding, sent = next(((name, path + ending) for name, ending in ENCODINGS
                               if name in taken and os.path.isfile(path + ending)), (None, path))
        stamp = os.stat(sent)
        modified = email.utils.formatdate(int(stamp.st_mtime), usegmt=True)
        tag = f'"{stamp.st_mtime_ns:x}-{stamp.st_size:x}"'
        fresh = self.headers.get('If-None-Match') == tag or self.headers.get('If-Modified-Since') == modified
        self.send_response(304 if fresh else 200)
        self.send_header('Content-Type', kind)
        self.send_header('Vary', 'Accept-Encoding')
        self.send_header('ETag', tag)
        self.send_header('Last-Modified', modified)
        if encoding:
            self.send_header('Content-Encoding', encoding)
        if fresh:
            self.end_headers()
            return None
        self.send_header('Content-Length', str(stamp.st_size))
        self.end_headers()
        return open(sent, 'rb')


def server(folder, port=0, handler=Site):
    """A threading server of the folder on 127.0.0.1 (a free port for 0)."""
    site = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
    site.folder = folder
    return site


if __name__ == '__main__':
    folder = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else 'build/web')
    site = server(folder, int(sys.argv[2]) if len(sys.argv) > 2 else 8000)
    print(f'http://127.0.0.1:{site.server_address[1]}/ serves {folder} (Ctrl+C ends)')
    try:
        site.serve_forever()
    except KeyboardInterrupt:
        pass
