// The browser window of Tallies: builds the main window and the About box from the window model
// the module exports, and routes the user's clicks to the module's calculators. Text is written
// with textContent and value only, never as markup.
"use strict";

(() => {
  const byId = (id) => document.getElementById(id);
  const tabId = (set, tab) => `${set}-tab-${tab}`;
  const panelId = (set, tab) => `${set}-panel-${tab}`;

  // The decimal separator of the browser's language: results are written with it, and fields
  // are read with it as well as with ".".
  function decimalSeparator() {
    try {
      const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
      const decimal = parts.find((part) => part.type === "decimal");
      return decimal ? decimal.value : ".";
    } catch (error) {
      return ".";
    }
  }

  function element(tag, className, attributes = {}) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
    return made;
  }

  // Calls one of the module's entry points with texts placed on its heap, whatever their
  // length: emscripten's "string" arguments go on the module's small stack, which a long paste
  // overran. A text that finds no room arrives as a null pointer, which the module reports.
  // Answers the entry point's text.
  function callWithTexts(core, name, ...texts) {
    const pointers = texts.map((text) => {
      const size = core.lengthBytesUTF8(text) + 1;
      const pointer = core._malloc(size);
      if (pointer) core.stringToUTF8(text, pointer, size);
      return pointer;
    });
    try {
      return core.UTF8ToString(core[`_${name}`](...pointers));
    } finally {
      for (const pointer of pointers) core._free(pointer);
    }
  }

  function place(node, rect) {
    const [left, top, width, height] = rect;
    Object.assign(node.style, {
      left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
    });
  }

  class Window {
    constructor(core, model) {
      this.core = core;
      this.model = model;
      this.click = (control) => callWithTexts(core, "tallies_click", control);
      // Whether the module took the text; if not, its message is shown.
      this.type = (control, text) =>
        this.accepted(callWithTexts(core, "tallies_type", control, text));
      this.separator = null;  // asked of the browser at the first calculation
      this.tabSets = new Map();   // name -> {layout, tabs: [], panels: [], current}
      this.results = new Map();   // name -> {text, shortened}
      this.byName = new Map(model.controls.map((control) => [control.name, control]));
      this.smallestPoints = model.smallestResultPoints;
    }

    build() {
      const root = byId("frmMain");
      const [width, height] = this.model.size;
      root.style.width = `${width}px`;
      root.style.height = `${height}px`;
      root.setAttribute("aria-label", this.model.title);
      document.title = this.model.title;
      document.documentElement.style.setProperty("--window", this.model.colours.window);
      document.documentElement.style.setProperty("--result", this.model.colours.result);
      document.documentElement.style.setProperty("--link-colour", this.model.colours.link);
      for (const layout of this.model.tabSets) {
        this.tabSets.set(layout.name, { layout, tabs: [], panels: [], rows: [], current: 0 });
      }
      // The elements in the window's keyboard order, so a screen reader reads them in the order
      // the keys move through them; captions and pictures first within their parent.
      const ordered = [...this.model.controls].sort((a, b) =>
        (a.focus ? a.tabOrder : -1) - (b.focus ? b.tabOrder : -1));
      const built = ordered.map((control) => [control, this.buildControl(control)]);
      for (const [control, node] of built) if (control.parent === "frmMain") root.append(node);
      for (const set of this.tabSets.values()) this.buildTabSet(set);
      for (const [control, node] of built) {
        if (control.parent !== "frmMain") this.tabSets.get(control.parent).panels[control.tab].append(node);
      }
      this.nameByCaptions();
      this.showView(this.model.views[0]);
      this.fit();
      window.addEventListener("resize", () => this.fit());
    }

    buildControl(control) {
      let node;
      switch (control.kind) {
        case "caption":
          node = element("div", "caption");
          node.textContent = control.text;
          break;
        case "result":
          node = element("output", "result", { tabindex: control.tabOrder });
          node.dataset.text = "";
          this.results.set(control.name, { text: "", shortened: [] });
          break;
        case "field":
          node = element("input", "field", {
            type: "text", autocomplete: "off", spellcheck: "false", tabindex: control.tabOrder,
          });
          node.addEventListener("input", () => this.type(control.name, node.value));
          break;
        case "button":
          node = element("button", "button", { type: "button", tabindex: control.tabOrder });
          node.textContent = control.text;
          node.addEventListener("click", () => this.run(control, node));
          break;
        case "list": {
          node = element("select", "list", { tabindex: control.tabOrder });
          const prompt = element("option", "", { value: "", disabled: "", selected: "" });
          prompt.textContent = control.text;
          node.append(prompt);
          for (const entry of control.entries) {
            const option = element("option");
            option.textContent = entry;
            node.append(option);
          }
          this.type(control.name, control.text);
          node.addEventListener("change", () => {
            this.type(control.name, node.options[node.selectedIndex].text);
            this.run(control, node);
          });
          break;
        }
        case "picture": {
          node = element("div", `picture ${control.fit}`);
          const image = element("img", "", { src: control.picture, alt: control.description });
          node.append(image);
          break;
        }
        case "link":
          node = element("a", "link", {
            href: this.model.siteUrl, target: "_blank", rel: "noopener", tabindex: control.tabOrder,
          });
          node.textContent = control.text;
          break;
        case "option": {
          node = element("label", "option");
          const input = element("input", "", {
            type: "radio", name: "view", id: control.name, tabindex: control.tabOrder,
          });
          const view = this.model.views.find((v) => v.option === control.name);
          input.addEventListener("change", () => { if (input.checked) this.showView(view); });
          node.append(input, document.createTextNode(control.text));
          break;
        }
        case "tabset":
          node = element("div", "tabset");
          break;
        default:
          node = element("div");
      }
      node.classList.add("control", `bg-${control.background}`);
      if (control.wraps) node.classList.add("wraps");
      if (control.kind !== "option") node.id = control.name;
      if (control.formula) node.title = control.formula;
      place(node, control.rect);
      if (control.kind === "tabset") this.tabSets.get(control.name).node = node;
      return node;
    }

    // A tab set: its rows of tabs, a frame, and one panel per tab.
    buildTabSet(set) {
      const { layout } = set;
      const control = this.byName.get(layout.name);
      const node = set.node;
      node.classList.remove("bg-default", "bg-window");
      node.classList.add(`bg-${layout.background}`);
      const strip = element("div", "strip");
      const frame = element("div", "frame");
      node.append(strip, frame);
      const rows = Math.ceil(layout.captions.length / layout.tabsPerRow);
      // The frame starts below the rows of tabs, each tall enough for two lines of caption.
      frame.style.top = `calc(${rows} * var(--tab-height) - 1px)`;
      for (let r = 0; r < rows; r++) {
        const row = element("div", "", { role: "tablist", "aria-label": this.tabSetLabel(layout) });
        for (let i = r * layout.tabsPerRow;
          i < Math.min((r + 1) * layout.tabsPerRow, layout.captions.length); i++) {
          const tab = element("button", "", {
            role: "tab", id: tabId(layout.name, i), type: "button",
            "aria-controls": panelId(layout.name, i), "aria-selected": "false", tabindex: "-1",
          });
          tab.textContent = layout.captions[i];
          tab.addEventListener("click", () => this.selectTab(set, i, false));
          tab.addEventListener("keydown", (event) => this.tabKey(set, i, event));
          row.append(tab);
          set.tabs.push(tab);
        }
        strip.append(row);
        set.rows.push(row);
      }
      for (let i = 0; i < layout.captions.length; i++) {
        const panel = element("div", "", {
          role: "tabpanel", id: panelId(layout.name, i), "aria-labelledby": tabId(layout.name, i),
        });
        panel.hidden = true;
        node.append(panel);
        set.panels.push(panel);
      }
      set.tabOrder = control ? control.tabOrder : 0;
      this.selectTab(set, 0, false);
    }

    // A tab set is named by the view that shows it, a nested one by the tab that holds it.
    tabSetLabel(layout) {
      const view = this.model.views.find((v) => v.tabSet === layout.name);
      if (view) return this.byName.get(view.option).text;
      const parent = this.model.tabSets.find((set) => set.name === layout.parent);
      return parent ? parent.captions[layout.parentTab].trim() : layout.name;
    }

    selectTab(set, index, focus) {
      set.current = index;
      set.tabs.forEach((tab, i) => {
        const selected = i === index;
        tab.setAttribute("aria-selected", String(selected));
        // The tab set is one stop of the keyboard order: its current tab.
        tab.setAttribute("tabindex", selected ? String(set.tabOrder) : "-1");
        set.panels[i].hidden = !selected;
      });
      const perRow = set.layout.tabsPerRow;
      set.rows.forEach((row, r) => row.classList.toggle("current", r === Math.floor(index / perRow)));
      if (focus) set.tabs[index].focus();
    }

    // Arrows move within a row of tabs (wrapping round), up and down to the next row, Home and
    // End to the row's ends; each move selects the tab it reaches.
    tabKey(set, index, event) {
      const perRow = set.layout.tabsPerRow;
      const count = set.tabs.length;
      const rowStart = Math.floor(index / perRow) * perRow;
      const rowEnd = Math.min(rowStart + perRow, count) - 1;
      let next = -1;
      switch (event.key) {
        case "ArrowRight": next = index === rowEnd ? rowStart : index + 1; break;
        case "ArrowLeft": next = index === rowStart ? rowEnd : index - 1; break;
        case "Home": next = rowStart; break;
        case "End": next = rowEnd; break;
        case "ArrowDown": next = Math.min(index + perRow, count - 1); break;
        case "ArrowUp": next = index - perRow >= 0 ? index - perRow : index; break;
        default: return;
      }
      event.preventDefault();
      this.selectTab(set, next, true);
    }

    showView(view) {
      byId(view.option).checked = true;
      for (const other of this.model.views) {
        this.tabSets.get(other.tabSet).node.hidden = other.tabSet !== view.tabSet;
      }
      // The frame's top is measured once the set is shown.
      const shown = this.tabSets.get(view.tabSet);
      this.selectTab(shown, shown.current, false);
      for (const set of this.tabSets.values()) {
        if (set.layout.parent === view.tabSet) this.selectTab(set, set.current, false);
      }
    }

    // Each field, list and result is named by the caption that names it on the desktop.
    nameByCaptions() {
      for (const control of this.model.controls) {
        if (!control.caption) continue;
        const captionNode = byId(control.caption);
        const node = byId(control.name);
        if (captionNode && node) node.setAttribute("aria-labelledby", control.caption);
      }
    }

    run(control, source) {
      if (control.action === "about") return about.open();
      if (control.action !== "calculate") return;
      if (!this.useDecimalSeparator()) return;
      // Every field as it stands now (a browser may have restored or filled some in); a field
      // the module could not take leaves the calculation undone.
      for (const field of document.querySelectorAll("#frmMain input.field")) {
        if (!this.type(field.id, field.value)) return;
      }
      const answer = JSON.parse(this.click(control.name));
      for (const write of answer.writes) this.show(write);
      if (answer.message) messages.show(answer.message, source);
      if (answer.said) this.announce(answer.said);
    }

    // The browser's language is asked once, when first needed: its number formats take a
    // moment to load, which the window's start need not wait for.
    useDecimalSeparator() {
      if (this.separator !== null) return true;
      const separator = decimalSeparator();
      if (!this.accepted(callWithTexts(this.core, "tallies_set_decimal_separator", separator))) {
        return false;
      }
      this.separator = separator;
      return true;
    }

    // An entry point's answer: "" when all went well, otherwise the message to show.
    accepted(message) {
      if (message) messages.show(message);
      return !message;
    }

    show(write) {
      const node = byId(write.control);
      if (!node) return;
      if (node instanceof HTMLInputElement) {
        node.value = write.text;
        node.setSelectionRange(0, 0);
      } else if (this.results.has(write.control)) {
        this.results.set(write.control, { text: write.text, shortened: write.shortened });
        this.fitResult(node);
      } else {
        node.textContent = write.text;
      }
    }

    // A result too wide for its label is drawn smaller first, then shortened in its fraction;
    // its full text stays in the tooltip, its description and its data.
    fitResult(node) {
      const { text, shortened } = this.results.get(node.id);
      node.dataset.text = text;
      node.title = text;
      node.style.fontSize = "";
      node.textContent = text;
      node.removeAttribute("aria-description");
      if (!text || node.offsetParent === null) return;
      const fits = () => node.scrollWidth <= node.clientWidth;
      let points = parseFloat(getComputedStyle(node).fontSize) * 0.75;
      while (!fits() && points - 0.5 >= this.smallestPoints) {
        points -= 0.5;
        node.style.fontSize = `${points}pt`;
      }
      for (const shorter of shortened) {
        if (fits()) break;
        node.textContent = shorter;
      }
      if (node.textContent !== text) node.setAttribute("aria-description", text);
    }

    announce(text) {
      const live = byId("announce");
      live.textContent = "";
      // A new node each time, so the same text said twice is announced twice.
      requestAnimationFrame(() => { live.textContent = text; });
    }

    // The window fills the width it is given (no horizontal scrolling on a phone); on a large
    // screen it grows until it fills the height as well.
    fit() {
      const [width, height] = this.model.size;
      const byWidth = document.documentElement.clientWidth / width;
      const byHeight = window.innerHeight / height;
      const scale = byWidth < 1 ? byWidth : Math.max(1, Math.min(byWidth, byHeight));
      const frame = byId("frame");
      frame.style.width = `${Math.floor(width * scale)}px`;
      frame.style.height = `${Math.floor(height * scale)}px`;
      byId("frmMain").style.transform = `scale(${scale})`;
      this.scale = scale;
      about.fit();
    }
  }

  // The one modal message box: the application's title, the text and OK.
  const messages = {
    show(text, returnTo) {
      const dialog = byId("message");
      byId("message-text").textContent = text;
      this.returnTo = returnTo || document.activeElement;
      dialog.showModal();
      byId("message-ok").focus();
    },
    init(title) {
      byId("message-title").textContent = title;
      byId("message-ok").addEventListener("click", () => byId("message").close());
      byId("message").addEventListener("close", () => {
        if (this.returnTo && this.returnTo.isConnected) this.returnTo.focus();
      });
    },
  };

  // The About box: modeless, one at a time; a second click on About brings the open one forward.
  const about = {
    build(main, model) {
      this.main = main;
      this.model = model;
      const dialog = byId("frmAbout");
      dialog.setAttribute("aria-labelledby", "frmAbout-caption");
      const title = element("div", "titlebar", { id: "frmAbout-caption" });
      title.textContent = model.caption;
      const client = element("div", "client");
      const [width, height] = model.size;
      Object.assign(client.style, { width: `${width}px`, height: `${height}px` });
      for (const line of model.lines) {
        const rule = element("div", "line", { "aria-hidden": "true" });
        Object.assign(rule.style, {
          left: `${line.x1}px`, top: `${line.y}px`, width: `${line.x2 - line.x1}px`,
          height: `${line.thickness}px`, background: line.colour,
        });
        client.append(rule);
      }
      for (const control of model.controls) {
        const node = main.buildControl(control);
        node.removeAttribute("tabindex");
        if (control.accessKey) node.setAttribute("accesskey", control.accessKey.toLowerCase());
        if (control.kind === "picture") {
          const image = node.querySelector("img");
          image.width = model.iconPixels;
          image.height = model.iconPixels;
        }
        if (control.action === "close") node.addEventListener("click", () => this.close());
        if (control.action === "sysinfo") {
          node.addEventListener("click", () => {
            const answer = JSON.parse(main.click(control.name));
            if (answer.message) messages.show(answer.message, node);
          });
        }
        client.append(node);
      }
      for (const loaded of model.loaded) {
        const node = client.querySelector(`#${CSS.escape(loaded.control)}`);
        if (node) node.textContent = loaded.text;
      }
      dialog.append(title, client);
      this.dialog = dialog;
      this.client = client;
      this.dragWith(title);
      dialog.addEventListener("cancel", (event) => { event.preventDefault(); this.close(); });
      dialog.addEventListener("keydown", (event) => {
        if (event.key === "Escape") { event.preventDefault(); this.close(); }
      });
    },
    // The box is moved by its title bar, as a window is, so it hides nothing for good.
    dragWith(handle) {
      handle.addEventListener("pointerdown", (event) => {
        const box = this.dialog.getBoundingClientRect();
        const dx = event.clientX - box.left;
        const dy = event.clientY - box.top;
        handle.setPointerCapture(event.pointerId);
        const move = (moved) => {
          this.moved = true;
          this.place(moved.clientX - dx, moved.clientY - dy);
        };
        handle.addEventListener("pointermove", move);
        handle.addEventListener("pointerup", () => handle.removeEventListener("pointermove", move),
          { once: true });
        event.preventDefault();
      });
    },
    // Keeps at least the title bar on the screen.
    place(left, top) {
      const box = this.dialog.getBoundingClientRect();
      const maxLeft = Math.max(0, document.documentElement.clientWidth - box.width);
      const maxTop = Math.max(0, window.innerHeight - box.height);
      this.dialog.style.left = `${Math.min(Math.max(0, left), maxLeft)}px`;
      this.dialog.style.top = `${Math.min(Math.max(0, top), maxTop)}px`;
    },
    open() {
      if (!this.dialog.open) {
        this.returnTo = document.activeElement;
        this.moved = false;
        this.dialog.show();
        this.fit();
      }
      this.dialog.querySelector("#cmdOK").focus();
    },
    close() {
      this.dialog.close();
      if (this.returnTo && this.returnTo.isConnected) this.returnTo.focus();
    },
    // Drawn at the main window's scale, centred over it.
    fit() {
      if (!this.dialog || !this.main) return;
      const scale = this.main.scale || 1;
      const [width, height] = this.model.size;
      this.client.style.transform = `scale(${scale})`;
      this.client.style.marginRight = `${width * (scale - 1)}px`;
      this.client.style.marginBottom = `${height * (scale - 1)}px`;
      const box = this.dialog.getBoundingClientRect();
      if (this.moved) {
        this.place(box.left, box.top);
        return;
      }
      const frame = byId("frame").getBoundingClientRect();
      this.place(frame.left + (frame.width - box.width) / 2,
        frame.top + (frame.height - box.height) / 2);
    },
  };

  // Copying a result copies all of it: the whole result when nothing of it is selected, and the
  // whole result, not the shortened text that shows, when it had to be shortened.
  document.addEventListener("copy", (event) => {
    const focused = document.activeElement;
    if (!(focused instanceof HTMLOutputElement) || !focused.dataset.text) return;
    const selection = window.getSelection();
    const shortened = focused.textContent !== focused.dataset.text;
    if (!shortened && selection && !selection.isCollapsed) return;
    event.clipboardData.setData("text/plain", focused.dataset.text);
    event.preventDefault();
  });

  function registerServiceWorker() {
    if ("serviceWorker" in navigator && window.isSecureContext) {
      navigator.serviceWorker.register("sw.js").catch(() => {
        // The page works as it is; it is only not available offline.
      });
    }
  }

  async function start() {
    const core = await TalliesCore();
    performance.mark("tallies-module");
    const model = JSON.parse(core.ccall("tallies_model", "string", [], []));
    if (model.fault) throw new Error(model.fault);
    messages.init(model.appTitle);
    const main = new Window(core, model);
    about.build(main, model.about);
    main.build();
    // The keyboard focus starts on the first view's tab set, as on the desktop.
    const first = main.tabSets.get(model.initialFocus);
    first.tabs[first.current].focus();
    document.documentElement.dataset.state = "ready";
    performance.mark("tallies-ready");
    registerServiceWorker();
  }

  start().catch((error) => {
    document.documentElement.dataset.state = "failed";
    const note = element("p", "no-script");
    note.textContent = `Tallies could not start in this browser: ${error}`;
    document.body.prepend(note);
  });
})();
