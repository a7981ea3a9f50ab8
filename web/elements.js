// What every part of the page builds its elements with. Text is written with textContent and
// value only, never as markup.
export const byId = (id) => document.getElementById(id);

// An element with a class, attributes and, if given, its text.
export function element(tag, className, attributes = {}, text = "") {
  const made = document.createElement(tag);
  if (className) made.className = className;
  for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, value);
  if (text) made.textContent = text;
  return made;
}

// A text the browser keeps for the page between visits, "" when it keeps none (its storage
// disabled or refused).
export function stored(key) {
  try {
    return localStorage.getItem(key) ?? "";
  } catch (error) {
    return "";
  }
}

// Keeps a text for the next visit where the browser allows; where it does not, a choice holds
// until the page is closed.
export function keep(key, text) {
  try {
    localStorage.setItem(key, text);
  } catch (error) {
    // Not kept.
  }
}

// Places an element at [left, top, width, height] in CSS pixels.
export function place(node, [left, top, width, height]) {
  Object.assign(node.style, {
    left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px`,
  });
}

// Controls top to bottom, then left to right, by their places.
export const byPlace = (a, b) => a.rect[1] - b.rect[1] || a.rect[0] - b.rect[0];

// A window's controls in reading order: those that take no focus and name nothing (texts,
// pictures) top to bottom and left to right, then those that take the focus in the window's
// keyboard order, each after the caption that names it. The Tab key follows the keyboard order
// and a phone shows them one under another in this order.
export function inReadingOrder(controls, focusOrder) {
  const byName = new Map(controls.map((control) => [control.name, control]));
  const naming = new Set(controls.map((control) => control.caption).filter(Boolean));
  const texts = controls.filter((control) => !control.focus && !naming.has(control.name))
    .sort(byPlace);
  return [...texts, ...focusOrder.map((name) => byName.get(name))
    .flatMap((control) => (control.caption ? [byName.get(control.caption), control] : [control]))];
}
