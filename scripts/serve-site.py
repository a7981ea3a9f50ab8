#!/usr/bin/env python3
"""Serves the built site folder over HTTP for trying Tallies in a browser.

Usage: serve-site.py FOLDER PORT ADDRESS. ADDRESS 127.0.0.1 keeps the site to this computer;
0.0.0.0 lets a phone on the same network open it. A port that is taken is said plainly.
"""

import errno
import functools
import gzip
import http.server
import os
import socket
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    # The module and the manifest need their own types; the service worker decides what is fresh.
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

    # Sent compressed to a browser that takes gzip, as a host should send them.
    compressed = {".html", ".js", ".json", ".css", ".wasm", ".svg", ".webmanifest"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        if (os.path.splitext(path)[1] not in self.compressed or not os.path.isfile(path)
                or "gzip" not in self.headers.get("Accept-Encoding", "")):
            super().do_GET()
            return
        with open(path, "rb") as file:
            body = gzip.compress(file.read(), 6)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def lan_address():
    """This computer's address on its network, for a phone to open (no packet is sent)."""
    try:
        with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as probe:
            probe.connect(("192.0.2.1", 9))  # a documentation address: connect() only picks a route
            return probe.getsockname()[0]
    except OSError:
        return None


def main():
    folder, port, address = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    handler = functools.partial(Handler, directory=folder)
    try:
        server = http.server.ThreadingHTTPServer((address, port), handler)
    except OSError as error:
        if error.errno == errno.EADDRINUSE:
            print(f"Port {port} is already in use on {address}: stop the program that uses it, "
                  f"or choose another port, e.g. TALLIES_WEB_PORT={port + 1} ./scripts/web",
                  file=sys.stderr)
        else:
            print(f"Cannot serve on {address}:{port}: {error.strerror}", file=sys.stderr)
        return 1
    shown = lan_address() if address == "0.0.0.0" else address
    port = server.server_address[1]
    print(f"Tallies is at http://{shown or address}:{port}/ (Ctrl+C stops it)", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
