// The phone layout: on a narrow screen the window's own controls in one column, each calculator
// a section of its own (its title, each field under its caption, the Calc button, the results
// large with their units, the formula on demand), the views and their tabs as rows of buttons
// at the top. It is built from the model's catalogue with the elements the window uses, so every
// field, result and button works as it does in the window; the order of the elements is the
// reading order and the order of the Tab key. A visitor may switch to the window and back; the
// choice is kept.
import { byId, byPlace, element, keep, stored } from "./elements.js";

const LAYOUT_KEY = "tallies.layout";
// Below this width the phone layout is the one shown, unless the window was chosen.
const NARROW = "(max-width: 599.98px)";

export class PhoneLayout {
  constructor(main) {
    this.main = main;
    this.narrow = matchMedia(NARROW);
    this.chosen = stored(LAYOUT_KEY);
    this.switcher = byId("layout-switch");
    this.switcher.addEventListener("click", () => {
      this.chosen = this.shown ? "window" : "phone";
      keep(LAYOUT_KEY, this.chosen);
      this.apply();
    });
    this.narrow.addEventListener("change", () => this.apply());
    // Each result's unit, as the units the window speaks name it.
    this.units = [];
  }

  // Shows the layout the width and the kept choice ask for; answers whether it is this one.
  apply() {
    const shown = this.narrow.matches && this.chosen !== "window";
    this.switcher.textContent = shown ? "Window layout" : "Phone layout";
    if (shown === Boolean(this.shown)) return shown;
    this.shown = shown;
    document.documentElement.classList.toggle("phone", shown);
    if (shown) this.arrange();
    else this.main.arrangeWindow();
    this.main.fit();
    return shown;
  }

  arrange() {
    const { main } = this;
    const { model, root, nodes } = main;
    const controls = model.controls;
    const at = (name) => main.byName.get(name);
    // Every control a calculator reads, shows or is run by, and the captions that name them.
    const owned = new Set();
    for (const calculator of model.calculators) {
      for (const name of [calculator.control, ...calculator.inputs,
        ...calculator.outputs.map((output) => output.control)]) {
        owned.add(name);
        if (at(name).caption) owned.add(at(name).caption);
      }
    }
    this.units = [];
    const page = (set, tab) => {
      const here = (c) => c.parent === set && c.tab === tab;
      const panel = main.tabSets.get(set).panels[tab];
      panel.replaceChildren(
        ...controls.filter((c) => here(c) && !owned.has(c.name) && c.kind !== "tabset")
          .sort(byPlace).map((c) => nodes.get(c.name)),
        ...model.calculators.filter((c) => here(at(c.control))).map((c) => this.section(c)),
        ...controls.filter((c) => here(c) && c.kind === "tabset").flatMap((c) => tabSet(c.name)));
    };
    const tabSet = (name) => {
      const set = main.tabSets.get(name);
      set.panels.forEach((_, tab) => page(name, tab));
      return [set.node, ...set.panels];
    };
    const views = element("div", "views");
    views.append(...model.views.map((view) => nodes.get(view.option)));
    const footer = element("div", "phone-footer");
    footer.append(...controls.filter((c) => c.parent === "frmMain" && !c.focus && c.kind === "caption")
      .flatMap((c) => [nodes.get(c.name), nodes.get(main.named.get(c.name)?.name ?? c.name)]));
    footer.append(...["history", "about", "site"].map((action) =>
      nodes.get(controls.find((c) => c.parent === "frmMain" && c.action === action).name)));
    root.replaceChildren(views, ...model.views.flatMap((view) => tabSet(view.tabSet)), footer);
    this.showUnits();
  }

  // A calculator's section: its title, each field or list under its caption, the button that
  // runs it, each result under its caption with its unit, and its formula when asked for.
  section(calculator) {
    const { nodes, byName } = this.main;
    const title = element("h2", "", { id: `${calculator.control}-title` }, calculator.name);
    const section = element("section", "calculator", { "aria-labelledby": title.id });
    const captioned = (name) => [byName.get(name).caption, name].filter(Boolean)
      .map((control) => nodes.get(control));
    section.append(title, ...calculator.inputs.flatMap(captioned));
    if (!calculator.inputs.includes(calculator.control)) section.append(nodes.get(calculator.control));
    for (const output of calculator.outputs) {
      const line = element("div", "result-line");
      const [caption, result] = captioned(output.control);
      line.append(result);
      if (calculator.kind !== "lookup" && output.unit) {
        const unit = element("span", "unit");
        this.units.push([unit, output]);
        line.append(unit);
      }
      section.append(caption, line);
    }
    const formula = element("details", "formula");
    const text = element("p");
    formula.append(element("summary", "", {}, "Formula"), text);
    formula.addEventListener("toggle", () => {
      text.textContent = nodes.get(calculator.control).title;
    });
    section.append(formula);
    return section;
  }

  // The units beside the results, in the units the window now speaks.
  showUnits() {
    const list = this.main.model.controls.find((c) => c.action === "units");
    const us = this.main.units === list.entries[0];
    for (const [unit, output] of this.units) unit.textContent = us ? output.unit : output.metricUnit;
  }
}
