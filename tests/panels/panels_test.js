// The options panels' checks and answers, run by node without a browser: every extension's field
// list is loaded through the shared engine, and what the panel would send is read back the way the
// plug-in reads it (the text after "KEY":" up to the next quote).
"use strict";
const assert = require("node:assert/strict");
const fs = require("node:fs");
const path = require("node:path");
const test = require("node:test");

const extensions = path.resolve(__dirname, "../../extensions");
const ZarvoPanel = require(path.join(extensions, "common/zarvo-panel.js"));
const folders = fs.readdirSync(extensions).filter((d) => d.startsWith("com.zarvo."));
for (const folder of folders) require(path.join(extensions, folder, "panel.js"));
const panels = ZarvoPanel.panels;

// The plug-in's reading of one key out of an answer.
function pluginRead(text, key) {
  const quoted = '"' + key + '"';
  const at = text.indexOf(quoted);
  if (at < 0) return null;
  const start = at + quoted.length + 2;
  const end = text.indexOf('"', start);
  return text.slice(start, end < 0 ? undefined : end);
}

function defaultsOf(panel) {
  return ZarvoPanel.initialValues(panel, null, null);
}

test("twelve panels, one per folder, each with its page, manifest and distinct events", () => {
  assert.equal(folders.length, 12);
  const ids = Object.keys(panels);
  assert.equal(ids.length, 12);
  for (const folder of folders) {
    const html = fs.readFileSync(path.join(extensions, folder, "index.html"), "utf8");
    assert.match(html, new RegExp('data-panel="' + folder.replace(/\./g, "\\.") + '"'));
    assert.doesNotMatch(html, /https?:\/\//, folder + " reaches outside");
    const manifest = JSON.parse(fs.readFileSync(path.join(extensions, folder, "manifest.json"), "utf8"));
    assert.equal(manifest.id, folder);
    assert.equal(manifest.events.params, panels[folder].paramsEvent);
  }
  const params = ids.map((id) => panels[id].paramsEvent);
  assert.equal(new Set(params).size, 12);
});

test("no panel script reaches the network", () => {
  const scripts = [path.join(extensions, "common/zarvo-panel.js"), path.join(extensions, "common/start.js")]
    .concat(folders.map((f) => path.join(extensions, f, "panel.js")));
  for (const file of scripts) {
    const text = fs.readFileSync(file, "utf8");
    assert.doesNotMatch(text, /\bfetch\(|XMLHttpRequest|WebSocket|https?:\/\//, file);
  }
});

test("the defaults answer in the keys and forms each tool reads", () => {
  const expected = {
    "com.zarvo.Rose": '{"radius":"100","lobes":"4","width":"1.5"}',
    "com.zarvo.Spiral": '{"radius":"100","turns":"4","fermat":"false"}',
    "com.zarvo.Grid": '{"width":"36","height":"36","sqX":"4","sqY":"3","createAsSquares":"false"}',
    "com.zarvo.PolarMesh":
      '{"outerRadius":"100","innerRadius":"0","radialLines":"4","circularLines":"3","polygon":"false","colorMode":"1"}',
    "com.zarvo.Tile": '{"symmetry":"14","tile_cut_mode":"true","tile_mirror_mode":"false",' +
      '"group_cut_single_lattice":"false","group_cut_document":"true","group_cut_artboard":"false",' +
      '"group_cut_page":"false","tile_mirror_closed_cut":"true"}',
    "com.zarvo.Rosette": '{"rosettes":"8","cut":"true","mirror":"true"}',
    "com.zarvo.MirrorCut": '{"rotate":"0"}',
    "com.zarvo.Spike": '{"sharpness":"0.5"}',
  };
  for (const id of Object.keys(expected)) {
    const result = ZarvoPanel.answer(panels[id], defaultsOf(panels[id]));
    assert.ok(result.ok, id);
    assert.equal(result.text, expected[id], id);
  }
  // Every panel's defaults pass its own checks, and each answer is read back key by key.
  for (const id of Object.keys(panels)) {
    const result = ZarvoPanel.answer(panels[id], defaultsOf(panels[id]));
    assert.ok(result.ok, id + " refuses its defaults: " + JSON.stringify(result.errors));
    for (const field of panels[id].fields) assert.notEqual(pluginRead(result.text, field.key), null, id + " " + field.key);
  }
});

test("hostile texts are refused with a message naming the key, never sent", () => {
  const rose = panels["com.zarvo.Rose"];
  const radius = rose.fields.find((f) => f.key === "radius");
  const lobes = rose.fields.find((f) => f.key === "lobes");
  for (const text of ["", "   ", "abc", "12abc", "1e308", "1e309", "-5", "0", "NaN", "Infinity", "0x10", '5"}', "1,5"]) {
    const checked = ZarvoPanel.validate(radius, text);
    assert.equal(checked.ok, false, JSON.stringify(text));
    assert.match(checked.message, /^radius: /);
  }
  for (const text of ["2.5", "0", "41", "-1", "1e1", ""]) assert.equal(ZarvoPanel.validate(lobes, text).ok, false, text);
  assert.deepEqual(ZarvoPanel.validate(radius, " 50 "), { ok: true, value: "50" });
  assert.deepEqual(ZarvoPanel.validate(radius, "1e3"), { ok: true, value: "1000" });
  assert.deepEqual(ZarvoPanel.validate(lobes, "+7"), { ok: true, value: "7" });

  const values = Object.assign(defaultsOf(rose), { radius: "1e308", lobes: "many" });
  const refused = ZarvoPanel.answer(rose, values);
  assert.equal(refused.ok, false);
  assert.deepEqual(Object.keys(refused.errors).sort(), ["lobes", "radius"]);
  assert.equal(refused.text, undefined);
});

test("values the tools would turn into nothing are refused at the panel", () => {
  const field = (id, key) => panels[id].fields.find((f) => f.key === key);
  const refusals = [
    ["com.zarvo.Wave", "waves", "0"], ["com.zarvo.Wave", "height", "0"], ["com.zarvo.Wave", "width", "0"],
    ["com.zarvo.Spiral", "turns", "0"], ["com.zarvo.Grid", "sqX", "201"], ["com.zarvo.Grid", "sqY", "0"],
    ["com.zarvo.PolarMesh", "circularLines", "1"], ["com.zarvo.PolarMesh", "innerRadius", "100"],
    ["com.zarvo.PolarMesh", "colorMode", "5"], ["com.zarvo.Tile", "symmetry", "0"], ["com.zarvo.Tile", "symmetry", "18"],
    ["com.zarvo.Rosette", "rosettes", "51"], ["com.zarvo.Spike", "sharpness", "1.01"],
    ["com.zarvo.MirrorCut", "rotate", "22.5"], ["com.zarvo.MirrorCut", "rotate", "360"],
    ["com.zarvo.MirrorEffect", "ZarvoMirrorType", "8"], ["com.zarvo.RectCutEffect", "ZarvoOffsetX", "0"],
    ["com.zarvo.Rhombus", "height", "12.5"],
  ];
  for (const [id, key, text] of refusals) assert.equal(ZarvoPanel.validate(field(id, key), text).ok, false, id + " " + key + "=" + text);
  assert.equal(ZarvoPanel.validate(field("com.zarvo.Wave", "height"), "-40").ok, true);
  assert.equal(ZarvoPanel.validate(field("com.zarvo.Tile", "symmetry"), "11").ok, true);
});

test("the tile offers the seventeen groups by number with their names", () => {
  const symmetry = panels["com.zarvo.Tile"].fields.find((f) => f.key === "symmetry");
  assert.deepEqual(symmetry.options.map((o) => o.value), Array.from({ length: 17 }, (_, i) => i + 1));
  assert.equal(symmetry.options[10].text, "11 p4m");
  assert.equal(symmetry.options[16].text, "17 p6m");
});

test("filled from the payload, else the preferences file, else the defaults", () => {
  const rose = panels["com.zarvo.Rose"];
  const sent = '{"radius" : "42", "lobes" : "7", "width" : "0.8"}';
  assert.deepEqual(ZarvoPanel.initialValues(rose, sent, null), { radius: "42", lobes: "7", width: "0.8" });
  const prefs = "<rose><radius>64</radius><lobes>9</lobes><width>2</width></rose>";
  assert.deepEqual(ZarvoPanel.initialValues(rose, null, prefs), { radius: "64", lobes: "9", width: "2" });
  assert.deepEqual(ZarvoPanel.initialValues(rose, sent, prefs).radius, "42");
  // A file without the element, or a payload that is not an object, leaves the defaults.
  assert.deepEqual(ZarvoPanel.initialValues(rose, "<payload></payload>", "<wave><width>1</width></wave>"),
    { radius: "100", lobes: "4", width: "1.5" });
  // Flags arrive as 1 and 0 and answer as true and false.
  const grid = panels["com.zarvo.Grid"];
  const fromPrefs = ZarvoPanel.initialValues(grid, null, "<grid><width>10</width><createAsSq>1</createAsSq></grid>");
  assert.equal(fromPrefs.createAsSquares, true);
  assert.match(ZarvoPanel.answer(grid, fromPrefs).text, /"createAsSquares":"true"/);
  const spiral = ZarvoPanel.initialValues(panels["com.zarvo.Spiral"], '{"radius" : "100", "turns" : "4", "fermat" : "0"}');
  assert.equal(spiral.fermat, false);
});

test("the tile's extent is one radio of four and its two modes stay opposite", () => {
  const tile = panels["com.zarvo.Tile"];
  const values = ZarvoPanel.initialValues(tile,
    '{"symmetry" : "11", "tile_cut_mode" : "0", "tile_mirror_mode" : "0", "group_cut_single_lattice" : "1", ' +
    '"group_cut_document" : "0", "group_cut_artboard" : "1", "group_cut_page" : "0", "tile_mirror_closed_cut" : "0"}');
  const extent = ["group_cut_single_lattice", "group_cut_document", "group_cut_artboard", "group_cut_page"];
  assert.deepEqual(extent.map((k) => values[k]), [false, false, true, false]);
  assert.equal(values.tile_mirror_mode, true);
  const text = ZarvoPanel.answer(tile, values).text;
  assert.equal(pluginRead(text, "symmetry"), "11");
  assert.equal(pluginRead(text, "tile_cut_mode"), "false");
  assert.equal(pluginRead(text, "group_cut_artboard"), "true");
  // A symmetry outside the list in the payload falls back to the default group.
  assert.equal(ZarvoPanel.initialValues(tile, '{"symmetry" : "99"}').symmetry, "14");
});

test("the preferences reader stays inside its text", () => {
  assert.equal(ZarvoPanel.parsePreferences("<rose><radius>5", "rose"), null);
  assert.equal(ZarvoPanel.parsePreferences(null, "rose"), null);
  assert.deepEqual(ZarvoPanel.parsePreferences("<x/><spike><sharpness> 0.25 </sharpness></spike>", "spike"), { sharpness: "0.25" });
  assert.equal(ZarvoPanel.parsePayload("[1,2]"), null);
  assert.equal(ZarvoPanel.parsePayload("{broken"), null);
  assert.deepEqual(ZarvoPanel.parsePayload('{"a":"1","b":2}'), { a: "1" });
});
