#!/usr/bin/env python3
"""The browser front-end in headless Chromium: a worked example of each calculator of the
catalogue (read from the model document the module exports; every example's digits are checked
below the page, so here each button and list is wired once), the units choice and its keeping,
tabs and views, the fault reports, the regional decimal comma, an offline reload, the About box,
the keyboard order and keys, screen-reader names and announcements, contrast, a narrow screen, a
5 MB paste into a field, digits of other scripts with invisible marks among them, and the
history of calculations with the links to one.

Usage: browser_test.py SITE_FOLDER. Prints one line per check and what it found wrong, then
"N passed, N failed"; exits non-zero on any failure.
"""

import functools
import json
import http.server
import os
import re
import shutil
import sys
import tempfile
import threading
import time
import urllib.request
from pathlib import Path

try:
    from selenium import webdriver
except ImportError:  # an interpreter without the distribution's packages: use the system one
    if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    raise
from selenium.common.exceptions import ElementClickInterceptedException, TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

# Without the networking flags Chromium keeps trying to reach Google's services.
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--window-size=800,600"]


def first_line(error):
    """An exception's first line, without WebDriver's stack trace."""
    text = getattr(error, "msg", None) or str(error) or "-"
    return f"{type(error).__name__}: {text.strip().splitlines()[0]}"


class SiteServer:
    """The site folder over HTTP on 127.0.0.1, on a port of the system's choosing."""

    class Handler(http.server.SimpleHTTPRequestHandler):
        extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                          ".wasm": "application/wasm", ".js": "text/javascript",
                          ".webmanifest": "application/manifest+json"}

        def log_message(self, *args):
            pass

    def __init__(self, folder, handler_class=None):
        handler = functools.partial(handler_class or self.Handler, directory=str(folder))
        self.httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.httpd.daemon_threads = True
        self.url = f"http://127.0.0.1:{self.httpd.server_address[1]}/"
        threading.Thread(target=self.httpd.serve_forever, daemon=True).start()

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


class Browser:
    """Headless Chromium with a fresh profile, optionally in another language."""

    def __init__(self, lang=None):
        self.profile = tempfile.mkdtemp(prefix="tallies-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        if lang:
            options.add_argument(f"--lang={lang}")
            options.add_experimental_option("prefs", {"intl.accept_languages": lang})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


class Page:
    """The page in one browser, driven as a user would."""

    def __init__(self, driver, url):
        self.d, self.url = driver, url

    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def wait(self, condition, what=None, timeout=3):
        """Whether the condition came true in time; without it, an error naming `what`."""
        try:
            return WebDriverWait(self.d, timeout, poll_frequency=0.05).until(lambda _: condition())
        except TimeoutException:
            if what:
                raise AssertionError(f"timed out waiting for {what}") from None
            return False

    def load(self, url=None):
        self.d.get(url or self.url)
        self.wait(lambda: self.js("return document.documentElement.dataset.state") == "ready",
                  'html[data-state="ready"]', timeout=20)

    def el(self, control):
        found = self.d.find_elements(By.ID, control)
        if not found:
            raise AssertionError(f"no element #{control}")
        return found[0]

    def click(self, control):
        try:
            self.el(control).click()
        except ElementClickInterceptedException as e:
            cover = re.search(r"Other element would receive the click: (<[^>]*>)", e.msg)
            raise AssertionError(f"#{control} is covered by {cover and cover[1][:90]}") from None

    def press(self, key):
        ActionChains(self.d).send_keys(key).perform()
        time.sleep(0.05)

    def model(self):
        """The model document, as a second instance of the page's module makes it."""
        if not hasattr(self, "_model"):
            if self.js("return typeof TalliesCore") == "undefined":
                self.load()
            self.d.set_script_timeout(20)
            self._model = json.loads(self.d.execute_async_script(
                "const done = arguments[arguments.length - 1];"
                "TalliesCore({}).then(core => done(core.ccall('tallies_model', 'string', [], [])))"))
        return self._model

    def clicks_to(self, tab_set, tab):
        """What is clicked to show a page: the view's option, then the tab (and its parent's)."""
        layout = next(s for s in self.model()["tabSets"] if s["name"] == tab_set)
        if layout["parent"] == "frmMain":
            first = [next(v["option"] for v in self.model()["views"] if v["tabSet"] == tab_set)]
        else:
            first = self.clicks_to(layout["parent"], layout["parentTab"])
        return first + [f"{tab_set}-tab-{tab}"]

    def go(self, tab_set, tab):
        """Shows a page as a user would, clicking where the pointer goes."""
        for control in self.clicks_to(tab_set, tab):
            self.click(control)

    def show(self, tab_set, tab):
        """Shows a page by the same clicks made by the page's script, at once: for the checks
        that walk every page to look at it (`go` checks the clicking)."""
        self.js("arguments[0].forEach(id => document.getElementById(id).click())",
                self.clicks_to(tab_set, tab))

    def go_to(self, control):
        """Shows the page a control of the main window is on, unless it is on view."""
        found = next(c for c in self.model()["controls"] if c["name"] == control)
        if found["parent"] != "frmMain" and not self.js(
                "return !!document.getElementById(arguments[0])?.getClientRects().length", control):
            self.go(found["parent"], found["tab"])

    def fill(self, texts):
        for control, text in texts.items():
            element = self.el(control)
            if element.tag_name == "select":
                Select(element).select_by_visible_text(text)
            else:
                element.clear()
                if text:
                    element.send_keys(text)

    def value(self, control):
        """A result's full text, a field's value, or another element's text."""
        return self.js("""const e = document.getElementById(arguments[0]);
            if (!e) return null;
            if (e.tagName === 'OUTPUT') return e.dataset.text ?? null;
            return e.tagName === 'INPUT' || e.tagName === 'SELECT' ? e.value : e.textContent;""",
                       control)

    def is_open(self, dialog):
        return self.js("return !!document.getElementById(arguments[0])?.open", dialog)

    def expect_message(self, text, problems, when):
        """The modal message with this text is shown; OK closes it."""
        if not self.wait(lambda: self.is_open("message")):
            return problems.append(f"{when}: no #message opened")
        got = [self.el(c).text for c in ("message-title", "message-text", "message-ok")]
        expect(problems, got, ["Tallies", text, "OK"], f"{when}: #message title, text, button")
        expect(problems, self.js("return document.getElementById('message').matches(':modal')"),
               True, f"{when}: #message is modal")
        self.click("message-ok")
        expect(problems, self.is_open("message"), False, f"{when}: #message open after OK")

    def put(self, texts):
        """Puts the texts into the fields and lists at once, as a paste or a choice does (a
        list calculates as it is chosen); `fill` types them key by key."""
        missing = self.js(PUT_JS, texts)
        if missing:
            raise AssertionError(f"no field or list #{missing}")

    def calculate(self, case, problems, typed=False):
        """One worked example: fill, click (a list calculates as it is chosen), compare; a fault
        example's message is the module's fault report."""
        control, given, shown, fault = case
        where = f"{control} {given}"
        try:
            self.go_to(control)
            (self.fill if typed else self.put)(given)
            if control not in given:
                self.click(control)
        except Exception as error:
            return problems.append(f"{where}: {first_line(error)}")
        if fault:
            self.expect_message(fault, problems, where)
        names = list(shown)
        state = lambda: self.js(SHOWN_JS, names)
        self.wait(lambda: [r[0] for r in state()[0]] == list(shown.values()))
        results, message = state()
        for result, want, (value, *texts) in zip(names, shown.values(), results):
            expect(problems, value, want, f"{where}: #{result}")
            if not texts:
                continue
            # A result too wide for its box shows fewer fraction digits and a mark, then the rest;
            # a screen reader reads the whole result however it is drawn.
            drawn, read = texts
            head, _, tail = drawn.partition("…")
            if drawn != want and not (want.startswith(head) and want.endswith(tail) and "…" in drawn):
                problems.append(f"{where}: #{result} shows {drawn!r} for {want!r}")
            expect(problems, read, want, f"{where}: #{result} as a screen reader reads it")
        if not fault and message is not None:
            problems.append(f"{where}: a message opened: {message!r}")
            self.click("message-ok")


# A result's text as it is drawn (without what is hidden from sight) and as a screen reader reads
# it (without what is hidden from screen readers).
RESULT_TEXTS_JS = """const e = document.getElementById(arguments[0]);
const without = (hidden) => { const c = e.cloneNode(true);
  c.querySelectorAll(hidden).forEach(h => h.remove()); return c.textContent; };
return [without('.visually-hidden'), without('[aria-hidden=true]')];"""
# Of each control, [its value as Page.value reads it] and for a result also [drawn, read] as
# RESULT_TEXTS_JS gives them; and the open message's text, or null.
SHOWN_JS = """return [arguments[0].map(name => {
  const e = document.getElementById(name);
  if (!e) return [null];
  if (e.tagName !== 'OUTPUT')
    return [e.tagName === 'INPUT' || e.tagName === 'SELECT' ? e.value : e.textContent];
  const without = (hidden) => { const c = e.cloneNode(true);
    c.querySelectorAll(hidden).forEach(h => h.remove()); return c.textContent; };
  return [e.dataset.text ?? null, without('.visually-hidden'), without('[aria-hidden=true]')];
}), document.getElementById('message').open
  ? document.getElementById('message-text').textContent : null];"""
# Sets each field's text, or chooses the list's entry with that text (a change, as a choice
# makes); answers the name of a control it did not find, or null.
PUT_JS = """for (const [name, text] of Object.entries(arguments[0])) {
  const e = document.getElementById(name);
  if (!e) return name;
  if (e.tagName === 'SELECT') {
    const option = [...e.options].find(o => o.text === text);
    if (!option) return `${name} entry ${text}`;
    if (!option.selected) {
      option.selected = true;
      e.dispatchEvent(new Event('change', {bubbles: true}));
    }
  } else {
    e.value = text;
    e.dispatchEvent(new Event('input', {bubbles: true}));
  }
}
return null;"""


def expect(problems, got, want, what):
    if got != want:
        problems.append(f"{what}: {got!r}, expected {want!r}")


H, G, M = "SSTabHyd", "SSTabGen", "SSTab1"
# The tab captions, as the window design gives them (TabSets() in the layout tables).
TAB_CAPTIONS = {
    H: ["Pump Horsepower", "Cylinder Area, Force, Speed", "Torque and Horsepower",
        "Oil Velocity in Hose/Pipe", "Torque and Displacement", "Angle/Force Relation",
        "Pump GPM - C.I.R. Disp."],
    G: ["Length Conversions", "Volume Conversion", "Mass Conversion", "Area", "Temperature",
        "Misc Thickness"],
    M: ["Weight", "Weight Per Length", "Per Volume (Density)"],
}


def examples(model, fault=False, calculators=None, metric=False):
    """The catalogue's worked examples as (control, given, shown, fault message or None): those
    without a fault, or the fault examples; of every calculator, or of those chosen; in US units,
    or those in metric units that are not the US ones."""
    key = "metricExamples" if metric else "examples"
    return [(c["control"], dict(e["given"]), dict(e["shown"]), e.get("fault", {}).get("message"))
            for c in model["calculators"] if calculators is None or calculators(c)
            for e in c.get(key, []) if ("fault" in e) == fault]


def first_example(model, control):
    return next(case for case in examples(model) if case[0] == control)


def first_of_each(cases, key=lambda case: case[0]):
    """The first case of each calculator (or of whatever `key` tells apart), in order."""
    firsts = {}
    for case in cases:
        firsts.setdefault(key(case), case)
    return list(firsts.values())


def with_comma(case, given_too=True):
    """An example as a browser with a regional comma shows it; what is typed keeps its point
    when `given_too` is false (a point still reads as a separator)."""
    control, given, shown, fault = case
    comma = lambda texts: {c: t.replace(".", ",") for c, t in texts.items()}
    return control, comma(given) if given_too else given, comma(shown), fault


ABOUT_TEXTS = {
    "lblTitle": "Tallies", "cmdOK": "OK", "cmdSysInfo": "System Info...",
    "lblDescription": "Hydraulic/General Calculations - Written by the Tallies developers. "
                      "Note: Tallies Home assumes no responsibility for inaccurate information.",
    "lblDisclaimer": "Warning: check every result before you rely on it. Tallies Home offers "
                     "these calculations as a help only and accepts no liability for their use.",
}


def project_version():
    cmake = (Path(__file__).resolve().parents[2] / "CMakeLists.txt").read_text()
    return re.search(r"project\(Tallies VERSION ([0-9.]+)", cmake).group(1)


def expect_tab(page, tab_set, selected, problems, when):
    """Every tab of the set: its caption, whether it is selected, whether its panel is hidden."""
    got = page.js("""return [...document.querySelectorAll(`[id^="${arguments[0]}-tab-"]`)]
        .map(t => [t.textContent.trim(), t.getAttribute('aria-selected'),
                   document.getElementById(t.getAttribute('aria-controls'))?.hidden ?? null]);""",
                  tab_set)
    want = [[caption, str(i == selected).lower(), i != selected]
            for i, caption in enumerate(TAB_CAPTIONS[tab_set])]
    expect(problems, got, want, f"{when}: {tab_set} tabs [caption, aria-selected, panel hidden]")


def expect_view(page, shown, problems, when):
    got = page.js(f"return [document.getElementById('{H}')?.hidden, "
                  f"document.getElementById('{G}')?.hidden]")
    expect(problems, got, [shown != H, shown != G], f"{when}: [#{H}, #{G}] hidden")


# The checks, in order; each appends what it finds wrong to `problems`.

def check_calculations(page, problems):
    page.load()
    model = page.model()
    found = page.js("""return [...document.querySelectorAll('#frmMain button, #frmMain select')]
        .filter(e => e.tagName === 'SELECT' || e.textContent.trim() === 'Calc').map(e => e.id)
        .filter(id => !arguments[0].includes(id))""",
                    [c["name"] for c in model["controls"] if c["action"] == "units"])
    expect(problems, sorted(found), sorted(c["control"] for c in model["calculators"]),
           "Calc buttons and lists on the page")
    untried = [c["control"] for c in model["calculators"]
               if not any("fault" not in e for e in c["examples"])]
    if untried:
        problems.append(f"calculators without a worked example to run: {untried}")
    for control in ("Combo1", "Combo2"):
        expect(problems, page.js("return document.getElementById(arguments[0])?.options[0]?.text",
                                 control), "Select Gauge", f"#{control}'s first entry")
    for case in first_of_each(examples(model)):
        page.calculate(case, problems)


SETTINGS_KEY = "tallies.settings"
# What the page's module answers to a choice of units, asked of a second instance of it.
# The module is given texts, a click and texts typed after it first, as the page has had them.
UNITS_ANSWER_JS = """const [texts, click, retyped, entry, done] = arguments;
TalliesCore({measureText: () => 0}).then(core => {
  const call = (name, ...args) => core.ccall(name, 'string', args.map(() => 'string'), args);
  const type = (typed) => Object.entries(typed).forEach(([c, text]) => call('tallies_type', c, text));
  type(texts);
  call('tallies_click', click, '');
  type(retyped);
  done(call('tallies_choose_units', entry));
});"""
# Each Calc button's and gauge list's [tooltip, description].
FORMULAS_JS = """return arguments[0].map(name => { const e = document.getElementById(name);
  return e && [e.title, e.getAttribute('aria-description') ?? e.title]; });"""
# Each caption's text.
CAPTIONS_TEXT_JS = "return arguments[0].map(name => document.getElementById(name)?.textContent);"
# A browser that refuses its storage to the page, as one with site data blocked does.
NO_STORAGE_JS = """for (const name of ['getItem', 'setItem', 'removeItem'])
  Storage.prototype[name] = () => {
    throw new DOMException('The operation is insecure.', 'SecurityError');
  };"""


def check_units(page, problems):
    """The units list from the model, its caption its label with the access key; a choice of
    Metric shows what the module switched (captions, formulas) and calculates in metric units;
    it is kept over a reload; a browser that keeps nothing, or a kept text that is nonsense,
    starts in US units."""
    page.load()
    model = page.model()
    controls = {c["name"]: c for c in model["controls"]}
    units = next(c for c in model["controls"] if c["action"] == "units")
    name, caption = units["name"], controls[units["caption"]]
    # A worked example, whose fields and result the switch converts or clears, with one field
    # typed anew after the Calc (the page hands it over at the switch).
    us_case = first_example(model, "cmdHP")
    retyped = {next(iter(us_case[1])): "20"}
    page.d.set_script_timeout(20)
    metric = json.loads(page.d.execute_async_script(UNITS_ANSWER_JS, us_case[1], us_case[0],
                                                    retyped, "Metric"))
    switched = {w["control"]: w["text"] for w in metric["writes"]}
    if not set(us_case[1]) | set(us_case[2]) <= set(switched):
        problems.append(f"the module's switch writes {sorted(switched)}, not all of {us_case}")
    # What each system shows: the metric texts as the module switches to them, the US ones as
    # the model starts them.
    captions = {c: t for c, t in switched.items() if controls[c]["kind"] == "caption"}
    formulas = {f["control"]: f["formula"] for f in metric["formulas"]}
    shows = {"Metric": (captions, formulas),
             "US": ({c: controls[c]["text"] for c in captions},
                    {c: controls[c]["formula"] for c in formulas})}
    flow = controls["txtGPM"]["caption"]
    if captions.get(flow, controls[flow]["text"]) == controls[flow]["text"]:
        problems.append(f"the module's metric caption of #{flow}: {captions.get(flow)!r}")

    def expect_units(entry, when):
        expect(problems, [page.value(name), page.js("return document.getElementById(arguments[0])"
                                                    ".selectedOptions.length", name)],
               [entry, 1], f"{when}: #{name} [value, chosen options]")
        texts, formulas = shows[entry]
        shown = dict(zip(texts, page.js(CAPTIONS_TEXT_JS, list(texts))))
        problems.extend(f"{when}: #{c} shows {shown[c]!r}, expected {t!r}"
                        for c, t in texts.items() if shown[c] != t)
        said = dict(zip(formulas, page.js(FORMULAS_JS, list(formulas))))
        problems.extend(f"{when}: #{c} [tooltip, description] {said[c]!r}, expected the formula "
                        f"{f!r}" for c, f in formulas.items() if said[c] != [f, f])

    label = page.el(caption["name"])
    expect(problems, [label.tag_name, label.get_attribute("for"), label.get_attribute("accesskey"),
                      label.text], ["label", name, caption["accessKey"].lower(), caption["text"]],
           f"#{caption['name']} [tag, for, accesskey, text]")
    expect(problems, page.js("return [...document.getElementById(arguments[0]).options]"
                             ".map(o => [o.text, o.disabled])", name),
           [[e, False] for e in units["entries"]], f"#{name}'s entries [text, disabled]")
    expect_units(units["text"], "at start")
    page.calculate(us_case, problems)
    page.fill(retyped)
    expect(problems, metric["settings"].strip(), "units=metric", "the metric settings")
    ActionChains(page.d).key_down(Keys.ALT).send_keys(caption["accessKey"].lower()) \
        .key_up(Keys.ALT).perform()
    expect(problems, page.js("return document.activeElement?.id"), name,
           f"focus after Alt+{caption['accessKey']}")
    try:
        page.fill({name: "Metric"})
        expect_units("Metric", "after choosing Metric")
        for control in set(us_case[1]) | set(us_case[2]):
            expect(problems, page.value(control), switched.get(control),
                   f"after choosing Metric, #{control}")
        expect(problems, page.js("return localStorage.getItem(arguments[0])", SETTINGS_KEY),
               metric["settings"], f"localStorage {SETTINGS_KEY} after choosing Metric")
        # A Calc runs the calculator of the units chosen: the metric worked example (every
        # calculator is chosen so, and each metric example's digits are checked below the page).
        page.calculate(next(iter(examples(model, metric=True,
                                          calculators=lambda c: c["control"] == "cmdHP"))),
                       problems)
        page.load()
        expect_units("Metric", "after a reload")
        refused = page.d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                         {"source": NO_STORAGE_JS})["identifier"]
        try:
            page.load()
            expect_units("US", "with the storage refused")
            page.fill({name: "Metric"})
            expect_units("Metric", "with the storage refused, after choosing Metric")
        finally:
            page.d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                   {"identifier": refused})
        page.load()
        page.js("localStorage.setItem(arguments[0], 'units=furlongs\\n\\u0000')", SETTINGS_KEY)
        page.load()
        expect_units("US", "with nonsense kept")
    finally:
        page.js("localStorage.removeItem(arguments[0])", SETTINGS_KEY)


# Focuses #txtGPM as soon as the window holds it, before the page's first paint.
FOCUS_BEFORE_PAINT_JS = """new MutationObserver((_, observer) => {
  const field = document.getElementById('txtGPM');
  if (field?.isConnected) { field.focus(); observer.disconnect(); }
}).observe(document, {childList: true, subtree: true});"""


def check_tabs_and_views(page, problems):
    # Only the picture in sight is fetched at the start; one on a tab behind, once it is shown.
    # The browser's memory cache, which would hand over pictures shown by earlier checks, is off.
    page.d.execute_cdp_cmd("Network.enable", {})
    page.d.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    try:
        page.load()
    finally:
        page.d.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": False})
    expect_tab(page, H, 0, problems, "at start")
    expect_view(page, H, problems, "at start")
    loaded = lambda: page.js("""return [...document.querySelectorAll('.picture img')]
        .filter((img) => img.naturalWidth).map((img) => img.parentElement.id)""")
    page.wait(lambda: loaded())
    expect(problems, loaded(), ["Image1"], "the pictures drawn at the start")
    page.go(H, 6)
    page.wait(lambda: "Picture1" in loaded())
    expect(problems, sorted(loaded()), ["Image1", "Picture1"], f"the pictures drawn on {H}-tab-6")
    page.go(H, 3)
    expect_tab(page, H, 3, problems, f"after a click on {H}-tab-3")
    page.fill({"txtIDVel": "7"})
    page.go(G, 4)
    expect_view(page, G, problems, "after optGen")
    expect_tab(page, G, 4, problems, f"after a click on {G}-tab-4")
    page.fill({"txtCelsius1": "5"})
    for option, tab_set, tab in (("optHyd", H, 3), ("optGen", G, 4), ("optHyd", H, 3)):
        page.click(option)
        expect_view(page, tab_set, problems, f"back on {option}")
        expect_tab(page, tab_set, tab, problems, f"back on {option}")
    for field, text in {"txtIDVel": "7", "txtCelsius1": "5"}.items():
        expect(problems, page.value(field), text, f"after switching views, #{field}")
    page.go(M, 1)
    expect_tab(page, G, 2, problems, f"after {G}-tab-2")
    expect_tab(page, M, 1, problems, f"after {M}-tab-1")
    expect(problems, [page.el("txtklf").is_displayed(), page.el("txtlbwm").is_displayed()],
           [True, False], f"on {M}-tab-1, [#txtklf, #txtlbwm] shown")
    # The keyboard starts on the first tab, unless the user reached a control before.
    page.load()
    expect(problems, page.js("return document.activeElement?.id"), f"{H}-tab-0", "focus at start")
    early = page.d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                   {"source": FOCUS_BEFORE_PAINT_JS})["identifier"]
    try:
        page.load()
        expect(problems, page.js("return document.activeElement?.id"), "txtGPM",
               "focus at start, #txtGPM focused before the first paint")
    finally:
        page.d.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": early})


def check_fault_report(page, problems):
    """Each fault example after a worked example of its calculator: the module's report, and the
    results the example names (written before the fault, or kept) show as it says."""
    page.load()
    faults = examples(page.model(), fault=True)
    if not faults:
        problems.append("the catalogue has no fault example")
    for case in faults:
        page.calculate(first_example(page.model(), case[0]), problems)
        page.calculate(case, problems)


def check_decimal_comma(page, problems):
    browser = Browser(lang="de-DE")
    try:
        comma = Page(browser.driver, page.url)
        comma.load()
        language = comma.js("return navigator.language")
        if not language.startswith("de"):
            raise AssertionError(f"the de-DE browser reports navigator.language {language!r}")
        # Examples with a separator in them (the lists show their tables' texts as they are);
        # the first also typed with a point, which still reads as one.
        # Of each kind of calculator the first, as each kind reads and writes its fields its
        # own way.
        kinds = {c["control"]: c["kind"] for c in comma.model()["calculators"]}
        cases = first_of_each([case for case in examples(comma.model())
                               if kinds[case[0]] != "lookup"
                               and "." in "".join([*case[1].values(), *case[2].values()])],
                              key=lambda case: kinds[case[0]])
        for case in [with_comma(cases[0], given_too=False)] + [with_comma(c) for c in cases]:
            comma.calculate(case, problems)
    finally:
        browser.quit()


def check_about_box(page, problems):
    page.load()
    page.click("cmdAbout")
    page.wait(lambda: page.is_open("frmAbout"), "#frmAbout[open]")
    expect(problems, page.js("return document.getElementById('frmAbout').matches(':modal')"),
           False, "#frmAbout is modal")
    for control, want in {**ABOUT_TEXTS, "lblVersion": f"Version {project_version()}"}.items():
        expect(problems, " ".join(page.el(control).text.split()), want, f"#{control}")
    # Modeless: the window still takes the keyboard and calculates while the box is open (the
    # box may cover the Calc button).
    control, given, shown, _ = first_example(page.model(), "cmdHP")
    page.fill(given)
    page.js("document.getElementById(arguments[0]).focus()", control)
    page.press(Keys.ENTER)
    expect(problems, {c: page.value(c) for c in shown}, shown,
           f"Enter on #{control} with the About box open")
    page.click("cmdAbout")
    expect(problems, page.js("return [document.querySelectorAll('#frmAbout').length, "
                             "document.querySelectorAll('dialog[open]').length]"),
           [1, 1], "after a second click on #cmdAbout, [About boxes, open dialogs]")
    page.click("cmdSysInfo")
    page.expect_message("System Information Is Unavailable At This Time", problems, "cmdSysInfo")
    expect(problems, page.is_open("frmAbout"), True, "#frmAbout open after the message")
    page.click("cmdOK")
    expect(problems, page.is_open("frmAbout"), False, "#frmAbout open after #cmdOK")


# The model's keyboard order as the page shows it: the controls on view, a tab set as its current
# tab (the set is one stop) and a group of option buttons as its chosen one (the browser's one
# stop per group, where the arrows choose).
SHOWN_ORDER_JS = """const [order, sets] = arguments;
return order.flatMap(name => {
  const e = sets.includes(name)
    ? document.querySelector(`#${CSS.escape(name)} [role=tab][tabindex="0"]`)
    : document.getElementById(name);
  if (!e || !e.getClientRects().length || (e.type === 'radio' && !e.checked)) return [];
  return [e.id];
});"""
POSITIVE_TABINDEX_JS = """return [...document.querySelectorAll('[tabindex]')].filter(e => e.tabIndex > 0)
    .map(e => e.id || e.tagName);"""


def walk_tab_key(page, problems, order, where):
    """From the first control of `order` on view, the Tab key visits the rest in that order."""
    sets = [s["name"] for s in page.model()["tabSets"]]
    want = page.js(SHOWN_ORDER_JS, order, sets)
    page.js("document.getElementById(arguments[0]).focus()", want[0])
    got = [page.js("return document.activeElement?.id")]
    for _ in want[1:]:
        page.press(Keys.TAB)
        got.append(page.js("return document.activeElement?.id"))
    expect(problems, got, want, f"{where}: the Tab key's order")
    expect(problems, page.js(POSITIVE_TABINDEX_JS), [], f"{where}: elements with tabindex above 0")


def check_keyboard(page, problems):
    def active():
        return page.js("return document.activeElement?.id")

    page.load()
    model = page.model()
    if len(model["focusOrder"]) < 100:
        problems.append(f"the model's keyboard order has only {len(model['focusOrder'])} controls")
    # Pages where the window's own controls come between the pages' (cmdAbout, the options), and
    # the nested tab set.
    for tab_set, tab in ((H, 0), (H, 2), (H, 6), (G, 0), (M, 1)):
        page.go(tab_set, tab)
        walk_tab_key(page, problems, model["focusOrder"], f"{tab_set} tab {tab}")
    page.click("cmdAbout")
    walk_tab_key(page, problems, model["about"]["focusOrder"], "the About box")
    page.click("cmdOK")
    page.go(H, 0)
    page.press(Keys.ARROW_RIGHT)
    expect(problems, active(), f"{H}-tab-1", f"focus after Right arrow on {H}-tab-0")
    expect_tab(page, H, 1, problems, "after Right arrow")
    page.press(Keys.ARROW_LEFT)
    expect_tab(page, H, 0, problems, "after Left arrow")
    control, given, shown, _ = first_example(model, "cmdHP")
    for key, name in ((Keys.ENTER, "Enter"), (Keys.SPACE, "Space")):
        page.fill(given)
        for result in shown:  # emptied, so only the key can write them again
            page.js("const e = document.getElementById(arguments[0]); e.dataset.text = '';"
                    "e.textContent = '';", result)
        page.js("document.getElementById(arguments[0]).focus()", control)
        page.press(key)
        expect(problems, {c: page.value(c) for c in shown}, shown, f"{name} on the focused #{control}")


# Which elements are live regions: every element marked so, and those live by their role.
LIVE_REGIONS_JS = """return [...document.querySelectorAll(
    '[aria-live], output, [role=status], [role=alert], [role=log], [role=marquee], [role=timer]')]
  .filter(e => e.getAttribute('aria-live') !== 'off').map(e => e.id || e.tagName);"""


def check_accessible_names(page, problems):
    """Each field, list and result named by its caption on every page; after a Calc, the words the
    desktop says (each written control by its caption, then its text) in the one live region, and
    the Calc button described by them and its formula."""
    page.load()
    controls = {c["name"]: c for c in page.model()["controls"]}
    named = [c for c in controls.values() if c.get("caption")]
    for tab_set, tab in ALL_PAGES:
        page.show(tab_set, tab)
        for control in named:
            if (control["parent"], control["tab"]) == (tab_set, tab):
                expect(problems, page.el(control["name"]).accessible_name,
                       controls[control["caption"]]["text"], f"#{control['name']}'s name")
    expect(problems, page.js(LIVE_REGIONS_JS), ["announce"], "live regions")
    for case in [first_example(page.model(), c) for c in ("cmdHP", "cmdArea", "cmdTR")]:
        page.calculate(case, problems)
        control, _, shown, _ = case
        # Each written control by its caption and its text, and a unit where the units systems
        # give it different ones.
        said = re.compile("; ".join(re.escape(f"{controls[controls[c]['caption']]['text']} "
                                              f"{t or 'empty'}") + "( [^;]+)?"
                                    for c, t in shown.items()))
        announced = lambda: page.el("announce").get_attribute("textContent")
        page.wait(lambda: said.fullmatch(announced()))
        if not said.fullmatch(announced()):
            problems.append(f"{control}: the announcement {announced()!r} is not {said.pattern!r}")
        expect(problems, page.el(control).get_attribute("aria-description"),
               f"{announced()}. {controls[control]['formula']}", f"{control}: its description")
    link = page.el("Label3")
    expect(problems, [link.tag_name, link.text, link.get_attribute("target"),
                      link.get_attribute("rel")], ["a", "Go to Tallies Home", "_blank", "noopener"],
           "#Label3 [tag, text, target, rel]")


# Every visible text's colour against its effective background: the element's and its
# ancestors' background colours laid over the page's canvas colour (up to an open dialog).
# Returns [description, contrast ratio, colour, background] for each.
CONTRAST_JS = """
const ctx = document.createElement('canvas').getContext('2d', {willReadFrequently: true});
const rgba = c => { ctx.clearRect(0, 0, 1, 1); ctx.fillStyle = '#000'; ctx.fillStyle = c;
  ctx.fillRect(0, 0, 1, 1); const d = ctx.getImageData(0, 0, 1, 1).data;
  return [d[0], d[1], d[2], d[3] / 255]; };
const over = (top, under) => top.slice(0, 3).map((v, i) => v * top[3] + under[i] * (1 - top[3]));
const probe = document.body.appendChild(document.createElement('div'));
probe.style.background = 'Canvas';
const canvas = rgba(getComputedStyle(probe).backgroundColor); probe.remove();
const lum = c => c.map(v => (v /= 255) <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4)
  .reduce((s, v, i) => s + v * [0.2126, 0.7152, 0.0722][i], 0);
const out = [];
for (const e of document.querySelectorAll('body *')) {
  const field = (e.tagName === 'INPUT' && e.type === 'text' && e.value) || e.tagName === 'SELECT';
  if (!field && ![...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim())) continue;
  const style = getComputedStyle(e), box = e.getBoundingClientRect();
  if (style.visibility !== 'visible' || box.width < 2 || box.height < 2) continue;
  const layers = [];
  for (let a = e; a; a = a.tagName === 'DIALOG' && a.open ? null : a.parentElement)
    layers.unshift(rgba(getComputedStyle(a).backgroundColor));
  const bg = layers.reduce((under, top) => over(top, under), canvas);
  const fg = over(rgba(style.color), bg), [hi, lo] = [lum(fg), lum(bg)].sort((p, q) => q - p);
  const text = field ? e.value || e.selectedOptions?.[0]?.text : e.textContent.trim();
  out.push([`${e.id ? '#' + e.id : e.tagName.toLowerCase()} "${text.slice(0, 30)}"`,
            (hi + 0.05) / (lo + 0.05), fg.map(Math.round), bg.map(Math.round)]);
}
return out;"""

ALL_PAGES = [(tab_set, tab) for tab_set in (H, G, M) for tab in range(len(TAB_CAPTIONS[tab_set]))]


def check_contrast_and_width(page, problems):
    page.load()
    page.calculate(first_example(page.model(), "cmdHP"), problems)  # a result to read
    seen = {}
    for scheme in ("light", "dark"):
        page.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": scheme}]})
        expect(problems, page.js(f"return matchMedia('(prefers-color-scheme: {scheme})').matches"),
               True, f"{scheme} colour scheme emulated")
        texts = []
        for tab_set, tab in ALL_PAGES:
            page.show(tab_set, tab)
            texts += page.js(CONTRAST_JS)
        page.click("cmdAbout")
        texts += page.js(CONTRAST_JS)
        page.click("cmdOK")
        seen[scheme] = {text[0]: text[2:] for text in texts}
        low = {what: f"{ratio:.2f} (text {fg} on {bg})" for what, ratio, fg, bg in texts
               if ratio < 4.5}
        problems += [f"{scheme}: {what} has contrast {ratio}" for what, ratio in low.items()]
        if len(texts) < 50:
            problems.append(f"{scheme}: only {len(texts)} visible texts found")
    if seen["light"] == seen["dark"]:
        problems.append("the dark colour scheme shows the same colours as the light one")
    page.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
    page.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 640, "deviceScaleFactor": 1, "mobile": False})
    wrong = {}  # what was seen: the pages where it was
    try:
        page.load()
        for tab_set, tab in ALL_PAGES:
            page.show(tab_set, tab)
            # The banner is left out: its design starts left of the window, which clips it.
            width = page.js("""const w = innerWidth; return [w, document.documentElement.scrollWidth,
                [...document.querySelectorAll('[id]:not(#Image1)')].filter(e => e.getClientRects().length
                  && (e.getBoundingClientRect().right > w + 1 || e.getBoundingClientRect().left < -1))
                  .map(e => e.id)]""")
            if width[0] != 360 or width[1] > 360 or width[2]:
                wrong.setdefault(repr(width), []).append(f"{tab_set} tab {tab}")
    finally:
        page.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    problems += [f"360 px wide: [innerWidth, scrollWidth, controls beyond the viewport] {seen} "
                 f"on {', '.join(pages)}" for seen, pages in wrong.items()]


def check_offline_reload(page, problems):
    site = SiteServer(page.site)  # an origin of its own, stopped below
    try:
        page.load(site.url)
        page.d.set_script_timeout(20)
        page.d.execute_async_script(
            "navigator.serviceWorker.ready.then(() => arguments[arguments.length - 1](true))")
    finally:
        site.stop()
    try:
        urllib.request.urlopen(site.url, timeout=2)
        raise AssertionError("the server still answers after it was stopped")
    except OSError:
        pass
    page.d.refresh()
    page.wait(lambda: page.js("return document.documentElement.dataset.state") == "ready",
              "the page to be ready offline", 20)
    expect(problems, page.js("return !!navigator.serviceWorker.controller"), True,
           "offline: a service worker controls the page")
    page.calculate(first_example(page.model(), "cmdHP"), problems)


# A paste of 5 MB into one field: far beyond what the module's stack holds (5 MB, and each
# character may take up to 4 bytes there), where a text passed on it broke every later Calc.
LONG_PASTE_CHARACTERS = 5 * 1024 * 1024


def paste(page, control, head, piece, count):
    """Sets a field to `head` and `count` times `piece` at once, as a paste does."""
    page.js("""const field = document.getElementById(arguments[0]);
        field.value = arguments[1] + arguments[2].repeat(arguments[3]);
        field.dispatchEvent(new Event('input', {bubbles: true}));""", control, head, piece, count)


def check_long_paste(page, problems):
    page.load()
    control, given, shown, _ = case = first_example(page.model(), "cmdHP")
    overflow = next(fault for *_, fault in examples(page.model(), fault=True)
                    if "Overflow" in fault)
    field, other = given
    page.go_to(control)
    page.fill({other: given[other]})
    # Digits all the way: read whole, the number is beyond any Double.
    paste(page, field, "", "1", LONG_PASTE_CHARACTERS)
    page.click(control)
    page.expect_message(overflow, problems, f"5 MB of digits in #{field}")
    # Ordinary Calcs after it give their results, the first with the long text still in the field
    # the second reads: a number followed by 5 MB of other characters is read by its number.
    page.calculate(case, problems)
    for result in shown:
        page.js("document.getElementById(arguments[0]).dataset.text = ''", result)
    paste(page, field, given[field], "\u00e9", LONG_PASTE_CHARACTERS)
    page.click(control)
    page.wait(lambda: all(page.value(c) == t for c, t in shown.items()))
    expect(problems, {c: page.value(c) for c in shown}, shown,
           f"{given[field]} and 5 MB of letters in #{field}")
    # The entry keeps the beginning of the pasted text only: the history is stored as ever.
    stored = page.js("return localStorage.getItem('tallies.history') || ''")
    if len(stored) > 64 * 1024:
        problems.append(f"the history holds {len(stored)} characters after the paste")
    page.calculate(case, problems)
    faults = [entry["message"][:160] for entry in page.d.get_log("browser")
              if "RuntimeError" in entry["message"] or "out of bounds" in entry["message"]]
    if faults:
        problems.append(f"{len(faults)} faults in the browser's console, the first: {faults[0]}")


# Digits of other scripts and the invisible marks a phone keyboard or a paste leaves in a field
# read as the number they show: the worked examples of the first page's calculators typed in
# Arabic-Indic digits behind a right-to-left mark, Devanagari digits behind a left-to-right mark,
# and full-width digits.
SCRIPTS = [("\u0660", "\u200f"), ("\u0966", "\u200e"), ("\uff10", "")]


def in_script(text, zero, mark):
    return mark + "".join(chr(ord(zero) + int(c)) if c.isdigit() else c for c in text)


def check_other_scripts(page, problems):
    page.load()
    cases = examples(page.model(), calculators=lambda c: c["kind"] == "formula")
    for (control, given, shown, fault), (zero, mark) in zip(cases, SCRIPTS):
        page.calculate((control, {c: in_script(t, zero, mark) for c, t in given.items()}, shown,
                        fault), problems, typed=True)


# What a copy command copies from the focused result with this much of its text selected (-1:
# nothing); the page answers it as the module says.
COPY_JS = """const e = document.getElementById(arguments[0]); e.focus();
const selection = getSelection(); selection.removeAllRanges();
if (arguments[1] >= 0) { const range = document.createRange();
  const text = e.querySelector('[aria-hidden]')?.firstChild ?? e.firstChild;
  range.setStart(text, 0); range.setEnd(text, arguments[1]); selection.addRange(range); }
const data = new DataTransfer();
e.dispatchEvent(new ClipboardEvent('copy', {clipboardData: data, bubbles: true, cancelable: true}));
return [data.getData('text/plain'), e.scrollWidth <= e.clientWidth];"""


def check_long_result(page, problems):
    """A result too long for its label, as a fault-free extreme input gives one: drawn shortened
    and fitting, read whole by a screen reader, copied whole; a result shown whole copies what
    of it is selected."""
    page.load()
    control, given, shown, _ = first_example(page.model(), "Command28")
    result = next(iter(shown))
    field = next(iter(given))
    page.go_to(control)
    page.fill({field: "-1E300"})
    page.click(control)
    page.wait(lambda: page.value(result))
    whole = page.value(result)
    drawn, read = page.js(RESULT_TEXTS_JS, result)
    if "…" not in drawn or drawn == whole:
        problems.append(f"#{result} draws {drawn!r} for {whole!r}, not shortened")
    expect(problems, read, whole, f"#{result} as a screen reader reads it")
    for selected in (-1, 3):
        expect(problems, page.js(COPY_JS, result, selected), [whole, True],
               f"#{result} shortened, {selected} characters selected: [copied, fits]")
    page.calculate(first_example(page.model(), control), problems)
    expect(problems, page.js(COPY_JS, result, 2), [shown[result][:2], True],
           f"#{result} whole, 2 characters selected: [copied, fits]")
    expect(problems, page.js(COPY_JS, result, -1), [shown[result], True],
           f"#{result} whole, nothing selected: [copied, fits]")


# Every caption of the model as the page draws it: its text as the model gives it, blanks
# included (innerText follows the drawn white space), and all of it in sight.
CAPTIONS_JS = """
const model = arguments[0];
return model.controls.filter(c => c.kind === 'caption').map(c => [c, document.getElementById(c.name)])
  .filter(([c, e]) => e && e.getClientRects().length)
  .map(([c, e]) => [c.name, e.innerText === c.text,
                    e.scrollWidth <= e.clientWidth && e.scrollHeight <= e.clientHeight + 1]);
"""


def check_captions_whole(page, problems):
    page.load()
    model = page.model()
    seen = {}
    for tab_set, tab in ALL_PAGES:
        page.show(tab_set, tab)
        for name, same_text, whole in page.js(CAPTIONS_JS, model):
            seen[name] = (same_text, whole)
    problems += [f"#{name} shows other blanks than its caption" for name, (same, _) in seen.items()
                 if not same]
    problems += [f"#{name} is not whole in sight" for name, (_, whole) in seen.items() if not whole]
    if len(seen) < 50:
        problems.append(f"only {len(seen)} captions found")


# The downloads and the printing a check catches instead of the browser: the last Blob made into
# an address, the name it was downloaded as, and the print container's text when printing began.
CATCH_OUTPUT_JS = """window.caught = {};
URL.createObjectURL = (blob) => { window.caught.blob = blob; return 'blob:caught'; };
HTMLAnchorElement.prototype.click = function () { window.caught.download = this.download; };
window.print = () => { window.caught.printed = true; };
Clipboard.prototype.writeText = function (text) { window.caught.copied = text; return Promise.resolve(); };"""
# What a fragment may change: every field's and list's value, the view and tabs shown, and the
# number of elements of the page (a fragment inserts none).
PAGE_STATE_JS = """return [[...document.querySelectorAll('input.field, select.list')].map(e => e.value),
    [...document.querySelectorAll('[role=tab][aria-selected=true], input[type=radio]:checked')]
        .map(e => e.id), document.getElementsByTagName('*').length];"""
HP_SUMMARY = "Pump horsepower: Horsepower Required 8.751458 hp"


def check_history(page, problems):
    """A Calc recorded and shown in the History window, each of its buttons once, the history
    kept over a reload, and links to a calculation in the address: the desktop's, and hostile
    ones, which never insert an element."""
    def newest():
        return page.js("const o = document.getElementById('lstEntries').options[0];"
                       "return o ? [o.value, o.text] : [null, ''];")

    page.load()
    page.go_to("txtGPM")
    page.fill({"txtGPM": "10", "txtPSI": "1500"})
    # Two entries: one to delete, one to clear.
    page.click("cmdHP")
    page.click("cmdHP")
    page.click("cmdHistory")
    page.wait(lambda: page.is_open("frmHistory"), "#frmHistory[open]")
    entry, line = newest()
    expect(problems, line.endswith(HP_SUMMARY), True, f"the newest entry's line {line!r}")
    shown = page.js("return document.getElementById('txtEntry').value")
    formula = next(c["formula"] for c in page.model()["controls"] if c["name"] == "cmdHP")
    for part in ("10", "1500", "8.751458", formula):
        expect(problems, part in shown, True, f"the entry's text holds {part!r}")
    page.js("document.getElementById('txtGPM').value = '3'")
    page.click("cmdRecall")
    expect(problems, [page.is_open("frmHistory"), page.value("txtGPM"),
                      page.js("return document.activeElement.id")],
           [False, "10", "cmdHP"], "after Recall: [History open, #txtGPM, focus]")
    # Kept over a reload, and shown again by its key.
    page.load()
    ActionChains(page.d).key_down(Keys.CONTROL).send_keys("h").key_up(Keys.CONTROL).perform()
    page.wait(lambda: page.is_open("frmHistory"), "#frmHistory[open] after Ctrl+H")
    expect(problems, newest(), [entry, line], "the newest entry after a reload")
    page.js(CATCH_OUTPUT_JS)
    page.click("cmdExport")
    page.d.set_script_timeout(20)
    csv = page.d.execute_async_script("const done = arguments[arguments.length - 1];"
                                      "window.caught.blob.text().then(done)")
    expect(problems, [page.js("return [window.caught.download, window.caught.blob.type]")],
           [["tallies-history.csv", "text/csv;charset=utf-8"]], "the CSV's [name, type]")
    expect(problems, any(",result," in row and "Horsepower Required" in row and "8.751458" in row
                         for row in csv.split("\r\n")), True, "the CSV holds the result's row")
    page.click("cmdPrint")
    page.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": "print"})
    try:
        printed = page.js("return [window.caught.printed, document.body.innerText, "
                          "!!document.getElementById('frmMain').getClientRects().length]")
    finally:
        page.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"media": ""})
    expect(problems, [printed[0], "Pump horsepower" in printed[1], "8.751458" in printed[1],
                      printed[2]], [True, True, True, False],
           "printed: [print asked, the entry's name, its result, the window shown]")
    link = "calc=cmdHP&units=us&txtGPM=10&txtPSI=1500"
    for button, part in (("cmdCopy", HP_SUMMARY.split(":")[0]), ("cmdCopyTable", "| Quantity |"),
                         ("cmdCopyLink", f"{page.url}#{link}")):
        page.js("window.caught.copied = ''")
        page.click(button)
        page.wait(lambda: page.js("return window.caught.copied"), f"a copy by #{button}")
        copied = page.js("return window.caught.copied")
        expect(problems, part in copied and "8.751458" in copied or copied == part, True,
               f"#{button} copied {copied[:80]!r}")
    page.click("cmdDelete")
    expect(problems, page.js("return [...document.getElementById('lstEntries').options]"
                             ".some(o => o.value === arguments[0])", entry), False,
           "the entry after Delete")
    history = page.model()["history"]
    for answer, entries_left in (("confirm-no", True), ("confirm-yes", False)):
        page.click("cmdClear")
        page.wait(lambda: page.is_open("confirm"), "#confirm[open]")
        expect(problems, page.el("confirm-text").text, history["clearQuestion"], "#confirm's text")
        # The answer is acted on in the dialog's close event, which comes after the click.
        page.js("window.closedConfirm = false; document.getElementById('confirm').addEventListener("
                "'close', () => setTimeout(() => { window.closedConfirm = true; }), {once: true})")
        page.click(answer)
        page.wait(lambda: page.js("return window.closedConfirm"), f"#confirm closed by #{answer}")
        left = page.js("return document.getElementById('lstEntries').options.length")
        expect(problems, bool(left), entries_left, f"entries left after Clear all, #{answer}")
    expect(problems, [page.js("return document.getElementById('txtEntry').value"),
                      "\nend\n" in page.js("return localStorage.getItem('tallies.history')")],
           [history["emptyText"], False], "after Clear all: [the text shown, an entry stored]")
    page.press(Keys.ESCAPE)
    expect(problems, page.is_open("frmHistory"), False, "#frmHistory open after Esc")
    # A stored text that is no history is kept aside, never written over, and told of once.
    damaged = "Tallies history 9\n<b>not ours</b>"
    page.js("localStorage.setItem('tallies.history', arguments[0])", damaged)
    for reload, told in ((1, True), (2, False)):
        page.load()
        aside = page.js("return Object.keys(localStorage).filter(key => key.startsWith("
                        "'tallies.history-') && localStorage.getItem(key) === arguments[0])", damaged)
        # Told as the page starts, before it is ready.
        opened = page.is_open("message")
        text = page.el("message-text").text if opened else ""
        expect(problems, [len(aside), bool(opened), bool(aside) and aside[0] in text],
               [1, told, told], f"reload {reload} over a damaged history: [texts kept aside, "
               "told, of its key]")
        if opened:
            page.click("message-ok")
    page.js("Object.keys(localStorage).filter(key => key.startsWith('tallies.history-'))"
            ".forEach(key => localStorage.removeItem(key))")

    # The link the desktop copies opens that calculator's page with its inputs.
    page.d.get("about:blank")
    page.load(page.url + "#calc=cmdHP&units=us&txtGPM=10&txtPSI=1500")
    expect(problems, [page.js("return !!document.getElementById('cmdHP').getClientRects().length"),
                      page.value("txtGPM"), page.value("txtPSI")], [True, "10", "1500"],
           "the link: [cmdHP shown, #txtGPM, #txtPSI]")
    # A hostile fragment fills a field with its text only, or changes nothing.
    hostile = [("#calc=cmdHP&txtGPM=%3Cimg%20src=x%20onerror=alert(1)%3E",
                "<img src=x onerror=alert(1)>"),
               ("#calc=cmdHP&txtGPM=%zz", None), ("#calc=cmdHP&txtGPM=" + "1" * 1048576, None)]
    for fragment, typed in hostile:
        before = page.js(PAGE_STATE_JS)
        page.js("document.getElementById('announce').textContent = '';"
                "location.hash = arguments[0]", fragment)
        if typed is None:
            page.wait(lambda: page.js("return document.getElementById('announce').textContent"),
                      f"a word on {fragment[:30]}")
        else:
            page.wait(lambda: page.value("txtGPM") == typed, f"#txtGPM filled by {fragment[:30]}")
            before[0][page.js("return [...document.querySelectorAll('input.field, select.list')]"
                              ".findIndex(e => e.id === 'txtGPM')")] = typed
        expect(problems, page.js(PAGE_STATE_JS), before, f"the page after {fragment[:40]}")
    # Every later command of the driver would carry the megabyte of address.
    page.js("history.replaceState(null, '', location.pathname)")


class SlowModule(SiteServer.Handler):
    """Serves the site with the module's code held back a while, as a slow network does."""

    def do_GET(self):
        if self.path.startswith("/tallies_core.wasm"):
            time.sleep(1.5)
        super().do_GET()


def check_history_at_its_limit(page, problems):
    """With the history full, each Calc takes out the oldest entry and adds its own, in the
    stored text too: the module answers only those two entries, and the page makes the text."""
    page.load()
    page.js("localStorage.removeItem('tallies.history')")
    page.go_to("txtGPM")
    page.fill({"txtGPM": "10", "txtPSI": "1500"})
    page.click("cmdHP")
    # A full history of that entry under other ids, oldest first.
    page.js("""const head = 'Tallies history 1\\n';
        const block = localStorage.getItem('tallies.history').slice(head.length);
        const blocks = Array.from({length: 1000}, (_, i) =>
            block.replace(/^\\nid\\t[^\\n]*/, `\\nid\\told-${i}`));
        localStorage.setItem('tallies.history', head + blocks.join(''));""")
    page.load()
    page.fill({"txtGPM": "10", "txtPSI": "1500"})
    for _ in range(3):
        page.click("cmdHP")
    ids = page.js("return [...localStorage.getItem('tallies.history')"
                  ".matchAll(/\\nid\\t([^\\n]*)/g)].map(m => m[1])")
    expect(problems, [len(ids), ids[:2], all(not i.startswith("old-") for i in ids[-3:])],
           [1000, ["old-3", "old-4"], True], "stored after three Calcs: [entries, oldest, newest"
           " three are the Calcs']")
    page.load()
    page.click("cmdHistory")
    page.wait(lambda: page.is_open("frmHistory"), "#frmHistory[open]")
    expect(problems, [page.is_open("message"),
                      page.js("return document.getElementById('lstEntries').options.length")],
           [False, 1000], "the stored text read back: [a message, entries listed]")
    page.js("localStorage.removeItem('tallies.history')")


class UntypedModule(SiteServer.Handler):
    """Serves the module's code without its type, as some hosts do."""
    extensions_map = {**SiteServer.Handler.extensions_map, ".wasm": "application/octet-stream"}


def check_drawn_before_module(page, problems):
    """While the module is on its way the window is drawn from the model document, which is the
    module's own; a Calc clicked then waits for the module and gives its result."""
    model = page.model()
    control, given, shown, _ = first_example(model, "cmdHP")
    slow = SiteServer(page.site, SlowModule)
    try:
        page.d.get(slow.url)
        page.wait(lambda: page.js("return document.documentElement.dataset.state") == "drawn",
                  'html[data-state="drawn"]', timeout=10)
        page.put(given)
        page.click(control)
        expect(problems, [page.js("return document.getElementById('frmMain').ariaBusy"),
                          page.value(next(iter(shown)))],
               ["true", None], "before the module is ready: [#frmMain aria-busy, the result]")
        page.wait(lambda: page.js("return document.documentElement.dataset.state") == "ready",
                  'html[data-state="ready"]', timeout=20)
        page.wait(lambda: page.value(next(iter(shown))) == next(iter(shown.values())))
        expect(problems, page.value(next(iter(shown))), next(iter(shown.values())),
               "the result of the Calc clicked before the module was ready")
        expect(problems, page.js("return JSON.parse(document.getElementById('model').text)") == model,
               True, "the model in the page is the module's model")
    finally:
        slow.stop()
    untyped = SiteServer(page.site, UntypedModule)
    try:
        page.load(untyped.url)
        page.calculate((control, given, shown, None), problems)
    finally:
        untyped.stop()


# What a phone user would find wrong on the page as it is shown, an open dialog included:
# sideways scrolling, a text under 16 CSS px, a target under 44 x 44 (a radio's target is its
# label), a positive tabindex.
PHONE_FAULTS_JS = """const seen = (e) => e.getClientRects().length && getComputedStyle(e).visibility !== 'hidden';
const name = (e) => e.id || `${e.tagName} ${e.textContent.trim().slice(0, 30)}`;
const faults = [];
const root = document.documentElement;
if (root.scrollWidth > root.clientWidth) faults.push(`scrolls sideways: ${root.scrollWidth}`);
const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
for (let t = walker.nextNode(); t; t = walker.nextNode()) {
  const e = t.parentElement;
  if (t.textContent.trim() && seen(e) && !e.closest('.visually-hidden')
      && parseFloat(getComputedStyle(e).fontSize) < 16)
    faults.push(`${name(e)}: ${getComputedStyle(e).fontSize}`);
}
for (const e of document.querySelectorAll(
    'button, input:not([type=radio]), select, a, summary, [role=tab], label.option')) {
  const r = e.getBoundingClientRect();
  if (seen(e) && (r.width < 44 || r.height < 44))
    faults.push(`${name(e)}: ${Math.round(r.width)} x ${Math.round(r.height)}`);
}
document.querySelectorAll('[tabindex]').forEach(e => e.tabIndex > 0 && faults.push(`${name(e)}: tabindex`));
return faults;"""


def check_phone_layout(page, problems):
    """At 360 x 740 the page is the phone layout: every page of it, the About box and the History
    window readable and every target easy to touch; the Tab key follows the reading order; the worked examples and faults come
    out as in the window; the switch to the window and back is kept over a reload."""
    page.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
    try:
        page.load()
        model = page.model()
        expect(problems, page.js("return document.documentElement.className"), "phone", "html class")
        for tab_set, captions in TAB_CAPTIONS.items():
            for tab in range(len(captions)):
                page.show(tab_set, tab)
                for fault in page.js(PHONE_FAULTS_JS):
                    problems.append(f"{tab_set} tab {tab}: {fault}")
        for button, dialog, close in (("cmdAbout", "frmAbout", "cmdOK"),
                                      ("cmdHistory", "frmHistory", "cmdCloseHistory")):
            page.click(button)
            page.wait(lambda: page.is_open(dialog), f"#{dialog}[open]")
            problems.extend(f"#{dialog}: {fault}" for fault in page.js(PHONE_FAULTS_JS))
            page.click(close)
        page.go(H, 0)
        page.el("txtGPM").click()
        order = []
        for _ in range(3):
            page.press(Keys.TAB)
            order.append(page.js("return document.activeElement.id"))
        expect(problems, order, ["txtPSI", "cmdHP", "lblHP"], "Tab from #txtGPM")
        for case in first_of_each(examples(model)) + first_of_each(examples(model, fault=True)):
            page.calculate(case, problems)
        units = lambda: page.js("return document.getElementById('lblHP').nextElementSibling"
                                "?.textContent")
        expect(problems, units(), "hp", "the unit beside #lblHP")
        page.put({"cboUnits": "Metric"})
        expect(problems, units(), "kW", "the unit beside #lblHP in metric units")
        page.put({"cboUnits": "US"})
        for reload, layout in ((False, ""), (True, ""), (False, "phone"), (True, "phone")):
            if not reload:
                page.click("layout-switch")
            else:
                page.load()
            expect(problems, [page.js("return document.documentElement.className"),
                              page.el("layout-switch").text],
                   [layout, "Phone layout" if not layout else "Window layout"],
                   f"{'after a reload' if reload else 'after the switch'}: [html class, switch]")
    finally:
        page.js("localStorage.removeItem('tallies.layout'); localStorage.removeItem(arguments[0])",
                SETTINGS_KEY)
        page.d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


CHECKS = [check_captions_whole, check_calculations, check_units, check_tabs_and_views, check_fault_report, check_decimal_comma,
          check_about_box, check_keyboard, check_accessible_names, check_contrast_and_width,
          check_offline_reload, check_long_paste, check_other_scripts, check_long_result,
          check_history, check_history_at_its_limit, check_phone_layout, check_drawn_before_module]


def main():
    if len(sys.argv) != 2 or not (Path(sys.argv[1]) / "index.html").is_file():
        sys.exit("usage: browser_test.py SITE_FOLDER (a folder holding index.html)")
    server, browser = SiteServer(sys.argv[1]), Browser()
    page = Page(browser.driver, server.url)
    page.site = sys.argv[1]
    failed = 0
    try:
        for check in CHECKS:
            problems, started = [], time.monotonic()
            try:
                check(page, problems)
            except Exception as error:  # one check's breakage must not hide the others
                problems.append(f"stopped: {first_line(error)}")
            failed += bool(problems)
            print(f"{'FAIL' if problems else 'ok':4} {check.__name__} "
                  f"({time.monotonic() - started:.1f} s)")
            for problem in problems:
                print(f"       {problem}")
    finally:
        browser.quit()
        server.stop()
    print(f"{len(CHECKS) - failed} passed, {failed} failed")
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
