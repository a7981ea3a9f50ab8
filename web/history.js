// The History window: the record of calculations, built from the model's History window. The
// history is the text the module reads and writes (the desktop's history file format), kept in
// the browser's local storage; each change hands the module the text stored now, so that pages
// open in several tabs each add their entries without losing another's.
import { byId, element, inReadingOrder, place } from "./elements.js";
import { confirmBox, messageBox } from "./dialogs.js";

const HISTORY_KEY = "tallies.history";

// A text without the first occurrence of a part of it ("" for none).
function without(text, part) {
  const at = part ? text.indexOf(part) : -1;
  return at < 0 ? text : text.slice(0, at) + text.slice(at + part.length);
}

// Where the browser keeps nothing for the page (its storage disabled, refused or full: an entry
// of a 5 MB paste fills it), the history lives in the page, and the user is told so once, at the
// first change that could not be stored. Each later change tries to store the whole history
// again, and once one is stored (the too-large entry deleted), the storage holds it again.
export class HistoryStore {
  constructor(notStoredNotice) {
    Object.assign(this, { notStoredNotice, memory: null, notices: [], told: false });
  }

  text() {
    if (this.memory !== null) return this.memory;
    try {
      return localStorage.getItem(HISTORY_KEY) ?? "";
    } catch (error) {
      return this.toMemory("");
    }
  }

  toMemory(text) {
    this.memory = text;
    return text;
  }

  // Keeps a history answer of the module's, which was made from `stored`, and answers the notices
  // to show. A text the module could not read is kept aside first, under the key it names, and
  // never written over when it cannot be. A Calc's answer may carry only what it changes.
  keep(answer, stored) {
    const text = answer.text ?? without(stored, answer.dropped) + answer.appended;
    let kept = true;
    if (answer.keptAside) {
      try {
        localStorage.setItem(answer.keptAside, stored);
        this.notices.push(answer.notice);
      } catch (error) {
        kept = false;  // the text stays where it is, and nothing is written over it
      }
    } else if (answer.notice) {
      this.notices.push(answer.notice);
    }
    try {
      if (kept) {
        localStorage.setItem(HISTORY_KEY, text);
        this.memory = null;
      }
    } catch (error) {
      kept = false;
    }
    if (!kept) this.toMemory(text);
    if (this.memory !== null && !this.told) {
      this.told = true;
      this.notices.push(this.notStoredNotice);
    }
    return this.take();
  }

  // The notices not yet shown.
  take() {
    const notices = this.notices;
    this.notices = [];
    return notices;
  }
}

// The page's own words for what the browser refused.
const NOT_COPIED = "The clipboard could not be written: the browser did not allow it.";

export class HistoryWindow {
  // `main` is the main window (its calls into the module, its controls and its placing of a
  // calculation); `model` the model's History window.
  constructor(main, model) {
    Object.assign(this, { main, model, dialog: byId("frmHistory"), entries: [] });
    this.store = new HistoryStore(model.notStoredNotice);
    const client = element("div", "client");
    place(client, [0, 0, ...model.size]);
    this.client = client;
    const title = element("div", "titlebar", { id: "frmHistory-caption" }, model.title);
    const built = inReadingOrder(model.controls, model.focusOrder).map((control) => {
      const node = main.buildControl(control);
      if (control.accessKey && control.kind === "button") {
        node.setAttribute("accesskey", control.accessKey.toLowerCase());
      }
      return node;
    });
    client.append(...built);
    this.dialog.append(title, client);
    this.list = this.dialog.querySelector("select.entrylist");
    this.view = this.dialog.querySelector("textarea.textview");
    this.list.addEventListener("change", () => this.showChosen());
    // Enter on an entry recalls it.
    this.list.addEventListener("keydown", (event) => {
      if (event.key === "Enter" && this.entries.length) {
        event.preventDefault();
        this.recall();
      }
    });
    this.dialog.addEventListener("close", () => {
      if (this.returnTo?.isConnected) this.returnTo.focus();
    });
    // Another tab changed the history: the open window shows it as it is now.
    window.addEventListener("storage", (event) => {
      if (event.key === HISTORY_KEY && this.dialog.open) this.load();
    });
    // Its shortcut (Ctrl+H) shows it while the page has the focus, instead of the browser's
    // own history.
    const letter = model.shortcut.split("+").pop().toLowerCase();
    document.addEventListener("keydown", (event) => {
      if (event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey
          && event.key.toLowerCase() === letter) {
        event.preventDefault();
        this.main.whenReady(() => this.show());
      }
    });
  }

  // Reads the stored history into the module (keeping aside a text it cannot read); answers
  // whether it could. `newest` chooses the newest entry, as the window opens. A closed window's
  // list is made when it opens: at the start only the reading is needed.
  load(newest = false) {
    const stored = this.store.text();
    const answer = JSON.parse(this.main.call("tallies_history_load", stored));
    if (answer.fault) {
      messageBox.show(answer.fault);
      return false;
    }
    // A text read as it is need not be written again.
    if (answer.keptAside) this.tell(this.store.keep(answer, stored));
    if (newest) this.list.replaceChildren();
    if (newest || this.dialog.open) this.fill(answer.entries);
    return true;
  }

  // A history answer of a change the module made from `stored`: kept, told, shown.
  changed(answer, stored) {
    if (answer.fault) {
      messageBox.show(answer.fault);
      return;
    }
    this.tell(this.store.keep(answer, stored));
    // A closed window's list is made when it opens (it reads the stored history then): a Calc,
    // whose answer lists nothing, does not rebuild it.
    if (this.dialog.open) this.fill(answer.entries);
  }

  tell(notices) {
    if (notices.length) messageBox.show(notices.join("\n\n"), this.main.root);
  }

  // The list, newest first, each entry by its local time and summary; the chosen entry stays
  // chosen where it still is, else the newest is.
  fill(entries) {
    const chosen = this.list.value;
    this.entries = entries;
    this.list.replaceChildren(...entries.map((entry) =>
      new Option(`${new Date(entry.time).toLocaleString()}  ${entry.summary}`, entry.id)));
    if (entries.length) {
      this.list.value = entries.some((entry) => entry.id === chosen) ? chosen : entries[0].id;
    }
    this.showChosen();
  }

  chosen() {
    return this.list.value;
  }

  entryText(form) {
    const answer = JSON.parse(this.main.call("tallies_history_entry", this.chosen(), form));
    if (answer.fault) messageBox.show(answer.fault);
    return answer.text || "";
  }

  showChosen() {
    const some = this.entries.length > 0;
    this.view.value = some ? this.entryText("plain") : this.model.emptyText;
    for (const control of this.model.controls) {
      if (["recall", "copy", "copytable", "copylink", "delete", "export", "print", "clear"]
        .includes(control.action)) byId(control.name).disabled = !some;
    }
  }

  show() {
    if (!this.dialog.open) {
      this.returnTo = document.activeElement;
      if (!this.load(true)) return;
      this.dialog.showModal();
    }
    (this.entries.length ? this.list : byId(this.model.focusOrder.at(-1))).focus();
  }

  hide() {
    this.dialog.close();
  }

  // What a button of the window does.
  run(action, source) {
    const act = {
      recall: () => this.recall(),
      copy: () => this.copy(this.entryText("plain"), source),
      copytable: () => this.copy(this.entryText("table"), source),
      copylink: () => {
        const fragment = this.entryText("link");
        if (fragment) this.copy(`${location.href.split("#")[0]}#${fragment}`, source);
      },
      delete: () => {
        const stored = this.store.text();
        this.changed(JSON.parse(this.main.call("tallies_history_delete", stored, this.chosen())),
          stored);
        (this.entries.length ? this.list : source).focus();
      },
      export: () => this.download(),
      print: () => this.print(),
      clear: () => this.clear(source),
      closehistory: () => this.hide(),
    }[action];
    if (act) act();
  }

  recall() {
    const answer = JSON.parse(this.main.call("tallies_history_recall", this.chosen()));
    if (answer.fault) return messageBox.show(answer.fault);
    if (!answer.found) return;
    this.returnTo = null;
    this.hide();
    this.main.placeCalculation(answer, true);
  }

  copy(text, source) {
    if (!text) return;
    navigator.clipboard.writeText(text).then(
      () => this.main.announce("Copied."),
      () => messageBox.show(NOT_COPIED, source));
  }

  // The CSV, downloaded as a file of the browser's downloads.
  download() {
    const answer = JSON.parse(this.main.call("tallies_history_csv"));
    if (answer.fault) return messageBox.show(answer.fault);
    const address = URL.createObjectURL(new Blob([answer.text], { type: "text/csv;charset=utf-8" }));
    const link = element("a", "", { href: address, download: "tallies-history.csv" });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(address), 60000);
  }

  // The worked sheet, printed on its own: the module makes it as an HTML document with every
  // text escaped; it is parsed as an inert document (no script of it runs) and only the elements
  // of its body, without scripts or event attributes, go into the print-only container, drawn
  // by the page's print style.
  print() {
    const answer = JSON.parse(this.main.call("tallies_history_sheet"));
    if (answer.fault) return messageBox.show(answer.fault);
    const sheet = new DOMParser().parseFromString(answer.text, "text/html");
    sheet.querySelectorAll("script, style, iframe, object, embed, link, meta, base").forEach((e) => e.remove());
    for (const node of sheet.querySelectorAll("*")) {
      for (const attribute of [...node.attributes]) {
        if (/^on/i.test(attribute.name) || /^\s*javascript:/i.test(attribute.value)) {
          node.removeAttribute(attribute.name);
        }
      }
    }
    const container = byId("print-sheet");
    container.replaceChildren(...sheet.body.childNodes);
    window.print();
  }

  async clear(source) {
    if (!(await confirmBox.ask(this.model.clearQuestion, source))) return;
    this.changed(JSON.parse(this.main.call("tallies_history_clear")), this.store.text());
    byId(this.model.focusOrder.at(-1)).focus();
  }
}
