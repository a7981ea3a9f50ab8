#!/usr/bin/env python3
"""Figures of the browser front-end in headless Chromium on this machine: the time from
navigation to an interactive page (empty and warm cache), the gzip -9 size of the module and
scripts, the time of one Calc click, and on a slow phone (CPU 4 times slower, 150 ms and
1.6 Mbit/s) the first paint and the first result of a Calc clicked as soon as it is drawn, from
a cold start and from the service worker. Only prints; no figure fails it.

Usage: web_bench.py SITE_FOLDER [LOADS]
"""

import gzip
import importlib.util
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "web_browser"))
from browser_test import Browser, Page, SiteServer  # noqa: E402  (after the path is set)

# The site as a host sends it, compressed: scripts/serve-site.py's handler.
_spec = importlib.util.spec_from_file_location(
    "serve_site", Path(__file__).resolve().parents[1] / "scripts" / "serve-site.py")
serve_site = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(serve_site)

SIZE_GOAL = 60 * 1024  # bytes, gzipped, of the page, its scripts and the module together
CLICK_GOAL_US = 1000
CLICKS = 100

# The ready mark's time, and the bytes that came over the network for the page's resources.
READY = """return [performance.getEntriesByName('tallies-ready')[0]?.startTime ?? null,
    performance.getEntriesByType('resource').reduce((sum, r) => sum + r.transferSize, 0)]"""
CLICK_LOOP = """const button = document.getElementById('cmdHP');
const start = performance.now();
for (let i = 0; i < arguments[0]; ++i) button.click();
return [(performance.now() - start) * 1000 / arguments[0],
        document.getElementById('lblHP').dataset.text];"""


# Clicks Calc of the pump horsepower with 10 gpm and 1500 psi as soon as it is drawn, and notes
# when its result is shown.
FIRST_RESULT = """(() => {
  const timing = window.firstResult = {controlled: !!navigator.serviceWorker?.controller};
  const observer = new MutationObserver(() => {
    const button = document.getElementById('cmdHP');
    if (!timing.clicked && button) {
      timing.clicked = performance.now();
      document.getElementById('txtGPM').value = '10';
      document.getElementById('txtPSI').value = '1500';
      button.click();
    }
    const result = document.getElementById('lblHP');
    if (timing.clicked && result?.dataset.text) {
      Object.assign(timing, {result: performance.now(), text: result.dataset.text});
      observer.disconnect();
    }
  });
  observer.observe(document, {childList: true, subtree: true, attributes: true});
})();"""
PAINT_AND_RESULT = """const mark = (name) => performance.getEntriesByName(name)[0]?.startTime ?? null;
return [mark('first-contentful-paint'), window.firstResult?.result ?? null,
    window.firstResult?.text ?? null, window.firstResult?.controlled,
    ['tallies-drawn', 'tallies-module', 'tallies-ready'].map(mark)]"""
SLOW_PHONE = {"offline": False, "latency": 150, "downloadThroughput": 1_600_000 / 8,
              "uploadThroughput": 750_000 / 8}
PAINT_GOAL_MS, RESULT_GOAL_MS, OFFLINE_GOAL_MS = 1000, 1500, 300


def slow_phone(driver, site, runs):
    """First paint and first result in ms, on a slow phone: cold and from the service worker.
    Each cold start is on a new origin (a new port), which has nothing cached."""
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FIRST_RESULT})
    driver.execute_cdp_cmd("Network.emulateNetworkConditions", SLOW_PHONE)
    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
    figures = {"cold": [], "service worker": []}
    try:
        for _ in range(runs):
            server = SiteServer(site, serve_site.Handler)
            page = Page(driver, server.url)
            for start in figures:
                page.d.get("about:blank")
                page.load()
                page.wait(lambda: page.js(PAINT_AND_RESULT)[1], "the first result", timeout=20)
                figures[start].append(page.js(PAINT_AND_RESULT))
                if start == "cold":
                    # The next visit is served by the service worker, once it has the site.
                    page.d.set_script_timeout(30)
                    page.d.execute_async_script("navigator.serviceWorker.ready.then(arguments[0])")
            server.stop()
    finally:
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 1})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions",
                               {"offline": False, "latency": 0, "downloadThroughput": -1,
                                "uploadThroughput": -1})
    for start, runs_of in figures.items():
        paint = statistics.median(run[0] for run in runs_of)
        result = statistics.median(run[1] for run in runs_of)
        served = sum(run[3] for run in runs_of)
        goal = RESULT_GOAL_MS if start == "cold" else OFFLINE_GOAL_MS
        marks = [round(statistics.median(run[4][i] for run in runs_of)) for i in range(3)]
        print(f"slow phone, {start:14}: first paint {paint:6.0f} ms, first result "
              f"({runs_of[-1][2]}) {result:6.0f} ms, median of {len(runs_of)}, "
              f"{served} served by the service worker (goals: paint <= {PAINT_GOAL_MS} ms "
              f"{'met' if paint <= PAINT_GOAL_MS else 'NOT met'}, result <= {goal} ms "
              f"{'met' if result <= goal else 'NOT met'}); drawn, module, ready at {marks} ms")


def load(page, empty_cache):
    """One navigation to the page: ms from its start to the ready mark, and bytes fetched."""
    page.d.get("about:blank")
    if empty_cache:
        page.d.execute_cdp_cmd("Network.clearBrowserCache", {})
        page.d.execute_cdp_cmd("Storage.clearDataForOrigin",
                               {"origin": page.url.rstrip("/"), "storageTypes": "all"})
    page.load()
    return page.js(READY)


def describe(values):
    return (f"median {statistics.median(values):7.1f} ms  "
            f"(min {min(values):.1f}, max {max(values):.1f}, n={len(values)})")


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: web_bench.py SITE_FOLDER [LOADS]")
    site = Path(sys.argv[1])
    loads = int(sys.argv[2]) if len(sys.argv) == 3 else 20

    print("gzip -9 sizes of the page (its scripts and window model inside), the module and scripts:")
    total = 0
    for path in sorted(p for p in site.rglob("*") if p.suffix in (".wasm", ".js", ".html")):
        raw = path.read_bytes()
        packed = len(gzip.compress(raw, compresslevel=9))
        total += packed
        print(f"  {str(path.relative_to(site)):32} {len(raw):9,} bytes, gzipped {packed:9,}")
    print(f"  total gzipped {total:,} bytes = {total / 1024:.1f} KiB = {total / 1000:.1f} kB "
          f"(goal <= {SIZE_GOAL // 1024} KiB: {'met' if total <= SIZE_GOAL else 'NOT met'})")

    server, browser = SiteServer(site), Browser()
    page = Page(browser.driver, server.url)
    try:
        print(f"Chromium {page.d.capabilities.get('browserVersion')}, headless, on 127.0.0.1")
        page.d.execute_cdp_cmd("Network.enable", {})
        for label, empty in (("empty cache", True), ("warm cache ", False)):
            runs = [load(page, empty) for _ in range(loads)]
            print(f"load to ready, {label}: {describe([run[0] for run in runs])}, "
                  f"{statistics.median(run[1] for run in runs):,.0f} bytes over the network")

        slow_phone(browser.driver, site, 5)

        page.load()
        page.fill({"txtGPM": "10", "txtPSI": "1500"})
        runs = [page.js(CLICK_LOOP, CLICKS) for _ in range(5)]
        per_click = statistics.median(run[0] for run in runs)
        print(f"cmdHP click (10 gpm, 1500 psi -> {runs[-1][1]}): {per_click:.1f} us per click, "
              f"median of {len(runs)} runs of {CLICKS} "
              f"(goal <= {CLICK_GOAL_US} us: {'met' if per_click <= CLICK_GOAL_US else 'NOT met'})")
    finally:
        browser.quit()
        server.stop()


if __name__ == "__main__":
    main()
