// A tab set: rows of tabs above a frame, and one panel per tab. The panels are placed over the
// set by the window, each where its first control comes in the keyboard order.
import { element, place } from "./elements.js";

const tabId = (set, tab) => `${set}-tab-${tab}`;

export class TabSet {
  // `node` is the set's element, placed at `rect`; `label` names its rows of tabs.
  constructor(layout, node, rect, label) {
    Object.assign(this, { layout, node, tabs: [], rows: [], panels: [], current: 0, shown: true });
    // The set's own background is the frame's; the strip shows what lies behind it.
    node.classList.remove("bg-default", "bg-window");
    const strip = element("div", "strip");
    const frame = element("div", `frame bg-${layout.background}`);
    node.append(strip, frame);
    const { captions, tabsPerRow } = layout;
    const rows = Math.ceil(captions.length / tabsPerRow);
    // The frame starts below the rows of tabs, each tall enough for two lines of caption.
    frame.style.top = `calc(${rows} * var(--tab-height) - 1px)`;
    captions.forEach((caption, i) => {
      if (i % tabsPerRow === 0) {
        this.rows.push(element("div", "", { role: "tablist", "aria-label": label }));
        strip.append(this.rows.at(-1));
      }
      const tab = element("button", "", {
        role: "tab", id: tabId(layout.name, i), type: "button", "aria-selected": "false",
        "aria-controls": `${layout.name}-panel-${i}`, tabindex: "-1",
      }, caption);
      tab.addEventListener("click", () => this.select(i, false));
      tab.addEventListener("keydown", (event) => this.key(i, event));
      this.rows.at(-1).append(tab);
      this.tabs.push(tab);
      const panel = element("div", "", {
        role: "tabpanel", id: `${layout.name}-panel-${i}`, "aria-labelledby": tabId(layout.name, i),
      });
      place(panel, rect);
      this.panels.push(panel);
    });
    this.select(0, false);
  }

  // The panel of a tab, placed beside the set the first time it is asked for.
  panel(tab) {
    const panel = this.panels[tab];
    if (!panel.isConnected) this.node.parentNode.append(panel);
    return panel;
  }

  // The set is one stop of the keyboard order: its current tab, the only one with tabindex 0.
  select(index, focus) {
    this.current = index;
    this.tabs.forEach((tab, i) => {
      tab.setAttribute("aria-selected", String(i === index));
      tab.tabIndex = i === index ? 0 : -1;
      this.panels[i].hidden = !this.shown || i !== index;
    });
    const perRow = this.layout.tabsPerRow;
    this.rows.forEach((row, r) => row.classList.toggle("current", r === Math.floor(index / perRow)));
    if (focus) this.tabs[index].focus();
  }

  // A view shows its set and hides the others.
  show(shown) {
    this.shown = shown;
    this.node.hidden = !shown;
    this.select(this.current, false);
  }

  // Arrows move within a row of tabs (wrapping round), up and down to the next row, Home and
  // End to the row's ends; each move selects the tab it reaches.
  key(index, event) {
    const perRow = this.layout.tabsPerRow;
    const count = this.tabs.length;
    const rowStart = Math.floor(index / perRow) * perRow;
    const rowEnd = Math.min(rowStart + perRow, count) - 1;
    const next = {
      ArrowRight: index === rowEnd ? rowStart : index + 1,
      ArrowLeft: index === rowStart ? rowEnd : index - 1,
      Home: rowStart,
      End: rowEnd,
      ArrowDown: Math.min(index + perRow, count - 1),
      ArrowUp: index - perRow >= 0 ? index - perRow : index,
    }[event.key];
    if (next === undefined) return;
    event.preventDefault();
    this.select(next, true);
  }
}
