// The dialogs over the window: the modal message box, the modal question and the modeless
// About box.
import { byId, element, inReadingOrder, place } from "./elements.js";

// The one modal message box: the application's title, the text and OK.
export const messageBox = {
  init(title) {
    byId("message-title").textContent = title;
    byId("message-ok").addEventListener("click", () => byId("message").close());
    byId("message").addEventListener("close", () => {
      if (this.returnTo?.isConnected) this.returnTo.focus();
    });
  },
  show(text, returnTo) {
    byId("message-text").textContent = text;
    this.returnTo = returnTo || document.activeElement;
    byId("message").showModal();
    byId("message-ok").focus();
  },
};

// The one modal question, answered Yes or No (Esc is No): a promise of whether it was Yes.
export const confirmBox = {
  init(title) {
    byId("confirm-title").textContent = title;
    byId("confirm-yes").addEventListener("click", () => byId("confirm").close("yes"));
    byId("confirm-no").addEventListener("click", () => byId("confirm").close("no"));
  },
  ask(text, returnTo) {
    const dialog = byId("confirm");
    byId("confirm-text").textContent = text;
    dialog.returnValue = "no";
    dialog.showModal();
    byId("confirm-no").focus();
    return new Promise((resolve) => {
      dialog.addEventListener("close", () => {
        if (returnTo?.isConnected) returnTo.focus();
        resolve(dialog.returnValue === "yes");
      }, { once: true });
    });
  },
};

// The About box: modeless, one at a time; a second click on About brings the open one forward.
export class AboutBox {
  // Built from the model's About box with the main window's controls (`main.buildControl`).
  constructor(main, model) {
    Object.assign(this, { main, model, dialog: byId("frmAbout"), client: element("div", "client") });
    const title = element("div", "titlebar", { id: "frmAbout-caption" }, model.caption);
    place(this.client, [0, 0, ...model.size]);
    for (const line of model.lines) {
      const rule = element("div", "line", { "aria-hidden": "true", style: `background: ${line.colour}` });
      place(rule, [line.x1, line.y, line.x2 - line.x1, line.thickness]);
      this.client.append(rule);
    }
    const built = inReadingOrder(model.controls, model.focusOrder).map((control) => {
      const node = main.buildControl(control);
      if (control.accessKey) node.setAttribute("accesskey", control.accessKey.toLowerCase());
      if (control.kind === "picture") {
        Object.assign(node.querySelector("img"), { width: model.iconPixels, height: model.iconPixels });
      }
      return node;
    });
    this.client.append(...built);
    this.dialog.append(title, this.client);
    for (const loaded of model.loaded) byId(loaded.control).textContent = loaded.text;
    this.dragWith(title);
    // Escape closes it, modeless as it is, and brings the focus back.
    this.dialog.addEventListener("cancel", (event) => { event.preventDefault(); this.hide(); });
    this.dialog.addEventListener("keydown", (event) => {
      if (event.key === "Escape") { event.preventDefault(); this.hide(); }
    });
  }

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
  }

  // Keeps at least the title bar on the screen.
  place(left, top) {
    const box = this.dialog.getBoundingClientRect();
    const maxLeft = Math.max(0, document.documentElement.clientWidth - box.width);
    const maxTop = Math.max(0, window.innerHeight - box.height);
    this.dialog.style.left = `${Math.min(Math.max(0, left), maxLeft)}px`;
    this.dialog.style.top = `${Math.min(Math.max(0, top), maxTop)}px`;
  }

  show() {
    if (!this.dialog.open) {
      this.returnTo = document.activeElement;
      this.moved = false;
      this.dialog.show();
      this.fit();
    }
    byId(this.model.focusOrder[0]).focus();
  }

  hide() {
    this.dialog.close();
    if (this.returnTo?.isConnected) this.returnTo.focus();
  }

  // Drawn at the main window's scale, centred over it; a closed box is fitted as it opens (its
  // size asked of a closed box would make the browser lay the page out before its time).
  fit() {
    if (!this.dialog.open) return;
    const scale = this.main.scale || 1;
    const [width, height] = this.model.size;
    Object.assign(this.client.style, { transform: `scale(${scale})`,
      marginRight: `${width * (scale - 1)}px`, marginBottom: `${height * (scale - 1)}px` });
    const box = this.dialog.getBoundingClientRect();
    if (this.moved) return this.place(box.left, box.top);
    const frame = byId("frame").getBoundingClientRect();
    this.place(frame.left + (frame.width - box.width) / 2,
      frame.top + (frame.height - box.height) / 2);
  }
}
