#!/usr/bin/env python3
"""Pictures of the browser front-end, each view in the light and the dark colour scheme, each
with a worked sample: web-hydraulic-light.png, web-hydraulic-dark.png, web-general-light.png and
web-general-dark.png in OUT_FOLDER.

Usage: screenshots.py SITE_FOLDER OUT_FOLDER
"""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from browser_test import Browser, Page, SiteServer  # noqa: E402  (after the path is set)

# Each view's sample problem: the controls clicked and the texts typed, in order.
SAMPLES = {
    "hydraulic": [("click", "optHyd"), ("type", "txtGPM", "10"), ("type", "txtPSI", "1500"),
                  ("click", "cmdHP")],
    "general": [("click", "optGen"), ("type", "txtmm1", "100"), ("click", "Command2")],
}


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: screenshots.py SITE_FOLDER OUT_FOLDER")
    out = Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    server, browser = SiteServer(sys.argv[1]), Browser()
    page = Page(browser.driver, server.url)
    try:
        page.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 800, "height": 600, "deviceScaleFactor": 1, "mobile": False})
        for scheme in ("light", "dark"):
            page.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
                {"name": "prefers-color-scheme", "value": scheme}]})
            for view, steps in SAMPLES.items():
                page.load()
                for action, control, *text in steps:
                    if action == "type":
                        page.fill({control: text[0]})
                    else:
                        page.click(control)
                path = out / f"web-{view}-{scheme}.png"
                if not page.d.save_screenshot(str(path)):
                    sys.exit(f"could not write {path}")
                print(path)
    finally:
        browser.quit()
        server.stop()


if __name__ == "__main__":
    main()
