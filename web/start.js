// The start: the windows are built from the model document, the module is made with the page's
// measure of a text, and the site is kept for use offline.
import { byId, element } from "./elements.js";
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

// The module, made with the page's measure of a text from its code compiled beforehand where
// the browser could (a host that does not say `application/wasm` leaves it to the module).
function makeCore(code) {
  if (!code) return TalliesCore({ measureText });
  return new Promise((resolve, reject) => {
    TalliesCore({
      measureText,
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(code, imports).then((instance) => receive(instance, code), reject);
        return {};
      },
    }).then(resolve, reject);
  });
}

// The module's script, which defines the function that makes the module and does nothing else.
const loadScript = (src) => new Promise((loaded, failed) => {
  const script = element("script", "", { src });
  script.onload = loaded;
  script.onerror = () => failed(new Error(`${src} could not be loaded`));
  document.head.append(script);
});

// The window is drawn from the model document the site put in the page while the module's script
// and code are fetched and the code compiled beside it, away from the page's own work; a click that
// needs the module waits for it.
async function start() {
  const compiled = WebAssembly.compileStreaming(fetch("tallies_core.wasm")).catch(() => null);
  const script = loadScript("tallies_core.js");
  const model = JSON.parse(byId("model").textContent);
  useFaces(model.faces);
  messageBox.init(model.appTitle);
  confirmBox.init(model.appTitle);
  const main = new MainWindow(model);
  main.build();
  document.documentElement.dataset.state = "drawn";
  performance.mark("tallies-drawn");
  // The module is made once the window is on the screen (its code is already on its way), and
  // the closed dialogs are built meanwhile.
  await new Promise((painted) => requestAnimationFrame(() => setTimeout(painted)));
  // The keyboard focus starts on the first view's tab set, as on the desktop, given once the
  // page is laid out for its first paint: given before, it made the browser lay the page out in
  // the middle of the script. A control the user reached meanwhile keeps it. The page opens at
  // its top, where the tab set is, so it needs no scroll into view.
  const first = main.tabSets.get(model.initialFocus);
  if (document.activeElement === document.body) {
    first.tabs[first.current].focus({ preventScroll: true });
  }
  main.buildDialogs();
  main.learnSeparator();
  await script;
  const core = await makeCore(await compiled);
  performance.mark("tallies-module");
  main.ready(caller(core));
  copyResults(main.call);
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
