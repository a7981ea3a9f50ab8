#!/usr/bin/env python3
"""scripts/serve-site.py, as ./scripts/web runs it: it serves the site, and a second server on
the same port says plainly that the port is taken (no traceback) and exits with 1."""

import gzip
import subprocess
import sys
import tempfile
import time
import urllib.request
from pathlib import Path

SERVE = Path(__file__).resolve().parents[2] / "scripts" / "serve-site.py"


def main():
    failures = []
    with tempfile.TemporaryDirectory() as site:
        Path(site, "index.html").write_text("<title>Tallies</title>")
        Path(site, "tallies.wasm").write_bytes(b"\0asm")
        first = subprocess.Popen([sys.executable, SERVE, site, "0", "127.0.0.1"],
                                 stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        try:
            line = first.stdout.readline()
            # Port 0 asks the system for a free port; the address line names the one in use.
            port = int(line.rsplit(":", 1)[1].split("/")[0]) if "http://" in line else 0
            if not port:
                failures.append(f"first server said {line!r}")
            else:
                with urllib.request.urlopen(f"http://127.0.0.1:{port}/tallies.wasm") as answer:
                    if answer.headers["Content-Type"] != "application/wasm":
                        failures.append(f"module served as {answer.headers['Content-Type']}")
                # Compressed for a browser that takes gzip, the page's folder as its index.
                asked = urllib.request.Request(f"http://127.0.0.1:{port}/",
                                               headers={"Accept-Encoding": "gzip, br"})
                with urllib.request.urlopen(asked) as answer:
                    body = answer.read()
                    page = gzip.decompress(body) if answer.headers["Content-Encoding"] == "gzip" else b""
                    if page != b"<title>Tallies</title>" or "text/html" not in answer.headers["Content-Type"]:
                        failures.append(f"page served as {answer.headers['Content-Type']}, "
                                        f"{answer.headers['Content-Encoding']}: {body[:40]!r}")
                second = subprocess.run([sys.executable, SERVE, site, str(port), "127.0.0.1"],
                                        capture_output=True, text=True, timeout=30)
                said = second.stderr
                if second.returncode != 1 or "already in use" not in said or "Traceback" in said:
                    failures.append(f"second server: exit {second.returncode}, said {said!r}")
        finally:
            first.terminate()
            first.wait(timeout=10)
    for failure in failures:
        print(failure)
    print(f"{0 if failures else 1} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
