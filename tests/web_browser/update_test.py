#!/usr/bin/env python3
"""Updates of the site kept offline, in headless Chromium: a copy of the built site is served
with year-long cache lifetimes and loaded; a rebuild is then served, and the page offers the new
version, whose files arrive after its Reload although the browser's HTTP cache still holds the
old ones; a later rebuild with a file missing on the server is dropped, and the version before
keeps working offline.

Usage: update_test.py SITE_FOLDER. Exits non-zero on any failure."""

import re
import shutil
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from browser_test import Browser, Page, SiteServer  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402


class LongLivedHandler(SiteServer.Handler):
    """Every file may be kept for a year, as a host tuned for speed sends them."""

    def end_headers(self):
        self.send_header("Cache-Control", "public, max-age=31536000")
        super().end_headers()


def rebuild(site, build):
    """The site as a rebuild leaves it: a page that says which build it is, and a service worker
    whose cache has a new name."""
    page = site / "index.html"
    page.write_text(page.read_text() + f"<!-- build {build} -->\n")
    sw = site / "sw.js"
    sw.write_text(re.sub(r'"tallies-([^"]*)"', rf'"tallies-\g<1>-{build}"', sw.read_text(), count=1))


def served_build(page):
    """The build named in the page the browser gets (through its service worker)."""
    text = page.d.execute_async_script("""const done = arguments[arguments.length - 1];
        fetch('./').then((r) => r.text()).then(done, (e) => done(String(e)));""")
    found = re.findall(r"<!-- build (\d+) -->", text)
    return found[-1] if found else "1"


def update(page):
    """Asks the service worker registration for an update; answers what became of it."""
    return page.d.execute_async_script("""const done = arguments[arguments.length - 1];
        navigator.serviceWorker.getRegistration().then((r) => {
          r.addEventListener('updatefound', () => {
            const worker = r.installing;
            worker.addEventListener('statechange', () => {
              if (['installed', 'redundant'].includes(worker.state)) done(worker.state);
            });
          });
          r.update().catch((e) => done('update failed: ' + e));
        });""")


def calculates(page):
    for control, text in (("txtGPM", "10"), ("txtPSI", "1500")):
        field = page.el(control)
        field.clear()
        field.send_keys(text)
    page.el("cmdHP").click()
    return page.el("lblHP").text


def main():
    failures = []

    def expect(found, wanted, what):
        print(f"{'ok' if found == wanted else 'FAIL':4} {what}: {found!r}")
        if found != wanted:
            failures.append(what)

    work = Path(tempfile.mkdtemp(prefix="tallies-update-"))
    site = work / "site"
    shutil.copytree(sys.argv[1], site)
    server, browser = SiteServer(site, LongLivedHandler), Browser()
    page = Page(browser.driver, server.url)
    page.d.set_script_timeout(30)
    try:
        page.load()
        page.d.execute_async_script(
            "navigator.serviceWorker.ready.then(() => arguments[arguments.length - 1](true))")
        page.wait(lambda: page.js("return !!navigator.serviceWorker.controller"),
                  "the service worker to control the page", 20)

        rebuild(site, 2)
        expect(update(page), "installed", "the rebuild is installed")
        page.wait(lambda: page.d.find_elements(By.ID, "update"), "the offer of the new version", 10)
        notice = page.el("update")
        expect((notice.get_attribute("role"), " ".join(notice.text.split())),
               ("status", "A new version is ready: Reload"),
               "the offer, announced")
        expect(served_build(page), "1", "the old version serves until the visitor reloads")
        page.el("update").find_element(By.TAG_NAME, "button").click()
        page.wait(lambda: page.js("return document.documentElement.dataset.state") == "ready"
                  and not page.d.find_elements(By.ID, "update"), "the page to reload", 20)
        expect(served_build(page), "2", "after Reload the new files, past the HTTP cache")

        rebuild(site, 3)
        (site / "images" / "banner.svg").unlink()
        expect(update(page), "redundant", "a rebuild with a file missing is dropped")
    finally:
        server.stop()
    try:
        page.d.refresh()
        page.wait(lambda: page.js("return document.documentElement.dataset.state") == "ready",
                  "the page to be ready offline", 20)
        expect(served_build(page), "2", "offline, the last complete version")
        expect(calculates(page), "8.751458", "offline, a Calc works")
    finally:
        browser.quit()
        shutil.rmtree(work, ignore_errors=True)
    print(f"{len(failures)} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    if len(sys.argv) != 2 or not (Path(sys.argv[1]) / "index.html").is_file():
        sys.exit("usage: update_test.py SITE_FOLDER (a folder holding index.html)")
    main()
