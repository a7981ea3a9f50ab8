// The main window, built from the window model the module exports; clicks go to the module's
// calculators and their answers are shown.
import { byId, element, keep, place, stored } from "./elements.js";
import { AboutBox, messageBox } from "./dialogs.js";
import { HistoryWindow } from "./history.js";
import { PhoneLayout } from "./phone_layout.js";
import { showResult } from "./results.js";
import { TabSet } from "./tab_sets.js";

// The decimal separator of the browser's language ("." for a language it cannot format):
// results are written with it, and fields are read with it as well as with ".".
function decimalSeparator() {
  try {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    return parts.find((part) => part.type === "decimal")?.value ?? ".";
  } catch (error) {
    return ".";
  }
}

// The settings kept between visits, the same text the desktop keeps in its settings file: the
// module reads it and writes it. Where the browser keeps nothing for the page, the page works
// on, and starts in US units.
const SETTINGS_KEY = "tallies.settings";
const storedSettings = () => stored(SETTINGS_KEY);
const storeSettings = (text) => keep(SETTINGS_KEY, text);

export class MainWindow {
  // Built before the module is ready: `ready` gives the window the module's entry points.
  constructor(model) {
    Object.assign(this, { call: null, model, root: byId("frmMain"), tabSets: new Map(), nodes: new Map() });
    this.byName = new Map(model.controls.map((control) => [control.name, control]));
    // The control each caption names, where one does, in the main window and the History window.
    this.named = new Map([...model.controls, ...model.history.controls].filter((c) => c.caption)
      .map((c) => [c.caption, c]));
    // The units the window speaks: the units list's entry, as the model starts it.
    this.units = model.controls.find((c) => c.action === "units")?.text;
  }

  build() {
    const { model, root } = this;
    // Asked before the controls exist, the width costs the browser no layout of them.
    const viewportWidth = document.documentElement.clientWidth;
    place(root, [0, 0, ...model.size]);
    root.setAttribute("aria-label", model.title);
    root.setAttribute("aria-busy", "true");
    document.title = model.title;
    const style = document.documentElement.style;
    // The designed colours; the dark scheme puts its own in their place (tallies.css).
    Object.entries(model.colours).forEach(([key, colour]) =>
      style.setProperty(`--designed-${key}`, colour));
    for (const control of model.controls) this.buildControl(control);
    this.showView(model.views[0]);
    this.phone = new PhoneLayout(this);
    if (!this.phone.apply()) this.arrangeWindow();
    this.fit(viewportWidth);
    window.addEventListener("resize", () => this.fit());
  }

  // The About box and the History window, closed at the start, are built once the window is on
  // the screen, or as soon as one is asked for: the first paint waits for the window alone.
  buildDialogs() {
    this.about ??= new AboutBox(this, this.model.about);
    this.history ??= new HistoryWindow(this, this.model.history);
  }

  // The module is ready: `call` calls one of its entry points with texts and answers its text.
  // The window takes the units kept from the last visit (converting what was typed meanwhile)
  // and the stored history, and does the last thing asked of it while it waited.
  // With nothing kept, the window stays as drawn: in US units, with no history to read.
  ready(call) {
    this.buildDialogs();
    this.call = call;
    if (storedSettings()) {
      if ([...this.root.querySelectorAll("input.field")].some((field) => field.value)) {
        this.handOver(null);
      }
      this.useStoredUnits();
    }
    // The history as stored, read now so that a text that cannot be read is kept aside and the
    // user told at once.
    if (this.history.store.text()) this.history.load();
    this.root.removeAttribute("aria-busy");
    const waiting = this.waiting;
    this.waiting = null;
    waiting?.();
  }

  // Does what needs the module now, or, while it loads, once it is ready (the last thing asked).
  whenReady(action) {
    if (this.call) action();
    else this.waiting = action;
  }

  // The controls that take the focus go into the window and its pages in the keyboard order,
  // each page where its first control comes, so the order of the elements is the order of the
  // Tab key. Captions and pictures go first in their page, read before what they name.
  arrangeWindow() {
    const { model, root } = this;
    root.replaceChildren();
    for (const set of this.tabSets.values()) set.panels.forEach((panel) => panel.remove());
    for (const name of model.focusOrder) {
      const control = this.byName.get(name);
      this.container(control).append(this.nodes.get(name));
    }
    const before = new Map();
    for (const control of model.controls.filter((c) => !c.focus)) {
      const box = this.container(control);
      before.set(box, [...(before.get(box) || []), this.nodes.get(control.name)]);
    }
    before.forEach((nodes, box) => box.prepend(...nodes));
  }

  // The window, or the panel of the tab that holds the control.
  container(control) {
    return control.parent === "frmMain" ? this.root
      : this.tabSets.get(control.parent).panel(control.tab);
  }

  buildControl(control) {
    let node;
    switch (control.kind) {
      case "result":
        // Not a live region of its own: the announcement after a Calc says the new results once.
        node = element("output", "result", { tabindex: "0", "aria-live": "off" });
        break;
      case "field":
        // A phone shows its keyboard for numbers.
        node = element("input", "field", {
          type: "text", inputmode: "decimal", autocomplete: "off", spellcheck: "false",
        });
        break;
      case "button":
        node = element("button", "button", { type: "button" }, control.text);
        node.addEventListener("click", () => this.run(control, node));
        // The History button's key (Alt and its letter) shows the history, as on the desktop; the
        // Calc buttons, which share their letter, have none.
        if (control.action === "history" && control.accessKey) {
          node.setAttribute("accesskey", control.accessKey.toLowerCase());
        }
        break;
      case "entrylist":
        // A list box: its entries in rows, one chosen.
        node = element("select", "entrylist", { size: "10" });
        break;
      case "textview":
        node = element("textarea", "textview", { readonly: "", spellcheck: "false", wrap: "off" });
        break;
      case "list":
        node = element("select", "list");
        node.append(...control.entries.map((e) => new Option(e, e, false, e === control.text)));
        if (control.typedText) {
          // The list's text first, chosen and not to be chosen again, as a prompt.
          node.prepend(new Option(control.text, "", true, true));
          node.options[0].disabled = true;
        }
        node.addEventListener("change", () =>
          control.action === "units" ? this.chooseUnits(node) : this.run(control, node));
        break;
      case "picture":
        // A picture out of sight at the start (on a tab behind, in a closed dialog) is fetched
        // when it comes into sight: each drawing is a document of its own for the browser to make.
        node = element("div", `picture ${control.fit}`);
        node.append(element("img", "", {
          src: control.picture, alt: control.description,
          loading: control.parent === "frmMain" ? "eager" : "lazy",
        }));
        break;
      case "link":
        node = element("a", "link", { href: this.model.siteUrl, target: "_blank", rel: "noopener" },
          control.text);
        break;
      case "option": {
        node = element("label", "option");
        const input = element("input", "", { type: "radio", name: "view", id: control.name });
        const view = this.model.views.find((v) => v.option === control.name);
        input.addEventListener("change", () => { if (input.checked) this.showView(view); });
        node.append(input, control.text);
        break;
      }
      case "caption": {
        // A caption with an access key is the label of the control it names: the key (Alt and
        // the letter) and a click on it take the focus there, as its buddy does on the desktop.
        const names = control.accessKey && this.named.get(control.name);
        node = element(names ? "label" : "div", control.kind, {}, control.text);
        if (names) {
          node.htmlFor = names.name;
          node.setAttribute("accesskey", control.accessKey.toLowerCase());
        }
        break;
      }
      default:
        node = element("div", control.kind, {}, "");
    }
    node.classList.add("control", `bg-${control.background}`);
    if (control.wraps) node.classList.add("wraps");
    if (control.kind !== "option") node.id = control.name;
    if (control.formula) node.title = control.formula;
    // Each field, list and result is named by the caption that names it on the desktop.
    if (control.caption) node.setAttribute("aria-labelledby", control.caption);
    place(node, control.rect);
    this.nodes.set(control.name, node);
    if (control.kind === "tabset") {
      const layout = this.model.tabSets.find((set) => set.name === control.name);
      this.tabSets.set(control.name, new TabSet(layout, node, control.rect, this.tabSetLabel(layout)));
    }
    return node;
  }

  // A tab set is named by the view that shows it, a nested one by the tab that holds it.
  tabSetLabel(layout) {
    const view = this.model.views.find((v) => v.tabSet === layout.name);
    if (view) return this.byName.get(view.option).text;
    const parent = this.model.tabSets.find((set) => set.name === layout.parent);
    return parent ? parent.captions[layout.parentTab].trim() : layout.name;
  }

  showView(view) {
    this.nodes.get(view.option).querySelector("input").checked = true;
    for (const other of this.model.views) this.tabSets.get(other.tabSet).show(other === view);
  }

  // The browser's decimal separator, asked once the window is drawn, while the module is on its
  // way: its number formats take a moment to load, which neither the drawing nor the first Calc
  // need wait for.
  learnSeparator() {
    this.separator ??= decimalSeparator();
  }

  // The page owns the text of every field and list, and hands all of it to the module with the
  // browser's decimal separator. False, with the module's message shown, when the module could
  // not take a text: what was asked is left undone.
  handOver(source) {
    this.separator ??= decimalSeparator();
    const fields = [...this.root.querySelectorAll("input.field, select.list")].map((field) =>
      ["tallies_type", field.id, field.selectedOptions?.[0].text ?? field.value]);
    for (const call of [["tallies_set_decimal_separator", this.separator], ...fields]) {
      const message = this.call(...call);
      if (message) {
        messageBox.show(message, source);
        return false;
      }
    }
    return true;
  }

  run(control, source) {
    this.buildDialogs();
    if (control.action === "about") return this.about.show();
    if (control.action === "close") return this.about.hide();
    if (!this.call) return this.whenReady(() => this.run(control, source));
    if (control.action === "history") return this.history.show();
    if (control.parent === "frmHistory") return this.history.run(control.action, source);
    if (!["calculate", "sysinfo"].includes(control.action)) return;
    if (!this.handOver(source)) return;
    // A Calc that gives a result is recorded in the history stored now.
    const stored = this.history.store.text();
    const answer = JSON.parse(this.call("tallies_click", control.name, stored));
    if (answer.history) this.history.changed(answer.history, stored);
    for (const write of answer.writes) this.show(write);
    if (answer.message) messageBox.show(answer.message, source);
    if (answer.said) this.announce(answer.said);
    // As on the desktop, the control now describes the new results, then its formula.
    if (answer.description) source.setAttribute("aria-description", answer.description);
  }

  // A choice in the units list: the module switches the fields, results, captions and formulas
  // to them, and the choice is kept for the next visit.
  chooseUnits(list) {
    if (!this.call) return this.whenReady(() => this.chooseUnits(list));
    if (!this.handOver(list)) {
      list.value = this.units;
      return;
    }
    const answer = this.useUnits(this.call("tallies_choose_units", list.value), list);
    if (answer.units) storeSettings(answer.settings);
  }

  // When the module is ready: the units of the kept settings, US when nothing sound is kept.
  useStoredUnits() {
    try {
      this.useUnits(this.call("tallies_use_settings", storedSettings()), null);
    } catch (error) {
      // The window stays as the model built it, in US units: a start never fails on a setting.
    }
  }

  // Shows the module's answer to a switch of units: what it wrote, each Calc button's and gauge
  // list's formula as its tooltip and description, and the units now spoken in the units list.
  useUnits(text, source) {
    const answer = JSON.parse(text);
    for (const write of answer.writes) this.show(write);
    for (const { control, formula } of answer.formulas) {
      const node = byId(control);
      if (!node) continue;
      node.title = formula;
      node.setAttribute("aria-description", formula);
    }
    if (answer.units) this.units = answer.units;
    for (const control of this.model.controls.filter((c) => c.action === "units")) {
      byId(control.name).value = this.units;
    }
    this.phone.showUnits();
    if (answer.message) messageBox.show(answer.message, source);
    return answer;
  }

  // Shows a calculation (an entry recalled, a link opened) as the module placed it: in its units,
  // its view and tabs, its inputs put back, the focus on its Calc button or list. A recall keeps
  // its units for the next visit, as a choice in the units list does; a link does not.
  placeCalculation({ calculator, units, view, tabs, inputs }, keepUnits) {
    if (units !== this.units) {
      if (!this.handOver(null)) return;
      const answer = this.useUnits(this.call("tallies_choose_units", units), null);
      if (keepUnits && answer.units) storeSettings(answer.settings);
    }
    const shown = this.model.views.find((v) => v.option === view);
    if (shown) this.showView(shown);
    for (const [set, tab] of tabs) this.tabSets.get(set)?.select(tab, false);
    for (const [control, text] of inputs) {
      const node = byId(control);
      if (node instanceof HTMLSelectElement) {
        const entry = [...node.options].find((option) => option.text === text && !option.disabled);
        if (entry) node.value = entry.value;
      } else if (node instanceof HTMLInputElement) {
        node.value = text;
        node.setSelectionRange(0, 0);
      }
    }
    byId(calculator)?.focus();
  }

  // A link to a calculation in the page's address ("#calc=cmdHP&units=us&txtGPM=10"): the module
  // reads it, and a good one is shown ready for its Calc. Anything else changes nothing but a
  // short word in the announcement region.
  openLink(fragment) {
    if (!fragment || fragment === "#") return;
    const answer = JSON.parse(this.call("tallies_share", fragment));
    if (answer.found) this.placeCalculation(answer, false);
    else this.announce("This link holds no calculation Tallies can show.");
  }

  show(write) {
    const node = byId(write.control);
    if (!node) return;
    if (node instanceof HTMLInputElement) {
      node.value = write.text;
      node.setSelectionRange(0, 0);
    } else if ("shown" in write) {
      showResult(node, write);
    } else {
      node.textContent = write.text;
    }
  }

  // The polite live region says what a Calc wrote, once; emptied first, so that the same words
  // after the next Calc are said again.
  announce(text) {
    const live = byId("announce");
    live.textContent = "";
    requestAnimationFrame(() => { live.textContent = text; });
  }

  // The window fills the width it is given (no horizontal scrolling on a phone); on a large
  // screen it grows until it fills the height as well. The viewport's width is asked for only
  // where it is used: the phone layout's column fits itself, and asking would make the browser
  // lay the whole column out in the middle of the script.
  fit(viewportWidth) {
    if (this.phone?.shown) {
      byId("frame").style.width = byId("frame").style.height = this.root.style.transform = "";
      this.scale = 1;
      this.about?.fit();
      return;
    }
    const [width, height] = this.model.size;
    const byWidth = (viewportWidth ?? document.documentElement.clientWidth) / width;
    const byHeight = window.innerHeight / height;
    const scale = byWidth < 1 ? byWidth : Math.max(1, Math.min(byWidth, byHeight));
    Object.assign(byId("frame").style, {
      width: `${Math.floor(width * scale)}px`, height: `${Math.floor(height * scale)}px`,
    });
    this.root.style.transform = `scale(${scale})`;
    this.scale = scale;
    this.about?.fit();
  }
}
