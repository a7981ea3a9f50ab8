#!/usr/bin/env python3
"""Figures of the browser front-end in headless Chromium on this machine: the time from
navigation to an interactive page (empty and warm cache), the gzip -9 size of the module and
scripts, and the time of one Calc click. Only prints; no figure fails it.

Usage: web_bench.py SITE_FOLDER [LOADS]
"""

import gzip
import statistics
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "tests" / "web_browser"))
from browser_test import Browser, Page, SiteServer  # noqa: E402  (after the path is set)

SIZE_GOAL = 60 * 1024  # bytes, gzipped, of every .wasm and .js together
CLICK_GOAL_US = 1000
CLICKS = 1000

# The ready mark's time, and the bytes that came over the network for the page's resources.
READY = """return [performance.getEntriesByName('tallies-ready')[0]?.startTime ?? null,
    performance.getEntriesByType('resource').reduce((sum, r) => sum + r.transferSize, 0)]"""
CLICK_LOOP = """const button = document.getElementById('cmdHP');
const start = performance.now();
for (let i = 0; i < arguments[0]; ++i) button.click();
return [(performance.now() - start) * 1000 / arguments[0],
        document.getElementById('lblHP').dataset.text];"""


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

    print("gzip -9 sizes of the module and scripts:")
    total = 0
    for path in sorted(p for p in site.rglob("*") if p.suffix in (".wasm", ".js")):
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
