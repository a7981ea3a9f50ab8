// Results as the module presents them: it fits each result to its label (FitResult) with the
// page's measure of a text, says what copying one copies (CopiedText), and the page draws and
// names it as the desktop does.
import { element } from "./elements.js";

const canvas = document.createElement("canvas").getContext("2d");
let face = "sans-serif";

// The window's faces from the model: every control's size and family, and the link's size.
export function useFaces({ points, linkPoints, family }) {
  face = `"${family}", sans-serif`;
  const style = document.documentElement.style;
  style.setProperty("--font", face);
  style.setProperty("--font-size", `${points}pt`);
  style.setProperty("--link-size", `${linkPoints}pt`);
}

// The width of a text at a point size in the results' face, in CSS pixels; handed to the module,
// which measures with it when it fits a result.
export function measureText(text, points) {
  canvas.font = `${points}pt ${face}`;
  return canvas.measureText(text).width;
}

// Draws a result as the module fitted it. Named by its caption (aria-labelledby), it reads as
// the whole result however it is drawn: a shortened form is hidden from screen readers, and the
// whole result beside it is hidden from sight. Its tooltip and data hold the whole result too.
export function showResult(node, { text, points, shown }) {
  node.title = node.dataset.text = text;
  node.style.fontSize = `${points}pt`;
  if (shown === text) {
    node.textContent = text;
    return;
  }
  node.replaceChildren(element("span", "", { "aria-hidden": "true" }, shown),
    element("span", "visually-hidden", {}, text));
}

// Copying a focused result copies what the module says: the whole result when nothing of it is
// selected or it shows shortened, the selection otherwise.
export function copyResults(call) {
  document.addEventListener("copy", (event) => {
    const node = document.activeElement;
    if (!(node instanceof HTMLOutputElement) || !node.dataset.text) return;
    const shown = node.querySelector("[aria-hidden]")?.textContent ?? node.textContent;
    const copied = call("tallies_copied", node.id, shown, String(getSelection()));
    if (!copied) return;
    event.clipboardData.setData("text/plain", copied);
    event.preventDefault();
  });
}
