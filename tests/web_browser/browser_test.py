#!/usr/bin/env python3
"""The browser front-end in headless Chromium: every calculating control with a worked example
from the calculators' own tests, tabs and views, a fault report, the regional decimal comma, an
offline reload, the About box, the keyboard, screen-reader names, contrast, a narrow screen, a
5 MB paste into a field, and digits of other scripts with invisible marks among them.

Usage: browser_test.py SITE_FOLDER. Prints one line per check and what it found wrong, then
"N passed, N failed"; exits non-zero on any failure.
"""

import functools
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

    def __init__(self, folder):
        handler = functools.partial(self.Handler, directory=str(folder))
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

    def go(self, tab_set, tab):
        """Shows a page as a user would: the view's option, then the tab (and its parent's)."""
        if tab_set == M:
            self.go(G, 2)
        else:
            self.click({H: "optHyd", G: "optGen"}[tab_set])
        self.click(f"{tab_set}-tab-{tab}")

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

    def calculate(self, case, problems, message=None):
        """One worked example: fill, click (a list calculates as it is chosen), compare."""
        control, tab_set, tab, inputs, expected = case
        where = f"{control} ({tab_set} tab {tab})"
        try:
            self.go(tab_set, tab)
            self.fill(inputs)
            if self.el(control).tag_name == "button":
                self.click(control)
        except Exception as error:
            return problems.append(f"{where}: {first_line(error)}")
        if message:
            self.expect_message(message, problems, where)
        self.wait(lambda: all(self.value(c) == t for c, t in expected.items()))
        for result, want in expected.items():
            expect(problems, self.value(result), want, f"{where}: #{result}")
            # A result too wide for its box shows fewer fraction digits and a mark, then the rest.
            shown = self.js("return document.getElementById(arguments[0])?.textContent", result)
            head, _, tail = shown.partition("…") if shown else ("", "", "")
            if self.el(result).tag_name == "output" and shown != want and not (
                    want.startswith(head) and want.endswith(tail) and "…" in shown):
                problems.append(f"{where}: #{result} shows {shown!r} for {want!r}")
        if not message and self.is_open("message"):
            problems.append(f"{where}: a message opened: {self.el('message-text').text!r}")
            self.click("message-ok")


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


def cases(table):
    """Rows 'control page field=text ... -> result=text ...'; the page is H, G or M (the
    hydraulic, general and mass tab sets) and the tab's number; # starts a comment."""
    rows = []
    for line in table.strip().splitlines():
        if line.startswith("#"):
            continue
        control, page, *pairs = line.split()
        arrow = pairs.index("->")
        texts = [dict(pair.split("=", 1) for pair in part) for part in (pairs[:arrow],
                                                                         pairs[arrow + 1:])]
        rows.append((control, {"H": H, "G": G, "M": M}[page[0]], int(page[1:]), *texts))
    return rows


# One worked example per calculating control, from the calculators' tests (tests/hydraulic,
# tests/conversions, tests/gauges). Unit pairs without a written example there convert one
# unit of A, as unit_factors_test does: the result is the factor as the pair table writes it.
CALCULATIONS = cases("""
cmdHP H0 txtGPM=10 txtPSI=1500 -> lblHP=8.751458
cmdArea H1 txtDIA=3 -> lblArea=7.068583 txtArea1=7.068583 txtArea2=7.068583
cmdForce H1 txtArea1=3.141593 txtPSI1=1000 -> lblForce=3141.593
cmdSpeed H1 txtArea2=3.141593 txtGPM1=10 -> lblCylSpeed=1.02114
cmdTR H2 txtTorque= txtHP2=10 txtRPM=1800 -> txtTorque=29.17778 txtHP2=10 txtRPM=1800
Command1 H3 txtIDVel=1 txtGPMVel=10 -> lblVelocity=4.084552
cmdTorqueDisplacement H4 txtDispTor=2 txtPSITor=1000 -> lblTorqueTor=26.52582
cmdForceAngle H5 txtTotalForce=2500 txtAngleAng=60 -> lblForceAng=2165.063
cmdPumpMotorGPM H6 txtW=1 txtD=2 txtL=3.5 txtRPMpump=1800 -> lblGPMpump=17.625 lblCIR=2.25
Command2 G0 txtin1= txtmm1=100 -> txtin1=3.93700787401575 txtmm1=100
Command3 G0 txtin2=1 txtcm= -> txtcm=2.54
Command4 G0 txtin3=1 txtm= -> txtm=0.0254
Command5 G0 txtft= txtm1=24 -> txtft=78.740157480315
Command6 G0 txtyd= txtm2= -> txtyd=0 txtm2=
Command7 G0 txtmi=1 txtkm= -> txtkm=1.609347
Command8 G1 txtcuin=1 txtcum1= -> txtcum1=1.639E-05
Command9 G1 txtcuft=1 txtcum2= -> txtcum2=0.02831685
Command10 G1 txtcuyd=1 txtcum3= -> txtcum3=0.7645549
Command11 G1 txtfloz1= txtml1=100 -> txtfloz1=3.381402
Command12 G1 txtfloz2=1 txtcum5= -> txtcum5=2.957E-05
# Both fields filled: the click clears them.
Command13 G1 txtgal1=1 txt11=2 -> txtgal1= txt11=
Command14 G1 txtgal2=1 txtcum4= -> txtcum4=0.00378541
Command15 G1 txtgal3=1 txtl3= -> txtl3=4.546
Command16 G1 txtgal4=1 txtcum6= -> txtcum6=0.004546
Command17 M0 txtlbwm= txtkgwm=1 -> txtlbwm=2.20462247603796
Command18 M0 txttonwm= txtkgwm2=1000 -> txttonwm=1.102311
Command20 M1 txtklf=1 txtkgm1= -> txtkgm1=1488
Command21 M1 txtplf=1000 txtkgm2= -> txtkgm2=1488
Command22 M2 txtpcf= txtkgcum1=1000 -> txtpcf=62.427974
Command23 M2 txtlbcuyd= txtkgcum2=1 -> txtlbcuyd=1.68548794876117
Command24 G3 txtsqft=1 txtsqm1= -> txtsqm1=0.09290304
Command25 G3 txtsqin=1 txtsqm2= -> txtsqm2=0.00064516
Command26 G3 txtsqyd=1 txtsqm3= -> txtsqm3=0.83612736
Command27 G3 txtac=1 txtha= -> txtha=0.4047
Command28 G4 txtFahrenheit1=212 -> lblCelsius1=100
Command29 G4 txtCelsius1=37 -> lblFahrenheit1=98.6
Command30 G4 txtFahrenheit2=212 -> lblKelvin1=373
Command31 G4 txtKelvin1=0 -> lblFahrenheit2=-459.4
Command32 G4 txtCelsius2=0 -> lblKelvin2=273
Command33 G4 txtKelvin2=0 -> lblCelsius2=-273
Combo1 G5 Combo1=38 -> lblSteelGauge=0.0060
Combo2 G5 Combo2=56 -> lblWireGauge=0.00049
""")

# With a regional comma (the calculators' RegionalComma tests): results are written with it,
# fields accept it, and a point still reads as a separator.
COMMA_CALCULATIONS = cases("""
cmdHP H0 txtGPM=10 txtPSI=1500 -> lblHP=8,751458
cmdTorqueDisplacement H4 txtDispTor=1,5 txtPSITor=2500 -> lblTorqueTor=49,73592
Command2 G0 txtin1=1,5 txtmm1= -> txtmm1=38,1
Command2 G0 txtin1=1.5 txtmm1= -> txtmm1=38,1
""")

# Faults, each after the same control's worked example: results written before the fault stay
# (hydraulic_faults_test; angle_gear_pump_buttons_test writes the flow before the displacement
# overflows).
FAULTS = cases("""
cmdHP H0 txtGPM=1E30 txtPSI=1E30 -> lblHP=8.751458
cmdPumpMotorGPM H6 txtW=1000 txtD=0 txtL=-1E18 txtRPMpump=1 -> lblGPMpump=-1.305556E+37 lblCIR=2.25
""")
FAULT_TEXT = "The calculation stopped: Overflow.\nCheck the values and click Calc again."

# The caption that names each field, list and result (CaptionOf), on some pages.
ACCESSIBLE_NAMES = {
    (H, 0): {"txtGPM": "Gallons Per Minute", "txtPSI": "PSI", "lblHP": "Horsepower Required"},
    (G, 0): {"txtin1": "inch (in)", "txtmm1": "millimeter (mm)", "txtft": "foot (ft)",
             "txtm1": "meter (m)", "txtin2": "inch (in)", "txtcm": "centimeter (cm)",
             "txtyd": "yard (yd)", "txtm2": "meter (m)", "txtin3": "inch (in)",
             "txtm": "meter (m)", "txtmi": "mile (US Statute)", "txtkm": "kilometer (km)"},
    (G, 5): {"Combo1": "Sheet Metal Thickness", "Combo2": "Wire Gauge Thickness",
             "lblSteelGauge": "Sheet Metal Thickness", "lblWireGauge": "Wire Gauge Thickness"},
}

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
    found = page.js("""return [...document.querySelectorAll('button, select')]
        .filter(e => e.tagName === 'SELECT' || e.textContent.trim() === 'Calc').map(e => e.id)""")
    expect(problems, sorted(found), sorted(case[0] for case in CALCULATIONS),
           "Calc buttons and lists on the page")
    for control in ("Combo1", "Combo2"):
        expect(problems, page.js("return document.getElementById(arguments[0])?.options[0]?.text",
                                 control), "Select Gauge", f"#{control}'s first entry")
    for case in CALCULATIONS:
        page.calculate(case, problems)


def check_tabs_and_views(page, problems):
    page.load()
    expect_tab(page, H, 0, problems, "at start")
    expect_view(page, H, problems, "at start")
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


def check_fault_report(page, problems):
    page.load()
    for case in FAULTS:
        page.calculate(next(c for c in CALCULATIONS if c[0] == case[0]), problems)
        page.calculate(case, problems, message=FAULT_TEXT)


def check_decimal_comma(page, problems):
    browser = Browser(lang="de-DE")
    try:
        comma = Page(browser.driver, page.url)
        comma.load()
        language = comma.js("return navigator.language")
        if not language.startswith("de"):
            raise AssertionError(f"the de-DE browser reports navigator.language {language!r}")
        for case in COMMA_CALCULATIONS:
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
    page.fill({"txtGPM": "1714", "txtPSI": "1"})
    page.js("document.getElementById('cmdHP').focus()")
    page.press(Keys.ENTER)
    expect(problems, page.value("lblHP"), "1", "Enter on #cmdHP with the About box open: #lblHP")
    page.click("cmdAbout")
    expect(problems, page.js("return [document.querySelectorAll('#frmAbout').length, "
                             "document.querySelectorAll('dialog[open]').length]"),
           [1, 1], "after a second click on #cmdAbout, [About boxes, open dialogs]")
    page.click("cmdSysInfo")
    page.expect_message("System Information Is Unavailable At This Time", problems, "cmdSysInfo")
    expect(problems, page.is_open("frmAbout"), True, "#frmAbout open after the message")
    page.click("cmdOK")
    expect(problems, page.is_open("frmAbout"), False, "#frmAbout open after #cmdOK")


def check_keyboard(page, problems):
    def active():
        return page.js("return document.activeElement?.id")

    page.load()
    page.click(f"{H}-tab-0")
    expect(problems, active(), f"{H}-tab-0", f"focus after a click on {H}-tab-0")
    order = []
    for _ in range(3):
        page.press(Keys.TAB)
        order.append(active())
    expect(problems, order, ["cmdHP", "txtPSI", "txtGPM"], "Tab from the tab strip goes to")
    page.click(f"{H}-tab-0")
    page.press(Keys.ARROW_RIGHT)
    expect(problems, active(), f"{H}-tab-1", f"focus after Right arrow on {H}-tab-0")
    expect_tab(page, H, 1, problems, "after Right arrow")
    page.press(Keys.ARROW_LEFT)
    expect_tab(page, H, 0, problems, "after Left arrow")
    for key, name, texts, want in [(Keys.ENTER, "Enter", {"txtGPM": "1714", "txtPSI": "1"}, "1"),
                                   (Keys.SPACE, "Space", {"txtGPM": "-10", "txtPSI": "1500"},
                                    "-8.751458")]:
        page.fill(texts)
        page.js("document.getElementById('cmdHP').focus()")
        page.press(key)
        expect(problems, page.value("lblHP"), want, f"{name} on the focused #cmdHP: #lblHP")


def check_accessible_names(page, problems):
    page.load()
    for (tab_set, tab), names in ACCESSIBLE_NAMES.items():
        page.go(tab_set, tab)
        for control, caption in names.items():
            expect(problems, page.el(control).accessible_name, caption, f"#{control}'s name")
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
    page.calculate(CALCULATIONS[0], problems)  # a result to read
    seen = {}
    for scheme in ("light", "dark"):
        page.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [
            {"name": "prefers-color-scheme", "value": scheme}]})
        expect(problems, page.js(f"return matchMedia('(prefers-color-scheme: {scheme})').matches"),
               True, f"{scheme} colour scheme emulated")
        texts = []
        for tab_set, tab in ALL_PAGES:
            page.go(tab_set, tab)
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
            page.go(tab_set, tab)
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
    page.calculate(CALCULATIONS[0], problems)


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
    page.go(H, 0)
    page.fill({"txtPSI": "1500"})
    # Digits all the way: read whole, the number is beyond any Double.
    paste(page, "txtGPM", "", "1", LONG_PASTE_CHARACTERS)
    page.click("cmdHP")
    page.expect_message(FAULT_TEXT, problems, "5 MB of digits in #txtGPM")
    # Ordinary Calcs after it give their results, the first with the long text still in the field
    # the second reads: a number followed by 5 MB of other characters is read by its number.
    page.calculate(CALCULATIONS[0], problems)
    paste(page, "txtGPM", "1714", "\u00e9", LONG_PASTE_CHARACTERS)
    page.fill({"txtPSI": "1"})
    page.click("cmdHP")
    page.wait(lambda: page.value("lblHP") == "1")
    expect(problems, page.value("lblHP"), "1", "1714 and 5 MB of letters in #txtGPM: #lblHP")
    if page.is_open("message"):
        problems.append(f"after a long paste: a message opened: {page.el('message-text').text!r}")
    page.calculate(CALCULATIONS[0], problems)
    faults = [entry["message"][:160] for entry in page.d.get_log("browser")
              if "RuntimeError" in entry["message"] or "out of bounds" in entry["message"]]
    if faults:
        problems.append(f"{len(faults)} faults in the browser's console, the first: {faults[0]}")


# Digits of other scripts and the invisible marks a phone keyboard or a paste leaves in a field
# read as the number they show.
SCRIPT_CALCULATIONS = [
    # Arabic-Indic 1 and 0 with a right-to-left mark between them; Persian 1500.
    ("cmdHP", H, 0, {"txtGPM": "\u0661\u200f\u0660", "txtPSI": "\u06f1\u06f5\u06f0\u06f0"},
     {"lblHP": "8.751458"}),
    # Full-width digits, the Devanagari 3 of the diameter behind a left-to-right mark.
    ("cmdArea", H, 1, {"txtDIA": "\u200e\u0969"},
     {"lblArea": "7.068583", "txtArea1": "7.068583", "txtArea2": "7.068583"}),
    ("Command29", G, 4, {"txtCelsius1": "\uff13\uff17"}, {"lblFahrenheit1": "98.6"}),
]


def check_other_scripts(page, problems):
    page.load()
    for case in SCRIPT_CALCULATIONS:
        page.calculate(case, problems)


CHECKS = [check_calculations, check_tabs_and_views, check_fault_report, check_decimal_comma,
          check_about_box, check_keyboard, check_accessible_names, check_contrast_and_width,
          check_offline_reload, check_long_paste, check_other_scripts]


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
