// Writes the page when the site is assembled: its stylesheet, the window model as the module
// makes it and its script bundled into one are put inside it, so that the page draws the window
// as it is read, while the module is still loading.
//   node write_page.cjs PAGE_FOLDER SITE_FOLDER SCRIPT_BUNDLE
// The module (tallies_core.js and .wasm) is already in the site folder.
const fs = require("fs");
const path = require("path");

const [pageDir, site, bundle] = process.argv.slice(2).map((arg) => path.resolve(arg));
const read = (file) => fs.readFileSync(file, "utf8");

// The page's own tag for a file, replaced by the file's text; a page that lost the tag fails the
// build rather than losing the file.
function inline(page, tag, elements) {
  const at = page.indexOf(tag);
  if (at < 0 || page.indexOf(tag, at + 1) >= 0) throw new Error(`index.html: ${tag} not found once`);
  // Nothing inside may end its element early: "</" is written as JSON's "<\/" in the model; the
  // bundle and the stylesheet must not hold it at all.
  const texts = elements.map(([open, text, close]) => {
    if (/<\/(script|style)/i.test(text)) throw new Error(`${tag}: holds the end of an element`);
    return open + text + close;
  });
  return page.slice(0, at) + texts.join("\n") + page.slice(at + tag.length);
}

const TalliesCore = require(path.join(site, "tallies_core.js"));
TalliesCore({ wasmBinary: fs.readFileSync(path.join(site, "tallies_core.wasm")) }).then((core) => {
  const model = core.ccall("tallies_model", "string", [], []);
  const fault = JSON.parse(model).fault;
  if (fault) throw new Error(`the module made no model: ${fault}`);
  let page = read(path.join(pageDir, "index.html"));
  page = inline(page, '<link rel="stylesheet" href="tallies.css">',
    [["<style>", read(path.join(pageDir, "tallies.css")), "</style>"]]);
  // The script comes last in the page, bundled into one with its modules, and runs as soon as
  // the page is read, with nothing more to fetch before the window is built.
  page = inline(page, '<script type="module" src="start.js"></script>', [
    ['<script type="application/json" id="model">', model.replaceAll("</", "<\\/"), "</script>"],
    ["<script>", read(bundle), "</script>"]]);
  fs.writeFileSync(path.join(site, "index.html"), page);
}).catch((error) => {
  console.error(error);
  process.exit(1);
});
