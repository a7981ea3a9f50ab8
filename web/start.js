// The start: the module is made with the page's measure of a text, both windows are built from
// the model it exports, and the site is kept for use offline.
import { element } from "./elements.js";
import { MainWindow } from "./main_window.js";
import { copyResults, measureText, useFaces } from "./results.js";
import { confirmBox, messageBox } from "./dialogs.js";
import { keepOffline } from "./updates.js";

// Calls one of the module's entry points with texts placed on its heap, whatever their length:
// emscripten's "string" arguments go on the module's small stack, which a long paste overran. A
// text that finds no room arrives as a null pointer, which the module reports. Answers the entry
// point's text.
const caller = (core) => (entry, ...texts) => {
  const pointers = texts.map((text) => {
    const size = core.lengthBytesUTF8(text) + 1;
    const pointer = core._malloc(size);
    if (pointer) core.stringToUTF8(text, pointer, size);
    return pointer;
  });
  try {
    return core.UTF8ToString(core[`_${entry}`](...pointers));
  } finally {
    pointers.forEach(core._free);
  }
};

async function start() {
  const core = await TalliesCore({ measureText });
  performance.mark("tallies-module");
  const model = JSON.parse(core.ccall("tallies_model", "string", [], []));
  if (model.fault) throw new Error(model.fault);
  useFaces(model.faces);
  messageBox.init(model.appTitle);
  confirmBox.init(model.appTitle);
  const main = new MainWindow(caller(core), model);
  main.build();
  // In the units kept from the last visit, before the window is first drawn.
  main.useStoredUnits();
  copyResults(main.call);
  // The history as stored, read now so that a text that cannot be read is kept aside and the
  // user told at once.
  main.history.load();
  // The keyboard focus starts on the first view's tab set, as on the desktop.
  const first = main.tabSets.get(model.initialFocus);
  first.tabs[first.current].focus();
  // A link to a calculation shows it; so does one followed while the page is open.
  main.openLink(location.hash);
  window.addEventListener("hashchange", () => main.openLink(location.hash));
  document.documentElement.dataset.state = "ready";
  performance.mark("tallies-ready");
  keepOffline();
}

start().catch((error) => {
  document.documentElement.dataset.state = "failed";
  document.body.prepend(element("p", "no-script", {}, `Tallies could not start in this browser: ${error}`));
});
